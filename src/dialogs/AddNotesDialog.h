#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTextEdit;
class QVBoxLayout;

// Edits one sim's notes. It knows the sim only by its position in the
// sheet's list of sims, which it sends back with the text.
class AddNotesDialog : public QDialog
{
    Q_OBJECT

public:
    AddNotesDialog(QString notes, int simIndex);

signals:
    void saveNotes(QString notes, int simIndex);

private slots:
    void prepareNotes();

private:
    QTextEdit *m_notesEdit;
    QPushButton *m_saveButton;
    QVBoxLayout *m_mainLayout;
    int m_simIndex;
};
