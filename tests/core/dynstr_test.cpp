#include <gtest/gtest.h>

#include <string>

#include "morvane.h"

namespace {

TEST(DynStr, ConstructsFromTextsAndNumbers) {
    EXPECT_STREQ(DynStr().c_str(), "");
    EXPECT_STREQ(DynStr("abc").c_str(), "abc");
    EXPECT_STREQ(DynStr(static_cast<const char*>(nullptr)).c_str(), "");
    EXPECT_STREQ(DynStr(LitStr("lit")).c_str(), "lit");
    EXPECT_STREQ(DynStr(-17).c_str(), "-17");
    EXPECT_STREQ(DynStr(2.5f).c_str(), "2.5");
    EXPECT_STREQ(DynStr(0.1f).c_str(), "0.1000000015");  // a float is widened first
    EXPECT_STREQ(DynStr(1.0).c_str(), "1");
}

TEST(DynStr, AssignmentReplacesTheText) {
    DynStr s("old text");
    s = "new";
    EXPECT_STREQ(s.c_str(), "new");
    s = LitStr("lit");
    EXPECT_STREQ(s.c_str(), "lit");
    s = 42;
    EXPECT_STREQ(s.c_str(), "42");
    s = 0.5;
    EXPECT_STREQ(s.c_str(), "0.5");
    s.Assign("assigned");
    EXPECT_STREQ(s.c_str(), "assigned");
    s = s;
    EXPECT_STREQ(s.c_str(), "assigned");
}

TEST(DynStr, CopiesAreIndependent) {
    DynStr a("one");
    DynStr b(a);
    b.SetAt(0, 'O');
    EXPECT_STREQ(a.c_str(), "one");
    EXPECT_STREQ(b.c_str(), "One");
    a = b;
    b.Left(1);
    EXPECT_STREQ(a.c_str(), "One");
}

TEST(DynStr, TextsNeverPassTheCapacity) {
    const std::string long_text(5000, 'x');
    DynStr s(long_text.c_str());
    EXPECT_EQ(s.Length(), 1023);
    s = long_text.c_str();
    EXPECT_EQ(s.Length(), 1023);

    DynStr half(std::string(600, 'y').c_str());
    half += half;
    EXPECT_EQ(half.Length(), 1023);
    EXPECT_EQ(std::string(half.c_str()), std::string(1023, 'y'));

    DynStr full(long_text.c_str());
    full += 123;
    full += "more";
    EXPECT_EQ(full.Length(), 1023);
}

TEST(DynStr, AppendingItselfDoublesTheText) {
    DynStr s("ab");
    s += s;
    EXPECT_STREQ(s.c_str(), "abab");
}

TEST(DynStr, EveryCompoundAssignmentAppends) {
    DynStr s("x");
    s += LitStr("a");
    s -= 5;
    s *= 2.5;
    s /= DynStr("d");
    s ^= 1.0f;
    s += "c";
    EXPECT_STREQ(s.c_str(), "xa52.5d1c");
}

TEST(DynStr, ByteAccessIsSignedAndStaysInsideTheBuffer) {
    DynStr s("A");
    s.SetAt(1, static_cast<char>(200));
    s.SetAt(2, '\0');
    EXPECT_EQ(s.GetAt(0), 'A');
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

TEST(DynStr, CompareWithTextIsByteOrder) {
    EXPECT_EQ(DynStr("abc").Compare("abc"), 0);
    EXPECT_LT(DynStr("abc").Compare("abd"), 0);
    EXPECT_LT(DynStr("B").Compare("a"), 0);
    EXPECT_GT(DynStr("b").Compare(nullptr), 0);
}

TEST(DynStr, CompareWithNumberReadsTheText) {
    EXPECT_EQ(DynStr("10").Compare(9.0), 1);
    EXPECT_EQ(DynStr("10").Compare(10.0), 0);
    EXPECT_EQ(DynStr("abc").Compare(0.0), 0);
    EXPECT_EQ(DynStr("-3").Compare(2.0), -1);
    EXPECT_EQ(DynStr(" 2.5e1 units").Number(), 25);
}

TEST(DynStr, TrimRightRemovesControlAndHighBytesButNotSpaces) {
    DynStr line("abc \r\n");
    line.TrimRight();
    EXPECT_STREQ(line.c_str(), "abc ");
    DynStr plain("abc");
    plain.TrimRight();
    EXPECT_STREQ(plain.c_str(), "abc");
    DynStr high("ab\t\xE9\x80");
    high.TrimRight();
    EXPECT_STREQ(high.c_str(), "ab");
    DynStr only_controls("\r\n\t");
    only_controls.TrimRight();
    EXPECT_STREQ(only_controls.c_str(), "");
}

TEST(DynStr, ReverseSlashesTurnsBackslashesForward) {
    DynStr path("C:\\games\\data/level.txt");
    ReverseSlashes(path);
    EXPECT_STREQ(path.c_str(), "C:/games/data/level.txt");
}

}  // namespace
