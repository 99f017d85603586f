// What a broken property does under the fuzzer: print it and abort, so that
// libFuzzer keeps the input as a finding.
#include "fuzztarget.h"

#include <cstdio>
#include <cstdlib>

void Fuzz::vFail(const char* _strCondition, const char* _strFile, int _s32Line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", _strFile, _s32Line, _strCondition);
    std::abort();
}
