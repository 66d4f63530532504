#include "events/UpdateDialog.h"

#include "events/UpdateEntry.h"
#include "records/ListFileText.h"
#include "records/SimSort.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

const int RowWidth = 700;

const QString QuoteCommaWarning = QStringLiteral(
    "Please don't use a double-quote followed by a comma in the fields; it will mess up your "
    "save files.");
const QString LeadingCommaWarning = QStringLiteral(
    "Please don't start the update with a comma; it will mess up your save files.");
const QString LineBreakWarning = QStringLiteral(
    "Please don't use line breaks in the fields; they will mess up your save files.");
const QString EmptyFieldWarning = QStringLiteral("Please fill in every field.");
const QString EmptyChoiceWarning = QStringLiteral(
    "One of the choices has nothing to choose from, so this update cannot be added.");
const QString NoSimWarning = QStringLiteral("Please choose a sim from the list in every sim box.");

} // namespace

UpdateDialog::UpdateDialog()
    : m_warningLabel(new QLabel(QString()))
    , m_addButton(new QPushButton(QStringLiteral("Add")))
    , m_rowsLayout(new QVBoxLayout)
    , m_mainLayout(new QVBoxLayout)
    , m_randomSource([] { return int(QRandomGenerator::global()->bounded(6)); })
{
    setObjectName(QStringLiteral("updateDialog"));
    m_warningLabel->setObjectName(QStringLiteral("warningLabel"));
    m_addButton->setMaximumSize(m_addButton->sizeHint());
    m_mainLayout->addLayout(m_rowsLayout);
    m_mainLayout->addWidget(m_warningLabel, 0, Qt::AlignCenter);
    m_mainLayout->addWidget(m_addButton, 0, Qt::AlignCenter);
    setLayout(m_mainLayout);
    connect(m_addButton, &QPushButton::clicked, this, &UpdateDialog::makeUpdate);
}

const QStringList &UpdateDialog::randomAspirations()
{
    static const QStringList words{QStringLiteral("Fortune"),   QStringLiteral("Family"),
                                   QStringLiteral("Pleasure"),  QStringLiteral("Knowledge"),
                                   QStringLiteral("Popularity"), QStringLiteral("Romance")};
    return words;
}

void UpdateDialog::setRandomSource(std::function<int()> source)
{
    m_randomSource = std::move(source);
}

QHBoxLayout *UpdateDialog::currentRow()
{
    // The piece that carries a row past the width stays in it; the next one
    // starts a new row.
    const int rows = m_rowsLayout->count();
    if (rows > 0) {
        auto *last = qobject_cast<QHBoxLayout *>(m_rowsLayout->itemAt(rows - 1)->layout());
        if (last && last->minimumSize().width() <= RowWidth)
            return last;
    }
    auto *row = new QHBoxLayout;
    m_rowsLayout->addLayout(row);
    m_rowsLayout->setAlignment(row, Qt::AlignCenter);
    return row;
}

QLabel *UpdateDialog::addLabel(const QString &text)
{
    auto *label = new QLabel(text);
    currentRow()->addWidget(label);
    return label;
}

QLineEdit *UpdateDialog::addLineEdit(bool required)
{
    auto *field = new QLineEdit;
    field->setMinimumWidth(150);
    connect(field, &QLineEdit::textEdited, this, &UpdateDialog::setWarning);
    m_textFields.append(field);
    if (required)
        m_requiredFields.append(field);
    currentRow()->addWidget(field);
    return field;
}

QSpinBox *UpdateDialog::addSpinBox(int minimum, int maximum)
{
    auto *spinBox = new QSpinBox;
    spinBox->setRange(minimum, maximum);
    // A range below zero would otherwise start at 0, not at its minimum.
    spinBox->setValue(minimum);
    currentRow()->addWidget(spinBox);
    return spinBox;
}

QComboBox *UpdateDialog::addComboBox(const QStringList &items, bool aspirationChoice)
{
    auto *box = new QComboBox;
    box->setEditable(false);
    box->addItems(items);
    box->setMaximumSize(box->sizeHint());
    if (aspirationChoice)
        m_aspirationChoices.append(box);
    currentRow()->addWidget(box);
    return box;
}

QComboBox *UpdateDialog::addSimBox(SimList sims)
{
    // A null entry would have no name to show and would shift the items
    // against the list, so it never enters the box.
    sims.removeAll(QPointer<Sim>());
    sortSimsByName(sims);

    QStringList names;
    names.reserve(sims.size());
    for (const QPointer<Sim> &sim : std::as_const(sims))
        names.append(sim->name());
    auto *box = new QComboBox;
    box->setEditable(true);
    // The names go in as one plain list: item by item, a box of thousands
    // of sims takes several times as long to fill and to measure.
    box->setModel(new QStringListModel(names, box));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_simBoxes.append(SimBox{box, sims});
    currentRow()->addWidget(box);
    return box;
}

