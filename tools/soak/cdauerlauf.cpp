#include "tools/soak/cdauerlauf.h"

#include "app/messages.h"
#include "app/wiring.h"
#include "live/clive.h"
#include "mainwindow/chaupt.h"
#include "settings/ceinstellungen.h"
#include "statistics/csaisondata.h"
#include "terminal/cfahrzeugelist.h"
#include "terminal/csslclient.h"
#include "terminal/cwhattodownload.h"
#include "tools/soak/soakfigures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <csignal>

namespace
{

volatile std::sig_atomic_t s_bStop = 0;

const int ALL_KINDS = 6;
// Longest wait for a page to appear, for all files of a round, for the first login.
const int PAGE_TIMEOUT_MS = 5000;
const int ROUND_TIMEOUT_MS = 60000;
const int FIRST_LOGIN_TIMEOUT_MS = 15000;
// Six intervals of 500 ms without a record while the live view should run.
const int LIVE_STALL_MS = 3000;

QString strSeconds(double _dSeconds)
{
    return QString::number(_dSeconds, 'f', 2) + QStringLiteral(" s");
}

// The resident memory of this process in MB; -1 when /proc cannot tell.
double dResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray& baLine : status.readAll().split('\n')) {
        if (!baLine.startsWith("VmRSS:"))
            continue;
        bool bOk = false;
        const double dKb = baLine.mid(6).trimmed().split(' ').value(0).toDouble(&bOk);
        return bOk ? dKb / 1024.0 : -1.0;
    }
    return -1.0;
}

} // namespace

int SoakOptions::s32WarmUpSeconds() const
{
    return s32WarmUpSec >= 0 ? s32WarmUpSec : std::min(300, s32Minutes * 60 / 3);
}

cDauerlauf::cDauerlauf(const SoakOptions& _options, const QString& _strPassword)
    : m_options(_options), m_baPassword(_strPassword.toUtf8())
{
}

void cDauerlauf::vRequestStop()
{
    s_bStop = 1;
}

bool cDauerlauf::bStopRequested() const
{
    return s_bStop != 0;
}

