#pragma once

#include "sheet/ListFile.h"

#include <QString>

// What the player is told of a damaged list before it is opened, apart from
// the reader that finds the damage.
namespace ListFile {

// The question put to the player before a damaged list is opened: what is
// missing, and what stays as it is: the backup, or, for a list that has
// none yet, the list file itself. However badly the list is damaged, the
// text is short enough for a box that fits the screen: each list in it
// names a few and counts the rest, names are shortened, and a box too full
// for that names fewer of each kind, down to counting each kind whole, so
// that every kind of damage is still said.
QString damageText(const QString &listName, int format, const Damage &damage, bool backupExists);

// How many items the box names in one list at most; the rest are counted,
// so that a badly damaged list still gives a box that fits on the screen.
constexpr qsizetype kNamedAtMost = 5;

// A name or a mark as the box shows it: a long one, as a garbled line may
// give, is cut short in its middle, keeping its start and its end.
QString shown(const QString &text);

// A sim as the box names it: by its name, or by the line of the sims section
// that holds it (`position` counts from 0) when it has none.
QString simCalled(const Sim &sim, int position);

} // namespace ListFile
