#include "data/currentorder.h"
#include "data/numberformat.h"
#include "data/orderexport.h"
#include "data/ordertotals.h"
#include "data/statisticsfile.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using Fields = QMap<int, QString>;

namespace
{

// An order record of 44 fields, empty except the given ones.
QString strOrderLine(const Fields& _fields)
{
    QStringList slFields;
    for (int s32Index = 0; s32Index < 44; ++s32Index)
        slFields << _fields.value(s32Index);
    return slFields.join(';');
}

// Area (m²), field time, field and harvesting distance (m), harvesting time.
Fields fieldsOf(const QString& _strArea, const QString& _strFieldTime, const QString& _strFieldMetres = "0",
                const QString& _strHarvestMetres = "0", const QString& _strHarvestTime = "0:00")
{
    return {{10, _strArea},
            {11, _strFieldTime},
            {16, _strFieldMetres},
            {17, _strHarvestMetres},
            {30, _strHarvestTime}};
}

QString strShown(std::optional<float> _value, int _s32Decimals)
{
    return NumberFormat::strNumber(_value, 'f', _s32Decimals);
}

} // namespace

class tst_Statistics : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void statisticsFile_data();
    void statisticsFile();
    void totalsSkipRecordsWithoutArea();
    void totalsAreRatiosOfSums();
    void totalsWithoutDivisor();
    void operatingHours_data();
    void operatingHours();
    void currentOrderValues();
    void currentOrderInfoText_data();
    void currentOrderInfoText();
    void orderFigures_data();
    void orderFigures();
    void numberTexts_data();
    void numberTexts();
    void scaledCounts_data();
    void scaledCounts();
    void oneAreaEverywhere_data();
    void oneAreaEverywhere();
    void textsFollowTheLocale_data();
    void textsFollowTheLocale();

private:
    QTemporaryDir m_dir;
};

void tst_Statistics::statisticsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected"); // fields 0..14 as the page reads them
    const QByteArray baHeader = "Datum;Fl\xE4"
                                "che;-;Strecke Feld;Strecke Stra\xDF"
                                "e;Verbrauch Feld\n";
    const QStringList slFull{"2014",  "1234,5", "x",   "88,2",  "12,3",   "4567,8",  "30,1",  "3,7",
                             "210,5", "18,2",   "0,4", "11:30", "152:10", "1234:56", "987:12"};

    QTest::newRow("season record with commas") << baHeader + slFull.join(';').toLatin1() + "\n" << slFull;
    QTest::newRow("extra fields and lines ignored")
        << baHeader + slFull.join(';').toLatin1() + ";mehr\nnoch;eine\n"
        << slFull;
    QTest::newRow("crlf") << "Kopf\r\n" + slFull.join(';').toLatin1() + "\r\n" << slFull;
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFKopf\n2014;1234,5;M\xC3\xBCller\n")
                                     << QStringList{"2014", "1234,5", QStringLiteral("Müller")};
    QTest::newRow("short record") << baHeader + "2014;1234,5;x;88,2"
                                  << QStringList{"2014", "1234,5", "x", "88,2"};
    QTest::newRow("header only") << baHeader << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void tst_Statistics::statisticsFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const QString strPath = TestSupport::strWriteFile(m_dir.filePath("Statistik Saison.csv"), bytes);
    StatisticsRecord record;
    QVERIFY(StatisticsRecord::bRead(strPath, record));
    for (int s32Index = 0; s32Index < 15; ++s32Index) {
        QCOMPARE(record.strField(s32Index), expected.value(s32Index));
        QCOMPARE(record.bHasField(s32Index), s32Index < expected.size());
    }

    StatisticsRecord unchanged = record;
    QVERIFY(!StatisticsRecord::bRead(m_dir.filePath("fehlt.csv"), unchanged));
    QCOMPARE(unchanged.slFields, record.slFields);
}

