#include "core/GbkCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                const size_t used = static_cast<size_t>(outPtr - out.data());
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                continue;
            }
            ok = false;   // EILSEQ or EINVAL: invalid or truncated sequence
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

std::optional<std::string> GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk); }
std::optional<std::string> Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8); }
