#include "pages/AchievementsPage.h"

#include "records/EntryLine.h"
#include "pages/AchievementEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTextStream>
#include <QVBoxLayout>

AchievementsPage::AchievementsPage()
    : QWidget()
{
    simBox = new QComboBox;
    simBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    filterButton = new QPushButton(tr("Filter by Sim"));
    filterButton->setMaximumSize(filterButton->sizeHint());
    filterButton->setEnabled(false);
    showAllButton = new QPushButton(tr("Show All"));
    showAllButton->setMaximumSize(showAllButton->sizeHint());
    showAllButton->setEnabled(false);
    showHoldsBox = new QCheckBox(tr("Show holds"));
    showHoldsBox->setChecked(true);

    controlRow = new QHBoxLayout;
    controlRow->addWidget(filterButton);
    controlRow->addWidget(simBox);
    controlRow->addWidget(showAllButton);
    controlRow->addWidget(showHoldsBox);

    // The container is sized by fitContainer(), not by the scroll area.
    entryContainer = new QWidget;
    entryLayout = new QVBoxLayout(entryContainer);
    scrollArea = new QScrollArea;
    scrollArea->setWidget(entryContainer);

    mainLayout = new QVBoxLayout;
    mainLayout->addLayout(controlRow);
    mainLayout->setAlignment(controlRow, Qt::AlignCenter);
    mainLayout->addWidget(scrollArea);
    setLayout(mainLayout);

    connect(filterButton, &QPushButton::clicked, this, &AchievementsPage::filterEntries);
    connect(showHoldsBox, &QCheckBox::clicked, this, &AchievementsPage::filterHolds);
    connect(showAllButton, &QPushButton::clicked, this, &AchievementsPage::showAll);
}

QList<AchievementEntry *> AchievementsPage::entries() const
{
    QList<AchievementEntry *> list;
    for (int i = 0; i < entryLayout->count(); ++i) {
        if (auto *entry = qobject_cast<AchievementEntry *>(entryLayout->itemAt(i)->widget()))
            list.append(entry);
    }
    return list;
}

void AchievementsPage::fitContainer()
{
    entryLayout->invalidate();
    entryContainer->resize(entryLayout->minimumSize());
}

void AchievementsPage::addEntry(QString text, Sim *sim1, Sim *sim2)
{
    auto *entry = new AchievementEntry(text, sim1, sim2);
    entryLayout->addWidget(entry);
    entry->show();
    fitContainer();

    for (Sim *sim : {sim1, sim2}) {
        if (sim && !sims.contains(sim)) {
            sims.append(sim);
            simBox->addItem(sim->name());
        }
    }
    filterButton->setEnabled(!sims.isEmpty());
}

void AchievementsPage::showAll()
{
    const bool holds = showHoldsBox->isChecked();
    for (AchievementEntry *entry : entries())
        entry->setVisible(holds || !entry->isHold());
    fitContainer();
    showAllButton->setEnabled(false);
}

void AchievementsPage::filterEntries()
{
    const int index = simBox->currentIndex();
    if (index < 0 || index >= sims.size())
        return;
    Sim *chosen = sims.at(index).data();
    const bool holds = showHoldsBox->isChecked();
    for (AchievementEntry *entry : entries()) {
        entry->setVisible(chosen && entry->involves(chosen) && (holds || !entry->isHold()));
        fitContainer();
    }
    showAllButton->setEnabled(true);
}

void AchievementsPage::filterHolds()
{
    if (showAllButton->isEnabled())
        filterEntries();
    else
        showAll();
}

void AchievementsPage::clearEntries()
{
    while (QLayoutItem *item = entryLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    fitContainer();
    entryContainer->update();
}

QString AchievementsPage::saveEntries(SimList list)
{
    const QList<AchievementEntry *> logged = entries();
    QTextStream out(stdout);
    out << "AchievementsPage" << Qt::endl;
    out << static_cast<const void *>(entryLayout) << Qt::endl;
    out << logged.size() << Qt::endl;
    if (logged.isEmpty()) {
        out << "There are 0 items in the layout." << Qt::endl;
        return QString();
    }

    QString section;
    for (const AchievementEntry *entry : logged) {
        section += EntryLine::format(entry->text(), entry->sim1Index(list), entry->sim2Index(list));
        section += QLatin1String("\r\n");
    }
    return section;
}

void AchievementsPage::loadEntry(SimList list, QString line)
{
    EntryLine::Fields fields;
    if (!EntryLine::parse(line, &fields)) {
        // A damaged line must not stop the rest of the list from loading.
        QTextStream(stdout) << "Skipping malformed achievements line: " << line << Qt::endl;
        return;
    }
    addEntry(fields.text, EntryLine::simAt(list, fields.pos1), EntryLine::simAt(list, fields.pos2));
}
