// The library's version record.
#include "zors.h"

namespace {
constexpr ZorVersionRecord kVersion = {
    4, 0, 19, 77, {'a', '6', '\0', '\0'}, "zorsa6.dll", "v4.0", "Oct 16 2003",
};
}  // namespace

const ZorVersionRecord* zorsGetLibVersion(void) { return &kVersion; }
