#include "terminal/framing.h"
#include "testsupport.h"

#include <QtTest>

// The frame reader against byte streams cut in every possible way.
class tst_Framing : public QObject
{
    Q_OBJECT

private:
    // Feeds the stream in the given pieces and collects every payload.
    static QList<QByteArray> lbaRead(const QList<QByteArray>& _lbaPieces, bool* _pbError = nullptr)
    {
        cFrameReader reader;
        QList<QByteArray> messages;
        bool bError = false;
        for (const QByteArray& piece : _lbaPieces) {
            reader.vAppend(piece);
            QByteArray message;
            cFrameReader::eNext next;
            while ((next = reader.eTakeNext(message)) == cFrameReader::eNext::Message)
                messages.append(message);
            bError = bError || next == cFrameReader::eNext::Error;
        }
        if (_pbError)
            *_pbError = bError;
        return messages;
    }

private slots:
    void initTestCase() { TestSupport::vIsolate(); }

    void headerIsBigEndianSigned32()
    {
        QCOMPARE(baLengthHeader(11), QByteArray::fromHex("0000000b"));
        QCOMPARE(baLengthHeader(-1), QByteArray::fromHex("ffffffff"));
        QCOMPARE(s32LengthFromHeader(QByteArray::fromHex("01020304")), 0x01020304);
        QCOMPARE(s32LengthFromHeader(QByteArray::fromHex("fffffffb")), -5);
        QCOMPARE(s32LengthFromHeader(QByteArray::fromHex("0102")), 0);
        // "StartLIVE" with 500 ms as it goes on the wire.
        QCOMPARE(baFrame(QByteArray("StartLIVE") + QByteArray::fromHex("f401")),
                 QByteArray::fromHex("0000000b") + "StartLIVE" + QByteArray::fromHex("f401"));
    }

    void splitAtEveryByte()
    {
        const QList<QByteArray> payloads = {"Login: ", QByteArray(300, 'x'), "PW-Request true", "A"};
        QByteArray stream;
        for (const QByteArray& payload : payloads)
            stream += baFrame(payload);
        for (int cut = 0; cut <= stream.size(); ++cut)
            QCOMPARE(lbaRead({stream.left(cut), stream.mid(cut)}), payloads);
        QList<QByteArray> bytes;
        for (char c : stream)
            bytes.append(QByteArray(1, c));
        QCOMPARE(lbaRead(bytes), payloads);
    }

    void emptyFramesAreConsumed()
    {
        const QByteArray stream = baFrame(QByteArray()) + baFrame("eins") + baFrame(QByteArray()) +
                                  baFrame(QByteArray()) + baFrame("zwei") + baFrame(QByteArray());
        QCOMPARE(lbaRead({stream}), (QList<QByteArray>{"eins", "zwei"}));
        cFrameReader reader;
        reader.vAppend(stream);
        QByteArray message;
        while (reader.eTakeNext(message) == cFrameReader::eNext::Message) {
        }
        QCOMPARE(reader.s32Buffered(), 0);
        QCOMPARE(reader.s32ExpectedSize(), 0);
    }

    void badLengths_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("error");
        QTest::newRow("negative") << -5 << true;
        QTest::newRow("minimum") << int(0x80000000) << true;
        QTest::newRow("above the cap") << MAX_FRAME_BYTES + 1 << true;
        QTest::newRow("huge") << 0x7ffffff0 << true;
        QTest::newRow("at the cap waits") << MAX_FRAME_BYTES << false;
    }

    void badLengths()
    {
        QFETCH(int, length);
        QFETCH(bool, error);
        bool bError = false;
        // A good frame first: it is still delivered; nothing after the bad header is.
        const QList<QByteArray> messages =
            lbaRead({baFrame("vorher") + baLengthHeader(length) + "rest", baFrame("danach")}, &bError);
        QCOMPARE(bError, error);
        QCOMPARE(messages, QList<QByteArray>{"vorher"});
    }

    void errorStaysUntilReset()
    {
        cFrameReader reader;
        reader.vAppend(baLengthHeader(-1));
        QByteArray message;
        QCOMPARE(reader.eTakeNext(message), cFrameReader::eNext::Error);
        reader.vAppend(baFrame("spaeter"));
        QCOMPARE(reader.eTakeNext(message), cFrameReader::eNext::Error);
        QCOMPARE(reader.s32Buffered(), 0); // the buffer does not grow any more
        reader.vReset();
        reader.vAppend(baFrame("neu"));
        QCOMPARE(reader.eTakeNext(message), cFrameReader::eNext::Message);
        QCOMPARE(message, QByteArray("neu"));
    }

    void messageLeavesBufferBeforeDispatch()
    {
        // A dispatch that reads more data in a nested event loop continues
        // with the next message, not with the one being dispatched.
        cFrameReader reader;
        reader.vAppend(baFrame("erste") + baFrame("zweite").left(6));
        QByteArray first;
        QCOMPARE(reader.eTakeNext(first), cFrameReader::eNext::Message);
        reader.vAppend(baFrame("zweite").mid(6) + baFrame("dritte"));
        QByteArray nested;
        QCOMPARE(reader.eTakeNext(nested), cFrameReader::eNext::Message);
        QCOMPARE(nested, QByteArray("zweite"));
        QCOMPARE(reader.eTakeNext(nested), cFrameReader::eNext::Message);
        QCOMPARE(nested, QByteArray("dritte"));
        QCOMPARE(reader.eTakeNext(nested), cFrameReader::eNext::NeedMore);
    }

    void burstCostsItsBytesOnly_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("reads");
        QTest::newRow("one read") << 320000 << 1;
        QTest::newRow("reads cutting frames") << 320000 << 997;
    }

    void burstCostsItsBytesOnly()
    {
        // Many one-byte frames in few reads: the reader copies each byte a
        // bounded number of times, not once per frame taken before it.
        QFETCH(int, frames);
        QFETCH(int, reads);
        QByteArray stream;
        stream.reserve(frames * 5);
        for (int i = 0; i < frames; ++i)
            stream += baFrame(QByteArray(1, char('a' + i % 26)));
        cFrameReader reader;
        const int s32Piece = stream.size() / reads + 1;
        int s32Taken = 0;
        bool bInOrder = true;
        for (int offset = 0; offset < stream.size(); offset += s32Piece) {
            reader.vAppend(stream.mid(offset, s32Piece));
            QByteArray message;
            while (reader.eTakeNext(message) == cFrameReader::eNext::Message)
                bInOrder = bInOrder && message == QByteArray(1, char('a' + s32Taken++ % 26));
        }
        QCOMPARE(s32Taken, frames);
        QVERIFY(bInOrder);
        QCOMPARE(reader.s32Buffered(), 0);
        QVERIFY2(reader.s64BytesMoved() <= 2 * qint64(stream.size()),
                 qPrintable(QString::number(reader.s64BytesMoved())));
    }
};

QTEST_GUILESS_MAIN(tst_Framing)
#include "tst_framing.moc"
