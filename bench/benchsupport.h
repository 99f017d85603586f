#pragma once

// What the benchmark's figures share: the output rows, timing and medians,
// memory readings and the main window waited for until painted.

#include <QString>
#include <QVector>

#include <functional>

class QComboBox;
class QLineEdit;
class QTreeView;
class cHaupt;

namespace Bench
{

// ---- output ---------------------------------------------------------------------------------

// Tab-separated rows (--tsv) instead of the table.
extern bool g_bTsv;

// One figure. In the table the step names it; in the tsv output the key does,
// with the detail (e.g. the typed text) as an extra column.
void vRow(const char* _strKey, const QString& _strStep, int _s32Records, double _dMs, double _dRatio,
          const QString& _strDetail = QString());
// A line only the table shows (tsv readers get it on stderr).
void vNote(const QString& _strText);
void vPrintHeader();

// ---- timing ---------------------------------------------------------------------------------

double dMedian(QVector<double> _ldValues);
double dTimeMs(const std::function<void()>& _run);
double dMedianMs(int _s32Runs, const std::function<void()>& _run);
// Keeps the event loop turning for _s32Ms.
void vWaitMs(int _s32Ms);

// ---- memory ---------------------------------------------------------------------------------

// A "VmXXX:" line of /proc/self/status in kB; -1 when there is none.
long s64StatusKb(const char* _strField);
long s64MaxRssKb();
// Sets the peak resident size back to the current one (Linux: "5" written to
// clear_refs). False when that is not possible or did not take.
bool bResetPeakRss();

// ---- the main window ------------------------------------------------------------------------

struct MainWindow {
    cHaupt* haupt = nullptr;
    QTreeView* view = nullptr;
    QLineEdit* search = nullptr;
    QComboBox* sort = nullptr;

    // What a user action leads to, up to the list painted.
    void vSettle() const;
    int s32Rows() const;
};

// The main window as the application shows it, after the start screen.
MainWindow mainWindowShown();

} // namespace Bench
