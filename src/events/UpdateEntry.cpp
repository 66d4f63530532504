#include "events/UpdateEntry.h"

#include "events/EntryLine.h"
#include "events/SentenceParser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

UpdateEntry::UpdateEntry(QString text, Sim *sim1, Sim *sim2)
{
    sentenceLabel = new QLabel;
    // Names are typed by the player; show them as typed, never as markup.
    sentenceLabel->setTextFormat(Qt::PlainText);
    sentenceLabel->setText(text);
    sentenceLabel->setWordWrap(true);
    sentenceLabel->setMinimumWidth(500);

    deleteButton = new QPushButton(QStringLiteral("Delete"));
    connect(deleteButton, &QPushButton::clicked, this, qOverload<>(&UpdateEntry::deleteMe));

    entryLayout = new QHBoxLayout;
    entryLayout->addWidget(sentenceLabel, 1);
    entryLayout->addWidget(deleteButton);
    entryLayout->setSizeConstraint(QLayout::SetFixedSize);
    setLayout(entryLayout);

    this->sim1 = sim1;
    this->sim2 = sim2;
}

QString UpdateEntry::text() const
{
    return sentenceLabel->text();
}

int UpdateEntry::sim1Index(const SimList &list) const
{
    return EntryLine::positionOf(list, sim1);
}

int UpdateEntry::sim2Index(const SimList &list) const
{
    return EntryLine::positionOf(list, sim2);
}

int UpdateEntry::aspirationFromName(const QString &name) const
{
    return SentenceParser::aspirationFromName(name);
}

void UpdateEntry::apply()
{
    const QString sentence = text();
    SentenceParser::carryOut(sentence, sim1, sim2, sheetSims, this);
    emit addToAchievementsPage(sentence, sim1, sim2);
    // The Update tab takes the entry away on this signal: nothing of the
    // entry may be touched after it.
    emit deleteMe(this);
}

void UpdateEntry::deleteMe()
{
    // Last statement: a receiver may schedule this entry's destruction.
    emit deleteMe(this);
}
