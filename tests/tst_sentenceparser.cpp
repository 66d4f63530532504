#include "events/SentenceParser.h"
#include "records/Sim.h"
#include "support/RequestText.h"

#include <QtTest>

namespace {

// Writes down what the parser asks of the sheet, one call per request.
class RequestRecorder : public SentenceParser::SheetRequests
{
public:
    QStringList requests;

    void newSim(const QString &name, int gender, int age, int aspiration, int hold,
                const QString &household, int flags, Sim *parent1, Sim *parent2) override
    {
        requests << RequestText::newSim(name, gender, age, aspiration, hold, household, flags,
                                        parent1, parent2);
    }
    void newTowniePair(const QString &parentName, int parentAge, const QString &babyName,
                       int babyGender, int babyHold, int flags, Sim *otherParent) override
    {
        requests << RequestText::newTowniePair(parentName, parentAge, babyName, babyGender,
                                               babyHold, flags, otherParent);
    }
    void holdAllBut(Sim *sim, int hold) override { requests << RequestText::holdAllBut(sim, hold); }
    void holdHousehold(const QString &household, int hold) override
    {
        requests << RequestText::holdHousehold(household, hold);
    }
    void holdAllHouseholdsBut(const QString &household, int hold) override
    {
        requests << RequestText::holdAllHouseholdsBut(household, hold);
    }
    void removeSim(Sim *sim) override
    {
        requests << QStringLiteral("removeSim(%1)").arg(RequestText::nameOf(sim));
    }
};

} // namespace

// Which tests a sentence matches, and what they capture, and what a
// sentence asks of the sheet.
class TestSentenceParser : public QObject
{
    Q_OBJECT

private:
    // "4:2,male,Rex,before" per match: the test number and its captures.
    static QStringList describe(const QString &sentence)
    {
        QStringList out;
        for (const SentenceParser::Match &match : SentenceParser::matches(sentence))
            out << QString::number(match.test) + ':' + match.captures.join(',');
        return out;
    }

private slots:
    // Every sentence form the program writes, filled with ordinary names.
    void everyForm_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("expected");

