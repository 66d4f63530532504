#include "pages/AchievementsPage.h"

#include "records/Console.h"
#include "records/EntryLine.h"
#include "pages/AchievementEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

AchievementsPage::AchievementsPage()
    : QWidget()
{
    m_simBox = new QComboBox;
    m_simBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_filterButton = new QPushButton(QStringLiteral("Filter by Sim"));
    m_filterButton->setMaximumSize(m_filterButton->sizeHint());
    m_filterButton->setEnabled(false);
    m_showAllButton = new QPushButton(QStringLiteral("Show All"));
    m_showAllButton->setMaximumSize(m_showAllButton->sizeHint());
    m_showAllButton->setEnabled(false);
    m_showHoldsBox = new QCheckBox(QStringLiteral("Show holds"));
    m_showHoldsBox->setChecked(true);

    m_controlRow = new QHBoxLayout;
    m_controlRow->addWidget(m_filterButton);
    m_controlRow->addWidget(m_simBox);
    m_controlRow->addWidget(m_showAllButton);
    m_controlRow->addWidget(m_showHoldsBox);

    // The container is sized by fitContainer(), not by the scroll area.
    m_entryContainer = new QWidget;
    m_entryLayout = new QVBoxLayout(m_entryContainer);
    m_scrollArea = new QScrollArea;
    m_scrollArea->setWidget(m_entryContainer);

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->addLayout(m_controlRow);
    m_mainLayout->setAlignment(m_controlRow, Qt::AlignCenter);
    m_mainLayout->addWidget(m_scrollArea);
    setLayout(m_mainLayout);

    connect(m_filterButton, &QPushButton::clicked, this, &AchievementsPage::filterEntries);
    connect(m_showHoldsBox, &QCheckBox::clicked, this, &AchievementsPage::filterHolds);
    connect(m_showAllButton, &QPushButton::clicked, this, &AchievementsPage::showAll);
}

QList<AchievementEntry *> AchievementsPage::entries() const
{
    QList<AchievementEntry *> list;
    for (int i = 0; i < m_entryLayout->count(); ++i) {
        if (auto *entry = qobject_cast<AchievementEntry *>(m_entryLayout->itemAt(i)->widget()))
            list.append(entry);
    }
    return list;
}

void AchievementsPage::fitContainer()
{
    // Fitting walks the whole log; while the tab is hidden (the Update tab
    // logging an "Apply Updates" entry by entry) it waits for the showing.
    if (!isVisible()) {
        m_fitPending = true;
        return;
    }
    m_fitPending = false;
    m_entryLayout->invalidate();
    m_entryContainer->resize(m_entryLayout->minimumSize());
}

void AchievementsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_fitPending)
        fitContainer();
}

void AchievementsPage::addEntry(QString text, Sim *sim1, Sim *sim2)
{
    log(text, sim1, sim2);
    fitContainer();
}

void AchievementsPage::log(const QString &text, Sim *sim1, Sim *sim2)
{
    auto *entry = new AchievementEntry(text, sim1, sim2);
    m_entryLayout->addWidget(entry);
    entry->show();

    for (Sim *sim : {sim1, sim2}) {
        if (sim && !m_listed.contains(sim)) {
            m_listed.insert(sim);
            m_sims.append(sim);
            m_simBox->addItem(sim->name());
        }
    }
    m_filterButton->setEnabled(!m_sims.isEmpty());
}

void AchievementsPage::showAll()
{
    const bool holds = m_showHoldsBox->isChecked();
    showEntries([holds](const AchievementEntry *entry) { return holds || !entry->isHold(); });
    m_showAllButton->setEnabled(false);
}

void AchievementsPage::filterEntries()
{
    const int index = m_simBox->currentIndex();
    if (index < 0 || index >= m_sims.size())
        return;
    Sim *chosen = m_sims.at(index).data();
    const bool holds = m_showHoldsBox->isChecked();
    showEntries([chosen, holds](const AchievementEntry *entry) {
        return chosen && entry->involves(chosen) && (holds || !entry->isHold());
    });
    m_showAllButton->setEnabled(true);
}

void AchievementsPage::showEntries(const std::function<bool(const AchievementEntry *)> &shown)
{
    whileLogHidden([&] {
        for (AchievementEntry *entry : entries())
            entry->setVisible(shown(entry));
    });
    fitContainer();
}

void AchievementsPage::whileLogHidden(const std::function<void()> &change)
{
    // Each entry shown in a shown log lays the whole log out again, which
    // made a log of thousands take seconds to show; with the log hidden
    // while it changes, it is laid out once, when shown again.
    const bool shown = !m_entryContainer->isHidden();
    m_entryContainer->hide();
    change();
    m_entryContainer->setVisible(shown);
}

void AchievementsPage::filterHolds()
{
    if (m_showAllButton->isEnabled())
        filterEntries();
    else
        showAll();
}

AchievementsPage::~AchievementsPage()
{
    deleteEntries();
}

void AchievementsPage::deleteEntries()
{
    // Every item leaves the layout, from the back, before any entry goes: an
    // entry destroyed while others are listed makes the layout search them
    // all, which made a long log take seconds to clear.
    QList<QWidget *> widgets;
    for (int i = m_entryLayout->count() - 1; i >= 0; --i) {
        QLayoutItem *item = m_entryLayout->takeAt(i);
        widgets.append(item->widget());
        delete item;
    }
    qDeleteAll(widgets);
}

void AchievementsPage::clearEntries()
{
    deleteEntries();
    // The sim box lists the sims of the log in hand: a sim of the former
    // log would filter the next one to nothing, and would be listed again
    // beside the new record of the same sim when a list is opened again.
    m_sims.clear();
    m_listed.clear();
    m_simBox->clear();
    m_filterButton->setEnabled(false);
    m_showAllButton->setEnabled(false);
    fitContainer();
    m_entryContainer->update();
}

QString AchievementsPage::saveEntries(SimList list)
{
    const QList<AchievementEntry *> logged = entries();
    Console::line(QStringLiteral("AchievementsPage"));
    Console::line(QStringLiteral("0x%1").arg(reinterpret_cast<quintptr>(m_entryLayout), 0, 16));
    Console::line(QString::number(logged.size()));
    if (logged.isEmpty()) {
        Console::line(QStringLiteral("There are 0 items in the layout."));
        return QString();
    }

    QString section;
    const EntryLine::Positions positions(list);
    for (const AchievementEntry *entry : logged) {
        section += EntryLine::format(entry->text(), entry->sim1Index(positions),
                                     entry->sim2Index(positions));
        section += QLatin1String("\r\n");
    }
    return section;
}

void AchievementsPage::loadEntry(SimList list, QString line)
{
    loadEntries(list, {line});
}

void AchievementsPage::loadEntries(SimList list, const QStringList &lines)
{
    whileLogHidden([&] {
        for (const QString &line : lines) {
            EntryLine::Fields fields;
            if (!EntryLine::parse(line, &fields)) {
                // A damaged line must not stop the rest of the list from loading.
                Console::line(QStringLiteral("Skipping malformed achievements line: ") + line);
                continue;
            }
            log(fields.text, EntryLine::simAt(list, fields.pos1),
                EntryLine::simAt(list, fields.pos2));
        }
    });
    fitContainer();
}
