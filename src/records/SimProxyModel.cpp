#include "records/SimProxyModel.h"

#include "records/Console.h"

#include <QRegularExpression>

namespace {

enum class Test { Contains, Equals };

struct StageWord
{
    const char *word;
    Test test;
    bool sortsFirst;
};

// The life-stage words in the order they are tried; a text belongs to the
// first row whose test holds for it. Rows that sort first put their texts
// before every text of a later row; rows that sort last put them after.
const StageWord kStageWords[] = {
    {"Baby", Test::Contains, true},       {"Puppy", Test::Equals, true},
    {"Kitten", Test::Equals, true},       {"Toddler", Test::Contains, true},
    {"Child", Test::Contains, true},      {"Teen", Test::Contains, true},
    {"Freshman", Test::Contains, true},   {"Sophomore", Test::Contains, true},
    {"Junior", Test::Contains, true},     {"Senior", Test::Contains, true},
    {"Adult", Test::Contains, true},      {"Servo", Test::Equals, true},
    {"Large Dog", Test::Equals, true},    {"Small Dog", Test::Equals, true},
    {"Cat", Test::Equals, true},          {"Ghost", Test::Contains, false},
    {"Cat", Test::Contains, false},       {"Small Dog", Test::Contains, false},
    {"Large Dog", Test::Contains, false}, {"Elder", Test::Contains, true},
};
const int kStageRows = int(sizeof(kStageWords) / sizeof(kStageWords[0]));

// The row of a life-stage text, or -1 when no test holds.
int stageRow(const QString &text)
{
    for (int row = 0; row < kStageRows; ++row) {
        const QLatin1String word(kStageWords[row].word);
        const bool holds = kStageWords[row].test == Test::Contains ? text.contains(word)
                                                                   : text == word;
        if (holds)
            return row;
    }
    return -1;
}

// The sort class of a row: the rows that sort first in their order, then the
// texts with no row, then the rows that sort last, the earliest of them last.
int stageClass(int row)
{
    if (row < 0)
        return kStageRows;
    if (kStageWords[row].sortsFirst)
        return row;
    return 2 * kStageRows - row;
}

} // namespace

SimProxyModel::SimProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void SimProxyModel::setSourceModel(QAbstractItemModel *model)
{
    QSortFilterProxyModel::setSourceModel(model);
}

bool SimProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QString l = sourceModel()->data(left, Qt::DisplayRole).toString();
    const QString r = sourceModel()->data(right, Qt::DisplayRole).toString();
    if (left.column() != 2 && left.column() != 3)
        return l < r;

    static const QRegularExpression dayCount(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d+) .+")));
    const QRegularExpressionMatch lMatch = dayCount.match(l);
    const QRegularExpressionMatch rMatch = dayCount.match(r);
    if (lMatch.hasMatch() && rMatch.hasMatch())
        return lMatch.captured(1).toInt() < rMatch.captured(1).toInt();

    // Texts of one class compare as plain text, so that the order is
    // consistent whatever sort algorithm uses it.
    const int lRow = stageRow(l);
    const int rRow = stageRow(r);
    if (lRow < 0 && rRow < 0) {
        Console::line(QStringLiteral("All tests failed.  Resorting to default."));
        return l < r;
    }
    const int lClass = stageClass(lRow);
    const int rClass = stageClass(rRow);
    if (lClass != rClass)
        return lClass < rClass;
    return l < r;
}

#include "moc_SimProxyModel.cpp"
