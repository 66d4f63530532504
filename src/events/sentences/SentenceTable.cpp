#include "events/sentences/SentenceTable.h"

#include "records/Console.h"
#include "records/ListFileText.h"

namespace SentenceParser {
namespace Table {

void say(const QString &line)
{
    Console::line(line);
}

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

int lookup(const WordTable &table, const QString &word, int otherwise, bool *found)
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

void joinHouseholdOf(const Context &ctx, Sim *sim, const Sim *host)
{
    ctx.texts->setHousehold(sim, host->household());
}

namespace {

// A sim as a line on standard output names it.
QString who(const Sim *sim)
{
    return ListFileText::singleLine(sim->name());
}

} // namespace

bool TextGuard::fits(Field field, const QString &text, const QString &skipped)
{
    // Named as the sim form names them.
    static const QString labels[] = {QStringLiteral("A sim's name"),
                                     QStringLiteral("A household name"), QStringLiteral("A major")};
    const QString problem = ListFileText::fieldProblem(labels[int(field)], text);
    if (problem.isEmpty())
        return true;
    const QString line = QLatin1String("Skipped ") + skipped + QLatin1String(". ") + problem;
    if (!m_said.contains(line)) {
        m_said << line;
        say(line);
    }
    return false;
}

bool TextGuard::change(Sim *sim, Field field, const QString &text,
                       void (Sim::*set)(const QString &))
{
    static const QString words[] = {QStringLiteral("name"), QStringLiteral("household"),
                                    QStringLiteral("major")};
    if (!fits(field, text,
              QLatin1String("the new ") + words[int(field)] + QLatin1String(" of ") + who(sim)))
        return false;
    (sim->*set)(text);
    return true;
}

bool TextGuard::setName(Sim *sim, const QString &name)
{
    return change(sim, Field::Name, name, &Sim::setName);
}

bool TextGuard::setHousehold(Sim *sim, const QString &household)
{
    return change(sim, Field::Household, household, &Sim::setHousehold);
}

bool TextGuard::setMajor(Sim *sim, const QString &major)
{
    return change(sim, Field::Major, major, &Sim::setMajor);
}

GuardedRequests::GuardedRequests(SheetRequests &sheet, TextGuard &guard)
    : m_sheet(sheet)
    , m_guard(guard)
{
}

void GuardedRequests::newSim(const QString &name, int gender, int age, int aspiration, int hold,
                             const QString &household, int flags, Sim *parent1, Sim *parent2)
{
    if (!m_guard.fits(Field::Name, name, QStringLiteral("a new sim")))
        return;
    // The sheet leaves a new sim without a household "At Large".
    const bool householdFits = m_guard.fits(
        Field::Household, household, QLatin1String("the household of the new sim ") + name);
    m_sheet.newSim(name, gender, age, aspiration, hold, householdFits ? household : QString(),
                   flags, parent1, parent2);
}

void GuardedRequests::newTowniePair(const QString &parentName, int parentAge,
                                    const QString &babyName, int babyGender, int babyHold,
                                    int flags, Sim *otherParent)
{
    // The young one is made with its townie or stray parent, or not at all.
    const QString skipped = QStringLiteral("a new sim and its townie or stray parent");
    if (!m_guard.fits(Field::Name, babyName, skipped)
        || !m_guard.fits(Field::Name, parentName, skipped))
        return;
    m_sheet.newTowniePair(parentName, parentAge, babyName, babyGender, babyHold, flags,
                          otherParent);
}

void GuardedRequests::holdAllBut(Sim *sim, int hold)
{
    m_sheet.holdAllBut(sim, hold);
}

void GuardedRequests::holdHousehold(const QString &household, int hold)
{
    m_sheet.holdHousehold(household, hold);
}

void GuardedRequests::holdAllHouseholdsBut(const QString &household, int hold)
{
    m_sheet.holdAllHouseholdsBut(household, hold);
}

void GuardedRequests::removeSim(Sim *sim)
{
    m_sheet.removeSim(sim);
}

Test test(int number, Needs needs, const QString &pattern, Handler handler, int inner, int outer)
{
    // "." takes any character, line breaks included, and the pattern must
    // cover the whole sentence.
    const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern),
                                   QRegularExpression::DotMatchesEverythingOption);
    return Test{number, needs, inner, outer, whole, handler};
}

} // namespace Table
} // namespace SentenceParser
