// The derivative-based analyses of plane functions (derivative graph, extrema,
// arc length, tangents and normals, inflection points, circles of curvature),
// drawn in a real GL context: segments and markers through GL feedback,
// result lines through a recording pane. The options are set on the graph.
#include "tests/render/PlaneDrawingFixture.h"

#include "core/MessageService.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace plane_test;

constexpr std::int32_t DevColour = 128 * 65536;
constexpr std::int32_t MaxColour = 64;
constexpr std::int32_t MinColour = 64 * 256;
constexpr std::int32_t GuaiColour = 64 * 65536;
constexpr std::int32_t QieColour = 192;
constexpr std::int32_t NmlColour = 192 * 256;
constexpr std::int32_t CurvColour = 192 * 65536;

const double Pi = std::acos(-1.0);

// The number after `head` at the start of `line` (failing when the line
// does not start with it).
double NumberAfter(const std::string& line, const std::string& head) {
    EXPECT_EQ(line.substr(0, head.size()), head) << line;
    return ParseNumericPrefix(line.substr(std::min(head.size(), line.size())));
}

// The two numbers of a line "<head>x=…, y=…" (or ",y=").
std::pair<double, double> PairAfter(const std::string& line, const std::string& head, const std::string& second) {
    const double first = NumberAfter(line, head);
    const std::size_t at = line.find(second);
    EXPECT_NE(at, std::string::npos) << line;
    return {first, at == std::string::npos ? 0 : ParseNumericPrefix(line.substr(at + second.size()))};
}

double Length(const FeedbackLine& l) { return std::hypot(l.to.x - l.from.x, l.to.y - l.from.y); }

class PlaneAnalysesTest : public PlaneDrawingTest {
protected:
    // A plane graph with the colours, widths, sizes and markers of every
    // analysis set and each analysis off; sampled by Sample once its options
    // are set (the derivative samples are made only for the options on).
    static std::shared_ptr<Cls9> Analysed(const std::string& y, const std::string& z, float minV, float maxV,
                                          std::int32_t stepV, std::int32_t form = FunForm::Explicit,
                                          std::int32_t coord = CoordType::PlaneCartesian,
                                          std::int32_t type = GraphType::Function2D) {
        std::shared_ptr<Cls9> g = Graph(y, z, minV, maxV, stepV, type, form, coord, false);
        g->DevColor = DevColour;
        g->DevWidth = 1;
        g->MaxColor = MaxColour;
        g->MinColor = MinColour;
        g->GuaiColor = GuaiColour;
        g->MaxSize = g->MinSize = g->GuaiSize = 1;
        g->MaxSymbol = g->MinSymbol = g->GuaiSymbol = Symbol::FilledTriangle;
        g->QieColor = QieColour;
        g->NmlColor = NmlColour;
        g->CurvColor = CurvColour;
        g->QieWidth = g->NmlWidth = g->CurvWidth = 1;
        return g;
    }
    static void Sample(Cls9& g) { ASSERT_TRUE(g.GetPoints()); }
    static void SetTangents(Cls9& g, const std::vector<float>& at) {
        g.ShowQie = true;
        g.QieNum = std::int32_t(at.size());
        for (std::size_t k = 0; k < at.size(); ++k) g.QieX(std::int64_t(k) + 1) = at[k];
    }
    static void SetNormals(Cls9& g, const std::vector<float>& at) {
        g.ShowNml = true;
        g.NmlNum = std::int32_t(at.size());
        for (std::size_t k = 0; k < at.size(); ++k) g.NmlX(std::int64_t(k) + 1) = at[k];
    }
    static void SetCircles(Cls9& g, const std::vector<float>& at) {
        g.ShowCurv = true;
        g.CurvNum = std::int32_t(at.size());
        for (std::size_t k = 0; k < at.size(); ++k) g.CurvX(std::int64_t(k) + 1) = at[k];
    }
};

