// The content of the sample documents: what a user types into each dialog to
// make them. Ranges are written as the boxes take them ("2*pi"); counts of
// segments keep roots, extrema and crossings off the sample grid (odd counts)
// and poles on it, so that what the analyses report does not hang on how a
// point lying on a sample is met.
#include "tools/mksamples/SampleContent.h"

#include "core/ColorService.h"

#include <utility>

namespace {

constexpr std::int32_t Black = RGB(0, 0, 0);
constexpr std::int32_t Grey = RGB(150, 150, 150);
constexpr std::int32_t Red = RGB(220, 0, 0);
constexpr std::int32_t Blue = RGB(0, 0, 230);
constexpr std::int32_t DarkBlue = RGB(0, 0, 140);
constexpr std::int32_t LightBlue = RGB(140, 190, 255);
constexpr std::int32_t Green = RGB(0, 150, 0);
constexpr std::int32_t Gold = RGB(230, 170, 0);
constexpr std::int32_t Magenta = RGB(220, 0, 220);
constexpr std::int32_t Orange = RGB(240, 120, 0);
constexpr std::int32_t Pink = RGB(255, 120, 170);

// y = f(x) (r = f(a) in polar) over a range in segments, the curve in a colour.
PlaneFunctionBoxes Curve(std::string f, std::string from, std::string to, std::string segments,
                         std::int32_t colour = Blue, std::string width = "2") {
    PlaneFunctionBoxes b;
    b.f = std::move(f);
    b.from = std::move(from);
    b.to = std::move(to);
    b.segments = std::move(segments);
    b.colour = colour;
    b.width = std::move(width);
    return b;
}
PlaneFunctionBoxes PolarCurve(std::string r, std::string from, std::string to, std::string segments,
                              std::int32_t colour = Blue) {
    PlaneFunctionBoxes b = Curve(std::move(r), std::move(from), std::move(to), std::move(segments), colour);
    b.polar = true;
    return b;
}
// x = x(u), y = y(u).
PlaneFunctionBoxes ParametricCurve(std::string x, std::string y, std::string from, std::string to,
                                   std::string segments, std::int32_t colour = Blue) {
    PlaneFunctionBoxes b = Curve(std::move(x), std::move(from), std::move(to), std::move(segments), colour);
    b.form = PlaneForm::Parametric;
    b.g = std::move(y);
    return b;
}
// f(x, y) = 0 or f(x, y) <= 0 over x and y ranges.
PlaneFunctionBoxes Implicit(PlaneForm form, std::string f, std::string x0, std::string x1, std::string y0,
                            std::string y1, std::int32_t colour) {
    PlaneFunctionBoxes b = Curve(std::move(f), std::move(x0), std::move(x1), "300", colour);
    b.form = form;
    b.yFrom = std::move(y0);
    b.yTo = std::move(y1);
    return b;
}
// A changed copy of a graph's boxes.
template <class Boxes, class Change>
Boxes With(Boxes b, Change change) {
    change(b);
    return b;
}

// Plane points: Cartesian (x, y) or polar (a, r).
PointBoxes PlanePoint(std::string x, std::string y, std::int32_t colour, std::string size, bool hollow = false) {
    PointBoxes p;
    p.x = std::move(x);
    p.y = std::move(y);
    p.colour = colour;
    p.size = std::move(size);
    p.hollow = hollow;
    return p;
}

// Space functions: explicit surfaces z = f(x, y), z = f(a, r), r = f(a, b).
SpaceFunctionBoxes Surface(SpaceCoord coord, std::string f, std::string u0, std::string u1, std::string nu,
                           std::string v0, std::string v1, std::string nv) {
    SpaceFunctionBoxes b;
    b.coord = coord;
    b.f1 = std::move(f);
    b.uFrom = std::move(u0);
    b.uTo = std::move(u1);
    b.uSegments = std::move(nu);
    b.vFrom = std::move(v0);
    b.vTo = std::move(v1);
    b.vSegments = std::move(nv);
    return b;
}
// Parametric surfaces: three coordinate texts of u and v.
SpaceFunctionBoxes ParametricSurface(SpaceCoord coord, std::string f1, std::string f2, std::string f3,
                                     std::string u0, std::string u1, std::string nu, std::string v0, std::string v1,
                                     std::string nv) {
    SpaceFunctionBoxes b = Surface(coord, std::move(f1), std::move(u0), std::move(u1), std::move(nu), std::move(v0),
                                   std::move(v1), std::move(nv));
    b.parametric = true;
    b.f2 = std::move(f2);
    b.f3 = std::move(f3);
    return b;
}
// Parametric space curves of u.
SpaceFunctionBoxes SpaceCurve(std::string x, std::string y, std::string z, std::string u0, std::string u1,
                              std::string nu, std::int32_t colour = Red) {
    SpaceFunctionBoxes b = ParametricSurface(SpaceCoord::Cartesian, std::move(x), std::move(y), std::move(z),
                                             std::move(u0), std::move(u1), std::move(nu), "", "", "40");
    b.surface = false;
    b.look.fill = Fill::OneColor;
    b.look.single = colour;
    return b;
}
SurfaceLook Gradient(std::int32_t colour1, std::int32_t colour2, Fill fill = Fill::TopToBottom) {
    SurfaceLook look;
    look.fill = fill;
    look.colour1 = colour1;
    look.colour2 = colour2;
    return look;
}

// The field dialogs over X = u, Y = v and a height.
FieldBoxes Field(FieldKind kind, std::string z, std::string from, std::string to, std::string segments) {
    FieldBoxes b;
    b.kind = kind;
    b.x = "u";
    b.y = "v";
    b.z = std::move(z);
    b.uFrom = b.vFrom = std::move(from);
    b.uTo = b.vTo = std::move(to);
    b.uSegments = b.vSegments = std::move(segments);
    return b;
}

VectorOperationBoxes Operation(std::int32_t operation, TypedPoint v1, TypedPoint v2, std::string constant = "") {
    VectorOperationBoxes b;
    b.operation = operation;
    b.v1 = std::move(v1);
    b.v2 = std::move(v2);
    b.constant = std::move(constant);
    return b;
}

std::vector<TableRow> Points(std::initializer_list<std::pair<const char*, const char*>> xy) {
    std::vector<TableRow> rows;
    for (const auto& [x, y] : xy) rows.push_back({x, y, ""});
    return rows;
}

// The plane samples: curves and their analyses, special plane graphs, plane animations.
void AddPlaneSamples(std::vector<SampleFile>& files) {
    files.push_back({"2D/point.pgp", 1,
                     {PlanePoint("2", "1.5", Red, "5"), PlanePoint("-2", "1", Blue, "5", true),
                      With(PlanePoint("2*pi/3", "2.5", Green, "7"), [](PointBoxes& p) { p.coordIndex = 1; }),
                      PlanePoint("0", "0", Black, "3")}});
    files.push_back({"2D/parabola and line.pgp", 1,
                     {Curve("x^2", "-3", "3", "301"), Curve("x+2", "-3", "3", "301", Red)}});
    files.push_back({"2D/cubic parabola.pgp", 1,
                     {Curve("x^3", "-2", "2", "201", Grey), Curve("x^3-3*x", "-2", "2", "201")}});
    files.push_back({"2D/sin.pgp", 1,
                     {Curve("sin(x)", "-2*pi", "2*pi", "400", Red), Curve("cos(x)", "-2*pi", "2*pi", "400")},
                     10, 10, true});
    files.push_back({"2D/asinacos.pgp", 1,
                     {Curve("asin(x)", "-1", "1", "200", Red), Curve("acos(x)", "-1", "1", "200")}});
    files.push_back({"2D/compare.pgp", 1,
                     {Curve("2^x", "-3", "4.6", "380", Red), Curve("x^2", "-3", "4.6", "380"),
                      Curve("log(x)/log(2)", "0.07", "4.6", "453", Green)}});
    files.push_back({"2D/ellipse.pgp", 1,
                     {ParametricCurve("3*cos(u)", "2*sin(u)", "0", "2*pi", "200"),
                      PlanePoint("sqr(5)", "0", Red, "5"), PlanePoint("-sqr(5)", "0", Red, "5")}});
    files.push_back({"2D/rational.pgp", 1, {Curve("2*x/(x^2-1)", "-4", "4", "80")}});
    files.push_back({"2D/probability curve.pgp", 1,
                     {Curve("exp(-8*x^2)/(0.25*sqr(2*pi))", "-3", "3", "400", Green),
                      Curve("exp(-2*x^2)/(0.5*sqr(2*pi))", "-3", "3", "400", Red),
                      With(Curve("exp(-x^2/2)/sqr(2*pi)", "-3", "3", "400"), [](PlaneFunctionBoxes& b) {
                          b.integral.on = true;
                          b.integral.from = "-1";
                          b.integral.to = "1";
                      })}});
    files.push_back({"2D/sin surge.pgp", 1,
                     {Curve("4*exp(-x/5)", "0", "14", "700", Grey, "1"),
                      Curve("-4*exp(-x/5)", "0", "14", "700", Grey, "1"),
                      Curve("4*exp(-x/5)*sin(3*x)", "0", "14", "700")}});
    files.push_back({"2D/cycloid.pgp", 1,
                     {ParametricCurve("2*(u-sin(u))", "2*(1-cos(u))", "-2*pi", "2*pi", "400"),
                      ParametricCurve("2*pi+2*cos(u)", "2+2*sin(u)", "0", "2*pi", "120", Grey),
                      PlanePoint("2*pi", "4", Red, "5")}});
    files.push_back({"2D/logarithm helix line.pgp", 1, {PolarCurve("exp(0.12*a)", "0", "6*pi", "600")}});
    files.push_back({"2D/rose with four leaves.pgp", 1, {PolarCurve("3*cos(2*a)", "0", "2*pi", "360", Red)}});
    files.push_back({"2D/rose with three leaves.pgp", 1, {PolarCurve("3*sin(3*a)", "0", "pi", "180", Red)}});
    files.push_back({"2D/star.pgp", 1,
                     {PolarCurve("3/(abs(cos(a))^(2/3)+abs(sin(a))^(2/3))^1.5", "0", "2*pi", "720")}});
    files.push_back({"2D/Archimedes helix line.pgp", 1, {PolarCurve("0.5*a", "0", "6*pi", "600")}});
    files.push_back({"2D/bonuli double knob.pgp", 1, {PolarCurve("2*sqr(cos(2*a))", "0", "2*pi", "720")}});
    files.push_back({"2D/butterfly.pgp", 1,
                     {PolarCurve("exp(cos(a))-2*cos(4*a)+sin(a/12)^5", "0", "24*pi", "2400", Magenta)}});
    files.push_back({"2D/flower.pgp", 1,
                     {PolarCurve("1+2*abs(cos(4*a))", "0", "2*pi", "720", Red),
                      PolarCurve("0.8", "0", "2*pi", "120", Gold),
                      ParametricCurve("0.3*sin(2*(u+3))", "u", "-6", "-3", "30", Green)}});
    files.push_back({"2D/piecewise2.pgp", 1,
                     {Curve("x+3", "-3", "0", "30"), Curve("(x-1)^2", "0", "2", "40"), Curve("3-x", "2", "4", "20"),
                      PlanePoint("0", "3", Blue, "5", true), PlanePoint("0", "1", Blue, "5")}});
    files.push_back({"2D/equation1.pgp", 1,
                     {Curve("-x-1", "-2.5", "2.5", "50", Grey, "1"),
                      Implicit(PlaneForm::Implicit, "(x^3+y^3-3*x*y)/(1+x^2+y^2)", "-2.5", "2.5", "-2.5", "2.5",
                               Blue)}});
    files.push_back({"2D/inequation2.pgp", 1,
                     {Implicit(PlaneForm::Inequality, "abs(y)+x^2-2", "-2", "2", "-2.5", "2.5", LightBlue),
                      Curve("2-x^2", "-2", "2", "200", DarkBlue), Curve("x^2-2", "-2", "2", "200", DarkBlue)}});
    files.push_back({"2D/inverse.pgp", 1,
                     {Curve("x", "-3", "7.5", "10", Grey, "1"),
                      With(Curve("exp(x)", "-3", "2", "250"), [](PlaneFunctionBoxes& b) {
                          b.inverse.on = true;
                          b.inverse.width = "2";
                      })}});
    files.push_back({"2D/derivative.pgp", 1,
                     {With(Curve("x^3/3-x", "-2.5", "2.5", "251"), [](PlaneFunctionBoxes& b) {
                         b.derivative.on = true;
                         b.derivative.colour = Red;
                         b.derivative.width = "2";
                     })}});
    const auto mirrored = [](PlaneFunctionBoxes b) {
        b.mirror.on = true;
        b.mirror.colour = Red;
        b.mirror.width = "2";
        return b;
    };
    files.push_back({"2D/parity.pgp", 1,
                     {mirrored(Curve("cos(x)+x^2/8", "-4", "4", "400")),
                      mirrored(Curve("x^3/6-x", "-4", "4", "400", Green))}});
    files.push_back({"2D/root.pgp", 1,
                     {With(Curve("x^3-3*x+1", "-2", "2", "301"), [](PlaneFunctionBoxes& b) {
                         b.roots.on = true;
                         b.roots.colour = Red;
                         b.roots.size = "5";
                     })}});
    files.push_back({"2D/extremum.pgp", 1,
                     {With(Curve("x^4/4-2*x^2+3", "-3", "3", "301"), [](PlaneFunctionBoxes& b) {
                         b.maxima.on = true;
                         b.maxima.colour = Red;
                         b.maxima.size = "5";
                         b.minima.on = true;
                         b.minima.colour = Green;
                         b.minima.size = "5";
                         b.inflections.on = true;
                         b.inflections.size = "5";
                         b.inflections.symbol = Symbol::FilledSquare;
                     })}});
    files.push_back({"2D/tangent and normal.pgp", 1,
                     {With(Curve("x^2/4", "-4", "4", "200"), [](PlaneFunctionBoxes& b) {
                         b.tangents.on = true;
                         b.tangents.colour = Red;
                         b.tangents.at = {"-2", "1", "3"};
                         b.normals.on = true;
                         b.normals.colour = Green;
                         b.normals.at = {"-2", "1", "3"};
                     })}});
    files.push_back({"2D/integral.pgp", 1,
                     {With(Curve("sin(x)", "-1", "4", "250"), [](PlaneFunctionBoxes& b) {
                         b.integral.on = true;
                         b.integral.from = "0";
                         b.integral.to = "pi";
                     })}});
    files.push_back({"2D/integral_polar.pgp", 1,
                     {With(PolarCurve("2*(1+cos(a))", "0", "2*pi", "360"), [](PlaneFunctionBoxes& b) {
                         b.integral.on = true;
                         b.integral.from = "0";
                         b.integral.to = "pi";
                     })}});
    files.push_back({"2D/curvature.pgp", 1,
                     {With(Curve("x^2/2", "-3", "3", "300"), [](PlaneFunctionBoxes& b) {
                         b.curvature.on = true;
                         b.curvature.colour = Red;
                         b.curvature.at = {"0", "1"};
                         b.arcLength.on = true;
                         b.arcLength.from = "-1";
                         b.arcLength.to = "1";
                     })}});
    files.push_back({"2D/intersection.pgp", 1,
                     {With(IntersectionBoxes{}, [](IntersectionBoxes& b) {
                         b.y1 = "x^2";
                         b.y2 = "x+2";
                         b.from = "-2.5";
                         b.to = "3";
                         b.segments = "299";
                         b.pointColour = Red;
                         b.pointSize = "5";
                     })}});
    files.push_back({"2D/step.pgp", 1,
                     {Curve("2*sin(x)", "-pi", "pi", "200", Grey, "1"),
                      With(StepStemBoxes{}, [](StepStemBoxes& b) {
                          b.f = "2*sin(x)";
                          b.from = "-pi";
                          b.to = "pi";
                          b.segments = "16";
                          b.step = true;
                          b.stepColour = Blue;
                      })}});
    files.push_back({"2D/stem.pgp", 1,
                     {Curve("4*exp(-abs(x)/5)*cos(x)", "-8", "8", "400", Grey, "1"),
                      With(StepStemBoxes{}, [](StepStemBoxes& b) {
                          b.f = "4*exp(-abs(x)/5)*cos(x)";
                          b.from = "-8";
                          b.to = "8";
                          b.segments = "32";
                          b.stem = true;
                          b.headSize = "4";
                      })}});
    files.push_back({"2D/ode.pgp", 1,
                     {With(OdeBoxes{}, [](OdeBoxes& b) {
                         b.slope = "x-y";
                         b.from = "-2";
                         b.to = "4";
                         b.segments = "120";
                         b.yFrom = "-3";
                         b.yTo = "3";
                         b.ySegments = "12";
                     })}});
    files.push_back({"2D/odeinit.pgp", 1,
                     {Curve("exp(x)", "-2", "2", "200", Grey),
                      With(OdeBoxes{}, [](OdeBoxes& b) {
                          b.slope = "y";
                          b.initial = true;
                          b.x0 = "0";
                          b.y0 = "1";
                          b.to = "2";
                          b.segments = "20";
                          b.colour = Red;
                          b.width = 2;
                      })}});
    files.push_back({"2D/limit.pgp", 1,
                     {With(LimitBoxes{}, [](LimitBoxes& b) {
                         b.f = "sin(x)/x";
                         b.x0 = "0";
                     })}});
    const auto series = [](std::string term, std::string n2, std::string from, std::string to, std::string segments,
                           std::int32_t colour) {
        SeriesBoxes b;
        b.a0 = "0";
        b.n1 = "1";
        b.n2 = std::move(n2);
        b.term = std::move(term);
        b.from = std::move(from);
        b.to = std::move(to);
        b.segments = std::move(segments);
        b.colour = colour;
        b.width = 2;
        return b;
    };
    files.push_back({"2D/series.pgp", 1,
                     {Curve("log(1+x)", "-0.9", "1.3", "220", Black),
                      series("(-1)^(n+1)*x^n/n", "3", "-0.9", "1.3", "220", Green),
                      series("(-1)^(n+1)*x^n/n", "12", "-0.9", "1.3", "220", Magenta)}});
    files.push_back({"2D/series_fourier.pgp", 1,
                     {Curve("abs(sin(x))/sin(x)", "-2*pi", "2*pi", "800", Grey, "1"),
                      series("4/pi*sin((2*n-1)*x)/(2*n-1)", "3", "-2*pi", "2*pi", "800", Green),
                      series("4/pi*sin((2*n-1)*x)/(2*n-1)", "15", "-2*pi", "2*pi", "800", Magenta)},
                     10, 10, true});
    files.push_back({"animation/2D/sinexp.pgp", 1,
                     {With(Curve("3*exp(-x^2/50)*sin(2*x-t)", "-14", "14", "400"), [](PlaneFunctionBoxes& b) {
                         b.animated = true;
                         b.tFrom = "0";
                         b.tTo = "2*pi*24/25";
                     })},
                     24, 12});
    files.push_back(
        {"animation/2D/inequation.pgp", 1,
         {With(Implicit(PlaneForm::Inequality, "(x*cos(t)+y*sin(t))^2/7.84+(y*cos(t)-x*sin(t))^2/1.96-1", "-2.9", "2.9",
                        "-2.9", "2.9", Blue),
               [](PlaneFunctionBoxes& b) {
                   b.animated = true;
                   b.tFrom = "0";
                   b.tTo = "pi*20/21";
               })},
         20, 10});
}

// Strips: plane curves drawn as bands.
void AddStripSamples(std::vector<SampleFile>& files) {
    const auto strip = [](std::string f, std::string from, std::string to, std::string segments) {
        StripBoxes b;
        b.f = std::move(f);
        b.from = std::move(from);
        b.to = std::move(to);
        b.segments = std::move(segments);
        return b;
    };
    // A left-to-right gradient puts colour 2 at the smallest x and colour 1 at
    // the largest: this strip runs from blue at the left to red at the right.
    files.push_back({"25D/sin.pgp", 2,
                     {With(strip("sin(x)", "-2*pi", "2*pi", "200"),
                           [](StripBoxes& b) { b.look = Gradient(Red, Blue, Fill::LeftToRight); })}});
    files.push_back({"25D/heart.pgp", 2,
                     {With(strip("2*(1-sin(a))", "0", "2*pi", "200"), [](StripBoxes& b) {
                         b.polar = true;
                         b.look = Gradient(Red, Pink);
                     })}});
    files.push_back({"animation/2.5D/sin.pgp", 2,
                     {With(strip("sin(x-t)", "-2*pi", "2*pi", "120"),
                           [](StripBoxes& b) {
                               b.animated = true;
                               b.tFrom = "0";
                               b.tTo = "2*pi*24/25";
                               b.look = Gradient(Red, Blue, Fill::LeftToRight);
                           })},
                     24, 10});
}

// Space curves and surfaces in the three coordinate systems, their
// animations, surfaces of revolution, partial derivatives, tangents, vectors.
void AddSpaceSamples(std::vector<SampleFile>& files) {
    using C = SpaceCoord;
    const auto look = [](SpaceFunctionBoxes b, SurfaceLook l) {
        b.look = l;
        return b;
    };
    files.push_back({"3D/dini's surface.pgp", 3,
                     {look(ParametricSurface(C::Cartesian, "cos(u)*sin(v)", "sin(u)*sin(v)",
                                             "cos(v)+log(tan(v/2))+0.2*u", "0", "4*pi", "80", "0.05", "2", "30"),
                           Gradient(Red, Blue))}});
    files.push_back({"3D/double moon.pgp", 3,
                     {ParametricSurface(C::Cartesian, "(2+0.7*sin(v)*cos(u))*cos(v)", "(2+0.7*sin(v)*cos(u))*sin(v)",
                                        "0.7*sin(v)*sin(u)", "0", "2*pi", "24", "0", "2*pi", "72")}});
    files.push_back({"3D/horn.pgp", 3,
                     {ParametricSurface(C::Cartesian, "(2+u*cos(v))*sin(2*pi*u)", "(2+u*cos(v))*cos(2*pi*u)+2*u",
                                        "u*sin(v)", "0", "1", "60", "0", "2*pi", "24")}});
    files.push_back({"3D/leaves.pgp", 3,
                     {look(ParametricSurface(C::Cartesian, "3*v*cos(2*u-pi/4)*cos(u)", "3*v*cos(2*u-pi/4)*sin(u)",
                                             "0.8*(v*cos(2*u-pi/4))^2", "0", "2*pi", "120", "0", "1", "12"),
                           Gradient(Green, Gold))}});
    files.push_back({"3D/lotus.pgp", 3,
                     {look(ParametricSurface(C::Cartesian, "v*(1.5+0.5*cos(8*u))*cos(u)",
                                             "v*(1.5+0.5*cos(8*u))*sin(u)", "v^2*(1.2+0.6*cos(8*u))", "0", "2*pi",
                                             "96", "0", "1.5", "15"),
                           Gradient(Pink, Green))}});
    files.push_back({"3D/saddle-backed.pgp", 3, {Surface(C::Cartesian, "x^2-y^2", "-2", "2", "30", "-2", "2", "30")}});
    files.push_back({"3D/basin.pgp", 3, {Surface(C::Cylindrical, "r^2/3", "0", "2*pi", "48", "0", "3", "20")}});
    files.push_back({"3D/cone.pgp", 3, {Surface(C::Cylindrical, "1.5*r", "0", "2*pi", "48", "0", "2", "10")}});
    files.push_back({"3D/cylinder.pgp", 3,
                     {ParametricSurface(C::Cylindrical, "u", "2", "v", "0", "2*pi", "48", "-2", "2", "8")}});
    files.push_back({"3D/isoland.pgp", 3,
                     {look(Surface(C::Cylindrical, "3*exp(-0.4*r^2*(1+0.3*cos(5*a)))", "0", "2*pi", "72", "0", "4",
                                   "32"),
                           Gradient(Green, Blue))}});
    files.push_back({"3D/jar.pgp", 3,
                     {ParametricSurface(C::Cylindrical, "u", "1+0.6*sin(1.2*v)", "v", "0", "2*pi", "48", "0", "4",
                                        "32")}});
    files.push_back({"3D/ring pipe.pgp", 3,
                     {ParametricSurface(C::Cylindrical, "u", "2+0.4*cos(v)", "0.4*sin(v)+0.25*u", "0", "6*pi", "180",
                                        "0", "2*pi", "16")}});
    files.push_back({"3D/waves.pgp", 3,
                     {Surface(C::Cylindrical, "2*cos(2*r)*exp(-0.2*r)", "0", "2*pi", "48", "0", "8", "64")}});
    files.push_back({"3D/apple.pgp", 3,
                     {look(Surface(C::Spherical, "2*(1-cos(b))", "0", "2*pi", "48", "0", "pi", "48"),
                           Gradient(Red, Gold))}});
    files.push_back({"3D/rose.pgp", 3,
                     {look(Surface(C::Spherical, "0.5+1.5*cos(3*a)^2*sin(b)^2", "0", "2*pi", "96", "0", "pi", "48"),
                           Gradient(Red, Pink))}});
    files.push_back({"3D/sphere.pgp", 3, {Surface(C::Spherical, "2", "0", "2*pi", "36", "0", "pi", "18")}});
    files.push_back({"3D/ring line.pgp", 3,
                     {SpaceCurve("(2+0.5*cos(10*u))*cos(u)", "(2+0.5*cos(10*u))*sin(u)", "0.5*sin(10*u)", "0",
                                 "2*pi", "600")}});
    files.push_back({"3D/intersection.pgp", 3,
                     {ParametricSurface(C::Cartesian, "2*cos(u)", "2*sin(u)", "v", "0", "2*pi", "48", "-3", "3", "12"),
                      With(ParametricSurface(C::Cartesian, "2*cos(u)", "v", "2*sin(u)", "0", "2*pi", "48", "-3", "3",
                                             "12"),
                           [](SpaceFunctionBoxes& b) {
                               b.look = Gradient(Green, Gold);
                               b.transparent = true;
                               b.slider = 5;
                           }),
                      SpaceCurve("2*cos(u)", "2*sin(u)", "2*sin(u)", "0", "2*pi", "120"),
                      SpaceCurve("2*cos(u)", "2*sin(u)", "-2*sin(u)", "0", "2*pi", "120")}});

    const auto animated = [](SpaceFunctionBoxes b, std::string t0, std::string t1) {
        b.animated = true;
        b.tFrom = std::move(t0);
        b.tTo = std::move(t1);
        return b;
    };
    files.push_back({"animation/3D/apple.pgp", 3,
                     {animated(look(Surface(C::Spherical, "2*(1-t*cos(b))", "0", "2*pi", "36", "0", "pi", "36"),
                                    Gradient(Red, Gold)),
                               "0", "1")},
                     20, 10});
    files.push_back({"animation/3D/horn.pgp", 3,
                     {animated(ParametricSurface(C::Cartesian, "(2+u*cos(v))*sin(t*u)", "(2+u*cos(v))*cos(t*u)+2*u",
                                                 "u*sin(v)", "0", "1", "40", "0", "2*pi", "20"),
                               "0.5", "2*pi")},
                     24, 10});
    files.push_back({"animation/3D/wave.pgp", 3,
                     {animated(Surface(C::Cartesian, "2*sin(x)*sin(2*y)*cos(t)", "0", "pi", "30", "0", "pi", "30"),
                               "0", "2*pi*24/25")},
                     24, 10});
    files.push_back({"animation/3D/twist.pgp", 3,
                     {animated(ParametricSurface(C::Cartesian, "u*cos(t*v)", "u*sin(t*v)", "v", "-1", "1", "10", "-2",
                                                 "2", "40"),
                               "0", "2")},
                     20, 10});
    files.push_back({"animation/3D/amorphous.pgp", 3,
                     {animated(look(Surface(C::Spherical, "2+0.5*sin(3*a+t)*sin(4*b)+0.3*sin(2*t)*cos(2*b)", "0",
                                            "2*pi", "48", "0", "pi", "24"),
                                    Gradient(Magenta, Blue)),
                               "0", "2*pi*24/25")},
                     24, 10});
    files.push_back({"animation/3D/lantern.pgp", 3,
                     {animated(look(ParametricSurface(C::Cylindrical, "u", "0.3+t*sin(v)*(1+0.1*cos(10*u))",
                                                      "-1.6*cos(v)", "0", "2*pi", "60", "0", "pi", "24"),
                                    Gradient(Red, Gold)),
                               "0", "1.2")},
                     20, 10});
    files.push_back({"animation/3D/twistcurve.pgp", 3,
                     {animated(SpaceCurve("(2+cos(3*t*u))*cos(2*t*u)", "(2+cos(3*t*u))*sin(2*t*u)", "sin(3*t*u)", "0",
                                          "1", "400"),
                               "0.2", "2*pi")},
                     30, 10});

    files.push_back({"3D/rot0.pgp", 3, {SpaceCurve("0", "u", "1.5+sin(u)", "0", "2*pi", "60")}});
    const auto revolution = [](bool aboutY) {
        RevolutionBoxes b;
        b.f = "1.5+sin(x)";
        b.from = "0";
        b.to = "2*pi";
        b.segments = "60";
        b.aboutY = aboutY;
        return b;
    };
    files.push_back({"3D/rotx.pgp", 3, {revolution(false)}});
    files.push_back({"3D/roty.pgp", 3, {revolution(true)}});
    const auto partial = [](ShownSurface shown) {
        SpaceFunctionBoxes b = Surface(C::Cartesian, "3*x*exp(-(x^2+y^2)/2)", "-3", "3", "30", "-3", "3", "30");
        b.shown = shown;
        return b;
    };
    files.push_back({"3D/pd0.pgp", 3, {partial(ShownSurface::Function)}});
    files.push_back({"3D/pdx.pgp", 3, {partial(ShownSurface::DzDx)}});
    files.push_back({"3D/pdy.pgp", 3, {partial(ShownSurface::DzDy)}});
    files.push_back({"3D/tangent and normal of 3d curve.pgp", 3,
                     {With(SpaceCurve("2*cos(u)", "2*sin(u)", "0.5*u", "0", "4*pi", "200"), [](SpaceFunctionBoxes& b) {
                         b.tangent = {true, "2", ""};
                         b.normal = {true, "2", ""};
                     })}});
    files.push_back({"3D/tangent and normal of 3d surface.pgp", 3,
                     {With(Surface(C::Cartesian, "4-(x^2+y^2)/2", "-2.5", "2.5", "24", "-2.5", "2.5", "24"),
                           [](SpaceFunctionBoxes& b) {
                               b.tangent = {true, "1", "1"};
                               b.normal = {true, "1", "1"};
                           })}});
    files.push_back({"3D/vector.pgp", 3,
                     {With(VectorBoxes{}, [](VectorBoxes& b) {
                         b.begin = {"1", "1", "1"};
                         b.end = {"3", "4", "5"};
                         b.width = 2;
                         b.beginMark = b.endMark = b.projections = true;
                     })}});
    files.push_back({"3D/subvector.pgp", 3,
                     {With(VectorBoxes{}, [](VectorBoxes& b) {
                         b.begin = {"0", "0", "0"};
                         b.end = {"3", "4", "2"};
                         b.endMark = b.components = true;
                     })}});
    files.push_back({"3D/vecadd.pgp", 3, {Operation(VecOperation::Sum, {"3", "0", "1"}, {"1", "3", "1"})}});
    files.push_back({"3D/vecsub.pgp", 3, {Operation(VecOperation::Difference, {"3", "0", "1"}, {"1", "3", "1"})}});
    files.push_back({"3D/vecconst.pgp", 3, {Operation(VecOperation::Multiple, {"1", "2", "1"}, {}, "2.5")}});
    files.push_back({"3D/vecscalar.pgp", 3, {Operation(VecOperation::DotProduct, {"3", "0", "0"}, {"2", "2", "0"})}});
    files.push_back(
        {"3D/vecvecproduct.pgp", 3, {Operation(VecOperation::CrossProduct, {"3", "0", "0"}, {"1", "2", "0"})}});
}

// Tables and the special graphs of the advanced submenu.
void AddTableAndAdvancedSamples(std::vector<SampleFile>& files) {
    files.push_back({"Table/2D_Scatter.pgp", 1,
                     {With(PlaneTableBoxes{}, [](PlaneTableBoxes& b) {
                         b.rows = Points({{"1", "3.2"}, {"2", "4.8"}, {"3", "7.1"}, {"4", "9.3"}, {"5", "10.6"},
                                          {"6", "13.4"}, {"7", "15.1"}, {"8", "16.7"}, {"9", "19.2"}, {"10", "21.0"},
                                          {"11", "23.3"}, {"12", "24.6"}});
                         b.line = false;
                         b.scatter = true;
                         b.scatterSize = "4";
                         b.scatterColour = Blue;
                     })}});
    files.push_back({"Table/2D_line.pgp", 1,
                     {With(PlaneTableBoxes{}, [](PlaneTableBoxes& b) {
                         b.rows = Points({{"1", "-4"}, {"2", "-1"}, {"3", "6"}, {"4", "14"}, {"5", "20"}, {"6", "25"},
                                          {"7", "27"}, {"8", "26"}, {"9", "21"}, {"10", "13"}, {"11", "5"},
                                          {"12", "-2"}});
                         b.lineColour = Blue;
                         b.lineWidth = "2";
                         b.scatter = true;
                         b.scatterSize = "4";
                         b.scatterColour = Red;
                         b.symbol = Symbol::FilledSquare;
                     })}});
    files.push_back({"Table/2D_curve smoothing.pgp", 1,
                     {With(PlaneTableBoxes{}, [](PlaneTableBoxes& b) {
                         b.rows = Points({{"0", "0"}, {"1", "2.4"}, {"2", "3.1"}, {"3", "2.2"}, {"4", "0.6"},
                                          {"5", "-0.4"}, {"6", "-0.5"}, {"7", "0.1"}, {"8", "0.6"}});
                         b.lineColour = Grey;
                         b.scatter = true;
                         b.scatterSize = "4";
                         b.scatterColour = Red;
                         b.smooth = true;
                         b.smoothColour = Green;
                         b.smoothWidth = 2;
                     })}});
    files.push_back({"Table/25D_3.pgp", 2,
                     {With(StripTableBoxes{}, [](StripTableBoxes& b) {
                         b.rows = Points({{"0", "1"}, {"1", "3"}, {"2", "2"}, {"3", "5"}, {"4", "4"}, {"5", "6"},
                                          {"6", "3"}, {"7", "4"}, {"8", "2"}, {"9", "3"}});
                     })}});
    files.push_back({"Table/3D_u2v2.pgp", 3,
                     {With(SurfaceTableBoxes{}, [](SurfaceTableBoxes& b) {
                         b.rows = b.columns = 9;
                         b.cells.clear();
                         static const char* const at[] = {"-2", "-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5", "2"};
                         for (int i = 0; i < 9; ++i)
                             for (int j = 0; j < 9; ++j) {
                                 const double x = -2 + 0.5 * i, y = -2 + 0.5 * j;
                                 b.cells.push_back({at[i], at[j], ShortestSingleText(float((x * x + y * y) / 2))});
                             }
                         b.look = Gradient(Red, Blue);
                     })}});

    files.push_back({"Adv/samp8.pgp", 3,
                     {With(Surface(SpaceCoord::Cartesian,
                                   "3*(1-x)^2*exp(-x^2-(y+1)^2)-10*(x/5-x^3-y^5)*exp(-x^2-y^2)-exp(-(x+1)^2-y^2)/3",
                                   "-3", "3", "40", "-3", "3", "40"),
                           [](SpaceFunctionBoxes& b) {
                               b.contour = true;
                               b.look = Gradient(Red, Blue);
                           })}});
    files.push_back({"Adv/samp1.pgp", 7,
                     {Field(FieldKind::ColourMap, "sin(u)*cos(v)", "-pi", "pi", "40"),
                      With(Field(FieldKind::Contour, "sin(u)*cos(v)", "-pi", "pi", "40"), [](FieldBoxes& b) {
                          b.oneColour = true;
                          b.single = Black;
                      })}});
    files.push_back({"Adv/samp7.pgp", 7,
                     {Field(FieldKind::Contour, "2*u*exp(-u^2-v^2)", "-2", "2", "20"),
                      With(Field(FieldKind::VectorField, "2*u*exp(-u^2-v^2)", "-2", "2", "20"),
                           [](FieldBoxes& b) { b.single = Black; })}});
}

} // namespace

const std::vector<SampleFile>& SampleFiles() {
    static const std::vector<SampleFile> files = [] {
        std::vector<SampleFile> all;
        AddPlaneSamples(all);
        AddStripSamples(all);
        AddSpaceSamples(all);
        AddTableAndAdvancedSamples(all);
        return all;
    }();
    return files;
}

const SampleFile* FindSampleFile(const std::string& path) {
    for (const SampleFile& f : SampleFiles())
        if (f.path == path) return &f;
    return nullptr;
}
