#include "dialogs/ImportSimsPage.h"

#include "dialogs/ImportSimDisplay.h"
#include "records/Bounds.h"

#include <QVBoxLayout>

ImportSimsPage::ImportSimsPage()
{
    m_column = new QVBoxLayout;
    for (int i = 0; i < RowCount; ++i) {
        auto *display = new ImportSimDisplay;
        display->setObjectName(QStringLiteral("importRow%1").arg(i));
        m_rows.append(display);
        m_column->addWidget(display, 0);
    }
    setLayout(m_column);
}

void ImportSimsPage::setCategory(int category)
{
    m_category = category;
}

void ImportSimsPage::setPage(int page)
{
    m_page = page;
}

void ImportSimsPage::setEPFlags(int flags)
{
    m_epFlags = flags;
}

QString ImportSimsPage::caption() const
{
    QString name;
    if (m_category == ImportCategory::Playables)
        name = QStringLiteral("Playables: ");
    else if (m_category == ImportCategory::Townies)
        name = QStringLiteral("Townies: ");
    else
        name = QStringLiteral("NPCs: ");
    return name + QStringLiteral("page ") + QString::number(m_page);
}

void ImportSimsPage::setSims(const QList<ImportRecord> &records)
{
    // The shown rows sit at the top, the room of hidden rows stays below.
    if (!m_stretchAdded) {
        m_column->addStretch(1);
        m_stretchAdded = true;
    }
    for (ImportSimDisplay *display : std::as_const(m_rows))
        display->show();
    const int shown = int(qMin<qsizetype>(records.size(), RowCount));
    for (int i = 0; i < shown; ++i) {
        const ImportRecord &record = records.at(i);
        ImportSimDisplay *display = m_rows.at(i);
        display->setEPFlags(m_epFlags);
        display->setName(record.value(ImportColumn::FirstName) + QLatin1Char(' ')
                         + record.value(ImportColumn::LastName));
        display->setHousehold(record.value(ImportColumn::HouseholdName));
        display->setGender(record.value(ImportColumn::Gender));
        QString stage;
        if (record.value(ImportColumn::IsAtUniversity) == QLatin1String("Y"))
            stage = QStringLiteral("Young Adult");
        else if (importNumber(record.value(ImportColumn::FamilyInstance)) != 0)
            stage = record.value(ImportColumn::LifeSection);
        else
            stage = QStringLiteral("Ghost");
        display->setLifeStage(stage);
        display->setAspirations(record.value(ImportColumn::PrimaryAspiration),
                                record.value(ImportColumn::SecondaryAspiration));
        display->setSpecies(record.value(ImportColumn::Species));
        display->setSelected(record.value(ImportColumn::Selected) == QLatin1String("Y"));
        display->setTypeFlags(unsigned(importNumber(record.value(ImportColumn::TypeFlags))));
        display->setAlignment(importNumber(record.value(ImportColumn::Alignment)));
    }
    for (int i = shown; i < RowCount; ++i)
        m_rows.at(i)->hide();
}

ImportSimDisplay *ImportSimsPage::row(int index) const
{
    return inRange(index, m_rows.size()) ? m_rows.at(index) : nullptr;
}

bool ImportSimsPage::isSelected(int index) const
{
    const ImportSimDisplay *display = row(index);
    return display && display->isSelected();
}

int ImportSimsPage::typeFlags(int index) const
{
    const ImportSimDisplay *display = row(index);
    return display ? display->typeFlags() : 0;
}

QString ImportSimsPage::household(int index) const
{
    const ImportSimDisplay *display = row(index);
    return display ? display->household() : QString();
}

int ImportSimsPage::alignment(int index) const
{
    const ImportSimDisplay *display = row(index);
    return display ? display->alignment() : 0;
}
