#include "pages/FamilyProxyModel.h"
#include "pages/KinTermOrder.h"
#include "pages/KinWalk.h"

#include <QStandardItemModel>
#include <QtTest>

namespace {

// Every single term the walk writes up to a few generations, some joined
// terms and texts the walk never writes.
QStringList termPool()
{
    QStringList pool{"Husband",       "Wife",          "Father-in-Law",  "Mother-in-Law",
                     "Brother-in-Law", "Sister-in-Law", "Step-Son",       "Step-Daughter",
                     "Son",           "Daughter",      "Son-in-Law",     "Daughter-in-Law",
                     "Father",        "Mother",        "Step-Father",    "Step-Mother",
                     "Brother",       "Sister",        "Half-Brother",   "Half-Sister",
                     "Nephew",        "Niece",         "Son; Nephew",    "Wife; First Cousin",
                     "Grandson; Grandnephew", "Uncle; Great-Uncle", "Great-Aunt; Aunt",
                     "First Cousin; Second Cousin, Once Removed", "",   "Distant Cousin"};
    for (const char *word : {"Grandson", "Granddaughter", "Grandnephew", "Grandniece",
                                "Grandfather", "Grandmother", "Uncle", "Aunt"}) {
        for (int greats = 0; greats < 3; ++greats)
            pool << QStringLiteral("Great-").repeated(greats) + word;
    }
    for (int degree : {1, 4, 6, 7, 12, 16, 20, 21}) {
        for (int removal : {0, 1, 2, 4, 5, 7, 14, 17, 20, 21}) {
            QString text = KinWalk::ordinalWord(degree) + " Cousin";
            if (removal > 0)
                text += ", " + KinWalk::timesWord(removal) + " Removed";
            pool << text;
        }
    }
    return pool;
}

QStandardItemModel *relationshipModel(const QList<QPair<QString, QString>> &rows, QObject *owner)
{
    auto *model = new QStandardItemModel(0, 2, owner);
    model->setHorizontalHeaderLabels({"Sim", "Relationship"});
    for (const auto &row : rows)
        model->appendRow({new QStandardItem(row.first), new QStandardItem(row.second)});
    return model;
}

QStringList namesInOrder(const QSortFilterProxyModel &proxy)
{
    QStringList names;
    for (int row = 0; row < proxy.rowCount(); ++row)
        names << proxy.index(row, 0).data().toString();
    return names;
}

} // namespace

