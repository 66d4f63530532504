#include "records/Codes.h"
#include "support/FormCheck.h"

#include <QtTest>

// The household and family forms, composed on the Update tab and applied to
// the fixture sheet. Going steady and getting engaged are only logged.
class TestFormsHousehold : public QObject
{
    Q_OBJECT

    const QString cat = "Household and Family";
    const int all = EPFlags::All;

private slots:
    void roundTrip_data()
    {
        FormCheck::addRoundTripColumns();
        QTest::newRow("Moving out")
            << cat << "Moving out" << all << QStringList{"Cody Brook", "Stone"}
            << "Cody Brook moved out to form the Stone household." << "Cody Brook" << "-"
            << QList<int>{35} << QStringList{"Cody Brook.household: Brook -> Stone"};
        QTest::newRow("Moving house")
            << cat << "Moving house" << all << QStringList{"Adam Brook", "Lark"}
            << "Adam Brook moved to the Lark household." << "Adam Brook" << "-" << QList<int>{36}
            << QStringList{"Adam Brook.household: Brook -> Lark"};
        QTest::newRow("Moving graves")
            << cat << "Moving graves" << all << QStringList{"Otto Lark", "Brook"}
            << "Otto Lark's grave was moved to the Brook household." << "Otto Lark" << "-"
            << QList<int>{36, 37} << QStringList{"Otto Lark.household: Lark -> Brook"};
        QTest::newRow("Going steady")
            << cat << "Going steady" << all << QStringList{"Cody Brook", "Tess Lark"}
            << "Cody Brook went steady with Tess Lark." << "Cody Brook" << "Tess Lark"
            << QList<int>{} << QStringList{};
        QTest::newRow("Getting engaged")
            << cat << "Getting engaged" << all << QStringList{"Hal Lark", "Iris Lark"}
            << "Hal Lark got engaged to Iris Lark." << "Hal Lark" << "Iris Lark" << QList<int>{}
            << QStringList{};
        QTest::newRow("Getting married/joined")
            << cat << "Getting married/joined" << all
            << QStringList{"Iris Lark", "Hal Lark", "Iris Hal"}
            << "Iris Lark got married/joined to Hal Lark and changed his or her name to Iris Hal."
            << "Iris Lark" << "Hal Lark" << QList<int>{38, 40}
            << QStringList{"Hal Lark.spouse: - -> Iris Hal",
                           "Iris Lark.name: Iris Lark -> Iris Hal",
                           "Iris Lark.spouse: - -> Hal Lark"};
        // Nothing stops the same sim standing in both boxes; it is not made
        // its own spouse.
        QTest::newRow("Getting married/joined, one sim twice")
            << cat << "Getting married/joined" << all
            << QStringList{"Hal Lark", "Hal Lark", "Hal Stone"}
            << "Hal Lark got married/joined to Hal Lark and changed his or her name to Hal Stone."
            << "Hal Lark" << "Hal Lark" << QList<int>{38, 40}
            << QStringList{"Hal Lark.name: Hal Lark -> Hal Stone"};
        QTest::newRow("Breaking up")
            << cat << "Breaking up" << all << QStringList{"Adam Brook", "Beth Brook"}
            << "Adam Brook broke up with Beth Brook." << "Adam Brook" << "Beth Brook"
            << QList<int>{39}
            << QStringList{"Adam Brook.spouse: Beth Brook -> -",
                           "Beth Brook.spouse: Adam Brook -> -"};
    }
    void roundTrip() { FormCheck::roundTrip(); }

    // Every household of the household choice, for a living and a dead sim.
    void householdChoices_data()
    {
        FormCheck::addRoundTripColumns();
        for (const QString household : {"Brook", "Lark", "At Large"}) {
            QTest::addRow("moving %s", qPrintable(household))
                << cat << "Moving house" << all << QStringList{"Tom Townie", household}
                << QString("Tom Townie moved to the %1 household.").arg(household) << "Tom Townie"
                << "-" << QList<int>{36}
                << QStringList{"Tom Townie.household: Townies and Dormies -> " + household};
            QStringList grave;
            if (household != "Lark")
                grave << "Otto Lark.household: Lark -> " + household;
            QTest::addRow("grave %s", qPrintable(household))
                << cat << "Moving graves" << all << QStringList{"Otto Lark", household}
                << QString("Otto Lark's grave was moved to the %1 household.").arg(household)
                << "Otto Lark" << "-" << QList<int>{36, 37} << grave;
        }
    }
    void householdChoices() { FormCheck::roundTrip(); }

    void choices_data()
    {
        FormCheck::addChoiceColumns();
        const QStringList households{"Brook", "Lark", "At Large"};
        QTest::newRow("moving households") << cat << "Moving house" << all << 1 << households;
        QTest::newRow("grave households") << cat << "Moving graves" << all << 1 << households;
        QTest::newRow("graves") << cat << "Moving graves" << all << 0 << QStringList{"Otto Lark"};
        QTest::newRow("steady") << cat << "Going steady" << all << 1
                                << QStringList{"Cody Brook", "Tess Lark"};
        QTest::newRow("engaged")
            << cat << "Getting engaged" << all << 0
            << QStringList{"Adam Brook", "Beth Brook", "Gus Brook",  "Hal Lark",
                           "Iris Lark",  "Ivy Brook",  "Lou Large",  "Petra Lark",
                           "Tom Townie", "Vince Lark", "Wanda Lark", "Wolf Lark"};
        // The married and students are not offered.
        QTest::newRow("marrying")
            << cat << "Getting married/joined" << all << 1
            << QStringList{"Gus Brook",  "Hal Lark",   "Iris Lark",  "Lou Large", "Petra Lark",
                           "Tom Townie", "Vince Lark", "Wanda Lark", "Wolf Lark"};
        QTest::newRow("breaking up")
            << cat << "Breaking up" << all << 1
            << QStringList{"Adam Brook", "Beth Brook", "Cody Brook", "Gus Brook",  "Hal Lark",
                           "Iris Lark",  "Ivy Brook",  "Lou Large",  "Petra Lark", "Tess Lark",
                           "Tom Townie", "Vince Lark", "Wanda Lark", "Wolf Lark"};
    }
    void choices() { FormCheck::offersChoices(); }

    void typedNames_data()
    {
        FormCheck::addTypedNameColumns();
        QTest::newRow("bride") << cat << "Getting married/joined" << all
                               << QStringList{"=Iris Larkin", "Hal Lark", "Iris Hal"};
        QTest::newRow("broken up") << cat << "Breaking up" << all
                                   << QStringList{"=Adam", "Beth Brook"};
        QTest::newRow("mover") << cat << "Moving house" << all << QStringList{"=Adam", "Lark"};
    }
    void typedNames() { FormCheck::typedNameChangesNothing(); }

    void refusesEmptyText_data()
    {
        FormCheck::addRefusalColumns();
        QTest::newRow("new household") << cat << "Moving out" << all
                                       << QStringList{"Cody Brook", "Stone"} << 1;
        QTest::newRow("married name") << cat << "Getting married/joined" << all
                                      << QStringList{"Iris Lark", "Hal Lark", "Iris Hal"} << 2;
    }
    void refusesEmptyText() { FormCheck::refusesEmptyText(); }

    void refusesQuoteComma_data() { refusesEmptyText_data(); }
    void refusesQuoteComma() { FormCheck::refusesQuoteComma(); }
};

QTEST_MAIN(TestFormsHousehold)
#include "tst_forms_household.moc"
