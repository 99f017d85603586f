// The archive in the main window, filled with a million orders of ten
// machines over ten seasons: how long the user waits for its first screen,
// for each typed character of a search (beside the sqlite3 shell running the
// same query on the same archive), for a machine and a season chosen and
// for a tap on an order with its season's averages; and the memory the view
// takes, which must not grow with the archive.

#include "bench_archiveview.h"

#include "app/messages.h"
#include "data/archivestore.h"
#include "data/archiveview.h"
#include "data/fieldreaders.h"
#include "mainwindow/carchivedisplay.h"
#include "mainwindow/carchiveordermodel.h"
#include "mainwindow/chaupt.h"
#include "statistics/shownlist.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTreeView>
#include <malloc.h>

namespace
{

using namespace Bench;

constexpr int LARGE_ORDERS = 1000000;
constexpr int SMALL_ORDERS = 100000;
constexpr int RUNS = 3;
constexpr int SCROLLED_PAGES = 5;
constexpr double MEMORY_GOAL_MB = 200;
constexpr int GENERATE_TIMEOUT_MS = 60 * 60 * 1000;
constexpr int PEER_TIMEOUT_MS = 10 * 60 * 1000;
const char* const CONNECTION = "bench-archive-view";

// An archive of _s32Orders orders, as the sample data fills it; false with
// the reason on stderr.
bool bGenerateArchive(const QString& _strPath, int _s32Orders)
{
    QDir().mkpath(QFileInfo(_strPath).path());
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral(SAMPLEDATA_BIN), {"--archive", QString::number(_s32Orders), _strPath});
    if (!process.waitForFinished(GENERATE_TIMEOUT_MS) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        vNote(QString("sample archive of %1 orders failed: %2")
                  .arg(_s32Orders)
                  .arg(QString::fromLocal8Bit(process.readAllStandardError())));
        return false;
    }
    return true;
}

// The main window reads the archive at _strPath, connected anew at every
// opening as it connects its own.
void vUseArchive(const MainWindow& _w, const QString& _strPath)
{
    _w.haupt->vSetArchiveConnector([_strPath](QString* _pMessage) {
        QSqlDatabase::removeDatabase(QLatin1String(CONNECTION));
        cArchiveStore store(cArchiveStore::sqliteConnection(_strPath, QLatin1String(CONNECTION)));
        const ArchiveOpenResult opened = store.open();
        if (!opened.bUsable()) {
            *_pMessage = opened.strMessage;
            return QSqlDatabase();
        }
        return store.database();
    });
}

cArchiveOrderModel* model(const MainWindow& _w)
{
    return _w.haupt->archiveDisplay()->model();
}

// A selector of the archive's bar chosen as a finger chooses it.
void vChoose(const MainWindow& _w, const char* _strSelector, int _s32Index)
{
    auto* pSelector = _w.haupt->findChild<QComboBox*>(QLatin1String(_strSelector));
    if (!pSelector || _s32Index >= pSelector->count())
        return;
    pSelector->setCurrentIndex(_s32Index);
    emit pSelector->activated(_s32Index);
    _w.vSettle();
}

QString strChosen(const MainWindow& _w, const char* _strSelector)
{
    auto* pSelector = _w.haupt->findChild<QComboBox*>(QLatin1String(_strSelector));
    return pSelector ? pSelector->currentText() : QString();
}

// Opens the archive, to its first screen painted; false when it did not open.
bool bOpenArchive(const MainWindow& _w)
{
    _w.haupt->vShowArchive();
    _w.vSettle();
    return _w.haupt->bArchiveShown() && model(_w);
}

// ---- the sqlite3 shell beside the list ---------------------------------------------------------

// A bound value written as an SQL literal: texts quoted with their quotes
// doubled, bytes as a blob, numbers as they are.
QString strLiteral(const QVariant& _value)
{
    if (_value.isNull())
        return QStringLiteral("NULL");
    switch (_value.userType()) {
    case QMetaType::QByteArray:
        return QStringLiteral("X'%1'").arg(QString::fromLatin1(_value.toByteArray().toHex()));
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QString::number(_value.toLongLong());
    case QMetaType::Double:
        return QString::number(_value.toDouble(), 'g', 17);
    default: {
        QString str = _value.toString();
        str.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + str + QLatin1Char('\'');
    }
    }
}

// The query with its values in place of the placeholders (outside quotes);
// empty when they do not match up.
QString strInlined(const ArchiveView::Query& _query)
{
    QString strSql;
    int s32Bind = 0;
    QChar quote;
    for (const QChar c : _query.strSql) {
        if (!quote.isNull()) {
            quote = c == quote ? QChar() : quote;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('?')) {
            if (s32Bind >= _query.binds.size())
                return QString();
            strSql += strLiteral(_query.binds.at(s32Bind++));
            continue;
        }
        strSql += c;
    }
    return s32Bind == _query.binds.size() ? strSql : QString();
}

