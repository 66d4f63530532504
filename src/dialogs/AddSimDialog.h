#pragma once

#include "dialogs/AddEditSimDialog.h"

// The sim form as "Add Sim": sends the form's values for the sheet to make
// the new sim, then closes and starts over from the defaults.
class AddSimDialog : public AddEditSimDialog
{
    Q_OBJECT

public:
    AddSimDialog(int epFlags, QStringList households);

signals:
    // `flags` is the SimTypeFlags word: the life states and the species bit.
    void newSim(QString name, int gender, int age, int aspiration, int secondaryAspiration,
                bool alive, int ghostColor, QString household, int flags, int alignment,
                int semester, QString major);

private slots:
    void addSim();
    void clear();
};
