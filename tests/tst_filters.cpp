#include "records/Codes.h"
#include "records/Sim.h"
#include "sheet/FilterMasks.h"

#include <QtTest>

#include <memory>
#include <vector>

namespace {

// One sim for each thing a box can hide: every household group, species,
// gender, stage, aspiration and life state.
class Neighbourhood
{
public:
    Neighbourhood()
    {
        namespace F = SimTypeFlags;
        add("Ann", 40, 2, 1, "Brook");
        add("Bob", 20, 1, 5, "At Large");
        add("Ghost", 70, 1, 2, "Brook")->die(GhostColor::White);
        add("Baby", 0, 2, 0, "Brook");
        add("Toddler", 4, 1, 8, "Brook");
        add("Child", 10, 2, 3, "Service NPCs");
        add("Student", -1, 1, 4, "Runaways");
        add("Elder", 70, 2, 6, "Adoption Queue");
        add("Cheese", 40, 1, 7, "Downtown");
        add("Unknown", 40, 2, 0, "Garden Club");
        add("Puppy", 0, 1, 0, "Island Locals", F::LargeDog);
        add("SmallDog", 10, 2, 0, "Mountain Locals", F::SmallDog);
        add("Cat", 10, 1, 0, "Asian Locals", F::Cat);
        add("Kitten", 1, 2, 0, "Tourists", F::Cat);
        add("Alien", 40, 1, 1, "Hobby Mavens", F::Alien);
        add("Zombie", 40, 2, 1, "Socialites", F::Zombie);
        add("Vampire", 40, 1, 1, "Bohemians", F::Vampire);
        add("Werewolf", 40, 2, 1, "Jocks", F::Werewolf);
        add("Servo", 40, 1, 1, "Techies", F::Servo);
        add("Plantsim", 10, 2, 1, "Gearheads", F::Plantsim);
        add("Bigfoot", 40, 1, 1, "Townies and Dormies", F::Bigfoot);
        add("Witch", 40, 2, 1, "Brook", F::Witch);
        add("VampWitch", 40, 1, 1, "Brook", F::Vampire | F::Witch);
        add("NoGender", 40, 0, 1, "Brook");
        add("LargeDog", 10, 2, 0, "Brook", F::LargeDog);
        add("ElderDog", 30, 1, 0, "Brook", F::LargeDog);
    }

    QStringList hiddenBy(const FilterMasks &masks) const
    {
        QStringList hidden;
        for (const auto &sim : m_sims) {
            if (!masks.passes(*sim))
                hidden << sim->name();
        }
        return hidden;
    }
    QStringList names() const
    {
        QStringList names;
        for (const auto &sim : m_sims)
            names << sim->name();
        return names;
    }

private:
    Sim *add(const char *name, int age, int gender, int aspiration, const char *household, int flags = 0)
    {
        m_sims.push_back(std::make_unique<Sim>(name, age, gender, aspiration, 0, true, flags, "", ""));
        m_sims.back()->setHousehold(household);
        return m_sims.back().get();
    }

    std::vector<std::unique_ptr<Sim>> m_sims;
};

// The names of a list, or every name but those after "all but".
QStringList expand(const QStringList &listed, const QStringList &all)
{
    if (listed.value(0) != "all but")
        return listed;
    QStringList names = all;
    for (const QString &name : listed.mid(1))
        names.removeAll(name);
    return names;
}

} // namespace

// The seven filter masks: the box each of the fifty setters stands for and
// the sims each box hides.
class TestFilters : public QObject
{
    Q_OBJECT

private slots:
    void everyBitStartsSet()
    {
        const FilterMasks masks;
        QCOMPARE(masks.life, 3);
        QCOMPARE(masks.type, 131071);
        QCOMPARE(masks.species, 15);
        QCOMPARE(masks.gender, 3);
        QCOMPARE(masks.lifeStage, 127);
        QCOMPARE(masks.aspiration, 511);
        QCOMPARE(masks.paranormal, 511);
        QCOMPARE(Neighbourhood().hiddenBy(masks), QStringList());
    }

    // Each setter changes its own bit and no other, whatever it was.
    void settersChangeOneBit()
    {
        for (int f = 0; f < FilterMasks::FilterCount; ++f) {
            const auto filter = FilterMasks::Filter(f);
            FilterMasks masks;
            masks.set(filter, false);
            for (int g = FilterMasks::Life; g <= FilterMasks::Paranormal; ++g) {
                const auto group = FilterMasks::Group(g);
                const int expected = FilterMasks().mask(group)
                    & (group == FilterMasks::groupOf(filter) ? ~FilterMasks::bitOf(filter) : ~0);
                QCOMPARE(masks.mask(group), expected);
            }
            QVERIFY(!masks.isSet(filter));
            masks.set(filter, false);
            QVERIFY(!masks.isSet(filter));
            masks.set(filter, true);
            QVERIFY(masks.isSet(filter));
            QCOMPARE(masks.mask(FilterMasks::groupOf(filter)),
                     FilterMasks().mask(FilterMasks::groupOf(filter)));
        }
    }

