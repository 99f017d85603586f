#include "data/archivesearch.h"

#include "data/searchindex.h"

namespace ArchiveSearch
{

namespace
{

using Kind = Condition::Kind;

// Walks every way the needle can lie over the layout and notes the
// conditions each way puts on the values.
class cPlanner
{
public:
    cPlanner(const Layout& _layout, const QByteArray& _baNeedle) : m_layout(_layout), m_baNeedle(_baNeedle) {}

    Plan plan()
    {
        Plan result;
        if (m_baNeedle.isEmpty()) {
            result.bEveryRow = true;
            return result;
        }
        for (const QByteArray& baFixed : m_layout.fixed) {
            if (baFixed.contains(m_baNeedle)) {
                result.bEveryRow = true;
                return result;
            }
        }
        const int s32Values = m_layout.s32Values();
        for (int i = 0; i < s32Values; ++i)
            vAdd({{i, Kind::Contains, m_baNeedle}});
        // Beginning inside a fixed text, at any of its bytes but the first
        // of those after which the needle would fit in it whole.
        for (int j = 0; j < m_layout.fixed.size(); ++j) {
            const QByteArray& baFixed = m_layout.fixed.at(j);
            for (int o = 0; o < baFixed.size(); ++o) {
                const QByteArray baTail = baFixed.mid(o);
                if (m_baNeedle.startsWith(baTail))
                    vIntoValue(j, m_baNeedle.mid(baTail.size()), {});
            }
        }
        // Beginning with the end of a value, running into the fixed text after it.
        for (int i = 0; i < s32Values; ++i) {
            for (int a = 1; a < m_baNeedle.size(); ++a)
                vIntoFixed(i + 1, m_baNeedle.mid(a), {{i, Kind::EndsWith, m_baNeedle.left(a)}});
        }
        result.alternatives = m_alternatives;
        return result;
    }

private:
    // _baRest continues at the start of value _s32Value.
    void vIntoValue(int _s32Value, const QByteArray& _baRest, Alternative _conditions)
    {
        if (_baRest.isEmpty()) {
            vAdd(_conditions);
            return;
        }
        if (_s32Value >= m_layout.s32Values())
            return;
        // It ends inside the value ...
        Alternative ends = _conditions;
        ends.append({_s32Value, Kind::StartsWith, _baRest});
        vAdd(ends);
        // ... or the value is the next m bytes and the rest runs on.
        for (int m = 0; m < _baRest.size(); ++m) {
            Alternative whole = _conditions;
            whole.append({_s32Value, Kind::Equals, _baRest.left(m)});
            vIntoFixed(_s32Value + 1, _baRest.mid(m), whole);
        }
    }

    // _baRest (not empty) continues at the start of fixed text _s32Fixed.
    void vIntoFixed(int _s32Fixed, const QByteArray& _baRest, const Alternative& _conditions)
    {
        if (_s32Fixed >= m_layout.fixed.size())
            return;
        const QByteArray& baFixed = m_layout.fixed.at(_s32Fixed);
        if (_baRest.size() <= baFixed.size()) {
            if (baFixed.startsWith(_baRest))
                vAdd(_conditions);
            return;
        }
        if (_baRest.startsWith(baFixed))
            vIntoValue(_s32Fixed, _baRest.mid(baFixed.size()), _conditions);
    }

    void vAdd(const Alternative& _conditions)
    {
        if (!m_alternatives.contains(_conditions))
            m_alternatives.append(_conditions);
    }

