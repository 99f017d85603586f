// The contractor's rates and letterhead in the archive, on SQLite and
// PostgreSQL: what is saved comes back after the archive was closed and
// opened again, customers' values not set fall back to the default's,
// customers taken out are gone, and an archive of version 4 keeps its rows
// when it gains the rates.

#include "pgserver.h"
#include "testsupport.h"

#include "data/archiveschema.h"
#include "data/archivestore.h"
#include "data/billsettings.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class tst_BillSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void survivesReopening_data();
    void survivesReopening();
    void migratesVersion4_data() { survivesReopening_data(); }
    void migratesVersion4();

private:
    // A connection to an empty database of its own (not yet opened); skips
    // the case where the back end cannot run here.
    QSqlDatabase fresh(const QString& _strBackEnd);
    // The archive on _database's settings, opened again as the application
    // opens it after a restart.
    QSqlDatabase reopened(const QSqlDatabase& _database);

    cPgServer m_server;
    QString m_strPgSkip;
    QTemporaryDir m_folder;
    QStringList m_slConnections;
};

void tst_BillSettings::initTestCase()
{
    TestSupport::vIsolate();
    if (!m_server.bStart(&m_strPgSkip) && m_strPgSkip.isEmpty())
        QFAIL(qPrintable(m_server.strError()));
}

void tst_BillSettings::cleanupTestCase()
{
    m_server.vStop();
}

void tst_BillSettings::cleanup()
{
    for (const QString& strConnection : m_slConnections) {
        QSqlDatabase::database(strConnection, false).close();
        QSqlDatabase::removeDatabase(strConnection);
    }
    m_slConnections.clear();
}

QSqlDatabase tst_BillSettings::fresh(const QString& _strBackEnd)
{
    static int s_s32Case = 0;
    const QString strName = QStringLiteral("bills_%1").arg(++s_s32Case);
    m_slConnections << strName;
    if (_strBackEnd == QLatin1String("sqlite"))
        return cArchiveStore::sqliteConnection(m_folder.filePath(strName + QStringLiteral(".sqlite")),
                                               strName);
    if (!m_server.bRunning())
        return QSqlDatabase();
    {
        QSqlDatabase admin = m_server.dbOpen(strName + QStringLiteral("_admin"));
        QSqlQuery query(admin);
        // A name of the test's own making: database names cannot be bound.
        if (!query.exec(QStringLiteral("CREATE DATABASE %1").arg(strName)))
            qWarning() << query.lastError().text();
    }
    QSqlDatabase::removeDatabase(strName + QStringLiteral("_admin"));
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), strName);
    database.setHostName(m_server.strHost());
    database.setPort(m_server.s32Port());
    database.setUserName(m_server.strUser());
    database.setDatabaseName(strName);
    return database;
}

QSqlDatabase tst_BillSettings::reopened(const QSqlDatabase& _database)
{
    const QString strConnection = _database.connectionName() + QStringLiteral("_again");
    m_slConnections << strConnection;
    QSqlDatabase database = QSqlDatabase::cloneDatabase(_database, strConnection);
    cArchiveStore store(database);
    const ArchiveOpenResult opened = store.open();
    if (!opened.bUsable())
        qWarning() << opened.strMessage;
    return store.database();
}

void tst_BillSettings::survivesReopening_data()
{
    QTest::addColumn<QString>("backEnd");
    QTest::newRow("sqlite") << "sqlite";
    QTest::newRow("postgresql") << "postgresql";
}

