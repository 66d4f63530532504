#pragma once

#include <QList>
#include <QString>

// The filter dialog's fifty boxes in seven groups. Each group is one of the
// sheet's filter masks, and the k-th box of a group stands for bit k of that
// mask; each box has a signal of the dialog and a slot of the sheet, both
// named by `signal`.
namespace FilterTable {

// In the dialog's order, top to bottom.
enum class Group { Life, Type, Species, Gender, LifeStage, Aspiration, Paranormal };

struct GroupInfo
{
    Group group;
    QString title;
    // The group's boxes fill a grid of this many columns row by row; 0 puts
    // them in one row.
    int columns;
};

struct Box
{
    Group group;
    // The box's place within its group, and its bit in the group's mask.
    int bit;
    QString label;
    // The dialog's signal and the sheet's slot, e.g. "setAliveFilter"; each
    // takes the box's new state (bool).
    const char *signal;
};

// The seven groups in order.
const QList<GroupInfo> &groups();
// The fifty boxes in order, group by group.
const QList<Box> &boxes();
// One group's boxes, in order.
QList<Box> boxesOf(Group group);
// A mask with the bits of every box of the group set: nothing filtered out.
int allBits(Group group);

} // namespace FilterTable
