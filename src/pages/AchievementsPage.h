#pragma once

#include "records/Sim.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QString>
#include <QWidget>

#include <functional>

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
    ~AchievementsPage() override;

    // The achievements section of a list file (lines ended by CR LF).
    QString saveEntries(SimList list);
    // Logs one line of that section; a line of another shape is skipped.
    void loadEntry(SimList list, QString line);
    // Many lines at once, with one fitting of the log at the end.
    void loadEntries(SimList list, const QStringList &lines);
    void clearEntries();

    QList<AchievementEntry *> entries() const;

public slots:
    void addEntry(QString text, Sim *sim1, Sim *sim2);

private slots:
    void filterEntries();
    void filterHolds();
    void showAll();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void deleteEntries();
    void fitContainer();
    // Shows the entries `shown` picks, hides the others and fits the log.
    void showEntries(const std::function<bool(const AchievementEntry *)> &shown);
    // Runs `change` with the log hidden, then shows the log again as it was.
    void whileLogHidden(const std::function<void()> &change);
    // Logs an entry without fitting the log to it.
    void log(const QString &text, Sim *sim1, Sim *sim2);

    SimList m_sims;
    // The same sims, to tell at once whether one is listed.
    QSet<const Sim *> m_listed;
    // The log changed while the tab was hidden: it is fitted when shown.
    bool m_fitPending = false;
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
