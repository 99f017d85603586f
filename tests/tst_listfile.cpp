#include "data/listfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(ListFileContent::Encoding)

// Bytes and Latin-1 text from literals that may hold NULs.
template <int N> static QByteArray baBytes(const char (&_acText)[N])
{
    return QByteArray(_acText, N - 1);
}

template <int N> static QString strLatin1(const char (&_acText)[N])
{
    return QString::fromLatin1(_acText, N - 1);
}

class tst_ListFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void roundTrip_data();
    void roundTrip();
    void largeFileReadInBlocks_data();
    void largeFileReadInBlocks();
    void editedLineKeepsEncoding_data();
    void editedLineKeepsEncoding();
    void failedWriteKeepsOldFile();
    void shortWriteKeepsOldFile();
    void failedWriteReports_data();
    void failedWriteReports();
    void unreadableFile_data();
    void unreadableFile();

private:
    QTemporaryDir m_dir;
};

void tst_ListFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<ListFileContent::Encoding>("encoding");
    QTest::addColumn<bool>("crlf");
    const auto latin1 = ListFileContent::Encoding::Latin1;
    const auto utf8 = ListFileContent::Encoding::Utf8WithBom;

    QTest::newRow("latin-1") << QByteArray("Nr;Name\n1;M\xFCller\n2;Gr\xF6\xDF"
                                           "e")
                             << QStringList{"Nr;Name", "1;Müller", "2;Größe"} << latin1 << false;
    QTest::newRow("latin-1, trailing newline")
        << QByteArray("Nr;Name\n1;B\xE4umer\n") << QStringList{"Nr;Name", "1;Bäumer", ""} << latin1 << false;
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFNr;Name\n1;M\xC3\xBCller\n")
                                     << QStringList{"Nr;Name", "1;Müller", ""} << utf8 << false;
    QTest::newRow("crlf") << QByteArray("Nr;Name\r\n1;Meier\r\n\r\n2;Sch\xE4"
                                        "fer")
                          << QStringList{"Nr;Name", "1;Meier", "", "2;Schäfer"} << latin1 << true;
    QTest::newRow("utf-8 crlf") << QByteArray("\xEF\xBB\xBFNr\r\n1;M\xC3\xBCller\r\n")
                                << QStringList{"Nr", "1;Müller", ""} << utf8 << true;
    QTest::newRow("mixed line ends keep their cr")
        << QByteArray("a\r\nb\nc\r") << QStringList{"a\r", "b", "c\r"} << latin1 << false;
    QTest::newRow("nul padding") << baBytes("Nr\n1;Acker\0\0\0;x\n")
                                 << QStringList{"Nr", strLatin1("1;Acker\0\0\0;x"), ""} << latin1 << false;
    QTest::newRow("utf-8 nul padding") << baBytes("\xEF\xBB\xBFNr\n1;Acker\0\0;x")
                                       << QStringList{"Nr", strLatin1("1;Acker\0\0;x")} << utf8 << false;
    QTest::newRow("mark before invalid utf-8 stays bytes")
        << QByteArray("\xEF\xBB\xBFNr\n1;M\xFCller") << QStringList{"ï»¿Nr", "1;Müller"} << latin1 << false;
    QTest::newRow("empty file") << QByteArray() << QStringList{""} << latin1 << false;
    QTest::newRow("only newlines") << QByteArray("\n\n") << QStringList{"", "", ""} << latin1 << false;
}

// Reading and writing back without edits must give the same bytes, also
// when done twice: no line and no mark may be added on the way.
void tst_ListFile::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(ListFileContent::Encoding, encoding);
    QFETCH(bool, crlf);

    const QString strPath = TestSupport::strWriteFile(m_dir.filePath("Aufträge.csv"), bytes);
    for (int s32Pass = 0; s32Pass < 2; ++s32Pass) {
        ListFileContent content;
        QVERIFY(ListFile::bRead(strPath, content));
        QCOMPARE(content.slLines, lines);
        QCOMPARE(content.encoding, encoding);
        QCOMPARE(content.bCrLf, crlf);
        QString strError;
        QVERIFY(ListFile::bWrite(strPath, content, &strError));
        QVERIFY(strError.isEmpty());
        QCOMPARE(TestSupport::baReadFile(strPath), bytes);
    }
}

