#include "support/ListFixtures.h"

#include "support/Fixture.h"

namespace ListFixtures {

namespace {

QByteArray list(const QString &name)
{
    return Fixture::bytes(QStringLiteral("lists/") + name);
}

// Line `index` of a file with CR LF line ends, without its line end.
QByteArray lineOf(const QByteArray &bytes, int index)
{
    return bytes.split('\n').value(index).chopped(1);
}

// The comma-separated part `index` of a line replaced.
QByteArray withPart(const QByteArray &line, int index, const QByteArray &part)
{
    QList<QByteArray> parts = line.split(',');
    parts[index] = part;
    return parts.join(',');
}

// A letter after the first digit: "40" gives "4O0", "(1" gives "(1O".
QByteArray garbled(QByteArray part)
{
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (part.at(i) >= '0' && part.at(i) <= '9')
            return part.insert(i + 1, 'O');
    }
    return part + 'O';
}

// The number of a part ("40", "(1", "-1", "4))") in the forms QString::toInt
// still reads but the writer never writes: a leading zero, a blank before or
// after it, a plus sign, and "-0" for a -1 or a 0, as a changed digit gives
// it. Each comes with its name, the form in quotes to show the blanks.
QList<QPair<QByteArray, QByteArray>> unwrittenForms(const QByteArray &part)
{
    qsizetype start = 0;
    while (start < part.size() && part.at(start) != '-'
           && !(part.at(start) >= '0' && part.at(start) <= '9'))
        ++start;
    qsizetype end = start < part.size() && part.at(start) == '-' ? start + 1 : start;
    while (end < part.size() && part.at(end) >= '0' && part.at(end) <= '9')
        ++end;
    const QByteArray before = part.left(start);
    const QByteArray number = part.mid(start, end - start);
    const QByteArray after = part.mid(end);
    const bool negative = number.startsWith('-');
    QList<QByteArray> forms{negative ? "-0" + number.mid(1) : "0" + number, " " + number,
                            number + " "};
    if (!negative)
        forms.append("+" + number);
    if (number == "-1" || number == "0")
        forms.append("-0");
    QList<QPair<QByteArray, QByteArray>> out;
    for (const QByteArray &form : forms) {
        const QByteArray written = before + form + after;
        out.append({'"' + written + '"', written});
    }
    return out;
}

struct Fields
{
    const char *version;
    const char *fixture;
    int format;
    int sims;
    // The number parts of the first sim line, by index.
    QList<QPair<int, const char *>> numbers;
};

} // namespace

