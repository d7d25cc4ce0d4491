#pragma once
// The token frame of the document and clipboard readers: the text cut at every
// blank into tokens, a read position, and the readers of the field encodings.
// Every reader throws DocumentFormatError where the text cannot be a document
// (past the last token, a number beyond its type, a strict field that is not
// wholly a number, an unterminated text), so a caller either gets every field
// or none.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A text that is not a well-formed document; what() says where, for tests and
// debugging. The user is told "文件格式不正确。".
class DocumentFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A position list's count outside 0..50 (a graph's lists hold positions 1..50).
class ListCountError : public DocumentFormatError {
public:
    using DocumentFormatError::DocumentFormatError;
};

// The text cut at every blank (the character 32 only): two blanks give an empty
// token between them, a blank at the start an empty first token, and a blank
// at the end no token after it.
std::vector<std::string> SplitTokens(std::string_view text);

// What a read past the last token gives: a document has no field there (the
// read fails); Paste reads empty tokens there.
enum class PastEnd { Fails, ReadsEmpty };

class TokenReader {
public:
    explicit TokenReader(std::vector<std::string> tokens, PastEnd pastEnd = PastEnd::Fails);

    std::size_t Position() const { return position_; }
    std::size_t Count() const { return tokens_.size(); }
    bool AtEnd() const { return position_ >= tokens_.size(); }
    // Whether reads past the last token give empty tokens.
    bool ReadsEmptyPastEnd() const { return pastEnd_ == PastEnd::ReadsEmpty; }
    // The token at the read position, without moving on (past the last token:
    // a failure, or the empty token).
    const std::string& Peek() const;
    // The token at the read position; the position moves on.
    const std::string& Next();

    // Fields, one token each.
    // Whole number: the token's numeric prefix to the nearest 32-bit whole
    // number, halves to even ("2.5" 2, "7abc" 7, "" 0).
    std::int32_t Long();
    // Whole number whose whole token must be a number.
    std::int32_t StrictLong();
    // A count of a position list: a whole number from 0 to 50 (another throws
    // ListCountError).
    std::int32_t ListCount();
    // Real number: the numeric prefix to the nearest 32-bit float.
    float Single();
    // Flag: True for "1" or "True" exactly.
    bool Flag();
    // Flag that only "1" makes True.
    bool FlagOne();
    // An expression or an older generation's free text: the token unchanged.
    std::string Text();
    // The size of a point: "1" to "9" give 1 to 9; any other token leaves `field`.
    void PointSize(float& field);
    // A free text between "@" marks, over as many tokens as it has blanks. A
    // token that does not begin with "@" is no text: `field` keeps its value
    // and that token is read as the next field.
    void QuotedText(std::string& field);
    // A name as Paste reads it: a token without a leading "@" is the whole
    // name; "@a@" gives "a"; "@" alone or "@a" starts a name that the next
    // token ending in "@" closes, at most 100 tokens on ("@a", "b@" gives
    // "a b"). When none of those closes it, `field` keeps its value and the
    // read goes on right after the first token. Never fails.
    void PastedName(std::string& field);

    [[noreturn]] void Fail(std::string_view what) const;

private:
    std::vector<std::string> tokens_;
    std::size_t position_ = 0;
    PastEnd pastEnd_;
};
