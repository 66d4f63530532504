#include "dialogs/SimForm.h"

#include "records/AgeText.h"
#include "records/Codes.h"
#include "records/ListFileText.h"
#include "records/Sim.h"

namespace SimForm {

const QStringList &genderItems()
{
    static const QStringList items{QStringLiteral("Male"), QStringLiteral("Female")};
    return items;
}

const QStringList &ghostColorItems()
{
    static const QStringList items = [] {
        QStringList words;
        for (int code = GhostColor::Pink; code <= GhostColor::BrightGreen; ++code)
            words.append(GhostColor::word(code));
        return words;
    }();
    return items;
}

const QStringList &speciesItems()
{
    static const QStringList items{QStringLiteral("Human"), QStringLiteral("Large Dog"),
                                   QStringLiteral("Small Dog"), QStringLiteral("Cat")};
    return items;
}

const QStringList &alignmentItems()
{
    static const QStringList items{QStringLiteral("Atrociously Evil"), QStringLiteral("Evil"),
                                   QStringLiteral("Mean"),             QStringLiteral("Neutral"),
                                   QStringLiteral("Nice"),             QStringLiteral("Good"),
                                   QStringLiteral("Infallibly Good")};
    return items;
}

const QStringList &aspirationItems()
{
    static const QStringList items = [] {
        QStringList words{QStringLiteral("None/Unknown")};
        for (int code = Aspiration::Fortune; code <= Aspiration::GrowUp; ++code)
            words.append(Aspiration::name(code));
        return words;
    }();
    return items;
}

const QStringList &secondaryAspirationItems()
{
    static const QStringList items = aspirationItems().mid(0, Aspiration::GrowUp);
    return items;
}

namespace {
const int speciesCodes[] = {Species::Human, Species::LargeDog, Species::SmallDog, Species::Cat};
}

int speciesCode(int index)
{
    if (index < 0 || index > 3)
        return Species::Human;
    return speciesCodes[index];
}

int speciesIndex(int code)
{
    for (int index = 0; index < 4; ++index) {
        if (speciesCodes[index] == code)
            return index;
    }
    return 0;
}

const QList<LifeState> &lifeStates()
{
    static const QList<LifeState> states{
        {QStringLiteral("Alien"), SimTypeFlags::Alien, 0, false},
        {QStringLiteral("Zombie"), SimTypeFlags::Zombie, EPFlags::University, true},
        {QStringLiteral("Vampire"), SimTypeFlags::Vampire, EPFlags::Nightlife, true},
        {QStringLiteral("Werewolf"), SimTypeFlags::Werewolf, EPFlags::Pets, true},
        {QStringLiteral("Servo"), SimTypeFlags::Servo, EPFlags::OpenForBusiness, false},
        {QStringLiteral("Plantsim"), SimTypeFlags::Plantsim, EPFlags::Seasons, false},
        {QStringLiteral("Bigfoot"), SimTypeFlags::Bigfoot, EPFlags::BonVoyage, false},
        {QStringLiteral("Witch"), SimTypeFlags::Witch, EPFlags::ApartmentLife, true}};
    return states;
}

QString ageText(int age, int kind)
{
    // The note shows a human elder's age less five, where the List of Sims
    // shows it less four.
    return AgeText::untilNextStage(age, kind, 5);
}

int Values::flags() const
{
    int word = species();
    const QList<LifeState> &states = SimForm::lifeStates();
    for (int i = 0; i < states.size() && i < lifeStates.size(); ++i) {
        if (lifeStates.at(i))
            word += states.at(i).bit;
    }
    return word;
}

QString textProblem(const Values &now, const Values *filled)
{
    const struct
    {
        const char *field;
        QString text;
        QString before;
    } texts[] = {
        {"A sim's name", now.name, filled ? filled->name : QString()},
        {"A household name", now.household, filled ? filled->household : QString()},
        {"A major", now.major, filled ? filled->major : QString()},
    };
    for (const auto &entry : texts) {
        if (filled && entry.text == entry.before)
            continue;
        const QString problem = ListFileText::fieldProblem(QLatin1String(entry.field), entry.text);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

void writeChanges(const Values &filled, const Values &now, Sim &sim)
{
    if (now.name != filled.name)
        sim.setName(now.name);
    if (now.genderIndex != filled.genderIndex)
        sim.setGender(now.gender());
    if (now.age != filled.age)
        sim.setAge(now.age);
    if (now.ghost != filled.ghost)
        sim.setAlive(now.alive());
    if (now.ghostColorIndex != filled.ghostColorIndex)
        sim.setGhostColor(now.ghostColorIndex);
    if (now.speciesIndex != filled.speciesIndex)
        sim.setSpeciesCode(now.species());
    if (now.alignmentIndex != filled.alignmentIndex)
        sim.setWitchAlignment(now.alignment());
    if (now.household != filled.household)
        sim.setHousehold(now.household);
    // An aspiration of 0 leaves the stored one: the form cannot take a sim's
    // aspiration back to "None/Unknown".
    sim.setAspiration(now.aspirationIndex != filled.aspirationIndex ? now.aspirationIndex : 0,
                      now.secondaryAspirationIndex != filled.secondaryAspirationIndex
                          ? now.secondaryAspirationIndex
                          : 0);
    if (now.semester != filled.semester) {
        sim.setInCollegeFlag(now.semester > 0);
        sim.setSemester(now.semester);
    }
    if (now.major != filled.major)
        sim.setMajorText(now.major);
    const QList<LifeState> &states = lifeStates();
    for (int i = 0; i < states.size() && i < now.lifeStates.size() && i < filled.lifeStates.size();
         ++i) {
        if (now.lifeStates.at(i) != filled.lifeStates.at(i))
            sim.setLifeState(states.at(i).bit, now.lifeStates.at(i));
    }
}

} // namespace SimForm
