#include "data/sortkeys.h"

#include <algorithm>
#include <numeric>

cSortKeys::cSortKeys() = default;
cSortKeys::~cSortKeys() = default;

void cSortKeys::vClear()
{
    m_texts.clear();
    m_values.clear();
    m_collationKeys.clear();
}

void cSortKeys::vReserve(int _s32Rows)
{
    m_texts.reserve(_s32Rows);
    m_values.reserve(_s32Rows);
}

void cSortKeys::vAppend(const QString& _strKey)
{
    m_texts.append(_strKey);
    m_values.append(_strKey.toInt());
}

const QCollatorSortKey& cSortKeys::collationKey(int _s32Row) const
{
    if (m_collationKeys.size() != size_t(m_texts.size()))
        m_collationKeys.resize(size_t(m_texts.size()));
    std::unique_ptr<QCollatorSortKey>& pKey = m_collationKeys[size_t(_s32Row)];
    if (!pKey)
        pKey = std::make_unique<QCollatorSortKey>(m_collator.sortKey(m_texts.at(_s32Row)));
    return *pKey;
}

bool cSortKeys::bLess(int _s32Left, int _s32Right) const
{
    const int s32Right = m_values.at(_s32Right);
    if (s32Right != 0)
        return m_values.at(_s32Left) < s32Right;
    return collationKey(_s32Left).compare(collationKey(_s32Right)) < 0;
}

QVector<int> cSortKeys::stableOrder() const
{
    QVector<int> order(m_texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int _a, int _b) { return bLess(_a, _b); });
    return order;
}
