#include "events/forms/EventForms.h"
#include "events/UpdateDialog.h"
#include "events/UpdateEntry.h"
#include "events/UpdatePage.h"
#include "records/Codes.h"
#include "records/Sim.h"
#include "support/Fixture.h"
#include "support/CapturedStdout.h"
#include "support/DrawnText.h"
#include "support/WidgetLookup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

const QString Separator(40, QLatin1Char('-'));

QAbstractButton *buttonOf(QWidget *widget, const QString &text)
{
    return WidgetLookup::button(widget, text);
}

// Deferred deletions run only when control goes back to an event loop.
// The form that "Add Event" opened last; null when none is open.
UpdateDialog *openForm()
{
    return WidgetLookup::window<UpdateDialog>(QStringLiteral("updateDialog"));
}

void returnToEventLoop()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray fixture(const QString &name)
{
    return Fixture::bytes(name);
}

// Feeds the page the lines of an updates section the way the list file
// hands them over: split at LF, up to the first empty line. Any CR is left
// for the page to cope with.
void loadSection(UpdatePage &page, const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray line : lines) {
        if (QByteArray(line).replace('\r', "").isEmpty())
            break;
        page.loadEvent(QString::fromUtf8(line));
    }
}

// What the window shows of a widget: its pixels as last painted into the
// window, not as the widget would paint them now.
QImage onScreen(QWidget *widget)
{
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(),
                     widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// What is amiss with the page's list on screen, once the window has settled:
// every entry shown below the one before, the texts wanted, the list fitted
// and scrolled as its scroll bar says, the screen showing the list as it is.
// Empty when nothing is.
QString amissOnScreen(UpdatePage &page, const QStringList &wanted)
{
    QCoreApplication::processEvents();
    auto *scroll = page.findChild<QScrollArea *>();
    QWidget *list = scroll->widget();
    QWidget *view = scroll->viewport();
    QScrollBar *bar = scroll->verticalScrollBar();
    QStringList shown;
    int above = -1;
    for (const UpdateEntry *entry : page.pendingEntries()) {
        if (!entry->isVisible() || entry->y() <= above)
            return QString("\"%1\" is not on screen below the entry before it").arg(entry->text());
        above = entry->geometry().bottom();
        shown << entry->text();
    }
    if (shown != wanted)
        return QString("on screen: %1 entries, not %2").arg(shown.size()).arg(wanted.size());
    if (!list->isVisible() || list->size() != list->layout()->minimumSize())
        return QString("the list is not fitted to its entries");
    if (list->y() != -bar->value() || bar->maximum() != qMax(0, list->height() - view->height()))
        return QString("the list is at %1, its scroll bar at %2 of %3")
            .arg(list->y()).arg(bar->value()).arg(bar->maximum());
    if (onScreen(view) != view->grab().toImage().convertToFormat(QImage::Format_RGB32))
        return QString("the screen does not show the list as it is");
    return QString();
}

// Counts the moves of pending entries while it lives. An entry laid out
// again for each entry filed after it moves about once per entry, which
// makes filing thousands take minutes.
class EntryMoves : public QObject
{
public:
    EntryMoves() { qApp->installEventFilter(this); }
    ~EntryMoves() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move && qobject_cast<UpdateEntry *>(watched))
            ++count;
        return false;
    }
};

} // namespace

class TestUpdatePage : public QObject
{
    Q_OBJECT

private:
    std::vector<std::unique_ptr<Sim>> owned;
    SimList sims; // Ana, Bo, Cy, Di

    Sim *makeSim(const QString &name, const QString &household = QStringLiteral("Bo"),
                 bool alive = true)
    {
        owned.push_back(std::make_unique<Sim>());
        Sim *sim = owned.back().get();
        sim->setName(name);
        sim->setHousehold(household);
        sim->setAlive(alive);
        return sim;
    }

