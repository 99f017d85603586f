#include "live/liverecord.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace LiveRecord
{

namespace
{

// Size of the length field in front of the document and of the checksum behind it.
constexpr qint64 s64LengthField = 4;
constexpr qint64 s64ChecksumField = 2;

QJsonObject objectOfBinary(const QByteArray& _baDocument)
{
    // The terminal speaks Qt's binary JSON; Qt still reads it although it
    // prefers CBOR for new formats. Validation guards against crafted bytes.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QJsonDocument document = QJsonDocument::fromBinaryData(_baDocument, QJsonDocument::Validate);
    QT_WARNING_POP
    return document.object();
}

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

    const QJsonObject object = objectOfBinary(QByteArray(pDocument, s32DocumentSize));
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        pairs.append(qMakePair(it.key(), it.value().toString()));
    return pairs;
}

} // namespace LiveRecord
