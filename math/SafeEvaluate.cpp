#include "math/SafeEvaluate.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "math/Cls6.h"

bool SafeEvaluate(Cls6& evaluator, const std::string& sExpression, bool bolDegree,
                  float& sngResult, float sngU, float sngV, float sngX, float sngY, float sngA,
                  float sngR, float sngB, float sngT, std::int32_t lngN) {
    try {
        return evaluator.DoEvaluate(sExpression, bolDegree, sngResult, sngU, sngV, sngX, sngY,
                                    sngA, sngR, sngB, sngT, lngN);
    } catch (const MathFault&) {
        sngResult = UndefinedValue;
        return true;
    }
}

bool SafeEvaluate(Cls6& evaluator, const Cls6::Compiled& text, bool bolDegree, float& sngResult,
                  const Cls6Variables& v) {
    try {
        return evaluator.Evaluate(text, bolDegree, sngResult, v);
    } catch (const MathFault&) {
        sngResult = UndefinedValue;
        return true;
    }
}
