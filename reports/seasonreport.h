#pragma once

#include "statistics/seasonsheet.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>

#include <memory>

class cReportPdf;

// The season page's figures on one A4 page.
namespace SeasonReport
{

QByteArray baPdf(const SeasonSheet& _sheet, const QLocale& _locale, const QDate& _datePrinted);
// The same report before it is finished: for the PDF and for printing.
std::shared_ptr<cReportPdf> pReport(const SeasonSheet& _sheet, const QLocale& _locale,
                                    const QDate& _datePrinted);

// "Saison_<view>.pdf" in the interface language.
QString strFileName(const SeasonSheet& _sheet);

} // namespace SeasonReport
