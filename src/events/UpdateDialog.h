#pragma once

#include "records/Sim.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class UpdateEntry;

// The form in which one update sentence is composed. The Update tab's
// composer fills it piece by piece in sentence order; "Add" joins the pieces
// into the sentence and emits a new entry.
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog();

    // Builders, called by the composer in the order of the sentence's pieces.
    QLabel *addLabel(const QString &text);
    // A required field refuses "Add" while it is empty.
    QLineEdit *addLineEdit(bool required = true);
    QSpinBox *addSpinBox(int minimum, int maximum);
    // Only an aspiration choice has its "Random" item replaced on "Add".
    QComboBox *addComboBox(const QStringList &items, bool aspirationChoice = false);
    QComboBox *addSimBox(SimList sims);

    QString composeText();
    void clearForm();
    static void sortSimsByName(SimList &sims);

signals:
    void newEvent(UpdateEntry *entry);

private slots:
    void setWarning(const QString &text);
    void makeUpdate();

private:
    QHBoxLayout *currentRow();

    SimList simList1;
    SimList simList2;
    QLabel *warningLabel;
    QPushButton *addButton;
    QVBoxLayout *rowsLayout;
    QVBoxLayout *mainLayout;
};