QList<WellFormed> wellFormed()
{
    const QByteArray empty = list(QStringLiteral("empty.sls"));
    // The settings line of the empty sheet is the one a fresh window writes.
    const QByteArray oneUpdate = "\r\n\"Put X on hold for 3 days.\",-1,-1\r\n"
        + Fixture::cutAfter(empty, 4).mid(2) + "\r\n";
    // A SimPE folder may hold a comma: the settings line then has more
    // parts than its form, but still its shape.
    const QByteArray v05 = list(QStringLiteral("v05.sls"));
    const QByteArray commaFolder =
        Fixture::withLine(v05, 14, "1,1,2,0,5,1,1,1,C:/Games, old/SimPE/,0,0,0,0,0,0,0,0,");
    // A household name may hold a comma: its mark follows the last one.
    const QByteArray commaHousehold =
        Fixture::withLine(Fixture::withLine(v05, 4, QByteArray(lineOf(v05, 4)).replace(
                                                        "\"Dorm\"", "\"Dorm, East\"")),
                          17, "Dorm, East,No");
    const QByteArray v01 = list(QStringLiteral("v01.sls"));
    const QByteArray v02 = list(QStringLiteral("v02.sls"));
    const QByteArray v03 = list(QStringLiteral("v03.sls"));
    const WellFormed lists[] = {
        {QStringLiteral("0.1"), v01, 0, 4,
         list(QStringLiteral("v01.saved.sls"))},
        {QStringLiteral("0.2"), v02, 1, 5,
         list(QStringLiteral("v02.saved.sls"))},
        {QStringLiteral("0.3"), v03, 2, 4,
         list(QStringLiteral("v03.saved.sls"))},
        {QStringLiteral("0.4"), list(QStringLiteral("v04.sls")), 3, 4,
         list(QStringLiteral("v04.saved.sls"))},
        {QStringLiteral("0.5"), v05, 4, 7, v05},
        {QStringLiteral("0.5, SimPE folder with a comma"), commaFolder, 4, 7, v05},
        {QStringLiteral("0.5, household with a comma"), commaHousehold, 4, 7, commaHousehold},
        // The households end 0.2 and 0.3 lists: more empty lines may follow
        // them, or none; and a 0.1 list may end before its settings line.
        {QStringLiteral("0.2, two more empty lines at the end"), v02 + "\r\n\r\n", 1, 5,
         list(QStringLiteral("v02.saved.sls"))},
        {QStringLiteral("0.3, no empty line after the households"), v03.chopped(2), 2, 4,
         list(QStringLiteral("v03.saved.sls"))},
        {QStringLiteral("0.1 without a settings line"), Fixture::cutAfter(v01, 10), 0, 4,
         list(QStringLiteral("v01.saved.sls")), true},
        {QStringLiteral("empty sheet"), empty, 4, 0, empty},
        {QStringLiteral("no sims, one update"), oneUpdate, 4, 0, oneUpdate},
    };
    const QPair<const char *, QByteArray> lineEnds[] = {
        {"CR LF", "\r\n"}, {"LF", "\n"}, {"CR CR LF", "\r\r\n"}};
    QList<WellFormed> out;
    for (const WellFormed &whole : lists) {
        for (const auto &[name, lineEnd] : lineEnds) {
            WellFormed variant = whole;
            variant.name = whole.name + QStringLiteral(", ") + QLatin1String(name);
            variant.bytes = Fixture::withLineEnds(whole.bytes, lineEnd, true);
            out.append(variant);
            // A file that ends between the CR and the LF of its last line
            // lost nothing: the CR shows the line was whole.
            if (lineEnd.endsWith("\r\n")) {
                variant.name = whole.name + QStringLiteral(", ") + QLatin1String(name)
                    + QStringLiteral(", without its last LF");
                variant.bytes = Fixture::withLineEnds(whole.bytes, lineEnd, true).chopped(1);
                out.append(variant);
            }
            // Every family-link line is written with its line end, so
            // without it the last one may be cut short.
            if (whole.needsItsFinalLineEnd || (whole.format > 2 && whole.sims > 0))
                continue;
            variant.name = whole.name + QStringLiteral(", ") + QLatin1String(name)
                + QStringLiteral(", no final line end");
            variant.bytes = Fixture::withLineEnds(whole.bytes, lineEnd, false);
            out.append(variant);
        }
    }
    return out;
}

