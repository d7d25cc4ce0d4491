#pragma once
// The dialogs of the sample documents as data: what a user leaves in a
// dialog's boxes (texts as typed, colours as picked, ticks and options), each
// member starting at the dialog's own default, and the graph its OK builds
// from them: the same filters, bound evaluation, counts and Init arguments, in
// the OK's order. The graphs of the special plane and vector kinds come from
// the builders the drawing tests share (tests/support/DialogGraphs.h).
#include "core/ColorService.h"
#include "core/NumberText.h"
#include "graph/Cls9.h"
#include "math/Cls6.h"
#include "math/Module1.h"
#include "tests/support/DialogGraphs.h"

#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A box the OK would refuse throws DialogRefusal (no graph is made). The graph
// gets no ID and is not sampled: the caller adds it as the new path does.

// The OK refused the boxes: the message the dialog would show.
class DialogRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A box through CheckExpression: its cleaned text.
inline std::string FilteredExpression(const std::string& typed) {
    std::string out;
    if (!CheckExpression(typed, out)) throw DialogRefusal("存在非法数据。 (" + typed + ")");
    return out;
}
// A box through CheckNumber: its cleaned text.
inline std::string FilteredNumber(const std::string& typed) {
    std::string out;
    if (!CheckNumber(typed, out)) throw DialogRefusal("存在非法数据。 (" + typed + ")");
    return out;
}
// A bound box as the OKs evaluate it: filtered, compiled as it stands and
// evaluated in radians with every variable 0; `start` when it yields no value.
inline float DialogBound(const std::string& typed, float start = 0) {
    const std::string text = FilteredExpression(typed);
    Cls6 engine;
    std::string postfix;
    if (engine.InfixToPostfix(text, postfix) != 0) throw DialogRefusal("语法错误 (" + typed + ")");
    float value = start;
    if (!engine.DoEvaluate(postfix, false, value, 0, 0, 0, 0, 0, 0, 0, 0, 0)) value = start;
    return value;
}
// A whole count read from a text (segments, widths, sizes, levels).
inline std::int32_t DialogCount(const std::string& typed) {
    const std::optional<std::int32_t> n = WholeCount(typed);
    if (!n) throw DialogRefusal("count beyond 32 bits (" + typed + ")");
    return *n;
}
// A segment count that the OK tests against 1 before rounding.
inline std::int32_t DialogSegments(const std::string& typed, const char* message) {
    if (typed.empty()) throw DialogRefusal("请输入所有参数。");
    if (NumericValue(typed) < 1) throw DialogRefusal(message);
    return DialogCount(typed);
}
// A range test on the leading numbers of two boxes.
inline void DialogRangeByText(const std::string& minimum, const std::string& maximum, const char* message) {
    if (NumericValue(maximum) < NumericValue(minimum)) throw DialogRefusal(message);
}

// ---- Controls shared by several dialogs ----

// The fill options and their colour boxes (strips, surfaces, revolution
// surfaces, strip and surface tables): a gradient from colour1 to colour2, or
// one colour (the single-colour box) with colour1 kept as the first colour.
enum class Fill { LeftToRight, FrontToBack, TopToBottom, OneColor };
struct SurfaceLook {
    Fill fill = Fill::TopToBottom;
    std::int32_t colour1 = 255;     // "颜色1"
    std::int32_t colour2 = 0xFF0000; // "颜色2"
    std::int32_t single = 255;       // beside "单色"
    std::int32_t material = Material::Metal;
    std::int32_t show = Show::FilledSurface;
    std::int32_t smoothness = Smoothness::Smooth;
};
inline std::int32_t FillStyleOf(Fill f) {
    switch (f) {
    case Fill::LeftToRight: return FillStyle::LeftToRight;
    case Fill::FrontToBack: return FillStyle::FrontToBack;
    case Fill::TopToBottom: return FillStyle::TopToBottom;
    case Fill::OneColor: return FillStyle::OneColor;
    }
    return 0;
}
inline std::int32_t SecondColourOf(const SurfaceLook& look) {
    return look.fill == Fill::OneColor ? look.single : look.colour2;
}

// ---- frmF5, the plane function dialog (plain and animation mode) ----
enum class PlaneForm { Explicit, Parametric, Implicit, Inequality }; // Combo3's order

// An overlay drawn as a line: tick, colour box, width list (text "1").
template <std::int32_t DefaultColour>
struct LineOverlay {
    bool on = false;
    std::int32_t colour = DefaultColour;
    std::string width = "1";
};
// Marked points: tick, colour box, size list ("2"), marker (1 filled circle).
template <std::int32_t DefaultColour>
struct MarkerOverlay {
    bool on = false;
    std::int32_t colour = DefaultColour;
    std::string size = "2";
    std::int32_t symbol = Symbol::FilledCircle;
};
// An overlay at listed positions: the entries added to its list.
template <std::int32_t DefaultColour>
struct PositionOverlay {
    bool on = false;
    std::int32_t colour = DefaultColour;
    std::string width = "1";
    std::vector<std::string> at;
};
struct RangeOverlay {
    bool on = false;
    std::string from, to;
};
struct IntegralOverlay {
    bool on = false;
    std::int32_t colour = RGB(255, 128, 0);
    std::string from, to;
};

