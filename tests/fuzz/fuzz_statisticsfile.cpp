// A season or machine statistics file: the record the season page shows as
// written, the operating hours and the time texts made of its fields.
#include "fuzztarget.h"

#include "data/fieldreaders.h"
#include "data/listfile.h"
#include "data/ordertotals.h"
#include "data/statisticsfile.h"
#include "statistics/statisticsfigures.h"

VEMO_FUZZ_TARGET(fuzzStatisticsFile)
{
    const QByteArray baInput = Fuzz::baInput(data, size);
    ListFileContent content;
    ListFile::vDecode(baInput, content);
    FUZZ_CHECK(ListFile::baEncode(content) == baInput);

    const StatisticsRecord record = StatisticsRecord::fromContent(content);
    FUZZ_CHECK(record.slFields.isEmpty() || content.slLines.size() > 1);
    // Every label the page fills: a field as written, or empty beyond the record.
    for (int s32Field = 0; s32Field <= record.slFields.size() + 1; ++s32Field) {
        FUZZ_CHECK(record.bHasField(s32Field) == (s32Field < record.slFields.size()));
        FUZZ_CHECK(record.strField(s32Field) == record.slFields.value(s32Field));
        const int s32Minutes = FieldReaders::s32DurationToMinutes(record.strField(s32Field));
        FUZZ_CHECK(s32Minutes >= 0);
        const QString strTime = StatisticsFigures::strTimeWithUnit(s32Minutes, QStringLiteral("h"));
        FUZZ_CHECK(strTime.endsWith(QLatin1String(" h")) && !strTime.startsWith(QLatin1Char('-')));
        const QString strPlain =
            StatisticsFigures::strPlainTimeWithUnit(qint64(s32Minutes) * 1000, QStringLiteral("h"));
        FUZZ_CHECK(!strPlain.startsWith(QLatin1Char('-')));
    }

    // The operating hours come from a record's fields 42 and 43: with a ":"
    // they are shown as written, without NULs; otherwise "-".
    const OperatingHours hours = OperatingHours::fromOrderLines(content.slLines);
    for (const QString& strHours : {hours.strEngine, hours.strHarvester}) {
        FUZZ_CHECK(strHours == QLatin1String("-") || strHours.contains(QLatin1Char(':')));
        FUZZ_CHECK(!strHours.contains(QChar(0)));
    }
    return 0;
}
