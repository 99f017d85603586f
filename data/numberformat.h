#pragma once

#include <QString>
#include <optional>

// Number texts of the statistics pages: the GUI library's formatting, then
// every "." replaced by ",". A figure without a value (its divisor was zero)
// shows as "-", never as inf or nan.
namespace NumberFormat
{

inline const char* const NO_VALUE = "-";

// _cFormat 'f' with _s32Precision decimals, or 'g' with _s32Precision
// significant digits.
QString strDecimalComma(double _dValue, char _cFormat, int _s32Precision);
QString strDecimalComma(std::optional<float> _value, char _cFormat, int _s32Precision);

// "0" + v for v <= 9, the decimal digits otherwise. Takes a full int, so an
// order of 300 hours shows 300, and a negative value shows as "-".
QString strTwoDigit(int _s32Value);

// "HH:MM" from minutes with the two-digit formatter; "-" when negative.
QString strHoursMinutes(int _s32Minutes);

// The quotient, or no value when the divisor is 0 or the result is not finite.
std::optional<float> ratio(double _dNumerator, double _dDenominator);

} // namespace NumberFormat
