#include "data/archiveimport.h"

#include "data/archiveorderview.h"
#include "data/archiverecords.h"
#include "data/archiveschema.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

namespace
{

using ArchiveSchema::boundText;

// What the archive already holds of a record: its row and its latest version.
struct KnownRecord {
    qint64 s64RecordId = 0;
    qint64 s64VersionId = 0;
    QByteArray baDigest;
    QString strLastSeen;    // see ArchiveSchema::strLastSeen
    qint64 s64LastFile = 0; // the file that brought the version last
};

// The archive's row of an arriving file, when it was there before.
struct KnownFile {
    qint64 s64Id = 0;
    QString strLastArrived;
    int s32Records = -1; // unknown for a file of an earlier archive version
};

class cImport
{
public:
    cImport(QSqlDatabase& _database, const ArchiveInput& _input, ListKind _kind)
        : m_database(_database), m_input(_input), m_kind(_kind),
          m_strKind(ArchiveRecords::strKindName(_kind)), m_strArrived(ArchiveImport::strTime(_input.arrived)),
          m_insertRecord(_database), m_insertVersion(_database), m_touchVersion(_database), m_view(_database)
    {
    }

    bool bRun(ArchiveImportResult& _result);
    QSqlError error() const { return m_error; }

private:
    bool bPrepare();
    bool bFindFile(const ArchiveFileHead& _head, KnownFile& _file);
    bool bArrivedAgain(const KnownFile& _file, bool& _bNothingNew);
    bool bTouchFile(const KnownFile& _file);
    bool bStoreFile(const ArchiveFileHead& _head, const KnownFile& _known);
    bool bCountRecords(const ArchiveImportResult& _result);
    bool bLoadKnown();
    bool bImportRecord(const ArchiveRecord& _record, ArchiveImportResult& _result);
    bool bInsertVersion(qint64 _s64RecordId, const ArchiveRecord& _record, qint64* _pVersionId);
    bool bShowVersion(qint64 _s64RecordId, qint64 _s64VersionId, const ArchiveRecord& _record,
                      bool _bNewRecord);
    bool bFail(const QSqlQuery& _query)
    {
        m_error = _query.lastError();
        return false;
    }

