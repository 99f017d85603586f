// A list file from disk or from the terminal: decoding, kind detection, every
// record parser and field reader, the order totals, the current order's
// figures and the chart geometry drawn from them.
#include "fuzztarget.h"

#include "data/currentorder.h"
#include "data/fieldreaders.h"
#include "data/listfile.h"
#include "data/listkind.h"
#include "data/listrecords.h"
#include "data/numberformat.h"
#include "data/ordertotals.h"
#include "data/searchindex.h"
#include "statistics/chartgeometry.h"

#include <cmath>
#include <limits>
#include <optional>

namespace
{

bool bNoNul(const QString& _strText)
{
    return !_strText.contains(QChar(0));
}

bool bFiniteOrNone(std::optional<float> _value)
{
    return !_value || std::isfinite(*_value);
}

// A number text never shows inf or nan, with or without a value.
bool bReadableNumber(std::optional<float> _value)
{
    const QString strText = NumberFormat::strNumber(_value, 'f', 2);
    return !strText.contains(QLatin1String("inf")) && !strText.contains(QLatin1String("nan"));
}

void vCheckFigures(const OrderFigures& _figures)
{
    for (const std::optional<float>& value :
         {_figures.hectaresPerHour, _figures.harvestSpeed, _figures.emptyRunMetresPerHectare,
          _figures.harvestFuelPerHectare, _figures.fieldFuelPerHectare, _figures.bunkerLoadsPerHectare}) {
        FUZZ_CHECK(bFiniteOrNone(value));
        FUZZ_CHECK(bReadableNumber(value));
    }
}

void vCheckPie(const QVector<ChartGeometry::PieSector>& _sectors)
{
    for (const ChartGeometry::PieSector& sector : _sectors) {
        FUZZ_CHECK(qAbs(qint64(sector.s32Span16())) <= 16 * 360);
        FUZZ_CHECK(qAbs(qint64(sector.s32Start16())) < 16 * 360);
    }
}

// The readers as plain string operations, to compare the reading without
// copies against.
QDate dateBySplitting(const QString& _strText)
{
    const QStringList slParts = _strText.section(QLatin1Char(' '), 0, 0).split(QLatin1Char('.'));
    if (slParts.size() < 3)
        return QDate();
    return QDate(slParts.at(2).toInt(), slParts.at(1).toInt(), slParts.at(0).toInt());
}

int s32MinutesBySplitting(const QString& _strText)
{
    const auto s32Digits = [](const QString& _strPart) {
        QString strDigits;
        for (const QChar c : _strPart) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                strDigits.append(c);
        }
        return strDigits.toInt();
    };
    const QStringList slParts = _strText.split(QLatin1Char(':'));
    const qint64 s64Minutes =
        qint64(s32Digits(slParts.at(0))) * 60 + (slParts.size() > 1 ? s32Digits(slParts.at(1)) : 0);
    return int(qMin<qint64>(s64Minutes, std::numeric_limits<int>::max()));
}

void vCheckRecords(const QString& _strLine)
{
    const OrderRecord order = OrderRecord::parse(_strLine);
    for (const QString& strText : {order.strOrderNumber, order.strCustomerNumber, order.strCustomer,
                                   order.strFieldNumber, order.strFieldName, order.strStart, order.strStop})
        FUZZ_CHECK(bNoNul(strText));
    FUZZ_CHECK(order.s32FieldMinutes >= 0);
    FUZZ_CHECK(order.dateStart == FieldReaders::dateOfTimestamp(order.strStart));

    const CustomerRecord customer = CustomerRecord::parse(_strLine);
    FUZZ_CHECK(bNoNul(customer.strNumber));
    FieldRecord::parse(_strLine);
    const DriverRecord driver = DriverRecord::parse(_strLine);
    FUZZ_CHECK(bNoNul(driver.strCleanNumber()));

    // A carriage return at the line's end belongs to no field.
    const QStringList slFields = FieldReaders::slSplit(_strLine);
    FUZZ_CHECK(!slFields.isEmpty());
    FUZZ_CHECK(!slFields.constLast().endsWith(QLatin1Char('\r')) || _strLine.endsWith(QLatin1String("\r\r")));
    for (const QString& strField : slFields) {
        FUZZ_CHECK(FieldReaders::s32DurationToMinutes(strField) >= 0);
        FUZZ_CHECK(bNoNul(FieldReaders::strClean(strField)));
    }
    // The one-parse reader reads every field as the split does.
    const RecordFields fields(_strLine);
    FUZZ_CHECK(fields.s32Count() == slFields.size());
    for (int i = 0; i < slFields.size(); ++i) {
        FUZZ_CHECK(fields.strField(i) == slFields.at(i));
        FUZZ_CHECK(fields.s32Int(i) == FieldReaders::s32ToInt(slFields.at(i)));
        FUZZ_CHECK(FieldReaders::dateOfTimestamp(fields.field(i)) == dateBySplitting(slFields.at(i)));
        FUZZ_CHECK(fields.s32Minutes(i) == s32MinutesBySplitting(slFields.at(i)));
    }
}

} // namespace

