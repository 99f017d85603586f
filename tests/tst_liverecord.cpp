#include "live/liverecord.h"
#include "terminal/liverecordencoder.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

using Pairs = QList<QPair<QString, QString>>;

// A record with a chosen length field and checksum around a document.
static QByteArray baRecord(const QByteArray& _baDocument, quint32 _u32Length, quint16 _u16Checksum)
{
    QByteArray record(4, '\0');
    qToLittleEndian<quint32>(_u32Length, record.data());
    record.append(_baDocument);
    char checksum[2];
    qToLittleEndian<quint16>(_u16Checksum, checksum);
    record.append(checksum, 2);
    return record;
}

static quint16 u16Checksum(const QByteArray& _baDocument)
{
    return qChecksum(_baDocument.constData(), uint(_baDocument.size()));
}

// A binary JSON document whose root is an array, not an object.
static QByteArray baArrayDocument()
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return QJsonDocument(QJsonArray{"85"}).toBinaryData();
    QT_WARNING_POP
}

static QJsonObject tankDiesel()
{
    return QJsonObject{{"m_lbTankDiesel", "85"}};
}

class tst_LiveRecord : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void decodesMembers_data();
    void decodesMembers();
    void dropsDamagedRecords_data();
    void dropsDamagedRecords();
    void dropsEveryTruncation();
    void survivesGarbage();
};

void tst_LiveRecord::decodesMembers_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<Pairs>("expected");

    QTest::newRow("one string member")
        << LiveRecordEncoder::baRecord(tankDiesel()) << Pairs{{"m_lbTankDiesel", "85"}};
    QTest::newRow("members in stored (sorted) order")
        << LiveRecordEncoder::baRecord(QJsonObject{{"pos_rselect", "13"},
                                                   {"VERB_ANZEIGE_GANG", "3"},
                                                   {"m_slWarnSiebband", "85"},
                                                   {"m_pbSiebbanddruck", "90"}})
        << Pairs{{"VERB_ANZEIGE_GANG", "3"},
                 {"m_pbSiebbanddruck", "90"},
                 {"m_slWarnSiebband", "85"},
                 {"pos_rselect", "13"}};
    QTest::newRow("non-string values give the empty text")
        << LiveRecordEncoder::baRecord(QJsonObject{{"a", 85},
                                                   {"b", true},
                                                   {"c", QJsonValue::Null},
                                                   {"d", QJsonArray{"1"}},
                                                   {"e", QJsonObject{{"x", "1"}}}})
        << Pairs{{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}, {"e", ""}};
    QTest::newRow("texts keep umlauts and blanks")
        << LiveRecordEncoder::baRecord(QJsonObject{{"m_lbKunde", QString::fromUtf8("Müller 12")}})
        << Pairs{{"m_lbKunde", QString::fromUtf8("Müller 12")}};
    QTest::newRow("empty object") << LiveRecordEncoder::baRecord(QJsonObject()) << Pairs();
    const QByteArray array = baArrayDocument();
    QTest::newRow("root is an array")
        << baRecord(array, quint32(array.size() + 2), u16Checksum(array)) << Pairs();
    QTest::newRow("bytes behind the checksum are ignored")
        << LiveRecordEncoder::baRecord(tankDiesel()) + QByteArray("xyz") << Pairs{{"m_lbTankDiesel", "85"}};
}

void tst_LiveRecord::decodesMembers()
{
    QFETCH(QByteArray, record);
    QFETCH(Pairs, expected);
    QCOMPARE(LiveRecord::decode(record), expected);
}

