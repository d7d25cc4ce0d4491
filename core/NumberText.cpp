#include "core/NumberText.h"

#include "core/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits (no point, no trailing zeros) and the decimal exponent of the
// first digit of a to_chars scientific text ("-1.2500e+03").
void SplitScientific(std::string s, std::string& mantissa, int& exponent, bool& negative) {
    negative = !s.empty() && s[0] == '-';
    if (negative) s.erase(0, 1);
    const auto e = s.find('e');
    exponent = std::stoi(s.substr(e + 1));   // digits and a sign only: locale-free
    mantissa.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (IsDigit(s[i])) mantissa += s[i];
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
}

// Splits a finite value into its significant digits and the decimal exponent
// of the first digit, after rounding to `digits` significant digits.
void Decompose(double value, int digits, std::string& mantissa, int& exponent, bool& negative) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    SplitScientific(std::string(buf, res.ptr), mantissa, exponent, negative);
}

// Appends digits `mantissa` with first-digit exponent `exponent` in plain notation.
void AppendFixed(std::string& out, const std::string& mantissa, int exponent) {
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += mantissa;
    } else if (static_cast<int>(mantissa.size()) <= exponent + 1) {
        out += mantissa;
        out.append(static_cast<std::size_t>(exponent + 1 - static_cast<int>(mantissa.size())), '0');
    } else {
        out.append(mantissa, 0, static_cast<std::size_t>(exponent + 1));
        out += '.';
        out.append(mantissa, static_cast<std::size_t>(exponent + 1));
    }
}

// The text of a value that is not finite or zero; empty for the others.
std::string SpecialText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    if (value == 0) return "0";
    return std::string();
}

// Digits `mantissa` with first-digit exponent `exponent` as text; with
// `allowExponent`, the exponent form below 1E-04 or from 1E+`exponentFrom`.
std::string FormatDigits(const std::string& mantissa, int exponent, bool negative, int exponentFrom,
                         bool allowExponent) {
    std::string out = negative ? "-" : "";
    if (allowExponent && (exponent < -4 || exponent >= exponentFrom)) {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += '.';
            out.append(mantissa, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int a = exponent < 0 ? -exponent : exponent;
        if (a < 10) out += '0';
        out += std::to_string(a);
        return out;
    }
    AppendFixed(out, mantissa, exponent);
    return out;
}

// Text with `digits` significant digits; with `allowExponent`, the exponent
// form where plain digits cannot show the value (below 1E-04 or from 1E+digits).
std::string NumberTextOf(double value, int digits, bool allowExponent) {
    if (std::string special = SpecialText(value); !special.empty()) return special;
    std::string mantissa;
    int exponent = 0;
    bool negative = false;
    Decompose(value, digits, mantissa, exponent, negative);
    return FormatDigits(mantissa, exponent, negative, digits, allowExponent);
}

// The fewest significant digits that read back as the same 32-bit float
// (to_chars gives the shortest such text, at most 9 digits), in the form of
// SingleText: exponent form below 1E-04 or from 1E+07.
std::string ShortestSingleTextOf(float value, bool allowExponent) {
    if (std::string special = SpecialText(value); !special.empty()) return special;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string mantissa;
    int exponent = 0;
    bool negative = false;
    SplitScientific(std::string(buf, res.ptr), mantissa, exponent, negative);
    return FormatDigits(mantissa, exponent, negative, 7, allowExponent);
}

// The decimal exponent of the first significant digit of an unsigned
// number text of the form NumericPrefixLength accepts (digits, at most one
// ".", an optional exponent); 0 for a text of zeros. Saturates far beyond the
// range of a double.
std::int64_t DecimalMagnitude(std::string_view t) {
    std::int64_t magnitude = 0;
    std::size_t i = 0;
    bool significant = false;
    for (; i < t.size() && IsDigit(t[i]); ++i) {
        if (significant) ++magnitude;
        else if (t[i] != '0') significant = true;
    }
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && IsDigit(t[i]); ++i) {
            if (significant) continue;
            --magnitude;
            if (t[i] != '0') significant = true;
        }
    }
    if (!significant) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        const bool negative = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::int64_t exponent = 0;
        for (; i < t.size() && IsDigit(t[i]); ++i)
            exponent = std::min<std::int64_t>(exponent * 10 + (t[i] - '0'), 1'000'000'000);
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

} // namespace

std::size_t NumericPrefixLength(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) { ++i; ++digits; }
    if (i < t.size() && t[i] == '.') {
        std::size_t j = i + 1, frac = 0;
        while (j < t.size() && IsDigit(t[j])) { ++j; ++frac; }
        if (digits + frac == 0) return 0;
        i = j;
        digits += frac;
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < t.size() && IsDigit(t[j])) { ++j; ++expDigits; }
        if (expDigits > 0) i = j;
    }
    return i;
}

