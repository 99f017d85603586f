#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>

#include <memory>

class cOrderTotals;
class cReportPdf;

// The evaluation of one order as the five order pages show it, on A4: the
// order's header block, the overview against the average of all orders,
// consumption, the distance and time splits with their pies and the
// comparison bars, in the interface language and the locale's numbers.
namespace OrderReport
{

QByteArray baPdf(const QString& _strRecord, const cOrderTotals& _totals, const QLocale& _locale,
                 const QDate& _datePrinted);
// The same report before it is finished: for the PDF and for printing.
std::shared_ptr<cReportPdf> pReport(const QString& _strRecord, const cOrderTotals& _totals,
                                    const QLocale& _locale, const QDate& _datePrinted);

// "Auftragsbericht <number>" in the interface language.
QString strTitle(const QString& _strRecord);

// "Auftrag_<number>_<start date>.pdf" in the interface language.
QString strFileName(const QString& _strRecord);

} // namespace OrderReport
