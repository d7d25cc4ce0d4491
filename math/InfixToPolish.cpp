#include "math/InfixToPolish.h"

#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr std::string_view kFunctions[] = {
    "EXP",  "SQR",   "LOG",   "SIN",   "COS",   "TAN",   "CTAN",  "SEC",   "CSEC",
    "ASIN", "ACOS",  "ATAN",  "ACTAN", "SINH",  "COSH",  "TANH",  "CTANH", "SECH",
    "CSECH", "ASINH", "ACOSH", "ATANH", "ASECH", "ACSECH", "ACTANH",
};

bool IsRunEnd(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')';
}
bool IsNumberStart(char c) { return (c >= '0' && c <= '9') || c == '.'; }

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The value of a number run as it is typed: blanks inside are ignored.
double RunValue(std::string_view run) {
    std::string digits;
    for (char c : run)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') digits += c;
    return ParseNumericPrefix(digits);
}

// What stood before the operand that the scanner now expects.
enum class Before { Start, Open, Plus, Minus, MulDiv, Pow, Function, Sign };

class Parser {
public:
    Parser(const std::string& text, std::string& message, bool& success)
        : text_(text), message_(message), success_(success) {
        w_ = text;
        for (char& c : w_)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }

    std::optional<clsPolish> Run();

private:
    std::nullopt_t Refuse(const std::string& message) {
        message_ = message;
        success_ = false;
        return std::nullopt;
    }
    // The 1-based character position of byte index i.
    std::string Position(std::size_t i) const {
        std::int64_t n = 1;
        for (std::size_t k = 0; k < i; ++k)
            if ((static_cast<unsigned char>(w_[k]) & 0xC0) != 0x80) ++n;
        return LongText(n);
    }
    std::size_t RunEnd(std::size_t i) const {
        while (i < w_.size() && !IsRunEnd(w_[i])) ++i;
        return i;
    }
    void PushWork(std::int16_t rank, const std::string& data) {
        work_.Push(work_.ElementCount(), rank, data);
    }
    void MoveToOutput(std::int32_t index) {
        // The negation read after "*", "/", "^" or a function waits on the work
        // stack with the rank of "*" and leaves it as the function "min".
        const std::string& data = work_.GetData(index);
        const std::int16_t rank = data == "min" ? clsPolish::RankFunction : work_.GetRank(index);
        output_.Push(output_.ElementCount(), rank, data);
        work_.Kill(index, 1);
    }
    void ReduceStack();

    const std::string& text_;
    std::string w_;
    std::string& message_;
    bool& success_;
    clsPolish work_;
    clsPolish output_;
};

void Parser::ReduceStack() {
    while (work_.ElementCount() >= 2) {
        const std::int32_t top = work_.ElementCount() - 1;
        const std::int32_t second = top - 1;
        if (work_.GetRank(second) == clsPolish::RankOpen) {
            if (work_.GetRank(top) == clsPolish::RankClose) work_.Kill(second, 2);
            return;
        }
        if (work_.GetRank(second) < work_.GetRank(top)) return;
        MoveToOutput(second);
    }
}

