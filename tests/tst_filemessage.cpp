#include "data/fieldreaders.h"
#include "data/listfile.h"
#include "terminal/filemessage.h"
#include "testsupport.h"

#include <QtTest>

#include <sys/stat.h>

using namespace FileMessage;

// File messages in both directions and the storing of received files.
class tst_FileMessage : public QObject
{
    Q_OBJECT

private:
    static QByteArray baHeader(quint8 _u8NameLength, qint32 _s32ContentLength)
    {
        QByteArray header(1, char(_u8NameLength));
        for (int i = 0; i < 4; ++i)
            header.append(char((quint32(_s32ContentLength) >> (8 * i)) & 0xff));
        return header;
    }

private slots:
    void initTestCase() { TestSupport::vIsolate(); }

    void parsing_data()
    {
        QTest::addColumn<QByteArray>("part");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("text");
        QTest::newRow("example") << baHeader(13, 5) + "Auftraege.csvabcde"
                                 << "Auftraege.csv" << false << "abcde";
        QTest::newRow("longer than N") << baHeader(5, 3) + "a.csvabcdef"
                                       << "a.csv" << false << "abc";
        QTest::newRow("shorter than N") << baHeader(5, 100) + "a.csvab"
                                        << "a.csv" << false << "ab";
        QTest::newRow("N with top bit") << baHeader(5, -2) + "a.csvabcdef"
                                        << "a.csv" << false << "abcdef";
        QTest::newRow("nothing after name") << baHeader(3, 0) + "abc"
                                            << "abc" << true << "";
        // Zero bytes pad the terminal's fields: they are part of the file.
        QTest::newRow("zero bytes kept") << baHeader(5, 7) + QByteArray("a.csvab\0cdef", 12) << "a.csv"
                                         << false << QString::fromUtf8("ab\0cdef", 7);
        QTest::newRow("zero ends the name")
            << baHeader(5, 1) + QByteArray("a\0csvX", 6) << "a" << false << "X";
        QTest::newRow("utf-8") << baHeader(13, 6) + "Aufträge.csv" + "Müll"
                               << QString::fromUtf8("Aufträge.csv") << false << QString::fromUtf8("Müll");
        QTest::newRow("short header") << QByteArray("\x03", 1) << "" << true << "";
        QTest::newRow("nothing") << QByteArray() << "" << true << "";
    }

    void parsing()
    {
        QFETCH(QByteArray, part);
        QFETCH(QString, name);
        QFETCH(bool, empty);
        QFETCH(QString, text);
        const ReceivedFile file = receivedFileFrom(part);
        QCOMPARE(file.strName, name);
        QCOMPARE(file.bEmpty, empty);
        QCOMPARE(file.strText, text);
    }

    void buildAndParse()
    {
        const QByteArray message = baStartFileMessage("Kunden", "Kunden.csv", "1;Meyer\n2;Schulz");
        QVERIFY(message.startsWith("StartFile: ==:== Kunden"));
        const ReceivedFile file = receivedFileFrom(message.mid(23));
        QCOMPARE(file.strName, QString("Kunden.csv"));
        QCOMPARE(file.strText, QString("1;Meyer\n2;Schulz"));
        // A missing file goes out as a part without content.
        QVERIFY(receivedFileFrom(baFilePart("Maschine.csv", QByteArray())).bEmpty);
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << "Auftraege.csv"
                               << "Auftraege.csv";
        QTest::newRow("parent") << "../evil.csv"
                                << "evil.csv";
        QTest::newRow("absolute") << "/etc/passwd"
                                  << "passwd";
        QTest::newRow("backslashes") << "..\\..\\x.csv"
                                     << "x.csv";
        QTest::newRow("mixed") << "a/b\\c.csv"
                               << "c.csv";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("dot") << "."
                             << "";
        QTest::newRow("dot dot") << ".."
                                 << "";
        QTest::newRow("ends in dot dot") << "x/.."
                                         << "";
        QTest::newRow("ends in separator") << "folder/"
                                           << "";
        QTest::newRow("umlauts") << QString::fromUtf8("Schläge.csv") << QString::fromUtf8("Schläge.csv");
        QTest::newRow("leading dots are a name") << "...csv"
                                                 << "...csv";
    }

