#pragma once

#include "statistics/corderpage.h"

namespace Ui
{
class cVerbrauch;
}

// The order's distances, times, fuel and consumption, split into a field
// column and a road column.
class cVerbrauch : public cOrderPage
{
    Q_OBJECT

public:
    static cVerbrauch* instance();
    // Use instance(): there is one page per run.
    cVerbrauch();
    ~cVerbrauch() override;

    void vTakeDataAndPresent() override;

protected:
    void vApplyPageSizes() override;

private:
    Ui::cVerbrauch* ui;
};
