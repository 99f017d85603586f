// A list file rewritten by ListFile::bWrite survives the writing process being
// killed at any moment: the child program listrewriter rewrites a large orders
// list again and again, alternating between two contents that differ in every
// line, and is killed with SIGKILL at delays spread over one write's duration
// (measured first). After every kill the file must hold exactly the one or the
// other content, never a mix or a file cut short, and nothing the list browser
// or the downloaded-files page would show (a "*.csv" in any case) may have
// appeared beside it. A temporary file left behind under another name is
// counted; it must stay the only one per interrupted write.
//
// Both ways Qt writes the new content are covered: an unnamed temporary file
// that gets a name only at the end (Linux file systems with O_TMPFILE), and a
// named "<list>.XXXXXX" file beside the list for the whole write (file systems
// without, such as FAT memory cards).

#include "rewritelists.h"
#include "testsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>

namespace
{

const int s32KillsPerMode = 20;
// Generous: the property is about content, and the machine may be loaded.
const int s32WaitMs = 60000;

// The child program, and what it has reported so far (see listrewriter.cpp).
class cRewriter
{
public:
    void vStart(const QString& _strPath, int _s32FirstVariant, bool _bNamedTemporary, int _s32Count = -1)
    {
        QStringList slArgs{_strPath, QString::number(_s32FirstVariant)};
        if (_s32Count > 0)
            slArgs << QStringLiteral("--count") << QString::number(_s32Count);
        if (_bNamedTemporary)
            slArgs << QStringLiteral("--named-temporary");
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(VEMO_LISTREWRITER_BINARY), slArgs);
    }

    // Waits until the child has announced write _s32Write (or got further).
    bool bWaitForWrite(int _s32Write)
    {
        const QDeadlineTimer deadline(s32WaitMs);
        for (;;) {
            vParse();
            if (m_s32Write >= _s32Write)
                return true;
            if (!m_strError.isEmpty() || deadline.hasExpired())
                return false;
            if (!m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))) &&
                !m_process.canReadLine())
                return false;
        }
    }

    void vKill()
    {
        m_process.kill();
        bFinish();
    }

    bool bFinish()
    {
        const bool bFinished = m_process.waitForFinished(s32WaitMs);
        vParse();
        return bFinished;
    }

    QProcess& process() { return m_process; }
    int s32Write() const { return m_s32Write; }
    int s32Variant() const { return m_s32Variant; }
    bool bInWrite() const { return m_bInWrite; }
    QString strError() const { return m_strError; }
    const QVector<qint64>& ls64DurationsUs() const { return m_ls64DurationsUs; }

private:
    void vParse()
    {
        while (m_process.canReadLine()) {
            const QStringList slWords =
                QString::fromUtf8(m_process.readLine()).trimmed().split(QLatin1Char(' '));
            const QString strKind = slWords.value(0);
            if (strKind == QLatin1String("E")) {
                m_strError = slWords.mid(1).join(QLatin1Char(' '));
            } else if (strKind == QLatin1String("W") || strKind == QLatin1String("D")) {
                m_s32Write = slWords.value(1).toInt();
                m_s32Variant = slWords.value(2).toInt();
                m_bInWrite = strKind == QLatin1String("W");
                if (!m_bInWrite)
                    m_ls64DurationsUs << slWords.value(3).toLongLong();
            }
        }
    }

    QProcess m_process;
    int m_s32Write = 0;
    int m_s32Variant = -1;
    bool m_bInWrite = false;
    QString m_strError;
    QVector<qint64> m_ls64DurationsUs;
};

// Where two byte arrays first differ, for a readable failure.
int s32FirstDifference(const QByteArray& _baA, const QByteArray& _baB)
{
    const int s32Size = std::min(_baA.size(), _baB.size());
    for (int i = 0; i < s32Size; ++i) {
        if (_baA.at(i) != _baB.at(i))
            return i;
    }
    return s32Size;
}

// The list's folder: no "*.csv" may appear beside the list (it would show in
// the list browser and on the downloaded-files page); only Qt's
// "<list>.XXXXXX" may be left, each counted with its size when first seen.
class cListFolder
{
public:
    cListFolder(const QString& _strFolder, const QString& _strName)
        : m_strFolder(_strFolder), m_strName(_strName),
          m_reTemporary(QRegularExpression::anchoredPattern(QRegularExpression::escape(_strName) +
                                                            QStringLiteral("\\.[A-Za-z0-9]{6}")))
    {
    }

