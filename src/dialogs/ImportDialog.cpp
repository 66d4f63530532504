#include "dialogs/ImportDialog.h"

#include "dialogs/ImportBatch.h"
#include "dialogs/ImportSimsPage.h"
#include "records/Sim.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace {

QPushButton *button(const QString &text)
{
    return new QPushButton(text);
}

} // namespace

ImportDialog::ImportDialog(QString dir, int epFlags)
    : QDialog(nullptr)
    , m_epFlags(epFlags)
{
    m_hoodLabel = new QLabel;
    m_hoodLabel->setObjectName(QStringLiteral("hoodLabel"));
    m_selectPlayablesButton = button(QStringLiteral("Select All Playables"));
    m_selectTowniesButton = button(QStringLiteral("Select All Townies"));
    m_selectNPCsButton = button(QStringLiteral("Select All NPCs"));
    m_deselectPlayablesButton = button(QStringLiteral("Deselect All Playables"));
    m_deselectTowniesButton = button(QStringLiteral("Deselect All Townies"));
    m_deselectNPCsButton = button(QStringLiteral("Deselect All NPCs"));
    m_nextButton = button(QStringLiteral("Next Page"));
    m_previousButton = button(QStringLiteral("Previous Page"));
    m_nextButton->setMaximumSize(m_nextButton->sizeHint());
    m_previousButton->setMaximumSize(m_previousButton->sizeHint());
    m_nextButton->setEnabled(false);
    m_previousButton->setEnabled(false);
    m_categoryCombo = new QComboBox;
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->addItems(
        {QStringLiteral("Playables"), QStringLiteral("Townies"), QStringLiteral("NPCs")});
    m_pageCombo = new QComboBox;
    m_pageCombo->setObjectName(QStringLiteral("pageCombo"));
    m_jumpButton = button(QStringLiteral("Jump to: "));
    m_pageLabel = new QLabel(QStringLiteral("no page"));
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_importButton = button(QStringLiteral("Import"));
    m_importButton->setMaximumSize(m_importButton->sizeHint());
    m_importButton->setDefault(true);
    m_simsPage = new ImportSimsPage;
    m_simsPage->setObjectName(QStringLiteral("simsPage"));

    connect(m_selectPlayablesButton, &QPushButton::clicked, this, &ImportDialog::selectAllPlayables);
    connect(m_selectTowniesButton, &QPushButton::clicked, this, &ImportDialog::selectAllTownies);
    connect(m_selectNPCsButton, &QPushButton::clicked, this, &ImportDialog::selectAllNPCs);
    connect(m_deselectPlayablesButton, &QPushButton::clicked, this, &ImportDialog::deselectPlayables);
    connect(m_deselectTowniesButton, &QPushButton::clicked, this, &ImportDialog::deselectTownies);
    connect(m_deselectNPCsButton, &QPushButton::clicked, this, &ImportDialog::deselectNPCs);
    connect(m_categoryCombo, &QComboBox::currentIndexChanged, this, &ImportDialog::updateJumpBoxes);
    connect(m_jumpButton, &QPushButton::clicked, this, &ImportDialog::jump);

    m_captionRow = new QHBoxLayout;
    m_captionRow->addStretch(1);
    m_captionRow->addWidget(m_hoodLabel);
    m_captionRow->addStretch(1);
    m_selectRow = new QHBoxLayout;
    m_selectRow->addStretch(1);
    m_selectRow->addWidget(m_selectPlayablesButton);
    m_selectRow->addWidget(m_selectTowniesButton);
    m_selectRow->addWidget(m_selectNPCsButton);
    m_selectRow->addStretch(1);
    m_deselectRow = new QHBoxLayout;
    m_deselectRow->addStretch(1);
    m_deselectRow->addWidget(m_deselectPlayablesButton);
    m_deselectRow->addWidget(m_deselectTowniesButton);
    m_deselectRow->addWidget(m_deselectNPCsButton);
    m_deselectRow->addStretch(1);
    m_navigationRow = new QHBoxLayout;
    m_navigationRow->addWidget(m_previousButton);
    m_navigationRow->addStretch(1);
    m_navigationRow->addWidget(m_pageLabel);
    m_navigationRow->addStretch(1);
    m_navigationRow->addWidget(m_nextButton);
    m_jumpRow = new QHBoxLayout;
    m_jumpRow->addStretch(1);
    m_jumpRow->addWidget(m_jumpButton);
    m_jumpRow->addWidget(m_categoryCombo);
    m_jumpRow->addWidget(m_pageCombo);
    m_jumpRow->addStretch(1);
    m_importRow = new QHBoxLayout;
    m_importRow->addStretch(1);
    m_importRow->addWidget(m_importButton);
    m_importRow->addStretch(1);
    m_column = new QVBoxLayout;
    m_column->addLayout(m_captionRow);
    m_column->addLayout(m_selectRow);
    m_column->addLayout(m_deselectRow);
    m_column->addLayout(m_navigationRow);
    m_column->addLayout(m_jumpRow);
    m_column->addWidget(m_simsPage);
    m_column->addLayout(m_importRow);
    setLayout(m_column);

    connect(m_nextButton, &QPushButton::clicked, this, &ImportDialog::nextPage);
    connect(m_previousButton, &QPushButton::clicked, this, &ImportDialog::previousPage);
    connect(m_importButton, &QPushButton::clicked, this, &ImportDialog::import);

    readSimPEOutput(dir);
    resize(minimumSize());
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::readSimPEOutput(const QString &dir)
{
    QFile exportFile(dir + QStringLiteral("/Veldo/ExportedSims.txt"));
    if (!exportFile.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, QString(), QStringLiteral("Cannot read SimPE output."));
        return;
    }
    const QByteArray bytes = exportFile.readAll();
    exportFile.close();

    // The copy is for the player only: the records come from the bytes
    // just read, whether or not it can be written.
    QFile copy(QStringLiteral("ExportedSims.txt"));
    const QByteArray rows = ExportReader::rowsOf(bytes);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(rows) != rows.size())
        QMessageBox::warning(this, QString(), QStringLiteral("Could not open file."));
    copy.close();

    const ExportRead read = ExportReader::read(bytes);
    if (!read.error.isEmpty()) {
        QMessageBox::warning(this, QString(), read.error);
        return;
    }
    if (!read.warning.isEmpty())
        QMessageBox::warning(this, QString(), read.warning);
    for (int category = 0; category < ImportCategory::Count; ++category)
        m_lists[category] = read.lists[category];
    if (read.captionSet)
        m_hoodLabel->setText(read.caption);

    QMessageBox::information(this, QString(),
                             QStringLiteral("Loaded data for ")
                                 + QString::number(read.recordCount()) + QStringLiteral(" sims"));
    m_currentCategory = ImportCategory::Playables;
    m_currentPage = 0;
    showPage();
    updateJumpBoxes();
}

