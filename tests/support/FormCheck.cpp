#include "support/FormCheck.h"

#include "records/EntryLine.h"
#include "events/SentenceParser.h"
#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "support/FormDriver.h"
#include "support/SimSnapshot.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QtTest>

namespace {
const int RotationTime = 4;

int position(const SimList &sims, const Sim *sim)
{
    if (!sim)
        return -1;
    for (int i = 0; i < sims.size(); ++i) {
        if (sims.at(i) == sim)
            return i;
    }
    return -1;
}
} // namespace

QStringList FormCheck::randomWords()
{
    return {"Fortune", "Family", "Pleasure", "Knowledge", "Popularity", "Romance"};
}

int FormCheck::aspirationCode(const QString &word)
{
    static const QStringList words{"",          "Fortune",   "Family",         "Romance",
                                   "Popularity", "Knowledge", "Pleasure", "Grilled Cheese",
                                   "Grow Up"};
    return qMax(0, int(words.indexOf(word)));
}

void FormCheck::addRoundTripColumns()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("sim1");
    QTest::addColumn<QString>("sim2");
    QTest::addColumn<QList<int>>("tests");
    QTest::addColumn<QStringList>("effects");
}

void FormCheck::roundTrip()
{
    QFETCH(QString, category);
    QFETCH(QString, event);
    QFETCH(int, flags);
    QFETCH(QStringList, inputs);
    QFETCH(QString, sentence);
    QFETCH(QString, sim1);
    QFETCH(QString, sim2);
    QFETCH(QList<int>, tests);
    QFETCH(QStringList, effects);

    FormDriver driver(flags, RotationTime);
    const SimSnapshot before(driver.sheet().sims());
    QVERIFY2(driver.open(category, event), qPrintable(driver.error()));
    QVERIFY2(driver.fill(inputs), qPrintable(driver.error()));
    QVERIFY2(driver.add(), qPrintable(driver.error()));
    QCOMPARE(driver.pending().size(), 1);
    UpdateEntry *entry = driver.pending().constFirst();
    const QString text = entry->text();

    // A "Random" aspiration may give any of six words; find which one.
    QString word;
    if (sentence.contains("{asp}")) {
        QStringList parts = sentence.split("{asp}");
        for (QString &part : parts)
            part = QRegularExpression::escape(part);
        const QRegularExpression shape(QRegularExpression::anchoredPattern(
            parts.join("(" + randomWords().join('|') + ")")));
        const auto m = shape.match(text);
        QVERIFY2(m.hasMatch(), qPrintable("unexpected sentence: " + text));
        word = m.captured(1);
        sentence.replace("{asp}", word);
        effects.replaceInStrings("{aspcode}", QString::number(aspirationCode(word)));
    }
    QCOMPARE(text, sentence);
    QCOMPARE(FixtureSheet::label(entry->firstSim()), sim1);
    QCOMPARE(FixtureSheet::label(entry->secondSim()), sim2);

    QList<int> matched;
    for (const SentenceParser::Match &m : SentenceParser::matches(text))
        matched << m.test;
    QCOMPARE(matched, tests);

    // The updates section: one line, read back into a fresh page.
    const SimList sims = driver.sheet().sims();
    const QString saved = driver.page().saveEvents();
    QCOMPARE(saved, EntryLine::format(text, position(sims, entry->firstSim()),
                                      position(sims, entry->secondSim()))
                        + "\r\n");
    {
        UpdatePage fresh(sims);
        for (const QString &line : saved.split("\r\n", Qt::SkipEmptyParts))
            fresh.loadEvent(line);
        const auto loaded = fresh.pendingEntries();
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.constFirst()->text(), text);
        QCOMPARE(loaded.constFirst()->firstSim(), entry->firstSim());
        QCOMPARE(loaded.constFirst()->secondSim(), entry->secondSim());
    }

    QVERIFY2(driver.applyAll(), qPrintable(driver.error()));
    QCOMPARE(driver.pending().size(), 0);
    const QStringList log{QStringLiteral("%1 | %2 | %3").arg(text, sim1, sim2),
                          QString(40, '-') + " | - | -"};
    QCOMPARE(driver.sheet().achievements(), log);
    const QStringList got = driver.sheet().requests()
                            + before.diff(SimSnapshot(driver.sheet().sims()));
    QVERIFY2(got == effects, describe(got, effects).constData());

    // The saved line, opened on another copy of the sheet, does the same.
    FormDriver reopened(flags, RotationTime);
    const SimSnapshot untouched(reopened.sheet().sims());
    for (const QString &line : saved.split("\r\n", Qt::SkipEmptyParts))
        reopened.page().loadEvent(line);
    QVERIFY2(reopened.applyAll(), qPrintable(reopened.error()));
    QCOMPARE(reopened.sheet().achievements(), log);
    const QStringList again = reopened.sheet().requests()
                              + untouched.diff(SimSnapshot(reopened.sheet().sims()));
    QVERIFY2(again == effects, describe(again, effects).constData());
}

