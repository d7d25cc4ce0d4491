// Implicit and inequality plane graphs: a point at every node of a regular
// grid where the function is (nearly) zero, or below zero.
#include "render/ImplicitPlaneDrawing.h"

#include "core/Globals.h"
#include "graph/Cls9.h"
#include "graph/SharedBoxes.h"
#include "math/SafeEvaluate.h"
#include "render/DrawingState.h"
#include "render/PlaneDrawing.h"
#include "scene/Cls8.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Most nodes of a column the evaluator's grid holds at a time.
constexpr std::int64_t MaxGridColumns = 1 << 16;

// What tells the two forms apart.
struct FormRule {
    double nodesPerUnit;
    float pointSize;
    bool implicitForm; // |f| < 0.025, else f < 0
};

bool Plotted(const FormRule& rule, float f) {
    if (f == UndefinedValue) return false;
    return rule.implicitForm ? (f > -0.025f && f < 0.025f) : f < 0;
}

// Nodes first, first + 1, ... while not above last.
double NodeCount(float first, float last) {
    if (!(last >= first)) return 0;
    const double n = std::floor(double(last) - double(first)) + 1;
    return std::isfinite(n) ? n : 0;
}

ImplicitGrid GridAt(float minU, float maxU, float minV, float maxV, double d, double& nodes) {
    ImplicitGrid g;
    g.D = d;
    g.I0 = float(minU * d);
    g.J0 = float(minV * d);
    const double countU = NodeCount(g.I0, float(maxU * d));
    const double countV = NodeCount(g.J0, float(maxV * d));
    nodes = countU * countV;
    g.CountU = nodes > 0 ? std::int64_t(std::min(countU, double(MaxImplicitNodes))) : 0;
    g.CountV = nodes > 0 ? std::int64_t(std::min(countV, double(MaxImplicitNodes))) : 0;
    return g;
}

// A GL_POINTS primitive that is ended also when an evaluation raises, so the
// display list being compiled is never left inside glBegin.
class PointBatch {
public:
    PointBatch() { glBegin(GL_POINTS); }
    ~PointBatch() { glEnd(); }
    PointBatch(const PointBatch&) = delete;
    PointBatch& operator=(const PointBatch&) = delete;
};

// The extent of the points drawn, widened to hold the origin.
struct PolarExtent {
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    void Take(float x, float y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

} // namespace

ImplicitGrid ChooseImplicitGrid(float minU, float maxU, float minV, float maxV, double nodesPerUnit) {
    double nodes = 0;
    ImplicitGrid g = GridAt(minU, maxU, minV, maxV, nodesPerUnit, nodes);
    if (nodes <= double(MaxImplicitNodes)) return g;

    // (su d + 1)(sv d + 1) = the most nodes: the density that just fits.
    const double su = double(maxU) - minU, sv = double(maxV) - minV, limit = double(MaxImplicitNodes);
    double d = su * sv > 0 ? (-(su + sv) + std::sqrt((su + sv) * (su + sv) + 4 * su * sv * (limit - 1))) / (2 * su * sv)
                           : (limit - 1) / (su + sv);
    d = std::min(d, nodesPerUnit);
    // The grid limits are rounded to floats: step down until the count fits.
    for (int k = 0; k < 200; ++k) {
        g = GridAt(minU, maxU, minV, maxV, d, nodes);
        if (nodes <= limit) return g;
        d *= 0.99;
    }
    g.CountV = std::min(g.CountV, MaxImplicitNodes / std::max<std::int64_t>(1, g.CountU));
    return g;
}

void DrawImplicitPlaneGraph(Cls9& g, GraphDrawing& work, std::int32_t lngAnimStep) {
    const bool implicitForm = g.FunForm == FunForm::Implicit;
    const FormRule rule{implicitForm ? 40.0 : 30.0, implicitForm ? 2.0f : 3.0f, implicitForm};
    const bool polar = g.CoordType == CoordType::Polar;

    // The parameter t of the frame, for plane animations only.
    float t = 0;
    if (g.GraphType == GraphType::Function2DAnimation) {
        const std::int32_t steps = g.StepT();
        t = steps > 0 ? float(g.MinT + double(lngAnimStep) * (double(g.MaxT) - g.MinT) / steps) : g.MinT;
    }

    std::string postfix;
    if (work.Evaluator.InfixToPostfix(work.ExpressZ, postfix) != 0) return;

    PlanePolygonState();
    BeginPointState();
    glPointSize(rule.pointSize);
    SetColor(work.LineRGB);

    const ImplicitGrid grid = ChooseImplicitGrid(g.MinU, g.MaxU, g.MinV, g.MaxV, rule.nodesPerUnit);
    PolarExtent extent;
    if (polar || g.CoordType == CoordType::PlaneCartesian) {
        // Slots of the evaluator's variables: the row runs through x (or a),
        // the columns through y (or r).
        const int rowSlot = polar ? 4 : 2, columnSlot = polar ? 5 : 3;
        std::vector<float> vs;
        vs.reserve(std::size_t(grid.CountV));
        for (std::int64_t m = 0; m < grid.CountV; ++m) vs.push_back(float((double(grid.J0) + double(m)) / grid.D));
        const Cls6::Compiled text = Cls6::Prepare(postfix);
        // A very long column is evaluated node by node rather than held as a grid.
        const bool byGrid = grid.CountV <= MaxGridColumns;
        Cls6Grid nodes = byGrid ? Cls6Grid(text, 1u << rowSlot, columnSlot, vs) : Cls6Grid();
        Cls6Variables at;
        at.t = t;
        const double scale = Scale2D;
        PointBatch batch;
        for (std::int64_t k = 0; k < grid.CountU; ++k) {
            const float u = float((double(grid.I0) + double(k)) / grid.D);
            (polar ? at.a : at.x) = u;
            for (std::int64_t m = 0; m < grid.CountV; ++m) {
                const float v = vs[std::size_t(m)];
                (polar ? at.r : at.y) = v;
                float f = UndefinedValue;
                const bool evaluated = byGrid ? SafeEvaluate(work.Evaluator, nodes, m, false, f, at)
                                              : SafeEvaluate(work.Evaluator, text, false, f, at);
                if (!evaluated || !Plotted(rule, f)) continue;
                float x = u, y = v;
                if (polar) {
                    x = float(double(v) * std::cos(double(u)));
                    y = float(double(v) * std::sin(double(u)));
                }
                const float dx = float(x / scale), dy = float(y / scale);
                if (!std::isfinite(dx) || !std::isfinite(dy)) continue;
                glVertex3f(dx, dy, 0);
                if (polar) extent.Take(x, y);
            }
        }
    }

    if (polar) PolarImplicitBox() = Cls1{extent.minX, extent.maxX, extent.minY, extent.maxY, 0, 0};
    EndPointState();
}
