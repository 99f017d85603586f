// How long the user waits for the main window on a large orders file: the
// first open and re-opens, filter keystrokes, switching the sort, tapping an
// order, the memory the first open takes, the same totals computed by a
// plain Python script, and the start-up of the application; and how long the
// terminal link's reading holds the interface up on a burst of tiny frames;
// and the archive's import of the same file, beside the sqlite3 shell's;
// and the archive in the main window with a million orders
// (bench_archiveview.cpp).
//
// Every time is given as a ratio to a baseline measured in the same run (the
// plain read, Latin-1 decode and line split of the same file; for the
// start-up, a bare Qt window), so figures compare across machines.
//
//   bench_lists            human-readable table
//   bench_lists --tsv      one row per figure: key, records, ms, ratio[, detail]
//   bench_lists --only frames_burst   the baseline and that figure alone
//   bench_lists --only archive_import  (also archive_reimport, archive_import_memory, sqlite3_peer)
//   bench_lists --only archive_view    the baseline and the archive view's figures
//   bench_lists --only bill_pdf        the baseline and the bill basis of one customer
//   bench_lists --startup-child app|hello   (run by the benchmark itself)

#include "app/reportoffer.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "bench_archiveview.h"
#include "benchsupport.h"
#include "data/archivestore.h"
#include "mainwindow/chaupt.h"
#include "terminal/dispatch.h"
#include "terminal/framing.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <malloc.h>

// Outside any namespace: the macro declares the resource collection's
// initialiser at the scope it is used in.
static void vInitResources()
{
    Q_INIT_RESOURCE(vemoresources);
}

namespace
{

using namespace Bench;

constexpr int RECORDS = 100000;
constexpr int STARTUP_RUNS = 5;
constexpr int CHILD_TIMEOUT_MS = 60000;
constexpr int BURST_FRAMES = 320000;

// ---- files ----------------------------------------------------------------------------------

// The baseline: read the whole file, decode it and split it into lines.
int s32ReadAndSplit(const QString& _strPath)
{
    QFile file(_strPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    return QString::fromLatin1(bytes.constData(), bytes.size()).split('\n').size();
}

QString strGenerate(const QString& _strDir, int _s32Records)
{
    QDir().mkpath(_strDir);
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral(SAMPLEDATA_BIN), {_strDir, "--records", QString::number(_s32Records)});
    process.waitForFinished(-1);
    return _strDir + QString::fromUtf8("/Auftr\u00e4ge.csv");
}

// ---- the terminal link ---------------------------------------------------------------------

// One read that carries many one-byte frames, as a device on the network can
// send them: the frame reader cuts them all out and the dispatch decides on
// each, as the link does on the interface's thread (median of 3).
void vFramesBurst(double _dBaseline)
{
    QByteArray baStream;
    baStream.reserve(BURST_FRAMES * 5);
    for (int i = 0; i < BURST_FRAMES; ++i)
        baStream += baFrame(QByteArray(1, char('a' + i % 26)));
    int s32Unknown = 0;
    const double dMs = dMedianMs(3, [&] {
        cFrameReader reader;
        reader.vAppend(baStream);
        QByteArray baMessage;
        s32Unknown = 0;
        while (reader.eTakeNext(baMessage) == cFrameReader::eNext::Message)
            s32Unknown += eClassifyAnswer(baMessage) == eAnswerRow::Unknown;
    });
    vRow("frames_burst", "burst of one-byte frames in one read", BURST_FRAMES, dMs, dMs / _dBaseline,
         QString("%1 frames dispatched").arg(s32Unknown));
}

// ---- the archive ---------------------------------------------------------------------------

// The figures of the archive import of the large file: the import into a new
// archive against the sqlite3 shell's own ".import" of the same file, the
// same file again, and the memory an import takes.
struct ArchiveFigures {
    bool bImport = false;   // archive_import with its peer
    bool bReimport = false; // archive_reimport
    bool bMemory = false;   // archive_import_memory
};

// Reads the file and imports it, as the application does with a file that
// arrives; false with the message on stderr when it failed.
bool bArchiveImport(const QString& _strArchive, const QString& _strPath,
                    ArchiveImportResult* _pResult = nullptr)
{
    const QString strConnection = QStringLiteral("bench-archive");
    bool bOk = false;
    {
        cArchiveStore store(cArchiveStore::sqliteConnection(_strArchive, strConnection));
        QFile file(_strPath);
        if (file.open(QIODevice::ReadOnly)) {
            ArchiveInput input;
            input.strFileName = QFileInfo(_strPath).fileName();
            input.baContent = file.readAll();
            input.arrived = QDateTime::currentDateTimeUtc();
            QString strMessage;
            const ArchiveImportResult result = store.importFile(input, &strMessage);
            bOk = result.bOk();
            if (!bOk)
                vNote(QString("archive import failed: %1").arg(strMessage));
            if (_pResult)
                *_pResult = result;
        }
        store.vClose();
    }
    QSqlDatabase::removeDatabase(strConnection);
    return bOk;
}

// The sqlite3 shell imports the file into one table whose columns are the
// file's header (median of 3, each into a new database); negative when it
// is missing or failed.
double dSqlitePeer(const QString& _strDir, const QString& _strPath)
{
    const QString strSqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (strSqlite.isEmpty()) {
        vNote("sqlite3 not found: sqlite3_peer and archive_import skipped");
        return -1;
    }
    QVector<double> times;
    for (int i = 0; i < 3; ++i) {
        const QString strDatabase = QString("%1/peer%2.sqlite").arg(_strDir).arg(i);
        QString strQuoted = _strPath;
        strQuoted.replace('\'', "''");
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        const double dMs = dTimeMs([&] {
            process.start(strSqlite, {strDatabase, QStringLiteral(".separator ;"),
                                      QString(".import '%1' orders").arg(strQuoted)});
            process.waitForFinished(10 * CHILD_TIMEOUT_MS);
        });
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            vNote(QString("sqlite3 peer failed: %1")
                      .arg(QString::fromLocal8Bit(process.readAllStandardError())));
            return -1;
        }
        times.append(dMs);
    }
    return dMedian(times);
}

