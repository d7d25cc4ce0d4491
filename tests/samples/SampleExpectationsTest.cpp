// What the analysed samples report once opened: the result pane's lines of
// the last-drawn graph, numbers within the table's tolerances; for the
// differential equation with an initial value and the limit, whose graphs
// write no line, their sampled points.
#include "core/NumberText.h"
#include "graph/Cls9.h"
#include "graph/SamplingContext.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/samples/SampleWindow.h"
#include "tests/support/RunFolder.h"
#include "tools/mksamples/SampleBuild.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A result line: the text it holds, then the numbers that follow that text.
struct Line {
    std::string label;
    std::vector<double> values;
};
struct Expectation {
    std::string file;
    std::vector<Line> lines; // in order: every line holding one of the labels
    double tolerance = 1e-3;
    bool relative = true; // absolute where the expected value is 0
};

const std::vector<Expectation>& Expectations() {
    static const std::vector<Expectation> table{
        {"2D/probability curve.pgp", {{"面积为", {0.6827}}}, 0.0005, false},
        {"2D/root.pgp", {{"根:", {-1.8794, 0}}, {"根:", {0.3473, 0}}, {"根:", {1.5321, 0}}}},
        {"2D/extremum.pgp",
         {{"极小值点:", {-2, -1}},
          {"极大值点:", {0, 3}},
          {"极小值点:", {2, -1}},
          {"拐点:", {-1.1547, 0.7778}},
          {"拐点:", {1.1547, 0.7778}}}},
        {"2D/integral.pgp", {{"面积为", {2}}}, 0.002, false},
        {"2D/integral_polar.pgp", {{"面积为", {3 * 3.14159265358979}}}, 0.01, false},
        {"2D/curvature.pgp",
         {{"长度为", {2.2956}},
          {"曲率半径:", {1}},
          {"曲率圆的圆心:", {0, 1}},
          {"曲率半径:", {2.828}},
          {"曲率圆的圆心:", {-1, 2.5}}}},
        {"2D/intersection.pgp", {{"交点:", {-1, 1}}, {"交点:", {2, 4}}, {"相交区域的面积", {4.5}}}, 0.01, false},
        {"3D/vector.pgp", {{"模:", {5.385165}}}},
        {"3D/vecscalar.pgp", {{"值=", {6}}, {"夹角:", {44.9999}}}},
        {"3D/vecvecproduct.pgp", {{"(粉红):", {0, 0, 6}}}},
    };
    return table;
}

// The numbers written after `label` in a line.
std::vector<double> NumbersAfter(const std::string& line, const std::string& label) {
    static const QRegularExpression number(R"(-?\d+(\.\d+)?(e[-+]?\d+)?)");
    const QString rest = QString::fromStdString(line.substr(line.find(label) + label.size()));
    std::vector<double> values;
    for (auto it = number.globalMatch(rest); it.hasNext();) values.push_back(NumericValue(it.next().captured().toStdString()));
    return values;
}

using SampleExpectations = SampleWindowTest;

TEST_F(SampleExpectations, ResultPaneLinesOfTheAnalysedSamples) {
    for (const Expectation& e : Expectations()) {
        SCOPED_TRACE(e.file);
        OpenAnotherSample(e.file);
        const std::string pane = W().Result->toPlainText().toStdString();
        std::vector<std::string> found; // the lines holding a label, with the label
        std::vector<std::vector<double>> values;
        std::size_t start = 0;
        while (start <= pane.size()) {
            const std::size_t end = std::min(pane.find('\n', start), pane.size());
            const std::string line = pane.substr(start, end - start);
            for (const Line& l : e.lines)
                if (line.find(l.label) != std::string::npos) {
                    found.push_back(l.label);
                    values.push_back(NumbersAfter(line, l.label));
                    break;
                }
            start = end + 1;
        }
        std::vector<std::string> labels;
        for (const Line& l : e.lines) labels.push_back(l.label);
        ASSERT_EQ(found, labels) << pane;
        for (std::size_t k = 0; k < labels.size(); ++k) {
            ASSERT_EQ(values[k].size(), e.lines[k].values.size()) << labels[k] << "\n" << pane;
            for (std::size_t v = 0; v < values[k].size(); ++v) {
                const double want = e.lines[k].values[v];
                const double tolerance = e.relative && want != 0 ? e.tolerance * std::fabs(want) : e.tolerance;
                EXPECT_NEAR(values[k][v], want, tolerance) << labels[k] << " value " << v + 1 << "\n" << pane;
            }
        }
    }
}

