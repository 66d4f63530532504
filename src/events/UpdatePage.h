#pragma once

#include "dialogs/OwnedDialog.h"
#include "events/UpdateDialog.h"
#include "records/Sim.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QHBoxLayout;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class UpdateEntry;

// The Update tab: the event chooser, the pending updates and "Apply
// Updates". It forwards its entries' signals to the sheet and to the
// achievements log.
class UpdatePage : public QWidget
{
    Q_OBJECT

public:
    explicit UpdatePage(const SimList &sims);
    ~UpdatePage() override;

    void setEPFlags(int flags);
    void setRotationTime(int days);
    void setSimList(const SimList &sims);

    // The updates section of the list file: one line per pending entry, each
    // with its CR LF, and the reading of one such line (without line end).
    QString saveEvents() const;
    void loadEvent(const QString &line);
    void clearEvents();

    SimList allSims() const { return m_allSims; }
    SimList livingSims() const { return m_livingSims; }
    int epFlags() const { return m_epFlags; }
    int rotationTime() const { return m_rotationTime; }
    // The pending entries, top first.
    QList<UpdateEntry *> pendingEntries() const;

public slots:
    void addEvent(UpdateEntry *entry);

signals:
    void rotate();
    void holdAllBut(Sim *sim, int hold);
    void holdHousehold(QString household, int hold);
    void holdAllHouseholdsBut(QString household, int hold);
    void newSim(QString name, int gender, int age, int aspiration, int hold, QString household,
                int flags, Sim *parent1, Sim *parent2);
    void newTowniePair(QString parentName, int parentAge, QString babyName, int babyGender,
                       int babyHold, int flags, Sim *otherParent);
    void removeSim(Sim *sim);
    void addToAchievementsPage(QString text, Sim *sim1, Sim *sim2);

private slots:
    void setSpecificBox(const QString &category);
    void createUpdateDialog();
    void deleteEvent(UpdateEntry *entry);
    void doUpdate();

private:
    void updateLivingSims();
    void resizeList();
    void takeOutOfList(UpdateEntry *entry);

    SimList m_allSims;
    SimList m_livingSims;
    int m_epFlags = 0;
    int m_rotationTime = 1;
    OwnedDialog<UpdateDialog> m_updateDialog;
    QScrollArea *m_scrollArea;
    QWidget *m_listWidget;
    QVBoxLayout *m_listLayout;
    QComboBox *m_categoryBox;
    QComboBox *m_specificBox;
    QPushButton *m_addEventButton;
    QPushButton *m_applyButton;
    QHBoxLayout *m_chooserRow;
    QVBoxLayout *m_mainLayout;
};
