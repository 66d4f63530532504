#include "dialogs/AddSimDialog.h"

#include "records/Codes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

AddSimDialog::AddSimDialog(int epFlags, QStringList households)
    : AddEditSimDialog(epFlags, households)
{
    setActionText(QStringLiteral("Add Sim"));
    connect(m_actionButton, &QPushButton::clicked, this, &AddSimDialog::addSim);
}

void AddSimDialog::addSim()
{
    const SimForm::Values values = this->values();
    if (!acceptsTexts(values))
        return;
    emit newSim(values.name, values.gender(), values.age, values.aspirationIndex,
                values.secondaryAspirationIndex, values.alive(), values.ghostColorIndex,
                values.household, values.flags(), values.alignment(), values.semester,
                values.major);
    close();
    clear();
}

// Each change runs the widget's own rule as a player's change would; the
// enabled states are those the rules leave.
void AddSimDialog::clear()
{
    m_nameEdit->clear();
    m_genderCombo->setCurrentIndex(0);
    m_ageSpin->setValue(30);
    m_ghostCheck->setChecked(false);
    m_ghostColorCombo->setCurrentIndex(GhostColor::Pink);
    m_speciesCombo->setCurrentIndex(0);
    m_alignmentCombo->setCurrentIndex(Alignment::Neutral + 3);
    m_alignmentCombo->setEnabled(false);
    // A typed household is only in the edit text, not among the items.
    m_householdCombo->setCurrentIndex(0);
    m_householdCombo->setEditText(m_householdCombo->itemText(0));
    m_aspirationCombo->setCurrentIndex(Aspiration::None);
    m_secondaryAspirationCombo->setCurrentIndex(Aspiration::None);
    m_semesterSpin->setValue(0);
    m_majorEdit->clear();
    for (QCheckBox *box : std::as_const(m_lifeStateChecks))
        box->setChecked(false);
}
