#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QDialog;
class QPushButton;
class QWidget;

// Drives the sim form (add or edit) through its widgets, found by their
// object names, the way a player does: a disabled widget cannot be changed.
class SimFormDriver
{
public:
    explicit SimFormDriver(QDialog *form);

    // Runs the steps in order: "name=text", "gender=Female", "age=N",
    // "ghost" / "alive", "colour=Green", "species=Cat", "alignment=Good",
    // "household=item" (chooses a listed household), "type=text" (types a
    // household over the choice), "aspiration=Fortune", "secondary=Family",
    // "semester=N", "major=text", "check=Witch" / "uncheck=Witch", and
    // "checkAll" (every enabled life-state box but Plantsim). False, with
    // error() saying why, at the first step that cannot be done.
    bool run(const QStringList &steps);
    QString error() const { return m_error; }

    // What the form shows, one "what: value" line each: note, gender, age,
    // ghost, species, alignment, household, aspiration, semester, major and
    // the checked life states.
    QStringList state() const;
    // The object names of the enabled widgets, in the form's order.
    QStringList enabled() const;

    QPushButton *button() const;
    QComboBox *combo(const QString &name) const;
    QCheckBox *lifeState(const QString &text) const;
    QWidget *widget(const QString &name) const;

    // The object names of the form's widgets in order.
    static const QStringList &widgetNames();

private:
    bool choose(const QString &name, const QString &item);
    bool fail(const QString &why);

    QDialog *m_form;
    QString m_error;
};
