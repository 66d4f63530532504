#include "records/AgeText.h"

#include "records/Codes.h"

namespace AgeText {

namespace {

QString days(qint64 value, const char *suffix)
{
    return QString::number(value) + QLatin1String(suffix);
}

} // namespace

QString daysOld(int age)
{
    return days(age, " days old");
}

QString untilNextStage(int age, int kind, int humanElderShift)
{
    const qint64 a = age;

    // A plantsim or a pet is an adult from adultAt and an elder from elderAt.
    struct Stages
    {
        int kind;
        int adultAt;
        int elderAt;
    };
    static const Stages kinds[] = {
        {SimTypeFlags::Plantsim, 4, 33},
        {Species::LargeDog, 4, 26},
        {Species::SmallDog, 4, 30},
        {Species::Cat, 5, 31},
    };
    for (const Stages &stages : kinds) {
        if (kind != stages.kind)
            continue;
        if (a >= stages.elderAt)
            return days(a, " days old");
        if (a < stages.adultAt)
            return days(stages.adultAt - a, " days until Adult");
        return days(stages.elderAt - a, " days until Elder");
    }

    if (a > 58)
        return days(a - humanElderShift, " days old");
    if (a > 29)
        return days(59 - a, " days until Elder");
    if (a > 14)
        return days(30 - a, " days until Adult");
    if (a > 6)
        return days(15 - a, " days until Teen");
    if (a <= 2)
        return days(3 - a, " days until Toddler");
    return days(7 - a, " days until Child");
}

} // namespace AgeText