double ParseNumericPrefix(std::string_view text) {
    const std::size_t n = NumericPrefixLength(text);
    if (n == 0) return 0.0;
    std::string_view p = text.substr(0, n);
    bool negative = false;
    if (p[0] == '+' || p[0] == '-') {
        negative = p[0] == '-';
        p.remove_prefix(1);
    }
    double v = 0.0;
    const auto res = std::from_chars(p.data(), p.data() + p.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // from_chars leaves v untouched when the value rounds to 0 or beyond
        // the largest double: a magnitude below 1 underflowed to 0.
        v = DecimalMagnitude(p) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -v : v;
}

float ParseSingle(std::string_view text) {
    const double v = ParseNumericPrefix(text);
    float f = static_cast<float>(v);
    if (std::isinf(f)) RaiseOverflowError();
    // Rounding the digits to a double and then to a float can land one float
    // off the nearest (7.038531E-26); the digits rounded once to a float cannot.
    std::string_view p = text.substr(0, NumericPrefixLength(text));
    if (!p.empty() && p[0] == '+') p.remove_prefix(1);
    float once = 0;
    const auto res = std::from_chars(p.data(), p.data() + p.size(), once);
    if (res.ec == std::errc() && res.ptr == p.data() + p.size() && std::isfinite(once)) f = once;
    return f;
}

std::int32_t ParseLong(std::string_view text) { return ToLong(ParseNumericPrefix(text)); }

double RoundHalfEven(double value) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return std::nearbyint(value);
}

std::int32_t ToLong(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) RaiseOverflowError();
    return static_cast<std::int32_t>(r);
}

std::string SingleText(float value) { return NumberTextOf(static_cast<double>(value), 7, true); }
std::string DoubleText(double value) { return NumberTextOf(value, 15, true); }
std::string SinglePlainText(float value) { return NumberTextOf(static_cast<double>(value), 7, false); }
std::string ShortestSingleText(float value) { return ShortestSingleTextOf(value, true); }
std::string ShortestSinglePlainText(float value) { return ShortestSingleTextOf(value, false); }
std::string DoublePlainText(double value) { return NumberTextOf(value, 15, false); }
std::string LongText(std::int64_t value) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string GroupedFixedText(double value, int decimals) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    decimals = std::clamp(decimals, 0, 15);
    // Fixed notation of a finite double needs at most 309 digits before the point.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
    const std::string digits(buf, res.ptr);
    const std::size_t point = digits.find('.');
    const std::size_t whole = point == std::string::npos ? digits.size() : point;
    std::string out;
    if (value < 0 && digits.find_first_not_of("0.") != std::string::npos) out += '-';
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    out.append(digits, whole, std::string::npos);
    return out;
}

namespace {

// The value of hexadecimal (base 16) or octal (8) digits at the start of t.
double WholeDigits(std::string_view t, int base) {
    double v = 0;
    for (char c : t) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0 || d >= base) break;
        v = v * base + d;
    }
    return v;
}

} // namespace

double NumericValue(std::string_view text) {
    std::string t;
    t.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') t += c;

    if (t.size() >= 2 && t[0] == '&') {
        if (t[1] == 'H' || t[1] == 'h') return WholeDigits(std::string_view(t).substr(2), 16);
        if (t[1] == 'O' || t[1] == 'o') return WholeDigits(std::string_view(t).substr(2), 8);
        return 0;
    }

    std::size_t i = 0;
    const bool negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    // The mantissa as digits with one point, and the power of ten of its first
    // non-zero digit (which tells an overflow from an underflow).
    std::string number;
    bool seenNonZero = false;
    long long firstDigitPower = 0;
    const std::size_t intStart = i;
    while (i < t.size() && IsDigit(t[i])) number += t[i++];
    std::size_t digits = i - intStart;
    for (std::size_t k = 0; k < digits && !seenNonZero; ++k)
        if (number[k] != '0') {
            seenNonZero = true;
            firstDigitPower = static_cast<long long>(digits - k) - 1;
        }
    if (i < t.size() && t[i] == '.') {
        number += '.';
        ++i;
        for (long long power = -1; i < t.size() && IsDigit(t[i]); --power, ++digits) {
            if (!seenNonZero && t[i] != '0') {
                seenNonZero = true;
                firstDigitPower = power;
            }
            number += t[i++];
        }
    }
    if (digits == 0 || !seenNonZero) return 0;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::size_t j = i + 1;
        const bool expNegative = j < t.size() && t[j] == '-';
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t expStart = j;
        while (j < t.size() && IsDigit(t[j])) {
            // An absurdly long exponent stops growing (far beyond any double).
            if (exponent < 100000000000000LL) exponent = exponent * 10 + (t[j] - '0');
            ++j;
        }
        if (j > expStart) {
            if (expNegative) exponent = -exponent;
            number += 'e';
            number += std::to_string(exponent);
        } else {
            exponent = 0;
        }
    }
    double v = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec == std::errc::result_out_of_range)
        v = firstDigitPower + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    if (v == 0) return 0;
    return negative ? -v : v;
}

std::optional<std::int32_t> WholeCount(std::string_view text) {
    const double r = RoundHalfEven(NumericValue(text));
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

float SingleValue(std::string_view text) {
    const float f = static_cast<float>(NumericValue(text));
    if (std::isinf(f)) RaiseOverflowError();
    return f;
}
