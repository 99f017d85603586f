#include "terminal/csslclient.h"

#include "terminal/dispatch.h"
#include "terminal/filemessage.h"
#include "terminal/fingerprint.h"
#include "terminal/knownterminals.h"
#include "terminal/logging.h"
#include "terminal/protocol.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QSslSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

namespace
{

// The password of a connection before the user or the store gave one.
const char* const PASSWORD_PLACEHOLDER = "UNDEFINED";
const char* const SERIAL_PLACEHOLDER = "TERMINAL_SERIAL_NO._AT_CLIENT";

// Without a provider the link cannot ask anybody: a password is not given
// and a changed certificate is not trusted.
void vCannotAskPassword(const cSSLClient::PasswordRequest&, const cSSLClient::PasswordAnswer& _fnAnswer)
{
    _fnAnswer(false, QByteArray());
}

void vCannotAskTrust(const cSSLClient::CertificateQuestion&, const cSSLClient::CertificateAnswer& _fnAnswer)
{
    _fnAnswer(false);
}

} // namespace

cSSLClient* cSSLClient::instance()
{
    static cSSLClient* s_pInstance = nullptr;
    if (!s_pInstance)
        s_pInstance = new cSSLClient();
    return s_pInstance;
}

cSSLClient::cSSLClient()
    : QObject(nullptr), m_baSerialNumber(SERIAL_PLACEHOLDER), m_baPassword(PASSWORD_PLACEHOLDER),
      m_u16UdpPort(Protocol::UDP_PORT), m_u16TlsPort(Protocol::TLS_PORT),
      m_fnPasswordProvider(vCannotAskPassword), m_fnCertificateQuestionProvider(vCannotAskTrust)
{
    m_pUdpSocket = new QUdpSocket(this);
    // The result is not examined: without the port the link still connects by
    // selection, it only hears no answers.
    m_pUdpSocket->bind(m_u16UdpPort);
    connect(m_pUdpSocket, &QUdpSocket::readyRead, this, &cSSLClient::vGetUdp);

    m_pCloseTimer = new QTimer(this);
    m_pCloseTimer->setSingleShot(true);
    m_pCloseTimer->setInterval(CLOSE_GRACE_MS);
    connect(m_pCloseTimer, &QTimer::timeout, this, &cSSLClient::vCutClosingConnection);

    vLoadSettings();
}

QSslSocket* cSSLClient::pSslSocket()
{
    // Made with the first connection: a TLS socket loads the TLS library and
    // its certificates, which the start of the application need not wait for.
    if (!m_pSslSocket) {
        m_pSslSocket = new QSslSocket(this);
        connect(m_pSslSocket, &QSslSocket::connected, this, &cSSLClient::vIgnoreSSLErrors);
        connect(m_pSslSocket, &QSslSocket::readyRead, this, &cSSLClient::vReceiveEntireMessage);
        connect(m_pSslSocket, &QSslSocket::encrypted, this, &cSSLClient::vSocketEncrypted);
        connect(m_pSslSocket, &QSslSocket::disconnected, this, &cSSLClient::vSetConnectionFlagToFalse);
        connect(m_pSslSocket, &QSslSocket::errorOccurred, this, &cSSLClient::vSocketFailed);
    }
    return m_pSslSocket;
}

QAbstractSocket::SocketState cSSLClient::eSslState() const
{
    return m_pSslSocket ? m_pSslSocket->state() : QAbstractSocket::UnconnectedState;
}

void cSSLClient::vSetPasswordProvider(PasswordProvider _fnProvider)
{
    m_fnPasswordProvider = _fnProvider ? std::move(_fnProvider) : PasswordProvider(vCannotAskPassword);
}

void cSSLClient::vSetCertificateQuestionProvider(CertificateQuestionProvider _fnProvider)
{
    m_fnCertificateQuestionProvider =
        _fnProvider ? std::move(_fnProvider) : CertificateQuestionProvider(vCannotAskTrust);
}

