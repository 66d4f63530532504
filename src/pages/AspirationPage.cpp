#include "pages/AspirationPage.h"

#include "pages/AspirationDisplay.h"
#include "records/Codes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

AspirationPage::AspirationPage(int epFlags)
    : QWidget()
    , m_epFlags(epFlags)
{
    m_titleLabel = new QLabel;
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setText(QStringLiteral("Please select a name from the List of Sims tab."));
    m_titleLabel->setMaximumSize(m_titleLabel->sizeHint());
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleRow = new QHBoxLayout;
    m_titleRow->addStretch(1);
    m_titleRow->addWidget(m_titleLabel);
    m_titleRow->addStretch(1);

    // Owned by the page even while the packs leave the hobby row out.
    m_hobbyLabel = new QLabel(QStringLiteral("One True Hobby:"), this);
    m_hobbyLabel->setMaximumSize(m_hobbyLabel->sizeHint());
    m_hobbyBox = new QComboBox(this);
    m_hobbyBox->setObjectName(QStringLiteral("hobbyBox"));
    m_hobbyBox->addItems({QStringLiteral("Unknown"), QStringLiteral("Arts & Crafts"), QStringLiteral("Cuisine"), QStringLiteral("Film & Literature"),
                        QStringLiteral("Fitness"), QStringLiteral("Gaming"), QStringLiteral("Music & Dance"), QStringLiteral("Nature"),
                        QStringLiteral("Science"), QStringLiteral("Sports"), QStringLiteral("Tinkering")});
    m_hobbyBox->setMaximumSize(m_hobbyBox->sizeHint());
    m_hobbyRow = new QHBoxLayout;
    m_hobbyRow->addStretch(1);
    m_hobbyRow->addWidget(m_hobbyLabel);
    m_hobbyRow->addWidget(m_hobbyBox);
    m_hobbyRow->addStretch(1);

    m_displayWidget = new QWidget;
    m_displayColumn = new QVBoxLayout(m_displayWidget);
    m_scrollArea = new QScrollArea;
    m_scrollArea->setWidget(m_displayWidget);

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->addLayout(m_titleRow);
    const bool freeTime = (m_epFlags & EPFlags::FreeTime) != 0;
    if (freeTime)
        m_mainLayout->addLayout(m_hobbyRow);
    m_mainLayout->addWidget(m_scrollArea);
    setLayout(m_mainLayout);
    m_hobbyLabel->setVisible(freeTime);
    m_hobbyBox->setVisible(freeTime);
}

AspirationPage::~AspirationPage()
{
    // Without Free Time the hobby row is in no layout, so nothing else owns it.
    if (!m_hobbyRow->parent())
        delete m_hobbyRow;
}

void AspirationPage::setSim(QPointer<Sim> sim)
{
    m_sim = sim;
    updateDisplay();
}

void AspirationPage::setEPFlags(int epFlags)
{
    m_epFlags = epFlags;
    updateDisplay();
}

QList<int> AspirationPage::shownPeriods(const Sim *sim)
{
    QList<int> periods;
    if (!sim)
        return periods;
    const int count = sim->periodCount();
    int period = 0;
    while (period < count && sim->aspiration(period) == Aspiration::None)
        ++period;
    while (period < count && sim->aspiration(period) != Aspiration::None)
        periods.append(period++);
    return periods;
}

void AspirationPage::fillWants(AspirationDisplay *display, int period) const
{
    // An empty text ends the wants shown; later ones stay stored.
    for (int want = 0;; ++want) {
        const QString text = m_sim->lifetimeWant(period, want);
        if (text.isEmpty())
            break;
        display->addLTW(text, m_sim->lifetimeWantStepsDone(period, want),
                        m_sim->lifetimeWantSteps(period, want));
    }
}

void AspirationPage::updateDisplay()
{
    // The hobby row follows the packs at every rebuild.
    m_mainLayout->removeItem(m_titleRow);
    m_mainLayout->removeItem(m_hobbyRow);
    m_mainLayout->removeWidget(m_scrollArea);
    m_mainLayout->addLayout(m_titleRow);
    const bool freeTime = (m_epFlags & EPFlags::FreeTime) != 0;
    if (freeTime)
        m_mainLayout->addLayout(m_hobbyRow);
    m_mainLayout->addWidget(m_scrollArea);
    m_hobbyLabel->setVisible(freeTime);
    m_hobbyBox->setVisible(freeTime);

    for (AspirationDisplay *display : std::as_const(m_displays)) {
        m_displayColumn->removeWidget(display);
        delete display;
    }
    m_displays.clear();
    m_firstPeriod = 0;

    m_titleLabel->setText(m_sim ? QStringLiteral("The Aspirations of ") + m_sim->name()
                            : QStringLiteral("Please select a name from the List of Sims tab."));
    // Also for the prompt: a shorter name shown before must not clip it.
    m_titleLabel->setMaximumSize(m_titleLabel->sizeHint());

    if (m_sim) {

        const QList<int> periods = shownPeriods(m_sim);
        if (!periods.isEmpty())
            m_firstPeriod = periods.first();
        for (int period : periods) {
            auto *display = new AspirationDisplay(m_epFlags);
            display->setAspirations(m_sim->aspiration(period), m_sim->secondaryAspiration(period));
            fillWants(display, period);
            connect(display, &AspirationDisplay::updateAspiration, this,
                    &AspirationPage::updateAspiration);
            connect(display, &AspirationDisplay::updateLTW, this, &AspirationPage::updateLTW);
            connect(display, qOverload<AspirationDisplay *>(&AspirationDisplay::deleteMe), this,
                    &AspirationPage::deleteAspirationDisplay);
            connect(display, &AspirationDisplay::saved, this, &AspirationPage::showStored);
            m_displays.append(display);
        }
        for (int j = int(m_displays.size()) - 1; j >= 0; --j) {
            m_displayColumn->addWidget(m_displays.at(j));
            m_displays.at(j)->show();
        }
    }
    m_displayColumn->setSizeConstraint(QLayout::SetFixedSize);
}

int AspirationPage::periodOf(AspirationDisplay *display) const
{
    const int j = int(m_displays.indexOf(display));
    return j < 0 ? -1 : m_firstPeriod + j;
}

void AspirationPage::updateAspiration(AspirationDisplay *display, int primary, int secondary)
{
    const int period = periodOf(display);
    if (period < 0 || !m_sim)
        return;
    m_sim->setAspiration(primary, secondary, period);
}

void AspirationPage::updateLTW(AspirationDisplay *display, int want, QString text, int done,
                               int total)
{
    const int period = periodOf(display);
    if (period < 0 || !m_sim)
        return;
    m_sim->setLifetimeWant(period, want, text, done, total);
}

void AspirationPage::showStored(AspirationDisplay *display)
{
    // The m_sim keeps a stored aspiration where "None/Unknown" was chosen, and
    // keeps wants whose rows were deleted: show what it now holds.
    const int period = periodOf(display);
    if (period < 0 || !m_sim)
        return;
    display->setAspirations(m_sim->aspiration(period), m_sim->secondaryAspiration(period));
    display->clearLTWs();
    fillWants(display, period);
}

void AspirationPage::deleteAspirationDisplay(AspirationDisplay *display)
{
    const int period = periodOf(display);
    if (period < 0)
        return;
    m_displayColumn->removeWidget(display);
    m_displays.removeOne(display);
    display->deleteLater();
    resize(minimumSize());
    if (m_sim)
        m_sim->removeAspiration(period);
}
