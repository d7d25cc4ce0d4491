#include "tests/document/OldDocuments.h"

#include "tests/document/SampleDocuments.h"

namespace {

// Positions in a record, counted from its type token.
constexpr std::size_t kNameAt = 2;
constexpr std::size_t kPointColorAt = 21;
constexpr std::size_t kPointSizeAt = 22;
constexpr std::size_t kPointHollowAt = 23;
constexpr std::size_t kAnimationAt = 24;

const std::string kParabolaGbk = "\xC5\xD7\xCE\xEF\xCF\xDF"; // "抛物线"
const std::string kTimeGbk = "\xCA\xB1\xBC\xE4";            // "时间"

// Fields p to p+20 of the format's example record ("0 1 Untitled 1 0 u v 1
// 300 0 1 -5 5 4 255 255 255 2 4 2 2") with the type, ID, CoordType and
// expressions given, and the graph they read to: a new graph with FunForm 3,
// Show2DCurve True and these fields.
OldRecord Head(std::int32_t type, std::int32_t id, std::int32_t coord, std::string label, const std::string& x,
               const std::string& y, const std::string& z) {
    OldRecord r;
    r.tokens = {std::to_string(type), std::to_string(id), "Untitled", std::to_string(coord), x, y, z,
                "1", "300", "0", "1", "-5", "5", "4", "255", "255", "255", "2", "4", "2", "2"};
    auto g = std::make_shared<Cls9>();
    g->FunForm = 3;
    g->Show2DCurve = true;
    g->GraphType = type;
    g->ID = id;
    g->NameS = "Untitled";
    g->CoordType = coord;
    g->ExpressX = x;
    g->ExpressY = y;
    g->ExpressZ = z;
    g->StepU = 1;
    g->StepV = 300;
    g->MinU = 0;
    g->MaxU = 1;
    g->MinV = -5;
    g->MaxV = 5;
    g->FillStyle = 4;
    g->FirstColor = 255;
    g->SecondColor = 255;
    g->LineColor = 255;
    g->LineWidth = 2;
    g->Material = 4;
    g->Show = 2;
    g->Smoothness = 2;
    r.graph = std::move(g);
    r.label = std::move(label);
    return r;
}

// A generation-0 record: its 21 fields.
OldRecord Gen0(std::int32_t type, std::int32_t id, std::int32_t coord, std::string label, const std::string& x = "0",
               const std::string& y = "u", const std::string& z = "v") {
    return Head(type, id, coord, std::move(label), x, y, z);
}

// A generation-1 record, not animated: then PointColor 255, PointSize "1",
// PointHollow "0" and Animation "0", the values a new graph has.
OldRecord Gen1(std::int32_t type, std::int32_t id, std::int32_t coord, std::string label, const std::string& x = "0",
               const std::string& y = "u", const std::string& z = "v") {
    OldRecord r = Head(type, id, coord, std::move(label), x, y, z);
    r.tokens.insert(r.tokens.end(), {"255", "1", "0", "0"});
    return r;
}

// A generation-2 record: then ShowContour, ShowVector, ShowColormap and
// ContourLevel, all "0".
OldRecord Gen2(std::int32_t type, std::int32_t id, std::int32_t coord, std::string label, const std::string& x = "0",
               const std::string& y = "u", const std::string& z = "v") {
    OldRecord r = Gen1(type, id, coord, std::move(label), x, y, z);
    r.tokens.insert(r.tokens.end(), {"0", "0", "0", "0"});
    return r;
}

// Animation "True", then MinT, MaxT, frame count and speed.
void Animate(OldRecord& r, const std::string& minT, float minValue, const std::string& maxT, float maxValue,
             const std::string& frames, const std::string& speed) {
    r.tokens[kAnimationAt] = "True";
    r.tokens.insert(r.tokens.begin() + kAnimationAt + 1, {minT, maxT, frames, speed});
    r.graph->Animation = true;
    r.graph->MinT = minValue;
    r.graph->MaxT = maxValue;
}

// The last four tokens of a generation-2 record.
void Views(OldRecord& r, std::vector<std::string> tokens) {
    std::copy(tokens.begin(), tokens.end(), r.tokens.end() - 4);
}

std::vector<std::string> Tokens(const std::string& header, const std::string& count, const std::vector<OldRecord>& records,
                                const std::vector<std::string>& after) {
    std::vector<std::string> t = {header, count};
    for (const OldRecord& r : records) t.insert(t.end(), r.tokens.begin(), r.tokens.end());
    t.insert(t.end(), after.begin(), after.end());
    return t;
}

std::string File(const std::string& header, const std::string& count, const std::vector<OldRecord>& records,
                 const std::vector<std::string>& after) {
    return OldFile(Tokens(header, count, records, after));
}

Cls3 Hidden() {
    Cls3 a = OldFixtureAxes();
    a.Show = false;
    return a;
}

OldDocumentFixture Damaged(std::string name, std::string bytes) {
    return {.name = std::move(name), .bytes = std::move(bytes), .damaged = true};
}

} // namespace