    // The page's log of achievements and rotations, in order.
    QStringList log;
    void record(UpdatePage &page)
    {
        connect(&page, &UpdatePage::addToAchievementsPage, this,
                [this, &page](const QString &text, Sim *sim1, Sim *sim2) {
                    log.append(QStringLiteral("%1 [%2,%3] pending %4")
                                   .arg(text, sim1 ? sim1->name() : "-",
                                        sim2 ? sim2->name() : "-")
                                   .arg(page.pendingEntries().size()));
                });
        connect(&page, &UpdatePage::rotate, this, [this] { log.append("rotate"); });
    }

private slots:
    void init()
    {
        sims = {makeSim("Ana"), makeSim("Bo"), makeSim("Cy"), makeSim("Di")};
    }
    void cleanup()
    {
        returnToEventLoop();
        log.clear();
        sims.clear();
        owned.clear();
    }

    void applyRunsEntriesTopFirstThenSeparatorAndRotation()
    {
        UpdatePage page(sims);
        record(page);
        QList<QPointer<UpdateEntry>> entries{
            new UpdateEntry("Ana went fishing.", sims[0], nullptr),
            new UpdateEntry("Bo and Cy went fishing.", sims[1], sims[2]),
            new UpdateEntry("Nobody went fishing.", nullptr, nullptr)};
        for (UpdateEntry *entry : entries)
            page.addEvent(entry);

        QTest::mouseClick(buttonOf(&page, "Apply Updates"), Qt::LeftButton);

        // Each entry leaves the list before it is applied.
        QCOMPARE(log, (QStringList{"Ana went fishing. [Ana,-] pending 2",
                                   "Bo and Cy went fishing. [Bo,Cy] pending 1",
                                   "Nobody went fishing. [-,-] pending 0",
                                   Separator + " [-,-] pending 0", "rotate"}));
        QVERIFY(page.pendingEntries().isEmpty());
        QCOMPARE(page.saveEvents(), QString());
        // Each entry asked for its end from inside its own apply().
        for (const QPointer<UpdateEntry> &entry : entries)
            QVERIFY(!entry.isNull());
        returnToEventLoop();
        for (const QPointer<UpdateEntry> &entry : entries)
            QVERIFY(entry.isNull());
    }

    void applyOnEmptyListLogsSeparatorAndRotates()
    {
        UpdatePage page(sims);
        record(page);
        QTest::mouseClick(buttonOf(&page, "Apply Updates"), Qt::LeftButton);
        QCOMPARE(log, (QStringList{Separator + " [-,-] pending 0", "rotate"}));
    }

