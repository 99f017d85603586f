// Button icons: arrows, window and file actions, the expert mode and the work
// light, and the operating-mode animals of the season page. Yellow on a
// transparent ground, as they sit on the black icon buttons.

#include "drawkit.h"

#include <QLinearGradient>
#include <QRadialGradient>

using namespace Draw;

namespace
{

// A yellow disc with a black arrow through its centre pointing at _angleDeg.
void vDiscArrow(QPainter& _p, qreal _angleDeg)
{
    QRadialGradient disc(QPointF(40, 36), 60);
    disc.setColorAt(0, QColor(255, 232, 90));
    disc.setColorAt(1, QColor(226, 186, 0));
    _p.setPen(pen(QColor(150, 120, 0), 2.5));
    _p.setBrush(disc);
    _p.drawEllipse(QPointF(50, 50), 45, 45);
    _p.save();
    _p.translate(50, 50);
    _p.rotate(-_angleDeg);
    vArrow(_p, QPointF(-28, 0), QPointF(30, 0), 16, 44, kBlack);
    _p.restore();
}

// An open tray at the bottom, for the upload and download arrows.
void vTray(QPainter& _p)
{
    _p.setPen(pen(kYellow, 10));
    _p.setBrush(Qt::NoBrush);
    QPolygonF tray;
    tray << QPointF(10, 60) << QPointF(10, 88) << QPointF(90, 88) << QPointF(90, 60);
    _p.drawPolyline(tray);
}

void vUpload(QPainter& _p)
{
    vTray(_p);
    vArrow(_p, QPointF(50, 76), QPointF(50, 6), 18, 50, kYellow);
}

void vDownload(QPainter& _p)
{
    vTray(_p);
    vArrow(_p, QPointF(50, 6), QPointF(50, 78), 18, 50, kYellow);
}

void vPlay(QPainter& _p)
{
    _p.setPen(pen(kYellow, 8));
    _p.setBrush(Qt::NoBrush);
    _p.drawEllipse(QPointF(50, 50), 43, 43);
    QPolygonF triangle;
    triangle << QPointF(38, 27) << QPointF(75, 50) << QPointF(38, 73);
    _p.setPen(pen(kYellow, 4));
    _p.setBrush(kYellow);
    _p.drawPolygon(triangle);
}

void vBack(QPainter& _p)
{
    QPainterPath bend;
    bend.moveTo(84, 88);
    bend.lineTo(84, 58);
    bend.arcTo(QRectF(44, 30, 40, 56), 0, 90);
    bend.lineTo(40, 30);
    _p.setPen(QPen(kYellow, 17, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    _p.setBrush(Qt::NoBrush);
    _p.drawPath(bend);
    vArrow(_p, QPointF(42, 30), QPointF(6, 30), 17, 48, kYellow);
}

void vCloseWindow(QPainter& _p)
{
    const QRectF window(8, 14, 84, 74);
    _p.setPen(pen(kYellow, 6));
    _p.setBrush(QColor(30, 30, 30));
    _p.drawRoundedRect(window, 6, 6);
    _p.setPen(Qt::NoPen);
    _p.setBrush(kYellow);
    _p.drawRect(QRectF(8, 14, 84, 18));
    _p.setBrush(kBlack);
    for (int i = 0; i < 3; ++i)
        _p.drawEllipse(QPointF(20 + i * 10, 23), 3, 3);
    _p.setPen(pen(kRed, 11));
    _p.drawLine(QPointF(34, 44), QPointF(66, 76));
    _p.drawLine(QPointF(66, 44), QPointF(34, 76));
}

// A red disc with a white cross.
void vCrossBadge(QPainter& _p, const QPointF& _c, qreal _r)
{
    QRadialGradient red(_c - QPointF(_r * 0.3, _r * 0.3), _r * 1.4);
    red.setColorAt(0, QColor(255, 110, 90));
    red.setColorAt(1, QColor(180, 20, 16));
    _p.setPen(pen(QColor(110, 10, 8), _r * 0.08));
    _p.setBrush(red);
    _p.drawEllipse(_c, _r, _r);
    const qreal a = _r * 0.42;
    _p.setPen(pen(Qt::white, _r * 0.26));
    _p.drawLine(_c + QPointF(-a, -a), _c + QPointF(a, a));
    _p.drawLine(_c + QPointF(a, -a), _c + QPointF(-a, a));
}

void vDeleteFile(QPainter& _p)
{
    QPolygonF page;
    page << QPointF(14, 6) << QPointF(58, 6) << QPointF(76, 24) << QPointF(76, 92) << QPointF(14, 92);
    _p.setPen(pen(QColor(150, 120, 0), 3));
    _p.setBrush(kYellow);
    _p.drawPolygon(page);
    QPolygonF corner;
    corner << QPointF(58, 6) << QPointF(58, 24) << QPointF(76, 24);
    _p.setBrush(QColor(200, 165, 0));
    _p.drawPolygon(corner);
    _p.setPen(pen(kBlack, 4));
    for (int i = 0; i < 5; ++i)
        _p.drawLine(QPointF(24, 36 + i * 11), QPointF(i % 2 ? 52 : 64, 36 + i * 11));
    vCrossBadge(_p, QPointF(72, 72), 22);
}

void vTrashCan(QPainter& _p)
{
    _p.setPen(pen(QColor(150, 120, 0), 2.5));
    _p.setBrush(kYellow);
    // Handle and lid.
    _p.drawRoundedRect(QRectF(38, 6, 24, 12), 4, 4);
    _p.setBrush(QColor(30, 30, 30));
    _p.setPen(Qt::NoPen);
    _p.drawRect(QRectF(43, 11, 14, 7));
    _p.setPen(pen(QColor(150, 120, 0), 2.5));
    _p.setBrush(kYellow);
    _p.drawRoundedRect(QRectF(12, 17, 76, 11), 3, 3);
    QPolygonF body;
    body << QPointF(20, 32) << QPointF(80, 32) << QPointF(73, 94) << QPointF(27, 94);
    QLinearGradient shade(20, 0, 80, 0);
    shade.setColorAt(0, QColor(255, 230, 80));
    shade.setColorAt(1, QColor(220, 180, 0));
    _p.setBrush(shade);
    _p.drawPolygon(body);
    _p.setPen(pen(kBlack, 5));
    for (qreal x : {36.0, 50.0, 64.0})
        _p.drawLine(QPointF(x, 42), QPointF(x + (x - 50) * 0.1, 84));
}

void vAddPerson(QPainter& _p)
{
    _p.setPen(Qt::NoPen);
    _p.setBrush(kYellow);
    _p.drawEllipse(QPointF(42, 28), 19, 21);
    QPainterPath shoulders;
    shoulders.moveTo(6, 92);
    shoulders.cubicTo(6, 56, 78, 56, 78, 92);
    shoulders.closeSubpath();
    _p.drawPath(shoulders);
    QRadialGradient green(QPointF(72, 66), 30);
    green.setColorAt(0, QColor(110, 230, 110));
    green.setColorAt(1, QColor(30, 150, 46));
    _p.setPen(pen(kBlack, 3));
    _p.setBrush(green);
    _p.drawEllipse(QPointF(76, 72), 21, 21);
    _p.setPen(pen(Qt::white, 7));
    _p.drawLine(QPointF(76, 60), QPointF(76, 84));
    _p.drawLine(QPointF(64, 72), QPointF(88, 72));
}

void vEnvelope(QPainter& _p)
{
    const QRectF env(7, 20, 86, 60);
    QLinearGradient shade(0, 20, 0, 80);
    shade.setColorAt(0, QColor(255, 232, 90));
    shade.setColorAt(1, QColor(230, 190, 0));
    _p.setPen(pen(QColor(150, 120, 0), 3));
    _p.setBrush(shade);
    _p.drawRoundedRect(env, 5, 5);
    _p.setPen(pen(kBlack, 4.5));
    _p.setBrush(Qt::NoBrush);
    QPolygonF flap;
    flap << QPointF(11, 24) << QPointF(50, 56) << QPointF(89, 24);
    _p.drawPolyline(flap);
    _p.drawLine(QPointF(11, 76), QPointF(40, 50));
    _p.drawLine(QPointF(89, 76), QPointF(60, 50));
}

void vFloppy(QPainter& _p)
{
    QPolygonF body;
    body << QPointF(8, 8) << QPointF(80, 8) << QPointF(92, 20) << QPointF(92, 92) << QPointF(8, 92);
    _p.setPen(pen(QColor(150, 120, 0), 3));
    _p.setBrush(kYellow);
    _p.drawPolygon(body);
    // Metal shutter with its slot, and the label.
    _p.setPen(Qt::NoPen);
    _p.setBrush(QColor(40, 40, 40));
    _p.drawRect(QRectF(26, 8, 46, 30));
    _p.setBrush(kYellow);
    _p.drawRect(QRectF(56, 13, 10, 20));
    _p.setBrush(kWhite);
    _p.drawRoundedRect(QRectF(18, 52, 64, 36), 3, 3);
    _p.setPen(pen(QColor(90, 90, 90), 3));
    for (int i = 0; i < 3; ++i)
        _p.drawLine(QPointF(25, 61 + i * 9), QPointF(75, 61 + i * 9));
}

// A report sheet: a page with a folded corner, a small pie and three bars.
void vReport(QPainter& _p)
{
    QPolygonF sheet;
    sheet << QPointF(16, 6) << QPointF(66, 6) << QPointF(84, 24) << QPointF(84, 94) << QPointF(16, 94);
    _p.setPen(pen(QColor(150, 120, 0), 3));
    _p.setBrush(kWhite);
    _p.drawPolygon(sheet);
    QPolygonF fold;
    fold << QPointF(66, 6) << QPointF(66, 24) << QPointF(84, 24);
    _p.setBrush(kYellow);
    _p.drawPolygon(fold);
    // The pie of the order pages in their colours.
    const QRectF pie(24, 18, 34, 34);
    _p.setPen(pen(kWhite, 1.5));
    _p.setBrush(QColor(0, 128, 0));
    _p.drawPie(pie, 90 * 16, 200 * 16);
    _p.setBrush(QColor(0, 85, 255));
    _p.drawPie(pie, 290 * 16, 100 * 16);
    _p.setBrush(QColor(255, 150, 0));
    _p.drawPie(pie, 30 * 16, 60 * 16);
    // Comparison bars.
    _p.setPen(Qt::NoPen);
    _p.setBrush(kLabelYellow);
    _p.drawRect(QRectF(24, 60, 50, 7));
    _p.setBrush(QColor(8, 170, 0));
    _p.drawRect(QRectF(24, 71, 40, 7));
    _p.setBrush(QColor(255, 0, 0));
    _p.drawRect(QRectF(24, 82, 30, 7));
}

void vGear(QPainter& _p)
{
    QRadialGradient shade(QPointF(40, 38), 60);
    shade.setColorAt(0, QColor(255, 235, 100));
    shade.setColorAt(1, QColor(225, 180, 0));
    _p.setPen(pen(QColor(140, 110, 0), 2));
    _p.setBrush(shade);
    _p.drawPath(gearPath(QPointF(50, 50), 46, 35, 10, 14));
    _p.setPen(pen(QColor(140, 110, 0), 3));
    _p.setBrush(Qt::NoBrush);
    _p.drawEllipse(QPointF(50, 50), 24, 24);
}

void vInfo(QPainter& _p)
{
    QRadialGradient disc(QPointF(40, 36), 60);
    disc.setColorAt(0, QColor(255, 232, 90));
    disc.setColorAt(1, QColor(226, 186, 0));
    _p.setPen(pen(QColor(150, 120, 0), 2.5));
    _p.setBrush(disc);
    _p.drawEllipse(QPointF(50, 50), 45, 45);
    _p.setPen(Qt::NoPen);
    _p.setBrush(kBlack);
    _p.drawEllipse(QPointF(50, 26), 7.5, 7.5);
    _p.drawRoundedRect(QRectF(42, 40, 16, 40), 3, 3);
    _p.drawRect(QRectF(36, 40, 10, 7));
    _p.drawRect(QRectF(36, 75, 28, 6));
}

void vOk(QPainter& _p)
{
    QRadialGradient green(QPointF(38, 34), 64);
    green.setColorAt(0, QColor(120, 235, 120));
    green.setColorAt(1, QColor(24, 140, 40));
    _p.setPen(pen(QColor(10, 90, 20), 3));
    _p.setBrush(green);
    _p.drawEllipse(QPointF(50, 50), 45, 45);
    QPolygonF check;
    check << QPointF(27, 52) << QPointF(43, 68) << QPointF(74, 33);
    _p.setPen(pen(Qt::white, 12));
    _p.setBrush(Qt::NoBrush);
    _p.drawPolyline(check);
}

void vCross(QPainter& _p)
{
    vCrossBadge(_p, QPointF(50, 50), 45);
}

void vWrench(QPainter& _p, const QColor& _color, const QColor& _edge)
{
    QTransform t;
    t.translate(26, 80);
    t.rotate(-38);
    _p.setPen(pen(_edge, 2.5));
    _p.setBrush(_color);
    _p.drawPath(t.map(wrenchPath()));
}

void vExpertMode(QPainter& _p, bool _bOn)
{
    const QColor fill = _bOn ? kYellow : QColor(118, 118, 118);
    const QColor edge = _bOn ? QColor(110, 85, 0) : QColor(60, 60, 60);
    if (_bOn) {
        QRadialGradient glow(QPointF(50, 50), 50);
        glow.setColorAt(0, QColor(255, 240, 120, 200));
        glow.setColorAt(0.6, QColor(253, 215, 4, 90));
        glow.setColorAt(1, QColor(253, 215, 4, 0));
        _p.setPen(Qt::NoPen);
        _p.setBrush(glow);
        _p.drawEllipse(QPointF(50, 50), 50, 50);
    }
    vWrench(_p, fill.darker(_bOn ? 108 : 115), edge);
    // Graduation cap: crown, board and tassel.
    QPolygonF crown;
    crown << QPointF(28, 38) << QPointF(72, 38) << QPointF(70, 58) << QPointF(50, 64) << QPointF(30, 58);
    _p.setPen(pen(edge, 2.5));
    _p.setBrush(fill.darker(115));
    _p.drawPolygon(crown);
    QPolygonF board;
    board << QPointF(50, 14) << QPointF(94, 32) << QPointF(50, 50) << QPointF(6, 32);
    _p.setBrush(fill);
    _p.drawPolygon(board);
    _p.setPen(pen(edge, 3));
    _p.drawLine(QPointF(50, 32), QPointF(82, 40));
    _p.drawLine(QPointF(82, 40), QPointF(82, 58));
    _p.setBrush(fill);
    _p.drawEllipse(QPointF(82, 61), 4, 4);
}

void vWorkLight(QPainter& _p, bool _bOn)
{
    const QColor body = _bOn ? kYellow : QColor(118, 118, 118);
    const QColor edge = _bOn ? QColor(110, 85, 0) : QColor(55, 55, 55);
    if (_bOn) {
        QRadialGradient glow(QPointF(62, 46), 42);
        glow.setColorAt(0, QColor(255, 245, 160, 220));
        glow.setColorAt(1, QColor(253, 215, 4, 0));
        _p.setPen(Qt::NoPen);
        _p.setBrush(glow);
        _p.drawEllipse(QPointF(62, 46), 42, 42);
    }
    // Mount and bracket.
    _p.setPen(pen(edge, 2));
    _p.setBrush(body.darker(125));
    _p.drawRect(QRectF(14, 88, 40, 7));
    _p.setPen(pen(body.darker(125), 6));
    _p.setBrush(Qt::NoBrush);
    _p.drawLine(QPointF(34, 88), QPointF(34, 74));
    _p.drawArc(QRectF(14, 30, 40, 44), 180 * 16, 180 * 16);
    // Lamp housing widening to the lens.
    QPolygonF housing;
    housing << QPointF(12, 38) << QPointF(46, 22) << QPointF(46, 70) << QPointF(12, 56);
    _p.setPen(pen(edge, 2.5));
    _p.setBrush(body);
    _p.drawPolygon(housing);
    _p.setPen(pen(edge, 2));
    for (int i = 0; i < 3; ++i)
        _p.drawLine(QPointF(20 + i * 8, 38 - i * 3.6), QPointF(20 + i * 8, 56 + i * 3.6));
    QRadialGradient lens(QPointF(48, 40), 26);
    lens.setColorAt(0, _bOn ? Qt::white : QColor(90, 90, 90));
    lens.setColorAt(1, _bOn ? QColor(255, 236, 120) : QColor(40, 40, 40));
    _p.setPen(pen(edge, 2.5));
    _p.setBrush(lens);
    _p.drawEllipse(QPointF(48, 46), 8, 25);
    if (!_bOn)
        return;
    _p.setPen(pen(kYellow, 5));
    for (int i = -2; i <= 2; ++i) {
        const QLineF ray = QLineF::fromPolar(1, i * 20);
        _p.drawLine(QPointF(60, 46) + QPointF(ray.dx(), ray.dy()) * 12,
                    QPointF(60, 46) + QPointF(ray.dx(), ray.dy()) * 34);
    }
}

void vFieldMode(QPainter& _p)
{
    vTortoise(_p, QRectF(2, 4, 96, 96), kYellow, kBlack);
}

void vRoadMode(QPainter& _p)
{
    vHare(_p, QRectF(2, 6, 96, 96), kYellow, kBlack);
}

} // namespace

namespace Draw
{

QList<Picture> iconPictures()
{
    return {
        unit("arrow-143-128.png", 128, [](QPainter& p) { vDiscArrow(p, 90); }),
        unit("arrow-205-128.png", 128, [](QPainter& p) { vDiscArrow(p, -90); }),
        unit("arrow-204-128.png", 128, [](QPainter& p) { vDiscArrow(p, 0); }),
        unit("images/arrow-58-128.png", 128, vUpload),
        unit("images/downloads-128.png", 128, vDownload),
        unit("images/play-4-128.png", 128, vPlay),
        unit("back.png", 128, vBack),
        unit("close-window-128.png", 128, vCloseWindow),
        unit("delete-128.png", 128, vDeleteFile),
        unit("Muelleimer.png", 128, vTrashCan),
        unit("plus-6-128.png", 128, vAddPerson),
        unit("message-128.png", 128, vEnvelope),
        unit("save-xxl.png", 128, vFloppy),
        unit("images/report-128.png", 128, vReport),
        unit("images/setting-icon.png", 128, vGear),
        unit("images/info-128.png", 128, vInfo),
        unit("OK.png", 128, vOk),
        unit("X.png", 128, vCross),
        unit("Expertmodus_ON.png", 128, [](QPainter& p) { vExpertMode(p, true); }),
        unit("Expertmodus_OFF.png", 128, [](QPainter& p) { vExpertMode(p, false); }),
        unit("Lichtschalter_Haupt_On.png", 128, [](QPainter& p) { vWorkLight(p, true); }),
        unit("Lichtschalter_Haupt_Off.png", 128, [](QPainter& p) { vWorkLight(p, false); }),
        unit("images/Hinweis_Betriebsart_Schildkroete.png", 128, vFieldMode),
        unit("images/Hinweis_Betriebsart_Hase.png", 128, vRoadMode),
    };
}

} // namespace Draw