void cSSLClient::vSetPorts(quint16 _u16UdpPort, quint16 _u16TlsPort)
{
    m_u16TlsPort = _u16TlsPort;
    const bool bBound = m_pUdpSocket->state() == QAbstractSocket::BoundState;
    if (bBound && (_u16UdpPort == m_u16UdpPort || _u16UdpPort == m_pUdpSocket->localPort()))
        return;
    m_u16UdpPort = _u16UdpPort;
    m_pUdpSocket->close();
    m_pUdpSocket->bind(m_u16UdpPort);
}

void cSSLClient::vSetInterfaceAddresses(const QList<QHostAddress>& _lhaInterfaces)
{
    m_bFixedInterfaces = true;
    m_lhaInterfaces = _lhaInterfaces;
}

quint16 cSSLClient::u16BoundUdpPort() const
{
    return m_pUdpSocket->localPort();
}

// ---- Settings ----

void cSSLClient::vLoadSettings()
{
    m_lbaKnownTerminals = KnownTerminals::lbaLoad();
    m_strCurrentChassis = KnownTerminals::strLoadLastChassis();
    m_pins = cCertificatePins::load();
    // An earlier version kept the fingerprints inside the list, where a
    // serial number could name them: they move to their own keys.
    if (m_pins.bTakeRecordsFrom(m_lbaKnownTerminals)) {
        VEMO_DEBUG(lcTerminal) << "fingerprints moved out of the list of known terminals";
        vSaveSettings();
    }
    VEMO_DEBUG(lcTerminal) << m_lbaKnownTerminals.size() << "entries of known terminals, last chassis"
                           << m_strCurrentChassis;
}

void cSSLClient::vSaveSettings()
{
    KnownTerminals::vSave(m_lbaKnownTerminals, m_strCurrentChassis);
    m_pins.vSave();
}

// ---- Discovery ----

QHostAddress cSSLClient::broadcastAddressOf(const QHostAddress& _haInterface) const
{
    return Discovery::broadcastAddressOf(_haInterface);
}

void cSSLClient::vSearchTerminals()
{
    m_bQuietSearch = false;
    vBroadcast();
}

void cSSLClient::vBroadcastDatagramInInterval()
{
    // The periodic timer runs in a thread of its own; the socket and the flag
    // belong to this object's thread, so the work is queued over to it.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, &cSSLClient::vBroadcastDatagramInInterval, Qt::QueuedConnection);
        return;
    }
    m_bQuietSearch = true;
    vBroadcast();
}

void cSSLClient::vBroadcast()
{
    const QList<QHostAddress> interfaces =
        m_bFixedInterfaces ? m_lhaInterfaces : QNetworkInterface::allAddresses();
    const QByteArray datagram = Discovery::baRequestDatagram();
    const QList<QHostAddress> targets = Discovery::lhaBroadcastTargets(interfaces);
    VEMO_DEBUG(lcDiscovery) << (m_bQuietSearch ? "quiet search to" : "search to") << targets << "port"
                            << m_u16UdpPort;
    for (const QHostAddress& target : targets)
        m_pUdpSocket->writeDatagram(datagram, target, m_u16UdpPort);
}

void cSSLClient::vGetUdp()
{
    while (m_pUdpSocket->hasPendingDatagrams()) {
        QByteArray datagram(int(qMax<qint64>(0, m_pUdpSocket->pendingDatagramSize())), '\0');
        QHostAddress sender;
        quint16 senderPort = 0;
        const qint64 read =
            m_pUdpSocket->readDatagram(datagram.data(), datagram.size(), &sender, &senderPort);
        datagram.truncate(int(qMax<qint64>(0, read)));
        if (!Discovery::bIsTerminalAnswer(datagram))
            continue; // also our own broadcast, looped back
        const QString chassis = Discovery::strChassisFromAnswer(datagram);
        VEMO_DEBUG(lcDiscovery) << "answer of" << chassis << "from" << sender.toString();
        Discovery::bAddAnswer(m_found, chassis, sender);
    }
    vDecideAfterBatch();
}

