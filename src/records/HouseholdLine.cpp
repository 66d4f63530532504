#include "records/HouseholdLine.h"

namespace HouseholdLine {

QString format(const QString &name, const QString &mark)
{
    return name + QLatin1Char(',') + mark;
}

bool parse(const QString &line, Fields *out)
{
    const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return false;
    out->name = line.left(comma);
    out->mark = line.mid(comma + 1);
    return true;
}

} // namespace HouseholdLine
