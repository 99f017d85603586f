// Renders every page of the application, filled from the sample data, into
// PNG files named <page>.png in the given folder. The screen size decides the
// orientation, so run it once per virtual screen (tools/screenshots.sh).

#include "app/cyesnodialog.h"
#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "data/archiveserver.h"
#include "data/archivestore.h"
#include "data/billsettings.h"
#include "live/clive.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/chaupt.h"
#include "settings/cabrechnungseite.h"
#include "settings/carchivseite.h"
#include "settings/ceinstellungen.h"
#include "settings/cinfoseite.h"
#include "settings/cquelleverzeichnis.h"
#include "settings/ctreetodeletefile.h"
#include "statistics/cgrafischeruebersicht.h"
#include "statistics/chauptuebersicht.h"
#include "statistics/csaisondata.h"
#include "statistics/cstreckeaufteilung.h"
#include "statistics/cverbrauch.h"
#include "statistics/czeitaufteilung.h"
#include "terminal/cfahrzeugelist.h"
#include "terminal/cpwrequest.h"
#include "terminal/cwhattodownload.h"
#include "terminal/liverecordencoder.h"
#include "tests/livetypical.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>
#include <cstdio>

Q_DECLARE_METATYPE(QModelIndex)

namespace
{

QString g_strOut;
// The controls that lie outside their window, as "page: control (where)".
QStringList g_slUnreachable;

// What a finger uses: buttons, fields, selectors, lists. The text line inside
// a date field or selector is a part of that control.
bool bIsControl(const QWidget* _pWidget)
{
    if (qobject_cast<const QLineEdit*>(_pWidget))
        return !qobject_cast<const QAbstractSpinBox*>(_pWidget->parentWidget()) &&
               !qobject_cast<const QComboBox*>(_pWidget->parentWidget());
    return qobject_cast<const QAbstractButton*>(_pWidget) || qobject_cast<const QComboBox*>(_pWidget) ||
           qobject_cast<const QAbstractSpinBox*>(_pWidget) ||
           qobject_cast<const QAbstractItemView*>(_pWidget);
}

QString strControlName(const QWidget* _pWidget)
{
    QString strName = _pWidget->objectName();
    if (strName.isEmpty())
        strName = QString::fromLatin1(_pWidget->metaObject()->className());
    if (const auto* pButton = qobject_cast<const QAbstractButton*>(_pWidget);
        pButton && !pButton->text().isEmpty())
        strName += QStringLiteral(" \"") + pButton->text() + QLatin1Char('"');
    return strName;
}

// Every shown control must lie wholly inside its window, and the window
// inside the screen. A scroll area without scroll bars does not count as a
// way there: nothing shows that there is more to reach.
void vCheckReachable(QWidget* _pPage, const QString& _strName)
{
    const QRect rectScreen = QGuiApplication::primaryScreen()->availableGeometry();
    if (!rectScreen.contains(_pPage->frameGeometry()))
        g_slUnreachable << QStringLiteral("%1: the page itself (%2,%3 %4x%5 on a %6x%7 screen)")
                               .arg(_strName)
                               .arg(_pPage->frameGeometry().x())
                               .arg(_pPage->frameGeometry().y())
                               .arg(_pPage->frameGeometry().width())
                               .arg(_pPage->frameGeometry().height())
                               .arg(rectScreen.width())
                               .arg(rectScreen.height());
    for (QWidget* pWidget : _pPage->findChildren<QWidget*>()) {
        if (!pWidget->isVisible() || pWidget->window() != _pPage || !bIsControl(pWidget))
            continue;
        const QRect rect(pWidget->mapTo(_pPage, QPoint(0, 0)), pWidget->size());
        // The room the control is drawn in: the page, cut by every parent.
        QRect rectRoom = _pPage->rect();
        for (QWidget* pParent = pWidget->parentWidget(); pParent && pParent != _pPage;
             pParent = pParent->parentWidget())
            rectRoom &= QRect(pParent->mapTo(_pPage, QPoint(0, 0)), pParent->size());
        if (rectRoom.contains(rect))
            continue;
        g_slUnreachable << QStringLiteral("%1: %2 at %3,%4 %5x%6 outside %7x%8")
                               .arg(_strName, strControlName(pWidget))
                               .arg(rect.x())
                               .arg(rect.y())
                               .arg(rect.width())
                               .arg(rect.height())
                               .arg(_pPage->width())
                               .arg(_pPage->height());
    }
}

void vSettle(int _s32Ms = 150)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < _s32Ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Shows the page over the whole screen, lets it lay out and saves its picture.
void vShoot(QWidget* _pPage, const QString& _strName, bool _bFullScreen = true)
{
    if (_bFullScreen)
        _pPage->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    _pPage->show();
    _pPage->raise();
    vSettle();
    vCheckReachable(_pPage, _strName);
    const QString path = g_strOut + "/" + _strName + ".png";
    if (!_pPage->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
    _pPage->hide();
}

// The first page of a saved report as <name>.png (pdftoppm from poppler-utils).
void vRenderReport(const QString& _strPdf, const QString& _strName)
{
    const QString base = g_strOut + "/" + _strName;
    if (_strPdf.isEmpty() ||
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {"-png", "-r", "80", "-f", "1", "-l", "1", "-singlefile", _strPdf, base}) != 0) {
        std::fprintf(stderr, "could not render %s\n", qPrintable(_strName));
        return;
    }
    std::printf("%s.png\n", qPrintable(base));
}

// Sample data, as downloaded files (UTF-8 with byte-order mark), placed in
// the download folder so the file pages list them; that folder.
QString strPlaceSampleData()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QDir().mkpath(data);
    QProcess::execute(QStringLiteral(SAMPLEDATA_BIN), {data, "--encoding", "utf8bom"});
    return data;
}

