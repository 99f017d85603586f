#include "data/archiveview.h"

#include "data/archiveorderview.h"
#include "data/archiverecords.h"
#include "data/fieldreaders.h"

#include <QSqlQuery>
#include <QVariant>

namespace
{

using ArchiveSchema::Dialect;

using ArchiveSchema::boundText;
using ArchiveSchema::bRun;

// The trigram index finds rows whose joined values contain a text of three
// characters or more. Every alternative of the plan asks a value for such a
// text (or the index cannot narrow the search): the rows holding one of them
// are all the plan can find. Empty when the index cannot help.
QStringList slTrigramTexts(const ArchiveSearch::Plan& _plan)
{
    QStringList slTexts;
    for (const ArchiveSearch::Alternative& alternative : _plan.alternatives) {
        QByteArray baLongest;
        for (const ArchiveSearch::Condition& condition : alternative) {
            if (condition.baText.size() > baLongest.size())
                baLongest = condition.baText;
        }
        const QString strText = QString::fromUtf8(baLongest.constData(), baLongest.size());
        if (strText.size() < 3)
            return QStringList();
        slTexts << strText;
    }
    slTexts.removeDuplicates();
    return slTexts;
}

// SQLite: the rows that hold every trigram of one of the texts. The index
// keeps no places (detail=none), so a text is asked for as its trigrams,
// each quoted (quotes doubled); the search's own conditions then decide.
QString strFtsQuery(const QStringList& _slTexts)
{
    QStringList slTexts;
    for (const QString& strText : _slTexts) {
        QStringList slTrigrams;
        for (int i = 0; i + 3 <= strText.size(); ++i) {
            QString strTrigram = strText.mid(i, 3);
            strTrigram.replace(QLatin1Char('"'), QLatin1String("\"\""));
            slTrigrams << QLatin1Char('"') + strTrigram + QLatin1Char('"');
        }
        slTrigrams.removeDuplicates();
        slTexts << QLatin1Char('(') + slTrigrams.join(QLatin1String(" AND ")) + QLatin1Char(')');
    }
    return slTexts.join(QLatin1String(" OR "));
}

// PostgreSQL: LIKE patterns, which its trigram index (pg_trgm) serves.
QString strLikePattern(QString _strText)
{
    for (const char* pSpecial : {"\\", "%", "_"})
        _strText.replace(QLatin1String(pSpecial), QLatin1Char('\\') + QLatin1String(pSpecial));
    return QLatin1Char('%') + _strText + QLatin1Char('%');
}

void vAddTrigramFilter(const ArchiveSearch::Plan& _plan, Dialect _dialect, QStringList& _slWhere,
                       QVariantList& _binds)
{
    const QStringList slTexts = slTrigramTexts(_plan);
    if (slTexts.isEmpty())
        return;
    if (_dialect == Dialect::Sqlite) {
        _slWhere << QStringLiteral("v.record_id IN (SELECT rowid FROM archive_order_search WHERE "
                                   "archive_order_search MATCH ?)");
        _binds << strFtsQuery(slTexts);
        return;
    }
    QStringList slLikes;
    for (const QString& strText : slTexts) {
        slLikes << QStringLiteral("v.folded LIKE ?");
        _binds << strLikePattern(strText);
    }
    _slWhere << QLatin1Char('(') + slLikes.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

// One search text's part of the condition; false when it finds nothing.
bool bAddNeedle(const QByteArray& _baNeedle, bool _bTrigrams, const ArchiveView::EntryLayout& _layout,
                Dialect _dialect, QStringList& _slWhere, QVariantList& _binds)
{
    if (_baNeedle.isEmpty())
        return true;
    const ArchiveSearch::Plan plan = ArchiveSearch::plan(_layout.layout, _baNeedle);
    if (plan.bEveryRow)
        return true;
    QStringList slColumns;
    for (const ArchiveSearch::ValueSource& source : _layout.sources) {
        const QString strColumn = ArchiveOrderView::strFoldColumn(source);
        if (strColumn.isEmpty())
            return false; // a value the archive does not keep folded
        slColumns << QStringLiteral("v.") + strColumn;
    }
    if (_bTrigrams)
        vAddTrigramFilter(plan, _dialect, _slWhere, _binds);
    const ArchiveSearch::SqlCondition condition = ArchiveSearch::sqlCondition(plan, _dialect, slColumns);
    _slWhere << condition.strSql;
    _binds << condition.binds;
    return !plan.alternatives.isEmpty();
}

// The search's part of the condition; false when the search finds nothing.
bool bAddSearch(const ArchiveView::Selection& _selection, const ArchiveView::EntryLayout& _layout,
                Dialect _dialect, QStringList& _slWhere, QVariantList& _binds)
{
    bool bAny =
        bAddNeedle(_selection.baNeedle, _selection.bTrigramFilter, _layout, _dialect, _slWhere, _binds);
    for (const QByteArray& baNeedle : _selection.furtherNeedles)
        bAny = bAddNeedle(baNeedle, false, _layout, _dialect, _slWhere, _binds) && bAny;
    return bAny;
}

// The entry's folded text, as the list searches it.
QString strFoldedEntry(const ArchiveView::EntryLayout& _layout, const QString& _strLine)
{
    const RecordFields fields(_strLine);
    QVector<QByteArray> values;
    values.reserve(_layout.sources.size());
    for (const ArchiveSearch::ValueSource& source : _layout.sources)
        values << ArchiveSearch::baFoldedValue(fields.field(source.s32Field), source.bClean);
    const QByteArray baText = ArchiveSearch::baCompose(_layout.layout, values);
    return QString::fromUtf8(baText.constData(), baText.size());
}

bool bTaken(const ArchiveView::Selection& _selection, const ArchiveView::EntryLayout& _layout,
            const QString& _strLine)
{
    return !_selection.fnPattern || _selection.fnPattern(strFoldedEntry(_layout, _strLine));
}

const char* const SELECT_ROWS = "SELECT v.record_id, v.chassis, v.serial, v.season, v.line_utf8, x.line "
                                "FROM archive_order_view v JOIN archive_versions x ON x.id = v.version_id";

ArchiveView::OrderRow rowOf(const QSqlQuery& _query)
{
    ArchiveView::OrderRow row;
    row.s64RecordId = _query.value(0).toLongLong();
    row.machine.strChassis = _query.value(1).toString();
    row.machine.strSerial = _query.value(2).toString();
    row.strSeason = _query.value(3).toString();
    row.strLine = ArchiveRecords::strDecodeLine(_query.value(5).toByteArray(), _query.value(4).toBool());
    return row;
}

} // namespace

namespace ArchiveView
{

bool bMachines(QSqlDatabase& _database, QVector<ArchiveMachine>& _machines, QSqlError& _error)
{
    _machines.clear();
    QSqlQuery query(_database);
    if (!bRun(query,
              QStringLiteral("SELECT DISTINCT chassis, serial FROM archive_files "
                             "ORDER BY chassis, serial"),
              {}, _error))
        return false;
    while (query.next())
        _machines.append({query.value(0).toString(), query.value(1).toString()});
    return true;
}

bool bSeasons(QSqlDatabase& _database, QStringList& _slSeasons, QSqlError& _error)
{
    _slSeasons.clear();
    // One index step per season instead of a walk through every order.
    QSqlQuery query(_database);
    if (!bRun(query,
              QStringLiteral("WITH RECURSIVE s (season) AS (SELECT max(season) FROM archive_order_view "
                             "UNION ALL SELECT (SELECT max(season) FROM archive_order_view WHERE season < "
                             "s.season) FROM s WHERE s.season IS NOT NULL) SELECT season FROM s WHERE season "
                             "IS NOT NULL"),
              {}, _error))
        return false;
    while (query.next())
        _slSeasons.append(query.value(0).toString());
    return true;
}

namespace
{

// The selection's machine and season as conditions on the seasons kept
// (archive_season_totals), their values appended to _binds.
QString strSeasonRowsWhere(const Selection& _selection, QVariantList& _binds)
{
    QStringList slWhere{QStringLiteral("1 = 1")};
    if (!_selection.bAllMachines) {
        slWhere << QStringLiteral("chassis = ? AND serial = ?");
        _binds << boundText(_selection.machine.strChassis) << boundText(_selection.machine.strSerial);
    }
    if (!_selection.strSeason.isEmpty()) {
        slWhere << QStringLiteral("season = ?");
        _binds << _selection.strSeason;
    }
    return slWhere.join(QLatin1String(" AND "));
}

} // namespace

bool bCustomers(QSqlDatabase& _database, const Selection& _selection, QVector<OrderCustomer>& _customers,
                QSqlError& _error)
{
    _customers.clear();
    QVariantList binds;
    const QString strWhere = strSeasonRowsWhere(_selection, binds);
    // Each season keeps its customers (the importer writes them with the
    // totals): a few rows instead of every order of the selection.
    QSqlQuery select(_database);
    select.setForwardOnly(true);
    if (!bRun(select,
              QStringLiteral("SELECT customers, chassis, serial, season FROM archive_season_totals WHERE %1")
                  .arg(strWhere),
              binds, _error))
        return false;
    QMap<QString, QString> customers;
    while (select.next()) {
        // A season kept without them is read from its orders.
        cOrderTotals totals;
        if (!ArchiveOrderView::bCustomersOfText(select.value(0).toString(), customers) &&
            !ArchiveOrderView::bComputeSeasonTotals(_database, select.value(1).toString(),
                                                    select.value(2).toString(), select.value(3).toString(),
                                                    totals, _error, nullptr, nullptr, &customers))
            return false;
    }
    for (auto it = customers.constBegin(); it != customers.constEnd(); ++it)
        _customers.append({it.key(), it.value()});
    return true;
}

bool bDateRange(QSqlDatabase& _database, QDate& _dateMin, QDate& _dateMax, QSqlError& _error)
{
    QSqlQuery range(_database);
    // From the seasons' totals the importer keeps: a few rows.
    if (!bRun(range, QStringLiteral("SELECT min(first_day), max(last_day) FROM archive_season_totals"), {},
              _error))
        return false;
    const bool bRow = range.next();
    _dateMin = bRow ? QDate::fromString(range.value(0).toString(), Qt::ISODate) : QDate();
    _dateMax = bRow ? QDate::fromString(range.value(1).toString(), Qt::ISODate) : QDate();
    return true;
}

Query query(const Selection& _selection, const EntryLayout& _layout, Dialect _dialect)
{
    Query result;
    QStringList slWhere;
    if (!_selection.bAllMachines) {
        slWhere << QStringLiteral("v.chassis = ? AND v.serial = ?");
        result.binds << boundText(_selection.machine.strChassis) << boundText(_selection.machine.strSerial);
    }
    if (!_selection.strSeason.isEmpty()) {
        slWhere << QStringLiteral("v.season = ?");
        result.binds << _selection.strSeason;
    }
    if (!_selection.strCustomerNumber.isEmpty()) {
        // The customer's places in the sort order come first: their orders
        // are found through its index, where the number alone would read
        // every order of the selection (a tenth of a second per 100,000).
        // Each name the number had is a customer key "<name> (<number>)".
        QString strNumber = _selection.strCustomerNumber;
        strNumber.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('%'), QLatin1String("\\%"))
            .replace(QLatin1Char('_'), QLatin1String("\\_"));
        slWhere << QStringLiteral("x.customer_number = ?")
                << QStringLiteral(
                       "(v.customer_rank IN (SELECT r.rank_value FROM archive_customer_ranks r WHERE "
                       "r.customer_key LIKE ? ESCAPE '\\') OR v.customer_rank IS NULL)");
        result.binds << _selection.strCustomerNumber << QLatin1String("% (") + strNumber + QLatin1Char(')');
    }
    // As the list: a row without a date passes an upper bound, not a lower
    // one. The rows are walked in the list's order and their dates compared
    // (SQLite: "+" keeps the date's index from driving, which would sort
    // every order of the range for each page).
    const QString strDay =
        _dialect == Dialect::Sqlite ? QStringLiteral("+v.start_day") : QStringLiteral("v.start_day");
    if (_selection.dateFrom.isValid()) {
        slWhere << strDay + QStringLiteral(" >= ?");
        result.binds << _selection.dateFrom.toString(Qt::ISODate);
    }
    if (_selection.dateTo.isValid()) {
        slWhere << QStringLiteral("(%1 IS NULL OR %1 <= ?)").arg(strDay);
        result.binds << _selection.dateTo.toString(Qt::ISODate);
    }
    result.bNothing = !bAddSearch(_selection, _layout, _dialect, slWhere, result.binds);
    result.strSql = QLatin1String(SELECT_ROWS);
    if (!slWhere.isEmpty())
        result.strSql += QStringLiteral(" WHERE ") + slWhere.join(QLatin1String(" AND "));
    result.strSql += _selection.s32SortMode == 0 ? QStringLiteral(" ORDER BY v.order_sort, v.record_id")
                                                 : QStringLiteral(" ORDER BY v.customer_rank, v.record_id");
    return result;
}

void vChooseSearchRoute(QSqlDatabase& _database, Selection& _selection, const EntryLayout& _layout)
{
    // More finds than this: the first page fills sooner along the list's order.
    constexpr int COMMON = 20000;
    _selection.bTrigramFilter = true;
    if (_selection.baNeedle.isEmpty() || ArchiveSchema::dialectOf(_database) != Dialect::Sqlite)
        return;
    const QStringList slTexts = slTrigramTexts(ArchiveSearch::plan(_layout.layout, _selection.baNeedle));
    if (slTexts.isEmpty())
        return;
    QSqlQuery count(_database);
    QSqlError error;
    if (bRun(count,
             QStringLiteral("SELECT count(*) FROM (SELECT rowid FROM archive_order_search WHERE "
                            "archive_order_search MATCH ? LIMIT ?) AS found"),
             {strFtsQuery(slTexts), COMMON}, error) &&
        count.next())
        _selection.bTrigramFilter = count.value(0).toInt() < COMMON;
}

bool bFetch(QSqlDatabase& _database, const Selection& _selection, const EntryLayout& _layout, int _s32Offset,
            int _s32Limit, QVector<OrderRow>& _rows, QSqlError& _error, int* _pNextOffset)
{
    _rows.clear();
    int s32Offset = _s32Offset;
    if (_pNextOffset)
        *_pNextOffset = s32Offset;
    const Query q = query(_selection, _layout, ArchiveSchema::dialectOf(_database));
    if (q.bNothing)
        return true;
    // A pattern passes over rows: it reads on until the page is full.
    const int s32Chunk = _selection.fnPattern ? qMax(_s32Limit, 2000) : _s32Limit;
    while (_rows.size() < _s32Limit) {
        QSqlQuery select(_database);
        select.setForwardOnly(true);
        if (!bRun(select, q.strSql + QStringLiteral(" LIMIT ? OFFSET ?"),
                  QVariantList(q.binds) << s32Chunk << s32Offset, _error))
            return false;
        int s32Read = 0;
        while (_rows.size() < _s32Limit && select.next()) {
            ++s32Read;
            OrderRow row = rowOf(select);
            if (bTaken(_selection, _layout, row.strLine))
                _rows.append(row);
        }
        s32Offset += s32Read;
        if (_pNextOffset)
            *_pNextOffset = s32Offset;
        if (s32Read < s32Chunk && _rows.size() < _s32Limit)
            break; // the selection has no more
        if (!_selection.fnPattern)
            break;
    }
    return true;
}

bool bForEach(QSqlDatabase& _database, const Selection& _selection, const EntryLayout& _layout,
              const std::function<bool(const OrderRow&)>& _fnRow, QSqlError& _error)
{
    const Query q = query(_selection, _layout, ArchiveSchema::dialectOf(_database));
    if (q.bNothing)
        return true;
    QSqlQuery select(_database);
    select.setForwardOnly(true);
    if (!bRun(select, q.strSql, q.binds, _error))
        return false;
    while (select.next()) {
        const OrderRow row = rowOf(select);
        if (bTaken(_selection, _layout, row.strLine) && !_fnRow(row))
            break;
    }
    return true;
}

bool bSeasonTotals(QSqlDatabase& _database, const ArchiveMachine& _machine, const QString& _strSeason,
                   cOrderTotals& _totals, QSqlError& _error)
{
    // Kept by the importer; computed here for an archive that has none yet.
    QSqlQuery kept(_database);
    if (!bRun(kept,
              QStringLiteral("SELECT totals FROM archive_season_totals WHERE chassis = ? AND serial = ? AND "
                             "season = ?"),
              {boundText(_machine.strChassis), boundText(_machine.strSerial), boundText(_strSeason)}, _error))
        return false;
    if (kept.next() && cOrderTotals::bFromSerialized(kept.value(0).toString(), _totals))
        return true;
    return ArchiveOrderView::bComputeSeasonTotals(_database, _machine.strChassis, _machine.strSerial,
                                                  _strSeason, _totals, _error);
}

bool bSelectionTotals(QSqlDatabase& _database, const Selection& _selection, cOrderTotals& _totals,
                      QSqlError& _error)
{
    _totals.vReset();
    QVariantList binds;
    const QString strWhere = strSeasonRowsWhere(_selection, binds);
    QSqlQuery kept(_database);
    if (!bRun(kept,
              QStringLiteral("SELECT chassis, serial, season, totals FROM archive_season_totals WHERE %1")
                  .arg(strWhere),
              binds, _error))
        return false;
    while (kept.next()) {
        cOrderTotals season;
        // A season whose kept text does not read is summed from its lines.
        if (!cOrderTotals::bFromSerialized(kept.value(3).toString(), season) &&
            !ArchiveOrderView::bComputeSeasonTotals(_database, kept.value(0).toString(),
                                                    kept.value(1).toString(), kept.value(2).toString(),
                                                    season, _error))
            return false;
        _totals.vAdd(season);
    }
    return true;
}

bool bLatestLines(QSqlDatabase& _database, ListKind _kind, const ArchiveMachine* _pMachine,
                  QStringList& _slLines, QSqlError& _error)
{
    _slLines.clear();
    QVariantList binds{ArchiveRecords::strKindName(_kind)};
    QString strMachine;
    if (_pMachine) {
        strMachine = QStringLiteral(" AND r.chassis = ? AND r.serial = ?");
        binds << boundText(_pMachine->strChassis) << boundText(_pMachine->strSerial);
    }
    // Each record's versions with the one seen last last, and the header of
    // the file that brought it.
    QSqlQuery select(_database);
    select.setForwardOnly(true);
    if (!bRun(select,
              QStringLiteral(
                  "SELECT r.id, v.line, f.header, f.last_arrived, %1 AS seen FROM archive_records r "
                  "JOIN archive_versions v ON v.record_id = r.id LEFT JOIN archive_files f ON f.id = "
                  "v.last_file_id WHERE r.kind = ?%2 ORDER BY r.chassis, r.serial, r.id, seen, v.id")
                  .arg(ArchiveSchema::strLastSeen(QStringLiteral("v"), QStringLiteral("f")), strMachine),
              binds, _error))
        return false;
    const QByteArray& baMark = ArchiveRecords::baByteOrderMark();
    QByteArray baHeader;
    QString strHeaderArrived;
    bool bHave = select.next();
    while (bHave) {
        const qint64 s64Record = select.value(0).toLongLong();
        const QByteArray baLine = select.value(1).toByteArray();
        const QByteArray baFileHeader = select.value(2).toByteArray();
        const QString strArrived = select.value(3).toString();
        bHave = select.next();
        if (bHave && select.value(0).toLongLong() == s64Record)
            continue;
        const bool bUtf8 = baFileHeader.startsWith(baMark);
        _slLines << ArchiveRecords::strDecodeLine(baLine, bUtf8);
        if (strArrived >= strHeaderArrived) {
            strHeaderArrived = strArrived;
            baHeader = baFileHeader;
        }
    }
    const bool bUtf8 = baHeader.startsWith(baMark);
    _slLines.prepend(ArchiveRecords::strDecodeLine(bUtf8 ? baHeader.mid(baMark.size()) : baHeader, bUtf8));
    return true;
}

} // namespace ArchiveView
