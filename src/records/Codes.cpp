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
