#pragma once

#include <QSqlDatabase>
#include <QString>

// The office's shared archive on a PostgreSQL server, as the user set it up
// in the settings. Without it (or while it is not used) the archive is the
// local SQLite file.
struct ArchiveServer {
    bool bUse = false;
    QString strHost; // a name, an address, or a Unix socket's folder
    int s32Port = 5432;
    QString strDatabase;
    QString strUser;
    QString strPassword;

    // Used, with a host, a valid port and a database to go to.
    bool bComplete() const;
    // user@host:port/database, as messages name the server (never the password).
    QString strDisplayName() const;
    static QString strDisplayName(const QString& _strUser, const QString& _strHost, int _s32Port,
                                  const QString& _strDatabase);

    // The stored settings (the owner-only client settings), and storing them.
    static ArchiveServer load();
    void vSave() const;

    // Adds a QPSQL connection to this server under _strConnectionName. A
    // server that does not answer is given up after a few seconds.
    QSqlDatabase connection(const QString& _strConnectionName) const;

    bool operator==(const ArchiveServer& _other) const;
    bool operator!=(const ArchiveServer& _other) const { return !(*this == _other); }
};
