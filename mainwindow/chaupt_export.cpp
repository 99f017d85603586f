// cHaupt: exports of the orders the list shows – a table for office
// software (CSV) and a report (PDF) – through the reports folder.
#include "mainwindow/chaupt.h"
#include "ui_chaupt.h"

#include "app/messages.h"
#include "app/pageframe.h"
#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "data/appinfo.h"
#include "data/isoxml.h"
#include "data/orderexport.h"
#include "data/reportfiles.h"
#include "mainwindow/csortfiltermodel.h"
#include "reports/ordersreport.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>

void cHaupt::vSetupExport()
{
    m_pExportButton = new QPushButton(tr("Exportieren"), this);
    m_pExportButton->setObjectName(QStringLiteral("pushButton_Export"));
    m_pExportButton->setFocusPolicy(Qt::NoFocus);
    ui->horizontalLayout_Datum->addWidget(m_pExportButton);
    m_pExportButton->hide();
    connect(m_pExportButton, &QPushButton::clicked, this, &cHaupt::vShowExportChoices);
}

void cHaupt::vShowExportChoices()
{
    QMenu menu(this);
    menu.setStyleSheet(QStringLiteral("QMenu{ background-color: black; color: ") + Style::strLabelYellow() +
                       QStringLiteral("; font: ") + QString::number(m_s32Screen / 25) +
                       QStringLiteral("px; } QMenu::item{ padding: 0.4em 1.2em; } "
                                      "QMenu::item:selected{ background-color: rgb(70, 70, 70); }"));
    menu.addAction(tr("Tabelle (CSV)"), this, &cHaupt::vExportOrdersCsv);
    menu.addAction(tr("Bericht (PDF)"), this, &cHaupt::vExportOrdersPdf);
    menu.addAction(tr("ISOXML (Ackerschlagkartei)"), this, &cHaupt::vExportOrdersIsoXml);
    menu.exec(m_pExportButton->mapToGlobal(QPoint(0, m_pExportButton->height())));
}

OrdersReport::Filter cHaupt::exportFilter() const
{
    OrdersReport::Filter filter;
    filter.strSearch = ui->lineEdit->text();
    // A list without dates has no range to name.
    if (m_dateMin.isValid()) {
        filter.dateFrom = ui->dateEdit_von->date();
        filter.dateTo = ui->dateEdit_bis->date();
    }
    return filter;
}

namespace
{
// A wait cursor while a large list is written (100,000 orders take seconds
// as PDF), back to normal before the message about the file.
class cWaitCursor
{
public:
    cWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~cWaitCursor() { vRestore(); }
    void vRestore()
    {
        if (m_bActive)
            QApplication::restoreOverrideCursor();
        m_bActive = false;
    }

private:
    bool m_bActive = true;
};
} // namespace

bool cHaupt::bTakeShownOrderLines()
{
    if (m_kind != ListKind::Orders)
        return false;
    // The orders as the list shows them now, after search and dates.
    if (m_s32SortedLinesGeneration != m_pProxy->s32FilterGeneration())
        vRebuildSortedOrderLines();
    if (m_slSortedOrderLines.isEmpty()) {
        vShowMessage(tr("Die Liste zeigt keine Aufträge."));
        return false;
    }
    return true;
}

bool cHaupt::bTakeShownOrders(OrderExport::Table& _table)
{
    if (!bTakeShownOrderLines())
        return false;
    _table = OrderExport::tableOf(m_slSortedOrderLines);
    return true;
}

void cHaupt::vExportOrdersCsv()
{
    OrderExport::Table table;
    if (!bTakeShownOrders(table))
        return;
    const OrdersReport::Filter filter = exportFilter();
    cWaitCursor wait;
    const QByteArray baCsv = OrderExport::baCsv(table, SettingsStore::interfaceLocale());
    wait.vRestore();
    ReportOffer::strSaveAndOffer(this, OrdersReport::strFileName(filter, QStringLiteral("csv")), baCsv,
                                 tr("Aufträge") + QStringLiteral(" (CSV)"));
}

void cHaupt::vExportOrdersPdf()
{
    OrderExport::Table table;
    if (!bTakeShownOrders(table))
        return;
    const OrdersReport::Filter filter = exportFilter();
    cWaitCursor wait;
    const QByteArray baPdf =
        OrdersReport::baPdf(table, filter, SettingsStore::interfaceLocale(), QDate::currentDate());
    wait.vRestore();
    ReportOffer::strSaveAndOffer(this, OrdersReport::strFileName(filter, QStringLiteral("pdf")), baPdf,
                                 tr("Aufträge") + QStringLiteral(" (PDF)"));
}

void cHaupt::vExportOrdersIsoXml()
{
    if (!bTakeShownOrderLines())
        return;
    cWaitCursor wait;
    IsoXml::Source source;
    source.slOrderRecords = m_slSortedOrderLines;
    source.strDeviceDesignator = SettingsStore::LAST_CHASSIS.tValue();
    source.strSoftwareVersion = QString::fromLatin1(AppInfo::VERSION);
    // Customers, drivers and fields downloaded from the terminal name them in full.
    IsoXml::vReadListsFrom(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation), source);
    const OrdersReport::Filter filter = exportFilter();
    QString strName = OrdersReport::strFileName(filter, QStringLiteral("x"));
    strName.chop(2); // the folder has no suffix
    QString strError;
    const QString strPath = IsoXml::strWriteExport(
        ReportFiles::strFolder(), QStringLiteral("ISOXML_") + strName, IsoXml::baTaskData(source), &strError);
    wait.vRestore();
    if (strPath.isEmpty()) {
        vShowMessage(strError);
        return;
    }
    ReportOffer::vOffer(this, strPath, tr("Aufträge") + QStringLiteral(" (ISOXML)"));
}
