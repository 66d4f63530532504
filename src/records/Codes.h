#pragma once

// Code tables shared by the whole program. The numbers are stored in list
// files, so they never change.

#include <QString>
#include <QStringList>

namespace Gender {
enum : int { Unset = 0, Male = 1, Female = 2 };
}

// Species codes equal the species bits of SimTypeFlags.
namespace Species {
enum : int { Human = 0, SmallDog = 128, LargeDog = 256, Cat = 512 };
// The code of an export word of the sim editor ("Human", "LargeDog",
// "SmallDog", "Cat", exact case); -1 for any other word.
int fromExportWord(const QString &word);
// The species code a SimTypeFlags word names; with several species bits,
// Large Dog wins over Small Dog over Cat.
int fromFlags(int flags);
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
// Display name of a code 1..8 ("Fortune" .. "Grow Up"); empty otherwise.
QString name(int code);
// Code of an export word of the sim editor ("Fortune", "Family", "Romance",
// "Reputation", "Knowledge", "Fun", "Chees", "Growup", exact case); -1 for
// any other word.
int fromExportWord(const QString &word);
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
// The colour word of a code 0..9 ("Pink" .. "Bright Green"); empty otherwise.
QString word(int code);
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
// The ending of a witch's life-stage text: " Atrociously Evil Witch" ..
// " Infallibly Good Witch", plain " Witch" outside -3..3.
QString witchSuffix(int code);
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
