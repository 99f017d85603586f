#include "core/lower.h"

int s32Lower()
{
    return 1;
}
