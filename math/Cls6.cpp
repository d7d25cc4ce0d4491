#include "math/Cls6.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "math/Cls13.h"
#include "math/Cls6Run.h"
#include "math/Cls6Steps.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

using namespace cls6steps;

namespace {

constexpr std::string_view kVariableTokens[] = {"UU", "VV", "XX", "YY", "AA", "RR", "BB", "TT", "NN"};
constexpr std::string_view kVariableLetters = "UVXYARBTN";

constexpr std::size_t kMaxPrograms = 16;
// Texts kept by the caches shared by every evaluator of the run; when full, a
// cache starts afresh (handles given out keep their programs).
constexpr std::size_t kMaxSharedTexts = 512;

// Compilations that succeeded, so that the texts every sampling compiles anew
// (derivative texts above all) are compiled once per run. A refused text is
// compiled again each time, so that its message shows each time.
std::unordered_map<std::string, std::string>& CompiledTexts() {
    static std::unordered_map<std::string, std::string> texts;
    return texts;
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
    auto& cache = CompiledTexts();
    const auto found = cache.find(sExpression);
    if (found != cache.end()) {
        sBuffer += found->second;
        return 0;
    }
    std::string postfix;
    const std::int32_t position = Compile(sExpression, postfix);
    if (position == 0) {
        if (cache.size() >= kMaxSharedTexts) cache.clear();
        cache.emplace(sExpression, postfix);
    }
    // A refused text leaves what it wrote before the error, as it always did.
    sBuffer += postfix;
    return position;
}

std::int32_t Cls6::Compile(const std::string& sExpression, std::string& sBuffer) {
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
        if (op.code == Variable) read |= 1u << op.index;
    program.readMask = static_cast<std::uint16_t>(read);
    for (std::uint8_t k = 0; k < 8; ++k)
        if ((read >> k & 1u) != 0) program.floatSlots[program.floatSlotCount++] = k;
    if (ops.size() == 1 && ops[0].code == Variable)
        program.singleVariable = static_cast<std::int8_t>(ops[0].index);
    Fold(program);
    program.ops.push_back(Op{End, 0, 0.0});
    if (program.hasFolded) program.folded.push_back(Op{End, 0, 0.0});
    return program;
}

std::shared_ptr<const Cls6::Program> Cls6::Shared(const std::string& sExpression) {
    static std::unordered_map<std::string, std::shared_ptr<const Program>> programs;
    const auto found = programs.find(sExpression);
    if (found != programs.end()) return found->second;
    auto program = std::make_shared<const Program>(Tokenize(sExpression));
    if (programs.size() >= kMaxSharedTexts) programs.clear();
    programs.emplace(sExpression, program);
    return program;
}

const Cls6::Program& Cls6::Prepared(const std::string& sExpression) {
    for (const Program& program : programs_)
        if (program.text == sExpression) return program;
    Program program = *Shared(sExpression);
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

bool Cls6::Run(const Program& program, bool folded, bool bolDegree, float& sngResult,
               const double* variables) {
    // The rewritten steps hold only while every variable the text reads is finite.
    for (std::uint8_t k = 0; folded && k < program.floatSlotCount; ++k)
        folded = std::isfinite(variables[program.floatSlots[k]]);
    const RunContext context{stack_.data(), registers_.data(), variables, nullptr, &program.badTokens,
                             bolDegree};
    double value = 0;
    bool empty = false;
    const Outcome outcome =
        RunSteps((folded ? program.folded : program.ops).data(), context, value, empty);
    lastSilent_ = outcome.silent;
    return Conclude(outcome, empty, value, sngResult);
}

bool Cls6::DoEvaluate(const std::string& sExpression, bool bolDegree, float& sngResult, float sngU,
                      float sngV, float sngX, float sngY, float sngA, float sngR, float sngB,
                      float sngT, std::int32_t lngN) {
    lastSilent_ = false;
    const Program& program = Prepared(sExpression);
    const double variables[9] = {sngU, sngV, sngX, sngY, sngA, sngR, sngB, sngT, static_cast<double>(lngN)};
    return Run(program, program.hasFolded && folding_, bolDegree, sngResult, variables);
}

Cls6::Compiled Cls6::Prepare(const std::string& sExpression) { return Compiled(Shared(sExpression)); }

bool Cls6::Evaluate(const Compiled& text, bool bolDegree, float& sngResult, const Cls6Variables& v) {
    const Program* program = text.program_.get();
    if (program == nullptr) return false;
    // The variables the text reads, one at a time (the caller has just
    // written them); the steps read no other.
    double variables[9];
    for (std::uint8_t k = 0; k < program->floatSlotCount; ++k)
        variables[program->floatSlots[k]] = v.Slot(program->floatSlots[k]);
    variables[8] = static_cast<double>(v.n);
    // A text that is one variable: its value, unless it needs the checked conversion.
    if (program->singleVariable >= 0) {
        const float value = static_cast<float>(variables[program->singleVariable]);
        if (std::isfinite(value)) {
            sngResult = value;
            return true;
        }
    }
    if (stack_.size() < program->maxDepth) stack_.resize(program->maxDepth);
    if (registers_.size() < program->registers) registers_.resize(program->registers);
    return Run(*program, program->hasFolded && folding_, bolDegree, sngResult, variables);
}

std::string Cls6::RandomState() { return cls6steps::RandomState(); }

void Cls6::SetRandomState(const std::string& state) { cls6steps::SetRandomState(state); }

std::optional<float> PositionValue(Cls6& engine, const std::string& cleaned) {
    if (!cleaned.empty() && NumericPrefixLength(cleaned) == cleaned.size()) {
        const double number = ParseNumericPrefix(cleaned);
        if (!(std::fabs(number) <= std::numeric_limits<float>::max())) return std::nullopt;
        return static_cast<float>(number);
    }
    std::string postfix;
    float value = UndefinedValue;
    if (engine.InfixToPostfix(cleaned, postfix) != 0 ||
        !engine.DoEvaluate(postfix, false, value, 0, 0, 0, 0, 0, 0, 0, 0, 0) || value == UndefinedValue)
        return std::nullopt;
    return value;
}
