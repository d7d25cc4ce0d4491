#pragma once
// The view plane curves are drawn for (render/PlaneLine.h, which defines what
// is declared here): its magnification, and the range of magnifications at
// which the curves drawn still look as they would be drawn there. The main
// window sets the view before it compiles its lists and compiles them again
// when a paint's view has left the range.
#include <limits>

class Cls4;

struct ViewMagnification {
    double least = 0;
    double most = 0;
};

// The magnification of the camera's view: the area's pixels over the view
// volume's width and height (0, 0 for a volume or area without size).
ViewMagnification CameraMagnification(const Cls4& camera);

// The view the curves are drawn for from now on. Without a view (the start,
// and after ResetProgramState), or with a magnification that is not positive
// and finite, every segment is drawn as sampled.
void SetCurveView(const ViewMagnification& view);

// The magnifications at which what was drawn since SetCurveView still looks
// as it would be drawn there: merged runs stay within a pixel of their
// samples up to twice the most magnification, and no segment that reached
// two pixels shows shorter than a pixel and a half.
struct MagnificationRange {
    double leastAtLeast = 0;
    double mostAtMost = std::numeric_limits<double>::infinity();
    bool Holds(const ViewMagnification& view) const {
        return view.least >= leastAtLeast && view.most <= mostAtMost;
    }
};
MagnificationRange CurveViewRange();
