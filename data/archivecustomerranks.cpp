// The customers' places in the interface language's order, kept in the
// archive so that the orders sort by customer through an index.
#include "data/archiveview.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace
{

constexpr double RANK_STEP = 1024.0;

bool bFail(const QSqlQuery& _query, QSqlError& _error)
{
    _error = _query.lastError();
    return false;
}

bool bExec(QSqlDatabase& _database, const QString& _strSql, const QVariantList& _binds, QSqlError& _error,
           QSqlQuery* _pQuery = nullptr)
{
    QSqlQuery own(_database);
    QSqlQuery& query = _pQuery ? *_pQuery : own;
    if (!query.prepare(_strSql))
        return bFail(query, _error);
    for (const QVariant& value : _binds)
        query.addBindValue(value);
    return query.exec() || bFail(query, _error);
}

// Whether the places are right: made for this language, none missing.
bool bRanksCurrent(QSqlDatabase& _database, const QString& _strLocale, bool& _bCurrent, bool& _bSameLocale,
                   QSqlError& _error)
{
    QSqlQuery query(_database);
    if (!bExec(_database, QStringLiteral("SELECT value FROM archive_settings WHERE name = 'rank_locale'"), {},
               _error, &query))
        return false;
    _bSameLocale = query.next() && query.value(0).toString() == _strLocale;
    QSqlQuery missing(_database);
    if (!bExec(_database,
               QStringLiteral("SELECT 1 FROM archive_order_view WHERE customer_rank IS NULL LIMIT 1"), {},
               _error, &missing))
        return false;
    _bCurrent = _bSameLocale && !missing.next();
    return true;
}

// The places of the sorted keys: kept where the known ones still stand in
// order, new keys between their neighbours; all anew otherwise.
QVector<double> ranksFor(const QStringList& _slSorted, const QHash<QString, double>& _known, bool _bKeep)
{
    QVector<double> ranks(_slSorted.size(), std::nan(""));
    double dLast = -INFINITY;
    bool bInOrder = _bKeep;
    for (int i = 0; i < _slSorted.size() && bInOrder; ++i) {
        const auto it = _known.constFind(_slSorted.at(i));
        if (it == _known.constEnd())
            continue;
        bInOrder = it.value() > dLast;
        dLast = it.value();
        ranks[i] = it.value();
    }
    if (bInOrder) {
        // Runs of new keys share the gap between the known ones around them.
        for (int i = 0; i < ranks.size(); ++i) {
            if (!std::isnan(ranks.at(i)))
                continue;
            int j = i;
            while (j < ranks.size() && std::isnan(ranks.at(j)))
                ++j;
            const double dLow =
                i > 0 ? ranks.at(i - 1) : (j < ranks.size() ? ranks.at(j) - RANK_STEP * (j - i + 1) : 0);
            const double dHigh = j < ranks.size() ? ranks.at(j) : dLow + RANK_STEP * (j - i + 1);
            const double dStep = (dHigh - dLow) / (j - i + 1);
            if (dStep < 1e-6) {
                bInOrder = false;
                break;
            }
            for (int k = i; k < j; ++k)
                ranks[k] = dLow + dStep * (k - i + 1);
            i = j - 1;
        }
    }
    if (!bInOrder) {
        for (int i = 0; i < ranks.size(); ++i)
            ranks[i] = RANK_STEP * (i + 1);
    }
    return ranks;
}

bool bWriteRanks(QSqlDatabase& _database, const QStringList& _slSorted, const QVector<double>& _ranks,
                 const QHash<QString, double>& _known, QSqlError& _error)
{
    QSqlQuery upsertRank(_database);
    QSqlQuery updateRows(_database);
    QSqlQuery fillRows(_database);
    if (!upsertRank.prepare(
            QStringLiteral("INSERT INTO archive_customer_ranks (customer_key, rank_value) "
                           "VALUES (?, ?) ON CONFLICT (customer_key) DO UPDATE SET rank_value "
                           "= excluded.rank_value")) ||
        !updateRows.prepare(
            QStringLiteral("UPDATE archive_order_view SET customer_rank = ? WHERE customer_key "
                           "= ?")) ||
        !fillRows.prepare(QStringLiteral("UPDATE archive_order_view SET customer_rank = ? WHERE customer_key "
                                         "= ? AND customer_rank IS NULL")))
        return bFail(upsertRank.lastError().isValid() ? upsertRank : updateRows, _error);
    for (int i = 0; i < _slSorted.size(); ++i) {
        const auto it = _known.constFind(_slSorted.at(i));
        const bool bChanged = it == _known.constEnd() || it.value() != _ranks.at(i);
        // Rows imported before their key had a place get it; a moved key
        // moves all its rows.
        QSqlQuery& rows = bChanged ? updateRows : fillRows;
        rows.addBindValue(_ranks.at(i));
        rows.addBindValue(_slSorted.at(i));
        if (!rows.exec())
            return bFail(rows, _error);
        if (!bChanged)
            continue;
        upsertRank.addBindValue(_slSorted.at(i));
        upsertRank.addBindValue(_ranks.at(i));
        if (!upsertRank.exec())
            return bFail(upsertRank, _error);
    }
    return true;
}

bool bRerank(QSqlDatabase& _database, const QString& _strLocale, bool _bSameLocale, QSqlError& _error)
{
    QHash<QString, double> known;
    QSqlQuery ranks(_database);
    if (!bExec(_database, QStringLiteral("SELECT customer_key, rank_value FROM archive_customer_ranks"), {},
               _error, &ranks))
        return false;
    while (ranks.next())
        known.insert(ranks.value(0).toString(), ranks.value(1).toDouble());
    QSqlQuery keys(_database);
    if (!bExec(_database, QStringLiteral("SELECT DISTINCT customer_key FROM archive_order_view"), {}, _error,
               &keys))
        return false;
    QStringList slKeys;
    while (keys.next())
        slKeys << keys.value(0).toString();
    for (auto it = known.constBegin(); it != known.constEnd(); ++it) {
        if (!slKeys.contains(it.key()))
            slKeys << it.key();
    }
    QCollator collator{QLocale(_strLocale)};
    std::stable_sort(slKeys.begin(), slKeys.end(),
                     [&](const QString& _a, const QString& _b) { return collator.compare(_a, _b) < 0; });
    slKeys.erase(std::unique(slKeys.begin(), slKeys.end()), slKeys.end());
    const QVector<double> rankValues = ranksFor(slKeys, known, _bSameLocale);
    return bWriteRanks(_database, slKeys, rankValues, known, _error) &&
           bExec(_database,
                 QStringLiteral("INSERT INTO archive_settings (name, value) VALUES ('rank_locale', ?) ON "
                                "CONFLICT (name) DO UPDATE SET value = excluded.value"),
                 {_strLocale}, _error);
}

} // namespace

namespace ArchiveView
{

bool bEnsureCustomerRanks(QSqlDatabase& _database, const QString& _strLocale, QSqlError& _error)
{
    bool bCurrent = false;
    bool bSameLocale = false;
    if (!bRanksCurrent(_database, _strLocale, bCurrent, bSameLocale, _error))
        return false;
    if (bCurrent)
        return true;
    if (!_database.transaction()) {
        _error = _database.lastError();
        return false;
    }
    if (bRerank(_database, _strLocale, bSameLocale, _error) && _database.commit())
        return true;
    if (!_error.isValid())
        _error = _database.lastError();
    _database.rollback();
    return false;
}

} // namespace ArchiveView
