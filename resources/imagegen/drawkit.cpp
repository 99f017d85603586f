#include "drawkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace Draw
{

Picture unit(const QString& _strName, int _iPixels, DrawFn _draw)
{
    return {_strName, QSize(_iPixels, _iPixels), true, std::move(_draw)};
}

Picture pixels(const QString& _strName, const QSize& _size, DrawFn _draw)
{
    return {_strName, _size, false, std::move(_draw)};
}

QPen pen(const QColor& _color, qreal _width)
{
    return QPen(_color, _width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void vText(QPainter& _p, const QRectF& _rect, const QString& _strText, int _iSize, const QColor& _color,
           bool _bBold, int _iFlags)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(_iSize);
    font.setBold(_bBold);
    _p.setFont(font);
    _p.setPen(_color);
    _p.drawText(_rect, _iFlags, _strText);
}

void vTile(QPainter& _p, const QColor& _rim)
{
    QLinearGradient shade(0, 0, 0, 100);
    shade.setColorAt(0, QColor(52, 52, 52));
    shade.setColorAt(1, QColor(12, 12, 12));
    _p.setPen(pen(_rim, 3));
    _p.setBrush(shade);
    _p.drawRoundedRect(QRectF(2.5, 2.5, 95, 95), 13, 13);
}

void vStepFrame(QPainter& _p, const QString& _strNumber)
{
    vTile(_p, kYellow);
    if (_strNumber.isEmpty())
        return;
    _p.setPen(Qt::NoPen);
    _p.setBrush(kYellow);
    _p.drawRoundedRect(QRectF(7, 7, 30, 16), 4, 4);
    vText(_p, QRectF(7, 7, 30, 16), _strNumber, 12, kBlack);
}

void vStages(QPainter& _p, const QRectF& _rect, int _iCount, int _iActive)
{
    const qreal gap = _rect.width() * 0.08;
    const qreal w = (_rect.width() - gap * (_iCount - 1)) / _iCount;
    for (int i = 0; i < _iCount; ++i) {
        const qreal h = _rect.height() * (i + 1) / _iCount;
        const QRectF bar(_rect.left() + i * (w + gap), _rect.bottom() - h, w, h);
        _p.setPen(pen(kYellow, 1.2));
        _p.setBrush(i < _iActive ? QBrush(kYellow) : QBrush(Qt::NoBrush));
        _p.drawRect(bar);
    }
}

QPainterPath arrowPath(const QPointF& _from, const QPointF& _to, qreal _shaft, qreal _head)
{
    const QLineF line(_from, _to);
    const qreal len = line.length();
    const qreal headLen = qMin(_head * 0.9, len);
    QPolygonF poly;
    poly << QPointF(0, -_shaft / 2) << QPointF(len - headLen, -_shaft / 2)
         << QPointF(len - headLen, -_head / 2) << QPointF(len, 0) << QPointF(len - headLen, _head / 2)
         << QPointF(len - headLen, _shaft / 2) << QPointF(0, _shaft / 2);
    QTransform t;
    t.translate(_from.x(), _from.y());
    t.rotate(-line.angle());
    QPainterPath path;
    path.addPolygon(t.map(poly));
    path.closeSubpath();
    return path;
}

void vArrow(QPainter& _p, const QPointF& _from, const QPointF& _to, qreal _shaft, qreal _head,
            const QColor& _color)
{
    _p.setPen(Qt::NoPen);
    _p.setBrush(_color);
    _p.drawPath(arrowPath(_from, _to, _shaft, _head));
}

void vDoubleArrow(QPainter& _p, const QPointF& _a, const QPointF& _b, qreal _shaft, qreal _head,
                  const QColor& _color)
{
    const QPointF mid = (_a + _b) / 2;
    _p.setPen(Qt::NoPen);
    _p.setBrush(_color);
    _p.drawPath(arrowPath(mid, _a, _shaft, _head).united(arrowPath(mid, _b, _shaft, _head)));
}

void vCurvedArrow(QPainter& _p, const QRectF& _ellipse, qreal _startDeg, qreal _spanDeg, qreal _width,
                  const QColor& _color)
{
    const QPointF c = _ellipse.center();
    const qreal rx = _ellipse.width() / 2;
    const qreal ry = _ellipse.height() / 2;
    auto point = [&](qreal deg) {
        const qreal a = qDegreesToRadians(deg);
        return QPointF(c.x() + rx * qCos(a), c.y() - ry * qSin(a));
    };
    const qreal sign = _spanDeg >= 0 ? 1 : -1;
    const qreal head = _width * 2.6;
    const qreal headDeg = qRadiansToDegrees(head * 0.9 / ((rx + ry) / 2));

    QPainterPath arc;
    arc.arcMoveTo(_ellipse, _startDeg);
    arc.arcTo(_ellipse, _startDeg, _spanDeg - sign * headDeg * 0.7);
    QPen arcPen = pen(_color, _width);
    arcPen.setCapStyle(Qt::FlatCap);
    _p.setPen(arcPen);
    _p.setBrush(Qt::NoBrush);
    _p.drawPath(arc);

    const QPointF tip = point(_startDeg + _spanDeg);
    const QPointF base = point(_startDeg + _spanDeg - sign * headDeg);
    QPointF normal(-(tip.y() - base.y()), tip.x() - base.x());
    const qreal len = qSqrt(normal.x() * normal.x() + normal.y() * normal.y());
    if (len > 0)
        normal /= len;
    QPolygonF triangle;
    triangle << tip << base + normal * head / 2 << base - normal * head / 2;
    _p.setPen(Qt::NoPen);
    _p.setBrush(_color);
    _p.drawPolygon(triangle);
}

QPainterPath gearPath(const QPointF& _center, qreal _rOuter, qreal _rInner, int _iTeeth, qreal _rHole)
{
    QPolygonF poly;
    const qreal step = 2 * M_PI / _iTeeth;
    auto at = [&](qreal a, qreal r) { return QPointF(_center.x() + r * qCos(a), _center.y() + r * qSin(a)); };
    for (int i = 0; i < _iTeeth; ++i) {
        const qreal a0 = i * step;
        poly << at(a0, _rInner) << at(a0 + 0.12 * step, _rOuter) << at(a0 + 0.45 * step, _rOuter)
             << at(a0 + 0.57 * step, _rInner);
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(poly);
    path.closeSubpath();
    if (_rHole > 0)
        path.addEllipse(_center, _rHole, _rHole);
    return path;
}

void vWheel(QPainter& _p, const QPointF& _center, qreal _r, const QColor& _tyre, const QColor& _rim)
{
    _p.setPen(Qt::NoPen);
    _p.setBrush(_tyre);
    _p.drawEllipse(_center, _r, _r);
    _p.setBrush(_rim);
    _p.drawEllipse(_center, _r * 0.58, _r * 0.58);
    _p.setBrush(_tyre);
    _p.drawEllipse(_center, _r * 0.2, _r * 0.2);
}

QPainterPath beetPath(const QPointF& _crown, qreal _width, qreal _length)
{
    const qreal cx = _crown.x();
    const qreal top = _crown.y();
    const qreal w = _width;
    const qreal h = _length;
    QPainterPath path;
    path.moveTo(cx - w / 2, top + h * 0.14);
    path.cubicTo(cx - w / 2, top - h * 0.05, cx + w / 2, top - h * 0.05, cx + w / 2, top + h * 0.14);
    path.cubicTo(cx + w * 0.5, top + h * 0.48, cx + w * 0.14, top + h * 0.78, cx + w * 0.02, top + h);
    path.cubicTo(cx - w * 0.1, top + h * 0.8, cx - w * 0.52, top + h * 0.5, cx - w / 2, top + h * 0.14);
    path.closeSubpath();
    return path;
}

void vLeaf(QPainter& _p, const QPointF& _base, qreal _angleDeg, qreal _length, qreal _width,
           const QColor& _color)
{
    const qreal l = _length;
    const qreal w = _width / 2;
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.lineTo(l * 0.25, 0);
    leaf.cubicTo(l * 0.35, -w * 1.3, l * 0.85, -w * 1.1, l, 0);
    leaf.cubicTo(l * 0.85, w * 1.1, l * 0.35, w * 1.3, l * 0.25, 0);
    QTransform t;
    t.translate(_base.x(), _base.y());
    t.rotate(-_angleDeg);
    _p.setPen(pen(_color.darker(140), qMax(0.6, l * 0.025)));
    _p.setBrush(_color);
    _p.drawPath(t.map(leaf));
    _p.setPen(pen(_color.lighter(150), qMax(0.5, l * 0.02)));
    _p.drawLine(t.map(QPointF(0, 0)), t.map(QPointF(l * 0.9, 0)));
}

void vBeet(QPainter& _p, const QPointF& _crown, qreal _width, qreal _length, bool _bLeaves)
{
    if (_bLeaves) {
        const qreal l = _length * 0.75;
        vLeaf(_p, _crown, 125, l, l * 0.42, kLeaf.darker(115));
        vLeaf(_p, _crown, 62, l * 0.9, l * 0.38, kLeaf);
        vLeaf(_p, _crown, 95, l * 1.05, l * 0.4, kLeaf.lighter(115));
    }
    const QPainterPath root = beetPath(_crown, _width, _length);
    QLinearGradient shade(_crown.x() - _width / 2, 0, _crown.x() + _width / 2, 0);
    shade.setColorAt(0, kCream);
    shade.setColorAt(1, QColor(205, 190, 150));
    _p.setPen(pen(QColor(150, 130, 90), qMax(0.6, _width * 0.04)));
    _p.setBrush(shade);
    _p.drawPath(root);
    _p.setPen(pen(QColor(175, 155, 115), qMax(0.4, _width * 0.025)));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = _crown.y() + _length * (0.2 + i * 0.13);
        const qreal half = _width * (0.36 - i * 0.07);
        _p.drawLine(QPointF(_crown.x() - half, y), QPointF(_crown.x() - half * 0.2, y + 1));
    }
}

void vThermometer(QPainter& _p, const QRectF& _rect, const QColor& _color, const QColor& _fill)
{
    const qreal w = _rect.width();
    const qreal bulb = w * 0.5;
    const QPointF bulbCenter(_rect.center().x(), _rect.bottom() - bulb);
    const qreal tubeW = w * 0.42;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(bulbCenter.x() - tubeW / 2, _rect.top(), tubeW, _rect.height() - bulb),
                           tubeW / 2, tubeW / 2);
    outline.addEllipse(bulbCenter, bulb, bulb);
    outline = outline.simplified();
    _p.setPen(pen(_color, w * 0.12));
    _p.setBrush(Qt::NoBrush);
    _p.drawPath(outline);
    _p.setPen(Qt::NoPen);
    _p.setBrush(_fill);
    _p.drawEllipse(bulbCenter, bulb * 0.62, bulb * 0.62);
    const qreal fillW = tubeW * 0.38;
    _p.drawRect(QRectF(bulbCenter.x() - fillW / 2, _rect.top() + _rect.height() * 0.3, fillW,
                       _rect.height() * 0.7 - bulb));
}

void vDial(QPainter& _p, const QPointF& _center, qreal _r, qreal _fraction, const QColor& _needle)
{
    _p.setPen(pen(kWhite, _r * 0.12));
    _p.setBrush(QColor(25, 25, 25));
    _p.drawEllipse(_center, _r, _r);
    _p.setPen(pen(kWhite, _r * 0.08));
    for (int i = 0; i <= 6; ++i) {
        const QLineF tick = QLineF::fromPolar(_r * 0.78, 225 - i * 45).translated(_center);
        _p.drawLine(tick.pointAt(0.8), tick.p2());
    }
    const QLineF needle = QLineF::fromPolar(_r * 0.72, 225 - _fraction * 270).translated(_center);
    _p.setPen(pen(_needle, _r * 0.16));
    _p.drawLine(needle);
    _p.setPen(Qt::NoPen);
    _p.setBrush(_needle);
    _p.drawEllipse(_center, _r * 0.16, _r * 0.16);
}

QPainterPath wrenchPath()
{
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 14, 14);
    QPainterPath jaw;
    jaw.addRect(QRectF(-16, -5.5, 14, 11));
    QPainterPath handle;
    handle.addRoundedRect(QRectF(6, -6, 58, 12), 6, 6);
    return head.subtracted(jaw).united(handle);
}

