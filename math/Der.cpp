#include "math/Der.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "math/InfixToPolish.h"
#include "math/Module1.h"
#include "math/PolishToInfix.h"

#include <cmath>
#include <deque>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace {

// One rule per operator and function: the derivative as a postfix template in
// which u and v stand for the operands, u' and v' for their derivatives, c and
// c1 for the exponent and the exponent less one; every other item is a token.
struct Rule {
    std::string_view name;
    bool binary;
    std::string_view result;
};

constexpr Rule kRules[] = {
    {"+", true, "u' v' +"},
    {"-", true, "u' v' -"},
    {"*", true, "u' v * u v' * + v 0 ^ /"},
    {"/", true, "u' v * u v' * - v 2 ^ /"},
    {"^", true, "v' u Log * u' v * u / + u v ^ *"},
    {"min", false, "u' min"},
    {"sqr", false, "u' 1 2 / u sqr / *"},
    {"exp", false, "u' u exp *"},
    {"log", false, "u' u /"},
    {"sin", false, "u' u cos *"},
    {"cos", false, "u' min u sin *"},
    {"tan", false, "u' u sec 2 ^ *"},
    {"ctan", false, "u' min u csec 2 ^ *"},
    {"sec", false, "u' u tan * u sec *"},
    {"csec", false, "u' min u ctan * u csec *"},
    {"asin", false, "u' 1 u 2 ^ - 0.5 ^ /"},
    {"acos", false, "u' min 1 u 2 ^ - 0.5 ^ /"},
    {"atan", false, "u' 1 u 2 ^ + /"},
    // The evaluator's ACTAN is atan(x) + pi/2, which grows with x.
    {"actan", false, "u' 1 u 2 ^ + /"},
    {"sinh", false, "u' u cosh *"},
    {"cosh", false, "u' u sinh *"},
    {"tanh", false, "u' u cosh 2 ^ /"},
    {"ctanh", false, "u' min u sinh 2 ^ /"},
    {"asinh", false, "u' 1 u 2 ^ + 0.5 ^ /"},
    {"acosh", false, "u' -1 u 2 ^ + 0.5 ^ /"},
    {"atanh", false, "u' 1 u 2 ^ - /"},
    {"actanh", false, "u' 1 u 2 ^ - /"},
};

// The power rule for an exponent that is a single number c other than 0.
constexpr std::string_view kPowerRule = "u' c * u c1 ^ *";
// The same for any exponent v without the variable, and u/v for such a v.
constexpr std::string_view kConstantPowerRule = "u' v * u v 1 - ^ *";
constexpr std::string_view kConstantDenominatorRule = "u' v /";

const Rule* FindRule(std::string_view s) {
    for (const Rule& r : kRules)
        if (r.name == s) return &r;
    return nullptr;
}

bool IsDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// A number token, negative ones (exponents read after "^") included.
bool IsNumberToken(std::string_view s, std::string_view constants) {
    if (s.empty()) return false;
    if (constants.find(s[0]) != std::string_view::npos) return true;
    return s[0] == '-' && s.size() > 1 && IsDigitOrPoint(s[1]);
}

std::int16_t TokenRank(std::string_view t) {
    if (t == "+" || t == "-") return clsPolish::RankAdd;
    if (t == "*" || t == "/") return clsPolish::RankMul;
    if (t == "^") return clsPolish::RankPow;
    if (IsNumberToken(t, "0123456789.")) return clsPolish::RankOperand;
    return clsPolish::RankFunction;
}

clsPolish OneToken(const std::string& data) {
    clsPolish l;
    l.Push(0, TokenRank(data), data);
    return l;
}

// An operand that cannot be found in a malformed list counts as an empty list.
clsPolish OperandOrEmpty(const clsPolish& list, std::int32_t position, std::int32_t which) {
    try {
        return GetOperand(list, position, which);
    } catch (const RaisedError&) {
        return clsPolish();
    }
}

class Differentiator {
public:
    // partial False: the ordinary derivative.
    Differentiator(bool partial, std::string variable)
        : partial_(partial), variable_(std::move(variable)) {}

    std::optional<clsPolish> Derive(const clsPolish& list);

    // Why the derivative was refused: a token without a rule (its message
    // shown) wins over a result too long for a token list (nothing shown).
    DeriveRefusal Refusal() const {
        return tokenRefused_ ? DeriveRefusal::Token
                             : (tooLong_ ? DeriveRefusal::TooLong : DeriveRefusal::None);
    }

private:
    std::optional<clsPolish> Leaf(const std::string& s);
    // True when a leaf of `list` is a variable of this differentiation.
    bool HoldsVariable(const clsPolish& list) const;
    bool IsVariable(const std::string& s) const {
        if (s == "a" || s == "r" || s == "u") return true;
        return partial_ ? s == variable_ : (s == "x" || s == "y");
    }

