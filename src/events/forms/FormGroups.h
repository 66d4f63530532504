#pragma once

#include "events/forms/EventForms.h"

// One builder per group of forms; each returns true when it built the form of
// the named event.
namespace EventForms {
bool buildJoiningForm(const QString &eventName, Context &ctx);    // new sims joining
bool buildBirthForm(const QString &eventName, Context &ctx);      // births
bool buildAdoptionForm(const QString &eventName, Context &ctx);   // adoptions, servos, Bigfoot
bool buildHoldForm(const QString &eventName, Context &ctx);       // holds, growing up, leaving, returning
bool buildCollegeLifeForm(const QString &eventName, Context &ctx); // college, death and life
bool buildHouseholdForm(const QString &eventName, Context &ctx);  // household and family
bool buildChangeForm(const QString &eventName, Context &ctx);     // changes, supernatural, custom
} // namespace EventForms
