#include "terminal/discovery.h"
#include "testsupport.h"

#include <QtTest>

using namespace Discovery;

Q_DECLARE_METATYPE(Discovery::eAfterBatch)

// Broadcast targets, answer parsing, the found table and the decision after a
// batch of answers, without sockets.
class tst_Discovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::vIsolate(); }

    void broadcastTargets_data()
    {
        QTest::addColumn<QStringList>("interfaces");
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("one qualifying")
            << QStringList{"192.168.1.5", "10.0.0.3"} << QStringList{"192.168.1.255"};
        QTest::newRow("mask ignored") << QStringList{"192.168.17.42"} << QStringList{"192.168.17.255"};
        QTest::newRow("same network twice")
            << QStringList{"192.168.2.7", "192.168.2.9"} << QStringList{"192.168.2.255", "192.168.2.255"};
        QTest::newRow("order kept") << QStringList{"192.168.9.1", "127.0.0.1", "192.168.3.1"}
                                    << QStringList{"192.168.9.255", "192.168.3.255"};
        QTest::newRow("none qualifies")
            << QStringList{"127.0.0.1", "172.16.0.4", "::1", "fe80::1", "8.8.8.8"} << QStringList{};
        QTest::newRow("prefix only at the start") << QStringList{"10.192.168.1"} << QStringList{};
    }

    void broadcastTargets()
    {
        QFETCH(QStringList, interfaces);
        QFETCH(QStringList, targets);
        QList<QHostAddress> addresses;
        for (const QString& address : interfaces)
            addresses.append(QHostAddress(address));
        QStringList result;
        for (const QHostAddress& target : lhaBroadcastTargets(addresses))
            result.append(target.toString());
        QCOMPARE(result, targets);
    }

    void answerParsing_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("isAnswer");
        QTest::addColumn<QString>("chassis");
        QTest::newRow("chassis") << QByteArray("TerminalLindqvarth:WAB123") << true << "WAB123";
        QTest::newRow("marker alone") << QByteArray("TerminalLindqvarth") << true << "Unbekannte Maschine";
        QTest::newRow("empty field") << QByteArray("TerminalLindqvarth:") << true << "Unbekannte Maschine";
        QTest::newRow("more fields") << QByteArray("TerminalLindqvarth:A:B") << true << "A";
        QTest::newRow("text before marker") << QByteArray("xTerminalLindqvarth:A") << true << "A";
        QTest::newRow("cut at zero byte") << QByteArray("TerminalLindqvarth:AB\0CD", 24) << true << "AB";
        QTest::newRow("latin-1") << QByteArray("TerminalLindqvarth:W\xe4"
                                               "B")
                                 << true << QString::fromUtf8("WäB");
        QTest::newRow("own request") << QByteArray("AppLindqvarth") << false << "";
        QTest::newRow("other marker case") << QByteArray("terminallindqvarth:A") << false << "";
    }

    void answerParsing()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, isAnswer);
        QFETCH(QString, chassis);
        QCOMPARE(bIsTerminalAnswer(datagram), isAnswer);
        if (isAnswer)
            QCOMPARE(strChassisFromAnswer(datagram), chassis);
    }

    void datagrams()
    {
        QCOMPARE(baRequestDatagram(), QByteArray("AppLindqvarth"));
        QCOMPARE(baRequestDatagram().size(), 13);
        QCOMPARE(strChassisFromAnswer(baAnswerDatagram("WAB123")), QString("WAB123"));
    }

    void firstAnswerWins()
    {
        FoundTerminals found;
        QVERIFY(bAddAnswer(found, "WAB123", QHostAddress("192.168.0.7")));
        QVERIFY(!bAddAnswer(found, "WAB123", QHostAddress("192.168.0.8")));
        QVERIFY(bAddAnswer(found, "Unbekannte Maschine", QHostAddress("192.168.0.9")));
        QVERIFY(!bAddAnswer(found, "Unbekannte Maschine", QHostAddress("192.168.0.10")));
        QCOMPARE(found.hashTerminals.value("WAB123"), QHostAddress("192.168.0.7"));
        QCOMPARE(found.slFoundChassis, (QStringList{"WAB123", "Unbekannte Maschine"}));
    }

    void decisionAfterBatch_data()
    {
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<eAfterBatch>("decision");
        QTest::newRow("last found, interactive")
            << QStringList{"A", "B"} << "B" << false << eAfterBatch::ConnectToLast;
        QTest::newRow("last found, quiet")
            << QStringList{"A", "B"} << "B" << true << eAfterBatch::ConnectToLast;
        QTest::newRow("quiet without last") << QStringList{"A"} << "C" << true << eAfterBatch::QuietStop;
        QTest::newRow("quiet, nothing found") << QStringList{} << "" << true << eAfterBatch::QuietStop;
        QTest::newRow("two new") << QStringList{"A", "B"} << "" << false << eAfterBatch::ShowList;
        QTest::newRow("one new") << QStringList{"A"} << "C" << false << eAfterBatch::ConnectToOnly;
        QTest::newRow("none") << QStringList{} << "C" << false << eAfterBatch::Nothing;
    }

    void decisionAfterBatch()
    {
        QFETCH(QStringList, found);
        QFETCH(QString, last);
        QFETCH(bool, quiet);
        QFETCH(eAfterBatch, decision);
        FoundTerminals terminals;
        for (const QString& chassis : found)
            bAddAnswer(terminals, chassis, QHostAddress("192.168.0.1"));
        QCOMPARE(eDecideAfterBatch(terminals, last, quiet), decision);
    }
};

QTEST_GUILESS_MAIN(tst_Discovery)
#include "tst_discovery.moc"
