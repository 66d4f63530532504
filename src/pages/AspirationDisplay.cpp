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
    , epFlags(epFlags)
{
    viewPage = new QWidget;
    editPage = new QWidget;

    summaryLabel = new QLabel;
    summaryLabel->setTextFormat(Qt::RichText);
    summaryLabel->setText(freeTime() ? QStringLiteral("Primary Aspiraton: <b>None</b>. "
                                                      "Secondary Aspiration: <b>None</b>.")
                                     : QStringLiteral("Aspiration: <b>None</b>."));
    summaryRow = new QHBoxLayout;
    summaryRow->addWidget(summaryLabel);

    // View page.
    viewLTWLabel = new QLabel(tr("Lifetime Wants:"));
    editButton = new QPushButton(tr("Edit"));
    editButton->setMaximumSize(editButton->sizeHint());
    viewLTWHeader = new QHBoxLayout;
    viewLTWHeader->addWidget(viewLTWLabel);
    viewLTWHeader->addWidget(editButton);
    viewLTWColumn = new QVBoxLayout;
    viewLTWColumn->addLayout(viewLTWHeader);
    viewLayout = new QVBoxLayout;
    viewLayout->addLayout(summaryRow);
    viewLayout->addLayout(viewLTWColumn);
    viewPage->setLayout(viewLayout);
    connect(editButton, &QPushButton::clicked, this, &AspirationDisplay::changeToEditPage);

    // Aspiration row. The secondary choice is part of the page only with
    // Free Time; without it it still carries the last secondary code given.
    aspirationLabel = new QLabel(freeTime() ? tr("Primary Aspiration:") : tr("Aspiration:"));
    secondaryLabel = new QLabel(tr("SecondaryAspiration:"), editPage);
    primaryBox = new QComboBox;
    secondaryBox = new QComboBox(editPage);
    primaryBox->setObjectName(QStringLiteral("primaryBox"));
    secondaryBox->setObjectName(QStringLiteral("secondaryBox"));
    for (const char *item : comboItems) {
        primaryBox->addItem(QLatin1String(item));
        secondaryBox->addItem(QLatin1String(item));
    }
    aspirationRow = new QHBoxLayout;
    aspirationRow->addWidget(aspirationLabel);
    aspirationRow->addWidget(primaryBox);
    if (freeTime()) {
        aspirationRow->addWidget(secondaryLabel);
        aspirationRow->addWidget(secondaryBox);
    } else {
        secondaryLabel->hide();
        secondaryBox->hide();
    }

    // Edit want column.
    editLTWLabel = new QLabel(tr("Lifetime Wants:"));
    addLTWButton = new QPushButton(tr("Add New Lifetime Want"));
    deleteLastLTWButton = new QPushButton(tr("Delete Last Lifetime Want"));
    editLTWHeader = new QHBoxLayout;
    editLTWHeader->addWidget(editLTWLabel);
    editLTWHeader->addWidget(addLTWButton);
    editLTWHeader->addWidget(deleteLastLTWButton);
    connect(addLTWButton, &QPushButton::clicked, this, qOverload<>(&AspirationDisplay::addLTW));
    connect(deleteLastLTWButton, &QPushButton::clicked, this, &AspirationDisplay::deleteLastLTW);
    editLTWColumn = new QVBoxLayout;
    editLTWColumn->addLayout(editLTWHeader);
    editColumn = new QVBoxLayout;
    editColumn->addLayout(aspirationRow);
    editColumn->addLayout(editLTWColumn);

    // Button column.
    saveButton = new QPushButton(tr("Save and View"));
    deleteButton = new QPushButton(tr("Delete"));
    deleteButton->setEnabled(false);
    buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(saveButton);
    buttonColumn->addWidget(deleteButton);
    connect(saveButton, &QPushButton::clicked, this, &AspirationDisplay::changeToViewPage);
    connect(deleteButton, &QPushButton::clicked, this, qOverload<>(&AspirationDisplay::deleteMe));

    editLayout = new QHBoxLayout;
    editLayout->addLayout(editColumn);
    editLayout->addLayout(buttonColumn);
    editPage->setLayout(editLayout);

    addWidget(viewPage);
    addWidget(editPage);
    setCurrentIndex(0);
}

