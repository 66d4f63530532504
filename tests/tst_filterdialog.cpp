#include "dialogs/FilterDialog.h"
#include "dialogs/FilterTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

using Signal = void (FilterDialog::*)(bool);

struct Expected
{
    const char *group;
    int row;
    int column;
    const char *label;
    Signal signal;
    const char *name;
};

#define BOX(group, row, column, label, name) {group, row, column, label, &FilterDialog::name, #name}

const Expected expected[] = {
    BOX("Life", 0, 0, "Living Sims", setAliveFilter),
    BOX("Life", 0, 1, "Dead Sims", setDeadFilter),
    BOX("Type", 0, 0, "Playable Sims", setPlayableFilter),
    BOX("Type", 0, 1, "Townies", setTownieFilter),
    BOX("Type", 0, 2, "Service NPCs", setNPCFilter),
    BOX("Type", 1, 0, "Runaways", setRunawayFilter),
    BOX("Type", 1, 1, "Adoptables", setAdoptionFilter),
    BOX("Type", 1, 2, "Downtownies", setDowntownieFilter),
    BOX("Type", 2, 0, "Garden Club Members", setGardenClubFilter),
    BOX("Type", 2, 1, "Island Locals", setIslandFilter),
    BOX("Type", 2, 2, "Mountain Locals", setMountainFilter),
    BOX("Type", 3, 0, "Asian Locals", setAsianFilter),
    BOX("Type", 3, 1, "Tourists", setTouristFilter),
    BOX("Type", 3, 2, "Hobby Mavens", setHobbyFilter),
    BOX("Type", 4, 0, "Socialites", setSocialiteFilter),
    BOX("Type", 4, 1, "Bohemians", setBohemianFilter),
    BOX("Type", 4, 2, "Jocks", setJockFilter),
    BOX("Type", 5, 0, "Techies", setTechieFilter),
    BOX("Type", 5, 1, "Gearheads", setGearheadFilter),
    BOX("Species", 0, 0, "Humans", setHumanFilter),
    BOX("Species", 0, 1, "Large Dogs", setLargeDogFilter),
    BOX("Species", 1, 0, "Small Dogs", setSmallDogFilter),
    BOX("Species", 1, 1, "Cats", setCatFilter),
    BOX("Gender", 0, 0, "Males", setMaleFilter),
    BOX("Gender", 0, 1, "Females", setFemaleFilter),
    BOX("Life Stage", 0, 0, "Babies", setBabyFilter),
    BOX("Life Stage", 0, 1, "Toddlers", setToddlerFilter),
    BOX("Life Stage", 1, 0, "Children", setChildFilter),
    BOX("Life Stage", 1, 1, "Teens", setTeenFilter),
    BOX("Life Stage", 2, 0, "Young Adults", setYAFilter),
    BOX("Life Stage", 2, 1, "Adults", setAdultFilter),
    BOX("Life Stage", 3, 0, "Elders", setElderFilter),
    BOX("Aspiration", 0, 0, "None/Unknown", setNoneFilter),
    BOX("Aspiration", 0, 1, "Grow Up", setGrowUpFilter),
    BOX("Aspiration", 0, 2, "Fortune", setFortuneFilter),
    BOX("Aspiration", 1, 0, "Family", setFamilyFilter),
    BOX("Aspiration", 1, 1, "Popularity", setPopularityFilter),
    BOX("Aspiration", 1, 2, "Romance", setRomanceFilter),
    BOX("Aspiration", 2, 0, "Knowledge", setKnowledgeFilter),
    BOX("Aspiration", 2, 1, "Pleasure", setPleasureFilter),
    BOX("Aspiration", 2, 2, "Grilled Cheese", setGrilledCheeseFilter),
    BOX("Paranormal", 0, 0, "Non-Paranormal", setNormalFilter),
    BOX("Paranormal", 0, 1, "Aliens", setAlienFilter),
    BOX("Paranormal", 0, 2, "Zombies", setZombieFilter),
    BOX("Paranormal", 1, 0, "Vampires", setVampireFilter),
    BOX("Paranormal", 1, 1, "Werewolves", setWerewolfFilter),
    BOX("Paranormal", 1, 2, "Servos", setServoFilter),
    BOX("Paranormal", 2, 0, "Plantsims", setPlantsimFilter),
    BOX("Paranormal", 2, 1, "Bigfoots", setBigfootFilter),
    BOX("Paranormal", 2, 2, "Witches", setWitchFilter),
};

