#include "terminal/csslclient.h"

#include "terminal/dispatch.h"
#include "terminal/knownterminals.h"
#include "terminal/linkdiscovery.h"
#include "terminal/logging.h"
#include "terminal/protocol.h"

#include <QFile>
#include <QSslSocket>
#include <QTimer>

cSSLClient* cSSLClient::instance()
{
    static cSSLClient* s_pInstance = nullptr;
    if (!s_pInstance)
        s_pInstance = new cSSLClient();
    return s_pInstance;
}

cSSLClient::cSSLClient()
    : QObject(nullptr), m_pDiscovery(new cLinkDiscovery(this)), m_login(*this), m_files(*this),
      m_u16TlsPort(Protocol::TLS_PORT)
{
    connect(m_pDiscovery, &cLinkDiscovery::datagramsArrived, this, &cSSLClient::vGetUdp);

    m_pCloseTimer = new QTimer(this);
    m_pCloseTimer->setSingleShot(true);
    m_pCloseTimer->setInterval(CLOSE_GRACE_MS);
    connect(m_pCloseTimer, &QTimer::timeout, this, &cSSLClient::vCutClosingConnection);

    m_strCurrentChassis = KnownTerminals::strLoadLastChassis();
    m_login.vLoadSettings();
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
    m_login.vSetPasswordProvider(std::move(_fnProvider));
}

void cSSLClient::vSetCertificateQuestionProvider(CertificateQuestionProvider _fnProvider)
{
    m_login.vSetCertificateQuestionProvider(std::move(_fnProvider));
}

void cSSLClient::vSetPorts(quint16 _u16UdpPort, quint16 _u16TlsPort)
{
    m_u16TlsPort = _u16TlsPort;
    m_pDiscovery->vSetPort(_u16UdpPort);
}

void cSSLClient::vSetInterfaceAddresses(const QList<QHostAddress>& _lhaInterfaces)
{
    m_pDiscovery->vSetInterfaceAddresses(_lhaInterfaces);
}

quint16 cSSLClient::u16BoundUdpPort() const
{
    return m_pDiscovery->u16BoundPort();
}

// ---- Discovery ----

QHostAddress cSSLClient::broadcastAddressOf(const QHostAddress& _haInterface) const
{
    return Discovery::broadcastAddressOf(_haInterface);
}

QStringList cSSLClient::slFoundChassis() const
{
    return m_pDiscovery->found().slFoundChassis;
}

void cSSLClient::vSearchTerminals()
{
    m_pDiscovery->vSearch();
}

void cSSLClient::vBroadcastDatagramInInterval()
{
    m_pDiscovery->vQuietSearch();
}

void cSSLClient::vStartQuietSearch()
{
    m_pDiscovery->vStartQuietSearch();
}

void cSSLClient::vStopQuietSearch()
{
    m_pDiscovery->vStopQuietSearch();
}

bool cSSLClient::bQuietSearchRunning() const
{
    return m_pDiscovery->bQuietSearchRunning();
}

void cSSLClient::vSetQuietSearchPeriod(int _s32PeriodMs)
{
    m_pDiscovery->vSetSearchPeriod(_s32PeriodMs);
}

int cSSLClient::s32QuietSearchPeriodMs() const
{
    return m_pDiscovery->s32SearchPeriodMs();
}

void cSSLClient::vGetUdp()
{
    m_pDiscovery->vReadAnswers();
    vDecideAfterBatch();
}

