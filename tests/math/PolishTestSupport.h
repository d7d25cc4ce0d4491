#pragma once
// Token lists written as text for the tests of the derivative chain.
#include "math/clsPolish.h"

#include <string>

// The tokens separated by blanks.
inline std::string Tokens(const clsPolish& list) {
    std::string s;
    for (std::int32_t i = 0; i < list.ElementCount(); ++i) {
        if (i) s += ' ';
        s += list.GetData(i);
    }
    return s;
}

// The ranks as digits, one per token.
inline std::string Ranks(const clsPolish& list) {
    std::string s;
    for (std::int32_t i = 0; i < list.ElementCount(); ++i) s += static_cast<char>('0' + list.GetRank(i));
    return s;
}

inline bool IsFunctionToken(const std::string& t) {
    static const char* const names[] = {
        "exp",   "sqr",   "log",   "sin",   "cos",   "tan",    "ctan",   "sec",   "csec",
        "asin",  "acos",  "atan",  "actan", "sinh",  "cosh",   "tanh",   "ctanh", "sech",
        "csech", "asinh", "acosh", "atanh", "asech", "acsech", "actanh", "min",   "Log",
    };
    for (const char* n : names)
        if (t == n) return true;
    return false;
}

// A list from blank-separated tokens; the rank is that of the token's kind,
// or given after a colon ("-:2" is the "-" of a leading minus sign).
inline clsPolish MakeList(const std::string& text) {
    clsPolish list;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t j = text.find(' ', i);
        if (j == std::string::npos) j = text.size();
        std::string t = text.substr(i, j - i);
        i = j + 1;
        if (t.empty()) continue;
        std::int16_t rank;
        const std::size_t colon = t.find(':', 1);
        if (colon != std::string::npos) {
            rank = static_cast<std::int16_t>(t[colon + 1] - '0');
            t.erase(colon);
        } else if (t == "+" || t == "-") {
            rank = clsPolish::RankAdd;
        } else if (t == "*" || t == "/") {
            rank = clsPolish::RankMul;
        } else if (t == "^") {
            rank = clsPolish::RankPow;
        } else if (IsFunctionToken(t)) {
            rank = clsPolish::RankFunction;
        } else {
            rank = clsPolish::RankOperand;
        }
        list.Push(list.ElementCount(), rank, t);
    }
    return list;
}
