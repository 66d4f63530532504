#pragma once

#include "records/Sim.h"

#include <QList>
#include <QString>
#include <QWidget>

class AchievementEntry;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

// The log of applied updates, oldest at the top, which can be narrowed to
// the entries of one sim and can hide the hold sentences.
class AchievementsPage : public QWidget
{
    Q_OBJECT

public:
    AchievementsPage();

    // The achievements section of a list file (lines ended by CR LF).
    QString saveEntries(SimList list);
    // Logs one line of that section; a line of another shape is skipped.
    void loadEntry(SimList list, QString line);
    void clearEntries();

    QList<AchievementEntry *> entries() const;

public slots:
    void addEntry(QString text, Sim *sim1, Sim *sim2);

private slots:
    void filterEntries();
    void filterHolds();
    void showAll();

private:
    void fitContainer();

    SimList m_sims;
    QComboBox *m_simBox;
    QPushButton *m_filterButton;
    QPushButton *m_showAllButton;
    QCheckBox *m_showHoldsBox;
    QHBoxLayout *m_controlRow;
    QScrollArea *m_scrollArea;
    QWidget *m_entryContainer;
    QVBoxLayout *m_entryLayout;
    QVBoxLayout *m_mainLayout;
};