QString strOrdersFile(const QString& _strData)
{
    return _strData + QString::fromUtf8("/Auftr\u00e4ge.csv");
}

// The main window at start and with each list; the drivers list's lines.
QStringList slShootMainWindow(cHaupt* _pHaupt, const QString& _strData)
{
    vShoot(_pHaupt, "main_start");
    vSettle(2200); // the start screen passes

    _pHaupt->strOpenListFile(_strData + "/Kunden.csv");
    vShoot(_pHaupt, "main_customers");
    _pHaupt->strOpenListFile(_strData + QString::fromUtf8("/Schl\u00e4ge.csv"));
    vShoot(_pHaupt, "main_fields");
    _pHaupt->strOpenListFile(_strData + "/Fahrer.csv");
    vShoot(_pHaupt, "main_drivers");
    const QStringList driverLines = _pHaupt->slLines();
    _pHaupt->strOpenListFile(strOrdersFile(_strData));
    vShoot(_pHaupt, "main_orders");
    return driverLines;
}

void vShootSeason(cSaisonData* _pSeason, const QString& _strData)
{
    _pSeason->vSetFileName(QString::fromUtf8("Auftr\u00e4ge.csv"));
    _pSeason->vShowOrderTotals();
    vShoot(_pSeason, "season_totals");
    _pSeason->vSetFileName("Statistik Saison.csv");
    _pSeason->vReadStatisticsFile(_strData + "/Statistik Saison.csv", "Statistik Saison");
    vShoot(_pSeason, "season_file");
}

// An order opened from the list fills all five order pages.
void vShootOrderPages(cHaupt* _pHaupt)
{
    if (auto* view = _pHaupt->findChild<QTreeView*>("treeView"); view && view->model()) {
        _pHaupt->show();
        vSettle();
        emit view->clicked(view->model()->index(2, 0));
        vSettle();
    }
    cOrderPage* orderPages[] = {cHauptUebersicht::instance(), cVerbrauch::instance(),
                                cStreckeAufteilung::instance(), cZeitAufteilung::instance(),
                                cGrafischerUebersicht::instance()};
    const char* orderNames[] = {"order_overview", "order_consumption", "order_distance", "order_time",
                                "order_comparison"};
    for (int i = 0; i < 5; ++i) {
        orderPages[i]->vTakeDataAndPresent();
        vShoot(orderPages[i], orderNames[i]);
    }
}

// A letterhead's logo drawn here: a green disc with the contractor's initials.
QByteArray baSampleLogo()
{
    QImage logo(360, 120, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(46, 125, 50));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(4, 4, 112, 112));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 34, QFont::Bold));
    painter.drawText(QRectF(4, 4, 112, 112), Qt::AlignCenter, QStringLiteral("LB"));
    painter.setPen(QColor(46, 125, 50));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 22, QFont::Bold));
    painter.drawText(QRectF(130, 0, 230, 120), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Lohnbetrieb\nBeispiel"));
    painter.end();
    QByteArray baPng;
    QBuffer buffer(&baPng);
    buffer.open(QIODevice::WriteOnly);
    logo.save(&buffer, "PNG");
    return baPng;
}

