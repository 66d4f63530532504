#include "sheet/FilterMasks.h"

#include "dialogs/FilterTable.h"
#include "records/Codes.h"
#include "records/Sim.h"

#include <QLatin1String>

namespace {

struct Named
{
    const char *text;
    int bit;
};

// The group households with a box of their own, in test order.
// "Townies and Dormies" has none.
constexpr Named kGroupHouseholds[] = {
    {"Service NPCs", 4},      {"Runaways", 8},        {"Adoption Queue", 16},
    {"Downtown", 32},         {"Garden Club", 64},    {"Island Locals", 128},
    {"Mountain Locals", 256}, {"Asian Locals", 512},  {"Tourists", 1024},
    {"Hobby Mavens", 2048},   {"Socialites", 4096},   {"Bohemians", 8192},
    {"Jocks", 16384},         {"Techies", 32768},     {"Gearheads", 65536},
};

constexpr Named kAspirations[] = {
    {"None", 1},       {"Unknown", 1},     {"Grow Up", 2},   {"Fortune", 4},
    {"Family", 8},     {"Popularity", 16}, {"Romance", 32},  {"Knowledge", 64},
    {"Pleasure", 128}, {"Grilled Cheese", 256},
};

// SimTypeFlags bit of each life state with its paranormal bit; the order
// of the paranormal bits is not the order of the flags.
constexpr int kLifeStates[][2] = {
    {SimTypeFlags::None, 1},      {SimTypeFlags::Alien, 2},     {SimTypeFlags::Zombie, 4},
    {SimTypeFlags::Vampire, 8},   {SimTypeFlags::Werewolf, 16}, {SimTypeFlags::Servo, 32},
    {SimTypeFlags::Plantsim, 64}, {SimTypeFlags::Bigfoot, 128}, {SimTypeFlags::Witch, 256},
};

bool passesType(const Sim &sim, int mask)
{
    const QString household = sim.household();
    if (!sim.isNonPlayable() && !(mask & 1))
        return false;
    if (household == QLatin1String("At Large") && !(mask & 2))
        return false;
    for (const Named &group : kGroupHouseholds) {
        if (household == QLatin1String(group.text) && !(mask & group.bit))
            return false;
    }
    return true;
}

bool passesLifeStage(const Sim &sim, int mask)
{
    const QString stage = sim.lifeStageText();
    const auto has = [&](const char *word) { return stage.contains(QLatin1String(word)); };
    const auto is = [&](const char *word) { return stage == QLatin1String(word); };
    if ((has("Baby") || has("Puppy") || has("Kitten")) && !(mask & 1))
        return false;
    if (has("Toddler") && !(mask & 2))
        return false;
    if (has("Child") && !(mask & 4))
        return false;
    if (has("Teen") && !(mask & 8))
        return false;
    if (has("Major") && !(mask & 16))
        return false;
    if ((has("Adult") || is("Large Dog") || is("Small Dog") || is("Cat")) && !(mask & 32))
        return false;
    if (has("Elder") && !(mask & 64))
        return false;
    return true;
}

} // namespace

FilterMasks::Group FilterMasks::groupOf(Filter filter)
{
    // The masks' groups are the dialog's groups, in the same order.
    return Group(int(FilterTable::boxes().at(filter).group));
}

int FilterMasks::bitOf(Filter filter)
{
    return 1 << FilterTable::boxes().at(filter).bit;
}

int FilterMasks::mask(Group group) const
{
    switch (group) {
    case Life:
        return life;
    case Type:
        return type;
    case Species:
        return species;
    case Gender:
        return gender;
    case LifeStage:
        return lifeStage;
    case Aspiration:
        return aspiration;
    case Paranormal:
        return paranormal;
    }
    return 0;
}

void FilterMasks::set(Filter filter, bool on)
{
    if (filter < 0 || filter >= FilterCount)
        return;
    int *masks[] = {&life, &type, &species, &gender, &lifeStage, &aspiration, &paranormal};
    int &m = *masks[groupOf(filter)];
    m = on ? (m | bitOf(filter)) : (m & ~bitOf(filter));
}

bool FilterMasks::isSet(Filter filter) const
{
    return filter >= 0 && filter < FilterCount && (mask(groupOf(filter)) & bitOf(filter));
}

bool FilterMasks::passes(const Sim &sim) const
{
    if (!(life & (sim.isAlive() ? 1 : 2)))
        return false;
    if (!passesType(sim, type))
        return false;

    const int speciesBits[][2] = {{::Species::Human, 1},
                                  {::Species::LargeDog, 2},
                                  {::Species::SmallDog, 4},
                                  {::Species::Cat, 8}};
    for (const auto &entry : speciesBits) {
        if (sim.isSpecies(entry[0]) && !(species & entry[1]))
            return false;
    }

    if (sim.gender() == ::Gender::Male && !(gender & 1))
        return false;
    if (sim.gender() == ::Gender::Female && !(gender & 2))
        return false;

    if (!passesLifeStage(sim, lifeStage))
        return false;

    const QString aspirationName = sim.aspirationName(-1);
    for (const Named &entry : kAspirations) {
        if (aspirationName == QLatin1String(entry.text) && !(aspiration & entry.bit))
            return false;
    }

    for (const auto &state : kLifeStates) {
        if (sim.hasFlag(state[0]) && !(paranormal & state[1]))
            return false;
    }
    return true;
}
