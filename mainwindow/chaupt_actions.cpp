// What the user's taps do: list entries, selectors, search and date filter,
// the buttons, and the terminal state shown by the main window.
#include "mainwindow/chaupt.h"

#include "app/cyesnodialog.h"
#include "app/navigation.h"
#include "app/pageframe.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/clistexports.h"
#include "mainwindow/clistmodelbuilder.h"
#include "mainwindow/clistmodels.h"
#include "mainwindow/cmainwindowform.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/cterminalactions.h"
#include "mainwindow/listcolumns.h"
#include "terminal/liverequest.h"
#include "ui_chaupt.h"

#include <QDesktopServices>
#include <QUrl>

// ---- taps on the list -----------------------------------------------------------------------

void cHaupt::on_treeView_clicked(QModelIndex index)
{
    if (!index.isValid())
        return;
    switch (m_list.kind()) {
    case ListKind::Orders:
        vOpenOrder(index);
        break;
    case ListKind::Customers:
        vDialCustomer(index);
        break;
    case ListKind::Drivers:
        vDriverTapped(index);
        break;
    default:
        break;
    }
}

void cHaupt::vOpenOrder(const QModelIndex& _index)
{
    // The order number is the record's line number in its file.
    const int s32Number =
        _index.sibling(_index.row(), ListColumns::ENTRY).data(ListColumns::ORDER_NUMBER_ROLE).toInt();
    // The order pages step through the list as it is shown now; taken again
    // only when the search or the dates changed since.
    vRefreshShownOrders();
    const int s32Current = m_list.s32OpenOrder(s32Number, _index.row());
    vPublishListState();
    emit vSendTextToDialog(strCurrentOrderLine(), qMax(0, s32Current), m_list.s32SortMode());
    hide();
    Navigation::vOpen(Navigation::Target::OrderPages, Navigation::Caller::Main);
}

void cHaupt::vDialCustomer(const QModelIndex& _index)
{
    const QString strText = _index.sibling(_index.row(), ListColumns::ENTRY).data().toString();
    const QString strPhoneLine =
        strText.split(QLatin1Char('\n')).value(cListModelBuilder::CUSTOMER_PHONE_LINE);
    const QString strNumber = strPhoneLine.split(QLatin1Char(':')).value(1).mid(1);
    if (!strNumber.trimmed().isEmpty())
        QDesktopServices::openUrl(QUrl(QStringLiteral("tel:") + strNumber));
}

void cHaupt::vDriverTapped(const QModelIndex& _index)
{
    const int s32Line = _index.sibling(_index.row(), ListColumns::DRIVER_LINE).data().toInt();
    if (_index.column() == ListColumns::ENTRY) {
        if (m_list.bHasRecordLine(s32Line))
            vOpenDriverEditor(m_list.strLineAsBuilt(s32Line), s32Line);
    } else if (_index.column() == ListColumns::DRIVER_DELETE) {
        cYesNoDialog dialog(this);
        dialog.vSetTitle(QString());
        dialog.vSetText(tr("Wollen Sie den Eintrag wirklich löschen?"));
        // The row stays the one asked about while the question is open.
        const QPersistentModelIndex row(_index);
        vBeginDriverEdit();
        if (dialog.exec() == 1 && row.isValid())
            vDeleteEntry(s32Line, row.row());
        vEndDriverEdit();
    }
}

// An empty line and no line number: a new driver.
void cHaupt::vOpenDriverEditor(const QString& _strLine, int _s32Line)
{
    hide();
    vBeginDriverEdit();
    cEditDialog* pEditor = cEditDialog::instance();
    if (_s32Line > 0)
        pEditor->vEditDriver(_strLine, _s32Line);
    else
        pEditor->vNewDriver();
    pEditor->showMaximized();
}

// ---- selectors, search and dates ------------------------------------------------------------

void cHaupt::on_comboBox_currentIndexChanged(int _s32CurrentIndex)
{
    m_list.filter().s32SortIndex = _s32CurrentIndex;
    if (m_list.kind() != ListKind::Orders || m_list.bLoading())
        return;
    m_list.vBeginLoading();
    ui->lineEdit->clear();
    m_pModels->vDetach();
    vStartBusy();
    vShowOrders();
    vStopBusy();
    m_list.vEndLoading();
}

