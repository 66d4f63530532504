#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"
#include "records/Sim.h"
#include "records/SimSort.h"
#include "support/WidgetLookup.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScopeGuard>
#include <QAbstractButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>
#include <random>

namespace {

const QString QuoteCommaWarning = QStringLiteral(
    "Please don't use a double-quote followed by a comma in the fields; it will mess up your "
    "save files.");

QAbstractButton *addButtonOf(UpdateDialog &dialog)
{
    return WidgetLookup::button(&dialog, QStringLiteral("Add"));
}

// The entry a click on "Add" files, or null when the form refuses.
std::unique_ptr<UpdateEntry> clickAdd(UpdateDialog &dialog)
{
    QList<UpdateEntry *> filed;
    const auto connection = QObject::connect(&dialog, &UpdateDialog::newEvent,
                                             [&filed](UpdateEntry *entry) { filed.append(entry); });
    QTest::mouseClick(addButtonOf(dialog), Qt::LeftButton);
    QObject::disconnect(connection);
    if (filed.size() != 1) {
        qDeleteAll(filed);
        return nullptr;
    }
    return std::unique_ptr<UpdateEntry>(filed.first());
}

// The rows of the form, each as the widgets it holds.
QList<QList<QWidget *>> rowsOf(UpdateDialog &dialog)
{
    QList<QList<QWidget *>> rows;
    QLayout *rowsLayout = dialog.layout()->itemAt(0)->layout();
    for (int r = 0; r < rowsLayout->count(); ++r) {
        QList<QWidget *> row;
        QLayout *rowLayout = rowsLayout->itemAt(r)->layout();
        for (int i = 0; i < rowLayout->count(); ++i)
            row.append(rowLayout->itemAt(i)->widget());
        rows.append(row);
    }
    return rows;
}

} // namespace

class TestUpdateDialog : public QObject
{
    Q_OBJECT

private:
    std::vector<std::unique_ptr<Sim>> owned;

    Sim *makeSim(const QString &name)
    {
        owned.push_back(std::make_unique<Sim>());
        owned.back()->setName(name);
        return owned.back().get();
    }

private slots:
    void cleanup() { owned.clear(); }

    void composesPiecesInOrderWithoutSeparators()
    {
        UpdateDialog dialog;
        dialog.addLabel(QStringLiteral("On day "));
        QSpinBox *day = dialog.addSpinBox(1, 4);
        dialog.addLabel(QStringLiteral(" of the rotation, "));
        QLineEdit *name = dialog.addLineEdit();
        dialog.addLabel(QStringLiteral(" was born "));
        QComboBox *time = dialog.addComboBox({QStringLiteral("before"), QStringLiteral("after")});
        dialog.addLabel(QStringLiteral(" six PM."));

        QCOMPARE(day->value(), 1);
        QCOMPARE(day->maximum(), 4);
        QCOMPARE(time->currentText(), QStringLiteral("before"));
        QCOMPARE(dialog.composeText(), QStringLiteral("On day 1 of the rotation,  was born before six PM."));

        day->setValue(3);
        QTest::keyClicks(name, QStringLiteral("Ana Bo"));
        time->setCurrentIndex(1);
        QCOMPARE(dialog.composeText(), QStringLiteral("On day 3 of the rotation, Ana Bo was born after six PM."));
    }

