#include "app/cyesnodialog.h"
#include "app/firstcontact.h"
#include "simfixture.h"
#include "terminal/certificatepins.h"
#include "terminal/csslclient.h"
#include "terminal/fingerprint.h"
#include "terminal/knownterminals.h"
#include "testsupport.h"
#include "tools/simulator/terminalsimserver.h"

#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSslCertificate>

#include <memory>

namespace
{

const char* const SERIAL = "LQ-4711-0815";
// A pin an earlier version kept inside the list of the known terminals.
const char* const OTHER_SERIAL = "LQ-0001-0002";
const QByteArray OLD_DIGEST(Fingerprint::DIGEST_BYTES, '\x5a');

} // namespace

// Trust on first use of the terminal's certificate, against the simulated
// terminal over real TLS on 127.0.0.1. The tests run in order: the client
// starts with settings of a version that kept fingerprints inside the list of
// the known terminals, none for this terminal; the terminal keeps its
// certificate until a test asks for a new one. The last tests play a rogue
// device on the same network with a certificate of its own.
class tst_TerminalTrust : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dirWork;
    cSSLClient* m_pClient = nullptr;
    QStringList m_slEvents;
    QList<QPair<bool, QByteArray>> m_lPasswordAnswers;
    int m_s32PasswordRequests = 0;
    QList<cSSLClient::CertificateQuestion> m_lQuestions;
    QStringList m_slMessages;
    cSSLClient::CertificateAnswer m_fnPendingAnswer;
    bool m_bAnnounced = false;

    QString strCertFolder() const { return m_dirWork.path() + "/cert"; }
    QString strStateFile() const { return m_dirWork.path() + "/terminal-clients.txt"; }
    QString strRogueCertFolder() const { return m_dirWork.path() + "/rogue-cert"; }

    // _bKnowsClient: the terminal remembers this client and asks for the
    // stored password; otherwise it asks for the password afresh.
    std::unique_ptr<cTerminalSimServer> pStart(bool _bKnowsClient, bool _bNewCertificate)
    {
        if (_bKnowsClient)
            TestSupport::strWriteFile(strStateFile(), "127.0.0.1\n");
        SimConfig config;
        config.strSerial = SERIAL;
        config.strCertFolder = strCertFolder();
        config.bNewCertificate = _bNewCertificate;
        config.strDataFolder = m_dirWork.path() + "/data";
        config.strStateFile = _bKnowsClient ? strStateFile() : QString();
        config.u16UdpPort = 0;
        config.u16TlsPort = 0;
        config.haBind = QHostAddress::LocalHost;
        return SimFixture::pStart(config);
    }

    // A rogue device with a certificate of its own that claims the chassis
    // number of the real terminal, names _baSerial at the login and asks for
    // the password afresh, or logs in without one (_bEstablished). With
    // _bClaimKnown it claims to know the client and asks for the stored password.
    std::unique_ptr<cTerminalSimServer> pStartRogue(const QByteArray& _baSerial, bool _bEstablished,
                                                    bool _bClaimKnown)
    {
        SimConfig config;
        config.strSerial = QString::fromLatin1(_baSerial);
        config.strCertFolder = strRogueCertFolder();
        config.bNoPassword = _bEstablished;
        config.bClaimKnown = _bClaimKnown;
        config.strDataFolder = m_dirWork.path() + "/rogue-data";
        config.u16UdpPort = 0;
        config.u16TlsPort = 0;
        config.haBind = QHostAddress::LocalHost;
        return SimFixture::pStart(config);
    }

    // After a question about the rogue's certificate: nothing went out but
    // the login request, no password was asked for, nothing counted as
    // connected, and the pins stayed those of the real terminal.
    void vCheckRogueStopped(cTerminalSimServer* _pServer, const QByteArray& _baSerial,
                            const QByteArray& _baKept)
    {
        QTRY_COMPARE(m_lQuestions.size(), 1);
        QCOMPARE(m_lQuestions.at(0).strChassis, QString("WAB123"));
        QCOMPARE(m_lQuestions.at(0).baSerial, _baSerial);
        QCOMPARE(m_lQuestions.at(0).baKeptFingerprint, _baKept);
        QCOMPARE(m_lQuestions.at(0).baShownFingerprint, baServedBy(strRogueCertFolder()));
        QTRY_COMPARE(_pServer->s32OpenSessions(), 0);
        SimFixture::vDeliverQueuedReports();
        QVERIFY(SimFixture::bNoConnection(m_pClient));
        QCOMPARE(_pServer->lbaReceived(), QList<QByteArray>{"Login: "});
        QCOMPARE(m_s32PasswordRequests, 0);
        QCOMPARE(m_slEvents, QStringList());
        QCOMPARE(baKept(), _baKept);
        QCOMPARE(cCertificatePins::load().baForChassis("WAB123"), _baKept);

        m_fnPendingAnswer(false);
        QCOMPARE(m_slEvents, QStringList{strState(false, true)});
        QCOMPARE(_pServer->lbaReceived(), QList<QByteArray>{"Login: "});
        QCOMPARE(baKept(), _baKept);
    }

    void vConnect(cTerminalSimServer* _pServer) { SimFixture::vConnect(m_pClient, _pServer, m_bAnnounced); }

    // The fingerprint of the certificate the terminal serves now.
    QByteArray baServed() const { return baServedBy(strCertFolder()); }
    static QByteArray baServedBy(const QString& _strCertFolder)
    {
        return Fingerprint::baOf(QSslCertificate::fromPath(_strCertFolder + "/cert.pem").value(0));
    }

    static QByteArray baKept() { return cCertificatePins::load().baForSerial(SERIAL); }

    static QString strState(bool _bConnected, bool _bByUser)
    {
        return QStringLiteral("state:%1:%2:WAB123").arg(int(_bConnected)).arg(int(_bByUser));
    }

    // Certificate questions are kept and answered by the test.
    void vUseTestQuestions()
    {
        m_pClient->vSetCertificateQuestionProvider([this](const cSSLClient::CertificateQuestion& _question,
                                                          const cSSLClient::CertificateAnswer& _fnAnswer) {
            m_lQuestions << _question;
            m_fnPendingAnswer = _fnAnswer;
        });
    }

    static cYesNoDialog* pShownQuestion()
    {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            auto* pDialog = qobject_cast<cYesNoDialog*>(pWidget);
            if (pDialog && pDialog->isVisible())
                return pDialog;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        TestSupport::vIsolate();
        QVERIFY(m_dirWork.isValid());
        // Stored by a version that kept the fingerprints in the list: the
        // terminal and its password, without a fingerprint yet, and another
        // terminal's fingerprint.
        KnownTerminals::vSave({Fingerprint::baRecord(OTHER_SERIAL, OLD_DIGEST), SERIAL, "1234"}, "WAB123");
        m_pClient = cSSLClient::instance();
        m_pClient->vSetInterfaceAddresses({});
        m_pClient->vSetPorts(0, 0);
        m_pClient->vSetPasswordProvider(
            [this](const cSSLClient::PasswordRequest&, const cSSLClient::PasswordAnswer& _fnAnswer) {
                ++m_s32PasswordRequests;
                const auto answer = m_lPasswordAnswers.isEmpty() ? qMakePair(false, QByteArray())
                                                                 : m_lPasswordAnswers.takeFirst();
                _fnAnswer(answer.first, answer.second);
            });
        vUseTestQuestions();
        connect(m_pClient, &cSSLClient::connectionStateChanged, this,
                [this](bool _bConnected, bool _bByUser, const QString& _strChassis) {
                    m_slEvents << QStringLiteral("state:%1:%2:%3")
                                      .arg(int(_bConnected))
                                      .arg(int(_bByUser))
                                      .arg(_strChassis);
                });
        connect(m_pClient, &cSSLClient::messageForUser, this,
                [this](const QString& _strText) { m_slMessages << _strText; });
    }

    void init()
    {
        m_slEvents.clear();
        m_lPasswordAnswers.clear();
        m_s32PasswordRequests = 0;
        m_lQuestions.clear();
        m_slMessages.clear();
        m_fnPendingAnswer = nullptr;
    }

    void cleanup() { m_pClient->vDisconnect(true); }

    // The fingerprints leave the list as the link loads it, where a serial
    // number the terminal names can no longer reach them.
    void recordsOfAnEarlierVersionMoveOut()
    {
        QCOMPARE(KnownTerminals::lbaLoad(), (QList<QByteArray>{SERIAL, "1234"}));
        QCOMPARE(cCertificatePins::load().baForSerial(OTHER_SERIAL), OLD_DIGEST);
        QCOMPARE(KnownTerminals::strLoadLastChassis(), QString("WAB123"));
    }

    // The stored password goes out to the certificate met now, which is kept.
    void storedPasswordWithoutFingerprintIsAFirstContact()
    {
        auto server = pStart(true, false);
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(server->lbaReceived(), (QList<QByteArray>{"Login: ", "PW:  =:= 1234"}));
        QVERIFY(m_lQuestions.isEmpty());
        QCOMPARE(KnownTerminals::lbaLoad(), (QList<QByteArray>{SERIAL, "1234"}));
        QCOMPARE(baKept(), baServed());
        QCOMPARE(cCertificatePins::load().baForChassis("WAB123"), baServed());
        QCOMPARE(cCertificatePins::load().baForSerial(OTHER_SERIAL), OLD_DIGEST);
    }

    void sameCertificateLogsInWithoutAsking()
    {
        const QList<QByteArray> known = KnownTerminals::lbaLoad();
        auto server = pStart(true, false);
        vConnect(server.get());
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(server->lbaReceived(), (QList<QByteArray>{"Login: ", "PW:  =:= 1234"}));
        QVERIFY(m_lQuestions.isEmpty());
        QCOMPARE(m_s32PasswordRequests, 0);
        QCOMPARE(KnownTerminals::lbaLoad(), known);
    }

    void changedCertificateIsQuestioned_data()
    {
        QTest::addColumn<bool>("knowsClient");
        QTest::addColumn<bool>("trust");
        QTest::addColumn<QList<QByteArray>>("loginAfterTrust");
        QTest::newRow("stored password, no") << true << false << QList<QByteArray>{};
        QTest::newRow("stored password, yes")
            << true << true << QList<QByteArray>{"Login: ", "PW:  =:= 1234"};
        QTest::newRow("password asked for, no") << false << false << QList<QByteArray>{};
        QTest::newRow("password asked for, yes")
            << false << true << QList<QByteArray>{"Login: ", "Login-PW:  =:= 1234"};
    }

    // The terminal restarts with a new certificate: the login stops after the
    // terminal named its serial number, before any password, and waits for
    // the user's answer.
    void changedCertificateIsQuestioned()
    {
        QFETCH(bool, knowsClient);
        QFETCH(bool, trust);
        QFETCH(QList<QByteArray>, loginAfterTrust);
        const QByteArray kept = baKept();
        QCOMPARE(kept.size(), Fingerprint::DIGEST_BYTES);
        auto server = pStart(knowsClient, true);
        const QByteArray served = baServed();
        QVERIFY(served != kept);
        m_lPasswordAnswers = {{true, "1234"}};

        vConnect(server.get());
        QTRY_COMPARE(m_lQuestions.size(), 1);
        QCOMPARE(m_lQuestions.at(0).strChassis, QString("WAB123"));
        QCOMPARE(m_lQuestions.at(0).baSerial, QByteArray(SERIAL));
        QCOMPARE(m_lQuestions.at(0).baKeptFingerprint, kept);
        QCOMPARE(m_lQuestions.at(0).baShownFingerprint, served);
        QTRY_COMPARE(server->s32OpenSessions(), 0);
        // Nothing connects while the question is open, a search that finds
        // the terminal neither.
        QSignalSpy found(m_pClient, &cSSLClient::foundTerminals);
        m_pClient->vConnectToTerminal();
        QVERIFY(SimFixture::bNoConnection(m_pClient));
        server->vAnnounceTo(QHostAddress::LocalHost, m_pClient->u16BoundUdpPort());
        QVERIFY(found.wait());
        QVERIFY(SimFixture::bNoConnection(m_pClient));
        QCOMPARE(server->lbaReceived(), QList<QByteArray>{"Login: "});
        QCOMPARE(m_lQuestions.size(), 1);
        QCOMPARE(m_s32PasswordRequests, 0);
        QCOMPARE(m_slEvents, QStringList());
        QCOMPARE(baKept(), kept);

        m_fnPendingAnswer(trust);
        if (!trust) {
            QCOMPARE(m_slEvents, QStringList{strState(false, true)});
            SimFixture::vDeliverQueuedReports();
            QVERIFY(SimFixture::bNoConnection(m_pClient));
            QCOMPARE(server->lbaReceived(), QList<QByteArray>{"Login: "});
            QCOMPARE(server->s32OpenSessions(), 0);
            QCOMPARE(m_s32PasswordRequests, 0);
            QCOMPARE(baKept(), kept);
            return;
        }
        QCOMPARE(baKept(), served);
        QCOMPARE(cCertificatePins::load().baForChassis("WAB123"), served);
        QTRY_VERIFY(m_slEvents.contains(strState(true, false)));
        QCOMPARE(m_slEvents, QStringList{strState(true, false)});
        QCOMPARE(server->lbaReceived(), QList<QByteArray>{"Login: "} + loginAfterTrust);
        QCOMPARE(m_s32PasswordRequests, knowsClient ? 0 : 1);
        QCOMPARE(m_lQuestions.size(), 1);
        QByteArray password;
        QVERIFY(KnownTerminals::bPasswordFor(KnownTerminals::lbaLoad(), SERIAL, password));
        QCOMPARE(password, QByteArray("1234"));
    }

    // The application's question: a yes/no dialog with both fingerprints,
    // shown while the link and the test's event loop go on.
    void questionDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("trust");
        QTest::newRow("Nein") << "pushButton_nein" << false;
        QTest::newRow("Ja") << "pushButton_ja" << true;
    }

    void questionDialog()
    {
        QFETCH(QString, button);
        QFETCH(bool, trust);
        m_pClient->vSetCertificateQuestionProvider(FirstContact::vAskCertificateTrust);
        const auto restore = qScopeGuard([this] { vUseTestQuestions(); });
        // A dialog run in an event loop of its own would keep the test from
        // getting back until it is closed: it is closed after a while.
        QTimer close;
        close.setSingleShot(true);
        connect(&close, &QTimer::timeout, this, [] {
            if (cYesNoDialog* pDialog = pShownQuestion())
                pDialog->reject();
        });
        close.start(3000);

        const QByteArray kept = baKept();
        auto server = pStart(true, true);
        const QByteArray served = baServed();
        vConnect(server.get());
        cYesNoDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = pShownQuestion()) != nullptr);
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        const QString text = dialog->findChild<QLabel*>("label_Text")->text();
        QVERIFY2(text.contains(Fingerprint::strFormat(kept, 16)), qPrintable(text));
        QVERIFY2(text.contains(Fingerprint::strFormat(served, 16)), qPrintable(text));
        QVERIFY(text.indexOf(Fingerprint::strFormat(kept, 16)) <
                text.indexOf(Fingerprint::strFormat(served, 16)));
        QCOMPARE(server->lbaReceived(), QList<QByteArray>{"Login: "});

        dialog->findChild<QPushButton*>(button)->click();
        QTRY_VERIFY(!m_slEvents.isEmpty());
        QTRY_COMPARE(m_slEvents.last(), strState(trust, !trust));
        QCOMPARE(baKept(), trust ? served : kept);
        const QList<QByteArray> received =
            trust ? QList<QByteArray>{"Login: ", "Login: ", "PW:  =:= 1234"} : QList<QByteArray>{"Login: "};
        QCOMPARE(server->lbaReceived(), received);
        QTRY_VERIFY(!pShownQuestion());
    }

    // The rogue names the stored fingerprint record of the real terminal as
    // its serial number, then comes back under the real serial number: the
    // first login is refused before any dialog, and the second one stops at
    // the question, before the stored password goes out.
    void serialNamingAStoredRecord()
    {
        const QByteArray kept = baKept();
        QCOMPARE(kept.size(), Fingerprint::DIGEST_BYTES);
        {
            auto rogue = pStartRogue(Fingerprint::baRecord(SERIAL, kept), false, false);
            vConnect(rogue.get());
            QTRY_COMPARE(m_slEvents, QStringList{strState(false, true)});
            QCOMPARE(m_s32PasswordRequests, 0);
            QVERIFY(m_lQuestions.isEmpty());
            QTRY_COMPARE(m_slMessages.size(), 1);
            QVERIFY2(m_slMessages.at(0).contains("Seriennummer"), qPrintable(m_slMessages.at(0)));
            QCOMPARE(rogue->lbaReceived(), QList<QByteArray>{"Login: "});
            QCOMPARE(baKept(), kept);
            QCOMPARE(KnownTerminals::lbaLoad(), (QList<QByteArray>{SERIAL, "1234"}));
        }
        m_slEvents.clear();
        auto rogue = pStartRogue(SERIAL, false, true);
        vConnect(rogue.get());
        vCheckRogueStopped(rogue.get(), SERIAL, kept);
    }

    // The rogue answers discovery with the chassis number of the known
    // terminal and names a new serial number: the question comes before
    // any password dialog.
    void knownChassisWithANewSerial()
    {
        const QByteArray kept = baKept();
        auto rogue = pStartRogue("LQ-9999-0001", false, false);
        m_lPasswordAnswers = {{true, "1234"}};
        vConnect(rogue.get());
        vCheckRogueStopped(rogue.get(), "LQ-9999-0001", kept);
        QVERIFY(cCertificatePins::load().baForSerial("LQ-9999-0001").isEmpty());
    }

    // The rogue logs in at once with "Connection established!": the link
    // neither counts it as connected nor sends anything until the user trusts it.
    void establishedFromAKnownChassis()
    {
        const QByteArray kept = baKept();
        auto rogue = pStartRogue(SERIAL, true, false);
        vConnect(rogue.get());
        vCheckRogueStopped(rogue.get(), QByteArray(), kept);
        QVERIFY(!m_pClient->bConnected());
    }
};

QTEST_MAIN(tst_TerminalTrust)
#include "tst_terminal_trust.moc"
