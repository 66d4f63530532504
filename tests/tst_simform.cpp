#include "dialogs/AddEditSimDialog.h"
#include "dialogs/SimForm.h"
#include "records/Codes.h"
#include "records/Sim.h"
#include "support/SimFormDriver.h"
#include "support/SimKinds.h"
#include "support/WidgetLookup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

const int allPacks = EPFlags::All;

// Always enabled, whatever the packs, the age and the species.
const QStringList alwaysEnabled{"nameEdit",        "genderCombo", "ageSpin",
                                "ghostCheck",      "ghostColorCombo", "householdCombo"};
const QStringList allBoxes{"alienCheck", "zombieCheck", "vampireCheck", "werewolfCheck",
                           "servoCheck", "plantsimCheck", "bigfootCheck", "witchCheck"};

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

QStringList enabledWith(const QStringList &extra)
{
    return sorted(alwaysEnabled + extra);
}

// The lines of `expected` that the form's state does not show as given.
QStringList mismatches(const QStringList &state, const QStringList &expected)
{
    QStringList wrong;
    for (const QString &line : expected) {
        if (!state.contains(line))
            wrong << line;
    }
    return wrong;
}

const QStringList households{"Brook", "Lark", "Runaways"};

} // namespace

class TestSimForm : public QObject
{
    Q_OBJECT

private slots:
    // ---- The widget-free parts ----

