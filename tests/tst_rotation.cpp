#include "records/Codes.h"
#include "records/Sim.h"
#include "sheet/Rotation.h"

#include <QtTest>

#include <limits>
#include <memory>
#include <vector>

namespace {

struct Sims
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList list;

    Sim *add(const QString &name, int age, int flags = 0, const QString &household = "Brook")
    {
        owned.push_back(std::make_unique<Sim>(name, age, 1, 1, 0, true, flags, "", ""));
        owned.back()->setHousehold(household);
        list << owned.back().get();
        return owned.back().get();
    }
};

Settings birthdaysOnly(int rotationTime = 1)
{
    Settings s;
    s.RotationTime = rotationTime;
    s.AutoBirthdays = true;
    s.AutoBirthdaysTime = 1;
    s.AutoGoToCollege = false;
    return s;
}

Settings quiet()
{
    Settings s;
    s.AutoBirthdays = false;
    s.AutoGoToCollege = false;
    return s;
}

// The queued updates as "sim: sentence".
QStringList queued(const QList<Rotation::QueuedUpdate> &updates)
{
    QStringList out;
    for (const auto &update : updates)
        out << (update.sim ? update.sim->name() : QString("-")) + ": " + update.sentence;
    return out;
}

QString growUp(const QString &name, const char *when = "after")
{
    return name + ": " + name + " grew up well " + when
        + " six PM (eleven AM for pets). (Aspiration: Same)";
}

QString goToCollege(const QString &name)
{
    return name + ": " + name + " grew up well and went to college. (Major: Undeclared)";
}

QString graduate(const QString &name, const QString &major)
{
    return name + ": " + name + " grew up well and graduated Summa cum Laude from college. (Major: "
        + major + ")";
}

} // namespace

// The end of a rotation: holds, aging, and the automatic grow-up, college
// entry and graduation updates it queues.
class TestRotation : public QObject
{
    Q_OBJECT

private slots:
    void sentences()
    {
        QCOMPARE(Rotation::growUpSentence("Ann", 1),
                 QString("Ann grew up well after six PM (eleven AM for pets). (Aspiration: Same)"));
        QCOMPARE(Rotation::growUpSentence("Ann", 0),
                 QString("Ann grew up well before six PM (eleven AM for pets). (Aspiration: Same)"));
        QCOMPARE(Rotation::collegeEntrySentence("Ann"),
                 QString("Ann grew up well and went to college. (Major: Undeclared)"));
        QCOMPARE(Rotation::graduationSentence("Ann", "Drama"),
                 QString("Ann grew up well and graduated Summa cum Laude from college. (Major: Drama)"));
    }

    void growUps_data()
    {
        QTest::addColumn<int>("rotationTime");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("ageAfter");
        QTest::addColumn<int>("updates");
        QTest::newRow("human 5 reaches 6, child next") << 1 << 5 << 0 << 6 << 1;
        QTest::newRow("human 4 reaches 5") << 1 << 4 << 0 << 5 << 0;
        QTest::newRow("three days: 3 reaches 6") << 3 << 3 << 0 << 6 << 1;
        QTest::newRow("three days: 0 reaches 3") << 3 << 0 << 0 << 3 << 0;
        QTest::newRow("teen 28 reaches 29") << 1 << 28 << 0 << 29 << 1;
        QTest::newRow("adult 57 reaches 58") << 1 << 57 << 0 << 58 << 1;
        QTest::newRow("plantsim 31 reaches 32") << 1 << 31 << int(SimTypeFlags::Plantsim) << 32 << 1;
        QTest::newRow("plantsim 5 not a human child") << 1 << 5 << int(SimTypeFlags::Plantsim) << 6 << 0;
        QTest::newRow("puppy 2 reaches 3") << 1 << 2 << int(SimTypeFlags::LargeDog) << 3 << 1;
        QTest::newRow("small dog 28 reaches 29") << 1 << 28 << int(SimTypeFlags::SmallDog) << 29 << 1;
        QTest::newRow("kitten 3 reaches 4") << 1 << 3 << int(SimTypeFlags::Cat) << 4 << 1;
        QTest::newRow("cat 29 reaches 30") << 1 << 29 << int(SimTypeFlags::Cat) << 30 << 1;
        QTest::newRow("plantsim puppy: two groups")
            << 1 << 2 << int(SimTypeFlags::Plantsim | SimTypeFlags::LargeDog) << 3 << 2;
        QTest::newRow("no rotation length still ages a day") << 0 << 5 << 0 << 6 << 1;
        QTest::newRow("a length beyond the range is held to 14") << 2000000000 << 0 << 0 << 14 << 1;
    }
    void growUps()
    {
        QFETCH(int, rotationTime);
        QFETCH(int, age);
        QFETCH(int, flags);
        QFETCH(int, updates);
        Sims sims;
        Sim *sim = sims.add("Kid", age, flags);
        const auto result = Rotation::rotate(sims.list, birthdaysOnly(rotationTime));
        QTEST(sim->age(), "ageAfter");
        QStringList expected;
        for (int i = 0; i < updates; ++i)
            expected << growUp("Kid");
        QCOMPARE(queued(result), expected);
    }

