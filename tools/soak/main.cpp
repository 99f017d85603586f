// vemo-soak: the application's pages and wiring against the simulated
// terminal for a long run (see tools/soak.sh): reconnects after the
// terminal's breaks, live records at 500 ms, downloads of all kinds, and the
// process's resident memory sampled throughout.
//
// Discovery needs real broadcasts to a 192.168 network, so the run uses two
// network namespaces joined by a veth pair (root only): started normally the
// program makes them, starts the simulator in the terminal's namespace and
// runs itself again inside the app's namespace, where the pages live. Both
// namespaces and the simulator are removed at the end, also after Ctrl+C.

#include "netnspair.h"
#include "testsupport.h"
#include "tools/soak/cdauerlauf.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <unistd.h>

namespace
{

// Handed from the outer run to the inner one.
const char* const ENV_INNER = "VEMO_SOAK_INNER";

const char* const SUBNET = "192.168.216";
const char* const CHASSIS = "SOAK1";
const char* const SERIAL = "LQ-SOAK-1";
const char* const PASSWORD = "dauer";

volatile std::sig_atomic_t s_bOuterStop = 0;

void vOnSignal(int)
{
    s_bOuterStop = 1;
    cDauerlauf::vRequestStop();
}

void vCatchSignals()
{
    struct sigaction action = {};
    action.sa_handler = vOnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// The offscreen platform says for every window that it cannot do what a
// window system does (propagateSizeHints(), raise()); that says nothing
// about the app and would drown the run's own lines.
QtMessageHandler s_fnDefault = nullptr;

void vFilterMessages(QtMsgType _eType, const QMessageLogContext& _context, const QString& _strText)
{
    if (_eType == QtWarningMsg && _strText.startsWith(QLatin1String("This plugin does not support")))
        return;
    s_fnDefault(_eType, _context, _strText);
}

void vSay(const QString& _strText)
{
    QTextStream(stdout) << "vemo-soak: " << _strText << Qt::endl;
}

bool bPositive(const QCommandLineParser& _parser, const QString& _strName, int& _s32Value)
{
    if (!_parser.isSet(_strName))
        return true;
    bool bOk = false;
    const int s32Value = _parser.value(_strName).toInt(&bOk);
    if (!bOk || s32Value <= 0) {
        vSay(QStringLiteral("--%1 needs a whole number above 0").arg(_strName));
        return false;
    }
    _s32Value = s32Value;
    return true;
}

bool bParseOptions(const QCoreApplication& _app, SoakOptions& _options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Soak run of the application against the simulated terminal in two network namespaces (root only)."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("minutes"), QStringLiteral("Length of the run (default 60)."), QStringLiteral("min")},
        {QStringLiteral("break-after"),
         QStringLiteral("The terminal breaks each connection this long after the login (default 120000)."),
         QStringLiteral("ms")},
        {QStringLiteral("download-every"), QStringLiteral("A round of all six downloads (default 60)."),
         QStringLiteral("s")},
        {QStringLiteral("sample-every"), QStringLiteral("Resident memory sample (default 10)."),
         QStringLiteral("s")},
        {QStringLiteral("warm-up"),
         QStringLiteral("Samples left out of the growth figure (default 300, at most a third of the run)."),
         QStringLiteral("s")},
    });
    parser.process(_app);
    if (!bPositive(parser, QStringLiteral("minutes"), _options.s32Minutes) ||
        !bPositive(parser, QStringLiteral("break-after"), _options.s32BreakAfterMs) ||
        !bPositive(parser, QStringLiteral("download-every"), _options.s32DownloadEverySec) ||
        !bPositive(parser, QStringLiteral("sample-every"), _options.s32SampleEverySec))
        return false;
    if (parser.isSet(QStringLiteral("warm-up"))) {
        bool bOk = false;
        _options.s32WarmUpSec = parser.value(QStringLiteral("warm-up")).toInt(&bOk);
        if (!bOk || _options.s32WarmUpSec < 0) {
            vSay(QStringLiteral("--warm-up needs seconds"));
            return false;
        }
    }
    return true;
}

// Runs the event loop until the process ends, the time is up or a signal
// asks to stop; true when it ended by itself.
bool bWaitForEnd(QProcess& _process, qint64 _s64TimeoutMs)
{
    if (_process.state() == QProcess::NotRunning)
        return true;
    QEventLoop loop;
    QObject::connect(&_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (s_bOuterStop || clock.elapsed() > _s64TimeoutMs)
            loop.quit();
    });
    poll.start(200);
    loop.exec();
    return _process.state() == QProcess::NotRunning;
}

void vEnd(QProcess& _process)
{
    if (_process.state() == QProcess::NotRunning)
        return;
    _process.kill();
    _process.waitForFinished(5000);
}

