#include "terminal/certificatepins.h"
#include "terminal/fingerprint.h"
#include "terminal/knownterminals.h"
#include "testsupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(Fingerprint::eTrust)

namespace
{

// A digest whose bytes count up from _u8First.
QByteArray baDigest(quint8 _u8First)
{
    QByteArray digest(Fingerprint::DIGEST_BYTES, '\0');
    for (int i = 0; i < digest.size(); ++i)
        digest[i] = char(_u8First + i);
    return digest;
}

const QByteArray DIGEST_A = baDigest(0xa0);
const QByteArray DIGEST_B = baDigest(0x01);
const char* const TEXT_A = "A0:A1:A2:A3:A4:A5:A6:A7:A8:A9:AA:AB:AC:AD:AE:AF:"
                           "B0:B1:B2:B3:B4:B5:B6:B7:B8:B9:BA:BB:BC:BD:BE:BF";

} // namespace

// The certificate fingerprints of the terminals: their text form, the
// decision at a login by chassis and serial number, the serial numbers a
// login may name, and their store beside the list of the known terminals.
class tst_Fingerprint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::vIsolate(); }

    void format_data()
    {
        QTest::addColumn<QByteArray>("digest");
        QTest::addColumn<int>("bytesPerLine");
        QTest::addColumn<QString>("text");
        QTest::newRow("one line") << DIGEST_A << 0 << QString(TEXT_A);
        QTest::newRow("two lines") << DIGEST_A << 16 << QString(TEXT_A).replace(47, 1, QLatin1Char('\n'));
        QTest::newRow("leading zero digits") << QByteArray::fromHex("000f10") << 0 << "00:0F:10";
        QTest::newRow("line break not after the last byte") << QByteArray::fromHex("0102") << 2 << "01:02";
        QTest::newRow("nothing") << QByteArray() << 0 << QString();
    }

    void format()
    {
        QFETCH(QByteArray, digest);
        QFETCH(int, bytesPerLine);
        QFETCH(QString, text);
        QCOMPARE(Fingerprint::strFormat(digest, bytesPerLine), text);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("digest"); // empty: not read
        QTest::newRow("upper case") << QByteArray(TEXT_A) << DIGEST_A;
        QTest::newRow("lower case") << QByteArray(TEXT_A).toLower() << DIGEST_A;
        QTest::newRow("round trip") << Fingerprint::strFormat(DIGEST_B).toLatin1() << DIGEST_B;
        QTest::newRow("a byte short") << QByteArray(TEXT_A).left(92) << QByteArray();
        QTest::newRow("a byte more") << QByteArray(TEXT_A) + ":C0" << QByteArray();
        QTest::newRow("no colons") << DIGEST_A.toHex() + QByteArray(31, ' ') << QByteArray();
        QTest::newRow("other separator") << QByteArray(TEXT_A).replace(':', '-') << QByteArray();
        QTest::newRow("not hex") << QByteArray(TEXT_A).replace(0, 2, "G0") << QByteArray();
        QTest::newRow("two lines") << Fingerprint::strFormat(DIGEST_A, 16).toLatin1() << QByteArray();
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, digest);
        QByteArray read = "untouched";
        QCOMPARE(Fingerprint::bParse(text, read), !digest.isEmpty());
        QCOMPARE(read, digest.isEmpty() ? QByteArray("untouched") : digest);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<Fingerprint::eTrust>("trust");
        QTest::newRow("nothing stored") << QByteArray() << DIGEST_A << Fingerprint::eTrust::FirstContact;
        QTest::newRow("the stored one") << DIGEST_A << DIGEST_A << Fingerprint::eTrust::Same;
        QTest::newRow("another one") << DIGEST_A << DIGEST_B << Fingerprint::eTrust::Changed;
        QTest::newRow("one byte differs")
            << DIGEST_A << QByteArray(DIGEST_A).replace(31, 1, "x") << Fingerprint::eTrust::Changed;
        QTest::newRow("none shown") << DIGEST_A << QByteArray() << Fingerprint::eTrust::Changed;
    }

    void check()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, shown);
        QFETCH(Fingerprint::eTrust, trust);
        QCOMPARE(Fingerprint::eCheck(stored, shown), trust);
    }

    void record_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("serial"); // null: no record
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("written") << Fingerprint::baRecord("LQ-4711-0815", DIGEST_A)
                                 << QByteArray("LQ-4711-0815") << DIGEST_A;
        QTest::newRow("its text") << QByteArray("SHA256:") + TEXT_A + " LQ-1" << QByteArray("LQ-1")
                                  << DIGEST_A;
        QTest::newRow("serial with spaces and Latin-1")
            << Fingerprint::baRecord("LQ 4711 \xe4", DIGEST_B) << QByteArray("LQ 4711 \xe4") << DIGEST_B;
        QTest::newRow("empty serial") << Fingerprint::baRecord("", DIGEST_B) << QByteArray("") << DIGEST_B;
        QTest::newRow("a serial number") << QByteArray("LQ-4711-0815") << QByteArray() << QByteArray();
        QTest::newRow("a password") << QByteArray("1234") << QByteArray() << QByteArray();
        QTest::newRow("prefix only") << QByteArray("SHA256:") << QByteArray() << QByteArray();
        QTest::newRow("no space before the serial")
            << QByteArray("SHA256:") + TEXT_A + "LQ-1" << QByteArray() << QByteArray();
        QTest::newRow("short digest") << QByteArray("SHA256:A0:A1 LQ-1") << QByteArray() << QByteArray();
        QTest::newRow("other prefix")
            << QByteArray("SHA1:") + TEXT_A + " LQ-1" << QByteArray() << QByteArray();
    }

    void record()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, digest);
        QByteArray readSerial;
        QByteArray readDigest;
        QCOMPARE(Fingerprint::bReadRecord(entry, readSerial, readDigest), !serial.isNull());
        QCOMPARE(readSerial, serial);
        QCOMPARE(readDigest, digest);
    }

    void plainSerial_data()
    {
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<bool>("plain");
        QTest::newRow("usual") << QByteArray("LQ-4711-0815") << true;
        QTest::newRow("all printable ASCII") << QByteArray("!~aZ09_.:/") << true;
        QTest::newRow("64 bytes") << QByteArray(64, 'x') << true;
        QTest::newRow("65 bytes") << QByteArray(65, 'x') << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("a stored record")
            << Fingerprint::baRecord("SN-4711", DIGEST_A).left(Fingerprint::MAX_SERIAL_BYTES) << false;
        QTest::newRow("the record prefix alone") << QByteArray("SHA256:") << false;
        QTest::newRow("blank") << QByteArray("SN 4711") << false;
        QTest::newRow("tab") << QByteArray("SN\t4711") << false;
        QTest::newRow("zero byte") << QByteArray("SN\0"
                                                 "4711",
                                                 7)
                                   << false;
        QTest::newRow("line break") << QByteArray("SN-4711\n") << false;
        QTest::newRow("DEL") << QByteArray("SN-4711\x7f") << false;
        QTest::newRow("Latin-1") << QByteArray("SN-\xe4") << false;
        QTest::newRow("prefix in lower case") << QByteArray("sha256:AB") << true;
    }

    void plainSerial()
    {
        QFETCH(QByteArray, serial);
        QFETCH(bool, plain);
        QCOMPARE(Fingerprint::bPlainSerial(serial), plain);
    }

    // The decision by chassis and serial number: either name kept with
    // another certificate stops the login.
    void verdict_data()
    {
        QTest::addColumn<QString>("chassis");
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<Fingerprint::eTrust>("trust");
        QTest::addColumn<QByteArray>("kept");
        // Kept: chassis WAB123 and serial LQ-1 with A, serial LQ-2 with B.
        const auto first = Fingerprint::eTrust::FirstContact;
        const auto same = Fingerprint::eTrust::Same;
        const auto changed = Fingerprint::eTrust::Changed;
        QTest::newRow("both names, same")
            << "WAB123" << QByteArray("LQ-1") << DIGEST_A << same << QByteArray();
        QTest::newRow("both names, other")
            << "WAB123" << QByteArray("LQ-1") << DIGEST_B << changed << DIGEST_A;
        QTest::newRow("known chassis, new serial, other")
            << "WAB123" << QByteArray("LQ-9") << DIGEST_B << changed << DIGEST_A;
        QTest::newRow("known chassis, new serial, same")
            << "WAB123" << QByteArray("LQ-9") << DIGEST_A << same << QByteArray();
        QTest::newRow("known chassis, no serial, other")
            << "WAB123" << QByteArray() << DIGEST_B << changed << DIGEST_A;
        QTest::newRow("new chassis, known serial, other")
            << "WAB999" << QByteArray("LQ-1") << DIGEST_B << changed << DIGEST_A;
        QTest::newRow("chassis and serial kept with different ones")
            << "WAB123" << QByteArray("LQ-2") << DIGEST_B << changed << DIGEST_A;
        QTest::newRow("new chassis, new serial")
            << "WAB999" << QByteArray("LQ-9") << DIGEST_B << first << QByteArray();
        QTest::newRow("no chassis, no serial")
            << QString() << QByteArray() << DIGEST_B << first << QByteArray();
        QTest::newRow("unknown machine is no name")
            << "Unbekannte Maschine" << QByteArray("LQ-9") << DIGEST_A << first << QByteArray();
        QTest::newRow("no certificate shown")
            << "WAB123" << QByteArray() << QByteArray() << changed << DIGEST_A;
    }

    void verdict()
    {
        QFETCH(QString, chassis);
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, shown);
        QFETCH(Fingerprint::eTrust, trust);
        QFETCH(QByteArray, kept);
        cCertificatePins pins;
        pins.bRemember("WAB123", "LQ-1", DIGEST_A, false);
        pins.bRemember("Unbekannte Maschine", "LQ-2", DIGEST_B, false);
        const cCertificatePins::Verdict verdict = pins.verdict(chassis, serial, shown);
        QCOMPARE(verdict.eTrust, trust);
        QCOMPARE(verdict.baKept, kept);
    }

    void remember()
    {
        cCertificatePins pins;
        QVERIFY(pins.bRemember("WAB123", "LQ-1", DIGEST_A, false));
        QCOMPARE(pins.baForChassis("WAB123"), DIGEST_A);
        QCOMPARE(pins.baForSerial("LQ-1"), DIGEST_A);
        // A login adds the names it has not met, and changes no kept one.
        QVERIFY(pins.bRemember("WAB123", "LQ-2", DIGEST_B, false));
        QCOMPARE(pins.baForChassis("WAB123"), DIGEST_A);
        QCOMPARE(pins.baForSerial("LQ-2"), DIGEST_B);
        QVERIFY(!pins.bRemember("WAB123", "LQ-1", DIGEST_B, false));
        // The user's trust replaces both.
        QVERIFY(pins.bRemember("WAB123", "LQ-1", DIGEST_B, true));
        QCOMPARE(pins.baForChassis("WAB123"), DIGEST_B);
        QCOMPARE(pins.baForSerial("LQ-1"), DIGEST_B);
        QVERIFY(!pins.bRemember("WAB123", "LQ-1", DIGEST_B, true));
        // Nothing kept without a name or without a SHA-256 digest.
        QVERIFY(!pins.bRemember("Unbekannte Maschine", QByteArray(), DIGEST_A, true));
        QVERIFY(!pins.bRemember("WAB7", "LQ-7", QByteArray(20, 'x'), true));
        QVERIFY(pins.baForChassis("WAB7").isEmpty());
    }

    // Records of an earlier version leave the list of the known terminals;
    // the pairs stay in their order.
    void recordsMoveOutOfTheList_data()
    {
        const QByteArray recordA = Fingerprint::baRecord("LQ-1", DIGEST_A);
        const QByteArray recordB = Fingerprint::baRecord("LQ-2", DIGEST_B);
        QTest::addColumn<QList<QByteArray>>("known");
        QTest::addColumn<QList<QByteArray>>("pairs");
        QTest::addColumn<QByteArray>("pinOfLQ1");
        QTest::addColumn<QByteArray>("pinOfLQ2");
        QTest::newRow("no records") << QList<QByteArray>{"LQ-1", "1234"} << QList<QByteArray>{"LQ-1", "1234"}
                                    << QByteArray() << QByteArray();
        QTest::newRow("records around the pairs")
            << QList<QByteArray>{recordA, "LQ-1", "1234", recordB, "LQ-2", "abcd"}
            << QList<QByteArray>{"LQ-1", "1234", "LQ-2", "abcd"} << DIGEST_A << DIGEST_B;
        QTest::newRow("record without pair")
            << QList<QByteArray>{recordA} << QList<QByteArray>{} << DIGEST_A << QByteArray();
        QTest::newRow("the first of two records")
            << QList<QByteArray>{recordA, Fingerprint::baRecord("LQ-1", DIGEST_B)} << QList<QByteArray>{}
            << DIGEST_A << QByteArray();
    }

    void recordsMoveOutOfTheList()
    {
        QFETCH(QList<QByteArray>, known);
        QFETCH(QList<QByteArray>, pairs);
        QFETCH(QByteArray, pinOfLQ1);
        QFETCH(QByteArray, pinOfLQ2);
        // Through the settings store, as the link reads the list.
        KnownTerminals::vSave(known, QString());
        QList<QByteArray> loaded = KnownTerminals::lbaLoad();
        cCertificatePins pins;
        QCOMPARE(pins.bTakeRecordsFrom(loaded), pairs != known);
        QCOMPARE(loaded, pairs);
        QCOMPARE(pins.baForSerial("LQ-1"), pinOfLQ1);
        QCOMPARE(pins.baForSerial("LQ-2"), pinOfLQ2);
        pins.vSave();
        QVERIFY(cCertificatePins::load() == pins);
    }

    // A pin kept in its own key wins over a record left in the list.
    void keptPinWinsOverAnOldRecord()
    {
        cCertificatePins pins;
        pins.bRemember(QString(), "LQ-1", DIGEST_B, false);
        QList<QByteArray> known{Fingerprint::baRecord("LQ-1", DIGEST_A), "LQ-1", "1234"};
        QVERIFY(pins.bTakeRecordsFrom(known));
        QCOMPARE(known, (QList<QByteArray>{"LQ-1", "1234"}));
        QCOMPARE(pins.baForSerial("LQ-1"), DIGEST_B);
    }
};

QTEST_MAIN(tst_Fingerprint)
#include "tst_fingerprint.moc"
