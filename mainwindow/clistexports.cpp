#include "mainwindow/clistexports.h"

#include "app/messages.h"
#include "app/pageframe.h"
#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "data/appinfo.h"
#include "data/archivestore.h"
#include "data/billbasis.h"
#include "data/billsettings.h"
#include "data/driverhours.h"
#include "data/isoxml.h"
#include "data/orderexport.h"
#include "data/reportfiles.h"
#include "mainwindow/listcontroller.h"
#include "reports/billreport.h"
#include "reports/driverhoursreport.h"
#include "reports/ordersreport.h"
#include "reports/reportpdf.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>

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

// The texts are the main window's own: its button and menu are part of it.
cListExports::cListExports(QWidget* _pWindow, const cListController& _list,
                           const std::function<void()>& _fnRefreshShown)
    : QObject(_pWindow), m_pWindow(_pWindow), m_list(_list), m_fnRefreshShown(_fnRefreshShown)
{
    m_pButton = new QPushButton(QCoreApplication::translate("cHaupt", "Exportieren"), _pWindow);
    m_pButton->setObjectName(QStringLiteral("pushButton_Export"));
    m_pButton->setFocusPolicy(Qt::NoFocus);
    m_pButton->hide();
    connect(m_pButton, &QPushButton::clicked, this, &cListExports::vShowChoices);
}

void cListExports::vSetScreen(int _s32Screen)
{
    m_s32Screen = _s32Screen;
    m_pButton->setStyleSheet(Style::strButton(_s32Screen / 25));
}

void cListExports::vShowChoices()
{
    QMenu menu(m_pWindow);
    menu.setStyleSheet(QStringLiteral("QMenu{ background-color: black; color: ") + Style::strLabelYellow() +
                       QStringLiteral("; font: ") + QString::number(m_s32Screen / 25) +
                       QStringLiteral("px; } QMenu::item{ padding: 0.4em 1.2em; } "
                                      "QMenu::item:selected{ background-color: rgb(70, 70, 70); }"));
    menu.addAction(QCoreApplication::translate("cHaupt", "Tabelle (CSV)"), this, &cListExports::vExportCsv);
    menu.addAction(QCoreApplication::translate("cHaupt", "Bericht (PDF)"), this, &cListExports::vExportPdf);
    menu.addAction(QCoreApplication::translate("cHaupt", "ISOXML (Ackerschlagkartei)"), this,
                   &cListExports::vExportIsoXml);
    menu.addSeparator();
    menu.addAction(QCoreApplication::translate("cHaupt", "Abrechnungsgrundlage (PDF)"), this,
                   &cListExports::vExportBillPdf);
    menu.addAction(QCoreApplication::translate("cHaupt", "Abrechnungsgrundlage (CSV)"), this,
                   &cListExports::vExportBillCsv);
    menu.addAction(QCoreApplication::translate("cHaupt", "Fahrerstunden (PDF)"), this,
                   &cListExports::vExportDriverHoursPdf);
    menu.addAction(QCoreApplication::translate("cHaupt", "Fahrerstunden (CSV)"), this,
                   &cListExports::vExportDriverHoursCsv);
    menu.exec(m_pButton->mapToGlobal(QPoint(0, m_pButton->height())));
}

OrdersReport::Filter cListExports::filter() const
{
    OrdersReport::Filter filter;
    filter.strSearch = m_list.filter().strSearch;
    // A list without dates has no range to name.
    if (m_list.dateMin().isValid()) {
        filter.dateFrom = m_list.filter().dateFrom;
        filter.dateTo = m_list.filter().dateTo;
    }
    return filter;
}

bool cListExports::bTakeShownOrderLines()
{
    if (m_list.kind() != ListKind::Orders)
        return false;
    m_shown = ShownOrders();
    QString strMessage;
    if (m_fnShownSource && m_fnShownSource(m_shown, &strMessage)) {
        if (!strMessage.isEmpty()) {
            Messages::vShow(m_pWindow, strMessage);
            return false;
        }
    } else {
        // The orders as the list shows them now, after search and dates.
        m_fnRefreshShown();
        m_shown.slLines = m_list.slSortedOrderLines();
    }
    if (m_shown.slLines.isEmpty()) {
        Messages::vShow(m_pWindow, QCoreApplication::translate("cHaupt", "Die Liste zeigt keine Aufträge."));
        return false;
    }
    return true;
}