void tst_Statistics::totalsSkipRecordsWithoutArea()
{
    cOrderTotals totals;
    for (const char* strArea : {"0", "", "abc", "-5", "1,5"}) {
        Fields fields = fieldsOf(strArea, "2:00", "8000", "6000", "1:30");
        fields.insert(14, "0:30");
        fields.insert(18, "2000");
        fields.insert(19, "90000");
        fields.insert(20, "3000");
        fields.insert(33, "1200");
        fields.insert(37, "70000");
        totals.vAddRecord(strOrderLine(fields));
    }
    totals.vAddRecord("1;kurz");
    totals.vAddRecord("");
    for (float fTotal :
         {totals.fArea(), totals.fFieldMinutes(), totals.fRoadMinutes(), totals.fHarvestMinutes(),
          totals.fFieldDistance(), totals.fHarvestDistance(), totals.fRoadDistance(), totals.fFieldFuel(),
          totals.fRoadFuel(), totals.fEmptyRunMetres(), totals.fHarvestFuel(), totals.fBunkerLoads()})
        QCOMPARE(fTotal, 0.0f);
    QVERIFY(!totals.hectaresPerHour());
    QVERIFY(!totals.bunkerLoadsPerHectare());
}

void tst_Statistics::totalsAreRatiosOfSums()
{
    cOrderTotals totals;
    Fields first = fieldsOf("50000", "2:30", "9000", "6000", "2:00");
    first.insert(14, "0:20");
    first.insert(18, "4000");
    first.insert(19, "100000");
    first.insert(20, "2500");
    first.insert(33, "1500");
    first.insert(37, "80000");
    totals.vAddRecord(strOrderLine(first));
    totals.vAddRecord(strOrderLine(fieldsOf("30000", "1:30", "4000", "3000", "1:00")));
    totals.vAddRecord(strOrderLine(fieldsOf("0", "9:00", "99000", "1000", "9:00"))); // adds nothing

    QCOMPARE(totals.fArea(), 8.0f);
    QCOMPARE(totals.fFieldMinutes(), 240.0f);
    QCOMPARE(totals.fRoadMinutes(), 20.0f);
    QCOMPARE(totals.fHarvestMinutes(), 180.0f);
    QCOMPARE(totals.fFieldDistance(), 13.0f);
    QCOMPARE(totals.fHarvestDistance(), 9.0f);
    QCOMPARE(totals.fRoadDistance(), 4.0f);
    QCOMPARE(totals.fFieldFuel(), 100.0f);
    QCOMPARE(totals.fRoadFuel(), 2.5f);
    QCOMPARE(totals.fEmptyRunMetres(), 4000.0f);
    QCOMPARE(totals.fHarvestFuel(), 80.0f);
    QCOMPARE(totals.fBunkerLoads(), 15.0f);

    // 60 * 8 ha / 240 min
    QCOMPARE(*totals.hectaresPerHour(), 2.0f);
    QCOMPARE(*totals.harvestSpeed(), 3.0f);
    QCOMPARE(*totals.emptyRunMetresPerHectare(), 500.0f);
    QCOMPARE(*totals.harvestFuelPerHectare(), 10.0f);
    QCOMPARE(*totals.fieldFuelPerHectare(), 12.5f);
    QCOMPARE(*totals.bunkerLoadsPerHectare(), 1.875f);

    // With 1 ha in 60 min added: 9 ha / 5 h = 1.8 ha/h, while the mean of
    // the three orders' own figures would be 1.67.
    totals.vAddRecord(strOrderLine(fieldsOf("10000", "1:00")));
    QCOMPARE(*totals.hectaresPerHour(), 1.8f);

    totals.vReset();
    QCOMPARE(totals.fArea(), 0.0f);
    QVERIFY(!totals.hectaresPerHour());
}

void tst_Statistics::totalsWithoutDivisor()
{
    cOrderTotals totals;
    totals.vAddRecord(strOrderLine(fieldsOf("20000", "", "3000", "0", "")));
    QVERIFY(!totals.hectaresPerHour());
    QVERIFY(!totals.harvestSpeed());
    QCOMPARE(strShown(totals.hectaresPerHour(), 3), QString("-"));
    QCOMPARE(strShown(totals.emptyRunMetresPerHectare(), 1), QString("1500,0"));
}

void tst_Statistics::operatingHours_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("harvester");
    QTest::newRow("first record") << QStringList{"Kopf", strOrderLine({{42, "1234:56"}, {43, "987:12"}}),
                                                 strOrderLine({{42, "1:00"}, {43, "2:00"}})}
                                  << "1234:56"
                                  << "987:12";
    QTest::newRow("no colon") << QStringList{"Kopf", strOrderLine({{42, "1234"}, {43, "987:12"}})} << "-"
                              << "987:12";
    QTest::newRow("short record") << QStringList{"Kopf", "1;2;3", ""} << "-"
                                  << "-";
    QTest::newRow("header only") << QStringList{"Kopf"} << "-"
                                 << "-";
    QTest::newRow("no lines") << QStringList() << "-"
                              << "-";
}

