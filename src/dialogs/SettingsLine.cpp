#include "dialogs/SettingsLine.h"

#include "records/PartReader.h"

namespace SettingsLine {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

int packBit(int position)
{
    if (position < FirstPack || position > LastPack)
        return 0;
    return 1 << (position - FirstPack);
}

QString format(const Settings &s)
{
    QStringList values{QString::number(s.RotationTime),
                       flag(s.RotateCollege),
                       QString::number(s.CollegeRotationTime),
                       flag(s.AutoGoToCollege),
                       QString::number(s.AutoGoToCollegeTime),
                       flag(s.AutoBirthdays),
                       QString::number(s.AutoBirthdaysTime),
                       QString::number(s.AgeDisplay),
                       s.SimPELocation};
    for (int position = FirstPack; position <= LastPack; ++position)
        values.append(flag(s.EPFlags & packBit(position)));
    QString line;
    for (const QString &value : values)
        line += value + QLatin1Char(',');
    return line;
}

QList<int> positionsOf(int formatIndex)
{
    QList<int> positions;
    for (int position = RotationTime; position <= AgeDisplay; ++position)
        positions.append(position);
    if (formatIndex == 0 || formatIndex == 1)
        return positions;
    if (formatIndex != 2 && formatIndex != 3)
        positions.append(SimPELocation);
    for (int position = FirstPack; position <= LastPack; ++position)
        positions.append(position);
    return positions;
}

bool hasShape(const QString &line)
{
    PartReader parts(line);
    for (int position = RotationTime; position <= AgeDisplay; ++position) {
        int number = 0;
        if (!parts.takeInt(&number))
            return false;
    }
    return parts.wholeNumbers();
}

Read read(const QString &line, int formatIndex)
{
    Read result;
    result.partCount = int(line.split(QLatin1Char(',')).size());
    result.values.EPFlags = 0;
    PartReader parts(line);
    const QList<int> positions = positionsOf(formatIndex);
    if (result.partCount < positions.size())
        return result;
    for (const int position : positions) {
        QString text;
        if (!parts.takePart(&text))
            break;
        const int number = text.toInt();
        Settings &v = result.values;
        switch (position) {
        case RotationTime:
            v.RotationTime = Settings::clampRotationTime(number);
            break;
        case RotateCollege:
            v.RotateCollege = number != 0;
            break;
        case CollegeRotationTime:
            v.CollegeRotationTime = Settings::clampCollegeRotationTime(number);
            break;
        case AutoGoToCollege:
            v.AutoGoToCollege = number != 0;
            break;
        case AutoGoToCollegeTime:
            v.AutoGoToCollegeTime = Settings::clampAutoGoToCollegeTime(number);
            break;
        case AutoBirthdays:
            v.AutoBirthdays = number != 0;
            break;
        case AutoBirthdaysTime:
            v.AutoBirthdaysTime = Settings::clampAutoBirthdaysTime(number);
            break;
        case AgeDisplay:
            v.AgeDisplay = Settings::clampAgeDisplay(number);
            break;
        case SimPELocation:
            v.SimPELocation = text;
            break;
        default:
            if (number != 0)
                v.EPFlags |= packBit(position);
            break;
        }
        result.positions.append(position);
    }
    return result;
}

} // namespace SettingsLine
