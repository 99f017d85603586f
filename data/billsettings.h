#pragma once

#include "data/billrates.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVector>

// The contractor's rates and letterhead as the archive keeps them (version
// 5, data/archiveschema.h), so that every machine and office PC using the
// same archive bills alike. The rates lie in archive_bill_rates, the default
// set under customer number '', a value not set as NULL; the letterhead in
// archive_settings under "letterhead_..." names, the logo as base64 PNG.
// Only bound values reach the SQL; the same on SQLite and PostgreSQL. The
// archive must be open (cArchiveStore::open()).
namespace BillSettings
{

// Reads rates and letterhead; an archive without any gives empty ones.
bool bLoad(QSqlDatabase& _database, BillRates& _rates, Letterhead& _letterhead, QSqlError& _error);

// Writes every set of _rates, removes the customers' sets it no longer
// holds and writes the letterhead (the logo as given), in one transaction:
// all or nothing.
bool bSave(QSqlDatabase& _database, const BillRates& _rates, const Letterhead& _letterhead,
           QSqlError& _error);

// A customer the archive's orders name: the number and one name they give it.
struct KnownCustomer {
    QString strNumber;
    QString strName;
};
// Every customer number of the archive's orders, in numeric order.
bool bKnownCustomers(QSqlDatabase& _database, QVector<KnownCustomer>& _customers, QSqlError& _error);

} // namespace BillSettings
