#pragma once

#include "records/Sim.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Shows one sim's spouse, parents, children and siblings, steps to any of
// them, and edits the sim's spouse, parent and child links. Edits change the
// sims at once; the Family Ties tab shows them after "Close and Refresh
// Family List". An edit keeps both sides of every link it changes, and one
// that would make a sim its own ancestor is refused.
class FamilyBrowser : public QDialog
{
    Q_OBJECT

public:
    FamilyBrowser(QPointer<Sim> sim, SimList sims);
    ~FamilyBrowser() override;

    // A null sim shows nothing and offers no edit.
    void setSim(QPointer<Sim> sim);
    void setSimList(SimList sims);

signals:
    void closeAndUpdate();

private slots:
    void viewSpouse();
    void viewParent1();
    void viewParent2();
    void viewChild();
    void viewSibling();
    void setSpouse();
    void setParent1();
    void setParent2();
    void addChild();
    void removeChild();
    void addSibling();

private:
    // Drops the null entries and keeps the sims sorted by name.
    void takeSims(SimList sims);
    void updateDisplay();
    // Sizes the groups and the dialog to the rows as they now are.
    void fit();
    SimList siblings() const;
    Sim *chosenSim(const QComboBox *combo) const;
    bool refuseLoop(const Sim *parent, const Sim *child);
    void setParent(QComboBox *combo, bool first);

    QPointer<Sim> m_sim;
    // Sorted by name.
    SimList m_sims;
    // The list m_sims was sorted from, in the order it came, and the names
    // m_sims had then.
    SimList m_given;
    QStringList m_sortedNames;
    // The names the edit combos list, once they are filled.
    QStringList m_shownNames;
    bool m_namesShown = false;

    QLabel *m_titleLabel;
    QGroupBox *m_navigationGroup;
    QVBoxLayout *m_navigationLayout;
    QPushButton *m_spouseButton;
    QLabel *m_spouseNone;
    QPushButton *m_parent1Button;
    QLabel *m_parent1None;
    QPushButton *m_parent2Button;
    QLabel *m_parent2None;
    QPushButton *m_viewChildButton;
    QComboBox *m_childCombo;
    QLabel *m_childrenNone;
    QPushButton *m_viewSiblingButton;
    QComboBox *m_siblingCombo;
    QLabel *m_siblingsNone;

    QGroupBox *m_editGroup;
    QVBoxLayout *m_editLayout;
    QPushButton *m_setSpouseButton;
    QComboBox *m_spouseCombo;
    QPushButton *m_setParent1Button;
    QComboBox *m_parent1Combo;
    QPushButton *m_setParent2Button;
    QComboBox *m_parent2Combo;
    QPushButton *m_addChildButton;
    QComboBox *m_addChildCombo;
    QPushButton *m_removeChildButton;
    QComboBox *m_removeChildCombo;
    QPushButton *m_addSiblingButton;
    QComboBox *m_addSiblingCombo;

    QPushButton *m_closeButton;
    QVBoxLayout *m_mainLayout;
};
