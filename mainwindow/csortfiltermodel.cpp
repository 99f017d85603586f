#include "mainwindow/csortfiltermodel.h"

#include "data/fieldreaders.h"
#include "mainwindow/listcolumns.h"

#include <QCollator>
#include <QLocale>
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

namespace
{

// The date of "dd.MM.yyyy" read part by part; a missing part reads as 0,
// which makes the date invalid.
QDate dateOfDayText(const QStringRef& _strDate)
{
    return QDate(FieldReaders::s32ParseInt(strPart(_strDate, QLatin1Char('.'), 2)),
                 FieldReaders::s32ParseInt(strPart(_strDate, QLatin1Char('.'), 1)),
                 FieldReaders::s32ParseInt(strPart(_strDate, QLatin1Char('.'), 0)));
}

} // namespace

QDate dateOfEntryText(const QString& _strText)
{
    // "Start: 01.10.2014 08:30" splits at ":" into "Start", " 01.10.2014 08"
    // and "30"; the middle part splits at " " into "", "01.10.2014" and "08".
    const QStringRef strStartLine = strPart(QStringRef(&_strText), QLatin1Char('\n'), 4);
    const QStringRef strAfterLabel = strPart(strStartLine, QLatin1Char(':'), 1);
    return dateOfDayText(strPart(strAfterLabel, QLatin1Char(' '), 1));
}

QDate dateOfStartValue(const QStringRef& _strValue)
{
    // Behind "Start: " the middle part at ":" is " " and the value up to its
    // first ":"; its second part at " " is that text up to its first blank.
    const QStringRef strUpToColon = strPart(_strValue, QLatin1Char(':'), 0);
    return dateOfDayText(strPart(strUpToColon, QLatin1Char(' '), 0));
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
    // Names sort as the interface language sorts them (the default locale),
    // not as the system's locale would: "Bäumer" before "Brüggemann".
    // QString::localeAwareCompare keeps the locale it met first.
    thread_local QLocale locale;
    thread_local QCollator collator(locale);
    if (QLocale() != locale) {
        locale = QLocale();
        collator = QCollator(locale);
    }
    return collator.compare(_strLeft, _strRight) < 0;
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

int RowKeys::s32AddCustomer(const QString& _strNumber, QHash<QString, int>& _places)
{
    const auto it = _places.constFind(_strNumber);
    if (it != _places.constEnd())
        return it.value();
    customerNumbers.append(_strNumber);
    _places.insert(_strNumber, customerNumbers.size() - 1);
    return customerNumbers.size() - 1;
}

} // namespace SortFilter

cSortFilterModel::cSortFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
}

void cSortFilterModel::setFilterMinimumDate(const QDate& date)
{
    minDate = date;
    ++m_s32FilterGeneration;
    invalidate(); // one pass, see vSetSearchPattern()
}

void cSortFilterModel::setFilterMaximumDate(const QDate& date)
{
    maxDate = date;
    ++m_s32FilterGeneration;
    invalidate(); // one pass, see vSetSearchPattern()
}

void cSortFilterModel::setFilterDateRange(const QDate& minimum, const QDate& maximum)
{
    minDate = minimum;
    maxDate = maximum;
    ++m_s32FilterGeneration;
    invalidate(); // one pass, see vSetSearchPattern()
}

void cSortFilterModel::setFilterRegExp(const QRegExp& regExp)
{
    m_matcher = SortFilter::SearchMatcher(regExp);
    m_bMatchesValid = false;
    ++m_s32FilterGeneration;
    QSortFilterProxyModel::setFilterRegExp(regExp);
}

void cSortFilterModel::setFilterRegExp(const QString& pattern)
{
    setFilterRegExp(QRegExp(pattern, filterCaseSensitivity(), QRegExp::RegExp));
}

void cSortFilterModel::vSetSearchPattern(const QRegExp& _pattern)
{
    m_matcher = SortFilter::SearchMatcher(_pattern);
    m_bMatchesValid = false;
    ++m_s32FilterGeneration;
    invalidate();
}

void cSortFilterModel::vSetCustomerNumber(const QString& _strNumber)
{
    m_strCustomerNumber = _strNumber;
    m_bCustomerValid = false;
    ++m_s32FilterGeneration;
    invalidate(); // one pass, see vSetSearchPattern()
}

void cSortFilterModel::vSetRowKeys(std::shared_ptr<const SortFilter::RowKeys> _pKeys)
{
    const QAbstractItemModel* pSource = sourceModel();
    if (_pKeys && (!pSource || _pKeys->s32Rows() != pSource->rowCount()))
        _pKeys.reset(); // not the keys of these rows: read them from the source
    m_pRowKeys = std::move(_pKeys);
    m_bMatchesValid = false;
    m_bCustomerValid = false;
    ++m_s32FilterGeneration;
    invalidate();
}

bool cSortFilterModel::dateInRange(const QDate& date) const
{
    return SortFilter::bDateInRange(date, minDate, maxDate);
}

