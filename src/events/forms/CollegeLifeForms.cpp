#include "events/forms/FormGroups.h"
#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {
namespace {

QStringList growthManners()
{
    return {QStringLiteral("well"), QStringLiteral("badly")};
}

// The college sentences close with the major in brackets. A sim entering
// college needs a major for the sentence to be read at all; one leaving is
// still read as leaving with the brackets empty.
enum class Major { Required, Optional };

void addMajorClause(Context &ctx, const QString &lead, Major major)
{
    ctx.dialog->addLabel(lead);
    ctx.dialog->addLineEdit(major == Major::Required);
    ctx.dialog->addLabel(QStringLiteral(")"));
}

void buildGoingToCollege(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(pickSims(ctx.livingSims,
                          [](const Sim &s) { return stageHas(s, "Teen") && !s.isNonPlayable(); }));
    d->addLabel(QStringLiteral(" grew up "));
    d->addComboBox(growthManners());
    addMajorClause(ctx, QStringLiteral(" and went to college. (Major: "), Major::Required);
}

void buildLeavingCollege(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(pickSims(ctx.livingSims, [](const Sim &s) { return stageHas(s, "Major"); }));
    d->addLabel(QStringLiteral(" grew up "));
    d->addComboBox(growthManners());
    d->addLabel(QStringLiteral(" and "));
    d->addComboBox({QStringLiteral("graduated Summa cum Laude from"),
                    QStringLiteral("graduated Magna cum Laude from"),
                    QStringLiteral("graduated without honors from"), QStringLiteral("dropped out of"),
                    QStringLiteral("was expelled from")});
    addMajorClause(ctx, QStringLiteral(" college. (Major: "), Major::Optional);
}

QStringList deathCauses(const Context &ctx)
{
    QStringList causes{QStringLiteral("starved to death"),
                       QStringLiteral("drowned"),
                       QStringLiteral("burned to death"),
                       QStringLiteral("was electrocuted by an appliance"),
                       QStringLiteral("was hit by a satelite"),
                       QStringLiteral("died of disease"),
                       QStringLiteral("was killed by a swarm of Africanized flies"),
                       QStringLiteral("was frightened to death by a ghost"),
                       QStringLiteral("had an accident while running with scissors")};
    causes = withPack(ctx, causes, EPFlags::University,
                      {QStringLiteral("was eaten by a hungry cowplant")});
    causes = withPack(ctx, causes, EPFlags::Nightlife,
                      {QStringLiteral("turned to dust in the sunlight")});
    causes = withPack(ctx, causes, EPFlags::OpenForBusiness,
                      {QStringLiteral("was electrocuted by a rampaging servo"),
                       QStringLiteral("overextended him/herself envigorating the employees")});
    causes = withPack(ctx, causes, EPFlags::Seasons,
                      {QStringLiteral("was electrocuted by a lightning bolt"),
                       QStringLiteral("froze to death"), QStringLiteral("spontaneously combusted"),
                       QStringLiteral("withered away for lack of sun, water, and love")});
    for (QString &cause : causes)
        cause.append(QLatin1Char('.'));
    return causes;
}

void buildUnnaturalDeath(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(pickSims(ctx.livingSims, [](const Sim &s) {
        return !s.isNonPlayable() && !stageHas(s, "Baby") && !stageHas(s, "Toddler");
    }));
    d->addLabel(QStringLiteral(" "));
    d->addComboBox(deathCauses(ctx));
}

void buildResurrection(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(pickSims(ctx.allSims, [](const Sim &s) { return !s.isAlive(); }));
    d->addLabel(QStringLiteral(" was brought back to life "));
    d->addComboBox({QStringLiteral("successfully"), QStringLiteral("as a zombie")});
    d->addLabel(QStringLiteral(" by "));
    d->addSimBox(pickSims(ctx.livingSims, [](const Sim &s) {
        return stageHasAny(s, {"Teen", "Adult", "Elder", "Servo"});
    }));
    d->addLabel(QStringLiteral("."));
}

// Elixer and kibble: three days gained or lost.
void buildThreeDays(Context &ctx, const SimTest &keep, const QString &label)
{
    UpdateDialog *d = ctx.dialog;
    d->addSimBox(pickSims(ctx.livingSims, keep));
    d->addLabel(label);
    d->addComboBox({QStringLiteral("gained"), QStringLiteral("lost")});
    d->addLabel(QStringLiteral(" three sim days."));
}

} // namespace

bool buildCollegeLifeForm(const QString &eventName, Context &ctx)
{
    const SimList &living = ctx.livingSims;
    if (eventName == QLatin1String("Going to college")) {
        buildGoingToCollege(ctx);
    } else if (eventName == QLatin1String("Leaving college")) {
        buildLeavingCollege(ctx);
    } else if (eventName == QLatin1String("Natural Death")) {
        addSimSentence(ctx, pickSims(living, [](const Sim &s) {
                           return stageHas(s, "Elder") && !s.isNonPlayable()
                               && !s.hasFlag(SimTypeFlags::Vampire) && !s.hasFlag(SimTypeFlags::Zombie);
                       }),
                       QStringLiteral(" died of old age."));
    } else if (eventName == QLatin1String("Unnatural Death")) {
        buildUnnaturalDeath(ctx);
    } else if (eventName == QLatin1String("Resurrection")) {
        buildResurrection(ctx);
    } else if (eventName == QLatin1String("Drinking Elixer")) {
        buildThreeDays(ctx,
                       [](const Sim &s) {
                           return isHuman(s) && !s.isNonPlayable()
                               && stageHasAny(s, {"Teen", "Adult", "Elder"});
                       },
                       QStringLiteral(" drank Elixer of Life and "));
    } else if (eventName == QLatin1String("Drinking Cowplant milk")) {
        addSimSentence(ctx, pickSims(living, [](const Sim &s) {
                           return isHuman(s) && !s.isNonPlayable() && !stageHas(s, "Baby")
                               && !stageHas(s, "Toddler") && !s.hasFlag(SimTypeFlags::Servo);
                       }),
                       QStringLiteral(" drank a glass of Cowplant milk and gained five sim days."));
    } else if (eventName == QLatin1String("Kibble of Life")) {
        buildThreeDays(ctx,
                       [](const Sim &s) {
                           return isPet(s) && !s.isNonPlayable() && !stageHasAny(s, {"Kitten", "Puppy"});
                       },
                       QStringLiteral(" ate the Kibble of Life and "));
    } else {
        return false;
    }
    return true;
}

} // namespace EventForms
