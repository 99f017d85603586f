#pragma once

#include "terminal/certificatepins.h"
#include "terminal/discovery.h"
#include "terminal/filemessage.h"
#include "terminal/framing.h"

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
class QUdpSocket;

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
class cSSLClient : public QObject
{
    Q_OBJECT

public:
    // Asks for the password of a terminal and hands the answer over, at once
    // or later: false when the user cancels. The application opens the
    // password dialog (app/firstcontact.h), which names the machine; without
    // a provider no password is given.
    struct PasswordRequest {
        QString strChassis;
        QByteArray baSerial;
        // No certificate was kept for the machine before this connection.
        bool bFirstContact = false;
    };
    using PasswordAnswer = std::function<void(bool _bEntered, const QByteArray& _baPassword)>;
    using PasswordProvider =
        std::function<void(const PasswordRequest& _request, const PasswordAnswer& _fnAnswer)>;

    // Asks whether to trust the certificate a known terminal now shows in
    // place of the one kept for it (a replaced terminal), and hands the answer
    // over, at once or later. The application opens a yes/no dialog that
    // shows both fingerprints; without a provider the new one is not trusted.
    struct CertificateQuestion {
        QString strChassis;
        QByteArray baSerial;          // empty for a login without serial number
        QByteArray baKeptFingerprint; // SHA-256 digests, see terminal/fingerprint.h
        QByteArray baShownFingerprint;
    };
    using CertificateAnswer = std::function<void(bool _bTrust)>;
    using CertificateQuestionProvider =
        std::function<void(const CertificateQuestion& _question, const CertificateAnswer& _fnAnswer)>;

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
    QStringList slFoundChassis() const { return m_found.slFoundChassis; }

    void vSetPasswordProvider(PasswordProvider _fnProvider);
    void vSetCertificateQuestionProvider(CertificateQuestionProvider _fnProvider);

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
    // Emits a report once the current handler has returned, in the order
    // given: pages may answer it with a message box, which runs an event loop.
    void vAfterRead(std::function<void()> _fnReport);
    void vTellUser(const QString& _strTranslatedText);
    void vCutClosingConnection();

    // Login steps.
    void vAskForPassword(const QByteArray& _baAnswer);
    void vPasswordGiven(quint32 _u32Connection, bool _bEntered, const QByteArray& _baPassword);
    void vPasswordRefused();
    void vLoginAccepted(const QByteArray& _baFields, bool _bRememberTerminal);
    void vSendStoredPassword(const QByteArray& _baAnswer);
    void vForgetPasswordAndRetry();

    // A serial number that is no plain one: the login is refused.
    void vRefuseSerial(const QByteArray& _baSerial);
    // Certificate check at the terminal's first login answer, by chassis and
    // serial number (empty for a login without one), before a password is
    // sent or a login counts: false when the connection was stopped to ask
    // the user.
    bool bCertificateTrusted(const QByteArray& _baSerial);
    void vStopForCertificateQuestion(const QByteArray& _baSerial, const QByteArray& _baKept);
    void vCertificateAnswered(quint32 _u32Connection, bool _bTrust);

    // The TLS socket, made when first needed; while there is none the link
    // is unconnected.
    QSslSocket* pSslSocket();
    QAbstractSocket::SocketState eSslState() const;

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
    cCertificatePins m_pins;
    // The connection up now met a machine whose certificate was not kept.
    bool m_bFirstContact = false;
    QString m_strSendFilePath;
    cFrameReader m_frameReader;
    // The request words sent on this connection and not yet answered by a
    // file of their kind.
    FileMessage::cPendingDownloads m_pendingDownloads;
    QByteArray m_baLastCommand;
    // The fingerprint of the certificate the connection up now has shown.
    QByteArray m_baShownFingerprint;

    // A connection was opened and its end has not been told yet. Cleared
    // before the link closes a socket itself, so that the socket's own
    // signals tell nothing twice.
    bool m_bAttemptOpen = false;
    // Counts the connections opened; a password given for an earlier one is not sent.
    quint32 m_u32Connection = 0;
    QTimer* m_pCloseTimer = nullptr;

    quint16 m_u16UdpPort;
    quint16 m_u16TlsPort;
    bool m_bFixedInterfaces = false;
    QList<QHostAddress> m_lhaInterfaces;
    PasswordProvider m_fnPasswordProvider;

    // A stopped connection waits for the user's trust in a changed
    // certificate: the link connects nowhere until the answer comes.
    bool m_bCertificateQuestionOpen = false;
    QString m_strQuestionChassis;
    QByteArray m_baQuestionSerial;
    QByteArray m_baQuestionFingerprint;
    CertificateQuestionProvider m_fnCertificateQuestionProvider;
};
