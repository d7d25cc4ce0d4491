// The plane graph sequence and the curve pass, drawn in a real GL context:
// geometry through GL feedback, result lines through a recording pane.
#include "render/CurveView.h"
#include "render/PlaneDrawing.h"
#include "render/PlaneLine.h"
#include "tests/render/PlaneDrawingFixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace plane_test;

TEST_F(PlaneDrawingTest, RootsAreWrittenAndMarkedOncePerRoot) {
    const double pi = std::acos(-1.0);
    struct Case {
        const char* name;
        const char* function;
        std::int32_t segments;
        std::vector<double> roots;
        double tolerance; // of the chord's crossing
    };
    const Case cases[] = {
        {"sin(x), no sample on a root", "sin(x)", 51, {-pi, 0, pi}, 1e-4},
        // Samples every 0.5: x = 0 is one, and sin(0) is exactly 0.
        {"sin(x), a sample exactly on 0", "sin(x)", 16, {-pi, 0, pi}, 1e-2},
        // A curve on the axis: the left end of each segment's overlap.
        {"constant 0", "0", 8, {-4, -3, -2, -1, 0, 1, 2, 3}, 1e-6},
    };
    Scale2D = 0.5f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = Graph("x", c.function, -4, 4, c.segments);
        if (c.segments == 16) {
            ASSERT_EQ(g->Vert3D(0, 8).y, 0.0f);
        }
        g->ShowRoot = true;
        const Feedback f = Draw(*g);

        const std::vector<std::string> lines = PaneLines(pane.Text());
        ASSERT_EQ(lines.size(), c.roots.size() + 2);
        EXPECT_EQ(lines.front(), std::string("函数 y=") + c.function);
        EXPECT_EQ(lines.back(), "");
        const auto markers = TriangleMarkers(f, RootColour);
        ASSERT_EQ(markers.size(), c.roots.size());
        for (std::size_t k = 0; k < c.roots.size(); ++k) {
            const std::string& line = lines[k + 1];
            const std::string head = "    根: x=";
            ASSERT_EQ(line.substr(0, head.size()), head) << line;
            const std::size_t comma = line.find(",y=");
            ASSERT_NE(comma, std::string::npos) << line;
            const double x = ParseNumericPrefix(line.substr(head.size()));
            const double y = ParseNumericPrefix(line.substr(comma + 3));
            EXPECT_NEAR(x, c.roots[k], c.tolerance) << line;
            EXPECT_NEAR(y, 0, 1e-6) << line;
            // Marked where the root is, in drawing units.
            EXPECT_NEAR(markers[k].first, c.roots[k] / 0.5, 2 * c.tolerance + 1e-3);
            EXPECT_NEAR(markers[k].second, 0, 1e-3);
        }
    }

    // No crossing in the box: only the separator line.
    RecordingResultPane pane;
    auto above = Graph("x", "x^2+1", -2, 2, 10);
    above->ShowRoot = true;
    Draw(*above);
    EXPECT_EQ(pane.Text(), "函数 y=x^2+1\r\n\r\n");
}