void vArchive(const QString& _strHome, const QString& _strPath, double _dBaseline,
              const ArchiveFigures& _figures)
{
    const QString strDir = _strHome + "/archive";
    QDir().mkpath(strDir);
    const qint64 s64FileBytes = QFileInfo(_strPath).size();
    const double dPeer = _figures.bImport ? dSqlitePeer(strDir, _strPath) : -1;
    if (dPeer > 0)
        vRow("sqlite3_peer", "sqlite3 shell .import (median of 3)", RECORDS, dPeer, dPeer / _dBaseline);
    // Each import into a new archive; the first with the memory it takes
    // (what the steps before freed goes back to the system first).
    QVector<double> times;
    QString strArchive;
    for (int i = 0; i < (dPeer > 0 ? 3 : 1); ++i) {
        strArchive = QString("%1/archive%2.sqlite").arg(strDir).arg(i);
        malloc_trim(0);
        const bool bPeakReset = i == 0 && bResetPeakRss();
        const long s64RssBeforeKb = s64StatusKb("VmRSS");
        const long s64MaxRssBeforeKb = s64MaxRssKb();
        ArchiveImportResult result;
        bool bOk = false;
        times.append(dTimeMs([&] { bOk = bArchiveImport(strArchive, _strPath, &result); }));
        if (!bOk)
            return;
        if (i == 0 && _figures.bMemory) {
            const long s64PeakKb =
                bPeakReset ? s64StatusKb("VmHWM") - s64RssBeforeKb : s64MaxRssKb() - s64MaxRssBeforeKb;
            vRow("archive_import_memory", "peak memory of an archive import", RECORDS, 0,
                 s64PeakKb * 1024.0 / double(s64FileBytes),
                 QString("peak +%1 MiB, file %2 MiB (%3)")
                     .arg(s64PeakKb / 1024.0, 0, 'f', 1)
                     .arg(s64FileBytes / 1048576.0, 0, 'f', 1)
                     .arg(bPeakReset ? "VmHWM after reset" : "ru_maxrss difference"));
        }
    }
    if (dPeer > 0) {
        const double dImport = dMedian(times);
        vRow("archive_import", "archive import, new archive (median of 3)", RECORDS, dImport, dImport / dPeer,
             QString("ratio to sqlite3_peer; %1 x baseline").arg(dImport / _dBaseline, 0, 'f', 2));
    }
    if (!_figures.bReimport)
        return;
    // The same file again, arriving later: every record unchanged.
    ArchiveImportResult result;
    const double dReimport = dMedianMs(3, [&] { bArchiveImport(strArchive, _strPath, &result); });
    vRow("archive_reimport", "archive import of the same file again (median of 3)", RECORDS, dReimport,
         dReimport / _dBaseline,
         QString("%1 new, %2 changed, %3 unchanged")
             .arg(result.s32New)
             .arg(result.s32Changed)
             .arg(result.s32Unchanged));
}

