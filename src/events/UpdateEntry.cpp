#include "events/UpdateEntry.h"

#include "records/EntryLine.h"
#include "events/SentenceParser.h"
#include "pages/SentenceLabel.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

// Hands what a sentence asks of the sheet on as the entry's signals.
class EntryRequests final : public SentenceParser::SheetRequests
{
public:
    explicit EntryRequests(UpdateEntry *entry)
        : m_entry(entry)
    {
    }

    void newSim(const QString &name, int gender, int age, int aspiration, int hold,
                const QString &household, int flags, Sim *parent1, Sim *parent2) override
    {
        emit m_entry->newSim(name, gender, age, aspiration, hold, household, flags, parent1,
                             parent2);
    }
    void newTowniePair(const QString &parentName, int parentAge, const QString &babyName,
                       int babyGender, int babyHold, int flags, Sim *otherParent) override
    {
        emit m_entry->newTowniePair(parentName, parentAge, babyName, babyGender, babyHold, flags,
                                    otherParent);
    }
    void holdAllBut(Sim *sim, int hold) override { emit m_entry->holdAllBut(sim, hold); }
    void holdHousehold(const QString &household, int hold) override
    {
        emit m_entry->holdHousehold(household, hold);
    }
    void holdAllHouseholdsBut(const QString &household, int hold) override
    {
        emit m_entry->holdAllHouseholdsBut(household, hold);
    }
    void removeSim(Sim *sim) override { emit m_entry->removeSim(sim); }

private:
    UpdateEntry *m_entry;
};

} // namespace

UpdateEntry::UpdateEntry(QString text, Sim *sim1, Sim *sim2)
    : m_sim1(sim1)
    , m_sim2(sim2)
{
    m_sentenceLabel = new SentenceLabel(text);
    m_sentenceLabel->setWordWrap(true);
    m_sentenceLabel->setMinimumWidth(500);

    m_deleteButton = new QPushButton(QStringLiteral("Delete"));
    connect(m_deleteButton, &QPushButton::clicked, this, qOverload<>(&UpdateEntry::deleteMe));

    m_entryLayout = new QHBoxLayout;
    m_entryLayout->addWidget(m_sentenceLabel, 1);
    m_entryLayout->addWidget(m_deleteButton);
    m_entryLayout->setSizeConstraint(QLayout::SetFixedSize);
    setLayout(m_entryLayout);
}

QString UpdateEntry::text() const
{
    return m_sentenceLabel->text();
}

int UpdateEntry::sim1Index(const SimList &list) const
{
    return EntryLine::positionOf(list, m_sim1);
}

int UpdateEntry::sim2Index(const SimList &list) const
{
    return EntryLine::positionOf(list, m_sim2);
}

int UpdateEntry::aspirationFromName(const QString &name) const
{
    return SentenceParser::aspirationFromName(name);
}

void UpdateEntry::apply()
{
    const QString sentence = text();
    EntryRequests requests(this);
    SentenceParser::carryOut(sentence, m_sim1, m_sim2, m_sheetSims, requests);
    emit addToAchievementsPage(sentence, m_sim1, m_sim2);
    // The Update tab takes the entry away on this signal: nothing of the
    // entry may be touched after it.
    emit deleteMe(this);
}

void UpdateEntry::deleteMe()
{
    // Last statement: a receiver may schedule this entry's destruction.
    emit deleteMe(this);
}
