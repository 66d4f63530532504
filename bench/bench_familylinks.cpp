// Times the reading of one family-link line that names very many children
// and prints the time at two sizes and their ratio: reading a line should
// take time in proportion to its length, so ten times the children should
// take about ten times as long, not a hundred.
//
// usage: bench_familylinks [SMALL LARGE [SIMS]]
// The two numbers of children default to 10,000 and 100,000. The line names
// every child once and then every child again, as a damaged or crafted line
// might; each reading is applied to fresh records.
//
// It then reads a whole list of SIMS sims (20,000 by default) whose last
// family-link line names every other sim as a child, and the same list cut
// inside that line's last position, as a crash leaves it, and prints the
// ratio of the two: the box's guess at the children the cut digits may have
// named should cost about nothing, so the ratio should be about 1.

#include "BenchSheet.h"

#include "dialogs/SettingsLine.h"
#include "records/Codes.h"
#include "records/Console.h"
#include "records/HouseholdLine.h"
#include "records/Sim.h"
#include "sheet/Households.h"
#include "sheet/ListFile.h"
#include "sheet/Settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <limits>

namespace {

// The first sim's line: no spouse, then the positions 1 to `children`
// twice over.
QString lineOf(int children)
{
    QString line = QStringLiteral("-1");
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 1; i <= children; ++i)
            line += QLatin1Char(',') + QString::number(i);
    }
    return line;
}

// The best of `runs` readings, in milliseconds.
double bestReading(int children, int runs)
{
    const QString line = lineOf(children);
    double best = std::numeric_limits<double>::max();
    for (int r = 0; r < runs; ++r) {
        BenchSheet sheet(children + 1);
        QElapsedTimer timer;
        timer.start();
        sheet.sims.first()->familyLinksFromString(line, sheet.sims);
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        if (sheet.sims.first()->childCount() != children)
            qFatal("read %d children, not %d", sheet.sims.first()->childCount(), children);
    }
    return best;
}

// The list file of `count` sims whose last sim has every other sim as its
// child.
QByteArray listOfParent(int count)
{
    BenchSheet sheet(count);
    Sim *parent = sheet.sims.last();
    for (int i = 0; i + 1 < count; ++i)
        parent->addChild(sheet.sims.at(i));
    ListFile::Sections sections;
    sections.settingsLine = SettingsLine::format(Settings());
    // A line for every household of the sims, as the Households tab writes
    // it: a list without one is damaged.
    QStringList rows;
    for (const QString &household : Households::names(sheet.sims)) {
        if (!household.isEmpty()) {
            rows << HouseholdLine::format(household, SpecialHousehold::contains(household)
                                                         ? QString()
                                                         : QStringLiteral("No"));
        }
    }
    sections.households = rows.join(QLatin1String("\r\n"));
    return ListFile::write(sheet.sims, sections);
}

// The best of `runs` reads of a list file, in milliseconds.
double bestRead(const QByteArray &bytes, int runs, bool damaged)
{
    double best = std::numeric_limits<double>::max();
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        if (contents.damage.isEmpty() == damaged)
            qFatal("the list read %s", damaged ? "whole" : "damaged");
    }
    return best;
}

QString number(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int small = 10000;
    int large = 100000;
    int sims = 20000;
    if (argc >= 3) {
        small = QByteArray(argv[1]).toInt();
        large = QByteArray(argv[2]).toInt();
    }
    if (argc >= 4)
        sims = QByteArray(argv[3]).toInt();
    if (small < 1 || large < 1 || sims < 11 || argc == 2 || argc > 4) {
        Console::line(QStringLiteral("usage: bench_familylinks [SMALL LARGE [SIMS]]"));
        return 1;
    }
    const int runs = 3;
    const double smallMs = bestReading(small, runs);
    const double largeMs = bestReading(large, runs);
    Console::line(QStringLiteral("Family-link line naming each child twice, best of %1:").arg(runs));
    Console::line(QStringLiteral("  %1 children %2 ms, %3 children %4 ms")
                      .arg(small)
                      .arg(number(smallMs))
                      .arg(large)
                      .arg(number(largeMs)));
    Console::line(QStringLiteral("  ratio %1 / %2 children: %3 (size ratio %4)")
                      .arg(large)
                      .arg(small)
                      .arg(number(largeMs / smallMs))
                      .arg(number(double(large) / small)));

    // The last position keeps only its first digit, which starts the
    // positions of about a ninth of the sims.
    const QByteArray whole = listOfParent(sims);
    const QByteArray lastPosition = QByteArray::number(sims - 2);
    const QByteArray cut = whole.chopped(2 + lastPosition.size() - 1);
    const double wholeMs = bestRead(whole, runs, false);
    const double cutMs = bestRead(cut, runs, true);
    Console::line(QStringLiteral("List of %1 sims whose last line names every other sim as a "
                                 "child, best of %2:")
                      .arg(sims)
                      .arg(runs));
    Console::line(QStringLiteral("  whole %1 ms, cut inside its last position %2 ms")
                      .arg(number(wholeMs))
                      .arg(number(cutMs)));
    Console::line(QStringLiteral("  ratio cut / whole: %1").arg(number(cutMs / wholeMs)));
    return 0;
}
