#pragma once

#include <QMap>
#include <QString>

// A harvester at work, for the live dashboard: every step advances the
// machine by one tick and returns the values as the live page expects them
// (object names of its widgets and its status names, values as text). The
// pressures swing through the warning limits now and then, the program step
// cycles 0..25, the tank empties slowly.
class cSimMachineState
{
public:
    QMap<QString, QString> mapStep();
    int s32Tick() const { return m_s32Tick; }

private:
    int m_s32Tick = 0;
    double m_dDiesel = 812.0;
    double m_dAreaM2 = 0.0;
};
