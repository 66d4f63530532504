#pragma once

#include <QSortFilterProxyModel>

// The sort of the List of Sims. It filters nothing. The "Age" column sorts by
// its leading day count, the "Life Stage" column by the order of life stages
// (babies first, elder pets and ghosts last), the others as plain text.
class SimProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit SimProxyModel(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *model) override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
