// Opening list files, building the list models and the line edits of the
// drivers list.
#include "mainwindow/chaupt.h"

#include "app/settingsstore.h"
#include "mainwindow/clistmodelbuilder.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"
#include "terminal/ccopyinfothread.h"
#include "terminal/logging.h"
#include "ui_chaupt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QThread>
#include <QTimer>

namespace
{

// Keeps the busy indicator turning while a long list is built; user input
// waits until the list is there.
void vProcessPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Ends the edit of a driver when the edit has been applied (or refused).
class EditEnd
{
public:
    explicit EditEnd(cHaupt* _pHaupt) : m_pHaupt(_pHaupt) {}
    ~EditEnd() { m_pHaupt->vEndDriverEdit(); }
    EditEnd(const EditEnd&) = delete;
    EditEnd& operator=(const EditEnd&) = delete;

private:
    cHaupt* m_pHaupt;
};

void vSetViewModel(QTreeView* _pView, QAbstractItemModel* _pModel)
{
    // The view makes a new selection model for every model it is given, and
    // so does its header, which then takes the view's in place of its own.
    // Qt deletes neither: each would stay, connected to its model, one more
    // for every list opened.
    QItemSelectionModel* pOld = _pView->selectionModel();
    _pView->setModel(_pModel);
    if (pOld && pOld != _pView->selectionModel())
        delete pOld;
    QHeaderView* pHeader = _pView->header();
    for (QItemSelectionModel* pOwn :
         pHeader->findChildren<QItemSelectionModel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (pOwn != pHeader->selectionModel())
            delete pOwn;
    }
}

} // namespace

// ---- busy indicator -------------------------------------------------------------------------

void cHaupt::vStartBusy()
{
    ui->label_loading->show();
    if (!m_pBusyThread)
        m_pBusyThread = cCopyInfoThread::pStart(ui->label_loading, this);
}

void cHaupt::vStopBusy()
{
    cCopyInfoThread::vStop(m_pBusyThread);
    m_pBusyThread = nullptr;
    if (ui)
        ui->label_loading->hide();
}

void cHaupt::vDetachList()
{
    vSetViewModel(ui->treeView, nullptr);
}

// ---- opening files --------------------------------------------------------------------------

QString cHaupt::strOpenListFile(const QString& _strPath)
{
    const QString strResult = QStringLiteral("good job");
    if (m_bLoading || m_bEditPending) {
        // Asked for while another list is being built, or while a driver of
        // this one is in the editor: opened right after that, so that the
        // edit is written to the file it was made in.
        m_strPendingPath = _strPath;
        return strResult;
    }
    m_bLoading = true;
    QElapsedTimer timer;
    timer.start();

    vDetachList();
    vStartBusy();
    m_pProxy->setSourceModel(nullptr);
    m_pModel->clear();
    m_content = ListFileContent();
    m_slSortedOrderLines.clear();
    m_ls32SortedOrderLineNumbers.clear();
    m_ls32LineOfRow.clear();
    m_pOrderKeys.reset();
    m_lDeletedLines.clear();
    // No figure of the file shown before may outlive it.
    m_orderTotals.vReset();
    m_strCurrentOrderLine.clear();
    ui->pushButton_Hide_Show->show();
    ui->pushButton_Vemo_Icon->show();
    vResetOrderPages();

    ListFileContent content;
    const bool bRead = ListFile::bRead(_strPath, content);
    const qint64 s64ReadMs = timer.elapsed();
    if (bRead) {
        m_content = content;
        const QString strName = _strPath.mid(_strPath.lastIndexOf(QLatin1Char('/')) + 1);
        ui->label_WhichFile->setText(strName);
        m_strWhichTypeOfList = strName;
        m_strPfad = _strPath;
        SettingsStore::LIST_PATH.vSet(m_strPfad);
        SettingsStore::LIST_TYPE.vSet(m_strWhichTypeOfList);
        m_kind = ListNames::kindOfFile(strName);
    } else {
        // Nothing of another file may be edited or written under this one.
        m_kind = ListKind::None;
    }

    vBuildModel();
    VEMO_DEBUG(lcLists) << content.slLines.size() << "lines read in" << s64ReadMs << "ms, list built in"
                        << timer.elapsed() - s64ReadMs << "ms," << m_pProxy->rowCount() << "rows shown";
    m_bFileRead = bRead;
    vShowFilterBarOfKind();

    vPublishListState();
    if (m_kind == ListKind::Season || m_kind == ListKind::Machine) {
        hide();
        emit statisticsFileOpened(_strPath, m_strWhichTypeOfList,
                                  m_kind == ListKind::Season ? tr("Statistik Saison")
                                                             : tr("Statistik Maschine"));
    }

    vStopBusy();
    m_bLoading = false;
    vOpenPendingFile();
    return strResult;
}