    bool partial_;
    std::string variable_;
    bool tokenRefused_ = false;
    bool tooLong_ = false;
};

bool Differentiator::HoldsVariable(const clsPolish& list) const {
    for (std::int32_t i = 0; i < list.ElementCount(); ++i)
        if (list.GetRank(i) == clsPolish::RankOperand && IsVariable(list.GetData(i))) return true;
    return false;
}

std::optional<clsPolish> Differentiator::Leaf(const std::string& s) {
    if (IsVariable(s)) return OneToken("1");
    if (!partial_) {
        if (s.empty() || IsNumberToken(s, "1234567890.,")) return OneToken("0");
        MsgBox("不能计算" + s + "的导数。", MsgIcon::Exclamation, ErrorTitle);
        tokenRefused_ = true;
        return std::nullopt;
    }
    std::string constants = "1234567890.,";
    if (variable_ == "x" || variable_ == "X") constants += "yY";
    else if (variable_ == "y" || variable_ == "Y") constants += "xX";
    if (s.empty() || IsNumberToken(s, constants)) return OneToken("0");
    MsgBox("表达式非法。", MsgIcon::Exclamation, ErrorTitle);
    tokenRefused_ = true;
    return std::nullopt;
}

std::optional<clsPolish> Differentiator::Derive(const clsPolish& list) {
    const std::int32_t last = list.ElementCount() - 1;
    const std::string s = last >= 0 ? list.GetData(last) : std::string();
    const Rule* rule = FindRule(s);
    if (!rule) return Leaf(s);

    clsPolish u, v;
    if (rule->binary) {
        v = OperandOrEmpty(list, last, 1);
        u = OperandOrEmpty(list, last, 2);
    } else {
        u = OperandOrEmpty(list, last, 1);
    }

    std::string_view pattern = rule->result;
    clsPolish c, c1;
    if (s == "^" && v.ElementCount() > 0) {
        const std::string& e = v.GetData(v.ElementCount() - 1);
        if (NumericPrefixLength(e) == e.size()) {
            const double value = ParseNumericPrefix(e);
            const float cf = static_cast<float>(value);
            if (std::isfinite(cf)) {
                if (cf == 0.0f) return OneToken("0");
                c = OneToken(SinglePlainText(cf));
                c1 = OneToken(SinglePlainText(cf - 1.0f));
                pattern = kPowerRule;
            }
        } else if (!HoldsVariable(v)) {
            // An exponent without the variable is a constant c, whatever its
            // form: c·u^(c−1)·u′, as for a bare number, so that the base need
            // not be positive.
            pattern = kConstantPowerRule;
        }
    } else if (s == "/" && v.ElementCount() > 0 && !HoldsVariable(v)) {
        // A constant denominator: u′/v, which keeps v away from the guard of
        // the division that v^2 (v^4 in the second derivative) would meet.
        pattern = kConstantDenominatorRule;
    }

    // Split the pattern; the derivatives are made in the order they appear, so
    // that each refused token shows its message once, in reading order.
    std::vector<std::string_view> items;
    for (std::size_t i = 0; i < pattern.size();) {
        const std::size_t j = std::min(pattern.find(' ', i), pattern.size());
        items.push_back(pattern.substr(i, j - i));
        i = j + 1;
    }
    std::optional<clsPolish> du, dv;
    bool haveDu = false, haveDv = false;
    for (std::string_view item : items) {
        if (item == "u'" && !haveDu) {
            du = Derive(u);
            haveDu = true;
        } else if (item == "v'" && !haveDv) {
            dv = Derive(v);
            haveDv = true;
        }
    }
    if ((haveDu && !du) || (haveDv && !dv)) return std::nullopt;

    try {
        std::deque<clsPolish> tokens;
        std::vector<std::reference_wrapper<const clsPolish>> parts;
        for (std::string_view item : items) {
            if (item == "u") parts.emplace_back(u);
            else if (item == "v") parts.emplace_back(v);
            else if (item == "u'") parts.emplace_back(*du);
            else if (item == "v'") parts.emplace_back(*dv);
            else if (item == "c") parts.emplace_back(c);
            else if (item == "c1") parts.emplace_back(c1);
            else parts.emplace_back(tokens.emplace_back(OneToken(std::string(item))));
        }
        return JoinLists(parts);
    } catch (const RaisedError&) {
        // A derivative too long for a token list.
        tooLong_ = true;
        return std::nullopt;
    }
}

} // namespace

clsPolish JoinLists(const std::vector<std::reference_wrapper<const clsPolish>>& lists) {
    clsPolish out;
    for (const clsPolish& l : lists)
        for (std::int32_t i = 0; i < l.ElementCount(); ++i)
            out.Push(out.ElementCount(), l.GetRank(i), l.GetData(i));
    return out;
}

