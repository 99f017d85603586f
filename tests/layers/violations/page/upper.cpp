#include "page/upper.h"

#include "core/lower.h"
#include "shared/upperpart.h"

int s32Upper()
{
    return s32Lower() + s32UpperPart();
}
