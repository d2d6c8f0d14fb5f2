#include <gtest/gtest.h>

#include <string>

#include "morvane.h"

namespace {

TEST(DynStr, ConstructsAndAssignsFromTextsAndNumbers) {
    EXPECT_STREQ(DynStr(static_cast<const char*>(nullptr)).c_str(), "");
    EXPECT_STREQ(DynStr(-17).c_str(), "-17");
    EXPECT_STREQ(DynStr(0.1f).c_str(), "0.1000000015");  // a float is widened first
    DynStr s("old text");
    s = 0.5;
    EXPECT_STREQ(s.c_str(), "0.5");
    s = s;
    EXPECT_STREQ(s.c_str(), "0.5");
    DynStr copy(s);
    copy.SetAt(0, 'O');
    EXPECT_STREQ(s.c_str(), "0.5");  // copies are independent
}

TEST(DynStr, EveryCompoundAssignmentAppendsAndTextsNeverPassTheCapacity) {
    DynStr s("x");
    s += LitStr("a");
    s -= 5;
    s *= 2.5;
    s /= DynStr("d");
    s ^= 1.0f;
    s += s;
    EXPECT_STREQ(s.c_str(), "xa52.5d1xa52.5d1");

    const std::string long_text(5000, 'x');
    EXPECT_EQ(DynStr(long_text.c_str()).Length(), 1023);
    s = long_text.c_str();
    EXPECT_EQ(s.Length(), 1023);
    s += 123;
    EXPECT_EQ(s.Length(), 1023);
    DynStr half(std::string(600, 'y').c_str());
    half += half;
    EXPECT_EQ(std::string(half.c_str()), std::string(1023, 'y'));
}

TEST(DynStr, ByteAccessIsSignedAndStaysInsideTheBuffer) {
    DynStr s("A");
    s.SetAt(1, static_cast<char>(200));
    s.SetAt(2, '\0');
    EXPECT_EQ(s.GetAt(1), -56);
    // Indices outside the buffer read 0 and change nothing.
    EXPECT_EQ(s.GetAt(-1), 0);
    EXPECT_EQ(s.GetAt(5000), 0);
    s.SetAt(-1, 'x');
    s.SetAt(1023, 'x');
    s.Left(-3);
    s.Left(4000);
    EXPECT_EQ(s.Length(), 2);
    s.Left(1);
    EXPECT_STREQ(s.c_str(), "A");
}

TEST(DynStr, CompareWithTextIsByteOrderAndWithNumberReadsTheText) {
    EXPECT_EQ(DynStr("abc").Compare("abc"), 0);
    EXPECT_LT(DynStr("abc").Compare("abd"), 0);
    EXPECT_GT(DynStr("b").Compare(nullptr), 0);
    EXPECT_EQ(DynStr("10").Compare(9.0), 1);
    EXPECT_EQ(DynStr("10").Compare(10.0), 0);
    EXPECT_EQ(DynStr("-3").Compare(2.0), -1);
    EXPECT_EQ(DynStr(" 2.5e1 units").Number(), 25);
}

TEST(DynStr, TrimRightRemovesControlAndHighBytesButNotSpaces) {
    const struct {
        const char *text, *trimmed;
    } cases[] = {{"abc \r\n", "abc "}, {"abc", "abc"}, {"ab\t\xE9\x80", "ab"}, {"\r\n\t", ""}};
    for (const auto& c : cases) {
        DynStr s(c.text);
        s.TrimRight();
        EXPECT_STREQ(s.c_str(), c.trimmed);
    }
    DynStr path("C:\\games\\data/level.txt");
    ReverseSlashes(path);
    EXPECT_STREQ(path.c_str(), "C:/games/data/level.txt");
}

}  // namespace
