#include "math/Module1.h"

namespace {

constexpr std::string_view kNumberChars = "-1234567890Ee.";
constexpr std::string_view kExpressionChars =
    "-1234567890.+*/^()abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kLeftOperandEnds = "1234567890)";
constexpr std::string_view kNameStarts = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ(";
constexpr std::string_view kVariableLetters = "abnrtxyziABNRTXYZI";
constexpr std::string_view kNumberStarts = "1234567890.,(";
constexpr std::string_view kNumberDigits = "1234567890.,";
constexpr std::string_view kOperandNeighbours = "1234567890+-*/^()pP";

bool In(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// The filter of the numeric and expression boxes. Every character of the sets is
// ASCII, so testing byte by byte refuses a multi-byte character at its first byte.
bool Filter(std::string_view allowed, const std::string& text, std::string& out) {
    out.clear();
    for (char c : text) {
        if (In(allowed, c)) out.push_back(c);
        else if (c == ' ') continue;
        else if (c == ',') out.push_back('.');
        else return false;
    }
    return true;
}

// Decodes one UTF-8 character at `i`, advancing `i`; a malformed byte counts as
// one character of its own and gives a value above 127.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || lead >= 0xF8) return 0xFFFD;
    char32_t code = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return code;
}

} // namespace

std::string InsertMulSigns(const std::string& text) {
    // Every character the rules look at is ASCII, so working on bytes gives the
    // same result as working on characters.
    const std::size_t n = text.size();
    if (n <= 1) return text;
    std::string result;
    result.reserve(n + n / 2);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const char c = text[i];
        const char next = text[i + 1];
        result.push_back(c);
        const bool rule1 = In(kLeftOperandEnds, c) && In(kNameStarts, next);
        const bool rule2 = c == ')' && In(kNumberDigits, next);
        const bool rule3 = In(kVariableLetters, c) && In(kNumberStarts, next) &&
                           (i == 0 || In(kOperandNeighbours, text[i - 1]));
        if (rule1 || rule2 || rule3) result.push_back('*');
    }
    result.push_back(text[n - 1]);
    return result;
}

bool CheckNumber(const std::string& text, std::string& out) {
    if (!Filter(kNumberChars, text, out)) return false;
    if (text.empty() || text == " ") out.assign(1, '0');
    return true;
}

bool CheckExpression(const std::string& text, std::string& out) {
    if (!Filter(kExpressionChars, text, out)) return false;
    if (text.empty() || text == " ") out.assign(1, '0');
    return true;
}

std::string CleanExpression(const std::string& text) {
    std::string out;
    if (!Filter(kExpressionChars, text, out)) return std::string();
    return out;
}

std::string MergeSigns(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '+' && next == '-') {
            result.push_back('-');
            ++i;
        } else if (c == '-' && next == '-') {
            result.push_back('+');
            ++i;
        } else {
            result.push_back(c);
        }
    }
    return result;
}

void StrToBytes(std::span<std::uint8_t> bytes, std::string_view text) {
    if (text.empty() || bytes.empty()) return;
    std::size_t written = 0;
    for (std::size_t i = 0; i < text.size() && written + 1 < bytes.size();) {
        const char32_t code = NextCodePoint(text, i);
        bytes[written++] = code < 0x80 ? static_cast<std::uint8_t>(code) : static_cast<std::uint8_t>('?');
    }
    bytes[written] = 0;
}
