#include "events/UpdateDialog.h"
#include "events/UpdatePage.h"
#include "records/Codes.h"
#include "support/FormCheck.h"
#include "support/FormDriver.h"
#include "support/SimSnapshot.h"

#include <QtTest>

// The college, death and life forms, composed on the Update tab and applied
// to the fixture sheet.
class TestFormsCollege : public QObject
{
    Q_OBJECT

    const QString cat = "Aging";
    const int all = EPFlags::All;

private slots:
    // A change of age below 15 days sets the first aspiration to Grow Up,
    // for pets too.
    void roundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("Going to college")
            << cat << "Going to college" << all << QStringList{"Cody Brook", "well", "Art"}
            << "Cody Brook grew up well and went to college. (Major: Art)" << "Cody Brook" << "-"
            << QList<int>{27}
            << QStringList{"Cody Brook.age: 20 -> 30", "Cody Brook.hold: 0 -> 1",
                           "Cody Brook.college: no -> yes", "Cody Brook.semester: 0 -> 1",
                           "Cody Brook.major:  -> Art"};
        QTest::newRow("Leaving college")
            << cat << "Leaving college" << all
            << QStringList{"Ivy Brook", "well", "graduated Magna cum Laude from", "Physics"}
            << "Ivy Brook grew up well and graduated Magna cum Laude from college. (Major: "
               "Physics)"
            << "Ivy Brook" << "-" << QList<int>{28}
            << QStringList{"Ivy Brook.hold: 0 -> 1", "Ivy Brook.college: yes -> no",
                           "Ivy Brook.major: Biology -> Physics"};
        QTest::newRow("Natural Death")
            << cat << "Natural Death" << all << QStringList{"Gus Brook"}
            << "Gus Brook died of old age." << "Gus Brook" << "-" << QList<int>{29}
            << QStringList{"Gus Brook.alive: yes -> no"};
        QTest::newRow("Unnatural Death")
            << cat << "Unnatural Death" << all << QStringList{"Hal Lark", "drowned."}
            << "Hal Lark drowned." << "Hal Lark" << "-" << QList<int>{30}
            << QStringList{"Hal Lark.alive: yes -> no", "Hal Lark.ghost: 7 -> 3"};
        QTest::newRow("Resurrection")
            << cat << "Resurrection" << all
            << QStringList{"Otto Lark", "as a zombie", "Adam Brook"}
            << "Otto Lark was brought back to life as a zombie by Adam Brook." << "Otto Lark"
            << "Adam Brook" << QList<int>{31}
            << QStringList{"Otto Lark.flags: 0 -> 2", "Otto Lark.alive: no -> yes"};
        QTest::newRow("Drinking Elixer")
            << cat << "Drinking Elixer" << all << QStringList{"Adam Brook", "gained"}
            << "Adam Brook drank Elixer of Life and gained three sim days." << "Adam Brook" << "-"
            << QList<int>{32} << QStringList{"Adam Brook.age: 40 -> 37"};
        QTest::newRow("Drinking Cowplant milk")
            << cat << "Drinking Cowplant milk" << all << QStringList{"Adam Brook"}
            << "Adam Brook drank a glass of Cowplant milk and gained five sim days."
            << "Adam Brook" << "-" << QList<int>{33} << QStringList{"Adam Brook.age: 40 -> 35"};
        QTest::newRow("Kibble of Life")
            << cat << "Kibble of Life" << all << QStringList{"Rex Brook", "lost"}
            << "Rex Brook ate the Kibble of Life and lost three sim days." << "Rex Brook" << "-"
            << QList<int>{34}
            << QStringList{"Rex Brook.age: 10 -> 13", "Rex Brook.aspirations: 0/0 -> 8/0"};
    }
    void roundTrip() { FormCheck::roundTrip(); }

    // Every choice of the college forms: only a graduate's major is kept.
    void collegeChoices_data()
    {
        FormCheck::addRoundTripColumns();
        const QStringList hows{"graduated Summa cum Laude from", "graduated Magna cum Laude from",
                               "graduated without honors from", "dropped out of",
                               "was expelled from"};
        for (const QString manner : {"well", "badly"}) {
            QTest::addRow("entering %s", qPrintable(manner))
                << cat << "Going to college" << all << QStringList{"Tess Lark", manner, "Law"}
                << QString("Tess Lark grew up %1 and went to college. (Major: Law)").arg(manner)
                << "Tess Lark" << "-" << QList<int>{27}
                << QStringList{"Tess Lark.age: 18 -> 30", "Tess Lark.hold: 0 -> 1",
                               "Tess Lark.college: no -> yes", "Tess Lark.semester: 0 -> 1",
                               "Tess Lark.major:  -> Law"};
            for (const QString &how : hows) {
                QStringList effects{"Ivy Brook.hold: 0 -> 1", "Ivy Brook.college: yes -> no"};
                if (how.startsWith("graduated"))
                    effects << "Ivy Brook.major: Biology -> Law";
                QTest::addRow("leaving %s %s", qPrintable(manner), qPrintable(how))
                    << cat << "Leaving college" << all
                    << QStringList{"Ivy Brook", manner, how, "Law"}
                    << QString("Ivy Brook grew up %1 and %2 college. (Major: Law)").arg(manner, how)
                    << "Ivy Brook" << "-" << QList<int>{28} << effects;
            }
        }
    }
    void collegeChoices() { FormCheck::roundTrip(); }

    // The sentence of a sim leaving college is read with the major left
    // empty, so the form files it; a graduate keeps the major it had.
    void leavingWithoutMajor_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("graduated")
            << cat << "Leaving college" << all
            << QStringList{"Ivy Brook", "badly", "graduated without honors from", ""}
            << "Ivy Brook grew up badly and graduated without honors from college. (Major: )"
            << "Ivy Brook" << "-" << QList<int>{28}
            << QStringList{"Ivy Brook.hold: 0 -> 1", "Ivy Brook.college: yes -> no"};
        QTest::newRow("expelled")
            << cat << "Leaving college" << all
            << QStringList{"Ivy Brook", "well", "was expelled from", ""}
            << "Ivy Brook grew up well and was expelled from college. (Major: )" << "Ivy Brook"
            << "-" << QList<int>{28}
            << QStringList{"Ivy Brook.hold: 0 -> 1", "Ivy Brook.college: yes -> no"};
    }
    void leavingWithoutMajor() { FormCheck::roundTrip(); }

    // Every cause of death with its ghost colour; the satellite and disease,
    // which have no colour of their own, take Orange and Green.
    void deathChoices_data()
    {
        FormCheck::addRoundTripColumns();
        const QList<QPair<QString, int>> causes{
            {"starved to death", 8},
            {"drowned", 3},
            {"burned to death", 6},
            {"was electrocuted by an appliance", 2},
            {"was hit by a satelite", 4},
            {"died of disease", 1},
            {"was killed by a swarm of Africanized flies", 5},
            {"was frightened to death by a ghost", 0},
            {"had an accident while running with scissors", 0},
            {"was eaten by a hungry cowplant", 9},
            {"turned to dust in the sunlight", 8},
            {"was electrocuted by a rampaging servo", 2},
            {"overextended him/herself envigorating the employees", 8},
            {"was electrocuted by a lightning bolt", 2},
            {"froze to death", 3},
            {"spontaneously combusted", 6},
            {"withered away for lack of sun, water, and love", 8},
        };
        for (const auto &cause : causes) {
            QStringList effects{"Wolf Lark.alive: yes -> no"};
            if (cause.second != GhostColor::White)
                effects << QString("Wolf Lark.ghost: 7 -> %1").arg(cause.second);
            QTest::addRow("%s", qPrintable(cause.first))
                << cat << "Unnatural Death" << all << QStringList{"Wolf Lark", cause.first + "."}
                << QString("Wolf Lark %1.").arg(cause.first) << "Wolf Lark" << "-"
                << QList<int>{30} << effects;
        }
    }
    void deathChoices() { FormCheck::roundTrip(); }

    // Both ways back to life and both ways each drink and food can go. Any
    // change of age below 15 days sets the first aspiration to Grow Up, for
    // pets too.
    void lifeChoices_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("successfully")
            << cat << "Resurrection" << all
            << QStringList{"Otto Lark", "successfully", "Rory Runaway"}
            << "Otto Lark was brought back to life successfully by Rory Runaway." << "Otto Lark"
            << "Rory Runaway" << QList<int>{31} << QStringList{"Otto Lark.alive: no -> yes"};
        QTest::newRow("elixer lost")
            << cat << "Drinking Elixer" << all << QStringList{"Gus Brook", "lost"}
            << "Gus Brook drank Elixer of Life and lost three sim days." << "Gus Brook" << "-"
            << QList<int>{32} << QStringList{"Gus Brook.age: 65 -> 68"};
        QTest::newRow("kibble gained")
            << cat << "Kibble of Life" << all << QStringList{"Mia Brook", "gained"}
            << "Mia Brook ate the Kibble of Life and gained three sim days." << "Mia Brook" << "-"
            << QList<int>{34}
            << QStringList{"Mia Brook.age: 10 -> 7", "Mia Brook.aspirations: 0/0 -> 8/0"};
    }
    void lifeChoices() { FormCheck::roundTrip(); }

    // With no dead sim the first box of "Resurrection" is empty: the reviver
    // must not be taken for the dead sim, or a living sim brought back "as a
    // zombie" would turn into one.
    void resurrectionWithoutTheDead()
    {
        FormDriver driver(all, 4);
        driver.sheet().sim("Otto Lark")->setAlive(true);
        driver.page().setSimList(driver.sheet().sims());
        const SimSnapshot before(driver.sheet().sims());
        QVERIFY2(driver.open(cat, "Resurrection"), qPrintable(driver.error()));
        QCOMPARE(driver.choiceItems(0), QStringList());
        QVERIFY2(driver.fill({"", "as a zombie", "Adam Brook"}), qPrintable(driver.error()));
        QVERIFY2(!driver.add(), "\"Add\" filed a resurrection with no dead sim");
        QCOMPARE(driver.message(), FormCheck::noSimMessage());
        QCOMPARE(driver.pending().size(), 0);
        // Typing the name into the empty box does not help either.
        QVERIFY2(driver.fill({"=Otto Lark", "as a zombie", "Adam Brook"}),
                 qPrintable(driver.error()));
        QVERIFY(!driver.add());
        QCOMPARE(driver.message(), FormCheck::noSimMessage());
        QVERIFY2(driver.applyAll(), qPrintable(driver.error()));
        const QStringList changed = before.diff(SimSnapshot(driver.sheet().sims()));
        QVERIFY2(changed.isEmpty(), FormCheck::describe(changed, {}).constData());
    }

    void typedNames_data()
    {
        FormCheck::addTypedNameColumns();
        QTest::newRow("dead") << cat << "Resurrection" << all
                              << QStringList{"=Otto Larkin", "as a zombie", "Adam Brook"};
        QTest::newRow("elder") << cat << "Natural Death" << all << QStringList{"=Gus"};
        QTest::newRow("reviver") << cat << "Resurrection" << all
                                 << QStringList{"Otto Lark", "successfully", "=Adam"};
    }
    void typedNames() { FormCheck::refusesTypedName(); }

    void choices_data()
    {
        FormCheck::addChoiceColumns();
        const QStringList always{"starved to death.",
                                 "drowned.",
                                 "burned to death.",
                                 "was electrocuted by an appliance.",
                                 "was hit by a satelite.",
                                 "died of disease.",
                                 "was killed by a swarm of Africanized flies.",
                                 "was frightened to death by a ghost.",
                                 "had an accident while running with scissors."};
        const QStringList packs{"was eaten by a hungry cowplant.",
                                "turned to dust in the sunlight.",
                                "was electrocuted by a rampaging servo.",
                                "overextended him/herself envigorating the employees.",
                                "was electrocuted by a lightning bolt.",
                                "froze to death.",
                                "spontaneously combusted.",
                                "withered away for lack of sun, water, and love."};
        QTest::newRow("causes, no packs") << cat << "Unnatural Death" << 0 << 1 << always;
        QTest::newRow("causes, the other packs")
            << cat << "Unnatural Death" << (EPFlags::Pets | EPFlags::BonVoyage | EPFlags::FreeTime
                                            | EPFlags::ApartmentLife)
            << 1 << always;
        QTest::newRow("causes, all packs")
            << cat << "Unnatural Death" << all << 1 << always + packs;
        // Each pack adds its own causes only.
        QTest::newRow("causes, University")
            << cat << "Unnatural Death" << int(EPFlags::University) << 1
            << always + packs.mid(0, 1);
        QTest::newRow("causes, Nightlife")
            << cat << "Unnatural Death" << int(EPFlags::Nightlife) << 1 << always + packs.mid(1, 1);
        QTest::newRow("causes, Open for Business")
            << cat << "Unnatural Death" << int(EPFlags::OpenForBusiness) << 1
            << always + packs.mid(2, 2);
        QTest::newRow("causes, Seasons")
            << cat << "Unnatural Death" << int(EPFlags::Seasons) << 1 << always + packs.mid(4);
        QTest::newRow("leaving") << cat << "Leaving college" << all << 2
                                 << QStringList{"graduated Summa cum Laude from",
                                                "graduated Magna cum Laude from",
                                                "graduated without honors from", "dropped out of",
                                                "was expelled from"};
        QTest::newRow("entering") << cat << "Going to college" << all << 0
                                  << QStringList{"Cody Brook", "Tess Lark"};
        QTest::newRow("students") << cat << "Leaving college" << all << 0
                                  << QStringList{"Ivy Brook"};
        QTest::newRow("old age") << cat << "Natural Death" << all << 0 << QStringList{"Gus Brook"};
        QTest::newRow("unnatural")
            << cat << "Unnatural Death" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Buster Lark", "Cody Brook", "Dana Brook",
                           "Gus Brook",  "Hal Lark",   "Iris Lark",   "Ivy Brook",  "Lou Large",
                           "Mia Brook",  "Petra Lark", "Rex Brook",   "Sky Lark",   "Tess Lark",
                           "Vince Lark", "Wanda Lark", "Wolf Lark"};
        QTest::newRow("the dead") << cat << "Resurrection" << all << 0 << QStringList{"Otto Lark"};
        QTest::newRow("revivers")
            << cat << "Resurrection" << all << 2
            << QStringList{"Adam Brook", "Beth Brook",   "Cody Brook", "Gus Brook",  "Hal Lark",
                           "Iris Lark",  "Lou Large",    "Petra Lark", "Rory Runaway",
                           "Tess Lark",  "Tom Townie",   "Vince Lark", "Wanda Lark", "Wolf Lark"};
        QTest::newRow("elixer")
            << cat << "Drinking Elixer" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Gus Brook",
                           "Hal Lark",   "Iris Lark",  "Lou Large",  "Petra Lark",
                           "Tess Lark",  "Vince Lark", "Wanda Lark", "Wolf Lark"};
        QTest::newRow("kibble") << cat << "Kibble of Life" << all << 0
                                << QStringList{"Buster Lark", "Mia Brook", "Rex Brook",
                                               "Sky Lark"};
        QTest::newRow("cowplant")
            << cat << "Drinking Cowplant milk" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Dana Brook", "Gus Brook",
                           "Hal Lark",   "Iris Lark",  "Ivy Brook",  "Lou Large",  "Petra Lark",
                           "Tess Lark",  "Vince Lark", "Wanda Lark", "Wolf Lark"};
    }
    void choices() { FormCheck::offersChoices(); }

    // Without a major the sentence of a sim entering college is read as
    // nothing, so the form refuses it.
    void refusesEmptyText_data()
    {
        FormCheck::addRefusalColumns();
        QTest::newRow("entering major") << cat << "Going to college" << all
                                        << QStringList{"Cody Brook", "well", "Art"} << 2;
    }
    void refusesEmptyText() { FormCheck::refusesEmptyText(); }

    void refusesQuoteComma_data()
    {
        refusesEmptyText_data();
        QTest::newRow("leaving major")
            << cat << "Leaving college" << all
            << QStringList{"Ivy Brook", "well", "dropped out of", "Art"} << 3;
    }
    void refusesQuoteComma() { FormCheck::refusesQuoteComma(); }
};

QTEST_MAIN(TestFormsCollege)
#include "tst_forms_college.moc"
