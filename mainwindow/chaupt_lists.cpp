// Opening list files, showing them and the line edits of the drivers list.
#include "mainwindow/chaupt.h"

#include "mainwindow/clistmodels.h"
#include "mainwindow/cmainwindowform.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/cterminalactions.h"
#include "terminal/ccopyinfothread.h"
#include "terminal/logging.h"
#include "ui_chaupt.h"

#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QThread>
#include <QTimer>

namespace
{

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

// ---- opening files --------------------------------------------------------------------------

QString cHaupt::strOpenListFile(const QString& _strPath)
{
    if (m_list.bDefer(_strPath))
        return cListController::strOpened();
    m_list.vBeginLoading();
    QElapsedTimer timer;
    timer.start();

    m_pModels->vDetach();
    vStartBusy();
    m_pModels->vClear();
    m_list.vClear();
    ui->pushButton_Hide_Show->show();
    ui->pushButton_Vemo_Icon->show();
    vResetOrderPages();

    const QString strResult = m_list.strRead(_strPath);
    const qint64 s64ReadMs = timer.elapsed();
    if (m_list.bFileRead())
        ui->label_WhichFile->setText(m_list.strWhichTypeOfList());
    vBuildModel();
    VEMO_DEBUG(lcLists) << slLines().size() << "lines read in" << s64ReadMs << "ms, list built in"
                        << timer.elapsed() - s64ReadMs << "ms," << m_pProxy->rowCount() << "rows shown";
    m_pForm->vShowFilterBarOfKind(m_list.kind(), m_list.bFileRead());

    vPublishListState();
    const ListKind kind = m_list.kind();
    if (kind == ListKind::Season || kind == ListKind::Machine) {
        hide();
        emit statisticsFileOpened(_strPath, m_list.strWhichTypeOfList(),
                                  kind == ListKind::Season ? tr("Statistik Saison")
                                                           : tr("Statistik Maschine"));
    }

    vStopBusy();
    m_list.vEndLoading();
    vOpenPendingFile();
    return strResult;
}

void cHaupt::vOpenPendingFile()
{
    const QString strNext = m_list.strTakePendingPath();
    if (!strNext.isEmpty())
        QTimer::singleShot(0, this, [this, strNext] { strOpenListFile(strNext); });
}

void cHaupt::vBeginDriverEdit()
{
    m_list.vBeginDriverEdit();
}

void cHaupt::vEndDriverEdit()
{
    m_list.vEndDriverEdit();
    vOpenPendingFile();
}

void cHaupt::vFileReceived(const QString& _strPath, const QString& _strName)
{
    m_pTerminal->vFileReceived();
    if (_strName.contains(QLatin1String("nofile"))) {
        vShowMessage(tr("Keine Datei vorhanden"));
        return;
    }
    m_list.vTakeReceivedName(_strName);
    strOpenListFile(_strPath);
}

void cHaupt::vRequestReadFile(const QString& _strPath)
{
    // Read once the settings page has handed the screen back.
    if (m_list.bRequestRead(_strPath))
        QTimer::singleShot(30, this, &cHaupt::vReadFileFromSettings);
}

void cHaupt::vReadFileFromSettings()
{
    if (!m_list.strRequestedPath().isEmpty())
        strOpenListFile(m_list.strRequestedPath());
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
    emit orderTotalsRequested(strWhichTypeOfList(), _bMaximized);
}

// ---- models ---------------------------------------------------------------------------------

void cHaupt::vBuildModel()
{
    switch (m_list.kind()) {
    case ListKind::Orders:
        vShowOrders();
        break;
    case ListKind::Fields:
        m_pModels->vShowFields(slLines());
        break;
    case ListKind::Drivers:
        m_pModels->vShowDrivers(slLines());
        m_list.vDriversRebuilt();
        break;
    case ListKind::Customers:
        m_pModels->vShowCustomers(slLines(), m_list.filter().s32CustomerIndex);
        break;
    default:
        break;
    }
}

void cHaupt::vShowOrders()
{
    cOrderTotals totals;
    QDate dateMin;
    QDate dateMax;
    const QVector<int> ls32LineOfRow =
        m_pModels->ls32BuildOrders(slLines(), m_list.s32SortMode(), totals, dateMin, dateMax);
    m_list.vTakeOrderBuild(totals, dateMin, dateMax, ls32LineOfRow);
    vSetOrderDates();
    m_pModels->vAttachOrders();
    m_list.vTakeShownOrders([this](int _s32Row) { return m_pProxy->bAcceptsSourceRow(_s32Row); },
                            m_pProxy->s32FilterGeneration());
}

void cHaupt::vSetOrderDates()
{
    m_pForm->vSetOrderDates(m_list.dateMin(), m_list.dateMax());
    m_list.filter().dateFrom = m_pForm->dateFrom();
    m_list.filter().dateTo = m_pForm->dateTo();
    m_pProxy->setFilterDateRange(m_list.filter().dateFrom, m_list.filter().dateTo);
}

void cHaupt::vRefreshShownOrders()
{
    if (m_list.bShownOrdersStale(m_pProxy->s32FilterGeneration()))
        m_list.vTakeShownOrders([this](int _s32Row) { return m_pProxy->bAcceptsSourceRow(_s32Row); },
                                m_pProxy->s32FilterGeneration());
}

// ---- line edits of the drivers list ---------------------------------------------------------

bool cHaupt::bWriteListFile()
{
    vPublishListState();
    QString strError;
    if (m_list.bWrite(&strError))
        return true;
    vShowMessage(strError);
    return false;
}

void cHaupt::vDeleteEntry(int _s32Line, int _s32Row)
{
    if (!m_list.bDeleteLine(_s32Line))
        return;
    m_pModels->vRemoveRowOfLine(_s32Line, _s32Row);
    bWriteListFile();
}

void cHaupt::vReplaceEntry(const QString& _strLine, int _s32Line)
{
    const EditEnd end(this);
    if (!m_list.bReplaceLine(_strLine, _s32Line))
        return;
    vBuildModel();
    bWriteListFile();
}

void cHaupt::vAddDriver(const QString& _strLine)
{
    const EditEnd end(this);
    if (!m_list.bAddDriver(_strLine))
        return;
    vBuildModel();
    bWriteListFile();
}
