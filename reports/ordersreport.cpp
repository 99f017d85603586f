#include "reports/ordersreport.h"

#include "data/numberformat.h"
#include "data/reportfiles.h"
#include "reports/reportpdf.h"

#include <QCoreApplication>

namespace OrdersReport
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("OrdersReport", _pText);
}

} // namespace

QStringList slFilterLines(const Filter& _filter, const QLocale& _locale)
{
    QStringList slLines;
    if (!_filter.strSearch.trimmed().isEmpty())
        slLines << strTr(QT_TRANSLATE_NOOP("OrdersReport", "Suche: „%1“")).arg(_filter.strSearch.trimmed());
    if (_filter.dateFrom.isValid() || _filter.dateTo.isValid()) {
        slLines << strTr(QT_TRANSLATE_NOOP("OrdersReport", "Zeitraum: %1 bis %2"))
                       .arg(NumberFormat::strDate(_filter.dateFrom, _locale),
                            NumberFormat::strDate(_filter.dateTo, _locale));
    }
    return slLines;
}

QString strFileName(const Filter& _filter, const QString& _strSuffix)
{
    QString strWhat = strTr(QT_TRANSLATE_NOOP("OrdersReport", "Auftraege"));
    if (!_filter.strSearch.trimmed().isEmpty())
        strWhat += QLatin1Char('_') + _filter.strSearch.trimmed().left(40);
    return ReportFiles::strFileName(strWhat, _filter.dateFrom, _filter.dateTo, _strSuffix);
}

QByteArray baPdf(const OrderExport::Table& _table, const Filter& _filter, const QLocale& _locale,
                 const QDate& _datePrinted)
{
    return pReport(_table, _filter, _locale, _datePrinted)->baFinish();
}

std::shared_ptr<cReportPdf> pReport(const OrderExport::Table& _table, const Filter& _filter,
                                    const QLocale& _locale, const QDate& _datePrinted)
{
    QStringList slSubtitle = slFilterLines(_filter, _locale);
    slSubtitle << strTr(QT_TRANSLATE_NOOP("OrdersReport", "Anzahl der Aufträge: %1")).arg(_table.rows.size());
    auto pPdf = std::make_shared<cReportPdf>(strTr(QT_TRANSLATE_NOOP("OrdersReport", "Aufträge")), slSubtitle,
                                             _locale, _datePrinted, QPageLayout::Landscape);
    cReportPdf& pdf = *pPdf;

    // The CSV's columns; the numbers take the width of their widest text,
    // the texts share the rest: names more than dates.
    static const double s_dWeights[] = {1.0,  1.9, 1.9, 1.6, 1.3, 1.3,  0.85, 0.85,
                                        0.85, 0.9, 1.0, 0.9, 1.0, 0.75, 0.75};
    const QStringList slHeader = OrderExport::slHeader();
    QVector<cReportPdf::Column> columns;
    for (int i = 0; i < slHeader.size(); ++i)
        columns.append({slHeader.at(i), s_dWeights[qMin(i, 14)], i >= 6});
    // A report's numbers with the locale's group separators.
    const QLocale locale = NumberFormat::reportLocale(_locale);
    QVector<QStringList> rows;
    rows.reserve(_table.rows.size());
    for (const OrderExport::Row& row : _table.rows)
        rows.append(OrderExport::slCells(row, locale));
    pdf.vTable(columns, rows, OrderExport::slTotalsCells(_table, locale), 7.5);
    pdf.vParagraph(strTr(QT_TRANSLATE_NOOP(
        "OrdersReport",
        "Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.")));
    return pPdf;
}

} // namespace OrdersReport
