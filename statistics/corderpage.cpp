#include "statistics/corderpage.h"

#include "app/messages.h"
#include "app/navigation.h"
#include "app/pageframe.h"
#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "data/currentorder.h"
#include "reports/orderreport.h"
#include "reports/reportpdf.h"
#include "statistics/corderpageset.h"
#include "statistics/shownlist.h"

#include <QBoxLayout>
#include <QDate>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

using OrderNavigation::Action;

namespace
{
// The order info block: black text on the yellow of the list entries.
QString strInfoStyle(int _s32Size)
{
    return QStringLiteral("QLabel{background-color: ") + Style::strYellow() +
           QStringLiteral("; color: rgb(0, 0, 0); font: ") + QString::number(_s32Size) +
           QStringLiteral("px; padding: 4px;}");
}

// The largest bold pixel size from _s32Max down to _s32Min at which the
// longest word of _strText fits into _s32Width, so a long heading wraps
// between its words and never cuts one.
int s32FittingSize(const QString& _strText, int _s32Max, int _s32Min, int _s32Width)
{
    const QStringList words = _strText.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int size = _s32Max; size > _s32Min; --size) {
        QFont font;
        font.setBold(true);
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool bFits = true;
        for (const QString& word : words)
            bFits = bFits && metrics.horizontalAdvance(word) <= _s32Width;
        if (bFits)
            return size;
    }
    return _s32Min;
}

// The box layout that holds _pWidget, searched from _pLayout down.
QBoxLayout* pBoxHolding(QLayout* _pLayout, QWidget* _pWidget)
{
    if (!_pLayout)
        return nullptr;
    if (auto* pBox = qobject_cast<QBoxLayout*>(_pLayout); pBox && pBox->indexOf(_pWidget) >= 0)
        return pBox;
    for (int i = 0; i < _pLayout->count(); ++i) {
        if (QBoxLayout* pFound = pBoxHolding(_pLayout->itemAt(i)->layout(), _pWidget))
            return pFound;
    }
    return nullptr;
}
} // namespace

cOrderPage::cOrderPage(Page _page, QWidget* _pParent) : cDialogSeite(_pParent), m_page(_page)
{
    m_pScreen = PageFrame::pFollowOrientation(this);
    m_s32Screen = PageFrame::s32ScreenUnit();
}

void cOrderPage::vSetupFrame(QPushButton* _pLogo, QLabel* _pHeading, QPushButton* _pNext, QPushButton* _pBack,
                             QLabel* _pInfo, QLabel* _pArea, QBoxLayout* _pContent)
{
    m_pLogo = _pLogo;
    m_pHeading = _pHeading;
    m_strHeading = _pHeading->text();
    m_pNext = _pNext;
    m_pBack = _pBack;
    m_pInfo = _pInfo;
    m_pArea = _pArea;
    m_pContent = _pContent;
    // The report button stands in the header before the arrow.
    m_pReport = new QPushButton(this);
    m_pReport->setObjectName(QStringLiteral("pushButton_Report"));
    m_pReport->setToolTip(tr("Bericht als PDF speichern"));
    if (QBoxLayout* pHeader = pBoxHolding(layout(), m_pNext))
        pHeader->insertWidget(pHeader->indexOf(m_pNext), m_pReport);
    connect(m_pReport, &QPushButton::clicked, this, &cOrderPage::vSaveReport);
    setStyleSheet(Style::strBlackPage());
    for (QPushButton* button : {m_pLogo, m_pNext, m_pBack, m_pReport}) {
        // Keys belong to the page, not to a focused button.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setStyleSheet(Style::strIconButton());
    }
    m_pInfo->setWordWrap(true);
    // The page is arranged for the orientation of its new size only once it
    // has that size, so the arrangement of the old one must not hold it back.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    vApplySizes();
    vSetConnectionState(m_bConnected);
}

void cOrderPage::vApplySizes()
{
    const int s = m_s32Screen;
    const int icon = int(s / 10.28);
    PageFrame::vSetIcon(m_pNext, QStringLiteral(":/arrow-204-128.png"), icon, icon);
    PageFrame::vSetIcon(m_pBack, QStringLiteral(":/back.png"), icon, icon);
    PageFrame::vSetIcon(m_pReport, QStringLiteral(":/images/report-128.png"), icon, icon);
    m_pHeading->setWordWrap(true);
    vFitHeading();
    m_pInfo->setStyleSheet(strInfoStyle(s / 36));
    m_pArea->setStyleSheet(strInfoStyle(s32TextSize()) + QStringLiteral("QLabel{font-weight: bold;}"));
    vApplyPageSizes();
}

void cOrderPage::vFitHeading()
{
    // The header's other parts keep their size; the heading takes the rest.
    const QLayout* pPageLayout = layout();
    const int s32Spacing =
        4 * qMax(0, style()->layoutSpacing(QSizePolicy::Label, QSizePolicy::PushButton, Qt::Horizontal));
    const QMargins margins = pPageLayout ? pPageLayout->contentsMargins() : QMargins();
    const int s32Width = width() - margins.left() - margins.right() - s32Spacing - 24 -
                         m_pLogo->sizeHint().width() - m_pNext->sizeHint().width() -
                         m_pReport->sizeHint().width() - m_pBack->sizeHint().width();
    const int s32Size = s32FittingSize(m_pHeading->text(), s32TextSize(), m_s32Screen / 40, s32Width);
    if (s32Size != m_s32HeadingSize) {
        m_s32HeadingSize = s32Size;
        m_pHeading->setStyleSheet(Style::strTitleLabel(s32Size));
    }
}

