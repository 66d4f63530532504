// Measures the Family Ties walk on large sheets and prints two ratios:
//  - showing the family of the 100 sims with the most relatives, against a
//    plain traversal of the same sims' ancestor and descendant links;
//  - the family of the last of 20 generations of brother-sister couples,
//    against the same family at 10 generations.
//
// usage: bench_family [LIST.sls]
// With a list file (format 0.5, for instance one written by gen_sheet.py) it
// reads the sims and family links from it; without one it builds families
// of the same kind: 10,000 sims in generations whose children marry across
// the whole generation, so that cousins marry and ancestors repeat.

#include "pages/FamilyPage.h"
#include "pages/KinWalk.h"
#include "records/Console.h"
#include "records/Sim.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardItemModel>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Sheet
{
    std::vector<std::unique_ptr<Sim>> owned;
    SimList sims;

    Sim *add(const QString &name, int gender)
    {
        owned.push_back(std::make_unique<Sim>(name, 40, gender, 1, 0, true, 0, QString(), QString()));
        owned.back()->setHousehold(QStringLiteral("Family"));
        sims.append(owned.back().get());
        return owned.back().get();
    }
};

// The sims section and the family-link section of a list file; the sections
// between them are skipped.
bool readListFile(const QString &path, Sheet &sheet)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    auto nextLine = [&in] { return in.readLine().remove(QLatin1Char('\r')); };
    for (QString line = nextLine(); !line.isEmpty(); line = nextLine()) {
        sheet.owned.push_back(std::make_unique<Sim>());
        sheet.owned.back()->fromString(line, 4);
        sheet.sims.append(sheet.owned.back().get());
    }
    while (!nextLine().isEmpty()) { } // updates
    while (!nextLine().isEmpty()) { } // achievements
    nextLine();                       // settings line
    while (!nextLine().isEmpty()) { } // households
    for (int i = 0; i < sheet.sims.size(); ++i) {
        const QString line = nextLine();
        if (line.isEmpty())
            break;
        sheet.sims.at(i)->familyLinksFromString(line, sheet.sims);
    }
    return true;
}

// Founding couples have one to four children each; the children of a
// generation are shuffled and married man to woman across the whole
// generation, and their children form the next.
void buildMarryingFamilies(Sheet &sheet, int total)
{
    QRandomGenerator random(7);
    QList<QPair<Sim *, Sim *>> couples;
    for (int f = 0; f < total / 40; ++f) {
        Sim *man = sheet.add(QStringLiteral("Man %1").arg(f), Gender::Male);
        Sim *woman = sheet.add(QStringLiteral("Woman %1").arg(f), Gender::Female);
        man->setSpouse(woman);
        couples.append(qMakePair(man, woman));
    }
    while (sheet.sims.size() < total && !couples.isEmpty()) {
        QList<Sim *> children;
        for (const auto &couple : std::as_const(couples)) {
            const int count = 1 + int(random.bounded(4));
            for (int c = 0; c < count && sheet.sims.size() < total; ++c) {
                Sim *child = sheet.add(QStringLiteral("Child %1").arg(sheet.sims.size()),
                                       random.bounded(2) ? Gender::Male : Gender::Female);
                child->setParents(couple.first, couple.second);
                children.append(child);
            }
        }
        std::shuffle(children.begin(), children.end(), random);
        QList<Sim *> men;
        QList<Sim *> women;
        for (Sim *child : std::as_const(children))
            (child->gender() == Gender::Male ? men : women).append(child);
        couples.clear();
        for (int i = 0; i < qMin(men.size(), women.size()); ++i) {
            men.at(i)->setSpouse(women.at(i));
            couples.append(qMakePair(men.at(i), women.at(i)));
        }
    }
    while (sheet.sims.size() < total)
        sheet.add(QStringLiteral("Townie %1").arg(sheet.sims.size()), Gender::Female);
}

