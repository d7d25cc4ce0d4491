// The main window's GL set-up, display lists and frame display, checked in the
// shown window: pixels read back with grabFramebuffer, lists with glIsList.
#include "app/frmF1.h"
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "render/GlText.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QImage>
#include <QOpenGLContext>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr std::int32_t Red = 255;
constexpr std::int32_t Blue = 16711680;

class DisplayListTest : public ShownWindowFixture {
protected:
    void SetUp() override {
        ShownWindowFixture::SetUp();
        DocumentKind = 1;
    }

    bool IsList(GLuint list) {
        return WithContext([&] { return glIsList(list) == GL_TRUE; });
    }

    static std::shared_ptr<Cls9> Graph(std::int32_t id, std::int32_t type, std::int32_t colour) {
        std::shared_ptr<Cls9> g = Cls9::Init(id, "P", type, CoordType::Cartesian, "x", "y", "z", 1, 1, 0, 0, 0,
                                             0, FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface,
                                             Smoothness::Smooth);
        g->PointColor = colour;
        g->PointSize = 10;
        g->Animation = type == GraphType::PointAnimation;
        Add(VisibleScene, g);
        return g;
    }
    static std::shared_ptr<Cls9> Point(std::int32_t id, float x, float y, float z, std::int32_t colour = Red) {
        auto g = Graph(id, GraphType::Point, colour);
        g->Vert3D.Create(0, 0);
        g->Vert3D(0, 0) = Cls2::Init(x, y, z);
        return g;
    }
    static std::shared_ptr<Cls9> Animated(std::int32_t id, const std::vector<Cls2>& frames,
                                          std::int32_t colour = Red) {
        auto g = Graph(id, GraphType::PointAnimation, colour);
        g->Anim1D.Create(frames.size() - 1);
        for (std::size_t f = 0; f < frames.size(); ++f) g->Anim1D(f) = frames[f];
        return g;
    }
};

TEST_F(DisplayListTest, ShownWindowSetsUpTheContextFontsAndViewDefaults) {
    RecordingMessageBox box;
    EXPECT_TRUE(Window().Initialize());
    EXPECT_EQ(box.Count(), 0u);

    EXPECT_EQ(CurrentFrame, 1);
    EXPECT_EQ(FrameCount, 10);
    EXPECT_EQ(FramesPerSecond, 10);
    EXPECT_TRUE(Axes.Show);
    EXPECT_FALSE(Window().TrackballActive);
    EXPECT_EQ(Window().ViewQuat, (Vec4{0, 0, 0, 1}));
    EXPECT_EQ(ViewMinX, -500.0f);
    EXPECT_EQ(ViewMaxZ, 500.0f);
    // Resizing sets the camera's screen.
    EXPECT_EQ(Camera.ScreenWidth, float(Area()->width()));
    EXPECT_EQ(Camera.ScreenHeight, float(Area()->height()));

    ASSERT_NE(LabelFontBase, 0);
    ASSERT_NE(TitleFontBase, 0);
    EXPECT_NE(LabelFontBase, TitleFontBase);
    WithContext([&] {
        for (std::int32_t base : {LabelFontBase, TitleFontBase})
            for (int c = 0; c < 128; ++c) EXPECT_TRUE(glIsList(GLuint(base + c))) << base << " " << c;
        GLfloat clear[4] = {0, 0, 0, 0};
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        EXPECT_EQ(clear[0] + clear[1] + clear[2] + clear[3], 4.0f);
        GLint depthFunc = 0;
        glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
        EXPECT_EQ(depthFunc, GL_LEQUAL);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_TRUE(glIsEnabled(GL_DITHER));
        // The (empty) scene was compiled with the context.
        EXPECT_TRUE(glIsList(SceneList));
        return 0;
    });
    EXPECT_TRUE(IsWhite(At(Show(CurrentFrame), 0, 0)));

    // A window whose drawing area never got a context reports it and draws nothing.
    frmF1 hidden;
    EXPECT_FALSE(hidden.Initialize());
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "ChoosePixelFormat failed");
    EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
    EXPECT_EQ(box.Last().title, AppTitle);
    Point(1, 1, 1, 0);
    hidden.BuildDisplayLists();
    hidden.Display(1);
    EXPECT_EQ(box.Count(), 1u);
}

