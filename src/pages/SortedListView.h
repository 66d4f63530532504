#pragma once

#include <QTreeView>

class QSortFilterProxyModel;

// A flat list of whole rows over a sort m_proxy, sorted by a click on a
// column header. The pages act on rows of the model behind the m_proxy.
class SortedListView : public QTreeView
{
    Q_OBJECT

public:
    explicit SortedListView(QSortFilterProxyModel *proxy);

    // Row of the m_proxy's source model at the current index; -1 for none.
    int currentSourceRow() const;

private:
    QSortFilterProxyModel *m_proxy;
};
