// Opening list files and showing them.
#include "mainwindow/chaupt.h"

#include "app/messages.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"
#include "terminal/logging.h"
#include "ui_chaupt.h"

#include <QElapsedTimer>
#include <QTimer>

QString cHaupt::strOpenListFile(const QString& _strPath)
{
    if (m_list.bDefer(_strPath))
        return cListController::strOpened();
    if (m_pArchive->bActive()) {
        m_pArchive->vLeave();
        ui->treeView->setColumnHidden(ListColumns::DRIVER_DELETE, false);
    }
    m_list.vBeginLoading();
    QElapsedTimer timer;
    timer.start();

    m_pDisplay->vClear();
    m_list.vClear();
    ui->pushButton_Hide_Show->show();
    ui->pushButton_Vemo_Icon->show();
    emit orderPagesReset();

    const QString strResult = m_list.strRead(_strPath);
    const qint64 s64ReadMs = timer.elapsed();
    m_pDisplay->vBuild();
    if (m_list.bFileRead())
        vShowFileLine();
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

    m_pDisplay->vStopBusy();
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

void cHaupt::vFileReceived(const QString& _strPath, const QString& _strName)
{
    m_pTerminal->vFileReceived();
    if (_strName.contains(QLatin1String("nofile"))) {
        Messages::vShow(this, tr("Keine Datei vorhanden"));
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
    emit orderPagesReset();
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             ui->pushButton_Hide_Show, ui->pushButton_Vemo_Icon, ui->pushButton_Einstellungen,
             ui->label_WhichFileTitel, ui->label_WhichFile}) {
        pWidget->show();
    }
}

void cHaupt::vShowOrderTotalsPage(bool _bMaximized)
{
    if (m_pArchive->bActive()) {
        // The sums of the shown machines and seasons.
        ListState state = listState();
        QString strMessage;
        if (!m_pArchive->bShownTotals(state.orderTotals, &strMessage)) {
            Messages::vShow(this, strMessage);
            return;
        }
        hide();
        emit listStateChanged(state);
        emit orderTotalsRequested(strWhichTypeOfList(), _bMaximized);
        return;
    }
    hide();
    vPublishListState();
    emit orderTotalsRequested(strWhichTypeOfList(), _bMaximized);
}
