// The clipboard's graph text: what Copy writes and what Paste reads back of
// it, with Paste's own rules for names, point sizes, hollow points, the
// animation values and faults.
#include "core/Globals.h"
#include "document/ClipboardExchange.h"
#include "document/GraphLabels.h"
#include "document/TokenReader.h"
#include "graph/GraphEnums.h"
#include "tests/document/GraphFields.h"
#include "tests/document/SampleDocuments.h"
#include "tests/support/ProgramState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Join(const std::vector<std::string>& tokens) {
    std::string text;
    for (std::size_t i = 0; i < tokens.size(); ++i) text += (i ? " " : "") + tokens[i];
    return text;
}

// What a free text reads back as: the "@" before a blank was written "＠".
std::string ReadBackText(std::string text) {
    for (std::size_t at = text.find("@ "); at != std::string::npos; at = text.find("@ ", at))
        text.replace(at, 1, "＠");
    return text;
}

class ClipboardTextTest : public ProgramStateTest {
protected:
    // A plane curve of the 2D document: its clipboard tokens (token 0 the
    // kind, token k + 1 the record's field k; the name is one token).
    std::vector<std::string> PlaneTokens() {
        auto g = FilledGraph(1, GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Explicit);
        g->NameS = "curve";
        g->ContourLevel = 12;
        return SplitTokens(ClipboardGraphText(1, *g));
    }
    std::vector<DocumentRow> Paste(const std::string& text, std::int32_t kind = 1, std::int32_t count = 1) {
        return ReadClipboardGraphText(text, kind, count);
    }
    // Index of the clipboard token holding record field k of a graph record
    // whose name is one token and which is not animated.
    static constexpr std::size_t PointSizeToken = 23, HollowToken = 24, AnimationToken = 25, FunFormToken = 26,
                                 CurvNumToken = 60;
};

// Copy then Paste of every record kind: every field comes back (the ID too:
// the window gives the graph a new one).
TEST_F(ClipboardTextTest, EveryRecordKindComesBackWhole) {
    FrameCount = SampleFrameCount;
    for (const SampleDocument& sample : RoundTripDocuments())
        for (const auto& written : sample.graphs) {
            SCOPED_TRACE(sample.name + " graph " + written->NameS);
            const std::string text = ClipboardGraphText(sample.documentKind, *written);
            EXPECT_EQ(text.rfind(std::to_string(sample.documentKind) + " ", 0), 0u);
            EXPECT_NE(text.back(), ' ');
            const auto rows = Paste(text, sample.documentKind);
            ASSERT_EQ(rows.size(), 1u);
            Cls9& read = *rows[0].Graph;
            written->NameS = ReadBackText(written->NameS);
            ExpectSameGraphFields(*written, read);
            EXPECT_FALSE(rows[0].Label.empty());
        }
    // The document's frame count and speed are not Paste's to change.
    EXPECT_EQ(FrameCount, SampleFrameCount);
}

TEST_F(ClipboardTextTest, RowLabelsAreTheDocumentReadersOwn) {
    auto table = FilledGraph(2, GraphType::Table25D, 0, 0);
    table->NameS = "测量 数据";
    table->StepU = table->StepV = 1;
    auto rows = Paste(ClipboardGraphText(5, *table), 2);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Label, "二维半表数据图形: 测量 数据");

    auto plane = FilledGraph(3, GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Explicit);
    plane->ExpressY = "x";
    plane->ExpressZ = "sin(x)";
    rows = Paste(ClipboardGraphText(1, *plane), 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Label, DocumentRowLabel(1, *plane));
}

TEST_F(ClipboardTextTest, GraphTypesWithoutARecordCopyTheKindAlone) {
    Cls9 g;
    for (std::int32_t type : {16, 17, 19, 24, 30, 33, 35, 39, -1}) {
        g.GraphType = type;
        EXPECT_EQ(ClipboardGraphText(1, g), "1 ") << type;
        EXPECT_EQ(ClipboardGraphText(7, g), "7 ") << type;
    }
    EXPECT_TRUE(Paste("1 ").empty());
}

// The document's kind takes the source kinds of its row; any other kind
// takes every text. Token 0 counts by its numeric value.
TEST_F(ClipboardTextTest, AcceptanceByDocumentKind) {
    const std::vector<std::string> sources = {"1", "2", "3", "4", "5", "6", "7", "4.0", "4abc", "0", "", "x", "8"};
    const struct {
        std::int32_t kind;
        std::vector<std::string> accepted;
    } cases[] = {
        {1, {"1", "4", "4.0", "4abc"}},
        {2, {"2", "5"}},
        {3, {"3", "6"}},
        {7, {"7"}},
        {0, sources},
        {4, sources},
        {5, sources},
        {6, sources},
    };
    for (const auto& c : cases)
        for (const std::string& s : sources) {
            const bool expected = std::find(c.accepted.begin(), c.accepted.end(), s) != c.accepted.end();
            EXPECT_EQ(ClipboardAccepts(c.kind, s), expected) << "kind " << c.kind << " source \"" << s << "\"";
        }

    // A whole paste: a 2D document refuses a 3D text and takes a 2D-table text.
    std::vector<std::string> t = PlaneTokens();
    t[0] = "3";
    EXPECT_TRUE(Paste(Join(t)).empty());
    t[0] = "4";
    EXPECT_EQ(Paste(Join(t)).size(), 1u);
    EXPECT_TRUE(Paste("").empty());
}

