#include "records/Codes.h"
#include "support/FixtureSheet.h"
#include "support/FormCheck.h"

#include <QtTest>

// The hold, growing-up, departure and return forms, composed on the Update
// tab and applied to the fixture sheet.
class TestFormsHolds : public QObject
{
    Q_OBJECT

    const QString cat = "Aging";
    const int all = EPFlags::All;

    // The hold lines of every fixture sim that the test picks.
    template<typename Pick>
    static QStringList holds(int hold, Pick pick)
    {
        QStringList out;
        FixtureSheet sheet;
        for (const QString &key : sheet.keys()) {
            if (pick(sheet.sim(key)) && hold != 0)
                out << QString("%1.hold: 0 -> %2").arg(key).arg(hold);
        }
        return out;
    }

private slots:
    void roundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("Individual Holds")
            << cat << "Individual Holds" << all << QStringList{"", "Cody Brook", "3"}
            << "Put Cody Brook on hold for 3 days." << "Cody Brook" << "-" << QList<int>{16}
            << QStringList{"Cody Brook.hold: 0 -> 3"};
        QTest::newRow("Household Holds")
            << cat << "Household Holds" << all << QStringList{"the ", "Lark", "2"}
            << "Put the Lark household on hold for 2 days." << "-" << "-" << QList<int>{16, 17}
            << QStringList{"holdHousehold(Lark, 2)"}
                   + holds(2, [](Sim *s) { return s->household() == "Lark"; });
        QTest::newRow("Growing up")
            << cat << "Growing up" << all << QStringList{"Dana Brook", "badly", "after", "Romance"}
            << "Dana Brook grew up badly after six PM (eleven AM for pets). (Aspiration: Romance)"
            << "Dana Brook" << "-" << QList<int>{18, 19}
            << QStringList{"Dana Brook.aspirations: 8/0 -> 3/0"};
        QTest::newRow("Social Worker")
            << cat << "Social Worker" << all << QStringList{"Dana Brook"}
            << "Dana Brook was taken away by the Social Worker." << "Dana Brook" << "-"
            << QList<int>{20} << QStringList{"Dana Brook.household: Brook -> Adoption Queue"};
        QTest::newRow("Removed Pets")
            << cat << "Removed Pets" << all << QStringList{"Mia Brook"}
            << "Mia Brook was removed by the police." << "Mia Brook" << "-" << QList<int>{21}
            << QStringList{"Mia Brook.household: Brook -> Adoption Queue"};
        QTest::newRow("Given or sold Pets")
            << cat << "Given or sold Pets" << all << QStringList{"Rex Brook", "Hal Lark"}
            << "Rex Brook was given or sold to Hal Lark." << "Rex Brook" << "Hal Lark"
            << QList<int>{22} << QStringList{"Rex Brook.household: Brook -> Lark"};
        QTest::newRow("Pets put up for adoption")
            << cat << "Pets put up for adoption" << all << QStringList{"Sky Lark"}
            << "Sky Lark was put up for adoption." << "Sky Lark" << "-" << QList<int>{23}
            << QStringList{"Sky Lark.household: Lark -> Adoption Queue"};
        QTest::newRow("Runaway Teens")
            << cat << "Runaway Teens" << all << QStringList{"Tess Lark"}
            << "Tess Lark ran away from home." << "Tess Lark" << "-" << QList<int>{24}
            << QStringList{"Tess Lark.household: Lark -> Runaways"};
        QTest::newRow("Runaway Pets")
            << cat << "Runaway Pets" << all << QStringList{"Mia Brook"}
            << "Mia Brook ran away from home." << "Mia Brook" << "-" << QList<int>{24}
            << QStringList{"Mia Brook.household: Brook -> Runaways"};
        QTest::newRow("Returned Teens")
            << cat << "Returned Teens" << all << QStringList{"Rory Runaway", "Adam Brook"}
            << "Rory Runaway returned home to Adam Brook." << "Rory Runaway" << "Adam Brook"
            << QList<int>{25} << QStringList{"Rory Runaway.household: Runaways -> Brook"};
        QTest::newRow("Found Pets")
            << cat << "Found Pets" << all << QStringList{"Pip", "Iris Lark"}
            << "Pip was found and returned to Iris Lark." << "Pip" << "Iris Lark"
            << QList<int>{26} << QStringList{"Pip.household: Runaways -> Lark"};
    }
    void roundTrip() { FormCheck::roundTrip(); }

    // Both scopes of both hold forms, at the ends of the hold range.
    void holdChoices_data()
    {
        FormCheck::addRoundTripColumns();
        for (const int n : {0, 20}) {
            QTest::addRow("one sim %d", n)
                << cat << "Individual Holds" << all
                << QStringList{"", "Rex Brook", QString::number(n)}
                << QString("Put Rex Brook on hold for %1 days.").arg(n) << "Rex Brook" << "-"
                << QList<int>{16}
                << holds(n, [](Sim *s) { return s->objectName() == "Rex Brook"; });
            QTest::addRow("all but one %d", n)
                << cat << "Individual Holds" << all
                << QStringList{" all sims and pets except", "Rex Brook", QString::number(n)}
                << QString("Put all sims and pets except Rex Brook on hold for %1 days.").arg(n)
                << "Rex Brook" << "-" << QList<int>{16}
                << QStringList{QString("holdAllBut(Rex Brook, %1)").arg(n)}
                       + holds(n, [](Sim *s) { return s->objectName() != "Rex Brook"; });
            for (const QString household : {"Brook", "Lark", "At Large"}) {
                QTest::addRow("household %s %d", qPrintable(household), n)
                    << cat << "Household Holds" << all
                    << QStringList{"the ", household, QString::number(n)}
                    << QString("Put the %1 household on hold for %2 days.").arg(household).arg(n)
                    << "-" << "-" << QList<int>{16, 17}
                    << QStringList{QString("holdHousehold(%1, %2)").arg(household).arg(n)}
                           + holds(n, [&](Sim *s) { return s->household() == household; });
                QTest::addRow("all households but %s %d", qPrintable(household), n)
                    << cat << "Household Holds" << all
                    << QStringList{"all households except the ", household, QString::number(n)}
                    << QString("Put all households except the %1 household on hold for %2 days.")
                           .arg(household)
                           .arg(n)
                    << "-" << "-" << QList<int>{16, 17}
                    << QStringList{QString("holdAllHouseholdsBut(%1, %2)").arg(household).arg(n)}
                           + holds(n, [&](Sim *s) { return s->household() != household; });
            }
        }
    }
    void holdChoices() { FormCheck::roundTrip(); }

    // Every manner, time and aspiration of "Growing up": a new aspiration
    // replaces the current one, "Same" keeps it, and before six the sim
    // grows a day older. Lou has no aspiration yet, so every word shows.
    void growingUpChoices_data()
    {
        FormCheck::addRoundTripColumns();
        const QStringList asps{"Same",     "Family",   "Popularity",     "Fortune", "Knowledge",
                               "Romance",  "Pleasure", "Grilled Cheese", "Random"};
        for (const QString manner : {"well", "badly"}) {
            for (const QString time : {"before", "after"}) {
                for (const QString &asp : asps) {
                    QStringList effects;
                    if (time == "before")
                        effects << "Lou Large.age: 33 -> 34";
                    if (asp == "Random")
                        effects << "Lou Large.aspirations: 0/0 -> {aspcode}/0";
                    else if (asp != "Same")
                        effects << QString("Lou Large.aspirations: 0/0 -> %1/0")
                                       .arg(FormCheck::aspirationCode(asp));
                    QTest::addRow("%s %s %s", qPrintable(manner), qPrintable(time),
                                  qPrintable(asp))
                        << cat << "Growing up" << all
                        << QStringList{"Lou Large", manner, time, asp}
                        << QString("Lou Large grew up %1 %2 six PM (eleven AM for pets). "
                                   "(Aspiration: %3)")
                               .arg(manner, time, asp == "Random" ? "{asp}" : asp)
                        << "Lou Large" << "-" << QList<int>{18, 19} << effects;
                }
            }
        }
    }
    void growingUpChoices() { FormCheck::roundTrip(); }

    void typedNames_data()
    {
        FormCheck::addTypedNameColumns();
        QTest::newRow("pet") << cat << "Given or sold Pets" << all
                             << QStringList{"=Rexy", "Hal Lark"};
        QTest::newRow("teen") << cat << "Returned Teens" << all
                              << QStringList{"=Rory", "Adam Brook"};
        QTest::newRow("held") << cat << "Individual Holds" << all << QStringList{"", "=Cody", "3"};
    }
    void typedNames() { FormCheck::typedNameChangesNothing(); }

    void choices_data()
    {
        FormCheck::addChoiceColumns();
        QTest::newRow("hold scope") << cat << "Individual Holds" << all << 0
                                    << QStringList{"", " all sims and pets except"};
        QTest::newRow("household scope") << cat << "Household Holds" << all << 0
                                         << QStringList{"the ", "all households except the "};
        // Played households in order of first appearance, dead members and
        // "At Large" included, group households never.
        QTest::newRow("households") << cat << "Household Holds" << all << 1
                                    << QStringList{"Brook", "Lark", "At Large"};
        QTest::newRow("grow-up aspirations, no Nightlife")
            << cat << "Growing up" << (all & ~EPFlags::Nightlife) << 3
            << QStringList{"Same", "Family", "Popularity", "Fortune", "Knowledge", "Romance",
                           "Random"};
        QTest::newRow("grow-up aspirations, Nightlife")
            << cat << "Growing up" << all << 3
            << QStringList{"Same",    "Family",   "Popularity",     "Fortune", "Knowledge",
                           "Romance", "Pleasure", "Grilled Cheese", "Random"};
        QTest::newRow("growing sims")
            << cat << "Growing up" << all << 0
            << QStringList{"Adam Brook", "Beth Brook",   "Buster Lark", "Cody Brook", "Dana Brook",
                           "Eli Brook",  "Fay Brook",    "Hal Lark",    "Iris Lark",  "Lou Large",
                           "Mia Brook",  "Nibbles",      "Petra Lark",  "Pip",        "Quinn",
                           "Rex Brook",  "Rory Runaway", "Sky Lark",    "Tabby",      "Tess Lark",
                           "Tom Townie", "Wanda Lark",   "Wolf Lark"};
        QTest::newRow("social worker") << cat << "Social Worker" << all << 0
                                       << QStringList{"Dana Brook", "Eli Brook", "Fay Brook"};
        QTest::newRow("played pets") << cat << "Removed Pets" << all << 0
                                     << QStringList{"Buster Lark", "Mia Brook", "Rex Brook",
                                                    "Sky Lark"};
        QTest::newRow("runaway teens") << cat << "Runaway Teens" << all << 0
                                       << QStringList{"Cody Brook", "Tess Lark"};
        QTest::newRow("returning teens") << cat << "Returned Teens" << all << 0
                                         << QStringList{"Rory Runaway"};
        QTest::newRow("found pets") << cat << "Found Pets" << all << 0 << QStringList{"Pip"};
        QTest::newRow("pet buyers")
            << cat << "Given or sold Pets" << all << 1
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Dana Brook", "Eli Brook",
                           "Fay Brook",  "Gus Brook",  "Hal Lark",   "Iris Lark",  "Ivy Brook",
                           "Lou Large",  "Petra Lark", "Tess Lark",  "Vince Lark", "Wanda Lark",
                           "Wolf Lark"};
    }
    void choices() { FormCheck::offersChoices(); }
};

QTEST_MAIN(TestFormsHolds)
#include "tst_forms_holds.moc"
