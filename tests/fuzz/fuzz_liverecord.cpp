// A live data record from the network: never read outside its bytes, a
// damaged checksum gives nothing, and what is read survives a round trip
// through the terminal's encoder.
#include "fuzztarget.h"

#include "live/liverecord.h"
#include "terminal/liverecordencoder.h"

#include <QMap>
#include <QtEndian>

namespace
{

// A record around a document, with the length and checksum it needs: a
// mutated document still passes the checksum and reaches the reader itself.
QByteArray baRecordOf(const QByteArray& _baDocument)
{
    char acLength[4];
    qToLittleEndian<quint32>(quint32(_baDocument.size() + 2), acLength);
    char acChecksum[2];
    qToLittleEndian<quint16>(qChecksum(_baDocument.constData(), uint(_baDocument.size())), acChecksum);
    return QByteArray(acLength, 4) + _baDocument + QByteArray(acChecksum, 2);
}

void vCheckRecord(const QByteArray& _baRecord)
{
    const QList<QPair<QString, QString>> pairs = LiveRecord::decode(_baRecord);
    if (pairs.isEmpty())
        return;

    // Only whole records give pairs, and every text comes from inside them.
    FUZZ_CHECK(_baRecord.size() >= 6);
    const qint64 s64Length = qFromLittleEndian<quint32>(_baRecord.constData());
    FUZZ_CHECK(s64Length >= 2 && 4 + s64Length <= _baRecord.size());
    QMap<QString, QString> mapValues;
    for (const auto& pair : pairs) {
        FUZZ_CHECK(pair.first.size() < s64Length && pair.second.size() < s64Length);
        mapValues.insert(pair.first, pair.second);
    }

    // The same document with a damaged checksum gives nothing.
    QByteArray baDamaged(_baRecord.constData(), _baRecord.size());
    baDamaged[int(4 + s64Length - 1)] = char(baDamaged.at(int(4 + s64Length - 1)) ^ 0x01);
    FUZZ_CHECK(LiveRecord::decode(baDamaged).isEmpty());

    // Written by the terminal's encoder and read again: the same values.
    QMap<QString, QString> mapAgain;
    for (const auto& pair : LiveRecord::decode(LiveRecordEncoder::baRecord(mapValues)))
        mapAgain.insert(pair.first, pair.second);
    FUZZ_CHECK(mapAgain == mapValues);
}

} // namespace

VEMO_FUZZ_TARGET(fuzzLiveRecord)
{
    const QByteArray baInput = Fuzz::baInput(data, size);
    // The bytes as they come, length and checksum included ...
    vCheckRecord(baInput);
    // ... the document inside them behind a correct checksum ...
    if (baInput.size() >= 6)
        vCheckRecord(baRecordOf(baInput.mid(4, baInput.size() - 6)));
    // ... and the whole input as a document.
    vCheckRecord(baRecordOf(baInput));
    return 0;
}
