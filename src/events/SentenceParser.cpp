#include "events/SentenceParser.h"

#include "events/UpdateEntry.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace SentenceParser {

namespace {

// Which of the entry's sims a test reads or changes; without them it does
// nothing at all.
enum Needs { NoSim = 0, Sim1 = 1, Sim2 = 2, BothSims = 3 };

struct Context
{
    const QString &sentence;
    const QPointer<Sim> &sim1;
    const QPointer<Sim> &sim2;
    const SimList &sheetSims;
    UpdateEntry *entry;
};

// caps: the test's own captures; inner: the captures of the test nested in
// it, or null when that one did not match (or there is none).
using Handler = void (*)(const Context &ctx, const QStringList &caps, const QStringList *inner);

struct Test
{
    int number;
    Needs needs;
    // The test tried only when this one matched (17 in 16, 19 in 18), or 0.
    int inner;
    // The outer test of a nested one, or 0.
    int outer;
    QRegularExpression pattern;
    Handler handler;
};

void say(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Digits only reach here; a number too large for an int reads as 0.
int number(const QString &digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok, 10);
    return ok ? value : 0;
}

int genderFrom(const QString &word)
{
    return word == QLatin1String("male") ? Gender::Male : Gender::Female;
}

using WordTable = QList<QPair<QString, int>>;

// The code of a word by exact, case-sensitive comparison; `otherwise` for a
// word the table lacks.
int lookup(const WordTable &table, const QString &word, int otherwise, bool *found = nullptr)
{
    for (const auto &entry : table) {
        if (entry.first == word) {
            if (found)
                *found = true;
            return entry.second;
        }
    }
    if (found)
        *found = false;
    return otherwise;
}

int day(const QStringList &caps)
{
    return number(caps.value(0));
}

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

// The causes of an unnatural death, in the order the game lists them, with
// the ghost colour each leaves. The satellite (in both spellings that list
// files hold) and disease have no colour of their own in the game; they take
// the two colours no other death gives: Orange for the fiery satellite, Green
// for disease.
const WordTable &deathCauses()
{
    static const WordTable causes{
        {"starved to death", GhostColor::Transparent},
        {"drowned", GhostColor::Blue},
        {"burned to death", GhostColor::Red},
        {"was electrocuted by an appliance", GhostColor::Yellow},
        {"was hit by a satelite", GhostColor::Orange},
        {"was hit by a saltelite", GhostColor::Orange},
        {"died of disease", GhostColor::Green},
        {"was killed by a swarm of Africanized flies", GhostColor::Purple},
        {"had an accident while running with scissors", GhostColor::Pink},
        {"was eaten by a hungry cowplant", GhostColor::BrightGreen},
        {"turned to dust in the sunlight", GhostColor::Transparent},
        {"was electrocuted by a rampaging servo", GhostColor::Yellow},
        {"was electrocuted by a lightning bolt", GhostColor::Yellow},
        {"froze to death", GhostColor::Blue},
        {"spontaneously combusted", GhostColor::Red},
        {"withered away for lack of sun, water, and love", GhostColor::Transparent},
        {"was frightened to death by a ghost", GhostColor::Pink},
        {"overextended him/herself envigorating the employees", GhostColor::Transparent}};
    return causes;
}

// The alternatives of the death pattern: every cause, taken literally.
QString deathCausePattern()
{
    QStringList alternatives;
    for (const auto &cause : deathCauses())
        alternatives << QRegularExpression::escape(cause.first);
    return alternatives.join('|');
}

const WordTable &powerWords()
{
    static const WordTable words{
        {"Light", Alignment::Nice}, {"Neutrality", Alignment::Neutral}, {"Darkness", Alignment::Mean}};
    return words;
}

const WordTable &alignmentWords()
{
    static const WordTable words{
        {"Atrociously Evil", Alignment::AtrociouslyEvil}, {"Evil", Alignment::Evil},
        {"Mean", Alignment::Mean},                         {"Neutral", Alignment::Neutral},
        {"Nice", Alignment::Nice},                         {"Good", Alignment::Good},
        {"Infallibly Good", Alignment::InfalliblyGood}};
    return words;
}

void joinHouseholdOf(Sim *sim, const Sim *host)
{
    sim->setHousehold(host->household());
}

// Actions shared by several tests.
template <int Bit>
void gainState(const Context &ctx, const QStringList &, const QStringList *)
{
    ctx.sim1->setFlag(Bit);
}

template <int Bit>
void loseState(const Context &ctx, const QStringList &, const QStringList *)
{
    ctx.sim1->clearFlag(Bit);
}

void toAdoptionQueue(const Context &ctx, const QStringList &, const QStringList *)
{
    ctx.sim1->setHousehold(QStringLiteral("Adoption Queue"));
}

// sim1 goes to live with sim2.
void toSecondSimsHousehold(const Context &ctx, const QStringList &, const QStringList *)
{
    joinHouseholdOf(ctx.sim1, ctx.sim2);
}

// The household named by capture 1.
void toNamedHousehold(const Context &ctx, const QStringList &c, const QStringList *)
{
    ctx.sim1->setHousehold(c[0]);
}

// A baby with sim1 as its only parent, born into sim1's household.
// Captures: day, gender, name, before or after.
void singleParentBaby(const Context &ctx, const QStringList &c, int flags)
{
    emit ctx.entry->newSim(c[2], genderFrom(c[1]), 0, 0, dayRuleHold(day(c), c[3]),
                           ctx.sim1->household(), flags, ctx.sim1.data(), nullptr);
}

QRegularExpression wholeSentence(const QString &pattern)
{
    // "." takes any character, line breaks included, and the pattern must
    // cover the whole sentence.
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

Test test(int number, Needs needs, const QString &pattern, Handler handler, int inner = 0,
          int outer = 0)
{
    return Test{number, needs, inner, outer, wholeSentence(pattern), handler};
}

QList<Test> buildTests()
{
    QList<Test> tests;

    // New sims.
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
                      emit ctx.entry->newSim(c[1], genderFrom(c[2]), joiningAge(stage),
                                             pet ? 0 : aspirationFromName(c[6]),
                                             dayRuleHold(day(c), c[4]), c[3], flags, nullptr,
                                             nullptr);
                  });
    tests << test(2, Sim1,
                  R"re(^On day (\d+) of the rotation, (.+) \((male|female), (.+) aspiration, (.+)\) (moved in with|got married/joined to) .+ (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched townie pattern.");
                      emit ctx.entry->newSim(c[1], genderFrom(c[2]), movingInAge(c[4]),
                                             aspirationFromName(c[3]), dayRuleHold(day(c), c[6]),
                                             ctx.sim1->household(), 0, nullptr, nullptr);
                  });
    tests << test(3, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ \((.+) Aspiration\) (moved in with|got married/joined to) .+ (before|after) six PM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int aspiration = aspirationFromName(c[1]);
                      if (aspiration != Aspiration::None)
                          ctx.sim1->addAspiration(aspiration, 0);
                      joinHouseholdOf(ctx.sim1, ctx.sim2);
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
                      emit ctx.entry->newSim(c[3], genderFrom(c[1]), dog ? 4 : 5, 0,
                                             dayRuleHold(day(c), c[4]), ctx.sim1->household(),
                                             flags, nullptr, nullptr);
                  });
    tests << test(5, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ adopted .+ (before|after) eleven AM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      joinHouseholdOf(ctx.sim2, ctx.sim1);
                      ctx.sim2->setHold(dayRuleHold(day(c), c[1]));
                  });
    tests << test(6, Sim2,
                  R"re(^On day (\d+) of the rotation, .+ and .+ had a (male|female) baby named (.+) (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched baby pattern.");
                      // The baby joins the second parent's household.
                      emit ctx.entry->newSim(c[2], genderFrom(c[1]), 0, 0, dayRuleHold(day(c), c[3]),
                                             ctx.sim2->household(), 0, ctx.sim1.data(),
                                             ctx.sim2.data());
                  });
    tests << test(7, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ had a (male|female) baby named (.+) by an (adult|elder) townie named (.+) (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int townieAge = c[3] == QLatin1String("adult") ? 30 : 59;
                      emit ctx.entry->newTowniePair(c[4], townieAge, c[2], genderFrom(c[1]),
                                                    dayRuleHold(day(c), c[5]), 0, ctx.sim1.data());
                  });
    tests << test(8, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ and .+ had a (male|female) (puppy|kitten) named (.+) (before|after) eleven AM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      emit ctx.entry->newSim(c[3], genderFrom(c[1]), 0, 0, dayRuleHold(day(c), c[4]),
                                             ctx.sim2->household(), litterFlags(c[2], ctx.sim1),
                                             ctx.sim1.data(), ctx.sim2.data());
                  });
    tests << test(9, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ had a (male|female) (puppy|kitten) named (.+) by an (adult|elder) stray named (.+) (before|after) eleven AM\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int flags = litterFlags(c[2], ctx.sim1);
                      emit ctx.entry->newTowniePair(c[5], strayAge(c[4], flags), c[3],
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
                      emit ctx.entry->newSim(c[3], genderFrom(c[1]), age, aspiration,
                                             dayRuleHold(day(c), c[4]), ctx.sim1->household(),
                                             flags, child ? ctx.sim1.data() : nullptr, nullptr);
                  });
    tests << test(13, BothSims,
                  R"re(^On day (\d+) of the rotation, .+ adopted .+, whose name was changed to (.+), (before|after) six PM \(eleven AM for pets\)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int hold = dayRuleHold(day(c), c[2]);
                      Sim *adopted = ctx.sim2;
                      adopted->setName(c[1]);
                      joinHouseholdOf(adopted, ctx.sim1);
                      // A pet keeps its own parents.
                      if (adopted->isSpecies(Species::Human))
                          adopted->setParents(ctx.sim1, ctx.sim1->spouse());
                      adopted->setHold(hold);
                  });
    tests << test(14, Sim1, R"re(^.+ activated a (male|female) servo named (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched servo pattern.");
                      // The servo shares its activator's current aspiration.
                      const int aspiration = aspirationFromName(ctx.sim1->aspirationName(-1));
                      emit ctx.entry->newSim(c[1], genderFrom(c[0]), 30, aspiration, 0,
                                             ctx.sim1->household(), SimTypeFlags::Servo, nullptr,
                                             nullptr);
                  });
    tests << test(15, Sim1,
                  R"re(^On day (\d+) of the rotation, .+ went on a vacation and brought back Bigfoot (before|after) six PM.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      emit ctx.entry->newSim("Bigfoot", Gender::Male, 30, 0,
                                             dayRuleHold(day(c), c[1]), ctx.sim1->household(),
                                             SimTypeFlags::Bigfoot, nullptr, nullptr);
                  });

    // Holds, growing up, leaving and rejoining households, college.
    tests << test(16, NoSim, R"re(^Put .+ on hold for (\d+) days.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *household) {
                      const int hold = number(c[0]);
                      say(QStringLiteral("rotations:%1").arg(hold));
                      if (household) {
                          if (ctx.sentence.contains("all households except"))
                              emit ctx.entry->holdAllHouseholdsBut(household->at(0), hold);
                          else
                              emit ctx.entry->holdHousehold(household->at(0), hold);
                      } else if (ctx.sentence.contains("all sims and pets except")) {
                          // Without the one sim to spare, this would hold everyone.
                          if (ctx.sim1)
                              emit ctx.entry->holdAllBut(ctx.sim1.data(), hold);
                      } else if (ctx.sim1) {
                          ctx.sim1->setHold(hold);
                      }
                  },
                  17);
    // Lazy, so that a household whose own name holds "the " is kept whole.
    tests << test(17, NoSim, R"re(^Put .*?the (.+) household on hold for (\d+) days.)re", nullptr,
                  0, 16);
    tests << test(18, Sim1,
                  R"re(.+ grew up (well|badly) (before|after) six PM \(eleven AM for pets\).(?: \(Aspiration: .+\))?)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *clause) {
                      const int aspiration = clause ? aspirationFromName(clause->at(0)) : 0;
                      // 0 ("Same", or no clause) keeps the current aspiration.
                      ctx.sim1->setAspiration(aspiration, 0, -1);
                      if (c[1] == QLatin1String("before"))
                          ctx.sim1->addDays(1);
                  },
                  19);
    tests << test(19, Sim1, R"re(.*\(Aspiration: (.+)\))re", nullptr, 0, 18);
    tests << test(20, Sim1, R"re(^.+ was taken away by the Social Worker\.)re",
                  toAdoptionQueue);
    tests << test(21, Sim1, R"re(^.+ was removed by the police\.)re",
                  toAdoptionQueue);
    tests << test(22, BothSims, R"re(^.+ was given or sold to .+\.)re",
                  toSecondSimsHousehold);
    tests << test(23, Sim1, R"re(^.+ was put up for adoption\.)re",
                  toAdoptionQueue);
    tests << test(24, Sim1, R"re(^.+ ran away from home\.)re",
                  [](const Context &ctx, const QStringList &, const QStringList *) {
                      ctx.sim1->setHousehold(QStringLiteral("Runaways"));
                  });
    tests << test(25, BothSims, R"re(^.+ returned home to .+\.)re",
                  toSecondSimsHousehold);
    tests << test(26, BothSims, R"re(^.+ was found and returned to .+\.)re",
                  toSecondSimsHousehold);
    tests << test(27, Sim1,
                  R"re(.+ grew up (well|badly) and went to college\. \(Major: (.+)\))re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->setInCollege(true);
                      ctx.sim1->setMajor(c[1]);
                      ctx.sim1->setHold(1);
                  });
    tests << test(28, Sim1,
                  R"re(^.+ grew up (well|badly) and (.+) (of|from) college\. \(Major: (.*)\))re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->setInCollege(false);
                      if (c[1].contains("graduated"))
                          ctx.sim1->setMajor(c[3]);
                  });

    // Deaths and age changes.
    tests << test(29, Sim1, R"re(^.+ died of old age\.)re",
                  [](const Context &ctx, const QStringList &, const QStringList *) {
                      ctx.sim1->die(GhostColor::White);
                  });
    tests << test(30, Sim1, QStringLiteral("^.+ (%1)\\.").arg(deathCausePattern()),
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->die(lookup(deathCauses(), c[0], GhostColor::White));
                  });
    tests << test(31, Sim1, R"re(^.+ was brought back to life (successfully|as a zombie) by .+\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->resurrect(c[0] == QLatin1String("successfully"));
                  });
    // Gaining days makes a sim younger.
    tests << test(32, Sim1, R"re(^.+ drank Elixer of Life and (gained|lost) three sim days\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->addDays(c[0] == QLatin1String("gained") ? -3 : 3);
                  });
    tests << test(33, Sim1,
                  R"re(^.+ drank a glass of Cowplant milk and gained five sim days\.)re",
                  [](const Context &ctx, const QStringList &, const QStringList *) {
                      ctx.sim1->addDays(-5);
                  });
    tests << test(34, Sim1, R"re(^.+ ate the Kibble of Life and (.+) three sim days\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->addDays(c[0] == QLatin1String("gained") ? -3 : 3);
                  });

    // Households, family, names, aspirations, majors and life states.
    tests << test(35, Sim1, R"re(^.+ moved out to form the (.+) household\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched Household RegExp");
                      say(c[0]);
                      say(QStringLiteral("0x%1").arg(
                          reinterpret_cast<quintptr>(ctx.sim1.data()), 0, 16));
                      ctx.sim1->setHousehold(c[0]);
                      say("Successfully set household");
                  });
    tests << test(36, Sim1, R"re(^.+ moved to the (.+) household\.)re",
                  toNamedHousehold);
    tests << test(37, Sim1, R"re(^.+'s grave was moved to the (.+) household\.)re",
                  toNamedHousehold);
    tests << test(38, Sim1,
                  R"re(^.+ got married/joined to .+ and changed his or her name to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->setName(c[0]);
                      ctx.sim1->setSpouse(ctx.sim2);
                  });
    tests << test(39, BothSims, R"re(^.+ broke up with .+\.)re",
                  [](const Context &ctx, const QStringList &, const QStringList *) {
                      // Leave no one-sided link behind: a partner or former
                      // partner of either sim that still names it as spouse
                      // lets go too.
                      const Sim *pair[] = {ctx.sim1, ctx.sim2};
                      SimList partners = ctx.sheetSims;
                      partners << ctx.sim1->spouse() << ctx.sim2->spouse();
                      for (const QPointer<Sim> &partner : std::as_const(partners)) {
                          if (!partner)
                              continue;
                          const Sim *back = partner->spouse();
                          if (back == pair[0] || back == pair[1])
                              partner->clearSpouse();
                      }
                      ctx.sim1->clearSpouse();
                      ctx.sim2->clearSpouse();
                  });
    tests << test(40, Sim1, R"re(^.+ changed his or her name to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->setName(c[0]);
                  });
    tests << test(41, Sim1, R"re(^.+ changed his or her aspiration to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int aspiration = aspirationFromName(c[0]);
                      if (aspiration != Aspiration::None)
                          ctx.sim1->addAspiration(aspiration, 0);
                  });
    tests << test(42, Sim1, R"re(^.+ changed his or her major to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->setMajor(c[0]);
                  });
    tests << test(43, Sim1, R"re(^.+ was bitten by a vampire\.)re",
                  gainState<SimTypeFlags::Vampire>);
    tests << test(44, Sim1, R"re(^.+ was bitten by a werewolf\.)re",
                  gainState<SimTypeFlags::Werewolf>);
    tests << test(45, Sim1, R"re(^.+ was mutated into a plantsim by a cloud of pesticide.)re",
                  gainState<SimTypeFlags::Plantsim>);
    tests << test(46, Sim1, R"re(^.+ was given the powers of (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->setFlag(SimTypeFlags::Witch);
                      bool found = false;
                      const int alignment = lookup(powerWords(), c[0], Alignment::Neutral, &found);
                      if (found)
                          ctx.sim1->setWitchAlignment(alignment);
                  });
    tests << test(47, Sim1, R"re(^.+ changed alignment to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      bool found = false;
                      const int alignment = lookup(alignmentWords(), c[0], Alignment::Neutral, &found);
                      if (found)
                          ctx.sim1->setWitchAlignment(alignment);
                  });
    tests << test(48, Sim1, R"re(^.+ drank Vamprocillin and became human again\.)re",
                  loseState<SimTypeFlags::Vampire>);
    tests << test(49, Sim1, R"re(^.+ was cured of Lycanthropy\.)re",
                  loseState<SimTypeFlags::Werewolf>);
    tests << test(50, Sim1, R"re(^.+ was cured of Plantsiminism\.)re",
                  loseState<SimTypeFlags::Plantsim>);
    tests << test(51, Sim1, R"re(^.+ was cured of Witchiness\.)re",
                  loseState<SimTypeFlags::Witch>);
    return tests;
}

