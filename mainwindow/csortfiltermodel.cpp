#include "mainwindow/csortfiltermodel.h"

#include <QStringList>

#include <algorithm>

namespace SortFilter {

QDate dateOfEntryText(const QString& _strText)
{
    // "Start: 01.10.2014 08:30" splits at ":" into "Start", " 01.10.2014 08"
    // and "30"; the middle part splits at " " into "", "01.10.2014" and "08".
    const QString strStartLine = _strText.split(QLatin1Char('\n')).value(4);
    const QString strAfterLabel = strStartLine.split(QLatin1Char(':')).value(1);
    const QString strDate = strAfterLabel.split(QLatin1Char(' ')).value(1);
    const QStringList slParts = strDate.split(QLatin1Char('.'));
    return QDate(slParts.value(2).toInt(), slParts.value(1).toInt(), slParts.value(0).toInt());
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
    m_bPlain = std::none_of(strInner.cbegin(), strInner.cend(),
                            [](QChar c) { return s_strWildcards.contains(c); });
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
    if (_strKind == QLatin1String(ORDER_MARKER)
        && !bDateInRange(dateOfEntryText(_strText), _dateMin, _dateMax)) {
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
    invalidateFilter();
}

void cSortFilterModel::setFilterMaximumDate(const QDate& date)
{
    maxDate = date;
    invalidateFilter();
}

void cSortFilterModel::setFilterDateRange(const QDate& minimum, const QDate& maximum)
{
    minDate = minimum;
    maxDate = maximum;
    invalidateFilter();
}

bool cSortFilterModel::dateInRange(const QDate& date) const
{
    return SortFilter::bDateInRange(date, minDate, maxDate);
}

bool cSortFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* pSource = sourceModel();
    const QString strKind = pSource->index(sourceRow, 2, sourceParent).data(Qt::EditRole).toString();
    const QString strText = pSource->index(sourceRow, 0, sourceParent).data(Qt::EditRole).toString();
    return SortFilter::bAcceptsEntry(strKind, strText, matcher(), minDate, maxDate);
}

const SortFilter::SearchMatcher& cSortFilterModel::matcher() const
{
    const QRegExp pattern = filterRegExp();
    if (pattern != m_matcher.pattern())
        m_matcher = SortFilter::SearchMatcher(pattern);
    return m_matcher;
}

bool cSortFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return SortFilter::bLessThan(left.data(Qt::DisplayRole).toString(),
                                 right.data(Qt::DisplayRole).toString());
}
