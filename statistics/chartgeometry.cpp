#include "statistics/chartgeometry.h"

#include "data/numberformat.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <cmath>

namespace ChartGeometry
{

namespace
{

// Sectors one after the other, each starting where the previous one ended.
QVector<PieSector> chain(const QVector<QPair<Rgb, double>>& _spans)
{
    QVector<PieSector> sectors;
    double dStart = 0;
    for (const auto& span : _spans) {
        sectors.append(PieSector{span.first, dStart, span.second});
        dStart += span.second;
    }
    return sectors;
}

// Which colour the order's bar gets: for some figures more is better, for
// others less.
Rgb orderColour(BarFigure _figure, float _fOrder, float _fAverage)
{
    switch (_figure) {
    case EmptyRunMetresPerHectare:
    case HarvestFuelPerHectare:
    case FieldFuelPerHectare:
        return _fOrder < _fAverage ? BAR_GOOD : BAR_BAD;
    case HarvestSpeed:
        return _fOrder > _fAverage ? BAR_BAD : BAR_GOOD;
    case HectaresPerHour:
    case BunkerLoadsPerHectare:
    default:
        return _fOrder < _fAverage ? BAR_BAD : BAR_GOOD;
    }
}

constexpr double dFullCircle = 360.0;

// Sixteenths of a degree of an angle within one full circle either way.
int s32Sixteenths(double _dDegrees)
{
    if (!std::isfinite(_dDegrees))
        return 0;
    return int(16 * qBound(-dFullCircle, _dDegrees, dFullCircle));
}

} // namespace

int PieSector::s32Start16() const
{
    return s32Sixteenths(std::isfinite(dStart) ? std::fmod(dStart, dFullCircle) : 0.0);
}

int PieSector::s32Span16() const
{
    return s32Sixteenths(dSpan);
}

QRect pieSquare(const QSize& _widget)
{
    const int w = _widget.width();
    const int h = _widget.height();
    const int side = 7 * qMin(w, h) / 9;
    return QRect((w - side) / 2, (h - side) / 2, side, side);
}

QVector<PieSector> distancePie(float _fFieldKm, float _fHarvestKm, float _fRoadKm)
{
    const double dTotal = double(_fFieldKm) + double(_fRoadKm);
    if (!(dTotal > 0) || !std::isfinite(dTotal))
        return {};
    const double a1 = 360.0 * double(_fFieldKm - _fHarvestKm) / dTotal;
    const double a2 = 360.0 * double(_fRoadKm) / dTotal;
    const double a3 = 360.0 * double(_fHarvestKm) / dTotal;
    return chain({{EMPTY_RUN, a1}, {ROAD, a2}, {HARVEST_DISTANCE, a3}});
}

QVector<PieSector> timePie(int _s32FieldMinutes, int _s32UnloadMinutes, int _s32HarvestMinutes)
{
    if (_s32FieldMinutes <= 0)
        return {};
    const double dWhole =
        qMax(double(_s32FieldMinutes), double(_s32UnloadMinutes) + double(_s32HarvestMinutes));
    const double aE = 360.0 * _s32UnloadMinutes / dWhole;
    const double aR = 360.0 * _s32HarvestMinutes / dWhole;
    const double aX = qMax(0.0, 360.0 - aE - aR);
    return chain({{REST_TIME, aX}, {UNLOAD_TIME, aE}, {HARVEST_TIME, aR}});
}

// The texts belong to the comparison page's translation context.
QString strBarLabel(BarFigure _figure)
{
    const QString strColon = QStringLiteral(":  ");
    switch (_figure) {
    case HectaresPerHour:
        return QCoreApplication::translate("cGrafischerUebersicht", "ha/h") + QStringLiteral(" ") + strColon;
    case HarvestSpeed:
        return QCoreApplication::translate("cGrafischerUebersicht", "km/h") + strColon;
    case EmptyRunMetresPerHectare:
        return QCoreApplication::translate("cGrafischerUebersicht", "m/ha leer") + strColon;
    case HarvestFuelPerHectare:
        return QCoreApplication::translate("cGrafischerUebersicht", "l/ha") + QStringLiteral(" ") +
               QCoreApplication::translate("cGrafischerUebersicht", "Roden") + strColon;
    case FieldFuelPerHectare:
        return QCoreApplication::translate("cGrafischerUebersicht", "l/ha") + QStringLiteral(" ") +
               QCoreApplication::translate("cGrafischerUebersicht", "Gesamt") + strColon;
    case BunkerLoadsPerHectare:
    default:
        return QCoreApplication::translate("cGrafischerUebersicht", "Bunker/ha") + strColon;
    }
}

BarRow barRow(BarFigure _figure, std::optional<float> _order, std::optional<float> _average)
{
    BarRow row;
    const float o = _order.value_or(0.0f);
    const float v = _average.value_or(0.0f);
    row.orderColour = orderColour(_figure, o, v);

    // The larger of the two becomes 100 units. The bunker loads stretch a
    // difference of less than 25 % to the 125 scale, so that it shows.
    const double dMax = qMax(double(o), double(v));
    if (dMax > 0 && std::isfinite(dMax)) {
        double dScale = 100.0 / dMax;
        if (_figure == BunkerLoadsPerHectare && o > 0 && v > 0) {
            const double p = 100.0 * double(o) / double(v);
            if (p > 75 && p < 125)
                dScale = 125.0 / dMax;
        }
        row.dOrder = qMax(0.0, double(o) * dScale);
        row.dAverage = qMax(0.0, double(v) * dScale);
    }

    if (!_average || v == 0.0f || !std::isfinite(v))
        return row; // no percentage against a zero average
    if (!_order) {
        row.strText = strBarLabel(_figure) + QLatin1String(NumberFormat::NO_VALUE);
        return row;
    }
    const double p = 100.0 * double(o) / double(v);
    // Equal values, also when rounding leaves a difference below the shown
    // two decimals, draw no text.
    if (std::fabs(p - 100.0) < 0.005)
        return row;
    row.deviationPercent = p - 100.0;
    row.strText = strBarLabel(_figure) +
                  (p > 100 ? QStringLiteral("+") + NumberFormat::strNumber(p - 100.0, 'f', 2)
                           : QStringLiteral("-") + NumberFormat::strNumber(100.0 - p, 'f', 2)) +
                  QStringLiteral("%");
    return row;
}

QVector<BarRow> barRows(const OrderFigures& _order, const OrderFigures& _average)
{
    return {
        barRow(HectaresPerHour, _order.hectaresPerHour, _average.hectaresPerHour),
        barRow(HarvestSpeed, _order.harvestSpeed, _average.harvestSpeed),
        barRow(EmptyRunMetresPerHectare, _order.emptyRunMetresPerHectare, _average.emptyRunMetresPerHectare),
        barRow(HarvestFuelPerHectare, _order.harvestFuelPerHectare, _average.harvestFuelPerHectare),
        barRow(FieldFuelPerHectare, _order.fieldFuelPerHectare, _average.fieldFuelPerHectare),
        barRow(BunkerLoadsPerHectare, _order.bunkerLoadsPerHectare, _average.bunkerLoadsPerHectare)};
}

QRectF barChartRect(const QSize& _area)
{
    const int w = _area.width();
    return QRectF(w / 15, 0, 13 * w / 15, _area.height());
}

QVector<BarRowGeometry> barGeometry(const QRectF& _rect, const QVector<BarRow>& _rows)
{
    QVector<BarRowGeometry> geometry;
    const int n = _rows.size();
    if (n == 0)
        return geometry;
    // The longer bar sits 20 pixels below its row's start; the rows leave
    // room for that so that the last bar ends on the rectangle's bottom.
    const double r = qMax(0.0, (_rect.height() - 20 - 15.0 * (n - 1)) / n);
    const double u = _rect.width() / 100.0;
    const int x = int(_rect.left());
    for (int i = 0; i < n; ++i) {
        const BarRow& row = _rows.at(i);
        const double dRowTop = _rect.top() + i * (r + 15);
        const double m = qMin(row.dOrder, row.dAverage) / 2;
        const auto length = [&](double _dValue) { return qMax(0, int((_dValue - m) * u - 5)); };
        const bool bAverageFirst = row.dAverage >= row.dOrder;
        const double dFirst = bAverageFirst ? row.dAverage : row.dOrder;
        const double dSecond = bAverageFirst ? row.dOrder : row.dAverage;

        BarRowGeometry g;
        g.rectFirst = QRect(x, int(dRowTop + 20), length(dFirst), int(r));
        g.colourFirst = bAverageFirst ? BAR_AVERAGE : row.orderColour;
        g.rectSecond = QRect(x, int(dRowTop + 15), length(dSecond), int(r));
        g.colourSecond = bAverageFirst ? row.orderColour : BAR_AVERAGE;
        g.ptText = QPoint(x, int(dRowTop + r));
        g.strText = row.strText;
        geometry.append(g);
    }
    return geometry;
}

int s32BarFontSize(int _s32Screen)
{
    return _s32Screen / 28;
}

} // namespace ChartGeometry
