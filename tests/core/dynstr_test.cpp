#include <gtest/gtest.h>

#include <string>

#include "morvane.h"

namespace {

TEST(DynStr, ConversionsAndCompoundAssignmentsAppend) {
    EXPECT_STREQ(DynStr(static_cast<const char*>(nullptr)).c_str(), "");
    EXPECT_STREQ(DynStr(0.1f).c_str(), "0.1000000015");  // a float is widened first
    DynStr s("x");
    s += LitStr("a");
    s -= 5;
    s *= 2.5;
    s /= DynStr("d");
    s ^= 1.0f;
    s += s;
    EXPECT_STREQ(s.c_str(), "xa52.5d1xa52.5d1");
}

TEST(DynStr, TextsStopAtTheCapacityAndBytesOutsideTheBufferAreIgnored) {
    const std::string long_text(5000, 'x');
    DynStr s(long_text.c_str());
    EXPECT_EQ(s.Length(), 1023);
    s += 123;
    EXPECT_EQ(s.Length(), 1023);
    DynStr half(std::string(600, 'y').c_str());
    half += half;
    EXPECT_EQ(std::string(half.c_str()), std::string(1023, 'y'));

    DynStr b("A");
    b.SetAt(1, static_cast<char>(200));
    b.SetAt(2, '\0');
    EXPECT_EQ(b.GetAt(1), -56);
    EXPECT_EQ(b.GetAt(-1), 0);
    EXPECT_EQ(b.GetAt(5000), 0);
    b.SetAt(-1, 'x');
    b.SetAt(1023, 'x');
    b.Left(-3);
    b.Left(4000);
    EXPECT_EQ(b.Length(), 2);
    b.Left(1);
    EXPECT_STREQ(b.c_str(), "A");
}

TEST(DynStr, CompareTrimAndSlashes) {
    EXPECT_GT(DynStr("b").Compare(nullptr), 0);
    EXPECT_EQ(DynStr("10").Compare(9.0), 1);
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

TEST(StringOperators, ArithmeticConcatenatesAndComparisonsGiveOneOrZero) {
    const DynStr ten("10");
    const struct {
        DynStr result;
        const char* expected;
    } concatenations[] = {
        {LitStr("Speed: ") + 12.5, "Speed: 12.5"},
        {LitStr("n=") + 3, "n=3"},
        {1.0 + LitStr("x"), "1x"},
        {2.5f - ten, "2.510"},
        {LitStr("a") * LitStr("b"), "ab"},
        {LitStr("a") ^ ten, "a10"},
        {ten / (1.0 / 3.0), "100.3333333333"},
    };
    for (const auto& c : concatenations)
        EXPECT_STREQ(c.result.c_str(), c.expected);
    const DynStr long_text(std::string(1000, 'a').c_str());
    EXPECT_EQ((long_text + long_text + 12345).Length(), 1023);

    // Two strings compare by bytes (unsigned), a string and a number as numbers; each gives "1" or "0".
    std::string relations;
    for (const DynStr& relation :
         {ten == 10, LitStr("abc") == 0, (LitStr("B") < LitStr("a")), (ten < LitStr("9")), (ten < 9),
          (9.5 <= ten), (ten > 9.5f), (LitStr("9") >= ten), (ten != 10.0), (DynStr("\xE9") > LitStr("z"))})
        relations += relation.c_str();
    EXPECT_EQ(relations, "1111011101");
}

}  // namespace