void cSSLClient::vDecideAfterBatch()
{
    switch (Discovery::eDecideAfterBatch(m_found, m_strCurrentChassis, m_bQuietSearch)) {
    case Discovery::eAfterBatch::ConnectToLast:
        m_haTerminal = m_found.hashTerminals.value(m_strCurrentChassis);
        emit foundTerminals(m_found.slFoundChassis);
        vConnectToTerminal();
        break;
    case Discovery::eAfterBatch::QuietStop:
        break;
    case Discovery::eAfterBatch::ShowList:
        emit foundTerminals(m_found.slFoundChassis);
        emit showTerminalList();
        break;
    case Discovery::eAfterBatch::ConnectToOnly:
        emit foundTerminals(m_found.slFoundChassis);
        m_haTerminal = m_found.hashTerminals.value(m_found.slFoundChassis.first());
        vConnectToTerminal();
        break;
    case Discovery::eAfterBatch::Nothing:
        emit foundTerminals(m_found.slFoundChassis);
        break;
    }
}

// ---- Connection ----

void cSSLClient::vSelectTerminal(const QString& _strChassis)
{
    if (_strChassis == m_strCurrentChassis) {
        if (eSslState() != QAbstractSocket::ConnectedState)
            vConnectToTerminal();
        return;
    }
    // Also a connection still on its way to the other terminal is given up.
    if (eSslState() != QAbstractSocket::UnconnectedState)
        vDisconnect(false);
    if (!m_found.hashTerminals.contains(_strChassis))
        return;
    m_haTerminal = m_found.hashTerminals.value(_strChassis);
    m_strCurrentChassis = _strChassis;
    vSearchTerminals();
    vConnectToTerminal();
}

void cSSLClient::vConnectToTerminal()
{
    // A connection now would meet the same certificate and ask once more.
    if (m_bCertificateQuestionOpen) {
        VEMO_DEBUG(lcTerminal) << "not connecting while the user decides about a certificate";
        return;
    }
    // A connection still closing is cut; its end is not told again.
    m_pCloseTimer->stop();
    if (eSslState() == QAbstractSocket::ClosingState) {
        m_bAttemptOpen = false;
        pSslSocket()->abort();
    }
    // A connection that is up or on its way is kept, and so is its framing
    // state: a message may be arriving at this moment.
    if (eSslState() == QAbstractSocket::UnconnectedState) {
        m_baLastCommand.clear();
        m_baShownFingerprint.clear();
        m_bFirstContact = false;
        m_frameReader.vReset();
        m_pendingDownloads.vClear();
        m_bAttemptOpen = true;
        ++m_u32Connection;
        VEMO_DEBUG(lcTerminal) << "connecting to" << m_haTerminal.toString() << "port" << m_u16TlsPort;
        pSslSocket()->connectToHostEncrypted(m_haTerminal.toString(), m_u16TlsPort, QIODevice::ReadWrite,
                                             QAbstractSocket::AnyIPProtocol);
    }
    vSaveSettings();
}

void cSSLClient::vIgnoreSSLErrors()
{
    // The terminals carry self-made certificates: every certificate error of
    // this connection is accepted.
    pSslSocket()->ignoreSslErrors();
    if (m_found.hashTerminals.value(m_strCurrentChassis) == m_haTerminal)
        return;
    m_strCurrentChassis.clear();
    for (auto it = m_found.hashTerminals.cbegin(); it != m_found.hashTerminals.cend(); ++it) {
        if (it.value() == m_haTerminal) {
            m_strCurrentChassis = it.key();
            break;
        }
    }
}

void cSSLClient::vSocketEncrypted()
{
    // Checked once the terminal has named its serial number; the login
    // request carries nothing secret.
    m_baShownFingerprint = Fingerprint::baOf(pSslSocket()->peerCertificate());
    VEMO_DEBUG(lcTerminal) << "certificate" << Fingerprint::strFormat(m_baShownFingerprint);
    vSendMessage(Protocol::LOGIN);
}

void cSSLClient::vDisconnect(bool _bByUser)
{
    VEMO_DEBUG(lcTerminal) << (_bByUser ? "closing, by the user" : "closing") << "in state" << eSslState();
    // The pages hear of the end from here, not from the socket's signals. An
    // open certificate question is left unanswered: the user has gone on.
    m_bAttemptOpen = false;
    m_bCertificateQuestionOpen = false;
    m_baLastCommand.clear();
    const QAbstractSocket::SocketState state = eSslState();
    if (state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState) {
        // Not up yet: nothing to finish, and disconnectFromHost() would let
        // the connection come up first.
        pSslSocket()->abort();
    } else if (state != QAbstractSocket::UnconnectedState) {
        // What is still to be written goes out in the background; a peer
        // that takes too long is cut by the timer.
        pSslSocket()->disconnectFromHost();
        if (eSslState() != QAbstractSocket::UnconnectedState)
            m_pCloseTimer->start();
    }
    vPublishConnectionState(false, _bByUser);
}

