#pragma once

#include "data/billrates.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// The basis of a contractor's bill: a customer's orders with the amounts
// their rates give, a subtotal per field, net, VAT and gross. Every amount
// is whole cents, each line's rounded half away from zero; the sums are
// sums of the rounded lines, and the VAT is the net's, rounded once.
// Widget-free: the list hands in the order lines it shows.
namespace BillBasis
{

struct Line {
    QDate date; // of the start
    QString strOrderNumber;
    qint64 s64AreaM2 = 0;
    qint64 s64RoadMinutes = 0;
    qint64 s64AreaCents = 0;  // area times the price per hectare
    qint64 s64RoadCents = 0;  // road time times the price per hour
    qint64 s64OrderCents = 0; // the flat price per order
    qint64 s64Cents() const
    {
        return BillMoney::s64Sum(BillMoney::s64Sum(s64AreaCents, s64RoadCents), s64OrderCents);
    }
};

struct Field {
    QString strNumber;
    QString strName;
    QVector<Line> lines; // by start, then order number
    Line subtotal;       // the lines' sums (no date, no number)
};

struct Customer {
    QString strNumber;
    QString strName;       // as the orders name the customer
    QStringList slAddress; // from the customers list: name, street, town; empty when not listed
};

struct Bill {
    Customer customer;
    EffectiveRates rates;
    QDate dateFrom; // the period billed
    QDate dateTo;
    QDate dateIssued;
    QString strNumber;
    QVector<Field> fields; // by name in the locale's order, then number
    Line total;            // the fields' sums
    qint64 s64VatCents = 0;
    int s32Orders = 0;
    qint64 s64NetCents() const { return total.s64Cents(); }
    qint64 s64GrossCents() const { return BillMoney::s64Sum(s64NetCents(), s64VatCents); }
};

struct Request {
    QStringList slOrderLines;    // the orders shown, record lines
    QString strCustomerNumber;   // empty: every customer of the orders
    QStringList slCustomerLines; // the customers list (header first), for the addresses
    BillRates rates;
    QDate dateFrom; // the list's date range; invalid: the orders' own
    QDate dateTo;
    QDate dateIssued;
    QLocale locale; // the order of customers and fields by name
};

// One bill per customer of the orders (or the one asked for), customers by
// name in the locale's order, then number. An order without start date
// counts in no period and is left out; an area or time below zero counts
// as zero.
QVector<Bill> bills(const Request& _request);

// "<from>-<to>-<customer number>" with the dates as yyyyMMdd: the same
// orders of the same period give the same number.
QString strNumber(const QString& _strCustomerNumber, const QDate& _dateFrom, const QDate& _dateTo);

// One table for accounting software (UTF-8 with a byte-order mark, ";"):
// a row per order, a row per field's subtotal and one with net, VAT and
// gross per customer, each with the bill's number, customer number and
// name, field number and name in columns of their own and every amount in
// a column of its own, numbers with the locale's decimal separator and no
// group separator.
QByteArray baCsv(const QVector<Bill>& _bills, const QLocale& _locale);

// The CSV's column names and a row's kind, in the interface language.
QStringList slCsvHeader();

} // namespace BillBasis
