#include "math/NIModule.h"

#include "core/Errors.h"
#include "math/Cls6.h"
#include "math/SafeEvaluate.h"

#include <cmath>

namespace {

// The last halving pass: its 16384 midpoints are the most a 16-bit count holds.
constexpr int kMaxPasses = 15;

float EvalCompiled(Cls6& evaluator, const std::string& postfix, float value, std::int32_t mode) {
    float result = 0.0f;
    if (mode == 1)
        SafeEvaluate(evaluator, postfix, false, result, 0, 0, value, 0, 0, 0, 0, 0, 0);
    else if (mode == 2)
        SafeEvaluate(evaluator, postfix, false, result, 0, 0, 0, 0, value, 0, 0, 0, 0);
    return result;
}

} // namespace

float EvalFunctionAt(const std::string& expression, float value, std::int32_t mode) {
    Cls6 evaluator;
    std::string postfix;
    if (evaluator.InfixToPostfix(expression, postfix) != 0) return 0.0f;
    return EvalCompiled(evaluator, postfix, value, mode);
}

float Integrate(float a, float b, float tolerance, const std::string& expression,
                std::int32_t mode) {
    Cls6 evaluator;
    std::string postfix;
    const bool compiled = evaluator.InfixToPostfix(expression, postfix) == 0;
    auto f = [&](float t) { return compiled ? EvalCompiled(evaluator, postfix, t, mode) : 0.0f; };

    const float fa = f(a);
    const float fb = f(b);
    float h = ToSingle(static_cast<double>(b) - a);
    std::int32_t n = 1;
    float trapezoid = ToSingle((static_cast<double>(fb) + fa) * h / 2.0);
    float next = trapezoid;
    float d = ToSingle(static_cast<double>(tolerance) + 1.0);
    for (int pass = 1; d >= tolerance && pass <= kMaxPasses; ++pass) {
        float sum = 0.0f;
        for (std::int32_t i = 0; i < n; ++i) {
            const float m = ToSingle((i + 0.5) * h + a);
            sum = ToSingle(static_cast<double>(sum) + f(m));
        }
        next = ToSingle((static_cast<double>(h) * sum + trapezoid) / 2.0);
        d = ToSingle(std::fabs(static_cast<double>(trapezoid) - next));
        trapezoid = next;
        h = ToSingle(h / 2.0);
        n *= 2;
    }
    return next;
}