void cSSLClient::vCutClosingConnection()
{
    if (m_bAttemptOpen || eSslState() == QAbstractSocket::UnconnectedState)
        return;
    VEMO_DEBUG(lcTerminal) << "the connection did not close within" << CLOSE_GRACE_MS << "ms, cut";
    pSslSocket()->abort();
}

void cSSLClient::vSetConnectionFlagToFalse()
{
    vConnectionLost();
}

void cSSLClient::vSocketFailed(QAbstractSocket::SocketError _eError)
{
    VEMO_DEBUG(lcTerminal) << "socket error" << _eError << pSslSocket()->errorString();
    // A connection that never came up ends here; one that was up also sends
    // disconnected(), and the loss is told only once.
    if (eSslState() == QAbstractSocket::UnconnectedState)
        vConnectionLost();
}

void cSSLClient::vConnectionLost()
{
    if (!m_bAttemptOpen)
        return;
    VEMO_DEBUG(lcTerminal) << "connection lost";
    m_bAttemptOpen = false;
    m_baLastCommand.clear();
    vPublishConnectionState(false, false);
}

void cSSLClient::vPublishConnectionState(bool _bConnected, bool _bByUser)
{
    m_bConnected = _bConnected;
    emit connectionStateChanged(_bConnected, _bByUser, m_strCurrentChassis);
}

// ---- Messages ----

void cSSLClient::vSendMessage(const QByteArray& _baMessage)
{
    if (bSuppressLogin(m_baLastCommand, _baMessage))
        return;
    if (eSslState() != QAbstractSocket::ConnectedState)
        return;
    m_baLastCommand = _baMessage;
    m_pendingDownloads.vSent(_baMessage);
    pSslSocket()->write(baLengthHeader(_baMessage.size()));
    pSslSocket()->write(_baMessage);
}

void cSSLClient::vReceiveEntireMessage()
{
    while (pSslSocket()->bytesAvailable() > 0) {
        m_frameReader.vAppend(pSslSocket()->readAll());
        QByteArray message;
        for (;;) {
            const cFrameReader::eNext next = m_frameReader.eTakeNext(message);
            if (next == cFrameReader::eNext::NeedMore)
                break;
            if (next == cFrameReader::eNext::Error) {
                vDropBrokenConnection();
                return;
            }
            vReadAnswer(message);
            // The message ended the connection (or the user cancelled the
            // login): what else came with it belongs to a connection that is
            // gone and is not dispatched.
            if (!m_bAttemptOpen)
                return;
        }
    }
}

void cSSLClient::vDropBrokenConnection()
{
    if (!m_bAttemptOpen)
        return;
    VEMO_WARNING(lcTerminal) << "invalid frame length from the terminal, closing the connection";
    m_bAttemptOpen = false;
    pSslSocket()->abort();
    m_baLastCommand.clear();
    vPublishConnectionState(false, false);
    vTellUser(tr("Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt."));
}

void cSSLClient::vAfterRead(std::function<void()> _fnReport)
{
    QMetaObject::invokeMethod(this, std::move(_fnReport), Qt::QueuedConnection);
}

void cSSLClient::vTellUser(const QString& _strTranslatedText)
{
    vAfterRead([this, _strTranslatedText] { emit messageForUser(_strTranslatedText); });
}