    void vCheck()
    {
        const QStringList slShown = QDir(m_strFolder).entryList({QStringLiteral("*.csv")}, QDir::Files);
        QVERIFY2(slShown == QStringList{m_strName}, qPrintable(slShown.join(QLatin1String(", "))));
        const QStringList slAll =
            QDir(m_strFolder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& strOther : slAll) {
            if (strOther == m_strName)
                continue;
            QVERIFY2(!strOther.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive), qPrintable(strOther));
            QVERIFY2(m_reTemporary.match(strOther).hasMatch(), qPrintable(strOther));
            if (!m_mapLeftovers.contains(strOther))
                m_mapLeftovers.insert(strOther, QFileInfo(QDir(m_strFolder).filePath(strOther)).size());
        }
    }

    const QMap<QString, qint64>& mapLeftovers() const { return m_mapLeftovers; }

private:
    QString m_strFolder;
    QString m_strName;
    QRegularExpression m_reTemporary;
    QMap<QString, qint64> m_mapLeftovers; // name, size when first seen
};

// What the kills of one way of writing found.
struct KillCounts {
    int s32Current = 0; // the content the list holds
    int s32MidWrite = 0;
    int s32Leftovers = 0;
    int s32PartlyWritten = 0;
};

} // namespace

class tst_CrashSafety : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void killedRewrite_data();
    void killedRewrite();

private:
    void vMeasureWrite(const QString& _strPath, bool _bNamedTemporary, cListFolder& _folder,
                       qint64& _s64WriteUs);
    void vKillOnce(const QString& _strPath, bool _bNamedTemporary, int _s32Kill, qint64 _s64WriteUs,
                   cListFolder& _folder, KillCounts& _counts);

    QByteArray m_abaContent[2];
};

void tst_CrashSafety::initTestCase()
{
    TestSupport::vIsolate();
    for (int s32Variant = 0; s32Variant < 2; ++s32Variant)
        m_abaContent[s32Variant] = ListFile::baEncode(RewriteLists::contentOf(s32Variant));
    // Both large, and different in encoding and line ends as well.
    QVERIFY(m_abaContent[0].size() > 5 * 1000 * 1000);
    QVERIFY(!m_abaContent[0].startsWith("\xEF\xBB\xBF"));
    QVERIFY(m_abaContent[0].contains("\r\n"));
    QVERIFY(m_abaContent[1].startsWith("\xEF\xBB\xBF"));
    QVERIFY(!m_abaContent[1].contains("\r\n"));
}

void tst_CrashSafety::killedRewrite_data()
{
    QTest::addColumn<bool>("namedTemporary");
    QTest::newRow("unnamed temporary file") << false;
    QTest::newRow("named temporary file") << true;
}