TEST_F(DisplayListTest, StaticScenePointsAppearAtTheirPlaces) {
    RecordingResultPane pane;
    pane.SetText("old line\r\n");
    Point(1, 2, 4, 0);
    Point(2, -3, -1, 0, Blue);
    Window().BuildDisplayLists();
    EXPECT_TRUE(IsList(SceneList));
    // A scene whose last drawn graph is a point ends with an empty pane.
    EXPECT_EQ(pane.Text(), "");
    // Plane documents divide by the drawing unit.
    const float unit = Scale2D;
    EXPECT_FLOAT_EQ(unit, 0.404f);
    QImage img = Show(CurrentFrame);
    EXPECT_EQ(At(img, 2 / unit, 4 / unit), qRgb(255, 0, 0));
    EXPECT_EQ(At(img, -3 / unit, -1 / unit), qRgb(0, 0, 255));
    EXPECT_TRUE(IsWhite(At(img, 2, 4)));

    // In a space document a lit sphere where the point is.
    DocumentKind = 3;
    Window().BuildDisplayLists();
    img = Show(CurrentFrame);
    const QRgb sphere = At(img, 2, 4);
    EXPECT_FALSE(IsWhite(sphere));
    EXPECT_GT(qRed(sphere), qBlue(sphere));
    EXPECT_TRUE(IsWhite(At(img, 2 / unit, 4 / unit)));
}

TEST_F(DisplayListTest, PointGraphsAreDrawnAgainOnTop) {
    // The point animation drawn after the point covers it at the same depth;
    // the second pass over the point graphs puts the point back on top.
    const Cls2 where = Cls2::Init(3, 3, 0);
    Point(1, 3, 3, 0, Red);
    Animated(2, std::vector<Cls2>(11, where), Blue);
    for (std::int32_t kind : {1, 3}) {
        SCOPED_TRACE(kind);
        DocumentKind = kind;
        Window().BuildDisplayLists();
        const float unit = kind == 1 ? Scale2D : 1.0f;
        const QRgb c = At(Show(CurrentFrame), 3 / unit, 3 / unit);
        EXPECT_FALSE(IsWhite(c));
        EXPECT_GT(qRed(c), qBlue(c));
    }
}

TEST_F(DisplayListTest, AnimatedSceneHasOneListPerFrameAndShowsTheFrame) {
    FrameCount = 10;
    std::vector<Cls2> frames;
    for (int f = 0; f <= 10; ++f) frames.push_back(Cls2::Init(float(f - 5), 1, 0));
    Animated(1, frames);
    Window().BuildDisplayLists();
    for (GLuint list = 1001; list <= 1011; ++list) EXPECT_GT(DrawnPixels(list), 0) << list;
    EXPECT_EQ(DrawnPixels(1012), 0);
    EXPECT_TRUE(IsList(SceneList)); // left as it was
    // The last frame's box leaves the drawing unit of every frame.
    EXPECT_FLOAT_EQ(Scale2D, 0.504f);
    const float unit = Scale2D;

    // Frame f + 1 shows animation step f; CurrentFrame 0 shows step 0.
    struct Case {
        std::int32_t current, argument, step;
    };
    for (const Case c : {Case{1, 1, 0}, Case{4, 4, 3}, Case{11, 11, 10}, Case{0, 7, 0}}) {
        SCOPED_TRACE(c.current);
        CurrentFrame = c.current;
        const QImage img = Show(c.argument);
        for (int f = 0; f <= 10; f += 1) {
            const QRgb px = At(img, float(f - 5) / unit, 1 / unit);
            if (f == c.step)
                EXPECT_EQ(px, qRgb(255, 0, 0)) << f;
            else
                EXPECT_TRUE(IsWhite(px)) << f;
        }
    }

    // Fewer frames: the lists of the frames that no longer exist are emptied
    // (their names stay held).
    FrameCount = 4;
    Window().BuildDisplayLists();
    for (GLuint list = 1001; list <= 1005; ++list) EXPECT_GT(DrawnPixels(list), 0) << list;
    for (GLuint list = 1006; list <= 1011; ++list) EXPECT_EQ(DrawnPixels(list), 0) << list;
    CurrentFrame = 8;
    const QImage img = Show(8);
    EXPECT_TRUE(IsWhite(At(img, 2 / Scale2D, 1 / Scale2D)));
}

