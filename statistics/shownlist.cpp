#include "statistics/shownlist.h"

namespace ShownList
{

namespace
{

ListState& shared()
{
    static ListState s_state;
    return s_state;
}

} // namespace

void vSet(const ListState& _state)
{
    shared() = _state;
}

const ListState& state()
{
    return shared();
}

} // namespace ShownList
