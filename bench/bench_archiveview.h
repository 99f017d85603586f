#pragma once

#include "benchsupport.h"

class QString;

namespace Bench
{

// The archive in the main window with a million orders behind it: the
// opening, search keystrokes beside the sqlite3 shell's query of the same
// selection, choosing a machine and a season, a tap to an order's pages,
// and the memory the view takes at 100,000 and 1,000,000 orders. The
// archives are made in _strHome; every time is a ratio to _dBaseline.
void vArchiveView(const MainWindow& _w, const QString& _strHome, double _dBaseline);

} // namespace Bench
