// The archive's orders as the list browser reads them: selections, sort
// orders, pages, totals and the latest customers, on SQLite and PostgreSQL;
// and the search over the archive finding exactly the rows the list's search
// finds in the same file.

#include "data/archiveorderview.h"
#include "data/archivestore.h"
#include "data/archiveview.h"
#include "data/fieldreaders.h"
#include "data/listfile.h"
#include "data/searchindex.h"
#include "mainwindow/carchivedisplay.h"
#include "mainwindow/corderentries.h"
#include "mainwindow/csortfiltermodel.h"
#include "pgserver.h"
#include "testsupport.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace
{

const QDateTime ARRIVED(QDate(2014, 10, 3), QTime(10, 0), Qt::UTC);

QString strOrderLine(const QString& _strNumber, const QString& _strCustomer, const QString& _strStart,
                     int _s32AreaM2, const QString& _strCustomerNumber = QString())
{
    QStringList sl;
    for (int i = 0; i < 45; ++i)
        sl << QStringLiteral("0");
    sl[0] = _strNumber;
    sl[2] = _strCustomerNumber.isEmpty() ? QStringLiteral("K") + _strCustomer.left(3) : _strCustomerNumber;
    sl[3] = _strCustomer;
    sl[4] = QStringLiteral("S1");
    sl[5] = QStringLiteral("Schlag Nord");
    sl[7] = QStringLiteral("Fahrer Jörg");
    sl[8] = _strStart;
    sl[9] = _strStart;
    sl[10] = QString::number(_s32AreaM2);
    sl[11] = QStringLiteral("01:00");
    sl[29] = QStringLiteral("45");
    return sl.join(QLatin1Char(';'));
}

QByteArray baOrdersFile(const QStringList& _slLines)
{
    return (QStringLiteral("Nr;a;b\n") + _slLines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1();
}

ArchiveView::EntryLayout layoutFor(int _s32SortMode)
{
    const cOrderEntries entries({QString()}, _s32SortMode, 800);
    ArchiveView::EntryLayout layout;
    layout.layout = entries.searchLayout(&layout.sources);
    return layout;
}

// The rows the list shows of an orders file and their folded texts.
void vListRows(const QByteArray& _baContent, int _s32SortMode, cSearchIndex& _index, QStringList& _slRowLines)
{
    ListFileContent content;
    ListFile::vDecode(_baContent, content);
    const QStringList slLines = content.slLines;
    const cOrderEntries entries(slLines, _s32SortMode, 800);
    for (int i = 1; i < slLines.size(); ++i) {
        const RecordFields fields(slLines.at(i));
        if (fields.strClean(0).isEmpty() || fields.strClean(8).isEmpty())
            continue;
        entries.vAppendSearchText(fields, _index);
        _slRowLines << slLines.at(i);
    }
}

// What the list finds of its rows for a typed text: a plain text in the
// folded texts, a pattern on each of them.
QStringList slListFinds(const cSearchIndex& _index, const QStringList& _slRowLines, const QString& _strTyped)
{
    const SortFilter::SearchMatcher matcher(SortFilter::searchPattern(_strTyped));
    const QByteArray baPlain = cSearchIndex::baFolded(matcher.strPlain());
    const bool bPlain = matcher.bPlainIgnoringCase();
    const std::vector<char> found =
        bPlain && !baPlain.isEmpty() ? _index.rowsContaining(baPlain) : std::vector<char>();
    QStringList slFinds;
    for (int r = 0; r < _slRowLines.size(); ++r) {
        if (bPlain ? baPlain.isEmpty() || found.at(size_t(r)) != 0 : matcher.bMatches(_index.strRowText(r)))
            slFinds << _slRowLines.at(r);
    }
    return slFinds;
}

QStringList slLinesOf(const QVector<ArchiveView::OrderRow>& _rows)
{
    QStringList sl;
    for (const ArchiveView::OrderRow& row : _rows)
        sl << row.strLine;
    return sl;
}

} // namespace

class tst_ArchiveView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void selectionsAndSortOrders_data();
    void selectionsAndSortOrders();
    void latestVersionAndRanks_data() { selectionsAndSortOrders_data(); }
    void latestVersionAndRanks();
    void sameRowsAsTheFileSearch_data();
    void sameRowsAsTheFileSearch();
    void oneCustomersOrders_data() { selectionsAndSortOrders_data(); }
    void oneCustomersOrders();
    void renamedCustomerAndWildcardNumbers_data() { selectionsAndSortOrders_data(); }
    void renamedCustomerAndWildcardNumbers();
    void seasonCustomersOfAnOlderArchive_data() { selectionsAndSortOrders_data(); }
    void seasonCustomersOfAnOlderArchive();

private:
    QSqlDatabase database(const QString& _strBackEnd, const QString& _strName);
    void vCheckTotals(QSqlDatabase& _db, const ArchiveMachine& _machine, const ArchiveView::Selection& _all,
                      const ArchiveView::Selection& _one);
    void vImport(QSqlDatabase& _database, const QStringList& _slLines, const QString& _strChassis,
                 const QDateTime& _arrived = ARRIVED);

    cPgServer m_server;
    QString m_strPgSkip;
    QTemporaryDir m_folder;
};

