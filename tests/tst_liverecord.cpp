#include "live/liverecord.h"
#include "livetypical.h"
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

// A document behind a correct length field and checksum: whatever is wrong
// with it has to be found by the document reader itself.
static QByteArray baSealed(const QByteArray& _baDocument)
{
    return baRecord(_baDocument, quint32(_baDocument.size() + 2), u16Checksum(_baDocument));
}

// What Qt's own reader makes of a document. Only ever given documents that
// Qt wrote or that keep to the format and its bounds.
static Pairs pairsByQt(const QByteArray& _baDocument)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QJsonObject object = QJsonDocument::fromBinaryData(_baDocument, QJsonDocument::Validate).object();
    QT_WARNING_POP
    Pairs pairs;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        pairs.append(qMakePair(it.key(), it.value().toString()));
    return pairs;
}

// Fields of a binary JSON document, to damage one at a time. The top-level
// object starts behind the 8-byte tag and version: size at 8, kind and length
// at 12, table offset at 16; the table holds one offset per member, each
// member is a value word followed by its key.
namespace Doc
{

constexpr int Root = 8;
constexpr int RootSize = 8;
constexpr int RootKindAndLength = 12;
constexpr int RootTableOffset = 16;
// Offset of a string, nested value or double, held in bits 5..31 of a word.
constexpr int ValueShift = 5;

quint32 u32At(const QByteArray& _baDocument, int _s32Pos)
{
    return qFromLittleEndian<quint32>(_baDocument.constData() + _s32Pos);
}

QByteArray baWith32(QByteArray _baDocument, int _s32Pos, quint32 _u32)
{
    qToLittleEndian<quint32>(_u32, _baDocument.data() + _s32Pos);
    return _baDocument;
}

QByteArray baWith16(QByteArray _baDocument, int _s32Pos, quint16 _u16)
{
    qToLittleEndian<quint16>(_u16, _baDocument.data() + _s32Pos);
    return _baDocument;
}

quint32 u32TableOffset(const QByteArray& _baDocument)
{
    return u32At(_baDocument, RootTableOffset);
}

// Where the table slot of member _s32Index lies in the document.
int s32Slot(const QByteArray& _baDocument, int _s32Index)
{
    return Root + int(u32TableOffset(_baDocument)) + 4 * _s32Index;
}

// Where member _s32Index (its value word) lies in the document.
int s32Entry(const QByteArray& _baDocument, int _s32Index)
{
    return Root + int(u32At(_baDocument, s32Slot(_baDocument, _s32Index)));
}

int s32Key(const QByteArray& _baDocument, int _s32Index)
{
    return s32Entry(_baDocument, _s32Index) + 4;
}

// Where the data of member _s32Index (a string or nested value) lies.
int s32Data(const QByteArray& _baDocument, int _s32Index)
{
    return Root + int(u32At(_baDocument, s32Entry(_baDocument, _s32Index)) >> ValueShift);
}

// The document with the offset in the value word of member _s32Index replaced.
QByteArray baWithValueOffset(const QByteArray& _baDocument, int _s32Index, quint32 _u32Offset)
{
    const int s32Entry = Doc::s32Entry(_baDocument, _s32Index);
    const quint32 u32Word = u32At(_baDocument, s32Entry);
    return baWith32(_baDocument, s32Entry, (u32Word & 0x1Fu) | (_u32Offset << ValueShift));
}

QByteArray baWithValueType(const QByteArray& _baDocument, int _s32Index, quint32 _u32Type)
{
    const int s32Entry = Doc::s32Entry(_baDocument, _s32Index);
    const quint32 u32Word = u32At(_baDocument, s32Entry);
    return baWith32(_baDocument, s32Entry, (u32Word & ~0x7u) | _u32Type);
}

// {"a": [...]}: arrays nested _s32Depth deep below the member, each holding
// two elements that both point at the same inner array. Sharing keeps to the
// bounds, but following every element visits 2^_s32Depth arrays.
QByteArray baSharedNesting(int _s32Depth)
{
    const quint32 u32ArrayType = 4;
    auto header = [](quint32 _u32Size, quint32 _u32KindAndLength, quint32 _u32TableOffset) {
        QByteArray bytes(12, '\0');
        qToLittleEndian<quint32>(_u32Size, bytes.data());
        qToLittleEndian<quint32>(_u32KindAndLength, bytes.data() + 4);
        qToLittleEndian<quint32>(_u32TableOffset, bytes.data() + 8);
        return bytes;
    };
    QByteArray array = header(12, 0, 12);
    for (int i = 0; i < _s32Depth; ++i) {
        const quint32 u32Inner = quint32(array.size());
        QByteArray outer = header(12 + u32Inner + 8, 2 << 1, 12 + u32Inner) + array;
        outer = baWith32(outer + QByteArray(8, '\0'), 12 + int(u32Inner), (12u << ValueShift) | u32ArrayType);
        array = baWith32(outer, 16 + int(u32Inner), (12u << ValueShift) | u32ArrayType);
    }
    // The member: word (array at offset 20, Latin-1 key), key "a" padded to 4.
    QByteArray entry(8, '\0');
    qToLittleEndian<quint32>((20u << ValueShift) | (1u << 4) | u32ArrayType, entry.data());
    entry = baWith16(entry, 4, 1);
    entry[6] = 'a';
    const quint32 u32Size = quint32(12 + entry.size() + array.size() + 4);
    QByteArray root = header(u32Size, (1 << 1) | 1, u32Size - 4) + entry + array + QByteArray(4, '\0');
    root = baWith32(root, int(u32Size) - 4, 12);
    return QByteArray("qbjs") + baWith32(QByteArray(4, '\0'), 0, 1) + root;
}

} // namespace Doc

