#include "statistics/statisticsfigures.h"

#include "data/numberformat.h"

#include <limits>

namespace StatisticsFigures
{

namespace
{
// Fuel per divisor; no fuel reads 0 whatever the divisor.
std::optional<float> perDivisor(float _fFuel, double _dFactor, double _dDivisor)
{
    if (!(_fFuel > 0))
        return 0.0f;
    return NumberFormat::ratio(_dFactor * double(_fFuel), _dDivisor);
}
} // namespace

Consumption consumption(float _fFieldFuel, double _dFieldMinutes, float _fArea, float _fRoadFuel,
                        double _dRoadMinutes, float _fRoadKm)
{
    Consumption c;
    c.fieldPerHour = perDivisor(_fFieldFuel, 60.0, _dFieldMinutes);
    c.fieldPerHectare = perDivisor(_fFieldFuel, 1.0, double(_fArea));
    c.roadPerHour = perDivisor(_fRoadFuel, 60.0, _dRoadMinutes);
    c.roadPerKm = perDivisor(_fRoadFuel, 1.0, double(_fRoadKm));
    return c;
}

int s32RestMinutes(int _s32FieldMinutes, int _s32UnloadMinutes, int _s32HarvestMinutes)
{
    // Two long times taken from a short one leave the int range.
    const qint64 s64Rest = qint64(_s32FieldMinutes) - _s32UnloadMinutes - _s32HarvestMinutes;
    return int(qBound<qint64>(std::numeric_limits<int>::min(), s64Rest, std::numeric_limits<int>::max()));
}

QString strWithUnit(const QString& _strNumber, const QString& _strUnit)
{
    if (_strNumber == QLatin1String(NumberFormat::NO_VALUE))
        return _strNumber;
    return _strNumber + QStringLiteral(" ") + _strUnit;
}

QString strTimeWithUnit(int _s32Minutes, const QString& _strUnit)
{
    return strWithUnit(NumberFormat::strHoursMinutes(_s32Minutes), _strUnit);
}

QString strPlainTimeWithUnit(qint64 _s64Minutes, const QString& _strUnit)
{
    if (_s64Minutes < 0)
        return QLatin1String(NumberFormat::NO_VALUE);
    return QString::number(_s64Minutes / 60) + QStringLiteral(":") + QString::number(_s64Minutes % 60) +
           QStringLiteral(" ") + _strUnit;
}

} // namespace StatisticsFigures
