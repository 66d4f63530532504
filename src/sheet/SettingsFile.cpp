#include "sheet/SettingsFile.h"

#include "sheet/FileText.h"
#include "sheet/SafeFile.h"

#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>

#include <limits>
#include <optional>

namespace SettingsFile {

QString fileName()
{
    return QStringLiteral("tolvane.conf");
}

QString readFailedMessage()
{
    return QStringLiteral("Could not read tolvane.conf file.");
}

QString writeFailedMessage()
{
    return QStringLiteral("Could not save settings.");
}

namespace {

// A run of decimal digits as an int, or nothing when the number is too
// large for an int; leading zeros count for nothing.
std::optional<int> intNumber(const QString &digits)
{
    qint64 value = 0;
    for (const QChar c : digits) {
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return int(value);
}

// A number too large for an int counts as the largest int, so that holding
// it to its range gives the maximum.
int saturatedNumber(const QString &digits)
{
    return intNumber(digits).value_or(std::numeric_limits<int>::max());
}

// A pack set too large for an int is no pack set: it reads as no packs, not
// as whatever its low bits happen to be (99999999999 would switch on all
// eight).
int packBits(const QString &digits)
{
    return Settings::clampEPFlags(intNumber(digits).value_or(0));
}

enum class Key {
    RotationTime,
    RotateCollege,
    CollegeRotationTime,
    AutoGoToCollege,
    AutoGoToCollegeTime,
    AutoBirthdays,
    AutoBirthdaysTime,
    AgeDisplay,
    EPFlags,
    SimPELocation
};

struct Pattern
{
    Key key;
    QRegularExpression expression;
};

// Each pattern must match the whole line; a digit class is ASCII only, so
// that no other script's digits read as a number.
const QList<Pattern> &patterns()
{
    static const QList<Pattern> list = [] {
        const auto whole = [](const char *pattern) {
            return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
        };
        return QList<Pattern>{
            {Key::RotationTime, whole("RotationTime=([0-9]+)")},
            {Key::RotateCollege, whole("RotateCollege=([0-9])")},
            {Key::CollegeRotationTime, whole("CollegeRotationTime=([0-9]+)")},
            {Key::AutoGoToCollege, whole("AutoGoToCollege=([0-9])")},
            {Key::AutoGoToCollegeTime, whole("AutoGoToCollegeTime=([0-9]+)")},
            {Key::AutoBirthdays, whole("AutoBirthdays=([0-9])")},
            {Key::AutoBirthdaysTime, whole("AutoBirthdaysTime=([0-9])")},
            {Key::AgeDisplay, whole("AgeDisplay=([0-9])")},
            {Key::EPFlags, whole("EPFlags=([0-9]+)")},
            {Key::SimPELocation, whole("SimPELocation=(.+)")},
        };
    }();
    return list;
}

void apply(Key key, const QString &value, Settings *s)
{
    switch (key) {
    case Key::RotationTime:
        s->RotationTime = Settings::clampRotationTime(saturatedNumber(value));
        break;
    case Key::RotateCollege:
        s->RotateCollege = value != QLatin1String("0");
        break;
    case Key::CollegeRotationTime:
        s->CollegeRotationTime = Settings::clampCollegeRotationTime(saturatedNumber(value));
        break;
    case Key::AutoGoToCollege:
        s->AutoGoToCollege = value != QLatin1String("0");
        break;
    case Key::AutoGoToCollegeTime:
        s->AutoGoToCollegeTime = Settings::clampAutoGoToCollegeTime(saturatedNumber(value));
        break;
    case Key::AutoBirthdays:
        s->AutoBirthdays = value != QLatin1String("0");
        break;
    case Key::AutoBirthdaysTime:
        s->AutoBirthdaysTime = Settings::clampAutoBirthdaysTime(saturatedNumber(value));
        break;
    case Key::AgeDisplay:
        s->AgeDisplay = Settings::clampAgeDisplay(saturatedNumber(value));
        break;
    case Key::EPFlags:
        s->EPFlags = packBits(value);
        break;
    case Key::SimPELocation:
        s->SimPELocation = value;
        break;
    }
}

} // namespace

Settings fromText(const QString &text, const Settings &base)
{
    Settings settings = base;
    FileText::LineCursor lines(text);
    while (!lines.atEnd()) {
        const QString line = lines.next();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        for (const Pattern &pattern : patterns()) {
            const QRegularExpressionMatch match = pattern.expression.match(line);
            if (match.hasMatch()) {
                apply(pattern.key, match.captured(1), &settings);
                break;
            }
        }
    }
    return settings;
}

QByteArray toBytes(const Settings &settings)
{
    const Settings s = settings.clamped();
    const auto number = [](int value) { return QString::number(value); };
    const auto flag = [](bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); };

