#include "mainwindow/clistmodels.h"

#include "mainwindow/clistentrydelegate.h"
#include "mainwindow/clistmodelbuilder.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QTreeView>

namespace
{

// Keeps the busy indicator turning while a long list is built; user input
// waits until the list is there.
void vProcessPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The drivers' delete icon is S * 6 / 32 square; its column leaves a margin
// around it so that the icon is never cut.
int s32DeleteColumnWidth(int S)
{
    return S * 6 / 32 + S / 48;
}

} // namespace

cListModels::cListModels(QTreeView* _pView, QStandardItemModel* _pModel, cSortFilterModel* _pProxy,
                         cListEntryDelegate* _pDelegate)
    : m_pView(_pView), m_pModel(_pModel), m_pProxy(_pProxy), m_pDelegate(_pDelegate)
{
}

void cListModels::vSetViewModel(QAbstractItemModel* _pModel)
{
    // The view makes a new selection model for every model it is given, and
    // so does its header, which then takes the view's in place of its own.
    // Qt deletes neither: each would stay, connected to its model, one more
    // for every list opened.
    QItemSelectionModel* pOld = m_pView->selectionModel();
    m_pView->setModel(_pModel);
    if (pOld && pOld != m_pView->selectionModel())
        delete pOld;
    QHeaderView* pHeader = m_pView->header();
    for (QItemSelectionModel* pOwn :
         pHeader->findChildren<QItemSelectionModel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (pOwn != pHeader->selectionModel())
            delete pOwn;
    }
}

void cListModels::vDetach()
{
    vSetViewModel(nullptr);
}

void cListModels::vClear()
{
    m_pProxy->setSourceModel(nullptr);
    m_pModel->clear();
    m_pOrderKeys.reset();
}

void cListModels::vStartBuild()
{
    // The proxy would sort and filter after every row: it waits for the whole list.
    m_pProxy->setSourceModel(nullptr);
    m_pProxy->sort(-1);
}

QVector<int> cListModels::ls32BuildOrders(const QStringList& _slLines, int _s32SortMode,
                                          cOrderTotals& _totals, QDate& _dateMin, QDate& _dateMax,
                                          QVector<OrderCustomer>& _customers)
{
    vStartBuild();
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    cListModelBuilder::OrderRows rows =
        builder.vBuildOrders(_slLines, _s32SortMode, _totals, _dateMin, _dateMax);
    m_pOrderKeys = std::move(rows.pKeys);
    _customers = std::move(rows.customers);
    return rows.lineOfRow;
}

void cListModels::vAttachOrders()
{
    // The rows come sorted: the proxy only filters, so that a keystroke never
    // sorts 100,000 rows again.
    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->vSetRowKeys(m_pOrderKeys);
    m_pProxy->sort(-1);
    vSetViewModel(m_pProxy);
    vSetColumnWidths(ListKind::Orders);
}

void cListModels::vShowCustomers(const QStringList& _slLines, int _s32SelectorIndex)
{
    vStartBuild();
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    builder.vBuildCustomers(_slLines, _s32SelectorIndex);

    m_pProxy->setSourceModel(m_pModel);
    if (_s32SelectorIndex != 0) {
        m_pProxy->setSortLocaleAware(true);
        m_pProxy->sort(ListColumns::ENTRY, Qt::AscendingOrder);
        vSetViewModel(m_pProxy);
    } else {
        m_pProxy->sort(ListColumns::CUSTOMER_NUMBER, Qt::AscendingOrder);
        vSetViewModel(m_pProxy);
        m_pView->setColumnHidden(ListColumns::CUSTOMER_NUMBER, true);
    }
    vSetColumnWidths(ListKind::Customers);
}

void cListModels::vShowFields(const QStringList& _slLines)
{
    vStartBuild();
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    builder.vBuildFields(_slLines);

    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->sort(ListColumns::FIELD_CUSTOMER_NUMBER, Qt::AscendingOrder);
    vSetViewModel(m_pProxy);
    m_pView->setColumnHidden(ListColumns::FIELD_CUSTOMER_NUMBER, true);
    vSetColumnWidths(ListKind::Fields);
}

void cListModels::vShowDrivers(const QStringList& _slLines)
{
    vStartBuild();
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    builder.vBuildDrivers(_slLines);

    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->sort(ListColumns::DRIVER_NUMBER, Qt::AscendingOrder);
    vSetViewModel(m_pProxy);
    for (int s32Column : {ListColumns::DRIVER_NAME, ListColumns::DRIVER_LINE, ListColumns::DRIVER_NUMBER,
                          ListColumns::DRIVER_KIND})
        m_pView->setColumnHidden(s32Column, true);
    vSetColumnWidths(ListKind::Drivers);
}

void cListModels::vSetColumnWidths(ListKind _kind)
{
    // The entry takes what the hectare figure or the delete icon leaves.
    const int S = m_s32Screen;
    m_pDelegate->vSetAreaWidth((S / 9) * 3);
    if (_kind == ListKind::Drivers) {
        // The icon stands at the right edge of the list, whatever its width.
        const int s32Width = qMax(S, m_pView->viewport()->width());
        m_pView->setColumnWidth(0, s32Width - s32DeleteColumnWidth(S));
        m_pView->setColumnWidth(1, s32DeleteColumnWidth(S));
    } else if (_kind == ListKind::Orders) {
        // One column: the entry and, drawn at its right, the area.
        m_pView->setColumnWidth(0, S / 9 * 5 + (S / 9) * 3);
    } else {
        m_pView->setColumnWidth(0, S / 9 * 5);
        m_pView->setColumnWidth(1, (S / 9) * 3);
    }
}

void cListModels::vSetColumnWidthsFor(ListKind _kind, int _s32Width)
{
    const int S = m_s32Screen;
    if (_kind == ListKind::Drivers) {
        m_pView->setColumnWidth(0, _s32Width - s32DeleteColumnWidth(S));
        m_pView->setColumnWidth(1, s32DeleteColumnWidth(S));
    } else if (_kind == ListKind::Orders) {
        m_pView->setColumnWidth(0, _s32Width);
    } else {
        m_pView->setColumnWidth(0, _s32Width - (S / 9) * 3);
        m_pView->setColumnWidth(1, (S / 9) * 3);
    }
}

void cListModels::vRemoveRowOfLine(int _s32Line, int _s32Row)
{
    int s32Row = _s32Row;
    if (m_pProxy->index(s32Row, ListColumns::ENTRY).data(ListColumns::LINE_ROLE).toInt() != _s32Line) {
        s32Row = -1;
        for (int r = 0; r < m_pProxy->rowCount(); ++r) {
            if (m_pProxy->index(r, ListColumns::ENTRY).data(ListColumns::LINE_ROLE).toInt() == _s32Line) {
                s32Row = r;
                break;
            }
        }
    }
    if (s32Row >= 0)
        m_pProxy->removeRow(s32Row);
}
