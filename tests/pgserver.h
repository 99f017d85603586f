#pragma once

#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

#include <memory>

// A PostgreSQL server of its own for a test: a cluster made with initdb in a
// temporary folder, reachable only through a Unix socket in that folder
// (no TCP), trust authentication, fsync off. PostgreSQL refuses to run as
// root, so a test running as root runs initdb and the server as "nobody",
// which then owns the folder; otherwise they run as the current user.
//
//     cPgServer server;
//     QString strSkip;
//     if (!server.bStart(&strSkip)) {
//         if (!strSkip.isEmpty())
//             QSKIP(qPrintable(strSkip));
//         QFAIL(qPrintable(server.strError()));
//     }
//     QSqlDatabase db = server.dbOpen("a");
//
// The server is stopped and the folder removed when the object goes, also
// when the test fails half-way. The server dies with the test program.
class cPgServer
{
public:
    cPgServer();
    ~cPgServer();
    cPgServer(const cPgServer&) = delete;
    cPgServer& operator=(const cPgServer&) = delete;

    // A server setting for the next start ("name", "value"), beside the
    // fixture's own.
    void vSetSetting(const QString& _strName, const QString& _strValue);

    // Makes the cluster and its database on the first call, then starts the
    // server and waits until it accepts connections. When this machine
    // cannot run one (PostgreSQL or Qt's QPSQL driver missing, no user to run
    // it as), returns false with the reason in *_pstrSkip, for QSKIP. A start
    // that fails after that returns false with *_pstrSkip empty and
    // strError() naming the step, with the end of the server's log.
    // Starting again after vStop() keeps the data.
    bool bStart(QString* _pstrSkip);
    // Stops the server (fast shutdown: open connections are cut) and waits
    // for it to end; the cluster stays for the next start.
    void vStop();
    bool bRunning() const;

    QString strError() const { return m_strError; }

    // Where clients connect: the socket folder is the host name.
    QString strHost() const { return m_strFolder; }
    int s32Port() const { return m_s32Port; }
    QString strUser() const { return QStringLiteral("vemo"); }
    QString strDatabase() const { return QStringLiteral("vemo_test"); }

    // Adds a QPSQL connection of that name to this server's database and
    // opens it; see isOpen() and lastError(). Remove it with
    // QSqlDatabase::removeDatabase() when done.
    QSqlDatabase dbOpen(const QString& _strConnection) const;

private:
    QString strWhyNotHere() const;
    bool bMakeCluster();
    bool bWaitReady();
    // Runs a PostgreSQL program as the server's user; its output lands in
    // *_pstrOutput.
    bool bRun(const QString& _strProgram, const QStringList& _slArgs, QString* _pstrOutput,
              int _s32TimeoutMs = 60000) const;
    QStringList slAsServerUser(const QString& _strProgram, const QStringList& _slArgs) const;
    QString strLogTail() const;
    void vFail(const QString& _strStep, const QString& _strDetail);

    QString m_strBin;
    std::unique_ptr<QTemporaryDir> m_pFolder;
    QString m_strFolder;
    int m_s32Port = 0;
    bool m_bAsNobody = false;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    bool m_bCluster = false;
    QStringList m_slSettings;
    std::unique_ptr<QProcess> m_pServer;
    QString m_strError;
};
