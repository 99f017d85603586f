#include "data/archiveserver.h"

#include "app/settingsstore.h"

namespace
{

// Seconds the driver waits for a server before it gives up: long enough for
// a slow network, short enough that a missing server is soon noticed.
const int CONNECT_TIMEOUT_S = 5;

} // namespace

bool ArchiveServer::bComplete() const
{
    return bUse && !strHost.trimmed().isEmpty() && s32Port > 0 && s32Port <= 65535 &&
           !strDatabase.trimmed().isEmpty();
}

QString ArchiveServer::strDisplayName() const
{
    return strDisplayName(strUser.trimmed(), strHost.trimmed(), s32Port, strDatabase.trimmed());
}

QString ArchiveServer::strDisplayName(const QString& _strUser, const QString& _strHost, int _s32Port,
                                      const QString& _strDatabase)
{
    return QStringLiteral("%1@%2:%3/%4").arg(_strUser, _strHost).arg(_s32Port).arg(_strDatabase);
}

ArchiveServer ArchiveServer::load()
{
    using namespace SettingsStore;
    ArchiveServer server;
    server.bUse = ARCHIVE_SERVER_USE.tValue() != 0;
    server.strHost = ARCHIVE_SERVER_HOST.tValue();
    server.s32Port = ARCHIVE_SERVER_PORT.tValue();
    server.strDatabase = ARCHIVE_SERVER_DATABASE.tValue();
    server.strUser = ARCHIVE_SERVER_USER.tValue();
    server.strPassword = ARCHIVE_SERVER_PASSWORD.tValue();
    return server;
}

void ArchiveServer::vSave() const
{
    using namespace SettingsStore;
    ARCHIVE_SERVER_USE.vSet(bUse ? 1 : 0);
    ARCHIVE_SERVER_HOST.vSet(strHost.trimmed());
    ARCHIVE_SERVER_PORT.vSet(s32Port);
    ARCHIVE_SERVER_DATABASE.vSet(strDatabase.trimmed());
    ARCHIVE_SERVER_USER.vSet(strUser.trimmed());
    ARCHIVE_SERVER_PASSWORD.vSet(strPassword);
}

QSqlDatabase ArchiveServer::connection(const QString& _strConnectionName) const
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), _strConnectionName);
    database.setHostName(strHost.trimmed());
    database.setPort(s32Port);
    database.setDatabaseName(strDatabase.trimmed());
    database.setUserName(strUser.trimmed());
    database.setPassword(strPassword);
    database.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(CONNECT_TIMEOUT_S));
    return database;
}

bool ArchiveServer::operator==(const ArchiveServer& _other) const
{
    return bUse == _other.bUse && strHost == _other.strHost && s32Port == _other.s32Port &&
           strDatabase == _other.strDatabase && strUser == _other.strUser &&
           strPassword == _other.strPassword;
}
