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
    , epFlags(epFlags)
{
    titleLabel = new QLabel;
    titleLabel->setTextFormat(Qt::PlainText);
    titleLabel->setText(tr("Please select a name from the List of Sims tab."));
    titleLabel->setMaximumSize(titleLabel->sizeHint());
    titleLabel->setAlignment(Qt::AlignCenter);
    titleRow = new QHBoxLayout;
    titleRow->addStretch(1);
    titleRow->addWidget(titleLabel);
    titleRow->addStretch(1);

    // Owned by the page even while the packs leave the hobby row out.
    hobbyLabel = new QLabel(tr("One True Hobby:"), this);
    hobbyLabel->setMaximumSize(hobbyLabel->sizeHint());
    hobbyBox = new QComboBox(this);
    hobbyBox->setObjectName(QStringLiteral("hobbyBox"));
    hobbyBox->addItems({tr("Unknown"), tr("Arts & Crafts"), tr("Cuisine"), tr("Film & Literature"),
                        tr("Fitness"), tr("Gaming"), tr("Music & Dance"), tr("Nature"),
                        tr("Science"), tr("Sports"), tr("Tinkering")});
    hobbyBox->setMaximumSize(hobbyBox->sizeHint());
    hobbyRow = new QHBoxLayout;
    hobbyRow->addStretch(1);
    hobbyRow->addWidget(hobbyLabel);
    hobbyRow->addWidget(hobbyBox);
    hobbyRow->addStretch(1);

    displayWidget = new QWidget;
    displayColumn = new QVBoxLayout(displayWidget);
    scrollArea = new QScrollArea;
    scrollArea->setWidget(displayWidget);

    mainLayout = new QVBoxLayout;
    mainLayout->addLayout(titleRow);
    const bool freeTime = (epFlags & EPFlags::FreeTime) != 0;
    if (freeTime)
        mainLayout->addLayout(hobbyRow);
    mainLayout->addWidget(scrollArea);
    setLayout(mainLayout);
    hobbyLabel->setVisible(freeTime);
    hobbyBox->setVisible(freeTime);
}

AspirationPage::~AspirationPage()
{
    // Without Free Time the hobby row is in no layout, so nothing else owns it.
    if (!hobbyRow->parent())
        delete hobbyRow;
}

void AspirationPage::setSim(QPointer<Sim> sim)
{
    this->sim = sim;
    updateDisplay();
}

void AspirationPage::setEPFlags(int epFlags)
{
    this->epFlags = epFlags;
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
        const QString text = sim->lifetimeWant(period, want);
        if (text.isEmpty())
            break;
        display->addLTW(text, sim->lifetimeWantStepsDone(period, want),
                        sim->lifetimeWantSteps(period, want));
    }
}

void AspirationPage::updateDisplay()
{
    // The hobby row follows the packs at every rebuild.
    mainLayout->removeItem(titleRow);
    mainLayout->removeItem(hobbyRow);
    mainLayout->removeWidget(scrollArea);
    mainLayout->addLayout(titleRow);
    const bool freeTime = (epFlags & EPFlags::FreeTime) != 0;
    if (freeTime)
        mainLayout->addLayout(hobbyRow);
    mainLayout->addWidget(scrollArea);
    hobbyLabel->setVisible(freeTime);
    hobbyBox->setVisible(freeTime);

    for (AspirationDisplay *display : std::as_const(displays)) {
        displayColumn->removeWidget(display);
        delete display;
    }
    displays.clear();
    firstPeriod = 0;

    titleLabel->setText(sim ? tr("The Aspirations of ") + sim->name()
                            : tr("Please select a name from the List of Sims tab."));
    // Also for the prompt: a shorter name shown before must not clip it.
    titleLabel->setMaximumSize(titleLabel->sizeHint());

    if (sim) {

        const QList<int> periods = shownPeriods(sim);
        if (!periods.isEmpty())
            firstPeriod = periods.first();
        for (int period : periods) {
            auto *display = new AspirationDisplay(epFlags);
            display->setAspirations(sim->aspiration(period), sim->secondaryAspiration(period));
            fillWants(display, period);
            connect(display, &AspirationDisplay::updateAspiration, this,
                    &AspirationPage::updateAspiration);
            connect(display, &AspirationDisplay::updateLTW, this, &AspirationPage::updateLTW);
            connect(display, qOverload<AspirationDisplay *>(&AspirationDisplay::deleteMe), this,
                    &AspirationPage::deleteAspirationDisplay);
            connect(display, &AspirationDisplay::saved, this, &AspirationPage::showStored);
            displays.append(display);
        }
        for (int j = int(displays.size()) - 1; j >= 0; --j) {
            displayColumn->addWidget(displays.at(j));
            displays.at(j)->show();
        }
    }
    displayColumn->setSizeConstraint(QLayout::SetFixedSize);
}

int AspirationPage::periodOf(AspirationDisplay *display) const
{
    const int j = int(displays.indexOf(display));
    return j < 0 ? -1 : firstPeriod + j;
}

void AspirationPage::updateAspiration(AspirationDisplay *display, int primary, int secondary)
{
    const int period = periodOf(display);
    if (period < 0 || !sim)
        return;
    sim->setAspiration(primary, secondary, period);
}

void AspirationPage::updateLTW(AspirationDisplay *display, int want, QString text, int done,
                               int total)
{
    const int period = periodOf(display);
    if (period < 0 || !sim)
        return;
    sim->setLifetimeWant(period, want, text, done, total);
}

void AspirationPage::showStored(AspirationDisplay *display)
{
    // The sim keeps a stored aspiration where "None/Unknown" was chosen, and
    // keeps wants whose rows were deleted: show what it now holds.
    const int period = periodOf(display);
    if (period < 0 || !sim)
        return;
    display->setAspirations(sim->aspiration(period), sim->secondaryAspiration(period));
    display->clearLTWs();
    fillWants(display, period);
}

void AspirationPage::deleteAspirationDisplay(AspirationDisplay *display)
{
    const int period = periodOf(display);
    if (period < 0)
        return;
    displayColumn->removeWidget(display);
    displays.removeOne(display);
    display->deleteLater();
    resize(minimumSize());
    if (sim)
        sim->removeAspiration(period);
}