    void beforeSixPm()
    {
        Sims sims;
        sims.add("Kid", 5);
        Settings s = birthdaysOnly();
        s.AutoBirthdaysTime = 0;
        QCOMPARE(queued(Rotation::rotate(sims.list, s)), QStringList{growUp("Kid", "before")});
    }

    void noGrowUpsWhenOff()
    {
        Sims sims;
        Sim *kid = sims.add("Kid", 5);
        QCOMPARE(queued(Rotation::rotate(sims.list, quiet())), QStringList());
        QCOMPARE(kid->age(), 6);
    }

    // A hold of h keeps a sim from aging for h rotations, whether the
    // automatic birthdays are on or off.
    void holdsLastTheirRotations_data()
    {
        QTest::addColumn<int>("hold");
        QTest::addColumn<bool>("birthdays");
        for (int hold : {1, 2, 3, 5}) {
            QTest::addRow("hold %d, birthdays on", hold) << hold << true;
            QTest::addRow("hold %d, birthdays off", hold) << hold << false;
        }
    }
    void holdsLastTheirRotations()
    {
        QFETCH(int, hold);
        QFETCH(bool, birthdays);
        Sims sims;
        Sim *sim = sims.add("Ann", 40);
        sim->setHold(hold);
        Settings s = birthdays ? birthdaysOnly() : quiet();
        for (int round = 1; round <= hold; ++round) {
            Rotation::rotate(sims.list, s);
            QCOMPARE(sim->age(), 40);
            QCOMPARE(sim->hold(), hold - round);
        }
        Rotation::rotate(sims.list, s);
        QCOMPARE(sim->age(), 41);
        QCOMPARE(sim->hold(), 0);
    }

    // A sim whose hold runs out this rotation is not aged, but its coming
    // birthday is queued from its age as it stands; one still on hold
    // gets none.
    void holdAndGrowUps()
    {
        Sims sims;
        Sim *endsNow = sims.add("Ends", 6);
        endsNow->setHold(1);
        Sim *stillHeld = sims.add("Held", 6);
        stillHeld->setHold(2);
        QCOMPARE(queued(Rotation::rotate(sims.list, birthdaysOnly())), QStringList{growUp("Ends")});
        QCOMPARE(endsNow->age(), 6);
        QCOMPARE(endsNow->hold(), 0);
        QCOMPARE(stillHeld->age(), 6);
        QCOMPARE(stillHeld->hold(), 1);
    }

    void simsThatCannotAge()
    {
        Sims sims;
        Sim *ghost = sims.add("Ghost", 6);
        ghost->die(GhostColor::White);
        ghost->setHold(2);
        Sim *vampire = sims.add("Vampire", 40, SimTypeFlags::Vampire);
        vampire->setHold(1);
        Sim *npc = sims.add("Maid", 29, 0, "Service NPCs");
        const auto result = Rotation::rotate(sims.list, birthdaysOnly());
        QCOMPARE(queued(result), QStringList());
        QCOMPARE(ghost->age(), 6);
        QCOMPARE(ghost->hold(), 1);
        QCOMPARE(vampire->age(), 40);
        QCOMPARE(vampire->hold(), 0);
        QCOMPARE(npc->age(), 29);
    }

