#include "data/archivestore.h"

#include "app/settingsstore.h"

#include "data/archiveschema.h"
#include "data/archiveserver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>

namespace
{

// SQLite's primary result codes (the driver reports them as the native code).
enum SqliteCode {
    SQLITE_BUSY = 5,
    SQLITE_LOCKED = 6,
    SQLITE_CORRUPT = 11,
    SQLITE_FULL = 13,
    SQLITE_NOTADB = 26
};

QString strReason(const QSqlError& _error)
{
    const QString strText = _error.databaseText().isEmpty() ? _error.text() : _error.databaseText();
    return strText.trimmed();
}

} // namespace

QString cArchiveStore::strDefaultPath()
{
    // Beside the settings' organisation, not the program's name: the
    // application, its installed copy and the archive tool share one archive.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           QLatin1String(SettingsStore::ORGANISATION) + QStringLiteral("/archive.sqlite");
}

QSqlDatabase cArchiveStore::sqliteConnection(const QString& _strPath, const QString& _strConnectionName)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), _strConnectionName);
    database.setDatabaseName(_strPath);
    return database;
}

cArchiveStore::cArchiveStore(const QSqlDatabase& _database) : m_database(_database) {}

bool cArchiveStore::bSqlite() const
{
    return ArchiveSchema::dialectOf(m_database) == ArchiveSchema::Dialect::Sqlite;
}

QString cArchiveStore::strDisplayName() const
{
    if (bSqlite())
        return QDir::toNativeSeparators(m_database.databaseName());
    return ArchiveServer::strDisplayName(m_database.userName(), m_database.hostName(),
                                         m_database.port() > 0 ? m_database.port() : 5432,
                                         m_database.databaseName());
}

ArchiveOpenResult::Kind cArchiveStore::kindOfError(const QSqlDatabase& _database, const QSqlError& _error)
{
    using Kind = ArchiveOpenResult::Kind;
    const QString strCode = _error.nativeErrorCode();
    if (ArchiveSchema::dialectOf(_database) == ArchiveSchema::Dialect::Sqlite) {
        // Extended codes carry the primary code in their low byte. A failed
        // commit comes without a code, with SQLite's fixed text only.
        const QString strText = _error.databaseText();
        int s32Code = strCode.toInt() & 0xff;
        if (strCode.isEmpty() && strText.contains(QLatin1String("disk is full")))
            s32Code = SQLITE_FULL;
        else if (strCode.isEmpty() && strText.contains(QLatin1String("is locked")))
            s32Code = SQLITE_BUSY;
        else if (strCode.isEmpty() && (strText.contains(QLatin1String("malformed")) ||
                                       strText.contains(QLatin1String("not a database"))))
            s32Code = SQLITE_CORRUPT;
        switch (s32Code) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return Kind::Damaged;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Kind::Locked;
        case SQLITE_FULL:
            return Kind::DiskFull;
        default:
            return Kind::Failed;
        }
    }
    // PostgreSQL's SQLSTATE: disk full, lock not available, deadlock,
    // damaged data or index.
    if (strCode == QLatin1String("53100"))
        return Kind::DiskFull;
    if (strCode == QLatin1String("55P03") || strCode == QLatin1String("40P01"))
        return Kind::Locked;
    if (strCode == QLatin1String("XX001") || strCode == QLatin1String("XX002"))
        return Kind::Damaged;
    return Kind::Failed;
}

ArchiveOpenResult cArchiveStore::failure(const QSqlError& _error)
{
    using Kind = ArchiveOpenResult::Kind;
    ArchiveOpenResult result;
    result.kind = kindOfError(m_database, _error);
    const QString strName = strDisplayName();
    const QString strWhy = strReason(_error);
    m_strLastReason = strWhy;
    switch (result.kind) {
    case Kind::Damaged:
        result.strMessage = tr("Das Archiv %1 ist beschädigt: %2").arg(strName, strWhy);
        break;
    case Kind::Locked:
        result.strMessage =
            tr("Das Archiv %1 wird von einem anderen Programm gesperrt: %2").arg(strName, strWhy);
        break;
    case Kind::DiskFull:
        result.strMessage = tr("Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2")
                                .arg(strName, strWhy);
        break;
    default:
        result.kind = Kind::Failed;
        result.strMessage = tr("Das Archiv %1 kann nicht geöffnet werden: %2").arg(strName, strWhy);
        break;
    }
    return result;
}