void cHaupt::vOpenPendingFile()
{
    if (m_strPendingPath.isEmpty())
        return;
    const QString strNext = m_strPendingPath;
    m_strPendingPath.clear();
    QTimer::singleShot(0, this, [this, strNext] { strOpenListFile(strNext); });
}

void cHaupt::vBeginDriverEdit()
{
    m_bEditPending = true;
}

void cHaupt::vEndDriverEdit()
{
    m_bEditPending = false;
    vOpenPendingFile();
}

void cHaupt::vFileReceived(const QString& _strPath, const QString& _strName)
{
    // The answer to a download request: the actions hidden while it was
    // pending come back, also when the terminal had no such file.
    ui->pushButton_Live->setVisible(bLiveReachable());
    ui->pushButton_Lichtschalter->setVisible(bTerminalWired());
    ui->pushButton_Expertmodus->setVisible(bTerminalWired());
    if (_strName.contains(QLatin1String("nofile"))) {
        vShowMessage(tr("Keine Datei vorhanden"));
        return;
    }
    // While another list is built or edited the file waits, and so does its name.
    if (!m_bLoading && !m_bEditPending)
        m_strWhichTypeOfList = _strName;
    strOpenListFile(_strPath);
}

void cHaupt::vRequestReadFile(const QString& _strPath)
{
    m_bReadRequested = true;
    // Without a path the list that is loaded stays as it is, and so does the
    // file its edits are written to.
    if (_strPath.isEmpty())
        return;
    m_strRequestedPath = _strPath;
    // Read once the settings page has handed the screen back.
    QTimer::singleShot(30, this, &cHaupt::vReadFileFromSettings);
}

void cHaupt::vReadFileFromSettings()
{
    if (!m_strRequestedPath.isEmpty())
        strOpenListFile(m_strRequestedPath);
}

void cHaupt::vBackToList()
{
    vResetOrderPages();
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             ui->pushButton_Hide_Show, ui->pushButton_Vemo_Icon, ui->pushButton_Einstellungen,
             ui->label_WhichFileTitel, ui->label_WhichFile}) {
        pWidget->show();
    }
}

void cHaupt::vResetOrderPages()
{
    emit orderPagesReset();
}

void cHaupt::vShowOrderTotalsPage(bool _bMaximized)
{
    hide();
    vPublishListState();
    emit orderTotalsRequested(m_strWhichTypeOfList, _bMaximized);
}

// ---- models ---------------------------------------------------------------------------------

void cHaupt::vBuildModel()
{
    switch (m_kind) {
    case ListKind::Orders:
        vBuildOrderModel();
        vAttachOrders();
        break;
    case ListKind::Fields:
        vBuildFieldModel();
        m_pProxy->setSourceModel(m_pModel);
        m_pProxy->sort(ListColumns::FIELD_CUSTOMER_NUMBER, Qt::AscendingOrder);
        vSetViewModel(ui->treeView, m_pProxy);
        ui->treeView->setColumnHidden(ListColumns::FIELD_CUSTOMER_NUMBER, true);
        vSetColumnWidths();
        break;
    case ListKind::Drivers:
        vBuildDriverModel();
        break;
    case ListKind::Customers:
        vBuildCustomerModel();
        vAttachCustomers();
        break;
    default:
        break;
    }
}

