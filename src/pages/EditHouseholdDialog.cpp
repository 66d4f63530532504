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
    return ListFileText::fieldProblem(QStringLiteral("A household name"), name);
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
