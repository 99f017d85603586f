#include "app/pageframe.h"
#include "app/wiring.h"
#include "mainwindow/chaupt.h"
#include "statistics/cgrafischeruebersicht.h"
#include "statistics/chauptuebersicht.h"
#include "statistics/corderpageset.h"
#include "statistics/cpiechart.h"
#include "statistics/cstreckeaufteilung.h"
#include "statistics/cverbrauch.h"
#include "statistics/czeitaufteilung.h"
#include "statistics/ordernavigation.h"
#include "testsupport.h"

#include <QLabel>
#include <QLayout>
#include <QtTest>

using OrderNavigation::Action;
Q_DECLARE_METATYPE(OrderNavigation::Action)

namespace
{

// An order record of 44 fields with the given ones set.
QString record(const QMap<int, QString>& _fields)
{
    QStringList fields;
    for (int i = 0; i < 44; ++i)
        fields << _fields.value(i);
    return fields.join(';');
}

QString text(QWidget* _pPage, const char* _strLabel)
{
    auto* label = _pPage->findChild<QLabel*>(_strLabel);
    return label ? label->text() : QStringLiteral("<no %1>").arg(_strLabel);
}

const char* const OVERVIEW_ORDER[] = {"label_HektarProStunde",      "label_KmH",
                                      "label_MeterProHektar",       "label_LiterProHektarRoden",
                                      "label_LiterProHektarGesamt", "label_BunkerProHektar"};
const char* const OVERVIEW_AVERAGE[] = {"label_HektarProStundeDursch",      "label_kmhDursch",
                                        "label_MeterProHektarDursch",       "label_LitarProHektarRodenDursch",
                                        "label_LitarProHektarGesamtDursch", "label_BunkerProHektar_Dursch"};

} // namespace

class tst_OrderPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void swipeDecision_data();
    void swipeDecision();
    void keyDecision();
    void neighbourOrder_data();
    void neighbourOrder();
    void overviewFigures();
    void timeSplitLabels_data();
    void timeSplitLabels();
    void consumption();
    void valuesKeepTheirText_data();
    void valuesKeepTheirText();
    void distanceSplit();
    void unknownOrderShowsNoData();
    void swipesOnThePage();

private:
    void vPresent(const QString& _strRecord, int _s32Line = 1);

    QString m_strOrderA; // 4,5 ha, 1:30 field time, 2,1 km harvested in 1:00
    QString m_strOrderB; // area 0
    QString m_strOrderC;
};

void tst_OrderPages::initTestCase()
{
    TestSupport::vIsolate();
    // The pages hand the screen and the list to each other as in the application.
    Wiring::vConnectPages();
    m_strOrderA = record({{0, "1001"},
                          {10, "45000"},
                          {11, "1:30"},
                          {16, "3000"},
                          {17, "2100"},
                          {19, "90000"},
                          {30, "1:00"},
                          {33, "450"},
                          {37, "45000"},
                          {42, "1234:00"},
                          {43, "987:00"},
                          {8, "01.09.2020 08:00"}});
    m_strOrderB = record({{0, "1002"}, {10, "0"}, {16, "5000"}, {19, "7000"}, {8, "02.09.2020 08:00"}});
    m_strOrderC = record({{0, "1003"}, {10, "10000"}, {11, "1:00"}, {8, "03.09.2020 08:00"}});
    // The main window owns the lines and the totals of the orders file.
    const QString header = record({{0, "Auftrags Nummer"}});
    const QString path = TestSupport::strWriteFile(
        TestSupport::strHome() + "/Auftraege.csv",
        (QStringList{header, m_strOrderA, m_strOrderB, m_strOrderC}.join('\n') + '\n').toLatin1());
    cHaupt::instance()->strOpenListFile(path);
    QCOMPARE(cHaupt::instance()->slLines().value(2), m_strOrderB);
}

void tst_OrderPages::vPresent(const QString& _strRecord, int _s32Line)
{
    cZeitAufteilung::instance()->vReceiveTextAndPresent(_strRecord, _s32Line, 0);
    for (OrderNavigation::Page page :
         {OrderNavigation::Page::Overview, OrderNavigation::Page::Consumption,
          OrderNavigation::Page::DistanceSplit, OrderNavigation::Page::Comparison})
        OrderPages::pPage(page)->vTakeDataAndPresent();
}

void tst_OrderPages::swipeDecision_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<Action>("action");
    const int T = 120;
    QTest::newRow("exactly T right") << T << 0 << Action::None;
    QTest::newRow("T+1 right: previous order") << T + 1 << 0 << Action::PreviousOrder;
    QTest::newRow("T+1 left: next order") << -(T + 1) << 0 << Action::NextOrder;
    QTest::newRow("exactly T up") << 0 << -T << Action::None;
    QTest::newRow("T+1 down: lower page") << 0 << T + 1 << Action::LowerPage;
    QTest::newRow("T+1 up: upper page") << 0 << -(T + 1) << Action::UpperPage;
    QTest::newRow("diagonal changes the order") << -(T + 1) << T + 50 << Action::NextOrder;
    QTest::newRow("small diagonal") << T << -T << Action::None;
}

