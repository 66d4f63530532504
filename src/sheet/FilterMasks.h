#pragma once

class Sim;

// The seven filter masks of the List of Sims: one bit per box of the filter
// dialog. A set bit admits the sims it stands for; every bit starts set.
struct FilterMasks
{
    enum Group { Life, Type, Species, Gender, LifeStage, Aspiration, Paranormal };

    // The fifty boxes, in the order of the filter dialog's boxes and signals
    // (FilterTable::boxes()).
    enum Filter {
        Alive, Dead,
        Playable, Townie, NPC, Runaway, Adoption, Downtownie, GardenClub, Island, Mountain,
        Asian, Tourist, Hobby, Socialite, Bohemian, Jock, Techie, Gearhead,
        Human, LargeDog, SmallDog, Cat,
        Male, Female,
        Baby, Toddler, Child, Teen, YA, Adult, Elder,
        None, GrowUp, Fortune, Family, Popularity, Romance, Knowledge, Pleasure, GrilledCheese,
        Normal, Alien, Zombie, Vampire, Werewolf, Servo, Plantsim, Bigfoot, Witch,
        FilterCount
    };

    int life = 3;
    int type = 0x1FFFF;
    int species = 15;
    int gender = 3;
    int lifeStage = 127;
    int aspiration = 511;
    int paranormal = 511;

    // The group and bit of a box.
    static Group groupOf(Filter filter);
    static int bitOf(Filter filter);

    int mask(Group group) const;
    // Sets or clears the box's bit; the other bits stay.
    void set(Filter filter, bool on);
    bool isSet(Filter filter) const;

    // True when the sim passes all seven masks.
    bool passes(const Sim &sim) const;
};
