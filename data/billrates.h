#pragma once

#include <QByteArray>
#include <QLocale>
#include <QMap>
#include <QString>

#include <optional>

// What the contractor charges: default rates and each customer's own, which
// override the default's one by one. Prices are whole cents of the
// interface language's currency, the VAT rate hundredths of a per cent
// (1900 = 19 %), so that every amount is computed exactly.
struct BillRateSet {
    std::optional<qint64> perHectare;     // per hectare harvested
    std::optional<qint64> perRoadHour;    // per hour of road time
    std::optional<qint64> perOrder;       // flat per order
    std::optional<qint64> vatBasisPoints; // 0 to 10000

    bool bEmpty() const { return !perHectare && !perRoadHour && !perOrder && !vatBasisPoints; }
    bool operator==(const BillRateSet& _other) const
    {
        return perHectare == _other.perHectare && perRoadHour == _other.perRoadHour &&
               perOrder == _other.perOrder && vatBasisPoints == _other.vatBasisPoints;
    }
};

// The rates that apply to one customer, every one set.
struct EffectiveRates {
    qint64 s64PerHectare = 0;
    qint64 s64PerRoadHour = 0;
    qint64 s64PerOrder = 0;
    qint64 s64VatBasisPoints = 0;
};

struct BillRates {
    BillRateSet defaults;                 // a value not set counts as 0
    QMap<QString, BillRateSet> customers; // by customer number

    EffectiveRates effectiveFor(const QString& _strCustomerNumber) const;
    bool operator==(const BillRates& _other) const
    {
        return defaults == _other.defaults && customers == _other.customers;
    }
};

// The contractor's own letterhead on every bill basis.
struct Letterhead {
    QString strName;
    QString strAddress; // lines
    QString strVatId;
    QString strBank;   // lines
    QByteArray baLogo; // PNG; empty: none

    bool operator==(const Letterhead& _other) const
    {
        return strName == _other.strName && strAddress == _other.strAddress && strVatId == _other.strVatId &&
               strBank == _other.strBank && baLogo == _other.baLogo;
    }
};

namespace BillMoney
{

// The largest price taken (a million in the currency), so that any area or
// time times a price stays far inside 64 bits.
constexpr qint64 MAX_CENTS = 100000000;

// _s64Count * _s64Price / _s64Per rounded to a whole number, half away from
// zero (commercial rounding), the product taken in 128 bits; _s64Per > 0.
// A result beyond 64 bits saturates.
qint64 s64Priced(qint64 _s64Count, qint64 _s64Price, qint64 _s64Per);
// _s64Left + _s64Right, saturating instead of overflowing.
qint64 s64Sum(qint64 _s64Left, qint64 _s64Right);

// A price as typed in _locale ("1.234,50", "12", "0,5"), with at most two
// decimals and without sign: its cents, or nothing when it is no such
// price or passes MAX_CENTS.
std::optional<qint64> parseCents(const QString& _strText, const QLocale& _locale);
// A VAT rate as typed ("19", "10,7"), 0 to 100 with at most two decimals:
// hundredths of a per cent.
std::optional<qint64> parseBasisPoints(const QString& _strText, const QLocale& _locale);

// Cents as a number with two decimals in _locale, group separators included
// ("1.234,50"); without the currency.
QString strAmount(qint64 _s64Cents, const QLocale& _locale);
// The same with the locale's currency symbol where the locale puts it
// ("1.234,50 €").
QString strMoney(qint64 _s64Cents, const QLocale& _locale);
// A VAT rate as "19" or "10,7" (no "%").
QString strPercent(qint64 _s64BasisPoints, const QLocale& _locale);

} // namespace BillMoney
