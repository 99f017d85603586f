#include "data/orderexport.h"

#include "data/fieldreaders.h"
#include "data/numberformat.h"
#include "data/ordertotals.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace OrderExport
{

namespace
{

// The texts are marked where they are used (QT_TRANSLATE_NOOP), so that
// the catalogue tools find them under this context.
QString strTr(const char* _pText)
{
    return QCoreApplication::translate("OrderExport", _pText);
}

QString strNameAndNumber(const RecordFields& _fields, int _s32Name, int _s32Number)
{
    return _fields.strClean(_s32Name) + QStringLiteral(" (") + _fields.strClean(_s32Number) +
           QLatin1Char(')');
}

std::optional<double> ratioOf(double _dNumerator, double _dDenominator)
{
    if (_dDenominator == 0)
        return std::nullopt;
    const double dValue = _dNumerator / _dDenominator;
    return std::isfinite(dValue) ? std::optional<double>(dValue) : std::nullopt;
}

} // namespace

namespace
{

Row rowOf(const RecordFields& _fields)
{
    Row row;
    row.strNumber = _fields.strClean(0);
    row.strCustomer = strNameAndNumber(_fields, 3, 2);
    row.strField = strNameAndNumber(_fields, 5, 4);
    row.strDriver = _fields.strClean(7);
    row.strStart = _fields.strClean(8);
    row.strStop = _fields.strClean(9);
    row.s64AreaM2 = _fields.s32Int(10);
    row.s64FieldMetres = _fields.s32Int(16);
    row.s64RoadMetres = _fields.s32Int(18);
    row.s64FuelMl = _fields.s32Int(19);
    row.dArea = row.s64AreaM2 / 10000.0;
    row.dFieldKm = row.s64FieldMetres / 1000.0;
    row.dRoadKm = row.s64RoadMetres / 1000.0;
    row.s64HarvestMinutes = _fields.s32Minutes(30);
    row.s64UnloadMinutes = _fields.s32Minutes(13);
    row.s64FieldMinutes = _fields.s32Minutes(11);
    row.dFuel = row.s64FuelMl / 1000.0;
    // The order pages' figures: an order without area has none.
    if (row.dArea > 0) {
        row.litresPerHectare = ratioOf(row.dFuel, row.dArea);
        row.hectaresPerHour = ratioOf(60.0 * row.dArea, double(row.s64FieldMinutes));
    }
    return row;
}

} // namespace

Row rowOfRecord(const QString& _strRecord)
{
    return rowOf(RecordFields(_strRecord));
}

Table tableOf(const QStringList& _slRecords)
{
    Table table;
    table.rows.reserve(_slRecords.size());
    cOrderTotals totals;
    Row& sum = table.totals;
    for (const QString& strRecord : _slRecords) {
        // One split per record, for its row and for the averages.
        const RecordFields fields(strRecord);
        const Row row = rowOf(fields);
        totals.vAddRecord(fields);
        sum.s64AreaM2 += row.s64AreaM2;
        sum.s64FieldMetres += row.s64FieldMetres;
        sum.s64RoadMetres += row.s64RoadMetres;
        sum.s64FuelMl += row.s64FuelMl;
        sum.dArea += row.dArea;
        sum.dFieldKm += row.dFieldKm;
        sum.dRoadKm += row.dRoadKm;
        sum.s64HarvestMinutes += row.s64HarvestMinutes;
        sum.s64UnloadMinutes += row.s64UnloadMinutes;
        sum.s64FieldMinutes += row.s64FieldMinutes;
        sum.dFuel += row.dFuel;
        table.rows.append(row);
    }
    sum.strNumber = strTr(QT_TRANSLATE_NOOP("OrderExport", "Summe"));
    if (const std::optional<float> value = totals.fieldFuelPerHectare())
        sum.litresPerHectare = double(*value);
    if (const std::optional<float> value = totals.hectaresPerHour())
        sum.hectaresPerHour = double(*value);
    return table;
}

QStringList slHeader()
{
    return {strTr(QT_TRANSLATE_NOOP("OrderExport", "Auftrags Nummer")),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Kunde")),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Schlag")),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Fahrer")),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Start")),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Stopp")),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Fläche")) + QStringLiteral(" [ha]"),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Feld")) + QStringLiteral(" [km]"),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Straße")) + QStringLiteral(" [km]"),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Zeit Roden")) + QStringLiteral(" [h:mm]"),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Zeit Entladen")) + QStringLiteral(" [h:mm]"),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Gesamt")) + QStringLiteral(" [h:mm]"),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "Verbrauch")) + QStringLiteral(" [l]"),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "l/ha")),
            strTr(QT_TRANSLATE_NOOP("OrderExport", "ha/h"))};
}

