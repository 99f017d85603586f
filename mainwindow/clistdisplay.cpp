#include "mainwindow/clistdisplay.h"

#include "mainwindow/ccustomerselector.h"
#include "mainwindow/clistentrydelegate.h"
#include "mainwindow/clistmodels.h"
#include "mainwindow/cmainwindowform.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcontroller.h"
#include "terminal/ccopyinfothread.h"
#include "ui_chaupt.h"

#include <QStandardItemModel>
#include <QThread>

cListDisplay::cListDisplay(QWidget* _pWindow, Ui::cHaupt* _pUi, cListController& _list,
                           cMainWindowForm* _pForm, QStandardItemModel* _pModel, cSortFilterModel* _pProxy)
    : m_pWindow(_pWindow), m_pUi(_pUi), m_list(_list), m_pForm(_pForm), m_pProxy(_pProxy)
{
    auto* pDelegate = new cListEntryDelegate(_pUi->treeView);
    _pUi->treeView->setItemDelegate(pDelegate);
    m_pModels = new cListModels(_pUi->treeView, _pModel, _pProxy, pDelegate);
    m_pCustomers = new cCustomerSelector(_pUi->comboBox_Kundenwahl);
}

cListDisplay::~cListDisplay()
{
    delete m_pCustomers;
    delete m_pModels;
}

void cListDisplay::vSetScreen(int _s32Screen)
{
    m_pModels->vSetScreen(_s32Screen);
}

void cListDisplay::vFitColumns(int _s32Width)
{
    m_pModels->vSetColumnWidthsFor(m_list.kind(), _s32Width);
}

void cListDisplay::vStartBusy()
{
    m_pUi->label_loading->show();
    if (!m_pBusyThread)
        m_pBusyThread = cCopyInfoThread::pStart(m_pUi->label_loading, m_pWindow);
}

void cListDisplay::vStopBusy()
{
    cCopyInfoThread::vStop(m_pBusyThread);
    m_pBusyThread = nullptr;
    m_pUi->label_loading->hide();
}

void cListDisplay::vClear()
{
    m_pModels->vDetach();
    vStartBusy();
    m_pModels->vClear();
}

void cListDisplay::vBuild()
{
    const QStringList& slLines = m_list.slLines();
    if (m_list.kind() != ListKind::Orders) {
        // No orders: no customer to choose, none to keep for the next list.
        m_pCustomers->vClear();
        m_list.filter().strCustomerNumber.clear();
    }
    switch (m_list.kind()) {
    case ListKind::Orders:
        vShowOrders();
        break;
    case ListKind::Fields:
        m_pModels->vShowFields(slLines);
        break;
    case ListKind::Drivers:
        m_pModels->vShowDrivers(slLines);
        m_list.vDriversRebuilt();
        break;
    case ListKind::Customers:
        m_pModels->vShowCustomers(slLines, m_list.filter().s32CustomerIndex);
        break;
    default:
        break;
    }
}

void cListDisplay::vShowOrders()
{
    cOrderTotals totals;
    QDate dateMin;
    QDate dateMax;
    QVector<OrderCustomer> customers;
    const QVector<int> ls32LineOfRow = m_pModels->ls32BuildOrders(m_list.slLines(), m_list.s32SortMode(),
                                                                  totals, dateMin, dateMax, customers);
    m_list.vTakeOrderBuild(totals, dateMin, dateMax, ls32LineOfRow);
    m_pForm->vSetOrderDates(m_list.dateMin(), m_list.dateMax());
    vApplyDates();
    // The customer chosen before stays chosen while the list has orders of it.
    m_list.filter().strCustomerNumber =
        m_pCustomers->strFill(std::move(customers), m_list.filter().strCustomerNumber);
    m_pProxy->vSetCustomerNumber(m_list.filter().strCustomerNumber);
    m_pModels->vAttachOrders();
    vTakeShownOrders();
}

void cListDisplay::vTakeShownOrders()
{
    m_list.vTakeShownOrders([this](int _s32Row) { return m_pProxy->bAcceptsSourceRow(_s32Row); },
                            m_pProxy->s32FilterGeneration());
}

void cListDisplay::vShowModel(QAbstractItemModel* _pModel, ListKind _kind)
{
    m_pModels->vShowModel(_pModel, _kind);
}

void cListDisplay::vRefreshShownOrders()
{
    if (m_list.bShownOrdersStale(m_pProxy->s32FilterGeneration()))
        vTakeShownOrders();
}

void cListDisplay::vRemoveRowOfLine(int _s32Line, int _s32Row)
{
    m_pModels->vRemoveRowOfLine(_s32Line, _s32Row);
}

// ---- selectors, search and dates ------------------------------------------------------------

void cListDisplay::vSortChanged(int _s32Index)
{
    m_list.filter().s32SortIndex = _s32Index;
    if (m_list.kind() != ListKind::Orders || m_list.bLoading())
        return;
    m_list.vBeginLoading();
    m_pUi->lineEdit->clear();
    m_pModels->vDetach();
    vStartBusy();
    vShowOrders();
    vStopBusy();
    m_list.vEndLoading();
}

void cListDisplay::vCustomerSelectorChanged(int _s32Index)
{
    m_list.filter().s32CustomerIndex = _s32Index;
    if (m_list.kind() != ListKind::Customers || m_list.bLoading())
        return;
    m_list.vBeginLoading();
    m_pModels->vDetach();
    vStartBusy();
    m_pModels->vShowCustomers(m_list.slLines(), _s32Index);
    vStopBusy();
    m_list.vEndLoading();
}

void cListDisplay::vCustomerChosen(int _s32Index)
{
    m_list.filter().strCustomerNumber = m_pCustomers->strNumberAt(_s32Index);
    m_pProxy->vSetCustomerNumber(m_list.filter().strCustomerNumber);
}

void cListDisplay::vSearchChanged(const QString& _strText)
{
    m_list.filter().strSearch = _strText;
    m_pProxy->vSetSearchPattern(SortFilter::searchPattern(_strText));
}

void cListDisplay::vDatesChanged()
{
    m_pForm->vLimitDates();
    vApplyDates();
}

void cListDisplay::vApplyDates()
{
    m_list.filter().dateFrom = m_pForm->dateFrom();
    m_list.filter().dateTo = m_pForm->dateTo();
    m_pProxy->setFilterDateRange(m_list.filter().dateFrom, m_list.filter().dateTo);
}
