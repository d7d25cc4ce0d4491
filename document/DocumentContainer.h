#pragma once
// The bytes of a ".pgp" file: one framed GBK text, then bytes that are never
// looked at. A text of up to 65,535 bytes has the short frame: the type tag 8
// and the text's length N, two unsigned 16-bit values, least significant byte
// first, then the N bytes. A longer text has the long frame: the tag 0x8008,
// N as an unsigned 32-bit value, least significant byte first, then the N
// bytes. A reader that knows only the short frame refuses a long one instead
// of taking part of its text for a document.
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t MaxShortFramedTextBytes = 65535;
// The bytes before the text: 4 in the short frame, 6 in the long one.
inline constexpr std::size_t ShortFrameHeadBytes = 4;
inline constexpr std::size_t LongFrameHeadBytes = 6;

// The framed text, in the short frame whenever it fits; std::length_error for
// a text of 4 GB or more.
std::string FrameDocumentText(std::string_view gbk);
// The frame's head: the bytes before the text (4 or 6) and the text's length.
struct FrameHead {
    std::size_t HeadBytes = 0;
    std::size_t TextBytes = 0;
};
// The head of the framed text at the start of `head`, from the first
// LongFrameHeadBytes bytes of a file (or all it has); DocumentFormatError when
// they begin no framed text.
FrameHead ReadFrameHead(std::string_view head);
// The bytes the framed text at the start of `head` takes, head included, from
// the first LongFrameHeadBytes bytes of a file (or all it has);
// DocumentFormatError when they begin no framed text.
std::size_t FramedTextBytes(std::string_view head);
// The N text bytes of a framed text; DocumentFormatError for bytes that do
// not begin with a whole framed text.
std::string_view UnframeDocumentText(std::string_view bytes);
