#pragma once
// The derivative text of an expression, built as every caller builds it, for
// the tests of the derivative chain and of the evaluator.
#include "core/Errors.h"
#include "math/Der.h"
#include "math/InfixToPolish.h"
#include "math/Module1.h"
#include "math/PolishToInfix.h"

#include <optional>
#include <string>

// Filtered text -> token list -> derivative -> infix text -> merged signs, or
// nothing after a refusal.
inline std::optional<std::string> DerivativeText(const std::string& text) {
    try {
        std::string message;
        bool ok = false;
        auto list = InfixToPolish(InsertMulSigns(text), message, ok);
        if (!ok || !list) return std::nullopt;
        auto d = Derive(*list);
        if (!d) return std::nullopt;
        return MergeSigns(PolishToInfix(*d));
    } catch (const RaisedError&) {
        return std::nullopt;
    }
}
