#include "page/upper.h"

int s32IncludesUp()
{
    return 0;
}