void cSSLClient::vReadAnswer(const QByteArray& _baAnswer)
{
    const eAnswerRow row = eClassifyAnswer(_baAnswer);
    const QByteArray rest = _baAnswer.mid(s32PrefixLength(row));
    switch (row) {
    case eAnswerRow::Null:
        break;
    case eAnswerRow::SerialNumber:
        if (!Fingerprint::bPlainSerial(rest))
            vRefuseSerial(rest);
        else if (bCertificateTrusted(rest))
            vAskForPassword(rest);
        break;
    case eAnswerRow::PwRequestFalse:
        vPasswordRefused();
        break;
    case eAnswerRow::PwRequestTrue:
        vLoginAccepted(rest, true);
        break;
    case eAnswerRow::ConnectionKnown:
        if (!Fingerprint::bPlainSerial(rest))
            vRefuseSerial(rest);
        else if (bCertificateTrusted(rest))
            vSendStoredPassword(rest);
        break;
    case eAnswerRow::ConnectionEstablished:
        // No serial number: the chassis number found in discovery is all
        // there is to check.
        if (bCertificateTrusted(QByteArray()))
            vLoginAccepted(rest, false);
        break;
    case eAnswerRow::ConnectionFailed:
        vForgetPasswordAndRetry();
        break;
    case eAnswerRow::Busy:
    case eAnswerRow::BreakConnection:
        vDisconnect(false);
        break;
    case eAnswerRow::LiveData:
        emit liveDataReceived(rest);
        break;
    case eAnswerRow::ExpertMode:
    case eAnswerRow::LightSwitch: {
        const eSwitchState state = eSwitchStateFrom(rest);
        if (state == eSwitchState::Unchanged)
            break;
        if (row == eAnswerRow::ExpertMode)
            emit expertModeReported(state == eSwitchState::On);
        else
            emit lightSwitchReported(state == eSwitchState::On);
        break;
    }
    case eAnswerRow::FileOrders:
    case eAnswerRow::FileCustomers:
    case eAnswerRow::FileSeason:
    case eAnswerRow::FileMachine:
    case eAnswerRow::FileFields:
    case eAnswerRow::FileDrivers:
        vStoreReceivedFile(baFileKind(row), rest);
        break;
    case eAnswerRow::NoPermission:
        vTellUser(tr("Keine Berechtigung"));
        break;
    case eAnswerRow::ImportSucceeded:
        vTellUser(tr("Sie haben Datei erfolgreich importiert."));
        break;
    case eAnswerRow::ImportFailed:
        vTellUser(tr("Beim Import ist ein Fehler aufgetreten"));
        break;
    case eAnswerRow::Unknown:
        VEMO_DEBUG(lcTerminal) << "no answer known to a message of" << _baAnswer.size() << "bytes";
        break;
    }
}

// ---- Login ----

void cSSLClient::vAskForPassword(const QByteArray& _baSerial)
{
    m_baSerialNumber = _baSerial;
    VEMO_DEBUG(lcTerminal) << "the terminal asks for a password";
    // The terminal no longer takes a stored password: it goes, also when the
    // user cancels.
    if (KnownTerminals::bRemovePair(m_lbaKnownTerminals, m_baSerialNumber))
        vSaveSettings();
    const quint32 u32Connection = m_u32Connection;
    const PasswordRequest request{m_strCurrentChassis, m_baSerialNumber, m_bFirstContact};
    m_fnPasswordProvider(request, [this, u32Connection](bool _bEntered, const QByteArray& _baPassword) {
        vPasswordGiven(u32Connection, _bEntered, _baPassword);
    });
}

void cSSLClient::vPasswordGiven(quint32 _u32Connection, bool _bEntered, const QByteArray& _baPassword)
{
    // The connection that asked may have ended while the user was typing.
    if (_u32Connection != m_u32Connection || !m_bAttemptOpen) {
        VEMO_DEBUG(lcTerminal) << "password answer for a connection that has ended, not used";
        return;
    }
    m_baLastCommand.clear();
    if (!_bEntered) {
        vDisconnect(true);
        return;
    }
    m_baPassword = _baPassword;
    vSendMessage(baPasswordMessage(Protocol::LOGIN_PW, m_baPassword));
}

void cSSLClient::vPasswordRefused()
{
    VEMO_DEBUG(lcTerminal) << "password of" << m_baPassword.size() << "bytes refused";
    if (m_baPassword == Protocol::NO_PW)
        vDisconnect(false);
    else
        vSendMessage(Protocol::LOGIN);
}