    QSqlDatabase& m_database;
    const ArchiveInput& m_input;
    const ListKind m_kind;
    const QString m_strKind;
    const QString m_strArrived;
    QSqlQuery m_insertRecord;
    QSqlQuery m_insertVersion;
    QSqlQuery m_touchVersion;
    ArchiveOrderView::cWriter m_view;
    QHash<QString, KnownRecord> m_known;
    qint64 m_s64FileId = 0;
    QSqlError m_error;
};

bool cImport::bPrepare()
{
    const int s32Columns = ArchiveSchema::orderColumns().size();
    // Two importers of the same file (an office's devices) meet in the
    // unique keys: the second takes the row the first made.
    if (!m_insertRecord.prepare(QStringLiteral(
            "INSERT INTO archive_records (chassis, serial, kind, record_key, season) VALUES (?, ?, ?, ?, ?) "
            "ON CONFLICT (chassis, serial, kind, record_key) DO UPDATE SET season = excluded.season "
            "RETURNING id")))
        return bFail(m_insertRecord);
    if (!m_insertVersion.prepare(
            QStringLiteral(
                "INSERT INTO archive_versions (record_id, line, digest, first_seen, last_seen, last_file_id, "
                "%1) VALUES (?, ?, ?, ?, ?, ?%2) ON CONFLICT (record_id, digest) DO UPDATE SET last_seen = "
                "excluded.last_seen, last_file_id = excluded.last_file_id "
                "WHERE archive_versions.last_seen < excluded.last_seen RETURNING id")
                .arg(ArchiveSchema::strOrderColumnList(), QStringLiteral(", ?").repeated(s32Columns))))
        return bFail(m_insertVersion);
    if (!m_touchVersion.prepare(
            QStringLiteral("UPDATE archive_versions SET last_seen = ?, last_file_id = ? WHERE id = ? AND "
                           "last_seen < ?")))
        return bFail(m_touchVersion);
    if (m_kind == ListKind::Orders && !m_view.bPrepare(m_error))
        return false;
    return true;
}

// _known: the file's row as found before, if it was there (rows stay).
bool cImport::bStoreFile(const ArchiveFileHead& _head, const KnownFile& _known)
{
    QSqlQuery query(m_database);
    if (!query.prepare(QStringLiteral(
            "INSERT INTO archive_files (chassis, serial, kind, name, digest, header, crlf, first_arrived, "
            "last_arrived) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (chassis, serial, kind, name, "
            "digest) "
            "DO UPDATE SET last_arrived = excluded.last_arrived WHERE archive_files.last_arrived < "
            "excluded.last_arrived")))
        return bFail(query);
    for (const QVariant& value :
         {boundText(m_input.machine.strChassis), boundText(m_input.machine.strSerial), QVariant(m_strKind),
          boundText(m_input.strFileName), QVariant(_head.baDigest), QVariant(_head.baHeader),
          QVariant(_head.bCrLf ? 1 : 0), QVariant(m_strArrived), QVariant(m_strArrived)})
        query.addBindValue(value);
    if (!query.exec())
        return bFail(query);
    // A new row's id, or the row another importer made meanwhile.
    KnownFile file = _known;
    if (file.s64Id == 0 && !bFindFile(_head, file))
        return false;
    m_s64FileId = file.s64Id;
    return true;
}

bool cImport::bFindFile(const ArchiveFileHead& _head, KnownFile& _file)
{
    QSqlQuery query(m_database);
    if (!query.prepare(QStringLiteral("SELECT id, last_arrived, record_count FROM archive_files WHERE "
                                      "chassis = ? AND serial = ? AND kind = ? AND name = ? AND digest = ?")))
        return bFail(query);
    for (const QVariant& value :
         {boundText(m_input.machine.strChassis), boundText(m_input.machine.strSerial), QVariant(m_strKind),
          boundText(m_input.strFileName), QVariant(_head.baDigest)})
        query.addBindValue(value);
    if (!query.exec())
        return bFail(query);
    if (query.next()) {
        _file.s64Id = query.value(0).toLongLong();
        _file.strLastArrived = query.value(1).toString();
        _file.s32Records = query.value(2).isNull() ? -1 : query.value(2).toInt();
    }
    return true;
}

// The same bytes from the same machine again. When no other file of this
// machine and kind arrived after them, every version they hold was brought
// last by them: the file's new arrival is their new last sighting, and
// nothing else changes. (A statistics file is keyed by the season it
// arrives in, so it always goes through its record.)
bool cImport::bArrivedAgain(const KnownFile& _file, bool& _bNothingNew)
{
    _bNothingNew = false;
    if (_file.s64Id == 0 || _file.s32Records < 0 || m_kind == ListKind::Season || m_kind == ListKind::Machine)
        return true;
    if (!(_file.strLastArrived < m_strArrived)) {
        _bNothingNew = true; // arrived before: what it holds is known, and seen later
        return true;
    }
    QSqlQuery query(m_database);
    if (!query.prepare(QStringLiteral("SELECT count(*) FROM archive_files WHERE chassis = ? AND serial = ? "
                                      "AND kind = ? AND id <> ? AND last_arrived >= ?")))
        return bFail(query);
    for (const QVariant& value : {boundText(m_input.machine.strChassis), boundText(m_input.machine.strSerial),
                                  QVariant(m_strKind), QVariant(_file.s64Id), QVariant(_file.strLastArrived)})
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        return bFail(query);
    _bNothingNew = query.value(0).toInt() == 0;
    return true;
}

bool cImport::bTouchFile(const KnownFile& _file)
{
    QSqlQuery query(m_database);
    if (!query.prepare(
            QStringLiteral("UPDATE archive_files SET last_arrived = ? WHERE id = ? AND last_arrived < ?")))
        return bFail(query);
    for (const QVariant& value : {QVariant(m_strArrived), QVariant(_file.s64Id), QVariant(m_strArrived)})
        query.addBindValue(value);
    return query.exec() || bFail(query);
}

bool cImport::bCountRecords(const ArchiveImportResult& _result)
{
    QSqlQuery query(m_database);
    if (!query.prepare(QStringLiteral("UPDATE archive_files SET record_count = ? WHERE id = ?")))
        return bFail(query);
    query.addBindValue(_result.s32New + _result.s32Changed + _result.s32Unchanged);
    query.addBindValue(m_s64FileId);
    return query.exec() || bFail(query);
}

bool cImport::bLoadKnown()
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT r.record_key, r.id, v.id, v.digest, %1, v.last_file_id "
                                      "FROM archive_records r JOIN archive_versions v ON v.record_id = r.id "
                                      "LEFT JOIN archive_files f ON f.id = v.last_file_id "
                                      "WHERE r.chassis = ? AND r.serial = ? AND r.kind = ?")
                           .arg(ArchiveSchema::strLastSeen(QStringLiteral("v"), QStringLiteral("f")))))
        return bFail(query);
    query.addBindValue(boundText(m_input.machine.strChassis));
    query.addBindValue(boundText(m_input.machine.strSerial));
    query.addBindValue(m_strKind);
    if (!query.exec())
        return bFail(query);
    while (query.next()) {
        KnownRecord& known = m_known[query.value(0).toString()];
        const qint64 s64VersionId = query.value(2).toLongLong();
        const QString strLastSeen = query.value(4).toString();
        // The latest version: seen last, the newer row where two tie.
        if (known.s64VersionId != 0 &&
            (strLastSeen < known.strLastSeen ||
             (strLastSeen == known.strLastSeen && s64VersionId < known.s64VersionId)))
            continue;
        known.s64RecordId = query.value(1).toLongLong();
        known.s64VersionId = s64VersionId;
        known.baDigest = query.value(3).toByteArray();
        known.strLastSeen = strLastSeen;
        known.s64LastFile = query.value(5).toLongLong();
    }
    return true;
}

