#pragma once

#include "sheet/Settings.h"

#include <QList>
#include <QString>

// The settings line of the list file. Lists are always written in the
// 17-value form: rotation days, college on/off, semesters, go to college
// on/off, days before adulthood, birthdays on/off, birthday time, age
// display, SimPE folder, then one digit per pack, every value followed by
// ",". Older lists hold an 8-value form (no folder, no packs) or a 16-value
// form (no folder).
namespace SettingsLine {

// What a line sets, position by position (positions of the 17-value form).
enum Position : int {
    RotationTime = 1,
    RotateCollege,
    CollegeRotationTime,
    AutoGoToCollege,
    AutoGoToCollegeTime,
    AutoBirthdays,
    AutoBirthdaysTime,
    AgeDisplay,
    SimPELocation,
    FirstPack,
    LastPack = FirstPack + 7
};

// The 17-value line of these settings, without a line end.
QString format(const Settings &settings);

// The positions that the form of a list-format index holds, in line order:
// indexes 0 and 1 the 8-value form, 2 and 3 the 16-value form, any other
// the 17-value form.
QList<int> positionsOf(int formatIndex);

// One line read in the form of a list-format index.
struct Read
{
    // The parts of the line, the empty one after the last "," included.
    int partCount = 0;
    // The positions the line sets, in line order. A line with fewer parts
    // than its form is damaged and sets none.
    QList<int> positions;
    // Their values; numbers that are not numbers read as 0, and every value
    // is held to the range the settings dialog can show.
    Settings values;
};
Read read(const QString &line, int formatIndex);

// Whether a line has the shape every form of the settings line has: its
// first eight values whole numbers. A list that lost or repeated a line
// before it has an empty line there, or a line of another section.
bool hasShape(const QString &line);

// The pack bit of positions FirstPack to LastPack.
int packBit(int position);

} // namespace SettingsLine
