#include "data/billrates.h"

#include <QRegularExpression>

#include <limits>

EffectiveRates BillRates::effectiveFor(const QString& _strCustomerNumber) const
{
    const BillRateSet own = customers.value(_strCustomerNumber);
    EffectiveRates rates;
    rates.s64PerHectare = own.perHectare.value_or(defaults.perHectare.value_or(0));
    rates.s64PerRoadHour = own.perRoadHour.value_or(defaults.perRoadHour.value_or(0));
    rates.s64PerOrder = own.perOrder.value_or(defaults.perOrder.value_or(0));
    rates.s64VatBasisPoints = own.vatBasisPoints.value_or(defaults.vatBasisPoints.value_or(0));
    return rates;
}

namespace BillMoney
{

namespace
{

// A decimal number with at most two decimals, digits grouped by the
// locale's separator in threes or not at all: hundredths.
std::optional<qint64> parseHundredths(const QString& _strText, const QLocale& _locale)
{
    const QString strDecimal = QRegularExpression::escape(QString(_locale.decimalPoint()));
    QString strGroup = QRegularExpression::escape(QString(_locale.groupSeparator()));
    // A blank groups as well where the locale groups with a (narrow) space.
    if (_locale.groupSeparator().isSpace())
        strGroup = QStringLiteral("\\s");
    const QRegularExpression re(
        QStringLiteral("^(\\d{1,3}(?:%1\\d{3})+|\\d{1,12})(?:%2(\\d{0,2}))?$").arg(strGroup, strDecimal));
    const QRegularExpressionMatch match = re.match(_strText.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    QString strWhole = match.captured(1);
    strWhole.remove(QRegularExpression(QStringLiteral("\\D")));
    if (strWhole.size() > 12)
        return std::nullopt;
    const QString strFraction = (match.captured(2) + QStringLiteral("00")).left(2);
    return strWhole.toLongLong() * 100 + strFraction.toLongLong();
}

} // namespace

qint64 s64Priced(qint64 _s64Count, qint64 _s64Price, qint64 _s64Per)
{
    const __int128 product = __int128(_s64Count) * _s64Price;
    const __int128 magnitude = ((product < 0 ? -product : product) * 2 + _s64Per) / (2 * __int128(_s64Per));
    const __int128 limit = std::numeric_limits<qint64>::max();
    const qint64 s64Magnitude = qint64(magnitude > limit ? limit : magnitude);
    return product < 0 ? -s64Magnitude : s64Magnitude;
}

qint64 s64Sum(qint64 _s64Left, qint64 _s64Right)
{
    qint64 s64Result = 0;
    if (__builtin_add_overflow(_s64Left, _s64Right, &s64Result))
        return _s64Left < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return s64Result;
}

std::optional<qint64> parseCents(const QString& _strText, const QLocale& _locale)
{
    const std::optional<qint64> cents = parseHundredths(_strText, _locale);
    if (!cents || *cents > MAX_CENTS)
        return std::nullopt;
    return cents;
}

std::optional<qint64> parseBasisPoints(const QString& _strText, const QLocale& _locale)
{
    const std::optional<qint64> points = parseHundredths(_strText, _locale);
    if (!points || *points > 10000)
        return std::nullopt;
    return points;
}

QString strAmount(qint64 _s64Cents, const QLocale& _locale)
{
    QLocale locale = _locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString strWhole = locale.toString(qAbs(_s64Cents) / 100);
    const QString strCents = QStringLiteral("%1").arg(qAbs(_s64Cents) % 100, 2, 10, QLatin1Char('0'));
    return (_s64Cents < 0 ? QString(locale.negativeSign()) : QString()) + strWhole +
           QString(locale.decimalPoint()) + strCents;
}

QString strMoney(qint64 _s64Cents, const QLocale& _locale)
{
    const QString strSymbol = _locale.currencySymbol(QLocale::CurrencySymbol);
    if (strSymbol.isEmpty())
        return strAmount(_s64Cents, _locale);
    // Where the locale writes the symbol: its own format of a number shows it.
    const QString strSample = _locale.toCurrencyString(1.0);
    const bool bSymbolFirst = strSample.startsWith(strSymbol);
    return bSymbolFirst ? strSymbol + strAmount(_s64Cents, _locale)
                        : strAmount(_s64Cents, _locale) + QChar(0x00a0) + strSymbol;
}

QString strPercent(qint64 _s64BasisPoints, const QLocale& _locale)
{
    QString strText = strAmount(_s64BasisPoints, _locale);
    // "19,00" reads as "19", "10,70" as "10,7".
    while (strText.endsWith(QLatin1Char('0')) && strText.contains(_locale.decimalPoint()))
        strText.chop(1);
    if (strText.endsWith(_locale.decimalPoint()))
        strText.chop(1);
    return strText;
}

} // namespace BillMoney
