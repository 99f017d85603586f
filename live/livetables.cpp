#include "live/livetables.h"

#include <QHash>
#include <QVector>

namespace LiveTables
{

namespace
{

// ":/" names no picture: the symbol shows nothing.
const char* const c_szEmpty = ":/";

struct StatusTable {
    const char* szKey;
    const char* szWidget;
    QVector<QPair<int, const char*>> vecImages; // value -> url
};

const QVector<StatusTable>& statusTables()
{
    static const QVector<StatusTable> s_vecTables = {
        {"VERB_ANZEIGE_RODE_PROGRAMM",
         "m_bmpProgrammwahl",
         {{0, c_szEmpty},
          {1, ":/Statussymbol P1 gruen.png"},
          {2, ":/Statussymbol P2 gruen.png"},
          {3, ":/Statussymbol P3 gruen.png"},
          {4, ":/Statussymbol P1 grau.png"},
          {5, ":/Statussymbol P2 grau.png"},
          {6, ":/Statussymbol P3 grau.png"}}},
        {"VERB_ANZEIGE_RODER_MODUS",
         "m_bmpRoderStellung",
         {{0, ":/Statussymbol Dreipunkt oben.png"},
          {1, ":/Statussymbol Dreipunkt unten.png"},
          {2, ":/Statussymbol Dreipunkt unten gruen.png"},
          {3, ":/Hinweis_gruen_Schwimmstellung_Dreipunkt_Aktiv.png"}}},
        {"VERB_ANZEIGE_MASCHINE_AN",
         "m_bmpMaschineAn",
         {{0, c_szEmpty},
          {1, ":/Statussymbol Maschinenantrieb ein.png"},
          {2, ":/Statussymbol_Maschinenantrieb_teil.png"}}},
        {"VERB_ANZEIGEENTLADEBAND",
         "m_bmpEntladeband",
         {{0, c_szEmpty},
          {1, ":/Statussymbol Entladeband Transportstellung Grison.png"},
          {2, ":/Statussymbol Entladeband Rodestellung Grison.png"}}},
        {"VERB_ANZEIGE_GANG",
         "m_bmpGangAnzeige",
         {{0, c_szEmpty},
          {1, ":/Statussymbol Ackergang eingerastet.png"},
          {2, ":/Statussymbol_Strassengang_eingerastet.png"},
          {3, ":/Statussymbol Ackergang_nicht_eingerastet.png"},
          {4, ":/Statussymbol_Strassengang_nicht_eingerastet.png"}}},
        {"Diffsperre",
         "m_bmpDiffsperre",
         {{0, c_szEmpty},
          {1, ":/Statussymbol Differential-Sperre.png"},
          {2, ":/Statussymbol Differential-Sperre vorwahl aus.png"},
          {3, ":/Statussymbol Differential-Sperre vorwahl.png"}}},
        // The additional axle has pictures in the resources, but the terminal's
        // values select none of them: the symbol stays blank.
        {"Zusatzachse", "m_bmpZusatzachse", {{0, ""}, {1, ""}}},
        {"Schmierung",
         "m_bmpZentralschmierung",
         {{0, c_szEmpty}, {1, ":/Statussymbol Zentralschmierung an.png"}}},
        {"VERB_ANZEIGE_GPS_EMPFANG",
         "m_bmpGPS",
         {{0, c_szEmpty},
          {1, ":/GPS_nok.png"},
          {2, ":/GPS_ok.png"},
          {3, ":/Statussymbol GPS rot.png"},
          {4, ":/Statussymbol GPS gruen.png"}}},
        {"VERB_ANZEIGE_TEMPOMAT",
         "m_bmpTempomat",
         {{0, c_szEmpty}, {1, ":/Hauptschirm_Led_Gruen.png"}, {2, ":/Hauptschirm_Led_Gruen.png"}}},
        {"VERB_ANZEIGE_MOTOR_STATUS",
         "m_bmpMotorStatus",
         {{0, c_szEmpty}, {1, ":/Hauptschirm_Led_Gruen.png"}, {2, ":/Hauptschirm_Led_Rot.png"}}},
        // Values above 100 report the same states while the automatic is engaged.
        {"VERB_ANZEIGE_NEIGUNG_AUTO",
         "m_bmpNeigungAuto",
         {{0, c_szEmpty},
          {1, c_szEmpty},
          {6, c_szEmpty},
          {106, c_szEmpty},
          {2, ":/Status_Neigung_aktiv.png"},
          {101, ":/Status_Neigung_aktiv.png"},
          {102, ":/Status_Neigung_aktiv.png"},
          {3, ":/Status_Neigung_Warnung.png"},
          {103, ":/Status_Neigung_Warnung.png"},
          {4, ":/Status_Neigung_leer.png"},
          {104, ":/Status_Neigung_leer.png"},
          {5, ":/Status_Neigung_man.png"},
          {105, ":/Status_Neigung_man.png"}}},
        {"VERB_ANZEIGE_PARKBREMSE",
         "m_bmpParkbremse",
         {{0, c_szEmpty},
          {1, ":/Statussymbol Parkbremse zu.png"},
          {2, ":/Statussymbol_Parkbremse_AUTO.png"}}},
    };
    return s_vecTables;
}

const StatusTable* pStatusTable(const QString& _strKey)
{
    for (const StatusTable& table : statusTables()) {
        if (_strKey == QLatin1String(table.szKey))
            return &table;
    }
    return nullptr;
}

// Program steps 0..25, in order.
const char* const c_aszProgramSteps[] = {
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
constexpr int s32ProgramSteps = int(sizeof(c_aszProgramSteps) / sizeof(c_aszProgramSteps[0]));

enum class eFontClass { BoldF29, PlainF29, WhiteF29, WhiteF24, WhiteF42, PlainF24 };

const QHash<QString, eFontClass>& fontClasses()
{
    static const QHash<QString, eFontClass> s_hashClasses = [] {
        QHash<QString, eFontClass> hash;
        const auto add = [&hash](eFontClass _eClass, const QStringList& _slNames) {
            for (const QString& strName : _slNames)
                hash.insert(strName, _eClass);
        };
        // Values of the machine readings and the captions.
        add(eFontClass::BoldF29, {"m_lbSchleglerentlastungsDruck_LI",
                                  "m_lbSchleglerEntlastungsdruckRechts",
                                  "m_lbEntladebandhoehe",
                                  "m_lbLeitrosthoehe2",
                                  "m_lbSiebstern1_Soll",
                                  "m_lbSiebstern2_Soll",
                                  "m_lbSiebstern3_Soll",
                                  "m_lbBunkerfellstand",
                                  "m_lbElevatorDruckBar",
                                  "m_lbWalzengangHoeheRechts",
                                  "m_lbWalzengangHoeheLinks",
                                  "m_lbLeitrosthoehe3",
                                  "m_lbLeitrosthoehe1",
                                  "m_lbSchleglertiefeRechts",
                                  "m_lbReinigungsdruckBar",
                                  "m_lbSiebbandDruckBar",
                                  "m_lbSchleglertiefeLinks",
                                  "m_lbReihenanzahl",
                                  "m_lbKunde",
                                  "m_lbSchlag",
                                  "m_lbBoardbpannung",
                                  "m_lbDruckFahrantrieb",
                                  "m_lbEinheitVorratsdruckLuftkessel",
                                  "m_lbHydraulikOelStand",
                                  "m_lbHydraulikOelTemp",
                                  "m_lbMotorOelStand",
                                  "m_lbMotorOelTemp",
                                  "m_lbTankAdBlue",
                                  "m_lbTankDiesel",
                                  "m_lbWasserTemp"});
        // Units and the figures of the current order.
        add(eFontClass::PlainF29, {"m_lbEinheitDruckSchleglerEntlastungLinks",
                                   "m_lbEinheitDruckSchleglerEntlastungRechts",
                                   "m_lbEinheitDruckSiebbband",
                                   "m_lbElevatorDruckBar_3",
                                   "m_lbElevatorDruckBar_4",
                                   "m_lbEinheitDruckElevator",
                                   "m_lbEinheitDruckReinigung",
                                   "m_lbHAProStunde",
                                   "m_lbRodeflaecheProStunde",
                                   "m_lbDurchschnittsGeschwRoden",
                                   "m_lbkm_h",
                                   "m_lbStreckeProFlaeche_leer",
                                   "m_lbm_ha",
                                   "m_lbm_ha_leer",
                                   "m_lbZeitAuftrag",
                                   "m_lbh",
                                   "m_lbZeitRoden",
                                   "m_lbh_Roden",
                                   "m_lbZeitEntladen",
                                   "m_lbh_Entladen",
                                   "m_lbReihenabstand",
                                   "m_lbSchlag_11",
                                   "m_lbReihenanzahl_Verstellen",
                                   "m_lbVerbrauchFlaeche",
                                   "m_lbl_ha",
                                   "m_lbVerbrauchFlaecheRoden",
                                   "m_lbl_ha_Roden",
                                   "m_lbEinheitBoardbpannung",
                                   "m_lbEinheitDruckFahrantrieb",
                                   "m_lbEinheitDruckFahrantrieb_2",
                                   "m_lbEinheitHydraulikOelStand",
                                   "m_lbEinheitHydraulikOelTemp",
                                   "m_lbEinheitMotorOelStand",
                                   "m_lbEinheitMotorOelTemp",
                                   "m_lbEinheitTankAdBlue",
                                   "m_lbEinheitTankDiesel",
                                   "m_lbEinheitWasserTemp"});
        add(eFontClass::WhiteF29,
            {"m_lbSollGeschwindigkeit", "m_lbSollDrehzahl", "m_lbLiterProStunde", "m_lbLiterProHa"});
        add(eFontClass::WhiteF24, {"m_lbIstGeschwindigkeit", "m_MotorIstDrehzahl", "m_lbSchleglerDrehzahl",
                                   "m_lbRuettelscharStufe", "m_lbTastwalzeStufe", "m_lbRodeWalzenStufe",
                                   "m_lbSiebbandStufe", "m_lbReinigungStufe", "m_lbHa", "lb_EinheitHa"});
        add(eFontClass::WhiteF42,
            {"m_lbEinheitLiterProStunde", "m_lbEinheitliterProHa", "m_lb_Einheit_Speed"});
        add(eFontClass::PlainF24, {"m_lbStreckeProFlaeche_leer_5", "m_lbStreckeProFlaeche_leer_4"});
        return hash;
    }();
    return s_hashClasses;
}

} // namespace

QString strBorderImage(const QString& _strUrl)
{
    return QStringLiteral("QLabel{ border-image:url(") + _strUrl + QStringLiteral(")}");
}

QString strStatusWidget(const QString& _strKey)
{
    const StatusTable* pTable = pStatusTable(_strKey);
    return pTable ? QString::fromLatin1(pTable->szWidget) : QString();
}

std::optional<QString> optStatusStyle(const QString& _strKey, int _s32Value)
{
    const StatusTable* pTable = pStatusTable(_strKey);
    if (!pTable)
        return std::nullopt;
    for (const auto& image : pTable->vecImages) {
        if (image.first == _s32Value)
            return strBorderImage(QString::fromUtf8(image.second));
    }
    return std::nullopt;
}

std::optional<QString> optProgramStepStyle(int _s32Step)
{
    if (_s32Step < 0 || _s32Step >= s32ProgramSteps)
        return std::nullopt;
    return strBorderImage(QStringLiteral(":/") + QString::fromUtf8(c_aszProgramSteps[_s32Step]));
}

QString strWarningSlider(const QString& _strBar)
{
    if (_strBar == QLatin1String("m_pbSiebbanddruck"))
        return QStringLiteral("m_slWarnSiebband");
    if (_strBar == QLatin1String("m_pbReinigungsdruck"))
        return QStringLiteral("m_slWarnReinigung");
    if (_strBar == QLatin1String("m_pbElevatordruck"))
        return QStringLiteral("m_slWarnElevator");
    return QString();
}

QString strWarningStyle(int _s32BarValue, int _s32Limit)
{
    if (_s32BarValue > _s32Limit)
        return QStringLiteral("QProgressBar::chunk:vertical {background-color:rgb(255,0,0); "
                              "background-repeat: no-repeat;}");
    return QStringLiteral(
        "QProgressBar::chunk:vertical {background-image:url(:/Bargraph_Druck_Antriebe.png);}");
}

FontUnits fontUnits(int _s32Screen)
{
    FontUnits units;
    units.s32F24 = int(_s32Screen / 24.0);
    units.s32F29 = int(_s32Screen / 29.0);
    units.s32F42 = int(_s32Screen / 42.0);
    return units;
}

QString strFontStyle(const QString& _strLabel, const FontUnits& _units)
{
    const auto it = fontClasses().constFind(_strLabel);
    if (it == fontClasses().constEnd())
        return QString();
    QString strPrefix;
    int s32Size = _units.s32F29;
    switch (it.value()) {
    case eFontClass::BoldF29:
        strPrefix = QStringLiteral("QLabel{ font: bold ");
        break;
    case eFontClass::PlainF29:
        strPrefix = QStringLiteral("QLabel{ font: ");
        break;
    case eFontClass::WhiteF29:
        strPrefix = QStringLiteral("QLabel{ color:rgb(255,255,255); font: ");
        break;
    case eFontClass::WhiteF24:
        strPrefix = QStringLiteral("QLabel{ color:rgb(255,255,255); font: ");
        s32Size = _units.s32F24;
        break;
    case eFontClass::WhiteF42:
        strPrefix = QStringLiteral("QLabel{ color:rgb(255,255,255); font: ");
        s32Size = _units.s32F42;
        break;
    case eFontClass::PlainF24:
        strPrefix = QStringLiteral("QLabel{ font: ");
        s32Size = _units.s32F24;
        break;
    }
    return strPrefix + QString::number(s32Size) + QStringLiteral("px;}");
}

QRect rectScaled(const QRect& _rectDesign, double _dSx, double _dSy)
{
    return QRect(int(_rectDesign.x() * _dSx), int(_rectDesign.y() * _dSy), int(_rectDesign.width() * _dSx),
                 int(_rectDesign.height() * _dSy));
}

QRect rectFontSized(const QRect& _rectDesign, double _dSx, double _dSy, int _s32F29)
{
    // Integer arithmetic keeps whole multiples exact: 46 design pixels are 2 * F29.
    const int w = int(qint64(_rectDesign.width()) * _s32F29 / s32DesignFontUnit);
    const int h = int(qint64(_rectDesign.height()) * _s32F29 / s32DesignFontUnit);
    return QRect(int(_rectDesign.x() * _dSx), int(_rectDesign.y() * _dSy), w, h);
}

QRect rectGrown(const QRect& _rect, const QSize& _sizeNeed, const QList<QRect>& _listOthers,
                const QRect& _rectPage)
{
    QRect rect = _rect;
    const int s32Higher = _sizeNeed.height() - rect.height();
    if (s32Higher > 0) {
        // The room up to the nearest box above and below that shares columns.
        int s32Top = _rectPage.top();
        int s32Bottom = _rectPage.bottom();
        for (const QRect& rectOther : _listOthers) {
            if (rectOther.right() < rect.left() || rectOther.left() > rect.right())
                continue;
            if (rectOther.bottom() < rect.top())
                s32Top = qMax(s32Top, rectOther.bottom() + 1);
            else if (rectOther.top() > rect.bottom())
                s32Bottom = qMin(s32Bottom, rectOther.top() - 1);
        }
        const int s32Room = qMin(rect.top() - s32Top, s32Bottom - rect.bottom());
        const int s32Each = qMax(0, qMin((s32Higher + 1) / 2, s32Room));
        rect.adjust(0, -s32Each, 0, s32Each);
    }
    if (_sizeNeed.width() > rect.width()) {
        // The room up to the nearest box to the right on the same line.
        int s32Right = _rectPage.right();
        for (const QRect& rectOther : _listOthers) {
            const bool bSameLine = rectOther.top() <= rect.bottom() && rectOther.bottom() >= rect.top();
            if (bSameLine && rectOther.left() > rect.left())
                s32Right = qMin(s32Right, rectOther.left() - 1);
        }
        rect.setRight(qMax(rect.right(), qMin(rect.left() + _sizeNeed.width() - 1, s32Right)));
    }
    return rect;
}

const Toggle* pToggle(const QString& _strKey)
{
    // The oil-temperature key switches the oil-level group and the oil-level
    // key the oil-temperature group: that is how the terminal sends them.
    static const Toggle s_toggleOilLevel = {
        {"m_lbMotorOelStand", "m_lbEinheitMotorOelStand", "m_bmpMotorOelStand"},
        "m_bmpHydraulikOelStand",
        ":/images/Symbol HydraulikStand_klein.png",
        ":/images/Symbol HydraulikStand.png",
        {{"m_bmpHydraulikOelStand", QRect(530, 225, 44, 44)},
         {"m_lbHydraulikOelStand", QRect(541, 235, 44, 26)},
         {"m_lbEinheitHydraulikOelStand", QRect(592, 235, 44, 26)}},
        {{"m_bmpHydraulikOelStand", QRect(540, 225, 44, 44)},
         {"m_lbHydraulikOelStand", QRect(600, 235, 44, 26)},
         {"m_lbEinheitHydraulikOelStand", QRect(650, 235, 44, 26)}},
    };
    static const Toggle s_toggleOilTemperature = {
        {"m_lbMotorOelTemp", "m_lbEinheitMotorOelTemp", "m_bmpMotorOelTemp"},
        "m_bmpWasserTemp",
        ":/images/Symbol WasserTemp_klein.png",
        ":/images/Symbol WasserTemp.png",
        {{"m_bmpWasserTemp", QRect(530, 290, 51, 41)},
         {"m_lbWasserTemp", QRect(538, 300, 41, 26)},
         {"m_lbEinheitWasserTemp", QRect(580, 300, 44, 26)}},
        {{"m_bmpWasserTemp", QRect(540, 290, 51, 41)},
         {"m_lbWasserTemp", QRect(600, 300, 41, 26)},
         {"m_lbEinheitWasserTemp", QRect(650, 300, 44, 26)}},
    };
    if (_strKey == QLatin1String("VERB_MotorOelTemp"))
        return &s_toggleOilLevel;
    if (_strKey == QLatin1String("VERB_MotorOelStand"))
        return &s_toggleOilTemperature;
    return nullptr;
}

QList<const Toggle*> listToggles()
{
    return {pToggle(QStringLiteral("VERB_MotorOelTemp")), pToggle(QStringLiteral("VERB_MotorOelStand"))};
}

} // namespace LiveTables
