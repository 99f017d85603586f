#include "data/fieldreaders.h"
#include "data/listrecords.h"
#include "testsupport.h"

#include <QtTest>

#include <limits>

using namespace FieldReaders;

// Latin-1 text from a literal that may hold NULs.
template <int N> static QString strLatin1(const char (&_acText)[N])
{
    return QString::fromLatin1(_acText, N - 1);
}

class tst_FieldReaders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void orderLine();
    void durations_data();
    void durations();
    void integers_data();
    void integers();
    void dates_data();
    void dates();
    void shortLines();
    void recordFieldsReadAsTheSplit_data();
    void recordFieldsReadAsTheSplit();
    void otherRecords();
};

void tst_FieldReaders::orderLine()
{
    const OrderRecord record =
        OrderRecord::parse("12;;4711;Muster;7;Acker;;Meier;01.10.2014 08:30;01.10.2014 11:45;35000;3:15");
    QCOMPARE(record.strOrderNumber, QString("12"));
    QCOMPARE(record.strCustomer, QString("Muster"));
    QCOMPARE(record.strCustomerNumber, QString("4711"));
    QCOMPARE(record.strFieldName, QString("Acker"));
    QCOMPARE(record.strFieldNumber, QString("7"));
    QCOMPARE(record.strDriver, QString("Meier"));
    QCOMPARE(record.strStart, QString("01.10.2014 08:30"));
    QCOMPARE(record.strStop, QString("01.10.2014 11:45"));
    QCOMPARE(record.s32AreaM2, 35000);
    QCOMPARE(record.s32FieldMinutes, 195);
    QCOMPARE(record.dateStart, QDate(2014, 10, 1));

    // The terminal pads some texts with NULs; they never show.
    const QString strPadded = strLatin1("3;;9;Kunde\0\0;2;Gro\xDF"
                                        "acker\0\0\0\0;;Fahrer\0;01.10.2014 08:30");
    const OrderRecord padded = OrderRecord::parse(strPadded);
    QCOMPARE(padded.strCustomer, QString("Kunde"));
    QCOMPARE(padded.strFieldName, QStringLiteral("Großacker"));
    QCOMPARE(padded.strDriver, strLatin1("Fahrer\0")); // read as it stands
}

void tst_FieldReaders::durations_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minutes");
    QTest::newRow("H:MM") << "3:15" << 195;
    QTest::newRow("leading zero") << "2:05" << 125;
    QTest::newRow("one-digit minutes") << "0:7" << 7;
    QTest::newRow("blanks dropped") << " 2 : 5" << 125;
    QTest::newRow("units dropped") << "2h:30min" << 150;
    QTest::newRow("hours only") << "12" << 720;
    QTest::newRow("beyond 255 hours") << "300:00" << 18000;
    QTest::newRow("third part ignored") << "1:02:03" << 62;
    QTest::newRow("empty minutes") << "4:" << 240;
    QTest::newRow("dash") << "-" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("no digits") << "ab:cd" << 0;
    QTest::newRow("nul padded") << strLatin1("1:30\0\0") << 90;
    // Garbled hour counts must not overflow into negative minutes.
    QTest::newRow("huge hours") << "99999999:30" << std::numeric_limits<int>::max();
    QTest::newRow("huge hours, no colon") << "2000000000" << std::numeric_limits<int>::max();
    QTest::newRow("hour digits beyond int") << "99999999999:30" << 30;
}

void tst_FieldReaders::durations()
{
    QFETCH(QString, text);
    QFETCH(int, minutes);
    QCOMPARE(s32DurationToMinutes(text), minutes);
}

void tst_FieldReaders::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "35000" << 35000;
    QTest::newRow("negative") << "-120" << -120;
    QTest::newRow("nul padded") << strLatin1("42\0\0\0") << 42;
    QTest::newRow("decimal comma") << "1,5" << 0;
    QTest::newRow("decimal point") << "1.5" << 0;
    QTest::newRow("text") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("too large") << "99999999999" << 0;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("one beyond") << "2147483648" << 0;
    QTest::newRow("leading zeros") << "0000000000007" << 7;
    QTest::newRow("plus") << "+5" << 5;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("minus only") << "-" << 0;
    QTest::newRow("digit then letter") << "7a" << 0;
}

void tst_FieldReaders::integers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(s32ToInt(text), value);
}

