#pragma once

#include "app/navigation.h"
#include "mainwindow/carchivedisplay.h"
#include "mainwindow/cdriveredits.h"
#include "mainwindow/clistdisplay.h"
#include "mainwindow/clistentrytaps.h"
#include "mainwindow/clistexports.h"
#include "mainwindow/cmainwindowform.h"
#include "mainwindow/cterminalactions.h"
#include "mainwindow/listcontroller.h"

#include <QKeyEvent>
#include <QModelIndex>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace Ui
{
class cHaupt;
}
class QScreen;
class QStandardItemModel;
class QTimer;
class cSortFilterModel;

// The main window and home page: a full-screen list browser for one list
// file at a time (orders, customers, fields or drivers), with the filter bar
// above the list and the terminal actions below it. It keeps the lines of the
// file opened last and the order totals, which the order pages read.
//
// The window shows and forwards; the work is done by the parts it holds:
//   cListController  the lines, path and kind, the filter, driver edits, when
//                    a file may be opened (widget-free)
//   cListDisplay     the list's model, proxy and view, selectors and busy indicator
//   cListEntryTaps   what a tap on an entry does
//   cDriverEdits     the line edits of the drivers list, written at once
//   cListExports     the exports of the shown orders
//   cTerminalActions terminal buttons, switches, connection state, when to search
//   cMainWindowForm  sizes, start screen, filter bar and date fields of the form
class cHaupt : public QWidget
{
    Q_OBJECT

public:
    static cHaupt* instance();
    // Use instance(): there is one main window per run.
    cHaupt();
    ~cHaupt() override;

    // ---- files and lines ------------------------------------------------------------------

    // Opens a list or statistics file and shows it; returns "good job", or
    // the reason when the file cannot be opened. A file asked for while
    // another one is built or a driver is edited is opened after that
    // ("good job" then, too).
    QString strOpenListFile(const QString& _strPath);
    // The download delivered a file ("nofile" in the name: there was none).
    void vFileReceived(const QString& _strPath, const QString& _strName);
    // The settings page asks for a file to be shown (shortly after, once the
    // settings page has gone).
    void vRequestReadFile(const QString& _strPath);
    // The season page hands the screen back to the list.
    void vBackToList();

    // Line edits of the drivers list. Each writes the file at once; when that
    // fails the user is told, the old file stays on disk and the edit stays in
    // memory. _s32Line is the line number as the list was built.
    void vDeleteEntry(int _s32Line, int _s32Row) { m_pDrivers->vDelete(_s32Line, _s32Row); }
    void vReplaceEntry(const QString& _strLine, int _s32Line) { m_pDrivers->vReplace(_strLine, _s32Line); }
    void vAddDriver(const QString& _strLine) { m_pDrivers->vAdd(_strLine); }
    // A driver of this list is in the editor or asked about: a file that
    // arrives meanwhile is opened only when the edit has ended, so that the
    // edit goes to the line and file it was made for. Replace and add end the
    // edit themselves; the editor ends it when left without saving.
    void vBeginDriverEdit() { m_pDrivers->vBegin(); }
    void vEndDriverEdit() { m_pDrivers->vEnd(); }

    // All lines of the file opened last, header as line 0.
    const QStringList& slLines() const { return m_list.slLines(); }
    // The order lines in the order the list shows them (orders only).
    const QStringList& slSortedOrderLines() const { return m_list.slSortedOrderLines(); }
    const cOrderTotals& orderTotals() const { return m_list.orderTotals(); }
    int s32Screen() const { return m_s32Screen; }
    QString strWhichTypeOfList() const { return m_list.strWhichTypeOfList(); }
    // The file the list was read from, and its edits are written to.
    QString strPfad() const { return m_list.strPfad(); }
    // The raw line of the order opened last (empty when it had no line).
    QString strCurrentOrderLine() const { return m_list.strCurrentOrderLine(); }
    ListKind kind() const { return m_list.kind(); }
    // What the statistics pages read of the list; handed over with
    // listStateChanged whenever it changes.
    ListState listState() const { return m_list.listState(); }
    bool bExpertModus() const { return m_pTerminal->bExpertModus(); }
    bool bLichtschalter() const { return m_pTerminal->bLichtschalter(); }
    // True from the start of the periodic terminal search until finished()
    // stops it; lets tests see whether the search still runs.
    bool bPeriodicSearchRunning() const { return m_pTerminal->bPeriodicSearchRunning(); }

