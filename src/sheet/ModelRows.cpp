#include "sheet/ModelRows.h"

#include "records/AgeText.h"
#include "records/Codes.h"
#include "records/Console.h"
#include "sheet/Households.h"

#include <QHash>

#include <algorithm>
#include <set>
#include <utility>

namespace ModelRows {

QString ageText(int age, int kind, int ageDisplay)
{
    if (ageDisplay == 0)
        return AgeText::daysOld(age);
    // A human elder shows four days fewer than its age.
    return AgeText::untilNextStage(age, kind, 4);
}

int kindCode(const Sim &sim)
{
    int kind = 0;
    if (sim.hasFlag(SimTypeFlags::Plantsim))
        kind = SimTypeFlags::Plantsim;
    for (int species : {int(Species::LargeDog), int(Species::SmallDog), int(Species::Cat)}) {
        if (sim.isSpecies(species))
            kind = species;
    }
    return kind;
}

SimRows simRows(const SimList &sims, const FilterMasks &masks, int ageDisplay, int epFlags)
{
    SimRows out;
    const bool withSecondary = epFlags & EPFlags::FreeTime;
    for (int i = 0; i < sims.size(); ++i) {
        const Sim *sim = sims.at(i);
        if (!sim || !masks.passes(*sim))
            continue;
        SimRow row;
        row.name = sim->name();
        row.household = sim->household();
        row.age = ageText(sim->age(), kindCode(*sim), ageDisplay);
        row.lifeStage = sim->lifeStageText();
        row.aspiration = sim->aspirationName(-1);
        if (withSecondary)
            row.aspiration += QLatin1Char('/') + sim->secondaryAspirationName(-1);
        out.rows.append(row);
        out.rowToSim.append(i);
    }
    return out;
}

SimList nidSorted(const SimList &sims)
{
    SimList list;
    for (const QPointer<Sim> &sim : sims) {
        if (sim && sim->nid() >= 0)
            list.append(sim);
    }
    // The selection sort puts at each position j the first entry of
    // smallest NID among positions j and after, swapping the entry at j into
    // its place. The same swaps, found through an ordered set of the
    // unplaced (NID, position) pairs, keep its order among equal NIDs.
    std::set<std::pair<int, int>> unplaced;
    for (int i = 0; i < list.size(); ++i)
        unplaced.emplace(list.at(i)->nid(), i);
    for (int j = 0; j < list.size(); ++j) {
        const int m = unplaced.begin()->second;
        unplaced.erase(unplaced.begin());
        if (m == j)
            continue;
        unplaced.erase({list.at(j)->nid(), j});
        list.swapItemsAt(j, m);
        unplaced.emplace(list.at(m)->nid(), m);
    }
    return list;
}

QList<HouseholdRow> householdRows(const SimList &sims, const QList<HouseholdRow> &previous)
{
    Console::line(QStringLiteral("Updating household model..."));
    QHash<QString, bool> played;
    for (const HouseholdRow &row : previous) {
        const bool yes = row.played == QLatin1String("Yes");
        Console::line(row.name + QLatin1String(", ") + (yes ? QLatin1Char('1') : QLatin1Char('0')));
        played.insert(row.name, yes);
    }

    Console::line(QStringLiteral("Compiling list of households..."));
    QStringList names = Households::names(sims);
    names.removeAll(QString());

    Console::line(QStringLiteral("Adding households to model..."));
    QList<HouseholdRow> rows;
    rows.reserve(names.size());
    for (const QString &name : names) {
        Console::line(QStringLiteral("Added household name"));
        Console::line(name);
        HouseholdRow row{name, QString()};
        if (!SpecialHousehold::contains(name)) {
            const bool yes = played.value(name, false);
            Console::text(yes ? QStringLiteral("1") : QStringLiteral("0"));
            row.played = yes ? QStringLiteral("Yes") : QStringLiteral("No");
        }
        rows.append(row);
    }
    return rows;
}

QList<HouseholdRow> renamedHousehold(QList<HouseholdRow> rows, const QString &oldName,
                                     const QString &newName)
{
    if (oldName == newName)
        return rows;
    const auto isOld = [&oldName](const HouseholdRow &row) { return row.name == oldName; };
    const auto old = std::find_if(rows.cbegin(), rows.cend(), isOld);
    if (old == rows.cend())
        return rows;
    const QString mark = old->played;
    rows.removeIf(isOld);
    for (HouseholdRow &row : rows) {
        if (row.name == newName) {
            if (mark == QLatin1String("Yes"))
                row.played = mark;
            return rows;
        }
    }
    rows.append({newName, mark});
    return rows;
}

} // namespace ModelRows
