#pragma once

#include "dialogs/OwnedDialog.h"
#include "pages/FamilyBrowser.h"
#include "records/Sim.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class FamilyProxyModel;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QVBoxLayout;
class SortedListView;

// The Family Ties tab: every relative of the sim last selected in the List
// of Sims, with its kin terms, and the family browser that edits the links.
// The rows are rebuilt when the sim changes, when a box is toggled and when
// the browser is closed with its refresh button; a new sim list alone
// leaves them as they are.
class FamilyPage : public QWidget
{
    Q_OBJECT

public:
    explicit FamilyPage(SimList sims);
    ~FamilyPage() override;

    void setModel(QStandardItemModel *model);
    void setSim(QPointer<Sim> sim);
    void setSimList(SimList sims);
    // The sheet's list is being replaced: lets go of the sim shown and
    // closes the browser, which edits nothing until the next sim is picked.
    void reset();

private slots:
    void createFamilyBrowser();
    void showFamily();

private:
    QStandardItemModel *relationshipModel() const;

    QPointer<Sim> m_focusSim;
    SimList m_allSims;
    OwnedDialog<FamilyBrowser> m_browser;
    QPushButton *m_browserButton;
    QPushButton *m_kintermsButton;
    QCheckBox *m_livingOnlyBox;
    QCheckBox *m_playableOnlyBox;
    QLabel *m_familyLabel;
    SortedListView *m_familyView;
    QHBoxLayout *m_buttonRow;
    QVBoxLayout *m_pageLayout;
    FamilyProxyModel *m_proxyModel;
};
