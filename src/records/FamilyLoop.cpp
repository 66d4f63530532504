#include "records/FamilyLoop.h"

#include "records/Console.h"
#include "records/ListFileText.h"
#include "records/Sim.h"

#include <QHash>
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

namespace {

// The parent links of a list as its lines give them: each sim in list
// order, its children in the order its line names them.
QList<ParentLink> parentLinks(const SimList &list)
{
    QList<ParentLink> links;
    for (const QPointer<Sim> &parent : list) {
        if (!parent)
            continue;
        for (int i = 0; i < parent->childCount(); ++i)
            links.append({parent, parent->child(i)});
    }
    return links;
}

// Whether the links run in a circle anywhere, in time linear in their
// number: a sim is set aside once all its parents are, which every sim of a
// family without a loop eventually is.
bool hasLoop(const QList<ParentLink> &links)
{
    QHash<const Sim *, int> parentsLeft;
    QHash<const Sim *, QList<const Sim *>> children;
    for (const ParentLink &link : links) {
        ++parentsLeft[link.child.data()];
        if (!parentsLeft.contains(link.parent.data()))
            parentsLeft.insert(link.parent.data(), 0);
        children[link.parent.data()].append(link.child.data());
    }
    QList<const Sim *> free;
    for (auto it = parentsLeft.cbegin(); it != parentsLeft.cend(); ++it) {
        if (it.value() == 0)
            free.append(it.key());
    }
    qsizetype setAside = 0;
    while (!free.isEmpty()) {
        const Sim *sim = free.takeLast();
        ++setAside;
        for (const Sim *child : children.value(sim)) {
            if (--parentsLeft[child] == 0)
                free.append(child);
        }
    }
    return setAside < parentsLeft.size();
}

} // namespace

QList<ParentLink> settleReadLinks(const SimList &list)
{
    Sim::dropOneSidedLinks(list);
    const QList<ParentLink> links = parentLinks(list);
    if (!hasLoop(links))
        return {};
    // Links are taken one at a time; one whose child already stands above
    // its parent through the links taken is refused.
    QHash<const Sim *, QList<const Sim *>> taken;
    QList<ParentLink> refused;
    for (const ParentLink &link : links) {
        const auto below = [&](const Sim *sim) { return taken.value(sim); };
        if (link.parent == link.child || reaches(link.child.data(), link.parent.data(), below))
            refused.append(link);
        else
            taken[link.parent.data()].append(link.child.data());
    }
    for (const ParentLink &link : qAsConst(refused)) {
        Sim *parent = link.parent.data();
        Sim *child = link.child.data();
        for (int i = parent->childCount() - 1; i >= 0; --i) {
            if (parent->child(i) == child)
                parent->removeChild(i);
        }
        if (child->parent1() == parent)
            child->clearParent1();
        if (child->parent2() == parent)
            child->clearParent2();
    }
    return refused;
}
