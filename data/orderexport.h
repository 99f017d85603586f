#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The orders a list shows, as a table for office software: one row per
// order and a totals row. Widget-free; the main window hands in the record
// lines in the order it shows them.
namespace OrderExport
{

struct Row {
    QString strNumber;
    QString strCustomer; // "name (number)"
    QString strField;    // "name (number)"
    QString strDriver;
    QString strStart;
    QString strStop;
    // The counts as the terminal wrote them; the texts are made from these.
    qint64 s64AreaM2 = 0;
    qint64 s64FieldMetres = 0;
    qint64 s64RoadMetres = 0;
    qint64 s64FuelMl = 0; // on the field
    double dArea = 0;     // ha
    double dFieldKm = 0;  // km
    double dRoadKm = 0;   // km
    qint64 s64HarvestMinutes = 0;
    qint64 s64UnloadMinutes = 0;
    qint64 s64FieldMinutes = 0; // the order's whole time on the field
    double dFuel = 0;           // l on the field
    std::optional<double> litresPerHectare;
    std::optional<double> hectaresPerHour;
};

struct Table {
    QVector<Row> rows;
    // Sums of the rows; its two averages are ratios of sums over the orders
    // with an area, as the order pages form the averages of all orders.
    Row totals;
};

Row rowOfRecord(const QString& _strRecord);
Table tableOf(const QStringList& _slRecords);

// The column names in the interface language.
QStringList slHeader();

// The texts of a row's columns: numbers with the locale's decimal separator
// (group separators as the locale's number options say), dates and times in
// the locale's short form, durations as h:mm, "-" for a figure whose divisor
// is zero. The totals row leaves customer to stop empty.
QStringList slCells(const Row& _row, const QLocale& _locale);
QStringList slTotalsCells(const Table& _table, const QLocale& _locale);

// UTF-8 behind a byte-order mark, ";" between fields, a field with ";", a
// quote or a line break in quotes, the text cells as strTextCell makes them; numbers with the locale's
// decimal separator and no group separator, times as h:mm, "-" for a figure whose divisor is zero. The totals
// row is named "Summe" in the interface language.
QByteArray baCsv(const Table& _table, const QLocale& _locale);

// Lines as baCsv writes them: each line's fields joined by ";", its first
// _s32TextColumns fields text cells (strTextCell), every field quoted as
// strCsvField needs, "\r\n" after every line, UTF-8 behind a byte-order mark.
QByteArray baCsvOf(const QVector<QStringList>& _lines, int _s32TextColumns);

// One field as the CSV needs it.
QString strCsvField(const QString& _strText);
// A text cell (order number, customer, field, driver, start, stop) as office
// software keeps it text: a text that begins with "=", "+", "-", "@", a tab
// or a carriage return would be run as a formula there, and gets a leading
// apostrophe. A plain number ("-5", "+3,5") is no formula and stays as it is.
QString strTextCell(const QString& _strText);
// Minutes as "h:mm" (hours not wrapped).
QString strHoursMinutes(qint64 _s64Minutes);

} // namespace OrderExport
