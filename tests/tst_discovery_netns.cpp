#include "testsupport.h"

#include <QtTest>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

// Discovery with real broadcasts: the simulated terminal and the link run in
// two network namespaces joined by a veth pair with 192.168.x.y addresses, so
// the broadcast never leaves this machine. Needs root and the ip command.
class tst_DiscoveryNetns : public QObject
{
    Q_OBJECT

private:
    QString m_strClientNs;
    QString m_strTerminalNs;
    bool m_bNamespaces = false;
    QTemporaryDir m_dirWork;
    QProcess m_simulator;

    static bool bIp(const QStringList& _slArgs)
    {
        QProcess ip;
        ip.setProcessChannelMode(QProcess::MergedChannels);
        ip.start(QStringLiteral("ip"), _slArgs);
        if (!ip.waitForFinished(10000) || ip.exitStatus() != QProcess::NormalExit || ip.exitCode() != 0) {
            qWarning() << "ip" << _slArgs << ip.readAll();
            return false;
        }
        return true;
    }

    // Runs the client helper in its namespace and returns what it printed.
    QString strRunClient(const QStringList& _slArgs, int* _pExitCode)
    {
        QProcess client;
        client.setProcessChannelMode(QProcess::MergedChannels);
        client.start(QStringLiteral("ip"),
                     QStringList{"netns", "exec", m_strClientNs, VEMO_NETNS_CLIENT} + _slArgs);
        client.waitForFinished(20000);
        *_pExitCode = client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
        const QString output = QString::fromLocal8Bit(client.readAll());
        qDebug().noquote() << output;
        return output;
    }

private slots:
    void initTestCase()
    {
        TestSupport::vIsolate();
        if (geteuid() != 0)
            QSKIP("network namespaces need root");
        if (QStandardPaths::findExecutable(QStringLiteral("ip")).isEmpty())
            QSKIP("the ip command is missing (iproute2)");
        const QString id = QString::number(QCoreApplication::applicationPid() % 100000);
        m_strClientNs = "vemo-c-" + id;
        m_strTerminalNs = "vemo-t-" + id;
        const QString clientLink = "vmc" + id;
        const QString terminalLink = "vmt" + id;
        if (!bIp({"netns", "add", m_strClientNs}))
            QSKIP("network namespaces cannot be made here");
        m_bNamespaces = true;
        QVERIFY(bIp({"netns", "add", m_strTerminalNs}));
        QVERIFY(bIp({"link", "add", clientLink, "type", "veth", "peer", "name", terminalLink}));
        QVERIFY(bIp({"link", "set", clientLink, "netns", m_strClientNs}));
        QVERIFY(bIp({"link", "set", terminalLink, "netns", m_strTerminalNs}));
        QVERIFY(bIp({"-n", m_strClientNs, "addr", "add", "192.168.213.1/24", "dev", clientLink}));
        QVERIFY(bIp({"-n", m_strTerminalNs, "addr", "add", "192.168.213.2/24", "dev", terminalLink}));
        for (const auto& pair : {qMakePair(m_strClientNs, clientLink), qMakePair(m_strTerminalNs, terminalLink)}) {
            QVERIFY(bIp({"-n", pair.first, "link", "set", "lo", "up"}));
            QVERIFY(bIp({"-n", pair.first, "link", "set", pair.second, "up"}));
        }

        m_simulator.setProcessChannelMode(QProcess::MergedChannels);
        m_simulator.start(QStringLiteral("ip"),
                          {"netns", "exec", m_strTerminalNs, VEMO_SIM_BINARY, "--chassis", "NETNS42", "--serial",
                           "LQ-NS-1", "--password", "geheim", "--no-state", "--quiet", "--data",
                           m_dirWork.path() + "/data", "--cert-dir", m_dirWork.path() + "/cert"});
        QVERIFY(m_simulator.waitForStarted(5000));
        QByteArray started;
        QTRY_VERIFY_WITH_TIMEOUT((started += m_simulator.readAllStandardOutput()).contains("vemo-terminal-sim:"),
                                 15000);
    }

    void cleanupTestCase()
    {
        if (m_simulator.state() != QProcess::NotRunning) {
            m_simulator.kill();
            m_simulator.waitForFinished(5000);
        }
        if (m_bNamespaces) {
            bIp({"netns", "del", m_strClientNs});
            bIp({"netns", "del", m_strTerminalNs});
        }
    }

    void interactiveSearchConnectsToTheOnlyTerminal()
    {
        int exitCode = 0;
        const QString output = strRunClient({"search", "geheim"}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY(output.contains("FOUND NETNS42\n"));
        QVERIFY(output.contains("STATE 1 0 NETNS42\n"));
        QVERIFY(!output.contains("SHOWLIST"));
    }

    void periodicSearchFromTimerThreadReconnects()
    {
        int exitCode = 0;
        const QString output = strRunClient({"quiet", "geheim", "NETNS42"}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY(output.contains("STATE 1 0 NETNS42\n"));
        QVERIFY(output.contains("THREADWARNINGS 0\n"));
        QVERIFY(output.contains("FOREIGNSENDS 0\n"));
    }

    void periodicSearchIgnoresOtherTerminals()
    {
        int exitCode = 0;
        const QString output = strRunClient({"quiet", "geheim", "ANDERE", "1500"}, &exitCode);
        QVERIFY(output.contains("TIMEOUT"));
        QVERIFY(!output.contains("FOUND"));
        QVERIFY(!output.contains("STATE"));
        // The periodic broadcasts did go out.
        QVERIFY(output.contains(QRegularExpression("^SENDS [1-9]", QRegularExpression::MultilineOption)));
        QVERIFY(output.contains("THREADWARNINGS 0\n"));
        QVERIFY(output.contains("FOREIGNSENDS 0\n"));
    }
};

QTEST_GUILESS_MAIN(tst_DiscoveryNetns)
#include "tst_discovery_netns.moc"
