#include "pages/EditHouseholdDialog.h"
#include "pages/HouseholdPage.h"
#include "records/HouseholdLine.h"
#include "support/MessageBoxCatcher.h"
#include "support/SheetWindow.h"
#include "support/WidgetLookup.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

using WidgetLookup::button;

namespace {

const QString playedText = QStringLiteral("Current household has been played this rotation.");

// The household model as the sheet builds it: name and played mark.
QStandardItemModel *householdModel(const QList<QPair<QString, QString>> &rows, QObject *owner)
{
    auto *model = new QStandardItemModel(0, 2, owner);
    model->setHorizontalHeaderLabels({"Household", "Played this Rotation"});
    for (const auto &row : rows)
        model->appendRow({new QStandardItem(row.first), new QStandardItem(row.second)});
    return model;
}

QString markOf(const QStandardItemModel *model, const QString &household)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->item(row, 0)->text() == household)
            return model->item(row, 1)->text();
    }
    return QStringLiteral("<missing>");
}

EditHouseholdDialog *openDialog()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *dialog = qobject_cast<EditHouseholdDialog *>(window))
            return dialog;
    }
    return nullptr;
}

} // namespace

class TestHouseholdPage : public QObject
{
    Q_OBJECT

private:
    HouseholdPage *page = nullptr;
    QStandardItemModel *model = nullptr;
    QTreeView *view = nullptr;

    void select(const QString &household)
    {
        QVERIFY2(WidgetLookup::clickRow(view, household), qPrintable(household));
    }
    QCheckBox *playedBox() const { return static_cast<QCheckBox *>(button(page, playedText)); }
    QAbstractButton *editButton() const { return button(page, "Edit Selected Household"); }

private slots:
    void init()
    {
        page = new HouseholdPage;
        model = householdModel({{"Smith", "Yes"}, {"Runaways", ""}, {"Jones", "No"}}, page);
        page->setModel(model);
        view = page->findChild<QTreeView *>();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
    }
    void cleanup()
    {
        delete page;
        page = nullptr;
    }

    void startsWithoutASelection()
    {
        HouseholdPage fresh;
        QCOMPARE(fresh.sourceModel(), nullptr);
        QVERIFY(!button(&fresh, "Edit Selected Household")->isEnabled());
        QVERIFY(!button(&fresh, playedText)->isEnabled());
        fresh.setModel(model);
        QCOMPARE(fresh.sourceModel(), model);
        auto *freshView = fresh.findChild<QTreeView *>();
        QCOMPARE(freshView->model()->index(0, 0).data().toString(), QString("Jones"));
        QCOMPARE(freshView->model()->index(2, 0).data().toString(), QString("Smith"));
    }