    // The list kinds of a file name.
    static bool bIsOrderList(const QString& _strFileName) { return ListNames::bIsOrderList(_strFileName); }
    static bool bIsFieldList(const QString& _strFileName) { return ListNames::bIsFieldList(_strFileName); }
    static bool bIsDriverList(const QString& _strFileName) { return ListNames::bIsDriverList(_strFileName); }
    static bool bIsCustomerList(const QString& _strFileName)
    {
        return ListNames::bIsCustomerList(_strFileName);
    }
    static bool bIsSeasonList(const QString& _strFileName) { return ListNames::bIsSeasonList(_strFileName); }
    static bool bIsMachineList(const QString& _strFileName)
    {
        return ListNames::bIsMachineList(_strFileName);
    }

    // ---- hooks set by the application -------------------------------------------------------

    // Frames and sends a message to the terminal; without it messages are
    // dropped and the terminal buttons stay hidden.
    void vSetMessageSender(const std::function<void(const QByteArray&)>& _fnSend)
    {
        m_pTerminal->vSetMessageSender(_fnSend);
    }
    // Whether the link's quiet search runs (periodicSearchRequested(), finished()).
    void vSetPeriodicSearchProbe(const std::function<bool()>& _fnRunning)
    {
        m_pTerminal->vSetPeriodicSearchProbe(_fnRunning);
    }
    // Opens the archive for the list browser (default: the local archive).
    // The bill exports read the rates from the archive in use.
    void vSetBillArchiveConnector(const cListExports::Connector& _fnConnect)
    {
        m_pExports->vSetBillArchiveConnector(_fnConnect);
    }
    void vSetArchiveConnector(const cArchiveDisplay::Connector& _fnConnect)
    {
        m_pArchive->vSetConnector(_fnConnect);
    }
    // The list shows the archive.
    bool bArchiveShown() const { return m_pArchive->bActive(); }
    cArchiveDisplay* archiveDisplay() const { return m_pArchive; }

    // The index of the settings page's refresh selector for the live view.
    void vSetRefreshIndexSource(const std::function<int()>& _fnRefreshIndex)
    {
        m_pTerminal->vSetRefreshIndexSource(_fnRefreshIndex);
    }

