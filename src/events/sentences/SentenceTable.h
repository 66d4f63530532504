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

// The texts of a sim that go into quoted fields of its list line.
enum class Field { Name, Household, Major };

// Keeps the texts a list line cannot hold (a line break, a double quote
// followed by a comma, a leading comma) away from the sims: a sentence read
// from a list file was never checked by a form, and such a text would turn
// the sim's line into other sims on the next open. A refused change is
// skipped with one line on standard output; the rest of the sentence goes on.
// One guard serves one sentence, so that two tests refusing the same change
// (a marriage is also a change of name) say so once.
class TextGuard
{
public:
    // Whether `text` may become a sim's `field`; when it may not, says that
    // `skipped` was skipped, and why.
    bool fits(Field field, const QString &text, const QString &skipped);

    // Each sets the text unless the guard refuses it; true when it was set.
    bool setName(Sim *sim, const QString &name);
    bool setHousehold(Sim *sim, const QString &household);
    bool setMajor(Sim *sim, const QString &major);

private:
    bool change(Sim *sim, Field field, const QString &text, void (Sim::*set)(const QString &));

    QStringList m_said;
};

// Passes requests on to the sheet, without the texts the guard refuses: a
// new sim whose name cannot be stored is not made, one whose household
// cannot be stored is made without it ("At Large").
class GuardedRequests final : public SheetRequests
{
public:
    GuardedRequests(SheetRequests &sheet, TextGuard &guard);

    void newSim(const QString &name, int gender, int age, int aspiration, int hold,
                const QString &household, int flags, Sim *parent1, Sim *parent2) override;
    void newTowniePair(const QString &parentName, int parentAge, const QString &babyName,
                       int babyGender, int babyHold, int flags, Sim *otherParent) override;
    void holdAllBut(Sim *sim, int hold) override;
    void holdHousehold(const QString &household, int hold) override;
    void holdAllHouseholdsBut(const QString &household, int hold) override;
    void removeSim(Sim *sim) override;

private:
    SheetRequests &m_sheet;
    TextGuard &m_guard;
};

struct Context
{
    const QString &sentence;
    const QPointer<Sim> &sim1;
    const QPointer<Sim> &sim2;
    const SimList &sheetSims;
    SheetRequests *requests;
    TextGuard *texts;
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

void joinHouseholdOf(const Context &ctx, Sim *sim, const Sim *host);

// The families, in the order of the table: tests 1-15, 16-28, 29-34, 35-51.
void addNewSimTests(QList<Test> &tests);
void addHoldGrowthCollegeAndHouseholdTests(QList<Test> &tests);
void addDeathAndAgeChangeTests(QList<Test> &tests);
void addFamilyNameAspirationAndStateTests(QList<Test> &tests);

} // namespace Table
} // namespace SentenceParser
