#include "document/GraphLabels.h"

#include <string_view>

namespace {

using LS = LabelSource;

// Conditions on ShowStep and ShowStem (step/stem plots).
enum class Plots { Any, Both, StepOnly, StemOnly, Step, Stem };

// One label: the source that makes it, the graphs it applies to (each set a
// bit mask: bit k for the value k; 0 for any value) and its text, in which
// {X} {Y} {Z} {E} {N} stand for ExpressX, ExpressY, ExpressZ, Exp2 and NameS
// and {W} for the word of a space graph's kind. The first row that applies wins.
struct LabelRow {
    LS source;
    std::uint32_t kinds;
    std::uint64_t types;
    std::uint32_t coords;
    std::uint32_t forms;
    Plots plots;
    std::string_view text;
};

template <class... V>
constexpr std::uint64_t B(V... v) {
    return ((std::uint64_t{1} << v) | ...);
}
constexpr std::uint64_t Any = 0;
constexpr std::uint64_t kSpaceKinds = B(1, 2, 11, 12, 21, 22);
constexpr std::uint64_t kPointKinds3D = B(3, 6);
constexpr std::uint64_t kOtherKinds = B(0, 1, 2, 4, 5, 7);
constexpr Plots P = Plots::Any;

// clang-format off
constexpr LabelRow kLabels[] = {
    // Document labels, plane documents.
    {LS::Document, B(1), B(0),  B(1, 2), B(1), P, "二维曲线  {Z}=0"},
    {LS::Document, B(1), B(9),  B(1, 2), B(1), P, "二维曲线动画  {Z}=0"},
    {LS::Document, B(1), B(0),  B(1), B(2), P, "二维曲线  y={Z}"},
    {LS::Document, B(1), B(9),  B(1), B(2), P, "二维曲线动画  y={Z}"},
    {LS::Document, B(1), B(20), B(1), B(2), P, "二维曲线相交  y={Z}, y={E}"},
    {LS::Document, B(1), B(23), B(1), B(2), Plots::Both, "Step & Stem  y={Z}"},
    {LS::Document, B(1), B(23), B(1), B(2), Plots::StepOnly, "阶梯图  y={Z}"},
    {LS::Document, B(1), B(23), B(1), B(2), Plots::StemOnly, "火柴杆图  y={Z}"},
    {LS::Document, B(1), B(0),  B(2), B(2), P, "二维曲线  r={Z}"},
    {LS::Document, B(1), B(9),  B(2), B(2), P, "二维曲线动画  r={Z}"},
    {LS::Document, B(1), B(0),  B(1), B(3), P, "二维曲线  x={Y},y={Z}"},
    {LS::Document, B(1), B(9),  B(1), B(3), P, "二维曲线动画  x={Y},y={Z}"},
    {LS::Document, B(1), B(0),  B(2), B(3), P, "二维曲线  a={Y},r={Z}"},
    {LS::Document, B(1), B(9),  B(2), B(3), P, "二维曲线动画  a={Y},r={Z}"},
    {LS::Document, B(1), B(0),  B(1, 2), B(4), P, "不等式  {Z}<=0"},
    {LS::Document, B(1), B(9),  B(1, 2), B(4), P, "不等式动画  {Z}<=0"},
    {LS::Document, B(1), B(7),  B(1), Any, P, "点  x={Y}, y={Z}"},
    {LS::Document, B(1), B(7),  B(2), Any, P, "点  a={Y}, r={Z}"},
    {LS::Document, B(1), B(8),  B(1), Any, P, "点动画  x={Y}, y={Z}"},
    {LS::Document, B(1), B(8),  B(2), Any, P, "点动画  a={Y}, r={Z}"},
    {LS::Document, B(1), B(36), Any, Any, P, "常微分方程 dy/dx={Z}"},
    {LS::Document, B(1), B(37), Any, Any, P, "极限 {Z}"},
    {LS::Document, B(1), B(38), Any, Any, P, "级数 {Z}"},
    // Strip documents.
    {LS::Document, B(2), B(3),  B(1), B(2), P, "二维半条带  y={Z}"},
    {LS::Document, B(2), B(10), B(1), B(2), P, "二维半动画  y={Z}"},
    {LS::Document, B(2), B(3),  B(2), B(2), P, "二维半条带  r={Z}"},
    {LS::Document, B(2), B(10), B(2), B(2), P, "二维半动画  r={Z}"},
    {LS::Document, B(2), B(3),  B(1), B(3), P, "二维半条带  x={Y}, y={Z}"},
    {LS::Document, B(2), B(10), B(1), B(3), P, "二维半动画  x={Y},y={Z}"},
    {LS::Document, B(2), B(3),  B(2), B(3), P, "二维半条带  a={Y}, r={Z}"},
    {LS::Document, B(2), B(10), B(2), B(3), P, "二维半动画  a={Y}, r={Z}"},
    {LS::Document, B(2), B(7),  B(1), Any, P, "点  x={Y}, y={Z}"},
    {LS::Document, B(2), B(7),  B(2), Any, P, "点  a={Y}, r={Z}"},
    {LS::Document, B(2), B(8),  B(1), Any, P, "点动画  x={Y}, y={Z}"},
    {LS::Document, B(2), B(8),  B(2), Any, P, "点动画  a={Y}, r={Z}"},
    // Space documents.
    {LS::Document, B(3), kSpaceKinds, B(1), B(2), P, "旋转曲面  y={Z}"},
    {LS::Document, B(3), kSpaceKinds, B(3, 4), B(2), P, "{W}z={Z}"},
    {LS::Document, B(3), kSpaceKinds, B(5), B(2), P, "{W}r={Z}"},
    {LS::Document, B(3), kSpaceKinds, B(3), B(3), P, "{W}x={X},y={Y},z={Z}"},
    {LS::Document, B(3), kSpaceKinds, B(4), B(3), P, "{W}a={X},r={Y},z={Z}"},
    {LS::Document, B(3), kSpaceKinds, B(5), B(3), P, "{W}a={X},b={Y},r={Z}"},
    {LS::Document, B(3), B(7),  B(3), Any, P, "点  x={X}, y={Y}, z={Z}"},
    {LS::Document, B(3), B(7),  B(4), Any, P, "点  a={X}, r={Y}, z={Z}"},
    {LS::Document, B(3), B(7),  B(5), Any, P, "点  a={X}, b={Y}, r={Z}"},
    {LS::Document, B(3), B(8),  B(3), Any, P, "点动画  x={X}, y={Y}, z={Z}"},
    {LS::Document, B(3), B(8),  B(4), Any, P, "点动画  a={X}, r={Y}, z={Z}"},
    {LS::Document, B(3), B(8),  B(5), Any, P, "点动画  a={X}, b={Y}, r={Z}"},
    {LS::Document, B(3), B(31), Any, Any, P, "矢量 "},
    {LS::Document, B(3), B(32), Any, Any, P, "矢量运算 "},
    // Special-graph documents.
    {LS::Document, B(7), B(13), Any, Any, P, "色谱图  x={X}, y={Y}, z={Z}"},
    {LS::Document, B(7), B(14), Any, Any, P, "等值线图 Plot  x={X}, y={Y}, z={Z}"},
    {LS::Document, B(7), B(15), Any, Any, P, "矢量图  x={X}, y={Y}, z={Z}"},
    // Tables, in every document.
    {LS::Document, Any, B(4), Any, Any, P, "二维表数据图形: {N}"},
    {LS::Document, Any, B(5), Any, Any, P, "二维半表数据图形: {N}"},
    {LS::Document, Any, B(6), Any, Any, P, "三维表数据图形: {N}"},

    // Creation commands, by the new graph's form (points by CoordType).
    {LS::mnuDraw2DCart, Any, Any, Any, B(1), P, "二维曲线  {Z}=0"},
    {LS::mnuDraw2DCart, Any, Any, Any, B(2), P, "二维曲线  y={Z}"},
    {LS::mnuDraw2DCart, Any, Any, Any, B(3), P, "二维曲线  x={Y}, y={Z}"},
    {LS::mnuDraw2DCart, Any, Any, Any, B(4), P, "不等式  {Z}<=0"},
    {LS::mnuDraw2DPolar, Any, Any, Any, B(1), P, "二维曲线  {Z}=0"},
    {LS::mnuDraw2DPolar, Any, Any, Any, B(2), P, "二维曲线  r={Z}"},
    {LS::mnuDraw2DPolar, Any, Any, Any, B(3), P, "二维曲线  a={Y}, r={Z}"},
    {LS::mnuDraw2DPolar, Any, Any, Any, B(4), P, "不等式  {Z}<=0"},
    {LS::mnuAniCur2DCart, Any, Any, Any, B(1), P, "二维曲线动画  {Z}=0"},
    {LS::mnuAniCur2DCart, Any, Any, Any, B(2), P, "二维曲线动画  y={Z}"},
    {LS::mnuAniCur2DCart, Any, Any, Any, B(3), P, "二维曲线动画  x={Y}, y={Z}"},
    {LS::mnuAniCur2DCart, Any, Any, Any, B(4), P, "不等式动画  {Z}<=0"},
    {LS::mnuAniCur2DPol, Any, Any, Any, B(1), P, "二维曲线动画  {Z}=0"},
    {LS::mnuAniCur2DPol, Any, Any, Any, B(2), P, "二维曲线动画  r={Z}"},
    {LS::mnuAniCur2DPol, Any, Any, Any, B(3), P, "二维曲线动画  a={Y}, r={Z}"},
    {LS::mnuAniCur2DPol, Any, Any, Any, B(4), P, "不等式动画  {Z}<=0"},
    {LS::mnuDraw25DCart, Any, Any, Any, B(2), P, "二维半条带  y={Z}"},
    {LS::mnuDraw25DCart, Any, Any, Any, B(3), P, "二维半条带  x={Y},y={Z}"},
    {LS::mnuDraw25DPolar, Any, Any, Any, B(2), P, "二维半条带  r={Z}"},
    {LS::mnuDraw25DPolar, Any, Any, Any, B(3), P, "二维半条带  a={Y}, r={Z}"},
    {LS::mnuAni25DCurCart, Any, Any, Any, B(2), P, "二维半动画  y={Z}"},
    {LS::mnuAni25DCurCart, Any, Any, Any, B(3), P, "二维半动画  x={Y}, y={Z}"},
    {LS::mnuAni25DCurPol, Any, Any, Any, B(2), P, "二维半动画  r={Z}"},
    {LS::mnuAni25DCurPol, Any, Any, Any, B(3), P, "二维半动画  a={Y}, r={Z}"},
    {LS::mnuDrawIP, Any, Any, Any, B(2), P, "二维曲线相交  y={Z}, y={E}"},
    {LS::mnuDrawPoint, kPointKinds3D, Any, B(4), Any, P, "点  a={X}, r={Y}, z={Z}"},
    {LS::mnuDrawPoint, kPointKinds3D, Any, B(5), Any, P, "点  a={X}, b={Y}, r={Z}"},
    {LS::mnuDrawPoint, kPointKinds3D, Any, Any, Any, P, "点  x={X}, y={Y}, z={Z}"},
    {LS::mnuDrawPoint, kOtherKinds, Any, B(2), Any, P, "点  a={Y}, r={Z}"},
    {LS::mnuDrawPoint, kOtherKinds, Any, Any, Any, P, "点  x={Y}, y={Z}"},
    {LS::mnuAniPoint, kPointKinds3D, Any, B(4), Any, P, "点动画   a={X}, r={Y}, z={Z}"},
    {LS::mnuAniPoint, kPointKinds3D, Any, B(5), Any, P, "点动画   a={X}, b={Y}, r={Z}"},
    {LS::mnuAniPoint, kPointKinds3D, Any, Any, Any, P, "点动画   x={X}, y={Y}, z={Z}"},
    {LS::mnuAniPoint, kOtherKinds, Any, B(2), Any, P, "点动画   a={Y}, r={Z}"},
    {LS::mnuAniPoint, kOtherKinds, Any, Any, Any, P, "点动画   x={Y}, y={Z}"},

    // Edit labels, written by a dialog's OK in edit mode.
    {LS::frmF5, Any, Any, Any, B(1), P, "二维曲线  {Z}=0"},
    {LS::frmF5, Any, Any, B(1), B(2), P, "二维曲线  y={Z}"},
    {LS::frmF5, Any, Any, Any, B(2), P, "二维曲线  r={Z}"},
    {LS::frmF5, Any, Any, B(1), B(3), P, "二维曲线  x={Y}, y={Z}"},
    {LS::frmF5, Any, Any, Any, B(3), P, "二维曲线  a={Y}, r={Z}"},
    {LS::frmF5, Any, Any, Any, B(4), P, "不等式  {Z}<=0"},
    {LS::frmF4, Any, Any, B(1), B(2), P, "二维半条带  y={Z}"},
    {LS::frmF4, Any, Any, Any, B(2), P, "二维半条带  r={Z}"},
    {LS::frmF4, Any, Any, B(1), B(3), P, "二维半条带  x={Y}, y={Z}"},
    {LS::frmF4, Any, Any, Any, B(3), P, "二维半条带  a={Y}, r={Z}"},
    {LS::frmF16, kPointKinds3D, Any, B(4), Any, P, "点  a={X}, r={Y}, z={Z}"},
    {LS::frmF16, kPointKinds3D, Any, B(5), Any, P, "点  a={X}, b={Y}, r={Z}"},
    {LS::frmF16, kPointKinds3D, Any, Any, Any, P, "点  x={X}, y={Y}, z={Z}"},
    {LS::frmF16, kOtherKinds, Any, B(2), Any, P, "点  a={Y}, r={Z}"},
    {LS::frmF16, kOtherKinds, Any, Any, Any, P, "点  x={Y}, y={Z}"},
    {LS::frmF17, kPointKinds3D, Any, B(4), Any, P, "点动画  a={X}, r={Y}, z={Z}"},
    {LS::frmF17, kPointKinds3D, Any, B(5), Any, P, "点动画  a={X}, b={Y}, r={Z}"},
    {LS::frmF17, kPointKinds3D, Any, Any, Any, P, "点动画  x={X}, y={Y}, z={Z}"},
    {LS::frmF17, kOtherKinds, Any, B(2), Any, P, "点动画  a={Y}, r={Z}"},
    {LS::frmF17, kOtherKinds, Any, Any, Any, P, "点动画  x={Y}, y={Z}"},
    {LS::frmF11, Any, Any, Any, Any, P, "二维表数据图形  {N}"},
    {LS::frmF10, Any, Any, Any, Any, P, "二维半表数据图形  {N}"},
    {LS::frmF12, Any, Any, Any, Any, P, "三维表数据图形  {N}"},
    {LS::frmF25, Any, Any, B(1), Any, P, "二维曲线相交  y={Z}, y={E}"},
    {LS::frmF26, Any, Any, B(1), Any, Plots::Step, "阶梯图  y={Z}"},
    {LS::frmF26, Any, Any, B(1), Any, Plots::Stem, "火柴杆图  y={Z}"},
    {LS::frmF24, Any, Any, B(1), Any, P, "旋转曲面  y={Z}"},
    {LS::frmF27, Any, Any, Any, Any, P, "矢量 "},
    {LS::frmF28, Any, Any, Any, Any, P, "矢量运算 "},
    {LS::frmF29, Any, Any, Any, Any, P, "常微分方程  dy/dx={Z}"},
    {LS::frmF30, Any, Any, B(1), Any, P, "极限  y={Z}"},
    {LS::frmF31, Any, Any, B(1), Any, P, "级数 {Z}"},
    {LS::frmF6, Any, Any, B(3, 4), B(2), P, "{W}z={Z}"},
    {LS::frmF6, Any, Any, Any, B(2), P, "{W}r={Z}"},
    {LS::frmF6, Any, Any, B(3), B(3), P, "{W}x={X}, y={Y}, z={Z}"},
    {LS::frmF6, Any, Any, B(4), B(3), P, "{W}a={X}, r={Y}, z={Z}"},
    {LS::frmF6, Any, Any, Any, B(3), P, "{W}a={X}, b={Y}, r={Z}"},
    {LS::frmF18, Any, Any, Any, Any, P, "等值线图: x={X},y={Y},z={Z}"},
    {LS::frmF21, Any, Any, Any, Any, P, "矢量图 x={X},y={Y},z={Z}"},
    {LS::frmF22, Any, Any, Any, Any, P, "色谱图: x={X},y={Y},z={Z}"},
};
// clang-format on

// The word of each graph kind, for {W} and for the last fallback.
std::string_view KindWord(std::int32_t type) {
    switch (type) {
    case 0: return "二维曲线";
    case 1: return "三维曲线";
    case 2: return "三维曲面";
    case 3: return "二维半条带";
    case 4: return "二维表数据图形";
    case 5: return "二维半表数据图形";
    case 6: return "三维表数据图形";
    case 7: return "点";
    case 8: return "点动画";
    case 9: return "二维曲线动画";
    case 10: return "二维半动画";
    case 11: return "三维曲线动画";
    case 12: return "三维曲面动画";
    case 13: return "色谱图";
    case 14: return "等值线图";
    case 15: return "矢量图";
    case 20: return "二维曲线相交";
    case 21:
    case 22: return "旋转曲面";
    case 23: return "Step & Stem";
    case 31: return "矢量";
    case 32: return "矢量运算";
    case 36: return "常微分方程";
    case 37: return "极限";
    case 38: return "级数";
    default: return "图形";
    }
}

bool InSet(std::uint64_t set, std::int32_t v) {
    if (set == Any) return true;
    return v >= 0 && v < 64 && (set >> v & 1) != 0;
}

bool PlotsApply(Plots p, const Cls9& g) {
    switch (p) {
    case Plots::Any: return true;
    case Plots::Both: return g.ShowStep && g.ShowStem;
    case Plots::StepOnly: return g.ShowStep && !g.ShowStem;
    case Plots::StemOnly: return !g.ShowStep && g.ShowStem;
    case Plots::Step: return g.ShowStep;
    case Plots::Stem: return g.ShowStem;
    }
    return false;
}

std::string Fill(std::string_view text, const Cls9& g) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}') {
            switch (text[i + 1]) {
            case 'X': out += g.ExpressX; break;
            case 'Y': out += g.ExpressY; break;
            case 'Z': out += g.ExpressZ; break;
            case 'E': out += g.Exp2; break;
            case 'N': out += g.NameS; break;
            case 'W': out += KindWord(g.GraphType); out += "  "; break;
            }
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::string> LabelOf(LS source, std::int32_t kind, const Cls9& g) {
    for (const LabelRow& row : kLabels) {
        if (row.source != source || !InSet(row.kinds, kind) || !InSet(row.types, g.GraphType) ||
            !InSet(row.coords, g.CoordType) || !InSet(row.forms, g.FunForm) || !PlotsApply(row.plots, g))
            continue;
        return Fill(row.text, g);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> GraphListLabel(std::int32_t documentKind, const Cls9& graph) {
    return LabelOf(LS::Document, documentKind, graph);
}

std::string DocumentRowLabel(std::int32_t documentKind, const Cls9& g) {
    if (auto label = GraphListLabel(documentKind, g)) return *label;
    // A point of a special-graph document lies in its plane: as in plane
    // documents it has two coordinates, ExpressY and ExpressZ (ExpressX is
    // "0"), which its creation label shows too, whatever its CoordType.
    if (documentKind == 7 && (g.GraphType == 7 || g.GraphType == 8)) {
        const bool polar = g.CoordType == 2;
        return std::string(KindWord(g.GraphType)) + (polar ? "  a=" : "  x=") + g.ExpressY +
               (polar ? ", r=" : ", y=") + g.ExpressZ;
    }
    if (g.CoordType == 1 || g.CoordType == 2)
        if (auto label = GraphListLabel(1, g)) return *label;
    if (g.CoordType >= 3 && g.CoordType <= 5)
        if (auto label = GraphListLabel(3, g)) return *label;
    std::string expressions;
    for (const std::string* e : {&g.ExpressX, &g.ExpressY, &g.ExpressZ}) {
        if (e->empty()) continue;
        if (!expressions.empty()) expressions += ", ";
        expressions += *e;
    }
    std::string text(KindWord(g.GraphType));
    if (!expressions.empty()) text += "  " + expressions;
    return text;
}

std::string CreationLabel(LabelSource command, std::int32_t documentKind, const Cls9& graph) {
    if (auto label = LabelOf(command, documentKind, graph)) return *label;
    return DocumentRowLabel(documentKind, graph);
}

std::string EditLabel(LabelSource dialog, std::int32_t documentKind, const Cls9& graph) {
    return LabelOf(dialog, documentKind, graph).value_or(std::string());
}
