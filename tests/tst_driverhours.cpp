#include "data/driverhours.h"
#include "reports/driverhoursreport.h"
#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The drivers' hours of a period: which orders count, the sums per driver
// and in total, and the CSV and the PDF read back.
class tst_DriverHours : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sumsPerDriver_data();
    void sumsPerDriver();
    void csvReadsBack_data();
    void csvReadsBack();
    void csvKeepsNamesWhole();
    void pdfShowsDriversAndTotals();
};

namespace
{

using Fields = QMap<int, QString>;

// An order record of 44 fields, empty except the given ones.
QString strOrderLine(const QString& _strDriver, const QString& _strStart, const QString& _strField,
                     const QString& _strHarvest, const QString& _strUnload, const QString& _strRoad)
{
    const Fields fields{{0, "1"},         {7, _strDriver}, {8, _strStart},   {11, _strField},
                        {13, _strUnload}, {14, _strRoad},  {30, _strHarvest}};
    QStringList slFields;
    for (int i = 0; i < 44; ++i)
        slFields << fields.value(i);
    return slFields.join(';');
}

// Two drivers and an order without one over a week. Minutes (field,
// harvest, unload, road):
//   Hans 01.10. 150 120 20 15 and 70 50 10 5 (the same day), 03.10. 180 160 30 40,
//        no start date 300 240 20 30 (in no period with a limit);
//   Änne 30.09. 55 50 0 5, 02.10. 105 90 5 20 (past midnight: counts on its
//        start date), 05.10. 40 30 0 10;
//   no driver 04.10. 60 45 5 0.
QStringList slRecords()
{
    const QString strAnne = QString::fromUtf8("Änne Bauer");
    return {strOrderLine("Hans", "01.10.2023 08:00", "2:30", "2:00", "0:20", "0:15"),
            strOrderLine(" Hans ", "01.10.2023 14:00", "1:10", "0:50", "0:10", "0:05"),
            strOrderLine("Hans", "03.10.2023 07:00", "3:00", "2:40", "0:30", "0:40"),
            strOrderLine(strAnne, "02.10.2023 23:30", "1:45", "1:30", "0:05", "0:20"),
            strOrderLine(strAnne, "05.10.2023 06:00", "0:40", "0:30", "", "0:10"),
            strOrderLine("", "04.10.2023 10:00", "1:00", "0:45", "0:05", "0:00"),
            strOrderLine("Hans", "", "5:00", "4:00", "0:20", "0:30"),
            strOrderLine(strAnne, "30.09.2023 09:00", "0:55", "0:50", "0:00", "0:05")};
}

// A row as "name orders days field harvest unload road" (minutes).
QString strRow(const DriverHours::Row& _row)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
        .arg(_row.strDriver)
        .arg(_row.s32Orders)
        .arg(_row.s32Days)
        .arg(_row.s64FieldMinutes)
        .arg(_row.s64HarvestMinutes)
        .arg(_row.s64UnloadMinutes)
        .arg(_row.s64RoadMinutes);
}

// The CSV's lines split into fields, quoted fields unquoted.
QList<QStringList> rowsOfCsv(const QByteArray& _baCsv)
{
    QList<QStringList> rows;
    const QString strText = QString::fromUtf8(_baCsv.mid(3));
    QStringList row;
    QString strField;
    bool bQuoted = false;
    for (int i = 0; i < strText.size(); ++i) {
        const QChar c = strText.at(i);
        if (bQuoted) {
            if (c == '"' && strText.mid(i + 1, 1) == "\"") {
                strField += c;
                ++i;
            } else if (c == '"') {
                bQuoted = false;
            } else {
                strField += c;
            }
        } else if (c == '"') {
            bQuoted = true;
        } else if (c == ';') {
            row << strField;
            strField.clear();
        } else if (c == '\r' && strText.mid(i + 1, 1) == "\n") {
            rows << (row << strField);
            row.clear();
            strField.clear();
            ++i;
        } else {
            strField += c;
        }
    }
    return rows;
}

} // namespace

