#include "support/SimSnapshot.h"

#include "support/FixtureSheet.h"

namespace {
QString yesNo(bool b)
{
    return b ? QStringLiteral("yes") : QStringLiteral("no");
}

QString nameOf(const QPointer<Sim> &sim)
{
    return sim ? sim->name() : QStringLiteral("-");
}
} // namespace

SimSnapshot::SimSnapshot(const SimList &sims)
{
    for (const QPointer<Sim> &sim : sims) {
        if (!sim)
            continue;
        const QString key = FixtureSheet::label(sim);
        m_keys << key;
        m_fields.insert(key, fields(*sim));
    }
}

QList<QPair<QString, QString>> SimSnapshot::fields(const Sim &sim)
{
    QStringList periods;
    for (int p = 0; p < sim.periodCount(); ++p)
        periods << QStringLiteral("%1/%2").arg(sim.aspiration(p)).arg(sim.secondaryAspiration(p));
    QStringList children;
    for (int c = 0; c < sim.childCount(); ++c)
        children << nameOf(sim.child(c));
    return {
        {QStringLiteral("name"), sim.name()},
        {QStringLiteral("gender"), QString::number(sim.gender())},
        {QStringLiteral("age"), QString::number(sim.age())},
        {QStringLiteral("household"), sim.household()},
        {QStringLiteral("hold"), QString::number(sim.hold())},
        {QStringLiteral("species"), QString::number(sim.species())},
        {QStringLiteral("flags"), QString::number(sim.flagsWord())},
        {QStringLiteral("alive"), yesNo(sim.isAlive())},
        {QStringLiteral("ghost"), QString::number(sim.ghostColor())},
        {QStringLiteral("alignment"), QString::number(sim.witchAlignment())},
        {QStringLiteral("college"), yesNo(sim.isInCollege())},
        {QStringLiteral("semester"), QString::number(sim.semester())},
        {QStringLiteral("major"), sim.major()},
        {QStringLiteral("aspirations"), periods.join(QLatin1Char(';'))},
        {QStringLiteral("spouse"), nameOf(sim.spouse())},
        {QStringLiteral("parents"),
         nameOf(sim.parent1()) + QLatin1Char('+') + nameOf(sim.parent2())},
        {QStringLiteral("children"),
         QLatin1Char('[') + children.join(QStringLiteral(", ")) + QLatin1Char(']')},
    };
}

QStringList SimSnapshot::diff(const SimSnapshot &after) const
{
    QStringList out;
    for (const QString &key : m_keys) {
        if (!after.m_fields.contains(key)) {
            out << key + QStringLiteral(" is gone");
            continue;
        }
        const auto before = m_fields.value(key);
        const auto now = after.m_fields.value(key);
        for (int i = 0; i < before.size(); ++i) {
            if (before.at(i).second != now.at(i).second) {
                out << QStringLiteral("%1.%2: %3 -> %4")
                           .arg(key, before.at(i).first, before.at(i).second, now.at(i).second);
            }
        }
    }
    return out;
}
