#include "app/pageframe.h"
#include "app/wiring.h"
#include "live/clive.h"
#include "live/livetables.h"
#include "livetypical.h"
#include "mainwindow/chaupt.h"
#include "terminal/liverecordencoder.h"
#include "testsupport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace
{

const QString c_strRed = QStringLiteral(
    "QProgressBar::chunk:vertical {background-color:rgb(255,0,0); background-repeat: no-repeat;}");
const QString c_strBarImage =
    QStringLiteral("QProgressBar::chunk:vertical {background-image:url(:/Bargraph_Druck_Antriebe.png);}");

QString strImage(const QString& _strUrl)
{
    return QStringLiteral("QLabel{ border-image:url(") + _strUrl + QStringLiteral(")}");
}

} // namespace

class tst_LivePage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void statusSymbols_data();
    void statusSymbols();
    void programStepResetsOnRescale();
    void genericValues_data();
    void genericValues();
    void warningColour_data();
    void warningColour();
    void sensorGroups_data();
    void sensorGroups();
    void recordsUpdateHiddenPage();
    void rescaleSizesAndFonts();
    void layoutFits_data();
    void layoutFits();
    void captionGrows_data();
    void captionGrows();
    void backKeyStopsLiveData_data();
    void backKeyStopsLiveData();

private:
    template <class T> T* widget(const QString& _strName)
    {
        T* pWidget = m_pPage->findChild<T*>(_strName);
        if (!pWidget)
            qFatal("no widget %s", qPrintable(_strName));
        return pWidget;
    }
    void vResize(int _s32Width, int _s32Height);

    cLive* m_pPage = nullptr;
    QList<QByteArray> m_listSent;
};

void tst_LivePage::initTestCase()
{
    TestSupport::vIsolate();
    // The pages hand the screen and the list to each other as in the application.
    Wiring::vConnectPages();
    m_pPage = cLive::instance();
    QCOMPARE(cLive::instance(), m_pPage);
    m_pPage->vSetMessageSender([this](const QByteArray& _baMessage) { m_listSent.append(_baMessage); });
    m_pPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pPage));
}

void tst_LivePage::vResize(int _s32Width, int _s32Height)
{
    m_pPage->resize(_s32Width, _s32Height);
    QCOMPARE(m_pPage->size(), QSize(_s32Width, _s32Height));
}

void tst_LivePage::statusSymbols_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("style");

    QTest::newRow("gear not engaged") << "VERB_ANZEIGE_GANG" << QStringList{"1", "3"} << "m_bmpGangAnzeige"
                                      << strImage(":/Statussymbol Ackergang_nicht_eingerastet.png");
    QTest::newRow("unknown gear keeps the symbol")
        << "VERB_ANZEIGE_GANG" << QStringList{"3", "5"} << "m_bmpGangAnzeige"
        << strImage(":/Statussymbol Ackergang_nicht_eingerastet.png");
    QTest::newRow("tilt 101 active") << "VERB_ANZEIGE_NEIGUNG_AUTO" << QStringList{"4", "101"}
                                     << "m_bmpNeigungAuto" << strImage(":/Status_Neigung_aktiv.png");
    QTest::newRow("tilt 1 clears") << "VERB_ANZEIGE_NEIGUNG_AUTO" << QStringList{"101", "1"}
                                   << "m_bmpNeigungAuto" << strImage(":/");
    QTest::newRow("three-point floating")
        << "VERB_ANZEIGE_RODER_MODUS" << QStringList{"3"} << "m_bmpRoderStellung"
        << strImage(":/Hinweis_gruen_Schwimmstellung_Dreipunkt_Aktiv.png");
    QTest::newRow("additional axle stays blank")
        << "Zusatzachse" << QStringList{"1"} << "m_bmpZusatzachse" << strImage("");
    QTest::newRow("text reads as 0") << "VERB_ANZEIGE_GPS_EMPFANG" << QStringList{"4", "gut"} << "m_bmpGPS"
                                     << strImage(":/");
    QTest::newRow("park brake auto") << "VERB_ANZEIGE_PARKBREMSE" << QStringList{"2"} << "m_bmpParkbremse"
                                     << strImage(":/Statussymbol_Parkbremse_AUTO.png");
    QTest::newRow("status names are case-sensitive")
        << "verb_anzeige_gang" << QStringList{"2"} << "m_bmpGangAnzeige"
        << strImage(":/Statussymbol Ackergang_nicht_eingerastet.png");
}

