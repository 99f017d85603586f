#include "statistics/ordernavigation.h"

#include <Qt>

namespace OrderNavigation
{

int s32SwipeThreshold(int _s32Screen)
{
    return _s32Screen / 5;
}

Action swipeAction(int _s32Dx, int _s32Dy, int _s32Threshold)
{
    if (_s32Dx > _s32Threshold)
        return Action::PreviousOrder;
    if (-_s32Dx > _s32Threshold)
        return Action::NextOrder;
    if (_s32Dy > _s32Threshold)
        return Action::LowerPage;
    if (-_s32Dy > _s32Threshold)
        return Action::UpperPage;
    return Action::None;
}

Action keyAction(int _s32Key)
{
    switch (_s32Key) {
    case Qt::Key_Right:
        return Action::NextOrder;
    case Qt::Key_Left:
        return Action::PreviousOrder;
    case Qt::Key_Up:
        return Action::LowerPage;
    case Qt::Key_Down:
        return Action::UpperPage;
    case Qt::Key_X:
    case Qt::Key_Back:
    case Qt::Key_Escape:
        return Action::Leave;
    default:
        return Action::None;
    }
}

Page lowerNeighbour(Page _page)
{
    switch (_page) {
    case Page::Overview:
        return Page::Consumption;
    case Page::Consumption:
        return Page::DistanceSplit;
    case Page::DistanceSplit:
        return Page::TimeSplit;
    case Page::TimeSplit:
        return Page::Comparison;
    case Page::Comparison:
    default:
        return Page::Overview;
    }
}

Page upperNeighbour(Page _page)
{
    switch (_page) {
    case Page::Overview:
        return Page::Comparison;
    case Page::Consumption:
        return Page::Overview;
    case Page::DistanceSplit:
        return Page::Consumption;
    case Page::TimeSplit:
        return Page::DistanceSplit;
    case Page::Comparison:
    default:
        return Page::TimeSplit;
    }
}

int s32NeighbourOrder(const QStringList& _slLines, int _s32Current, int _s32Step, int _s32First)
{
    if (_s32Step == 0)
        return -1;
    const int s32Direction = _s32Step > 0 ? 1 : -1;
    int s32Remaining = _s32Step > 0 ? _s32Step : -_s32Step;
    int i = _s32Current;
    while (s32Remaining > 0) {
        i += s32Direction;
        if (i < _s32First || i >= _slLines.size())
            return -1;
        if (!_slLines.at(i).trimmed().isEmpty())
            --s32Remaining;
    }
    return i;
}

} // namespace OrderNavigation
