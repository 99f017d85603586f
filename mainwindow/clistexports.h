#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

#include <functional>

class QPushButton;
class QWidget;
class cListController;
namespace OrderExport
{
struct Table;
}
namespace OrdersReport
{
struct Filter;
}
struct BillRates;
struct Letterhead;

// Exports of the orders the main window's list shows, after search and
// dates, in their shown order: a table for office software (CSV), a report
// (PDF) and ISO 11783-10 task data for farm management software, each
// written to the reports folder and offered to the user. Its button sits in
// the main window's filter bar, beside the dates.
class cListExports : public QObject
{
    Q_OBJECT

public:
    // _fnRefreshShown takes the shown order lines again when the filter
    // changed since they were taken.
    cListExports(QWidget* _pWindow, const cListController& _list,
                 const std::function<void()>& _fnRefreshShown);

    // Orders the list shows from elsewhere than its file (the archive): their
    // lines in the shown order, each one's machine, and the customers,
    // drivers and fields that name them (lines with a header first).
    struct ShownOrders {
        QStringList slLines;
        QStringList slMachines;
        QStringList slCustomerLines;
        QStringList slDriverLines;
        QStringList slFieldLines;
    };
    // Fills _orders and returns true while the list shows such orders;
    // false leaves the export to the file's orders. _pMessage: why they
    // could not be read (then nothing is exported).
    using ShownSource = std::function<bool(ShownOrders& _orders, QString* _pMessage)>;
    void vSetShownSource(const ShownSource& _fnSource) { m_fnShownSource = _fnSource; }

    // Opens the archive in use, where the contractor's rates and letterhead
    // are kept: the database, or an invalid one with the translated reason.
    // Without it the bills use no rates.
    using Connector = std::function<QSqlDatabase(QString* _pMessage)>;
    void vSetBillArchiveConnector(const Connector& _fnConnect) { m_fnBillArchive = _fnConnect; }

    // The export button (a child of the window; hidden until orders are shown).
    QPushButton* pButton() const { return m_pButton; }
    void vSetScreen(int _s32Screen);

    void vExportCsv();
    void vExportPdf();
    void vExportIsoXml();
    // The bill basis of the chosen customer, or one per customer of the
    // shown orders, and the drivers' hours of the shown orders.
    void vExportBillPdf();
    void vExportBillCsv();
    void vExportDriverHoursPdf();
    void vExportDriverHoursCsv();

private:
    void vShowChoices();
    OrdersReport::Filter filter() const;
    bool bTakeShownOrderLines();
    bool bTakeShownOrders(OrderExport::Table& _table);
    void vExportBill(bool _bPdf);
    void vExportDriverHours(bool _bPdf);
    QStringList slCustomerLines();
    bool bReadBillSettings(BillRates& _rates, Letterhead& _letterhead);

    QWidget* m_pWindow;
    const cListController& m_list;
    std::function<void()> m_fnRefreshShown;
    ShownSource m_fnShownSource;
    Connector m_fnBillArchive;
    ShownOrders m_shown; // taken by bTakeShownOrderLines
    QPushButton* m_pButton = nullptr;
    int m_s32Screen = 0;
};
