#include "data/billbasis.h"
#include "reports/billreport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(BillRateSet)

// Bill bases: the amounts against figures worked out by hand from the
// orders' raw fields, the CSV and the PDF read back.
class tst_Bill : public QObject
{
    Q_OBJECT
private slots:
    void amounts_data();
    void amounts();
    void totalsAreSumsOfRoundedLines();
    void moneyTexts_data();
    void moneyTexts();
    void csvKeepsCustomersOfOneNameApart();
    void pdfReadBack();
};

namespace
{

const QLocale kGerman(QLocale::German, QLocale::Germany);

// An order record with the fields a bill reads; the rest empty.
QString strOrder(const QString& _strNumber, const QString& _strCustomerNumber, const QString& _strCustomer,
                 const QString& _strFieldNumber, const QString& _strField, const QString& _strStart,
                 qint64 _s64AreaM2, const QString& _strRoadTime)
{
    QVector<QString> sl(31);
    sl[0] = _strNumber;
    sl[2] = _strCustomerNumber;
    sl[3] = _strCustomer;
    sl[4] = _strFieldNumber;
    sl[5] = _strField;
    sl[7] = QStringLiteral("Fahrer");
    sl[8] = _strStart;
    sl[10] = QString::number(_s64AreaM2);
    sl[11] = QStringLiteral("1:00");
    sl[14] = _strRoadTime;
    return QStringList(sl.toList()).join(QLatin1Char(';'));
}

BillRateSet rateSet(qint64 _s64Hectare, qint64 _s64RoadHour, qint64 _s64Order, qint64 _s64Vat)
{
    BillRateSet set;
    if (_s64Hectare >= 0)
        set.perHectare = _s64Hectare;
    if (_s64RoadHour >= 0)
        set.perRoadHour = _s64RoadHour;
    if (_s64Order >= 0)
        set.perOrder = _s64Order;
    if (_s64Vat >= 0)
        set.vatBasisPoints = _s64Vat;
    return set;
}

QString strPdfText(const QByteArray& _baPdf)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("bill.pdf"));
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(_baPdf) != _baPdf.size())
        return QStringLiteral("<not written>");
    file.close();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), strPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<QStringList> csvRows(const QByteArray& _baCsv)
{
    QList<QStringList> rows;
    const QString strText = QString::fromUtf8(_baCsv.mid(3));
    for (const QString& strLine : strText.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        rows << strLine.split(QLatin1Char(';'));
    return rows;
}

} // namespace

