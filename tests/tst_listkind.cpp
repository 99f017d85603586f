#include "data/listkind.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(ListKind)

namespace
{

// A translation that renders the orders word as the English UI shows it.
class cEnglishOrders : public QTranslator
{
public:
    QString translate(const char* _pContext, const char* _pSource, const char* = nullptr,
                      int = -1) const override
    {
        if (QByteArray(_pContext) == "cHaupt" && QString::fromUtf8(_pSource) == QStringLiteral("Aufträge"))
            return QStringLiteral("Jobs");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_ListKind : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void kindOfFile_data();
    void kindOfFile();
    void translatedWord();
};

void tst_ListKind::kindOfFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ListKind>("kind");
    QTest::newRow("Aufträge") << QStringLiteral("Aufträge.csv") << ListKind::Orders;
    QTest::newRow("Auftraege") << "Auftraege_2014.csv" << ListKind::Orders;
    QTest::newRow("orders_2014") << "orders_2014.csv" << ListKind::Orders;
    QTest::newRow("Zakázky") << QStringLiteral("Zakázky.csv") << ListKind::Orders;
    QTest::newRow("zakázky") << QStringLiteral("zakázky.csv") << ListKind::Orders;
    QTest::newRow("ZAKÁZKY is none") << QStringLiteral("ZAKÁZKY.csv") << ListKind::None;
    QTest::newRow("Orders (case counts)") << "Orders.csv" << ListKind::None;
    QTest::newRow("Schläge und Aufträge") << QStringLiteral("Schläge und Aufträge.csv") << ListKind::Orders;
    QTest::newRow("Schläge") << QStringLiteral("Schläge.csv") << ListKind::Fields;
    QTest::newRow("Kunder_Pola") << "Kunder_Pola.csv" << ListKind::Fields;
    QTest::newRow("Fahrer_Kunden") << "Fahrer_Kunden.csv" << ListKind::Drivers;
    QTest::newRow("Förare") << QStringLiteral("Förare.csv") << ListKind::Drivers;
    QTest::newRow("Fører is none") << QStringLiteral("Fører.csv") << ListKind::None;
    QTest::newRow("Fører with tab") << QStringLiteral("Fører\tŘidič.csv") << ListKind::Drivers;
    QTest::newRow("Kunden") << "Kunden.csv" << ListKind::Customers;
    QTest::newRow("Müşteriler") << QStringLiteral("Müşteriler.csv") << ListKind::Customers;
    QTest::newRow("Statistik Saison") << "Statistik Saison.csv" << ListKind::Season;
    QTest::newRow("statistcs season") << "statistcs season.csv" << ListKind::Season;
    QTest::newRow("季节统计数据") << QStringLiteral("季节统计数据.csv") << ListKind::Season;
    QTest::newRow("Statistik Maschine 2014") << "Statistik Maschine 2014.csv" << ListKind::Machine;
    QTest::newRow("Makinenin istatistiği")
        << QStringLiteral("Makinenin istatistiği.csv") << ListKind::Machine;
    QTest::newRow("folder name does not count") << "/daten/orders/Kunden.csv" << ListKind::Customers;
    QTest::newRow("folder only") << "/daten/Fahrer/notiz.csv" << ListKind::None;
    QTest::newRow("other file") << "notiz.txt" << ListKind::None;
    QTest::newRow("empty") << "" << ListKind::None;
}

void tst_ListKind::kindOfFile()
{
    QFETCH(QString, name);
    QFETCH(ListKind, kind);
    QCOMPARE(ListNames::kindOfFile(name), kind);

    // The predicate of the found kind agrees; the kinds tested before it do not.
    const QVector<bool (*)(const QString&)> predicates{ListNames::bIsOrderList,  ListNames::bIsFieldList,
                                                       ListNames::bIsDriverList, ListNames::bIsCustomerList,
                                                       ListNames::bIsSeasonList, ListNames::bIsMachineList};
    const int s32Found = int(kind) - int(ListKind::Orders);
    for (int s32Index = 0; s32Index < predicates.size(); ++s32Index) {
        if (s32Index < s32Found || kind == ListKind::None)
            QVERIFY2(!predicates[s32Index](name), qPrintable(QString::number(s32Index)));
        else if (s32Index == s32Found)
            QVERIFY(predicates[s32Index](name));
    }
}

// Besides the fixed names, the word of the UI language names a list.
void tst_ListKind::translatedWord()
{
    QCOMPARE(ListNames::kindOfFile("Jobs 2014.csv"), ListKind::None);
    cEnglishOrders translator;
    QCoreApplication::installTranslator(&translator);
    const ListKind kind = ListNames::kindOfFile("Jobs 2014.csv");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(kind, ListKind::Orders);
}

QTEST_GUILESS_MAIN(tst_ListKind)
#include "tst_listkind.moc"