    void numberFieldStartsAtItsMinimum_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("below zero") << -3 << 3;
        QTest::newRow("above zero") << 1 << 4;
    }
    void numberFieldStartsAtItsMinimum()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        UpdateDialog dialog;
        QSpinBox *number = dialog.addSpinBox(minimum, maximum);
        QCOMPARE(number->minimum(), minimum);
        QCOMPARE(number->maximum(), maximum);
        QCOMPARE(dialog.composeText(), QString::number(minimum));
    }

    void numbersAreAsciiDigitsInAnyLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        UpdateDialog dialog;
        QSpinBox *days = dialog.addSpinBox(0, 5000);
        days->setValue(1234);
        QLocale::setDefault(saved);
        QVERIFY(days->cleanText() != QLatin1String("1234")); // the locale shows its own digits
        QCOMPARE(dialog.composeText(), QStringLiteral("1234"));
    }

    void randomIsDrawnPerAspirationChoice()
    {
        UpdateDialog dialog;
        QList<int> draws{1, 9, -1};
        dialog.setRandomSource([&draws] { return draws.takeFirst(); });
        dialog.addComboBox({QStringLiteral("Random"), QStringLiteral("Family")}, true);
        dialog.addLabel(QStringLiteral("/"));
        dialog.addComboBox({QStringLiteral("Random")}, true);
        dialog.addLabel(QStringLiteral("/"));
        QComboBox *chosen = dialog.addComboBox({QStringLiteral("Fortune"), QStringLiteral("Random")}, true);
        chosen->setCurrentIndex(0);
        dialog.addLabel(QStringLiteral("/"));
        dialog.addComboBox({QStringLiteral("Random")}, true);

        // One draw per box showing "Random", taken modulo 6, in piece order.
        QCOMPARE(dialog.composeText(), QStringLiteral("Family/Knowledge/Fortune/Romance"));
        QVERIFY(draws.isEmpty());
    }

    void randomStaysOutsideAspirationChoices()
    {
        UpdateDialog dialog;
        int draws = 0;
        dialog.setRandomSource([&draws] { return ++draws; });
        dialog.addComboBox({QStringLiteral("Random")});
        dialog.addLabel(QStringLiteral(" "));
        dialog.addSimBox({makeSim(QStringLiteral("Random"))});
        QCOMPARE(dialog.composeText(), QStringLiteral("Random Random"));
        QCOMPARE(draws, 0);
    }

    void sortsSimsByName_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("sorted");
        // B and b2 share the name "B"; A sorts first; 0 is a null entry.
        QTest::newRow("equal names keep the earlier candidate") << "B A b2" << "A B b2";
        QTest::newRow("selection sort is not stable") << "B b2 A" << "A b2 B";
        QTest::newRow("the smaller one swapped to the front") << "b2 B A" << "A B b2";
        QTest::newRow("one sim") << "B" << "B";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("null never moves") << "C 0 A B" << "A 0 B C";
        QTest::newRow("nulls at both ends") << "0 C b2 A B 0" << "0 A b2 B C 0";
        QTest::newRow("only nulls") << "0 0" << "0 0";
    }
    void sortsSimsByName()
    {
        QFETCH(QString, order);
        QFETCH(QString, sorted);
        QMap<QString, Sim *> byTag{{"A", makeSim("A")}, {"B", makeSim("B")}, {"b2", makeSim("B")},
                                   {"C", makeSim("C")}, {"0", nullptr}};
        SimList sims;
        for (const QString &tag : order.split(' ', Qt::SkipEmptyParts))
            sims.append(byTag.value(tag));
        sortSimsByName(sims);
        QStringList tags;
        for (const QPointer<Sim> &sim : sims)
            tags.append(byTag.key(sim.data()));
        QCOMPARE(tags.join(' '), sorted);
    }

    // The sort gives the very order of a selection sort with swaps, also for
    // sims of names that compare equal, in locales that order case, accents
    // and punctuation differently; a null entry keeps its place.
    void sortsNamesAsTheSelectionSortDid_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"C", "en_US", "de_DE", "sv_SE", "fr_FR"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void sortsNamesAsTheSelectionSortDid()
    {
        QFETCH(QString, locale);
        const QLocale before;
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        QLocale::setDefault(QLocale(locale));

        const QStringList names{
            "Ann", "ann", "ANN", QStringLiteral("\u00c4nn"), QStringLiteral("\u00e4nn"), "Anne",
            "anne", "Ann-Marie", "Ann Marie", "AnnMarie", "Ann", " Ann", "Ann ", "", "Bo", "bo",
            QStringLiteral("B\u00f6"), QStringLiteral("Zo\u00eb"), "Zoe", "zoe",
            QStringLiteral("\u00d8y"), "Oy", QStringLiteral("\u00c9mile"),
            QStringLiteral("E\u0301mile"), "Emile", QStringLiteral("\u00e9mile"),
            QStringLiteral("Stra\u00dfe"), "Strasse", QStringLiteral("\u0141ukasz"),
            "Lukasz", "10 Sims", "9 Sims", "O'Neil", "Oneil", "o-neil"};
        // The selection sort that served before, in n squared.
        auto selectionSorted = [](SimList list) {
            for (qsizetype i = 0; i < list.size(); ++i) {
                qsizetype m = i;
                for (qsizetype j = i + 1; j < list.size(); ++j) {
                    if (list.at(m) && list.at(j)
                        && QString::localeAwareCompare(list.at(m)->name(), list.at(j)->name()) > 0)
                        m = j;
                }
                list.swapItemsAt(i, m);
            }
            return list;
        };

        std::mt19937 shuffle(11);
        for (int round = 0; round < 20; ++round) {
            QList<Sim *> input;
            for (const QString &name : names)
                input.append(makeSim(name));
            std::shuffle(input.begin(), input.end(), shuffle);
            SimList sims;
            for (Sim *sim : std::as_const(input))
                sims.append(sim);
            sims.insert(round % (sims.size() + 1), nullptr);
            const SimList expected = selectionSorted(sims);
            sortSimsByName(sims);
            QCOMPARE(sims, expected);
        }
    }

    void simBoxOffersSortedNamesWithoutNulls()
    {
        UpdateDialog dialog;
        Sim *cy = makeSim("Cy");
        Sim *ana = makeSim("Ana");
        QComboBox *box = dialog.addSimBox({cy, nullptr, ana, nullptr});
        QVERIFY(box->isEditable());
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QStringLiteral("Ana"));
        QCOMPARE(box->itemText(1), QStringLiteral("Cy"));
        box->setCurrentIndex(1);
        auto entry = clickAdd(dialog);
        QVERIFY(entry);
        QCOMPARE(entry->firstSim(), cy);
        QCOMPARE(entry->text(), QStringLiteral("Cy"));
    }

    void eachSimBoxPicksFromItsOwnList()
    {
        UpdateDialog dialog;
        Sim *ana = makeSim("Ana");
        Sim *bo = makeSim("Bo");
        Sim *cy = makeSim("Cy");
        Sim *di = makeSim("Di");
        QComboBox *first = dialog.addSimBox({ana, bo});
        dialog.addLabel(" and ");
        QComboBox *middle = dialog.addSimBox({cy, di});
        dialog.addLabel(" with ");
        QComboBox *last = dialog.addSimBox({di, cy});
        first->setCurrentIndex(1);
        middle->setCurrentIndex(0);
        last->setCurrentIndex(1);
        auto entry = clickAdd(dialog);
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("Bo and Cy with Di"));
        QCOMPARE(entry->firstSim(), bo);
        QCOMPARE(entry->secondSim(), di); // the last box decides the second sim
    }

    // A box that gives no sim must not hand its part to the next box, or the
    // sentence would act on the wrong sim: "Add" refuses and says why.
    void refusesWhileASimBoxGivesNoSim_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("entered");
        QTest::newRow("empty box") << QString() << false;
        QTest::newRow("typed over") << "Zed" << false;
        QTest::newRow("typed and entered") << "Zed" << true;
    }
    void refusesWhileASimBoxGivesNoSim()
    {
        QFETCH(QString, typed);
        QFETCH(bool, entered);
        UpdateDialog dialog;
        Sim *ana = makeSim("Ana");
        Sim *bo = makeSim("Bo");
        QComboBox *box = dialog.addSimBox(typed.isEmpty() ? SimList() : SimList{ana, bo});
        dialog.addLabel(" met ");
        dialog.addSimBox({bo});
        if (!typed.isEmpty()) {
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), typed);
            if (entered)
                QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        }
        dialog.show();
        QVERIFY(!clickAdd(dialog));
        QCOMPARE(WidgetLookup::labelText(&dialog, "warningLabel"), QStringLiteral("Please choose a sim from the list in every sim box."));
        QVERIFY(dialog.isVisible());

        // Choosing a sim again lets the update through with both sims.
        if (!typed.isEmpty()) {
            box->setCurrentIndex(0);
            box->setEditText(box->itemText(0));
            auto entry = clickAdd(dialog);
            QVERIFY(entry);
            QCOMPARE(entry->text(), QStringLiteral("Ana met Bo"));
            QCOMPARE(entry->firstSim(), ana);
            QCOMPARE(entry->secondSim(), bo);
        }
    }

    void emptyFormFilesEmptyEntryAndCloses()
    {
        UpdateDialog dialog;
        dialog.show();
        auto entry = clickAdd(dialog);
        QVERIFY(entry);
        QCOMPARE(entry->text(), QString());
        QCOMPARE(entry->firstSim(), nullptr);
        QCOMPARE(entry->secondSim(), nullptr);
        QVERIFY(!dialog.isVisible());
    }

    void addEmptiesTheForm()
    {
        UpdateDialog dialog;
        dialog.addLabel("Ana moved.");
        dialog.show();
        QVERIFY(clickAdd(dialog));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.composeText(), QString());
        QVERIFY(rowsOf(dialog).isEmpty());
    }

    void warnsWhileAnyFieldHoldsQuoteComma()
    {
        UpdateDialog dialog;
        QLineEdit *first = dialog.addLineEdit();
        QLineEdit *second = dialog.addLineEdit();
        QAbstractButton *add = addButtonOf(dialog);

        QTest::keyClicks(first, "say \", hi");
        QCOMPARE(WidgetLookup::labelText(&dialog, "warningLabel"), QuoteCommaWarning);
        QVERIFY(!add->isEnabled());

        // Another field's edit must not clear the warning for the first.
        QTest::keyClicks(second, "fine");
        QCOMPARE(WidgetLookup::labelText(&dialog, "warningLabel"), QuoteCommaWarning);
        QVERIFY(!add->isEnabled());

        first->selectAll();
        QTest::keyClicks(first, "a \" b ,\"c");
        QCOMPARE(WidgetLookup::labelText(&dialog, "warningLabel"), QString());
        QVERIFY(add->isEnabled());
    }

    void refusesSentencesThatBreakSavedLines_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("quote in field, comma in label") << "Bo \"Bee\"" << ", the first.";
        QTest::newRow("leading comma") << ", Ana" << " moved.";
        QTest::newRow("required field empty") << "" << " moved.";
    }
    void refusesSentencesThatBreakSavedLines()
    {
        QFETCH(QString, typed);
        QFETCH(QString, after);
        UpdateDialog dialog;
        QLineEdit *field = dialog.addLineEdit();
        dialog.addLabel(after);
        QTest::keyClicks(field, typed);
        QVERIFY(addButtonOf(dialog)->isEnabled());
        QVERIFY(!clickAdd(dialog));
        QVERIFY(!WidgetLookup::labelText(&dialog, "warningLabel").isEmpty());
        // Nothing is lost: the form keeps what was typed.
        QCOMPARE(field->text(), typed);

        field->setText("Ana");
        auto entry = clickAdd(dialog);
        QVERIFY(entry);
        QCOMPARE(entry->text(), "Ana" + after);
    }

    // "Put the  household on hold ..." names no household: refused, while a
    // choice whose item is an empty text is a real choice.
    void refusesAChoiceWithNothingToChoose_data()
    {
        QTest::addColumn<QStringList>("households");
        QTest::addColumn<QString>("filed");
        QTest::newRow("no items") << QStringList{} << QString();
        QTest::newRow("one empty item")
            << QStringList{QString()} << QStringLiteral("Put the  household on hold for 2 days.");
        QTest::newRow("a household")
            << QStringList{"Hale"} << QStringLiteral("Put the Hale household on hold for 2 days.");
    }
    void refusesAChoiceWithNothingToChoose()
    {
        QFETCH(QStringList, households);
        QFETCH(QString, filed);
        UpdateDialog dialog;
        dialog.addLabel("Put ");
        dialog.addComboBox({"the ", "all households except the "});
        dialog.addComboBox(households);
        dialog.addLabel(" household on hold for ");
        dialog.addSpinBox(0, 20)->setValue(2);
        dialog.addLabel(" days.");
        dialog.show();

        auto entry = clickAdd(dialog);
        if (filed.isNull()) {
            QVERIFY(!entry);
            QCOMPARE(WidgetLookup::labelText(&dialog, "warningLabel"),
                     QStringLiteral("One of the choices has nothing to choose from, so this "
                                    "update cannot be added."));
            QVERIFY(dialog.isVisible());
            QCOMPARE(rowsOf(dialog).size(), 1);
        } else {
            QVERIFY(entry);
            QCOMPARE(entry->text(), filed);
            QCOMPARE(WidgetLookup::labelText(&dialog, "warningLabel"), QString());
        }
    }

    void refusesLineBreaks()
    {
        UpdateDialog dialog;
        QLineEdit *field = dialog.addLineEdit();
        dialog.addLabel(" moved.");
        field->setText("Ana\nBo");
        QVERIFY(!clickAdd(dialog));
        QCOMPARE(WidgetLookup::labelText(&dialog, "warningLabel"), QStringLiteral("Please don't use line breaks in the fields; "
                                                  "they will mess up your save files."));
    }

    void optionalFieldMayStayEmpty()
    {
        UpdateDialog dialog;
        dialog.addLabel("Note: ");
        dialog.addLineEdit(false);
        auto entry = clickAdd(dialog);
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("Note: "));
    }

    void rowsWrapPastSevenHundredPixels()
    {
        UpdateDialog dialog;
        QLabel *wide = dialog.addLabel("a");
        wide->setFixedWidth(700);
        QLabel *joins = dialog.addLabel("b"); // the row is exactly 700 wide: one more piece
        QLabel *next = dialog.addLabel("c");  // now past 700: a new row
        QLabel *alsoNext = dialog.addLabel("d");
        const auto rows = rowsOf(dialog);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0), (QList<QWidget *>{wide, joins}));
        QCOMPARE(rows.at(1), (QList<QWidget *>{next, alsoNext}));
        QCOMPARE(dialog.composeText(), QStringLiteral("abcd"));
    }
};

QTEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
