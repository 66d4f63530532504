#include "records/Codes.h"
#include "support/FormCheck.h"

#include <QtTest>

// The birth forms, composed on the Update tab and applied to the fixture
// sheet: the sheet is asked for the baby (and a townie or stray parent) with
// the right parents, household, species and hold.
class TestFormsBirths : public QObject
{
    Q_OBJECT

    const QString cat = "New Sims and Pets";
    const int all = EPFlags::All;

    static QString gcode(const QString &gender) { return gender == "male" ? "1" : "2"; }

private slots:
    void roundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("Ordinary Babies")
            << cat << "Ordinary Babies" << all
            << QStringList{"3", "Adam Brook", "Beth Brook", "female", "Nell", "before"}
            << "On day 3 of the rotation, Adam Brook and Beth Brook had a female baby named Nell "
               "before six PM."
            << "Adam Brook" << "Beth Brook" << QList<int>{6}
            << QStringList{"newSim(Nell, 2, 0, 0, 2, Brook, 0, Adam Brook, Beth Brook)",
                           "Adam Brook.children: [] -> [Nell]",
                           "Beth Brook.children: [] -> [Nell]"};
        QTest::newRow("Babies by Townies")
            << cat << "Babies by Townies" << all
            << QStringList{"3", "Iris Lark", "male", "Ben", "elder", "Tom Old", "after"}
            << "On day 3 of the rotation, Iris Lark had a male baby named Ben by an elder townie "
               "named Tom Old after six PM."
            << "Iris Lark" << "-" << QList<int>{7}
            << QStringList{"newTowniePair(Tom Old, 59, Ben, 1, 3, 0, Iris Lark)",
                           "Iris Lark.children: [] -> [Ben]"};
        QTest::newRow("Pet Babies")
            << cat << "Pet Babies" << all
            << QStringList{"3", "Rex Brook", "Sky Lark", "male", "puppy", "Bolt", "after"}
            << "On day 3 of the rotation, Rex Brook and Sky Lark had a male puppy named Bolt after "
               "eleven AM."
            << "Rex Brook" << "Sky Lark" << QList<int>{8}
            << QStringList{"newSim(Bolt, 1, 0, 0, 3, Lark, 256, Rex Brook, Sky Lark)",
                           "Rex Brook.children: [] -> [Bolt]", "Sky Lark.children: [] -> [Bolt]"};
        QTest::newRow("Pet Babies by Strays")
            << cat << "Pet Babies by Strays" << all
            << QStringList{"3", "Sky Lark", "female", "kitten", "Fluff", "elder", "Scamp", "before"}
            << "On day 3 of the rotation, Sky Lark had a female kitten named Fluff by an elder "
               "stray named Scamp before eleven AM."
            << "Sky Lark" << "-" << QList<int>{9}
            << QStringList{"newTowniePair(Scamp, 30, Fluff, 2, 2, 128, Sky Lark)",
                           "Sky Lark.children: [] -> [Fluff]"};
        QTest::newRow("Alien Babies")
            << cat << "Alien Babies" << all
            << QStringList{"3", "Hal Lark", "male", "Zork", "before"}
            << "On day 3 of the rotation, Hal Lark had a male alien baby named Zork before six PM."
            << "Hal Lark" << "-" << QList<int>{10}
            << QStringList{"newSim(Zork, 1, 0, 0, 2, Lark, 1, Hal Lark, -)",
                           "Hal Lark.children: [] -> [Zork]"};
        QTest::newRow("Plant Babies")
            << cat << "Plant Babies" << all
            << QStringList{"3", "Petra Lark", "female", "Sprout", "after"}
            << "On day 3 of the rotation, Petra Lark spawned a female plantbaby named Sprout after "
               "six PM."
            << "Petra Lark" << "-" << QList<int>{11}
            << QStringList{"newSim(Sprout, 2, 0, 0, 3, Lark, 32, Petra Lark, -)",
                           "Petra Lark.children: [] -> [Sprout]"};
    }
    void roundTrip() { FormCheck::roundTrip(); }

    // Every gender and time of the human births, with every townie age.
    void humanChoices_data()
    {
        FormCheck::addRoundTripColumns();
        for (const QString gender : {"male", "female"}) {
            for (const QString time : {"before", "after"}) {
                const int hold = FormCheck::dayHold(2, time);
                QTest::addRow("ordinary %s %s", qPrintable(gender), qPrintable(time))
                    << cat << "Ordinary Babies" << all
                    << QStringList{"2", "Hal Lark", "Wanda Lark", gender, "Kit", time}
                    << QString("On day 2 of the rotation, Hal Lark and Wanda Lark had a %1 baby "
                               "named Kit %2 six PM.")
                           .arg(gender, time)
                    << "Hal Lark" << "Wanda Lark" << QList<int>{6}
                    << QStringList{
                           QString("newSim(Kit, %1, 0, 0, %2, Lark, 0, Hal Lark, Wanda Lark)")
                               .arg(gcode(gender))
                               .arg(hold),
                           "Hal Lark.children: [] -> [Kit]", "Wanda Lark.children: [] -> [Kit]"};
                for (const QString age : {"adult", "elder"}) {
                    QTest::addRow("townie %s %s %s", qPrintable(gender), qPrintable(age),
                                  qPrintable(time))
                        << cat << "Babies by Townies" << all
                        << QStringList{"2", "Beth Brook", gender, "Kit", age, "Tom Old", time}
                        << QString("On day 2 of the rotation, Beth Brook had a %1 baby named Kit "
                                   "by an %2 townie named Tom Old %3 six PM.")
                               .arg(gender, age, time)
                        << "Beth Brook" << "-" << QList<int>{7}
                        << QStringList{
                               QString("newTowniePair(Tom Old, %1, Kit, %2, %3, 0, Beth Brook)")
                                   .arg(age == "adult" ? 30 : 59)
                                   .arg(gcode(gender))
                                   .arg(hold),
                               "Beth Brook.children: [] -> [Kit]"};
                }
                QTest::addRow("alien %s %s", qPrintable(gender), qPrintable(time))
                    << cat << "Alien Babies" << all
                    << QStringList{"2", "Adam Brook", gender, "Kit", time}
                    << QString("On day 2 of the rotation, Adam Brook had a %1 alien baby named "
                               "Kit %2 six PM.")
                           .arg(gender, time)
                    << "Adam Brook" << "-" << QList<int>{10}
                    << QStringList{QString("newSim(Kit, %1, 0, 0, %2, Brook, 1, Adam Brook, -)")
                                       .arg(gcode(gender))
                                       .arg(hold),
                                   "Adam Brook.children: [] -> [Kit]"};
                QTest::addRow("plant %s %s", qPrintable(gender), qPrintable(time))
                    << cat << "Plant Babies" << all
                    << QStringList{"2", "Petra Lark", gender, "Kit", time}
                    << QString("On day 2 of the rotation, Petra Lark spawned a %1 plantbaby "
                               "named Kit %2 six PM.")
                           .arg(gender, time)
                    << "Petra Lark" << "-" << QList<int>{11}
                    << QStringList{QString("newSim(Kit, %1, 0, 0, %2, Lark, 32, Petra Lark, -)")
                                       .arg(gcode(gender))
                                       .arg(hold),
                                   "Petra Lark.children: [] -> [Kit]"};
            }
        }
    }
    void humanChoices() { FormCheck::roundTrip(); }

    // Every gender, young one and time of the pet births; the species follows
    // the word, except that a small dog's young are small dogs, and a stray's
    // age follows its species and whether it is an adult or an elder.
    void petChoices_data()
    {
        FormCheck::addRoundTripColumns();
        for (const QString gender : {"male", "female"}) {
            for (const QString young : {"puppy", "kitten"}) {
                for (const QString time : {"before", "after"}) {
                    const int hold = FormCheck::dayHold(2, time);
                    const int flags = young == "kitten" ? 512 : 256;
                    QTest::addRow("pet %s %s %s", qPrintable(gender), qPrintable(young),
                                  qPrintable(time))
                        << cat << "Pet Babies" << all
                        << QStringList{"2", "Rex Brook", "Mia Brook", gender, young, "Kit", time}
                        << QString("On day 2 of the rotation, Rex Brook and Mia Brook had a %1 %2 "
                                   "named Kit %3 eleven AM.")
                               .arg(gender, young, time)
                        << "Rex Brook" << "Mia Brook" << QList<int>{8}
                        << QStringList{QString("newSim(Kit, %1, 0, 0, %2, Brook, %3, Rex Brook, "
                                               "Mia Brook)")
                                           .arg(gcode(gender))
                                           .arg(hold)
                                           .arg(flags),
                                       "Rex Brook.children: [] -> [Kit]",
                                       "Mia Brook.children: [] -> [Kit]"};
                    // A small dog's young are small dogs, whatever the word.
                    QTest::addRow("small pet %s %s %s", qPrintable(gender), qPrintable(young),
                                  qPrintable(time))
                        << cat << "Pet Babies" << all
                        << QStringList{"2", "Buster Lark", "Sky Lark", gender, young, "Kit", time}
                        << QString("On day 2 of the rotation, Buster Lark and Sky Lark had a %1 "
                                   "%2 named Kit %3 eleven AM.")
                               .arg(gender, young, time)
                        << "Buster Lark" << "Sky Lark" << QList<int>{8}
                        << QStringList{QString("newSim(Kit, %1, 0, 0, %2, Lark, 128, Buster Lark, "
                                               "Sky Lark)")
                                           .arg(gcode(gender))
                                           .arg(hold),
                                       "Sky Lark.children: [] -> [Kit]",
                                       "Buster Lark.children: [] -> [Kit]"};
                    for (const QString mother : {"Sky Lark", "Mia Brook"}) {
                        const bool smallDog = mother == "Sky Lark";
                        const int kind = smallDog ? 128 : flags;
                        for (const QString age : {"adult", "elder"}) {
                            const bool dog = kind == 256 || kind == 128;
                            int strayAge = dog ? 4 : 5;
                            if (age == "elder")
                                strayAge = kind == 256 ? 26 : kind == 128 ? 30 : 31;
                            QTest::addRow("stray %s %s %s %s %s", qPrintable(mother),
                                          qPrintable(gender), qPrintable(young), qPrintable(age),
                                          qPrintable(time))
                                << cat << "Pet Babies by Strays" << all
                                << QStringList{"2", mother, gender, young,
                                               "Kit", age, "Scamp", time}
                                << QString("On day 2 of the rotation, %1 had a %2 %3 named Kit by "
                                           "an %4 stray named Scamp %5 eleven AM.")
                                       .arg(mother, gender, young, age, time)
                                << mother << "-" << QList<int>{9}
                                << QStringList{
                                       QString("newTowniePair(Scamp, %1, Kit, %2, %3, %4, %5)")
                                           .arg(strayAge)
                                           .arg(gcode(gender))
                                           .arg(hold)
                                           .arg(kind)
                                           .arg(mother),
                                       mother + ".children: [] -> [Kit]"};
                        }
                    }
                }
            }
        }
    }
    void petChoices() { FormCheck::roundTrip(); }

    // Who may be a parent: no runaway, zombie or group-household mother, no
    // elder mother, no young pet.
    void parents_data()
    {
        FormCheck::addChoiceColumns();
        QTest::newRow("fathers") << cat << "Ordinary Babies" << all << 1
                                 << QStringList{"Adam Brook", "Gus Brook", "Hal Lark", "Lou Large",
                                                "Tom Townie", "Vince Lark", "Wolf Lark"};
        QTest::newRow("mothers") << cat << "Ordinary Babies" << all << 2
                                 << QStringList{"Beth Brook", "Iris Lark", "Petra Lark",
                                                "Wanda Lark"};
        QTest::newRow("townie mothers") << cat << "Babies by Townies" << all << 1
                                        << QStringList{"Beth Brook", "Iris Lark", "Petra Lark",
                                                       "Wanda Lark"};
        QTest::newRow("pet fathers") << cat << "Pet Babies" << all << 1
                                     << QStringList{"Buster Lark", "Rex Brook"};
        QTest::newRow("pet mothers") << cat << "Pet Babies" << all << 2
                                     << QStringList{"Mia Brook", "Sky Lark"};
        QTest::newRow("stray mothers") << cat << "Pet Babies by Strays" << all << 1
                                       << QStringList{"Mia Brook", "Sky Lark"};
        QTest::newRow("alien fathers")
            << cat << "Alien Babies" << all << 1
            << QStringList{"Adam Brook", "Hal Lark", "Lou Large", "Vince Lark", "Wolf Lark"};
        QTest::newRow("plantsims") << cat << "Plant Babies" << all << 1
                                   << QStringList{"Petra Lark"};
    }
    void parents() { FormCheck::offersChoices(); }

    void refusesEmptyText_data()
    {
        FormCheck::addRefusalColumns();
        QTest::newRow("Ordinary Babies name")
            << cat << "Ordinary Babies" << all
            << QStringList{"3", "Adam Brook", "Beth Brook", "female", "Nell", "before"} << 4;
        const QStringList townie{"3", "Iris Lark", "male", "Ben", "elder", "Tom Old", "after"};
        QTest::newRow("Babies by Townies baby") << cat << "Babies by Townies" << all << townie << 3;
        QTest::newRow("Babies by Townies townie")
            << cat << "Babies by Townies" << all << townie << 5;
        QTest::newRow("Pet Babies name")
            << cat << "Pet Babies" << all
            << QStringList{"3", "Rex Brook", "Sky Lark", "male", "puppy", "Bolt", "after"} << 5;
        const QStringList stray{"3", "Sky Lark", "female", "kitten", "Fluff", "elder", "Scamp",
                                "before"};
        QTest::newRow("Pet Babies by Strays young")
            << cat << "Pet Babies by Strays" << all << stray << 4;
        QTest::newRow("Pet Babies by Strays stray")
            << cat << "Pet Babies by Strays" << all << stray << 6;
        QTest::newRow("Alien Babies name") << cat << "Alien Babies" << all
                                           << QStringList{"3", "Hal Lark", "male", "Zork", "before"}
                                           << 3;
        QTest::newRow("Plant Babies name")
            << cat << "Plant Babies" << all
            << QStringList{"3", "Petra Lark", "female", "Sprout", "after"} << 3;
    }
    void refusesEmptyText() { FormCheck::refusesEmptyText(); }

    // The day runs from 1 to the rotation length.
    void days_data()
    {
        FormCheck::addDayRows(cat,
                              {"Ordinary Babies",
                               "Babies by Townies",
                               "Pet Babies",
                               "Pet Babies by Strays",
                               "Alien Babies",
                               "Plant Babies"},
                              all);
    }
    void days() { FormCheck::offersDays(); }

    void refusesQuoteComma_data() { refusesEmptyText_data(); }
    void refusesQuoteComma() { FormCheck::refusesQuoteComma(); }

    // A name typed over a parent's box: the other parent never stands in.
    void typedNames_data()
    {
        FormCheck::addTypedNameColumns();
        QTest::newRow("father") << cat << "Ordinary Babies" << all
                                << QStringList{"3", "=Adam", "Beth Brook", "female", "Nell",
                                               "before"};
        QTest::newRow("pet mother") << cat << "Pet Babies" << all
                                    << QStringList{"3", "Rex Brook", "=Sky", "male", "puppy",
                                                   "Bolt", "after"};
    }
    void typedNames() { FormCheck::refusesTypedName(); }
};

QTEST_MAIN(TestFormsBirths)
#include "tst_forms_births.moc"
