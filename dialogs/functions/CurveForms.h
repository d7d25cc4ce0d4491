#pragma once
// The form lists and box captions of a plane curve, shared by the plane
// function dialog (frmF5: all four forms) and the strip dialog (frmF4: the
// explicit and parametric forms).
#include <array>

// The entries of a form list in list order (explicit, parametric, implicit,
// inequality) for the coordinate system and the mode (animated: the forms in t).
const std::array<const char*, 4>& PlaneFormNames(bool polar, bool animated);

// The captions of a curve form's boxes: the first and second expression
// (still and animated; second nullptr: the form has one expression) and the
// smallest, largest and segment count of its variable.
struct CurveCaptions {
    const char* first;
    const char* firstTime;
    const char* second;
    const char* secondTime;
    const char* range[3];
};
// [0 explicit, 1 parametric][0 Cartesian, 1 polar]
inline constexpr CurveCaptions CurveFormCaptions[2][2] = {
    {{"y(x)", "y(x,t)", nullptr, nullptr, {"最小 x", "最大 x", "段数 x"}},
     {"r(a)", "r(a,t)", nullptr, nullptr, {"最小 a", "最大 a", "段数 a"}}},
    {{"x(u)", "x(u,t)", "y(u)", "y(u,t)", {"最小 u", "最大 u", "段数 u"}},
     {"a(u)", "a(u,t)", "r(u)", "r(u,t)", {"最小 u", "最大 u", "段数 u"}}},
};
