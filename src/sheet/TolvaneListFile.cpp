// List files: open, save, the backup, clearing the sheet, and the question
// before a sheet with unsaved changes is replaced or dropped.
#include "sheet/Tolvane.h"

#include "dialogs/ListManagementDialog.h"
#include "events/UpdatePage.h"
#include "pages/AchievementsPage.h"
#include "pages/AgePage.h"
#include "pages/AspirationPage.h"
#include "pages/FamilyPage.h"
#include "pages/HouseholdPage.h"
#include "records/Console.h"
#include "sheet/DamageText.h"
#include "sheet/SafeFile.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardItemModel>

namespace {

QString identity(const void *object)
{
    return QStringLiteral("0x%1").arg(reinterpret_cast<quintptr>(object), 0, 16);
}

} // namespace

void Tolvane::open(QString name, int format)
{
    if (!settleUnsavedChanges())
        return;
    // The whole file is read before anything of the sheet changes, so a
    // file that cannot be read leaves the sheet as it was.
    ListFile::Contents contents;
    if (!ListFile::readFile(ListFile::fileName(name), format, &contents)) {
        QMessageBox::warning(this, QString(), ListFile::readFailedMessage());
        return;
    }
    const bool whole = contents.damage.isEmpty();
    if (!whole && !openDamagedList(name, format, contents.damage))
        return;
    ListFile::apply(contents, format, *this);
    QByteArray content;
    if (whole) {
        Console::line(QStringLiteral("Saving backup..."));
        writeList(ListFile::backupName(name), &content);
    } else {
        // The backup is what the player has left of the list while the file
        // is damaged: a copy of the damaged sheet must not take its place.
        content = contentBytes();
    }
    m_saved.mark(content);
    setListName(name);
    m_openedDamaged = !whole;
}

