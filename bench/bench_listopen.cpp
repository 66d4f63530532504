// Times opening and saving two kinds of list through the sheet, each at n,
// 2n and 4n sims, and prints the times with the ratio of each doubling:
// both should take time in proportion to the list, so each doubling should
// take about twice as long (2.3 at most), not four times.
//  - households: every sim in a household of its own, each with its
//    household line, half of them played;
//  - children: one parent of every other sim of the list.
// For each case the open, the save and the two together (of the run in
// which they took least) are timed. Each time is the best of a few runs,
// each on a fresh window. Every saved list must equal the list opened, byte
// for byte, and the opened sheet must hold the marks and links of the file.
//
// usage: bench_listopen [--households N] [--children N] [--runs N]
// N of households defaults to 5,000 and of children to 20,000. The lists
// are written into a temporary folder, which is also the working folder
// while the program runs.

#include "BenchSheet.h"
#include "BenchSupport.h"

#include "dialogs/SettingsLine.h"
#include "events/UpdatePage.h"
#include "pages/HouseholdPage.h"
#include "records/HouseholdLine.h"
#include "records/Sim.h"
#include "sheet/ListFile.h"
#include "sheet/MainWindow.h"
#include "sheet/SafeFile.h"
#include "sheet/Settings.h"
#include "sheet/Tolvane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

void call(Tolvane *sheet, const char *slot, QGenericArgument a = QGenericArgument(),
          QGenericArgument b = QGenericArgument())
{
    if (!QMetaObject::invokeMethod(sheet, slot, a, b))
        qFatal("no slot %s", slot);
}

// n named sims.
BenchSheet namedSims(int count)
{
    BenchSheet sheet(count);
    for (int i = 0; i < count; ++i)
        sheet.sims.at(i)->setName(QStringLiteral("Sim %1").arg(i, 6, 10, QLatin1Char('0')));
    return sheet;
}

QString householdOf(int i)
{
    // Zero-padded, so that the Households tab, which sorts by name, writes
    // the lines back in the order they were written here.
    return QStringLiteral("Household %1").arg(i, 6, 10, QLatin1Char('0'));
}

QString markOf(int i)
{
    return i % 2 ? QStringLiteral("Yes") : QStringLiteral("No");
}

// n sims, each in a household of its own with its household line.
QByteArray householdsList(int count)
{
    const BenchSheet sheet = namedSims(count);
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        sheet.sims.at(i)->setHousehold(householdOf(i));
        rows << HouseholdLine::format(householdOf(i), markOf(i));
    }
    ListFile::Sections sections;
    sections.settingsLine = SettingsLine::format(Settings());
    sections.households = rows.join(QLatin1String("\r\n"));
    return ListFile::write(sheet.sims, sections);
}

// n sims, the last of them the parent of all the others; they all live
// "At Large", which has its line.
QByteArray childrenList(int count)
{
    const BenchSheet sheet = namedSims(count);
    // The parent's family-link line, read as an open reads it: adding the
    // children one by one would search the children for each.
    QString line = QStringLiteral("-1");
    for (int i = 0; i + 1 < count; ++i)
        line += QLatin1Char(',') + QString::number(i);
    sheet.sims.last()->familyLinksFromString(line, sheet.sims);
    ListFile::Sections sections;
    sections.settingsLine = SettingsLine::format(Settings());
    sections.households = HouseholdLine::format(QStringLiteral("At Large"), QStringLiteral("No"));
    return ListFile::write(sheet.sims, sections);
}

using Check = std::function<void(Tolvane *sheet, int count)>;

void checkHouseholds(Tolvane *sheet, int count)
{
    const QStandardItemModel *model = sheet->findChild<HouseholdPage *>()->sourceModel();
    if (model->rowCount() != count)
        qFatal("the Households tab holds %d households, not %d", model->rowCount(), count);
    for (int row = 0; row < count; ++row) {
        const int i = model->index(row, 0).data().toString().mid(10).toInt();
        if (model->index(row, 1).data().toString() != markOf(i))
            qFatal("household %d opened with the wrong mark", i);
    }
}

