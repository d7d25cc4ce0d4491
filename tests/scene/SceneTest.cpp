#include "SceneFixture.h"
#include "core/Errors.h"
#include "core/Globals.h"
#include "scene/Cls3.h"
#include "scene/GraphCollection.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

using SceneBox = SceneFixture;
using SceneMembers = SceneFixture;

struct Box {
    float minX, maxX, minY, maxY, minZ, maxZ;
};

void ExpectBox(const Cls1& b, const Box& e) {
    EXPECT_FLOAT_EQ(b.MinX, e.minX);
    EXPECT_FLOAT_EQ(b.MaxX, e.maxX);
    EXPECT_FLOAT_EQ(b.MinY, e.minY);
    EXPECT_FLOAT_EQ(b.MaxY, e.maxY);
    EXPECT_FLOAT_EQ(b.MinZ, e.minZ);
    EXPECT_FLOAT_EQ(b.MaxZ, e.maxZ);
}

// A plane animation whose frame f holds the two samples (-f, 1) and (f, 2f).
std::shared_ptr<Cls9> GrowingAnimation(std::int32_t id, std::int32_t frames) {
    auto g = std::make_shared<Cls9>();
    g->ID = id;
    g->GraphType = 9;
    g->CoordType = 1;
    g->FunForm = 2;
    g->Animation = true;
    g->StepV = 1;
    EXPECT_TRUE(g->Anim2D.Create(1, frames));
    for (std::int32_t f = 0; f <= frames; ++f) {
        SamplePoint& a = g->Anim2D(0, f);
        a.x = float(-f);
        a.y = 1;
        SamplePoint& b = g->Anim2D(1, f);
        b.x = float(f);
        b.y = float(2 * f);
    }
    return g;
}

} // namespace

