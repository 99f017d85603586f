#include "data/archivekeeper.h"

#include "app/settingsstore.h"
#include "data/archivestore.h"

#include <QAtomicInt>
#include <QDir>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimer>

namespace
{

const int DEFAULT_RETRY_MS = 60 * 1000;

// Each keeper its own connections: a test or a tool may hold two.
int s32NextKeeper()
{
    static QAtomicInt s_keepers;
    return s_keepers.fetchAndAddOrdered(1);
}

QString strConnectionName(int _s32Keeper, const char* _pPart)
{
    return QStringLiteral("archive-keeper-%1-%2").arg(_s32Keeper).arg(QLatin1String(_pPart));
}

} // namespace

cArchiveKeeper::cArchiveKeeper(const QString& _strLocalArchive, const QString& _strInboxFolder,
                               QObject* _pParent)
    : QObject(_pParent), m_strLocalArchive(_strLocalArchive), m_inbox(_strInboxFolder),
      m_s32Number(s32NextKeeper()), m_strLocalConnection(strConnectionName(m_s32Number, "local")),
      m_strServerConnection(strConnectionName(m_s32Number, "server")), m_pRetryTimer(new QTimer(this))
{
    m_pRetryTimer->setInterval(DEFAULT_RETRY_MS);
    connect(m_pRetryTimer, &QTimer::timeout, this, &cArchiveKeeper::vCatchUp);
}

cArchiveKeeper::~cArchiveKeeper()
{
    // The stores hold the connections: they go first.
    m_pLocal.reset();
    m_pServer.reset();
    for (const QString& strConnection : {m_strLocalConnection, m_strServerConnection}) {
        if (QSqlDatabase::contains(strConnection))
            QSqlDatabase::removeDatabase(strConnection);
    }
}

QString cArchiveKeeper::strDefaultInboxFolder()
{
    return QFileInfo(cArchiveStore::strDefaultPath()).absolutePath() + QStringLiteral("/archive-inbox");
}

void cArchiveKeeper::vSetRetryPeriod(int _s32Ms)
{
    m_pRetryTimer->setInterval(_s32Ms);
}

void cArchiveKeeper::vSetServer(const ArchiveServer& _server)
{
    if (_server == m_server)
        return;
    vDropServer();
    m_server = _server;
    m_bServerOut = false;
    m_slToldProblems.removeAll(QStringLiteral("server"));
    vCatchUp();
}

void cArchiveKeeper::vKeep(const QString& _strFileName, const QByteArray& _baContent,
                           const QString& _strChassis, const QString& _strSerial)
{
    ArchiveInput input;
    input.strFileName = _strFileName;
    input.baContent = _baContent;
    input.machine.strChassis = _strChassis;
    input.machine.strSerial = _strSerial;
    input.arrived = QDateTime::currentDateTimeUtc();
    vKeepInput(input);
}

void cArchiveKeeper::vKeepInput(const ArchiveInput& _input)
{
    QString strMessage;
    if (!m_inbox.bAdd(_input, &strMessage)) {
        // Without its place in the inbox the file goes straight in, or, when
        // that fails too, stays only in the download folder.
        vTell(QStringLiteral("inbox"), strMessage);
        cArchiveInbox::Entry unkept;
        m_bServerAskedThisTry = false;
        if (m_server.bComplete())
            storeOnServer(unkept, _input);
        else
            storeLocally(unkept, _input, false);
    }
    vCatchUp();
}

void cArchiveKeeper::vCatchUp()
{
    m_bServerAskedThisTry = false;
    m_bLocalClosedThisTry = false;
    // Asked also with nothing waiting: the user learns at once whether a
    // server just set up answers.
    pServerStore();
    bool bAllIn = !m_bServerOut;
    int s32Waiting = 0;
    for (cArchiveInbox::Entry& entry : m_inbox.entries()) {
        ArchiveInput input;
        if (!m_inbox.bRead(entry, input)) {
            m_inbox.vSetAside(entry);
            vTell(QStringLiteral("unreadable ") + entry.strPath,
                  tr("Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 "
                     "erhalten.")
                      .arg(QDir::toNativeSeparators(entry.strPath),
                           QDir::toNativeSeparators(cArchiveInbox::strSetAsidePath(entry))));
            continue;
        }
        const Outcome outcome =
            m_server.bComplete() ? storeOnServer(entry, input) : storeLocally(entry, input, false);
        if (outcome == Outcome::Kept) {
            bAllIn = false;
            ++s32Waiting;
        }
    }
    if (bAllIn) {
        m_slToldProblems.clear();
        m_pRetryTimer->stop();
    } else if (!m_pRetryTimer->isActive()) {
        m_pRetryTimer->start();
    }
    emit stateChanged(strArchiveInUse(), m_server.bComplete() && !m_bServerOut, s32Waiting);
}