// Starts the simulated terminal in its namespace, serving _strData, with its
// certificate and clients in _strWork; false (said, and the simulator
// ended) when its start line does not come.
bool bStartSimulator(QProcess& _simulator, const cNetnsPair& _netns, const QString& _strWork,
                     const QString& _strData, const SoakOptions& _options)
{
    _simulator.setProcessChannelMode(QProcess::MergedChannels);
    // "ip netns exec" replaces itself with the simulator: the process is the simulator.
    _simulator.start(QStringLiteral("ip"),
                     {"netns", "exec", _netns.strTerminalNs(), QStringLiteral(VEMO_SIM_BINARY), "--chassis",
                      CHASSIS, "--serial", SERIAL, "--password", PASSWORD, "--data", _strData, "--cert-dir",
                      _strWork + "/cert", "--state", _strWork + "/terminal-clients.txt", "--break-after",
                      QString::number(_options.s32BreakAfterMs), "--quiet"});
    // Its start line comes once its ports are open.
    QByteArray baOutput;
    while (!baOutput.contains("vemo-terminal-sim:") && _simulator.waitForReadyRead(20000))
        baOutput += _simulator.readAll();
    if (!baOutput.contains("vemo-terminal-sim:")) {
        vSay(QStringLiteral("the simulator did not start: ") + QString::fromLocal8Bit(baOutput));
        vEnd(_simulator);
        return false;
    }
    vSay(QStringLiteral("simulated terminal %1 at %2 (namespace %3), the app at %4 (namespace %5)")
             .arg(QLatin1String(CHASSIS), _netns.strTerminalAddress(), _netns.strTerminalNs(),
                  _netns.strClientAddress(), _netns.strClientNs()));
    // Whatever it says later (it is quiet otherwise) goes to this output.
    QObject::connect(&_simulator, &QProcess::readyRead, [&_simulator] {
        QTextStream(stdout) << "simulator: " << _simulator.readAll() << Qt::flush;
    });
    return true;
}

// Starts this program again in the app's namespace, for the inner run.
void vStartInner(QProcess& _inner, const cNetnsPair& _netns, const QStringList& _slInnerArgs)
{
    // VEMO_SOAK_WRAPPER runs the app's side under a tool, e.g. "heaptrack -o /tmp/soak".
    QStringList slCommand{QCoreApplication::applicationFilePath()};
    const QString strWrapper = qEnvironmentVariable("VEMO_SOAK_WRAPPER");
    if (!strWrapper.isEmpty())
        slCommand = strWrapper.split(QLatin1Char(' '), Qt::SkipEmptyParts) + slCommand;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(ENV_INNER, QStringLiteral("1"));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    _inner.setProcessEnvironment(environment);
    _inner.setProcessChannelMode(QProcess::ForwardedChannels);
    _inner.start(QStringLiteral("ip"),
                 QStringList{"netns", "exec", _netns.strClientNs()} + slCommand + _slInnerArgs);
}

// Waits for the inner run: its exit code, or 2 when it did not start, 3 when
// it crashed or did not end in time.
int s32InnerResult(QProcess& _inner, const SoakOptions& _options)
{
    // The inner run ends itself on time, and on a signal with its summary.
    const qint64 s64Allowed = qint64(_options.s32Minutes) * 60000 + 120000;
    if (!_inner.waitForStarted(10000)) {
        vSay(QStringLiteral("the run in the app's namespace did not start"));
        return 2;
    }
    if (!bWaitForEnd(_inner, s64Allowed)) {
        if (s_bOuterStop) {
            _inner.terminate();
            bWaitForEnd(_inner, 20000);
        }
        if (_inner.state() != QProcess::NotRunning)
            vSay(QStringLiteral("the run did not end in time"));
        vEnd(_inner);
        return 3;
    }
    if (_inner.exitStatus() != QProcess::NormalExit) {
        vSay(QStringLiteral("the application crashed"));
        return 3;
    }
    return _inner.exitCode();
}

int s32RunOutside(const SoakOptions& _options, const QStringList& _slInnerArgs)
{
    if (geteuid() != 0) {
        vSay(QStringLiteral("the run needs root: the app and the simulated terminal find each other by "
                            "broadcasts, which need two network namespaces of their own. Run it as root, "
                            "e.g. sudo tools/soak.sh"));
        return 2;
    }
    cNetnsPair netns(QStringLiteral("sc"), QStringLiteral("st"), QString::fromLatin1(SUBNET));
    QString strSkip;
    if (!netns.bCreate(&strSkip)) {
        vSay(strSkip.isEmpty() ? QStringLiteral("the network namespaces could not be set up") : strSkip);
        return 2;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        vSay(QStringLiteral("no temporary folder"));
        return 2;
    }
    // The terminal serves the sample exports, as the demo does.
    const QString strTerminalData = work.path() + QStringLiteral("/terminal");
    if (QProcess::execute(QStringLiteral(VEMO_SAMPLEDATA_BINARY), {strTerminalData}) != 0) {
        vSay(QStringLiteral("the sample data could not be written"));
        return 2;
    }
    QProcess simulator;
    if (!bStartSimulator(simulator, netns, work.path(), strTerminalData, _options))
        return 2;

    QProcess inner;
    vStartInner(inner, netns, _slInnerArgs);
    int s32Result = s32InnerResult(inner, _options);
    if (simulator.state() == QProcess::NotRunning) {
        vSay(QStringLiteral("the simulator ended during the run"));
        s32Result = s32Result ? s32Result : 3;
    }
    vEnd(simulator);
    netns.vRemove();
    return s32Result;
}

} // namespace

int main(int argc, char* argv[])
{
    vCatchSignals();
    SoakOptions options;
    if (qEnvironmentVariableIsSet(ENV_INNER)) {
        QApplication app(argc, argv);
        s_fnDefault = qInstallMessageHandler(vFilterMessages);
        if (!bParseOptions(app, options))
            return 2;
        // A home, settings store and download folder of its own.
        TestSupport::vIsolate();
        cDauerlauf run(options, QString::fromLatin1(PASSWORD));
        return run.s32Run();
    }
    QCoreApplication app(argc, argv);
    if (!bParseOptions(app, options))
        return 2;
    return s32RunOutside(options, app.arguments().mid(1));
}
