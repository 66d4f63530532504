#include "dialogs/AddEditSimDialog.h"

#include "records/Codes.h"
#include "records/Sim.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A fixed label that keeps its natural size.
QLabel *fixedLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setMaximumSize(label->sizeHint());
    return label;
}

QComboBox *choice(const QStringList &items, const QString &name)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

} // namespace

AddEditSimDialog::AddEditSimDialog(int epFlags, QStringList households)
    : QDialog()
    , m_epFlags(epFlags)
{
    build(households, nullptr);
}

AddEditSimDialog::AddEditSimDialog(int epFlags, QStringList households, Sim *sim)
    : QDialog()
    , m_epFlags(epFlags)
{
    build(households, sim);
    if (!sim)
        return;
    // Brings the sim's values under the form's rules. The semester rule runs
    // with the stored semester, so a sim with one keeps its major editable.
    ageChanged(sim->age());
    speciesChanged();
    semesterChanged(sim->semester());
}

QString AddEditSimDialog::ageText(int age, int kind)
{
    return SimForm::ageText(age, kind);
}

void AddEditSimDialog::build(const QStringList &households, const Sim *sim)
{
    m_nameEdit = new QLineEdit;
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    if (sim)
        m_nameEdit->setText(sim->name());
    m_genderCombo = choice(SimForm::genderItems(), QStringLiteral("genderCombo"));
    if (sim)
        m_genderCombo->setCurrentIndex(sim->gender() - 1);
    m_genderCombo->setMaximumSize(m_genderCombo->sizeHint());
    m_nameRow = new QHBoxLayout;
    m_nameRow->addWidget(fixedLabel(QStringLiteral("Name: ")), 0, Qt::AlignLeft);
    m_nameRow->addWidget(m_nameEdit);
    m_nameRow->addWidget(m_genderCombo);

    m_ageSpin = new QSpinBox;
    m_ageSpin->setObjectName(QStringLiteral("ageSpin"));
    m_ageSpin->setRange(0, 85);
    m_ageSpin->setSuffix(QStringLiteral(" days old"));
    m_ageSpin->setValue(sim ? sim->age() : 30);
    m_ageNote = new QLabel(QLatin1Char('(') + ageText(m_ageSpin->value(), 0) + QLatin1Char(')'));
    m_ageNote->setObjectName(QStringLiteral("ageNote"));
    m_ageRow = new QHBoxLayout;
    m_ageRow->addWidget(fixedLabel(QStringLiteral("Age: ")), 0, Qt::AlignLeft);
    m_ageRow->addWidget(m_ageSpin);
    m_ageRow->addWidget(m_ageNote);
    m_ageRow->addStretch(1);
    connect(m_ageSpin, &QSpinBox::valueChanged, this, &AddEditSimDialog::ageChanged);

    m_ghostCheck = new QCheckBox(QStringLiteral("Is a Ghost    Color:"));
    m_ghostCheck->setObjectName(QStringLiteral("ghostCheck"));
    m_ghostCheck->setChecked(sim && !sim->isAlive());
    m_ghostColorCombo = choice(SimForm::ghostColorItems(), QStringLiteral("ghostColorCombo"));
    if (sim)
        m_ghostColorCombo->setCurrentIndex(sim->ghostColor());
    m_ghostRow = new QHBoxLayout;
    m_ghostRow->addWidget(m_ghostCheck);
    m_ghostRow->addWidget(m_ghostColorCombo);
    m_ghostRow->addStretch(1);

    m_speciesCombo = choice(SimForm::speciesItems(), QStringLiteral("speciesCombo"));
    if (sim)
        m_speciesCombo->setCurrentIndex(SimForm::speciesIndex(sim->species()));
    m_speciesCombo->setMaximumSize(m_speciesCombo->sizeHint());
    m_speciesCombo->setEnabled(hasPack(EPFlags::Pets));
    m_alignmentCombo = choice(SimForm::alignmentItems(), QStringLiteral("alignmentCombo"));
    m_alignmentCombo->setCurrentIndex((sim ? sim->witchAlignment() : Alignment::Neutral) + 3);
    m_alignmentCombo->setMaximumSize(m_alignmentCombo->sizeHint());
    m_alignmentCombo->setEnabled(false);
    m_speciesRow = new QHBoxLayout;
    m_speciesRow->addWidget(fixedLabel(QStringLiteral("Species: ")), 0, Qt::AlignLeft);
    m_speciesRow->addWidget(m_speciesCombo);
    m_speciesRow->addStretch(1);
    m_speciesRow->addWidget(fixedLabel(QStringLiteral("Alignment: ")));
    m_speciesRow->addWidget(m_alignmentCombo);
    connect(m_speciesCombo, &QComboBox::currentIndexChanged, this,
            &AddEditSimDialog::speciesChanged);

    m_householdCombo = choice(households, QStringLiteral("householdCombo"));
    if (sim)
        m_householdCombo->setCurrentIndex(qMax(0, int(households.lastIndexOf(sim->household()))));
    m_householdCombo->setEditable(true);
    m_householdRow = new QHBoxLayout;
    m_householdRow->addWidget(fixedLabel(QStringLiteral("Household: ")));
    m_householdRow->addWidget(m_householdCombo);

    m_aspirationCombo = choice(SimForm::aspirationItems(), QStringLiteral("aspirationCombo"));
    m_secondaryAspirationCombo =
        choice(SimForm::secondaryAspirationItems(), QStringLiteral("secondaryAspirationCombo"));
    if (sim) {
        m_aspirationCombo->setCurrentIndex(sim->aspiration(-1));
        m_secondaryAspirationCombo->setCurrentIndex(sim->secondaryAspiration(-1));
    }
    m_secondaryAspirationCombo->setEnabled(hasPack(EPFlags::FreeTime));
    m_aspirationRow = new QHBoxLayout;
    m_aspirationRow->addWidget(new QLabel(QStringLiteral("Aspiration: ")));
    m_aspirationRow->addWidget(m_aspirationCombo);
    m_aspirationRow->addWidget(new QLabel(QStringLiteral("/")));
    m_aspirationRow->addWidget(m_secondaryAspirationCombo);
    m_aspirationRow->addStretch(1);

    m_semesterSpin = new QSpinBox;
    m_semesterSpin->setObjectName(QStringLiteral("semesterSpin"));
    m_semesterSpin->setRange(0, 8);
    m_semesterSpin->setValue(sim ? sim->semester() : 0);
    m_semesterSpin->setEnabled(hasPack(EPFlags::University));
    m_majorEdit = new QLineEdit;
    m_majorEdit->setObjectName(QStringLiteral("majorEdit"));
    if (sim)
        m_majorEdit->setText(sim->major());
    m_majorEdit->setEnabled(false);
    m_collegeRow = new QHBoxLayout;
    m_collegeRow->addWidget(new QLabel(QStringLiteral("Semester in college: ")));
    m_collegeRow->addWidget(m_semesterSpin);
    m_collegeRow->addWidget(new QLabel(QStringLiteral("Major: ")));
    m_collegeRow->addWidget(m_majorEdit);
    connect(m_semesterSpin, &QSpinBox::valueChanged, this, &AddEditSimDialog::semesterChanged);

    m_lifeStateColumn1 = new QVBoxLayout;
    m_lifeStateColumn2 = new QVBoxLayout;
    const QList<SimForm::LifeState> &states = SimForm::lifeStates();
    for (int i = 0; i < states.size(); ++i) {
        auto *box = new QCheckBox(states.at(i).text);
        box->setObjectName(states.at(i).text.toLower() + QLatin1String("Check"));
        box->setChecked(sim && sim->hasFlag(states.at(i).bit));
        box->setEnabled(hasPack(states.at(i).pack));
        m_lifeStateChecks.append(box);
        (i < states.size() / 2 ? m_lifeStateColumn1 : m_lifeStateColumn2)->addWidget(box);
    }
    connect(lifeStateCheck(SimTypeFlags::Plantsim), &QCheckBox::toggled, this,
            &AddEditSimDialog::speciesChanged);
    connect(lifeStateCheck(SimTypeFlags::Witch), &QCheckBox::toggled, this,
            &AddEditSimDialog::witchChanged);
    if (lifeStateCheck(SimTypeFlags::Witch)->isChecked())
        m_alignmentCombo->setEnabled(true);
    m_lifeStateRow = new QHBoxLayout;
    m_lifeStateRow->addLayout(m_lifeStateColumn1);
    m_lifeStateRow->addLayout(m_lifeStateColumn2);

    m_actionButton = new QPushButton;
    m_actionButton->setObjectName(QStringLiteral("actionButton"));

    m_mainLayout = new QVBoxLayout;
    for (QHBoxLayout *row : {m_nameRow, m_ageRow, m_ghostRow, m_speciesRow, m_householdRow,
                             m_aspirationRow, m_collegeRow, m_lifeStateRow})
        m_mainLayout->addLayout(row);
    m_mainLayout->addWidget(m_actionButton, 0, Qt::AlignCenter);
    setLayout(m_mainLayout);
}