TEST_F(DisplayListTest, ModelRotationIsTakenByEveryBuild) {
    // The rotation the frames apply before calling the scene's list.
    const auto compiledMatrix = [&] {
        return WithContext([&] {
            std::array<GLfloat, 16> m{};
            glMatrixMode(GL_MODELVIEW);
            glPushMatrix();
            glLoadIdentity();
            Window().ApplyModelRotation();
            glCallList(SceneList);
            glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
            glPopMatrix();
            return m;
        });
    };
    const auto rotated = [&](float a1, float x1, float y1, float z1, float a2, float x2, float y2, float z2) {
        return WithContext([&] {
            std::array<GLfloat, 16> m{};
            glMatrixMode(GL_MODELVIEW);
            glPushMatrix();
            glLoadIdentity();
            glRotatef(a1, x1, y1, z1);
            glRotatef(a2, x2, y2, z2);
            glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
            glPopMatrix();
            return m;
        });
    };
    DocumentKind = 3;
    Point(1, 2, 4, 0);

    // The ISO view: roll 0, pitch -15, yaw 45, turned in that order.
    VisibleScene.RotRoll = 0;
    VisibleScene.RotPitch = -15;
    VisibleScene.RotYaw = 45;
    Window().BuildDisplayLists();
    std::array<GLfloat, 16> m = compiledMatrix();
    std::array<GLfloat, 16> expected = rotated(15, 1, 0, 0, -45, 0, 1, 0);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-4) << i;
    // ViewQuat holds the yaw after the pitch, angles taken with 3.1416.
    const double p = -15 * 3.1416 / 360, y = 45 * 3.1416 / 360;
    const Vec4 q = Window().ViewQuat;
    EXPECT_NEAR(q[0], std::cos(y) * std::sin(p), 1e-6);
    EXPECT_NEAR(q[1], std::cos(p) * std::sin(y), 1e-6);
    EXPECT_NEAR(q[2], -std::sin(y) * std::sin(p), 1e-6);
    EXPECT_NEAR(q[3], std::cos(p) * std::cos(y), 1e-6);

    // With the trackball active its rotation is compiled and the angles are ignored.
    Window().TrackballActive = true;
    Window().ViewQuat = {0, 0, float(std::sin(3.1416 / 4)), float(std::cos(3.1416 / 4))};
    VisibleScene.RotYaw = 10;
    Window().BuildDisplayLists();
    m = compiledMatrix();
    expected = rotated(-90, 0, 0, 1, 0, 0, 1, 0);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-4) << i;
    EXPECT_FLOAT_EQ(Window().ViewQuat[2], float(std::sin(3.1416 / 4)));
}

// A result pane that counts the graphs drawn (each drawing empties it first).
class CountingPane : public ResultPane {
public:
    std::string Text() const override { return ""; }
    void SetText(const std::string&) override { ++drawn; }
    int drawn = 0;
};

TEST_F(DisplayListTest, TurningCompilesNoListAndShowsWhatARebuildShows) {
    CountingPane pane;
    SetResultPane(&pane);
    DocumentKind = 3;
    for (int k = 0; k < 6; ++k) Point(k + 1, float(k - 3), float(k % 3 - 1), float(k % 2), k % 2 == 0 ? Red : Blue);
    const Vec4 first{0, 0, 0, 1};
    const Vec4 turned{float(std::sin(0.3)), float(std::sin(0.2)), 0, float(std::sqrt(1 - std::sin(0.3) * std::sin(0.3) - std::sin(0.2) * std::sin(0.2)))};
    for (bool animated : {false, true}) {
        SCOPED_TRACE(animated);
        if (animated) Animated(10, std::vector<Cls2>(11, Cls2::Init(1, 2, 1)), Blue);
        CurrentFrame = 3;
        Window().TrackballActive = true;
        Window().ViewQuat = first;
        Window().BuildDisplayLists();
        const QImage before = Show(CurrentFrame);
        // A drag: the new rotation only.
        pane.drawn = 0;
        Window().ViewQuat = turned;
        Window().BuildDisplayLists(true);
        EXPECT_EQ(pane.drawn, 0);
        const QImage dragged = Show(CurrentFrame);
        EXPECT_FALSE(dragged == before);
        // The same view rebuilt from nothing shows the same pixels.
        Window().BuildDisplayLists();
        EXPECT_GT(pane.drawn, 0);
        EXPECT_TRUE(Show(CurrentFrame) == dragged);
        // A preset of the scene's angles turns alike.
        Window().TrackballActive = false;
        VisibleScene.RotPitch = -15;
        VisibleScene.RotYaw = 45;
        pane.drawn = 0;
        Window().BuildDisplayLists(true);
        EXPECT_EQ(pane.drawn, 0);
        const QImage preset = Show(CurrentFrame);
        Window().BuildDisplayLists();
        EXPECT_TRUE(Show(CurrentFrame) == preset);
        VisibleScene.RotPitch = 0;
        VisibleScene.RotYaw = 0;
    }
    // Lists that do not hold the scene (another frame count) are compiled.
    FrameCount = 4;
    pane.drawn = 0;
    Window().BuildDisplayLists(true);
    EXPECT_GT(pane.drawn, 0);
    // The list of a step beyond the new count is emptied.
    EXPECT_GT(DrawnPixels(FirstFrameList + 4), 0);
    EXPECT_EQ(DrawnPixels(FirstFrameList + 5), 0);
    SetResultPane(nullptr);
}

