#include "app/settingsstore.h"
#include "data/sortkeys.h"
#include "mainwindow/csortfiltermodel.h"
#include "mainwindow/listcolumns.h"
#include "testsupport.h"

#include <QStandardItemModel>
#include <QtTest>

// The list filter: search pattern, date range and sort order, first as pure
// decisions, then through the proxy over a small model.
class tst_SortFilter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void search_data();
    void search();
    void lessThan_data();
    void lessThan();
    void dateOfEntry_data();
    void dateOfEntry();
    void dateBounds_data();
    void dateBounds();
    void proxySortsAndFilters();
    void searchIndexFindsWhatContainsFinds_data();
    void searchIndexFindsWhatContainsFinds();
    void collationKeysSortAsTheLocale_data();
    void collationKeysSortAsTheLocale();
    void namesSortAsTheInterfaceLanguage_data();
    void namesSortAsTheInterfaceLanguage();
};

namespace
{

QString strOrderEntry(const QString& _strNumber, const QString& _strCustomer, const QString& _strStart)
{
    return QStringList{"Auftrags Nummer: " + _strNumber,
                       "Kunde: " + _strCustomer + " (1) ",
                       "Schlag: Acker (7)",
                       "Fahrer: Hans",
                       "Start: " + _strStart,
                       "Stopp: 01.10.2014 11:45",
                       "Reihenabstand: 45"}
        .join('\n');
}

} // namespace

void tst_SortFilter::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    const QString strMeier = strOrderEntry("1", "Meier", "01.10.2014 08:30");
    QTest::newRow("any line, any case") << strMeier << "meier" << true;
    QTest::newRow("wildcard star Meier") << strMeier << "m*r" << true;
    QTest::newRow("wildcard star Maier") << strOrderEntry("2", "Maier", "01.10.2014 08:30") << "m*r" << true;
    QTest::newRow("wildcard question mark") << strMeier << "M?ier" << true;
    QTest::newRow("not there") << strMeier << "Müller" << false;
    QTest::newRow("wildcard needs all its letters")
        << strOrderEntry("3", "Schulz", "01.10.2014 08:30") << "m*ier" << false;
    QTest::newRow("empty search matches all") << strMeier << "" << true;
    QTest::newRow("empty entry, empty search") << ""
                                               << "" << true;
    QTest::newRow("set") << strMeier << "M[ae]ier" << true;
    QTest::newRow("no valid pattern matches nothing") << strMeier << "[" << false;
}

void tst_SortFilter::search()
{
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(bool, found);
    const QRegExp pattern = SortFilter::searchPattern(typed);
    QCOMPARE(SortFilter::bAcceptsEntry(QString(), text, SortFilter::SearchMatcher(pattern), QDate(), QDate()),
             found);
    // The quick matcher finds exactly what the whole wildcard pattern finds.
    QCOMPARE(text.indexOf(pattern) != -1, found);
}

void tst_SortFilter::lessThan_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("less");
    QTest::newRow("9 < 10") << "9"
                            << "10" << true;
    QTest::newRow("10 < 100") << "10"
                              << "100" << true;
    QTest::newRow("100 > 9") << "100"
                             << "9" << false;
    QTest::newRow("non-numeric left counts 0") << "abc"
                                               << "10" << true;
    // A right text of "0" or no number compares as text, even for a numeric left.
    QTest::newRow("right 0: text compare") << "12"
                                           << "0" << false;
    QTest::newRow("right 0: text compare, 0 < 0 no") << "0"
                                                     << "0" << false;
    QTest::newRow("right text: text compare") << "7"
                                              << "Apfel (2)" << true;
    QTest::newRow("names") << "Apfel (2)"
                           << "Birne (1)" << true;
    QTest::newRow("names reversed") << "Birne (1)"
                                    << "Apfel (2)" << false;
}

void tst_SortFilter::lessThan()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(bool, less);
    QCOMPARE(SortFilter::bLessThan(left, right), less);
}

void tst_SortFilter::dateOfEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("start line") << strOrderEntry("1", "Meier", "01.10.2014 08:30") << QDate(2014, 10, 1);
    QTest::newRow("date without time") << strOrderEntry("1", "Meier", "24.12.2023") << QDate(2023, 12, 24);
    QTest::newRow("no start line") << "Auftrags Nummer: 1\nKunde: x" << QDate();
    QTest::newRow("malformed start") << strOrderEntry("1", "Meier", "gestern") << QDate();
    QTest::newRow("colon before the date") << strOrderEntry("1", "Meier", "ab:01.10.2014") << QDate();
    QTest::newRow("blank before the date") << strOrderEntry("1", "Meier", " 01.10.2014") << QDate();
    QTest::newRow("time glued to the year")
        << strOrderEntry("1", "Meier", "01.10.2014:08") << QDate(2014, 10, 1);
    QTest::newRow("two parts") << strOrderEntry("1", "Meier", "01.10 08:00") << QDate();
}