// The sqlite3 shell running the list's first page of what the list shows
// now (median of 3, process start to exit); 0 when the search can find
// nothing (the list asks nothing then), negative when it failed.
double dShellQuery(const QString& _strArchive, const cArchiveOrderModel& _model)
{
    const QString strShell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    const ArchiveView::Query query =
        ArchiveView::query(_model.selection(), _model.layout(), ArchiveSchema::Dialect::Sqlite);
    if (query.bNothing)
        return 0;
    const QString strSql = strInlined(query);
    if (strShell.isEmpty() || strSql.isEmpty())
        return -1;
    const QString strPage = QStringLiteral("%1 LIMIT %2;").arg(strSql).arg(cArchiveOrderModel::PAGE_ROWS);
    bool bOk = true;
    const double dMs = dMedianMs(RUNS, [&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(strShell, {QStringLiteral("-bail"), _strArchive, strPage});
        bOk = process.waitForFinished(PEER_TIMEOUT_MS) && process.exitStatus() == QProcess::NormalExit &&
              process.exitCode() == 0 && bOk;
        if (!bOk)
            vNote(QString("sqlite3 failed on %1: %2")
                      .arg(strPage, QString::fromLocal8Bit(process.readAllStandardError())));
    });
    return bOk ? dMs : -1;
}

// ---- the figures -----------------------------------------------------------------------------

// One text typed a character at a time into the search, three times over
// (cleared between, untimed): each keystroke with the list painted, and
// the sqlite3 shell's query of the same selection.
void vKeystrokes(const MainWindow& _w, const QString& _strArchive, const QString& _strText, double _dBaseline)
{
    QVector<QVector<double>> times(_strText.size());
    QVector<double> shellTimes(_strText.size(), -1);
    QVector<int> rows(_strText.size());
    for (int s32Run = 0; s32Run < RUNS; ++s32Run) {
        for (int i = 0; i < _strText.size(); ++i) {
            times[i].append(dTimeMs([&] {
                _w.search->setText(_strText.left(i + 1));
                _w.vSettle();
            }));
            rows[i] = _w.s32Rows();
            if (s32Run == 0)
                shellTimes[i] = dShellQuery(_strArchive, *model(_w));
        }
        _w.search->clear();
        _w.vSettle();
    }
    for (int i = 0; i < _strText.size(); ++i) {
        const QString strTyped = _strText.left(i + 1);
        const double dMs = dMedian(times.at(i));
        if (g_bTsv)
            vRow("archive_keystroke", QString(), LARGE_ORDERS, dMs, dMs / _dBaseline, strTyped);
        else
            vRow("archive_keystroke", "archive keystroke \"" + strTyped + "\"", LARGE_ORDERS, dMs,
                 dMs / _dBaseline, QString("%1 rows read").arg(rows.at(i)));
        const double dShell = shellTimes.at(i);
        if (dShell < 0) {
            vNote(
                QString("sqlite3 missing or failed: archive_keystroke_peer of \"%1\" skipped").arg(strTyped));
            continue;
        }
        vRow("archive_keystroke_peer", "sqlite3 shell, same query (median of 3)", LARGE_ORDERS, dShell,
             dShell / _dBaseline,
             dShell > 0 ? QString("%1; keystroke/peer %2").arg(strTyped).arg(dMs / dShell, 0, 'f', 2)
                        : QString("%1; nothing to ask").arg(strTyped));
    }
}

// One machine, then one season of it (each median of 3, from every
// machine and season).
void vSelect(const MainWindow& _w, double _dBaseline)
{
    QVector<double> machineTimes;
    QVector<double> seasonTimes;
    for (int s32Run = 0; s32Run < RUNS; ++s32Run) {
        vChoose(_w, "comboBox_Maschine", 0);
        vChoose(_w, "comboBox_Kampagne", 0);
        machineTimes.append(dTimeMs([&] { vChoose(_w, "comboBox_Maschine", 1); }));
        seasonTimes.append(dTimeMs([&] { vChoose(_w, "comboBox_Kampagne", 1); }));
    }
    const double dMachine = dMedian(machineTimes);
    const double dSeason = dMedian(seasonTimes);
    const QString strMachine = strChosen(_w, "comboBox_Maschine");
    vRow("archive_select", "choose a machine (median of 3)", LARGE_ORDERS, dMachine, dMachine / _dBaseline,
         QString("machine %1").arg(strMachine));
    vRow("archive_select", "then a season (median of 3)", LARGE_ORDERS, dSeason, dSeason / _dBaseline,
         QString("machine %1, season %2; %3 rows read")
             .arg(strMachine, strChosen(_w, "comboBox_Kampagne"))
             .arg(_w.s32Rows()));
}

