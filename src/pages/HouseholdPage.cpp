#include "pages/HouseholdPage.h"

#include "pages/EditHouseholdDialog.h"
#include "pages/SortedListView.h"
#include "records/Codes.h"

#include <QCheckBox>
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
    proxyModel = new QSortFilterProxyModel(this);
    proxyModel->setDynamicSortFilter(true);

    householdView = new SortedListView(proxyModel);

    editButton = new QPushButton(tr("Edit Selected Household"));
    editButton->setMaximumSize(editButton->sizeHint());
    editButton->setEnabled(false);
    playedBox = new QCheckBox(tr("Current household has been played this rotation."));
    playedBox->setEnabled(false);

    controlRow = new QHBoxLayout;
    controlRow->addWidget(editButton);
    controlRow->addWidget(playedBox, 0, Qt::AlignRight);

    memberLabel = new QLabel;
    memberLabel->setTextFormat(Qt::PlainText);
    memberScroll = new QScrollArea;
    memberScroll->setWidget(memberLabel);

    mainLayout = new QVBoxLayout;
    mainLayout->addLayout(controlRow);
    mainLayout->addWidget(householdView);
    mainLayout->addWidget(memberScroll);
    setLayout(mainLayout);

    connect(householdView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &HouseholdPage::updateDisplay);
    connect(playedBox, &QCheckBox::stateChanged, this, &HouseholdPage::updateAlreadyPlayed);
    connect(editButton, &QPushButton::clicked, this, &HouseholdPage::createEditHouseholdDialog);
}

// The rename dialog is a window of its own; editDialog deletes it with the page.
HouseholdPage::~HouseholdPage() = default;

void HouseholdPage::setModel(QStandardItemModel *model)
{
    proxyModel->setSourceModel(model);
    householdView->sortByColumn(0, Qt::AscendingOrder);
    householdView->resizeColumnToContents(0);
    householdView->resizeColumnToContents(1);
}

QStandardItemModel *HouseholdPage::sourceModel() const
{
    return qobject_cast<QStandardItemModel *>(proxyModel->sourceModel());
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
    const int row = householdView->currentSourceRow();
    if (row < 0) {
        // No household is selected: nothing to show or change.
        editButton->setEnabled(false);
        playedBox->setEnabled(false);
        return;
    }
    editButton->setEnabled(true);
    playedBox->setEnabled(true);
    // May write the mark back through updateAlreadyPlayed.
    playedBox->setChecked(textAt(row, 1) == QLatin1String("Yes"));

    const QString name = textAt(row, 0);
    if (SpecialHousehold::contains(name)) {
        editButton->setEnabled(false);
        playedBox->setEnabled(false);
        setMark(row, QString());
    }
    emit showHousehold(name);
}

void HouseholdPage::updateAlreadyPlayed(int state)
{
    const int row = householdView->currentSourceRow();
    if (row < 0)
        return;
    setMark(row, state == Qt::Checked ? QStringLiteral("Yes") : QStringLiteral("No"));
}

void HouseholdPage::createEditHouseholdDialog()
{
    const int row = householdView->currentSourceRow();
    if (row < 0)
        return;
    const QString name = textAt(row, 0);
    if (!editDialog) {
        editDialog.replace(new EditHouseholdDialog(name));
        connect(editDialog.get(), &EditHouseholdDialog::replaceName, this,
                &HouseholdPage::replaceHouseholdName);
    } else {
        editDialog->setName(name);
    }
    editDialog->show();
}

void HouseholdPage::showMembers(QStringList names)
{
    memberLabel->setText(names.join(QLatin1Char('\n')));
    memberLabel->resize(memberLabel->sizeHint());
}

void HouseholdPage::reset()
{
    editButton->setEnabled(false);
    playedBox->setEnabled(false);
    memberLabel->setText(QString());
    householdView->selectionModel()->reset();
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
    for (int row = 0; row < proxyModel->rowCount(); ++row) {
        lines.append(proxyModel->index(row, 0).data().toString() + QLatin1Char(',')
                     + proxyModel->index(row, 1).data().toString());
    }
    return lines.join(QLatin1String("\r\n"));
}

void HouseholdPage::loadHousehold(QString line)
{
    // The mark follows the last comma, so a household name may hold commas.
    const int comma = line.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return;
    const QString name = line.left(comma);
    const QString mark = line.mid(comma + 1);
    const QStandardItemModel *model = sourceModel();
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (textAt(row, 0) == name)
            setMark(row, mark);
    }
}
