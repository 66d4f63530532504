#include "pages/HouseholdPage.h"

#include "pages/EditHouseholdDialog.h"
#include "pages/SortedListView.h"
#include "records/Codes.h"
#include "records/HouseholdLine.h"

#include <QCheckBox>
#include <QHash>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QVBoxLayout>

HouseholdPage::HouseholdPage()
    : QWidget()
{
    m_proxyModel = new QSortFilterProxyModel(this);
    m_proxyModel->setDynamicSortFilter(true);

    m_householdView = new SortedListView(m_proxyModel);

    m_editButton = new QPushButton(QStringLiteral("Edit Selected Household"));
    m_editButton->setMaximumSize(m_editButton->sizeHint());
    m_editButton->setEnabled(false);
    m_playedBox = new QCheckBox(QStringLiteral("Current household has been played this rotation."));
    m_playedBox->setEnabled(false);

    m_controlRow = new QHBoxLayout;
    m_controlRow->addWidget(m_editButton);
    m_controlRow->addWidget(m_playedBox, 0, Qt::AlignRight);

    m_memberLabel = new QLabel;
    m_memberLabel->setTextFormat(Qt::PlainText);
    m_memberScroll = new QScrollArea;
    m_memberScroll->setWidget(m_memberLabel);

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->addLayout(m_controlRow);
    m_mainLayout->addWidget(m_householdView);
    m_mainLayout->addWidget(m_memberScroll);
    setLayout(m_mainLayout);

    connect(m_householdView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &HouseholdPage::updateDisplay);
    connect(m_playedBox, &QCheckBox::stateChanged, this, &HouseholdPage::updateAlreadyPlayed);
    connect(m_editButton, &QPushButton::clicked, this, &HouseholdPage::createEditHouseholdDialog);
}

// The rename dialog is a window of its own; m_editDialog deletes it with the page.
HouseholdPage::~HouseholdPage() = default;

void HouseholdPage::setModel(QStandardItemModel *model)
{
    m_proxyModel->setSourceModel(model);
    m_householdView->sortByColumn(0, Qt::AscendingOrder);
    m_householdView->resizeColumnToContents(0);
    m_householdView->resizeColumnToContents(1);
}

QStandardItemModel *HouseholdPage::sourceModel() const
{
    return qobject_cast<QStandardItemModel *>(m_proxyModel->sourceModel());
}

QString HouseholdPage::textAt(int row, int column) const
{
    const QStandardItemModel *model = sourceModel();
    if (!model || row < 0 || row >= model->rowCount())
        return QString();
    return model->index(row, column).data().toString();
}

void HouseholdPage::setMark(int row, const QString &mark)
{
    QStandardItemModel *model = sourceModel();
    if (!model || row < 0 || row >= model->rowCount())
        return;
    model->setData(model->index(row, 1), mark);
}

void HouseholdPage::updateDisplay()
{
    const int row = m_householdView->currentSourceRow();
    if (row < 0) {
        // No household is selected: nothing to show or change.
        m_editButton->setEnabled(false);
        m_playedBox->setEnabled(false);
        return;
    }
    m_editButton->setEnabled(true);
    m_playedBox->setEnabled(true);
    // May write the mark back through updateAlreadyPlayed.
    m_playedBox->setChecked(textAt(row, 1) == QLatin1String("Yes"));

    const QString name = textAt(row, 0);
    if (SpecialHousehold::contains(name)) {
        m_editButton->setEnabled(false);
        m_playedBox->setEnabled(false);
        setMark(row, QString());
    }
    emit showHousehold(name);
}

void HouseholdPage::updateAlreadyPlayed(int state)
{
    const int row = m_householdView->currentSourceRow();
    if (row < 0)
        return;
    setMark(row, state == Qt::Checked ? QStringLiteral("Yes") : QStringLiteral("No"));
}

void HouseholdPage::createEditHouseholdDialog()
{
    const int row = m_householdView->currentSourceRow();
    if (row < 0)
        return;
    const QString name = textAt(row, 0);
    if (!m_editDialog) {
        m_editDialog.replace(new EditHouseholdDialog(name));
        connect(m_editDialog.get(), &EditHouseholdDialog::replaceName, this,
                &HouseholdPage::replaceHouseholdName);
    } else {
        m_editDialog->setName(name);
    }
    m_editDialog.showInFront();
}

void HouseholdPage::showMembers(QStringList names)
{
    m_memberLabel->setText(names.join(QLatin1Char('\n')));
    m_memberLabel->resize(m_memberLabel->sizeHint());
}

void HouseholdPage::reset()
{
    m_editButton->setEnabled(false);
    m_playedBox->setEnabled(false);
    m_memberLabel->setText(QString());
    m_householdView->selectionModel()->reset();
}

void HouseholdPage::clearPlayedFlags()
{
    // Walk the household model itself: a row written here cannot move under
    // the walk, whatever column the view is sorted by.
    const QStandardItemModel *model = sourceModel();
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (!SpecialHousehold::contains(textAt(row, 0)))
            setMark(row, QStringLiteral("No"));
    }
}

QString HouseholdPage::saveHouseholds()
{
    QStringList lines;
    for (int row = 0; row < m_proxyModel->rowCount(); ++row) {
        lines.append(HouseholdLine::format(m_proxyModel->index(row, 0).data().toString(),
                                           m_proxyModel->index(row, 1).data().toString()));
    }
    return lines.join(QLatin1String("\r\n"));
}

void HouseholdPage::loadHousehold(QString line)
{
    loadHouseholds({line});
}

void HouseholdPage::loadHouseholds(const QStringList &lines)
{
    QStandardItemModel *model = sourceModel();
    if (!model)
        return;
    // The rows of each name, found in one walk of the model: walking it
    // again for every line took time in n squared for n households (9 s for
    // 10,000). Each line marks every row of its name, and a later line of
    // the same name marks them again, as one line after the other would.
    QHash<QString, QList<int>> rowsNamed;
    rowsNamed.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row)
        rowsNamed[textAt(row, 0)].append(row);
    for (const QString &line : lines) {
        HouseholdLine::Fields fields;
        if (!HouseholdLine::parse(line, &fields))
            continue;
        const auto found = rowsNamed.constFind(fields.name);
        if (found == rowsNamed.constEnd())
            continue;
        for (int row : *found)
            setMark(row, fields.mark);
    }
}
