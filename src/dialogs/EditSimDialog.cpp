#include "dialogs/EditSimDialog.h"

#include <QPushButton>

EditSimDialog::EditSimDialog(int epFlags, QStringList households, Sim *sim)
    : AddEditSimDialog(epFlags, households, sim)
    , m_sim(sim)
    , m_filled(values())
{
    setActionText(QStringLiteral("Edit Sim"));
    connect(m_actionButton, &QPushButton::clicked, this, &EditSimDialog::editSim);
}

void EditSimDialog::editSim()
{
    if (!m_sim)
        return;
    const SimForm::Values now = values();
    if (!acceptsTexts(now, &m_filled))
        return;
    // Only the player's changes are written: the sim may have changed since
    // the form was filled (an applied update, a rotation), and it may hold
    // values the widgets cannot show (an age above 85, a semester of 9).
    SimForm::writeChanges(m_filled, now, *m_sim);
    m_filled = now;
    emit simEdited();
    close();
}
