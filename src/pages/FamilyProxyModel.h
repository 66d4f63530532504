#pragma once

#include "pages/KinTermOrder.h"

#include <QList>
#include <QMetaObject>
#include <QSortFilterProxyModel>
#include <QString>

#include <unordered_map>

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
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    struct RowKey
    {
        QString name;
        KinTermKey kin;
    };
    const RowKey &rowKey(const QModelIndex &index) const;
    void forgetRows();

    // What a sort compares of each source row, read once per row and not at
    // every comparison: a large family is sorted in a blink. Forgotten
    // whenever the source changes, before the sort sees the change. Node
    // based, so that a key stays where it is while others are added.
    mutable std::unordered_map<int, RowKey> m_rowKeys;
    QList<QMetaObject::Connection> m_sourceWatch;
};