// The damaged file (with its journal files) gets a name of its own beside
// it, so nothing of it is lost; a new archive is begun at the old name.
ArchiveOpenResult cArchiveStore::moveAside(const QString& _strReason)
{
    vClose();
    const QString strPath = m_database.databaseName();
    const QString strAside = strPath + QStringLiteral(".damaged-") +
                             QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    ArchiveOpenResult result;
    if (!QFile::rename(strPath, strAside)) {
        result.strMessage = tr("Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.")
                                .arg(strDisplayName(), _strReason, QDir::toNativeSeparators(strAside));
        return result;
    }
    for (const char* pSuffix : {"-wal", "-shm", "-journal"}) {
        if (QFile::exists(strPath + QLatin1String(pSuffix)))
            QFile::rename(strPath + QLatin1String(pSuffix), strAside + QLatin1String(pSuffix));
    }
    result = openOnce();
    if (!result.bUsable())
        return result;
    result.kind = ArchiveOpenResult::Kind::Damaged;
    result.strMovedTo = strAside;
    result.strMessage =
        tr("Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.")
            .arg(strDisplayName(), _strReason, QDir::toNativeSeparators(strAside));
    return result;
}

ArchiveOpenResult cArchiveStore::openOnce()
{
    if (bSqlite())
        QDir().mkpath(QFileInfo(m_database.databaseName()).absolutePath());
    if (!m_database.open())
        return failure(m_database.lastError());
    if (bSqlite()) {
        // WAL: readers never wait for an import; a killed import leaves the
        // archive as it was before it (its pages in the log never count).
        // In WAL mode "NORMAL" syncs at checkpoints only: a power cut may
        // lose the last imports, never the archive's consistency. A cache
        // of 16 MiB keeps a big import's pages out of the log until commit.
        QSqlQuery query(m_database);
        for (const char* pPragma :
             {"PRAGMA busy_timeout = 5000", "PRAGMA foreign_keys = ON", "PRAGMA journal_mode = WAL",
              "PRAGMA synchronous = NORMAL", "PRAGMA cache_size = -16384"}) {
            if (!query.exec(QLatin1String(pPragma))) {
                const QSqlError error = query.lastError();
                vClose();
                return failure(error);
            }
        }
    }
    int s32Version = 0;
    QSqlError error;
    if (!ArchiveSchema::bReadVersion(m_database, s32Version, error) ||
        (s32Version <= ArchiveSchema::CURRENT_VERSION &&
         !ArchiveSchema::bCreateOrMigrate(m_database, s32Version, error))) {
        vClose();
        return failure(error);
    }
    if (s32Version > ArchiveSchema::CURRENT_VERSION) {
        vClose();
        ArchiveOpenResult result;
        result.kind = ArchiveOpenResult::Kind::NewerSchema;
        result.strMessage =
            tr("Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm "
               "kennt bis Version %3) und bleibt unverändert.")
                .arg(strDisplayName())
                .arg(s32Version)
                .arg(ArchiveSchema::CURRENT_VERSION);
        return result;
    }
    ArchiveSchema::vAddServerSearchIndex(m_database);
    m_bOpen = true;
    ArchiveOpenResult result;
    result.kind = ArchiveOpenResult::Kind::Open;
    return result;
}

ArchiveOpenResult cArchiveStore::open()
{
    if (m_bOpen) {
        ArchiveOpenResult result;
        result.kind = ArchiveOpenResult::Kind::Open;
        return result;
    }
    ArchiveOpenResult result = openOnce();
    if (result.kind == ArchiveOpenResult::Kind::Damaged && bSqlite())
        return moveAside(m_strLastReason);
    return result;
}

void cArchiveStore::vClose()
{
    m_bOpen = false;
    m_database.close();
}

ArchiveImportResult cArchiveStore::importFile(const ArchiveInput& _input, QString* _pMessage)
{
    ArchiveImportResult result;
    const QString strFile = QDir::toNativeSeparators(_input.strFileName);
    const ArchiveOpenResult opened = open();
    if (!opened.bUsable()) {
        result.failure = ArchiveImportResult::Failure::Closed;
        if (_pMessage)
            *_pMessage = opened.strMessage;
        return result;
    }
    result = ArchiveImport::importFile(m_database, _input);
    if (!_pMessage)
        return result;
    *_pMessage = opened.kind == ArchiveOpenResult::Kind::Damaged ? opened.strMessage : QString();
    if (result.failure == ArchiveImportResult::Failure::NoList)
        *_pMessage =
            tr("Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.")
                .arg(strFile);
    else if (result.failure == ArchiveImportResult::Failure::Database)
        *_pMessage = tr("Die Datei %1 wurde nicht ins Archiv übernommen.").arg(strFile) + QLatin1Char(' ') +
                     failure(result.error).strMessage;
    return result;
}
