#pragma once

#include "terminal/framing.h"
#include "terminal/linkfiletransfer.h"
#include "terminal/linklogin.h"
#include "terminal/linksession.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QSslSocket;
class QTimer;
class cLinkDiscovery;

// The link to the harvester terminal: finds terminals by UDP broadcast, keeps
// at most one TLS connection, logs in, frames and dispatches the messages and
// stores received files. It needs no widget: Qt's Core and Network only.
//
// The link knows no page. It reports through signals, which the application
// connects to the pages (settings page, main window, statistics pages, in
// that order, for the connection state). Nothing the link does waits: the
// reports that pages answer with a message box (messages, received files)
// come after the socket's handler has returned, the password and the trust in
// a changed certificate are asked for without an event loop of their own and
// a connection closes in the background.
//
// The terminals carry self-made certificates. The one a terminal shows at its
// first contact is taken and its fingerprint kept with the terminal's chassis
// and serial numbers; a later connection that shows another one under either
// name is stopped at the terminal's first login answer, before any password
// goes out or a login counts, and the user decides whether to trust the new
// one. What this cannot tell apart is a rogue device that the user lets in at
// its own first contact.
class cSSLClient : public QObject, private cLinkSession
{
    Q_OBJECT

public:
    // The password dialog and the question about a changed certificate
    // (app/firstcontact.h) answer through these; see terminal/linklogin.h.
    using PasswordRequest = cLinkLogin::PasswordRequest;
    using PasswordAnswer = cLinkLogin::PasswordAnswer;
    using PasswordProvider = cLinkLogin::PasswordProvider;
    using CertificateQuestion = cLinkLogin::CertificateQuestion;
    using CertificateAnswer = cLinkLogin::CertificateAnswer;
    using CertificateQuestionProvider = cLinkLogin::CertificateQuestionProvider;

    // How long a connection the link closes may go on writing what is left
    // before it is cut.
    static constexpr int CLOSE_GRACE_MS = 1000;

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

    // Files. A received file is stored only when a download of its kind is
    // pending and its name is that of a list; anything else is logged as an
    // unexpected file and dropped.
    void vStoreReceivedFile(const QByteArray& _baKind, const QByteArray& _baFile);
    void vSendFileFromPath(const QString& _strPath, const QString& _strKind);
    void vSendFile(const QByteArray& _baKind);
    // The bytes the frame reader has copied over all connections: it grows
    // with the bytes received, whatever the number of frames in them.
    qint64 s64FrameBytesMoved() const { return m_frameReader.s64BytesMoved(); }

    bool bConnected() const { return m_bConnected; }
    QString strCurrentChassis() const { return m_strCurrentChassis; }
    QStringList slFoundChassis() const;

    void vSetPasswordProvider(PasswordProvider _fnProvider);
    void vSetCertificateQuestionProvider(CertificateQuestionProvider _fnProvider);

    // For tests and tools: other ports than 33555 (UDP, rebinds the socket) and
    // 35683 (TLS, used from the next connection on), and a fixed list of
    // interface addresses in place of the machine's.
    void vSetPorts(quint16 _u16UdpPort, quint16 _u16TlsPort);
    void vSetInterfaceAddresses(const QList<QHostAddress>& _lhaInterfaces);
    quint16 u16BoundUdpPort() const;
    // The quiet periodic search, repeated every QUIET_SEARCH_PERIOD_MS
    // (terminal/protocol.h) unless set otherwise, from the next start on.
    void vStartQuietSearch();
    void vStopQuietSearch();
    bool bQuietSearchRunning() const;
    void vSetQuietSearchPeriod(int _s32PeriodMs);
    int s32QuietSearchPeriodMs() const;

signals:
    void connectionStateChanged(bool _bConnected, bool _bByUser, const QString& _strChassis);
    // The whole found list, handed over after every batch of answers that
    // may lead somewhere; showTerminalList() asks to show the list page.
    void foundTerminals(const QStringList& _slChassis);
    void showTerminalList();
    void hideSettingsPage();
    // A stored file, or "empty" and "nofile" when the terminal has no such file.
    void fileReceived(const QString& _strPath, const QString& _strName);
    // The same stored file's bytes as they were written, with the chassis
    // and serial number of the terminal it came from (for the archive).
    void listFileStored(const QString& _strName, const QByteArray& _baContent, const QString& _strChassis,
                        const QString& _strSerial);
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

    void vDecideAfterBatch();
    void vPublishConnectionState(bool _bConnected, bool _bByUser);
    // The connection went away without vDisconnect(): tell the pages once.
    void vConnectionLost();
    void vDropBrokenConnection();
    void vApplyStatusFields(const QByteArray& _baFields);
    // Emits a report once the current handler has returned, in the order
    // given: pages may answer it with a message box, which runs an event loop.
    void vAfterRead(std::function<void()> _fnReport);
    void vTellUser(const QString& _strTranslatedText);
    void vCutClosingConnection();

    // What the login and the files use of the connection.
    QString strSessionChassis() const override { return m_strCurrentChassis; }
    quint32 u32SessionNumber() const override { return m_u32Connection; }
    bool bSessionOpen() const override { return m_bAttemptOpen; }
    void vSessionSend(const QByteArray& _baMessage) override { vSendMessage(_baMessage); }
    void vSessionForgetLastCommand() override { m_baLastCommand.clear(); }
    void vSessionClose(bool _bByUser) override { vDisconnect(_bByUser); }
    void vSessionReconnect() override { vConnectToTerminal(); }
    void vSessionHalt() override;
    void vSessionLoggedIn(const QByteArray& _baFields) override;
    void vSessionAfterRead(std::function<void()> _fnReport) override { vAfterRead(std::move(_fnReport)); }
    void vSessionTellUser(const QString& _strTranslatedText) override { vTellUser(_strTranslatedText); }
    void vSessionFileReady(const QString& _strPath, const QString& _strName) override;

    // The TLS socket, made when first needed; while there is none the link
    // is unconnected.
    QSslSocket* pSslSocket();
    QAbstractSocket::SocketState eSslState() const;

    cLinkDiscovery* m_pDiscovery = nullptr;
    cLinkLogin m_login;
    cLinkFileTransfer m_files;
    QSslSocket* m_pSslSocket = nullptr;
    bool m_bConnected = false;
    QHostAddress m_haTerminal;
    QString m_strCurrentChassis;
    cFrameReader m_frameReader;
    QByteArray m_baLastCommand;

    // A connection was opened and its end has not been told yet. Cleared
    // before the link closes a socket itself, so that the socket's own
    // signals tell nothing twice.
    bool m_bAttemptOpen = false;
    // Counts the connections opened; a password given for an earlier one is not sent.
    quint32 m_u32Connection = 0;
    QTimer* m_pCloseTimer = nullptr;

    quint16 m_u16TlsPort;
};
