#pragma once

#include "statistics/chartgeometry.h"

#include <QFont>
#include <QRectF>

class QPainter;

// Draws the comparison bars of prepared rows into a rectangle of a painter's
// device. A drawing object only: it lives for one paint.
class cBarChartWidget
{
public:
    // The chart's rectangle; the text font follows the screen unit S.
    void vSetRect(const QRectF& _rect, int _s32Screen);
    void vSetRows(const QVector<ChartGeometry::BarRow>& _rows);
    void vDraw(QPainter& _painter) const;

private:
    QRectF m_rect;
    QFont m_font;
    QVector<ChartGeometry::BarRow> m_rows;
};
