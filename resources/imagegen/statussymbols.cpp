// Status symbols of the live page, in the style of the machine terminal: a
// dark tile with a pictogram, coloured by state (green active, grey off,
// amber preselected or automatic, red fault).

#include "drawkit.h"

#include <QRadialGradient>

using namespace Draw;

namespace
{

const QColor kOff{120, 120, 120};

void vSatellite(QPainter& _p, const QPointF& _c, const QColor& _body, const QColor& _panel)
{
    _p.save();
    _p.translate(_c);
    _p.rotate(-30);
    _p.setPen(pen(_body.darker(160), 1.5));
    _p.setBrush(_panel);
    for (qreal x : {-36.0, 12.0}) {
        const QRectF panel(x, -8, 24, 16);
        _p.drawRect(panel);
        _p.drawLine(QPointF(x + 8, -8), QPointF(x + 8, 8));
        _p.drawLine(QPointF(x + 16, -8), QPointF(x + 16, 8));
        _p.drawLine(QPointF(x, 0), QPointF(x + 24, 0));
    }
    _p.setPen(pen(_body, 3));
    _p.drawLine(QPointF(-12, 0), QPointF(12, 0));
    _p.setPen(pen(_body.darker(160), 1.5));
    _p.setBrush(_body);
    _p.drawRoundedRect(QRectF(-8, -10, 16, 20), 3, 3);
    _p.restore();
}

void vSignalArcs(QPainter& _p, const QPointF& _c, qreal _startDeg, const QColor& _color, qreal _w)
{
    _p.setPen(pen(_color, _w));
    _p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 6 + i * 7;
        _p.drawArc(QRectF(_c.x() - r, _c.y() - r, 2 * r, 2 * r), int(_startDeg * 16), 80 * 16);
    }
}

void vGpsSatellite(QPainter& _p, bool _bOk)
{
    vTile(_p);
    const QColor state = _bOk ? kGreen : kRed;
    vSatellite(_p, QPointF(50, 38), _bOk ? kWhite : kOff, _bOk ? QColor(60, 110, 200) : kDarkGrey);
    vSignalArcs(_p, QPointF(26, 62), 5, state, 3.5);
    vText(_p, QRectF(30, 64, 64, 28), QStringLiteral("GPS"), 21, state);
    if (!_bOk) {
        _p.setPen(pen(kRed, 6));
        _p.drawLine(QPointF(16, 16), QPointF(84, 84));
    }
}

void vGpsReceiver(QPainter& _p, const QColor& _color)
{
    vTile(_p);
    // Receiver dome on its mast, signal from above.
    _p.setPen(pen(_color.darker(150), 2));
    _p.setBrush(_color);
    QPainterPath dome;
    dome.moveTo(30, 62);
    dome.cubicTo(30, 40, 70, 40, 70, 62);
    dome.closeSubpath();
    _p.drawPath(dome);
    _p.drawRect(QRectF(26, 62, 48, 6));
    _p.drawRect(QRectF(46, 68, 8, 14));
    _p.drawRoundedRect(QRectF(32, 82, 36, 7), 2, 2);
    _p.setPen(pen(_color, 4));
    _p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 10 + i * 9;
        _p.drawArc(QRectF(50 - r, 36 - r, 2 * r, 2 * r), 50 * 16, 80 * 16);
    }
}

void vLed(QPainter& _p, const QColor& _color)
{
    QRadialGradient bezel(QPointF(50, 50), 46);
    bezel.setColorAt(0.8, QColor(70, 70, 70));
    bezel.setColorAt(1, QColor(20, 20, 20));
    _p.setPen(pen(QColor(10, 10, 10), 2));
    _p.setBrush(bezel);
    _p.drawEllipse(QPointF(50, 50), 45, 45);
    QRadialGradient light(QPointF(44, 42), 40);
    light.setColorAt(0, _color.lighter(170));
    light.setColorAt(0.5, _color);
    light.setColorAt(1, _color.darker(220));
    _p.setPen(Qt::NoPen);
    _p.setBrush(light);
    _p.drawEllipse(QPointF(50, 50), 34, 34);
    _p.setBrush(QColor(255, 255, 255, 150));
    _p.drawEllipse(QPointF(40, 34), 12, 7);
}

// Rear view of the machine on a side slope, kept level by the slope control.
void vSlope(QPainter& _p, const QColor& _color, bool _bDashed)
{
    vTile(_p);
    _p.setPen(pen(kSoil.lighter(140), 4));
    _p.drawLine(QPointF(8, 86), QPointF(92, 66));
    QPen outline = pen(_color, 3);
    if (_bDashed)
        outline.setStyle(Qt::DashLine);
    _p.setPen(outline);
    _p.setBrush(_bDashed ? QBrush(Qt::NoBrush) : QBrush(_color));
    QPolygonF tank;
    tank << QPointF(22, 20) << QPointF(78, 20) << QPointF(72, 44) << QPointF(28, 44);
    _p.drawPolygon(tank);
    _p.drawRect(QRectF(32, 44, 36, 10));
    // Wheels stand on the slope at different heights.
    _p.drawRoundedRect(QRectF(20, 52, 12, 30), 3, 3);
    _p.drawRoundedRect(QRectF(68, 46, 12, 24), 3, 3);
    QPen reference = pen(kWhite, 1.5);
    reference.setStyle(Qt::DotLine);
    _p.setPen(reference);
    _p.drawLine(QPointF(8, 86), QPointF(92, 86));
    _p.setPen(pen(kWhite, 2));
    _p.setBrush(Qt::NoBrush);
    _p.drawArc(QRectF(-22, 56, 60, 60), 0, 14 * 16);
}

