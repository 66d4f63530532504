#include "events/forms/EventForms.h"

#include "events/UpdateDialog.h"
#include "events/forms/FormGroups.h"

#include <QSet>

namespace EventForms {

bool build(const QString &eventName, Context &ctx)
{
    return buildJoiningForm(eventName, ctx) || buildBirthForm(eventName, ctx)
        || buildAdoptionForm(eventName, ctx) || buildHoldForm(eventName, ctx)
        || buildCollegeLifeForm(eventName, ctx) || buildHouseholdForm(eventName, ctx)
        || buildChangeForm(eventName, ctx);
}

void addDayLead(Context &ctx)
{
    ctx.dialog->addLabel(QStringLiteral("On day "));
    ctx.dialog->addSpinBox(1, ctx.rotationTime);
    ctx.dialog->addLabel(QStringLiteral(" of the rotation, "));
}

QStringList genders()
{
    return {QStringLiteral("male"), QStringLiteral("female")};
}

QStringList times()
{
    return {QStringLiteral("before"), QStringLiteral("after")};
}

QStringList playableHouseholds(const SimList &sims)
{
    QStringList households;
    // A set of the names taken: a sheet has thousands of households.
    QSet<QString> taken;
    for (const QPointer<Sim> &sim : sims) {
        if (!sim || sim->isNonPlayable())
            continue;
        const QString household = sim->household();
        if (!taken.contains(household)) {
            taken.insert(household);
            households.append(household);
        }
    }
    return households;
}

} // namespace EventForms
