#include "pgserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTcpServer>
#include <QVersionNumber>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const int s_s32StartTimeoutMs = 30000;
const int s_s32StopTimeoutMs = 15000;
const int s_s32LogLines = 15;

// The newest PostgreSQL of Debian's layout: /usr/lib/postgresql/<version>/bin.
QString strFindBin()
{
    const QDir root(QStringLiteral("/usr/lib/postgresql"));
    QString strBest;
    QVersionNumber best;
    for (const QString& strVersion : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString strBin = root.filePath(strVersion + "/bin");
        const QVersionNumber version = QVersionNumber::fromString(strVersion);
        if (QFileInfo(strBin + "/initdb").isExecutable() && QFileInfo(strBin + "/postgres").isExecutable() &&
            (strBest.isEmpty() || version > best)) {
            strBest = strBin;
            best = version;
        }
    }
    return strBest;
}

// Whether every folder on the way to _strPath lets others pass.
bool bOthersCanEnter(const QString& _strPath)
{
    QString strPath = QDir(_strPath).absolutePath();
    while (!strPath.isEmpty()) {
        struct stat st;
        if (::stat(QFile::encodeName(strPath).constData(), &st) != 0 || !(st.st_mode & S_IXOTH))
            return false;
        if (strPath == QLatin1String("/"))
            break;
        strPath = QFileInfo(strPath).path();
    }
    return true;
}

// A port number nobody listens on; it names the server's socket file.
int s32FreePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 55432;
    return probe.serverPort();
}

QProcessEnvironment envClean()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& strKey : env.keys())
        if (strKey.startsWith(QLatin1String("PG")))
            env.remove(strKey);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    return env;
}

QString strTail(const QString& _strText, int _s32Lines)
{
    const QStringList slLines = _strText.trimmed().split('\n');
    return slLines.mid(qMax(0, slLines.size() - _s32Lines)).join('\n');
}

} // namespace

cPgServer::cPgServer() = default;

cPgServer::~cPgServer()
{
    vStop();
    m_pFolder.reset();
}

void cPgServer::vSetSetting(const QString& _strName, const QString& _strValue)
{
    m_slSettings << QStringLiteral("-c") << _strName + "=" + _strValue;
}

QString cPgServer::strWhyNotHere() const
{
    if (m_strBin.isEmpty())
        return QStringLiteral("PostgreSQL is not installed: no /usr/lib/postgresql/<version>/bin/initdb "
                              "(Debian package postgresql)");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return QStringLiteral("Qt's PostgreSQL driver QPSQL is missing (Debian package libqt5sql5-psql)");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return QStringLiteral("setpriv is missing (Debian package util-linux)");
    if (geteuid() == 0 && !getpwnam("nobody"))
        return QStringLiteral("PostgreSQL does not run as root, and there is no user nobody to run it as");
    return QString();
}

bool cPgServer::bStart(QString* _pstrSkip)
{
    _pstrSkip->clear();
    m_strError.clear();
    if (bRunning())
        return true;
    if (!m_bCluster) {
        m_strBin = strFindBin();
        *_pstrSkip = strWhyNotHere();
        if (!_pstrSkip->isEmpty())
            return false;
        if (!bMakeCluster())
            return false;
    }

    m_pServer = std::make_unique<QProcess>();
    m_pServer->setProcessEnvironment(envClean());
    m_pServer->setWorkingDirectory(m_strFolder);
    m_pServer->setProcessChannelMode(QProcess::MergedChannels);
    m_pServer->setStandardOutputFile(m_strFolder + "/server.log", QIODevice::Append);
    // No TCP at all; the socket in the test's own folder; durability traded
    // for speed, the data lives only as long as the test.
    const QStringList slSettings{
        QStringLiteral("listen_addresses="),      "unix_socket_directories=" + m_strFolder,
        "port=" + QString::number(m_s32Port),     QStringLiteral("fsync=off"),
        QStringLiteral("synchronous_commit=off"), QStringLiteral("full_page_writes=off"),
        QStringLiteral("shared_buffers=16MB"),    QStringLiteral("max_connections=30")};
    QStringList slArgs{QStringLiteral("-D"), m_strFolder + "/data"};
    for (const QString& strSetting : slSettings)
        slArgs << QStringLiteral("-c") << strSetting;
    slArgs << m_slSettings;
    const QStringList slCommand = slAsServerUser(m_strBin + "/postgres", slArgs);
    m_pServer->start(slCommand.first(), slCommand.mid(1));
    if (!m_pServer->waitForStarted(s_s32StartTimeoutMs)) {
        vFail(QStringLiteral("starting postgres"), m_pServer->errorString());
        return false;
    }
    if (!bWaitReady())
        return false;

    // The test database, once per cluster.
    QFile marker(m_strFolder + "/database-made");
    if (!marker.exists()) {
        QString strOutput;
        if (!bRun(m_strBin + "/createdb",
                  {"-h", m_strFolder, "-p", QString::number(m_s32Port), "-U", strUser(), strDatabase()},
                  &strOutput)) {
            vFail(QStringLiteral("createdb"), strOutput);
            return false;
        }
        marker.open(QIODevice::WriteOnly);
    }
    return true;
}