    // One press, one rotation: a press that reaches the page while its apply
    // runs (from a nested event loop: a message box, processEvents) starts
    // no second apply, whether it comes as the apply starts, between two
    // entries or from the rotation, on the button or at the slot itself.
    void pressDuringApplyRotatesOnce_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("onButton");
        for (const char *when : {"start", "entry", "rotation"}) {
            QTest::addRow("%s, button", when) << QString(when) << true;
            QTest::addRow("%s, slot", when) << QString(when) << false;
        }
    }
    void pressDuringApplyRotatesOnce()
    {
        QFETCH(QString, when);
        QFETCH(bool, onButton);
        UpdatePage page(sims);
        record(page);
        page.addEvent(new UpdateEntry("Ana went fishing.", sims[0], nullptr));
        page.addEvent(new UpdateEntry("Bo went fishing.", sims[1], nullptr));
        QAbstractButton *apply = buttonOf(&page, "Apply Updates");
        QSignalSpy rotations(&page, &UpdatePage::rotate);

        int presses = 0;
        bool enabledWhilePressed = true;
        // Once only: a page that let the press through would otherwise
        // start apply after apply without end.
        const auto pressAgain = [&] {
            if (presses++ > 0)
                return;
            enabledWhilePressed = apply->isEnabled();
            if (onButton)
                QTest::mouseClick(apply, Qt::LeftButton);
            else
                QMetaObject::invokeMethod(&page, "doUpdate");
        };
        if (when == "start") {
            connect(&page, &UpdatePage::applyStarted, this, pressAgain);
        } else if (when == "entry") {
            connect(&page, &UpdatePage::addToAchievementsPage, this,
                    [&](const QString &text) {
                        if (text == "Ana went fishing.")
                            pressAgain();
                    });
        } else {
            connect(&page, &UpdatePage::rotate, this, pressAgain);
        }

        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(presses, 1);
        QCOMPARE(rotations.count(), 1);
        QCOMPARE(log, (QStringList{"Ana went fishing. [Ana,-] pending 1",
                                   "Bo went fishing. [Bo,-] pending 0",
                                   Separator + " [-,-] pending 0", "rotate"}));
        QVERIFY(!enabledWhilePressed);

        // Once the apply is over, the next press is a rotation of its own.
        QVERIFY(apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(rotations.count(), 2);
    }

    // A double click is one press: its second press, which on a large sheet
    // reaches the window only after the first apply is over, rotates nothing.
    void doubleClickRotatesOnce()
    {
        UpdatePage page(sims);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QAbstractButton *apply = buttonOf(&page, "Apply Updates");
        const QPoint centre = apply->mapTo(&page, apply->rect().center());
        QSignalSpy rotations(&page, &UpdatePage::rotate);
        // Through the window, which makes the second press a double click.
        QTest::mouseDClick(page.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(rotations.count(), 1);
        QTest::mouseClick(page.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(rotations.count(), 2);
    }

    // Presses made while the window is busy applying reach the page only
    // after the apply, from the event queue: they start no second rotation.
    void pressesQueuedDuringApplyAreTurnedAway_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("clicks") << true;
        QTest::newRow("space bar") << false;
    }
    void pressesQueuedDuringApplyAreTurnedAway()
    {
        QFETCH(bool, mouse);
        UpdatePage page(sims);
        page.addEvent(new UpdateEntry("Ana went fishing.", sims[0], nullptr));
        QAbstractButton *apply = buttonOf(&page, "Apply Updates");
        QSignalSpy rotations(&page, &UpdatePage::rotate);
        const QPointF centre = apply->rect().center();
        connect(&page, &UpdatePage::applyStarted, this, [&] {
            for (int press = 0; press < 2; ++press) {
                if (mouse) {
                    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                        QCoreApplication::postEvent(
                            apply, new QMouseEvent(type, centre, apply->mapToGlobal(centre),
                                                   Qt::LeftButton, type == QEvent::MouseButtonPress
                                                       ? Qt::LeftButton : Qt::NoButton,
                                                   Qt::NoModifier));
                    }
                } else {
                    QCoreApplication::postEvent(
                        apply, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
                    QCoreApplication::postEvent(
                        apply, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
                }
            }
        }, Qt::SingleShotConnection);
        QTest::mouseClick(apply, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(rotations.count(), 1);
        QVERIFY(apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(rotations.count(), 2);
    }

    // The button is disabled while it applies, which moves the focus on;
    // a player applying with the keyboard finds it on the button again.
    void keyboardApplyKeepsTheFocus()
    {
        UpdatePage page(sims);
        page.addEvent(new UpdateEntry("Ana went fishing.", sims[0], nullptr));
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QAbstractButton *apply = buttonOf(&page, "Apply Updates");
        apply->setFocus();
        QSignalSpy rotations(&page, &UpdatePage::rotate);
        QTest::keyClick(apply, Qt::Key_Space);
        QCOMPARE(rotations.count(), 1);
        QVERIFY(apply->hasFocus());
    }

    // A break-up reaches every sim of the sheet: Di, who was Ana's before Ana
    // married Bo, still names Ana (as a list saved before marriages let
    // former spouses go may have it) and must let go too.
    void breakUpClearsFormerPartnersOfTheSheet()
    {
        UpdatePage page(sims);
        sims[3]->setSpouse(sims[0]);
        sims[0]->clearSpouse();
        sims[0]->setSpouse(sims[1]);
        QCOMPARE(sims[3]->spouse().data(), sims[0].data());
        page.addEvent(new UpdateEntry("Ana broke up with Bo.", sims[0], sims[1]));
        QTest::mouseClick(buttonOf(&page, "Apply Updates"), Qt::LeftButton);
        QVERIFY(!sims[0]->spouse());
        QVERIFY(!sims[1]->spouse());
        QVERIFY(!sims[3]->spouse());
    }

    void entriesQueuedByTheRotationStayPending()
    {
        UpdatePage page(sims);
        record(page);
        page.addEvent(new UpdateEntry("Ana went fishing.", sims[0], nullptr));
        const QString growUp =
            "Bo grew up well after six PM (eleven AM for pets). (Aspiration: Same)";
        QPointer<UpdateEntry> queued;
        const auto rotation = connect(&page, &UpdatePage::rotate, this, [&] {
            queued = new UpdateEntry(growUp, sims[1], nullptr);
            page.addEvent(queued);
        });

        QTest::mouseClick(buttonOf(&page, "Apply Updates"), Qt::LeftButton);
        returnToEventLoop();
        QVERIFY(queued);
        QCOMPARE(page.pendingEntries(), (QList<UpdateEntry *>{queued.data()}));
        QCOMPARE(page.saveEvents(), "\"" + growUp + "\",1,-1\r\n");
        QCOMPARE(log.size(), 3);

        // The next "Apply Updates" applies it.
        disconnect(rotation);
        log.clear();
        QTest::mouseClick(buttonOf(&page, "Apply Updates"), Qt::LeftButton);
        QCOMPARE(log.first(), growUp + " [Bo,-] pending 0");
        QVERIFY(page.pendingEntries().isEmpty());
        returnToEventLoop();
        QVERIFY(queued.isNull());
    }

    // On a shown tab, whatever files entries, many at once (a list opened,
    // the rotation's grow-ups) or one (a form), leaves every entry on screen
    // in order, the list fitted to them and painted, the scroll bar in step
    // with it and the focus where it was; the entries are deleted and
    // applied as ever.
    void shownListFollowsEveryChange()
    {
        UpdatePage page(sims);
        record(page);
        page.resize(800, 300);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QScrollBar *bar = page.findChild<QScrollArea *>()->verticalScrollBar();

        QStringList opened;
        QStringList lines;
        for (int i = 0; i < 30; ++i) {
            opened << QString("%1 went fishing %2.").arg(sims[i % 4]->name()).arg(i);
            lines << QString("\"%1\",%2,-1").arg(opened.last()).arg(i % 4);
        }
        QStringList grownUp;
        for (int i = 0; i < 12; ++i) {
            grownUp << QString("%1 grew up well after six PM (eleven AM for pets). (Aspiration: "
                               "Same)").arg(sims[i % 4]->name());
        }

        const auto amiss = [&](const QStringList &wanted) { return amissOnScreen(page, wanted); };

        // A list too short to scroll opened, as the sheet opens one, and a
        // form's entry below it.
        page.clearEvents();
        page.loadEvents(lines.mid(0, 2));
        QCOMPARE(amiss(opened.mid(0, 2)), QString());
        page.addEvent(new UpdateEntry("Cy met Di.", sims[2], sims[3]));
        QCOMPARE(amiss(opened.mid(0, 2) + QStringList{"Cy met Di."}), QString());

        // Each entry of a long list is placed once, not again for each
        // entry filed after it.
        page.clearEvents();
        auto moves = std::make_unique<EntryMoves>();
        page.loadEvents(lines);
        QCOMPARE(amiss(opened), QString());
        QCOMPARE(moves->count, opened.size());

        // A form's entry, the focus on a "Delete" button scrolled to.
        bar->setValue(bar->maximum());
        QAbstractButton *deleteLast = buttonOf(page.pendingEntries().last(), "Delete");
        deleteLast->setFocus();
        page.addEvent(new UpdateEntry("Cy met Di.", sims[2], sims[3]));
        QCOMPARE(amiss(opened + QStringList{"Cy met Di."}), QString());
        QCOMPARE(QApplication::focusWidget(), deleteLast);

        QTest::mouseClick(deleteLast, Qt::LeftButton);
        const QString deleted = opened.takeLast();
        opened << "Cy met Di.";
        QCOMPARE(amiss(opened), QString());

        // The rotation files its grow-ups as "Apply Updates" ends.
        connect(&page, &UpdatePage::rotate, this, [&] {
            QList<UpdateEntry *> growUps;
            for (int i = 0; i < grownUp.size(); ++i)
                growUps << new UpdateEntry(grownUp.at(i), sims[i % 4], nullptr);
            page.addEvents(growUps);
        });
        bar->setValue(bar->maximum() / 2);
        moves = std::make_unique<EntryMoves>();
        QTest::mouseClick(buttonOf(&page, "Apply Updates"), Qt::LeftButton);
        QCOMPARE(amiss(grownUp), QString());
        QCOMPARE(moves->count, grownUp.size());
        moves.reset();
        QCOMPARE(log.size(), opened.size() + 2);
        for (int i = 0; i < opened.size(); ++i)
            QVERIFY2(log.at(i).startsWith(opened.at(i) + " ["), qPrintable(log.at(i)));
        QVERIFY(!log.join('\n').contains(deleted));
        QCOMPARE(log.last(), QString("rotate"));
        QCOMPARE(page.saveEvents().count("\r\n"), grownUp.size());

        page.clearEvents();
        QCOMPARE(amiss({}), QString());
    }

    // The tab brought to the front with a long list pending, filed while
    // another tab was in front, shows every entry in order, fitted and
    // painted, and the "Delete" button that had the focus gets it back;
    // "Apply Updates" of them all with the tab in front applies them top
    // first and leaves the list empty on screen.
    void tabBroughtToFrontShowsPendingEntries()
    {
        QTabWidget tabs;
        auto *other = new QLineEdit;
        tabs.addTab(other, "Sims");
        auto *page = new UpdatePage(sims);
        tabs.addTab(page, "Update");
        record(*page);
        tabs.resize(800, 300);
        tabs.show();
        tabs.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tabs));
        other->setFocus();

        QStringList opened;
        QStringList lines;
        for (int i = 0; i < 40; ++i) {
            opened << QString("%1 went fishing %2.").arg(sims[i % 4]->name()).arg(i);
            lines << QString("\"%1\",%2,-1").arg(opened.last()).arg(i % 4);
        }
        page->loadEvents(lines);
        QCoreApplication::processEvents();
        tabs.setCurrentWidget(page);
        QCOMPARE(amissOnScreen(*page, opened), QString());

        QAbstractButton *deleteOne = buttonOf(page->pendingEntries().at(3), "Delete");
        deleteOne->setFocus();
        tabs.setCurrentWidget(other);
        QCOMPARE(QApplication::focusWidget(), other);
        tabs.setCurrentWidget(page);
        QCOMPARE(amissOnScreen(*page, opened), QString());
        QCOMPARE(QApplication::focusWidget(), deleteOne);

        QTest::mouseClick(buttonOf(page, "Apply Updates"), Qt::LeftButton);
        QCOMPARE(amissOnScreen(*page, {}), QString());
        QCOMPARE(log.size(), opened.size() + 2);
        for (int i = 0; i < opened.size(); ++i) {
            QCOMPARE(log.at(i), QString("%1 [%2,-] pending %3")
                                    .arg(opened.at(i), sims[i % 4]->name())
                                    .arg(opened.size() - 1 - i));
        }
        QCOMPARE(log.last(), QString("rotate"));
        QCOMPARE(page->saveEvents(), QString());
    }

    void deleteButtonRemovesOnlyThatEntry()
    {
        UpdatePage page(sims);
        record(page);
        auto *first = new UpdateEntry("Ana went fishing.", sims[0], nullptr);
        QPointer<UpdateEntry> middle = new UpdateEntry("Bo went fishing.", sims[1], nullptr);
        auto *last = new UpdateEntry("Cy went fishing.", sims[2], nullptr);
        page.addEvent(first);
        page.addEvent(middle);
        page.addEvent(last);

        QTest::mouseClick(buttonOf(middle, "Delete"), Qt::LeftButton);
        QCOMPARE(page.pendingEntries(), (QList<UpdateEntry *>{first, last}));
        QCOMPARE(page.saveEvents(),
                 QString("\"Ana went fishing.\",0,-1\r\n\"Cy went fishing.\",2,-1\r\n"));
        QVERIFY(log.isEmpty()); // deleted, not applied
        // Out of the list at once, but destroyed only once the click is over.
        QVERIFY(!middle.isNull());
        returnToEventLoop();
        QVERIFY(middle.isNull());

        QTest::mouseClick(buttonOf(&page, "Apply Updates"), Qt::LeftButton);
        QCOMPARE(log, (QStringList{"Ana went fishing. [Ana,-] pending 1",
                                   "Cy went fishing. [Cy,-] pending 0",
                                   Separator + " [-,-] pending 0", "rotate"}));
    }

    // A pending update that begins with a right-to-left name still reads
    // left to right, beside its "Delete" button: the name at the left, in
    // its own direction, the English words after it. It is saved as given.
    void sentencesReadLeftToRightWhateverTheNames_data()
    {
        DrawnText::addSentencesBeginningWithNames();
    }
    void sentencesReadLeftToRightWhateverTheNames()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, first);
        sims[0]->setName(first);
        UpdatePage page(sims);
        auto *entry = new UpdateEntry(sentence, sims[0], nullptr);
        page.addEvent(entry);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        QLabel *label = entry->findChild<QLabel *>();
        const QList<int> drawn = DrawnText::inkColumns(label);
        QCOMPARE(drawn, DrawnText::inkColumnsLeftToRight(sentence, label->size()));
        const QList<int> name = DrawnText::inkColumnsOf(first, label->size());
        QCOMPARE(drawn.mid(0, name.size()), name);

        QCOMPARE(entry->text(), sentence);
        QCOMPARE(page.saveEvents(), "\"" + sentence + "\",0,-1\r\n");
    }

    void clearEventsEmptiesTheList()
    {
        UpdatePage page(sims);
        QPointer<UpdateEntry> entry = new UpdateEntry("Ana went fishing.", sims[0], nullptr);
        page.addEvent(entry);
        page.clearEvents();
        QVERIFY(page.pendingEntries().isEmpty());
        returnToEventLoop();
        QVERIFY(entry.isNull());
    }

    void savedSectionReadsBackIdentically_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray crlf = fixture("updates_section.txt");
        QTest::newRow("CR LF") << crlf;
        QTest::newRow("LF") << QByteArray(crlf).replace("\r\n", "\n");
        QTest::newRow("CR CR LF") << QByteArray(crlf).replace("\r\n", "\r\r\n");
    }
    void savedSectionReadsBackIdentically()
    {
        QFETCH(QByteArray, bytes);
        const QByteArray crlf = fixture("updates_section.txt");
        const QString section = QString::fromUtf8(crlf.left(crlf.indexOf("\r\n\r\n") + 2));

        UpdatePage page(sims);
        loadSection(page, bytes);
        QCOMPARE(page.saveEvents(), section);

        const QList<UpdateEntry *> entries = page.pendingEntries();
        QCOMPARE(entries.size(), 6);
        QCOMPARE(entries.at(2)->text(), QStringLiteral("Custom: Ana said \"hi\" to Bo, then left."));
        QCOMPARE(entries.at(2)->firstSim(), sims[0].data());
        QCOMPARE(entries.at(2)->secondSim(), sims[1].data());
        QCOMPARE(entries.at(3)->text(), QString());
        QCOMPARE(entries.at(3)->firstSim(), nullptr);
        QCOMPARE(entries.at(4)->text(), QStringLiteral("Ed wrote \"the end\""));
        QCOMPARE(entries.at(5)->firstSim(), nullptr);
        QCOMPARE(entries.at(5)->secondSim(), sims[1].data());

        UpdatePage again(sims);
        loadSection(again, page.saveEvents().toUtf8());
        QCOMPARE(again.saveEvents(), section);
    }

    void badPositionsAndLines()
    {
        UpdatePage page(sims);
        CapturedStdout out;
        loadSection(page, fixture("updates_odd.txt"));
        const QString said = out.text();
        QCOMPARE(said.count(QLatin1Char('\n')), 5);
        QVERIFY(said.contains("\"Bo moved.\",x,1"));
        QVERIFY(said.contains("\"Di moved.\",99999999999,"));
        QVERIFY(said.contains("no quotes at all,1,2"));
        QVERIFY(said.contains("\"unclosed,1,2"));
        QVERIFY(said.contains("\"short\",1"));
        // Positions past the list or negative give no sim; lines of another
        // shape, or with a position that is not a number, are skipped.
        QCOMPARE(page.saveEvents(), QStringLiteral("\"Ana moved.\",0,-1\r\n"
                                                   "\"Cy moved.\",-1,2\r\n"));
    }

    void emptySectionLoadsNothing()
    {
        UpdatePage page(sims);
        loadSection(page, "\r\n\"not an update\",0,0\r\n");
        QVERIFY(page.pendingEntries().isEmpty());
        QCOMPARE(page.saveEvents(), QString());
    }

    void positionsFollowTheCurrentSimList()
    {
        UpdatePage page(sims);
        page.addEvent(new UpdateEntry("Cy met Di.", sims[2], sims[3]));
        page.setSimList({sims[3], sims[0], sims[1]});
        QCOMPARE(page.saveEvents(), QStringLiteral("\"Cy met Di.\",-1,0\r\n"));
    }

    void livingSimsFollowTheList()
    {
        Sim *ghost = makeSim("Ed", "Bo", false);
        UpdatePage page({sims[0], ghost, sims[1]});
        QCOMPARE(page.allSims().size(), 3);
        QCOMPARE(page.livingSims(), (SimList{sims[0], sims[1]}));
        ghost->setAlive(true);
        page.setSimList({ghost, sims[2]});
        QCOMPARE(page.livingSims(), (SimList{ghost, sims[2]}));
    }

    void categoryChoiceFillsTheEventBox()
    {
        UpdatePage page(sims);
        auto *category = page.findChild<QComboBox *>("categoryBox");
        auto *events = page.findChild<QComboBox *>("specificBox");
        QAbstractButton *addEvent = buttonOf(&page, "Add Event");
        QVERIFY(category && events && addEvent);
        QCOMPARE(events->count(), 0);
        QVERIFY(!addEvent->isEnabled());

        category->setCurrentText("Supernatural");
        QCOMPARE(events->count(), 0);
        QVERIFY(!addEvent->isEnabled());

        category->setCurrentText("Changes");
        QCOMPARE(events->currentText(), QStringLiteral("Changing names"));
        QCOMPARE(events->count(), 2);
        QVERIFY(addEvent->isEnabled());

        // New packs show only once a category is chosen again.
        page.setEPFlags(EPFlags::All);
        QCOMPARE(events->itemText(1), QStringLiteral("Changing aspirations"));
        category->setCurrentText("Supernatural");
        QCOMPARE(events->count(), 9);

        category->setCurrentText("Select a Catagory");
        QCOMPARE(events->count(), 0);
        QVERIFY(!addEvent->isEnabled());
    }

    void householdListKeepsPlayableHouseholdsOnce()
    {
        const SimList list{makeSim("A", "Hale"), makeSim("B", "At Large"),
                           makeSim("C", "Townies and Dormies"), makeSim("D", "Hale"), nullptr,
                           makeSim("E", "Graves", false), makeSim("F", "Runaways")};
        QCOMPARE(EventForms::playableHouseholds(list),
                 (QStringList{"Hale", "At Large", "Graves"}));
    }

    void addEventOpensAFreshFormEachTime()
    {
        UpdatePage page(sims);
        page.setRotationTime(3);
        page.findChild<QComboBox *>("categoryBox")->setCurrentText("Other");
        QTest::mouseClick(buttonOf(&page, "Add Event"), Qt::LeftButton);
        QPointer<UpdateDialog> first = openForm();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        first->findChild<QLineEdit *>()->setText("typed in the first form");

        QTest::mouseClick(buttonOf(&page, "Add Event"), Qt::LeftButton);
        QVERIFY(first.isNull());
        QVERIFY(openForm());
        QVERIFY(openForm()->findChild<QLineEdit *>()->text().isEmpty());

        // The form files into the page.
        openForm()->findChild<QLineEdit *>()->setText("Ana went fishing.");
        QTest::mouseClick(buttonOf(openForm(), "Add"), Qt::LeftButton);
        QCOMPARE(page.pendingEntries().size(), 1);
        QCOMPARE(page.pendingEntries().first()->firstSim(), sims[0].data());
    }

    void householdHoldWithoutPlayableHouseholdsIsRefused()
    {
        UpdatePage page({makeSim("Tom", "Townies and Dormies"), makeSim("Rua", "Runaways")});
        page.findChild<QComboBox *>("categoryBox")->setCurrentText("Aging");
        page.findChild<QComboBox *>("specificBox")->setCurrentText("Household Holds");
        QTest::mouseClick(buttonOf(&page, "Add Event"), Qt::LeftButton);
        UpdateDialog *form = openForm();
        QVERIFY(form);
        QTest::mouseClick(buttonOf(form, "Add"), Qt::LeftButton);
        QVERIFY(page.pendingEntries().isEmpty());
        QVERIFY(form->isVisible());
        QCOMPARE(WidgetLookup::labelText(form, "warningLabel"), QStringLiteral("One of the choices has nothing to choose from, "
                                                 "so this update cannot be added."));
    }

    void eventWithoutAFormOpensNothing()
    {
        UpdatePage page(sims);
        page.findChild<QComboBox *>("categoryBox")->setCurrentText("Other");
        auto *events = page.findChild<QComboBox *>("specificBox");
        events->addItem("An event nobody wrote a form for");
        events->setCurrentIndex(events->count() - 1);
        QTest::mouseClick(buttonOf(&page, "Add Event"), Qt::LeftButton);
        QVERIFY(!openForm());
        QVERIFY(page.pendingEntries().isEmpty());
    }

    void dayFieldFollowsRotationTime()
    {
        UpdatePage page(sims);
        page.setRotationTime(3);
        page.findChild<QComboBox *>("categoryBox")->setCurrentText("New Sims and Pets");
        QTest::mouseClick(buttonOf(&page, "Add Event"), Qt::LeftButton);
        QVERIFY(openForm());
        auto *day = openForm()->findChild<QSpinBox *>();
        QVERIFY(day);
        QCOMPARE(day->minimum(), 1);
        QCOMPARE(day->maximum(), 3);
    }
};

QTEST_MAIN(TestUpdatePage)
#include "tst_updatepage.moc"
