#include "dialogs/ImportSimDisplay.h"

#include "records/Codes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct LifeState
{
    const char *name;
    int bit;
    // The pack that offers the state; 0 for none.
    int pack;
};

const LifeState lifeStates[8] = {
    {"Alien", SimTypeFlags::Alien, 0},
    {"Zombie", SimTypeFlags::Zombie, EPFlags::University},
    {"Vampire", SimTypeFlags::Vampire, EPFlags::Nightlife},
    {"Servo", SimTypeFlags::Servo, EPFlags::OpenForBusiness},
    {"Werewolf", SimTypeFlags::Werewolf, EPFlags::Pets},
    {"Plantsim", SimTypeFlags::Plantsim, EPFlags::Seasons},
    {"Bigfoot", SimTypeFlags::Bigfoot, EPFlags::BonVoyage},
    {"Witch", SimTypeFlags::Witch, EPFlags::ApartmentLife},
};

// Whether a human of a life stage may take a life state, packs aside.
bool stageAllows(int bit, const QString &stage)
{
    if (stage == QLatin1String("Adult") || stage == QLatin1String("Ghost"))
        return true;
    const bool teenOrOlder = stage == QLatin1String("Teen") || stage == QLatin1String("Elder")
        || stage == QLatin1String("Young Adult");
    switch (bit) {
    case SimTypeFlags::Alien:
        return true;
    case SimTypeFlags::Servo:
        return false;
    case SimTypeFlags::Plantsim:
        return stage == QLatin1String("Toddler") || stage == QLatin1String("Elder");
    case SimTypeFlags::Bigfoot:
        return stage == QLatin1String("Elder");
    default:
        return teenOrOlder;
    }
}

} // namespace

ImportSimDisplay::ImportSimDisplay()
{
    m_selectBox = new QCheckBox;
    m_selectBox->setObjectName(QStringLiteral("selectBox"));
    for (int i = 0; i < 8; ++i)
        m_stateBoxes[i] = new QCheckBox(QLatin1String(lifeStates[i].name));
    m_alignmentBox = new QComboBox;
    m_alignmentBox->setObjectName(QStringLiteral("alignmentBox"));
    m_alignmentBox->addItems({QStringLiteral("Atrociously Evil"), QStringLiteral("Evil"),
                              QStringLiteral("Mean"), QStringLiteral("Neutral"),
                              QStringLiteral("Nice"), QStringLiteral("Good"),
                              QStringLiteral("Infallibly Good")});
    m_alignmentBox->setCurrentIndex(3);
    m_alignmentBox->setMaximumSize(m_alignmentBox->sizeHint());
    m_alignmentBox->setEnabled(false);
    m_householdEdit = new QLineEdit;
    m_householdEdit->setObjectName(QStringLiteral("householdEdit"));
    m_householdEdit->setMinimumWidth(50);
    connect(m_stateBoxes[7], &QCheckBox::toggled, m_alignmentBox, &QWidget::setEnabled);

    m_topLine = new QHBoxLayout;
    m_topLine->addWidget(m_selectBox);
    m_topLine->addWidget(new QLabel(QStringLiteral("Alignment: ")));
    m_topLine->addWidget(m_alignmentBox);
    m_topLine->addWidget(new QLabel(QStringLiteral("Household: ")));
    m_topLine->addWidget(m_householdEdit);
    m_flagLine = new QHBoxLayout;
    m_flagLine->addStretch(1);
    for (QCheckBox *box : m_stateBoxes)
        m_flagLine->addWidget(box);
    m_flagLine->addStretch(1);
    m_column = new QVBoxLayout;
    m_column->addLayout(m_topLine);
    m_column->addLayout(m_flagLine);
    setLayout(m_column);
}

void ImportSimDisplay::setName(const QString &name)
{
    m_name = name;
    updateDisplay();
}

void ImportSimDisplay::setGender(const QString &gender)
{
    m_gender = gender;
    updateDisplay();
}

void ImportSimDisplay::setLifeStage(const QString &lifeStage)
{
    m_lifeStage = lifeStage;
    updateDisplay();
}

void ImportSimDisplay::setAspirations(const QString &primary, const QString &secondary)
{
    m_primaryAspiration = primary;
    m_secondaryAspiration = secondary;
    updateDisplay();
}

void ImportSimDisplay::setSpecies(const QString &species)
{
    m_species = species;
    updateDisplay();
}

void ImportSimDisplay::setEPFlags(int flags)
{
    m_epFlags = flags;
    updateDisplay();
}

void ImportSimDisplay::setHousehold(const QString &household)
{
    m_householdEdit->setText(household);
    m_householdEdit->setMinimumSize(m_householdEdit->sizeHint());
}

void ImportSimDisplay::setSelected(bool selected)
{
    m_selectBox->setChecked(selected);
}

void ImportSimDisplay::setTypeFlags(unsigned int flags)
{
    for (int i = 0; i < 8; ++i)
        m_stateBoxes[i]->setChecked(flags & unsigned(lifeStates[i].bit));
}

void ImportSimDisplay::setAlignment(int alignment)
{
    // Outside -3 to 3 the row shows, and reads back, Neutral.
    const int position = alignment + 3;
    m_alignmentBox->setCurrentIndex(position >= 0 && position < 7 ? position : 3);
}

bool ImportSimDisplay::isSelected() const
{
    return m_selectBox->isChecked();
}

int ImportSimDisplay::typeFlags() const
{
    int flags = 0;
    for (int i = 0; i < 8; ++i) {
        if (m_stateBoxes[i]->isChecked())
            flags |= lifeStates[i].bit;
    }
    return flags;
}

QString ImportSimDisplay::household() const
{
    return m_householdEdit->text();
}

int ImportSimDisplay::alignment() const
{
    return m_alignmentBox->currentIndex() - 3;
}

void ImportSimDisplay::updateDisplay()
{
    QString caption = m_name + QStringLiteral(" (") + m_gender + QStringLiteral("), ")
        + m_primaryAspiration;
    if (m_epFlags & EPFlags::FreeTime)
        caption += QLatin1Char('/') + m_secondaryAspiration;
    caption += QLatin1Char(' ') + m_lifeStage;
    if (m_epFlags & EPFlags::Pets)
        caption += QLatin1Char(' ') + m_species;
    m_selectBox->setText(caption);

    const bool human = m_species == QLatin1String("Human");
    for (int i = 0; i < 8; ++i) {
        const LifeState &state = lifeStates[i];
        const bool packSet = state.pack == 0 || (m_epFlags & state.pack);
        m_stateBoxes[i]->setEnabled(human && packSet && stageAllows(state.bit, m_lifeStage));
    }
}