// Text in both stored forms: Latin-1 and UTF-16 (text beyond Latin-1),
// surrogate pairs, the empty string, now and then a few hundred characters.
static QString strRandomText(QRandomGenerator& _random)
{
    static const QStringList s_listPieces = {"a",
                                             "Z",
                                             "_",
                                             "0",
                                             " ",
                                             "9",
                                             QString::fromUtf8("ü"),
                                             QString::fromUtf8("ß"),
                                             QString::fromUtf8("é"),
                                             QString::fromUtf8("Ł"),
                                             QString::fromUtf8("ź"),
                                             QString::fromUtf8("€"),
                                             QString::fromUtf8("\xF0\x9F\x98\x80")};
    const int s32Length =
        _random.bounded(20) == 0 ? 200 + int(_random.bounded(300)) : int(_random.bounded(12));
    QString str;
    for (int i = 0; i < s32Length; ++i)
        str += s_listPieces.at(int(_random.bounded(s_listPieces.size())));
    return str;
}

static QJsonValue randomValue(QRandomGenerator& _random, int _s32Depth);

static QJsonObject randomObject(QRandomGenerator& _random, int _s32Depth)
{
    QJsonObject object;
    const int s32Members = int(_random.bounded(_s32Depth == 0 ? 16 : 4));
    for (int i = 0; i < s32Members; ++i)
        object.insert(strRandomText(_random), randomValue(_random, _s32Depth));
    return object;
}