void cSSLClient::vLoginAccepted(const QByteArray& _baFields, bool _bRememberTerminal)
{
    VEMO_DEBUG(lcTerminal) << "logged in to" << m_strCurrentChassis;
    vApplyStatusFields(_baFields);
    vPublishConnectionState(true, false);
    if (_bRememberTerminal && !KnownTerminals::bContains(m_lbaKnownTerminals, m_baSerialNumber)) {
        m_lbaKnownTerminals.append(m_baSerialNumber);
        m_lbaKnownTerminals.append(m_baPassword);
        vSaveSettings();
    }
}

void cSSLClient::vApplyStatusFields(const QByteArray& _baFields)
{
    const StatusFields fields = statusFieldsFrom(_baFields);
    if (fields.eLightSwitch != eSwitchState::Unchanged)
        emit lightSwitchReported(fields.eLightSwitch == eSwitchState::On);
    if (fields.eExpertMode != eSwitchState::Unchanged)
        emit expertModeReported(fields.eExpertMode == eSwitchState::On);
}

void cSSLClient::vSendStoredPassword(const QByteArray& _baSerial)
{
    m_baSerialNumber = _baSerial;
    QByteArray password;
    if (KnownTerminals::bPasswordFor(m_lbaKnownTerminals, m_baSerialNumber, password)) {
        m_baPassword = password;
        vSendMessage(baPasswordMessage(Protocol::PW, m_baPassword));
    } else {
        vSendMessage(baPasswordMessage(Protocol::PW, Protocol::NO_PW_FOUND));
    }
}

void cSSLClient::vForgetPasswordAndRetry()
{
    KnownTerminals::bRemovePair(m_lbaKnownTerminals, m_baSerialNumber);
    vSaveSettings();
    vSendMessage(Protocol::LOGIN);
}

// ---- Certificate ----

void cSSLClient::vRefuseSerial(const QByteArray& _baSerial)
{
    VEMO_WARNING(lcTerminal) << "login refused: the terminal named a serial number of" << _baSerial.size()
                             << "bytes that is no plain one";
    // Given up as after a cancelled login: a search every few seconds would
    // meet the same answer again.
    vDisconnect(true);
    vTellUser(tr("Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde "
                 "abgebrochen.")
                  .arg(m_strCurrentChassis));
}

bool cSSLClient::bCertificateTrusted(const QByteArray& _baSerial)
{
    const cCertificatePins::Verdict verdict =
        m_pins.verdict(m_strCurrentChassis, _baSerial, m_baShownFingerprint);
    switch (verdict.eTrust) {
    case Fingerprint::eTrust::FirstContact:
        VEMO_DEBUG(lcTerminal) << "first contact, the certificate is kept";
        m_bFirstContact = true;
        break;
    case Fingerprint::eTrust::Same:
        break;
    case Fingerprint::eTrust::Changed:
        vStopForCertificateQuestion(_baSerial, verdict.baKept);
        return false;
    }
    // A name met for the first time is kept with the certificate shown.
    if (m_pins.bRemember(m_strCurrentChassis, _baSerial, m_baShownFingerprint, false))
        vSaveSettings();
    return true;
}

void cSSLClient::vStopForCertificateQuestion(const QByteArray& _baSerial, const QByteArray& _baKept)
{
    VEMO_WARNING(lcTerminal) << "the terminal shows another certificate than before:"
                             << Fingerprint::strFormat(m_baShownFingerprint) << "in place of"
                             << Fingerprint::strFormat(_baKept)
                             << "- stopped before the password, asking the user";
    // Nothing more of this connection is read or sent; its end is told when
    // the user has answered.
    m_bAttemptOpen = false;
    m_baLastCommand.clear();
    m_pCloseTimer->stop();
    pSslSocket()->abort();
    m_bCertificateQuestionOpen = true;
    m_strQuestionChassis = m_strCurrentChassis;
    m_baQuestionSerial = _baSerial;
    m_baQuestionFingerprint = m_baShownFingerprint;
    const CertificateQuestion question{m_strCurrentChassis, _baSerial, _baKept, m_baShownFingerprint};
    const quint32 u32Connection = m_u32Connection;
    vAfterRead([this, question, u32Connection] {
        m_fnCertificateQuestionProvider(
            question, [this, u32Connection](bool _bTrust) { vCertificateAnswered(u32Connection, _bTrust); });
    });
}

