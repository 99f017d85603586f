#include "tools/soak/soakfigures.h"

#include <algorithm>
#include <iterator>

namespace SoakFigures
{

double dGrowthPerHour(const QList<QPointF>& _lSamples)
{
    if (_lSamples.size() < 2)
        return 0.0;
    double dMeanX = 0.0;
    double dMeanY = 0.0;
    for (const QPointF& sample : _lSamples) {
        dMeanX += sample.x();
        dMeanY += sample.y();
    }
    dMeanX /= _lSamples.size();
    dMeanY /= _lSamples.size();
    // Centred sums: the absolute time stamps of a long run do not eat the
    // precision of the small slope.
    double dSxy = 0.0;
    double dSxx = 0.0;
    for (const QPointF& sample : _lSamples) {
        dSxy += (sample.x() - dMeanX) * (sample.y() - dMeanY);
        dSxx += (sample.x() - dMeanX) * (sample.x() - dMeanX);
    }
    return dSxx > 0.0 ? dSxy / dSxx * 3600.0 : 0.0;
}

double dMedian(QList<double> _ldValues)
{
    if (_ldValues.isEmpty())
        return 0.0;
    std::sort(_ldValues.begin(), _ldValues.end());
    const int s32Middle = _ldValues.size() / 2;
    return _ldValues.size() % 2 ? _ldValues.at(s32Middle)
                                : (_ldValues.at(s32Middle - 1) + _ldValues.at(s32Middle)) / 2.0;
}

Memory memory(const QList<QPointF>& _lSamples, double _dWarmUpSec)
{
    Memory memory;
    std::copy_if(_lSamples.cbegin(), _lSamples.cend(), std::back_inserter(memory.lAfterWarmUp),
                 [_dWarmUpSec](const QPointF& _sample) { return _sample.x() >= _dWarmUpSec; });
    memory.dGrowthMbPerHour = dGrowthPerHour(memory.lAfterWarmUp);
    if (!_lSamples.isEmpty()) {
        memory.dFirst = _lSamples.first().y();
        memory.dLast = _lSamples.last().y();
        for (const QPointF& sample : _lSamples)
            memory.dMax = std::max(memory.dMax, sample.y());
        memory.dWarmUpEnd = memory.lAfterWarmUp.isEmpty() ? memory.dLast : memory.lAfterWarmUp.first().y();
    }
    return memory;
}

} // namespace SoakFigures