QString cOrderPage::strLegendStyle(int _s32Size, const char* _strBackground, const char* _strText)
{
    return QStringLiteral("QLabel{font: ") + QString::number(_s32Size) +
           QStringLiteral("px; background-color: ") + QLatin1String(_strBackground) +
           QStringLiteral("; color: ") + QLatin1String(_strText) + QStringLiteral("; padding: 2px;}");
}

void cOrderPage::vSetConnectionState(bool _bConnected)
{
    m_bConnected = _bConnected;
    if (m_pLogo)
        PageFrame::vSetProductLogo(m_pLogo, m_s32Screen, _bConnected);
}

void cOrderPage::vBeginFill()
{
    m_bGestureHandled = true;
    // Orders from the archive are compared with their machine's season.
    const QString& strScope = ShownList::state().strAverageScope;
    const QString strHeading = strScope.isEmpty()
                                   ? m_strHeading
                                   : m_strHeading + QLatin1Char('\n') + tr("Durchschnitt: %1").arg(strScope);
    if (m_pHeading && m_pHeading->text() != strHeading) {
        m_pHeading->setText(strHeading);
        vFitHeading();
    }
    const CurrentOrder& order = OrderPages::currentOrder();
    if (order.bEmpty()) {
        m_pInfo->setText(tr("Keine Auftragsdaten"));
        m_pArea->setText(QStringLiteral("-"));
    } else {
        m_pInfo->setText(order.strInfoText);
        m_pArea->setText(order.strAreaText);
    }
}

void cOrderPage::vSaveReport()
{
    const CurrentOrder& order = OrderPages::currentOrder();
    if (order.bEmpty()) {
        Messages::vShow(this, tr("Keine Auftragsdaten"));
        return;
    }
    const std::shared_ptr<cReportPdf> pReport =
        OrderReport::pReport(order.strRecord, ShownList::state().orderTotals,
                             SettingsStore::interfaceLocale(), QDate::currentDate());
    ReportOffer::strSaveAndOffer(this, OrderReport::strFileName(order.strRecord), pReport->baFinish(),
                                 OrderReport::strTitle(order.strRecord), ReportOffer::printingOf(pReport));
}

void cOrderPage::vRelayoutJiggle()
{
    m_bLandscape = width() > height();
    // A maximised window keeps its size; resizing it would drop that state.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QSize size = this->size();
        resize(size.width() - 1, size.height() - 1);
        resize(size);
    }
    if (layout())
        layout()->activate();
    update();
}

void cOrderPage::mousePressEvent(QMouseEvent* _pEvent)
{
    m_ptPress = _pEvent->pos();
    m_bGestureHandled = false;
}

void cOrderPage::mouseReleaseEvent(QMouseEvent* _pEvent)
{
    m_ptRelease = _pEvent->pos();
    if (m_bGestureHandled)
        return;
    const Action action =
        OrderNavigation::swipeAction(m_ptRelease.x() - m_ptPress.x(), m_ptRelease.y() - m_ptPress.y(),
                                     OrderNavigation::s32SwipeThreshold(m_s32Screen));
    if (action == Action::None)
        return;
    // One press yields one action, also when there is no order to step to.
    m_bGestureHandled = true;
    vAct(action);
}

void cOrderPage::keyReleaseEvent(QKeyEvent* _pEvent)
{
    const Action action = OrderNavigation::keyAction(_pEvent->key());
    if (action == Action::None) {
        cDialogSeite::keyReleaseEvent(_pEvent);
        return;
    }
    vAct(action);
}

void cOrderPage::resizeEvent(QResizeEvent* _pEvent)
{
    QDialog::resizeEvent(_pEvent);
    m_bLandscape = width() > height();
    if (m_pContent) {
        // Landscape: the info block beside the figures, as wide as its lines;
        // portrait: above them, as high as it needs. The figures take the
        // rest, so that their titles and values keep a whole line.
        m_pContent->setDirection(m_bLandscape ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        m_pContent->setStretch(0, 0);
        m_pContent->setStretch(1, 1);
    }
    if (m_pHeading)
        vFitHeading();
}

void cOrderPage::reject()
{
    vLeave();
}

void cOrderPage::on_pushButton_clicked()
{
    OrderPages::vSwitchTo(this, OrderNavigation::upperNeighbour(m_page));
}

void cOrderPage::on_pushButton_back_clicked()
{
    vLeave();
}

void cOrderPage::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutTransposed(this);
    vApplySizes();
}

void cOrderPage::vAct(Action _action)
{
    switch (_action) {
    case Action::PreviousOrder:
        OrderPages::vStepOrder(this, -1);
        break;
    case Action::NextOrder:
        OrderPages::vStepOrder(this, 1);
        break;
    case Action::LowerPage:
        OrderPages::vSwitchTo(this, OrderNavigation::lowerNeighbour(m_page));
        break;
    case Action::UpperPage:
        OrderPages::vSwitchTo(this, OrderNavigation::upperNeighbour(m_page));
        break;
    case Action::Leave:
        vLeave();
        break;
    case Action::None:
        break;
    }
}

void cOrderPage::vLeave()
{
    hide();
    Navigation::vShowPage(Navigation::Caller::Main);
}
