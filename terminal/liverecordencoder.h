#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

// Builds live data records as the terminal sends them behind "=$LiveData:":
// N (4 bytes, little-endian) = document length + 2, the document (one JSON
// object in Qt's binary JSON form, values as strings), then qChecksum of the
// document (2 bytes, little-endian).
namespace LiveRecordEncoder
{

QByteArray baRecord(const QJsonObject& _object);
QByteArray baRecord(const QMap<QString, QString>& _mapValues);
// "=$LiveData:" followed by the record: one message payload.
QByteArray baLiveMessage(const QMap<QString, QString>& _mapValues);
// The binary JSON form of an object (the document part of a record).
QByteArray baBinaryDocument(const QJsonObject& _object);

} // namespace LiveRecordEncoder
