#pragma once

#include <QList>
#include <QPair>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// The decisions of the live dashboard that need no widgets: which status
// symbol a value shows, the program-step symbols, the warning colour of the
// pressure bars, the font classes and the scaling of the reference design.
namespace LiveTables
{

// The form is drawn for 895 x 677 pixels. At that size the screen unit is 677
// and its font unit F29 is 23, so a text box drawn 46 x 23 is 2 x 1 font units.
constexpr int s32DesignWidth = 895;
constexpr int s32DesignHeight = 677;
constexpr int s32DesignFontUnit = 23;

// "QLabel{ border-image:url(<url>)}": how status symbols show their picture.
QString strBorderImage(const QString& _strUrl);

// The status names and the image labels they drive, e.g. "VERB_ANZEIGE_GPS_EMPFANG"
// drives "m_bmpGPS". Empty for any other key.
QString strStatusWidget(const QString& _strKey);
// The style a status value gives its symbol; no value for values that leave
// the symbol unchanged (and for keys that are no status name).
std::optional<QString> optStatusStyle(const QString& _strKey, int _s32Value);

// The program-step symbol ("pos_rselect", 0..25); no value outside that range.
std::optional<QString> optProgramStepStyle(int _s32Step);
// The step shown after every rescale until the terminal reports one.
constexpr int s32DefaultProgramStep = 10;

// The warning slider that belongs to one of the three pressure bars; empty
// for every other name.
QString strWarningSlider(const QString& _strBar);
// Red when the bar is strictly above its limit, the bar graph image otherwise.
QString strWarningStyle(int _s32BarValue, int _s32Limit);

// The three font units of a screen whose short side is _s32Screen pixels.
struct FontUnits {
    int s32F24 = 0;
    int s32F29 = 0;
    int s32F42 = 0;
};
FontUnits fontUnits(int _s32Screen);
// The font style sheet of a label of the dashboard; empty for labels that
// keep the form's font.
QString strFontStyle(const QString& _strLabel, const FontUnits& _units);

// A rectangle of the reference design placed on the current page: every
// coordinate scaled and truncated toward zero.
QRect rectScaled(const QRect& _rectDesign, double _dSx, double _dSy);
// A text or symbol box: the position scales with the page, the size stays a
// multiple of the font unit F29 (the design's size in design font units),
// so texts keep fitting their boxes in either orientation.
QRect rectFontSized(const QRect& _rectDesign, double _dSx, double _dSy, int _s32F29);

// A caption's box grown towards the size its text needs: higher by the same
// amount above and below (so that its line stays where it was) as far as the
// boxes above and below leave room, then wider to the right up to the next
// box on its line. Never past the page, never smaller than _rect.
QRect rectGrown(const QRect& _rect, const QSize& _sizeNeed, const QList<QRect>& _listOthers,
                const QRect& _rectPage);

// A sensor group that the terminal switches on and off, and the neighbour
// group that moves aside for it.
struct Toggle {
    QStringList slGroup;                      // shown when on, hidden when off
    QString strNeighbourImage;                // image label of the neighbour group
    QString strImageOn;                       // its picture while the group is on
    QString strImageOff;                      // its picture while the group is off
    QList<QPair<QString, QRect>> listRectsOn; // design rectangles of the neighbour
    QList<QPair<QString, QRect>> listRectsOff;
};
// The toggle switched by a key ("VERB_MotorOelTemp", "VERB_MotorOelStand"),
// nullptr for other keys.
const Toggle* pToggle(const QString& _strKey);
// Both toggles, for the rescale that keeps their current placement.
QList<const Toggle*> listToggles();

} // namespace LiveTables
