#include "support/RequestText.h"

#include "records/Sim.h"

namespace RequestText {

QString nameOf(const Sim *sim)
{
    return sim ? sim->name() : QStringLiteral("-");
}

QString newSim(const QString &name, int gender, int age, int aspiration, int hold,
               const QString &household, int flags, const Sim *parent1, const Sim *parent2)
{
    return QStringLiteral("newSim(%1,%2,%3,%4,%5,%6,%7,%8,%9)")
        .arg(name)
        .arg(gender)
        .arg(age)
        .arg(aspiration)
        .arg(hold)
        .arg(household)
        .arg(flags)
        .arg(nameOf(parent1), nameOf(parent2));
}

QString newTowniePair(const QString &parentName, int parentAge, const QString &babyName,
                      int babyGender, int babyHold, int flags, const Sim *otherParent)
{
    return QStringLiteral("newTowniePair(%1,%2,%3,%4,%5,%6,%7)")
        .arg(parentName)
        .arg(parentAge)
        .arg(babyName)
        .arg(babyGender)
        .arg(babyHold)
        .arg(flags)
        .arg(nameOf(otherParent));
}

QString holdAllBut(const Sim *sim, int hold)
{
    return QStringLiteral("holdAllBut(%1,%2)").arg(nameOf(sim)).arg(hold);
}

QString holdHousehold(const QString &household, int hold)
{
    return QStringLiteral("holdHousehold(%1,%2)").arg(household).arg(hold);
}

QString holdAllHouseholdsBut(const QString &household, int hold)
{
    return QStringLiteral("holdAllHouseholdsBut(%1,%2)").arg(household).arg(hold);
}

} // namespace RequestText
