#include "render/PlaneLine.h"

#include "core/Globals.h"
#include "render/DrawingState.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

// A run is drawn once it reaches this many pixels; its samples keep within
// this tolerance of it.
constexpr double RunPixels = 2;
constexpr double TolerancePixels = 0.5;
// How short a segment that reached RunPixels may show at another view, and
// how much more a merged run may be magnified.
constexpr double ShortestShownPixels = 1.5;
constexpr double MostMagnifiedMerge = 2;

ViewMagnification view;
MagnificationRange range;

[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] {
    view = ViewMagnification();
    range = MagnificationRange();
});

bool Usable(const ViewMagnification& m) {
    return m.least > 0 && m.most >= m.least && std::isfinite(m.most);
}

} // namespace

ViewMagnification CameraMagnification(const Cls4& camera) {
    const double across = double(camera.ScreenWidth) / camera.VolWidth;
    const double up = double(camera.ScreenHeight) / camera.VolHeight;
    const ViewMagnification m{std::min(across, up), std::max(across, up)};
    return Usable(m) ? m : ViewMagnification();
}

void SetCurveView(const ViewMagnification& next) {
    view = next;
    range = MagnificationRange();
}

MagnificationRange CurveViewRange() { return range; }

PlaneLine::PlaneLine(const ColorTriple& rgb, double width)
    : rgb_(rgb), width_(width), reach_(0), tolerance_(0), merging_(Usable(view)) {
    if (merging_) {
        reach_ = RunPixels / view.least;
        tolerance_ = TolerancePixels / view.most;
    }
}

PlaneLine::~PlaneLine() { End(); }

void PlaneLine::Segment(double x1, double y1, double z1, double x2, double y2, double z2) {
    // GL keeps vertices as 32-bit floats: a coordinate beyond their range is
    // as unusable as an undefined one.
    const double s = Scale2D;
    const Point a{float(x1 / s), float(y1 / s), float(z1 / s)};
    const Point b{float(x2 / s), float(y2 / s), float(z2 / s)};
    for (float c : {a.x, a.y, a.z, b.x, b.y, b.z})
        if (!std::isfinite(c)) {
            End();
            return;
        }
    if (!merging_) {
        Draw(a, b, 1, true);
        return;
    }
    if (!running_ || !(a == (held_ ? last_ : anchor_))) {
        End();
        running_ = true;
        anchor_ = a;
    }
    Extend(b);
}

void PlaneLine::End() {
    if (running_ && held_) Draw(anchor_, last_, span_, false);
    running_ = held_ = headed_ = false;
    span_ = 0;
}

void PlaneLine::Extend(const Point& p) {
    const double d[3] = {double(p.x) - anchor_.x, double(p.y) - anchor_.y, double(p.z) - anchor_.z};
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (!headed_) {
        // Near the anchor every direction is as good; the first point beyond
        // the tolerance sets the run's.
        if (length > tolerance_) {
            for (int k = 0; k < 3; ++k) heading_[k] = d[k] / length;
            headed_ = true;
            ahead_ = length;
        }
    } else {
        const double along = d[0] * heading_[0] + d[1] * heading_[1] + d[2] * heading_[2];
        const double cx = d[1] * heading_[2] - d[2] * heading_[1], cy = d[2] * heading_[0] - d[0] * heading_[2],
                     cz = d[0] * heading_[1] - d[1] * heading_[0];
        const double aside = std::sqrt(cx * cx + cy * cy + cz * cz);
        // Within half the tolerance of the heading's line, and not back along
        // it: every point of the run then keeps within the tolerance of the
        // segment from the anchor to this one. (A point behind the farthest
        // one, however little, could leave that one a tolerance and more
        // from the segment, on the heading's other side.)
        if (aside > tolerance_ / 2 || along < ahead_) {
            // The run ends at the point before; this one goes on from there.
            Draw(anchor_, last_, span_, false);
            anchor_ = last_;
            held_ = headed_ = false;
            span_ = 0;
            Extend(p);
            return;
        }
        ahead_ = std::max(ahead_, along);
    }
    held_ = true;
    last_ = p;
    ++span_;
    if (length >= reach_) {
        Draw(anchor_, p, span_, true);
        anchor_ = p;
        held_ = headed_ = false;
        span_ = 0;
    }
}

void PlaneLine::Draw(const Point& from, const Point& to, std::int64_t span, bool reached) {
    SetColor(rgb_);
    SetLineWidth(width_);
    glBegin(GL_LINES);
    glVertex3f(from.x, from.y, from.z);
    glVertex3f(to.x, to.y, to.z);
    glEnd();
    if (!merging_) return;
    if (span > 1) range.mostAtMost = std::min(range.mostAtMost, MostMagnifiedMerge * view.most);
    if (reached) {
        const double dx = double(to.x) - from.x, dy = double(to.y) - from.y, dz = double(to.z) - from.z;
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        if (length > 0) range.leastAtLeast = std::max(range.leastAtLeast, ShortestShownPixels / length);
    }
}
