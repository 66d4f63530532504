#include "dialogs/FilterTable.h"

namespace FilterTable {

const QList<GroupInfo> &groups()
{
    static const QList<GroupInfo> list{
        {Group::Life, QStringLiteral("Life"), 0},
        {Group::Type, QStringLiteral("Type"), 3},
        {Group::Species, QStringLiteral("Species"), 2},
        {Group::Gender, QStringLiteral("Gender"), 0},
        {Group::LifeStage, QStringLiteral("Life Stage"), 2},
        {Group::Aspiration, QStringLiteral("Aspiration"), 3},
        {Group::Paranormal, QStringLiteral("Paranormal"), 3},
    };
    return list;
}

namespace {

struct Row
{
    Group group;
    const char *label;
    const char *signal;
};

const Row rows[] = {
    {Group::Life, "Living Sims", "setAliveFilter"},
    {Group::Life, "Dead Sims", "setDeadFilter"},
    {Group::Type, "Playable Sims", "setPlayableFilter"},
    {Group::Type, "Townies", "setTownieFilter"},
    {Group::Type, "Service NPCs", "setNPCFilter"},
    {Group::Type, "Runaways", "setRunawayFilter"},
    {Group::Type, "Adoptables", "setAdoptionFilter"},
    {Group::Type, "Downtownies", "setDowntownieFilter"},
    {Group::Type, "Garden Club Members", "setGardenClubFilter"},
    {Group::Type, "Island Locals", "setIslandFilter"},
    {Group::Type, "Mountain Locals", "setMountainFilter"},
    {Group::Type, "Asian Locals", "setAsianFilter"},
    {Group::Type, "Tourists", "setTouristFilter"},
    {Group::Type, "Hobby Mavens", "setHobbyFilter"},
    {Group::Type, "Socialites", "setSocialiteFilter"},
    {Group::Type, "Bohemians", "setBohemianFilter"},
    {Group::Type, "Jocks", "setJockFilter"},
    {Group::Type, "Techies", "setTechieFilter"},
    {Group::Type, "Gearheads", "setGearheadFilter"},
    {Group::Species, "Humans", "setHumanFilter"},
    {Group::Species, "Large Dogs", "setLargeDogFilter"},
    {Group::Species, "Small Dogs", "setSmallDogFilter"},
    {Group::Species, "Cats", "setCatFilter"},
    {Group::Gender, "Males", "setMaleFilter"},
    {Group::Gender, "Females", "setFemaleFilter"},
    {Group::LifeStage, "Babies", "setBabyFilter"},
    {Group::LifeStage, "Toddlers", "setToddlerFilter"},
    {Group::LifeStage, "Children", "setChildFilter"},
    {Group::LifeStage, "Teens", "setTeenFilter"},
    {Group::LifeStage, "Young Adults", "setYAFilter"},
    {Group::LifeStage, "Adults", "setAdultFilter"},
    {Group::LifeStage, "Elders", "setElderFilter"},
    {Group::Aspiration, "None/Unknown", "setNoneFilter"},
    {Group::Aspiration, "Grow Up", "setGrowUpFilter"},
    {Group::Aspiration, "Fortune", "setFortuneFilter"},
    {Group::Aspiration, "Family", "setFamilyFilter"},
    {Group::Aspiration, "Popularity", "setPopularityFilter"},
    {Group::Aspiration, "Romance", "setRomanceFilter"},
    {Group::Aspiration, "Knowledge", "setKnowledgeFilter"},
    {Group::Aspiration, "Pleasure", "setPleasureFilter"},
    {Group::Aspiration, "Grilled Cheese", "setGrilledCheeseFilter"},
    {Group::Paranormal, "Non-Paranormal", "setNormalFilter"},
    {Group::Paranormal, "Aliens", "setAlienFilter"},
    {Group::Paranormal, "Zombies", "setZombieFilter"},
    {Group::Paranormal, "Vampires", "setVampireFilter"},
    {Group::Paranormal, "Werewolves", "setWerewolfFilter"},
    {Group::Paranormal, "Servos", "setServoFilter"},
    {Group::Paranormal, "Plantsims", "setPlantsimFilter"},
    {Group::Paranormal, "Bigfoots", "setBigfootFilter"},
    {Group::Paranormal, "Witches", "setWitchFilter"},
};

} // namespace

const QList<Box> &boxes()
{
    static const QList<Box> list = [] {
        QList<Box> built;
        int nextBit[7] = {};
        for (const Row &row : rows) {
            const int bit = nextBit[int(row.group)]++;
            built.append({row.group, bit, QString::fromLatin1(row.label), row.signal});
        }
        return built;
    }();
    return list;
}

QList<Box> boxesOf(Group group)
{
    QList<Box> list;
    for (const Box &box : boxes()) {
        if (box.group == group)
            list.append(box);
    }
    return list;
}

int allBits(Group group)
{
    return (1 << boxesOf(group).size()) - 1;
}

} // namespace FilterTable
