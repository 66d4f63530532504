#include "records/HouseholdLine.h"

#include "records/Codes.h"
#include "records/ListFileText.h"

namespace HouseholdLine {

QString format(const QString &name, const QString &mark)
{
    // A line break would end the section early and shift every family-link
    // line after it; the sim line writes the household the same way, so the
    // mark still finds its household when the list is opened again.
    return ListFileText::singleLine(name) + QLatin1Char(',') + ListFileText::singleLine(mark);
}

bool parse(const QString &line, Fields *out)
{
    const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return false;
    const QString name = line.left(comma);
    const QString mark = line.mid(comma + 1);
    const bool written = mark == QLatin1String("Yes") || mark == QLatin1String("No")
        || (mark.isEmpty() && SpecialHousehold::contains(name));
    if (!written)
        return false;
    out->name = name;
    out->mark = mark;
    return true;
}

} // namespace HouseholdLine
