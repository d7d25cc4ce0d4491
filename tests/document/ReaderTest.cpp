// The reader of generations 3 to 7: tokens, headers, field encodings, the
// generation gates, the ID counter, the animation values and the axes record.
#include "core/GbkCodec.h"
#include "document/DocumentContainer.h"
#include "document/DocumentReader.h"
#include "graph/GraphEnums.h"
#include "tests/document/GraphFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// n tokens "0", each followed by a blank.
std::string Zeros(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "0 ";
    return s;
}

// A generation-3 graph record: fields 1 to 30 (not animated: 26 tokens)
// and 145 to 148.
std::string Gen3Record(const std::string& type, const std::string& id, const std::string& tail = "1 0 0 7") {
    return type + " " + id + " name 1 x y z 5 6 1 2 3 4 " + Zeros(9) + "3 0 0 2 " + tail;
}

TEST(Tokenizer, BlanksMakeTokensAsTheFormatSays) {
    EXPECT_EQ(SplitTokens("a b"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitTokens("a b "), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitTokens("a  b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitTokens(" a"), (std::vector<std::string>{"", "a"}));
    EXPECT_EQ(SplitTokens("a\tb\r\n"), (std::vector<std::string>{"a\tb\r\n"}));
    EXPECT_TRUE(SplitTokens("").empty());
}

// A source of `text` that gives at most `chunk` bytes a read and counts them.
struct CountedSource {
    std::string_view text;
    std::size_t chunk;
    std::size_t given = 0;
    TextBytesSource Source() {
        return [this](char* into, std::size_t most) {
            const std::size_t n = std::min({most, chunk, text.size() - given});
            std::memcpy(into, text.data() + given, n);
            given += n;
            return n;
        };
    }
};

// The reader finds the tokens SplitTokens gives, in a text in memory and in
// one that a source gives a few bytes at a time.
TEST(Tokenizer, TheReaderFindsTheSameTokensWhereverTheTextComesFrom) {
    const std::string longToken(200000, 'q');
    const std::string texts[] = {"a b", "a b ", "a  b", " a", "a\tb\r\n", "", " ", "   ", "abc",
                                 longToken + " x  " + longToken};
    for (const std::string& text : texts)
        for (std::size_t chunk : {std::size_t{0}, std::size_t{1}, std::size_t{7}}) {
            SCOPED_TRACE(text.substr(0, 10) + " in reads of " + std::to_string(chunk));
            CountedSource source{text, chunk};
            auto r = chunk == 0 ? std::make_unique<TokenReader>(std::string_view(text))
                                : std::make_unique<TokenReader>(text.size(), source.Source(), PastEnd::Fails,
                                                                TextEncoding::Utf8);
            std::vector<std::string> found;
            while (!r->AtEnd()) found.emplace_back(r->Next());
            EXPECT_EQ(found, SplitTokens(text));
            EXPECT_EQ(r->Position(), found.size());
            EXPECT_THROW(r->Next(), DocumentFormatError);
        }

    // A source that ends before the length it was given: the reading fails there.
    CountedSource shortSource{"a b", 100};
    TokenReader cut(10, shortSource.Source(), PastEnd::Fails, TextEncoding::Utf8);
    EXPECT_EQ(cut.Next(), "a");
    EXPECT_THROW(cut.Next(), DocumentFormatError);

    // Past the end Paste reads empty tokens.
    TokenReader pasted("a", PastEnd::ReadsEmpty);
    EXPECT_EQ(pasted.Next(), "a");
    EXPECT_EQ(pasted.Next(), "");
    EXPECT_EQ(pasted.Long(), 0);
    EXPECT_EQ(pasted.Position(), 3u);
}

// A short token is seen whole; a longer one is not read to its end.
TEST(Tokenizer, ShortTokensAndHowFarALongOneIsRead) {
    const struct {
        const char* text;
        std::optional<std::string> token;
    } cases[] = {{"S71 0", "S71"}, {"S7", "S7"}, {" S71", ""}, {"S711 0", std::nullopt}, {"S7100", std::nullopt}};
    for (const auto& c : cases) {
        TokenReader r(c.text);
        const auto token = r.PeekShort(3);
        EXPECT_EQ(token ? std::optional<std::string>(*token) : std::nullopt, c.token) << c.text;
        EXPECT_EQ(r.Position(), 0u);
    }
    TokenReader empty("");
    EXPECT_THROW(empty.PeekShort(3), DocumentFormatError);

    const std::string huge = "S71" + std::string(4 << 20, 'x') + " 0";
    CountedSource source{huge, huge.size()};
    TokenReader r(huge.size(), source.Source(), PastEnd::Fails, TextEncoding::Utf8);
    EXPECT_FALSE(r.PeekShort(3).has_value());
    EXPECT_LT(source.given, huge.size() / 16);
    // HasTokens reads as far as the tokens it counts.
    EXPECT_TRUE(r.HasTokens(2));
    EXPECT_FALSE(r.HasTokens(3));
}

// A GBK file reads as its UTF-8 text does, token by token: the second byte of
// a character may be "@" (0x40), which closes no name, and a byte that starts
// no character reads "?".
TEST(FieldEncodings, AGbkFileReadsAsItsUtf8Text) {
    const std::string names[] = {"x丂 y", "丂", "抛物线 a  b", " 丂 ", "丂\xFF b"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Cls9 g;
        g.ID = 1;
        g.NameS = "N";
        g.ExpressZ = "丂丂";
        std::string gbk = Utf8ToGbkLenient("S71 1 " + g.Save() + " 0");
        // The name put in as GBK bytes (0xFF left as it is).
        const std::string nameGbk = Utf8ToGbkLenient(name.substr(0, name.find('\xFF'))) +
                                    (name.find('\xFF') == std::string::npos ? "" : "\xFF b");
        gbk.replace(gbk.find("@N@"), 3, "@" + nameGbk + "@");
        const LoadedDocument fromFile = ReadDocumentBytes(FrameDocumentText(gbk), Cls3{});
        const LoadedDocument fromText = ReadDocumentText(GbkToUtf8Lenient(gbk), Cls3{});
        ASSERT_EQ(fromFile.Rows.size(), 1u);
        ASSERT_EQ(fromText.Rows.size(), 1u);
        ExpectSameGraphFields(*fromText.Rows[0].Graph, *fromFile.Rows[0].Graph);
        const std::string expected = name.find('\xFF') == std::string::npos ? name : "丂? b";
        EXPECT_EQ(fromFile.Rows[0].Graph->NameS, expected);
        EXPECT_EQ(fromFile.Rows[0].Graph->ExpressZ, "丂丂");
    }
    EXPECT_EQ(Utf8ToGbkLenient("x丂 "), "x\x81\x40 ");
}

TEST(FieldEncodings, NumbersFlagsAndTexts) {
    TokenReader r("2.5 3.5 -0.5 1E3 7abc  1,5 1.5E+08 True true -1 1 x");
    EXPECT_EQ(r.Long(), 2);
    EXPECT_EQ(r.Long(), 4);
    EXPECT_EQ(r.Long(), 0);
    EXPECT_EQ(r.Long(), 1000);
    EXPECT_EQ(r.Long(), 7);
    EXPECT_EQ(r.Long(), 0);
    EXPECT_EQ(r.Single(), 1.0f);
    EXPECT_EQ(r.Single(), 1.5e8f);
    EXPECT_TRUE(r.Flag());
    EXPECT_FALSE(r.Flag());
    EXPECT_FALSE(r.Flag());
    EXPECT_TRUE(r.FlagOne());
    EXPECT_EQ(r.Text(), "x");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_THROW(r.Next(), DocumentFormatError);

    TokenReader p("2.5 9 10 1");
    float size = 1;
    p.PointSize(size);
    EXPECT_EQ(size, 1.0f);
    p.PointSize(size);
    EXPECT_EQ(size, 9.0f);
    p.PointSize(size);
    EXPECT_EQ(size, 9.0f);
    p.PointSize(size);
    EXPECT_EQ(size, 1.0f);
}

TEST(FieldEncodings, QuotedTextsOverSeveralTokens) {
    struct Case { const char* tokens; const char* text; std::size_t next; };
    const Case cases[] = {
        {"@Untitled@ n", "Untitled", 1}, {"@@ n", "", 1}, {"@ @ n", " ", 2}, {"@a  b@ n", "a  b", 3},
        {"@ x@ n", " x", 2}, {"@a@@ n", "a@", 1}, {"plain n", "kept", 0}, {"@a＠ b@ n", "a＠ b", 2},
    };
    for (const auto& c : cases) {
        TokenReader r(c.tokens);
        std::string field = "kept";
        r.QuotedText(field);
        EXPECT_EQ(field, c.text) << c.tokens;
        EXPECT_EQ(r.Position(), c.next) << c.tokens;
    }
    // More than 100 blanks still read back; a text without its closing mark is malformed.
    std::string many = "@w";
    for (int i = 0; i < 150; ++i) many += " w";
    const std::string longSource = many + "@ n";
    TokenReader longText(longSource);
    std::string field;
    longText.QuotedText(field);
    EXPECT_EQ(field, many.substr(1));
    TokenReader open("@a b c");
    EXPECT_THROW(open.QuotedText(field), DocumentFormatError);
}

TEST(DocumentHeaders, ModeDigitGivesKindAndRotation) {
    struct Case { const char* header; int kind; float pitch; float yaw; };
    const Case cases[] = {
        {"S71", 1, 0, 0}, {"S73", 2, -15, 45}, {"S72", 3, -15, 45}, {"S74", 1, 0, 0},
        {"S75", 2, -15, 45}, {"S76", 3, -15, 45}, {"S37", 7, 0, 0}, {"S47", 7, 0, 0},
    };
    for (const auto& c : cases) {
        const LoadedDocument doc = ReadDocumentText(std::string(c.header) + " 0 0", Cls3{});
        EXPECT_EQ(doc.DocumentKind, c.kind) << c.header;
        EXPECT_EQ(doc.RotRoll, 0) << c.header;
        EXPECT_EQ(doc.RotPitch, c.pitch) << c.header;
        EXPECT_EQ(doc.RotYaw, c.yaw) << c.header;
        EXPECT_TRUE(doc.Rows.empty());
        EXPECT_FALSE(doc.FillsAnimationBoxes);
    }
    EXPECT_EQ(ParseDocumentHeader("S1")->Generation, 0);
    EXPECT_EQ(ParseDocumentHeader("S16")->Generation, 1);
    EXPECT_EQ(ParseDocumentHeader("S27")->Generation, 2);
    for (const char* bad : {"S17", "S30", "S38", "S78", "S81", "s71", "", "S7", "S0", "S711", " S71"})
        EXPECT_FALSE(ParseDocumentHeader(bad).has_value()) << bad;
}

TEST(GenerationGates, Generation3RecordIsItsFirst30FieldsAndTheLastFour) {
    const std::string text = "S31 1 " + Gen3Record("0", "4") + " 0";
    const LoadedDocument doc = ReadDocumentText(text, Cls3{});
    ASSERT_EQ(doc.Rows.size(), 1u);
    const Cls9& g = *doc.Rows[0].Graph;
    EXPECT_EQ(g.ID, 4);
    EXPECT_EQ(g.NameS, "name");
    EXPECT_EQ(g.ExpressZ, "z");
    EXPECT_EQ(g.MaxV, 4);
    EXPECT_EQ(g.PointSize, 3);
    EXPECT_EQ(g.FunForm, 2);
    EXPECT_TRUE(g.Show2DCurve);
    EXPECT_FALSE(g.ShowDev);
    EXPECT_TRUE(g.ShowContour);
    EXPECT_EQ(g.ContourLevel, 7);
    EXPECT_EQ(doc.Rows[0].Label, "二维曲线  y=z");
    EXPECT_FALSE(doc.Axes.Show);
}

TEST(GenerationGates, EachGenerationReadsItsFields) {
    // Generation 4 adds fields 31 to 96 (66 tokens with empty lists but Exp2 one),
    // 5 adds 97 to 130, 6 adds 131 to 139, 7 adds 140 to 144.
    const std::string g4 = "1 " + Zeros(62);   // Show2DCurve, then 62 more
    const std::string g5 = Zeros(32);
    const std::string g6 = "2.5 " + Zeros(8);  // LimitX0
    const std::string g7 = "True 2 1 0.5 @tex@ ";
    struct Case { const char* header; std::string fields; };
    const Case cases[] = {
        {"S41", g4}, {"S51", g4 + g5}, {"S61", g4 + g5 + g6}, {"S71", g4 + g5 + g6 + g7},
    };
    for (const auto& c : cases) {
        const std::string record = "0 1 @n@ 1 x y z 5 6 1 2 3 4 " + Zeros(9) + "3 0 0 2 " + c.fields + "True 0 0 3";
        const LoadedDocument doc = ReadDocumentText(std::string(c.header) + " 1 " + record + " 0", Cls3{});
        const Cls9& g = *doc.Rows[0].Graph;
        EXPECT_TRUE(g.Show2DCurve) << c.header;
        EXPECT_TRUE(g.ShowContour) << c.header;
        EXPECT_EQ(g.ContourLevel, 3) << c.header;
        const int gen = c.header[1] - '0';
        EXPECT_EQ(g.LimitX0, gen >= 6 ? 2.5f : 0.0f) << c.header;
        EXPECT_FALSE(g.ShowTex) << c.header; // "True" is not "1" for this flag
        EXPECT_EQ(g.TexMode, gen >= 7 ? 2 : 0) << c.header;
        EXPECT_EQ(g.ShowTrans, gen >= 7) << c.header;
        EXPECT_EQ(g.TexName, gen >= 7 ? "tex" : "") << c.header;
        EXPECT_FALSE(doc.Axes.Show);
    }
}

TEST(GenerationGates, OldNamesAreOneTokenAndOldTablesEndAfterTheGrid) {
    const std::string table = "4 2 @a@ 255 2 0 0 0 1 3 3 1 1 1 2 3 4 5 6 7 8 9 10 11 12";
    const LoadedDocument six = ReadDocumentText("S61 1 " + table + " 0 1 0 5 255 65280 3 6 0", Cls3{});
    ASSERT_EQ(six.Rows.size(), 1u);
    EXPECT_EQ(six.Rows[0].Graph->NameS, "@a@");
    EXPECT_FALSE(six.Rows[0].Graph->Show2DLine);
    EXPECT_EQ(six.Rows[0].Graph->Symbol, 6);
    const LoadedDocument old = ReadDocumentText("S31 1 " + table + " 0", Cls3{});
    Cls9& t = *old.Rows[0].Graph;
    EXPECT_EQ(t.VertTab3D(1, 1).z, 12);
    EXPECT_EQ(t.VertTab3D(0, 1).x, 4);
    EXPECT_TRUE(t.Show2DLine && t.Show2DScatter && t.ShowSmoothCurve);
    EXPECT_EQ(t.ScatterSize, 2);
    EXPECT_EQ(t.SmoothCurveWidth, 1);
    EXPECT_EQ(t.Symbol, 1);
    EXPECT_EQ(old.Rows[0].Label, "二维表数据图形: @a@");
    EXPECT_FALSE(old.FillsAnimationBoxes);
}

TEST(IdCounter, RaisedPastEachLoadedIdThatExceedsIt) {
    struct Case { std::vector<const char*> ids; int counter; };
    const Case cases[] = {{{"1", "2", "3"}, 4}, {{"1", "2"}, 2}, {{"5", "3"}, 6}, {{"3", "7"}, 8}, {{}, 0}};
    for (const auto& c : cases) {
        std::string text = "S31 " + std::to_string(c.ids.size()) + " ";
        for (const char* id : c.ids) text += Gen3Record("7", id) + " ";
        EXPECT_EQ(ReadDocumentText(text + "0", Cls3{}).GraphIDCounter, c.counter);
    }
}

TEST(AnimationValues, LastAnimatedRecordDecidesWithinTheOptionsRange) {
    auto animated = [](const char* id, const char* frames, const char* speed) {
        return std::string("9 ") + id + " n 1 x y z 5 6 1 2 3 4 " + Zeros(9) + "3 0 1 0 1 " + frames + " " + speed +
               " 2 1 0 0 7 ";
    };
    struct Case { std::string records; int count; int frames; int speed; };
    const Case cases[] = {
        {animated("1", "10", "5") + animated("2", "20", "6"), 2, 20, 6},
        {animated("1", "5000", "0"), 1, 1000, 1},
        {animated("1", "0", "-4"), 1, 1, 1},
        {animated("1", "1000", "60"), 1, 1000, 60},
    };
    for (const auto& c : cases) {
        const LoadedDocument doc = ReadDocumentText("S31 " + std::to_string(c.count) + " " + c.records + "0", Cls3{});
        ASSERT_TRUE(doc.Animation.has_value());
        EXPECT_EQ(doc.Animation->FrameCount, c.frames);
        EXPECT_EQ(doc.Animation->FramesPerSecond, c.speed);
        EXPECT_TRUE(doc.Rows.back().Graph->Animation);
        EXPECT_EQ(doc.Rows.back().Graph->MaxT, 1);
    }
    const LoadedDocument still = ReadDocumentText("S31 1 " + Gen3Record("0", "1") + " 0", Cls3{});
    EXPECT_FALSE(still.Animation.has_value());
    EXPECT_TRUE(still.FillsAnimationBoxes);
}

TEST(AxesRecord, HiddenKeepsEverySettingAndOldLayoutHas28Fields) {
    Cls3 before;
    before.ShowPI = true;
    before.ShowBackground = true;
    before.TitleX = std::string("u");
    before.Show = true;
    const LoadedDocument hidden = ReadDocumentText("S71 0 0", before);
    EXPECT_FALSE(hidden.Axes.Show);
    Cls3 shown = hidden.Axes;
    shown.Show = true;
    EXPECT_EQ(shown.Save(), before.Save());
    EXPECT_TRUE(hidden.Axes.ShowPI);
    EXPECT_EQ(hidden.Axes.TitleX, "u");

    // Generation 6: titles one token unchanged, BetterFonts the 28th token.
    const std::string old = "1 1 0 0 1 1 1 1 1 1 3 4 5 @x@ Y Z 1 2 3 4 5 6 7 8 9 10 11 True extra tokens";
    const LoadedDocument six = ReadDocumentText("S61 0 " + old, before);
    const Cls3& a = six.Axes;
    EXPECT_TRUE(a.Show);
    EXPECT_TRUE(a.ShowXYPanel);
    EXPECT_EQ(a.LabelNumZ, 5);
    EXPECT_EQ(a.TitleX, "@x@");
    EXPECT_EQ(a.YZGridColor, 6);
    EXPECT_EQ(a.AxisWidth, 11);
    EXPECT_TRUE(a.BetterFonts);
    EXPECT_TRUE(a.ShowPI);         // not in the older layout: kept
    EXPECT_TRUE(a.ShowBackground);

    // Generation 7: a title token without "@" is no title; it is the next field.
    const std::string seven = "True 0 0 0 1 1 1 1 1 1 0 2 2 2 1 1 1 1 1 1 4 4 4 0 1 @a@ b 0 1 1 2 3 4 5 6 1 0 0 ";
    const LoadedDocument doc = ReadDocumentText("S71 0 " + seven, before);
    EXPECT_TRUE(doc.Axes.Show);
    EXPECT_EQ(doc.Axes.TitleX, "a");
    EXPECT_EQ(doc.Axes.TitleY, "Y");
    EXPECT_EQ(doc.Axes.TitleZ, "Z");
    EXPECT_FALSE(doc.Axes.ShowprimaryGrid); // read from "b"
    EXPECT_FALSE(doc.Axes.ShowSecondaryGrid);
    EXPECT_TRUE(doc.Axes.ShowBackground);
}

} // namespace