std::string OldFile(const std::vector<std::string>& tokens) {
    std::string text;
    for (const std::string& t : tokens) {
        if (&t != &tokens.front()) text += ' ';
        text += t;
    }
    return FramedFile(text);
}

Cls3 OldFixtureAxes() {
    Cls3 a = SampleAxes();
    a.AxisStyle = 2;
    return a;
}

std::vector<OldDocumentFixture> OldDocumentFixtures() {
    std::vector<OldDocumentFixture> f;
    const Cls3 kept = OldFixtureAxes();

    // Generation 0.
    {
        const OldRecord curve = Gen0(0, 1, 1, "二维曲线  x=u,y=v");
        f.push_back({.name = "S4: one plane curve", .bytes = File("S4", "1", {curve}, {}), .rows = {curve},
                     .idCounter = 2, .axes = kept});
    }
    f.push_back({.name = "S2 with no records", .bytes = OldFile({"S2", "0"}), .kind = 3, .pitch = -15, .yaw = 45,
                 .axes = kept});
    {
        const OldRecord curve = Gen0(0, 1, 1, "二维曲线  x=u,y=v");
        const OldRecord point = Gen0(7, 5, 2, "点  a=u, r=v");
        // The second record begins at token 23; the tokens after it are never read.
        f.push_back({.name = "S1: two records, then tokens not read",
                     .bytes = File("S1", "2", {curve, point}, {"4", "1"}), .rows = {curve, point}, .idCounter = 6,
                     .axes = kept});
    }
    {
        const OldRecord wave = Gen0(9, 2, 1, "二维曲线动画  x=u,y=v");
        f.push_back({.name = "S1: type 9 is not animated", .bytes = File("S1", "1", {wave}, {}), .rows = {wave},
                     .idCounter = 3, .axes = kept});
    }
    {
        const OldRecord strip = Gen0(3, 1, 2, "二维半条带  a=u, r=v");
        f.push_back({.name = "S5: a strip", .bytes = File("S5", "1", {strip}, {}), .kind = 2, .pitch = -15,
                     .yaw = 45, .rows = {strip}, .idCounter = 2, .axes = kept});
    }
    {
        const OldRecord surface = Gen0(2, 4, 3, "三维曲面  x=0,y=u,z=v");
        f.push_back({.name = "S6: a surface", .bytes = File("S6", "1", {surface}, {}), .kind = 3, .pitch = -15,
                     .yaw = 45, .rows = {surface}, .idCounter = 5, .axes = kept});
    }
    {
        // Every type generation 0 reads, in a strip document: the plane and
        // space graphs take the labels of their own kinds.
        const std::vector<OldRecord> all = {
            Gen0(0, 1, 1, "二维曲线  x=u,y=v"),           Gen0(1, 2, 3, "三维曲线  x=0,y=u,z=v"),
            Gen0(2, 3, 3, "三维曲面  x=0,y=u,z=v"),       Gen0(3, 4, 1, "二维半条带  x=u, y=v"),
            Gen0(7, 5, 1, "点  x=u, y=v"),                Gen0(8, 6, 1, "点动画  x=u, y=v"),
            Gen0(9, 7, 1, "二维曲线动画  x=u,y=v"),       Gen0(10, 8, 1, "二维半动画  x=u,y=v"),
            Gen0(11, 9, 3, "三维曲线动画  x=0,y=u,z=v"), Gen0(12, 10, 3, "三维曲面动画  x=0,y=u,z=v"),
        };
        f.push_back({.name = "S5: every graph type of the generation", .bytes = File("S5", "10", all, {}), .kind = 2,
                     .pitch = -15, .yaw = 45, .rows = all, .idCounter = 10, .axes = kept});
    }
    f.push_back(Damaged("S1: type 4 as the second record",
                        File("S1", "2", {Gen0(0, 1, 1, ""), Gen0(4, 2, 1, "")}, {})));
    f.push_back(Damaged("S1: a count of 2 with one record", File("S1", "2", {Gen0(0, 1, 1, "")}, {})));
    f.push_back(Damaged("S7 is no header", File("S7", "1", {Gen0(0, 1, 1, "")}, {})));

    // Generation 1.
    {
        // The format's example: "S11 1 0 1 Untitled 1 0 u v 1 300 0 1 -5 5 4 255 255 255 2 4 2 2 255 1 0 0 0".
        const OldRecord curve = Gen1(0, 1, 1, "二维曲线  x=u,y=v");
        f.push_back({.name = "S11: the format's example", .bytes = File("S11", "1", {curve}, {"0"}),
                     .rows = {curve}, .idCounter = 2, .fillsBoxes = true, .axes = Hidden()});
    }
    {
        OldRecord wave = Gen1(9, 1, 1, "二维曲线动画  x=u,y=v");
        Animate(wave, "0", 0, "1", 1, "20", "5");
        // The next record begins 29 tokens after the animated one's type token.
        const OldRecord point = Gen1(7, 2, 1, "点  x=u, y=v");
        f.push_back({.name = "S11: animated, then a point", .bytes = File("S11", "2", {wave, point}, {"0"}),
                     .rows = {wave, point}, .idCounter = 2, .animation = AnimationValues{20, 5},
                     .fillsBoxes = true, .axes = Hidden()});
    }
    {
        std::vector<OldRecord> points;
        const char* sizes[] = {"3", "10", "3.0", ""};
        for (int i = 0; i < 4; ++i) {
            OldRecord p = Gen1(7, i + 1, 1, "点  x=u, y=v");
            p.tokens[kPointSizeAt] = sizes[i];
            points.push_back(p);
        }
        points[0].graph->PointSize = 3;
        points[0].tokens[kPointColorAt] = "65280";
        points[0].graph->PointColor = 65280;
        points[0].tokens[kPointHollowAt] = "True";
        points[0].graph->PointHollow = true;
        points[1].tokens[kPointHollowAt] = "true";
        points[2].tokens[kPointHollowAt] = "1";
        points[2].graph->PointHollow = true;
        f.push_back({.name = "S14: point sizes and hollow flags", .bytes = File("S14", "4", points, {"False"}),
                     .rows = points, .idCounter = 4, .fillsBoxes = true, .axes = Hidden()});
    }
    {
        const OldRecord point = Gen1(7, 1, 4, "点  a=u, r=v, z=z", "u", "v", "z");
        f.push_back({.name = "S12: a point in cylinder coordinates", .bytes = File("S12", "1", {point}, {"0"}),
                     .kind = 3, .pitch = -15, .yaw = 45, .rows = {point}, .idCounter = 2, .fillsBoxes = true,
                     .axes = Hidden()});
    }
    {
        const OldRecord moving = Gen1(10, 1, 1, "二维半动画  x=u,y=v");
        const OldRecord strip = Gen1(3, 2, 1, "二维半条带  x=u, y=v");
        f.push_back({.name = "S13: strips of types 10 and 3", .bytes = File("S13", "2", {moving, strip}, {"0"}),
                     .kind = 2, .pitch = -15, .yaw = 45, .rows = {moving, strip}, .idCounter = 2,
                     .fillsBoxes = true, .axes = Hidden()});
    }
    {
        const OldRecord curve = Gen1(11, 1, 5, "三维曲线动画  a=0,b=u,r=v");
        f.push_back({.name = "S16: a space curve in spherical coordinates", .bytes = File("S16", "1", {curve}, {"0"}),
                     .kind = 3, .pitch = -15, .yaw = 45, .rows = {curve}, .idCounter = 2, .fillsBoxes = true,
                     .axes = Hidden()});
    }
    {
        // No plane label for these: the space labels stand in.
        const OldRecord curve = Gen1(1, 1, 3, "三维曲线  x=cos(u),y=sin(u),z=u", "cos(u)", "sin(u)", "u");
        const OldRecord point = Gen1(7, 2, 3, "点  x=1, y=2, z=3", "1", "2", "3");
        f.push_back({.name = "S11: a space curve and a space point", .bytes = File("S11", "2", {curve, point}, {"0"}),
                     .rows = {curve, point}, .idCounter = 2, .fillsBoxes = true, .axes = Hidden()});
    }
    {
        OldRecord wave = Gen1(9, 1, 1, "二维曲线动画  x=u,y=v");
        Animate(wave, "-1", -1, "2.5", 2.5f, "5000", "0");
        f.push_back({.name = "S11: frame count 5000 and speed 0", .bytes = File("S11", "1", {wave}, {"0"}),
                     .rows = {wave}, .idCounter = 2, .animation = AnimationValues{1000, 1}, .fillsBoxes = true,
                     .axes = Hidden()});
    }
    {
        OldRecord wave = Gen1(9, 1, 1, "二维曲线动画  x=u,y=v");
        Animate(wave, "0", 0, "1", 1, "20", "4");
        OldRecord point = Gen1(8, 2, 1, "点动画  x=u, y=v");
        Animate(point, "0", 0, "3", 3, "5", "3");
        f.push_back({.name = "S11: frame counts 20 then 5", .bytes = File("S11", "2", {wave, point}, {"0"}),
                     .rows = {wave, point}, .idCounter = 2, .animation = AnimationValues{5, 3}, .fillsBoxes = true,
                     .axes = Hidden()});
    }
    {
        OldRecord curve = Gen1(0, 1, 1, "二维曲线  x=u,y=v");
        curve.tokens[kNameAt] = kParabolaGbk;
        curve.graph->NameS = "抛物线";
        f.push_back({.name = "S11: a GBK name, bytes after the text",
                     .bytes = File("S11", "1", {curve}, {"0"}) + "\x01\x02 S71 tail", .rows = {curve},
                     .idCounter = 2, .fillsBoxes = true, .axes = Hidden()});
    }
    {
        const OldRecord first = Gen1(0, 3, 1, "二维曲线  x=u,y=v");
        const OldRecord second = Gen1(7, 7, 1, "点  x=u, y=v");
        f.push_back({.name = "S11: IDs 3 then 7", .bytes = File("S11", "2", {first, second}, {"0"}),
                     .rows = {first, second}, .idCounter = 8, .fillsBoxes = true, .axes = Hidden()});
    }
    {
        // Every type generation 1 reads, in a space document, the surface
        // animation animated: the plane graphs and points take the plane
        // labels, the strips the word of their kind and their expressions.
        std::vector<OldRecord> all = {
            Gen1(0, 1, 1, "二维曲线  x=u,y=v"),           Gen1(1, 2, 3, "三维曲线  x=0,y=u,z=v"),
            Gen1(2, 3, 3, "三维曲面  x=0,y=u,z=v"),       Gen1(3, 4, 1, "二维半条带  0, u, v"),
            Gen1(7, 5, 1, "点  x=u, y=v"),                Gen1(8, 6, 1, "点动画  x=u, y=v"),
            Gen1(9, 7, 1, "二维曲线动画  x=u,y=v"),       Gen1(10, 8, 1, "二维半动画  0, u, v"),
            Gen1(11, 9, 3, "三维曲线动画  x=0,y=u,z=v"), Gen1(12, 10, 3, "三维曲面动画  x=0,y=u,z=v"),
        };
        Animate(all[9], "0", 0, "2", 2, "4", "6");
        f.push_back({.name = "S16: every graph type of the generation", .bytes = File("S16", "10", all, {"0"}),
                     .kind = 3, .pitch = -15, .yaw = 45, .rows = all, .idCounter = 10,
                     .animation = AnimationValues{4, 6}, .fillsBoxes = true, .axes = Hidden()});
    }
    f.push_back(Damaged("S11: 13 as the second record",
                        File("S11", "2", {Gen1(0, 1, 1, ""), Gen1(13, 2, 1, "")}, {"0"})));
    f.push_back(Damaged("S11: 4 as the second record",
                        File("S11", "2", {Gen1(0, 1, 1, ""), Gen1(4, 2, 1, "")}, {"0"})));
    {
        std::vector<std::string> cut = Tokens("S11", "1", {Gen1(0, 1, 1, "")}, {});
        cut.resize(cut.size() - 5);
        f.push_back(Damaged("S11: a record cut short", OldFile(cut)));
    }
    // The axes record ends after its "shown": the bytes after the text would
    // make that token another one, and the record whole.
    f.push_back(Damaged("S11: the axes record cut short, bytes after the text",
                        File("S11", "1", {Gen1(0, 1, 1, "")}, {"1"}) + "\x01\x02 S71 tail"));
    f.push_back(Damaged("S11: a count of 2 with one record", File("S11", "2", {Gen1(0, 1, 1, "")}, {"0"})));
    f.push_back(Damaged("S17 is no header", File("S17", "1", {Gen1(0, 1, 1, "")}, {"0"})));

    // Generation 2.
    {
        OldRecord curve = Gen2(0, 1, 1, "二维曲线  x=u,y=v");
        Views(curve, {"True", "true", "1", "10"});
        curve.graph->ShowContour = true;
        curve.graph->ShowColormap = true;
        curve.graph->ContourLevel = 10;
        OldRecord wave = Gen2(9, 2, 2, "二维曲线动画  a=u,r=v");
        Animate(wave, "0", 0, "6.25", 6.25f, "40", "8");
        Views(wave, {"0", "1", "0", "3"});
        wave.graph->ShowVector = true;
        wave.graph->ContourLevel = 3;
        const OldRecord last = Gen2(7, 3, 1, "点  x=u, y=v");
        f.push_back({.name = "S21: the view switches, an animated record of 33 tokens",
                     .bytes = File("S21", "3", {curve, wave, last}, {"0"}), .rows = {curve, wave, last},
                     .idCounter = 4, .animation = AnimationValues{40, 8}, .fillsBoxes = true, .axes = Hidden()});
    }
    {
        const OldRecord contour = Gen2(14, 1, 3, "等值线图 Plot  x=u, y=v, z=z", "u", "v", "z");
        const OldRecord colours = Gen2(13, 2, 3, "色谱图  x=u, y=v, z=z", "u", "v", "z");
        const OldRecord field = Gen2(15, 3, 3, "矢量图  x=u, y=v, z=z", "u", "v", "z");
        f.push_back({.name = "S27: special graphs", .bytes = File("S27", "3", {contour, colours, field}, {"0"}),
                     .kind = 7, .rows = {contour, colours, field}, .idCounter = 4, .fillsBoxes = true,
                     .axes = Hidden()});
    }
    {
        // Every type generation 2 reads, in a special-graph document, the
        // surface animation animated.
        std::vector<OldRecord> all = {
            Gen2(0, 1, 1, "二维曲线  x=u,y=v"),
            Gen2(1, 2, 3, "三维曲线  x=0,y=u,z=v"),
            Gen2(2, 3, 3, "三维曲面  x=0,y=u,z=v"),
            Gen2(3, 4, 1, "二维半条带  0, u, v"),
            Gen2(7, 5, 1, "点  x=u, y=v"),
            Gen2(8, 6, 1, "点动画  x=u, y=v"),
            Gen2(9, 7, 1, "二维曲线动画  x=u,y=v"),
            Gen2(10, 8, 1, "二维半动画  0, u, v"),
            Gen2(11, 9, 3, "三维曲线动画  x=0,y=u,z=v"),
            Gen2(12, 10, 3, "三维曲面动画  x=0,y=u,z=v"),
            Gen2(13, 11, 3, "色谱图  x=u, y=v, z=z", "u", "v", "z"),
            Gen2(14, 12, 3, "等值线图 Plot  x=u, y=v, z=z", "u", "v", "z"),
            Gen2(15, 13, 3, "矢量图  x=u, y=v, z=z", "u", "v", "z"),
        };
        Animate(all[9], "-1", -1, "1", 1, "3", "2");
        f.push_back({.name = "S27: every graph type of the generation", .bytes = File("S27", "13", all, {"0"}),
                     .kind = 7, .rows = all, .idCounter = 14, .animation = AnimationValues{3, 2},
                     .fillsBoxes = true, .axes = Hidden()});
    }
    {
        // Count 0: the axes record is read from token 2, all 28 tokens.
        const std::vector<std::string> axes = {
            "1", "0", "True", "true", "0", "1", "0", "1", "0", "1", "7", "8", "9", "@x@", kTimeGbk, "@",
            "21", "22", "23", "24", "25", "26", "1", "2", "3", "65280", "4", "0"};
        Cls3 a = OldFixtureAxes();
        a.Show = true;
        a.ShowXYPanel = false;
        a.ShowXZPanel = true;
        a.ShowYZPanel = false;
        a.ShowXYXGrid = false;
        a.ShowXYYGrid = true;
        a.ShowXZXGrid = false;
        a.ShowXZZGrid = true;
        a.ShowYZYGrid = false;
        a.ShowYZZGrid = true;
        a.LabelNumX = 7;
        a.LabelNumY = 8;
        a.LabelNumZ = 9;
        a.TitleX = "@x@";
        a.TitleY = "时间";
        a.TitleZ = "@";
        a.XYPanelColor = 21;
        a.XZPanelColor = 22;
        a.YZPanelColor = 23;
        a.XYGridColor = 24;
        a.XZGridColor = 25;
        a.YZGridColor = 26;
        a.XYPanelMaterial = 1;
        a.XZPanelMaterial = 2;
        a.YZPanelMaterial = 3;
        a.AxisColor = 65280;
        a.AxisWidth = 4;
        a.BetterFonts = false;
        std::vector<std::string> after = axes;
        after.insert(after.end(), {"1", "@tail@"});
        f.push_back({.name = "S24: no records, an axes record beginning 1", .bytes = File("S24", "0", {}, after),
                     .axes = a});
    }
    f.push_back({.name = "S22: no records, axes hidden by \"False\"", .bytes = File("S22", "0", {}, {"False"}),
                 .kind = 3, .pitch = -15, .yaw = 45, .axes = Hidden()});
    f.push_back(Damaged("S21: a table record", File("S21", "1", {Gen2(5, 1, 1, "")}, {"0"})));
    f.push_back(Damaged("S28 is no header", File("S28", "0", {}, {"0"})));
    return f;
}