void tst_BillSettings::survivesReopening()
{
    QFETCH(QString, backEnd);
    QSqlDatabase database = fresh(backEnd);
    if (!database.isValid())
        QSKIP(qPrintable(m_strPgSkip.isEmpty() ? QStringLiteral("no PostgreSQL server") : m_strPgSkip));
    cArchiveStore store(database);
    QVERIFY2(store.open().bUsable(), qPrintable(store.open().strMessage));
    database = store.database();

    BillRates rates;
    rates.defaults = {12350, 8000, 2500, 1900};
    rates.customers.insert(QStringLiteral("4711"), {15000, std::nullopt, std::nullopt, 700});
    rates.customers.insert(QStringLiteral("K'1; DROP TABLE archive_bill_rates"), {std::nullopt, 0, 0, 0});
    rates.customers.insert(QStringLiteral("0815"), {100, 200, 300, 10000});
    Letterhead letterhead;
    letterhead.strName = QString::fromUtf8("Lohnunternehmen Jörg Müller");
    letterhead.strAddress = QString::fromUtf8("Große Breite 3\n38100 Braunschweig");
    letterhead.strVatId = QStringLiteral("DE123456789");
    letterhead.strBank = QStringLiteral("IBAN DE02 1203 0000 0000 2020 51\nBIC BYLADEM1001");
    for (int i = 0; i < 512; ++i)
        letterhead.baLogo.append(char(i % 256)); // every byte value
    QSqlError error;
    QVERIFY2(BillSettings::bSave(database, rates, letterhead, error), qPrintable(error.text()));
    store.vClose();

    QSqlDatabase again = reopened(database);
    BillRates ratesRead;
    Letterhead letterheadRead;
    QVERIFY2(BillSettings::bLoad(again, ratesRead, letterheadRead, error), qPrintable(error.text()));
    QVERIFY(ratesRead == rates);
    QVERIFY(letterheadRead == letterhead);
    // What customer 4711 does not set is the default's; a 0 set stays 0.
    const EffectiveRates own = ratesRead.effectiveFor(QStringLiteral("4711"));
    QCOMPARE(QVector<qint64>({own.s64PerHectare, own.s64PerRoadHour, own.s64PerOrder, own.s64VatBasisPoints}),
             QVector<qint64>({15000, 8000, 2500, 700}));

    // A customer taken out is gone, the other one's values changed, and a
    // letterhead emptied stays empty.
    rates.customers.remove(QStringLiteral("0815"));
    rates.customers[QStringLiteral("4711")].vatBasisPoints.reset();
    rates.defaults.perOrder.reset();
    QVERIFY2(BillSettings::bSave(again, rates, Letterhead(), error), qPrintable(error.text()));
    again.close();
    QSqlDatabase third = reopened(again);
    QVERIFY2(BillSettings::bLoad(third, ratesRead, letterheadRead, error), qPrintable(error.text()));
    QVERIFY(ratesRead == rates);
    QCOMPARE(ratesRead.customers.keys(),
             QStringList({QStringLiteral("4711"), QStringLiteral("K'1; DROP TABLE archive_bill_rates")}));
    QCOMPARE(ratesRead.effectiveFor(QStringLiteral("4711")).s64VatBasisPoints, qint64(1900));
    QCOMPARE(ratesRead.effectiveFor(QStringLiteral("0815")).s64PerOrder, qint64(0));
    QVERIFY(letterheadRead == Letterhead());
}

void tst_BillSettings::migratesVersion4()
{
    QFETCH(QString, backEnd);
    QSqlDatabase database = fresh(backEnd);
    if (!database.isValid())
        QSKIP(qPrintable(m_strPgSkip.isEmpty() ? QStringLiteral("no PostgreSQL server") : m_strPgSkip));
    QVERIFY(database.open());
    {
        QSqlQuery query(database);
        for (const QString& strSql : ArchiveSchema::slCreate(ArchiveSchema::dialectOf(database), 4))
            QVERIFY2(query.exec(strSql), qPrintable(query.lastError().text()));
        for (const char* pSql :
             {"INSERT INTO archive_records (chassis, serial, kind, record_key, season) VALUES ('A', 'S', "
              "'orders', '1', '2014/15')",
              "INSERT INTO archive_versions (record_id, line, digest, first_seen, last_seen, "
              "customer_number, "
              "customer) SELECT id, 'x', 'd', 't', 't', '12', 'Meier' FROM archive_records"})
            QVERIFY2(query.exec(QLatin1String(pSql)), qPrintable(query.lastError().text()));
        QVERIFY(query.exec(
            QStringLiteral("INSERT INTO archive_settings (name, value) VALUES ('rank_locale', 'de')")));
    }
    database.close();

    QSqlDatabase again = reopened(database);
    QSqlQuery check(again);
    QVERIFY(check.exec(QStringLiteral("SELECT version FROM archive_version")) && check.next());
    QCOMPARE(check.value(0).toInt(), ArchiveSchema::CURRENT_VERSION);
    QVERIFY(check.exec(QStringLiteral("SELECT value FROM archive_settings WHERE name = 'rank_locale'")) &&
            check.next());
    QCOMPARE(check.value(0).toString(), QStringLiteral("de"));
    check.finish();
    QVector<BillSettings::KnownCustomer> customers;
    QSqlError error;
    QVERIFY2(BillSettings::bKnownCustomers(again, customers, error), qPrintable(error.text()));
    QCOMPARE(customers.size(), 1);
    QCOMPARE(customers.at(0).strNumber + customers.at(0).strName, QStringLiteral("12Meier"));
    BillRates rates;
    Letterhead letterhead;
    QVERIFY2(BillSettings::bLoad(again, rates, letterhead, error), qPrintable(error.text()));
    QVERIFY(rates == BillRates() && letterhead == Letterhead());
    rates.customers.insert(QStringLiteral("12"), {std::nullopt, std::nullopt, 900, std::nullopt});
    letterhead.strName = QStringLiteral("Meier");
    QVERIFY2(BillSettings::bSave(again, rates, letterhead, error), qPrintable(error.text()));
    BillRates ratesRead;
    Letterhead letterheadRead;
    QVERIFY2(BillSettings::bLoad(again, ratesRead, letterheadRead, error), qPrintable(error.text()));
    QVERIFY(ratesRead == rates && letterheadRead == letterhead);
}

QTEST_GUILESS_MAIN(tst_BillSettings)
#include "tst_billsettings.moc"
