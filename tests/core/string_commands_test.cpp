#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "morvane.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(MidStr, TakesCountCharactersFromAZeroBasedStartComparedUntruncated) {
    const struct {
        const char* text;
        double start, count;
        const char* part;
    } cases[] = {{"Hello", 1, 3, "ell"},     {"Hello", 3, 10, "lo"},
                 {"Hello", 4, 1, "o"},       {"Hello", 5, 1, ""},
                 {"Hello", -1, 2, ""},       {"Hello", 0, -3, ""},
                 {"Hello", kNaN, 2, ""},     {"Hello", 1, kNaN, ""},
                 {"abc", 2.5, 1, "c"},       {"abc", 3.5, 1, ""},
                 {"abcdef", 1.9, 2.9, "bc"}, {"abc", 0, std::numeric_limits<double>::infinity(), "abc"}};
    for (const auto& c : cases)
        EXPECT_STREQ(MID_Str(DynStr(c.text), c.start, c.count).c_str(), c.part) << c.start << " " << c.count;
}

TEST(StringCommands, CharactersFormatsAndLengths) {
    EXPECT_STREQ(CHR_Str(321).c_str(), "A");  // the low eight bits
    EXPECT_STREQ(CHR_Str(256).c_str(), "");
    EXPECT_STREQ(CHR_Str(kNaN).c_str(), "");
    EXPECT_EQ(ASC(CHR_Str(200)), -56);  // bytes above 127 read as negative
    EXPECT_EQ(ASC(DynStr("")), 0);
    EXPECT_STREQ(CHR_Str(1e300).c_str(), CHR_Str(2147483647).c_str());  // saturates, never undefined

    EXPECT_STREQ(FORMAT_Str(6, 2, 3.14159).c_str(), "  3.14");
    EXPECT_STREQ(FORMAT_Str(6.9, 1.9, -1.25).c_str(), "  -1.2");
    EXPECT_STREQ(FORMAT_Str(-6, 1, 2.0).c_str(), "2.0   ");  // a negative width left-aligns
    EXPECT_STREQ(FORMAT_Str(0, -2, 2.7).c_str(), "3");       // negative decimals count as none
    EXPECT_EQ(FORMAT_Str(0, 5000, 1).Length(), 1023);
    EXPECT_EQ(FORMAT_Str(1e12, 1e12, 1e300).Length(), 1023);

    EXPECT_EQ(LEN(DynStr("Hello")), 5);
    EXPECT_EQ(LEN(1.0 / 3.0), 12);
}

TEST(NumberText, TenSignificantDigitsWithoutATrailingPointElseASignedExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{640, "640"},    {-2.5, "-2.5"},  {1.0 / 3.0, "0.3333333333"},      {0.1 + 0.2, "0.3"},
                 {1e20, "1e+20"}, {1e-7, "1e-07"}, {12345678901.0, "1.23456789e+10"}};
    for (const auto& c : cases)
        EXPECT_STREQ(NumberText(c.value).c_str(), c.text);
    EXPECT_STREQ(NumberText(std::int64_t{-42}).c_str(), "-42");
}

TEST(TextToNumber, ReadsTheLeadingDecimalNumberElseZero) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"  \t\r\n-12.5xyz", -12.5},
                 {".5", 0.5},
                 {"2.5E-1", 0.25},
                 {"7e+x", 7},
                 {"1e400", std::numeric_limits<double>::infinity()},
                 {nullptr, 0},
                 {"- 5", 0},
                 {"0x10", 0},
                 {"inf", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.text), c.value) << (c.text ? c.text : "null");
}

}  // namespace