void tst_OrderPages::swipeDecision()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(Action, action);
    QCOMPARE(OrderNavigation::s32SwipeThreshold(600), 120);
    QCOMPARE(OrderNavigation::swipeAction(dx, dy, 120), action);
}

void tst_OrderPages::keyDecision()
{
    QCOMPARE(OrderNavigation::keyAction(Qt::Key_Right), Action::NextOrder);
    QCOMPARE(OrderNavigation::keyAction(Qt::Key_Left), Action::PreviousOrder);
    QCOMPARE(OrderNavigation::keyAction(Qt::Key_Up), Action::LowerPage);
    QCOMPARE(OrderNavigation::keyAction(Qt::Key_Down), Action::UpperPage);
    QCOMPARE(OrderNavigation::keyAction(Qt::Key_X), Action::Leave);
    QCOMPARE(OrderNavigation::keyAction(Qt::Key_A), Action::None);
    // The downward swipe runs through all five pages and back.
    OrderNavigation::Page page = OrderNavigation::Page::Overview;
    for (int i = 0; i < 5; ++i) {
        const OrderNavigation::Page next = OrderNavigation::lowerNeighbour(page);
        QCOMPARE(OrderNavigation::upperNeighbour(next), page);
        page = next;
    }
    QCOMPARE(page, OrderNavigation::Page::Overview);
}

void tst_OrderPages::neighbourOrder_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("target");
    QTest::newRow("previous on the first record") << 1 << -1 << 1 << -1;
    QTest::newRow("next") << 1 << 1 << 1 << 2;
    QTest::newRow("next skips an empty line") << 2 << 1 << 1 << 4;
    QTest::newRow("next on the last record") << 4 << 1 << 1 << -1;
    QTest::newRow("sorted list starts at 0") << 1 << -1 << 0 << 0;
}

void tst_OrderPages::neighbourOrder()
{
    QFETCH(int, current);
    QFETCH(int, step);
    QFETCH(int, first);
    QFETCH(int, target);
    const QStringList lines{"header", "r1", "r2", "", "r3", ""};
    QCOMPARE(OrderNavigation::s32NeighbourOrder(lines, current, step, first), target);
}

void tst_OrderPages::overviewFigures()
{
    cHauptUebersicht* page = cHauptUebersicht::instance();
    vPresent(m_strOrderA);
    QCOMPARE(text(page, "label_HektarProStunde"), QString("3,000"));
    QCOMPARE(text(page, "label_KmH"), QString("2,1"));
    QCOMPARE(text(page, "label_Rodeflaeche"), QString("4,500 ha"));
    // B has no area and adds nothing: 60 * 5,5 ha / 150 min, 2,1 km in 60 min.
    QCOMPARE(text(page, "label_HektarProStundeDursch"), QString("2,200"));
    QCOMPARE(text(page, "label_kmhDursch"), QString("2,1"));

    vPresent(m_strOrderB, 2);
    for (const char* label : OVERVIEW_ORDER)
        QCOMPARE(text(page, label), QString("-"));
    for (const char* label : OVERVIEW_AVERAGE)
        QVERIFY2(text(page, label) != "-", label);
    QCOMPARE(text(page, "label_HektarProStundeDursch"), QString("2,200"));

    // The comparison chart: order C has 1 ha/h against 2,2.
    vPresent(m_strOrderC, 3);
    const QVector<ChartGeometry::BarRow>& rows = cGrafischerUebersicht::instance()->rows();
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows[0].strText, QString("ha/h :  -54,55%"));
    QCOMPARE(rows[0].orderColour, ChartGeometry::BAR_BAD);
    QVERIFY(!cGrafischerUebersicht::instance()->grab().isNull());
}

void tst_OrderPages::timeSplitLabels_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unload");
    QTest::addColumn<QString>("harvest");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("unloading");
    QTest::addColumn<QString>("harvesting");
    QTest::newRow("3:00 0:30 2:00") << "3:00"
                                    << "0:30"
                                    << "2:00"
                                    << "Zeit Rest: 00:30 h"
                                    << "Zeit Entladen: 00:30 h"
                                    << "Zeit Roden: 02:00 h";
    QTest::newRow("negative rest") << "1:00"
                                   << "0:30"
                                   << "1:00"
                                   << "Zeit Rest: -"
                                   << "Zeit Entladen: 00:30 h"
                                   << "Zeit Roden: 01:00 h";
    QTest::newRow("300 hours") << "310:05"
                               << "0:00"
                               << "300:00"
                               << "Zeit Rest: 10:05 h"
                               << "Zeit Entladen: 00:00 h"
                               << "Zeit Roden: 300:00 h";
    // Unloading and harvesting of the largest durations: the rest is far
    // below zero, not a wrapped-around small time.
    QTest::newRow("rest below the int range") << "1:00"
                                              << "35791394:07"
                                              << "35791394:07"
                                              << "Zeit Rest: -"
                                              << "Zeit Entladen: 35791394:07 h"
                                              << "Zeit Roden: 35791394:07 h";
}

