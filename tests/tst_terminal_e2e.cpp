#include "app/firstcontact.h"
#include "linktest.h"
#include "terminal/certificatepins.h"
#include "terminal/cpwrequest.h"
#include "terminal/csslclient.h"
#include "terminal/fingerprint.h"
#include "terminal/framing.h"
#include "terminal/knownterminals.h"
#include "testsupport.h"
#include "tools/simulator/terminalsimserver.h"

#include <QtTest>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScopeGuard>
#include <QSslSocket>
#include <QtEndian>

#include <memory>

namespace
{

// Reads a live record back (length little-endian, binary JSON, checksum
// little-endian over the document); an empty object when it does not check out.
QJsonObject objectFromRecord(const QByteArray& _baRecord)
{
    if (_baRecord.size() < 4)
        return {};
    const quint32 n = qFromLittleEndian<quint32>(_baRecord.constData());
    if (n < 2 || _baRecord.size() != int(n) + 4)
        return {};
    const QByteArray document = _baRecord.mid(4, int(n) - 2);
    const quint16 checksum = qFromLittleEndian<quint16>(_baRecord.constData() + n + 2);
    if (qChecksum(document.constData(), uint(document.size())) != checksum)
        return {};
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return QJsonDocument::fromBinaryData(document, QJsonDocument::Validate).object();
    QT_WARNING_POP
}

} // namespace

// The terminal link against the simulated terminal over real TLS on 127.0.0.1.
using namespace LinkTest;