static QJsonValue randomValue(QRandomGenerator& _random, int _s32Depth)
{
    switch (_random.bounded(_s32Depth < 2 ? 9 : 7)) {
    case 0:
        return int(_random.bounded(1000)) - 500;
    case 1:
        return double(_random.bounded(1 << 30)) * 1000.0;
    case 2:
        return 0.25 + _random.bounded(100);
    case 3:
        return _random.bounded(2) == 1;
    case 4:
        return QJsonValue::Null;
    case 7:
        return QJsonArray{strRandomText(_random), randomValue(_random, _s32Depth + 1)};
    case 8:
        return randomObject(_random, _s32Depth + 1);
    default:
        return strRandomText(_random);
    }
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
    void dropsDamagedDocuments_data();
    void dropsDamagedDocuments();
    void readsOverlappingDocuments_data();
    void readsOverlappingDocuments();
    void matchesQtReader();
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
    QTest::newRow("doubles and large integers stored behind the members")
        << LiveRecordEncoder::baRecord(QJsonObject{{"a", 1.5}, {"b", 1e10}, {"c", -(1 << 28)}})
        << Pairs{{"a", ""}, {"b", ""}, {"c", ""}};
    QTest::newRow("texts keep umlauts and blanks")
        << LiveRecordEncoder::baRecord(QJsonObject{{"m_lbKunde", QString::fromUtf8("Müller 12")}})
        << Pairs{{"m_lbKunde", QString::fromUtf8("Müller 12")}};
    const QString strLodz = QString::fromUtf8("Łódź");
    QTest::newRow("UTF-16 key and text")
        << LiveRecordEncoder::baRecord(QJsonObject{{strLodz, strLodz}}) << Pairs{{strLodz, strLodz}};
    QTest::newRow("Latin-1 and UTF-16 keys and texts mixed")
        << LiveRecordEncoder::baRecord(QJsonObject{{QString::fromUtf8("Müller"), strLodz},
                                                   {strLodz, QString::fromUtf8("Müller")},
                                                   {"m_lbKunde", "12"}})
        << Pairs{{QString::fromUtf8("Müller"), strLodz},
                 {"m_lbKunde", "12"},
                 {strLodz, QString::fromUtf8("Müller")}};
    QTest::newRow("surrogate pair") << LiveRecordEncoder::baRecord(
                                           QJsonObject{{"k", QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                               "b")}})
                                    << Pairs{{"k", QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                     "b")}};
    QTest::newRow("long Latin-1 text stored as UTF-16")
        << LiveRecordEncoder::baRecord(QJsonObject{{"k", QString(40000, QLatin1Char('x'))}})
        << Pairs{{"k", QString(40000, QLatin1Char('x'))}};
    QTest::newRow("empty key and text")
        << LiveRecordEncoder::baRecord(QJsonObject{{"", ""}}) << Pairs{{"", ""}};
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