// _pVersionId: the version's row, 0 when it was there and seen later.
bool cImport::bInsertVersion(qint64 _s64RecordId, const ArchiveRecord& _record, qint64* _pVersionId)
{
    m_insertVersion.addBindValue(_s64RecordId);
    m_insertVersion.addBindValue(_record.baLine);
    m_insertVersion.addBindValue(_record.baDigest);
    m_insertVersion.addBindValue(m_strArrived);
    m_insertVersion.addBindValue(m_strArrived);
    m_insertVersion.addBindValue(m_s64FileId);
    const ArchiveOrderColumns& c = _record.orderColumns;
    const auto orderText = [&](const QString& _str) {
        return _record.bOrder ? boundText(_str) : QVariant(QVariant::String);
    };
    const auto number = [&](int _s32) { return _record.bOrder ? QVariant(_s32) : QVariant(QVariant::Int); };
    for (const QVariant& value :
         {orderText(c.order.strOrderNumber),
          orderText(c.order.strCustomerNumber),
          orderText(c.order.strCustomer),
          orderText(c.order.strFieldNumber),
          orderText(c.order.strFieldName),
          orderText(c.order.strDriver),
          orderText(c.order.strStart),
          orderText(c.order.strStop),
          c.strStartAt.isEmpty() ? QVariant(QVariant::String) : orderText(c.strStartAt),
          c.strStopAt.isEmpty() ? QVariant(QVariant::String) : orderText(c.strStopAt),
          number(c.order.s32AreaM2),
          number(c.s32FieldMetres),
          number(c.s32HarvestMetres),
          number(c.s32RoadMetres),
          number(c.order.s32FieldMinutes),
          number(c.s32UnloadMinutes),
          number(c.s32RoadMinutes),
          number(c.s32HarvestMinutes),
          number(c.s32FieldFuelMl),
          number(c.s32RoadFuelMl),
          number(c.s32HarvestFuelMl)})
        m_insertVersion.addBindValue(value);
    if (!m_insertVersion.exec())
        return bFail(m_insertVersion);
    *_pVersionId = m_insertVersion.next() ? m_insertVersion.value(0).toLongLong() : 0;
    m_insertVersion.finish();
    return true;
}

// The version becomes the one the list browser shows of an order.
bool cImport::bShowVersion(qint64 _s64RecordId, qint64 _s64VersionId, const ArchiveRecord& _record,
                           bool _bNewRecord)
{
    if (!_record.bOrder || _s64VersionId == 0)
        return true;
    return m_view.bWrite(_s64RecordId, _s64VersionId, m_input.machine.strChassis, m_input.machine.strSerial,
                         _record.strSeason, _record.bUtf8,
                         ArchiveRecords::strDecodeLine(_record.baLine, _record.bUtf8), _bNewRecord, m_error);
}

