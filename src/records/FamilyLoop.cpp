#include "records/FamilyLoop.h"

#include "records/Console.h"
#include "records/ListFileText.h"
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

Sim *parentUnlessLoop(Sim *parent, const Sim *child)
{
    if (!makesFamilyLoop(parent, child))
        return parent;
    // Names are shown on one line, as every line of standard output is.
    Console::line(QLatin1String("Skipped making ") + ListFileText::singleLine(parent->name())
                  + QLatin1String(" a parent of ") + ListFileText::singleLine(child->name())
                  + QLatin1String(". ") + familyLoopRefusal());
    return nullptr;
}
