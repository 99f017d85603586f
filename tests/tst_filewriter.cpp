#include "data/filewriter.h"
#include "data/isoxml.h"
#include "data/listfile.h"
#include "data/reportfiles.h"
#include "terminal/filemessage.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <memory>

// Every writer on a disk that cannot take its file (full, read-only, a file
// where its folder belongs): it reports the failure with the file's name and
// the reason in the interface language, and leaves the disk as it found it,
// an older file of that name included. The disks are small file systems
// mounted for the test (root only; skipped otherwise).
class tst_FileWriter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void kindOfFailure_data();
    void kindOfFailure();
    void writersOnADiskThatCannotTakeTheFile_data();
    void writersOnADiskThatCannotTakeTheFile();
    void writtenWhereThereIsRoom();
};

namespace
{

using Failure = FileWriter::Failure;

// Every file and folder below _strRoot with its content, to compare a disk
// before and after a write.
QStringList slSnapshot(const QString& _strRoot)
{
    QStringList slEntries;
    QDirIterator it(_strRoot, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString strPath = it.next();
        const QString strEntry = strPath.mid(_strRoot.size());
        if (it.fileInfo().isDir())
            slEntries << strEntry + QLatin1Char('/');
        else if (it.fileName() != QLatin1String("filler"))
            slEntries << strEntry + QLatin1Char('=') + QString::fromLatin1(TestSupport::baReadFile(strPath));
    }
    slEntries.sort();
    return slEntries;
}

// The folder a writer writes into, made ready for the condition: "full" and
// "read-only" disks, or "blocked" (a file where the folder belongs). An older
// file of the name a writer replaces is there first.
QString strPrepare(const QString& _strRoot, const QString& _strCondition, const QString& _strOldFile)
{
    const QString strFolder = _strRoot + QStringLiteral("/Ablage");
    if (_strCondition == QLatin1String("blocked"))
        TestSupport::strWriteFile(strFolder, "a file");
    else if (!_strOldFile.isEmpty())
        TestSupport::strWriteFile(strFolder + QLatin1Char('/') + _strOldFile, "alt");
    return strFolder;
}

} // namespace

void tst_FileWriter::kindOfFailure_data()
{
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("folder"); // "writable", "missing", "file", "full disk", "read-only disk"
    QTest::addColumn<int>("failure");
    QTest::newRow("no room") << ENOSPC << "writable" << int(Failure::DiskFull);
    QTest::newRow("quota") << EDQUOT << "writable" << int(Failure::DiskFull);
    QTest::newRow("read-only") << EROFS << "writable" << int(Failure::ReadOnly);
    QTest::newRow("no permission") << EACCES << "writable" << int(Failure::NoPermission);
    QTest::newRow("no folder") << ENOENT << "writable" << int(Failure::MissingFolder);
    QTest::newRow("a file for a folder") << ENOTDIR << "writable" << int(Failure::MissingFolder);
    QTest::newRow("name too long") << ENAMETOOLONG << "writable" << int(Failure::NameTooLong);
    QTest::newRow("anything else") << EIO << "writable" << int(Failure::Other);
    // Without a telling number the folder decides.
    QTest::newRow("folder missing") << 0 << "missing" << int(Failure::MissingFolder);
    QTest::newRow("file for the folder") << 0 << "file" << int(Failure::MissingFolder);
    QTest::newRow("disk full") << 0 << "full disk" << int(Failure::DiskFull);
    QTest::newRow("disk read-only") << EIO << "read-only disk" << int(Failure::ReadOnly);
}

void tst_FileWriter::kindOfFailure()
{
    QFETCH(int, errorNumber);
    QFETCH(QString, folder);
    QFETCH(int, failure);
    QTemporaryDir dir;
    std::unique_ptr<TestSupport::cSmallDisk> pDisk;
    QString strFolder = dir.path();
    if (folder.endsWith(QLatin1String("disk"))) {
        pDisk = std::make_unique<TestSupport::cSmallDisk>();
        if (!pDisk->bMounted())
            QSKIP(qPrintable(pDisk->strWhyNot()));
        QVERIFY(folder == QLatin1String("full disk") ? pDisk->bFill() : pDisk->bMakeReadOnly());
        strFolder = pDisk->strPath();
    } else if (folder == QLatin1String("missing")) {
        strFolder += QStringLiteral("/fehlt");
    } else if (folder == QLatin1String("file")) {
        strFolder = TestSupport::strWriteFile(strFolder + QStringLiteral("/Datei"), "x");
    }
    QCOMPARE(int(FileWriter::failureOf(errorNumber, strFolder)), failure);
}

