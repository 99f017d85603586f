#include "statistics/seasonsheet.h"

#include "data/numberformat.h"
#include "data/ordertotals.h"
#include "statistics/statisticsfigures.h"

#include <QCoreApplication>

namespace
{

QString strTr(const char* _pText)
{
    return QCoreApplication::translate("SeasonSheet", _pText);
}

QVector<SeasonSheet::Row> emptyRows()
{
    return {{strTr(QT_TRANSLATE_NOOP("SeasonSheet", "Strecke")), {}, {}},
            {strTr(QT_TRANSLATE_NOOP("SeasonSheet", "Zeit")), {}, {}},
            {strTr(QT_TRANSLATE_NOOP("SeasonSheet", "Verbrauch")), {}, {}},
            {strTr(QT_TRANSLATE_NOOP("SeasonSheet", "Verbrauch pro Stunde")), {}, {}},
            {strTr(QT_TRANSLATE_NOOP("SeasonSheet", "Verbrauch pro Hektar")), {}, {}},
            {strTr(QT_TRANSLATE_NOOP("SeasonSheet", "Verbrauch pro Kilometer")), {}, {}}};
}

QString strUnit(const char* _pUnit)
{
    return QCoreApplication::translate("SeasonSheet", _pUnit);
}

} // namespace

SeasonSheet SeasonSheet::ofRecord(const StatisticsRecord& _record, const QString& _strView,
                                  const QString& _strFileName)
{
    SeasonSheet sheet;
    sheet.strView = _strView;
    sheet.strFileName = _strFileName;
    sheet.bMachineHours = true;
    // Each figure as the terminal wrote it, with its unit; a field the
    // record lacks stays empty.
    const auto text = [&](int _s32Field, const char* _pUnit) {
        return _record.bHasField(_s32Field) ? _record.strField(_s32Field) + QLatin1Char(' ') + strUnit(_pUnit)
                                            : QString();
    };
    sheet.strEngineHours = text(13, QT_TRANSLATE_NOOP("SeasonSheet", "h"));
    sheet.strHarvesterHours = text(14, QT_TRANSLATE_NOOP("SeasonSheet", "h"));
    sheet.strArea = text(1, QT_TRANSLATE_NOOP("SeasonSheet", "ha"));
    sheet.rows = emptyRows();
    sheet.rows[0].strField = text(3, QT_TRANSLATE_NOOP("SeasonSheet", "km"));
    sheet.rows[0].strRoad = text(4, QT_TRANSLATE_NOOP("SeasonSheet", "km"));
    sheet.rows[1].strField = text(12, QT_TRANSLATE_NOOP("SeasonSheet", "h"));
    sheet.rows[1].strRoad = text(11, QT_TRANSLATE_NOOP("SeasonSheet", "h"));
    sheet.rows[2].strField = text(5, QT_TRANSLATE_NOOP("SeasonSheet", "l"));
    sheet.rows[2].strRoad = text(8, QT_TRANSLATE_NOOP("SeasonSheet", "l"));
    sheet.rows[3].strField = text(6, QT_TRANSLATE_NOOP("SeasonSheet", "l/h"));
    sheet.rows[3].strRoad = text(9, QT_TRANSLATE_NOOP("SeasonSheet", "l/h"));
    sheet.rows[4].strField = text(7, QT_TRANSLATE_NOOP("SeasonSheet", "l/ha"));
    sheet.rows[5].strRoad = text(10, QT_TRANSLATE_NOOP("SeasonSheet", "l/km"));
    return sheet;
}

SeasonSheet SeasonSheet::ofTotals(const cOrderTotals& _totals, const OperatingHours& _hours,
                                  const QString& _strFileName, const QLocale& _locale)
{
    // A report's numbers: the locale's group separators.
    const QLocale locale = NumberFormat::reportLocale(_locale);
    const auto number = [&](double _dValue, int _s32Decimals, const char* _pUnit) {
        return locale.toString(_dValue, 'f', _s32Decimals) + QLatin1Char(' ') + strUnit(_pUnit);
    };
    const auto count = [&](qint64 _s64Count, int _s32Scale, int _s32Decimals, const char* _pUnit) {
        return NumberFormat::strScaled(_s64Count, _s32Scale, _s32Decimals, locale) + QLatin1Char(' ') +
               strUnit(_pUnit);
    };
    const auto optional = [&](std::optional<float> _value, const char* _pUnit) {
        return _value ? number(double(*_value), 1, _pUnit) : QStringLiteral("-");
    };
    // Whole minutes, as the page shows them; sums can pass the int range.
    const qint64 s64FieldMinutes = qint64(_totals.fFieldMinutes());
    const qint64 s64RoadMinutes = qint64(_totals.fRoadMinutes());
    const auto time = [&](qint64 _s64Minutes) {
        return QStringLiteral("%1:%2 ").arg(_s64Minutes / 60).arg(_s64Minutes % 60, 2, 10, QLatin1Char('0')) +
               strUnit(QT_TRANSLATE_NOOP("SeasonSheet", "h"));
    };

    SeasonSheet sheet;
    sheet.strView = strTr(QT_TRANSLATE_NOOP("SeasonSheet", "Summe"));
    sheet.strFileName = _strFileName;
    sheet.bMachineHours = true;
    sheet.strEngineHours = _hours.strEngine;
    sheet.strHarvesterHours = _hours.strHarvester;
    sheet.strArea = count(_totals.s64AreaM2(), 4, 1, QT_TRANSLATE_NOOP("SeasonSheet", "ha"));
    const StatisticsFigures::Consumption c =
        StatisticsFigures::consumption(_totals.fFieldFuel(), double(s64FieldMinutes), _totals.fArea(),
                                       _totals.fRoadFuel(), double(s64RoadMinutes), _totals.fRoadDistance());
    sheet.rows = emptyRows();
    sheet.rows[0].strField = count(_totals.s64FieldMetres(), 3, 3, QT_TRANSLATE_NOOP("SeasonSheet", "km"));
    sheet.rows[0].strRoad = count(_totals.s64RoadMetres(), 3, 3, QT_TRANSLATE_NOOP("SeasonSheet", "km"));
    sheet.rows[1].strField = time(s64FieldMinutes);
    sheet.rows[1].strRoad = time(s64RoadMinutes);
    sheet.rows[2].strField = count(_totals.s64FieldFuelMl(), 3, 1, QT_TRANSLATE_NOOP("SeasonSheet", "l"));
    sheet.rows[2].strRoad = count(_totals.s64RoadFuelMl(), 3, 1, QT_TRANSLATE_NOOP("SeasonSheet", "l"));
    sheet.rows[3].strField = optional(c.fieldPerHour, QT_TRANSLATE_NOOP("SeasonSheet", "l/h"));
    sheet.rows[3].strRoad = optional(c.roadPerHour, QT_TRANSLATE_NOOP("SeasonSheet", "l/h"));
    sheet.rows[4].strField = optional(c.fieldPerHectare, QT_TRANSLATE_NOOP("SeasonSheet", "l/ha"));
    sheet.rows[5].strRoad = optional(c.roadPerKm, QT_TRANSLATE_NOOP("SeasonSheet", "l/km"));
    return sheet;
}
