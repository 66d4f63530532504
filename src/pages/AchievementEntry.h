#pragma once

#include "pages/SentenceLabel.h"
#include "records/EntryLine.h"
#include "records/Sim.h"

#include <QString>

// One logged sentence on the Achievements tab, with the sims it named.
// Sims are never deleted while the program runs, so plain pointers do.
class AchievementEntry : public SentenceLabel
{
    Q_OBJECT

public:
    AchievementEntry(QString text, Sim *sim1, Sim *sim2);

    bool involves(Sim *sim) const;
    int sim1Index(const SimList &list) const;
    int sim2Index(const SimList &list) const;
    int sim1Index(const EntryLine::Positions &positions) const { return positions.of(m_sim1); }
    int sim2Index(const EntryLine::Positions &positions) const { return positions.of(m_sim2); }
    bool isHold() const { return isHoldSentence(text()); }

    // True for the sentences of the hold forms: "Put ... on hold for ... days."
    static bool isHoldSentence(const QString &text);

private:
    Sim *m_sim1;
    Sim *m_sim2;
};