struct PlaneFunctionBoxes {
    std::string name = "Untitled";
    bool polar = false;
    PlaneForm form = PlaneForm::Explicit;
    std::string f, g;               // the expression boxes (g: the parametric second)
    std::string from, to;           // x, a or u range
    std::string segments = "300";
    std::string yFrom, yTo;         // implicit and inequality forms
    bool animated = false;          // opened by an animation command
    std::string tFrom, tTo;
    std::int32_t colour = RGB(0, 0, 255);
    std::string width = "1";
    bool showCurve = true;          // "显示原函数的图形"
    LineOverlay<RGB(255, 0, 0)> inverse;
    LineOverlay<RGB(255, 0, 255)> derivative;
    IntegralOverlay integral;
    MarkerOverlay<RGB(0, 64, 0)> maxima;
    MarkerOverlay<RGB(128, 64, 64)> minima;
    MarkerOverlay<RGB(128, 0, 128)> inflections;
    LineOverlay<RGB(0, 192, 192)> mirror;
    MarkerOverlay<RGB(64, 0, 64)> roots;
    PositionOverlay<RGB(0, 128, 0)> curvature;
    RangeOverlay arcLength;
    PositionOverlay<RGB(128, 0, 0)> tangents;
    PositionOverlay<RGB(64, 64, 0)> normals;
};

namespace dialog_detail {
// A position list's entry as the OK reads it.
inline float DialogPosition(const std::string& typed) {
    Cls6 engine;
    if (const std::optional<float> value = PositionValue(engine, FilteredExpression(typed))) return *value;
    throw DialogRefusal("存在非法数据。 (" + typed + ")");
}
inline void Positions(const std::vector<std::string>& entries, std::int32_t& count, PositionList& list) {
    if (entries.size() > static_cast<std::size_t>(PositionList::Upper)) throw DialogRefusal("more than 50 positions");
    count = static_cast<std::int32_t>(entries.size());
    for (std::int32_t i = 1; i <= count; ++i) list(i) = DialogPosition(entries[std::size_t(i - 1)]);
}
// An overlay drawn as a line, and marked points, into the graph's fields.
template <class Overlay>
void StoreLine(const Overlay& o, bool& show, std::int32_t& colour, std::int32_t& width) {
    show = o.on;
    colour = o.colour;
    width = DialogCount(o.width);
}
template <class Overlay>
void StoreMarkers(const Overlay& o, bool& show, std::int32_t& colour, std::int32_t& size, std::int32_t& symbol) {
    show = o.on;
    colour = o.colour;
    size = DialogCount(o.size);
    symbol = o.symbol;
}
// A bound box of a page that may be disabled: an empty one stays 0.
inline float PageBound(const std::string& typed) { return typed.empty() ? 0.0f : DialogBound(typed); }
} // namespace dialog_detail

