#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Reads one live data record, the bytes behind "=$LiveData:":
//   offset 0      N, 4 bytes, little-endian: document length + 2
//   offset 4      the document, N - 2 bytes: one JSON object in Qt's binary form
//   offset N + 2  qChecksum of the document, 2 bytes, little-endian
// The record is built by LiveRecordEncoder (terminal/liverecordencoder.h).
namespace LiveRecord
{

// The members of the record's object in stored order as (key, text) pairs;
// values that are no JSON string give the empty text. A record whose length
// field does not fit its bytes, whose checksum differs or whose document does
// not validate gives no pair at all. Never fails on any input.
QList<QPair<QString, QString>> decode(const QByteArray& _baRecord);

} // namespace LiveRecord