std::optional<clsPolish> Parser::Run() {
    success_ = true;
    if (std::count(text_.begin(), text_.end(), '(') != std::count(text_.begin(), text_.end(), ')'))
        return Refuse("括号不匹配。");
    if (text_.find("--") != std::string::npos) return Refuse("存在两个 -- exist.");

    bool expectOperand = true;
    Before before = Before::Start;
    int depth = 0;
    std::size_t i = 0;
    for (;;) {
        if (expectOperand) {
            if (i >= w_.size()) return Refuse("表达式非法。");
            const char c = w_[i];
            if (c == '-') {
                if (before == Before::Sign || before == Before::Minus)
                    return Refuse("Lack of parameter at " + Position(i));
                if (before == Before::Start || before == Before::Open || before == Before::Plus) {
                    // A leading minus sign: 0 - operand.
                    PushWork(clsPolish::RankOperand, "0");
                    ReduceStack();
                    PushWork(clsPolish::RankMul, "-");
                    ReduceStack();
                    before = Before::Sign;
                    ++i;
                    continue;
                }
                // After "^" a minus and a plain number that no further "^" follows
                // are one negative number.
                if (before == Before::Pow && i + 1 < w_.size() && IsNumberStart(w_[i + 1])) {
                    const std::size_t end = RunEnd(i + 1);
                    if (end >= w_.size() || w_[end] != '^') {
                        const double value = RunValue(std::string_view(w_).substr(i + 1, end - i - 1));
                        if (!std::isfinite(value)) return Refuse("表达式非法。");
                        PushWork(clsPolish::RankOperand, DoublePlainText(-value));
                        ReduceStack();
                        expectOperand = false;
                        i = end;
                        continue;
                    }
                }
                // After "*", "/", "^" or a function the minus negates the operand
                // that follows together with its powers, as the compiler reads it:
                // it waits with the rank of "*" and pushes nothing out.
                PushWork(clsPolish::RankMul, "min");
                before = Before::Sign;
                ++i;
                continue;
            }
            if (c == '+') {
                // A plus sign where an operand is expected is skipped, as the
                // compiler skips it; a sign after a sign is refused.
                if (before == Before::Sign || before == Before::Plus || before == Before::Minus)
                    return Refuse("Lack of parameter at " + Position(i));
                before = Before::Sign;
                ++i;
                continue;
            }
            if (c == '*' || c == '/' || c == '^' || c == ')')
                return Refuse("Lack of parameter at " + Position(i));
            if (c == '(') {
                PushWork(clsPolish::RankOpen, "(");
                ReduceStack();
                ++depth;
                before = Before::Open;
                ++i;
                continue;
            }
            const std::size_t end = RunEnd(i);
            const std::string run = w_.substr(i, end - i);
            i = end;
            if (IsNumberStart(c)) {
                const double value = RunValue(run);
                if (!std::isfinite(value)) return Refuse("表达式非法。");
                PushWork(clsPolish::RankOperand, DoublePlainText(value));
                expectOperand = false;
            } else if (run == "X" || run == "Y" || run == "A" || run == "R" || run == "U") {
                PushWork(clsPolish::RankOperand, Lower(run));
                expectOperand = false;
            } else if (std::find(std::begin(kFunctions), std::end(kFunctions), run) !=
                       std::end(kFunctions)) {
                PushWork(clsPolish::RankFunction, Lower(run));
                before = Before::Function;
            } else if (c == ',') {
                PushWork(clsPolish::RankOperand, run);
                expectOperand = false;
            } else {
                MsgBox("不能计算" + run + "的导数。", MsgIcon::Exclamation, ErrorTitle);
                success_ = false;
                return std::nullopt;
            }
            ReduceStack();
            continue;
        }

        if (i >= w_.size()) break;
        const char c = w_[i];
        switch (c) {
        case '+':
        case '-':
            PushWork(clsPolish::RankAdd, std::string(1, c));
            before = c == '+' ? Before::Plus : Before::Minus;
            expectOperand = true;
            break;
        case '*':
        case '/':
            PushWork(clsPolish::RankMul, std::string(1, c));
            before = Before::MulDiv;
            expectOperand = true;
            break;
        case '^':
            PushWork(clsPolish::RankPow, "^");
            before = Before::Pow;
            expectOperand = true;
            break;
        case ')':
            if (depth == 0) return Refuse("括号不匹配。");
            --depth;
            PushWork(clsPolish::RankClose, ")");
            break;
        default:
            return Refuse("非法字符  " + Position(i));
        }
        ReduceStack();
        ++i;
    }

    while (work_.ElementCount() > 0) MoveToOutput(work_.ElementCount() - 1);
    return std::move(output_);
}

} // namespace

std::optional<clsPolish> InfixToPolish(const std::string& text, std::string& message,
                                       bool& success) {
    return Parser(text, message, success).Run();
}