inline std::shared_ptr<Cls9> BuildGraph(const PlaneFunctionBoxes& b) {
    using namespace dialog_detail;
    const bool explicitOrParametric = b.form == PlaneForm::Explicit || b.form == PlaneForm::Parametric;
    // The analysis controls are enabled for the explicit form only (not in a
    // new animation), and only some of them in polar coordinates.
    const bool analysis = b.form == PlaneForm::Explicit && !b.animated;
    const bool polarSubset = analysis && !b.polar;
    const bool anyAnalysis = b.inverse.on || b.derivative.on || b.integral.on || b.mirror.on || b.tangents.on ||
                             b.normals.on;
    const bool anySubset = b.maxima.on || b.minima.on || b.inflections.on || b.roots.on || b.curvature.on;
    if ((anyAnalysis && !analysis) || (anySubset && !polarSubset))
        throw DialogRefusal("an analysis tick on a disabled control");
    // Filter and checks of the form.
    const std::string f = FilteredExpression(b.f);
    const std::string g = b.form == PlaneForm::Parametric ? FilteredExpression(b.g) : std::string();
    DialogRangeByText(b.from, b.to, b.form == PlaneForm::Parametric ? "最小u必须小于最大u。" : "最小x必须小于最大x。");
    std::int32_t stepU = 0, stepV = 0;
    float minU = 0, maxU = 0, minV = 0, maxV = 0;
    const float from = DialogBound(b.from), to = DialogBound(b.to);
    if (explicitOrParametric) {
        stepV = DialogSegments(b.segments, b.form == PlaneForm::Parametric ? "段数u必须大于1。" : "段数x必须大于1。");
        stepU = 1;
        maxU = 1.0f;
        minV = from;
        maxV = to;
    } else {
        DialogRangeByText(b.yFrom, b.yTo, "最小y必须小于最大y。");
        minU = from;
        maxU = to;
        minV = DialogBound(b.yFrom);
        maxV = DialogBound(b.yTo);
    }
    const std::int32_t coord = b.polar ? CoordType::Polar : CoordType::PlaneCartesian;
    const std::string variable = b.polar ? "a" : "x";
    auto graph = Cls9::Init(0, b.name, GraphType::Function2D, coord, "0",
                            b.form == PlaneForm::Parametric ? f : variable, b.form == PlaneForm::Parametric ? g : f,
                            stepU, stepV, minU, maxU, minV, maxV, FillStyle::OneColor, 16711680, 16711680, b.colour,
                            DialogCount(b.width), Material::Metal, Show::Wireframe, Smoothness::Smoother);
    static constexpr std::int32_t forms[] = {FunForm::Explicit, FunForm::Parametric, FunForm::Implicit,
                                             FunForm::Inequality};
    Cls9& x = *graph;
    x.FunForm = forms[static_cast<int>(b.form)];
    x.Show2DCurve = b.showCurve;
    StoreLine(b.inverse, x.ShowInverse, x.InvColor, x.InvWidth);
    StoreLine(b.derivative, x.ShowDev, x.DevColor, x.DevWidth);
    x.ShowInt = b.integral.on;
    x.IntColor = b.integral.colour;
    x.IntFrom = PageBound(b.integral.from);
    x.IntTo = PageBound(b.integral.to);
    StoreMarkers(b.maxima, x.ShowMax, x.MaxColor, x.MaxSize, x.MaxSymbol);
    StoreMarkers(b.minima, x.ShowMin, x.MinColor, x.MinSize, x.MinSymbol);
    StoreMarkers(b.inflections, x.ShowGuai, x.GuaiColor, x.GuaiSize, x.GuaiSymbol);
    StoreLine(b.mirror, x.ShowJO, x.JOColor, x.JOWidth);
    StoreMarkers(b.roots, x.ShowRoot, x.RootColor, x.RootSize, x.RootSymbol);
    x.ShowCurv = b.curvature.on;
    x.CurvColor = b.curvature.colour;
    x.CurvWidth = DialogCount(b.curvature.width);
    Positions(b.curvature.at, x.CurvNum, x.CurvX);
    x.ShowLen = b.arcLength.on;
    x.LenFrom = PageBound(b.arcLength.from);
    x.LenTo = PageBound(b.arcLength.to);
    x.ShowQie = b.tangents.on;
    x.QieColor = b.tangents.colour;
    x.QieWidth = DialogCount(b.tangents.width);
    Positions(b.tangents.at, x.QieNum, x.QieX);
    x.ShowNml = b.normals.on;
    x.NmlColor = b.normals.colour;
    x.NmlWidth = DialogCount(b.normals.width);
    Positions(b.normals.at, x.NmlNum, x.NmlX);
    if (b.animated) {
        x.MinT = DialogBound(b.tFrom);
        x.MaxT = DialogBound(b.tTo);
        if (x.MinT > x.MaxT) throw DialogRefusal("最小t必须小于最大t。");
        x.Animation = true;
        x.GraphType = GraphType::Function2DAnimation;
    }
    return graph;
}

// ---- frmF16, the point dialog ----
struct PointBoxes {
    std::string name;
    std::int32_t coordIndex = 0; // Combo1: plane Cartesian/polar; space Cartesian/cylindrical/spherical
    std::string x, y, z;
    std::optional<std::int32_t> colour; // nothing: the box as the opener leaves it
    std::string size = "2";
    bool hollow = false;                // plane documents
};

inline std::shared_ptr<Cls9> BuildGraph(const PointBoxes& b, std::int32_t documentKind) {
    const bool plane = documentKind == 1 || documentKind == 2;
    const bool space = !plane;
    const std::string y = FilteredExpression(b.y);
    const std::string x = FilteredExpression(b.x);
    const std::string z = space ? FilteredExpression(b.z) : std::string();
    const std::int32_t coord = (plane ? CoordType::PlaneCartesian : CoordType::Cartesian) + b.coordIndex;
    auto graph = documentKind == 3
                     ? Cls9::Init(0, b.name, GraphType::Point, coord, x, y, z, 1, 1, 0, 1, 0, 0, FillStyle::OneColor,
                                  0xFF0000, 0xFF0000, 0, 1, Material::Metal, Show::Wireframe, Smoothness::Smoother)
                     : Cls9::Init(0, b.name, GraphType::Point, coord, "0", x, y, 1, 1, 0, 1, 0, 0,
                                  FillStyle::OneColor, 0xFF0000, 0xFF0000, 0, 1, Material::Metal, Show::Wireframe,
                                  Smoothness::Smoother);
    graph->FunForm = FunForm::Parametric;
    graph->PointHollow = documentKind == 1 && b.hollow;
    // The plane opener leaves the box's system colour; the others set red.
    graph->PointColor = b.colour ? *b.colour : documentKind == 1 ? static_cast<std::int32_t>(0x80000006u) : 255;
    graph->PointSize = SingleValue(b.size);
    return graph;
}