void tst_ArchiveView::initTestCase()
{
    TestSupport::vIsolate();
    if (!m_server.bStart(&m_strPgSkip) && m_strPgSkip.isEmpty())
        QFAIL(qPrintable(m_server.strError()));
}

void tst_ArchiveView::cleanupTestCase()
{
    m_server.vStop();
}

QSqlDatabase tst_ArchiveView::database(const QString& _strBackEnd, const QString& _strName)
{
    QSqlDatabase db;
    if (_strBackEnd == QLatin1String("postgresql")) {
        if (!m_server.bRunning())
            return db;
        db = m_server.dbOpen(_strName);
        QSqlQuery drop(db);
        for (const char* pTable : {"archive_bill_rates", "archive_order_view", "archive_customer_ranks",
                                   "archive_settings", "archive_season_totals", "archive_versions",
                                   "archive_records", "archive_files", "archive_version"})
            drop.exec(QStringLiteral("DROP TABLE IF EXISTS %1 CASCADE").arg(QLatin1String(pTable)));
    } else {
        db = cArchiveStore::sqliteConnection(m_folder.filePath(_strName + QStringLiteral(".sqlite")),
                                             _strName);
    }
    cArchiveStore store(db);
    const ArchiveOpenResult opened = store.open();
    if (!opened.bUsable())
        qWarning() << opened.strMessage;
    return store.database();
}

void tst_ArchiveView::vImport(QSqlDatabase& _database, const QStringList& _slLines,
                              const QString& _strChassis, const QDateTime& _arrived)
{
    ArchiveInput input;
    input.strFileName = QStringLiteral("Auftraege.csv");
    input.baContent = baOrdersFile(_slLines);
    input.machine = {_strChassis, QStringLiteral("S-") + _strChassis};
    input.arrived = _arrived;
    const ArchiveImportResult result = ArchiveImport::importFile(_database, input);
    QVERIFY2(result.bOk(), qPrintable(result.error.text()));
}

void tst_ArchiveView::selectionsAndSortOrders_data()
{
    QTest::addColumn<QString>("backEnd");
    QTest::newRow("sqlite") << "sqlite";
    QTest::newRow("postgresql") << "postgresql";
}

