// The archive on every back end (archivebackends.h): what a sequence of
// arriving files leaves in it, written out record by record and version by
// version; the migration of an earlier schema; a newer schema refused. On
// SQLite also: a damaged file moved aside, the default place of the file,
// and an import killed at many moments leaving the archive whole.

#include "archivebackends.h"
#include "archivefixtures.h"
#include "pgserver.h"
#include "testsupport.h"

#include "data/archiveimport.h"
#include "data/archiverecords.h"
#include "data/archiveschema.h"
#include "data/archivestore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cstdio>
#include <memory>

using ArchiveFixtures::baOrder;

namespace
{

// One arriving file and what its import must report.
struct Step {
    QString strChassis;
    QString strName;
    QByteArray baContent;
    QString strArrived; // UTC, "yyyy-MM-ddTHH:mm"
    int s32New;
    int s32Changed;
    int s32Unchanged;
};

const QString c_strA = QStringLiteral("WMA-111");
const QString c_strB = QStringLiteral("WMA-222");

ArchiveInput input(const Step& _step)
{
    ArchiveInput in;
    in.strFileName = _step.strName;
    in.baContent = _step.baContent;
    in.machine.strChassis = _step.strChassis;
    in.machine.strSerial = _step.strChassis.isEmpty() ? QString() : QStringLiteral("S-") + _step.strChassis;
    in.arrived = QDateTime::fromString(_step.strArrived, Qt::ISODate);
    in.arrived.setTimeSpec(Qt::UTC);
    return in;
}

// Every version in the archive, one text each, sorted:
// "chassis kind key season first..last line" (the line as Latin-1 text,
// times as "MM-ddTHH").
QStringList slDump(QSqlDatabase _database)
{
    QSqlQuery query(_database);
    const bool bOk = query.exec(
        QStringLiteral("SELECT r.chassis, r.kind, r.record_key, r.season, v.first_seen, %1, v.line "
                       "FROM archive_records r JOIN archive_versions v ON v.record_id = r.id "
                       "LEFT JOIN archive_files f ON f.id = v.last_file_id")
            .arg(ArchiveSchema::strLastSeen(QStringLiteral("v"), QStringLiteral("f"))));
    if (!bOk)
        return {QStringLiteral("query failed: ") + query.lastError().text()};
    QStringList sl;
    while (query.next()) {
        const auto time = [&](int _s32Column) { return query.value(_s32Column).toString().mid(5, 8); };
        sl << QStringLiteral("%1 %2 %3 %4 %5..%6 %7")
                  .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                       query.value(3).toString(), time(4), time(5),
                       QString::fromLatin1(query.value(6).toByteArray()));
    }
    sl.sort();
    return sl;
}

QString strVersion(const QString& _strChassis, const QString& _strKind, const QString& _strKey,
                   const QString& _strSeason, const QString& _strFirst, const QString& _strLast,
                   const QByteArray& _baLine)
{
    return QStringLiteral("%1 %2 %3 %4 %5..%6 %7")
        .arg(_strChassis, _strKind, _strKey, _strSeason, _strFirst, _strLast, QString::fromLatin1(_baLine));
}

QString strUtf8(const QByteArray& _baLatin1)
{
    return QString::fromLatin1(QString::fromLatin1(_baLatin1).toUtf8());
}

} // namespace

Q_DECLARE_METATYPE(QVector<Step>)

class tst_Archive : public QObject
{
    Q_OBJECT
public:
    explicit tst_Archive(const ArchiveBackend& _backend) : m_backend(_backend) {}

private slots:
    void init();
    void cleanup();
    void imports_data();
    void imports();
    void decodedColumns();
    void noListNamed();
    void migratesVersion1();
    void refusesNewerSchema();
    void damagedFileMovedAside();
    void defaultPlace();
    void lockedArchive();
    void fullDisk();
    void killedImport();
    void concurrentImporters();

private:
    bool bSqlite() const { return m_backend.strName == QLatin1String("sqlite"); }

    ArchiveBackend m_backend;
    QString m_strConnection;
    QSqlDatabase m_database;
    int m_s32Case = 0;
};

void tst_Archive::init()
{
    m_strConnection = QStringLiteral("archive-%1-%2").arg(m_backend.strName).arg(++m_s32Case);
    QString strWhyNot;
    m_database = m_backend.fnFresh(m_strConnection, strWhyNot);
    if (!m_database.isValid())
        QSKIP(qPrintable(m_backend.strName + QStringLiteral(": ") + strWhyNot));
}

void tst_Archive::cleanup()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_strConnection);
}

