#include "events/EventCatalogue.h"

#include "records/Codes.h"

#include <QList>

namespace EventCatalogue {

namespace {

enum class Shown { Always, WithPack, PairWithPack };

struct Row
{
    const char *category;
    const char *name;
    Shown shown = Shown::Always;
    int pack = 0;
    // For a pair: the name shown when the pack is not set.
    const char *withoutPack = nullptr;
};

const QList<Row> &rows()
{
    using namespace EPFlags;
    static const QList<Row> table{
        {"New Sims and Pets", "From CAS"},
        {"New Sims and Pets", "Former Townies/NPCs"},
        {"New Sims and Pets", "At Large Townies/NPCs"},
        {"New Sims and Pets", "Stray Pets", Shown::WithPack, Pets},
        {"New Sims and Pets", "At Large Stray Pets", Shown::WithPack, Pets},
        {"New Sims and Pets", "Ordinary Babies"},
        {"New Sims and Pets", "Babies by Townies"},
        {"New Sims and Pets", "Pet Babies", Shown::WithPack, Pets},
        {"New Sims and Pets", "Pet Babies by Strays", Shown::WithPack, Pets},
        {"New Sims and Pets", "Alien Babies"},
        {"New Sims and Pets", "Plant Babies", Shown::WithPack, Seasons},
        {"New Sims and Pets", "Adopted New Children and Pets", Shown::PairWithPack, Pets,
         "Adopted New Children"},
        {"New Sims and Pets", "Readopted Children and Pets", Shown::PairWithPack, Pets,
         "Readopted Children"},
        {"New Sims and Pets", "Activated Servos", Shown::WithPack, OpenForBusiness},
        {"New Sims and Pets", "Bigfoot", Shown::WithPack, BonVoyage},
        {"Aging", "Individual Holds"},
        {"Aging", "Household Holds"},
        {"Aging", "Growing up"},
        {"Aging", "Social Worker"},
        {"Aging", "Removed Pets", Shown::WithPack, Pets},
        {"Aging", "Given or sold Pets", Shown::WithPack, Pets},
        {"Aging", "Pets put up for adoption", Shown::WithPack, Pets},
        {"Aging", "Runaway Teens"},
        {"Aging", "Runaway Pets", Shown::WithPack, Pets},
        {"Aging", "Returned Teens"},
        {"Aging", "Found Pets", Shown::WithPack, Pets},
        {"Aging", "Going to college", Shown::WithPack, University},
        {"Aging", "Leaving college", Shown::WithPack, University},
        {"Aging", "Natural Death"},
        {"Aging", "Unnatural Death"},
        {"Aging", "Resurrection", Shown::WithPack, University},
        {"Aging", "Drinking Elixer"},
        {"Aging", "Drinking Cowplant milk", Shown::WithPack, University},
        {"Aging", "Kibble of Life", Shown::WithPack, Pets},
        {"Household and Family", "Moving out"},
        {"Household and Family", "Moving house"},
        {"Household and Family", "Moving graves"},
        {"Household and Family", "Going steady"},
        {"Household and Family", "Getting engaged"},
        {"Household and Family", "Getting married/joined"},
        {"Household and Family", "Breaking up"},
        {"Changes", "Changing names"},
        {"Changes", "Changing primary and secondary aspirations", Shown::PairWithPack, FreeTime,
         "Changing aspirations"},
        {"Changes", "Changing majors", Shown::WithPack, University},
        {"Supernatural", "Becoming a Vampire", Shown::WithPack, Nightlife},
        {"Supernatural", "Becoming a Werewolf", Shown::WithPack, Pets},
        {"Supernatural", "Becoming a Plantsim", Shown::WithPack, Seasons},
        {"Supernatural", "Becoming a Witch", Shown::WithPack, ApartmentLife},
        {"Supernatural", "Changing alignment", Shown::WithPack, ApartmentLife},
        {"Supernatural", "Being cured of Vampirism", Shown::WithPack, Nightlife},
        {"Supernatural", "Being cured of Lycanthropy", Shown::WithPack, Pets},
        {"Supernatural", "Being cured of Plantsiminism", Shown::WithPack, Seasons},
        {"Supernatural", "Being cured of Witchiness", Shown::WithPack, ApartmentLife},
        {"Other", "Custom Event"},
    };
    return table;
}

} // namespace

QString prompt()
{
    return QStringLiteral("Select a Catagory");
}

const QStringList &categories()
{
    static const QStringList names{QStringLiteral("New Sims and Pets"), QStringLiteral("Aging"),
                                   QStringLiteral("Household and Family"),
                                   QStringLiteral("Changes"), QStringLiteral("Supernatural"),
                                   QStringLiteral("Other")};
    return names;
}

QStringList events(const QString &category, int epFlags)
{
    QStringList result;
    for (const Row &row : rows()) {
        if (category != QLatin1String(row.category))
            continue;
        const bool packSet = (epFlags & row.pack) != 0;
        switch (row.shown) {
        case Shown::Always:
            result.append(QLatin1String(row.name));
            break;
        case Shown::WithPack:
            if (packSet)
                result.append(QLatin1String(row.name));
            break;
        case Shown::PairWithPack:
            result.append(QLatin1String(packSet ? row.name : row.withoutPack));
            break;
        }
    }
    return result;
}

QStringList allNames()
{
    QStringList result;
    for (const Row &row : rows()) {
        result.append(QLatin1String(row.name));
        if (row.withoutPack)
            result.append(QLatin1String(row.withoutPack));
    }
    return result;
}

} // namespace EventCatalogue
