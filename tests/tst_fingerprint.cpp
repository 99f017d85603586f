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
// decision at a login and their place in the list of the known terminals.
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

    // What is stored for a serial number, and how the pairs of serial number
    // and password read around the records.
    void knownTerminals_data()
    {
        const QByteArray recordA = Fingerprint::baRecord("LQ-1", DIGEST_A);
        QTest::addColumn<QList<QByteArray>>("known");
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("password"); // null: none
        QTest::newRow("pairs without records") << QList<QByteArray>{"LQ-1", "1234", "LQ-2", "abcd"}
                                               << QByteArray("LQ-1") << QByteArray() << QByteArray("1234");
        QTest::newRow("record behind its pair") << QList<QByteArray>{"LQ-1", "1234", recordA}
                                                << QByteArray("LQ-1") << DIGEST_A << QByteArray("1234");
        QTest::newRow("record before its pair") << QList<QByteArray>{recordA, "LQ-1", "1234"}
                                                << QByteArray("LQ-1") << DIGEST_A << QByteArray("1234");
        QTest::newRow("record of another terminal")
            << QList<QByteArray>{"LQ-1", "1234", recordA, "LQ-2", "abcd"} << QByteArray("LQ-2")
            << QByteArray() << QByteArray("abcd");
        // A refused password took the pair; the certificate stays known.
        QTest::newRow("record without pair")
            << QList<QByteArray>{recordA} << QByteArray("LQ-1") << DIGEST_A << QByteArray();
        QTest::newRow("serial number is a prefix of another")
            << QList<QByteArray>{Fingerprint::baRecord("LQ-10", DIGEST_B)} << QByteArray("LQ-1")
            << QByteArray() << QByteArray();
    }

    void knownTerminals()
    {
        QFETCH(QList<QByteArray>, known);
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, password);
        // Through the settings store, as the link reads the list.
        KnownTerminals::vSave(known, QString());
        const QList<QByteArray> loaded = KnownTerminals::lbaLoad();
        QCOMPARE(loaded, known);
        QCOMPARE(Fingerprint::baStoredFor(loaded, serial), stored);
        QByteArray readPassword;
        QCOMPARE(KnownTerminals::bPasswordFor(loaded, serial, readPassword), !password.isNull());
        QCOMPARE(readPassword, password);
        QCOMPARE(KnownTerminals::bContains(loaded, serial), !password.isNull());
    }

    void remember_data()
    {
        const QByteArray recordA = Fingerprint::baRecord("LQ-1", DIGEST_A);
        const QByteArray recordB = Fingerprint::baRecord("LQ-1", DIGEST_B);
        const QByteArray recordOther = Fingerprint::baRecord("LQ-2", DIGEST_A);
        QTest::addColumn<QList<QByteArray>>("before");
        QTest::addColumn<QByteArray>("digest");
        QTest::addColumn<QList<QByteArray>>("after");
        QTest::newRow("first contact")
            << QList<QByteArray>{"LQ-1", "1234"} << DIGEST_A << QList<QByteArray>{"LQ-1", "1234", recordA};
        QTest::newRow("replaced in its place")
            << QList<QByteArray>{recordA, "LQ-1", "1234", recordOther} << DIGEST_B
            << QList<QByteArray>{recordB, "LQ-1", "1234", recordOther};
        QTest::newRow("the other terminal's record stays")
            << QList<QByteArray>{recordOther} << DIGEST_B << QList<QByteArray>{recordOther, recordB};
        QTest::newRow("no digest") << QList<QByteArray>{"LQ-1", "1234"} << QByteArray()
                                   << QList<QByteArray>{"LQ-1", "1234"};
        QTest::newRow("not a SHA-256 digest")
            << QList<QByteArray>{recordA} << QByteArray(20, 'x') << QList<QByteArray>{recordA};
    }

    void remember()
    {
        QFETCH(QList<QByteArray>, before);
        QFETCH(QByteArray, digest);
        QFETCH(QList<QByteArray>, after);
        QList<QByteArray> known = before;
        Fingerprint::vRemember(known, "LQ-1", digest);
        QCOMPARE(known, after);
    }

    // A password refused or asked for again takes the pair and leaves the
    // record; the password given then is found again next to it.
    void pairsComeAndGoAroundTheRecord()
    {
        QList<QByteArray> known{"LQ-1", "1234"};
        Fingerprint::vRemember(known, "LQ-1", DIGEST_A);
        QVERIFY(KnownTerminals::bRemovePair(known, "LQ-1"));
        QCOMPARE(Fingerprint::baStoredFor(known, "LQ-1"), DIGEST_A);
        QVERIFY(!KnownTerminals::bContains(known, "LQ-1"));
        known << "LQ-1"
              << "5678";
        QByteArray password;
        QVERIFY(KnownTerminals::bPasswordFor(known, "LQ-1", password));
        QCOMPARE(password, QByteArray("5678"));
        QCOMPARE(Fingerprint::baStoredFor(known, "LQ-1"), DIGEST_A);
    }
};

QTEST_MAIN(tst_Fingerprint)
#include "tst_fingerprint.moc"
