#pragma once

#include <QList>
#include <QPointF>

// The figures of a soak run: memory growth as the least-squares slope of
// the samples, and the median of the reconnect times.
namespace SoakFigures
{

// The slope of the straight line that fits the points (x in seconds, y in
// MB) best, in MB per hour. Needs at least two different x; 0 otherwise.
double dGrowthPerHour(const QList<QPointF>& _lSamples);

// The middle value (the mean of the two middle ones for an even count); 0
// for none.
double dMedian(QList<double> _ldValues);

} // namespace SoakFigures
