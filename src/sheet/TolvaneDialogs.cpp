// The dialogs the sheet opens, the selected sim shown on the tabs, and the
// Households tab's requests.
#include "sheet/Tolvane.h"

#include "dialogs/FilterTable.h"
#include "pages/AgePage.h"
#include "pages/AspirationPage.h"
#include "pages/FamilyPage.h"
#include "pages/HouseholdPage.h"
#include "records/Bounds.h"
#include "records/ListFileText.h"
#include "sheet/Households.h"
#include "sheet/ModelRows.h"

#include <QMessageBox>

namespace {

// Whether a sim form, asked for again for `sim`, is the one open for it:
// that form comes to the front as it is, with what the player typed. A
// closed one, or one open for another sim, is made anew.
bool isOpenFor(const QWidget *form, const Sim *formSim, const Sim *sim)
{
    return form && form->isVisible() && formSim && formSim == sim;
}

} // namespace

Sim *Tolvane::simAtRow(int row) const
{
    return m_sims.simAtRow(row);
}

void Tolvane::createListManagementDialog()
{
    if (!m_listManagementDialog) {
        ListManagementDialog *dialog = m_listManagementDialog.replace(new ListManagementDialog);
        connect(dialog, &ListManagementDialog::openList, this, &Tolvane::open);
        connect(dialog, &ListManagementDialog::saveList, this, &Tolvane::save);
        connect(dialog, &ListManagementDialog::setDebugList, this, &Tolvane::setDebug);
        connect(dialog, &ListManagementDialog::clearList, this, &Tolvane::clearSimList);
        connect(dialog, &ListManagementDialog::addSim, this, qOverload<Sim *>(&Tolvane::newSim));
        connect(dialog, &ListManagementDialog::updateModels, this, &Tolvane::updateModels);
        connect(this, &Tolvane::listSaved, dialog, &ListManagementDialog::saveFinished);
    }
    m_listManagementDialog->setSimPELocation(m_settings.SimPELocation);
    m_listManagementDialog->setEPFlags(m_settings.EPFlags);
    m_listManagementDialog->setListName(m_listName);
    m_listManagementDialog.showInFront();
}

void Tolvane::createFilterDialog()
{
    if (!m_filterDialog) {
        FilterDialog *dialog = m_filterDialog.replace(new FilterDialog);
        // Each box's signal reaches the sheet's slot of the same name.
        for (const FilterTable::Box &box : FilterTable::boxes()) {
            const QByteArray signature = QByteArray(box.signal) + "(bool)";
            connect(dialog, QByteArray("2" + signature).constData(), this,
                    QByteArray("1" + signature).constData());
        }
    }
    m_filterDialog.showInFront();
}

SettingsDialog *Tolvane::settingsDialog()
{
    if (!m_settingsDialog) {
        SettingsDialog *dialog = m_settingsDialog.replace(new SettingsDialog(
            m_settings.RotationTime, m_settings.RotateCollege, m_settings.CollegeRotationTime,
            m_settings.AutoGoToCollege, m_settings.AutoGoToCollegeTime, m_settings.AutoBirthdays,
            m_settings.AutoBirthdaysTime, m_settings.AgeDisplay, m_settings.EPFlags,
            m_settings.SimPELocation));
        connect(dialog, &SettingsDialog::setRotation, this, &Tolvane::setRotationTime);
        connect(dialog, &SettingsDialog::setAutoCollegeRotation, this, &Tolvane::setCollegeRotation);
        connect(dialog, &SettingsDialog::setCollegeRotation, this, &Tolvane::setCollegeRotationTime);
        connect(dialog, &SettingsDialog::setAutoGoToCollege, this, &Tolvane::setAutoGoToCollege);
        connect(dialog, &SettingsDialog::setGoToCollegeTime, this, &Tolvane::setAutoGoToCollegeTime);
        connect(dialog, &SettingsDialog::setAutoBirthday, this, &Tolvane::setAutoBirthdays);
        connect(dialog, &SettingsDialog::setAutoBirthdayTime, this, &Tolvane::setAutoBirthdaysTime);
        connect(dialog, &SettingsDialog::setAgeDisplay, this, &Tolvane::setAgeDisplay);
        connect(dialog, &SettingsDialog::setEPFlags, this, &Tolvane::setEPFlags);
        connect(dialog, &SettingsDialog::setSimPELocation, this, &Tolvane::setSimPELocation);
    }
    return m_settingsDialog.get();
}

