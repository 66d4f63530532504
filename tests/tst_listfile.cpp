#include "events/UpdatePage.h"
#include "pages/AchievementsPage.h"
#include "pages/HouseholdPage.h"
#include "records/Codes.h"
#include "records/Console.h"
#include "sheet/FileText.h"
#include "sheet/DamageText.h"
#include "sheet/ListFile.h"
#include "sheet/ModelRows.h"
#include "sheet/SheetSims.h"
#include "support/Fixture.h"
#include "support/ListFixtures.h"
#include "support/CapturedStdout.h"
#include "support/DamagedList.h"
#include "support/SimNames.h"
#include "support/FailingDevice.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using Fixture::cutAfter;
using Fixture::withLine;
using Fixture::withLines;

// What the settings dialog writes with the default settings and no pack.
const QString kSettingsLine = QStringLiteral("1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,");

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(QStringLiteral("lists/") + name);
}

// The sheet's tabs that take part in a list file, over the sims of one
// sheet: an open fills them through the receiver, a save asks them for
// their sections.
class PagesSheet : public ListFile::Receiver
{
public:
    void clearSheet() override
    {
        sheet.clear();
        householdModel.removeRows(0, householdModel.rowCount());
        updatePage.clearEvents();
        updatePage.setSimList(sheet.sims());
        achievementsPage.clearEntries();
    }
    void takeSims(SimStore &store, const SimList &sims) override { sheet.replace(store, sims); }
    void rebuild() override
    {
        const ModelRows::SimRows rows = ModelRows::simRows(sheet.sims(), FilterMasks(), 1, 0);
        sheet.setRows(rows.rowToSim, ModelRows::nidSorted(sheet.sims()));
        updatePage.setSimList(sheet.sims());
        QList<ModelRows::HouseholdRow> previous;
        for (int r = 0; r < householdModel.rowCount(); ++r)
            previous.append({householdModel.item(r, 0)->text(), householdModel.item(r, 1)->text()});
        const auto households = ModelRows::householdRows(sheet.sims(), previous);
        householdModel.removeRows(0, householdModel.rowCount());
        for (const auto &row : households)
            householdModel.appendRow({new QStandardItem(row.name), new QStandardItem(row.played)});
        householdPage.setModel(&householdModel);
    }
    void loadUpdate(const QString &line) override { updatePage.loadEvent(line); }
    void loadAchievement(const QString &line) override
    {
        achievementsPage.loadEntry(sheet.sims(), line);
    }
    void loadHousehold(const QString &line) override { householdPage.loadHousehold(line); }

    void open(const QByteArray &bytes, int format)
    {
        ListFile::Contents contents = ListFile::read(bytes, format);
        ListFile::apply(contents, format, *this);
    }
    QByteArray save()
    {
        ListFile::Sections sections;
        sections.updates = updatePage.saveEvents();
        sections.achievements = achievementsPage.saveEntries(sheet.sims());
        sections.settingsLine = kSettingsLine;
        sections.households = householdPage.saveHouseholds();
        return ListFile::write(sheet.sims(), sections);
    }

    SheetSims sheet;
    QStandardItemModel householdModel{0, 2};
    UpdatePage updatePage{SimList()};
    AchievementsPage achievementsPage;
    HouseholdPage householdPage;
};

// Opens the bytes on a fresh sheet and saves it again; quiet on stdout.
QByteArray openAndSave(const QByteArray &bytes, int format)
{
    CapturedStdout quiet;
    PagesSheet pages;
    pages.open(bytes, format);
    return pages.save();
}

// Writes each call an open makes to standard output, so that the calls and
// the progress lines show in one order.
class RecordingReceiver : public ListFile::Receiver
{
public:
    void clearSheet() override { Console::line("clear"); }
    void takeSims(SimStore &store, const SimList &sims) override
    {
        Console::line(QStringLiteral("sims %1").arg(sims.size()));
        kept.takeAll(store);
    }
    void rebuild() override { Console::line("rebuild"); }
    void loadUpdate(const QString &line) override { Console::line("update " + line); }
    void loadAchievement(const QString &line) override { Console::line("achievement " + line); }
    void loadHousehold(const QString &line) override { Console::line("household " + line); }

    SimStore kept;
};

QStringList linesOf(const SimList &sims)
{
    QStringList lines;
    for (const auto &sim : sims)
        lines << sim->toString() + " | " + sim->familyLinksToString(sims);
    return lines;
}


// One change to a well-formed list, as a crash, a full disk, a hand edit or
// the wrong version in the list dialog leaves it.
struct Mutant
{
    QString name;
    QString section; // where the change falls in the list as written
    QString kind;
    QByteArray bytes;
    int format;
    // Loses or changes something, so it cannot open to the same sheet.
    bool mustBox = false;
};

// The lines of a file with CR LF line ends, without them.
QList<QByteArray> crlfLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1);
    return lines;
}

