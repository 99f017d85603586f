#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QSslCertificate;

// Trust on first use for the terminals' self-made certificates: the SHA-256
// digest of the certificate a terminal showed at its first contact is kept
// (terminal/certificatepins.h), and a later connection that shows another one is
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

// The stored form of a pin (terminal/certificatepins.h): "SHA256:" +
// strFormat() + " " + the serial or chassis number. An earlier version kept
// these records inside the list of the known terminals; they are moved out
// when it is loaded.
QByteArray baRecord(const QByteArray& _baName, const QByteArray& _baDigest);
// False for an entry that is not such a record (a serial number, a password).
bool bReadRecord(const QByteArray& _baEntry, QByteArray& _baName, QByteArray& _baDigest);

// A serial number the link takes from a login answer: printable ASCII without
// blanks, 1 to MAX_SERIAL_BYTES bytes, and not starting like a record. Any
// other one is a refused login: it could name a stored entry rather than a
// terminal.
constexpr int MAX_SERIAL_BYTES = 64;
bool bPlainSerial(const QByteArray& _baSerial);

} // namespace Fingerprint
