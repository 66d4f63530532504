// Times what shows and hides the entries of the Achievements tab, on a
// list of 5,000 sims whose log holds n, 2n and 4n entries, opened in a shown
// window with the tab in front:
//  - "Filter by Sim" with the first sim of the box, then "Show All", on a log
//    of births, each naming one sim, with a rotation separator after every
//    tenth;
//  - "Show holds" clicked off and on again, on a log of hold sentences;
//  - the open of the list of births itself, which logs every entry.
// Each time covers the work and the events it leaves for the window (the
// layout of the log and its painting). Each time is the best of a few runs,
// each on a fresh window; each doubling of the log should take about twice
// as long (2.3 at most), not four times.
//
// usage: bench_achievements [--entries N] [--runs N]
// N of entries defaults to 1,000. The lists are written into a temporary
// folder, which is also the working folder while the program runs.

#include "BenchSheet.h"
#include "BenchSupport.h"

#include "dialogs/SettingsLine.h"
#include "pages/AchievementEntry.h"
#include "pages/AchievementsPage.h"
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

constexpr int kSims = 5000;

// The sentence of entry i of a log and the sim it names.
using Sentence = QString (*)(int i, const QString &name);

QString birth(int i, const QString &name)
{
    return i % 11 == 10 ? QString(40, QLatin1Char('-'))
                        : name + QStringLiteral(" had a baby boy named Baby %1.").arg(i);
}

QString hold(int, const QString &name)
{
    return QStringLiteral("Put ") + name + QStringLiteral(" on hold for 2 days.");
}

// A list of 5,000 named sims, all "At Large", with a log of `entries`
// entries; entry i names sim i * 7 modulo 5,000 (the separators name none).
QByteArray listWithLog(int entries, Sentence sentence)
{
    BenchSheet sheet(kSims);
    for (int i = 0; i < kSims; ++i)
        sheet.sims.at(i)->setName(QStringLiteral("Sim %1").arg(i, 4, 10, QLatin1Char('0')));
    ListFile::Sections sections;
    for (int i = 0; i < entries; ++i) {
        const int sim = i * 7 % kSims;
        const QString text = sentence(i, sheet.sims.at(sim)->name());
        const bool separator = text.startsWith(QLatin1Char('-'));
        sections.achievements += EntryLine::format(text, separator ? -1 : sim, -1);
        sections.achievements += QLatin1String("\r\n");
    }
    sections.settingsLine = SettingsLine::format(Settings());
    sections.households = HouseholdLine::format(QStringLiteral("At Large"), QStringLiteral("No"));
    return ListFile::write(sheet.sims, sections);
}

QString listName(const char *kind, int entries)
{
    return QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(entries);
}

// A shown window with its Achievements tab in front.
struct Window
{
    Bench::ShownSheet window;
    AchievementsPage *page = window.inFront<AchievementsPage>();

    double open(const QString &list, int entries)
    {
        const double ms = window.open(list);
        if (page->entries().size() != entries)
            qFatal("%s opened with %d entries", qPrintable(list), int(page->entries().size()));
        return ms;
    }

    int shown() const
    {
        int count = 0;
        for (const AchievementEntry *entry : page->entries())
            count += entry->isHidden() ? 0 : 1;
        return count;
    }
};

double clicks(std::initializer_list<QAbstractButton *> buttons)
{
    return Bench::msOf([&] {
        for (QAbstractButton *button : buttons) {
            button->click();
            QCoreApplication::processEvents();
        }
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int entries = 1000;
    const QStringList args = app.arguments();
    const int runs = Bench::runsOf(args, 3);
    for (int i = 1; i < args.size(); i += 2) {
        const int value = i + 1 < args.size() ? args.at(i + 1).toInt() : 0;
        if (args.at(i) == QLatin1String("--entries") && value > 0)
            entries = value;
        else if (args.at(i) != QLatin1String("--runs") || value <= 0) {
            std::fprintf(stderr, "usage: bench_achievements [--entries N] [--runs N]\n");
            return 1;
        }
    }

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");
    Bench::Doubling filter(QStringLiteral("Filter by Sim, then Show All"), entries);
    Bench::Doubling holds(QStringLiteral("Show holds off and on"), entries);
    Bench::Doubling open(QStringLiteral("open, the tab in front"), entries);
    for (int size : filter.sizes) {
        const QString births = ListFile::fileName(listName("births", size));
        const QString held = ListFile::fileName(listName("holds", size));
        if (!SafeFile::write(births, listWithLog(size, birth))
            || !SafeFile::write(held, listWithLog(size, hold)))
            qFatal("cannot write the lists of %d entries", size);
    }

    Bench::guardBoxes();
    FILE *table = Bench::tableStream();
    for (int run = 0; run < runs; ++run) {
        for (int size : filter.sizes) {
            Window births;
            open.keep(size, births.open(listName("births", size), size));
            QAbstractButton *filterButton =
                Bench::buttonOf(births.page, QStringLiteral("Filter by Sim"));
            QAbstractButton *showAll = Bench::buttonOf(births.page, QStringLiteral("Show All"));
            filter.keep(size, clicks({filterButton, showAll}));
            if (births.shown() != size)
                qFatal("Show All shows %d of %d entries", births.shown(), size);

            Window held;
            held.open(listName("holds", size), size);
            QAbstractButton *showHolds = Bench::buttonOf(held.page, QStringLiteral("Show holds"));
            holds.keep(size, clicks({showHolds, showHolds}));
            if (held.shown() != size)
                qFatal("Show holds shows %d of %d entries", held.shown(), size);
        }
    }
    std::fprintf(table, "Best of %d runs; each doubling should take at most about 2.3 times as "
                        "long.\n", runs);
    std::fflush(table);
    Bench::print(table, {filter, holds, open});
    std::fclose(table);
    return 0;
}