// ---- frmF4, the strip dialog ----
struct StripBoxes {
    std::string name = "Untitled";
    bool polar = false;
    bool parametric = false;
    std::string f, g;
    std::string from, to;
    std::string segments = "40";
    bool animated = false;
    std::string tFrom, tTo;
    SurfaceLook look;
};

inline std::shared_ptr<Cls9> BuildGraph(const StripBoxes& b) {
    const std::string f = FilteredExpression(b.f);
    const std::string g = b.parametric ? FilteredExpression(b.g) : std::string();
    const std::int32_t coord = b.polar ? CoordType::Polar : CoordType::PlaneCartesian;
    const std::int32_t steps = DialogSegments(b.segments, b.parametric ? "段数u必须大于1。" : "段数x必须大于1。");
    DialogRangeByText(b.from, b.to, b.parametric ? "最小u必须小于最大u。" : "最小x必须小于最大x。");
    const float minV = DialogBound(b.from), maxV = DialogBound(b.to);
    auto graph = Cls9::Init(0, b.name, GraphType::Strip25D, coord, "0", b.parametric ? f : (b.polar ? "a" : "x"),
                            b.parametric ? g : f, 1, steps, 0, 3.0f, minV, maxV, FillStyleOf(b.look.fill),
                            b.look.colour1, SecondColourOf(b.look), 1, 1, b.look.material, b.look.show,
                            b.look.smoothness);
    graph->FunForm = b.parametric ? FunForm::Parametric : FunForm::Explicit;
    if (b.animated) {
        graph->MinT = DialogBound(b.tFrom);
        graph->MaxT = DialogBound(b.tTo);
        if (graph->MinT > graph->MaxT) throw DialogRefusal("最小t必须小于最大t。");
        graph->Animation = true;
        graph->GraphType = GraphType::Strip25DAnimation;
    }
    return graph;
}

// ---- frmF6, the space function dialog ----
enum class SpaceCoord { Cartesian, Cylindrical, Spherical }; // Combo1's order
enum class ShownSurface { Function, DzDx, DzDy };             // the option group of "偏导函数"
struct SpacePosition {
    bool on = false;
    std::string x, y;
};
struct SpaceFunctionBoxes {
    std::string name = "Untitled";
    SpaceCoord coord = SpaceCoord::Cartesian;
    bool surface = true; // Combo2: curve or surface
    bool parametric = false;
    bool animated = false;
    std::string f1, f2, f3; // explicit forms use f1 only
    std::string uFrom, uTo, uSegments = "40";
    std::string vFrom, vTo, vSegments = "40";
    std::string tFrom, tTo;
    SurfaceLook look;
    bool colourMap = false, contour = false, vectors = false;
    ShownSurface shown = ShownSurface::Function;
    SpacePosition tangent, normal;
    bool texture = false;
    std::string textureFile;
    bool blendTexture = false;
    bool transparent = false;
    std::int32_t slider = 0; // 0..10
};

inline std::shared_ptr<Cls9> BuildGraph(const SpaceFunctionBoxes& b) {
    const int c = static_cast<int>(b.coord), k = b.surface ? 1 : 0, f = b.parametric ? 1 : 0;
    // The analysis controls the kind, system and form leave enabled.
    const bool all = c == 0 && k == 1 && f == 0;
    const bool none = !all && (k != 0 || c != 0) && f != 0;
    if (!all && (b.colourMap || b.contour || b.vectors || b.shown != ShownSurface::Function))
        throw DialogRefusal("a surface view on a disabled control");
    if (none && (b.tangent.on || b.normal.on)) throw DialogRefusal("a tangent or normal on a disabled control");
    const std::string t1 = FilteredExpression(b.f1);
    const std::string t2 = b.parametric ? FilteredExpression(b.f2) : std::string();
    const std::string t3 = b.parametric ? FilteredExpression(b.f3) : std::string();
    const std::int32_t stepU = DialogSegments(b.uSegments, b.parametric ? "段数u必须大于1。" : "段数 x,y,a,r或b必须大于1。");
    std::int32_t stepV = 1;
    if (b.surface) stepV = DialogSegments(b.vSegments, b.parametric ? "段数v必须大于1。" : "段数y(或r,b)必须大于1。");
    static const char* const names[3][2] = {{"x", "y"}, {"a", "r"}, {"a", "b"}};
    const std::string ex = b.parametric ? t1 : names[c][0];
    const std::string ey = b.parametric ? t2 : names[c][1];
    const std::string ez = b.parametric ? t3 : t1;
    const float minU = DialogBound(b.uFrom), maxU = DialogBound(b.uTo);
    float minV = 0, maxV = 0;
    if (b.surface) {
        minV = DialogBound(b.vFrom);
        maxV = DialogBound(b.vTo);
        if (minV > maxV) throw DialogRefusal("最小值必须小于最大值。");
    }
    if (minU > maxU) throw DialogRefusal("最小值必须小于最大值。");
    const std::int32_t kind = b.surface ? (b.animated ? GraphType::Surface3DAnimation : GraphType::Surface3D)
                                        : (b.animated ? GraphType::Curve3DAnimation : GraphType::Curve3D);
    auto graph = Cls9::Init(0, b.name, kind, CoordType::Cartesian + c, ex, ey, ez, stepU, stepV, minU, maxU, minV,
                            maxV, FillStyleOf(b.look.fill), b.look.colour1, SecondColourOf(b.look), 0, 0,
                            b.look.material, b.look.show, b.look.smoothness);
    Cls9& g = *graph;
    g.ShowTex = b.texture;
    if (b.texture) g.TexName = b.textureFile.empty() ? " " : b.textureFile;
    g.ShowTrans = b.transparent;
    if (b.transparent) g.TransAlpha = static_cast<float>(b.slider / 10.0);
    g.TexMode = b.blendTexture ? TexMode::Blend : TexMode::Replace;
    g.FunForm = b.parametric ? FunForm::Parametric : FunForm::Explicit;
    g.ShowColormap = b.colourMap;
    g.ShowContour = b.contour;
    if (b.contour) g.ContourLevel = 10;
    g.ShowVector = b.vectors;
    g.ShowSurface = b.shown == ShownSurface::Function;
    g.ShowSurPX = b.shown == ShownSurface::DzDx;
    g.ShowSurPY = b.shown == ShownSurface::DzDy;
    const auto position = [](const std::string& typed) { return typed.empty() ? 0.0f : DialogBound(typed); };
    if (b.tangent.on) {
        g.ShowTangent = true;
        g.TangentNum = 1;
        g.TangentX(1) = position(b.tangent.x);
        g.TangentY(1) = position(b.tangent.y);
    }
    if (b.normal.on) {
        g.ShowNormal = true;
        g.NormalNum = 1;
        g.NormalX(1) = position(b.normal.x);
        g.NormalY(1) = position(b.normal.y);
    }
    if (b.animated) {
        g.MinT = DialogBound(b.tFrom);
        g.MaxT = DialogBound(b.tTo);
        if (g.MinT > g.MaxT) throw DialogRefusal("最小t必须小于最大t。");
        g.Animation = true;
    }
    return graph;
}