    void ageNotes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("text");
        const int human = 0, plantsim = SimTypeFlags::Plantsim, large = SimTypeFlags::LargeDog,
                  small = SimTypeFlags::SmallDog, cat = SimTypeFlags::Cat;
        QTest::newRow("baby 0") << human << 0 << "3 days until Toddler";
        QTest::newRow("baby 2") << human << 2 << "1 days until Toddler";
        QTest::newRow("toddler 3") << human << 3 << "4 days until Child";
        QTest::newRow("toddler 6") << human << 6 << "1 days until Child";
        QTest::newRow("child 7") << human << 7 << "8 days until Teen";
        QTest::newRow("child 14") << human << 14 << "1 days until Teen";
        QTest::newRow("teen 15") << human << 15 << "15 days until Adult";
        QTest::newRow("adult 30") << human << 30 << "29 days until Elder";
        QTest::newRow("adult 58") << human << 58 << "1 days until Elder";
        // A human elder shows the age less five.
        QTest::newRow("elder 59") << human << 59 << "54 days old";
        QTest::newRow("elder 85") << human << 85 << "80 days old";
        QTest::newRow("any other kind is human") << int(SimTypeFlags::Witch) << 10
                                                 << "5 days until Teen";
        QTest::newRow("plantsim 3") << plantsim << 3 << "1 days until Adult";
        QTest::newRow("plantsim 4") << plantsim << 4 << "29 days until Elder";
        QTest::newRow("plantsim 32") << plantsim << 32 << "1 days until Elder";
        QTest::newRow("plantsim 33") << plantsim << 33 << "33 days old";
        QTest::newRow("large dog 3") << large << 3 << "1 days until Adult";
        QTest::newRow("large dog 25") << large << 25 << "1 days until Elder";
        QTest::newRow("large dog 26") << large << 26 << "26 days old";
        QTest::newRow("small dog 20") << small << 20 << "10 days until Elder";
        QTest::newRow("small dog 30") << small << 30 << "30 days old";
        QTest::newRow("cat 3") << cat << 3 << "2 days until Adult";
        QTest::newRow("cat 5") << cat << 5 << "26 days until Elder";
        QTest::newRow("cat 31") << cat << 31 << "31 days old";
    }
    void ageNotes()
    {
        QFETCH(int, kind);
        QFETCH(int, age);
        QFETCH(QString, text);
        QCOMPARE(SimForm::ageText(age, kind), text);
        QCOMPARE(AddEditSimDialog::ageText(age, kind), text);
    }

    void choicesMapToCodes()
    {
        QCOMPARE(SimForm::speciesItems(), QStringList({"Human", "Large Dog", "Small Dog", "Cat"}));
        const QList<int> codes{Species::Human, Species::LargeDog, Species::SmallDog, Species::Cat};
        for (int index = 0; index < 4; ++index) {
            QCOMPARE(SimForm::speciesCode(index), codes.at(index));
            QCOMPARE(SimForm::speciesIndex(codes.at(index)), index);
        }
        QCOMPARE(SimForm::speciesIndex(64), 0);

        SimForm::Values values;
        values.genderIndex = 1;
        values.alignmentIndex = 0;
        values.speciesIndex = 1;
        QCOMPARE(values.gender(), int(Gender::Female));
        QCOMPARE(values.alignment(), int(Alignment::AtrociouslyEvil));
        QCOMPARE(values.flags(), int(SimTypeFlags::LargeDog));
        // Werewolf (16) and Servo (8) stand in the form's order, not the bits'.
        values.speciesIndex = 0;
        values.lifeStates = {false, false, false, true, true, false, false, true};
        QCOMPARE(values.flags(), 16 + 8 + 1024);
    }

    void textsThatBreakTheListFile_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString quote = " cannot start with a comma or hold a double quote followed by a comma.";
        const QString lineBreak = " cannot hold a line break.";
        QTest::newRow("name quote comma") << "name" << "Ann \"Tiny\", Brook" << "A sim's name" + quote;
        QTest::newRow("name line feed") << "name" << "Ann\nBrook" << "A sim's name" + lineBreak;
        QTest::newRow("household carriage return") << "household" << "Brook\r" << "A household name" + lineBreak;
        QTest::newRow("household leading comma") << "household" << ",Brook" << "A household name" + quote;
        QTest::newRow("major quote comma") << "major" << "Art\",History" << "A major" + quote;
        QTest::newRow("major line feed") << "major" << "Art\r\nHistory" << "A major" + lineBreak;
        QTest::newRow("quotes and commas apart") << "name" << "\"Ann\" Brook, Jr." << "";
    }
    void textsThatBreakTheListFile()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        SimForm::Values values;
        values.name = "Ann";
        values.household = "Brook";
        values.major = "Art";
        if (field == "name")
            values.name = text;
        else if (field == "household")
            values.household = text;
        else
            values.major = text;
        QCOMPARE(SimForm::textProblem(values), message);
        // A text left as the form was filled is not written, so not refused.
        QCOMPARE(SimForm::textProblem(values, &values), QString());
        SimForm::Values filled = values;
        filled.name += "x";
        filled.household += "x";
        filled.major += "x";
        QCOMPARE(SimForm::textProblem(values, &filled), message);
    }

    // ---- The new form ----

    void newForm()
    {
        AddEditSimDialog form(allPacks, {"The Smiths", "Lark"});
        SimFormDriver driver(&form);
        QCOMPARE(driver.state(),
                 QStringList({"note: (29 days until Elder)", "name: ", "gender: Male", "age: 30",
                              "ghost: no Pink", "species: Human", "alignment: Neutral",
                              "household: The Smiths",
                              "aspiration: None/Unknown / None/Unknown", "semester: 0", "major: ",
                              "checked: "}));
        // The major waits for the semester or an age change, even with University.
        QCOMPARE(sorted(driver.enabled()),
                 enabledWith(QStringList{"speciesCombo", "aspirationCombo",
                                         "secondaryAspirationCombo", "semesterSpin"}
                             + allBoxes));
        QVERIFY(!form.isModal());
        QVERIFY(!form.parent());
        QCOMPARE(driver.button()->text(), QString());

        auto *age = form.findChild<QSpinBox *>("ageSpin");
        QCOMPARE(age->minimum(), 0);
        QCOMPARE(age->maximum(), 85);
        QCOMPARE(age->suffix(), QString(" days old"));
        auto *semester = form.findChild<QSpinBox *>("semesterSpin");
        QCOMPARE(semester->minimum(), 0);
        QCOMPARE(semester->maximum(), 8);
        QCOMPARE(semester->suffix(), QString());

        const auto items = [&](const QString &name) {
            QStringList list;
            QComboBox *box = driver.combo(name);
            for (int i = 0; i < box->count(); ++i)
                list << box->itemText(i);
            return list;
        };
        QCOMPARE(items("genderCombo"), QStringList({"Male", "Female"}));
        QCOMPARE(items("ghostColorCombo"),
                 QStringList({"Pink", "Green", "Yellow", "Blue", "Orange", "Purple", "Red",
                              "White", "Transparent", "Bright Green"}));
        QCOMPARE(items("speciesCombo"), QStringList({"Human", "Large Dog", "Small Dog", "Cat"}));
        QCOMPARE(items("alignmentCombo"),
                 QStringList({"Atrociously Evil", "Evil", "Mean", "Neutral", "Nice", "Good",
                              "Infallibly Good"}));
        const QStringList aspirations{"None/Unknown", "Fortune",   "Family",
                                      "Romance",      "Popularity", "Knowledge",
                                      "Pleasure",     "Grilled Cheese"};
        QCOMPARE(items("aspirationCombo"), aspirations + QStringList{"Grow Up"});
        QCOMPARE(items("secondaryAspirationCombo"), aspirations);
        QCOMPARE(items("householdCombo"), QStringList({"The Smiths", "Lark"}));
        QVERIFY(driver.combo("householdCombo")->isEditable());
        for (const char *name : {"genderCombo", "ghostColorCombo", "speciesCombo", "alignmentCombo",
                                 "aspirationCombo", "secondaryAspirationCombo"})
            QVERIFY2(!driver.combo(name)->isEditable(), name);

        for (const char *text : {"Name: ", "Age: ", "Species: ", "Alignment: ", "Household: ",
                                 "Aspiration: ", "/", "Semester in college: ", "Major: "})
            QVERIFY2(WidgetLookup::label(&form, text), text);
        QVERIFY(WidgetLookup::button(&form, "Is a Ghost    Color:"));
        for (const char *text :
             {"Alien", "Zombie", "Vampire", "Werewolf", "Servo", "Plantsim", "Bigfoot", "Witch"})
            QVERIFY2(WidgetLookup::button(&form, text), text);
    }

    void emptyHouseholdList()
    {
        AddEditSimDialog form(allPacks, {});
        QComboBox *household = SimFormDriver(&form).combo("householdCombo");
        QCOMPARE(household->count(), 0);
        QCOMPARE(household->currentText(), QString());
    }

    void eachPackEnablesItsWidgets_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("widgets");
        QTest::newRow("none") << 0 << QStringList();
        QTest::newRow("University") << int(EPFlags::University)
                                    << QStringList{"semesterSpin", "zombieCheck"};
        QTest::newRow("Nightlife") << int(EPFlags::Nightlife) << QStringList{"vampireCheck"};
        QTest::newRow("Open for Business") << int(EPFlags::OpenForBusiness)
                                           << QStringList{"servoCheck"};
        QTest::newRow("Pets") << int(EPFlags::Pets) << QStringList{"speciesCombo", "werewolfCheck"};
        QTest::newRow("Seasons") << int(EPFlags::Seasons) << QStringList{"plantsimCheck"};
        QTest::newRow("Bon Voyage") << int(EPFlags::BonVoyage) << QStringList{"bigfootCheck"};
        QTest::newRow("Free Time") << int(EPFlags::FreeTime)
                                   << QStringList{"secondaryAspirationCombo"};
        QTest::newRow("Apartment Life") << int(EPFlags::ApartmentLife) << QStringList{"witchCheck"};
    }
    void eachPackEnablesItsWidgets()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, widgets);
        AddEditSimDialog form(flags, households);
        QCOMPARE(sorted(SimFormDriver(&form).enabled()),
                 enabledWith(QStringList{"aspirationCombo", "alienCheck"} + widgets));
    }

    // Without packs no age ever enables a pack's widget.
    void noPackWidgetWithoutItsPack()
    {
        AddEditSimDialog form(0, households);
        SimFormDriver driver(&form);
        const QStringList allowed = enabledWith({"aspirationCombo", "alienCheck"});
        for (int age : {0, 2, 3, 10, 14, 15, 29, 30, 31, 58, 59, 85, 30}) {
            QVERIFY(driver.run({"age=" + QString::number(age)}));
            for (const QString &name : driver.enabled())
                QVERIFY2(allowed.contains(name), qPrintable(QString("%1 at %2").arg(name).arg(age)));
        }
    }

    // ---- The rules between the widgets ----

    void rules_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("state");
        QTest::addColumn<QStringList>("enabled");

        const QStringList child{"speciesCombo", "alienCheck", "servoCheck", "plantsimCheck"};
        const QStringList teen = QStringList{"speciesCombo", "aspirationCombo",
                                             "secondaryAspirationCombo", "alienCheck",
                                             "zombieCheck", "vampireCheck", "werewolfCheck",
                                             "servoCheck", "plantsimCheck", "witchCheck"};
        const QStringList adult = QStringList{"speciesCombo", "aspirationCombo",
                                              "secondaryAspirationCombo"} + allBoxes;
        const QStringList youngAdult = adult + QStringList{"semesterSpin", "majorEdit"};
        const QStringList pet{"speciesCombo"};

        QTest::newRow("baby clears what a child cannot have")
            << allPacks
            << QStringList{"checkAll", "aspiration=Fortune", "secondary=Family", "alignment=Good",
                           "semester=2", "age=2"}
            << QStringList{"note: (1 days until Toddler)", "aspiration: None/Unknown / None/Unknown",
                           "alignment: Good", "checked: Alien, Servo", "semester: 0"}
            << enabledWith(child);
        QTest::newRow("toddler") << allPacks << QStringList{"age=3"}
                                 << QStringList{"note: (4 days until Child)",
                                                "aspiration: Grow Up / None/Unknown"}
                                 << enabledWith(child);
        QTest::newRow("child") << allPacks << QStringList{"aspiration=Fortune", "age=7"}
                               << QStringList{"note: (8 days until Teen)",
                                              "aspiration: Grow Up / None/Unknown"}
                               << enabledWith(child);
        QTest::newRow("child of 10") << allPacks << QStringList{"age=10"}
                                     << QStringList{"note: (5 days until Teen)",
                                                    "aspiration: Grow Up / None/Unknown"}
                                     << enabledWith(child);
        QTest::newRow("teen") << allPacks << QStringList{"age=15"}
                              << QStringList{"note: (15 days until Adult)",
                                             "aspiration: None/Unknown / None/Unknown", "checked: "}
                              << enabledWith(teen);
        // Growing older enables again but checks nothing and keeps "Grow Up".
        QTest::newRow("child grows into a teen")
            << allPacks << QStringList{"checkAll", "age=10", "age=15"}
            << QStringList{"checked: Alien, Servo", "aspiration: Grow Up / None/Unknown"}
            << enabledWith(teen);
        QTest::newRow("elder") << allPacks << QStringList{"age=59"}
                               << QStringList{"note: (54 days old)"} << enabledWith(adult);
        QTest::newRow("oldest") << allPacks << QStringList{"age=85"}
                                << QStringList{"note: (80 days old)"} << enabledWith(adult);
        QTest::newRow("adult keeps its choices")
            << allPacks << QStringList{"checkAll", "aspiration=Romance", "secondary=Pleasure", "age=31"}
            << QStringList{"note: (28 days until Elder)", "aspiration: Romance / Pleasure",
                           "checked: Alien, Zombie, Vampire, Werewolf, Servo, Bigfoot, Witch"}
            << enabledWith(adult + QStringList{"alignmentCombo"});

        // College is for a human young adult of exactly 30 days.
        QTest::newRow("older than 30 leaves college")
            << allPacks << QStringList{"semester=2", "age=31"}
            << QStringList{"semester: 0"} << enabledWith(adult);
        QTest::newRow("back to 30")
            << allPacks << QStringList{"semester=2", "major=Biology", "age=31", "age=30"}
            << QStringList{"note: (29 days until Elder)", "semester: 0", "major: Biology"}
            << enabledWith(youngAdult);
        QTest::newRow("semester enables the major")
            << allPacks << QStringList{"semester=1"} << QStringList{"semester: 1"}
            << enabledWith(youngAdult);
        QTest::newRow("semester 0 disables the major")
            << allPacks << QStringList{"semester=1", "major=Biology", "semester=0"}
            << QStringList{"major: Biology"} << enabledWith(adult + QStringList{"semesterSpin"});

        QTest::newRow("witch chooses an alignment")
            << allPacks << QStringList{"check=Witch", "alignment=Nice"}
            << QStringList{"alignment: Nice", "checked: Witch"}
            << enabledWith(adult + QStringList{"semesterSpin", "alignmentCombo"});
        QTest::newRow("alignment kept when Witch is unchecked")
            << allPacks << QStringList{"check=Witch", "alignment=Good", "uncheck=Witch"}
            << QStringList{"alignment: Good", "checked: "}
            << enabledWith(adult + QStringList{"semesterSpin"});
        QTest::newRow("a child is no witch")
            << allPacks << QStringList{"check=Witch", "age=10"}
            << QStringList{"checked: "} << enabledWith(child);

        // A plantsim is grown from its fourth day.
        QTest::newRow("plantsim of 3")
            << allPacks << QStringList{"check=Plantsim", "age=3"}
            << QStringList{"note: (1 days until Adult)", "aspiration: Grow Up / None/Unknown",
                           "checked: Plantsim"}
            << enabledWith(child);
        QTest::newRow("plantsim of 4")
            << allPacks << QStringList{"check=Plantsim", "age=4"}
            << QStringList{"note: (29 days until Elder)", "semester: 0"} << enabledWith(adult);
        QTest::newRow("plantsim of 33") << allPacks << QStringList{"check=Plantsim", "age=33"}
                                        << QStringList{"note: (33 days old)"} << enabledWith(adult);
        QTest::newRow("plantsim lifts the child rule")
            << allPacks << QStringList{"age=10", "check=Plantsim"}
            << QStringList{"note: (23 days until Elder)", "aspiration: Grow Up / None/Unknown"}
            << enabledWith(adult);
        QTest::newRow("plantsim at 30 is not in college")
            << allPacks << QStringList{"semester=3", "check=Plantsim"}
            << QStringList{"semester: 0"} << enabledWith(adult);

        QTest::newRow("kitten")
            << allPacks
            << QStringList{"checkAll", "check=Plantsim", "aspiration=Fortune", "secondary=Family",
                           "species=Cat", "age=3"}
            << QStringList{"note: (2 days until Adult)", "aspiration: None/Unknown / None/Unknown",
                           "checked: "}
            << enabledWith(pet);
        QTest::newRow("elder cat") << allPacks << QStringList{"species=Cat", "age=31"}
                                   << QStringList{"note: (31 days old)"} << enabledWith(pet);
        QTest::newRow("large dog") << allPacks << QStringList{"species=Large Dog", "age=26"}
                                   << QStringList{"note: (26 days old)"} << enabledWith(pet);
        QTest::newRow("small dog") << allPacks << QStringList{"species=Small Dog", "age=20"}
                                   << QStringList{"note: (10 days until Elder)"}
                                   << enabledWith(pet);
        QTest::newRow("a pet is no student")
            << allPacks << QStringList{"semester=4", "species=Small Dog"}
            << QStringList{"semester: 0"} << enabledWith(pet);
        QTest::newRow("human again")
            << allPacks << QStringList{"checkAll", "aspiration=Fortune", "species=Cat", "species=Human"}
            << QStringList{"note: (29 days until Elder)", "aspiration: None/Unknown / None/Unknown",
                           "checked: "}
            << enabledWith(youngAdult);
    }
    void rules()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, state);
        QFETCH(QStringList, enabled);
        AddEditSimDialog form(flags, households);
        SimFormDriver driver(&form);
        QVERIFY2(driver.run(steps), qPrintable(driver.error()));
        const QStringList wrong = mismatches(driver.state(), state);
        QVERIFY2(wrong.isEmpty(), qPrintable("expected " + wrong.join(" | ") + "\nshown "
                                             + driver.state().join(" | ")));
        QCOMPARE(sorted(driver.enabled()), enabled);
        // The rules never touch these.
        QVERIFY(driver.state().contains("name: "));
        QVERIFY(driver.state().contains("household: Brook"));
        QVERIFY(driver.state().contains("ghost: no Pink"));
    }

    // ---- The form filled from a sim ----

    void filledFromSim_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("state");
        QTest::addColumn<QStringList>("enabled");

        const QStringList adult = QStringList{"speciesCombo", "aspirationCombo",
                                              "secondaryAspirationCombo"} + allBoxes;
        const QStringList child{"speciesCombo", "alienCheck", "servoCheck", "plantsimCheck"};
        QStringList teen = adult;
        teen.removeOne("bigfootCheck");

        QTest::newRow("adult")
            << "adult" << allPacks
            << QStringList{"note: (14 days until Elder)", "name: Ann Brook", "gender: Female",
                           "age: 45", "ghost: no White", "species: Human", "alignment: Neutral",
                           "household: Lark", "aspiration: Fortune / Family", "semester: 0",
                           "major: ", "checked: "}
            << enabledWith(adult);
        QTest::newRow("ghost") << "ghost" << allPacks
                               << QStringList{"ghost: yes Blue", "gender: Male",
                                              "note: (9 days until Elder)"}
                               << enabledWith(adult);
        QTest::newRow("baby") << "baby" << allPacks
                              << QStringList{"note: (2 days until Toddler)",
                                             "aspiration: None/Unknown / None/Unknown"}
                              << enabledWith(child);
        QTest::newRow("child") << "child" << allPacks
                               << QStringList{"note: (5 days until Teen)",
                                              "aspiration: Grow Up / None/Unknown"}
                               << enabledWith(child);
        QTest::newRow("teen") << "teen" << allPacks
                              << QStringList{"note: (10 days until Adult)",
                                             "aspiration: Knowledge / None/Unknown"}
                              << enabledWith(teen);
        // The field ends at 85; the note follows the field.
        QTest::newRow("elder past the field")
            << "elder of 90" << allPacks << QStringList{"age: 85", "note: (80 days old)"}
            << enabledWith(adult);
        QTest::newRow("student")
            << "student" << allPacks
            << QStringList{"age: 30", "semester: 3", "major: Biology"}
            << enabledWith(adult + QStringList{"semesterSpin", "majorEdit"});
        // The semester rule runs with the stored semester, so the major stays
        // editable while the age rule has closed the semester.
        QTest::newRow("graduate of 40 in semester 9")
            << "graduate" << allPacks << QStringList{"semester: 0", "major: Physics"}
            << enabledWith(adult + QStringList{"majorEdit"});
        QTest::newRow("witch without packs")
            << "witch" << 0 << QStringList{"checked: Witch", "alignment: Good"}
            << enabledWith({"aspirationCombo", "alienCheck", "alignmentCombo"});
        QTest::newRow("witch with packs")
            << "witch" << allPacks << QStringList{"checked: Witch", "alignment: Good"}
            << enabledWith(adult + QStringList{"alignmentCombo"});
        // The rules clear a pet's life states in the form.
        QTest::newRow("large dog with a life state")
            << "large dog" << allPacks
            << QStringList{"species: Large Dog", "checked: ", "note: (16 days until Elder)",
                           "aspiration: None/Unknown / None/Unknown"}
            << enabledWith({"speciesCombo"});
        QTest::newRow("small dog") << "small dog" << allPacks
                                   << QStringList{"species: Small Dog", "note: (31 days old)"}
                                   << enabledWith({"speciesCombo"});
        QTest::newRow("kitten") << "kitten" << allPacks
                                << QStringList{"species: Cat", "note: (3 days until Adult)"}
                                << enabledWith({"speciesCombo"});
        QTest::newRow("cat without Pets") << "kitten" << 0 << QStringList{"species: Cat"}
                                          << enabledWith({});
        QTest::newRow("plantsim") << "plantsim" << allPacks
                                  << QStringList{"checked: Plantsim", "note: (13 days until Elder)"}
                                  << enabledWith(adult);
        QTest::newRow("servo, bigfoot and alien")
            << "servo" << allPacks << QStringList{"checked: Alien, Servo, Bigfoot"}
            << enabledWith(adult);
        QTest::newRow("gender never set") << "no gender" << allPacks
                                          << QStringList{"gender: "} << enabledWith(adult);
        QTest::newRow("third household") << "runaway" << allPacks
                                         << QStringList{"household: Runaways"} << enabledWith(adult);
        QTest::newRow("household not listed") << "moor" << allPacks
                                              << QStringList{"household: Brook"}
                                              << enabledWith(adult);
        QTest::newRow("codes the choices lack")
            << "odd codes" << allPacks
            << QStringList{"ghost: yes ", "alignment: ", "aspiration: Family / "}
            << enabledWith(adult);
    }
    void filledFromSim()
    {
        QFETCH(QString, kind);
        QFETCH(int, flags);
        QFETCH(QStringList, state);
        QFETCH(QStringList, enabled);
        std::unique_ptr<Sim> sim(SimKinds::make(kind));
        AddEditSimDialog form(flags, households, sim.get());
        SimFormDriver driver(&form);
        const QStringList wrong = mismatches(driver.state(), state);
        QVERIFY2(wrong.isEmpty(), qPrintable("expected " + wrong.join(" | ") + "\nshown "
                                             + driver.state().join(" | ")));
        QCOMPARE(sorted(driver.enabled()), enabled);
    }

};

QTEST_MAIN(TestSimForm)
#include "tst_simform.moc"
