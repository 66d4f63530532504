#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "records/Codes.h"
#include "support/FormCheck.h"
#include "support/FormDriver.h"

#include <QComboBox>
#include <QtTest>

// Who each sim box offers, on the fixture sheet with its odd sims added: the
// servo, zombies, Bigfoot, elders, puppies, plantsim toddler, grown runaways
// and townies that tell the box tests apart.
class TestFormsBoxes : public QObject
{
    Q_OBJECT

    const QString joining = "New Sims and Pets";
    const QString aging = "Aging";
    const QString family = "Household and Family";
    const QString changes = "Changes";
    const QString super = "Supernatural";
    const QString other = "Other";
    const int all = EPFlags::All;

    // A driver over the fixture sheet and its odd sims, with the form open.
    static bool openOn(FormDriver &driver, const QString &category, const QString &event)
    {
        driver.sheet().addOddSims();
        driver.page().setSimList(driver.sheet().sims());
        return driver.open(category, event);
    }

private slots:
    void offers_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("input");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("withheld");

        // Joining: hosts and adopters are grown humans of played households;
        // only townies and NPCs come from "At Large".
        QTest::newRow("townie hosts")
            << joining << "Former Townies/NPCs" << all << 6
            << QStringList{"Elsa Odd", "Fern Odd", "Zeke Odd", "Bo Odd", "Nat Odd", "Vlad Odd",
                           "Ivy Brook"}
            << QStringList{"Sal Odd", "Ted Odd", "Tina Odd", "Dean Odd", "Gil Odd", "Rita Odd",
                           "Duke Odd", "Sprig Odd", "Cody Brook"};
        QTest::newRow("at large newcomers")
            << joining << "At Large Townies/NPCs" << all << 1
            << QStringList{"Ted Odd", "Tina Odd", "Cal Odd", "Dean Odd", "Gil Odd"}
            << QStringList{"Rita Odd", "Quinn", "Lou Large", "Tomcat Odd", "Deb Odd", "Sal Odd"};
        QTest::newRow("at large hosts")
            << joining << "At Large Townies/NPCs" << all << 4
            << QStringList{"Elsa Odd", "Ivy Brook"} << QStringList{"Tina Odd", "Sal Odd"};
        QTest::newRow("stray adopters")
            << joining << "Stray Pets" << all << 1
            << QStringList{"Elsa Odd", "Fern Odd", "Zeke Odd"}
            << QStringList{"Sal Odd", "Dean Odd", "Ivy Brook", "Tina Odd", "Sprig Odd", "Duke Odd"};
        QTest::newRow("at large strays")
            << joining << "At Large Stray Pets" << all << 2 << QStringList{"Tomcat Odd"}
            << QStringList{"Dot Odd", "Pup Odd", "Pip", "Nibbles", "Tina Odd", "Cal Odd"};

        // Births.
        QTest::newRow("fathers")
            << joining << "Ordinary Babies" << all << 1
            << QStringList{"Al Odd", "Vlad Odd", "Gil Odd", "Dean Odd", "Gus Brook"}
            << QStringList{"Sal Odd", "Zeke Odd", "Bo Odd", "Nat Odd", "Zane Odd", "Duke Odd",
                           "Ted Odd", "Rory Runaway"};
        QTest::newRow("mothers")
            << joining << "Ordinary Babies" << all << 2 << QStringList{"Beth Brook"}
            << QStringList{"Elsa Odd", "Zora Odd", "Tina Odd", "Rita Odd", "Nat Odd", "Fern Odd",
                           "Dot Odd"};
        QTest::newRow("townie mothers")
            << joining << "Babies by Townies" << all << 1 << QStringList{"Zora Odd", "Beth Brook"}
            << QStringList{"Elsa Odd", "Tina Odd", "Rita Odd", "Nat Odd", "Fern Odd"};
        QTest::newRow("pet fathers")
            << joining << "Pet Babies" << all << 1 << QStringList{"Duke Odd", "Tomcat Odd"}
            << QStringList{"Pup Odd", "Pip", "Adam Brook"};
        QTest::newRow("pet mothers")
            << joining << "Pet Babies" << all << 2 << QStringList{"Mia Brook"}
            << QStringList{"Dot Odd", "Kit Odd", "Tabby", "Nibbles", "Beth Brook"};
        QTest::newRow("stray mothers")
            << joining << "Pet Babies by Strays" << all << 1 << QStringList{"Mia Brook"}
            << QStringList{"Dot Odd", "Kit Odd", "Tabby", "Nibbles"};
        QTest::newRow("alien fathers")
            << joining << "Alien Babies" << all << 1 << QStringList{"Al Odd", "Bo Odd"}
            << QStringList{"Zeke Odd", "Vlad Odd", "Sal Odd", "Nat Odd", "Gil Odd", "Dean Odd"};
        QTest::newRow("plant parents")
            << joining << "Plant Babies" << all << 1 << QStringList{"Fern Odd", "Petra Lark"}
            << QStringList{"Sprig Odd"};

