#pragma once

#include "dialogs/SimForm.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class Sim;

// The form in which the player types or corrects one sim. It lays out its
// widgets, fills them with defaults or from a sim, and keeps them consistent
// while the player types: widgets bound to an expansion pack stay disabled
// without it, a child has no aspiration of its own and no adult life state,
// a pet has neither, and only a young adult of exactly 30 days can be in
// college. It writes nothing; the add and edit forms read it out and name
// its one button.
class AddEditSimDialog : public QDialog
{
    Q_OBJECT

public:
    AddEditSimDialog(int epFlags, QStringList households);
    // Filled from the sim; the form does not keep the pointer.
    AddEditSimDialog(int epFlags, QStringList households, Sim *sim);

    // The age note's text without brackets; see SimForm::ageText.
    static QString ageText(int age, int kind);

protected:
    // What the widgets show, whether they are enabled or not.
    SimForm::Values values() const;
    // Names the form's button.
    void setActionText(const QString &text);
    // Shows why a typed text cannot be stored and returns false; true when
    // every text can. See SimForm::textProblem for `filled`.
    bool acceptsTexts(const SimForm::Values &now, const SimForm::Values *filled = nullptr);
    // The life-state box of a SimTypeFlags bit.
    QCheckBox *lifeStateCheck(int bit) const;

    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_genderCombo = nullptr;
    QSpinBox *m_ageSpin = nullptr;
    QLabel *m_ageNote = nullptr;
    QCheckBox *m_ghostCheck = nullptr;
    QComboBox *m_ghostColorCombo = nullptr;
    QComboBox *m_speciesCombo = nullptr;
    QComboBox *m_alignmentCombo = nullptr;
    QComboBox *m_householdCombo = nullptr;
    QComboBox *m_aspirationCombo = nullptr;
    QComboBox *m_secondaryAspirationCombo = nullptr;
    QSpinBox *m_semesterSpin = nullptr;
    QLineEdit *m_majorEdit = nullptr;
    // In SimForm::lifeStates() order: Alien, Zombie, Vampire, Werewolf,
    // Servo, Plantsim, Bigfoot, Witch.
    QList<QCheckBox *> m_lifeStateChecks;
    QPushButton *m_actionButton = nullptr;
    QHBoxLayout *m_nameRow = nullptr;
    QHBoxLayout *m_ageRow = nullptr;
    QHBoxLayout *m_ghostRow = nullptr;
    QHBoxLayout *m_speciesRow = nullptr;
    QHBoxLayout *m_householdRow = nullptr;
    QHBoxLayout *m_aspirationRow = nullptr;
    QHBoxLayout *m_collegeRow = nullptr;
    QVBoxLayout *m_lifeStateColumn1 = nullptr;
    QVBoxLayout *m_lifeStateColumn2 = nullptr;
    QHBoxLayout *m_lifeStateRow = nullptr;
    QVBoxLayout *m_mainLayout = nullptr;
    int m_epFlags = 0;

private slots:
    void ageChanged(int age);
    void speciesChanged();
    void semesterChanged(int semester);
    void witchChanged(bool on);

private:
    void build(const QStringList &households, const Sim *sim);
    bool hasPack(int pack) const { return pack == 0 || (m_epFlags & pack) != 0; }
};
