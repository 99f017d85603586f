#pragma once

#include "data/currentorder.h"

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>
#include <optional>

// The numbers the order pages' charts draw: pie sectors, bar lengths, bar
// colours and the deviation texts. The chart widgets only paint what these
// functions return, so every figure can be checked without a screen.
namespace ChartGeometry
{

// A colour without the GUI library (this code runs in the core).
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb& _o) const { return r == _o.r && g == _o.g && b == _o.b; }
};

// Distance pie.
inline constexpr Rgb EMPTY_RUN{0, 127, 102};
inline constexpr Rgb ROAD{255, 255, 102};
inline constexpr Rgb HARVEST_DISTANCE{129, 192, 102};
// Time pie.
inline constexpr Rgb REST_TIME{255, 150, 0};
inline constexpr Rgb UNLOAD_TIME{0, 85, 255};
inline constexpr Rgb HARVEST_TIME{0, 128, 0};
// Bar chart: the average in yellow, the order green (better) or red (worse).
inline constexpr Rgb BAR_AVERAGE{243, 215, 4};
inline constexpr Rgb BAR_GOOD{8, 170, 0};
inline constexpr Rgb BAR_BAD{255, 0, 0};

// One sector; angles in degrees from three o'clock, counter-clockwise.
struct PieSector {
    Rgb colour;
    double dStart = 0;
    double dSpan = 0;
    // The painter's sixteenths of a degree, truncated. Far out-of-range
    // figures give angles of any size: the start is taken modulo a full
    // circle and the span is at most one full circle either way, so the
    // conversion to int stays defined.
    int s32Start16() const;
    int s32Span16() const;
};

// The pie's bounding square inside a widget: side 7/9 of the smaller side,
// centred, so the pie always stays inside the widget (900 x 900 gives the
// square at (100, 100) with side 700).
QRect pieSquare(const QSize& _widget);

// Empty runs, road, harvesting; the harvesting distance is part of the field
// distance, so the whole is field + road. Nothing when the whole is not
// above 0. An empty run that comes out negative is drawn as computed.
QVector<PieSector> distancePie(float _fFieldKm, float _fHarvestKm, float _fRoadKm);

// Rest, unloading, harvesting as parts of the field time. Nothing without
// field minutes. When unloading and harvesting together exceed the field
// time, they share the full circle and the rest gets no sector.
QVector<PieSector> timePie(int _s32FieldMinutes, int _s32UnloadMinutes, int _s32HarvestMinutes);

// The six rows of the comparison chart, in the order of the main overview.
enum BarFigure {
    HectaresPerHour,
    HarvestSpeed,
    EmptyRunMetresPerHectare,
    HarvestFuelPerHectare,
    FieldFuelPerHectare,
    BunkerLoadsPerHectare,
    BarFigureCount
};

struct BarRow {
    double dOrder = 0;   // scaled: the larger of order and average is 100
    double dAverage = 0; // (bunker loads within 25 % of the average: 125)
    Rgb orderColour;
    QString strText; // row label and signed deviation; empty draws nothing
    // The deviation of the order from the average in percent (+ above),
    // present exactly when strText shows one.
    std::optional<double> deviationPercent;
};

// One row. A missing or zero average draws no text (no percentage can be
// formed); a missing order figure (zero divisor) reads label + "-". Negative
// figures are drawn as length 0.
BarRow barRow(BarFigure _figure, std::optional<float> _order, std::optional<float> _average);
QVector<BarRow> barRows(const OrderFigures& _order, const OrderFigures& _average);
// The row label, e.g. "ha/h :  ".
QString strBarLabel(BarFigure _figure);

// What one row paints: the longer bar first, the shorter one over it.
struct BarRowGeometry {
    QRect rectFirst;
    Rgb colourFirst;
    QRect rectSecond;
    Rgb colourSecond;
    QPoint ptText; // left end of the text's base line
    QString strText;
};

// The chart's rectangle inside the drawing area: an inset of 1/15 of the
// width on the left, 13/15 of the width wide, the full height.
QRectF barChartRect(const QSize& _area);
// Rows of equal height with 15 pixels between them; a value unit is 1/100
// of the width; the bars stay inside the rectangle.
QVector<BarRowGeometry> barGeometry(const QRectF& _rect, const QVector<BarRow>& _rows);
// The chart font's pixel size: S / 28.
int s32BarFontSize(int _s32Screen);

} // namespace ChartGeometry