// The last graph of the visible scene.
const Cls9& LastGraph() {
    const Cls9* last = nullptr;
    for (const auto& e : VisibleScene.FunSurfs) last = e.graph.get();
    return *last;
}

TEST_F(SampleExpectations, EulerSolutionFromItsInitialValue) {
    OpenSample("2D/odeinit.pgp");
    ASSERT_EQ(VisibleScene.FunSurfs.Count(), 2);
    const Cls9& exact = *VisibleScene.FunSurfs.begin()->graph;
    const Cls9& euler = LastGraph();
    ASSERT_EQ(euler.GraphType, GraphType::ODE);
    ASSERT_EQ(euler.StepU, 20);
    EXPECT_NEAR(euler.VertODE(20, 0).x, 2, 2e-5);
    EXPECT_NEAR(euler.VertODE(20, 0).y, std::pow(1.1, 20), 1e-5 * std::pow(1.1, 20));
    const std::int64_t last = exact.Vert3D.Upper(1);
    EXPECT_NEAR(exact.Vert3D(0, last).x, 2, 1e-6);
    EXPECT_NEAR(exact.Vert3D(0, last).y, std::exp(2.0), 1e-3 * std::exp(2.0));
}

TEST_F(SampleExpectations, LimitHasAGapAtX0) {
    OpenSample("2D/limit.pgp");
    const Cls9& g = LastGraph();
    ASSERT_EQ(g.GraphType, GraphType::Limit);
    ASSERT_EQ(g.Vert3D.Upper(1), 50);
    EXPECT_LT(std::fabs(g.Vert3D(0, 25).x), 1e-6);
    EXPECT_TRUE(IsUndefined(g.Vert3D(0, 25).y));
    EXPECT_NEAR(g.Vert3D(0, 24).y, 0.9957388, 1e-6);
    EXPECT_NEAR(g.Vert3D(0, 26).y, 0.9957388, 1e-6);
}

// The special samples, fitted: their highest values (red) and lowest (blue)
// where X runs across and Y up.
TEST_F(SampleExpectations, SpecialSamplesShowTheirExtremaAlongTheirOwnAxes) {
    const double pi = 3.14159265358979;
    enum Tone { High, Low, Middle };
    struct Place {
        double x, y;
        Tone tone;
    };
    struct Row {
        const char* file;
        std::vector<Place> places; // the map: the pixels about each place
        bool centres;              // the level lines: where the red and the blue lie
    };
    const Row rows[] = {
        // sin(X)cos(Y): highest at (pi/2, 0) and (-pi/2, +-pi), lowest at
        // (-pi/2, 0) and (pi/2, +-pi), 0 along X = 0.
        {"Adv/samp1.pgp",
         {{pi / 2, 0, High},
          {-pi / 2, 0, Low},
          {-pi / 2, pi - 0.3, High},
          {pi / 2, -pi + 0.3, Low},
          {0, pi / 2, Middle},
          {0, -pi / 2, Middle}},
         false},
        // 2X e^(-X^2-Y^2): its two lobes on the X axis, at X = +-0.71.
        {"Adv/samp7.pgp", {}, true},
    };
    const auto red = [](QRgb c) { return qRed(c) > qBlue(c) + 100 && qRed(c) > 150; };
    const auto blue = [](QRgb c) { return qBlue(c) > qRed(c) + 100 && qBlue(c) > 150; };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        OpenAnotherSample(r.file);
        Run("mnuViewFit");
        const QImage image = Render(0);
        ASSERT_FALSE(image.isNull());
        image.save(RunFile(QString("vexilon_sample_") + QFileInfo(r.file).baseName() + ".png"));
        // The unturned orthographic view: the volume about the reference point.
        const auto pixelOf = [&](double x, double y) {
            return QPointF((x - Camera.RefPos.x) / Camera.VolWidth * image.width() + image.width() / 2.0,
                           image.height() / 2.0 - (y - Camera.RefPos.y) / Camera.VolHeight * image.height());
        };
        const auto placeOf = [&](QPointF p) {
            return QPointF((p.x() - image.width() / 2.0) / image.width() * Camera.VolWidth + Camera.RefPos.x,
                           (image.height() / 2.0 - p.y()) / image.height() * Camera.VolHeight + Camera.RefPos.y);
        };
        for (const Place& p : r.places) {
            const QPointF at = pixelOf(p.x, p.y);
            int reds = 0, blues = 0;
            for (int dy = -6; dy <= 6; ++dy)
                for (int dx = -6; dx <= 6; ++dx) {
                    const QRgb c = image.pixel(int(at.x()) + dx, int(at.y()) + dy);
                    reds += red(c);
                    blues += blue(c);
                }
            EXPECT_EQ(reds > 0, p.tone == High) << p.x << " " << p.y;
            EXPECT_EQ(blues > 0, p.tone == Low) << p.x << " " << p.y;
        }
        if (!r.centres) continue;
        QPointF redSum, blueSum;
        int reds = 0, blues = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (red(c)) redSum += QPointF(x, y), ++reds;
                if (blue(c)) blueSum += QPointF(x, y), ++blues;
            }
        ASSERT_GT(reds, 20);
        ASSERT_GT(blues, 20);
        const QPointF high = placeOf(redSum / reds), low = placeOf(blueSum / blues);
        EXPECT_NEAR(high.x(), 0.71, 0.25);
        EXPECT_NEAR(high.y(), 0, 0.1);
        EXPECT_NEAR(low.x(), -0.71, 0.25);
        EXPECT_NEAR(low.y(), 0, 0.1);
    }
}

