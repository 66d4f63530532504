#include "sheet/SimCreation.h"

#include "records/Console.h"
#include "records/FamilyLoop.h"

#include <QtGlobal>

namespace SimCreation {

Sim *fromUpdate(SheetSims &sheet, const QString &name, int gender, int age, int aspiration,
                int hold, const QString &household, int flags, Sim *parent1, Sim *parent2)
{
    Sim *sim = sheet.append(new Sim(name, age, gender, aspiration, 0, true, flags, QString(), QString()));
    sim->setHold(hold);
    if (!household.isEmpty())
        sim->setHousehold(household);
    // A birth sentence may name one sim in both boxes: it becomes the first
    // parent only.
    sim->setParents(parent1, parent2);
    Console::line(QStringLiteral("New Sim made: ") + name + QLatin1Char(' ') + QString::number(age)
                  + QLatin1Char(' ') + QString::number(gender) + QLatin1Char(' ')
                  + QString::number(aspiration));
    return sim;
}

Sim *fromForm(SheetSims &sheet, const QString &name, int gender, int age, int aspiration,
              int secondaryAspiration, bool alive, int ghostColor, const QString &household,
              int flags, int alignment, int semester, const QString &major)
{
    auto *sim = new Sim(name, age, gender, aspiration, secondaryAspiration, true, flags, QString(),
                        QString());
    sim->setHousehold(household);
    sim->setWitchAlignment(alignment);
    // The form offers semesters 0 to 8; each day at college is one semester.
    const int semesters = qBound(0, semester, 8);
    if (semesters != 0) {
        sim->setInCollege(true);
        for (int i = 1; i < semesters; ++i)
            sim->addDays(1);
    }
    sim->setMajor(major);
    if (!alive)
        sim->die(ghostColor);
    return sheet.append(sim);
}

TowniePair towniePair(SheetSims &sheet, const QString &townieName, int townieAge,
                      const QString &babyName, int babyGender, int hold, int flags,
                      Sim *otherParent)
{
    TowniePair pair;
    pair.townie = sheet.append(new Sim(townieName, townieAge, Gender::Male, 0, 0, true, flags,
                                       QString(), QString()));
    pair.baby = sheet.append(new Sim(babyName, 0, babyGender, 0, 0, true, flags, QString(), QString()));
    pair.baby->setHold(hold);
    pair.townie->setHousehold(QStringLiteral("At Large"));
    if (otherParent)
        pair.baby->setHousehold(otherParent->household());
    pair.baby->setParents(pair.townie, otherParent);
    return pair;
}

void holdAllBut(const SimList &sims, const Sim *except, int hold)
{
    for (const QPointer<Sim> &sim : sims) {
        if (sim && sim != except)
            sim->setHold(hold);
    }
}

void holdHousehold(const SimList &sims, const QString &household, int hold)
{
    for (const QPointer<Sim> &sim : sims) {
        if (sim && sim->household() == household)
            sim->setHold(hold);
    }
}

void holdAllHouseholdsBut(const SimList &sims, const QString &household, int hold)
{
    for (const QPointer<Sim> &sim : sims) {
        if (sim && sim->household() != household)
            sim->setHold(hold);
    }
}

} // namespace SimCreation

void ImportMerge::add(SheetSims &sheet, Sim *imported)
{
    if (!imported)
        return;
    const int nid = imported->nid();
    // Of several sheet sims with the NID, the first in the list takes it, so
    // that every import merges into the same one.
    Sim *sim = nid < 0 || m_mergedNids.contains(nid) ? nullptr : sheet.firstWithNid(nid);
    if (!sim) {
        sheet.append(imported);
        m_appended.append(imported);
        return;
    }
    sim->copyDetailsFrom(imported);
    // A relative the record names that was not imported with it is the
    // sheet's sim of that NID, looked up before this import appends any.
    const Sim::KinIds ids = imported->namedKin();
    auto onSheet = [&](int relative) -> QPointer<Sim> {
        return relative < 0 ? nullptr : sheet.firstWithNid(relative);
    };
    m_merged.append({sim, imported, onSheet(ids.spouse), onSheet(ids.parent1), onSheet(ids.parent2)});
    // The merged record is off the list but stays alive.
    sheet.store().keep(imported);
    m_mergedInto.insert(imported, sim);
    m_mergedNids.insert(nid);
}

void ImportMerge::finish()
{
    auto onSheet = [this](const QPointer<Sim> &sim) -> QPointer<Sim> {
        return m_mergedInto.value(sim.data(), sim);
    };
    // The records' relatives are sims of their own batch, taken as they are
    // and not looked up by NID: a twin of a repeated NID is appended, and
    // links to it must reach it. Links to a merged record now lead to the
    // sheet sim it went into.
    if (!m_mergedInto.isEmpty()) {
        for (const QPointer<Sim> &sim : qAsConst(m_appended)) {
            if (!sim)
                continue;
            QList<const Sim *> relatives{sim->parent1().data(), sim->parent2().data(),
                                         sim->spouse().data()};
            for (int i = 0; i < sim->childCount(); ++i)
                relatives.append(sim->child(i).data());
            for (const Sim *relative : qAsConst(relatives)) {
                const auto merged = m_mergedInto.constFind(relative);
                if (merged != m_mergedInto.constEnd())
                    sim->replaceRelative(relative, merged.value());
            }
        }
    }
    // A merged sim takes the relatives its record names, found in the batch
    // or else on the sheet; a link the record does not name, or names a sim
    // found nowhere, stays as it is on both sides. Ending a marriage is left
    // to the update sentences.
    for (const Merged &merged : qAsConst(m_merged)) {
        Sim *sim = merged.sim;
        const Sim *record = merged.record;
        if (!sim || !record)
            continue;
        auto named = [&](const QPointer<Sim> &inBatch, const QPointer<Sim> &onTheSheet) {
            return inBatch ? onSheet(inBatch) : onTheSheet;
        };
        const QPointer<Sim> parent1 = named(record->parent1(), merged.parent1);
        const QPointer<Sim> parent2 = named(record->parent2(), merged.parent2);
        // The two may be one sim (both ids lead to it), or a parent the sim
        // has in the other place; setParents leaves each sim in one place,
        // the first where the record names it first.
        Sim::Relatives relatives;
        relatives.spouse = named(record->spouse(), merged.spouse);
        relatives.parent1 = parentUnlessLoop(parent1, sim);
        relatives.parent2 = parentUnlessLoop(parent2, sim);
        for (int i = 0; i < record->childCount(); ++i)
            relatives.children.append(onSheet(record->child(i)));
        sim->takeRelatives(relatives);
        // A parent refused here may list the sim already: a sim appended
        // from the batch took it as a child there. It lets go too, or the
        // list file, which rebuilds parents from children, would make it the
        // sim's parent, and a sim its own ancestor, on the next open.
        sim->detachFrom(parent1);
        sim->detachFrom(parent2);
    }
    m_mergedInto.clear();
    m_mergedNids.clear();
    m_merged.clear();
    m_appended.clear();
}
