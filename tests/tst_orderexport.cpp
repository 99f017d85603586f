#include "app/settingsstore.h"
#include "data/orderexport.h"
#include "data/reportfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// The orders table for office software: each order's figures, the totals
// row as ratios of sums, and the CSV read back as data.
class tst_OrderExport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void rowsAndTotals();
    void csvReadsBack_data();
    void csvReadsBack();
    void csvFields_data();
    void csvFields();
    void formulasExportedAsText_data();
    void formulasExportedAsText();
    void fileNames_data();
    void fileNames();
    void longNamesFitTheFileSystem_data();
    void longNamesFitTheFileSystem();
    void writeNeverOverwrites();
    void failedWriteSaysWhy();
};

namespace
{

using Fields = QMap<int, QString>;

// An order record of 44 fields, empty except the given ones.
QString strOrderLine(const Fields& _fields)
{
    QStringList slFields;
    for (int i = 0; i < 44; ++i)
        slFields << _fields.value(i);
    return slFields.join(';');
}

// Three orders: two with area, one without (it counts in the sums, not in
// the averages, as on the order pages).
QStringList slRecords()
{
    return {strOrderLine({{0, "7"},
                          {2, "4711"},
                          {3, QString::fromUtf8("Müller")},
                          {4, "3"},
                          {5, QString::fromUtf8("Große Breite")},
                          {7, "Hans"},
                          {8, "01.10.2023 08:00"},
                          {9, "01.10.2023 11:45"},
                          {10, "50000"},
                          {11, "2:30"},
                          {13, "0:20"},
                          {16, "9000"},
                          {18, "12500"},
                          {19, "100000"},
                          {30, "2:00"}}),
            strOrderLine({{0, "8"},
                          {2, "4712"},
                          {3, "Schulz"},
                          {4, "1"},
                          {5, "Acker"},
                          {8, "02.10.2023 08:00"},
                          {10, "30000"},
                          {11, "1:30"},
                          {19, "50000"},
                          {30, "1:05"}}),
            strOrderLine({{0, "9"}, {2, "4713"}, {3, "Leer"}, {10, "0"}, {11, "1:00"}, {19, "20000"}})};
}

QList<QStringList> rowsOfCsv(const QByteArray& _baCsv)
{
    QList<QStringList> rows;
    QString strText = QString::fromUtf8(_baCsv.mid(3));
    strText.chop(2); // the last line's "\r\n"
    for (const QString& strLine : strText.split(QStringLiteral("\r\n")))
        rows << strLine.split(QLatin1Char(';'));
    return rows;
}

} // namespace

void tst_OrderExport::rowsAndTotals()
{
    const OrderExport::Table table = OrderExport::tableOf(slRecords());
    QCOMPARE(table.rows.size(), 3);
    const OrderExport::Row& first = table.rows.at(0);
    QCOMPARE(first.strCustomer, QString::fromUtf8("Müller (4711)"));
    QCOMPARE(first.strField, QString::fromUtf8("Große Breite (3)"));
    QCOMPARE(first.dArea, 5.0);
    QCOMPARE(first.s64FieldMinutes, qint64(150));
    QCOMPARE(first.s64UnloadMinutes, qint64(20));
    QCOMPARE(first.s64HarvestMinutes, qint64(120));
    QCOMPARE(*first.litresPerHectare, 20.0); // 100 l on 5 ha
    QCOMPARE(*first.hectaresPerHour, 2.0);   // 5 ha in 2.5 h
    // No area: no figures, "-" in the table.
    QVERIFY(!table.rows.at(2).litresPerHectare && !table.rows.at(2).hectaresPerHour);

    // Sums of all rows; averages as ratios of sums over the orders with area:
    // 150 l on 8 ha, 8 ha in 4 h (the third order's fuel and hour count not).
    const OrderExport::Row& totals = table.totals;
    QCOMPARE(totals.dArea, 8.0);
    QCOMPARE(totals.dFuel, 170.0);
    QCOMPARE(totals.s64FieldMinutes, qint64(300));
    QCOMPARE(*totals.litresPerHectare, 18.75);
    QCOMPARE(*totals.hectaresPerHour, 2.0);
}

void tst_OrderExport::csvReadsBack_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("firstHeader");
    QTest::addColumn<QString>("totalsName");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("litresPerHectare");
    QTest::newRow("german") << ""
                            << "Auftrags Nummer"
                            << "Summe"
                            << "8,000"
                            << "18,75";
    QTest::newRow("english") << "Englisch"
                             << "Order number"
                             << "Totals"
                             << "8.000"
                             << "18.75";
}