// Two machines over two seasons: each selection gives its rows, in the
// order of the number or of the customer, page by page.
void tst_ArchiveView::selectionsAndSortOrders()
{
    QFETCH(QString, backEnd);
    if (backEnd == QLatin1String("postgresql") && !m_server.bRunning())
        QSKIP(qPrintable(m_strPgSkip));
    QSqlDatabase db = database(backEnd, QStringLiteral("selections_") + backEnd);
    QVERIFY(db.isOpen());
    vImport(db,
            {strOrderLine("3", "Özdemir", "02.10.2014 08:00", 10000),
             strOrderLine("1", "Bauer", "01.09.2014 08:00", 20000),
             strOrderLine("2", "Zander", "15.03.2014 08:00", 30000)},
            QStringLiteral("WAB1"));
    vImport(db, {strOrderLine("7", "Adler", "05.10.2014 07:00", 40000)}, QStringLiteral("WAB2"));

    QVector<ArchiveMachine> machines;
    QStringList slSeasons;
    QSqlError error;
    QVERIFY(ArchiveView::bMachines(db, machines, error));
    QCOMPARE(machines.size(), 2);
    QCOMPARE(machines.at(1).strChassis, QStringLiteral("WAB2"));
    QVERIFY(ArchiveView::bSeasons(db, slSeasons, error));
    QCOMPARE(slSeasons, QStringList({"2014/15", "2013/14"}));
    QVERIFY2(ArchiveView::bEnsureCustomerRanks(db, QStringLiteral("de_DE"), error), qPrintable(error.text()));

    const auto numbers = [&](const ArchiveView::Selection& _selection, int _s32Offset, int _s32Limit) {
        QVector<ArchiveView::OrderRow> rows;
        QSqlError fetchError;
        if (!ArchiveView::bFetch(db, _selection, layoutFor(_selection.s32SortMode), _s32Offset, _s32Limit,
                                 rows, fetchError))
            return QStringList{fetchError.text()};
        QStringList sl;
        for (const ArchiveView::OrderRow& row : rows)
            sl << RecordFields(row.strLine).strClean(0);
        return sl;
    };
    ArchiveView::Selection all;
    QCOMPARE(numbers(all, 0, 10), QStringList({"1", "2", "3", "7"}));
    QCOMPARE(numbers(all, 1, 2), QStringList({"2", "3"}));
    ArchiveView::Selection byCustomer;
    byCustomer.s32SortMode = 1;
    // German order: Ö with O, before Z.
    QCOMPARE(numbers(byCustomer, 0, 10), QStringList({"7", "1", "3", "2"}));
    ArchiveView::Selection one;
    one.bAllMachines = false;
    one.machine = machines.first();
    one.strSeason = QStringLiteral("2014/15");
    QCOMPARE(numbers(one, 0, 10), QStringList({"1", "3"}));
    ArchiveView::Selection dated;
    dated.dateFrom = QDate(2014, 9, 1);
    dated.dateTo = QDate(2014, 10, 2);
    QCOMPARE(numbers(dated, 0, 10), QStringList({"1", "3"}));
    ArchiveView::Selection searched;
    searched.baNeedle = cSearchIndex::baFolded(QStringLiteral("ÖZD"));
    QCOMPARE(numbers(searched, 0, 10), QStringList({"3"}));
    searched.baNeedle = cSearchIndex::baFolded(QStringLiteral("ahrer jö"));
    QCOMPARE(numbers(searched, 0, 10), QStringList({"1", "2", "3", "7"}));
    if (backEnd == QLatin1String("postgresql")) {
        QSqlQuery index(db);
        QVERIFY(index.exec(QStringLiteral("SELECT 1 FROM pg_indexes WHERE indexname = "
                                          "'archive_order_view_trigram'")) &&
                index.next());
    }

    vCheckTotals(db, machines.first(), searched, one);
}

