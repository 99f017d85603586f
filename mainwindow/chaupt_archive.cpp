// The archive in the main window's list.
#include "mainwindow/chaupt.h"

#include "app/messages.h"
#include "mainwindow/carchiveordermodel.h"
#include "mainwindow/ccustomerselector.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"
#include "ui_chaupt.h"

void cHaupt::vShowArchive()
{
    // A list being built or a driver being edited finishes first.
    if (m_list.bLoading() || m_list.bEditPending())
        return;
    QString strMessage;
    if (!m_pArchive->bOpen(&strMessage)) {
        Messages::vShow(this, strMessage);
        return;
    }
    // The archive starts without a search; so does the file's list behind it.
    {
        const QSignalBlocker blockSearch(ui->lineEdit);
        ui->lineEdit->clear();
    }
    m_pDisplay->vSearchChanged(QString());
    vShowArchiveList();
}

void cHaupt::vLeaveArchive()
{
    m_pArchive->vLeave();
    ui->treeView->setColumnHidden(ListColumns::DRIVER_DELETE, false);
    if (!m_list.strPfad().isEmpty()) {
        strOpenListFile(m_list.strPfad());
        return;
    }
    // No file was shown before: an empty list, as at the start.
    m_pDisplay->vClear();
    m_pDisplay->vStopBusy();
    m_list.vForget();
    ui->label_WhichFile->clear();
    m_pForm->vHideFilterBar();
    vPublishListState();
}

void cHaupt::vShowArchiveList()
{
    m_list.vBeginLoading();
    m_pDisplay->vClear();
    emit orderPagesReset();
    const ListKind kind = m_pArchive->kind();
    QString strMessage;
    if (kind == ListKind::Orders) {
        m_list.vShowArchive(kind, {QString()}, m_pArchive->strHeader());
        QDate dateMin;
        QDate dateMax;
        m_pArchive->vDateRange(dateMin, dateMax);
        m_pForm->vSetOrderDates(dateMin, dateMax);
        // The customers of this machine and season; the one chosen before
        // stays chosen while it has orders here.
        QVector<OrderCustomer> customers;
        if (!m_pArchive->bCustomers(customers, &strMessage))
            Messages::vShow(this, strMessage);
        m_list.filter().strCustomerNumber =
            m_pDisplay->customerSelector().strFill(customers, m_list.filter().strCustomerNumber);
        vShowArchiveOrders();
    } else {
        QStringList slLines;
        if (!m_pArchive->bLines(slLines, &strMessage))
            slLines = QStringList{QString()};
        m_list.vShowArchive(kind, slLines, m_pArchive->strHeader());
        m_pDisplay->vBuild();
        // The archive is read-only: no driver can be deleted from it.
        ui->treeView->setColumnHidden(ListColumns::DRIVER_DELETE, kind == ListKind::Drivers);
    }
    vShowFileLine();
    m_pForm->vShowFilterBarOfKind(kind, true);
    ui->pushButton_PlusFahrer->hide();
    m_pDisplay->vStopBusy();
    m_list.vEndLoading();
    vPublishListState();
    if (!strMessage.isEmpty())
        Messages::vShow(this, strMessage);
}

void cHaupt::vShowArchiveOrders()
{
    m_pArchive->vSetFilter(m_list.filter().s32SortIndex, m_list.filter().strSearch, m_pForm->dateFrom(),
                           m_pForm->dateTo(), m_list.filter().strCustomerNumber);
    QString strMessage;
    if (!m_pArchive->bShowOrders(&strMessage))
        Messages::vShow(this, strMessage);
    m_pDisplay->vShowModel(m_pArchive->model(), ListKind::Orders);
}

void cHaupt::on_comboBox_currentIndexChanged(int _s32CurrentIndex)
{
    if (!m_pArchive->bActive()) {
        m_pDisplay->vSortChanged(_s32CurrentIndex);
        return;
    }
    m_list.filter().s32SortIndex = _s32CurrentIndex;
    if (m_pArchive->kind() == ListKind::Orders)
        vShowArchiveOrders();
}

void cHaupt::on_comboBox_Kundenwahl_currentIndexChanged(int _s32Index)
{
    if (m_pArchive->bActive() && m_pArchive->kind() == ListKind::Orders) {
        m_list.filter().strCustomerNumber = m_pDisplay->customerSelector().strNumberAt(_s32Index);
        vShowArchiveOrders();
    } else {
        m_pDisplay->vCustomerChosen(_s32Index);
    }
    vShowFileLine();
}

void cHaupt::vShowFileLine()
{
    QString strLine = m_pArchive->bActive() ? m_pArchive->strHeader() : m_list.strWhichTypeOfList();
    const QString strCustomer = m_pDisplay->customerSelector().strFileLinePart();
    if (m_list.kind() == ListKind::Orders && !strCustomer.isEmpty())
        strLine += QStringLiteral(" – ") + strCustomer;
    ui->label_WhichFile->setText(strLine);
}

void cHaupt::on_lineEdit_textChanged(QString arg)
{
    if (!m_pArchive->bActive() || m_pArchive->kind() != ListKind::Orders) {
        m_pDisplay->vSearchChanged(arg);
        return;
    }
    m_list.filter().strSearch = arg;
    vShowArchiveOrders();
}

void cHaupt::dateFilterChanged()
{
    if (!m_pArchive->bActive() || m_pArchive->kind() != ListKind::Orders) {
        m_pDisplay->vDatesChanged();
        return;
    }
    m_pForm->vLimitDates();
    vShowArchiveOrders();
}

void cHaupt::vPublishArchiveOrder(int _s32Row)
{
    // Before the first or after the last: the pages stay at their order.
    if (_s32Row < 0 || !m_pArchive->model()->bEnsureRow(_s32Row))
        return;
    ListState state = m_pArchive->orderState(_s32Row);
    // The pages step by number through the lines after the header line.
    const int s32First = m_list.s32SortMode() == 0 ? 1 : 0;
    state.fnPrepareOrder = [this, s32First](int _s32Index) { vPublishArchiveOrder(_s32Index - s32First); };
    emit listStateChanged(state);
}

void cHaupt::vOpenArchiveOrder(int _s32Row)
{
    vPublishArchiveOrder(_s32Row);
    const cArchiveOrderModel* pModel = m_pArchive->model();
    if (_s32Row < 0 || _s32Row >= pModel->rowCount())
        return;
    // The order pages step through the shown list: by number after its
    // header line, otherwise by place.
    const int s32Mode = m_list.s32SortMode();
    emit vSendTextToDialog(pModel->row(_s32Row).strLine, s32Mode == 0 ? _s32Row + 1 : _s32Row, s32Mode);
    hide();
    Navigation::vOpen(Navigation::Target::OrderPages, Navigation::Caller::Main);
}
