#include "core/Errors.h"

#include <cmath>

RaisedError::RaisedError(std::int64_t number, std::string text)
    : std::runtime_error(text), number_(number), text_(std::move(text)) {}

void RaiseSubscriptError() { throw RaisedError(ErrNo::Subscript, "下标越界"); }
std::string OverflowErrorText() { return "溢出"; }
void RaiseOverflowError() { throw RaisedError(ErrNo::Overflow, OverflowErrorText()); }

static const char* FaultText(MathFault::Kind kind) {
    switch (kind) {
    case MathFault::Kind::Overflow: return "overflow";
    case MathFault::Kind::DivisionByZero: return "division by zero";
    case MathFault::Kind::Invalid: return "invalid floating-point operation";
    }
    return "floating-point fault";
}

MathFault::MathFault(Kind kind) : std::runtime_error(FaultText(kind)), kind_(kind) {}

double CheckFinite(double value) {
    if (std::isnan(value)) throw MathFault(MathFault::Kind::Invalid);
    if (std::isinf(value)) throw MathFault(MathFault::Kind::Overflow);
    return value;
}

float ToSingle(double value) {
    CheckFinite(value);
    // A value that rounds beyond the largest float overflows the stored form.
    const float f = static_cast<float>(value);
    if (std::isinf(f)) throw MathFault(MathFault::Kind::Overflow);
    return f;
}