        // Adoptions, servos and Bigfoot.
        QTest::newRow("adopters")
            << joining << "Adopted New Children and Pets" << all << 1
            << QStringList{"Fern Odd", "Elsa Odd"}
            << QStringList{"Sal Odd", "Dean Odd", "Ivy Brook", "Cody Brook", "Tina Odd", "Dot Odd"};
        QTest::newRow("readoptees")
            << joining << "Readopted Children and Pets" << all << 2
            << QStringList{"Quinn", "Nibbles"} << QStringList{"Tabby", "Rita Odd", "Pip"};
        QTest::newRow("activators")
            << joining << "Activated Servos" << all << 0
            << QStringList{"Sal Odd", "Dana Brook", "Ivy Brook", "Al Odd"}
            << QStringList{"Fay Brook", "Eli Brook", "Sprig Odd", "Rex Brook", "Cal Odd"};
        QTest::newRow("travellers")
            << joining << "Bigfoot" << all << 1 << QStringList{"Elsa Odd"}
            << QStringList{"Dean Odd", "Tina Odd"};

        // Holds, growing up, departures and returns.
        QTest::newRow("held")
            << aging << "Individual Holds" << all << 1
            << QStringList{"Tabby", "Pip", "Sal Odd", "Tomcat Odd", "Dean Odd", "Quinn"}
            << QStringList{"Otto Lark", "Deb Odd"};
        QTest::newRow("growing")
            << aging << "Growing up" << all << 0
            << QStringList{"Sal Odd", "Pup Odd", "Kit Odd", "Sprig Odd", "Rex Brook", "Tomcat Odd",
                           "Cal Odd", "Ted Odd", "Al Odd", "Bo Odd"}
            << QStringList{"Elsa Odd", "Dot Odd", "Duke Odd", "Fern Odd", "Dean Odd", "Vlad Odd",
                           "Zeke Odd", "Zane Odd", "Vince Lark"};
        QTest::newRow("taken") << aging << "Social Worker" << all << 0 << QStringList{"Sprig Odd"}
                               << QStringList{"Cal Odd", "Pup Odd", "Kit Odd"};
        const QStringList playedPets{"Dot Odd", "Pup Odd", "Kit Odd", "Duke Odd"};
        const QStringList otherPets{"Tomcat Odd", "Pip", "Nibbles", "Sal Odd"};
        for (const char *event : {"Removed Pets", "Pets put up for adoption", "Runaway Pets",
                                  "Given or sold Pets"})
            QTest::addRow("pets of %s", event) << aging << event << all << 0 << playedPets
                                               << otherPets;
        QTest::newRow("pet buyers") << aging << "Given or sold Pets" << all << 1
                                    << QStringList{"Sal Odd", "Adam Brook"}
                                    << QStringList{"Rex Brook", "Tina Odd", "Rita Odd"};
        QTest::newRow("runaways") << aging << "Runaway Teens" << all << 0
                                  << QStringList{"Cody Brook"}
                                  << QStringList{"Ted Odd", "Rory Runaway"};
        QTest::newRow("returning") << aging << "Returned Teens" << all << 0
                                   << QStringList{"Rory Runaway", "Rita Odd"} << QStringList{"Pip"};
        QTest::newRow("returned to")
            << aging << "Returned Teens" << all << 1 << QStringList{"Rex Brook", "Sal Odd"}
            << QStringList{"Tina Odd", "Tomcat Odd", "Rita Odd"};
        QTest::newRow("found") << aging << "Found Pets" << all << 0 << QStringList{"Pip"}
                               << QStringList{"Rory Runaway", "Rex Brook"};
        QTest::newRow("found by") << aging << "Found Pets" << all << 1 << QStringList{"Rex Brook"}
                                  << QStringList{"Tina Odd", "Pip"};