// ---- frmF22, frmF18, frmF21: colour map, contour plot, vector field ----
enum class FieldKind { ColourMap, Contour, VectorField };
struct FieldBoxes {
    FieldKind kind = FieldKind::Contour;
    std::string name;
    std::string x, y, z;
    std::string uFrom, uTo, uSegments; // empty segment boxes: the dialog's default
    std::string vFrom, vTo, vSegments;
    std::int32_t colour1 = 255;       // "颜色1" (colour map, contour ramp)
    std::int32_t colour2 = 0xFF0000;  // "颜色2"
    bool oneColour = false;           // contour: "单色"
    std::int32_t single = 0;          // contour "单色" box, vector field's box (black)
    std::string levels = "10";        // contour
    std::string width = "1";          // contour
};
// The values the field dialogs keep between openings (0 when the program
// starts): the contour dialog's first colour, used by its "单色".
struct FieldDialogValues {
    std::int32_t contourFirstColour = 0;
};

inline std::shared_ptr<Cls9> BuildGraph(const FieldBoxes& b, FieldDialogValues& kept) {
    const std::string x = FilteredExpression(b.x), y = FilteredExpression(b.y), z = FilteredExpression(b.z);
    const char* defaultSegments = b.kind == FieldKind::VectorField ? "20" : "40";
    const std::int32_t stepU = DialogSegments(b.uSegments.empty() ? defaultSegments : b.uSegments, "段数u必须大于1。");
    const std::int32_t stepV = DialogSegments(b.vSegments.empty() ? defaultSegments : b.vSegments, "段数v必须大于1。");
    std::int32_t fill = FillStyle::TopToBottom, first = b.colour1, second = b.colour2, width = 0, levels = 0;
    std::int32_t kind = GraphType::ColorMap;
    if (b.kind == FieldKind::Contour) {
        kind = GraphType::Contour;
        if (b.oneColour) {
            fill = FillStyle::OneColor;
            first = kept.contourFirstColour;
            second = b.single;
        } else {
            kept.contourFirstColour = b.colour1;
        }
        width = DialogCount(b.width);
        levels = DialogCount(b.levels);
    } else if (b.kind == FieldKind::VectorField) {
        kind = GraphType::VectorField;
        first = second = b.single;
    }
    const float minU = DialogBound(b.uFrom), maxU = DialogBound(b.uTo);
    const float minV = DialogBound(b.vFrom), maxV = DialogBound(b.vTo);
    if (minU > maxU) throw DialogRefusal("最小u必须小于最大u。");
    if (minV > maxV) throw DialogRefusal("最小v必须小于最大v。");
    auto graph = Cls9::Init(0, b.name, kind, CoordType::Cartesian, x, y, z, stepU, stepV, minU, maxU, minV, maxV, fill,
                            first, second, 0, width, 0, Show::FilledSurface, Smoothness::Smooth, false, false, false,
                            levels);
    graph->FunForm = FunForm::Parametric;
    return graph;
}

