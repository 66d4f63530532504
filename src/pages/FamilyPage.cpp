#include "pages/FamilyPage.h"

#include "pages/FamilyProxyModel.h"
#include "pages/KinWalk.h"
#include "pages/SortedListView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

FamilyPage::FamilyPage(SimList sims)
    : QWidget()
    , m_allSims(sims)
{
    m_browserButton = new QPushButton(QStringLiteral("Add or Edit Family"));
    m_browserButton->setMaximumSize(m_browserButton->sizeHint());
    m_kintermsButton = new QPushButton(QStringLiteral("The Meanings of English Kinterms"));
    m_kintermsButton->setMaximumSize(m_kintermsButton->sizeHint());
    m_livingOnlyBox = new QCheckBox(QStringLiteral("Show only living sims"));
    m_livingOnlyBox->setChecked(true);
    m_livingOnlyBox->setMaximumSize(m_livingOnlyBox->sizeHint());
    m_playableOnlyBox = new QCheckBox(QStringLiteral("Show only playable sims"));
    m_playableOnlyBox->setChecked(true);

    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addWidget(m_browserButton);
    m_buttonRow->addWidget(m_kintermsButton);
    m_buttonRow->addWidget(m_livingOnlyBox);
    m_buttonRow->addWidget(m_playableOnlyBox);

    m_familyLabel = new QLabel(QStringLiteral("The Family of :"));
    m_familyLabel->setTextFormat(Qt::PlainText);

    m_proxyModel = new FamilyProxyModel(this);
    m_proxyModel->setDynamicSortFilter(true);
    m_familyView = new SortedListView(m_proxyModel);

    m_pageLayout = new QVBoxLayout;
    m_pageLayout->addLayout(m_buttonRow);
    m_pageLayout->addWidget(m_familyLabel);
    m_pageLayout->addWidget(m_familyView);
    setLayout(m_pageLayout);

    connect(m_browserButton, &QPushButton::clicked, this, &FamilyPage::createFamilyBrowser);
    connect(m_livingOnlyBox, &QCheckBox::toggled, this, &FamilyPage::showFamily);
    connect(m_playableOnlyBox, &QCheckBox::toggled, this, &FamilyPage::showFamily);
}

// The browser is a window of its own; m_browser deletes it with the page.
FamilyPage::~FamilyPage() = default;

QStandardItemModel *FamilyPage::relationshipModel() const
{
    return qobject_cast<QStandardItemModel *>(m_proxyModel->sourceModel());
}

void FamilyPage::setModel(QStandardItemModel *model)
{
    m_proxyModel->setSourceModel(model);
    m_proxyModel->sort(0, Qt::AscendingOrder);
    m_familyView->resizeColumnToContents(0);
    m_familyView->resizeColumnToContents(1);
}

void FamilyPage::setSim(QPointer<Sim> sim)
{
    m_focusSim = sim;
    if (m_browser)
        m_browser->setSim(m_focusSim);
    showFamily();
}

void FamilyPage::setSimList(SimList sims)
{
    m_allSims = sims;
    if (m_browser)
        m_browser->setSimList(m_allSims);
}

void FamilyPage::reset()
{
    m_focusSim = nullptr;
    if (m_browser) {
        m_browser->setSim(nullptr);
        m_browser->close();
    }
    showFamily();
}

void FamilyPage::createFamilyBrowser()
{
    if (!m_focusSim) {
        QMessageBox::information(this, QString(),
                                 QStringLiteral("Please select a sim from the list first."));
        return;
    }
    if (!m_browser) {
        m_browser.replace(new FamilyBrowser(m_focusSim, m_allSims));
        connect(m_browser.get(), &FamilyBrowser::closeAndUpdate, this, &FamilyPage::showFamily);
    }
    m_browser->setSim(m_focusSim);
    m_browser.showInFront();
}

void FamilyPage::showFamily()
{
    m_familyView->selectionModel()->clearSelection();
    QStandardItemModel *model = relationshipModel();
    if (model)
        model->removeRows(0, model->rowCount());
    if (!m_focusSim) {
        m_familyLabel->setText(QStringLiteral("The Family of "));
        return;
    }
    m_familyLabel->setText(QStringLiteral("The Family of ") + m_focusSim->name()
                           + QStringLiteral(":"));
    if (!model)
        return;

    const QList<KinRow> rows = KinWalk::familyOf(m_focusSim, m_livingOnlyBox->isChecked(),
                                                 m_playableOnlyBox->isChecked());
    // The rows go in all at once, unsorted, and are sorted and measured once
    // after: a large family would otherwise be re-sorted and measured for
    // every relative. The newest relative takes row 0, as it always has.
    m_proxyModel->sort(-1);
    const int count = int(rows.size());
    model->insertRows(0, count);
    for (int i = 0; i < count; ++i) {
        const KinRow &row = rows.at(count - 1 - i);
        model->setData(model->index(i, 0), row.sim->name());
        model->setData(model->index(i, 1), row.terms);
    }
    m_proxyModel->sort(1, Qt::AscendingOrder);
    m_familyView->resizeColumnToContents(0);
    m_familyView->resizeColumnToContents(1);
}