QList<Garbled> garbledSimLines()
{
    static const Fields kFormats[] = {
        {"0.1", "v01.sls", 0, 4,
         {{1, "age"}, {2, "gender"}, {3, "aspiration"}, {4, "in college"}, {6, "semester"},
          {7, "alive"}, {8, "hold"}, {9, "flags"}}},
        {"0.2", "v02.sls", 1, 5,
         {{1, "age"}, {2, "gender"}, {3, "aspiration"}, {5, "in college"}, {7, "semester"},
          {8, "alive"}, {9, "ghost colour"}, {10, "hold"}, {11, "flags"}}},
        {"0.3", "v03.sls", 2, 4,
         {{1, "age"}, {2, "gender"}, {3, "aspiration"}, {4, "secondary aspiration"},
          {6, "in college"}, {8, "semester"}, {9, "alive"}, {10, "ghost colour"}, {11, "hold"},
          {12, "flags"}}},
        {"0.4", "v04.sls", 3, 4,
         {{1, "age"}, {2, "gender"}, {3, "aspiration"}, {4, "secondary aspiration"},
          {6, "in college"}, {8, "semester"}, {9, "alive"}, {10, "ghost colour"}, {11, "hold"},
          {12, "flags"}}},
        {"0.5", "v05.sls", 4, 7,
         {{1, "NID"}, {2, "age"}, {3, "gender"}, {4, "aspiration"},
          {5, "secondary aspiration"}, {6, "aspiration of a period with wants"},
          {7, "secondary aspiration before wants"}, {9, "want steps"}, {10, "want steps done"},
          {12, "in college"}, {14, "semester"}, {15, "alive"}, {16, "ghost colour"},
          {17, "hold"}, {18, "flags"}, {19, "witch alignment"}}},
    };
    QList<Garbled> out;
    for (const Fields &format : kFormats) {
        const QByteArray bytes = list(QLatin1String(format.fixture));
        const QByteArray first = lineOf(bytes, 0);
        for (const auto &[index, field] : format.numbers) {
            const QByteArray part = first.split(',').at(index);
            out.append({QStringLiteral("%1 %2 %3").arg(QLatin1String(format.version),
                                                       QLatin1String(field),
                                                       QLatin1String(garbled(part))),
                        Fixture::withLine(bytes, 0, withPart(first, index, garbled(part))),
                        format.format, format.sims, QStringLiteral("Ada Brook")});
        }
        for (const auto &[index, field] : format.numbers) {
            const QByteArray part = first.split(',').at(index);
            for (const auto &[name, form] : unwrittenForms(part)) {
                out.append({QStringLiteral("%1 %2 %3").arg(QLatin1String(format.version),
                                                           QLatin1String(field),
                                                           QLatin1String(name)),
                            Fixture::withLine(bytes, 0, withPart(first, index, form)),
                            format.format, format.sims, QStringLiteral("Ada Brook")});
            }
        }
        // No version leaves a number field empty.
        int hold = 0;
        for (const auto &[index, field] : format.numbers) {
            if (qstrcmp(field, "hold") == 0)
                hold = index;
        }
        out.append({QStringLiteral("%1 hold empty").arg(QLatin1String(format.version)),
                    Fixture::withLine(bytes, 0, withPart(first, hold, QByteArray())),
                    format.format, format.sims, QStringLiteral("Ada Brook")});
    }
    // As seen in players' lists: an age "4O" and flags "1O24" (the sim
    // would lose her witch state), both with the letter O.
    const QByteArray v05 = list(QStringLiteral("v05.sls"));
    out.append({QStringLiteral("0.5 age 4O"),
                Fixture::withLine(v05, 0, withPart(lineOf(v05, 0), 2, "4O")), 4, 7,
                QStringLiteral("Ada Brook")});
    out.append({QStringLiteral("0.5 flags 1O24"),
                Fixture::withLine(v05, 3, withPart(lineOf(v05, 3), 13, "1O24")), 4, 7,
                QString::fromUtf8("Zo\u00eb \u00dcnal")});
    return out;
}

QList<BadByteBesideAName> badBytesBesideNames()
{
    const struct
    {
        const char *file;
        const char *alphabet;
        const char *sim;
        const char *household;
    } lists[] = {
        {"one-hebrew.sls", "Hebrew", "דוד כהן", "כהן"},
        {"one-arabic.sls", "Arabic", "ليلى حداد", "حداد"},
        {"one-romanian.sls", "Romanian", "Ștefan Mureșan", "Mureșan"},
        // Letters whose bytes read as an accented letter and the marks that
        // end a word: ồ and ị as "á»“" and "á»‹", 任 as "ä»»", ț and ș at a
        // word's end as "È›" and "È™".
        {"one-vietnamese.sls", "Vietnamese", "Hồ Thị Mai", "Hồ"},
        {"one-chinese.sls", "Chinese", "任 Ling", "任"},
        {"one-romanian-word-ends.sls", "Romanian, at words' ends",
         "Ionuț Grigoraș", "Grigoraș"},
    };
    QList<BadByteBesideAName> cases;
    for (const auto &one : lists) {
        const QByteArray bytes = list(QString::fromLatin1(one.file));
        const QString sim = QString::fromUtf8(one.sim);
        const QString household = QString::fromUtf8(one.household);
        const QString alphabet = QString::fromLatin1(one.alphabet);
        cases.append({alphabet + QStringLiteral(", the bad byte on the name's line"),
                      QByteArray(bytes).replace("tea", "t\xFF" "a"), sim, household,
                      QString::fromUtf8("Likes tÿa."), sim});
        cases.append({alphabet + QStringLiteral(", the bad byte on another line"),
                      QByteArray(bytes).replace("0,0,0,,\r\n", "0,0,0,,ok\xFF\r\n"), sim,
                      household, QStringLiteral("Likes tea."), QStringLiteral("Ben Brook")});
    }
    return cases;
}

} // namespace ListFixtures
