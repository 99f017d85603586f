// Program step pictures, front of the machine: topping and lifting. Each
// shows the unit that the step adjusts, in the step frame with its number;
// "stage" steps carry stage bars, speed steps a dial, height steps an arrow.

#include "drawkit.h"

using namespace Draw;

namespace
{

const QRectF kStageArea(70, 64, 22, 24);

void vSoil(QPainter& _p, qreal _y)
{
    _p.setPen(Qt::NoPen);
    _p.setBrush(kSoil);
    _p.drawRect(QRectF(6, _y, 88, 91 - _y));
    _p.setPen(pen(kSoil.lighter(140), 2));
    _p.drawLine(QPointF(6, _y), QPointF(94, _y));
}

// A beet standing in the soil with only its crown above ground.
void vBeetInSoil(QPainter& _p, const QPointF& _crown, qreal _w, bool _bLeaves)
{
    _p.save();
    _p.setClipRect(QRectF(0, 0, 100, 91));
    vBeet(_p, _crown, _w, _w * 1.5, _bLeaves);
    _p.restore();
}

// Flail topper from the side: hood over a rotor with hinged flails.
void vTopperHood(QPainter& _p, const QPointF& _c, qreal _r)
{
    _p.setPen(pen(kWhite, 3));
    _p.setBrush(QColor(60, 60, 60));
    QPainterPath hood;
    hood.moveTo(_c.x() - _r * 1.25, _c.y() + _r * 0.6);
    hood.arcTo(QRectF(_c.x() - _r * 1.25, _c.y() - _r * 1.25, _r * 2.5, _r * 2.5), 200, -220);
    _p.drawPath(hood);
    _p.setBrush(kWhite);
    _p.drawEllipse(_c, _r * 0.22, _r * 0.22);
    _p.setPen(pen(kWhite, 2.5));
    for (int i = 0; i < 8; ++i) {
        const QLineF flail = QLineF::fromPolar(_r * 0.95, i * 45 + 10).translated(_c);
        _p.drawLine(flail.pointAt(0.3), flail.p2());
    }
}

// A leaf disc in perspective with its blades.
void vLeafDisc(QPainter& _p, const QRectF& _disc)
{
    _p.setPen(pen(kWhite, 2.5));
    _p.setBrush(QColor(70, 70, 70));
    _p.drawEllipse(_disc);
    _p.setPen(pen(kWhite, 2));
    const QPointF c = _disc.center();
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 60;
        const QLineF spoke = QLineF::fromPolar(1, a);
        _p.drawLine(c, c + QPointF(spoke.dx() * _disc.width() * 0.45, spoke.dy() * _disc.height() * 0.45));
    }
    _p.setPen(pen(kWhite, 3));
    _p.drawLine(c, c + QPointF(0, -_disc.height() * 1.3));
}

void vMaintenance(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("132"));
    vHarvester(_p, QRectF(8, 48, 64, 38), kWhite, QColor(60, 60, 60));
    QTransform t;
    t.translate(80, 32);
    t.rotate(150);
    t.scale(0.6, 0.6);
    _p.setPen(pen(kBlack, 1.5));
    _p.setBrush(kYellow);
    _p.drawPath(t.map(wrenchPath()));
}

void vTopperFold(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("141"));
    vSoil(_p, 82);
    vTopperHood(_p, QPointF(36, 66), 16);
    vCurvedArrow(_p, QRectF(30, 26, 52, 60), 0, 120, 5, kYellow);
}

void vLeafDiscStage(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("121"));
    vLeafDisc(_p, QRectF(12, 54, 50, 20));
    vLeaf(_p, QPointF(60, 56), 30, 16, 7, kLeaf);
    vLeaf(_p, QPointF(62, 62), 5, 14, 6, kLeaf.lighter(120));
    vLeaf(_p, QPointF(14, 58), 160, 13, 6, kLeaf);
    vStages(_p, kStageArea, 4, 2);
}

void vFlailShaftSpeed(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("156"));
    // The shaft seen from the front with its rows of flails.
    _p.setPen(pen(kWhite, 4));
    _p.drawLine(QPointF(16, 50), QPointF(68, 50));
    _p.setPen(pen(kWhite, 3));
    for (qreal x = 20; x <= 64; x += 8) {
        _p.drawLine(QPointF(x, 50), QPointF(x, 64));
        _p.drawLine(QPointF(x + 4, 50), QPointF(x + 4, 36));
    }
    _p.setBrush(kYellow);
    _p.setPen(pen(kBlack, 1));
    _p.drawRect(QRectF(12, 44, 5, 12));
    vCurvedArrow(_p, QRectF(6, 36, 18, 28), 150, -240, 3, kYellow);
    vDial(_p, QPointF(76, 74), 14, 0.75, kYellow);
}

