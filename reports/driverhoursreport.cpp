#include "reports/driverhoursreport.h"

#include "data/numberformat.h"
#include "data/reportfiles.h"
#include "reports/ordersreport.h"
#include "reports/reportpdf.h"

#include <QCoreApplication>

namespace DriverHoursReport
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("DriverHoursReport", _pText);
}

} // namespace

std::unique_ptr<cReportPdf> report(const DriverHours::Table& _table, const QDate& _dateFrom,
                                   const QDate& _dateTo, const QLocale& _locale, const QDate& _datePrinted)
{
    // The period as the orders report writes it.
    const QStringList slSubtitle = OrdersReport::slFilterLines({QString(), _dateFrom, _dateTo}, _locale);
    auto pReport =
        std::make_unique<cReportPdf>(strTr(QT_TRANSLATE_NOOP("DriverHoursReport", "Fahrerstunden")),
                                     slSubtitle, _locale, _datePrinted, QPageLayout::Landscape);

    // The CSV's columns: the name takes the most room, the figures share the rest.
    static const double s_dWeights[] = {2.4, 0.8, 0.7, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    const QStringList slHeader = DriverHours::slHeader();
    QVector<cReportPdf::Column> columns;
    for (int i = 0; i < slHeader.size(); ++i)
        columns.append({slHeader.at(i), s_dWeights[qMin(i, 10)], i >= 1});
    // A report's numbers with the locale's group separators.
    const QLocale locale = NumberFormat::reportLocale(_locale);
    QVector<QStringList> rows;
    rows.reserve(_table.rows.size());
    for (const DriverHours::Row& row : _table.rows)
        rows.append(DriverHours::slCells(row, locale));
    pReport->vTable(columns, rows, DriverHours::slCells(_table.totals, locale));
    pReport->vParagraph(strTr(QT_TRANSLATE_NOOP(
        "DriverHoursReport",
        "Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; "
        "die Summe zählt die Tage aller Fahrer zusammen.")));
    return pReport;
}

QByteArray baPdf(const DriverHours::Table& _table, const QDate& _dateFrom, const QDate& _dateTo,
                 const QLocale& _locale, const QDate& _datePrinted)
{
    return report(_table, _dateFrom, _dateTo, _locale, _datePrinted)->baFinish();
}

QString strFileName(const QDate& _dateFrom, const QDate& _dateTo, const QString& _strSuffix)
{
    return ReportFiles::strFileName(strTr(QT_TRANSLATE_NOOP("DriverHoursReport", "Fahrerstunden")), _dateFrom,
                                    _dateTo, _strSuffix);
}

} // namespace DriverHoursReport
