#pragma once

#include <cstdio>
#include <cstdlib>

// Programming errors stop the process in every build type (unlike assert, which
// release builds drop). User input must never reach one of these.
#define VLT_PRECONDITION(condition, message)                                                        \
    do {                                                                                            \
        if (!(condition)) {                                                                         \
            std::fprintf(stderr, "Precondition failed: %s (%s:%d)\n", message, __FILE__, __LINE__); \
            std::abort();                                                                           \
        }                                                                                           \
    } while (false)
