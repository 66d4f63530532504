#pragma once

#include "sheet/MainWindow.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QStringList>

class AchievementsPage;
class AgePage;
class AspirationPage;
class FamilyPage;
class HouseholdPage;
class ListManagementDialog;
class QStandardItemModel;
class QTreeView;
class Sim;
class Tolvane;
class UpdatePage;

// The program's window as main builds it (the sheet, its seven tabs and the
// three item models), shown, with the ways a player reaches its parts.
class SheetWindow
{
public:
    SheetWindow();
    ~SheetWindow();
    SheetWindow(const SheetWindow &) = delete;
    SheetWindow &operator=(const SheetWindow &) = delete;

    MainWindow &window() { return m_window; }
    Tolvane *sheet() const;
    AgePage *agePage() const;
    HouseholdPage *householdPage() const;
    AspirationPage *aspirationPage() const;
    FamilyPage *familyPage() const;
    AchievementsPage *achievementsPage() const;
    UpdatePage *updatePage() const;
    QStandardItemModel *simModel() const;
    QStandardItemModel *householdModel() const;
    // The List of Sims' view (sorted) and the Households tab's view.
    QTreeView *simView() const;
    QTreeView *householdView() const;

    // Column `column` of every row of a model, in model order.
    static QStringList column(const QStandardItemModel *model, int column);
    // The sim model's names, in model order (the sheet's list order).
    QStringList simNames() const;
    // The household model's rows as "name,played", in model order.
    QStringList households() const;

    // Presses a button of the List of Sims tab.
    void press(const QString &buttonText) const;
    // Adds a sim with this name through the add form, as a player does.
    void addSim(const QString &name) const;
    // The list dialog, opened through "Manage Sim Lists..." when needed.
    ListManagementDialog *listDialog() const;
    // Opens, saves and clears through the list dialog's own controls.
    void openList(const QString &name, int format = 4) const;
    void saveList(const QString &name) const;
    void clearList() const;
    void setPremadeList(int index) const;
    // Imports an export as a player does: the export left in "Veldo" of the
    // working folder by an earlier run, taken through the list dialog and
    // the import dialog, where each of `ticks` is either a button ("Select
    // All Playables") or the name of a sim whose box is ticked.
    void importExport(const QByteArray &exportBytes, const QStringList &ticks) const;

    // The sim of the sheet with this name; null when none.
    Sim *simNamed(const QString &name) const;

    // Selects the row of the List of Sims that shows the sim.
    bool selectSim(const QString &name) const;

    // The visible top-level window of a class, or null.
    template <typename T>
    static T *openWindow()
    {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *candidate : windows) {
            if (auto *found = qobject_cast<T *>(candidate); found && found->isVisible())
                return found;
        }
        return nullptr;
    }

    // A file of the working folder, whole.
    static QByteArray fileBytes(const QString &path);

private:
    MainWindow m_window;
};
