#include "support/LinkCheck.h"

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
