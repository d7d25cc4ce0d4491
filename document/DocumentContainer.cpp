#include "document/DocumentContainer.h"

#include "document/TokenReader.h"

#include <stdexcept>

namespace {

constexpr unsigned kTextTag = 8;

unsigned Word(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

void PutWord(std::string& out, std::size_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

} // namespace

std::string FrameDocumentText(std::string_view gbk) {
    if (gbk.size() > MaxDocumentTextBytes) throw std::length_error("document text beyond 65,535 bytes");
    std::string out;
    out.reserve(4 + gbk.size());
    PutWord(out, kTextTag);
    PutWord(out, gbk.size());
    out += gbk;
    return out;
}

std::string_view UnframeDocumentText(std::string_view bytes) {
    if (bytes.size() < 4) throw DocumentFormatError("shorter than a container");
    if (Word(bytes, 0) != kTextTag) throw DocumentFormatError("not a framed text");
    const std::size_t n = Word(bytes, 2);
    if (bytes.size() - 4 < n) throw DocumentFormatError("the text is cut short");
    return bytes.substr(4, n);
}
