#pragma once

// One fuzz target per place where outside bytes enter the core library.
//
// Built with -DVEMO_FUZZ=ON (clang), each target is a libFuzzer program with
// its own LLVMFuzzerTestOneInput. In the ordinary build the same sources are
// compiled into the replay test, which calls each target by its own name on
// every stored corpus file and reproducer.
//
// FUZZ_CHECK states a property the input must not break: under the fuzzer a
// broken property is a finding (the program aborts with the condition), in the
// replay test it is a test failure.

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace Fuzz
{

void vFail(const char* _strCondition, const char* _strFile, int _s32Line);

// The input as a byte array that does not copy it.
inline QByteArray baInput(const uint8_t* _pData, size_t _size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(_pData), int(_size));
}

} // namespace Fuzz

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            Fuzz::vFail(#condition, __FILE__, __LINE__);                                                     \
    } while (false)

#ifdef VEMO_FUZZ_REPLAY
#define VEMO_FUZZ_TARGET(name) int name(const uint8_t* data, size_t size)
#else
#define VEMO_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#endif
