#include "data/ordertotals.h"

#include "data/fieldreaders.h"
#include "data/numberformat.h"

using FieldReaders::strField;

void cOrderTotals::vReset()
{
    *this = cOrderTotals();
}

void cOrderTotals::vAdd(const cOrderTotals& _other)
{
    m_s64AreaM2 += _other.m_s64AreaM2;
    m_s64FieldMetres += _other.m_s64FieldMetres;
    m_s64RoadMetres += _other.m_s64RoadMetres;
    m_s64FieldFuelMl += _other.m_s64FieldFuelMl;
    m_s64RoadFuelMl += _other.m_s64RoadFuelMl;
    m_dArea += _other.m_dArea;
    m_dFieldMinutes += _other.m_dFieldMinutes;
    m_dRoadMinutes += _other.m_dRoadMinutes;
    m_dHarvestMinutes += _other.m_dHarvestMinutes;
    m_dFieldDistance += _other.m_dFieldDistance;
    m_dHarvestDistance += _other.m_dHarvestDistance;
    m_dRoadDistance += _other.m_dRoadDistance;
    m_dFieldFuel += _other.m_dFieldFuel;
    m_dRoadFuel += _other.m_dRoadFuel;
    m_fEmptyRunMetres += _other.m_fEmptyRunMetres;
    m_fHarvestFuel += _other.m_fHarvestFuel;
    m_fBunkerLoads += _other.m_fBunkerLoads;
}

void cOrderTotals::vAddRecord(const QString& _strLine)
{
    vAddRecord(RecordFields(_strLine));
}

void cOrderTotals::vAddRecord(const RecordFields& _fields)
{
    const int s32Area = _fields.s32Int(10);
    if (s32Area <= 0)
        return;

    const int s32FieldMetres = _fields.s32Int(16);
    const int s32HarvestMetres = _fields.s32Int(17);

    m_s64AreaM2 += s32Area;
    m_s64FieldMetres += s32FieldMetres;
    m_s64RoadMetres += _fields.s32Int(18);
    m_s64FieldFuelMl += _fields.s32Int(19);
    m_s64RoadFuelMl += _fields.s32Int(20);
    m_dArea += s32Area / 10000.0;
    m_dFieldMinutes += _fields.s32Minutes(11);
    m_dRoadMinutes += _fields.s32Minutes(14);
    m_dHarvestMinutes += _fields.s32Minutes(30);
    m_dFieldDistance += s32FieldMetres / 1000.0;
    m_dHarvestDistance += s32HarvestMetres / 1000.0;
    m_dRoadDistance += _fields.s32Int(18) / 1000.0;
    m_dFieldFuel += _fields.s32Int(19) / 1000.0;
    m_dRoadFuel += float(_fields.s32Int(20) / 1000.0);
    m_fEmptyRunMetres += float(double(s32FieldMetres) - double(s32HarvestMetres));
    m_fHarvestFuel += float(_fields.s32Int(37) / 1000.0);
    m_fBunkerLoads += float(_fields.s32Int(33) / 100.0);
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

QString cOrderTotals::strSerialized() const
{
    QStringList sl;
    for (const qint64 s64 :
         {m_s64AreaM2, m_s64FieldMetres, m_s64RoadMetres, m_s64FieldFuelMl, m_s64RoadFuelMl})
        sl << QString::number(s64);
    // 17 significant digits give a double back bit for bit, 9 a float.
    for (const double d : {m_dArea, m_dFieldMinutes, m_dRoadMinutes, m_dHarvestMinutes, m_dFieldDistance,
                           m_dHarvestDistance, m_dRoadDistance, m_dFieldFuel, m_dRoadFuel})
        sl << QString::number(d, 'g', 17);
    for (const float f : {m_fEmptyRunMetres, m_fHarvestFuel, m_fBunkerLoads})
        sl << QString::number(double(f), 'g', 9);
    return sl.join(QLatin1Char(' '));
}

bool cOrderTotals::bFromSerialized(const QString& _strText, cOrderTotals& _totals)
{
    const QVector<QStringRef> parts = _strText.splitRef(QLatin1Char(' '));
    if (parts.size() != 17)
        return false;
    cOrderTotals totals;
    bool bOk = true;
    int i = 0;
    const auto next64 = [&](qint64& _s64) {
        bool b = false;
        _s64 = parts.at(i++).toLongLong(&b);
        bOk = bOk && b;
    };
    const auto nextDouble = [&](double& _d) {
        bool b = false;
        _d = parts.at(i++).toDouble(&b);
        bOk = bOk && b;
    };
    const auto nextFloat = [&](float& _f) {
        double d = 0;
        nextDouble(d);
        _f = float(d);
    };
    for (qint64* p : {&totals.m_s64AreaM2, &totals.m_s64FieldMetres, &totals.m_s64RoadMetres,
                      &totals.m_s64FieldFuelMl, &totals.m_s64RoadFuelMl})
        next64(*p);
    for (double* p : {&totals.m_dArea, &totals.m_dFieldMinutes, &totals.m_dRoadMinutes,
                      &totals.m_dHarvestMinutes, &totals.m_dFieldDistance, &totals.m_dHarvestDistance,
                      &totals.m_dRoadDistance, &totals.m_dFieldFuel, &totals.m_dRoadFuel})
        nextDouble(*p);
    for (float* p : {&totals.m_fEmptyRunMetres, &totals.m_fHarvestFuel, &totals.m_fBunkerLoads})
        nextFloat(*p);
    if (bOk)
        _totals = totals;
    return bOk;
}