void vSlopeWarning(QPainter& _p)
{
    vSlope(_p, kAmber, false);
    QPolygonF sign;
    sign << QPointF(74, 6) << QPointF(94, 40) << QPointF(54, 40);
    _p.setPen(pen(kBlack, 2));
    _p.setBrush(kRed);
    _p.drawPolygon(sign);
    vText(_p, QRectF(54, 14, 40, 26), QStringLiteral("!"), 22, Qt::white);
}

void vSlopeManual(QPainter& _p)
{
    vSlope(_p, kWhite, false);
    _p.setPen(pen(kBlack, 1.5));
    _p.setBrush(kYellow);
    _p.drawRoundedRect(QRectF(38, 22, 24, 20), 3, 3);
    vText(_p, QRectF(38, 22, 24, 20), QStringLiteral("M"), 16, kBlack);
}

// Gear symbol: the animal of the gear range above two gear wheels that mesh
// when the gear is engaged and stand apart while it is not.
void vGearRange(QPainter& _p, bool _bRoad, bool _bEngaged)
{
    vTile(_p);
    const QColor color = _bEngaged ? kGreen : kAmber;
    if (_bRoad)
        vHare(_p, QRectF(22, 2, 56, 56), kWhite, kBlack);
    else
        vTortoise(_p, QRectF(22, 2, 56, 56), kWhite, kBlack);
    _p.setPen(pen(color.darker(160), 1.5));
    _p.setBrush(color);
    if (_bEngaged) {
        _p.drawPath(gearPath(QPointF(36, 70), 18, 13, 9, 4));
        _p.drawPath(gearPath(QPointF(66, 70), 14, 9.5, 7, 3));
    } else {
        _p.drawPath(gearPath(QPointF(28, 70), 16, 11.5, 9, 4));
        _p.drawPath(gearPath(QPointF(74, 70), 14, 9.5, 7, 3));
        vDoubleArrow(_p, QPointF(45, 70), QPointF(59, 70), 2.5, 8, kWhite);
    }
}

void vPadlock(QPainter& _p, const QPointF& _c, const QColor& _color, bool _bClosed)
{
    _p.setPen(pen(_color, 3.5));
    _p.setBrush(Qt::NoBrush);
    const QRectF shackle(_c.x() - 7, _c.y() - 15, 14, 16);
    if (_bClosed)
        _p.drawArc(shackle, 0, 180 * 16);
    else
        _p.drawArc(shackle.translated(6, -4), 0, 180 * 16);
    _p.setPen(Qt::NoPen);
    _p.setBrush(_color);
    _p.drawRoundedRect(QRectF(_c.x() - 10, _c.y() - 7, 20, 16), 2, 2);
    _p.setBrush(kBlack);
    _p.drawEllipse(_c + QPointF(0, 0.5), 2.5, 2.5);
}

// Axle between two wheels with the differential in the middle and its lock.
void vDiffLock(QPainter& _p, const QColor& _color, bool _bLocked)
{
    vTile(_p);
    _p.setPen(pen(_color.darker(150), 1.5));
    _p.setBrush(_color);
    _p.drawRoundedRect(QRectF(10, 40, 14, 44), 4, 4);
    _p.drawRoundedRect(QRectF(76, 40, 14, 44), 4, 4);
    _p.setPen(pen(_color, 5));
    _p.drawLine(QPointF(24, 62), QPointF(76, 62));
    _p.setPen(pen(_color, 3));
    _p.setBrush(QColor(30, 30, 30));
    _p.drawEllipse(QPointF(50, 62), 14, 14);
    _p.drawLine(QPointF(41, 53), QPointF(59, 71));
    _p.drawLine(QPointF(59, 53), QPointF(41, 71));
    vPadlock(_p, QPointF(50, 28), _color, _bLocked);
}

void vProgram(QPainter& _p, int _iNumber, bool _bActive)
{
    vTile(_p);
    const QRectF plate(14, 22, 72, 56);
    _p.setPen(pen(_bActive ? kGreen.darker(150) : kOff, 3));
    _p.setBrush(_bActive ? QBrush(kGreen) : QBrush(QColor(40, 40, 40)));
    _p.drawRoundedRect(plate, 10, 10);
    vText(_p, plate, QStringLiteral("P%1").arg(_iNumber), 38, _bActive ? kBlack : kOff);
}

