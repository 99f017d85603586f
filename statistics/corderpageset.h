#pragma once

#include "statistics/ordernavigation.h"

#include <QString>

class cOrderPage;
struct CurrentOrder;

// The five order pages as a set: which object shows which page, the order
// they all show, and the moves between pages and orders. The pages' common
// base uses these and so needs to know none of the pages themselves.
namespace OrderPages
{

// The page object of a page name (made on first use, like every page).
cOrderPage* pPage(OrderNavigation::Page _page);

// The order the pages show, kept by the time split page; empty before an
// order was opened.
const CurrentOrder& currentOrder();

// Steps the current order by _s32Step records in the list the order came
// from and shows it on _pShowing (the page the step was made on). At either
// end of the list nothing happens.
void vStepOrder(cOrderPage* _pShowing, int _s32Step);

// Hides _pShowing and shows _page, filled from the current order.
void vSwitchTo(cOrderPage* _pShowing, OrderNavigation::Page _page);

} // namespace OrderPages
