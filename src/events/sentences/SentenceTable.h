#pragma once

// The table of the parser's tests, built by one builder per family of
// sentences. Only the parser and its builders include this.

#include "events/SentenceParser.h"

#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace SentenceParser {
namespace Table {

// Which of the entry's sims a test reads or changes; without them it does
// nothing at all.
enum Needs { NoSim = 0, Sim1 = 1, Sim2 = 2, BothSims = 3 };

struct Context
{
    const QString &sentence;
    const QPointer<Sim> &sim1;
    const QPointer<Sim> &sim2;
    const SimList &sheetSims;
    SheetRequests *requests;
};

// caps: the test's own captures; inner: the captures of the test nested in
// it, or null when that one did not match (or there is none).
using Handler = void (*)(const Context &ctx, const QStringList &caps, const QStringList *inner);

struct Test
{
    int number;
    Needs needs;
    // The test tried only when this one matched (17 in 16, 19 in 18), or 0.
    int inner;
    // The outer test of a nested one, or 0.
    int outer;
    QRegularExpression pattern;
    Handler handler;
};

// A test whose pattern must cover the whole sentence.
Test test(int number, Needs needs, const QString &pattern, Handler handler, int inner = 0,
          int outer = 0);

// Helpers shared by the families.
void say(const QString &line);
// Digits only reach here; a number too large for an int reads as 0.
int number(const QString &digits);
int genderFrom(const QString &word);
int day(const QStringList &caps);

using WordTable = QList<QPair<QString, int>>;
// The code of a word by exact, case-sensitive comparison; `otherwise` for a
// word the table lacks.
int lookup(const WordTable &table, const QString &word, int otherwise, bool *found = nullptr);

void joinHouseholdOf(Sim *sim, const Sim *host);

// The families, in the order of the table: tests 1-15, 16-28, 29-34, 35-51.
void addNewSimTests(QList<Test> &tests);
void addHoldGrowthCollegeAndHouseholdTests(QList<Test> &tests);
void addDeathAndAgeChangeTests(QList<Test> &tests);
void addFamilyNameAspirationAndStateTests(QList<Test> &tests);

} // namespace Table
} // namespace SentenceParser
