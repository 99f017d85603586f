#include "benchsupport.h"

#include "mainwindow/chaupt.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace
{

constexpr int START_SCREEN_WAIT_MS = 2200;

} // namespace

namespace Bench
{

bool g_bTsv = false;

void vRow(const char* _strKey, const QString& _strStep, int _s32Records, double _dMs, double _dRatio,
          const QString& _strDetail)
{
    if (g_bTsv) {
        std::printf("%s\t%d\t%.2f\t%.3f\t%s\n", _strKey, _s32Records, _dMs, _dRatio,
                    qUtf8Printable(_strDetail));
    } else {
        // Padded as text: "ü" is one column but two bytes.
        std::printf("%s %9d %12.1f %10.2f", qUtf8Printable(_strStep.leftJustified(40)), _s32Records, _dMs,
                    _dRatio);
        if (!_strDetail.isEmpty())
            std::printf("   %s", qUtf8Printable(_strDetail));
        std::printf("\n");
    }
    std::fflush(stdout);
}

void vNote(const QString& _strText)
{
    std::fprintf(g_bTsv ? stderr : stdout, "%s%s\n", g_bTsv ? "# " : "  ", qUtf8Printable(_strText));
    std::fflush(g_bTsv ? stderr : stdout);
}

void vPrintHeader()
{
    if (g_bTsv)
        std::printf("key\trecords\tms\tratio\tdetail\n");
    else
        std::printf("%-40s %9s %12s %10s\n", "step", "records", "time [ms]", "ratio");
}

double dMedian(QVector<double> _ldValues)
{
    std::sort(_ldValues.begin(), _ldValues.end());
    return _ldValues.isEmpty() ? 0 : _ldValues.at(_ldValues.size() / 2);
}

double dTimeMs(const std::function<void()>& _run)
{
    QElapsedTimer timer;
    timer.start();
    _run();
    return timer.nsecsElapsed() / 1e6;
}

double dMedianMs(int _s32Runs, const std::function<void()>& _run)
{
    QVector<double> times;
    for (int i = 0; i < _s32Runs; ++i)
        times.append(dTimeMs(_run));
    return dMedian(times);
}

void vWaitMs(int _s32Ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < _s32Ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

long s64StatusKb(const char* _strField)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray baField = QByteArray(_strField) + ':';
    for (const QByteArray& baLine : file.readAll().split('\n')) {
        if (baLine.startsWith(baField))
            return baLine.mid(baField.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

long s64MaxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool bResetPeakRss()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (!file.open(QIODevice::WriteOnly) || file.write("5") != 1)
        return false;
    file.close();
    const long s64Peak = s64StatusKb("VmHWM");
    const long s64Now = s64StatusKb("VmRSS");
    return s64Peak >= 0 && s64Now >= 0 && s64Peak <= s64Now + 1024;
}

void MainWindow::vSettle() const
{
    QApplication::processEvents();
    if (view)
        view->viewport()->repaint();
}

int MainWindow::s32Rows() const
{
    return view && view->model() ? view->model()->rowCount() : 0;
}

MainWindow mainWindowShown()
{
    MainWindow w;
    w.haupt = cHaupt::instance();
    w.haupt->resize(1024, 768);
    w.haupt->show();
    vWaitMs(START_SCREEN_WAIT_MS); // the start screen passes before anything is measured
    w.view = w.haupt->findChild<QTreeView*>("treeView");
    w.search = w.haupt->findChild<QLineEdit*>("lineEdit");
    w.sort = w.haupt->findChild<QComboBox*>("comboBox");
    return w;
}

} // namespace Bench
