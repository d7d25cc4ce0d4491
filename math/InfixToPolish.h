#pragma once
// Parses an expression text into a ranked postfix token list for symbolic
// differentiation.
#include "math/clsPolish.h"

#include <optional>
#include <string>

// Returns the token list of `text` (after InsertMulSigns), or no list when the
// text is refused; `success` is then False. A name that is neither one of the
// variables x, y, a, r, u nor a differentiable function is reported at once in
// a message box "不能计算<name>的导数。" and leaves `message` unchanged; every
// other refusal shows nothing and puts its text into `message`: "括号不匹配。",
// "存在两个 -- exist.", "表达式非法。", "Lack of parameter at <pos>",
// "非法字符  <pos>" (pos the 1-based character position).
std::optional<clsPolish> InfixToPolish(const std::string& text, std::string& message,
                                       bool& success);
