#include "statistics/chartgeometry.h"
#include "testsupport.h"

#include <QtTest>

using namespace ChartGeometry;

Q_DECLARE_METATYPE(ChartGeometry::Rgb)

class tst_ChartGeometry : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void pieSquare_data();
    void pieSquare();
    void distancePie();
    void farOutOfRangeStaysOnTheCircle_data();
    void farOutOfRangeStaysOnTheCircle();
    void timePie_data();
    void timePie();
    void barRow_data();
    void barRow();
    void barGeometryStaysInside();
};

void tst_ChartGeometry::pieSquare_data()
{
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<QRect>("square");
    QTest::newRow("square 900") << QSize(900, 900) << QRect(100, 100, 700, 700);
    QTest::newRow("portrait") << QSize(450, 900) << QRect(50, 275, 350, 350);
    // A wide widget keeps the pie inside its height.
    QTest::newRow("landscape") << QSize(900, 450) << QRect(275, 50, 350, 350);
}

void tst_ChartGeometry::pieSquare()
{
    QFETCH(QSize, widget);
    QFETCH(QRect, square);
    QCOMPARE(ChartGeometry::pieSquare(widget), square);
}

void tst_ChartGeometry::distancePie()
{
    // Field 8 km with 6 km harvesting, road 2 km: empty runs 72, road 72,
    // harvesting 216 degrees, one after the other.
    const QVector<PieSector> sectors = ChartGeometry::distancePie(8, 6, 2);
    QCOMPARE(sectors.size(), 3);
    QCOMPARE(sectors[0].colour, EMPTY_RUN);
    QCOMPARE(sectors[0].dSpan, 72.0);
    QCOMPARE(sectors[1].colour, ROAD);
    QCOMPARE(sectors[1].s32Start16(), 16 * 72);
    QCOMPARE(sectors[1].dSpan, 72.0);
    QCOMPARE(sectors[2].colour, HARVEST_DISTANCE);
    QCOMPARE(sectors[2].s32Start16(), 16 * 144);
    QCOMPARE(sectors[2].s32Span16(), 16 * 216);

    QVERIFY(ChartGeometry::distancePie(0, 0, 0).isEmpty());
    // Harvesting longer than the field distance: a negative empty run, as computed.
    QVERIFY(ChartGeometry::distancePie(4, 6, 0)[0].dSpan < 0);
}

void tst_ChartGeometry::farOutOfRangeStaysOnTheCircle_data()
{
    // Distances as a list file can carry them: whole metres up to the int range.
    QTest::addColumn<float>("field");
    QTest::addColumn<float>("harvest");
    QTest::addColumn<float>("road");
    QTest::newRow("1 m field, 2147 km harvesting") << 0.001f << 2147483.6f << 0.0f;
    QTest::newRow("harvesting far below zero") << 0.001f << -2147483.6f << 0.0f;
    QTest::newRow("road far below zero") << 2147483.0f << 0.0f << -2147482.0f;
    QTest::newRow("float extremes") << 1e-30f << 3e38f << 0.0f;
}

void tst_ChartGeometry::farOutOfRangeStaysOnTheCircle()
{
    QFETCH(float, field);
    QFETCH(float, harvest);
    QFETCH(float, road);
    const QVector<PieSector> sectors = ChartGeometry::distancePie(field, harvest, road);
    QVERIFY(!sectors.isEmpty());
    for (const PieSector& sector : sectors) {
        QVERIFY2(qAbs(qint64(sector.s32Span16())) <= 16 * 360, qPrintable(QString::number(sector.dSpan)));
        QVERIFY2(qAbs(qint64(sector.s32Start16())) < 16 * 360, qPrintable(QString::number(sector.dStart)));
    }
}

void tst_ChartGeometry::timePie_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("unload");
    QTest::addColumn<int>("harvest");
    QTest::addColumn<QVector<double>>("spans"); // rest, unloading, harvesting
    QTest::newRow("3:00 0:30 2:00") << 180 << 30 << 120 << QVector<double>{60, 60, 240};
    QTest::newRow("no field time") << 0 << 30 << 120 << QVector<double>{};
    QTest::newRow("unloading and harvesting too long") << 60 << 30 << 90 << QVector<double>{0, 90, 270};
}

void tst_ChartGeometry::timePie()
{
    QFETCH(int, field);
    QFETCH(int, unload);
    QFETCH(int, harvest);
    QFETCH(QVector<double>, spans);
    const QVector<PieSector> sectors = ChartGeometry::timePie(field, unload, harvest);
    QCOMPARE(sectors.size(), spans.size());
    double dStart = 0;
    const Rgb colours[] = {REST_TIME, UNLOAD_TIME, HARVEST_TIME};
    for (int i = 0; i < sectors.size(); ++i) {
        QCOMPARE(sectors[i].colour, colours[i]);
        QCOMPARE(sectors[i].dStart, dStart);
        QCOMPARE(sectors[i].dSpan, spans[i]);
        dStart += spans[i];
    }
}