    void eachBoxHidesItsSims_data()
    {
        using M = FilterMasks;
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("hidden");
        const QStringList ofBrook{"Ann", "Ghost", "Baby", "Toddler", "Witch", "VampWitch", "NoGender",
                                  "LargeDog", "ElderDog"};
        QTest::newRow("setAliveFilter") << int(M::Alive) << QStringList{"all but", "Ghost"};
        QTest::newRow("setDeadFilter") << int(M::Dead) << QStringList{"Ghost"};
        QTest::newRow("setPlayableFilter") << int(M::Playable) << QStringList{"Ann", "Bob"} + ofBrook.mid(1);
        QTest::newRow("setTownieFilter") << int(M::Townie) << QStringList{"Bob"};
        QTest::newRow("setNPCFilter") << int(M::NPC) << QStringList{"Child"};
        QTest::newRow("setRunawayFilter") << int(M::Runaway) << QStringList{"Student"};
        QTest::newRow("setAdoptionFilter") << int(M::Adoption) << QStringList{"Elder"};
        QTest::newRow("setDowntownieFilter") << int(M::Downtownie) << QStringList{"Cheese"};
        QTest::newRow("setGardenClubFilter") << int(M::GardenClub) << QStringList{"Unknown"};
        QTest::newRow("setIslandFilter") << int(M::Island) << QStringList{"Puppy"};
        QTest::newRow("setMountainFilter") << int(M::Mountain) << QStringList{"SmallDog"};
        QTest::newRow("setAsianFilter") << int(M::Asian) << QStringList{"Cat"};
        QTest::newRow("setTouristFilter") << int(M::Tourist) << QStringList{"Kitten"};
        QTest::newRow("setHobbyFilter") << int(M::Hobby) << QStringList{"Alien"};
        QTest::newRow("setSocialiteFilter") << int(M::Socialite) << QStringList{"Zombie"};
        QTest::newRow("setBohemianFilter") << int(M::Bohemian) << QStringList{"Vampire"};
        QTest::newRow("setJockFilter") << int(M::Jock) << QStringList{"Werewolf"};
        QTest::newRow("setTechieFilter") << int(M::Techie) << QStringList{"Servo"};
        QTest::newRow("setGearheadFilter") << int(M::Gearhead) << QStringList{"Plantsim"};
        QTest::newRow("setHumanFilter")
            << int(M::Human)
            << QStringList{"all but", "Puppy", "SmallDog", "Cat", "Kitten", "LargeDog", "ElderDog"};
        QTest::newRow("setLargeDogFilter") << int(M::LargeDog)
                                           << QStringList{"Puppy", "LargeDog", "ElderDog"};
        QTest::newRow("setSmallDogFilter") << int(M::SmallDog) << QStringList{"SmallDog"};
        QTest::newRow("setCatFilter") << int(M::Cat) << QStringList{"Cat", "Kitten"};
        QTest::newRow("setMaleFilter")
            << int(M::Male)
            << QStringList{"Bob",     "Ghost",   "Toddler", "Student", "Cheese",  "Puppy",    "Cat",
                           "Alien",   "Vampire", "Servo",   "Bigfoot", "VampWitch", "ElderDog"};
        QTest::newRow("setFemaleFilter")
            << int(M::Female)
            << QStringList{"Ann",    "Baby",     "Child",    "Elder", "Unknown", "SmallDog",
                           "Kitten", "Zombie",   "Werewolf", "Plantsim", "Witch", "LargeDog"};
        QTest::newRow("setBabyFilter") << int(M::Baby) << QStringList{"Baby", "Puppy", "Kitten"};
        QTest::newRow("setToddlerFilter") << int(M::Toddler) << QStringList{"Toddler"};
        QTest::newRow("setChildFilter") << int(M::Child) << QStringList{"Child"};
        QTest::newRow("setTeenFilter") << int(M::Teen) << QStringList{"Bob"};
        QTest::newRow("setYAFilter") << int(M::YA) << QStringList{"Student"};
        QTest::newRow("setAdultFilter")
            << int(M::Adult)
            << QStringList{"Ann",     "Cheese",  "Unknown",  "SmallDog", "Cat",   "Alien",
                           "Zombie",  "Vampire", "Werewolf", "Plantsim", "Bigfoot", "Witch",
                           "VampWitch", "NoGender", "LargeDog"};
        QTest::newRow("setElderFilter") << int(M::Elder) << QStringList{"Elder", "ElderDog"};
        QTest::newRow("setNoneFilter")
            << int(M::None)
            << QStringList{"Baby", "Unknown", "Puppy", "SmallDog", "Cat", "Kitten", "LargeDog", "ElderDog"};
        QTest::newRow("setGrowUpFilter") << int(M::GrowUp) << QStringList{"Toddler"};
        QTest::newRow("setFortuneFilter")
            << int(M::Fortune)
            << QStringList{"Ann",   "Alien",   "Zombie", "Vampire",   "Werewolf", "Servo",
                           "Plantsim", "Bigfoot", "Witch", "VampWitch", "NoGender"};
        QTest::newRow("setFamilyFilter") << int(M::Family) << QStringList{"Ghost"};
        QTest::newRow("setPopularityFilter") << int(M::Popularity) << QStringList{"Student"};
        QTest::newRow("setRomanceFilter") << int(M::Romance) << QStringList{"Child"};
        QTest::newRow("setKnowledgeFilter") << int(M::Knowledge) << QStringList{"Bob"};
        QTest::newRow("setPleasureFilter") << int(M::Pleasure) << QStringList{"Elder"};
        QTest::newRow("setGrilledCheeseFilter") << int(M::GrilledCheese) << QStringList{"Cheese"};
        QTest::newRow("setNormalFilter")
            << int(M::Normal)
            << QStringList{"all but", "Alien", "Zombie", "Vampire", "Werewolf", "Servo",
                           "Plantsim", "Bigfoot", "Witch", "VampWitch"};
        QTest::newRow("setAlienFilter") << int(M::Alien) << QStringList{"Alien"};
        QTest::newRow("setZombieFilter") << int(M::Zombie) << QStringList{"Zombie"};
        QTest::newRow("setVampireFilter") << int(M::Vampire) << QStringList{"Vampire", "VampWitch"};
        QTest::newRow("setWerewolfFilter") << int(M::Werewolf) << QStringList{"Werewolf"};
        QTest::newRow("setServoFilter") << int(M::Servo) << QStringList{"Servo"};
        QTest::newRow("setPlantsimFilter") << int(M::Plantsim) << QStringList{"Plantsim"};
        QTest::newRow("setBigfootFilter") << int(M::Bigfoot) << QStringList{"Bigfoot"};
        QTest::newRow("setWitchFilter") << int(M::Witch) << QStringList{"Witch", "VampWitch"};
    }
    void eachBoxHidesItsSims()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, hidden);
        const Neighbourhood sims;
        FilterMasks masks;
        masks.set(FilterMasks::Filter(filter), false);
        QCOMPARE(sims.hiddenBy(masks), expand(hidden, sims.names()));
    }

    void wholeGroupsOff_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QStringList>("shown");
        // Sims that hold none of a group's words pass that group whatever it holds.
        QTest::newRow("type") << int(FilterMasks::Type) << QStringList{"Bigfoot"};
        QTest::newRow("gender") << int(FilterMasks::Gender) << QStringList{"NoGender"};
        QTest::newRow("life stage") << int(FilterMasks::LifeStage) << QStringList{"Ghost", "Servo"};
        QTest::newRow("aspiration") << int(FilterMasks::Aspiration) << QStringList();
        QTest::newRow("life") << int(FilterMasks::Life) << QStringList();
    }
    void wholeGroupsOff()
    {
        QFETCH(int, group);
        QFETCH(QStringList, shown);
        const Neighbourhood sims;
        FilterMasks masks;
        for (int f = 0; f < FilterMasks::FilterCount; ++f) {
            if (FilterMasks::groupOf(FilterMasks::Filter(f)) == group)
                masks.set(FilterMasks::Filter(f), false);
        }
        QStringList expected = sims.names();
        for (const QString &name : shown)
            expected.removeAll(name);
        QCOMPARE(sims.hiddenBy(masks), expected);
    }

    // A stage text holding two stage words needs both boxes; a college
    // student whose major names a stage is one such sim.
    void stageTextsWithTwoWords()
    {
        Sim student("Kid Major", -1, 1, 1, 0, true, 0, "", "");
        student.setMajor("Child Psychology");
        FilterMasks masks;
        QVERIFY(masks.passes(student));
        masks.set(FilterMasks::Child, false);
        QVERIFY(!masks.passes(student));
        masks.set(FilterMasks::Child, true);
        masks.set(FilterMasks::YA, false);
        QVERIFY(!masks.passes(student));
    }
};

QTEST_GUILESS_MAIN(TestFilters)
#include "tst_filters.moc"
