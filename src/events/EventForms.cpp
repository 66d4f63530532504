#include "events/EventForms.h"

#include "events/UpdateDialog.h"
#include "events/forms/FormGroups.h"

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

} // namespace EventForms
