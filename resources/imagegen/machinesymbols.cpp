// Machine symbols of the live page: the lifter's three-point linkage, the
// unloading conveyor, the machine drive, the additional axle, the pressure
// bar texture and the fluid level and temperature symbols.

#include "drawkit.h"

#include <QLinearGradient>

using namespace Draw;

namespace
{

enum class Linkage { Raised, Lowered, Floating };

// Side view of the front three-point linkage with the lifting unit hanging
// on it: machine frame on the left, top and lower link, implement on the right.
void vThreePoint(QPainter& _p, Linkage _position, const QColor& _color)
{
    vTile(_p, _color == kGreen ? kGreen.darker(130) : QColor(105, 105, 105));
    const qreal lift = _position == Linkage::Raised ? -12 : (_position == Linkage::Lowered ? 8 : 0);
    _p.setPen(pen(_color, 4));
    _p.setBrush(Qt::NoBrush);
    // Machine frame.
    _p.drawLine(QPointF(16, 18), QPointF(16, 78));
    _p.drawLine(QPointF(16, 18), QPointF(28, 18));
    // Links, pivoting at the frame.
    const QPointF top(60, 34 + lift);
    const QPointF low(60, 62 + lift);
    _p.drawLine(QPointF(16, 34), top);
    _p.drawLine(QPointF(16, 62), low);
    _p.setBrush(_color);
    for (const QPointF& pivot : {QPointF(16, 34), QPointF(16, 62), top, low})
        _p.drawEllipse(pivot, 4, 4);
    // Implement frame with its lifting share.
    _p.setBrush(_color);
    QPolygonF implement;
    implement << top + QPointF(0, -6) << top + QPointF(10, -6) << low + QPointF(10, 10)
              << low + QPointF(-4, 10);
    _p.drawPolygon(implement);
    QPolygonF share;
    share << low + QPointF(6, 10) << low + QPointF(24, 16) << low + QPointF(6, 16);
    _p.drawPolygon(share);
    // Ground.
    _p.setPen(pen(kSoil.lighter(140), 3));
    _p.drawLine(QPointF(8, 90), QPointF(92, 90));

    switch (_position) {
    case Linkage::Raised:
        vArrow(_p, QPointF(84, 56), QPointF(84, 14), 6, 16, _color);
        break;
    case Linkage::Lowered:
        vArrow(_p, QPointF(84, 14), QPointF(84, 56), 6, 16, _color);
        break;
    case Linkage::Floating: {
        vDoubleArrow(_p, QPointF(84, 10), QPointF(84, 58), 5, 14, _color);
        QPainterPath wave;
        wave.moveTo(30, 84);
        for (int i = 0; i < 4; ++i)
            wave.cubicTo(34 + i * 14, 78, 38 + i * 14, 90, 44 + i * 14, 84);
        _p.setPen(pen(_color, 3));
        _p.setBrush(Qt::NoBrush);
        _p.drawPath(wave);
        break;
    }
    }
}

// Side view of the tank with the unloading conveyor: unfolded to unload in
// the field, or folded back over the tank for the road.
void vUnloadingConveyor(QPainter& _p, bool _bUnfolded)
{
    vTile(_p);
    const QColor body = kWhite;
    _p.setPen(pen(body.darker(170), 1.5));
    _p.setBrush(body);
    QPolygonF tank;
    tank << QPointF(10, 62) << QPointF(8, 40) << QPointF(52, 38) << QPointF(50, 62);
    _p.drawPolygon(tank);
    _p.drawRect(QRectF(8, 62, 50, 8));
    vWheel(_p, QPointF(20, 76), 9, body, QColor(60, 60, 60));
    vWheel(_p, QPointF(46, 76), 9, body, QColor(60, 60, 60));

    auto belt = [&](const QPointF& a, const QPointF& b) {
        _p.setPen(pen(kYellow, 8));
        _p.drawLine(a, b);
        _p.setPen(pen(kBlack, 1.5));
        const QLineF line(a, b);
        for (qreal t = 0.15; t < 0.95; t += 0.18)
            _p.drawLine(line.pointAt(t) + QPointF(0, -3), line.pointAt(t) + QPointF(0, 3));
    };
    _p.setBrush(kYellow);
    if (_bUnfolded) {
        belt(QPointF(48, 46), QPointF(68, 30));
        belt(QPointF(68, 30), QPointF(90, 16));
        _p.setPen(pen(kBlack, 1.5));
        _p.drawEllipse(QPointF(68, 30), 3.5, 3.5);
        // Beets dropping off the end.
        for (const QPointF& c : {QPointF(88, 28), QPointF(84, 40), QPointF(90, 46)}) {
            _p.setPen(pen(QColor(150, 130, 90), 1));
            _p.setBrush(kCream);
            _p.drawEllipse(c, 3.5, 3);
        }
    } else {
        belt(QPointF(48, 46), QPointF(62, 26));
        belt(QPointF(62, 26), QPointF(20, 22));
        _p.setPen(pen(kBlack, 1.5));
        _p.drawEllipse(QPointF(62, 26), 3.5, 3.5);
    }
}

// Drive shaft with its rotation arrow; a partial drive turns only some units.
void vMachineDrive(QPainter& _p, bool _bFull)
{
    vTile(_p);
    const QPointF c(50, 50);
    _p.setPen(pen(kWhite.darker(150), 1.5));
    _p.setBrush(_bFull ? kGreen : kGreen.darker(105));
    _p.drawPath(gearPath(c, 22, 16, 10, 6));
    if (!_bFull) {
        // The idle half of the gear in grey.
        _p.save();
        _p.setClipRect(QRectF(50, 0, 50, 100));
        _p.setBrush(QColor(110, 110, 110));
        _p.drawPath(gearPath(c, 22, 16, 10, 6));
        _p.restore();
    }
    const QRectF ring(14, 14, 72, 72);
    if (_bFull) {
        vCurvedArrow(_p, ring, 110, 300, 6, kGreen);
    } else {
        vCurvedArrow(_p, ring, 110, 150, 6, kGreen);
        QPen idle = pen(QColor(110, 110, 110), 6);
        idle.setStyle(Qt::DotLine);
        _p.setPen(idle);
        _p.setBrush(Qt::NoBrush);
        _p.drawArc(ring, 290 * 16, 150 * 16);
    }
}

void vAdditionalAxle(QPainter& _p, bool _bRaised)
{
    vTile(_p);
    _p.setPen(pen(kSoil.lighter(140), 3));
    _p.drawLine(QPointF(6, 86), QPointF(94, 86));
    _p.setPen(pen(kWhite.darker(170), 1.5));
    _p.setBrush(kWhite);
    _p.drawRect(QRectF(8, 42, 84, 10));
    vWheel(_p, QPointF(20, 68), 17, kWhite, QColor(60, 60, 60));
    vWheel(_p, QPointF(80, 68), 17, kWhite, QColor(60, 60, 60));
    const qreal y = _bRaised ? 60 : 72;
    _p.setPen(pen(kYellow, 4));
    _p.drawLine(QPointF(50, 52), QPointF(50, y));
    vWheel(_p, QPointF(50, y), 13, kYellow, QColor(80, 70, 20));
    if (_bRaised)
        vArrow(_p, QPointF(50, 38), QPointF(50, 8), 6, 16, kYellow);
    else
        vArrow(_p, QPointF(50, 8), QPointF(50, 38), 6, 16, kYellow);
}

// Texture of the pressure bars: green at the bottom, yellow at the top,
// divided into segments.
void vBarGraph(QPainter& _p)
{
    const int w = 32;
    const int h = 256;
    QLinearGradient fill(0, h, 0, 0);
    fill.setColorAt(0, QColor(20, 170, 40));
    fill.setColorAt(0.55, QColor(150, 210, 20));
    fill.setColorAt(1, kYellow);
    _p.fillRect(QRectF(0, 0, w, h), fill);
    QLinearGradient side(0, 0, w, 0);
    side.setColorAt(0, QColor(0, 0, 0, 90));
    side.setColorAt(0.35, QColor(255, 255, 255, 50));
    side.setColorAt(1, QColor(0, 0, 0, 110));
    _p.fillRect(QRectF(0, 0, w, h), side);
    _p.setPen(QPen(QColor(20, 20, 20), 3));
    for (int y = 16; y < h; y += 16)
        _p.drawLine(QPointF(0, y), QPointF(w, y));
}

// Liquid in a container: a tank with a level and a wave on top.
void vTankLevel(QPainter& _p, const QRectF& _tank, qreal _level, const QColor& _liquid, const QColor& _line,
                qreal _w)
{
    const qreal top = _tank.bottom() - _tank.height() * _level;
    QPainterPath liquid;
    liquid.moveTo(_tank.left(), top);
    const qreal step = _tank.width() / 2;
    liquid.cubicTo(_tank.left() + step * 0.5, top - _w * 1.5, _tank.left() + step * 0.5, top + _w * 1.5,
                   _tank.left() + step, top);
    liquid.cubicTo(_tank.left() + step * 1.5, top - _w * 1.5, _tank.left() + step * 1.5, top + _w * 1.5,
                   _tank.right(), top);
    liquid.lineTo(_tank.bottomRight());
    liquid.lineTo(_tank.bottomLeft());
    liquid.closeSubpath();
    _p.setPen(Qt::NoPen);
    _p.setBrush(_liquid);
    _p.drawPath(liquid);
    _p.setPen(pen(_line, _w));
    _p.setBrush(Qt::NoBrush);
    _p.drawRoundedRect(_tank, _w, _w);
}

void vDrop(QPainter& _p, const QPointF& _tip, qreal _h, const QColor& _color)
{
    const qreal w = _h * 0.36;
    QPainterPath drop;
    drop.moveTo(_tip);
    drop.cubicTo(_tip + QPointF(w * 0.5, _h * 0.35), _tip + QPointF(w, _h * 0.5), _tip + QPointF(0, _h));
    drop.cubicTo(_tip + QPointF(-w, _h * 0.5), _tip + QPointF(-w * 0.5, _h * 0.35), _tip);
    _p.setPen(Qt::NoPen);
    _p.setBrush(_color);
    _p.drawPath(drop);
}

void vAdBlue(QPainter& _p)
{
    // Canister with handle and a blue drop.
    QPolygonF can;
    can << QPointF(18, 26) << QPointF(30, 14) << QPointF(70, 14) << QPointF(82, 26) << QPointF(82, 92)
        << QPointF(18, 92);
    _p.setPen(pen(kLabelYellow, 5));
    _p.setBrush(Qt::NoBrush);
    _p.drawPolygon(can);
    _p.drawRoundedRect(QRectF(36, 4, 20, 10), 3, 3);
    vTankLevel(_p, QRectF(26, 50, 48, 34), 0.75, kBlue, kBlue.lighter(130), 2);
    vDrop(_p, QPointF(50, 22), 28, kBlue.lighter(120));
}

void vDriveForward(QPainter& _p)
{
    vWheel(_p, QPointF(36, 62), 28, kLabelYellow, QColor(60, 50, 10));
    _p.setPen(pen(kLabelYellow, 3));
    for (int i = 0; i < 6; ++i) {
        const QLineF spoke = QLineF::fromPolar(15, i * 60).translated(QPointF(36, 62));
        _p.drawLine(spoke.pointAt(0.35), spoke.p2());
    }
    vArrow(_p, QPointF(52, 22), QPointF(96, 22), 10, 26, kGreen);
    _p.setPen(pen(kLabelYellow, 4));
    _p.drawLine(QPointF(4, 94), QPointF(96, 94));
}

void vHydraulicLevel(QPainter& _p, bool _bSmall)
{
    if (_bSmall) {
        // The compact form stands close beside its value in a crowded row:
        // a narrow tank in the left quarter, the rest of the square left clear.
        vTankLevel(_p, QRectF(3, 34, 19, 62), 0.55, kAmber.darker(110), kLabelYellow, 3);
        vDrop(_p, QPointF(12, 4), 22, kAmber);
        return;
    }
    const qreal w = 4.5;
    vTankLevel(_p, QRectF(12, 34, 76, 56), 0.55, kAmber.darker(110), kLabelYellow, w);
    vDrop(_p, QPointF(50, 4), 28, kAmber);
    // Level marks on the side.
    _p.setPen(pen(kLabelYellow, w * 0.6));
    for (int i = 0; i < 3; ++i)
        _p.drawLine(QPointF(88, 46 + i * 14), QPointF(96, 46 + i * 14));
    if (!_bSmall)
        vText(_p, QRectF(12, 60, 76, 28), QStringLiteral("HYD"), 16, kBlack);
}

// Engine oil can with its dripping spout.
void vOilCan(QPainter& _p, const QRectF& _area, const QColor& _color)
{
    _p.save();
    _p.translate(_area.topLeft());
    _p.scale(_area.width() / 100.0, _area.height() / 100.0);
    QPolygonF body;
    body << QPointF(8, 40) << QPointF(60, 40) << QPointF(92, 26) << QPointF(96, 30) << QPointF(66, 66)
         << QPointF(8, 66);
    _p.setPen(pen(_color, 3));
    _p.setBrush(_color);
    _p.drawPolygon(body);
    _p.drawRect(QRectF(28, 30, 16, 10));
    _p.setPen(pen(_color, 6));
    _p.setBrush(Qt::NoBrush);
    _p.drawLine(QPointF(8, 46), QPointF(0, 38));
    _p.restore();
    vDrop(_p, QPointF(_area.left() + _area.width() * 0.94, _area.top() + _area.height() * 0.4),
          _area.height() * 0.24, _color);
}

void vOilLevel(QPainter& _p)
{
    vOilCan(_p, QRectF(6, 4, 88, 70), kLabelYellow);
    QPainterPath wave;
    wave.moveTo(6, 86);
    for (int i = 0; i < 4; ++i)
        wave.cubicTo(11 + i * 22, 78, 17 + i * 22, 94, 28 + i * 22, 86);
    _p.setPen(pen(kLabelYellow, 6));
    _p.setBrush(Qt::NoBrush);
    _p.drawPath(wave);
}

void vOilTemperature(QPainter& _p)
{
    vOilCan(_p, QRectF(2, 38, 80, 60), kLabelYellow);
    vThermometer(_p, QRectF(62, 2, 26, 60), kLabelYellow, kRed);
}

// Thermometer standing in waves: the coolant temperature.
void vWaterTemperature(QPainter& _p, bool _bSmall)
{
    if (_bSmall) {
        // Compact form, as for the hydraulic level: thermometer and one wave
        // in the left quarter of the square.
        vThermometer(_p, QRectF(4, 2, 16, 76), kLabelYellow, kRed);
        _p.setPen(pen(kBlue.lighter(140), 5));
        _p.setBrush(Qt::NoBrush);
        QPainterPath wave;
        wave.moveTo(1, 88);
        wave.cubicTo(6, 80, 10, 96, 13, 88);
        wave.cubicTo(16, 80, 20, 96, 24, 88);
        _p.drawPath(wave);
        return;
    }
    const qreal w = 5;
    vThermometer(_p, QRectF(36, 2, 28, 70), kLabelYellow, kRed);
    _p.setPen(pen(kBlue.lighter(140), w));
    _p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 2; ++row) {
        const qreal y = 82 + row * 12;
        QPainterPath wave;
        wave.moveTo(6, y);
        for (int i = 0; i < 4; ++i)
            wave.cubicTo(11 + i * 22, y - 8, 17 + i * 22, y + 8, 28 + i * 22, y);
        _p.drawPath(wave);
    }
}

} // namespace

