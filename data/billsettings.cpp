#include "data/billsettings.h"

#include "data/archiveschema.h"

#include <QCollator>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <array>

namespace
{

using ArchiveSchema::bRun;

// The letterhead's names in archive_settings.
const QString LETTERHEAD_NAME = QStringLiteral("letterhead_name");
const QString LETTERHEAD_ADDRESS = QStringLiteral("letterhead_address");
const QString LETTERHEAD_VAT_ID = QStringLiteral("letterhead_vat_id");
const QString LETTERHEAD_BANK = QStringLiteral("letterhead_bank");
const QString LETTERHEAD_LOGO = QStringLiteral("letterhead_logo");

QVariant boundValue(const std::optional<qint64>& _value)
{
    return _value ? QVariant(*_value) : QVariant(QVariant::LongLong);
}

std::optional<qint64> valueOf(const QVariant& _value)
{
    if (_value.isNull())
        return std::nullopt;
    return _value.toLongLong();
}

bool bWriteSet(QSqlDatabase& _database, const QString& _strCustomer, const BillRateSet& _set,
               QSqlError& _error)
{
    QSqlQuery query(_database);
    return bRun(query,
                QStringLiteral("INSERT INTO archive_bill_rates (customer_number, per_hectare, per_road_hour, "
                               "per_order, vat_basis_points) VALUES (?, ?, ?, ?, ?) ON CONFLICT "
                               "(customer_number) DO UPDATE SET per_hectare = excluded.per_hectare, "
                               "per_road_hour = excluded.per_road_hour, per_order = excluded.per_order, "
                               "vat_basis_points = excluded.vat_basis_points"),
                {ArchiveSchema::boundText(_strCustomer), boundValue(_set.perHectare),
                 boundValue(_set.perRoadHour), boundValue(_set.perOrder), boundValue(_set.vatBasisPoints)},
                _error);
}

bool bWriteRates(QSqlDatabase& _database, const BillRates& _rates, QSqlError& _error)
{
    QSqlQuery query(_database);
    if (!bRun(query, QStringLiteral("SELECT customer_number FROM archive_bill_rates"), {}, _error))
        return false;
    QStringList slGone;
    while (query.next()) {
        const QString strCustomer = query.value(0).toString();
        if (!strCustomer.isEmpty() && !_rates.customers.contains(strCustomer))
            slGone << strCustomer;
    }
    query.finish();
    for (const QString& strCustomer : slGone) {
        if (!bRun(query, QStringLiteral("DELETE FROM archive_bill_rates WHERE customer_number = ?"),
                  {strCustomer}, _error))
            return false;
    }
    if (!bWriteSet(_database, QString(), _rates.defaults, _error))
        return false;
    for (auto it = _rates.customers.constBegin(); it != _rates.customers.constEnd(); ++it) {
        if (!bWriteSet(_database, it.key(), it.value(), _error))
            return false;
    }
    return true;
}

bool bWriteLetterhead(QSqlDatabase& _database, const Letterhead& _letterhead, QSqlError& _error)
{
    const std::array<std::pair<QString, QString>, 5> aValues{
        {{LETTERHEAD_NAME, _letterhead.strName},
         {LETTERHEAD_ADDRESS, _letterhead.strAddress},
         {LETTERHEAD_VAT_ID, _letterhead.strVatId},
         {LETTERHEAD_BANK, _letterhead.strBank},
         {LETTERHEAD_LOGO, QString::fromLatin1(_letterhead.baLogo.toBase64())}}};
    QSqlQuery query(_database);
    for (const auto& value : aValues) {
        if (!bRun(query,
                  QStringLiteral("INSERT INTO archive_settings (name, value) VALUES (?, ?) ON CONFLICT "
                                 "(name) DO UPDATE SET value = excluded.value"),
                  {value.first, ArchiveSchema::boundText(value.second)}, _error))
            return false;
    }
    return true;
}

} // namespace

namespace BillSettings
{

bool bLoad(QSqlDatabase& _database, BillRates& _rates, Letterhead& _letterhead, QSqlError& _error)
{
    _rates = BillRates();
    _letterhead = Letterhead();
    QSqlQuery query(_database);
    if (!bRun(query,
              QStringLiteral("SELECT customer_number, per_hectare, per_road_hour, per_order, "
                             "vat_basis_points FROM archive_bill_rates"),
              {}, _error))
        return false;
    while (query.next()) {
        BillRateSet set;
        set.perHectare = valueOf(query.value(1));
        set.perRoadHour = valueOf(query.value(2));
        set.perOrder = valueOf(query.value(3));
        set.vatBasisPoints = valueOf(query.value(4));
        const QString strCustomer = query.value(0).toString();
        if (strCustomer.isEmpty())
            _rates.defaults = set;
        else
            _rates.customers.insert(strCustomer, set);
    }
    if (!bRun(query, QStringLiteral("SELECT name, value FROM archive_settings WHERE name IN (?, ?, ?, ?, ?)"),
              {LETTERHEAD_NAME, LETTERHEAD_ADDRESS, LETTERHEAD_VAT_ID, LETTERHEAD_BANK, LETTERHEAD_LOGO},
              _error))
        return false;
    while (query.next()) {
        const QString strName = query.value(0).toString();
        const QString strValue = query.value(1).toString();
        if (strName == LETTERHEAD_NAME)
            _letterhead.strName = strValue;
        else if (strName == LETTERHEAD_ADDRESS)
            _letterhead.strAddress = strValue;
        else if (strName == LETTERHEAD_VAT_ID)
            _letterhead.strVatId = strValue;
        else if (strName == LETTERHEAD_BANK)
            _letterhead.strBank = strValue;
        else
            _letterhead.baLogo = QByteArray::fromBase64(strValue.toLatin1());
    }
    return true;
}

bool bSave(QSqlDatabase& _database, const BillRates& _rates, const Letterhead& _letterhead, QSqlError& _error)
{
    return ArchiveSchema::bInTransaction(_database, _error, [&] {
        return bWriteRates(_database, _rates, _error) && bWriteLetterhead(_database, _letterhead, _error);
    });
}

bool bKnownCustomers(QSqlDatabase& _database, QVector<KnownCustomer>& _customers, QSqlError& _error)
{
    _customers.clear();
    QSqlQuery query(_database);
    if (!bRun(
            query,
            QStringLiteral("SELECT customer_number, max(customer) FROM archive_versions WHERE "
                           "customer_number IS NOT NULL AND customer_number <> '' GROUP BY customer_number"),
            {}, _error))
        return false;
    while (query.next())
        _customers.append({query.value(0).toString(), query.value(1).toString()});
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(_customers.begin(), _customers.end(), [&](const KnownCustomer& _a, const KnownCustomer& _b) {
        return collator.compare(_a.strNumber, _b.strNumber) < 0;
    });
    return true;
}

} // namespace BillSettings
