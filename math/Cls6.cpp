#include "math/Cls6.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "math/Cls13.h"

#include <algorithm>
#include <cmath>
#include <random>

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
float NextRandom() {
    static std::mt19937 generator(20240601u);
    return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f);
}

double Power(double a, double b) {
    const double r = std::pow(a, b);
    if (std::isinf(r) && a == 0) throw MathFault(MathFault::Kind::DivisionByZero);
    return Fin(r);
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
            // x^2 is exactly x*x, the commonest power.
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
    return program;
}

const Cls6::Program& Cls6::Prepared(const std::string& sExpression) {
    for (const Program& program : programs_)
        if (program.text == sExpression) return program;
    Program program = Tokenize(sExpression);
    if (stack_.size() < program.maxDepth) stack_.resize(program.maxDepth);
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
    const Program& program = Prepared(sExpression);
    const double variables[9] = {sngU, sngV, sngX, sngY, sngA, sngR, sngB, sngT, static_cast<double>(lngN)};
    double* const bottom = stack_.data();
    double* top = bottom; // one above the top value

    for (const Op& op : program.ops) {
        switch (op.code) {
        case Number: *top++ = op.value; break;
        case Variable: *top++ = variables[op.index]; break;
        case Add: --top; top[-1] = Fin(top[-1] + top[0]); break;
        case Sub: --top; top[-1] = Fin(top[-1] - top[0]); break;
        case Mul: --top; top[-1] = Fin(top[-1] * top[0]); break;
        case Div: {
            const double b = *--top;
            if (std::fabs(b) < 1e-6) return EndWithFailure(Reported(kDivisionByZero), sngResult);
            top[-1] = Fin(top[-1] / b);
            break;
        }
        case Pow: {
            const double b = *--top;
            const double a = top[-1];
            if (std::fabs(b) < 1e-6) {
                top[-1] = 1;
            } else {
                if (a < 0 && b != std::floor(b)) return EndWithFailure(Reported(kNegativePower), sngResult);
                top[-1] = Power(a, b);
            }
            break;
        }
        case Square: top[-1] = Fin(top[-1] * top[-1]); break;
        case Neg: top[-1] = -top[-1]; break;
        case Sin: top[-1] = std::sin(Angle(top[-1], bolDegree)); break;
        case Cos: top[-1] = std::cos(Angle(top[-1], bolDegree)); break;
        case BadToken:
            throw RaisedError(ErrNo::IllegalSymbol, "符号非法: " + program.badTokens[op.index]);
        case PopEmpty: Cls13::RaisePopOnEmpty();
        case NumberOverflow: throw MathFault(MathFault::Kind::Overflow);
        default: {
            const Outcome outcome = ApplyFunction(op.code, top[-1], bolDegree, top[-1]);
            if (outcome.message != nullptr || outcome.silent) return EndWithFailure(outcome, sngResult);
            break;
        }
        }
    }
    if (top == bottom) return false;
    sngResult = ToSingle(top[-1]);
    return true;
}
