#include "app/wiring.h"

#include "app/archivethread.h"
#include "app/firstcontact.h"
#include "app/mailurl.h"
#include "app/messages.h"
#include "app/pageframe.h"
#include "data/archivestore.h"
#include "live/clive.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/chaupt.h"
#include "settings/cabrechnungseite.h"
#include "settings/carchivseite.h"
#include "settings/ceinstellungen.h"
#include "settings/cinfoseite.h"
#include "settings/cquelleverzeichnis.h"
#include "settings/ctreetodeletefile.h"
#include "statistics/cgrafischeruebersicht.h"
#include "statistics/chauptuebersicht.h"
#include "statistics/csaisondata.h"
#include "statistics/cstreckeaufteilung.h"
#include "statistics/cverbrauch.h"
#include "statistics/czeitaufteilung.h"
#include "statistics/shownlist.h"
#include "terminal/cfahrzeugelist.h"
#include "terminal/csslclient.h"
#include "terminal/cwhattodownload.h"

#include <QDesktopServices>
#include <QPointer>
#include <QSet>

namespace Wiring
{

namespace
{

using Navigation::Caller;
using Navigation::Target;

// True once the terminal link and the archive are wired: pages made from
// then on are connected to them as well.
bool g_bLinkWired = false;

void vSendToTerminal(const QByteArray& _baMessage)
{
    cSSLClient::instance()->vSendMessage(_baMessage);
}

// Opens the archive in use: the office's server when one is set up, the
// local archive otherwise; each time anew under _strConnection, so that a
// server set up since is used.
std::function<QSqlDatabase(QString*)> archiveConnector(const QString& _strConnection)
{
    return [_strConnection](QString* _pMessage) {
        QSqlDatabase::removeDatabase(_strConnection);
        const ArchiveServer server = ArchiveServer::load();
        cArchiveStore store(server.bComplete() ? server.connection(_strConnection)
                                               : cArchiveStore::sqliteConnection(
                                                     cArchiveStore::strDefaultPath(), _strConnection));
        const ArchiveOpenResult opened = store.open();
        if (opened.bUsable())
            return store.database();
        *_pMessage = opened.strMessage;
        return QSqlDatabase();
    };
}

QWidget* pPageOfCaller(Caller _caller)
{
    switch (_caller) {
    case Caller::Main:
        return cHaupt::instance();
    case Caller::Settings:
        return cEinstellungen::instance();
    case Caller::Season:
    case Caller::Statistics:
        return cSaisonData::instance();
    }
    return nullptr;
}

// An e-mail about the file the main window shows: to the stored address,
// the file's name as subject and its path as text.
void vWriteEmailAboutShownFile()
{
    const cHaupt* haupt = cHaupt::instance();
    QDesktopServices::openUrl(MailUrl::urlTo(cEinstellungen::instance()->strGetEmail(),
                                             haupt->strWhichTypeOfList(), haupt->strPfad()));
}

void vResetOrderPages()
{
    cStreckeAufteilung::instance()->vReset();
    cGrafischerUebersicht::instance()->vReset();
    cHauptUebersicht::instance()->hide();
    cStreckeAufteilung::instance()->hide();
    cGrafischerUebersicht::instance()->hide();
}

void vWireMainWindow(cHaupt* _pHaupt)
{
    // The time split page keeps the order opened last for all order pages.
    QObject::connect(_pHaupt, &cHaupt::vSendTextToDialog, _pHaupt,
                     [](const QString& _strText, int _s32Current, int _s32Sort) {
                         cZeitAufteilung::instance()->vReceiveTextAndPresent(_strText, _s32Current, _s32Sort);
                     });
    QObject::connect(_pHaupt, &cHaupt::listStateChanged, _pHaupt, ShownList::vSet);
    QObject::connect(_pHaupt, &cHaupt::orderPagesReset, _pHaupt, vResetOrderPages);
    QObject::connect(_pHaupt, &cHaupt::statisticsFileOpened, _pHaupt,
                     [](const QString& _strPath, const QString& _strFileName, const QString& _strViewName) {
                         cSaisonData* pSeason = cSaisonData::instance();
                         pSeason->vSetFileName(_strFileName);
                         pSeason->vReadStatisticsFile(_strPath, _strViewName);
                         pSeason->show();
                     });
    QObject::connect(_pHaupt, &cHaupt::orderTotalsRequested, _pHaupt,
                     [](const QString& _strFileName, bool _bMaximized) {
                         cSaisonData* pSeason = cSaisonData::instance();
                         pSeason->vSetFileName(_strFileName);
                         pSeason->vShowOrderTotals();
                         if (_bMaximized)
                             pSeason->showMaximized();
                         else
                             pSeason->show();
                     });
    QObject::connect(_pHaupt, &cHaupt::expertModeIconChanged, _pHaupt,
                     [](const QString& _strIcon) { cSaisonData::instance()->vSetExpertModusIcon(_strIcon); });
    QObject::connect(_pHaupt, &cHaupt::lightSwitchIconChanged, _pHaupt, [](const QString& _strIcon) {
        cSaisonData::instance()->vSetLichtschalterIcon(_strIcon);
    });
}

// The driver editor's answers go to the lines of the main window's list.
void vWireDriverEditor(cEditDialog* _pEditor)
{
    cHaupt* pHaupt = cHaupt::instance();
    QObject::connect(_pEditor, &cEditDialog::driverAdded, pHaupt, &cHaupt::vAddDriver);
    QObject::connect(_pEditor, &cEditDialog::driverReplaced, pHaupt, &cHaupt::vReplaceEntry);
    QObject::connect(_pEditor, &cEditDialog::editLeft, pHaupt, &cHaupt::vEndDriverEdit);
}

void vWireSeasonPage(cSaisonData* _pSeason)
{
    _pSeason->vSetNavigator(Navigation::vOpen);
    QObject::connect(_pSeason, &cSaisonData::lightSwitchToggleRequested, _pSeason,
                     [] { cHaupt::instance()->on_pushButton_Lichtschalter_clicked(); });
    QObject::connect(_pSeason, &cSaisonData::expertModeToggleRequested, _pSeason,
                     [] { cHaupt::instance()->on_pushButton_Expertmodus_clicked(); });
    QObject::connect(_pSeason, &cSaisonData::backToListRequested, _pSeason,
                     [] { cHaupt::instance()->vBackToList(); });
}

void vWireSettingsPages(QWidget* _pPage)
{
    if (auto* pSettings = qobject_cast<cEinstellungen*>(_pPage)) {
        QObject::connect(pSettings, &cEinstellungen::listFileRequested, pSettings,
                         [](const QString& _strPath) { cHaupt::instance()->vRequestReadFile(_strPath); });
    } else if (auto* pFiles = qobject_cast<cTreeToDeleteFile*>(_pPage)) {
        QObject::connect(pFiles, &cTreeToDeleteFile::listFileChosen, pFiles,
                         [](const QString& _strPath) { cHaupt::instance()->strOpenListFile(_strPath); });
        QObject::connect(pFiles, &cTreeToDeleteFile::archiveChosen, pFiles,
                         [] { cHaupt::instance()->vShowArchive(); });
    } else if (auto* pBilling = qobject_cast<cAbrechnungSeite*>(_pPage)) {
        // The rates are kept in the archive in use, as the list browser reads it.
        pBilling->vSetArchiveConnector(archiveConnector(QStringLiteral("archive-rates")));
    }
}

void vWireDownloadSelection(cWhatToDownload* _pSelection)
{
    QObject::connect(_pSelection, &cWhatToDownload::requestWordsChosen, _pSelection,
                     [](Caller _origin, const QStringList& _slWords) {
                         if (_origin == Caller::Main)
                             cHaupt::instance()->vRequestDownloads(_slWords);
                         else if (_origin == Caller::Statistics)
                             cSaisonData::instance()->vTakeRequestWords(_slWords);
                     });
}

// The page's requests of the terminal link.
void vWireToLink(QWidget* _pPage)
{
    cSSLClient* link = cSSLClient::instance();
    if (auto* pSettings = qobject_cast<cEinstellungen*>(_pPage)) {
        QObject::connect(pSettings, &cEinstellungen::terminalSearchRequested, link,
                         &cSSLClient::vSearchTerminals);
        QObject::connect(pSettings, &cEinstellungen::disconnectRequested, link,
                         [link] { link->vDisconnect(true); });
        QObject::connect(link, &cSSLClient::foundTerminals, pSettings, &cEinstellungen::vTerminalsFound);
    } else if (auto* pList = qobject_cast<cfahrzeugelist*>(_pPage)) {
        QObject::connect(pList, &cfahrzeugelist::terminalChosen, link, &cSSLClient::vSelectTerminal);
    } else if (auto* pChooser = qobject_cast<cQuelleVerzeichnis*>(_pPage)) {
        QObject::connect(pChooser, &cQuelleVerzeichnis::fileToSendChosen, link,
                         &cSSLClient::vSendFileFromPath);
    } else if (auto* pLive = qobject_cast<cLive*>(_pPage)) {
        pLive->vSetMessageSender(vSendToTerminal);
    }
}

// Every list the link stores goes into the archive as well; the archive's
// problems reach the user like the link's.
void vWireArchive(cSSLClient* _pLink)
{
    cArchiveThread* pArchive = cArchiveThread::instance();
    QObject::connect(_pLink, &cSSLClient::listFileStored, pArchive, &cArchiveThread::vKeep);
    QObject::connect(pArchive, &cArchiveThread::messageForUser, pArchive,
                     [](const QString& _strText) { Messages::vShow(nullptr, _strText); });
    // The list browser reads the archive in use.
    cHaupt::instance()->vSetArchiveConnector(archiveConnector(QStringLiteral("archive-view")));
    cHaupt::instance()->vSetBillArchiveConnector(archiveConnector(QStringLiteral("archive-bill")));
}

// The archive page sets the archive's server and shows where the files go
// now, from the state the archive reported last.
void vWireToArchive(QWidget* _pPage)
{
    auto* pPage = qobject_cast<cArchivSeite*>(_pPage);
    if (!pPage)
        return;
    cArchiveThread* pArchive = cArchiveThread::instance();
    QObject::connect(pPage, &cArchivSeite::archiveServerChanged, pArchive, &cArchiveThread::vSetServer);
    QObject::connect(pArchive, &cArchiveThread::stateChanged, pPage, &cArchivSeite::vSetArchiveState);
    pPage->vSetArchiveState(pArchive->strArchive(), pArchive->bServer(), pArchive->s32Waiting());
}

void vWirePage(QWidget* _pPage)
{
    // Each page once among the pages, and once to the link and the archive
    // when the application has them.
    static QSet<QWidget*> s_setWired;
    static QSet<QWidget*> s_setLinked;
    if (g_bLinkWired && !s_setLinked.contains(_pPage)) {
        s_setLinked.insert(_pPage);
        vWireToLink(_pPage);
        vWireToArchive(_pPage);
    }
    if (s_setWired.contains(_pPage))
        return;
    s_setWired.insert(_pPage);
    if (auto* pHaupt = qobject_cast<cHaupt*>(_pPage))
        vWireMainWindow(pHaupt);
    else if (auto* pSeason = qobject_cast<cSaisonData*>(_pPage))
        vWireSeasonPage(pSeason);
    else if (auto* pSelection = qobject_cast<cWhatToDownload*>(_pPage))
        vWireDownloadSelection(pSelection);
    else if (auto* pEditor = qobject_cast<cEditDialog*>(_pPage))
        vWireDriverEditor(pEditor);
    else
        vWireSettingsPages(_pPage);
}

} // namespace

void vOpenPage(Target _target, Caller _caller)
{
    switch (_target) {
    case Target::Settings:
        cEinstellungen::instance()->vSetCaller(_caller);
        cEinstellungen::instance()->showMaximized();
        break;
    case Target::DownloadedFiles:
        cTreeToDeleteFile::instance()->vSetCaller(_caller);
        cTreeToDeleteFile::instance()->showMaximized();
        break;
    case Target::SourceDirectory:
        cQuelleVerzeichnis::instance()->vSetCaller(_caller);
        cQuelleVerzeichnis::instance()->showMaximized();
        break;
    case Target::DownloadSelection: {
        // Opens over the calling page (a minimised window would not be seen
        // on a desktop at all).
        cWhatToDownload* selection = cWhatToDownload::instance();
        selection->vSetOrigin(_caller == Caller::Main ? Caller::Main : Caller::Statistics);
        selection->show();
        selection->raise();
        selection->activateWindow();
        break;
    }
    case Target::Live:
        cLive::instance()->showMaximized();
        break;
    case Target::TerminalList:
        cfahrzeugelist::instance()->showMaximized();
        break;
    case Target::Info:
        cInfoSeite::instance()->showMaximized();
        break;
    case Target::Archive:
        cArchivSeite::instance()->showMaximized();
        break;
    case Target::Billing:
        cAbrechnungSeite::instance()->showMaximized();
        break;
    case Target::OrderPages:
        cHauptUebersicht::instance()->vTakeDataAndPresent();
        cHauptUebersicht::instance()->showMaximized();
        break;
    case Target::WriteEmail:
        vWriteEmailAboutShownFile();
        break;
    }
}

void vConnectPages()
{
    Navigation::vSetPageLookup(pPageOfCaller);
    Navigation::vSetOpener(vOpenPage);
    PageFrame::vOnPageCreated(vWirePage);
}

void vConnectAll()
{
    cSSLClient* link = cSSLClient::instance();
    g_bLinkWired = true;
    vConnectPages();
    cHaupt* haupt = cHaupt::instance();
    cSaisonData* season = cSaisonData::instance();

    link->vSetPasswordProvider(FirstContact::vAskPassword);
    link->vSetCertificateQuestionProvider(FirstContact::vAskCertificateTrust);
    haupt->vSetMessageSender(vSendToTerminal);
    season->vSetMessageSender(vSendToTerminal);
    // The main window decides when the link searches quietly for the terminal.
    QObject::connect(haupt, &cHaupt::periodicSearchRequested, link, &cSSLClient::vStartQuietSearch);
    QObject::connect(haupt, &cHaupt::finished, link, &cSSLClient::vStopQuietSearch);
    haupt->vSetPeriodicSearchProbe(
        [pLink = QPointer<cSSLClient>(link)] { return pLink && pLink->bQuietSearchRunning(); });
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
    vWireArchive(link);
    // The live page is made on first use; records that arrive before the user
    // opened it update the hidden page.
    QObject::connect(link, &cSSLClient::liveDataReceived, haupt,
                     [](const QByteArray& _baRecord) { cLive::instance()->vReceiveLiveData(_baRecord); });
    QObject::connect(link, &cSSLClient::expertModeReported, haupt, &cHaupt::vSetExpertModus);
    QObject::connect(link, &cSSLClient::lightSwitchReported, haupt, &cHaupt::vSetLichtschalter);
    QObject::connect(link, &cSSLClient::messageForUser, haupt,
                     [](const QString& _strText) { Messages::vShow(nullptr, _strText); });
}

} // namespace Wiring