void tst_SortFilter::dateOfEntry()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(SortFilter::dateOfEntryText(text), date);
    // Read from the start value alone, as the list builder does.
    const QString strValue = text.section('\n', 4, 4).section(": ", 1);
    QCOMPARE(SortFilter::dateOfStartValue(QStringRef(&strValue)), date);
}

void tst_SortFilter::dateBounds_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("min");
    QTest::addColumn<QDate>("max");
    QTest::addColumn<bool>("inRange");
    const QDate von(2014, 10, 1);
    const QDate bis(2014, 10, 31);
    QTest::newRow("on Von") << von << von << bis << true;
    QTest::newRow("on Bis") << bis << von << bis << true;
    QTest::newRow("day before Von") << von.addDays(-1) << von << bis << false;
    QTest::newRow("day after Bis") << bis.addDays(1) << von << bis << false;
    QTest::newRow("invalid date, range set") << QDate() << von << bis << false;
    QTest::newRow("no range") << QDate() << QDate() << QDate() << true;
    QTest::newRow("only Von") << QDate(2030, 1, 1) << von << QDate() << true;
}

void tst_SortFilter::dateBounds()
{
    QFETCH(QDate, date);
    QFETCH(QDate, min);
    QFETCH(QDate, max);
    QFETCH(bool, inRange);
    QCOMPARE(SortFilter::bDateInRange(date, min, max), inRange);
    cSortFilterModel proxy;
    proxy.setFilterMinimumDate(min);
    proxy.setFilterMaximumDate(max);
    QCOMPARE(proxy.dateInRange(date), inRange);
}

void tst_SortFilter::proxySortsAndFilters()
{
    QStandardItemModel model;
    const struct {
        const char* number;
        const char* customer;
        const char* start;
        const char* customerNumber;
    } orders[] = {{"100", "Meier", "03.10.2014 08:00", "4711"},
                  {"9", "Maier", "01.10.2014 08:00", "4712"},
                  {"10", "Schulz", "02.10.2014 08:00", "4711"}};
    for (const auto& order : orders) {
        auto* pEntry = new QStandardItem(strOrderEntry(order.number, order.customer, order.start));
        pEntry->setData(QString(order.customerNumber), ListColumns::CUSTOMER_NUMBER_ROLE);
        model.appendRow({pEntry, new QStandardItem("1,000 ha"), new QStandardItem(SortFilter::ORDER_MARKER),
                         new QStandardItem(order.number)});
    }
    // A customers row carries no marker: the dates never hide it.
    model.appendRow(new QStandardItem("Kunden Nummer: 5\nKunden Name: Meier"));

    cSortFilterModel proxy;
    proxy.setSourceModel(&model);
    proxy.sort(3, Qt::AscendingOrder);
    auto keys = [&] {
        QStringList sl;
        for (int r = 0; r < proxy.rowCount(); ++r)
            sl << proxy.index(r, 3).data().toString();
        return sl;
    };
    QCOMPARE(keys(), (QStringList{"", "9", "10", "100"}));

    proxy.setFilterRegExp(SortFilter::searchPattern("m*ier"));
    QCOMPARE(keys(), (QStringList{"", "9", "100"}));

    proxy.setFilterDateRange(QDate(2014, 10, 2), QDate(2014, 10, 3));
    QCOMPARE(keys(), (QStringList{"", "100"}));
    proxy.setFilterRegExp(SortFilter::searchPattern(""));
    QCOMPARE(keys(), (QStringList{"", "10", "100"}));

    // One customer's orders by number, with the dates; rows of no order stay.
    proxy.vSetCustomerNumber("4712");
    QCOMPARE(keys(), (QStringList{""}));
    proxy.setFilterDateRange(QDate(), QDate());
    QCOMPARE(keys(), (QStringList{"", "9"}));
    proxy.vSetCustomerNumber("471");
    QCOMPARE(keys(), (QStringList{""}));
    // A changed number is read anew.
    proxy.vSetCustomerNumber("4711");
    QCOMPARE(keys(), (QStringList{"", "10", "100"}));
    model.item(1)->setData(QString("4711"), ListColumns::CUSTOMER_NUMBER_ROLE);
    QCOMPARE(keys(), (QStringList{"", "9", "10", "100"}));
    proxy.vSetCustomerNumber(QString());
    QCOMPARE(keys(), (QStringList{"", "9", "10", "100"}));
}

void tst_SortFilter::searchIndexFindsWhatContainsFinds_data()
{
    QTest::addColumn<QString>("typed");
    for (const char* pTyped :
         {"bc",   "ab", "c",    "MÜLLER", "straße", "STRASSE", "σας", "ΣΑΣ",          "\n",
          "d\ne", "x",  "abcd", "İ",      "ǅ",      "xyz@[",   "`{",  "opqrstuvwxyz", "müller äöü abc",
          "@a",   "z[", "zz",   "k",      "KEL",    "s",       "ſtr"})
        QTest::newRow(pTyped) << QString::fromUtf8(pTyped);
}

