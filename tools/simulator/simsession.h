#pragma once

#include "terminal/framing.h"

#include <QByteArray>
#include <QObject>

class QSslSocket;
class QTimer;
class cTerminalSimServer;

// One client connection of the simulated terminal.
class cSimSession : public QObject
{
    Q_OBJECT

public:
    cSimSession(QSslSocket* _pSocket, cTerminalSimServer* _pServer);

    QString strClient() const { return m_strClient; }
    bool bLoggedIn() const { return m_bLoggedIn; }
    // Writes bytes as they are, without a length header.
    void vSendRaw(const QByteArray& _baRaw);
    // Drops the connection without telling the server (which is going away).
    void vShutDown();

private slots:
    void vRead();
    void vSendLiveRecord();
    void vBreakConnection();
    void vClosed();

private:
    void vHandle(const QByteArray& _baMessage);
    void vLogin();
    void vCheckPassword(const QByteArray& _baMessage, bool _bKnownPath);
    void vAccept(const char* _strPrefix);
    void vDownload(const QByteArray& _baKind);
    void vImport(const QByteArray& _baMessage);
    void vStartLive(const QByteArray& _baMessage);
    void vSwitch(const QByteArray& _baMessage, bool& _bState, const char* _strName);
    // Sends one frame.
    void vSend(const QByteArray& _baPayload);
    // The faults of the first download; true when the normal answer must not follow.
    bool bInjectFault(const QByteArray& _baAnswer);

    QSslSocket* m_pSocket;
    cTerminalSimServer* m_pServer;
    QString m_strClient;
    cFrameReader m_reader;
    QTimer* m_pLiveTimer;
    bool m_bLoggedIn = false;
    bool m_bClosed = false;
};
