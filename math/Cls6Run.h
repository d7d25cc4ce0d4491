#pragma once
// Internal to the evaluator: the loop that runs a list of steps, shared by
// DoEvaluate, Evaluate and Cls6Grid so that every one computes alike.
#include "core/Errors.h"
#include "math/Cls13.h"
#include "math/Cls6Steps.h"

#include <cmath>
#include <string>
#include <vector>

namespace cls6steps {

// What a part computed ahead ended with (its value is in its value slot): a
// failure, reported or silent, or a mathematical fault, replayed where the
// steps read the part.
struct PartOutcome {
    Outcome outcome{};
    std::int8_t fault = -1; // a MathFault::Kind, or -1
};

struct RunContext {
    double* bottom;          // the value stack
    double* registers;       // the registers of the rewritten steps
    const double* values;    // the variables by slot (NN is 8), then the parts
    const PartOutcome* parts;
    const std::vector<std::string>* badTokens;
    bool degree;
};

inline bool Failed(const Outcome& outcome) { return outcome.message != nullptr || outcome.silent; }

// Runs steps up to their End. kOk, with the top value in `value` (or `empty`
// set when nothing is on the stack), or the failure that ended the run.
// Raises as the steps direct: MathFault, RaisedError.
[[gnu::always_inline]] inline Outcome RunSteps(const Cls6Step* step, const RunContext& c, double& value,
                                               bool& empty) {
    double* const bottom = c.bottom;
    double* const registers = c.registers;
    const double* const values = c.values;
    double* top = bottom; // one above the top value
    for (;; ++step) {
        const Cls6Step& op = *step;
        switch (op.code) {
        case End:
            empty = top == bottom;
            if (!empty) value = top[-1];
            return kOk;
        case Number: *top++ = op.value; break;
        case Variable: *top++ = values[op.index]; break;
        case Add: --top; top[-1] = Fin(top[-1] + top[0]); break;
        case Sub: --top; top[-1] = Fin(top[-1] - top[0]); break;
        case Mul: --top; top[-1] = Fin(top[-1] * top[0]); break;
        case Div:
            --top;
            if (!Divide(top[-1], top[0], top[-1])) return Reported(kDivisionByZero);
            break;
        case Pow:
            --top;
            if (!Raise(top[-1], top[0], top[-1])) return Reported(kNegativePower);
            break;
// The four operators with their right (or, for the R forms, left) operand
// taken from `operand`.
#define VX_WITH_OPERAND(ADD, SUB, MUL, DIV, RSUB, RDIV, operand)                                   \
    case ADD: top[-1] = Fin(top[-1] + (operand)); break;                                          \
    case SUB: top[-1] = Fin(top[-1] - (operand)); break;                                          \
    case MUL: top[-1] = Fin(top[-1] * (operand)); break;                                          \
    case RSUB: top[-1] = Fin((operand) - top[-1]); break;                                         \
    case DIV:                                                                                     \
        if (!Divide(top[-1], (operand), top[-1])) return Reported(kDivisionByZero);               \
        break;                                                                                    \
    case RDIV:                                                                                    \
        if (!Divide((operand), top[-1], top[-1])) return Reported(kDivisionByZero);               \
        break;
        VX_WITH_OPERAND(AddK, SubK, MulK, DivK, RSubK, RDivK, op.value)
        VX_WITH_OPERAND(AddV, SubV, MulV, DivV, RSubV, RDivV, values[op.index])
        VX_WITH_OPERAND(AddR, SubR, MulR, DivR, RSubR, RDivR, registers[op.index])
#undef VX_WITH_OPERAND
        case PowK:
            if (!Raise(top[-1], op.value, top[-1])) return Reported(kNegativePower);
            break;
        case RPowK:
            if (!Raise(op.value, top[-1], top[-1])) return Reported(kNegativePower);
            break;
        case SetTop: top[-1] = op.value; break;
        case Store: registers[op.index] = top[-1]; break;
        case Load: *top++ = registers[op.index]; break;
        case Part: {
            const PartOutcome& part = c.parts[op.index];
            if (part.fault >= 0) [[unlikely]]
                throw MathFault(static_cast<MathFault::Kind>(part.fault));
            if (Failed(part.outcome)) [[unlikely]]
                return part.outcome;
            *top++ = values[kFirstPartSlot + op.index];
            break;
        }
        case Square: top[-1] = Fin(top[-1] * top[-1]); break;
        case Neg: top[-1] = -top[-1]; break;
        case Sin: top[-1] = std::sin(Angle(top[-1], c.degree)); break;
        case Cos: top[-1] = std::cos(Angle(top[-1], c.degree)); break;
        case BadToken: throw RaisedError(ErrNo::IllegalSymbol, "符号非法: " + (*c.badTokens)[op.index]);
        case PopEmpty: Cls13::RaisePopOnEmpty();
        case NumberOverflow: throw MathFault(MathFault::Kind::Overflow);
        case Log: case Exp: case Abs: case Atan: case Int: case Rnd: case Sqr: case Tan:
        case Sec: case Csec: case Ctan: case Asin: case Acos: case Asec: case Acsec: case Actan:
        case Sinh: case Cosh: case Tanh: case Ctanh: case Sech: case Csech: case Asinh:
        case Acosh: case Atanh: case Asech: case Acsech: case Actanh: {
            const Outcome outcome = ApplyFunction(op.code, top[-1], c.degree, top[-1]);
            if (Failed(outcome)) return outcome;
            break;
        }
        default: __builtin_unreachable(); // Tokenize and the rewrite write no other code
        }
    }
}

// The result of a run as DoEvaluate gives it: True with the value rounded to a
// 32-bit float (a value beyond the float range raises), False for an empty
// stack, and a failure as ShowMathErrors directs.
[[gnu::cold]] bool EndWithFailure(const Outcome& outcome, float& sngResult);
[[gnu::always_inline]] inline bool Conclude(const Outcome& outcome, bool empty, double value,
                                            float& sngResult) {
    if (Failed(outcome)) [[unlikely]]
        return EndWithFailure(outcome, sngResult);
    if (empty) return false;
    // The conversion of ToSingle, done inline while the value fits.
    const float f = static_cast<float>(value);
    sngResult = std::isfinite(f) ? f : ToSingle(value);
    return true;
}

} // namespace cls6steps
