#include "reports/seasonreport.h"

#include "data/reportfiles.h"
#include "reports/reportpdf.h"

#include <QCoreApplication>

namespace SeasonReport
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("SeasonReport", _pText);
}

} // namespace

QString strFileName(const SeasonSheet& _sheet)
{
    return ReportFiles::strFileName(strTr(QT_TRANSLATE_NOOP("SeasonReport", "Saison")) + QLatin1Char('_') +
                                        _sheet.strView,
                                    QDate(), QDate(), QStringLiteral("pdf"));
}

QByteArray baPdf(const SeasonSheet& _sheet, const QLocale& _locale, const QDate& _datePrinted)
{
    return pReport(_sheet, _locale, _datePrinted)->baFinish();
}

std::shared_ptr<cReportPdf> pReport(const SeasonSheet& _sheet, const QLocale& _locale,
                                    const QDate& _datePrinted)
{
    auto pPdf = std::make_shared<cReportPdf>(strTr(QT_TRANSLATE_NOOP("SeasonReport", "Saisonbericht")) +
                                                 QStringLiteral(": ") + _sheet.strView,
                                             QStringList{strTr(QT_TRANSLATE_NOOP("SeasonReport", "Datei")) +
                                                         QStringLiteral(": ") + _sheet.strFileName},
                                             _locale, _datePrinted);
    cReportPdf& pdf = *pPdf;
    QVector<QPair<QString, QString>> pairs;
    pairs.append({strTr(QT_TRANSLATE_NOOP("SeasonReport", "Rodefläche")), _sheet.strArea});
    if (_sheet.bMachineHours) {
        pairs.append(
            {strTr(QT_TRANSLATE_NOOP("SeasonReport", "Betriebsstunden Motor")), _sheet.strEngineHours});
        pairs.append(
            {strTr(QT_TRANSLATE_NOOP("SeasonReport", "Betriebsstunden Roder")), _sheet.strHarvesterHours});
    }
    pdf.vKeyValues(pairs, 1);
    QVector<QStringList> rows;
    for (const SeasonSheet::Row& row : _sheet.rows)
        rows.append({row.strTitle, row.strField, row.strRoad});
    pdf.vTable({{QString(), 2, false},
                {strTr(QT_TRANSLATE_NOOP("SeasonReport", "Feld")), 1, true},
                {strTr(QT_TRANSLATE_NOOP("SeasonReport", "Straße")), 1, true}},
               rows);
    return pPdf;
}

} // namespace SeasonReport
