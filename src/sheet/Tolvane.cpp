#include "sheet/Tolvane.h"

#include "events/UpdatePage.h"
#include "pages/AchievementsPage.h"
#include "pages/AgePage.h"
#include "pages/AspirationPage.h"
#include "pages/FamilyPage.h"
#include "pages/HouseholdPage.h"

#include <QApplication>
#include <QStandardItemModel>

Tolvane::Tolvane(MainWindow *window)
    : QTabWidget()
{
    setMinimumSize(700, 400);
    readSettings();

    m_agePage = new AgePage(window);
    m_aspirationPage = new AspirationPage(m_settings.EPFlags);
    m_familyPage = new FamilyPage(m_sims.sims());
    m_householdPage = new HouseholdPage();
    m_careersPage = new QWidget();
    m_achievementsPage = new AchievementsPage();
    m_updatePage = new UpdatePage(m_sims.sims());

    m_updatePage->setRotationTime(m_settings.RotationTime);
    m_updatePage->setEPFlags(m_settings.EPFlags);

    addTab(m_agePage, QStringLiteral("&List of Sims"));
    addTab(m_householdPage, QStringLiteral("&Households"));
    addTab(m_familyPage, QStringLiteral("&Family Ties"));
    addTab(m_aspirationPage, QStringLiteral("&Aspirations"));
    addTab(m_careersPage, QStringLiteral("&Careers"));
    addTab(m_achievementsPage, QStringLiteral("Achie&vements"));
    addTab(m_updatePage, QStringLiteral("&Update"));

    connect(m_agePage, &AgePage::newListManagementDialog, this,
            &Tolvane::createListManagementDialog);
    connect(m_agePage, &AgePage::newAddSimDialog, this, &Tolvane::createAddSimDialog);
    connect(m_agePage, &AgePage::newEditSimDialog, this, &Tolvane::createEditSimDialog);
    connect(m_agePage, &AgePage::newFilterDialog, this, &Tolvane::createFilterDialog);
    connect(m_agePage, &AgePage::newSettingsDialog, this, &Tolvane::createSettingsDialog);
    connect(m_agePage, &AgePage::newAddNotesDialog, this, &Tolvane::createAddNotesDialog);
    connect(m_agePage, &AgePage::assignImageFile, this, &Tolvane::assignImageFile);
    connect(m_agePage, &AgePage::update, this, &Tolvane::doUpdate);
    connect(m_householdPage, &HouseholdPage::showHousehold, this, &Tolvane::showHousehold);
    connect(m_householdPage, &HouseholdPage::replaceHouseholdName, this,
            &Tolvane::replaceHouseholdName);
    connect(m_updatePage, &UpdatePage::rotate, this, &Tolvane::doRotation);
    connect(m_updatePage, &UpdatePage::holdAllBut, this, &Tolvane::holdAllBut);
    connect(m_updatePage, &UpdatePage::holdHousehold, this, &Tolvane::holdHousehold);
    connect(m_updatePage, &UpdatePage::holdAllHouseholdsBut, this, &Tolvane::holdAllHouseholdsBut);
    connect(m_updatePage, &UpdatePage::newSim, this,
            qOverload<QString, int, int, int, int, QString, int, Sim *, Sim *>(&Tolvane::newSim));
    connect(m_updatePage, &UpdatePage::newTowniePair, this, &Tolvane::newTowniePair);
    connect(m_updatePage, &UpdatePage::removeSim, this, &Tolvane::removeSim);
    connect(m_updatePage, &UpdatePage::addToAchievementsPage, m_achievementsPage,
            &AchievementsPage::addEntry);
    // Births and arrivals during "Apply Updates" are shown by the one
    // rebuild of the rotation that ends it.
    connect(m_updatePage, &UpdatePage::applyStarted, this, [this] { m_applyingUpdates = true; });

    // What an empty sheet saves, without asking the empty tabs.
    m_saved.mark(ListFile::write(SimList(), ListFile::Sections()));
}

// The dialogs go with their holders; the pages with the tab widget.
Tolvane::~Tolvane() = default;

void Tolvane::setSimModel(QStandardItemModel *model)
{
    m_agePage->setModel(model);
    m_updatePage->setSimList(m_sims.sims());
}

void Tolvane::setHouseholdModel(QStandardItemModel *model)
{
    m_householdPage->setModel(model);
}

void Tolvane::setRelationshipModel(QStandardItemModel *model)
{
    m_familyPage->setModel(model);
}

void Tolvane::closeDialogs()
{
    // Every other window of the program is a dialog of the sheet or of one
    // of its tabs (forms, the family browser, the import).
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget != window() && widget->isVisible())
            widget->close();
    }
}
