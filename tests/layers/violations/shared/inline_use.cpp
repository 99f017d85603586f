#include "upperpart.h"

int s32UsesUpInline()
{
    return s32UpperPart();
}
