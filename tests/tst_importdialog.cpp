#include "dialogs/ExportReader.h"
#include "dialogs/ImportDialog.h"
#include "records/Sim.h"
#include "support/MessageBoxCatcher.h"
#include "support/WidgetLookup.h"
#include "support/WorkingFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

using WidgetLookup::button;

namespace {

const QByteArray header =
    "hood,HoodName,NID,FirstName,LastName,SimDescription,FamilyInstance,HouseholdName,ParentA,"
    "ParentB,Spouse,Gender,LifeSection,AgeDaysLeft,IsAtUniversity,UniSemester,UniMajor,Species,"
    "PrimaryAspiration,SecondaryAspiration,LifetimeWant\n";

// `count` living adults named <prefix>01, <prefix>02, ... of one family
// instance, with ids from `firstId` on.
QByteArray sims(const QByteArray &prefix, int count, int familyInstance, int firstId)
{
    QByteArray rows;
    for (int i = 1; i <= count; ++i) {
        rows += "N001,Pleasantview," + QByteArray::number(firstId + i - 1) + ',' + prefix
            + QByteArray::number(i).rightJustified(2, '0') + ",Lo,," + QByteArray::number(familyInstance)
            + ",Lo,,,,Female,Adult,0,N,0,,Human,Fun,,\n";
    }
    return rows;
}

// The sims an import hands over, deleted as the sheet would own them.
struct Received
{
    QList<Sim *> sims;
    QStringList events;
    ~Received() { qDeleteAll(sims); }
    QStringList names() const
    {
        QStringList list;
        for (const Sim *sim : sims)
            list.append(sim->name());
        return list;
    }
};

} // namespace

// The import dialog: its pages, selections and the sims it hands over.
class TestImportDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<ImportDialog> dialog;
    QStringList boxTexts;

    void openDialog(const QByteArray &exportBytes, int epFlags = 0)
    {
        if (!exportBytes.isNull())
            folder->write("Veldo/ExportedSims.txt", exportBytes);
        MessageBoxCatcher boxes;
        dialog = std::make_unique<ImportDialog>(folder->path(), epFlags);
        boxTexts = boxes.texts;
        dialog->show();
    }
    QString pageLabel() const { return dialog->findChild<QLabel *>("pageLabel")->text(); }
    QString hoodLabel() const { return dialog->findChild<QLabel *>("hoodLabel")->text(); }
    QComboBox *combo(const char *name) const { return dialog->findChild<QComboBox *>(name); }
    QWidget *row(int i) const { return dialog->findChild<QWidget *>(QStringLiteral("importRow%1").arg(i)); }
    QCheckBox *selectBox(int i) const { return row(i)->findChild<QCheckBox *>("selectBox"); }
    QStringList shownNames() const
    {
        QStringList names;
        for (int i = 0; i < 5; ++i) {
            if (!row(i)->isHidden())
                names.append(selectBox(i)->text().section(' ', 0, 0));
        }
        return names;
    }
    QStringList pageEntries() const
    {
        QStringList entries;
        for (int i = 0; i < combo("pageCombo")->count(); ++i)
            entries.append(combo("pageCombo")->itemText(i));
        return entries;
    }
    void click(const QString &text) { QTest::mouseClick(button(dialog.get(), text), Qt::LeftButton); }
    void jumpTo(int category, int page)
    {
        combo("categoryCombo")->setCurrentIndex(category);
        combo("pageCombo")->setCurrentIndex(page);
        click("Jump to: ");
    }
    void connectReceiver(Received &received)
    {
        connect(dialog.get(), &ImportDialog::addSim, this, [&received](Sim *sim) {
            received.sims.append(sim);
            received.events.append("addSim");
        });
        connect(dialog.get(), &ImportDialog::updateModels, this,
                [&received] { received.events.append("updateModels"); });
    }

