#pragma once

#include <QColor>
#include <QString>
#include <Qt>

#include <functional>

class QAbstractScrollArea;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QScreen;
class QWidget;

// Conventions shared by every page: the single instance, the screen unit S,
// the style sheets of the black-and-yellow palette, the transposed relayout
// on rotation, the back key, kinetic scrolling, the product logo and the
// on-screen keyboard. Pages call these instead of repeating them.
namespace PageFrame
{

// Tells the application that a page was made, so that it can connect the
// page to the others; pages made before the application listened are told
// when it starts to listen.
void vAnnouncePage(QWidget* _pPage);
void vOnPageCreated(const std::function<void(QWidget*)>& _fnCreated);

// The single instance of a page class: created without parent on first use
// and kept for the whole run.
template <class T> T* tInstance()
{
    static T* s_pInstance = nullptr;
    if (!s_pInstance) {
        s_pInstance = new T();
        vAnnouncePage(s_pInstance);
    }
    return s_pInstance;
}

// S: the smaller of the default screen's width and height in pixels.
int s32ScreenUnit();
// The smaller side of the primary screen's available geometry.
int s32AvailableUnit();

// Connects the primary screen's orientation signal to the page's
// onRotate(Qt::ScreenOrientation) slot and asks for all four orientations.
QScreen* pFollowOrientation(QWidget* _pPage);
// The relayout of every page: the available geometry, transposed, at (0, 0),
// because the signal arrives before the geometry reflects the new orientation.
void vRelayoutTransposed(QWidget* _pPage);
// The relayout of pages that take the available geometry as it stands.
void vRelayoutAvailable(QWidget* _pPage);

// The device's back key; on a PC keyboard Escape acts as the back key too.
bool bIsBackKey(const QKeyEvent* _pEvent);

// Kinetic touch scrolling by the left-mouse-button gesture; item views scroll
// per pixel and show no scroll bars.
void vMakeKinetic(QAbstractScrollArea* _pView);

// The product logo of the page header: the logo with claim while connected,
// without claim otherwise, 3.39 * (S / 10.28) wide and S / 10.28 high.
void vSetProductLogo(QPushButton* _pButton, int _s32Screen, bool _bConnected);
QString strProductLogo(bool _bConnected);

// The on-screen keyboard disappears when an entry ends.
void vHideKeyboardOnFinish(QLineEdit* _pEdit);

// The header's back button: the back arrow in the icon style at the size of
// the header's icons (S / 10.28), named "Zurück" for tooltips and screen
// readers. The page connects it to what its back key does.
void vSetupBackButton(QPushButton* _pButton, int _s32Screen);

// Sets an icon and a square icon size.
void vSetIcon(QPushButton* _pButton, const QString& _strIcon, int _s32Width, int _s32Height);

} // namespace PageFrame

// The palette and its style sheets. Sizes are whole pixels: a style sheet
// ignores a fractional pixel size and the default font takes its place.
namespace Style
{

// The two yellows: the yellow of buttons, fields, lists and selections, and
// the label yellow, a shade less red, of texts on black.
QColor colorYellow();
QColor colorLabelYellow();
// The same colours as a style sheet writes them: "rgb(253, 215, 4)".
QString strYellow();
QString strLabelYellow();

QString strBlackPage();
// Yellow push buttons with square corners, or with round ones; the minimum
// width is in em.
QString strButton(int _s32Size, int _s32MinWidthEm = 4);
QString strRoundButton(int _s32Size, int _s32MinWidthEm = 4);
QString strIconButton();
QString strComboBox(int _s32Size);
QString strLineEdit(int _s32Size);
QString strLabelOnBlack(int _s32Size);
QString strTitleLabel(int _s32Size);
QString strDateField();
// Framed value labels of the statistics pages.
QString strValueFrame(int _s32Size);

} // namespace Style
