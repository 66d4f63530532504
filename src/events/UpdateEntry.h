#pragma once

#include "records/EntryLine.h"
#include "records/Sim.h"

#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;

// One pending update: the sentence shown with a "Delete" button, and the
// (at most) two sims it is about. apply() parses the sentence and carries it
// out; the Update tab owns the entry and deletes it.
class UpdateEntry : public QWidget
{
    Q_OBJECT

public:
    UpdateEntry(QString text, Sim *sim1, Sim *sim2);

    QString text() const;
    int sim1Index(const SimList &list) const;
    int sim2Index(const SimList &list) const;
    int sim1Index(const EntryLine::Positions &positions) const { return positions.of(m_sim1); }
    int sim2Index(const EntryLine::Positions &positions) const { return positions.of(m_sim2); }
    Sim *firstSim() const { return m_sim1; }
    Sim *secondSim() const { return m_sim2; }
    int aspirationFromName(const QString &name) const;

    // The sheet's sims, in which a break-up looks for former partners that
    // still name either sim as spouse. The Update tab sets it before apply().
    void setSheetSims(const SimList &sims) { m_sheetSims = sims; }
    void apply();

signals:
    void holdAllBut(Sim *sim, int hold);
    void holdHousehold(QString household, int hold);
    void holdAllHouseholdsBut(QString household, int hold);
    void newSim(QString name, int gender, int age, int aspiration, int hold,
                QString household = QString(), int flags = 0, Sim *parent1 = nullptr,
                Sim *parent2 = nullptr);
    void newTowniePair(QString parentName, int parentAge, QString babyName, int babyGender,
                       int babyHold, int flags, Sim *otherParent);
    void removeSim(Sim *sim);
    void addToAchievementsPage(QString text, Sim *sim1, Sim *sim2);
    void deleteMe(UpdateEntry *entry);

private slots:
    void deleteMe();

private:
    QLabel *m_sentenceLabel;
    QPushButton *m_deleteButton;
    QHBoxLayout *m_entryLayout;
    QPointer<Sim> m_sim1;
    QPointer<Sim> m_sim2;
    SimList m_sheetSims;
};
