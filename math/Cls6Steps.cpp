// The functions of the expression language and the RND sequence.
#include "math/Cls6Run.h"
#include "math/Cls6Steps.h"

#include "core/Globals.h"
#include "core/MessageService.h"

#include <random>
#include <sstream>

namespace cls6steps {

const double kHalfPi = 2 * std::atan(1.0);

void RaiseFault(double value) {
    throw MathFault(std::isnan(value) ? MathFault::Kind::Invalid : MathFault::Kind::Overflow);
}

namespace {

// RND: one uniform sequence per run of the program, from a fixed seed, 24-bit
// values so that every one is exact in single precision.
std::mt19937& RandomGenerator() {
    static std::mt19937 generator(20240601u);
    return generator;
}
} // namespace

float NextRandom() { return static_cast<float>(RandomGenerator()() >> 8) * (1.0f / 16777216.0f); }

std::string RandomState() {
    std::ostringstream out;
    out << RandomGenerator();
    return out.str();
}

void SetRandomState(const std::string& state) {
    std::istringstream in(state);
    in >> RandomGenerator();
}

bool EndWithFailure(const Outcome& outcome, float& sngResult) {
    // A reported failure is a message and False while ShowMathErrors is set;
    // otherwise the point is UndefinedValue.
    if (!outcome.silent && ShowMathErrors) {
        MsgBox(outcome.message, MsgIcon::Critical, ErrorTitle);
        return false;
    }
    sngResult = UndefinedValue;
    return true;
}

Outcome ApplyFunction(std::uint8_t code, double x, bool degree, double& out) {
    switch (code) {
    case Tan: out = std::tan(Angle(x, degree)); return kOk;
    case Sec: {
        const double c = std::cos(Angle(x, degree));
        if (std::fabs(c) < 1e-7) return Reported(kDivisionByZero);
        out = Fin(1 / c);
        return kOk;
    }
    case Csec: {
        const double s = std::sin(Angle(x, degree));
        if (std::fabs(s) < 1e-7) return Reported(kDivisionByZero);
        out = Fin(1 / s);
        return kOk;
    }
    case Ctan: {
        const double t = std::tan(Angle(x, degree));
        if (std::fabs(t) < 1e-7) return Reported(kDivisionByZero);
        out = Fin(1 / t);
        return kOk;
    }
    // Its argument is a ratio, not an angle: never converted from degrees.
    case Atan: out = std::atan(x); return kOk;
    case Log:
        if (x <= 0.00001) return Reported(kLogArgument);
        out = std::log(x);
        return kOk;
    case Exp: out = Fin(std::exp(x)); return kOk;
    case Abs: out = std::fabs(x); return kOk;
    case Int: out = std::floor(x); return kOk;
    case Rnd: out = NextRandom(); return kOk;
    case Sqr:
        if (x < 1e-7) return Reported(kSqrArgument);
        out = std::sqrt(x);
        return kOk;
    case Asin:
    case Acos: {
        const double t = 1 - Fin(x * x);
        if (std::fabs(t) >= 1e-7) {
            if (t < 0) return Reported(kIllegal);
            out = code == Asin ? std::atan(x / std::sqrt(t)) : std::atan(-x / std::sqrt(t)) + kHalfPi;
        } else if (code == Asin) {
            out = x < 0 ? -kQuarterTurn : kQuarterTurn;
        } else {
            out = x < 0 ? kHalfTurn : 0.0;
        }
        return kOk;
    }
    case Asec:
    case Acsec: {
        const double d = Fin(x * x) - 1;
        if (std::fabs(d) < 1e-7 || d < 0) return Reported(kIllegal);
        const double base = std::atan(x / std::sqrt(d));
        out = code == Asec ? base + Sgn(x - 1) * kHalfPi : base + (Sgn(x) - 1) * kHalfPi;
        return kOk;
    }
    case Actan: out = std::atan(x) + kHalfPi; return kOk;
    case Sinh:
    case Cosh:
    case Tanh:
    case Ctanh:
    case Sech:
    case Csech: {
        const double ep = Fin(std::exp(x));
        const double em = Fin(std::exp(-x));
        switch (code) {
        case Sinh: out = Fin((ep - em) / 2); break;
        case Cosh: out = Fin((ep + em) / 2); break;
        case Tanh: out = Fin((ep - em) / (em + ep)); break;
        case Sech: out = Fin(2 / (ep + em)); break;
        case Ctanh:
            if (std::fabs(ep - em) < 1e-7) return kSilent;
            out = Fin((ep + em) / (ep - em));
            break;
        default: // CSECH
            if (std::fabs(ep - em) < 1e-7) return kSilent;
            out = Fin(2 / (ep - em));
            break;
        }
        return kOk;
    }
    case Asinh: {
        const double q = x + std::sqrt(Fin(x * x) + 1);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    case Acosh: {
        const double d = Fin(x * x) - 1;
        if (d < 0) return kSilent;
        const double q = x + std::sqrt(d);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    case Atanh:
    case Actanh: {
        if (x == 1) return kSilent;
        const double q = Fin(code == Atanh ? (1 + x) / (1 - x) : (x + 1) / (x - 1));
        if (q <= 0.00001) return kSilent;
        out = std::log(q) / 2;
        return kOk;
    }
    case Asech: {
        if (x == 0) return kSilent;
        const double d = 1 - Fin(x * x);
        if (d < 0) return kSilent;
        const double q = Fin((std::sqrt(d) + 1) / x);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    case Acsech: {
        if (x == 0) return kSilent;
        const double q = Fin((Sgn(x) * std::sqrt(Fin(x * x) + 1) + 1) / x);
        if (q <= 0.00001) return kSilent;
        out = std::log(q);
        return kOk;
    }
    default: // SIN and COS are evaluated inline
        out = code == Sin ? std::sin(Angle(x, degree)) : std::cos(Angle(x, degree));
        return kOk;
    }
}
} // namespace cls6steps

std::string MathFaultMessage(MathFault::Kind kind) {
    switch (kind) {
    case MathFault::Kind::Overflow: return cls6steps::kOutOfRange;
    case MathFault::Kind::DivisionByZero: return cls6steps::kDivisionByZero;
    case MathFault::Kind::Invalid: break;
    }
    return cls6steps::kIllegal;
}
