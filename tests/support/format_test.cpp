#include "support/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "support/log.h"

using namespace tocko;

TEST(Format, FixedTextMatchesPrintfForEveryDouble) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double v :
         {0.0, 0.05, -0.005, 1.0 / 3.0, 1e21, 1e62, -1e62, 1e308, std::numeric_limits<double>::max(),
          -std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(), inf, -inf}) {
        for (int decimals : {0, 2, 6}) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, v);  // the C locale in this test
            EXPECT_EQ(fixedText(v, decimals), expected) << v << " " << decimals;
        }
    }
    EXPECT_EQ(fixedText(std::nan(""), 2), "nan");
}

TEST(Format, ShortestTextReadsBackKeepsAFractionAndIgnoresTheLocale) {
    EXPECT_EQ(shortestText(1e308), "1e+308");
    EXPECT_EQ(shortestText(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(shortestText(0.05), "0.05");
    EXPECT_EQ(shortestText(1.0f), "1.0");
    EXPECT_EQ(shortestText(0.9f), "0.9");
    EXPECT_EQ(shortestText(0.4453125f), "0.4453125");
    EXPECT_EQ(shortestText(std::numeric_limits<float>::max()), "3.4028235e+38");
    // The C locale of a desktop session must not change the decimal point.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_EQ(fixedText(0.05, 2), "0.05");
        EXPECT_EQ(shortestText(0.05), "0.05");
        EXPECT_EQ(pub(1.5, 2).text, "1.50");
        std::setlocale(LC_NUMERIC, "C");
    }
}
