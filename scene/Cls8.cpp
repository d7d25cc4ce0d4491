#include "scene/Cls8.h"

#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls3.h"

#include <algorithm>
#include <cmath>

float Scale2D = 1;
Cls8 DocumentScene;
Cls8 VisibleScene;

namespace {

// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] {
    Scale2D = 1;
    DocumentScene = Cls8();
    VisibleScene = Cls8();
});

float F(double v) { return static_cast<float>(v); }

// A bound snapped outward to the next whole multiple of step beyond it
// (always on the side of its sign: the origin stays inside).
float SnapOutward(float bound, double step, bool lower) {
    const double count = std::floor(std::fabs(double(bound)) / step) + 1;
    return F((lower ? -count : count) * step);
}

} // namespace

Cls1 ShownBox(const Cls1& box) {
    if (DocumentKind != 7) return box;
    return Cls1{box.MinZ, box.MaxZ, box.MinX, box.MaxX, box.MinY, box.MaxY};
}

namespace {

// A graph's box in the axes of the scene box. A point of a special-graph
// document is drawn where its x and y are, as a plane point is (its dialog
// asks for those two there), while the pictures hold the X text in z and the
// Y text in x: its box is turned into theirs, so that ShownBox gives it back.
Cls1 SceneAxesBox(const Cls9& g, const Cls1& box) {
    if (DocumentKind != 7 || (g.GraphType != GraphType::Point && g.GraphType != GraphType::PointAnimation))
        return box;
    return Cls1{box.MinY, box.MaxY, box.MinZ, box.MaxZ, box.MinX, box.MaxX};
}

} // namespace

double PlaneTickStep(float scale2D) {
    const double s = 2 * double(scale2D);
    if (s < 1) return 1;
    if (s < 5) return std::floor(s) + 1;
    return (std::floor(s / 5) + 1) * 5;
}

bool Cls8::Animation() const {
    for (const auto& e : FunSurfs)
        if (e.graph->Animation) return true;
    return false;
}

Cls1 Cls8::GetBox(std::int32_t lngAnimStep) const {
    Cls1 united = UnionStart;
    for (const auto& e : FunSurfs) {
        Cls9& g = *e.graph;
        united.Widen(SceneAxesBox(g, g.Animation ? g.GetBox(lngAnimStep) : g.GetBox()));
    }
    const float minX = united.MinX, maxX = united.MaxX, minY = united.MinY, maxY = united.MaxY;
    const float minZ = united.MinZ, maxZ = united.MaxZ;
    // The padded box; in a plane document x and y are then snapped from the
    // union itself, so a bound on a whole step (say y = 1 with step 1) moves
    // out to the next one (2), as the pad would have it were it not rounded
    // away in Single precision.
    Cls1 box{F(minX - 0.04), F(maxX + 0.04), F(minY - 0.04), F(maxY + 0.04), F(minZ - 0.04), F(maxZ + 0.04)};
    Scale2D = F(std::max({std::fabs(box.MinX), std::fabs(box.MaxX), std::fabs(box.MinY), std::fabs(box.MaxY),
                          std::fabs(box.MinZ), std::fabs(box.MaxZ)}) /
                10.0);
    if (DocumentKind == 1 || DocumentKind == 4) {
        const double step = PlaneTickStep(Scale2D);
        const double xstep = Axes.ShowPI ? double(3.1416f) : step;
        box.MinX = SnapOutward(minX, xstep, true);
        box.MaxX = SnapOutward(maxX, xstep, false);
        box.MinY = SnapOutward(minY, step, true);
        box.MaxY = SnapOutward(maxY, step, false);
    }
    return box;
}
