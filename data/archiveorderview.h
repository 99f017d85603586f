#pragma once

#include "data/archivecustomerranks.h"
#include "data/archivesearch.h"

#include "data/ordertotals.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

// What the list browser reads of the archive's orders: one row per order
// record of a machine, its latest version (the one seen last), with what
// the archive view sorts, filters and searches by, so that each of these
// runs in the database with an index instead of over every line:
//   order_sort     the order number where it is a number, else 0
//   customer_key   "customer (number)" as the list sorts by customer, and
//   customer_rank  that text's place in the interface language's order
//                  (archive_customer_ranks; NULL until ranked)
//   start_day      the start date "yyyy-MM-dd" (NULL without one)
//   fold_*         the values the list's search looks through, folded
//   folded         the same values joined by line ends (no value holds
//                  one): SQLite's trigram index preselects rows by it
//   archive_season_totals  each machine's season totals, kept by the importer
// The importer keeps the table in step with every version it stores; an
// older archive gets it filled when it is migrated.
namespace ArchiveOrderView
{

// The fields the entries show and the search looks through, as the list
// composes them: without the terminal's zero-byte padding (bClean) or as
// written.
const QVector<ArchiveSearch::ValueSource>& searchSources();
// The column of a source's folded value; empty for a field the archive
// does not keep folded.
QString strFoldColumn(const ArchiveSearch::ValueSource& _source);

// The statements that add the view's tables and indexes to an archive.
QStringList slCreate(ArchiveSchema::Dialect _dialect);

// The view row of an order line.
struct Row {
    qint64 s64OrderSort = 0;
    QString strCustomerKey;
    QString strStartDay;
    QVector<QByteArray> folded; // in the order of searchSources()
    QString strFoldedJoined;
    static Row ofLine(const QString& _strLine);
};

// The totals of one machine's orders in one season as its season's file
// would give them, computed from the view's lines; with the first and last
// start day ("yyyy-MM-dd", empty: none).
// _pCustomers: the customers of those orders, number to the greatest name
// they give it.
bool bComputeSeasonTotals(QSqlDatabase& _database, const QString& _strChassis, const QString& _strSerial,
                          const QString& _strSeason, cOrderTotals& _totals, QSqlError& _error,
                          QString* _pFirstDay = nullptr, QString* _pLastDay = nullptr,
                          QMap<QString, QString>* _pCustomers = nullptr);

// Computes and keeps one machine's season: totals, first and last day and
// its customers (archive_season_totals).
bool bKeepSeason(QSqlDatabase& _database, const QString& _strChassis, const QString& _strSerial,
                 const QString& _strSeason, QSqlError& _error);
bool bKeepEverySeason(QSqlDatabase& _database, QSqlError& _error);

// Version 5 keeps each season's customers beside its totals (a JSON array
// of [number, name] pairs), so that the list's customer selector reads a
// few rows, not every order: the column added to an older archive's table,
// and its seasons kept anew.
bool bAddSeasonCustomers(QSqlDatabase& _database, QSqlError& _error);
// False for a text that is no such array (a season kept without them).
bool bCustomersOfText(const QString& _strText, QMap<QString, QString>& _customers);

// Writes the view rows of order versions: the version becomes the record's
// shown version. bFinish then keeps the totals of every season written to
// (archive_season_totals), so that an order's averages need one row.
class cWriter
{
public:
    explicit cWriter(QSqlDatabase& _database);
    ~cWriter();
    // Prepares the statement and reads the customers' places; false with
    // the driver's error.
    bool bPrepare(QSqlError& _error);
    // _bNewRecord: the record was made in this transaction (its row is new).
    bool bWrite(qint64 _s64RecordId, qint64 _s64VersionId, const QString& _strChassis,
                const QString& _strSerial, const QString& _strSeason, bool _bUtf8, const QString& _strLine,
                bool _bNewRecord, QSqlError& _error);
    // Puts the new rows into the trigram index and keeps the totals of the
    // seasons written to since the last call.
    bool bFinish(QSqlError& _error);

private:
    bool bIndexNewRows(QSqlError& _error);

    QSqlDatabase& m_database;
    QSqlQuery m_upsert;
    std::unique_ptr<cCustomerRanks> m_pRanks;
    QSet<QStringList> m_touched; // chassis, serial, season
    // The new records' ids: all records made in one import's transaction
    // are its own, one after the other.
    qint64 m_s64FirstNew = 0;
    qint64 m_s64LastNew = 0;
};

// Fills the view from the archive's versions: every order record's version
// seen last. Part of the migration of an older archive.
bool bFill(QSqlDatabase& _database, QSqlError& _error);

} // namespace ArchiveOrderView