void tst_Bill::amounts_data()
{
    // Rates in cents (VAT in hundredths of a per cent); -1: not set.
    QTest::addColumn<qint64>("areaM2");
    QTest::addColumn<QString>("roadTime");
    QTest::addColumn<BillRateSet>("defaults");
    QTest::addColumn<BillRateSet>("own");
    QTest::addColumn<qint64>("areaCents");
    QTest::addColumn<qint64>("roadCents");
    QTest::addColumn<qint64>("net");
    QTest::addColumn<qint64>("vat");
    QTest::addColumn<qint64>("gross");
    const BillRateSet none;
    // 3.5 ha at 180.00 = 630.00; 19 % = 119.70
    QTest::newRow("per hectare") << qint64(35000) << "0:00" << rateSet(18000, 6000, 0, 1900) << none
                                 << qint64(63000) << qint64(0) << qint64(63000) << qint64(11970)
                                 << qint64(74970);
    // 1:30 at 60.00 = 90.00; 19 % = 17.10
    QTest::newRow("per road hour") << qint64(0) << "1:30" << rateSet(18000, 6000, 0, 1900) << none
                                   << qint64(0) << qint64(9000) << qint64(9000) << qint64(1710)
                                   << qint64(10710);
    // No area: the flat price alone, no VAT.
    QTest::newRow("zero area, flat, VAT 0")
        << qint64(0) << "" << rateSet(18000, 6000, 2500, 0) << none << qint64(0) << qint64(0) << qint64(2500)
        << qint64(0) << qint64(2500);
    // 0.005 ha at 1.00 = 0.5 cents: up; 0.0049 ha: down.
    QTest::newRow("half a cent up") << qint64(50) << "" << rateSet(100, 0, 0, 0) << none << qint64(1)
                                    << qint64(0) << qint64(1) << qint64(0) << qint64(1);
    QTest::newRow("below half a cent") << qint64(49) << "" << rateSet(100, 0, 0, 0) << none << qint64(0)
                                       << qint64(0) << qint64(0) << qint64(0) << qint64(0);
    // 1.2345 ha at 185.50 = 228.99975; 0:47 at 65.50 = 51.308333;
    // net 280.31, 19 % = 53.2589
    QTest::newRow("odd figures") << qint64(12345) << "0:47" << rateSet(18550, 6550, 0, 1900) << none
                                 << qint64(22900) << qint64(5131) << qint64(28031) << qint64(5326)
                                 << qint64(33357);
    // 0.50 net: 19 % = 9.5 cents, up.
    QTest::newRow("VAT at half a cent") << qint64(5000) << "" << rateSet(100, 0, 0, 1900) << none
                                        << qint64(50) << qint64(0) << qint64(50) << qint64(10) << qint64(60);
    // The customer's own price per hectare, the default's road price and VAT.
    QTest::newRow("customer's own rate")
        << qint64(10000) << "0:30" << rateSet(18000, 6000, 0, 1900) << rateSet(20000, -1, -1, -1)
        << qint64(20000) << qint64(3000) << qint64(23000) << qint64(4370) << qint64(27370);
    QTest::newRow("customer's own VAT 10,7 %")
        << qint64(10000) << "" << rateSet(10000, 0, 0, 1900) << rateSet(-1, -1, -1, 1070) << qint64(10000)
        << qint64(0) << qint64(10000) << qint64(1070) << qint64(11070);
}

void tst_Bill::amounts()
{
    QFETCH(qint64, areaM2);
    QFETCH(QString, roadTime);
    QFETCH(BillRateSet, defaults);
    QFETCH(BillRateSet, own);
    BillBasis::Request request;
    request.slOrderLines =
        QStringList{strOrder("1", "4711", "Muster", "7", "Acker", "01.10.2014 08:30", areaM2, roadTime),
                    strOrder("2", "4712", "Andere", "8", "Wiese", "01.10.2014 09:30", 99999, "9:00")};
    request.strCustomerNumber = QStringLiteral("4711");
    request.rates.defaults = defaults;
    if (!own.bEmpty())
        request.rates.customers.insert(QStringLiteral("4711"), own);
    request.locale = kGerman;
    const QVector<BillBasis::Bill> bills = BillBasis::bills(request);
    QCOMPARE(bills.size(), 1);
    const BillBasis::Bill& bill = bills.first();
    QCOMPARE(bill.fields.size(), 1);
    const BillBasis::Line& line = bill.fields.first().lines.first();
    QTEST(line.s64AreaCents, "areaCents");
    QTEST(line.s64RoadCents, "roadCents");
    QTEST(bill.s64NetCents(), "net");
    QTEST(bill.s64VatCents, "vat");
    QTEST(bill.s64GrossCents(), "gross");
}

