#include "tools/simulator/terminalsimserver.h"

#include "data/filewriter.h"
#include "terminal/discovery.h"
#include "tools/simulator/simsession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSslSocket>
#include <QUdpSocket>

bool bFaultFromName(const QString& _strName, SimConfig::eFault& _eFault)
{
    static const QList<QPair<QString, SimConfig::eFault>> names = {
        {QStringLiteral("none"), SimConfig::eFault::None},
        {QStringLiteral("close-mid-frame"), SimConfig::eFault::CloseMidFrame},
        {QStringLiteral("negative-length"), SimConfig::eFault::NegativeLength},
        {QStringLiteral("huge-length"), SimConfig::eFault::HugeLength},
        {QStringLiteral("garbage"), SimConfig::eFault::Garbage},
        {QStringLiteral("evil-name"), SimConfig::eFault::EvilName},
    };
    for (const auto& entry : names) {
        if (entry.first == _strName) {
            _eFault = entry.second;
            return true;
        }
    }
    return false;
}

cTerminalSimServer::cTerminalSimServer(const SimConfig& _config, QObject* parent)
    : QTcpServer(parent), m_config(_config)
{
    vLoadState();
}

cTerminalSimServer::~cTerminalSimServer()
{
    close();
    // The sessions end before the members they report to go away.
    const QList<cSimSession*> sessions = m_lpSessions;
    m_lpSessions.clear();
    m_pLoggedIn = nullptr;
    for (cSimSession* session : sessions)
        session->vShutDown();
}

bool cTerminalSimServer::bStart(QString& _strError)
{
    if (!QSslSocket::supportsSsl()) {
        _strError = QStringLiteral("this Qt has no TLS support");
        return false;
    }
    if (!bLoadOrCreateCertificate(m_config.strCertFolder, m_config.bNewCertificate, m_certificate, _strError))
        return false;
    m_pUdpSocket = new QUdpSocket(this);
    // Broadcasts are addressed to the network's broadcast address, which a
    // socket bound to one host address never hears: discovery listens on all.
    if (!m_pUdpSocket->bind(QHostAddress::Any, m_config.u16UdpPort)) {
        _strError =
            QStringLiteral("UDP port %1: %2").arg(m_config.u16UdpPort).arg(m_pUdpSocket->errorString());
        return false;
    }
    connect(m_pUdpSocket, &QUdpSocket::readyRead, this, &cTerminalSimServer::vReadDatagrams);
    if (!listen(m_config.haBind, m_config.u16TlsPort)) {
        _strError = QStringLiteral("TLS port %1: %2").arg(m_config.u16TlsPort).arg(errorString());
        return false;
    }
    return true;
}

quint16 cTerminalSimServer::u16UdpPort() const
{
    return m_pUdpSocket ? m_pUdpSocket->localPort() : 0;
}

void cTerminalSimServer::vAnnounceTo(const QHostAddress& _haTarget, quint16 _u16Port)
{
    if (m_pUdpSocket)
        m_pUdpSocket->writeDatagram(Discovery::baAnswerDatagram(m_config.strChassis), _haTarget, _u16Port);
}

void cTerminalSimServer::vReadDatagrams()
{
    while (m_pUdpSocket->hasPendingDatagrams()) {
        QByteArray datagram(int(qMax<qint64>(0, m_pUdpSocket->pendingDatagramSize())), '\0');
        QHostAddress sender;
        quint16 port = 0;
        const qint64 read = m_pUdpSocket->readDatagram(datagram.data(), datagram.size(), &sender, &port);
        datagram.truncate(int(qMax<qint64>(0, read)));
        // The app sends from the port it listens on, so the answer goes back
        // to the sender's port.
        if (datagram == Discovery::baRequestDatagram())
            m_pUdpSocket->writeDatagram(Discovery::baAnswerDatagram(m_config.strChassis), sender, port);
    }
}

void cTerminalSimServer::incomingConnection(qintptr _socketDescriptor)
{
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(_socketDescriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(m_certificate.certificate);
    socket->setPrivateKey(m_certificate.key);
    socket->setPeerVerifyMode(QSslSocket::VerifyNone);
    auto* session = new cSimSession(socket, this);
    m_lpSessions.append(session);
    socket->startServerEncryption();
    emit sessionsChanged(m_lpSessions.size());
}

void cTerminalSimServer::vSendRawToAll(const QByteArray& _baRaw)
{
    for (cSimSession* session : qAsConst(m_lpSessions))
        session->vSendRaw(_baRaw);
}

bool cTerminalSimServer::bIsBusyFor(const cSimSession* _pSession) const
{
    return m_config.bBusy || (m_pLoggedIn && m_pLoggedIn != _pSession);
}

void cTerminalSimServer::vSetLoggedIn(cSimSession* _pSession)
{
    m_pLoggedIn = _pSession;
}

bool cTerminalSimServer::bIsKnownClient(const QString& _strClient) const
{
    return m_setKnownClients.contains(_strClient);
}

void cTerminalSimServer::vRememberClient(const QString& _strClient, bool _bKnown)
{
    if (_bKnown)
        m_setKnownClients.insert(_strClient);
    else
        m_setKnownClients.remove(_strClient);
    vSaveState();
}

void cTerminalSimServer::vRecordReceived(const QByteArray& _baMessage)
{
    m_lbaReceived.append(_baMessage);
    emit messageReceived(_baMessage);
}

void cTerminalSimServer::vSessionClosed(cSimSession* _pSession)
{
    m_lpSessions.removeAll(_pSession);
    if (m_pLoggedIn == _pSession)
        m_pLoggedIn = nullptr;
    emit sessionsChanged(m_lpSessions.size());
}

void cTerminalSimServer::vLoadState()
{
    if (m_config.strStateFile.isEmpty())
        return;
    QFile file(m_config.strStateFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            m_setKnownClients.insert(QString::fromUtf8(line.trimmed()));
    }
}

void cTerminalSimServer::vSaveState() const
{
    if (m_config.strStateFile.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_config.strStateFile).absolutePath());
    QByteArray baState;
    for (const QString& client : m_setKnownClients)
        baState += client.toUtf8() + '\n';
    FileWriter::bWrite(m_config.strStateFile, baState, nullptr, QIODevice::Text);
}
