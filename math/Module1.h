#pragma once
// Filters that prepare texts around the expression engine.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Writes out the multiplication signs that may be left implicit ("2x" -> "2*x",
// "x(" -> "x*(", ")2" -> ")*2").
std::string InsertMulSigns(const std::string& text);

// Filters a numeric box: blanks dropped, "," made ".", any character outside
// "-1234567890Ee." refused (False). An empty text or a single blank gives "0".
bool CheckNumber(const std::string& text, std::string& out);
// The same filter for expression boxes (digits, ".", operators, parentheses and
// Latin letters).
bool CheckExpression(const std::string& text, std::string& out);
// The expression filter returning its result; a refused text gives "".
std::string CleanExpression(const std::string& text);

// Merges the sign pairs "+-" into "-" and "--" into "+" in one left-to-right pass.
std::string MergeSigns(const std::string& text);

// Copies the text into `bytes` as single-byte codes followed by a 0: code points
// 0 to 127 give their byte, any other character "?". Writes nothing for an empty
// text; a text longer than the array allows is cut so that the 0 still fits.
void StrToBytes(std::span<std::uint8_t> bytes, std::string_view text);
