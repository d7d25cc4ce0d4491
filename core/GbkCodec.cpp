#include "core/GbkCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

// How many input bytes a character that cannot be converted takes up: one
// byte of GBK, one whole UTF-8 sequence (one byte when the sequence is broken).
std::size_t SkipLength(bool fromUtf8, const char* p, std::size_t left) {
    if (!fromUtf8) return 1;
    const auto lead = static_cast<unsigned char>(*p);
    std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (n > left) return 1;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return 1;
    return n;
}

// Converts `in`; with `lenient`, a character that cannot be converted becomes
// "?", otherwise the whole conversion fails.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in, bool lenient) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    const bool fromUtf8 = std::string_view(from) == "UTF-8";
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG || (lenient && outLeft == 0)) {
                const size_t used = static_cast<size_t>(outPtr - out.data());
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                continue;
            }
            if (lenient) {   // EILSEQ or EINVAL: an invalid or truncated sequence
                const std::size_t skip = SkipLength(fromUtf8, inPtr, inLeft);
                inPtr += skip;
                inLeft -= skip;
                *outPtr++ = '?';
                --outLeft;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);   // back to the initial state
                continue;
            }
            ok = false;
            break;
        }
    }
    if (ok && iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) ok = false;
    const size_t used = static_cast<size_t>(outPtr - out.data());
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(used);
    return out;
}

} // namespace

std::optional<std::string> GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, false); }
std::optional<std::string> Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, false); }
std::string GbkToUtf8Lenient(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, true).value_or(""); }
std::string Utf8ToGbkLenient(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, true).value_or(""); }
