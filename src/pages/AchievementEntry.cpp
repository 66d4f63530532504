#include "pages/AchievementEntry.h"

#include "records/EntryLine.h"

#include <QRegularExpression>

AchievementEntry::AchievementEntry(QString text, Sim *sim1, Sim *sim2)
    : SentenceLabel(text)
    , m_sim1(sim1)
    , m_sim2(sim2)
{
    setMaximumSize(sizeHint());
}

bool AchievementEntry::involves(Sim *sim) const
{
    return sim == m_sim1 || sim == m_sim2;
}

int AchievementEntry::sim1Index(const SimList &list) const
{
    return EntryLine::positionOf(list, m_sim1);
}

int AchievementEntry::sim2Index(const SimList &list) const
{
    return EntryLine::positionOf(list, m_sim2);
}

bool AchievementEntry::isHoldSentence(const QString &text)
{
    static const QRegularExpression hold(
        QRegularExpression::anchoredPattern(QStringLiteral("Put .+ on hold for .+ days\\.")));
    return hold.match(text).hasMatch();
}
