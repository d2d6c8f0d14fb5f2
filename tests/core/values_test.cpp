#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "morvane.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(Arrays, LayoutBoundsAndRedim) {
    NumArray a, thin, cube;
    DIM(a, 3, 4);
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 3; ++i)
            a(i, j) = i + 3 * j;
    }
    EXPECT_EQ(a(2.9, 3.9) * 100 + a(1, 2), 1107);  // first index fastest, indices truncated
    EXPECT_EQ((std::vector{BOUNDS(a, 1.7), BOUNDS(a, -0.5), BOUNDS(a, 2), BOUNDS(a, -1), BOUNDS(a, 8),
                           BOUNDS(a, kNaN)}),
              (std::vector<double>{4, 3, 0, 0, 0, 0}));
    DIM(a, 5);
    EXPECT_EQ(a(2), 0.0);  // a second DIM clears
    DIM(a, 0);
    EXPECT_EQ(BOUNDS(a, 0), 1);
    DIM(thin, 2, 0.5, 3);  // a size below 1 in a later dimension holds index 0
    thin(1, 0, 2) = 5;
    EXPECT_EQ(thin(1, 0, 0), 0.0);
    DIM(cube, 2, 3, 4, 0, 0, 0, 0, 5);
    EXPECT_EQ(cube.Shape().DimensionCount(), 8);
    StrArray s;
    DIM(s, 3, 2);
    s(1) = LitStr("one");
    s(2, 1) = s(1) + 2;
    s(1) += LitStr("!");
    EXPECT_EQ(std::string(s(0).c_str()) + s(2, 1).c_str() + "|" + s(1).c_str(), "one2|one!");
}

TEST(DynStr, ConversionsCapacityBytesCompareAndTrim) {
    DynStr s("x"), half(std::string(600, 'y').c_str());
    ((((s += LitStr("a")) -= 5) *= 2.5) /= DynStr("d")) ^= 1.0f;
    EXPECT_STREQ((s += s).c_str(), "xa52.5d1xa52.5d1");
    EXPECT_EQ((DynStr(std::string(5000, 'x').c_str()) += 123).Length(), 1023);
    EXPECT_EQ(std::string((half += half).c_str()), std::string(1023, 'y'));
    DynStr b("A");
    b.SetAt(1, static_cast<char>(200));
    b.SetAt(2, '\0');
    EXPECT_EQ(b.GetAt(1) * 10 + b.GetAt(-1) + b.GetAt(5000), -560);
    b.SetAt(-1, 'x');
    b.SetAt(1023, 'x');
    b.Left(-3);
    b.Left(4000);
    EXPECT_EQ(b.Length(), 2);
    EXPECT_GT(DynStr("b").Compare(nullptr), 0);
    EXPECT_EQ(DynStr("10").Compare(9.0), 1);
    for (const auto& [text, trimmed] : std::vector<std::pair<const char*, const char*>>{
             {"abc \r\n", "abc "}, {"abc", "abc"}, {"ab\t\xE9\x80", "ab"}, {"\r\n\t", ""}}) {
        DynStr t(text);
        t.TrimRight();
        EXPECT_STREQ(t.c_str(), trimmed);
    }
    DynStr path("C:\\games\\data/level.txt");
    ReverseSlashes(path);
    EXPECT_STREQ(path.c_str(), "C:/games/data/level.txt");
}