void tst_Archive::imports_data()
{
    QTest::addColumn<QVector<Step>>("steps");
    QTest::addColumn<QStringList>("expected");

    const QString strOrders = QStringLiteral("Auftraege.csv");
    const QByteArray ba1 = baOrder(1, QStringLiteral("01.10.2014 08:30"), 35000);
    const QByteArray ba2 = baOrder(2, QStringLiteral("02.10.2014 07:00"), 20000);
    const QByteArray ba1B = baOrder(1, QStringLiteral("01.10.2014 08:30"), 41000, QStringLiteral("Köhler"));
    const QByteArray ba1New = baOrder(1, QStringLiteral("15.09.2015 06:00"), 18000);
    const QByteArray ba1Changed = baOrder(1, QStringLiteral("01.10.2014 08:30"), 36500);
    const QString strKey1 = QStringLiteral("1;01.10.2014 08:30");
    const QString strKey2 = QStringLiteral("2;02.10.2014 07:00");
    const QString strS = QStringLiteral("2014/15");
    using ArchiveFixtures::baUtf8File;

    QTest::newRow("two machines, files of the same name both kept")
        << QVector<Step>{{c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-03T10:00", 2, 0, 0},
                         {c_strB, strOrders, baUtf8File({ba1B}), "2014-10-03T11:00", 1, 0, 0}}
        << QStringList{
               strVersion(c_strA, "orders", strKey1, strS, "10-03T10", "10-03T10", strUtf8(ba1).toLatin1()),
               strVersion(c_strA, "orders", strKey2, strS, "10-03T10", "10-03T10", strUtf8(ba2).toLatin1()),
               strVersion(c_strB, "orders", strKey1, strS, "10-03T11", "10-03T11", strUtf8(ba1B).toLatin1())};

    // The terminal began a new season: its orders file holds only the new
    // one's orders, order 1 among them again with another start.
    QTest::newRow("season replaced on the terminal, the old one kept")
        << QVector<Step>{{c_strA, strOrders, baUtf8File({ba1, ba2}), "2015-06-30T10:00", 2, 0, 0},
                         {c_strA, strOrders, baUtf8File({ba1New}), "2015-09-16T10:00", 1, 0, 0}}
        << QStringList{
               strVersion(c_strA, "orders", strKey1, strS, "06-30T10", "06-30T10", strUtf8(ba1).toLatin1()),
               strVersion(c_strA, "orders", QStringLiteral("1;15.09.2015 06:00"), "2015/16", "09-16T10",
                          "09-16T10", strUtf8(ba1New).toLatin1()),
               strVersion(c_strA, "orders", strKey2, strS, "06-30T10", "06-30T10", strUtf8(ba2).toLatin1())};

    QTest::newRow("changed order keeps its earlier version, a missing one stays")
        << QVector<Step>{{c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-03T10:00", 2, 0, 0},
                         {c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-04T10:00", 0, 0, 2},
                         {c_strA, strOrders, baUtf8File({ba1Changed}), "2014-10-05T10:00", 0, 1, 0}}
        << QStringList{
               strVersion(c_strA, "orders", strKey1, strS, "10-03T10", "10-04T10", strUtf8(ba1).toLatin1()),
               strVersion(c_strA, "orders", strKey1, strS, "10-05T10", "10-05T10",
                          strUtf8(ba1Changed).toLatin1()),
               strVersion(c_strA, "orders", strKey2, strS, "10-03T10", "10-04T10", strUtf8(ba2).toLatin1())};

    // A file that arrives again after another one brings its versions back
    // as the latest ones; arriving once more, with no file between, it only
    // moves their last sighting.
    QTest::newRow("a file again after another one, then once more")
        << QVector<Step>{{c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-03T10:00", 2, 0, 0},
                         {c_strA, strOrders, baUtf8File({ba1Changed, ba2}), "2014-10-04T10:00", 0, 1, 1},
                         {c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-05T10:00", 0, 1, 1},
                         {c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-06T10:00", 0, 0, 2}}
        << QStringList{
               strVersion(c_strA, "orders", strKey1, strS, "10-03T10", "10-06T10", strUtf8(ba1).toLatin1()),
               strVersion(c_strA, "orders", strKey1, strS, "10-04T10", "10-04T10",
                          strUtf8(ba1Changed).toLatin1()),
               strVersion(c_strA, "orders", strKey2, strS, "10-03T10", "10-06T10", strUtf8(ba2).toLatin1())};

    // The same bytes again at the same time: nothing is new, nothing written.
    QTest::newRow("re-import adds nothing")
        << QVector<Step>{{c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-03T10:00", 2, 0, 0},
                         {c_strA, strOrders, baUtf8File({ba1, ba2}), "2014-10-03T10:00", 0, 0, 2}}
        << QStringList{
               strVersion(c_strA, "orders", strKey1, strS, "10-03T10", "10-03T10", strUtf8(ba1).toLatin1()),
               strVersion(c_strA, "orders", strKey2, strS, "10-03T10", "10-03T10", strUtf8(ba2).toLatin1())};

    // A file from disk (no machine), Latin-1 with "\r\n": the line's bytes
    // are kept without the line end; lines without a key are left out.
    const QByteArray baHostile =
        baOrder(3, QStringLiteral("05.10.2014 09:00"), 1000,
                QStringLiteral("x' OR '1'='1' -- DROP TABLE archive_records \" \x01\xe4\\"));
    const QByteArray baNoStart = baOrder(4, QString(), 1000);
    QTest::newRow("file from disk, hostile bytes, lines without key")
        << QVector<Step>{{QString(), QStringLiteral("orders_2014.csv"),
                          ArchiveFixtures::baLatin1CrLfFile({baHostile, baNoStart, QByteArray()}),
                          "2014-10-06T10:00", 1, 0, 0}}
        << QStringList{strVersion(QString(), "orders", QStringLiteral("3;05.10.2014 09:00"), strS, "10-06T10",
                                  "10-06T10", baHostile)};

    // The terminal pads fields with zero bytes: the record behind them is
    // read whole and kept with them.
    QByteArray baPadded = baOrder(5, QStringLiteral("07.10.2014 10:00"), 2000);
    baPadded.replace(QByteArray("Breite"), QByteArray("Breite\0\0\0", 9));
    QTest::newRow("zero bytes in a field, as the terminal pads it")
        << QVector<Step>{{c_strA, strOrders, ArchiveFixtures::baLatin1CrLfFile({baPadded}),
                          "2014-10-07T12:00", 1, 0, 0}}
        << QStringList{strVersion(c_strA, "orders", QStringLiteral("5;07.10.2014 10:00"), strS, "10-07T12",
                                  "10-07T12", baPadded)};

    // The other lists by their number (fields by customer and name); the
    // statistics file by the campaign it arrived in.
    const QByteArray baCustomer =
        QString::fromUtf8("4711;Bärbel;Höfer;Mühlenweg 1;31134;Hildesheim;;05121 1234").toLatin1();
    const QByteArray baField = QString::fromUtf8("4711;Höfer;Gänsewiese;4,20;3,5").toLatin1();
    const QByteArray baDriver = QString::fromUtf8("7;Jörg;Lührs;;;;;;;;;;;;").toLatin1();
    const QByteArray baSeason("x;1234,5;;88,2;12,1;500;20;30;100;10;1;5:00;20:00;300:00;250:00");
    const QByteArray baSeasonLater("x;1400,0;;90,0;12,1;500;20;30;100;10;1;5:00;20:00;310:00;260:00");
    QTest::newRow("customers, fields, drivers and statistics")
        << QVector<Step>{{c_strA, QStringLiteral("Kunden.csv"), baUtf8File({baCustomer}), "2014-10-03T10:00",
                          1, 0, 0},
                         {c_strA, QStringLiteral("Schlaege.csv"), baUtf8File({baField}), "2014-10-03T10:00",
                          1, 0, 0},
                         {c_strA, QStringLiteral("Fahrer.csv"), baUtf8File({baDriver}), "2014-10-03T10:00", 1,
                          0, 0},
                         {c_strA, QStringLiteral("Statistik Saison.csv"), baUtf8File({baSeason}),
                          "2015-06-01T10:00", 1, 0, 0},
                         {c_strA, QStringLiteral("Statistik Saison.csv"), baUtf8File({baSeasonLater}),
                          "2015-07-02T10:00", 1, 0, 0}}
        << QStringList{
               strVersion(c_strA, "customers", "4711", "", "10-03T10", "10-03T10",
                          strUtf8(baCustomer).toLatin1()),
               strVersion(c_strA, "drivers", "7", "", "10-03T10", "10-03T10", strUtf8(baDriver).toLatin1()),
               strVersion(c_strA, "fields", QString::fromUtf8("4711;Gänsewiese"), "", "10-03T10", "10-03T10",
                          strUtf8(baField).toLatin1()),
               strVersion(c_strA, "season", strS, strS, "06-01T10", "06-01T10", strUtf8(baSeason).toLatin1()),
               strVersion(c_strA, "season", "2015/16", "2015/16", "07-02T10", "07-02T10",
                          strUtf8(baSeasonLater).toLatin1())};

    // Two fields of one name for one customer: both kept, and the same file
    // again changes nothing.
    const QByteArray baFieldTwin = QString::fromUtf8("4711;Höfer;Gänsewiese;1,10;0,5").toLatin1();
    QTest::newRow("a key twice in a file")
        << QVector<Step>{{c_strA, QStringLiteral("Schlaege.csv"), baUtf8File({baField, baFieldTwin}),
                          "2014-10-03T10:00", 2, 0, 0},
                         {c_strA, QStringLiteral("Schlaege.csv"), baUtf8File({baField, baFieldTwin}),
                          "2014-10-04T10:00", 0, 0, 2}}
        << QStringList{strVersion(c_strA, "fields", QString::fromUtf8("4711;Gänsewiese"), "", "10-03T10",
                                  "10-04T10", strUtf8(baField).toLatin1()),
                       strVersion(c_strA, "fields", QString::fromUtf8("4711;Gänsewiese #2"), "", "10-03T10",
                                  "10-04T10", strUtf8(baFieldTwin).toLatin1())};
}

void tst_Archive::imports()
{
    QFETCH(QVector<Step>, steps);
    QFETCH(QStringList, expected);
    cArchiveStore store(m_database);
    for (const Step& step : steps) {
        QString strMessage;
        const ArchiveImportResult result = store.importFile(input(step), &strMessage);
        QVERIFY2(result.bOk(), qPrintable(strMessage));
        QCOMPARE(strMessage, QString());
        QCOMPARE(QStringLiteral("%1 new, %2 changed, %3 unchanged")
                     .arg(result.s32New)
                     .arg(result.s32Changed)
                     .arg(result.s32Unchanged),
                 QStringLiteral("%1 new, %2 changed, %3 unchanged")
                     .arg(step.s32New)
                     .arg(step.s32Changed)
                     .arg(step.s32Unchanged));
    }
    QCOMPARE(slDump(store.database()), expected);
}

void tst_Archive::decodedColumns()
{
    cArchiveStore store(m_database);
    const QByteArray baLine = baOrder(12, QStringLiteral("01.10.2014 08:30"), 35000);
    QVERIFY(store
                .importFile(input({c_strA, "Auftraege.csv", ArchiveFixtures::baUtf8File({baLine}),
                                   "2014-10-03T10:00", 1, 0, 0}))
                .bOk());
    QSqlQuery query(store.database());
    QVERIFY(
        query.exec(QStringLiteral("SELECT customer, customer_number, field_name, driver, start_at, stop_at, "
                                  "area_m2, field_min, harvest_min, field_m, harvest_m, road_m, "
                                  "field_fuel_ml, road_fuel_ml, harvest_fuel_ml FROM archive_versions")));
    QVERIFY(query.next());
    QStringList slValues;
    for (int i = 0; i < 15; ++i)
        slValues << query.value(i).toString();
    QCOMPARE(
        slValues.join(QLatin1Char('|')),
        QString::fromUtf8("Müller|4712|Große Breite|Jörg|2014-10-01T08:30|2014-10-01T17:45|35000|195|160|"
                          "12000|9000|25000|150000|30000|120000"));
    QVERIFY(!query.next());
}

// A file whose name names no list is refused with its name, and leaves no trace.
void tst_Archive::noListNamed()
{
    cArchiveStore store(m_database);
    QString strMessage;
    const ArchiveImportResult result = store.importFile(
        input({c_strA, "notizen.txt", "h\n1;x\n", "2014-10-03T10:00", 0, 0, 0}), &strMessage);
    QCOMPARE(int(result.failure), int(ArchiveImportResult::Failure::NoList));
    QVERIFY2(strMessage.contains(QLatin1String("notizen.txt")), qPrintable(strMessage));
    QCOMPARE(slDump(store.database()), QStringList());
}

void tst_Archive::migratesVersion1()
{
    // An archive as version 1 wrote it: one line per record, no history.
    QVERIFY(m_database.open());
    const QStringList slCreate = ArchiveSchema::slCreate(ArchiveSchema::dialectOf(m_database), 1);
    QSqlQuery query(m_database);
    for (const QString& strSql : slCreate)
        QVERIFY2(query.exec(strSql), qPrintable(query.lastError().text()));
    const QByteArray baLine = strUtf8(baOrder(1, QStringLiteral("01.10.2014 08:30"), 35000)).toLatin1();
    const QByteArray baOther = strUtf8(baOrder(2, QStringLiteral("02.10.2014 07:00"), 20000)).toLatin1();
    QVERIFY(query.prepare(
        QStringLiteral("INSERT INTO archive_records (chassis, serial, kind, record_key, season, "
                       "line, arrived, customer, area_m2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")));
    const QVariantList lRows[] = {{c_strA, "S-" + c_strA, "orders", "1;01.10.2014 08:30", "2014/15", baLine,
                                   "2014-10-03T10:00:00.000Z", QString::fromUtf8("Müller"), 35000},
                                  {c_strB, "S-" + c_strB, "orders", "2;02.10.2014 07:00", "2014/15", baOther,
                                   "2014-10-05T10:00:00.000Z", QString::fromUtf8("Müller"), 20000}};
    for (const QVariantList& lRow : lRows) {
        for (const QVariant& value : lRow)
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    }
    query.clear(); // its prepared statement goes before the connection does
    m_database.close();

    cArchiveStore store(m_database);
    const ArchiveOpenResult opened = store.open();
    QVERIFY2(opened.kind == ArchiveOpenResult::Kind::Open, qPrintable(opened.strMessage));
    QSqlQuery check(store.database());
    QVERIFY(check.exec(QStringLiteral("SELECT version FROM archive_version")) && check.next());
    QCOMPARE(check.value(0).toInt(), ArchiveSchema::CURRENT_VERSION);
    QCOMPARE(slDump(store.database()), QStringList({strVersion(c_strA, "orders", "1;01.10.2014 08:30",
                                                               "2014/15", "10-03T10", "10-03T10", baLine),
                                                    strVersion(c_strB, "orders", "2;02.10.2014 07:00",
                                                               "2014/15", "10-05T10", "10-05T10", baOther)}));
    QVERIFY(
        check.exec(QStringLiteral("SELECT customer, area_m2 FROM archive_versions ORDER BY area_m2 DESC")) &&
        check.next());
    QCOMPARE(check.value(0).toString(), QString::fromUtf8("Müller"));
    QCOMPARE(check.value(1).toInt(), 35000);
    // The list browser's view of the orders was made from the versions.
    QVERIFY(
        check.exec(QStringLiteral("SELECT chassis, order_sort FROM archive_order_view ORDER BY order_sort")));
    QStringList slView;
    while (check.next())
        slView << check.value(0).toString() + QLatin1Char(' ') + check.value(1).toString();
    QCOMPARE(slView, QStringList({c_strA + " 1", c_strB + " 2"}));
    // The migrated record is matched by the next import of the same line.
    const ArchiveImportResult result = store.importFile(
        input({c_strA, "Auftraege.csv", ArchiveFixtures::baUtf8File({baOrder(1, "01.10.2014 08:30", 35000)}),
               "2014-10-04T10:00", 0, 0, 1}));
    QCOMPARE(QVector<int>({result.s32New, result.s32Changed, result.s32Unchanged}), QVector<int>({0, 0, 1}));
}

void tst_Archive::refusesNewerSchema()
{
    {
        cArchiveStore store(m_database);
        QVERIFY(store.open().bUsable());
        QSqlQuery query(store.database());
        QVERIFY(query.exec(QStringLiteral("UPDATE archive_version SET version = 7")));
        store.vClose();
    }
    cArchiveStore store(m_database);
    const ArchiveOpenResult opened = store.open();
    QCOMPARE(int(opened.kind), int(ArchiveOpenResult::Kind::NewerSchema));
    QVERIFY(!store.bIsOpen());
    QVERIFY2(opened.strMessage.contains(store.strDisplayName()) &&
                 opened.strMessage.contains(QLatin1String("7")),
             qPrintable(opened.strMessage));
    QString strMessage;
    const ArchiveImportResult result =
        store.importFile(input({c_strA, "Kunden.csv", "h\n1;x\n", "2014-10-04T10:00", 0, 0, 0}), &strMessage);
    QCOMPARE(int(result.failure), int(ArchiveImportResult::Failure::Closed));
    QCOMPARE(strMessage, opened.strMessage);
    // Left as it was.
    QVERIFY(m_database.open());
    QSqlQuery query(m_database);
    QVERIFY(query.exec(QStringLiteral("SELECT version FROM archive_version")) && query.next());
    QCOMPARE(query.value(0).toInt(), 7);
}

void tst_Archive::damagedFileMovedAside()
{
    if (!bSqlite())
        QSKIP("a file of its own: SQLite only");
    const QString strPath = m_database.databaseName();
    const QByteArray baDamaged(QByteArray("not an archive at all; ").repeated(400));
    TestSupport::strWriteFile(strPath, baDamaged);

    // First use: an import. It goes into a new archive at the old place, and
    // its message tells of the damaged one moved aside.
    cArchiveStore store(m_database);
    QString strMessage;
    const ArchiveImportResult result =
        store.importFile(input({c_strA, "Kunden.csv", "h\n1;x\n", "2014-10-04T10:00", 1, 0, 0}), &strMessage);
    QVERIFY(result.bOk());
    QCOMPARE(result.s32New, 1);
    QVERIFY(store.bIsOpen());
    const QStringList slAside =
        QDir(QFileInfo(strPath).path())
            .entryList({QFileInfo(strPath).fileName() + QStringLiteral(".damaged-*")});
    QCOMPARE(slAside.size(), 1);
    const QString strAside = QFileInfo(strPath).path() + QLatin1Char('/') + slAside.first();
    QCOMPARE(TestSupport::baReadFile(strAside), baDamaged);
    for (const QString& strNamed : {strPath, strAside})
        QVERIFY2(strMessage.contains(QDir::toNativeSeparators(strNamed)), qPrintable(strMessage));
    QCOMPARE(slDump(store.database()).size(), 1);
}

// Another program holding the archive in a write transaction: the store
// waits a few seconds, then says the archive is locked and stays closed.
void tst_Archive::lockedArchive()
{
    if (!bSqlite())
        QSKIP("a file of its own: SQLite only");
    const QString strLocker = m_strConnection + QStringLiteral("-locker");
    {
        QSqlDatabase locker = cArchiveStore::sqliteConnection(m_database.databaseName(), strLocker);
        QVERIFY(locker.open());
        QSqlQuery query(locker);
        QVERIFY(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE other (x INTEGER)")));
        cArchiveStore store(m_database);
        const ArchiveOpenResult opened = store.open();
        QCOMPARE(int(opened.kind), int(ArchiveOpenResult::Kind::Locked));
        QVERIFY(!store.bIsOpen());
        QVERIFY2(opened.strMessage.contains(store.strDisplayName()), qPrintable(opened.strMessage));
        QVERIFY(query.exec(QStringLiteral("ROLLBACK")));
        // Free again: the next use opens it.
        QCOMPARE(int(store.open().kind), int(ArchiveOpenResult::Kind::Open));
        store.vClose();
        locker.close();
    }
    QSqlDatabase::removeDatabase(strLocker);
}

// A full disk: the import goes in whole or not at all, with a message
// naming the file and the full disk.
void tst_Archive::fullDisk()
{
    if (!bSqlite())
        QSKIP("a file of its own: SQLite only");
    TestSupport::cSmallDisk disk(QString(), 512);
    if (!disk.bMounted())
        QSKIP(qPrintable(disk.strWhyNot()));
    m_database.setDatabaseName(disk.strPath() + QStringLiteral("/archive.sqlite"));
    cArchiveStore store(m_database);
    QVERIFY(store.importFile(input({c_strA, "Kunden.csv", "h\n1;x\n", "2014-10-04T10:00", 1, 0, 0})).bOk());
    QVERIFY(disk.bFill());
    QString strMessage;
    const ArchiveImportResult result =
        store.importFile(input({c_strA, "Auftraege.csv", ArchiveFixtures::baBigOrdersFile(2000, 0),
                                "2014-10-05T10:00", 0, 0, 0}),
                         &strMessage);
    QVERIFY(!result.bOk());
    QCOMPARE(int(cArchiveStore::kindOfError(m_database, result.error)),
             int(ArchiveOpenResult::Kind::DiskFull));
    QVERIFY2(strMessage.contains(QLatin1String("Auftraege.csv")) &&
                 strMessage.contains(QLatin1String("voll")),
             qPrintable(strMessage));
    QCOMPARE(slDump(store.database()).size(), 1);
    store.vClose();
}

void tst_Archive::defaultPlace()
{
    if (!bSqlite())
        QSKIP("a file of its own: SQLite only");
    // In the user's data folder under the settings' organisation, whatever
    // the program is called.
    QCOMPARE(cArchiveStore::strDefaultPath(),
             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/Lindqvarth/archive.sqlite"));
    m_database.setDatabaseName(cArchiveStore::strDefaultPath());
    QFile::remove(cArchiveStore::strDefaultPath());
    cArchiveStore store(m_database);
    QVERIFY(!QFile::exists(cArchiveStore::strDefaultPath())); // opened on first use
    QVERIFY(store.importFile(input({c_strA, "Kunden.csv", "h\n1;x\n", "2014-10-04T10:00", 1, 0, 0})).bOk());
    QVERIFY(QFile::exists(cArchiveStore::strDefaultPath()));
    QSqlQuery query(store.database());
    QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
    QVERIFY(query.exec(QStringLiteral("PRAGMA foreign_keys")) && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

namespace
{

const int s32BigOrders = 20000;
const int s32Kills = 16;
const int s32WaitMs = 60000;

// Records and files of machine B (the child's) and of machine A (there before).
QVector<int> counts(QSqlDatabase _database)
{
    QVector<int> l;
    QSqlQuery query(_database);
    for (const char* pSql :
         {"SELECT count(*) FROM archive_records WHERE chassis = 'WMA-222'",
          "SELECT count(*) FROM archive_versions v JOIN archive_records r ON r.id = v.record_id "
          "WHERE r.chassis = 'WMA-222'",
          "SELECT count(*) FROM archive_files WHERE chassis = 'WMA-222'",
          "SELECT count(*) FROM archive_records WHERE chassis = 'WMA-111'"}) {
        l << (query.exec(QLatin1String(pSql)) && query.next() ? query.value(0).toInt() : -1);
    }
    return l;
}

void vCopyArchive(const QString& _strFrom, const QString& _strTo)
{
    for (const char* pSuffix : {"", "-wal", "-shm"})
        QFile::remove(_strTo + QLatin1String(pSuffix));
    QVERIFY(QFile::copy(_strFrom, _strTo));
}

} // namespace

// An import killed at any moment leaves the archive as it was before it or
// as after it, never in between: the child imports a big orders file and is
// killed with SIGKILL at delays spread over one import's duration (measured
// first); the archive opened afterwards holds none or all of its records.
void tst_Archive::killedImport()
{
    if (!bSqlite())
        QSKIP("a file of its own: SQLite only");
    const QString strTemplate = m_database.databaseName();
    {
        cArchiveStore store(m_database);
        QVERIFY(store.importFile(input({c_strA, "Kunden.csv", "h\n1;x\n2;y\n", "2014-10-04T10:00", 2, 0, 0}))
                    .bOk());
        store.vClose();
    }
    const QString strRun = strTemplate + QStringLiteral(".run");
    const auto runChild = [&](QProcess& _process) {
        _process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        _process.start(QStringLiteral(VEMO_ARCHIVEIMPORTER_BINARY),
                       {strRun, QString::number(s32BigOrders), QStringLiteral("1")});
        return _process.waitForReadyRead(s32WaitMs) && _process.readLine().trimmed() == "S";
    };
    const auto check = [&](int& _s32Whole, int& _s32None) {
        const QString strConnection = m_strConnection + QStringLiteral("-check");
        {
            cArchiveStore store(cArchiveStore::sqliteConnection(strRun, strConnection));
            QVERIFY(store.open().kind == ArchiveOpenResult::Kind::Open);
            const QVector<int> l = counts(store.database());
            if (l == QVector<int>({s32BigOrders, s32BigOrders, 1, 2}))
                ++_s32Whole;
            else if (l == QVector<int>({0, 0, 0, 2}))
                ++_s32None;
            else
                QFAIL(qPrintable(QStringLiteral("part of an import: %1 %2 %3 %4")
                                     .arg(l[0])
                                     .arg(l[1])
                                     .arg(l[2])
                                     .arg(l[3])));
            store.vClose();
        }
        QSqlDatabase::removeDatabase(strConnection);
    };

    // One whole import, for its duration.
    vCopyArchive(strTemplate, strRun);
    qint64 s64DurationMs = 0;
    {
        QProcess process;
        QVERIFY(runChild(process));
        QVERIFY(process.waitForFinished(s32WaitMs));
        const QByteArray baDone = process.readAll().trimmed();
        QVERIFY2(baDone.startsWith("D "), baDone.constData());
        s64DurationMs = baDone.mid(2).toLongLong();
        int s32Whole = 0, s32None = 0;
        check(s32Whole, s32None);
        QCOMPARE(s32Whole, 1);
    }
    int s32Whole = 0;
    int s32None = 0;
    for (int i = 0; i < s32Kills; ++i) {
        vCopyArchive(strTemplate, strRun);
        QProcess process;
        QVERIFY(runChild(process));
        // Spread over the import and a little beyond its end.
        QThread::usleep(qMax<qint64>(1, s64DurationMs * 1500 * i / (s32Kills - 1)));
        process.kill();
        QVERIFY(process.waitForFinished(s32WaitMs));
        check(s32Whole, s32None);
    }
    qInfo("%d kills: %d left the whole file, %d nothing (one import takes %lld ms)", s32Kills, s32Whole,
          s32None, s64DurationMs);
    // Kills landed inside the import (those after it depend on the load).
    QVERIFY(s32None > 0);
}

// Two devices import the same file at the same moment, each on its own
// connection: every record is stored once, and neither import fails.
void tst_Archive::concurrentImporters()
{
    {
        cArchiveStore store(m_database);
        QVERIFY2(store.open().bUsable(), "archive not opened");
        store.vClose();
    }
    const QByteArray baFile = ArchiveFixtures::baBigOrdersFile(1500, 0);
    QAtomicInt s32Ready;
    QAtomicInt s32Failed;
    QStringList slMessages[2];
    const auto import = [&](int _s32Index) {
        const QString strName = m_strConnection + QStringLiteral("-importer%1").arg(_s32Index);
        {
            QSqlDatabase database = QSqlDatabase::cloneDatabase(m_strConnection, strName);
            cArchiveStore store(database);
            ArchiveInput fileInput;
            fileInput.strFileName = QStringLiteral("Auftraege.csv");
            fileInput.baContent = baFile;
            fileInput.machine = {c_strA, QStringLiteral("LQ-1")};
            fileInput.arrived = QDateTime(QDate(2014, 10, 3), QTime(10, 0), Qt::UTC);
            s32Ready.ref();
            while (s32Ready.loadAcquire() < 2) {
            }
            QString strMessage;
            if (!store.importFile(fileInput, &strMessage).bOk()) {
                s32Failed.ref();
                slMessages[_s32Index] << strMessage;
            }
            store.vClose();
        }
        QSqlDatabase::removeDatabase(strName);
    };
    std::unique_ptr<QThread> first(QThread::create(import, 0));
    std::unique_ptr<QThread> second(QThread::create(import, 1));
    first->start();
    second->start();
    QVERIFY(first->wait(120000));
    QVERIFY(second->wait(120000));
    QVERIFY2(s32Failed.loadAcquire() == 0,
             qPrintable((slMessages[0] + slMessages[1]).join(QLatin1Char('\n'))));

    QVERIFY(m_database.open());
    QSqlQuery query(m_database);
    QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM archive_records")) && query.next());
    QCOMPARE(query.value(0).toInt(), 1500);
    QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM archive_versions")) && query.next());
    QCOMPARE(query.value(0).toInt(), 1500);
    QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM archive_files")) && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

namespace
{

// The PostgreSQL server of this test run: started on first use in a
// temporary folder, stopped when the program ends.
cPgServer& pgServer()
{
    static cPgServer s_server;
    return s_server;
}

// Why the server cannot run here (package or driver missing): its cases
// are skipped with this reason. A server that can run but fails to start
// fails the test instead (see main).
QString g_strPgSkip;

// Every case gets a database of its own on the test run's server, made
// through the server's own database.
QSqlDatabase postgresDatabase(const QString& _strConnection, QString& _strWhyNot)
{
    if (!g_strPgSkip.isEmpty() || !pgServer().bRunning()) {
        _strWhyNot =
            g_strPgSkip.isEmpty() ? QStringLiteral("the PostgreSQL server did not start") : g_strPgSkip;
        return QSqlDatabase();
    }
    const auto configure = [&](QSqlDatabase& _database, const QString& _strName) {
        _database.setHostName(pgServer().strHost());
        _database.setPort(pgServer().s32Port());
        _database.setUserName(pgServer().strUser());
        _database.setDatabaseName(_strName);
    };
    // A name made from the case's connection name (letters, digits, "_"),
    // never from data: database names cannot be bound values.
    const QString strName = QString(_strConnection).replace(QLatin1Char('-'), QLatin1Char('_')).toLower();
    const QString strAdmin = _strConnection + QStringLiteral("-admin");
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), strAdmin);
        configure(admin, pgServer().strDatabase());
        QSqlQuery query(admin);
        if (!admin.open() || !query.exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(strName)) ||
            !query.exec(QStringLiteral("CREATE DATABASE %1").arg(strName)))
            _strWhyNot = admin.lastError().text() + query.lastError().text();
    }
    QSqlDatabase::removeDatabase(strAdmin);
    if (!_strWhyNot.isEmpty())
        return QSqlDatabase();
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), _strConnection);
    configure(database, strName);
    return database;
}

} // namespace

QVector<ArchiveBackend> archiveBackends()
{
    static QTemporaryDir s_folder;
    ArchiveBackend sqlite;
    sqlite.strName = QStringLiteral("sqlite");
    sqlite.fnFresh = [](const QString& _strConnection, QString& _strWhyNot) {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
            _strWhyNot = QStringLiteral("Qt's QSQLITE driver is not installed (libqt5sql5-sqlite)");
            return QSqlDatabase();
        }
        return cArchiveStore::sqliteConnection(s_folder.filePath(_strConnection + QStringLiteral(".sqlite")),
                                               _strConnection);
    };
    ArchiveBackend postgres;
    postgres.strName = QStringLiteral("postgresql");
    postgres.fnFresh = postgresDatabase;
    return {sqlite, postgres};
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestSupport::vIsolate();
    int s32Failed = 0;
    if (!pgServer().bStart(&g_strPgSkip) && g_strPgSkip.isEmpty()) {
        std::fprintf(stderr, "FAIL: PostgreSQL server: %s\n", qPrintable(pgServer().strError()));
        ++s32Failed;
    }
    for (const ArchiveBackend& backend : archiveBackends()) {
        tst_Archive test(backend);
        s32Failed += QTest::qExec(&test, argc, argv);
    }
    return s32Failed;
}

#include "tst_archive.moc"
