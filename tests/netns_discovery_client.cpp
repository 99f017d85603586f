// The client side of tst_discovery_netns, run inside its own network
// namespace: searches for terminals with the real link and reports on stdout.
//
//   netns_discovery_client search <password>
//       one interactive search; exits once logged in
//   netns_discovery_client quiet <password> <last chassis>
//       the link's periodic search, from its timer thread

#include "terminal/csslclient.h"
#include "terminal/knownterminals.h"
#include "testsupport.h"

#include <QApplication>
#include <QAtomicInt>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

namespace
{

QAtomicInt s_threadWarnings;
QAtomicInt s_foreignSends;
QAtomicInt s_sends;

void vCountThreadWarnings(QtMsgType _type, const QMessageLogContext&, const QString& _strMessage)
{
    if (_type != QtDebugMsg && _strMessage.contains(QLatin1String("thread"), Qt::CaseInsensitive))
        s_threadWarnings.ref();
}

void vPrint(const QString& _strLine)
{
    QTextStream(stdout) << _strLine << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString mode = args.at(1);
    const QByteArray password = args.at(2).toUtf8();
    TestSupport::vIsolate();
    qInstallMessageHandler(vCountThreadWarnings);
    if (mode == QLatin1String("quiet"))
        KnownTerminals::vSave({}, args.value(3));

    cSSLClient* client = cSSLClient::instance();
    client->vSetPasswordProvider(
        [password](const cSSLClient::PasswordRequest&, const cSSLClient::PasswordAnswer& _fnAnswer) {
            _fnAnswer(true, password);
        });
    QObject::connect(client, &cSSLClient::foundTerminals, [](const QStringList& _slChassis) {
        vPrint(QStringLiteral("FOUND ") + _slChassis.join(QLatin1Char(',')));
    });
    QObject::connect(client, &cSSLClient::showTerminalList, [] { vPrint(QStringLiteral("SHOWLIST")); });
    QObject::connect(
        client, &cSSLClient::connectionStateChanged,
        [](bool _bConnected, bool _bByUser, const QString& _strChassis) {
            vPrint(
                QStringLiteral("STATE %1 %2 %3").arg(int(_bConnected)).arg(int(_bByUser)).arg(_strChassis));
            if (_bConnected)
                QCoreApplication::exit(0);
        });

    // Every datagram must leave from the thread that owns the socket.
    if (auto* udp = client->findChild<QUdpSocket*>()) {
        QObject::connect(
            udp, &QUdpSocket::bytesWritten, udp,
            [] {
                s_sends.ref();
                if (QThread::currentThread() != qApp->thread())
                    s_foreignSends.ref();
            },
            Qt::DirectConnection);
    }

    if (mode == QLatin1String("quiet")) {
        // The link's own quiet search: its timer lives in a thread of its own
        // and calls the link directly there; a short period keeps the run short.
        client->vSetQuietSearchPeriod(300);
        client->vStartQuietSearch();
    } else {
        client->vSearchTerminals();
    }

    QTimer::singleShot(args.value(4, QStringLiteral("10000")).toInt(), [] {
        vPrint(QStringLiteral("TIMEOUT"));
        QCoreApplication::exit(1);
    });
    const int result = app.exec();
    const bool bRunning = client->bQuietSearchRunning();
    client->vStopQuietSearch();
    vPrint(QStringLiteral("SEARCHSTOPPED %1").arg(int(bRunning && !client->bQuietSearchRunning())));
    vPrint(QStringLiteral("CHASSIS ") + client->strCurrentChassis());
    vPrint(QStringLiteral("THREADWARNINGS %1").arg(s_threadWarnings.loadRelaxed()));
    vPrint(QStringLiteral("SENDS %1").arg(s_sends.loadRelaxed()));
    vPrint(QStringLiteral("FOREIGNSENDS %1").arg(s_foreignSends.loadRelaxed()));
    return result;
}
