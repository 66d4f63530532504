#include "dialogs/ListManagementDialog.h"
#include "dialogs/ListNames.h"
#include "support/ChooserAnswer.h"
#include "support/MessageBoxCatcher.h"
#include "support/WidgetLookup.h"
#include "support/WorkingFolder.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using WidgetLookup::button;

namespace {

QStringList items(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

// The list dialog's requests to the sheet and its list of list files.
class TestListDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<ListManagementDialog> dialog;

    QComboBox *combo(const char *name) const
    {
        return dialog->findChild<QComboBox *>(QLatin1String(name));
    }
    void open()
    {
        dialog = std::make_unique<ListManagementDialog>();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void click(const QString &text) { QTest::mouseClick(button(dialog.get(), text), Qt::LeftButton); }

private slots:
    void init()
    {
        folder = std::make_unique<WorkingFolder>();
    }
    void cleanup()
    {
        dialog.reset();
        folder.reset();
    }

    void withoutListFilesNothingOpensOrSaves()
    {
        open();
        QCOMPARE(combo("openCombo")->count(), 0);
        QCOMPARE(combo("saveCombo")->count(), 0);
        QVERIFY(!button(dialog.get(), "Open")->isEnabled());
        QVERIFY(!button(dialog.get(), "Save As")->isEnabled());
        QVERIFY(button(dialog.get(), "Set to")->isEnabled());
        QCOMPARE(items(combo("formatCombo")),
                 QStringList({"Version 0.1", "Version 0.2", "Version 0.3", "Version 0.4",
                              "This version (0.5)"}));
        QCOMPARE(combo("formatCombo")->currentIndex(), 4);

        QTest::keyClicks(combo("saveCombo")->lineEdit(), "Lark");
        QVERIFY(button(dialog.get(), "Save As")->isEnabled());
        combo("saveCombo")->lineEdit()->clear();
        QVERIFY(!button(dialog.get(), "Save As")->isEnabled());
    }

    // Only files named "<name>.sls" are lists: folders and other letter
    // cases would give names the sheet cannot open.
    void listsTheListFiles()
    {
        folder->write("b.sls", {});
        folder->write("Brook.sls", {});
        folder->write("Brook.bak.sls", {});
        folder->write("Upper.SLS", {});
        folder->write(".hidden.sls", {});
        folder->write("notes.txt", {});
        QDir().mkdir("folder.sls");
        QCOMPARE(ListNames::inFolder("."), QStringList({"Brook", "Brook.bak", "b"}));
        open();
        QCOMPARE(items(combo("openCombo")), QStringList({"Brook", "Brook.bak", "b"}));
        QCOMPARE(items(combo("saveCombo")), QStringList({"Brook", "Brook.bak", "b"}));
        QVERIFY(button(dialog.get(), "Open")->isEnabled());
        QVERIFY(button(dialog.get(), "Save As")->isEnabled());
    }

    void opensWithTheChosenFormat()
    {
        folder->write("Brook.sls", {});
        folder->write("Lark.sls", {});
        open();
        QSignalSpy opened(dialog.get(), &ListManagementDialog::openList);
        combo("openCombo")->setCurrentIndex(1);
        combo("formatCombo")->setCurrentIndex(2);
        combo("saveCombo")->setEditText("Other");
        click("Open");
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().at(0).toString(), QString("Lark"));
        QCOMPARE(opened.first().at(1).toInt(), 2);
        // The inputs are back at their start; the format stays chosen.
        QCOMPARE(combo("openCombo")->currentIndex(), 0);
        QCOMPARE(combo("saveCombo")->currentText(), QString());
        QVERIFY(!button(dialog.get(), "Save As")->isEnabled());
        QCOMPARE(combo("formatCombo")->currentIndex(), 2);
    }

    void premadeListsAndClearing()
    {
        folder->write("Brook.sls", {});
        open();
        QSignalSpy premade(dialog.get(), &ListManagementDialog::setDebugList);
        QSignalSpy cleared(dialog.get(), &ListManagementDialog::clearList);
        QCOMPARE(items(combo("debugCombo")), QStringList({"50 Random Sims", "One of Each Type"}));
        combo("debugCombo")->setCurrentIndex(1);
        click("Set to");
        combo("debugCombo")->setCurrentIndex(0);
        click("Set to");
        QCOMPARE(premade.size(), 2);
        QCOMPARE(premade.at(0).at(0).toInt(), 1);
        QCOMPARE(premade.at(1).at(0).toInt(), 0);
        QCOMPARE(combo("debugCombo")->currentIndex(), 0);

        combo("saveCombo")->setEditText("Typed");
        click("Clear current list");
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(combo("saveCombo")->currentText(), QString("Typed"));

        click("Close");
        QVERIFY(dialog->isHidden());
    }

    // "Save Completed" comes only once the sheet says the file was written.
    void reportsOnlyASaveThatSucceeded_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("written") << true;
        QTest::newRow("failed") << false;
    }
    void reportsOnlyASaveThatSucceeded()
    {
        QFETCH(bool, saved);
        folder->write("Brook.sls", {});
        open();
        MessageBoxCatcher boxes;
        QStringList requests;
        QStringList boxesWhileSaving;
        connect(dialog.get(), &ListManagementDialog::saveList, this, [&](const QString &name) {
            requests.append(name);
            boxesWhileSaving = boxes.texts;
            if (saved)
                folder->write(name + ".sls", {});
            dialog->saveFinished(saved);
        });
        combo("saveCombo")->setEditText("  Lark.sls ");
        click("Save As");
        QCOMPARE(requests, QStringList({"Lark"}));
        QVERIFY(boxesWhileSaving.isEmpty());
        QCOMPARE(boxes.texts,
                 saved ? QStringList({"List has been saved as Lark.sls"}) : QStringList());
        // The combos are refilled and show the first name, not the saved one.
        QCOMPARE(items(combo("openCombo")),
                 saved ? QStringList({"Brook", "Lark"}) : QStringList({"Brook"}));
        QCOMPARE(combo("saveCombo")->currentText(), QString("Brook"));

        // A save the dialog did not ask for, such as a backup, is not reported.
        dialog->saveFinished(true);
        QCOMPARE(boxes.texts.size(), saved ? 1 : 0);
    }

