#pragma once

#include "data/listfile.h"
#include "data/listkind.h"
#include "data/liststate.h"
#include "data/ordertotals.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// What the filter bar above the list is set to.
struct ListFilter {
    int s32SortIndex = 0;     // orders: 0 by order number, any other by customer
    int s32CustomerIndex = 0; // customers: 0 by number, any other by name
    QString strSearch;        // the search text as typed
    QDate dateFrom;           // orders: the start dates shown
    QDate dateTo;
    QString strCustomerNumber; // orders: one customer's, empty for "Alle Kunden"
};

// The list browser without its widgets: the lines of the file opened last,
// its path, name and kind, the order lines as the list shows them, the
// order totals, the filter, the line edits of the drivers list and when a
// file may be opened. The main window shows what it holds.
class cListController
{
    Q_DECLARE_TR_FUNCTIONS(cListController)

public:
    // The file of the last run, as the settings name it.
    cListController();

    // ---- the list shown -------------------------------------------------------------------------

    // All lines of the file opened last, header as line 0.
    const QStringList& slLines() const { return m_content.slLines; }
    // The order lines in the order the list shows them (orders only).
    const QStringList& slSortedOrderLines() const { return m_slSortedOrderLines; }
    const cOrderTotals& orderTotals() const { return m_orderTotals; }
    QString strWhichTypeOfList() const { return m_strWhichTypeOfList; }
    QString strPfad() const { return m_strPfad; }
    QString strCurrentOrderLine() const { return m_strCurrentOrderLine; }
    ListKind kind() const { return m_kind; }
    // A file was read: the file line names it, whatever its kind.
    bool bFileRead() const { return m_bFileRead; }
    // The list comes from the archive: read-only, no file behind it.
    bool bArchive() const { return m_bArchive; }
    ListState listState() const;

    ListFilter& filter() { return m_filter; }
    const ListFilter& filter() const { return m_filter; }
    // 0 or 1, as the orders are sorted.
    int s32SortMode() const { return m_filter.s32SortIndex == 0 ? 0 : 1; }
    // The earliest and latest start date of the orders (invalid: none has one).
    QDate dateMin() const { return m_dateMin; }
    QDate dateMax() const { return m_dateMax; }

    // ---- opening files --------------------------------------------------------------------------

    // Shows lines of the archive under _strName (orders: the header only,
    // the rows come from the archive's model). Nothing can be edited or
    // written; the file shown before stays the one of the next run.
    void vShowArchive(ListKind _kind, const QStringList& _slLines, const QString& _strName);
    // Shows nothing: no file, no archive.
    void vForget();

    // What opening returns when the file was read, or will be read later.
    static QString strOpened();

    // A file asked for while another list is built, or while a driver of
    // this one is in the editor, waits until that has ended, so that the
    // edit goes to the line and file it was made for: true when it waits.
    bool bDefer(const QString& _strPath);
    void vBeginLoading() { m_bLoading = true; }
    // Forgets the file shown before: no figure of it may outlive it.
    void vClear();
    // Reads the file; on success it becomes the list shown and is stored in
    // the settings as the file of the next run. Returns strOpened(), or the
    // reason when the file cannot be opened (then nothing can be edited).
    QString strRead(const QString& _strPath);
    void vEndLoading() { m_bLoading = false; }
    bool bLoading() const { return m_bLoading; }
    // The file that waited (empty: none); it waits no more.
    QString strTakePendingPath();

    // A driver is in the editor or asked about; replace and add end the
    // edit themselves, the editor ends it when left without saving.
    void vBeginDriverEdit() { m_bEditPending = true; }
    void vEndDriverEdit() { m_bEditPending = false; }
    bool bEditPending() const { return m_bEditPending; }

    // The download delivered a file under this name: while another list is
    // built or edited the file waits, and so does its name.
    void vTakeReceivedName(const QString& _strName);

    // Another file than the last run's was asked for (settings page, file
    // chooser): the last run's is not opened at the start any more.
    void vMarkReadRequested() { m_bReadRequested = true; }
    // The settings page asks for a file; false when it named none, and the
    // list shown stays as it is.
    bool bRequestRead(const QString& _strPath);
    QString strRequestedPath() const { return m_strRequestedPath; }
    // The file of the last run is opened when the start screen ends.
    bool bOpenLastAtStart() const;

    // ---- orders ---------------------------------------------------------------------------------

    // What an orders build yields: the totals, the start date range and each
    // model row's line in the file.
    void vTakeOrderBuild(const cOrderTotals& _totals, const QDate& _dateMin, const QDate& _dateMax,
                         const QVector<int>& _ls32LineOfRow);
    // The order lines shown are taken again when the filter changed since
    // (_s32Generation counts the filter's changes).
    bool bShownOrdersStale(int _s32Generation) const { return _s32Generation != m_s32ShownGeneration; }
    // Takes the order lines of the rows that _fnShown accepts, in the rows' order.
    void vTakeShownOrders(const std::function<bool(int)>& _fnShown, int _s32Generation);
    // An order was opened by its number (its line in the file) from row
    // _s32Row: it becomes the current order. Returns where the order pages
    // step from (sort mode 0: the number; else its place in the shown lines),
    // or -1 when the number is no record line.
    int s32OpenOrder(int _s32Number, int _s32Row);

    // ---- line edits of the drivers list ---------------------------------------------------------

    // _s32LineAsBuilt is the line number as the list was built; lines deleted
    // since moved the later ones up.
    int s32CurrentLineOf(int _s32LineAsBuilt) const;
    // True when the line is a record line of the file now.
    bool bHasRecordLine(int _s32LineAsBuilt) const;
    QString strLineAsBuilt(int _s32LineAsBuilt) const;
    // Each edit returns false when it does not apply (no drivers list, a line
    // that is gone); the file is written by bWrite.
    bool bDeleteLine(int _s32LineAsBuilt);
    bool bReplaceLine(const QString& _strLine, int _s32LineAsBuilt);
    bool bAddDriver(const QString& _strLine);
    // The drivers list was built again: its lines are numbered anew.
    void vDriversRebuilt() { m_lDeletedLines.clear(); }
    // Writes the lines back to the file; false with the reason in _pError.
    bool bWrite(QString* _pError) const;

private:
    ListFileContent m_content;
    QString m_strPfad;
    QString m_strWhichTypeOfList;
    ListKind m_kind = ListKind::None;
    bool m_bFileRead = false;
    bool m_bArchive = false;

    QStringList m_slSortedOrderLines;
    QVector<int> m_ls32SortedOrderLineNumbers; // the file's line of each sorted order line
    int m_s32ShownGeneration = -1;             // the filter they were taken with
    QVector<int> m_ls32LineOfRow;              // orders: the file's line of each model row
    QString m_strCurrentOrderLine;
    cOrderTotals m_orderTotals;
    QDate m_dateMin;
    QDate m_dateMax;
    ListFilter m_filter;
    QList<int> m_lDeletedLines;

    bool m_bLoading = false;
    bool m_bEditPending = false;
    bool m_bReadRequested = false;
    QString m_strPendingPath;   // a file asked for while another one was loading or edited
    QString m_strRequestedPath; // the file the settings page asked for
};
