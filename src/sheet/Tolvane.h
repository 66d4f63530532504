#pragma once

#include "dialogs/AddNotesDialog.h"
#include "dialogs/AddSimDialog.h"
#include "dialogs/EditSimDialog.h"
#include "dialogs/FilterDialog.h"
#include "dialogs/ListManagementDialog.h"
#include "dialogs/OwnedDialog.h"
#include "dialogs/SettingsDialog.h"
#include "records/Sim.h"
#include "sheet/FilterMasks.h"
#include "sheet/ListFile.h"
#include "sheet/SavedState.h"
#include "sheet/Settings.h"
#include "sheet/SheetSims.h"
#include "sheet/SimCreation.h"

#include <QPointer>
#include <QString>
#include <QTabWidget>

class AchievementsPage;
class AgePage;
class AspirationPage;
class FamilyPage;
class HouseholdPage;
class MainWindow;
class QStandardItemModel;
class UpdatePage;
namespace ModelRows {
struct HouseholdRow;
}

// The sheet: the tab widget at the centre of the main window and the owner
// of everything on it: every sim, the ten settings, the filter masks, the
// seven tabs and the dialogs they open. Its slots answer the tabs and the
// dialogs; the rules they follow live in the widget-free units of src/sheet.
//
// The class is spread over files by concern: Tolvane.cpp (construction and
// wiring), TolvaneSettings.cpp, TolvaneFilters.cpp, TolvaneRebuild.cpp,
// TolvaneListFile.cpp, TolvaneSims.cpp (creation, holds, rotation, premade
// list) and TolvaneDialogs.cpp (the dialogs and the selected sim).
class Tolvane : public QTabWidget, private ListFile::Receiver
{
    Q_OBJECT

public:
    // The window goes to the List of Sims tab; the sheet gets its parent
    // when the window makes it its central widget.
    explicit Tolvane(MainWindow *window);
    ~Tolvane() override;

    void setSimModel(QStandardItemModel *model);
    void setHouseholdModel(QStandardItemModel *model);
    void setRelationshipModel(QStandardItemModel *model);

    void readSettings();
    void writeSettings();

    bool passesFilters(Sim *sim) const;
    QString ageText(int age, int kind) const;
    void createOneOfEachTypeList();

    // Asks whether to save a sheet that differs from what was last opened
    // or saved: true when the caller may go on and replace or drop it
    // (nothing to save, saved, or the player chose to discard it).
    bool settleUnsavedChanges();

    // Closes every dialog the sheet or its tabs have open.
    void closeDialogs();

signals:
    // The answer to a save the list dialog asked for.
    void listSaved(bool saved);

private slots:
    void doUpdate(int row);
    void doRotation();
    void holdAllBut(Sim *sim, int hold);
    void holdHousehold(QString household, int hold);
    void holdAllHouseholdsBut(QString household, int hold);
    void newSim(QString name, int gender, int age, int aspiration, int hold,
                QString household = QString(), int flags = 0, Sim *parent1 = nullptr,
                Sim *parent2 = nullptr);
    void newSim(QString name, int gender, int age, int aspiration, int secondaryAspiration,
                bool alive, int ghostColor, QString household, int flags, int alignment,
                int semester, QString major);
    void newSim(Sim *sim);
    void newTowniePair(QString townieName, int townieAge, QString babyName, int babyGender,
                       int hold, int flags, Sim *parent);
    void removeSim(Sim *sim);
    void showHousehold(QString household);
    void replaceHouseholdName(QString oldName, QString newName);
    void createListManagementDialog();
    void createAddSimDialog();
    void createEditSimDialog(int row);
    void createFilterDialog();
    void createSettingsDialog();
    void createAddNotesDialog(int row);
    void assignImageFile(int row, QString file);
    void open(QString name, int format);
    void save(QString name);
    void clearSimList();
    void setDebug(int index);
    void setRotationTime(int days);
    void setCollegeRotation(bool on);
    void setCollegeRotationTime(int semesters);
    void setAutoGoToCollege(bool on);
    void setAutoGoToCollegeTime(int days);
    void setAutoBirthdays(bool on);
    void setAutoBirthdaysTime(int time);
    void setAgeDisplay(int display);
    void setEPFlags(int flags);
    void setSimPELocation(QString location);
    void setAliveFilter(bool on);
    void setDeadFilter(bool on);
    void setPlayableFilter(bool on);
    void setTownieFilter(bool on);
    void setNPCFilter(bool on);
    void setRunawayFilter(bool on);
    void setAdoptionFilter(bool on);
    void setDowntownieFilter(bool on);
    void setGardenClubFilter(bool on);
    void setIslandFilter(bool on);
    void setMountainFilter(bool on);
    void setAsianFilter(bool on);
    void setTouristFilter(bool on);
    void setHobbyFilter(bool on);
    void setSocialiteFilter(bool on);
    void setBohemianFilter(bool on);
    void setJockFilter(bool on);
    void setTechieFilter(bool on);
    void setGearheadFilter(bool on);
    void setHumanFilter(bool on);
    void setLargeDogFilter(bool on);
    void setSmallDogFilter(bool on);
    void setCatFilter(bool on);
    void setMaleFilter(bool on);
    void setFemaleFilter(bool on);
    void setBabyFilter(bool on);
    void setToddlerFilter(bool on);
    void setChildFilter(bool on);
    void setTeenFilter(bool on);
    void setYAFilter(bool on);
    void setAdultFilter(bool on);
    void setElderFilter(bool on);
    void setNoneFilter(bool on);
    void setGrowUpFilter(bool on);
    void setFortuneFilter(bool on);
    void setFamilyFilter(bool on);
    void setPopularityFilter(bool on);
    void setRomanceFilter(bool on);
    void setKnowledgeFilter(bool on);
    void setPleasureFilter(bool on);
    void setGrilledCheeseFilter(bool on);
    void setNormalFilter(bool on);
    void setAlienFilter(bool on);
    void setZombieFilter(bool on);
    void setVampireFilter(bool on);
    void setWerewolfFilter(bool on);
    void setServoFilter(bool on);
    void setPlantsimFilter(bool on);
    void setBigfootFilter(bool on);
    void setWitchFilter(bool on);
    void saveNotes(QString notes, int index);
    void updateModels();

private:
    // The rebuild of updateModels, each household's played mark taken from
    // `marks` by name.
    void rebuildModels(const QList<ModelRows::HouseholdRow> &marks);
    // The rows of the household model as they stand.
    QList<ModelRows::HouseholdRow> householdMarks() const;

