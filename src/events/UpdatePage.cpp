#include "events/UpdatePage.h"

#include "records/Console.h"
#include "records/EntryLine.h"
#include "events/EventCatalogue.h"
#include "events/forms/EventForms.h"
#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QVBoxLayout>

UpdatePage::UpdatePage(const SimList &sims)
    : m_allSims(sims)
{
    updateLivingSims();

    m_categoryBox = new QComboBox;
    m_categoryBox->setObjectName(QStringLiteral("categoryBox"));
    m_categoryBox->addItem(EventCatalogue::prompt());
    m_categoryBox->addItems(EventCatalogue::categories());

    m_specificBox = new QComboBox;
    m_specificBox->setObjectName(QStringLiteral("specificBox"));
    m_specificBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    // Connected after the items go in, so the event box starts empty.
    connect(m_categoryBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { setSpecificBox(m_categoryBox->itemText(index)); });

    m_addEventButton = new QPushButton(QStringLiteral("Add Event"));
    m_addEventButton->setEnabled(false);
    m_addEventButton->setMaximumSize(m_addEventButton->sizeHint());
    connect(m_addEventButton, &QPushButton::clicked, this, &UpdatePage::createUpdateDialog);

    m_chooserRow = new QHBoxLayout;
    m_chooserRow->addWidget(m_categoryBox);
    m_chooserRow->addWidget(m_specificBox);
    m_chooserRow->addWidget(m_addEventButton);

    m_listLayout = new QVBoxLayout;
    m_listWidget = new QWidget;
    m_listWidget->setLayout(m_listLayout);
    m_listWidget->setMaximumWidth(700);
    m_listWidget->show();
    m_scrollArea = new QScrollArea;
    m_scrollArea->setWidget(m_listWidget);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->show();

    m_applyButton = new QPushButton(QStringLiteral("Apply Updates"));
    m_applyButton->setMaximumSize(m_applyButton->sizeHint());
    connect(m_applyButton, &QPushButton::clicked, this, &UpdatePage::doUpdate);
    m_applyButton->installEventFilter(this);

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->addLayout(m_chooserRow);
    m_mainLayout->setAlignment(m_chooserRow, Qt::AlignCenter);
    m_mainLayout->addWidget(m_scrollArea);
    m_mainLayout->addWidget(m_applyButton, 0, Qt::AlignCenter);
    setLayout(m_mainLayout);
}

// The form is a window of its own; m_updateDialog deletes it with the page,
// which it files into.
UpdatePage::~UpdatePage()
{
    // An entry destroyed while still in the list makes the layout search all
    // the others, so thousands of pending entries would take seconds to go.
    qDeleteAll(takeAllEntries());
}

QList<UpdateEntry *> UpdatePage::takeAllEntries()
{
    // From the back, so that no item moves up and no search is needed.
    QList<UpdateEntry *> entries;
    for (int i = m_listLayout->count() - 1; i >= 0; --i) {
        QLayoutItem *item = m_listLayout->takeAt(i);
        if (auto *entry = qobject_cast<UpdateEntry *>(item->widget()))
            entries.prepend(entry);
        delete item;
    }
    return entries;
}

void UpdatePage::setEPFlags(int flags)
{
    m_epFlags = flags;
}

void UpdatePage::setRotationTime(int days)
{
    m_rotationTime = days;
}

void UpdatePage::setSimList(const SimList &sims)
{
    m_allSims = sims;
    updateLivingSims();
}

void UpdatePage::updateLivingSims()
{
    m_livingSims.clear();
    for (const QPointer<Sim> &sim : std::as_const(m_allSims)) {
        if (sim && sim->isAlive())
            m_livingSims.append(sim);
    }
}

QList<UpdateEntry *> UpdatePage::pendingEntries() const
{
    QList<UpdateEntry *> entries;
    for (int i = 0; i < m_listLayout->count(); ++i) {
        if (auto *entry = qobject_cast<UpdateEntry *>(m_listLayout->itemAt(i)->widget()))
            entries.append(entry);
    }
    return entries;
}

void UpdatePage::resizeList()
{
    m_listWidget->resize(m_listLayout->minimumSize());
}

void UpdatePage::addEvent(UpdateEntry *entry)
{
    addEvents({entry});
}

void UpdatePage::addEvents(const QList<UpdateEntry *> &entries)
{
    whileListHidden([&] {
        bool filed = false;
        for (UpdateEntry *entry : entries)
            filed = file(entry) || filed;
        // The layout's minimum size walks every entry: once per batch, not
        // once per entry. Fitted while hidden, the list places its entries
        // once, before they are on screen.
        if (filed)
            resizeList();
    });
}

