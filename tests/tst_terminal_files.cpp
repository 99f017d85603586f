#include "app/messages.h"
#include "app/reportoffer.h"
#include "linktest.h"
#include "mainwindow/chaupt.h"
#include "terminal/filemessage.h"
#include "terminal/framing.h"

#include <QElapsedTimer>
#include <QScopeGuard>

#include <algorithm>

using namespace LinkTest;

// Files between the link and the simulated terminal over real TLS on
// 127.0.0.1: downloads, uploads, files nobody asked for, faulty frames.
class tst_TerminalFiles : public cLinkTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::vIsolate();
        QVERIFY(m_dirWork.isValid());
        vSetUpLink();
    }

    void init() { vResetEvents(); }

    void cleanup() { m_pClient->vDisconnect(true); }

    void downloadsAreStoredInTheDownloadFolder()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        vWriteExports(cfg.strDataFolder);
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        m_slEvents.clear();
        for (const char* kind : {"Auftraege", "Schlaege", "Fahrer", "Kunden", "Saison", "Maschine"})
            m_pClient->vSendMessage(kind);
        QTRY_COMPARE(m_slEvents.filter("file:").size(), 6);
        const QString folder = TestSupport::strDownloads();
        QCOMPARE(m_slEvents, (QStringList{
                                 "hide",
                                 "file:Auftraege_2024.csv:" + folder + "/Auftraege_2024.csv",
                                 "hide",
                                 "file:Schlaege.csv:" + folder + "/Schlaege.csv",
                                 "hide",
                                 "file:Fahrer.csv:" + folder + "/Fahrer.csv",
                                 "hide",
                                 "file:Kunden.csv:" + folder + "/Kunden.csv",
                                 "hide",
                                 "file:SaisonStatistik.csv:" + folder + "/SaisonStatistik.csv",
                                 "hide",
                                 "file:nofile:empty",
                             }));
        QCOMPARE(TestSupport::baReadFile(folder + "/Auftraege_2024.csv"),
                 baStored(QString::fromUtf8("Nr;Kunde\n1;Müller\0\0\n2;Schulz\n", 30)));
        QCOMPARE(TestSupport::baReadFile(folder + "/Fahrer.csv"),
                 baStored(QString::fromUtf8("Nr;Name\n1;Jörg\n")));
        QCOMPARE(TestSupport::baReadFile(folder + "/SaisonStatistik.csv"), baStored("Saison;2024\n"));
    }

    void uploadIsAnswered()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        const QString file =
            TestSupport::strWriteFile(m_dirWork.path() + "/up/Schlaege.csv", "Nr;Schlag\n4;Gro\xdf"
                                                                             "feld\n");
        m_pClient->vSendFileFromPath(file, "Schlaege");
        QTRY_VERIFY(m_slEvents.contains("message:Sie haben Datei erfolgreich importiert."));
        QCOMPARE(TestSupport::baReadFile(cfg.strDataFolder + "/Schlaege.csv"),
                 QByteArray("Nr;Schlag\n4;Gro\xc3\x9f"
                            "feld\n"));

        const QString empty = TestSupport::strWriteFile(m_dirWork.path() + "/up/Fahrer.csv", "");
        m_pClient->vSendFileFromPath(empty, "Fahrer");
        QTRY_VERIFY(m_slEvents.contains("message:Beim Import ist ein Fehler aufgetreten"));

        // A file that cannot be read is reported and not sent.
        const int received = server->lbaReceived().size();
        m_pClient->vSendFileFromPath(m_dirWork.path() + "/up/fehlt.csv", "Kunden");
        QTRY_VERIFY(m_slEvents.last().contains("fehlt.csv"));
        QVERIFY(m_slEvents.last().startsWith("message:"));
        vRoundTrip();
        QCOMPARE(server->lbaReceived().mid(received), QList<QByteArray>{"Lichtschalter:OFF"});
    }

    void misbehavingTerminal_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("expected");
        QTest::newRow("close-mid-frame") << "close-mid-frame" << true << "";
        QTest::newRow("negative-length") << "negative-length" << true << "message:";
        QTest::newRow("huge-length") << "huge-length" << true << "message:";
        QTest::newRow("garbage") << "garbage" << false << "file:Fahrer.csv:";
        QTest::newRow("evil-name") << "evil-name" << false << "file:Fahrer.csv:";
        QTest::newRow("deny-downloads") << "deny" << false << "message:Keine Berechtigung";
    }

    void misbehavingTerminal()
    {
        QFETCH(QString, fault);
        QFETCH(bool, dropped);
        QFETCH(QString, expected);
        QDir(TestSupport::strDownloads()).removeRecursively();
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        cfg.bDenyDownloads = fault == "deny";
        QVERIFY(fault == "deny" || bFaultFromName(fault, cfg.eFaultMode));
        vWriteExports(cfg.strDataFolder);
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        m_slEvents.clear();
        m_pClient->vSendMessage("Fahrer");
        if (dropped)
            QTRY_VERIFY(m_slEvents.contains(strState(false, false)));
        if (!expected.isEmpty())
            QTRY_VERIFY(
                !m_slEvents.filter(QRegularExpression("^" + QRegularExpression::escape(expected))).isEmpty());
        QCOMPARE(m_pClient->bConnected(), !dropped);
        QCOMPARE(slStrayFiles(), QStringList());
        if (fault == "evil-name")
            QVERIFY(QFile::exists(TestSupport::strDownloads() + "/Fahrer.csv"));

        // The link goes on working: a fresh connection reads frames from the start.
        if (dropped) {
            QTRY_COMPARE(server->s32OpenSessions(), 0);
            m_pClient->vConnectToTerminal();
            QTRY_VERIFY(m_pClient->bConnected());
            m_slEvents.clear();
            m_pClient->vSendMessage("Kunden");
            QTRY_VERIFY(!m_slEvents.filter("file:Kunden.csv:").isEmpty());
        }
        QCOMPARE(slStrayFiles(), QStringList());
    }

    // A device on the network sends files nobody asked for, or the download
    // folder holds a link or something else than a file under a list's name:
    // the user's own file stays as it was, and the unasked one is only logged.
    void filesNotAskedForLeaveTheUsersFilesAlone_data()
    {
        QTest::addColumn<QString>("unasked");    // sent after the login, of the kind "Auftraege"
        QTest::addColumn<QByteArray>("request"); // a download the user asks for
        QTest::addColumn<QString>("exportFile"); // the terminal's file of that kind
        QTest::addColumn<QString>("userFile");   // in the download folder before
        QTest::addColumn<QString>("linkTo");     // the user file is a link to a file there
        QTest::addColumn<QString>("expected");   // log line or message
        QTest::newRow("unasked invoice") << "Rechnung.html" << QByteArray() << QString() << "Rechnung.html"
                                         << QString() << "log:Rechnung.html";
        QTest::newRow("unasked list") << "Auftraege.csv" << QByteArray() << QString() << "Auftraege.csv"
                                      << QString() << "log:Auftraege.csv";
        QTest::newRow("asked, no list name") << QString() << QByteArray("Fahrer") << "Fahrer.html"
                                             << "Fahrer.html" << QString() << "log:Fahrer.html";
        QTest::newRow("asked, a link in the folder")
            << QString() << QByteArray("Fahrer") << "Fahrer.csv"
            << "Fahrer.csv"
            << "Meins.csv"
            << "message:Die empfangene Datei Fahrer.csv konnte nicht";
    }

    void filesNotAskedForLeaveTheUsersFilesAlone()
    {
        QFETCH(QString, unasked);
        QFETCH(QByteArray, request);
        QFETCH(QString, exportFile);
        QFETCH(QString, userFile);
        QFETCH(QString, linkTo);
        QFETCH(QString, expected);
        slCapturedLog().clear();
        s_fnPreviousHandler = qInstallMessageHandler(vCaptureLog);
        const auto restore = qScopeGuard([] { qInstallMessageHandler(s_fnPreviousHandler); });

        const QString folder = TestSupport::strDownloads();
        QDir(folder).removeRecursively();
        const QByteArray mine = "meine eigene Datei\n";
        const QString userPath = folder + "/" + userFile;
        QString minePath = TestSupport::strWriteFile(userPath, mine);
        if (!linkTo.isEmpty()) {
            minePath = TestSupport::strWriteFile(m_dirWork.path() + "/user/" + linkTo, mine);
            QFile::remove(userPath);
            QVERIFY(QFile::link(minePath, userPath));
        }

        SimConfig cfg = config();
        cfg.bNoPassword = true;
        cfg.strUnaskedName = unasked;
        cfg.baUnaskedContent = "=HYPERLINK(\"http://rogue\")\n";
        if (!exportFile.isEmpty())
            TestSupport::strWriteFile(cfg.strDataFolder + "/" + exportFile, "Nr;Name\n1;Jörg\n");
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        if (!request.isEmpty())
            m_pClient->vSendMessage(request);
        // Everything the terminal sent before the switch's answer has been dispatched.
        vRoundTrip();
        if (!expected.startsWith("log:"))
            QTRY_VERIFY(
                !m_slEvents.filter(QRegularExpression("^" + QRegularExpression::escape(expected))).isEmpty());
        SimFixture::vDeliverQueuedReports();
        QCOMPARE(TestSupport::baReadFile(minePath), mine);
        QCOMPARE(QFileInfo(userPath).isSymLink(), !linkTo.isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden), QStringList{userFile});
        QCOMPARE(m_slEvents.filter("file:"), QStringList());
        if (expected.startsWith("log:")) {
            const QRegularExpression line("unexpected file from the terminal: \"" +
                                          QRegularExpression::escape(expected.mid(4)) + "\" of \\d+ bytes");
            QVERIFY(!slCapturedLog().filter(line).isEmpty());
        }
        // The log names the file, never its content.
        QVERIFY(slCapturedLog().filter("HYPERLINK").isEmpty());

        // A download asked for afterwards arrives as always; it answers its
        // request, and a second file of its kind is unasked again.
        if (linkTo.isEmpty()) {
            m_slEvents.clear();
            m_pClient->vSendMessage("Kunden");
            QTRY_COMPARE(m_slEvents.filter("file:"), QStringList{"file:nofile:empty"});
            server->vSendRawToAll(
                baFrame(FileMessage::baStartFileMessage("Kunden", "Kunden.csv", "7;Rogue\n")));
            QTRY_VERIFY(
                !slCapturedLog().filter("unexpected file from the terminal: \"Kunden.csv\"").isEmpty());
            vRoundTrip();
            QCOMPARE(m_slEvents.filter("file:"), QStringList{"file:nofile:empty"});
            QVERIFY(!QFile::exists(folder + "/Kunden.csv"));
        }
    }

    // A device on the network sends a burst of one-byte frames. The link cuts
    // them out at the pace of the bytes: its reader copies each byte a fixed
    // number of times, and the burst takes a few times as long as the same
    // bytes in one frame (measured in the same run), where cutting each frame
    // off the buffer's front took seconds with the interface blocked.
    void burstOfTinyFramesIsReadAtTheBytesPace()
    {
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        QByteArray burst;
        burst.reserve(320000 * 5);
        for (int i = 0; i < 320000; ++i)
            burst += baFrame(QByteArray(1, char('a' + i % 26)));
        const QByteArray whole = baFrame(QByteArray(burst.size() - 4, 'x'));
        // The reader's work, counted in bytes: each byte copied twice at most.
        const qint64 s64MovedBefore = m_pClient->s64FrameBytesMoved();
        server->vSendRawToAll(burst);
        vRoundTrip();
        const qint64 s64Moved = m_pClient->s64FrameBytesMoved() - s64MovedBefore;
        QVERIFY2(s64Moved <= 2 * qint64(burst.size()) + 100, qPrintable(QString::number(s64Moved)));

        const auto s64Ms = [&](const QByteArray& _baBytes) {
            QElapsedTimer timer;
            timer.start();
            server->vSendRawToAll(_baBytes);
            vRoundTrip();
            return timer.elapsed();
        };
        s64Ms(whole); // warm-up
        // Medians of three, taken in turns: the machine is shared.
        QVector<qint64> wholeTimes;
        QVector<qint64> burstTimes;
        for (int i = 0; i < 3; ++i) {
            wholeTimes << s64Ms(whole);
            burstTimes << s64Ms(burst);
        }
        std::sort(wholeTimes.begin(), wholeTimes.end());
        std::sort(burstTimes.begin(), burstTimes.end());
        const qint64 s64Whole = wholeTimes.at(1);
        const qint64 s64Burst = burstTimes.at(1);
        qInfo() << "one frame" << s64Whole << "ms, burst of 320000 frames" << s64Burst << "ms";
        QVERIFY2(s64Burst <= 3 * s64Whole + 100,
                 qPrintable(QString("%1 ms against %2 ms").arg(s64Burst).arg(s64Whole)));
        QVERIFY(m_pClient->bConnected());
    }

    // A name typed on the terminal as a formula reaches the orders table for
    // office software as text: downloaded, opened in the main window and
    // exported as CSV, the cells begin with an apostrophe; numbers stay.
    void formulaNamesExportedAsText()
    {
        QStringList slFields;
        for (int i = 0; i < 44; ++i)
            slFields << QString();
        slFields[0] = "1001";
        slFields[2] = "4711";
        slFields[3] = "@SUMME(A1:A9)";
        slFields[4] = "3";
        slFields[5] = "Acker";
        slFields[7] = "=HYPERLINK(\"http://x.invalid\",\"Klick\")";
        slFields[8] = "01.10.2023 08:00";
        slFields[9] = "01.10.2023 10:00";
        slFields[10] = "50000";
        slFields[11] = "2:00";
        slFields[19] = "100000";
        SimConfig cfg = config();
        cfg.bNoPassword = true;
        TestSupport::strWriteFile(cfg.strDataFolder + "/Auftraege.csv",
                                  "Auftrags Nummer;Auftrags Name;Kunden Nummer\n" +
                                      slFields.join(';').toUtf8() + "\n");
        auto server = pStart(cfg);
        vConnect(server.get());
        QTRY_VERIFY(m_pClient->bConnected());
        m_pClient->vSendMessage("Auftraege");
        const QString path = TestSupport::strDownloads() + "/Auftraege.csv";
        QTRY_VERIFY(m_slEvents.contains("file:Auftraege.csv:" + path));

        QStringList slOffers;
        QStringList slMessages;
        ReportOffer::vSetChooser([&](const QString& _strText) {
            slOffers << _strText.section(QLatin1Char('\n'), 1); // "Gespeichert:\n<path>"
            return ReportOffer::Choice::Close;
        });
        Messages::vSetHook([&](QWidget*, const QString& _strText) { slMessages << _strText; });
        const auto restore = qScopeGuard([] {
            ReportOffer::vSetChooser({});
            Messages::vSetHook({});
        });
        cHaupt* pMain = cHaupt::instance();
        pMain->strOpenListFile(path);
        pMain->vExportOrdersCsv();
        QVERIFY2(slMessages.isEmpty(), qPrintable(slMessages.join(" | ")));
        QCOMPARE(slOffers.size(), 1);
        const QStringList slLines = QString::fromUtf8(TestSupport::baReadFile(slOffers.at(0)).mid(3))
                                        .split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(slLines.size(), 3);
        QVERIFY2(slLines.at(1).startsWith("1001;'@SUMME(A1:A9) (4711);Acker (3);"
                                          "\"'=HYPERLINK(\"\"http://x.invalid\"\",\"\"Klick\"\")\";"),
                 qPrintable(slLines.at(1)));
        QVERIFY2(slLines.at(1).endsWith(";5,000;0,000;0,000;0:00;0:00;2:00;100,0;20,00;2,50"),
                 qPrintable(slLines.at(1)));
    }
};

QTEST_MAIN(tst_TerminalFiles)
#include "tst_terminal_files.moc"
