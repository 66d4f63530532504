#include "pages/FamilyProxyModel.h"

namespace {

QString textOf(const QModelIndex &index)
{
    return index.model() ? index.data(Qt::DisplayRole).toString() : QString();
}

} // namespace

FamilyProxyModel::FamilyProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

FamilyProxyModel::~FamilyProxyModel() = default;

void FamilyProxyModel::setSourceModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_sourceWatch))
        disconnect(connection);
    m_sourceWatch.clear();
    forgetRows();
    // Connected before the base class connects its own handlers, so the
    // rows are forgotten before a dynamic sort compares them.
    if (model) {
        auto forget = [this] { forgetRows(); };
        m_sourceWatch = {
            connect(model, &QAbstractItemModel::dataChanged, this, forget),
            connect(model, &QAbstractItemModel::rowsInserted, this, forget),
            connect(model, &QAbstractItemModel::rowsRemoved, this, forget),
            connect(model, &QAbstractItemModel::rowsMoved, this, forget),
            connect(model, &QAbstractItemModel::layoutChanged, this, forget),
            connect(model, &QAbstractItemModel::modelReset, this, forget),
        };
    }
    QSortFilterProxyModel::setSourceModel(model);
}

void FamilyProxyModel::sort(int column, Qt::SortOrder order)
{
    forgetRows();
    QSortFilterProxyModel::sort(column, order);
}

void FamilyProxyModel::forgetRows()
{
    // Clearing an empty table would still wipe all its buckets, once for
    // every cell a refill of the model writes.
    if (!m_rowKeys.empty())
        m_rowKeys.clear();
}

const FamilyProxyModel::RowKey &FamilyProxyModel::rowKey(const QModelIndex &index) const
{
    auto found = m_rowKeys.find(index.row());
    if (found == m_rowKeys.end()) {
        const QString terms = textOf(index.siblingAtColumn(1));
        found = m_rowKeys
                    .emplace(index.row(),
                             RowKey{textOf(index.siblingAtColumn(0)), kinTermKey(terms)})
                    .first;
    }
    return found->second;
}

bool FamilyProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const RowKey &l = rowKey(left);
    const RowKey &r = rowKey(right);
    if (left.column() != 0) {
        if (l.kin < r.kin)
            return true;
        if (r.kin < l.kin)
            return false;
    }
    return l.name < r.name;
}
