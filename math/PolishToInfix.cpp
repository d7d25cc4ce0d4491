#include "math/PolishToInfix.h"

#include "core/Errors.h"

#include <vector>

namespace {

struct Part {
    std::string text;
    std::int16_t rank;
    // A power whose printed exponent begins with a minus sign: the compiler's
    // unary minus there would take in a "^" written after it.
    bool openMinus = false;
};

std::string Bracket(const std::string& s) { return "(" + s + ")"; }

} // namespace

std::string PolishToInfix(const clsPolish& list) {
    if (list.ElementCount() == 0) return "0";
    std::vector<Part> stack;
    for (std::int32_t i = 0; i < list.ElementCount(); ++i) {
        const std::int16_t r = list.GetRank(i);
        const std::string& data = list.GetData(i);
        if (r == clsPolish::RankOperand) {
            stack.push_back({data, r});
        } else if (r == clsPolish::RankFunction) {
            if (stack.empty()) RaiseSubscriptError();
            Part& top = stack.back();
            top.text = (data == "min" ? std::string("-") : data) + "(" + top.text + ")";
            top.rank = clsPolish::RankFunction;
            top.openMinus = false;
        } else {
            if (stack.size() < 2) RaiseSubscriptError();
            Part right = std::move(stack.back());
            stack.pop_back();
            Part& left = stack.back();
            if (r >= right.rank) right.text = Bracket(right.text);
            bool bracketLeft = left.rank < r;
            // The compiler reads "-a^b" as -(a^b) and "x^-a^b" as x^(-(a^b)).
            if (r == clsPolish::RankPow && ((!left.text.empty() && left.text[0] == '-') || left.openMinus)) bracketLeft = true;
            if (bracketLeft) left.text = Bracket(left.text);
            left.text += data + right.text;
            left.openMinus = r == clsPolish::RankPow && !right.text.empty() && right.text[0] == '-';
            // A difference reads as a difference whatever its rank in the list
            // (the "-" of a leading minus sign has the rank of "*").
            left.rank = data == "-" ? clsPolish::RankAdd : r;
        }
    }
    return stack.front().text;
}
