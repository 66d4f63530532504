// Times the import of the sim editor's export through the import dialog
// onto the sheet, at 4,000, 8,000 and 16,000 rows:
//  - into an empty sheet: every sim is appended and linked by NID;
//  - the same export again, into the sheet that now holds it: every sim is
//    merged into the sheet's sim of its NID.
// Each time covers "Import" pressed until the dialog closes, the rebuild
// of the models included, and is the best of a few runs on fresh windows.
// Each doubling of the rows should take about twice as long.
//
// usage: bench_import [--runs N] [--rows N]
// The working folder is a temporary one while the bench runs.

#include "BenchSupport.h"

#include "sheet/MainWindow.h"
#include "sheet/Tolvane.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = Bench::runsOf(args, 3);
    const qsizetype rowsAt = args.indexOf(QStringLiteral("--rows"));
    const int rows = rowsAt >= 0 && rowsAt + 1 < args.size() ? args.at(rowsAt + 1).toInt() : 4000;

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");
    Bench::guardBoxes();
    FILE *table = Bench::tableStream();

    Bench::Doubling empty(QStringLiteral("import into an empty sheet"), rows);
    Bench::Doubling again(QStringLiteral("import again (all merged)"), rows);
    for (int run = 0; run < runs; ++run) {
        for (int size : empty.sizes) {
            const QByteArray bytes = Bench::exportOf(size);
            MainWindow window;
            installItemModels(&window);
            window.show();
            auto *sheet = qobject_cast<Tolvane *>(window.centralWidget());
            empty.keep(size, Bench::importOnto(sheet, bytes));
            again.keep(size, Bench::importOnto(sheet, bytes));
            // The imported sheet is thrown away unsaved: closing the window
            // would ask.
        }
    }
    Bench::print(table, {empty, again});
    std::fclose(table);
    return 0;
}
