#include "records/Codes.h"

namespace SpecialHousehold {

const QStringList &names()
{
    static const QStringList list{
        QStringLiteral("Runaways"),        QStringLiteral("Adoption Queue"),
        QStringLiteral("Townies and Dormies"), QStringLiteral("Downtown"),
        QStringLiteral("Garden Club"),     QStringLiteral("Service NPCs"),
        QStringLiteral("Island Locals"),   QStringLiteral("Mountain Locals"),
        QStringLiteral("Asian Locals"),    QStringLiteral("Tourists"),
        QStringLiteral("Socialites"),      QStringLiteral("Gearheads"),
        QStringLiteral("Techies"),         QStringLiteral("Jocks"),
        QStringLiteral("Bohemians"),       QStringLiteral("Hobby Mavens")};
    return list;
}

bool contains(const QString &household)
{
    return names().contains(household); // exact and case-sensitive
}

} // namespace SpecialHousehold

namespace Species {

int fromExportWord(const QString &word)
{
    if (word == QLatin1String("Human"))
        return Human;
    if (word == QLatin1String("LargeDog"))
        return LargeDog;
    if (word == QLatin1String("SmallDog"))
        return SmallDog;
    if (word == QLatin1String("Cat"))
        return Cat;
    return -1;
}

int fromFlags(int flags)
{
    if (flags & LargeDog)
        return LargeDog;
    if (flags & SmallDog)
        return SmallDog;
    if (flags & Cat)
        return Cat;
    return Human;
}

} // namespace Species

namespace Aspiration {

QString name(int code)
{
    static const char *const names[] = {"Fortune",   "Family",   "Romance",        "Popularity",
                                        "Knowledge", "Pleasure", "Grilled Cheese", "Grow Up"};
    if (code < Fortune || code > GrowUp)
        return QString();
    return QString::fromLatin1(names[code - Fortune]);
}

int fromExportWord(const QString &word)
{
    static const char *const words[] = {"Fortune",   "Family", "Romance", "Reputation",
                                        "Knowledge", "Fun",    "Chees",   "Growup"};
    for (int code = Fortune; code <= GrowUp; ++code) {
        if (word == QLatin1String(words[code - Fortune]))
            return code;
    }
    return -1;
}

} // namespace Aspiration

namespace GhostColor {

QString word(int code)
{
    static const char *const words[] = {"Pink",   "Green",  "Yellow", "Blue",        "Orange",
                                        "Purple", "Red",    "White",  "Transparent", "Bright Green"};
    if (code < Pink || code > BrightGreen)
        return QString();
    return QString::fromLatin1(words[code]);
}

} // namespace GhostColor

namespace Alignment {

QString witchSuffix(int code)
{
    static const char *const suffixes[] = {" Atrociously Evil Witch", " Evil Witch", " Mean Witch",
                                           " Neutral Witch",          " Nice Witch", " Good Witch",
                                           " Infallibly Good Witch"};
    if (code < AtrociouslyEvil || code > InfalliblyGood)
        return QStringLiteral(" Witch");
    return QString::fromLatin1(suffixes[code - AtrociouslyEvil]);
}

} // namespace Alignment
