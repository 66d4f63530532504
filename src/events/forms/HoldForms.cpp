#include "events/forms/FormGroups.h"
#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {
namespace {

// A hold is counted in rotations, yet the sentence calls the number days.
void addHoldLength(Context &ctx, const QString &lead)
{
    ctx.dialog->addLabel(lead);
    ctx.dialog->addSpinBox(0, 20);
    ctx.dialog->addLabel(QStringLiteral(" days."));
}

void buildIndividualHold(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addLabel(QStringLiteral("Put"));
    d->addComboBox({QString(), QStringLiteral(" all sims and pets except")});
    d->addLabel(QStringLiteral(" "));
    d->addSimBox(ctx.livingSims);
    addHoldLength(ctx, QStringLiteral(" on hold for "));
}

void buildHouseholdHold(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addLabel(QStringLiteral("Put "));
    d->addComboBox({QStringLiteral("the "), QStringLiteral("all households except the ")});
    d->addComboBox(ctx.households);
    addHoldLength(ctx, QStringLiteral(" household on hold for "));
}

void buildGrowingUp(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(pickSims(ctx.livingSims, [](const Sim &s) {
        return !stageHas(s, "Elder") && !stageHas(s, "Major") && !s.hasFlag(SimTypeFlags::Vampire)
            && !s.hasFlag(SimTypeFlags::Zombie);
    }));
    d->addLabel(QStringLiteral(" grew up "));
    d->addComboBox({QStringLiteral("well"), QStringLiteral("badly")});
    d->addLabel(QStringLiteral(" "));
    addTimeChoice(ctx);
    d->addLabel(QStringLiteral(" six PM (eleven AM for pets). (Aspiration: "));
    d->addComboBox(withRandom(withPack(ctx,
                                       {QStringLiteral("Same"), QStringLiteral("Family"),
                                        QStringLiteral("Popularity"), QStringLiteral("Fortune"),
                                        QStringLiteral("Knowledge"), QStringLiteral("Romance")},
                                       EPFlags::Nightlife,
                                       {QStringLiteral("Pleasure"), QStringLiteral("Grilled Cheese")})),
                   true);
    d->addLabel(QStringLiteral(")"));
}

bool isPlayablePet(const Sim &sim)
{
    return isPet(sim) && !sim.isNonPlayable();
}

bool isPlayable(const Sim &sim)
{
    return !sim.isNonPlayable();
}

bool isRunaway(const Sim &sim)
{
    return sim.household() == QLatin1String("Runaways");
}

} // namespace

bool buildHoldForm(const QString &eventName, Context &ctx)
{
    const SimList &living = ctx.livingSims;
    if (eventName == QLatin1String("Individual Holds")) {
        buildIndividualHold(ctx);
    } else if (eventName == QLatin1String("Household Holds")) {
        buildHouseholdHold(ctx);
    } else if (eventName == QLatin1String("Growing up")) {
        buildGrowingUp(ctx);
    } else if (eventName == QLatin1String("Social Worker")) {
        addSimSentence(ctx, pickSims(living, [](const Sim &s) {
                           return !s.isNonPlayable() && stageHasAny(s, {"Baby", "Toddler", "Child"});
                       }),
                       QStringLiteral(" was taken away by the Social Worker."));
    } else if (eventName == QLatin1String("Removed Pets")) {
        addSimSentence(ctx, pickSims(living, isPlayablePet),
                       QStringLiteral(" was removed by the police."));
    } else if (eventName == QLatin1String("Given or sold Pets")) {
        addTwoSimSentence(ctx, pickSims(living, isPlayablePet),
                          QStringLiteral(" was given or sold to "),
                          pickSims(living, [](const Sim &s) { return isHuman(s) && isPlayable(s); }));
    } else if (eventName == QLatin1String("Pets put up for adoption")) {
        addSimSentence(ctx, pickSims(living, isPlayablePet),
                       QStringLiteral(" was put up for adoption."));
    } else if (eventName == QLatin1String("Runaway Teens")) {
        addSimSentence(ctx, pickSims(living, [](const Sim &s) {
                           return stageHas(s, "Teen") && !s.isNonPlayable();
                       }),
                       QStringLiteral(" ran away from home."));
    } else if (eventName == QLatin1String("Runaway Pets")) {
        addSimSentence(ctx, pickSims(living, isPlayablePet), QStringLiteral(" ran away from home."));
    } else if (eventName == QLatin1String("Returned Teens")) {
        addTwoSimSentence(ctx, pickSims(living, [](const Sim &s) { return isHuman(s) && isRunaway(s); }),
                          QStringLiteral(" returned home to "), pickSims(living, isPlayable));
    } else if (eventName == QLatin1String("Found Pets")) {
        addTwoSimSentence(ctx, pickSims(living, [](const Sim &s) { return isPet(s) && isRunaway(s); }),
                          QStringLiteral(" was found and returned to "), pickSims(living, isPlayable));
    } else {
        return false;
    }
    return true;
}

} // namespace EventForms