// One write's duration, from a few uninterrupted writes; they end on the
// content they started from and leave nothing behind.
void tst_CrashSafety::vMeasureWrite(const QString& _strPath, bool _bNamedTemporary, cListFolder& _folder,
                                    qint64& _s64WriteUs)
{
    cRewriter rewriter;
    rewriter.vStart(_strPath, 1, _bNamedTemporary, 4);
    QVERIFY(rewriter.bFinish());
    QVERIFY2(rewriter.strError().isEmpty(), qPrintable(rewriter.strError()));
    QCOMPARE(rewriter.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(rewriter.process().exitCode(), 0);
    QCOMPARE(rewriter.ls64DurationsUs().size(), 4);
    QVERIFY(TestSupport::baReadFile(_strPath) == m_abaContent[0]);
    _folder.vCheck();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(_folder.mapLeftovers().isEmpty());
    QVector<qint64> s64Sorted = rewriter.ls64DurationsUs();
    std::sort(s64Sorted.begin(), s64Sorted.end());
    _s64WriteUs = s64Sorted.at(s64Sorted.size() / 2);
}

// Kill _s32Kill of the series: at a delay stepped from 0 to 1.3 times one
// write's duration (plus a random part of one step) after the child
// announced its first write, so that the kills land early and late in that
// write and some in the next one.
void tst_CrashSafety::vKillOnce(const QString& _strPath, bool _bNamedTemporary, int _s32Kill,
                                qint64 _s64WriteUs, cListFolder& _folder, KillCounts& _counts)
{
    cRewriter rewriter;
    rewriter.vStart(_strPath, 1 - _counts.s32Current, _bNamedTemporary);
    QVERIFY2(rewriter.bWaitForWrite(1), qPrintable(rewriter.strError()));
    const double dStep = 1.3 * double(_s64WriteUs) / s32KillsPerMode;
    const double dDelayUs = (_s32Kill + QRandomGenerator::global()->generateDouble()) * dStep;
    QThread::usleep(static_cast<unsigned long>(dDelayUs));
    rewriter.vKill();
    QVERIFY2(rewriter.strError().isEmpty(), qPrintable(rewriter.strError()));
    QCOMPARE(rewriter.process().exitStatus(), QProcess::CrashExit);

    // Inside a write the file holds the content before it or after it;
    // after a completed write, that write's content.
    const QByteArray baFile = TestSupport::baReadFile(_strPath);
    const int s32Written = rewriter.s32Variant();
    const bool bInWrite = rewriter.bInWrite();
    _counts.s32MidWrite += bInWrite ? 1 : 0;
    if (baFile == m_abaContent[s32Written]) {
        _counts.s32Current = s32Written;
    } else if (bInWrite && baFile == m_abaContent[1 - s32Written]) {
        _counts.s32Current = 1 - s32Written;
    } else {
        QFAIL(qPrintable(QStringLiteral("kill %1 (%2 write %3, after %4 us): %5 bytes, differs from the new "
                                        "content at byte %6 and from the old one at byte %7")
                             .arg(_s32Kill)
                             .arg(bInWrite ? QStringLiteral("inside") : QStringLiteral("after"))
                             .arg(rewriter.s32Write())
                             .arg(qint64(dDelayUs))
                             .arg(baFile.size())
                             .arg(s32FirstDifference(baFile, m_abaContent[s32Written]))
                             .arg(s32FirstDifference(baFile, m_abaContent[1 - s32Written]))));
    }

    const QMap<QString, qint64> mapBefore = _folder.mapLeftovers();
    _folder.vCheck();
    if (QTest::currentTestFailed())
        return;
    // At most one file per interrupted write, and none after a completed
    // one. Its size tells how far the write had got.
    const QMap<QString, qint64>& mapLeftovers = _folder.mapLeftovers();
    const int s32New = mapLeftovers.size() - mapBefore.size();
    QVERIFY(s32New <= (bInWrite ? 1 : 0));
    _counts.s32Leftovers += s32New;
    for (auto it = mapLeftovers.cbegin(); it != mapLeftovers.cend(); ++it) {
        if (!mapBefore.contains(it.key()) && it.value() > 0 && it.value() < m_abaContent[s32Written].size())
            ++_counts.s32PartlyWritten;
    }
}

void tst_CrashSafety::killedRewrite()
{
    QFETCH(bool, namedTemporary);
    QTemporaryDir dir(TestSupport::strHome() + QStringLiteral("/list-XXXXXX"));
    QVERIFY(dir.isValid());
    const QString strName = QString::fromUtf8("Auftr\u00e4ge.csv");
    const QString strPath = dir.filePath(strName);
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(m_abaContent[0]), qint64(m_abaContent[0].size()));
    file.close();
    cListFolder folder(dir.path(), strName);

    qint64 s64WriteUs = 0;
    vMeasureWrite(strPath, namedTemporary, folder, s64WriteUs);
    if (QTest::currentTestFailed())
        return;

    KillCounts counts;
    for (int s32Kill = 0; s32Kill < s32KillsPerMode; ++s32Kill) {
        vKillOnce(strPath, namedTemporary, s32Kill, s64WriteUs, folder, counts);
        if (QTest::currentTestFailed())
            return;
    }

    // The stale temporary files do not disturb a later write.
    cRewriter rewriter;
    rewriter.vStart(strPath, 1 - counts.s32Current, namedTemporary, 1);
    QVERIFY(rewriter.bFinish());
    QCOMPARE(rewriter.process().exitCode(), 0);
    QVERIFY(TestSupport::baReadFile(strPath) == m_abaContent[1 - counts.s32Current]);
    folder.vCheck();

    qInfo("%s: one write of %d bytes takes %.1f ms; %d kills, %d inside a write, "
          "%d left a temporary file (%d of them partly written)",
          QTest::currentDataTag(), m_abaContent[0].size(), s64WriteUs / 1000.0, s32KillsPerMode,
          counts.s32MidWrite, counts.s32Leftovers, counts.s32PartlyWritten);
    // Kills must land inside writes, or the test proves nothing.
    QVERIFY(counts.s32MidWrite > 0);
}

QTEST_GUILESS_MAIN(tst_CrashSafety)
#include "tst_crashsafety.moc"
