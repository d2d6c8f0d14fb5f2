#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "morvane.h"

namespace {

std::string Mid(const char* text, double start, double count) {
    return MID_Str(DynStr(text), start, count).c_str();
}

TEST(MidStr, TakesCountCharactersFromAZeroBasedStart) {
    EXPECT_EQ(Mid("Hello", 1, 3), "ell");
    EXPECT_EQ(Mid("Hello", 0, 5), "Hello");
    EXPECT_EQ(Mid("Hello", 3, 10), "lo");
    EXPECT_EQ(Mid("Hello", 4, 1), "o");
}

TEST(MidStr, EmptyRangesGiveTheEmptyString) {
    EXPECT_EQ(Mid("Hello", 5, 1), "");
    EXPECT_EQ(Mid("Hello", -1, 2), "");
    EXPECT_EQ(Mid("Hello", 0, 0), "");
    EXPECT_EQ(Mid("Hello", 0, -3), "");
    EXPECT_EQ(Mid("Hello", 99, 2), "");
    EXPECT_EQ(Mid("", 0, 1), "");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Mid("Hello", nan, 2), "");
    EXPECT_EQ(Mid("Hello", 1, nan), "");
}

TEST(MidStr, FractionalArgumentsCompareUntruncated) {
    EXPECT_EQ(Mid("abc", 2.5, 1), "c");
    EXPECT_EQ(Mid("abc", 3.5, 1), "");
    EXPECT_EQ(Mid("abcdef", 1.9, 2.9), "bc");
    EXPECT_EQ(Mid("abc", 0, std::numeric_limits<double>::infinity()), "abc");
}

TEST(ChrStrAndAsc, UseTheLowEightBits) {
    EXPECT_STREQ(CHR_Str(65).c_str(), "A");
    EXPECT_STREQ(CHR_Str(321).c_str(), "A");
    EXPECT_STREQ(CHR_Str(65.9).c_str(), "A");
    EXPECT_STREQ(CHR_Str(0).c_str(), "");
    EXPECT_STREQ(CHR_Str(256).c_str(), "");
    EXPECT_EQ(ASC(CHR_Str(200)), -56);  // bytes above 127 read as negative
    EXPECT_EQ(ASC(DynStr("Abc")), 65);
    EXPECT_EQ(ASC(DynStr("")), 0);
    EXPECT_STREQ(CHR_Str(1e300).c_str(), CHR_Str(2147483647).c_str());  // saturates, never undefined
}

TEST(FormatStr, FixedPointInAtLeastWidthCharacters) {
    EXPECT_STREQ(FORMAT_Str(6, 2, 3.14159).c_str(), "  3.14");
    EXPECT_STREQ(FORMAT_Str(0, 0, 2.25).c_str(), "2");
    EXPECT_STREQ(FORMAT_Str(6.9, 1.9, -1.25).c_str(), "  -1.2");
    EXPECT_STREQ(FORMAT_Str(2, 3, 12345.5).c_str(), "12345.500");
    EXPECT_STREQ(FORMAT_Str(-6, 1, 2.0).c_str(), "2.0   ");  // a negative width left-aligns
    EXPECT_STREQ(FORMAT_Str(0, -2, 2.7).c_str(), "3");       // negative decimals count as none
}

TEST(FormatStr, ResultsAreCutAtTheCapacity) {
    EXPECT_EQ(FORMAT_Str(5000, 2, 1).Length(), 1023);
    EXPECT_EQ(FORMAT_Str(0, 5000, 1).Length(), 1023);
    EXPECT_EQ(FORMAT_Str(1e12, 1e12, 1e300).Length(), 1023);
}

TEST(Len, CountsCharactersOfStringsAndNumberTexts) {
    EXPECT_EQ(LEN(DynStr("Hello")), 5);
    EXPECT_EQ(LEN(DynStr("")), 0);
    EXPECT_EQ(LEN(1.0 / 3.0), 12);
    EXPECT_EQ(LEN(100), 3);
    EXPECT_EQ(LEN(-2.5), 4);
}

}  // namespace
