#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The checks that every form test shares, as data-driven QTest steps: a
// test's _data function calls the matching columns function and adds rows
// with row(), its test function calls the check.
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
    // page) and what "Apply Updates" does and logs.
    static void roundTrip();

    // Columns: category, event, flags, inputs, blank (the input left empty).
    static void addRefusalColumns();
    // "Add" files nothing and the form says why while the typed text is
    // empty; once it is typed, "Add" files the entry.
    static void refusesEmptyText();

    // Columns: category, event, flags, input (which input), items (its
    // choice items in order, as the form offers them).
    static void addChoiceColumns();
    static void offersChoices();

    // The six words a "Random" aspiration can turn into, and their codes.
    static QStringList randomWords();
    static int aspirationCode(const QString &word);

    // The hold of a day-rule sentence.
    static int dayHold(int day, const QString &time) { return time == "before" ? day - 1 : day; }
};
