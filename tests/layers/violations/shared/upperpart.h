#pragma once

// Inline only: using it leaves no symbol for a link to miss.
inline int s32UpperPart()
{
    return 3;
}