TEST_F(PlaneDrawingTest, HeaderLineNamesTheFunctionByFormAndCoordinates) {
    struct Case {
        std::int32_t type, coord, form;
        const char* y;
        const char* z;
        const char* pane;
    };
    const Case cases[] = {
        {GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Explicit, "x", "2x+1", "函数 y=2x+1\r\n"},
        {GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Parametric, "cos(u)", "sin(u)",
         "函数 x=cos(u), y=sin(u)\r\n"},
        {GraphType::Function2D, CoordType::Polar, FunForm::Explicit, "a", "1+cos(a)", "函数 r=1+cos(a)\r\n"},
        {GraphType::Function2D, CoordType::Polar, FunForm::Parametric, "u", "1+cos(u)",
         "函数 a=u, r=1+cos(u)\r\n"},
        // Every kind of the branch begins with it.
        {GraphType::StepStem, CoordType::PlaneCartesian, FunForm::Explicit, "x", "x^2", "函数 y=x^2\r\n"},
        {GraphType::Series, CoordType::PlaneCartesian, FunForm::Explicit, "x", "x^n", "函数 y=x^n\r\n"},
        // Implicit and inequality forms, and a form never set, write nothing.
        {GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Implicit, "x", "x^2+y^2-1", ""},
        {GraphType::Function2D, CoordType::PlaneCartesian, FunForm::Inequality, "x", "x^2+y^2-1", ""},
        {GraphType::Function2D, CoordType::PlaneCartesian, 0, "x", "x", ""},
        // Other coordinate systems have no header.
        {GraphType::Function2D, CoordType::Cartesian, FunForm::Explicit, "x", "x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pane);
        RecordingResultPane pane;
        pane.SetText("old\r\n");
        auto g = Graph(c.y, c.z, -1, 1, 4, c.type, c.form, c.coord, false);
        const Feedback f = Draw(*g);
        EXPECT_EQ(pane.Text(), c.pane);
        if (c.form != FunForm::Explicit && c.form != FunForm::Parametric) {
            EXPECT_TRUE(f.lines.empty() && f.polygons.empty());
        }
    }
}

TEST_F(PlaneDrawingTest, CurveAndInverseFollowTheSamplesAndLeaveGapsAtUndefinedOnes) {
    Scale2D = 0.5f;
    auto g = Graph("x", "x^2", -2, 2, 4);
    g->ShowInverse = true;
    const std::vector<std::pair<float, float>> samples{{-2, 4}, {-1, 1}, {0, 0}, {1, 1}, {2, 4}};
    const auto expectSegments = [&](const std::vector<FeedbackLine>& lines, const std::vector<int>& which,
                                    bool swapped) {
        ASSERT_EQ(lines.size(), which.size());
        for (std::size_t k = 0; k < which.size(); ++k) {
            const auto [x1, y1] = samples[std::size_t(which[k])];
            const auto [x2, y2] = samples[std::size_t(which[k]) + 1];
            const FeedbackLine& l = lines[k];
            EXPECT_NEAR(l.from.x, (swapped ? y1 : x1) / 0.5, 1e-3);
            EXPECT_NEAR(l.from.y, (swapped ? x1 : y1) / 0.5, 1e-3);
            EXPECT_NEAR(l.to.x, (swapped ? y2 : x2) / 0.5, 1e-3);
            EXPECT_NEAR(l.to.y, (swapped ? x2 : y2) / 0.5, 1e-3);
        }
    };
    Feedback f = Draw(*g);
    expectSegments(LinesOf(f, CurveColour), {0, 1, 2, 3}, false);
    // The inverse is the curve mirrored in y = x: (4, -2), (1, -1), (0, 0), (1, 1), (4, 2).
    expectSegments(LinesOf(f, InverseColour), {0, 1, 2, 3}, true);

    // An undefined sample takes out both segments that touch it.
    g->Vert3D(0, 2).y = UndefinedValue;
    f = Draw(*g);
    expectSegments(LinesOf(f, CurveColour), {0, 3}, false);
    expectSegments(LinesOf(f, InverseColour), {0, 3}, true);
    g->Vert3D(0, 2).y = 0;

    // A coordinate that is beyond the range of GL's floats once scaled is
    // left out the same way.
    g->Vert3D(0, 4).y = 3e38f;
    f = Draw(*g);
    EXPECT_EQ(LinesOf(f, CurveColour).size(), 3u);
    g->Vert3D(0, 4).y = 4;

    // Fewer samples than StepV asks for, or none at all: the missing points
    // are left out, nothing is raised.
    g->Vert3D.Create(0, 2);
    for (int j = 0; j <= 2; ++j) g->Vert3D(0, j) = Cls2::Init(samples[std::size_t(j)].first, samples[std::size_t(j)].second, 0);
    EXPECT_NO_THROW(f = Draw(*g));
    expectSegments(LinesOf(f, CurveColour), {0, 1}, false);
    g->Vert3D.Clear();
    EXPECT_NO_THROW(f = Draw(*g));
    EXPECT_TRUE(LinesOf(f, CurveColour).empty());

    // Show2DCurve off leaves out the curve but not the inverse.
    g = Graph("x", "x^2", -2, 2, 4);
    g->Show2DCurve = false;
    g->ShowInverse = true;
    f = Draw(*g);
    EXPECT_TRUE(LinesOf(f, CurveColour).empty());
    EXPECT_EQ(LinesOf(f, InverseColour).size(), 4u);
}

TEST_F(PlaneDrawingTest, StepPlotHasARiserAndATreadPerSegmentAndStemsStandOnEverySample) {
    auto g = Graph("x", "x^2", 0, 3, 3, GraphType::StepStem);
    g->Show2DCurve = false;
    g->ShowStep = true;
    g->ShowStem = true;
    // y = 0, 1, 4, 9 at x = 0..3.
    Feedback f = Draw(*g);
    const std::vector<FeedbackLine> steps = LinesOf(f, StepColour);
    ASSERT_EQ(steps.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        const float x1 = float(i), x2 = float(i + 1), y1 = x1 * x1, y2 = x2 * x2;
        const FeedbackLine& riser = steps[std::size_t(2 * i)];
        const FeedbackLine& tread = steps[std::size_t(2 * i + 1)];
        EXPECT_NEAR(riser.from.x, x1, 1e-3);
        EXPECT_NEAR(riser.from.y, y1, 1e-3);
        EXPECT_NEAR(riser.to.x, x1, 1e-3);
        EXPECT_NEAR(riser.to.y, y2, 1e-3);
        EXPECT_NEAR(tread.from.x, x1, 1e-3);
        EXPECT_NEAR(tread.from.y, y2, 1e-3);
        EXPECT_NEAR(tread.to.x, x2, 1e-3);
        EXPECT_NEAR(tread.to.y, y2, 1e-3);
    }
    const std::vector<FeedbackLine> stems = LinesOf(f, StemColour);
    const auto heads = TriangleMarkers(f, HeadColour);
    ASSERT_EQ(stems.size(), 4u);
    ASSERT_EQ(heads.size(), 4u);
    for (int i = 0; i <= 3; ++i) {
        const float x = float(i), y = x * x;
        EXPECT_NEAR(stems[std::size_t(i)].from.x, x, 1e-3);
        EXPECT_NEAR(stems[std::size_t(i)].from.y, y, 1e-3);
        EXPECT_NEAR(stems[std::size_t(i)].to.x, x, 1e-3);
        EXPECT_NEAR(stems[std::size_t(i)].to.y, 0, 1e-3);
        EXPECT_NEAR(heads[std::size_t(i)].first, x, 1e-3);
        EXPECT_NEAR(heads[std::size_t(i)].second, y, 1e-3);
    }

    // An undefined sample has neither stem nor head, and no step touches it.
    g->Vert3D(0, 1).y = UndefinedValue;
    f = Draw(*g);
    EXPECT_EQ(LinesOf(f, StepColour).size(), 2u);
    EXPECT_EQ(LinesOf(f, StemColour).size(), 3u);
    EXPECT_EQ(TriangleMarkers(f, HeadColour).size(), 3u);

    // Steps and stems belong to the step/stem kind only.
    auto plain = Graph("x", "x^2", 0, 3, 3);
    plain->ShowStep = plain->ShowStem = true;
    f = Draw(*plain);
    EXPECT_TRUE(LinesOf(f, StepColour).empty());
    EXPECT_TRUE(LinesOf(f, StemColour).empty());
}

TEST_F(PlaneDrawingTest, EachKindDrawsItsOwnSamples) {
    // A plane animation draws the samples of the frame drawn.
    FrameCount = 2;
    auto anim = Graph("x", "x", 0, 2, 2, GraphType::Function2DAnimation, FunForm::Explicit,
                      CoordType::PlaneCartesian, false);
    anim->Animation = true;
    ASSERT_TRUE(anim->Anim2D.Create(2, 2));
    for (int f = 0; f <= 2; ++f)
        for (int j = 0; j <= 2; ++j) anim->Anim2D(j, f) = Cls2::Init(float(j), float(f * 3 + j), 0);
    for (int frame : {0, 2}) {
        SCOPED_TRACE(frame);
        const std::vector<FeedbackLine> lines = LinesOf(Draw(*anim, frame), CurveColour);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NEAR(lines[0].from.y, frame * 3, 1e-3);
        EXPECT_NEAR(lines[1].to.y, frame * 3 + 2, 1e-3);
    }
    EXPECT_NO_THROW(Draw(*anim, 7)); // a frame that was never sampled draws nothing

    // An intersection graph draws its second function in its own colour.
    auto both = Graph("x", "x", -1, 1, 4, GraphType::Intersection, FunForm::Explicit, CoordType::PlaneCartesian,
                      false);
    both->Exp2 = "-x";
    ASSERT_TRUE(both->GetPoints());
    Feedback f = Draw(*both);
    EXPECT_EQ(LinesOf(f, CurveColour).size(), 4u);
    const std::vector<FeedbackLine> second = LinesOf(f, SecondColour);
    ASSERT_EQ(second.size(), 4u);
    EXPECT_NEAR(second[0].from.y, 1, 1e-3);
    EXPECT_NEAR(second[3].to.y, -1, 1e-3);

    // A series draws in its series colour.
    auto series = Graph("x", "x", -1, 1, 4, GraphType::Series, FunForm::Explicit, CoordType::PlaneCartesian, false);
    series->Vert3D.Create(0, 4);
    for (int j = 0; j <= 4; ++j) series->Vert3D(0, j) = Cls2::Init(float(j), 1, 0);
    series->SeriesColor = SecondColour;
    f = Draw(*series);
    EXPECT_TRUE(LinesOf(f, CurveColour).empty());
    EXPECT_EQ(LinesOf(f, SecondColour).size(), 4u);

    // f(-x) of a plane function: the curve mirrored in the y axis.
    auto mirrored = Graph("x", "x^2+x", -2, 2, 4, GraphType::Function2D, FunForm::Explicit,
                          CoordType::PlaneCartesian, true, true);
    const std::vector<FeedbackLine> mirror = LinesOf(Draw(*mirrored), MirrorColour);
    ASSERT_EQ(mirror.size(), 4u);
    for (const FeedbackLine& l : mirror) {
        EXPECT_NEAR(l.from.y, l.from.x * l.from.x - l.from.x, 1e-3);
        EXPECT_NEAR(l.to.y, l.to.x * l.to.x - l.to.x, 1e-3);
    }
    // The other kinds have no f(-x) samples of their own: nothing is drawn.
    auto stepMirror = Graph("x", "x^2+x", -2, 2, 4, GraphType::StepStem);
    stepMirror->ShowJO = true;
    stepMirror->VertJO.Create(0, 4);
    EXPECT_TRUE(LinesOf(Draw(*stepMirror), MirrorColour).empty());
}

// Drawn for a view, a curve of many segments shorter than its pixels keeps
// its shape with fewer, longer ones (render/PlaneLine.h): each of the curve
// pass's lines and the derivative graph, y = sin(x) over -10..10 in 10,000
// segments seen at 10 pixels to the unit (the feedback view), and y =
// sin(5x), which turns within a few pixels. Every vertex lies on the
// samples, the lines follow one another, every sample keeps within half a
// pixel of the lines, and but for a run's last one the lines of sin(x)
// reach two pixels; a gap of undefined samples stays a gap. Without a view,
// and for segments of two pixels or more, every segment is drawn as sampled.
TEST_F(PlaneDrawingTest, DenseCurvesAreDrawnAsFinelyAsTheViewShowsThem) {
    using Points = std::vector<std::pair<float, float>>;
    const auto row = [](const PointGrid& grid, bool swapped) {
        Points out;
        for (std::int64_t j = 0; j <= RowUpper(grid); ++j) {
            const SamplePoint* p = grid.Find(0, j);
            if (p->x != UndefinedValue && p->y != UndefinedValue)
                out.emplace_back(swapped ? p->y : p->x, swapped ? p->x : p->y);
        }
        return out;
    };
    struct Case {
        const char* name;
        std::int32_t colour;
        std::int32_t segments;
        std::function<void(Cls9&)> prepare;
        std::function<Points(const Cls9&)> samples;
    };
    const Case cases[] = {
        {"curve", CurveColour, 10'000, [](Cls9&) {}, [&](const Cls9& g) { return row(g.Vert3D, false); }},
        {"inverse", InverseColour, 10'000, [](Cls9& g) { g.ShowInverse = true; },
         [&](const Cls9& g) { return row(g.Vert3D, true); }},
        {"second curve", SecondColour, 10'000,
         [](Cls9& g) {
             g.GraphType = GraphType::Intersection;
             g.Exp2 = "-sin(x)";
         },
         [&](const Cls9& g) { return row(g.VertInter, false); }},
        {"f(-x)", MirrorColour, 10'000, [](Cls9& g) { g.ShowJO = true; },
         [&](const Cls9& g) { return row(g.VertJO, false); }},
        {"derivative", MirrorColour, 10'000,
         [](Cls9& g) {
             g.ShowDev = true;
             g.DevColor = MirrorColour;
             g.DevWidth = 1;
         },
         [&](const Cls9& g) { return row(g.VertDev, false); }},
        {"curve with a gap", CurveColour, 10'000, [](Cls9&) {}, [&](const Cls9& g) { return row(g.Vert3D, false); }},
        {"curve of long segments", CurveColour, 60, [](Cls9&) {}, [&](const Cls9& g) { return row(g.Vert3D, false); }},
        {"curve turning within pixels", CurveColour, 10'000, [](Cls9& g) { g.ExpressZ = "sin(5*x)"; },
         [&](const Cls9& g) { return row(g.Vert3D, false); }},
    };
    const double pixel = 1.0 / (Side / (2 * Range));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Graph("x", "sin(x)", -10, 10, c.segments, GraphType::Function2D, FunForm::Explicit,
                       CoordType::PlaneCartesian, false);
        c.prepare(*g);
        ASSERT_TRUE(g->GetPoints());
        const bool gap = std::string(c.name) == "curve with a gap";
        const bool turning = std::string(c.name) == "curve turning within pixels";
        if (gap) g->Vert3D(0, 5000).y = UndefinedValue;
        const Points samples = c.samples(*g);

        SetCurveView(ViewMagnification());
        const std::vector<FeedbackLine> each = LinesOf(Draw(*g), c.colour);
        SetCurveView({1 / pixel, 1 / pixel});
        const std::vector<FeedbackLine> lines = LinesOf(Draw(*g), c.colour);
        const MagnificationRange range = CurveViewRange();
        SetCurveView(ViewMagnification());
        ASSERT_FALSE(lines.empty());

        EXPECT_EQ(each.size(), std::size_t(c.segments) - (gap ? 2 : 0));
        if (20.0 / c.segments >= 2 * pixel) {
            // Long segments: drawn as sampled, at any view.
            ASSERT_EQ(lines.size(), each.size());
            for (std::size_t k = 0; k < lines.size(); ++k) {
                EXPECT_EQ(lines[k].from.x, each[k].from.x);
                EXPECT_EQ(lines[k].to.y, each[k].to.y);
            }
            EXPECT_EQ(range.mostAtMost, std::numeric_limits<double>::infinity());
            continue;
        }
        EXPECT_LT(lines.size(), each.size() / 20);
        // Up to twice the magnification, and no less than three quarters of it.
        EXPECT_EQ(range.mostAtMost, 2 / pixel);
        EXPECT_LE(range.leastAtLeast, 0.75 / pixel);
        EXPECT_GT(range.leastAtLeast, 0.5 / pixel);

        const auto distance = [](double x, double y, const FeedbackLine& l) {
            const double dx = double(l.to.x) - l.from.x, dy = double(l.to.y) - l.from.y;
            const double length2 = dx * dx + dy * dy;
            const double t = length2 > 0 ? std::clamp(((x - l.from.x) * dx + (y - l.from.y) * dy) / length2, 0.0, 1.0)
                                         : 0.0;
            return std::hypot(x - l.from.x - t * dx, y - l.from.y - t * dy);
        };
        const auto nearestSample = [&](float x, float y) {
            double best = 1e30;
            for (const auto& [sx, sy] : samples) best = std::min(best, std::hypot(double(sx) - x, double(sy) - y));
            return best;
        };
        int runs = 1;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const FeedbackLine& l = lines[k];
            EXPECT_LT(nearestSample(l.from.x, l.from.y), 1e-3) << k;
            EXPECT_LT(nearestSample(l.to.x, l.to.y), 1e-3) << k;
            const bool last = k + 1 == lines.size() ||
                              std::hypot(lines[k + 1].from.x - l.to.x, lines[k + 1].from.y - l.to.y) > 1e-4;
            if (!last) continue;
            if (k + 1 < lines.size()) ++runs;
            // The run's last line may be short; where the curve does not
            // turn within a few pixels the others reach two pixels.
            if (turning) continue;
            for (std::size_t m = k; m > 0; --m) {
                const FeedbackLine& r = lines[m - 1];
                if (std::hypot(r.to.x - lines[m].from.x, r.to.y - lines[m].from.y) > 1e-4) break;
                EXPECT_GT(std::hypot(r.to.x - r.from.x, r.to.y - r.from.y), 2 * pixel - 1e-3) << m - 1;
            }
        }
        EXPECT_EQ(runs, gap ? 2 : 1);
        for (const auto& [sx, sy] : samples) {
            double nearest = 1e30;
            for (const FeedbackLine& l : lines) nearest = std::min(nearest, distance(sx, sy, l));
            EXPECT_LE(nearest, 0.5 * pixel + 1e-3) << sx;
        }
    }
}

// Samples that go back along a run once it has its direction, within a
// quarter of a pixel either side of it, still keep within half a pixel of
// the lines drawn: a line of one colour through the given samples (pixels of
// a view of 10 pixels to the unit), each ending where a sample turns away;
// and a line of one short segment is drawn.
TEST_F(PlaneDrawingTest, SamplesGoingBackAlongARunKeepWithinHalfAPixel) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> samples; // pixels
    };
    const Case cases[] = {
        // Rising at 45 degrees, x always growing: the third sample lies ahead
        // of the fourth, on the other side of the run's direction.
        {"x growing", {{0, 0}, {0.4, 0.4}, {0.6725, 1.0247}, {0.8485, 0.4964}, {1.5, -2}}},
        {"a turn back", {{0, 0}, {0.6, 0}, {1.2, 0.249}, {0.952, -0.249}, {0.9, -3}}},
        // A curve of two samples shorter than a pixel is drawn all the same.
        {"one short segment", {{0, 0}, {0.3, 0.1}}},
    };
    const double pixel = 0.1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto draw = [&] {
            PlaneLine line(ColorToRGB(CurveColour), 1);
            for (std::size_t k = 1; k < c.samples.size(); ++k) {
                const auto [x1, y1] = c.samples[k - 1];
                const auto [x2, y2] = c.samples[k];
                line.Segment(x1 * pixel, y1 * pixel, 0, x2 * pixel, y2 * pixel, 0);
            }
        };
        SetCurveView({1 / pixel, 1 / pixel});
        const std::vector<FeedbackLine> lines = LinesOf(CaptureFeedback(Side, Range, draw), CurveColour);
        SetCurveView(ViewMagnification());
        ASSERT_FALSE(lines.empty());
        for (const auto& [sx, sy] : c.samples) {
            const double x = sx * pixel, y = sy * pixel;
            double nearest = 1e30;
            for (const FeedbackLine& l : lines) {
                const double dx = double(l.to.x) - l.from.x, dy = double(l.to.y) - l.from.y;
                const double t = std::clamp(((x - l.from.x) * dx + (y - l.from.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                nearest = std::min(nearest, std::hypot(x - l.from.x - t * dx, y - l.from.y - t * dy));
            }
            EXPECT_LE(nearest / pixel, 0.5 + 1e-3) << sx << ", " << sy;
        }
    }
}

TEST_F(PlaneDrawingTest, BranchEndsWithLightingOnAndSmoothingOff) {
    auto g = Graph("x", "x", -1, 1, 2);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glEnable(GL_LINE_SMOOTH);
    g->Draw();
    ExpectLineStateEnded(2);

    // A width GL refuses draws as 1 instead of the width left by earlier drawing.
    glLineWidth(8);
    g->LineWidth = 0;
    g->Draw();
    ExpectLineStateEnded(1);

    // An implicit graph draws points and ends the same way.
    g->FunForm = FunForm::Implicit;
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glEnable(GL_POINT_SMOOTH);
    g->Draw();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
