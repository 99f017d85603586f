#include "data/numberformat.h"

#include <cmath>

namespace NumberFormat
{

QString strDecimalComma(double _dValue, char _cFormat, int _s32Precision)
{
    if (!std::isfinite(_dValue))
        return QString::fromLatin1(NO_VALUE);
    return QString::number(_dValue, _cFormat, _s32Precision).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString strDecimalComma(std::optional<float> _value, char _cFormat, int _s32Precision)
{
    if (!_value)
        return QString::fromLatin1(NO_VALUE);
    return strDecimalComma(double(*_value), _cFormat, _s32Precision);
}

QString strTwoDigit(int _s32Value)
{
    if (_s32Value < 0)
        return QString::fromLatin1(NO_VALUE);
    if (_s32Value <= 9)
        return QLatin1Char('0') + QString::number(_s32Value);
    return QString::number(_s32Value);
}

QString strHoursMinutes(int _s32Minutes)
{
    if (_s32Minutes < 0)
        return QString::fromLatin1(NO_VALUE);
    return strTwoDigit(_s32Minutes / 60) + QLatin1Char(':') + strTwoDigit(_s32Minutes % 60);
}

std::optional<float> ratio(double _dNumerator, double _dDenominator)
{
    if (_dDenominator == 0)
        return std::nullopt;
    const float fResult = float(_dNumerator / _dDenominator);
    if (!std::isfinite(fResult))
        return std::nullopt;
    return fResult;
}

} // namespace NumberFormat
