#pragma once

#include "records/Sim.h"

#include <QMap>
#include <QStringList>

// Every field of a set of sims at one moment, so that a test can list exactly
// what an update changed: diff() gives lines such as
// "Adam Brook.household: Brook -> Lark", in sheet order.
class SimSnapshot
{
public:
    SimSnapshot() = default;
    explicit SimSnapshot(const SimList &sims);

    QStringList diff(const SimSnapshot &after) const;

    // One sim's fields by name, in a fixed order.
    static QList<QPair<QString, QString>> fields(const Sim &sim);

private:
    QStringList m_keys;
    QMap<QString, QList<QPair<QString, QString>>> m_fields;
};
