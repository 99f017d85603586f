#include "mainwindow/cterminalactions.h"

#include "app/navigation.h"
#include "app/pageframe.h"
#include "terminal/liverequest.h"
#include "terminal/protocol.h"
#include "ui_chaupt.h"

#include <QPushButton>

cTerminalActions::cTerminalActions(Ui::cHaupt* _pUi, QObject* _pParent)
    : QObject(_pParent), m_buttons{_pUi->pushButton_Live,        _pUi->pushButton_Lichtschalter,
                                   _pUi->pushButton_Expertmodus, _pUi->pushButton_Download,
                                   _pUi->pushButton_Send,        _pUi->pushButton_Vemo_Icon}
{
}

bool cTerminalActions::bLiveReachable() const
{
    return bWired() && Navigation::bCanOpen();
}

void cTerminalActions::vSend(const QByteArray& _baMessage)
{
    if (m_fnSend)
        m_fnSend(_baMessage);
}

void cTerminalActions::vStartLive()
{
    const int s32Index = m_fnRefreshIndex ? m_fnRefreshIndex() : -1;
    vSend(LiveRequest::baStart(LiveRequest::u16IntervalForIndex(s32Index)));
}

// ---- machine switches -----------------------------------------------------------------------

// The season page's buttons show the same state, whether the user switched
// it or the terminal reported it.
void cTerminalActions::vSetExpertModus(bool _bOn)
{
    m_bExpertModus = _bOn;
    const QString strIcon = QString::fromLatin1(_bOn ? ":/Expertmodus_ON.png" : ":/Expertmodus_OFF.png");
    PageFrame::vSetIcon(m_buttons.pExpertmodus, strIcon, m_s32Screen / 9, m_s32Screen / 9);
    emit expertModeIconChanged(strIcon);
}

void cTerminalActions::vSetLichtschalter(bool _bOn)
{
    m_bLichtschalter = _bOn;
    const QString strIcon =
        QString::fromLatin1(_bOn ? ":/Lichtschalter_Haupt_On.png" : ":/Lichtschalter_Haupt_Off.png");
    PageFrame::vSetIcon(m_buttons.pLichtschalter, strIcon, m_s32Screen / 9, m_s32Screen / 9);
    emit lightSwitchIconChanged(strIcon);
}

void cTerminalActions::vToggleExpertModus()
{
    const bool bOn = !m_bExpertModus;
    vSend(Protocol::baSwitchCommand(Protocol::EXPERT_MODE, bOn));
    vSetExpertModus(bOn);
}

void cTerminalActions::vToggleLichtschalter()
{
    const bool bOn = !m_bLichtschalter;
    vSend(Protocol::baSwitchCommand(Protocol::LIGHT_SWITCH, bOn));
    vSetLichtschalter(bOn);
}

// ---- downloads ------------------------------------------------------------------------------

void cTerminalActions::vRequestDownloads(const QStringList& _slNames)
{
    for (const QString& strName : _slNames) {
        m_buttons.pLive->hide();
        m_buttons.pLichtschalter->hide();
        m_buttons.pExpertmodus->hide();
        vSend(strName.toUtf8());
    }
}

void cTerminalActions::vFileReceived()
{
    // The actions hidden while the download was pending come back, also when
    // the terminal had no such file.
    m_buttons.pLive->setVisible(bLiveReachable());
    m_buttons.pLichtschalter->setVisible(bWired());
    m_buttons.pExpertmodus->setVisible(bWired());
}

// ---- connection state -----------------------------------------------------------------------

void cTerminalActions::vSetConnectionState(bool _bConnected, bool _bByUser)
{
    PageFrame::vSetProductLogo(m_buttons.pLogo, m_s32Screen, _bConnected);
    if (_bConnected) {
        vStopPeriodicSearch();
        for (QPushButton* pButton :
             {m_buttons.pLichtschalter, m_buttons.pExpertmodus, m_buttons.pDownload, m_buttons.pSend})
            pButton->setVisible(bWired());
        m_buttons.pLive->setVisible(bLiveReachable());
        return;
    }
    if (_bByUser)
        vStopPeriodicSearch();
    else
        emit periodicSearchRequested();
    for (QPushButton* pButton : {m_buttons.pLichtschalter, m_buttons.pExpertmodus, m_buttons.pDownload,
                                 m_buttons.pLive, m_buttons.pSend})
        pButton->hide();
}