QString cDauerlauf::strClock() const
{
    const qint64 s64Ms = s64Now();
    return QStringLiteral("[%1:%2.%3]")
        .arg(s64Ms / 60000, 3, 10, QLatin1Char('0'))
        .arg(s64Ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(s64Ms / 100 % 10);
}

void cDauerlauf::vLog(const QString& _strText) const
{
    QTextStream(stdout) << strClock() << ' ' << _strText << Qt::endl;
}

void cDauerlauf::vProblem(const QString& _strText)
{
    m_slProblems << strClock() + ' ' + _strText;
    vLog(QStringLiteral("PROBLEM: ") + _strText);
}

bool cDauerlauf::bWaitFor(const std::function<bool()>& _fnDone, int _s32TimeoutMs)
{
    return QTest::qWaitFor([&] { return _fnDone() || bStopRequested(); }, _s32TimeoutMs) && !bStopRequested();
}

// Taps a button the user can see; one that is hidden is no problem of its
// own: the caller decides what it means.
bool cDauerlauf::bClick(QWidget* _pPage, const char* _strName)
{
    auto* pButton = _pPage->findChild<QPushButton*>(QLatin1String(_strName));
    if (!pButton || !pButton->isVisible())
        return false;
    QTest::mouseClick(pButton, Qt::LeftButton);
    return true;
}

// ---- the run ---------------------------------------------------------------------------------

int cDauerlauf::s32Run()
{
    m_clock.start();
    m_s64End = qint64(m_options.s32Minutes) * 60000;
    vLog(QStringLiteral("soak run of %1 min: live records every 500 ms, the terminal breaks each connection "
                        "%2 s after the login, all six downloads every %3 s, memory every %4 s")
             .arg(m_options.s32Minutes)
             .arg(m_options.s32BreakAfterMs / 1000.0)
             .arg(m_options.s32DownloadEverySec)
             .arg(m_options.s32SampleEverySec));

    QTimer sampler;
    sampler.setInterval(m_options.s32SampleEverySec * 1000);
    connect(&sampler, &QTimer::timeout, this, &cDauerlauf::vSampleMemory);
    vSampleMemory();
    sampler.start();

    if (bStartApplication() && bConnectFromSettings()) {
        m_s64NextDownload = s64Now() + m_options.s32DownloadEverySec * 1000;
        while (s64Now() < m_s64End && !bStopRequested()) {
            if (!m_pLink->bConnected()) {
                // The app searches quietly by itself; the driver only waits.
                bWaitFor([this] { return m_pLink->bConnected() || s64Now() >= m_s64End; }, 500);
                if (m_s64LostAt >= 0 && s64Now() >= m_s64NextReconnectWarning) {
                    vLog(QStringLiteral("still not connected again after %1")
                             .arg(strSeconds((s64Now() - m_s64LostAt) / 1000.0)));
                    m_s64NextReconnectWarning = s64Now() + 10000;
                }
                continue;
            }
            if (!m_bLiveExpected) {
                if (!bStartLive() && m_pLink->bConnected()) {
                    vProblem(QStringLiteral("the live view could not be started"));
                    bWaitFor([] { return false; }, 1000);
                }
                continue;
            }
            if (s64Now() >= m_s64NextDownload) {
                vDownloadRound();
                m_s64NextDownload = s64Now() + m_options.s32DownloadEverySec * 1000;
                continue;
            }
            vCheckLiveFlow();
            bWaitFor([] { return false; }, 200);
        }
    }
    sampler.stop();
    vSampleMemory();
    if (m_pLink && m_pLink->bConnected()) {
        if (m_pLive->isVisible())
            QTest::keyClick(m_pLive, Qt::Key_Escape);
        m_pLink->vDisconnect(true);
        QTest::qWait(200);
    }
    return s32Summary();
}

bool cDauerlauf::bStartApplication()
{
    // No box may wait for a tap that never comes; none is expected either.
    Messages::vSetHook([this](QWidget*, const QString& _strText) {
        m_slMessages << _strText;
        vProblem(QStringLiteral("message box: ") + _strText);
    });
    // As the program starts up.
    Wiring::vConnectAll();
    m_pLink = cSSLClient::instance();
    m_pHaupt = cHaupt::instance();
    m_pSettings = cEinstellungen::instance();
    m_pSeason = cSaisonData::instance();
    m_pLive = cLive::instance();
    m_pLink->vSetPasswordProvider(
        [this](const cSSLClient::PasswordRequest&, const cSSLClient::PasswordAnswer& _fnAnswer) {
            vLog(QStringLiteral("the terminal asks for its password"));
            _fnAnswer(true, m_baPassword);
        });
    // The simulator keeps its certificate: a question about a changed one
    // is a fault of the run.
    m_pLink->vSetCertificateQuestionProvider(
        [this](const cSSLClient::CertificateQuestion&, const cSSLClient::CertificateAnswer& _fnAnswer) {
            vProblem(QStringLiteral("the app asks whether to trust a changed certificate"));
            _fnAnswer(false);
        });
    // Connected after the wiring: the pages have taken each report in first.
    connect(m_pLink, &cSSLClient::connectionStateChanged, this,
            [this](bool _bConnected, bool _bByUser, const QString&) {
                vConnectionStateChanged(_bConnected, _bByUser);
            });
    connect(m_pLink, &cSSLClient::liveDataReceived, this, &cDauerlauf::vLiveRecord);
    connect(m_pLink, &cSSLClient::fileReceived, this,
            [this](const QString&, const QString& _strName) { m_slRoundFiles << _strName; });

    m_pHaupt->showMaximized();
    if (!QTest::qWaitForWindowExposed(m_pHaupt)) {
        vProblem(QStringLiteral("the main window did not appear"));
        return false;
    }
    // A tap on the makers' logo ends the start screen.
    if (!bClick(m_pHaupt, "pushButton_LindqvarthLogo") ||
        !bWaitFor(
            [this] { return m_pHaupt->findChild<QPushButton*>("pushButton_Einstellungen")->isVisible(); },
            PAGE_TIMEOUT_MS)) {
        vProblem(QStringLiteral("the start screen did not end"));
        return false;
    }
    return true;
}

bool cDauerlauf::bConnectFromSettings()
{
    if (!bClick(m_pHaupt, "pushButton_Einstellungen") ||
        !bWaitFor([this] { return m_pSettings->isVisible(); }, PAGE_TIMEOUT_MS)) {
        vProblem(QStringLiteral("the settings page did not open"));
        return false;
    }
    // Live records every 500 ms: the first refresh choice.
    auto* pRefresh = m_pSettings->findChild<QComboBox*>(QStringLiteral("comboBox"));
    if (!pRefresh || !pRefresh->isVisible()) {
        vProblem(QStringLiteral("the settings page shows no refresh choice"));
        return false;
    }
    pRefresh->setCurrentIndex(0);
    vLog(QStringLiteral("live refresh: %1").arg(pRefresh->currentText()));

    if (!bClick(m_pSettings, "pushButton_terminalSuchen") ||
        !bWaitFor([this] { return m_pLink->bConnected(); }, FIRST_LOGIN_TIMEOUT_MS)) {
        vProblem(QStringLiteral("the search from the settings page found no terminal to log in to"));
        return false;
    }
    if (m_pSettings->isVisible())
        bClick(m_pSettings, "pushButton_Einstellungen_abbrechen");
    if (!bWaitFor([this] { return m_pHaupt->isVisible(); }, PAGE_TIMEOUT_MS)) {
        vProblem(QStringLiteral("the main window did not come back from the settings page"));
        return false;
    }
    return true;
}

bool cDauerlauf::bShowMainWindow()
{
    if (m_pLive->isVisible())
        QTest::keyClick(m_pLive, Qt::Key_Escape);
    m_bLiveExpected = false;
    cWhatToDownload* pSelection = cWhatToDownload::instance();
    if (pSelection->isVisible())
        bClick(pSelection, "pushButton_Close");
    if (m_pSeason->isVisible())
        bClick(m_pSeason, "pushButton_back");
    if (cfahrzeugelist::instance()->isVisible())
        vProblem(QStringLiteral("the list of terminals was shown"));
    return bWaitFor([this] { return m_pHaupt->isVisible(); }, PAGE_TIMEOUT_MS);
}

bool cDauerlauf::bStartLive()
{
    if (!bShowMainWindow())
        return false;
    // The button is back once the terminal's answer to a download has come.
    auto* pLiveButton = m_pHaupt->findChild<QPushButton*>(QStringLiteral("pushButton_Live"));
    if (!bWaitFor([pLiveButton] { return pLiveButton->isVisible(); }, PAGE_TIMEOUT_MS) ||
        !bClick(m_pHaupt, "pushButton_Live") ||
        !bWaitFor([this] { return m_pLive->isVisible(); }, PAGE_TIMEOUT_MS))
        return false;
    m_bLiveExpected = true;
    m_bLiveStallTold = false;
    m_s64LiveSince = s64Now();
    return true;
}

void cDauerlauf::vDownloadRound()
{
    const qint64 s64Start = s64Now();
    const int s32LossesBefore = m_s32Losses;
    cWhatToDownload* pSelection = cWhatToDownload::instance();
    if (!bShowMainWindow() || !bClick(m_pHaupt, "pushButton_Download") ||
        !bWaitFor([pSelection] { return pSelection->isVisible(); }, PAGE_TIMEOUT_MS)) {
        if (m_s32Losses == s32LossesBefore)
            vProblem(QStringLiteral("the download selection did not open"));
        return;
    }
    for (QCheckBox* pBox : pSelection->findChildren<QCheckBox*>())
        pBox->setChecked(true);
    m_slRoundFiles.clear();
    bClick(pSelection, "pushButton_OK");
    bWaitFor(
        [this, s32LossesBefore] {
            return m_slRoundFiles.size() >= ALL_KINDS || m_s32Losses != s32LossesBefore;
        },
        ROUND_TIMEOUT_MS);
    // The last file is read when its report has been handled; a moment for
    // the pages to show it.
    QTest::qWait(50);
    if (m_slRoundFiles.size() >= ALL_KINDS) {
        ++m_s32DownloadRounds;
        m_s32Files += m_slRoundFiles.size();
        vLog(QStringLiteral("downloads: %1 files in %2 (%3)")
                 .arg(m_slRoundFiles.size())
                 .arg(strSeconds((s64Now() - s64Start) / 1000.0), m_slRoundFiles.join(QStringLiteral(", "))));
    } else if (m_s32Losses != s32LossesBefore) {
        ++m_s32InterruptedRounds;
        m_s32Files += m_slRoundFiles.size();
        vLog(QStringLiteral("downloads: the connection broke after %1 of %2 files")
                 .arg(m_slRoundFiles.size())
                 .arg(ALL_KINDS));
    } else if (!bStopRequested()) {
        vProblem(QStringLiteral("downloads: only %1 of %2 files within %3 s")
                     .arg(m_slRoundFiles.size())
                     .arg(ALL_KINDS)
                     .arg(ROUND_TIMEOUT_MS / 1000));
    }
}

void cDauerlauf::vCheckLiveFlow()
{
    if (!m_bLiveExpected || m_bLiveStallTold || !m_pLink->bConnected())
        return;
    if (s64Now() - m_s64LiveSince > LIVE_STALL_MS) {
        m_bLiveStallTold = true;
        vProblem(QStringLiteral("no live record for %1 while the live view runs")
                     .arg(strSeconds((s64Now() - m_s64LiveSince) / 1000.0)));
    }
}

void cDauerlauf::vLiveRecord()
{
    ++m_s32LiveRecords;
    if (!m_bLiveExpected)
        return;
    m_s64LongestLiveGapMs = std::max(m_s64LongestLiveGapMs, s64Now() - m_s64LiveSince);
    m_s64LiveSince = s64Now();
}

void cDauerlauf::vConnectionStateChanged(bool _bConnected, bool _bByUser)
{
    if (_bConnected) {
        if (!m_bConnected && m_s64LostAt >= 0) {
            const double dSeconds = (s64Now() - m_s64LostAt) / 1000.0;
            m_ldReconnectSec << dSeconds;
            vLog(QStringLiteral("reconnect #%1: logged in again %2 after the loss%3")
                     .arg(m_ldReconnectSec.size())
                     .arg(strSeconds(dSeconds))
                     .arg(dSeconds * 1000 > m_options.s32ReconnectLimitMs ? QStringLiteral(" (TOO SLOW)")
                                                                          : QString()));
        } else if (!m_bConnected) {
            vLog(QStringLiteral("logged in"));
        }
        m_bConnected = true;
        m_s64LostAt = -1;
        return;
    }
    // Each failed attempt while the app searches is told as another loss;
    // the reconnect is timed from the first.
    if (!m_bConnected)
        return;
    m_bConnected = false;
    m_bLiveExpected = false;
    if (_bByUser)
        return;
    ++m_s32Losses;
    m_s64LostAt = s64Now();
    m_s64NextReconnectWarning = m_s64LostAt + 10000;
    vLog(QStringLiteral("connection lost"));
}

void cDauerlauf::vSampleMemory()
{
    const double dMb = dResidentMb();
    if (dMb < 0) {
        vProblem(QStringLiteral("the resident memory cannot be read from /proc/self/status"));
        return;
    }
    m_lRssSamples << QPointF(s64Now() / 1000.0, dMb);
    vLog(QStringLiteral("rss %1 MB").arg(dMb, 0, 'f', 2));
}

// ---- summary ---------------------------------------------------------------------------------

int cDauerlauf::s32Summary()
{
    const double dRunSec = s64Now() / 1000.0;
    QStringList slFailures;
    const QList<double> ldTimes = reconnectTimes(dRunSec, slFailures);

    // Growth after the warm-up.
    const SoakFigures::Memory memory = SoakFigures::memory(m_lRssSamples, m_options.s32WarmUpSeconds());
    if (memory.lAfterWarmUp.size() < 3)
        slFailures << QStringLiteral("too few memory samples after the warm-up for a growth figure");
    else if (memory.dGrowthMbPerHour >= m_options.dGrowthLimitMbPerHour)
        slFailures << QStringLiteral("memory grows by %1 MB/h").arg(memory.dGrowthMbPerHour, 0, 'f', 2);
    if (!m_slProblems.isEmpty())
        slFailures << QStringLiteral("%1 problems in the run").arg(m_slProblems.size());
    if (bStopRequested())
        slFailures << QStringLiteral("stopped before its end");

    vPrintSummary(dRunSec, ldTimes, memory, slFailures);
    return slFailures.isEmpty() ? 0 : 1;
}

// The reconnect times; one still awaited at the end counts with its time so
// far. Adds the failures of the reconnects to _slFailures.
QList<double> cDauerlauf::reconnectTimes(double _dRunSec, QStringList& _slFailures) const
{
    QList<double> ldTimes = m_ldReconnectSec;
    const double dLimitSec = m_options.s32ReconnectLimitMs / 1000.0;
    if (m_s64LostAt >= 0 && (s64Now() - m_s64LostAt) / 1000.0 > dLimitSec) {
        ldTimes << (s64Now() - m_s64LostAt) / 1000.0;
        _slFailures << QStringLiteral("the connection lost at %1 s was not back at the end")
                           .arg(m_s64LostAt / 1000.0, 0, 'f', 1);
    }
    const int s32Slow = int(std::count_if(ldTimes.cbegin(), ldTimes.cend(),
                                          [dLimitSec](double _dSec) { return _dSec > dLimitSec; }));
    if (s32Slow > 0)
        _slFailures
            << QStringLiteral("%1 reconnects took longer than %2").arg(s32Slow).arg(strSeconds(dLimitSec));
    // A run long enough for two breaks that saw none has not tested reconnects.
    if (m_ldReconnectSec.isEmpty() && _dRunSec * 1000 > 2.0 * m_options.s32BreakAfterMs + 10000)
        _slFailures << QStringLiteral("no reconnect happened");
    return ldTimes;
}

void cDauerlauf::vPrintSummary(double _dRunSec, const QList<double>& _ldTimes,
                               const SoakFigures::Memory& _memory, const QStringList& _slFailures) const
{
    QTextStream out(stdout);
    out << "\n==== soak summary ====\n";
    out << QStringLiteral("run             %1 min\n").arg(_dRunSec / 60.0, 0, 'f', 1);
    if (_ldTimes.isEmpty()) {
        out << QStringLiteral("reconnects      0 (%1 losses)\n").arg(m_s32Losses);
    } else {
        out << QStringLiteral("reconnects      %1   min %2   median %3   max %4   (limit %5)\n")
                   .arg(m_ldReconnectSec.size())
                   .arg(strSeconds(*std::min_element(_ldTimes.cbegin(), _ldTimes.cend())),
                        strSeconds(SoakFigures::dMedian(_ldTimes)),
                        strSeconds(*std::max_element(_ldTimes.cbegin(), _ldTimes.cend())),
                        strSeconds(m_options.s32ReconnectLimitMs / 1000.0));
    }
    out << QStringLiteral("downloads       %1 rounds of all six, %2 cut short by a break, %3 files\n")
               .arg(m_s32DownloadRounds)
               .arg(m_s32InterruptedRounds)
               .arg(m_s32Files);
    out << QStringLiteral("live records    %1, longest gap while shown %2\n")
               .arg(m_s32LiveRecords)
               .arg(strSeconds(m_s64LongestLiveGapMs / 1000.0));
    out << QStringLiteral(
               "memory (RSS)    start %1 MB, after warm-up %2 MB, end %3 MB, max %4 MB, %5 samples\n")
               .arg(_memory.dFirst, 0, 'f', 2)
               .arg(_memory.dWarmUpEnd, 0, 'f', 2)
               .arg(_memory.dLast, 0, 'f', 2)
               .arg(_memory.dMax, 0, 'f', 2)
               .arg(m_lRssSamples.size());
    out << QStringLiteral(
               "growth          %1 MB/h (least squares over %2 samples after %3 s warm-up; limit %4 "
               "MB/h)\n")
               .arg(_memory.dGrowthMbPerHour, 0, 'f', 3)
               .arg(_memory.lAfterWarmUp.size())
               .arg(double(m_options.s32WarmUpSeconds()))
               .arg(m_options.dGrowthLimitMbPerHour, 0, 'f', 1);
    out << QStringLiteral("message boxes   %1\n").arg(m_slMessages.size());
    out << QStringLiteral("problems        %1\n").arg(m_slProblems.size());
    for (const QString& strProblem : m_slProblems)
        out << "  " << strProblem << '\n';
    out << "result          " << (_slFailures.isEmpty() ? QStringLiteral("PASS") : QStringLiteral("FAIL"))
        << '\n';
    for (const QString& strFailure : _slFailures)
        out << "  " << strFailure << '\n';
    out.flush();
}