QList<QWidget *> UpdateDialog::pieces() const
{
    QList<QWidget *> result;
    for (int r = 0; r < m_rowsLayout->count(); ++r) {
        QLayout *row = m_rowsLayout->itemAt(r)->layout();
        if (!row)
            continue;
        for (int p = 0; p < row->count(); ++p) {
            if (QWidget *widget = row->itemAt(p)->widget())
                result.append(widget);
        }
    }
    return result;
}

QString UpdateDialog::composeText()
{
    QString sentence;
    const QList<QWidget *> widgets = pieces();
    for (QWidget *widget : widgets) {
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            sentence += label->text();
        } else if (auto *box = qobject_cast<QComboBox *>(widget)) {
            const QString text = box->currentText();
            if (text == QLatin1String("Random") && m_aspirationChoices.contains(box)) {
                const int draw = m_randomSource() % 6;
                sentence += randomAspirations().at(draw < 0 ? draw + 6 : draw);
            } else {
                sentence += text;
            }
        } else if (auto *spinBox = qobject_cast<QSpinBox *>(widget)) {
            // The parser reads ASCII digits, whatever the user's locale shows.
            sentence += QString::number(spinBox->value());
        } else if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            sentence += field->text();
        }
    }
    return sentence;
}

void UpdateDialog::setWarning(const QString &)
{
    // Every field counts, not only the one just edited: an earlier field
    // may still hold the pair.
    bool broken = false;
    for (QLineEdit *field : std::as_const(m_textFields))
        broken = broken || ListFileText::hasQuoteComma(field->text());
    m_warningLabel->setText(broken ? QuoteCommaWarning : QString());
    m_addButton->setEnabled(!broken);
}

QString UpdateDialog::problemWithForm(const QString &sentence) const
{
    for (QLineEdit *field : m_requiredFields) {
        if (field->text().isEmpty())
            return EmptyFieldWarning;
    }
    // A fixed choice with no items (a household list on a sheet with no
    // playable household) would leave a hole in the sentence that no update
    // can act on.
    const QList<QWidget *> widgets = pieces();
    for (QWidget *widget : widgets) {
        auto *box = qobject_cast<QComboBox *>(widget);
        if (box && !box->isEditable() && box->currentIndex() < 0)
            return EmptyChoiceWarning;
    }
    // The pair may also form across a field and the fixed word after it.
    if (ListFileText::hasQuoteComma(sentence))
        return QuoteCommaWarning;
    if (sentence.startsWith(QLatin1Char(',')))
        return LeadingCommaWarning;
    if (ListFileText::hasLineBreak(sentence))
        return LineBreakWarning;
    return QString();
}

Sim *UpdateDialog::chosenSim(const SimBox &simBox) const
{
    const int index = simBox.box->currentIndex();
    if (index < 0 || index >= simBox.sims.size())
        return nullptr;
    Sim *sim = simBox.sims.at(index);
    // A name typed over the chosen one names some other sim, or none.
    if (!sim || simBox.box->currentText() != sim->name())
        return nullptr;
    return sim;
}

void UpdateDialog::makeUpdate()
{
    const QString sentence = composeText();
    const QString problem = problemWithForm(sentence);
    if (!problem.isEmpty()) {
        m_warningLabel->setText(problem);
        return;
    }

    // The first box gives the first sim and the last other box the second.
    // A box without a sim refuses the update: passing its part on to the
    // next box would make the sentence act on the wrong sim.
    Sim *first = nullptr;
    Sim *second = nullptr;
    for (int i = 0; i < m_simBoxes.size(); ++i) {
        Sim *sim = chosenSim(m_simBoxes.at(i));
        if (!sim) {
            m_warningLabel->setText(NoSimWarning);
            return;
        }
        if (i == 0)
            first = sim;
        else
            second = sim;
    }

    removeRows();
    emit newEvent(new UpdateEntry(sentence, first, second));
    clearForm();
}

void UpdateDialog::removeRows()
{
    // The piece widgets stay children of the dialog, hidden, so pointers the
    // composer handed out stay valid until the dialog goes.
    while (QLayoutItem *rowItem = m_rowsLayout->takeAt(0)) {
        if (QLayout *row = rowItem->layout()) {
            while (QLayoutItem *item = row->takeAt(0)) {
                if (QWidget *widget = item->widget())
                    widget->hide();
                delete item;
            }
        }
        delete rowItem;
    }
}

void UpdateDialog::clearForm()
{
    removeRows();
    m_simBoxes.clear();
    m_aspirationChoices.clear();
    m_requiredFields.clear();
    m_textFields.clear();
    m_warningLabel->setText(QString());
    m_addButton->setEnabled(true);
    update();
    close();
}
