// The arc length of an explicit plane function between two values of its
// variable.
#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/NIModule.h"
#include "render/PlaneAnalysis.h"
#include "render/PlaneDrawing.h"

bool DrawArcLength(Cls9& g, GraphDrawing& work) {
    if (!g.ShowLen || !ArcLengthApplies(g) || !work.Derivatives.First) return true;
    // The length element sqrt(1 + f'(x)^2) over x, or sqrt(r^2 + r'(a)^2) over a.
    const bool polar = g.CoordType == CoordType::Polar;
    const std::string& dz = work.Derivatives.DZ;
    const std::string integrand =
        polar ? "sqr((" + work.ExpressZ + ")^2+(" + dz + ")^2)" : "sqr((" + dz + ")^2+1)";
    std::string length;
    try {
        length = SingleText(Integrate(g.LenFrom, g.LenTo, 0.001f, integrand, polar ? 2 : 1));
    } catch (const MathFault&) {
        // The integration's own sums went beyond the float range.
        length = OverflowErrorText();
    } catch (const RaisedError& e) {
        length = e.Text();
    }
    AppendResultLine("    弧长  从 " + SingleText(g.LenFrom) + " 到 " + SingleText(g.LenTo) + " 长度为 " + length);
    AppendResultLine("");
    return true;
}
