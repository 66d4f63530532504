#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {

SimList pickSims(const SimList &source, const SimTest &keep)
{
    SimList kept;
    for (const QPointer<Sim> &sim : source) {
        if (sim && keep(*sim))
            kept.append(sim);
    }
    return kept;
}

void pickSims(const SimList &source, const SimTest &first, const SimTest &second,
              SimList *firstList, SimList *secondList)
{
    for (const QPointer<Sim> &sim : source) {
        if (!sim)
            continue;
        if (first(*sim))
            firstList->append(sim);
        else if (second(*sim))
            secondList->append(sim);
    }
}

bool isHuman(const Sim &sim)
{
    return sim.isSpecies(Species::Human);
}

bool isPet(const Sim &sim)
{
    return !sim.isSpecies(Species::Human);
}

bool stageHas(const Sim &sim, const char *word)
{
    return sim.lifeStageText().contains(QLatin1String(word));
}

bool stageHasAny(const Sim &sim, std::initializer_list<const char *> words)
{
    const QString stage = sim.lifeStageText();
    for (const char *word : words) {
        if (stage.contains(QLatin1String(word)))
            return true;
    }
    return false;
}

bool isAdoptiveParent(const Sim &sim)
{
    return isHuman(sim) && !sim.isNonPlayable() && stageHasAny(sim, {"Adult", "Elder"});
}

bool hasPack(const Context &ctx, int packBit)
{
    return (ctx.epFlags & packBit) != 0;
}

QStringList withPack(const Context &ctx, QStringList items, int packBit,
                     const QStringList &extras)
{
    if (hasPack(ctx, packBit))
        items += extras;
    return items;
}

QStringList withRandom(QStringList items)
{
    items.append(QStringLiteral("Random"));
    return items;
}

void addGenderChoice(Context &ctx)
{
    ctx.dialog->addComboBox(ctx.genders);
}

void addTimeChoice(Context &ctx)
{
    ctx.dialog->addComboBox(ctx.times);
}

void addTimeOfDay(Context &ctx, const QString &hour)
{
    ctx.dialog->addLabel(QStringLiteral(" "));
    addTimeChoice(ctx);
    ctx.dialog->addLabel(hour);
}

void addNameAndTime(Context &ctx, const QString &afterName, const QString &hour)
{
    ctx.dialog->addLineEdit();
    ctx.dialog->addLabel(afterName);
    addTimeChoice(ctx);
    ctx.dialog->addLabel(hour);
}

void addSimSentence(Context &ctx, const SimList &sims, const QString &clause)
{
    ctx.dialog->addSimBox(sims);
    ctx.dialog->addLabel(clause);
}

void addTwoSimSentence(Context &ctx, const SimList &first, const QString &link,
                       const SimList &second)
{
    ctx.dialog->addSimBox(first);
    ctx.dialog->addLabel(link);
    ctx.dialog->addSimBox(second);
    ctx.dialog->addLabel(QStringLiteral("."));
}

void addSimChoiceSentence(Context &ctx, const SimList &sims, const QString &link,
                          const QStringList &items, bool aspirationChoice)
{
    ctx.dialog->addSimBox(sims);
    ctx.dialog->addLabel(link);
    ctx.dialog->addComboBox(items, aspirationChoice);
    ctx.dialog->addLabel(QStringLiteral("."));
}

void addSimTypedSentence(Context &ctx, const SimList &sims, const QString &link)
{
    ctx.dialog->addSimBox(sims);
    ctx.dialog->addLabel(link);
    ctx.dialog->addLineEdit();
    ctx.dialog->addLabel(QStringLiteral("."));
}

} // namespace EventForms
