#include "support/SimFormDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

const QStringList lifeStateTexts{"Alien", "Zombie",   "Vampire", "Werewolf",
                                 "Servo", "Plantsim", "Bigfoot", "Witch"};

} // namespace

SimFormDriver::SimFormDriver(QDialog *form)
    : m_form(form)
{
}

const QStringList &SimFormDriver::widgetNames()
{
    static const QStringList names{
        "nameEdit",        "genderCombo",     "ageSpin",         "ghostCheck",
        "ghostColorCombo", "speciesCombo",    "alignmentCombo",  "householdCombo",
        "aspirationCombo", "secondaryAspirationCombo", "semesterSpin", "majorEdit",
        "alienCheck",      "zombieCheck",     "vampireCheck",    "werewolfCheck",
        "servoCheck",      "plantsimCheck",   "bigfootCheck",    "witchCheck"};
    return names;
}

QWidget *SimFormDriver::widget(const QString &name) const
{
    return m_form->findChild<QWidget *>(name);
}

QComboBox *SimFormDriver::combo(const QString &name) const
{
    return m_form->findChild<QComboBox *>(name);
}

QCheckBox *SimFormDriver::lifeState(const QString &text) const
{
    return m_form->findChild<QCheckBox *>(text.toLower() + "Check");
}

QPushButton *SimFormDriver::button() const
{
    return m_form->findChild<QPushButton *>("actionButton");
}

bool SimFormDriver::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool SimFormDriver::choose(const QString &name, const QString &item)
{
    QComboBox *box = combo(name);
    if (!box || !box->isEnabled())
        return fail(name + " cannot be changed");
    const int index = box->findText(item, Qt::MatchExactly);
    if (index < 0)
        return fail(name + " has no item " + item);
    box->setCurrentIndex(index);
    return true;
}

bool SimFormDriver::run(const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString key = step.section('=', 0, 0);
        const QString value = step.section('=', 1);
        const QStringList spinKeys{"age", "semester"};
        if (spinKeys.contains(key)) {
            auto *spin = m_form->findChild<QSpinBox *>(key + "Spin");
            if (!spin->isEnabled())
                return fail(step + ": the field is disabled");
            spin->setValue(value.toInt());
        } else if (key == "name" || key == "major") {
            auto *edit = m_form->findChild<QLineEdit *>(key + "Edit");
            if (!edit->isEnabled())
                return fail(step + ": the field is disabled");
            edit->clear();
            QTest::keyClicks(edit, value);
        } else if (key == "ghost" || key == "alive") {
            auto *box = m_form->findChild<QCheckBox *>("ghostCheck");
            if (box->isChecked() != (key == "alive"))
                return fail(step + ": already so");
            box->click();
        } else if (key == "check" || key == "uncheck") {
            QCheckBox *box = lifeState(value);
            if (!box || !box->isEnabled() || box->isChecked() != (key == "uncheck"))
                return fail(step + ": cannot be done");
            box->click();
        } else if (key == "checkAll") {
            for (const QString &text : lifeStateTexts) {
                QCheckBox *box = lifeState(text);
                if (text != "Plantsim" && box->isEnabled() && !box->isChecked())
                    box->click();
            }
        } else if (key == "type") {
            QComboBox *box = combo("householdCombo");
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(), value);
        } else {
            static const QMap<QString, QString> choices{
                {"gender", "genderCombo"},          {"colour", "ghostColorCombo"},
                {"species", "speciesCombo"},        {"alignment", "alignmentCombo"},
                {"household", "householdCombo"},    {"aspiration", "aspirationCombo"},
                {"secondary", "secondaryAspirationCombo"}};
            if (!choices.contains(key))
                return fail("unknown step " + step);
            if (!choose(choices.value(key), value))
                return false;
        }
    }
    return true;
}

QStringList SimFormDriver::state() const
{
    QStringList checked;
    for (const QString &text : lifeStateTexts) {
        if (lifeState(text)->isChecked())
            checked << text;
    }
    const auto spin = [this](const char *name) {
        return QString::number(m_form->findChild<QSpinBox *>(name)->value());
    };
    return {
        "note: " + m_form->findChild<QLabel *>("ageNote")->text(),
        "name: " + m_form->findChild<QLineEdit *>("nameEdit")->text(),
        "gender: " + combo("genderCombo")->currentText(),
        "age: " + spin("ageSpin"),
        QString("ghost: ") + (m_form->findChild<QCheckBox *>("ghostCheck")->isChecked() ? "yes " : "no ")
            + combo("ghostColorCombo")->currentText(),
        "species: " + combo("speciesCombo")->currentText(),
        "alignment: " + combo("alignmentCombo")->currentText(),
        "household: " + combo("householdCombo")->currentText(),
        "aspiration: " + combo("aspirationCombo")->currentText() + " / "
            + combo("secondaryAspirationCombo")->currentText(),
        "semester: " + spin("semesterSpin"),
        "major: " + m_form->findChild<QLineEdit *>("majorEdit")->text(),
        "checked: " + checked.join(", "),
    };
}

QStringList SimFormDriver::enabled() const
{
    QStringList names;
    for (const QString &name : widgetNames()) {
        if (widget(name)->isEnabled())
            names << name;
    }
    return names;
}
