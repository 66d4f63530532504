// Times what sorts sims or records by name, each at three sizes doubling:
//  - the update form of "Individual Holds" and of "Ordinary Babies", whose
//    sim boxes list the sheet's living sims sorted by name, opened from the
//    Update tab on sheets of 5,000, 10,000 and 20,000 sims;
//  - the family browser opened from the Family Ties tab, and a filter
//    toggle while it is open, which hands it the sheet's list again, on
//    sheets of 2,500, 5,000 and 10,000 sims;
//  - reading an export of 4,000, 8,000 and 16,000 rows into the import's
//    three sorted record lists.
// The sheets are filled by an import of a made-up export. Each time is the
// best of a few runs on fresh windows; each doubling should take about
// twice as long.
//
// usage: bench_namesort [--runs N]
// The working folder is a temporary one while the bench runs.

#include "BenchSupport.h"

#include "dialogs/ExportReader.h"
#include "events/UpdatePage.h"
#include "pages/FamilyPage.h"
#include "sheet/MainWindow.h"
#include "sheet/Tolvane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

namespace {

void choose(QWidget *root, const char *comboName, const QString &text)
{
    auto *combo = root->findChild<QComboBox *>(QLatin1String(comboName));
    const int index = combo ? combo->findText(text) : -1;
    if (index < 0)
        qFatal("no choice %s", qPrintable(text));
    combo->setCurrentIndex(index);
}

// A shown window whose sheet holds the sims of an export of `sims` rows.
struct Sheet
{
    MainWindow window;
    Tolvane *sheet;

    explicit Sheet(int sims)
    {
        installItemModels(&window);
        window.show();
        sheet = qobject_cast<Tolvane *>(window.centralWidget());
        Bench::importOnto(sheet, Bench::exportOf(sims));
    }
};

double openForm(UpdatePage *updates, const QString &category, const QString &event)
{
    choose(updates, "categoryBox", category);
    choose(updates, "specificBox", event);
    QAbstractButton *add = Bench::buttonOf(updates, QStringLiteral("Add Event"));
    return Bench::msOf([&] { add->click(); });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = Bench::runsOf(app.arguments(), 3);

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        qFatal("cannot make a working folder");
    Bench::guardBoxes();
    FILE *table = Bench::tableStream();

    Bench::Doubling holds(QStringLiteral("update form: Individual Holds"), 5000);
    Bench::Doubling babies(QStringLiteral("update form: Ordinary Babies"), 5000);
    Bench::Doubling browser(QStringLiteral("family browser: open"), 2500);
    Bench::Doubling toggle(QStringLiteral("filter toggle, browser open"), 2500);
    Bench::Doubling reader(QStringLiteral("export read"), 4000);
    for (int run = 0; run < runs; ++run) {
        for (int size : holds.sizes) {
            Sheet sheet(size);
            auto *updates = sheet.sheet->findChild<UpdatePage *>();
            holds.keep(size, openForm(updates, QStringLiteral("Aging"),
                                      QStringLiteral("Individual Holds")));
            babies.keep(size, openForm(updates, QStringLiteral("New Sims and Pets"),
                                       QStringLiteral("Ordinary Babies")));
        }
        for (int size : browser.sizes) {
            Sheet sheet(size);
            auto *family = sheet.sheet->findChild<FamilyPage *>();
            // The first sim of the list is the one the browser shows.
            QMetaObject::invokeMethod(sheet.sheet, "doUpdate", Q_ARG(int, 0));
            QAbstractButton *open = Bench::buttonOf(family, QStringLiteral("Add or Edit Family"));
            browser.keep(size, Bench::msOf([&] { open->click(); }));
            toggle.keep(size, Bench::msOf([&] {
                QMetaObject::invokeMethod(sheet.sheet, "setDeadFilter", Q_ARG(bool, false));
            }));
        }
        for (int size : reader.sizes) {
            const QByteArray bytes = Bench::exportOf(size);
            reader.keep(size, Bench::msOf([&] {
                if (ExportReader::read(bytes).recordCount() != size)
                    qFatal("the export read lost rows");
            }));
        }
    }
    Bench::print(table, {holds, babies, browser, toggle, reader});
    std::fclose(table);
    return 0;
}