// The capture takes the colours as drawn: the smoothed edges of a red curve
// blend red into the white background (pink), never into another hue.
TEST_F(SampleExpectations, CapturedEdgesKeepTheirColour) {
    OpenSample("2D/rose with four leaves.pgp");
    const QImage image = Render(0);
    ASSERT_FALSE(image.isNull());
    int red = 0, edges = 0, otherHue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) == 220 && qGreen(c) == 0 && qBlue(c) == 0) ++red;
            else if (qRed(c) > 200 && qGreen(c) > 30 && qGreen(c) < 230 && qGreen(c) == qBlue(c)) ++edges;
            if (qGreen(c) > qRed(c) + 60) ++otherHue;
        }
    EXPECT_GT(red, 0);
    EXPECT_GT(edges, 0);
    EXPECT_EQ(otherHue, 0);
}

// The sine strip's gradient runs along x as its fill style lays it: its
// second colour (blue) at the smallest x, at the left of the view, its first
// (red) at the largest, at the right.
TEST_F(SampleExpectations, SineStripRunsFromItsSecondColourToItsFirstAlongX) {
    OpenSample("25D/sin.pgp");
    const Cls9& strip = *VisibleScene.FunSurfs.Item(1);
    ASSERT_EQ(strip.FillStyle, FillStyle::LeftToRight);
    // Colours red + 256 green + 65536 blue: the first red, the second blue.
    ASSERT_GT(strip.FirstColor & 0xFF, 150);
    ASSERT_EQ(strip.FirstColor >> 16, 0);
    ASSERT_EQ(strip.SecondColor & 0xFFFF, 0);
    ASSERT_GT(strip.SecondColor >> 16, 150);
    const QImage image = Render(0);
    ASSERT_FALSE(image.isNull());
    // The share of blue in the coloured pixels of each third of the view.
    double red[3] = {}, blue[3] = {};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) + qBlue(c) < 200 || qGreen(c) > 120) continue; // background, frame, shadowed side
            red[x * 3 / image.width()] += qRed(c);
            blue[x * 3 / image.width()] += qBlue(c);
        }
    ASSERT_GT(red[0] + blue[0], 0);
    ASSERT_GT(red[2] + blue[2], 0);
    const double leftBlue = blue[0] / (red[0] + blue[0]);
    const double rightBlue = blue[2] / (red[2] + blue[2]);
    EXPECT_GT(leftBlue, 0.4);
    EXPECT_LT(rightBlue, 0.25);
    EXPECT_GT(leftBlue, rightBlue + 0.25);
}

// mksamples refuses a document beyond the short frame's 65,535 bytes (in
// GBK), and one of 5000 tokens or more.
TEST(SampleLimits, BytesAndTokens) {
    EXPECT_EQ(SampleTextRefusal(std::string(65535, 'x')), std::nullopt);
    EXPECT_EQ(SampleTextRefusal(std::string(65536, 'x')), "65536 bytes");
    EXPECT_EQ(SampleTextRefusal(std::string(65533, 'x') + "表"), std::nullopt);
    EXPECT_EQ(SampleTextRefusal(std::string(65534, 'x') + "表"), "65536 bytes");
    std::string tokens;
    for (int k = 0; k < 4999; ++k) tokens += "1 ";
    EXPECT_EQ(SampleTextRefusal(tokens), std::nullopt);
    EXPECT_EQ(SampleTextRefusal(tokens + "1"), "5000 tokens");
}

} // namespace