    // What an open does to the sheet, called by ListFile::apply.
    void clearSheet() override;
    void takeSims(SimStore &store, const SimList &sims) override;
    void rebuild() override;
    void loadUpdate(const QString &line) override;
    void loadAchievement(const QString &line) override;
    void loadHousehold(const QString &line) override;
    void loadHouseholds(const QStringList &lines) override;
    void loadUpdates(const QStringList &lines) override;
    void loadAchievements(const QStringList &lines) override;

    // Writes the list file; shows "Cannot write file." and leaves any
    // earlier file as it was when it cannot. `content` receives the
    // sheet's content bytes (see contentBytes) as written.
    bool writeList(const QString &name, QByteArray *content = nullptr);
    // The sheet's sections for a list file; the settings line only when
    // asked for, since it comes from the settings dialog.
    ListFile::Sections sections(bool withSettingsLine);
    // The bytes that tell whether the sheet changed since it was last
    // opened or saved: the list file without its settings line, which
    // "tolvane.conf" keeps anyway.
    QByteArray contentBytes();
    void markSaved(const QString &listName);
    // The list the sheet now holds, also offered by the list dialog's save
    // box.
    void setListName(const QString &name);
    // Asks whether a damaged list is to be opened for what could be read.
    bool openDamagedList(const QString &name, int format, const ListFile::Damage &damage);
    // Asks before a save replaces the file of a list other than the one in
    // hand; true when nothing would be replaced or the player agrees.
    bool mayReplace(const QString &name);
    // Asks before the first save over the file of a list opened damaged,
    // which would replace it with what could be read; true when the file
    // is not that one or the player agrees. A No says nothing was saved.
    bool mayOverwriteDamaged(const QString &name);

    void setFilter(FilterMasks::Filter filter, bool on);
    // A new sim is on the list: rebuild, or, while "Apply Updates" runs,
    // only hand the list on and let the rotation at its end rebuild once.
    void simsAdded();
    SettingsDialog *settingsDialog();
    Sim *simAtRow(int row) const;

    SheetSims m_sims;
    ImportMerge m_importMerge;
    Settings m_settings;
    FilterMasks m_masks;
    SavedState m_saved;
    // The list last opened or saved under its own name; empty when the
    // sheet has none (a new, cleared or premade sheet).
    QString m_listName;
    // The list in hand was opened with "Open Anyway" and has not been saved
    // since: its file still holds what could not be read.
    bool m_openedDamaged = false;
    // True from the start of "Apply Updates" to the rotation at its end.
    bool m_applyingUpdates = false;

    OwnedDialog<ListManagementDialog> m_listManagementDialog;
    OwnedDialog<AddSimDialog> m_addSimDialog;
    OwnedDialog<EditSimDialog> m_editSimDialog;
    OwnedDialog<FilterDialog> m_filterDialog;
    OwnedDialog<SettingsDialog> m_settingsDialog;
    OwnedDialog<AddNotesDialog> m_addNotesDialog;
    // The sim the notes dialog was opened for: its notes go there, wherever
    // that sim stands on the list by the time they are saved.
    QPointer<Sim> m_notesSim;

    AgePage *m_agePage;
    AspirationPage *m_aspirationPage;
    FamilyPage *m_familyPage;
    HouseholdPage *m_householdPage;
    QWidget *m_careersPage;
    AchievementsPage *m_achievementsPage;
    UpdatePage *m_updatePage;
};
