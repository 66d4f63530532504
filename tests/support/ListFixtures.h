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
    // Without the end of its last line, an empty one, the file would end
    // inside a section its version reads on from.
    bool needsItsFinalLineEnd = false;
};

// Every version's fixture, one whose SimPE folder holds a comma, one whose
// household name holds a comma, a 0.2 list with more empty lines at its end,
// a 0.3 list with none after its households, a 0.1 list without its
// settings line, the empty sheet, and a sheet without sims that holds one
// pending update; each with CR LF line ends (as written), LF, and CR CR LF
// (as written through a Windows text stream); with a CR, also without the
// last LF alone; and each also without the end of its last line, but for
// lists whose last line is a family-link line (0.4 and 0.5 with sims), where
// that is a cut, and for those marked as needing it.
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
// letter O for a zero, as a typo or a bad byte gives it), or left empty, or
// holding its number in a form the writer never writes: with a leading zero,
// a blank before or after it, a plus sign, or "-0" for a -1 or a 0.
QList<Garbled> garbledSimLines();

// Lists of two sims whose only UTF-8 letters are the first sim's name and
// household (with its household line), in Hebrew, Arabic, Romanian,
// Vietnamese or Chinese, with one byte that is not UTF-8: on that sim's
// line, in its notes, or on the other sim's line.
struct BadByteBesideAName
{
    QString name; // of the case
    QByteArray bytes;
    QString sim;
    QString household;
    QString notes; // the sim's, as read
    QString lineOf; // the sim whose line holds the bad byte
};
QList<BadByteBesideAName> badBytesBesideNames();

} // namespace ListFixtures