void vParkingBrake(QPainter& _p, const QColor& _color, bool _bAuto)
{
    vTile(_p);
    const QPointF c(50, _bAuto ? 42 : 50);
    _p.setPen(pen(_color, 5));
    _p.setBrush(Qt::NoBrush);
    _p.drawEllipse(c, 22, 22);
    for (int side : {0, 180}) {
        _p.drawArc(QRectF(c.x() - 33, c.y() - 33, 66, 66), (side - 40) * 16, 80 * 16);
    }
    vText(_p, QRectF(c.x() - 20, c.y() - 20, 40, 40), QStringLiteral("P"), 30, _color);
    if (_bAuto)
        vText(_p, QRectF(10, 72, 80, 20), QStringLiteral("AUTO"), 16, _color);
}

void vCentralLubrication(QPainter& _p)
{
    vTile(_p);
    // A grease drop feeding a distributor with its lubrication points.
    QPainterPath drop;
    drop.moveTo(50, 10);
    drop.cubicTo(58, 24, 66, 32, 66, 42);
    drop.cubicTo(66, 52, 58, 58, 50, 58);
    drop.cubicTo(42, 58, 34, 52, 34, 42);
    drop.cubicTo(34, 32, 42, 24, 50, 10);
    _p.setPen(pen(kGreen.darker(160), 2));
    _p.setBrush(kGreen);
    _p.drawPath(drop);
    _p.setPen(pen(kWhite, 3));
    _p.drawLine(QPointF(50, 58), QPointF(50, 70));
    _p.drawLine(QPointF(20, 70), QPointF(80, 70));
    for (int i = 0; i < 4; ++i) {
        const qreal x = 20 + i * 20;
        _p.drawLine(QPointF(x, 70), QPointF(x, 78));
        _p.setBrush(kGreen);
        _p.drawEllipse(QPointF(x, 83), 5, 5);
    }
    _p.setPen(pen(Qt::white, 2));
    _p.drawArc(QRectF(40, 34, 14, 16), 100 * 16, 80 * 16);
}

} // namespace

namespace Draw
{

QList<Picture> statusPictures()
{
    QList<Picture> pictures{
        unit("GPS_ok.png", 96, [](QPainter& p) { vGpsSatellite(p, true); }),
        unit("GPS_nok.png", 96, [](QPainter& p) { vGpsSatellite(p, false); }),
        unit("Statussymbol GPS rot.png", 96, [](QPainter& p) { vGpsReceiver(p, kRed); }),
        unit("Statussymbol GPS gruen.png", 96, [](QPainter& p) { vGpsReceiver(p, kGreen); }),
        unit("Hauptschirm_Led_Gruen.png", 64, [](QPainter& p) { vLed(p, QColor(40, 220, 60)); }),
        unit("Hauptschirm_Led_Rot.png", 64, [](QPainter& p) { vLed(p, QColor(235, 30, 24)); }),
        unit("Status_Neigung_aktiv.png", 96, [](QPainter& p) { vSlope(p, kGreen, false); }),
        unit("Status_Neigung_Warnung.png", 96, vSlopeWarning),
        unit("Status_Neigung_leer.png", 96, [](QPainter& p) { vSlope(p, kOff, true); }),
        unit("Status_Neigung_man.png", 96, vSlopeManual),
        unit("Statussymbol Ackergang eingerastet.png", 96, [](QPainter& p) { vGearRange(p, false, true); }),
        unit("Statussymbol Ackergang_nicht_eingerastet.png", 96,
             [](QPainter& p) { vGearRange(p, false, false); }),
        unit("Statussymbol_Strassengang_eingerastet.png", 96, [](QPainter& p) { vGearRange(p, true, true); }),
        unit("Statussymbol_Strassengang_nicht_eingerastet.png", 96,
             [](QPainter& p) { vGearRange(p, true, false); }),
        unit("Statussymbol Differential-Sperre.png", 96, [](QPainter& p) { vDiffLock(p, kAmber, true); }),
        unit("Statussymbol Differential-Sperre vorwahl aus.png", 96,
             [](QPainter& p) { vDiffLock(p, kOff, false); }),
        unit("Statussymbol Differential-Sperre vorwahl.png", 96,
             [](QPainter& p) { vDiffLock(p, kGreen, true); }),
        unit("Statussymbol Parkbremse zu.png", 96, [](QPainter& p) { vParkingBrake(p, kRed, false); }),
        unit("Statussymbol_Parkbremse_AUTO.png", 96, [](QPainter& p) { vParkingBrake(p, kAmber, true); }),
        unit("Statussymbol Zentralschmierung an.png", 96, vCentralLubrication),
    };
    for (int i = 1; i <= 3; ++i) {
        pictures << unit(QStringLiteral("Statussymbol P%1 grau.png").arg(i), 96,
                         [i](QPainter& p) { vProgram(p, i, false); })
                 << unit(QStringLiteral("Statussymbol P%1 gruen.png").arg(i), 96,
                         [i](QPainter& p) { vProgram(p, i, true); });
    }
    return pictures;
}

} // namespace Draw