        // New sims.
        QTest::newRow("1 joined") << "On day 3 of the rotation, Ann Smith (female), of the Smith "
                                     "household, joined the neighborhood after six PM (eleven AM "
                                     "for pets) as an Adult (Fortune aspiration)."
                                  << QStringList{"1:3,Ann Smith,female,Smith,after,Adult,Fortune"};
        QTest::newRow("1 joined, a pet")
            << "On day 2 of the rotation, Rex (male), of the Smith household, joined the "
               "neighborhood before six PM (eleven AM for pets) as an elder small dog (No "
               "aspiration)."
            << QStringList{"1:2,Rex,male,Smith,before,elder small dog,No"};
        QTest::newRow("2 moved in") << "On day 2 of the rotation, Bea Lane (female, Romance "
                                       "aspiration, Adult) moved in with Cal Lane before six PM."
                                    << QStringList{"2:2,Bea Lane,female,Romance,Adult,moved in "
                                                   "with,before"};
        QTest::newRow("2 married in")
            << "On day 4 of the rotation, Dan Fox (male, Family aspiration, Young Adult) got "
               "married/joined to Bea Lane after six PM."
            << QStringList{"2:4,Dan Fox,male,Family,Young Adult,got married/joined to,after"};
        QTest::newRow("3 moved in") << "On day 2 of the rotation, Cal Lane (Knowledge Aspiration) "
                                       "moved in with Bea Lane before six PM."
                                    << QStringList{"3:2,Knowledge,moved in with,before"};
        QTest::newRow("4 stray, also 5")
            << "On day 2 of the rotation, Ann Smith adopted a stray male large dog named Rex "
               "before eleven AM."
            << QStringList{"4:2,male,large dog,Rex,before", "5:2,before"};
        QTest::newRow("5 adopted") << "On day 5 of the rotation, Ann Smith adopted Rex before "
                                      "eleven AM."
                                   << QStringList{"5:5,before"};
        QTest::newRow("6 baby") << "On day 1 of the rotation, Ann Smith and Bob Smith had a female "
                                   "baby named Cara before six PM."
                                << QStringList{"6:1,female,Cara,before"};
        QTest::newRow("7 townie") << "On day 1 of the rotation, Ann Smith had a male baby named Dan "
                                     "by an adult townie named Ed Fox before six PM."
                                  << QStringList{"7:1,male,Dan,adult,Ed Fox,before"};
        QTest::newRow("8 puppy") << "On day 1 of the rotation, Rex and Lady had a male puppy named "
                                    "Pup before eleven AM."
                                 << QStringList{"8:1,male,puppy,Pup,before"};
        QTest::newRow("9 stray") << "On day 1 of the rotation, Tom had a female kitten named Kit by "
                                    "an elder stray named Ally after eleven AM."
                                 << QStringList{"9:1,female,kitten,Kit,elder,Ally,after"};
        QTest::newRow("10 alien") << "On day 1 of the rotation, Ann Smith had a male alien baby "
                                     "named Zed before six PM."
                                  << QStringList{"10:1,male,Zed,before"};
        QTest::newRow("11 plant") << "On day 1 of the rotation, Ann Smith spawned a female "
                                     "plantbaby named Fern before six PM."
                                  << QStringList{"11:1,female,Fern,before"};
        QTest::newRow("12 adopted") << "On day 2 of the rotation, Ann Smith adopted a male toddler "
                                       "named Tod before six PM (eleven AM for pets)."
                                    << QStringList{"12:2,male,toddler,Tod,before"};
        QTest::newRow("13 renamed") << "On day 2 of the rotation, Ann Smith adopted Kid Jones, whose "
                                       "name was changed to Kid Smith, after six PM (eleven AM for "
                                       "pets)."
                                    << QStringList{"13:2,Kid Smith,after"};
        QTest::newRow("14 servo") << "Ann Smith activated a female servo named Unit."
                                  << QStringList{"14:female,Unit"};
        QTest::newRow("15 bigfoot") << "On day 2 of the rotation, Ann Smith went on a vacation and "
                                       "brought back Bigfoot before six PM."
                                    << QStringList{"15:2,before"};

        // Holds, growing up, households, college.
        QTest::newRow("16 one sim") << "Put Ann Smith on hold for 3 days." << QStringList{"16:3"};
        QTest::newRow("16 all but") << "Put all sims and pets except Ann Smith on hold for 2 days."
                                    << QStringList{"16:2"};
        QTest::newRow("16+17 household") << "Put the Smith household on hold for 3 days."
                                         << QStringList{"16:3", "17:Smith,3"};
        QTest::newRow("16+17 all households but")
            << "Put all households except the Smith household on hold for 4 days."
            << QStringList{"16:4", "17:Smith,4"};
        QTest::newRow("18 no clause") << "Ann Smith grew up well before six PM (eleven AM for pets)."
                                      << QStringList{"18:well,before"};
        QTest::newRow("18+19 clause")
            << "Ann Smith grew up badly after six PM (eleven AM for pets). (Aspiration: Fortune)"
            << QStringList{"18:badly,after", "19:Fortune"};
        QTest::newRow("18+19 same") << "Ann Smith grew up well after six PM (eleven AM for pets). "
                                       "(Aspiration: Same)"
                                    << QStringList{"18:well,after", "19:Same"};
        QTest::newRow("20") << "Ann Smith was taken away by the Social Worker."
                            << QStringList{"20:"};
        QTest::newRow("21") << "Ann Smith was removed by the police." << QStringList{"21:"};
        QTest::newRow("22") << "Rex was given or sold to Bob Lane." << QStringList{"22:"};
        QTest::newRow("23") << "Ann Smith was put up for adoption." << QStringList{"23:"};
        QTest::newRow("24") << "Ann Smith ran away from home." << QStringList{"24:"};
        QTest::newRow("25") << "Ann Smith returned home to Bob Smith." << QStringList{"25:"};
        QTest::newRow("26") << "Ann Smith was found and returned to Bob Smith."
                            << QStringList{"26:"};
        QTest::newRow("27") << "Ann Smith grew up well and went to college. (Major: Undeclared)"
                            << QStringList{"27:well,Undeclared"};
        QTest::newRow("28 graduated")
            << "Ann Smith grew up well and graduated Summa cum Laude from college. (Major: Biology)"
            << QStringList{"28:well,graduated Summa cum Laude,from,Biology"};
        QTest::newRow("28 dropped out")
            << "Ann Smith grew up badly and dropped out of college. (Major: Art)"
            << QStringList{"28:badly,dropped out,of,Art"};
        QTest::newRow("28 empty major")
            << "Ann Smith grew up well and graduated without honors from college. (Major: )"
            << QStringList{"28:well,graduated without honors,from,"};

