#include "data/ordertotals.h"

#include "data/fieldreaders.h"
#include "data/numberformat.h"

using FieldReaders::s32DurationToMinutes;
using FieldReaders::s32ToInt;
using FieldReaders::strField;

void cOrderTotals::vReset()
{
    *this = cOrderTotals();
}

void cOrderTotals::vAddRecord(const QString& _strLine)
{
    const QStringList slFields = FieldReaders::slSplit(_strLine);
    const int s32Area = s32ToInt(strField(slFields, 10));
    if (s32Area <= 0)
        return;

    const int s32FieldMetres = s32ToInt(strField(slFields, 16));
    const int s32HarvestMetres = s32ToInt(strField(slFields, 17));

    m_dArea += s32Area / 10000.0;
    m_dFieldMinutes += s32DurationToMinutes(strField(slFields, 11));
    m_dRoadMinutes += s32DurationToMinutes(strField(slFields, 14));
    m_dHarvestMinutes += s32DurationToMinutes(strField(slFields, 30));
    m_dFieldDistance += s32FieldMetres / 1000.0;
    m_dHarvestDistance += s32HarvestMetres / 1000.0;
    m_dRoadDistance += s32ToInt(strField(slFields, 18)) / 1000.0;
    m_dFieldFuel += s32ToInt(strField(slFields, 19)) / 1000.0;
    m_dRoadFuel += float(s32ToInt(strField(slFields, 20)) / 1000.0);
    m_fEmptyRunMetres += float(double(s32FieldMetres) - double(s32HarvestMetres));
    m_fHarvestFuel += float(s32ToInt(strField(slFields, 37)) / 1000.0);
    m_fBunkerLoads += float(s32ToInt(strField(slFields, 33)) / 100.0);
}

std::optional<float> cOrderTotals::hectaresPerHour() const
{
    return NumberFormat::ratio(60.0 * m_dArea, m_dFieldMinutes);
}

std::optional<float> cOrderTotals::harvestSpeed() const
{
    return NumberFormat::ratio(60.0 * m_dHarvestDistance, m_dHarvestMinutes);
}

std::optional<float> cOrderTotals::emptyRunMetresPerHectare() const
{
    return NumberFormat::ratio(m_fEmptyRunMetres, m_dArea);
}

std::optional<float> cOrderTotals::harvestFuelPerHectare() const
{
    return NumberFormat::ratio(m_fHarvestFuel, m_dArea);
}

std::optional<float> cOrderTotals::fieldFuelPerHectare() const
{
    return NumberFormat::ratio(m_dFieldFuel, m_dArea);
}

std::optional<float> cOrderTotals::bunkerLoadsPerHectare() const
{
    return NumberFormat::ratio(m_fBunkerLoads, m_dArea);
}

OperatingHours OperatingHours::fromOrderLines(const QStringList& _slLines)
{
    const auto strHours = [](const QString& _strText) {
        const QString strClean = FieldReaders::strClean(_strText);
        return strClean.contains(QLatin1Char(':')) ? strClean : QString::fromLatin1(NumberFormat::NO_VALUE);
    };
    const QStringList slFields = FieldReaders::slSplit(_slLines.value(1));
    OperatingHours hours;
    hours.strEngine = strHours(strField(slFields, 42));
    hours.strHarvester = strHours(strField(slFields, 43));
    return hours;
}