// An archive of its own with sample rates and letterhead (the sample
// archive is made later), for the rates page and the bill basis.
QSqlDatabase sampleRatesArchive(QString* _pMessage)
{
    static const QString s_strConnection = QStringLiteral("screenshots-rates");
    static QTemporaryDir s_folder;
    QSqlDatabase::removeDatabase(s_strConnection);
    cArchiveStore store(
        cArchiveStore::sqliteConnection(s_folder.filePath(QStringLiteral("rates.sqlite")), s_strConnection));
    const ArchiveOpenResult opened = store.open();
    *_pMessage = opened.strMessage;
    if (!opened.bUsable())
        return QSqlDatabase();
    BillRates rates;
    rates.defaults = {14500, 9000, 2500, 1900};
    rates.customers.insert(QStringLiteral("4711"), {13000, std::nullopt, 0, std::nullopt});
    Letterhead letterhead;
    letterhead.strName = QStringLiteral("Lohnbetrieb Beispiel");
    letterhead.strAddress = QStringLiteral("Feldweg 1\n38100 Braunschweig");
    letterhead.strVatId = QStringLiteral("DE123456789");
    letterhead.strBank = QStringLiteral("IBAN DE02 1203 0000 0000 2020 51\nBIC BYLADEM1001");
    letterhead.baLogo = baSampleLogo();
    QSqlDatabase database = store.database();
    QSqlError error;
    BillSettings::bSave(database, rates, letterhead, error);
    return database;
}

// The reports of the shown order, the orders list and the season, as the
// buttons write them; the offer after saving is answered with "close".
void vShootReports(cHaupt* _pHaupt, cSaisonData* _pSeason)
{
    QString saved;
    ReportOffer::vSetChooser([&saved](const QString& _strText) {
        saved = _strText.section(QLatin1Char('\n'), 1);
        return ReportOffer::Choice::Close;
    });
    cHauptUebersicht::instance()->vSaveReport();
    vRenderReport(saved, "report_order");
    saved.clear();
    _pHaupt->vExportOrdersPdf();
    vRenderReport(saved, "report_orders");
    saved.clear();
    _pSeason->vSetFileName(QString::fromUtf8("Auftr\u00e4ge.csv"));
    _pSeason->vShowOrderTotals();
    _pSeason->vSaveReport();
    vRenderReport(saved, "report_season");
    // The bill basis of one customer, with the sample rates and letterhead.
    saved.clear();
    _pHaupt->vSetBillArchiveConnector(sampleRatesArchive);
    if (auto* pCustomers = _pHaupt->findChild<QComboBox*>(QStringLiteral("comboBox_Kundenwahl"));
        pCustomers && pCustomers->count() > 1) {
        pCustomers->setCurrentIndex(1);
        _pHaupt->vExportBillPdf();
        vRenderReport(saved, "report_bill");
        pCustomers->setCurrentIndex(0);
    }
    ReportOffer::vSetChooser({});
}

// The driver editor and the yes/no question.
void vShootDialogs(const QStringList& _slDriverLines)
{
    if (_slDriverLines.size() > 1) {
        cEditDialog::instance()->vEditDriver(_slDriverLines.at(1), 1);
        vShoot(cEditDialog::instance(), "driver_editor");
    }
    cYesNoDialog question;
    question.vSetText(QCoreApplication::translate("cHaupt", "Wollen Sie den Eintrag wirklich l\u00f6schen?"));
    vShoot(&question, "yes_no_dialog", false);
}

// The archive page with the local archive, then with a server set up and
// lists waiting for it.
void vShootArchive()
{
    cArchivSeite* pArchive = cArchivSeite::instance();
    pArchive->vSetArchiveState(cArchiveStore::strDefaultPath(), false, 0);
    vShoot(pArchive, "archive");
    ArchiveServer server;
    server.bUse = true;
    server.strHost = "archiv.lohnunternehmen.example";
    server.strDatabase = "ernte";
    server.strUser = "vemo";
    server.strPassword = "geheim";
    server.vSave();
    pArchive->vSetArchiveState(server.strDisplayName(), true, 3);
    vShoot(pArchive, "archive_server");
    ArchiveServer().vSave();
}

// The rates page with a customer of its own, then its letterhead.
void vShootBilling()
{
    cAbrechnungSeite* pBilling = cAbrechnungSeite::instance();
    pBilling->vSetArchiveConnector(sampleRatesArchive);
    vShoot(pBilling, "billing");
    pBilling->findChild<QAbstractButton*>(QStringLiteral("pushButton_Briefkopf"))->click();
    vShoot(pBilling, "billing_letterhead");
}

