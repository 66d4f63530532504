#include "dialogs/AddSimDialog.h"
#include "dialogs/EditSimDialog.h"
#include "records/Codes.h"
#include "records/Sim.h"
#include "support/MessageBoxCatcher.h"
#include "support/SimFormDriver.h"
#include "support/SimKinds.h"
#include "support/SimSnapshot.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const int allPacks = EPFlags::All;
const QStringList households{"The Smiths", "Lark", "Runaways"};

// newSim's twelve arguments as "name|gender|age|aspiration|secondary|alive|
// colour|household|flags|alignment|semester|major".
QString arguments(const QList<QVariant> &signal)
{
    QStringList parts;
    for (const QVariant &argument : signal)
        parts << argument.toString();
    return parts.join('|');
}

template <typename Dialog>
Dialog *shown(Dialog *dialog)
{
    dialog->show();
    return dialog;
}

const QString quoteComma =
    " cannot start with a comma or hold a double quote followed by a comma.";
const QString lineBreak = " cannot hold a line break.";

} // namespace

class TestSimDialogs : public QObject
{
    Q_OBJECT

private slots:
    // ---- Add ----

    void addSendsTheForm_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("sent");

        QTest::newRow("untouched form") << allPacks << QStringList{}
                                        << "|1|30|0|0|true|0|The Smiths|0|0|0|";
        QTest::newRow("untouched form without packs") << 0 << QStringList{}
                                                      << "|1|30|0|0|true|0|The Smiths|0|0|0|";
        QTest::newRow("adult zombie witch")
            << allPacks
            << QStringList{"name=Ann Lark", "gender=Female", "age=40", "aspiration=Romance",
                           "secondary=Fortune", "check=Zombie", "check=Witch",
                           "alignment=Infallibly Good", "household=Lark"}
            << "Ann Lark|2|40|3|1|true|0|Lark|1026|3|0|";
        QTest::newRow("every life state")
            << allPacks << QStringList{"age=45", "checkAll", "check=Plantsim", "alignment=Evil"}
            << "|1|45|0|0|true|0|The Smiths|1151|-2|0|";
        QTest::newRow("servo plantsim") << allPacks << QStringList{"check=Servo", "check=Plantsim"}
                                        << "|1|30|0|0|true|0|The Smiths|40|0|0|";
        QTest::newRow("ghost") << allPacks
                               << QStringList{"name=Gus", "age=60", "ghost", "colour=Green",
                                              "aspiration=Family"}
                               << "Gus|1|60|2|0|false|1|The Smiths|0|0|0|";
        QTest::newRow("atrociously evil") << allPacks
                                          << QStringList{"check=Witch", "alignment=Atrociously Evil"}
                                          << "|1|30|0|0|true|0|The Smiths|1024|-3|0|";
        // A disabled widget still gives the value it shows.
        QTest::newRow("alignment left after Witch")
            << allPacks << QStringList{"check=Witch", "alignment=Good", "uncheck=Witch"}
            << "|1|30|0|0|true|0|The Smiths|0|2|0|";
        QTest::newRow("major left after semester 0")
            << allPacks << QStringList{"semester=2", "major=Art", "semester=0"}
            << "|1|30|0|0|true|0|The Smiths|0|0|0|Art";
        QTest::newRow("typed household") << allPacks << QStringList{"type=Moor Hall"}
                                         << "|1|30|0|0|true|0|Moor Hall|0|0|0|";
        QTest::newRow("student") << allPacks
                                 << QStringList{"name=Stu", "aspiration=Knowledge",
                                                "semester=3", "major=Biology"}
                                 << "Stu|1|30|5|0|true|0|The Smiths|0|0|3|Biology";
        QTest::newRow("baby")
            << allPacks << QStringList{"checkAll", "aspiration=Fortune", "gender=Female", "age=1"}
            << "|2|1|0|0|true|0|The Smiths|9|0|0|";
        QTest::newRow("toddler") << allPacks << QStringList{"age=5"}
                                 << "|1|5|8|0|true|0|The Smiths|0|0|0|";
        QTest::newRow("child") << allPacks << QStringList{"check=Vampire", "age=12"}
                               << "|1|12|8|0|true|0|The Smiths|0|0|0|";
        QTest::newRow("teen") << allPacks
                              << QStringList{"age=16", "aspiration=Popularity",
                                             "secondary=Knowledge", "check=Werewolf"}
                              << "|1|16|4|5|true|0|The Smiths|16|0|0|";
        QTest::newRow("elder bigfoot")
            << allPacks << QStringList{"age=70", "aspiration=Grilled Cheese", "check=Bigfoot"}
            << "|1|70|7|0|true|0|The Smiths|64|0|0|";
        QTest::newRow("plantsim toddler") << allPacks << QStringList{"check=Plantsim", "age=2"}
                                          << "|1|2|0|0|true|0|The Smiths|32|0|0|";
        QTest::newRow("puppy") << allPacks
                               << QStringList{"checkAll", "species=Large Dog", "age=2",
                                              "gender=Female"}
                               << "|2|2|0|0|true|0|The Smiths|256|0|0|";
        QTest::newRow("large dog") << allPacks << QStringList{"species=Large Dog", "age=12"}
                                   << "|1|12|0|0|true|0|The Smiths|256|0|0|";
        QTest::newRow("elder small dog") << allPacks << QStringList{"species=Small Dog", "age=31"}
                                         << "|1|31|0|0|true|0|The Smiths|128|0|0|";
        QTest::newRow("kitten") << allPacks << QStringList{"species=Cat", "age=3"}
                                << "|1|3|0|0|true|0|The Smiths|512|0|0|";
        QTest::newRow("cat") << allPacks
                             << QStringList{"name=Tom", "species=Cat", "age=20", "ghost",
                                            "colour=Bright Green"}
                             << "Tom|1|20|0|0|false|9|The Smiths|512|0|0|";
    }
    void addSendsTheForm()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, steps);
        QFETCH(QString, sent);
        std::unique_ptr<AddSimDialog> dialog(shown(new AddSimDialog(flags, households)));
        SimFormDriver driver(dialog.get());
        QCOMPARE(driver.button()->text(), QString("Add Sim"));
        QCOMPARE(driver.button()->maximumSize(), driver.button()->sizeHint());
        QVERIFY2(driver.run(steps), qPrintable(driver.error()));
        QSignalSpy added(dialog.get(), &AddSimDialog::newSim);
        QTest::mouseClick(driver.button(), Qt::LeftButton);
        QCOMPARE(added.size(), 1);
        QCOMPARE(arguments(added.at(0)), sent);
        QVERIFY(!dialog->isVisible());
    }

    void addWithoutHouseholds()
    {
        std::unique_ptr<AddSimDialog> dialog(shown(new AddSimDialog(allPacks, {})));
        QSignalSpy added(dialog.get(), &AddSimDialog::newSim);
        QTest::mouseClick(SimFormDriver(dialog.get()).button(), Qt::LeftButton);
        QCOMPARE(arguments(added.at(0)), QString("|1|30|0|0|true|0||0|0|0|"));
    }

    void addStartsOver()
    {
        std::unique_ptr<AddSimDialog> dialog(shown(new AddSimDialog(allPacks, households)));
        SimFormDriver driver(dialog.get());
        const QStringList fresh = driver.state();
        QVERIFY(driver.run({"name=Ann", "gender=Female", "age=45", "ghost", "colour=Red",
                            "checkAll", "check=Plantsim", "alignment=Mean", "type=Moor Hall",
                            "aspiration=Family", "secondary=Romance"}));
        QTest::mouseClick(driver.button(), Qt::LeftButton);
        QCOMPARE(driver.state(), fresh);
        QVERIFY(!driver.combo("alignmentCombo")->isEnabled());

        QVERIFY(driver.run({"species=Cat"}));
        dialog->show();
        QTest::mouseClick(driver.button(), Qt::LeftButton);
        QCOMPARE(driver.state(), fresh);
        // The cleared form of a young adult is open for college again.
        QVERIFY(driver.enabled().contains("semesterSpin"));
    }

    void addRefusesTextsTheListFileCannotHold_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("name") << "nameEdit" << "Ann \"Tiny\", Lark" << "A sim's name" + quoteComma;
        QTest::newRow("pasted name") << "nameEdit" << "Ann\nLark" << "A sim's name" + lineBreak;
        QTest::newRow("household") << "householdCombo" << "Moor\", Hall"
                                   << "A household name" + quoteComma;
        QTest::newRow("pasted household") << "householdCombo" << "Moor\r\nHall"
                                          << "A household name" + lineBreak;
        QTest::newRow("major") << "majorEdit" << "Art\",History" << "A major" + quoteComma;
        QTest::newRow("pasted major") << "majorEdit" << "Art\nHistory" << "A major" + lineBreak;
    }
    void addRefusesTextsTheListFileCannotHold()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        std::unique_ptr<AddSimDialog> dialog(shown(new AddSimDialog(allPacks, households)));
        SimFormDriver driver(dialog.get());
        QLineEdit *edit = field == "householdCombo" ? driver.combo(field)->lineEdit()
                                                    : dialog->findChild<QLineEdit *>(field);
        edit->setText(text);
        QSignalSpy added(dialog.get(), &AddSimDialog::newSim);
        {
            MessageBoxCatcher boxes;
            QTest::mouseClick(driver.button(), Qt::LeftButton);
            QCOMPARE(boxes.texts, QStringList{message});
        }
        QCOMPARE(added.size(), 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(edit->text(), text);

        edit->setText("Quiet");
        QTest::mouseClick(driver.button(), Qt::LeftButton);
        QCOMPARE(added.size(), 1);
        QVERIFY(arguments(added.at(0)).contains("Quiet"));
    }

    // ---- Edit ----

    // However the rules changed the widgets while the form was filled,
    // "Edit Sim" on an untouched form leaves every sim as it is.
    void untouchedEditKeepsTheSim_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("flags");
        for (const QString &kind : SimKinds::all()) {
            QTest::addRow("%s, all packs", qPrintable(kind)) << kind << allPacks;
            QTest::addRow("%s, no packs", qPrintable(kind)) << kind << 0;
        }
    }
    void untouchedEditKeepsTheSim()
    {
        QFETCH(QString, kind);
        QFETCH(int, flags);
        std::unique_ptr<Sim> sim(SimKinds::make(kind));
        const SimSnapshot before({sim.get()});
        std::unique_ptr<EditSimDialog> dialog(
            shown(new EditSimDialog(flags, {"Brook", "Lark", "Runaways"}, sim.get())));
        SimFormDriver driver(dialog.get());
        QCOMPARE(driver.button()->text(), QString("Edit Sim"));
        QSignalSpy edited(dialog.get(), &EditSimDialog::simEdited);
        QTest::mouseClick(driver.button(), Qt::LeftButton);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(before.diff(SimSnapshot({sim.get()})), QStringList());
        QVERIFY(!dialog->isVisible());
    }

    void editWritesWhatChanged_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("changes");

        QTest::newRow("name") << "adult" << QStringList{"name=Ann Lark"}
                              << QStringList{"adult.name: Ann Brook -> Ann Lark"};
        QTest::newRow("changed and changed back")
            << "adult" << QStringList{"name=Ann Lark", "name=Ann Brook", "age=50", "age=45"}
            << QStringList{};
        QTest::newRow("every plain field")
            << "adult"
            << QStringList{"gender=Male", "age=52", "ghost", "colour=Purple", "type=Moor Hall",
                           "check=Vampire", "check=Witch", "alignment=Nice", "check=Bigfoot"}
            << QStringList{"adult.gender: 2 -> 1",       "adult.age: 45 -> 52",
                           "adult.household: Lark -> Moor Hall", "adult.flags: 0 -> 1092",
                           "adult.alive: yes -> no",    "adult.ghost: 7 -> 5",
                           "adult.alignment: 0 -> 1"};
        QTest::newRow("household chosen") << "adult" << QStringList{"household=Runaways"}
                                          << QStringList{"adult.household: Lark -> Runaways"};
        // 0 leaves the stored aspiration.
        QTest::newRow("no aspiration keeps it") << "adult" << QStringList{"aspiration=None/Unknown"}
                                                << QStringList{};
        QTest::newRow("secondary aspiration") << "adult" << QStringList{"secondary=Romance"}
                                              << QStringList{"adult.aspirations: 1/2 -> 1/3"};
        QTest::newRow("made a child")
            << "adult" << QStringList{"age=10"}
            << QStringList{"adult.age: 45 -> 10", "adult.aspirations: 1/2 -> 8/2"};
        QTest::newRow("species") << "adult" << QStringList{"species=Cat"}
                                 << QStringList{"adult.species: 0 -> 512", "adult.flags: 0 -> 512"};
        QTest::newRow("out of college")
            << "student" << QStringList{"semester=0"}
            << QStringList{"student.college: yes -> no", "student.semester: 3 -> 0"};
        QTest::newRow("next semester") << "student" << QStringList{"semester=4"}
                                       << QStringList{"student.semester: 3 -> 4"};
        QTest::newRow("emptied major") << "student" << QStringList{"major="}
                                       << QStringList{"student.major: Biology -> "};
        QTest::newRow("plantsim no more") << "plantsim" << QStringList{"uncheck=Plantsim"}
                                          << QStringList{"plantsim.flags: 32 -> 0"};
        QTest::newRow("ghost renamed") << "ghost" << QStringList{"name=Gus Lark"}
                                       << QStringList{"ghost.name: Gus Brook -> Gus Lark"};
        QTest::newRow("resurrected") << "ghost" << QStringList{"alive"}
                                     << QStringList{"ghost.alive: no -> yes"};
        QTest::newRow("witch alignment") << "witch" << QStringList{"alignment=Evil"}
                                         << QStringList{"witch.alignment: 2 -> -2"};
        QTest::newRow("witch no more") << "witch" << QStringList{"uncheck=Witch"}
                                       << QStringList{"witch.flags: 1024 -> 0"};
        QTest::newRow("gender set") << "no gender" << QStringList{"gender=Female"}
                                    << QStringList{"no gender.gender: 0 -> 2"};
        QTest::newRow("elder keeps 90 days") << "elder of 90" << QStringList{"aspiration=Pleasure"}
                                             << QStringList{"elder of 90.aspirations: 2/0 -> 6/0"};
        QTest::newRow("graduate keeps semester 9")
            << "graduate" << QStringList{"major=Art"}
            << QStringList{"graduate.major: Physics -> Art"};
        QTest::newRow("codes the choices lack stay")
            << "odd codes" << QStringList{"name=Odd Lark"}
            << QStringList{"odd codes.name: Odd Brook -> Odd Lark"};
        QTest::newRow("pet life states stay")
            << "large dog" << QStringList{"age=12"} << QStringList{"large dog.age: 10 -> 12"};
        QTest::newRow("pet made human")
            << "large dog" << QStringList{"species=Human", "check=Alien"}
            << QStringList{"large dog.species: 256 -> 0", "large dog.flags: 258 -> 3",
                           "large dog.aspirations: 0/0 -> 8/0"};
    }
    void editWritesWhatChanged()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, changes);
        std::unique_ptr<Sim> sim(SimKinds::make(kind));
        const SimSnapshot before({sim.get()});
        std::unique_ptr<EditSimDialog> dialog(
            shown(new EditSimDialog(allPacks, {"Brook", "Lark", "Runaways"}, sim.get())));
        SimFormDriver driver(dialog.get());
        QVERIFY2(driver.run(steps), qPrintable(driver.error()));
        QSignalSpy edited(dialog.get(), &EditSimDialog::simEdited);
        QTest::mouseClick(driver.button(), Qt::LeftButton);
        QCOMPARE(edited.size(), 1);
        QStringList diff = before.diff(SimSnapshot({sim.get()}));
        diff.sort();
        changes.sort();
        QCOMPARE(diff, changes);
    }

    // An update applied or a rotation run while the form is open is kept.
    void editKeepsChangesMadeWhileOpen()
    {
        std::unique_ptr<Sim> adult(SimKinds::make("adult"));
        std::unique_ptr<Sim> student(SimKinds::make("student"));
        EditSimDialog adultForm(allPacks, {"Brook", "Lark"}, adult.get());
        EditSimDialog studentForm(allPacks, {"Brook", "Lark"}, student.get());

        adult->die(GhostColor::Red);
        adult->setAge(46);
        adult->setAspiration(Aspiration::Romance, 0);
        student->setSemester(5);
        student->setMajorText("Drama");

        SimFormDriver adultDriver(&adultForm);
        QVERIFY(adultDriver.run({"name=Ann Lark"}));
        adultDriver.button()->click();
        QCOMPARE(adult->name(), QString("Ann Lark"));
        QVERIFY(!adult->isAlive());
        QCOMPARE(adult->ghostColor(), int(GhostColor::Red));
        QCOMPARE(adult->age(), 46);
        QCOMPARE(adult->aspiration(), int(Aspiration::Romance));

        SimFormDriver(&studentForm).button()->click();
        QCOMPARE(student->semester(), 5);
        QVERIFY(student->isInCollege());
        QCOMPARE(student->major(), QString("Drama"));
    }

    void editOfAGoneSimDoesNothing()
    {
        auto *sim = SimKinds::make("adult");
        std::unique_ptr<EditSimDialog> dialog(
            shown(new EditSimDialog(allPacks, {"Brook", "Lark"}, sim)));
        SimFormDriver driver(dialog.get());
        QVERIFY(driver.run({"name=Ann Lark"}));
        delete sim;
        QSignalSpy edited(dialog.get(), &EditSimDialog::simEdited);
        QTest::mouseClick(driver.button(), Qt::LeftButton);
        QCOMPARE(edited.size(), 0);
    }

    void editRefusesTextsTheListFileCannotHold()
    {
        std::unique_ptr<Sim> sim(SimKinds::make("student"));
        const SimSnapshot before({sim.get()});
        std::unique_ptr<EditSimDialog> dialog(
            shown(new EditSimDialog(allPacks, {"Brook", "Lark"}, sim.get())));
        SimFormDriver driver(dialog.get());
        QVERIFY(driver.run({"age=31"}));
        dialog->findChild<QLineEdit *>("nameEdit")->setText("Stu\nBrook");
        QSignalSpy edited(dialog.get(), &EditSimDialog::simEdited);
        {
            MessageBoxCatcher boxes;
            QTest::mouseClick(driver.button(), Qt::LeftButton);
            QCOMPARE(boxes.texts, QStringList{"A sim's name" + lineBreak});
        }
        QCOMPARE(edited.size(), 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(before.diff(SimSnapshot({sim.get()})), QStringList());
    }

    // A stored text the player leaves alone is not written, so not refused.
    void editAcceptsAStoredTextLeftAlone()
    {
        std::unique_ptr<Sim> sim(SimKinds::make("adult"));
        sim->setName("Ann \"Tiny\", Brook");
        EditSimDialog dialog(allPacks, {"Brook", "Lark"}, sim.get());
        SimFormDriver driver(&dialog);
        QVERIFY(driver.run({"age=50"}));
        MessageBoxCatcher boxes;
        driver.button()->click();
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(sim->age(), 50);
    }
};

QTEST_MAIN(TestSimDialogs)
#include "tst_simdialogs.moc"
