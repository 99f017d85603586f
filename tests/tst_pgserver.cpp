#include "pgserver.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QtTest>

#include <atomic>

// The test server itself: two writers racing on the same keys, and what a
// client sees when the server is gone.
class tst_pgserver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void concurrentInsertsStoreEachRowOnce();
    void unreachableServer_data();
    void unreachableServer();
    void failedStartNamesTheReason();

private:
    cPgServer m_server;
};

void tst_pgserver::initTestCase()
{
    TestSupport::vIsolate();
    QElapsedTimer timer;
    timer.start();
    QString strSkip;
    if (!m_server.bStart(&strSkip)) {
        if (!strSkip.isEmpty())
            QSKIP(qPrintable(strSkip));
        QFAIL(qPrintable(m_server.strError()));
    }
    qInfo("PostgreSQL made and started in %lld ms", static_cast<long long>(timer.elapsed()));

    QSqlDatabase db = m_server.dbOpen(QStringLiteral("setup"));
    QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
    QSqlQuery query(db);
    QVERIFY2(query.exec("CREATE TABLE records (machine TEXT NOT NULL, number INTEGER NOT NULL, line TEXT,"
                        " UNIQUE (machine, number))"),
             qPrintable(query.lastError().text()));
}

void tst_pgserver::concurrentInsertsStoreEachRowOnce()
{
    // Both writers insert the same rows in one transaction each, as two
    // devices importing the same file do; the second waits for the first's
    // keys and then skips them.
    const int s32Rows = 300;
    QSemaphore ready;
    QSemaphore go;
    std::atomic<int> s32Inserted{0};
    QStringList slErrors;
    QMutex errorsLock;
    auto writer = [&](const QString& _strConnection) {
        QString strError;
        {
            QSqlDatabase db = m_server.dbOpen(_strConnection);
            ready.release();
            go.acquire();
            QSqlQuery query(db);
            if (!db.isOpen() || !db.transaction() ||
                !query.prepare("INSERT INTO records (machine, number, line) VALUES (?, ?, ?)"
                               " ON CONFLICT (machine, number) DO NOTHING")) {
                strError = db.lastError().text() + query.lastError().text();
            } else {
                for (int i = 0; i < s32Rows && strError.isEmpty(); ++i) {
                    query.bindValue(0, QStringLiteral("A-1'; DROP TABLE records; --"));
                    query.bindValue(1, i);
                    query.bindValue(2, QStringLiteral("line %1 from %2").arg(i).arg(_strConnection));
                    if (query.exec())
                        s32Inserted += query.numRowsAffected();
                    else
                        strError = query.lastError().text();
                }
                if (strError.isEmpty() && !db.commit())
                    strError = db.lastError().text();
            }
        }
        QSqlDatabase::removeDatabase(_strConnection);
        if (!strError.isEmpty()) {
            QMutexLocker locker(&errorsLock);
            slErrors << _strConnection + ": " + strError;
        }
    };
    std::unique_ptr<QThread> first(QThread::create(writer, QStringLiteral("first")));
    std::unique_ptr<QThread> second(QThread::create(writer, QStringLiteral("second")));
    first->start();
    second->start();
    QVERIFY(ready.tryAcquire(2, 30000));
    go.release(2);
    QVERIFY(first->wait(60000));
    QVERIFY(second->wait(60000));
    QVERIFY2(slErrors.isEmpty(), qPrintable(slErrors.join('\n')));

    QCOMPARE(s32Inserted.load(), s32Rows);
    QSqlQuery count(QSqlDatabase::database(QStringLiteral("setup")));
    QVERIFY(count.exec("SELECT count(*), count(DISTINCT number), min(number), max(number) FROM records"));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), s32Rows);
    QCOMPARE(count.value(1).toInt(), s32Rows);
    QCOMPARE(count.value(2).toInt(), 0);
    QCOMPARE(count.value(3).toInt(), s32Rows - 1);
}

void tst_pgserver::unreachableServer_data()
{
    QTest::addColumn<bool>("bStopServer");
    QTest::newRow("server stopped") << true;
    QTest::newRow("wrong socket folder") << false;
}

void tst_pgserver::unreachableServer()
{
    QFETCH(bool, bStopServer);
    const QString strConnection = QStringLiteral("unreachable");
    QString strError;
    QString strSocket;
    {
        QSqlDatabase db;
        if (bStopServer) {
            m_server.vStop();
            QVERIFY(!m_server.bRunning());
            db = m_server.dbOpen(strConnection);
            strSocket = m_server.strHost();
        } else {
            strSocket = TestSupport::strHome() + "/no-server";
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), strConnection);
            db.setHostName(strSocket);
            db.setPort(m_server.s32Port());
            db.setUserName(m_server.strUser());
            db.setDatabaseName(m_server.strDatabase());
            db.open();
        }
        QVERIFY(!db.isOpen());
        QCOMPARE(db.lastError().type(), QSqlError::ConnectionError);
        strError = db.lastError().text();
    }
    QSqlDatabase::removeDatabase(strConnection);
    // The message says where it tried to connect.
    QVERIFY2(strError.contains(strSocket + "/.s.PGSQL." + QString::number(m_server.s32Port())),
             qPrintable(strError));

    if (bStopServer) {
        // Started again, the server has kept what was stored.
        QString strSkip;
        QVERIFY2(m_server.bStart(&strSkip), qPrintable(m_server.strError()));
        QSqlDatabase::removeDatabase(QStringLiteral("setup"));
        QSqlDatabase db = m_server.dbOpen(QStringLiteral("setup"));
        QVERIFY2(db.isOpen(), qPrintable(db.lastError().text()));
        QSqlQuery query(db);
        QVERIFY(query.exec("SELECT count(*) FROM records"));
        QVERIFY(query.next());
        QVERIFY(query.value(0).toInt() > 0);
    }
}

void tst_pgserver::failedStartNamesTheReason()
{
    cPgServer server;
    server.vSetSetting(QStringLiteral("shared_buffers"), QStringLiteral("lots"));
    QString strSkip;
    QVERIFY(!server.bStart(&strSkip));
    QVERIFY(strSkip.isEmpty());
    QVERIFY(!server.bRunning());
    // The server's own complaint, from its log.
    QVERIFY2(server.strError().contains("shared_buffers"), qPrintable(server.strError()));
    QVERIFY2(server.strError().contains("stopped while starting"), qPrintable(server.strError()));
}

QTEST_MAIN(tst_pgserver)
#include "tst_pgserver.moc"
