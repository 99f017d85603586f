#pragma once

#include "data/listkind.h"

#include <QPointer>
#include <QString>

namespace Ui
{
class cHaupt;
}
class QAbstractItemModel;
class QStandardItemModel;
class QThread;
class QWidget;
class cCustomerSelector;
class cListController;
class cListModels;
class cMainWindowForm;
class cSortFilterModel;

// The list as the main window shows it: builds the model of the list kind
// from the controller's lines, keeps the order dates and the shown orders in
// step with the proxy, follows the sort selectors, the customer selector, the
// search and the dates,
// and shows the busy indicator while a list is built.
class cListDisplay
{
public:
    // The form, model and proxy belong to the window.
    cListDisplay(QWidget* _pWindow, Ui::cHaupt* _pUi, cListController& _list, cMainWindowForm* _pForm,
                 QStandardItemModel* _pModel, cSortFilterModel* _pProxy);
    ~cListDisplay();
    cListDisplay(const cListDisplay&) = delete;
    cListDisplay& operator=(const cListDisplay&) = delete;

    void vSetScreen(int _s32Screen);
    // The columns follow the list's width after a rotation.
    void vFitColumns(int _s32Width);

    void vStartBusy();
    void vStopBusy();

    // Takes the list from the view and empties it, before a file is read.
    void vClear();
    // Builds the model of the controller's list kind and shows it.
    void vBuild();
    // Shows a model made elsewhere (the archive's orders).
    void vShowModel(QAbstractItemModel* _pModel, ListKind _kind);
    // Takes the shown order lines again when the filter changed since.
    void vRefreshShownOrders();
    // Removes the row of a deleted driver (see cListModels::vRemoveRowOfLine).
    void vRemoveRowOfLine(int _s32Line, int _s32Row);

    void vSortChanged(int _s32Index);
    void vCustomerSelectorChanged(int _s32Index);
    // Orders: entry _s32Index of the customer selector was chosen.
    void vCustomerChosen(int _s32Index);
    // The orders list's customer selector, filled by vBuild for a file's
    // orders and by the window for the archive's.
    cCustomerSelector& customerSelector() { return *m_pCustomers; }
    void vSearchChanged(const QString& _strText);
    void vDatesChanged();

private:
    void vShowOrders();
    void vTakeShownOrders();
    void vApplyDates();

    QWidget* m_pWindow;
    Ui::cHaupt* m_pUi;
    cListController& m_list;
    cMainWindowForm* m_pForm;
    cSortFilterModel* m_pProxy;
    cListModels* m_pModels;
    cCustomerSelector* m_pCustomers;
    QPointer<QThread> m_pBusyThread;
};