bool cPgServer::bMakeCluster()
{
    m_bAsNobody = geteuid() == 0;
    if (m_bAsNobody) {
        const struct passwd* pw = getpwnam("nobody");
        m_uid = pw->pw_uid;
        m_gid = pw->pw_gid;
    }
    // The socket's path has to fit in 107 bytes, and the server's user has
    // to reach the folder.
    QString strBase = QDir::tempPath();
    if (strBase.size() > 60 || (m_bAsNobody && !bOthersCanEnter(strBase)))
        strBase = QStringLiteral("/tmp");
    m_pFolder = std::make_unique<QTemporaryDir>(strBase + "/vemo-pg-XXXXXX");
    if (!m_pFolder->isValid()) {
        m_strError = "cannot make a temporary folder in " + strBase + ": " + m_pFolder->errorString();
        return false;
    }
    m_strFolder = m_pFolder->path();
    if (m_bAsNobody && ::chown(QFile::encodeName(m_strFolder).constData(), m_uid, m_gid) != 0) {
        m_strError =
            "cannot hand " + m_strFolder + " to the user nobody: " + QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    m_s32Port = s32FreePort();

    QString strOutput;
    if (!bRun(m_strBin + "/initdb",
              {"-D", m_strFolder + "/data", "-U", strUser(), "-A", "trust", "-E", "UTF8", "--no-locale",
               "--no-sync"},
              &strOutput, 120000)) {
        m_strError = "initdb failed in " + m_strFolder + ":\n" + strTail(strOutput, s_s32LogLines);
        return false;
    }
    m_bCluster = true;
    return true;
}

bool cPgServer::bWaitReady()
{
    const QDeadlineTimer deadline(s_s32StartTimeoutMs);
    while (!deadline.hasExpired()) {
        QProcess ready;
        ready.setProcessEnvironment(envClean());
        ready.start(m_strBin + "/pg_isready", {"-q", "-h", m_strFolder, "-p", QString::number(m_s32Port),
                                               "-U", strUser(), "-d", "postgres", "-t", "2"});
        if (ready.waitForFinished(5000) && ready.exitStatus() == QProcess::NormalExit &&
            ready.exitCode() == 0)
            return true;
        // Waits for the server to end rather than sleeping: a server that
        // stops at once is reported at once.
        if (m_pServer->state() == QProcess::NotRunning || m_pServer->waitForFinished(20)) {
            vFail(QStringLiteral("the server stopped while starting"),
                  "exit code " + QString::number(m_pServer->exitCode()));
            return false;
        }
    }
    vFail(QStringLiteral("the server did not accept connections"),
          QString("within %1 s").arg(s_s32StartTimeoutMs / 1000));
    return false;
}

void cPgServer::vStop()
{
    if (!bRunning())
        return;
    const pid_t pid = static_cast<pid_t>(m_pServer->processId());
    // SIGINT: fast shutdown, which also ends the sessions still open.
    ::kill(pid, SIGINT);
    if (!m_pServer->waitForFinished(s_s32StopTimeoutMs)) {
        ::kill(pid, SIGQUIT);
        if (!m_pServer->waitForFinished(5000)) {
            m_pServer->kill();
            m_pServer->waitForFinished(5000);
        }
    }
}

bool cPgServer::bRunning() const
{
    return m_pServer && m_pServer->state() != QProcess::NotRunning;
}

QSqlDatabase cPgServer::dbOpen(const QString& _strConnection) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), _strConnection);
    db.setHostName(m_strFolder);
    db.setPort(m_s32Port);
    db.setUserName(strUser());
    db.setDatabaseName(strDatabase());
    db.open();
    return db;
}

bool cPgServer::bRun(const QString& _strProgram, const QStringList& _slArgs, QString* _pstrOutput,
                     int _s32TimeoutMs) const
{
    const QStringList slCommand = slAsServerUser(_strProgram, _slArgs);
    QProcess process;
    process.setProcessEnvironment(envClean());
    process.setWorkingDirectory(m_strFolder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(slCommand.first(), slCommand.mid(1));
    const bool bDone = process.waitForFinished(_s32TimeoutMs);
    *_pstrOutput = QString::fromLocal8Bit(process.readAll());
    if (!bDone) {
        *_pstrOutput += "\n" + process.errorString();
        process.kill();
        process.waitForFinished(5000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList cPgServer::slAsServerUser(const QString& _strProgram, const QStringList& _slArgs) const
{
    // setpriv execs the program in its place, so the process id is the
    // program's; the program gets SIGTERM when this test program ends.
    QStringList slCommand{QStringLiteral("setpriv")};
    if (m_bAsNobody)
        slCommand << "--reuid=" + QString::number(m_uid) << "--regid=" + QString::number(m_gid)
                  << QStringLiteral("--clear-groups");
    slCommand << QStringLiteral("--pdeathsig=TERM") << QStringLiteral("--") << _strProgram << _slArgs;
    return slCommand;
}

QString cPgServer::strLogTail() const
{
    QFile log(m_strFolder + "/server.log");
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("(no server log)");
    return strTail(QString::fromLocal8Bit(log.readAll()), s_s32LogLines);
}

void cPgServer::vFail(const QString& _strStep, const QString& _strDetail)
{
    vStop();
    m_strError = "PostgreSQL in " + m_strFolder + ": " + _strStep;
    if (!_strDetail.trimmed().isEmpty())
        m_strError += ": " + _strDetail.trimmed();
    m_strError += "\nserver log:\n" + strLogTail();
}
