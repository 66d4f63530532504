#pragma once

#include <QSortFilterProxyModel>

// The sort of the Family Ties tab. It filters nothing. The "Sim" column
// sorts by plain text; the "Relationship" column by kin class (see
// kinTermLess), and rows of the same class by name.
class FamilyProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit FamilyProxyModel(QObject *parent = nullptr);
    ~FamilyProxyModel() override;

    void setSourceModel(QAbstractItemModel *model) override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
