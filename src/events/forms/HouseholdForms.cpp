#include "events/forms/FormGroups.h"
#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {
namespace {

// Moves: a sim, the clause, the household, " household.".
void buildMove(Context &ctx, const SimList &sims, const QString &clause, bool typedHousehold)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(sims);
    d->addLabel(clause);
    if (typedHousehold)
        d->addLineEdit();
    else
        d->addComboBox(ctx.households);
    d->addLabel(QStringLiteral(" household."));
}

bool isHumanNotRunaway(const Sim &sim)
{
    return isHuman(sim) && sim.household() != QLatin1String("Runaways");
}

void buildMarriage(Context &ctx)
{
    const SimList couples = pickSims(ctx.livingSims, [](const Sim &s) {
        return isHumanNotRunaway(s) && stageHasAny(s, {"Adult", "Elder"}) && !s.spouse();
    });
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(couples);
    d->addLabel(QStringLiteral(" got married/joined to "));
    d->addSimBox(couples);
    d->addLabel(QStringLiteral(" and changed his or her name to "));
    d->addLineEdit();
    d->addLabel(QStringLiteral("."));
}

// Both boxes of a couple's form offer the same sims.
void buildCouple(Context &ctx, const SimTest &keep, const QString &link)
{
    const SimList couples = pickSims(ctx.livingSims, keep);
    addTwoSimSentence(ctx, couples, link, couples);
}

} // namespace

bool buildHouseholdForm(const QString &eventName, Context &ctx)
{
    if (eventName == QLatin1String("Moving out")) {
        buildMove(ctx, ctx.livingSims, QStringLiteral(" moved out to form the "), true);
    } else if (eventName == QLatin1String("Moving house")) {
        buildMove(ctx, ctx.livingSims, QStringLiteral(" moved to the "), false);
    } else if (eventName == QLatin1String("Moving graves")) {
        buildMove(ctx, pickSims(ctx.allSims, [](const Sim &s) { return !s.isAlive(); }),
                  QStringLiteral("'s grave was moved to the "), false);
    } else if (eventName == QLatin1String("Going steady")) {
        buildCouple(ctx, [](const Sim &s) { return !s.isNonPlayable() && stageHas(s, "Teen"); },
                    QStringLiteral(" went steady with "));
    } else if (eventName == QLatin1String("Getting engaged")) {
        buildCouple(ctx,
                    [](const Sim &s) {
                        return isHumanNotRunaway(s) && stageHasAny(s, {"Major", "Adult", "Elder"});
                    },
                    QStringLiteral(" got engaged to "));
    } else if (eventName == QLatin1String("Getting married/joined")) {
        buildMarriage(ctx);
    } else if (eventName == QLatin1String("Breaking up")) {
        buildCouple(ctx,
                    [](const Sim &s) {
                        return isHumanNotRunaway(s) && !stageHasAny(s, {"Baby", "Toddler", "Child"});
                    },
                    QStringLiteral(" broke up with "));
    } else {
        return false;
    }
    return true;
}

} // namespace EventForms