QByteArray FormCheck::describe(const QStringList &actual, const QStringList &expected)
{
    return ("\n   got:      [" + actual.join(" ; ") + "]\n   expected: ["
            + expected.join(" ; ") + "]")
        .toUtf8();
}

void FormCheck::addRefusalColumns()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("blank");
}

void FormCheck::refusesEmptyText()
{
    refuses(QString(), QString());
}

void FormCheck::refusesQuoteComma()
{
    refuses(QStringLiteral("Bo\",b"),
            QStringLiteral("Please don't use a double-quote followed by a comma in the fields; it "
                           "will mess up your save files."));
}

void FormCheck::refuses(const QString &text, const QString &message)
{
    QFETCH(QString, category);
    QFETCH(QString, event);
    QFETCH(int, flags);
    QFETCH(QStringList, inputs);
    QFETCH(int, blank);

    FormDriver driver(flags, RotationTime);
    QVERIFY2(driver.open(category, event), qPrintable(driver.error()));
    const QString typed = inputs.at(blank);
    inputs[blank] = text;
    QVERIFY2(driver.fill(inputs), qPrintable(driver.error()));
    QVERIFY2(!driver.add(), qPrintable("\"Add\" filed an update with \"" + text + "\" typed"));
    QCOMPARE(driver.filed(), 0);
    QCOMPARE(driver.pending().size(), 0);
    QVERIFY2(!driver.message().isEmpty(), "the form does not say why it refuses");
    if (!message.isEmpty())
        QCOMPARE(driver.message(), message);

    QVERIFY2(driver.type(blank, typed), qPrintable(driver.error()));
    QVERIFY2(driver.add(), qPrintable(driver.error()));
    QCOMPARE(driver.pending().size(), 1);
}

void FormCheck::addDayColumns()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("rotation");
}

void FormCheck::addDayRows(const QString &category, const QStringList &events, int flags)
{
    addDayColumns();
    for (const QString &event : events) {
        for (const int rotation : {1, 7})
            QTest::addRow("%s %d", qPrintable(event), rotation)
                << category << event << flags << rotation;
    }
}

void FormCheck::offersDays()
{
    QFETCH(QString, category);
    QFETCH(QString, event);
    QFETCH(int, flags);
    QFETCH(int, rotation);

    FormDriver driver(flags, rotation);
    QVERIFY2(driver.open(category, event), qPrintable(driver.error()));
    QCOMPARE(driver.numberRange(0), qMakePair(1, rotation));
}

void FormCheck::addTypedNameColumns()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("inputs");
}

QString FormCheck::noSimMessage()
{
    return QStringLiteral("Please choose a sim from the list in every sim box.");
}

void FormCheck::refusesTypedName()
{
    QFETCH(QString, category);
    QFETCH(QString, event);
    QFETCH(int, flags);
    QFETCH(QStringList, inputs);

    FormDriver driver(flags, RotationTime);
    QVERIFY2(driver.open(category, event), qPrintable(driver.error()));
    QVERIFY2(driver.fill(inputs), qPrintable(driver.error()));
    QVERIFY2(!driver.add(), "\"Add\" filed an update for a typed-over sim box");
    QCOMPARE(driver.filed(), 0);
    QCOMPARE(driver.pending().size(), 0);
    QCOMPARE(driver.message(), noSimMessage());

    // Choosing from the lists again makes the form usable.
    for (QWidget *input : driver.inputs()) {
        auto *box = qobject_cast<QComboBox *>(input);
        if (box && box->isEditable())
            box->setCurrentIndex(box->count() - 1);
    }
    QVERIFY2(driver.add(), qPrintable(driver.error()));
    QCOMPARE(driver.pending().size(), 1);
}

void FormCheck::addChoiceColumns()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("input");
    QTest::addColumn<QStringList>("items");
}

void FormCheck::offersChoices()
{
    QFETCH(QString, category);
    QFETCH(QString, event);
    QFETCH(int, flags);
    QFETCH(int, input);
    QFETCH(QStringList, items);

    FormDriver driver(flags, RotationTime);
    QVERIFY2(driver.open(category, event), qPrintable(driver.error()));
    QCOMPARE(driver.choiceItems(input), items);
}
