#include "statistics/cbarchartwidget.h"

#include <QPainter>
#include <QPainterPath>

namespace
{
QColor colour(const ChartGeometry::Rgb& _rgb)
{
    return QColor(_rgb.r, _rgb.g, _rgb.b);
}

void vDrawBar(QPainter& _painter, const QRect& _rect, const ChartGeometry::Rgb& _rgb)
{
    if (_rect.width() <= 0 || _rect.height() <= 0)
        return;
    _painter.setPen(QPen(colour(_rgb), 3));
    _painter.setBrush(colour(_rgb));
    _painter.drawRect(_rect);
}
} // namespace

void cBarChartWidget::vSetRect(const QRectF& _rect, int _s32Screen)
{
    m_rect = _rect;
    m_font = QFont();
    m_font.setPixelSize(qMax(1, ChartGeometry::s32BarFontSize(_s32Screen)));
    m_font.setBold(true);
}

void cBarChartWidget::vSetRows(const QVector<ChartGeometry::BarRow>& _rows)
{
    m_rows = _rows;
}

void cBarChartWidget::vDraw(QPainter& _painter) const
{
    _painter.save();
    _painter.setRenderHint(QPainter::Antialiasing);
    _painter.setFont(m_font);
    const QFontMetrics metrics(m_font);
    for (const ChartGeometry::BarRowGeometry& row : ChartGeometry::barGeometry(m_rect, m_rows)) {
        vDrawBar(_painter, row.rectFirst, row.colourFirst);
        vDrawBar(_painter, row.rectSecond, row.colourSecond);
        if (row.strText.isEmpty())
            continue;
        // The text lies over bars of any colour and over the black page: a
        // dark backing keeps it readable on all of them.
        const QRect box = metrics.boundingRect(row.strText).translated(row.ptText).adjusted(-3, -1, 3, 1);
        _painter.setPen(Qt::NoPen);
        _painter.setBrush(QColor(0, 0, 0, 170));
        _painter.drawRoundedRect(box, 3, 3);
        _painter.setPen(Qt::white);
        _painter.drawText(row.ptText, row.strText);
    }
    _painter.restore();
}
