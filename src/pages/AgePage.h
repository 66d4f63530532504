#pragma once

#include <QString>
#include <QWidget>

class MainWindow;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QVBoxLayout;
class SimProxyModel;
class SortedListView;

// The List of Sims tab: the sorted list of sims, the buttons that open the
// sheet's dialogs, and the notes and image of the selected sim. Every row it
// sends is a row of the sim model, never one of the sorted view.
class AgePage : public QWidget
{
    Q_OBJECT

public:
    // The main window is not used; the tab widget adopts the page.
    explicit AgePage(MainWindow *mainWindow);

    void setModel(QStandardItemModel *model);
    QStandardItemModel *sourceModel() const;
    void sortList();
    void showNotes(QString notes);
    void showImage(QString file);

    // The side of the square an image is fitted into.
    static constexpr int imageSide = 150;

signals:
    void newListManagementDialog();
    void newAddSimDialog();
    void newEditSimDialog(int row);
    void newFilterDialog();
    void newSettingsDialog();
    void newAddNotesDialog(int row);
    void assignImageFile(int row, QString file);
    void update(int row);

public slots:
    void reset();

private slots:
    void sendUpdate();
    void launchAddNotesDialog();
    void launchEditSimDialog();
    void getImageFile();

private:
    void setRowButtonsEnabled(bool enabled);

    QPushButton *m_manageListsButton;
    QPushButton *m_addSimButton;
    QPushButton *m_editSimButton;
    QPushButton *m_filterButton;
    QPushButton *m_settingsButton;
    SortedListView *m_simView;
    QLabel *m_notesLabel;
    QPushButton *m_addNotesButton;
    QLabel *m_imageLabel;
    QPushButton *m_addImageButton;
    QHBoxLayout *m_buttonRow;
    QVBoxLayout *m_mainLayout;
    SimProxyModel *m_proxyModel;
};
