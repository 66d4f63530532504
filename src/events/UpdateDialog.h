#pragma once

#include "records/Sim.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

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

    // Where "Random" draws from; by default the global generator. Each
    // aspiration choice showing "Random" takes one draw, modulo 6.
    void setRandomSource(std::function<int()> source);

    // The words that replace "Random", in draw order.
    static const QStringList &randomAspirations();

signals:
    void newEvent(UpdateEntry *entry);

private slots:
    void setWarning(const QString &text);
    void makeUpdate();

private:
    struct SimBox
    {
        QComboBox *box;
        SimList sims; // sorted; item k of the box is sim k
    };

    QHBoxLayout *currentRow();
    QList<QWidget *> pieces() const;
    Sim *chosenSim(const SimBox &simBox) const;
    QString problemWithForm(const QString &sentence) const;
    void removeRows();

    QLabel *m_warningLabel;
    QPushButton *m_addButton;
    QVBoxLayout *m_rowsLayout;
    QVBoxLayout *m_mainLayout;
    QList<SimBox> m_simBoxes;
    QList<QComboBox *> m_aspirationChoices;
    QList<QLineEdit *> m_requiredFields;
    QList<QLineEdit *> m_textFields;
    std::function<int()> m_randomSource;
};
