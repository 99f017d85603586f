// The list browser's logic without widgets: opening files, when a file has
// to wait, the line edits of the drivers list and the orders as shown.
#include "app/settingsstore.h"
#include "mainwindow/listcontroller.h"
#include "testsupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(ListKind)

namespace
{

const QByteArray DRIVERS = "Nummer;Name;Vorname\n"
                           "1;Huber;Anna\n"
                           "2;Maier;Bert\n"
                           "3;Schulz;Carl\n"
                           "4;Vogel;Dora\n";

QString strDriversFile()
{
    return TestSupport::strWriteFile(TestSupport::strHome() + QStringLiteral("/lists/Fahrer.csv"), DRIVERS);
}

} // namespace

class tst_ListController : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void open_data();
    void open();
    void fileWaitsWhileBusy_data();
    void fileWaitsWhileBusy();
    void lastFileAtStart();
    void driverEditsFollowTheLinesAsBuilt();
    void addedDriverKeepsTheLastLineBreak();
    void editsOnlyInADriversList();
    void openedOrderStepsFromItsPlace_data();
    void openedOrderStepsFromItsPlace();
};

void tst_ListController::initTestCase()
{
    TestSupport::vIsolate();
}

void tst_ListController::open_data()
{
    QTest::addColumn<QString>("name"); // empty: the file does not exist
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<ListKind>("kind");
    QTest::newRow("orders") << QStringLiteral("Aufträge.csv") << QByteArray("h\n1;a\n2;b\n")
                            << ListKind::Orders;
    QTest::newRow("drivers") << QStringLiteral("Fahrer.csv") << DRIVERS << ListKind::Drivers;
    QTest::newRow("season") << QStringLiteral("Statistik Saison.csv") << QByteArray("x\n")
                            << ListKind::Season;
    QTest::newRow("no list") << QStringLiteral("Notizen.csv") << QByteArray("x\n") << ListKind::None;
    QTest::newRow("missing file") << QString() << QByteArray() << ListKind::None;
}

void tst_ListController::open()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(ListKind, kind);

    // A drivers list is shown first: a file that cannot be opened leaves
    // nothing of it to edit, but it stays the file of the next run.
    cListController list;
    const QString strBefore = strDriversFile();
    QCOMPARE(list.strRead(strBefore), cListController::strOpened());

    const bool bExists = !name.isEmpty();
    const QString strPath =
        bExists ? TestSupport::strWriteFile(TestSupport::strHome() + "/lists/" + name, content)
                : TestSupport::strHome() + QStringLiteral("/lists/Fehlt.csv");
    list.vClear();
    const QString strResult = list.strRead(strPath);
    QCOMPARE(list.kind(), kind);
    QCOMPARE(list.bFileRead(), bExists);
    if (bExists) {
        QCOMPARE(strResult, cListController::strOpened());
        QCOMPARE(list.slLines(), QString::fromUtf8(content).split(QLatin1Char('\n')));
        QCOMPARE(list.strWhichTypeOfList(), name);
        QCOMPARE(list.strPfad(), strPath);
        QCOMPARE(list.listState().strFileName, name);
    } else {
        // The reason names the file; the caller can tell it from success.
        QVERIFY(strResult != cListController::strOpened());
        QVERIFY2(strResult.contains(QDir::toNativeSeparators(strPath)), qPrintable(strResult));
        QVERIFY(list.slLines().isEmpty());
        QCOMPARE(list.strPfad(), strBefore);
        QVERIFY(!list.bAddDriver(QStringLiteral("5;Neu;Nina")));
    }
    QCOMPARE(SettingsStore::LIST_PATH.tValue(), list.strPfad());
    QCOMPARE(cListController().strPfad(), list.strPfad());
}

