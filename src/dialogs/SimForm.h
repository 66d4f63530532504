#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Sim;

// The sim form without its widgets: the fixed choices and how their
// positions map to the record's codes, the age note, the form's values as
// plain data, and what the add and edit forms make of them. The dialogs stay
// thin over this.
namespace SimForm {

// The choices' items; a position maps to a code as noted.
const QStringList &genderItems();              // Gender = index + 1
const QStringList &ghostColorItems();          // GhostColor = index
const QStringList &speciesItems();             // see speciesCode()
const QStringList &alignmentItems();           // Alignment = index - 3
const QStringList &aspirationItems();          // Aspiration = index
const QStringList &secondaryAspirationItems(); // the same without "Grow Up"

// Species code of a species position 0..3 (Human, Large Dog, Small Dog,
// Cat); 0 for any other position.
int speciesCode(int index);
// The species position of a Species code; 0 for any other code.
int speciesIndex(int code);

// One life-state box. `pack` is the EPFlags bit the box needs (0: none);
// `adultOnly` boxes are cleared and barred while the sim is a child.
struct LifeState
{
    QString text;
    int bit;
    int pack;
    bool adultOnly;
};
// The eight boxes in the form's order: Alien, Zombie, Vampire, Werewolf,
// Servo, Plantsim, Bigfoot, Witch. Their bits do not follow that order.
const QList<LifeState> &lifeStates();

// The age note without its brackets, for an age in days and a kind
// (SimTypeFlags 32 Plantsim, 256 Large Dog, 128 Small Dog, 512 Cat; any
// other value a human), e.g. "29 days until Elder".
QString ageText(int age, int kind);

// What the form's widgets show, choices as positions (-1: no current item).
struct Values
{
    QString name;
    int genderIndex = 0;
    int age = 30;
    bool ghost = false;
    int ghostColorIndex = 0;
    int speciesIndex = 0;
    int alignmentIndex = 3;
    QString household;
    int aspirationIndex = 0;
    int secondaryAspirationIndex = 0;
    int semester = 0;
    QString major;
    QList<bool> lifeStates = QList<bool>(8, false); // in lifeStates() order

    int gender() const { return genderIndex + 1; }
    bool alive() const { return !ghost; }
    int species() const { return speciesCode(speciesIndex); }
    int alignment() const { return alignmentIndex - 3; }
    // SimTypeFlags: the checked life states and the species bit.
    int flags() const;
};

// Why a typed text cannot go into the list file, naming the first field
// that fails (name, household, major); empty when all can. With `filled`,
// a text still as the form was filled is not checked, since it is not
// written.
QString textProblem(const Values &now, const Values *filled = nullptr);

// Writes into the sim, through its plain setters, each field whose widget
// shows another value now than when the form was filled; every other field
// stays as the record holds it, so changes made to the sim while the form
// was open survive and values the widgets cannot show are kept.
void writeChanges(const Values &filled, const Values &now, Sim &sim);

} // namespace SimForm