void tst_Bill::totalsAreSumsOfRoundedLines()
{
    // Three orders of 0.005 ha at 1.00: each line 1 cent (0.5 up), the net
    // 3 cents, not the 2 of the unrounded 1.5; two fields, two subtotals.
    BillBasis::Request request;
    request.slOrderLines = QStringList{strOrder("3", "1", "Kunde", "7", "Acker", "02.10.2014 08:00", 50, ""),
                                       strOrder("1", "1", "Kunde", "7", "Acker", "01.10.2014 08:00", 50, ""),
                                       strOrder("2", "1", "Kunde", "5", "Berg", "01.10.2014 10:00", 50, ""),
                                       strOrder("4", "1", "Kunde", "5", "Berg", "", 50, "")};
    request.rates.defaults = rateSet(100, 0, 0, 0);
    request.locale = kGerman;
    const QVector<BillBasis::Bill> bills = BillBasis::bills(request);
    QCOMPARE(bills.size(), 1);
    const BillBasis::Bill& bill = bills.first();
    QCOMPARE(bill.s64NetCents(), qint64(3));
    QCOMPARE(bill.s32Orders, 3); // the order without a start date counts in no period
    QCOMPARE(bill.fields.size(), 2);
    QCOMPARE(bill.fields.at(0).strName, QStringLiteral("Acker"));
    QCOMPARE(bill.fields.at(0).subtotal.s64Cents(), qint64(2));
    QCOMPARE(bill.fields.at(0).lines.first().strOrderNumber, QStringLiteral("1"));
    QCOMPARE(bill.fields.at(1).subtotal.s64Cents(), qint64(1));
    QCOMPARE(bill.dateFrom, QDate(2014, 10, 1));
    QCOMPARE(bill.dateTo, QDate(2014, 10, 2));
}

void tst_Bill::moneyTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("cents"); // -1: refused
    QTest::newRow("plain") << "12" << qint64(1200);
    QTest::newRow("grouped, decimals") << "1.234,50" << qint64(123450);
    QTest::newRow("one decimal") << "0,5" << qint64(50);
    QTest::newRow("three decimals") << "1,234" << qint64(-1);
    QTest::newRow("negative") << "-5" << qint64(-1);
    QTest::newRow("a group of two") << "12.34" << qint64(-1);
    QTest::newRow("text") << "zwölf" << qint64(-1);
    QTest::newRow("beyond a million") << "1000000,01" << qint64(-1);
}

void tst_Bill::moneyTexts()
{
    QFETCH(QString, typed);
    QFETCH(qint64, cents);
    const std::optional<qint64> parsed = BillMoney::parseCents(typed, kGerman);
    QCOMPARE(parsed.value_or(-1), cents);
    if (parsed)
        QCOMPARE(BillMoney::parseCents(BillMoney::strAmount(*parsed, kGerman), kGerman), parsed);
}