void checkChildren(Tolvane *sheet, int count)
{
    const SimList sims = sheet->findChild<UpdatePage *>()->allSims();
    if (sims.size() != count)
        qFatal("the sheet holds %d sims, not %d", int(sims.size()), count);
    const Sim *parent = sims.last();
    if (parent->childCount() != count - 1)
        qFatal("the parent opened with %d children, not %d", parent->childCount(), count - 1);
    for (int i = 0; i + 1 < count; ++i) {
        if (parent->child(i) != sims.at(i) || sims.at(i)->parent1() != parent
            || sims.at(i)->parent2())
            qFatal("child %d opened with the wrong links", i);
    }
}

// The open, the save and the two together of one run.
struct Times
{
    double open = 0;
    double save = 0;
};

Times measure(const QString &list, int count, const Check &check)
{
    MainWindow window;
    installItemModels(&window);
    window.show();
    auto *sheet = qobject_cast<Tolvane *>(window.centralWidget());

    Times times;
    times.open = Bench::msOf([&] { call(sheet, "open", Q_ARG(QString, list), Q_ARG(int, 4)); });
    check(sheet, count);
    // Every run saves into a new file: the output of an earlier run would
    // make the save ask whether to replace that list.
    const QString saved = list + QStringLiteral("-saved");
    QFile::remove(ListFile::fileName(saved));
    times.save = Bench::msOf([&] { call(sheet, "save", Q_ARG(QString, saved)); });

    QByteArray before;
    QByteArray after;
    if (!SafeFile::read(ListFile::fileName(list), &before)
        || !SafeFile::read(ListFile::fileName(saved), &after))
        qFatal("cannot read %s back", qPrintable(list));
    if (before != after)
        qFatal("%s was saved otherwise than it was opened", qPrintable(list));
    window.close();
    return times;
}

struct Case
{
    const char *name;
    int smallest;
    std::function<QByteArray(int)> list;
    Check check;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int households = 5000;
    int children = 20000;
    const QStringList args = app.arguments();
    const int runs = Bench::runsOf(args, 3);
    for (int i = 1; i < args.size(); i += 2) {
        const int value = i + 1 < args.size() ? args.at(i + 1).toInt() : 0;
        if (args.at(i) == QLatin1String("--households") && value > 0)
            households = value;
        else if (args.at(i) == QLatin1String("--children") && value > 1)
            children = value;
        else if (args.at(i) != QLatin1String("--runs") || value <= 0) {
            std::fprintf(stderr,
                         "usage: bench_listopen [--households N] [--children N] [--runs N]\n");
            return 1;
        }
    }

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");

    const Case cases[] = {
        {"households", households, householdsList, checkHouseholds},
        {"children", children, childrenList, checkChildren},
    };
    for (const Case &c : cases) {
        for (int k = 0; k < 3; ++k) {
            const int count = c.smallest << k;
            const QString name = QStringLiteral("%1%2").arg(QLatin1String(c.name)).arg(count);
            if (!SafeFile::write(ListFile::fileName(name), c.list(count)))
                qFatal("cannot write %s", qPrintable(name));
        }
    }

    // A box that waits for an answer would hang the run with no word:
    // nothing here should ask, so a box stops the run with its text.
    Bench::guardBoxes();
    // The progress lines of an open go to standard output; only the table
    // matters here.
    FILE *table = Bench::tableStream();
    QList<Bench::Doubling> lines;
    for (const Case &c : cases) {
        const QString name = QLatin1String(c.name);
        lines << Bench::Doubling(name + QStringLiteral(", open"), c.smallest)
              << Bench::Doubling(name + QStringLiteral(", save"), c.smallest)
              << Bench::Doubling(name + QStringLiteral(", open and save"), c.smallest);
    }
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < int(std::size(cases)); ++i) {
            const Case &c = cases[i];
            for (int k = 0; k < 3; ++k) {
                const int count = c.smallest << k;
                const Times times =
                    measure(QStringLiteral("%1%2").arg(QLatin1String(c.name)).arg(count), count,
                            c.check);
                lines[3 * i].keep(count, times.open);
                lines[3 * i + 1].keep(count, times.save);
                lines[3 * i + 2].keep(count, times.open + times.save);
            }
        }
    }
    std::fprintf(table, "Best of %d runs; each doubling should take at most about 2.3 times as "
                        "long.\n", runs);
    std::fflush(table);
    Bench::print(table, lines);
    std::fclose(table);
    return 0;
}
