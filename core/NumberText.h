#pragma once
// Conversions between numbers and text, independent of the C locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The value of the longest beginning of `text` that has the form of a number:
// an optional sign, digits with at most one ".", and optionally "E"/"e" with an
// optional sign and digits. No such beginning reads as 0 ("1,5" -> 1, "abc" -> 0).
double ParseNumericPrefix(std::string_view text);
// Length of that numeric beginning (0 when there is none).
std::size_t NumericPrefixLength(std::string_view text);
// The numeric prefix taken to the nearest 32-bit float.
float ParseSingle(std::string_view text);
// The numeric prefix taken to the nearest 32-bit whole number, halves to even;
// a value outside the 32-bit range raises the overflow error (6).
std::int32_t ParseLong(std::string_view text);

// Nearest whole number, a value halfway between two going to the even one.
double RoundHalfEven(double value);
// RoundHalfEven to a 32-bit whole number; outside the range raises error 6.
std::int32_t ToLong(double value);

// A 32-bit float as text: at most 7 significant digits, no trailing zeros or
// point, exponent form where plain digits cannot show it ("1.234568E+07", "1E-05").
std::string SingleText(float value);
// A 32-bit float in SingleText's form with the fewest significant digits (at
// most 9) that read back as the same value: documents reopen exactly
// ("3.1415927", "0.1", "1.6777216E+07").
std::string ShortestSingleText(float value);
// The same digits never in exponent form ("0.000015", "16777216").
std::string ShortestSinglePlainText(float value);
// A 64-bit float the same way with at most 15 significant digits.
std::string DoubleText(double value);
// A 32-bit float rounded to 7 significant digits, never in exponent form; for
// texts that go back to the expression compiler ("0.00001", "12345680").
std::string SinglePlainText(float value);
// A 64-bit float rounded to 15 significant digits, never in exponent form.
std::string DoublePlainText(double value);
// A whole number as its decimal digits.
std::string LongText(std::int64_t value);
// A 64-bit float with exactly `decimals` digits after "." (0..15), rounded
// half to even, a leading zero before the point and "," between thousands
// ("1,250.0", "-0.5"); a value that rounds to zero has no sign. "NaN", "Inf"
// and "-Inf" for values that are not finite.
std::string GroupedFixedText(double value, int decimals);

// The numeric value of a text typed into a dialog box (counts, sizes, widths,
// speeds): blanks, tabs and line feeds are skipped wherever they stand; then
// an optional sign, digits with at most one ".", and an optional exponent ("E"
// or "D", either case, an optional sign and digits); or "&H" / "&O" (either
// case) and hexadecimal / octal digits, read as a whole number that is never
// negative. Reading stops at the first other character; a text that does not
// begin with a number gives 0 ("12abc" -> 12, "1,5" -> 1, " 1 2 " -> 12,
// "1D2" -> 100, "&H1F" -> 31). A value beyond the double range reads as an
// infinity of its sign; one too small for it as 0.
double NumericValue(std::string_view text);
// NumericValue rounded to the nearest whole number, a half going to the even
// neighbour ("2.5" -> 2, "3.5" -> 4); nothing when the rounded value lies
// outside the 32-bit range, so that each caller can refuse it in its own words.
std::optional<std::int32_t> WholeCount(std::string_view text);
// NumericValue as a Single (sizes, light values); a value beyond the Single
// range raises the overflow error (6, "溢出").
float SingleValue(std::string_view text);
