#pragma once

#include "data/archiveimport.h"
#include "data/archivesearch.h"
#include "data/ordercustomers.h"
#include "data/ordertotals.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The archive's orders as the list browser shows them: every machine's
// orders in their latest versions (data/archiveorderview.h), chosen by
// machine, season, search text and start dates, sorted by order number or
// by customer, read a page at a time. Widget-free; only bound values reach
// the database.
namespace ArchiveView
{

// What the list shows of the archive.
struct Selection {
    bool bAllMachines = true;
    ArchiveMachine machine; // when not all machines
    QString strSeason;      // "2014/15"; empty: every season
    QByteArray baNeedle;    // the search text, folded as the list folds it; empty: no search
    QDate dateFrom;         // invalid bounds do not limit
    QDate dateTo;
    QString strCustomerNumber; // one customer's orders (field 2); empty: every customer's
    int s32SortMode = 0;       // 0 by order number, otherwise by customer
    // Whether the trigram index preselects the search's rows (see
    // vChooseSearchRoute); without it the rows are walked in their order.
    bool bTrigramFilter = true;

    // A search the list matches as a pattern (wildcards): the rows whose
    // folded entry text fnPattern accepts. baNeedle and furtherNeedles then
    // hold texts every such row contains (none: every row is looked at).
    std::function<bool(const QString& _strFoldedEntry)> fnPattern;
    QVector<QByteArray> furtherNeedles;
};

// How the list composes an entry's searchable text, in the order of the
// values (mainwindow/corderentries.h describes it).
struct EntryLayout {
    ArchiveSearch::Layout layout;
    QVector<ArchiveSearch::ValueSource> sources;
};

struct OrderRow {
    qint64 s64RecordId = 0;
    ArchiveMachine machine;
    QString strSeason;
    QString strLine; // the record's line as text
};

// The machines and seasons that have orders in the archive: machines by
// chassis and serial, seasons newest first.
bool bMachines(QSqlDatabase& _database, QVector<ArchiveMachine>& _machines, QSqlError& _error);
bool bSeasons(QSqlDatabase& _database, QStringList& _slSeasons, QSqlError& _error);

// The customers of the selection's machines and seasons (its search,
// dates and customer aside): each customer number once, with the greatest
// name it has there, unsorted.
bool bCustomers(QSqlDatabase& _database, const Selection& _selection, QVector<OrderCustomer>& _customers,
                QSqlError& _error);

// The earliest and latest start date of the archive's orders (invalid
// when none has one).
bool bDateRange(QSqlDatabase& _database, QDate& _dateMin, QDate& _dateMax, QSqlError& _error);

// Gives every customer its place in the order of _strLocale (a locale
// name such as "de_DE") where one is missing or the places were made for
// another language. Places already right are kept, so that a new customer
// costs only its own rows.
bool bEnsureCustomerRanks(QSqlDatabase& _database, const QString& _strLocale, QSqlError& _error);

// The SQL of a selection: its WHERE condition and ORDER BY, with the values
// to bind in order. Exposed for the benchmark's side-by-side query.
struct Query {
    QString strSql; // SELECT ... without LIMIT
    QVariantList binds;
    bool bNothing = false; // the search can find no row
};
Query query(const Selection& _selection, const EntryLayout& _layout, ArchiveSchema::Dialect _dialect);

// How a search goes through the orders fastest: a text few orders hold is
// looked up in the trigram index and its orders sorted; a text many hold is
// found sooner by walking the orders in the list's order, where the first
// page fills at once. Decides by counting the index's finds up to a bound.
void vChooseSearchRoute(QSqlDatabase& _database, Selection& _selection, const EntryLayout& _layout);

// Up to _s32Limit rows of the selection from its row _s32Offset in the
// database's order on; _pNextOffset: where the next page starts (a pattern
// search passes over rows it does not take).
bool bFetch(QSqlDatabase& _database, const Selection& _selection, const EntryLayout& _layout, int _s32Offset,
            int _s32Limit, QVector<OrderRow>& _rows, QSqlError& _error, int* _pNextOffset = nullptr);
// Every row of the selection in its order, one at a time; stops when
// _fnRow returns false.
bool bForEach(QSqlDatabase& _database, const Selection& _selection, const EntryLayout& _layout,
              const std::function<bool(const OrderRow&)>& _fnRow, QSqlError& _error);

// The totals of one machine's orders in one season, as its season's file
// would give them.
bool bSeasonTotals(QSqlDatabase& _database, const ArchiveMachine& _machine, const QString& _strSeason,
                   cOrderTotals& _totals, QSqlError& _error);

// The totals of the selection's machines and seasons (its search and
// dates aside, as a file's totals are the whole file's), from the seasons'
// totals the importer keeps.
bool bSelectionTotals(QSqlDatabase& _database, const Selection& _selection, cOrderTotals& _totals,
                      QSqlError& _error);

// The latest version of every customer, field or driver of a machine (all
// machines: _pMachine null), as a list file's lines with a header line
// first, the one of the file that brought the latest version.
bool bLatestLines(QSqlDatabase& _database, ListKind _kind, const ArchiveMachine* _pMachine,
                  QStringList& _slLines, QSqlError& _error);

} // namespace ArchiveView
