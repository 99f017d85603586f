#include "live/clive.h"

#include "app/navigation.h"
#include "app/pageframe.h"
#include "live/liverecord.h"
#include "live/livetables.h"
#include "terminal/logging.h"
#include "terminal/protocol.h"
#include "ui_clive.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QSlider>

cLive* cLive::instance()
{
    return PageFrame::tInstance<cLive>();
}

cLive::cLive() : ui(new Ui::cLive)
{
    ui->setupUi(this);
    m_pScreen = PageFrame::pFollowOrientation(this);

    // The form is the reference design: remember where each widget was drawn.
    const QList<QWidget*> listWidgets = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* pWidget : listWidgets)
        m_hashDesignRects.insert(pWidget, pWidget->geometry());
    // The neighbours of the sensor groups start in their places beside the
    // shown groups and stretch with the page wherever the switches move them.
    for (const LiveTables::Toggle* pToggle : LiveTables::listToggles()) {
        for (const auto& nameRect : pToggle->listRectsOn)
            m_hashToggledRects.insert(nameRect.first, nameRect.second);
    }

    m_s32Width = width();
    m_s32Height = height();
    vRescale();
    if (width() > height()) {
        resize(width() - 1, height() - 1);
        resize(width() + 1, height() + 1);
    }
}

cLive::~cLive()
{
    delete ui;
}

void cLive::vSetMessageSender(std::function<void(const QByteArray&)> _fnSender)
{
    m_fnSendMessage = std::move(_fnSender);
}

void cLive::vReceiveLiveData(const QByteArray& _baRecord)
{
    // Values are applied one after another: a bar compared with its warning
    // slider sees a limit that arrived earlier in the same record.
    const auto listPairs = LiveRecord::decode(_baRecord);
    VEMO_DEBUG(lcLive) << "record of" << _baRecord.size() << "bytes with" << listPairs.size() << "values";
    for (const auto& pair : listPairs)
        vSetLiveValue(pair.first, pair.second);
}

void cLive::vSetLiveValue(const QString& _strKey, const QString& _strText)
{
    if (_strKey.isEmpty())
        return;
    // Text that is no number reads as 0, which most status tables know.
    const int s32Value = _strText.toInt();

    if (_strKey == QLatin1String("pos_rselect")) {
        if (const auto optStyle = LiveTables::optProgramStepStyle(s32Value))
            ui->r_select->setStyleSheet(*optStyle);
        return;
    }
    if (LiveTables::pToggle(_strKey)) {
        vSwitchGroup(_strKey, s32Value);
        return;
    }
    const QString strStatusWidget = LiveTables::strStatusWidget(_strKey);
    if (!strStatusWidget.isEmpty()) {
        const auto optStyle = LiveTables::optStatusStyle(_strKey, s32Value);
        QLabel* pSymbol = findChild<QLabel*>(strStatusWidget);
        if (optStyle && pSymbol)
            pSymbol->setStyleSheet(*optStyle);
        return;
    }

    if (QLabel* pLabel = findChild<QLabel*>(_strKey)) {
        pLabel->setText(_strText);
    } else if (QSlider* pSlider = findChild<QSlider*>(_strKey)) {
        pSlider->setValue(s32Value);
    } else if (findChild<QProgressBar*>(_strKey)) {
        vSetBarValue(_strKey, s32Value);
    }
}

void cLive::vSetBarValue(const QString& _strBar, int _s32Value)
{
    QProgressBar* pBar = findChild<QProgressBar*>(_strBar);
    // A value outside the range leaves the bar as it is (QProgressBar ignores it);
    // the warning colour is judged on whatever the bar shows afterwards.
    pBar->setValue(_s32Value);
    const QString strSlider = LiveTables::strWarningSlider(_strBar);
    if (strSlider.isEmpty())
        return;
    if (const QSlider* pLimit = findChild<QSlider*>(strSlider))
        pBar->setStyleSheet(LiveTables::strWarningStyle(pBar->value(), pLimit->value()));
}

void cLive::vSwitchGroup(const QString& _strKey, int _s32Value)
{
    if (_s32Value != 0 && _s32Value != 1)
        return;
    const LiveTables::Toggle* pToggle = LiveTables::pToggle(_strKey);
    const bool bOn = _s32Value == 1;
    for (const QString& strName : pToggle->slGroup) {
        if (QWidget* pWidget = findChild<QWidget*>(strName))
            pWidget->setVisible(bOn);
    }
    if (QLabel* pImage = findChild<QLabel*>(pToggle->strNeighbourImage))
        pImage->setPixmap(QPixmap(bOn ? pToggle->strImageOn : pToggle->strImageOff));
    const auto& listRects = bOn ? pToggle->listRectsOn : pToggle->listRectsOff;
    for (const auto& nameRect : listRects) {
        // Kept so that a later rescale leaves the neighbour where the switch put it.
        m_hashToggledRects.insert(nameRect.first, nameRect.second);
        if (QWidget* pWidget = findChild<QWidget*>(nameRect.first))
            pWidget->setGeometry(LiveTables::rectScaled(nameRect.second, m_dSx, m_dSy));
    }
}