void tst_OrderPages::timeSplitLabels()
{
    QFETCH(QString, field);
    QFETCH(QString, unload);
    QFETCH(QString, harvest);
    cZeitAufteilung* page = cZeitAufteilung::instance();
    page->vReceiveTextAndPresent(record({{0, "7"}, {10, "10000"}, {11, field}, {13, unload}, {30, harvest}}),
                                 1, 0);
    QTEST(text(page, "label_Zeit_Rest"), "rest");
    QTEST(text(page, "label_Zeit_Entladen"), "unloading");
    QTEST(text(page, "label_Zeit_Roden"), "harvesting");
    QCOMPARE(page->findChild<cPieChartZeit*>("widget")->sectors().size(), 3);
}

void tst_OrderPages::consumption()
{
    // Road: 12 l in 25 minutes over 10 km. Field: fuel but no minutes or area.
    vPresent(record({{0, "9"}, {18, "10000"}, {20, "12000"}, {14, "0:25"}, {19, "5000"}, {11, "6:15"}}));
    cVerbrauch* page = cVerbrauch::instance();
    QCOMPARE(text(page, "label_verbrauch_zeit_strasse"), QString("28,8 l/h"));
    QCOMPARE(text(page, "label_verbrauch_km_strasse"), QString("1,2 l/km"));
    QCOMPARE(text(page, "label_Zeit_Strasse"), QString("00:25 h"));
    // Distances with the three decimals of the CSV and the reports.
    QCOMPARE(text(page, "label_Strasse_Strecke"), QString("10,000 km"));
    QCOMPARE(text(page, "label_Zeit_Feld"), QString("06:15 h"));
    QCOMPARE(text(page, "label_verbrauch_zeit_feld"), QString("0,8 l/h"));
    QCOMPARE(text(page, "label_verbrauch_hektar_feld"), QString("-"));

    // No road fuel: zero consumption even without minutes and distance.
    vPresent(record({{0, "9"}, {11, "10:05"}}));
    QCOMPARE(text(page, "label_verbrauch_zeit_strasse"), QString("0,0 l/h"));
    QCOMPARE(text(page, "label_verbrauch_km_strasse"), QString("0,0 l/km"));
    QCOMPARE(text(page, "label_Zeit_Feld"), QString("10:05 h"));
}

void tst_OrderPages::valuesKeepTheirText_data()
{
    // The page fills the 800 x 600 test screen in either orientation, or a
    // screen of 5:4.
    QTest::addColumn<QSize>("size");
    QTest::newRow("landscape 4:3") << QSize(800, 600);
    QTest::newRow("landscape 5:4") << QSize(750, 600);
    QTest::newRow("portrait") << QSize(600, 800);
}

void tst_OrderPages::valuesKeepTheirText()
{
    // Long figures beside the long row titles of a translation: the titles
    // may wrap, but no figure may be cut or pushed off the page.
    QFETCH(QSize, size);
    cVerbrauch* page = cVerbrauch::instance();
    const QMap<QString, QString> titles{{"label_StreckeTitel", "Distance"},
                                        {"label_ZeitTitel", "Temps"},
                                        {"label_VerbrauchTitel", "Consommation"},
                                        {"label_VerbrauchZeitTitel", "Consommation [l/h]"},
                                        {"label_VerbrauchHektarTitel", "Consommation/ha"},
                                        {"label_VerbrauchKmTitel", "Consommation/km"}};
    QMap<QString, QString> before;
    for (auto it = titles.cbegin(); it != titles.cend(); ++it) {
        auto* title = page->findChild<QLabel*>(it.key());
        before.insert(it.key(), title->text());
        title->setText(it.value());
    }
    vPresent(record({{0, "9"},
                     {16, "43892"},
                     {18, "34800"},
                     {19, "72592800"},
                     {20, "3304200"},
                     {11, "1802:47"},
                     {14, "262:30"},
                     {10, "19945"}}));
    page->show();
    page->resize(size);
    page->layout()->activate();
    for (const char* name :
         {"label_Feld_Strecke", "label_Strasse_Strecke", "label_Zeit_Feld", "label_Zeit_Strasse",
          "label_Verbrauch_feld", "label_Verbrauch_strasse", "label_verbrauch_zeit_feld",
          "label_verbrauch_zeit_strasse", "label_verbrauch_hektar_feld", "label_verbrauch_km_strasse"}) {
        auto* label = page->findChild<QLabel*>(name);
        QVERIFY2(label->width() >= label->minimumSizeHint().width(),
                 qPrintable(QString("%1 '%2' is %3 px, needs %4")
                                .arg(name, label->text())
                                .arg(label->width())
                                .arg(label->minimumSizeHint().width())));
        QVERIFY2(page->rect().contains(QRect(label->mapTo(page, QPoint()), label->size())), name);
    }
    page->hide();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        page->findChild<QLabel*>(it.key())->setText(it.value());
}

