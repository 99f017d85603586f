// List files as the ISOXML export reads them (orders, then customers, drivers
// and fields, separated by 0xFF, then the default chassis number and the
// orders' chassis numbers one a line): whatever they hold, the task data is
// well-formed XML whose references all resolve, whose texts stay within the
// schema's lengths, whose logged values stay within their range and whose
// times are valid xs:dateTime values.
#include "fuzztarget.h"

#include "data/isoxml.h"
#include "data/listfile.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QTime>
#include <QXmlStreamReader>

namespace
{

// "yyyy-MM-ddThh:mm:ss" with a year of at least 1 and a valid date and time.
bool bDateTime(const QString& _strText)
{
    static const QRegularExpression s_form(
        QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})T([0-9]{2}):([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = s_form.match(_strText);
    if (!match.hasMatch())
        return false;
    const auto part = [&](int _s32Group) { return match.captured(_s32Group).toInt(); };
    return part(1) >= 1 && QDate::isValid(part(1), part(2), part(3)) &&
           QTime::isValid(part(4), part(5), part(6));
}

} // namespace

VEMO_FUZZ_TARGET(fuzzIsoXml)
{
    const QList<QByteArray> lParts = Fuzz::baInput(data, size).split('\xFF');
    QStringList slLines[4];
    for (int i = 0; i < 4 && i < lParts.size(); ++i) {
        ListFileContent content;
        ListFile::vDecode(lParts.at(i), content);
        slLines[i] = content.slLines;
    }
    IsoXml::Source source;
    source.slOrderRecords = slLines[0].mid(1);
    source.slCustomerLines = slLines[1];
    source.slDriverLines = slLines[2];
    source.slFieldLines = slLines[3];
    source.strDeviceDesignator = lParts.size() > 4 ? QString::fromUtf8(lParts.at(4)) : QString();
    if (lParts.size() > 5)
        source.slOrderMachines = QString::fromUtf8(lParts.at(5)).split(QLatin1Char('\n'));
    source.strSoftwareVersion = QStringLiteral("0.16.0-T");
    const QByteArray baXml = IsoXml::baTaskData(source);

    QXmlStreamReader xml(baXml);
    QSet<QString> ids;
    QStringList slReferences;
    int s32Tasks = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QString strName = xml.name().toString();
        const QXmlStreamAttributes attributes = xml.attributes();
        for (const QXmlStreamAttribute& attribute : attributes) {
            // The longest text the schema allows is 64 characters (e-mail);
            // the root's own texts are 32.
            FUZZ_CHECK(attribute.value().toString().toUcs4().size() <= 64);
        }
        if (strName == QLatin1String("TSK")) {
            ++s32Tasks;
            for (const char* pRef : {"C", "E", "F"}) {
                if (attributes.hasAttribute(QLatin1String(pRef)))
                    slReferences << attributes.value(QLatin1String(pRef)).toString();
            }
        } else if (strName == QLatin1String("PFD") && attributes.hasAttribute(QLatin1String("E"))) {
            slReferences << attributes.value(QLatin1String("E")).toString();
        } else if (strName == QLatin1String("TIM")) {
            // Start and stop as xs:dateTime: four-digit year from 0001 on, a
            // real date and time.
            for (const char* pTime : {"A", "B"}) {
                if (attributes.hasAttribute(QLatin1String(pTime)))
                    FUZZ_CHECK(bDateTime(attributes.value(QLatin1String(pTime)).toString()));
            }
        } else if (strName == QLatin1String("DAN")) {
            slReferences << attributes.value(QLatin1String("C")).toString();
        } else if (strName == QLatin1String("DLV")) {
            slReferences << attributes.value(QLatin1String("C")).toString();
            bool bOk = false;
            const qint64 s64Value = attributes.value(QLatin1String("B")).toLongLong(&bOk);
            FUZZ_CHECK(bOk && s64Value >= 0 && s64Value <= 2147483647);
        }
        if (strName != QLatin1String("TIM") && strName != QLatin1String("DLV") &&
            strName != QLatin1String("DOR") && strName != QLatin1String("DPD") &&
            strName != QLatin1String("DAN") && attributes.hasAttribute(QLatin1String("A"))) {
            FUZZ_CHECK(!ids.contains(attributes.value(QLatin1String("A")).toString()));
            ids.insert(attributes.value(QLatin1String("A")).toString());
        }
    }
    FUZZ_CHECK(!xml.hasError());
    for (const QString& strReference : slReferences)
        FUZZ_CHECK(ids.contains(strReference));
    int s32Records = 0;
    for (const QString& strRecord : source.slOrderRecords)
        s32Records += !strRecord.trimmed().isEmpty();
    FUZZ_CHECK(s32Tasks == s32Records);
    return 0;
}