// ---- frmF26, the step and stem dialog ----
struct StepStemBoxes {
    std::string name = "Untitled";
    std::string f, from, to, segments = "20";
    bool step = false;
    std::int32_t stepColour = static_cast<std::int32_t>(0x80000002u); // a system colour code
    std::string stepWidth = "2";
    bool stem = false;
    std::int32_t headColour = 0xC0;
    std::string headSize = "2";
    std::int32_t headSymbol = Symbol::FilledCircle;
    std::int32_t bodyColour = 0xC00000;
    std::string bodyWidth = "2";
};

inline std::shared_ptr<Cls9> BuildGraph(const StepStemBoxes& b) {
    if (b.f.empty() || b.from.empty() || b.to.empty() || b.segments.empty()) throw DialogRefusal("请输入所有参数。");
    const std::string f = FilteredExpression(b.f);
    const float minV = DialogBound(b.from), maxV = DialogBound(b.to);
    const std::int32_t steps = DialogCount(FilteredNumber(b.segments));
    if (steps < 1) throw DialogRefusal("a segment count below 1");
    auto graph = Cls9::Init(0, b.name, GraphType::StepStem, CoordType::PlaneCartesian, "0", "x", f, 1, steps, 0, 1.0f,
                            minV, maxV, FillStyle::OneColor, 0xFF0000, 0xFF0000, b.stepColour,
                            DialogCount(b.stepWidth), Material::Metal, Show::Wireframe, Smoothness::Smoother);
    Cls9& g = *graph;
    g.FunForm = FunForm::Explicit;
    g.ShowStep = b.step;
    g.StepColor = b.stepColour;
    g.StepWidth = DialogCount(b.stepWidth);
    g.ShowStem = b.stem;
    g.StemHeadColor = b.headColour;
    g.StemHeadSize = DialogCount(b.headSize);
    g.StemHeadSymbol = b.headSymbol;
    g.StemBodyColor = b.bodyColour;
    g.StemBodyWidth = DialogCount(b.bodyWidth);
    return graph;
}

// ---- frmF25, the intersection dialog ----
struct IntersectionBoxes {
    std::string name = "Untitled";
    std::string y1, y2, from, to, segments = "300";
    std::int32_t colour1 = 255;
    std::string width1 = "2";
    std::int32_t colour2 = 0xFF0000;
    std::string width2 = "2";
    bool points = true;
    std::int32_t pointColour = 0x404040;
    std::string pointSize = "2";
    std::int32_t pointSymbol = Symbol::HollowCircle;
    bool area = true;
    std::int32_t areaColour = 0x80FF80;
};

inline std::shared_ptr<Cls9> BuildGraph(const IntersectionBoxes& b) {
    if (b.y1.empty() || b.y2.empty() || b.from.empty() || b.to.empty() || b.segments.empty())
        throw DialogRefusal("请输入所有参数。");
    const std::string y1 = FilteredExpression(b.y1), y2 = FilteredExpression(b.y2);
    const float minV = DialogBound(b.from), maxV = DialogBound(b.to);
    const std::int32_t steps = DialogCount(FilteredNumber(b.segments));
    if (steps < 1) throw DialogRefusal("a segment count below 1");
    auto graph = Cls9::Init(0, b.name, GraphType::Intersection, CoordType::PlaneCartesian, "0", "x", y1, 1, steps, 0,
                            1.0f, minV, maxV, FillStyle::OneColor, 0xFF0000, 0xFF0000, b.colour1, DialogCount(b.width1),
                            Material::Metal, Show::Wireframe, Smoothness::Smoother);
    Cls9& g = *graph;
    g.Show2DCurve = true;
    g.FunForm = FunForm::Explicit;
    g.Exp2 = y2;
    g.Color2 = b.colour2;
    g.Width2 = DialogCount(b.width2);
    g.ShowInter = b.points;
    g.InterColor = b.pointColour;
    g.InterSize = DialogCount(b.pointSize);
    g.InterSymbol = b.pointSymbol;
    g.ShowArea = b.area;
    g.AreaColor = b.areaColour;
    return graph;
}

// ---- frmF29, frmF30, frmF31: differential equation, limit, series ----
struct OdeBoxes {
    std::string slope;
    bool initial = false; // "给定1个初值"
    std::string x0, y0;
    std::string from, to, segments = "50";
    std::string yFrom, yTo, ySegments = "10";
    std::int32_t colour = RGB(0, 0, 255);
    std::int32_t width = 1; // the entry chosen in the width list
};
inline std::shared_ptr<Cls9> BuildGraph(const OdeBoxes& b) {
    const std::string slope = FilteredExpression(b.slope);
    // Typing x0 writes it into the min x box too.
    const std::string from = b.initial && b.from.empty() ? b.x0 : b.from;
    const float minX = DialogBound(from), maxX = DialogBound(b.to);
    const std::int32_t stepsX = DialogCount(FilteredNumber(b.segments));
    if (b.initial)
        return OdeThroughPoint(slope, minX, maxX, stepsX, DialogBound(b.x0), DialogBound(b.y0), b.colour, b.width);
    const float minY = DialogBound(b.yFrom), maxY = DialogBound(b.yTo);
    return OdeFamily(slope, minX, maxX, stepsX, minY, maxY, DialogCount(FilteredNumber(b.ySegments)), b.colour,
                     b.width);
}

