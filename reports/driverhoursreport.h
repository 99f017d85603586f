#pragma once

#include "data/driverhours.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>

#include <memory>

class cReportPdf;

// The drivers' hours of a period as a landscape A4 table with its totals
// row, the period in its title: "Fahrerstunden".
namespace DriverHoursReport
{

// The report with all its sections, not yet finished: baFinish() gives the
// PDF's bytes; a printer can draw the same report later.
std::unique_ptr<cReportPdf> report(const DriverHours::Table& _table, const QDate& _dateFrom,
                                   const QDate& _dateTo, const QLocale& _locale, const QDate& _datePrinted);

// The finished report's bytes.
QByteArray baPdf(const DriverHours::Table& _table, const QDate& _dateFrom, const QDate& _dateTo,
                 const QLocale& _locale, const QDate& _datePrinted);

// "Fahrerstunden_<from>_<to>.<suffix>" in the interface language, for the
// PDF and the CSV alike.
QString strFileName(const QDate& _dateFrom, const QDate& _dateTo, const QString& _strSuffix);

} // namespace DriverHoursReport
