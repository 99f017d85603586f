#pragma once

#include "data/orderexport.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>

#include <memory>

class cReportPdf;

// The orders a list shows as a landscape A4 table with its totals row, the
// filter that chose them in its title.
namespace OrdersReport
{

struct Filter {
    QString strSearch; // the search text as typed; empty: none
    QDate dateFrom;    // the date range; invalid: none
    QDate dateTo;
};

QByteArray baPdf(const OrderExport::Table& _table, const Filter& _filter, const QLocale& _locale,
                 const QDate& _datePrinted);
// The same report before it is finished: for the PDF and for printing.
std::shared_ptr<cReportPdf> pReport(const OrderExport::Table& _table, const Filter& _filter,
                                    const QLocale& _locale, const QDate& _datePrinted);

// The filter as the report's subtitle lines.
QStringList slFilterLines(const Filter& _filter, const QLocale& _locale);

// "Auftraege_<search>_<from>_<to>.<suffix>" in the interface language.
QString strFileName(const Filter& _filter, const QString& _strSuffix);

} // namespace OrdersReport
