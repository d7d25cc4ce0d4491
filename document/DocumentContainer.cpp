#include "document/DocumentContainer.h"

#include "document/TokenReader.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

constexpr unsigned kShortTextTag = 0x0008;
constexpr unsigned kLongTextTag = 0x8008;

std::uint32_t Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

std::uint32_t Word(std::string_view bytes, std::size_t at) { return Byte(bytes, at) | Byte(bytes, at + 1) << 8; }

std::uint32_t DoubleWord(std::string_view bytes, std::size_t at) { return Word(bytes, at) | Word(bytes, at + 2) << 16; }

void PutBytes(std::string& out, std::uint64_t v, int count) {
    for (int k = 0; k < count; ++k, v >>= 8) out += static_cast<char>(v & 0xFF);
}

} // namespace

std::string FrameDocumentText(std::string_view gbk) {
    if (gbk.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("document text of 4 GB or more");
    const bool isShort = gbk.size() <= MaxShortFramedTextBytes;
    std::string out;
    out.reserve(LongFrameHeadBytes + gbk.size());
    PutBytes(out, isShort ? kShortTextTag : kLongTextTag, 2);
    PutBytes(out, gbk.size(), isShort ? 2 : 4);
    out += gbk;
    return out;
}

FrameHead ReadFrameHead(std::string_view head) {
    if (head.size() < 2) throw DocumentFormatError("shorter than a container");
    switch (Word(head, 0)) {
    case kShortTextTag:
        if (head.size() < ShortFrameHeadBytes) throw DocumentFormatError("shorter than a container");
        return {ShortFrameHeadBytes, Word(head, 2)};
    case kLongTextTag:
        if (head.size() < LongFrameHeadBytes) throw DocumentFormatError("shorter than a container");
        return {LongFrameHeadBytes, std::size_t{DoubleWord(head, 2)}};
    default: throw DocumentFormatError("not a framed text");
    }
}

std::size_t FramedTextBytes(std::string_view head) {
    const FrameHead frame = ReadFrameHead(head);
    return frame.HeadBytes + frame.TextBytes;
}

std::string_view UnframeDocumentText(std::string_view bytes) {
    const FrameHead frame = ReadFrameHead(bytes);
    if (bytes.size() - frame.HeadBytes < frame.TextBytes) throw DocumentFormatError("the text is cut short");
    return bytes.substr(frame.HeadBytes, frame.TextBytes);
}
