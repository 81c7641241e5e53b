// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A failed check ends the run with the input saved by libFuzzer.
#include <cstdio>
#include <cstdlib>

#define KITE_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)