struct LimitBoxes {
    std::string f, x0;
    std::int32_t side = LimitDir::BothSides;
    bool points = true, line = true;
};
inline std::shared_ptr<Cls9> BuildGraph(const LimitBoxes& b) {
    const std::string f = FilteredExpression(b.f);
    return LimitGraph(f, DialogBound(b.x0), b.side, b.points, b.line);
}

struct SeriesBoxes {
    std::string a0, n1, n2, term;
    std::string from, to, segments = "300";
    std::int32_t colour = RGB(255, 0, 255);
    std::int32_t width = 1;
};
inline std::shared_ptr<Cls9> BuildGraph(const SeriesBoxes& b) {
    const std::string term = FilteredExpression(b.term);
    const float minX = DialogBound(b.from), maxX = DialogBound(b.to);
    const std::int32_t steps = DialogCount(FilteredNumber(b.segments));
    // An index is its value to the nearest whole number, a half to the even one.
    const auto index = [](const std::string& typed) {
        return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(DialogBound(typed))));
    };
    return SeriesGraph(term, DialogBound(b.a0), index(b.n1), index(b.n2), minX, maxX, steps, b.colour, b.width);
}

// ---- frmF24, the surface of revolution dialog ----
struct RevolutionBoxes {
    std::string name = "Untitled";
    std::string f, from, to, segments = "40";
    bool aboutY = false;
    SurfaceLook look;
    bool texture = false;
    std::string textureFile;
    bool blendTexture = false;
    bool transparent = false;
    std::int32_t slider = 0;
};
inline std::shared_ptr<Cls9> BuildGraph(const RevolutionBoxes& b) {
    if (b.f.empty() || b.segments.empty() || b.from.empty() || b.to.empty()) throw DialogRefusal("请输入所有参数。");
    const std::string f = FilteredExpression(b.f);
    const float minV = DialogBound(b.from), maxV = DialogBound(b.to);
    const std::int32_t steps = DialogCount(FilteredNumber(b.segments));
    auto graph = Cls9::Init(0, b.name, b.aboutY ? GraphType::RevolutionY : GraphType::RevolutionX,
                            CoordType::PlaneCartesian, "0", "x", f, 0, steps, 0, 0, minV, maxV,
                            FillStyleOf(b.look.fill), b.look.colour1, SecondColourOf(b.look), 0, 0, b.look.material,
                            b.look.show, b.look.smoothness);
    Cls9& g = *graph;
    g.FunForm = FunForm::Explicit;
    g.ShowTex = b.texture;
    if (b.texture) g.TexName = b.textureFile.empty() ? " " : b.textureFile;
    g.ShowTrans = b.transparent;
    if (b.transparent) g.TransAlpha = static_cast<float>(b.slider / 10.0);
    g.TexMode = b.blendTexture ? TexMode::Blend : TexMode::Replace;
    return graph;
}

// ---- frmF27 and frmF28: vectors and vector operations ----
// The mathematical x, y and z boxes of a point or a vector.
struct TypedPoint {
    std::string x, y, z;
};
inline MathPoint NumberPoint(const TypedPoint& p) {
    const auto n = [](const std::string& typed) { return static_cast<float>(NumericValue(FilteredNumber(typed))); };
    return {n(p.x), n(p.y), n(p.z)};
}
struct VectorBoxes {
    TypedPoint begin, end;
    std::int32_t colour = 255;
    std::int32_t width = 1; // the entry chosen in the width list
    bool beginMark = false, endMark = false, projections = false, components = false;
};
inline std::shared_ptr<Cls9> BuildGraph(const VectorBoxes& b) {
    auto g = SpaceVector(NumberPoint(b.begin), NumberPoint(b.end), b.colour, b.width);
    g->ShowVecBegin = b.beginMark;
    g->ShowVecEnd = b.endMark;
    g->ShowVecPrj = b.projections;
    g->ShowVecB = b.components;
    return g;
}
struct VectorOperationBoxes {
    std::int32_t operation = VecOperation::Sum;
    TypedPoint v1, v2;
    std::string constant;
};
inline std::shared_ptr<Cls9> BuildGraph(const VectorOperationBoxes& b) {
    const bool multiple = b.operation == VecOperation::Multiple;
    const float constant = multiple ? static_cast<float>(NumericValue(FilteredNumber(b.constant))) : 0.0f;
    return VectorOperationGraph(b.operation, NumberPoint(b.v1), multiple ? MathPoint{} : NumberPoint(b.v2), constant);
}

