#pragma once

#include <QString>

// One line of the households section of a list file: the household's name,
// a comma and its played mark ("Yes", "No", or nothing for the special
// households).
namespace HouseholdLine {

struct Fields
{
    QString name;
    QString mark;
};

// The line without its line end; a line break in the name or the mark is
// written as a blank.
QString format(const QString &name, const QString &mark);

// The mark follows the last comma, so a household name may hold commas.
// False for a line without a comma, and for a mark the program never
// writes: anything but "Yes" and "No", or nothing after the comma of a
// household that is not one of the special ones, as a line cut short
// leaves it ("N", "Ye").
bool parse(const QString &line, Fields *out);

} // namespace HouseholdLine
