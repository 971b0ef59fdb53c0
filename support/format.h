#pragma once
#include <string>

namespace tocko {
// The shortest decimal text that reads back as the same number, always with a
// fractional part for whole numbers: 1.0, 0.9, 0.4453125, 1e-07.
std::string shortestText(float value);
std::string shortestText(double value);
// printf-style "%.Nf" in the C locale, for any double (inf, nan, 1e308);
// `decimals` is held to 0...17.
std::string fixedText(double value, int decimals);
}  // namespace tocko