void tst_ListController::fileWaitsWhileBusy_data()
{
    QTest::addColumn<bool>("loading");
    QTest::addColumn<bool>("editing");
    QTest::newRow("idle") << false << false;
    QTest::newRow("a list is built") << true << false;
    QTest::newRow("a driver is edited") << false << true;
    QTest::newRow("both") << true << true;
}

void tst_ListController::fileWaitsWhileBusy()
{
    QFETCH(bool, loading);
    QFETCH(bool, editing);
    cListController list;
    QVERIFY(list.strRead(strDriversFile()) == cListController::strOpened());
    if (loading)
        list.vBeginLoading();
    if (editing)
        list.vBeginDriverEdit();
    const bool bBusy = loading || editing;

    // A download's name goes with its file: it waits as well.
    list.vTakeReceivedName(QStringLiteral("Kunden.csv"));
    QCOMPARE(list.strWhichTypeOfList(), bBusy ? QStringLiteral("Fahrer.csv") : QStringLiteral("Kunden.csv"));
    QCOMPARE(list.bDefer(QStringLiteral("/a.csv")), bBusy);
    QCOMPARE(list.bDefer(QStringLiteral("/b.csv")), bBusy); // the later request wins
    QCOMPARE(list.strTakePendingPath(), bBusy ? QStringLiteral("/b.csv") : QString());
    QCOMPARE(list.strTakePendingPath(), QString());

    list.vEndLoading();
    list.vEndDriverEdit();
    QVERIFY(!list.bDefer(QStringLiteral("/c.csv")));
}

void tst_ListController::lastFileAtStart()
{
    const QString strPath = strDriversFile();
    SettingsStore::LIST_PATH.vSet(strPath);
    SettingsStore::LIST_TYPE.vSet(QStringLiteral("Fahrer.csv"));
    {
        cListController list;
        QCOMPARE(list.kind(), ListKind::Drivers);
        QVERIFY(list.bOpenLastAtStart());
        list.vBeginLoading();
        QVERIFY(!list.bOpenLastAtStart());
    }
    {
        // The settings page asked for nothing: the list stays, and so does the start.
        cListController list;
        QVERIFY(!list.bRequestRead(QString()));
        QVERIFY(!list.bOpenLastAtStart());
        QVERIFY(list.bRequestRead(QStringLiteral("/x/Kunden.csv")));
        QCOMPARE(list.strRequestedPath(), QStringLiteral("/x/Kunden.csv"));
    }
    QFile::remove(strPath);
    QVERIFY(!cListController().bOpenLastAtStart());
}

void tst_ListController::driverEditsFollowTheLinesAsBuilt()
{
    cListController list;
    const QString strPath = strDriversFile();
    list.strRead(strPath);

    // Line numbers are those of the list as built: deleting line 1 moves the
    // others up, yet line 3 still names Schulz.
    QVERIFY(list.bDeleteLine(1));
    QVERIFY(!list.bDeleteLine(1));
    QCOMPARE(list.s32CurrentLineOf(3), 2);
    QCOMPARE(list.strLineAsBuilt(3), QStringLiteral("3;Schulz;Carl"));
    QVERIFY(list.bDeleteLine(4));
    QVERIFY(!list.bHasRecordLine(6));
    QVERIFY(list.bReplaceLine(QStringLiteral("3;Schulz;Clara"), 3));
    QVERIFY(!list.bReplaceLine(QStringLiteral("9;Wer;Nie"), 7));
    QVERIFY(!list.bReplaceLine(QStringLiteral("0;Kopf;Zeile"), 0));

    QString strError;
    QVERIFY2(list.bWrite(&strError), qPrintable(strError));
    QCOMPARE(TestSupport::baReadFile(strPath), QByteArray("Nummer;Name;Vorname\n"
                                                          "2;Maier;Bert\n"
                                                          "3;Schulz;Clara\n"));

    // After a rebuild the list is numbered anew.
    list.vDriversRebuilt();
    QCOMPARE(list.strLineAsBuilt(2), QStringLiteral("3;Schulz;Clara"));
}