    void safeNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        QCOMPARE(strSafeFileName(name), safe);
    }

    void storing()
    {
        const QString folder = TestSupport::strHome() + "/store/neu";
        const QString path = strStoreTextFile(folder, "Auftraege.csv", "abcde");
        QCOMPARE(path, folder + "/Auftraege.csv");
        QCOMPARE(TestSupport::baReadFile(path), QByteArray("\xEF\xBB\xBF"
                                                           "abcde\n"));
        // A second file of that name replaces the first.
        QCOMPARE(strStoreTextFile(folder, "Auftraege.csv", QString::fromUtf8("ä")), path);
        QCOMPARE(TestSupport::baReadFile(path), QByteArray("\xEF\xBB\xBF\xC3\xA4\n"));
    }

    void storingLineEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("without line end") << "1;Meyer"
                                          << QByteArray("\xEF\xBB\xBF"
                                                        "1;Meyer\n");
        QTest::newRow("with line end") << "1;Meyer\n"
                                       << QByteArray("\xEF\xBB\xBF"
                                                     "1;Meyer\n");
        QTest::newRow("with crlf") << "1;Meyer\r\n"
                                   << QByteArray("\xEF\xBB\xBF"
                                                 "1;Meyer\r\n");
        QTest::newRow("empty line kept") << "1;Meyer\n\n"
                                         << QByteArray("\xEF\xBB\xBF"
                                                       "1;Meyer\n\n");
    }

    // The terminal's own last line end is not doubled: a line added later
    // must not stand behind an empty line.
    void storingLineEnd()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        const QString path = strStoreTextFile(TestSupport::strHome() + "/store/ends", "Fahrer.csv", text);
        QCOMPARE(TestSupport::baReadFile(path), stored);
    }

    // A downloaded file with padded fields reads as the terminal's bytes do:
    // every record, every field, the padding dropped.
    void storedPaddedFileReadsAsSent()
    {
        const QByteArray sent("Nr;Kunde;Schlag\n"
                              "1;M\xc3\xbcller\0\0;Am Bach\0\n"
                              "2;Schulz;Weide\0\0\0\n"
                              "3;Kr\xc3\xa4mer;Ried\n",
                              70);
        const ReceivedFile file = receivedFileFrom(baHeader(13, sent.size()) + "Auftraege.csv" + sent);
        const QString path =
            strStoreTextFile(TestSupport::strHome() + "/store/padded", file.strName, file.strText);
        QVERIFY(!path.isEmpty());
        ListFileContent stored;
        QVERIFY(ListFile::bRead(path, stored));
        ListFileContent direct;
        ListFile::vDecode(QByteArray("\xEF\xBB\xBF") + sent, direct);
        QCOMPARE(stored.slLines, direct.slLines);
        QCOMPARE(stored.slLines.size(),
                 5); // header, three records, the empty element behind the last line end
        QCOMPARE(
            FieldReaders::strClean(FieldReaders::strField(FieldReaders::slSplit(stored.slLines.at(1)), 1)),
            QString::fromUtf8("Müller"));
    }

    void storingRefused()
    {
        const QString folder = TestSupport::strHome() + "/store/refused";
        QVERIFY(strStoreTextFile(folder, "../x.csv", "x").isEmpty());
        QVERIFY(strStoreTextFile(folder, "..", "x").isEmpty());
        QVERIFY(!QFile::exists(TestSupport::strHome() + "/store/x.csv"));
        // A file where the folder should be: nothing can be written.
        const QString blocked = TestSupport::strWriteFile(TestSupport::strHome() + "/store/blocked", "x");
        QVERIFY(strStoreTextFile(blocked, "a.csv", "x").isEmpty());
        // A link in the folder under the received name must not carry the
        // content to the file it points to.
        const QString outside =
            TestSupport::strWriteFile(TestSupport::strHome() + "/store/outside.txt", "alt");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::link(outside, folder + "/Auftraege.csv"));
        QVERIFY(strStoreTextFile(folder, "Auftraege.csv", "neu").isEmpty());
        QCOMPARE(TestSupport::baReadFile(outside), QByteArray("alt"));
    }

    void onlyRegularFilesAreReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a file") << "link";
        QTest::newRow("link to nowhere") << "dangling";
        QTest::newRow("folder") << "folder";
        QTest::newRow("pipe") << "fifo";
    }

    void onlyRegularFilesAreReplaced()
    {
        QFETCH(QString, kind);
        const QString folder = TestSupport::strHome() + "/store/" + kind;
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/Fahrer.csv";
        const QString outside = TestSupport::strWriteFile(TestSupport::strHome() + "/store/mine.csv", "alt");
        if (kind == "link")
            QVERIFY(QFile::link(outside, path));
        else if (kind == "dangling")
            QVERIFY(QFile::link(folder + "/nowhere.csv", path));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path + "/inside"));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const QFileInfo before(path);

        FileWriter::Failure failure = FileWriter::Failure::None;
        QVERIFY(strStoreTextFile(folder, "Fahrer.csv", "neu", &failure).isEmpty());
        QCOMPARE(failure, FileWriter::Failure::NotRegularFile);
        QVERIFY(!FileWriter::strReason(failure).isEmpty());
        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(TestSupport::baReadFile(outside), QByteArray("alt"));
        QVERIFY(!QFile::exists(folder + "/nowhere.csv"));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"Fahrer.csv"});
    }

    void storableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<bool>("storable");
        QTest::newRow("orders") << "Auftraege_2024.csv" << QByteArray("Auftraege") << true;
        QTest::newRow("orders, upper-case ending") << "orders.CSV" << QByteArray("Auftraege") << true;
        QTest::newRow("another language") << "Zlecenia.csv" << QByteArray("Auftraege") << true;
        QTest::newRow("season statistics") << "Statistik Saison 2024.csv" << QByteArray("Saison") << true;
        QTest::newRow("kind word") << "SaisonStatistik.csv" << QByteArray("Saison") << true;
        QTest::newRow("kind word of another kind")
            << "SaisonStatistik.csv" << QByteArray("Maschine") << false;
        QTest::newRow("no list") << "Rechnung.csv" << QByteArray("Auftraege") << false;
        QTest::newRow("not csv") << "Auftraege.html" << QByteArray("Auftraege") << false;
        QTest::newRow("csv inside") << "Fahrer.csv.desktop" << QByteArray("Fahrer") << false;
        QTest::newRow("hidden") << ".bashrc" << QByteArray("Fahrer") << false;
    }

    void storableNames()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, kind);
        QFETCH(bool, storable);
        QCOMPARE(bIsListFileName(name, kind), storable);
    }

    void pendingDownloadsPerKind()
    {
        cPendingDownloads pending;
        for (const char* sent : {"Fahrer", "Fahrer", "Kunden", "Login: ", "Fahrer2", "ExpertModus:ON"})
            pending.vSent(sent);
        QCOMPARE(pending.s32Pending("Fahrer"), 2);
        QCOMPARE(pending.s32Pending("Kunden"), 1);
        QVERIFY(!pending.bTake("Auftraege"));
        QVERIFY(pending.bTake("Kunden"));
        QVERIFY(!pending.bTake("Kunden"));
        QVERIFY(pending.bTake("Fahrer"));
        QVERIFY(pending.bTake("Fahrer"));
        QVERIFY(!pending.bTake("Fahrer"));
        pending.vSent("Saison");
        pending.vClear();
        QVERIFY(!pending.bTake("Saison"));
    }

    void loggedNamesStayOnOneLine()
    {
        QCOMPARE(strLoggedName("Rechnung.html"), QString("\"Rechnung.html\""));
        QCOMPARE(strLoggedName("a\nvemo.files: \"b\""), QString("\"a\\x0avemo.files: \\x22b\\x22\""));
    }

    void sendPayload_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("content");
        // Sent as UTF-8 with single line feeds, whatever the file's encoding.
        QTest::newRow("latin-1, crlf")
            << QByteArray("Nr;Name\r\n1;K\xe4mpe\r\n") << QByteArray("Nr;Name\n1;K\xc3\xa4mpe\n");
        // A downloaded file goes back without its byte-order mark and without
        // being encoded twice.
        QTest::newRow("utf-8 with mark")
            << QByteArray("\xef\xbb\xbfNr;Name\n1;K\xc3\xa4mpe\n") << QByteArray("Nr;Name\n1;K\xc3\xa4mpe\n");
    }

    void sendPayload()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, content);
        const QString path = TestSupport::strWriteFile(TestSupport::strHome() + "/send/Schlaege.csv", file);
        QString text;
        QVERIFY(bReadListFileText(path, text));
        const QByteArray payload = baSendFilePayload("Schlaege", text);
        QCOMPARE(payload, QByteArray("SendFile: ==:== Schlaege ") + content);
        QByteArray kind, parsed;
        QVERIFY(bParseSendFilePayload(payload, kind, parsed));
        QCOMPARE(kind, QByteArray("Schlaege"));
        QCOMPARE(parsed, content);
        QVERIFY(!bParseSendFilePayload("Auftraege", kind, parsed));
        QVERIFY(!bReadListFileText(TestSupport::strHome() + "/send/missing.csv", text));
        QVERIFY(!bReadListFileText(TestSupport::strHome() + "/send", text));
    }
};

QTEST_GUILESS_MAIN(tst_FileMessage)
#include "tst_filemessage.moc"