void tst_FileWriter::writersOnADiskThatCannotTakeTheFile_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<int>("failure");
    const QVector<QPair<const char*, Failure>> conditions = {
        {"full", Failure::DiskFull}, {"read-only", Failure::ReadOnly}, {"blocked", Failure::MissingFolder}};
    // A small report (CSV) stays in the file's buffer until the commit; a
    // large one (PDF) is written at once.
    for (const char* pWriter :
         {"report, small", "report, large", "ISOXML", "list rewrite", "received file"}) {
        for (const auto& condition : conditions) {
            QTest::addRow("%s, %s", pWriter, condition.first)
                << QString::fromLatin1(pWriter) << QString::fromLatin1(condition.first)
                << int(condition.second);
        }
    }
}

void tst_FileWriter::writersOnADiskThatCannotTakeTheFile()
{
    QFETCH(QString, writer);
    QFETCH(QString, condition);
    QFETCH(int, failure);
    TestSupport::cSmallDisk disk;
    if (!disk.bMounted())
        QSKIP(qPrintable(disk.strWhyNot()));
    const bool bReplaces =
        writer == QLatin1String("list rewrite") || writer == QLatin1String("received file");
    const QString strName = writer == QLatin1String("list rewrite")    ? QStringLiteral("Fahrer.csv")
                            : writer == QLatin1String("received file") ? QStringLiteral("Kunden.csv")
                            : writer == QLatin1String("ISOXML")        ? QStringLiteral("ISOXML_Auftraege")
                                                                       : QStringLiteral("Auftraege.csv");
    const QString strFolder = strPrepare(disk.strPath(), condition, bReplaces ? strName : QString());
    if (condition == QLatin1String("full"))
        QVERIFY(disk.bFill());
    else if (condition == QLatin1String("read-only"))
        QVERIFY(disk.bMakeReadOnly());
    const QStringList slBefore = slSnapshot(disk.strPath());

    QString strMessage;
    bool bWritten = false;
    if (writer.startsWith(QLatin1String("report"))) {
        const QByteArray baContent =
            writer.endsWith(QLatin1String("small")) ? QByteArray("1;2\r\n") : QByteArray(200000, 'x');
        bWritten = !ReportFiles::strWrite(strFolder, strName, baContent, &strMessage).isEmpty();
    } else if (writer == QLatin1String("ISOXML")) {
        IsoXml::Source source;
        source.slOrderRecords << QStringLiteral("1;;4711;Hof");
        bWritten =
            !IsoXml::strWriteExport(strFolder, strName, IsoXml::baTaskData(source), &strMessage).isEmpty();
    } else if (writer == QLatin1String("list rewrite")) {
        ListFileContent content;
        content.slLines = QStringList{"Fahrer;Name", "1;Neu"};
        bWritten = ListFile::bWrite(strFolder + QLatin1Char('/') + strName, content, &strMessage);
    } else {
        FileWriter::Failure kind = Failure::None;
        bWritten = !FileMessage::strStoreTextFile(strFolder, strName, "1;Neu", &kind).isEmpty();
        // The link words the message around the reason.
        strMessage = strName + QLatin1Char(' ') + FileWriter::strReason(kind);
    }

    QVERIFY(!bWritten);
    QVERIFY2(strMessage.contains(strName), qPrintable(strMessage));
    QVERIFY2(strMessage.contains(FileWriter::strReason(Failure(failure))), qPrintable(strMessage));
    // Nothing left behind, nothing replaced.
    QCOMPARE(slSnapshot(disk.strPath()), slBefore);
}

void tst_FileWriter::writtenWhereThereIsRoom()
{
    // The same disk with room: each write goes through, so the failures above
    // are the disk's.
    TestSupport::cSmallDisk disk;
    if (!disk.bMounted())
        QSKIP(qPrintable(disk.strWhyNot()));
    const QString strFolder = disk.strPath() + QStringLiteral("/Ablage");
    QString strMessage;
    QCOMPARE(ReportFiles::strWrite(strFolder, "Auftraege.csv", "1;2\r\n", &strMessage),
             strFolder + "/Auftraege.csv");
    QVERIFY(!IsoXml::strWriteExport(strFolder, "ISOXML_Auftraege", "<x/>", &strMessage).isEmpty());
    ListFileContent content;
    content.slLines = QStringList{"Fahrer;Name", "1;Neu"};
    QVERIFY(ListFile::bWrite(strFolder + "/Fahrer.csv", content, &strMessage));
    QVERIFY(!FileMessage::strStoreTextFile(strFolder, "Kunden.csv", "1;Neu").isEmpty());
    QVERIFY2(strMessage.isEmpty(), qPrintable(strMessage));
    QCOMPARE(TestSupport::baReadFile(strFolder + "/Auftraege.csv"), QByteArray("1;2\r\n"));
}

QTEST_GUILESS_MAIN(tst_FileWriter)
#include "tst_filewriter.moc"