void tst_LivePage::statusSymbols()
{
    QFETCH(QString, key);
    QFETCH(QStringList, values);
    QFETCH(QString, symbol);
    QFETCH(QString, style);
    for (const QString& strValue : values)
        m_pPage->vSetLiveValue(key, strValue);
    QCOMPARE(widget<QLabel>(symbol)->styleSheet(), style);
}

void tst_LivePage::programStepResetsOnRescale()
{
    QLabel* pStep = widget<QLabel>("r_select");
    m_pPage->vSetLiveValue("pos_rselect", "13");
    QCOMPARE(pStep->styleSheet(), strImage(":/157_Elevatorstufe.png"));
    m_pPage->vSetLiveValue("pos_rselect", "26");
    m_pPage->vSetLiveValue("pos_rselect", "-1");
    QCOMPARE(pStep->styleSheet(), strImage(":/157_Elevatorstufe.png"));
    m_pPage->vSetLiveValue("pos_rselect", "0");
    QCOMPARE(pStep->styleSheet(), strImage(":/132_Wartungsstellung.png"));
    m_pPage->vSetLiveValue("pos_rselect", "13");
    vResize(700, 500);
    QCOMPARE(pStep->styleSheet(), strImage(":/125_Siebbandstufe.png"));
}

void tst_LivePage::genericValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("value label") << "m_lbTankDiesel"
                                 << "640"
                                 << "m_lbTankDiesel" << QVariant("640");
    QTest::newRow("static unit label") << "m_lbkm_h"
                                       << "mph"
                                       << "m_lbkm_h" << QVariant("mph");
    QTest::newRow("image label takes text") << "m_bmpCheckEngine"
                                            << "!"
                                            << "m_bmpCheckEngine" << QVariant("!");
    QTest::newRow("slider clamps below") << "m_slWarnSiebband"
                                         << "30"
                                         << "m_slWarnSiebband" << QVariant(50);
    QTest::newRow("slider clamps above") << "m_slWarnSiebband"
                                         << "130"
                                         << "m_slWarnSiebband" << QVariant(100);
    QTest::newRow("bar in range") << "m_pbAuslastungReinigung"
                                  << "70"
                                  << "m_pbAuslastungReinigung" << QVariant(70);
    QTest::newRow("inverted bar") << "m_pbEntladebandHoehe"
                                  << "9000"
                                  << "m_pbEntladebandHoehe" << QVariant(9000);
    QTest::newRow("bar out of range unchanged") << "m_pbAuslastungReinigung"
                                                << "101"
                                                << "m_pbAuslastungReinigung" << QVariant(70);
    QTest::newRow("push button is no bar") << "m_pbReset"
                                           << "5"
                                           << "m_lbTankDiesel" << QVariant("640");
    QTest::newRow("unknown key ignored") << "m_lbGibtEsNicht"
                                         << "5"
                                         << "m_lbTankDiesel" << QVariant("640");
    QTest::newRow("empty key ignored") << ""
                                       << "5"
                                       << "m_lbTankDiesel" << QVariant("640");
}

void tst_LivePage::genericValues()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, widget);
    QFETCH(QVariant, expected);
    m_pPage->vSetLiveValue(key, text);
    QWidget* pWidget = m_pPage->findChild<QWidget*>(widget);
    QVERIFY(pWidget);
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget))
        QCOMPARE(pLabel->text(), expected.toString());
    else if (auto* pSlider = qobject_cast<QSlider*>(pWidget))
        QCOMPARE(pSlider->value(), expected.toInt());
    else
        QCOMPARE(qobject_cast<QProgressBar*>(pWidget)->value(), expected.toInt());
    // Bars without a warning limit are never coloured.
    QCOMPARE(this->widget<QProgressBar>("m_pbAuslastungReinigung")->styleSheet(), QString());
}

