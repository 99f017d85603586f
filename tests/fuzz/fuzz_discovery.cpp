// Answers to the discovery broadcast, from anyone on the network: the chassis
// number, the table of found terminals and the decision after a batch.
#include "fuzztarget.h"

#include "terminal/discovery.h"

#include <QHostAddress>
#include <QSet>

VEMO_FUZZ_TARGET(fuzzDiscovery)
{
    if (size < 1)
        return 0;
    // The first byte: a quiet (periodic) search or not, and which answer
    // names the terminal used last. The rest: datagrams separated by 0xFF.
    const bool bQuiet = data[0] & 1;
    const int s32Last = data[0] >> 1;
    const QList<QByteArray> lDatagrams = Fuzz::baInput(data + 1, size - 1).split('\xFF');

    Discovery::FoundTerminals found;
    QString strLastChassis;
    int s32Answers = 0;
    for (int i = 0; i < lDatagrams.size(); ++i) {
        const QByteArray& baDatagram = lDatagrams.at(i);
        if (!Discovery::bIsTerminalAnswer(baDatagram))
            continue;
        const QString strChassis = Discovery::strChassisFromAnswer(baDatagram);
        FUZZ_CHECK(!strChassis.isEmpty() && !strChassis.contains(QChar(0)) &&
                   !strChassis.contains(QLatin1Char(':')));
        const bool bKnown = found.hashTerminals.contains(strChassis);
        const QHostAddress haSender(QStringLiteral("192.168.0.%1").arg(i % 250 + 1));
        FUZZ_CHECK(Discovery::bAddAnswer(found, strChassis, haSender) == !bKnown);
        if (s32Answers++ == s32Last)
            strLastChassis = strChassis;
        // An answer that came again keeps the address of the first one.
        FUZZ_CHECK(bKnown || found.hashTerminals.value(strChassis) == haSender);
    }
    FUZZ_CHECK(found.slFoundChassis.size() == found.hashTerminals.size());
    FUZZ_CHECK(QSet<QString>(found.slFoundChassis.cbegin(), found.slFoundChassis.cend()).size() ==
               found.slFoundChassis.size());

    using Discovery::eAfterBatch;
    const eAfterBatch after = Discovery::eDecideAfterBatch(found, strLastChassis, bQuiet);
    if (!strLastChassis.isEmpty())
        FUZZ_CHECK(after == eAfterBatch::ConnectToLast);
    else if (bQuiet)
        FUZZ_CHECK(after == eAfterBatch::QuietStop);
    else
        FUZZ_CHECK(after == (found.slFoundChassis.isEmpty()     ? eAfterBatch::Nothing
                             : found.slFoundChassis.size() == 1 ? eAfterBatch::ConnectToOnly
                                                                : eAfterBatch::ShowList));
    return 0;
}