// The season totals kept by the import (the orders of the selections'
// fixture: 10,000 + 20,000 + 30,000 m² on WAB1, 40,000 on WAB2).
void tst_ArchiveView::vCheckTotals(QSqlDatabase& _db, const ArchiveMachine& _machine,
                                   const ArchiveView::Selection& _all, const ArchiveView::Selection& _one)
{
    QSqlError error;
    cOrderTotals totals;
    QVERIFY(ArchiveView::bSeasonTotals(_db, _machine, QStringLiteral("2014/15"), totals, error));
    QCOMPARE(totals.s64AreaM2(), qint64(30000));
    // Kept by the import, read back exactly as computed from the lines.
    cOrderTotals computed;
    QVERIFY(ArchiveOrderView::bComputeSeasonTotals(_db, _machine.strChassis, _machine.strSerial,
                                                   QStringLiteral("2014/15"), computed, error));
    QCOMPARE(totals.strSerialized(), computed.strSerialized());
    QVERIFY(!cOrderTotals::bFromSerialized(QStringLiteral("1 2 x"), computed));
    QSqlQuery kept(_db);
    QVERIFY(kept.exec(QStringLiteral("SELECT count(*) FROM archive_season_totals")) && kept.next());
    QCOMPARE(kept.value(0).toInt(), 3);
    // A selection's totals add up its machines' seasons, search and dates aside.
    QVERIFY(ArchiveView::bSelectionTotals(_db, _all, totals, error));
    QCOMPARE(totals.s64AreaM2(), qint64(100000));
    QVERIFY(ArchiveView::bSelectionTotals(_db, _one, totals, error));
    QCOMPARE(totals.s64AreaM2(), qint64(30000));
}

// A changed order shows its newest line, an older file arriving late does
// not replace it; a new customer gets its place between the known ones.
void tst_ArchiveView::latestVersionAndRanks()
{
    QFETCH(QString, backEnd);
    if (backEnd == QLatin1String("postgresql") && !m_server.bRunning())
        QSKIP(qPrintable(m_strPgSkip));
    QSqlDatabase db = database(backEnd, QStringLiteral("latest_") + backEnd);
    QVERIFY(db.isOpen());
    const QString strOld = strOrderLine("1", "Bauer", "01.09.2014 08:00", 10000);
    const QString strNew = strOrderLine("1", "Bauer", "01.09.2014 08:00", 12345);
    vImport(db, {strOld, strOrderLine("2", "Meyer", "02.09.2014 08:00", 1)}, QStringLiteral("WAB1"));
    vImport(db, {strNew}, QStringLiteral("WAB1"), ARRIVED.addDays(2));
    vImport(db, {strOld}, QStringLiteral("WAB1"), ARRIVED.addDays(1));
    QSqlError error;
    QVERIFY(ArchiveView::bEnsureCustomerRanks(db, QStringLiteral("de_DE"), error));
    vImport(db, {strOrderLine("3", "Kaiser", "03.09.2014 08:00", 1)}, QStringLiteral("WAB1"),
            ARRIVED.addDays(3));
    QVERIFY(ArchiveView::bEnsureCustomerRanks(db, QStringLiteral("de_DE"), error));

    ArchiveView::Selection byCustomer;
    byCustomer.s32SortMode = 1;
    QVector<ArchiveView::OrderRow> rows;
    QVERIFY2(ArchiveView::bFetch(db, byCustomer, layoutFor(1), 0, 10, rows, error), qPrintable(error.text()));
    QCOMPARE(slLinesOf(rows).size(), 3);
    QCOMPARE(rows.at(0).strLine, strNew);
    QCOMPARE(RecordFields(rows.at(1).strLine).strClean(3), QStringLiteral("Kaiser"));
    QSqlQuery ranks(db);
    QVERIFY(ranks.exec(QStringLiteral("SELECT rank_value FROM archive_customer_ranks ORDER BY rank_value")));
    QVector<double> values;
    while (ranks.next())
        values << ranks.value(0).toDouble();
    // Bauer and Meyer kept their places; Kaiser went between.
    QCOMPARE(values.size(), 3);
    QCOMPARE(values.at(0), 1024.0);
    QCOMPARE(values.at(2), 2048.0);
}

// Two customers of the same name apart by number, with machine, season,
// search and dates; the customers a selector offers for a machine and season.
// The order numbers of a selection's first rows, or the error.
QStringList slOrderNumbers(QSqlDatabase& _db, const ArchiveView::Selection& _selection)
{
    QVector<ArchiveView::OrderRow> rows;
    QSqlError error;
    if (!ArchiveView::bFetch(_db, _selection, layoutFor(_selection.s32SortMode), 0, 10, rows, error))
        return QStringList{error.text()};
    QStringList sl;
    for (const ArchiveView::OrderRow& row : rows)
        sl << RecordFields(row.strLine).strClean(0);
    return sl;
}

