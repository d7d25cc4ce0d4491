#pragma once
// Definite integrals of an expression text by the trapezoid rule with repeated
// halving of the step.
#include <cstdint>
#include <string>

// The value of the infix `expression` at one point, in radians, with every
// variable 0 but the one of `mode`: 1 binds X, 2 binds A; any other mode gives
// 0. The text is compiled for this call; a text that does not compile (after
// the compiler's message) gives 0, and so does an evaluation that yields no
// value. A mathematical fault gives UndefinedValue.
float EvalFunctionAt(const std::string& expression, float value, std::int32_t mode);

// The integral of `expression` over the variable of `mode` from a to b (a > b
// gives the negated integral). Each pass halves the step until two successive
// results differ by less than `tolerance`, or after the 15th pass; the result
// is the last pass's value. The text is compiled once: a text that does not
// compile shows one message and integrates as 0. Undefined points count with
// the value UndefinedValue. Every quantity is stored as a 32-bit float; a sum
// beyond the float range raises MathFault.
float Integrate(float a, float b, float tolerance, const std::string& expression,
                std::int32_t mode);
