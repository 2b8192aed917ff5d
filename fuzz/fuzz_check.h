#pragma once
// A property check for the fuzz targets: a broken property stops the run the
// way a crash does, so libFuzzer keeps the input and the regression driver
// fails on it.

#include <cstdio>
#include <cstdlib>

namespace tumbaro {

inline void FuzzCheck(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property broken: %s\n", property);
    std::abort();
}

} // namespace tumbaro