QByteArray crlfJoined(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// The section each line of a well-formed list belongs to, as its version
// reads it; the empty line that ends a section is its "end".
QStringList sectionsOfLines(const QList<QByteArray> &lines, int format)
{
    QStringList out;
    const qsizetype n = lines.size();
    const auto take = [&](const QString &section) {
        while (out.size() < n && !lines.at(out.size()).isEmpty())
            out << section;
        if (out.size() < n)
            out << section + " end";
    };
    take("sims");
    take("updates");
    take("log");
    if (out.size() < n)
        out << "settings line";
    if (format > 0)
        take("households");
    while (format > 2 && out.size() < n)
        out << "family links";
    while (out.size() < n)
        out << "after the end";
    return out;
}

// Whether a family-link line names this position, as spouse or child.
bool namesPosition(const QByteArray &line, int position)
{
    return line.split(',').contains(QByteArray::number(position));
}

const QString kStrayPosition = QStringLiteral("position naming no sim");

// A 0.5 list of sims S0, S1, ..., all of household H, with the given
// family-link lines; the last one without its line end when `cut`.
QByteArray madeList(int sims, const QList<QByteArray> &links, bool cut = false)
{
    QByteArray bytes;
    for (int i = 0; i < sims; ++i)
        bytes += "\"S" + QByteArray::number(i) + "\",-1,20,1,(0,0),\"H\",0,\"\",0,1,7,0,0,0,,\r\n";
    bytes += "\r\n\r\n\r\n" + kSettingsLine.toLatin1() + "\r\nH,No\r\n\r\n";
    bytes += links.join("\r\n");
    if (!cut)
        bytes += "\r\n";
    return bytes;
}

// The number of a part as the writer writes it: its digits between the
// parentheses of an aspiration period or a lifetime want, as in "(8", "0)"
// and "4))". Empty for a part that holds no number.
QByteArray numberIn(const QByteArray &part, qsizetype *at)
{
    static const QRegularExpression number(QStringLiteral("^\\(*(-?[0-9]+)\\)*$"));
    const QRegularExpressionMatch match = number.match(QString::fromLatin1(part));
    if (!match.hasMatch())
        return QByteArray();
    *at = match.capturedStart(1);
    return match.captured(1).toLatin1();
}

// Each line lost, repeated, swapped with the next and with an empty line
// before it; each family-link position made one that names no sim; an
// empty line at the end; a cut after each byte of the last three lines;
// and the list read as each other version.
QList<Mutant> mutantsOf(const QByteArray &bytes, int format)
{
    const QList<QByteArray> lines = crlfLines(bytes);
    const QStringList sections = sectionsOfLines(lines, format);
    const int firstLinkLine = int(sections.indexOf("family links"));
    QList<Mutant> out;
    const auto add = [&](int line, const QString &kind, const QByteArray &changed) {
        const QString section = line < lines.size() ? sections.at(line) : "after the end";
        out.append({QStringLiteral("line %1 (%2) %3").arg(line).arg(section, kind), section, kind,
                    changed, format});
    };
    for (int k = 0; k <= lines.size(); ++k) {
        QList<QByteArray> changed = lines;
        changed.insert(k, QByteArray());
        add(k, "empty line before", crlfJoined(changed));
        if (k == lines.size())
            break;
        changed = lines;
        changed.removeAt(k);
        add(k, "lost", crlfJoined(changed));
        // Only a special household's line, which holds no mark, may go
        // without a loss.
        if (sections.at(k) == "households") {
            const QByteArray &line = lines.at(k);
            out.last().mustBox = !line.endsWith(',')
                || !SpecialHousehold::contains(QString::fromUtf8(line.chopped(1)));
        }
        changed = lines;
        changed.insert(k, lines.at(k));
        add(k, "repeated", crlfJoined(changed));
        if (k + 1 < lines.size()) {
            changed = lines;
            changed.swapItemsAt(k, k + 1);
            // Two family-link lines swapped, as a couple's are, may leave a
            // line naming its own sim.
            const bool namesItself = sections.at(k) == "family links"
                && (namesPosition(changed.at(k), k - firstLinkLine)
                    || namesPosition(changed.at(k + 1), k + 1 - firstLinkLine));
            add(k, namesItself ? "swapped with the next, naming itself" : "swapped with the next",
                crlfJoined(changed));
        }
    }
    // Each position of each family-link line replaced by one that names no
    // sim: the sim count, past it, and below -1, as a changed digit or a
    // hand edit leaves it.
    const int sims = int(sections.count("sims"));
    for (int k = firstLinkLine; k >= 0 && k < lines.size(); ++k) {
        const QList<QByteArray> parts = lines.at(k).split(',');
        for (int j = 0; j < parts.size(); ++j) {
            for (const int stray : {sims, sims + 7, -2}) {
                QList<QByteArray> changedParts = parts;
                changedParts[j] = QByteArray::number(stray);
                QList<QByteArray> changed = lines;
                changed[k] = changedParts.join(',');
                add(k, kStrayPosition, crlfJoined(changed));
                out.last().name += QStringLiteral(": position %1 made %2").arg(j).arg(stray);
            }
        }
    }
    // Each number part of each line the reader reads given a form the
    // writer never writes: a leading zero, a trailing blank, and -0 for -1.
    // The settings line is never read back.
    for (int k = 0; k < lines.size(); ++k) {
        if (sections.at(k) == "settings line" || sections.at(k) == "after the end")
            continue;
        QList<QByteArray> parts = lines.at(k).split(',');
        // The notes are free text, and so are the image path before them.
        const int numbered = sections.at(k) == "sims" ? int(parts.size()) - 2 : int(parts.size());
        for (int j = 0; j < numbered; ++j) {
            qsizetype at = 0;
            const QByteArray number = numberIn(parts.at(j), &at);
            if (number.isEmpty())
                continue;
            QList<QByteArray> forms;
            forms << (number.startsWith('-') ? "-0" + number.mid(1) : "0" + number) << number + " ";
            if (number == "-1")
                forms << "-0";
            for (const QByteArray &form : std::as_const(forms)) {
                QList<QByteArray> changedParts = parts;
                changedParts[j].replace(at, number.size(), form);
                QList<QByteArray> changed = lines;
                changed[k] = changedParts.join(',');
                add(k, "number in another form", crlfJoined(changed));
                out.last().mustBox = true;
                out.last().name += QStringLiteral(": part %1 made \"%2\"")
                                       .arg(j)
                                       .arg(QString::fromLatin1(changedParts.at(j)));
            }
        }
    }
    // One byte that is not UTF-8 in each line of a list that holds UTF-8
    // letters, after its first byte, as in a name or a sentence.
    const bool utf8Letters = std::any_of(bytes.begin(), bytes.end(),
                                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    for (int k = 0; utf8Letters && k < lines.size(); ++k) {
        if (lines.at(k).isEmpty())
            continue;
        QList<QByteArray> changed = lines;
        changed[k].insert(1, '\xFF');
        add(k, "a byte that is not UTF-8", crlfJoined(changed));
        out.last().mustBox = true;
    }
    // On the only line with UTF-8 letters, a byte 0xFF put in or over each
    // byte in turn: while one of its letters is whole, the file shows it is
    // UTF-8, and the bad byte is damage. One that breaks every letter
    // leaves nothing to tell the file from Windows-1252 text.
    QList<int> highLines;
    for (int k = 0; k < lines.size(); ++k) {
        if (std::any_of(lines.at(k).begin(), lines.at(k).end(),
                        [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            highLines << k;
    }
    if (highLines.size() == 1) {
        const int k = highLines.first();
        const QByteArray &line = lines.at(k);
        // Where each letter starts and ends.
        QList<QPair<qsizetype, qsizetype>> letters;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line.at(i));
            if (byte >= 0xC0)
                letters.append({i, i + (byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2)});
        }
        for (qsizetype at = 0; at <= line.size(); ++at) {
            for (const bool over : {false, true}) {
                if (over && at == line.size())
                    continue;
                const bool oneWhole = std::any_of(letters.begin(), letters.end(), [&](const auto &l) {
                    return over ? at < l.first || at >= l.second : at <= l.first || at >= l.second;
                });
                if (!oneWhole)
                    continue;
                QList<QByteArray> changed = lines;
                if (over)
                    changed[k][at] = '\xFF';
                else
                    changed[k].insert(at, '\xFF');
                add(k, "a byte that is not UTF-8", crlfJoined(changed));
                out.last().mustBox = true;
                out.last().name += QStringLiteral(" %1 byte %2").arg(over ? "over" : "before").arg(at);
            }
        }
    }
    const int lastLines = qMax(0, int(lines.size()) - 3);
    qsizetype start = Fixture::cutAfter(bytes, lastLines).size();
    for (qsizetype kept = start; kept < bytes.size(); ++kept) {
        const QByteArray cut = bytes.left(kept);
        const int line = int(cut.count('\n') - (cut.endsWith('\n') ? 1 : 0));
        // A cut before the line end keeps the line's text whole.
        const char next = bytes.at(kept);
        add(line,
            cut.endsWith('\n')                ? "cut after its line end"
                : next == '\r' || next == '\n' ? "cut before its line end"
                                               : "cut inside",
            cut);
        out.last().name += QStringLiteral(" at byte %1").arg(kept);
    }
    for (int other = 0; other <= 4; ++other) {
        if (other != format) {
            out.append({"read as " + ListFile::versionName(other), "whole list",
                        "read as another version", bytes, other});
        }
    }
    return out;
}

// What the list format cannot show: changes that leave a list that is
// itself well-formed, so that no reader can tell it from one the program
// wrote. The versions are format indexes.
struct Undetectable
{
    const char *section;
    const char *kind;
    QList<int> formats;
};

const Undetectable kUndetectable[] = {
    // Pending updates and the log: any number of lines in any order is a
    // list; the last update swapped with the section's end joins the log.
    {"updates", "lost", {0, 1, 2, 3, 4}},
    {"updates", "repeated", {0, 1, 2, 3, 4}},
    {"updates", "swapped with the next", {0, 1, 2, 3, 4}},
    {"log", "lost", {0, 1, 2, 3, 4}},
    {"log", "repeated", {0, 1, 2, 3, 4}},
    {"log", "swapped with the next", {0, 1, 2, 3, 4}},
    {"updates end", "swapped with the next", {0, 1, 2, 3, 4}},
    // Sims are found by position only.
    {"sims", "swapped with the next", {0, 1, 2, 3, 4}},
    // Two family-link lines swapped may name neither sim itself; a spouse
    // link then held by one side is let go, as an older list's are.
    {"family links", "swapped with the next", {3, 4}},
    // Without family-link lines nothing counts the sims.
    {"sims", "lost", {0, 1, 2}},
    {"sims", "repeated", {0, 1, 2}},
};

bool undetectable(const Mutant &mutant)
{
    for (const Undetectable &kind : kUndetectable) {
        if (mutant.section == QLatin1String(kind.section)
            && mutant.kind == QLatin1String(kind.kind) && kind.formats.contains(mutant.format))
            return true;
    }
    return false;
}

QString sectionText(const ListFile::Damage &damage)
{
    if (!damage.endedEarly)
        return QString();
    static const char *const names[] = {"sims", "updates", "achievements", "settings line",
                                        "households", "family links"};
    return QLatin1String(names[int(damage.endedIn)]);
}

} // namespace

// The list file: its sections in every format version, the bytes written,
// and reads that fail without touching the sheet.
class TestListFile : public QObject
{
    Q_OBJECT

private slots:
    void namesAndMessages()
    {
        QCOMPARE(ListFile::fileName("Pleasantview"), QString("Pleasantview.sls"));
        QCOMPARE(ListFile::fileName("a.sls"), QString("a.sls.sls"));
        QCOMPARE(ListFile::fileName(ListFile::backupName("Town")), QString("Town.bak.sls"));
        QCOMPARE(ListFile::fileName(ListFile::backupName(ListFile::backupName("Town"))),
                 QString("Town.bak.bak.sls"));
        QCOMPARE(ListFile::readFailedMessage(), QString("Cannot read file."));
        QCOMPARE(ListFile::writeFailedMessage(), QString("Cannot write file."));
    }

    // Each version opened with its format index and saved gives the
    // golden 0.5 file, which itself opens and saves to the same bytes.
    void goldenFiles_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty sheet") << "empty.sls" << 4 << "empty.sls";
        QTest::newRow("0.1") << "v01.sls" << 0 << "v01.saved.sls";
        QTest::newRow("0.2") << "v02.sls" << 1 << "v02.saved.sls";
        QTest::newRow("0.3") << "v03.sls" << 2 << "v03.saved.sls";
        QTest::newRow("0.4") << "v04.sls" << 3 << "v04.saved.sls";
        QTest::newRow("0.5") << "v05.sls" << 4 << "v05.sls";
    }
    void goldenFiles()
    {
        QFETCH(QString, input);
        QFETCH(int, format);
        QFETCH(QString, expected);
        const QByteArray saved = openAndSave(fixture(input), format);
        QCOMPARE(saved, fixture(expected));
        QCOMPARE(openAndSave(saved, 4), saved);
    }

    void emptySheetBytes()
    {
        ListFile::Sections sections;
        sections.settingsLine = kSettingsLine;
        QCOMPARE(ListFile::write(SimList(), sections),
                 QByteArray("\r\n\r\n\r\n") + kSettingsLine.toUtf8() + "\r\n\r\n");
    }

    // What tells whether a sheet changed: the same bytes with an empty
    // settings line, made from the same text.
    void bytesWithoutTheSettingsLine()
    {
        CapturedStdout quiet;
        PagesSheet pages;
        pages.open(fixture("v05.sls"), 4);
        ListFile::Sections sections;
        sections.updates = pages.updatePage.saveEvents();
        sections.achievements = pages.achievementsPage.saveEntries(pages.sheet.sims());
        sections.households = pages.householdPage.saveHouseholds();
        const QByteArray bare = ListFile::write(pages.sheet.sims(), sections);
        sections.settingsLine = kSettingsLine;
        QByteArray without;
        QCOMPARE(ListFile::write(pages.sheet.sims(), sections, &without), fixture("v05.sls"));
        QCOMPARE(without, bare);
    }

    void sectionsReadByFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("households");
        QTest::addColumn<bool>("links");
        QTest::newRow("0.1") << 0 << false << false;
        QTest::newRow("0.2") << 1 << true << false;
        QTest::newRow("0.3") << 2 << true << false;
        QTest::newRow("0.4") << 3 << true << true;
        QTest::newRow("0.5") << 4 << true << true;
        QTest::newRow("unknown index reads as 0.5") << 9 << true << true;
    }
    void sectionsReadByFormat()
    {
        QFETCH(int, format);
        QFETCH(bool, households);
        QFETCH(bool, links);
        const ListFile::Contents contents = ListFile::read(fixture("v05.sls"), format);
        QCOMPARE(contents.sims.size(), 7);
        QCOMPARE(contents.updateLines.size(), 2);
        QCOMPARE(contents.achievementLines.size(), 2);
        QCOMPARE(contents.settingsLine, kSettingsLine);
        QCOMPARE(contents.householdLines.size(), households ? 5 : 0);
        QCOMPARE(contents.sims.at(0)->spouse().data(), links ? contents.sims.at(1).data() : nullptr);
        QCOMPARE(contents.sims.at(2)->parent2().data(), links ? contents.sims.at(1).data() : nullptr);
    }

    void sectionsEndAtEmptyLinesAndAtTheEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("sims");
        QTest::addColumn<QStringList>("updates");
        QTest::addColumn<QStringList>("households");
        QTest::addColumn<QString>("firstLinks");

        const QByteArray sim = "\"Ann\",-1,40,2,(1,0),\"A\",0,\"\",0,1,7,0,0,0,,\r\n";
        const QByteArray settings = "1,1,2,0,5,1,1,1,\r\n";
        const QByteArray two = sim + "\"Bo\",-1,40,1,(1,0),\"A\",0,\"\",0,1,7,0,0,0,,\r\n";
        QTest::newRow("no bytes") << QByteArray() << 0 << QStringList() << QStringList() << "-1";
        QTest::newRow("sims only, no line end") << sim.left(sim.size() - 2) << 1 << QStringList()
                                                << QStringList() << "-1";
        QTest::newRow("cut after the updates")
            << two + "\r\n\"Up\",0,-1\r\n" << 2 << QStringList{"\"Up\",0,-1"} << QStringList() << "-1";
        QTest::newRow("households then links")
            << two + "\r\n\r\n\r\n" + settings + "A,No\r\n\r\n1\r\n0\r\n" << 2 << QStringList()
            << QStringList{"A,No"} << "1";
        QTest::newRow("two empty lines after the settings line: no links")
            << two + "\r\n\r\n\r\n" + settings + "\r\n\r\n1\r\n0\r\n" << 2 << QStringList() << QStringList()
            << "-1";
        QTest::newRow("surplus link lines are not read")
            << two + "\r\n\r\n\r\n" + settings + "\r\n1\r\n0\r\n0,1\r\n" << 2 << QStringList() << QStringList()
            << "1";
        QTest::newRow("fewer link lines")
            << two + "\r\n\r\n\r\n" + settings + "\r\n-1,1\r\n" << 2 << QStringList() << QStringList() << "-1,1";
    }
    void sectionsEndAtEmptyLinesAndAtTheEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, sims);
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        QCOMPARE(contents.sims.size(), sims);
        QTEST(contents.updateLines, "updates");
        QTEST(contents.householdLines, "households");
        if (sims > 0)
            QTEST(contents.sims.at(0)->familyLinksToString(contents.sims), "firstLinks");
    }

    // What a read could not take from a file. v05.sls holds 7 sims (lines
    // 0-6), updates at 8-9, achievements at 11-12, the settings line at 14,
    // households at 15-19 and the family links at 21-27; v04.sls 4 sims, the
    // settings line at 8 and the links at 12-15; v02.sls the settings line at
    // 10 and households at 11-13; v01.sls the settings line at 10.
    void damageIsReported_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("endedIn");
        QTest::addColumn<int>("linkLines");
        QTest::addColumn<QList<int>>("unreadable");
        const QByteArray v05 = fixture("v05.sls");
        const QList<int> none(ListFile::kSectionCount, 0);

        // Whole files, in every version and with every line end, say nothing.
        QTest::newRow("0.1") << fixture("v01.sls") << 0 << "" << 0 << none;
        QTest::newRow("0.2") << fixture("v02.sls") << 1 << "" << 0 << none;
        QTest::newRow("0.3") << fixture("v03.sls") << 2 << "" << 0 << none;
        QTest::newRow("0.4") << fixture("v04.sls") << 3 << "" << 4 << none;
        QTest::newRow("0.5") << v05 << 4 << "" << 7 << none;
        QTest::newRow("empty sheet") << fixture("empty.sls") << 4 << "" << 0 << none;
        QTest::newRow("LF") << QByteArray(v05).replace("\r\n", "\n") << 4 << "" << 7 << none;
        QTest::newRow("CR CR LF") << QByteArray(v05).replace("\r\n", "\r\r\n") << 4 << "" << 7
                                  << none;
        for (const ListFixtures::WellFormed &list : ListFixtures::wellFormed()) {
            QTest::addRow("%s", qPrintable(list.name))
                << list.bytes << list.format << "" << (list.format > 2 ? list.sims : 0) << none;
        }
        // The last section a format reads may end with the file.
        QTest::newRow("0.2 without the households' empty line")
            << cutAfter(fixture("v02.sls"), 14) << 1 << "" << 0 << none;
        QTest::newRow("0.1 without a settings line") << cutAfter(fixture("v01.sls"), 10) << 0 << ""
                                                     << 0 << none;
        // 0.1 reads nothing after its settings line, so a cut there loses nothing.
        QTest::newRow("0.1 cut inside its settings line")
            << cutAfter(fixture("v01.sls"), 10, 5) << 0 << "" << 0 << none;

        QTest::newRow("no bytes") << QByteArray() << 4 << "sims" << 0 << none;
        QTest::newRow("cut inside a sim") << cutAfter(v05, 2, 10) << 4 << "sims" << 0
                                          << QList<int>{1, 0, 0, 0, 0, 0};
        QTest::newRow("cut after the sims") << cutAfter(v05, 8) << 4 << "updates" << 0 << none;
        QTest::newRow("cut in the updates") << cutAfter(v05, 9) << 4 << "updates" << 0 << none;
        QTest::newRow("cut in the achievements") << cutAfter(v05, 12) << 4 << "achievements" << 0
                                                 << none;
        QTest::newRow("cut before the settings line") << cutAfter(v05, 14) << 4 << "settings line"
                                                      << 0 << none;
        QTest::newRow("cut inside the settings line")
            << cutAfter(v05, 14, 10) << 4 << "settings line" << 0 << none;
        QTest::newRow("0.2 cut inside its settings line")
            << cutAfter(fixture("v02.sls"), 10, 5) << 1 << "settings line" << 0 << none;
        QTest::newRow("0.3 cut inside its settings line")
            << cutAfter(fixture("v03.sls"), 8, 7) << 2 << "settings line" << 0 << none;
        QTest::newRow("0.4 cut inside its settings line")
            << cutAfter(fixture("v04.sls"), 8, 7) << 3 << "settings line" << 0 << none;
        QTest::newRow("no sims, cut inside the settings line")
            << cutAfter(fixture("empty.sls"), 3, 9) << 4 << "settings line" << 0 << none;
        QTest::newRow("no sims, cut before the settings line")
            << cutAfter(fixture("empty.sls"), 3) << 4 << "settings line" << 0 << none;
        QTest::newRow("cut in the households") << cutAfter(v05, 17) << 4 << "households" << 0
                                               << none;
        QTest::newRow("no family links") << cutAfter(v05, 21) << 4 << "family links" << 0 << none;
        QTest::newRow("fewer family links") << cutAfter(fixture("v04.sls"), 14) << 3
                                            << "family links" << 2 << none;
        QTest::newRow("an empty line among the links")
            << withLine(v05, 24, "") << 4 << "family links" << 3 << none;
        // A lost or repeated line leaves more link lines than sims: read by
        // position, they would join the wrong sims.
        QTest::newRow("lost first sim line") << withLines(v05, 0, {}) << 4 << "" << 7 << none;
        // Its pending update names the last sim, which is now past the end.
        QTest::newRow("lost first sim line, 0.4") << withLines(fixture("v04.sls"), 0, {}) << 3 << ""
                                                  << 4 << QList<int>{0, 1, 0, 0, 0, 0};
        QTest::newRow("repeated link line")
            << withLines(v05, 22, {"0,2", "0,2"}) << 4 << "" << 8 << none;
        QTest::newRow("one link line more, at the end") << v05 + "-1\r\n" << 4 << "" << 8 << none;
        const QByteArray rex = v05.split('\n').at(6).chopped(1);
        QTest::newRow("repeated sim line") << withLines(v05, 6, {rex, rex}) << 4
                                           << "family links" << 7 << none;
        QTest::newRow("no sims, one link line")
            << fixture("empty.sls") + "-1\r\n" << 4 << "" << 1 << none;

        // A number field that holds anything but a whole number makes its
        // line unreadable, in every section and version.
        const QList<int> oneSim{1, 0, 0, 0, 0, 0};
        for (const ListFixtures::Garbled &field : ListFixtures::garbledSimLines()) {
            QTest::addRow("%s", qPrintable(field.name))
                << field.bytes << field.format << "" << (field.format > 2 ? field.sims : 0)
                << oneSim;
        }
        QTest::newRow("update position l")
            << withLine(v05, 8, "\"Ada Brook had a baby girl named Dee Brook on day 1.\",0,l") << 4
            << "" << 7 << QList<int>{0, 1, 0, 0, 0, 0};
        QTest::newRow("first update position empty")
            << withLine(v05, 9, "\"Ada Brook had a baby girl named Dee Brook on day 1.\",,-1") << 4
            << "" << 7 << QList<int>{0, 1, 0, 0, 0, 0};
        QTest::newRow("achievement position too large")
            << withLine(v05, 11, "\"Ben Brook became a vampire.\",99999999999,-1") << 4 << ""
            << 7 << QList<int>{0, 0, 1, 0, 0, 0};
        QTest::newRow("0.1 achievement position O")
            << withLine(fixture("v01.sls"), 7,
                        "\"Cy Brook grew up well after six PM (eleven AM for pets). "
                        "(Aspiration: Same)\",2,-O")
            << 0 << "" << 0 << QList<int>{0, 0, 1, 0, 0, 0};
        QTest::newRow("link position O") << withLine(v05, 21, "1,O") << 4 << "" << 7
                                         << QList<int>{0, 0, 0, 0, 0, 1};
        // A position that is neither -1 nor one of the list's sims names
        // nobody: what a lost sim line leaves in versions without link lines.
        const QByteArray v02 = fixture("v02.sls");
        QTest::newRow("0.2 update naming a sim past the last")
            << withLine(v02, 6, "\"Ada Brook, Ben Brook and Cy Brook are on hold for 2 rotations.\",5,-1")
            << 1 << "" << 0 << QList<int>{0, 1, 0, 0, 0, 0};
        QTest::newRow("0.2 sim line lost before the log line naming the last sim")
            << withLines(withLine(v02, 8, "\"Gus Ghost became a vampire.\",4,-1"), 4, {}) << 1 << ""
            << 0 << QList<int>{0, 0, 1, 0, 0, 0};
        QTest::newRow("0.1 log position -2")
            << withLine(fixture("v01.sls"), 8, "\"" + QByteArray(40, '-') + "\",-2,-1") << 0 << ""
            << 0 << QList<int>{0, 0, 1, 0, 0, 0};
        QTest::newRow("second update position 7 of 7")
            << withLine(v05, 8, "\"Ada Brook had a baby girl named Dee Brook on day 1.\",0,7") << 4
            << "" << 7 << QList<int>{0, 1, 0, 0, 0, 0};
        // A played mark is "Yes", "No", or nothing for a special household;
        // a 0.2 or 0.3 list cut inside its last households row shows others.
        const QList<int> oneHousehold{0, 0, 0, 0, 1, 0};
        QTest::newRow("0.2 mark cut to Ye") << cutAfter(v02, 12, 8) << 1 << "" << 0 << oneHousehold;
        QTest::newRow("0.3 mark cut to N") << cutAfter(fixture("v03.sls"), 9, 7) << 2 << "" << 0
                                           << oneHousehold;
        QTest::newRow("0.2 empty mark of a playable household")
            << withLine(v02, 12, "Brook,") << 1 << "" << 0 << oneHousehold;
        QTest::newRow("0.5 mark maybe") << withLine(v05, 17, "Dorm,maybe") << 4 << "" << 7
                                        << oneHousehold;
        QTest::newRow("0.5 special household marked yes in lower case")
            << withLine(v05, 18, "Runaways,yes") << 4 << "" << 7 << oneHousehold;

        QByteArray lines = withLine(v05, 2, "\"Cy Brook\",103,8");
        lines = withLine(lines, 8, "garbage");
        lines = withLine(lines, 12, "no quotes,1,2");
        lines = withLine(lines, 17, "Dorm No");
        lines = withLine(lines, 22, "0,x");
        QTest::newRow("unreadable lines") << lines << 4 << "" << 7 << QList<int>{1, 1, 1, 0, 1, 1};
    }
    void damageIsReported()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        QFETCH(QString, endedIn);
        QFETCH(QList<int>, unreadable);
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(bytes, format);
        const ListFile::Damage &damage = contents.damage;
        QCOMPARE(sectionText(damage), endedIn);
        QCOMPARE(QList<int>(std::begin(damage.unreadable), std::end(damage.unreadable)), unreadable);
        QFETCH(int, linkLines);
        const bool moreLinks = format > 2 && linkLines > contents.sims.size();
        QCOMPARE(damage.isEmpty(), endedIn.isEmpty() && !unreadable.contains(1) && !moreLinks);
        // None of these lost or repeated the lines around the settings line,
        // ends inside a family-link line or links a sim to its own ancestor.
        QVERIFY(!damage.settingsLineMisplaced);
        QCOMPARE(damage.cutLinkLineOf, QString());
        QCOMPARE(damage.loopLinks.size(), 0);
        if (format > 2)
            QCOMPARE(damage.linkLines, linkLines);
    }

    // Lists that lost or repeated a line around the settings line, that end
    // inside a family-link line, whose links name a sim itself or make a sim
    // its own ancestor are damaged; what is read of them takes no link it
    // cannot trust. "links" is every sim's family-link line as the sheet
    // read would write it; "cutGoes" the sims whose link goes with a cut
    // position (its spouse's, or the children it may have named); "self"
    // the links naming their own sim, as sim:spouse or sim:child with the
    // sims whose marriage goes with it; "loops" the parent links not taken,
    // as parent>child.
    void linesLostOrMisplacedAreDamage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("misplaced");
        QTest::addColumn<QString>("cutOf");
        QTest::addColumn<QStringList>("cutGoes");
        QTest::addColumn<QStringList>("self");
        QTest::addColumn<QStringList>("loops");
        QTest::addColumn<QString>("links");
        const QByteArray v05 = fixture("v05.sls");
        const QByteArray married = fixture("moss-married.sls");
        const QByteArray parent = fixture("moss-parent.sls");
        const QString brooks = "1,2|0,2|-1|-1|-1|-1|-1|";
        const QString none = "-1|-1|-1|-1|-1|-1|-1";
        const QStringList no;

        QTest::newRow("couple's last line cut, 10 to 1")
            << married.chopped(3) << 4 << false << "Ida Moss" << QStringList{"Hal Moss"} << no
            << no << brooks + "8,9|7,9|-1|-1|-1";
        QTest::newRow("last line cut, -1,10 to -1,1")
            << parent.chopped(3) << 4 << false << "Ida Moss"
            << QStringList{"Ben Brook", "Hal Moss"} << no << no << brooks + "8,9|7,9|-1|-1|-1";
        QTest::newRow("last line cut, -1,1,10 to -1,1,1")
            << parent.chopped(4) + "1,1" << 4 << false << "Ida Moss" << QStringList{"Hal Moss"}
            << no << no << brooks + "8,9|7,9|-1|-1|-1,1";
        QTest::newRow("last line cut after a whole position")
            << cutAfter(parent, 38) + "-1,10," << 4 << false << "Ida Moss" << no << no << no
            << brooks + "8,9|7,9|-1|-1|-1,10";
        QTest::newRow("0.4 without its last line end")
            << fixture("v04.sls").chopped(2) << 3 << false << "Sue Study" << no << no << no
            << "1,2|0,2|-1|-1";
        QTest::newRow("cut inside the line of a sim before the last")
            << cutAfter(v05, 22, 1) << 4 << false << "Ben Brook" << QStringList{"Ada Brook"} << no
            << no << "-1,2|-1|-1|-1|-1|-1|-1";
        QTest::newRow("cut right after a comma, 0,2 to 0,")
            << cutAfter(v05, 22, 2) << 4 << false << "Ben Brook" << no << no << no
            << "1,2|0|-1|-1|-1|-1|-1";

        const QByteArray noAchievements = withLines(withLines(v05, 12, {}), 11, {});
        QTest::newRow("0.5 empty line after the sims repeated, no achievements")
            << withLines(noAchievements, 7, {"", ""}) << 4 << true << "" << no << no << no << none;
        QTest::newRow("0.5 empty line after the sims repeated")
            << withLines(v05, 7, {"", ""}) << 4 << true << "" << no << no << no << none;
        QTest::newRow("0.5 settings line lost")
            << withLines(v05, 14, {}) << 4 << true << "" << no << no << no << none;
        QTest::newRow("0.4 settings line lost") << withLines(fixture("v04.sls"), 8, {}) << 3 << true
                                                << "" << no << no << no << "-1|-1|-1|-1";
        QTest::newRow("0.3 empty line after the sims repeated")
            << withLines(fixture("v03.sls"), 4, {"", ""}) << 2 << true << "" << no << no << no << "";
        QTest::newRow("0.2 settings line lost")
            << withLines(fixture("v02.sls"), 10, {}) << 1 << true << "" << no << no << no << "";
        QTest::newRow("0.1 empty line after the sims repeated")
            << withLines(fixture("v01.sls"), 4, {"", ""}) << 0 << true << "" << no << no << no << "";

        // Kai Moss (line 34, "8,9") and Lia Moss (line 35, "7,9") are married
        // with a son, Max Moss.
        const QString mosses = brooks + "%1|%2|-1|11|10";
        QTest::newRow("a couple's lines swapped")
            << withLine(withLine(married, 34, "7,9"), 35, "8,9") << 4 << false << "" << no
            << QStringList{"Kai Moss:spouse", "Lia Moss:spouse"} << no
            << mosses.arg("-1,9", "-1,9");
        QTest::newRow("a line naming its own sim as spouse")
            << withLine(married, 34, "7,9") << 4 << false << "" << no
            << QStringList{"Kai Moss:spouse Lia Moss"} << no << mosses.arg("-1,9", "-1,9");
        QTest::newRow("a line naming its own sim among the children")
            << withLine(married, 36, "-1,9") << 4 << false << "" << no
            << QStringList{"Max Moss:child"} << no << mosses.arg("8,9", "7,9");
        QTest::newRow("two sims, each the other's child")
            << fixture("loop-two.sls") << 4 << false << "" << no << no
            << QStringList{"Bea Oak>Ann Oak"} << "-1,1|-1";
        QTest::newRow("a child that lists its mother")
            << withLine(v05, 23, "-1,0") << 4 << false << "" << no << no
            << QStringList{"Cy Brook>Ada Brook"} << brooks.chopped(1);
        QTest::newRow("three generations in a circle")
            << withLine(withLine(married, 36, "-1,10"), 37, "11,7") << 4 << false << "" << no << no
            << QStringList{"Hal Moss>Kai Moss"} << brooks + "8,9|7,9|-1,10|11|10";
    }
    void linesLostOrMisplacedAreDamage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(bytes, format);
        const ListFile::Damage &damage = contents.damage;
        QVERIFY(!damage.isEmpty());
        QTEST(damage.settingsLineMisplaced, "misplaced");
        QTEST(damage.cutLinkLineOf, "cutOf");
        QTEST(damage.cutMarriedTo + damage.cutChildOneOf, "cutGoes");
        QStringList self;
        for (const ListFile::Damage::SelfLink &link : damage.selfLinks) {
            self << link.sim + (link.asSpouse ? ":spouse" : ":child")
                    + (link.marriedTo.isEmpty() ? QString() : " " + link.marriedTo.join(','));
        }
        QTEST(self, "self");
        QStringList loops;
        for (const auto &[parentName, childName] : damage.loopLinks)
            loops << parentName + ">" + childName;
        QTEST(loops, "loops");
        QStringList links;
        if (format > 2) {
            for (const QPointer<Sim> &sim : contents.sims)
                links << sim->familyLinksToString(contents.sims);
        }
        QTEST(links.join('|'), "links");
        // What follows a misplaced settings line is not read: its lines
        // would land in the wrong sections.
        if (damage.settingsLineMisplaced)
            QCOMPARE(contents.householdLines, QStringList());
    }

    // A family-link position that names no sim of the list, neither -1 nor
    // a sim's position, is damage: the part is left out, the rest of the
    // line is read, and a marriage the other side holds goes with a spouse
    // part. "stray" lists them as sim:spouse or sim:child, the positions,
    // and the sims whose marriage goes with it.
    void positionsNamingNoSimAreDamage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("stray");
        QTest::addColumn<QString>("links");
        const QByteArray v05 = fixture("v05.sls");
        const QByteArray married = fixture("moss-married.sls");
        const QString mosses = "1,2|0,2|-1|-1|-1|-1|-1|%1|%2|-1|11|10";
        QTest::newRow("a couple's second line 9,2 for 0,2")
            << withLine(v05, 22, "9,2") << QStringList{"Ben Brook:spouse 9 Ada Brook"}
            << "-1,2|-1,2|-1|-1|-1|-1|-1";
        QTest::newRow("spouse position the sim count")
            << withLine(v05, 21, "7,2") << QStringList{"Ada Brook:spouse 7 Ben Brook"}
            << "-1,2|-1,2|-1|-1|-1|-1|-1";
        QTest::newRow("spouse position -2")
            << withLine(married, 34, "-2,9") << QStringList{"Kai Moss:spouse -2 Lia Moss"}
            << mosses.arg("-1,9", "-1,9");
        QTest::newRow("a wife naming no sim, the husband -1")
            << withLine(withLine(married, 34, "-1,9"), 35, "12,9")
            << QStringList{"Lia Moss:spouse 12"} << mosses.arg("-1,9", "-1,9");
        QTest::newRow("child position past the last")
            << withLine(married, 35, "7,19") << QStringList{"Lia Moss:child 19"}
            << mosses.arg("8,9", "7");
        QTest::newRow("child positions -3 and 12 among whole ones")
            << withLine(married, 34, "8,-3,9,12") << QStringList{"Kai Moss:child -3,12"}
            << mosses.arg("8,9", "7,9");
        QTest::newRow("spouse and child on one line")
            << withLine(married, 34, "20,9,20") << QStringList{"Kai Moss:spouse 20 Lia Moss",
                                                              "Kai Moss:child 20"}
            << mosses.arg("-1,9", "-1,9");
    }
    void positionsNamingNoSimAreDamage()
    {
        QFETCH(QByteArray, bytes);
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        const ListFile::Damage &damage = contents.damage;
        QVERIFY(!damage.isEmpty());
        QStringList stray;
        for (const ListFile::Damage::StrayLink &link : damage.strayLinks) {
            stray << link.sim + (link.asSpouse ? ":spouse " : ":child ") + link.positions.join(',')
                    + (link.marriedTo.isEmpty() ? QString() : " " + link.marriedTo.join(','));
        }
        QTEST(stray, "stray");
        QVERIFY(damage.selfLinks.isEmpty());
        QCOMPARE(damage.unreadable[int(ListFile::Section::FamilyLinks)], 0);
        QStringList links;
        for (const QPointer<Sim> &sim : contents.sims)
            links << sim->familyLinksToString(contents.sims);
        QTEST(links.join('|'), "links");
        // The same list, written again, opens whole.
        QVERIFY(ListFile::read(openAndSave(bytes, 4), 4).damage.isEmpty());
    }

    // Random bytes never pass for a list.
    void randomBytesAreDamaged()
    {
        QRandomGenerator random(17);
        for (int round = 0; round < 50; ++round) {
            QByteArray bytes(512, Qt::Uninitialized);
            for (char &byte : bytes)
                byte = char(random.bounded(256));
            CapturedStdout quiet;
            QVERIFY(!ListFile::read(bytes, 4).damage.isEmpty());
        }
    }

    // A 0.5 list opened as an older version reads its aspiration periods
    // where numbers belong: the sheet would be garbled, so it is not taken
    // for whole, and its backup is kept.
    void newerListReadAsAnOlderVersionIsDamaged()
    {
        CapturedStdout quiet;
        for (int format = 0; format < 4; ++format) {
            const ListFile::Damage damage = ListFile::read(fixture("v05.sls"), format).damage;
            QVERIFY2(damage.unreadable[int(ListFile::Section::Sims)] > 0,
                     qPrintable(QString::number(format)));
        }
    }

    // Every change of one line or one version to a well-formed list either
    // brings up the box or opens to the very sheet of the list, but for the
    // changes the format cannot show.
    void oneLineChangedIsBoxed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::newRow("0.1") << fixture("v01.sls") << 0;
        QTest::newRow("0.2") << fixture("v02.sls") << 1;
        QTest::newRow("0.3") << fixture("v03.sls") << 2;
        QTest::newRow("0.4") << fixture("v04.sls") << 3;
        QTest::newRow("0.5") << fixture("v05.sls") << 4;
        QTest::newRow("0.5, two couples") << fixture("moss-married.sls") << 4;
        QTest::newRow("0.5, a single parent") << fixture("moss-parent.sls") << 4;
        // Lists whose only line with UTF-8 letters is a sim's.
        QTest::newRow("0.5, one Latin name") << fixture("one-accented.sls") << 4;
        QTest::newRow("0.5, one Cyrillic name") << fixture("one-cyrillic.sls") << 4;
        QTest::newRow("0.5, one Hebrew name and household") << fixture("one-hebrew.sls") << 4;
        QTest::newRow("0.5, one Arabic name and household") << fixture("one-arabic.sls") << 4;
        QTest::newRow("0.5, one Romanian name and household") << fixture("one-romanian.sls") << 4;
        QTest::newRow("0.5, one Romanian name ending in \u021b and \u0219")
            << fixture("one-romanian-word-ends.sls") << 4;
        QTest::newRow("0.5, one Vietnamese name and household") << fixture("one-vietnamese.sls") << 4;
        QTest::newRow("0.5, one Chinese name and household") << fixture("one-chinese.sls") << 4;
    }
    void oneLineChangedIsBoxed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        const QByteArray sheet = openAndSave(bytes, format);
        int boxed = 0;
        int same = 0;
        int cannotShow = 0;
        QStringList silent;
        QStringList tooLong;
        const QList<Mutant> mutants = mutantsOf(bytes, format);
        for (const Mutant &mutant : mutants) {
            CapturedStdout quiet;
            const ListFile::Damage damage = ListFile::read(mutant.bytes, mutant.format).damage;
            if (!damage.isEmpty()) {
                ++boxed;
                // A box of this size fits the screen.
                const QString text = ListFile::damageText("Town", mutant.format, damage, false);
                if (text.size() > 2000)
                    tooLong << mutant.name + QStringLiteral(": %1 characters").arg(text.size());
            }
            else if (mutant.kind == kStrayPosition || mutant.mustBox)
                silent << mutant.name; // what no writer writes, or a loss
            else if (openAndSave(mutant.bytes, mutant.format) == sheet)
                ++same;
            else if (undetectable(mutant))
                ++cannotShow;
            else
                silent << mutant.name;
        }
        qInfo("%d changes: %d boxed, %d open to the same sheet, %d the format cannot show",
              int(mutants.size()), boxed, same, cannotShow);
        QVERIFY2(silent.isEmpty(), qPrintable("open silently to another sheet:\n" + silent.join('\n')));
        QVERIFY2(tooLong.isEmpty(), qPrintable("box texts too long:\n" + tooLong.join('\n')));
    }

    void damageText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        const QByteArray v05 = fixture("v05.sls");
        const QString head = "The list file Town.sls is damaged or incomplete.\n";
        const QString tail =
            "\n\nOpen what could be read? No backup is written, so Town.bak.sls stays as it is.";
        QTest::newRow("cut in the achievements")
            << cutAfter(v05, 12) << 4
            << head + "It ends early, inside the achievements log: the rest of the achievements "
                      "log, the households' played marks and the family links are missing." + tail;
        // A list without any family-link line is told so plainly, as an
        // older list opened as 0.5 shows it.
        QTest::newRow("0.3 opened as 0.5")
            << fixture("v03.sls") << 4
            << head + "It has no family-link lines: the family links of its 4 sims are missing.\n"
                      "The lines of Ada Brook, Ben Brook, Cy Brook and Sue Study could not be read "
                      "whole.\nIt reads whole as a 0.3 list." + tail;
        QTest::newRow("cut after the households")
            << cutAfter(v05, 21) << 4
            << head + "It has no family-link lines: the family links of its 7 sims are missing."
                + tail;
        QTest::newRow("one sim, cut after the households")
            << cutAfter(withLines(fixture("one-accented.sls"), 1, {}), 7) << 4
            << head + "It has no family-link lines: the family links of its sim are missing." + tail;
        QTest::newRow("cut before the settings line")
            << cutAfter(v05, 14) << 4
            << head + "It ends early, before the households' played marks and the family links, "
                      "which are missing." + tail;
        QTest::newRow("fewer family links")
            << cutAfter(v05, 24) << 4
            << head + "Only 3 of its 7 sims have their family links: the links of the other sims "
                      "are missing, and if a line was lost from the middle, the links after it "
                      "join the wrong sims." + tail;
        QByteArray lines = withLine(v05, 8, "garbage");
        lines = withLine(lines, 9, "garbage");
        lines = withLine(lines, 22, "0,x");
        QTest::newRow("unreadable lines")
            << lines << 4
            << head + "2 update lines could not be read and will be left out.\n"
                      "The family-link line of Ben Brook could not be read whole." + tail;
        QTest::newRow("lost first sim line")
            << withLines(v05, 0, {}) << 4
            << head + "It has 7 family-link lines for its 6 sims: a line was lost or repeated, so "
                      "the links may join the wrong sims." + tail;
        QTest::newRow("repeated link line")
            << withLines(v05, 22, {"0,2", "0,2"}) << 4
            << head + "It has 8 family-link lines for its 7 sims: a line was lost or repeated, so "
                      "the links may join the wrong sims.\n"
                      "The family-link line of Cy Brook names Cy Brook among the children, so that "
                      "link is left out." + tail;
        QTest::newRow("one sim, two link lines")
            << cutAfter(v05, 1) + "\r\n\r\n\r\n1,1,2,0,5,1,1,1,\r\nBrook,Yes\r\n\r\n-1\r\n-1\r\n" << 4
            << head + "It has 2 family-link lines for its 1 sim: a line was lost or repeated, so "
                      "the links may join the wrong sims." + tail;
        QTest::newRow("age 4O")
            << withLine(v05, 0, v05.split('\n').at(0).chopped(1).replace(",40,", ",4O,")) << 4
            << head + "The line of Ada Brook could not be read whole." + tail;
        QTest::newRow("update and achievement positions not numbers")
            << withLine(withLine(v05, 8, "\"Ada Brook had a baby girl named Dee Brook on day 1.\",0,l"),
                        12, "\"----------------------------------------\",-1,") << 4
            << head + "1 update line could not be read and will be left out.\n"
                      "1 achievement line could not be read and will be left out." + tail;
        QTest::newRow("0.2 cut inside its settings line")
            << cutAfter(fixture("v02.sls"), 10, 5) << 1
            << head + "It ends early, before the households' played marks, which are missing."
                + tail;
        QTest::newRow("0.3 cut inside its settings line")
            << cutAfter(fixture("v03.sls"), 8, 7) << 2
            << head + "It ends early, before the households' played marks, which are missing."
                + tail;
        QTest::newRow("0.5 cut inside its settings line")
            << cutAfter(v05, 14, 10) << 4
            << head + "It ends early, before the households' played marks and the family links, "
                      "which are missing." + tail;
        // The box names the sims whose lines could not be read, five at the
        // most, and a sim without a name by its line.
        QByteArray everyAge = v05;
        for (int i = 0; i < 7; ++i) {
            QList<QByteArray> parts = everyAge.split('\n').at(i).chopped(1).split(',');
            parts[2] += 'O';
            everyAge = withLine(everyAge, i, parts.join(','));
        }
        QTest::newRow("every sim line garbled")
            << everyAge << 4
            << head + "The lines of Ada Brook, Ben Brook, Cy Brook, Zo\u00eb \u00dcnal, Sue Study and 2 "
                      "other sims could not be read whole." + tail;
        QTest::newRow("six sim lines garbled")
            << QByteArray(v05)
                   .replace(",40,", ",4O,")
                   .replace(",42,", ",4O,")
                   .replace(",8,1,", ",8O,1,")
                   .replace(",33,", ",3O,")
                   .replace(",30,", ",3O,")
                   .replace(",50,", ",5O,")
            << 4
            << head + "The lines of Ada Brook, Ben Brook, Cy Brook, Zo\u00eb \u00dcnal, Sue Study and 1 "
                      "other sim could not be read whole." + tail;
        QTest::newRow("a sim without a name")
            << withLine(v05, 6, "\"\",-1,2O,1,(0,0),\"Runaways\",0,\"\",0,1,7,0,256,0,,") << 4
            << head + "The line of the unnamed sim on line 7 could not be read whole." + tail;
        QByteArray pairs = fixture("moss-married.sls");
        for (int i = 0; i < 12; ++i)
            pairs = withLine(pairs, 27 + i, "-1," + QByteArray::number(i ^ 1));
        QTest::newRow("six pairs of sims each the other's parent")
            << pairs << 4
            << head + "Ben Brook is not made a parent of Ada Brook: that would make a sim its own "
                      "ancestor.\n"
                      "Zo\u00eb \u00dcnal is not made a parent of Cy Brook: that would make a sim its "
                      "own ancestor.\n"
                      "Gus Ghost is not made a parent of Sue Study: that would make a sim its own "
                      "ancestor.\n"
                      "Kai Moss is not made a parent of Rex: that would make a sim its own ancestor.\n"
                      "Max Moss is not made a parent of Lia Moss: that would make a sim its own "
                      "ancestor.\n"
                      "1 more parent link is not taken for the same reason." + tail;
        // A list without sims has no family links to miss.
        QTest::newRow("no sims, cut inside the settings line")
            << cutAfter(fixture("empty.sls"), 3, 9) << 4
            << head + "It ends early, before the households' played marks, which are missing."
                + tail;
        QTest::newRow("0.1 cut inside the log")
            << cutAfter(fixture("v01.sls"), 8) << 0
            << head + "It ends early, inside the achievements log: the rest of the achievements "
                      "log is missing." + tail;

        // A link let go names both sims of it.
        const QByteArray married = fixture("moss-married.sls");
        QTest::newRow("cut inside the line of a sim before the last")
            << cutAfter(v05, 22, 1) << 4
            << head + "Only 2 of its 7 sims have their family links: the links of the other sims "
                      "are missing, and if a line was lost from the middle, the links after it "
                      "join the wrong sims.\n"
                      "It may end inside the family-link line of Ben Brook, so the last link on "
                      "it is left out, and with it the marriage of Ben Brook and Ada Brook." + tail;
        QTest::newRow("last line cut, -1,10 to -1,1")
            << fixture("moss-parent.sls").chopped(3) << 4
            << head + "It may end inside the family-link line of Ida Moss, so the last link on "
                      "it is left out, and with it Ida Moss as a parent of Ben Brook or Hal Moss."
                + tail;
        QTest::newRow("0.4 without its last line end")
            << fixture("v04.sls").chopped(2) << 3
            << head + "It may end inside the family-link line of Sue Study, so the last link on "
                      "it is left out." + tail;
        QTest::newRow("a line naming its own sim as spouse")
            << withLine(married, 34, "7,9") << 4
            << head + "The family-link line of Kai Moss names Kai Moss as spouse, so that link is "
                      "left out, and with it the marriage of Kai Moss and Lia Moss." + tail;
        QTest::newRow("a couple's lines swapped")
            << withLine(withLine(married, 34, "7,9"), 35, "8,9") << 4
            << head + "The family-link line of Kai Moss names Kai Moss as spouse, so that link is "
                      "left out and Kai Moss opens unmarried.\n"
                      "The family-link line of Lia Moss names Lia Moss as spouse, so that link is "
                      "left out and Lia Moss opens unmarried." + tail;
        QTest::newRow("a couple's second line 9,2 for 0,2")
            << withLine(v05, 22, "9,2") << 4
            << head + "The family-link line of Ben Brook names position 9 as spouse, where the "
                      "list holds no sim, so that link is left out, and with it the marriage of "
                      "Ben Brook and Ada Brook." + tail;
        QTest::newRow("spouse position -2, the other side -1")
            << withLine(withLine(married, 34, "-2,9"), 35, "-1,9") << 4
            << head + "The family-link line of Kai Moss names position -2 as spouse, where the "
                      "list holds no sim, so that link is left out and Kai Moss opens unmarried."
                + tail;
        QTest::newRow("child positions 7 and -3 of 7 sims")
            << withLine(v05, 21, "1,7,2,-3") << 4
            << head + "The family-link line of Ada Brook names positions 7 and -3 among the "
                      "children, where the list holds no sims, so those links are left out."
                + tail;
        QByteArray strays = married;
        for (int i = 0; i < 7; ++i)
            strays = withLine(strays, 29 + i, "-1,4" + QByteArray::number(i));
        QTest::newRow("seven lines naming no sim")
            << strays << 4
            << head + "The family-link line of Cy Brook names position 40 among the children, "
                      "where the list holds no sim, so that link is left out.\n"
                      "The family-link line of Zo\u00eb \u00dcnal names position 41 among the "
                      "children, where the list holds no sim, so that link is left out.\n"
                      "The family-link line of Sue Study names position 42 among the children, "
                      "where the list holds no sim, so that link is left out.\n"
                      "The family-link line of Gus Ghost names position 43 among the children, "
                      "where the list holds no sim, so that link is left out.\n"
                      "The family-link line of Rex names position 44 among the children, where "
                      "the list holds no sim, so that link is left out.\n"
                      "2 more links name positions where the list holds no sim and are left out "
                      "the same way." + tail;
        // An unreadable family-link line is named by its sim, five at the most.
        QByteArray unreadableLinks = married;
        for (int i = 0; i < 7; ++i)
            unreadableLinks = withLine(unreadableLinks, 29 + i, "-1,-0");
        QTest::newRow("seven family-link lines with a child -0")
            << unreadableLinks << 4
            << head + "The family-link lines of Cy Brook, Zo\u00eb \u00dcnal, Sue Study, Gus Ghost, "
                      "Rex and 2 other sims could not be read whole." + tail;
        QTest::newRow("cut right after a comma, 0,2 to 0,")
            << cutAfter(v05, 22, 2) << 4
            << head + "Only 2 of its 7 sims have their family links: the links of the other sims "
                      "are missing, and if a line was lost from the middle, the links after it "
                      "join the wrong sims.\n"
                      "It ends inside the family-link line of Ben Brook, right after a comma: the "
                      "child of Ben Brook named after it is missing." + tail;
        QTest::newRow("only one link line")
            << cutAfter(v05, 22) << 4
            << head + "Only 1 of its 7 sims has their family links: the links of the other sims "
                      "are missing, and if a line was lost from the middle, the links after it "
                      "join the wrong sims.\n"
                      "With the missing lines, the marriage of Ada Brook and Ben Brook is let go."
                + tail;

        // A household line that cannot be read is named with its mark.
        QTest::newRow("0.2 mark cut to Ye")
            << cutAfter(fixture("v02.sls"), 12, 8) << 1
            << head + "The household line of Brook could not be read: its played mark \"Ye\" is "
                      "neither \"Yes\" nor \"No\", so Brook opens not played." + tail;
        QTest::newRow("households without marks, of a sim and of none")
            << withLine(withLines(v05, 17, {"Dorm,", "Gone,"}), 16, "Brook") << 4
            << head + "The household line of Brook could not be read: it has no played mark, so "
                      "Brook opens not played.\n"
                      "The household line of Dorm could not be read: it has no played mark, so "
                      "Dorm opens not played.\n"
                      "The household line of Gone could not be read: it has no played mark, so it "
                      "is left out." + tail;
        QTest::newRow("a special household marked yes in lower case")
            << withLine(v05, 18, "Runaways,yes") << 4
            << head + "The household line of Runaways could not be read: its played mark \"yes\" "
                      "is neither \"Yes\" nor \"No\", so it is left out." + tail;
        // Five are named, the rest counted, each with what becomes of it:
        // Brook, where sims live, opens not played.
        QList<QByteArray> cutMarks;
        QString named;
        for (int i = 0; i < 6; ++i) {
            cutMarks << "H" + QByteArray::number(i) + ",N";
            if (i < 5) {
                named += QString("The household line of H%1 could not be read: its played mark "
                                 "\"N\" is neither \"Yes\" nor \"No\", so it is left out.\n")
                             .arg(i);
            }
        }
        cutMarks << "Brook,Ye";
        QTest::newRow("seven marks cut")
            << withLines(v05, 16, cutMarks) << 4
            << head + named
                + "1 more household line could not be read and is left out.\n"
                  "1 more household line could not be read, so its household opens not played."
                + tail;
        QTest::newRow("a line naming its own sim among the children")
            << withLine(married, 36, "-1,9") << 4
            << head + "The family-link line of Max Moss names Max Moss among the children, so "
                      "that link is left out." + tail;
        QByteArray selves = married;
        for (int i = 0; i < 7; ++i)
            selves = withLine(selves, 29 + i, "-1," + QByteArray::number(i + 2));
        QTest::newRow("seven lines naming their own sim")
            << selves << 4
            << head + "The family-link line of Cy Brook names Cy Brook among the children, so "
                      "that link is left out.\n"
                      "The family-link line of Zo\u00eb \u00dcnal names Zo\u00eb \u00dcnal among "
                      "the children, so that link is left out.\n"
                      "The family-link line of Sue Study names Sue Study among the children, so "
                      "that link is left out.\n"
                      "The family-link line of Gus Ghost names Gus Ghost among the children, so "
                      "that link is left out.\n"
                      "The family-link line of Rex names Rex among the children, so that link is "
                      "left out.\n"
                      "2 more links name their own sim and are left out the same way." + tail;

        // A household without its line, and lines that are not UTF-8.
        QTest::newRow("a household line lost")
            << withLines(v05, 16, {}) << 4
            << head + "The household line of Brook is missing, so Brook opens not played." + tail;
        QTest::newRow("the k of Likes not UTF-8")
            << QByteArray(v05).replace("Likes", "Li\xFF" "es") << 4
            << head + "It is written in UTF-8, but the line of Ada Brook is not UTF-8 throughout: the "
                      "bytes that are not UTF-8 are read as Windows-1252, so some of its letters "
                      "may be wrong." + tail;
        // One bad byte costs one letter: the line keeps its UTF-8 name, and
        // its household finds its line.
        QTest::newRow("the i of merci in the notes of Zo\u00eb \u00dcnal not UTF-8")
            << QByteArray(v05).replace("merci", "merc\xFF") << 4
            << head + "It is written in UTF-8, but the line of Zo\u00eb \u00dcnal is not UTF-8 "
                      "throughout: the bytes that are not UTF-8 are read as Windows-1252, so some "
                      "of its letters may be wrong." + tail;
        QTest::newRow("several lines not UTF-8")
            << withLine(withLine(QByteArray(v05).replace("Likes", "Li\xFF" "es"), 17, "D\xF6rm,No"),
                        8, "\"Ada Brook had a b\xE9" "b\xE9.\",0,1") << 4
            << head + "The household line of Dorm is missing, so Dorm opens not played.\n"
                      "It is written in UTF-8, but the line of Ada Brook, the household line of "
                      "D\u00f6rm and 1 update line are not UTF-8 throughout: the bytes that are not UTF-8 "
                      "are read as Windows-1252, so some of their letters may be wrong." + tail;

        // Every list in the box names a few and counts the rest.
        QList<QByteArray> twoThousand = {"-1,1"};
        for (int i = 0; i < 2000; ++i)
            twoThousand.first() += "," + QByteArray::number(12 + i);
        QTest::newRow("2,000 positions naming no sim on one line")
            << madeList(12, twoThousand + QList<QByteArray>(11, "-1")) << 4
            << head + "The family-link line of S0 names positions 12, 13, 14, 15, 16 and 1995 other "
                      "positions among the children, where the list holds no sims, so those links are left "
                      "out." + tail;
        QTest::newRow("a cut position that may name 11 sims")
            << madeList(30, QList<QByteArray>(29, "-1") << "-1,1", true) << 4
            << head + "It may end inside the family-link line of S29, so the last link on it is "
                      "left out, and with it S29 as a parent of S1, S10, S11, S12, S13 or 6 other "
                      "sims." + tail;
        QTest::newRow("seven lines naming as spouse a sim that names no sim")
            << madeList(8, QList<QByteArray>{"-2"} + QList<QByteArray>(7, "0")) << 4
            << head + "The family-link line of S0 names position -2 as spouse, where the list holds "
                      "no sim, so that link is left out, and with it the marriages of S0 and S1 and "
                      "of S0 and S2 and of S0 and S3 and of S0 and S4 and of S0 and S5, and 2 other "
                      "marriages."
                + tail;
        QList<QByteArray> couples;
        for (int i = 0; i < 7; ++i)
            couples << QByteArray::number(i + 7);
        QTest::newRow("seven marriages with missing lines")
            << madeList(14, couples) << 4
            << head + "Only 7 of its 14 sims have their family links: the links of the other sims "
                      "are missing, and if a line was lost from the middle, the links after it "
                      "join the wrong sims.\n"
                      "With the missing lines, the marriages of S0 and S7 and of S1 and S8 and of "
                      "S2 and S9 and of S3 and S10 and of S4 and S11, and 2 other marriages are let go."
                + tail;
        QTest::newRow("a long name is shortened")
            << withLine(v05, 5, "\"Gus Ghost " + QByteArray(60, 'G') + "\",105,5O,1,(3,0),\"At "
                                "Large\",0,\"\",0,0,3,0,0,0,,") << 4
            << head + "The line of Gus Ghost GGGGGGGGG\u2026GGGGGGGGGGGGGGGGGGGG could not be read "
                      "whole." + tail;

        // A list opened as another version than its own.
        QTest::newRow("0.4 opened as 0.3")
            << fixture("v04.sls") << 2
            << head + "It goes on after its households, where a 0.3 list ends: 4 lines there "
                      "are not read.\n"
                      "It reads whole as a 0.4 list." + tail;
        QTest::newRow("0.3 opened as 0.2")
            << fixture("v03.sls") << 1
            << head + "The lines of Ada Brook, Ben Brook, Cy Brook and Sue Study could not be "
                      "read whole.\n"
                      "It reads whole as a 0.3 list." + tail;
    }
    void damageText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        CapturedStdout quiet;
        QTEST(ListFile::damageText("Town", format, ListFile::read(bytes, format).damage, true),
              "text");
    }

    // The list-file fuzz targets' corpus files named "damaged" are damaged
    // in their target's version: each stands for the damage it is named
    // after, so that the fuzzers start from every kind the box names. Those
    // named "whole" stand for lists that look damaged and are not.
    void damagedCorpusFilesAreDamaged()
    {
        CapturedStdout quiet;
        for (int format = 0; format <= 4; ++format) {
            const QString folder = QStringLiteral("../../fuzz/corpus/listfile_%1").arg(format);
            const QStringList names =
                Fixture::fileNames(folder).filter(QRegularExpression("^(damaged|whole)-"));
            QVERIFY(!names.filter(QRegularExpression("^damaged-")).isEmpty());
            for (const QString &name : names) {
                const QByteArray bytes = Fixture::bytes(folder + '/' + name);
                QVERIFY2(ListFile::read(bytes, format).damage.isEmpty() == name.startsWith("whole-"),
                         qPrintable(folder + '/' + name));
            }
        }
    }

    // The box promises the backup only where one exists; a list opened for
    // the first time has none, and its file may be the only good copy.
    void backupPromisedOnlyWhereItExists()
    {
        CapturedStdout quiet;
        const ListFile::Damage damage = ListFile::read(cutAfter(fixture("v05.sls"), 12), 4).damage;
        const QString body = "The list file Town.sls is damaged or incomplete.\n"
                             "It ends early, inside the achievements log: the rest of the "
                             "achievements log, the households' played marks and the family links "
                             "are missing.\n\n";
        QCOMPARE(ListFile::damageText("Town", 4, damage, true),
                 body + "Open what could be read? No backup is written, so Town.bak.sls stays as "
                        "it is.");
        QCOMPARE(ListFile::damageText("Town", 4, damage, false),
                 body + "Open what could be read? Town.sls stays as it is. It has no backup yet, "
                        "so it may be the only copy of what could not be read.");
    }

    // However badly a list is damaged, the box stays short enough to fit
    // the screen: when naming even one of each kind does not fit, each kind
    // is counted whole, with what becomes of it.
    void everyKindOfDamageStaysShort()
    {
        CapturedStdout quiet;
        const QByteArray bytes = ListFixtures::everyKindOfDamage();
        const ListFile::Damage damage = ListFile::read(bytes, 4).damage;
        const QString text = ListFile::damageText("Town", 4, damage, false);
        QVERIFY2(text.size() < 2000, qPrintable(QString::number(text.size())));
        QCOMPARE(text,
                 "The list file Town.sls is damaged or incomplete.\n"
                 "Only 10 of its 12 sims have their family links: the links of the other sims are "
                 "missing, and if a line was lost from the middle, the links after it join the "
                 "wrong sims.\n"
                 "With the missing lines, 2 marriages are let go.\n"
                 "The lines of 6 sims could not be read whole.\n"
                 "9 update lines could not be read and will be left out.\n"
                 "9 achievement lines could not be read and will be left out.\n"
                 "9 household lines could not be read and are left out.\n"
                 "6 households have no household line and open not played.\n"
                 "10 links name their own sim among the children and are left out.\n"
                 "20000 links name children where the list holds no sim and are left out.\n"
                 "8 links name a spouse where the list holds no sim and are left out, so those "
                 "sims open unmarried.\n"
                 "It is written in UTF-8, but 13 of its lines are not UTF-8 throughout: the bytes "
                 "that are not UTF-8 are read as Windows-1252, so some of their letters may be "
                 "wrong.\n"
                 "\n"
                 "Open what could be read? Town.sls stays as it is. It has no backup yet, so it "
                 "may be the only copy of what could not be read.");
    }

    // A box too full for every sentence names fewer of each kind, yet says
    // every kind the list holds, each with what becomes of it, the bad
    // bytes with their warning; and it still fits the screen.
    void crowdedBoxSaysEveryKind()
    {
        CapturedStdout quiet;
        const ListFile::Damage damage = ListFile::read(ListFixtures::crowdedDamage(), 4).damage;
        const QString text = ListFile::damageText("Town", 4, damage, false);
        const QString sim = "Maximiliana Konstan\u2026Wetherby of House ";
        QCOMPARE(text,
                 "The list file Town.sls is damaged or incomplete.\n"
                 "The lines of " + sim + "10 and 9 other sims could not be read whole.\n"
                 "The household line of House 00 could not be read: its played mark \"Maybe\" is "
                 "neither \"Yes\" nor \"No\", so House 00 opens not played.\n"
                 "19 more household lines could not be read, so their households open not "
                 "played.\n"
                 "The household line of House 20 is missing, so House 20 opens not played.\n"
                 "19 more households have no household line and open not played.\n"
                 "The family-link line of " + sim + "20 names " + sim + "20 as spouse, so that "
                 "link is left out and " + sim + "20 opens unmarried.\n"
                 "4 more links name their own sim and are left out the same way.\n"
                 "The family-link line of " + sim + "25 names position 99 among the children, "
                 "where the list holds no sim, so that link is left out.\n"
                 "4 more links name positions where the list holds no sim and are left out the "
                 "same way.\n"
                 + sim + "31 is not made a parent of " + sim + "30: that would make a sim its "
                 "own ancestor.\n"
                 "It is written in UTF-8, but the line of " + sim + "00 and 9 more sim, "
                 "family-link or household lines are not UTF-8 throughout: the bytes that are "
                 "not UTF-8 are read as Windows-1252, so some of their letters may be wrong.\n"
                 "\n"
                 "Open what could be read? Town.sls stays as it is. It has no backup yet, so it "
                 "may be the only copy of what could not be read.");
        QVERIFY2(text.size() < 2000, qPrintable(QString::number(text.size())));
    }

    // Every kind of damage at once, each many times over and with names as
    // long as the box shows them: each kind is still said, counted whole
    // if need be, and the box stays short. The file is cut inside the line
    // of a sim many name as spouse, or of one whose last child may be any
    // of many.
    void everyKindAtOnceIsSaid_data()
    {
        QTest::addColumn<bool>("cutSpouse");
        QTest::addColumn<QString>("cutSaid");
        QTest::newRow("cut in a spouse") << true << ", and with it 20 marriages.";
        QTest::newRow("cut in a child")
            << false
            << ", and with it A Sim Called By A Very Long Name, cut 0 as a parent of one of 40 "
               "sims.";
    }
    void everyKindAtOnceIsSaid()
    {
        QFETCH(bool, cutSpouse);
        QFETCH(QString, cutSaid);
        const auto name = [](const char *what, int i) {
            return ListFile::shown(QStringLiteral("A Sim Called By A Very Long Name, %1 %2")
                                       .arg(QLatin1String(what))
                                       .arg(i));
        };
        ListFile::Damage damage;
        damage.endedEarly = true;
        damage.endedIn = ListFile::Section::FamilyLinks;
        damage.linkLines = 30;
        damage.sims = 40;
        damage.cutLinkLineOf = name("cut", 0);
        for (int i = 0; i < 30; ++i) {
            damage.unreadableSims << name("unread", i);
            damage.unreadableLinkLinesOf << name("unlinked", i);
            damage.notUtf8Lines.append({ListFile::Section(i % 6), name("bad byte", i)});
        }
        damage.notUtf8 = 40;
        damage.unreadable[int(ListFile::Section::Updates)] = 9;
        damage.unreadable[int(ListFile::Section::Achievements)] = 9;
        for (int i = 0; i < 20; ++i) {
            if (cutSpouse)
                damage.cutMarriedTo << name("cut spouse", i);
            else if (i < ListFile::kNamedAtMost)
                damage.cutChildOneOf << name("cut child", i);
            damage.marriagesOfMissingLines.append({name("left", i), name("gone", i)});
            damage.unreadableMarks.append({name("house", i), name("mark", i), i % 2 == 0});
            damage.householdsWithoutLine << name("lost house", i);
            damage.selfLinks.append({name("self", i), i % 2 == 0, {name("self spouse", i)}});
            damage.strayLinks.append({name("stray", i), i % 2 == 0,
                                      QStringList(i % 2 ? 2000 : 1, name("position", i)),
                                      {name("stray spouse", i)}});
            damage.loopLinks.append({name("parent", i), name("child", i)});
        }
        damage.cutChildCandidates = cutSpouse ? 0 : 40;
        damage.wholeAs = {3};
        const QString text = ListFile::damageText("Town", 4, damage, false);
        QVERIFY2(text.size() < 2000, qPrintable(QString::number(text.size())));
        QVERIFY2(!text.contains("do not fit here"), qPrintable(text));
        const QStringList said = {
            "Only 30 of its 40 sims have their family links",
            "With the missing lines, ",
            "It may end inside the family-link line of " + damage.cutLinkLineOf
                + ", so the last link on it is left out" + cutSaid,
            "The lines of ",
            "9 update lines could not be read and will be left out.",
            "9 achievement lines could not be read and will be left out.",
            "The family-link lines of ",
            "household lines could not be read, so their households open not played.",
            "household lines could not be read and are left out.",
            "have no household line and open not played.",
            "own sim as spouse and are left out, so those sims open unmarried.",
            "own sim among the children and are left out.",
            "spouse where the list holds no sim and are left out, so those sims open unmarried.",
            "children where the list holds no sim and are left out.",
            "would make a sim its own ancestor.",
            "so some of their letters may be wrong.",
            "It reads whole as a 0.4 list.",
        };
        for (const QString &kind : said)
            QVERIFY2(text.contains(kind), qPrintable(kind + "\n\n" + text));
    }

    // A name too long for the box keeps its start and its end, so that
    // names differing only at their end stay apart; a letter outside the
    // Basic Multilingual Plane is never split at either cut.
    void longNameKeepsBothEnds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString family = "Maximiliana Konstantinopolous-Wetherby of House ";
        QTest::newRow("forty letters, whole") << QString(40, 'a') << QString(40, 'a');
        QTest::newRow("House 10")
            << family + "10" << "Maximiliana Konstan\u2026Wetherby of House 10";
        QTest::newRow("House 11")
            << family + "11" << "Maximiliana Konstan\u2026Wetherby of House 11";
        const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
        QTest::newRow("a face at the end of the start")
            << QString(18, 'a') + face + QString(30, 'b')
            << QString(18, 'a') + "\u2026" + QString(20, 'b');
        QTest::newRow("a face at the start of the end")
            << QString(30, 'a') + face + QString(19, 'b')
            << QString(19, 'a') + "\u2026" + QString(19, 'b');
    }
    void longNameKeepsBothEnds()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(ListFile::shown(name), shown);
        QVERIFY(ListFile::shown(name).size() <= 40);
    }

    // Each version's list opened as each other version is boxed before the
    // sheet changes, and the box names the version it reads whole in.
    void wrongVersionIsBoxed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("opened");
        const char *const fixtures[] = {"v01.sls", "v02.sls", "v03.sls", "v04.sls", "v05.sls"};
        for (int written = 0; written < 5; ++written) {
            for (int opened = 0; opened < 5; ++opened) {
                if (opened != written) {
                    QTest::addRow("%s as %s", qPrintable(ListFile::versionName(written)),
                                  qPrintable(ListFile::versionName(opened)))
                        << fixture(fixtures[written]) << written << opened;
                }
            }
        }
    }
    void wrongVersionIsBoxed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, written);
        QFETCH(int, opened);
        CapturedStdout quiet;
        const ListFile::Damage damage = ListFile::read(bytes, opened).damage;
        QVERIFY(!damage.isEmpty());
        QVERIFY(ListFile::read(bytes, written).damage.isEmpty());
        QCOMPARE(damage.wholeAs, QList<int>{written});
    }

    // A file that ends between the CR and the LF of its last line lost
    // nothing: the couple whose last link line it is stays married.
    void lastLineThatLostOnlyItsLFIsWhole_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR CR LF") << QByteArray("\r\r\n");
    }
    void lastLineThatLostOnlyItsLFIsWhole()
    {
        QFETCH(QByteArray, lineEnd);
        const QByteArray married = fixture("moss-married.sls");
        const QByteArray bytes = Fixture::withLineEnds(married, lineEnd, true).chopped(1);
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        QVERIFY(contents.damage.isEmpty());
        QCOMPARE(contents.sims.at(11)->spouse().data(), contents.sims.at(10).data());
        QCOMPARE(openAndSave(bytes, 4), married);
    }

    // Without a household row one empty line follows the settings line,
    // and the family links after it still read back.
    void noHouseholdsStillKeepLinks()
    {
        Sim ann("Ann", 40, 2, 1, 0, true, 0, "", "");
        Sim bo("Bo", 40, 1, 1, 0, true, 0, "", "");
        ann.setHousehold("");
        bo.setHousehold("");
        ann.setSpouse(&bo);
        ListFile::Sections sections;
        sections.settingsLine = kSettingsLine;
        const QByteArray bytes = ListFile::write({&ann, &bo}, sections);
        QVERIFY(bytes.endsWith(kSettingsLine.toUtf8() + "\r\n\r\n1\r\n0\r\n"));
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        QCOMPARE(contents.sims.size(), 2);
        QCOMPARE(contents.sims.at(0)->spouse().data(), contents.sims.at(1).data());
    }

    // A file that cannot be read to its end leaves what the caller holds;
    // the sheet is replaced only by a complete read.
    void unreadableFilesChangeNothing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        ListFile::Contents contents = ListFile::read(fixture("v05.sls"), 4);
        QVERIFY(!ListFile::readFile(dir.filePath("missing.sls"), 4, &contents));
        QVERIFY(!ListFile::readFile(dir.path(), 4, &contents));
        const QByteArray other = fixture("v02.sls");
        for (qint64 failAt : {qint64(0), qint64(1), other.size() / 2, other.size() - 1}) {
            FailingDevice device(other, failAt);
            QVERIFY(device.open(QIODevice::ReadOnly));
            QVERIFY(!ListFile::read(&device, 1, &contents));
        }
        QCOMPARE(namesOf(contents.sims).first(), QString("Ada Brook"));
        QCOMPARE(contents.sims.size(), 7);
        QCOMPARE(contents.store.size(), 7);

        QFile file(dir.filePath("v02.sls"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(other);
        file.close();
        QVERIFY(ListFile::readFile(dir.filePath("v02.sls"), 1, &contents));
        QCOMPARE(namesOf(contents.sims),
                 QStringList({"Ada Brook", "Ben Brook", "Cy Brook", "Rex", "Gus Ghost"}));
        FailingDevice whole(other, other.size() + 1);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QVERIFY(ListFile::read(&whole, 1, &contents));
        QCOMPARE(contents.sims.size(), 5);
    }

    // LF, CR LF and CR CR LF line ends read alike.
    void lineEndsReadAlike()
    {
        const QByteArray crlf = fixture("v05.sls");
        QByteArray lf = crlf;
        lf.replace("\r\n", "\n");
        QByteArray crcrlf = crlf;
        crcrlf.replace("\r\n", "\r\r\n");
        const ListFile::Contents expected = ListFile::read(crlf, 4);
        for (const QByteArray &bytes : {lf, crcrlf}) {
            const ListFile::Contents contents = ListFile::read(bytes, 4);
            QCOMPARE(linesOf(contents.sims), linesOf(expected.sims));
            QCOMPARE(contents.updateLines, expected.updateLines);
            QCOMPARE(contents.achievementLines, expected.achievementLines);
            QCOMPARE(contents.householdLines, expected.householdLines);
            QCOMPARE(openAndSave(bytes, 4), crlf);
        }
    }

    // A file saved on Windows in its Western code page keeps its letters,
    // and is saved again as UTF-8.
    void windowsCodePageFilesKeepTheirLetters()
    {
        const QByteArray cp1252 = fixture("v05-cp1252.sls");
        QVERIFY(!FileText::isValidUtf8(cp1252));
        const ListFile::Contents contents = ListFile::read(cp1252, 4);
        QCOMPARE(contents.sims.at(3)->name(), QString::fromUtf8("Zoë Ünal"));
        QCOMPARE(contents.sims.at(3)->notes(), QString::fromUtf8("Ça va – très bien, merci."));
        QCOMPARE(contents.updateLines.at(1),
                 QString::fromUtf8("\"Sue Study, Cy Brook and Zoë Ünal threw a party.\",4,-1"));
        QCOMPARE(openAndSave(cp1252, 4), fixture("v05.sls"));
    }

    // An older list written in the Windows code page, one of whose lines is
    // valid UTF-8 by chance, as an accented capital before punctuation makes
    // it, opens without a word and keeps its text.
    void windowsCodePageListsWithChanceSequencesStaySilent_data()
    {
        QTest::addColumn<QByteArray>("notes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CAF\u00c9\u2019S") << QByteArray("Runs the CAF\xC9\x92S kitchen.")
                                   << QString::fromUtf8("Runs the CAFÉ’S kitchen.");
        QTest::newRow("\u00c9\u201d, \u00c9 and \u00da before a no-break space and \u00b0")
            << QByteArray("Sings OL\xC9\x94 and OL\xC9\xA0 at the D\xDA\xB0.")
            << QString::fromUtf8("Sings OLÉ” and OLÉ\u00A0 at the DÚ°.");
        QTest::newRow("fatigu\u00e9 \u00bb") << QByteArray("Se dit fatigu\xE9\xA0\xBB.")
                                         << QString::fromUtf8("Se dit fatigué\u00A0».");
        QTest::newRow("caf\u00e9\u2026\u201d") << QByteArray("\x93Un caf\xE9\x85\x94")
                                           << QString::fromUtf8("“Un café…”");
        QTest::newRow("PI\u00d9\u2026, wei\u00df\u201c")
            << QByteArray("Non PI\xD9\x85 \x84wei\xDF\x93") << QString::fromUtf8("Non PIÙ… „weiß“");
    }
    void windowsCodePageListsWithChanceSequencesStaySilent()
    {
        QFETCH(QByteArray, notes);
        QFETCH(QString, text);
        const QByteArray cp1252 = QByteArray(fixture("v03.sls"))
                                      .replace("\"Ben Brook\"", "\"B\xE9n Brook\"")
                                      .replace(",1,0,,\r\n", ",1,0,," + notes + "\r\n");
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(cp1252, 2);
        QVERIFY(contents.damage.isEmpty());
        QCOMPARE(contents.sims.at(1)->name(), QString::fromUtf8("Bén Brook"));
        QCOMPARE(contents.sims.at(2)->notes(), text);
        QVERIFY(QString::fromUtf8(openAndSave(cp1252, 2)).contains(",," + text + "\r\n"));
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII") << QByteArray("plain") << "plain";
        QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB") << QString::fromUtf8("Zoë");
        QTest::newRow("UTF-8 byte-order mark dropped")
            << QByteArray("\xEF\xBB\xBFZo\xC3\xAB") << QString::fromUtf8("Zoë");
        QTest::newRow("Latin letters") << QByteArray("Zo\xEB") << QString::fromUtf8("Zoë");
        QTest::newRow("Windows punctuation")
            << QByteArray("\x80\x85\x91\x92\x93\x94\x96\x97\x99")
            << QString::fromUtf8("€…‘’“”–—™");
        QTest::newRow("codes Windows leaves undefined")
            << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D);
        QTest::newRow("one stray byte makes the whole file Windows text")
            << QByteArray("Zo\xC3\xAB and Zo\xEB") << QString::fromUtf8("ZoÃ« and Zoë");
    }
    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QTEST(FileText::decode(bytes), "text");
    }

    // The writer writes a household line for every household a sim lives
    // in. One without it, as a lost line or a 0.2 or 0.3 list cut after a
    // whole line leaves it, is named and opens not played; a special
    // household's line holds no mark and loses nothing.
    void householdWithoutItsLineIsDamage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("missing");
        const QByteArray v05 = fixture("v05.sls");
        QTest::newRow("0.5, Brook,Yes lost") << withLines(v05, 16, {}) << 4 << QStringList{"Brook"};
        QTest::newRow("0.5, Runaways, lost") << withLines(v05, 18, {}) << 4 << QStringList();
        QTest::newRow("0.5, all but Runaways, lost")
            << withLines(withLines(withLines(withLines(v05, 19, {}), 17, {}), 16, {}), 15, {}) << 4
            << QStringList{"Brook", "\u00dcnal", "Dorm", "At Large"};
        QTest::newRow("0.2 cut after a whole household line")
            << cutAfter(fixture("v02.sls"), 12) << 1 << QStringList{"Brook"};
        QTest::newRow("0.3 cut after its settings line")
            << cutAfter(fixture("v03.sls"), 9) << 2 << QStringList{"Brook", "Dorm"};
        QTest::newRow("0.3 cut after its last household line")
            << cutAfter(fixture("v03.sls"), 11) << 2 << QStringList();
        QTest::newRow("0.5 cut after a whole household line")
            << cutAfter(v05, 18) << 4 << QStringList{"\u00dcnal"};
        QTest::newRow("0.4 lost its households' lines")
            << withLines(fixture("v04.sls"), 9, {}) << 3 << QStringList{"Brook"};
        QTest::newRow("0.1 has no households") << fixture("v01.sls") << 0 << QStringList();
        // A mark that cannot be read is named as such, not again as lost.
        QTest::newRow("a mark cut to Ye") << withLine(v05, 16, "Brook,Ye") << 4 << QStringList();
        // The household of a sim whose line could not be read may be
        // another field's text.
        QTest::newRow("the household of a sim line that could not be read")
            << withLines(withLine(v05, 5, "\"Gus Ghost\",105,5O,1,(3,0),\"At Large\",0,\"\",0,0,3,0,0,0,,"),
                         15, {})
            << 4 << QStringList();
    }
    void householdWithoutItsLineIsDamage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        QFETCH(QStringList, missing);
        CapturedStdout quiet;
        const ListFile::Damage damage = ListFile::read(bytes, format).damage;
        QCOMPARE(damage.householdsWithoutLine, missing);
        if (missing.isEmpty())
            return;
        QVERIFY(!damage.isEmpty());
        // Open Anyway opens them not played.
        const QString saved = QString::fromUtf8(openAndSave(bytes, format));
        for (const QString &household : missing)
            QVERIFY2(saved.contains("\r\n" + household + ",No\r\n"), qPrintable(household));
    }

    // One byte that is not UTF-8 in a list that holds UTF-8 letters garbles
    // nothing but its own line: the other lines are read as UTF-8, and the
    // box names that line.
    void bytesNotUtf8AmongUtf8AreDamage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines"); // section:of
        QTest::addColumn<int>("count");
        const QByteArray v05 = fixture("v05.sls");
        const auto changed = [&](int line, const QByteArray &from, const QByteArray &to) {
            return withLine(v05, line, v05.split('\n').at(line).chopped(1).replace(from, to));
        };
        QTest::newRow("the k of Likes") << changed(0, "Likes", "Li\xFF" "es")
                                        << QStringList{"sims:Ada Brook"} << 1;
        QTest::newRow("a household line") << changed(17, "Dorm", "D\xF6rm")
                                          << QStringList{"households:D\u00f6rm"} << 1;
        QTest::newRow("an update and the log")
            << withLine(changed(8, "baby", "b\xE9" "b\xE9"), 11, "\"Ben Brook became a vampire \xA1\",1,-1")
            << QStringList{"updates:", "achievements:"} << 2;
        QTest::newRow("the settings line") << changed(14, "SimPE", "Sim\xC9")
                                           << QStringList{"settings line:"} << 1;
        QTest::newRow("a family-link line, and a line no section reads")
            << withLine(v05, 22, "0,2\xFF") + "\xFF\r\n"
            << QStringList{"family links:Ben Brook"} << 2;
    }
    void bytesNotUtf8AmongUtf8AreDamage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        static const char *const names[] = {"sims", "updates", "achievements", "settings line",
                                            "households", "family links"};
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        QStringList found;
        for (const ListFile::Damage::NotUtf8Line &line : contents.damage.notUtf8Lines)
            found << QLatin1String(names[int(line.section)]) + ':' + line.of;
        QCOMPARE(found, lines);
        QCOMPARE(contents.damage.notUtf8, count);
        // The UTF-8 lines keep their letters.
        QCOMPARE(contents.sims.at(3)->name(), QString::fromUtf8("Zoë Ünal"));
        QCOMPARE(contents.sims.at(3)->household(), QString::fromUtf8("Ünal"));
        QVERIFY(contents.householdLines.contains(QString::fromUtf8("Ünal,No")));
    }
    // A list whose only UTF-8 letters are a name and its household in an
    // alphabet of two-byte letters is still UTF-8 with a bad byte, wherever
    // the byte is: the box names the line, and the name, the household and
    // its mark read whole.
    void namesOfEveryAlphabetShowUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("household");
        QTest::addColumn<QString>("lineOf");
        for (const ListFixtures::BadByteBesideAName &list : ListFixtures::badBytesBesideNames()) {
            QTest::addRow("%s", qPrintable(list.name))
                << list.bytes << list.sim << list.household << list.lineOf;
        }
    }
    void namesOfEveryAlphabetShowUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, household);
        QFETCH(QString, lineOf);
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        QCOMPARE(contents.damage.notUtf8, 1);
        QCOMPARE(contents.damage.notUtf8Lines.size(), 1);
        QCOMPARE(contents.damage.notUtf8Lines.first().section, ListFile::Section::Sims);
        QCOMPARE(contents.damage.notUtf8Lines.first().of, lineOf);
        QCOMPARE(contents.sims.at(0)->name(), name);
        QCOMPARE(contents.sims.at(0)->household(), household);
        QCOMPARE(contents.householdLines, (QStringList{"Brook,Yes", household + ",No"}));
        QCOMPARE(contents.damage.householdsWithoutLine, QStringList());
    }

    void oneStrayByteGarblesOnlyItsLine()
    {
        const QByteArray v05 = fixture("v05.sls");
        const QByteArray bytes = QByteArray(v05).replace("Likes", "Li\xFF" "es");
        CapturedStdout quiet;
        const ListFile::Contents contents = ListFile::read(bytes, 4);
        QCOMPARE(contents.sims.at(0)->notes(), QString::fromUtf8("Liÿes tea.\r\nHates rain."));
        QCOMPARE(contents.updateLines.at(1),
                 QString::fromUtf8("\"Sue Study, Cy Brook and Zoë Ünal threw a party.\",4,-1"));
        // Saved, only that line differs from the well-formed list.
        const QByteArray saved = openAndSave(bytes, 4);
        QCOMPARE(saved, QByteArray(v05).replace("Likes", "Li\xC3\xBF" "es"));
    }

    // Line by line where a file mixes UTF-8 with other bytes; a whole file
    // where it does not.
    void decodingLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qsizetype>>("notUtf8");
        QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB\n\xC3\x9cnal") << QString::fromUtf8("Zoë\nÜnal")
                               << QList<qsizetype>();
        QTest::newRow("Windows-1252 throughout")
            << QByteArray("Zo\xEB\n\xDCnal\r\n") << QString::fromUtf8("Zoë\nÜnal\r\n")
            << QList<qsizetype>();
        QTest::newRow("one Windows line among UTF-8 ones")
            << QByteArray("Zo\xC3\xAB\r\nplain\r\nZo\xEB\r\n") << QString::fromUtf8("Zoë\r\nplain\r\nZoë\r\n")
            << QList<qsizetype>{2};
        QTest::newRow("a letter cut by a stray byte")
            << QByteArray("\xC3\xFF\n\xC3\xAB") << QString::fromUtf8("Ãÿ\në") << QList<qsizetype>{0};
        // A byte-order mark says UTF-8 too.
        QTest::newRow("byte-order mark and one Windows line")
            << QByteArray("\xEF\xBB\xBFplain\nZo\xEB") << QString::fromUtf8("plain\nZoë")
            << QList<qsizetype>{1};
        // A bad byte costs one letter: every UTF-8 sequence on its line,
        // also the only one of the file, is read as UTF-8.
        QTest::newRow("a bad byte on the only line with a UTF-8 letter")
            << QByteArray("Zo\xC3\xAB t\xFF" "a\r\nplain\r\n") << QString::fromUtf8("Zoë tÿa\r\nplain\r\n")
            << QList<qsizetype>{0};
        QTest::newRow("a Cyrillic name with a bad byte")
            << QByteArray("plain\n\xD0\x97\xD0\xBE\xD1\x8F\xFF") << QString::fromUtf8("plain\nЗояÿ")
            << QList<qsizetype>{1};
        QTest::newRow("a Greek letter with a bad byte")
            << QByteArray("\xCE\xB1\xFF") << QString::fromUtf8("αÿ") << QList<qsizetype>{0};
        QTest::newRow("three-byte punctuation with a bad byte")
            << QByteArray("it\xE2\x80\x99s \xFF") << QString::fromUtf8("it’s ÿ") << QList<qsizetype>{0};
        QTest::newRow("a four-byte letter with a bad byte")
            << QByteArray("\xF0\x9F\x98\x80\xFF") << QString::fromUtf8("😀ÿ") << QList<qsizetype>{0};
        // A sequence cut short is no sequence: its bytes are Windows-1252.
        QTest::newRow("a three-byte sequence cut short")
            << QByteArray("\xE2\x80 Zo\xC3\xAB") << QString::fromUtf8("â€ Zoë") << QList<qsizetype>{0};
        QTest::newRow("an overlong form and a surrogate")
            << QByteArray("\xC0\xAF\xED\xA0\x80 Zo\xC3\xAB")
            << QString::fromUtf8("À¯í\u00A0€ Zoë") << QList<qsizetype>{0};
        // Windows-1252 text gives two-byte sequences by chance where an
        // accented capital stands before punctuation: an IPA symbol, not a
        // letter, so the file stays Windows text.
        QTest::newRow("CAF\u00c9\u2019S beside B\u00e9n")
            << QByteArray("B\xE9n\nCAF\xC9\x92S") << QString::fromUtf8("Bén\nCAFÉ’S")
            << QList<qsizetype>();
        QTest::newRow("\u00c9 before a no-break space beside B\u00e9n")
            << QByteArray("B\xE9n\nOL\xC9\xA0OL\xC9") << QString::fromUtf8("Bén\nOLÉ\u00A0OLÉ")
            << QList<qsizetype>();
        // A letter of any alphabet shows UTF-8: Hebrew letters follow ×,
        // which is no letter, and most others no mark that ends a word.
        QTest::newRow("a Hebrew name with a bad byte")
            << QByteArray("\xD7\x93\xD7\x95\xD7\x93\n\xFF") << QString::fromUtf8("דוד\nÿ")
            << QList<qsizetype>{1};
        QTest::newRow("an Arabic name with a bad byte")
            << QByteArray("\xD8\xAD\xD8\xAF\xD8\xA7\xD8\xAF\xFF") << QString::fromUtf8("حدادÿ")
            << QList<qsizetype>{0};
        QTest::newRow("an Armenian name with a bad byte")
            << QByteArray("\xD4\xB1\xD6\x80\xD5\xB4\xD5\xA5\xD5\xB6 \xFF")
            << QString::fromUtf8("Արմեն ÿ") << QList<qsizetype>{0};
        QTest::newRow("Romanian \u0218 before t")
            << QByteArray("\xC8\x98tefan\r\nok\xFF\r\n") << QString::fromUtf8("Ștefan\r\nokÿ\r\n")
            << QList<qsizetype>{1};
        QTest::newRow("Vietnamese \u01b0 and \u01a1")
            << QByteArray("Tr\xC6\xB0\xC6\xA1ng \xFF") << QString::fromUtf8("Trương ÿ")
            << QList<qsizetype>{0};
        // Some letters are also what Windows-1252 gives by chance ("È™",
        // "Ù…"), but inside a word, before a small letter or beside
        // another such letter, they are not.
        QTest::newRow("Romanian \u0219 (\u00c8\u2122) before a")
            << QByteArray("Mure\xC8\x99" "an \xFF") << QString::fromUtf8("Mureșan ÿ")
            << QList<qsizetype>{0};
        QTest::newRow("Vietnamese \u1ec5 (\u00e1\u00bb\u2026) before n")
            << QByteArray("Nguy\xE1\xBB\x85n \xFF") << QString::fromUtf8("Nguyễn ÿ")
            << QList<qsizetype>{0};
        QTest::newRow("two Arabic letters, each \u00d9\u2026 or \u00d8\u00b0 alone")
            << QByteArray("\xD9\x85\xD8\xB0 \xFF") << QString::fromUtf8("مذ ÿ")
            << QList<qsizetype>{0};
        // What Windows-1252 writers type by chance: an accented letter, then
        // the marks that end its word, in two bytes or three.
        QTest::newRow("fatigu\u00e9, a no-break space and \u00bb beside B\u00e9n")
            << QByteArray("B\xE9n\nfatigu\xE9\xA0\xBB.") << QString::fromUtf8("Bén\nfatigué\u00A0».")
            << QList<qsizetype>();
        QTest::newRow("caf\u00e9\u2026\u201d beside B\u00e9n")
            << QByteArray("B\xE9n\ncaf\xE9\x85\x94") << QString::fromUtf8("Bén\ncafé…”")
            << QList<qsizetype>();
        QTest::newRow("PI\u00d9\u2026 and wei\u00df\u201c beside B\u00e9n")
            << QByteArray("B\xE9n\nPI\xD9\x85 \x84wei\xDF\x93")
            << QString::fromUtf8("Bén\nPIÙ… „weiß“") << QList<qsizetype>();
        // An apostrophe or a dash joins the next word without a blank.
        QTest::newRow("JOS\u00c9\u2019s, JOS\u00c9\u00b4s and OL\u00c9\u2014and beside B\u00e9n")
            << QByteArray("B\xE9n\nJOS\xC9\x92s JOS\xC9\xB4s OL\xC9\x97" "and")
            << QString::fromUtf8("Bén\nJOSÉ’s JOSÉ´s OLÉ—and") << QList<qsizetype>();
    }
    void decodingLines()
    {
        QFETCH(QByteArray, bytes);
        const FileText::Lines lines = FileText::decodeLines(bytes);
        QTEST(lines.text, "text");
        QTEST(lines.notUtf8, "notUtf8");
    }

    // The accented letters that end words, before the punctuation and the
    // no-break space that follow a word, in a file that is otherwise
    // Windows-1252 ("Bén"): read as Windows text, with no line taken for
    // bad UTF-8. A capital and a mark make two bytes that are UTF-8, a small
    // letter and two marks three. No Windows writer types "È™" or "È›", nor
    // a mark other than a no-break space right after "»" behind a letter:
    // those are Romanian ș and ț, and Vietnamese and Chinese letters, so the
    // file is UTF-8 and "Bén" its line that is not.
    void accentedLettersBeforePunctuationStayWindowsText_data()
    {
        QTest::addColumn<QByteArray>("letters");
        QTest::addColumn<int>("marks");
        QTest::newRow("capitals and \u00df, one mark")
            << QByteArray("\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDF")
            << 1;
        QTest::newRow("small letters, two marks")
            << QByteArray("\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF") << 2;
        QTest::newRow("small letters, three marks") << QByteArray("\xF1\xF2\xF3\xF4") << 3;
    }
    void accentedLettersBeforePunctuationStayWindowsText()
    {
        QFETCH(QByteArray, letters);
        QFETCH(int, marks);
        const QByteArray after =
            "\x85\x8B\x91\x92\x93\x94\x96\x97\x99\x9B\xA0\xA9\xAB\xAE\xB0\xB4\xBB";
        QList<QByteArray> ends{QByteArray()};
        for (int k = 0; k < marks; ++k) {
            QList<QByteArray> longer;
            for (const QByteArray &end : std::as_const(ends)) {
                for (const char mark : after)
                    longer << end + mark;
            }
            ends = longer;
        }
        for (const char letter : letters) {
            for (const QByteArray &end : std::as_const(ends)) {
                const bool romanian = letter == '\xC8' && (end == "\x99" || end == "\x9B");
                // í is no UTF-8 before »: it leads only surrogates there.
                const bool threeBytesAfterGuillemet = end.size() == 2 && letter != '\xED'
                    && end.at(0) == '\xBB' && end.at(1) != '\xA0';
                const bool utf8 = romanian || threeBytesAfterGuillemet;
                for (const QByteArray &next : {QByteArray("S"), QByteArray(" "), QByteArray()}) {
                    const QByteArray bytes = QByteArray("B\xE9n\nCAF") + letter + end + next;
                    const FileText::Lines lines = FileText::decodeLines(bytes);
                    QCOMPARE(lines.notUtf8, utf8 ? QList<qsizetype>{0} : QList<qsizetype>());
                    QCOMPARE(lines.text,
                             utf8 ? QString::fromUtf8("Bén\nCAF" + (letter + end) + next)
                                  : FileText::fromWindows1252(bytes));
                }
            }
        }
    }

    // The linear writer gives the record's own line for every sim, also
    // for spouses and children listed twice or not at all.
    void familyLinkWriterMatchesTheRecord()
    {
        QRandomGenerator random(1301);
        for (int round = 0; round < 40; ++round) {
            std::vector<std::unique_ptr<Sim>> owned;
            SimList list;
            const int count = 1 + random.bounded(12);
            for (int i = 0; i < count; ++i)
                owned.push_back(std::make_unique<Sim>(QString::number(i), 30, 1, 1, 0, true, 0, "", ""));
            for (int i = 0; i < count; ++i) {
                // Some sims stand twice in the list, some not at all.
                const int copies = random.bounded(5) == 0 ? 2 : (random.bounded(6) == 0 ? 0 : 1);
                for (int c = 0; c < copies; ++c)
                    list.insert(random.bounded(int(list.size()) + 1), owned[i].get());
            }
            for (int i = 0; i < count; ++i) {
                if (random.bounded(3) == 0)
                    owned[i]->setSpouse(owned[random.bounded(count)].get());
                for (int c = random.bounded(4); c > 0; --c)
                    owned[i]->addChild(owned[random.bounded(count)].get());
            }
            const ListFile::FamilyLinkWriter writer(list);
            for (const auto &sim : owned)
                QCOMPARE(writer.line(*sim), sim->familyLinksToString(list));
        }
    }

    // Opening fills the sheet only once the whole file has been read, and
    // shows its progress in the order of the sections.
    void applyFillsTheSheetInOrder_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("expected");
        const QStringList common{
            "clear",
            "Reading sims...",
            "sims 7",
            "Updating various tabs...",
            "rebuild",
            "Reading updates...",
            "update \"Ada Brook had a baby girl named Dee Brook on day 1.\",0,1",
            QString::fromUtf8("update \"Sue Study, Cy Brook and Zoë Ünal threw a party.\",4,-1"),
            "Reading achievements...",
            "achievement \"Ben Brook became a vampire.\",1,-1",
            "achievement \"" + QString(40, '-') + "\",-1,-1",
        };
        QTest::newRow("0.1") << 0 << common;
        QTest::newRow("0.5") << 4
                             << common + QStringList{"Reading household info...", "household At Large,No",
                                                     "household Brook,Yes", "household Dorm,No",
                                                     "household Runaways,",
                                                     QString::fromUtf8("household Ünal,No")};
    }
    void applyFillsTheSheetInOrder()
    {
        QFETCH(int, format);
        ListFile::Contents contents = ListFile::read(fixture("v05.sls"), format);
        RecordingReceiver receiver;
        CapturedStdout out;
        ListFile::apply(contents, format, receiver);
        QTEST(out.text().split('\n', Qt::SkipEmptyParts), "expected");
        QCOMPARE(receiver.kept.size(), 7);
        QCOMPARE(contents.store.size(), 0);
    }
};

QTEST_MAIN(TestListFile)
#include "tst_listfile.moc"
