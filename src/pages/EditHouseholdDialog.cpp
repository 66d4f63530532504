#include "pages/EditHouseholdDialog.h"

#include "records/ListFileText.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

EditHouseholdDialog::EditHouseholdDialog(QString name)
    : QDialog()
    , oldName(name)
{
    nameEdit = new QLineEdit(name);
    nameEdit->selectAll();
    okButton = new QPushButton(tr("Ok"));
    okButton->setMaximumSize(okButton->sizeHint());

    layout = new QVBoxLayout;
    layout->addWidget(nameEdit);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    setLayout(layout);

    connect(okButton, &QPushButton::clicked, this, &EditHouseholdDialog::setNameReplacement);
}

void EditHouseholdDialog::setName(QString name)
{
    oldName = name;
    nameEdit->setText(name);
    nameEdit->selectAll();
}

QString EditHouseholdDialog::nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return tr("Please enter a name for the household.");
    // A pasted line break would split the sim's line in the list file.
    if (ListFileText::hasLineBreak(name))
        return tr("A household name cannot hold a line break.");
    // Quoted fields of the list file end at a double quote followed by a
    // comma, and a leading comma would be read as an empty field.
    if (ListFileText::breaksQuotedField(name))
        return tr("A household name cannot start with a comma or hold a double quote "
                  "followed by a comma.");
    return QString();
}

void EditHouseholdDialog::setNameReplacement()
{
    const QString newName = nameEdit->text();
    const QString problem = nameProblem(newName);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QString(), problem);
        return;
    }
    emit replaceName(oldName, newName);
    hide();
}