void tst_DriverHours::initTestCase()
{
    TestSupport::vIsolate();
    // Names sort as the interface language sorts them: "Änne" with the A's.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void tst_DriverHours::sumsPerDriver_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("rows"); // the drivers' rows, then the totals

    const QString strAnne = QString::fromUtf8("Änne Bauer");
    QTest::newRow("no limit: every order, also the one without start")
        << QDate() << QDate()
        << QStringList{strAnne + " 3 3 200 170 5 35", "Hans 4 2 700 570 80 90", "(ohne Fahrer) 1 1 60 45 5 0",
                       "Summe 8 6 960 785 90 125"};
    QTest::newRow("both bounds included")
        << QDate(2023, 10, 1) << QDate(2023, 10, 3)
        << QStringList{strAnne + " 1 1 105 90 5 20", "Hans 3 2 400 330 60 60", "Summe 4 3 505 420 65 80"};
    QTest::newRow("one day") << QDate(2023, 10, 3) << QDate(2023, 10, 3)
                             << QStringList{"Hans 1 1 180 160 30 40", "Summe 1 1 180 160 30 40"};
    QTest::newRow("from only") << QDate(2023, 10, 2) << QDate()
                               << QStringList{strAnne + " 2 2 145 120 5 30", "Hans 1 1 180 160 30 40",
                                              "(ohne Fahrer) 1 1 60 45 5 0", "Summe 4 4 385 325 40 70"};
    QTest::newRow("to only") << QDate() << QDate(2023, 10, 1)
                             << QStringList{strAnne + " 1 1 55 50 0 5", "Hans 2 1 220 170 30 20",
                                            "Summe 3 2 275 220 30 25"};
    QTest::newRow("no order in the period")
        << QDate(2023, 10, 10) << QDate(2023, 10, 12) << QStringList{"Summe 0 0 0 0 0 0"};
}

void tst_DriverHours::sumsPerDriver()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, rows);
    const DriverHours::Table table = DriverHours::tableOf(slRecords(), from, to);
    QStringList slRows;
    for (const DriverHours::Row& row : table.rows)
        slRows << strRow(row);
    slRows << strRow(table.totals);
    QCOMPARE(slRows, rows);
}

void tst_DriverHours::csvReadsBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("hans");
    QTest::addColumn<QStringList>("totals");
    // Hans: 700, 570, 80 and 90 minutes; in total 960, 785, 90 and 125.
    QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany)
                            << QStringList{"Hans", "4",     "2",    "11:40", "9:30", "1:20",
                                           "1:30", "11,67", "9,50", "1,33",  "1,50"}
                            << QStringList{"Summe", "8",     "6",     "16:00", "13:05", "1:30",
                                           "2:05",  "16,00", "13,08", "1,50",  "2,08"};
    QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates)
                             << QStringList{"Hans", "4",     "2",    "11:40", "9:30", "1:20",
                                            "1:30", "11.67", "9.50", "1.33",  "1.50"}
                             << QStringList{"Summe", "8",     "6",     "16:00", "13:05", "1:30",
                                            "2:05",  "16.00", "13.08", "1.50",  "2.08"};
}

void tst_DriverHours::csvReadsBack()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, hans);
    QFETCH(QStringList, totals);
    const QByteArray baCsv = DriverHours::baCsv(DriverHours::tableOf(slRecords(), QDate(), QDate()), locale);
    QVERIFY(baCsv.startsWith("\xEF\xBB\xBF"));
    QVERIFY(baCsv.endsWith("\r\n"));
    const QList<QStringList> rows = rowsOfCsv(baCsv);
    QCOMPARE(rows.size(), 5); // header, three rows, totals
    QCOMPARE(rows.at(0),
             (QStringList{"Fahrer", QString::fromUtf8("Aufträge"), "Tage", "Zeit Acker [h:mm]",
                          "Zeit Roden [h:mm]", "Zeit Entladen [h:mm]",
                          QString::fromUtf8("Zeit Straße [h:mm]"), "Stunden Acker [h]", "Stunden Roden [h]",
                          "Stunden Entladen [h]", QString::fromUtf8("Stunden Straße [h]")}));
    QCOMPARE(rows.at(2), hans);
    QCOMPARE(rows.at(4), totals);
}

