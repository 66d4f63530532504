#include "BenchSupport.h"

#include "dialogs/ImportDialog.h"
#include "sheet/Tolvane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <unistd.h>

namespace Bench {

double msOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

QAbstractButton *buttonOf(QWidget *root, const QString &text)
{
    const auto buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    qFatal("no button %s", qPrintable(text));
    return nullptr;
}

Doubling::Doubling(const QString &caseName, int n)
    : name(caseName)
    , sizes{n, 2 * n, 4 * n}
{
    std::fill(std::begin(ms), std::end(ms), std::numeric_limits<double>::max());
}

void Doubling::keep(int size, double milliseconds)
{
    for (int i = 0; i < 3; ++i) {
        if (sizes[i] == size)
            ms[i] = std::min(ms[i], milliseconds);
    }
}

ShownSheet::ShownSheet()
{
    installItemModels(&window);
    window.show();
    sheet = qobject_cast<Tolvane *>(window.centralWidget());
}

double ShownSheet::bringToFront(QWidget *tab)
{
    if (!tab)
        qFatal("no such tab");
    return msOf([&] {
        sheet->setCurrentWidget(tab);
        QCoreApplication::processEvents();
    });
}

double ShownSheet::open(const QString &list)
{
    return msOf([&] {
        if (!QMetaObject::invokeMethod(sheet, "open", Q_ARG(QString, list), Q_ARG(int, 4)))
            qFatal("no slot open");
        QCoreApplication::processEvents();
    });
}

void print(FILE *out, const QList<Doubling> &cases)
{
    QTextStream text(out);
    text << QStringLiteral("case").leftJustified(32) << QStringLiteral("n").rightJustified(6)
         << QStringLiteral("at n").rightJustified(12) << QStringLiteral("at 2n").rightJustified(12)
         << QStringLiteral("at 4n").rightJustified(12) << QStringLiteral("2n/n").rightJustified(7)
         << QStringLiteral("4n/2n").rightJustified(7) << "\n";
    for (const Doubling &line : cases) {
        text << line.name.leftJustified(32) << QString::number(line.sizes[0]).rightJustified(6);
        for (double ms : line.ms)
            text << (QString::number(ms, 'f', 1) + QStringLiteral(" ms")).rightJustified(12);
        text << QString::number(line.ms[1] / line.ms[0], 'f', 2).rightJustified(7)
             << QString::number(line.ms[2] / line.ms[1], 'f', 2).rightJustified(7) << "\n";
    }
    text.flush();
}

FILE *tableStream()
{
    std::fflush(stdout);
    FILE *table = fdopen(dup(fileno(stdout)), "w");
    if (!table || !std::freopen("/dev/null", "w", stdout))
        qFatal("cannot silence standard output");
    return table;
}

int runsOf(const QStringList &arguments, int fallback)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--runs"));
    if (at < 0 || at + 1 >= arguments.size())
        return fallback;
    return std::max(1, arguments.at(at + 1).toInt());
}

namespace {

// A small linear congruential generator: the same export on every machine.
class Numbers
{
public:
    unsigned next(unsigned below)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return unsigned((m_state >> 33) % below);
    }

private:
    unsigned long long m_state = 7;
};

const char *const firstNames[] = {
    "Ada",   "Bo",    "Cy",     "Dee",   "Eli",   "Fay",    "Gus",   "Hal",  "Ivy",  "Jo",
    "Kai",   "Lu",    "Mo",     "Ned",   "Oda",   "Pia",    "Quin",  "Rae",  "Sol",  "Tess",
    "Uma",   "Vic",   "Wes",    "Xia",   "Yul",   "Zoe",    "Ansel", "Brit", "Cora", "Dmitri",
    "Elke",  "Frans", "Greta",  "Hugo",  "Ines",  "Jonas",  "Karin", "Lars", "Mira", "Nils"};

struct Row
{
    int nid = 0;
    QByteArray first, last, description, household, gender, stage;
    int instance = 0;
    int parentA = -1, parentB = -1, spouse = -1;
};

QByteArray field(int value)
{
    return value < 0 ? QByteArray() : QByteArray::number(value);
}

} // namespace

