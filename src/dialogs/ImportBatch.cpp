#include "dialogs/ImportBatch.h"

#include "records/Bounds.h"
#include "records/Codes.h"
#include "records/FamilyLoop.h"
#include "records/ListFileText.h"
#include "records/Sim.h"

#include <limits>
#include <utility>

namespace {

// Sim ids are kept only when they are numbers: an empty or damaged id is no
// id, so it can neither link nor merge sims that have nothing to do with
// each other.
int idOf(const QString &text)
{
    return importNumber(text, -1);
}

// The first age of the next life stage of a kind of sim; 0 where the age
// does not depend on the days left.
int stageEnd(const QString &species, bool plantsim, const QString &stage)
{
    if (species == QLatin1String("Human")) {
        if (stage == QLatin1String("Baby"))
            return 3;
        if (stage == QLatin1String("Toddler"))
            return plantsim ? 4 : 7;
        if (stage == QLatin1String("Child"))
            return 15;
        if (stage == QLatin1String("Teen"))
            return 30;
        if (stage == QLatin1String("Adult"))
            return plantsim ? 33 : 59;
        if (stage == QLatin1String("Elder"))
            return 84;
        return 0;
    }
    const bool baby = stage == QLatin1String("Baby");
    const bool adult = stage == QLatin1String("Adult");
    if (species == QLatin1String("LargeDog"))
        return baby ? 4 : adult ? 26 : 0;
    if (species == QLatin1String("SmallDog"))
        return baby ? 4 : adult ? 30 : 0;
    if (species == QLatin1String("Cat"))
        return baby ? 5 : adult ? 31 : 0;
    return 0;
}

} // namespace

ImportBatch::~ImportBatch()
{
    qDeleteAll(m_sims);
}

bool ImportBatch::isSelected(const ImportRecord &record)
{
    return record.value(ImportColumn::Selected) == QLatin1String("Y");
}

int ImportBatch::selectedCount(const QList<ImportRecord> *lists, int listCount)
{
    int count = 0;
    for (int list = 0; list < listCount; ++list) {
        for (const ImportRecord &record : lists[list]) {
            if (isSelected(record))
                ++count;
        }
    }
    return count;
}

int ImportBatch::ageOf(const ImportRecord &record)
{
    constexpr int plainAge = 59;
    if (importNumber(record.value(ImportColumn::FamilyInstance)) == 0)
        return plainAge;
    const bool plantsim = importNumber(record.value(ImportColumn::TypeFlags)) & SimTypeFlags::Plantsim;
    const int end = stageEnd(record.value(ImportColumn::Species), plantsim,
                             record.value(ImportColumn::LifeSection));
    if (end == 0)
        return plainAge;
    // Days come from a file and may be anything; a huge count saturates.
    const qint64 age = qint64(end) - importNumber(record.value(ImportColumn::AgeDaysLeft));
    return int(qBound(qint64(std::numeric_limits<int>::min()), age,
                      qint64(std::numeric_limits<int>::max())));
}

Sim *ImportBatch::add(ImportRecord &record, int category)
{
    while (record.size() < ImportColumn::Count)
        record.append(ImportColumn::defaultValue(int(record.size())));
    record[ImportColumn::AgeDaysLeft] =
        QString::number(addSaturated(importNumber(record.at(ImportColumn::AgeDaysLeft)), 1));

    auto *sim = new Sim(nullptr);
    m_sims.append(sim);

    // The export's quoted fields may hold what a list line cannot; the
    // texts that go into quoted fields of the sim line are made to fit.
    sim->setName(ListFileText::quotedField(record.at(ImportColumn::FirstName) + QLatin1Char(' ')
                                           + record.at(ImportColumn::LastName)));
    sim->setHousehold(ListFileText::quotedField(record.at(ImportColumn::HouseholdName)));
    sim->setGender(record.at(ImportColumn::Gender) == QLatin1String("Male") ? Gender::Male
                                                                            : Gender::Female);
    sim->setNid(idOf(record.at(ImportColumn::NID)));
    if (!m_firstByNid.contains(sim->nid()))
        m_firstByNid.insert(sim->nid(), sim);
    sim->setNotes(record.at(ImportColumn::SimDescription));
    sim->setSpecies(record.at(ImportColumn::Species));
    sim->setFlags(importNumber(record.at(ImportColumn::TypeFlags)));
    sim->setWitchAlignment(importNumber(record.at(ImportColumn::Alignment)));
    sim->setAge(ageOf(record));
    if (importNumber(record.at(ImportColumn::FamilyInstance)) == 0)
        sim->die(GhostColor::White);
    if (record.at(ImportColumn::IsAtUniversity) == QLatin1String("Y")) {
        sim->setInCollege(true);
        if (category == ImportCategory::Playables)
            sim->setSemester(importNumber(record.at(ImportColumn::UniSemester)));
    }
    sim->setMajor(ListFileText::quotedField(record.at(ImportColumn::UniMajor)));
    sim->setExportAspirations(record.at(ImportColumn::PrimaryAspiration),
                              record.at(ImportColumn::SecondaryAspiration));
    sim->addLifetimeWant(ListFileText::quotedField(record.at(ImportColumn::LifetimeWant)), -1);

    sim->setNamedKin({idOf(record.at(ImportColumn::Spouse)), idOf(record.at(ImportColumn::ParentA)),
                      idOf(record.at(ImportColumn::ParentB))});
    return sim;
}

Sim *ImportBatch::findByNid(int nid) const
{
    return nid == -1 ? nullptr : m_firstByNid.value(nid);
}

void ImportBatch::link(int index)
{
    if (!inRange(index, m_sims.size()))
        return;
    Sim *sim = m_sims.at(index);
    const Sim::KinIds ids = sim->namedKin();
    // A repeated id can name a sim already married within the batch: the
    // marriage lets whoever either sim leaves go.
    sim->setSpouse(findByNid(ids.spouse));
    // Ids that run in a circle would make a sim its own ancestor.
    Sim *first = parentUnlessLoop(findByNid(ids.parent1), sim);
    Sim *second = parentUnlessLoop(findByNid(ids.parent2), sim);
    // Both ids may lead to one sim. It is then the one parent, in the first
    // place, where the list opened again would show it too: the file keeps
    // parents only through the children's lists. One call sees both ids;
    // a second call would move that sim to the second place.
    sim->setParents(first, second);
}

QList<Sim *> ImportBatch::take()
{
    m_firstByNid.clear();
    return std::exchange(m_sims, {});
}