void vDefoliatorSpeed(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("155"));
    vSoil(_p, 80);
    vBeetInSoil(_p, QPointF(36, 76), 16, false);
    // Rotor from the side with rubber flails, throwing leaves.
    const QPointF c(38, 54);
    _p.setPen(pen(kWhite, 4));
    for (int i = 0; i < 10; ++i) {
        const QLineF flail = QLineF::fromPolar(18, i * 36).translated(c);
        _p.drawLine(flail.pointAt(0.3), flail.p2());
    }
    _p.setBrush(kWhite);
    _p.drawEllipse(c, 6, 6);
    vCurvedArrow(_p, QRectF(14, 30, 48, 48), 200, -110, 3.5, kYellow);
    vLeaf(_p, QPointF(60, 40), 20, 14, 6, kLeaf);
    vLeaf(_p, QPointF(62, 52), -10, 12, 5, kLeaf.lighter(120));
    vDial(_p, QPointF(78, 66), 13, 0.6, kYellow);
}

void vCleanerShaftHeight(QPainter& _p)
{
    vStepFrame(_p, QString());
    vSoil(_p, 78);
    vBeetInSoil(_p, QPointF(36, 74), 22, false);
    const QPointF c(36, 40);
    _p.setPen(pen(kWhite, 5));
    for (int i = 0; i < 6; ++i) {
        const QLineF flap = QLineF::fromPolar(18, i * 60 + 15).translated(c);
        _p.drawLine(flap.pointAt(0.25), flap.p2());
    }
    _p.setBrush(kWhite);
    _p.drawEllipse(c, 5, 5);
    vCurvedArrow(_p, QRectF(12, 16, 48, 48), 120, -100, 3, kYellow);
    // Height between shaft and crown.
    QPen dim = pen(kYellow, 1.5);
    dim.setStyle(Qt::DashLine);
    _p.setPen(dim);
    _p.drawLine(QPointF(36, 40), QPointF(80, 40));
    _p.drawLine(QPointF(48, 72), QPointF(80, 72));
    vDoubleArrow(_p, QPointF(76, 40), QPointF(76, 72), 4, 12, kYellow);
}

void vScalper(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("127"));
    vSoil(_p, 74);
    vBeetInSoil(_p, QPointF(42, 62), 30, false);
    // Knife slicing off the crown; the slice lifts away.
    QPolygonF knife;
    knife << QPointF(8, 56) << QPointF(66, 58) << QPointF(8, 62);
    _p.setPen(pen(kBlack, 1));
    _p.setBrush(kYellow);
    _p.drawPolygon(knife);
    _p.setPen(pen(QColor(150, 130, 90), 1.5));
    _p.setBrush(kCream);
    _p.drawEllipse(QRectF(44, 42, 28, 8));
    vLeaf(_p, QPointF(58, 42), 70, 12, 6, kLeaf);
    _p.setPen(pen(kWhite, 3));
    _p.drawLine(QPointF(8, 56), QPointF(8, 32));
    _p.drawLine(QPointF(8, 32), QPointF(30, 32));
    vDoubleArrow(_p, QPointF(84, 30), QPointF(84, 66), 4, 12, kYellow);
}

void vShareProfile(QPainter& _p, const QPointF& _tip, qreal _scale)
{
    QPolygonF share;
    share << _tip << _tip + QPointF(26, -14) * _scale << _tip + QPointF(30, -8) * _scale
          << _tip + QPointF(6, 2) * _scale;
    _p.setPen(pen(kBlack, 1));
    _p.setBrush(kWhite);
    _p.drawPolygon(share);
    _p.setPen(pen(kWhite, 3 * _scale));
    _p.drawLine(_tip + QPointF(26, -14) * _scale, _tip + QPointF(26, -40) * _scale);
}

void vShakerShareStage(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("122"));
    vSoil(_p, 56);
    vBeetInSoil(_p, QPointF(22, 52), 16, true);
    vShareProfile(_p, QPointF(14, 82), 1.0);
    // Vibration marks by the share's shank.
    _p.setPen(pen(kYellow, 2.5));
    _p.setBrush(Qt::NoBrush);
    for (int col = 0; col < 2; ++col) {
        QPolygonF zig;
        for (int i = 0; i < 5; ++i)
            zig << QPointF(49 + col * 9 + (i % 2 ? 4 : 0), 28 + i * 6);
        _p.drawPolyline(zig);
    }
    vStages(_p, kStageArea, 4, 3);
}

void vFeelerWheelStage(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("123"));
    vSoil(_p, 76);
    // Wheel rolling on the ridge, carried by its arm.
    vWheel(_p, QPointF(34, 60), 16, kWhite, QColor(70, 70, 70));
    _p.setPen(pen(kWhite, 4));
    _p.drawLine(QPointF(34, 60), QPointF(58, 34));
    _p.drawLine(QPointF(58, 34), QPointF(58, 28));
    _p.setBrush(kWhite);
    _p.drawEllipse(QPointF(58, 34), 3.5, 3.5);
    vDoubleArrow(_p, QPointF(62, 38), QPointF(62, 62), 3.5, 10, kYellow);
    vStages(_p, kStageArea, 4, 1);
}

