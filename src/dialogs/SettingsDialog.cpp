#include "dialogs/SettingsDialog.h"

#include "dialogs/SettingsLine.h"
#include "dialogs/SimPEFolder.h"
#include "records/Codes.h"
#include "records/Console.h"
#include "sheet/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char *const packNames[8] = {"University", "Nightlife", "Open for Business", "Pets",
                                  "Seasons",    "Bon Voyage", "Free Time",        "Apartment Life"};
const char *const packObjectNames[8] = {"universityBox",  "nightlifeBox",   "openForBusinessBox",
                                        "petsBox",        "seasonsBox",     "bonVoyageBox",
                                        "freeTimeBox",    "apartmentLifeBox"};

QSpinBox *spinBox(const char *objectName, int minimum, int maximum, const QString &suffix,
                  int value)
{
    auto *spin = new QSpinBox;
    spin->setObjectName(QLatin1String(objectName));
    spin->setRange(minimum, maximum);
    spin->setSuffix(suffix);
    spin->setValue(value);
    return spin;
}

} // namespace

SettingsDialog::SettingsDialog(int rotationTime, bool rotateCollege, int collegeRotationTime,
                               bool autoGoToCollege, int autoGoToCollegeTime, bool autoBirthdays,
                               int autoBirthdaysTime, int ageDisplay, int epFlags,
                               QString simPELocation)
    : QDialog(nullptr)
{
    // A combo box given an index it has no item for would show nothing and
    // put -1 into the next list file; hold every value to the widgets.
    epFlags = Settings::clampEPFlags(epFlags);
    const bool university = epFlags & EPFlags::University;

    m_rotationTimeSpin = spinBox("rotationTimeSpin", Settings::MinRotationTime,
                                 Settings::MaxRotationTime, QStringLiteral(" sim days"),
                                 rotationTime);
    m_rotationRow = new QHBoxLayout;
    m_rotationRow->addWidget(new QLabel(QStringLiteral("Every update, increase time by ")));
    m_rotationRow->addWidget(m_rotationTimeSpin);

    m_rotateCollegeBox = new QCheckBox(QStringLiteral("Every update, increase time in college by "));
    m_rotateCollegeBox->setObjectName(QStringLiteral("rotateCollegeBox"));
    m_rotateCollegeBox->setChecked(rotateCollege);
    m_rotateCollegeBox->setEnabled(university);
    m_collegeRotationTimeSpin = spinBox("collegeRotationTimeSpin", Settings::MinCollegeRotationTime,
                                        Settings::MaxCollegeRotationTime,
                                        QStringLiteral(" semesters"), collegeRotationTime);
    m_collegeRotationTimeSpin->setEnabled(university);
    connect(m_rotateCollegeBox, &QCheckBox::toggled, m_collegeRotationTimeSpin,
            &QWidget::setEnabled);
    m_collegeRow = new QHBoxLayout;
    m_collegeRow->addWidget(m_rotateCollegeBox);
    m_collegeRow->addWidget(m_collegeRotationTimeSpin);

    m_autoGoToCollegeBox =
        new QCheckBox(QStringLiteral("Automatically send teens to college when they reach "));
    m_autoGoToCollegeBox->setObjectName(QStringLiteral("autoGoToCollegeBox"));
    m_autoGoToCollegeBox->setChecked(autoGoToCollege);
    m_autoGoToCollegeBox->setEnabled(university);
    m_autoGoToCollegeTimeSpin = spinBox(
        "autoGoToCollegeTimeSpin", Settings::MinAutoGoToCollegeTime,
        Settings::MaxAutoGoToCollegeTime, QStringLiteral(" sim days until adulthood"),
        autoGoToCollegeTime);
    m_autoGoToCollegeTimeSpin->setEnabled(false);
    connect(m_autoGoToCollegeBox, &QCheckBox::toggled, m_autoGoToCollegeTimeSpin,
            &QWidget::setEnabled);
    m_goToCollegeRow = new QHBoxLayout;
    m_goToCollegeRow->addWidget(m_autoGoToCollegeBox);
    m_goToCollegeRow->addWidget(m_autoGoToCollegeTimeSpin);

    m_autoBirthdaysBox = new QCheckBox(
        QStringLiteral("Automatically add age transitions as updates (by default occurring "));
    m_autoBirthdaysBox->setObjectName(QStringLiteral("autoBirthdaysBox"));
    m_autoBirthdaysBox->setChecked(autoBirthdays);
    m_autoBirthdaysTimeCombo = new QComboBox;
    m_autoBirthdaysTimeCombo->setObjectName(QStringLiteral("autoBirthdaysTimeCombo"));
    m_autoBirthdaysTimeCombo->addItems({QStringLiteral("before"), QStringLiteral("at or after")});
    m_autoBirthdaysTimeCombo->setCurrentIndex(Settings::clampAutoBirthdaysTime(autoBirthdaysTime));
    connect(m_autoBirthdaysBox, &QCheckBox::toggled, m_autoBirthdaysTimeCombo,
            &QWidget::setEnabled);
    m_birthdaysRow = new QHBoxLayout;
    m_birthdaysRow->addWidget(m_autoBirthdaysBox);
    m_birthdaysRow->addWidget(m_autoBirthdaysTimeCombo);
    m_birthdaysRow->addWidget(new QLabel(QStringLiteral("six PM).")));

    m_ageDisplayCombo = new QComboBox;
    m_ageDisplayCombo->setObjectName(QStringLiteral("ageDisplayCombo"));
    m_ageDisplayCombo->addItems(
        {QStringLiteral("## days old"), QStringLiteral("## days until Lifestage")});
    m_ageDisplayCombo->setCurrentIndex(Settings::clampAgeDisplay(ageDisplay));
    m_ageDisplayRow = new QHBoxLayout;
    m_ageDisplayRow->addWidget(new QLabel(QStringLiteral("Age display format: ")));
    m_ageDisplayRow->addWidget(m_ageDisplayCombo);

    m_simPELocationEdit = new QLineEdit(simPELocation);
    m_simPELocationEdit->setObjectName(QStringLiteral("simPELocationEdit"));
    m_browseButton = new QPushButton(QStringLiteral("Browse..."));
    m_locationRow = new QHBoxLayout;
    m_locationRow->addWidget(new QLabel(QStringLiteral("Default location of SimPE: ")));
    m_locationRow->addWidget(m_simPELocationEdit);
    m_locationRow->addWidget(m_browseButton);

    m_packGrid = new QGridLayout;
    m_packGrid->addWidget(new QLabel(QStringLiteral("Use features from the following expansion packs:")),
                          0, 0, 1, 2);
    for (int pack = 0; pack < 8; ++pack) {
        m_packBoxes[pack] = new QCheckBox(QLatin1String(packNames[pack]));
        m_packBoxes[pack]->setObjectName(QLatin1String(packObjectNames[pack]));
        m_packBoxes[pack]->setChecked(epFlags & (1 << pack));
        m_packGrid->addWidget(m_packBoxes[pack], 1 + pack / 2, pack % 2);
    }

    m_closeButton = new QPushButton(QStringLiteral("Close"));
    m_closeButton->setDefault(true);

    m_layout = new QVBoxLayout;
    m_layout->addLayout(m_rotationRow);
    m_layout->addLayout(m_collegeRow);
    m_layout->addLayout(m_goToCollegeRow);
    m_layout->addLayout(m_birthdaysRow);
    m_layout->addLayout(m_ageDisplayRow);
    m_layout->addLayout(m_locationRow);
    m_layout->addLayout(m_packGrid);
    m_layout->addWidget(m_closeButton, 0, Qt::AlignCenter);
    setLayout(m_layout);

    // Every value is in place before these, so building sends nothing.
    connect(m_rotationTimeSpin, &QSpinBox::valueChanged, this, &SettingsDialog::setRotation);
    connect(m_rotateCollegeBox, &QCheckBox::toggled, this, &SettingsDialog::setAutoCollegeRotation);
    connect(m_collegeRotationTimeSpin, &QSpinBox::valueChanged, this,
            &SettingsDialog::setCollegeRotation);
    connect(m_autoGoToCollegeBox, &QCheckBox::toggled, this, &SettingsDialog::setAutoGoToCollege);
    connect(m_autoGoToCollegeTimeSpin, &QSpinBox::valueChanged, this,
            &SettingsDialog::setGoToCollegeTime);
    connect(m_autoBirthdaysBox, &QCheckBox::toggled, this, &SettingsDialog::setAutoBirthday);
    connect(m_autoBirthdaysTimeCombo, &QComboBox::currentIndexChanged, this,
            &SettingsDialog::setAutoBirthdayTime);
    connect(m_ageDisplayCombo, &QComboBox::currentIndexChanged, this,
            &SettingsDialog::setAgeDisplay);
    connect(m_simPELocationEdit, &QLineEdit::textChanged, this, &SettingsDialog::setSimPELocation);
    connect(m_browseButton, &QPushButton::clicked, this, &SettingsDialog::browseForSimPE);
    for (QCheckBox *box : m_packBoxes)
        connect(box, &QCheckBox::toggled, this, &SettingsDialog::updateEPFlags);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

int SettingsDialog::packFlags() const
{
    int flags = 0;
    for (int pack = 0; pack < 8; ++pack) {
        if (m_packBoxes[pack]->isChecked())
            flags |= 1 << pack;
    }
    return flags;
}

void SettingsDialog::updateEPFlags()
{
    const int flags = packFlags();
    if (m_packBoxes[0]->isChecked()) {
        if (m_rotateCollegeBox->isChecked())
            m_collegeRotationTimeSpin->setEnabled(true);
        if (m_autoGoToCollegeBox->isChecked())
            m_autoGoToCollegeTimeSpin->setEnabled(true);
        m_rotateCollegeBox->setEnabled(true);
        m_autoGoToCollegeBox->setEnabled(true);
    } else {
        m_rotateCollegeBox->setChecked(false);
        m_rotateCollegeBox->setEnabled(false);
        m_autoGoToCollegeBox->setChecked(false);
        m_autoGoToCollegeBox->setEnabled(false);
    }
    emit setEPFlags(flags);
}

void SettingsDialog::browseForSimPE()
{
    chooseSimPEFolder(this, m_simPELocationEdit);
}

QString SettingsDialog::settingsString() const
{
    Settings settings;
    settings.RotationTime = m_rotationTimeSpin->value();
    settings.RotateCollege = m_rotateCollegeBox->isChecked();
    settings.CollegeRotationTime = m_collegeRotationTimeSpin->value();
    settings.AutoGoToCollege = m_autoGoToCollegeBox->isChecked();
    settings.AutoGoToCollegeTime = m_autoGoToCollegeTimeSpin->value();
    settings.AutoBirthdays = m_autoBirthdaysBox->isChecked();
    settings.AutoBirthdaysTime = m_autoBirthdaysTimeCombo->currentIndex();
    settings.AgeDisplay = m_ageDisplayCombo->currentIndex();
    settings.SimPELocation = m_simPELocationEdit->text();
    settings.EPFlags = packFlags();
    return SettingsLine::format(settings);
}

void SettingsDialog::readSettingsString(QString line, int format)
{
    Console::line(QStringLiteral("Settings dialog"));
    if (format == 0 || format == 1)
        readBasicSettings(line);
    else if (format == 2 || format == 3)
        readSettingsWithPacks(line);
    else
        readLine(line, format);
}

void SettingsDialog::readBasicSettings(QString line)
{
    readLine(line, 0);
}

void SettingsDialog::readSettingsWithPacks(QString line)
{
    readLine(line, 2);
}

void SettingsDialog::readLine(const QString &line, int format)
{
    const SettingsLine::Read read = SettingsLine::read(line, format);
    Console::line(QString::number(read.partCount));
    const Settings &v = read.values;
    for (const int position : read.positions) {
        switch (position) {
        case SettingsLine::RotationTime:
            m_rotationTimeSpin->setValue(v.RotationTime);
            break;
        case SettingsLine::RotateCollege:
            m_rotateCollegeBox->setChecked(v.RotateCollege);
            break;
        case SettingsLine::CollegeRotationTime:
            m_collegeRotationTimeSpin->setValue(v.CollegeRotationTime);
            break;
        case SettingsLine::AutoGoToCollege:
            m_autoGoToCollegeBox->setChecked(v.AutoGoToCollege);
            break;
        case SettingsLine::AutoGoToCollegeTime:
            m_autoGoToCollegeTimeSpin->setValue(v.AutoGoToCollegeTime);
            break;
        case SettingsLine::AutoBirthdays:
            m_autoBirthdaysBox->setChecked(v.AutoBirthdays);
            break;
        case SettingsLine::AutoBirthdaysTime:
            m_autoBirthdaysTimeCombo->setCurrentIndex(v.AutoBirthdaysTime);
            break;
        case SettingsLine::AgeDisplay:
            m_ageDisplayCombo->setCurrentIndex(v.AgeDisplay);
            break;
        case SettingsLine::SimPELocation:
            m_simPELocationEdit->setText(v.SimPELocation);
            break;
        default: {
            const int bit = SettingsLine::packBit(position);
            for (int pack = 0; pack < 8; ++pack) {
                if (bit == 1 << pack)
                    m_packBoxes[pack]->setChecked(v.EPFlags & bit);
            }
            break;
        }
        }
    }
}