    const Layout& m_layout;
    const QByteArray& m_baNeedle;
    QVector<Alternative> m_alternatives;
};

} // namespace

QByteArray baFoldedValue(const QStringRef& _strField, bool _bClean)
{
    QByteArray ba("");
    const QChar* pText = _strField.unicode();
    int s32Start = 0;
    for (int i = 0; i <= _strField.size(); ++i) {
        if (i == _strField.size() || (_bClean && pText[i].unicode() == 0)) {
            cSearchIndex::vAppendFolded(ba, pText + s32Start, i - s32Start);
            s32Start = i + 1;
        }
    }
    return ba;
}

Plan plan(const Layout& _layout, const QByteArray& _baNeedle)
{
    return cPlanner(_layout, _baNeedle).plan();
}

bool bHolds(const Condition& _condition, const QVector<QByteArray>& _values)
{
    const QByteArray& baValue = _values.at(_condition.s32Value);
    switch (_condition.kind) {
    case Kind::Contains:
        return baValue.contains(_condition.baText);
    case Kind::Equals:
        return baValue == _condition.baText;
    case Kind::StartsWith:
        return baValue.startsWith(_condition.baText);
    case Kind::EndsWith:
        return baValue.endsWith(_condition.baText);
    }
    return false;
}

bool bMatches(const Plan& _plan, const QVector<QByteArray>& _values)
{
    if (_plan.bEveryRow)
        return true;
    for (const Alternative& alternative : _plan.alternatives) {
        bool bAll = true;
        for (const Condition& condition : alternative)
            bAll = bAll && bHolds(condition, _values);
        if (bAll)
            return true;
    }
    return false;
}

namespace
{

// One condition on a byte column; the text is bound.
QString strSqlOf(const Condition& _condition, ArchiveSchema::Dialect _dialect, const QString& _strColumn)
{
    const bool bPostgres = _dialect == ArchiveSchema::Dialect::Postgres;
    const QString strLength = QString::number(_condition.baText.size());
    switch (_condition.kind) {
    case Kind::Contains:
        return bPostgres ? QStringLiteral("position(? in %1) > 0").arg(_strColumn)
                         : QStringLiteral("instr(%1, ?) > 0").arg(_strColumn);
    case Kind::Equals:
        return QStringLiteral("%1 = ?").arg(_strColumn);
    case Kind::StartsWith:
        return bPostgres ? QStringLiteral("substring(%1 from 1 for %2) = ?").arg(_strColumn, strLength)
                         : QStringLiteral("substr(%1, 1, %2) = ?").arg(_strColumn, strLength);
    case Kind::EndsWith:
        return bPostgres
                   ? QStringLiteral("(length(%1) >= %2 AND substring(%1 from length(%1) - %2 + 1) = ?)")
                         .arg(_strColumn, strLength)
                   : QStringLiteral("(length(%1) >= %2 AND substr(%1, -%2) = ?)").arg(_strColumn, strLength);
    }
    return QStringLiteral("0 = 1");
}

} // namespace

SqlCondition sqlCondition(const Plan& _plan, ArchiveSchema::Dialect _dialect, const QStringList& _slColumns)
{
    SqlCondition condition;
    if (_plan.bEveryRow) {
        condition.strSql = QStringLiteral("1 = 1");
        return condition;
    }
    QStringList slAlternatives;
    for (const Alternative& alternative : _plan.alternatives) {
        QStringList slAll;
        for (const Condition& c : alternative) {
            slAll << strSqlOf(c, _dialect, _slColumns.value(c.s32Value));
            // An empty text goes in as empty bytes: a null one would be NULL.
            condition.binds << QVariant(c.baText.isNull() ? QByteArray("") : c.baText);
        }
        slAlternatives << (slAll.isEmpty()
                               ? QStringLiteral("1 = 1")
                               : QLatin1Char('(') + slAll.join(QLatin1String(" AND ")) + QLatin1Char(')'));
    }
    condition.strSql = slAlternatives.isEmpty()
                           ? QStringLiteral("1 = 0")
                           : QLatin1Char('(') + slAlternatives.join(QLatin1String(" OR ")) + QLatin1Char(')');
    return condition;
}

QByteArray baCompose(const Layout& _layout, const QVector<QByteArray>& _values)
{
    QByteArray ba;
    for (int i = 0; i < _layout.fixed.size(); ++i) {
        ba += _layout.fixed.at(i);
        if (i < _values.size() && i < _layout.s32Values())
            ba += _values.at(i);
    }
    return ba;
}

} // namespace ArchiveSearch
