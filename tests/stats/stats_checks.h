// ZT_CHECKS over a list of exports of the same minimum length.
#pragma once

#include <string>

#include "tests/arg_checks.h"

namespace zstat {

// The i-th name of a comma-separated list.
inline std::string name_at(const char* names, int i) {
    std::string s = names;
    for (; i > 0; --i) s.erase(0, s.find(',') + 1);
    s.erase(0, s.find_first_not_of(' '));
    return s.substr(0, s.find(','));
}

template <class... F>
void checks(int min_len, const char* names, F... f) {
    int i = 0;
    (zchk::expect_checks(name_at(names, i++).c_str(), f, min_len), ...);
}

}  // namespace zstat

#define ZT_CHECKS_ALL(min_len, ...) ::zstat::checks(min_len, #__VA_ARGS__, __VA_ARGS__)
