#pragma once
// Evaluation for the callers that sample or draw: a mathematical fault raised by
// the evaluator makes that one point undefined instead of ending the work.
#include "core/Errors.h"
#include "core/Globals.h"
#include "math/Cls6.h"

#include <cstdint>
#include <string>

// Calls evaluator.DoEvaluate with the same arguments. A MathFault gives
// UndefinedValue in `sngResult` and True; otherwise the evaluator's own result
// (and any RaisedError) passes through unchanged.
bool SafeEvaluate(Cls6& evaluator, const std::string& sExpression, bool bolDegree,
                  float& sngResult, float sngU, float sngV, float sngX, float sngY, float sngA,
                  float sngR, float sngB, float sngT, std::int32_t lngN);

// The same for a prepared text, and for a prepared text over a grid.
bool SafeEvaluate(Cls6& evaluator, const Cls6::Compiled& text, bool bolDegree, float& sngResult,
                  const Cls6Variables& v);
inline bool SafeEvaluate(Cls6& evaluator, Cls6Grid& grid, std::int64_t column, bool bolDegree,
                         float& sngResult, const Cls6Variables& v) {
    try {
        return grid.Evaluate(evaluator, column, bolDegree, sngResult, v);
    } catch (const MathFault&) {
        sngResult = UndefinedValue;
        return true;
    }
}
