#include "mainwindow/csortfiltermodel.h"

#include "mainwindow/listcolumns.h"

#include <QStringList>

#include <algorithm>

namespace SortFilter
{

namespace
{

// Part _s32Index of _strText split at _c, as QString::split would give it, but
// without building the other parts: the date filter reads one line of every
// orders entry whenever the range changes.
QStringRef strPart(const QStringRef& _strText, QChar _c, int _s32Index)
{
    int s32Start = 0;
    for (int i = 0; i < _s32Index; ++i) {
        const int s32Next = _strText.indexOf(_c, s32Start);
        if (s32Next < 0)
            return QStringRef();
        s32Start = s32Next + 1;
    }
    const int s32End = _strText.indexOf(_c, s32Start);
    return _strText.mid(s32Start, s32End < 0 ? -1 : s32End - s32Start);
}

} // namespace

QDate dateOfEntryText(const QString& _strText)
{
    // "Start: 01.10.2014 08:30" splits at ":" into "Start", " 01.10.2014 08"
    // and "30"; the middle part splits at " " into "", "01.10.2014" and "08".
    const QStringRef strStartLine = strPart(QStringRef(&_strText), QLatin1Char('\n'), 4);
    const QStringRef strAfterLabel = strPart(strStartLine, QLatin1Char(':'), 1);
    const QStringRef strDate = strPart(strAfterLabel, QLatin1Char(' '), 1);
    return QDate(strPart(strDate, QLatin1Char('.'), 2).toInt(), strPart(strDate, QLatin1Char('.'), 1).toInt(),
                 strPart(strDate, QLatin1Char('.'), 0).toInt());
}

bool bDateInRange(const QDate& _date, const QDate& _dateMin, const QDate& _dateMax)
{
    return (!_dateMin.isValid() || _date >= _dateMin) && (!_dateMax.isValid() || _date <= _dateMax);
}

bool bLessThan(const QString& _strLeft, const QString& _strRight)
{
    const int s32Right = _strRight.toInt();
    if (s32Right != 0)
        return _strLeft.toInt() < s32Right;
    return _strLeft.localeAwareCompare(_strRight) < 0;
}

QRegExp searchPattern(const QString& _strTyped)
{
    return QRegExp(QStringLiteral("*%1*").arg(_strTyped), Qt::CaseInsensitive, QRegExp::Wildcard);
}

SearchMatcher::SearchMatcher(const QRegExp& _pattern) : m_pattern(_pattern), m_inner(_pattern)
{
    if (_pattern.patternSyntax() != QRegExp::Wildcard || !_pattern.isValid())
        return;
    QString strInner = _pattern.pattern();
    while (strInner.startsWith(QLatin1Char('*')))
        strInner.remove(0, 1);
    while (strInner.endsWith(QLatin1Char('*')))
        strInner.chop(1);
    m_inner.setPattern(strInner);
    static const QString s_strWildcards = QStringLiteral("*?[]\\");
    m_bPlain =
        std::none_of(strInner.cbegin(), strInner.cend(), [](QChar c) { return s_strWildcards.contains(c); });
    m_strPlain = strInner;
}

bool SearchMatcher::bMatches(const QString& _strText) const
{
    if (m_bPlain)
        return _strText.contains(m_strPlain, m_pattern.caseSensitivity());
    return _strText.indexOf(m_inner) != -1;
}

bool bAcceptsEntry(const QString& _strKind, const QString& _strText, const SearchMatcher& _matcher,
                   const QDate& _dateMin, const QDate& _dateMax)
{
    if (_strKind == QLatin1String(ORDER_MARKER) &&
        !bDateInRange(dateOfEntryText(_strText), _dateMin, _dateMax)) {
        return false;
    }
    return _matcher.bMatches(_strText);
}

} // namespace SortFilter

cSortFilterModel::cSortFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
}

void cSortFilterModel::setFilterMinimumDate(const QDate& date)
{
    minDate = date;
    invalidate(); // one pass, see vSetSearchPattern()
}