        // Deaths and age changes.
        QTest::newRow("29") << "Ann Smith died of old age." << QStringList{"29:"};
        QTest::newRow("30") << "Ann Smith drowned." << QStringList{"30:drowned"};
        QTest::newRow("30 with comma")
            << "Ann Smith withered away for lack of sun, water, and love."
            << QStringList{"30:withered away for lack of sun, water, and love"};
        QTest::newRow("31") << "Ann Smith was brought back to life as a zombie by Grim."
                            << QStringList{"31:as a zombie"};
        QTest::newRow("32") << "Ann Smith drank Elixer of Life and gained three sim days."
                            << QStringList{"32:gained"};
        QTest::newRow("33") << "Ann Smith drank a glass of Cowplant milk and gained five sim days."
                            << QStringList{"33:"};
        QTest::newRow("34") << "Rex ate the Kibble of Life and lost three sim days."
                            << QStringList{"34:lost"};

        // Households, family, names, aspirations, life states.
        QTest::newRow("35") << "Ann Smith moved out to form the Lane household."
                            << QStringList{"35:Lane"};
        QTest::newRow("36") << "Ann Smith moved to the Goth household." << QStringList{"36:Goth"};
        QTest::newRow("36+37 grave") << "Ann Smith's grave was moved to the Goth household."
                                     << QStringList{"36:Goth", "37:Goth"};
        QTest::newRow("38+40 married")
            << "Ann Smith got married/joined to Bob Lane and changed his or her name to Ann Lane."
            << QStringList{"38:Ann Lane", "40:Ann Lane"};
        QTest::newRow("39") << "Ann Smith broke up with Bob Lane." << QStringList{"39:"};
        QTest::newRow("40") << "Ann Smith changed his or her name to Ann Fox."
                            << QStringList{"40:Ann Fox"};
        QTest::newRow("41") << "Ann Smith changed his or her aspiration to Grilled Cheese."
                            << QStringList{"41:Grilled Cheese"};
        QTest::newRow("42") << "Ann Smith changed his or her major to Drama."
                            << QStringList{"42:Drama"};
        QTest::newRow("43") << "Ann Smith was bitten by a vampire." << QStringList{"43:"};
        QTest::newRow("44") << "Ann Smith was bitten by a werewolf." << QStringList{"44:"};
        QTest::newRow("45") << "Ann Smith was mutated into a plantsim by a cloud of pesticide."
                            << QStringList{"45:"};
        QTest::newRow("46") << "Ann Smith was given the powers of Darkness."
                            << QStringList{"46:Darkness"};
        QTest::newRow("47") << "Ann Smith changed alignment to Atrociously Evil."
                            << QStringList{"47:Atrociously Evil"};
        QTest::newRow("48") << "Ann Smith drank Vamprocillin and became human again."
                            << QStringList{"48:"};
        QTest::newRow("49") << "Ann Smith was cured of Lycanthropy." << QStringList{"49:"};
        QTest::newRow("50") << "Ann Smith was cured of Plantsiminism." << QStringList{"50:"};
        QTest::newRow("51") << "Ann Smith was cured of Witchiness." << QStringList{"51:"};