void vHarvester(QPainter& _p, const QRectF& _rect, const QColor& _body, const QColor& _detail)
{
    // Drawn in a local space of 100 x 60, facing left.
    _p.save();
    _p.translate(_rect.topLeft());
    _p.scale(_rect.width() / 100.0, _rect.height() / 60.0);

    _p.setPen(Qt::NoPen);
    _p.setBrush(_body);
    // Tank (bunker) with its flared top.
    QPolygonF tank;
    tank << QPointF(38, 36) << QPointF(35, 9) << QPointF(94, 7) << QPointF(92, 36);
    _p.drawPolygon(tank);
    // Chassis, engine hood and front lifting unit.
    _p.drawRect(QRectF(14, 33, 84, 11));
    _p.drawRect(QRectF(84, 22, 14, 12));
    QPolygonF front;
    front << QPointF(1, 49) << QPointF(6, 38) << QPointF(17, 36) << QPointF(19, 47) << QPointF(10, 53)
          << QPointF(1, 53);
    _p.drawPolygon(front);
    // Cab.
    QPolygonF cab;
    cab << QPointF(16, 34) << QPointF(15, 12) << QPointF(33, 11) << QPointF(34, 34);
    _p.drawPolygon(cab);
    _p.setBrush(_detail);
    QPolygonF window;
    window << QPointF(17.5, 24) << QPointF(17, 14) << QPointF(31, 13.5) << QPointF(31.5, 24);
    _p.drawPolygon(window);
    // Exhaust and the folded unloading conveyor above the cab.
    _p.setPen(pen(_body, 2));
    _p.drawLine(QPointF(92, 22), QPointF(92, 14));
    _p.setPen(pen(_body, 3));
    _p.drawLine(QPointF(38, 8), QPointF(14, 6));
    _p.setPen(pen(_detail, 0.8));
    for (qreal x = 44; x < 90; x += 6)
        _p.drawLine(QPointF(x, 11), QPointF(x - 0.6, 33));
    // Wheels.
    vWheel(_p, QPointF(30, 47), 12, _body, _detail);
    vWheel(_p, QPointF(62, 48), 11, _body, _detail);
    vWheel(_p, QPointF(84, 48), 11, _body, _detail);
    _p.restore();
}