void tst_LivePage::warningColour_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("slider");
    // pairs of (key, value) applied in order
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("style");

    QTest::newRow("above the limit is red")
        << "m_pbSiebbanddruck"
        << "m_slWarnSiebband" << QStringList{"m_slWarnSiebband", "85", "m_pbSiebbanddruck", "90"} << 90
        << c_strRed;
    QTest::newRow("at the limit is not")
        << "m_pbSiebbanddruck"
        << "m_slWarnSiebband" << QStringList{"m_slWarnSiebband", "90", "m_pbSiebbanddruck", "90"} << 90
        << c_strBarImage;
    QTest::newRow("a new limit alone does not recolour")
        << "m_pbReinigungsdruck"
        << "m_slWarnReinigung"
        << QStringList{"m_slWarnReinigung", "60", "m_pbReinigungsdruck", "70", "m_slWarnReinigung", "95"}
        << 70 << c_strRed;
    QTest::newRow("out of range judged on the old value")
        << "m_pbElevatordruck"
        << "m_slWarnElevator" << QStringList{"m_slWarnElevator", "90", "m_pbElevatordruck", "80",
                                             "m_slWarnElevator", "70", "m_pbElevatordruck", "150"}
        << 80 << c_strRed;
    QTest::newRow("clamped limit") << "m_pbElevatordruck"
                                   << "m_slWarnElevator"
                                   << QStringList{"m_slWarnElevator", "10", "m_pbElevatordruck", "50"} << 50
                                   << c_strBarImage;
}

void tst_LivePage::warningColour()
{
    QFETCH(QString, bar);
    QFETCH(QStringList, steps);
    QFETCH(int, value);
    QFETCH(QString, style);
    for (int i = 0; i + 1 < steps.size(); i += 2)
        m_pPage->vSetLiveValue(steps.at(i), steps.at(i + 1));
    QCOMPARE(widget<QProgressBar>(bar)->value(), value);
    QCOMPARE(widget<QProgressBar>(bar)->styleSheet(), style);
}

void tst_LivePage::sensorGroups_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("group");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QRect>("imageOn");
    QTest::addColumn<QRect>("labelOn");
    QTest::addColumn<QRect>("unitOn");
    QTest::addColumn<QRect>("imageOff");
    QTest::addColumn<QRect>("labelOff");
    QTest::addColumn<QRect>("unitOff");

    // The oil-temperature key switches the oil-level group and vice versa.
    QTest::newRow("VERB_MotorOelTemp")
        << "VERB_MotorOelTemp"
        << QStringList{"m_lbMotorOelStand", "m_lbEinheitMotorOelStand", "m_bmpMotorOelStand"}
        << "m_bmpHydraulikOelStand"
        << "m_lbHydraulikOelStand"
        << "m_lbEinheitHydraulikOelStand" << QRect(530, 225, 44, 44) << QRect(541, 235, 44, 26)
        << QRect(592, 235, 44, 26) << QRect(540, 225, 44, 44) << QRect(600, 235, 44, 26)
        << QRect(650, 235, 44, 26);
    QTest::newRow("VERB_MotorOelStand")
        << "VERB_MotorOelStand"
        << QStringList{"m_lbMotorOelTemp", "m_lbEinheitMotorOelTemp", "m_bmpMotorOelTemp"}
        << "m_bmpWasserTemp"
        << "m_lbWasserTemp"
        << "m_lbEinheitWasserTemp" << QRect(530, 290, 51, 41) << QRect(538, 300, 41, 26)
        << QRect(580, 300, 44, 26) << QRect(540, 290, 51, 41) << QRect(600, 300, 41, 26)
        << QRect(650, 300, 44, 26);
}

