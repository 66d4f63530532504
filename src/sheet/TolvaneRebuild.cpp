// The model rebuild: the sim model through the filter masks, the row map,
// the NID order, the household model with its played marks, and the lists
// the other tabs keep.
#include "sheet/Tolvane.h"

#include "events/UpdatePage.h"
#include "pages/AgePage.h"
#include "pages/FamilyPage.h"
#include "pages/HouseholdPage.h"
#include "sheet/ModelRows.h"

#include <QStandardItemModel>

namespace {

QList<ModelRows::HouseholdRow> householdRowsOf(const QStandardItemModel *model)
{
    QList<ModelRows::HouseholdRow> rows;
    if (!model)
        return rows;
    rows.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row) {
        rows.append({model->index(row, 0).data().toString(),
                     model->index(row, 1).data().toString()});
    }
    return rows;
}

// Gives the model exactly these rows; the headers stay. The cells of rows
// the model already has are written over rather than made anew, so a
// rebuild costs no more than the texts it writes. Cells are made column by
// column: the sort that follows reads one column, and its cells then lie
// close together in memory (on a list of 20,000 sims this makes the sort
// three times faster).
void fill(QStandardItemModel *model, const QList<QStringList> &rows, int columns)
{
    const int count = int(rows.size());
    if (model->rowCount() > count)
        model->removeRows(count, model->rowCount() - count);
    else if (model->rowCount() < count)
        model->insertRows(model->rowCount(), count - model->rowCount());
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < count; ++row) {
            const QString &text = rows.at(row).at(column);
            if (QStandardItem *item = model->item(row, column))
                item->setText(text);
            else
                model->setItem(row, column, new QStandardItem(text));
        }
    }
}

} // namespace

QString Tolvane::ageText(int age, int kind) const
{
    return ModelRows::ageText(age, kind, m_settings.AgeDisplay);
}

QList<ModelRows::HouseholdRow> Tolvane::householdMarks() const
{
    return householdRowsOf(m_householdPage->sourceModel());
}

void Tolvane::updateModels()
{
    rebuildModels(householdMarks());
}

void Tolvane::rebuildModels(const QList<ModelRows::HouseholdRow> &marks)
{
    // An import ends with this call: its merged sims are settled first, so
    // that no link on the sheet leads to a record that is not on it.
    m_importMerge.finish();

    const SimList &sims = m_sims.sims();
    QStandardItemModel *simModel = m_agePage->sourceModel();
    m_agePage->reset();
    // The models are filled with no sorting view attached: a view would sort
    // again at every row put in.
    m_agePage->setModel(nullptr);
    const ModelRows::SimRows simRows =
        ModelRows::simRows(sims, m_masks, m_settings.AgeDisplay, m_settings.EPFlags);
    m_sims.setRows(simRows.rowToSim, ModelRows::nidSorted(sims));
    if (simModel) {
        QList<QStringList> rows;
        rows.reserve(simRows.rows.size());
        for (const ModelRows::SimRow &row : simRows.rows)
            rows.append({row.name, row.household, row.age, row.lifeStage, row.aspiration});
        fill(simModel, rows, 5);
    }
    m_agePage->setModel(simModel);
    m_agePage->sortList();

    m_updatePage->setSimList(sims);
    m_familyPage->setSimList(sims);

    QStandardItemModel *householdModel = m_householdPage->sourceModel();
    const QList<ModelRows::HouseholdRow> households = ModelRows::householdRows(sims, marks);
    m_householdPage->reset();
    m_householdPage->setModel(nullptr);
    if (householdModel) {
        QList<QStringList> rows;
        rows.reserve(households.size());
        for (const ModelRows::HouseholdRow &row : households)
            rows.append({row.name, row.played});
        fill(householdModel, rows, 2);
    }
    m_householdPage->setModel(householdModel);
}
