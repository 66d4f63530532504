#include "events/forms/FormGroups.h"
#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {
namespace {

QString adoptionHour()
{
    return QStringLiteral(" six PM (eleven AM for pets).");
}

// Both adoptions open alike: the day, then who adopted.
void addAdopter(Context &ctx, const QString &adopted)
{
    addDayLead(ctx);
    ctx.dialog->addSimBox(pickSims(ctx.livingSims, isAdoptiveParent));
    ctx.dialog->addLabel(adopted);
}

void buildAdoption(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addAdopter(ctx, QStringLiteral(" adopted a "));
    addGenderChoice(ctx);
    d->addLabel(QStringLiteral(" "));
    d->addComboBox(withPack(
        ctx, {QStringLiteral("baby"), QStringLiteral("toddler"), QStringLiteral("child")},
        EPFlags::Pets,
        {QStringLiteral("puppy (small)"), QStringLiteral("puppy (large)"),
         QStringLiteral("large dog"), QStringLiteral("small dog"),
         QStringLiteral("elder large dog"), QStringLiteral("elder small dog"),
         QStringLiteral("kitten"), QStringLiteral("cat"), QStringLiteral("elder cat")}));
    d->addLabel(QStringLiteral(" named "));
    addNameAndTime(ctx, QStringLiteral(" "), adoptionHour());
}

void buildReadoption(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addAdopter(ctx, QStringLiteral(" adopted "));
    d->addSimBox(pickSims(ctx.livingSims, [](const Sim &s) {
        return s.household() == QLatin1String("Adoption Queue");
    }));
    d->addLabel(QStringLiteral(", whose name was changed to "));
    addNameAndTime(ctx, QStringLiteral(", "), adoptionHour());
}

void buildServo(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(pickSims(ctx.livingSims, [](const Sim &s) {
        return isHuman(s) && !s.isNonPlayable() && !stageHasAny(s, {"Baby", "Toddler"});
    }));
    d->addLabel(QStringLiteral(" activated a "));
    addGenderChoice(ctx);
    d->addLabel(QStringLiteral(" servo named "));
    d->addLineEdit();
    d->addLabel(QStringLiteral("."));
}

void buildBigfoot(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addDayLead(ctx);
    d->addSimBox(pickSims(ctx.livingSims, isAdoptiveParent));
    d->addLabel(QStringLiteral(" went on a vacation and brought back Bigfoot "));
    addTimeChoice(ctx);
    d->addLabel(QStringLiteral(" six PM."));
}

} // namespace

bool buildAdoptionForm(const QString &eventName, Context &ctx)
{
    if (eventName == QLatin1String("Adopted New Children and Pets")
        || eventName == QLatin1String("Adopted New Children"))
        buildAdoption(ctx);
    else if (eventName == QLatin1String("Readopted Children and Pets")
             || eventName == QLatin1String("Readopted Children"))
        buildReadoption(ctx);
    else if (eventName == QLatin1String("Activated Servos"))
        buildServo(ctx);
    else if (eventName == QLatin1String("Bigfoot"))
        buildBigfoot(ctx);
    else
        return false;
    return true;
}

} // namespace EventForms
