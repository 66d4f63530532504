#pragma once

#include <QString>

// The sheet's ten settings, named as their keys in "tolvane.conf", with
// their defaults. The settings dialog's widgets hold exactly the ranges
// below; the sheet keeps every value within them, so that what the file, the
// dialog and the list file's settings line show always agree.
struct Settings
{
    int RotationTime = 1;
    bool RotateCollege = true;
    int CollegeRotationTime = 2;
    bool AutoGoToCollege = false;
    int AutoGoToCollegeTime = 5;
    bool AutoBirthdays = true;
    int AutoBirthdaysTime = 1;
    int AgeDisplay = 1;
    int EPFlags = 0;
    QString SimPELocation = QStringLiteral("C:/Program Files/SimPE/");

    // The ranges of the settings dialog's widgets.
    static constexpr int MinRotationTime = 1;
    static constexpr int MaxRotationTime = 14;
    static constexpr int MinCollegeRotationTime = 1;
    static constexpr int MaxCollegeRotationTime = 8;
    static constexpr int MinAutoGoToCollegeTime = 1;
    static constexpr int MaxAutoGoToCollegeTime = 14;
    // AutoBirthdaysTime: 0 before six PM, 1 at or after.
    static constexpr int MinAutoBirthdaysTime = 0;
    static constexpr int MaxAutoBirthdaysTime = 1;
    // AgeDisplay: 0 days old, 1 days until the next stage.
    static constexpr int MinAgeDisplay = 0;
    static constexpr int MaxAgeDisplay = 1;
    // The eight pack bits; higher bits have no pack.
    static constexpr int MinEPFlags = 0;
    static constexpr int MaxEPFlags = 255;

    // Each value held to its range (EPFlags keeps only the eight pack bits).
    static int clampRotationTime(int value);
    static int clampCollegeRotationTime(int value);
    static int clampAutoGoToCollegeTime(int value);
    static int clampAutoBirthdaysTime(int value);
    static int clampAgeDisplay(int value);
    static int clampEPFlags(int value);

    // These settings with every value held to its range.
    Settings clamped() const;

    bool operator==(const Settings &other) const;
    bool operator!=(const Settings &other) const { return !(*this == other); }
};
