#include "pages/FamilyBrowser.h"
#include "pages/FamilyPage.h"
#include "support/KinFamily.h"
#include "support/MessageBoxCatcher.h"
#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

using WidgetLookup::button;

namespace {

const QString BrowserButton = QStringLiteral("Add or Edit Family");

FamilyBrowser *openBrowser()
{
    return WidgetLookup::window<FamilyBrowser>(QStringLiteral("familyBrowser"));
}

QString browserTitle(const FamilyBrowser *browser)
{
    return browser->findChild<QLabel *>("titleLabel")->text();
}

} // namespace

// The Family Ties tab, driven as the sheet drives it: one relationship
// model, the selected sim and the sheet's sim list.
class TestFamilyPage : public QObject
{
    Q_OBJECT

private:
    KinFamily *family = nullptr;
    QObject *window = nullptr;
    QStandardItemModel *model = nullptr;
    FamilyPage *page = nullptr;
    QTreeView *view = nullptr;

    QString label() const { return page->findChild<QLabel *>()->text(); }
    QCheckBox *box(const QString &text) const
    {
        return qobject_cast<QCheckBox *>(button(page, text));
    }
    // Names in the order the tab shows them.
    QStringList shownNames() const
    {
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            names << view->model()->index(row, 0).data().toString();
        return names;
    }
    QString shownTerms(const QString &name) const
    {
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            if (view->model()->index(row, 0).data().toString() == name)
                return view->model()->index(row, 1).data().toString();
        }
        return QStringLiteral("<not listed>");
    }

