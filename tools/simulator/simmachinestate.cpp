#include "tools/simulator/simmachinestate.h"

#include <QtMath>

namespace
{

// A wave between _dLow and _dHigh with the given period in ticks.
double dWave(int _s32Tick, double _dPeriod, double _dLow, double _dHigh, double _dPhase = 0.0)
{
    const double s = 0.5 + 0.5 * qSin(2.0 * M_PI * (_s32Tick / _dPeriod + _dPhase));
    return _dLow + s * (_dHigh - _dLow);
}

QString strInt(double _d)
{
    return QString::number(qRound(_d));
}

QString strFixed(double _d, int _s32Decimals)
{
    return QString::number(_d, 'f', _s32Decimals);
}

QString strClock(int _s32Minutes)
{
    return QStringLiteral("%1:%2")
        .arg(_s32Minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(_s32Minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QMap<QString, QString> cSimMachineState::mapStep()
{
    const int t = m_s32Tick++;
    const double speed = dWave(t, 40, 4.8, 7.2);
    m_dDiesel = qMax(0.0, m_dDiesel - 0.05);
    m_dAreaM2 += speed / 3.6 * 3.0 * 0.5; // 3 m working width, half a second per tick

    QMap<QString, QString> values;
    // Engine and hydraulics.
    values.insert(QStringLiteral("m_MotorIstDrehzahl"), strInt(dWave(t, 23, 1620, 1880)));
    values.insert(QStringLiteral("m_lbSollDrehzahl"), QStringLiteral("1800"));
    values.insert(QStringLiteral("m_lbWasserTemp"), strInt(dWave(t, 120, 82, 91)));
    values.insert(QStringLiteral("m_lbMotorOelTemp"), strInt(dWave(t, 150, 95, 104)));
    values.insert(QStringLiteral("m_lbHydraulikOelTemp"), strInt(dWave(t, 200, 58, 66)));
    values.insert(QStringLiteral("m_lbMotorOelStand"), QStringLiteral("92"));
    values.insert(QStringLiteral("m_lbHydraulikOelStand"), QStringLiteral("88"));
    values.insert(QStringLiteral("m_lbBoardbpannung"), strFixed(dWave(t, 60, 27.4, 28.2), 1));
    values.insert(QStringLiteral("m_lbTankDiesel"), strInt(m_dDiesel));
    values.insert(QStringLiteral("m_lbTankAdBlue"), strInt(dWave(t, 900, 55, 60)));
    values.insert(QStringLiteral("m_lbLiterProStunde"), strFixed(dWave(t, 31, 38, 52), 1));
    values.insert(QStringLiteral("m_lbDruckFahrantrieb"), strInt(dWave(t, 17, 180, 260)));
    values.insert(QStringLiteral("m_lbEinheitVorratsdruckLuftkessel"), strFixed(dWave(t, 90, 7.2, 8.1), 1));

    // Driving.
    values.insert(QStringLiteral("m_lbIstGeschwindigkeit"), strFixed(speed, 1));
    values.insert(QStringLiteral("m_lbSollGeschwindigkeit"), QStringLiteral("6.5"));
    values.insert(QStringLiteral("m_lbHa"), strFixed(m_dAreaM2 * 0.0001, 3));
    values.insert(QStringLiteral("m_lbLiterProHa"), strFixed(dWave(t, 70, 24, 31), 1));
    values.insert(QStringLiteral("m_lbZeitAuftrag"), strClock(95 + t / 120));
    values.insert(QStringLiteral("m_lbZeitRoden"), strClock(71 + t / 120));
    values.insert(QStringLiteral("m_lbZeitEntladen"), strClock(12 + t / 600));

    // Harvesting units.
    values.insert(QStringLiteral("m_lbReihenanzahl"), QStringLiteral("6"));
    values.insert(QStringLiteral("m_lbReihenabstand"), QStringLiteral("450"));
    values.insert(QStringLiteral("m_lbSchleglertiefeLinks"), strInt(dWave(t, 25, 18, 26)));
    values.insert(QStringLiteral("m_lbSchleglertiefeRechts"), strInt(dWave(t, 25, 18, 26, 0.3)));
    values.insert(QStringLiteral("m_lbReinigungStufe"), QString::number(1 + (t / 20) % 4));
    values.insert(QStringLiteral("m_lbSiebbandStufe"), QString::number(1 + (t / 30) % 3));
    values.insert(QStringLiteral("m_lbBunkerfellstand"), strInt((t * 2) % 101));
    values.insert(QStringLiteral("m_lbSiebstern1_Soll"), QStringLiteral("8"));

    // Pressures: the bars swing past the warning limits now and then.
    const double siebband = dWave(t, 29, 30, 92);
    const double elevator = dWave(t, 37, 25, 88, 0.25);
    const double reinigung = dWave(t, 43, 20, 85, 0.5);
    values.insert(QStringLiteral("m_slWarnSiebband"), QStringLiteral("75"));
    values.insert(QStringLiteral("m_slWarnElevator"), QStringLiteral("80"));
    values.insert(QStringLiteral("m_slWarnReinigung"), QStringLiteral("70"));
    values.insert(QStringLiteral("m_pbSiebbanddruck"), strInt(siebband));
    values.insert(QStringLiteral("m_pbElevatordruck"), strInt(elevator));
    values.insert(QStringLiteral("m_pbReinigungsdruck"), strInt(reinigung));
    values.insert(QStringLiteral("m_lbSiebbandDruckBar"), strInt(siebband * 2.1));
    values.insert(QStringLiteral("m_lbElevatorDruckBar"), strInt(elevator * 1.9));
    values.insert(QStringLiteral("m_lbReinigungsdruckBar"), strInt(reinigung * 1.7));
    values.insert(QStringLiteral("m_pbAuslastungReinigung"), strInt(dWave(t, 19, 35, 75)));
    values.insert(QStringLiteral("m_pbEntladebandHoehe"), strInt(dWave(t, 80, 3000, 9000)));

    // Status symbols.
    values.insert(QStringLiteral("pos_rselect"), QString::number(t % 26));
    values.insert(QStringLiteral("VERB_ANZEIGE_GANG"), QString::number(1 + (t / 50) % 4));
    values.insert(QStringLiteral("VERB_ANZEIGE_GPS_EMPFANG"),
                  (t / 15) % 5 == 4 ? QStringLiteral("1") : QStringLiteral("2"));
    values.insert(QStringLiteral("VERB_ANZEIGE_MASCHINE_AN"), QStringLiteral("1"));
    values.insert(QStringLiteral("VERB_ANZEIGE_RODE_PROGRAMM"), QString::number(1 + (t / 60) % 3));
    values.insert(QStringLiteral("VERB_ANZEIGE_RODER_MODUS"), QStringLiteral("2"));
    values.insert(QStringLiteral("VERB_ANZEIGEENTLADEBAND"), QStringLiteral("2"));
    values.insert(QStringLiteral("VERB_ANZEIGE_PARKBREMSE"), QStringLiteral("0"));
    values.insert(QStringLiteral("VERB_ANZEIGE_TEMPOMAT"), QStringLiteral("1"));
    values.insert(QStringLiteral("VERB_ANZEIGE_MOTOR_STATUS"), QStringLiteral("1"));
    values.insert(QStringLiteral("VERB_ANZEIGE_NEIGUNG_AUTO"), QStringLiteral("2"));
    values.insert(QStringLiteral("Diffsperre"),
                  (t / 40) % 3 == 2 ? QStringLiteral("3") : QStringLiteral("0"));
    values.insert(QStringLiteral("Schmierung"), (t / 25) % 2 ? QStringLiteral("1") : QStringLiteral("0"));
    values.insert(QStringLiteral("VERB_MotorOelTemp"), QStringLiteral("1"));
    values.insert(QStringLiteral("VERB_MotorOelStand"), QStringLiteral("1"));
    return values;
}
