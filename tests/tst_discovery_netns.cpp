#include "netnspair.h"
#include "testsupport.h"

#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

// Discovery with real broadcasts: the simulated terminal and the link run in
// two network namespaces joined by a veth pair with 192.168.x.y addresses, so
// the broadcast never leaves this machine. Needs root and the ip command.
class tst_DiscoveryNetns : public QObject
{
    Q_OBJECT

private:
    cNetnsPair m_netns{"c", "t", "192.168.213"};
    QTemporaryDir m_dirWork;
    QProcess m_simulator;

    // Runs the client helper in its namespace and returns what it printed.
    QString strRunClient(const QStringList& _slArgs, int* _pExitCode)
    {
        QProcess client;
        client.setProcessChannelMode(QProcess::MergedChannels);
        client.start(QStringLiteral("ip"),
                     QStringList{"netns", "exec", m_netns.strClientNs(), VEMO_NETNS_CLIENT} + _slArgs);
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
        QString strSkip;
        const bool bReady = m_netns.bCreate(&strSkip);
        if (!strSkip.isEmpty())
            QSKIP(qPrintable(strSkip));
        QVERIFY2(bReady, "the network namespaces could not be set up");

        m_simulator.setProcessChannelMode(QProcess::MergedChannels);
        m_simulator.start(QStringLiteral("ip"),
                          {"netns", "exec", m_netns.strTerminalNs(), VEMO_SIM_BINARY, "--chassis", "NETNS42",
                           "--serial", "LQ-NS-1", "--password", "geheim", "--no-state", "--quiet", "--data",
                           m_dirWork.path() + "/data", "--cert-dir", m_dirWork.path() + "/cert"});
        QVERIFY(m_simulator.waitForStarted(5000));
        QByteArray started;
        QTRY_VERIFY_WITH_TIMEOUT(
            (started += m_simulator.readAllStandardOutput()).contains("vemo-terminal-sim:"), 15000);
    }

    void cleanupTestCase()
    {
        if (m_simulator.state() != QProcess::NotRunning) {
            m_simulator.kill();
            m_simulator.waitForFinished(5000);
        }
        m_netns.vRemove();
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
        QVERIFY(output.contains("SEARCHSTOPPED 1\n"));
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