        // College, death and life.
        QTest::newRow("to college") << aging << "Going to college" << all << 0
                                    << QStringList{"Cody Brook"}
                                    << QStringList{"Ted Odd", "Rory Runaway"};
        QTest::newRow("from college") << aging << "Leaving college" << all << 0
                                      << QStringList{"Ivy Brook", "Dean Odd"} << QStringList{};
        QTest::newRow("old age")
            << aging << "Natural Death" << all << 0
            << QStringList{"Elsa Odd", "Fern Odd", "Dot Odd", "Duke Odd", "Gus Brook"}
            << QStringList{"Vlad Odd", "Zane Odd"};
        QTest::newRow("unnatural")
            << aging << "Unnatural Death" << all << 0
            << QStringList{"Pup Odd", "Kit Odd", "Sal Odd", "Dana Brook", "Ivy Brook", "Dot Odd"}
            << QStringList{"Fay Brook", "Eli Brook", "Sprig Odd", "Tina Odd", "Tomcat Odd"};
        QTest::newRow("the dead") << aging << "Resurrection" << all << 0
                                  << QStringList{"Otto Lark", "Deb Odd"}
                                  << QStringList{"Adam Brook"};
        QTest::newRow("revivers")
            << aging << "Resurrection" << all << 2
            << QStringList{"Tina Odd", "Fern Odd", "Petra Lark", "Dot Odd", "Duke Odd", "Sal Odd",
                           "Rita Odd"}
            << QStringList{"Ivy Brook", "Dean Odd", "Dana Brook", "Rex Brook", "Pup Odd",
                           "Cal Odd", "Deb Odd"};
        QTest::newRow("elixer") << aging << "Drinking Elixer" << all << 0
                                << QStringList{"Elsa Odd", "Fern Odd", "Cody Brook"}
                                << QStringList{"Sal Odd", "Ivy Brook", "Rex Brook", "Tina Odd"};
        QTest::newRow("cowplant") << aging << "Drinking Cowplant milk" << all << 0
                                  << QStringList{"Dana Brook", "Ivy Brook"}
                                  << QStringList{"Sal Odd", "Fay Brook", "Eli Brook", "Sprig Odd",
                                                 "Rex Brook", "Tina Odd"};
        QTest::newRow("kibble") << aging << "Kibble of Life" << all << 0
                                << QStringList{"Dot Odd", "Duke Odd"}
                                << QStringList{"Pup Odd", "Kit Odd", "Adam Brook", "Tomcat Odd"};

