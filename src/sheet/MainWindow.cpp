#include "sheet/MainWindow.h"

#include "sheet/Tolvane.h"

#include <QCloseEvent>
#include <QStandardItemModel>
#include <QStringList>

MainWindow::MainWindow()
    : QMainWindow()
{
    m_sheet = new Tolvane(this);
    setCentralWidget(m_sheet);
}

void MainWindow::setSimModel(QStandardItemModel *model)
{
    m_sheet->setSimModel(model);
}

void MainWindow::setHouseholdModel(QStandardItemModel *model)
{
    m_sheet->setHouseholdModel(model);
}

void MainWindow::setRelationshipModel(QStandardItemModel *model)
{
    m_sheet->setRelationshipModel(model);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_sheet->settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    m_sheet->writeSettings();
    event->accept();
    // The dialogs are windows of their own; left open they would keep the
    // program running without its window.
    m_sheet->closeDialogs();
}

namespace {

QStandardItemModel *emptyModel(MainWindow *window, const QStringList &headers)
{
    auto *model = new QStandardItemModel(0, int(headers.size()), window);
    for (int column = 0; column < headers.size(); ++column)
        model->setHeaderData(column, Qt::Horizontal, headers.at(column), Qt::EditRole);
    return model;
}

} // namespace

void installItemModels(MainWindow *window)
{
    QStandardItemModel *simModel = emptyModel(
        window, {QStringLiteral("Sim"), QStringLiteral("Household"), QStringLiteral("Age"),
                 QStringLiteral("Life Stage"), QStringLiteral("Aspiration")});
    QStandardItemModel *householdModel = emptyModel(
        window, {QStringLiteral("Household"), QStringLiteral("Played this Rotation")});
    QStandardItemModel *relationshipModel =
        emptyModel(window, {QStringLiteral("Sim"), QStringLiteral("Relationship")});
    window->setSimModel(simModel);
    window->setHouseholdModel(householdModel);
    window->setRelationshipModel(relationshipModel);
}
