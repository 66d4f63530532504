#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Renames one household. It refuses a name the list file cannot carry and
// stays open until the player gives a usable one.
class EditHouseholdDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EditHouseholdDialog(QString name);

    void setName(QString name);

    // Why a new household name cannot be stored; empty when it can.
    static QString nameProblem(const QString &name);

signals:
    void replaceName(QString oldName, QString newName);

private slots:
    void setNameReplacement();

private:
    QString m_oldName;
    QLineEdit *m_nameEdit;
    QPushButton *m_okButton;
    QVBoxLayout *m_layout;
};
