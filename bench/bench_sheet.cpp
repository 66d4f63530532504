// Times what the sheet does with a large list, on two lists of 10,000 and
// 20,000 sims written by gen_sheet.py, and prints for each operation the
// time at both sizes and their ratio:
//  - opening the list (with its backup), against a floor measured in the
//    same run: reading the file's bytes, splitting its lines and fields and
//    building as many rows of a five-column item model directly;
//  - saving it;
//  - one filter toggle (one rebuild of the models);
//  - "Apply Updates" of 500 births (with the rotation that ends it);
//  - a rotation.
// Each time is the best of a few runs, each on a fresh window.
//
// usage: bench_sheet [--generator PATH] [--runs N]
// The generator defaults to shared/perf/gen_sheet.py beside the source
// folder. The lists are written into a temporary folder, which is also the
// working folder while the program runs.

#include "BenchSupport.h"

#include "events/UpdatePage.h"
#include "sheet/MainWindow.h"
#include "sheet/Tolvane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

namespace {

constexpr int Births = 500;

struct Times
{
    double open = std::numeric_limits<double>::max();
    double save = std::numeric_limits<double>::max();
    double filter = std::numeric_limits<double>::max();
    double births = std::numeric_limits<double>::max();
    double rotation = std::numeric_limits<double>::max();
    double floor = std::numeric_limits<double>::max();
};

void keepBest(double &best, double ms)
{
    best = std::min(best, ms);
}

// Reading the bytes, splitting lines and fields, and filling a model with
// one row of five cells per sim line: what no open can do without.
double floorOf(const QString &path)
{
    return Bench::msOf([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        const QString text = QString::fromUtf8(file.readAll());
        const QStringList lines = text.split(QLatin1Char('\n'));
        qsizetype sims = 0;
        qsizetype fields = 0;
        for (const QString &line : lines) {
            if (line.trimmed().isEmpty())
                break;
            fields += line.split(QLatin1Char(',')).size();
            ++sims;
        }
        QStandardItemModel model(0, 5);
        model.insertRows(0, int(sims));
        for (int row = 0; row < sims; ++row) {
            for (int column = 0; column < 5; ++column)
                model.setItem(row, column, new QStandardItem(QString::number(row + column)));
        }
        if (fields == 0)
            qFatal("no sims in %s", qPrintable(path));
    });
}

void call(Tolvane *sheet, const char *slot, QGenericArgument a = QGenericArgument(),
          QGenericArgument b = QGenericArgument())
{
    if (!QMetaObject::invokeMethod(sheet, slot, a, b))
        qFatal("no slot %s", slot);
}

void measure(const QString &list, Times &times)
{
    MainWindow window;
    installItemModels(&window);
    window.show();
    auto *sheet = qobject_cast<Tolvane *>(window.centralWidget());
    auto *updates = sheet->findChild<UpdatePage *>();

    keepBest(times.open, Bench::msOf([&] { call(sheet, "open", Q_ARG(QString, list), Q_ARG(int, 4)); }));
    // Every run saves into a new file, as the first one does: the output of
    // an earlier run would make the save ask whether to replace that list,
    // and no one is there to answer.
    const QString saved = list + QStringLiteral("-saved");
    QFile::remove(saved + QStringLiteral(".sls"));
    keepBest(times.save, Bench::msOf([&] { call(sheet, "save", Q_ARG(QString, saved)); }));
    keepBest(times.filter, Bench::msOf([&] { call(sheet, "setDeadFilter", Q_ARG(bool, false)); }));
    call(sheet, "setDeadFilter", Q_ARG(bool, true));

    // The file's own pending updates are dropped: only the births apply.
    updates->clearEvents();
    const SimList sims = updates->allSims();
    for (int n = 0; n < Births; ++n) {
        updates->loadEvent(QStringLiteral("\"On day 1 of the rotation, %1 and %2 had a female baby "
                                          "named Baby %3 before six PM.\",0,1")
                               .arg(sims.at(0)->name(), sims.at(1)->name())
                               .arg(n));
    }
    QAbstractButton *apply = Bench::buttonOf(updates, QStringLiteral("Apply Updates"));
    keepBest(times.births, Bench::msOf([&] { apply->click(); }));

    updates->clearEvents();
    keepBest(times.rotation, Bench::msOf([&] { call(sheet, "doRotation"); }));
    keepBest(times.floor, floorOf(list + QStringLiteral(".sls")));

    // The sheet now differs from what was saved; it is thrown away unasked.
    call(sheet, "save", Q_ARG(QString, saved));
    window.close();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString generator = QStringLiteral(TOLVANE_SOURCE_DIR "/../shared/perf/gen_sheet.py");
    int runs = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--generator"))
            generator = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--runs"))
            runs = std::max(1, args.at(i + 1).toInt());
    }

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");
    const int sizes[2] = {10000, 20000};
    for (int size : sizes) {
        const QString out = QStringLiteral("sheet%1.sls").arg(size);
        const int code = QProcess::execute(
            QStringLiteral("python3"), {generator, out, QStringLiteral("--sims"), QString::number(size)});
        if (code != 0)
            qFatal("gen_sheet.py failed (%d): %s", code, qPrintable(generator));
    }

    // A box that waits for an answer would hang the run with no word:
    // nothing here should ask, so a box stops the run with its text.
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            qFatal("a message box stopped the run: %s", qPrintable(box->text()));
    });
    boxWatch.start(100);

    Times times[2];
    // The progress lines of an open go to standard output; only the table
    // matters here.
    FILE *table = Bench::tableStream();
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 2; ++i)
            measure(QStringLiteral("sheet%1").arg(sizes[i]), times[i]);
    }

    QTextStream print(table);
    print << "operation        10,000 sims   20,000 sims   ratio\n";
    const auto row = [&](const char *name, double small, double large) {
        print << QString::fromLatin1(name).leftJustified(16) << QString::number(small, 'f', 1).rightJustified(10)
              << " ms" << QString::number(large, 'f', 1).rightJustified(11) << " ms"
              << QString::number(large / small, 'f', 2).rightJustified(8) << "\n";
    };
    row("open", times[0].open, times[1].open);
    row("save", times[0].save, times[1].save);
    row("filter toggle", times[0].filter, times[1].filter);
    row("500 births", times[0].births, times[1].births);
    row("rotation", times[0].rotation, times[1].rotation);
    row("open floor", times[0].floor, times[1].floor);
    print << "open / floor: " << QString::number(times[0].open / times[0].floor, 'f', 2)
          << " (10,000 sims), " << QString::number(times[1].open / times[1].floor, 'f', 2)
          << " (20,000 sims)\n";
    print.flush();
    std::fclose(table);
    return 0;
}
