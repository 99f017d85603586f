#include "reports/orderreport.h"

#include "data/currentorder.h"
#include "data/fieldreaders.h"
#include "data/numberformat.h"
#include "data/ordertotals.h"
#include "data/reportfiles.h"
#include "reports/reportpdf.h"
#include "statistics/chartgeometry.h"
#include "statistics/statisticsfigures.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace OrderReport
{

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("OrderReport", _pText);
}

// Numbers in the locale with its group separators; "-" without a value.
class cNumbers
{
public:
    explicit cNumbers(const QLocale& _locale) : m_locale(NumberFormat::reportLocale(_locale)) {}
    // A count of 10^-_s32Scale units, as every other place shows it.
    QString strCount(qint64 _s64Count, int _s32Scale, int _s32Decimals) const
    {
        return NumberFormat::strScaled(_s64Count, _s32Scale, _s32Decimals, m_locale);
    }
    QString str(double _dValue, int _s32Decimals) const
    {
        return m_locale.toString(_dValue, 'f', _s32Decimals);
    }
    QString str(std::optional<float> _value, int _s32Decimals) const
    {
        return _value ? str(double(*_value), _s32Decimals) : QStringLiteral("-");
    }
    const QLocale& locale() const { return m_locale; }
    QString strUnit(std::optional<float> _value, int _s32Decimals, const QString& _strUnit) const
    {
        return _value ? str(double(*_value), _s32Decimals) + QLatin1Char(' ') + _strUnit
                      : QStringLiteral("-");
    }

private:
    QLocale m_locale;
};

// The start date of a record's start time ("01.10.2023 08:00").
QDate dateOfStart(const QString& _strStart)
{
    return QDate::fromString(_strStart.trimmed().left(10), QStringLiteral("dd.MM.yyyy"));
}

// The row spacing as the terminal writes it, in centimetres; a text that is
// no whole number stays as it is.
QString strRowSpacing(const QString& _strText)
{
    bool bNumber = false;
    _strText.trimmed().toInt(&bNumber);
    return bNumber ? _strText.trimmed() + QLatin1Char(' ') + strTr(QT_TRANSLATE_NOOP("OrderReport", "cm"))
                   : _strText;
}

QString strNameAndNumber(const RecordFields& _fields, int _s32Name, int _s32Number)
{
    const QString strNumber = _fields.strClean(_s32Number);
    return strNumber.isEmpty()
               ? _fields.strClean(_s32Name)
               : _fields.strClean(_s32Name) + QStringLiteral(" (") + strNumber + QLatin1Char(')');
}

// The comparison rows with the deviation in the locale's numbers.
QVector<ChartGeometry::BarRow> barRows(const OrderFigures& _order, const OrderFigures& _average,
                                       const cNumbers& _numbers)
{
    QVector<ChartGeometry::BarRow> rows = ChartGeometry::barRows(_order, _average);
    for (int i = 0; i < rows.size(); ++i) {
        ChartGeometry::BarRow& row = rows[i];
        if (!row.deviationPercent)
            continue;
        const double d = *row.deviationPercent;
        row.strText = ChartGeometry::strBarLabel(ChartGeometry::BarFigure(i)) +
                      (d > 0 ? QStringLiteral("+") : QStringLiteral("-")) + _numbers.str(std::fabs(d), 2) +
                      QStringLiteral("%");
    }
    return rows;
}

QString strHoursUnit()
{
    return strTr(QT_TRANSLATE_NOOP("OrderReport", "h"));
}

QString strKmUnit()
{
    return strTr(QT_TRANSLATE_NOOP("OrderReport", "km"));
}

// The order's key facts and its additional information.
void vWriteFacts(cReportPdf& _pdf, const RecordFields& _fields, const CurrentOrder& _order,
                 const cNumbers& _numbers, const QLocale& _locale)
{
    _pdf.vKeyValues(
        {{strTr(QT_TRANSLATE_NOOP("OrderReport", "Auftrags Nummer")), _fields.strClean(0)},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Kunde")), strNameAndNumber(_fields, 3, 2)},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Schlag")), strNameAndNumber(_fields, 5, 4)},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Fahrer")), _fields.strClean(7)},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Start")),
          NumberFormat::strTerminalDateTime(_fields.strClean(8), _locale)},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Stopp")),
          NumberFormat::strTerminalDateTime(_fields.strClean(9), _locale)},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Reihenabstand")), strRowSpacing(_fields.strClean(29))},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Fläche")),
          NumberFormat::strHectares(_order.s32AreaM2, _numbers.locale()) + QStringLiteral(" ") +
              strTr(QT_TRANSLATE_NOOP("OrderReport", "ha"))}},
        2);
    if (!_order.strAdditionalInfo.trimmed().isEmpty())
        _pdf.vParagraph(strTr(QT_TRANSLATE_NOOP("OrderReport", "Zusatzinfo")) + QStringLiteral(": ") +
                        _order.strAdditionalInfo);
}