TEST_F(DisplayListTest, PointSpheresOfOneSizeShareOneList) {
    DocumentKind = 3;
    for (int k = 0; k < 200; ++k)
        Point(k + 1, float(k % 20) * 0.5f - 5, float(k / 20) * 0.8f - 4, 0, k % 2 == 0 ? Red : Blue)->PointSize = 1;
    Window().BuildDisplayLists();
    EXPECT_EQ(Cls2::SphereListCount(), 1u);
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("point_spheres.png"));
    const QRgb c = At(img, -5, -4);
    EXPECT_FALSE(IsWhite(c));
    EXPECT_GT(qRed(c), qBlue(c));
    const QRgb d = At(img, -4.5f, -4);
    EXPECT_GT(qBlue(d), qRed(d));
    // A rebuild calls the list made first.
    Window().BuildDisplayLists();
    EXPECT_EQ(Cls2::SphereListCount(), 1u);
}

// The fixed list names are held from the context's set-up on, so glGenLists
// hands none of them out: the fonts lie elsewhere, and the sphere list of a
// point made between animations of other frame counts is neither overwritten
// by a longer one's lists nor deleted with a shorter one's trim.
TEST_F(DisplayListTest, FixedListNamesAreNeverHandedOutForOtherLists) {
    const auto fixed = [](std::int64_t list) {
        return list == SceneList || (list >= FirstFrameList && list <= LastFrameList);
    };
    const auto handedOut = [&] {
        return WithContext([] {
            const GLuint list = glGenLists(1);
            glDeleteLists(list, 1);
            return list;
        });
    };
    WithContext([&] {
        EXPECT_TRUE(glIsList(SceneList));
        for (GLuint list = FirstFrameList; list <= LastFrameList; ++list) EXPECT_TRUE(glIsList(list)) << list;
        return 0;
    });
    for (std::int32_t base : {LabelFontBase, TitleFontBase})
        for (int c = 0; c < 128; ++c) EXPECT_FALSE(fixed(base + c)) << base << " " << c;
    EXPECT_FALSE(fixed(handedOut()));

    DocumentKind = 3;
    for (std::int32_t frames : {10, 0, 40, 3, 0}) {
        SCOPED_TRACE(frames);
        VisibleScene = Cls8();
        if (frames > 0) {
            FrameCount = frames;
            Animated(1, std::vector<Cls2>(std::size_t(frames) + 1, Cls2::Init(-3, -3, 0)), Blue);
        } else {
            Point(1, 2, 1, 0, Red)->PointSize = 3;
        }
        Window().BuildDisplayLists();
        EXPECT_FALSE(fixed(handedOut()));
        if (frames == 0) {
            const QRgb sphere = At(Show(CurrentFrame), 2, 1);
            EXPECT_FALSE(IsWhite(sphere));
            EXPECT_GT(qRed(sphere), qBlue(sphere));
        }
    }
    EXPECT_EQ(Cls2::SphereListCount(), 2u); // the animation's size and the point's
}

// A result pane whose emptying at the start of a graph's drawing raises the
// subscript error: an error in the middle of compiling a list.
class RaisingPane : public ResultPane {
public:
    std::string Text() const override { return ""; }
    void SetText(const std::string&) override { RaiseSubscriptError(); }
};

