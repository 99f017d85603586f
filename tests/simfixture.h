#pragma once

#include "terminal/csslclient.h"
#include "tools/simulator/terminalsimserver.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSslSocket>

#include <memory>

// The terminal link against an in-process simulated terminal on loopback.
namespace SimFixture
{

// A started simulator; a failure to start is logged, the tests then fail on
// their first wait.
inline std::unique_ptr<cTerminalSimServer> pStart(const SimConfig& _config)
{
    auto server = std::make_unique<cTerminalSimServer>(_config);
    QString error;
    if (!server->bStart(error))
        qWarning() << error;
    return server;
}

// The first connection goes through a discovery answer; later ones reconnect
// to the address found then.
inline void vConnect(cSSLClient* _pClient, cTerminalSimServer* _pServer, bool& _bAnnounced)
{
    _pClient->vSetPorts(_pClient->u16BoundUdpPort(), _pServer->u16TlsPort());
    if (!_bAnnounced) {
        _bAnnounced = true;
        _pServer->vAnnounceTo(QHostAddress::LocalHost, _pClient->u16BoundUdpPort());
    } else {
        _pClient->vConnectToTerminal();
    }
}

// No connection of the link is up or on its way. The link starts a
// connection at once when it tries one, so right after the handler that
// might have tried, this shows that it did not, without waiting.
inline bool bNoConnection(cSSLClient* _pClient)
{
    const QSslSocket* pSocket = _pClient->findChild<QSslSocket*>();
    return !pSocket || pSocket->state() == QAbstractSocket::UnconnectedState;
}

// Delivers the reports the link has queued for after its handler.
inline void vDeliverQueuedReports()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace SimFixture
