// Sentences of households, marriage, names, aspirations, majors and life states.
#include "events/sentences/SentenceTable.h"

namespace SentenceParser {
namespace Table {

namespace {

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

// The household named by capture 1.
void toNamedHousehold(const Context &ctx, const QStringList &c, const QStringList *)
{
    ctx.texts->setHousehold(ctx.sim1, c[0]);
}

} // namespace

void addFamilyNameAspirationAndStateTests(QList<Test> &tests)
{
    tests << test(35, Sim1, R"re(^.+ moved out to form the (.+) household\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      say("Matched Household RegExp");
                      say(c[0]);
                      say(QStringLiteral("0x%1").arg(
                          reinterpret_cast<quintptr>(ctx.sim1.data()), 0, 16));
                      // A refused household says so on a line of its own instead.
                      if (ctx.texts->setHousehold(ctx.sim1, c[0]))
                          say("Successfully set household");
                  });
    tests << test(36, Sim1, R"re(^.+ moved to the (.+) household\.)re",
                  toNamedHousehold);
    tests << test(37, Sim1, R"re(^.+'s grave was moved to the (.+) household\.)re",
                  toNamedHousehold);
    tests << test(38, Sim1,
                  R"re(^.+ got married/joined to .+ and changed his or her name to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.texts->setName(ctx.sim1, c[0]);
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
                      ctx.texts->setName(ctx.sim1, c[0]);
                  });
    tests << test(41, Sim1, R"re(^.+ changed his or her aspiration to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      const int aspiration = aspirationFromName(c[0]);
                      if (aspiration != Aspiration::None)
                          ctx.sim1->addAspiration(aspiration, 0);
                  });
    tests << test(42, Sim1, R"re(^.+ changed his or her major to (.+)\.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.texts->setMajor(ctx.sim1, c[0]);
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
}

} // namespace Table
} // namespace SentenceParser
