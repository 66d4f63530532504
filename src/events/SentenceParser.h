#pragma once

#include "records/Sim.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

// The update sentences the program understands: 51 tests, each a pattern
// that must match the whole sentence and an action on the entry's sims.
// Every test that matches acts, in the fixed order of the table; test 17
// refines test 16 and test 19 refines test 18, so each is only tried when
// its outer test matched.
namespace SentenceParser {

// What a sentence asks of the sheet beyond changing the entry's own sims:
// new sims, holds over many sims, removal. The parser only asks; whoever
// carries a sentence out decides how the sheet hears of it.
class SheetRequests
{
public:
    virtual ~SheetRequests() = default;
    virtual void newSim(const QString &name, int gender, int age, int aspiration, int hold,
                        const QString &household, int flags, Sim *parent1, Sim *parent2) = 0;
    virtual void newTowniePair(const QString &parentName, int parentAge, const QString &babyName,
                               int babyGender, int babyHold, int flags, Sim *otherParent) = 0;
    virtual void holdAllBut(Sim *sim, int hold) = 0;
    virtual void holdHousehold(const QString &household, int hold) = 0;
    virtual void holdAllHouseholdsBut(const QString &household, int hold) = 0;
    virtual void removeSim(Sim *sim) = 0;
};

struct Match
{
    int test; // 1..51
    QStringList captures; // captures[0] is group 1
};

// The tests that match the sentence, in the order they act, with their
// captures. Touches no sim.
QList<Match> matches(const QString &sentence);

// Runs every matching test's action for an entry: changes sim1 and sim2
// through their own operations and passes what it asks of the sheet to
// `requests`.
// A test that needs a sim the entry lacks does nothing. sheetSims are the
// sheet's sims, which a break-up searches for former partners.
void carryOut(const QString &sentence, const QPointer<Sim> &sim1, const QPointer<Sim> &sim2,
              const SimList &sheetSims, SheetRequests &requests);

// The Aspiration code of an aspiration word; 0 for any other text.
int aspirationFromName(const QString &name);

// The hold of a sim that arrives on day `day`: it is not aged for the days
// already gone, one fewer when it arrived before the evening. Never negative.
int dayRuleHold(int day, const QString &beforeOrAfter);

} // namespace SentenceParser
