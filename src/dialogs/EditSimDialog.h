#pragma once

#include "dialogs/AddEditSimDialog.h"
#include "records/Sim.h"

#include <QPointer>

// The sim form as "Edit Sim": writes into the sim what the player changed in
// the form and tells the sheet to show it.
class EditSimDialog : public AddEditSimDialog
{
    Q_OBJECT

public:
    EditSimDialog(int epFlags, QStringList households, Sim *sim);

    // The sim the form edits.
    Sim *sim() const { return m_sim.data(); }

signals:
    void simEdited();

private slots:
    void editSim();

private:
    QPointer<Sim> m_sim;
    // What the widgets showed once filled: a widget still showing it was not
    // changed by the player, and its field is left as the sim holds it then.
    SimForm::Values m_filled;
};