void tst_LiveRecord::dropsDamagedDocuments_data()
{
    QTest::addColumn<QByteArray>("document");

    using namespace Doc;
    // Two Latin-1 members; keys of equal length.
    const QByteArray latin =
        LiveRecordEncoder::baBinaryDocument(QJsonObject{{"m_lbTankDiesel", "85"}, {"m_lbTankAdBlue", "40"}});
    // One member whose key and text need UTF-16.
    const QString strLodz = QString::fromUtf8("Łódź");
    const QByteArray utf16 = LiveRecordEncoder::baBinaryDocument(QJsonObject{{strLodz, strLodz}});
    // A nested object and a nested array, each holding a string.
    const QByteArray nested = LiveRecordEncoder::baBinaryDocument(
        QJsonObject{{"a", QJsonObject{{"x", "1"}}}, {"b", QJsonArray{"2"}}});
    QCOMPARE(pairsByQt(latin).size(), 2);
    QCOMPARE(pairsByQt(utf16), (Pairs{{strLodz, strLodz}}));
    QCOMPARE(pairsByQt(nested).size(), 2);

    const quint32 u32RootSize = u32At(latin, RootSize);
    const quint32 u32Table = u32TableOffset(latin);
    QCOMPARE(qint64(u32RootSize), qint64(latin.size() - 8));

    QTest::newRow("shorter than tag, version and object header") << latin.left(19);
    QTest::newRow("tag only") << latin.left(4);
    QTest::newRow("wrong tag") << QByteArray("qbjS") + latin.mid(4);
    QTest::newRow("version 0") << baWith32(latin, 4, 0);
    QTest::newRow("version 2") << baWith32(latin, 4, 2);
    QTest::newRow("object size one past the document") << baWith32(latin, RootSize, u32RootSize + 1);
    QTest::newRow("object size wraps around with the header") << baWith32(latin, RootSize, 0xFFFFFFFFu);
    // Qt's own validator adds the header to the size in 32 bits and then
    // reads the table 2 GB behind the document.
    QTest::newRow("object size wraps around, table far behind")
        << baWith32(baWith32(latin, RootSize, 0xFFFFFFFFu), RootTableOffset, 0x7FFFFFF0u);
    QTest::newRow("object size negative as int") << baWith32(latin, RootSize, 0x80000000u);
    QTest::newRow("table offset at the size") << baWith32(latin, RootTableOffset, u32RootSize);
    QTest::newRow("table offset wraps around with the table")
        << baWith32(latin, RootTableOffset, 0xFFFFFFFCu);
    QTest::newRow("length one too many") << baWith32(latin, RootKindAndLength, (3u << 1) | 1);
    QTest::newRow("length at maximum") << baWith32(latin, RootKindAndLength, 0xFFFFFFFFu);
    QTest::newRow("member offset at the table") << baWith32(latin, s32Slot(latin, 0), u32Table);
    QTest::newRow("member straddles the table") << baWith32(latin, s32Slot(latin, 0), u32Table - 2);
    QTest::newRow("member offset past the document")
        << baWith32(latin, s32Slot(latin, 1), quint32(latin.size()));
    QTest::newRow("member offset wraps around") << baWith32(latin, s32Slot(latin, 0), 0xFFFFFFFCu);
    QTest::newRow("member offset negative as int") << baWith32(latin, s32Slot(latin, 0), 0x80000000u);
    QTest::newRow("members out of order")
        << baWith32(baWith32(latin, s32Slot(latin, 0), u32At(latin, s32Slot(latin, 1))), s32Slot(latin, 1),
                    u32At(latin, s32Slot(latin, 0)));
    QTest::newRow("Latin-1 key past the table") << baWith16(latin, s32Key(latin, 1), 0x7FFF);
    QTest::newRow("Latin-1 key runs one byte into the table")
        << baWith16(latin, s32Key(latin, 1), quint16(Root + int(u32Table) - s32Key(latin, 1) - 2 + 1));
    QTest::newRow("Latin-1 key length at maximum") << baWith16(latin, s32Key(latin, 0), 0xFFFF);
    QTest::newRow("UTF-16 key past the table") << baWith32(utf16, s32Key(utf16, 0), 0x10000);
    QTest::newRow("UTF-16 key byte size wraps around") << baWith32(utf16, s32Key(utf16, 0), 0x80000001u);
    QTest::newRow("UTF-16 key length at maximum") << baWith32(utf16, s32Key(utf16, 0), 0xFFFFFFFFu);
    QTest::newRow("text offset at the table") << baWithValueOffset(latin, 0, u32Table);
    QTest::newRow("text offset at maximum") << baWithValueOffset(latin, 0, 0x7FFFFFF);
    QTest::newRow("text offset inside the object header") << baWithValueOffset(latin, 0, 4);
    QTest::newRow("Latin-1 text past the table") << baWith16(latin, s32Data(latin, 1), 0xFFFF);
    QTest::newRow("Latin-1 text runs one byte into the table")
        << baWith16(latin, s32Data(latin, 1), quint16(Root + int(u32Table) - s32Data(latin, 1) - 2 + 1));
    QTest::newRow("UTF-16 text runs into the table")
        << baWith32(utf16, s32Data(utf16, 0),
                    quint32((Root + int(u32TableOffset(utf16)) - s32Data(utf16, 0) - 4) / 2 + 1));
    QTest::newRow("UTF-16 text past the table") << baWith32(utf16, s32Data(utf16, 0), 0x10000);
    QTest::newRow("UTF-16 text byte size wraps around") << baWith32(utf16, s32Data(utf16, 0), 0x80000001u);
    QTest::newRow("UTF-16 text length negative as int") << baWith32(utf16, s32Data(utf16, 0), 0xFFFFFFFFu);
    QTest::newRow("value type 6") << baWithValueType(latin, 1, 6);
    QTest::newRow("value type 7") << baWithValueType(latin, 0, 7);
    QTest::newRow("double stored at the table")
        << baWith32(latin, s32Entry(latin, 0), (u32Table << ValueShift) | (1u << 4) | 2);

    // Members: 0 = "a" (object), 1 = "b" (array). A nested value starts with
    // its own size, kind and length, table offset.
    const int s32Object = s32Data(nested, 0);
    const int s32Array = s32Data(nested, 1);
    QTest::newRow("nested object larger than its parent's data") << baWith32(nested, s32Object, 0x10000);
    QTest::newRow("nested object size wraps around") << baWith32(nested, s32Object, 0xFFFFFFF0u);
    QTest::newRow("nested array's table past its size")
        << baWith32(nested, s32Array + 8, u32At(nested, s32Array));
    QTest::newRow("nested array's length at maximum") << baWith32(nested, s32Array + 4, 0xFFFFFFFEu);
    QTest::newRow("nested header overlaps the parent's table")
        << baWithValueOffset(nested, 1, u32TableOffset(nested) - 4);
    QTest::newRow("nested object's member past its table")
        << baWith32(nested, s32Object + int(u32At(nested, s32Object + 8)), u32At(nested, s32Object));
    QTest::newRow("string in nested array past its table") << baWith16(
        nested, s32Array + int(u32At(nested, s32Array + int(u32At(nested, s32Array + 8))) >> ValueShift),
        0x7FFF);
    QTest::newRow("nested arrays share storage 40 levels deep") << baSharedNesting(40);
}

