// vemo-terminal-sim: a stand-in for the harvester's cab terminal, for
// development, demonstrations and the tests of the terminal link.

#include "terminal/protocol.h"
#include "tools/simulator/simconfig.h"
#include "tools/simulator/simdatafolder.h"
#include "tools/simulator/terminalsimserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

namespace
{

void vFail(const QString& _strText)
{
    QTextStream(stderr) << "vemo-terminal-sim: " << _strText << '\n';
    std::exit(2);
}

quint16 u16Port(const QCommandLineParser& _parser, const QString& _strOption, quint16 _u16Default)
{
    if (!_parser.isSet(_strOption))
        return _u16Default;
    bool bOk = false;
    const uint port = _parser.value(_strOption).toUInt(&bOk);
    if (!bOk || port > 65535)
        vFail(QStringLiteral("--%1 needs a port number 0..65535").arg(_strOption));
    return quint16(port);
}

QString strPrintable(const QByteArray& _baMessage)
{
    QByteArray shown = _baMessage.left(60);
    for (char& c : shown) {
        if (uchar(c) < 32 || uchar(c) > 126)
            c = '.';
    }
    return QString::fromLatin1(shown) + (_baMessage.size() > 60 ? QStringLiteral("...") : QString());
}

// Fills an empty data folder: from the configured sample folder, otherwise
// with the files of the sample data generator.
void vSeedDataFolder(const QString& _strFolder)
{
    QDir().mkpath(_strFolder);
    if (!QDir(_strFolder).entryList(QDir::Files).isEmpty())
        return;
    const QString samples = QStringLiteral(VEMO_SIM_SAMPLE_DATA);
    if (!samples.isEmpty()) {
        SimDataFolder::vSeed(_strFolder, samples);
        return;
    }
    // The installed generator beside this program, else the one of the build
    // tree, both found from this program's folder.
    const QDir here(QCoreApplication::applicationDirPath());
    QString generator = here.absoluteFilePath(QStringLiteral("feldbrief-sample-data"));
    if (!QFileInfo(generator).isExecutable())
        generator = here.absoluteFilePath(QStringLiteral(VEMO_SIM_SAMPLE_GENERATOR));
    if (!QFileInfo(generator).isExecutable())
        return;
    QProcess process;
    process.start(generator, {_strFolder});
    process.waitForFinished(60000);
}

// The simulator's options, with the defaults under _strCache.
void vAddOptions(QCommandLineParser& _parser, const QString& _strCache)
{
    _parser.addOptions({
        {QStringLiteral("serial"), QStringLiteral("Serial number announced at login."),
         QStringLiteral("text"), QStringLiteral("LQ-4711-0815")},
        {QStringLiteral("chassis"), QStringLiteral("Chassis number in discovery answers."),
         QStringLiteral("text"), QStringLiteral("WAB123")},
        {QStringLiteral("password"), QStringLiteral("The terminal's password."), QStringLiteral("text"),
         QStringLiteral("1234")},
        {QStringLiteral("data"),
         QStringLiteral("Folder of the exports and imports (default: %1/data, filled from the sample data "
                        "at first start).")
             .arg(_strCache),
         QStringLiteral("folder")},
        {QStringLiteral("cert-dir"),
         QStringLiteral("Folder of cert.pem and key.pem (default: %1).").arg(_strCache),
         QStringLiteral("folder")},
        {QStringLiteral("new-certificate"),
         QStringLiteral(
             "Make a fresh certificate at start in place of the stored one (a replaced terminal).")},
        {QStringLiteral("state"),
         QStringLiteral("File of the clients that logged in before (default: %1/clients.txt).")
             .arg(_strCache),
         QStringLiteral("file")},
        {QStringLiteral("no-state"), QStringLiteral("Remember clients only during this run.")},
        {QStringLiteral("udp-port"), QStringLiteral("Discovery port (default %1).").arg(Protocol::UDP_PORT),
         QStringLiteral("port")},
        {QStringLiteral("tls-port"), QStringLiteral("TLS port (default %1).").arg(Protocol::TLS_PORT),
         QStringLiteral("port")},
        {QStringLiteral("bind"), QStringLiteral("Serve TLS on this address only (discovery listens on all)."),
         QStringLiteral("address")},
        {QStringLiteral("login"),
         QStringLiteral("How a login is answered: remembered (default: the stored password of a client that "
                        "logged in before, else a new one), known (the stored password of every client, as "
                        "a device that claims to know it), established (no password)."),
         QStringLiteral("mode"), QStringLiteral("remembered")},
        {QStringLiteral("no-password"),
         QStringLiteral("Log clients in without password (--login established).")},
        {QStringLiteral("busy"), QStringLiteral("Answer every login with the busy text.")},
        {QStringLiteral("refuse-password"), QStringLiteral("Refuse every password.")},
        {QStringLiteral("deny-downloads"),
         QStringLiteral("Answer downloads with \"%1\".").arg(QLatin1String(Protocol::NO_PERMISSION))},
        {QStringLiteral("break-after"),
         QStringLiteral("Send \"%1\" this long after a login.")
             .arg(QLatin1String(Protocol::BREAK_CONNECTION)),
         QStringLiteral("ms")},
        {QStringLiteral("fault"),
         QStringLiteral("Misbehave at the first download: close-mid-frame, negative-length, huge-length, "
                        "garbage, evil-name."),
         QStringLiteral("mode")},
        {QStringLiteral("send-unasked"),
         QStringLiteral("Play a rogue device: after each login send a file of this name that nobody asked "
                        "for."),
         QStringLiteral("name")},
        {QStringLiteral("unasked-kind"),
         QStringLiteral("The kind of that file's message (default %1).").arg(Protocol::KIND_ORDERS),
         QStringLiteral("word")},
        {QStringLiteral("quiet"), QStringLiteral("Do not print the received messages.")},
    });
}

// The simulator's setup from the options; ends the program on a wrong value.
// Without --data, the cache's data folder is filled at first start.
SimConfig configOf(const QCommandLineParser& _parser, const QString& _strCache)
{
    SimConfig config;
    config.strSerial = _parser.value(QStringLiteral("serial"));
    config.strChassis = _parser.value(QStringLiteral("chassis"));
    config.baPassword = _parser.value(QStringLiteral("password")).toUtf8();
    config.strCertFolder =
        _parser.isSet(QStringLiteral("cert-dir")) ? _parser.value(QStringLiteral("cert-dir")) : _strCache;
    config.bNewCertificate = _parser.isSet(QStringLiteral("new-certificate"));
    if (!_parser.isSet(QStringLiteral("no-state")))
        config.strStateFile = _parser.isSet(QStringLiteral("state"))
                                  ? _parser.value(QStringLiteral("state"))
                                  : _strCache + QStringLiteral("/clients.txt");
    if (_parser.isSet(QStringLiteral("data"))) {
        config.strDataFolder = _parser.value(QStringLiteral("data"));
    } else {
        config.strDataFolder = _strCache + QStringLiteral("/data");
        vSeedDataFolder(config.strDataFolder);
    }
    config.u16UdpPort = u16Port(_parser, QStringLiteral("udp-port"), config.u16UdpPort);
    config.u16TlsPort = u16Port(_parser, QStringLiteral("tls-port"), config.u16TlsPort);
    if (_parser.isSet(QStringLiteral("bind")) &&
        !config.haBind.setAddress(_parser.value(QStringLiteral("bind"))))
        vFail(QStringLiteral("--bind needs an IP address"));
    const QString login = _parser.value(QStringLiteral("login"));
    if (login != QLatin1String("remembered") && login != QLatin1String("known") &&
        login != QLatin1String("established"))
        vFail(QStringLiteral("--login needs remembered, known or established"));
    config.bNoPassword =
        _parser.isSet(QStringLiteral("no-password")) || login == QLatin1String("established");
    config.bClaimKnown = login == QLatin1String("known");
    config.bBusy = _parser.isSet(QStringLiteral("busy"));
    config.bRefusePassword = _parser.isSet(QStringLiteral("refuse-password"));
    config.bDenyDownloads = _parser.isSet(QStringLiteral("deny-downloads"));
    if (_parser.isSet(QStringLiteral("break-after"))) {
        bool bOk = false;
        config.s32BreakAfterMs = _parser.value(QStringLiteral("break-after")).toInt(&bOk);
        if (!bOk || config.s32BreakAfterMs < 0)
            vFail(QStringLiteral("--break-after needs milliseconds"));
    }
    if (_parser.isSet(QStringLiteral("fault")) &&
        !bFaultFromName(_parser.value(QStringLiteral("fault")), config.eFaultMode))
        vFail(QStringLiteral("unknown fault mode ") + _parser.value(QStringLiteral("fault")));

    config.strUnaskedName = _parser.value(QStringLiteral("send-unasked"));
    if (_parser.isSet(QStringLiteral("unasked-kind")))
        config.baUnaskedKind = _parser.value(QStringLiteral("unasked-kind")).toLatin1();
    return config;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vemo-terminal-sim"));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated harvester terminal: answers discovery on UDP, serves the app over TLS\n"
                       "(login, downloads, uploads, live data, switches) and can misbehave on purpose."));
    parser.addHelpOption();
    vAddOptions(parser, cache);
    parser.process(app);

    const SimConfig config = configOf(parser, cache);

    cTerminalSimServer server(config);
    QString error;
    if (!server.bStart(error))
        vFail(error);
    if (!parser.isSet(QStringLiteral("quiet"))) {
        QObject::connect(&server, &cTerminalSimServer::messageReceived, [](const QByteArray& _baMessage) {
            QTextStream(stdout) << "<- " << strPrintable(_baMessage) << Qt::endl;
        });
    }
    QTextStream(stdout) << "vemo-terminal-sim: chassis " << config.strChassis << ", serial "
                        << config.strSerial << ", UDP " << server.u16UdpPort() << ", TLS "
                        << server.u16TlsPort() << ", data " << config.strDataFolder << Qt::endl;
    return app.exec();
}
