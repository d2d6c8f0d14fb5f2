#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "morvane.h"

namespace {

std::string TextOf(double value) {
    return NumberText(value).c_str();
}

TEST(NumberText, FloatingValuesUseTenSignificantDigitsWithoutTrailingPoint) {
    EXPECT_EQ(TextOf(1.0), "1");
    EXPECT_EQ(TextOf(640), "640");
    EXPECT_EQ(TextOf(-2.5), "-2.5");
    EXPECT_EQ(TextOf(1.0 / 3.0), "0.3333333333");
    EXPECT_EQ(TextOf(0.1 + 0.2), "0.3");
    EXPECT_EQ(TextOf(0), "0");
    EXPECT_EQ(TextOf(1234567890), "1234567890");
    EXPECT_EQ(TextOf(0.0001), "0.0001");
}

TEST(NumberText, MagnitudesBeyondTenDigitsUseASignedExponent) {
    EXPECT_EQ(TextOf(1e20), "1e+20");
    EXPECT_EQ(TextOf(1e-7), "1e-07");
    EXPECT_EQ(TextOf(12345678901.0), "1.23456789e+10");
    EXPECT_EQ(TextOf(-2.5e-12), "-2.5e-12");
}

TEST(NumberText, WholeNumbersArePlainDecimal) {
    EXPECT_STREQ(NumberText(std::int64_t{0}).c_str(), "0");
    EXPECT_STREQ(NumberText(std::int64_t{-42}).c_str(), "-42");
    EXPECT_STREQ(NumberText(std::int64_t{2147483647}).c_str(), "2147483647");
}

TEST(TextToNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(TextToNumber("12.5"), 12.5);
    EXPECT_EQ(TextToNumber("  \t\r\n-12.5xyz"), -12.5);
    EXPECT_EQ(TextToNumber("+3"), 3);
    EXPECT_EQ(TextToNumber(".5"), 0.5);
    EXPECT_EQ(TextToNumber("5."), 5);
    EXPECT_EQ(TextToNumber("1e3"), 1000);
    EXPECT_EQ(TextToNumber("2.5E-1"), 0.25);
    EXPECT_EQ(TextToNumber("7e"), 7);    // an exponent without digits is not read
    EXPECT_EQ(TextToNumber("7e+x"), 7);  // nor with a sign only
    EXPECT_EQ(TextToNumber("1e400"), std::numeric_limits<double>::infinity());
}

TEST(TextToNumber, TextWithoutALeadingNumberReadsAsZero) {
    EXPECT_EQ(TextToNumber(""), 0);
    EXPECT_EQ(TextToNumber(nullptr), 0);
    EXPECT_EQ(TextToNumber("abc"), 0);
    EXPECT_EQ(TextToNumber("."), 0);
    EXPECT_EQ(TextToNumber("-"), 0);
    EXPECT_EQ(TextToNumber("- 5"), 0);
    // Only decimal numbers are read: no hexadecimal, no infinity, no not-a-number.
    EXPECT_EQ(TextToNumber("0x10"), 0);
    EXPECT_EQ(TextToNumber("inf"), 0);
    EXPECT_EQ(TextToNumber("nan"), 0);
}

}  // namespace
