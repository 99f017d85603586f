#pragma once

#include "terminal/discovery.h"
#include "terminal/framing.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QDialog>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QSslSocket;
class QUdpSocket;

// The link to the harvester terminal: finds terminals by UDP broadcast, keeps
// at most one TLS connection, logs in, frames and dispatches the messages and
// stores received files. It is never shown; it derives from QDialog only to
// serve as the signal/slot object of the pages.
//
// The link knows no page. It reports through signals, which the application
// connects to the pages (settings page, main window, statistics pages, in
// that order, for the connection state).
class cSSLClient : public QDialog
{
    Q_OBJECT

public:
    // Asks for the password of a terminal met for the first time; false when
    // the user cancels. The default shows the password dialog.
    using PasswordProvider = std::function<bool(QByteArray& _baPassword)>;

    static cSSLClient* instance();

    // Discovery.
    void vSearchTerminals();
    QHostAddress broadcastAddressOf(const QHostAddress& _haInterface) const;

    // Connection.
    void vSelectTerminal(const QString& _strChassis);
    void vConnectToTerminal();
    void vDisconnect(bool _bByUser);
    void vSendMessage(const QByteArray& _baMessage);
    void vReadAnswer(const QByteArray& _baAnswer);

    // Files.
    void vStoreReceivedFile(const QByteArray& _baFile);
    void vSendFileFromPath(const QString& _strPath, const QString& _strKind);
    void vSendFile(const QByteArray& _baKind);

    bool bConnected() const { return m_bConnected; }
    QString strCurrentChassis() const { return m_strCurrentChassis; }
    QStringList slFoundChassis() const { return m_found.slFoundChassis; }

    void vSetPasswordProvider(PasswordProvider _fnProvider);

    // For tests and tools: other ports than 33555 (UDP, rebinds the socket) and
    // 35683 (TLS, used from the next connection on), and a fixed list of
    // interface addresses in place of the machine's.
    void vSetPorts(quint16 _u16UdpPort, quint16 _u16TlsPort);
    void vSetInterfaceAddresses(const QList<QHostAddress>& _lhaInterfaces);
    quint16 u16BoundUdpPort() const;

signals:
    void connectionStateChanged(bool _bConnected, bool _bByUser, const QString& _strChassis);
    // The whole found list, handed over after every batch of answers that
    // may lead somewhere; showTerminalList() asks to show the list page.
    void foundTerminals(const QStringList& _slChassis);
    void showTerminalList();
    void hideSettingsPage();
    // A stored file, or "empty" and "nofile" when the terminal has no such file.
    void fileReceived(const QString& _strPath, const QString& _strName);
    // The bytes behind "=$LiveData:".
    void liveDataReceived(const QByteArray& _baRecord);
    void expertModeReported(bool _bOn);
    void lightSwitchReported(bool _bOn);
    // A translated text for a message box.
    void messageForUser(const QString& _strTranslatedText);

public slots:
    void vGetUdp();
    void vIgnoreSSLErrors();
    void vSocketEncrypted();
    void vSetConnectionFlagToFalse();
    void vReceiveEntireMessage();
    // The periodic quiet search; safe to call from the timer's thread.
    void vBroadcastDatagramInInterval();

private slots:
    void vSocketFailed(QAbstractSocket::SocketError _eError);

private:
    cSSLClient();

    void vBroadcast();
    void vDecideAfterBatch();
    void vLoadSettings();
    void vSaveSettings();
    void vPublishConnectionState(bool _bConnected, bool _bByUser);
    // The connection went away without vDisconnect(): tell the pages once.
    void vConnectionLost();
    void vDropBrokenConnection();
    void vApplyStatusFields(const QByteArray& _baFields);

    // Login steps.
    void vAskForPassword(const QByteArray& _baAnswer);
    void vPasswordRefused();
    void vLoginAccepted(const QByteArray& _baFields, bool _bRememberTerminal);
    void vSendStoredPassword(const QByteArray& _baAnswer);
    void vForgetPasswordAndRetry();

    QUdpSocket* m_pUdpSocket = nullptr;
    QSslSocket* m_pSslSocket = nullptr;
    bool m_bQuietSearch = false;
    bool m_bConnected = false;
    Discovery::FoundTerminals m_found;
    QHostAddress m_haTerminal;
    QString m_strCurrentChassis;
    QByteArray m_baSerialNumber;
    QByteArray m_baPassword;
    QList<QByteArray> m_lbaKnownTerminals;
    QString m_strSendFilePath;
    cFrameReader m_frameReader;
    QByteArray m_baLastCommand;

    // A connection was opened and its loss has not been told yet.
    bool m_bAttemptOpen = false;
    // vDisconnect() is closing the socket and tells the pages itself.
    bool m_bDisconnecting = false;

    quint16 m_u16UdpPort;
    quint16 m_u16TlsPort;
    bool m_bFixedInterfaces = false;
    QList<QHostAddress> m_lhaInterfaces;
    PasswordProvider m_fnPasswordProvider;
};
