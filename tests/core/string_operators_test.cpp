#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "morvane.h"

namespace {

// One operand of every kind, with its text and its value as a number.
struct Operands {
    std::tuple<int, float, double, LitStr, DynStr> values{3, 2.5f, 12.5, LitStr("9"), DynStr("10")};
    const char* texts[5] = {"3", "2.5", "12.5", "9", "10"};
    double numbers[5] = {3, 2.5, 12.5, 9, 10};
    bool is_string[5] = {false, false, false, true, true};
};

// Calls check(left, right, left_index, right_index) for every pair of operands
// in which at least one is a string: the 16 pairs of each operator.
template <class Check>
int ForEveryMixedPair(const Operands& operands, Check check) {
    int pairs = 0;
    auto for_left = [&]<std::size_t L>(std::integral_constant<std::size_t, L>) {
        auto for_right = [&]<std::size_t R>(std::integral_constant<std::size_t, R>) {
            using Left = std::tuple_element_t<L, decltype(operands.values)>;
            using Right = std::tuple_element_t<R, decltype(operands.values)>;
            if constexpr (MixedOperands<Left, Right>) {
                check(std::get<L>(operands.values), std::get<R>(operands.values), L, R);
                ++pairs;
            }
        };
        [&]<std::size_t... R>(std::index_sequence<R...>) {
            (for_right(std::integral_constant<std::size_t, R>{}), ...);
        }
        (std::make_index_sequence<5>{});
    };
    [&]<std::size_t... L>(std::index_sequence<L...>) {
        (for_left(std::integral_constant<std::size_t, L>{}), ...);
    }
    (std::make_index_sequence<5>{});
    return pairs;
}

TEST(StringOperators, AllFiveArithmeticOperatorsConcatenateEveryPair) {
    const Operands operands;
    const int pairs =
        ForEveryMixedPair(operands, [&](const auto& l, const auto& r, std::size_t li, std::size_t ri) {
            const std::string expected = std::string(operands.texts[li]) + operands.texts[ri];
            EXPECT_STREQ((l + r).c_str(), expected.c_str());
            EXPECT_STREQ((l - r).c_str(), expected.c_str());
            EXPECT_STREQ((l * r).c_str(), expected.c_str());
            EXPECT_STREQ((l / r).c_str(), expected.c_str());
            EXPECT_STREQ((l ^ r).c_str(), expected.c_str());
        });
    EXPECT_EQ(pairs, 16);
}

TEST(StringOperators, ConcatenationUsesTheNumbersTextAndIsCutAtTheCapacity) {
    EXPECT_STREQ((DynStr("third: ") + 1.0 / 3.0).c_str(), "third: 0.3333333333");
    const DynStr long_text(std::string(1000, 'a').c_str());
    EXPECT_EQ((long_text + long_text).Length(), 1023);
    EXPECT_EQ((long_text + long_text + 12345).Length(), 1023);
}

// Two strings compare by bytes; otherwise by number, each side kept.
TEST(StringOperators, EveryRelationOfEveryPair) {
    const Operands operands;
    ForEveryMixedPair(operands, [&](const auto& l, const auto& r, std::size_t li, std::size_t ri) {
        int order;  // the sign of left against right
        if (operands.is_string[li] && operands.is_string[ri]) {
            order = std::string(operands.texts[li]).compare(operands.texts[ri]);
        } else {
            order =
                (operands.numbers[li] > operands.numbers[ri]) - (operands.numbers[li] < operands.numbers[ri]);
        }
        SCOPED_TRACE(std::string(operands.texts[li]) + " against " + operands.texts[ri]);
        auto text = [](bool holds) { return holds ? "1" : "0"; };
        EXPECT_STREQ((l == r).c_str(), text(order == 0));
        EXPECT_STREQ((l != r).c_str(), text(order != 0));
        EXPECT_STREQ((l < r).c_str(), text(order < 0));
        EXPECT_STREQ((l <= r).c_str(), text(order <= 0));
        EXPECT_STREQ((l > r).c_str(), text(order > 0));
        EXPECT_STREQ((l >= r).c_str(), text(order >= 0));
    });
}

TEST(StringOperators, ComparisonExamples) {
    EXPECT_STREQ((LitStr("abc") == 0).c_str(), "1");
    EXPECT_STREQ((LitStr("B") < LitStr("a")).c_str(), "1");
    EXPECT_STREQ((DynStr("\xE9") > LitStr("z")).c_str(), "1");  // bytes compare unsigned
}

}  // namespace
