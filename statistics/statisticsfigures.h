#pragma once

#include <QString>
#include <optional>

// Figures shared by the season page's totals view and the order pages.
namespace StatisticsFigures
{

// Consumption on the field and on the road. Without fuel a figure is 0; with
// fuel but a zero divisor (minutes, area, distance) it has no value.
struct Consumption {
    std::optional<float> fieldPerHour;    // l/h
    std::optional<float> fieldPerHectare; // l/ha
    std::optional<float> roadPerHour;     // l/h
    std::optional<float> roadPerKm;       // l/km
};

// The minutes are whole minutes; the totals of many orders can pass the int range.
Consumption consumption(float _fFieldFuel, double _dFieldMinutes, float _fArea, float _fRoadFuel,
                        double _dRoadMinutes, float _fRoadKm);

// The field time left besides unloading and harvesting (may be negative;
// below the int range it stops at the smallest int).
int s32RestMinutes(int _s32FieldMinutes, int _s32UnloadMinutes, int _s32HarvestMinutes);

// "HH:MM h" with two-digit parts (all hours, never wrapped), or "-" for a
// negative time.
QString strTimeWithUnit(int _s32Minutes, const QString& _strUnit);

// The totals view's time: hours and minutes as plain numbers, "12:5 h".
QString strPlainTimeWithUnit(qint64 _s64Minutes, const QString& _strUnit);

// A number text followed by " " and the unit; "-" alone when it has no value.
QString strWithUnit(const QString& _strNumber, const QString& _strUnit);

} // namespace StatisticsFigures
