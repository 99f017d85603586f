#include "terminal/linkdiscovery.h"

#include "terminal/logging.h"
#include "terminal/protocol.h"

#include <QNetworkInterface>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

cLinkDiscovery::cLinkDiscovery(QObject* _pParent)
    : QObject(_pParent), m_u16UdpPort(Protocol::UDP_PORT),
      m_s32SearchPeriodMs(Protocol::QUIET_SEARCH_PERIOD_MS)
{
    m_pUdpSocket = new QUdpSocket(this);
    // The result is not examined: without the port the link still connects by
    // selection, it only hears no answers.
    m_pUdpSocket->bind(m_u16UdpPort);
    connect(m_pUdpSocket, &QUdpSocket::readyRead, this, &cLinkDiscovery::datagramsArrived);
}

cLinkDiscovery::~cLinkDiscovery()
{
    vStopQuietSearch();
}

void cLinkDiscovery::vSearch()
{
    m_bQuietSearch = false;
    vBroadcast();
}

void cLinkDiscovery::vQuietSearch()
{
    // The periodic timer runs in a thread of its own; the socket and the flag
    // belong to this object's thread, so the work is queued over to it.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, &cLinkDiscovery::vQuietSearch, Qt::QueuedConnection);
        return;
    }
    m_bQuietSearch = true;
    vBroadcast();
}

void cLinkDiscovery::vBroadcast()
{
    const QList<QHostAddress> interfaces =
        m_bFixedInterfaces ? m_lhaInterfaces : QNetworkInterface::allAddresses();
    const QByteArray datagram = Discovery::baRequestDatagram();
    const QList<QHostAddress> targets = Discovery::lhaBroadcastTargets(interfaces);
    VEMO_LINK_DEBUG(lcDiscovery) << (m_bQuietSearch ? "quiet search to" : "search to") << targets << "port"
                                 << m_u16UdpPort;
    for (const QHostAddress& target : targets)
        m_pUdpSocket->writeDatagram(datagram, target, m_u16UdpPort);
}

void cLinkDiscovery::vReadAnswers()
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
        VEMO_LINK_DEBUG(lcDiscovery) << "answer of" << chassis << "from" << sender.toString();
        Discovery::bAddAnswer(m_found, chassis, sender);
    }
}

void cLinkDiscovery::vStartQuietSearch()
{
    if (m_pSearchThread)
        return;
    // The thread ends on quietSearchStopped(); its end deletes the timer in
    // the timer's own thread, and then the thread itself.
    auto* pThread = new QThread();
    auto* pTimer = new QTimer();
    pTimer->setInterval(m_s32SearchPeriodMs);
    pTimer->moveToThread(pThread);
    connect(pThread, &QThread::started, pTimer, QOverload<>::of(&QTimer::start));
    connect(this, &cLinkDiscovery::quietSearchStopped, pThread, &QThread::quit);
    connect(pThread, &QThread::finished, pTimer, &QObject::deleteLater);
    connect(pThread, &QThread::finished, pThread, &QObject::deleteLater);
    connect(
        pTimer, &QTimer::timeout, pTimer, [this] { vQuietSearch(); }, Qt::DirectConnection);
    m_pSearchThread = pThread;
    pThread->start(QThread::InheritPriority);
}

void cLinkDiscovery::vStopQuietSearch()
{
    if (!m_pSearchThread)
        return;
    QThread* pThread = m_pSearchThread;
    m_pSearchThread.clear();
    emit quietSearchStopped();
    // No time-out may reach this object once it is gone or searches no more.
    pThread->wait();
}

void cLinkDiscovery::vSetSearchPeriod(int _s32PeriodMs)
{
    m_s32SearchPeriodMs = _s32PeriodMs;
}

void cLinkDiscovery::vSetPort(quint16 _u16UdpPort)
{
    const bool bBound = m_pUdpSocket->state() == QAbstractSocket::BoundState;
    if (bBound && (_u16UdpPort == m_u16UdpPort || _u16UdpPort == m_pUdpSocket->localPort()))
        return;
    m_u16UdpPort = _u16UdpPort;
    m_pUdpSocket->close();
    m_pUdpSocket->bind(m_u16UdpPort);
}

quint16 cLinkDiscovery::u16BoundPort() const
{
    return m_pUdpSocket->localPort();
}

void cLinkDiscovery::vSetInterfaceAddresses(const QList<QHostAddress>& _lhaInterfaces)
{
    m_bFixedInterfaces = true;
    m_lhaInterfaces = _lhaInterfaces;
}