void tst_Bill::csvKeepsCustomersOfOneNameApart()
{
    BillBasis::Request request;
    request.slOrderLines =
        QStringList{strOrder("1", "10", "Meyer", "7", "Acker \"Nord\"", "01.10.2014 08:00", 10000, ""),
                    strOrder("2", "11", "Meyer", "7", "Acker", "01.10.2014 09:00", 20000, ""),
                    strOrder("3", "10", "Meyer", "8", "=Wiese", "02.10.2014 09:00", 5000, "")};
    request.rates.defaults = rateSet(10000, 0, 0, 1900);
    request.locale = kGerman;
    const QVector<BillBasis::Bill> bills = BillBasis::bills(request);
    QCOMPARE(bills.size(), 2);
    const QByteArray baCsv = BillBasis::baCsv(bills, kGerman);
    QVERIFY(baCsv.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> rows = csvRows(baCsv);
    // Order rows: kind, number, customer number, name, field number, field, order, date, ha, road, amounts.
    QMap<QString, QString> netOfCustomer;
    QStringList slFields;
    for (const QStringList& row : rows) {
        if (row.first() == QStringLiteral("Summe"))
            netOfCustomer.insert(row.at(2), row.at(13));
        if (row.first() == QStringLiteral("Auftrag"))
            slFields << row.at(2) + QLatin1Char('/') + row.at(4) + QLatin1Char('/') + row.at(5);
    }
    QCOMPARE(netOfCustomer.value(QStringLiteral("10")), QStringLiteral("150,00"));
    QCOMPARE(netOfCustomer.value(QStringLiteral("11")), QStringLiteral("200,00"));
    // A text with a quote is quoted; one that office software would run is kept text.
    QVERIFY(baCsv.contains("\"Acker \"\"Nord\"\"\""));
    QVERIFY(slFields.contains(QStringLiteral("10/8/'=Wiese")));
    const QStringList slVatRow = rows.last();
    QCOMPARE(slVatRow.mid(14), (QStringList{"19", "38,00", "238,00"}));
}

void tst_Bill::pdfReadBack()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is missing; ./test.sh installs it");
    BillBasis::Request request;
    request.slOrderLines =
        QStringList{strOrder("1", "10", "Meyer", "7", "Acker", "01.10.2014 08:00", 123450, "1:15"),
                    strOrder("2", "10", "Meyer", "8", "Wiese", "02.10.2014 09:00", 5000, ""),
                    strOrder("4", "10", "Meyer", "7", "Acker", "03.10.2014 09:00", 20000, ""),
                    strOrder("3", "11", "Meyer", "9", "Moor", "02.10.2014 10:00", 10000, "")};
    request.slCustomerLines = QStringList{QStringLiteral("Nummer;Name1;Name2;Strasse;PLZ;Ort"),
                                          QStringLiteral("10;Meyer;Hans;Dorfstraße 1;31234;Rübenfeld"),
                                          QStringLiteral("11;Meyer;Anna;Am Moor 5;31235;Moorfeld")};
    request.rates.defaults = rateSet(18000, 6000, 1000, 1900);
    request.dateFrom = QDate(2014, 10, 1);
    request.dateTo = QDate(2014, 10, 31);
    request.dateIssued = QDate(2014, 11, 3);
    request.locale = kGerman;
    Letterhead letterhead;
    letterhead.strName = QStringLiteral("Lohnunternehmen Beispiel");
    letterhead.strAddress = QStringLiteral("Hofweg 2\n31230 Feldhausen");
    letterhead.strVatId = QStringLiteral("DE123456789");
    letterhead.strBank = QStringLiteral("IBAN DE00 1234 5678 9012 3456 78");
    const QString strText = strPdfText(BillReport::baPdf(BillBasis::bills(request), letterhead, kGerman));
    // One customer per page, each counting its own pages.
    const QStringList slPages = strText.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(slPages.size(), 2);
    const QString strFirst = slPages.first().simplified();
    for (const char* pText :
         {"Abrechnungsgrundlage", "Seite 1 von 1", "Dorfstraße 1", "31234 Rübenfeld",
          "Lohnunternehmen Beispiel", "USt-IdNr.: DE123456789", "01.10.2014 bis 31.10.2014",
          "20141001-20141031-10", "03.11.2014",
          // 12.345 ha: 2.222,10 + 1:15 road: 75,00 + flat 10,00 = 2.307,10
          "01.10.2014 Acker (7) 1 12,345 1:15 2.222,10 75,00 10,00 2.307,10",
          // 2 ha: 360,00 + 10,00; the field's subtotal, then Wiese.
          "03.10.2014 Acker (7) 4 2,000 0:00 360,00 0,00 10,00 370,00",
          "Summe Acker (7) 14,345 1:15 2.582,10 75,00 20,00 2.677,10", "Summe Wiese (8) 0,500",
          // Net 2.677,10 + 90,00 + 10,00 = 2.777,10; VAT 527,649 -> 527,65
          "Netto 2.777,10 €", "MwSt. 19 % 527,65 €", "Brutto 3.304,75 €",
          "IBAN DE00 1234 5678 9012 3456 78"}) {
        QVERIFY2(strFirst.contains(QString::fromUtf8(pText)), pText);
    }
    QVERIFY(!strFirst.contains(QStringLiteral("Moorfeld")));
    const QString strSecond = slPages.at(1).simplified();
    QVERIFY(strSecond.contains(QStringLiteral("Seite 1 von 1")));
    QVERIFY(strSecond.contains(QStringLiteral("Am Moor 5")));
    QVERIFY(strSecond.contains(QStringLiteral("Brutto 226,10 €")));
}

QTEST_MAIN(tst_Bill)
#include "tst_bill.moc"
