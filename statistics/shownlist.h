#pragma once

#include "data/liststate.h"

// The list the main window shows, as the statistics pages read it: the order
// pages step through its lines and compare with its totals, the season page
// shows its totals. The application hands it over whenever it changes.
namespace ShownList
{

void vSet(const ListState& _state);
const ListState& state();

} // namespace ShownList
