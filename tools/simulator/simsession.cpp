#include "tools/simulator/simsession.h"

#include "terminal/dispatch.h"
#include "terminal/filemessage.h"
#include "terminal/liverecordencoder.h"
#include "terminal/protocol.h"
#include "tools/simulator/simdatafolder.h"
#include "tools/simulator/terminalsimserver.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSslSocket>
#include <QTimer>
#include <QtEndian>

namespace
{

const char* const s_aKinds[] = {Protocol::KIND_ORDERS,    Protocol::KIND_FIELDS, Protocol::KIND_DRIVERS,
                                Protocol::KIND_CUSTOMERS, Protocol::KIND_SEASON, Protocol::KIND_MACHINE};

bool bIsDownloadRequest(const QByteArray& _baMessage)
{
    for (const char* kind : s_aKinds) {
        if (_baMessage == kind)
            return true;
    }
    return false;
}

QString strClientOf(const QHostAddress& _haPeer)
{
    bool bIsV4 = false;
    const quint32 v4 = _haPeer.toIPv4Address(&bIsV4);
    return bIsV4 ? QHostAddress(v4).toString() : _haPeer.toString();
}

} // namespace

cSimSession::cSimSession(QSslSocket* _pSocket, cTerminalSimServer* _pServer)
    : QObject(_pServer), m_pSocket(_pSocket), m_pServer(_pServer), m_pLiveTimer(new QTimer(this))
{
    m_strClient = strClientOf(m_pSocket->peerAddress());
    connect(m_pSocket, &QSslSocket::readyRead, this, &cSimSession::vRead);
    connect(m_pSocket, &QSslSocket::disconnected, this, &cSimSession::vClosed);
    connect(m_pSocket, &QSslSocket::errorOccurred, this, [this] {
        if (m_pSocket->state() == QAbstractSocket::UnconnectedState)
            vClosed();
    });
    connect(m_pLiveTimer, &QTimer::timeout, this, &cSimSession::vSendLiveRecord);
}

void cSimSession::vRead()
{
    m_reader.vAppend(m_pSocket->readAll());
    QByteArray message;
    for (;;) {
        const cFrameReader::eNext next = m_reader.eTakeNext(message);
        if (next == cFrameReader::eNext::NeedMore)
            return;
        if (next == cFrameReader::eNext::Error) {
            m_pSocket->abort();
            return;
        }
        vHandle(message);
    }
}

void cSimSession::vHandle(const QByteArray& _baMessage)
{
    m_pServer->vRecordReceived(_baMessage);
    if (_baMessage == Protocol::LOGIN)
        vLogin();
    else if (_baMessage.startsWith(Protocol::LOGIN_PW))
        vCheckPassword(_baMessage, false);
    else if (_baMessage.startsWith(Protocol::PW))
        vCheckPassword(_baMessage, true);
    else if (!m_bLoggedIn)
        vSend(Protocol::NO_PERMISSION);
    else if (bIsDownloadRequest(_baMessage))
        vDownload(_baMessage);
    else if (_baMessage.startsWith(Protocol::SEND_FILE))
        vImport(_baMessage);
    else if (_baMessage.startsWith(Protocol::START_LIVE))
        vStartLive(_baMessage);
    else if (_baMessage == Protocol::STOP_LIVE)
        m_pLiveTimer->stop();
    else if (_baMessage.startsWith(Protocol::EXPERT_MODE))
        vSwitch(_baMessage, m_pServer->bExpertMode, Protocol::EXPERT_MODE);
    else if (_baMessage.startsWith(Protocol::LIGHT_SWITCH))
        vSwitch(_baMessage, m_pServer->bLightSwitch, Protocol::LIGHT_SWITCH);
}

void cSimSession::vLogin()
{
    const SimConfig& config = m_pServer->config();
    if (m_pServer->bIsBusyFor(this))
        vSend(Protocol::BUSY);
    else if (config.bNoPassword)
        vAccept(Protocol::CONNECTION_ESTABLISHED);
    else if (config.bClaimKnown || m_pServer->bIsKnownClient(m_strClient))
        vSend(QByteArray(Protocol::CONNECTION_KNOWN) + config.strSerial.toUtf8());
    else
        vSend(QByteArray(Protocol::SERIAL_NUMBER) + config.strSerial.toUtf8());
}

void cSimSession::vCheckPassword(const QByteArray& _baMessage, bool _bKnownPath)
{
    const SimConfig& config = m_pServer->config();
    if (m_pServer->bIsBusyFor(this)) {
        vSend(Protocol::BUSY);
        return;
    }
    const QByteArray prefix =
        baPasswordMessage(_bKnownPath ? Protocol::PW : Protocol::LOGIN_PW, QByteArray());
    const bool bCorrect = !config.bRefusePassword && _baMessage.startsWith(prefix) &&
                          _baMessage.mid(prefix.size()) == config.baPassword;
    if (bCorrect) {
        m_pServer->vRememberClient(m_strClient, true);
        vAccept(Protocol::PW_REQUEST_TRUE);
    } else if (_bKnownPath) {
        m_pServer->vRememberClient(m_strClient, false);
        vSend(Protocol::CONNECTION_FAILED);
    } else {
        vSend(Protocol::PW_REQUEST_FALSE);
    }
}