// ---- frmF11, frmF10, frmF12: the table dialogs ----
// The cells of one grid row.
struct TableRow {
    std::string x, y, z;
};
namespace dialog_detail {
inline float Cell(const std::string& typed) { return static_cast<float>(NumericValue(FilteredNumber(typed))); }
} // namespace dialog_detail

namespace dialog_detail {
// The points (x, y) of a plane or strip table in row 0 of its grid, at most 201.
inline std::shared_ptr<Cls9> PlaneTableGraph(const std::string& name, const std::vector<TableRow>& rows) {
    if (rows.empty() || rows.size() > 201) throw DialogRefusal("a table holds 1 to 201 points");
    auto graph = std::make_shared<Cls9>();
    Cls9& g = *graph;
    g.StepV = static_cast<std::int32_t>(rows.size()) - 1;
    g.StepU = 1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Cls2& p = g.VertTab3D(0, std::int64_t(r));
        p.x = Cell(rows[r].x);
        p.y = Cell(rows[r].y);
        p.z = 0;
    }
    g.CoordType = CoordType::PlaneCartesian;
    g.NameS = name;
    return graph;
}
} // namespace dialog_detail

struct PlaneTableBoxes {
    std::string name = "Untitled";
    std::vector<TableRow> rows; // the count box holds their number
    bool line = true;
    std::int32_t lineColour = RGB(0, 128, 0);
    std::string lineWidth = "1";
    bool scatter = false;
    std::string scatterSize = "2";
    std::int32_t scatterColour = RGB(0, 0, 64);
    std::int32_t symbol = Symbol::FilledCircle;
    bool smooth = false;
    std::int32_t smoothColour = RGB(255, 0, 0);
    std::int32_t smoothWidth = 1; // the entry chosen
};
inline std::shared_ptr<Cls9> BuildGraph(const PlaneTableBoxes& b) {
    auto graph = dialog_detail::PlaneTableGraph(b.name, b.rows);
    Cls9& g = *graph;
    g.GraphType = GraphType::Table2D;
    g.FillStyle = FillStyle::OneColor;
    g.FirstColor = 0xFF0000;
    g.SecondColor = 0xFF0000;
    g.LineColor = b.lineColour;
    g.LineWidth = DialogCount(b.lineWidth);
    g.Material = Material::Metal;
    g.Show = Show::Wireframe;
    g.Smoothness = Smoothness::Faceted;
    g.FunForm = FunForm::Explicit;
    g.Show2DLine = b.line;
    g.Show2DScatter = b.scatter;
    g.ShowSmoothCurve = b.smooth;
    g.ScatterColor = b.scatterColour;
    g.ScatterSize = DialogCount(b.scatterSize);
    g.SmoothCurveColor = b.smoothColour;
    g.SmoothCurveWidth = b.smoothWidth;
    g.Symbol = b.symbol;
    return graph;
}

struct StripTableBoxes {
    std::string name = "Untitled";
    std::vector<TableRow> rows;
    SurfaceLook look;
};
inline std::shared_ptr<Cls9> BuildGraph(const StripTableBoxes& b) {
    auto graph = dialog_detail::PlaneTableGraph(b.name, b.rows);
    Cls9& g = *graph;
    g.GraphType = GraphType::Table25D;
    g.FillStyle = FillStyleOf(b.look.fill);
    g.FirstColor = b.look.colour1;
    g.SecondColor = SecondColourOf(b.look);
    g.Material = b.look.material;
    g.Show = b.look.show;
    g.Smoothness = b.look.smoothness;
    return graph;
}

// Rows of the grid: row i * columns + j holds table point (i, j).
struct SurfaceTableBoxes {
    std::string name = "Untitled";
    std::int32_t rows = 5, columns = 5;
    std::vector<TableRow> cells;
    SurfaceLook look;
};
inline std::shared_ptr<Cls9> BuildGraph(const SurfaceTableBoxes& b) {
    if (b.rows < 1 || b.columns < 1 || b.rows > 201 || b.columns > 201 ||
        b.cells.size() != std::size_t(b.rows) * std::size_t(b.columns))
        throw DialogRefusal("the grid does not hold rows x columns points");
    auto graph = std::make_shared<Cls9>();
    Cls9& g = *graph;
    g.StepV = b.columns - 1;
    g.StepU = b.rows - 1;
    for (std::int32_t i = 0; i < b.rows; ++i)
        for (std::int32_t j = 0; j < b.columns; ++j) {
            const TableRow& cell = b.cells[std::size_t(i * b.columns + j)];
            Cls2& p = g.VertTab3D(i, j);
            p.z = dialog_detail::Cell(cell.x);
            p.x = dialog_detail::Cell(cell.y);
            p.y = dialog_detail::Cell(cell.z);
        }
    g.NameS = b.name;
    g.GraphType = GraphType::Table3D;
    g.FillStyle = FillStyleOf(b.look.fill);
    g.FirstColor = b.look.colour1;
    g.SecondColor = SecondColourOf(b.look);
    g.Material = b.look.material;
    g.Show = b.look.show;
    g.Smoothness = b.look.smoothness;
    return graph;
}
