#include "pages/SortedListView.h"

#include <QItemSelectionModel>
#include <QSortFilterProxyModel>

SortedListView::SortedListView(QSortFilterProxyModel *proxy)
    : QTreeView()
    , proxy(proxy)
{
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setModel(proxy);
    setSortingEnabled(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

int SortedListView::currentSourceRow() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    if (!current.isValid() || current.model() != proxy)
        return -1;
    const QModelIndex source = proxy->mapToSource(current);
    return source.isValid() ? source.row() : -1;
}
