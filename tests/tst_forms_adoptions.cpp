#include "events/forms/EventForms.h"
#include "events/UpdateDialog.h"
#include "records/Codes.h"
#include "support/FormCheck.h"
#include "support/FormDriver.h"

#include <QComboBox>
#include <QtTest>

#include <algorithm>

// The adoption, readoption, servo and Bigfoot forms, composed on the Update
// tab and applied to the fixture sheet.
class TestFormsAdoptions : public QObject
{
    Q_OBJECT

    const QString cat = "New Sims and Pets";
    const int all = EPFlags::All;
    const int noPets = EPFlags::All & ~EPFlags::Pets;

private slots:
    void roundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("Adopted New Children and Pets")
            << cat << "Adopted New Children and Pets" << all
            << QStringList{"3", "Beth Brook", "male", "toddler", "Leo", "after"}
            << "On day 3 of the rotation, Beth Brook adopted a male toddler named Leo after six PM "
               "(eleven AM for pets)."
            << "Beth Brook" << "-" << QList<int>{12}
            << QStringList{"newSim(Leo, 1, 3, 8, 3, Brook, 0, Beth Brook, -)",
                           "Beth Brook.children: [] -> [Leo]"};
        QTest::newRow("Adopted New Children")
            << cat << "Adopted New Children" << noPets
            << QStringList{"3", "Hal Lark", "female", "child", "Ada", "before"}
            << "On day 3 of the rotation, Hal Lark adopted a female child named Ada before six PM "
               "(eleven AM for pets)."
            << "Hal Lark" << "-" << QList<int>{12}
            << QStringList{"newSim(Ada, 2, 7, 8, 2, Lark, 0, Hal Lark, -)",
                           "Hal Lark.children: [] -> [Ada]"};
        // The adoptive parent's spouse becomes the second parent.
        QTest::newRow("Readopted Children and Pets")
            << cat << "Readopted Children and Pets" << all
            << QStringList{"3", "Beth Brook", "Quinn", "Quinn Brook", "after"}
            << "On day 3 of the rotation, Beth Brook adopted Quinn, whose name was changed to "
               "Quinn Brook, after six PM (eleven AM for pets)."
            << "Beth Brook" << "Quinn" << QList<int>{13}
            << QStringList{"Adam Brook.children: [] -> [Quinn Brook]",
                           "Beth Brook.children: [] -> [Quinn Brook]",
                           "Quinn.name: Quinn -> Quinn Brook",
                           "Quinn.household: Adoption Queue -> Brook", "Quinn.hold: 0 -> 3",
                           "Quinn.parents: -+- -> Beth Brook+Adam Brook"};
        QTest::newRow("Readopted Children")
            << cat << "Readopted Children" << noPets
            << QStringList{"3", "Hal Lark", "Quinn", "Quinn Lark", "before"}
            << "On day 3 of the rotation, Hal Lark adopted Quinn, whose name was changed to Quinn "
               "Lark, before six PM (eleven AM for pets)."
            << "Hal Lark" << "Quinn" << QList<int>{13}
            << QStringList{"Hal Lark.children: [] -> [Quinn Lark]",
                           "Quinn.name: Quinn -> Quinn Lark",
                           "Quinn.household: Adoption Queue -> Lark", "Quinn.hold: 0 -> 2",
                           "Quinn.parents: -+- -> Hal Lark+-"};
        // The servo takes its activator's aspiration.
        QTest::newRow("Activated Servos")
            << cat << "Activated Servos" << all << QStringList{"Gus Brook", "female", "Robo"}
            << "Gus Brook activated a female servo named Robo." << "Gus Brook" << "-"
            << QList<int>{14} << QStringList{"newSim(Robo, 2, 30, 5, 0, Brook, 8, -, -)"};
        QTest::newRow("Bigfoot")
            << cat << "Bigfoot" << all << QStringList{"3", "Iris Lark", "before"}
            << "On day 3 of the rotation, Iris Lark went on a vacation and brought back Bigfoot "
               "before six PM."
            << "Iris Lark" << "-" << QList<int>{15}
            << QStringList{"newSim(Bigfoot, 1, 30, 0, 2, Lark, 64, -, -)"};
    }
    void roundTrip() { FormCheck::roundTrip(); }

    // Every gender, kind and time of the adoption: children get the adopter
    // as parent and, past the baby stage, the Grow Up aspiration; pets get a
    // species and no parent.
    void adoptionChoices_data()
    {
        FormCheck::addRoundTripColumns();
        const QStringList kinds{"baby",      "toddler",         "child",          "puppy (small)",
                                "puppy (large)", "large dog",   "small dog",      "elder large dog",
                                "elder small dog", "kitten",    "cat",            "elder cat"};
        const QList<int> ages{0, 3, 7, 0, 0, 4, 4, 26, 30, 0, 5, 31};
        const QList<int> flags{0, 0, 0, 128, 256, 256, 128, 256, 128, 512, 512, 512};
        const QList<int> asps{0, 8, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        for (const QString gender : {"male", "female"}) {
            for (int k = 0; k < kinds.size(); ++k) {
                for (const QString time : {"before", "after"}) {
                    const bool child = k < 3;
                    QStringList effects{
                        QString("newSim(Kit, %1, %2, %3, %4, Lark, %5, %6, -)")
                            .arg(gender == "male" ? 1 : 2)
                            .arg(ages.at(k))
                            .arg(asps.at(k))
                            .arg(FormCheck::dayHold(2, time))
                            .arg(flags.at(k))
                            .arg(child ? "Iris Lark" : "-")};
                    if (child)
                        effects << "Iris Lark.children: [] -> [Kit]";
                    QTest::addRow("%s %s %s", qPrintable(gender), qPrintable(kinds.at(k)),
                                  qPrintable(time))
                        << cat << "Adopted New Children and Pets" << all
                        << QStringList{"2", "Iris Lark", gender, kinds.at(k), "Kit", time}
                        << QString("On day 2 of the rotation, Iris Lark adopted a %1 %2 named Kit "
                                   "%3 six PM (eleven AM for pets).")
                               .arg(gender, kinds.at(k), time)
                        << "Iris Lark" << "-" << QList<int>{12} << effects;
                }
            }
        }
    }
    void adoptionChoices() { FormCheck::roundTrip(); }

    // Both times of the readoption (a pet keeps its parents), both genders of
    // the servo, both times of Bigfoot.
    void otherChoices_data()
    {
        FormCheck::addRoundTripColumns();
        for (const QString time : {"before", "after"}) {
            const int hold = FormCheck::dayHold(2, time);
            QTest::addRow("readopted pet %s", qPrintable(time))
                << cat << "Readopted Children and Pets" << all
                << QStringList{"2", "Wanda Lark", "Nibbles", "Socks", time}
                << QString("On day 2 of the rotation, Wanda Lark adopted Nibbles, whose name was "
                           "changed to Socks, %1 six PM (eleven AM for pets).")
                       .arg(time)
                << "Wanda Lark" << "Nibbles" << QList<int>{13}
                << QStringList{"Nibbles.name: Nibbles -> Socks",
                               "Nibbles.household: Adoption Queue -> Lark",
                               QString("Nibbles.hold: 0 -> %1").arg(hold)};
            QTest::addRow("bigfoot %s", qPrintable(time))
                << cat << "Bigfoot" << all << QStringList{"2", "Lou Large", time}
                << QString("On day 2 of the rotation, Lou Large went on a vacation and brought "
                           "back Bigfoot %1 six PM.")
                       .arg(time)
                << "Lou Large" << "-" << QList<int>{15}
                << QStringList{
                       QString("newSim(Bigfoot, 1, 30, 0, %1, At Large, 64, -, -)").arg(hold)};
        }
        for (const QString gender : {"male", "female"}) {
            QTest::addRow("servo %s", qPrintable(gender))
                << cat << "Activated Servos" << all << QStringList{"Dana Brook", gender, "Robo"}
                << QString("Dana Brook activated a %1 servo named Robo.").arg(gender)
                << "Dana Brook" << "-" << QList<int>{14}
                << QStringList{QString("newSim(Robo, %1, 30, 8, 0, Brook, 8, -, -)")
                                   .arg(gender == "male" ? 1 : 2)};
        }
    }
    void otherChoices() { FormCheck::roundTrip(); }

    void choices_data()
    {
        FormCheck::addChoiceColumns();
        const QStringList children{"baby", "toddler", "child"};
        const QStringList pets{"puppy (small)",   "puppy (large)",   "large dog",
                               "small dog",       "elder large dog", "elder small dog",
                               "kitten",          "cat",             "elder cat"};
        QTest::newRow("kinds, no Pets") << cat << "Adopted New Children" << noPets << 3 << children;
        QTest::newRow("kinds, Pets")
            << cat << "Adopted New Children and Pets" << all << 3 << children + pets;
        const QStringList adopters{"Adam Brook", "Beth Brook", "Gus Brook",  "Hal Lark",
                                   "Iris Lark",  "Lou Large",  "Petra Lark", "Vince Lark",
                                   "Wanda Lark", "Wolf Lark"};
        QTest::newRow("adopters") << cat << "Adopted New Children and Pets" << all << 1 << adopters;
        QTest::newRow("readopters") << cat << "Readopted Children" << noPets << 1 << adopters;
        QTest::newRow("adoptees") << cat << "Readopted Children" << noPets << 2
                                  << QStringList{"Nibbles", "Quinn"};
        QTest::newRow("bigfoot travellers") << cat << "Bigfoot" << all << 1 << adopters;
        QTest::newRow("activators")
            << cat << "Activated Servos" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Dana Brook", "Gus Brook",
                           "Hal Lark",   "Iris Lark",  "Ivy Brook",  "Lou Large",  "Petra Lark",
                           "Tess Lark",  "Vince Lark", "Wanda Lark", "Wolf Lark"};
    }
    void choices() { FormCheck::offersChoices(); }

    void refusesEmptyText_data()
    {
        FormCheck::addRefusalColumns();
        QTest::newRow("adoption name")
            << cat << "Adopted New Children and Pets" << all
            << QStringList{"3", "Beth Brook", "male", "toddler", "Leo", "after"} << 4;
        QTest::newRow("readoption name")
            << cat << "Readopted Children" << noPets
            << QStringList{"3", "Hal Lark", "Quinn", "Quinn Lark", "before"} << 3;
        QTest::newRow("servo name") << cat << "Activated Servos" << all
                                    << QStringList{"Gus Brook", "female", "Robo"} << 2;
    }
    void refusesEmptyText() { FormCheck::refusesEmptyText(); }

    // The day runs from 1 to the rotation length.
    void days_data()
    {
        FormCheck::addDayRows(cat,
                              {"Adopted New Children and Pets",
                               "Readopted Children and Pets",
                               "Bigfoot"},
                              all);
    }
    void days() { FormCheck::offersDays(); }

    void refusesQuoteComma_data() { refusesEmptyText_data(); }
    void refusesQuoteComma() { FormCheck::refusesQuoteComma(); }

    void typedNames_data()
    {
        FormCheck::addTypedNameColumns();
        QTest::newRow("adoptee") << cat << "Readopted Children" << (all & ~EPFlags::Pets)
                                 << QStringList{"3", "Hal Lark", "=Quinny", "Quinn Lark", "before"};
        QTest::newRow("activator") << cat << "Activated Servos" << all
                                   << QStringList{"=Gus", "female", "Robo"};
    }
    void typedNames() { FormCheck::refusesTypedName(); }

    // A new name that ends in a double quote meets the ", " after it; the
    // pair would cut the saved line, so "Add" refuses it.
    void refusesQuoteBeforeComma()
    {
        FormDriver driver(all, 4);
        QVERIFY2(driver.open(cat, "Readopted Children and Pets"), qPrintable(driver.error()));
        QVERIFY2(driver.fill({"3", "Hal Lark", "Quinn", "Quinn \"Q\"", "before"}),
                 qPrintable(driver.error()));
        QVERIFY(!driver.add());
        QCOMPARE(driver.pending().size(), 0);
        QCOMPARE(driver.message(),
                 QStringLiteral("Please don't use a double-quote followed by a comma in the "
                                "fields; it will mess up your save files."));
    }

    // The kinds follow the Pets bit alone, whichever name opened the form.
    void kindsFollowThePetsBitAlone()
    {
        for (const char *name : {"Adopted New Children", "Adopted New Children and Pets"}) {
            for (const int flags : {0, int(EPFlags::Pets)}) {
                UpdateDialog dialog;
                EventForms::Context context;
                context.dialog = &dialog;
                context.epFlags = flags;
                context.genders = EventForms::genders();
                context.times = EventForms::times();
                QVERIFY(EventForms::build(QString::fromLatin1(name), context));
                const QList<QComboBox *> boxes = dialog.findChildren<QComboBox *>();
                const auto kinds = std::find_if(boxes.begin(), boxes.end(), [](QComboBox *box) {
                    return box->findText("baby") == 0;
                });
                QVERIFY(kinds != boxes.end());
                QCOMPARE((*kinds)->count(), flags ? 12 : 3);
            }
        }
    }
};

QTEST_MAIN(TestFormsAdoptions)
#include "tst_forms_adoptions.moc"