// ---- start-up children ----------------------------------------------------------------------

// Ends the event loop right after the watched widget's first paint event has
// been handled.
class cQuitAfterFirstPaint : public QObject
{
public:
    bool eventFilter(QObject* _pWatched, QEvent* _pEvent) override
    {
        if (_pEvent->type() == QEvent::Paint && !m_bSeen) {
            m_bSeen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(_pWatched, _pEvent);
    }

private:
    bool m_bSeen = false;
};

// "app": what the application's main() does, up to the start screen painted;
// "hello": a bare window of the same size.
int s32StartupChild(const QString& _strKind, int argc, char* argv[])
{
    QApplication app(argc, argv);
    cQuitAfterFirstPaint quitter;
    int s32Result = 0;
    QTimer::singleShot(CHILD_TIMEOUT_MS / 2, qApp, [&s32Result] {
        s32Result = 3; // never painted
        QCoreApplication::quit();
    });
    if (_strKind == QLatin1String("app")) {
        vInitResources();
        const QString language = SettingsStore::LANGUAGE.tValue();
        QTranslator translator;
        translator.load(SettingsStore::strCatalogueName(language), QStringLiteral(":/"));
        app.installTranslator(&translator);
        SettingsStore::vApplyInterfaceLocale();
        Wiring::vConnectAll();
        cHaupt::instance()->installEventFilter(&quitter);
        cHaupt::instance()->showMaximized();
        const int s32Exec = app.exec();
        return s32Result ? s32Result : s32Exec;
    }
    if (_strKind == QLatin1String("hello")) {
        QWidget window;
        window.installEventFilter(&quitter);
        window.showMaximized();
        const int s32Exec = app.exec();
        return s32Result ? s32Result : s32Exec;
    }
    return 2;
}

// Spawn to exit of one start-up child; negative when it failed.
double dChildMs(const QString& _strKind)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), {"--startup-child", _strKind});
    if (!process.waitForFinished(CHILD_TIMEOUT_MS)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    const double dMs = timer.nsecsElapsed() / 1e6;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? dMs : -1;
}

// ---- the steps ------------------------------------------------------------------------------

const QStringList c_slArchiveKeys{"archive_import", "sqlite3_peer", "archive_reimport",
                                  "archive_import_memory"};

const QString c_strArchiveViewKey = QStringLiteral("archive_view");
const QString c_strBillKey = QStringLiteral("bill_pdf");

// A contractor's bill basis as PDF: one customer's 2,000 orders (taken from
// the large file) chosen in the list and exported, file written.
constexpr int BILL_ORDERS = 2000;

