#include <gtest/gtest.h>

#include <limits>

#include "morvane.h"

namespace {

TEST(NumberText, TenSignificantDigitsWithoutATrailingPointElseASignedExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{640, "640"},
                 {-2.5, "-2.5"},
                 {1.0 / 3.0, "0.3333333333"},
                 {0.1 + 0.2, "0.3"},
                 {0, "0"},
                 {1234567890, "1234567890"},
                 {0.0001, "0.0001"},
                 {1e20, "1e+20"},
                 {1e-7, "1e-07"},
                 {12345678901.0, "1.23456789e+10"},
                 {-2.5e-12, "-2.5e-12"}};
    for (const auto& c : cases)
        EXPECT_STREQ(NumberText(c.value).c_str(), c.text);
    EXPECT_STREQ(NumberText(std::int64_t{-42}).c_str(), "-42");
    EXPECT_STREQ(NumberText(std::int64_t{2147483647}).c_str(), "2147483647");
}

TEST(TextToNumber, ReadsTheLeadingDecimalNumberElseZero) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"  \t\r\n-12.5xyz", -12.5},
                 {"+3", 3},
                 {".5", 0.5},
                 {"5.", 5},
                 {"2.5E-1", 0.25},
                 {"7e", 7},  // an exponent without digits is not read
                 {"7e+x", 7},
                 {"1e400", std::numeric_limits<double>::infinity()},
                 {"", 0},
                 {nullptr, 0},
                 {"abc", 0},
                 {".", 0},
                 {"-", 0},
                 {"- 5", 0},
                 {"0x10", 0},
                 {"inf", 0},
                 {"nan", 0}};  // decimal numbers only
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.text), c.value) << (c.text ? c.text : "null");
}

}  // namespace
