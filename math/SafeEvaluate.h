#pragma once
// Evaluation for the callers that sample or draw: a mathematical fault raised by
// the evaluator makes that one point undefined instead of ending the work.
#include <cstdint>
#include <string>

class Cls6;

// Calls evaluator.DoEvaluate with the same arguments. A MathFault gives
// UndefinedValue in `sngResult` and True; otherwise the evaluator's own result
// (and any RaisedError) passes through unchanged.
bool SafeEvaluate(Cls6& evaluator, const std::string& sExpression, bool bolDegree,
                  float& sngResult, float sngU, float sngV, float sngX, float sngY, float sngA,
                  float sngR, float sngB, float sngT, std::int32_t lngN);
