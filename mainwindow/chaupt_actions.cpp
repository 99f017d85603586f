// What the user's taps do: list entries, selectors, search and date filter,
// the buttons, and the terminal state shown by the main window.
#include "app/navigation.h"
#include "mainwindow/chaupt.h"
#include "terminal/liverequest.h"
#include "terminal/protocol.h"

#include "app/cyesnodialog.h"
#include "app/pageframe.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/clistmodelbuilder.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"
#include "ui_chaupt.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardItemModel>
#include <QThread>
#include <QTimer>
#include <QUrl>

int cHaupt::s32SortMode() const
{
    return ui->comboBox->currentIndex() == 0 ? 0 : 1;
}

// ---- taps on the list -----------------------------------------------------------------------

void cHaupt::on_treeView_clicked(QModelIndex index)
{
    if (!index.isValid())
        return;
    switch (m_kind) {
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
    // The order number is the record's line number in its file. A number that
    // is no record line opens the order pages without order data, never with
    // the figures of an order opened before.
    const int s32Number =
        _index.sibling(_index.row(), ListColumns::ENTRY).data(ListColumns::ORDER_NUMBER_ROLE).toInt();
    const int s32Mode = s32SortMode();
    // The order pages step through the list as it is shown now; taken again
    // only when the search or the dates changed since.
    if (m_s32SortedLinesGeneration != m_pProxy->s32FilterGeneration())
        vRebuildSortedOrderLines();
    if (s32Number > 0 && s32Number < slLines().size()) {
        m_strCurrentOrderLine = slLines().at(s32Number);
        // The order pages step from the order they show: in the file's lines
        // that is its number, in the sorted lines the place of that line.
        int s32Current = s32Number;
        if (s32Mode != 0) {
            s32Current = m_ls32SortedOrderLineNumbers.indexOf(s32Number);
            if (s32Current < 0)
                s32Current = _index.row(); // its line is filtered out of the list
        }
        vPublishListState();
        emit vSendTextToDialog(m_strCurrentOrderLine, s32Current, s32Mode);
    } else {
        m_strCurrentOrderLine.clear();
        vPublishListState();
        emit vSendTextToDialog(QString(), 0, s32Mode);
    }
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
        const int s32Current = s32CurrentLineOf(s32Line);
        if (s32Current <= 0 || s32Current >= slLines().size())
            return;
        hide();
        vBeginDriverEdit();
        cEditDialog* pEditor = cEditDialog::instance();
        pEditor->vEditDriver(slLines().at(s32Current), s32Line);
        pEditor->showMaximized();
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

// ---- selectors, search and dates ------------------------------------------------------------

void cHaupt::on_comboBox_currentIndexChanged(int)
{
    if (m_kind != ListKind::Orders || m_bLoading)
        return;
    m_bLoading = true;
    ui->lineEdit->clear();
    vDetachList();
    vStartBusy();
    vBuildOrderModel();
    vAttachOrders();
    vStopBusy();
    m_bLoading = false;
}

void cHaupt::on_comboBox_Kunden_currentIndexChanged(int)
{
    if (m_kind != ListKind::Customers || m_bLoading)
        return;
    m_bLoading = true;
    vDetachList();
    vStartBusy();
    vBuildCustomerModel();
    vAttachCustomers();
    vStopBusy();
    m_bLoading = false;
}

// Drivers and fields have one sort order each; their selectors stay hidden.
void cHaupt::on_comboBox_Fahrer_currentIndexChanged(int) {}

void cHaupt::on_comboBox_Schlag_currentIndexChanged(int) {}

void cHaupt::on_lineEdit_textChanged(QString arg)
{
    m_pProxy->vSetSearchPattern(SortFilter::searchPattern(arg));
}

void cHaupt::dateFilterChanged()
{
    const QDate dateVon = ui->dateEdit_von->date();
    const QDate dateBis = ui->dateEdit_bis->date();
    // The two fields cannot cross: each one's limit follows the other.
    {
        const QSignalBlocker blockVon(ui->dateEdit_von);
        const QSignalBlocker blockBis(ui->dateEdit_bis);
        ui->dateEdit_von->setMaximumDate(dateBis);
        ui->dateEdit_bis->setMinimumDate(dateVon);
    }
    m_pProxy->setFilterDateRange(dateVon, dateBis);
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
    QString strFolder = QDir::homePath();
    if (!m_strPfad.isEmpty() && QFileInfo(m_strPfad).absoluteDir().exists())
        strFolder = QFileInfo(m_strPfad).absolutePath();

    const int s32Text = qMax(1, m_s32Screen / 40);
    QFileDialog dialog(this, tr("Liste öffnen"), strFolder, tr("Listen (*.csv)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setStyleSheet(QStringLiteral("QWidget{ background-color: rgb(0, 0, 0); color: %2; font: %1px;}"
                                        "QAbstractItemView{ selection-background-color: %3;"
                                        " selection-color: rgb(0, 0, 0);}"
                                        "QHeaderView::section{ background-color: rgb(0, 0, 0); color: %2;}")
                             .arg(QString::number(s32Text), Style::strLabelYellow(), Style::strYellow()) +
                         Style::strLineEdit(s32Text) + QStringLiteral("QLineEdit{ color: rgb(0, 0, 0);}") +
                         Style::strComboBox(s32Text) + QStringLiteral("QComboBox{ color: rgb(0, 0, 0);}") +
                         Style::strButton(s32Text) + QStringLiteral("QPushButton{ color: rgb(0, 0, 0);}"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_bReadRequested = true;
    strOpenListFile(dialog.selectedFiles().constFirst());
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
    hide();
    vBeginDriverEdit();
    cEditDialog* pEditor = cEditDialog::instance();
    pEditor->vNewDriver();
    pEditor->showMaximized();
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
    vSend(baStartLiveMessage(m_fnRefreshIndex ? m_fnRefreshIndex() : -1));
    vNavigate(Navigation::Target::Live, false);
}

// ---- machine switches and connection state --------------------------------------------------

// The season page's buttons show the same state, whether the user switched
// it or the terminal reported it.
void cHaupt::vSetExpertModus(bool _bOn)
{
    m_bExpertModus = _bOn;
    const QString strIcon = QString::fromLatin1(_bOn ? ":/Expertmodus_ON.png" : ":/Expertmodus_OFF.png");
    PageFrame::vSetIcon(ui->pushButton_Expertmodus, strIcon, m_s32Screen / 9, m_s32Screen / 9);
    emit expertModeIconChanged(strIcon);
}

void cHaupt::vSetLichtschalter(bool _bOn)
{
    m_bLichtschalter = _bOn;
    const QString strIcon =
        QString::fromLatin1(_bOn ? ":/Lichtschalter_Haupt_On.png" : ":/Lichtschalter_Haupt_Off.png");
    PageFrame::vSetIcon(ui->pushButton_Lichtschalter, strIcon, m_s32Screen / 9, m_s32Screen / 9);
    emit lightSwitchIconChanged(strIcon);
}

void cHaupt::on_pushButton_Expertmodus_clicked()
{
    const bool bOn = !m_bExpertModus;
    vSend(Protocol::baSwitchCommand(Protocol::EXPERT_MODE, bOn));
    vSetExpertModus(bOn);
}

void cHaupt::on_pushButton_Lichtschalter_clicked()
{
    const bool bOn = !m_bLichtschalter;
    vSend(Protocol::baSwitchCommand(Protocol::LIGHT_SWITCH, bOn));
    vSetLichtschalter(bOn);
}

void cHaupt::vRequestDownloads(const QStringList& _slNames)
{
    for (const QString& strName : _slNames) {
        ui->pushButton_Live->hide();
        ui->pushButton_Lichtschalter->hide();
        ui->pushButton_Expertmodus->hide();
        vSend(strName.toUtf8());
    }
}

void cHaupt::vSetConnectionState(bool _bConnected, bool _bByUser)
{
    PageFrame::vSetProductLogo(ui->pushButton_Vemo_Icon, m_s32Screen, _bConnected);
    if (_bConnected) {
        vStopPeriodicSearch();
        for (QWidget* pWidget :
             std::initializer_list<QWidget*>{ui->pushButton_Lichtschalter, ui->pushButton_Expertmodus,
                                             ui->pushButton_Download, ui->pushButton_Send}) {
            pWidget->setVisible(bTerminalWired());
        }
        // The live view is one of the terminal actions, where its page can be reached.
        ui->pushButton_Live->setVisible(bLiveReachable());
        repaint();
        return;
    }

    if (_bByUser)
        vStopPeriodicSearch();
    else
        vStartPeriodicSearch();
    for (QWidget* pWidget :
         std::initializer_list<QWidget*>{ui->pushButton_Lichtschalter, ui->pushButton_Expertmodus,
                                         ui->pushButton_Download, ui->pushButton_Live, ui->pushButton_Send}) {
        pWidget->hide();
    }
    repaint();
}

void cHaupt::vStartPeriodicSearch()
{
    // One search at a time: while it runs, every failed attempt to reach the
    // terminal again is reported as a loss of its own, and each would start
    // another search beside it.
    if (!m_fnPeriodicSearch || m_pSearchThread)
        return;
    // Searched for every 3 s in a thread of its own until a terminal answers;
    // finished() ends the thread, which then deletes the timer and itself.
    auto* pThread = new QThread();
    auto* pTimer = new QTimer();
    pTimer->setInterval(3000);
    pTimer->moveToThread(pThread);
    connect(pThread, &QThread::started, pTimer, QOverload<>::of(&QTimer::start));
    connect(this, &cHaupt::finished, pThread, &QThread::quit);
    connect(pThread, &QThread::finished, pTimer, &QObject::deleteLater);
    connect(pThread, &QThread::finished, pThread, &QObject::deleteLater);
    const std::function<void()> fnSearch = m_fnPeriodicSearch;
    connect(
        pTimer, &QTimer::timeout, pTimer, [fnSearch] { fnSearch(); }, Qt::DirectConnection);
    m_pSearchThread = pThread;
    pThread->start(QThread::InheritPriority);
}

void cHaupt::vStopPeriodicSearch()
{
    emit finished();
    m_pSearchThread.clear();
}
