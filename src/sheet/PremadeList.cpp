#include "sheet/PremadeList.h"

#include "records/Codes.h"

namespace PremadeList {

namespace {

struct Row
{
    const char *name;
    int age; // -1: a young adult entering college
    int flags;
};

constexpr Row kRows[] = {
    {"Male Baby", 0, 0},
    {"Female Baby", 0, 0},
    {"Male Toddler", 3, 0},
    {"Female Toddler", 3, 0},
    {"Male Plantsim Toddler", 0, SimTypeFlags::Plantsim},
    {"Female Plantsim Toddler", 0, SimTypeFlags::Plantsim},
    {"Male Child", 7, 0},
    {"Female Child", 7, 0},
    {"Male Teenager", 15, 0},
    {"Female Teenager", 15, 0},
    {"Male Vampire Teenager", 15, SimTypeFlags::Vampire},
    {"Female Vampire Teenager", 15, SimTypeFlags::Vampire},
    {"Male Werewolf Teenager", 15, SimTypeFlags::Werewolf},
    {"Female Werewolf Teenager", 15, SimTypeFlags::Werewolf},
    {"Male Zombie Teenager", 15, SimTypeFlags::Zombie},
    {"Female Zombie Teenager", 15, SimTypeFlags::Zombie},
    {"Male College Student", -1, 0},
    {"Female College Student", -1, 0},
    {"Male Vampire College Student", -1, SimTypeFlags::Vampire},
    {"Female Vampire College Student", -1, SimTypeFlags::Vampire},
    {"Male Werewolf College Student", -1, SimTypeFlags::Werewolf},
    {"Female Werewolf College Student", -1, SimTypeFlags::Werewolf},
    {"Male Zombie College Student", -1, SimTypeFlags::Zombie},
    {"Female Zombie College Student", -1, SimTypeFlags::Zombie},
    {"Male Adult", 30, 0},
    {"Female Adult", 30, 0},
    {"Male Vampire Adult", 30, SimTypeFlags::Vampire},
    {"Female Vampire Adult", 30, SimTypeFlags::Vampire},
    {"Male Werewolf Adult", 30, SimTypeFlags::Werewolf},
    {"Female Werewolf Adult", 30, SimTypeFlags::Werewolf},
    {"Male Plantsim Adult", 4, SimTypeFlags::Plantsim},
    {"Female Plantsim Adult", 4, SimTypeFlags::Plantsim},
    {"Male Zombie Adult", 30, SimTypeFlags::Zombie},
    {"Female Zombie Adult", 30, SimTypeFlags::Zombie},
    {"Male Elder", 59, 0},
    {"Female Elder", 59, 0},
    {"Male Vampire Elder", 59, SimTypeFlags::Vampire},
    {"Female Vampire Elder", 59, SimTypeFlags::Vampire},
    {"Male Werewolf Elder", 59, SimTypeFlags::Werewolf},
    {"Female Werewolf Elder", 59, SimTypeFlags::Werewolf},
    {"Male Plantsim Elder", 33, SimTypeFlags::Plantsim},
    {"Female Plantsim Elder", 33, SimTypeFlags::Plantsim},
    {"Male Zombie Elder", 59, SimTypeFlags::Zombie},
    {"Female Zombie Elder", 59, SimTypeFlags::Zombie},
    {"Male Servo", 30, SimTypeFlags::Servo},
    {"Female Servo", 30, SimTypeFlags::Servo},
    {"Bigfoot", 30, SimTypeFlags::Bigfoot},
    {"Female Puppy (Large)", 0, SimTypeFlags::LargeDog},
    {"Male Puppy (Large)", 0, SimTypeFlags::LargeDog},
    {"Female Large Dog", 4, SimTypeFlags::LargeDog},
    {"Male Large Dog", 4, SimTypeFlags::LargeDog},
    {"Elder Female Large Dog", 26, SimTypeFlags::LargeDog},
    {"Elder Male Large Dog", 26, SimTypeFlags::LargeDog},
    {"Female Puppy (Small)", 0, SimTypeFlags::SmallDog},
    {"Male Puppy (Small)", 0, SimTypeFlags::SmallDog},
    {"Female Small Dog", 4, SimTypeFlags::SmallDog},
    {"Male Small Dog", 4, SimTypeFlags::SmallDog},
    {"Elder Female Small Dog", 30, SimTypeFlags::SmallDog},
    {"Elder Male Small Dog", 30, SimTypeFlags::SmallDog},
    {"Female Kitten", 0, SimTypeFlags::Cat},
    {"Male Kitten", 0, SimTypeFlags::Cat},
    {"Female Cat", 5, SimTypeFlags::Cat},
    {"Male Cat", 5, SimTypeFlags::Cat},
    {"Elder Female Cat", 31, SimTypeFlags::Cat},
    {"Elder Male Cat", 31, SimTypeFlags::Cat},
};

bool isPet(int flags)
{
    return flags == SimTypeFlags::LargeDog || flags == SimTypeFlags::SmallDog
        || flags == SimTypeFlags::Cat;
}

} // namespace

void appendOneOfEachType(SheetSims &sheet, const std::function<int()> &random)
{
    int number = 0;
    for (const Row &row : kRows) {
        ++number;
        const int gender = number % 2 == 1 ? Gender::Male : Gender::Female;
        const bool young = row.age != -1 && row.flags != SimTypeFlags::Servo
            && row.flags != SimTypeFlags::Plantsim;
        int primary = Aspiration::None;
        int secondary = Aspiration::None;
        if (isPet(row.flags)) {
            // Pets have no aspiration.
        } else if (young && row.age <= 2) {
        } else if (young && row.age <= 14) {
            primary = Aspiration::GrowUp;
        } else if (row.age <= 3 && row.flags == SimTypeFlags::Plantsim) {
            primary = Aspiration::GrowUp;
        } else {
            primary = random() % 7 + 1;
            secondary = random() % 7 + 1;
        }
        sheet.append(new Sim(QLatin1String(row.name), row.age, gender, primary, secondary, true,
                             row.flags, QString(), QString()));
    }
}

} // namespace PremadeList