QPainterPath tortoisePath()
{
    QPainterPath shell;
    shell.moveTo(16, 66);
    shell.cubicTo(18, 26, 76, 24, 80, 66);
    shell.closeSubpath();
    QPainterPath body;
    body.addRoundedRect(QRectF(12, 60, 72, 10), 5, 5);
    body.addEllipse(QRectF(78, 44, 18, 15));
    body.addRoundedRect(QRectF(80, 52, 8, 12), 3, 3);
    body.addRoundedRect(QRectF(22, 62, 11, 17), 4, 4);
    body.addRoundedRect(QRectF(62, 62, 11, 17), 4, 4);
    QPolygonF tail;
    tail << QPointF(14, 62) << QPointF(4, 68) << QPointF(15, 68);
    body.addPolygon(tail);
    return shell.united(body).simplified();
}

QPainterPath harePath()
{
    QPainterPath hare;
    hare.setFillRule(Qt::WindingFill);
    auto addEllipse = [&](qreal x, qreal y, qreal rx, qreal ry, qreal angle) {
        QPainterPath e;
        e.addEllipse(QPointF(0, 0), rx, ry);
        QTransform t;
        t.translate(x, y);
        t.rotate(angle);
        hare.addPath(t.map(e));
    };
    addEllipse(44, 52, 30, 15, -12); // body, stretched in the leap
    addEllipse(26, 58, 15, 13, 0);   // haunch
    addEllipse(14, 72, 15, 4.5, 18); // hind foot pushing off
    addEllipse(72, 36, 13, 10, -18); // head
    addEllipse(56, 22, 17, 5, 22);   // ears laid back
    addEllipse(58, 28, 15, 4.5, 36);
    addEllipse(80, 62, 14, 3.5, 38); // fore legs reaching forward
    addEllipse(84, 56, 13, 3.5, 20);
    addEllipse(12, 48, 6, 6, 0); // tail
    return hare.simplified();
}

