#include "dialogs/AddNotesDialog.h"

#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

AddNotesDialog::AddNotesDialog(QString notes, int simIndex)
    : QDialog()
    , m_simIndex(simIndex)
{
    // Notes are plain text both ways: text that looks like markup is kept as
    // typed, and pasted rich text arrives as its plain text.
    m_notesEdit = new QTextEdit;
    m_notesEdit->setAcceptRichText(false);
    m_notesEdit->setPlainText(notes);
    m_saveButton = new QPushButton(QStringLiteral("Save Notes"));
    m_saveButton->setMaximumSize(m_saveButton->sizeHint());

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->addWidget(m_notesEdit);
    m_mainLayout->addWidget(m_saveButton, 0, Qt::AlignCenter);
    setLayout(m_mainLayout);

    connect(m_saveButton, &QPushButton::clicked, this, &AddNotesDialog::prepareNotes);
}

void AddNotesDialog::prepareNotes()
{
    emit saveNotes(m_notesEdit->toPlainText(), m_simIndex);
    close();
}