VEMO_FUZZ_TARGET(fuzzListFile)
{
    const QByteArray baInput = Fuzz::baInput(data, size);
    ListFileContent content;
    ListFile::vDecode(baInput, content);
    FUZZ_CHECK(!content.slLines.isEmpty());
    // Read and written back without an edit: the same bytes.
    FUZZ_CHECK(ListFile::baEncode(content) == baInput);

    // The header line as a file name: every kind test answers.
    ListNames::kindOfFile(content.slLines.constFirst());

    // The search index finds a text in the lines where a case-blind search
    // finds it; the header line is the text searched for.
    cSearchIndex index;
    for (const QString& strLine : qAsConst(content.slLines))
        index.vAppendRow(strLine);
    const QString strTyped = content.slLines.constFirst().left(8);
    const std::vector<char> found = index.rowsContaining(cSearchIndex::baFolded(strTyped));
    FUZZ_CHECK(int(found.size()) == content.slLines.size());
    for (int i = 0; i < content.slLines.size() && i < 64; ++i)
        FUZZ_CHECK(bool(found[size_t(i)]) == content.slLines.at(i).contains(strTyped, Qt::CaseInsensitive));

    cOrderTotals totals;
    for (int s32Line = 1; s32Line < content.slLines.size(); ++s32Line) {
        const QString& strLine = content.slLines.at(s32Line);
        vCheckRecords(strLine);
        totals.vAddRecord(strLine);

        for (int s32Sort : {0, 1}) {
            const CurrentOrder current = CurrentOrder::parse(strLine, s32Line, s32Sort);
            FUZZ_CHECK(current.s32FieldMinutes >= 0 && current.s32UnloadMinutes >= 0);
            FUZZ_CHECK(current.s32RoadMinutes >= 0 && current.s32HarvestMinutes >= 0);
            FUZZ_CHECK(!current.strAreaText.contains(QLatin1String("nan")));
            const OrderFigures figures = OrderFigures::ofOrder(current);
            vCheckFigures(figures);
            vCheckPie(ChartGeometry::distancePie(current.fFieldDistance, current.fHarvestDistance,
                                                 current.fRoadDistance));
            vCheckPie(ChartGeometry::timePie(current.s32FieldMinutes, current.s32UnloadMinutes,
                                             current.s32HarvestMinutes));
        }
    }

    // The averages of all orders against the last order, as the comparison draws them.
    const OrderFigures averages = OrderFigures::ofTotals(totals);
    vCheckFigures(averages);
    const OrderFigures last =
        OrderFigures::ofOrder(CurrentOrder::parse(content.slLines.value(content.slLines.size() - 1), 1, 0));
    const QVector<ChartGeometry::BarRow> rows = ChartGeometry::barRows(last, averages);
    for (const ChartGeometry::BarRowGeometry& row :
         ChartGeometry::barGeometry(ChartGeometry::barChartRect(QSize(900, 600)), rows)) {
        FUZZ_CHECK(row.rectFirst.width() >= 0 && row.rectFirst.right() < 900);
        FUZZ_CHECK(row.rectSecond.width() >= 0 && row.rectSecond.right() < 900);
        FUZZ_CHECK(!row.strText.contains(QLatin1String("nan")) &&
                   !row.strText.contains(QLatin1String("inf")));
    }

    const OperatingHours hours = OperatingHours::fromOrderLines(content.slLines);
    FUZZ_CHECK(!hours.strEngine.isEmpty() && !hours.strHarvester.isEmpty());
    return 0;
}
