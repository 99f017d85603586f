#include "testsupport.h"

#include <QImage>
#include <QtTest>

// Every picture the pages refer to must be embedded under its exact resource
// name and show something: a missing or misspelt name, or a blank drawing,
// would leave an empty button or status symbol on screen.
class tst_Resources : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void pictureIsDrawn_data();
    void pictureIsDrawn();
    void listBackgroundIsDark();
};

static const char* const s_apszPictures[] = {
    // Logos and pictures.
    "VEMO_PRO.png",
    "images/VEMO_Logo_without_claim.png",
    "LindqvarthLOGO.png",
    "images/VEMO_App_Symbol.png",
    "VEMO_Feldbrief_1020x768px.jpg",
    "qt-creator-x64.png",
    "images/ruebe.png",
    // Buttons and arrows.
    "arrow-143-128.png",
    "arrow-205-128.png",
    "arrow-204-128.png",
    "images/arrow-58-128.png",
    "images/downloads-128.png",
    "images/play-4-128.png",
    "back.png",
    "close-window-128.png",
    "delete-128.png",
    "Muelleimer.png",
    "plus-6-128.png",
    "message-128.png",
    "save-xxl.png",
    "images/setting-icon.png",
    "images/info-128.png",
    "OK.png",
    "X.png",
    "Expertmodus_ON.png",
    "Expertmodus_OFF.png",
    "Lichtschalter_Haupt_On.png",
    "Lichtschalter_Haupt_Off.png",
    "images/Hinweis_Betriebsart_Schildkroete.png",
    "images/Hinweis_Betriebsart_Hase.png",
    // Live page symbols.
    "GPS_ok.png",
    "GPS_nok.png",
    "Statussymbol GPS rot.png",
    "Statussymbol GPS gruen.png",
    "Hauptschirm_Led_Gruen.png",
    "Hauptschirm_Led_Rot.png",
    "Hinweis_gruen_Schwimmstellung_Dreipunkt_Aktiv.png",
    "Status_Neigung_aktiv.png",
    "Status_Neigung_Warnung.png",
    "Status_Neigung_leer.png",
    "Status_Neigung_man.png",
    "Statussymbol Ackergang eingerastet.png",
    "Statussymbol Ackergang_nicht_eingerastet.png",
    "Statussymbol_Strassengang_eingerastet.png",
    "Statussymbol_Strassengang_nicht_eingerastet.png",
    "Statussymbol Differential-Sperre.png",
    "Statussymbol Differential-Sperre vorwahl aus.png",
    "Statussymbol Differential-Sperre vorwahl.png",
    "Statussymbol Dreipunkt oben.png",
    "Statussymbol Dreipunkt unten.png",
    "Statussymbol Dreipunkt unten gruen.png",
    "Statussymbol Entladeband Rodestellung Grison.png",
    "Statussymbol Entladeband Transportstellung Grison.png",
    "Statussymbol Maschinenantrieb ein.png",
    "Statussymbol_Maschinenantrieb_teil.png",
    "Statussymbol P1 grau.png",
    "Statussymbol P1 gruen.png",
    "Statussymbol P2 grau.png",
    "Statussymbol P2 gruen.png",
    "Statussymbol P3 grau.png",
    "Statussymbol P3 gruen.png",
    "Statussymbol Parkbremse zu.png",
    "Statussymbol_Parkbremse_AUTO.png",
    "Statussymbol Zentralschmierung an.png",
    "Statussymbol Zusatzachse oben.png",
    "Statussymbol Zusatzachse unten.png",
    "Bargraph_Druck_Antriebe.png",
    "images/Symbol AdBlue-Fuellstand.png",
    "images/Symbol Fahranantrieb vorwaerts.png",
    "images/Symbol HydraulikStand.png",
    "images/Symbol HydraulikStand_klein.png",
    "images/Symbol OelStand_klein.png",
    "images/Symbol OelTemp_klein.png",
    "images/Symbol WasserTemp.png",
    "images/Symbol WasserTemp_klein.png",
    // Program steps.
    "132_Wartungsstellung.png",
    "141_Schlegerklappe_klappen.png",
    "121_Blatttellerstufe.png",
    "156_Schleglerwelle_Geschwindigkeit.png",
    "155_Entblatter_Geschwindigkeit.png",
    "Putzerwellenhoehe.png",
    "127_Nachkoepfer.png",
    "122_Ruettelscharstufe.png",
    "123_Tastwalzstufe.png",
    "124_Rodewalzenstufe.png",
    "125_Siebbandstufe.png",
    "126_Siebsternstufe.png",
    "128_Leitrosthoehe.png",
    "157_Elevatorstufe.png",
    "130_Schleglerentlastung_links.png",
    "131_Schleglerentlastung_rechts.png",
    "150_Steinsicherungsdruck_einstellen.png",
    "142_Blattteller_klappen.png",
    "143_Entladeband_Knick_ein-ausklappen.png",
    "BunkergitterklappenGrison5.png",
    "144_Elevator_ein-ausklappen.png",
    "145_Bunkerschnecke_hinten_und_vorne_gleichzeitig.png",
    "146_Bunkerschnecke_nur_vorne_heben_senken.png",
    "147_Bunkerschnecke_nur_hinten_heben_senken.png",
    "151_Klimasolltemperatur_einstellen.png",
    "152_Geblaesedrehzahl_der_Lueftungsregelung.png",
};

void tst_Resources::pictureIsDrawn_data()
{
    QTest::addColumn<QString>("name");
    for (const char* pszName : s_apszPictures)
        QTest::newRow(pszName) << QString::fromLatin1(pszName);
}

void tst_Resources::pictureIsDrawn()
{
    QFETCH(QString, name);
    const QImage image = QImage(QStringLiteral(":/") + name).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!image.isNull(), qPrintable(name + " is missing or unreadable"));

    // More than one colour, and a real share of the area painted: a blank or
    // flat square, or a nearly empty transparent one, fails.
    const QRgb first = image.pixel(0, 0);
    bool bSeveralColours = false;
    qint64 visible = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            bSeveralColours = bSeveralColours || line[x] != first;
            if (qAlpha(line[x]) > 32)
                ++visible;
        }
    }
    QVERIFY2(bSeveralColours, qPrintable(name + " is a single colour"));
    const qint64 area = qint64(image.width()) * image.height();
    QVERIFY2(visible * 20 >= area, qPrintable(name + " is nearly empty"));
}

void tst_Resources::listBackgroundIsDark()
{
    // The picture lies behind the yellow list entries; a bright picture would
    // make them unreadable.
    const QImage image(QStringLiteral(":/VEMO_Feldbrief_1020x768px.jpg"));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(1020, 768));
    qint64 sum = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            sum += qGray(image.pixel(x, y));
    const qint64 samples = qint64((image.height() + 3) / 4) * ((image.width() + 3) / 4);
    QVERIFY2(sum / samples < 70, qPrintable(QString::number(sum / samples)));
}

QTEST_GUILESS_MAIN(tst_Resources)
#include "tst_resources.moc"
