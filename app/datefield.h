#pragma once

class QDateEdit;

// Date fields for a finger and a keyboard alike: a tap selects the part of
// the date under it (day, month or year), so the digits typed next replace
// it; the calendar pop-up has cells of the size of the pages' icons and
// names days and months in the interface language.
namespace DateField
{

void vSetup(QDateEdit* _pField);

// The side of one calendar cell for the screen unit S: S / 12.
int s32CellSize(int _s32Screen);

} // namespace DateField
