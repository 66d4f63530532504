#include "records/Codes.h"
#include "support/FormCheck.h"

#include <QtTest>

// The forms of sims and pets joining the neighbourhood, composed on the Update
// tab and applied to the fixture sheet.
class TestFormsJoining : public QObject
{
    Q_OBJECT

    const QString cat = "New Sims and Pets";
    const int all = EPFlags::All;

private slots:
    void roundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("From CAS")
            << cat << "From CAS" << all
            << QStringList{"3", "Nora Stone", "female", "Stone", "after", "an Adult", "Fortune"}
            << "On day 3 of the rotation, Nora Stone (female), of the Stone household, joined the "
               "neighborhood after six PM (eleven AM for pets) as an Adult (Fortune aspiration)."
            << "-" << "-" << QList<int>{1}
            << QStringList{"newSim(Nora Stone, 2, 30, 1, 3, Stone, 0, -, -)"};
        // The first and last days of the rotation: before six on day 1 the
        // sim missed no day, after six on the last day it missed them all.
        QTest::newRow("From CAS, day 1")
            << cat << "From CAS" << all
            << QStringList{"1", "Nora Stone", "male", "Stone", "before", "a Child", "Grow Up"}
            << "On day 1 of the rotation, Nora Stone (male), of the Stone household, joined the "
               "neighborhood before six PM (eleven AM for pets) as a Child (Grow Up aspiration)."
            << "-" << "-" << QList<int>{1}
            << QStringList{"newSim(Nora Stone, 1, 7, 8, 0, Stone, 0, -, -)"};
        QTest::newRow("From CAS, last day")
            << cat << "From CAS" << all
            << QStringList{"4", "Nora Stone", "female", "Brook", "after", "an elder cat", "No"}
            << "On day 4 of the rotation, Nora Stone (female), of the Brook household, joined the "
               "neighborhood after six PM (eleven AM for pets) as an elder cat (No aspiration)."
            << "-" << "-" << QList<int>{1}
            << QStringList{"newSim(Nora Stone, 2, 31, 0, 4, Brook, 512, -, -)"};
        QTest::newRow("Former Townies/NPCs")
            << cat << "Former Townies/NPCs" << all
            << QStringList{"3", "Nora Stone", "female", "Romance", "Elder",
                           "got married/joined to", "Adam Brook", "before"}
            << "On day 3 of the rotation, Nora Stone (female, Romance aspiration, Elder) got "
               "married/joined to Adam Brook before six PM."
            << "Adam Brook" << "-" << QList<int>{2}
            << QStringList{"newSim(Nora Stone, 2, 59, 3, 2, Brook, 0, -, -)"};
        QTest::newRow("At Large Townies/NPCs")
            << cat << "At Large Townies/NPCs" << all
            << QStringList{"3", "Tom Townie", "Knowledge", "moved in with", "Iris Lark", "after"}
            << "On day 3 of the rotation, Tom Townie (Knowledge Aspiration) moved in with Iris "
               "Lark after six PM."
            << "Tom Townie" << "Iris Lark" << QList<int>{3}
            << QStringList{"Tom Townie.household: Townies and Dormies -> Lark",
                           "Tom Townie.hold: 0 -> 3", "Tom Townie.aspirations: 1/0 -> 1/0;5/0"};
        QTest::newRow("Stray Pets")
            << cat << "Stray Pets" << all
            << QStringList{"3", "Adam Brook", "male", "small dog", "Biscuit", "before"}
            << "On day 3 of the rotation, Adam Brook adopted a stray male small dog named Biscuit "
               "before eleven AM."
            << "Adam Brook" << "-" << QList<int>{4, 5}
            << QStringList{"newSim(Biscuit, 1, 4, 0, 2, Brook, 128, -, -)"};
        QTest::newRow("At Large Stray Pets")
            << cat << "At Large Stray Pets" << all
            << QStringList{"3", "Hal Lark", "Tabby", "after"}
            << "On day 3 of the rotation, Hal Lark adopted Tabby after eleven AM."
            << "Hal Lark" << "Tabby" << QList<int>{5}
            << QStringList{"Tabby.household: Townies and Dormies -> Lark", "Tabby.hold: 0 -> 3"};
    }
    void roundTrip() { FormCheck::roundTrip(); }

    // Every stage, gender, aspiration and time of "From CAS".
    void fromCasChoices_data()
    {
        FormCheck::addRoundTripColumns();
        const QStringList stages{"a Toddler",      "a Child",          "a Teenager",
                                 "a Young Adult",  "an Adult",         "an Elder",
                                 "a large dog",    "a small dog",      "a cat",
                                 "an elder large dog", "an elder small dog", "an elder cat"};
        const QList<int> ages{3, 7, 15, -1, 30, 59, 4, 4, 5, 26, 30, 31};
        const QStringList asps{"No",        "Grow Up", "Fortune",  "Family", "Popularity",
                               "Knowledge", "Romance", "Pleasure", "Random"};
        for (int s = 0; s < stages.size(); ++s) {
            const QString stage = stages.at(s);
            const QString word = stage.mid(stage.indexOf(' ') + 1);
            const bool pet = word.contains("dog") || word.contains("cat");
            int flags = 0;
            if (word.contains("large dog"))
                flags = SimTypeFlags::LargeDog;
            if (word.contains("small dog"))
                flags = SimTypeFlags::SmallDog;
            if (word.contains("cat"))
                flags = SimTypeFlags::Cat;
            for (const QString gender : {"male", "female"}) {
                for (const QString &asp : asps) {
                    for (const QString time : {"before", "after"}) {
                        const QString shown = asp == "Random" ? "{asp}" : asp;
                        const QString code = pet ? "0"
                                             : asp == "Random"
                                                 ? "{aspcode}"
                                                 : QString::number(FormCheck::aspirationCode(asp));
                        QTest::addRow("%s %s %s %s", qPrintable(stage), qPrintable(gender),
                                      qPrintable(asp), qPrintable(time))
                            << cat << "From CAS" << all
                            << QStringList{"2", "Kit", gender, "Brook", time, stage, asp}
                            << QString("On day 2 of the rotation, Kit (%1), of the Brook "
                                       "household, joined the neighborhood %2 six PM (eleven AM "
                                       "for pets) as %3 (%4 aspiration).")
                                   .arg(gender, time, stage, shown)
                            << "-" << "-" << QList<int>{1}
                            << QStringList{QString("newSim(Kit, %1, %2, %3, %4, Brook, %5, -, -)")
                                               .arg(gender == "male" ? 1 : 2)
                                               .arg(ages.at(s))
                                               .arg(code)
                                               .arg(FormCheck::dayHold(2, time))
                                               .arg(flags)};
                    }
                }
            }
        }
    }
    void fromCasChoices() { FormCheck::roundTrip(); }

    // Every gender, aspiration, stage, verb and time of "Former Townies/NPCs".
    void formerTownieChoices_data()
    {
        FormCheck::addRoundTripColumns();
        const QStringList stages{"Adult", "Young Adult", "Elder"};
        const QList<int> ages{30, -1, 59};
        for (const QString gender : {"male", "female"}) {
            for (const QString asp :
                 {"Fortune", "Family", "Knowledge", "Popularity", "Romance", "Pleasure"}) {
                for (int s = 0; s < stages.size(); ++s) {
                    for (const QString verb : {"moved in with", "got married/joined to"}) {
                        for (const QString time : {"before", "after"}) {
                            QTest::addRow("%s %s %s %s %s", qPrintable(gender), qPrintable(asp),
                                          qPrintable(stages.at(s)), qPrintable(verb),
                                          qPrintable(time))
                                << cat << "Former Townies/NPCs" << all
                                << QStringList{"2", "Kit", gender, asp, stages.at(s), verb,
                                               "Hal Lark", time}
                                << QString("On day 2 of the rotation, Kit (%1, %2 aspiration, %3) "
                                           "%4 Hal Lark %5 six PM.")
                                       .arg(gender, asp, stages.at(s), verb, time)
                                << "Hal Lark" << "-" << QList<int>{2}
                                << QStringList{QString("newSim(Kit, %1, %2, %3, %4, Lark, 0, -, -)")
                                                   .arg(gender == "male" ? 1 : 2)
                                                   .arg(ages.at(s))
                                                   .arg(FormCheck::aspirationCode(asp))
                                                   .arg(FormCheck::dayHold(2, time))};
                        }
                    }
                }
            }
        }
    }
    void formerTownieChoices() { FormCheck::roundTrip(); }

    // Every aspiration, verb and time of "At Large Townies/NPCs".
    void atLargeTownieChoices_data()
    {
        FormCheck::addRoundTripColumns();
        for (const QString asp :
             {"Fortune", "Family", "Knowledge", "Popularity", "Romance", "Pleasure"}) {
            for (const QString verb : {"moved in with", "got married/joined to"}) {
                for (const QString time : {"before", "after"}) {
                    QTest::addRow("%s %s %s", qPrintable(asp), qPrintable(verb), qPrintable(time))
                        << cat << "At Large Townies/NPCs" << all
                        << QStringList{"2", "Tom Townie", asp, verb, "Adam Brook", time}
                        << QString("On day 2 of the rotation, Tom Townie (%1 Aspiration) %2 Adam "
                                   "Brook %3 six PM.")
                               .arg(asp, verb, time)
                        << "Tom Townie" << "Adam Brook" << QList<int>{3}
                        << QStringList{"Tom Townie.household: Townies and Dormies -> Brook",
                                       QString("Tom Townie.hold: 0 -> %1")
                                           .arg(FormCheck::dayHold(2, time)),
                                       QString("Tom Townie.aspirations: 1/0 -> 1/0;%1/0")
                                           .arg(FormCheck::aspirationCode(asp))};
                }
            }
        }
    }
    void atLargeTownieChoices() { FormCheck::roundTrip(); }

    // Every gender, species and time of "Stray Pets", and both times of
    // "At Large Stray Pets".
    void strayChoices_data()
    {
        FormCheck::addRoundTripColumns();
        const QStringList species{"large dog", "small dog", "cat"};
        const QList<int> flags{256, 128, 512};
        const QList<int> ages{4, 4, 5};
        for (const QString gender : {"male", "female"}) {
            for (int s = 0; s < species.size(); ++s) {
                for (const QString time : {"before", "after"}) {
                    QTest::addRow("stray %s %s %s", qPrintable(gender), qPrintable(species.at(s)),
                                  qPrintable(time))
                        << cat << "Stray Pets" << all
                        << QStringList{"2", "Beth Brook", gender, species.at(s), "Kit", time}
                        << QString("On day 2 of the rotation, Beth Brook adopted a stray %1 %2 "
                                   "named Kit %3 eleven AM.")
                               .arg(gender, species.at(s), time)
                        << "Beth Brook" << "-" << QList<int>{4, 5}
                        << QStringList{QString("newSim(Kit, %1, %2, 0, %3, Brook, %4, -, -)")
                                           .arg(gender == "male" ? 1 : 2)
                                           .arg(ages.at(s))
                                           .arg(FormCheck::dayHold(2, time))
                                           .arg(flags.at(s))};
                }
            }
        }
        for (const QString time : {"before", "after"}) {
            QTest::addRow("at large stray %s", qPrintable(time))
                << cat << "At Large Stray Pets" << all
                << QStringList{"2", "Gus Brook", "Tabby", time}
                << QString("On day 2 of the rotation, Gus Brook adopted Tabby %1 eleven AM.")
                       .arg(time)
                << "Gus Brook" << "Tabby" << QList<int>{5}
                << QStringList{"Tabby.household: Townies and Dormies -> Brook",
                               QString("Tabby.hold: 0 -> %1").arg(FormCheck::dayHold(2, time))};
        }
    }
    void strayChoices() { FormCheck::roundTrip(); }

    // The choices follow the packs.
    void choices_data()
    {
        FormCheck::addChoiceColumns();
        const QStringList human{"a Toddler", "a Child", "a Teenager", "a Young Adult", "an Adult",
                                "an Elder"};
        const QStringList pets{"a large dog",        "a small dog",        "a cat",
                               "an elder large dog", "an elder small dog", "an elder cat"};
        QTest::newRow("CAS stages, no Pets")
            << cat << "From CAS" << (all & ~EPFlags::Pets) << 5 << human;
        QTest::newRow("CAS stages, Pets") << cat << "From CAS" << all << 5 << human + pets;
        QTest::newRow("CAS aspirations, no Nightlife")
            << cat << "From CAS" << (all & ~EPFlags::Nightlife) << 6
            << QStringList{"No", "Grow Up", "Fortune", "Family", "Popularity", "Knowledge",
                           "Romance", "Random"};
        QTest::newRow("CAS aspirations, Nightlife")
            << cat << "From CAS" << all << 6
            << QStringList{"No",        "Grow Up", "Fortune",  "Family", "Popularity",
                           "Knowledge", "Romance", "Pleasure", "Random"};
        QTest::newRow("former townie stages, no University")
            << cat << "Former Townies/NPCs" << (all & ~EPFlags::University) << 4
            << QStringList{"Adult", "Elder"};
        QTest::newRow("former townie stages, University")
            << cat << "Former Townies/NPCs" << int(EPFlags::University) << 4
            << QStringList{"Adult", "Young Adult", "Elder"};
        QTest::newRow("former townie aspirations, Nightlife")
            << cat << "Former Townies/NPCs" << int(EPFlags::Nightlife) << 3
            << QStringList{"Fortune", "Family", "Knowledge", "Popularity", "Romance", "Pleasure"};
        QTest::newRow("at large townie aspirations, Nightlife")
            << cat << "At Large Townies/NPCs" << int(EPFlags::Nightlife) << 2
            << QStringList{"Fortune", "Family", "Knowledge", "Popularity", "Romance", "Pleasure"};
        QTest::newRow("former townie verbs")
            << cat << "Former Townies/NPCs" << 0 << 5
            << QStringList{"moved in with", "got married/joined to"};
        QTest::newRow("stray species")
            << cat << "Stray Pets" << int(EPFlags::Pets) << 3
            << QStringList{"large dog", "small dog", "cat"};
        QTest::newRow("former townie aspirations, no Nightlife")
            << cat << "Former Townies/NPCs" << (all & ~EPFlags::Nightlife) << 3
            << QStringList{"Fortune", "Family", "Knowledge", "Popularity", "Romance"};
        QTest::newRow("at large townie aspirations, no Nightlife")
            << cat << "At Large Townies/NPCs" << (all & ~EPFlags::Nightlife) << 2
            << QStringList{"Fortune", "Family", "Knowledge", "Popularity", "Romance"};
        // Only townies and NPCs join from "At Large Townies/NPCs", and only
        // adults, elders and students of played households take them in.
        QTest::newRow("at large townie newcomers")
            << cat << "At Large Townies/NPCs" << all << 1 << QStringList{"Tom Townie"};
        QTest::newRow("at large townie hosts")
            << cat << "At Large Townies/NPCs" << all << 4
            << QStringList{"Adam Brook", "Beth Brook", "Gus Brook", "Hal Lark", "Iris Lark",
                           "Ivy Brook", "Lou Large", "Petra Lark", "Vince Lark", "Wanda Lark",
                           "Wolf Lark"};
        QTest::newRow("stray adopters")
            << cat << "Stray Pets" << all << 1
            << QStringList{"Adam Brook", "Beth Brook", "Gus Brook", "Hal Lark", "Iris Lark",
                           "Lou Large", "Petra Lark", "Vince Lark", "Wanda Lark", "Wolf Lark"};
        QTest::newRow("at large strays") << cat << "At Large Stray Pets" << all << 2
                                         << QStringList{"Tabby"};
    }
    void choices() { FormCheck::offersChoices(); }

    void refusesEmptyText_data()
    {
        FormCheck::addRefusalColumns();
        const QStringList cas{"3", "Nora", "female", "Stone", "after", "an Adult", "Fortune"};
        QTest::newRow("From CAS name") << cat << "From CAS" << all << cas << 1;
        QTest::newRow("From CAS household") << cat << "From CAS" << all << cas << 3;
        QTest::newRow("Former Townies/NPCs name")
            << cat << "Former Townies/NPCs" << all
            << QStringList{"3", "Nora", "female", "Romance", "Elder", "moved in with",
                           "Adam Brook", "before"}
            << 1;
        QTest::newRow("Stray Pets name")
            << cat << "Stray Pets" << all
            << QStringList{"3", "Adam Brook", "male", "cat", "Biscuit", "before"} << 4;
    }
    void refusesEmptyText() { FormCheck::refusesEmptyText(); }

    // The day runs from 1 to the rotation length.
    void days_data()
    {
        FormCheck::addDayRows(cat,
                              {"From CAS",
                               "Former Townies/NPCs",
                               "At Large Townies/NPCs",
                               "Stray Pets",
                               "At Large Stray Pets"},
                              all);
    }
    void days() { FormCheck::offersDays(); }

    void refusesQuoteComma_data() { refusesEmptyText_data(); }
    void refusesQuoteComma() { FormCheck::refusesQuoteComma(); }

    // A name typed over a sim box: no other box takes its part.
    void typedNames_data()
    {
        FormCheck::addTypedNameColumns();
        QTest::newRow("newcomer") << cat << "At Large Townies/NPCs" << all
                                  << QStringList{"3", "=Tom", "Knowledge", "moved in with",
                                                 "Iris Lark", "after"};
        QTest::newRow("host") << cat << "Former Townies/NPCs" << all
                              << QStringList{"3", "Nora", "female", "Romance", "Elder",
                                             "moved in with", "=Adam", "before"};
        QTest::newRow("adopter") << cat << "At Large Stray Pets" << all
                                 << QStringList{"3", "=Hal", "Tabby", "after"};
    }
    void typedNames() { FormCheck::refusesTypedName(); }
};

QTEST_MAIN(TestFormsJoining)
#include "tst_forms_joining.moc"
