#pragma once

#include "app/cdialogseite.h"

#include "statistics/ordernavigation.h"

#include <QDialog>
#include <QPoint>

class QBoxLayout;
class QLabel;
class QPushButton;
class QScreen;

// What the five order pages share: the header (product logo, heading, the
// arrow to the upper neighbour, back), the order info block, the gestures
// and keys that step between orders and pages, the switch to a neighbour
// page, and the arrangement of the page in landscape and portrait.
class cOrderPage : public cDialogSeite
{
    Q_OBJECT

public:
    using Page = OrderNavigation::Page;

    // Fills the page from the current order (and the totals) and lays it out
    // again; the release of the touch that opened the page does not act.
    virtual void vTakeDataAndPresent() = 0;

    // The product logo of the header: with claim while connected.
    void vSetConnectionState(bool _bConnected);

    // Lays the page out and paints it again (charts included).
    void vRelayoutJiggle();
    bool bLandscape() const { return m_bLandscape; }

    // Writes the shown order's evaluation as a PDF report to the reports
    // folder and offers it (the header's report button).
    void vSaveReport();

protected:
    explicit cOrderPage(Page _page, QWidget* _pParent = nullptr);

    // Called by each page after its form is set up. _pContent holds the info
    // block and the figures: side by side in landscape, stacked in portrait.
    void vSetupFrame(QPushButton* _pLogo, QLabel* _pHeading, QPushButton* _pNext, QPushButton* _pBack,
                     QLabel* _pInfo, QLabel* _pArea, QBoxLayout* _pContent);

    // Start of every fill: marks the gesture as handled and shows the order's
    // info and area texts (a hint and "-" without order data).
    void vBeginFill();

    // The page's own sizes (fonts, legend styles); the frame's are set before.
    virtual void vApplyPageSizes() {}

    int s32Screen() const { return m_s32Screen; }
    // A pie legend label: the sector's colour behind text of the given colour.
    static QString strLegendStyle(int _s32Size, const char* _strBackground, const char* _strText);
    // The page's text size: S / 25.
    int s32TextSize() const { return m_s32Screen / 25; }

    void mousePressEvent(QMouseEvent* _pEvent) override;
    void mouseReleaseEvent(QMouseEvent* _pEvent) override;
    void keyReleaseEvent(QKeyEvent* _pEvent) override;
    void resizeEvent(QResizeEvent* _pEvent) override;
    // Closing the window returns to the main window.
    void reject() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_back_clicked();
    void onRotate(Qt::ScreenOrientation);

private:
    void vApplySizes();
    void vFitHeading();
    void vAct(OrderNavigation::Action _action);
    void vLeave();

    const Page m_page;
    QScreen* m_pScreen = nullptr;
    int m_s32Screen = 0;
    bool m_bConnected = false;
    int m_s32HeadingSize = 0;

    QPushButton* m_pLogo = nullptr;
    QLabel* m_pHeading = nullptr;
    QString m_strHeading; // as the form names the page
    QPushButton* m_pNext = nullptr;
    QPushButton* m_pBack = nullptr;
    QPushButton* m_pReport = nullptr;
    QLabel* m_pInfo = nullptr;
    QLabel* m_pArea = nullptr;
    QBoxLayout* m_pContent = nullptr;

    QPoint m_ptPress;
    QPoint m_ptRelease;
    bool m_bGestureHandled = false;
    bool m_bLandscape = false;
};
