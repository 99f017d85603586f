#include "app/wiring.h"

#include "app/mailurl.h"
#include "app/messages.h"
#include "app/navigation.h"
#include "app/settingsstore.h"
#include "live/clive.h"
#include "mainwindow/chaupt.h"
#include "settings/ceinstellungen.h"
#include "settings/cquelleverzeichnis.h"
#include "settings/ctreetodeletefile.h"
#include "statistics/cgrafischeruebersicht.h"
#include "statistics/chauptuebersicht.h"
#include "statistics/csaisondata.h"
#include "statistics/cstreckeaufteilung.h"
#include "statistics/cverbrauch.h"
#include "statistics/czeitaufteilung.h"
#include "terminal/cfahrzeugelist.h"
#include "terminal/csslclient.h"
#include "terminal/cwhattodownload.h"

#include <QDesktopServices>

namespace Wiring {

namespace {

void vSendToTerminal(const QByteArray& _baMessage)
{
    cSSLClient::instance()->vSendMessage(_baMessage);
}

// The live page is built on first use; records that arrive before the user
// opened it update the hidden page.
cLive* pLive()
{
    static bool s_bWired = false;
    cLive* live = cLive::instance();
    if (!s_bWired) {
        live->vSetMessageSender(vSendToTerminal);
        s_bWired = true;
    }
    return live;
}

// An e-mail about the file the main window shows: to the stored address,
// the file's name as subject and its path as text.
void vWriteEmailAboutShownFile()
{
    const cHaupt* haupt = cHaupt::instance();
    QDesktopServices::openUrl(MailUrl::urlTo(cEinstellungen::instance()->strGetEmail(),
                                             haupt->strWhichTypeOfList(), haupt->strPfad()));
}

} // namespace

void vOpenPage(const QString& _strTarget, const QString& _strCaller)
{
    if (_strTarget == QLatin1String(Navigation::PAGE_SETTINGS)) {
        cEinstellungen::instance()->vSetCaller(_strCaller);
        cEinstellungen::instance()->showMaximized();
    } else if (_strTarget == QLatin1String(Navigation::PAGE_DOWNLOADED_FILES)) {
        cTreeToDeleteFile::instance()->vSetCaller(_strCaller);
        cTreeToDeleteFile::instance()->showMaximized();
    } else if (_strTarget == QLatin1String(Navigation::PAGE_SOURCE_DIRECTORY)) {
        cQuelleVerzeichnis::instance()->vSetCaller(_strCaller);
        cQuelleVerzeichnis::instance()->showMaximized();
    } else if (_strTarget == QLatin1String(Navigation::PAGE_DOWNLOAD_SELECTION)) {
        // Opens over the calling page (a minimised window would not be seen
        // on a desktop at all).
        cWhatToDownload* selection = cWhatToDownload::instance();
        selection->vSetOrigin(_strCaller == QLatin1String(Navigation::CALLER_MAIN)
                                  ? QString::fromLatin1(Navigation::CALLER_MAIN)
                                  : QString::fromLatin1(Navigation::CALLER_STATISTICS));
        selection->show();
        selection->raise();
        selection->activateWindow();
    } else if (_strTarget == QLatin1String(Navigation::PAGE_LIVE)) {
        pLive()->showMaximized();
    } else if (_strTarget == QLatin1String(Navigation::ACTION_WRITE_EMAIL)) {
        vWriteEmailAboutShownFile();
    }
}

void vConnectAll()
{
    cSSLClient* link = cSSLClient::instance();
    cHaupt* haupt = cHaupt::instance();
    cSaisonData* season = cSaisonData::instance();

    haupt->vSetMessageSender(vSendToTerminal);
    season->vSetMessageSender(vSendToTerminal);
    haupt->vSetNavigator(
        [](const QString& _strTarget) { vOpenPage(_strTarget, QString::fromLatin1(Navigation::CALLER_MAIN)); });
    season->vSetNavigator(vOpenPage);
    // Runs in the periodic search's own thread; the link queues the broadcast
    // over to the thread of its socket. The link is captured here, so that
    // thread never goes through the accessor, which is not made for threads.
    haupt->vSetPeriodicSearch([link] { link->vBroadcastDatagramInInterval(); });
    haupt->vSetRefreshIndexSource([] { return cEinstellungen::instance()->s32RefreshIndex(); });

    QObject::connect(link, &cSSLClient::connectionStateChanged, haupt,
                     [](bool _bConnected, bool _bByUser, const QString& _strChassis) {
                         cEinstellungen::instance()->vSetConnectionState(_bConnected, _strChassis);
                         cHaupt::instance()->vSetConnectionState(_bConnected, _bByUser);
                         cZeitAufteilung::instance()->vSetConnectionState(_bConnected);
                         cHauptUebersicht::instance()->vSetConnectionState(_bConnected);
                         cStreckeAufteilung::instance()->vSetConnectionState(_bConnected);
                         cGrafischerUebersicht::instance()->vSetConnectionState(_bConnected);
                         cVerbrauch::instance()->vSetConnectionState(_bConnected);
                         cSaisonData::instance()->vSetConnectionState(_bConnected);
                     });
    // The terminal list is built when the first search answers, not at start-up.
    QObject::connect(link, &cSSLClient::foundTerminals, haupt,
                     [](const QStringList& _slChassis) { cfahrzeugelist::instance()->vSetList(_slChassis); });
    QObject::connect(link, &cSSLClient::showTerminalList, haupt, [] {
        cEinstellungen::instance()->hide();
        cfahrzeugelist::instance()->showMaximized();
    });
    QObject::connect(link, &cSSLClient::hideSettingsPage, haupt, [] { cEinstellungen::instance()->hide(); });
    QObject::connect(link, &cSSLClient::fileReceived, haupt, &cHaupt::vFileReceived);
    QObject::connect(link, &cSSLClient::liveDataReceived, haupt,
                     [](const QByteArray& _baRecord) { pLive()->vReceiveLiveData(_baRecord); });
    QObject::connect(link, &cSSLClient::expertModeReported, haupt, &cHaupt::vSetExpertModus);
    QObject::connect(link, &cSSLClient::lightSwitchReported, haupt, &cHaupt::vSetLichtschalter);
    QObject::connect(link, &cSSLClient::messageForUser, haupt,
                     [](const QString& _strText) { Messages::vShow(nullptr, _strText); });
}

} // namespace Wiring