void tst_ChartGeometry::barRow_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QVariant>("order");   // float or invalid (no value)
    QTest::addColumn<QVariant>("average"); // float or invalid
    QTest::addColumn<double>("orderUnits");
    QTest::addColumn<double>("averageUnits");
    QTest::addColumn<ChartGeometry::Rgb>("colour");
    QTest::addColumn<QString>("text");

    QTest::newRow("ha/h above average") << int(HectaresPerHour) << QVariant(3.0f) << QVariant(2.4f) << 100.0
                                        << 80.0 << BAR_GOOD << "ha/h :  +25,00%";
    QTest::newRow("ha/h below average") << int(HectaresPerHour) << QVariant(2.4f) << QVariant(3.0f) << 80.0
                                        << 100.0 << BAR_BAD << "ha/h :  -20,00%";
    QTest::newRow("equal: no text") << int(FieldFuelPerHectare) << QVariant(2.5f) << QVariant(2.5f) << 100.0
                                    << 100.0 << BAR_BAD << "";
    QTest::newRow("fuel below average is good")
        << int(HarvestFuelPerHectare) << QVariant(1.0f) << QVariant(2.0f) << 50.0 << 100.0 << BAR_GOOD
        << "l/ha Roden:  -50,00%";
    QTest::newRow("empty runs above average are bad")
        << int(EmptyRunMetresPerHectare) << QVariant(4.0f) << QVariant(2.0f) << 100.0 << 50.0 << BAR_BAD
        << "m/ha leer:  +100,00%";
    QTest::newRow("speed above average is bad") << int(HarvestSpeed) << QVariant(6.0f) << QVariant(5.0f)
                                                << 100.0 << 100.0 * 5 / 6 << BAR_BAD << "km/h:  +20,00%";
    QTest::newRow("speed equal is good")
        << int(HarvestSpeed) << QVariant(5.0f) << QVariant(5.0f) << 100.0 << 100.0 << BAR_GOOD << "";
    QTest::newRow("zero average: no text")
        << int(HectaresPerHour) << QVariant(2.0f) << QVariant(0.0f) << 100.0 << 0.0 << BAR_GOOD << "";
    QTest::newRow("no average: no text")
        << int(HectaresPerHour) << QVariant(2.0f) << QVariant() << 100.0 << 0.0 << BAR_GOOD << "";
    QTest::newRow("order without value")
        << int(HectaresPerHour) << QVariant() << QVariant(2.0f) << 0.0 << 100.0 << BAR_BAD << "ha/h :  -";
    // Bunker loads within 25 % of the average stretch to the 125 scale.
    QTest::newRow("bunker within 25 %") << int(BunkerLoadsPerHectare) << QVariant(1.1f) << QVariant(1.0f)
                                        << 125.0 << 125.0 / 1.1 << BAR_GOOD << "Bunker/ha:  +10,00%";
    QTest::newRow("bunker 25 % off") << int(BunkerLoadsPerHectare) << QVariant(1.25f) << QVariant(1.0f)
                                     << 100.0 << 80.0 << BAR_GOOD << "Bunker/ha:  +25,00%";
    QTest::newRow("bunker all zero") << int(BunkerLoadsPerHectare) << QVariant(0.0f) << QVariant(0.0f) << 0.0
                                     << 0.0 << BAR_GOOD << "";
}

void tst_ChartGeometry::barRow()
{
    QFETCH(int, figure);
    QFETCH(QVariant, order);
    QFETCH(QVariant, average);
    QFETCH(double, orderUnits);
    QFETCH(double, averageUnits);
    QFETCH(ChartGeometry::Rgb, colour);
    QFETCH(QString, text);
    const auto value = [](const QVariant& _v) {
        return _v.isValid() ? std::optional<float>(_v.toFloat()) : std::nullopt;
    };
    const BarRow row = ChartGeometry::barRow(BarFigure(figure), value(order), value(average));
    QVERIFY2(qAbs(row.dOrder - orderUnits) < 1e-4, qPrintable(QString::number(row.dOrder)));
    QVERIFY2(qAbs(row.dAverage - averageUnits) < 1e-4, qPrintable(QString::number(row.dAverage)));
    QCOMPARE(row.orderColour, colour);
    QCOMPARE(row.strText, text);
}

void tst_ChartGeometry::barGeometryStaysInside()
{
    // 3,0 against 2,4 ha/h: the order's bar (100 units) is drawn first, the
    // average's (80 units) over it; both lengths less half the smaller value.
    OrderFigures order, average;
    order.hectaresPerHour = 3.0f;
    average.hectaresPerHour = 2.4f;
    for (auto* f : {&order, &average}) {
        f->harvestSpeed = 5.0f;
        f->emptyRunMetresPerHectare = 300.0f;
        f->harvestFuelPerHectare = 20.0f;
        f->fieldFuelPerHectare = 25.0f;
        f->bunkerLoadsPerHectare = 2.0f;
    }
    const QRectF rect = barChartRect(QSize(750, 620));
    QCOMPARE(rect, QRectF(50, 0, 650, 620));
    const QVector<BarRowGeometry> rows = barGeometry(rect, barRows(order, average));
    QCOMPARE(rows.size(), 6);
    const BarRowGeometry& first = rows[0];
    QCOMPARE(first.colourFirst, BAR_GOOD);
    QCOMPARE(first.colourSecond, BAR_AVERAGE);
    // 6,5 pixels a unit; the float figures may lose the last pixel.
    QVERIFY(qAbs(first.rectFirst.width() - ((100 - 40) * 6.5 - 5)) <= 1);
    QVERIFY(qAbs(first.rectSecond.width() - ((80 - 40) * 6.5 - 5)) <= 1);
    QCOMPARE(first.strText, QString("ha/h :  +25,00%"));
    for (const BarRowGeometry& row : rows) {
        QVERIFY(rect.toRect().contains(row.rectFirst));
        QVERIFY(row.rectSecond.isEmpty() || rect.toRect().contains(row.rectSecond));
    }
    QCOMPARE(s32BarFontSize(768), 27);
}

QTEST_MAIN(tst_ChartGeometry)
#include "tst_chartgeometry.moc"
