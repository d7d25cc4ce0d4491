#pragma once
// Internal to the evaluator (math/Cls6*.cpp): the step codes of a tokenized
// postfix text, the arithmetic every step shares with its guards and messages,
// the functions, and the rewriting of steps (Cls6Rewrite.cpp).
#include "core/Errors.h"
#include "math/Cls6.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace cls6steps {

// The 30 function names, in the order of their step codes below.
constexpr std::string_view kFunctionNames[] = {
    "SIN",  "COS",  "LOG",  "EXP",   "ABS",   "ATAN",  "INT",   "RND",   "SQR",   "TAN",
    "SEC",  "CSEC", "CTAN", "ASIN",  "ACOS",  "ASEC",  "ACSEC", "ACTAN", "SINH",  "COSH",
    "TANH", "CTANH", "SECH", "CSECH", "ASINH", "ACOSH", "ATANH", "ASECH", "ACSECH", "ACTANH",
};
constexpr std::size_t kFunctionCount = std::size(kFunctionNames);

// Step codes of a tokenized postfix text.
enum Code : std::uint8_t {
    Number, Variable, Add, Sub, Mul, Div, Pow, Square, Neg,
    // Steps of rewritten texts only. An operator whose right operand is a number
    // (K), a variable (V) or a register (R), or whose left operand is one (RK,
    // RV, RR) and whose right operand is the value on the stack; each computes
    // and fails exactly as the operator does on the same two values.
    AddK, SubK, MulK, DivK, PowK, RSubK, RDivK, RPowK,
    AddV, SubV, MulV, DivV, RSubV, RDivV,
    AddR, SubR, MulR, DivR, RSubR, RDivR,
    // Replaces the value on the stack by a number; copies the value on the
    // stack to a register; pushes a register.
    SetTop, Store, Load,
    // Pushes the value of a part computed ahead (Cls6Grid), or ends the
    // evaluation with the failure that part met.
    Part,
    // Ends every list of steps.
    End,
    // Steps that raise when evaluation reaches them.
    BadToken, PopEmpty, NumberOverflow,
    FirstFunction, // then the functions in the order of kFunctionNames
};
enum FunctionCode : std::uint8_t {
    Sin = FirstFunction, Cos, Log, Exp, Abs, Atan, Int, Rnd, Sqr, Tan,
    Sec, Csec, Ctan, Asin, Acos, Asec, Acsec, Actan, Sinh, Cosh,
    Tanh, Ctanh, Sech, Csech, Asinh, Acosh, Atanh, Asech, Acsech, Actanh,
};
static_assert(Actanh + 1 == FirstFunction + kFunctionCount);

inline bool IsBinary(std::uint8_t code) { return code >= Add && code <= Pow; }

constexpr double kHalfTurn = 3.1416;
constexpr double kQuarterTurn = 1.5708;
extern const double kHalfPi;

constexpr const char* kDivisionByZero = "除数为零。";
constexpr const char* kNegativePower = "A^B, 如果A为负数，B必须为整数。";
constexpr const char* kLogArgument = "LOG函数的参数必须大于0。";
constexpr const char* kSqrArgument = "SQR函数的参数必须大于等于0。";
constexpr const char* kIllegal = "表达式非法。";
constexpr const char* kOutOfRange = "数值超出范围。";

// How one step ended: with a value, with a reported failure (its message), or
// with a silent failure.
struct Outcome {
    const char* message = nullptr;
    bool silent = false;
};
constexpr Outcome kOk{};
constexpr Outcome Reported(const char* message) { return Outcome{message, false}; }
constexpr Outcome kSilent{nullptr, true};

[[noreturn, gnu::cold, gnu::noinline]] void RaiseFault(double value);

// Infinities and NaNs are never let through: they raise a mathematical fault.
inline double Fin(double value) {
    if (!std::isfinite(value)) [[unlikely]]
        RaiseFault(value);
    return value;
}

inline double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// The argument of the direct circular functions: in degrees x·3.1416/180,
// the product checked like that of any other operation.
inline double Angle(double x, bool degree) { return degree ? Fin(x * kHalfTurn) / 180 : x; }

inline double Power(double a, double b) {
    const double r = std::pow(a, b);
    if (std::isinf(r) && a == 0) throw MathFault(MathFault::Kind::DivisionByZero);
    return Fin(r);
}

// The "/" and "^" operators on a and b; False when their guard fails.
inline bool Divide(double a, double b, double& out) {
    if (std::fabs(b) < 1e-6) return false;
    out = Fin(a / b);
    return true;
}
inline bool Raise(double a, double b, double& out) {
    if (std::fabs(b) < 1e-6) {
        out = 1;
        return true;
    }
    if (a < 0 && b != std::floor(b)) return false;
    out = Power(a, b);
    return true;
}

// The functions other than SIN and COS: `x` is the operand, the value goes to `out`.
Outcome ApplyFunction(std::uint8_t code, double x, bool degree, double& out);

// ---- The rewritten computation as a tree (Cls6Rewrite.cpp) ----

constexpr double kNoBound = std::numeric_limits<double>::infinity();

// A part of the expression and what is known of its value before evaluation.
struct Node {
    std::uint8_t code = Number;
    std::uint32_t index = 0; // variable slot; for RND a serial, so that no two are shared
    double value = 0;        // number, or the value SetTop leaves
    std::int32_t a = -1;     // the operand, or the left one
    std::int32_t b = -1;     // the right operand
    bool finite = false;     // its value is never an infinity or a NaN
    bool pure = false;       // evaluating it can neither fail nor draw a random number
    bool zero = false;       // its value is +0 or -0
    bool plusZero = true;    // its value may be +0
    bool minusZero = true;   // its value may be -0
    double bound = kNoBound; // |value| <= bound
};

} // namespace cls6steps

// The rewritten computation of a text: its parts (identical ones shared, each
// after its operands), the values evaluated in order (the last is the result),
// and the step that raises after them, if any.
struct Cls6Tree {
    std::vector<cls6steps::Node> nodes;
    std::vector<std::int32_t> roots;
    bool raises = false;
    Cls6Step raising{};
};

namespace cls6steps {

// The steps of a text whose parts are computed ahead of each evaluation: the
// steps of each part, and the steps of one evaluation, which read part k from
// value slot kFirstPartSlot + k (a part that cannot fail) or through a Part
// step (one that may). Each list ends with End.
inline constexpr std::uint32_t kFirstPartSlot = 9;
struct StagedSteps {
    std::vector<Cls6Step> point;
    std::vector<std::vector<Cls6Step>> parts;
    std::vector<std::uint8_t> partPerColumn; // 1: computed per column, 0: per row
    std::vector<std::uint8_t> partMayFail;   // 1: read through a Part step
    std::size_t maxDepth = 0;
    std::size_t registers = 0;
};
// Splits the tree for a grid: parts that read none of `rowFree` (the inner
// variable and RND) are computed per row, the others that read none of
// `columnFree` (the outer variable and RND) per column; masks have one bit
// per variable slot and kRandomBit for RND. False when no part is worth it.
inline constexpr unsigned kRandomBit = 1u << 15;
bool Stage(const Cls6Tree& tree, unsigned rowFree, unsigned columnFree, StagedSteps& out);

// The next RND value; the state of its sequence as text, and back.
float NextRandom();
std::string RandomState();
void SetRandomState(const std::string& state);

} // namespace cls6steps