// Names: one token without marks is the whole name; "@@" is empty; a name
// with blanks spans tokens up to the one ending in "@".
TEST_F(ClipboardTextTest, NamesAsPasteReadsThem) {
    const struct {
        std::vector<std::string> nameTokens;
        std::string name;
    } cases[] = {
        {{"@a", "b@"}, "a b"},
        {{"@", "lead@"}, " lead"},
        {{"@@"}, ""},
        {{"@a@"}, "a"},
        {{"plain"}, "plain"},
        {{"plain@"}, "plain@"},
        {{""}, ""},
        {{"@a", "", "b@"}, "a  b"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> t = PlaneTokens();
        t.erase(t.begin() + 3);
        t.insert(t.begin() + 3, c.nameTokens.begin(), c.nameTokens.end());
        const auto rows = Paste(Join(t));
        ASSERT_EQ(rows.size(), 1u) << c.name;
        EXPECT_EQ(rows[0].Graph->NameS, c.name);
        // The fields after the name are in place.
        EXPECT_EQ(rows[0].Graph->ContourLevel, 12) << c.name;
    }
}

// A name's blanks are not counted: a name of any number of them comes back
// whole, as a document reads it, with every field after it in place.
TEST_F(ClipboardTextTest, NamesOfAnyNumberOfBlanksComeBackWhole) {
    std::string words = "first";
    for (int k = 0; k < 120; ++k) words += " w";
    const std::string names[] = {std::string(120, ' '), words, " lead" + std::string(150, ' ') + "trail", ""};
    auto plane = FilledGraph(5, GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Explicit);
    auto table = FilledGraph(6, GraphType::Table2D, 0, 0);
    table->StepU = 1;
    table->StepV = 2;
    for (const std::string& name : names)
        for (Cls9* written : {plane.get(), table.get()}) {
            SCOPED_TRACE(std::to_string(name.size()) + " characters, type " + std::to_string(written->GraphType));
            written->NameS = name;
            const auto rows = Paste(ClipboardGraphText(1, *written));
            ASSERT_EQ(rows.size(), 1u);
            ExpectSameGraphFields(*written, *rows[0].Graph);
        }

    // Closed by the 100th token after the first, the 101st or far later.
    for (int filler : {99, 100, 101, 500}) {
        std::vector<std::string> u = PlaneTokens();
        u[3] = "@n";
        u.insert(u.begin() + 4, std::size_t(filler), "w");
        u.insert(u.begin() + 4 + filler, "end@");
        const auto r = Paste(Join(u));
        ASSERT_EQ(r.size(), 1u);
        std::string expected = "n";
        for (int k = 0; k < filler; ++k) expected += " w";
        EXPECT_EQ(r[0].Graph->NameS, expected + " end") << filler;
        EXPECT_EQ(r[0].Graph->ContourLevel, 12) << filler;
    }
}

// A name whose closing mark never comes: the name stays empty and the record
// goes on right after its first token.
TEST_F(ClipboardTextTest, ANameNeverClosed) {
    const std::vector<std::string> t = PlaneTokens();
    std::vector<std::string> u(t.begin(), t.begin() + FunFormToken + 1);
    u[3] = "@open";
    const auto rows = Paste(Join(u));
    ASSERT_EQ(rows.size(), 1u);
    const Cls9& g = *rows[0].Graph;
    EXPECT_EQ(g.NameS, "");
    EXPECT_EQ(g.CoordType, CoordType::PlaneCartesian);
    EXPECT_EQ(g.ExpressZ, t[7]);
    EXPECT_EQ(g.FunForm, FunForm::Explicit);
}

TEST_F(ClipboardTextTest, PointSizeAndHollowAsPasteReadsThem) {
    const struct {
        const char* size;
        const char* hollow;
        float pointSize;
        bool pointHollow;
    } cases[] = {
        {"2.5", "True", 2.5f, false}, {"12", "1", 12.0f, true},  {"0.25", "-3", 0.25f, true},
        {"7x", "0.0", 7.0f, false},   {"abc", "0.5", 0.0f, true}, {"", "", 0.0f, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> t = PlaneTokens();
        t[PointSizeToken] = c.size;
        t[HollowToken] = c.hollow;
        const auto rows = Paste(Join(t));
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].Graph->PointSize, c.pointSize) << c.size;
        EXPECT_EQ(rows[0].Graph->PointHollow, c.pointHollow) << c.hollow;
    }
}

