#pragma once

#include "records/Sim.h"
#include "sheet/Settings.h"

#include <QList>
#include <QPointer>
#include <QString>

// The end of a rotation: holds count down, sims that can age and are not on
// hold age, and the automatic updates for the next rotation are worked out.
namespace Rotation {

// One automatic update to queue on the Update tab, with its sim as the
// entry's first sim and no second sim.
struct QueuedUpdate
{
    QString sentence;
    QPointer<Sim> sim;
};

QString growUpSentence(const QString &name, int autoBirthdaysTime);
QString collegeEntrySentence(const QString &name);
QString graduationSentence(const QString &name, const QString &major);

// Rotates every sim of the list, in list order, with the settings held to
// their ranges, and returns the updates to queue in order: per sim its
// grow-up updates, then its college entry, then its graduation.
QList<QueuedUpdate> rotate(const SimList &sims, const Settings &settings);

} // namespace Rotation
