#include "sheet/Rotation.h"

#include "records/Codes.h"

#include <QtGlobal>

namespace Rotation {

QString growUpSentence(const QString &name, int autoBirthdaysTime)
{
    return name + QLatin1String(" grew up well ")
        + (autoBirthdaysTime != 0 ? QLatin1String("after") : QLatin1String("before"))
        + QLatin1String(" six PM (eleven AM for pets). (Aspiration: Same)");
}

QString collegeEntrySentence(const QString &name)
{
    return name + QLatin1String(" grew up well and went to college. (Major: Undeclared)");
}

QString graduationSentence(const QString &name, const QString &major)
{
    return name + QLatin1String(" grew up well and graduated Summa cum Laude from college. (Major: ")
        + major + QLatin1Char(')');
}

namespace {

bool atCollege(const Sim &sim)
{
    return sim.lifeStageText().contains(QLatin1String("Major"));
}

// The grow-up groups and their stage thresholds, in test order. A sim may
// belong to more than one group; each group queues at most one update.
struct Group
{
    bool (*member)(const Sim &);
    QList<int> thresholds;
};

const QList<Group> &groups()
{
    static const QList<Group> list{
        {[](const Sim &s) { return s.hasFlag(SimTypeFlags::Plantsim); }, {4, 33}},
        {[](const Sim &s) { return !s.hasFlag(SimTypeFlags::Plantsim) && s.isSpecies(Species::Human); },
         {3, 7, 15, 30, 59}},
        {[](const Sim &s) { return s.isSpecies(Species::LargeDog); }, {4, 26}},
        {[](const Sim &s) { return s.isSpecies(Species::SmallDog); }, {4, 30}},
        {[](const Sim &s) { return s.isSpecies(Species::Cat); }, {5, 31}},
    };
    return list;
}

} // namespace

QList<QueuedUpdate> rotate(const SimList &sims, const Settings &given)
{
    const Settings settings = given.clamped();
    const qint64 days = settings.RotationTime;
    QList<QueuedUpdate> queued;

    for (const QPointer<Sim> &pointer : sims) {
        Sim *sim = pointer.data();
        if (!sim)
            continue;

        const bool held = sim->decrementHold();
        if (!held && sim->canAge()) {
            const int steps = atCollege(*sim) ? settings.CollegeRotationTime : settings.RotationTime;
            // One day or semester at a time: a student who passes the last
            // semester leaves college and ages by the days that remain.
            for (int i = 0; i < qMax(1, steps); ++i)
                sim->addDays(1);
        }

        // A sim still on hold grows up in no coming rotation; its hold is
        // only looked at here, so that a hold of h lasts h rotations.
        if (settings.AutoBirthdays && sim->canAge() && sim->hold() == 0) {
            const qint64 age = sim->age();
            for (const Group &group : groups()) {
                if (!group.member(*sim))
                    continue;
                for (int threshold : group.thresholds) {
                    if (threshold - days <= age && age <= threshold - 1) {
                        queued.append({growUpSentence(sim->name(), settings.AutoBirthdaysTime), sim});
                        break;
                    }
                }
            }
        }

        if (settings.AutoGoToCollege) {
            const qint64 age = sim->age();
            if (sim->canAge() && sim->isSpecies(Species::Human)
                && !sim->hasFlag(SimTypeFlags::Plantsim) && !sim->hasFlag(SimTypeFlags::Servo)
                && age <= 29 && age + days > 30 - settings.AutoGoToCollegeTime) {
                queued.append({collegeEntrySentence(sim->name()), sim});
            }
            if (atCollege(*sim) && sim->semester() >= 9 - settings.CollegeRotationTime)
                queued.append({graduationSentence(sim->name(), sim->major()), sim});
        }
    }
    return queued;
}

} // namespace Rotation