TEST_F(PlaneAnalysesTest, ExtremaAndInflectionPointsOfACubic) {
    // f' = 3x^2 - 3 is 0 on the samples -1 and 1: each zero ends one segment
    // and starts the next, and is one extremum.
    RecordingResultPane pane;
    auto g = Analysed("x", "x^3-3*x", -2, 2, 4);
    g->ShowMax = g->ShowMin = g->ShowDev = true;
    Sample(*g);
    Feedback f = Draw(*g);
    EXPECT_EQ(pane.Text(), "函数 y=x^3-3*x\r\n"
                           "    极大值点: x=-1,y=2\r\n"
                           "    极小值点: x=1,y=-2\r\n"
                           "\r\n");
    auto maxima = TriangleMarkers(f, MaxColour), minima = TriangleMarkers(f, MinColour);
    ASSERT_EQ(maxima.size(), 1u);
    ASSERT_EQ(minima.size(), 1u);
    EXPECT_NEAR(maxima[0].first, -1, 1e-3);
    EXPECT_NEAR(maxima[0].second, 2, 1e-3);
    EXPECT_NEAR(minima[0].first, 1, 1e-3);
    EXPECT_NEAR(minima[0].second, -2, 1e-3);
    // The derivative graph joins (x, f'(x)) from (-2, 9) to (2, 9).
    const std::vector<FeedbackLine> dev = LinesOf(f, DevColour);
    ASSERT_EQ(dev.size(), 4u);
    EXPECT_NEAR(dev[0].from.x, -2, 1e-3);
    EXPECT_NEAR(dev[0].from.y, 9, 1e-3);
    EXPECT_NEAR(dev[2].from.y, -3, 1e-3);
    EXPECT_NEAR(dev[3].to.y, 9, 1e-3);

    // 25 segments: no sample on a zero; the chord's crossing is close to it.
    g = Analysed("x", "x^3-3*x", -2, 2, 25);
    g->ShowMax = g->ShowMin = true;
    Sample(*g);
    f = Draw(*g);
    std::vector<std::string> lines = PaneLines(pane.Text());
    ASSERT_EQ(lines.size(), 4u);
    const auto [maxX, maxY] = PairAfter(lines[1], "    极大值点: x=", ",y=");
    const auto [minX, minY] = PairAfter(lines[2], "    极小值点: x=", ",y=");
    EXPECT_NEAR(maxX, -1, 0.01);
    EXPECT_NEAR(maxY, 2, 0.01);
    EXPECT_NEAR(minX, 1, 0.01);
    EXPECT_NEAR(minY, -2, 0.01);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(TriangleMarkers(f, MaxColour).size(), 1u);
    EXPECT_EQ(TriangleMarkers(f, MinColour).size(), 1u);
    EXPECT_TRUE(LinesOf(f, DevColour).empty()); // the derivative graph is off

    // f'' = 6x is 0 on the sample 0: one inflection point.
    g = Analysed("x", "x^3-3*x", -2, 2, 4);
    g->ShowGuai = true;
    Sample(*g);
    f = Draw(*g);
    EXPECT_EQ(pane.Text(), "函数 y=x^3-3*x\r\n    拐点: x=0, y=0\r\n\r\n");
    const auto inflections = TriangleMarkers(f, GuaiColour);
    ASSERT_EQ(inflections.size(), 1u);
    EXPECT_NEAR(inflections[0].first, 0, 1e-3);
    EXPECT_NEAR(inflections[0].second, 0, 1e-3);
}