private slots:
    void init()
    {
        family = new KinFamily;
        family->buildEgoFamily();
        window = new QObject;
        model = new QStandardItemModel(0, 2, window);
        model->setHorizontalHeaderLabels({"Sim", "Relationship"});
        page = new FamilyPage(SimList());
        page->setModel(model);
        page->setSimList(family->sims());
        view = page->findChild<QTreeView *>();
        page->show();
    }
    void cleanup()
    {
        delete page;
        delete window;
        delete family;
    }

    void startsEmpty()
    {
        QCOMPARE(label(), QStringLiteral("The Family of :"));
        QVERIFY(button(page, BrowserButton));
        QVERIFY(button(page, "The Meanings of English Kinterms"));
        QVERIFY(box("Show only living sims")->isChecked());
        QVERIFY(box("Show only playable sims")->isChecked());
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Sim"));
        QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Relationship"));
        QCOMPARE(view->model()->rowCount(), 0);
    }

    void showsTheFamilyInKinOrder()
    {
        page->setSim((*family)["Ego"]);
        QCOMPARE(label(), QStringLiteral("The Family of Ego:"));
        // Kin class first, then name; the boxes leave out dead Gramps and
        // Kim "At Large".
        const QStringList expected{
            "Wendy",
            "Dina", "Dottie", "Sid", "Sonny", "Stan", "Stella",
            "Gus", "Gina", "Gil", "Gwen",
            "Bella", "Ben", "Bert", "Bro", "Halfbro", "Halfsis", "Sally", "Sis",
            "Ned", "Nia",
            "Gnia", "Gnat", "Ggnat",
            "Dad", "Fergus", "Maud", "Mom", "Stepdad", "Stepma",
            "Gran", "Oma", "Opa", "GGma", "GGpa", "GGGma", "GGGpa",
            "Aubrey", "Tia", "Tio", "Unc",
            "GAunt", "GUncle", "GGUncle",
            "Cuz", "Cuzkid", "Kit", "Cuzgk", "Rue", "Cuzggk", "Kip", "Roy", "Rex", "Ray"};
        QCOMPARE(shownNames(), expected);
        QCOMPARE(shownTerms("Gwen"), QStringLiteral("Great-Great-Granddaughter"));
        QCOMPARE(shownTerms("Ray"), QStringLiteral("Third Cousin, Once Removed"));
        // The newest relative takes the model's first row.
        QCOMPARE(model->item(0, 0)->text(), QStringLiteral("Oma"));
        QCOMPARE(model->item(model->rowCount() - 1, 0)->text(), QStringLiteral("Wendy"));
    }

    void rowsGoInOnceSortedAndMeasuredOnce()
    {
        // A large family is neither re-sorted nor measured per relative.
        QSignalSpy inserted(view->model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy resized(view->header(), &QHeaderView::sectionResized);
        page->setSim((*family)["Ego"]);
        QCOMPARE(inserted.count(), 1);
        // The name column grows as longer names come in; fitted once, it
        // changes width once.
        int nameFits = 0;
        for (const QList<QVariant> &resize : std::as_const(resized))
            nameFits += resize.at(0).toInt() == 0 ? 1 : 0;
        QCOMPARE(nameFits, 1);
        QCOMPARE(view->model()->rowCount(), 54);
    }

    void withoutFocusShowsNothing()
    {
        page->setSim((*family)["Ego"]);
        page->setSim(nullptr);
        QCOMPARE(label(), QStringLiteral("The Family of "));
        QCOMPARE(model->rowCount(), 0);
    }

    void focusWithoutLinks()
    {
        page->setSim(family->add("Loner", Gender::Female));
        QCOMPARE(label(), QStringLiteral("The Family of Loner:"));
        QCOMPARE(model->rowCount(), 0);
    }

    void boxesRebuildAtOnce()
    {
        page->setSim((*family)["Ego"]);
        QCOMPARE(shownTerms("Gramps"), QStringLiteral("<not listed>"));
        box("Show only living sims")->click();
        QCOMPARE(shownTerms("Gramps"), QStringLiteral("Grandfather"));
        QCOMPARE(shownTerms("Kim"), QStringLiteral("<not listed>"));
        box("Show only playable sims")->click();
        QCOMPARE(shownTerms("Kim"), QStringLiteral("Second Cousin, Once Removed"));
        QCOMPARE(model->rowCount(), 56);
        box("Show only living sims")->click();
        QCOMPARE(shownTerms("Gramps"), QStringLiteral("<not listed>"));
        QCOMPARE(model->rowCount(), 55);
    }

    void newSimListLeavesTheRows()
    {
        page->setSim((*family)["Ego"]);
        const QStringList before = shownNames();
        KinFamily other;
        page->setSimList(SimList{other.add("Stranger", Gender::Male)});
        QCOMPARE(shownNames(), before);
        QCOMPARE(label(), QStringLiteral("The Family of Ego:"));
    }

    void meaningsButtonDoesNothing()
    {
        page->setSim((*family)["Ego"]);
        const QStringList before = shownNames();
        const int windows = int(QApplication::topLevelWidgets().size());
        button(page, "The Meanings of English Kinterms")->click();
        QCOMPARE(shownNames(), before);
        QCOMPARE(int(QApplication::topLevelWidgets().size()), windows);
    }

    void browserNeedsASim()
    {
        MessageBoxCatcher catcher;
        button(page, BrowserButton)->click();
        QCOMPARE(catcher.texts, QStringList{"Please select a sim from the list first."});
        QCOMPARE(catcher.titles, QStringList{QString()});
        QVERIFY(!openBrowser());
    }

    void browserIsMadeOnceAndFollowsTheSelection()
    {
        page->setSim((*family)["Ego"]);
        button(page, BrowserButton)->click();
        FamilyBrowser *browser = openBrowser();
        QVERIFY(browser);
        QVERIFY(browser->isVisible());
        QCOMPARE(browserTitle(browser), QStringLiteral("Immediate Family of Ego:"));

        // Stepping in the browser leaves the tab's sim alone.
        browser->findChild<QAbstractButton *>("spouseButton")->click();
        QCOMPARE(browserTitle(browser), QStringLiteral("Immediate Family of Wendy:"));
        QCOMPARE(label(), QStringLiteral("The Family of Ego:"));

        button(page, BrowserButton)->click();
        QCOMPARE(openBrowser(), browser);
        QCOMPARE(browserTitle(browser), QStringLiteral("Immediate Family of Ego:"));

        page->setSim((*family)["Dad"]);
        QCOMPARE(browserTitle(browser), QStringLiteral("Immediate Family of Dad:"));
        QCOMPARE(label(), QStringLiteral("The Family of Dad:"));
        QCOMPARE(shownTerms("Ego"), QStringLiteral("Son"));

        // The browser's name lists follow the sheet's list.
        KinFamily other;
        page->setSimList(SimList{other.add("Stranger", Gender::Male)});
        auto *spouses = browser->findChild<QComboBox *>("spouseCombo");
        QCOMPARE(spouses->count(), 2);
        QCOMPARE(spouses->itemText(0), QStringLiteral("Stranger"));
    }

    void browserEditsShowAfterCloseAndRefresh()
    {
        page->setSim((*family)["Ego"]);
        button(page, BrowserButton)->click();
        FamilyBrowser *browser = openBrowser();
        auto *spouses = browser->findChild<QComboBox *>("spouseCombo");
        spouses->setCurrentIndex(spouses->count() - 1);
        button(browser, "Set Spouse:")->click();
        QCOMPARE(shownTerms("Wendy"), QStringLiteral("Wife"));

        // Closing the window otherwise sends nothing.
        browser->close();
        QCOMPARE(shownTerms("Wendy"), QStringLiteral("Wife"));

        button(page, BrowserButton)->click();
        QSignalSpy refreshed(browser, &FamilyBrowser::closeAndUpdate);
        button(browser, "Close and Refresh Family List")->click();
        QCOMPARE(refreshed.count(), 1);
        QVERIFY(!browser->isVisible());
        QCOMPARE(shownTerms("Wendy"), QStringLiteral("<not listed>"));
        QCOMPARE(shownTerms("Stan"), QStringLiteral("<not listed>"));
        QCOMPARE(shownTerms("Sonny"), QStringLiteral("Son"));
    }
};

QTEST_MAIN(TestFamilyPage)
#include "tst_familypage.moc"
