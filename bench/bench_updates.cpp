// Times what fills or empties the Update tab with many pending updates, in a
// shown window with the tab in front:
//  - "Apply Updates" of one birth and the rotation it starts, on lists of
//    n, 2n and 4n sims who all grow up in it, so that the rotation queues one
//    grow-up update per sim;
//  - the open of a list of 500 sims whose updates section holds m, 2m and 4m
//    pending updates;
//  - "Apply Updates" of those m, 2m and 4m pending updates (the rotation it
//    ends queues a grow-up for each of the 500 sims);
// and, the list opened with the "List of Sims" tab in front, the switch to
// the Update tab with those m, 2m and 4m pending updates.
// Each time covers the work and the events it leaves for the window (the
// layout of the pending list and its painting). Each time is the best of a
// few runs, each on a fresh window; each doubling should take about twice as
// long (2.3 at most), not four times.
//
// usage: bench_updates [--sims N] [--updates M] [--runs N]
// N of sims defaults to 5,000 and M of updates to 2,000. The lists are
// written into a temporary folder, which is also the working folder while
// the program runs.

#include "BenchSheet.h"
#include "BenchSupport.h"

#include "dialogs/SettingsLine.h"
#include "events/UpdatePage.h"
#include "pages/AgePage.h"
#include "records/EntryLine.h"
#include "records/HouseholdLine.h"
#include "sheet/ListFile.h"
#include "sheet/SafeFile.h"
#include "sheet/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kOpenSims = 500;
const QString kHousehold = QStringLiteral("Brook");

// A list of `sims` named sims of one household, each a day short of the
// age at which it next grows up, so a rotation of one day queues a grow-up
// for every one; its updates section holds `updates` lines, line i naming
// sim i * 7 modulo `sims`, and it ends with one birth to sims 0 and 1.
QByteArray listOf(int sims, int updates, bool birth)
{
    BenchSheet sheet(sims);
    for (int i = 0; i < sims; ++i) {
        Sim *sim = sheet.sims.at(i);
        sim->setName(QStringLiteral("Sim %1").arg(i, 5, 10, QLatin1Char('0')));
        sim->setHousehold(kHousehold);
        sim->setAge(1);
    }
    ListFile::Sections sections;
    for (int i = 0; i < updates; ++i) {
        const int sim = i * 7 % sims;
        sections.updates += EntryLine::format(
            QStringLiteral("%1 went fishing %2.").arg(sheet.sims.at(sim)->name()).arg(i), sim, -1);
        sections.updates += QLatin1String("\r\n");
    }
    if (birth) {
        sections.updates += EntryLine::format(
            QStringLiteral("On day 1 of the rotation, %1 and %2 had a female baby named Baby "
                           "before six PM.")
                .arg(sheet.sims.at(0)->name(), sheet.sims.at(1)->name()),
            0, 1);
        sections.updates += QLatin1String("\r\n");
    }
    sections.settingsLine = SettingsLine::format(Settings());
    sections.households = HouseholdLine::format(kHousehold, QStringLiteral("No"));
    return ListFile::write(sheet.sims, sections);
}

QString listName(const char *kind, int size)
{
    return QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(size);
}

void writeList(const QString &name, const QByteArray &bytes)
{
    if (!SafeFile::write(ListFile::fileName(name), bytes))
        qFatal("cannot write %s", qPrintable(name));
}

// A shown window with its Update tab in front, or the tab of the list of
// sims until switch().
struct Window
{
    Bench::ShownSheet window;
    UpdatePage *page = window.sheet->findChild<UpdatePage *>();

    explicit Window(bool updatesInFront = true)
    {
        if (updatesInFront)
            window.inFront<UpdatePage>();
        else
            window.inFront<AgePage>();
    }

    double switchToUpdates(int pending)
    {
        const double ms = window.bringToFront(page);
        expect(pending, "switched");
        return ms;
    }

    double open(const QString &list, int updates)
    {
        const double ms = window.open(list);
        expect(updates, "opened");
        return ms;
    }

    double apply(int queued)
    {
        QAbstractButton *button = Bench::buttonOf(page, QStringLiteral("Apply Updates"));
        const double ms = Bench::msOf([&] {
            button->click();
            QCoreApplication::processEvents();
        });
        expect(queued, "applied");
        return ms;
    }

    void expect(int pending, const char *after) const
    {
        const qsizetype shown = page->pendingEntries().size();
        if (shown != pending)
            qFatal("%s with %d pending updates, not %d", after, int(shown), pending);
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int sims = 5000;
    int updates = 2000;
    const QStringList args = app.arguments();
    const int runs = Bench::runsOf(args, 3);
    for (int i = 1; i < args.size(); i += 2) {
        const int value = i + 1 < args.size() ? args.at(i + 1).toInt() : 0;
        if (args.at(i) == QLatin1String("--sims") && value > 1)
            sims = value;
        else if (args.at(i) == QLatin1String("--updates") && value > 0)
            updates = value;
        else if (args.at(i) != QLatin1String("--runs") || value <= 0) {
            std::fprintf(stderr, "usage: bench_updates [--sims N] [--updates M] [--runs N]\n");
            return 1;
        }
    }

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");
    Bench::Doubling apply(QStringLiteral("Apply Updates, a grow-up per sim"), sims);
    Bench::Doubling open(QStringLiteral("open with pending updates"), updates);
    Bench::Doubling applyPending(QStringLiteral("Apply Updates, pending updates"), updates);
    Bench::Doubling switchTo(QStringLiteral("switch to the Update tab"), updates);
    for (int size : apply.sizes)
        writeList(listName("sims", size), listOf(size, 0, true));
    for (int size : open.sizes)
        writeList(listName("updates", size), listOf(kOpenSims, size, false));

    Bench::guardBoxes();
    FILE *table = Bench::tableStream();
    for (int run = 0; run < runs; ++run) {
        for (int size : apply.sizes) {
            Window window;
            window.open(listName("sims", size), 1);
            apply.keep(size, window.apply(size));
        }
        for (int size : open.sizes) {
            Window window;
            open.keep(size, window.open(listName("updates", size), size));
            applyPending.keep(size, window.apply(kOpenSims));
        }
        for (int size : switchTo.sizes) {
            Window window(false);
            window.open(listName("updates", size), size);
            switchTo.keep(size, window.switchToUpdates(size));
        }
    }
    std::fprintf(table, "Best of %d runs; each doubling should take at most about 2.3 times as "
                        "long.\n", runs);
    std::fflush(table);
    Bench::print(table, {apply, open, applyPending, switchTo});
    std::fclose(table);
    return 0;
}
