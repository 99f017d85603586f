// The archive keeper: every arriving file reaches the archive, through the
// inbox, whatever happens to the archive meanwhile. The local archive closed
// for a while, the office's PostgreSQL server out of reach (before and during
// an import) and back, and damaged inbox entries.

#include "archivefixtures.h"
#include "pgserver.h"
#include "testsupport.h"

#include "data/archiveinbox.h"
#include "data/archivekeeper.h"
#include "data/archivestore.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using ArchiveFixtures::baOrder;
using ArchiveFixtures::baUtf8File;

namespace
{

const QString c_strOrders = QStringLiteral("Auftraege.csv");

QByteArray baOrders(int _s32First, int _s32Count)
{
    QList<QByteArray> lLines;
    for (int i = 0; i < _s32Count; ++i)
        lLines << baOrder(_s32First + i, QStringLiteral("14.09.2015 08:00"), 10000 + i);
    return baUtf8File(lLines);
}

// Records per machine, "chassis:count" sorted; a failed query says so.
QStringList slRecordsPerMachine(QSqlDatabase _database)
{
    QSqlQuery query(_database);
    if (!query.exec(QStringLiteral(
            "SELECT chassis, count(*) FROM archive_records GROUP BY chassis ORDER BY chassis")))
        return {QStringLiteral("query failed: ") + query.lastError().text()};
    QStringList sl;
    while (query.next())
        sl << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
    return sl;
}

QStringList slLocalRecords(const QString& _strPath)
{
    const QString strConnection = QStringLiteral("check-local");
    QStringList sl;
    {
        QSqlDatabase database = cArchiveStore::sqliteConnection(_strPath, strConnection);
        sl = database.open() ? slRecordsPerMachine(database) : QStringList{database.lastError().text()};
    }
    QSqlDatabase::removeDatabase(strConnection);
    return sl;
}

QStringList slInbox(const QString& _strFolder)
{
    QStringList sl;
    for (const QString& strName : QDir(_strFolder).entryList(QDir::Files, QDir::Name))
        sl << strName.section(QLatin1Char('.'), -1);
    return sl;
}

} // namespace

class tst_ArchiveKeeper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void inboxEntries_data();
    void inboxEntries();
    void localArchiveKeepsEveryMachine();
    void closedLocalArchiveCatchesUp();
    void unreadableEntrySetAside();
    void unreachableServerFallsBackAndCatchesUp();

private:
    std::unique_ptr<QTemporaryDir> m_pFolder;
    QString m_strArchive;
    QString m_strInbox;
    cPgServer m_server;
};

void tst_ArchiveKeeper::initTestCase()
{
    TestSupport::vIsolate();
}

void tst_ArchiveKeeper::init()
{
    m_pFolder = std::make_unique<QTemporaryDir>();
    m_strArchive = m_pFolder->filePath(QStringLiteral("archive.sqlite"));
    m_strInbox = m_pFolder->filePath(QStringLiteral("inbox"));
}

void tst_ArchiveKeeper::inboxEntries_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("readable");
    ArchiveInput input;
    input.strFileName = QStringLiteral("Aufträge\n\"x\".csv");
    input.machine = {QStringLiteral("WMA-1"), QStringLiteral("S\t1")};
    input.arrived = QDateTime(QDate(2015, 9, 14), QTime(8, 0, 0, 125), Qt::UTC);
    input.baContent = QByteArray("a;b\n\0\xff\r\n", 9);
    const QByteArray baGood = ArchiveInboxEntry::baEncode(input);
    QTest::newRow("as written") << baGood << true;
    QTest::newRow("content cut off") << baGood.left(baGood.indexOf('\n') + 1) << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("header cut off") << baGood.left(baGood.indexOf('\n') - 1) << false;
    QTest::newRow("no object") << QByteArray("[\"a\"]\nx") << false;
    QTest::newRow("missing time") << QByteArray("{\"name\":\"a\",\"chassis\":\"\",\"serial\":\"\"}\nx")
                                  << false;
    QTest::newRow("time no time")
        << QByteArray("{\"name\":\"a\",\"chassis\":\"\",\"serial\":\"\",\"arrived\":\"gestern\"}\nx")
        << false;
    QTest::newRow("number for a text")
        << QByteArray("{\"name\":1,\"chassis\":\"\",\"serial\":\"\",\"arrived\":\"2015-09-14T08:00:00Z\"}\n")
        << false;
    QTest::newRow("endless header") << QByteArray(100000, ' ') + '\n' << false;
}

