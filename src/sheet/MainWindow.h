#pragma once

#include <QMainWindow>

class QCloseEvent;
class QStandardItemModel;
class Tolvane;

// The program's one window; the sheet is all it shows.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();

    void setSimModel(QStandardItemModel *model);
    void setHouseholdModel(QStandardItemModel *model);
    void setRelationshipModel(QStandardItemModel *model);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Tolvane *m_sheet;
};

// Makes the sim, household and relationship models, empty but for their
// headers, with the window as their parent, and hands them to it.
void installItemModels(MainWindow *window);
