#pragma once

// Code tables shared by the whole program. The numbers are stored in list
// files, so they never change.

#include <QStringList>

namespace Gender {
enum : int { Unset = 0, Male = 1, Female = 2 };
}

// Species codes equal the species bits of SimTypeFlags.
namespace Species {
enum : int { Human = 0, SmallDog = 128, LargeDog = 256, Cat = 512 };
}

namespace SimTypeFlags {
enum : int {
    None = 0,
    Alien = 1,
    Zombie = 2,
    Vampire = 4,
    Servo = 8,
    Werewolf = 16,
    Plantsim = 32,
    Bigfoot = 64,
    SmallDog = 128,
    LargeDog = 256,
    Cat = 512,
    Witch = 1024
};
}

namespace Aspiration {
enum : int {
    None = 0,
    Fortune = 1,
    Family = 2,
    Romance = 3,
    Popularity = 4,
    Knowledge = 5,
    Pleasure = 6,
    GrilledCheese = 7,
    GrowUp = 8
};
}

namespace GhostColor {
enum : int {
    Pink = 0,
    Green = 1,
    Yellow = 2,
    Blue = 3,
    Orange = 4,
    Purple = 5,
    Red = 6,
    White = 7,
    Transparent = 8,
    BrightGreen = 9
};
}

namespace Alignment {
enum : int {
    AtrociouslyEvil = -3,
    Evil = -2,
    Mean = -1,
    Neutral = 0,
    Nice = 1,
    Good = 2,
    InfalliblyGood = 3
};
}

namespace EPFlags {
enum : int {
    University = 1,
    Nightlife = 2,
    OpenForBusiness = 4,
    Pets = 8,
    Seasons = 16,
    BonVoyage = 32,
    FreeTime = 64,
    ApartmentLife = 128,
    All = 255
};
}

namespace SpecialHousehold {
// The 16 households that group sims who are not played as a family, in
// their fixed order. "At Large" is not one of them.
const QStringList &names();
bool contains(const QString &household);
}
