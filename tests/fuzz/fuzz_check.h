#pragma once

#include <cstdio>
#include <cstdlib>

// A property broken: prints where and why, then aborts, which libFuzzer
// reports as a crash and saves the input for.
#define FUZZ_FAIL(...)                                                                             \
    do {                                                                                           \
        std::fprintf(stderr, "%s:%d: ", __FILE__, __LINE__);                                       \
        std::fprintf(stderr, __VA_ARGS__);                                                         \
        std::fputc('\n', stderr);                                                                  \
        std::abort();                                                                              \
    } while (false)

// A property that every input must keep.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s\n", #condition);                             \
            FUZZ_FAIL(__VA_ARGS__);                                                                \
        }                                                                                          \
    } while (false)
