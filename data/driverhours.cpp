#include "data/driverhours.h"

#include "data/fieldreaders.h"
#include "data/numberformat.h"
#include "data/orderexport.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace DriverHours
{

namespace
{

// The texts are marked where they are used (QT_TRANSLATE_NOOP), so that
// the catalogue tools find them under this context.
QString strTr(const char* _pText)
{
    return QCoreApplication::translate("DriverHours", _pText);
}

struct Driver {
    Row row;
    QSet<QDate> days;
};

} // namespace

bool bInPeriod(const QDate& _date, const QDate& _dateFrom, const QDate& _dateTo)
{
    if (!_dateFrom.isValid() && !_dateTo.isValid())
        return true;
    if (!_date.isValid())
        return false;
    return (!_dateFrom.isValid() || _date >= _dateFrom) && (!_dateTo.isValid() || _date <= _dateTo);
}

Table tableOf(const QStringList& _slRecords, const QDate& _dateFrom, const QDate& _dateTo)
{
    // Keyed by the trimmed name; the empty key gathers the orders without driver.
    QHash<QString, Driver> drivers;
    for (const QString& strRecord : _slRecords) {
        const RecordFields fields(strRecord);
        const QDate dateStart = FieldReaders::dateOfTimestamp(fields.strClean(8));
        if (!bInPeriod(dateStart, _dateFrom, _dateTo))
            continue;
        const QString strDriver = fields.strClean(7).trimmed();
        Driver& driver = drivers[strDriver];
        Row& row = driver.row;
        row.s32Orders += 1;
        row.s64FieldMinutes += fields.s32Minutes(11);
        row.s64HarvestMinutes += fields.s32Minutes(30);
        row.s64UnloadMinutes += fields.s32Minutes(13);
        row.s64RoadMinutes += fields.s32Minutes(14);
        if (dateStart.isValid())
            driver.days.insert(dateStart);
    }

    Table table;
    table.rows.reserve(drivers.size());
    for (auto it = drivers.begin(); it != drivers.end(); ++it) {
        Row row = it->row;
        row.strDriver = it.key();
        row.s32Days = it->days.size();
        table.rows.append(row);
    }
    // By name as the interface language sorts names; equal names in the
    // collation by their characters, so that the order never depends on
    // the hash. The orders without driver are no person's: last.
    QCollator collator{QLocale()};
    std::sort(table.rows.begin(), table.rows.end(), [&collator](const Row& _a, const Row& _b) {
        if (_a.strDriver.isEmpty() != _b.strDriver.isEmpty())
            return _b.strDriver.isEmpty();
        const int s32Order = collator.compare(_a.strDriver, _b.strDriver);
        return s32Order != 0 ? s32Order < 0 : _a.strDriver < _b.strDriver;
    });

    Row& sum = table.totals;
    for (Row& row : table.rows) {
        if (row.strDriver.isEmpty())
            row.strDriver = strTr(QT_TRANSLATE_NOOP("DriverHours", "(ohne Fahrer)"));
        sum.s32Orders += row.s32Orders;
        sum.s32Days += row.s32Days;
        sum.s64FieldMinutes += row.s64FieldMinutes;
        sum.s64HarvestMinutes += row.s64HarvestMinutes;
        sum.s64UnloadMinutes += row.s64UnloadMinutes;
        sum.s64RoadMinutes += row.s64RoadMinutes;
    }
    sum.strDriver = strTr(QT_TRANSLATE_NOOP("DriverHours", "Summe"));
    return table;
}

QStringList slHeader()
{
    const QString strHoursMinutes = QStringLiteral(" [h:mm]");
    const QString strHours = QStringLiteral(" [h]");
    return {strTr(QT_TRANSLATE_NOOP("DriverHours", "Fahrer")),
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Aufträge")),
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Tage")),
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Zeit Acker")) + strHoursMinutes,
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Zeit Roden")) + strHoursMinutes,
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Zeit Entladen")) + strHoursMinutes,
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Zeit Straße")) + strHoursMinutes,
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Stunden Acker")) + strHours,
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Stunden Roden")) + strHours,
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Stunden Entladen")) + strHours,
            strTr(QT_TRANSLATE_NOOP("DriverHours", "Stunden Straße")) + strHours};
}

QString strDecimalHours(qint64 _s64Minutes, const QLocale& _locale)
{
    if (_s64Minutes < 0)
        return QString::fromLatin1(NumberFormat::NO_VALUE);
    // Hundredths of an hour, rounded half up in whole numbers: the same
    // minutes always give the same text.
    const qint64 s64Hundredths = (_s64Minutes * 100 + 30) / 60;
    return NumberFormat::strScaled(s64Hundredths, 2, 2, _locale);
}

QStringList slCells(const Row& _row, const QLocale& _locale)
{
    return {_row.strDriver,
            _locale.toString(_row.s32Orders),
            _locale.toString(_row.s32Days),
            OrderExport::strHoursMinutes(_row.s64FieldMinutes),
            OrderExport::strHoursMinutes(_row.s64HarvestMinutes),
            OrderExport::strHoursMinutes(_row.s64UnloadMinutes),
            OrderExport::strHoursMinutes(_row.s64RoadMinutes),
            strDecimalHours(_row.s64FieldMinutes, _locale),
            strDecimalHours(_row.s64HarvestMinutes, _locale),
            strDecimalHours(_row.s64UnloadMinutes, _locale),
            strDecimalHours(_row.s64RoadMinutes, _locale)};
}

QByteArray baCsv(const Table& _table, const QLocale& _locale)
{
    // The driver's name is typed at the terminal: a text cell. The other
    // columns are numbers and times made here.
    constexpr int TEXT_COLUMNS = 1;
    QLocale locale = _locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QVector<QStringList> lines;
    lines.reserve(_table.rows.size() + 2);
    lines.append(slHeader());
    for (const Row& row : _table.rows)
        lines.append(slCells(row, locale));
    lines.append(slCells(_table.totals, locale));
    return OrderExport::baCsvOf(lines, TEXT_COLUMNS);
}

} // namespace DriverHours
