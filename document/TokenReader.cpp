#include "document/TokenReader.h"

#include "core/Errors.h"
#include "core/GbkCodec.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes asked of a source at a time, at least.
constexpr std::size_t kReadChunkBytes = 64 * 1024;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::vector<std::string> SplitTokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string current;
    bool pending = false;   // characters since the last blank, or none at all yet
    for (char c : text) {
        if (c == ' ') {
            tokens.push_back(std::move(current));
            current.clear();
            pending = false;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) tokens.push_back(std::move(current));
    return tokens;
}

TokenReader::TokenReader(std::string_view text, PastEnd pastEnd, TextEncoding encoding)
    : text_(text), length_(text.size()), pastEnd_(pastEnd), encoding_(encoding) {}

TokenReader::TokenReader(std::size_t length, TextBytesSource source, PastEnd pastEnd, TextEncoding encoding)
    : length_(length), source_(std::move(source)), pastEnd_(pastEnd), encoding_(encoding) {}

void TokenReader::Fail(std::string_view what) const {
    throw DocumentFormatError("token " + LongText(static_cast<std::int64_t>(position_)) + ": " + std::string(what));
}

void TokenReader::Fill(std::size_t end) {
    end = std::min(end, length_);
    while (text_.size() < end) {
        // Asked in chunks that grow with what was read, so a long text takes
        // few reads; never beyond the text's end.
        const std::size_t have = buffer_.size();
        const std::size_t want = std::min(length_ - have, std::max({end - have, kReadChunkBytes, have / 2}));
        buffer_.resize(have + want);
        const std::size_t got = source_ ? source_(buffer_.data() + have, want) : 0;
        buffer_.resize(have + std::min(got, want));
        text_ = buffer_;
        if (got == 0) Fail("the text is cut short");
    }
}

std::size_t TokenReader::TokenEndFrom(std::size_t from) {
    std::size_t searched = from;
    for (;;) {
        if (searched < text_.size()) {
            const void* blank = std::memchr(text_.data() + searched, ' ', text_.size() - searched);
            if (blank) return static_cast<std::size_t>(static_cast<const char*>(blank) - text_.data());
            searched = text_.size();
        }
        if (searched >= length_) return length_;
        Fill(searched + 1);
    }
}

std::size_t TokenReader::TokenEnd() {
    if (!tokenEnd_) tokenEnd_ = TokenEndFrom(offset_);
    return *tokenEnd_;
}

void TokenReader::MoveOn() {
    if (!AtEnd()) offset_ = TokenEnd() + 1;
    tokenEnd_.reset();
    ++position_;
}

void TokenReader::Return(Mark m) {
    position_ = m.position;
    offset_ = m.offset;
    tokenEnd_.reset();
}

bool TokenReader::HasTokens(std::size_t count) {
    std::size_t at = offset_;
    for (std::size_t k = 0; k < count; ++k) {
        if (at >= length_) return false;
        at = TokenEndFrom(at) + 1;
    }
    return true;
}

std::string_view TokenReader::Peek() {
    if (AtEnd()) {
        if (ReadsEmptyPastEnd()) return {};
        Fail("the text ends before this field");
    }
    const std::size_t end = TokenEnd();
    return text_.substr(offset_, end - offset_);
}

std::optional<std::string_view> TokenReader::PeekShort(std::size_t most) {
    if (AtEnd()) return Peek();
    if (!tokenEnd_) {
        const std::size_t limit = std::min(offset_ + most + 1, length_);
        Fill(limit);
        const std::string_view ahead = text_.substr(offset_, limit - offset_);
        const std::size_t blank = ahead.find(' ');
        if (blank != std::string_view::npos)
            tokenEnd_ = offset_ + blank;
        else if (limit == length_)
            tokenEnd_ = length_;
        else
            return std::nullopt;
    }
    if (*tokenEnd_ - offset_ > most) return std::nullopt;
    return Peek();
}

std::string_view TokenReader::Next() {
    const std::string_view t = Peek();
    MoveOn();
    return t;
}

std::string TokenReader::Decoded(std::string_view token) const {
    if (encoding_ == TextEncoding::Utf8 || IsAscii(token)) return std::string(token);
    return GbkToUtf8Lenient(token);
}

std::int32_t TokenReader::Long() {
    const std::string_view t = Peek();
    try {
        const std::int32_t v = ParseLong(t);
        MoveOn();
        return v;
    } catch (const RaisedError&) {
        Fail("whole number beyond 32 bits");
    }
}

std::int32_t TokenReader::StrictLong() {
    const std::string_view t = Peek();
    if (t.empty() || NumericPrefixLength(t) != t.size()) Fail("not wholly a number");
    return Long();
}

std::int32_t TokenReader::ListCount() {
    const Mark count = Here();
    const std::int32_t n = Long();
    if (n < 0 || n > 50) {
        Return(count);
        throw ListCountError("token " + LongText(static_cast<std::int64_t>(position_)) + ": list count outside 0..50");
    }
    return n;
}

float TokenReader::Single() {
    const std::string_view t = Peek();
    try {
        const float v = ParseSingle(t);
        MoveOn();
        return v;
    } catch (const RaisedError&) {
        Fail("real number beyond the single-precision range");
    }
}

bool TokenReader::Flag() {
    const std::string_view t = Next();
    return t == "1" || t == "True";
}

bool TokenReader::FlagOne() { return Next() == "1"; }

std::string TokenReader::Text() { return Decoded(Next()); }

void TokenReader::PointSize(float& field) {
    const std::string_view t = Next();
    if (t.size() == 1 && t[0] >= '1' && t[0] <= '9') field = static_cast<float>(t[0] - '0');
}

TokenReader::QuotedRead TokenReader::ReadQuoted(std::string& text) {
    // A token's first byte is always a whole character, so a raw "@" there is
    // the mark; its last byte may be the second half of a GBK character, so a
    // closing mark is looked for in the token as it reads.
    const std::string_view raw = Peek();
    if (raw.empty() || raw[0] != '@') return QuotedRead::NotQuoted;
    const std::string first = Decoded(raw);
    MoveOn();
    if (first.size() >= 2 && first.back() == '@') {
        text = first.substr(1, first.size() - 2);
        return QuotedRead::Read;
    }
    text = first.substr(1);
    while (!AtEnd()) {
        const std::string t = Decoded(Next());
        text += ' ';
        if (!t.empty() && t.back() == '@') {
            text.append(t, 0, t.size() - 1);
            return QuotedRead::Read;
        }
        text += t;
    }
    return QuotedRead::Unclosed;
}

void TokenReader::QuotedText(std::string& field) {
    std::string text;
    switch (ReadQuoted(text)) {
    case QuotedRead::NotQuoted: return;
    case QuotedRead::Read: field = std::move(text); return;
    case QuotedRead::Unclosed: Fail("a text between \"@\" marks has no closing mark");
    }
}

void TokenReader::PastedName(std::string& field) {
    const Mark start = Here();
    std::string text;
    switch (ReadQuoted(text)) {
    case QuotedRead::NotQuoted: field = Text(); return;
    case QuotedRead::Read: field = std::move(text); return;
    case QuotedRead::Unclosed:
        Return(start);
        MoveOn();
        return;
    }
}
