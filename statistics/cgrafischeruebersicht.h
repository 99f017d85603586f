#pragma once

#include "data/currentorder.h"
#include "statistics/chartgeometry.h"
#include "statistics/corderpage.h"

namespace Ui
{
class cGrafischerUebersicht;
}

// The six key figures of the order against the averages of all orders, as
// horizontal bars with the order's deviation in percent.
class cGrafischerUebersicht : public cOrderPage
{
    Q_OBJECT

public:
    static cGrafischerUebersicht* instance();
    // Use instance(): there is one page per run.
    cGrafischerUebersicht();
    ~cGrafischerUebersicht() override;

    void vTakeDataAndPresent() override;
    // Forgets the last order's figures: no bars until the next fill.
    void vReset();

    // The rows of the last fill (empty after a reset).
    const QVector<ChartGeometry::BarRow>& rows() const { return m_rows; }

protected:
    void vApplyPageSizes() override;
    bool eventFilter(QObject* _pWatched, QEvent* _pEvent) override;

private:
    void vPaintChart();

    Ui::cGrafischerUebersicht* ui;
    OrderFigures m_order;
    OrderFigures m_average;
    QVector<ChartGeometry::BarRow> m_rows;
};