static void vSilhouette(QPainter& _p, const QRectF& _rect, const QPainterPath& _path, const QColor& _fill)
{
    _p.save();
    _p.translate(_rect.topLeft());
    _p.scale(_rect.width() / 100.0, _rect.height() / 100.0);
    _p.setPen(Qt::NoPen);
    _p.setBrush(_fill);
    _p.drawPath(_path);
    _p.restore();
}

void vTortoise(QPainter& _p, const QRectF& _rect, const QColor& _fill, const QColor& _line)
{
    vSilhouette(_p, _rect, tortoisePath(), _fill);
    _p.save();
    _p.translate(_rect.topLeft());
    _p.scale(_rect.width() / 100.0, _rect.height() / 100.0);
    _p.setPen(pen(_line, 2.2));
    _p.setBrush(Qt::NoBrush);
    // Shell plates.
    QPolygonF plate;
    plate << QPointF(40, 38) << QPointF(56, 38) << QPointF(62, 50) << QPointF(56, 61) << QPointF(40, 61)
          << QPointF(34, 50);
    _p.drawPolygon(plate);
    _p.drawLine(QPointF(34, 50), QPointF(21, 50));
    _p.drawLine(QPointF(62, 50), QPointF(76, 50));
    _p.drawLine(QPointF(40, 38), QPointF(34, 31));
    _p.drawLine(QPointF(56, 38), QPointF(62, 31));
    _p.drawLine(QPointF(14, 63), QPointF(82, 63));
    _p.setPen(Qt::NoPen);
    _p.setBrush(_line);
    _p.drawEllipse(QPointF(89, 49), 1.8, 1.8);
    _p.restore();
}

void vHare(QPainter& _p, const QRectF& _rect, const QColor& _fill, const QColor& _line)
{
    vSilhouette(_p, _rect, harePath(), _fill);
    _p.save();
    _p.translate(_rect.topLeft());
    _p.scale(_rect.width() / 100.0, _rect.height() / 100.0);
    _p.setPen(Qt::NoPen);
    _p.setBrush(_line);
    _p.drawEllipse(QPointF(75, 33), 2.2, 2.2);
    _p.setPen(pen(_line, 2));
    _p.setBrush(Qt::NoBrush);
    _p.drawArc(QRectF(14, 46, 26, 24), 20 * 16, 150 * 16);
    _p.restore();
}

} // namespace Draw
