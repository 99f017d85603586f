#pragma once

#include "data/statisticsfile.h"

#include <QLocale>
#include <QString>
#include <QVector>

class cOrderTotals;
struct OperatingHours;

// The season page's figures as texts for its report: the figures of a season
// or machine statistics file as the terminal wrote them, or the totals of an
// orders file in a locale's numbers. Widget-free.
struct SeasonSheet {
    struct Row {
        QString strTitle;
        QString strField; // empty: the row has no field figure
        QString strRoad;  // empty: the row has no road figure
    };

    QString strView;     // "Summe" or the statistics file's view name
    QString strFileName; // the file the figures come from
    bool bMachineHours = false;
    QString strEngineHours;
    QString strHarvesterHours;
    QString strArea;
    QVector<Row> rows; // distance, time, fuel, l/h, l/ha, l/km

    static SeasonSheet ofRecord(const StatisticsRecord& _record, const QString& _strView,
                                const QString& _strFileName);
    static SeasonSheet ofTotals(const cOrderTotals& _totals, const OperatingHours& _hours,
                                const QString& _strFileName, const QLocale& _locale);
};
