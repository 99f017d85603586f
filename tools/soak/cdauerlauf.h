#pragma once

#include "tools/soak/soakfigures.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QStringList>

#include <functional>

class QWidget;
class cEinstellungen;
class cHaupt;
class cLive;
class cSSLClient;
class cSaisonData;

// What a soak run does and what it tolerates.
struct SoakOptions {
    int s32Minutes = 60;
    int s32BreakAfterMs = 120000; // the terminal ends each connection this long after the login
    int s32DownloadEverySec = 60; // a round of all six downloads
    int s32SampleEverySec = 10;   // resident memory
    int s32WarmUpSec = -1;        // samples left out of the growth; -1: 5 min, at most a third of the run
    double dGrowthLimitMbPerHour = 1.0;
    int s32ReconnectLimitMs = 6000; // two periods of the quiet search

    int s32WarmUpSeconds() const;
};

// The application's pages and wiring, driven for a soak run as a user
// would: connect from the settings page, watch the live view at 500 ms,
// fetch all six kinds of data now and then, and start the live view again
// after each reconnect, which the app makes by itself after the terminal
// broke the connection. Meanwhile it samples this process's resident memory
// and times every reconnect from the loss to the next login.
//
// Runs in the app's network namespace; the simulated terminal is already up
// in its own. Prints a line for every event and a summary at the end.
class cDauerlauf : public QObject
{
    Q_OBJECT

public:
    cDauerlauf(const SoakOptions& _options, const QString& _strPassword);

    // The whole run; the exit code: 0 when every figure is within its limit.
    int s32Run();

    // Ends the run early (from a signal handler: only sets a flag); the
    // summary covers what was run so far.
    static void vRequestStop();

private:
    void vLog(const QString& _strText) const;
    QString strClock() const;
    qint64 s64Now() const { return m_clock.elapsed(); }
    bool bStopRequested() const;

    bool bWaitFor(const std::function<bool()>& _fnDone, int _s32TimeoutMs);
    bool bClick(QWidget* _pPage, const char* _strName);
    void vProblem(const QString& _strText);

    bool bStartApplication();
    bool bConnectFromSettings();
    bool bShowMainWindow();
    bool bStartLive();
    void vDownloadRound();
    void vCheckLiveFlow();
    void vSampleMemory();
    void vConnectionStateChanged(bool _bConnected, bool _bByUser);
    void vLiveRecord();
    int s32Summary();
    QList<double> reconnectTimes(double _dRunSec, QStringList& _slFailures) const;
    void vPrintSummary(double _dRunSec, const QList<double>& _ldTimes, const SoakFigures::Memory& _memory,
                       const QStringList& _slFailures) const;

    SoakOptions m_options;
    QByteArray m_baPassword;
    QElapsedTimer m_clock;
    qint64 m_s64End = 0;

    cSSLClient* m_pLink = nullptr;
    cHaupt* m_pHaupt = nullptr;
    cEinstellungen* m_pSettings = nullptr;
    cSaisonData* m_pSeason = nullptr;
    cLive* m_pLive = nullptr;

    // Connection.
    bool m_bConnected = false;
    int m_s32Losses = 0;
    qint64 m_s64LostAt = -1; // ms, while a reconnect is awaited
    QList<double> m_ldReconnectSec;
    qint64 m_s64NextReconnectWarning = 0;

    // Live view.
    bool m_bLiveExpected = false; // StartLIVE sent on this connection, page shown
    qint64 m_s64LiveSince = 0;    // ms of StartLIVE, or of the last record
    qint64 m_s64LongestLiveGapMs = 0;
    bool m_bLiveStallTold = false;
    int m_s32LiveRecords = 0;

    // Downloads.
    QStringList m_slRoundFiles;
    int m_s32DownloadRounds = 0;
    int m_s32InterruptedRounds = 0;
    int m_s32Files = 0;
    qint64 m_s64NextDownload = 0;

    // Memory: x in s, y in MB.
    QList<QPointF> m_lRssSamples;

    QStringList m_slMessages; // information boxes the app would have shown
    QStringList m_slProblems;
};