    // The message that starts the live view: "StartLIVE" and the refresh
    // interval (500, 1000, 2000, 3000, 4000, 5000 ms for indexes 0 to 5, else
    // 0) as unsigned 16-bit little-endian.
    static QByteArray baStartLiveMessage(int _s32RefreshIndex);

public slots:
    void on_pushButton_Expertmodus_clicked() { m_pTerminal->vToggleExpertModus(); }
    void on_pushButton_Lichtschalter_clicked() { m_pTerminal->vToggleLichtschalter(); }
    void vSetConnectionState(bool _bConnected, bool _bByUser);
    // Shows the archive instead of a file: every machine's orders, then as
    // chosen in its bar; "Zur Datei" goes back to the file shown before.
    void vShowArchive();
    void vLeaveArchive();
    void vSetExpertModus(bool _bOn) { m_pTerminal->vSetExpertModus(_bOn); }
    void vSetLichtschalter(bool _bOn) { m_pTerminal->vSetLichtschalter(_bOn); }
    void vRequestDownloads(const QStringList& _slNames) { m_pTerminal->vRequestDownloads(_slNames); }
    // Lets the user pick a list file on disk (Ctrl+O; the settings button
    // while no navigation hook is set).
    void vChooseListFile();
    // The orders the list shows, after search and dates, in their shown
    // order, as a CSV table or a PDF report in the reports folder.
    void vExportOrdersCsv() { m_pExports->vExportCsv(); }
    void vExportOrdersPdf() { m_pExports->vExportPdf(); }
    // The same orders as ISO 11783-10 task data (a folder with
    // TASKDATA/TASKDATA.XML) for farm management software.
    void vExportOrdersIsoXml() { m_pExports->vExportIsoXml(); }
    // The bill basis of the chosen customer (or of each customer shown) and
    // the drivers' hours of the shown orders.
    void vExportBillPdf() { m_pExports->vExportBillPdf(); }
    void vExportBillCsv() { m_pExports->vExportBillCsv(); }
    void vExportDriverHoursCsv() { m_pExports->vExportDriverHoursCsv(); }

signals:
    // The order opened last, for the order pages (the time split page keeps it).
    void vSendTextToDialog(QString _strText, int _s32CurrentAuftrag, int _s32CurrentComboBox);
    // The lines, sorted order lines, totals, current order or file name changed.
    void listStateChanged(const ListState& _state);
    // The order pages drop what they show of an order (a new list, back to the list).
    void orderPagesReset();
    // A season or machine statistics file was opened: the season page shows it.
    void statisticsFileOpened(const QString& _strPath, const QString& _strFileName,
                              const QString& _strViewName);
    // The season page shows the totals of the orders list ("Summe").
    void orderTotalsRequested(const QString& _strFileName, bool _bMaximized);
    // The switch icons shown, for the season page's buttons.
    void expertModeIconChanged(const QString& _strIcon);
    void lightSwitchIconChanged(const QString& _strIcon);
    // The connection was lost without the user's doing: the terminal link
    // searches quietly for the terminal until finished().
    void periodicSearchRequested();
    // Stops the periodic terminal search.
    void finished();
    void finishedBeetThread();

private slots:
    void on_treeView_clicked(QModelIndex index) { m_pTaps->vTap(index); }
    void on_comboBox_currentIndexChanged(int _s32CurrentIndex);
    void on_lineEdit_textChanged(QString arg);
    void on_pushButton_Einstellungen_clicked();
    void onRotate(Qt::ScreenOrientation) { m_pDisplay->vFitColumns(m_pForm->s32FitList(this)); }
    void dateFilterChanged();
    void on_pushButton_SendFileTo_clicked() { vNavigate(Navigation::Target::WriteEmail, false); }
    void on_pushButton_Live_clicked();
    // The download selection opens small, over the main window.
    void on_pushButton_Download_clicked() { vNavigate(Navigation::Target::DownloadSelection, false); }
    void on_pushButton_Send_clicked() { vNavigate(Navigation::Target::SourceDirectory, true); }
    // Drivers and fields have one sort order each; their selectors stay hidden.
    void on_comboBox_Fahrer_currentIndexChanged(int) {}
    void on_comboBox_Kunden_currentIndexChanged(int _s32CurrentIndex)
    {
        m_pDisplay->vCustomerSelectorChanged(_s32CurrentIndex);
    }
    void on_comboBox_Schlag_currentIndexChanged(int) {}
    // Orders of one customer, or of all; the file line names the customer.
    void on_comboBox_Kundenwahl_currentIndexChanged(int _s32Index);
    void on_pushButton_PlusFahrer_clicked() { m_pTaps->vOpenDriverEditor(QString(), 0); }
    void on_pushButton_SaisonData_clicked() { vShowOrderTotalsPage(false); }
    void on_pushButton_Hide_Show_clicked() { m_pForm->vToggleFilterBar(m_list.kind(), m_list.bFileRead()); }
    void on_pushButton_heruntergeladeneDateien_clicked()
    {
        vNavigate(Navigation::Target::DownloadedFiles, true);
    }
    void vHideAndShow();
    void vReadFileFromSettings();

protected:
    // The home page has nowhere to go back to; the other pages handle the key.
    void keyReleaseEvent(QKeyEvent* _pEvent) override { _pEvent->ignore(); }

private:
    void vApplySizes();
    void vNavigate(Navigation::Target _target, bool _bHideFirst);
    void vPublishListState() { emit listStateChanged(listState()); }
    void vOpenOrder(const QModelIndex& _index);
    void vOpenPendingFile();
    void vShowOrderTotalsPage(bool _bMaximized);
    void vShowArchiveList();
    // The file line: the file's name or the archive's selection, and the
    // customer chosen.
    void vShowFileLine();
    void vShowArchiveOrders();
    void vOpenArchiveOrder(int _s32Row);
    void vPublishArchiveOrder(int _s32Row);

    Ui::cHaupt* ui;
    QScreen* m_pScreen = nullptr;
    int m_s32Screen = 0;

    cListController m_list;
    QStandardItemModel* m_pModel = nullptr;
    cSortFilterModel* m_pProxy = nullptr;
    cMainWindowForm* m_pForm = nullptr;
    cListDisplay* m_pDisplay = nullptr;
    cListEntryTaps* m_pTaps = nullptr;
    cDriverEdits* m_pDrivers = nullptr;
    cListExports* m_pExports = nullptr;
    cArchiveDisplay* m_pArchive = nullptr;
    cTerminalActions* m_pTerminal = nullptr;
    QTimer* m_pStartScreenTimer = nullptr;
};
