#pragma once

// What the benches that time a work at three sizes, each twice the last,
// share: the clock, the table they print, a made-up export of the sim
// editor, the import that reads it onto a sheet, and a guard that answers
// the one box an import asks and stops the run on any other.

#include "sheet/MainWindow.h"
#include "sheet/Tolvane.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <functional>

class QAbstractButton;
class QWidget;

namespace Bench {

// Milliseconds the work took.
double msOf(const std::function<void()> &work);

// The button with this text under `root`; stops the run when there is none.
QAbstractButton *buttonOf(QWidget *root, const QString &text);

// One line of the table: a work timed at n, 2n and 4n, best of the runs.
struct Doubling
{
    QString name;
    int sizes[3] = {0, 0, 0};
    double ms[3];

    Doubling(const QString &caseName, int n);
    void keep(int size, double milliseconds);
};

// The program's window as main builds it, shown.
struct ShownSheet
{
    MainWindow window;
    Tolvane *sheet;

    ShownSheet();
    // Brings the sheet's tab of this class to the front, the window settled,
    // and returns it.
    template <typename Tab>
    Tab *inFront()
    {
        auto *tab = sheet->findChild<Tab *>();
        bringToFront(tab);
        return tab;
    }
    // Brings the tab to the front, as a click on its tab does, and returns
    // the milliseconds it took, the events it left for the window included.
    double bringToFront(QWidget *tab);
    // Opens the list, as "Open" in the list dialog does, and returns the
    // milliseconds it took, the events it left for the window included.
    double open(const QString &list);
};

// Prints every case with its times and the ratio of each doubling.
void print(FILE *out, const QList<Doubling> &cases);

// Standard output gets the sheet's progress lines; the table goes to the
// stream returned, a copy of the standard output it had.
FILE *tableStream();

// The number of runs a bench takes the best of: `--runs N`, else `fallback`.
int runsOf(const QStringList &arguments, int fallback);

// An export of `rows` sims as the sim editor writes it: a header naming the
// columns, then families (a couple and their children, linked by NID as
// spouses and parents, rows in no particular order), townies and service
// NPCs. The same rows every time.
QByteArray exportOf(int rows);

// Answers "Loaded data for ..." boxes with OK; any other box stops the run
// with its text, since no one is there to answer it. Call once, after the
// application exists.
void guardBoxes();

// Imports the export through the import dialog, every sim selected, onto
// the sheet, as the list dialog hands them over. The working folder is the
// current folder. Returns the milliseconds of the import itself ("Import"
// pressed until the dialog closes), the read of the export left out.
double importOnto(Tolvane *sheet, const QByteArray &exportBytes);

} // namespace Bench