void tst_ListController::addedDriverKeepsTheLastLineBreak()
{
    cListController list;
    const QString strWithBreak = strDriversFile();
    list.strRead(strWithBreak);
    QVERIFY(list.bAddDriver(QStringLiteral("5;Neu;Nina")));
    QVERIFY(list.bWrite(nullptr));
    QCOMPARE(TestSupport::baReadFile(strWithBreak), DRIVERS + "5;Neu;Nina\n");

    const QString strWithout = TestSupport::strWriteFile(
        TestSupport::strHome() + QStringLiteral("/lists/Fahrer2.csv"), DRIVERS.chopped(1));
    list.vClear();
    list.strRead(strWithout);
    QVERIFY(list.bAddDriver(QStringLiteral("5;Neu;Nina")));
    QVERIFY(list.bWrite(nullptr));
    QCOMPARE(TestSupport::baReadFile(strWithout), DRIVERS + "5;Neu;Nina");
}

void tst_ListController::editsOnlyInADriversList()
{
    cListController list;
    const QByteArray baOrders = "h\n1;a\n2;b\n";
    const QString strPath = TestSupport::strWriteFile(
        TestSupport::strHome() + QString::fromUtf8("/lists/Aufträge.csv"), baOrders);
    list.strRead(strPath);
    QVERIFY(!list.bDeleteLine(1));
    QVERIFY(!list.bReplaceLine(QStringLiteral("x"), 1));
    QVERIFY(!list.bAddDriver(QStringLiteral("x")));
    QCOMPARE(list.slLines().size(), 4);
}

void tst_ListController::openedOrderStepsFromItsPlace_data()
{
    QTest::addColumn<int>("sortIndex");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("line");
    // Rows show the lines 3, 1, 4, 2; the filter hides line 4 (row 2).
    QTest::newRow("by number: the number") << 0 << 3 << 0 << 3 << "3;c";
    QTest::newRow("by customer: its place") << 1 << 4 << 2 << 2 << "4;d";
    QTest::newRow("by customer: second shown") << 1 << 1 << 1 << 1 << "1;a";
    QTest::newRow("any other selector index sorts by customer") << 2 << 2 << 3 << 2 << "2;b";
    QTest::newRow("header is no order") << 0 << 0 << 0 << -1 << "";
    QTest::newRow("beyond the file") << 1 << 9 << 0 << -1 << "";
}

void tst_ListController::openedOrderStepsFromItsPlace()
{
    QFETCH(int, sortIndex);
    QFETCH(int, number);
    QFETCH(int, row);
    QFETCH(int, expected);
    QFETCH(QString, line);

    cListController list;
    list.strRead(TestSupport::strWriteFile(TestSupport::strHome() + QString::fromUtf8("/lists/Aufträge.csv"),
                                           "h\n1;a\n2;b\n3;c\n4;d"));
    list.filter().s32SortIndex = sortIndex;
    cOrderTotals totals;
    list.vTakeOrderBuild(totals, QDate(2020, 1, 1), QDate(2020, 2, 1), {3, 1, 4, 2});
    QVERIFY(list.bShownOrdersStale(7));
    // Shown: 3, 1, 2 (row 2, line 4, is filtered out).
    list.vTakeShownOrders([](int _s32Row) { return _s32Row != 2; }, 7);
    QVERIFY(!list.bShownOrdersStale(7));
    QCOMPARE(list.slSortedOrderLines(), QStringList({"3;c", "1;a", "2;b"}));

    // An order opened before never lends its line to one that is none.
    list.s32OpenOrder(1, 1);
    QCOMPARE(list.s32OpenOrder(number, row), expected);
    QCOMPARE(list.strCurrentOrderLine(), line);
    QCOMPARE(list.listState().strCurrentOrderLine, line);
}

QTEST_GUILESS_MAIN(tst_ListController)
#include "tst_listcontroller.moc"