bool cListExports::bTakeShownOrders(OrderExport::Table& _table)
{
    if (!bTakeShownOrderLines())
        return false;
    _table = OrderExport::tableOf(m_shown.slLines);
    return true;
}

void cListExports::vExportCsv()
{
    OrderExport::Table table;
    if (!bTakeShownOrders(table))
        return;
    const OrdersReport::Filter shown = filter();
    cWaitCursor wait;
    const QByteArray baCsv = OrderExport::baCsv(table, SettingsStore::interfaceLocale());
    wait.vRestore();
    ReportOffer::strSaveAndOffer(m_pWindow, OrdersReport::strFileName(shown, QStringLiteral("csv")), baCsv,
                                 QCoreApplication::translate("cHaupt", "Aufträge") +
                                     QStringLiteral(" (CSV)"));
}

void cListExports::vExportPdf()
{
    OrderExport::Table table;
    if (!bTakeShownOrders(table))
        return;
    const OrdersReport::Filter shown = filter();
    cWaitCursor wait;
    const std::shared_ptr<cReportPdf> pReport =
        OrdersReport::pReport(table, shown, SettingsStore::interfaceLocale(), QDate::currentDate());
    const QByteArray baPdf = pReport->baFinish();
    wait.vRestore();
    ReportOffer::strSaveAndOffer(m_pWindow, OrdersReport::strFileName(shown, QStringLiteral("pdf")), baPdf,
                                 QCoreApplication::translate("cHaupt", "Aufträge") + QStringLiteral(" (PDF)"),
                                 ReportOffer::printingOf(pReport));
}

void cListExports::vExportIsoXml()
{
    if (!bTakeShownOrderLines())
        return;
    cWaitCursor wait;
    IsoXml::Source source;
    source.slOrderRecords = m_shown.slLines;
    source.slOrderMachines = m_shown.slMachines;
    source.strDeviceDesignator = SettingsStore::LAST_CHASSIS.tValue();
    source.strSoftwareVersion = QString::fromLatin1(AppInfo::VERSION);
    // Customers, drivers and fields downloaded from the terminal (or kept in
    // the archive) name them in full.
    if (m_shown.slCustomerLines.size() > 1 || m_shown.slDriverLines.size() > 1 ||
        m_shown.slFieldLines.size() > 1) {
        source.slCustomerLines = m_shown.slCustomerLines;
        source.slDriverLines = m_shown.slDriverLines;
        source.slFieldLines = m_shown.slFieldLines;
    } else {
        IsoXml::vReadListsFrom(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation), source);
    }
    QString strName = OrdersReport::strFileName(filter(), QStringLiteral("x"));
    strName.chop(2); // the folder has no suffix
    QString strError;
    const QString strPath = IsoXml::strWriteExport(
        ReportFiles::strFolder(), QStringLiteral("ISOXML_") + strName, IsoXml::baTaskData(source), &strError);
    wait.vRestore();
    if (strPath.isEmpty()) {
        Messages::vShow(m_pWindow, strError);
        return;
    }
    ReportOffer::vOffer(m_pWindow, strPath,
                        QCoreApplication::translate("cHaupt", "Aufträge") + QStringLiteral(" (ISOXML)"));
}

QStringList cListExports::slCustomerLines()
{
    // The archive's customers of the shown machines, or the newest
    // customers list downloaded from the terminal.
    if (m_shown.slCustomerLines.size() > 1)
        return m_shown.slCustomerLines;
    IsoXml::Source source;
    IsoXml::vReadListsFrom(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation), source);
    return source.slCustomerLines;
}

