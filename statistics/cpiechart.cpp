#include "statistics/cpiechart.h"

#include <QPainter>

cPieChart::cPieChart(QWidget* _pParent) : QWidget(_pParent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void cPieChart::vReset()
{
    vSetSectors({});
}

void cPieChart::vSetSectors(const QVector<ChartGeometry::PieSector>& _sectors)
{
    m_sectors = _sectors;
    update();
}

void cPieChart::paintEvent(QPaintEvent*)
{
    if (m_sectors.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect square = ChartGeometry::pieSquare(size());
    for (const ChartGeometry::PieSector& sector : m_sectors) {
        painter.setBrush(QColor(sector.colour.r, sector.colour.g, sector.colour.b));
        painter.drawPie(square, sector.s32Start16(), sector.s32Span16());
    }
}

cPieChartStrecke::cPieChartStrecke(QWidget* _pParent) : cPieChart(_pParent) {}

void cPieChartStrecke::vReceiveDate(float _fWegFeld, float _fWegRoden, float _fWegStrasse)
{
    vSetSectors(ChartGeometry::distancePie(_fWegFeld, _fWegRoden, _fWegStrasse));
}

cPieChartZeit::cPieChartZeit(QWidget* _pParent) : cPieChart(_pParent) {}

void cPieChartZeit::vReceiveDate(int _s32ZeitAckerMinutes, int _s32ZeitEntladenMinutes,
                                 int _s32ZeitRodenMinutes)
{
    vSetSectors(ChartGeometry::timePie(_s32ZeitAckerMinutes, _s32ZeitEntladenMinutes, _s32ZeitRodenMinutes));
}