void vLiftingRollerStage(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("124"));
    // Two rollers forming a V seen from the front, a beet lifted between them.
    vBeet(_p, QPointF(38, 46), 15, 22, true);
    for (int side : {-1, 1}) {
        _p.save();
        _p.translate(38 + side * 16, 66);
        _p.rotate(side * 30);
        _p.setPen(pen(kWhite, 2));
        _p.setBrush(QColor(80, 80, 80));
        _p.drawRoundedRect(QRectF(-7, -22, 14, 44), 6, 6);
        _p.setPen(pen(kWhite, 2.5));
        for (qreal y = -16; y <= 14; y += 8)
            _p.drawLine(QPointF(-7, y + 4), QPointF(7, y - 2));
        _p.restore();
    }
    vStages(_p, kStageArea, 4, 2);
}

// The topper seen from the front with its relief cylinders; the relieved
// side lifts.
void vTopperRelief(QPainter& _p, bool _bLeft)
{
    vStepFrame(_p, _bLeft ? QStringLiteral("130") : QStringLiteral("131"));
    vSoil(_p, 80);
    _p.setPen(pen(kWhite, 3));
    _p.setBrush(QColor(60, 60, 60));
    _p.drawRoundedRect(QRectF(16, 50, 68, 22), 8, 8);
    vWheel(_p, QPointF(20, 74), 6, kWhite, QColor(60, 60, 60));
    vWheel(_p, QPointF(80, 74), 6, kWhite, QColor(60, 60, 60));
    const qreal x = _bLeft ? 28 : 72;
    // Relief cylinder and the pressure gauge on the relieved side.
    _p.setPen(pen(kWhite, 2));
    _p.setBrush(kWhite);
    _p.drawRect(QRectF(x - 4, 34, 8, 16));
    _p.setPen(pen(kWhite, 3));
    _p.drawLine(QPointF(x, 28), QPointF(x, 34));
    vArrow(_p, QPointF(x + (_bLeft ? 12 : -12), 50), QPointF(x + (_bLeft ? 12 : -12), 28), 4, 12, kYellow);
    vDial(_p, QPointF(_bLeft ? 74 : 26, 36), 11, 0.45, kYellow);
    vText(_p, QRectF(_bLeft ? 8 : 60, 52, 32, 20), _bLeft ? QStringLiteral("L") : QStringLiteral("R"), 16,
          kYellow);
}

void vStoneProtection(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("150"));
    vSoil(_p, 58);
    // A stone pushes the share back against its spring.
    _p.setPen(pen(QColor(60, 60, 60), 1.5));
    _p.setBrush(QColor(150, 150, 150));
    QPolygonF stone;
    stone << QPointF(10, 78) << QPointF(14, 68) << QPointF(26, 66) << QPointF(32, 74) << QPointF(26, 84)
          << QPointF(14, 84);
    _p.drawPolygon(stone);
    vShareProfile(_p, QPointF(32, 80), 0.9);
    _p.setPen(pen(kYellow, 2.5));
    _p.setBrush(Qt::NoBrush);
    QPolygonF spring;
    for (int i = 0; i <= 8; ++i)
        spring << QPointF(55 + (i % 2 ? 5 : -5), 24 + i * 3.5);
    _p.drawPolyline(spring);
    vDial(_p, QPointF(78, 34), 13, 0.65, kYellow);
}

void vLeafDiscFold(QPainter& _p)
{
    vStepFrame(_p, QStringLiteral("142"));
    vLeafDisc(_p, QRectF(12, 62, 46, 18));
    QPen ghost = pen(kWhite.darker(150), 2);
    ghost.setStyle(Qt::DashLine);
    _p.setPen(ghost);
    _p.setBrush(Qt::NoBrush);
    _p.drawEllipse(QRectF(64, 30, 18, 44));
    vCurvedArrow(_p, QRectF(40, 34, 44, 54), 180, -110, 5, kYellow);
}

} // namespace

namespace Draw
{

QList<Picture> programStepPicturesFront()
{
    return {
        unit("132_Wartungsstellung.png", 96, vMaintenance),
        unit("141_Schlegerklappe_klappen.png", 96, vTopperFold),
        unit("121_Blatttellerstufe.png", 96, vLeafDiscStage),
        unit("156_Schleglerwelle_Geschwindigkeit.png", 96, vFlailShaftSpeed),
        unit("155_Entblatter_Geschwindigkeit.png", 96, vDefoliatorSpeed),
        unit("Putzerwellenhoehe.png", 96, vCleanerShaftHeight),
        unit("127_Nachkoepfer.png", 96, vScalper),
        unit("122_Ruettelscharstufe.png", 96, vShakerShareStage),
        unit("123_Tastwalzstufe.png", 96, vFeelerWheelStage),
        unit("124_Rodewalzenstufe.png", 96, vLiftingRollerStage),
        unit("130_Schleglerentlastung_links.png", 96, [](QPainter& p) { vTopperRelief(p, true); }),
        unit("131_Schleglerentlastung_rechts.png", 96, [](QPainter& p) { vTopperRelief(p, false); }),
        unit("150_Steinsicherungsdruck_einstellen.png", 96, vStoneProtection),
        unit("142_Blattteller_klappen.png", 96, vLeafDiscFold),
    };
}

} // namespace Draw
