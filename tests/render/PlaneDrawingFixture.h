#pragma once
// For tests of the plane graph sequence: a GL context drawing a 400 x 400
// view of -20..20, a plane document with Scale2D 1, graphs with every overlay
// colour of the curve pass set, and readers of the feedback (the pane's
// lines and the end state: tests/support/DrawingChecks.h).
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "scene/Cls8.h"

#include "tests/support/DrawingChecks.h"
#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace plane_test {

inline constexpr int Side = 400;
inline constexpr float Range = 20; // the feedback view shows -20..20

// Colours of the overlays, each its own so that feedback tells them apart.
inline constexpr std::int32_t CurveColour = 255;               // red
inline constexpr std::int32_t InverseColour = 65280;           // green
inline constexpr std::int32_t RootColour = 16711680;           // blue
inline constexpr std::int32_t StepColour = 255 + 65536 * 255;  // magenta
inline constexpr std::int32_t StemColour = 255 + 256 * 255;    // yellow
inline constexpr std::int32_t HeadColour = 256 * 255 + 65536 * 255; // cyan
inline constexpr std::int32_t SecondColour = 128;              // dark red
inline constexpr std::int32_t MirrorColour = 128 * 256;        // dark green

struct Rgb {
    int r, g, b;
};
inline Rgb Split(std::int32_t c) { return {c & 255, (c >> 8) & 255, (c >> 16) & 255}; }

inline std::vector<FeedbackLine> LinesOf(const Feedback& f, std::int32_t colour) {
    const Rgb c = Split(colour);
    return f.LinesOf(c.r, c.g, c.b);
}

// The centres of the triangle markers (symbol 4) of a colour: the triangle
// (x, y + t), (x - t, y - t), (x + t, y - t).
inline std::vector<std::pair<float, float>> TriangleMarkers(const Feedback& f, std::int32_t colour) {
    const Rgb c = Split(colour);
    std::vector<std::pair<float, float>> out;
    for (const auto& p : f.PolygonsOf(c.r, c.g, c.b)) {
        if (p.size() != 3) continue;
        const float t = (p[0].y - p[1].y) / 2;
        out.emplace_back(p[0].x, p[0].y - t);
    }
    return out;
}

class PlaneDrawingTest : public ProgramStateTest {
protected:
    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        DocumentKind = 1;
        Scale2D = 1;
    }
    void TearDown() override { gl_.reset(); }

    // An explicit or parametric plane graph with every overlay colour set
    // (and switched off), sampled unless `sample` is false.
    static std::shared_ptr<Cls9> Graph(const std::string& y, const std::string& z, float minV, float maxV,
                                       std::int32_t stepV, std::int32_t type = GraphType::Function2D,
                                       std::int32_t form = FunForm::Explicit,
                                       std::int32_t coord = CoordType::PlaneCartesian, bool sample = true,
                                       bool mirrored = false) {
        std::shared_ptr<Cls9> g = Cls9::Init(1, "f", type, coord, "0", y, z, 1, stepV, 0, 0, minV, maxV,
                                             FillStyle::OneColor, 0, 0, CurveColour, 2, 1, Show::FilledSurface,
                                             Smoothness::Smooth);
        g->FunForm = form;
        g->Show2DCurve = true;
        g->InvColor = InverseColour;
        g->InvWidth = 1;
        g->RootColor = RootColour;
        g->RootSize = 1;
        g->RootSymbol = Symbol::FilledTriangle;
        g->StepColor = StepColour;
        g->StepWidth = 1;
        g->StemBodyColor = StemColour;
        g->StemBodyWidth = 1;
        g->StemHeadColor = HeadColour;
        g->StemHeadSize = 1;
        g->StemHeadSymbol = Symbol::FilledTriangle;
        g->Color2 = SecondColour;
        g->Width2 = 1;
        g->JOColor = MirrorColour;
        g->JOWidth = 1;
        g->ShowJO = mirrored;
        if (sample) {
            EXPECT_TRUE(g->GetPoints());
        }
        return g;
    }

    static Feedback Draw(Cls9& g, std::int32_t frame = 0) {
        return CaptureFeedback(Side, Range, [&] { g.Draw(frame); });
    }

private:
    std::unique_ptr<GlTestContext> gl_;
};

} // namespace plane_test
