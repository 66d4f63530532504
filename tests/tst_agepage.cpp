#include "pages/AgePage.h"
#include "support/ChooserAnswer.h"
#include "support/WidgetLookup.h"

#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using WidgetLookup::button;

namespace {

const QStringList rowButtons{"Edit Selected Sim", "Add Notes", "Add Image"};

// The sim model as the sheet fills it; the names are in no particular order.
QStandardItemModel *simModel(QObject *owner)
{
    auto *model = new QStandardItemModel(0, 5, owner);
    model->setHorizontalHeaderLabels({"Sim", "Household", "Age", "Life Stage", "Aspiration"});
    const QList<QStringList> rows{{"Zed Cole", "Cole", "20 days old", "Teen", "Fortune"},
                                  {"Bea <b>Ray</b>", "Ray", "40 days old", "Adult", "Family"},
                                  {"Moe Lin", "Lin", "70 days old", "Elder", "Knowledge"},
                                  {"Ann Lee", "Lee", "2 days old", "Baby", "None"}};
    for (const QStringList &row : rows) {
        QList<QStandardItem *> items;
        for (const QString &text : row)
            items.append(new QStandardItem(text));
        model->appendRow(items);
    }
    return model;
}

} // namespace

class TestAgePage : public QObject
{
    Q_OBJECT

private:
    AgePage *page = nullptr;
    QStandardItemModel *model = nullptr;
    QTreeView *view = nullptr;

    void selectName(const QString &name)
    {
        QVERIFY2(WidgetLookup::clickRow(view, name), qPrintable(name));
    }
    QLabel *imagePane() const
    {
        // The pane between "Add Image" and the notes.
        const auto labels = page->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (!label->text().startsWith("Notes for "))
                return label;
        }
        return nullptr;
    }
    QLabel *notesLabel() const
    {
        const auto labels = page->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (label->text().startsWith("Notes for "))
                return label;
        }
        return nullptr;
    }