void cHaupt::vBuildOrderModel()
{
    // The proxy would sort and filter after every row: it waits for the whole list.
    m_pProxy->setSourceModel(nullptr);
    m_pProxy->sort(-1);
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    cListModelBuilder::OrderRows rows =
        builder.vBuildOrders(slLines(), s32SortMode(), m_orderTotals, m_dateMin, m_dateMax);
    m_pOrderKeys = std::move(rows.pKeys);
    m_ls32LineOfRow = std::move(rows.lineOfRow);
}

void cHaupt::vBuildCustomerModel()
{
    m_pProxy->setSourceModel(nullptr);
    m_pProxy->sort(-1);
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    builder.vBuildCustomers(slLines(), ui->comboBox_Kunden->currentIndex());
}

void cHaupt::vBuildFieldModel()
{
    m_pProxy->setSourceModel(nullptr);
    m_pProxy->sort(-1);
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    builder.vBuildFields(slLines());
}

void cHaupt::vBuildDriverModel()
{
    m_pProxy->setSourceModel(nullptr);
    m_pProxy->sort(-1);
    cListModelBuilder builder(m_pModel, m_s32Screen);
    builder.vSetYield(vProcessPendingEvents);
    builder.vBuildDrivers(slLines());
    m_lDeletedLines.clear();

    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->sort(ListColumns::DRIVER_NUMBER, Qt::AscendingOrder);
    vSetViewModel(ui->treeView, m_pProxy);
    for (int s32Column : {ListColumns::DRIVER_NAME, ListColumns::DRIVER_LINE, ListColumns::DRIVER_NUMBER,
                          ListColumns::DRIVER_KIND})
        ui->treeView->setColumnHidden(s32Column, true);
    vSetColumnWidths();
}

void cHaupt::vAttachOrders()
{
    // The rows come sorted: the proxy only filters, so that a keystroke never
    // sorts 100,000 rows again.
    vSetOrderDates();
    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->vSetRowKeys(m_pOrderKeys);
    m_pProxy->sort(-1);
    vSetViewModel(ui->treeView, m_pProxy);
    vSetColumnWidths();
    vRebuildSortedOrderLines();
}

void cHaupt::vAttachCustomers()
{
    m_pProxy->setSourceModel(m_pModel);
    if (ui->comboBox_Kunden->currentIndex() != 0) {
        m_pProxy->setSortLocaleAware(true);
        m_pProxy->sort(ListColumns::ENTRY, Qt::AscendingOrder);
        vSetViewModel(ui->treeView, m_pProxy);
    } else {
        m_pProxy->sort(ListColumns::CUSTOMER_NUMBER, Qt::AscendingOrder);
        vSetViewModel(ui->treeView, m_pProxy);
        ui->treeView->setColumnHidden(ListColumns::CUSTOMER_NUMBER, true);
    }
    vSetColumnWidths();
}

void cHaupt::vSetOrderDates()
{
    // The range starts as the whole file. A list without any start date keeps
    // the fixed start values.
    const QSignalBlocker blockVon(ui->dateEdit_von);
    const QSignalBlocker blockBis(ui->dateEdit_bis);
    if (m_dateMin.isValid()) {
        ui->dateEdit_von->setDateRange(m_dateMin, m_dateMax);
        ui->dateEdit_bis->setDateRange(m_dateMin, m_dateMax);
        ui->dateEdit_von->setDate(m_dateMin);
        ui->dateEdit_bis->setDate(m_dateMax);
    } else {
        ui->dateEdit_von->clearMinimumDate();
        ui->dateEdit_bis->clearMaximumDate();
        ui->dateEdit_von->setDateRange(QDate(2008, 1, 1), QDate(2020, 12, 31));
        ui->dateEdit_bis->setDateRange(QDate(2008, 1, 1), QDate(2020, 12, 31));
        ui->dateEdit_von->setDate(QDate(2008, 1, 1));
        ui->dateEdit_bis->setDate(QDate(2020, 12, 31));
    }
    m_pProxy->setFilterDateRange(ui->dateEdit_von->date(), ui->dateEdit_bis->date());
}

