#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// List files made from the fixtures under tests/fixtures/lists, for the
// reader's tests and the window's: well-formed lists of every version that
// must open without a word, and lists with a number field garbled.
namespace ListFixtures {

struct WellFormed
{
    QString name;
    QByteArray bytes;
    int format;
    int sims;
    QByteArray saved; // what opening and saving it writes
};

// Every version's fixture, one whose SimPE folder holds a comma, the empty
// sheet, and a sheet without sims that holds one pending update; each with
// CR LF line ends (as written), LF, and CR CR LF (as written through a
// Windows text stream), and each also without the end of its last line,
// but for lists whose last line is a family-link line (0.4 and 0.5 with
// sims), where that is a cut.
QList<WellFormed> wellFormed();

struct Garbled
{
    QString name;
    QByteArray bytes;
    int format;
    int sims;
    QString simName; // the sim whose line is garbled
};

// Each number field of the sim line of every version holding a letter (the
// letter O for a zero, as a typo or a bad byte gives it), or left empty.
QList<Garbled> garbledSimLines();

} // namespace ListFixtures