void cSSLClient::vCertificateAnswered(quint32 _u32Connection, bool _bTrust)
{
    if (!m_bCertificateQuestionOpen || _u32Connection != m_u32Connection) {
        VEMO_DEBUG(lcTerminal) << "certificate answer for a question no longer open, not used";
        return;
    }
    m_bCertificateQuestionOpen = false;
    if (!_bTrust) {
        VEMO_DEBUG(lcTerminal) << "the new certificate is not trusted";
        vDisconnect(true);
        return;
    }
    VEMO_DEBUG(lcTerminal) << "the new certificate is trusted, connecting again";
    m_pins.bRemember(m_strQuestionChassis, m_baQuestionSerial, m_baQuestionFingerprint, true);
    vSaveSettings();
    vConnectToTerminal();
}

// ---- Files ----

void cSSLClient::vStoreReceivedFile(const QByteArray& _baKind, const QByteArray& _baFile)
{
    const FileMessage::ReceivedFile file = FileMessage::receivedFileFrom(_baFile);
    // The terminal answers each request with one file message of its kind,
    // or an empty one. Anything else comes from no request of the user: it
    // could replace the user's own files, and is only logged, by its name and
    // size, never by its content.
    if (!m_pendingDownloads.bTake(_baKind)) {
        VEMO_WARNING(lcFiles) << "unexpected file from the terminal:"
                              << FileMessage::strLoggedName(file.strName) << "of" << _baFile.size()
                              << "bytes as" << _baKind << "- nothing of this kind was requested, dropped";
        return;
    }
    if (file.bEmpty) {
        VEMO_DEBUG(lcFiles) << "the terminal has no such file";
        vAfterRead([this] {
            emit hideSettingsPage();
            emit fileReceived(QStringLiteral("empty"), QStringLiteral("nofile"));
        });
        return;
    }
    // Only the last part of the name counts: a terminal cannot place files
    // outside the download folder.
    const QString name = FileMessage::strSafeFileName(file.strName);
    if (name.isEmpty()) {
        VEMO_WARNING(lcFiles) << "received file without a usable name, not stored";
        vTellUser(tr("Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert."));
        return;
    }
    if (!FileMessage::bIsListFileName(name, _baKind)) {
        VEMO_WARNING(lcFiles) << "unexpected file from the terminal:"
                              << FileMessage::strLoggedName(file.strName) << "of" << _baFile.size()
                              << "bytes as" << _baKind << "- not the name of a list, dropped";
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    FileWriter::Failure failure = FileWriter::Failure::None;
    const QString path = FileMessage::strStoreTextFile(folder, name, file.strText, &failure);
    if (path.isEmpty()) {
        VEMO_WARNING(lcFiles) << "received file" << name << "could not be stored in" << folder << "( failure"
                              << int(failure) << ")";
        vTellUser(tr("Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3")
                      .arg(name, QDir::toNativeSeparators(folder), FileWriter::strReason(failure)));
        return;
    }
    VEMO_DEBUG(lcFiles) << "received" << name << "of" << _baFile.size() << "bytes, stored as" << path;
    vAfterRead([this, path, name] {
        emit hideSettingsPage();
        emit fileReceived(path, name);
    });
}

void cSSLClient::vSendFileFromPath(const QString& _strPath, const QString& _strKind)
{
    m_strSendFilePath = _strPath;
    vSendFile(_strKind.toLatin1());
}

void cSSLClient::vSendFile(const QByteArray& _baKind)
{
    QString text;
    if (!FileMessage::bReadListFileText(m_strSendFilePath, text)) {
        VEMO_WARNING(lcFiles) << "file" << m_strSendFilePath << "could not be read, not sent";
        vTellUser(
            tr("Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.").arg(m_strSendFilePath));
        return;
    }
    const QByteArray payload = FileMessage::baSendFilePayload(_baKind, text);
    VEMO_DEBUG(lcFiles) << "sending" << QFileInfo(m_strSendFilePath).fileName() << "as" << _baKind << "in"
                        << payload.size() << "bytes";
    vSendMessage(payload);
}
