#pragma once

#include "data/listkind.h"
#include "data/listrecords.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <functional>

// The records of one arriving list or statistics file as the archive keeps
// them: each record's line byte for byte, its key, its season and, for
// orders, the decoded columns the archive can be queried by. Pure: no
// database, every input gives a result.

// The decoded columns of an order line: what the list browser reads of it,
// and the distances, times and fuel beside.
struct ArchiveOrderColumns {
    OrderRecord order;
    QString strStartAt; // "yyyy-MM-ddTHH:mm", empty when the start holds no date
    QString strStopAt;
    int s32FieldMetres = 0;
    int s32HarvestMetres = 0;
    int s32RoadMetres = 0;
    int s32UnloadMinutes = 0;
    int s32RoadMinutes = 0;
    int s32HarvestMinutes = 0;
    int s32FieldFuelMl = 0;
    int s32RoadFuelMl = 0;
    int s32HarvestFuelMl = 0;
};

struct ArchiveRecord {
    QString strKey;      // unique per machine and kind
    QString strSeason;   // "2014/15"; empty for customers, fields and drivers
    QByteArray baLine;   // the line's bytes without its line end
    QByteArray baDigest; // SHA-256 of baLine
    bool bOrder = false; // orderColumns holds the decoded order
    bool bUtf8 = false;  // the file began with a byte-order mark: the line is UTF-8
    ArchiveOrderColumns orderColumns;
};

// What the archive keeps of a file beside its records.
struct ArchiveFileHead {
    QByteArray baHeader; // the first line's bytes (byte-order mark included)
    QByteArray baDigest; // SHA-256 of the whole file
    bool bCrLf = false;  // the header line ended with "\r\n"
};

struct ArchiveFileRecords {
    ArchiveFileHead head;
    QVector<ArchiveRecord> records;
};

namespace ArchiveRecords
{

// The name a kind has in the archive ("orders", "customers", "fields",
// "drivers", "season", "machine"); empty for ListKind::None.
QString strKindName(ListKind _kind);
ListKind kindOfName(const QString& _strName);

// A UTF-8 byte-order mark: a file that starts with it is UTF-8, any other
// Latin-1 (as the lists are read).
const QByteArray& baByteOrderMark();
// A stored line as text, with its length: the terminal pads fields with
// zero bytes, and decoding a QByteArray by itself would stop at the first.
QString strDecodeLine(const QByteArray& _baLine, bool _bUtf8);

// The sugar-beet campaign a date belongs to: July to June, "2014/15".
// Empty for an invalid date.
QString strSeason(const QDate& _date);

// The records of a file's bytes. Lines without a key (empty lines, orders
// without number or start, other lists without number) are left out; a key
// that occurs again in the file gets " #2", " #3" ... after it. A
// statistics file gives its one record (line 2), keyed by the campaign of
// _arrived, so each season keeps its own figures. A file that starts with
// a UTF-8 byte-order mark is decoded as UTF-8, any other as Latin-1; the
// bytes are kept either way.
ArchiveFileRecords read(const QByteArray& _baContent, ListKind _kind, const QDateTime& _arrived);

// The same one record at a time, in the file's order, without keeping them
// (an import's memory stays near the file's size). Stops and returns false
// when _fnRecord does.
ArchiveFileHead head(const QByteArray& _baContent);
bool bForEachRecord(const QByteArray& _baContent, ListKind _kind, const QDateTime& _arrived,
                    const std::function<bool(const ArchiveRecord&)>& _fnRecord);

} // namespace ArchiveRecords
