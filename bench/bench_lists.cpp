// Measures how long the main window takes to open orders files of growing
// size, one filter keystroke on the largest and opening an order's pages.
// Every time is also given as a ratio to the plain read-and-split of the same
// file, measured in the same run, so figures compare across machines.

#include "mainwindow/chaupt.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeView>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace
{

double dMedianMs(int _s32Runs, const std::function<void()>& _run)
{
    QVector<double> times;
    for (int i = 0; i < _s32Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        _run();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

long s64PeakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The baseline: read the whole file and split it into lines, nothing else.
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
    QProcess::execute(QStringLiteral(SAMPLEDATA_BIN), {_strDir, "--records", QString::number(_s32Records)});
    return _strDir + QString::fromUtf8("/Auftr\u00e4ge.csv");
}

void vWaitMs(int _s32Ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < _s32Ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + "/.config");

    cHaupt* haupt = cHaupt::instance();
    haupt->resize(1024, 768);
    haupt->show();
    vWaitMs(2200); // the start screen passes before anything is measured

    auto* view = haupt->findChild<QTreeView*>("treeView");
    auto* search = haupt->findChild<QLineEdit*>("lineEdit");

    std::printf("%-34s %12s %12s %10s %12s\n", "step", "records", "time [ms]", "ratio", "peak [MB]");
    QString largest;
    double largestBaseline = 1;
    for (int records : {1000, 10000, 100000}) {
        const QString path = strGenerate(home.path() + "/orders" + QString::number(records), records);
        const double baseline = dMedianMs(3, [&] { s32ReadAndSplit(path); });
        const double open = dMedianMs(3, [&] { haupt->strOpenListFile(path); });
        const int rows = view && view->model() ? view->model()->rowCount() : 0;
        std::printf("%-34s %12d %12.1f %10s %12.1f\n", "read and split (baseline)", records, baseline, "1.0",
                    s64PeakMemoryKb() / 1024.0);
        std::printf("%-34s %12d %12.1f %10.1f %12.1f   (%d rows)\n", "open orders file", records, open,
                    open / baseline, s64PeakMemoryKb() / 1024.0, rows);
        largest = path;
        largestBaseline = baseline;
    }

    if (search) {
        // Typing the first letter narrows the whole list; clearing the field
        // brings every entry back (and sorts them again).
        auto vKeystroke = [&](const char* _strStep, const QString& _strText) {
            QElapsedTimer timer;
            timer.start();
            search->setText(_strText);
            const double ms = timer.nsecsElapsed() / 1e6;
            std::printf("%-34s %12d %12.1f %10.1f %12.1f   (%d rows shown)\n", _strStep, 100000, ms,
                        ms / largestBaseline, s64PeakMemoryKb() / 1024.0, view->model()->rowCount());
        };
        vKeystroke("filter keystroke \"M\" (largest)", QStringLiteral("M"));
        vKeystroke("filter keystroke \"M\u00fc\" (largest)", QString::fromUtf8("M\u00fc"));
        vKeystroke("clear the filter (largest)", QString());
    }

    if (view && view->model() && view->model()->rowCount() > 0) {
        const QModelIndex first = view->model()->index(0, 0);
        const double order = dMedianMs(3, [&] {
            emit view->clicked(first);
            QApplication::processEvents();
            haupt->showMaximized();
        });
        std::printf("%-34s %12d %12.1f %10.1f %12.1f\n", "open an order's pages (largest)", 100000, order,
                    order / largestBaseline, s64PeakMemoryKb() / 1024.0);
    }
    return 0;
}