int ImportDialog::lastPage(qsizetype count)
{
    return count == 0 ? 0 : int((count - 1) / ImportSimsPage::RowCount);
}

void ImportDialog::showPage()
{
    const QList<ImportRecord> &list = m_lists[m_currentCategory];
    const int first = m_currentPage * ImportSimsPage::RowCount;
    m_simsPage->setEPFlags(m_epFlags);
    m_simsPage->setSims(list.mid(first, ImportSimsPage::RowCount));
    m_simsPage->setCategory(m_currentCategory);
    m_simsPage->setPage(m_currentPage + 1);
    m_nextButton->setEnabled(!(m_currentCategory == ImportCategory::NPCs
                               && first + ImportSimsPage::RowCount >= list.size()));
    m_previousButton->setEnabled(!(m_currentCategory == ImportCategory::Playables
                                   && m_currentPage == 0));
    m_pageLabel->setText(m_simsPage->caption());
}

void ImportDialog::storePage()
{
    QList<ImportRecord> &list = m_lists[m_currentCategory];
    for (int row = 0; row < ImportSimsPage::RowCount; ++row) {
        const qsizetype k = qsizetype(m_currentPage) * ImportSimsPage::RowCount + row;
        if (k >= list.size())
            break;
        ImportRecord &record = list[k];
        record[ImportColumn::Selected] =
            m_simsPage->isSelected(row) ? QStringLiteral("Y") : QStringLiteral("N");
        record[ImportColumn::HouseholdName] = m_simsPage->household(row);
        record[ImportColumn::TypeFlags] = QString::number(m_simsPage->typeFlags(row));
        record[ImportColumn::Alignment] = QString::number(m_simsPage->alignment(row));
    }
}