void tst_ArchiveView::oneCustomersOrders()
{
    QFETCH(QString, backEnd);
    if (backEnd == QLatin1String("postgresql") && !m_server.bRunning())
        QSKIP(qPrintable(m_strPgSkip));
    QSqlDatabase db = database(backEnd, QStringLiteral("customer_") + backEnd);
    QVERIFY(db.isOpen());
    vImport(db,
            {strOrderLine("1", "Müller", "01.09.2014 08:00", 1, "4711"),
             strOrderLine("2", "Müller", "02.09.2014 08:00", 1, "4712"),
             strOrderLine("3", "Müller", "03.10.2014 08:00", 1, "4711"),
             strOrderLine("4", "Adler", "04.09.2014 08:00", 1, "47"),
             strOrderLine("5", "Müller", "05.03.2014 08:00", 1, "4711")},
            QStringLiteral("WAB1"));
    vImport(db, {strOrderLine("6", "Müller", "06.09.2014 08:00", 1, "4711")}, QStringLiteral("WAB2"));
    QSqlError error;
    QVERIFY(ArchiveView::bEnsureCustomerRanks(db, QStringLiteral("de_DE"), error));
    QVector<ArchiveMachine> machines;
    QVERIFY(ArchiveView::bMachines(db, machines, error));
    QCOMPARE(machines.size(), 2);

    const auto numbers = [&](const ArchiveView::Selection& _selection) {
        return slOrderNumbers(db, _selection);
    };
    ArchiveView::Selection selection;
    selection.strCustomerNumber = QStringLiteral("4711");
    QCOMPARE(numbers(selection), QStringList({"1", "3", "5", "6"}));
    selection.s32SortMode = 1;
    QCOMPARE(numbers(selection), QStringList({"1", "3", "5", "6"}));
    selection.bAllMachines = false;
    selection.machine = machines.first();
    QCOMPARE(numbers(selection), QStringList({"1", "3", "5"}));
    selection.strSeason = QStringLiteral("2014/15");
    QCOMPARE(numbers(selection), QStringList({"1", "3"}));
    selection.dateTo = QDate(2014, 9, 30);
    QCOMPARE(numbers(selection), QStringList({"1"}));
    selection.dateTo = QDate();
    // The name finds both Müllers; the number keeps one.
    selection.baNeedle = cSearchIndex::baFolded(QStringLiteral("müller"));
    QCOMPARE(numbers(selection), QStringList({"1", "3"}));
    selection.strCustomerNumber = QStringLiteral("4712");
    QCOMPARE(numbers(selection), QStringList({"2"}));
    // A number that is only the start of another finds nothing of it.
    selection.baNeedle.clear();
    selection.strCustomerNumber = QStringLiteral("471");
    QCOMPARE(numbers(selection), QStringList());

    // The selector's customers: machine and season narrow them, the
    // customer chosen, the search and the dates do not.
    const auto customers = [&](const ArchiveView::Selection& _selection) {
        QVector<OrderCustomer> found;
        QSqlError customersError;
        if (!ArchiveView::bCustomers(db, _selection, found, customersError))
            return QStringList{customersError.text()};
        OrderCustomers::vSort(found, QLocale(QLocale::German));
        QStringList sl;
        for (const OrderCustomer& customer : qAsConst(found))
            sl << OrderCustomers::strEntry(customer);
        return sl;
    };
    selection.dateFrom = QDate(2014, 10, 1);
    selection.baNeedle = cSearchIndex::baFolded(QStringLiteral("adler"));
    QCOMPARE(customers(selection), QStringList({"Adler (47)", "Müller (4711)", "Müller (4712)"}));
    selection.strSeason = QStringLiteral("2013/14");
    QCOMPARE(customers(selection), QStringList({"Müller (4711)"}));
    selection.machine = machines.at(1);
    selection.strSeason.clear();
    QCOMPARE(customers(selection), QStringList({"Müller (4711)"}));
}

