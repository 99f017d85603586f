#include "terminal/linklogin.h"

#include "terminal/dispatch.h"
#include "terminal/fingerprint.h"
#include "terminal/knownterminals.h"
#include "terminal/linksession.h"
#include "terminal/logging.h"
#include "terminal/protocol.h"

#include <QCoreApplication>
#include <QSslCertificate>

namespace
{

// The password of a connection before the user or the store gave one.
const char* const PASSWORD_PLACEHOLDER = "UNDEFINED";
const char* const SERIAL_PLACEHOLDER = "TERMINAL_SERIAL_NO._AT_CLIENT";

// Without a provider the link cannot ask anybody: a password is not given
// and a changed certificate is not trusted.
void vCannotAskPassword(const cLinkLogin::PasswordRequest&, const cLinkLogin::PasswordAnswer& _fnAnswer)
{
    _fnAnswer(false, QByteArray());
}

void vCannotAskTrust(const cLinkLogin::CertificateQuestion&, const cLinkLogin::CertificateAnswer& _fnAnswer)
{
    _fnAnswer(false);
}

} // namespace

// The texts for the user keep the translation context of the link, whose
// part this is.

cLinkLogin::cLinkLogin(cLinkSession& _session)
    : m_session(_session), m_baSerialNumber(SERIAL_PLACEHOLDER), m_baPassword(PASSWORD_PLACEHOLDER),
      m_fnPasswordProvider(vCannotAskPassword), m_fnCertificateQuestionProvider(vCannotAskTrust)
{
}

void cLinkLogin::vSetPasswordProvider(PasswordProvider _fnProvider)
{
    m_fnPasswordProvider = _fnProvider ? std::move(_fnProvider) : PasswordProvider(vCannotAskPassword);
}

void cLinkLogin::vSetCertificateQuestionProvider(CertificateQuestionProvider _fnProvider)
{
    m_fnCertificateQuestionProvider =
        _fnProvider ? std::move(_fnProvider) : CertificateQuestionProvider(vCannotAskTrust);
}

// ---- Settings ----

void cLinkLogin::vLoadSettings()
{
    m_lbaKnownTerminals = KnownTerminals::lbaLoad();
    m_pins = cCertificatePins::load();
    // An earlier version kept the fingerprints inside the list, where a
    // serial number could name them: they move to their own keys.
    if (m_pins.bTakeRecordsFrom(m_lbaKnownTerminals)) {
        VEMO_LINK_DEBUG(lcTerminal) << "fingerprints moved out of the list of known terminals";
        vSaveSettings();
    }
    VEMO_LINK_DEBUG(lcTerminal) << m_lbaKnownTerminals.size() << "entries of known terminals, last chassis"
                                << m_session.strSessionChassis();
}

void cLinkLogin::vSaveSettings()
{
    KnownTerminals::vSave(m_lbaKnownTerminals, m_session.strSessionChassis());
    m_pins.vSave();
}

// ---- Connection ----

void cLinkLogin::vNewConnection()
{
    m_baShownFingerprint.clear();
    m_baSessionSerial.clear();
    m_bFirstContact = false;
}

void cLinkLogin::vCertificateShown(const QSslCertificate& _certificate)
{
    m_baShownFingerprint = Fingerprint::baOf(_certificate);
    VEMO_LINK_DEBUG(lcTerminal) << "certificate" << Fingerprint::strFormat(m_baShownFingerprint);
}

// ---- Login answers ----

void cLinkLogin::vSerialNumberAnnounced(const QByteArray& _baSerial)
{
    if (!Fingerprint::bPlainSerial(_baSerial))
        vRefuseSerial(_baSerial);
    else if (bCertificateTrusted(_baSerial))
        vAskForPassword(_baSerial);
}

void cLinkLogin::vConnectionKnown(const QByteArray& _baSerial)
{
    if (!Fingerprint::bPlainSerial(_baSerial))
        vRefuseSerial(_baSerial);
    else if (bCertificateTrusted(_baSerial))
        vSendStoredPassword(_baSerial);
}

void cLinkLogin::vConnectionEstablished(const QByteArray& _baFields)
{
    // No serial number: the chassis number found in discovery is all there
    // is to check.
    if (bCertificateTrusted(QByteArray()))
        vLoginAccepted(_baFields, false);
}

void cLinkLogin::vAskForPassword(const QByteArray& _baSerial)
{
    m_baSerialNumber = _baSerial;
    m_baSessionSerial = _baSerial;
    VEMO_LINK_DEBUG(lcTerminal) << "the terminal asks for a password";
    // The terminal no longer takes a stored password: it goes, also when the
    // user cancels.
    if (KnownTerminals::bRemovePair(m_lbaKnownTerminals, m_baSerialNumber))
        vSaveSettings();
    const quint32 u32Connection = m_session.u32SessionNumber();
    const PasswordRequest request{m_session.strSessionChassis(), m_baSerialNumber, m_bFirstContact};
    m_fnPasswordProvider(request, [this, u32Connection](bool _bEntered, const QByteArray& _baPassword) {
        vPasswordGiven(u32Connection, _bEntered, _baPassword);
    });
}

void cLinkLogin::vPasswordGiven(quint32 _u32Connection, bool _bEntered, const QByteArray& _baPassword)
{
    // The connection that asked may have ended while the user was typing.
    if (_u32Connection != m_session.u32SessionNumber() || !m_session.bSessionOpen()) {
        VEMO_LINK_DEBUG(lcTerminal) << "password answer for a connection that has ended, not used";
        return;
    }
    m_session.vSessionForgetLastCommand();
    if (!_bEntered) {
        m_session.vSessionClose(true);
        return;
    }
    m_baPassword = _baPassword;
    m_session.vSessionSend(baPasswordMessage(Protocol::LOGIN_PW, m_baPassword));
}

