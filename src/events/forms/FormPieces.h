#pragma once

#include "events/forms/EventForms.h"

#include <functional>
#include <initializer_list>

// Pieces and sim tests that many event forms share.
namespace EventForms {

using SimTest = std::function<bool(const Sim &)>;

// One pass over the source in its order, keeping the sims that pass.
SimList pickSims(const SimList &source, const SimTest &keep);

// One pass that fills two boxes: a sim goes to the first list when it passes
// the first test, else to the second when it passes the second.
void pickSims(const SimList &source, const SimTest &first, const SimTest &second,
              SimList *firstList, SimList *secondList);

bool isHuman(const Sim &sim);
bool isPet(const Sim &sim);

// Case-sensitive substring tests on the life-stage text.
bool stageHas(const Sim &sim, const char *word);
bool stageHasAny(const Sim &sim, std::initializer_list<const char *> words);

// Human, of a playable household, and an adult or elder: who may adopt or
// travel, and who may take in a stray.
bool isAdoptiveParent(const Sim &sim);

bool hasPack(const Context &ctx, int packBit);

// The items, with the extras appended only when the pack is set.
QStringList withPack(const Context &ctx, QStringList items, int packBit,
                     const QStringList &extras);

// Aspiration items that end in "Random", which "Add" draws for.
QStringList withRandom(QStringList items);

// The gender choice and the time choice of the composer.
void addGenderChoice(Context &ctx);
void addTimeChoice(Context &ctx);

// Label " ", the time choice, then the hour ("six PM." and the like).
void addTimeOfDay(Context &ctx, const QString &hour);

// A typed name, a label, then the time choice and the hour.
void addNameAndTime(Context &ctx, const QString &afterName, const QString &hour);

// Sim box, then a closing label: the many forms that are one sim and a clause.
void addSimSentence(Context &ctx, const SimList &sims, const QString &clause);

// Sim box, label, sim box, label ".": the forms about two sims of the sheet.
void addTwoSimSentence(Context &ctx, const SimList &first, const QString &link,
                       const SimList &second);

// Sim box, label, a choice or a typed field, label ".".
void addSimChoiceSentence(Context &ctx, const SimList &sims, const QString &link,
                          const QStringList &items, bool aspirationChoice = false);
void addSimTypedSentence(Context &ctx, const SimList &sims, const QString &link);

} // namespace EventForms
