#include "events/forms/FormGroups.h"
#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {
namespace {

bool isGrownHuman(const Sim &sim)
{
    return isHuman(sim) && !stageHasAny(sim, {"Baby", "Toddler", "Child"});
}

// Who may be bitten: a human of a played household from teen to elder.
bool canBeBitten(const Sim &sim)
{
    return isHuman(sim) && !sim.isNonPlayable() && stageHasAny(sim, {"Teen", "Adult", "Elder"});
}

// Who may be cured: a sim of a played household with that life state.
SimTest hasLifeState(int bit)
{
    return [bit](const Sim &s) { return !s.isNonPlayable() && s.hasFlag(bit); };
}

// Changing the aspiration; also offered with Free Time, whose alternative
// name would otherwise file an empty update.
void buildAspirationChange(Context &ctx)
{
    addSimChoiceSentence(
        ctx, pickSims(ctx.livingSims, isGrownHuman),
        QStringLiteral(" changed his or her aspiration to "),
        withRandom(withPack(ctx,
                            {QStringLiteral("Fortune"), QStringLiteral("Family"),
                             QStringLiteral("Popularity"), QStringLiteral("Romance"),
                             QStringLiteral("Knowledge")},
                            EPFlags::Nightlife,
                            {QStringLiteral("Pleasure"), QStringLiteral("Grilled Cheese")})),
        true);
}

void buildCustomEvent(Context &ctx)
{
    ctx.dialog->addSimBox(ctx.allSims);
    ctx.dialog->addLabel(QStringLiteral(" "));
    ctx.dialog->addLineEdit(false);
}

} // namespace

bool buildChangeForm(const QString &eventName, Context &ctx)
{
    const SimList &living = ctx.livingSims;
    if (eventName == QLatin1String("Changing names")) {
        addSimTypedSentence(ctx, ctx.allSims, QStringLiteral(" changed his or her name to "));
    } else if (eventName == QLatin1String("Changing aspirations")
               || eventName == QLatin1String("Changing primary and secondary aspirations")) {
        buildAspirationChange(ctx);
    } else if (eventName == QLatin1String("Changing majors")) {
        addSimTypedSentence(ctx, pickSims(living, [](const Sim &s) { return stageHas(s, "Major"); }),
                            QStringLiteral(" changed his or her major to "));
    } else if (eventName == QLatin1String("Becoming a Vampire")) {
        addSimSentence(ctx, pickSims(living, [](const Sim &s) {
                           return canBeBitten(s) && !s.hasFlag(SimTypeFlags::Vampire);
                       }),
                       QStringLiteral(" was bitten by a vampire."));
    } else if (eventName == QLatin1String("Becoming a Werewolf")) {
        addSimSentence(ctx, pickSims(living, [](const Sim &s) {
                           return canBeBitten(s) && !s.hasFlag(SimTypeFlags::Werewolf);
                       }),
                       QStringLiteral(" was bitten by a werewolf."));
    } else if (eventName == QLatin1String("Becoming a Plantsim")) {
        addSimSentence(ctx, pickSims(living, [](const Sim &s) {
                           return isHuman(s) && !s.isNonPlayable() && stageHasAny(s, {"Adult", "Elder"})
                               && !s.hasFlag(SimTypeFlags::Plantsim);
                       }),
                       QStringLiteral(" was mutated into a plantsim by a cloud of pesticide."));
    } else if (eventName == QLatin1String("Becoming a Witch")) {
        addSimChoiceSentence(ctx, pickSims(living, [](const Sim &s) {
                                 return !s.isNonPlayable() && isGrownHuman(s)
                                     && !s.hasFlag(SimTypeFlags::Witch);
                             }),
                             QStringLiteral(" was given the powers of "),
                             {QStringLiteral("Light"), QStringLiteral("Neutrality"),
                              QStringLiteral("Darkness")});
    } else if (eventName == QLatin1String("Changing alignment")) {
        addSimChoiceSentence(ctx, pickSims(living, hasLifeState(SimTypeFlags::Witch)),
                             QStringLiteral(" changed alignment to "),
                             {QStringLiteral("Atrociously Evil"), QStringLiteral("Evil"),
                              QStringLiteral("Mean"), QStringLiteral("Neutral"), QStringLiteral("Nice"),
                              QStringLiteral("Good"), QStringLiteral("Infallibly Good")});
    } else if (eventName == QLatin1String("Being cured of Vampirism")) {
        addSimSentence(ctx, pickSims(living, hasLifeState(SimTypeFlags::Vampire)),
                       QStringLiteral(" drank Vamprocillin and became human again."));
    } else if (eventName == QLatin1String("Being cured of Lycanthropy")) {
        addSimSentence(ctx, pickSims(living, hasLifeState(SimTypeFlags::Werewolf)),
                       QStringLiteral(" was cured of Lycanthropy."));
    } else if (eventName == QLatin1String("Being cured of Plantsiminism")) {
        const SimTest plantsim = hasLifeState(SimTypeFlags::Plantsim);
        addSimSentence(ctx, pickSims(living, [plantsim](const Sim &s) {
                           return plantsim(s) && !stageHas(s, "Toddler");
                       }),
                       QStringLiteral(" was cured of Plantsiminism."));
    } else if (eventName == QLatin1String("Being cured of Witchiness")) {
        addSimSentence(ctx, pickSims(living, hasLifeState(SimTypeFlags::Witch)),
                       QStringLiteral(" was cured of Witchiness."));
    } else if (eventName == QLatin1String("Custom Event")) {
        buildCustomEvent(ctx);
    } else {
        return false;
    }
    return true;
}

} // namespace EventForms