void tst_ArchiveKeeper::inboxEntries()
{
    QFETCH(QByteArray, entry);
    QFETCH(bool, readable);
    ArchiveInput input;
    QCOMPARE(ArchiveInboxEntry::bDecode(entry, input), readable);
    if (!readable) {
        QVERIFY(input.strFileName.isEmpty());
        return;
    }
    // What was written comes back; re-encoding gives the same bytes.
    QCOMPARE(input.strFileName, QStringLiteral("Aufträge\n\"x\".csv"));
    QCOMPARE(input.machine.strSerial, QStringLiteral("S\t1"));
    QCOMPARE(input.arrived, QDateTime(QDate(2015, 9, 14), QTime(8, 0, 0, 125), Qt::UTC));
    QCOMPARE(ArchiveInboxEntry::baEncode(input), entry);
}

void tst_ArchiveKeeper::localArchiveKeepsEveryMachine()
{
    cArchiveKeeper keeper(m_strArchive, m_strInbox);
    QSignalSpy messages(&keeper, &cArchiveKeeper::messageForUser);
    // Two machines' files of the same name, and one from disk.
    keeper.vKeep(c_strOrders, baOrders(1, 3), QStringLiteral("WMA-111"), QStringLiteral("S1"));
    keeper.vKeep(c_strOrders, baOrders(1, 2), QStringLiteral("WMA-222"), QStringLiteral("S2"));
    keeper.vKeep(c_strOrders, baOrders(7, 1), QString(), QString());
    QCOMPARE(slLocalRecords(m_strArchive), QStringList({":1", "WMA-111:3", "WMA-222:2"}));
    QCOMPARE(slInbox(m_strInbox), QStringList());
    QCOMPARE(messages.count(), 0);
}

void tst_ArchiveKeeper::closedLocalArchiveCatchesUp()
{
    // A file where the archive's folder should be: the archive cannot open.
    const QString strBlocker = m_pFolder->filePath(QStringLiteral("blocked"));
    TestSupport::strWriteFile(strBlocker, "not a folder");
    const QString strArchive = strBlocker + QStringLiteral("/archive.sqlite");
    cArchiveKeeper keeper(strArchive, m_strInbox);
    QSignalSpy messages(&keeper, &cArchiveKeeper::messageForUser);
    QSignalSpy states(&keeper, &cArchiveKeeper::stateChanged);
    keeper.vKeep(c_strOrders, baOrders(1, 3), QStringLiteral("WMA-111"), QStringLiteral("S1"));
    keeper.vKeep(c_strOrders, baOrders(1, 4), QStringLiteral("WMA-111"), QStringLiteral("S1"));
    // Told once, naming the archive and where the files wait.
    QCOMPARE(messages.count(), 1);
    const QString strMessage = messages.first().first().toString();
    QVERIFY2(strMessage.contains(QDir::toNativeSeparators(strArchive)), qPrintable(strMessage));
    QVERIFY2(strMessage.contains(QDir::toNativeSeparators(m_strInbox)), qPrintable(strMessage));
    QCOMPARE(slInbox(m_strInbox), QStringList({"pending", "pending"}));
    QCOMPARE(states.last().at(2).toInt(), 2);

    QVERIFY(QFile::remove(strBlocker));
    keeper.vCatchUp();
    QCOMPARE(slLocalRecords(strArchive), QStringList({"WMA-111:4"}));
    QCOMPARE(slInbox(m_strInbox), QStringList());
    QCOMPARE(states.last().at(2).toInt(), 0);
}