        // Household and family.
        for (const char *event : {"Moving out", "Moving house"})
            QTest::addRow("movers of %s", event)
                << family << event << all << 0 << QStringList{"Rex Brook", "Tina Odd", "Tomcat Odd"}
                << QStringList{"Otto Lark", "Deb Odd"};
        QTest::newRow("graves") << family << "Moving graves" << all << 0
                                << QStringList{"Otto Lark", "Deb Odd"} << QStringList{"Adam Brook"};
        QTest::newRow("steady") << family << "Going steady" << all << 0
                                << QStringList{"Cody Brook"}
                                << QStringList{"Rory Runaway", "Ted Odd"};
        QTest::newRow("engaged")
            << family << "Getting engaged" << all << 0
            << QStringList{"Dean Odd", "Ivy Brook", "Tina Odd", "Gil Odd", "Adam Brook"}
            << QStringList{"Rita Odd", "Dot Odd", "Sal Odd", "Cody Brook"};
        QTest::newRow("marrying")
            << family << "Getting married/joined" << all << 0
            << QStringList{"Tina Odd", "Gil Odd", "Elsa Odd"}
            << QStringList{"Ivy Brook", "Dean Odd", "Adam Brook", "Beth Brook", "Rita Odd"};
        QTest::newRow("breaking up")
            << family << "Breaking up" << all << 0
            << QStringList{"Sal Odd", "Ivy Brook", "Cody Brook", "Adam Brook", "Tina Odd"}
            << QStringList{"Dana Brook", "Rex Brook", "Rita Odd", "Cal Odd"};