void UpdatePage::whileListHidden(const std::function<void()> &change)
{
    // Each entry shown in a shown list lays the whole list out again; with
    // the list hidden while it changes, it is laid out once, when shown
    // again.
    const bool shown = !m_listWidget->isHidden();
    // Hiding the list moves the focus out of it; the "Delete" button that
    // had it gets it back.
    QPointer<QWidget> focus = QApplication::focusWidget();
    if (!m_listWidget->isAncestorOf(focus))
        focus = nullptr;
    m_listWidget->hide();
    change();
    if (shown)
        showList();
    if (focus && focus->isVisible())
        focus->setFocus();
}

void UpdatePage::showList()
{
    // Every widget that comes on screen asks to be painted by an event of
    // its own, and the window weighs each widget so marked against all its
    // siblings: thousands of entries shown at once took minutes to paint.
    // Their asks are dropped for one of the list's, whose painting paints
    // the entries; asks already made elsewhere are delivered first, so that
    // none of them is lost.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    m_listWidget->show();
    QCoreApplication::removePostedEvents(nullptr, QEvent::UpdateLater);
    m_listWidget->update();
}

void UpdatePage::setVisible(bool visible)
{
    // A tab brought to the front has its updates turned off and on again,
    // which asks every widget on it, each pending entry too, to be painted,
    // and the window weighs each entry so marked against all its siblings:
    // thousands of entries took seconds to come on screen. The list keeps
    // its updates off until the tab is on screen, then is painted as one.
    if (visible && !isVisible() && !m_listWidget->testAttribute(Qt::WA_ForceUpdatesDisabled)) {
        m_listWidget->setUpdatesEnabled(false);
        QMetaObject::invokeMethod(this, &UpdatePage::paintList, Qt::QueuedConnection);
    }
    QWidget::setVisible(visible);
}

void UpdatePage::paintList()
{
    whileListHidden([this] { m_listWidget->setUpdatesEnabled(true); });
}

bool UpdatePage::file(UpdateEntry *entry)
{
    // A new entry has no parent yet; only one already in the list needs the
    // look-up.
    if (!entry || (entry->parentWidget() == m_listWidget && m_listLayout->indexOf(entry) >= 0))
        return false;
    m_listLayout->addWidget(entry);
    entry->show();
    connect(entry, &UpdateEntry::holdAllBut, this, &UpdatePage::holdAllBut);
    connect(entry, &UpdateEntry::holdHousehold, this, &UpdatePage::holdHousehold);
    connect(entry, &UpdateEntry::holdAllHouseholdsBut, this, &UpdatePage::holdAllHouseholdsBut);
    connect(entry, &UpdateEntry::newSim, this, &UpdatePage::newSim);
    connect(entry, &UpdateEntry::newTowniePair, this, &UpdatePage::newTowniePair);
    connect(entry, &UpdateEntry::removeSim, this, &UpdatePage::removeSim);
    connect(entry, &UpdateEntry::addToAchievementsPage, this,
            &UpdatePage::addToAchievementsPage);
    connect(entry, qOverload<UpdateEntry *>(&UpdateEntry::deleteMe), this,
            &UpdatePage::deleteEvent);
    return true;
}

void UpdatePage::takeOutOfList(UpdateEntry *entry)
{
    // The entry asks for this from inside its own apply() or its button's
    // click, so it leaves the list at once but is destroyed only after that
    // call has returned. The entry being applied has already left it: a
    // search for it would walk every entry still pending.
    if (entry != m_applied)
        m_listLayout->removeWidget(entry);
    entry->hide();
    disconnect(entry, nullptr, this, nullptr);
    entry->deleteLater();
}

void UpdatePage::deleteEvent(UpdateEntry *entry)
{
    if (entry)
        takeOutOfList(entry);
    // "Apply Updates" resizes the list once, after its last entry.
    if (!m_applying)
        resizeList();
}

void UpdatePage::clearEvents()
{
    whileListHidden([this] {
        const QList<UpdateEntry *> entries = takeAllEntries();
        for (UpdateEntry *entry : entries) {
            entry->hide();
            disconnect(entry, nullptr, this, nullptr);
            entry->deleteLater();
        }
        resizeList();
    });
}

void UpdatePage::closeForm()
{
    m_updateDialog.replace(nullptr);
}

