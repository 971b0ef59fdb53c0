#include "support/format.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tocko {

namespace {
template <class T>
std::string shortest(T value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, res.ptr);
    if (s.find_first_of(".eEn") == std::string::npos) s += ".0";  // n: nan/inf
    return s;
}
}  // namespace

std::string shortestText(float value) { return shortest(value); }
std::string shortestText(double value) { return shortest(value); }

// Unlike printf, to_chars ignores the C locale, which Qt sets from the
// user's environment: a German desktop must not turn 0.05 into "0,05".
std::string fixedText(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 17);
    // The largest double has 309 integer digits.
    char buf[std::numeric_limits<double>::max_exponent10 + 1 + 1 + 1 + 17 + 8];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return shortest(value);  // not reached with the buffer above
    return std::string(buf, res.ptr);
}

}  // namespace tocko