void tst_FieldReaders::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("date and time") << "01.10.2014 08:30" << QDate(2014, 10, 1);
    QTest::newRow("date only") << "24.12.2013" << QDate(2013, 12, 24);
    QTest::newRow("two parts") << "01.10 08:30" << QDate();
    QTest::newRow("time only") << "08:30" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("no such day") << "31.02.2014 08:00" << QDate();
    QTest::newRow("fourth part ignored") << "01.10.2014.7 08:00" << QDate(2014, 10, 1);
    QTest::newRow("leading blank") << " 01.10.2014" << QDate();
}

void tst_FieldReaders::dates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const QDate result = dateOfTimestamp(text);
    QCOMPARE(result.isValid(), date.isValid());
    if (date.isValid())
        QCOMPARE(result, date);
}

void tst_FieldReaders::shortLines()
{
    const QStringList slFields = slSplit("1;;3;");
    QCOMPARE(slFields, (QStringList{"1", "", "3", ""}));
    QCOMPARE(strField(slFields, 4), QString());
    QCOMPARE(strField(slFields, -1), QString());

    // An order line of five fields has no start, hence no date and no row.
    const OrderRecord record = OrderRecord::parse("5;;4711;Muster;7");
    QCOMPARE(record.strOrderNumber, QString("5"));
    QVERIFY(record.strStart.isEmpty());
    QVERIFY(!record.dateStart.isValid());
    QCOMPARE(record.s32AreaM2, 0);
    QCOMPARE(record.s32FieldMinutes, 0);

    const OrderRecord empty = OrderRecord::parse("");
    QVERIFY(empty.strOrderNumber.isEmpty());
}

void tst_FieldReaders::recordFieldsReadAsTheSplit_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("order") << "1;;4711;Meier;7;Acker;;Hans;01.10.2014 08:30;;35000;3:15";
    QTest::newRow("empty") << "";
    QTest::newRow("only a return") << "\r";
    QTest::newRow("return at the end") << "1;2;3:30\r";
    QTest::newRow("return inside") << "1;2\r;3";
    QTest::newRow("separators only") << ";;;";
    QTest::newRow("long, separators at block ends") << "1234567;89;;;;;;;;abcdefg;hijklmnopqrstu;vw;\r";
    QTest::newRow("long, no separator") << "abcdefghijklmnopqrstuvwxyz0123456789";
    QTest::newRow("nul padded") << strLatin1("42\0\0;1:30\0;01.10.2014\0 08:00");
}

void tst_FieldReaders::recordFieldsReadAsTheSplit()
{
    // One parse with references must read every field as the split does.
    QFETCH(QString, line);
    const QStringList slFields = slSplit(line);
    const RecordFields fields(line);
    QCOMPARE(fields.s32Count(), slFields.size());
    for (int i = -1; i <= slFields.size(); ++i) {
        const QString strField = FieldReaders::strField(slFields, i);
        QCOMPARE(fields.strField(i), strField);
        QCOMPARE(fields.strClean(i), strClean(strField));
        QCOMPARE(fields.s32Int(i), s32ToInt(strField));
        QCOMPARE(fields.s32Minutes(i), s32DurationToMinutes(strField));
    }
}

void tst_FieldReaders::otherRecords()
{
    const CustomerRecord customer = CustomerRecord::parse(
        strLatin1("4711\0;Hans;M\xFCller;Hauptstr. 1;31135;Hildesheim;Fax;05121 12345"));
    QCOMPARE(customer.strNumber, QString("4711"));
    QCOMPARE(customer.strName2, QStringLiteral("Müller"));
    QCOMPARE(customer.strTown, QString("Hildesheim"));
    QCOMPARE(customer.strPhone, QString("05121 12345"));

    const FieldRecord field = FieldRecord::parse("4711;Müller;Großer Schlag;12,5;3,2");
    QCOMPARE(field.strField, QStringLiteral("Großer Schlag"));
    QCOMPARE(field.strArea, QString("12,5"));
    QCOMPARE(field.strDistance, QString("3,2"));

    const DriverRecord driver =
        DriverRecord::parse(strLatin1("7\0;Karl;Sch\xE4"
                                      "fer;Weg 2;31137;Hildesheim;0511 1;0171 2;k@example.org;;;;;;"));
    QCOMPARE(driver.strNumber, strLatin1("7\0"));
    QCOMPARE(driver.strCleanNumber(), QString("7"));
    QCOMPARE(driver.strName2, QStringLiteral("Schäfer"));
    QCOMPARE(driver.strPhone, QString("0171 2"));
    QCOMPARE(driver.strEmail, QString("k@example.org"));
}

QTEST_GUILESS_MAIN(tst_FieldReaders)
#include "tst_fieldreaders.moc"