void tst_ArchiveView::renamedCustomerAndWildcardNumbers()
{
    // A customer renamed on another machine is found under both names; the
    // wildcards of SQL's LIKE in a number are plain characters.
    QFETCH(QString, backEnd);
    if (backEnd == QLatin1String("postgresql") && !m_server.bRunning())
        QSKIP(qPrintable(m_strPgSkip));
    QSqlDatabase db = database(backEnd, QStringLiteral("renamed_") + backEnd);
    QVERIFY(db.isOpen());
    vImport(db,
            {strOrderLine("1", "Müller", "01.09.2014 08:00", 1, "4711"),
             strOrderLine("2", "Ecke", "02.09.2014 08:00", 1, "4a1b")},
            QStringLiteral("WAB1"));
    vImport(db,
            {strOrderLine("3", "Müller-Hof", "03.09.2014 08:00", 1, "4711"),
             strOrderLine("4", "Ecke", "04.09.2014 08:00", 1, "4_1%")},
            QStringLiteral("WAB2"));
    QSqlError error;
    QVERIFY(ArchiveView::bEnsureCustomerRanks(db, QStringLiteral("de_DE"), error));
    for (int s32Sort : {0, 1}) {
        ArchiveView::Selection all;
        all.s32SortMode = s32Sort;
        all.strCustomerNumber = QStringLiteral("4711");
        QCOMPARE(slOrderNumbers(db, all), QStringList({"1", "3"}));
        all.strCustomerNumber = QStringLiteral("4_1%");
        QCOMPARE(slOrderNumbers(db, all), QStringList({"4"}));
    }
}