TEST_F(DisplayListTest, ErrorInAGraphsDrawingEndsTheListThenReachesTheCaller) {
    RaisingPane raising;
    for (bool animated : {false, true}) {
        SCOPED_TRACE(animated);
        VisibleScene = Cls8();
        FrameCount = 2;
        if (animated) Animated(3, std::vector<Cls2>(3, Cls2::Init(1, 1, 0)));
        Point(1, 2, 4, 0);
        SetResultPane(&raising);
        try {
            Window().BuildDisplayLists();
            FAIL() << "no error";
        } catch (const RaisedError& e) {
            EXPECT_EQ(e.Number(), 9);
        }
        EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
        WithContext([&] {
            GLint index = -1;
            glGetIntegerv(GL_LIST_INDEX, &index);
            EXPECT_EQ(index, 0);
            EXPECT_TRUE(glIsList(animated ? FirstFrameList : SceneList));
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
            return 0;
        });
        SetResultPane(nullptr);
    }
    // The next build compiles normally.
    Window().BuildDisplayLists();
    CurrentFrame = 1;
    EXPECT_EQ(At(Show(1), 2 / Scale2D, 4 / Scale2D), qRgb(255, 0, 0));
}

// A message raised while the lists are compiled, recorded with whether a list
// was still being compiled when it arrived.
class MessageFromDrawing : public ResultPane {
public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override {
        text_ = text;
        if (text.empty()) MsgBox("held", MsgIcon::Critical, ErrorTitle);
    }

private:
    std::string text_;
};

class ListStateAtMessage : public RecordingMessageBox {
public:
    explicit ListStateAtMessage(GlDrawingArea* area) : area_(area) {}
    MsgAnswer Show(const MessageRequest& r) override {
        // The area's context may be current already (while Qt sets up a new one).
        const bool current = QOpenGLContext::currentContext() == area_->context();
        if (!current) area_->makeCurrent();
        GLint index = -1;
        glGetIntegerv(GL_LIST_INDEX, &index);
        if (!current) area_->doneCurrent();
        listIndexes.push_back(index);
        return RecordingMessageBox::Show(r);
    }
    std::vector<GLint> listIndexes;

private:
    GlDrawingArea* area_;
};

TEST_F(DisplayListTest, MessageRaisedWhileCompilingIsShownOnceAfterTheLists) {
    MessageFromDrawing pane;
    SetResultPane(&pane);
    ListStateAtMessage box(Area());
    FrameCount = 10;
    Point(1, 2, 4, 0);
    Animated(2, std::vector<Cls2>(11, Cls2::Init(1, 1, 0))); // 11 lists, 23 drawings
    Window().BuildDisplayLists();
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "held");
    EXPECT_EQ(box.Last().title, ErrorTitle);
    EXPECT_EQ(box.listIndexes.back(), 0);
    // Turning the same scene does not show it again; another rebuild does.
    Window().BuildDisplayLists(true);
    Window().BuildDisplayLists(true);
    EXPECT_EQ(box.Count(), 1u);
    Window().BuildDisplayLists();
    EXPECT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.listIndexes.back(), 0);
    SetResultPane(nullptr);
}

TEST_F(DisplayListTest, MessageRaisedWhileANewContextIsSetUpIsShownOnceAfterTheLists) {
    MessageFromDrawing pane;
    SetResultPane(&pane);
    ListStateAtMessage box(Area());
    Point(1, 2, 4, 0); // drawn twice into the list: two messages raised
    // Moved into another window, the drawing area gets a new context; its set-up
    // compiles the scene again.
    QWidget other;
    other.resize(400, 400);
    GlDrawingArea* area = Area();
    // Back into the main window before either goes, also when a check fails.
    struct PutBack {
        frmF1& window;
        GlDrawingArea* area;
        QWidget* other;
        ~PutBack() {
            if (area->parentWidget() == other) window.setCentralWidget(area);
        }
    } putBack{Window(), area, &other};
    area->setParent(&other);
    area->resize(400, 400);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.Count() > 0; }, 5000));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "held");
    EXPECT_EQ(box.listIndexes.back(), 0);
    // And back into the main window: once more.
    Window().setCentralWidget(area);
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.Count() > 1; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.listIndexes.back(), 0);
    SetResultPane(nullptr);
}

} // namespace