namespace Draw
{

QList<Picture> machineSymbolPictures()
{
    return {
        unit("Statussymbol Dreipunkt oben.png", 96,
             [](QPainter& p) { vThreePoint(p, Linkage::Raised, kWhite); }),
        unit("Statussymbol Dreipunkt unten.png", 96,
             [](QPainter& p) { vThreePoint(p, Linkage::Lowered, kWhite); }),
        unit("Statussymbol Dreipunkt unten gruen.png", 96,
             [](QPainter& p) { vThreePoint(p, Linkage::Lowered, kGreen); }),
        unit("Hinweis_gruen_Schwimmstellung_Dreipunkt_Aktiv.png", 96,
             [](QPainter& p) { vThreePoint(p, Linkage::Floating, kGreen); }),
        unit("Statussymbol Entladeband Rodestellung Grison.png", 96,
             [](QPainter& p) { vUnloadingConveyor(p, true); }),
        unit("Statussymbol Entladeband Transportstellung Grison.png", 96,
             [](QPainter& p) { vUnloadingConveyor(p, false); }),
        unit("Statussymbol Maschinenantrieb ein.png", 96, [](QPainter& p) { vMachineDrive(p, true); }),
        unit("Statussymbol_Maschinenantrieb_teil.png", 96, [](QPainter& p) { vMachineDrive(p, false); }),
        unit("Statussymbol Zusatzachse oben.png", 96, [](QPainter& p) { vAdditionalAxle(p, true); }),
        unit("Statussymbol Zusatzachse unten.png", 96, [](QPainter& p) { vAdditionalAxle(p, false); }),
        pixels("Bargraph_Druck_Antriebe.png", QSize(32, 256), vBarGraph),
        unit("images/Symbol AdBlue-Fuellstand.png", 96, vAdBlue),
        unit("images/Symbol Fahranantrieb vorwaerts.png", 96, vDriveForward),
        unit("images/Symbol HydraulikStand.png", 96, [](QPainter& p) { vHydraulicLevel(p, false); }),
        unit("images/Symbol HydraulikStand_klein.png", 64, [](QPainter& p) { vHydraulicLevel(p, true); }),
        unit("images/Symbol OelStand_klein.png", 64, vOilLevel),
        unit("images/Symbol OelTemp_klein.png", 64, vOilTemperature),
        unit("images/Symbol WasserTemp.png", 96, [](QPainter& p) { vWaterTemperature(p, false); }),
        unit("images/Symbol WasserTemp_klein.png", 64, [](QPainter& p) { vWaterTemperature(p, true); }),
    };
}

} // namespace Draw