void vBillPdf(const MainWindow& _w, const QString& _strHome, const QString& _strPath, double _dBaseline)
{
    QFile file(_strPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = file.readAll().split('\n');
    // The customer of the second record, and 2,000 of their orders.
    const QByteArray baCustomer = lines.value(1).split(';').value(2);
    QByteArray baBill = lines.value(0) + '\n';
    int s32Orders = 0;
    for (int i = 1; i < lines.size() && s32Orders < BILL_ORDERS; ++i) {
        if (lines.at(i).split(';').value(2) == baCustomer) {
            baBill += lines.at(i) + '\n';
            ++s32Orders;
        }
    }
    const QString strBillPath = _strHome + QString::fromUtf8("/bill/Auftr\u00e4ge.csv");
    QDir().mkpath(QFileInfo(strBillPath).path());
    QFile bill(strBillPath);
    if (!bill.open(QIODevice::WriteOnly) || bill.write(baBill) != baBill.size())
        return;
    bill.close();
    _w.haupt->strOpenListFile(strBillPath);
    _w.vSettle();
    auto* pCustomers = _w.haupt->findChild<QComboBox*>(QStringLiteral("comboBox_Kundenwahl"));
    const int s32Customer =
        pCustomers ? pCustomers->findText(QStringLiteral("(%1)").arg(QString::fromLatin1(baCustomer)),
                                          Qt::MatchEndsWith)
                   : -1;
    if (s32Customer <= 0) {
        vNote("bill_pdf: the customer is not offered");
        return;
    }
    pCustomers->setCurrentIndex(s32Customer);
    _w.vSettle();
    ReportOffer::vSetChooser([](const QString&) { return ReportOffer::Choice::Close; });
    const double dBill = dMedianMs(3, [&] { _w.haupt->vExportBillPdf(); });
    ReportOffer::vSetChooser({});
    vRow("bill_pdf", "bill basis of one customer as PDF (median of 3)", s32Orders, dBill, dBill / _dBaseline);
    pCustomers->setCurrentIndex(0);
}

// --only KEY: the baseline and that figure, without the main window (an
// archive key runs the imports it needs, printing what they give; the
// archive view's figures need the main window).
int s32Only(const QString& _strHome, const QString& _strKey)
{
    const MainWindow w =
        _strKey == c_strArchiveViewKey || _strKey == c_strBillKey ? mainWindowShown() : MainWindow();
    vPrintHeader();
    const QString strPath = strGenerate(_strHome + "/orders" + QString::number(RECORDS), RECORDS);
    int s32Lines = 0;
    const double dBaseline = dMedianMs(3, [&] { s32Lines = s32ReadAndSplit(strPath); });
    vRow("baseline", "read and split (baseline)", RECORDS, dBaseline, 1, QString("%1 lines").arg(s32Lines));
    if (_strKey == QLatin1String("frames_burst")) {
        vFramesBurst(dBaseline);
        return 0;
    }
    if (_strKey == c_strArchiveViewKey) {
        vArchiveView(w, _strHome, dBaseline);
        return 0;
    }
    if (_strKey == c_strBillKey) {
        vBillPdf(w, _strHome, strPath, dBaseline);
        return 0;
    }
    ArchiveFigures figures;
    figures.bImport = _strKey == QLatin1String("archive_import") || _strKey == QLatin1String("sqlite3_peer");
    figures.bReimport = _strKey == QLatin1String("archive_reimport");
    figures.bMemory = _strKey == QLatin1String("archive_import_memory");
    vArchive(_strHome, strPath, dBaseline, figures);
    return 0;
}

// Smaller files first: they warm up the code paths, and show the growth.
void vSmallerFiles(const MainWindow& _w, const QString& _strHome)
{
    for (int s32Records : {1000, 10000}) {
        const QString strPath = strGenerate(_strHome + "/orders" + QString::number(s32Records), s32Records);
        const double dBaseline = dMedianMs(3, [&] { s32ReadAndSplit(strPath); });
        const double dOpen = dMedianMs(3, [&] {
            _w.haupt->strOpenListFile(strPath);
            _w.vSettle();
        });
        if (!g_bTsv) {
            vRow("", "read and split (baseline)", s32Records, dBaseline, 1);
            vRow("", "open orders file (median of 3)", s32Records, dOpen, dOpen / dBaseline,
                 QString("%1 rows").arg(_w.s32Rows()));
        }
    }
}

// The memory the first open of the large file takes.
struct FirstOpen {
    bool bPeakReset = false;
    long s64PeakKb = 0;
    long s64RetainedKb = 0;
};

// The first open of the large file, with the memory it takes on its way.
// What the baseline and the smaller lists freed goes back to the system
// first: the open would otherwise reuse it unseen.
FirstOpen firstOpen(const MainWindow& _w, const QString& _strPath, double _dBaseline)
{
    FirstOpen open;
    malloc_trim(0);
    open.bPeakReset = bResetPeakRss();
    const long s64RssBeforeKb = s64StatusKb("VmRSS");
    const long s64MaxRssBeforeKb = s64MaxRssKb();
    const double dOpen = dTimeMs([&] {
        _w.haupt->strOpenListFile(_strPath);
        _w.vSettle();
    });
    open.s64PeakKb =
        open.bPeakReset ? s64StatusKb("VmHWM") - s64RssBeforeKb : s64MaxRssKb() - s64MaxRssBeforeKb;
    open.s64RetainedKb = s64StatusKb("VmRSS") - s64RssBeforeKb;
    vRow("open", "first open, to the list painted", RECORDS, dOpen, dOpen / _dBaseline,
         QString("%1 rows").arg(_w.s32Rows()));
    return open;
}

// The first letter narrows the whole list, the second narrows it further;
// clearing the field brings every entry back.
void vKeystrokes(const MainWindow& _w, double _dBaseline)
{
    if (!_w.search) {
        vNote("no filter field \"lineEdit\": keystrokes skipped");
        return;
    }
    for (const QString& strText : {QStringLiteral("M"), QString::fromUtf8("M\u00fc"), QString()}) {
        const double dMs = dTimeMs([&] {
            _w.search->setText(strText);
            _w.vSettle();
        });
        if (g_bTsv)
            vRow("keystroke", QString(), RECORDS, dMs, dMs / _dBaseline, strText);
        else
            vRow("keystroke", strText.isEmpty() ? "keystroke: clear" : "keystroke \"" + strText + "\"",
                 RECORDS, dMs, dMs / _dBaseline, QString("%1 rows shown").arg(_w.s32Rows()));
    }
}

void vResort(const MainWindow& _w, double _dBaseline)
{
    if (!_w.sort || _w.sort->count() <= 1) {
        vNote("no sort selector \"comboBox\": re-sorting skipped");
        return;
    }
    _w.sort->setCurrentIndex(0);
    _w.vSettle();
    const double dCustomer = dTimeMs([&] {
        _w.sort->setCurrentIndex(1);
        _w.vSettle();
    });
    vRow("resort_customer", "sort by customer", RECORDS, dCustomer, dCustomer / _dBaseline);
    const double dNumber = dTimeMs([&] {
        _w.sort->setCurrentIndex(0);
        _w.vSettle();
    });
    vRow("resort_number", "sort by number again", RECORDS, dNumber, dNumber / _dBaseline);
}

void vOrderTap(const MainWindow& _w, double _dBaseline)
{
    if (_w.s32Rows() <= 0) {
        vNote("empty list: order tap skipped");
        return;
    }
    QVector<double> times;
    for (int i = 0; i < 3; ++i) {
        const QModelIndex first = _w.view->model()->index(0, 0);
        times.append(dTimeMs([&] {
            QMetaObject::invokeMethod(_w.haupt, "on_treeView_clicked", Q_ARG(QModelIndex, first));
            QApplication::processEvents();
        }));
        _w.haupt->showMaximized();
        _w.vSettle();
    }
    const double dTap = dMedian(times);
    vRow("order_tap", "tap an order (median of 3)", RECORDS, dTap, dTap / _dBaseline);
}

// The shown orders exported as a table and as a report, written to the
// reports folder; the offer after saving is answered with "close".
void vExports(const MainWindow& _w, double _dBaseline)
{
    if (_w.s32Rows() <= 0)
        return;
    ReportOffer::vSetChooser([](const QString&) { return ReportOffer::Choice::Close; });
    const double dCsv = dTimeMs([&] { _w.haupt->vExportOrdersCsv(); });
    vRow("export_csv", "export the shown orders as CSV", RECORDS, dCsv, dCsv / _dBaseline);
    const double dPdf = dTimeMs([&] { _w.haupt->vExportOrdersPdf(); });
    vRow("export_pdf", "export the shown orders as PDF", RECORDS, dPdf, dPdf / _dBaseline);
    const double dIsoXml = dTimeMs([&] { _w.haupt->vExportOrdersIsoXml(); });
    vRow("export_isoxml", "export the shown orders as ISOXML", RECORDS, dIsoXml, dIsoXml / _dBaseline);
    ReportOffer::vSetChooser({});
}

// The area and the averages of the Python script, beside the main window's own.
void vCompareWithPeer(const cOrderTotals& _totals, const QByteArray& _baPeerOutput)
{
    QStringList slFigures = QString::fromUtf8(_baPeerOutput).trimmed().split('\n');
    const int s32Averages = slFigures.indexOf(QRegularExpression("^ha per hour\t.*"));
    slFigures = slFigures.mid(1, 1) + (s32Averages < 0 ? QStringList() : slFigures.mid(s32Averages));
    vNote(QString("python: %1").arg(slFigures.join("; ").replace('\t', ' ')));
    vNote(QString("app:    area %1 ha; ha per hour %2; harvest speed %3 km/h; empty run %4 m/ha; "
                  "harvest fuel %5 l/ha; field fuel %6 l/ha; bunker loads %7 1/ha")
              .arg(_totals.fArea(), 0, 'f', 3)
              .arg(_totals.hectaresPerHour().value_or(0), 0, 'f', 3)
              .arg(_totals.harvestSpeed().value_or(0), 0, 'f', 3)
              .arg(_totals.emptyRunMetresPerHectare().value_or(0), 0, 'f', 3)
              .arg(_totals.harvestFuelPerHectare().value_or(0), 0, 'f', 3)
              .arg(_totals.fieldFuelPerHectare().value_or(0), 0, 'f', 3)
              .arg(_totals.bunkerLoadsPerHectare().value_or(0), 0, 'f', 3));
}

// The same totals, computed by a plain Python script over the same file.
void vPythonPeer(const MainWindow& _w, const QString& _strPath, double _dBaseline)
{
    const QString strPython = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (strPython.isEmpty()) {
        vNote("python3 not found: python_peer skipped");
        return;
    }
    QByteArray baPeerOutput;
    bool bPeerOk = true;
    const double dPeer = dMedianMs(3, [&] {
        QProcess process;
        process.start(strPython, {QStringLiteral(PYTHON_PEER), _strPath});
        bPeerOk = process.waitForFinished(10 * CHILD_TIMEOUT_MS) &&
                  process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && bPeerOk;
        baPeerOutput = process.readAllStandardOutput();
    });
    if (!bPeerOk) {
        vNote("python peer failed: python_peer skipped");
        return;
    }
    vRow("python_peer", "python csv peer (median of 3)", RECORDS, dPeer, dPeer / _dBaseline);
    if (!g_bTsv)
        vCompareWithPeer(_w.haupt->orderTotals(), baPeerOutput);
}

// Start-up: this program started as the application and as a bare window, in
// turns, after one untimed run of each (disk cache).
void vStartup()
{
    dChildMs(QStringLiteral("hello"));
    dChildMs(QStringLiteral("app"));
    QVector<double> appTimes;
    QVector<double> helloTimes;
    for (int i = 0; i < STARTUP_RUNS; ++i) {
        helloTimes.append(dChildMs(QStringLiteral("hello")));
        appTimes.append(dChildMs(QStringLiteral("app")));
    }
    const double dHello = dMedian(helloTimes);
    const double dApp = dMedian(appTimes);
    const auto bFailed = [](double _dMs) { return _dMs < 0; };
    if (std::any_of(helloTimes.begin(), helloTimes.end(), bFailed) ||
        std::any_of(appTimes.begin(), appTimes.end(), bFailed))
        vNote("a start-up child failed or timed out: startup skipped");
    else
        vRow("startup", "start-up to start screen (median of 5)", 0, dApp, dApp / dHello,
             QString("hello window %1 ms").arg(dHello, 0, 'f', 1));
}

// Memory of the first open, against the file's size.
void vPeakMemory(const FirstOpen& _open, qint64 _s64FileBytes)
{
    const double dPeakRatio = _open.s64PeakKb * 1024.0 / double(_s64FileBytes);
    vRow("peak_memory", "peak memory of the first open", RECORDS, 0, dPeakRatio,
         QString("%1 KB/record; peak +%2 MiB, retained +%3 MiB, file %4 MiB (%5)")
             .arg(double(_open.s64PeakKb) / RECORDS, 0, 'f', 3)
             .arg(_open.s64PeakKb / 1024.0, 0, 'f', 1)
             .arg(_open.s64RetainedKb / 1024.0, 0, 'f', 1)
             .arg(_s64FileBytes / 1048576.0, 0, 'f', 1)
             .arg(_open.bPeakReset ? "VmHWM after reset" : "ru_maxrss difference"));
}

} // namespace

