#pragma once

#include "data/searchindex.h"
#include "data/sortkeys.h"

#include <QDate>
#include <QHash>
#include <QRegExp>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

// The texts and decisions of the list filter, without any model: the list
// browser's proxy applies them row by row, tests call them directly.
namespace SortFilter
{

// Column 2 of an orders row and of a drivers row carries these markers;
// customers and fields rows leave it empty.
inline const char* const ORDER_MARKER = "Auftraege";
inline const char* const DRIVER_MARKER = "NAME";

// The date of an orders entry: line 4 of the entry text is the start line
// "Start: dd.MM.yyyy hh:mm"; its date part is read as day.month.year. A
// missing or malformed start line gives an invalid date.
QDate dateOfEntryText(const QString& _strText);
// The same date for an entry whose start line is a label without ":", ": "
// and this value, read without the entry.
QDate dateOfStartValue(const QStringRef& _strValue);

// Invalid bounds do not limit; valid ones include their own day.
bool bDateInRange(const QDate& _date, const QDate& _dateMin, const QDate& _dateMax);

// The sort order of two key texts: numerically while the right text is a
// non-zero integer (a non-numeric left text counts as 0), otherwise by the
// locale-aware text comparison.
bool bLessThan(const QString& _strLeft, const QString& _strRight);

// The search pattern for a typed text: the text anywhere in an entry,
// ignoring case, with "*" and "?" as wildcards.
QRegExp searchPattern(const QString& _strTyped);

// Whether a text contains a match of a pattern, found quickly: the stars
// around a wildcard pattern change nothing for a search anywhere in the text,
// but a regular expression with a leading ".*" tries every start position
// with every length, which made a search through 100,000 orders take half a
// minute. Without them a pattern that has no wildcard left is a plain
// substring test.
class SearchMatcher
{
public:
    explicit SearchMatcher(const QRegExp& _pattern = QRegExp());
    bool bMatches(const QString& _strText) const;
    const QRegExp& pattern() const { return m_pattern; }
    // A pattern without wildcards, ignoring case: a plain search for this text.
    bool bPlainIgnoringCase() const { return m_bPlain && m_pattern.caseSensitivity() == Qt::CaseInsensitive; }
    const QString& strPlain() const { return m_strPlain; }

private:
    QRegExp m_pattern; // as set
    QRegExp m_inner;   // without the stars around it
    QString m_strPlain;
    bool m_bPlain = false;
};

// Whether a row with the kind marker and entry text passes the search and,
// for orders, the date range.
bool bAcceptsEntry(const QString& _strKind, const QString& _strText, const SearchMatcher& _matcher,
                   const QDate& _dateMin, const QDate& _dateMax);

// What the filter needs of every row, read once per list: whether the date
// range and the customer apply to it (orders), its date, its customer, and
// its entry text, folded for the search. Row r of the keys is row r of the
// source model.
struct RowKeys {
    std::vector<char> dated;
    QVector<QDate> dates;
    cSearchIndex search;
    // The row of the search index for each row, when they are not the same.
    QVector<int> searchRow;
    // Orders: each row's customer number as its place in customerNumbers,
    // so that choosing a customer compares numbers, not texts.
    QVector<int> customer;
    QStringList customerNumbers;

    int s32Rows() const { return int(dated.size()); }
    int s32SearchRow(int _s32Row) const { return searchRow.isEmpty() ? _s32Row : searchRow.at(_s32Row); }
    int s32Customer(int _s32Row) const { return customer.isEmpty() ? -1 : customer.at(_s32Row); }
    // The place of a customer number in customerNumbers, added when new.
    int s32AddCustomer(const QString& _strNumber, QHash<QString, int>& _places);
};

} // namespace SortFilter

// The proxy between the list browser's item model and its view: sorts the
// rows by the chosen key column and filters them by the search text and, for
// orders, by the start date.
class cSortFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit cSortFilterModel(QObject* parent = nullptr);

    QDate filterMinimumDate() const { return minDate; }
    void setFilterMinimumDate(const QDate& date);

    QDate filterMaximumDate() const { return maxDate; }
    void setFilterMaximumDate(const QDate& date);

    void setSourceModel(QAbstractItemModel* sourceModel) override;
    // The filter keys of the source's rows, made by whoever filled the source
    // (the model builder reads them from the same parse as the entries).
    // Without them, or once the source changes, they are read from the
    // source's data once: the marker column (or the entry's KIND_ROLE) and the
    // entry text.
    void vSetRowKeys(std::shared_ptr<const SortFilter::RowKeys> _pKeys);

    // Both bounds at once, filtering the rows once.
    void setFilterDateRange(const QDate& minimum, const QDate& maximum);
    // Sets the search pattern and filters all rows anew in one pass (one
    // layout change). Going through setFilterRegExp() instead updates the
    // sorted mapping once per range of hidden or shown rows, which takes
    // seconds when a keystroke hides thousands of scattered rows.
    void vSetSearchPattern(const QRegExp& _pattern);

    // Orders of one customer only (by number; empty: every customer's).
    void vSetCustomerNumber(const QString& _strNumber);
    QString strCustomerNumber() const { return m_strCustomerNumber; }

    bool dateInRange(const QDate& date) const;
    // Whether a row of the source passes the search, the date range and the customer.
    bool bAcceptsSourceRow(int _s32SourceRow) const;
    // Counts the changes of the search, the date range and the customer.
    int s32FilterGeneration() const { return m_s32FilterGeneration; }

public slots:
    // The search as a regular expression, as the base class takes it; the
    // matcher follows it (the base class has no hook that says it changed).
    void setFilterRegExp(const QRegExp& regExp);
    void setFilterRegExp(const QString& pattern);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    void vEnsureRowKeys() const;
    void vEnsureMatches() const;
    void vBuildSortKeys(int _s32Column) const;
    void vSourceChanged();

    // The key texts of the sort column, read once per source row. Any change
    // of the source drops them.
    mutable cSortKeys m_sortKeys;
    mutable int m_s32KeyColumn = -1;
    mutable bool m_bKeysValid = false;
    QList<QMetaObject::Connection> m_lSourceConnections;

    // The filter keys and, per row, whether it matches the search.
    mutable std::shared_ptr<const SortFilter::RowKeys> m_pRowKeys;
    mutable std::vector<char> m_matches;
    mutable bool m_bMatchesValid = false;
    int m_s32FilterGeneration = 0;

    QDate minDate;
    QDate maxDate;
    QString m_strCustomerNumber;
    // Its place among the keys' customer numbers: NO_CUSTOMER when no row has it.
    mutable int m_s32Customer = NO_CUSTOMER;
    mutable bool m_bCustomerValid = false;
    static constexpr int NO_CUSTOMER = -2;
    // The search: set by vSetSearchPattern() or setFilterRegExp().
    SortFilter::SearchMatcher m_matcher;
};
