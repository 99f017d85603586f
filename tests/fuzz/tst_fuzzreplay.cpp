// Runs every fuzz target on every stored input: the seed corpus made from the
// formats' own examples and every reproducer of an earlier finding. A broken
// property fails the row of that file.
#include "fuzztarget.h"
#include "testsupport.h"

#include <QDir>
#include <QtTest>

int fuzzListFile(const uint8_t* data, size_t size);
int fuzzStatisticsFile(const uint8_t* data, size_t size);
int fuzzFraming(const uint8_t* data, size_t size);
int fuzzFileMessage(const uint8_t* data, size_t size);
int fuzzDiscovery(const uint8_t* data, size_t size);
int fuzzLiveRecord(const uint8_t* data, size_t size);
int fuzzIsoXml(const uint8_t* data, size_t size);
int fuzzArchive(const uint8_t* data, size_t size);
int fuzzArchiveInbox(const uint8_t* data, size_t size);
int fuzzBill(const uint8_t* data, size_t size);

namespace
{

using TargetFunction = int (*)(const uint8_t*, size_t);

struct Target {
    const char* pName; // the folder name under corpus/ and regressions/
    TargetFunction fnRun;
};

const Target c_aTargets[] = {
    {"listfile", fuzzListFile},
    {"statisticsfile", fuzzStatisticsFile},
    {"framing", fuzzFraming},
    {"filemessage", fuzzFileMessage},
    {"discovery", fuzzDiscovery},
    {"liverecord", fuzzLiveRecord},
    {"isoxml", fuzzIsoXml},
    {"archive", fuzzArchive},
    {"archiveinbox", fuzzArchiveInbox},
    {"bill", fuzzBill},
};

QStringList g_slBroken;

} // namespace

void Fuzz::vFail(const char* _strCondition, const char* _strFile, int _s32Line)
{
    g_slBroken << QStringLiteral("%1:%2: %3")
                      .arg(QFileInfo(QString::fromUtf8(_strFile)).fileName())
                      .arg(_s32Line)
                      .arg(QString::fromUtf8(_strCondition));
}

Q_DECLARE_METATYPE(TargetFunction)

class tst_FuzzReplay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void replay_data();
    void replay();
};

void tst_FuzzReplay::replay_data()
{
    QTest::addColumn<TargetFunction>("target");
    QTest::addColumn<QString>("path");
    for (const Target& target : c_aTargets) {
        int s32Files = 0;
        for (const char* pKind : {"corpus", "regressions"}) {
            const QDir folder(QStringLiteral(VEMO_FUZZ_DIR "/%1/%2")
                                  .arg(QLatin1String(pKind), QLatin1String(target.pName)));
            for (const QString& strName : folder.entryList(QDir::Files, QDir::Name)) {
                QTest::newRow(
                    qPrintable(QStringLiteral("%1/%2/%3")
                                   .arg(QLatin1String(pKind), QLatin1String(target.pName), strName)))
                    << target.fnRun << folder.filePath(strName);
                ++s32Files;
            }
        }
        // Every target has seeds; a missing folder would silently test nothing.
        if (s32Files == 0)
            QTest::newRow(target.pName) << target.fnRun << QString();
    }
}

void tst_FuzzReplay::replay()
{
    QFETCH(TargetFunction, target);
    QFETCH(QString, path);
    QVERIFY2(!path.isEmpty(), "no stored inputs for this target");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray baInput = file.readAll();
    g_slBroken.clear();
    target(reinterpret_cast<const uint8_t*>(baInput.constData()), size_t(baInput.size()));
    QVERIFY2(g_slBroken.isEmpty(), qPrintable(g_slBroken.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_FuzzReplay)
#include "tst_fuzzreplay.moc"
