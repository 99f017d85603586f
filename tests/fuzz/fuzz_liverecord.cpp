// A live data record from the network: never read outside its bytes, a
// damaged checksum gives nothing, and what is read survives a round trip
// through the terminal's encoder.
#include "fuzztarget.h"

#include "live/liverecord.h"
#include "terminal/liverecordencoder.h"

#include <QMap>
#include <QtEndian>

VEMO_FUZZ_TARGET(fuzzLiveRecord)
{
    const QByteArray baRecord = Fuzz::baInput(data, size);
    const QList<QPair<QString, QString>> pairs = LiveRecord::decode(baRecord);
    if (pairs.isEmpty())
        return 0;

    // Only whole records give pairs, and every text comes from inside them.
    FUZZ_CHECK(baRecord.size() >= 6);
    const qint64 s64Length = qFromLittleEndian<quint32>(baRecord.constData());
    FUZZ_CHECK(s64Length >= 2 && 4 + s64Length <= baRecord.size());
    QMap<QString, QString> mapValues;
    for (const auto& pair : pairs) {
        FUZZ_CHECK(pair.first.size() < s64Length && pair.second.size() < s64Length);
        mapValues.insert(pair.first, pair.second);
    }

    // The same document with a damaged checksum gives nothing.
    QByteArray baDamaged(baRecord.constData(), baRecord.size());
    baDamaged[int(4 + s64Length - 1)] = char(baDamaged.at(int(4 + s64Length - 1)) ^ 0x01);
    FUZZ_CHECK(LiveRecord::decode(baDamaged).isEmpty());

    // Written by the terminal's encoder and read again: the same values.
    QMap<QString, QString> mapAgain;
    for (const auto& pair : LiveRecord::decode(LiveRecordEncoder::baRecord(mapValues)))
        mapAgain.insert(pair.first, pair.second);
    FUZZ_CHECK(mapAgain == mapValues);
    return 0;
}