void tst_ArchiveView::seasonCustomersOfAnOlderArchive()
{
    // An archive of version 4 kept its seasons without their customers: the
    // step to version 5 keeps them, and the selector offers them.
    QFETCH(QString, backEnd);
    if (backEnd == QLatin1String("postgresql") && !m_server.bRunning())
        QSKIP(qPrintable(m_strPgSkip));
    const QString strName = QStringLiteral("older_") + backEnd;
    {
        QSqlDatabase db = database(backEnd, strName);
        QVERIFY(db.isOpen());
        vImport(db,
                {strOrderLine("1", "Müller", "01.09.2014 08:00", 1, "4711"),
                 strOrderLine("2", "Adler", "02.09.2014 08:00", 1, "47")},
                QStringLiteral("WAB1"));
        QSqlQuery query(db);
        for (const char* pSql : {"ALTER TABLE archive_season_totals DROP COLUMN customers",
                                 "DROP TABLE archive_bill_rates", "UPDATE archive_version SET version = 4"})
            QVERIFY2(query.exec(QLatin1String(pSql)), qPrintable(query.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(strName);
    cArchiveStore store(backEnd == QLatin1String("postgresql")
                            ? m_server.dbOpen(strName)
                            : cArchiveStore::sqliteConnection(
                                  m_folder.filePath(strName + QStringLiteral(".sqlite")), strName));
    const ArchiveOpenResult opened = store.open();
    QVERIFY2(opened.bUsable(), qPrintable(opened.strMessage));
    QSqlDatabase db = store.database();
    QVector<OrderCustomer> customers;
    QSqlError error;
    QVERIFY2(ArchiveView::bCustomers(db, ArchiveView::Selection(), customers, error),
             qPrintable(error.text()));
    OrderCustomers::vSort(customers, QLocale(QLocale::German));
    QCOMPARE(customers, (QVector<OrderCustomer>{{"47", "Adler"}, {"4711", "Müller"}}));
}

void tst_ArchiveView::sameRowsAsTheFileSearch_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<int>("sortMode");
    QTest::addColumn<QString>("backEnd");
    QTest::newRow("latin1, by number") << "latin1" << 0 << "sqlite";
    QTest::newRow("utf8, by customer") << "utf8bom" << 1 << "sqlite";
    QTest::newRow("utf8, by number, postgresql") << "utf8bom" << 0 << "postgresql";
}

// The sample orders as a file and in the archive: for search texts cut
// from the entries (across labels and values too), in other case and with
// umlauts, the archive finds exactly the rows the list's search finds.
void tst_ArchiveView::sameRowsAsTheFileSearch()
{
    QFETCH(QString, encoding);
    QFETCH(int, sortMode);
    QFETCH(QString, backEnd);
    if (backEnd == QLatin1String("postgresql") && !m_server.bRunning())
        QSKIP(qPrintable(m_strPgSkip));
    const QString strOut = m_folder.filePath(QStringLiteral("sample-") + encoding);
    QProcess sample;
    sample.start(QStringLiteral(VEMO_SAMPLEDATA_BINARY),
                 {strOut, QStringLiteral("--records"), QStringLiteral("1500"), QStringLiteral("--encoding"),
                  encoding});
    QVERIFY(sample.waitForFinished(60000) && sample.exitCode() == 0);
    const QStringList slFiles = QDir(strOut).entryList({QStringLiteral("*Auftr*")}, QDir::Files);
    QVERIFY(!slFiles.isEmpty());
    QFile file(QDir(strOut).filePath(slFiles.first()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray baContent = file.readAll();

    QSqlDatabase db =
        database(backEnd, QStringLiteral("differential_") + QString::number(sortMode) + backEnd);
    ArchiveInput input{slFiles.first(), ListKind::Orders, baContent, {"WAB9", "S9"}, ARRIVED};
    QVERIFY(ArchiveImport::importFile(db, input).bOk());
    QSqlError error;
    QVERIFY(ArchiveView::bEnsureCustomerRanks(db, QStringLiteral("de_DE"), error));

    cSearchIndex index;
    QStringList slRowLines;
    vListRows(baContent, sortMode, index, slRowLines);
    QRandomGenerator random(42);
    // Wildcards of SQL's LIKE and its escape stand for themselves; the
    // list's own wildcards are a pattern (with texts between them, without,
    // and with brackets).
    QList<QByteArray> needles{"ü",  "Ä",      "MEY", "r: ", ") \nschlag: ", "\n", "x",
                              "45", "2014 0", "r_n", "%",   "e\\r"};
    needles << "Mü*er"
            << "k?hler"
            << "*"
            << "stopp: ?9.09"
            << "Sch*g: *(1)"
            << "[bk]auer"
            << "fahrer*ö*";
    for (int i = 0; i < 60; ++i) {
        const QString strText = index.strRowText(random.bounded(index.s32Rows()));
        const int s32Length = 1 + random.bounded(12);
        const int s32Start = random.bounded(qMax(1, strText.size() - s32Length));
        needles << strText.mid(s32Start, s32Length).toUpper().toUtf8();
    }
    const ArchiveView::EntryLayout layout = layoutFor(sortMode);
    for (const QByteArray& baTyped : qAsConst(needles)) {
        const QString strTyped = QString::fromUtf8(baTyped);
        QStringList slExpected = slListFinds(index, slRowLines, strTyped);
        std::sort(slExpected.begin(), slExpected.end());
        // Through the trigram index and along the list's order alike.
        for (const bool bTrigrams : {true, false}) {
            ArchiveView::Selection selection;
            cArchiveDisplay::vApplySearch(selection, strTyped);
            selection.s32SortMode = sortMode;
            selection.bTrigramFilter = bTrigrams;
            QStringList slFound;
            QVERIFY(ArchiveView::bForEach(
                db, selection, layout,
                [&](const ArchiveView::OrderRow& _row) {
                    slFound << _row.strLine;
                    return true;
                },
                error));
            std::sort(slFound.begin(), slFound.end());
            QVERIFY2(slFound == slExpected, qPrintable(QStringLiteral("needle \"%1\" (trigrams %2): %3 rows, "
                                                                      "expected %4")
                                                           .arg(QString::fromUtf8(baTyped))
                                                           .arg(bTrigrams)
                                                           .arg(slFound.size())
                                                           .arg(slExpected.size())));
        }
    }
}

QTEST_MAIN(tst_ArchiveView)
#include "tst_archiveview.moc"
