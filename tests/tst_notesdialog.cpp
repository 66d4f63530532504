#include "dialogs/AddNotesDialog.h"
#include "support/WidgetLookup.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

class TestNotesDialog : public QObject
{
    Q_OBJECT

private:
    static QAbstractButton *saveButton(QWidget *dialog)
    {
        return WidgetLookup::button(dialog, "Save Notes");
    }

private slots:
    void showsAndSavesTheNotes_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::newRow("none") << QString();
        QTest::newRow("plain") << "Wants to max the Cooking skill.";
        // Notes that look like markup come back exactly as stored.
        QTest::newRow("tags") << "<b>Rich</b> uncle\n<i>not</i> a witch";
        QTest::newRow("entities") << "Ann &amp; Bo &lt;3";
        QTest::newRow("html document") << "<html><body><p>Pet: Rex</p></body></html>";
    }
    void showsAndSavesTheNotes()
    {
        QFETCH(QString, notes);
        AddNotesDialog dialog(notes, 4);
        dialog.show();
        auto *editor = dialog.findChild<QTextEdit *>();
        QCOMPARE(editor->toPlainText(), notes);
        QSignalSpy saved(&dialog, &AddNotesDialog::saveNotes);
        QTest::mouseClick(saveButton(&dialog), Qt::LeftButton);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.at(0).at(0).toString(), notes);
        QCOMPARE(saved.at(0).at(1).toInt(), 4);
        QVERIFY(!dialog.isVisible());
    }

    void typedLinesAndEmptiedNotes()
    {
        AddNotesDialog dialog("Old notes", 0);
        dialog.show();
        auto *editor = dialog.findChild<QTextEdit *>();
        QSignalSpy saved(&dialog, &AddNotesDialog::saveNotes);

        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::mouseClick(saveButton(&dialog), Qt::LeftButton);
        QCOMPARE(saved.at(0).at(0).toString(), QString());

        dialog.show();
        QTest::keyClicks(editor, "one");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "<two>");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "three & four");
        QTest::mouseClick(saveButton(&dialog), Qt::LeftButton);
        QCOMPARE(saved.at(1).at(0).toString(), QString("one\n<two>\nthree & four"));
        QCOMPARE(saved.at(1).at(1).toInt(), 0);
    }

    // Pasted rich text arrives as its plain text, with no formatting.
    void pastesPlainText()
    {
        AddNotesDialog dialog(QString(), 2);
        auto *editor = dialog.findChild<QTextEdit *>();
        auto *mime = new QMimeData;
        mime->setHtml("<b>Bold</b> &amp; more");
        mime->setText("Bold & more");
        QGuiApplication::clipboard()->setMimeData(mime);
        editor->paste();
        QCOMPARE(editor->toPlainText(), QString("Bold & more"));
        QTextCursor cursor(editor->document());
        cursor.setPosition(1);
        QVERIFY(cursor.charFormat().fontWeight() != QFont::Bold);
    }

    void closingSendsNothing()
    {
        AddNotesDialog dialog("Kept", 1);
        dialog.show();
        QSignalSpy saved(&dialog, &AddNotesDialog::saveNotes);
        dialog.findChild<QTextEdit *>()->setPlainText("Dropped");
        dialog.close();
        QCOMPARE(saved.size(), 0);
        QVERIFY(!dialog.parent());
        QVERIFY(!dialog.isModal());
    }
};

QTEST_MAIN(TestNotesDialog)
#include "tst_notesdialog.moc"
