// Program step pictures, rear of the machine: cleaning, elevator, tank and
// unloading, and the cab's climate. Same frame and signs as the front steps.

#include "drawkit.h"

#include <QtMath>

using namespace Draw;

namespace
{

const QRectF kStageArea(70, 64, 22, 24);

// A conveyor belt between two rollers, with its cross rods.
void vBelt(QPainter& _p, const QPointF& _a, const QPointF& _b, qreal _w)
{
    const QLineF line(_a, _b);
    QPainterPath belt;
    belt.moveTo(0, -_w / 2);
    belt.lineTo(line.length(), -_w / 2);
    belt.arcTo(QRectF(line.length() - _w / 2, -_w / 2, _w, _w), 90, -180);
    belt.lineTo(0, _w / 2);
    belt.arcTo(QRectF(-_w / 2, -_w / 2, _w, _w), 270, -180);
    QTransform t;
    t.translate(_a.x(), _a.y());
    t.rotate(-line.angle());
    _p.setPen(pen(kWhite, 2.5));
    _p.setBrush(QColor(60, 60, 60));
    _p.drawPath(t.map(belt));
    _p.setPen(pen(kWhite, 1.5));
    for (qreal d = _w; d < line.length() - _w / 2; d += 5)
        _p.drawLine(t.map(QPointF(d, -_w / 2)), t.map(QPointF(d, -_w / 2 + 3)));
    _p.setBrush(kWhite);
    _p.drawEllipse(_a, _w * 0.22, _w * 0.22);
    _p.drawEllipse(_b, _w * 0.22, _w * 0.22);
}

void vSmallBeet(QPainter& _p, const QPointF& _c, qreal _angle, qreal _size)
{
    _p.save();
    _p.translate(_c);
    _p.rotate(_angle);
    vBeet(_p, QPointF(0, -_size * 0.5), _size * 0.7, _size, false);
    _p.restore();
}

// A sieve star from above: a many-pointed star turning around its hub.
QPainterPath starPath(const QPointF& _c, qreal _rOuter, qreal _rInner, int _iPoints)
{
    QPolygonF poly;
    for (int i = 0; i < _iPoints * 2; ++i) {
        const qreal r = i % 2 ? _rInner : _rOuter;
        const qreal a = M_PI * i / _iPoints;
        poly << _c + QPointF(r * qCos(a), r * qSin(a));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

void vSieveStar(QPainter& _p, const QPointF& _c, qreal _r)
{
    _p.setPen(pen(kWhite, 2));
    _p.setBrush(QColor(70, 70, 70));
    _p.drawPath(starPath(_c, _r, _r * 0.62, 12));
    _p.setBrush(kWhite);
    _p.drawEllipse(_c, _r * 0.2, _r * 0.2);
}

// The tank from the side: a trapezoid bin, front to the left.
void vTank(QPainter& _p, const QRectF& _r)
{
    QPolygonF tank;
    tank << QPointF(_r.left() + 6, _r.bottom()) << _r.topLeft() << _r.topRight()
         << QPointF(_r.right() - 6, _r.bottom());
    _p.setPen(pen(kWhite, 3));
    _p.setBrush(QColor(60, 60, 60));
    _p.drawPolygon(tank);
}

void vSieveBeltStage(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("125"));
    vBelt(_p, QPointF(12, 40), QPointF(66, 62), 10);
    vSmallBeet(_p, QPointF(26, 38), 70, 12);
    vSmallBeet(_p, QPointF(44, 46), 60, 12);
    // Soil falling through the belt.
    _p.setPen(Qt::NoPen);
    _p.setBrush(kSoil.lighter(130));
    for (const QPointF& c : {QPointF(30, 62), QPointF(40, 74), QPointF(50, 68), QPointF(24, 76)})
        _p.drawEllipse(c, 2.5, 2.5);
    vStages(_p, kStageArea, 4, 2);
}

void vSieveStarStage(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("126"));
    vSieveStar(_p, QPointF(38, 56), 24);
    vCurvedArrow(_p, QRectF(8, 26, 60, 60), 150, -110, 4, kYellow);
    vSmallBeet(_p, QPointF(38, 44), 30, 12);
    vStages(_p, kStageArea, 4, 3);
}

void vGuideGridHeight(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("128"));
    vSieveStar(_p, QPointF(40, 62), 20);
    // The grid bars around the star's outer side.
    _p.setPen(pen(kWhite, 3));
    for (int i = 0; i < 7; ++i) {
        const qreal a = 100 + i * 18;
        const QLineF bar = QLineF::fromPolar(34, a).translated(QPointF(40, 62));
        _p.drawLine(bar.pointAt(0.78), bar.p2());
    }
    QPen rail = pen(kWhite, 2);
    _p.setPen(rail);
    _p.setBrush(Qt::NoBrush);
    _p.drawArc(QRectF(6, 28, 68, 68), 100 * 16, 110 * 16);
    vDoubleArrow(_p, QPointF(80, 30), QPointF(80, 66), 4, 12, kYellow);
}