QRect cLive::rectForWidget(QWidget* _pWidget, int _s32F29) const
{
    const auto itToggled = m_hashToggledRects.constFind(_pWidget->objectName());
    if (itToggled != m_hashToggledRects.constEnd())
        return LiveTables::rectScaled(itToggled.value(), m_dSx, m_dSy);
    const QRect rectDesign = m_hashDesignRects.value(_pWidget);
    // Texts and symbols keep their size in font units so that they fit in
    // either orientation; bars and sliders stretch with the page.
    if (qobject_cast<QLabel*>(_pWidget))
        return LiveTables::rectFontSized(rectDesign, m_dSx, m_dSy, _s32F29);
    return LiveTables::rectScaled(rectDesign, m_dSx, m_dSy);
}

void cLive::vRescale()
{
    const int s32Screen = PageFrame::s32AvailableUnit();
    m_dSx = double(m_s32Width) / LiveTables::s32DesignWidth;
    m_dSy = double(m_s32Height) / LiveTables::s32DesignHeight;
    const LiveTables::FontUnits units = LiveTables::fontUnits(s32Screen);

    for (auto it = m_hashDesignRects.constBegin(); it != m_hashDesignRects.constEnd(); ++it) {
        QWidget* pWidget = it.key();
        pWidget->setGeometry(rectForWidget(pWidget, units.s32F29));
        const QString strFont = LiveTables::strFontStyle(pWidget->objectName(), units);
        if (!strFont.isEmpty())
            pWidget->setStyleSheet(strFont);
    }

    // The back button fills its place with the arrow, square in either
    // orientation.
    PageFrame::vSetupBackButton(ui->pushButton_back, s32Screen);
    const int s32Back = qMin(ui->pushButton_back->width(), ui->pushButton_back->height());
    ui->pushButton_back->setIconSize(QSize(s32Back, s32Back));
    ui->m_pbReset->hide();
    ui->m_pbReihePlus->hide();
    ui->m_pbReiheMinus->hide();
    ui->r_select->setStyleSheet(*LiveTables::optProgramStepStyle(LiveTables::s32DefaultProgramStep));
    vFitCaptions();
}

void cLive::vFitCaptions()
{
    // The captions and units are placed for their German texts and one font
    // unit high; a longer translation ("Customer:" for "Kunde:") and the
    // descenders of a line ("Schlag:") would be cut. Such a caption takes the
    // free room around it and, where that is not enough, a smaller font.
    // Labels of machine values are left as they are.

    // The boxes of the shown widgets, kept up to date as captions grow.
    QList<QRect> listShown;
    QHash<QWidget*, int> hashShownIndex;
    for (auto it = m_hashDesignRects.constBegin(); it != m_hashDesignRects.constEnd(); ++it) {
        if (it.key()->isHidden())
            continue;
        hashShownIndex.insert(it.key(), listShown.size());
        listShown.append(it.key()->geometry());
    }
    for (auto it = m_hashDesignRects.constBegin(); it != m_hashDesignRects.constEnd(); ++it) {
        auto* pLabel = qobject_cast<QLabel*>(it.key());
        if (!pLabel || pLabel->text().isEmpty() || pLabel->property("m_strDataID").isValid())
            continue;
        pLabel->ensurePolished();
        const QSize sizeFrame = pLabel->size() - pLabel->contentsRect().size();
        QFont font = pLabel->font();
        // The width of the text, and the height in which its ink (descenders
        // included) fits when the line is centred, as the label draws it.
        const auto sizeNeed = [&] {
            const QFontMetrics metrics(font);
            const QRect rectInk = metrics.tightBoundingRect(pLabel->text());
            const int s32Height = qMax(metrics.height() - 2 * (metrics.ascent() + rectInk.top()),
                                       2 * (metrics.ascent() + rectInk.bottom() + 1) - metrics.height());
            return QSize(metrics.horizontalAdvance(pLabel->text()), s32Height) + sizeFrame;
        };
        const QSize sizeWanted = sizeNeed();
        if (sizeWanted.width() <= pLabel->width() && sizeWanted.height() <= pLabel->height())
            continue;
        const QRect rect = LiveTables::rectGrown(pLabel->geometry(), sizeWanted, listShown, this->rect());
        pLabel->setGeometry(rect);
        if (hashShownIndex.contains(pLabel))
            listShown[hashShownIndex.value(pLabel)] = rect;
        // Every caption has a font class, whose style takes the smaller size.
        int s32Size = font.pixelSize();
        if (s32Size <= 0 || LiveTables::strFontStyle(pLabel->objectName(), {}).isEmpty())
            continue;
        const int s32Before = s32Size;
        while (s32Size > 1 && (sizeNeed().width() > rect.width() || sizeNeed().height() > rect.height()))
            font.setPixelSize(--s32Size);
        if (s32Size != s32Before) {
            const LiveTables::FontUnits units{s32Size, s32Size, s32Size};
            pLabel->setStyleSheet(LiveTables::strFontStyle(pLabel->objectName(), units));
        }
    }
}

void cLive::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutAvailable(this);
    vRescale();
}

void cLive::resizeEvent(QResizeEvent* _pEvent)
{
    QDialog::resizeEvent(_pEvent);
    m_s32Width = width();
    m_s32Height = height();
    vRescale();
}

void cLive::on_pushButton_back_clicked()
{
    vOnBackKey();
}

void cLive::vOnBackKey()
{
    hide();
    VEMO_DEBUG(lcLive) << "page closed, records stopped";
    if (m_fnSendMessage)
        m_fnSendMessage(QByteArray(Protocol::STOP_LIVE));
    if (QWidget* pMain = Navigation::pPageOf(Navigation::Caller::Main))
        pMain->show();
}
