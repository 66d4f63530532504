#include "events/forms/FormGroups.h"
#include "events/forms/FormPieces.h"

#include "events/UpdateDialog.h"

namespace EventForms {
namespace {

// What varies between the birth forms; every birth sentence has one shape.
struct BirthForm
{
    SimList parents;         // box A
    SimList otherParents;    // box B; used only when twoParents
    bool twoParents = false;
    QString verb = QStringLiteral(" had a "); // or " spawned a "
    bool petYoung = false;   // a puppy or kitten, born at eleven AM, not six PM
    QString newbornWords;    // the fixed word(s) before the name, for sims
    QString newParentLabel;  // " townie named " or " stray named "; empty: none
};

void addBirth(Context &ctx, const BirthForm &form)
{
    UpdateDialog *d = ctx.dialog;
    addDayLead(ctx);
    d->addSimBox(form.parents);
    if (form.twoParents) {
        d->addLabel(QStringLiteral(" and "));
        d->addSimBox(form.otherParents);
    }
    d->addLabel(form.verb);
    addGenderChoice(ctx);
    if (form.petYoung) {
        d->addLabel(QStringLiteral(" "));
        d->addComboBox({QStringLiteral("puppy"), QStringLiteral("kitten")});
        d->addLabel(QStringLiteral(" named "));
    } else {
        d->addLabel(form.newbornWords);
    }
    d->addLineEdit();
    if (!form.newParentLabel.isEmpty()) {
        d->addLabel(QStringLiteral(" by an "));
        d->addComboBox({QStringLiteral("adult"), QStringLiteral("elder")});
        d->addLabel(form.newParentLabel);
        d->addLineEdit();
    }
    addTimeOfDay(ctx, form.petYoung ? QStringLiteral(" eleven AM.") : QStringLiteral(" six PM."));
}

bool isMale(const Sim &sim)
{
    return sim.gender() == Gender::Male;
}

bool isFemale(const Sim &sim)
{
    return sim.gender() == Gender::Female;
}

bool isGrownPet(const Sim &sim)
{
    return !stageHasAny(sim, {"Kitten", "Puppy"});
}

// A pet mother: grown, not an elder, of a played household.
bool isPetMother(const Sim &sim)
{
    return isPet(sim) && isFemale(sim) && !sim.isNonPlayable() && isGrownPet(sim)
        && !stageHas(sim, "Elder");
}

BirthForm ordinaryBabies(const Context &ctx)
{
    BirthForm form;
    form.twoParents = true;
    const auto candidate = [](const Sim &s) {
        return isHuman(s) && s.household() != QLatin1String("Runaways")
            && !s.hasFlag(SimTypeFlags::Zombie) && !s.hasFlag(SimTypeFlags::Bigfoot)
            && !s.hasFlag(SimTypeFlags::Servo);
    };
    pickSims(
        ctx.livingSims,
        [&](const Sim &s) {
            return candidate(s) && isMale(s) && stageHasAny(s, {"Adult", "Elder", "Major"});
        },
        [&](const Sim &s) {
            return candidate(s) && isFemale(s) && !s.isNonPlayable() && stageHas(s, "Adult");
        },
        &form.parents, &form.otherParents);
    form.newbornWords = QStringLiteral(" baby named ");
    return form;
}

BirthForm babiesByTownies(const Context &ctx)
{
    BirthForm form;
    form.parents = pickSims(ctx.livingSims, [](const Sim &s) {
        return isHuman(s) && !s.isNonPlayable() && isFemale(s) && stageHas(s, "Adult");
    });
    form.newbornWords = QStringLiteral(" baby named ");
    form.newParentLabel = QStringLiteral(" townie named ");
    return form;
}

BirthForm petBabies(const Context &ctx)
{
    BirthForm form;
    form.twoParents = true;
    const auto candidate = [](const Sim &s) {
        return isPet(s) && s.household() != QLatin1String("Runaways")
            && s.household() != QLatin1String("Adoption Queue");
    };
    pickSims(
        ctx.livingSims,
        [&](const Sim &s) { return candidate(s) && isMale(s) && isGrownPet(s); },
        [&](const Sim &s) { return candidate(s) && isPetMother(s); },
        &form.parents, &form.otherParents);
    form.petYoung = true;
    return form;
}

BirthForm petBabiesByStrays(const Context &ctx)
{
    BirthForm form;
    form.parents = pickSims(ctx.livingSims, isPetMother);
    form.petYoung = true;
    form.newParentLabel = QStringLiteral(" stray named ");
    return form;
}

BirthForm alienBabies(const Context &ctx)
{
    BirthForm form;
    form.parents = pickSims(ctx.livingSims, [](const Sim &s) {
        return isHuman(s) && isMale(s) && !s.hasFlag(SimTypeFlags::Zombie) && !s.isNonPlayable()
            && stageHas(s, "Adult");
    });
    form.newbornWords = QStringLiteral(" alien baby named ");
    return form;
}

BirthForm plantBabies(const Context &ctx)
{
    BirthForm form;
    form.parents = pickSims(ctx.livingSims, [](const Sim &s) {
        return s.hasFlag(SimTypeFlags::Plantsim) && !s.isNonPlayable() && !stageHas(s, "Toddler");
    });
    form.verb = QStringLiteral(" spawned a ");
    form.newbornWords = QStringLiteral(" plantbaby named ");
    return form;
}

} // namespace

bool buildBirthForm(const QString &eventName, Context &ctx)
{
    if (eventName == QLatin1String("Ordinary Babies"))
        addBirth(ctx, ordinaryBabies(ctx));
    else if (eventName == QLatin1String("Babies by Townies"))
        addBirth(ctx, babiesByTownies(ctx));
    else if (eventName == QLatin1String("Pet Babies"))
        addBirth(ctx, petBabies(ctx));
    else if (eventName == QLatin1String("Pet Babies by Strays"))
        addBirth(ctx, petBabiesByStrays(ctx));
    else if (eventName == QLatin1String("Alien Babies"))
        addBirth(ctx, alienBabies(ctx));
    else if (eventName == QLatin1String("Plant Babies"))
        addBirth(ctx, plantBabies(ctx));
    else
        return false;
    return true;
}

} // namespace EventForms