void tst_LivePage::sensorGroups()
{
    QFETCH(QString, key);
    QFETCH(QStringList, group);
    QFETCH(QString, image);
    QFETCH(QString, label);
    QFETCH(QString, unit);
    QFETCH(QRect, imageOn);
    QFETCH(QRect, labelOn);
    QFETCH(QRect, unitOn);
    QFETCH(QRect, imageOff);
    QFETCH(QRect, labelOff);
    QFETCH(QRect, unitOff);

    vResize(1000, 800);
    const double sx = 1000 / 895.0;
    const double sy = 800 / 677.0;
    const auto verifyPlaces = [&](const QRect& _rectImage, const QRect& _rectLabel, const QRect& _rectUnit) {
        QCOMPARE(widget<QLabel>(image)->geometry(), LiveTables::rectScaled(_rectImage, sx, sy));
        QCOMPARE(widget<QLabel>(label)->geometry(), LiveTables::rectScaled(_rectLabel, sx, sy));
        QCOMPARE(widget<QLabel>(unit)->geometry(), LiveTables::rectScaled(_rectUnit, sx, sy));
    };
    const auto verifyGroup = [&](bool _bShown) {
        for (const QString& strName : group)
            QCOMPARE(widget<QWidget>(strName)->isVisibleTo(m_pPage), _bShown);
    };

    m_pPage->vSetLiveValue(key, "0");
    verifyGroup(false);
    verifyPlaces(imageOff, labelOff, unitOff);
    QVERIFY(!widget<QLabel>(image)->pixmap(Qt::ReturnByValue).isNull());
    const qint64 s64OffPicture = widget<QLabel>(image)->pixmap(Qt::ReturnByValue).cacheKey();

    m_pPage->vSetLiveValue(key, "2");
    verifyGroup(false);
    verifyPlaces(imageOff, labelOff, unitOff);

    // A rescale keeps the neighbours where the switch put them.
    vResize(895, 677);
    vResize(1000, 800);
    verifyPlaces(imageOff, labelOff, unitOff);

    m_pPage->vSetLiveValue(key, "1");
    verifyGroup(true);
    verifyPlaces(imageOn, labelOn, unitOn);
    QVERIFY(widget<QLabel>(image)->pixmap(Qt::ReturnByValue).cacheKey() != s64OffPicture);
}

void tst_LivePage::recordsUpdateHiddenPage()
{
    m_pPage->hide();
    const QByteArray record = LiveRecordEncoder::baRecord(QJsonObject{{"m_lbTankDiesel", "85"}});
    m_pPage->vReceiveLiveData(record);
    QCOMPARE(widget<QLabel>("m_lbTankDiesel")->text(), QString("85"));

    QByteArray damaged = LiveRecordEncoder::baRecord(QJsonObject{{"m_lbTankDiesel", "99"}});
    damaged[damaged.size() - 4] = char(damaged.at(damaged.size() - 4) ^ 0x10);
    m_pPage->vReceiveLiveData(damaged);
    QCOMPARE(widget<QLabel>("m_lbTankDiesel")->text(), QString("85"));

    m_pPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pPage));
    QCOMPARE(widget<QLabel>("m_lbTankDiesel")->text(), QString("85"));
}

