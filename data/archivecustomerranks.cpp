// The customers' places in the interface language's order, kept in the
// archive so that the orders sort by customer through an index.
#include "data/archivecustomerranks.h"
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
    return ArchiveSchema::bRun(_pQuery ? *_pQuery : own, _strSql, _binds, _error);
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
    if (!upsertRank.prepare(
            QStringLiteral("INSERT INTO archive_customer_ranks (customer_key, rank_value) "
                           "VALUES (?, ?) ON CONFLICT (customer_key) DO UPDATE SET rank_value "
                           "= excluded.rank_value")))
        return bFail(upsertRank, _error);
    for (int i = 0; i < _slSorted.size(); ++i) {
        const auto it = _known.constFind(_slSorted.at(i));
        if (it != _known.constEnd() && it.value() == _ranks.at(i))
            continue;
        upsertRank.addBindValue(_slSorted.at(i));
        upsertRank.addBindValue(_ranks.at(i));
        if (!upsertRank.exec())
            return bFail(upsertRank, _error);
    }
    // One pass over the orders: those of a moved customer, and those that
    // arrived before their customer had a place, take the place now.
    return bExec(
        _database,
        QStringLiteral("UPDATE archive_order_view SET customer_rank = r.rank_value FROM "
                       "archive_customer_ranks r WHERE r.customer_key = archive_order_view.customer_key "
                       "AND archive_order_view.customer_rank IS DISTINCT FROM r.rank_value"),
        {}, _error);
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

cCustomerRanks::cCustomerRanks(QSqlDatabase& _database) : m_database(_database), m_insert(_database) {}

bool cCustomerRanks::bLoad(QSqlError& _error)
{
    QSqlQuery query(m_database);
    if (!bExec(m_database, QStringLiteral("SELECT value FROM archive_settings WHERE name = 'rank_locale'"),
               {}, _error, &query))
        return false;
    // The places follow the language they were made for.
    m_bLocaleKept = query.next();
    m_collator = QCollator(m_bLocaleKept ? QLocale(query.value(0).toString()) : QLocale());
    QSqlQuery places(m_database);
    if (!bExec(
            m_database,
            QStringLiteral("SELECT customer_key, rank_value FROM archive_customer_ranks ORDER BY rank_value"),
            {}, _error, &places))
        return false;
    while (places.next()) {
        m_places.append({places.value(0).toString(), places.value(1).toDouble()});
        m_known.insert(m_places.last().strKey, m_places.last().dRank);
    }
    if (!m_insert.prepare(
            QStringLiteral("INSERT INTO archive_customer_ranks (customer_key, rank_value) VALUES "
                           "(?, ?) ON CONFLICT (customer_key) DO NOTHING")))
        return bFail(m_insert, _error);
    return true;
}

bool cCustomerRanks::bPlace(const QString& _strKey, QSqlError& _error)
{
    if (m_known.contains(_strKey))
        return true;
    const auto it = std::lower_bound(m_places.begin(), m_places.end(), _strKey,
                                     [&](const Place& _place, const QString& _strOther) {
                                         return m_collator.compare(_place.strKey, _strOther) < 0;
                                     });
    const int s32At = int(it - m_places.begin());
    const double dBefore = s32At > 0 ? m_places.at(s32At - 1).dRank : NAN;
    const double dAfter = s32At < m_places.size() ? m_places.at(s32At).dRank : NAN;
    double dRank = RANK_STEP;
    if (!std::isnan(dBefore) && !std::isnan(dAfter))
        dRank = (dBefore + dAfter) / 2;
    else if (!std::isnan(dBefore))
        dRank = dBefore + RANK_STEP;
    else if (!std::isnan(dAfter))
        dRank = dAfter - RANK_STEP;
    m_known.insert(_strKey, dRank);
    if ((!std::isnan(dBefore) && dRank - dBefore < 1e-6) || (!std::isnan(dAfter) && dAfter - dRank < 1e-6))
        return true; // no room: placed anew by the list browser
    m_places.insert(s32At, {_strKey, dRank});
    m_insert.addBindValue(_strKey);
    m_insert.addBindValue(dRank);
    if (!m_insert.exec())
        return bFail(m_insert, _error);
    if (m_bLocaleKept)
        return true;
    m_bLocaleKept = true;
    return bExec(m_database,
                 QStringLiteral("INSERT INTO archive_settings (name, value) VALUES ('rank_locale', ?) ON "
                                "CONFLICT (name) DO NOTHING"),
                 {QLocale().name()}, _error);
}
