#include "support/format.h"

#include <charconv>
#include <cstdio>

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

std::string fixedText(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

}  // namespace tocko