// The elevator from the side: a belt with paddles carrying beets upwards.
void vElevator(QPainter& _p, const QPointF& _bottom, const QPointF& _top)
{
    vBelt(_p, _bottom, _top, 14);
    const QLineF line(_bottom, _top);
    _p.setPen(pen(kYellow, 2.5));
    for (qreal t = 0.18; t < 0.9; t += 0.2) {
        const QPointF at = line.pointAt(t);
        const QLineF paddle = QLineF::fromPolar(7, line.angle() - 90).translated(at);
        _p.drawLine(at, paddle.p2());
    }
    vSmallBeet(_p, line.pointAt(0.3) + QPointF(8, 0), 20, 10);
    vSmallBeet(_p, line.pointAt(0.7) + QPointF(8, 0), 20, 10);
}

void vElevatorStage(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("157"));
    vElevator(_p, QPointF(30, 86), QPointF(36, 32));
    vArrow(_p, QPointF(58, 64), QPointF(58, 30), 5, 14, kYellow);
    vStages(_p, kStageArea, 4, 2);
}

void vConveyorFold(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("143"));
    vTank(_p, QRectF(8, 56, 36, 30));
    vBelt(_p, QPointF(38, 60), QPointF(58, 42), 8);
    // The outer part, unfolded and, dashed, folded back.
    vBelt(_p, QPointF(58, 42), QPointF(86, 30), 8);
    QPen ghost = pen(kWhite.darker(140), 2);
    ghost.setStyle(Qt::DashLine);
    _p.setPen(ghost);
    _p.setBrush(Qt::NoBrush);
    _p.drawLine(QPointF(58, 42), QPointF(40, 28));
    _p.setPen(pen(kBlack, 1.5));
    _p.setBrush(kYellow);
    _p.drawEllipse(QPointF(58, 42), 4, 4);
    vCurvedArrow(_p, QRectF(42, 14, 36, 36), 150, -120, 3.5, kYellow);
}

void vTankGridFlaps(QPainter& _p)
{
    vStepFrame(_p, QString());
    vTank(_p, QRectF(18, 52, 64, 34));
    // Grid flaps raised on both sides of the tank's top.
    for (int side : {-1, 1}) {
        _p.setPen(pen(kWhite, 2));
        const QPointF hinge(50 + side * 32, 52);
        const QPointF tip = hinge + QPointF(side * 10, -26);
        const QPointF inner = hinge + QPointF(-side * 14, 0);
        QPolygonF flap;
        flap << hinge << tip << tip + (inner - hinge) << inner;
        _p.setBrush(Qt::NoBrush);
        _p.drawPolygon(flap);
        for (qreal t = 0.25; t < 1; t += 0.25) {
            _p.drawLine(hinge + (tip - hinge) * t, inner + (tip - hinge) * t);
            _p.drawLine(hinge + (inner - hinge) * t, hinge + (inner - hinge) * t + (tip - hinge));
        }
        vCurvedArrow(_p, QRectF(hinge.x() - 16 + side * 4, 20, 24, 40), side > 0 ? 200 : -20,
                     side > 0 ? -90 : 90, 3, kYellow);
    }
}

void vElevatorFold(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("144"));
    vTank(_p, QRectF(44, 56, 44, 30));
    vElevator(_p, QPointF(28, 86), QPointF(30, 48));
    QPen ghost = pen(kWhite.darker(140), 2);
    ghost.setStyle(Qt::DashLine);
    _p.setPen(ghost);
    _p.setBrush(Qt::NoBrush);
    _p.drawRoundedRect(QRectF(22, 30, 14, 20), 6, 6);
    _p.drawLine(QPointF(30, 48), QPointF(58, 40));
    vCurvedArrow(_p, QRectF(24, 26, 44, 36), 160, -90, 3.5, kYellow);
}