// The overview: the order's key figures and the averages of all orders.
void vWriteOverview(cReportPdf& _pdf, const OrderFigures& _figures, const OrderFigures& _average,
                    const cNumbers& _numbers)
{
    _pdf.vHeading(strTr(QT_TRANSLATE_NOOP("OrderReport", "Übersicht")));
    const auto overviewRow = [&](const char* _pName, std::optional<float> _order,
                                 std::optional<float> _averageValue, int _s32Decimals) {
        return QStringList{strTr(_pName), _numbers.str(_order, _s32Decimals),
                           _numbers.str(_averageValue, _s32Decimals)};
    };
    _pdf.vTable({{strTr(QT_TRANSLATE_NOOP("OrderReport", "Kennzahl")), 2, false},
                 {strTr(QT_TRANSLATE_NOOP("OrderReport", "Auftrag")), 1, true},
                 {strTr(QT_TRANSLATE_NOOP("OrderReport", "Durchschnitt aller Aufträge")), 1.4, true}},
                {overviewRow(QT_TRANSLATE_NOOP("OrderReport", "ha/h"), _figures.hectaresPerHour,
                             _average.hectaresPerHour, 3),
                 overviewRow(QT_TRANSLATE_NOOP("OrderReport", "km/h Roden"), _figures.harvestSpeed,
                             _average.harvestSpeed, 1),
                 overviewRow(QT_TRANSLATE_NOOP("OrderReport", "m/ha leer"), _figures.emptyRunMetresPerHectare,
                             _average.emptyRunMetresPerHectare, 1),
                 overviewRow(QT_TRANSLATE_NOOP("OrderReport", "l/ha Roden"), _figures.harvestFuelPerHectare,
                             _average.harvestFuelPerHectare, 1),
                 overviewRow(QT_TRANSLATE_NOOP("OrderReport", "l/ha Gesamt"), _figures.fieldFuelPerHectare,
                             _average.fieldFuelPerHectare, 1),
                 overviewRow(QT_TRANSLATE_NOOP("OrderReport", "Bunker/ha"), _figures.bunkerLoadsPerHectare,
                             _average.bunkerLoadsPerHectare, 1)});
}

// Consumption on the field and on the road.
void vWriteConsumption(cReportPdf& _pdf, const CurrentOrder& _order, const cNumbers& _numbers)
{
    _pdf.vHeading(strTr(QT_TRANSLATE_NOOP("OrderReport", "Verbrauch")));
    const StatisticsFigures::Consumption c =
        StatisticsFigures::consumption(_order.fFieldFuel, _order.s32FieldMinutes, _order.fArea,
                                       _order.fRoadFuel, _order.s32RoadMinutes, _order.fRoadDistance);
    const QString strHours = strHoursUnit();
    const QString strKm = strKmUnit();
    const QString strLitres = strTr(QT_TRANSLATE_NOOP("OrderReport", "l"));
    _pdf.vTable(
        {{QString(), 2, false},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Feld")), 1, true},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Straße")), 1, true}},
        {{strTr(QT_TRANSLATE_NOOP("OrderReport", "Strecke")),
          _numbers.strCount(_order.s32FieldMetres, 3, 3) + QLatin1Char(' ') + strKm,
          _numbers.strCount(_order.s32RoadMetres, 3, 3) + QLatin1Char(' ') + strKm},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Zeit")),
          StatisticsFigures::strTimeWithUnit(_order.s32FieldMinutes, strHours),
          StatisticsFigures::strTimeWithUnit(_order.s32RoadMinutes, strHours)},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Verbrauch")),
          _numbers.strCount(_order.s32FieldFuelMl, 3, 1) + QLatin1Char(' ') + strLitres,
          _numbers.strCount(_order.s32RoadFuelMl, 3, 1) + QLatin1Char(' ') + strLitres},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Verbrauch pro Stunde")),
          _numbers.strUnit(c.fieldPerHour, 1, strTr(QT_TRANSLATE_NOOP("OrderReport", "l/h"))),
          _numbers.strUnit(c.roadPerHour, 1, strTr(QT_TRANSLATE_NOOP("OrderReport", "l/h")))},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Verbrauch pro Hektar")),
          _numbers.strUnit(c.fieldPerHectare, 1, strTr(QT_TRANSLATE_NOOP("OrderReport", "l/ha"))), QString()},
         {strTr(QT_TRANSLATE_NOOP("OrderReport", "Verbrauch pro Kilometer")), QString(),
          _numbers.strUnit(c.roadPerKm, 1, strTr(QT_TRANSLATE_NOOP("OrderReport", "l/km")))}});
}

