#pragma once

#include <cstdio>
#include <cstdlib>

// Aborts with `promise` on stderr when `kept` is false, so the fuzzer reports the input.
inline void Require(bool kept, const char* promise) {
    if (!kept) {
        std::fprintf(stderr, "morvane fuzz: broken promise: %s\n", promise);
        std::abort();
    }
}