bool cListExports::bReadBillSettings(BillRates& _rates, Letterhead& _letterhead)
{
    if (!m_fnBillArchive)
        return true;
    QString strMessage;
    QSqlDatabase database = m_fnBillArchive(&strMessage);
    QSqlError error;
    if (!database.isValid()) {
        Messages::vShow(m_pWindow, strMessage);
        return false;
    }
    if (!BillSettings::bLoad(database, _rates, _letterhead, error)) {
        Messages::vShow(m_pWindow,
                        QCoreApplication::translate(
                            "cHaupt", "Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2")
                            .arg(cArchiveStore(database).strDisplayName(), error.text()));
        return false;
    }
    return true;
}

void cListExports::vExportBill(bool _bPdf)
{
    if (!bTakeShownOrderLines())
        return;
    BillBasis::Request request;
    Letterhead letterhead;
    if (!bReadBillSettings(request.rates, letterhead))
        return;
    cWaitCursor wait;
    const OrdersReport::Filter shown = filter();
    request.slOrderLines = m_shown.slLines;
    request.strCustomerNumber = m_list.filter().strCustomerNumber;
    request.slCustomerLines = slCustomerLines();
    request.dateFrom = shown.dateFrom;
    request.dateTo = shown.dateTo;
    request.dateIssued = QDate::currentDate();
    request.locale = SettingsStore::interfaceLocale();
    const QVector<BillBasis::Bill> bills = BillBasis::bills(request);
    if (bills.isEmpty()) {
        wait.vRestore();
        Messages::vShow(m_pWindow, QCoreApplication::translate(
                                       "cHaupt", "Die Liste zeigt keine Aufträge mit Kunde und Startdatum."));
        return;
    }
    const QString strSubject = QCoreApplication::translate("cHaupt", "Abrechnungsgrundlage");
    if (_bPdf) {
        const std::shared_ptr<cReportPdf> pdf = BillReport::report(bills, letterhead, request.locale);
        const QByteArray baPdf = pdf->baFinish();
        wait.vRestore();
        ReportOffer::strSaveAndOffer(m_pWindow, BillReport::strFileName(bills, QStringLiteral("pdf")), baPdf,
                                     strSubject + QStringLiteral(" (PDF)"), ReportOffer::printingOf(pdf));
        return;
    }
    const QByteArray baCsv = BillBasis::baCsv(bills, request.locale);
    wait.vRestore();
    ReportOffer::strSaveAndOffer(m_pWindow, BillReport::strFileName(bills, QStringLiteral("csv")), baCsv,
                                 strSubject + QStringLiteral(" (CSV)"));
}

void cListExports::vExportDriverHours(bool _bPdf)
{
    if (!bTakeShownOrderLines())
        return;
    cWaitCursor wait;
    const OrdersReport::Filter shown = filter();
    const QLocale locale = SettingsStore::interfaceLocale();
    const DriverHours::Table table = DriverHours::tableOf(m_shown.slLines, shown.dateFrom, shown.dateTo);
    const QString strSubject = QCoreApplication::translate("cHaupt", "Fahrerstunden");
    if (_bPdf) {
        const std::shared_ptr<cReportPdf> pdf =
            DriverHoursReport::report(table, shown.dateFrom, shown.dateTo, locale, QDate::currentDate());
        const QByteArray baPdf = pdf->baFinish();
        wait.vRestore();
        ReportOffer::strSaveAndOffer(
            m_pWindow, DriverHoursReport::strFileName(shown.dateFrom, shown.dateTo, QStringLiteral("pdf")),
            baPdf, strSubject + QStringLiteral(" (PDF)"), ReportOffer::printingOf(pdf));
        return;
    }
    const QByteArray baCsv = DriverHours::baCsv(table, locale);
    wait.vRestore();
    ReportOffer::strSaveAndOffer(
        m_pWindow, DriverHoursReport::strFileName(shown.dateFrom, shown.dateTo, QStringLiteral("csv")), baCsv,
        strSubject + QStringLiteral(" (CSV)"));
}

void cListExports::vExportBillPdf()
{
    vExportBill(true);
}

void cListExports::vExportBillCsv()
{
    vExportBill(false);
}

void cListExports::vExportDriverHoursPdf()
{
    vExportDriverHours(true);
}

void cListExports::vExportDriverHoursCsv()
{
    vExportDriverHours(false);
}