void tst_Statistics::operatingHours()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, engine);
    QFETCH(QString, harvester);
    const OperatingHours hours = OperatingHours::fromOrderLines(lines);
    QCOMPARE(hours.strEngine, engine);
    QCOMPARE(hours.strHarvester, harvester);
}

void tst_Statistics::currentOrderValues()
{
    const QString strRecord = strOrderLine({{0, "7"},
                                            {10, "45000"},
                                            {11, "3:00"},
                                            {13, "0:30"},
                                            {14, "0:45"},
                                            {16, "8000"},
                                            {17, "6000"},
                                            {18, "2500"},
                                            {19, "95000"},
                                            {20, "4000"},
                                            {26, "nasser Boden"},
                                            {30, "2:00"},
                                            {33, "1250"},
                                            {37, "70000"}});
    const CurrentOrder order = CurrentOrder::parse(strRecord, 7, 2);
    QCOMPARE(order.strRecord, strRecord);
    QVERIFY(!order.bEmpty());
    QCOMPARE(order.s32OrderNumber, 7);
    QCOMPARE(order.s32SortIndex, 2);
    QCOMPARE(order.fArea, 4.5f);
    QCOMPARE(order.fFieldDistance, 8.0f);
    QCOMPARE(order.fHarvestDistance, 6.0f);
    QCOMPARE(order.fRoadDistance, 2.5f);
    QCOMPARE(order.fFieldFuel, 95.0f);
    QCOMPARE(order.fRoadFuel, 4.0f);
    QCOMPARE(order.fHarvestFuel, 70.0f);
    QCOMPARE(order.fBunkerLoads, 12.5f);
    QCOMPARE(order.s32FieldMinutes, 180);
    QCOMPARE(order.s32UnloadMinutes, 30);
    QCOMPARE(order.s32RoadMinutes, 45);
    QCOMPARE(order.s32HarvestMinutes, 120);
    QCOMPARE(order.strFieldTime, QString("3:00"));
    QCOMPARE(order.strRoadTime, QString("0:45"));
    QCOMPARE(order.strAdditionalInfo, QString("nasser Boden"));
    QCOMPARE(order.strAreaText, QString("4,500 ha"));

    // Nothing of an earlier order remains.
    const CurrentOrder next = CurrentOrder::parse("8;;1", 8, 0);
    QCOMPARE(next.fArea, 0.0f);
    QCOMPARE(next.s32FieldMinutes, 0);
    QCOMPARE(next.strAreaText, QString("0,000 ha"));
    QVERIFY(CurrentOrder().bEmpty());
}

void tst_Statistics::currentOrderInfoText_data()
{
    QTest::addColumn<int>("sortIndex");
    QTest::addColumn<QString>("text");
    const QString strCustomer = QStringLiteral("Kunde: Müller (4711) \nSchlag: Großer Acker (7)\n");
    const QString strNumber = "Auftrags Nummer: 12\n";
    const QString strRest =
        "Fahrer: Meier\nStart: 01.10.2014 08:30\nStopp: 01.10.2014 11:45\nReihenabstand: 45";
    QTest::newRow("file order") << 0 << strNumber + strCustomer + strRest;
    QTest::newRow("sorted") << 3 << strCustomer + strNumber + strRest;
}

void tst_Statistics::currentOrderInfoText()
{
    QFETCH(int, sortIndex);
    QFETCH(QString, text);
    const QString strRecord = strOrderLine({{0, "12"},
                                            {2, "4711"},
                                            {3, QStringLiteral("Müller")},
                                            {4, "7"},
                                            {5, QStringLiteral("Großer Acker") + QString(2, QChar(0))},
                                            {7, "Meier"},
                                            {8, "01.10.2014 08:30"},
                                            {9, "01.10.2014 11:45"},
                                            {29, "45"}});
    QCOMPARE(CurrentOrder::parse(strRecord, 12, sortIndex).strInfoText, text);
}