        // Sentences the composer writes that only reach the log.
        QTest::newRow("steady") << "Ann Smith went steady with Bob Lane." << QStringList{};
        QTest::newRow("engaged") << "Ann Smith got engaged to Bob Lane." << QStringList{};
    }
    void everyForm()
    {
        QFETCH(QString, sentence);
        QFETCH(QStringList, expected);
        QCOMPARE(describe(sentence), expected);
    }

    // Every listed cause matches, in both satellite spellings; the rest of the
    // game's spellings stay as they are.
    void deathCauses_data()
    {
        QTest::addColumn<QString>("cause");
        for (const char *cause :
             {"starved to death", "drowned", "burned to death", "was electrocuted by an appliance",
              "was hit by a satelite", "was hit by a saltelite", "died of disease",
              "was killed by a swarm of Africanized flies",
              "had an accident while running with scissors", "was eaten by a hungry cowplant",
              "turned to dust in the sunlight", "was electrocuted by a rampaging servo",
              "was electrocuted by a lightning bolt", "froze to death", "spontaneously combusted",
              "withered away for lack of sun, water, and love",
              "was frightened to death by a ghost",
              "overextended him/herself envigorating the employees"})
            QTest::newRow(cause) << QString(cause);
    }
    void deathCauses()
    {
        QFETCH(QString, cause);
        QCOMPARE(describe("Ann Smith " + cause + '.'), QStringList{"30:" + cause});
    }

    // A sentence must be matched as a whole, exactly, with its case.
    void nearMissesMatchNothing_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::newRow("trailing blank") << "Ann Smith died of old age. ";
        QTest::newRow("no full stop") << "Ann Smith died of old age";
        QTest::newRow("text after") << "Ann Smith died of old age. Sadly.";
        QTest::newRow("cause case") << "Ann Smith Drowned.";
        QTest::newRow("cause no stop") << "Ann Smith was hit by a satelite";
        QTest::newRow("cure case") << "Ann Smith was cured of lycanthropy.";
        QTest::newRow("lower-case on day")
            << "on day 3 of the rotation, Ann Smith adopted Rex before eleven AM.";
        QTest::newRow("text before on day")
            << "So, On day 3 of the rotation, Ann Smith adopted Rex before eleven AM.";
        QTest::newRow("hold trailing blank") << "Put Ann Smith on hold for 3 days. ";
        QTest::newRow("hold no stop") << "Put Ann Smith on hold for 3 days";
        QTest::newRow("growth trailing blank")
            << "Ann Smith grew up well before six PM (eleven AM for pets). ";
        QTest::newRow("growth clause trailing blank")
            << "Ann Smith grew up well before six PM (eleven AM for pets). (Aspiration: Family) ";
        QTest::newRow("day not a number")
            << "On day three of the rotation, Ann Smith adopted Rex before eleven AM.";
        QTest::newRow("empty name") << " died of old age.";
        QTest::newRow("empty") << "";
    }
    void nearMissesMatchNothing()
    {
        QFETCH(QString, sentence);
        QCOMPARE(describe(sentence), QStringList{});
    }

    // "." takes any character, line breaks too.
    void dotTakesAnyCharacter()
    {
        QCOMPARE(describe("Ann\nSmith died of old age."), QStringList{"29:"});
        // Unescaped final "." in the hold and plantsim patterns.
        QCOMPARE(describe("Put Ann Smith on hold for 3 days!"), QStringList{"16:3"});
        QCOMPARE(describe("Ann was mutated into a plantsim by a cloud of pesticide!"),
                 QStringList{"45:"});
    }

    // Names holding the pattern's own words, where the forms allow them.
    void namesWithPatternWords_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("household with the")
            << "Put the Over the Hill household on hold for 2 days."
            << QStringList{"16:2", "17:Over the Hill,2"};
        QTest::newRow("all but household with the")
            << "Put all households except the Over the Hill household on hold for 2 days."
            << QStringList{"16:2", "17:Over the Hill,2"};
        QTest::newRow("parentheses and comma in a new sim")
            << "On day 1 of the rotation, Ann (Jr.) Smith (female), of the Smith, Jones "
               "household, joined the neighborhood after six PM (eleven AM for pets) as a Child "
               "(Family aspiration)."
            << QStringList{"1:1,Ann (Jr.) Smith,female,Smith, Jones,after,Child,Family"};
        QTest::newRow("parentheses in a mover")
            << "On day 2 of the rotation, Bea (Bee) Lane (female, Pleasure aspiration, Elder) "
               "moved in with Cal and Di Lane before six PM."
            << QStringList{"2:2,Bea (Bee) Lane,female,Pleasure,Elder,moved in with,before"};
        QTest::newRow("and in parents and baby")
            << "On day 1 of the rotation, Ann and Bo Smith and Cy Smith had a male baby named "
               "Mary and Jo before six PM."
            << QStringList{"6:1,male,Mary and Jo,before"};
        QTest::newRow("and in townie")
            << "On day 1 of the rotation, Ann Smith had a female baby named Di by an elder townie "
               "named Ed and Flo before six PM."
            << QStringList{"7:1,female,Di,elder,Ed and Flo,before"};
        QTest::newRow("adoption kind with parentheses")
            << "On day 3 of the rotation, Ann Smith adopted a female puppy (small) named Dot after "
               "six PM (eleven AM for pets)."
            << QStringList{"12:3,female,puppy (small),Dot,after"};
        QTest::newRow("comma in a new name")
            << "On day 2 of the rotation, Ann Smith adopted Kid Jones, whose name was changed to "
               "Kid Smith, Jr., before six PM (eleven AM for pets)."
            << QStringList{"13:2,Kid Smith, Jr.,before"};
        QTest::newRow("the in a moved-to household")
            << "Ann Smith moved to the Over the Hill household." << QStringList{"36:Over the Hill"};
        QTest::newRow("the in a new household")
            << "Ann Smith moved out to form the Over the Hill household."
            << QStringList{"35:Over the Hill"};
        QTest::newRow("and in a spouse")
            << "Ann Smith got married/joined to Bob and Cy and changed his or her name to Ann Cy."
            << QStringList{"38:Ann Cy", "40:Ann Cy"};
        QTest::newRow("parentheses in a major")
            << "Ann Smith grew up well and went to college. (Major: Art (History))"
            << QStringList{"27:well,Art (History)"};
    }
    void namesWithPatternWords()
    {
        QFETCH(QString, sentence);
        QFETCH(QStringList, expected);
        QCOMPARE(describe(sentence), expected);
    }

    void aspirationWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("code");
        QTest::newRow("Fortune") << "Fortune" << 1;
        QTest::newRow("Family") << "Family" << 2;
        QTest::newRow("Romance") << "Romance" << 3;
        QTest::newRow("Popularity") << "Popularity" << 4;
        QTest::newRow("Knowledge") << "Knowledge" << 5;
        QTest::newRow("Pleasure") << "Pleasure" << 6;
        QTest::newRow("Grilled Cheese") << "Grilled Cheese" << 7;
        QTest::newRow("Grow Up") << "Grow Up" << 8;
        QTest::newRow("lower case") << "fortune" << 0;
        QTest::newRow("Unknown") << "Unknown" << 0;
        QTest::newRow("None") << "None" << 0;
        QTest::newRow("Random") << "Random" << 0;
        QTest::newRow("Same") << "Same" << 0;
        QTest::newRow("trailing blank") << "Family " << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void aspirationWords()
    {
        QFETCH(QString, word);
        QFETCH(int, code);
        QCOMPARE(SentenceParser::aspirationFromName(word), code);
    }

    void dayRule_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("when");
        QTest::addColumn<int>("hold");
        QTest::newRow("day 1 before") << 1 << "before" << 0;
        QTest::newRow("day 4 after") << 4 << "after" << 4;
        QTest::newRow("day 5 before") << 5 << "before" << 4;
        // Never a negative hold.
        QTest::newRow("day 0 before") << 0 << "before" << 0;
        QTest::newRow("day 0 after") << 0 << "after" << 0;
    }
    void dayRule()
    {
        QFETCH(int, day);
        QFETCH(QString, when);
        QFETCH(int, hold);
        QCOMPARE(SentenceParser::dayRuleHold(day, when), hold);
    }

    // What each kind of sentence asks of the sheet, heard without any widget.
    void requestsToTheSheet_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("withSim1");
        QTest::addColumn<bool>("withSim2");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a baby of two sims")
            << "On day 2 of the rotation, Ann and Bob had a female baby named Cat before six PM."
            << true << true << QStringList{"newSim(Cat,2,0,0,1,Bobs,0,Ann,Bob)"};
        QTest::newRow("a baby without its second parent asks nothing")
            << "On day 2 of the rotation, Ann and Bob had a female baby named Cat before six PM."
            << true << false << QStringList();
        QTest::newRow("a townie pair")
            << "On day 3 of the rotation, Ann had a male baby named Dan by an elder townie named "
               "Eve after six PM."
            << true << false << QStringList{"newTowniePair(Eve,59,Dan,1,3,0,Ann)"};
        QTest::newRow("one sim spared")
            << "Put all sims and pets except Ann on hold for 2 days." << true << false
            << QStringList{"holdAllBut(Ann,2)"};
        QTest::newRow("no sim to spare holds nobody")
            << "Put all sims and pets except Ann on hold for 2 days." << false << false
            << QStringList();
        QTest::newRow("one household")
            << "Put the Over the Hill household on hold for 4 days." << false << false
            << QStringList{"holdHousehold(Over the Hill,4)"};
        QTest::newRow("every household but one")
            << "Put all households except the Bobs household on hold for 1 days." << false
            << false << QStringList{"holdAllHouseholdsBut(Bobs,1)"};
        QTest::newRow("one sim's own hold changes the sim, asks nothing")
            << "Put Ann on hold for 5 days." << true << false << QStringList();
        QTest::newRow("a death asks nothing") << "Ann died of old age." << true << false
                                              << QStringList();
        // Names and households the list line could not hold never reach the sheet.
        QTest::newRow("a baby named with a quote and comma is not made")
            << "On day 2 of the rotation, Ann and Bob had a female baby named Cat\",1,2 before "
               "six PM."
            << true << true << QStringList();
        QTest::newRow("a townie named with a line break is not made, nor the baby")
            << "On day 3 of the rotation, Ann had a male baby named Dan by an elder townie named "
               "Eve\nAnn after six PM."
            << true << false << QStringList();
        QTest::newRow("a household with a leading comma is left out")
            << "On day 3 of the rotation, Cy (male), of the ,Fox household, joined the "
               "neighborhood after six PM (eleven AM for pets) as an Adult (Fortune aspiration)."
            << false << false << QStringList{"newSim(Cy,1,30,1,3,,0,-,-)"};
    }
    void requestsToTheSheet()
    {
        QFETCH(QString, sentence);
        QFETCH(bool, withSim1);
        QFETCH(bool, withSim2);
        QFETCH(QStringList, expected);

        Sim ann;
        ann.setName(QStringLiteral("Ann"));
        ann.setHousehold(QStringLiteral("Anns"));
        Sim bob;
        bob.setName(QStringLiteral("Bob"));
        bob.setHousehold(QStringLiteral("Bobs"));
        const QPointer<Sim> sim1 = withSim1 ? &ann : nullptr;
        const QPointer<Sim> sim2 = withSim2 ? &bob : nullptr;

        RequestRecorder recorder;
        SentenceParser::carryOut(sentence, sim1, sim2, SimList{&ann, &bob}, recorder);
        QCOMPARE(recorder.requests, expected);
    }
};

QTEST_GUILESS_MAIN(TestSentenceParser)
#include "tst_sentenceparser.moc"
