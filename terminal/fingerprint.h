#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QSslCertificate;

// Trust on first use for the terminals' self-made certificates: the SHA-256
// digest of the certificate a terminal showed at its first contact is kept
// with the known terminals, and a later connection that shows another one is
// stopped before a password goes out.
namespace Fingerprint
{

constexpr int DIGEST_BYTES = 32;

// The SHA-256 digest of the certificate's DER form; empty for a null certificate.
QByteArray baOf(const QSslCertificate& _certificate);

// "AB:CD:...": upper-case hex, a colon between the bytes. With
// _s32BytesPerLine > 0 a line break takes the place of the colon after every
// that many bytes, for a dialog too narrow for the whole line.
QString strFormat(const QByteArray& _baDigest, int _s32BytesPerLine = 0);
// Reads the one-line form (either case) of a digest of DIGEST_BYTES bytes;
// false for anything else.
bool bParse(const QByteArray& _baText, QByteArray& _baDigest);

// What the certificate shown now means for the terminal behind a serial number.
enum class eTrust {
    FirstContact, // nothing stored yet: the shown certificate is taken and kept
    Same,         // the stored one
    Changed       // another one: the user decides before anything is sent
};
eTrust eCheck(const QByteArray& _baStored, const QByteArray& _baShown);

// Storage in the flat list of the known terminals (serial number, password,
// ...): one entry of its own per terminal, "SHA256:" + strFormat() + " " +
// serial number. Such an entry never equals a serial number or stands where a
// password is looked for, so a reader that knows only the pairs passes over
// it; the pairs may come and go around it.
QByteArray baRecord(const QByteArray& _baSerial, const QByteArray& _baDigest);
// False for an entry that is not such a record (a serial number, a password).
bool bReadRecord(const QByteArray& _baEntry, QByteArray& _baSerial, QByteArray& _baDigest);
// The digest stored for the serial number; empty when there is none.
QByteArray baStoredFor(const QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial);
// Keeps the digest for the serial number: replaces the record in its place,
// or appends one. A digest of another length is not stored.
void vRemember(QList<QByteArray>& _lbaKnown, const QByteArray& _baSerial, const QByteArray& _baDigest);

} // namespace Fingerprint
