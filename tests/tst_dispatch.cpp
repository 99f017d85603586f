#include "terminal/dispatch.h"
#include "testsupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(eAnswerRow)
Q_DECLARE_METATYPE(eSwitchState)

// Which row of the dispatch table a message from the terminal lands in.
class tst_Dispatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::vIsolate(); }

    void rows_data()
    {
        const QByteArray busy =
            "ERROR: We are sorry, but another client is temporary using this server application!";
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<eAnswerRow>("row");
        QTest::newRow("null") << QByteArray() << eAnswerRow::Null;
        QTest::newRow("empty but not null") << QByteArray("") << eAnswerRow::Unknown;
        QTest::newRow("serial") << QByteArray("SerialNumber: 4711") << eAnswerRow::SerialNumber;
        QTest::newRow("pw false") << QByteArray("PW-Request false") << eAnswerRow::PwRequestFalse;
        QTest::newRow("pw false and more") << QByteArray("PW-Request false!") << eAnswerRow::Unknown;
        QTest::newRow("pw true") << QByteArray("PW-Request trueLichtschalter:1ExpertModus:0")
                                 << eAnswerRow::PwRequestTrue;
        QTest::newRow("known") << QByteArray("Connection bekannt! SerialNumber: 4711")
                               << eAnswerRow::ConnectionKnown;
        QTest::newRow("established") << QByteArray("Connection established!")
                                     << eAnswerRow::ConnectionEstablished;
        QTest::newRow("failed") << QByteArray("Connection failed!") << eAnswerRow::ConnectionFailed;
        QTest::newRow("failed and more") << QByteArray("Connection failed!!") << eAnswerRow::Unknown;
        QTest::newRow("busy anywhere") << QByteArray("xx") + busy + "yy" << eAnswerRow::Busy;
        // The busy test comes before the live data test.
        QTest::newRow("busy in live data") << QByteArray("=$LiveData:") + busy << eAnswerRow::Busy;
        QTest::newRow("live") << QByteArray("=$LiveData:\x01\x02", 13) << eAnswerRow::LiveData;
        QTest::newRow("break") << QByteArray("BreakConnection now") << eAnswerRow::BreakConnection;
        QTest::newRow("expert") << QByteArray("ExpertModus:1") << eAnswerRow::ExpertMode;
        QTest::newRow("light") << QByteArray("Lichtschalter:0") << eAnswerRow::LightSwitch;
        QTest::newRow("orders") << QByteArray("StartFile: ==:== Auftraege\x05") << eAnswerRow::FileOrders;
        QTest::newRow("customers") << QByteArray("StartFile: ==:== Kunden") << eAnswerRow::FileCustomers;
        QTest::newRow("season") << QByteArray("StartFile: ==:== Saison") << eAnswerRow::FileSeason;
        QTest::newRow("machine") << QByteArray("StartFile: ==:== Maschine") << eAnswerRow::FileMachine;
        QTest::newRow("fields") << QByteArray("StartFile: ==:== Schlaege") << eAnswerRow::FileFields;
        QTest::newRow("drivers") << QByteArray("StartFile: ==:== Fahrer") << eAnswerRow::FileDrivers;
        QTest::newRow("other kind") << QByteArray("StartFile: ==:== Traktoren") << eAnswerRow::Unknown;
        QTest::newRow("no permission") << QByteArray("Keine Berechtigung") << eAnswerRow::NoPermission;
        QTest::newRow("imported") << QByteArray("Sie haben Datei erfolgreich importiert.")
                                  << eAnswerRow::ImportSucceeded;
        QTest::newRow("import failed")
            << QByteArray("Beim Import ist ein Fehler aufgetreten") << eAnswerRow::ImportFailed;
        QTest::newRow("case matters") << QByteArray("serialnumber: 1") << eAnswerRow::Unknown;
    }

    void rows()
    {
        QFETCH(QByteArray, message);
        QFETCH(eAnswerRow, row);
        QCOMPARE(eClassifyAnswer(message), row);
    }

    // What each row takes off the front before it passes the rest on; rows
    // that pass nothing on take nothing.
    void prefixLengths_data()
    {
        QTest::addColumn<eAnswerRow>("row");
        QTest::addColumn<int>("length");
        QTest::newRow("serial") << eAnswerRow::SerialNumber << 14;
        QTest::newRow("pw true") << eAnswerRow::PwRequestTrue << 15;
        QTest::newRow("known") << eAnswerRow::ConnectionKnown << 34;
        QTest::newRow("established") << eAnswerRow::ConnectionEstablished << 23;
        QTest::newRow("live") << eAnswerRow::LiveData << 11;
        QTest::newRow("expert") << eAnswerRow::ExpertMode << 12;
        QTest::newRow("light") << eAnswerRow::LightSwitch << 14;
        QTest::newRow("orders") << eAnswerRow::FileOrders << 26;
        QTest::newRow("customers") << eAnswerRow::FileCustomers << 23;
        QTest::newRow("season") << eAnswerRow::FileSeason << 23;
        QTest::newRow("machine") << eAnswerRow::FileMachine << 25;
        QTest::newRow("fields") << eAnswerRow::FileFields << 25;
        QTest::newRow("drivers") << eAnswerRow::FileDrivers << 23;
        QTest::newRow("null") << eAnswerRow::Null << 0;
        QTest::newRow("pw false") << eAnswerRow::PwRequestFalse << 0;
        QTest::newRow("failed") << eAnswerRow::ConnectionFailed << 0;
        QTest::newRow("busy") << eAnswerRow::Busy << 0;
        QTest::newRow("break") << eAnswerRow::BreakConnection << 0;
        QTest::newRow("no permission") << eAnswerRow::NoPermission << 0;
        QTest::newRow("imported") << eAnswerRow::ImportSucceeded << 0;
        QTest::newRow("import failed") << eAnswerRow::ImportFailed << 0;
        QTest::newRow("unknown") << eAnswerRow::Unknown << 0;
    }

    void prefixLengths()
    {
        QFETCH(eAnswerRow, row);
        QFETCH(int, length);
        QCOMPARE(s32PrefixLength(row), length);
    }

    void statusFields_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<eSwitchState>("light");
        QTest::addColumn<eSwitchState>("expert");
        QTest::newRow("on off") << QByteArray("Lichtschalter:1ExpertModus:0") << eSwitchState::On
                                << eSwitchState::Off;
        QTest::newRow("names not compared")
            << QByteArray("xxxxxxxxxxxxxx0yyyyyyyyyyyy1") << eSwitchState::Off << eSwitchState::On;
        QTest::newRow("other characters") << QByteArray("Lichtschalter:?ExpertModus:X")
                                          << eSwitchState::Unchanged << eSwitchState::Unchanged;
        QTest::newRow("trailing bytes ignored")
            << QByteArray("Lichtschalter:0ExpertModus:1 und mehr") << eSwitchState::Off << eSwitchState::On;
        QTest::newRow("expert field missing")
            << QByteArray("Lichtschalter:1Expert") << eSwitchState::On << eSwitchState::Unchanged;
        QTest::newRow("nothing") << QByteArray() << eSwitchState::Unchanged << eSwitchState::Unchanged;
    }

    void statusFields()
    {
        QFETCH(QByteArray, fields);
        QFETCH(eSwitchState, light);
        QFETCH(eSwitchState, expert);
        const StatusFields parsed = statusFieldsFrom(fields);
        QCOMPARE(parsed.eLightSwitch, light);
        QCOMPARE(parsed.eExpertMode, expert);
    }

    void statusFieldsAsTheTerminalWritesThem()
    {
        QCOMPARE(baStatusFields(true, false), QByteArray("Lichtschalter:1ExpertModus:0"));
        const StatusFields parsed = statusFieldsFrom(baStatusFields(false, true));
        QCOMPARE(parsed.eLightSwitch, eSwitchState::Off);
        QCOMPARE(parsed.eExpertMode, eSwitchState::On);
    }

    void switchMessages()
    {
        QCOMPARE(eSwitchStateFrom("1"), eSwitchState::On);
        QCOMPARE(eSwitchStateFrom("0"), eSwitchState::Off);
        QCOMPARE(eSwitchStateFrom("10"), eSwitchState::On);
        QCOMPARE(eSwitchStateFrom("x"), eSwitchState::Unchanged);
        QCOMPARE(eSwitchStateFrom(""), eSwitchState::Unchanged);
    }

    void loginSuppression_data()
    {
        QTest::addColumn<QByteArray>("last");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("suppressed");
        QTest::newRow("login twice") << QByteArray("Login: ") << QByteArray("Login: ") << true;
        QTest::newRow("after another message") << QByteArray("PW:  =:= 1") << QByteArray("Login: ") << false;
        QTest::newRow("first message") << QByteArray() << QByteArray("Login: ") << false;
        QTest::newRow("other after login") << QByteArray("Login: ") << QByteArray("Auftraege") << false;
        QTest::newRow("password after login")
            << QByteArray("Login: ") << QByteArray("Login-PW:  =:= 1") << false;
    }

    void loginSuppression()
    {
        QFETCH(QByteArray, last);
        QFETCH(QByteArray, message);
        QFETCH(bool, suppressed);
        QCOMPARE(bSuppressLogin(last, message), suppressed);
    }

    void passwordMessages()
    {
        QCOMPARE(baPasswordMessage("Login-PW: ", "geheim"), QByteArray("Login-PW:  =:= geheim"));
        QCOMPARE(baPasswordMessage("PW: ", "NO PW FOUND!"), QByteArray("PW:  =:= NO PW FOUND!"));
    }
};

QTEST_GUILESS_MAIN(tst_Dispatch)
#include "tst_dispatch.moc"