void Tolvane::createSettingsDialog()
{
    showInFront(settingsDialog());
}

void Tolvane::createAddSimDialog()
{
    AddSimDialog *dialog = m_addSimDialog.replace(
        new AddSimDialog(m_settings.EPFlags, Households::names(m_sims.sims())));
    connect(dialog, &AddSimDialog::newSim, this,
            qOverload<QString, int, int, int, int, bool, int, QString, int, int, int, QString>(
                &Tolvane::newSim));
    m_addSimDialog.showInFront();
}

void Tolvane::createEditSimDialog(int row)
{
    Sim *sim = simAtRow(row);
    if (!sim)
        return;
    if (m_editSimDialog && isOpenFor(m_editSimDialog.get(), m_editSimDialog->sim(), sim)) {
        m_editSimDialog.showInFront();
        return;
    }
    EditSimDialog *dialog = m_editSimDialog.replace(
        new EditSimDialog(m_settings.EPFlags, Households::names(m_sims.sims()), sim));
    connect(dialog, &EditSimDialog::simEdited, this, &Tolvane::updateModels);
    m_editSimDialog.showInFront();
}

void Tolvane::createAddNotesDialog(int row)
{
    const int index = m_sims.positionAtRow(row);
    if (index < 0)
        return;
    if (isOpenFor(m_addNotesDialog.get(), m_notesSim, m_sims.sims().at(index))) {
        m_addNotesDialog.showInFront();
        return;
    }
    m_notesSim = m_sims.sims().at(index);
    AddNotesDialog *dialog =
        m_addNotesDialog.replace(new AddNotesDialog(m_notesSim->notes(), index));
    connect(dialog, &AddNotesDialog::saveNotes, this, &Tolvane::saveNotes);
    m_addNotesDialog.showInFront();
}

void Tolvane::saveNotes(QString notes, int index)
{
    // The dialog names its sim by a list position; the notes go to the sim
    // the dialog was opened for, which stays on the sheet as long as the
    // dialog is open (replacing the list closes it).
    Sim *sim = m_notesSim.data();
    if (!sim && inRange(index, m_sims.sims().size()))
        sim = m_sims.sims().at(index);
    if (!sim)
        return;
    sim->setNotes(notes);
    // Shown again only when a row of the list shows that sim.
    const int row = m_sims.lastRowOf(int(m_sims.sims().indexOf(sim)));
    if (row >= 0)
        doUpdate(row);
}

void Tolvane::assignImageFile(int row, QString file)
{
    Sim *sim = simAtRow(row);
    if (!sim)
        return;
    // A path the sim's line cannot hold would spill into the notes on the
    // next save and reopen; the sim keeps the picture it has.
    const QString problem = ListFileText::imagePathProblem(file);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QString(), problem);
        return;
    }
    sim->setImageFile(file);
}

void Tolvane::doUpdate(int row)
{
    Sim *sim = simAtRow(row);
    if (!sim)
        return;
    m_agePage->showNotes(sim->notes());
    m_agePage->showImage(sim->imageFile());
    m_familyPage->setSim(sim);
    m_aspirationPage->setSim(sim);
}

void Tolvane::showHousehold(QString household)
{
    m_householdPage->showMembers(Households::members(m_sims.sims(), household));
}

void Tolvane::replaceHouseholdName(QString oldName, QString newName)
{
    // The rebuild carries marks by name, so the mark the player set would
    // otherwise stay with the old name and be lost.
    const QList<ModelRows::HouseholdRow> marks =
        ModelRows::renamedHousehold(householdMarks(), oldName, newName);
    Households::rename(m_sims.sims(), oldName, newName);
    rebuildModels(marks);
}