void cHaupt::on_comboBox_Kunden_currentIndexChanged(int _s32CurrentIndex)
{
    m_list.filter().s32CustomerIndex = _s32CurrentIndex;
    if (m_list.kind() != ListKind::Customers || m_list.bLoading())
        return;
    m_list.vBeginLoading();
    m_pModels->vDetach();
    vStartBusy();
    m_pModels->vShowCustomers(slLines(), _s32CurrentIndex);
    vStopBusy();
    m_list.vEndLoading();
}

// Drivers and fields have one sort order each; their selectors stay hidden.
void cHaupt::on_comboBox_Fahrer_currentIndexChanged(int) {}

void cHaupt::on_comboBox_Schlag_currentIndexChanged(int) {}

void cHaupt::on_lineEdit_textChanged(QString arg)
{
    m_list.filter().strSearch = arg;
    m_pProxy->vSetSearchPattern(SortFilter::searchPattern(arg));
}

void cHaupt::dateFilterChanged()
{
    m_pForm->vLimitDates();
    m_list.filter().dateFrom = m_pForm->dateFrom();
    m_list.filter().dateTo = m_pForm->dateTo();
    m_pProxy->setFilterDateRange(m_list.filter().dateFrom, m_list.filter().dateTo);
}

// ---- buttons --------------------------------------------------------------------------------

void cHaupt::on_pushButton_Einstellungen_clicked()
{
    if (Navigation::bCanOpen())
        vNavigate(Navigation::Target::Settings, true);
    else
        vChooseListFile();
}

void cHaupt::vChooseListFile()
{
    const QString strPath = m_pForm->strChooseListFile(this, strPfad());
    if (strPath.isEmpty())
        return;
    m_list.vMarkReadRequested();
    strOpenListFile(strPath);
}

void cHaupt::on_pushButton_heruntergeladeneDateien_clicked()
{
    vNavigate(Navigation::Target::DownloadedFiles, true);
}

void cHaupt::on_pushButton_SendFileTo_clicked()
{
    vNavigate(Navigation::Target::WriteEmail, false);
}

void cHaupt::on_pushButton_Send_clicked()
{
    vNavigate(Navigation::Target::SourceDirectory, true);
}

void cHaupt::on_pushButton_Download_clicked()
{
    // The download selection opens small, over the main window.
    vNavigate(Navigation::Target::DownloadSelection, false);
}

void cHaupt::on_pushButton_PlusFahrer_clicked()
{
    vOpenDriverEditor(QString(), 0);
}

void cHaupt::on_pushButton_SaisonData_clicked()
{
    vShowOrderTotalsPage(false);
}

QByteArray cHaupt::baStartLiveMessage(int _s32RefreshIndex)
{
    return LiveRequest::baStart(LiveRequest::u16IntervalForIndex(_s32RefreshIndex));
}

void cHaupt::on_pushButton_Live_clicked()
{
    if (!Navigation::bCanOpen())
        return;
    hide();
    m_pTerminal->vStartLive();
    vNavigate(Navigation::Target::Live, false);
}

// ---- machine switches and connection state --------------------------------------------------

void cHaupt::vSetExpertModus(bool _bOn)
{
    m_pTerminal->vSetExpertModus(_bOn);
}

void cHaupt::vSetLichtschalter(bool _bOn)
{
    m_pTerminal->vSetLichtschalter(_bOn);
}

void cHaupt::on_pushButton_Expertmodus_clicked()
{
    m_pTerminal->vToggleExpertModus();
}

void cHaupt::on_pushButton_Lichtschalter_clicked()
{
    m_pTerminal->vToggleLichtschalter();
}

void cHaupt::vRequestDownloads(const QStringList& _slNames)
{
    m_pTerminal->vRequestDownloads(_slNames);
}

void cHaupt::vSetConnectionState(bool _bConnected, bool _bByUser)
{
    m_pTerminal->vSetConnectionState(_bConnected, _bByUser);
    repaint();
}

// ---- exports --------------------------------------------------------------------------------

void cHaupt::vExportOrdersCsv()
{
    m_pExports->vExportCsv();
}

void cHaupt::vExportOrdersPdf()
{
    m_pExports->vExportPdf();
}

void cHaupt::vExportOrdersIsoXml()
{
    m_pExports->vExportIsoXml();
}