TEST_F(PlaneAnalysesTest, AnExtremumLiesAboveOrBelowBothNeighbours) {
    struct Case {
        const char* function;
        std::int32_t segments;
        const char* pane;
    };
    const Case cases[] = {
        // The saddle of x^3 at 0 is neither a maximum nor a minimum, on a
        // sample or between two.
        {"x^3", 4, "函数 y=x^3\r\n\r\n"},
        {"x^3", 5, "函数 y=x^3\r\n\r\n"},
        // 0 between two samples: one minimum, at the chord's crossing.
        {"x^2", 5, "函数 y=x^2\r\n    极小值点: x=0,y=0\r\n\r\n"},
        // x^4 has f'' = 12x^2 >= 0: its flat bottom is no inflection point.
        {"x^4", 4, "函数 y=x^4\r\n    极小值点: x=0,y=0\r\n\r\n\r\n"},
        // No crossing of f' in the box: only the separator.
        {"x", 4, "函数 y=x\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.function) + " " + std::to_string(c.segments));
        RecordingResultPane pane;
        auto g = Analysed("x", c.function, -2, 2, c.segments);
        g->ShowMax = g->ShowMin = true;
        g->ShowGuai = std::string(c.function) == "x^4";
        Sample(*g);
        Draw(*g);
        EXPECT_EQ(pane.Text(), c.pane);
    }
}

TEST_F(PlaneAnalysesTest, TangentNormalAndCircleOfAParabola) {
    RecordingResultPane pane;
    auto g = Analysed("x", "x^2", -2, 2, 10);
    SetTangents(*g, {1});
    SetNormals(*g, {0});
    SetCircles(*g, {0});
    Sample(*g);
    const Feedback f = Draw(*g);
    EXPECT_EQ(pane.Text(), "函数 y=x^2\r\n"
                           "    切点: x=1, y=1\r\n"
                           "      斜率: 2\r\n"
                           "\r\n"
                           "    法线位置: x=0, y=0\r\n"
                           "      斜率: -1E+07\r\n"
                           "\r\n"
                           "    曲率圆:\r\n"
                           "      位置: x=0, y=0\r\n"
                           "        曲率: 2\r\n"
                           "        曲率半径: 0.5\r\n"
                           "        曲率圆的圆心: x=0, y=0.5\r\n");

    // The tangent: 1.6 long along arctan 2, centred on (1, 1).
    const std::vector<FeedbackLine> tangent = LinesOf(f, QieColour);
    ASSERT_EQ(tangent.size(), 1u);
    const FeedbackLine& t = tangent[0];
    EXPECT_NEAR(Length(t), 1.6, 1e-4);
    EXPECT_NEAR(std::atan2(t.to.y - t.from.y, t.to.x - t.from.x), std::atan(2.0), 1e-4);
    EXPECT_NEAR((t.from.x + t.to.x) / 2, 1, 1e-4);
    EXPECT_NEAR((t.from.y + t.to.y) / 2, 1, 1e-4);
    // The normal at the vertex: 1 long and practically vertical.
    const std::vector<FeedbackLine> normal = LinesOf(f, NmlColour);
    ASSERT_EQ(normal.size(), 1u);
    EXPECT_NEAR(Length(normal[0]), 1, 1e-4);
    EXPECT_NEAR(normal[0].from.x, 0, 1e-4);
    EXPECT_NEAR(std::fabs(normal[0].from.y - normal[0].to.y), 1, 1e-4);
    // The circle of radius 0.5 about (0, 0.5) in 40 segments, then its
    // radius from the point (0, 0) to the centre.
    const std::vector<FeedbackLine> circle = LinesOf(f, CurvColour);
    ASSERT_EQ(circle.size(), 41u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_NEAR(std::hypot(circle[i].from.x, circle[i].from.y - 0.5), 0.5, 1e-4);
        EXPECT_NEAR(std::hypot(circle[i].to.x, circle[i].to.y - 0.5), 0.5, 1e-4);
    }
    EXPECT_NEAR(circle[0].from.x, 0.5, 1e-4);
    EXPECT_NEAR(circle[39].to.x, 0.5, 1e-4);
    EXPECT_NEAR(circle[40].from.y, 0, 1e-4);
    EXPECT_NEAR(circle[40].to.x, 0, 1e-4);
    EXPECT_NEAR(circle[40].to.y, 0.5, 1e-4);
}

TEST_F(PlaneAnalysesTest, PositionsWithoutAValueWriteNoSlopeAndDrawNothing) {
    RecordingResultPane pane;
    // sqr(x) has no value at 0 (its position line shows the undefined value)
    // and x^0.5 no derivative there.
    std::shared_ptr<Cls9> g;
    for (const char* function : {"sqr(x)", "x^0.5"}) {
        SCOPED_TRACE(function);
        g = Analysed("x", function, 0, 4, 8);
        SetTangents(*g, {0});
        SetNormals(*g, {0});
        SetCircles(*g, {0});
        Sample(*g);
        const Feedback f = Draw(*g);
        const std::string y = std::string(function) == "sqr(x)" ? "0.12345" : "0";
        EXPECT_EQ(pane.Text(), std::string("函数 y=") + function + "\r\n    切点: x=0, y=" + y +
                                   "\r\n\r\n    法线位置: x=0, y=" + y + "\r\n\r\n    曲率圆:\r\n");
        EXPECT_TRUE(LinesOf(f, QieColour).empty());
        EXPECT_TRUE(LinesOf(f, NmlColour).empty());
        EXPECT_TRUE(LinesOf(f, CurvColour).empty());
    }

    // Empty lists with the options on: the separators and the head line.
    g->QieNum = g->NmlNum = g->CurvNum = 0;
    Draw(*g);
    EXPECT_EQ(pane.Text(), "函数 y=x^0.5\r\n\r\n\r\n    曲率圆:\r\n");

    // A count beyond the 50 positions of a list (only from a document) takes 50.
    g->QieNum = 60;
    for (int k = 1; k <= 50; ++k) g->QieX(k) = float(k) / 20;
    Feedback f;
    EXPECT_NO_THROW(f = Draw(*g));
    EXPECT_EQ(LinesOf(f, QieColour).size(), 50u);
}

TEST_F(PlaneAnalysesTest, VerticalTangentsAreSteepInsteadOfADivisionByZero) {
    struct Case {
        const char* name;
        const char* y;
        const char* z;
        std::int32_t form, coord;
        float at;
        const char* head; // the lines before the slope line
        double slope;
        double direction; // of the tangent drawn
    };
    const Case cases[] = {
        // x' = 3u^2 is 0 at u = 0: the slope divisor becomes 0.0000001.
        {"parametric", "u^3", "u", FunForm::Parametric, CoordType::PlaneCartesian, 0, "函数 x=u^3, y=u\r\n", 1e7,
         Pi / 2},
        // The circle r = 1 at a = 0: r' - r tan a is 0.
        {"polar", "a", "1", FunForm::Explicit, CoordType::Polar, 0, "函数 r=1\r\n    切点: a=0, r=1\r\n", 1e7,
         Pi / 2},
        // The same circle at a = pi/4: the point (cos, sin) of slope -1.
        {"polar 45 degrees", "a", "1", FunForm::Explicit, CoordType::Polar, float(Pi / 4),
         "函数 r=1\r\n    切点: a=0.7853982, r=1\r\n", -1, -Pi / 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = Analysed(c.y, c.z, -1, 1, 8, c.form, c.coord);
        SetTangents(*g, {c.at});
        Sample(*g);
        const Feedback f = Draw(*g);
        const std::string text = pane.Text(), head = c.head;
        ASSERT_EQ(text.substr(0, head.size()), head);
        const std::vector<std::string> lines = PaneLines(text.substr(head.size()));
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NEAR(NumberAfter(lines[0], "      斜率: "), c.slope, 1e-6 * std::fabs(c.slope));
        EXPECT_EQ(lines[1], "");
        const std::vector<FeedbackLine> t = LinesOf(f, QieColour);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_NEAR(Length(t[0]), 1.6, 1e-4);
        const double angle = std::atan2(t[0].to.y - t[0].from.y, t[0].to.x - t[0].from.x);
        EXPECT_NEAR(std::sin(angle - c.direction), 0, 1e-4);
    }
}

TEST_F(PlaneAnalysesTest, SlopesAndCurvaturesMatchTheirClosedForms) {
    struct Case {
        const char* name;
        const char* y;
        const char* z;
        std::int32_t form;
        float at;
        double x0, y0; // the point
        double slope, kappa, cx, cy;
    };
    const double s1 = std::sin(1.0), c1 = std::cos(1.0);
    const double sinSlope = c1, sinBend = -s1, sinS = 1 + c1 * c1;
    const double u = 0.7;
    const Case cases[] = {
        {"x^3 at 1", "x", "x^3", FunForm::Explicit, 1, 1, 1, 3, 6 / std::pow(10, 1.5), -4, 8.0 / 3},
        {"sin(x) at 1", "x", "sin(x)", FunForm::Explicit, 1, 1, s1, sinSlope, s1 / std::pow(sinS, 1.5),
         1 - sinSlope * sinS / sinBend, s1 + sinS / sinBend},
        // A straight line bends as a circle of radius 10000 above it.
        {"constant 1 at 0", "x", "1", FunForm::Explicit, 0, 0, 1, 0, 1e-4, 0, 10001},
        // The circle of radius 2: curvature 1/2 about the origin.
        {"circle at 0.7", "2*cos(u)", "2*sin(u)", FunForm::Parametric, float(u), 2 * std::cos(u), 2 * std::sin(u),
         -std::cos(u) / std::sin(u), 0.5, 0, 0},
        // x = u^2, y = u^3: dy/dx = 3u/2, d2y/dx2 = 3/(4u).
        {"u^2, u^3 at 1", "u^2", "u^3", FunForm::Parametric, 1, 1, 1, 1.5, 0.75 / std::pow(3.25, 1.5),
         1 - 1.5 * 3.25 / 0.75, 1 + 3.25 / 0.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = Analysed(c.y, c.z, -3, 3, 12, c.form);
        SetTangents(*g, {c.at});
        SetCircles(*g, {c.at});
        Sample(*g);
        const Feedback f = Draw(*g);
        std::vector<std::string> lines = PaneLines(pane.Text());
        // An explicit graph writes the tangent point before its slope.
        const std::size_t s = c.form == FunForm::Explicit ? 2 : 1;
        ASSERT_EQ(lines.size(), s + 7);
        const auto near = [](double actual, double expected) {
            EXPECT_NEAR(actual, expected, 2e-6 * std::max(1.0, std::fabs(expected)));
        };
        near(NumberAfter(lines[s], "      斜率: "), c.slope);
        EXPECT_EQ(lines[s + 2], "    曲率圆:");
        const auto [x, y] = PairAfter(lines[s + 3], "      位置: x=", ", y=");
        near(x, c.x0);
        near(y, c.y0);
        near(NumberAfter(lines[s + 4], "        曲率: "), c.kappa);
        near(NumberAfter(lines[s + 5], "        曲率半径: "), 1 / c.kappa);
        const auto [cx, cy] = PairAfter(lines[s + 6], "        曲率圆的圆心: x=", ", y=");
        near(cx, c.cx);
        near(cy, c.cy);
        // The circle drawn: the radius 1/kappa about the centre (a larger
        // one than the view is clipped).
        if (1 / c.kappa < Range) {
            const std::vector<FeedbackLine> circle = LinesOf(f, CurvColour);
            ASSERT_EQ(circle.size(), 41u);
            EXPECT_NEAR(std::hypot(circle[10].from.x - c.cx, circle[10].from.y - c.cy), 1 / c.kappa, 1e-3);
        }
    }
}

TEST_F(PlaneAnalysesTest, ArcLengthByTrapezoidsToTheTolerance) {
    struct Case {
        const char* name;
        const char* y;
        const char* z;
        std::int32_t coord;
        float from, to;
        double length, tolerance;
        const char* text; // the whole line, when it is known exactly
    };
    const Case cases[] = {
        {"line", "x", "x", CoordType::PlaneCartesian, 0, 1, std::sqrt(2.0), 0.001,
         "    弧长  从 0 到 1 长度为 1.414214"},
        {"parabola", "x", "x^2", CoordType::PlaneCartesian, 0, 1, (2 * std::sqrt(5.0) + std::asinh(2.0)) / 4, 0.002,
         nullptr},
        {"unit circle", "a", "1", CoordType::Polar, 0, float(2 * Pi), 2 * Pi, 0.001, nullptr},
        // r' = 2: the length of sqrt(r^2 + r'^2) = 2 sqrt(a^2 + 1) over 0..2pi.
        {"spiral r = 2a", "a", "2*a", CoordType::Polar, 0, float(2 * Pi),
         2 * Pi * std::sqrt(4 * Pi * Pi + 1) + std::asinh(2 * Pi), 0.005, nullptr},
        {"swapped bounds", "x", "x", CoordType::PlaneCartesian, 1, 0, -std::sqrt(2.0), 0.001, nullptr},
        {"equal bounds", "x", "x^2", CoordType::PlaneCartesian, 0.5, 0.5, 0, 0, "    弧长  从 0.5 到 0.5 长度为 0"},
        // The sums of the integration go beyond the float range.
        {"overflow", "x", "10^38*x", CoordType::PlaneCartesian, 0, 10, 0, 0, "    弧长  从 0 到 10 长度为 溢出"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = Analysed(c.y, c.z, 0, 1, 4, FunForm::Explicit, c.coord);
        g->ShowLen = true;
        g->LenFrom = c.from;
        g->LenTo = c.to;
        Sample(*g);
        EXPECT_NO_THROW(Draw(*g));
        const std::vector<std::string> lines = PaneLines(pane.Text());
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2], "");
        if (c.text) {
            EXPECT_EQ(lines[1], c.text);
        } else {
            const std::size_t at = lines[1].find("长度为 ");
            ASSERT_NE(at, std::string::npos) << lines[1];
            EXPECT_NEAR(ParseNumericPrefix(lines[1].substr(at + std::string("长度为 ").size())), c.length,
                        c.tolerance);
        }
    }
}

TEST_F(PlaneAnalysesTest, ARefusedDerivativeEndsTheDrawingAfterTheCurve) {
    RecordingMessageBox messages;
    RecordingResultPane pane;
    auto g = Analysed("x", "abs(x)", -1, 1, 4);
    g->ShowDev = g->ShowMax = g->ShowLen = g->ShowGuai = true;
    SetTangents(*g, {0.5});
    SetCircles(*g, {0.5});
    g->ShowRoot = true;
    Sample(*g); // the sampling refuses the derivative too (its own message)
    messages.Clear();

    // One build: the scene drawn while messages are held back.
    VisibleScene.FunSurfs.Add(g, GraphKey(g->ID));
    Feedback f;
    {
        MessageHoldBack hold;
        f = CaptureFeedback(Side, Range, [] { VisibleScene.Draw(); });
    }
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "不能计算ABS的导数。");
    EXPECT_EQ(messages.Last().title, "出错");
    // The curve and its roots are drawn, nothing after them.
    EXPECT_EQ(pane.Text(), "函数 y=abs(x)\r\n    根: x=0,y=0\r\n\r\n");
    EXPECT_EQ(LinesOf(f, CurveColour).size(), 4u);
    EXPECT_TRUE(LinesOf(f, DevColour).empty());
    EXPECT_TRUE(LinesOf(f, QieColour).empty());
    EXPECT_TRUE(LinesOf(f, CurvColour).empty());
}

TEST_F(PlaneAnalysesTest, StaleOptionsOfOtherFormsAndKindsDrawNothing) {
    // Every analysis is switched on; each runs only where it computes a true
    // value, and extrema and inflection points only for explicit Cartesian
    // graphs.
    struct Case {
        const char* name;
        const char* y;
        const char* z;
        std::int32_t form, coord, type;
        bool arcLength, tangent, circle;
    };
    const Case cases[] = {
        {"explicit polar", "a", "1+cos(a)", FunForm::Explicit, CoordType::Polar, GraphType::Function2D, true, true,
         false},
        {"parametric polar", "u", "1+cos(u)", FunForm::Parametric, CoordType::Polar, GraphType::Function2D, false,
         false, false},
        {"parametric", "u", "u^3-u", FunForm::Parametric, CoordType::PlaneCartesian, GraphType::Function2D, false,
         true, true},
        // Only plane functions have these analyses.
        {"step plot", "x", "x^3-x", FunForm::Explicit, CoordType::PlaneCartesian, GraphType::StepStem, false, false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = Analysed(c.y, c.z, -3, 3, 12, c.form, c.coord, c.type);
        g->ShowMax = g->ShowMin = g->ShowGuai = g->ShowLen = true;
        g->LenFrom = 0;
        g->LenTo = 1;
        SetTangents(*g, {1});
        SetCircles(*g, {1});
        Sample(*g);
        const Feedback f = Draw(*g);
        const std::string text = pane.Text();
        EXPECT_EQ(text.find("极"), std::string::npos);
        EXPECT_EQ(text.find("拐点"), std::string::npos);
        EXPECT_EQ(text.find("弧长") != std::string::npos, c.arcLength);
        EXPECT_EQ(text.find("斜率") != std::string::npos, c.tangent);
        EXPECT_EQ(text.find("曲率圆:") != std::string::npos, c.circle);
        EXPECT_TRUE(TriangleMarkers(f, MaxColour).empty());
        EXPECT_TRUE(TriangleMarkers(f, MinColour).empty());
        EXPECT_TRUE(TriangleMarkers(f, GuaiColour).empty());
        EXPECT_EQ(LinesOf(f, QieColour).size(), c.tangent ? 1u : 0u);
        EXPECT_EQ(LinesOf(f, CurvColour).size(), c.circle ? 41u : 0u);
    }
    // A parametric graph writes its slopes without a position line.
    RecordingResultPane pane;
    auto g = Analysed("u", "u^3-u", -3, 3, 12, FunForm::Parametric);
    SetTangents(*g, {1, 0});
    Sample(*g);
    Draw(*g);
    EXPECT_EQ(pane.Text(), "函数 x=u, y=u^3-u\r\n      斜率: 2\r\n      斜率: -1\r\n\r\n");
}

TEST_F(PlaneAnalysesTest, TheBranchEndsWithLightingOnAfterEveryAnalysis) {
    auto g = Analysed("x", "sin(x)", -3, 3, 30);
    g->ShowDev = g->ShowMax = g->ShowMin = g->ShowGuai = g->ShowLen = true;
    SetTangents(*g, {1});
    SetNormals(*g, {1});
    SetCircles(*g, {1});
    g->CurvWidth = 0; // a width GL refuses draws as 1
    Sample(*g);
    glDisable(GL_LIGHTING);
    glLineWidth(8);
    g->Draw();
    ExpectLineStateEnded(1);
}

} // namespace