void cHaupt::vRebuildSortedOrderLines()
{
    m_slSortedOrderLines.clear();
    m_ls32SortedOrderLineNumbers.clear();
    m_s32SortedLinesGeneration = m_pProxy->s32FilterGeneration();
    if (m_kind != ListKind::Orders)
        return;
    // The model's rows are in the order shown; the proxy only leaves some out.
    const int s32Rows = m_ls32LineOfRow.size();
    m_slSortedOrderLines.reserve(s32Rows);
    m_ls32SortedOrderLineNumbers.reserve(s32Rows);
    for (int r = 0; r < s32Rows; ++r) {
        const int s32Line = m_ls32LineOfRow.at(r);
        if (m_pProxy->bAcceptsSourceRow(r) && s32Line > 0 && s32Line < slLines().size()) {
            m_slSortedOrderLines.append(slLines().at(s32Line));
            m_ls32SortedOrderLineNumbers.append(s32Line);
        }
    }
}

// ---- line edits of the drivers list ---------------------------------------------------------

int cHaupt::s32CurrentLineOf(int _s32LineAsBuilt) const
{
    // Lines deleted since the list was built moved the later ones up.
    int s32Before = 0;
    for (int s32Deleted : m_lDeletedLines) {
        if (s32Deleted < _s32LineAsBuilt)
            ++s32Before;
    }
    return _s32LineAsBuilt - s32Before;
}

bool cHaupt::bWriteListFile()
{
    vPublishListState();
    QString strError;
    if (ListFile::bWrite(m_strPfad, m_content, &strError))
        return true;
    vShowMessage(strError);
    return false;
}

void cHaupt::vDeleteEntry(int _s32Line, int _s32Row)
{
    if (m_kind != ListKind::Drivers || m_lDeletedLines.contains(_s32Line))
        return;
    const int s32Current = s32CurrentLineOf(_s32Line);
    if (s32Current <= 0 || s32Current >= slLines().size())
        return;
    m_lDeletedLines.append(_s32Line);
    m_content.slLines.removeAt(s32Current);

    // The row normally is the tapped one; if not, the row of that line goes.
    int s32Row = _s32Row;
    if (m_pProxy->index(s32Row, ListColumns::ENTRY).data(ListColumns::LINE_ROLE).toInt() != _s32Line) {
        s32Row = -1;
        for (int r = 0; r < m_pProxy->rowCount(); ++r) {
            if (m_pProxy->index(r, ListColumns::ENTRY).data(ListColumns::LINE_ROLE).toInt() == _s32Line) {
                s32Row = r;
                break;
            }
        }
    }
    if (s32Row >= 0)
        m_pProxy->removeRow(s32Row);
    bWriteListFile();
}

void cHaupt::vReplaceEntry(const QString& _strLine, int _s32Line)
{
    const EditEnd end(this);
    if (m_kind != ListKind::Drivers)
        return;
    const int s32Current = s32CurrentLineOf(_s32Line);
    if (s32Current <= 0 || s32Current >= slLines().size())
        return;
    m_content.slLines[s32Current] = _strLine;
    vBuildDriverModel();
    bWriteListFile();
}

void cHaupt::vAddDriver(const QString& _strLine)
{
    const EditEnd end(this);
    if (m_kind != ListKind::Drivers)
        return;
    // A file ending with a line break keeps it: the new line goes before the
    // empty last element.
    QStringList& slFileLines = m_content.slLines;
    if (slFileLines.isEmpty())
        slFileLines.append(QString()); // line 0 is the header, never a driver
    if (slFileLines.size() >= 2 && slFileLines.last().isEmpty())
        slFileLines.insert(slFileLines.size() - 1, _strLine);
    else
        slFileLines.append(_strLine);
    vBuildDriverModel();
    bWriteListFile();
}
