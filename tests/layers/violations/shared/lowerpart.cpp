#include "shared/lowerpart.h"

#include "core/lower.h"

int s32LowerPart()
{
    return s32Lower() + 1;
}
