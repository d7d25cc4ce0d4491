#pragma once
// The bytes of a ".pgp" file: the type tag 8 and the text's length N as two
// unsigned 16-bit values, least significant byte first, then the N bytes of
// the GBK text. Bytes after them are never looked at.
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t MaxDocumentTextBytes = 65535;

// The framed text; `gbk` must be at most MaxDocumentTextBytes long.
std::string FrameDocumentText(std::string_view gbk);
// The N text bytes of a framed text; DocumentFormatError for bytes that do
// not begin with a whole framed text.
std::string_view UnframeDocumentText(std::string_view bytes);
