#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class RecordFields;

// Sums over all order records with an area above 0, and the averages formed
// as ratios of those sums (not means of the orders' own ratios).
class cOrderTotals
{
public:
    void vReset();
    // Adds one record line (fields split at ";"); a record whose area field
    // is 0 or no integer adds nothing at all.
    void vAddRecord(const QString& _strLine);
    void vAddRecord(const RecordFields& _fields);
    // Adds the sums of other records (another season's totals).
    void vAdd(const cOrderTotals& _other);

    float fArea() const { return float(m_dArea); } // ha
    float fFieldMinutes() const { return float(m_dFieldMinutes); }
    float fRoadMinutes() const { return float(m_dRoadMinutes); }
    float fHarvestMinutes() const { return float(m_dHarvestMinutes); }
    float fFieldDistance() const { return float(m_dFieldDistance); } // km
    float fHarvestDistance() const { return float(m_dHarvestDistance); }
    float fRoadDistance() const { return float(m_dRoadDistance); }
    float fFieldFuel() const { return float(m_dFieldFuel); } // l
    float fRoadFuel() const { return float(m_dRoadFuel); }
    float fEmptyRunMetres() const { return m_fEmptyRunMetres; }
    float fHarvestFuel() const { return m_fHarvestFuel; }
    float fBunkerLoads() const { return m_fBunkerLoads; }

    // The sums as counts (m², m, ml): the texts of the sums are made from these.
    qint64 s64AreaM2() const { return m_s64AreaM2; }
    qint64 s64FieldMetres() const { return m_s64FieldMetres; }
    qint64 s64RoadMetres() const { return m_s64RoadMetres; }
    qint64 s64FieldFuelMl() const { return m_s64FieldFuelMl; }
    qint64 s64RoadFuelMl() const { return m_s64RoadFuelMl; }

    // Averages; no value when their divisor is 0.
    std::optional<float> hectaresPerHour() const; // 60 * area / field minutes
    std::optional<float> harvestSpeed() const;    // 60 * harvest km / harvest minutes
    std::optional<float> emptyRunMetresPerHectare() const;
    std::optional<float> harvestFuelPerHectare() const;
    std::optional<float> fieldFuelPerHectare() const;
    std::optional<float> bunkerLoadsPerHectare() const;

    // The sums as a text that gives them back exactly (the archive keeps a
    // season's totals so); false for a text that is not one.
    QString strSerialized() const;
    static bool bFromSerialized(const QString& _strText, cOrderTotals& _totals);

private:
    // Every sum, by its type: what adding, writing and reading go through.
    static qint64 cOrderTotals::*const s_counts[5];
    static double cOrderTotals::*const s_sums[9];
    static float cOrderTotals::*const s_floatSums[3];

    qint64 m_s64AreaM2 = 0;
    qint64 m_s64FieldMetres = 0;
    qint64 m_s64RoadMetres = 0;
    qint64 m_s64FieldFuelMl = 0;
    qint64 m_s64RoadFuelMl = 0;
    double m_dArea = 0;
    double m_dFieldMinutes = 0;
    double m_dRoadMinutes = 0;
    double m_dHarvestMinutes = 0;
    double m_dFieldDistance = 0;
    double m_dHarvestDistance = 0;
    double m_dRoadDistance = 0;
    double m_dFieldFuel = 0;
    double m_dRoadFuel = 0;
    float m_fEmptyRunMetres = 0;
    float m_fHarvestFuel = 0;
    float m_fBunkerLoads = 0;
};

// The machine's operating hours from the first order record (line 1):
// field 42 engine, field 43 harvester; "-" for a text without ":" and for
// both when the file has no record.
struct OperatingHours {
    QString strEngine;
    QString strHarvester;
    static OperatingHours fromOrderLines(const QStringList& _slLines);
};