void tst_ArchiveKeeper::unreadableEntrySetAside()
{
    const QString strEntry = TestSupport::strWriteFile(
        m_strInbox + QStringLiteral("/20150914-080000-000-x.pending"), "kein Eintrag");
    cArchiveKeeper keeper(m_strArchive, m_strInbox);
    QSignalSpy messages(&keeper, &cArchiveKeeper::messageForUser);
    keeper.vKeep(c_strOrders, baOrders(1, 2), QStringLiteral("WMA-111"), QStringLiteral("S1"));
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.first().first().toString().contains(QDir::toNativeSeparators(strEntry)));
    QCOMPARE(TestSupport::baReadFile(strEntry + QStringLiteral(".unreadable")), QByteArray("kein Eintrag"));
    QCOMPARE(slLocalRecords(m_strArchive), QStringList({"WMA-111:2"}));
    QCOMPARE(slInbox(m_strInbox), QStringList({"unreadable"}));
}

void tst_ArchiveKeeper::unreachableServerFallsBackAndCatchesUp()
{
    QString strSkip;
    if (!m_server.bStart(&strSkip)) {
        if (!strSkip.isEmpty())
            QSKIP(qPrintable(strSkip));
        QFAIL(qPrintable(m_server.strError()));
    }
    ArchiveServer server;
    server.bUse = true;
    server.strHost = m_server.strHost();
    server.s32Port = m_server.s32Port();
    server.strDatabase = m_server.strDatabase();
    server.strUser = m_server.strUser();
    cArchiveKeeper keeper(m_strArchive, m_strInbox);
    QSignalSpy messages(&keeper, &cArchiveKeeper::messageForUser);
    QSignalSpy states(&keeper, &cArchiveKeeper::stateChanged);
    keeper.vSetServer(server);
    keeper.vKeep(c_strOrders, baOrders(1, 3), QStringLiteral("WMA-111"), QStringLiteral("S1"));
    QCOMPARE(states.last().at(1).toBool(), true);

    // The server goes while the keeper holds its connection, then stays
    // away: both files go into the local archive, told once.
    m_server.vStop();
    keeper.vKeep(c_strOrders, baOrders(1, 5), QStringLiteral("WMA-111"), QStringLiteral("S1"));
    keeper.vKeep(c_strOrders, baOrders(1, 2), QStringLiteral("WMA-222"), QStringLiteral("S2"));
    QCOMPARE(messages.count(), 1);
    const QString strMessage = messages.first().first().toString();
    QVERIFY2(strMessage.contains(server.strDisplayName()), qPrintable(strMessage));
    QVERIFY2(strMessage.contains(QDir::toNativeSeparators(m_strArchive)), qPrintable(strMessage));
    QCOMPARE(slLocalRecords(m_strArchive), QStringList({"WMA-111:5", "WMA-222:2"}));
    QCOMPARE(slInbox(m_strInbox), QStringList({"local", "local"}));
    QCOMPARE(states.last().at(1).toBool(), false);
    keeper.vCatchUp();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(slInbox(m_strInbox), QStringList({"local", "local"}));

    // Back: what arrived meanwhile goes in, once.
    QVERIFY2(m_server.bStart(&strSkip), qPrintable(m_server.strError()));
    keeper.vCatchUp();
    QCOMPARE(slInbox(m_strInbox), QStringList());
    QCOMPARE(states.last().at(1).toBool(), true);
    QCOMPARE(states.last().at(2).toInt(), 0);
    {
        QSqlDatabase database = m_server.dbOpen(QStringLiteral("check-server"));
        QCOMPARE(slRecordsPerMachine(database), QStringList({"WMA-111:5", "WMA-222:2"}));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check-server"));
    QCOMPARE(slLocalRecords(m_strArchive), QStringList({"WMA-111:5", "WMA-222:2"}));
    QCOMPARE(messages.count(), 1);
}

QTEST_GUILESS_MAIN(tst_ArchiveKeeper)

#include "tst_archivekeeper.moc"
