// Internal assertions for impossible states. In debug builds a failed
// assertion names the file and line and aborts; in release builds it costs
// nothing. Callers never see it: bad input is reported by status codes.
#pragma once

#ifndef NDEBUG
#include <cstdio>
#include <cstdlib>
#define ZORS_ASSERT(cond)                                                              \
    do {                                                                               \
        if (!(cond)) {                                                                 \
            std::fprintf(stderr, "zors: internal error at %s:%d: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                              \
        }                                                                              \
    } while (0)
#else
#define ZORS_ASSERT(cond) ((void)0)
#endif