// The settings with their file pages, and the terminal's pages.
void vShootSettingsAndTerminal(const QString& _strOrders)
{
    cEinstellungen::instance()->vSetPath(_strOrders);
    vShoot(cEinstellungen::instance(), "settings");
    cEinstellungen::instance()->vSetConnectionState(true, "WAB123");
    vShoot(cEinstellungen::instance(), "settings_connected");
    cQuelleVerzeichnis::instance()->vSetCaller(Navigation::Caller::Settings);
    vShoot(cQuelleVerzeichnis::instance(), "source_directory");
    cTreeToDeleteFile::instance()->vSetCaller(Navigation::Caller::Settings);
    vShoot(cTreeToDeleteFile::instance(), "downloaded_files");
    vShoot(cInfoSeite::instance(), "info");
    vShootArchive();
    vShootBilling();
    cfahrzeugelist::instance()->vSetList({"WAB123", "WAB456", "Unbekannte Maschine"});
    vShoot(cfahrzeugelist::instance(), "terminal_list");
    cWhatToDownload::instance()->vSetOrigin(Navigation::Caller::Main);
    vShoot(cWhatToDownload::instance(), "download_selection", false);
    cPWRequest password(nullptr);
    vShoot(&password, "password", false);
}

// The archive in the main window: the chooser's entry, every machine and
// season, then one machine's season, and an order of it with that season's
// averages; back to the orders file after.
void vShootArchiveView(cHaupt* _pHaupt, const QString& _strOrders)
{
    QProcess::execute(QStringLiteral(SAMPLEDATA_BIN),
                      {QStringLiteral("--archive"), QStringLiteral("3000"), cArchiveStore::strDefaultPath()});
    cTreeToDeleteFile::instance()->vSetCaller(Navigation::Caller::Main);
    vShoot(cTreeToDeleteFile::instance(), "downloaded_files_browse");
    _pHaupt->vShowArchive();
    vShoot(_pHaupt, "main_archive");
    for (const char* pSelector : {"comboBox_Maschine", "comboBox_Kampagne"}) {
        if (auto* pCombo = _pHaupt->findChild<QComboBox*>(QLatin1String(pSelector))) {
            pCombo->setCurrentIndex(1);
            emit pCombo->activated(1);
        }
    }
    vShoot(_pHaupt, "main_archive_selected");
    if (auto* view = _pHaupt->findChild<QTreeView*>("treeView"); view && view->model()) {
        _pHaupt->show();
        vSettle();
        emit view->clicked(view->model()->index(0, 0));
        vSettle();
    }
    cHauptUebersicht::instance()->vTakeDataAndPresent();
    vShoot(cHauptUebersicht::instance(), "order_overview_archive");
    _pHaupt->strOpenListFile(_strOrders);
}

// A control off the window cannot be tapped: the run fails and names it.
int s32ReportUnreachable()
{
    const QSize sizeScreen = QGuiApplication::primaryScreen()->size();
    for (const QString& strUnreachable : g_slUnreachable)
        std::fprintf(stderr, "unreachable at %dx%d: %s\n", sizeScreen.width(), sizeScreen.height(),
                     qPrintable(strUnreachable));
    return g_slUnreachable.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + "/.config");
    Q_INIT_RESOURCE(vemoresources);
    // Numbers, dates and sorting as the application shows them in German.
    SettingsStore::vApplyInterfaceLocale();
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots <output folder>\n");
        return 2;
    }
    g_strOut = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_strOut);

    const QString data = strPlaceSampleData();
    // The pages hand the list and the order to each other as in the application.
    Wiring::vConnectPages();
    cHaupt* haupt = cHaupt::instance();
    const QStringList driverLines = slShootMainWindow(haupt, data);
    cSaisonData* season = cSaisonData::instance();
    vShootSeason(season, data);
    vShootOrderPages(haupt);
    vShootReports(haupt, season);
    vShootDialogs(driverLines);
    vShootSettingsAndTerminal(strOrdersFile(data));
    vShootArchiveView(haupt, strOrdersFile(data));

    cLive::instance()->vReceiveLiveData(LiveRecordEncoder::baRecord(typicalLiveRecord()));
    vShoot(cLive::instance(), "live");
    return s32ReportUnreachable();
}
