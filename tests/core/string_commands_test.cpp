#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "morvane.h"

namespace {

TEST(MidStr, TakesCountCharactersFromAZeroBasedStartComparedUntruncated) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* text;
        double start, count;
        const char* part;
    } cases[] = {{"Hello", 1, 3, "ell"},     {"Hello", 3, 10, "lo"},
                 {"Hello", 4, 1, "o"},       {"Hello", 5, 1, ""},
                 {"Hello", -1, 2, ""},       {"Hello", 0, 0, ""},
                 {"Hello", 0, -3, ""},       {"", 0, 1, ""},
                 {"Hello", nan, 2, ""},      {"Hello", 1, nan, ""},
                 {"abc", 2.5, 1, "c"},       {"abc", 3.5, 1, ""},
                 {"abcdef", 1.9, 2.9, "bc"}, {"abc", 0, std::numeric_limits<double>::infinity(), "abc"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(MID_Str(DynStr(c.text), c.start, c.count).c_str(), c.part)
            << c.text << " " << c.start << " " << c.count;
    }
}

TEST(ChrStrAndAsc, UseTheLowEightBits) {
    EXPECT_STREQ(CHR_Str(321).c_str(), "A");
    EXPECT_STREQ(CHR_Str(65.9).c_str(), "A");
    EXPECT_STREQ(CHR_Str(256).c_str(), "");
    EXPECT_STREQ(CHR_Str(std::numeric_limits<double>::quiet_NaN()).c_str(), "");  // not a number counts as 0
    EXPECT_EQ(ASC(CHR_Str(200)), -56);  // bytes above 127 read as negative
    EXPECT_EQ(ASC(DynStr("")), 0);
    EXPECT_STREQ(CHR_Str(1e300).c_str(), CHR_Str(2147483647).c_str());  // saturates, never undefined
}

TEST(FormatStr, FixedPointInAtLeastWidthCharactersCutAtTheCapacity) {
    EXPECT_STREQ(FORMAT_Str(6, 2, 3.14159).c_str(), "  3.14");
    EXPECT_STREQ(FORMAT_Str(6.9, 1.9, -1.25).c_str(), "  -1.2");
    EXPECT_STREQ(FORMAT_Str(2, 3, 12345.5).c_str(), "12345.500");
    EXPECT_STREQ(FORMAT_Str(-6, 1, 2.0).c_str(), "2.0   ");  // a negative width left-aligns
    EXPECT_STREQ(FORMAT_Str(0, -2, 2.7).c_str(), "3");       // negative decimals count as none
    EXPECT_EQ(FORMAT_Str(5000, 2, 1).Length(), 1023);
    EXPECT_EQ(FORMAT_Str(0, 5000, 1).Length(), 1023);
    EXPECT_EQ(FORMAT_Str(1e12, 1e12, 1e300).Length(), 1023);
}

TEST(Len, CountsCharactersOfStringsAndNumberTexts) {
    EXPECT_EQ(LEN(DynStr("Hello")), 5);
    EXPECT_EQ(LEN(1.0 / 3.0), 12);
    EXPECT_EQ(LEN(-2.5), 4);
}

}  // namespace
