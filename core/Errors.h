#pragma once
// Errors raised with a number and a text, and mathematical faults.
#include <cstdint>
#include <stdexcept>
#include <string>

// Error numbers the program raises.
namespace ErrNo {
inline constexpr std::int64_t Overflow = 6;
inline constexpr std::int64_t Subscript = 9;
inline constexpr std::int64_t IllegalSymbol = 0x800403EA;   // evaluator: unknown token
inline constexpr std::int64_t PopOnEmptyStack = 0x800403F3; // value stack
inline constexpr std::int64_t PeekOnEmptyStack = 0x800403F4;
} // namespace ErrNo

// An error carrying a number and a text; callers may catch it or let it pass.
class RaisedError : public std::runtime_error {
public:
    RaisedError(std::int64_t number, std::string text);
    std::int64_t Number() const { return number_; }
    const std::string& Text() const { return text_; }

private:
    std::int64_t number_;
    std::string text_;
};

// The subscript error of fixed and sampled arrays (number 9).
[[noreturn]] void RaiseSubscriptError();
// The overflow error (number 6).
[[noreturn]] void RaiseOverflowError();
// The text of the overflow error, "溢出".
std::string OverflowErrorText();

// A floating-point fault that no explicit guard caught: it is raised instead of
// letting an infinity or NaN through.
class MathFault : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, Invalid };
    explicit MathFault(Kind kind);
    Kind GetKind() const { return kind_; }

private:
    Kind kind_;
};

// Checks a 64-bit result: infinity raises Overflow, NaN raises Invalid.
double CheckFinite(double value);
// Rounds a 64-bit value to the stored 32-bit float; a finite value beyond the
// float range raises Overflow, as does an infinite one; NaN raises Invalid.
float ToSingle(double value);
