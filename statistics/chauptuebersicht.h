#pragma once

#include "statistics/corderpage.h"

namespace Ui
{
class cHauptUebersicht;
}

// The first order page: six key figures of the current order beside the
// same figures over all orders of the file, and the order's additional info.
class cHauptUebersicht : public cOrderPage
{
    Q_OBJECT

public:
    static cHauptUebersicht* instance();
    // Use instance(): there is one page per run.
    cHauptUebersicht();
    ~cHauptUebersicht() override;

    void vTakeDataAndPresent() override;

protected:
    void vApplyPageSizes() override;

private:
    Ui::cHauptUebersicht* ui;
};
