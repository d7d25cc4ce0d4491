#pragma once
// Symbolic differentiation of ranked postfix token lists.
#include "math/clsPolish.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Why Derive or PartialDerive gave no list: a token without a rule (its
// message shown), or a derivative too long for a token list (nothing shown).
enum class DeriveRefusal { None, Token, TooLong };

// The derivative of `list` with respect to its variable (any of x, y, a, r, u),
// or no list when a token has no rule: each such token shows the message box
// "不能计算<token>的导数。" (title "出错"). Nothing is simplified.
std::optional<clsPolish> Derive(const clsPolish& list);

// The partial derivative by `variable` ("x" or "y"): the other of the two is a
// constant, a, r and u count as the variable. A token without a rule shows
// "表达式非法。" (title "出错") and gives no list.
std::optional<clsPolish> PartialDerive(const clsPolish& list, const std::string& variable);
// The same, telling why there is no list.
std::optional<clsPolish> Derive(const clsPolish& list, DeriveRefusal& refusal);
std::optional<clsPolish> PartialDerive(const clsPolish& list, const std::string& variable,
                                       DeriveRefusal& refusal);

// The derivative chain on a prepared (InsertMulSigns) infix text: InfixToPolish,
// Derive (PartialDerive by "x" or "y"), PolishToInfix, MergeSigns. Nothing
// when the text is refused: a refused token has shown its message; a text or
// derivative too long for a token list shows ShowTooLongRefusal(expression),
// `expression` being the graph's own text the user knows. A malformed list is
// refused silently.
std::optional<std::string> DerivativeText(const std::string& text, const std::string& expression);
std::optional<std::string> PartialDerivativeText(const std::string& text, const std::string& variable,
                                                 const std::string& expression);
// "不能计算" + the expression (cut to 80 characters, the last "…") + "的导数。",
// titled "出错" with the exclamation icon.
void ShowTooLongRefusal(const std::string& expression);

// The elements of the lists one after the other, with their ranks.
clsPolish JoinLists(const std::vector<std::reference_wrapper<const clsPolish>>& lists);
// Copies of the elements first..last (empty when first > last).
clsPolish SubList(const clsPolish& list, std::int32_t first, std::int32_t last);
// One operand of the operator or function at `position`: which = 1 the operand
// that ends just before it (right operand, function argument), otherwise the
// one before that (left operand). Raises error 9 when the list is malformed.
clsPolish GetOperand(const clsPolish& list, std::int32_t position, std::int32_t which);