void tst_Statistics::orderFigures_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("shown"); // the overview's six texts
    Fields example = fieldsOf("45000", "1:30", "2100", "2100", "1:00");
    QTest::newRow("4,5 ha in 90 min, 2,1 km in 60 min")
        << strOrderLine(example) << QStringList{"3,000", "2,1", "0,0", "0,0", "0,0", "0,0"};
    Fields full = fieldsOf("40000", "2:00", "9000", "6000", "1:30");
    full.insert(19, "100000");
    full.insert(33, "1000");
    full.insert(37, "80000");
    QTest::newRow("all figures") << strOrderLine(full)
                                 << QStringList{"2,000", "4,0", "750,0", "20,0", "25,0", "2,5"};
    QTest::newRow("no area") << strOrderLine(fieldsOf("0", "1:30", "2100", "2000", "1:00"))
                             << QStringList{"-", "-", "-", "-", "-", "-"};
    QTest::newRow("area without times") << strOrderLine(fieldsOf("20000", "", "3000", "1000", "-"))
                                        << QStringList{"-", "-", "1000,0", "0,0", "0,0", "0,0"};
}

void tst_Statistics::orderFigures()
{
    QFETCH(QString, record);
    QFETCH(QStringList, shown);
    const OrderFigures figures = OrderFigures::ofOrder(CurrentOrder::parse(record, 1, 0));
    const QStringList slTexts{
        strShown(figures.hectaresPerHour, 3),          strShown(figures.harvestSpeed, 1),
        strShown(figures.emptyRunMetresPerHectare, 1), strShown(figures.harvestFuelPerHectare, 1),
        strShown(figures.fieldFuelPerHectare, 1),      strShown(figures.bunkerLoadsPerHectare, 1)};
    QCOMPARE(slTexts, shown);
}

void tst_Statistics::numberTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two digits 0") << NumberFormat::strTwoDigit(0) << "00";
    QTest::newRow("two digits 9") << NumberFormat::strTwoDigit(9) << "09";
    QTest::newRow("two digits 10") << NumberFormat::strTwoDigit(10) << "10";
    QTest::newRow("300 hours") << NumberFormat::strTwoDigit(300) << "300";
    QTest::newRow("negative") << NumberFormat::strTwoDigit(-1) << "-";
    QTest::newRow("hours and minutes") << NumberFormat::strHoursMinutes(18007) << "300:07";
    QTest::newRow("half an hour") << NumberFormat::strHoursMinutes(30) << "00:30";
    QTest::newRow("negative rest") << NumberFormat::strHoursMinutes(-30) << "-";
    QTest::newRow("decimal comma") << NumberFormat::strNumber(1234.56, 'f', 1) << "1234,6";
    QTest::newRow("g format") << NumberFormat::strNumber(1234.5, 'g', 3) << "1,23e+03";
    QTest::newRow("infinite") << NumberFormat::strNumber(std::numeric_limits<double>::infinity(), 'f', 1)
                              << "-";
    QTest::newRow("nan") << NumberFormat::strNumber(std::nan(""), 'f', 3) << "-";
    QTest::newRow("zero divisor") << strShown(NumberFormat::ratio(5, 0), 1) << "-";
    QTest::newRow("overflowing ratio") << strShown(NumberFormat::ratio(1e300, 1e-300), 1) << "-";
    QTest::newRow("ratio") << strShown(NumberFormat::ratio(1, 8), 3) << "0,125";
}

void tst_Statistics::numberTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void tst_Statistics::scaledCounts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("groups");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    // Areas in m² as hectares: the half rounds up, exactly.
    QTest::newRow("15155 m²") << "de_DE" << false << qint64(15155) << 4 << 3 << "1,516";
    QTest::newRow("15155 m² English") << "en_GB" << false << qint64(15155) << 4 << 3 << "1.516";
    QTest::newRow("15155 m² French") << "fr_FR" << false << qint64(15155) << 4 << 3 << "1,516";
    QTest::newRow("5 m²") << "de_DE" << false << qint64(5) << 4 << 3 << "0,001";
    QTest::newRow("4 m²") << "de_DE" << false << qint64(4) << 4 << 3 << "0,000";
    QTest::newRow("0 m²") << "en_GB" << false << qint64(0) << 4 << 3 << "0.000";
    QTest::newRow("negative half") << "de_DE" << false << qint64(-5) << 4 << 3 << "-0,001";
    QTest::newRow("largest int") << "de_DE" << false << qint64(2147483647) << 4 << 3 << "214748,365";
    QTest::newRow("sum past int") << "de_DE" << false << qint64(98765432109876) << 4 << 1 << "9876543211,0";
    // Reports group the digits as the language does.
    QTest::newRow("report German") << "de_DE" << true << qint64(13552049) << 3 << 1 << "13.552,0";
    QTest::newRow("report English") << "en_GB" << true << qint64(13552050) << 3 << 1 << "13,552.1";
    QTest::newRow("report French") << "fr_FR" << true << qint64(1234567890) << 3 << 3
                                   << QString::fromUtf8("1\u202f234\u202f567,890");
    QTest::newRow("metres unscaled") << "de_DE" << false << qint64(450) << 0 << 1 << "450,0";
}

