#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// Number, date and time texts of the pages and reports, in the conventions of
// the default locale, which the application sets to the interface language's
// at start-up. German keeps the decimal comma without group separators; other
// languages write their own decimal separator. A figure without a value (its
// divisor was zero) shows as "-", never as inf or nan.
namespace NumberFormat
{

inline const char* const NO_VALUE = "-";

// The default locale without group separators: the pages' numbers.
QLocale screenLocale();
// _locale with its group separators: the reports' numbers ("13.552,0").
QLocale reportLocale(const QLocale& _locale);

// _cFormat 'f' with _s32Precision decimals, or 'g' with _s32Precision
// significant digits, in the default locale without group separators.
QString strNumber(double _dValue, char _cFormat, int _s32Precision);
QString strNumber(std::optional<float> _value, char _cFormat, int _s32Precision);

// A count of 10^-_s32Scale units (m² for ha: scale 4; m for km and ml for l:
// scale 3) with _s32Decimals decimals, rounded half away from zero in whole
// numbers, so every place that shows the same count shows the same text.
QString strScaled(qint64 _s64Count, int _s32Scale, int _s32Decimals, const QLocale& _locale);
QString strScaled(qint64 _s64Count, int _s32Scale, int _s32Decimals);

// The hectares of an area in square metres, three decimals ("1,516").
QString strHectares(qint64 _s64SquareMetres, const QLocale& _locale);
QString strHectares(qint64 _s64SquareMetres);

// A date in the locale's short format with a four-digit year.
QString strDate(const QDate& _date, const QLocale& _locale);

// A terminal's date and time ("dd.MM.yyyy hh:mm") in the locale's short date
// (four-digit year) and time formats. German keeps the terminal's text as it
// is; a text that is no such date shows as it is.
QString strTerminalDateTime(const QString& _strText, const QLocale& _locale);
QString strTerminalDateTime(const QString& _strText);

// "0" + v for v <= 9, the decimal digits otherwise. Takes a full int, so an
// order of 300 hours shows 300, and a negative value shows as "-".
QString strTwoDigit(int _s32Value);

// "HH:MM" from minutes with the two-digit formatter; "-" when negative.
QString strHoursMinutes(int _s32Minutes);

// The quotient, or no value when the divisor is 0 or the result is not finite.
std::optional<float> ratio(double _dNumerator, double _dDenominator);

} // namespace NumberFormat