void tst_LivePage::rescaleSizesAndFonts()
{
    const LiveTables::FontUnits units768 = LiveTables::fontUnits(768);
    QCOMPARE(units768.s32F24, 32);
    QCOMPARE(units768.s32F29, 26);
    QCOMPARE(units768.s32F42, 18);

    vResize(1000, 800);
    const double sx = 1000 / 895.0;
    const double sy = 800 / 677.0;
    const LiveTables::FontUnits units = LiveTables::fontUnits(PageFrame::s32AvailableUnit());
    const int f29 = units.s32F29;
    QCOMPARE(widget<QLabel>("m_lbSchleglerentlastungsDruck_LI")->geometry(),
             QRect(int(60 * sx), int(150 * sy), 2 * f29, f29));
    QCOMPARE(widget<QLabel>("m_lbEinheitDruckSchleglerEntlastungLinks")->geometry(),
             QRect(int(65 * sx), int(175 * sy), 2 * f29, f29));

    const QString strSize = QString::number(f29) + "px;}";
    QCOMPARE(widget<QLabel>("m_lbTankDiesel")->styleSheet(), "QLabel{ font: bold " + strSize);
    QCOMPARE(widget<QLabel>("m_lbkm_h")->styleSheet(), "QLabel{ font: " + strSize);
    QCOMPARE(widget<QLabel>("m_lbSollDrehzahl")->styleSheet(),
             "QLabel{ color:rgb(255,255,255); font: " + strSize);
    QCOMPARE(widget<QLabel>("m_lbIstGeschwindigkeit")->styleSheet(),
             "QLabel{ color:rgb(255,255,255); font: " + QString::number(units.s32F24) + "px;}");
    QCOMPARE(widget<QLabel>("m_lb_Einheit_Speed")->styleSheet(),
             "QLabel{ color:rgb(255,255,255); font: " + QString::number(units.s32F42) + "px;}");
    QCOMPARE(widget<QLabel>("m_lbStreckeProFlaeche_leer_5")->styleSheet(),
             "QLabel{ font: " + QString::number(units.s32F24) + "px;}");
    for (const char* szButton : {"m_pbReset", "m_pbReihePlus", "m_pbReiheMinus"})
        QVERIFY(widget<QWidget>(szButton)->isHidden());
}

void tst_LivePage::layoutFits_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("captions"); // pairs of (label, text) as a translation gives them
    // The test screen is 800 x 600: the page on it in landscape, and the
    // portrait page of a screen whose short side is 600.
    QTest::newRow("landscape") << QSize(800, 600) << QStringList();
    QTest::newRow("portrait") << QSize(600, 800) << QStringList();
    // Translated captions longer than the German ones they were placed for.
    const QStringList captions{
        "m_lbKunde",      "Customer:",      "m_lbSchlag",      "Appezzamento:", "m_lbh_Entladen",
        "h déchargement", "m_lbl_ha_Roden", "l/ha upptagning", "m_lbm_ha_leer", "naprázdno"};
    QTest::newRow("landscape, long captions") << QSize(800, 600) << captions;
    QTest::newRow("portrait, long captions") << QSize(600, 800) << captions;
}

void tst_LivePage::layoutFits()
{
    QFETCH(QSize, size);
    QFETCH(QStringList, captions);
    QMap<QString, QString> mapGerman;
    for (int i = 0; i + 1 < captions.size(); i += 2) {
        mapGerman.insert(captions.at(i), widget<QLabel>(captions.at(i))->text());
        widget<QLabel>(captions.at(i))->setText(captions.at(i + 1));
    }
    m_pPage->vReceiveLiveData(LiveRecordEncoder::baRecord(typicalLiveRecord()));
    vResize(size.width() + 1, size.height()); // the captions are fitted on a rescale
    vResize(size.width(), size.height());

    // The values beside the switched sensor groups have fixed places that
    // stretch with the page rather than with the font: a pixel may be missing.
    const QSet<QString> setFixedPlaces = {"m_lbHydraulikOelStand", "m_lbWasserTemp"};
    QList<QWidget*> listShown;
    for (QWidget* pWidget : m_pPage->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (pWidget->isHidden())
            continue;
        listShown.append(pWidget);
        QVERIFY2(m_pPage->rect().contains(pWidget->geometry()), qPrintable(pWidget->objectName()));
        auto* pLabel = qobject_cast<QLabel*>(pWidget);
        if (!pLabel || pLabel->text().isEmpty())
            continue;
        pLabel->ensurePolished();
        const int s32Text = QFontMetrics(pLabel->font()).horizontalAdvance(pLabel->text());
        QVERIFY2(s32Text <= pLabel->width() + (setFixedPlaces.contains(pLabel->objectName()) ? 1 : 0),
                 qPrintable(QString("%1 '%2' needs %3 px, has %4")
                                .arg(pLabel->objectName(), pLabel->text())
                                .arg(s32Text)
                                .arg(pLabel->width())));
    }
    // The switched neighbours have fixed places in which the value and the
    // unit stand on the right part of the small symbol.
    const QSet<QString> setDrawnOver = {"m_bmpHydraulikOelStand|m_lbHydraulikOelStand",
                                        "m_bmpWasserTemp|m_lbWasserTemp",
                                        "m_bmpWasserTemp|m_lbEinheitWasserTemp"};
    for (int i = 0; i < listShown.size(); ++i) {
        for (int j = i + 1; j < listShown.size(); ++j) {
            const QString strPair = listShown[i]->objectName() + "|" + listShown[j]->objectName();
            if (setDrawnOver.contains(strPair))
                continue;
            QVERIFY2(!listShown[i]->geometry().intersects(listShown[j]->geometry()), qPrintable(strPair));
        }
    }
    for (auto it = mapGerman.cbegin(); it != mapGerman.cend(); ++it)
        widget<QLabel>(it.key())->setText(it.value());
}