void cSortFilterModel::vEnsureRowKeys() const
{
    if (m_pRowKeys)
        return;
    auto pKeys = std::make_shared<SortFilter::RowKeys>();
    const QAbstractItemModel* pSource = sourceModel();
    const int s32Rows = pSource ? pSource->rowCount() : 0;
    pKeys->dated.resize(size_t(s32Rows));
    pKeys->dates.resize(s32Rows);
    pKeys->search.vReserve(s32Rows, 128);
    pKeys->customer.fill(-1, s32Rows);
    QHash<QString, int> customerPlaces;
    for (int r = 0; r < s32Rows; ++r) {
        const QModelIndex entry = pSource->index(r, ListColumns::ENTRY);
        QString strKind = entry.data(ListColumns::KIND_ROLE).toString();
        if (strKind.isEmpty())
            strKind = pSource->index(r, ListColumns::KIND).data(Qt::EditRole).toString();
        const QString strText = entry.data(Qt::EditRole).toString();
        if (strKind == QLatin1String(SortFilter::ORDER_MARKER)) {
            pKeys->dated[size_t(r)] = 1;
            pKeys->dates[r] = SortFilter::dateOfEntryText(strText);
            pKeys->customer[r] = pKeys->s32AddCustomer(
                entry.data(ListColumns::CUSTOMER_NUMBER_ROLE).toString(), customerPlaces);
        }
        pKeys->search.vAppendRow(strText);
    }
    m_pRowKeys = std::move(pKeys);
    m_bMatchesValid = false;
    m_bCustomerValid = false;
}

void cSortFilterModel::vEnsureMatches() const
{
    const SortFilter::SearchMatcher& search = m_matcher;
    if (m_bMatchesValid)
        return;
    const int s32Rows = m_pRowKeys->s32Rows();
    m_matches.assign(size_t(s32Rows), 1);
    if (search.pattern().isEmpty()) {
        // No search (an empty pattern is found in every text).
    } else if (search.bPlainIgnoringCase()) {
        // Folded once, searched as bytes in every row's folded text.
        const QByteArray baNeedle = cSearchIndex::baFolded(search.strPlain());
        if (!baNeedle.isEmpty()) {
            const std::vector<char> found = m_pRowKeys->search.rowsContaining(baNeedle);
            for (int r = 0; r < s32Rows; ++r)
                m_matches[size_t(r)] = found[size_t(m_pRowKeys->s32SearchRow(r))];
        }
    } else if (search.pattern().caseSensitivity() == Qt::CaseInsensitive) {
        // Wildcards: the regular expression, ignoring case, on the folded text.
        for (int r = 0; r < s32Rows; ++r)
            m_matches[size_t(r)] =
                search.bMatches(m_pRowKeys->search.strRowText(m_pRowKeys->s32SearchRow(r))) ? 1 : 0;
    } else {
        // A pattern that minds case needs the entries as they are.
        const QAbstractItemModel* pSource = sourceModel();
        for (int r = 0; r < s32Rows; ++r) {
            const QString strText = pSource->index(r, ListColumns::ENTRY).data(Qt::EditRole).toString();
            m_matches[size_t(r)] = search.bMatches(strText) ? 1 : 0;
        }
    }
    m_bMatchesValid = true;
}

bool cSortFilterModel::bAcceptsSourceRow(int _s32SourceRow) const
{
    vEnsureRowKeys();
    vEnsureMatches();
    if (_s32SourceRow < 0 || _s32SourceRow >= m_pRowKeys->s32Rows())
        return false;
    const size_t row = size_t(_s32SourceRow);
    if (m_pRowKeys->dated[row] &&
        !SortFilter::bDateInRange(m_pRowKeys->dates.at(_s32SourceRow), minDate, maxDate))
        return false;
    if (!m_strCustomerNumber.isEmpty() && m_pRowKeys->dated[row]) {
        if (!m_bCustomerValid) {
            const int s32Place = m_pRowKeys->customerNumbers.indexOf(m_strCustomerNumber);
            m_s32Customer = s32Place < 0 ? NO_CUSTOMER : s32Place;
            m_bCustomerValid = true;
        }
        if (m_pRowKeys->s32Customer(_s32SourceRow) != m_s32Customer)
            return false;
    }
    return m_matches[row] != 0;
}

bool cSortFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!sourceParent.isValid())
        return bAcceptsSourceRow(sourceRow);
    // The list is flat; a child row (in no list of ours) is read as it is.
    const QAbstractItemModel* pSource = sourceModel();
    const QString strKind =
        pSource->index(sourceRow, ListColumns::KIND, sourceParent).data(Qt::EditRole).toString();
    const QString strText =
        pSource->index(sourceRow, ListColumns::ENTRY, sourceParent).data(Qt::EditRole).toString();
    return SortFilter::bAcceptsEntry(strKind, strText, m_matcher, minDate, maxDate);
}

void cSortFilterModel::vSourceChanged()
{
    m_bKeysValid = false;
    m_pRowKeys.reset();
    m_bMatchesValid = false;
    m_bCustomerValid = false;
}

void cSortFilterModel::setSourceModel(QAbstractItemModel* sourceModel)
{
    for (const QMetaObject::Connection& connection : qAsConst(m_lSourceConnections))
        disconnect(connection);
    m_lSourceConnections.clear();
    vSourceChanged();
    // Connected before the proxy's own handlers, so that a re-sort or a
    // filter pass after a change never reads keys from before it.
    if (sourceModel) {
        auto vDrop = [this] { vSourceChanged(); };
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
    m_sortKeys.vClear();
    m_sortKeys.vReserve(s32Rows);
    for (int r = 0; r < s32Rows; ++r)
        m_sortKeys.vAppend(pSource->index(r, _s32Column).data(Qt::DisplayRole).toString());
    m_sortKeys.vPrepare();
    m_s32KeyColumn = _s32Column;
    m_bKeysValid = true;
}

bool cSortFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // The list is flat: only rows of the top level have keys kept.
    if (!left.parent().isValid() && !right.parent().isValid() && left.column() == right.column()) {
        if (!m_bKeysValid || m_s32KeyColumn != left.column())
            vBuildSortKeys(left.column());
        if (left.row() < m_sortKeys.s32Size() && right.row() < m_sortKeys.s32Size())
            return m_sortKeys.bLess(left.row(), right.row());
    }
    return SortFilter::bLessThan(left.data(Qt::DisplayRole).toString(),
                                 right.data(Qt::DisplayRole).toString());
}
