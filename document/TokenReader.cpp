#include "document/TokenReader.h"

#include "core/Errors.h"
#include "core/NumberText.h"

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

TokenReader::TokenReader(std::vector<std::string> tokens, PastEnd pastEnd)
    : tokens_(std::move(tokens)), pastEnd_(pastEnd) {}

void TokenReader::Fail(std::string_view what) const {
    throw DocumentFormatError("token " + LongText(static_cast<std::int64_t>(position_)) + ": " + std::string(what));
}

const std::string& TokenReader::Peek() const {
    static const std::string empty;
    if (AtEnd()) {
        if (ReadsEmptyPastEnd()) return empty;
        Fail("the text ends before this field");
    }
    return tokens_[position_];
}

const std::string& TokenReader::Next() {
    const std::string& t = Peek();
    ++position_;
    return t;
}

std::int32_t TokenReader::Long() {
    const std::string& t = Peek();
    try {
        const std::int32_t v = ParseLong(t);
        ++position_;
        return v;
    } catch (const RaisedError&) {
        Fail("whole number beyond 32 bits");
    }
}

std::int32_t TokenReader::StrictLong() {
    const std::string& t = Peek();
    if (t.empty() || NumericPrefixLength(t) != t.size()) Fail("not wholly a number");
    return Long();
}

std::int32_t TokenReader::ListCount() {
    const std::int32_t n = Long();
    if (n < 0 || n > 50) {
        --position_;
        throw ListCountError("token " + LongText(static_cast<std::int64_t>(position_)) + ": list count outside 0..50");
    }
    return n;
}

float TokenReader::Single() {
    const std::string& t = Peek();
    try {
        const float v = ParseSingle(t);
        ++position_;
        return v;
    } catch (const RaisedError&) {
        Fail("real number beyond the single-precision range");
    }
}

bool TokenReader::Flag() {
    const std::string& t = Next();
    return t == "1" || t == "True";
}

bool TokenReader::FlagOne() { return Next() == "1"; }

std::string TokenReader::Text() { return Next(); }

void TokenReader::PointSize(float& field) {
    const std::string& t = Next();
    if (t.size() == 1 && t[0] >= '1' && t[0] <= '9') field = static_cast<float>(t[0] - '0');
}

void TokenReader::QuotedText(std::string& field) {
    const std::string& first = Peek();
    if (first.empty() || first[0] != '@') return;
    ++position_;
    if (first.size() >= 2 && first.back() == '@') {
        field = first.substr(1, first.size() - 2);
        return;
    }
    std::string text = first.substr(1);
    for (;;) {
        if (AtEnd()) Fail("a text between \"@\" marks has no closing mark");
        const std::string& t = Next();
        text += ' ';
        if (!t.empty() && t.back() == '@') {
            text.append(t, 0, t.size() - 1);
            break;
        }
        text += t;
    }
    field = std::move(text);
}

void TokenReader::PastedName(std::string& field) {
    constexpr int MostJoinedTokens = 100;
    const std::string first = Next();
    if (first.empty() || first[0] != '@') {
        field = first;
        return;
    }
    if (first.size() >= 2 && first.back() == '@') {
        field = first.substr(1, first.size() - 2);
        return;
    }
    const std::size_t afterFirst = position_;
    std::string text = first.substr(1);
    for (int k = 0; k < MostJoinedTokens; ++k) {
        const std::string& t = Next();
        text += ' ';
        if (!t.empty() && t.back() == '@') {
            text.append(t, 0, t.size() - 1);
            field = std::move(text);
            return;
        }
        text += t;
    }
    position_ = afterFirst;
}