bool Tolvane::openDamagedList(const QString &name, int format, const ListFile::Damage &damage)
{
    const bool backupExists = QFileInfo(ListFile::fileName(ListFile::backupName(name))).isFile();
    QMessageBox box(QMessageBox::Warning, QString(),
                    ListFile::damageText(name, format, damage, backupExists),
                    QMessageBox::Open | QMessageBox::Cancel, this);
    box.button(QMessageBox::Open)->setText(QStringLiteral("Open Anyway"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Open;
}

void Tolvane::save(QString name)
{
    if (!mayReplace(name) || !mayOverwriteDamaged(name)) {
        emit listSaved(false);
        return;
    }
    QByteArray content;
    const bool saved = writeList(name, &content);
    if (saved) {
        m_saved.mark(content);
        setListName(name);
        m_openedDamaged = false;
    }
    emit listSaved(saved);
}

bool Tolvane::mayOverwriteDamaged(const QString &name)
{
    // The box that opened the list promised its file would stay as it is; a
    // list opened for the first time has no backup, so that file may be the
    // only good copy.
    if (!m_openedDamaged || name != m_listName)
        return true;
    const QString file = ListFile::fileName(name);
    QMessageBox box(QMessageBox::Question, QString(),
                    file + QStringLiteral(" was opened damaged. Saving replaces the file with what "
                                          "could be read, and what could not be read is lost. "
                                          "Replace it?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes)
        return true;
    QMessageBox::information(this, QString(),
                             QStringLiteral("Nothing was saved: ") + file
                                 + QStringLiteral(" stays as it is."));
    return false;
}

bool Tolvane::mayReplace(const QString &name)
{
    // Saving the list in hand again, or under a new name, replaces nothing
    // of the player's; any other list file is another sheet's history.
    const QString file = ListFile::fileName(name);
    if (name == m_listName || !QFileInfo(file).isFile())
        return true;
    QMessageBox box(QMessageBox::Question, QString(),
                    file + QStringLiteral(" already holds another list. Replace it with this one?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void Tolvane::setListName(const QString &name)
{
    m_listName = name;
    if (m_listManagementDialog)
        m_listManagementDialog->setListName(name);
}

void Tolvane::clearSimList()
{
    if (!settleUnsavedChanges())
        return;
    clearSheet();
    markSaved(QString());
}

bool Tolvane::writeList(const QString &name, QByteArray *content)
{
    const QByteArray bytes = ListFile::write(m_sims.sims(), sections(true), content);
    if (!SafeFile::write(ListFile::fileName(name), bytes)) {
        QMessageBox::warning(this, QString(), ListFile::writeFailedMessage());
        return false;
    }
    return true;
}

ListFile::Sections Tolvane::sections(bool withSettingsLine)
{
    ListFile::Sections parts;
    parts.updates = m_updatePage->saveEvents();
    parts.achievements = m_achievementsPage->saveEntries(m_sims.sims());
    // The list file takes its settings line from the settings dialog, which
    // is made (and kept hidden) when the player has not opened it yet.
    if (withSettingsLine)
        parts.settingsLine = settingsDialog()->settingsString();
    parts.households = m_householdPage->saveHouseholds();
    return parts;
}

QByteArray Tolvane::contentBytes()
{
    return ListFile::write(m_sims.sims(), sections(false));
}

void Tolvane::markSaved(const QString &listName)
{
    m_saved.mark(contentBytes());
    setListName(listName);
}

bool Tolvane::settleUnsavedChanges()
{
    if (!m_saved.differs(contentBytes()))
        return true;
    QString text = QStringLiteral("The list has changes that have not been saved. Save them");
    if (!m_listName.isEmpty())
        text += QStringLiteral(" to ") + ListFile::fileName(m_listName);
    text += QStringLiteral(" first?");
    QMessageBox box(QMessageBox::Question, QString(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: {
        if (m_listName.isEmpty()) {
            // The list has no name yet: the list dialog asks for one, and
            // what was asked for waits until the player comes back to it.
            createListManagementDialog();
            return false;
        }
        QByteArray content;
        if (!mayOverwriteDamaged(m_listName) || !writeList(m_listName, &content))
            return false;
        m_saved.mark(content);
        m_openedDamaged = false;
        return true;
    }
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Tolvane::clearSheet()
{
    // Every way of replacing the sheet's list comes here. Its sims leave the
    // sheet, so no window may go on editing them: a link or an edit made to
    // one of them would reach a sim that the next save no longer holds. The
    // forms opened for them close, the family browser closes, and the tabs
    // that show one of them let it go.
    m_openedDamaged = false;
    m_editSimDialog.replace(nullptr);
    m_addNotesDialog.replace(nullptr);
    m_notesSim = nullptr;
    m_updatePage->closeForm();
    m_familyPage->reset();
    m_aspirationPage->setSim(nullptr);

    m_agePage->reset();
    m_householdPage->reset();
    m_sims.clear();

    Console::line(QStringLiteral("Deleting sim model rows..."));
    if (QStandardItemModel *model = m_agePage->sourceModel())
        model->removeRows(0, model->rowCount());
    else
        Console::line(QStringLiteral("Source model for agePage not found."));

    Console::line(QStringLiteral("Deleting household model rows.."));
    if (QStandardItemModel *model = m_householdPage->sourceModel()) {
        Console::line(identity(m_householdPage));
        Console::line(identity(model));
        Console::line(QString::number(model->rowCount()));
        model->removeRows(0, model->rowCount());
    } else {
        Console::line(QStringLiteral("Source model for householdPage not found."));
    }

    Console::line(QStringLiteral("Clearing updatePage..."));
    m_updatePage->clearEvents();
    m_updatePage->setSimList(m_sims.sims());
    m_familyPage->setSimList(m_sims.sims());
    Console::line(QStringLiteral("Clearing achievementPage..."));
    m_achievementsPage->clearEntries();
}

void Tolvane::takeSims(SimStore &store, const SimList &sims)
{
    m_sims.replace(store, sims);
    m_agePage->sortList();
}

void Tolvane::rebuild()
{
    m_updatePage->setSimList(m_sims.sims());
    updateModels();
}

void Tolvane::loadUpdate(const QString &line)
{
    m_updatePage->loadEvent(line);
}

void Tolvane::loadAchievement(const QString &line)
{
    m_achievementsPage->loadEntry(m_sims.sims(), line);
}

void Tolvane::loadHousehold(const QString &line)
{
    m_householdPage->loadHousehold(line);
}

void Tolvane::loadHouseholds(const QStringList &lines)
{
    m_householdPage->loadHouseholds(lines);
}

void Tolvane::loadUpdates(const QStringList &lines)
{
    m_updatePage->loadEvents(lines);
}

void Tolvane::loadAchievements(const QStringList &lines)
{
    m_achievementsPage->loadEntries(m_sims.sims(), lines);
}
