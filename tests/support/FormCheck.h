#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The checks that every form test shares, as data-driven QTest steps: a
// test's _data function calls the matching columns function and adds its
// rows, its test function calls the check.
//
// Inputs name a form's pieces in sentence order, fixed words left out: a
// number, a typed text, a choice's item, or the fixture key of the sim to
// pick in a sim box.
//
// In an expected sentence "{asp}" stands for the word a "Random" aspiration
// turned into (any of the six it may give); "{aspcode}" in the expected
// effects stands for that word's aspiration code.
class FormCheck
{
public:
    // Columns: category, event, flags, inputs, sentence, sim1, sim2 (fixture
    // keys, "-" for none), tests (the parser tests that match, in order) and
    // effects (the sheet requests in order, then every changed field of the
    // fixture sims as "key.field: old -> new", in sheet order).
    static void addRoundTripColumns();
    // Composes through the Update tab and checks the sentence and sims, the
    // parser's matches, the updates section (save, then load into a fresh
    // page) and what "Apply Updates" does and logs, both for the composed
    // entry and for its saved line opened on another copy of the sheet.
    static void roundTrip();

    // Columns: category, event, flags, inputs, blank (the input left empty).
    static void addRefusalColumns();
    // "Add" files nothing and the form says why while the typed text is
    // empty; once it is typed, "Add" files the entry.
    static void refusesEmptyText();
    // The same with a double quote followed by a comma typed at that input,
    // which would break the updates section's line.
    static void refusesQuoteComma();

    // Columns: category, event, flags, rotation (the rotation length).
    static void addDayColumns();
    // One row per event, for the shortest rotation and a longer one.
    static void addDayRows(const QString &category, const QStringList &events, int flags);
    // The day of a form that names it runs from 1 to the rotation length.
    static void offersDays();

    // Columns: category, event, flags, inputs (with a name typed over a sim
    // box, "=name").
    static void addTypedNameColumns();
    // A name typed over a sim box gives no sim for that box, so "Add" refuses
    // with its message and files nothing: no other box's sim may take that
    // sim's part in the sentence.
    static void refusesTypedName();

    // What "Add" says while a sim box gives no sim.
    static QString noSimMessage();

    // Columns: category, event, flags, input (which input), items (its
    // choice items in order, as the form offers them).
    static void addChoiceColumns();
    static void offersChoices();

    // The six words a "Random" aspiration can turn into, and their codes.
    static QStringList randomWords();
    static int aspirationCode(const QString &word);

    // Both lists in full when they differ, so a failure shows every line.
    static QByteArray describe(const QStringList &actual, const QStringList &expected);

    // The hold of a day-rule sentence.
    static int dayHold(int day, const QString &time) { return time == "before" ? day - 1 : day; }

private:
    // Types the text at the row's blank input; the form must refuse "Add"
    // and show the message (any message when none is given).
    static void refuses(const QString &text, const QString &message);
};
