#pragma once
#include <cstdlib>
#include <cstring>

namespace tocko {
// An environment switch is on only when its value is exactly "1".
inline bool envSwitch(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && std::strcmp(v, "1") == 0;
}
}  // namespace tocko
