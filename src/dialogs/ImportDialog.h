#pragma once

#include "dialogs/ExportReader.h"
#include "records/Sim.h"

#include <QDialog>
#include <QList>
#include <QString>

class ImportSimsPage;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Lets the player page through the sims of the editor's export five at a
// time, category by category, choose the ones to import, correct their
// household, life states and alignment, and import them.
class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    // Reads dir + "/Veldo/ExportedSims.txt" before it returns and shows its
    // first page; the player's copy of the rows goes into the working
    // folder.
    ImportDialog(QString dir, int epFlags);
    ~ImportDialog() override;

signals:
    // Once per imported sim, Playables first, then Townies, then NPCs. The
    // sim has no parent and its spouse, parent and child links point only
    // to sims of the same import; the receiver owns it from then on.
    void addSim(Sim *sim);
    // Once, after the last addSim of an import, also when there was none.
    void updateModels();

private slots:
    void nextPage();
    void previousPage();
    void jump();
    void updateJumpBoxes();
    void selectAllPlayables();
    void selectAllTownies();
    void selectAllNPCs();
    void deselectPlayables();
    void deselectTownies();
    void deselectNPCs();
    void import();

private:
    void readSimPEOutput(const QString &dir);
    void showPage();
    void storePage();
    void selectAll(int category, bool selected);
    static int lastPage(qsizetype count);

    int m_currentPage = 0;
    int m_currentCategory = 0;
    int m_epFlags = 0;
    // Playables, Townies and NPCs, by ImportCategory.
    QList<ImportRecord> m_lists[ImportCategory::Count];
    QLabel *m_hoodLabel;
    QPushButton *m_selectPlayablesButton;
    QPushButton *m_selectTowniesButton;
    QPushButton *m_selectNPCsButton;
    QPushButton *m_deselectPlayablesButton;
    QPushButton *m_deselectTowniesButton;
    QPushButton *m_deselectNPCsButton;
    QPushButton *m_nextButton;
    QPushButton *m_previousButton;
    QComboBox *m_categoryCombo;
    QComboBox *m_pageCombo;
    QPushButton *m_jumpButton;
    QLabel *m_pageLabel;
    QPushButton *m_importButton;
    ImportSimsPage *m_simsPage;
    QHBoxLayout *m_captionRow;
    QHBoxLayout *m_selectRow;
    QHBoxLayout *m_deselectRow;
    QHBoxLayout *m_navigationRow;
    QHBoxLayout *m_jumpRow;
    QHBoxLayout *m_importRow;
    QVBoxLayout *m_column;
};