void tst_DriverHours::csvKeepsNamesWhole()
{
    // Names as typed at a terminal: a separator, quotes, a formula.
    DriverHours::Table table;
    for (const char* pName : {"Meier; Sohn", "Der \"Lange\"", "=HYPERLINK(\"http://x.invalid\")"}) {
        DriverHours::Row row;
        row.strDriver = QString::fromUtf8(pName);
        row.s32Orders = 1;
        table.rows << row;
    }
    const QByteArray baCsv = DriverHours::baCsv(table, QLocale(QLocale::German));
    QVERIFY2(baCsv.contains("\r\n\"Meier; Sohn\";1;"), baCsv.constData());
    const QList<QStringList> rows = rowsOfCsv(baCsv);
    QCOMPARE(rows.size(), 5);
    for (const QStringList& row : rows)
        QCOMPARE(row.size(), 11);
    QCOMPARE(rows.at(1).at(0), QString("Meier; Sohn"));
    QCOMPARE(rows.at(2).at(0), QString("Der \"Lange\""));
    QCOMPARE(rows.at(3).at(0), QString("'=HYPERLINK(\"http://x.invalid\")"));
}

void tst_DriverHours::pdfShowsDriversAndTotals()
{
    const QDate from(2023, 10, 1);
    const QDate to(2023, 10, 3);
    const QLocale locale(QLocale::German, QLocale::Germany);
    const QByteArray baPdf = DriverHoursReport::baPdf(DriverHours::tableOf(slRecords(), from, to), from, to,
                                                      locale, QDate(2023, 10, 31));
    QTemporaryDir dir;
    const QString strPath = dir.filePath(DriverHoursReport::strFileName(from, to, "pdf"));
    QCOMPARE(QFileInfo(strPath).fileName(), QString("Fahrerstunden_2023-10-01_2023-10-03.pdf"));
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(baPdf) == baPdf.size());
    file.close();

    QProcess process;
    process.start("pdftotext", {"-layout", strPath, "-"});
    QVERIFY2(process.waitForFinished(30000) && process.exitCode() == 0,
             "pdftotext (poppler-utils) failed or is missing");
    QStringList slLines;
    for (const QString& strLine : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        slLines << strLine.simplified();
    const auto bHasLine = [&slLines](const QString& _strLine) { return slLines.contains(_strLine); };

    QVERIFY(slLines.value(0).startsWith("Fahrerstunden ")); // the title, then the date of printing
    QVERIFY(bHasLine("Zeitraum: 01.10.2023 bis 03.10.2023"));
    // Änne: 105, 90, 5 and 20 minutes; Hans: 400, 330, 60 and 60; in total 505, 420, 65 and 80.
    QVERIFY2(bHasLine(QString::fromUtf8("Änne Bauer 1 1 1:45 1:30 0:05 0:20 1,75 1,50 0,08 0,33")),
             qPrintable(slLines.join('\n')));
    QVERIFY(bHasLine("Hans 3 2 6:40 5:30 1:00 1:00 6,67 5,50 1,00 1,00"));
    QVERIFY(bHasLine("Summe 4 3 8:25 7:00 1:05 1:20 8,42 7,00 1,08 1,33"));
    QVERIFY(!slLines.join('\n').contains("ohne Fahrer")); // none in this period
}

QTEST_MAIN(tst_DriverHours)
#include "tst_driverhours.moc"
