#include "events/sentences/SentenceTable.h"

#include "records/Console.h"

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

void joinHouseholdOf(Sim *sim, const Sim *host)
{
    sim->setHousehold(host->household());
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