void tst_LivePage::captionGrows_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QSize>("need");
    QTest::addColumn<QRect>("grown");
    // Neighbours: a box on the same line at x 200, boxes above (ending at
    // y 69) and below (starting at y 110), both over the caption's columns.
    QTest::newRow("fits: unchanged") << QRect(100, 80, 60, 20) << QSize(50, 20) << QRect(100, 80, 60, 20);
    QTest::newRow("wider up to the need")
        << QRect(100, 80, 60, 20) << QSize(80, 20) << QRect(100, 80, 80, 20);
    QTest::newRow("wider up to the neighbour")
        << QRect(100, 80, 60, 20) << QSize(150, 20) << QRect(100, 80, 100, 20);
    QTest::newRow("higher on both sides")
        << QRect(100, 80, 60, 20) << QSize(60, 26) << QRect(100, 77, 60, 26);
    // Above and below, 10 pixels are free: the line keeps its middle.
    QTest::newRow("higher as far as both sides allow")
        << QRect(100, 80, 60, 20) << QSize(60, 50) << QRect(100, 70, 60, 40);
    QTest::newRow("at the page's right edge")
        << QRect(250, 80, 40, 20) << QSize(90, 20) << QRect(250, 80, 50, 20);
}

void tst_LivePage::captionGrows()
{
    QFETCH(QRect, rect);
    QFETCH(QSize, need);
    QFETCH(QRect, grown);
    const QList<QRect> listOthers{QRect(200, 75, 40, 30), QRect(90, 40, 100, 30), QRect(90, 110, 100, 30),
                                  rect};
    QCOMPARE(LiveTables::rectGrown(rect, need, listOthers, QRect(0, 0, 300, 200)), grown);
}

void tst_LivePage::backKeyStopsLiveData_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("back") << int(Qt::Key_Back) << true;
    QTest::newRow("escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("other key") << int(Qt::Key_Left) << false;
    // 0: the back button in the corner, for a screen without keys.
    QTest::newRow("back button") << 0 << true;
}

void tst_LivePage::backKeyStopsLiveData()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    cHaupt::instance()->hide();
    m_pPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pPage));
    m_listSent.clear();

    if (key == 0) {
        auto* pBack = widget<QPushButton>("pushButton_back");
        QVERIFY(pBack->isVisible());
        QVERIFY(m_pPage->rect().contains(pBack->geometry()));
        QVERIFY(!pBack->icon().isNull());
        QTest::mouseClick(pBack, Qt::LeftButton);
    } else {
        QTest::keyPress(m_pPage, Qt::Key(key));
        QVERIFY(m_pPage->isVisible());
        QTest::keyRelease(m_pPage, Qt::Key(key));
    }
    QCOMPARE(m_pPage->isVisible(), !closes);
    QCOMPARE(cHaupt::instance()->isVisible(), closes);
    QCOMPARE(m_listSent, closes ? QList<QByteArray>{"StopLIVE"} : QList<QByteArray>{});
}

QTEST_MAIN(tst_LivePage)
#include "tst_livepage.moc"
