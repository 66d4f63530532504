#include "sheet/Settings.h"

#include <QtGlobal>

int Settings::clampRotationTime(int value)
{
    return qBound(MinRotationTime, value, MaxRotationTime);
}

int Settings::clampCollegeRotationTime(int value)
{
    return qBound(MinCollegeRotationTime, value, MaxCollegeRotationTime);
}

int Settings::clampAutoGoToCollegeTime(int value)
{
    return qBound(MinAutoGoToCollegeTime, value, MaxAutoGoToCollegeTime);
}

int Settings::clampAutoBirthdaysTime(int value)
{
    return qBound(MinAutoBirthdaysTime, value, MaxAutoBirthdaysTime);
}

int Settings::clampAgeDisplay(int value)
{
    return qBound(MinAgeDisplay, value, MaxAgeDisplay);
}

int Settings::clampEPFlags(int value)
{
    return value & MaxEPFlags;
}

Settings Settings::clamped() const
{
    Settings out = *this;
    out.RotationTime = clampRotationTime(RotationTime);
    out.CollegeRotationTime = clampCollegeRotationTime(CollegeRotationTime);
    out.AutoGoToCollegeTime = clampAutoGoToCollegeTime(AutoGoToCollegeTime);
    out.AutoBirthdaysTime = clampAutoBirthdaysTime(AutoBirthdaysTime);
    out.AgeDisplay = clampAgeDisplay(AgeDisplay);
    out.EPFlags = clampEPFlags(EPFlags);
    return out;
}

bool Settings::operator==(const Settings &other) const
{
    return RotationTime == other.RotationTime && RotateCollege == other.RotateCollege
        && CollegeRotationTime == other.CollegeRotationTime
        && AutoGoToCollege == other.AutoGoToCollege
        && AutoGoToCollegeTime == other.AutoGoToCollegeTime
        && AutoBirthdays == other.AutoBirthdays && AutoBirthdaysTime == other.AutoBirthdaysTime
        && AgeDisplay == other.AgeDisplay && EPFlags == other.EPFlags
        && SimPELocation == other.SimPELocation;
}
