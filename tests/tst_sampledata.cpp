#include "data/archivestore.h"
#include "data/fieldreaders.h"
#include "data/listfile.h"
#include "data/statisticsfile.h"
#include "testsupport.h"

#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

// The demo data must look like a real machine's: the hour counters of the
// statistics files cover the time they sum up.
class tst_SampleData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::vIsolate();
        m_strFolder = TestSupport::strHome() + "/demo";
        QProcess generator;
        generator.start(QStringLiteral(VEMO_SAMPLEDATA_BINARY), {m_strFolder});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 0);
    }

    void countersCoverTheirTimes_data()
    {
        // The counters are the machine's: they cover its whole life, which
        // the machine file sums, and more than one season.
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("wholeLife");
        QTest::newRow("season") << "Statistik Saison.csv" << false;
        QTest::newRow("machine") << "Statistik Maschine.csv" << true;
    }

    void countersCoverTheirTimes()
    {
        QFETCH(QString, file);
        QFETCH(bool, wholeLife);
        StatisticsRecord record;
        QVERIFY(StatisticsRecord::bRead(m_strFolder + "/" + file, record));
        // Fields: 11 road time, 12 field time (hours with a decimal comma),
        // 13 engine hours, 14 harvester hours (H:MM).
        const auto hours = [&](int _s32Index) {
            return record.strField(_s32Index).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        };
        const double dEngine = FieldReaders::s32DurationToMinutes(record.strField(13)) / 60.0;
        const double dHarvester = FieldReaders::s32DurationToMinutes(record.strField(14)) / 60.0;
        QVERIFY2(hours(11) + hours(12) > 0, qPrintable(record.slFields.join(';')));
        QVERIFY2(dEngine >= hours(11) + hours(12), qPrintable(record.slFields.join(';')));
        QVERIFY2(dHarvester > 0, qPrintable(record.slFields.join(';')));
        if (wholeLife) {
            // Harvesting is part of the field time; the engine runs little
            // beyond the time in field and on road.
            QVERIFY2(dHarvester <= hours(12), qPrintable(record.slFields.join(';')));
            QVERIFY2(dEngine <= 1.2 * (hours(11) + hours(12)), qPrintable(record.slFields.join(';')));
        }
    }

    // The orders' counters rise from order to order and end where the
    // statistics files' counters stand.
    void orderCountersEndAtTheStatistics()
    {
        ListFileContent orders;
        QVERIFY(ListFile::bRead(m_strFolder + QString::fromUtf8("/Aufträge.csv"), orders));
        StatisticsRecord season;
        QVERIFY(StatisticsRecord::bRead(m_strFolder + "/Statistik Saison.csv", season));
        int s32Previous = -1;
        for (int i = 1; i < orders.slLines.size(); ++i) {
            if (orders.slLines.at(i).isEmpty())
                continue;
            const QStringList fields = FieldReaders::slSplit(orders.slLines.at(i));
            const int s32Engine = FieldReaders::s32DurationToMinutes(fields.value(fields.size() - 2));
            QVERIFY(s32Engine > s32Previous);
            s32Previous = s32Engine;
        }
        QVERIFY(s32Previous <= FieldReaders::s32DurationToMinutes(season.strField(13)));
    }

    // The demo archive: the orders asked for, spread over ten machines and
    // ten campaigns, each machine with the contractor's customers; the same
    // seed gives the same archive.
    void archiveOfTenMachinesAndCampaigns()
    {
        const auto fill = [](const QString& _strArchive) {
            QProcess generator;
            generator.start(QStringLiteral(VEMO_SAMPLEDATA_BINARY), {"--archive", "230", _strArchive});
            return generator.waitForFinished(120000) && generator.exitCode() == 0;
        };
        const QString strFirst = TestSupport::strHome() + "/archive1.sqlite";
        const QString strSecond = TestSupport::strHome() + "/archive2.sqlite";
        QVERIFY(fill(strFirst));
        QVERIFY(fill(strSecond));
        const QString strQuery =
            QStringLiteral("SELECT r.kind, count(DISTINCT r.chassis), count(DISTINCT r.season), count(*), "
                           "group_concat(hex(v.digest), '') FROM archive_records r JOIN archive_versions v "
                           "ON v.record_id = r.id "
                           "GROUP BY r.kind ORDER BY r.kind");
        QStringList slArchives;
        for (const QString& strArchive : {strFirst, strSecond}) {
            QStringList sl;
            {
                QSqlDatabase database = cArchiveStore::sqliteConnection(strArchive, "check");
                QSqlQuery query(database);
                QVERIFY(database.open() && query.exec(strQuery));
                while (query.next())
                    sl << QStringLiteral("%1 %2 machines %3 seasons %4 records %5")
                              .arg(query.value(0).toString(), query.value(1).toString(),
                                   query.value(2).toString(), query.value(3).toString(),
                                   QString::number(qHash(query.value(4).toString())));
            }
            QSqlDatabase::removeDatabase("check");
            slArchives << sl.join('\n');
        }
        QCOMPARE(slArchives.at(0), slArchives.at(1));
        const QStringList slKinds = slArchives.at(0).split('\n');
        QCOMPARE(slKinds.size(), 6);
        QVERIFY2(slKinds.at(4).startsWith("orders 10 machines 10 seasons 230 records"),
                 qPrintable(slKinds.at(4)));
        // Customers are a contractor's: the same 24 on every machine.
        QVERIFY2(slKinds.at(0).startsWith("customers 10 machines 1 seasons 240 records"),
                 qPrintable(slKinds.at(0)));
    }

private:
    QString m_strFolder;
};

QTEST_GUILESS_MAIN(tst_SampleData)
#include "tst_sampledata.moc"
