#pragma once

#include "dialogs/ExportReader.h"

#include <QList>
#include <QString>
#include <QWidget>

class ImportSimDisplay;
class QVBoxLayout;

// One page of the import dialog: five rows, refilled for every page shown
// and read back row by row when the dialog stores the page.
class ImportSimsPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RowCount = 5;

    ImportSimsPage();

    void setCategory(int category);
    int category() const { return m_category; }
    void setPage(int page);
    int page() const { return m_page; }
    // Reaches the rows at the next setSims.
    void setEPFlags(int flags);
    // "Playables: page 1" and so on, for the dialog's page label.
    QString caption() const;

    // Shows up to five records, one a row; the rows after them are hidden.
    // Records past the fifth are not shown.
    void setSims(const QList<ImportRecord> &records);

    // What row `row` shows now, edits included; false, 0, empty and 0 for a
    // row that does not exist.
    bool isSelected(int row) const;
    int typeFlags(int row) const;
    QString household(int row) const;
    int alignment(int row) const;

private:
    ImportSimDisplay *row(int index) const;

    int m_category = 0;
    int m_page = 0;
    int m_epFlags = 0;
    QList<ImportSimDisplay *> m_rows;
    QVBoxLayout *m_column;
    bool m_stretchAdded = false;
};
