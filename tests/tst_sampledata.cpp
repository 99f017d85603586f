#include "data/fieldreaders.h"
#include "data/listfile.h"
#include "data/statisticsfile.h"
#include "testsupport.h"

#include <QProcess>
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

private:
    QString m_strFolder;
};

QTEST_GUILESS_MAIN(tst_SampleData)
#include "tst_sampledata.moc"