void tst_OrderExport::csvReadsBack()
{
    QFETCH(QString, language);
    QFETCH(QString, firstHeader);
    QFETCH(QString, totalsName);
    QFETCH(QString, area);
    QFETCH(QString, litresPerHectare);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(SettingsStore::strCatalogueName(language), ":/"));
        QCoreApplication::installTranslator(&translator);
    }
    const QLocale locale(language.isEmpty() ? QLocale::German : QLocale::English);
    const QByteArray baCsv = OrderExport::baCsv(OrderExport::tableOf(slRecords()), locale);
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(baCsv.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> rows = rowsOfCsv(baCsv);
    QCOMPARE(rows.size(), 5); // header, three orders, totals
    for (const QStringList& row : rows)
        QCOMPARE(row.size(), 15);
    QCOMPARE(rows.at(0).at(0), firstHeader);
    QCOMPARE(rows.at(1).mid(0, 4), (QStringList{"7", QString::fromUtf8("Müller (4711)"),
                                                QString::fromUtf8("Große Breite (3)"), "Hans"}));
    QCOMPARE(rows.at(1).mid(9, 3), (QStringList{"2:00", "0:20", "2:30"}));
    QCOMPARE(rows.at(3).mid(13, 2), (QStringList{"-", "-"}));
    const QStringList& totals = rows.at(4);
    QCOMPARE(totals.at(0), totalsName);
    QVERIFY(totals.at(1).isEmpty() && totals.at(5).isEmpty());
    QCOMPARE(totals.at(6), area);
    QCOMPARE(totals.at(11), QString("5:00"));
    QCOMPARE(totals.at(13), litresPerHectare);
}

void tst_OrderExport::csvFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << QString::fromUtf8("Müller") << QString::fromUtf8("Müller");
    QTest::newRow("separator") << "Acker;Süd"
                               << "\"Acker;Süd\"";
    QTest::newRow("quote") << "Der \"Lange\""
                           << "\"Der \"\"Lange\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_OrderExport::csvFields()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(OrderExport::strCsvField(text), field);
}

void tst_OrderExport::formulasExportedAsText_data()
{
    QTest::addColumn<QString>("name");     // the customer's and the driver's name
    QTest::addColumn<QString>("customer"); // the cells as the CSV holds them
    QTest::addColumn<QString>("driver");
    QTest::newRow("hyperlink") << "=HYPERLINK(\"http://x.invalid\",\"Klick\")"
                               << "\"'=HYPERLINK(\"\"http://x.invalid\"\",\"\"Klick\"\") (4711)\""
                               << "\"'=HYPERLINK(\"\"http://x.invalid\"\",\"\"Klick\"\")\"";
    QTest::newRow("plus") << "+1+cmd|' /C calc'!A0"
                          << "'+1+cmd|' /C calc'!A0 (4711)"
                          << "'+1+cmd|' /C calc'!A0";
    QTest::newRow("minus") << "-2+3"
                           << "'-2+3 (4711)"
                           << "'-2+3";
    QTest::newRow("at") << "@SUMME(A1:A9)"
                        << "'@SUMME(A1:A9) (4711)"
                        << "'@SUMME(A1:A9)";
    QTest::newRow("tab") << "\t=1+1"
                         << "'\t=1+1 (4711)"
                         << "'\t=1+1";
    QTest::newRow("carriage return") << "\r=1+1"
                                     << "\"'\r=1+1 (4711)\""
                                     << "\"'\r=1+1\"";
    QTest::newRow("negative number") << "-5"
                                     << "'-5 (4711)"
                                     << "-5";
    QTest::newRow("signed decimal") << "+3,5"
                                    << "'+3,5 (4711)"
                                    << "+3,5";
    QTest::newRow("inside") << "Hans = Fahrer"
                            << "Hans = Fahrer (4711)"
                            << "Hans = Fahrer";
}

// A name typed on the terminal reaches the table as text, never as a formula
// that office software would run; the numbers stay numbers, negative ones too.
void tst_OrderExport::formulasExportedAsText()
{
    QFETCH(QString, name);
    QFETCH(QString, customer);
    QFETCH(QString, driver);
    const QString strRecord = strOrderLine(
        {{0, "7"}, {2, "4711"}, {3, name}, {7, name}, {10, "-50000"}, {11, "1:00"}, {19, "-5000"}});
    const QByteArray baCsv = OrderExport::baCsv(OrderExport::tableOf({strRecord}), QLocale(QLocale::German));
    const QString strRow = QString::fromUtf8(baCsv.mid(3)).split(QStringLiteral("\r\n")).value(1);
    QCOMPARE(strRow, "7;" + customer + "; ();" + driver + ";;;-5,000;0,000;0,000;0:00;0:00;1:00;-5,0;-;-");
}

