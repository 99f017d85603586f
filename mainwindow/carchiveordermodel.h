#pragma once

#include "data/archiveview.h"

#include <QAbstractListModel>
#include <QSqlDatabase>
#include <QVector>

#include <memory>

class cOrderEntries;

// The archive's orders as the list shows them, read a page at a time as
// they are scrolled into view: the view asks for more (canFetchMore,
// fetchMore) when it reaches the last row read. Each page keeps its lines
// and the entries made from them, so the list holds what was scrolled
// through, never the whole archive.
class cArchiveOrderModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int PAGE_ROWS = 200;

    cArchiveOrderModel(int _s32Screen, QObject* _pParent = nullptr);
    ~cArchiveOrderModel() override;

    // Shows the selection from the first row on; false with the driver's
    // error when the archive cannot be read (the list is empty then).
    bool bShow(const QSqlDatabase& _database, const ArchiveView::Selection& _selection,
               const ArchiveView::EntryLayout& _layout, QSqlError* _pError = nullptr);
    void vClear();
    const ArchiveView::Selection& selection() const { return m_selection; }
    const ArchiveView::EntryLayout& layout() const { return m_layout; }

    int rowCount(const QModelIndex& _parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& _index, int _s32Role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& _parent) const override;
    void fetchMore(const QModelIndex& _parent) override;

    // Reads rows until _s32Row is read or the selection has no more; true
    // when it is there.
    bool bEnsureRow(int _s32Row);
    const ArchiveView::OrderRow& row(int _s32Row) const;
    // The lines of the rows read so far, in their order.
    QStringList slLines() const;

private:
    struct Page {
        QVector<ArchiveView::OrderRow> rows;
        std::shared_ptr<const cOrderEntries> pEntries; // line r + 1 is rows[r]
    };
    bool bReadPage(Page& _page, QSqlError* _pError);
    void vAppend(const Page& _page);

    int m_s32Screen;
    QSqlDatabase m_database;
    ArchiveView::Selection m_selection;
    ArchiveView::EntryLayout m_layout;
    QVector<Page> m_pages;
    int m_s32Rows = 0;
    int m_s32NextOffset = 0; // where the next page starts in the selection
    bool m_bAtEnd = true;
};