QCheckBox *AddEditSimDialog::lifeStateCheck(int bit) const
{
    const QList<SimForm::LifeState> &states = SimForm::lifeStates();
    for (int i = 0; i < states.size(); ++i) {
        if (states.at(i).bit == bit)
            return m_lifeStateChecks.at(i);
    }
    return nullptr;
}

// Every change below goes through the widget, so its own rule runs at once:
// unchecking Witch disables the alignment, a semester set to 0 disables the
// major, and unchecking Plantsim runs this rule again from the top.
void AddEditSimDialog::ageChanged(int age)
{
    const bool plantsim = lifeStateCheck(SimTypeFlags::Plantsim)->isChecked();
    const int species = SimForm::speciesCode(m_speciesCombo->currentIndex());
    int kind = plantsim ? int(SimTypeFlags::Plantsim) : 0;
    if (species != Species::Human)
        kind = species;
    m_ageNote->setText(QLatin1Char('(') + ageText(age, kind) + QLatin1Char(')'));

    const QList<SimForm::LifeState> &states = SimForm::lifeStates();
    for (int i = 0; i < states.size(); ++i) {
        if (!states.at(i).adultOnly && hasPack(states.at(i).pack))
            m_lifeStateChecks.at(i)->setEnabled(true);
    }

    // A plantsim is grown from its fourth day.
    if ((age < 15 && !plantsim) || (age <= 3 && plantsim)) {
        m_aspirationCombo->setCurrentIndex(Aspiration::GrowUp);
        m_aspirationCombo->setEnabled(false);
        m_secondaryAspirationCombo->setCurrentIndex(Aspiration::None);
        m_secondaryAspirationCombo->setEnabled(false);
        for (int i = 0; i < states.size(); ++i) {
            if (states.at(i).adultOnly) {
                m_lifeStateChecks.at(i)->setChecked(false);
                m_lifeStateChecks.at(i)->setEnabled(false);
            }
        }
        if (age < 3)
            m_aspirationCombo->setCurrentIndex(Aspiration::None);
    } else {
        m_aspirationCombo->setEnabled(true);
        m_secondaryAspirationCombo->setEnabled(hasPack(EPFlags::FreeTime));
        for (int i = 0; i < states.size(); ++i) {
            if (states.at(i).adultOnly && hasPack(states.at(i).pack))
                m_lifeStateChecks.at(i)->setEnabled(true);
        }
    }

    QCheckBox *bigfoot = lifeStateCheck(SimTypeFlags::Bigfoot);
    if ((age < 30 && !plantsim) || (age <= 3 && plantsim)) {
        bigfoot->setChecked(false);
        bigfoot->setEnabled(false);
    } else if (hasPack(EPFlags::BonVoyage)) {
        bigfoot->setEnabled(true);
    }

    if (age == 30 && !plantsim && m_speciesCombo->currentIndex() == 0) {
        if (hasPack(EPFlags::University)) {
            m_semesterSpin->setEnabled(true);
            m_majorEdit->setEnabled(true);
        }
    } else {
        m_semesterSpin->setValue(0);
        m_semesterSpin->setEnabled(false);
        m_majorEdit->setEnabled(false);
    }

    if (m_speciesCombo->currentIndex() != 0) {
        m_aspirationCombo->setCurrentIndex(Aspiration::None);
        m_aspirationCombo->setEnabled(false);
        m_secondaryAspirationCombo->setCurrentIndex(Aspiration::None);
        m_secondaryAspirationCombo->setEnabled(false);
        for (QCheckBox *box : std::as_const(m_lifeStateChecks)) {
            box->setChecked(false);
            box->setEnabled(false);
        }
    }
}