cArchiveStore& cArchiveKeeper::localStore()
{
    if (!m_pLocal)
        m_pLocal = std::make_unique<cArchiveStore>(
            cArchiveStore::sqliteConnection(m_strLocalArchive, m_strLocalConnection));
    return *m_pLocal;
}

cArchiveStore* cArchiveKeeper::pServerStore()
{
    if (!m_server.bComplete())
        return nullptr;
    if (!m_pServer)
        m_pServer = std::make_unique<cArchiveStore>(m_server.connection(m_strServerConnection));
    if (m_pServer->bIsOpen())
        return m_pServer.get();
    if (m_bServerAskedThisTry)
        return nullptr;
    m_bServerAskedThisTry = true;
    const ArchiveOpenResult opened = m_pServer->open();
    if (opened.bUsable()) {
        m_bServerOut = false;
        return m_pServer.get();
    }
    vServerOut(opened.strMessage);
    return nullptr;
}

void cArchiveKeeper::vServerOut(const QString& _strWhy)
{
    m_bServerOut = true;
    vTell(QStringLiteral("server"),
          _strWhy + QLatin1Char(' ') +
              tr("Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale "
                 "Archiv %1; danach werden sie auf den Server übertragen.")
                  .arg(QDir::toNativeSeparators(m_strLocalArchive)));
}

cArchiveKeeper::Outcome cArchiveKeeper::storeOnServer(cArchiveInbox::Entry& _entry,
                                                      const ArchiveInput& _input)
{
    cArchiveStore* pServer = pServerStore();
    if (!pServer)
        return storeLocally(_entry, _input, true);
    QString strMessage;
    const ArchiveImportResult result = pServer->importFile(_input, &strMessage);
    if (result.bOk() || result.failure == ArchiveImportResult::Failure::NoList) {
        if (!result.bOk())
            vTell(QStringLiteral("file ") + _input.strFileName, strMessage);
        m_inbox.bRemove(_entry);
        return Outcome::Stored;
    }
    // The connection may have gone during the import: then the server is
    // out of reach, not the file at fault.
    QSqlQuery probe(pServer->database());
    if (!probe.exec(QStringLiteral("SELECT 1"))) {
        vDropServer();
        m_bServerAskedThisTry = true;
        vServerOut(strMessage);
        return storeLocally(_entry, _input, true);
    }
    vTell(QStringLiteral("file ") + _input.strFileName, strMessage + QLatin1Char(' ') + strWaitsText());
    return Outcome::Kept;
}

cArchiveKeeper::Outcome cArchiveKeeper::storeLocally(cArchiveInbox::Entry& _entry, const ArchiveInput& _input,
                                                     bool _bFallback)
{
    if (_entry.bInLocalArchive) {
        // Owed to the server only; without one it is where it belongs.
        if (_bFallback)
            return Outcome::Kept;
        m_inbox.bRemove(_entry);
        return Outcome::Stored;
    }
    if (m_bLocalClosedThisTry)
        return Outcome::Kept;
    QString strMessage;
    const ArchiveImportResult result = localStore().importFile(_input, &strMessage);
    if (result.bOk()) {
        // A damaged archive moved aside on this first use: told, the file is in.
        if (!strMessage.isEmpty())
            vTell(QStringLiteral("moved aside"), strMessage);
        if (!_bFallback) {
            m_inbox.bRemove(_entry);
            return Outcome::Stored;
        }
        m_inbox.bMarkInLocalArchive(_entry);
        return Outcome::Kept;
    }
    if (result.failure == ArchiveImportResult::Failure::NoList) {
        vTell(QStringLiteral("file ") + _input.strFileName, strMessage);
        m_inbox.bRemove(_entry);
        return Outcome::Stored;
    }
    // A closed archive takes none of the other files either in this try.
    m_bLocalClosedThisTry = result.failure == ArchiveImportResult::Failure::Closed;
    vTell(m_bLocalClosedThisTry ? QStringLiteral("local") : QStringLiteral("file ") + _input.strFileName,
          strMessage + QLatin1Char(' ') + strWaitsText());
    return Outcome::Kept;
}

QString cArchiveKeeper::strWaitsText() const
{
    return tr("Die empfangenen Listen warten im Ordner %1 und werden später übernommen.")
        .arg(QDir::toNativeSeparators(m_inbox.strFolder()));
}

void cArchiveKeeper::vDropServer()
{
    m_pServer.reset();
    if (QSqlDatabase::contains(m_strServerConnection))
        QSqlDatabase::removeDatabase(m_strServerConnection);
}

void cArchiveKeeper::vTell(const QString& _strProblem, const QString& _strText)
{
    if (_strText.isEmpty() || m_slToldProblems.contains(_strProblem))
        return;
    m_slToldProblems.append(_strProblem);
    emit messageForUser(_strText);
}

QString cArchiveKeeper::strArchiveInUse() const
{
    if (m_server.bComplete() && !m_bServerOut)
        return m_server.strDisplayName();
    return QDir::toNativeSeparators(m_strLocalArchive);
}
