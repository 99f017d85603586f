#include "live/liverecord.h"

#include "live/binaryjson.h"

#include <QtEndian>

namespace LiveRecord
{

namespace
{

// Size of the length field in front of the document and of the checksum behind it.
constexpr qint64 s64LengthField = 4;
constexpr qint64 s64ChecksumField = 2;

} // namespace

QList<QPair<QString, QString>> decode(const QByteArray& _baRecord)
{
    QList<QPair<QString, QString>> pairs;
    const qint64 s64Size = _baRecord.size();
    if (s64Size < s64LengthField + s64ChecksumField)
        return pairs;

    // N counts the document and the checksum; read unsigned and compute in
    // 64 bits so that no value of the field can wrap around.
    const qint64 s64N = qFromLittleEndian<quint32>(_baRecord.constData());
    if (s64N < s64ChecksumField || s64LengthField + s64N > s64Size)
        return pairs;

    const int s32DocumentSize = int(s64N - s64ChecksumField);
    const char* pDocument = _baRecord.constData() + s64LengthField;
    const quint16 u16Expected =
        qFromLittleEndian<quint16>(_baRecord.constData() + s64LengthField + s32DocumentSize);
    if (qChecksum(pDocument, uint(s32DocumentSize)) != u16Expected)
        return pairs;

    // The document comes from the network: read by our own checked reader,
    // never by Qt's binary JSON reader (see live/binaryjson.h).
    return BinaryJson::listObjectTexts(pDocument, s32DocumentSize);
}

} // namespace LiveRecord
