// Sentences of deaths, resurrections and age changes.
#include "events/sentences/SentenceTable.h"

namespace SentenceParser {
namespace Table {

namespace {

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

} // namespace

void addDeathAndAgeChangeTests(QList<Test> &tests)
{
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
}

} // namespace Table
} // namespace SentenceParser