#undef BOX

const QStringList groupTitles{"Life",       "Type",       "Species",   "Gender",
                              "Life Stage", "Aspiration", "Paranormal"};

// A taskbar and a title bar as Windows draws them at their usual size: a
// window fits a laptop's screen, 768 pixels high, when it is no taller
// than the screen less both.
constexpr int kLaptopRoom = 768 - 40 - 32;

// The group boxes, top to bottom, as the layout in the scroll area holds them.
QList<QGroupBox *> groupBoxes(const FilterDialog &dialog)
{
    QList<QGroupBox *> groups;
    const auto *scroll = dialog.findChild<QScrollArea *>();
    if (!scroll || !scroll->widget() || !scroll->widget()->layout())
        return groups;
    QLayout *main = scroll->widget()->layout();
    for (int i = 0; i < main->count(); ++i)
        groups << qobject_cast<QGroupBox *>(main->itemAt(i)->widget());
    return groups;
}

// "group|row,column|label" for every box, in layout order.
QStringList places(const FilterDialog &dialog)
{
    QStringList list;
    for (QGroupBox *group : groupBoxes(dialog)) {
        QLayout *layout = group->layout();
        for (int i = 0; i < layout->count(); ++i) {
            int row = 0, column = i, rowSpan = 0, columnSpan = 0;
            if (auto *grid = qobject_cast<QGridLayout *>(layout))
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            else if (!qobject_cast<QHBoxLayout *>(layout))
                return {"not a row or grid: " + group->title()};
            auto *box = qobject_cast<QCheckBox *>(layout->itemAt(i)->widget());
            list << QString("%1|%2,%3|%4").arg(group->title()).arg(row).arg(column).arg(box->text());
        }
    }
    return list;
}

} // namespace

