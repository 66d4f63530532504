#include "records/Codes.h"
#include "support/FormCheck.h"

#include <QtTest>

// The change, supernatural and custom forms, composed on the Update tab and
// applied to the fixture sheet.
class TestFormsChanges : public QObject
{
    Q_OBJECT

    const QString changes = "Changes";
    const QString super = "Supernatural";
    const QString other = "Other";
    const int all = EPFlags::All;
    const int noFreeTime = EPFlags::All & ~EPFlags::FreeTime;

private slots:
    void roundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("Changing names")
            << changes << "Changing names" << all << QStringList{"Dana Brook", "Dee Brook"}
            << "Dana Brook changed his or her name to Dee Brook." << "Dana Brook" << "-"
            << QList<int>{40} << QStringList{"Dana Brook.name: Dana Brook -> Dee Brook"};
        QTest::newRow("Changing aspirations")
            << changes << "Changing aspirations" << noFreeTime
            << QStringList{"Beth Brook", "Romance"}
            << "Beth Brook changed his or her aspiration to Romance." << "Beth Brook" << "-"
            << QList<int>{41} << QStringList{"Beth Brook.aspirations: 2/0 -> 2/0;3/0"};
        // With Free Time the alternative name offers the same change.
        QTest::newRow("Changing primary and secondary aspirations")
            << changes << "Changing primary and secondary aspirations" << all
            << QStringList{"Iris Lark", "Family"}
            << "Iris Lark changed his or her aspiration to Family." << "Iris Lark" << "-"
            << QList<int>{41} << QStringList{"Iris Lark.aspirations: 5/0 -> 5/0;2/0"};
        QTest::newRow("Changing majors")
            << changes << "Changing majors" << all << QStringList{"Ivy Brook", "History"}
            << "Ivy Brook changed his or her major to History." << "Ivy Brook" << "-"
            << QList<int>{42} << QStringList{"Ivy Brook.major: Biology -> History"};
        QTest::newRow("Becoming a Vampire")
            << super << "Becoming a Vampire" << all << QStringList{"Hal Lark"}
            << "Hal Lark was bitten by a vampire." << "Hal Lark" << "-" << QList<int>{43}
            << QStringList{"Hal Lark.flags: 0 -> 4"};
        QTest::newRow("Becoming a Werewolf")
            << super << "Becoming a Werewolf" << all << QStringList{"Adam Brook"}
            << "Adam Brook was bitten by a werewolf." << "Adam Brook" << "-" << QList<int>{44}
            << QStringList{"Adam Brook.flags: 0 -> 16"};
        QTest::newRow("Becoming a Plantsim")
            << super << "Becoming a Plantsim" << all << QStringList{"Iris Lark"}
            << "Iris Lark was mutated into a plantsim by a cloud of pesticide." << "Iris Lark"
            << "-" << QList<int>{45}
            << QStringList{"Iris Lark.age: 32 -> 7", "Iris Lark.flags: 0 -> 32"};
        QTest::newRow("Becoming a Witch")
            << super << "Becoming a Witch" << all << QStringList{"Beth Brook", "Darkness"}
            << "Beth Brook was given the powers of Darkness." << "Beth Brook" << "-"
            << QList<int>{46}
            << QStringList{"Beth Brook.flags: 0 -> 1024", "Beth Brook.alignment: 0 -> -1"};
        QTest::newRow("Changing alignment")
            << super << "Changing alignment" << all << QStringList{"Wanda Lark", "Good"}
            << "Wanda Lark changed alignment to Good." << "Wanda Lark" << "-" << QList<int>{47}
            << QStringList{"Wanda Lark.alignment: 1 -> 2"};
        QTest::newRow("Being cured of Vampirism")
            << super << "Being cured of Vampirism" << all << QStringList{"Vince Lark"}
            << "Vince Lark drank Vamprocillin and became human again." << "Vince Lark" << "-"
            << QList<int>{48} << QStringList{"Vince Lark.flags: 4 -> 0"};
        QTest::newRow("Being cured of Lycanthropy")
            << super << "Being cured of Lycanthropy" << all << QStringList{"Wolf Lark"}
            << "Wolf Lark was cured of Lycanthropy." << "Wolf Lark" << "-" << QList<int>{49}
            << QStringList{"Wolf Lark.flags: 16 -> 0"};
        QTest::newRow("Being cured of Plantsiminism")
            << super << "Being cured of Plantsiminism" << all << QStringList{"Petra Lark"}
            << "Petra Lark was cured of Plantsiminism." << "Petra Lark" << "-" << QList<int>{50}
            << QStringList{"Petra Lark.age: 10 -> 35", "Petra Lark.flags: 32 -> 0"};
        // The alignment stays for a later return to witchcraft.
        QTest::newRow("Being cured of Witchiness")
            << super << "Being cured of Witchiness" << all << QStringList{"Wanda Lark"}
            << "Wanda Lark was cured of Witchiness." << "Wanda Lark" << "-" << QList<int>{51}
            << QStringList{"Wanda Lark.flags: 1024 -> 0"};
        QTest::newRow("Custom Event")
            << other << "Custom Event" << all << QStringList{"Adam Brook", "won the lottery."}
            << "Adam Brook won the lottery." << "Adam Brook" << "-" << QList<int>{}
            << QStringList{};
        // The one form whose text may stay empty.
        QTest::newRow("Custom Event, no text")
            << other << "Custom Event" << all << QStringList{"Otto Lark", ""} << "Otto Lark "
            << "Otto Lark" << "-" << QList<int>{} << QStringList{};
        // Commas and a closing quote survive the updates section.
        QTest::newRow("Custom Event, commas")
            << other << "Custom Event" << all
            << QStringList{"Adam Brook", "won, lost, and won again."}
            << "Adam Brook won, lost, and won again." << "Adam Brook" << "-" << QList<int>{}
            << QStringList{};
        QTest::newRow("Custom Event, closing quote")
            << other << "Custom Event" << all << QStringList{"Tabby", "said \"meow\""}
            << "Tabby said \"meow\"" << "Tabby" << "-" << QList<int>{} << QStringList{};
        // A custom text that completes a known sentence is applied as one.
        QTest::newRow("Custom Event, known sentence")
            << other << "Custom Event" << all
            << QStringList{"Gus Brook", "drank Elixer of Life and lost three sim days."}
            << "Gus Brook drank Elixer of Life and lost three sim days." << "Gus Brook" << "-"
            << QList<int>{32} << QStringList{"Gus Brook.age: 65 -> 68"};
        // The dead may change their names.
        QTest::newRow("Changing names, dead")
            << changes << "Changing names" << all << QStringList{"Otto Lark", "Otto Brook"}
            << "Otto Lark changed his or her name to Otto Brook." << "Otto Lark" << "-"
            << QList<int>{40} << QStringList{"Otto Lark.name: Otto Lark -> Otto Brook"};
    }
    void roundTrip() { FormCheck::roundTrip(); }

    // Every aspiration under both names of the change (each adds a period),
    // every power and every alignment.
    void choiceRoundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        const QStringList asps{"Fortune",  "Family",         "Popularity", "Romance", "Knowledge",
                               "Pleasure", "Grilled Cheese", "Random"};
        const QList<QPair<QString, int>> names{{"Changing aspirations", noFreeTime},
                                               {"Changing primary and secondary aspirations", all}};
        for (const auto &name : names) {
            for (const QString &asp : asps) {
                const bool random = asp == "Random";
                QTest::addRow("%s %s", qPrintable(name.first), qPrintable(asp))
                    << changes << name.first << name.second << QStringList{"Lou Large", asp}
                    << QString("Lou Large changed his or her aspiration to %1.")
                           .arg(random ? "{asp}" : asp)
                    << "Lou Large" << "-" << QList<int>{41}
                    << QStringList{
                           QString("Lou Large.aspirations: 0/0 -> 0/0;%1/0")
                               .arg(random ? "{aspcode}"
                                           : QString::number(FormCheck::aspirationCode(asp)))};
            }
        }
        const QList<QPair<QString, int>> powers{{"Light", 1}, {"Neutrality", 0}, {"Darkness", -1}};
        for (const auto &power : powers) {
            QStringList effects{"Cody Brook.flags: 0 -> 1024"};
            if (power.second != 0)
                effects << QString("Cody Brook.alignment: 0 -> %1").arg(power.second);
            QTest::addRow("powers of %s", qPrintable(power.first))
                << super << "Becoming a Witch" << all << QStringList{"Cody Brook", power.first}
                << QString("Cody Brook was given the powers of %1.").arg(power.first)
                << "Cody Brook" << "-" << QList<int>{46} << effects;
        }
        const QStringList alignments{"Atrociously Evil", "Evil", "Mean",           "Neutral",
                                     "Nice",             "Good", "Infallibly Good"};
        for (int a = 0; a < alignments.size(); ++a) {
            const int value = a - 3;
            QStringList effects;
            if (value != Alignment::Nice)
                effects << QString("Wanda Lark.alignment: 1 -> %1").arg(value);
            QTest::addRow("alignment %s", qPrintable(alignments.at(a)))
                << super << "Changing alignment" << all
                << QStringList{"Wanda Lark", alignments.at(a)}
                << QString("Wanda Lark changed alignment to %1.").arg(alignments.at(a))
                << "Wanda Lark" << "-" << QList<int>{47} << effects;
        }
    }
    void choiceRoundTrip() { FormCheck::roundTrip(); }

    void choices_data()
    {
        FormCheck::addChoiceColumns();
        QTest::newRow("aspirations, no Nightlife")
            << changes << "Changing aspirations" << (noFreeTime & ~EPFlags::Nightlife) << 1
            << QStringList{"Fortune", "Family", "Popularity", "Romance", "Knowledge", "Random"};
        QTest::newRow("aspirations, Nightlife")
            << changes << "Changing aspirations" << noFreeTime << 1
            << QStringList{"Fortune",  "Family",         "Popularity", "Romance", "Knowledge",
                           "Pleasure", "Grilled Cheese", "Random"};
        QTest::newRow("Free Time aspirations")
            << changes << "Changing primary and secondary aspirations" << all << 1
            << QStringList{"Fortune",  "Family",         "Popularity", "Romance", "Knowledge",
                           "Pleasure", "Grilled Cheese", "Random"};
        QTest::newRow("powers") << super << "Becoming a Witch" << all << 1
                                << QStringList{"Light", "Neutrality", "Darkness"};
        QTest::newRow("alignments") << super << "Changing alignment" << all << 1
                                    << QStringList{"Atrociously Evil", "Evil", "Mean", "Neutral",
                                                   "Nice", "Good", "Infallibly Good"};
        const QStringList aspiring{"Adam Brook", "Beth Brook", "Cody Brook",   "Gus Brook",
                                   "Hal Lark",   "Iris Lark",  "Ivy Brook",    "Lou Large",
                                   "Petra Lark", "Rory Runaway", "Tess Lark",  "Tom Townie",
                                   "Vince Lark", "Wanda Lark", "Wolf Lark"};
        QTest::newRow("aspiring") << changes << "Changing aspirations" << noFreeTime << 0
                                  << aspiring;
        QTest::newRow("Free Time aspiring")
            << changes << "Changing primary and secondary aspirations" << all << 0 << aspiring;
        QTest::newRow("majors") << changes << "Changing majors" << all << 0
                                << QStringList{"Ivy Brook"};
        QTest::newRow("vampire bites")
            << super << "Becoming a Vampire" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Gus Brook",
                           "Hal Lark",   "Iris Lark",  "Lou Large",  "Petra Lark",
                           "Tess Lark",  "Wanda Lark", "Wolf Lark"};
        QTest::newRow("werewolf bites")
            << super << "Becoming a Werewolf" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Gus Brook",
                           "Hal Lark",   "Iris Lark",  "Lou Large",  "Petra Lark",
                           "Tess Lark",  "Vince Lark", "Wanda Lark"};
        QTest::newRow("pesticide")
            << super << "Becoming a Plantsim" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Gus Brook",  "Hal Lark", "Iris Lark",
                           "Lou Large",  "Vince Lark", "Wanda Lark", "Wolf Lark"};
        QTest::newRow("new witches")
            << super << "Becoming a Witch" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Gus Brook",
                           "Hal Lark",   "Iris Lark",  "Ivy Brook",  "Lou Large",
                           "Petra Lark", "Tess Lark",  "Vince Lark", "Wolf Lark"};
        QTest::newRow("witches") << super << "Changing alignment" << all << 0
                                 << QStringList{"Wanda Lark"};
        QTest::newRow("vampires") << super << "Being cured of Vampirism" << all << 0
                                  << QStringList{"Vince Lark"};
        QTest::newRow("werewolves") << super << "Being cured of Lycanthropy" << all << 0
                                    << QStringList{"Wolf Lark"};
        QTest::newRow("plantsims") << super << "Being cured of Plantsiminism" << all << 0
                                   << QStringList{"Petra Lark"};
        QTest::newRow("witchy") << super << "Being cured of Witchiness" << all << 0
                                << QStringList{"Wanda Lark"};
    }
    void choices() { FormCheck::offersChoices(); }

    void refusesEmptyText_data()
    {
        FormCheck::addRefusalColumns();
        QTest::newRow("new name") << changes << "Changing names" << all
                                  << QStringList{"Dana Brook", "Dee"} << 1;
        QTest::newRow("new major") << changes << "Changing majors" << all
                                   << QStringList{"Ivy Brook", "History"} << 1;
    }
    void refusesEmptyText() { FormCheck::refusesEmptyText(); }

    void refusesQuoteComma_data()
    {
        refusesEmptyText_data();
        QTest::newRow("custom text") << other << "Custom Event" << all
                                     << QStringList{"Adam Brook", "won."} << 1;
    }
    void refusesQuoteComma() { FormCheck::refusesQuoteComma(); }
};

QTEST_MAIN(TestFormsChanges)
#include "tst_forms_changes.moc"