// Compiled once, on first use.
const QList<Test> &tests()
{
    static const QList<Test> table = buildTests();
    return table;
}

const Test *testNumbered(int number)
{
    const QList<Test> &all = tests();
    return number >= 1 && number <= all.size() ? &all[number - 1] : nullptr;
}

bool matchTest(const Test &test, const QString &sentence, QList<Match> *out)
{
    const QRegularExpressionMatch found = test.pattern.match(sentence);
    if (!found.hasMatch())
        return false;
    Match match{test.number, {}};
    for (int group = 1; group <= test.pattern.captureCount(); ++group)
        match.captures << found.captured(group);
    out->append(match);
    return true;
}

bool hasNeededSims(const Test &test, const Context &ctx)
{
    if ((test.needs & Sim1) && !ctx.sim1)
        return false;
    if ((test.needs & Sim2) && !ctx.sim2)
        return false;
    return true;
}

} // namespace

QList<Match> matches(const QString &sentence)
{
    QList<Match> found;
    for (const Test &test : tests()) {
        if (test.outer != 0)
            continue; // tried only inside its outer test
        if (matchTest(test, sentence, &found) && test.inner != 0)
            matchTest(*testNumbered(test.inner), sentence, &found);
    }
    return found;
}

void carryOut(const QString &sentence, const QPointer<Sim> &sim1, const QPointer<Sim> &sim2,
              const SimList &sheetSims, UpdateEntry *entry)
{
    const Context ctx{sentence, sim1, sim2, sheetSims, entry};
    const QList<Match> found = matches(sentence);
    for (int i = 0; i < found.size(); ++i) {
        const Test *test = testNumbered(found[i].test);
        if (!test->handler)
            continue; // a nested test acts inside its outer one
        const QStringList *inner = nullptr;
        if (test->inner != 0 && i + 1 < found.size() && found[i + 1].test == test->inner)
            inner = &found[i + 1].captures;
        if (hasNeededSims(*test, ctx))
            test->handler(ctx, found[i].captures, inner);
    }
}

int aspirationFromName(const QString &name)
{
    static const WordTable words{
        {"Fortune", Aspiration::Fortune},     {"Family", Aspiration::Family},
        {"Romance", Aspiration::Romance},     {"Popularity", Aspiration::Popularity},
        {"Knowledge", Aspiration::Knowledge}, {"Pleasure", Aspiration::Pleasure},
        {"Grilled Cheese", Aspiration::GrilledCheese}, {"Grow Up", Aspiration::GrowUp}};
    return lookup(words, name, Aspiration::None);
}

int dayRuleHold(int day, const QString &beforeOrAfter)
{
    const int hold = beforeOrAfter == QLatin1String("before") ? day - 1 : day;
    return std::max(hold, 0);
}

} // namespace SentenceParser