void tst_ListFile::largeFileReadInBlocks_data()
{
    // Files beyond the reader's 1 MiB blocks, with lines and line ends
    // across the blocks' borders.
    QTest::addColumn<QByteArray>("bytes");
    const int s32Block = 1 << 20;
    QTest::newRow("return ends the first block") << QByteArray(s32Block - 1, 'a') + "\r\nb\r\n";
    QTest::newRow("line feed ends the first block") << QByteArray(s32Block - 1, 'a') + "\nb\r\n";
    QTest::newRow("line feed starts the second block") << QByteArray(s32Block, 'a') + "\r\nb\r\n";
    QByteArray baCrLf;
    while (baCrLf.size() < 3 * s32Block)
        baCrLf += QByteArray("123;M\xFCller;\0;") + QByteArray::number(baCrLf.size()) + "\r\n";
    QTest::newRow("three blocks of crlf lines") << baCrLf;
    QByteArray baUtf8("\xEF\xBB\xBF");
    while (baUtf8.size() < 2 * s32Block)
        baUtf8 += QByteArray("7;Gr\xC3\xB6\xC3\x9F") + QByteArray::number(baUtf8.size()) + "e\n";
    QTest::newRow("utf-8 with mark, two blocks") << baUtf8;
}

void tst_ListFile::largeFileReadInBlocks()
{
    QFETCH(QByteArray, bytes);
    const QString strPath = TestSupport::strWriteFile(m_dir.filePath("Auftr\u00e4ge.csv"), bytes);
    ListFileContent decoded;
    ListFile::vDecode(bytes, decoded);
    ListFileContent content;
    QVERIFY(ListFile::bRead(strPath, content));
    QCOMPARE(content.slLines, decoded.slLines);
    QCOMPARE(content.encoding, decoded.encoding);
    QCOMPARE(content.bCrLf, decoded.bCrLf);
    QVERIFY(ListFile::baEncode(content) == bytes);
}

void tst_ListFile::editedLineKeepsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("expected");
    const QString strSchaefer = QStringLiteral("2;Schäfer");
    QTest::newRow("latin-1") << QByteArray("Nr;Name\n1;Meier\n") << strSchaefer
                             << QByteArray("Nr;Name\n2;Sch\xE4"
                                           "fer\n");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFNr;Name\n1;Meier\n") << strSchaefer
                                     << QByteArray("\xEF\xBB\xBFNr;Name\n2;Sch\xC3\xA4"
                                                   "fer\n");
    QTest::newRow("crlf") << QByteArray("Nr;Name\r\n1;Meier\r\n") << strSchaefer
                          << QByteArray("Nr;Name\r\n2;Sch\xE4"
                                        "fer\r\n");
    // A name Latin-1 cannot hold must not turn into "?": the file becomes
    // UTF-8 behind a mark, its other characters included.
    QTest::newRow("latin-1, character beyond it") << QByteArray("Nr;Fl\xE4"
                                                                "che\n1;Meier\n")
                                                  << QStringLiteral("2;Łukasz")
                                                  << QByteArray("\xEF\xBB\xBFNr;Fl\xC3\xA4"
                                                                "che\n2;\xC5\x81ukasz\n");
}

void tst_ListFile::editedLineKeepsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    QFETCH(QByteArray, expected);
    const QString strPath = TestSupport::strWriteFile(m_dir.filePath("Fahrer.csv"), bytes);
    ListFileContent content;
    QVERIFY(ListFile::bRead(strPath, content));
    content.slLines[1] = line;
    QVERIFY(ListFile::bWrite(strPath, content));
    QCOMPARE(TestSupport::baReadFile(strPath), expected);

    // Read again, the lines are the ones written.
    const QStringList slWritten = content.slLines;
    QVERIFY(ListFile::bRead(strPath, content));
    QCOMPARE(content.slLines, slWritten);
}

