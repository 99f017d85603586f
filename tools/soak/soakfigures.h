#pragma once

#include <QList>
#include <QPointF>

// The figures of a soak run: memory growth as the least-squares slope of
// the samples, the memory's key values, and the median of the reconnect times.
namespace SoakFigures
{

// The slope of the straight line that fits the points (x in seconds, y in
// MB) best, in MB per hour. Needs at least two different x; 0 otherwise.
double dGrowthPerHour(const QList<QPointF>& _lSamples);

// The middle value (the mean of the two middle ones for an even count); 0
// for none.
double dMedian(QList<double> _ldValues);

// The resident memory of a run (x in seconds, y in MB): the samples from the
// end of the warm-up on with their growth, and the first, last and largest
// value and the one at the warm-up's end (the last without samples after it;
// all 0 without samples).
struct Memory {
    QList<QPointF> lAfterWarmUp;
    double dGrowthMbPerHour = 0.0;
    double dFirst = 0.0;
    double dLast = 0.0;
    double dMax = 0.0;
    double dWarmUpEnd = 0.0;
};
Memory memory(const QList<QPointF>& _lSamples, double _dWarmUpSec);

} // namespace SoakFigures