    struct Block
    {
        const char *key;
        QString value;
        QStringList comments;
    };
    // The comment lines are kept word for word as earlier versions wrote
    // them, spellings and double blanks included.
    const QList<Block> blocks{
        {"RotationTime", number(s.RotationTime),
         {"# RotationTime: the number of sim days in the rotation."}},
        {"RotateCollege", flag(s.RotateCollege),
         {"# RotateCollege: 1 means time in college will increase automatically, 0 means",
          "# it will not."}},
        {"CollegeRotationTime", number(s.CollegeRotationTime),
         {"# CollegeRotationTime: the number of semesters that will pass during the",
          "# rotation.  Not relevant if RotateCollege is off."}},
        {"AutoGoToCollege", flag(s.AutoGoToCollege),
         {"# AutoGoToCollege: if 1, teens will automatically be sent to college at a",
          "# certain age."}},
        {"AutoGoToCollegeTime", number(s.AutoGoToCollegeTime),
         {"# AutoGoToCollegeTime: the number of days until adulthood at which teens will",
          "# be sent to college.  Not relevant if AutoGoToCollege is off."}},
        {"AutoBirthdays", flag(s.AutoBirthdays),
         {"# AutoBirthdays: if 1, birthday events will automatically be added to the",
          "# update page."}},
        {"AutoBirthdaysTime", number(s.AutoBirthdaysTime),
         {"# AutoBirthdaysTime: if 1, automatically added birthdays will be set to happen",
          "# after 6 PM; if 0 they will happen before.  Not relevant if AutoBirthdays is",
          "# off."}},
        {"AgeDisplay", number(s.AgeDisplay),
         {"# AgeDisplay: if 1, ages will be displayed as \"## days until <lifestage>\"; if",
          "# 0, they will be displayed as \"## days old\"."}},
        {"EPFlags", number(s.EPFlags),
         {"# EPFlags: to calculate the right value, sum the following:",
          "# +1 (if University is installed)", "# +2 (if Nightlife is installed)",
          "# +4 (if OFB is installed)", "# +8 (if Pets is installed)",
          "# +16 (if Seasons is installed)", "# +32 (if Bon Voyage is installed)",
          "# +64 (if Freetime is installed)", "# +128 (if Apartment Life isinstalled)"}},
        {"SimPELocation", s.SimPELocation,
         {"# SimPELocation: the default path to SimPE.  Use forward slashes (/) and not",
          "# backslashes (\\)."}},
    };

    // Blocks are parted by an empty line; the last value line has no end.
    const QString crlf = QStringLiteral("\r\n");
    QStringList texts;
    for (const Block &block : blocks) {
        texts << block.comments.join(crlf) + crlf + QLatin1String(block.key) + QLatin1Char('=')
                + block.value;
    }
    return texts.join(crlf + crlf).toUtf8();
}

bool read(QIODevice *device, Settings *settings)
{
    QByteArray bytes;
    if (!SafeFile::readAll(device, &bytes))
        return false;
    *settings = fromText(FileText::decode(bytes), *settings);
    return true;
}

LoadResult load(const QString &path, Settings *settings)
{
    if (!QFileInfo::exists(path))
        return LoadResult::Missing;
    QByteArray bytes;
    if (!SafeFile::read(path, &bytes))
        return LoadResult::Failed;
    *settings = fromText(FileText::decode(bytes), *settings);
    return LoadResult::Loaded;
}

bool save(const QString &path, const Settings &settings)
{
    return SafeFile::write(path, toBytes(settings));
}

} // namespace SettingsFile

