#include "records/Sim.h"

#include <QtTest>

// The sim record: codes, life states, life-stage texts, aging and the
// aspiration history.
class TestSim : public QObject
{
    Q_OBJECT

private slots:
    void defaultRecord()
    {
        Sim sim(nullptr);
        QCOMPARE(sim.gender(), 0);
        QCOMPARE(sim.nid(), -1);
        QCOMPARE(sim.household(), QString("At Large"));
        QCOMPARE(sim.periodCount(), 1);
        QCOMPARE(sim.aspiration(), 0);
        QCOMPARE(sim.secondaryAspiration(), 0);
        QCOMPARE(sim.lifetimeWantCount(-1), 0);
        QVERIFY(sim.hasFlag(SimTypeFlags::None));
        QVERIFY(sim.isAlive());
        QCOMPARE(sim.ghostColor(), 7);
        QCOMPARE(sim.species(), 0);
        QVERIFY(!sim.isInCollege());
        QCOMPARE(sim.lifeStageText(), QString("Baby"));
    }

    void constructor_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("wantAge");
        QTest::addColumn<bool>("inCollege");
        QTest::addColumn<QString>("major");
        QTest::addColumn<int>("semester");
        QTest::addColumn<int>("species");
        QTest::newRow("entering college") << -1 << 0 << 30 << true << "Undeclared" << 1 << 0;
        QTest::newRow("newborn") << 0 << 0 << 0 << false << "" << 0 << 0;
        QTest::newRow("large before small") << 5 << (128 | 256) << 5 << false << "" << 0 << 256;
        QTest::newRow("small before cat") << 5 << (512 | 128) << 5 << false << "" << 0 << 128;
        QTest::newRow("cat") << 5 << 512 << 5 << false << "" << 0 << 512;
        QTest::newRow("witch is human") << 40 << 1024 << 40 << false << "" << 0 << 0;
    }
    void constructor()
    {
        QFETCH(int, age);
        QFETCH(int, flags);
        Sim sim("Ana Bo", age, 2, 3, 4, true, flags, "a note", "a.jpg");
        QTEST(sim.age(), "wantAge");
        QTEST(sim.isInCollege(), "inCollege");
        QTEST(sim.major(), "major");
        QTEST(sim.semester(), "semester");
        QTEST(sim.species(), "species");
        QCOMPARE(sim.name(), QString("Ana Bo"));
        QCOMPARE(sim.gender(), 2);
        QCOMPARE(sim.notes(), QString("a note"));
        QCOMPARE(sim.imageFile(), QString("a.jpg"));
        QCOMPARE(sim.periodCount(), 1);
        QCOMPARE(sim.aspiration(), 3);
        QCOMPARE(sim.secondaryAspiration(), 4);
        QCOMPARE(sim.witchAlignment(), 0);
        QCOMPARE(sim.hasFlag(SimTypeFlags::Witch), bool(flags & 1024));
        QCOMPARE(sim.flagsWord() & 1024, flags & 1024);
    }

    void flagsWordKeepsEveryState()
    {
        const int all = 1 | 2 | 4 | 8 | 16 | 32 | 64 | 1024;
        for (int species : {0, 128, 256, 512}) {
            Sim sim("X", 40, 1, 0, 0, true, all | species, "", "");
            QCOMPARE(sim.flagsWord(), all | species);
            for (int bit : {1, 2, 4, 8, 16, 32, 64, 1024})
                QVERIFY(sim.hasFlag(bit));
            QVERIFY(!sim.hasFlag(0));
            QVERIFY(!sim.hasFlag(128));
        }
    }

    void setAndClearFlag_data()
    {
        QTest::addColumn<int>("bit");
        QTest::addColumn<bool>("sets");
        QTest::addColumn<int>("ageAfterSet");
        QTest::addColumn<int>("ageAfterClear");
        QTest::newRow("alien") << 1 << false << 40 << 40;
        QTest::newRow("zombie") << 2 << false << 40 << 40;
        QTest::newRow("vampire") << 4 << true << 40 << 40;
        QTest::newRow("servo") << 8 << false << 40 << 40;
        QTest::newRow("werewolf") << 16 << true << 40 << 40;
        QTest::newRow("plantsim") << 32 << true << 15 << 40;
        QTest::newRow("bigfoot") << 64 << false << 40 << 40;
        QTest::newRow("small dog") << 128 << false << 40 << 40;
        QTest::newRow("witch") << 1024 << true << 40 << 40;
    }
    void setAndClearFlag()
    {
        QFETCH(int, bit);
        QFETCH(bool, sets);
        Sim sim("X", 40, 1, 0, 0, true, 0, "", "");
        sim.setFlag(bit);
        QCOMPARE(sim.hasFlag(bit), sets);
        QTEST(sim.age(), "ageAfterSet");
        QCOMPARE(sim.hasFlag(0), !sets);
        sim.clearFlag(bit);
        QVERIFY(!sim.hasFlag(bit));
        QTEST(sim.age(), "ageAfterClear");
        QCOMPARE(sim.species(), 0);
    }

    void plantsimShiftHasNoBound()
    {
        Sim sim("X", 40, 1, 0, 0, true, 0, "", "");
        sim.setFlag(SimTypeFlags::Plantsim);
        sim.setFlag(SimTypeFlags::Plantsim);
        QCOMPARE(sim.age(), -10);

        // Ages read from a file may be extreme; the shift saturates.
        sim.setAge(INT_MIN + 3);
        sim.setFlag(SimTypeFlags::Plantsim);
        QCOMPARE(sim.age(), INT_MIN);
        sim.setAge(INT_MAX - 3);
        sim.clearFlag(SimTypeFlags::Plantsim);
        QCOMPARE(sim.age(), INT_MAX);
    }

    void witchAlignmentOnFlagChanges()
    {
        Sim sim("X", 40, 1, 0, 0, true, 1024, "", "");
        sim.setWitchAlignment(-2);
        sim.clearFlag(SimTypeFlags::Witch);
        QCOMPARE(sim.witchAlignment(), -2);
        sim.setFlag(SimTypeFlags::Witch);
        QCOMPARE(sim.witchAlignment(), 0);
    }

    void setFlagsKeepsSpeciesAndAlignment()
    {
        Sim sim("X", 40, 1, 0, 0, true, 512 | 1024, "", "");
        sim.setWitchAlignment(3);
        sim.setFlags(1 | 256);
        QVERIFY(sim.hasFlag(1));
        QVERIFY(!sim.hasFlag(1024));
        QCOMPARE(sim.species(), 512);
        QCOMPARE(sim.witchAlignment(), 3);
    }

    void species_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("species");
        QTest::newRow("Human") << "Human" << 0;
        QTest::newRow("SmallDog") << "SmallDog" << 128;
        QTest::newRow("LargeDog") << "LargeDog" << 256;
        QTest::newRow("Cat") << "Cat" << 512;
        QTest::newRow("case differs") << "cat" << 256;
        QTest::newRow("empty") << "" << 256;
    }
    void species()
    {
        QFETCH(QString, word);
        Sim sim(nullptr);
        sim.setSpecies("LargeDog");
        sim.setSpecies(word);
        QFETCH(int, species);
        QCOMPARE(sim.species(), species);
        for (int code : {0, 128, 256, 512})
            QCOMPARE(sim.isSpecies(code), code == species);
    }

    void decrementHold()
    {
        Sim sim(nullptr);
        sim.setHold(2);
        QVERIFY(sim.decrementHold());
        QVERIFY(sim.decrementHold());
        QVERIFY(!sim.decrementHold());
        QCOMPARE(sim.hold(), 0);
    }

    // A negative hold read from a file must not freeze the sim for ever.
    void negativeHoldIsNoHold()
    {
        Sim sim(nullptr);
        sim.setHold(-3);
        QVERIFY(!sim.decrementHold());
        QCOMPARE(sim.hold(), 0);
        QVERIFY(!sim.decrementHold());
    }

    void deathAndResurrection()
    {
        Sim sim("X", 40, 1, 0, 0, true, 0, "", "");
        sim.die(3);
        QVERIFY(!sim.isAlive());
        QCOMPARE(sim.ghostColor(), 3);
        sim.die(42);
        QCOMPARE(sim.ghostColor(), 42);
        sim.resurrect(false);
        QVERIFY(sim.isAlive());
        QVERIFY(sim.hasFlag(SimTypeFlags::Zombie));

        Sim zombie("Z", 40, 1, 0, 0, false, 2, "", "");
        zombie.resurrect(true);
        QVERIFY(zombie.isAlive());
        QVERIFY(zombie.hasFlag(SimTypeFlags::Zombie));
        Sim plain("P", 40, 1, 0, 0, false, 0, "", "");
        plain.resurrect(true);
        QVERIFY(!plain.hasFlag(SimTypeFlags::Zombie));
    }

    void college()
    {
        Sim sim("X", 25, 1, 0, 0, true, 0, "", "");
        sim.setInCollege(true);
        QVERIFY(sim.isInCollege());
        QCOMPARE(sim.age(), 30);
        QCOMPARE(sim.major(), QString("Undeclared"));
        QCOMPARE(sim.semester(), 1);
        sim.setMajor("Physics");
        sim.setMajor("");
        QCOMPARE(sim.major(), QString("Physics"));
        sim.setSemester(6);
        sim.setAge(31);
        sim.setInCollege(false);
        QVERIFY(!sim.isInCollege());
        QCOMPARE(sim.age(), 30);
        QCOMPARE(sim.hold(), 1);
        QCOMPARE(sim.major(), QString("Physics"));
        QCOMPARE(sim.semester(), 6);
    }

    void households_data()
    {
        QTest::addColumn<QString>("household");
        QTest::addColumn<bool>("nonPlayable");
        QTest::addColumn<bool>("townieOrNPC");
        QTest::addColumn<bool>("ages");
        QTest::newRow("Runaways") << "Runaways" << true << false << true;
        QTest::newRow("Adoption Queue") << "Adoption Queue" << true << false << false;
        for (const char *name :
             {"Townies and Dormies", "Downtown", "Garden Club", "Service NPCs", "Island Locals",
              "Mountain Locals", "Asian Locals", "Tourists", "Socialites", "Gearheads", "Techies",
              "Jocks", "Bohemians"})
            QTest::newRow(name) << name << true << true << false;
        QTest::newRow("Hobby Mavens") << "Hobby Mavens" << true << true << true;
        QTest::newRow("At Large") << "At Large" << false << false << true;
        QTest::newRow("case differs") << "runaways" << false << false << true;
        QTest::newRow("family") << "The Pleasants" << false << false << true;
        QTest::newRow("empty") << "" << false << false << true;
    }
    void households()
    {
        QFETCH(QString, household);
        Sim sim("X", 40, 1, 0, 0, true, 0, "", "");
        sim.setHousehold(household);
        QTEST(sim.isNonPlayable(), "nonPlayable");
        QTEST(sim.isTownieOrNPC(), "townieOrNPC");
        QTEST(sim.canAge(), "ages");
    }

    void canAge_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("alive");
        QTest::addColumn<bool>("inCollege");
        QTest::addColumn<bool>("ages");
        QTest::newRow("plain") << 0 << true << false << true;
        QTest::newRow("ghost") << 0 << false << false << false;
        QTest::newRow("ghost at college") << 0 << false << true << false;
        QTest::newRow("zombie") << 2 << true << false << false;
        QTest::newRow("zombie at college") << 2 << true << true << true;
        QTest::newRow("vampire") << 4 << true << false << false;
        QTest::newRow("vampire at college") << 4 << true << true << true;
        QTest::newRow("servo") << 8 << true << false << false;
        QTest::newRow("servo at college") << 8 << true << true << true;
        QTest::newRow("alien werewolf plantsim bigfoot witch")
            << (1 | 16 | 32 | 64 | 1024) << true << false << true;
        QTest::newRow("cat") << 512 << true << false << true;
    }
    void canAge()
    {
        QFETCH(int, flags);
        QFETCH(bool, alive);
        QFETCH(bool, inCollege);
        Sim sim("X", 40, 1, 0, 0, alive, flags, "", "");
        sim.setInCollegeFlag(inCollege);
        QTEST(sim.canAge(), "ages");
    }

    void lifeStageText_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("alive");
        QTest::addColumn<int>("ghostColor");
        QTest::addColumn<int>("semester"); // 0: not at college
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");

        const int humanAges[] = {-5, 0, 2, 3, 6, 7, 14, 15, 29, 30, 58, 59, 90};
        const char *humanTexts[] = {"Baby",  "Baby", "Baby",  "Toddler", "Toddler",
                                    "Child", "Child", "Teen", "Teen",    "Adult",
                                    "Adult", "Elder", "Elder"};
        for (int i = 0; i < 13; ++i)
            QTest::addRow("human %d", humanAges[i])
                << 0 << humanAges[i] << true << 7 << 0 << 0 << humanTexts[i];

        struct Stage { int flags; int age; const char *text; };
        const Stage others[] = {
            {32, 3, "Plantsim Toddler"},  {32, 4, "Plantsim Adult"},  {32, 32, "Plantsim Adult"},
            {32, 33, "Plantsim Elder"},   {32 | 512, 10, "Plantsim Adult"},
            {256, 3, "Puppy"},            {256, 4, "Large Dog"},      {256, 25, "Large Dog"},
            {256, 26, "Elder Large Dog"}, {128, 3, "Puppy"},          {128, 4, "Small Dog"},
            {128, 29, "Small Dog"},       {128, 30, "Elder Small Dog"}, {512, 4, "Kitten"},
            {512, 5, "Cat"},              {512, 30, "Cat"},           {512, 31, "Elder Cat"},
            {8, 2, "Servo"},              {8 | 512, 70, "Servo"},     {64, 40, "Adult"},
        };
        for (const Stage &stage : others)
            QTest::addRow("%s %d flags %d", stage.text, stage.age, stage.flags)
                << stage.flags << stage.age << true << 7 << 0 << 0 << stage.text;

        const char *years[] = {"Bugged", "Freshman", "Freshman", "Sophomore", "Sophomore",
                               "Junior", "Junior",   "Senior",   "Senior",    "Bugged"};
        for (int semester = 0; semester <= 9; ++semester)
            QTest::addRow("college semester %d", semester)
                << 0 << 30 << true << 7 << (semester == 0 ? -100 : semester) << 0
                << QString(years[semester]) + " (Physics Major)";
        QTest::newRow("college negative semester")
            << 0 << 30 << true << 7 << -2 << 0 << "Bugged (Physics Major)";
        QTest::newRow("servo at college") << 8 << 30 << true << 7 << 3 << 0 << "Servo";

        const char *colours[] = {"Pink",   "Green", "Yellow", "Blue",        "Orange",
                                 "Purple", "Red",   "White",  "Transparent", "Bright Green"};
        for (int colour = 0; colour <= 9; ++colour)
            QTest::addRow("ghost colour %d", colour)
                << 0 << 40 << false << colour << 0 << 0 << QString(colours[colour]) + " Ghost";
        QTest::newRow("ghost colour 10") << 0 << 40 << false << 10 << 0 << 0 << " Ghost";
        QTest::newRow("ghost colour -1") << 0 << 40 << false << -1 << 0 << 0 << " Ghost";
        QTest::newRow("dead cat") << 512 << 10 << false << 3 << 0 << 0 << "Blue Ghost";
        QTest::newRow("dead servo") << 8 << 40 << false << 7 << 0 << 0 << "ServoWhite Ghost";
        QTest::newRow("dead student")
            << 0 << 30 << false << 7 << 1 << 0 << "Freshman (Physics Major)White Ghost";

        const char *alignments[] = {" Atrociously Evil Witch", " Evil Witch", " Mean Witch",
                                    " Neutral Witch",          " Nice Witch", " Good Witch",
                                    " Infallibly Good Witch"};
        for (int alignment = -3; alignment <= 3; ++alignment)
            QTest::addRow("witch %d", alignment) << 1024 << 40 << true << 7 << 0 << alignment
                                                 << QString("Adult") + alignments[alignment + 3];
        QTest::newRow("witch 4") << 1024 << 40 << true << 7 << 0 << 4 << "Adult Witch";
        QTest::newRow("witch -4") << 1024 << 40 << true << 7 << 0 << -4 << "Adult Witch";

        QTest::newRow("vampire nice witch")
            << (4 | 1024) << 40 << true << 7 << 0 << 1 << "Adult Vampire Nice Witch";
        QTest::newRow("dead alien") << 1 << 40 << false << 9 << 0 << 0 << "Bright Green Ghost Alien";
        QTest::newRow("every state")
            << (1 | 2 | 4 | 8 | 16 | 32 | 64 | 1024) << 40 << true << 7 << 0 << -1
            << "Servo Alien Zombie Vampire Werewolf Mean Witch";
        QTest::newRow("werewolf elder cat") << (16 | 512) << 40 << true << 7 << 0 << 0
                                            << "Elder Cat Werewolf";
        QTest::newRow("zombie student ghost")
            << 2 << 30 << false << 6 << 8 << 0 << "Senior (Physics Major)Red Ghost Zombie";
    }
    void lifeStageText()
    {
        QFETCH(int, flags);
        QFETCH(int, age);
        QFETCH(bool, alive);
        QFETCH(int, ghostColor);
        QFETCH(int, semester);
        QFETCH(int, alignment);
        Sim sim("X", age, 1, 0, 0, alive, flags, "", "");
        sim.setGhostColor(ghostColor);
        sim.setWitchAlignment(alignment);
        if (semester != 0) {
            sim.setInCollegeFlag(true);
            sim.setMajorText("Physics");
            sim.setSemester(semester == -100 ? 0 : semester);
            sim.setAge(age);
        }
        QTEST(sim.lifeStageText(), "text");
    }

    void addDays_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("wantAge");
        QTest::newRow("forward") << 0 << 20 << 5 << 25;
        QTest::newRow("zero") << 0 << 20 << 0 << 20;
        QTest::newRow("back into adult stops") << 0 << 35 << -10 << 30;
        QTest::newRow("from first adult day") << 0 << 30 << -10 << 20;
        QTest::newRow("into child stops") << 0 << 9 << -10 << 7;
        QTest::newRow("toddler to zero") << 0 << 4 << -10 << 0;
        QTest::newRow("toddler back") << 0 << 4 << -3 << 1;
        QTest::newRow("elder stops") << 0 << 70 << -20 << 59;
        QTest::newRow("teen stops") << 0 << 20 << -10 << 15;
        QTest::newRow("negative age") << 0 << -12 << -1 << 0;
        QTest::newRow("negative age forward") << 0 << -12 << 2 << -10;
        QTest::newRow("plantsim elder") << 32 << 36 << -5 << 33;
        QTest::newRow("plantsim adult") << 32 << 20 << -20 << 4;
        QTest::newRow("plantsim skips human days") << 32 << 32 << -5 << 27;
        QTest::newRow("cat human rule first") << 512 << 35 << -10 << 30;
        QTest::newRow("cat elder") << 512 << 35 << -5 << 31;
        QTest::newRow("cat adult") << 512 << 6 << -5 << 5;
        QTest::newRow("large dog elder") << 256 << 28 << -3 << 26;
        QTest::newRow("large dog adult") << 256 << 6 << -4 << 4;
        QTest::newRow("small dog elder") << 128 << 33 << -4 << 30;
        QTest::newRow("small dog adult") << 128 << 5 << -3 << 4;
        QTest::newRow("largest age") << 0 << INT_MAX << 10 << INT_MAX;
        QTest::newRow("smallest age") << 0 << INT_MIN << -10 << 0;
        QTest::newRow("largest step back") << 0 << 20 << INT_MIN << 15;
    }
    void addDays()
    {
        QFETCH(int, flags);
        QFETCH(int, age);
        QFETCH(int, days);
        Sim sim("X", 0, 1, 5, 0, true, flags, "", "");
        sim.setAge(age);
        sim.addDays(days);
        QTEST(sim.age(), "wantAge");
    }

    void addDaysSetsYoungAspirations_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("firstAspiration");
        QTest::newRow("baby to toddler") << 0 << 2 << 1 << 8;
        QTest::newRow("child to teen") << 0 << 14 << 1 << 5;
        QTest::newRow("still a baby") << 0 << 1 << 1 << 0;
        QTest::newRow("teen back to child") << 0 << 15 << -5 << 8;
        QTest::newRow("stopped at teen") << 0 << 20 << -10 << 5;
        QTest::newRow("pets too") << 512 << 0 << 3 << 8;
        QTest::newRow("adult unchanged") << 0 << 40 << 0 << 5;
    }
    void addDaysSetsYoungAspirations()
    {
        QFETCH(int, flags);
        QFETCH(int, age);
        QFETCH(int, days);
        Sim sim("X", age, 1, 5, 2, true, flags, "", "");
        sim.addAspiration(3, 1);
        sim.addDays(days);
        QTEST(sim.aspiration(0), "firstAspiration");
        QCOMPARE(sim.aspiration(), 3);
        QCOMPARE(sim.secondaryAspiration(0), 2);
    }

    void addDaysAtCollege()
    {
        Sim sim("X", -1, 1, 0, 0, true, 0, "", "");
        sim.setSemester(7);
        sim.setMajor("Drama");
        sim.addDays(1);
        QVERIFY(sim.isInCollege());
        QCOMPARE(sim.semester(), 8);
        sim.addDays(2);
        QCOMPARE(sim.semester(), 10);
        QVERIFY(!sim.isInCollege());
        QCOMPARE(sim.age(), 30);
        QCOMPARE(sim.major(), QString("Drama"));
        sim.setInCollegeFlag(true);
        sim.setSemester(INT_MAX - 1);
        sim.addDays(5);
        QCOMPARE(sim.semester(), INT_MAX);
        QVERIFY(!sim.isInCollege());

        // Going back changes only the age, also at college.
        Sim student("Y", -1, 1, 0, 0, true, 0, "", "");
        student.addDays(-5);
        QCOMPARE(student.age(), 25);
        QVERIFY(student.isInCollege());
        QCOMPARE(student.semester(), 1);
    }

    void aspirationNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("secondary");
        const char *names[] = {"Fortune",  "Family",         "Romance", "Popularity",
                               "Knowledge", "Pleasure", "Grilled Cheese"};
        for (int code = 1; code <= 7; ++code)
            QTest::addRow("code %d", code) << code << 40 << names[code - 1] << names[code - 1];
        QTest::newRow("grow up") << 8 << 10 << "Grow Up" << "None";
        QTest::newRow("grow up adult") << 8 << 40 << "Grow Up" << "Unknown";
        QTest::newRow("none age 3") << 0 << 3 << "None" << "None";
        QTest::newRow("none age 4") << 0 << 4 << "Unknown" << "None";
        QTest::newRow("none age 15") << 0 << 15 << "Unknown" << "None";
        QTest::newRow("none age 16") << 0 << 16 << "Unknown" << "Unknown";
        QTest::newRow("code 9") << 9 << 40 << "Unknown" << "Unknown";
        QTest::newRow("code -1") << -1 << 2 << "None" << "None";
    }
    void aspirationNames()
    {
        QFETCH(int, code);
        QFETCH(int, age);
        Sim sim("X", age, 1, code, code, true, 0, "", "");
        QTEST(sim.aspirationName(), "primary");
        QTEST(sim.secondaryAspirationName(), "secondary");
        QTEST(sim.aspirationName(0), "primary");
    }

    void petsHaveNoAspiration()
    {
        for (int species : {128, 256, 512}) {
            Sim pet("P", 40, 1, 3, 2, true, species, "", "");
            QCOMPARE(pet.aspirationName(), QString("None"));
            QCOMPARE(pet.secondaryAspirationName(), QString("None"));
            QCOMPARE(pet.aspiration(), 3);
        }
    }

    void aspirationIndexesOutOfRange_data()
    {
        QTest::addColumn<int>("period");
        QTest::newRow("past the end") << 5;
        QTest::newRow("just past") << 2;
        QTest::newRow("negative") << -2;
        QTest::newRow("very negative") << -100000;
    }
    void aspirationIndexesOutOfRange()
    {
        QFETCH(int, period);
        Sim sim("X", 40, 1, 3, 1, true, 0, "", "");
        sim.addAspiration(5, 2);
        sim.addLifetimeWant("Want");
        const QString before = sim.toString();
        QCOMPARE(sim.aspiration(period), -1);
        QCOMPARE(sim.secondaryAspiration(period), 0);
        QCOMPARE(sim.aspirationName(period), QString("None"));
        QCOMPARE(sim.secondaryAspirationName(period), QString("None"));
        QCOMPARE(sim.lifetimeWant(period, 0), QString());
        QCOMPARE(sim.lifetimeWantSteps(period, 0), 0);
        QCOMPARE(sim.lifetimeWantStepsDone(period, 0), 0);
        QCOMPARE(sim.lifetimeWantCount(period), 0);
        QCOMPARE(sim.lifetimeWant(1, period), QString());
        sim.setAspiration(2, 2, period);
        sim.removeAspiration(period);
        sim.addLifetimeWant("Other", period);
        sim.setLifetimeWant(period, 0, "Other", 1, 2);
        QCOMPARE(sim.toString(), before);
        QCOMPARE(sim.lifetimeWant(period, 0), QString());
    }

    void setAspiration()
    {
        Sim sim("X", 40, 1, 3, 1, true, 0, "", "");
        sim.addAspiration(5, 2);
        sim.setAspiration(0, 4);
        QCOMPARE(sim.aspiration(), 5);
        QCOMPARE(sim.secondaryAspiration(), 4);
        sim.setAspiration(6, 0, 0);
        QCOMPARE(sim.aspiration(0), 6);
        QCOMPARE(sim.secondaryAspiration(0), 1);
        sim.setAspiration(2, 0, 7);
        QCOMPARE(sim.aspiration(), 5);
        QCOMPARE(sim.aspiration(0), 6);
    }

    void addAspiration()
    {
        Sim sim("X", 40, 1, 3, 1, true, 0, "", "");
        sim.addAspiration(0, 5);
        QCOMPARE(sim.periodCount(), 1);
        sim.addAspiration(5, 0);
        QCOMPARE(sim.periodCount(), 2);
        QCOMPARE(sim.aspiration(), 5);
        QCOMPARE(sim.secondaryAspiration(), 0);
        QCOMPARE(sim.lifetimeWantCount(-1), 0);
    }

    // Wants belong to their period: removing a period takes its wants along.
    void removeAspirationKeepsWantsWithTheirPeriod()
    {
        Sim sim("X", 40, 1, 1, 0, true, 0, "", "");
        sim.setLifetimeWant(0, 0, "Reach top of Business", 3, 10);
        sim.addAspiration(2, 3);
        sim.setLifetimeWant(1, 0, "Marry off 6 Children", 1, 6);
        sim.addAspiration(4, 5);
        sim.setLifetimeWant(2, 0, "Become Hall of Famer", 0, 8);

        sim.removeAspiration(1);
        QCOMPARE(sim.periodCount(), 2);
        QCOMPARE(sim.aspiration(1), 4);
        QCOMPARE(sim.secondaryAspiration(1), 5);
        QCOMPARE(sim.lifetimeWant(1, 0), QString("Become Hall of Famer"));
        QCOMPARE(sim.lifetimeWantSteps(1, 0), 8);
        QCOMPARE(sim.lifetimeWant(0, 0), QString("Reach top of Business"));
        QCOMPARE(sim.lifetimeWantStepsDone(0, 0), 3);
        QCOMPARE(sim.toString(),
                 QString("\"X\",-1,40,1,(1,0,(\"Reach top of Business\",10,3)),"
                         "(4,5,(\"Become Hall of Famer\",8,0)),\"At Large\",0,\"\",0,1,7,0,0,0,,"));

        sim.removeAspiration(-1);
        QCOMPARE(sim.periodCount(), 2);
    }

    void exportAspirations_data()
    {
        QTest::addColumn<QString>("primaryWord");
        QTest::addColumn<QString>("secondaryWord");
        QTest::addColumn<int>("primary");
        QTest::addColumn<int>("secondary");
        const char *words[] = {"Fortune", "Family", "Romance", "Reputation",
                               "Knowledge", "Fun",  "Chees"};
        for (int code = 1; code <= 7; ++code)
            QTest::newRow(words[code - 1]) << words[code - 1] << words[code - 1] << code << code;
        QTest::newRow("Growup") << "Growup" << "Growup" << 8 << 6;
        QTest::newRow("not export words") << "Popularity" << "Pleasure" << 3 << 6;
        QTest::newRow("case differs") << "fortune" << "family" << 3 << 6;
        QTest::newRow("empty") << "" << "" << 3 << 6;
    }
    void exportAspirations()
    {
        QFETCH(QString, primaryWord);
        QFETCH(QString, secondaryWord);
        Sim sim("X", 40, 1, 1, 1, true, 0, "", "");
        sim.addAspiration(3, 6);
        sim.setExportAspirations(primaryWord, secondaryWord);
        QTEST(sim.aspiration(), "primary");
        QTEST(sim.secondaryAspiration(), "secondary");
        QCOMPARE(sim.aspiration(0), 1);
    }

    void lifetimeWants()
    {
        Sim sim("X", 40, 1, 1, 0, true, 0, "", "");
        sim.setLifetimeWant(0, 0, "First", 1, 3);
        sim.setLifetimeWant(0, 3, "Second", 2, 5);
        QCOMPARE(sim.lifetimeWantCount(0), 2);
        QCOMPARE(sim.lifetimeWant(0, 1), QString("Second"));
        QCOMPARE(sim.lifetimeWantSteps(0, 1), 5);
        QCOMPARE(sim.lifetimeWantStepsDone(0, 1), 2);
        sim.setLifetimeWant(0, 0, "First again", 9, 4);
        QCOMPARE(sim.lifetimeWant(0, 0), QString("First again"));
        QCOMPARE(sim.lifetimeWantStepsDone(0, 0), 9);
        QCOMPARE(sim.lifetimeWant(0, 2), QString());

        // A want added by text alone has no step numbers yet.
        sim.addLifetimeWant("Third");
        QCOMPARE(sim.lifetimeWant(-1, 2), QString("Third"));
        QCOMPARE(sim.lifetimeWantSteps(0, 2), 0);
        QCOMPARE(sim.lifetimeWantStepsDone(0, 2), 0);
        QVERIFY(sim.toString().contains("(\"Third\",0,0))"));
    }

    // Writing past the want lists never goes outside them: a period of the
    // sim is padded, anything further is ignored.
    void setLifetimeWantBeyondTheLists()
    {
        Sim sim(nullptr);
        sim.removeAspiration(0);
        QCOMPARE(sim.periodCount(), 0);
        sim.setLifetimeWant(3, 0, "Far", 1, 2);
        QCOMPARE(sim.lifetimeWant(3, 0), QString());
        sim.setLifetimeWant(-1, 0, "Nowhere", 1, 2);
        QCOMPARE(sim.lifetimeWant(-1, 0), QString());
        QCOMPARE(sim.periodCount(), 0);
        QCOMPARE(sim.aspirationName(), QString("None"));
        QCOMPARE(sim.aspiration(), -1);
        QCOMPARE(sim.secondaryAspiration(), 0);
        sim.setExportAspirations("Fortune", "Fun");
        sim.addDays(1);
        QCOMPARE(sim.periodCount(), 0);
    }

    // A want written past the last period is not kept aside, where the next
    // period opened would take it over.
    void setLifetimeWantPastTheLastPeriod()
    {
        Sim sim("X", 40, 1, 1, 0, true, 0, "", "");
        sim.setLifetimeWant(0, 0, "Own want", 1, 3);
        sim.setLifetimeWant(1, 0, "Stray", 1, 2);
        QCOMPARE(sim.lifetimeWant(1, 0), QString());
        sim.addAspiration(2, 0);
        QCOMPARE(sim.lifetimeWantCount(1), 0);
        QCOMPARE(sim.lifetimeWantSteps(1, 0), 0);
        QCOMPARE(sim.lifetimeWant(0, 0), QString("Own want"));
        sim.setLifetimeWant(1, 0, "New want", 0, 4);
        QCOMPARE(sim.lifetimeWant(1, 0), QString("New want"));
        QCOMPARE(sim.lifetimeWantSteps(1, 0), 4);
    }
};

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
