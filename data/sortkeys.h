#pragma once

#include <QCollator>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

// The sort keys of a list's rows and their order: numerically while the
// right key is a non-zero integer (a non-numeric left key counts as 0),
// otherwise as the locale sorts texts. The texts' collation keys are made
// once per row, when a comparison first needs them: a sort of 100,000 rows
// compares about 1.7 million times.
class cSortKeys
{
public:
    cSortKeys();
    ~cSortKeys();
    cSortKeys(const cSortKeys&) = delete;
    cSortKeys& operator=(const cSortKeys&) = delete;

    void vClear();
    void vReserve(int _s32Rows);
    void vAppend(const QString& _strKey);
    // A key known to be this integer (not 0): its text is asked of the
    // provider only if a comparison needs it.
    void vAppendNumber(int _s32Value);
    void vSetTextProvider(std::function<QString(int)> _fnText) { m_fnText = std::move(_fnText); }
    int s32Size() const { return m_values.size(); }
    const QString& strKey(int _s32Row) const;

    bool bLess(int _s32Left, int _s32Right) const;
    // Makes the comparisons of a sort cheap; called before many of them.
    void vPrepare() const;
    // The rows in sorted order; rows with equal keys keep their order.
    QVector<int> stableOrder() const;

private:
    const QCollatorSortKey& collationKey(int _s32Row) const;
    // Where most keys are texts (customer names), each distinct text gets
    // its place in the locale's order once; rows then compare as integers.
    void vRankTexts() const;

    mutable QVector<QString> m_texts;
    mutable std::vector<char> m_hasText;
    QVector<int> m_values;
    std::function<QString(int)> m_fnText;
    mutable QVector<int> m_ranks;
    QCollator m_collator;
    mutable std::vector<std::unique_ptr<QCollatorSortKey>> m_collationKeys;
};