void tst_SortFilter::searchIndexFindsWhatContainsFinds()
{
    // Rows lie side by side in the index: a hit across two rows is no hit.
    QFETCH(QString, typed);
    const QStringList slRows{"ab", "cd", "abc", "bcx", "", QString::fromUtf8("Müller"), "d\ne", "MÜLLER",
                             QString::fromUtf8("Straße"), QString::fromUtf8("ΣΑΣ σας"), "x",
                             QString::fromUtf8("ǆ dz İi"), "ab",
                             QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZ@[`{ Müller ÄÖÜ ABCDEFGHIJ"),
                             "@@@@@@@@A[[[[[[[[Z````````{{{{{{{{",
                             // Kelvin sign and long s fold to plain ASCII letters.
                             QString::fromUtf8("\u212Aelvin"), QString::fromUtf8("\u017Ftraße")};
    cSearchIndex index;
    for (const QString& strRow : slRows)
        index.vAppendRow(strRow);
    const std::vector<char> found = index.rowsContaining(cSearchIndex::baFolded(typed));
    QCOMPARE(int(found.size()), slRows.size());
    for (int r = 0; r < slRows.size(); ++r)
        QCOMPARE(bool(found[size_t(r)]), slRows.at(r).contains(typed, Qt::CaseInsensitive));
}

void tst_SortFilter::collationKeysSortAsTheLocale_data()
{
    QTest::addColumn<QStringList>("keys");
    // Mostly names: each distinct text is placed once; mostly numbers: the
    // few texts are compared one by one.
    QTest::newRow("mostly names") << QStringList{QString::fromUtf8("Müller (3)"),
                                                 "Mueller (2)",
                                                 "muller (1)",
                                                 "Zander (4)",
                                                 QString::fromUtf8("Ärger (5)"),
                                                 "Arger (6)",
                                                 "10",
                                                 "9",
                                                 "0",
                                                 "abc",
                                                 "",
                                                 "100",
                                                 "-5",
                                                 QString::fromUtf8("Øster (7)"),
                                                 "Oster (8)",
                                                 "oster (9)",
                                                 "9",
                                                 "Zander (4)"};
    QTest::newRow("mostly numbers") << QStringList{
        "12", "3", "abc", "7", "", "0", "100", "Abc", "-1", "5", QString::fromUtf8("äbc"), "8", "3", "11"};
}

void tst_SortFilter::collationKeysSortAsTheLocale()
{
    // The sort keys compare collation keys made once per row or ranks made
    // once per text; the order must be the one the plain comparison gives.
    QFETCH(QStringList, keys);
    cSortKeys sortKeys;
    QVector<int> expected;
    for (int i = 0; i < keys.size(); ++i) {
        sortKeys.vAppend(keys.at(i));
        expected << i;
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [&](int a, int b) { return SortFilter::bLessThan(keys.at(a), keys.at(b)); });
    QCOMPARE(sortKeys.stableOrder(), expected);
}

void tst_SortFilter::namesSortAsTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("German") << "" << QStringList{"Abel", "Ärger", "Bäumer", "Brüggemann GbR", "Zander"};
    QTest::newRow("English") << "Englisch"
                             << QStringList{"Abel", "Ärger", "Bäumer", "Brüggemann GbR", "Zander"};
    // Swedish places Ä after Z, and ü with y.
    QTest::newRow("Swedish") << "Schwedisch"
                             << QStringList{"Abel", "Brüggemann GbR", "Bäumer", "Zander", "Ärger"};
}

void tst_SortFilter::namesSortAsTheInterfaceLanguage()
{
    // Whatever the system's locale (here the C locale, which compares code
    // units and so puts "Bä" behind "Br"), names sort as the interface
    // language sorts them, once its locale is applied at start-up.
    QFETCH(QString, language);
    QFETCH(QStringList, sorted);
    QLocale::setDefault(QLocale::c());
    QVERIFY(!SortFilter::bLessThan(QString::fromUtf8("Bäumer"), "Brüggemann GbR"));
    SettingsStore::LANGUAGE.vSet(language);
    SettingsStore::vApplyInterfaceLocale();
    QStringList shuffled{"Zander", QString::fromUtf8("Brüggemann GbR"), QString::fromUtf8("Ärger"), "Abel",
                         QString::fromUtf8("Bäumer")};
    QStringList byLessThan = shuffled;
    std::stable_sort(byLessThan.begin(), byLessThan.end(), SortFilter::bLessThan);
    QCOMPARE(byLessThan, sorted);
    cSortKeys keys;
    keys.vClear();
    for (const QString& strName : shuffled)
        keys.vAppend(strName);
    QStringList byKeys;
    for (int row : keys.stableOrder())
        byKeys << shuffled.at(row);
    QCOMPARE(byKeys, sorted);
    SettingsStore::LANGUAGE.vSet(QString());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

QTEST_MAIN(tst_SortFilter)
#include "tst_sortfilter.moc"
