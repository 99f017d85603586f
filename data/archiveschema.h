#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// The archive's tables, the same on SQLite and PostgreSQL apart from two
// column types (see strIdType and strBytesType), with the version kept in the
// database and the steps from every earlier version to the current one.
//
// Version 5 (current) adds the contractor's rates, archive_bill_rates: one
// row per customer number with the prices in cents and the VAT rate in
// hundredths of a per cent, NULL where a value is not set; the default rates
// under the customer number ''. The letterhead is kept in archive_settings
// (data/billsettings.h). Each season's customers are kept beside its totals.
// Version 4 adds what the list browser reads of the orders: one
// row per order with its latest version, sort keys, folded search values
// and their indexes (data/archiveorderview.h), and the customers' places in
// the interface language's order.
// Version 3:
//   archive_version  (version)
//   archive_files    one row per distinct file of a machine: its name, kind,
//                    digest, header line, line ends, first and last arrival,
//                    how many records it holds
//   archive_records  one row per record: machine (chassis, serial), kind,
//                    the record's own key, its season
//   archive_versions every distinct line a record had: the bytes, their
//                    digest, first seen, last seen (see strLastSeen), the
//                    file that brought it last, the decoded order columns
// Version 2 had neither the count nor the file of a version. Version 1 kept
// one line per record, without history: the line and the decoded columns
// sat in archive_records with the time they arrived.
namespace ArchiveSchema
{

constexpr int CURRENT_VERSION = 5;

enum class Dialect { Sqlite, Postgres };
Dialect dialectOf(const QSqlDatabase& _database);

// The decoded order columns, in the order of ArchiveOrderColumns, with their
// SQL types ("TEXT" or "INTEGER").
struct Column {
    const char* pName;
    const char* pType;
};
const QVector<Column>& orderColumns();
// "order_number, customer_number, ..." for SQL text.
QString strOrderColumnList();

// When a version was seen last, as SQL over the versions (_strVersions) left
// joined to the file that brought them last (_strFiles, ON id =
// last_file_id): its own time, or that file's last arrival when later (the
// same file arriving again touches only the file's row).
QString strLastSeen(const QString& _strVersions, const QString& _strFiles);

// Prepares _strSql on _query, binds _binds in order and runs it; false with
// the driver's error.
bool bRun(QSqlQuery& _query, const QString& _strSql, const QVariantList& _binds, QSqlError& _error);

// Runs _fnWork (returning false with _error set on failure) in a
// transaction of its own: committed when it succeeds, rolled back when it
// fails; false with the driver's error when the transaction cannot begin or
// end.
bool bInTransaction(QSqlDatabase& _database, QSqlError& _error, const std::function<bool()>& _fnWork);

// A text as a bound value: an empty one goes in as empty, where a null
// QString would be bound as NULL.
QVariant boundText(const QString& _str);

// The statements that create the tables of _s32Version (1 to 5) in an empty
// database, version row included.
QStringList slCreate(Dialect _dialect, int _s32Version);

// The version kept in the database: 0 when it holds no archive yet. False
// with the driver's error when it cannot be read.
bool bReadVersion(QSqlDatabase& _database, int& _s32Version, QSqlError& _error);

// Creates the current tables in an empty database (_s32From = 0) or brings
// an older archive up to date, keeping its rows; all in one transaction.
bool bCreateOrMigrate(QSqlDatabase& _database, int _s32From, QSqlError& _error);

// PostgreSQL: the trigram index (pg_trgm) that serves the list browser's
// search over the orders, made once where the server allows the extension.
// An archive without it searches all the same, only slower.
void vAddServerSearchIndex(QSqlDatabase& _database);

} // namespace ArchiveSchema