private slots:
    void init()
    {
        page = new AgePage(nullptr);
        model = simModel(page);
        view = page->findChild<QTreeView *>();
    }
    void cleanup()
    {
        delete page;
        page = nullptr;
    }

    void buttonsAndTheirSignals()
    {
        QCOMPARE(page->sourceModel(), nullptr);
        for (const QString &text : rowButtons)
            QVERIFY2(!button(page, text)->isEnabled(), qPrintable(text));
        QCOMPARE(notesLabel()->text(), QString("Notes for "));

        QSignalSpy lists(page, &AgePage::newListManagementDialog);
        QSignalSpy addSim(page, &AgePage::newAddSimDialog);
        QSignalSpy filter(page, &AgePage::newFilterDialog);
        QSignalSpy settings(page, &AgePage::newSettingsDialog);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QTest::mouseClick(button(page, "&Manage Sim Lists..."), Qt::LeftButton);
        QTest::mouseClick(button(page, "Add &New Sim"), Qt::LeftButton);
        QTest::mouseClick(button(page, "Filter List..."), Qt::LeftButton);
        QTest::mouseClick(button(page, "Filter List..."), Qt::LeftButton);
        QTest::mouseClick(button(page, "&Settings..."), Qt::LeftButton);
        QCOMPARE(lists.size(), 1);
        QCOMPARE(addSim.size(), 1);
        QCOMPARE(filter.size(), 2);
        QCOMPARE(settings.size(), 1);
    }

    void rowSignalsCarryModelRows()
    {
        page->setModel(model);
        page->sortList();
        QCOMPARE(page->sourceModel(), model);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QCOMPARE(view->model()->index(0, 0).data().toString(), QString("Ann Lee"));

        QSignalSpy updates(page, &AgePage::update);
        QSignalSpy edits(page, &AgePage::newEditSimDialog);
        QSignalSpy notes(page, &AgePage::newAddNotesDialog);
        selectName("Ann Lee");
        QCOMPARE(updates.last().at(0).toInt(), 3);
        for (const QString &text : rowButtons)
            QVERIFY2(button(page, text)->isEnabled(), qPrintable(text));
        QTest::mouseClick(button(page, "Edit Selected Sim"), Qt::LeftButton);
        QTest::mouseClick(button(page, "Add Notes"), Qt::LeftButton);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits.at(0).at(0).toInt(), 3);
        QCOMPARE(notes.at(0).at(0).toInt(), 3);

        selectName("Moe Lin");
        QCOMPARE(updates.last().at(0).toInt(), 2);

        // Sorted by age, the view's rows differ again from the model's.
        view->sortByColumn(2, Qt::AscendingOrder);
        selectName("Zed Cole");
        QCOMPARE(updates.last().at(0).toInt(), 0);
        QTest::mouseClick(button(page, "Edit Selected Sim"), Qt::LeftButton);
        QCOMPARE(edits.last().at(0).toInt(), 0);

        // Losing the current row sends no row at all.
        const int sent = int(updates.size());
        view->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        QCOMPARE(updates.size(), sent);
        for (const QString &text : rowButtons)
            QVERIFY2(!button(page, text)->isEnabled(), qPrintable(text));
    }

    void sortListRestoresNameOrder()
    {
        page->setModel(model);
        view->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(view->model()->index(0, 0).data().toString(), QString("Ann Lee"));
        page->sortList();
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            names.append(view->model()->index(row, 0).data().toString());
        QCOMPARE(names, QStringList({"Ann Lee", "Bea <b>Ray</b>", "Moe Lin", "Zed Cole"}));
    }

    void rebuildFitsTheFirstFourColumns()
    {
        page->setModel(model);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        for (int column = 0; column < 4; ++column)
            view->setColumnWidth(column, 3);
        // The width the player gave "Aspiration" stays.
        view->setColumnWidth(4, 333);
        page->setModel(model);
        for (int column = 0; column < 4; ++column) {
            int widest = view->header()->sectionSizeHint(column);
            for (int row = 0; row < model->rowCount(); ++row) {
                const QString text = model->index(row, column).data().toString();
                widest = qMax(widest, view->fontMetrics().horizontalAdvance(text));
            }
            QVERIFY2(view->columnWidth(column) >= widest, qPrintable(QString::number(column)));
        }
        QCOMPARE(view->columnWidth(4), 333);
    }

    void notesPane_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("notes") << "Ann Lee" << "Likes cats" << "Notes for Ann Lee:\n\nLikes cats";
        QTest::newRow("no notes") << "Ann Lee" << "" << "Notes for Ann Lee:\n\n";
        QTest::newRow("markup") << "Bea <b>Ray</b>" << "<i>hates</i> dogs"
                                << "Notes for Bea <b>Ray</b>:\n\n<i>hates</i> dogs";
    }
    void notesPane()
    {
        QFETCH(QString, name);
        QFETCH(QString, notes);
        QFETCH(QString, shown);
        page->setModel(model);
        page->sortList();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        selectName(name);
        page->showNotes(notes);
        QCOMPARE(notesLabel()->text(), shown);
        QCOMPARE(notesLabel()->textFormat(), Qt::PlainText);
    }

    void imagesFitTheSquare_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("wide") << QSize(300, 100) << QSize(150, 50);
        QTest::newRow("tall") << QSize(60, 120) << QSize(75, 150);
        QTest::newRow("small square") << QSize(50, 50) << QSize(150, 150);
    }
    void imagesFitTheSquare()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        QTemporaryDir dir;
        const QString file = dir.filePath("picture.jpg");
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(file));

        page->showImage(file);
        QVERIFY(button(page, "Add Image")->isEnabled());
        QCOMPARE(imagePane()->pixmap().size(), shown);
        QCOMPARE(imagePane()->text(), QString());
    }

    void unloadableImageShowsItsPath()
    {
        QTemporaryDir dir;
        const QString textFile = dir.filePath("<b>notes.jpg");
        QFile file(textFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();

        page->showImage(textFile);
        QCOMPARE(imagePane()->text(), textFile);
        QCOMPARE(imagePane()->textFormat(), Qt::PlainText);
        QVERIFY(imagePane()->pixmap().isNull());

        const QString gone = dir.filePath("gone.gif");
        page->showImage(gone);
        QCOMPARE(imagePane()->text(), gone);

        page->showImage(QString());
        QCOMPARE(imagePane()->text(), QString());
        QVERIFY(imagePane()->pixmap().isNull());
    }

    void choosingAnImage()
    {
        page->setModel(model);
        page->sortList();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        selectName("Ann Lee");

        QTemporaryDir dir;
        // On this system a backslash is part of a file name; the sheet stores "/" only.
        const QString chosen = dir.filePath("C:\\Pictures\\ann.jpg");
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(chosen, "JPG"));

        QSignalSpy assigned(page, &AgePage::assignImageFile);
        QSignalSpy updates(page, &AgePage::update);
        QStringList order;
        connect(page, &AgePage::assignImageFile, this, [&order] { order.append("assign"); });
        connect(page, &AgePage::update, this, [&order] { order.append("update"); });
        {
            ChooserAnswer answer(chosen);
            QTest::mouseClick(button(page, "Add Image"), Qt::LeftButton);
            QCOMPARE(answer.nameFilters, QStringList{"Images (*.jpg *.gif)"});
        }
        QCOMPARE(assigned.size(), 1);
        QCOMPARE(assigned.at(0).at(0).toInt(), 3);
        QCOMPARE(assigned.at(0).at(1).toString(), dir.path() + "/C:/Pictures/ann.jpg");
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0).at(0).toInt(), 3);
        QCOMPARE(order, QStringList({"assign", "update"}));

        {
            ChooserAnswer cancel{QString()};
            QTest::mouseClick(button(page, "Add Image"), Qt::LeftButton);
        }
        QCOMPARE(assigned.size(), 1);
        QCOMPARE(updates.size(), 1);
    }

    void resetState()
    {
        page->setModel(model);
        page->sortList();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        selectName("Moe Lin");
        page->showNotes("Retired");
        page->showImage("/no/such/picture.jpg");

        QSignalSpy updates(page, &AgePage::update);
        page->reset();
        QCOMPARE(updates.size(), 0);
        for (const QString &text : rowButtons)
            QVERIFY2(!button(page, text)->isEnabled(), qPrintable(text));
        QCOMPARE(notesLabel()->text(), QString("Notes for "));
        QCOMPARE(imagePane()->text(), QString());
        QVERIFY(imagePane()->pixmap().isNull());
        QVERIFY(!view->currentIndex().isValid());
        QVERIFY(!view->selectionModel()->hasSelection());
    }
};

QTEST_MAIN(TestAgePage)
#include "tst_agepage.moc"