Sim *buildPedigree(Sheet &sheet, int generations)
{
    Sim *father = nullptr;
    Sim *mother = nullptr;
    for (int g = 0; g < generations; ++g) {
        Sim *adam = sheet.add(QStringLiteral("Adam %1").arg(g), Gender::Male);
        Sim *eve = sheet.add(QStringLiteral("Eve %1").arg(g), Gender::Female);
        adam->setParents(father, mother);
        eve->setParents(father, mother);
        adam->setSpouse(eve);
        father = adam;
        mother = eve;
    }
    return father;
}

// Every sim reached through parent links, and every sim below the focus sim
// or one of those ancestors through children lists, each once.
int plainTraversal(const Sim *focus)
{
    QSet<const Sim *> ancestors{focus};
    QList<const Sim *> todo{focus};
    while (!todo.isEmpty()) {
        const Sim *sim = todo.takeLast();
        for (const Sim *parent : {sim->parent1().data(), sim->parent2().data()}) {
            if (parent && !ancestors.contains(parent)) {
                ancestors.insert(parent);
                todo.append(parent);
            }
        }
    }
    QSet<const Sim *> reached = ancestors;
    todo = QList<const Sim *>(ancestors.cbegin(), ancestors.cend());
    while (!todo.isEmpty()) {
        const Sim *sim = todo.takeLast();
        for (int i = 0; const Sim *child = sim->child(i).data(); ++i) {
            if (!reached.contains(child)) {
                reached.insert(child);
                todo.append(child);
            }
        }
    }
    return int(reached.size()) - 1;
}

// The number of relatives of every sim, counted as plainTraversal counts
// them, over positions in the list: counting all sims must not leave the
// heap fragmented before anything is timed.
QList<int> relativeCounts(const SimList &sims)
{
    QHash<const Sim *, int> position;
    for (int i = 0; i < sims.size(); ++i)
        position.insert(sims.at(i), i);
    std::vector<std::vector<int>> parents(sims.size());
    std::vector<std::vector<int>> children(sims.size());
    for (int i = 0; i < sims.size(); ++i) {
        for (const Sim *parent : {sims.at(i)->parent1().data(), sims.at(i)->parent2().data()}) {
            if (parent && position.contains(parent))
                parents[i].push_back(position.value(parent));
        }
        for (int c = 0; const Sim *child = sims.at(i)->child(c).data(); ++c) {
            if (position.contains(child))
                children[i].push_back(position.value(child));
        }
    }
    QList<int> counts;
    std::vector<int> mark(sims.size(), -1);
    std::vector<int> todo;
    for (int focus = 0; focus < sims.size(); ++focus) {
        std::vector<int> ancestors{focus};
        mark[focus] = focus;
        todo = {focus};
        while (!todo.empty()) {
            const int sim = todo.back();
            todo.pop_back();
            for (int parent : parents[sim]) {
                if (mark[parent] != focus) {
                    mark[parent] = focus;
                    ancestors.push_back(parent);
                    todo.push_back(parent);
                }
            }
        }
        int reached = int(ancestors.size());
        todo = ancestors;
        while (!todo.empty()) {
            const int sim = todo.back();
            todo.pop_back();
            for (int child : children[sim]) {
                if (mark[child] != focus) {
                    mark[child] = focus;
                    ++reached;
                    todo.push_back(child);
                }
            }
        }
        counts.append(reached - 1);
    }
    return counts;
}

// The best of `runs` timings of each job, in milliseconds. The jobs take
// turns, so that a slow moment of the machine falls on all of them.
QList<double> bestOf(int runs, const QList<std::function<void()>> &work)
{
    QList<double> best(work.size(), -1);
    for (int r = 0; r < runs; ++r) {
        for (int w = 0; w < work.size(); ++w) {
            QElapsedTimer timer;
            timer.start();
            work.at(w)();
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            if (best.at(w) < 0 || ms < best.at(w))
                best[w] = ms;
        }
    }
    return best;
}

