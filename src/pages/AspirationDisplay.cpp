#include "pages/AspirationDisplay.h"

#include "records/Codes.h"
#include "records/ListFileText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Index = Aspiration code; there is no choice for Grow Up.
const char *const comboItems[] = {"None/Unknown", "Fortune", "Family", "Romance",
                                  "Popularity", "Knowledge", "Pleasure", "Grilled Cheese"};
const char *const summaryWords[] = {"None", "Fortune", "Family", "Romance",
                                    "Popularity", "Knowledge", "Pleasure", "Grilled Cheese"};
const int highestChoice = Aspiration::GrilledCheese;

QString word(int code)
{
    return QLatin1String(summaryWords[qBound(0, code, highestChoice)]);
}

} // namespace

AspirationDisplay::AspirationDisplay(int epFlags)
    : QStackedWidget()
    , m_epFlags(epFlags)
{
    m_viewPage = new QWidget;
    m_editPage = new QWidget;

    m_summaryLabel = new QLabel;
    m_summaryLabel->setTextFormat(Qt::RichText);
    m_summaryLabel->setText(freeTime() ? QStringLiteral("Primary Aspiraton: <b>None</b>. "
                                                      "Secondary Aspiration: <b>None</b>.")
                                     : QStringLiteral("Aspiration: <b>None</b>."));
    m_summaryRow = new QHBoxLayout;
    m_summaryRow->addWidget(m_summaryLabel);

    // View page.
    m_viewLTWLabel = new QLabel(QStringLiteral("Lifetime Wants:"));
    m_editButton = new QPushButton(QStringLiteral("Edit"));
    m_editButton->setMaximumSize(m_editButton->sizeHint());
    m_viewLTWHeader = new QHBoxLayout;
    m_viewLTWHeader->addWidget(m_viewLTWLabel);
    m_viewLTWHeader->addWidget(m_editButton);
    m_viewLTWColumn = new QVBoxLayout;
    m_viewLTWColumn->addLayout(m_viewLTWHeader);
    m_viewLayout = new QVBoxLayout;
    m_viewLayout->addLayout(m_summaryRow);
    m_viewLayout->addLayout(m_viewLTWColumn);
    m_viewPage->setLayout(m_viewLayout);
    connect(m_editButton, &QPushButton::clicked, this, &AspirationDisplay::changeToEditPage);

    // Aspiration row. The secondary choice is part of the page only with
    // Free Time; without it it still carries the last secondary code given.
    m_aspirationLabel = new QLabel(freeTime() ? QStringLiteral("Primary Aspiration:") : QStringLiteral("Aspiration:"));
    m_secondaryLabel = new QLabel(QStringLiteral("SecondaryAspiration:"), m_editPage);
    m_primaryBox = new QComboBox;
    m_secondaryBox = new QComboBox(m_editPage);
    m_primaryBox->setObjectName(QStringLiteral("primaryBox"));
    m_secondaryBox->setObjectName(QStringLiteral("secondaryBox"));
    for (const char *item : comboItems) {
        m_primaryBox->addItem(QLatin1String(item));
        m_secondaryBox->addItem(QLatin1String(item));
    }
    m_aspirationRow = new QHBoxLayout;
    m_aspirationRow->addWidget(m_aspirationLabel);
    m_aspirationRow->addWidget(m_primaryBox);
    if (freeTime()) {
        m_aspirationRow->addWidget(m_secondaryLabel);
        m_aspirationRow->addWidget(m_secondaryBox);
    } else {
        m_secondaryLabel->hide();
        m_secondaryBox->hide();
    }

    // Edit want column.
    m_editLTWLabel = new QLabel(QStringLiteral("Lifetime Wants:"));
    m_addLTWButton = new QPushButton(QStringLiteral("Add New Lifetime Want"));
    m_deleteLastLTWButton = new QPushButton(QStringLiteral("Delete Last Lifetime Want"));
    m_editLTWHeader = new QHBoxLayout;
    m_editLTWHeader->addWidget(m_editLTWLabel);
    m_editLTWHeader->addWidget(m_addLTWButton);
    m_editLTWHeader->addWidget(m_deleteLastLTWButton);
    connect(m_addLTWButton, &QPushButton::clicked, this, qOverload<>(&AspirationDisplay::addLTW));
    connect(m_deleteLastLTWButton, &QPushButton::clicked, this, &AspirationDisplay::deleteLastLTW);
    m_editLTWColumn = new QVBoxLayout;
    m_editLTWColumn->addLayout(m_editLTWHeader);
    m_editColumn = new QVBoxLayout;
    m_editColumn->addLayout(m_aspirationRow);
    m_editColumn->addLayout(m_editLTWColumn);

    // Button column.
    m_saveButton = new QPushButton(QStringLiteral("Save and View"));
    m_deleteButton = new QPushButton(QStringLiteral("Delete"));
    m_deleteButton->setEnabled(false);
    m_buttonColumn = new QVBoxLayout;
    m_buttonColumn->addWidget(m_saveButton);
    m_buttonColumn->addWidget(m_deleteButton);
    connect(m_saveButton, &QPushButton::clicked, this, &AspirationDisplay::changeToViewPage);
    connect(m_deleteButton, &QPushButton::clicked, this, qOverload<>(&AspirationDisplay::deleteMe));

    m_editLayout = new QHBoxLayout;
    m_editLayout->addLayout(m_editColumn);
    m_editLayout->addLayout(m_buttonColumn);
    m_editPage->setLayout(m_editLayout);

    addWidget(m_viewPage);
    addWidget(m_editPage);
    setCurrentIndex(0);
}

