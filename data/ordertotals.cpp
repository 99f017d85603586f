#include "data/ordertotals.h"

#include "data/fieldreaders.h"
#include "data/numberformat.h"

#include <iterator>

// In the order the kept text lists them.
qint64 cOrderTotals::*const cOrderTotals::s_counts[5] = {
    &cOrderTotals::m_s64AreaM2, &cOrderTotals::m_s64FieldMetres, &cOrderTotals::m_s64RoadMetres,
    &cOrderTotals::m_s64FieldFuelMl, &cOrderTotals::m_s64RoadFuelMl};
double cOrderTotals::*const cOrderTotals::s_sums[9] = {
    &cOrderTotals::m_dArea,           &cOrderTotals::m_dFieldMinutes,  &cOrderTotals::m_dRoadMinutes,
    &cOrderTotals::m_dHarvestMinutes, &cOrderTotals::m_dFieldDistance, &cOrderTotals::m_dHarvestDistance,
    &cOrderTotals::m_dRoadDistance,   &cOrderTotals::m_dFieldFuel,     &cOrderTotals::m_dRoadFuel};
float cOrderTotals::*const cOrderTotals::s_floatSums[3] = {
    &cOrderTotals::m_fEmptyRunMetres, &cOrderTotals::m_fHarvestFuel, &cOrderTotals::m_fBunkerLoads};

using FieldReaders::strField;

void cOrderTotals::vReset()
{
    *this = cOrderTotals();
}

void cOrderTotals::vAdd(const cOrderTotals& _other)
{
    for (qint64 cOrderTotals::*p : s_counts)
        this->*p += _other.*p;
    for (double cOrderTotals::*p : s_sums)
        this->*p += _other.*p;
    for (float cOrderTotals::*p : s_floatSums)
        this->*p += _other.*p;
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
    for (qint64 cOrderTotals::*p : s_counts)
        sl << QString::number(this->*p);
    // 17 significant digits give a double back bit for bit, 9 a float.
    for (double cOrderTotals::*p : s_sums)
        sl << QString::number(this->*p, 'g', 17);
    for (float cOrderTotals::*p : s_floatSums)
        sl << QString::number(double(this->*p), 'g', 9);
    return sl.join(QLatin1Char(' '));
}

bool cOrderTotals::bFromSerialized(const QString& _strText, cOrderTotals& _totals)
{
    const QVector<QStringRef> parts = _strText.splitRef(QLatin1Char(' '));
    if (parts.size() != int(std::size(s_counts) + std::size(s_sums) + std::size(s_floatSums)))
        return false;
    cOrderTotals totals;
    bool bOk = true;
    int i = 0;
    const auto next = [&]() {
        bool b = false;
        const double d = parts.at(i++).toDouble(&b);
        bOk = bOk && b;
        return d;
    };
    for (qint64 cOrderTotals::*p : s_counts) {
        bool b = false;
        totals.*p = parts.at(i++).toLongLong(&b);
        bOk = bOk && b;
    }
    for (double cOrderTotals::*p : s_sums)
        totals.*p = next();
    for (float cOrderTotals::*p : s_floatSums)
        totals.*p = float(next());
    if (bOk)
        _totals = totals;
    return bOk;
}
