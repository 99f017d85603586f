// Declared by hand, so no include gives it away.
int s32Upper();

int s32CallsUp()
{
    return s32Upper();
}
