#pragma once

#include "dialogs/OwnedDialog.h"
#include "events/UpdateDialog.h"
#include "records/Sim.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

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
    // Many lines or entries at once, with one resize of the list at the end.
    void loadEvents(const QStringList &lines);
    void addEvents(const QList<UpdateEntry *> &entries);
    void clearEvents();
    // Closes the form being filled, whose sim boxes list the sims it was
    // opened with.
    void closeForm();

    SimList allSims() const { return m_allSims; }
    SimList livingSims() const { return m_livingSims; }
    int epFlags() const { return m_epFlags; }
    int rotationTime() const { return m_rotationTime; }
    // The pending entries, top first.
    QList<UpdateEntry *> pendingEntries() const;

    void setVisible(bool visible) override;

public slots:
    void addEvent(UpdateEntry *entry);

signals:
    // "Apply Updates" is about to apply the pending entries; rotate() ends it.
    void applyStarted();
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void setSpecificBox(const QString &category);
    void createUpdateDialog();
    void deleteEvent(UpdateEntry *entry);
    void doUpdate();

private:
    void updateLivingSims();
    void resizeList();
    // Runs `change` with the list hidden, then shows the list again as it
    // was.
    void whileListHidden(const std::function<void()> &change);
    // Shows the hidden list, painted as one.
    void showList();
    // Turns the list's updates on again, painting it as one.
    void paintList();
    void takeOutOfList(UpdateEntry *entry);
    // Takes every pending entry out of the list, top first, in time linear
    // in their number.
    QList<UpdateEntry *> takeAllEntries();
    // Files the entry without resizing the list; false when it was filed.
    bool file(UpdateEntry *entry);
    // The entry an update line stands for; null for a line of another shape.
    UpdateEntry *entryOf(const QString &line) const;

    SimList m_allSims;
    SimList m_livingSims;
    int m_epFlags = 0;
    int m_rotationTime = 1;
    // True while "Apply Updates" takes the entries out one by one.
    bool m_applying = false;
    // The entry "Apply Updates" has taken out of the list and is applying.
    QPointer<UpdateEntry> m_applied;
    // True from a press of "Apply Updates" until the rotation that ends it
    // has returned.
    bool m_applyRunning = false;
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
