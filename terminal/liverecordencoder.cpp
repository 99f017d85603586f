#include "terminal/liverecordencoder.h"

#include "terminal/protocol.h"

#include <QJsonDocument>
#include <QtEndian>

namespace LiveRecordEncoder
{

QByteArray baBinaryDocument(const QJsonObject& _object)
{
    // The binary form is what the terminal speaks; Qt keeps it for reading and
    // writing although it prefers CBOR for new formats.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return QJsonDocument(_object).toBinaryData();
    QT_WARNING_POP
}

QByteArray baRecord(const QJsonObject& _object)
{
    const QByteArray document = baBinaryDocument(_object);
    char length[4];
    qToLittleEndian<quint32>(quint32(document.size() + 2), length);
    char checksum[2];
    qToLittleEndian<quint16>(qChecksum(document.constData(), uint(document.size())), checksum);
    QByteArray record;
    record.append(length, 4);
    record.append(document);
    record.append(checksum, 2);
    return record;
}

QByteArray baRecord(const QMap<QString, QString>& _mapValues)
{
    QJsonObject object;
    for (auto it = _mapValues.cbegin(); it != _mapValues.cend(); ++it)
        object.insert(it.key(), it.value());
    return baRecord(object);
}

QByteArray baLiveMessage(const QMap<QString, QString>& _mapValues)
{
    return QByteArray(Protocol::LIVE_DATA) + baRecord(_mapValues);
}

} // namespace LiveRecordEncoder
