// Sims joining the sheet, holds for many sims, the rotation and the premade
// list.
#include "sheet/Tolvane.h"

#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "pages/HouseholdPage.h"
#include "sheet/PremadeList.h"
#include "sheet/Rotation.h"

#include <cstdlib>

void Tolvane::simsAdded()
{
    if (m_applyingUpdates) {
        // Later entries of the same run find the new sims in the tab's list.
        m_updatePage->setSimList(m_sims.sims());
        return;
    }
    updateModels();
}

void Tolvane::newSim(QString name, int gender, int age, int aspiration, int hold,
                     QString household, int flags, Sim *parent1, Sim *parent2)
{
    SimCreation::fromUpdate(m_sims, name, gender, age, aspiration, hold, household, flags,
                            parent1, parent2);
    simsAdded();
}

void Tolvane::newSim(QString name, int gender, int age, int aspiration, int secondaryAspiration,
                     bool alive, int ghostColor, QString household, int flags, int alignment,
                     int semester, QString major)
{
    SimCreation::fromForm(m_sims, name, gender, age, aspiration, secondaryAspiration, alive,
                          ghostColor, household, flags, alignment, semester, major);
    updateModels();
}

void Tolvane::newSim(Sim *sim)
{
    // Merged or appended; the rebuild that ends the import settles the links.
    m_importMerge.add(m_sims, sim);
}

void Tolvane::newTowniePair(QString townieName, int townieAge, QString babyName, int babyGender,
                            int hold, int flags, Sim *parent)
{
    SimCreation::towniePair(m_sims, townieName, townieAge, babyName, babyGender, hold, flags,
                            parent);
    simsAdded();
}

void Tolvane::removeSim(Sim *sim)
{
    // No update removes a sim: records stay for as long as the sheet.
    Q_UNUSED(sim);
}

void Tolvane::holdAllBut(Sim *sim, int hold)
{
    SimCreation::holdAllBut(m_sims.sims(), sim, hold);
}

void Tolvane::holdHousehold(QString household, int hold)
{
    SimCreation::holdHousehold(m_sims.sims(), household, hold);
}

void Tolvane::holdAllHouseholdsBut(QString household, int hold)
{
    SimCreation::holdAllHouseholdsBut(m_sims.sims(), household, hold);
}

void Tolvane::doRotation()
{
    m_applyingUpdates = false;
    const QList<Rotation::QueuedUpdate> queued = Rotation::rotate(m_sims.sims(), m_settings);
    QList<UpdateEntry *> entries;
    entries.reserve(queued.size());
    for (const Rotation::QueuedUpdate &update : queued)
        entries.append(new UpdateEntry(update.sentence, update.sim, nullptr));
    m_updatePage->addEvents(entries);
    updateModels();
    m_householdPage->clearPlayedFlags();
}

void Tolvane::setDebug(int index)
{
    if (!settleUnsavedChanges())
        return;
    clearSheet();
    if (index == PremadeList::OneOfEachType)
        createOneOfEachTypeList();
    updateModels();
    // A premade list is made again with one click: leaving it unsaved loses
    // nothing the player did.
    markSaved(QString());
}

void Tolvane::createOneOfEachTypeList()
{
    PremadeList::appendOneOfEachType(m_sims, [] { return std::rand(); });
}