bool UpdatePage::eventFilter(QObject *watched, QEvent *event)
{
    // The second press of a double click is no press of its own: one double
    // click, one rotation. On a large sheet that press reaches the button
    // only once the first apply is over, still marked as a double click.
    if (watched == m_applyButton && event->type() == QEvent::MouseButtonDblClick)
        return true;
    return QWidget::eventFilter(watched, event);
}

void UpdatePage::doUpdate()
{
    // One press, one rotation: a press that reaches the page while an apply
    // is running (through a nested event loop, such as a message box shown
    // by a slot on the way) starts nothing.
    if (m_applyRunning)
        return;
    const QScopedValueRollback<bool> running(m_applyRunning, true);
    const bool hadFocus = m_applyButton->hasFocus();
    m_applyButton->setEnabled(false);

    emit applyStarted();
    m_applying = true;
    while (m_listLayout->count() > 0) {
        // Taken from the top: a search of the layout for the entry would walk
        // every entry still pending, for each entry applied.
        QLayoutItem *item = m_listLayout->takeAt(0);
        QPointer<UpdateEntry> entry = qobject_cast<UpdateEntry *>(item->widget());
        delete item;
        if (!entry)
            continue;
        m_applied = entry;
        entry->setSheetSims(m_allSims);
        entry->apply();
        // An applied entry is spent even if it did not ask to be deleted.
        if (entry)
            takeOutOfList(entry);
    }
    m_applied = nullptr;
    m_applying = false;
    resizeList();
    emit addToAchievementsPage(QString(40, QLatin1Char('-')), nullptr, nullptr);
    emit rotate();

    // Presses made while the window was busy applying wait in the event
    // queue; let them in while the button is still disabled, which turns
    // them away, or each would start a rotation of its own.
    QCoreApplication::processEvents();
    m_applyButton->setEnabled(true);
    // Disabling the button moved the focus on, perhaps to a pending entry's
    // "Delete" button; give it back.
    if (hadFocus)
        m_applyButton->setFocus();
}

QString UpdatePage::saveEvents() const
{
    QString text;
    const QList<UpdateEntry *> entries = pendingEntries();
    const EntryLine::Positions positions(m_allSims);
    for (UpdateEntry *entry : entries) {
        text += EntryLine::format(entry->text(), entry->sim1Index(positions),
                                  entry->sim2Index(positions))
            + QLatin1String("\r\n");
    }
    return text;
}

UpdateEntry *UpdatePage::entryOf(const QString &line) const
{
    QString content = line;
    while (content.endsWith(QLatin1Char('\r')) || content.endsWith(QLatin1Char('\n')))
        content.chop(1);
    EntryLine::Fields fields;
    if (!EntryLine::parse(content, &fields)) {
        Console::line(QStringLiteral("Skipping unreadable update line: ") + content);
        return nullptr;
    }
    return new UpdateEntry(fields.text, EntryLine::simAt(m_allSims, fields.pos1),
                           EntryLine::simAt(m_allSims, fields.pos2));
}

void UpdatePage::loadEvent(const QString &line)
{
    if (UpdateEntry *entry = entryOf(line))
        addEvent(entry);
}

void UpdatePage::loadEvents(const QStringList &lines)
{
    QList<UpdateEntry *> entries;
    entries.reserve(lines.size());
    for (const QString &line : lines) {
        if (UpdateEntry *entry = entryOf(line))
            entries.append(entry);
    }
    addEvents(entries);
}

void UpdatePage::setSpecificBox(const QString &category)
{
    m_specificBox->clear();
    m_specificBox->addItems(EventCatalogue::events(category, m_epFlags));
    m_addEventButton->setEnabled(m_specificBox->count() > 0);
}

void UpdatePage::createUpdateDialog()
{
    auto *dialog = m_updateDialog.replace(new UpdateDialog);
    connect(dialog, &UpdateDialog::newEvent, this, &UpdatePage::addEvent);

    EventForms::Context context;
    context.dialog = dialog;
    context.allSims = m_allSims;
    context.livingSims = m_livingSims;
    context.rotationTime = m_rotationTime;
    context.epFlags = m_epFlags;
    context.genders = EventForms::genders();
    context.times = EventForms::times();
    context.households = EventForms::playableHouseholds(m_allSims);

    const QString eventName = m_specificBox->currentText();
    if (!EventForms::build(eventName, context)) {
        // No form means nothing sensible to file; an empty form would only
        // add an empty update.
        Console::line(QStringLiteral("No form for the event ") + eventName);
        m_updateDialog.replace(nullptr);
        return;
    }
    m_updateDialog.showInFront();
}
