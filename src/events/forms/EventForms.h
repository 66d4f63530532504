#pragma once

#include "records/Sim.h"

#include <QString>
#include <QStringList>

class UpdateDialog;

// The forms of the catalogue's events. The Update tab's composer makes a fresh
// UpdateDialog and the shared lists, then asks for the chosen event's form.
namespace EventForms {

struct Context
{
    UpdateDialog *dialog = nullptr;
    SimList allSims;
    SimList livingSims;
    int rotationTime = 1;
    int epFlags = 0;
    QStringList genders;    // "male", "female"
    QStringList times;      // "before", "after"
    QStringList households; // playable households, first appearance order
};

// Adds the pieces of the named event's form to ctx.dialog. Returns false when
// the name has no form, leaving the dialog empty.
bool build(const QString &eventName, Context &ctx);

// The three pieces that open every form naming the day of the rotation.
void addDayLead(Context &ctx);

// The shared lists the composer puts into the context.
QStringList genders();
QStringList times();
// The household of every sim that is not in a special household, each name
// once, in the order of first appearance.
QStringList playableHouseholds(const SimList &sims);

} // namespace EventForms