class tst_TerminalE2E : public cLinkTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::vIsolate();
        QVERIFY(m_dirWork.isValid());
        vSetUpLink();
    }

    void init() { vResetEvents(); }

    void cleanup() { m_pClient->vDisconnect(true); }

    void firstContactAsksForThePassword()
    {
        SimConfig cfg = config();
        cfg.strStateFile = m_dirWork.path() + "/terminal-state";
        auto server = pStart(cfg);
        m_lPasswordAnswers = {{true, "1234"}};
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(m_slEvents, (QStringList{"found:WAB123", "light:0", "expert:0", strState(true, false)}));
        QCOMPARE(server->lbaReceived(), (QList<QByteArray>{"Login: ", "Login-PW:  =:= 1234"}));
        // The dialog named the machine met for the first time.
        QCOMPARE(m_lastPasswordRequest.strChassis, QString("WAB123"));
        QCOMPARE(m_lastPasswordRequest.baSerial, QByteArray(SERIAL));
        QVERIFY(m_lastPasswordRequest.bFirstContact);
        // The certificate met at the first contact is kept with both its
        // names, beside the list.
        const QByteArray certificate =
            Fingerprint::baOf(QSslCertificate::fromPath(m_dirWork.path() + "/cert/cert.pem").value(0));
        QCOMPARE(KnownTerminals::lbaLoad(), (QList<QByteArray>{SERIAL, "1234"}));
        QCOMPARE(cCertificatePins::load().baForSerial(SERIAL), certificate);
        QCOMPARE(cCertificatePins::load().baForChassis("WAB123"), certificate);
        QCOMPARE(KnownTerminals::strLoadLastChassis(), QString("WAB123"));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ReadOther | QFileDevice::WriteOther;
        QCOMPARE(QFile::permissions(KnownTerminals::strStoreFileName()) & others, QFileDevice::Permissions());

        m_pClient->vDisconnect(true);
        QCOMPARE(m_slEvents.last(), strState(false, true));
        QTRY_COMPARE(server->s32OpenSessions(), 0);
    }

    // Continues from the first contact: the terminal remembers this client.
    void knownClientSendsTheStoredPassword()
    {
        SimConfig cfg = config();
        cfg.strStateFile = m_dirWork.path() + "/terminal-state";
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(server->lbaReceived(), (QList<QByteArray>{"Login: ", "PW:  =:= 1234"}));
        QCOMPARE(m_s32PasswordRequests, 0);

        // Selecting the terminal in use while connected changes nothing.
        const int events = m_slEvents.size();
        m_pClient->vSelectTerminal("WAB123");
        SimFixture::vDeliverQueuedReports();
        QVERIFY(m_pClient->bConnected());
        QCOMPARE(m_slEvents.size(), events);
        QCOMPARE(server->s32OpenSessions(), 1);
    }

    void terminalKnowsClientButClientLacksPassword()
    {
        SimConfig cfg = config();
        cfg.strStateFile = m_dirWork.path() + "/terminal-state";
        cfg.strSerial = "LQ-NEU-1";
        auto server = pStart(cfg);
        m_lPasswordAnswers = {{true, "1234"}};
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(server->lbaReceived(),
                 (QList<QByteArray>{"Login: ", "PW:  =:= NO PW FOUND!", "Login: ", "Login-PW:  =:= 1234"}));
        QVERIFY(KnownTerminals::lbaLoad().contains("LQ-NEU-1"));
    }

    void refusedPasswordThenCancel()
    {
        SimConfig cfg = config();
        cfg.bRefusePassword = true;
        auto server = pStart(cfg);
        m_lPasswordAnswers = {{true, "falsch"}, {false, QByteArray()}};
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(false, true)));
        QCOMPARE(m_s32PasswordRequests, 2);
        QCOMPARE(server->lbaReceived(), (QList<QByteArray>{"Login: ", "Login-PW:  =:= falsch", "Login: "}));
        // The pair of an announced serial number is dropped, even on cancel.
        QVERIFY(!KnownTerminals::lbaLoad().contains(SERIAL));
    }

    // The password dialog waits for the user while the link goes on: the
    // test sees it from its own event loop, the terminal's messages are still
    // dispatched, and the answer logs in.
    void passwordDialogLeavesTheLinkRunning()
    {
        auto server = pStart(config());
        m_pClient->vSetPasswordProvider(FirstContact::vAskPassword);
        const auto restore = qScopeGuard([this] { vUseListedPasswords(); });
        const auto shownDialog = []() -> cPWRequest* {
            for (QWidget* pWidget : QApplication::topLevelWidgets()) {
                auto* pDialog = qobject_cast<cPWRequest*>(pWidget);
                if (pDialog && pDialog->isVisible())
                    return pDialog;
            }
            return nullptr;
        };
        // A dialog run in an event loop of its own would keep the test from
        // getting back until it is closed: it is cancelled after a while.
        QTimer cancel;
        cancel.setSingleShot(true);
        connect(&cancel, &QTimer::timeout, this, [shownDialog] {
            if (cPWRequest* pDialog = shownDialog())
                pDialog->findChild<QPushButton*>("PWRequCloseButton")->click();
        });
        cancel.start(3000);

        vConnect(server.get());
        cPWRequest* dialog = nullptr;
        QTRY_VERIFY((dialog = shownDialog()) != nullptr);
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal); // the pages wait for the answer
        // It names the machine.
        const QString machine = dialog->findChild<QLabel*>("PWRequMachineLabel")->text();
        QVERIFY2(machine.contains("WAB123") && machine.contains(SERIAL), qPrintable(machine));
        server->vSendRawToAll(baFrame("Keine Berechtigung"));
        QTRY_VERIFY(m_slEvents.contains("message:Keine Berechtigung"));
        dialog->findChild<QLineEdit*>("PWRequLineEdit")->setText("1234");
        dialog->findChild<QPushButton*>("PWRequOkButton")->click();
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(server->lbaReceived(), (QList<QByteArray>{"Login: ", "Login-PW:  =:= 1234"}));
        QVERIFY(!shownDialog());
    }

    // Closing while a large upload is still being written returns at once
    // and tells the end once; the connection ends in the background.
    void disconnectDoesNotWait()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        // More than the sockets' buffers hold: the terminal is served by this
        // thread and reads nothing while the link would wait.
        m_pClient->vSendMessage(QByteArray(32 * 1024 * 1024, 'x'));
        QElapsedTimer clock;
        clock.start();
        m_pClient->vDisconnect(true);
        QVERIFY2(clock.elapsed() < cSSLClient::CLOSE_GRACE_MS / 2,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_slEvents.last(), strState(false, true));
        QTRY_COMPARE(server->s32OpenSessions(), 0);
        m_pClient->vConnectToTerminal();
        QTRY_VERIFY(m_pClient->bConnected());
        QCOMPARE(m_slEvents.filter("state:").mid(m_slEvents.filter("state:").indexOf(strState(false, true))),
                 (QStringList{strState(false, true), strState(true, false)}));
    }

    void busyWhileAnotherClientIsLoggedIn()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        QSslSocket other;
        connect(&other, &QSslSocket::connected, &other, [&other] { other.ignoreSslErrors(); });
        other.connectToHostEncrypted("127.0.0.1", server->u16TlsPort());
        QTRY_VERIFY(other.isEncrypted());
        other.write(baFrame("Login: "));
        QTRY_COMPARE(server->lbaReceived().size(), 1);
        QTest::qWait(50);

        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(false, false)));
        QVERIFY(!m_slEvents.contains(strState(true, false)));

        // Once the other client has gone, the link logs in without password.
        const QList<QByteArray> known = KnownTerminals::lbaLoad();
        other.disconnectFromHost();
        QTRY_COMPARE(server->s32OpenSessions(), 0);
        m_slEvents.clear();
        m_pClient->vConnectToTerminal();
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(KnownTerminals::lbaLoad(), known);
        QCOMPARE(m_s32PasswordRequests, 0);
    }

    void liveRecordsAndSwitches()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        QList<QJsonObject> records;
        auto live =
            connect(m_pClient, &cSSLClient::liveDataReceived, this,
                    [&records](const QByteArray& _baRecord) { records << objectFromRecord(_baRecord); });
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        m_pClient->vSendMessage(QByteArray("StartLIVE") + QByteArray::fromHex("6400")); // 100 ms
        QTRY_VERIFY(records.size() >= 3);
        m_pClient->vSendMessage("StopLIVE");
        QTRY_VERIFY(server->lbaReceived().contains("StopLIVE"));
        // Records the terminal wrote before it read "StopLIVE" are in by now;
        // then three of its intervals pass without another.
        vRoundTrip();
        const int afterStop = records.size();
        QTest::qWait(300);
        QCOMPARE(records.size(), afterStop);
        disconnect(live);

        for (const QJsonObject& record : records) {
            QVERIFY(!record.isEmpty());
            for (const char* key :
                 {"pos_rselect", "m_lbTankDiesel", "m_pbSiebbanddruck", "VERB_ANZEIGE_GANG"})
                QVERIFY2(record.value(QLatin1String(key)).isString(), key);
        }
        QVERIFY(records.at(0).value("pos_rselect") != records.at(1).value("pos_rselect"));

        m_slEvents.clear();
        m_pClient->vSendMessage("ExpertModus:ON");
        m_pClient->vSendMessage("Lichtschalter:ON");
        m_pClient->vSendMessage("Lichtschalter:OFF");
        QTRY_COMPARE(m_slEvents, (QStringList{"expert:1", "light:1", "light:0"}));
    }

    void framingSurvivesDiscoveryDuringAMessage()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        const QByteArray frame = baFrame("Keine Berechtigung");
        QSignalSpy arrived(m_pClient->findChild<QSslSocket*>(), &QSslSocket::readyRead);
        server->vSendRawToAll(frame.left(7));
        QVERIFY(arrived.wait());
        // The terminal answers a search while its message is half there.
        const int s32Found = int(m_slEvents.count("found:WAB123"));
        server->vAnnounceTo(QHostAddress::LocalHost, m_pClient->u16BoundUdpPort());
        QTRY_COMPARE(int(m_slEvents.count("found:WAB123")), s32Found + 1);
        server->vSendRawToAll(frame.mid(7));
        QTRY_VERIFY(m_slEvents.contains("message:Keine Berechtigung"));
        QVERIFY(m_pClient->bConnected());
    }

    void terminalEndsTheConnection()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        cfg.s32BreakAfterMs = 0;
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(false, false)));
        QVERIFY(m_slEvents.indexOf(strState(true, false)) < m_slEvents.indexOf(strState(false, false)));
    }

    void nothingIsDispatchedAfterTheEnd_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("break") << QByteArray("BreakConnection");
        QTest::newRow("busy") << QByteArray(
            "ERROR: We are sorry, but another client is temporary using this server application!");
    }

    void nothingIsDispatchedAfterTheEnd()
    {
        // Messages that arrive in one piece with the end of the connection
        // belong to a connection that is gone: a login behind it must not
        // report a connection again.
        QFETCH(QByteArray, end);
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        m_slEvents.clear();
        server->vSendRawToAll(baFrame(end) + baFrame("Connection established!") +
                              baFrame("Keine Berechtigung"));
        QTRY_VERIFY(m_slEvents.contains(strState(false, false)));
        SimFixture::vDeliverQueuedReports();
        QCOMPARE(m_slEvents, QStringList{strState(false, false)});
        QVERIFY(!m_pClient->bConnected());
    }

    void lostConnectionIsPublished()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        const quint16 port = server->u16TlsPort();
        server.reset(); // the terminal goes away without a word
        QTRY_COMPARE(m_slEvents.last(), strState(false, false));

        // Nobody listens any more: the refused connection is published too.
        m_slEvents.clear();
        m_pClient->vSetPorts(m_pClient->u16BoundUdpPort(), port);
        m_pClient->vConnectToTerminal();
        QTRY_COMPARE(m_slEvents, QStringList{strState(false, false)});
    }

    // Every subsystem's debug lines switched on: a refused password, an upload
    // and a download leave neither the password nor a file's text in the log.
    void logKeepsPasswordsAndFileContentsOut()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("vemo.*.debug=true"));
        slCapturedLog().clear();
        s_fnPreviousHandler = qInstallMessageHandler(vCaptureLog);
        const auto restore = qScopeGuard([] {
            qInstallMessageHandler(s_fnPreviousHandler);
            QLoggingCategory::setFilterRules(QString());
        });

        SimConfig cfg = config();
        cfg.bRefusePassword = true;
        auto server = pStart(cfg);
        m_lPasswordAnswers = {{true, "Zuckerhut77"}, {false, QByteArray()}};
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(false, true)));
        QCOMPARE(server->lbaReceived().at(1), QByteArray("Login-PW:  =:= Zuckerhut77"));

        cfg = config();
        cfg.bNoPassword = true;
        TestSupport::strWriteFile(cfg.strDataFolder + "/Fahrer.csv", "Nr;Name\n1;Kartoffelkoenig\n");
        server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        const int s32Found = int(m_slEvents.count("found:WAB123"));
        server->vAnnounceTo(QHostAddress::LocalHost, m_pClient->u16BoundUdpPort());
        QTRY_COMPARE(int(m_slEvents.count("found:WAB123")), s32Found + 1);
        const QString file =
            TestSupport::strWriteFile(m_dirWork.path() + "/up/Schlaege.csv", "Nr;Schlag\n4;Geheimacker\n");
        m_pClient->vSendFileFromPath(file, "Schlaege");
        m_pClient->vSendMessage("Fahrer");
        QTRY_VERIFY(m_slEvents.contains("message:Sie haben Datei erfolgreich importiert."));
        QTRY_VERIFY(!m_slEvents.filter("file:Fahrer.csv:").isEmpty());

        const QStringList lines = slCapturedLog();
        const QString log = lines.join('\n');
        for (const char* secret : {"Zuckerhut77", "Geheimacker", "Kartoffelkoenig"})
            QVERIFY2(!log.contains(secret), secret);
        // Each subsystem has its own category, and the link's lines say where they come from.
        const QStringList linkLines =
            lines.filter(QRegularExpression("^vemo\\.(terminal|discovery|files): "));
        QVERIFY(!lines.filter(QRegularExpression("^vemo\\.terminal: .*refused")).isEmpty());
        QVERIFY(!lines.filter(QRegularExpression("^vemo\\.discovery: .*WAB123")).isEmpty());
        QVERIFY(!lines.filter(QRegularExpression("^vemo\\.files: .*Schlaege\\.csv")).isEmpty());
        QVERIFY(!lines.filter(QRegularExpression("^vemo\\.files: .*Fahrer\\.csv")).isEmpty());
        // All of them name the link's file, whichever part wrote them, and the function.
        const QRegularExpression where("^vemo\\.\\w+: csslclient .*c(SSLClient|Link\\w+)::");
        for (const QString& line : linkLines)
            QVERIFY2(where.match(line).hasMatch(), qPrintable(line));
    }

    void knownTerminalsKeepTheirBytes_data()
    {
        QTest::addColumn<QList<QByteArray>>("stored");
        QTest::addColumn<QList<QByteArray>>("loaded");
        QTest::newRow("ascii") << QList<QByteArray>{SERIAL, "1234"} << QList<QByteArray>{SERIAL, "1234"};
        // The dialog hands over its text as Latin-1; the terminal knows those bytes.
        QTest::newRow("latin-1 password")
            << QList<QByteArray>{SERIAL, "geheim\xe4"} << QList<QByteArray>{SERIAL, "geheim\xe4"};
        QTest::newRow("utf-8 serial")
            << QList<QByteArray>{"LQ-\xc3\xbc", "x"} << QList<QByteArray>{"LQ-\xc3\xbc", "x"};
        QTest::newRow("cut at a zero byte")
            << QList<QByteArray>{SERIAL, QByteArray("ab\0cd", 5)} << QList<QByteArray>{SERIAL, "ab"};
    }

    void knownTerminalsKeepTheirBytes()
    {
        QFETCH(QList<QByteArray>, stored);
        QFETCH(QList<QByteArray>, loaded);
        const QList<QByteArray> before = KnownTerminals::lbaLoad();
        const QString chassis = KnownTerminals::strLoadLastChassis();
        KnownTerminals::vSave(stored, chassis);
        const QList<QByteArray> result = KnownTerminals::lbaLoad();
        KnownTerminals::vSave(before, chassis);
        QCOMPARE(result, loaded);
    }

    void passwordDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << "PWRequOkButton" << 1;
        QTest::newRow("Abbrechen") << "PWRequCloseButton" << 0;
    }

    void passwordDialog()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        cPWRequest dialog;
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.open();
        dialog.findChild<QLineEdit*>("PWRequLineEdit")->setText(QString::fromUtf8("geheimä"));
        dialog.findChild<QPushButton*>(button)->click();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), result);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.m_baPassword, result ? QByteArray("geheim\xe4") : QByteArray());
    }
};

QTEST_MAIN(tst_TerminalE2E)
#include "tst_terminal_e2e.moc"
