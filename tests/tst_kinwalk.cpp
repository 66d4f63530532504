#include "pages/KinWalk.h"
#include "support/KinFamily.h"
#include "support/LiteralKinWalk.h"

#include <QtTest>

namespace {

// "Name: terms" per row, in walk order.
QStringList described(const QList<KinRow> &rows)
{
    QStringList lines;
    for (const KinRow &row : rows)
        lines << row.sim->objectName() + QStringLiteral(": ") + row.terms;
    return lines;
}

QMap<QString, QString> termsByName(const QList<KinRow> &rows)
{
    QMap<QString, QString> terms;
    for (const KinRow &row : rows)
        terms.insert(row.sim->objectName(), row.terms);
    return terms;
}

} // namespace

// The kin-term walk of the Family Ties tab: which relatives it lists, with
// which terms, and that it ends quickly on any links.
class TestKinWalk : public QObject
{
    Q_OBJECT

private slots:
    void ordinalWords_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("word");
        const QStringList words{"First",      "Second",     "Third",       "Fourth",
                                "Fifth",      "Sixth",      "Seventh",     "Eighth",
                                "Ninth",      "Tenth",      "Eleventh",    "Twefth",
                                "Thirteenth", "Fourteenth", "Fifteenth",   "Sixteenth",
                                "Seventeenth", "Eighteenth", "Nineteenth", "Twentieth"};
        for (int n = 1; n <= 20; ++n)
            QTest::addRow("%d", n) << n << words.at(n - 1);
        QTest::newRow("0") << 0 << "Distant";
        QTest::newRow("-1") << -1 << "Distant";
        QTest::newRow("21") << 21 << "Distant";
    }
    void ordinalWords()
    {
        QFETCH(int, n);
        QFETCH(QString, word);
        QCOMPARE(KinWalk::ordinalWord(n), word);
    }

    void timesWords_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("word");
        QTest::newRow("1") << 1 << "Once";
        QTest::newRow("2") << 2 << "Twice";
        const QStringList numbers{"Three",    "Four",      "Five",     "Six",      "Seven",
                                  "Eight",    "Nine",      "Ten",      "Eleven",   "Twelve",
                                  "Thirteen", "Fourteen",  "Fifteen",  "Sixteen",  "Seventeen",
                                  "Eighteen", "Nineteen",  "Twenty"};
        for (int r = 3; r <= 20; ++r)
            QTest::addRow("%d", r) << r << numbers.at(r - 3) + " Times";
        QTest::newRow("0") << 0 << "Many Times";
        QTest::newRow("-2") << -2 << "Many Times";
        QTest::newRow("21") << 21 << "Many Times";
    }
    void timesWords()
    {
        QFETCH(int, r);
        QFETCH(QString, word);
        QCOMPARE(KinWalk::timesWord(r), word);
    }

    void kinTerms_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("terms");
        for (const auto &[name, terms] : KinFamily::egoRelatives())
            QTest::newRow(qPrintable(name)) << name << terms;
    }
    void kinTerms()
    {
        QFETCH(QString, relative);
        QFETCH(QString, terms);
        KinFamily family;
        family.buildEgoFamily();
        const auto found = termsByName(KinWalk::familyOf(family["Ego"], false, false));
        QCOMPARE(found.value(relative, "<not listed>"), terms);
    }

    void listsEveryRelativeOnceAndNoOneElse()
    {
        KinFamily family;
        family.buildEgoFamily();
        const QList<KinRow> rows = KinWalk::familyOf(family["Ego"], false, false);
        QStringList listed;
        for (const KinRow &row : rows)
            listed << row.sim->objectName();
        QStringList expected;
        for (const auto &relative : KinFamily::egoRelatives())
            expected << relative.first;
        QCOMPARE(listed.size(), expected.size());
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
        QVERIFY(!listed.contains("Ego"));
        QVERIFY(!listed.contains("GUwife"));
        QVERIFY(!listed.contains("Xavier"));
    }

    void walkOrder()
    {
        // Spouse side, children, the first parent's side, the second
        // parent's, then grandparents and their lines.
        KinFamily family;
        family.buildEgoFamily();
        const QStringList rows = described(KinWalk::familyOf(family["Ego"], false, false));
        QCOMPARE(rows.mid(0, 8), QStringList({"Wendy: Wife", "Fergus: Father-in-Law",
                                              "Bert: Brother-in-Law", "Sally: Sister-in-Law",
                                              "Maud: Mother-in-Law", "Stan: Step-Son",
                                              "Stella: Step-Daughter", "Sonny: Son"}));
        QCOMPARE(rows.indexOf("Dad: Father") + 1, rows.indexOf("Stepma: Step-Mother"));
        QVERIFY(rows.indexOf("Halfsis: Half-Sister") < rows.indexOf("Gramps: Grandfather"));
        QCOMPARE(rows.last(), QStringLiteral("Oma: Grandmother"));
    }

    void boxes_data()
    {
        QTest::addColumn<bool>("livingOnly");
        QTest::addColumn<bool>("playableOnly");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("both off") << false << false << QStringList();
        QTest::newRow("living only") << true << false << QStringList{"Gramps"};
        QTest::newRow("playable only") << false << true << QStringList{"Kim"};
        QTest::newRow("both on") << true << true << QStringList{"Gramps", "Kim"};
    }
    void boxes()
    {
        // A sim left out is still walked through: the dead grandfather's
        // other son and parents, and the sims below the "At Large" cousin,
        // are listed. Only "At Large" counts as unplayable.
        QFETCH(bool, livingOnly);
        QFETCH(bool, playableOnly);
        QFETCH(QStringList, absent);
        KinFamily family;
        family.buildEgoFamily();
        const auto found = termsByName(KinWalk::familyOf(family["Ego"], livingOnly, playableOnly));
        for (const auto &[name, terms] : KinFamily::egoRelatives()) {
            if (absent.contains(name))
                QVERIFY2(!found.contains(name), qPrintable(name));
            else
                QCOMPARE(found.value(name), terms);
        }
        QCOMPARE(found.size(), KinFamily::egoRelatives().size() - absent.size());
    }

    void noFocusListsNothing()
    {
        QVERIFY(KinWalk::familyOf(nullptr, true, true).isEmpty());
        KinFamily family;
        QVERIFY(KinWalk::familyOf(family.add("Loner", Gender::Male), false, false).isEmpty());
    }

    void relativesReachedTwice_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("a son who is also a nephew")
            << "son-nephew" << QStringList{"Kid: Son; Nephew", "Dad: Father", "Sis: Half-Sister"};
        QTest::newRow("a wife who is also a cousin")
            << "wife-cousin"
            << QStringList{"Wife: Wife; First Cousin", "Unc: Father-in-Law; Uncle", "Pa: Father",
                           "Gramps: Grandfather"};
        // Whole terms: "Brother" is not already in "Brother-in-Law".
        QTest::newRow("a brother-in-law who is also a brother")
            << "in-law-brother"
            << QStringList{"Wife: Wife; Half-Sister", "Ma: Mother-in-Law; Mother",
                           "Bro: Brother-in-Law; Brother", "Pa: Father"};
        // Nor is "Uncle" already in "Great-Uncle".
        QTest::newRow("a great-uncle who is also an uncle")
            << "great-uncle-uncle"
            << QStringList{"Pa: Father", "Gpa: Grandfather", "Ggpa: Great-Grandfather",
                           "Odd: Great-Uncle; Uncle", "Gma: Grandmother"};
    }
    void relativesReachedTwice()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, rows);
        KinFamily f;
        const int M = Gender::Male;
        const int F = Gender::Female;
        Sim *focus = nullptr;
        if (shape == "son-nephew") {
            Sim *dad = f.add("Dad", M);
            focus = f.child("Ego", M, dad, nullptr);
            f.child("Kid", M, focus, f.child("Sis", F, dad, nullptr));
        } else if (shape == "wife-cousin") {
            Sim *gramps = f.add("Gramps", M);
            Sim *pa = f.child("Pa", M, gramps, nullptr);
            Sim *unc = f.child("Unc", M, gramps, nullptr);
            focus = f.child("Ego", M, pa, nullptr);
            KinFamily::marry(focus, f.child("Wife", F, unc, nullptr));
        } else if (shape == "in-law-brother") {
            // Ego married his half-sister; their mother's other son is both.
            Sim *pa = f.add("Pa", M);
            Sim *ma = f.add("Ma", F);
            focus = f.child("Ego", M, pa, ma);
            KinFamily::marry(focus, f.child("Wife", F, nullptr, ma));
            f.child("Bro", M, pa, ma);
        } else {
            // Odd is the son of Ego's great-grandfather and grandmother.
            Sim *ggpa = f.add("Ggpa", M);
            Sim *gpa = f.child("Gpa", M, ggpa, nullptr);
            Sim *gma = f.add("Gma", F);
            focus = f.child("Ego", M, f.child("Pa", M, gpa, gma), nullptr);
            f.child("Odd", M, ggpa, gma);
        }
        QCOMPARE(described(KinWalk::familyOf(focus, false, false)), rows);
    }

    void fullSiblingsWhateverTheParentOrder()
    {
        KinFamily f;
        Sim *pa = f.add("Pa", Gender::Male);
        Sim *ma = f.add("Ma", Gender::Female);
        Sim *ego = f.child("Ego", Gender::Male, pa, ma);
        f.child("Bro", Gender::Male, ma, pa);
        f.child("Sis", Gender::Female, ma, pa);
        const auto found = termsByName(KinWalk::familyOf(ego, false, false));
        QCOMPARE(found.value("Bro"), QStringLiteral("Brother"));
        QCOMPARE(found.value("Sis"), QStringLiteral("Sister"));
        const auto fromSis = termsByName(KinWalk::familyOf(f["Sis"], false, false));
        QCOMPARE(fromSis.value("Ego"), QStringLiteral("Brother"));

        // One shared parent, or a second parent on one side only, stays half.
        Sim *other = f.child("Other", Gender::Male, pa, nullptr);
        Sim *lone = f.child("Lone", Gender::Male, pa, nullptr);
        QCOMPARE(termsByName(KinWalk::familyOf(ego, false, false)).value("Other"),
                 QStringLiteral("Half-Brother"));
        QCOMPARE(termsByName(KinWalk::familyOf(lone, false, false)).value("Other"),
                 QStringLiteral("Half-Brother"));
        Q_UNUSED(other);
    }

    void sameRowsAsTheLiteralWalkOnAcyclicFamilies()
    {
        // Remembering finished lines and turning back on a sim's own chain
        // change nothing on links without loops: row for row and term for
        // term the walk lists what following every line to its end lists.
        int compared = 0;
        for (quint32 seed = 1; seed <= 150; ++seed) {
            KinFamily family;
            family.buildRandomFamily(seed, 8 + int(seed % 9));
            for (const QPointer<Sim> &focus : family.sims()) {
                for (int boxes = 0; boxes < 4; ++boxes) {
                    const bool living = boxes & 1;
                    const bool playable = boxes & 2;
                    const QStringList expected =
                        described(literalFamilyOf(focus, living, playable));
                    const QStringList found = described(KinWalk::familyOf(focus, living, playable));
                    if (found != expected) {
                        qWarning() << "seed" << seed << "focus" << focus->objectName() << boxes;
                        QCOMPARE(found, expected);
                    }
                    compared += int(expected.size());
                }
            }
        }
        QVERIFY(compared > 10000);
    }

    void pedigreeCollapseGivesTheLiteralRows_data()
    {
        QTest::addColumn<int>("generations");
        for (int g : {1, 2, 3, 4, 5, 7, 9})
            QTest::addRow("%d generations", g) << g;
    }
    void pedigreeCollapseGivesTheLiteralRows()
    {
        QFETCH(int, generations);
        KinFamily family;
        family.buildPedigree(generations);
        for (const QPointer<Sim> &focus : family.sims())
            QCOMPARE(described(KinWalk::familyOf(focus, true, true)),
                     described(literalFamilyOf(focus, true, true)));
    }

    void twentyGenerationPedigreeEnds()
    {
        // Each ancestor is reached along 2^depth paths; the walk follows
        // each line once for each of its different starts.
        KinFamily family;
        family.buildPedigree(20);
        const auto found = termsByName(KinWalk::familyOf(family["Adam 19"], true, true));
        QCOMPARE(found.size(), 39);
        QVERIFY(found.value("Eve 19").startsWith(QStringLiteral("Wife; Sister; Second Cousin; ")));
        QVERIFY(found.value("Adam 18").startsWith(QStringLiteral("Father-in-Law; Father; ")));
        QCOMPARE(found.value("Adam 0"), QStringLiteral("Great-").repeated(17) + "Grandfather");
        QCOMPARE(found.value("Eve 1"), QStringLiteral("Great-").repeated(17) + "Aunt; "
                                           + QStringLiteral("Great-").repeated(16) + "Grandmother");
    }

    void ownAncestorEnds_data()
    {
        QTest::addColumn<QString>("loop");
        QTest::addColumn<QStringList>("rows");
        // The walk turns back where a line would meet a sim already on it.
        QTest::newRow("parent and child of each other")
            << "pair"
            << QStringList{"Pa: Father; Nephew; Great-Grandnephew",
                           "Odd: Half-Brother; Grandnephew; Grandfather"};
        QTest::newRow("focus is its grandparent's parent")
            << "three"
            << QStringList{"Kid: Son; Great-Great-Great-Grandson; Great-Grandfather",
                           "Gpa: Grandson; Grandfather", "Pa: Great-Grandson; Father"};
        QTest::newRow("children lists only")
            << "children"
            << QStringList{"A: Son; Great-Great-Grandson; Great-Grandson", "B: Grandson"};
    }
    void ownAncestorEnds()
    {
        QFETCH(QString, loop);
        QFETCH(QStringList, rows);
        KinFamily f;
        Sim *focus = nullptr;
        if (loop == "pair") {
            Sim *pa = f.add("Pa", Gender::Male);
            Sim *odd = f.add("Odd", Gender::Male);
            focus = f.child("Ego", Gender::Male, pa, nullptr);
            pa->setParents(odd, nullptr);
            odd->setParents(pa, nullptr);
        } else if (loop == "three") {
            Sim *gpa = f.add("Gpa", Gender::Male);
            Sim *pa = f.child("Pa", Gender::Male, gpa, nullptr);
            focus = f.child("Ego", Gender::Male, pa, nullptr);
            f.child("Kid", Gender::Male, focus, nullptr);
            gpa->setParents(f["Kid"], nullptr);
        } else {
            focus = f.add("Ego", Gender::Male);
            Sim *a = f.add("A", Gender::Male);
            Sim *b = f.add("B", Gender::Male);
            focus->addChild(a);
            a->addChild(b);
            b->addChild(focus);
            b->addChild(a);
            for (Sim *sim : {focus, a, b}) {
                sim->clearParent1();
                sim->clearParent2();
            }
        }
        QCOMPARE(described(KinWalk::familyOf(focus, false, false)), rows);
    }
};

QTEST_GUILESS_MAIN(TestKinWalk)
#include "tst_kinwalk.moc"
