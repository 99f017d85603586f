#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <functional>

// Shared vocabulary of the picture generator: the application's palette, the
// picture table and the drawing helpers that several picture groups use.
//
// Most pictures are drawn in a square space of 100 x 100 units that the
// generator scales to the picture's pixel size, so each drawing states its
// shapes once, independent of the size it is written at.
namespace Draw
{

using DrawFn = std::function<void(QPainter&)>;

struct Picture {
    QString strName;  // resource name below ":/", e.g. "images/ruebe.png"
    QSize size;       // written size in pixels
    bool bUnitSquare; // true: the drawing uses the 100 x 100 unit space
    DrawFn draw;
};

// A square picture drawn in the 100 x 100 unit space, written at _iPixels.
Picture unit(const QString& _strName, int _iPixels, DrawFn _draw);
// A picture drawn in its own pixel coordinates.
Picture pixels(const QString& _strName, const QSize& _size, DrawFn _draw);

// The picture groups, one per source file.
QList<Picture> logoPictures();
QList<Picture> iconPictures();
QList<Picture> statusPictures();
QList<Picture> machineSymbolPictures();
QList<Picture> programStepPicturesFront();
QList<Picture> programStepPicturesRear();

// Palette of the application and of the machine terminal's symbols.
inline const QColor kYellow{253, 215, 4};
inline const QColor kLabelYellow{243, 215, 4};
inline const QColor kBlack{0, 0, 0};
inline const QColor kWhite{240, 240, 236};
inline const QColor kGreen{46, 190, 64};
inline const QColor kRed{222, 38, 30};
inline const QColor kAmber{255, 150, 0};
inline const QColor kGrey{128, 128, 128};
inline const QColor kDarkGrey{70, 70, 70};
inline const QColor kBlue{30, 110, 220};
inline const QColor kCream{246, 238, 214};
inline const QColor kLeaf{52, 150, 48};
inline const QColor kSoil{122, 84, 46};

// A round-capped pen.
QPen pen(const QColor& _color, qreal _width);
// A text in DejaVu Sans, pixel size in the painter's units.
void vText(QPainter& _p, const QRectF& _rect, const QString& _strText, int _iSize, const QColor& _color,
           bool _bBold = true, int _iFlags = Qt::AlignCenter);

// The dark, rounded tile behind the terminal's status symbols (unit space).
void vTile(QPainter& _p, const QColor& _rim = QColor(105, 105, 105));
// The frame of a program step: tile with a yellow rim and the step's number.
void vStepFrame(QPainter& _p, const QString& _strNumber);
// Stage bars of rising height in _rect, the first _iActive of _iCount filled.
void vStages(QPainter& _p, const QRectF& _rect, int _iCount, int _iActive);

// A straight arrow as a filled shape from _from to the tip _to.
QPainterPath arrowPath(const QPointF& _from, const QPointF& _to, qreal _shaft, qreal _head);
void vArrow(QPainter& _p, const QPointF& _from, const QPointF& _to, qreal _shaft, qreal _head,
            const QColor& _color);
// An arrow with a head at both ends.
void vDoubleArrow(QPainter& _p, const QPointF& _a, const QPointF& _b, qreal _shaft, qreal _head,
                  const QColor& _color);
// An arrow along an elliptic arc (angles in degrees, counter-clockwise as in
// QPainter::drawArc); the head sits at the end of the span.
void vCurvedArrow(QPainter& _p, const QRectF& _ellipse, qreal _startDeg, qreal _spanDeg, qreal _width,
                  const QColor& _color);

// A gear wheel outline with a hole in the middle.
QPainterPath gearPath(const QPointF& _center, qreal _rOuter, qreal _rInner, int _iTeeth, qreal _rHole);
// A wheel with tyre, rim and hub.
void vWheel(QPainter& _p, const QPointF& _center, qreal _r, const QColor& _tyre, const QColor& _rim);
// A sugar beet: root from the crown at _crown downwards, with leaves if wanted.
QPainterPath beetPath(const QPointF& _crown, qreal _width, qreal _length);
void vBeet(QPainter& _p, const QPointF& _crown, qreal _width, qreal _length, bool _bLeaves);
// A leaf from _base in direction _angleDeg (0 = right, counter-clockwise).
void vLeaf(QPainter& _p, const QPointF& _base, qreal _angleDeg, qreal _length, qreal _width,
           const QColor& _color);
// A thermometer standing in _rect.
void vThermometer(QPainter& _p, const QRectF& _rect, const QColor& _color, const QColor& _fill);
// A round dial with its needle at _fraction (0..1) of a 270 degree scale.
void vDial(QPainter& _p, const QPointF& _center, qreal _r, qreal _fraction, const QColor& _needle);
// An open-ended wrench: jaw around the origin opening to the left, handle
// along +x, about 64 units long.
QPainterPath wrenchPath();
// Side view of the self-propelled beet harvester, facing left, fitted into _rect.
void vHarvester(QPainter& _p, const QRectF& _rect, const QColor& _body, const QColor& _detail);

// Silhouettes in the unit space, facing right: the tortoise (field mode) and
// the hare (road mode); map them with a QTransform to place them elsewhere.
QPainterPath tortoisePath();
QPainterPath harePath();
// The same silhouettes scaled into _rect, drawn with a few inner lines.
void vTortoise(QPainter& _p, const QRectF& _rect, const QColor& _fill, const QColor& _line);
void vHare(QPainter& _p, const QRectF& _rect, const QColor& _fill, const QColor& _line);

} // namespace Draw