TEST_F(SceneBox, Table) {
    const float pi = 3.1416f;
    struct Case {
        const char* name;
        std::int32_t kind;
        bool showPI;
        std::vector<Box> graphs; // x and y ranges of implicit plane graphs
        Box expected;
        float scale2D;
        std::vector<std::array<float, 3>> points = {}; // point graphs after the plane graphs
    };
    const std::vector<Case> cases = {
        {"plane box snaps to whole steps", 1, false, {{-3.2f, 3.2f, -1, 1, 0, 0}},
         {-4, 4, -2, 2, -0.04f, 0.04f}, 0.324f},
        {"kind 4 snaps as kind 1", 4, false, {{-3.2f, 3.2f, -1, 1, 0, 0}},
         {-4, 4, -2, 2, -0.04f, 0.04f}, 0.324f},
        {"pi steps on x only", 1, true, {{-3.2f, 3.2f, -1, 1, 0, 0}},
         {-2 * pi, 2 * pi, -2, 2, -0.04f, 0.04f}, 0.324f},
        {"step 10 for a bound of 30", 1, false, {{-1, 1, 0, 30, 0, 0}},
         {-10, 10, -10, 40, -0.04f, 0.04f}, 3.004f},
        {"step Int(s)+1 between 1 and 5", 1, false, {{-7, 2, -1, 1, 0, 0}},
         {-8, 4, -2, 2, -0.04f, 0.04f}, 0.704f},
        {"union of two graphs", 1, false, {{-1, 1, -1, 1, 0, 0}, {0, 2.5f, -3, 0, 0, 0}},
         {-2, 3, -4, 2, -0.04f, 0.04f}, 0.304f},
        {"space scene is padded, not snapped", 3, false, {{-3.2f, 3.2f, -1, 1, 0, 0}},
         {-3.24f, 3.24f, -1.04f, 1.04f, -0.04f, 0.04f}, 0.324f},
        {"strip scene is padded, not snapped", 2, true, {{-1, 1, 0, 30, 0, 0}},
         {-1.04f, 1.04f, -0.04f, 30.04f, -0.04f, 0.04f}, 3.004f},
        {"empty space scene", 3, false, {}, {9999999, -9999999, 9999999, -9999999, 9999999, -9999999},
         float(9999999.0f / 10)},
        {"empty plane scene", 1, false, {},
         {-10000000, 10000000, -10000000, 10000000, 9999999, -9999999}, float(9999999.0f / 10)},
        // A single point on an axis: padded from the origin to the point, and
        // in a plane document snapped outward on both sides.
        {"point on the z axis in a space scene", 3, false, {},
         {-0.04f, 0.04f, -0.04f, 0.04f, -0.04f, 5.04f}, 0.504f, {{0, 0, 5}}},
        {"point on the y axis in a space scene", 3, false, {},
         {-0.04f, 0.04f, -0.04f, 3.04f, -0.04f, 0.04f}, 0.304f, {{0, 3, 0}}},
        {"point on the y axis in a plane scene", 1, false, {},
         {-1, 1, -1, 4, -0.04f, 0.04f}, 0.304f, {{0, 3, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cls8 scene;
        std::int32_t id = 1;
        for (const Box& g : c.graphs) Add(scene, PlaneGraph(id++, g.minX, g.maxX, g.minY, g.maxY));
        for (const auto& p : c.points) Add(scene, PointGraph(id++, p[0], p[1], p[2]));
        DocumentKind = c.kind;
        Axes.ShowPI = c.showPI;
        Scale2D = -1;
        ExpectBox(scene.GetBox(), c.expected);
        EXPECT_FLOAT_EQ(Scale2D, c.scale2D);
    }
}

TEST_F(SceneBox, AnimatedGraphsGetTheFrame) {
    DocumentKind = 3;
    FrameCount = 5;
    Cls8 scene;
    EXPECT_FALSE(scene.Animation());
    Add(scene, PlaneGraph(1, -1, 1, -1, 1));
    EXPECT_FALSE(scene.Animation());
    Add(scene, GrowingAnimation(2, 5));
    EXPECT_TRUE(scene.Animation());

    // Frame 5: the animation spans x -5..5, y 0..10; the static graph -1..1.
    ExpectBox(scene.GetBox(5), {-5.04f, 5.04f, -1.04f, 10.04f, -0.04f, 0.04f});
    ExpectBox(scene.GetBox(0), {-1.04f, 1.04f, -1.04f, 1.04f, -0.04f, 0.04f});
    EXPECT_FLOAT_EQ(Scale2D, 0.104f);
}

TEST_F(SceneMembers, ScaleTranslationAndAxisAreStoredAndReturnedOnly) {
    struct Member {
        const char* name;
        float Cls8::*field;
        float start, set;
    };
    const Member members[] = {
        {"ScaleX", &Cls8::ScaleX, 1, 2.5f}, {"ScaleY", &Cls8::ScaleY, 1, -3},  {"ScaleZ", &Cls8::ScaleZ, 1, 0},
        {"TransX", &Cls8::TransX, 0, 7},    {"TransY", &Cls8::TransY, 0, -0.5f}, {"TransZ", &Cls8::TransZ, 0, 1e6f},
    };
    DocumentKind = 3;
    Cls8 plain;
    Add(plain, PlaneGraph(1, -3, 2, -1, 4));
    const Cls1 plainBox = plain.GetBox();

    Cls8 scene;
    Add(scene, PlaneGraph(1, -3, 2, -1, 4));
    for (const Member& m : members) {
        EXPECT_EQ(scene.*m.field, m.start) << m.name;
        scene.*m.field = m.set;
        EXPECT_EQ(scene.*m.field, m.set) << m.name;
    }
    EXPECT_TRUE(scene.DrawAxis);
    scene.DrawAxis = false;
    EXPECT_FALSE(scene.DrawAxis);

    // Each scene starts with a coordinate system of its own, at the defaults.
    Cls8 other;
    ASSERT_NE(scene.Axis, nullptr);
    EXPECT_NE(scene.Axis, other.Axis);
    EXPECT_NE(scene.Axis.get(), &Axes);
    EXPECT_EQ(scene.Axis->TitleX, "X");
    EXPECT_EQ(scene.Axis->LabelNumZ, 2);
    // Setting one stores that object.
    auto mine = std::make_shared<Cls3>();
    mine->TitleY = "V";
    scene.Axis = mine;
    EXPECT_EQ(scene.Axis, mine);
    EXPECT_EQ(scene.Axis->TitleY, "V");

    // None of them changes the box or the drawing unit.
    ExpectBox(scene.GetBox(), {plainBox.MinX, plainBox.MaxX, plainBox.MinY, plainBox.MaxY, plainBox.MinZ,
                               plainBox.MaxZ});
    EXPECT_FLOAT_EQ(Scale2D, 0.404f);
}

TEST(GraphCollection, KeyedInInsertionOrder) {
    GraphCollection c;
    auto a = std::make_shared<Cls9>(), b = std::make_shared<Cls9>(), d = std::make_shared<Cls9>();
    c.Add(a, "3");
    c.Add(b, "1");
    c.Add(d, "2");
    ASSERT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(1), a);
    EXPECT_EQ(c.Item(3), d);
    EXPECT_EQ(c.Item("1"), b);

    try {
        c.Add(std::make_shared<Cls9>(), "1");
        FAIL();
    } catch (const RaisedError& e) {
        EXPECT_EQ(e.Number(), 457);
    }
    EXPECT_EQ(c.Count(), 3);

    EXPECT_TRUE(c.Contains("1"));
    c.Remove("1");
    EXPECT_FALSE(c.Contains("1"));
    EXPECT_EQ(c.Item(2), d);
    c.Remove(1);
    EXPECT_FALSE(c.Contains("3"));
    EXPECT_EQ(c.Item(1), d);
    EXPECT_EQ(c.Count(), 1);
    c.Add(a, "3"); // appended at the end again, its key free once more
    EXPECT_EQ(c.Item(2), a);
    EXPECT_TRUE(c.Contains("3") && c.Contains("2"));

    const auto number = [](auto&& f) {
        try {
            f();
        } catch (const RaisedError& e) {
            return e.Number();
        }
        return std::int64_t{-1};
    };
    EXPECT_EQ(number([&] { c.Item(0); }), ErrNo::Subscript);
    EXPECT_EQ(number([&] { c.Item(3); }), ErrNo::Subscript);
    EXPECT_EQ(number([&] { c.Remove(std::int64_t{5}); }), ErrNo::Subscript);
    EXPECT_EQ(number([&] { c.Item("9"); }), 5);
    EXPECT_EQ(number([&] { c.Remove("9"); }), 5);
    EXPECT_EQ(c.Count(), 2);
    c.Clear();
    EXPECT_FALSE(c.Contains("2"));
    c.Add(b, "2");
    EXPECT_EQ(c.Item("2"), b);
}