// The order of the Family Ties tab's rows.
class TestKinTermOrder : public QObject
{
    Q_OBJECT

private slots:
    void pairs_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("leftFirst");
        QTest::addColumn<bool>("rightFirst");
        auto before = [](const char *tag, const QString &l, const QString &r) {
            QTest::newRow(tag) << l << r << true << false;
        };
        auto same = [](const char *tag, const QString &l, const QString &r) {
            QTest::newRow(tag) << l << r << false << false;
        };
        before("spouse before children", "Wife", "Son");
        same("husband and wife", "Husband", "Wife");
        same("son and step-daughter", "Son", "Step-Daughter");
        before("step-daughter before grandson", "Step-Daughter", "Grandson");
        before("grandson before granddaughter", "Grandson", "Granddaughter");
        before("granddaughter before great-grandson", "Granddaughter", "Great-Grandson");
        before("great-grandchildren before siblings", "Great-Great-Granddaughter", "Brother");
        before("brother-in-law before father-in-law", "Brother-in-Law", "Father-in-Law");
        before("half-sister before nephew", "Half-Sister", "Nephew");
        before("nephew before grandniece", "Nephew", "Grandniece");
        before("grandniece before grandnephew", "Grandniece", "Grandnephew");
        before("grandnephew before father", "Grandnephew", "Father");
        same("mother-in-law and step-father", "Mother-in-Law", "Step-Father");
        before("father before grandfather", "Father", "Grandfather");
        same("grandfather and grandmother", "Grandfather", "Grandmother");
        before("grandmother before uncle", "Grandmother", "Uncle");
        before("aunt before great-aunt", "Aunt", "Great-Aunt");
        before("great-aunt before great-uncle", "Great-Aunt", "Great-Uncle");
        before("a great-uncle text by its length", "Great-Great-Aunt", "Uncle; Great-Uncle");
        before("great-uncle before cousins", "Great-Great-Great-Uncle", "First Cousin");
        before("joined terms by their first class", "Wife; First Cousin", "Son");
        same("son and nephew with the children", "Son; Nephew", "Daughter");
        before("joined terms measured whole", "Great-Granddaughter", "Grandson; Grandnephew");
        before("unremoved first", "First Cousin", "First Cousin, Once Removed");
        before("once before twice", "First Cousin, Once Removed", "First Cousin, Twice Removed");
        before("twice before three times", "First Cousin, Twice Removed",
               "First Cousin, Three Times Removed");
        before("degree before removal", "First Cousin, Three Times Removed", "Second Cousin");
        before("nineteenth before twentieth", "Nineteenth Cousin, Twice Removed",
               "Twentieth Cousin");
        before("seven before seventeen", "First Cousin, Seven Times Removed",
               "First Cousin, Seventeen Times Removed");
        before("eight before seventeen", "First Cousin, Eight Times Removed",
               "First Cousin, Seventeen Times Removed");
        before("five before twenty", "Fourth Cousin, Five Times Removed",
               "Fourth Cousin, Twenty Times Removed");
        before("four before five in the fourth degree", "Fourth Cousin, Four Times Removed",
               "Fourth Cousin, Five Times Removed");
        before("sixth before sixteenth", "Sixth Cousin", "Sixteenth Cousin");
        before("eleventh before the twelfth", "Eleventh Cousin", "Twefth Cousin");
        before("the twelfth before thirteenth", "Twefth Cousin", "Thirteenth Cousin");
        before("twentieth before distant", "Twentieth Cousin", "Distant Cousin");
        before("distant unremoved first", "Distant Cousin", "Distant Cousin, Once Removed");
        before("twenty before many", "First Cousin, Twenty Times Removed",
               "First Cousin, Many Times Removed");
        same("many and many", "First Cousin, Many Times Removed",
             "First Cousin, Many Times Removed");
        same("a cousin and itself", "First Cousin", "First Cousin");
        same("empty and empty", "", "");
        same("empty and distant", "", "Distant Cousin");
        before("empty before removed", "", "Distant Cousin, Once Removed");
    }
    void pairs()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, leftFirst);
        QFETCH(bool, rightFirst);
        QCOMPARE(kinTermLess(left, right), leftFirst);
        QCOMPARE(kinTermLess(right, left), rightFirst);
    }

    void isStrictWeakOrdering()
    {
        // The proxy's sort needs it: no text before itself, never both ways,
        // and both "before" and "neither before the other" transitive.
        const QStringList pool = termPool();
        const int n = int(pool.size());
        std::vector<std::vector<bool>> less(n, std::vector<bool>(n));
        for (int a = 0; a < n; ++a) {
            for (int b = 0; b < n; ++b)
                less[a][b] = kinTermLess(pool.at(a), pool.at(b));
        }
        for (int a = 0; a < n; ++a) {
            QVERIFY2(!less[a][a], qPrintable(pool.at(a)));
            for (int b = 0; b < n; ++b) {
                QVERIFY2(!(less[a][b] && less[b][a]), qPrintable(pool.at(a) + " | " + pool.at(b)));
                for (int c = 0; c < n; ++c) {
                    if (less[a][b] && less[b][c])
                        QVERIFY2(less[a][c], qPrintable(pool.at(a) + " | " + pool.at(c)));
                    const bool ab = !less[a][b] && !less[b][a];
                    const bool bc = !less[b][c] && !less[c][b];
                    if (ab && bc)
                        QVERIFY2(!less[a][c] && !less[c][a],
                                 qPrintable(pool.at(a) + " | " + pool.at(c)));
                }
            }
        }
    }

    void proxySortsNamesAsPlainText()
    {
        QObject owner;
        FamilyProxyModel proxy(&owner);
        proxy.setSourceModel(relationshipModel(
            {{"al", "Son"}, {"Bob", "Son"}, {"Zed", "Son"}, {"Al", "Son"}, {"Émile", "Son"}},
            &owner));
        proxy.sort(0, Qt::AscendingOrder);
        QCOMPARE(namesInOrder(proxy), QStringList({"Al", "Bob", "Zed", "al", "Émile"}));
        proxy.sort(0, Qt::DescendingOrder);
        QCOMPARE(namesInOrder(proxy), QStringList({"Émile", "al", "Zed", "Bob", "Al"}));
    }

    void proxySortsRelationshipsByKinThenName()
    {
        QObject owner;
        FamilyProxyModel proxy(&owner);
        proxy.setSourceModel(relationshipModel({{"Cy", "Son"},
                                                {"Ty", "Twefth Cousin"},
                                                {"Al", "Daughter"},
                                                {"Bea", "Wife"},
                                                {"Tom", "Thirteenth Cousin"},
                                                {"Di", "Son-in-Law"},
                                                {"Ed", "Eleventh Cousin"},
                                                {"Gus", "Grandson"},
                                                {"Fay", "Father"}},
                                               &owner));
        proxy.sort(1, Qt::AscendingOrder);
        QCOMPARE(namesInOrder(proxy),
                 QStringList({"Bea", "Al", "Cy", "Di", "Gus", "Fay", "Ed", "Ty", "Tom"}));
        // The text stays as the tab has always written it.
        QCOMPARE(proxy.index(7, 1).data().toString(), QStringLiteral("Twefth Cousin"));
        proxy.sort(1, Qt::DescendingOrder);
        QCOMPARE(namesInOrder(proxy),
                 QStringList({"Tom", "Ty", "Ed", "Fay", "Gus", "Di", "Cy", "Al", "Bea"}));
    }

    void proxyFollowsChangedRows()
    {
        // Rows are re-sorted by what they read now, not by what a sort
        // before read of them.
        QObject owner;
        FamilyProxyModel proxy(&owner);
        proxy.setDynamicSortFilter(true);
        QStandardItemModel *model = relationshipModel(
            {{"Cy", "Son"}, {"Bea", "Wife"}, {"Fay", "Father"}}, &owner);
        proxy.setSourceModel(model);
        proxy.sort(1, Qt::AscendingOrder);
        QCOMPARE(namesInOrder(proxy), QStringList({"Bea", "Cy", "Fay"}));
        model->item(1, 1)->setText("Third Cousin");
        QCOMPARE(namesInOrder(proxy), QStringList({"Cy", "Fay", "Bea"}));
        model->insertRow(0, {new QStandardItem("Al"), new QStandardItem("Husband")});
        QCOMPARE(namesInOrder(proxy), QStringList({"Al", "Cy", "Fay", "Bea"}));
        model->item(0, 0)->setText("Zed");
        model->item(0, 1)->setText("Daughter");
        QCOMPARE(namesInOrder(proxy), QStringList({"Cy", "Zed", "Fay", "Bea"}));
        model->removeRow(1);
        QCOMPARE(namesInOrder(proxy), QStringList({"Zed", "Fay", "Bea"}));
    }
};

QTEST_GUILESS_MAIN(TestKinTermOrder)
#include "tst_kintermorder.moc"
