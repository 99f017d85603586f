#pragma once

#include <QStringList>

// How the five order pages are navigated: a swipe or a key steps to the
// previous or next order, or to the neighbour page; the X key leaves.
namespace OrderNavigation
{

enum class Action {
    None,
    PreviousOrder, // finger moved right, Left arrow
    NextOrder,     // finger moved left, Right arrow
    LowerPage,     // finger moved down, Up arrow
    UpperPage,     // finger moved up, Down arrow, header arrow button
    Leave          // X key, back key: back to the main window
};

// The five order pages in the order of the downward swipe.
enum class Page { Overview, Consumption, DistanceSplit, TimeSplit, Comparison };

// A swipe must be longer than a fifth of the screen unit S.
int s32SwipeThreshold(int _s32Screen);

// The action of a press-release gesture moved by (dx, dy). Horizontal wins
// over vertical, so a diagonal swipe changes the order; a move of exactly
// the threshold does nothing.
Action swipeAction(int _s32Dx, int _s32Dy, int _s32Threshold);

// The action of a released key (arrows, X, back key incl. Escape).
Action keyAction(int _s32Key);

Page lowerNeighbour(Page _page);
Page upperNeighbour(Page _page);

// The index of the order _s32Step records away from _s32Current in _slLines,
// skipping empty lines; -1 when there is none. Records start at _s32First
// (1 in the file's lines, whose line 0 is the header; 0 in the sorted list).
int s32NeighbourOrder(const QStringList& _slLines, int _s32Current, int _s32Step, int _s32First);

} // namespace OrderNavigation