bool cImport::bImportRecord(const ArchiveRecord& _record, ArchiveImportResult& _result)
{
    auto it = m_known.find(_record.strKey);
    if (it == m_known.end()) {
        for (const QVariant& value :
             {boundText(m_input.machine.strChassis), boundText(m_input.machine.strSerial),
              QVariant(m_strKind), boundText(_record.strKey), boundText(_record.strSeason)})
            m_insertRecord.addBindValue(value);
        if (!m_insertRecord.exec() || !m_insertRecord.next())
            return bFail(m_insertRecord);
        const qint64 s64RecordId = m_insertRecord.value(0).toLongLong();
        m_insertRecord.finish();
        qint64 s64VersionId = 0;
        if (!bInsertVersion(s64RecordId, _record, &s64VersionId) ||
            !bShowVersion(s64RecordId, s64VersionId, _record, true))
            return false;
        // Keys are unique within a file (ArchiveRecords): the record is not
        // met again in this import and need not be remembered.
        ++_result.s32New;
        return true;
    }
    KnownRecord& known = it.value();
    if (known.baDigest == _record.baDigest) {
        ++_result.s32Unchanged;
        // Brought last by this very file, the version is seen again with it.
        if (known.s64LastFile == m_s64FileId || !(known.strLastSeen < m_strArrived))
            return true;
        for (const QVariant& value : {QVariant(m_strArrived), QVariant(m_s64FileId),
                                      QVariant(known.s64VersionId), QVariant(m_strArrived)})
            m_touchVersion.addBindValue(value);
        return m_touchVersion.exec() || bFail(m_touchVersion);
    }
    qint64 s64VersionId = 0;
    if (!bInsertVersion(known.s64RecordId, _record, &s64VersionId))
        return false;
    // A file that arrived before the version known (an inbox catching up)
    // brings an older line: the shown one stays.
    if (!(m_strArrived < known.strLastSeen) && !bShowVersion(known.s64RecordId, s64VersionId, _record, false))
        return false;
    ++_result.s32Changed;
    return true;
}

bool cImport::bRun(ArchiveImportResult& _result)
{
    const ArchiveFileHead head = ArchiveRecords::head(m_input.baContent);
    KnownFile file;
    bool bNothingNew = false;
    if (!bFindFile(head, file) || !bArrivedAgain(file, bNothingNew))
        return false;
    if (bNothingNew) {
        _result.s32Unchanged = file.s32Records;
        return bTouchFile(file);
    }
    // What is known is read before the file's row takes the new arrival,
    // which would count as the last sighting of the versions it brought.
    if (!bPrepare() || !bLoadKnown() || !bStoreFile(head, file))
        return false;
    return ArchiveRecords::bForEachRecord(
               m_input.baContent, m_kind, m_input.arrived,
               [&](const ArchiveRecord& _record) { return bImportRecord(_record, _result); }) &&
           bCountRecords(_result) && (m_kind != ListKind::Orders || m_view.bFinish(m_error));
}

// An import reads before it writes. SQLite's plain BEGIN would take the
// write lock only at the first write, and fail at once where another
// import wrote in between: it takes the lock first, waiting its turn.
bool bBegin(QSqlDatabase& _database, QSqlError& _error)
{
    if (ArchiveSchema::dialectOf(_database) == ArchiveSchema::Dialect::Postgres) {
        if (_database.transaction())
            return true;
        _error = _database.lastError();
        return false;
    }
    QSqlQuery begin(_database);
    if (begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    _error = begin.lastError();
    return false;
}

} // namespace

namespace ArchiveImport
{

QString strTime(const QDateTime& _time)
{
    return _time.toUTC().toString(Qt::ISODateWithMs);
}

ArchiveImportResult importFile(QSqlDatabase& _database, const ArchiveInput& _input)
{
    ArchiveImportResult result;
    const ListKind kind =
        _input.kind != ListKind::None ? _input.kind : ListNames::kindOfFile(_input.strFileName);
    if (kind == ListKind::None) {
        result.failure = ArchiveImportResult::Failure::NoList;
        return result;
    }
    if (!bBegin(_database, result.error)) {
        result.failure = ArchiveImportResult::Failure::Database;
        return result;
    }
    bool bOk = false;
    QSqlError error;
    {
        cImport import(_database, _input, kind);
        bOk = import.bRun(result);
        error = import.error();
    }
    if (bOk && !_database.commit()) {
        error = _database.lastError();
        bOk = false;
    }
    if (!bOk) {
        _database.rollback();
        const ArchiveImportResult failed{ArchiveImportResult::Failure::Database, error, 0, 0, 0};
        return failed;
    }
    return result;
}

} // namespace ArchiveImport