void cLinkLogin::vPasswordRefused()
{
    VEMO_LINK_DEBUG(lcTerminal) << "password of" << m_baPassword.size() << "bytes refused";
    if (m_baPassword == Protocol::NO_PW)
        m_session.vSessionClose(false);
    else
        m_session.vSessionSend(Protocol::LOGIN);
}

void cLinkLogin::vLoginAccepted(const QByteArray& _baFields, bool _bRememberTerminal)
{
    VEMO_LINK_DEBUG(lcTerminal) << "logged in to" << m_session.strSessionChassis();
    m_session.vSessionLoggedIn(_baFields);
    if (_bRememberTerminal && !KnownTerminals::bContains(m_lbaKnownTerminals, m_baSerialNumber)) {
        m_lbaKnownTerminals.append(m_baSerialNumber);
        m_lbaKnownTerminals.append(m_baPassword);
        vSaveSettings();
    }
}

void cLinkLogin::vSendStoredPassword(const QByteArray& _baSerial)
{
    m_baSerialNumber = _baSerial;
    m_baSessionSerial = _baSerial;
    QByteArray password;
    if (KnownTerminals::bPasswordFor(m_lbaKnownTerminals, m_baSerialNumber, password)) {
        m_baPassword = password;
        m_session.vSessionSend(baPasswordMessage(Protocol::PW, m_baPassword));
    } else {
        m_session.vSessionSend(baPasswordMessage(Protocol::PW, Protocol::NO_PW_FOUND));
    }
}

void cLinkLogin::vForgetPasswordAndRetry()
{
    KnownTerminals::bRemovePair(m_lbaKnownTerminals, m_baSerialNumber);
    vSaveSettings();
    m_session.vSessionSend(Protocol::LOGIN);
}

// ---- Certificate ----

void cLinkLogin::vRefuseSerial(const QByteArray& _baSerial)
{
    VEMO_LINK_WARNING(lcTerminal) << "login refused: the terminal named a serial number of"
                                  << _baSerial.size() << "bytes that is no plain one";
    // Given up as after a cancelled login: a search every few seconds would
    // meet the same answer again.
    m_session.vSessionClose(true);
    m_session.vSessionTellUser(
        QCoreApplication::translate("cSSLClient", "Das Terminal %1 hat eine ungültige Seriennummer gesendet. "
                                                  "Die Anmeldung wurde abgebrochen.")
            .arg(m_session.strSessionChassis()));
}

bool cLinkLogin::bCertificateTrusted(const QByteArray& _baSerial)
{
    const QString chassis = m_session.strSessionChassis();
    const cCertificatePins::Verdict verdict = m_pins.verdict(chassis, _baSerial, m_baShownFingerprint);
    switch (verdict.eTrust) {
    case Fingerprint::eTrust::FirstContact:
        VEMO_LINK_DEBUG(lcTerminal) << "first contact, the certificate is kept";
        m_bFirstContact = true;
        break;
    case Fingerprint::eTrust::Same:
        break;
    case Fingerprint::eTrust::Changed:
        vStopForCertificateQuestion(_baSerial, verdict.baKept);
        return false;
    }
    // A name met for the first time is kept with the certificate shown.
    if (m_pins.bRemember(chassis, _baSerial, m_baShownFingerprint, false))
        vSaveSettings();
    return true;
}

void cLinkLogin::vStopForCertificateQuestion(const QByteArray& _baSerial, const QByteArray& _baKept)
{
    VEMO_LINK_WARNING(lcTerminal) << "the terminal shows another certificate than before:"
                                  << Fingerprint::strFormat(m_baShownFingerprint) << "in place of"
                                  << Fingerprint::strFormat(_baKept)
                                  << "- stopped before the password, asking the user";
    // Nothing more of this connection is read or sent; its end is told when
    // the user has answered.
    m_session.vSessionHalt();
    m_bCertificateQuestionOpen = true;
    m_strQuestionChassis = m_session.strSessionChassis();
    m_baQuestionSerial = _baSerial;
    m_baQuestionFingerprint = m_baShownFingerprint;
    const CertificateQuestion question{m_strQuestionChassis, _baSerial, _baKept, m_baShownFingerprint};
    const quint32 u32Connection = m_session.u32SessionNumber();
    m_session.vSessionAfterRead([this, question, u32Connection] {
        m_fnCertificateQuestionProvider(
            question, [this, u32Connection](bool _bTrust) { vCertificateAnswered(u32Connection, _bTrust); });
    });
}

void cLinkLogin::vCertificateAnswered(quint32 _u32Connection, bool _bTrust)
{
    if (!m_bCertificateQuestionOpen || _u32Connection != m_session.u32SessionNumber()) {
        VEMO_LINK_DEBUG(lcTerminal) << "certificate answer for a question no longer open, not used";
        return;
    }
    m_bCertificateQuestionOpen = false;
    if (!_bTrust) {
        VEMO_LINK_DEBUG(lcTerminal) << "the new certificate is not trusted";
        m_session.vSessionClose(true);
        return;
    }
    VEMO_LINK_DEBUG(lcTerminal) << "the new certificate is trusted, connecting again";
    m_pins.bRemember(m_strQuestionChassis, m_baQuestionSerial, m_baQuestionFingerprint, true);
    vSaveSettings();
    m_session.vSessionReconnect();
}
