#pragma once

#include "data/archiveimport.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

// How opening the archive went. Every kind but Open and Damaged leaves the
// archive closed: the program goes on with its files as without an archive.
struct ArchiveOpenResult {
    enum class Kind {
        Open,        // ready
        Damaged,     // the damaged file was moved aside (strMovedTo); a new archive is open
        Locked,      // another program holds the database
        DiskFull,    // no room to write
        NewerSchema, // made by a newer program; left untouched
        Failed       // any other reason (missing driver, unreadable folder, server refused ...)
    };

    Kind kind = Kind::Failed;
    QString strMessage; // translated, names the archive and the reason; empty when Open
    QString strMovedTo; // Damaged: where the damaged file is now

    // Open, or a new archive begun in place of a damaged one.
    bool bUsable() const { return kind == Kind::Open || (kind == Kind::Damaged && !strMovedTo.isEmpty()); }
};

// The archive of every list and statistics file that arrived, per machine
// and season, on a database connection: SQLite (QSQLITE, one file) or
// PostgreSQL (QPSQL). Opened on first use and brought to the current schema;
// a damaged SQLite file is moved aside (never deleted) and a new one begun.
// The store does not remove the connection; its owner does.
class cArchiveStore
{
    Q_DECLARE_TR_FUNCTIONS(cArchiveStore)

public:
    // The default archive: "archive.sqlite" in the application's data folder.
    static QString strDefaultPath();
    // Adds a QSQLITE connection to the file _strPath under _strConnectionName.
    static QSqlDatabase sqliteConnection(const QString& _strPath, const QString& _strConnectionName);

    // _database is set up (driver, file or server) but need not be open.
    explicit cArchiveStore(const QSqlDatabase& _database);

    // Opens the database and migrates it; again after a failure, returns Open
    // at once while it is open.
    ArchiveOpenResult open();
    bool bIsOpen() const { return m_bOpen; }
    void vClose();

    // Imports one file (opening the archive first when needed). The message
    // is translated and names the file or the archive and the reason: why
    // the file did not go in (Failure::Closed: why the archive cannot be
    // opened), or that a damaged archive was moved aside on this first use
    // (the file then went in). Empty otherwise.
    ArchiveImportResult importFile(const ArchiveInput& _input, QString* _pMessage = nullptr);

    QSqlDatabase database() const { return m_database; }
    // The file's path (SQLite) or user@host:port/database (a server).
    QString strDisplayName() const;

    // The kind of failure a database error means.
    static ArchiveOpenResult::Kind kindOfError(const QSqlDatabase& _database, const QSqlError& _error);

private:
    ArchiveOpenResult openOnce();
    ArchiveOpenResult failure(const QSqlError& _error);
    ArchiveOpenResult moveAside(const QString& _strReason);
    bool bSqlite() const;

    QSqlDatabase m_database;
    bool m_bOpen = false;
    QString m_strLastReason; // the driver's words for the last failure
};
