#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// The drivers' hours for payroll: the shown orders of a period summed per
// driver, with a totals row. Widget-free; the main window hands in the order
// record lines it shows.
namespace DriverHours
{

struct Row {
    QString strDriver; // the driver as the orders name him, trimmed
    int s32Orders = 0;
    // Days with at least one of the driver's orders starting on them.
    int s32Days = 0;
    qint64 s64FieldMinutes = 0; // the orders' whole time on the field
    qint64 s64HarvestMinutes = 0;
    qint64 s64UnloadMinutes = 0;
    qint64 s64RoadMinutes = 0;
};

struct Table {
    // One row per driver, sorted by name in the interface language's
    // collation; the orders without driver last, as "(ohne Fahrer)".
    QVector<Row> rows;
    // Named "Summe": the sums of the rows. Its days are the drivers' days
    // added up (days worked to be paid, two drivers on one day count two),
    // not the distinct dates of the period.
    Row totals;
};

// True when _date lies within _dateFrom to _dateTo, both included; an
// invalid bound sets no limit. With a limit, an invalid date lies outside.
bool bInPeriod(const QDate& _date, const QDate& _dateFrom, const QDate& _dateTo);

// The rows of the orders that start within the period (bInPeriod on the
// start date; an order without a readable start date counts only when the
// period has no limit). An order counts entirely on its start date, also
// when it runs past midnight.
Table tableOf(const QStringList& _slRecords, const QDate& _dateFrom, const QDate& _dateTo);

// The column names in the interface language: driver, orders, days, the
// four times as h:mm and the same times as decimal hours, as payroll
// software takes them.
QStringList slHeader();

// The texts of a row's columns: counts and decimal hours (two decimals,
// rounded half up from the minutes) in _locale, times as h:mm.
QStringList slCells(const Row& _row, const QLocale& _locale);

// Minutes as decimal hours with two decimals in _locale ("2,50").
QString strDecimalHours(qint64 _s64Minutes, const QLocale& _locale);

// The table as OrderExport's CSV: header, a row per driver and the totals
// row; the driver a text cell, the numbers without group separators.
QByteArray baCsv(const Table& _table, const QLocale& _locale);

} // namespace DriverHours