QString strCsvField(const QString& _strText)
{
    if (!_strText.contains(QLatin1Char(';')) && !_strText.contains(QLatin1Char('"')) &&
        !_strText.contains(QLatin1Char('\n')) && !_strText.contains(QLatin1Char('\r'))) {
        return _strText;
    }
    QString strQuoted = _strText;
    strQuoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + strQuoted + QLatin1Char('"');
}

QString strTextCell(const QString& _strText)
{
    static const QRegularExpression s_rePlainNumber(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)*$"));
    if (_strText.isEmpty())
        return _strText;
    const QChar c = _strText.at(0);
    const bool bFormulaStart = c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') ||
                               c == QLatin1Char('@') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
    if (!bFormulaStart || s_rePlainNumber.match(_strText).hasMatch())
        return _strText;
    return QLatin1Char('\'') + _strText;
}

QString strHoursMinutes(qint64 _s64Minutes)
{
    if (_s64Minutes < 0)
        return QStringLiteral("-");
    return QStringLiteral("%1:%2").arg(_s64Minutes / 60).arg(_s64Minutes % 60, 2, 10, QLatin1Char('0'));
}

QStringList slCells(const Row& _row, const QLocale& _locale)
{
    const auto strOptional = [&](const std::optional<double>& _value) {
        return _value ? _locale.toString(*_value, 'f', 2) : QStringLiteral("-");
    };
    return QStringList{_row.strNumber,
                       _row.strCustomer,
                       _row.strField,
                       _row.strDriver,
                       NumberFormat::strTerminalDateTime(_row.strStart, _locale),
                       NumberFormat::strTerminalDateTime(_row.strStop, _locale),
                       NumberFormat::strHectares(_row.s64AreaM2, _locale),
                       NumberFormat::strScaled(_row.s64FieldMetres, 3, 3, _locale),
                       NumberFormat::strScaled(_row.s64RoadMetres, 3, 3, _locale),
                       strHoursMinutes(_row.s64HarvestMinutes),
                       strHoursMinutes(_row.s64UnloadMinutes),
                       strHoursMinutes(_row.s64FieldMinutes),
                       NumberFormat::strScaled(_row.s64FuelMl, 3, 1, _locale),
                       strOptional(_row.litresPerHectare),
                       strOptional(_row.hectaresPerHour)};
}

QStringList slTotalsCells(const Table& _table, const QLocale& _locale)
{
    QStringList slTotals = slCells(_table.totals, _locale);
    // The totals row has no customer, field, driver or dates.
    for (int i = 1; i <= 5; ++i)
        slTotals[i].clear();
    return slTotals;
}

QByteArray baCsvOf(const QVector<QStringList>& _lines, int _s32TextColumns)
{
    QString strText;
    for (const QStringList& slFields : _lines) {
        QStringList slQuoted;
        for (int i = 0; i < slFields.size(); ++i)
            slQuoted << strCsvField(i < _s32TextColumns ? strTextCell(slFields.at(i)) : slFields.at(i));
        strText += slQuoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + strText.toUtf8();
}

QByteArray baCsv(const Table& _table, const QLocale& _locale)
{
    // The first six columns are texts from the terminal's records (names
    // anybody can type there); the others are numbers and times made here.
    constexpr int TEXT_COLUMNS = 6;
    // Office software reads numbers without group separators.
    QLocale locale = _locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QVector<QStringList> lines;
    lines.reserve(_table.rows.size() + 2);
    lines.append(slHeader());
    for (const Row& row : _table.rows)
        lines.append(slCells(row, locale));
    lines.append(slTotalsCells(_table, locale));
    return baCsvOf(lines, TEXT_COLUMNS);
}

} // namespace OrderExport