void tst_LiveRecord::dropsDamagedDocuments()
{
    QFETCH(QByteArray, document);
    QCOMPARE(LiveRecord::decode(baSealed(document)), Pairs());
}

void tst_LiveRecord::readsOverlappingDocuments_data()
{
    // Documents no writer makes but that keep to the format and its bounds:
    // parts are shared, keys repeat. They read as Qt reads them.
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<Pairs>("expected");

    using namespace Doc;
    const QByteArray latin =
        LiveRecordEncoder::baBinaryDocument(QJsonObject{{"m_lbTankDiesel", "85"}, {"m_lbTankAdBlue", "40"}});
    QTest::newRow("two slots at one member")
        << baWith32(latin, s32Slot(latin, 1), u32At(latin, s32Slot(latin, 0)))
        << Pairs{{"m_lbTankAdBlue", "40"}};
    QByteArray repeated = latin;
    repeated.replace(s32Key(latin, 1) + 2, 14, "m_lbTankAdBlue");
    QTest::newRow("repeated key takes the later text") << repeated << Pairs{{"m_lbTankAdBlue", "85"}};
    QTest::newRow("two members share one text")
        << baWithValueOffset(latin, 1, u32At(latin, s32Entry(latin, 0)) >> ValueShift)
        << Pairs{{"m_lbTankAdBlue", "40"}, {"m_lbTankDiesel", "40"}};
    QTest::newRow("text is a key") << baWithValueOffset(latin, 0, quint32(s32Key(latin, 0) - Root))
                                   << Pairs{{"m_lbTankAdBlue", "m_lbTankAdBlue"}, {"m_lbTankDiesel", "85"}};
    QTest::newRow("nested arrays share storage") << baSharedNesting(2) << Pairs{{"a", ""}};
}

void tst_LiveRecord::readsOverlappingDocuments()
{
    QFETCH(QByteArray, document);
    QFETCH(Pairs, expected);
    QCOMPARE(LiveRecord::decode(baSealed(document)), expected);
    QCOMPARE(pairsByQt(document), expected);
}