void tst_Statistics::scaledCounts()
{
    QFETCH(QString, locale);
    QFETCH(bool, groups);
    QFETCH(qint64, count);
    QFETCH(int, scale);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    const QLocale shown = groups ? NumberFormat::reportLocale(QLocale(locale)) : NumberFormat::screenLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QString text = NumberFormat::strScaled(count, scale, decimals, shown);
    // The French group separator differs between Qt versions (narrow or plain no-break space).
    text.replace(QChar(0x00a0), QChar(0x202f));
    QCOMPARE(text, expected);
}

void tst_Statistics::oneAreaEverywhere_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("expected");
    QTest::newRow("15155 m²") << "15155"
                              << "1,516";
    QTest::newRow("5 m²") << "5"
                          << "0,001";
    QTest::newRow("none") << "0"
                          << "0,000";
    QTest::newRow("large") << "2147483645"
                           << "214748,365";
    QTest::newRow("float's edge") << "16777217"
                                  << "1677,722";
}

void tst_Statistics::oneAreaEverywhere()
{
    // The order pages (and the order's report) and the CSV show the same text.
    QFETCH(QString, area);
    QFETCH(QString, expected);
    QStringList fields;
    for (int i = 0; i < 44; ++i)
        fields << QString();
    fields[10] = area;
    const QString strRecord = fields.join(';');
    QCOMPARE(CurrentOrder::parse(strRecord, 1, 0).strAreaText, expected + " ha");
    QLocale csv(QLocale::German, QLocale::Germany);
    csv.setNumberOptions(QLocale::OmitGroupSeparator);
    QCOMPARE(OrderExport::slCells(OrderExport::rowOfRecord(strRecord), csv).value(6), expected);
    QCOMPARE(NumberFormat::strHectares(area.toLongLong()), expected);
}

void tst_Statistics::textsFollowTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("notADate");
    // German keeps the texts it always showed, the terminal's dates included.
    QTest::newRow("German") << "de_DE"
                            << "1234,6"
                            << "1,516 ha"
                            << "08.09.2014 10:05"
                            << "gestern";
    QTest::newRow("English") << "en_GB"
                             << "1234.6"
                             << "1.516 ha"
                             << "08/09/2014 10:05"
                             << "gestern";
    QTest::newRow("American") << "en_US"
                              << "1234.6"
                              << "1.516 ha"
                              << "9/8/2014 10:05 AM"
                              << "gestern";
    QTest::newRow("French") << "fr_FR"
                            << "1234,6"
                            << "1,516 ha"
                            << "08/09/2014 10:05"
                            << "gestern";
}

void tst_Statistics::textsFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, number);
    QFETCH(QString, order);
    QFETCH(QString, start);
    QFETCH(QString, notADate);
    QLocale::setDefault(QLocale(locale));
    QStringList fields;
    for (int i = 0; i < 44; ++i)
        fields << QString();
    fields[8] = "08.09.2014 10:05";
    fields[9] = "gestern";
    fields[10] = "15155";
    const CurrentOrder current = CurrentOrder::parse(fields.join(';'), 1, 0);
    const QString strNumber = NumberFormat::strNumber(1234.56, 'f', 1);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QCOMPARE(strNumber, number);
    QCOMPARE(current.strAreaText, order);
    QVERIFY2(current.strInfoText.contains(": " + start + "\n"), qPrintable(current.strInfoText));
    QVERIFY2(current.strInfoText.contains(": " + notADate + "\n"), qPrintable(current.strInfoText));
}

QTEST_GUILESS_MAIN(tst_Statistics)
#include "tst_statistics.moc"
