#include "pages/EditHouseholdDialog.h"

#include "records/ListFileText.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

EditHouseholdDialog::EditHouseholdDialog(QString name)
    : QDialog()
    , m_oldName(name)
{
    m_nameEdit = new QLineEdit(name);
    m_nameEdit->selectAll();
    m_okButton = new QPushButton(QStringLiteral("Ok"));
    m_okButton->setMaximumSize(m_okButton->sizeHint());

    m_layout = new QVBoxLayout;
    m_layout->addWidget(m_nameEdit);
    m_layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
    setLayout(m_layout);

    connect(m_okButton, &QPushButton::clicked, this, &EditHouseholdDialog::setNameReplacement);
}

void EditHouseholdDialog::setName(QString name)
{
    m_oldName = name;
    m_nameEdit->setText(name);
    m_nameEdit->selectAll();
}

QString EditHouseholdDialog::nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Please enter a name for the household.");
    return ListFileText::fieldProblem(QStringLiteral("A household name"), name);
}

void EditHouseholdDialog::setNameReplacement()
{
    const QString newName = m_nameEdit->text();
    const QString problem = nameProblem(newName);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QString(), problem);
        return;
    }
    emit replaceName(m_oldName, newName);
    hide();
}
