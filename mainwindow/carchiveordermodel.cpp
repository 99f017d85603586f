#include "mainwindow/carchiveordermodel.h"

#include "mainwindow/corderentries.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"

cArchiveOrderModel::cArchiveOrderModel(int _s32Screen, QObject* _pParent)
    : QAbstractListModel(_pParent), m_s32Screen(_s32Screen)
{
}

cArchiveOrderModel::~cArchiveOrderModel() = default;

bool cArchiveOrderModel::bShow(const QSqlDatabase& _database, const ArchiveView::Selection& _selection,
                               const ArchiveView::EntryLayout& _layout, QSqlError* _pError)
{
    beginResetModel();
    m_database = _database;
    m_selection = _selection;
    m_layout = _layout;
    ArchiveView::vChooseSearchRoute(m_database, m_selection, m_layout);
    m_pages.clear();
    m_s32Rows = 0;
    m_s32NextOffset = 0;
    m_bAtEnd = false;
    Page page;
    const bool bOk = bReadPage(page, _pError);
    if (bOk)
        vAppend(page);
    endResetModel();
    return bOk;
}

void cArchiveOrderModel::vClear()
{
    beginResetModel();
    m_pages.clear();
    m_s32Rows = 0;
    m_bAtEnd = true;
    m_database = QSqlDatabase();
    endResetModel();
}

bool cArchiveOrderModel::bReadPage(Page& _page, QSqlError* _pError)
{
    QSqlError error;
    if (!ArchiveView::bFetch(m_database, m_selection, m_layout, m_s32NextOffset, PAGE_ROWS, _page.rows, error,
                             &m_s32NextOffset)) {
        if (_pError)
            *_pError = error;
        m_bAtEnd = true;
        return false;
    }
    m_bAtEnd = _page.rows.size() < PAGE_ROWS;
    if (_page.rows.isEmpty())
        return true;
    QStringList slLines{QString()};
    slLines.reserve(_page.rows.size() + 1);
    for (const ArchiveView::OrderRow& row : qAsConst(_page.rows))
        slLines << row.strLine;
    _page.pEntries = std::make_shared<const cOrderEntries>(slLines, m_selection.s32SortMode, m_s32Screen);
    return true;
}

void cArchiveOrderModel::vAppend(const Page& _page)
{
    if (_page.rows.isEmpty())
        return;
    m_s32Rows += _page.rows.size();
    m_pages.append(_page);
}

int cArchiveOrderModel::rowCount(const QModelIndex& _parent) const
{
    return _parent.isValid() ? 0 : m_s32Rows;
}

bool cArchiveOrderModel::canFetchMore(const QModelIndex& _parent) const
{
    return !_parent.isValid() && !m_bAtEnd;
}

void cArchiveOrderModel::fetchMore(const QModelIndex& _parent)
{
    if (_parent.isValid() || m_bAtEnd)
        return;
    Page page;
    if (!bReadPage(page, nullptr) || page.rows.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_s32Rows, m_s32Rows + page.rows.size() - 1);
    vAppend(page);
    endInsertRows();
}

bool cArchiveOrderModel::bEnsureRow(int _s32Row)
{
    while (_s32Row >= m_s32Rows && !m_bAtEnd) {
        const int s32Before = m_s32Rows;
        fetchMore(QModelIndex());
        if (m_s32Rows == s32Before)
            break;
    }
    return _s32Row >= 0 && _s32Row < m_s32Rows;
}

const ArchiveView::OrderRow& cArchiveOrderModel::row(int _s32Row) const
{
    const Page& page = m_pages.at(_s32Row / PAGE_ROWS);
    return page.rows.at(_s32Row % PAGE_ROWS);
}

QStringList cArchiveOrderModel::slLines() const
{
    QStringList sl;
    sl.reserve(m_s32Rows);
    for (const Page& page : m_pages) {
        for (const ArchiveView::OrderRow& row : page.rows)
            sl << row.strLine;
    }
    return sl;
}

QVariant cArchiveOrderModel::data(const QModelIndex& _index, int _s32Role) const
{
    if (!_index.isValid() || _index.row() >= m_s32Rows || _index.column() != ListColumns::ENTRY)
        return QVariant();
    const Page& page = m_pages.at(_index.row() / PAGE_ROWS);
    const cOrderEntries& entries = *page.pEntries;
    const int s32Line = _index.row() % PAGE_ROWS + 1;
    switch (_s32Role) {
    case Qt::DisplayRole:
        return entries.strEntry(s32Line);
    case Qt::FontRole:
        return entries.fontEntry();
    case Qt::BackgroundRole:
        return entries.brush();
    case ListColumns::LINE_ROLE:
        return _index.row();
    case ListColumns::ORDER_NUMBER_ROLE:
        return entries.s32OrderNumber(s32Line);
    case ListColumns::KIND_ROLE:
        return QString::fromLatin1(SortFilter::ORDER_MARKER);
    case ListColumns::AREA_TEXT_ROLE:
        return entries.strArea(s32Line);
    case ListColumns::AREA_FONT_ROLE:
        return entries.fontArea();
    default:
        return QVariant();
    }
}