void tst_LiveRecord::matchesQtReader()
{
    // Documents Qt wrote read as Qt reads them: same members, order and texts.
    QList<QJsonObject> listObjects{typicalLiveRecord()};
    QRandomGenerator random(7031);
    for (int i = 0; i < 300; ++i)
        listObjects.append(randomObject(random, 0));
    for (const QJsonObject& object : listObjects) {
        const QByteArray document = LiveRecordEncoder::baBinaryDocument(object);
        const Pairs expected = pairsByQt(document);
        QCOMPARE(expected.size(), object.size());
        QVERIFY2(LiveRecord::decode(LiveRecordEncoder::baRecord(object)) == expected,
                 QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
    }
}

void tst_LiveRecord::survivesGarbage()
{
    // Random bytes, and damaged documents that carry a correct checksum so
    // that they reach the binary JSON reader: none may crash the decoder or
    // make it read outside the record (run under the address sanitizer), and
    // whatever it returns has to fit into the bytes it was given.
    QRandomGenerator random(20240611);
    const QList<QByteArray> listDocuments{
        LiveRecordEncoder::baBinaryDocument(
            QJsonObject{{"m_lbTankDiesel", "85"}, {"m_pbSiebbanddruck", "90"}, {"pos_rselect", "13"}}),
        LiveRecordEncoder::baBinaryDocument(
            QJsonObject{{QString::fromUtf8("Łódź"), QString::fromUtf8("Łódź")},
                        {"m_lbKunde", QString::fromUtf8("Müller")}}),
        LiveRecordEncoder::baBinaryDocument(QJsonObject{
            {"a", QJsonObject{{"x", "1"}, {"y", 2.5}}}, {"b", QJsonArray{"2", true}}, {"c", "3"}}),
        LiveRecordEncoder::baBinaryDocument(typicalLiveRecord())};
    const int s32Rounds = 8000;
    for (int i = 0; i < s32Rounds; ++i) {
        QByteArray bytes;
        if (i % 4 == 0) {
            bytes.resize(int(random.bounded(64)));
            for (char& c : bytes)
                c = char(random.bounded(256));
            // Now and then a length field that fits the bytes.
            if (i % 8 == 0 && bytes.size() >= 6)
                qToLittleEndian<quint32>(quint32(bytes.size() - 4), bytes.data());
        } else {
            QByteArray damaged = listDocuments.at(int(random.bounded(listDocuments.size())));
            const int s32Changes = 1 + int(random.bounded(4));
            for (int c = 0; c < s32Changes; ++c) {
                // Mostly whole 32-bit fields set to values that break sizes
                // and offsets, else single bytes.
                const quint32 au32Values[] = {0,
                                              1,
                                              4,
                                              12,
                                              0xFFFF,
                                              0x7FFFFFFFu,
                                              0x80000000u,
                                              0xFFFFFFFFu,
                                              quint32(damaged.size()),
                                              quint32(damaged.size() - 8),
                                              random.generate()};
                if (random.bounded(3) != 0 && damaged.size() >= 4) {
                    const int s32Pos = 4 * int(random.bounded(damaged.size() / 4));
                    const quint32 u32Value =
                        au32Values[random.bounded(int(sizeof(au32Values) / sizeof(quint32)))];
                    qToLittleEndian<quint32>(u32Value, damaged.data() + s32Pos);
                } else {
                    damaged[int(random.bounded(damaged.size()))] = char(random.bounded(256));
                }
            }
            bytes = baSealed(damaged);
        }
        const Pairs pairs = LiveRecord::decode(bytes);
        // Every member takes a 4-byte slot; no key or text is longer than the bytes.
        QVERIFY(pairs.size() <= bytes.size() / 4);
        for (const auto& pair : pairs)
            QVERIFY(pair.first.size() <= bytes.size() && pair.second.size() <= bytes.size());
    }
}

QTEST_GUILESS_MAIN(tst_LiveRecord)
#include "tst_liverecord.moc"
