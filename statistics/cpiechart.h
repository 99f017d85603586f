#pragma once

#include "statistics/chartgeometry.h"

#include <QWidget>

// A pie of prepared sectors inside the widget's centred square; no sectors
// (no data) draws nothing.
class cPieChart : public QWidget
{
    Q_OBJECT

public:
    explicit cPieChart(QWidget* _pParent = nullptr);

    const QVector<ChartGeometry::PieSector>& sectors() const { return m_sectors; }
    // Forgets the sectors, so that no stale pie shows.
    void vReset();

protected:
    void vSetSectors(const QVector<ChartGeometry::PieSector>& _sectors);
    void paintEvent(QPaintEvent* _pEvent) override;

private:
    QVector<ChartGeometry::PieSector> m_sectors;
};

// How the order's driving splits: empty runs, road, harvesting.
class cPieChartStrecke : public cPieChart
{
    Q_OBJECT

public:
    explicit cPieChartStrecke(QWidget* _pParent = nullptr);
    // Field, harvesting and road distance in km.
    void vReceiveDate(float _fWegFeld, float _fWegRoden, float _fWegStrasse);
};

// How the order's field time splits: rest, unloading, harvesting.
class cPieChartZeit : public cPieChart
{
    Q_OBJECT

public:
    explicit cPieChartZeit(QWidget* _pParent = nullptr);
    void vReceiveDate(int _s32ZeitAckerMinutes, int _s32ZeitEntladenMinutes, int _s32ZeitRodenMinutes);
};
