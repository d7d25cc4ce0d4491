#include "core/Utf8.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool Continuation(unsigned char b, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return b >= low && b <= high;
}

} // namespace

std::u32string Utf8ToCodePoints(std::string_view utf8) {
    std::u32string out;
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += char32_t(b);
            ++i;
            continue;
        }
        // Length of the sequence and the range its second byte must lie in
        // (which rules out overlong forms, surrogates and values past U+10FFFF).
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        char32_t c = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            c = b & 0x0F;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            c = b & 0x07;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            out += Replacement;
            ++i;
            continue;
        }
        std::size_t k = 1;
        for (; k < std::size_t(length) && i + k < n; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if (k == 1 ? !Continuation(next, low, high) : !Continuation(next)) break;
            c = (c << 6) | (next & 0x3F);
        }
        out += k == std::size_t(length) ? c : Replacement;
        i += k;
    }
    return out;
}

std::string CodePointToUtf8(char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = Replacement;
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}
