#include "data/archiveorderview.h"

#include "data/archiverecords.h"
#include "data/archiveschema.h"
#include "data/fieldreaders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlRecord>
#include <QVariant>

namespace
{

using ArchiveSchema::boundText;
using ArchiveSchema::bRun;
using ArchiveSchema::Dialect;

QString strFoldColumnDefinitions(Dialect _dialect)
{
    const QString strType = _dialect == Dialect::Postgres ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
    QStringList sl;
    for (const ArchiveSearch::ValueSource& source : ArchiveOrderView::searchSources())
        sl << ArchiveOrderView::strFoldColumn(source) + QLatin1Char(' ') + strType;
    return sl.join(QLatin1String(", "));
}

QString strFoldColumnList()
{
    QStringList sl;
    for (const ArchiveSearch::ValueSource& source : ArchiveOrderView::searchSources())
        sl << ArchiveOrderView::strFoldColumn(source);
    return sl.join(QLatin1String(", "));
}

// The terminal pads fields with zero bytes; the list shows them without.
bool bCleanEmpty(const QStringRef& _str)
{
    for (const QChar c : _str) {
        if (c.unicode() != 0)
            return false;
    }
    return true;
}

// SQLite keeps a trigram index of the joined values beside the table: new
// rows go in all at once at the end of an import (cWriter::bFinish; a tenth
// of the time of a trigger per row), a changed or removed row through
// triggers. It keeps no places of the trigrams (detail=none), only which
// rows hold them: it preselects the rows that hold every trigram of a text,
// and the search's own conditions decide.
QStringList slSqliteSearchIndex()
{
    return {QStringLiteral(
                "CREATE VIRTUAL TABLE archive_order_search USING fts5(folded, "
                "content='archive_order_view', content_rowid='record_id', tokenize='trigram', detail=none)"),
            QStringLiteral("CREATE TRIGGER archive_order_view_ad AFTER DELETE ON archive_order_view BEGIN "
                           "INSERT INTO archive_order_search (archive_order_search, rowid, folded) VALUES "
                           "('delete', old.record_id, old.folded); END"),
            // Only a changed text is indexed anew: a customer's new place in
            // the sort order touches every order of the customer.
            QStringLiteral(
                "CREATE TRIGGER archive_order_view_au AFTER UPDATE OF folded ON archive_order_view BEGIN "
                "INSERT INTO archive_order_search (archive_order_search, rowid, folded) VALUES "
                "('delete', old.record_id, old.folded); INSERT INTO archive_order_search (rowid, "
                "folded) VALUES (new.record_id, new.folded); END")};
}

// A season's customers as kept: a JSON array of [number, name] pairs.
QString strCustomersText(const QMap<QString, QString>& _customers)
{
    QJsonArray array;
    for (auto it = _customers.constBegin(); it != _customers.constEnd(); ++it)
        array.append(QJsonArray{it.key(), it.value()});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace

namespace ArchiveOrderView
{

const QVector<ArchiveSearch::ValueSource>& searchSources()
{
    static const QVector<ArchiveSearch::ValueSource> s_sources{
        {0, true}, {3, true}, {2, true}, {5, true}, {4, true}, {7, false}, {8, true}, {9, true}, {29, false}};
    return s_sources;
}

QString strFoldColumn(const ArchiveSearch::ValueSource& _source)
{
    if (!searchSources().contains(_source))
        return QString();
    return QStringLiteral("fold_%1").arg(_source.s32Field);
}

QStringList slCreate(Dialect _dialect)
{
    const bool bPostgres = _dialect == Dialect::Postgres;
    QStringList sl{
        QStringLiteral("CREATE TABLE archive_order_view (record_id %1 PRIMARY KEY REFERENCES archive_records "
                       "(id), version_id BIGINT NOT NULL REFERENCES archive_versions (id), chassis TEXT NOT "
                       "NULL, serial TEXT NOT NULL, season TEXT NOT NULL, line_utf8 INTEGER NOT NULL, "
                       "order_sort BIGINT NOT NULL, customer_key TEXT NOT NULL, customer_rank DOUBLE "
                       "PRECISION, start_day TEXT, folded TEXT NOT NULL, %2)")
            .arg(bPostgres ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER"),
                 strFoldColumnDefinitions(_dialect)),
        QStringLiteral("CREATE TABLE archive_customer_ranks (customer_key TEXT PRIMARY KEY, rank_value "
                       "DOUBLE PRECISION NOT NULL)"),
        QStringLiteral("CREATE TABLE archive_settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        QStringLiteral(
            "CREATE TABLE archive_season_totals (chassis TEXT NOT NULL, serial TEXT NOT NULL, season "
            "TEXT NOT NULL, totals TEXT NOT NULL, first_day TEXT, last_day TEXT, customers TEXT, PRIMARY "
            "KEY (chassis, serial, season))"),
        // The list's two orders, for all machines and seasons and for a
        // season (of one machine or all): the other selections are walked
        // along them, which finds a page's rows among a tenth of the orders
        // at once. No more indexes: each costs every import.
        QStringLiteral(
            "CREATE INDEX archive_order_view_number ON archive_order_view (order_sort, record_id)"),
        QStringLiteral("CREATE INDEX archive_order_view_customer ON archive_order_view (customer_rank, "
                       "record_id)"),
        QStringLiteral(
            "CREATE INDEX archive_order_view_season_number ON archive_order_view (season, chassis, "
            "serial, order_sort, record_id)"),
        QStringLiteral("CREATE INDEX archive_order_view_season_customer ON archive_order_view (season, "
                       "chassis, serial, customer_rank, record_id)")};
    if (!bPostgres)
        sl << slSqliteSearchIndex();
    return sl;
}

Row Row::ofLine(const QString& _strLine)
{
    const RecordFields fields(_strLine);
    Row row;
    row.s64OrderSort = fields.s32Int(0);
    row.strCustomerKey = fields.strClean(3) + QLatin1String(" (") + fields.strClean(2) + QLatin1Char(')');
    const QStringRef strStart = fields.field(8);
    if (!bCleanEmpty(strStart)) {
        const QDate date = FieldReaders::dateOfTimestamp(fields.strClean(8));
        if (date.isValid())
            row.strStartDay = date.toString(Qt::ISODate);
    }
    QByteArray baJoined;
    for (const ArchiveSearch::ValueSource& source : searchSources()) {
        row.folded << ArchiveSearch::baFoldedValue(fields.field(source.s32Field), source.bClean);
        if (!baJoined.isEmpty() || row.folded.size() > 1)
            baJoined += '\n';
        baJoined += row.folded.last();
    }
    row.strFoldedJoined = QString::fromUtf8(baJoined.constData(), baJoined.size());
    return row;
}

cWriter::cWriter(QSqlDatabase& _database)
    : m_database(_database), m_upsert(_database), m_pRanks(std::make_unique<cCustomerRanks>(_database))
{
}

cWriter::~cWriter() = default;

bool cWriter::bPrepare(QSqlError& _error)
{
    if (!m_pRanks->bLoad(_error))
        return false;
    const QString strFolds = strFoldColumnList();
    QStringList slUpdates;
    for (const QString& strColumn :
         {QStringLiteral("version_id"), QStringLiteral("chassis"), QStringLiteral("serial"),
          QStringLiteral("season"), QStringLiteral("line_utf8"), QStringLiteral("order_sort"),
          QStringLiteral("customer_key"), QStringLiteral("customer_rank"), QStringLiteral("start_day"),
          QStringLiteral("folded")})
        slUpdates << QStringLiteral("%1 = excluded.%1").arg(strColumn);
    for (const ArchiveSearch::ValueSource& source : searchSources())
        slUpdates << QStringLiteral("%1 = excluded.%1").arg(strFoldColumn(source));
    if (m_upsert.prepare(
            QStringLiteral(
                "INSERT INTO archive_order_view (record_id, version_id, chassis, serial, season, "
                "line_utf8, order_sort, customer_key, customer_rank, start_day, folded, %1) VALUES "
                "(?, ?, ?, ?, ?, ?, ?, ?, (SELECT rank_value FROM archive_customer_ranks WHERE "
                "customer_key = ?), ?, ?%2) ON CONFLICT (record_id) DO UPDATE SET %3")
                .arg(strFolds, QStringLiteral(", ?").repeated(searchSources().size()),
                     slUpdates.join(QLatin1String(", ")))))
        return true;
    _error = m_upsert.lastError();
    return false;
}

bool cWriter::bWrite(qint64 _s64RecordId, qint64 _s64VersionId, const QString& _strChassis,
                     const QString& _strSerial, const QString& _strSeason, bool _bUtf8,
                     const QString& _strLine, bool _bNewRecord, QSqlError& _error)
{
    const Row row = Row::ofLine(_strLine);
    // The customer's place goes in first: the row takes it from there.
    if (!m_pRanks->bPlace(row.strCustomerKey, _error))
        return false;
    for (const QVariant& value :
         {QVariant(_s64RecordId), QVariant(_s64VersionId), boundText(_strChassis), boundText(_strSerial),
          boundText(_strSeason), QVariant(_bUtf8 ? 1 : 0), QVariant(row.s64OrderSort),
          boundText(row.strCustomerKey), boundText(row.strCustomerKey),
          row.strStartDay.isEmpty() ? QVariant(QVariant::String) : QVariant(row.strStartDay),
          boundText(row.strFoldedJoined)})
        m_upsert.addBindValue(value);
    for (const QByteArray& ba : row.folded)
        m_upsert.addBindValue(ba.isNull() ? QByteArray("") : ba);
    if (!m_upsert.exec()) {
        _error = m_upsert.lastError();
        return false;
    }
    m_touched.insert({_strChassis, _strSerial, _strSeason});
    if (_bNewRecord) {
        m_s64FirstNew = m_s64FirstNew == 0 ? _s64RecordId : qMin(m_s64FirstNew, _s64RecordId);
        m_s64LastNew = qMax(m_s64LastNew, _s64RecordId);
    }
    return true;
}

// SQLite: the new rows into the trigram index, in one statement.
bool cWriter::bIndexNewRows(QSqlError& _error)
{
    if (m_s64FirstNew == 0 || ArchiveSchema::dialectOf(m_database) != Dialect::Sqlite)
        return true;
    QSqlQuery index(m_database);
    if (!index.prepare(
            QStringLiteral("INSERT INTO archive_order_search (rowid, folded) SELECT record_id, folded "
                           "FROM archive_order_view WHERE record_id BETWEEN ? AND ?"))) {
        _error = index.lastError();
        return false;
    }
    index.addBindValue(m_s64FirstNew);
    index.addBindValue(m_s64LastNew);
    if (!index.exec()) {
        _error = index.lastError();
        return false;
    }
    m_s64FirstNew = 0;
    m_s64LastNew = 0;
    return true;
}

bool cWriter::bFinish(QSqlError& _error)
{
    if (!bIndexNewRows(_error))
        return false;
    for (const QStringList& slSeason : qAsConst(m_touched)) {
        if (!bKeepSeason(m_database, slSeason.at(0), slSeason.at(1), slSeason.at(2), _error))
            return false;
    }
    m_touched.clear();
    return true;
}

bool bComputeSeasonTotals(QSqlDatabase& _database, const QString& _strChassis, const QString& _strSerial,
                          const QString& _strSeason, cOrderTotals& _totals, QSqlError& _error,
                          QString* _pFirstDay, QString* _pLastDay, QMap<QString, QString>* _pCustomers)
{
    _totals.vReset();
    QSqlQuery select(_database);
    select.setForwardOnly(true);
    if (!select.prepare(
            QStringLiteral("SELECT v.line_utf8, x.line, v.start_day FROM archive_order_view v JOIN "
                           "archive_versions x ON x.id = v.version_id WHERE v.season = ? AND "
                           "v.chassis = ? AND v.serial = ?"))) {
        _error = select.lastError();
        return false;
    }
    for (const QString& str : {_strSeason, _strChassis, _strSerial})
        select.addBindValue(boundText(str));
    if (!select.exec()) {
        _error = select.lastError();
        return false;
    }
    QString strFirst;
    QString strLast;
    while (select.next()) {
        const QString strLine =
            ArchiveRecords::strDecodeLine(select.value(1).toByteArray(), select.value(0).toBool());
        const RecordFields fields(strLine);
        _totals.vAddRecord(fields);
        if (_pCustomers) {
            QString& strName = (*_pCustomers)[fields.strClean(2)];
            strName = qMax(strName, fields.strClean(3));
        }
        const QString strDay = select.value(2).toString();
        if (strDay.isEmpty())
            continue;
        if (strFirst.isEmpty() || strDay < strFirst)
            strFirst = strDay;
        if (strLast.isEmpty() || strDay > strLast)
            strLast = strDay;
    }
    if (_pFirstDay)
        *_pFirstDay = strFirst;
    if (_pLastDay)
        *_pLastDay = strLast;
    return true;
}

bool bFill(QSqlDatabase& _database, QSqlError& _error)
{
    cWriter writer(_database);
    if (!writer.bPrepare(_error))
        return false;
    // Every order record's versions, the one seen last (the newer row where
    // two tie) last, with whether its file began with a byte-order mark.
    QSqlQuery select(_database);
    select.setForwardOnly(ArchiveSchema::dialectOf(_database) == Dialect::Sqlite);
    const QString strSeen = ArchiveSchema::strLastSeen(QStringLiteral("v"), QStringLiteral("f"));
    if (!select.prepare(
            QStringLiteral("SELECT r.id, v.id, r.chassis, r.serial, r.season, v.line, "
                           "substr(f.header, 1, 3) = ?, %1 AS seen FROM archive_records r JOIN "
                           "archive_versions v ON v.record_id = r.id LEFT JOIN archive_files f ON "
                           "f.id = v.last_file_id WHERE r.kind = 'orders' ORDER BY r.id, seen, v.id")
                .arg(strSeen))) {
        _error = select.lastError();
        return false;
    }
    select.addBindValue(ArchiveRecords::baByteOrderMark());
    if (!select.exec()) {
        _error = select.lastError();
        return false;
    }
    bool bHave = select.next();
    while (bHave) {
        const qint64 s64Record = select.value(0).toLongLong();
        const qint64 s64Version = select.value(1).toLongLong();
        const QString strChassis = select.value(2).toString();
        const QString strSerial = select.value(3).toString();
        const QString strSeason = select.value(4).toString();
        const QByteArray baLine = select.value(5).toByteArray();
        const bool bUtf8 = select.value(6).toBool();
        bHave = select.next();
        if (bHave && select.value(0).toLongLong() == s64Record)
            continue; // a later version of the same record follows
        if (!writer.bWrite(s64Record, s64Version, strChassis, strSerial, strSeason, bUtf8,
                           ArchiveRecords::strDecodeLine(baLine, bUtf8), false, _error))
            return false;
    }
    if (select.lastError().isValid()) {
        _error = select.lastError();
        return false;
    }
    select.finish();
    // Every row at once into the trigram index.
    QSqlQuery rebuild(_database);
    if (ArchiveSchema::dialectOf(_database) == Dialect::Sqlite &&
        !rebuild.exec(
            QStringLiteral("INSERT INTO archive_order_search (archive_order_search) VALUES ('rebuild')"))) {
        _error = rebuild.lastError();
        return false;
    }
    return writer.bFinish(_error);
}

bool bAddSeasonCustomers(QSqlDatabase& _database, QSqlError& _error)
{
    // Tables made since have the column from the start.
    if (_database.record(QStringLiteral("archive_season_totals")).contains(QStringLiteral("customers")))
        return true;
    // Not prepared: PostgreSQL prepares no ALTER.
    QSqlQuery alter(_database);
    if (!alter.exec(QStringLiteral("ALTER TABLE archive_season_totals ADD COLUMN customers TEXT"))) {
        _error = alter.lastError();
        return false;
    }
    return bKeepEverySeason(_database, _error);
}

bool bCustomersOfText(const QString& _strText, QMap<QString, QString>& _customers)
{
    const QJsonDocument document = QJsonDocument::fromJson(_strText.toUtf8());
    if (!document.isArray())
        return false;
    for (const QJsonValue& value : document.array()) {
        const QJsonArray pair = value.toArray();
        QString& strName = _customers[pair.at(0).toString()];
        strName = qMax(strName, pair.at(1).toString());
    }
    return true;
}

bool bKeepSeason(QSqlDatabase& _database, const QString& _strChassis, const QString& _strSerial,
                 const QString& _strSeason, QSqlError& _error)
{
    cOrderTotals totals;
    QString strFirstDay;
    QString strLastDay;
    QMap<QString, QString> customers;
    if (!bComputeSeasonTotals(_database, _strChassis, _strSerial, _strSeason, totals, _error, &strFirstDay,
                              &strLastDay, &customers))
        return false;
    const auto day = [](const QString& _strDay) {
        return _strDay.isEmpty() ? QVariant(QVariant::String) : QVariant(_strDay);
    };
    QSqlQuery upsert(_database);
    return bRun(
        upsert,
        QStringLiteral("INSERT INTO archive_season_totals (chassis, serial, season, totals, first_day, "
                       "last_day, customers) VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (chassis, serial, "
                       "season) DO UPDATE SET totals = excluded.totals, first_day = excluded.first_day, "
                       "last_day = excluded.last_day, customers = excluded.customers"),
        {boundText(_strChassis), boundText(_strSerial), boundText(_strSeason), totals.strSerialized(),
         day(strFirstDay), day(strLastDay), strCustomersText(customers)},
        _error);
}

bool bKeepEverySeason(QSqlDatabase& _database, QSqlError& _error)
{
    QSqlQuery seasons(_database);
    if (!bRun(seasons, QStringLiteral("SELECT chassis, serial, season FROM archive_season_totals"), {},
              _error))
        return false;
    QVector<QStringList> all;
    while (seasons.next())
        all.append({seasons.value(0).toString(), seasons.value(1).toString(), seasons.value(2).toString()});
    seasons.finish();
    for (const QStringList& sl : qAsConst(all)) {
        if (!bKeepSeason(_database, sl.at(0), sl.at(1), sl.at(2), _error))
            return false;
    }
    return true;
}

} // namespace ArchiveOrderView
