#include "support/SheetWindow.h"

#include "dialogs/AddSimDialog.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/ListManagementDialog.h"
#include "events/UpdatePage.h"
#include "pages/AchievementsPage.h"
#include "pages/AgePage.h"
#include "pages/AspirationPage.h"
#include "pages/FamilyPage.h"
#include "pages/HouseholdPage.h"
#include "sheet/Tolvane.h"
#include "support/SimNames.h"
#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

SheetWindow::SheetWindow()
{
    installItemModels(&m_window);
    m_window.show();
    if (!QTest::qWaitForWindowExposed(&m_window))
        qWarning("the main window was not shown");
}

SheetWindow::~SheetWindow() = default;

Tolvane *SheetWindow::sheet() const
{
    return qobject_cast<Tolvane *>(m_window.centralWidget());
}

AgePage *SheetWindow::agePage() const
{
    return sheet()->findChild<AgePage *>();
}

HouseholdPage *SheetWindow::householdPage() const
{
    return sheet()->findChild<HouseholdPage *>();
}

AspirationPage *SheetWindow::aspirationPage() const
{
    return sheet()->findChild<AspirationPage *>();
}

FamilyPage *SheetWindow::familyPage() const
{
    return sheet()->findChild<FamilyPage *>();
}

AchievementsPage *SheetWindow::achievementsPage() const
{
    return sheet()->findChild<AchievementsPage *>();
}

UpdatePage *SheetWindow::updatePage() const
{
    return sheet()->findChild<UpdatePage *>();
}

QStandardItemModel *SheetWindow::simModel() const
{
    return agePage()->sourceModel();
}

QStandardItemModel *SheetWindow::householdModel() const
{
    return householdPage()->sourceModel();
}

QTreeView *SheetWindow::simView() const
{
    return agePage()->findChild<QTreeView *>();
}

QTreeView *SheetWindow::householdView() const
{
    return householdPage()->findChild<QTreeView *>();
}

QStringList SheetWindow::column(const QStandardItemModel *model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

QStringList SheetWindow::simNames() const
{
    return column(simModel(), 0);
}

QStringList SheetWindow::households() const
{
    QStringList rows;
    const QStandardItemModel *model = householdModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        rows.append(model->index(row, 0).data().toString() + QLatin1Char(',')
                    + model->index(row, 1).data().toString());
    }
    return rows;
}

void SheetWindow::press(const QString &buttonText) const
{
    QAbstractButton *button = WidgetLookup::button(agePage(), buttonText);
    if (!button)
        qFatal("no button %s on the List of Sims", qPrintable(buttonText));
    QTest::mouseClick(button, Qt::LeftButton);
}

void SheetWindow::addSim(const QString &name) const
{
    press(QStringLiteral("Add &New Sim"));
    auto *form = openWindow<AddSimDialog>();
    if (!form)
        qFatal("the add form did not open");
    QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("nameEdit")), name);
    QTest::mouseClick(form->findChild<QAbstractButton *>(QStringLiteral("actionButton")),
                      Qt::LeftButton);
    if (!simNames().contains(name))
        qFatal("the sheet did not list the new sim %s", qPrintable(name));
}

ListManagementDialog *SheetWindow::listDialog() const
{
    if (auto *open = openWindow<ListManagementDialog>())
        return open;
    press(QStringLiteral("&Manage Sim Lists..."));
    return openWindow<ListManagementDialog>();
}

void SheetWindow::openList(const QString &name, int format) const
{
    ListManagementDialog *dialog = listDialog();
    auto *lists = dialog->findChild<QComboBox *>(QStringLiteral("openCombo"));
    // The dialog lists the files it found when it was made or last saved.
    if (lists->findText(name) < 0)
        lists->addItem(name);
    lists->setCurrentIndex(lists->findText(name));
    dialog->findChild<QComboBox *>(QStringLiteral("formatCombo"))->setCurrentIndex(format);
    QTest::mouseClick(WidgetLookup::button(dialog, QStringLiteral("Open")), Qt::LeftButton);
}

void SheetWindow::saveList(const QString &name) const
{
    ListManagementDialog *dialog = listDialog();
    auto *lists = dialog->findChild<QComboBox *>(QStringLiteral("saveCombo"));
    lists->setEditText(name);
    QTest::mouseClick(WidgetLookup::button(dialog, QStringLiteral("Save As")), Qt::LeftButton);
}

void SheetWindow::clearList() const
{
    QTest::mouseClick(WidgetLookup::button(listDialog(), QStringLiteral("Clear current list")),
                      Qt::LeftButton);
}

void SheetWindow::setPremadeList(int index) const
{
    ListManagementDialog *dialog = listDialog();
    dialog->findChild<QComboBox *>(QStringLiteral("debugCombo"))->setCurrentIndex(index);
    QTest::mouseClick(WidgetLookup::button(dialog, QStringLiteral("Set to")), Qt::LeftButton);
}

void SheetWindow::importExport(const QByteArray &exportBytes, const QStringList &ticks) const
{
    QDir().mkpath(QStringLiteral("Veldo"));
    QFile exported(QStringLiteral("Veldo/ExportedSims.txt"));
    if (!exported.open(QIODevice::WriteOnly) || exported.write(exportBytes) != exportBytes.size()) {
        QFAIL("the export could not be written");
    }
    exported.close();
    QDir().mkpath(QStringLiteral("SimPE"));
    QFile(QStringLiteral("SimPE/SimPE.exe")).open(QIODevice::WriteOnly);
    ListManagementDialog *dialog = listDialog();
    dialog->setSimPELocation(QDir::currentPath() + QStringLiteral("/SimPE/"));
    // Reuse the earlier output rather than run the step.
    dialog->findChild<QCheckBox *>()->setChecked(true);
    QTest::mouseClick(WidgetLookup::button(dialog, QStringLiteral("Import Sims")), Qt::LeftButton);
    auto *import = openWindow<ImportDialog>();
    QVERIFY(import);
    for (const QString &tick : ticks) {
        if (tick.startsWith(QLatin1String("Select All"))) {
            QTest::mouseClick(WidgetLookup::button(import, tick), Qt::LeftButton);
            continue;
        }
        QCheckBox *box = nullptr;
        for (QCheckBox *candidate : import->findChildren<QCheckBox *>(QStringLiteral("selectBox"))) {
            if (candidate->isVisible() && candidate->text().startsWith(tick + QLatin1String(" (")))
                box = candidate;
        }
        QVERIFY2(box, qPrintable(tick));
        box->setChecked(true);
    }
    QTest::mouseClick(WidgetLookup::button(import, QStringLiteral("Import")), Qt::LeftButton);
}

Sim *SheetWindow::simNamed(const QString &name) const
{
    return ::simNamed(updatePage()->allSims(), name);
}

bool SheetWindow::selectSim(const QString &name) const
{
    return WidgetLookup::clickRow(simView(), name);
}

QByteArray SheetWindow::fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
