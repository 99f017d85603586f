#pragma once

#include "data/ordercustomers.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QStringList>

#include <functional>
#include <memory>

namespace SortFilter
{
struct RowKeys;
}

class QStandardItem;
class QStandardItemModel;
class cOrderTotals;
struct CustomerRecord;
struct DriverRecord;
struct FieldRecord;

// Fills the list browser's item model from the lines of a list file, one row
// per record. Column 0 holds the multi-line entry text that the list shows;
// the other columns carry what the sort/filter proxy and the tap handling
// need (mainwindow/listcolumns.h names them):
//
//   orders     0 entry only, made when it is read (cOrderItem), rows sorted
//   customers  0 entry  1 customer number (only when sorted by number)
//   fields     0 entry  1 customer number
//   drivers    0 entry  1 delete icon 2 "NAME"  3 number  4 name  5 line number
//
// Column 0 of every row also keeps the record's line number (LINE_ROLE) and,
// for orders, the order number as integer (ORDER_NUMBER_ROLE).
class cListModelBuilder
{
    Q_DECLARE_TR_FUNCTIONS(cListModelBuilder)

public:
    // Pending events (the busy indicator) are processed at most this often.
    static constexpr int YIELD_INTERVAL_MS = 50;

    cListModelBuilder(QStandardItemModel* _pModel, int _s32Screen);
    ~cListModelBuilder();

    // Called during a long build at most every YIELD_INTERVAL_MS.
    void vSetYield(const std::function<void()>& _fnYield) { m_fnYield = _fnYield; }

    // What an orders build leaves besides the rows: the filter keys of the
    // rows, and each row's line in the file, both in the rows' order; the
    // customers of the rows, each number once with the name it had first.
    struct OrderRows {
        std::shared_ptr<const SortFilter::RowKeys> pKeys;
        QVector<int> lineOfRow;
        QVector<OrderCustomer> customers;
    };
    // Sort mode 0 puts the order number first and sorts by it, any other mode
    // puts the customer first and sorts by customer name; the rows go into
    // the model sorted, in one insertion. Every record is split once: the
    // totals, the dates, the sort key and the search text come from that.
    // Resets and fills the totals from every record, and returns the earliest
    // and latest start date (invalid when no record has one).
    OrderRows vBuildOrders(const QStringList& _slLines, int _s32SortMode, cOrderTotals& _totals,
                           QDate& _dateMin, QDate& _dateMax);
    // Index 0 of the customers selector: number first, number in column 1;
    // another index: name first, column 0 only.
    void vBuildCustomers(const QStringList& _slLines, int _s32SelectorIndex);
    void vBuildFields(const QStringList& _slLines);
    void vBuildDrivers(const QStringList& _slLines);

    // The entry texts: translated labels, ": " and the value, one per line
    // (orders: cOrderEntries).
    static QString strCustomerEntry(const CustomerRecord& _record, bool _bNameFirst);
    static QString strFieldEntry(const FieldRecord& _record);
    static QString strDriverEntry(const DriverRecord& _record);

    // Index of the telephone line in a customers entry.
    static constexpr int CUSTOMER_PHONE_LINE = 4;

private:
    // Calls _fnRow(line number, record) for every record line (after the
    // header, empty lines skipped) whose _fnKeep is true, keeping the busy
    // indicator turning on the way.
    template <class Record, class Keep, class Row>
    void vEachRecord(const QStringList& _slLines, Keep _fnKeep, Row _fnRow);
    QStandardItem* pEntryItem(const QString& _strText, int _s32Line) const;
    QStandardItem* pPlainItem(const QString& _strText) const;
    void vYieldIfDue();
    void vStart();

    QStandardItemModel* m_pModel;
    int m_s32Screen;
    // Styled items that every entry is copied from: a copy shares the font
    // and the gradient instead of setting them item by item.
    std::unique_ptr<QStandardItem> m_pEntryPrototype;
    std::unique_ptr<QStandardItem> m_pDeletePrototype;
    std::function<void()> m_fnYield;
    QElapsedTimer m_timerYield;
    quint32 m_u32Records = 0;
};