class TestFilterDialog : public QObject
{
    Q_OBJECT

public:
    // The headless platform's screen is a laptop's, 768 pixels high, in
    // place of its own, taller one.
    static void initMain()
    {
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
            qputenv("QT_QPA_PLATFORM",
                    "offscreen:configfile=" TOLVANE_FIXTURES "/screens/laptop.json");
    }

private slots:
    void groupsAndBoxes()
    {
        FilterDialog dialog;
        QStringList titles;
        for (QGroupBox *group : groupBoxes(dialog))
            titles << (group ? group->title() : "not a group box");
        QCOMPARE(titles, groupTitles);

        QStringList wanted;
        for (const Expected &box : expected)
            wanted << QString("%1|%2,%3|%4").arg(box.group).arg(box.row).arg(box.column).arg(box.label);
        QCOMPARE(places(dialog), wanted);

        const auto boxes = dialog.findChildren<QCheckBox *>();
        QCOMPARE(boxes.size(), 50);
        for (QCheckBox *box : boxes)
            QVERIFY2(box->isChecked(), qPrintable(box->text()));
        QVERIFY(dialog.findChildren<QPushButton *>().isEmpty());
        QVERIFY(!dialog.parent());
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.windowTitle(), QString());
    }

    // The fifty signals, each of one bool, in this order and no other.
    void signalsInOrder()
    {
        QStringList declared;
        const QMetaObject &meta = FilterDialog::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            QCOMPARE(method.methodType(), QMetaMethod::Signal);
            declared << QString::fromLatin1(method.methodSignature());
        }
        QStringList wanted;
        for (const Expected &box : expected)
            wanted << QString("%1(bool)").arg(box.name);
        QCOMPARE(declared, wanted);
    }

    // The groups stand taller than a laptop's screen, yet the dialog fits
    // it with its title bar above and the taskbar below, and so does the
    // smallest the player can make it.
    void fitsALaptopScreen()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().height(), 768);
        FilterDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY2(dialog.frameGeometry().height() <= kLaptopRoom,
                 qPrintable(QString::number(dialog.frameGeometry().height())));
        QVERIFY2(dialog.minimumSize().height() <= kLaptopRoom,
                 qPrintable(QString::number(dialog.minimumSize().height())));
        QVERIFY(dialog.minimumSizeHint().height() <= kLaptopRoom);
        // The groups are scrolled through, not squeezed: every box keeps
        // the room it asks for.
        const auto *scroll = dialog.findChild<QScrollArea *>();
        QVERIFY(scroll);
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        for (const QCheckBox *box : dialog.findChildren<QCheckBox *>())
            QVERIFY2(box->size().expandedTo(box->sizeHint()) == box->size(),
                     qPrintable(box->text()));
    }

    // Every box is reached by scrolling to it and clicked where the player
    // sees it, through the window.
    void eachBoxSendsItsOwnSignal()
    {
        FilterDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *scroll = dialog.findChild<QScrollArea *>();
        QVERIFY(scroll);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const Expected &box : expected)
            spies.push_back(std::make_unique<QSignalSpy>(&dialog, box.signal));

        for (int i = 0; i < int(std::size(expected)); ++i) {
            QCheckBox *box = nullptr;
            for (QCheckBox *candidate : dialog.findChildren<QCheckBox *>()) {
                if (candidate->text() == expected[i].label)
                    box = candidate;
            }
            QVERIFY2(box, expected[i].label);
            // Off, on, off again: the last state counts. A box is wider than
            // its text in the grid, so the click goes to its indicator.
            scroll->ensureWidgetVisible(box);
            const QPoint indicator(4, box->height() / 2);
            QVERIFY2(scroll->viewport()->rect().contains(box->mapTo(scroll->viewport(), indicator)),
                     expected[i].label);
            for (int click = 0; click < 3; ++click)
                QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                                  box->mapTo(&dialog, indicator));
            QSignalSpy &spy = *spies.at(i);
            QCOMPARE(spy.size(), 3);
            QCOMPARE(spy.at(0).at(0).toBool(), false);
            QCOMPARE(spy.at(1).at(0).toBool(), true);
            QCOMPARE(spy.at(2).at(0).toBool(), false);
            for (int j = 0; j < int(spies.size()); ++j) {
                if (j != i)
                    QVERIFY2(spies.at(j)->size() == (j < i ? 3 : 0),
                             qPrintable(QString("%1 after %2").arg(expected[j].name, expected[i].name)));
            }
        }
        // Hidden and shown again, the boxes stay as the player left them.
        dialog.hide();
        dialog.show();
        for (QCheckBox *box : dialog.findChildren<QCheckBox *>())
            QVERIFY(!box->isChecked());
    }

    // The table the sheet's masks follow: bit k of a group is its k-th box,
    // and every bit of a group set lets everything through.
    void tableForTheMasks()
    {
        const QList<int> allBits{3, 131071, 15, 3, 127, 511, 511};
        for (int g = 0; g < FilterTable::groups().size(); ++g) {
            const FilterTable::GroupInfo &group = FilterTable::groups().at(g);
            QCOMPARE(group.title, groupTitles.at(g));
            QCOMPARE(FilterTable::allBits(group.group), allBits.at(g));
            const QList<FilterTable::Box> boxes = FilterTable::boxesOf(group.group);
            for (int k = 0; k < boxes.size(); ++k)
                QCOMPARE(boxes.at(k).bit, k);
        }
        QCOMPARE(FilterTable::boxes().size(), qsizetype(std::size(expected)));
        for (int i = 0; i < FilterTable::boxes().size(); ++i) {
            QCOMPARE(FilterTable::boxes().at(i).label, QString(expected[i].label));
            QCOMPARE(QByteArray(FilterTable::boxes().at(i).signal), QByteArray(expected[i].name));
        }
    }
};

QTEST_MAIN(TestFilterDialog)
#include "tst_filterdialog.moc"