void tst_ListFile::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString strPath = TestSupport::strWriteFile(dir.filePath("Fahrer.csv"), "Nr\n1;Alt\n");
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool bStillWritable = QFile(dir.filePath("probe")).open(QIODevice::WriteOnly);
    if (bStillWritable) {
        QFile::remove(dir.filePath("probe"));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("running with rights that ignore folder permissions");
    }

    ListFileContent content;
    QVERIFY(ListFile::bRead(strPath, content));
    content.slLines[1] = QStringLiteral("1;Neu");
    QString strError;
    const bool bWritten = ListFile::bWrite(strPath, content, &strError);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!bWritten);
    QCOMPARE(TestSupport::baReadFile(strPath), QByteArray("Nr\n1;Alt\n"));
    QVERIFY2(strError.contains(QDir::toNativeSeparators(strPath)), qPrintable(strError));
}

// A write that stops half-way (here at the file size limit, as on a full
// disk) reports no error of its own: the short count alone must keep the
// truncated content from replacing the old file.
void tst_ListFile::shortWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QByteArray baOld("Nr\n1;Alt\n");
    const QString strPath = TestSupport::strWriteFile(dir.filePath("Fahrer.csv"), baOld);
    ListFileContent content;
    QVERIFY(ListFile::bRead(strPath, content));
    content.slLines[1] = QString(64 * 1024, QLatin1Char('x'));

    struct rlimit limitBefore;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limitBefore), 0);
    const auto handlerBefore = signal(SIGXFSZ, SIG_IGN);
    struct rlimit limitSmall = limitBefore;
    limitSmall.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limitSmall), 0);
    QString strError;
    const bool bWritten = ListFile::bWrite(strPath, content, &strError);
    setrlimit(RLIMIT_FSIZE, &limitBefore);
    signal(SIGXFSZ, handlerBefore);

    QVERIFY(!bWritten);
    QCOMPARE(TestSupport::baReadFile(strPath), baOld);
    QVERIFY2(strError.startsWith("Die Datei " + QDir::toNativeSeparators(strPath)), qPrintable(strError));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Fahrer.csv"});
}

void tst_ListFile::failedWriteReports_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("existing");
    const QString strFile = TestSupport::strWriteFile(m_dir.filePath("kein Ordner"), "x");
    QTest::newRow("parent is a file") << strFile + "/Kunden.csv" << strFile;
    QTest::newRow("parent missing") << m_dir.filePath("fehlt/Kunden.csv") << QString();
    QDir().mkpath(m_dir.filePath("Kunden.csv"));
    QTest::newRow("target is a folder") << m_dir.filePath("Kunden.csv") << m_dir.filePath("Kunden.csv");
}

// Writing must fail cleanly with a message that names the file, whatever
// rights the test runs with, and leave what was there.
void tst_ListFile::failedWriteReports()
{
    QFETCH(QString, path);
    QFETCH(QString, existing);
    const QFileInfo before(existing);
    ListFileContent content;
    content.slLines = QStringList{"Nr", "1;Meier", ""};
    QString strError;
    QVERIFY(!ListFile::bWrite(path, content, &strError));
    QVERIFY2(strError.startsWith("Die Datei " + QDir::toNativeSeparators(path)), qPrintable(strError));
    QVERIFY2(!strError.endsWith(": "), qPrintable(strError)); // the reason follows
    if (!existing.isEmpty()) {
        const QFileInfo after(existing);
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.size(), before.size());
    }
    QVERIFY(!ListFile::bWrite(path, content)); // no message wanted: still no crash
}

void tst_ListFile::unreadableFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << m_dir.filePath("fehlt.csv");
    QDir().mkpath(m_dir.filePath("Ordner.csv"));
    QTest::newRow("folder") << m_dir.filePath("Ordner.csv");
}

void tst_ListFile::unreadableFile()
{
    QFETCH(QString, path);
    ListFileContent content;
    content.slLines = QStringList{"alt"};
    content.bCrLf = true;
    QVERIFY(!ListFile::bRead(path, content));
    QVERIFY(content.slLines.isEmpty());
    QVERIFY(!content.bCrLf);
}

QTEST_GUILESS_MAIN(tst_ListFile)
#include "tst_listfile.moc"