        // Changes, the supernatural and custom events.
        QTest::newRow("renamed") << changes << "Changing names" << all << 0
                                 << QStringList{"Otto Lark", "Deb Odd", "Rex Brook", "Tina Odd"}
                                 << QStringList{};
        QTest::newRow("aspiring")
            << changes << "Changing aspirations" << (all & ~EPFlags::FreeTime) << 0
            << QStringList{"Ivy Brook", "Sal Odd", "Tina Odd", "Rita Odd"}
            << QStringList{"Rex Brook", "Dana Brook", "Deb Odd", "Sprig Odd"};
        QTest::newRow("majors") << changes << "Changing majors" << all << 0
                                << QStringList{"Dean Odd", "Ivy Brook"}
                                << QStringList{"Cody Brook"};
        QTest::newRow("bitten by a vampire")
            << super << "Becoming a Vampire" << all << 0
            << QStringList{"Lou Large", "Elsa Odd", "Fern Odd", "Zeke Odd", "Cody Brook"}
            << QStringList{"Ivy Brook", "Sal Odd", "Tina Odd", "Vlad Odd", "Vince Lark", "Dot Odd"};
        QTest::newRow("bitten by a werewolf")
            << super << "Becoming a Werewolf" << all << 0
            << QStringList{"Vince Lark", "Cody Brook"}
            << QStringList{"Wolf Lark", "Ivy Brook", "Sal Odd", "Ted Odd"};
        QTest::newRow("pesticide") << super << "Becoming a Plantsim" << all << 0
                                   << QStringList{"Elsa Odd", "Lou Large"}
                                   << QStringList{"Cody Brook", "Fern Odd", "Ivy Brook", "Sal Odd"};
        QTest::newRow("new witches")
            << super << "Becoming a Witch" << all << 0 << QStringList{"Ivy Brook", "Sal Odd"}
            << QStringList{"Wanda Lark", "Tina Odd", "Dana Brook", "Rex Brook"};
        QTest::newRow("cured plantsims")
            << super << "Being cured of Plantsiminism" << all << 0
            << QStringList{"Fern Odd", "Petra Lark"} << QStringList{"Sprig Odd"};
        QTest::newRow("cured vampires") << super << "Being cured of Vampirism" << all << 0
                                        << QStringList{"Vince Lark", "Vlad Odd"}
                                        << QStringList{"Adam Brook"};
        QTest::newRow("custom") << other << "Custom Event" << all << 0
                                << QStringList{"Otto Lark", "Deb Odd", "Tabby"} << QStringList{};
    }

    void offers()
    {
        QFETCH(QString, category);
        QFETCH(QString, event);
        QFETCH(int, flags);
        QFETCH(int, input);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, withheld);

        FormDriver driver(flags, 4);
        QVERIFY2(openOn(driver, category, event), qPrintable(driver.error()));
        const QStringList names = driver.choiceItems(input);
        for (const QString &key : offered) {
            const Sim *sim = driver.sheet().sim(key);
            QVERIFY(sim);
            QVERIFY2(names.contains(sim->name()),
                     qPrintable(key + " is not offered: " + names.join(", ")));
        }
        for (const QString &key : withheld) {
            const Sim *sim = driver.sheet().sim(key);
            QVERIFY(sim);
            QVERIFY2(!names.contains(sim->name()), qPrintable(key + " is offered"));
        }
    }

    // The two boxes of a couple's form offer the same sims.
    void bothBoxesAlike_data()
    {
        QTest::addColumn<QString>("event");
        for (const char *event :
             {"Going steady", "Getting engaged", "Getting married/joined", "Breaking up"})
            QTest::newRow(event) << QString::fromLatin1(event);
    }

    void bothBoxesAlike()
    {
        QFETCH(QString, event);
        FormDriver driver(all, 4);
        QVERIFY2(openOn(driver, family, event), qPrintable(driver.error()));
        QVERIFY(!driver.choiceItems(0).isEmpty());
        QCOMPARE(driver.choiceItems(1), driver.choiceItems(0));
    }

    // A dead sim named like a living one: a box over the living offers the
    // living sim only, a box over every sim offers both, next to each other,
    // and each item files its own sim.
    void namesakes()
    {
        FormDriver driver(all, 4);
        Sim *living = driver.sheet().sim("Gus Brook");
        Sim *dead = driver.sheet().sim("Otto Lark");
        dead->setName(living->name());
        driver.page().setSimList(driver.sheet().sims());

        QVERIFY2(driver.open(aging, "Natural Death"), qPrintable(driver.error()));
        QCOMPARE(driver.choiceItems(0), QStringList{"Gus Brook"});
        QVERIFY2(driver.add(), qPrintable(driver.error()));
        QCOMPARE(driver.pending().constLast()->firstSim(), living);

        QVERIFY2(driver.open(changes, "Changing names"), qPrintable(driver.error()));
        const QStringList names = driver.choiceItems(0);
        const int first = int(names.indexOf("Gus Brook"));
        QVERIFY(first >= 0);
        QCOMPARE(names.value(first + 1), QStringLiteral("Gus Brook"));
        QList<Sim *> filed;
        for (const int index : {first, first + 1}) {
            QVERIFY2(driver.open(changes, "Changing names"), qPrintable(driver.error()));
            auto *box = qobject_cast<QComboBox *>(driver.inputs().at(0));
            QVERIFY(box);
            box->setCurrentIndex(index);
            QVERIFY2(driver.type(1, "Gus Stone"), qPrintable(driver.error()));
            QVERIFY2(driver.add(), qPrintable(driver.error()));
            QCOMPARE(driver.pending().constLast()->text(),
                     QStringLiteral("Gus Brook changed his or her name to Gus Stone."));
            filed << driver.pending().constLast()->firstSim();
        }
        // Sheet order decides between equal names: the living Gus comes first.
        QCOMPARE(filed, (QList<Sim *>{living, dead}));
    }

    // With every sim in a group household the household choice is empty;
    // the sentence would name no household and move or hold nobody, so "Add"
    // refuses and says why.
    void emptyHouseholdList_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("householdInput");
        QTest::newRow("hold") << aging << "Household Holds" << 1;
        QTest::newRow("move") << family << "Moving house" << 1;
        QTest::newRow("grave") << family << "Moving graves" << 1;
    }

    void emptyHouseholdList()
    {
        QFETCH(QString, category);
        QFETCH(QString, event);
        QFETCH(int, householdInput);

        FormDriver driver(all, 4);
        for (const QPointer<Sim> &sim : driver.sheet().sims())
            sim->setHousehold(QStringLiteral("Townies and Dormies"));
        driver.page().setSimList(driver.sheet().sims());

        QVERIFY2(driver.open(category, event), qPrintable(driver.error()));
        QCOMPARE(driver.choiceItems(householdInput), QStringList());
        QVERIFY2(!driver.add(), "\"Add\" filed an update that names no household");
        QCOMPARE(driver.pending().size(), 0);
        QCOMPARE(driver.message(), QStringLiteral("One of the choices has nothing to choose from, "
                                                  "so this update cannot be added."));
    }
};

QTEST_MAIN(TestFormsBoxes)
#include "tst_forms_boxes.moc"
