#pragma once

#include "dialogs/ExportReader.h"

#include <QHash>
#include <QList>


class Sim;

// Turns the selected import records into new sims and links them to each
// other as spouses and parents by the editor's sim ids. Links are only ever
// made between sims of one batch, so a batch handed to the sheet points
// nowhere else. The batch owns its sims until take() hands them over.
class ImportBatch
{
public:
    ImportBatch() = default;
    ~ImportBatch();
    ImportBatch(const ImportBatch &) = delete;
    ImportBatch &operator=(const ImportBatch &) = delete;

    static bool isSelected(const ImportRecord &record);
    static int selectedCount(const QList<ImportRecord> *lists, int listCount);

    // The age in sim days of a record whose AgeDaysLeft has already been
    // moved on by one, by its species, life states and life stage.
    static int ageOf(const ImportRecord &record);

    // Makes the sim of one selected record of a category. The record's
    // AgeDaysLeft moves on by one first, as the editor counts the current
    // day as left.
    Sim *add(ImportRecord &record, int category);

    // Gives the sim at `index` the spouse and parents its record names,
    // found by NID among the sims of this batch. Links of the batch stay
    // mutual: a sim that loses its spouse or child to this link lets go of
    // it. A parent that would make a sim its own ancestor is skipped with a
    // line on standard output.
    void link(int index);

    int size() const { return int(m_sims.size()); }
    Sim *at(int index) const { return m_sims.at(index); }

    // Hands every sim over, in the order they were made; the caller owns
    // them from now on.
    QList<Sim *> take();

private:
    Sim *findByNid(int nid) const;

    QList<Sim *> m_sims;
    // The first sim of the batch with each NID: a batch of thousands of
    // sims is not searched once for every link.
    QHash<int, Sim *> m_firstByNid;
};