QString number(double value, int decimals = 2)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = 5;

    Sheet sheet;
    if (argc > 1) {
        if (!readListFile(QString::fromLocal8Bit(argv[1]), sheet)) {
            Console::line(QStringLiteral("Cannot read ") + QString::fromLocal8Bit(argv[1]));
            return 1;
        }
        Console::line(QStringLiteral("Read %1 sims from %2").arg(sheet.sims.size()).arg(argv[1]));
    } else {
        buildMarryingFamilies(sheet, 10000);
        Console::line(QStringLiteral("Built %1 sims in marrying families").arg(sheet.sims.size()));
    }

    QList<QPair<int, Sim *>> byRelatives;
    const QList<int> counts = relativeCounts(sheet.sims);
    for (int i = 0; i < sheet.sims.size(); ++i)
        byRelatives.append(qMakePair(counts.at(i), sheet.sims.at(i).data()));
    std::sort(byRelatives.begin(), byRelatives.end(),
              [](const auto &a, const auto &b) { return a.first > b.first; });
    QList<Sim *> focus;
    for (int i = 0; i < 100 && i < byRelatives.size(); ++i)
        focus.append(byRelatives.at(i).second);

    qsizetype rows = 0;
    qsizetype reached = 0;
    auto walk = [&] {
        rows = 0;
        for (Sim *sim : std::as_const(focus))
            rows += KinWalk::familyOf(sim, true, true).size();
    };
    auto traverse = [&] {
        reached = 0;
        for (Sim *sim : std::as_const(focus))
            reached += plainTraversal(sim);
    };
    const QList<double> family = bestOf(runs, {walk, traverse});
    const double walkMs = family.at(0);
    const double traversalMs = family.at(1);

    // The tab as the player sees it: the model filled, sorted and measured.
    QStandardItemModel model(0, 2);
    model.setHorizontalHeaderLabels({QStringLiteral("Sim"), QStringLiteral("Relationship")});
    FamilyPage page(sheet.sims);
    page.setModel(&model);
    auto showPage = [&] {
        for (Sim *sim : std::as_const(focus))
            page.setSim(sim);
    };
    const double pageMs = bestOf(runs, {showPage}).first();

    Console::line(QStringLiteral("Family of the %1 sims with the most relatives (%2 to %3 each):")
                      .arg(focus.size())
                      .arg(byRelatives.value(focus.size() - 1).first)
                      .arg(byRelatives.value(0).first));
    Console::line(QStringLiteral("  walk %1 ms for %2 rows; plain traversal %3 ms for %4 sims")
                      .arg(number(walkMs))
                      .arg(rows)
                      .arg(number(traversalMs))
                      .arg(reached));
    Console::line(QStringLiteral("  ratio walk / traversal: %1").arg(number(walkMs / traversalMs)));
    Console::line(QStringLiteral("  the tab (walk, rows, sort, column fit) %1 ms, ratio %2")
                      .arg(number(pageMs))
                      .arg(number(pageMs / traversalMs)));

    Sheet ten;
    Sheet twenty;
    Sim *tenFocus = buildPedigree(ten, 10);
    Sim *twentyFocus = buildPedigree(twenty, 20);
    const int repeats = 200;
    auto walkTen = [&] {
        for (int i = 0; i < repeats; ++i)
            KinWalk::familyOf(tenFocus, true, true);
    };
    auto walkTwenty = [&] {
        for (int i = 0; i < repeats; ++i)
            KinWalk::familyOf(twentyFocus, true, true);
    };
    const QList<double> pedigree = bestOf(runs, {walkTen, walkTwenty});
    const double tenMs = pedigree.at(0);
    const double twentyMs = pedigree.at(1);
    Console::line(QStringLiteral("Brother-sister couples, family of the last generation (%1 walks):")
                      .arg(repeats));
    Console::line(QStringLiteral("  10 generations %1 ms, 20 generations %2 ms")
                      .arg(number(tenMs))
                      .arg(number(twentyMs)));
    Console::line(QStringLiteral("  ratio 20 / 10 generations: %1").arg(number(twentyMs / tenMs)));
    return 0;
}
