#include "events/forms/FormGroups.h"
#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {
namespace {

// A townie moves in with or marries a grown sim of a played household; a
// college student may host too.
bool isHost(const Sim &sim)
{
    return isHuman(sim) && !sim.isNonPlayable() && stageHasAny(sim, {"Adult", "Elder", "Major"});
}

QStringList townieAspirations(const Context &ctx)
{
    return withPack(ctx,
                    {QStringLiteral("Fortune"), QStringLiteral("Family"), QStringLiteral("Knowledge"),
                     QStringLiteral("Popularity"), QStringLiteral("Romance")},
                    EPFlags::Nightlife, {QStringLiteral("Pleasure")});
}

// The townie forms end alike: how the newcomer joined, the host, the time.
void addJoinedHost(Context &ctx, const SimList &hosts)
{
    ctx.dialog->addComboBox({QStringLiteral("moved in with"), QStringLiteral("got married/joined to")});
    ctx.dialog->addLabel(QStringLiteral(" "));
    ctx.dialog->addSimBox(hosts);
    addTimeOfDay(ctx, QStringLiteral(" six PM."));
}

void buildFromCas(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addDayLead(ctx);
    d->addLineEdit();
    d->addLabel(QStringLiteral(" ("));
    addGenderChoice(ctx);
    d->addLabel(QStringLiteral("), of the "));
    d->addLineEdit();
    d->addLabel(QStringLiteral(" household, joined the neighborhood "));
    addTimeChoice(ctx);
    d->addLabel(QStringLiteral(" six PM (eleven AM for pets) as "));
    d->addComboBox(withPack(ctx,
                            {QStringLiteral("a Toddler"), QStringLiteral("a Child"),
                             QStringLiteral("a Teenager"), QStringLiteral("a Young Adult"),
                             QStringLiteral("an Adult"), QStringLiteral("an Elder")},
                            EPFlags::Pets,
                            {QStringLiteral("a large dog"), QStringLiteral("a small dog"),
                             QStringLiteral("a cat"), QStringLiteral("an elder large dog"),
                             QStringLiteral("an elder small dog"), QStringLiteral("an elder cat")}));
    d->addLabel(QStringLiteral(" ("));
    d->addComboBox(withRandom(withPack(ctx,
                                       {QStringLiteral("No"), QStringLiteral("Grow Up"),
                                        QStringLiteral("Fortune"), QStringLiteral("Family"),
                                        QStringLiteral("Popularity"), QStringLiteral("Knowledge"),
                                        QStringLiteral("Romance")},
                                       EPFlags::Nightlife, {QStringLiteral("Pleasure")})),
                   true);
    d->addLabel(QStringLiteral(" aspiration)."));
}

void buildFormerTownie(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addDayLead(ctx);
    d->addLineEdit();
    d->addLabel(QStringLiteral(" ("));
    addGenderChoice(ctx);
    d->addLabel(QStringLiteral(", "));
    d->addComboBox(townieAspirations(ctx));
    d->addLabel(QStringLiteral(" aspiration, "));
    QStringList stages{QStringLiteral("Adult")};
    if (hasPack(ctx, EPFlags::University))
        stages.append(QStringLiteral("Young Adult"));
    stages.append(QStringLiteral("Elder"));
    d->addComboBox(stages);
    d->addLabel(QStringLiteral(") "));
    addJoinedHost(ctx, pickSims(ctx.livingSims, isHost));
}

void buildAtLargeTownie(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addDayLead(ctx);
    d->addSimBox(pickSims(ctx.livingSims,
                          [](const Sim &s) { return isHuman(s) && s.isTownieOrNPC(); }));
    d->addLabel(QStringLiteral(" ("));
    d->addComboBox(townieAspirations(ctx));
    d->addLabel(QStringLiteral(" Aspiration) "));
    addJoinedHost(ctx, pickSims(ctx.livingSims, isHost));
}

void buildStrayPet(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addDayLead(ctx);
    d->addSimBox(pickSims(ctx.livingSims, isAdoptiveParent));
    d->addLabel(QStringLiteral(" adopted a stray "));
    addGenderChoice(ctx);
    d->addLabel(QStringLiteral(" "));
    d->addComboBox({QStringLiteral("large dog"), QStringLiteral("small dog"), QStringLiteral("cat")});
    d->addLabel(QStringLiteral(" named "));
    addNameAndTime(ctx, QStringLiteral(" "), QStringLiteral(" eleven AM."));
}

void buildAtLargeStrayPet(Context &ctx)
{
    UpdateDialog *d = ctx.dialog;
    addDayLead(ctx);
    d->addSimBox(pickSims(ctx.livingSims, isAdoptiveParent));
    d->addLabel(QStringLiteral(" adopted "));
    d->addSimBox(pickSims(ctx.livingSims,
                          [](const Sim &s) { return isPet(s) && s.isTownieOrNPC(); }));
    addTimeOfDay(ctx, QStringLiteral(" eleven AM."));
}

} // namespace

bool buildJoiningForm(const QString &eventName, Context &ctx)
{
    if (eventName == QLatin1String("From CAS"))
        buildFromCas(ctx);
    else if (eventName == QLatin1String("Former Townies/NPCs"))
        buildFormerTownie(ctx);
    else if (eventName == QLatin1String("At Large Townies/NPCs"))
        buildAtLargeTownie(ctx);
    else if (eventName == QLatin1String("Stray Pets"))
        buildStrayPet(ctx);
    else if (eventName == QLatin1String("At Large Stray Pets"))
        buildAtLargeStrayPet(ctx);
    else
        return false;
    return true;
}

} // namespace EventForms