QByteArray exportOf(int rows)
{
    Numbers numbers;
    QList<Row> made;
    made.reserve(rows);
    auto add = [&](const QByteArray &last, const QByteArray &household, int instance,
                   const QByteArray &gender, const QByteArray &stage) -> Row & {
        Row row;
        row.nid = 1000 + 3 * int(made.size());
        row.first = firstNames[numbers.next(std::size(firstNames))];
        row.last = last;
        // Half the sims have no description, so first names alone often
        // make equal keys.
        if (numbers.next(2))
            row.description = "A sim of " + household;
        row.household = household;
        row.instance = instance;
        row.gender = gender;
        row.stage = stage;
        made.append(row);
        return made.last();
    };

    const int families = rows * 85 / 100;
    for (int family = 1; made.size() < families; ++family) {
        const QByteArray name = "Fam" + QByteArray::number(family);
        const int instance = 1 + family % 32000;
        const int father = int(made.size());
        add(name, name, instance, "Male", "Adult");
        add(name, name, instance, "Female", "Adult");
        made[father].spouse = made[father + 1].nid;
        made[father + 1].spouse = made[father].nid;
        const unsigned children = 1 + numbers.next(4);
        for (unsigned c = 0; c < children && made.size() < families; ++c) {
            Row &child = add(name, name, instance, numbers.next(2) ? "Male" : "Female",
                             numbers.next(2) ? "Child" : "Teen");
            child.parentA = made[father].nid;
            child.parentB = made[father + 1].nid;
        }
    }
    while (made.size() < rows * 95 / 100)
        add("Townie", "Townies", 32762, numbers.next(2) ? "Male" : "Female", "Adult");
    while (made.size() < rows)
        add("Service", "Service NPCs", 32767, numbers.next(2) ? "Male" : "Female", "Adult");

    // The editor lists sims in its own order: children may come before
    // their parents.
    for (qsizetype i = made.size() - 1; i > 0; --i)
        made.swapItemsAt(i, numbers.next(unsigned(i + 1)));

    QByteArray bytes =
        "hood,HoodName,NID,FirstName,LastName,SimDescription,FamilyInstance,HouseholdName,"
        "ParentA,ParentB,Spouse,Gender,LifeSection,AgeDaysLeft,IsAtUniversity,UniSemester,"
        "UniMajor,Species,PrimaryAspiration,SecondaryAspiration,LifetimeWant\r\n";
    for (const Row &row : std::as_const(made)) {
        const QList<QByteArray> fields{"N001",
                                       "Pleasantview",
                                       QByteArray::number(row.nid),
                                       row.first,
                                       row.last,
                                       row.description,
                                       QByteArray::number(row.instance),
                                       row.household,
                                       field(row.parentA),
                                       field(row.parentB),
                                       field(row.spouse),
                                       row.gender,
                                       row.stage,
                                       QByteArray::number(numbers.next(10)),
                                       "N",
                                       "0",
                                       "",
                                       "Human",
                                       "Fortune",
                                       "Family",
                                       "Become a Business Tycoon"};
        bytes += fields.join(',') + "\r\n";
    }
    return bytes;
}

void guardBoxes()
{
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!box->text().startsWith(QLatin1String("Loaded data for ")))
            qFatal("a message box stopped the run: %s", qPrintable(box->text()));
        box->button(QMessageBox::Ok)->click();
    });
    watch->start(5);
}

double importOnto(Tolvane *sheet, const QByteArray &exportBytes)
{
    QDir().mkpath(QStringLiteral("Veldo"));
    QFile file(QStringLiteral("Veldo/ExportedSims.txt"));
    if (!file.open(QIODevice::WriteOnly) || file.write(exportBytes) != exportBytes.size())
        qFatal("cannot write the export");
    file.close();

    ImportDialog dialog(QDir::currentPath(), 0);
    // The list dialog relays both signals to these slots of the sheet.
    QObject::connect(&dialog, SIGNAL(addSim(Sim *)), sheet, SLOT(newSim(Sim *)));
    QObject::connect(&dialog, SIGNAL(updateModels()), sheet, SLOT(updateModels()));
    QAbstractButton *import = nullptr;
    const auto buttons = dialog.findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->text().startsWith(QLatin1String("Select All ")))
            button->click();
        else if (button->text() == QLatin1String("Import"))
            import = button;
    }
    if (!import)
        qFatal("no Import button");
    dialog.show();
    return msOf([&] { import->click(); });
}

} // namespace Bench
