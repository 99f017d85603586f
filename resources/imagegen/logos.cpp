// Logos and pictures: the product word mark with and without claim, the
// maker's logo, the app symbol, the desktop icon, the list background, the
// "about Qt" button and the beet of the busy indicator.

#include "drawkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>

using namespace Draw;

namespace
{

QFont logoFont(bool _bBold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(_bBold);
    return font;
}

// Text as a path, slanted forward like a moving machine.
QPainterPath slantedText(const QString& _strText, bool _bBold, qreal _shear)
{
    QPainterPath path;
    path.addText(0, 0, logoFont(_bBold), _strText);
    QTransform shear;
    shear.shear(_shear, 0);
    return shear.map(path);
}

// Scales _path uniformly into _target, centred.
QPainterPath fitted(const QPainterPath& _path, const QRectF& _target)
{
    const QRectF bounds = _path.boundingRect();
    const qreal scale = qMin(_target.width() / bounds.width(), _target.height() / bounds.height());
    QTransform t;
    t.translate(_target.center().x(), _target.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(_path);
}

// The product's word mark: three speed bars and "VEMO" in yellow.
void vWordMark(QPainter& _p, const QRectF& _area)
{
    QPainterPath word = slantedText(QStringLiteral("VEMO"), true, -0.22);
    const QRectF wb = word.boundingRect();
    // Speed bars left of the letters, in the word's own coordinates.
    QPainterPath bars;
    const qreal barH = wb.height() * 0.16;
    for (int i = 0; i < 3; ++i) {
        const qreal y = wb.top() + wb.height() * (0.14 + i * 0.28);
        const qreal len = wb.height() * (0.75 - i * 0.18);
        const qreal right = wb.left() - wb.height() * 0.08 + (i * 0.28 + 0.14) * wb.height() * 0.22;
        QPolygonF bar;
        bar << QPointF(right - len, y + barH) << QPointF(right - len + barH * 0.5, y) << QPointF(right, y)
            << QPointF(right - barH * 0.5, y + barH);
        bars.addPolygon(bar);
        bars.closeSubpath();
    }
    // Swoosh under the letters.
    QPainterPath swoosh;
    const qreal sy = wb.bottom() + wb.height() * 0.1;
    swoosh.moveTo(wb.left() - wb.height() * 0.6, sy + wb.height() * 0.06);
    swoosh.quadTo(wb.center().x(), sy - wb.height() * 0.12, wb.right() + wb.height() * 0.1,
                  sy - wb.height() * 0.08);
    swoosh.quadTo(wb.center().x(), sy + wb.height() * 0.02, wb.left() - wb.height() * 0.6,
                  sy + wb.height() * 0.06);
    QPainterPath mark = word;
    mark.addPath(bars);
    mark.addPath(swoosh);
    mark = fitted(mark, _area);

    const QRectF mb = mark.boundingRect();
    QLinearGradient shine(0, mb.top(), 0, mb.bottom());
    shine.setColorAt(0, QColor(255, 240, 120));
    shine.setColorAt(0.45, kYellow);
    shine.setColorAt(1, QColor(214, 170, 0));
    _p.setPen(
        QPen(QColor(60, 45, 0), qMax(1.0, mb.height() / 70), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    _p.setBrush(shine);
    _p.drawPath(mark);
}

void vProductLogo(QPainter& _p)
{
    vWordMark(_p, QRectF(8, 4, 323, 62));
    // Claim: "Feldbrief" and a yellow "PRO" plate.
    QFont claim(QStringLiteral("DejaVu Sans"));
    claim.setPixelSize(22);
    claim.setBold(true);
    claim.setItalic(true);
    _p.setFont(claim);
    const QString strClaim = QStringLiteral("Feldbrief");
    const QFontMetricsF fm(claim);
    const qreal claimW = fm.horizontalAdvance(strClaim);
    const qreal plateW = 58;
    const qreal left = (339 - claimW - 8 - plateW) / 2;
    _p.setPen(kWhite);
    _p.drawText(QRectF(left, 70, claimW + 2, 28), Qt::AlignVCenter | Qt::AlignLeft, strClaim);
    const QRectF plate(left + claimW + 8, 72, plateW, 24);
    _p.setPen(Qt::NoPen);
    _p.setBrush(kYellow);
    _p.drawRoundedRect(plate, 5, 5);
    _p.setFont(claim);
    _p.setPen(kBlack);
    _p.drawText(plate, Qt::AlignCenter, QStringLiteral("PRO"));
}

void vLogoWithoutClaim(QPainter& _p)
{
    vWordMark(_p, QRectF(10, 8, 319, 84));
}

void vMakerLogo(QPainter& _p)
{
    // Emblem: a black disc in a yellow ring with a bold "L", a beet leaf and
    // three field rows.
    const QPointF c(200, 118);
    const qreal r = 104;
    QRadialGradient disc(c, r);
    disc.setColorAt(0, QColor(40, 40, 40));
    disc.setColorAt(1, QColor(8, 8, 8));
    _p.setPen(QPen(kYellow, 12));
    _p.setBrush(disc);
    _p.drawEllipse(c, r, r);
    _p.setPen(QPen(QColor(120, 95, 0), 2));
    _p.setBrush(Qt::NoBrush);
    _p.drawEllipse(c, r - 10, r - 10);

    _p.save();
    QPainterPath clip;
    clip.addEllipse(c, r - 11, r - 11);
    _p.setClipPath(clip);
    _p.setPen(QPen(kYellow, 7, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = c.y() + 48 + i * 18;
        QPainterPath row;
        row.moveTo(c.x() - 120, y + 26);
        row.quadTo(c.x(), y - 18, c.x() + 120, y + 26);
        _p.drawPath(row);
    }
    _p.restore();

    QPainterPath letter =
        fitted(slantedText(QStringLiteral("L"), true, -0.12), QRectF(c.x() - 52, c.y() - 74, 74, 100));
    _p.setPen(QPen(kBlack, 3));
    _p.setBrush(kYellow);
    _p.drawPath(letter);
    vLeaf(_p, QPointF(c.x() + 14, c.y() + 20), 62, 64, 30, kLeaf);
    vLeaf(_p, QPointF(c.x() + 14, c.y() + 20), 22, 48, 22, kLeaf.lighter(120));

    // Name and a thin rule.
    QPainterPath name = fitted(slantedText(QStringLiteral("Lindqvarth"), true, 0), QRectF(20, 236, 360, 52));
    _p.setPen(Qt::NoPen);
    _p.setBrush(kWhite);
    _p.drawPath(name);
    _p.setBrush(kYellow);
    _p.drawRect(QRectF(40, 298, 320, 5));
    vText(_p, QRectF(0, 303, 400, 17), QStringLiteral("LANDMASCHINEN"), 13, kYellow, true);
}

void vAppSymbol(QPainter& _p)
{
    QLinearGradient back(0, 0, 0, 100);
    back.setColorAt(0, QColor(40, 40, 40));
    back.setColorAt(1, kBlack);
    _p.setPen(QPen(kYellow, 5));
    _p.setBrush(back);
    _p.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);
    // Yellow field rows at the bottom.
    _p.save();
    QPainterPath clip;
    clip.addRoundedRect(QRectF(5, 5, 90, 90), 16, 16);
    _p.setClipPath(clip);
    _p.setPen(QPen(QColor(253, 215, 4, 70), 3, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 6; ++i)
        _p.drawLine(QPointF(50, 66), QPointF(-40 + i * 36, 104));
    _p.restore();
    vBeet(_p, QPointF(70, 32), 14, 26, true);
    QPainterPath v = fitted(slantedText(QStringLiteral("V"), true, -0.2), QRectF(14, 14, 50, 56));
    _p.setPen(QPen(kBlack, 2.5));
    _p.setBrush(kYellow);
    _p.drawPath(v);
    QPainterPath word = fitted(slantedText(QStringLiteral("VEMO"), true, -0.2), QRectF(18, 74, 64, 16));
    _p.setPen(QPen(kBlack, 1.5));
    _p.drawPath(word);
}

// The application's icon for the desktop: a lifted beet over the yellow rows
// of its field, and the letter the app makes of the harvest, on the black and
// yellow tile of the app. No lettering, so it stays readable at 48 pixels.
void vAppIcon(QPainter& _p)
{
    QLinearGradient back(0, 0, 0, 100);
    back.setColorAt(0, QColor(44, 44, 44));
    back.setColorAt(1, kBlack);
    _p.setPen(QPen(kYellow, 5));
    _p.setBrush(back);
    _p.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);

    // The field: rows running to a point behind the beet. Cut to the tile as
    // shapes rather than through a clip, which the SVG writer drops.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(5.5, 5.5, 89, 89), 15.5, 15.5);
    QPainterPath ground;
    ground.addPolygon(QPolygonF() << QPointF(0, 100) << QPointF(0, 74) << QPointF(100, 66)
                                  << QPointF(100, 100));
    QPainterPath rows;
    QPainterPathStroker stroker;
    stroker.setWidth(4);
    stroker.setCapStyle(Qt::FlatCap);
    for (int i = 0; i < 5; ++i) {
        QPainterPath row(QPointF(44 + i * 3, 70));
        row.lineTo(QPointF(-36 + i * 40, 104));
        rows.addPath(stroker.createStroke(row));
    }
    _p.setPen(Qt::NoPen);
    _p.setBrush(QColor(52, 40, 22));
    _p.drawPath(ground.intersected(tile));
    _p.setBrush(kYellow);
    _p.drawPath(rows.simplified().intersected(tile));

    // The letter: a yellow envelope, tilted, behind the beet's right side.
    _p.save();
    _p.translate(71, 58);
    _p.rotate(-12);
    const QRectF envelope(-20, -14, 40, 28);
    _p.setPen(pen(kBlack, 2.5));
    _p.setBrush(kYellow);
    _p.drawRoundedRect(envelope, 2.5, 2.5);
    QPolygonF flap;
    flap << envelope.topLeft() << QPointF(0, 3) << envelope.topRight();
    _p.setBrush(Qt::NoBrush);
    _p.drawPolyline(flap);
    _p.restore();

    // The beet, big and slanted like one just lifted.
    _p.save();
    _p.translate(38, 50);
    _p.rotate(-14);
    _p.translate(-38, -50);
    vBeet(_p, QPointF(38, 38), 32, 50, false);
    vLeaf(_p, QPointF(38, 36), 130, 30, 15, kLeaf.darker(115));
    vLeaf(_p, QPointF(38, 36), 92, 34, 16, kLeaf.lighter(112));
    vLeaf(_p, QPointF(40, 36), 55, 27, 14, kLeaf);
    _p.restore();
}

// The list background's size and the horizon's height on it.
constexpr int FIELD_W = 1020;
constexpr int FIELD_H = 768;
constexpr qreal FIELD_HORIZON = 292;

// The sky at dusk with stars and a crescent moon.
void vDuskSky(QPainter& _p, QRandomGenerator& _random)
{
    QLinearGradient sky(0, 0, 0, FIELD_HORIZON);
    sky.setColorAt(0, QColor(5, 7, 14));
    sky.setColorAt(0.75, QColor(16, 20, 34));
    sky.setColorAt(1, QColor(46, 40, 38));
    _p.fillRect(QRectF(0, 0, FIELD_W, FIELD_HORIZON), sky);
    _p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF star(_random.bounded(FIELD_W), _random.bounded(int(FIELD_HORIZON) - 60));
        _p.setBrush(QColor(200, 205, 220, 40 + _random.bounded(110)));
        _p.drawEllipse(star, 0.9, 0.9);
    }
    _p.setBrush(QColor(230, 226, 200, 150));
    _p.drawEllipse(QPointF(150, 80), 16, 16);
    _p.setBrush(QColor(5, 7, 14, 230));
    _p.drawEllipse(QPointF(158, 76), 14, 14);
}

// Tree line along the horizon.
void vTreeLine(QPainter& _p, QRandomGenerator& _random)
{
    QPainterPath trees;
    trees.moveTo(0, FIELD_HORIZON);
    for (int x = 0; x <= FIELD_W; x += 12)
        trees.lineTo(x, FIELD_HORIZON - 8 - _random.bounded(14) - (x > 300 && x < 520 ? 10 : 0));
    trees.lineTo(FIELD_W, FIELD_HORIZON);
    trees.closeSubpath();
    _p.setBrush(QColor(10, 12, 12));
    _p.drawPath(trees);
}

// The soil with beet rows in perspective; the rows on the right are lifted already.
void vBeetRows(QPainter& _p, QRandomGenerator& _random)
{
    QLinearGradient soil(0, FIELD_HORIZON, 0, FIELD_H);
    soil.setColorAt(0, QColor(34, 28, 22));
    soil.setColorAt(1, QColor(18, 14, 10));
    _p.fillRect(QRectF(0, FIELD_HORIZON, FIELD_W, FIELD_H - FIELD_HORIZON), soil);

    const QPointF vanish(430, FIELD_HORIZON - 40);
    _p.save();
    _p.setClipRect(QRectF(0, FIELD_HORIZON, FIELD_W, FIELD_H - FIELD_HORIZON));
    for (int row = -14; row <= 22; ++row) {
        const QPointF bottom(430 + row * 92, FIELD_H + 40);
        const bool bHarvested = row >= 5;
        _p.setPen(QPen(bHarvested ? QColor(48, 38, 26) : QColor(58, 45, 30), 2));
        _p.drawLine(vanish, bottom);
        if (bHarvested)
            continue;
        for (int k = 0; k < 80; ++k) {
            const qreal s = 1.0 / (1.0 + k * 0.12);
            const QPointF pt = vanish + (bottom - vanish) * s + QPointF(_random.bounded(5) - 2, 0) * s;
            if (pt.y() < FIELD_HORIZON + 4)
                continue;
            const qreal size = 1.5 + 20 * s * s;
            const int green = 56 + _random.bounded(30);
            _p.setPen(Qt::NoPen);
            _p.setBrush(QColor(22, green, 20));
            _p.drawEllipse(pt + QPointF(-size * 0.5, -size * 0.3), size * 0.7, size * 0.35);
            _p.setBrush(QColor(28, green + 14, 24));
            _p.drawEllipse(pt + QPointF(size * 0.45, -size * 0.35), size * 0.65, size * 0.3);
            _p.drawEllipse(pt + QPointF(0, -size * 0.6), size * 0.3, size * 0.55);
        }
    }
    _p.restore();
}

// Work lights on the soil in front of the machine, then the machine.
void vHarvesterAtWork(QPainter& _p)
{
    QRadialGradient light(QPointF(0, 0), 1);
    light.setColorAt(0, QColor(253, 215, 4, 80));
    light.setColorAt(1, QColor(253, 215, 4, 0));
    _p.save();
    _p.translate(500, 345);
    _p.scale(200, 55);
    _p.setPen(Qt::NoPen);
    _p.setBrush(light);
    _p.drawEllipse(QPointF(0, 0), 1, 1);
    _p.restore();
    vHarvester(_p, QRectF(560, 170, 300, 180), QColor(30, 30, 32), QColor(62, 58, 40));
    _p.setBrush(QColor(255, 230, 120));
    for (qreal x : {612.0, 630.0, 648.0})
        _p.drawEllipse(QPointF(x, 207), 3, 2);
    _p.setBrush(QColor(255, 140, 0, 200));
    _p.drawEllipse(QPointF(854, 216), 3, 3);
}

// Vignette: darker edges, darkest at the bottom.
void vVignette(QPainter& _p)
{
    QRadialGradient vignette(QPointF(FIELD_W / 2.0, FIELD_H * 0.42), FIELD_W * 0.75);
    vignette.setColorAt(0.5, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 200));
    _p.fillRect(QRectF(0, 0, FIELD_W, FIELD_H), vignette);
    QLinearGradient floor(0, FIELD_H * 0.6, 0, FIELD_H);
    floor.setColorAt(0, QColor(0, 0, 0, 0));
    floor.setColorAt(1, QColor(0, 0, 0, 150));
    _p.fillRect(QRectF(0, FIELD_H * 0.6, FIELD_W, FIELD_H * 0.4), floor);
}

// The list background: a field at dusk with beet rows running to the horizon
// and the harvester at work. Kept dark so yellow list entries stay readable.
void vFieldBackground(QPainter& _p)
{
    QRandomGenerator random(20240611u);
    vDuskSky(_p, random);
    vTreeLine(_p, random);
    vBeetRows(_p, random);
    vHarvesterAtWork(_p);
    vVignette(_p);
}

void vAboutQt(QPainter& _p)
{
    QPolygonF shape;
    shape << QPointF(24, 6) << QPointF(94, 6) << QPointF(94, 76) << QPointF(76, 94) << QPointF(6, 94)
          << QPointF(6, 24);
    QLinearGradient green(0, 0, 0, 100);
    green.setColorAt(0, QColor(88, 214, 100));
    green.setColorAt(1, QColor(44, 160, 60));
    _p.setPen(QPen(QColor(24, 110, 36), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    _p.setBrush(green);
    _p.drawPolygon(shape);
    QPainterPath letters = fitted(slantedText(QStringLiteral("Qt"), true, 0), QRectF(20, 24, 60, 48));
    _p.setPen(Qt::NoPen);
    _p.setBrush(Qt::white);
    _p.drawPath(letters);
}

void vBusyBeet(QPainter& _p)
{
    // A lifted beet lying slanted, its thin tail root curling off to one side,
    // so each turn step of the busy indicator is visible.
    _p.save();
    _p.translate(50, 50);
    _p.rotate(-28);
    _p.translate(-50, -50);
    _p.setPen(pen(QColor(190, 170, 125), 2.2));
    _p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(51, 86);
    tail.cubicTo(52, 92, 58, 94, 62, 96);
    _p.drawPath(tail);
    vBeet(_p, QPointF(50, 42), 36, 46, false);
    vLeaf(_p, QPointF(50, 40), 128, 32, 16, kLeaf.darker(115));
    vLeaf(_p, QPointF(50, 40), 96, 36, 16, kLeaf.lighter(112));
    vLeaf(_p, QPointF(52, 40), 58, 28, 15, kLeaf);
    _p.restore();
}

} // namespace

namespace Draw
{

QList<Picture> logoPictures()
{
    return {
        pixels("VEMO_PRO.png", QSize(339, 100), vProductLogo),
        pixels("images/VEMO_Logo_without_claim.png", QSize(339, 100), vLogoWithoutClaim),
        pixels("LindqvarthLOGO.png", QSize(400, 320), vMakerLogo),
        unit("images/VEMO_App_Symbol.png", 128, vAppSymbol),
        // The application's icon for the desktop's menus, in the usual sizes.
        unit("appicon/48x48.png", 48, vAppIcon),
        unit("appicon/64x64.png", 64, vAppIcon),
        unit("appicon/128x128.png", 128, vAppIcon),
        unit("appicon/256x256.png", 256, vAppIcon),
        unit("appicon/scalable.svg", 100, vAppIcon),
        pixels("VEMO_Feldbrief_1020x768px.jpg", QSize(1020, 768), vFieldBackground),
        unit("qt-creator-x64.png", 128, vAboutQt),
        unit("images/ruebe.png", 128, vBusyBeet),
    };
}

} // namespace Draw
