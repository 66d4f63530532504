#pragma once

#include "records/Sim.h"

#include <QHash>
#include <QString>

// One line of the updates or achievements section of a list file:
// a double quote, the sentence, a double quote, a comma and the positions of
// the entry's two sims in the sheet's sim list (-1 for none).
// Both sections share this reader and writer.
namespace EntryLine {

struct Fields
{
    QString text;
    int pos1 = -1;
    int pos2 = -1;
};

// The line without its line end.
QString format(const QString &text, int pos1, int pos2);

// Reads a line. The positions are the last two comma-separated fields and the
// sentence is what stands between the outer quotes, so any sentence the
// writer wrote reads back unchanged. Returns false for a line of another
// shape, and for one whose positions are not both whole numbers in the form
// the writer writes them.
bool parse(const QString &line, Fields *out);

// Whether each position is -1 (no sim) or the position of one of a list's
// `sims` sims. A line naming a sim past the last one, as a lost sim line
// leaves it, would name nobody.
bool namesSimsOf(const Fields &fields, qsizetype sims);

// The sim at a position of the list; null for a negative position, one at or
// past the end, or a null entry.
Sim *simAt(const SimList &list, int pos);

// The position of the first entry of the list that is the sim; -1 for a null
// sim or one that is not in the list.
int positionOf(const SimList &list, const Sim *sim);

// The same positions for many lines written against one list: the list is
// walked once, so a section of m lines over n sims takes time in m + n
// rather than m times n.
class Positions
{
public:
    explicit Positions(const SimList &list);
    int of(const Sim *sim) const;

private:
    QHash<const Sim *, int> m_first;
};

} // namespace EntryLine
