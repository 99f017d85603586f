#pragma once

#include "statistics/corderpage.h"

namespace Ui
{
class cStreckeAufteilung;
}

// How the order's driving splits into empty runs on the field, harvesting
// and the road: three legend labels and a pie.
class cStreckeAufteilung : public cOrderPage
{
    Q_OBJECT

public:
    static cStreckeAufteilung* instance();
    // Use instance(): there is one page per run.
    cStreckeAufteilung();
    ~cStreckeAufteilung() override;

    void vTakeDataAndPresent() override;
    // Forgets the last order's pie and legend (a new list file was opened).
    void vReset();

protected:
    void vApplyPageSizes() override;

private:
    Ui::cStreckeAufteilung* ui;
};
