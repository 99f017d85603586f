#pragma once

#include "terminal/certificatepins.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class QSslCertificate;
class cLinkSession;

// The login of the terminal link: the terminal's serial number, the password
// (asked for or taken from the store of known terminals) and the trust in the
// certificate the terminal shows, checked at its first login answer before a
// password goes out or a login counts. It keeps the known terminals and the
// kept certificates in the settings.
class cLinkLogin
{
public:
    // Asks for the password of a terminal and hands the answer over, at once
    // or later: false when the user cancels. Without a provider no password
    // is given.
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
    // place of the one kept for it, and hands the answer over, at once or
    // later. Without a provider the new one is not trusted.
    struct CertificateQuestion {
        QString strChassis;
        QByteArray baSerial;          // empty for a login without serial number
        QByteArray baKeptFingerprint; // SHA-256 digests, see terminal/fingerprint.h
        QByteArray baShownFingerprint;
    };
    using CertificateAnswer = std::function<void(bool _bTrust)>;
    using CertificateQuestionProvider =
        std::function<void(const CertificateQuestion& _question, const CertificateAnswer& _fnAnswer)>;

    explicit cLinkLogin(cLinkSession& _session);

    void vSetPasswordProvider(PasswordProvider _fnProvider);
    void vSetCertificateQuestionProvider(CertificateQuestionProvider _fnProvider);

    // The known terminals and the kept certificates, with the chassis number
    // of the terminal used last.
    void vLoadSettings();
    void vSaveSettings();

    // A new connection: nothing of the last one's certificate counts.
    void vNewConnection();
    // The certificate the connection has shown, checked at the first login answer.
    void vCertificateShown(const QSslCertificate& _certificate);
    // A stopped connection waits for the user's trust in a changed
    // certificate: the link connects nowhere until the answer comes.
    bool bQuestionOpen() const { return m_bCertificateQuestionOpen; }
    // The user has gone on: an open question is left unanswered.
    void vDropQuestion() { m_bCertificateQuestionOpen = false; }

    // The serial number the terminal of the connection up now gave at its
    // login; empty before that and for a login without one.
    QByteArray baSessionSerial() const { return m_baSessionSerial; }

    // The terminal's login answers.
    void vSerialNumberAnnounced(const QByteArray& _baSerial);
    void vPasswordRefused();
    void vLoginAccepted(const QByteArray& _baFields, bool _bRememberTerminal);
    void vConnectionKnown(const QByteArray& _baSerial);
    void vConnectionEstablished(const QByteArray& _baFields);
    void vForgetPasswordAndRetry();

private:
    void vAskForPassword(const QByteArray& _baSerial);
    void vPasswordGiven(quint32 _u32Connection, bool _bEntered, const QByteArray& _baPassword);
    void vSendStoredPassword(const QByteArray& _baSerial);

    // A serial number that is no plain one: the login is refused.
    void vRefuseSerial(const QByteArray& _baSerial);
    // Certificate check by chassis and serial number (empty for a login
    // without one): false when the connection was stopped to ask the user.
    bool bCertificateTrusted(const QByteArray& _baSerial);
    void vStopForCertificateQuestion(const QByteArray& _baSerial, const QByteArray& _baKept);
    void vCertificateAnswered(quint32 _u32Connection, bool _bTrust);

    cLinkSession& m_session;
    QByteArray m_baSerialNumber;
    QByteArray m_baSessionSerial;
    QByteArray m_baPassword;
    QList<QByteArray> m_lbaKnownTerminals;
    cCertificatePins m_pins;
    // The connection up now met a machine whose certificate was not kept.
    bool m_bFirstContact = false;
    // The fingerprint of the certificate the connection up now has shown.
    QByteArray m_baShownFingerprint;
    PasswordProvider m_fnPasswordProvider;

    bool m_bCertificateQuestionOpen = false;
    QString m_strQuestionChassis;
    QByteArray m_baQuestionSerial;
    QByteArray m_baQuestionFingerprint;
    CertificateQuestionProvider m_fnCertificateQuestionProvider;
};
