#pragma once
// How far the coordinate systems draw beyond the box they are given, so that
// a view can be fitted to all they draw.

// The plane x axis's tick step when it counts in π (ShowPI).
inline constexpr double PlanePiStep = 3.1416;
// The plane axes' outermost tick (or grid line) on the side of a box bound,
// in values: the whole steps to the bound taken 0.04 toward the origin, plus
// one.
double PlaneOutermostTick(double bound, double step, bool lower);
// Beyond the outermost ticks, in drawing units: the plane axis lines reach
// this far on both sides, the arrowheads (their titles beside them) this far
// on the upper sides.
inline constexpr double PlaneAxisLineReach = 2.1;
inline constexpr double PlaneArrowReach = 2.6;

// The special frame's ticks stand this long below it and left of it, their
// labels and the titles beyond them.
inline constexpr double SpecialTickLength = 0.3;