clsPolish SubList(const clsPolish& list, std::int32_t first, std::int32_t last) {
    clsPolish out;
    for (std::int32_t i = first; i <= last; ++i) out.Push(out.ElementCount(), list.GetRank(i), list.GetData(i));
    return out;
}

namespace {
// The first position of the operand that ends just before `position`.
std::int32_t OperandStart(const clsPolish& list, std::int32_t position) {
    std::int32_t counter = 1;
    std::int32_t i = position;
    while (counter != 0) {
        --i;
        const std::int16_t rank = list.GetRank(i);   // error 9 below position 0
        if (rank == clsPolish::RankOperand) --counter;
        else if (rank != clsPolish::RankFunction) ++counter;
    }
    return i;
}
} // namespace

clsPolish GetOperand(const clsPolish& list, std::int32_t position, std::int32_t which) {
    const std::int32_t start = OperandStart(list, position);
    if (which == 1) return SubList(list, start, position - 1);
    return SubList(list, OperandStart(list, start), start - 1);
}

std::optional<clsPolish> Derive(const clsPolish& list, DeriveRefusal& refusal) {
    Differentiator d(false, std::string());
    std::optional<clsPolish> result = d.Derive(list);
    refusal = result ? DeriveRefusal::None : d.Refusal();
    return result;
}

std::optional<clsPolish> PartialDerive(const clsPolish& list, const std::string& variable,
                                       DeriveRefusal& refusal) {
    Differentiator d(true, variable);
    std::optional<clsPolish> result = d.Derive(list);
    refusal = result ? DeriveRefusal::None : d.Refusal();
    return result;
}

std::optional<clsPolish> Derive(const clsPolish& list) {
    DeriveRefusal refusal;
    return Derive(list, refusal);
}

std::optional<clsPolish> PartialDerive(const clsPolish& list, const std::string& variable) {
    DeriveRefusal refusal;
    return PartialDerive(list, variable, refusal);
}

namespace {

// The text of `text`'s derivative by the chain; `derive` differentiates the
// token list.
template <class Derivation>
std::optional<std::string> BuildChainText(const std::string& text, const std::string& expression,
                                          Derivation derive) {
    DeriveRefusal refusal = DeriveRefusal::None;
    try {
        bool parsed = true;
        std::string message;
        const std::optional<clsPolish> list = InfixToPolish(text, message, parsed);
        if (!parsed) return std::nullopt;
        const std::optional<clsPolish> d = derive(list ? *list : clsPolish{}, refusal);
        if (d) return MergeSigns(PolishToInfix(*d));
    } catch (const RaisedError& e) {
        // A text too long for a token list; a malformed list is refused silently.
        if (e.Number() == ErrNo::Overflow) refusal = DeriveRefusal::TooLong;
    }
    if (refusal == DeriveRefusal::TooLong) ShowTooLongRefusal(expression);
    return std::nullopt;
}

// Derivative texts built so far, by variable ("" for Derive) and text: every
// sampling builds the same texts again. Refusals are not kept, so that their
// messages show each time.
std::unordered_map<std::string, std::string>& KnownDerivatives() {
    static std::unordered_map<std::string, std::string> known;
    return known;
}

template <class Derivation>
std::optional<std::string> ChainText(const std::string& text, const std::string& variable,
                                     const std::string& expression, Derivation derive) {
    auto& known = KnownDerivatives();
    const std::string key = variable + '\n' + text;
    if (const auto found = known.find(key); found != known.end()) return found->second;
    std::optional<std::string> result = BuildChainText(text, expression, derive);
    if (result) {
        if (known.size() >= 256) known.clear();
        known.emplace(key, *result);
    }
    return result;
}

} // namespace

void ShowTooLongRefusal(const std::string& expression) {
    // The byte where each character starts (the texts are UTF-8).
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < expression.size(); ++i)
        if ((static_cast<unsigned char>(expression[i]) & 0xC0) != 0x80) starts.push_back(i);
    const std::string shown =
        starts.size() <= 80 ? expression : expression.substr(0, starts[79]) + "…";
    MsgBox("不能计算" + shown + "的导数。", MsgIcon::Exclamation, ErrorTitle);
}

std::optional<std::string> DerivativeText(const std::string& text, const std::string& expression) {
    return ChainText(text, std::string(), expression, [](const clsPolish& list, DeriveRefusal& refusal) {
        return Derive(list, refusal);
    });
}

std::optional<std::string> PartialDerivativeText(const std::string& text, const std::string& variable,
                                                 const std::string& expression) {
    return ChainText(text, variable, expression, [&variable](const clsPolish& list, DeriveRefusal& refusal) {
        return PartialDerive(list, variable, refusal);
    });
}
