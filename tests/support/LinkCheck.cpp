#include "support/LinkCheck.h"

#include "records/FamilyLoop.h"

#include <QSet>

#include <algorithm>
#include <memory>
#include <vector>

QStringList linksOffTheList(const SimList &sims)
{
    QStringList out;
    const auto check = [&](const Sim *from, const char *what, const QPointer<Sim> &to) {
        if (to && !sims.contains(to))
            out << from->name() + "." + what;
    };
    for (const auto &sim : sims) {
        check(sim, "parent1", sim->parent1());
        check(sim, "parent2", sim->parent2());
        check(sim, "spouse", sim->spouse());
        for (int i = 0; i < sim->childCount(); ++i)
            check(sim, "child", sim->child(i));
    }
    return out;
}

namespace {

bool lists(const Sim *parent, const Sim *child)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i) == child)
            return true;
    }
    return false;
}

bool isOwnAncestor(const Sim *sim)
{
    QSet<const Sim *> seen;
    QList<const Sim *> todo{sim};
    while (!todo.isEmpty()) {
        const Sim *next = todo.takeLast();
        for (const Sim *parent : {next->parent1().data(), next->parent2().data()}) {
            if (!parent)
                continue;
            if (parent == sim)
                return true;
            if (!seen.contains(parent)) {
                seen.insert(parent);
                todo << parent;
            }
        }
    }
    return false;
}

// A sim's links by positions in its list: spouse, parents and children, the
// last two sorted, since the order in which the file's lines add them is
// not a link of its own.
QString linkSignature(const SimList &list, const Sim *sim)
{
    const auto at = [&](const QPointer<Sim> &relative) {
        return relative ? int(list.indexOf(relative)) : -1;
    };
    QList<int> parents{at(sim->parent1()), at(sim->parent2())};
    QList<int> children;
    for (int i = 0; i < sim->childCount(); ++i)
        children << at(sim->child(i));
    std::sort(parents.begin(), parents.end());
    std::sort(children.begin(), children.end());
    QStringList parts{QString::number(at(sim->spouse()))};
    for (int parent : parents)
        parts << QString::number(parent);
    parts << QStringLiteral("|");
    for (int child : children)
        parts << QString::number(child);
    return parts.join(QLatin1Char(' '));
}

// The positions of the sims whose links come out otherwise when the
// family-link lines of the list are read into new records, as opening the
// saved list would.
QList<int> positionsReadBackOtherwise(const SimList &sims)
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList fresh;
    for (int i = 0; i < sims.size(); ++i) {
        owned.push_back(std::make_unique<Sim>());
        fresh << owned.back().get();
    }
    for (int i = 0; i < sims.size(); ++i)
        fresh.at(i)->familyLinksFromString(sims.at(i)->familyLinksToString(sims), fresh);
    settleReadLinks(fresh);
    QList<int> out;
    for (int i = 0; i < sims.size(); ++i) {
        if (linkSignature(fresh, fresh.at(i)) != linkSignature(sims, sims.at(i)))
            out << i;
    }
    return out;
}

} // namespace

namespace {

QString placed(const SimList &sims, const Sim *sim)
{
    return sim->name() + "#" + QString::number(sims.indexOf(sim));
}

} // namespace

QStringList oneSidedLinks(const SimList &sims)
{
    QStringList out;
    for (const auto &sim : sims) {
        const QPointer<Sim> spouse = sim->spouse();
        if (spouse == sim)
            out << placed(sims, sim) + ".own spouse";
        else if (spouse && spouse->spouse() != sim)
            out << placed(sims, sim) + ".spouse";
        for (const QPointer<Sim> &parent : {sim->parent1(), sim->parent2()}) {
            if (parent && !lists(parent, sim))
                out << placed(sims, sim) + ".parent";
        }
        for (int i = 0; i < sim->childCount(); ++i) {
            if (!sim->child(i)->hasParent(sim))
                out << placed(sims, sim) + ".child";
        }
    }
    return out;
}

QStringList linksReadBackOtherwise(const SimList &sims)
{
    QStringList out;
    for (int at : positionsReadBackOtherwise(sims))
        out << placed(sims, sims.at(at)) + ".reads back";
    return out;
}

QStringList familyLinkFaults(const SimList &sims)
{
    QStringList out = oneSidedLinks(sims);
    bool offList = false;
    for (const auto &sim : sims) {
        QList<QPointer<Sim>> relatives{sim->parent1(), sim->parent2(), sim->spouse()};
        for (int i = 0; i < sim->childCount(); ++i)
            relatives << sim->child(i);
        for (const QPointer<Sim> &relative : relatives) {
            if (relative && !sims.contains(relative)) {
                out << placed(sims, sim) + ".off";
                offList = true;
                break;
            }
        }
        if (sim->parent1() && sim->parent1() == sim->parent2())
            out << placed(sims, sim) + ".both parents";
        if (isOwnAncestor(sim))
            out << placed(sims, sim) + ".own ancestor";
    }
    // Links off the list cannot be written, so they cannot read back either.
    if (!offList)
        out << linksReadBackOtherwise(sims);
    return out;
}