bool AspirationDisplay::freeTime() const
{
    return (m_epFlags & EPFlags::FreeTime) != 0;
}

QString AspirationDisplay::percentDone(int done, int total)
{
    if (total == 0)
        return QStringLiteral("0");
    if (done == total)
        return QStringLiteral("100");
    return QString::number(double(done) / double(total) * 100.0, 'g', 3);
}

QString AspirationDisplay::ltwLine(const QString &text, int done, int total)
{
    return text + QLatin1String(" (") + percentDone(done, total) + QLatin1String("% done)");
}

QString AspirationDisplay::summaryText(int primary, int secondary, bool freeTime)
{
    if (freeTime) {
        return QLatin1String("Primary Aspiration: <b>") + word(primary)
            + QLatin1String("</b>. Secondary Aspiration: <b>") + word(secondary)
            + QLatin1String("</b>.");
    }
    return QLatin1String("Aspiration: <b>") + word(primary) + QLatin1String("</b>.");
}

void AspirationDisplay::setAspirations(int primary, int secondary)
{
    if (primary > highestChoice || secondary > highestChoice)
        return;
    primary = qMax(0, primary);
    secondary = qMax(0, secondary);
    m_summaryLabel->setText(summaryText(primary, secondary, freeTime()));
    m_primaryBox->setCurrentIndex(primary);
    m_secondaryBox->setCurrentIndex(secondary);
}

void AspirationDisplay::addLTW(QString text, int done, int total)
{
    done = qMax(0, done);
    total = qMax(0, total);
    if (total < done)
        qSwap(done, total);

    auto *line = new QLabel;
    line->setTextFormat(Qt::PlainText);
    line->setText(ltwLine(text, done, total));
    m_ltwLabels.append(line);
    m_viewLTWColumn->addWidget(line);

    auto *edit = new QLineEdit(text);
    auto *doneBox = new QSpinBox;
    auto *totalBox = new QSpinBox;
    m_ltwEdits.append(edit);
    m_ltwDoneBoxes.append(doneBox);
    m_ltwTotalBoxes.append(totalBox);
    doneBox->setRange(0, total);
    doneBox->setValue(done);
    // A stored total above the usual 100 steps must survive an edit.
    totalBox->setRange(0, qMax(100, total));
    totalBox->setValue(total);
    connect(totalBox, &QSpinBox::valueChanged, this, &AspirationDisplay::recalcSteps);

    auto *ofLabel = new QLabel(QStringLiteral(" of "));
    auto *stepsLabel = new QLabel(QStringLiteral(" steps done."));
    m_ltwOfLabels.append(ofLabel);
    m_ltwStepsLabels.append(stepsLabel);

    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(doneBox);
    row->addWidget(ofLabel);
    row->addWidget(totalBox);
    row->addWidget(stepsLabel);
    m_ltwRows.append(row);
    m_editLTWColumn->addLayout(row);
}

void AspirationDisplay::addLTW()
{
    addLTW(QString(), 0, 0);
}

void AspirationDisplay::deleteLastLTW()
{
    if (m_ltwRows.isEmpty())
        return;
    QHBoxLayout *row = m_ltwRows.takeLast();
    while (QLayoutItem *item = row->takeAt(0))
        delete item;
    m_editLTWColumn->removeItem(row);
    delete row;
    delete m_ltwLabels.takeLast();
    delete m_ltwEdits.takeLast();
    delete m_ltwDoneBoxes.takeLast();
    delete m_ltwTotalBoxes.takeLast();
    delete m_ltwOfLabels.takeLast();
    delete m_ltwStepsLabels.takeLast();
}

void AspirationDisplay::clearLTWs()
{
    while (!m_ltwRows.isEmpty())
        deleteLastLTW();
}

void AspirationDisplay::recalcSteps()
{
    for (int i = 0; i < m_ltwRows.size(); ++i)
        m_ltwDoneBoxes.at(i)->setMaximum(m_ltwTotalBoxes.at(i)->value());
}

void AspirationDisplay::changeToEditPage()
{
    setCurrentIndex(1);
}

void AspirationDisplay::changeToViewPage()
{
    // Wants are stored between commas on the sim's one line of the list file.
    for (const QLineEdit *edit : std::as_const(m_ltwEdits)) {
        const QString text = edit->text();
        if (text.contains(QLatin1Char(','))) {
            QMessageBox::warning(this, QString(),
                                 QStringLiteral("A lifetime want cannot hold a comma. "
                                    "Please remove the comma and save again."));
            return;
        }
        if (ListFileText::hasLineBreak(text)) {
            QMessageBox::warning(this, QString(),
                                 QStringLiteral("A lifetime want cannot hold a line break. "
                                    "Please remove the line break and save again."));
            return;
        }
    }

    const int primary = m_primaryBox->currentIndex();
    const int secondary = m_secondaryBox->currentIndex();
    setAspirations(primary, secondary);
    emit updateAspiration(this, primary, secondary);

    for (int i = 0; i < m_ltwRows.size(); ++i) {
        const QString text = m_ltwEdits.at(i)->text();
        const int total = m_ltwTotalBoxes.at(i)->value();
        const int done = qMin(m_ltwDoneBoxes.at(i)->value(), total);
        m_ltwLabels.at(i)->setText(ltwLine(text, done, total));
        emit updateLTW(this, i, text, done, total);
    }

    setCurrentIndex(0);
    emit saved(this);
}

void AspirationDisplay::deleteMe()
{
    emit deleteMe(this);
}
