#include "events/SentenceParser.h"

#include "events/sentences/SentenceTable.h"

#include <algorithm>

namespace SentenceParser {

using namespace Table;

namespace {


QList<Test> buildTests()
{
    QList<Test> tests;
    addNewSimTests(tests);
    addHoldGrowthCollegeAndHouseholdTests(tests);
    addDeathAndAgeChangeTests(tests);
    addFamilyNameAspirationAndStateTests(tests);
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
              const SimList &sheetSims, SheetRequests &requests)
{
    TextGuard texts;
    GuardedRequests guarded(requests, texts);
    const Context ctx{sentence, sim1, sim2, sheetSims, &guarded, &texts};
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