int main(int argc, char* argv[])
{
    QString strOnly;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--startup-child") == 0 && i + 1 < argc)
            return s32StartupChild(QString::fromLocal8Bit(argv[i + 1]), argc, argv);
        if (std::strcmp(argv[i], "--tsv") == 0)
            Bench::g_bTsv = true;
        if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            strOnly = QString::fromLocal8Bit(argv[++i]);
    }
    if (!strOnly.isEmpty() && strOnly != QLatin1String("frames_burst") && strOnly != c_strArchiveViewKey &&
        strOnly != c_strBillKey && !c_slArchiveKeys.contains(strOnly)) {
        std::fprintf(stderr, "bench_lists: --only knows frames_burst, %s, %s, %s\n",
                     qPrintable(c_slArchiveKeys.join(QLatin1String(", "))), qPrintable(c_strArchiveViewKey),
                     qPrintable(c_strBillKey));
        return 2;
    }

    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    QApplication app(argc, argv);
    vInitResources();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + "/.config");
    // Numbers, dates and sorting in the interface language, as the application starts.
    SettingsStore::vApplyInterfaceLocale();
    // The pages among themselves, as in the application (a tap on an order
    // opens the order pages); the terminal link stays unwired.
    Wiring::vConnectPages();

    if (!strOnly.isEmpty())
        return s32Only(home.path(), strOnly);

    const MainWindow w = mainWindowShown();
    vPrintHeader();
    vSmallerFiles(w, home.path());

    const QString strPath = strGenerate(home.path() + "/orders" + QString::number(RECORDS), RECORDS);
    const qint64 s64FileBytes = QFileInfo(strPath).size();
    int s32Lines = 0;
    const double dBaseline = dMedianMs(3, [&] { s32Lines = s32ReadAndSplit(strPath); });
    vRow("baseline", "read and split (baseline)", RECORDS, dBaseline, 1,
         QString("%1 lines, %2 MB").arg(s32Lines).arg(s64FileBytes / 1e6, 0, 'f', 1));
    vFramesBurst(dBaseline);
    w.vSettle();

    const FirstOpen open = firstOpen(w, strPath, dBaseline);
    const double dReopen = dMedianMs(3, [&] {
        w.haupt->strOpenListFile(strPath);
        w.vSettle();
    });
    vRow("reopen", "re-open (median of 3)", RECORDS, dReopen, dReopen / dBaseline);

    vKeystrokes(w, dBaseline);
    vResort(w, dBaseline);
    vOrderTap(w, dBaseline);
    vExports(w, dBaseline);
    vPythonPeer(w, strPath, dBaseline);
    vBillPdf(w, home.path(), strPath, dBaseline);
    vStartup();
    vPeakMemory(open, s64FileBytes);
    vArchive(home.path(), strPath, dBaseline, ArchiveFigures{true, true, true});
    vArchiveView(w, home.path(), dBaseline);
    return 0;
}
