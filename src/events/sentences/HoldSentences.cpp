// Sentences of holds, growing up, leaving and rejoining households, and college.
#include "events/sentences/SentenceTable.h"

namespace SentenceParser {
namespace Table {

namespace {

void toAdoptionQueue(const Context &ctx, const QStringList &, const QStringList *)
{
    ctx.sim1->setHousehold(QStringLiteral("Adoption Queue"));
}

// sim1 goes to live with sim2.
void toSecondSimsHousehold(const Context &ctx, const QStringList &, const QStringList *)
{
    joinHouseholdOf(ctx, ctx.sim1, ctx.sim2);
}

} // namespace

void addHoldGrowthCollegeAndHouseholdTests(QList<Test> &tests)
{
    tests << test(16, NoSim, R"re(^Put .+ on hold for (\d+) days.)re",
                  [](const Context &ctx, const QStringList &c, const QStringList *household) {
                      const int hold = number(c[0]);
                      say(QStringLiteral("rotations:%1").arg(hold));
                      if (household) {
                          if (ctx.sentence.contains("all households except"))
                              ctx.requests->holdAllHouseholdsBut(household->at(0), hold);
                          else
                              ctx.requests->holdHousehold(household->at(0), hold);
                      } else if (ctx.sentence.contains("all sims and pets except")) {
                          // Without the one sim to spare, this would hold everyone.
                          if (ctx.sim1)
                              ctx.requests->holdAllBut(ctx.sim1.data(), hold);
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
                      ctx.texts->setMajor(ctx.sim1, c[1]);
                      ctx.sim1->setHold(1);
                  });
    tests << test(28, Sim1,
                  R"re(^.+ grew up (well|badly) and (.+) (of|from) college\. \(Major: (.*)\))re",
                  [](const Context &ctx, const QStringList &c, const QStringList *) {
                      ctx.sim1->setInCollege(false);
                      if (c[1].contains("graduated"))
                          ctx.texts->setMajor(ctx.sim1, c[3]);
                  });
}

} // namespace Table
} // namespace SentenceParser
