#pragma once

#include "dialogs/OwnedDialog.h"
#include "pages/EditHouseholdDialog.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSortFilterProxyModel;
class QStandardItemModel;
class QVBoxLayout;
class SortedListView;

// The households of the neighbourhood with their played marks for the
// current rotation ("Yes", "No", or empty for the special households).
class HouseholdPage : public QWidget
{
    Q_OBJECT

public:
    HouseholdPage();
    ~HouseholdPage() override;

    void setModel(QStandardItemModel *model);
    QStandardItemModel *sourceModel() const;
    void showMembers(QStringList names);
    void clearPlayedFlags();
    // The households section of a list file, rows joined by CR LF.
    QString saveHouseholds();
    // Marks the household of a line of that section with its mark; a line
    // without a readable mark, or of a household the model does not hold,
    // changes nothing. Lines are taken in order, so of two lines of one
    // household the later one wins.
    void loadHousehold(QString line);
    // The same for a section's lines at once, in time linear in the lines
    // and the households.
    void loadHouseholds(const QStringList &lines);

public slots:
    void reset();

signals:
    void showHousehold(QString household);
    void replaceHouseholdName(QString oldName, QString newName);

private slots:
    void updateDisplay();
    void updateAlreadyPlayed(int state);
    void createEditHouseholdDialog();

private:
    QString textAt(int row, int column) const;
    void setMark(int row, const QString &mark);

    OwnedDialog<EditHouseholdDialog> m_editDialog;
    SortedListView *m_householdView;
    QPushButton *m_editButton;
    QCheckBox *m_playedBox;
    QScrollArea *m_memberScroll;
    QLabel *m_memberLabel;
    QHBoxLayout *m_controlRow;
    QVBoxLayout *m_mainLayout;
    QSortFilterProxyModel *m_proxyModel;
};
