#pragma once

#include <QObject>

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

    // The export button (a child of the window; hidden until orders are shown).
    QPushButton* pButton() const { return m_pButton; }
    void vSetScreen(int _s32Screen);

    void vExportCsv();
    void vExportPdf();
    void vExportIsoXml();

private:
    void vShowChoices();
    OrdersReport::Filter filter() const;
    bool bTakeShownOrderLines();
    bool bTakeShownOrders(OrderExport::Table& _table);

    QWidget* m_pWindow;
    const cListController& m_list;
    std::function<void()> m_fnRefreshShown;
    QPushButton* m_pButton = nullptr;
    int m_s32Screen = 0;
};
