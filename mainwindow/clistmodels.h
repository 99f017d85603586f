#pragma once

#include "data/listkind.h"
#include "data/ordercustomers.h"

#include <QDate>
#include <QStringList>
#include <QVector>

#include <memory>

class QAbstractItemModel;
class QStandardItemModel;
class QTreeView;
class cListEntryDelegate;
class cOrderTotals;
class cSortFilterModel;
namespace SortFilter
{
struct RowKeys;
}

// The main window's list between lines and screen: builds the item model of
// a list kind from the file's lines, puts the sort/filter proxy on it and
// hands that to the tree view with the columns the kind shows.
class cListModels
{
public:
    // The model and proxy belong to the window; the delegate is the view's.
    cListModels(QTreeView* _pView, QStandardItemModel* _pModel, cSortFilterModel* _pProxy,
                cListEntryDelegate* _pDelegate);

    void vSetScreen(int _s32Screen) { m_s32Screen = _s32Screen; }

    // Takes the list from the view (before it is built again).
    void vDetach();
    // Empties the model and the proxy.
    void vClear();

    // Orders: returns each row's line in the file and fills the totals and
    // the start date range (see cListModelBuilder::vBuildOrders). The proxy
    // is attached by vAttachOrders, once the dates are set.
    // _customers: those of the rows, each once (unsorted).
    QVector<int> ls32BuildOrders(const QStringList& _slLines, int _s32SortMode, cOrderTotals& _totals,
                                 QDate& _dateMin, QDate& _dateMax, QVector<OrderCustomer>& _customers);
    void vAttachOrders();
    void vShowCustomers(const QStringList& _slLines, int _s32SelectorIndex);
    void vShowFields(const QStringList& _slLines);
    void vShowDrivers(const QStringList& _slLines);

    // Shows a model made elsewhere (the archive's orders) with the columns of its kind.
    void vShowModel(QAbstractItemModel* _pModel, ListKind _kind)
    {
        vSetViewModel(_pModel);
        vSetColumnWidths(_kind);
    }

    // The column widths of a kind, for the screen unit or after a rotation
    // for the list's width.
    void vSetColumnWidths(ListKind _kind);
    void vSetColumnWidthsFor(ListKind _kind, int _s32Width);

    // Removes the proxy row of a driver's line: normally the row tapped, if
    // that no longer shows the line, the row that does.
    void vRemoveRowOfLine(int _s32Line, int _s32Row);

private:
    void vStartBuild();
    void vSetViewModel(QAbstractItemModel* _pModel);

    QTreeView* m_pView;
    QStandardItemModel* m_pModel;
    cSortFilterModel* m_pProxy;
    cListEntryDelegate* m_pDelegate;
    std::shared_ptr<const SortFilter::RowKeys> m_pOrderKeys;
    int m_s32Screen = 0;
};
