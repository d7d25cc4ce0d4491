#include "math/Cls6.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "math/Cls13.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <unordered_map>

namespace {

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

constexpr std::string_view kVariableTokens[] = {"UU", "VV", "XX", "YY", "AA", "RR", "BB", "TT", "NN"};
constexpr std::string_view kVariableLetters = "UVXYARBTN";

constexpr std::size_t kMaxPrograms = 16;

constexpr double kHalfTurn = 3.1416;
constexpr double kQuarterTurn = 1.5708;
const double kHalfPi = 2 * std::atan(1.0);

constexpr const char* kDivisionByZero = "除数为零。";
constexpr const char* kNegativePower = "A^B, 如果A为负数，B必须为整数。";
constexpr const char* kLogArgument = "LOG函数的参数必须大于0。";
constexpr const char* kSqrArgument = "SQR函数的参数必须大于等于0。";
constexpr const char* kIllegal = "表达式非法。";

// How one step ended: with a value, with a reported failure (its message), or
// with a silent failure.
struct Outcome {
    const char* message = nullptr;
    bool silent = false;
};
constexpr Outcome kOk{};
constexpr Outcome Reported(const char* message) { return Outcome{message, false}; }
constexpr Outcome kSilent{nullptr, true};

[[noreturn, gnu::cold, gnu::noinline]] void RaiseFault(double value) {
    throw MathFault(std::isnan(value) ? MathFault::Kind::Invalid : MathFault::Kind::Overflow);
}

// Infinities and NaNs are never let through: they raise a mathematical fault.
inline double Fin(double value) {
    if (!std::isfinite(value)) [[unlikely]]
        RaiseFault(value);
    return value;
}

inline double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

inline double Angle(double x, bool degree) { return degree ? x * kHalfTurn / 180 : x; }

// RND: one uniform sequence per run of the program, from a fixed seed, 24-bit
// values so that every one is exact in single precision.
std::mt19937& RandomGenerator() {
    static std::mt19937 generator(20240601u);
    return generator;
}
float NextRandom() { return static_cast<float>(RandomGenerator()() >> 8) * (1.0f / 16777216.0f); }

double Power(double a, double b) {
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
Outcome ApplyFunction(std::uint8_t code, double x, bool degree, double& out) {
    switch (code) {
    case Tan: out = std::tan(Angle(x, degree)); return kOk;
    case Sec: {
        const double c = std::cos(Angle(x, degree));
        if (std::fabs(c) < 1e-7) return Reported(kDivisionByZero);
        out = Fin(1 / c);
        return kOk;
    }
    case Csec: {
        const double s = std::sin(Angle(x, degree));
        if (std::fabs(s) < 1e-7) return Reported(kDivisionByZero);
        out = Fin(1 / s);
        return kOk;
    }
    case Ctan: {
        const double t = std::tan(Angle(x, degree));
        if (std::fabs(t) < 1e-7) return Reported(kDivisionByZero);
        out = Fin(1 / t);
        return kOk;
    }
    case Atan: out = std::atan(Angle(x, degree)); return kOk;
    case Log:
        if (x <= 0.00001) return Reported(kLogArgument);
        out = std::log(x);
        return kOk;
    case Exp: out = Fin(std::exp(x)); return kOk;
    case Abs: out = std::fabs(x); return kOk;
    case Int: out = std::floor(x); return kOk;
    case Rnd: out = NextRandom(); return kOk;
    case Sqr:
        if (x < 1e-7) return Reported(kSqrArgument);
        out = std::sqrt(x);
        return kOk;
    case Asin:
    case Acos: {
        const double t = 1 - Fin(x * x);
        if (std::fabs(t) >= 1e-7) {
            if (t < 0) return Reported(kIllegal);
            out = code == Asin ? std::atan(x / std::sqrt(t)) : std::atan(-x / std::sqrt(t)) + kHalfPi;
        } else if (code == Asin) {
            out = x < 0 ? -kQuarterTurn : kQuarterTurn;
        } else {
            out = x < 0 ? kHalfTurn : 0.0;
        }
        return kOk;
    }
    case Asec:
    case Acsec: {
        const double d = Fin(x * x) - 1;
        if (std::fabs(d) < 1e-7 || d < 0) return Reported(kIllegal);
        const double base = std::atan(x / std::sqrt(d));
        out = code == Asec ? base + Sgn(x - 1) * kHalfPi : base + (Sgn(x) - 1) * kHalfPi;
        return kOk;
    }
    case Actan: out = std::atan(x) + kHalfPi; return kOk;
    case Sinh:
    case Cosh:
    case Tanh:
    case Ctanh:
    case Sech:
    case Csech: {
        const double ep = Fin(std::exp(x));
        const double em = Fin(std::exp(-x));
        switch (code) {
        case Sinh: out = Fin((ep - em) / 2); break;
        case Cosh: out = Fin((ep + em) / 2); break;
        case Tanh: out = Fin((ep - em) / (em + ep)); break;
        case Sech: out = Fin(2 / (ep + em)); break;
        case Ctanh:
            if (std::fabs(ep - em) < 1e-7) return kSilent;
            out = Fin((ep + em) / (ep - em));
            break;
        default: // CSECH
            if (std::fabs(ep - em) < 1e-7) return kSilent;
            out = Fin(2 / (ep - em));
            break;
        }
        return kOk;
    }
    case Asinh: {
        const double q = x + std::sqrt(Fin(x * x) + 1);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    case Acosh: {
        const double d = Fin(x * x) - 1;
        if (d < 0) return kSilent;
        const double q = x + std::sqrt(d);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    case Atanh:
    case Actanh: {
        if (x == 1) return kSilent;
        const double q = Fin(code == Atanh ? (1 + x) / (1 - x) : (x + 1) / (x - 1));
        if (q <= 0.00001) return kSilent;
        out = std::log(q) / 2;
        return kOk;
    }
    case Asech: {
        if (x == 0) return kSilent;
        const double d = 1 - Fin(x * x);
        if (d < 0) return kSilent;
        const double q = Fin((std::sqrt(d) + 1) / x);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    case Acsech: {
        if (x == 0) return kSilent;
        const double q = Fin((Sgn(x) * std::sqrt(Fin(x * x) + 1) + 1) / x);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    default: // SIN and COS are evaluated inline
        out = code == Sin ? std::sin(Angle(x, degree)) : std::cos(Angle(x, degree));
        return kOk;
    }
}

// Ends an evaluation at a failure: a reported failure is a message and False
// while ShowMathErrors is set; otherwise the point is UndefinedValue.
[[gnu::cold]] bool EndWithFailure(const Outcome& outcome, float& sngResult) {
    if (!outcome.silent && ShowMathErrors) {
        MsgBox(outcome.message, MsgIcon::Critical, ErrorTitle);
        return false;
    }
    sngResult = UndefinedValue;
    return true;
}


// ---- Rewriting a tokenized text into fewer steps ----
//
// The steps are rebuilt as a tree (identical parts shared), simplified where the
// simplification gives the same bits, the same failure at the same place and the
// same message, and written out again. Every fact below holds when each variable
// the text reads is finite; the evaluator runs the written steps otherwise.

constexpr std::size_t kMaxFoldedSteps = 8192; // bounds the recursion depth of the rewrite
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

struct NodeKey {
    std::uint8_t code;
    std::uint32_t index;
    std::uint64_t bits;
    std::int32_t a, b;
    bool operator==(const NodeKey&) const = default;
};
struct NodeKeyHash {
    std::size_t operator()(const NodeKey& k) const {
        std::uint64_t h = k.bits * 0x9E3779B97F4A7C15ull;
        h ^= (std::uint64_t{k.code} << 56) ^ (std::uint64_t{k.index} << 24);
        h ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.a)) * 0xC2B2AE3D27D4EB4Full;
        h ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.b)) * 0x165667B19E3779F9ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

bool IsBinary(std::uint8_t code) { return code >= Add && code <= Pow; }

// Functions whose value does not depend on the angle mode and draws nothing.
bool FoldableFunction(std::uint8_t code) {
    return code == Log || code == Exp || code == Abs || code == Int || code == Sqr || code >= Asin;
}

class Folder {
public:
    std::vector<Node> nodes;

    std::int32_t Constant(double value) { return Make(Node{Number, 0, value}); }
    std::int32_t Var(std::uint32_t index) { return Make(Node{Variable, index, 0}); }

    std::int32_t Unary(std::uint8_t code, std::int32_t a) {
        const Node x = nodes[a];
        if (code == Neg) {
            if (x.code == Number) return Constant(-x.value);
            if (x.code == Neg) return x.a; // -(-v) is v, bit for bit
        }
        if (x.code == Number) {
            if (code == Square) {
                const double r = x.value * x.value;
                if (std::isfinite(r)) return Constant(r);
            } else if (FoldableFunction(code)) {
                try {
                    double r = 0;
                    const Outcome outcome = ApplyFunction(code, x.value, false, r);
                    if (outcome.message == nullptr && !outcome.silent && std::isfinite(r))
                        return Constant(r);
                } catch (const MathFault&) {
                    // Left to fail where evaluation reaches it.
                }
            }
        }
        Node n{code, 0, 0};
        n.a = a;
        return Make(n);
    }

    std::int32_t Binary(std::uint8_t code, std::int32_t a, std::int32_t b) {
        const Node x = nodes[a];
        const Node y = nodes[b];
        const bool xk = x.code == Number;
        const bool yk = y.code == Number;
        const double xv = x.value;
        const double yv = y.value;
        const auto plusZero = [](const Node& n) { return n.code == Number && n.value == 0 && !std::signbit(n.value); };
        const auto minusZero = [](const Node& n) { return n.code == Number && n.value == 0 && std::signbit(n.value); };
        // A part that is certainly +0 or -0 and can be skipped.
        const auto droppableZero = [](const Node& n) { return n.zero && n.pure; };
        switch (code) {
        case Add:
            if (xk && yk && std::isfinite(xv + yv)) return Constant(xv + yv);
            if (minusZero(y) && x.finite) return a; // v + -0 is v
            if (minusZero(x) && y.finite) return b;
            // v + (+0 or -0) is v unless v is -0.
            if (droppableZero(y) && x.finite && !x.minusZero) return a;
            if (droppableZero(x) && y.finite && !y.minusZero) return b;
            break;
        case Sub:
            if (xk && yk && std::isfinite(xv - yv)) return Constant(xv - yv);
            if (plusZero(y) && x.finite) return a; // v - +0 is v
            if (droppableZero(y) && x.finite && !x.minusZero) return a;
            // -0 - v is -v; +0 - v is -v unless v is +0.
            if (minusZero(x) && y.finite) return Unary(Neg, b);
            if (plusZero(x) && y.finite && !y.plusZero) return Unary(Neg, b);
            break;
        case Mul:
            if (xk && yk && std::isfinite(xv * yv)) return Constant(xv * yv);
            if (yk && x.finite && (yv == 1 || yv == -1)) return yv == 1 ? a : Unary(Neg, a);
            if (xk && y.finite && (xv == 1 || xv == -1)) return xv == 1 ? b : Unary(Neg, b);
            break;
        case Div:
            if (xk && yk && std::fabs(yv) >= 1e-6 && std::isfinite(xv / yv)) return Constant(xv / yv);
            if (yk && x.finite && (yv == 1 || yv == -1)) return yv == 1 ? a : Unary(Neg, a);
            break;
        case Pow:
            if (yk && std::fabs(yv) < 1e-6) {
                // The value is 1 whatever the base; the base is still evaluated
                // when that may fail or draw a random number.
                if (x.pure) return Constant(1);
                Node n{SetTop, 0, 1};
                n.a = a;
                return Make(n);
            }
            if (xk && yk && !(xv < 0 && yv != std::floor(yv))) {
                const double r = std::pow(xv, yv);
                if (std::isfinite(r)) return Constant(r);
            }
            if (yk && yv == 1 && x.finite) return a; // pow(v, 1) is v
            break;
        default: break;
        }
        Node n{code, 0, 0};
        n.a = a;
        n.b = b;
        return Make(n);
    }

private:
    std::unordered_map<NodeKey, std::int32_t, NodeKeyHash> ids_;
    std::uint32_t serial_ = 0;

    std::int32_t Make(Node n) {
        if (n.code == Rnd) n.index = serial_++;
        const NodeKey key{n.code, n.index, std::bit_cast<std::uint64_t>(n.value), n.a, n.b};
        const auto found = ids_.find(key);
        if (found != ids_.end()) return found->second;
        Describe(n);
        const auto id = static_cast<std::int32_t>(nodes.size());
        nodes.push_back(n);
        ids_.emplace(key, id);
        return id;
    }

    // Fills in what is known of the value of `n` from its operands.
    void Describe(Node& n) const {
        const Node* x = n.a >= 0 ? &nodes[n.a] : nullptr;
        const Node* y = n.b >= 0 ? &nodes[n.b] : nullptr;
        const auto number = [&n](double v) {
            n.finite = true;
            n.zero = v == 0;
            n.plusZero = v == 0 && !std::signbit(v);
            n.minusZero = v == 0 && std::signbit(v);
            n.bound = std::fabs(v);
        };
        // An arithmetic result: every one that evaluation lets through is finite,
        // and one whose bound is far below the largest double cannot overflow
        // (the bounds are computed with the same rounding, which is monotonic).
        const auto arithmetic = [&n](double bound, bool operandsPure) {
            n.finite = true;
            n.bound = bound;
            n.pure = operandsPure && bound < 1e300;
        };
        switch (n.code) {
        case Number:
            number(n.value);
            n.pure = true;
            return;
        case Variable:
            n.finite = true;
            n.pure = true;
            if (n.index == 8) { // NN, a whole number
                n.minusZero = false;
                n.bound = 2147483648.0;
            } else {
                n.bound = std::numeric_limits<float>::max();
            }
            return;
        case SetTop:
            number(n.value);
            return;
        case Neg:
        case Abs:
            n.finite = x->finite;
            n.pure = x->pure;
            n.zero = x->zero;
            n.bound = x->bound;
            n.plusZero = n.code == Neg ? x->minusZero : (x->plusZero || x->minusZero);
            n.minusZero = n.code == Neg && x->plusZero;
            return;
        case Int: // floor keeps -0, and |floor(v)| <= |v| + 1
            n.finite = x->finite;
            n.pure = x->pure;
            n.minusZero = x->minusZero;
            n.bound = x->bound + 1;
            return;
        case Sin:
        case Cos:
        case Tan:
            // The degree conversion of a huge operand overflows, and sin, cos and
            // tan of an infinity are NaN.
            n.finite = x->finite && x->bound < 1e300;
            n.pure = x->pure;
            if (n.code != Tan) n.bound = 1;
            return;
        case Atan:
        case Actan:
            n.finite = x->finite;
            n.pure = x->pure;
            n.bound = 4;
            return;
        case Square:
            arithmetic(x->bound * x->bound, x->pure && x->finite);
            n.zero = x->zero;
            n.minusZero = false;
            return;
        case Add:
        case Sub:
            arithmetic(x->bound + y->bound, x->pure && y->pure && x->finite && y->finite);
            n.zero = x->zero && y->zero;
            // A sum is -0 only for -0 + -0, a difference only for -0 - +0.
            n.minusZero = x->minusZero && (n.code == Add ? y->minusZero : y->plusZero);
            return;
        case Mul:
            n.zero = x->zero || y->zero;
            arithmetic(n.zero ? 0.0 : x->bound * y->bound, x->pure && y->pure && x->finite && y->finite);
            return;
        default:
            // Anything else may fail (a guard, an overflow) or draw a random
            // number; its value is finite when evaluation goes on, except for
            // the functions below that let a NaN operand through.
            n.finite = (n.code == Log || n.code == Sqr) ? x->finite : true;
            if (n.code == Div && y->code == Number && std::fabs(y->value) >= 1e-6)
                arithmetic(x->bound / std::fabs(y->value), x->pure && x->finite);
            return;
        }
    }
};

// Writes the tree out as steps. A part reached a second time is loaded from the
// register its first evaluation stored it in; that is exact because evaluation
// is deterministic (RND parts are never shared) and a part that failed the first
// time ended the evaluation.
class Emitter {
public:
    explicit Emitter(const std::vector<Node>& nodes)
        : nodes_(nodes), uses_(nodes.size(), 0), registers_(nodes.size(), -1) {}

    void Count(std::int32_t id) {
        if (++uses_[id] > 1) return;
        const Node& n = nodes_[id];
        if (n.a >= 0) Count(n.a);
        if (n.b >= 0) Count(n.b);
    }

    template <class Push>
    void Emit(std::int32_t id, Push push) {
        const Node& n = nodes_[id];
        if (registers_[id] >= 0) {
            push(Load, static_cast<std::uint32_t>(registers_[id]), 0.0);
            return;
        }
        if (n.code == Number || n.code == Variable) {
            push(n.code, n.index, n.value);
            return;
        }
        if (!IsBinary(n.code)) {
            Emit(n.a, push);
            push(n.code, 0, n.value);
        } else {
            const Node& x = nodes_[n.a];
            const Node& y = nodes_[n.b];
            static constexpr std::uint8_t withNumber[] = {AddK, SubK, MulK, DivK, PowK};
            static constexpr std::uint8_t numberFirst[] = {AddK, RSubK, MulK, RDivK, RPowK};
            static constexpr std::uint8_t withVariable[] = {AddV, SubV, MulV, DivV};
            static constexpr std::uint8_t variableFirst[] = {AddV, RSubV, MulV, RDivV};
            static constexpr std::uint8_t withRegister[] = {AddR, SubR, MulR, DivR};
            static constexpr std::uint8_t registerFirst[] = {AddR, RSubR, MulR, RDivR};
            const int k = n.code - Add;
            const bool pow = n.code == Pow;
            // Reading a number, a variable or a register has no effect, so it
            // may be read after the other operand; "+" and "*" give the same
            // bits either way.
            if (y.code == Number) {
                Emit(n.a, push);
                push(withNumber[k], 0, y.value);
            } else if (y.code == Variable && !pow) {
                Emit(n.a, push);
                push(withVariable[k], y.index, 0.0);
            } else if (x.code == Number) {
                Emit(n.b, push);
                push(numberFirst[k], 0, x.value);
            } else if (x.code == Variable && !pow) {
                Emit(n.b, push);
                push(variableFirst[k], x.index, 0.0);
            } else if (registers_[n.a] >= 0 && !pow) {
                Emit(n.b, push);
                push(registerFirst[k], static_cast<std::uint32_t>(registers_[n.a]), 0.0);
            } else {
                Emit(n.a, push);
                if (registers_[n.b] >= 0 && !pow) {
                    push(withRegister[k], static_cast<std::uint32_t>(registers_[n.b]), 0.0);
                } else {
                    Emit(n.b, push);
                    push(n.code, 0, 0.0);
                }
            }
        }
        if (uses_[id] > 1) {
            registers_[id] = static_cast<std::int32_t>(registerCount_++);
            push(Store, static_cast<std::uint32_t>(registers_[id]), 0.0);
        }
    }

    std::size_t RegisterCount() const { return registerCount_; }

private:
    const std::vector<Node>& nodes_;
    std::vector<std::uint32_t> uses_;
    std::vector<std::int32_t> registers_;
    std::size_t registerCount_ = 0;
};

} // namespace

std::int32_t Cls6::GetPriority(std::string_view token) {
    if (token == "+" || token == "-") return 1;
    if (token == "*" || token == "/") return 2;
    if (token == "(-)") return 3;
    if (token == "^") return 4;
    for (std::string_view name : kFunctionNames)
        if (token == name) return 5;
    return 0;
}

bool Cls6::IsNameStart(std::string_view text) {
    if (text.empty()) return false;
    const unsigned char c = static_cast<unsigned char>(text[0]);
    const unsigned char upper = (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
    return (upper >= 'A' && upper <= 'Z') || upper == '_';
}

std::int32_t Cls6::InfixToPostfix(const std::string& sExpression, std::string& sBuffer) {
    enum class State { Start, Operand, Open, Sign, Function };
    // The text is scanned byte by byte: every character the language knows is
    // ASCII, and the first other character ends the compilation, so byte
    // positions equal character positions wherever one is recorded.
    const std::string& s = sExpression;
    const std::size_t n = s.size();
    Cls13 operators;
    std::int32_t openCount = 0;
    std::int32_t recorded = 1;
    State state = State::Start;

    auto append = [&](std::string_view token) {
        sBuffer.append(token);
        sBuffer.push_back(' ');
    };
    auto topText = [&]() { return std::get<std::string>(operators.GetPopValue()); };
    auto popFor = [&](std::int32_t rank) {
        while (operators.StackSize() > 0 && GetPriority(topText()) >= rank)
            append(std::get<std::string>(operators.Pop()));
    };
    auto fail = [&](const std::string& fault) -> std::int32_t {
        MsgBox("字符 " + LongText(recorded) + ":  " + fault, MsgIcon::Critical, "语法错误");
        // Callers take 0 as success, so an error recorded at position 0 (a
        // leading name or one-character number) is returned as position 1.
        return recorded != 0 ? recorded : 1;
    };
    auto isDigitOrSeparator = [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == ','; };

    for (std::size_t i = 0; i < n; ++i) {
        const char c = s[i];
        const std::int32_t position = static_cast<std::int32_t>(i + 1);
        if (c == '(') {
            if (state == State::Operand) {
                popFor(2);
                operators.Push(std::string("*"));
                state = State::Open;
            } else if (state == State::Sign || state == State::Function) {
                state = State::Open;
            }
            operators.Push(std::string("("));
            ++openCount;
            recorded = position;
        } else if (c == ')') {
            if (state != State::Operand) return fail("缺少运算符。");
            if (openCount == 0) return fail("括号不匹配。");
            for (;;) {
                std::string token = std::get<std::string>(operators.Pop());
                if (token == "(") break;
                append(token);
            }
            --openCount;
            recorded = position;
        } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
            const std::string op(1, c);
            if (state == State::Operand) {
                popFor(GetPriority(op));
                operators.Push(op);
                recorded = position;
                state = (c == '+' || c == '-') ? State::Sign : State::Open;
            } else if (state == State::Sign) {
                return fail("缺少运算符。");
            } else if (c == '-' || c == '+') {
                if (c == '-') operators.Push(std::string("(-)"));
                recorded = position;
                state = State::Sign;
            } else {
                return fail("缺少运算符。");
            }
        } else if (isDigitOrSeparator(c)) {
            if (state == State::Operand) return fail("Operator expected");
            std::size_t j = i;
            int separators = 0;
            for (; j < n && isDigitOrSeparator(s[j]); ++j) {
                if ((s[j] == '.' || s[j] == ',') && ++separators > 1) return fail("有多个小数点。");
            }
            const std::string_view number(s.data() + i, j - i);
            recorded = static_cast<std::int32_t>(j) - 1; // one before the last character
            if (number.size() == 1 && separators == 1) return fail("计算元素非法。");
            if (state == State::Function) return fail("缺少括号。");
            append(number);
            state = State::Operand;
            i = j - 1;
        } else if (static_cast<unsigned char>(c) <= 32) {
            // Blanks and control characters are skipped.
        } else if (!IsNameStart(std::string_view(&s[i], 1))) {
            return fail("字符未定义： ");
        } else {
            std::size_t j = i;
            while (j < n && IsNameStart(std::string_view(&s[j], 1))) ++j;
            const std::string name = s.substr(i, j - i);
            recorded = position - 1;
            if (state == State::Operand) {
                popFor(2);
                operators.Push(std::string("*"));
            }
            std::string upper = name;
            for (char& ch : upper)
                if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
            if (GetPriority(upper) == 5) {
                operators.Push(upper);
                state = State::Function;
            } else if (upper == "PI") {
                append("3.1415926");
                state = State::Operand;
            } else if (upper.size() == 1 && kVariableLetters.find(upper[0]) != std::string_view::npos) {
                append(upper + upper);
                state = State::Operand;
            } else {
                return fail("未定义的字符 : '" + name + "'");
            }
            i = j - 1;
        }
    }

    recorded = static_cast<std::int32_t>(n);
    if (state == State::Open || state == State::Sign || state == State::Function)
        return fail("缺少运算符。");
    if (openCount > 0) return fail("缺少闭括号。");
    while (operators.StackSize() > 0) append(std::get<std::string>(operators.Pop()));
    return 0;
}

Cls6::Program Cls6::Tokenize(const std::string& sExpression) {
    Program program;
    program.text = sExpression;
    std::vector<Op>& ops = program.ops;

    // Tokens are the pieces that end with a blank; text after the last blank is ignored.
    std::size_t start = 0;
    for (std::size_t blank; (blank = sExpression.find(' ', start)) != std::string::npos; start = blank + 1) {
        const std::string_view token(sExpression.data() + start, blank - start);
        Op op{Number, 0, 0.0};
        auto is = [&](std::string_view t) { return token == t; };
        if (!token.empty() && (std::string_view("1234567890.,").find(token[0]) != std::string_view::npos)) {
            op.value = ParseNumericPrefix(token);
            if (!std::isfinite(op.value)) op.code = NumberOverflow;
        } else if (is("+")) {
            op.code = Add;
        } else if (is("-")) {
            op.code = Sub;
        } else if (is("*")) {
            op.code = Mul;
        } else if (is("/")) {
            op.code = Div;
        } else if (is("^")) {
            // x^2, the commonest power, is the correctly rounded square x*x (pow
            // may differ from it in the last bit of a double; never for a float x).
            if (!ops.empty() && ops.back().code == Number && ops.back().value == 2.0) {
                ops.pop_back();
                op.code = Square;
            } else {
                op.code = Pow;
            }
        } else if (is("(-)")) {
            op.code = Neg;
        } else {
            const auto fn = std::find(std::begin(kFunctionNames), std::end(kFunctionNames), token);
            const auto var = std::find(std::begin(kVariableTokens), std::end(kVariableTokens), token);
            if (fn != std::end(kFunctionNames)) {
                op.code = static_cast<std::uint8_t>(FirstFunction + (fn - std::begin(kFunctionNames)));
            } else if (var != std::end(kVariableTokens)) {
                op.code = Variable;
                op.index = static_cast<std::uint32_t>(var - std::begin(kVariableTokens));
            } else {
                op.code = BadToken;
                op.index = static_cast<std::uint32_t>(program.badTokens.size());
                program.badTokens.emplace_back(token);
            }
        }
        ops.push_back(op);
    }

    // The depth of the stack does not depend on the values, so an operand missing
    // from the stack is found here and becomes a step that raises the empty-stack
    // error when evaluation reaches it. Nothing after a raising step is reached.
    std::size_t depth = 0;
    for (std::size_t k = 0; k < ops.size(); ++k) {
        const std::uint8_t code = ops[k].code;
        std::size_t needs = 0;
        std::size_t pushes = 1;
        if (code == BadToken || code == NumberOverflow) {
            ops.resize(k + 1);
            break;
        }
        if (code == Add || code == Sub || code == Mul || code == Div || code == Pow) needs = 2;
        else if (code != Number && code != Variable) needs = 1;
        if (depth < needs) {
            ops[k] = Op{PopEmpty, 0, 0.0};
            ops.resize(k + 1);
            break;
        }
        depth = depth - needs + pushes;
        program.maxDepth = std::max(program.maxDepth, depth);
    }
    unsigned read = 0;
    for (const Op& op : ops)
        if (op.code == Variable && op.index < 8) read |= 1u << op.index;
    for (std::uint8_t k = 0; k < 8; ++k)
        if ((read >> k & 1u) != 0) program.floatSlots[program.floatSlotCount++] = k;
    Fold(program);
    program.ops.push_back(Op{End, 0, 0.0});
    if (program.hasFolded) program.folded.push_back(Op{End, 0, 0.0});
    return program;
}

void Cls6::Fold(Program& program) {
    const std::vector<Op>& ops = program.ops;
    if (ops.empty() || ops.size() > kMaxFoldedSteps) return;

    // The values left on the stack, as parts of the tree, and the step that
    // raises at the end, if any (nothing after it was kept).
    Folder folder;
    std::vector<std::int32_t> values;
    const Op* raising = nullptr;
    for (const Op& op : ops) {
        if (op.code == Number) {
            values.push_back(folder.Constant(op.value));
        } else if (op.code == Variable) {
            values.push_back(folder.Var(op.index));
        } else if (op.code == BadToken || op.code == PopEmpty || op.code == NumberOverflow) {
            raising = &op;
        } else if (IsBinary(op.code)) {
            const std::int32_t b = values.back();
            values.pop_back();
            values.back() = folder.Binary(op.code, values.back(), b);
        } else {
            values.back() = folder.Unary(op.code, values.back());
        }
    }

    // Only the last value is the result: an earlier one is evaluated only for
    // the failures it may end the evaluation with, so one that cannot fail is
    // left out.
    std::vector<std::int32_t> roots;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (k + 1 == values.size() || !folder.nodes[values[k]].pure) roots.push_back(values[k]);
    Emitter emitter(folder.nodes);
    for (std::int32_t root : roots) emitter.Count(root);
    std::vector<Op>& folded = program.folded;
    std::size_t depth = 0;
    std::size_t maxDepth = 0;
    auto push = [&](std::uint8_t code, std::uint32_t index, double value) {
        folded.push_back(Op{code, index, value});
        if (code == Number || code == Variable || code == Load) ++depth;
        else if (IsBinary(code)) --depth;
        maxDepth = std::max(maxDepth, depth);
    };
    for (std::int32_t root : roots) emitter.Emit(root, push);
    if (raising != nullptr) folded.push_back(*raising);
    // Steps that are not fewer than the written ones are not worth the check.
    if (folded.size() >= ops.size()) {
        folded.clear();
        return;
    }
    program.maxDepth = std::max(program.maxDepth, maxDepth);
    program.registers = emitter.RegisterCount();
    program.hasFolded = true;
}

const Cls6::Program& Cls6::Prepared(const std::string& sExpression) {
    for (const Program& program : programs_)
        if (program.text == sExpression) return program;
    Program program = Tokenize(sExpression);
    if (stack_.size() < program.maxDepth) stack_.resize(program.maxDepth);
    if (registers_.size() < program.registers) registers_.resize(program.registers);
    if (programs_.size() < kMaxPrograms) {
        programs_.push_back(std::move(program));
        return programs_.back();
    }
    Program& slot = programs_[nextSlot_];
    nextSlot_ = (nextSlot_ + 1) % kMaxPrograms;
    slot = std::move(program);
    return slot;
}

bool Cls6::DoEvaluate(const std::string& sExpression, bool bolDegree, float& sngResult, float sngU,
                      float sngV, float sngX, float sngY, float sngA, float sngR, float sngB,
                      float sngT, std::int32_t lngN) {
    lastSilent_ = false;
    const Program& program = Prepared(sExpression);
    const double variables[9] = {sngU, sngV, sngX, sngY, sngA, sngR, sngB, sngT, static_cast<double>(lngN)};
    // The rewritten steps hold only while every variable the text reads is finite.
    bool folded = program.hasFolded && folding_;
    for (std::uint8_t k = 0; folded && k < program.floatSlotCount; ++k)
        folded = std::isfinite(variables[program.floatSlots[k]]);
    const std::vector<Op>& ops = folded ? program.folded : program.ops;
    double* const bottom = stack_.data();
    double* const registers = registers_.data();
    double* top = bottom; // one above the top value

    for (const Op* step = ops.data();; ++step) {
        const Op& op = *step;
        switch (op.code) {
        case End:
            if (top == bottom) return false;
            {
                // The conversion of ToSingle, done inline while the value fits.
                const float value = static_cast<float>(top[-1]);
                sngResult = std::isfinite(value) ? value : ToSingle(top[-1]);
            }
            return true;
        case Number: *top++ = op.value; break;
        case Variable: *top++ = variables[op.index]; break;
        case Add: --top; top[-1] = Fin(top[-1] + top[0]); break;
        case Sub: --top; top[-1] = Fin(top[-1] - top[0]); break;
        case Mul: --top; top[-1] = Fin(top[-1] * top[0]); break;
        case Div:
            --top;
            if (!Divide(top[-1], top[0], top[-1])) return EndWithFailure(Reported(kDivisionByZero), sngResult);
            break;
        case Pow:
            --top;
            if (!Raise(top[-1], top[0], top[-1])) return EndWithFailure(Reported(kNegativePower), sngResult);
            break;
// The four operators with their right (or, for the R forms, left) operand
// taken from `operand`.
#define VX_WITH_OPERAND(ADD, SUB, MUL, DIV, RSUB, RDIV, operand)                                   \
    case ADD: top[-1] = Fin(top[-1] + (operand)); break;                                          \
    case SUB: top[-1] = Fin(top[-1] - (operand)); break;                                          \
    case MUL: top[-1] = Fin(top[-1] * (operand)); break;                                          \
    case RSUB: top[-1] = Fin((operand) - top[-1]); break;                                         \
    case DIV:                                                                                     \
        if (!Divide(top[-1], (operand), top[-1])) return EndWithFailure(Reported(kDivisionByZero), sngResult); \
        break;                                                                                    \
    case RDIV:                                                                                    \
        if (!Divide((operand), top[-1], top[-1])) return EndWithFailure(Reported(kDivisionByZero), sngResult); \
        break;
        VX_WITH_OPERAND(AddK, SubK, MulK, DivK, RSubK, RDivK, op.value)
        VX_WITH_OPERAND(AddV, SubV, MulV, DivV, RSubV, RDivV, variables[op.index])
        VX_WITH_OPERAND(AddR, SubR, MulR, DivR, RSubR, RDivR, registers[op.index])
#undef VX_WITH_OPERAND
        case PowK:
            if (!Raise(top[-1], op.value, top[-1])) return EndWithFailure(Reported(kNegativePower), sngResult);
            break;
        case RPowK:
            if (!Raise(op.value, top[-1], top[-1])) return EndWithFailure(Reported(kNegativePower), sngResult);
            break;
        case SetTop: top[-1] = op.value; break;
        case Store: registers[op.index] = top[-1]; break;
        case Load: *top++ = registers[op.index]; break;
        case Square: top[-1] = Fin(top[-1] * top[-1]); break;
        case Neg: top[-1] = -top[-1]; break;
        case Sin: top[-1] = std::sin(Angle(top[-1], bolDegree)); break;
        case Cos: top[-1] = std::cos(Angle(top[-1], bolDegree)); break;
        case BadToken:
            throw RaisedError(ErrNo::IllegalSymbol, "符号非法: " + program.badTokens[op.index]);
        case PopEmpty: Cls13::RaisePopOnEmpty();
        case NumberOverflow: throw MathFault(MathFault::Kind::Overflow);
        case Log: case Exp: case Abs: case Atan: case Int: case Rnd: case Sqr: case Tan:
        case Sec: case Csec: case Ctan: case Asin: case Acos: case Asec: case Acsec: case Actan:
        case Sinh: case Cosh: case Tanh: case Ctanh: case Sech: case Csech: case Asinh:
        case Acosh: case Atanh: case Asech: case Acsech: case Actanh: {
            const Outcome outcome = ApplyFunction(op.code, top[-1], bolDegree, top[-1]);
            if (outcome.message != nullptr || outcome.silent) {
                lastSilent_ = outcome.silent;
                return EndWithFailure(outcome, sngResult);
            }
            break;
        }
        default: __builtin_unreachable(); // Tokenize writes no other code
        }
    }
}

std::string Cls6::RandomState() {
    std::ostringstream out;
    out << RandomGenerator();
    return out.str();
}

void Cls6::SetRandomState(const std::string& state) {
    std::istringstream in(state);
    in >> RandomGenerator();
}
