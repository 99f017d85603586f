#include "data/numberformat.h"

#include <QDateTime>

#include <cmath>

namespace NumberFormat
{

namespace
{

bool bGerman(const QLocale& _locale)
{
    return _locale.language() == QLocale::German;
}

} // namespace

QLocale screenLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QLocale reportLocale(const QLocale& _locale)
{
    QLocale locale = _locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale;
}

QString strNumber(double _dValue, char _cFormat, int _s32Precision)
{
    if (!std::isfinite(_dValue))
        return QString::fromLatin1(NO_VALUE);
    const QLocale locale = screenLocale();
    // German: the digits as the pages have always shown them.
    if (bGerman(locale))
        return QString::number(_dValue, _cFormat, _s32Precision).replace(QLatin1Char('.'), QLatin1Char(','));
    return locale.toString(_dValue, _cFormat, _s32Precision);
}

QString strNumber(std::optional<float> _value, char _cFormat, int _s32Precision)
{
    if (!_value)
        return QString::fromLatin1(NO_VALUE);
    return strNumber(double(*_value), _cFormat, _s32Precision);
}

QString strScaled(qint64 _s64Count, int _s32Scale, int _s32Decimals, const QLocale& _locale)
{
    const int s32Decimals = qBound(0, _s32Decimals, 9);
    const int s32Scale = qBound(0, _s32Scale, 9);
    qint64 s64Pow = 1;
    for (int i = 0; i < s32Decimals; ++i)
        s64Pow *= 10;
    // The count in units of the last shown decimal, rounded half away from
    // zero; the magnitude as unsigned so that the smallest count has one.
    const bool bNegative = _s64Count < 0;
    quint64 u64Units = bNegative ? quint64(0) - quint64(_s64Count) : quint64(_s64Count);
    if (s32Scale > s32Decimals) {
        quint64 u64Divisor = 1;
        for (int i = s32Decimals; i < s32Scale; ++i)
            u64Divisor *= 10;
        u64Units = u64Units / u64Divisor + (u64Units % u64Divisor >= (u64Divisor + 1) / 2 ? 1 : 0);
    } else {
        for (int i = s32Scale; i < s32Decimals; ++i)
            u64Units *= 10;
    }
    const quint64 u64Whole = u64Units / quint64(s64Pow);
    const quint64 u64Fraction = u64Units % quint64(s64Pow);
    QString strText = _locale.toString(qulonglong(u64Whole));
    if (s32Decimals > 0) {
        strText += _locale.decimalPoint();
        strText += QString::number(u64Fraction).rightJustified(s32Decimals, QLatin1Char('0'));
    }
    if (bNegative && u64Units != 0)
        strText.prepend(_locale.negativeSign());
    return strText;
}

QString strScaled(qint64 _s64Count, int _s32Scale, int _s32Decimals)
{
    return strScaled(_s64Count, _s32Scale, _s32Decimals, screenLocale());
}

QString strHectares(qint64 _s64SquareMetres, const QLocale& _locale)
{
    return strScaled(_s64SquareMetres, 4, 3, _locale);
}

QString strHectares(qint64 _s64SquareMetres)
{
    return strScaled(_s64SquareMetres, 4, 3);
}

QString strDate(const QDate& _date, const QLocale& _locale)
{
    QString strFormat = _locale.dateFormat(QLocale::ShortFormat);
    if (!strFormat.contains(QLatin1String("yyyy")))
        strFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return _locale.toString(_date, strFormat);
}

QString strTerminalDateTime(const QString& _strText, const QLocale& _locale)
{
    if (bGerman(_locale))
        return _strText;
    const QString strTrimmed = _strText.trimmed();
    const QDateTime dateTime = QDateTime::fromString(strTrimmed, QStringLiteral("dd.MM.yyyy hh:mm"));
    if (dateTime.isValid())
        return strDate(dateTime.date(), _locale) + QLatin1Char(' ') +
               _locale.toString(dateTime.time(), QLocale::ShortFormat);
    const QDate date = QDate::fromString(strTrimmed, QStringLiteral("dd.MM.yyyy"));
    return date.isValid() ? strDate(date, _locale) : _strText;
}

QString strTerminalDateTime(const QString& _strText)
{
    return strTerminalDateTime(_strText, QLocale());
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