// A tap on the first order of one machine's season, to its pages with that
// season's averages: each on an archive opened anew, so the averages are
// read, not remembered (median of 3).
void vTap(const MainWindow& _w, double _dBaseline)
{
    QVector<double> times;
    QString strScope;
    for (int s32Run = 0; s32Run < RUNS; ++s32Run) {
        if (!bOpenArchive(_w))
            return;
        vChoose(_w, "comboBox_Maschine", 1);
        vChoose(_w, "comboBox_Kampagne", 1);
        if (_w.s32Rows() <= 0) {
            vNote("empty season: archive_tap skipped");
            return;
        }
        const QModelIndex first = _w.view->model()->index(0, 0);
        times.append(dTimeMs([&] {
            QMetaObject::invokeMethod(_w.haupt, "on_treeView_clicked", Q_ARG(QModelIndex, first));
            QApplication::processEvents();
        }));
        strScope = ShownList::state().strAverageScope;
        _w.haupt->showMaximized();
        _w.vSettle();
    }
    const double dTap = dMedian(times);
    vRow("archive_tap", "tap an archived order (median of 3)", LARGE_ORDERS, dTap, dTap / _dBaseline,
         QString("averages of %1").arg(strScope));
}

// The view's way through the archive: open, a few pages scrolled down, a
// search typed, one machine's season chosen. Gives the open's time; the
// row gives the peak resident growth on the way.
double dMemoryWalk(const MainWindow& _w, int _s32Orders, const QString& _strText)
{
    malloc_trim(0);
    const bool bPeakReset = bResetPeakRss();
    const long s64RssBeforeKb = s64StatusKb("VmRSS");
    const long s64MaxRssBeforeKb = s64MaxRssKb();
    bool bOpened = false;
    const double dOpen = dTimeMs([&] { bOpened = bOpenArchive(_w); });
    if (!bOpened)
        return -1;
    for (int i = 0; i < SCROLLED_PAGES; ++i) {
        _w.view->scrollToBottom();
        _w.vSettle();
    }
    const int s32Scrolled = _w.s32Rows();
    for (int i = 0; i < _strText.size(); ++i) {
        _w.search->setText(_strText.left(i + 1));
        _w.vSettle();
    }
    vChoose(_w, "comboBox_Maschine", 1);
    vChoose(_w, "comboBox_Kampagne", 1);
    const long s64PeakKb =
        bPeakReset ? s64StatusKb("VmHWM") - s64RssBeforeKb : s64MaxRssKb() - s64MaxRssBeforeKb;
    const double dMb = s64PeakKb / 1024.0;
    vRow("archive_view_memory", "peak memory of the archive view", _s32Orders, 0, dMb / MEMORY_GOAL_MB,
         QString("peak +%1 MiB (%2); %3 rows scrolled; resident %4 MiB")
             .arg(dMb, 0, 'f', 1)
             .arg(bPeakReset ? "VmHWM after reset" : "ru_maxrss difference")
             .arg(s32Scrolled)
             .arg(s64StatusKb("VmRSS") / 1024.0, 0, 'f', 1));
    return dOpen;
}

} // namespace

namespace Bench
{

void vArchiveView(const MainWindow& _w, const QString& _strHome, double _dBaseline)
{
    if (!_w.view || !_w.search) {
        vNote("no list \"treeView\" or search \"lineEdit\": archive view skipped");
        return;
    }
    // A failure to read the archive is a line here, not a dialog.
    Messages::vSetHook([](QWidget*, const QString& _strText) { vNote("message: " + _strText); });
    const QString strDir = _strHome + "/archiveview";
    const QString strSmall = strDir + "/archive" + QString::number(SMALL_ORDERS) + ".sqlite";
    const QString strLarge = strDir + "/archive" + QString::number(LARGE_ORDERS) + ".sqlite";
    if (!bGenerateArchive(strSmall, SMALL_ORDERS))
        return;
    vUseArchive(_w, strSmall);
    // The same walk's texts on both: a customer's name as found in the data.
    if (!bOpenArchive(_w) || _w.s32Rows() <= 0) {
        vNote("the archive did not open: archive view skipped");
        return;
    }
    const QString strCustomer = RecordFields(model(_w)->row(0).strLine).strClean(3).left(5);
    dMemoryWalk(_w, SMALL_ORDERS, strCustomer);

    if (!bGenerateArchive(strLarge, LARGE_ORDERS))
        return;
    vUseArchive(_w, strLarge);
    // The first opening places the new archive's customers in the sort order.
    const double dFirstOpen = dMemoryWalk(_w, LARGE_ORDERS, strCustomer);
    if (dFirstOpen < 0) {
        vNote("the archive did not open: archive view skipped");
        return;
    }
    vRow("archive_open", "first opening of the archive", LARGE_ORDERS, dFirstOpen, dFirstOpen / _dBaseline,
         "first");
    // The rarer text: the start of the order the walk ended on ("08.09.2005 06:16"), a few orders only.
    const QString strStart =
        _w.s32Rows() > 0 ? RecordFields(model(_w)->row(0).strLine).strClean(8) : QStringLiteral("xyz");
    const double dOpen = dMedianMs(RUNS, [&] { bOpenArchive(_w); });
    vRow("archive_open", "opening again (median of 3)", LARGE_ORDERS, dOpen, dOpen / _dBaseline,
         QString("again; %1 rows read").arg(_w.s32Rows()));

    vKeystrokes(_w, strLarge, strCustomer, _dBaseline);
    vKeystrokes(_w, strLarge, strStart, _dBaseline);
    vSelect(_w, _dBaseline);
    vTap(_w, _dBaseline);
    Messages::vSetHook({});
}

} // namespace Bench