    void playedMarks()
    {
        QSignalSpy shown(page, &HouseholdPage::showHousehold);
        select("Smith");
        QVERIFY(playedBox()->isChecked());
        QVERIFY(playedBox()->isEnabled() && editButton()->isEnabled());
        QCOMPARE(markOf(model, "Smith"), QString("Yes"));

        // A household marked "No" unchecks the box and keeps its "No".
        select("Jones");
        QVERIFY(!playedBox()->isChecked());
        QCOMPARE(markOf(model, "Jones"), QString("No"));
        QCOMPARE(markOf(model, "Smith"), QString("Yes"));

        QTest::mouseClick(playedBox(), Qt::LeftButton);
        QCOMPARE(markOf(model, "Jones"), QString("Yes"));

        // A special household cannot be marked or renamed but lists its members.
        select("Runaways");
        QVERIFY(!playedBox()->isEnabled());
        QVERIFY(!editButton()->isEnabled());
        QCOMPARE(markOf(model, "Runaways"), QString());
        QCOMPARE(markOf(model, "Jones"), QString("Yes"));

        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.at(0).at(0).toString(), QString("Smith"));
        QCOMPARE(shown.at(2).at(0).toString(), QString("Runaways"));
    }

    void noRowSendsNothing()
    {
        select("Smith");
        QSignalSpy shown(page, &HouseholdPage::showHousehold);
        view->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        QCOMPARE(shown.size(), 0);
        QVERIFY(!editButton()->isEnabled());
        QVERIFY(!playedBox()->isEnabled());
        QCOMPARE(markOf(model, "Smith"), QString("Yes"));
        // No row, nothing to rename.
        editButton()->click();
        QVERIFY(!openDialog() || !openDialog()->isVisible());
    }

    void resetDropsTheSelection()
    {
        select("Smith");
        page->showMembers({"Ann Smith"});
        QSignalSpy shown(page, &HouseholdPage::showHousehold);
        page->reset();
        QCOMPARE(shown.size(), 0);
        QVERIFY(!view->currentIndex().isValid());
        QVERIFY(!view->selectionModel()->hasSelection());
        QVERIFY(!editButton()->isEnabled());
        QVERIFY(!playedBox()->isEnabled());
        QVERIFY(playedBox()->isChecked());
        QVERIFY(WidgetLookup::label(page, "Ann Smith") == nullptr);
    }

    void membersAreShownAsTyped()
    {
        page->showMembers({"<b>Ann</b> Smith", "Bo Smith"});
        QLabel *members = WidgetLookup::label(page, "<b>Ann</b> Smith\nBo Smith");
        QVERIFY(members);
        QCOMPARE(members->textFormat(), Qt::PlainText);
        page->showMembers({});
        QCOMPARE(members->text(), QString());
    }

    void clearingTheMarks()
    {
        // Sorted by the marks, writing a mark moves rows: every row must still be reached.
        view->sortByColumn(1, Qt::DescendingOrder);
        model->appendRow({new QStandardItem("Brown"), new QStandardItem("Yes")});
        model->appendRow({new QStandardItem("At Large"), new QStandardItem("Yes")});
        page->clearPlayedFlags();
        for (const char *household : {"Smith", "Jones", "Brown", "At Large"})
            QCOMPARE(markOf(model, household), QString("No"));
        QCOMPARE(markOf(model, "Runaways"), QString());
    }

    void renaming()
    {
        QSignalSpy renamed(page, &HouseholdPage::replaceHouseholdName);
        select("Smith");
        QTest::mouseClick(editButton(), Qt::LeftButton);
        EditHouseholdDialog *dialog = openDialog();
        QVERIFY(dialog && dialog->isVisible());
        auto *edit = dialog->findChild<QLineEdit *>();
        QCOMPARE(edit->text(), QString("Smith"));
        QCOMPARE(edit->selectedText(), QString("Smith"));

        // The open dialog keeps the household it was opened for.
        select("Jones");
        edit->setText("Lee, Jr.");
        QTest::mouseClick(button(dialog, "Ok"), Qt::LeftButton);
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(renamed.at(0).at(0).toString(), QString("Smith"));
        QCOMPARE(renamed.at(0).at(1).toString(), QString("Lee, Jr."));
        QVERIFY(!dialog->isVisible());

        // The same dialog is reused for the next household.
        QTest::mouseClick(editButton(), Qt::LeftButton);
        QCOMPARE(openDialog(), dialog);
        QCOMPARE(edit->text(), QString("Jones"));
        edit->setText("<b>Jones</b>");
        QTest::mouseClick(button(dialog, "Ok"), Qt::LeftButton);
        QCOMPARE(renamed.at(1).at(0).toString(), QString("Jones"));
        QCOMPARE(renamed.at(1).at(1).toString(), QString("<b>Jones</b>"));
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString fileMessage = "A household name cannot start with a comma or hold a "
                                    "double quote followed by a comma.";
        QTest::newRow("empty") << "" << "Please enter a name for the household.";
        QTest::newRow("blank") << "   " << "Please enter a name for the household.";
        QTest::newRow("leading comma") << ",Smith" << fileMessage;
        QTest::newRow("quote comma") << "Smith\", Jr" << fileMessage;
        // Pasted into the line edit, a line break would split the list file's line.
        QTest::newRow("line feed") << "Smith\nJones" << "A household name cannot hold a line break.";
        QTest::newRow("carriage return") << "Smith\r" << "A household name cannot hold a line break.";
    }
    void refusedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QSignalSpy renamed(page, &HouseholdPage::replaceHouseholdName);
        select("Smith");
        QTest::mouseClick(editButton(), Qt::LeftButton);
        EditHouseholdDialog *dialog = openDialog();
        dialog->findChild<QLineEdit *>()->setText(name);
        MessageBoxCatcher boxes;
        QTest::mouseClick(button(dialog, "Ok"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList{message});
        QCOMPARE(renamed.size(), 0);
        QVERIFY(dialog->isVisible());
    }

    void sectionReadsBackByteForByte()
    {
        QFile file(TOLVANE_FIXTURES "/households-section.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray section = file.readAll();

        // As the sheet rebuilds the model after reading the sims.
        auto *rebuilt = householdModel({{"Smith", "No"}, {"Townies and Dormies", ""},
                                        {"Lee, Jr.", "No"}, {"At Large", "No"}, {"Runaways", ""}},
                                       page);
        page->setModel(rebuilt);
        for (const QString &line : QString::fromUtf8(section).split("\r\n"))
            page->loadHousehold(line);
        // A household that is gone, and a line without a mark, change nothing.
        page->loadHousehold("Ghosts,Yes");
        page->loadHousehold("At Large");
        QCOMPARE(markOf(rebuilt, "Lee, Jr."), QString("Yes"));
        QCOMPARE(page->saveHouseholds().toUtf8(), section);

        view->sortByColumn(1, Qt::DescendingOrder);
        QStringList marks;
        for (const QString &line : page->saveHouseholds().split("\r\n"))
            marks.append(line.section(',', -1));
        QCOMPARE(marks, QStringList({"Yes", "Yes", "No", "", ""}));
        // A rebuild sorts by name again.
        page->setModel(rebuilt);
        QCOMPARE(page->saveHouseholds().toUtf8(), section);
    }

    // A section's lines read at once mark the households as one line after
    // the other does: a line marks every row of its name, so a name the
    // model holds twice is marked twice, and of two lines of one household
    // the later wins; lines that cannot be read, or name no household of
    // the model, change nothing.
    void sectionReadAtOnceAsLineByLine()
    {
        const QList<QPair<QString, QString>> rows{{"Smith", "No"}, {"Lee, Jr.", "No"},
                                                  {"Runaways", ""}, {"Smith", "No"},
                                                  {"Jones", "Yes"}, {"Brook", "No"}};
        const QStringList lines{"Smith,Yes", "Lee, Jr.,Yes", "Jones,No", "Ghosts,Yes",
                                "Smith,No",  "Lee, Jr.,Ye",  "Brook",    "Jones,Yes",
                                "Smith,Yes", "Runaways,",    "Brook,Yes", "Brook,No"};
        auto *atOnce = householdModel(rows, page);
        page->setModel(atOnce);
        page->loadHouseholds(lines);
        const QStringList marks = SheetWindow::column(atOnce, 1);
        QCOMPARE(marks, QStringList({"Yes", "Yes", "", "Yes", "Yes", "No"}));

        auto *lineByLine = householdModel(rows, page);
        page->setModel(lineByLine);
        for (const QString &line : lines)
            page->loadHousehold(line);
        QCOMPARE(SheetWindow::column(lineByLine, 1), marks);
        QCOMPARE(SheetWindow::column(lineByLine, 0), SheetWindow::column(atOnce, 0));

        // Without a model nothing is read.
        HouseholdPage fresh;
        fresh.loadHouseholds(lines);
        QCOMPARE(fresh.sourceModel(), nullptr);
    }

    // A household name that holds line breaks is written as the sim line
    // writes it, with blanks: the section keeps one line per household, and
    // the mark finds its household again once the list is read back.
    void lineBreaksInANameAreWrittenAsBlanks()
    {
        page->setModel(householdModel({{"Fir\r\n\r\n1", "Yes"}, {"Oak\nTree", "No"}, {"Elm\r", "Yes"}},
                                      page));
        const QString section = page->saveHouseholds();
        QCOMPARE(section, QString("Elm ,Yes\r\nFir  1,Yes\r\nOak Tree,No"));

        auto *reread = householdModel({{"Elm ", "No"}, {"Fir  1", "No"}, {"Oak Tree", "No"}}, page);
        page->setModel(reread);
        for (const QString &line : section.split("\r\n"))
            page->loadHousehold(line);
        QCOMPARE(page->saveHouseholds(), section);
    }

    // A line is read only with a mark the page writes: "Yes", "No", or
    // nothing for a special household. The mark follows the last comma.
    void markOfALine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mark");
        QTest::newRow("played") << "Smith,Yes" << true << "Smith" << "Yes";
        QTest::newRow("not played") << "Smith,No" << true << "Smith" << "No";
        QTest::newRow("special, no mark") << "Runaways," << true << "Runaways" << "";
        QTest::newRow("special, marked") << "Hobby Mavens,No" << true << "Hobby Mavens" << "No";
        QTest::newRow("name with a comma") << "Lee, Jr.,Yes" << true << "Lee, Jr." << "Yes";
        QTest::newRow("cut to Ye") << "Smith,Ye" << false << "" << "";
        QTest::newRow("cut to N") << "Smith,N" << false << "" << "";
        QTest::newRow("playable, no mark") << "Smith," << false << "" << "";
        QTest::newRow("At Large, no mark") << "At Large," << false << "" << "";
        QTest::newRow("lower case") << "Smith,yes" << false << "" << "";
        QTest::newRow("no comma") << "Runaways" << false << "" << "";
        QTest::newRow("special name cut, no mark") << "Runaway," << false << "" << "";
    }
    void markOfALine()
    {
        QFETCH(QString, line);
        HouseholdLine::Fields fields;
        QTEST(HouseholdLine::parse(line, &fields), "read");
        QTEST(fields.name, "name");
        QTEST(fields.mark, "mark");
    }

    void emptySection()
    {
        page->setModel(householdModel({}, page));
        QCOMPARE(page->saveHouseholds(), QString());
    }
};

QTEST_MAIN(TestHouseholdPage)
#include "tst_householdpage.moc"