    void refusesNamesThatAreNotAListOfTheWorkingFolder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("blanks") << "   ";
        QTest::newRow("extension only") << ".sls";
        QTest::newRow("parent folder") << "../Brook";
        QTest::newRow("dots") << "..";
        QTest::newRow("slash") << "lists/Brook";
        QTest::newRow("backslash") << "lists\\Brook";
        QTest::newRow("hidden") << ".Brook";
        QTest::newRow("absolute") << "/tmp/Brook";
    }
    void refusesNamesThatAreNotAListOfTheWorkingFolder()
    {
        QFETCH(QString, typed);
        open();
        MessageBoxCatcher boxes;
        QSignalSpy saves(dialog.get(), &ListManagementDialog::saveList);
        combo("saveCombo")->setEditText(typed);
        click("Save As");
        QCOMPARE(saves.size(), 0);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains("name"));
        // The typed name stays for the player to mend.
        QCOMPARE(combo("saveCombo")->currentText(), typed);
    }

    void cleansTypedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Brook" << "Brook";
        QTest::newRow("blanks around") << "  Brook  " << "Brook";
        QTest::newRow("extension") << "Brook.sls" << "Brook";
        QTest::newRow("one extension only") << "Brook.sls.sls" << "Brook.sls";
        QTest::newRow("inner blank") << "Brook Lark" << "Brook Lark";
        QTest::newRow("other case") << "Brook.SLS" << "Brook.SLS";
    }
    void cleansTypedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QCOMPARE(ListNames::clean(typed), name);
        QCOMPARE(ListNames::problem(name), QString());
    }

    // A cancelled chooser leaves the SimPE folder as it was.
    void browsingForSimPE()
    {
        open();
        auto *location = dialog->findChild<QLineEdit *>("simPELocationEdit");
        dialog->setSimPELocation("/games/SimPE/");
        {
            ChooserAnswer cancel{QString()};
            click("Browse to SimPE");
            QCOMPARE(cancel.opened, 1);
        }
        QCOMPARE(location->text(), QString("/games/SimPE/"));
        {
            ChooserAnswer choose{folder->path()};
            click("Browse to SimPE");
        }
        QCOMPARE(location->text(), folder->path() + "/");
        QCOMPARE(location->cursorPosition(), 0);
    }
};

QTEST_MAIN(TestListDialog)
#include "tst_listdialog.moc"
