#pragma once

#include "data/currentorder.h"
#include "statistics/corderpage.h"

namespace Ui
{
class cZeitAufteilung;
}

// How the order's field time splits into unloading, harvesting and the rest,
// with a pie. It also keeps the current order: every opened order record
// comes here first, and all five order pages read its figures from here.
class cZeitAufteilung : public cOrderPage
{
    Q_OBJECT

public:
    static cZeitAufteilung* instance();
    // Use instance(): there is one page per run.
    cZeitAufteilung();
    ~cZeitAufteilung() override;

    // The order opened last; empty (every figure "-") when the opened order
    // had no record line.
    const CurrentOrder& currentOrder() const { return m_order; }

    void vTakeDataAndPresent() override;

public slots:
    // Takes a record line as the current order: _s32CurrentAuftragsNummer is
    // its index in the list it came from (the file's lines for sort index 0,
    // the sorted order lines otherwise). An empty text clears the order.
    void vReceiveTextAndPresent(QString _strText, int _s32CurrentAuftragsNummer, int _s32CurrentSortedList);

protected:
    void vApplyPageSizes() override;

private:
    Ui::cZeitAufteilung* ui;
    CurrentOrder m_order;
};
