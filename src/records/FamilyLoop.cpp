#include "records/FamilyLoop.h"

#include "records/Sim.h"

#include <QList>
#include <QSet>

namespace {

// Whether `target` is reached from `start` by following `next`.
template <typename Next>
bool reaches(const Sim *start, const Sim *target, Next next)
{
    QSet<const Sim *> seen{start};
    QList<const Sim *> todo{start};
    while (!todo.isEmpty()) {
        const Sim *sim = todo.takeLast();
        for (const Sim *step : next(sim)) {
            if (!step || seen.contains(step))
                continue;
            if (step == target)
                return true;
            seen.insert(step);
            todo.append(step);
        }
    }
    return false;
}

QList<const Sim *> parentsOf(const Sim *sim)
{
    return {sim->parent1().data(), sim->parent2().data()};
}

QList<const Sim *> childrenOf(const Sim *sim)
{
    QList<const Sim *> children;
    for (int i = 0; i < sim->childCount(); ++i)
        children.append(sim->child(i).data());
    return children;
}

} // namespace

bool makesFamilyLoop(const Sim *parent, const Sim *child)
{
    if (!parent || !child)
        return false;
    return parent == child || reaches(parent, child, parentsOf) || reaches(child, parent, childrenOf);
}

QString familyLoopRefusal()
{
    return QStringLiteral("That would make a sim its own ancestor.");
}