void cSortFilterModel::setFilterMaximumDate(const QDate& date)
{
    maxDate = date;
    invalidate(); // one pass, see vSetSearchPattern()
}

void cSortFilterModel::setFilterDateRange(const QDate& minimum, const QDate& maximum)
{
    minDate = minimum;
    maxDate = maximum;
    invalidate(); // one pass, see vSetSearchPattern()
}

void cSortFilterModel::vSetSearchPattern(const QRegExp& _pattern)
{
    m_matcher = SortFilter::SearchMatcher(_pattern);
    invalidate();
}

bool cSortFilterModel::dateInRange(const QDate& date) const
{
    return SortFilter::bDateInRange(date, minDate, maxDate);
}

bool cSortFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* pSource = sourceModel();
    const QString strKind =
        pSource->index(sourceRow, ListColumns::KIND, sourceParent).data(Qt::EditRole).toString();
    const QString strText =
        pSource->index(sourceRow, ListColumns::ENTRY, sourceParent).data(Qt::EditRole).toString();
    return SortFilter::bAcceptsEntry(strKind, strText, matcher(), minDate, maxDate);
}

const SortFilter::SearchMatcher& cSortFilterModel::matcher() const
{
    const QRegExp base = filterRegExp();
    if (base != m_baseSeen) {
        m_baseSeen = base;
        m_matcher = SortFilter::SearchMatcher(base);
    }
    return m_matcher;
}

void cSortFilterModel::setSourceModel(QAbstractItemModel* sourceModel)
{
    for (const QMetaObject::Connection& connection : qAsConst(m_lSourceConnections))
        disconnect(connection);
    m_lSourceConnections.clear();
    m_bKeysValid = false;
    // Connected before the proxy's own handlers, so that a re-sort after a
    // change never reads keys from before it.
    if (sourceModel) {
        auto vDrop = [this] { m_bKeysValid = false; };
        m_lSourceConnections << connect(sourceModel, &QAbstractItemModel::dataChanged, this, vDrop)
                             << connect(sourceModel, &QAbstractItemModel::rowsInserted, this, vDrop)
                             << connect(sourceModel, &QAbstractItemModel::rowsRemoved, this, vDrop)
                             << connect(sourceModel, &QAbstractItemModel::rowsMoved, this, vDrop)
                             << connect(sourceModel, &QAbstractItemModel::columnsInserted, this, vDrop)
                             << connect(sourceModel, &QAbstractItemModel::columnsRemoved, this, vDrop)
                             << connect(sourceModel, &QAbstractItemModel::layoutChanged, this, vDrop)
                             << connect(sourceModel, &QAbstractItemModel::modelReset, this, vDrop);
    }
    QSortFilterProxyModel::setSourceModel(sourceModel);
}

void cSortFilterModel::vBuildSortKeys(int _s32Column) const
{
    const QAbstractItemModel* pSource = sourceModel();
    const int s32Rows = pSource ? pSource->rowCount() : 0;
    m_keys.resize(s32Rows);
    for (int r = 0; r < s32Rows; ++r) {
        SortKey& key = m_keys[r];
        key.strText = pSource->index(r, _s32Column).data(Qt::DisplayRole).toString();
        key.s32Value = key.strText.toInt();
    }
    m_s32KeyColumn = _s32Column;
    m_bKeysValid = true;
}

bool cSortFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // The list is flat: only rows of the top level have keys kept.
    if (!left.parent().isValid() && !right.parent().isValid() && left.column() == right.column()) {
        if (!m_bKeysValid || m_s32KeyColumn != left.column())
            vBuildSortKeys(left.column());
        if (left.row() < m_keys.size() && right.row() < m_keys.size()) {
            const SortKey& keyLeft = m_keys.at(left.row());
            const SortKey& keyRight = m_keys.at(right.row());
            if (keyRight.s32Value != 0)
                return keyLeft.s32Value < keyRight.s32Value;
            return keyLeft.strText.localeAwareCompare(keyRight.strText) < 0;
        }
    }
    return SortFilter::bLessThan(left.data(Qt::DisplayRole).toString(),
                                 right.data(Qt::DisplayRole).toString());
}
