#pragma once

#include "simfixture.h"
#include "terminal/csslclient.h"
#include "testsupport.h"
#include "tools/simulator/terminalsimserver.h"

#include <QtTest>

#include <QDirIterator>
#include <QTemporaryDir>

#include <memory>

// What the tests of the terminal link against the simulated terminal share:
// the link with its reports collected as events, a simulator per test on
// loopback, and the password answers the test lists.
namespace LinkTest
{

inline const char* const SERIAL = "LQ-4711-0815";

// The debug output while a test looks at it: "category: text" per line.
inline QStringList& slCapturedLog()
{
    static QStringList s_slLines;
    return s_slLines;
}
inline QtMessageHandler s_fnPreviousHandler = nullptr;

inline void vCaptureLog(QtMsgType _eType, const QMessageLogContext& _context, const QString& _strText)
{
    slCapturedLog() << QString::fromLatin1(_context.category) + QStringLiteral(": ") + _strText;
    if (s_fnPreviousHandler)
        s_fnPreviousHandler(_eType, _context, _strText);
}

} // namespace LinkTest

class cLinkTest : public QObject
{
protected:
    QTemporaryDir m_dirWork;
    cSSLClient* m_pClient = nullptr;
    QStringList m_slEvents;
    QList<QPair<bool, QByteArray>> m_lPasswordAnswers;
    int m_s32PasswordRequests = 0;
    cSSLClient::PasswordRequest m_lastPasswordRequest;
    bool m_bAnnounced = false;
    int m_s32Folders = 0;

    SimConfig config()
    {
        SimConfig config;
        config.strSerial = LinkTest::SERIAL;
        config.strCertFolder = m_dirWork.path() + "/cert";
        config.strDataFolder = m_dirWork.path() + QStringLiteral("/data%1").arg(++m_s32Folders);
        config.u16UdpPort = 0;
        config.u16TlsPort = 0;
        config.haBind = QHostAddress::LocalHost;
        return config;
    }

    std::unique_ptr<cTerminalSimServer> pStart(const SimConfig& _config)
    {
        return SimFixture::pStart(_config);
    }

    void vConnect(cTerminalSimServer* _pServer) { SimFixture::vConnect(m_pClient, _pServer, m_bAnnounced); }

    QString strState(bool _bConnected, bool _bByUser) const
    {
        return QStringLiteral("state:%1:%2:WAB123").arg(int(_bConnected)).arg(int(_bByUser));
    }

    // The password requests are answered at once from m_lPasswordAnswers
    // (cancelled when it is empty).
    void vUseListedPasswords()
    {
        m_pClient->vSetPasswordProvider(
            [this](const cSSLClient::PasswordRequest& _request, const cSSLClient::PasswordAnswer& _fnAnswer) {
                ++m_s32PasswordRequests;
                m_lastPasswordRequest = _request;
                const auto answer = m_lPasswordAnswers.isEmpty() ? qMakePair(false, QByteArray())
                                                                 : m_lPasswordAnswers.takeFirst();
                _fnAnswer(answer.first, answer.second);
            });
    }

    static QByteArray baStored(const QString& _strText)
    {
        const QByteArray text = _strText.toUtf8();
        return QByteArray("\xEF\xBB\xBF") + text + (text.endsWith('\n') ? "" : "\n");
    }

    static void vWriteExports(const QString& _strFolder)
    {
        // The terminal pads fields with zero bytes; the records behind them
        // arrive as well.
        TestSupport::strWriteFile(_strFolder + "/Auftraege_2024.csv",
                                  QByteArray("Nr;Kunde\n1;M\xfcller\0\0\n2;Schulz\n", 29));
        TestSupport::strWriteFile(_strFolder + "/Kunden.csv", "Nr;Name\n7;Schulz\n");
        TestSupport::strWriteFile(_strFolder + "/Schlaege.csv", "Nr;Schlag\n3;Am Bach\n");
        TestSupport::strWriteFile(_strFolder + "/Fahrer.csv", "Nr;Name\n1;J\xf6rg\n");
        TestSupport::strWriteFile(_strFolder + "/SaisonStatistik.csv", "Saison;2024\n");
    }

    // Once the terminal's answer to a switch request is back, everything
    // written before has reached the terminal and everything it wrote before
    // has been dispatched here.
    void vRoundTrip()
    {
        const int s32Before = int(m_slEvents.count("light:0"));
        m_pClient->vSendMessage("Lichtschalter:OFF");
        QTRY_COMPARE(int(m_slEvents.count("light:0")), s32Before + 1);
    }

    // Files anywhere in the test's home outside the download and settings folders.
    static QStringList slStrayFiles()
    {
        QStringList stray;
        QDirIterator it(TestSupport::strHome(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.startsWith(TestSupport::strDownloads() + "/") &&
                !path.startsWith(TestSupport::strHome() + "/.config/"))
                stray.append(path);
        }
        return stray;
    }

    // The link without broadcasts, its reports collected in m_slEvents.
    void vSetUpLink()
    {
        TestSupport::vIsolate();
        QVERIFY(m_dirWork.isValid());
        m_pClient = cSSLClient::instance();
        // No broadcast ever leaves this test.
        m_pClient->vSetInterfaceAddresses({});
        m_pClient->vSetPorts(0, 0);
        vUseListedPasswords();
        connect(m_pClient, &cSSLClient::connectionStateChanged, this,
                [this](bool _bConnected, bool _bByUser, const QString& _strChassis) {
                    m_slEvents << QStringLiteral("state:%1:%2:%3")
                                      .arg(int(_bConnected))
                                      .arg(int(_bByUser))
                                      .arg(_strChassis);
                });
        connect(m_pClient, &cSSLClient::foundTerminals, this,
                [this](const QStringList& _sl) { m_slEvents << "found:" + _sl.join(','); });
        connect(m_pClient, &cSSLClient::hideSettingsPage, this, [this] { m_slEvents << "hide"; });
        connect(m_pClient, &cSSLClient::fileReceived, this,
                [this](const QString& _strPath, const QString& _strName) {
                    m_slEvents << "file:" + _strName + ":" + _strPath;
                });
        connect(m_pClient, &cSSLClient::liveDataReceived, this, [this] { m_slEvents << "live"; });
        connect(m_pClient, &cSSLClient::expertModeReported, this,
                [this](bool _bOn) { m_slEvents << QStringLiteral("expert:%1").arg(int(_bOn)); });
        connect(m_pClient, &cSSLClient::lightSwitchReported, this,
                [this](bool _bOn) { m_slEvents << QStringLiteral("light:%1").arg(int(_bOn)); });
        connect(m_pClient, &cSSLClient::messageForUser, this,
                [this](const QString& _strText) { m_slEvents << "message:" + _strText; });
    }

    void vResetEvents()
    {
        m_slEvents.clear();
        m_lPasswordAnswers.clear();
        m_s32PasswordRequests = 0;
    }
};
