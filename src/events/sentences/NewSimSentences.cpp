// Sentences that bring new sims: arrivals, births, adoptions, servos and Bigfoot.
#include "events/sentences/SentenceTable.h"

#include "records/FamilyLoop.h"

namespace SentenceParser {
namespace Table {

namespace {

// Ages in sim days of the stage words of a new sim from outside.
int joiningAge(const QString &stage)
{
    static const WordTable ages{
        {"Toddler", 3},          {"Child", 7},           {"Teenager", 15},
        {"Young Adult", -1},     {"Adult", 30},          {"Elder", 59},
        {"large dog", 4},        {"small dog", 4},       {"cat", 5},
        {"elder large dog", 26}, {"elder small dog", 30}, {"elder cat", 31}};
    return lookup(ages, stage, 0);
}

// Ages in sim days of the adoption kinds that are not newborns.
int adoptedAge(const QString &kind)
{
    static const WordTable ages{
        {"toddler", 3},          {"child", 7},          {"small dog", 4},
        {"large dog", 4},        {"cat", 5},            {"elder large dog", 26},
        {"elder small dog", 30}, {"elder cat", 31}};
    return lookup(ages, kind, 0);
}

int movingInAge(const QString &stage)
{
    if (stage == QLatin1String("Adult"))
        return 30;
    if (stage == QLatin1String("Young Adult"))
        return -1;
    if (stage == QLatin1String("Elder"))
        return 59;
    return 0;
}

// A litter's species: a kitten is a cat, a puppy a large dog unless its
// first parent is a small dog (whatever the word says).
int litterFlags(const QString &young, const Sim *firstParent)
{
    int flags = young == QLatin1String("kitten") ? SimTypeFlags::Cat : SimTypeFlags::LargeDog;
    if (firstParent && firstParent->isSpecies(Species::SmallDog))
        flags = SimTypeFlags::SmallDog;
    return flags;
}

int strayAge(const QString &adultOrElder, int flags)
{
    const bool dog = flags == SimTypeFlags::LargeDog || flags == SimTypeFlags::SmallDog;
    if (adultOrElder == QLatin1String("adult"))
        return dog ? 4 : 5;
    if (flags == SimTypeFlags::LargeDog)
        return 26;
    if (flags == SimTypeFlags::SmallDog)
        return 30;
    return 31;
}

// A baby with sim1 as its only parent, born into sim1's household.
// Captures: day, gender, name, before or after.
void singleParentBaby(const Context &ctx, const QStringList &c, int flags)
{
    ctx.requests->newSim(c[2], genderFrom(c[1]), 0, 0, dayRuleHold(day(c), c[3]),
                         ctx.sim1->household(), flags, ctx.sim1.data(), nullptr);
}

} // namespace

void addNewSimTests(QList<Test> &tests)
{
    tests << test(1, NoSim,
                  R"re(^On day (\d+) of the rotation, (.+) \((male|female)\), of the (.+) household, joined the neighborhood (before|after) six PM \(eleven AM for pets\) as an? (.+) \((.+) aspiration\)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const QString &stage = c[5];
                      const bool pet = stage.contains("dog") || stage.contains("cat");
                      int flags = 0;
                      if (stage.contains("large dog"))
                          flags = SimTypeFlags::LargeDog;
                      if (stage.contains("small dog"))
                          flags = SimTypeFlags::SmallDog;
                      if (stage.contains("cat"))
                          flags = SimTypeFlags::Cat;
                      ctx.requests->newSim(c[1], genderFrom(c[2]), joiningAge(stage),
                                           pet ? 0 : aspirationFromName(c[6]),
                                           dayRuleHold(day(c), c[4]), c[3], flags, nullptr,
                                           nullptr);
                  });
    tests << test(2, Sim1,
                  R"re(^On day (\d+) of the rotation, (.+) \((male|female), (.+) aspiration, (.+)\) (moved in with|got married/joined to) .+ (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched townie pattern.");
                      ctx.requests->newSim(c[1], genderFrom(c[2]), movingInAge(c[4]),
                                           aspirationFromName(c[3]), dayRuleHold(day(c), c[6]),
                                           ctx.sim1->household(), 0, nullptr, nullptr);
                  });
    tests << test(3, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ \((.+) Aspiration\) (moved in with|got married/joined to) .+ (before|after) six PM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int aspiration = aspirationFromName(c[1]);
                      if (aspiration != Aspiration::None)
                          ctx.sim1->addAspiration(aspiration, 0);
                      joinHouseholdOf(ctx, ctx.sim1, ctx.sim2);
                      ctx.sim1->setHold(dayRuleHold(day(c), c[3]));
                  });
    tests << test(4, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ adopted a stray (male|female) (large dog|small dog|cat) named (.+) (before|after) eleven AM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      int flags = SimTypeFlags::Cat;
                      if (c[2] == QLatin1String("large dog"))
                          flags = SimTypeFlags::LargeDog;
                      else if (c[2] == QLatin1String("small dog"))
                          flags = SimTypeFlags::SmallDog;
                      const bool dog = flags != SimTypeFlags::Cat;
                      ctx.requests->newSim(c[3], genderFrom(c[1]), dog ? 4 : 5, 0,
                                           dayRuleHold(day(c), c[4]), ctx.sim1->household(),
                                           flags, nullptr, nullptr);
                  });
    tests << test(5, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ adopted .+ (before|after) eleven AM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      joinHouseholdOf(ctx, ctx.sim2, ctx.sim1);
                      ctx.sim2->setHold(dayRuleHold(day(c), c[1]));
                  });
    tests << test(6, Sim2,
                  R"re(^On day (\d+) of the rotation, .+ and .+ had a (male|female) baby named (.+) (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched baby pattern.");
                      // The baby joins the second parent's household.
                      ctx.requests->newSim(c[2], genderFrom(c[1]), 0, 0, dayRuleHold(day(c), c[3]),
                                           ctx.sim2->household(), 0, ctx.sim1.data(),
                                           ctx.sim2.data());
                  });
    tests << test(7, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ had a (male|female) baby named (.+) by an (adult|elder) townie named (.+) (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int townieAge = c[3] == QLatin1String("adult") ? 30 : 59;
                      ctx.requests->newTowniePair(c[4], townieAge, c[2], genderFrom(c[1]),
                                                  dayRuleHold(day(c), c[5]), 0, ctx.sim1.data());
                  });
    tests << test(8, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ and .+ had a (male|female) (puppy|kitten) named (.+) (before|after) eleven AM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.requests->newSim(c[3], genderFrom(c[1]), 0, 0, dayRuleHold(day(c), c[4]),
                                           ctx.sim2->household(), litterFlags(c[2], ctx.sim1),
                                           ctx.sim1.data(), ctx.sim2.data());
                  });
    tests << test(9, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ had a (male|female) (puppy|kitten) named (.+) by an (adult|elder) stray named (.+) (before|after) eleven AM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int flags = litterFlags(c[2], ctx.sim1);
                      ctx.requests->newTowniePair(c[5], strayAge(c[4], flags), c[3],
                                                  genderFrom(c[1]), dayRuleHold(day(c), c[6]),
                                                  flags, ctx.sim1.data());
                  });
    tests << test(10, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ had a (male|female) alien baby named (.+) (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched alien baby pattern.");
                      singleParentBaby(ctx, c, SimTypeFlags::Alien);
                  });
    tests << test(11, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ spawned a (male|female) plantbaby named (.+) (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched plantbaby pattern.");
                      singleParentBaby(ctx, c, SimTypeFlags::Plantsim);
                  });
    tests << test(12, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ adopted a (male|female) (.+) named (.+) (before|after) six PM \(eleven AM for pets\)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched adoption pattern.");
                      const QString &kind = c[2];
                      const bool newborn = kind == QLatin1String("baby") || kind.contains("puppy")
                          || kind == QLatin1String("kitten");
                      const int age = newborn ? 0 : adoptedAge(kind);
                      int flags = 0;
                      if (kind.contains("large"))
                          flags = SimTypeFlags::LargeDog;
                      if (kind.contains("small"))
                          flags = SimTypeFlags::SmallDog;
                      if (kind == QLatin1String("kitten") || kind.contains("cat"))
                          flags = SimTypeFlags::Cat;
                      // An adopted child that is past babyhood arrives still growing up.
                      const int aspiration = flags == 0 && age != 0 ? Aspiration::GrowUp : 0;
                      const bool child = kind == QLatin1String("baby")
                          || kind == QLatin1String("toddler") || kind == QLatin1String("child");
                      ctx.requests->newSim(c[3], genderFrom(c[1]), age, aspiration,
                                           dayRuleHold(day(c), c[4]), ctx.sim1->household(),
                                           flags, child ? ctx.sim1.data() : nullptr, nullptr);
                  });
    tests << test(13, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ adopted .+, whose name was changed to (.+), (before|after) six PM \(eleven AM for pets\)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int hold = dayRuleHold(day(c), c[2]);
                      Sim *adopted = ctx.sim2;
                      ctx.texts->setName(adopted, c[1]);
                      joinHouseholdOf(ctx, adopted, ctx.sim1);
                      // A pet keeps its own parents. Readopting one's own
                      // parent (or oneself) must not make a sim its own
                      // ancestor: that link alone is left out.
                      if (adopted->isSpecies(Species::Human))
                          adopted->setParents(parentUnlessLoop(ctx.sim1, adopted),
                                              parentUnlessLoop(ctx.sim1->spouse(), adopted));
                      adopted->setHold(hold);
                  });
    tests << test(14, Sim1, R"re(^.+ activated a (male|female) servo named (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched servo pattern.");
                      // The servo shares its activator's current aspiration.
                      const int aspiration = aspirationFromName(ctx.sim1->aspirationName(-1));
                      ctx.requests->newSim(c[1], genderFrom(c[0]), 30, aspiration, 0,
                                           ctx.sim1->household(), SimTypeFlags::Servo, nullptr,
                                           nullptr);
                  });
    tests << test(15, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ went on a vacation and brought back Bigfoot (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.requests->newSim("Bigfoot", Gender::Male, 30, 0,
                                           dayRuleHold(day(c), c[1]), ctx.sim1->household(),
                                           SimTypeFlags::Bigfoot, nullptr, nullptr);
                  });
}

} // namespace Table
} // namespace SentenceParser