TEST(StringCommands, OperatorsMidCharactersFormatsAndNumbers) {
    const DynStr ten("10"), hello("Hello");
    // clang-format off
    const std::pair<DynStr, const char*> texts[] = {
        {DynStr(static_cast<const char*>(nullptr)), ""}, {DynStr(0.1f), "0.1000000015"},
        {LitStr("Speed: ") + 12.5, "Speed: 12.5"}, {LitStr("n=") + 3, "n=3"}, {1.0 + LitStr("x"), "1x"},
        {2.5f - ten, "2.510"}, {LitStr("a") * LitStr("b"), "ab"}, {LitStr("a") ^ ten, "a10"},
        {ten / (1.0 / 3.0), "100.3333333333"}, {CHR_Str(321), "A"}, {CHR_Str(256), ""}, {CHR_Str(kNaN), ""},
        {FORMAT_Str(6, 2, 3.14159), "  3.14"}, {FORMAT_Str(6.9, 1.9, -1.25), "  -1.2"},
        {FORMAT_Str(-6, 1, 2.0), "2.0   "}, {FORMAT_Str(0, -2, 2.7), "3"}, {DynStr(640.0), "640"},
        {DynStr(-2.5), "-2.5"}, {DynStr(1.0 / 3.0), "0.3333333333"}, {DynStr(0.1 + 0.2), "0.3"},
        {DynStr(1e20), "1e+20"}, {DynStr(1e-7), "1e-07"},
        {DynStr(12345678901.0), "1.23456789e+10"}, {DynStr(std::int64_t{-42}), "-42"},
        {MID_Str(hello, 1, 3), "ell"}, {MID_Str(hello, 3, 10), "lo"}, {MID_Str(hello, 4, 1), "o"},
        {MID_Str(hello, 5, 1), ""}, {MID_Str(hello, -1, 2), ""}, {MID_Str(hello, 0, -3), ""},
        {MID_Str(hello, kNaN, 2), ""}, {MID_Str(hello, 1, kNaN), ""}, {MID_Str(hello, 2.5, 1), "l"},
        {MID_Str(hello, 5.5, 1), ""}, {MID_Str(hello, 1.9, 2.9), "el"}, {MID_Str(hello, 0, kInf), "Hello"}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(texts); ++i)
        EXPECT_STREQ(texts[i].first.c_str(), texts[i].second) << i;
    const DynStr long_text(std::string(1000, 'a').c_str());
    for (const DynStr& full :
         {long_text + long_text + 12345, FORMAT_Str(0, 5000, 1), FORMAT_Str(1e12, 1e12, 1e300)})
        EXPECT_EQ(full.Length(), 1023);
    // Two strings compare by bytes (unsigned), a string and a number as numbers.
    std::string relations;
    for (const DynStr& relation :
         {ten == 10, LitStr("abc") == 0, (LitStr("B") < LitStr("a")), (ten < LitStr("9")), (ten < 9),
          (9.5 <= ten), (ten > 9.5f), (LitStr("9") >= ten), (ten != 10.0), (DynStr("\xE9") > LitStr("z"))})
        relations += relation.c_str();
    EXPECT_EQ(relations, "1111011101");

    EXPECT_STREQ(CHR_Str(1e300).c_str(), CHR_Str(2147483647).c_str());  // saturates, never undefined
    // clang-format off
    const std::pair<double, double> numbers[] = {{ASC(CHR_Str(200)), -56}, {ASC(DynStr("")), 0}, {LEN(hello), 5},
        {LEN(1.0 / 3.0), 12}, {TextToNumber("  \t\r\n-12.5xyz"), -12.5}, {TextToNumber(".5"), 0.5},
        {TextToNumber("2.5E-1"), 0.25}, {TextToNumber("7e+x"), 7}, {TextToNumber("1e400"), kInf},
        {TextToNumber(nullptr), 0}, {TextToNumber("- 5"), 0}, {TextToNumber("0x10"), 0}, {TextToNumber("inf"), 0}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        EXPECT_EQ(numbers[i].first, numbers[i].second) << i;
}

TEST(Maths, DegreesModAndRandom) {
    // The constant is slightly below 180 / pi, so COS(90) is not 0.
    // clang-format off
    const struct { double value, expected, tolerance; } cases[] = {
        {SIN(30), 0.5, 1e-9}, {COS(90), -3.6e-10, 0.1e-10}, {TAN(45), 1, 1e-8}, {ATAN(1, 1), 45, 1e-7},
        {ATAN(-1, 0), -90, 1e-7}, {ASIN(2), 90, 0}, {ASIN(-1.5), -90, 0}, {ACOS(0.5), 60, 1e-7},
        {ACOS(-1.5), 180, 0}, {ABS(-0.5), 0.5, 0}, {MOD(-7, 3), -1, 0}, {MOD(7, -3), 1, 0}, {MOD(7.9, 3.9), 1, 0},
        {MOD(10, 0), 0, 0}, {MOD(10, 0.5), 0, 0}, {MOD(-1e10, 7), -4, 0}, {MOD(-2147483648.0, -1), 0, 0},
        {MOD(9007199254740991.0, 1e10), 9254740991.0, 0}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_NEAR(c.value, c.expected, c.tolerance) << "expected " << c.expected;
    EXPECT_LT(ATAN(0, -1), 180);
    EXPECT_FALSE(std::signbit(MOD(-6, 3)));    // a whole remainder of 0 is never written "-0"
    std::memset(&__g_ctx, 0, sizeof __g_ctx);  // a zeroed generator, as start-up leaves it
    Ztsrand(12345);
    EXPECT_EQ(
        (std::vector<std::uint32_t>{__g_ctx.a, __g_ctx.b, __g_ctx.c, __g_ctx.results[0], __g_ctx.results[255],
                                    __g_ctx.memory[0], __g_ctx.memory[255], __g_ctx.count, Ztrand()}),
        (std::vector<std::uint32_t>{0xA32214B6u, 0x469F0544u, 1u, 0x02BBC5C4u, 0x469F0544u, 0x14E3AB91u,
                                    0xB094A0B3u, 256u, 0xC79536EEu}));
    const std::uint32_t next = Ztrand();
    std::memset(&__g_ctx, 0, sizeof __g_ctx);
    Ztsrand(12345);
    Ztrand();
    EXPECT_EQ(RND(-2), static_cast<double>(next % 4294967295u));  // n + 1 taken as unsigned
    unsigned seen = 0;
    for (int i = 0; i < 500; ++i) {
        const double r = RND(9);
        ASSERT_TRUE(r >= 0 && r <= 9 && r == std::trunc(r)) << r;
        seen |= 1u << static_cast<int>(r);
        ASSERT_LE(RND(2.9), 2);
    }
    EXPECT_EQ(seen, 1023u);
    EXPECT_EQ(RND(0) + RND(-1) + RND(kNaN), 0);
    const double huge = RND(1e12);  // held at the 32-bit end
    EXPECT_TRUE(huge >= 0 && huge <= 4294967295.0);
}

}  // namespace