void tst_LiveRecord::dropsDamagedRecords_data()
{
    QTest::addColumn<QByteArray>("record");

    const QByteArray document = LiveRecordEncoder::baBinaryDocument(tankDiesel());
    const quint32 u32N = quint32(document.size() + 2);
    const quint16 u16Sum = u16Checksum(document);
    QVERIFY2((u16Sum >> 8) != (u16Sum & 0xFF), "the swapped checksum must differ");
    QCOMPARE(baRecord(document, u32N, u16Sum), LiveRecordEncoder::baRecord(tankDiesel()));

    QByteArray changed = document;
    changed[changed.size() - 3] = char(changed.at(changed.size() - 3) ^ 0x01);
    QTest::newRow("one document byte changed") << baRecord(changed, u32N, u16Sum);
    QTest::newRow("checksum bytes swapped")
        << baRecord(document, u32N, quint16((u16Sum << 8) | (u16Sum >> 8)));
    QTest::newRow("length written big-endian") << baRecord(document, qToBigEndian(u32N), u16Sum);
    QTest::newRow("checksum over length and document")
        << baRecord(document, u32N, u16Checksum(baRecord(document, u32N, 0).left(4 + document.size())));
    QTest::newRow("length one too small") << baRecord(document, u32N - 1, u16Sum);
    QTest::newRow("length one too large") << baRecord(document, u32N + 1, u16Sum);
    QTest::newRow("length 0") << baRecord(document, 0, u16Sum);
    QTest::newRow("length 1") << baRecord(document, 1, u16Sum);
    QTest::newRow("length negative as int") << baRecord(document, 0x80000000u, u16Sum);
    QTest::newRow("length at maximum") << baRecord(document, 0xFFFFFFFFu, u16Sum);
    QTest::newRow("length at maximum minus 3") << baRecord(document, 0xFFFFFFFCu, u16Sum);
    QTest::newRow("empty record") << QByteArray();
    QTest::newRow("empty document with its checksum") << baRecord(QByteArray(), 2, u16Checksum({}));
    QTest::newRow("valid checksum over no binary JSON") << baRecord("not json", 10, u16Checksum("not json"));
}

void tst_LiveRecord::dropsDamagedRecords()
{
    QFETCH(QByteArray, record);
    QCOMPARE(LiveRecord::decode(record), Pairs());
}

void tst_LiveRecord::dropsEveryTruncation()
{
    const QByteArray record =
        LiveRecordEncoder::baRecord(QJsonObject{{"m_lbTankDiesel", "85"}, {"m_lbTankAdBlue", "40"}});
    for (int s32Size = 0; s32Size < record.size(); ++s32Size)
        QVERIFY2(LiveRecord::decode(record.left(s32Size)).isEmpty(), qPrintable(QString::number(s32Size)));
}

void tst_LiveRecord::survivesGarbage()
{
    // Random bytes, and damaged documents that carry a correct checksum so
    // that they reach the binary JSON reader: none may crash the decoder.
    QRandomGenerator random(20240611);
    const int s32Rounds = 4000;
    const QByteArray document = LiveRecordEncoder::baBinaryDocument(
        QJsonObject{{"m_lbTankDiesel", "85"}, {"m_pbSiebbanddruck", "90"}, {"pos_rselect", "13"}});
    for (int i = 0; i < s32Rounds; ++i) {
        QByteArray bytes;
        if (i % 2 == 0) {
            bytes.resize(int(random.bounded(64)));
            for (char& c : bytes)
                c = char(random.bounded(256));
            // Now and then a length field that fits the bytes.
            if (i % 4 == 0 && bytes.size() >= 6)
                qToLittleEndian<quint32>(quint32(bytes.size() - 4), bytes.data());
        } else {
            QByteArray damaged = document;
            const int s32Changes = 1 + int(random.bounded(4));
            for (int c = 0; c < s32Changes; ++c)
                damaged[int(random.bounded(damaged.size()))] = char(random.bounded(256));
            bytes = baRecord(damaged, quint32(damaged.size() + 2), u16Checksum(damaged));
        }
        LiveRecord::decode(bytes);
    }
}

QTEST_GUILESS_MAIN(tst_LiveRecord)
#include "tst_liverecord.moc"
