#pragma once

#include "dialogs/ImportDialog.h"
#include "dialogs/OwnedDialog.h"
#include "records/Sim.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The sheet as a whole: open a list file in the format it was written in,
// save the sheet under a name, load a premade list, clear the sheet, and
// import sims from SimPE's export. The dialog reads and writes no list file
// itself: each request is a signal that the sheet carries out.
class ListManagementDialog : public QDialog
{
    Q_OBJECT

public:
    ListManagementDialog();
    ~ListManagementDialog() override;

    // Called by the sheet before every showing.
    void setEPFlags(int flags);
    void setSimPELocation(QString location);
    // The list the sheet holds, offered in the save box; empty for none.
    void setListName(const QString &name);

signals:
    // The list name without ".sls" and the format index, 0 to 4 for the
    // versions 0.1 to 0.5.
    void openList(QString name, int format);
    // A checked list name without ".sls". The sheet answers with
    // saveFinished once it has written the file or failed to.
    void saveList(QString name);
    // 0 for "50 Random Sims", 1 for "One of Each Type".
    void setDebugList(int index);
    void clearList();
    // Relayed from the import dialog; see ImportDialog.
    void addSim(Sim *sim);
    void updateModels();

public slots:
    // The sheet's answer to saveList: "Save Completed" only when the file
    // was written. A failed save leaves the sheet's own message alone.
    void saveFinished(bool saved);

private slots:
    // "Open". It takes the place of QDialog::open, which nothing calls on
    // this dialog: the sheet shows it with show().
    void open() override;
    void save();
    void setDebug();
    void validate();
    void refreshFileList();
    void browseForSimPE();
    void importSims();

protected:
    // The folder may have changed since the dialog was last shown.
    void showEvent(QShowEvent *event) override;

private:
    void resetInputs();
    void offerListName();
    void fillNeighborhoods();
    bool simPEFound() const;

    int m_epFlags = 0;
    OwnedDialog<ImportDialog> m_importDialog;
    // The name of the save asked for and not yet answered.
    QString m_pendingSave;
    QString m_listName;
    QGroupBox *m_openGroup;
    QGroupBox *m_saveGroup;
    QGroupBox *m_debugGroup;
    QGroupBox *m_importGroup;
    QHBoxLayout *m_openButtonRow;
    QHBoxLayout *m_formatRow;
    QVBoxLayout *m_openLayout;
    QHBoxLayout *m_saveLayout;
    QHBoxLayout *m_debugLayout;
    QHBoxLayout *m_locationRow;
    QHBoxLayout *m_neighborhoodRow;
    QVBoxLayout *m_importLayout;
    QPushButton *m_openButton;
    QPushButton *m_saveAsButton;
    QPushButton *m_setToButton;
    QPushButton *m_clearButton;
    QPushButton *m_closeButton;
    QPushButton *m_browseButton;
    QPushButton *m_importButton;
    QComboBox *m_openCombo;
    QComboBox *m_formatCombo;
    QComboBox *m_saveCombo;
    QComboBox *m_debugCombo;
    QLineEdit *m_simPELocationEdit;
    QComboBox *m_neighborhoodCombo;
    QCheckBox *m_previousOutputBox;
    QGridLayout *m_mainLayout;
};
