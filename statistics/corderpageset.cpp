#include "statistics/corderpageset.h"

#include "statistics/cgrafischeruebersicht.h"
#include "statistics/chauptuebersicht.h"
#include "statistics/cstreckeaufteilung.h"
#include "statistics/cverbrauch.h"
#include "statistics/czeitaufteilung.h"
#include "statistics/shownlist.h"

namespace OrderPages
{

cOrderPage* pPage(OrderNavigation::Page _page)
{
    using Page = OrderNavigation::Page;
    switch (_page) {
    case Page::Overview:
        return cHauptUebersicht::instance();
    case Page::Consumption:
        return cVerbrauch::instance();
    case Page::DistanceSplit:
        return cStreckeAufteilung::instance();
    case Page::TimeSplit:
        return cZeitAufteilung::instance();
    case Page::Comparison:
    default:
        return cGrafischerUebersicht::instance();
    }
}

const CurrentOrder& currentOrder()
{
    return cZeitAufteilung::instance()->currentOrder();
}

void vStepOrder(cOrderPage* _pShowing, int _s32Step)
{
    const CurrentOrder& order = currentOrder();
    const int s32Sort = order.s32SortIndex;
    // A copy: preparing sets the list anew, this function with it.
    const std::function<void(int)> fnPrepare = ShownList::state().fnPrepareOrder;
    if (fnPrepare)
        fnPrepare(order.s32OrderNumber + _s32Step);
    // Unsorted, the records are the file's lines after the header; sorted,
    // the list holds only records, the first at index 0.
    const QStringList& slLines =
        s32Sort == 0 ? ShownList::state().slLines : ShownList::state().slSortedOrderLines;
    const int s32Target =
        OrderNavigation::s32NeighbourOrder(slLines, order.s32OrderNumber, _s32Step, s32Sort == 0 ? 1 : 0);
    if (s32Target < 0)
        return;
    cZeitAufteilung* pKeeper = cZeitAufteilung::instance();
    pKeeper->vReceiveTextAndPresent(slLines.at(s32Target), s32Target, s32Sort);
    if (_pShowing != pKeeper)
        _pShowing->vTakeDataAndPresent();
}

void vSwitchTo(cOrderPage* _pShowing, OrderNavigation::Page _page)
{
    cOrderPage* pTarget = pPage(_page);
    _pShowing->hide();
    pTarget->vTakeDataAndPresent();
    pTarget->showMaximized();
}

} // namespace OrderPages
