#pragma once

#include "data/archiveview.h"
#include "data/listkind.h"
#include "data/liststate.h"
#include "mainwindow/clistexports.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <functional>

namespace Ui
{
class cHaupt;
}
class QComboBox;
class QPushButton;
class QWidget;
class cArchiveOrderModel;

// The archive in the main window: every machine's orders, customers,
// fields and drivers in one list, read-only. A bar under the file line
// chooses the kind, the machine ("Alle Maschinen" or one) and the season
// ("Alle Kampagnen" or one); a button goes back to the file shown before.
// The orders come page by page from the database (cArchiveOrderModel);
// search, dates and sort order are applied there. The other kinds are
// small: their latest lines are shown as a file's would be.
class cArchiveDisplay : public QObject
{
    Q_OBJECT

public:
    // Opens the archive for reading: the database, or an invalid one with
    // the translated reason.
    using Connector = std::function<QSqlDatabase(QString* _pMessage)>;

    cArchiveDisplay(QWidget* _pWindow, Ui::cHaupt* _pUi);
    ~cArchiveDisplay() override;

    void vSetConnector(const Connector& _fnConnect) { m_fnConnect = _fnConnect; }
    void vSetScreen(int _s32Screen);

    bool bActive() const { return m_bActive; }
    // Opens the archive at all machines' orders of every season; false with
    // the translated reason when it cannot be read.
    bool bOpen(QString* _pMessage);
    void vLeave();

    ListKind kind() const { return m_kind; }
    cArchiveOrderModel* model() const { return m_pModel; }
    // "Archiv – WAB123 – 2014/15"
    QString strHeader() const;

    // The filter bar's sort order, search text, dates and customer number
    // (empty: every customer's), applied by the next bShowOrders.
    void vSetFilter(int _s32SortMode, const QString& _strTyped, const QDate& _dateFrom, const QDate& _dateTo,
                    const QString& _strCustomerNumber);
    // The customers of the chosen machine and season, for the customer
    // selector; false with the translated reason.
    bool bCustomers(QVector<OrderCustomer>& _customers, QString* _pMessage);
    // The search of a typed text, as the list searches it: a plain text in
    // the database; a pattern with wildcards on each row's folded text, the
    // database looking first for the texts between the wildcards.
    static void vApplySearch(ArchiveView::Selection& _selection, const QString& _strTyped);
    // Reads the orders of the selection anew from the first; false with the
    // translated reason.
    bool bShowOrders(QString* _pMessage);
    // The earliest and latest start date of the archive's orders.
    void vDateRange(QDate& _dateMin, QDate& _dateMax);
    // The kind's latest lines, header first (customers, fields, drivers).
    bool bLines(QStringList& _slLines, QString* _pMessage);

    // What the order pages read for the order in row _s32Row: the orders
    // read so far (more are read as they step on), the averages of that
    // order's machine and season.
    ListState orderState(int _s32Row);
    // The totals of the shown machines and seasons (the season page's
    // "Summe"; search and dates aside, as a file's "Summe" is the whole file).
    bool bShownTotals(cOrderTotals& _totals, QString* _pMessage);
    // Every shown order in the list's order, with its machine.
    bool bForEachShown(const std::function<bool(const ArchiveView::OrderRow&)>& _fnRow, QString* _pMessage);

    // The shown orders for an export: lines, machines and the latest
    // customers, drivers and fields of the shown machines.
    bool bShownOrders(cListExports::ShownOrders& _orders, QString* _pMessage);

signals:
    // The kind, machine or season was chosen: the window shows the list anew.
    void selectionChanged();
    // "Zur Datei": back to the file shown before.
    void leaveRequested();

private:
    void vBuildBar();
    void vFillSelectors();
    void vSelectorsChanged();
    QString strMessage(const QSqlError& _error) const;
    QString strMachineName(const ArchiveMachine& _machine) const;

    QWidget* m_pWindow;
    Ui::cHaupt* m_pUi;
    Connector m_fnConnect;
    int m_s32Screen = 0;
    bool m_bActive = false;
    QSqlDatabase m_database;
    QString m_strDatabaseName;
    QVector<ArchiveMachine> m_machines;
    QStringList m_slSeasons;
    ListKind m_kind = ListKind::Orders;
    ArchiveView::Selection m_selection;
    cArchiveOrderModel* m_pModel = nullptr;

    QWidget* m_pBar = nullptr;
    QComboBox* m_pKind = nullptr;
    QComboBox* m_pMachine = nullptr;
    QComboBox* m_pSeason = nullptr;
    QPushButton* m_pBack = nullptr;
};