void ImportDialog::nextPage()
{
    storePage();
    const bool lastOfCategory = (m_currentPage + 1) * ImportSimsPage::RowCount
        >= m_lists[m_currentCategory].size();
    if (!lastOfCategory) {
        ++m_currentPage;
    } else if (m_currentCategory == ImportCategory::NPCs) {
        return;
    } else {
        ++m_currentCategory;
        m_currentPage = 0;
    }
    showPage();
}

void ImportDialog::previousPage()
{
    storePage();
    if (m_currentPage > 0) {
        --m_currentPage;
    } else if (m_currentCategory == ImportCategory::Playables) {
        return;
    } else {
        --m_currentCategory;
        m_currentPage = lastPage(m_lists[m_currentCategory].size());
    }
    showPage();
}

// The shown page is stored before every move, so a jump or a select-all
// never loses what the player changed on it.
void ImportDialog::jump()
{
    storePage();
    m_currentCategory = qBound(0, m_categoryCombo->currentIndex(), ImportCategory::Count - 1);
    m_currentPage = qMax(0, m_pageCombo->currentIndex());
    showPage();
}

void ImportDialog::updateJumpBoxes()
{
    m_pageCombo->clear();
    const int category = m_categoryCombo->currentIndex();
    const qsizetype count =
        category >= 0 && category < ImportCategory::Count ? m_lists[category].size() : 0;
    const qsizetype pages = (count + ImportSimsPage::RowCount - 1) / ImportSimsPage::RowCount;
    for (qsizetype page = 1; page <= pages; ++page)
        m_pageCombo->addItem(QStringLiteral("Page ") + QString::number(page));
    m_pageCombo->setMinimumWidth(m_pageCombo->sizeHint().width() + 10);
}

void ImportDialog::selectAll(int category, bool selected)
{
    storePage();
    const QString mark = selected ? QStringLiteral("Y") : QStringLiteral("N");
    for (ImportRecord &record : m_lists[category])
        record[ImportColumn::Selected] = mark;
    showPage();
}

void ImportDialog::selectAllPlayables()
{
    selectAll(ImportCategory::Playables, true);
}

void ImportDialog::selectAllTownies()
{
    selectAll(ImportCategory::Townies, true);
}

void ImportDialog::selectAllNPCs()
{
    selectAll(ImportCategory::NPCs, true);
}

void ImportDialog::deselectPlayables()
{
    selectAll(ImportCategory::Playables, false);
}

void ImportDialog::deselectTownies()
{
    selectAll(ImportCategory::Townies, false);
}

void ImportDialog::deselectNPCs()
{
    selectAll(ImportCategory::NPCs, false);
}

void ImportDialog::import()
{
    storePage();
    const int selected = ImportBatch::selectedCount(m_lists, ImportCategory::Count);

    // The progress window lives as long as the import and no longer.
    auto progress = std::make_unique<QDialog>(this);
    progress->setObjectName(QStringLiteral("importProgress"));
    auto *layout = new QVBoxLayout;
    progress->setLayout(layout);
    auto *bar = new QProgressBar;
    bar->setMaximum(selected);
    bar->setValue(0);
    bar->setFormat(QStringLiteral("%v of %m"));
    layout->addWidget(bar);
    progress->setMinimumWidth(500);
    progress->show();
    auto advance = [bar] { bar->setValue(bar->value() + 1); };

    ImportBatch batch;
    for (int category = 0; category < ImportCategory::Count; ++category) {
        for (ImportRecord &record : m_lists[category]) {
            if (!ImportBatch::isSelected(record))
                continue;
            batch.add(record, category);
            advance();
        }
    }

    bar->reset();
    bar->setFormat(QStringLiteral("%v of %m (Family Info)"));
    for (int i = 0; i < batch.size(); ++i) {
        batch.link(i);
        advance();
    }

    bar->reset();
    bar->setFormat(QStringLiteral("%v of %m (Adding to List)"));
    const QList<Sim *> sims = batch.take();
    for (Sim *sim : sims) {
        emit addSim(sim);
        advance();
    }
    emit updateModels();

    progress.reset();
    close();
}