// The tank's auger along its floor; the ends that move get their arrows.
void vTankAuger(QPainter& _p, const QString& _strNumber, bool _bFront, bool _bRear)
{
    vStepFrame(_p, _strNumber);
    // The cab marks the front of the machine.
    _p.setPen(pen(kWhite, 2.5));
    _p.setBrush(Qt::NoBrush);
    QPolygonF cab;
    cab << QPointF(8, 84) << QPointF(9, 50) << QPointF(22, 49) << QPointF(24, 84);
    _p.drawPolygon(cab);
    _p.drawLine(QPointF(10, 62), QPointF(23, 62));
    vTank(_p, QRectF(26, 34, 64, 50));
    _p.setPen(pen(kWhite, 3));
    _p.drawLine(QPointF(34, 70), QPointF(82, 70));
    _p.setPen(pen(kYellow, 2.5));
    _p.setBrush(Qt::NoBrush);
    for (qreal x = 36; x < 80; x += 7) {
        QPainterPath flight;
        flight.moveTo(x, 62);
        flight.cubicTo(x + 5, 64, x + 5, 76, x + 2, 78);
        _p.drawPath(flight);
    }
    if (_bFront)
        vDoubleArrow(_p, QPointF(36, 40), QPointF(36, 64), 4, 11, kYellow);
    if (_bRear)
        vDoubleArrow(_p, QPointF(80, 40), QPointF(80, 64), 4, 11, kYellow);
}

void vSnowflake(QPainter& _p, const QPointF& _c, qreal _r, const QColor& _color)
{
    _p.setPen(pen(_color, 2.5));
    for (int i = 0; i < 6; ++i) {
        const QLineF arm = QLineF::fromPolar(_r, i * 60 + 90).translated(_c);
        _p.drawLine(arm);
        const QPointF mid = arm.pointAt(0.6);
        _p.drawLine(mid, mid + QLineF::fromPolar(_r * 0.3, i * 60 + 130).p2());
        _p.drawLine(mid, mid + QLineF::fromPolar(_r * 0.3, i * 60 + 50).p2());
    }
}

void vClimateTemperature(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("151"));
    vThermometer(_p, QRectF(18, 28, 20, 58), kWhite, kRed);
    vSnowflake(_p, QPointF(60, 44), 14, QColor(120, 190, 255));
    vText(_p, QRectF(44, 62, 34, 24), QStringLiteral("°C"), 18, kYellow);
    vText(_p, QRectF(76, 28, 18, 20), QStringLiteral("+"), 20, kYellow);
    vText(_p, QRectF(76, 64, 18, 20), QStringLiteral("\u2212"), 20, kYellow);
}

void vFanSpeed(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("152"));
    const QPointF c(38, 56);
    _p.setPen(pen(kWhite.darker(130), 1.5));
    _p.setBrush(kWhite);
    for (int i = 0; i < 5; ++i) {
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.cubicTo(8, -10, 24, -8, 26, 0);
        blade.cubicTo(20, 4, 8, 6, 0, 0);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 72);
        _p.drawPath(t.map(blade));
    }
    _p.setBrush(QColor(60, 60, 60));
    _p.drawEllipse(c, 6, 6);
    _p.setPen(pen(kWhite, 2.5));
    _p.setBrush(Qt::NoBrush);
    _p.drawEllipse(c, 29, 29);
    vStages(_p, kStageArea, 4, 3);
}

} // namespace

namespace Draw
{

QList<Picture> programStepPicturesRear()
{
    return {
        unit("125_Siebbandstufe.png", 96, vSieveBeltStage),
        unit("126_Siebsternstufe.png", 96, vSieveStarStage),
        unit("128_Leitrosthoehe.png", 96, vGuideGridHeight),
        unit("157_Elevatorstufe.png", 96, vElevatorStage),
        unit("143_Entladeband_Knick_ein-ausklappen.png", 96, vConveyorFold),
        unit("BunkergitterklappenGrison5.png", 96, vTankGridFlaps),
        unit("144_Elevator_ein-ausklappen.png", 96, vElevatorFold),
        unit("145_Bunkerschnecke_hinten_und_vorne_gleichzeitig.png", 96,
             [](QPainter& p) { vTankAuger(p, QStringLiteral("145"), true, true); }),
        unit("146_Bunkerschnecke_nur_vorne_heben_senken.png", 96,
             [](QPainter& p) { vTankAuger(p, QStringLiteral("146"), true, false); }),
        unit("147_Bunkerschnecke_nur_hinten_heben_senken.png", 96,
             [](QPainter& p) { vTankAuger(p, QStringLiteral("147"), false, true); }),
        unit("151_Klimasolltemperatur_einstellen.png", 96, vClimateTemperature),
        unit("152_Geblaesedrehzahl_der_Lueftungsregelung.png", 96, vFanSpeed),
    };
}

} // namespace Draw
