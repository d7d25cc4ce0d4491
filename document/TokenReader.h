#pragma once
// The token frame of the document and clipboard readers: the text cut at every
// blank into tokens, a read position, and the readers of the field encodings.
// Every reader throws DocumentFormatError where the text cannot be a document
// (past the last token, a number beyond its type, a strict field that is not
// wholly a number, an unterminated text), so a caller either gets every field
// or none.
//
// The tokens are found as the reading reaches them, in the text itself: no
// token is copied until a field takes it, and a text read from a file is read
// only as far as the reading goes. A document that fails early is refused
// without its rest ever being read, and memory stays near the bytes read.
#include <cstdint>
#include <functional>
#include <optional>
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
// at the end no token after it. TokenReader finds the same tokens.
std::vector<std::string> SplitTokens(std::string_view text);

// What a read past the last token gives: a document has no field there (the
// read fails); Paste reads empty tokens there.
enum class PastEnd { Fails, ReadsEmpty };

// The encoding of the text: the clipboard's is UTF-8, a file's GBK. A blank
// never stands inside a GBK character, so a GBK text is cut into the same
// tokens; its free texts and expressions are made UTF-8 as they are read
// ("?" for a byte that starts no character).
enum class TextEncoding { Utf8, Gbk };

// Gives the next bytes of a text: writes up to `most` bytes to `into` and says
// how many (0 when nothing more can be read).
using TextBytesSource = std::function<std::size_t(char* into, std::size_t most)>;

class TokenReader {
public:
    // Over a text in memory, which the reader views: it must outlive the reader.
    explicit TokenReader(std::string_view text, PastEnd pastEnd = PastEnd::Fails,
                         TextEncoding encoding = TextEncoding::Utf8);
    explicit TokenReader(const char* text, PastEnd pastEnd = PastEnd::Fails,
                         TextEncoding encoding = TextEncoding::Utf8)
        : TokenReader(std::string_view(text), pastEnd, encoding) {}
    // A temporary text would be gone before the reading.
    TokenReader(std::string&&, PastEnd = PastEnd::Fails, TextEncoding = TextEncoding::Utf8) = delete;
    // Over a text of `length` bytes that `source` gives as the reading reaches
    // them; a source that ends early makes the reading fail there.
    TokenReader(std::size_t length, TextBytesSource source, PastEnd pastEnd, TextEncoding encoding);

    // The index of the token at the read position.
    std::size_t Position() const { return position_; }
    bool AtEnd() const { return offset_ >= length_; }
    // The bytes of the text from the read position to its end (read or not).
    std::size_t RemainingBytes() const { return AtEnd() ? 0 : length_ - offset_; }
    // Whether reads past the last token give empty tokens.
    bool ReadsEmptyPastEnd() const { return pastEnd_ == PastEnd::ReadsEmpty; }
    // Whether at least `count` tokens remain from the read position (reads as
    // far as they go, no farther).
    bool HasTokens(std::size_t count);
    // The token at the read position, as it stands in the text, without moving
    // on (past the last token: a failure, or the empty token). The view holds
    // until the next read.
    std::string_view Peek();
    // The token at the read position when it has at most `most` bytes, without
    // moving on; nothing for a longer one, of which no more than `most` + 1
    // bytes are looked at (a header, a record's type).
    std::optional<std::string_view> PeekShort(std::size_t most);
    // The token at the read position; the position moves on.
    std::string_view Next();

    // Fields, one token each.
    // Whole number: the token's numeric prefix to the nearest 32-bit whole
    // number, halves to even ("2.5" 2, "7abc" 7, "" 0).
    std::int32_t Long();
    // Whole number whose whole token must be a number.
    std::int32_t StrictLong();
    // A count of a position list: a whole number from 0 to 50 (another throws
    // ListCountError, the read position left on the count).
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
    // A free text between "@" marks, over as many tokens as it has blanks
    // ("@a", "", "b@" gives "a  b"; "@@" the empty text). A token that does
    // not begin with "@" is no text: `field` keeps its value and that token is
    // read as the next field. A text whose closing mark never comes is
    // malformed.
    void QuotedText(std::string& field);
    // A name as Paste reads it: a token without a leading "@" is the whole
    // name; a name between "@" marks is read as QuotedText reads it, over any
    // number of tokens. A name whose closing mark never comes leaves `field`
    // as it was and the read goes on right after its first token. Never fails.
    void PastedName(std::string& field);

    [[noreturn]] void Fail(std::string_view what) const;

private:
    // A read position: the token's index and its first byte.
    struct Mark {
        std::size_t position;
        std::size_t offset;
    };
    enum class QuotedRead { NotQuoted, Read, Unclosed };
    // The free text between "@" marks from the read position into `text`;
    // the position moves past its last token (NotQuoted: it stays; Unclosed:
    // every token up to the end was taken).
    QuotedRead ReadQuoted(std::string& text);
    // A token's text as a field holds it (UTF-8).
    std::string Decoded(std::string_view token) const;
    // Makes the bytes before `end` (at most the whole text) readable.
    void Fill(std::size_t end);
    // The end of the token that begins at `from`: the next blank, or the end of the text.
    std::size_t TokenEndFrom(std::size_t from);
    // The end of the token at the read position (found once).
    std::size_t TokenEnd();
    void MoveOn();
    Mark Here() const { return {position_, offset_}; }
    void Return(Mark m);

    std::string_view text_;   // the bytes readable so far
    std::string buffer_;      // the bytes read from a source
    std::size_t length_ = 0;  // the whole text's bytes
    TextBytesSource source_;
    std::size_t position_ = 0;
    std::size_t offset_ = 0;
    std::optional<std::size_t> tokenEnd_;
    PastEnd pastEnd_;
    TextEncoding encoding_;
};
