// The operators that mix strings and numbers. Each exists for every pair of
// operands in which at least one is a string (DynStr or LitStr) and the other a
// string or a number; every one returns a new DynStr.
//
// +, -, *, / and ^ all concatenate. ==, !=, <, <=, > and >= give "1" or "0":
// two strings compare byte by byte, a string and a number compare as numbers
// (the string read with Number()), each operand keeping its side.
#pragma once

#include <cstring>
#include <functional>

#include "core/dynstr.h"

template <class T>
concept StringOperand = std::same_as<T, DynStr> || std::same_as<T, LitStr>;

template <class L, class R>
concept MixedOperands = (StringOperand<L> && (StringOperand<R> || NumberOperand<R>)) ||
                        (NumberOperand<L> && StringOperand<R>);

// The text of one operand, held for the length of an expression.
class OperandText {
public:
    OperandText(const DynStr& text) : text_(text.c_str()) {}
    OperandText(LitStr text) : text_(text.c_str()) {}
    template <NumberOperand N>
    OperandText(N number) : number_(TextOfNumber(number)), text_(number_.c_str()) {}
    OperandText(const OperandText&) = delete;
    OperandText& operator=(const OperandText&) = delete;

    const char* c_str() const { return text_; }

private:
    NumberText number_;
    const char* text_;
};

inline DynStr Concatenate(const OperandText& left, const OperandText& right) {
    DynStr result(left.c_str());
    result.Append(right.c_str());
    return result;
}

inline double NumberOf(const DynStr& text) {
    return text.Number();
}
inline double NumberOf(LitStr text) {
    return text.Number();
}
template <NumberOperand N>
double NumberOf(N number) {
    return static_cast<double>(number);
}

template <class L, class R, class Relation>
DynStr RelationText(const L& left, const R& right, Relation holds) {
    bool result;
    if constexpr (StringOperand<L> && StringOperand<R>) {
        result = holds(std::strcmp(left.c_str(), right.c_str()), 0);
    } else {
        result = holds(NumberOf(left), NumberOf(right));
    }
    return DynStr(result ? "1" : "0");
}

template <class L, class R>
requires MixedOperands<L, R> DynStr operator+(const L& left, const R& right) {
    return Concatenate(left, right);
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator-(const L& left, const R& right) {
    return Concatenate(left, right);
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator*(const L& left, const R& right) {
    return Concatenate(left, right);
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator/(const L& left, const R& right) {
    return Concatenate(left, right);
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator^(const L& left, const R& right) {
    return Concatenate(left, right);
}

template <class L, class R>
requires MixedOperands<L, R> DynStr operator==(const L& left, const R& right) {
    return RelationText(left, right, std::equal_to<>());
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator!=(const L& left, const R& right) {
    return RelationText(left, right, std::not_equal_to<>());
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator<(const L& left, const R& right) {
    return RelationText(left, right, std::less<>());
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator<=(const L& left, const R& right) {
    return RelationText(left, right, std::less_equal<>());
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator>(const L& left, const R& right) {
    return RelationText(left, right, std::greater<>());
}
template <class L, class R>
requires MixedOperands<L, R> DynStr operator>=(const L& left, const R& right) {
    return RelationText(left, right, std::greater_equal<>());
}
