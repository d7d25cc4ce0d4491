#pragma once
// Plane curves drawn as finely as the view's pixels show them.
//
// A smoothed GL line fades at each end of a segment over about a pixel, so a
// curve sampled into segments much shorter than a pixel comes out pale, and
// at a million segments not at all; and every segment costs the same to
// draw. The curves are therefore drawn for a view (render/CurveView.h):
// consecutive segments are merged into one until it reaches two pixels, as
// long as every sample it passes keeps within half a pixel of it; pieces of
// two pixels lose almost nothing at their ends. The vertices drawn are
// sample points, and the samples are not touched. A segment of two pixels or
// more is drawn as sampled, and without a view every segment is.
//
// Pixels are those of the view's magnification (pixels per drawing unit).
// The view volume's aspect may differ from the area's, so it magnifies
// between a least and a most: a merged segment reaches two pixels at the
// least, and the samples keep within half a pixel at the most. A
// perspective view magnifies the plane of the curves no more than its near
// plane, which the view volume gives.
#include "render/CurveView.h"
#include "render/GraphDrawing.h"

#include <cstdint>

// One curve, drawn segment by segment as the caller meets them, in its
// colour and width (set before each segment it draws). A segment that does
// not start where the one before it ended starts a new run. Every vertex is
// the graph coordinate divided by Scale2D as a 32-bit float; a segment with
// an end that is not finite there is left out. What is still held is drawn
// by End, or at the latest when the line goes.
class PlaneLine {
public:
    PlaneLine(const ColorTriple& rgb, double width);
    ~PlaneLine();
    PlaneLine(const PlaneLine&) = delete;
    PlaneLine& operator=(const PlaneLine&) = delete;

    // The segment between two points in graph coordinates.
    void Segment(double x1, double y1, double z1, double x2, double y2, double z2);
    // Draws the run held.
    void End();

private:
    struct Point {
        float x, y, z;
        bool operator==(const Point&) const = default;
    };
    void Extend(const Point& p);
    void Draw(const Point& from, const Point& to, std::int64_t span, bool reached);

    ColorTriple rgb_;
    double width_;
    double reach_;      // a run's length in drawing units (2 pixels)
    double tolerance_;  // half a pixel in drawing units
    bool merging_;
    bool running_ = false;
    Point anchor_{};          // where the run starts
    bool held_ = false;       // a run's last point is held
    Point last_{};            // ... and is this point
    std::int64_t span_ = 0;   // sampled segments from the anchor to the last point
    bool headed_ = false;     // the run's direction is set
    double heading_[3]{};     // ... unit vector, from the first point beyond the tolerance
    double ahead_ = 0;        // the farthest any point of the run got along it
};