// The distance and time splits with the pages' pies.
void vWriteSplits(cReportPdf& _pdf, const CurrentOrder& _order, const cNumbers& _numbers)
{
    const QString strHours = strHoursUnit();
    const QString strKm = strKmUnit();
    const auto km = [&](qint64 _s64Metres) {
        return _numbers.strCount(_s64Metres, 3, 3) + QLatin1Char(' ') + strKm;
    };
    const int s32Rest = StatisticsFigures::s32RestMinutes(_order.s32FieldMinutes, _order.s32UnloadMinutes,
                                                          _order.s32HarvestMinutes);
    using namespace ChartGeometry;
    _pdf.vPies(
        strTr(QT_TRANSLATE_NOOP("OrderReport", "Streckenaufteilung")),
        distancePie(_order.fFieldDistance, _order.fHarvestDistance, _order.fRoadDistance),
        {{EMPTY_RUN, strTr(QT_TRANSLATE_NOOP("OrderReport", "Leerfahrt")) + QStringLiteral(": ") +
                         km(qint64(_order.s32FieldMetres) - _order.s32HarvestMetres)},
         {HARVEST_DISTANCE, strTr(QT_TRANSLATE_NOOP("OrderReport", "Roden")) + QStringLiteral(": ") +
                                km(_order.s32HarvestMetres)},
         {ROAD, strTr(QT_TRANSLATE_NOOP("OrderReport", "Anfahrt")) + QStringLiteral(": ") +
                    km(_order.s32RoadMetres)}},
        strTr(QT_TRANSLATE_NOOP("OrderReport", "Zeitaufteilung")),
        timePie(_order.s32FieldMinutes, _order.s32UnloadMinutes, _order.s32HarvestMinutes),
        {{REST_TIME, strTr(QT_TRANSLATE_NOOP("OrderReport", "Zeit Rest")) + QStringLiteral(": ") +
                         StatisticsFigures::strTimeWithUnit(s32Rest, strHours)},
         {UNLOAD_TIME, strTr(QT_TRANSLATE_NOOP("OrderReport", "Zeit Entladen")) + QStringLiteral(": ") +
                           StatisticsFigures::strTimeWithUnit(_order.s32UnloadMinutes, strHours)},
         {HARVEST_TIME, strTr(QT_TRANSLATE_NOOP("OrderReport", "Zeit Roden")) + QStringLiteral(": ") +
                            StatisticsFigures::strTimeWithUnit(_order.s32HarvestMinutes, strHours)}});
}

// The comparison with the average of all orders.
void vWriteComparison(cReportPdf& _pdf, const OrderFigures& _figures, const OrderFigures& _average,
                      const cNumbers& _numbers)
{
    using namespace ChartGeometry;
    _pdf.vHeading(strTr(QT_TRANSLATE_NOOP("OrderReport", "Vergleich mit dem Durchschnitt")), 58);
    _pdf.vBars(barRows(_figures, _average, _numbers),
               {{BAR_GOOD, strTr(QT_TRANSLATE_NOOP("OrderReport", "Auftrag besser"))},
                {BAR_AVERAGE, strTr(QT_TRANSLATE_NOOP("OrderReport", "Durchschnitt"))},
                {BAR_BAD, strTr(QT_TRANSLATE_NOOP("OrderReport", "Auftrag schlechter"))}});
}

} // namespace

QString strTitle(const QString& _strRecord)
{
    return strTr(QT_TRANSLATE_NOOP("OrderReport", "Auftragsbericht")) + QLatin1Char(' ') +
           RecordFields(_strRecord).strClean(0);
}

QString strFileName(const QString& _strRecord)
{
    const RecordFields fields(_strRecord);
    const QDate date = dateOfStart(fields.strClean(8));
    return ReportFiles::strFileName(strTr(QT_TRANSLATE_NOOP("OrderReport", "Auftrag")) + QLatin1Char('_') +
                                        fields.strClean(0),
                                    date, date, QStringLiteral("pdf"));
}

QByteArray baPdf(const QString& _strRecord, const cOrderTotals& _totals, const QLocale& _locale,
                 const QDate& _datePrinted)
{
    return pReport(_strRecord, _totals, _locale, _datePrinted)->baFinish();
}

std::shared_ptr<cReportPdf> pReport(const QString& _strRecord, const cOrderTotals& _totals,
                                    const QLocale& _locale, const QDate& _datePrinted)
{
    const cNumbers numbers(_locale);
    const RecordFields fields(_strRecord);
    const CurrentOrder order = CurrentOrder::parse(_strRecord, 0, 0);
    const OrderFigures figures = OrderFigures::ofOrder(order);
    const OrderFigures average = OrderFigures::ofTotals(_totals);

    auto pPdf = std::make_shared<cReportPdf>(
        strTitle(_strRecord),
        QStringList{QStringList{strNameAndNumber(fields, 3, 2), strNameAndNumber(fields, 5, 4),
                                NumberFormat::strTerminalDateTime(fields.strClean(8), _locale)}
                        .filter(QRegularExpression(QStringLiteral("\\S")))
                        .join(QStringLiteral(" · "))},
        _locale, _datePrinted);
    cReportPdf& pdf = *pPdf;
    vWriteFacts(pdf, fields, order, numbers, _locale);
    vWriteOverview(pdf, figures, average, numbers);
    vWriteConsumption(pdf, order, numbers);
    vWriteSplits(pdf, order, numbers);
    vWriteComparison(pdf, figures, average, numbers);
    return pPdf;
}

} // namespace OrderReport