void cSimSession::vAccept(const char* _strPrefix)
{
    m_bLoggedIn = true;
    m_pServer->vSetLoggedIn(this);
    vSend(QByteArray(_strPrefix) + baStatusFields(m_pServer->bLightSwitch, m_pServer->bExpertMode));
    const SimConfig& config = m_pServer->config();
    if (!config.strUnaskedName.isEmpty())
        vSend(FileMessage::baStartFileMessage(config.baUnaskedKind, config.strUnaskedName.toUtf8(),
                                              config.baUnaskedContent));
    const int breakAfter = m_pServer->config().s32BreakAfterMs;
    if (breakAfter >= 0)
        QTimer::singleShot(breakAfter, this, &cSimSession::vBreakConnection);
}

void cSimSession::vDownload(const QByteArray& _baKind)
{
    const SimConfig& config = m_pServer->config();
    if (config.bDenyDownloads) {
        vSend(Protocol::NO_PERMISSION);
        return;
    }
    const QString path = SimDataFolder::strFileOfKind(config.strDataFolder, QString::fromLatin1(_baKind));
    QString name =
        path.isEmpty() ? QString::fromLatin1(_baKind) + QStringLiteral(".csv") : QFileInfo(path).fileName();
    QByteArray content;
    if (!path.isEmpty()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            content = SimDataFolder::baContentForSending(file.readAll());
    }
    if (config.eFaultMode == SimConfig::eFault::EvilName)
        name = QStringLiteral("../") + name;
    const QByteArray answer = FileMessage::baStartFileMessage(_baKind, name.toUtf8(), content);
    if (!bInjectFault(answer))
        vSend(answer);
}

bool cSimSession::bInjectFault(const QByteArray& _baAnswer)
{
    if (!m_pServer->bFaultPending)
        return false;
    m_pServer->bFaultPending = false;
    switch (m_pServer->config().eFaultMode) {
    case SimConfig::eFault::CloseMidFrame: {
        const QByteArray frame = baFrame(_baAnswer);
        vSendRaw(frame.left(qMax(6, frame.size() / 2)));
        m_pSocket->disconnectFromHost();
        return true;
    }
    case SimConfig::eFault::NegativeLength:
        vSendRaw(baLengthHeader(-5));
        vSend(_baAnswer);
        return true;
    case SimConfig::eFault::HugeLength:
        vSendRaw(baLengthHeader(0x7FFFFFF0));
        vSendRaw(_baAnswer);
        return true;
    case SimConfig::eFault::Garbage: {
        QByteArray garbage(64, '\0');
        for (char& c : garbage)
            c = char(QRandomGenerator::global()->bounded(256));
        garbage[0] = '\xff'; // no answer of the protocol starts so
        vSend(garbage);
        return false;
    }
    case SimConfig::eFault::None:
    case SimConfig::eFault::EvilName:
        break;
    }
    return false;
}

void cSimSession::vImport(const QByteArray& _baMessage)
{
    QByteArray kind;
    QByteArray content;
    const bool bStored =
        FileMessage::bParseSendFilePayload(_baMessage, kind, content) &&
        SimDataFolder::bStoreImport(m_pServer->config().strDataFolder, QString::fromLatin1(kind), content);
    vSend(bStored ? Protocol::IMPORT_SUCCEEDED : Protocol::IMPORT_FAILED);
}

void cSimSession::vStartLive(const QByteArray& _baMessage)
{
    const QByteArray interval = _baMessage.mid(Protocol::s32Length(Protocol::START_LIVE), 2);
    int milliseconds = interval.size() == 2 ? qFromLittleEndian<quint16>(interval.constData()) : 0;
    if (milliseconds <= 0)
        milliseconds = 1000;
    m_pLiveTimer->start(qMax(100, milliseconds));
    vSendLiveRecord();
}

void cSimSession::vSendLiveRecord()
{
    vSend(LiveRecordEncoder::baLiveMessage(m_pServer->machineState.mapStep()));
}

void cSimSession::vSwitch(const QByteArray& _baMessage, bool& _bState, const char* _strName)
{
    const QByteArray rest = _baMessage.mid(Protocol::s32Length(_strName));
    if (rest == Protocol::SWITCH_ON)
        _bState = true;
    else if (rest == Protocol::SWITCH_OFF)
        _bState = false;
    else
        return;
    vSend(Protocol::baSwitchReport(_strName, _bState));
}

void cSimSession::vBreakConnection()
{
    if (m_bClosed)
        return;
    vSend(Protocol::BREAK_CONNECTION);
    m_pSocket->disconnectFromHost();
}

void cSimSession::vSend(const QByteArray& _baPayload)
{
    vSendRaw(baFrame(_baPayload));
}

void cSimSession::vSendRaw(const QByteArray& _baRaw)
{
    if (!m_bClosed && m_pSocket->state() == QAbstractSocket::ConnectedState)
        m_pSocket->write(_baRaw);
}

void cSimSession::vShutDown()
{
    m_bClosed = true;
    m_pLiveTimer->stop();
    QObject::disconnect(m_pSocket, nullptr, this, nullptr);
    m_pSocket->abort();
}

void cSimSession::vClosed()
{
    if (m_bClosed)
        return;
    m_bClosed = true;
    m_pLiveTimer->stop();
    m_pServer->vSessionClosed(this);
    m_pSocket->deleteLater();
    deleteLater();
}