void tst_OrderPages::distanceSplit()
{
    vPresent(record({{0, "5"}, {16, "8000"}, {17, "6000"}, {18, "2000"}}));
    cStreckeAufteilung* page = cStreckeAufteilung::instance();
    QCOMPARE(text(page, "label_Strecke_Leerfahrt"), QString("Leerfahrt: 2,000 km"));
    QCOMPARE(text(page, "label_Strecke_Roden"), QString("Roden: 6,000 km"));
    QCOMPARE(text(page, "label_Strecke_Strasse"), QString("Anfahrt: 2,000 km"));
    auto* pie = page->findChild<cPieChartStrecke*>("widget");
    QCOMPARE(pie->sectors().size(), 3);
    QCOMPARE(pie->sectors()[2].dSpan, 216.0);

    page->vReset();
    QVERIFY(pie->sectors().isEmpty());
}

void tst_OrderPages::unknownOrderShowsNoData()
{
    vPresent(m_strOrderA);
    // The main window found no line for the tapped order.
    vPresent(QString(), 99);
    QVERIFY(cZeitAufteilung::instance()->currentOrder().bEmpty());
    for (const char* label : OVERVIEW_ORDER)
        QCOMPARE(text(cHauptUebersicht::instance(), label), QString("-"));
    QCOMPARE(text(cHauptUebersicht::instance(), "label_Rodeflaeche"), QString("-"));
    QCOMPARE(text(cVerbrauch::instance(), "label_Verbrauch_feld"), QString("-"));
    QCOMPARE(text(cZeitAufteilung::instance(), "label_Zeit_Roden"), QString("Zeit Roden: -"));
    QVERIFY(cStreckeAufteilung::instance()->findChild<cPieChartStrecke*>("widget")->sectors().isEmpty());
    QVERIFY(cZeitAufteilung::instance()->findChild<cPieChartZeit*>("widget")->sectors().isEmpty());
    QVERIFY(cGrafischerUebersicht::instance()->rows().isEmpty());
}

void tst_OrderPages::swipesOnThePage()
{
    cHauptUebersicht* page = cHauptUebersicht::instance();
    vPresent(m_strOrderA, 1);
    page->show();
    const int T = OrderNavigation::s32SwipeThreshold(PageFrame::s32ScreenUnit());
    const QPoint start(page->width() / 2, page->height() / 2);
    const auto swipe = [&](int _dx, int _dy) {
        QTest::mousePress(page, Qt::LeftButton, {}, start);
        QTest::mouseRelease(page, Qt::LeftButton, {}, start + QPoint(_dx, _dy));
    };
    const auto orderNumber = [] { return cZeitAufteilung::instance()->currentOrder().s32OrderNumber; };

    swipe(T + 1, 0); // previous on the first record: nothing
    QCOMPARE(orderNumber(), 1);
    swipe(-T, 0); // exactly T: nothing
    QCOMPARE(orderNumber(), 1);
    swipe(-(T + 1), T + 1); // diagonal: next order, same page
    QCOMPARE(orderNumber(), 2);
    QCOMPARE(text(page, "label_HektarProStunde"), QString("-"));
    QVERIFY(page->isVisible());
    // A second release without a new press does nothing.
    QTest::mouseRelease(page, Qt::LeftButton, {}, start - QPoint(T + 1, 0));
    QCOMPARE(orderNumber(), 2);

    swipe(0, T + 1); // down: the consumption page
    QVERIFY(!page->isVisible());
    QVERIFY(cVerbrauch::instance()->isVisible());
    QTest::keyRelease(cVerbrauch::instance(), Qt::Key_Down); // upper neighbour: back to the overview
    QVERIFY(page->isVisible());
    QTest::keyRelease(page, Qt::Key_Right);
    QCOMPARE(orderNumber(), 3);
    QTest::keyRelease(page, Qt::Key_X);
    QVERIFY(!page->isVisible());
    QVERIFY(cHaupt::instance()->isVisible());
}

QTEST_MAIN(tst_OrderPages)
#include "tst_orderpages.moc"
