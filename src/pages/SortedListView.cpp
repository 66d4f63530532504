#include "pages/SortedListView.h"

#include <QItemSelectionModel>
#include <QSortFilterProxyModel>

SortedListView::SortedListView(QSortFilterProxyModel *proxy)
    : QTreeView()
    , m_proxy(proxy)
{
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setModel(m_proxy);
    setSortingEnabled(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

int SortedListView::currentSourceRow() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    if (!current.isValid() || current.model() != m_proxy)
        return -1;
    const QModelIndex source = m_proxy->mapToSource(current);
    return source.isValid() ? source.row() : -1;
}
