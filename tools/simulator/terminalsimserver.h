#pragma once

#include "tools/simulator/simcertificate.h"
#include "tools/simulator/simconfig.h"
#include "tools/simulator/simmachinestate.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QTcpServer>

class QUdpSocket;
class cSimSession;

// A stand-in for the harvester's cab terminal: answers discovery datagrams,
// serves TLS connections and speaks the terminal's side of the protocol
// (login, downloads, uploads, live records, switches). Usable in-process by
// tests and as the program vemo-terminal-sim.
class cTerminalSimServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit cTerminalSimServer(const SimConfig& _config, QObject* parent = nullptr);
    ~cTerminalSimServer() override;

    // Loads or makes the certificate, opens the UDP and the TLS port.
    bool bStart(QString& _strError);

    const SimConfig& config() const { return m_config; }
    quint16 u16TlsPort() const { return serverPort(); }
    quint16 u16UdpPort() const;
    // Sends the discovery answer straight to an address, as if a broadcast
    // had been heard from there.
    void vAnnounceTo(const QHostAddress& _haTarget, quint16 _u16Port);

    // Every message payload received from clients, in order.
    const QList<QByteArray>& lbaReceived() const { return m_lbaReceived; }
    int s32OpenSessions() const { return m_lpSessions.size(); }
    // Writes bytes as they are, without a length header, to every client.
    void vSendRawToAll(const QByteArray& _baRaw);

    // Shared terminal state, used by the sessions.
    bool bLightSwitch = false;
    bool bExpertMode = false;
    cSimMachineState machineState;
    // The fault mode strikes once per run, at the first download.
    bool bFaultPending = true;

    bool bIsBusyFor(const cSimSession* _pSession) const;
    void vSetLoggedIn(cSimSession* _pSession);
    bool bIsKnownClient(const QString& _strClient) const;
    void vRememberClient(const QString& _strClient, bool _bKnown);
    void vRecordReceived(const QByteArray& _baMessage);
    void vSessionClosed(cSimSession* _pSession);

signals:
    void messageReceived(const QByteArray& _baMessage);
    void sessionsChanged(int _s32Open);

protected:
    void incomingConnection(qintptr _socketDescriptor) override;

private slots:
    void vReadDatagrams();

private:
    void vLoadState();
    void vSaveState() const;

    SimConfig m_config;
    SimCertificate m_certificate;
    QUdpSocket* m_pUdpSocket = nullptr;
    QList<cSimSession*> m_lpSessions;
    cSimSession* m_pLoggedIn = nullptr;
    QSet<QString> m_setKnownClients;
    QList<QByteArray> m_lbaReceived;
};
