#include "pages/FamilyProxyModel.h"

#include "pages/KinTermOrder.h"

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
    QSortFilterProxyModel::setSourceModel(model);
}

bool FamilyProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (left.column() != 0) {
        const QString leftTerms = textOf(left);
        const QString rightTerms = textOf(right);
        if (kinTermLess(leftTerms, rightTerms))
            return true;
        if (kinTermLess(rightTerms, leftTerms))
            return false;
    }
    return textOf(left.siblingAtColumn(0)) < textOf(right.siblingAtColumn(0));
}