private slots:
    void init() { folder = std::make_unique<WorkingFolder>(); }
    void cleanup()
    {
        dialog.reset();
        folder.reset();
    }

    void showsTheFirstPlayablePage()
    {
        QFile family(QStringLiteral(TOLVANE_FIXTURES "/exports/family.csv"));
        QVERIFY(family.open(QIODevice::ReadOnly));
        const QByteArray bytes = family.readAll();
        openDialog(bytes);
        QCOMPARE(boxTexts, QStringList({"Loaded data for 9 sims"}));
        QCOMPARE(hoodLabel(), QString("N001: Pleasantview"));
        QCOMPARE(pageLabel(), QString("Playables: page 1"));
        QCOMPARE(shownNames(), QStringList({"Ada", "Fay", "Lily", "Mara", "Rex"}));
        QCOMPARE(pageEntries(), QStringList({"Page 1", "Page 2"}));
        QVERIFY(!button(dialog.get(), "Previous Page")->isEnabled());
        QVERIFY(button(dialog.get(), "Next Page")->isEnabled());
        QCOMPARE(selectBox(2)->text(), QString("Lily Brook (Female), Knowledge Teen"));

        // The player's copy of the rows lies in the working folder.
        QFile copy("ExportedSims.txt");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), ExportReader::rowsOf(bytes));
    }

    void staysEmptyWithoutAnExport()
    {
        openDialog(QByteArray());
        QCOMPARE(boxTexts, QStringList({"Cannot read SimPE output."}));
        QCOMPARE(pageLabel(), QString("no page"));
        QVERIFY(!button(dialog.get(), "Next Page")->isEnabled());
        QVERIFY(!button(dialog.get(), "Previous Page")->isEnabled());
        QCOMPARE(combo("pageCombo")->count(), 0);
        QVERIFY(!QFile::exists("ExportedSims.txt"));

        click("Select All Playables");
        QCOMPARE(pageLabel(), QString("Playables: page 1"));
        QVERIFY(button(dialog.get(), "Next Page")->isEnabled());
        QVERIFY(shownNames().isEmpty());
    }

    // An export without sim ids is refused: nothing is offered for import.
    void refusesAnExportWithoutIds()
    {
        openDialog("hood,HoodName,FirstName,FamilyInstance\nN001,Pleasantview,Kim,3\n");
        QCOMPARE(boxTexts.size(), 1);
        QVERIFY(boxTexts.first().contains("NID"));
        QCOMPARE(pageLabel(), QString("no page"));
        QCOMPARE(hoodLabel(), QString());
    }

    // The copy is written for the player only: when it cannot be written,
    // the sims still come from the export just read.
    void readsTheExportWhenTheCopyCannotBeWritten()
    {
        QVERIFY(QDir().mkdir("ExportedSims.txt"));
        openDialog(header + sims("Pl", 3, 7, 1));
        QCOMPARE(boxTexts, QStringList({"Could not open file.", "Loaded data for 3 sims"}));
        QCOMPARE(shownNames(), QStringList({"Pl01", "Pl02", "Pl03"}));
    }

    void pagesThroughTheCategories()
    {
        openDialog(header + sims("Pl", 12, 7, 1) + sims("Np", 3, 32767, 100));
        QCOMPARE(pageEntries(), QStringList({"Page 1", "Page 2", "Page 3"}));
        click("Next Page");
        click("Next Page");
        QCOMPARE(pageLabel(), QString("Playables: page 3"));
        QCOMPARE(shownNames(), QStringList({"Pl11", "Pl12"}));
        QVERIFY(button(dialog.get(), "Next Page")->isEnabled());

        // No townies: their empty page comes between.
        click("Next Page");
        QCOMPARE(pageLabel(), QString("Townies: page 1"));
        QVERIFY(shownNames().isEmpty());
        QVERIFY(button(dialog.get(), "Next Page")->isEnabled());
        click("Next Page");
        QCOMPARE(pageLabel(), QString("NPCs: page 1"));
        QCOMPARE(shownNames(), QStringList({"Np01", "Np02", "Np03"}));
        QVERIFY(!button(dialog.get(), "Next Page")->isEnabled());

        click("Previous Page");
        QCOMPARE(pageLabel(), QString("Townies: page 1"));
        click("Previous Page");
        QCOMPARE(pageLabel(), QString("Playables: page 3"));

        combo("categoryCombo")->setCurrentIndex(1);
        QCOMPARE(combo("pageCombo")->count(), 0);
        QCOMPARE(pageLabel(), QString("Playables: page 3"));
        click("Jump to: ");
        QCOMPARE(pageLabel(), QString("Townies: page 1"));
        jumpTo(0, 1);
        QCOMPARE(shownNames(), QStringList({"Pl06", "Pl07", "Pl08", "Pl09", "Pl10"}));
    }

    void aFullLastPageIsTheLastPage()
    {
        openDialog(header + sims("Pl", 10, 7, 1) + sims("To", 1, 32512, 50));
        QCOMPARE(pageEntries(), QStringList({"Page 1", "Page 2"}));
        jumpTo(1, 0);
        QCOMPARE(pageLabel(), QString("Townies: page 1"));
        click("Previous Page");
        QCOMPARE(pageLabel(), QString("Playables: page 2"));
        QCOMPARE(shownNames(), QStringList({"Pl06", "Pl07", "Pl08", "Pl09", "Pl10"}));
    }

    // The shown page is stored before a jump and before selecting or
    // deselecting all, as before the page buttons.
    void keepsEditsAcrossJumpsAndSelections()
    {
        openDialog(header + sims("Pl", 6, 7, 1) + sims("To", 2, 32512, 50), 0xFF);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto edit = [this](int i, const QString &household) {
            selectBox(i)->setChecked(true);
            qobject_cast<QCheckBox *>(button(row(i), "Witch"))->setChecked(true);
            row(i)->findChild<QComboBox *>("alignmentBox")->setCurrentIndex(5);
            auto *field = row(i)->findChild<QLineEdit *>("householdEdit");
            field->clear();
            QTest::keyClicks(field, household);
        };
        edit(0, "Elsewhere");
        jumpTo(1, 0);
        QCOMPARE(pageLabel(), QString("Townies: page 1"));
        jumpTo(0, 0);
        QVERIFY(selectBox(0)->isChecked());
        QVERIFY(button(row(0), "Witch")->isChecked());
        QCOMPARE(row(0)->findChild<QComboBox *>("alignmentBox")->currentIndex(), 5);
        QCOMPARE(row(0)->findChild<QLineEdit *>("householdEdit")->text(), QString("Elsewhere"));

        edit(1, "");
        click("Select All Townies");
        QCOMPARE(pageLabel(), QString("Playables: page 1"));
        QVERIFY(selectBox(1)->isChecked());
        QCOMPARE(row(1)->findChild<QLineEdit *>("householdEdit")->text(), QString());
        QVERIFY(!selectBox(2)->isChecked());

        // Deselecting all playables keeps the other edits of the page.
        click("Deselect All Playables");
        QVERIFY(!selectBox(0)->isChecked());
        QVERIFY(button(row(0), "Witch")->isChecked());
        jumpTo(1, 0);
        QVERIFY(selectBox(0)->isChecked() && selectBox(1)->isChecked());
    }

    // The import hands over every selected sim, Playables first, then
    // Townies, then NPCs, linked to each other only, then asks once for the
    // models to be rebuilt.
    void importsTheSelectedSims()
    {
        const QByteArray rows =
            "N001,Pleasantview,1,Mum,Lo,,7,Lo,,,2,Female,Adult,0,N,0,,Human,Fun,,\n"
            "N001,Pleasantview,2,Dad,Lo,,7,Lo,,,1,Male,Adult,0,N,0,,Human,Fun,,\n"
            "N001,Pleasantview,3,Kid,Lo,,7,Lo,1,2,,Male,Child,2,N,0,,Human,Fun,,\n"
            "N001,Pleasantview,4,Gran,Lo,,7,Lo,,,,Female,Elder,0,N,0,,Human,Fun,,\n"
            "N001,Pleasantview,5,Tia,Town,,32512,Town,9,,,Female,Adult,0,N,0,,Human,Fun,,\n"
            "N001,Pleasantview,6,Ned,Maid (NPC),,32767,Maids,,,,Male,Adult,0,N,0,,Human,Fun,,\n"
            "N001,Pleasantview,9,Out,Lo,,7,Lo,,,,Male,Adult,0,N,0,,Human,Fun,,\n";
        openDialog(header + rows, 0xFF);
        Received received;
        connectReceiver(received);
        click("Select All NPCs");
        click("Select All Townies");
        click("Select All Playables");
        // Gran and Out are left out; the shown page is stored by "Import".
        selectBox(1)->setChecked(false);
        selectBox(4)->setChecked(false);
        auto *household = row(2)->findChild<QLineEdit *>("householdEdit");
        household->setText("Brook");
        click("Import");

        QCOMPARE(received.names(), QStringList({"Dad Lo", "Kid Lo", "Mum Lo", "Tia Town",
                                                "Ned Maid (NPC)"}));
        QCOMPARE(received.events.last(), QString("updateModels"));
        QCOMPARE(received.events.count("updateModels"), 1);
        Sim *dad = received.sims[0], *kid = received.sims[1], *mum = received.sims[2];
        QCOMPARE(kid->household(), QString("Brook"));
        QCOMPARE(kid->age(), 12);
        QCOMPARE(mum->spouse().data(), dad);
        QCOMPARE(kid->parent1().data(), mum);
        QCOMPARE(kid->parent2().data(), dad);
        QVERIFY(!received.sims[3]->parent1());
        QCOMPARE(received.sims[4]->household(), QString("Service NPCs"));
        for (Sim *sim : std::as_const(received.sims)) {
            QCOMPARE(sim->parent(), nullptr);
            const QList<QPointer<Sim>> links{sim->spouse(), sim->parent1(), sim->parent2()};
            for (const QPointer<Sim> &link : links)
                QVERIFY(!link || received.sims.contains(link.data()));
            for (int c = 0; c < sim->childCount(); ++c)
                QVERIFY(received.sims.contains(sim->child(c).data()));
        }
        QVERIFY(dialog->isHidden());
        QVERIFY(dialog->findChildren<QProgressBar *>().isEmpty());
    }

    void importsNothingWhenNothingIsSelected()
    {
        openDialog(header + sims("Pl", 2, 7, 1));
        Received received;
        connectReceiver(received);
        click("Import");
        QCOMPARE(received.events, QStringList({"updateModels"}));
        QVERIFY(dialog->isHidden());
        QVERIFY(dialog->findChildren<QProgressBar *>().isEmpty());
    }
};

QTEST_MAIN(TestImportDialog)
#include "tst_importdialog.moc"
