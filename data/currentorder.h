#pragma once

#include <QString>
#include <optional>

class cOrderTotals;

// The figures of the order opened last, parsed from its record line. Every
// value depends on this record alone.
struct CurrentOrder {
    QString strRecord;
    int s32OrderNumber = 0; // line number of the record in the list it came from
    int s32SortIndex = 0;   // the orders sort selector's index when it was opened

    // The counts as the terminal wrote them: every text of a figure is made
    // from these, so the pages, the list, the CSV and the reports agree.
    int s32AreaM2 = 0;        // m²  (10)
    int s32FieldMetres = 0;   // m   (16)
    int s32HarvestMetres = 0; // m   (17)
    int s32RoadMetres = 0;    // m   (18)
    int s32FieldFuelMl = 0;   // ml  (19)
    int s32RoadFuelMl = 0;    // ml  (20)

    float fArea = 0;            // ha (field 10 / 10000)
    float fFieldDistance = 0;   // km (16)
    float fHarvestDistance = 0; // km (17)
    float fRoadDistance = 0;    // km (18)
    float fFieldFuel = 0;       // l  (19)
    float fRoadFuel = 0;        // l  (20)
    float fHarvestFuel = 0;     // l  (37)
    float fBunkerLoads = 0;     // loads (33 / 100)
    int s32FieldMinutes = 0;    // 11
    int s32UnloadMinutes = 0;   // 13
    int s32RoadMinutes = 0;     // 14
    int s32HarvestMinutes = 0;  // 30
    QString strFieldTime;       // 11 as read
    QString strRoadTime;        // 14 as read
    QString strAdditionalInfo;  // 26

    QString strInfoText; // the seven-line order info (translated labels)
    QString strAreaText; // area with 3 decimals in the default locale, " ha"

    bool bEmpty() const { return strRecord.isEmpty(); }
    static CurrentOrder parse(const QString& _strRecord, int _s32OrderNumber, int _s32SortIndex);
};

// The six key figures of an order (order main overview, graphical comparison).
// Each has no value when its divisor is zero.
struct OrderFigures {
    std::optional<float> hectaresPerHour;
    std::optional<float> harvestSpeed;
    std::optional<float> emptyRunMetresPerHectare;
    std::optional<float> harvestFuelPerHectare;
    std::optional<float> fieldFuelPerHectare;
    std::optional<float> bunkerLoadsPerHectare;

    // All six empty when the order has no area.
    static OrderFigures ofOrder(const CurrentOrder& _order);
    // The averages of all orders: ratios of the totals' sums.
    static OrderFigures ofTotals(const cOrderTotals& _totals);
};