bool AspirationDisplay::freeTime() const
{
    return (epFlags & EPFlags::FreeTime) != 0;
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
    summaryLabel->setText(summaryText(primary, secondary, freeTime()));
    primaryBox->setCurrentIndex(primary);
    secondaryBox->setCurrentIndex(secondary);
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
    ltwLabels.append(line);
    viewLTWColumn->addWidget(line);

    auto *edit = new QLineEdit(text);
    auto *doneBox = new QSpinBox;
    auto *totalBox = new QSpinBox;
    ltwEdits.append(edit);
    ltwDoneBoxes.append(doneBox);
    ltwTotalBoxes.append(totalBox);
    doneBox->setRange(0, total);
    doneBox->setValue(done);
    // A stored total above the usual 100 steps must survive an edit.
    totalBox->setRange(0, qMax(100, total));
    totalBox->setValue(total);
    connect(totalBox, &QSpinBox::valueChanged, this, &AspirationDisplay::recalcSteps);

    auto *ofLabel = new QLabel(tr(" of "));
    auto *stepsLabel = new QLabel(tr(" steps done."));
    ltwOfLabels.append(ofLabel);
    ltwStepsLabels.append(stepsLabel);

    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(doneBox);
    row->addWidget(ofLabel);
    row->addWidget(totalBox);
    row->addWidget(stepsLabel);
    ltwRows.append(row);
    editLTWColumn->addLayout(row);
}

void AspirationDisplay::addLTW()
{
    addLTW(QString(), 0, 0);
}

void AspirationDisplay::deleteLastLTW()
{
    if (ltwRows.isEmpty())
        return;
    QHBoxLayout *row = ltwRows.takeLast();
    while (QLayoutItem *item = row->takeAt(0))
        delete item;
    editLTWColumn->removeItem(row);
    delete row;
    delete ltwLabels.takeLast();
    delete ltwEdits.takeLast();
    delete ltwDoneBoxes.takeLast();
    delete ltwTotalBoxes.takeLast();
    delete ltwOfLabels.takeLast();
    delete ltwStepsLabels.takeLast();
}

void AspirationDisplay::clearLTWs()
{
    while (!ltwRows.isEmpty())
        deleteLastLTW();
}

void AspirationDisplay::recalcSteps()
{
    for (int i = 0; i < ltwRows.size(); ++i)
        ltwDoneBoxes.at(i)->setMaximum(ltwTotalBoxes.at(i)->value());
}

void AspirationDisplay::changeToEditPage()
{
    setCurrentIndex(1);
}

void AspirationDisplay::changeToViewPage()
{
    // Wants are stored between commas on the sim's one line of the list file.
    for (const QLineEdit *edit : std::as_const(ltwEdits)) {
        const QString text = edit->text();
        if (text.contains(QLatin1Char(','))) {
            QMessageBox::warning(this, QString(),
                                 tr("A lifetime want cannot hold a comma. "
                                    "Please remove the comma and save again."));
            return;
        }
        if (ListFileText::hasLineBreak(text)) {
            QMessageBox::warning(this, QString(),
                                 tr("A lifetime want cannot hold a line break. "
                                    "Please remove the line break and save again."));
            return;
        }
    }

    const int primary = primaryBox->currentIndex();
    const int secondary = secondaryBox->currentIndex();
    setAspirations(primary, secondary);
    emit updateAspiration(this, primary, secondary);

    for (int i = 0; i < ltwRows.size(); ++i) {
        const QString text = ltwEdits.at(i)->text();
        const int total = ltwTotalBoxes.at(i)->value();
        const int done = qMin(ltwDoneBoxes.at(i)->value(), total);
        ltwLabels.at(i)->setText(ltwLine(text, done, total));
        emit updateLTW(this, i, text, done, total);
    }

    setCurrentIndex(0);
    emit saved(this);
}

void AspirationDisplay::deleteMe()
{
    emit deleteMe(this);
}