void tst_OrderExport::fileNames_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("name");
    const QDate from(2023, 10, 1);
    const QDate to(2023, 10, 31);
    QTest::newRow("range") << QString::fromUtf8("Aufträge Müller") << from << to
                           << QString::fromUtf8("Aufträge Müller_2023-10-01_2023-10-31.csv");
    QTest::newRow("one day") << "Auftrag 7" << from << from << "Auftrag 7_2023-10-01.csv";
    QTest::newRow("no dates") << "Saison" << QDate() << QDate() << "Saison.csv";
    QTest::newRow("separators and wildcards")
        << "../a/b\\c*?:<>|\"" << QDate() << QDate() << "_.._a_b_c_______.csv"; // never a hidden file
    QTest::newRow("nothing") << "" << QDate() << QDate() << "_.csv";
}

void tst_OrderExport::fileNames()
{
    QFETCH(QString, what);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, name);
    QCOMPARE(ReportFiles::strFileName(what, from, to, "csv"), name);
}

void tst_OrderExport::longNamesFitTheFileSystem_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("ascii") << "Auftrag_" + QString(300, 'A');
    QTest::newRow("umlauts") << "Auftrag_" + QString(200, QChar(0x00FC)); // 2 bytes each
    QTest::newRow("cjk") << "Auftrag_" + QString(150, QChar(0x7545));     // 3 bytes each
    QString strEmoji = QStringLiteral("Auftrag_");
    for (int i = 0; i < 100; ++i)
        strEmoji += QString::fromUcs4(U"\U0001F69C"); // a surrogate pair, 4 bytes
    QTest::newRow("emoji") << strEmoji;
    QString strMarks = QStringLiteral("Auftrag_");
    for (int i = 0; i < 100; ++i)
        strMarks += QStringLiteral("a\u0308\u0301"); // a letter with two combining marks
    QTest::newRow("combining marks") << strMarks;
    QTest::newRow("short") << QString::fromUtf8("Auftrag_Müller");
}

void tst_OrderExport::longNamesFitTheFileSystem()
{
    QFETCH(QString, what);
    const QString strEnd = "_2023-10-01.pdf";
    const QString strName = ReportFiles::strFileName(what, QDate(2023, 10, 1), QDate(2023, 10, 1), "pdf");
    // The dates and the suffix stay, after a whole part of the text.
    QVERIFY2(strName.endsWith(strEnd), qPrintable(strName));
    const QString strKept = strName.chopped(strEnd.size());
    QVERIFY(what.startsWith(strKept));
    if (strKept.size() < what.size()) {
        const QChar next = what.at(strKept.size());
        QVERIFY2(!next.isLowSurrogate() && !next.isMark(), qPrintable(strName));
        // Cut near the limit, not far below it.
        QVERIFY(QFile::encodeName(strName).size() > 240 - 12);
    }
    // With room for " (2)" and the atomic write's temporary name: both
    // reports of that name are saved.
    QVERIFY(QFile::encodeName(strName).size() + 8 + 7 <= 255);
    QTemporaryDir dir;
    QString strError;
    QVERIFY2(!ReportFiles::strWrite(dir.path(), strName, "eins", &strError).isEmpty(), qPrintable(strError));
    const QString strSecond = ReportFiles::strWrite(dir.path(), strName, "zwei", &strError);
    QVERIFY2(strSecond.endsWith(" (2).pdf"), qPrintable(strError));
}

void tst_OrderExport::writeNeverOverwrites()
{
    QTemporaryDir dir;
    const QString strFolder = dir.filePath("Dokumente/Feldbrief");
    QString strError;
    const QString strFirst = ReportFiles::strWrite(strFolder, "Auftrag 7.csv", "eins", &strError);
    const QString strSecond = ReportFiles::strWrite(strFolder, "Auftrag 7.csv", "zwei", &strError);
    QVERIFY(strError.isEmpty());
    QCOMPARE(strFirst, strFolder + "/Auftrag 7.csv");
    QCOMPARE(strSecond, strFolder + "/Auftrag 7 (2).csv");
    QCOMPARE(TestSupport::baReadFile(strFirst), QByteArray("eins"));
    QCOMPARE(TestSupport::baReadFile(strSecond), QByteArray("zwei"));
    QCOMPARE(QDir(strFolder).entryList(QDir::Files).size(), 2);
}

void tst_OrderExport::failedWriteSaysWhy()
{
    QTemporaryDir dir;
    // The folder's place is taken by a file.
    const QString strFolder = TestSupport::strWriteFile(dir.filePath("Feldbrief"), "x");
    QString strError;
    QVERIFY(ReportFiles::strWrite(strFolder, "Auftrag 7.csv", "eins", &strError).isEmpty());
    QVERIFY(strError.contains("Auftrag 7.csv") || strError.contains("Feldbrief"));
}

QTEST_MAIN(tst_OrderExport)
#include "tst_orderexport.moc"