void AddEditSimDialog::speciesChanged()
{
    ageChanged(m_ageSpin->value());
}

void AddEditSimDialog::semesterChanged(int semester)
{
    m_majorEdit->setEnabled(semester > 0 && hasPack(EPFlags::University));
}

void AddEditSimDialog::witchChanged(bool on)
{
    m_alignmentCombo->setEnabled(on);
}

SimForm::Values AddEditSimDialog::values() const
{
    SimForm::Values values;
    values.name = m_nameEdit->text();
    values.genderIndex = m_genderCombo->currentIndex();
    values.age = m_ageSpin->value();
    values.ghost = m_ghostCheck->isChecked();
    values.ghostColorIndex = m_ghostColorCombo->currentIndex();
    values.speciesIndex = m_speciesCombo->currentIndex();
    values.alignmentIndex = m_alignmentCombo->currentIndex();
    values.household = m_householdCombo->currentText();
    values.aspirationIndex = m_aspirationCombo->currentIndex();
    values.secondaryAspirationIndex = m_secondaryAspirationCombo->currentIndex();
    values.semester = m_semesterSpin->value();
    values.major = m_majorEdit->text();
    for (int i = 0; i < m_lifeStateChecks.size(); ++i)
        values.lifeStates[i] = m_lifeStateChecks.at(i)->isChecked();
    return values;
}

void AddEditSimDialog::setActionText(const QString &text)
{
    m_actionButton->setText(text);
    m_actionButton->setMaximumSize(m_actionButton->sizeHint());
}

bool AddEditSimDialog::acceptsTexts(const SimForm::Values &now, const SimForm::Values *filled)
{
    const QString problem = SimForm::textProblem(now, filled);
    if (problem.isEmpty())
        return true;
    QMessageBox::warning(this, QString(), problem);
    return false;
}
