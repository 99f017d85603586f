#pragma once

#include "terminal/csslclient.h"
#include "tools/simulator/terminalsimserver.h"

#include <QDebug>

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

} // namespace SimFixture
