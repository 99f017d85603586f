#include "data/sortkeys.h"

#include <QHash>

#include <algorithm>
#include <numeric>

cSortKeys::cSortKeys() = default;
cSortKeys::~cSortKeys() = default;

void cSortKeys::vClear()
{
    m_texts.clear();
    m_hasText.clear();
    m_values.clear();
    m_collationKeys.clear();
    m_ranks.clear();
    // A new list sorts in the interface language of the moment.
    m_collator = QCollator(QLocale());
}

void cSortKeys::vReserve(int _s32Rows)
{
    m_texts.reserve(_s32Rows);
    m_hasText.reserve(size_t(_s32Rows));
    m_values.reserve(_s32Rows);
}

void cSortKeys::vAppend(const QString& _strKey)
{
    m_ranks.clear();
    m_texts.append(_strKey);
    m_hasText.push_back(1);
    m_values.append(_strKey.toInt());
}

void cSortKeys::vAppendNumber(int _s32Value)
{
    m_ranks.clear();
    m_texts.append(QString());
    m_hasText.push_back(0);
    m_values.append(_s32Value);
}

const QString& cSortKeys::strKey(int _s32Row) const
{
    if (!m_hasText[size_t(_s32Row)]) {
        m_texts[_s32Row] = m_fnText ? m_fnText(_s32Row) : QString::number(m_values.at(_s32Row));
        m_hasText[size_t(_s32Row)] = 1;
    }
    return m_texts.at(_s32Row);
}

const QCollatorSortKey& cSortKeys::collationKey(int _s32Row) const
{
    if (m_collationKeys.size() != size_t(m_values.size()))
        m_collationKeys.resize(size_t(m_values.size()));
    std::unique_ptr<QCollatorSortKey>& pKey = m_collationKeys[size_t(_s32Row)];
    if (!pKey)
        pKey = std::make_unique<QCollatorSortKey>(m_collator.sortKey(strKey(_s32Row)));
    return *pKey;
}

bool cSortKeys::bLess(int _s32Left, int _s32Right) const
{
    const int s32Right = m_values.at(_s32Right);
    if (s32Right != 0)
        return m_values.at(_s32Left) < s32Right;
    if (!m_ranks.isEmpty())
        return m_ranks.at(_s32Left) < m_ranks.at(_s32Right);
    return collationKey(_s32Left).compare(collationKey(_s32Right)) < 0;
}

void cSortKeys::vRankTexts() const
{
    const int s32Rows = m_values.size();
    QHash<QString, int> hashIds;
    QVector<int> idOfRow(s32Rows);
    QVector<QCollatorSortKey> distinctKeys;
    for (int r = 0; r < s32Rows; ++r) {
        const QString& strText = strKey(r);
        auto it = hashIds.constFind(strText);
        if (it == hashIds.constEnd()) {
            it = hashIds.insert(strText, distinctKeys.size());
            distinctKeys.append(m_collator.sortKey(strText));
        }
        idOfRow[r] = it.value();
    }
    QVector<int> sorted(distinctKeys.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(),
              [&](int _a, int _b) { return distinctKeys.at(_a).compare(distinctKeys.at(_b)) < 0; });
    // Texts the locale sorts as equal share their place.
    QVector<int> rankOfId(distinctKeys.size());
    int s32Rank = 0;
    for (int i = 0; i < sorted.size(); ++i) {
        if (i > 0 && distinctKeys.at(sorted.at(i - 1)).compare(distinctKeys.at(sorted.at(i))) != 0)
            ++s32Rank;
        rankOfId[sorted.at(i)] = s32Rank;
    }
    m_ranks.resize(s32Rows);
    for (int r = 0; r < s32Rows; ++r)
        m_ranks[r] = rankOfId.at(idOfRow.at(r));
}

void cSortKeys::vPrepare() const
{
    if (m_ranks.isEmpty() && std::count(m_values.cbegin(), m_values.cend(), 0) * 2 > m_values.size())
        vRankTexts();
}

QVector<int> cSortKeys::stableOrder() const
{
    vPrepare();
    QVector<int> order(m_values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int _a, int _b) { return bLess(_a, _b); });
    return order;
}