// The frame count and speed of an animated record are passed over, whatever
// they hold.
TEST_F(ClipboardTextTest, AnimatedRecordKeepsItsTimesOnly) {
    std::vector<std::string> t = PlaneTokens();
    t[AnimationToken] = "1";
    t.insert(t.begin() + AnimationToken + 1, {"-2", "4.5", "frames", "99999999999"});
    const auto rows = Paste(Join(t));
    ASSERT_EQ(rows.size(), 1u);
    const Cls9& g = *rows[0].Graph;
    EXPECT_TRUE(g.Animation);
    EXPECT_EQ(g.MinT, -2.0f);
    EXPECT_EQ(g.MaxT, 4.5f);
    EXPECT_EQ(g.FunForm, FunForm::Explicit);
    EXPECT_EQ(g.ContourLevel, 12);
}

// Faults: before Animation, in a list count or in a table record the record
// adds nothing; from Animation on the graph keeps what was read before the
// fault. Past the last token every field reads as an empty token.
TEST_F(ClipboardTextTest, FaultsBeforeAndAfterTheAnimationField) {
    const std::size_t last = PlaneTokens().size() - 1;
    const struct {
        const char* what;
        std::size_t token;
        const char* value;
        bool added;
    } cases[] = {
        {"ID beyond 32 bits", 2, "3000000000", false},
        {"StepU beyond 32 bits", 8, "-3000000000", false},
        {"MinU beyond a Single", 10, "1e39", false},
        {"PointSize beyond a Single", PointSizeToken, "1e39", false},
        {"CurvNum above 50", CurvNumToken, "51", false},
        {"CurvNum below 0", CurvNumToken, "-1", false},
        {"FunForm beyond 32 bits", FunFormToken, "1e10", true},
        {"ContourLevel beyond 32 bits", last, "1e10", true},
    };
    std::vector<std::string> t = PlaneTokens();
    ASSERT_EQ(t[CurvNumToken], "3"); // CurvNum of the filled graph
    for (const auto& c : cases) {
        std::vector<std::string> u = t;
        u[c.token] = c.value;
        const auto rows = Paste(Join(u));
        ASSERT_EQ(rows.size(), c.added ? 1u : 0u) << c.what;
        if (c.added) {
            EXPECT_EQ(rows[0].Graph->ContourLevel, 0) << c.what;
        }
    }

    // The text cut after FunForm: the other fields read empty tokens.
    std::vector<std::string> cut(t.begin(), t.begin() + FunFormToken + 1);
    auto rows = Paste(Join(cut));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Graph->ExpressZ, t[7]);
    EXPECT_EQ(rows[0].Graph->FunForm, FunForm::Explicit);
    EXPECT_FALSE(rows[0].Graph->Show2DCurve);
    EXPECT_EQ(rows[0].Graph->CurvNum, 0);
    EXPECT_EQ(rows[0].Graph->Exp2, "");

    // A texture name left open to the end: what came before it stays.
    std::vector<std::string> open = t;
    open[last - 4] = "@tex";
    open[last - 1] = "1";
    rows = Paste(Join(open));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Graph->TexName, "");
    EXPECT_FALSE(rows[0].Graph->ShowColormap);
    EXPECT_EQ(rows[0].Graph->ContourLevel, 0);
}

TEST_F(ClipboardTextTest, RecordTypeTokens) {
    for (const char* type : {"07", "", "16", "x", "+1", "4.0"}) {
        std::vector<std::string> t = PlaneTokens();
        t[1] = type;
        EXPECT_TRUE(Paste(Join(t)).empty()) << type;
    }
    // Two records read one after the other.
    const std::string record = Join(PlaneTokens()).substr(2);
    const auto rows = Paste("1 " + record + " " + record, 1, 2);
    EXPECT_EQ(rows.size(), 2u);
}

TEST_F(ClipboardTextTest, TableFaultsAddNothingAndAShortGridReadsZeros) {
    auto table = FilledGraph(4, GraphType::Table2D, 0, 0);
    table->NameS = "t";
    table->StepU = 1;
    table->StepV = 2;
    for (int j = 0; j <= 2; ++j) table->VertTab3D(1, j) = Cls2::Init(float(j) + 0.5f, 2.0f, 3.0f);
    const std::vector<std::string> t = SplitTokens(ClipboardGraphText(1, *table));
    // Tokens: 1 kind, 1 type, 2 ID, 3 name, 4 LineColor, 5 LineWidth, ..., 12 StepU, 13 StepV.
    const struct {
        std::size_t token;
        const char* value;
    } refused[] = {{4, "abc"}, {5, "12x"}, {4, ""}, {12, "201"}, {13, "-1"}, {2, "1e10"}};
    for (const auto& c : refused) {
        std::vector<std::string> u = t;
        u[c.token] = c.value;
        EXPECT_TRUE(Paste(Join(u)).empty()) << c.token << " " << c.value;
    }

    // Cut inside the grid: the missing points and the display settings read 0.
    std::vector<std::string> cut(t.begin(), t.begin() + 14 + 3 * 4);
    const auto rows = Paste(Join(cut));
    ASSERT_EQ(rows.size(), 1u);
    Cls9& g = *rows[0].Graph;
    EXPECT_EQ(g.VertTab3D(1, 0).x, 0.5f);
    EXPECT_EQ(g.VertTab3D(1, 1).x, 0.0f);
    EXPECT_EQ(g.VertTab3D(1, 2).z, 0.0f);
    EXPECT_EQ(g.Symbol, 0);
}

} // namespace
