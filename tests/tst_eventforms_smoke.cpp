// Every event of the catalogue opens a form that files an update, and a form
// with a typed field refuses "Add" while the field is empty.

#include "events/EventCatalogue.h"
#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "records/Sim.h"
#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

class TestEventFormsSmoke : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyEventFilesAnUpdate_data();
    void everyEventFilesAnUpdate();
    void freeTimeAspirationChangeIsTheAspirationForm();

private:
    UpdateDialog *openForm(int epFlags, const QString &category, const QString &event);

    QList<Sim *> m_sims;
    UpdatePage *m_page = nullptr;
};

void TestEventFormsSmoke::init()
{
    // One sim for every box of every form, so no box is empty.
    struct Row
    {
        const char *name;
        int age;
        int gender;
        int flags;
        const char *household;
        bool alive;
    };
    const Row rows[] = {
        {"Adam", 35, Gender::Male, 0, "Smith", true},
        {"Beth", 35, Gender::Female, 0, "Smith", true},
        {"Cody", 18, Gender::Male, 0, "Smith", true},
        {"Dana", 8, Gender::Female, 0, "Smith", true},
        {"Rex", 10, Gender::Male, SimTypeFlags::LargeDog, "Smith", true},
        {"Mia", 10, Gender::Female, SimTypeFlags::LargeDog, "Smith", true},
        {"Gus", 70, Gender::Male, 0, "Smith", true},
        {"Vera", 40, Gender::Female, SimTypeFlags::Vampire | SimTypeFlags::Werewolf
                                         | SimTypeFlags::Witch, "Jones", true},
        {"Fern", 20, Gender::Female, SimTypeFlags::Plantsim, "Jones", true},
        {"Ghost", 40, Gender::Male, 0, "Jones", false},
        {"Tom", 40, Gender::Male, 0, "Townies and Dormies", true},
        {"Tabby", 10, Gender::Female, SimTypeFlags::Cat, "Townies and Dormies", true},
        {"Runa", 18, Gender::Female, 0, "Runaways", true},
        {"Scout", 10, Gender::Male, SimTypeFlags::SmallDog, "Runaways", true},
        {"Orphan", 8, Gender::Male, 0, "Adoption Queue", true},
    };
    SimList list;
    for (const Row &row : rows) {
        auto *sim = new Sim(QString::fromLatin1(row.name), row.age, row.gender, Aspiration::Family, 0,
                            row.alive, row.flags, QString(), QString());
        sim->setHousehold(QString::fromLatin1(row.household));
        m_sims.append(sim);
        list.append(sim);
    }
    Sim *student = new Sim(QStringLiteral("Stu"), 20, Gender::Male, Aspiration::Knowledge, 0, true, 0,
                           QString(), QString());
    student->setHousehold(QStringLiteral("Jones"));
    student->setInCollege(true);
    m_sims.append(student);
    list.append(student);

    m_page = new UpdatePage(list);
}

void TestEventFormsSmoke::cleanup()
{
    delete m_page;
    m_page = nullptr;
    qDeleteAll(m_sims);
    m_sims.clear();
}

UpdateDialog *TestEventFormsSmoke::openForm(int epFlags, const QString &category, const QString &event)
{
    m_page->setEPFlags(epFlags);
    m_page->findChild<QComboBox *>("categoryBox")->setCurrentIndex(0);
    m_page->findChild<QComboBox *>("categoryBox")->setCurrentText(category);
    const int index = m_page->findChild<QComboBox *>("specificBox")->findText(event);
    if (index < 0)
        return nullptr;
    m_page->findChild<QComboBox *>("specificBox")->setCurrentIndex(index);
    QAbstractButton *addEvent = WidgetLookup::button(m_page, QStringLiteral("Add Event"));
    if (!addEvent)
        return nullptr;
    QTest::mouseClick(addEvent, Qt::LeftButton);
    return WidgetLookup::window<UpdateDialog>("updateDialog");
}

void TestEventFormsSmoke::everyEventFilesAnUpdate_data()
{
    QTest::addColumn<int>("epFlags");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("event");
    // All packs, then none but University, Nightlife, Open for Business,
    // Seasons, Bon Voyage and Apartment Life, so the other name of each
    // pack-chosen pair is shown too.
    const int packSets[] = {EPFlags::All, EPFlags::All & ~(EPFlags::Pets | EPFlags::FreeTime)};
    QSet<QString> seen;
    for (int flags : packSets) {
        for (const QString &category : EventCatalogue::categories()) {
            for (const QString &event : EventCatalogue::events(category, flags)) {
                if (seen.contains(event))
                    continue;
                seen.insert(event);
                QTest::newRow(qPrintable(event)) << flags << category << event;
            }
        }
    }
    QCOMPARE(seen.size(), EventCatalogue::allNames().size());
}

void TestEventFormsSmoke::everyEventFilesAnUpdate()
{
    QFETCH(int, epFlags);
    QFETCH(QString, category);
    QFETCH(QString, event);

    UpdateDialog *dialog = openForm(epFlags, category, event);
    QVERIFY2(dialog, "no form");
    QAbstractButton *add = WidgetLookup::button(dialog, QStringLiteral("Add"));
    QVERIFY(add);

    // The typed fields, not the edit lines inside sim boxes and number fields.
    QList<QLineEdit *> fields;
    const QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (edit->parent() == dialog)
            fields.append(edit);
    }
    const QList<QComboBox *> boxes = dialog->findChildren<QComboBox *>();
    for (QComboBox *box : boxes)
        QVERIFY2(box->count() > 0, "a choice or sim box is empty");

    // An empty typed field is refused, but for the custom event's free text
    // and the major of a sim leaving college, whose sentences are read
    // without them.
    const bool mayBeEmpty = event == QLatin1String("Custom Event")
        || event == QLatin1String("Leaving college");
    for (QLineEdit *field : fields) {
        for (QLineEdit *other : fields)
            other->setText(other == field ? QString() : QStringLiteral("Zoe"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(m_page->pendingEntries().size(), mayBeEmpty ? 1 : 0);
        if (mayBeEmpty)
            return;
    }

    for (QLineEdit *field : fields)
        field->setText(QStringLiteral("Zoe"));
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(m_page->pendingEntries().size(), 1);
    const UpdateEntry *entry = m_page->pendingEntries().first();
    QVERIFY(!entry->text().isEmpty());
    QVERIFY(!entry->text().startsWith(QLatin1Char(' ')));
}

void TestEventFormsSmoke::freeTimeAspirationChangeIsTheAspirationForm()
{
    UpdateDialog *dialog = openForm(EPFlags::FreeTime, QStringLiteral("Changes"),
                                    QStringLiteral("Changing primary and secondary aspirations"));
    QVERIFY(dialog);
    QTest::mouseClick(WidgetLookup::button(dialog, QStringLiteral("Add")), Qt::LeftButton);
    QCOMPARE(m_page->pendingEntries().size(), 1);
    UpdateEntry *entry = m_page->pendingEntries().first();
    // Adam is first by name among the grown humans.
    QCOMPARE(entry->text(), QStringLiteral("Adam changed his or her aspiration to Fortune."));
    QCOMPARE(entry->firstSim(), m_sims.at(0));
    QCOMPARE(entry->secondSim(), nullptr);
}

QTEST_MAIN(TestEventFormsSmoke)
#include "tst_eventforms_smoke.moc"