    void college_data()
    {
        QTest::addColumn<int>("semester");
        QTest::addColumn<int>("collegeTime");
        QTest::addColumn<bool>("inCollege");
        QTest::addColumn<int>("semesterAfter");
        QTest::addColumn<int>("ageAfter");
        QTest::addColumn<bool>("graduation");
        QTest::newRow("semester 5 plus 2") << 5 << 2 << true << 7 << 30 << true;
        QTest::newRow("semester 6 plus 1") << 6 << 1 << true << 7 << 30 << false;
        QTest::newRow("semester 8 plus 1 stays") << 7 << 1 << true << 8 << 30 << true;
        QTest::newRow("semester 7 plus 2 leaves") << 7 << 2 << false << 9 << 30 << false;
        QTest::newRow("semester 8 plus 3 leaves and ages") << 8 << 3 << false << 9 << 32 << false;
        QTest::newRow("semester 1 plus 7") << 1 << 7 << true << 8 << 30 << true;
        QTest::newRow("semester 1 plus 8 leaves") << 1 << 8 << false << 9 << 30 << false;
    }
    void college()
    {
        QFETCH(int, semester);
        QFETCH(int, collegeTime);
        QFETCH(bool, graduation);
        Sims sims;
        Sim *student = sims.add("Sue", -1);
        student->setMajor("Biology");
        student->setSemester(semester);
        Settings s = quiet();
        s.AutoGoToCollege = true;
        s.CollegeRotationTime = collegeTime;
        s.RotateCollege = false;
        const auto result = Rotation::rotate(sims.list, s);
        QTEST(student->isInCollege(), "inCollege");
        QTEST(student->semester(), "semesterAfter");
        QTEST(student->age(), "ageAfter");
        QCOMPARE(queued(result), graduation ? QStringList{graduate("Sue", "Biology")} : QStringList());
    }

    void noGraduationWhenOff()
    {
        Sims sims;
        Sim *student = sims.add("Sue", -1);
        student->setSemester(7);
        Settings s = quiet();
        s.CollegeRotationTime = 1;
        QCOMPARE(queued(Rotation::rotate(sims.list, s)), QStringList());
        QCOMPARE(student->semester(), 8);
    }

    // Teens who will reach the chosen day before adulthood next rotation are
    // sent to college, held or not; only sims that can age go.
    void collegeEntry()
    {
        Sims sims;
        for (int age = 23; age <= 29; ++age)
            sims.add(QStringLiteral("Teen %1").arg(age), age);
        Sim *held = sims.add("Held", 27);
        held->setHold(1);
        sims.add("Servo", 27, SimTypeFlags::Servo);
        sims.add("Plant", 27, SimTypeFlags::Plantsim);
        sims.add("Vampire", 27, SimTypeFlags::Vampire);
        sims.add("Dead", 27)->die(GhostColor::White);
        sims.add("Maid", 27, 0, "Service NPCs");
        sims.add("Dog", 27, SimTypeFlags::LargeDog);
        Settings s = quiet();
        s.AutoGoToCollege = true;
        s.AutoGoToCollegeTime = 5;
        QCOMPARE(queued(Rotation::rotate(sims.list, s)),
                 QStringList({goToCollege("Teen 24"), goToCollege("Teen 25"), goToCollege("Teen 26"),
                              goToCollege("Teen 27"), goToCollege("Teen 28"), goToCollege("Held")}));
    }

    // Per sim: its grow-up first, then its college entry; sims in list order.
    void queueOrder()
    {
        Sims sims;
        sims.add("Teen", 28);
        sims.add("Kid", 5);
        Settings s = birthdaysOnly();
        s.AutoGoToCollege = true;
        QCOMPARE(queued(Rotation::rotate(sims.list, s)),
                 QStringList({growUp("Teen"), goToCollege("Teen"), growUp("Kid")}));
    }

    // Ages and semesters read from a damaged file never overflow.
    void extremeValues()
    {
        Sims sims;
        const int high = std::numeric_limits<int>::max();
        const int low = std::numeric_limits<int>::min();
        Sim *old = sims.add("Old", high - 1);
        Sim *young = sims.add("Young", low);
        Sim *student = sims.add("Student", -1);
        student->setSemester(low);
        Settings s;
        s.RotationTime = high;
        s.CollegeRotationTime = high;
        s.AutoGoToCollegeTime = low;
        s.AutoBirthdays = true;
        s.AutoGoToCollege = true;
        const auto result = Rotation::rotate(sims.list, s);
        QCOMPARE(old->age(), high);
        QCOMPARE(young->age(), low + 14);
        QVERIFY(student->isInCollege());
        QCOMPARE(student->semester(), low + 8);
        QCOMPARE(queued(result), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestRotation)
#include "tst_rotation.moc"