void cSSLClient::vDecideAfterBatch()
{
    const Discovery::FoundTerminals& found = m_pDiscovery->found();
    switch (Discovery::eDecideAfterBatch(found, m_strCurrentChassis, m_pDiscovery->bQuietSearch())) {
    case Discovery::eAfterBatch::ConnectToLast:
        m_haTerminal = found.hashTerminals.value(m_strCurrentChassis);
        emit foundTerminals(found.slFoundChassis);
        vConnectToTerminal();
        break;
    case Discovery::eAfterBatch::QuietStop:
        break;
    case Discovery::eAfterBatch::ShowList:
        emit foundTerminals(found.slFoundChassis);
        emit showTerminalList();
        break;
    case Discovery::eAfterBatch::ConnectToOnly:
        emit foundTerminals(found.slFoundChassis);
        m_haTerminal = found.hashTerminals.value(found.slFoundChassis.first());
        vConnectToTerminal();
        break;
    case Discovery::eAfterBatch::Nothing:
        emit foundTerminals(found.slFoundChassis);
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
    const Discovery::FoundTerminals& found = m_pDiscovery->found();
    if (!found.hashTerminals.contains(_strChassis))
        return;
    m_haTerminal = found.hashTerminals.value(_strChassis);
    m_strCurrentChassis = _strChassis;
    vSearchTerminals();
    vConnectToTerminal();
}

void cSSLClient::vConnectToTerminal()
{
    // A connection now would meet the same certificate and ask once more.
    if (m_login.bQuestionOpen()) {
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
        m_login.vNewConnection();
        m_frameReader.vReset();
        m_files.vNewConnection();
        m_bAttemptOpen = true;
        ++m_u32Connection;
        VEMO_DEBUG(lcTerminal) << "connecting to" << m_haTerminal.toString() << "port" << m_u16TlsPort;
        pSslSocket()->connectToHostEncrypted(m_haTerminal.toString(), m_u16TlsPort, QIODevice::ReadWrite,
                                             QAbstractSocket::AnyIPProtocol);
    }
    m_login.vSaveSettings();
}

void cSSLClient::vIgnoreSSLErrors()
{
    // The terminals carry self-made certificates: every certificate error of
    // this connection is accepted.
    pSslSocket()->ignoreSslErrors();
    const Discovery::FoundTerminals& found = m_pDiscovery->found();
    if (found.hashTerminals.value(m_strCurrentChassis) == m_haTerminal)
        return;
    m_strCurrentChassis.clear();
    for (auto it = found.hashTerminals.cbegin(); it != found.hashTerminals.cend(); ++it) {
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
    m_login.vCertificateShown(pSslSocket()->peerCertificate());
    vSendMessage(Protocol::LOGIN);
}

void cSSLClient::vDisconnect(bool _bByUser)
{
    VEMO_DEBUG(lcTerminal) << (_bByUser ? "closing, by the user" : "closing") << "in state" << eSslState();
    // The pages hear of the end from here, not from the socket's signals. An
    // open certificate question is left unanswered: the user has gone on.
    m_bAttemptOpen = false;
    m_login.vDropQuestion();
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
    m_files.vSent(_baMessage);
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
        m_login.vSerialNumberAnnounced(rest);
        break;
    case eAnswerRow::PwRequestFalse:
        m_login.vPasswordRefused();
        break;
    case eAnswerRow::PwRequestTrue:
        m_login.vLoginAccepted(rest, true);
        break;
    case eAnswerRow::ConnectionKnown:
        m_login.vConnectionKnown(rest);
        break;
    case eAnswerRow::ConnectionEstablished:
        m_login.vConnectionEstablished(rest);
        break;
    case eAnswerRow::ConnectionFailed:
        m_login.vForgetPasswordAndRetry();
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

void cSSLClient::vSessionLoggedIn(const QByteArray& _baFields)
{
    vApplyStatusFields(_baFields);
    vPublishConnectionState(true, false);
}

void cSSLClient::vApplyStatusFields(const QByteArray& _baFields)
{
    const StatusFields fields = statusFieldsFrom(_baFields);
    if (fields.eLightSwitch != eSwitchState::Unchanged)
        emit lightSwitchReported(fields.eLightSwitch == eSwitchState::On);
    if (fields.eExpertMode != eSwitchState::Unchanged)
        emit expertModeReported(fields.eExpertMode == eSwitchState::On);
}

void cSSLClient::vSessionHalt()
{
    m_bAttemptOpen = false;
    m_baLastCommand.clear();
    m_pCloseTimer->stop();
    pSslSocket()->abort();
}

// ---- Files ----

void cSSLClient::vStoreReceivedFile(const QByteArray& _baKind, const QByteArray& _baFile)
{
    m_files.vStoreReceivedFile(_baKind, _baFile);
}

void cSSLClient::vSessionFileReady(const QString& _strPath, const QString& _strName)
{
    // Read now, before another message of the same read could replace the
    // file, with the machine of this connection.
    QByteArray baContent;
    const bool bStored = _strName != QLatin1String("nofile");
    if (bStored) {
        QFile file(_strPath);
        if (file.open(QIODevice::ReadOnly))
            baContent = file.readAll();
    }
    const QString strSerial = QString::fromLatin1(m_login.baSessionSerial());
    vAfterRead([this, _strPath, _strName, bStored, baContent, strChassis = m_strCurrentChassis, strSerial] {
        emit hideSettingsPage();
        emit fileReceived(_strPath, _strName);
        if (bStored)
            emit listFileStored(_strName, baContent, strChassis, strSerial);
    });
}

void cSSLClient::vSendFileFromPath(const QString& _strPath, const QString& _strKind)
{
    m_files.vSendFileFromPath(_strPath, _strKind);
}

void cSSLClient::vSendFile(const QByteArray& _baKind)
{
    m_files.vSendFile(_baKind);
}
