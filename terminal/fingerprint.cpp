#include "terminal/fingerprint.h"

#include <QCryptographicHash>
#include <QSslCertificate>

namespace Fingerprint
{

namespace
{

const char RECORD_PREFIX[] = "SHA256:";
constexpr int PREFIX_LENGTH = int(sizeof(RECORD_PREFIX)) - 1;
// Two hex digits per byte, a colon between two bytes.
constexpr int TEXT_LENGTH = DIGEST_BYTES * 3 - 1;

int s32HexValue(char _c)
{
    if (_c >= '0' && _c <= '9')
        return _c - '0';
    if (_c >= 'A' && _c <= 'F')
        return _c - 'A' + 10;
    if (_c >= 'a' && _c <= 'f')
        return _c - 'a' + 10;
    return -1;
}

} // namespace

QByteArray baOf(const QSslCertificate& _certificate)
{
    if (_certificate.isNull())
        return QByteArray();
    return _certificate.digest(QCryptographicHash::Sha256);
}

QString strFormat(const QByteArray& _baDigest, int _s32BytesPerLine)
{
    const QByteArray hex = _baDigest.toHex().toUpper();
    QString text;
    text.reserve(_baDigest.size() * 3);
    for (int i = 0; i < _baDigest.size(); ++i) {
        if (i > 0)
            text += _s32BytesPerLine > 0 && i % _s32BytesPerLine == 0 ? QLatin1Char('\n') : QLatin1Char(':');
        text += QLatin1String(hex.constData() + 2 * i, 2);
    }
    return text;
}

bool bParse(const QByteArray& _baText, QByteArray& _baDigest)
{
    if (_baText.size() != TEXT_LENGTH)
        return false;
    QByteArray digest(DIGEST_BYTES, '\0');
    for (int i = 0; i < DIGEST_BYTES; ++i) {
        const int pos = 3 * i;
        if (i > 0 && _baText.at(pos - 1) != ':')
            return false;
        const int high = s32HexValue(_baText.at(pos));
        const int low = s32HexValue(_baText.at(pos + 1));
        if (high < 0 || low < 0)
            return false;
        digest[i] = char(high * 16 + low);
    }
    _baDigest = digest;
    return true;
}

eTrust eCheck(const QByteArray& _baStored, const QByteArray& _baShown)
{
    if (_baStored.isEmpty())
        return eTrust::FirstContact;
    // A connection without a certificate never matches a stored one.
    return _baShown == _baStored ? eTrust::Same : eTrust::Changed;
}

QByteArray baRecord(const QByteArray& _baName, const QByteArray& _baDigest)
{
    return QByteArray(RECORD_PREFIX) + strFormat(_baDigest).toLatin1() + ' ' + _baName;
}

bool bReadRecord(const QByteArray& _baEntry, QByteArray& _baName, QByteArray& _baDigest)
{
    if (!_baEntry.startsWith(RECORD_PREFIX) || _baEntry.size() < PREFIX_LENGTH + TEXT_LENGTH + 1 ||
        _baEntry.at(PREFIX_LENGTH + TEXT_LENGTH) != ' ')
        return false;
    QByteArray digest;
    if (!bParse(_baEntry.mid(PREFIX_LENGTH, TEXT_LENGTH), digest))
        return false;
    _baDigest = digest;
    _baName = _baEntry.mid(PREFIX_LENGTH + TEXT_LENGTH + 1);
    return true;
}

bool bPlainSerial(const QByteArray& _baSerial)
{
    if (_baSerial.isEmpty() || _baSerial.size() > MAX_SERIAL_BYTES || _baSerial.startsWith(RECORD_PREFIX))
        return false;
    for (const char c : _baSerial) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

} // namespace Fingerprint
