// The View menu and the mouse on the drawing area, as a user drives them in the
// shown main window: drag modes, zoom, pan and trackball drags sent as mouse
// events, the preset views, Fit and the view settings dialog.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "dialogs/frmF14.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "scene/Trackball.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/CameraState.h"
#include "tests/support/ImageInk.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// A result pane that counts the graphs drawn (each drawing empties it first).
class CountingPane : public ResultPane {
public:
    std::string Text() const override { return ""; }
    void SetText(const std::string&) override { ++drawn; }
    int drawn = 0;
};

// A result pane whose emptying at the start of a graph's drawing raises the
// subscript error.
class RaisingPane : public ResultPane {
public:
    std::string Text() const override { return ""; }
    void SetText(const std::string&) override { RaiseSubscriptError(); }
};

class ViewCommandsTest : public MainWindowFixture {
protected:
    GlDrawingArea* Area() { return W().picDraw(); }
    int AreaW() { return Area()->width(); }
    int AreaH() { return Area()->height(); }
    void Choose(const char* item) {
        QAction* a = W().MenuItem(item);
        ASSERT_NE(a, nullptr) << item;
        a->trigger();
    }
    void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { Send(Area(), QEvent::MouseButtonPress, p, b, b); }
    void MoveTo(QPoint p, Qt::MouseButtons held = Qt::LeftButton) { MoveOver(Area(), p, held); }
    QPoint Centre() { return QPoint(AreaW() / 2, AreaH() / 2); }

    // The model rotation the frames apply, read back from GL.
    std::vector<float> CompiledRotation() {
        std::vector<float> m(16);
        Area()->makeCurrent();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        W().ApplyModelRotation();
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        glPopMatrix();
        Area()->doneCurrent();
        return m;
    }
    QImage Picture() { return Area()->grabFramebuffer(); }
    // A point animation, in view but not yet compiled into the lists.
    static std::shared_ptr<Cls9> AnimatedPoint(std::int32_t id) {
        auto a = Cls9::Init(id, "A", GraphType::PointAnimation, CoordType::Cartesian, "x", "y", "z", 1, 1, 0, 0, 0,
                            0, FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
        a->Animation = true;
        a->Anim1D.Create(FrameCount);
        for (std::int32_t f = 0; f <= FrameCount; ++f) a->Anim1D(f) = Cls2::Init(1, 2, 1);
        return a;
    }

    // The centre of the red pixels' columns.
    double RedColumn() {
        const QImage img = Picture();
        double sum = 0;
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80) {
                    sum += x;
                    ++n;
                }
            }
        return n == 0 ? -1 : sum / n;
    }
};

TEST_F(ViewCommandsTest, ModeCommandsSetExactlyOneDragFlag) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click(); // the rotations are commands of space documents
    struct Row {
        const char* item;
        bool rotate, zoom, pan;
        std::int32_t mode; // RotationMode afterwards (the last one set for pan and zoom)
    };
    const Row rows[] = {
        {"mnuViewRotX", true, false, false, 2}, {"mnuViewZoom", false, true, false, 2},
        {"mnuViewRotY", true, false, false, 3}, {"mnuViewMove", false, false, true, 3},
        {"mnuViewRotZ", true, false, false, 4}, {"mnuViewRotate", true, false, false, 1},
    };
    for (const Row& r : rows) {
        Choose(r.item);
        EXPECT_EQ(w.RotateDrag, r.rotate) << r.item;
        EXPECT_EQ(w.ZoomDrag, r.zoom) << r.item;
        EXPECT_EQ(w.PanDrag, r.pan) << r.item;
        EXPECT_EQ(RotationMode, r.mode) << r.item;
    }
    // The view toolbar runs the same commands.
    Click(3, 10);
    EXPECT_TRUE(w.ZoomDrag);
    Click(3, 12);
    EXPECT_TRUE(w.RotateDrag);
    EXPECT_EQ(RotationMode, 2);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(ViewCommandsTest, ZoomDragScalesTheVolumeByTheStepOverTheHeight) {
    frmF1& w = Start();
    Choose("mnuViewZoom");
    const int H = AreaH(), q = H / 4;
    ASSERT_EQ(H % 4, 0) << "the steps below are whole quarters of the height";
    const QPoint start(AreaW() / 2, H - 1);
    Press(start);
    // A quarter upwards, twice: 0.75, then 0.75 again.
    MoveTo(start - QPoint(0, q));
    EXPECT_EQ(w.ZoomFactor, 0.75f);
    EXPECT_EQ(Camera.VolHeight, 30.0f);
    EXPECT_EQ(Camera.VolWidth, 30.0f);
    MoveTo(start - QPoint(0, 2 * q));
    EXPECT_EQ(Camera.VolHeight, 22.5f);
    EXPECT_EQ(Camera.VolWidth, 22.5f);
    // A quarter downwards: 1.25.
    MoveTo(start - QPoint(0, q));
    EXPECT_EQ(w.ZoomFactor, 1.25f);
    EXPECT_EQ(Camera.VolHeight, 28.125f);
    // The whole height upwards (factor 0), then more (negative): the volume
    // stays, the last position still moves.
    MoveTo(start - QPoint(0, q + H));
    EXPECT_EQ(w.ZoomFactor, 0.0f);
    EXPECT_EQ(Camera.VolHeight, 28.125f);
    MoveTo(start - QPoint(0, q + H + H + 2));
    EXPECT_LT(w.ZoomFactor, 0.0f);
    EXPECT_EQ(Camera.VolHeight, 28.125f);
    EXPECT_EQ(Camera.VolWidth, 28.125f);
    // Measured from there: a quarter downwards is 1.25 again.
    MoveTo(start - QPoint(0, H + H + 2));
    EXPECT_EQ(w.ZoomFactor, 1.25f);
    EXPECT_FLOAT_EQ(Camera.VolHeight, 28.125f * 1.25f);
    // Nothing but the volume changed.
    EXPECT_EQ(Camera.EyePos.z, 1000);
    EXPECT_FALSE(w.TrackballActive);
}

TEST_F(ViewCommandsTest, PanDragMovesEyeAndReferenceAndThePictureFollows) {
    frmF1& w = Start();
    Point(1, 0, 0);
    w.Rebuild();
    Choose("mnuViewMove");
    const double before = RedColumn();
    ASSERT_GT(before, 0);
    // A quarter of the width to the right: the marker follows the mouse.
    const int q = AreaW() / 4;
    Press(QPoint(10, 100));
    MoveTo(QPoint(10 + q, 100));
    EXPECT_NEAR(RedColumn() - before, q, 1.5);

    // The whole width: eye and reference move one volume width to the left,
    // along the camera's side vector (x here).
    Camera = Cls4();
    Press(QPoint(0, 50));
    MoveTo(QPoint(AreaW(), 50));
    EXPECT_EQ(Camera.EyePos.x, -Camera.VolWidth);
    EXPECT_EQ(Camera.RefPos.x, -Camera.VolWidth);
    EXPECT_EQ(Camera.EyePos.y, 0);
    EXPECT_EQ(Camera.RefPos.y, 0);
    EXPECT_EQ(Camera.EyePos.z, 1000);
    EXPECT_EQ(Camera.RefPos.z, 0);
    // Upwards by the whole height: one volume height up.
    Camera = Cls4();
    Press(QPoint(5, AreaH()));
    MoveTo(QPoint(5, 0));
    EXPECT_EQ(Camera.EyePos.x, 0);
    EXPECT_EQ(Camera.EyePos.y, -Camera.VolHeight);
    EXPECT_EQ(Camera.RefPos.y, -Camera.VolHeight);
    EXPECT_EQ(Camera.VolHeight, 40);
}

// A drag in the "绕X轴旋转" mode turns about the screen's z axis, its sign
// saying whether the end lies to the right of the start; every step turns on
// from the rotation shown.
TEST_F(ViewCommandsTest, RotateDragsTurnAboutTheModesAxisFromTheViewShown) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click();
    const QPoint c = Centre();
    const int q = AreaW() / 4;
    // Expected turn of a drag from the centre a quarter width to the right:
    // from (0, 0) to (0.5, 0), the end on the hyperbolic sheet of the ball.
    const double t = 0.5 * 1000 / 1414, z2 = t * t / 0.5;
    const double half = std::asin(std::sqrt(0.25 + (0.5 - z2) * (0.5 - z2)));

    struct Row {
        const char* what;
        QPoint to;
        float sign;
    };
    const Row rows[] = {
        {"right", c + QPoint(q, 0), 1},
        {"left", c - QPoint(q, 0), -1},
        {"down", c + QPoint(0, AreaH() / 4), -1},
        {"up", c - QPoint(0, AreaH() / 4), -1},
    };
    Choose("mnuViewRotX");
    for (const Row& r : rows) {
        w.mnuViewFront_Click();
        ASSERT_EQ(w.ViewQuat, (Vec4{0, 0, 0, 1}));
        Press(c);
        MoveTo(r.to);
        EXPECT_TRUE(w.TrackballActive) << r.what;
        EXPECT_EQ(w.DragQuat[0], 0) << r.what;
        EXPECT_EQ(w.DragQuat[1], 0) << r.what;
        EXPECT_EQ(w.DragQuat[2] > 0 ? 1.0f : -1.0f, r.sign) << r.what;
        EXPECT_GT(w.DragQuat[3], 0) << r.what; // a positive angle below pi
        // From the front view the accumulated rotation is the drag's.
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(w.ViewQuat[i], w.DragQuat[i], 1e-6) << r.what;
    }
    // The right drag's angle, about 68 degrees.
    w.mnuViewFront_Click();
    Press(c);
    MoveTo(c + QPoint(q, 0));
    EXPECT_NEAR(w.DragQuat[2], std::sin(half), 1e-5);
    EXPECT_NEAR(w.DragQuat[3], std::cos(half), 1e-5);
    // Two steps compose: the second continues from the first.
    const Vec4 first = w.ViewQuat;
    MoveTo(c + QPoint(2 * q, 0));
    EXPECT_GT(w.ViewQuat[2], first[2]);

    // From the ISO view, a step about x: the drag's turn first, then the
    // view's (the quaternion product view * drag).
    Choose("mnuViewISO");
    const Vec4 iso = w.ViewQuat;
    Choose("mnuViewRotY");
    Press(c);
    MoveTo(c - QPoint(0, AreaH() / 4));
    const Vec4& d = w.DragQuat;
    ASSERT_GT(d[0], 0.1f);
    const double product[4] = {
        double(iso[3]) * d[0] + double(iso[0]) * d[3] + double(iso[1]) * d[2] - double(iso[2]) * d[1],
        double(iso[3]) * d[1] - double(iso[0]) * d[2] + double(iso[1]) * d[3] + double(iso[2]) * d[0],
        double(iso[3]) * d[2] + double(iso[0]) * d[1] - double(iso[1]) * d[0] + double(iso[2]) * d[3],
        double(iso[3]) * d[3] - double(iso[0]) * d[0] - double(iso[1]) * d[1] - double(iso[2]) * d[2]};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(w.ViewQuat[i], product[i], 1e-5) << i;
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(ViewCommandsTest, DragsThatDoNothing) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click();
    w.mnuViewFront_Click();
    Point(1, 0, 0);
    w.Rebuild();
    const CameraState camera = CameraState::Now();
    const QImage picture = Picture();
    const QPoint c = Centre();
    // Before any mode command a left drag changes nothing.
    Drag(Area(), c, c + QPoint(100, -100));
    EXPECT_FALSE(w.TrackballActive);
    EXPECT_EQ(w.ViewQuat, (Vec4{0, 0, 0, 1}));
    EXPECT_TRUE(CameraState::Now() == camera);

    // The left and the right button held together, the right or the middle
    // alone: nothing, in every mode.
    for (const char* mode : {"mnuViewRotate", "mnuViewZoom", "mnuViewMove"}) {
        Choose(mode);
        Press(c);
        for (Qt::MouseButtons held : {Qt::MouseButtons(Qt::LeftButton | Qt::RightButton),
                                      Qt::MouseButtons(Qt::RightButton), Qt::MouseButtons(Qt::MiddleButton),
                                      Qt::MouseButtons(Qt::LeftButton | Qt::BackButton)})
            MoveTo(c + QPoint(90, 70), held);
        EXPECT_FALSE(w.TrackballActive) << mode;
        EXPECT_EQ(w.ViewQuat, (Vec4{0, 0, 0, 1})) << mode;
        EXPECT_TRUE(CameraState::Now() == camera) << mode;
        // Releasing changes nothing either.
        Send(Area(), QEvent::MouseButtonRelease, c + QPoint(90, 70), Qt::LeftButton, Qt::NoButton);
        EXPECT_TRUE(CameraState::Now() == camera) << mode;
    }
    EXPECT_TRUE(Picture() == picture);

    // A drawing area less than a pixel high: a move does nothing.
    Choose("mnuViewZoom");
    Press(c);
    Area()->setFixedHeight(0);
    QCoreApplication::processEvents();
    MoveTo(c - QPoint(0, 50));
    EXPECT_TRUE(CameraState::Now() == camera);
    Choose("mnuViewRotate");
    MoveTo(c + QPoint(40, 0));
    EXPECT_FALSE(w.TrackballActive);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(ViewCommandsTest, RightPressOpensTheGraphPopupWithoutWaiting) {
    frmF1& w = Start();
    ASSERT_FALSE(w.GraphEdit->isVisible());
    const QPoint at(120, 80);
    Press(at, Qt::RightButton);
    // The press returned with the menu open (not run modally).
    EXPECT_TRUE(w.GraphEdit->isVisible());
    EXPECT_LE((w.GraphEdit->pos() - Area()->mapToGlobal(at)).manhattanLength(), 2);
    w.GraphEdit->hide();
    // A middle press opens nothing; a left press only starts a drag.
    Press(at, Qt::MiddleButton);
    Press(at, Qt::LeftButton);
    EXPECT_FALSE(w.GraphEdit->isVisible());
}

TEST_F(ViewCommandsTest, PresetsSetTheAnglesAndHandTheViewBackFromTheTrackball) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click();
    Point(1, 6, 3);
    w.mnuViewFront_Click();
    const QImage front = Picture();
    const std::vector<float> identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    ASSERT_EQ(CompiledRotation(), identity);
    Camera.VolHeight = 33; // the presets leave the camera as it is
    const CameraState camera = CameraState::Now();

    // The toolbar's four presets, as the menu's.
    struct Row {
        int button;
        const char* item;
        float roll, pitch, yaw;
    };
    const Row rows[] = {{1, "mnuViewFront", 0, 0, 0},
                        {2, "mnuViewRight", 0, 0, 90},
                        {3, "mnuViewTop", 0, -90, 0},
                        {4, "mnuViewISO", 0, -15, 45}};
    for (const Row& r : rows) {
        for (bool toolbar : {false, true}) {
            w.TrackballActive = true;
            VisibleScene.RotRoll = VisibleScene.RotPitch = VisibleScene.RotYaw = 7;
            if (toolbar) Click(3, r.button);
            else Choose(r.item);
            EXPECT_EQ(VisibleScene.RotRoll, r.roll) << r.item;
            EXPECT_EQ(VisibleScene.RotPitch, r.pitch) << r.item;
            EXPECT_EQ(VisibleScene.RotYaw, r.yaw) << r.item;
            EXPECT_FALSE(w.TrackballActive) << r.item;
            EXPECT_TRUE(CameraState::Now() == camera) << r.item;
        }
    }
    Camera.VolHeight = 40;

    // ISO, a free drag, then Front: the front view again.
    CountingPane pane;
    SetResultPane(&pane);
    Choose("mnuViewISO");
    const QImage iso = Picture();
    EXPECT_FALSE(iso == front);
    Choose("mnuViewRotate");
    const QPoint c = Centre();
    Press(c);
    MoveTo(c + QPoint(60, 40));
    EXPECT_TRUE(w.TrackballActive);
    const QImage dragged = Picture();
    EXPECT_FALSE(dragged == iso);
    EXPECT_FALSE(dragged == front);
    Choose("mnuViewFront");
    EXPECT_EQ(VisibleScene.RotRoll, 0);
    EXPECT_EQ(VisibleScene.RotPitch, 0);
    EXPECT_EQ(VisibleScene.RotYaw, 0);
    EXPECT_FALSE(w.TrackballActive);
    EXPECT_EQ(w.ViewQuat, (Vec4{0, 0, 0, 1}));
    EXPECT_EQ(CompiledRotation(), identity);
    EXPECT_TRUE(Picture() == front);
    // Over lists that hold the scene, neither the presets nor the drag drew
    // a graph again.
    EXPECT_EQ(pane.drawn, 0);

    // Over lists that do not hold the scene (an animated graph came into
    // view), a preset compiles it once, as one rebuild does; then turning
    // compiles nothing again.
    Add(VisibleScene, AnimatedPoint(2));
    Choose("mnuViewISO");
    const int once = pane.drawn;
    EXPECT_GT(once, 0);
    pane.drawn = 0;
    w.BuildDisplayLists();
    EXPECT_EQ(pane.drawn, once);
    pane.drawn = 0;
    Choose("mnuViewTop");
    EXPECT_EQ(pane.drawn, 0);
    SetResultPane(nullptr);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(ViewCommandsTest, AnErrorOfTheDrawingDuringAPresetOrADragIsShown) {
    frmF1& w = Start();
    w.mnuFileNew3D_Click();
    Point(1, 1, 1);
    Add(VisibleScene, AnimatedPoint(2));
    RaisingPane raising;
    SetResultPane(&raising);
    // The lists do not hold this scene: a preset compiles it, and the
    // drawing's error ends the command.
    Choose("mnuViewISO");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "下标越界");
    EXPECT_EQ(box.Last().title, "出错");
    EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
    // So does a trackball step, the rotation already taken.
    Choose("mnuViewRotate");
    Press(Centre());
    MoveTo(Centre() + QPoint(30, 0));
    ASSERT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.Last().text, "下标越界");
    EXPECT_TRUE(w.TrackballActive);
    SetResultPane(nullptr);
    // The window goes on.
    Choose("mnuViewFront");
    EXPECT_EQ(box.Count(), 2u);
    EXPECT_FALSE(w.TrackballActive);
}

TEST_F(ViewCommandsTest, FitCentresTheCameraOnTheBoxWithTwiceItsLargestExtent) {
    frmF1& w = Start();
    CountingPane pane;
    SetResultPane(&pane);
    const CameraState start = CameraState::Now();
    // Nothing in view.
    Choose("mnuViewFit");
    EXPECT_TRUE(CameraState::Now() == start);
    // Graphs whose boxes are all empty (a point graph without its point), in
    // a space and in a plane document.
    auto empty = std::make_shared<Cls9>();
    empty->ID = 1;
    empty->GraphType = GraphType::Point;
    Add(VisibleScene, empty);
    for (std::int32_t kind : {3, 1}) {
        DocumentKind = kind;
        Click(3, 11);
        EXPECT_TRUE(CameraState::Now() == start) << kind;
    }

    // A plane document: x 2..5 and y 1..3 (the box takes in the origin) snap
    // to -2..6 and -2..4 with steps of 2, drawn at the unit 0.504 (the
    // largest padded bound 5.04, divided by 10). The picture, in drawing
    // units, reaches from the axis lines 2.1 beyond the lowest ticks to the
    // arrowheads 2.6 beyond the highest, in z = 0.
    VisibleScene = Cls8();
    DocumentKind = 1;
    Add(VisibleScene, PlaneGraph(2, 2, 5, 1, 3));
    Choose("mnuViewFit");
    ASSERT_FLOAT_EQ(Scale2D, 0.504f);
    const double unit = 0.504;
    EXPECT_NEAR(Camera.VolHeight, 2 * (8 / unit + 4.7), 1e-4);
    EXPECT_FLOAT_EQ(Camera.VolWidth, Camera.VolHeight * float(AreaW()) / float(AreaH()));
    EXPECT_NEAR(Camera.RefPos.x, (4 / unit + 0.5) / 2, 1e-5);
    EXPECT_NEAR(Camera.RefPos.y, (2 / unit + 0.5) / 2, 1e-5);
    EXPECT_EQ(Camera.RefPos.z, 0);
    EXPECT_EQ(Camera.EyePos.x, Camera.RefPos.x);
    EXPECT_EQ(Camera.EyePos.y, Camera.RefPos.y);
    EXPECT_EQ(Camera.EyePos.z, 1000);
    // Fit only redraws: no graph was drawn again.
    EXPECT_EQ(pane.drawn, 0);

    // One space point at the origin: its box -1..1, padded by 0.04.
    VisibleScene = Cls8();
    DocumentKind = 3;
    Add(VisibleScene, PointGraph(3, 0, 0, 0));
    Choose("mnuViewFit");
    EXPECT_FLOAT_EQ(Camera.VolHeight, 2 * 2.08f);
    EXPECT_GT(Camera.VolWidth, 0);
    EXPECT_EQ(Camera.RefPos.x, 0);
    EXPECT_EQ(Camera.EyePos.z, 1000);
    SetResultPane(nullptr);
    EXPECT_EQ(box.Count(), 0u);
    (void)w;
}

// Fit shows the whole picture, graphs and axes, in the middle of the drawing
// area, its larger side about half the area's shorter one: in plane documents
// whatever their drawing unit (values within 1 draw ten times larger, values
// in the hundreds ten times smaller), in an animation over all its steps
// (its drawing unit is the one of the steps together; the moving point of
// every step lies inside the area, also the last of a few steps, which
// reaches furthest), and in a space document turned to the ISO view with its
// graph far from the origin.
TEST_F(ViewCommandsTest, FitShowsTheWholePictureInTheMiddle) {
    const auto curve = [](const char* y, float from, float to) {
        auto g = Cls9::Init(1, "C", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x", y, 1, 200, 0, 0,
                            from, to, FillStyle::OneColor, 0, 0, RGB(0, 0, 255), 2, 1, Show::FilledSurface,
                            Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        g->Show2DCurve = true;
        return g;
    };
    const auto movingPoint = [] {
        auto g = MovingPointGraph(1);
        g->MinT = 0;
        g->MaxT = 100;
        return g;
    };
    // A red point moving in space at (t^4, t^4, t^4) for t from 0 to 2: over
    // two steps it goes to (1, 1, 1), then jumps to (16, 16, 16).
    const auto spacePoint = [] {
        auto g = MovingPointGraph(1);
        g->CoordType = CoordType::Cartesian;
        g->ExpressX = "t^4";
        g->ExpressY = "t^4";
        g->ExpressZ = "t^4";
        g->MinT = 0;
        g->MaxT = 2;
        return g;
    };
    const auto farSurface = [] {
        auto g = Cls9::Init(1, "S", GraphType::Surface3D, CoordType::Cartesian, "x", "y", "(x+y)/4", 10, 10, 30,
                            40, 30, 40, FillStyle::TopToBottom, RGB(255, 0, 0), RGB(0, 0, 255), 0, 1,
                            Material::Silky, Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        return g;
    };
    // The moving point's own ink: red, however it is lit.
    const auto red = [](QRgb p) { return qRed(p) > 100 && qGreen(p) < qRed(p) / 2 && qBlue(p) < qRed(p) / 2; };
    struct Row {
        const char* name;
        std::int32_t kind;
        std::function<std::shared_ptr<Cls9>()> graph;
        float pitch, yaw;
        std::int32_t frames;                 // the animation's step count (0: as the program starts)
        std::function<bool(QRgb)> graphInk; // the graph's own ink, checked in every step (none: not checked)
        const char* file;                    // the last step's picture, to be looked at
    };
    const std::int32_t startFrames = FrameCount;
    const Row rows[] = {
        {"plane, values within 1", 1, [&] { return curve("x^3", -1, 1); }, 0, 0, 0, nullptr,
         "vexilon_fit_small.png"},
        {"plane, values in the hundreds", 1, [&] { return curve("x^2/100", -150, 150); }, 0, 0, 0, nullptr,
         "vexilon_fit_large.png"},
        {"plane animation of a point moving from the origin to x = 100", 1, movingPoint, 0, 0, 0, red,
         "vexilon_fit_animation.png"},
        {"space animation of 2 steps, the last jumping furthest", 3, spacePoint, -15, 45, 2, red,
         "vexilon_fit_space_animation.png"},
        {"space, ISO view, graph far from the origin", 3, farSurface, -15, 45, 0, nullptr,
         "vexilon_fit_space.png"},
    };
    frmF1& w = Start();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FrameCount = r.frames > 0 ? r.frames : startFrames;
        Camera = Cls4();
        Camera.SetScreen(AreaW(), AreaH());
        DocumentKind = r.kind;
        VisibleScene = Cls8();
        VisibleScene.RotPitch = r.pitch;
        VisibleScene.RotYaw = r.yaw;
        const std::shared_ptr<Cls9> g = r.graph();
        ASSERT_TRUE(g->GetPoints());
        Add(VisibleScene, g);
        w.Rebuild();
        Choose("mnuViewFit");

        // The ink (anything not white) of every step: frame k shows step
        // k - 1, so an animation's steps 0 to FrameCount are frames 1 to
        // FrameCount + 1.
        const bool animated = VisibleScene.Animation();
        const std::int32_t first = animated ? 1 : 0, last = animated ? FrameCount + 1 : 0;
        QRect ink;
        for (std::int32_t frame = first; frame <= last; ++frame) {
            CurrentFrame = frame;
            w.Display(frame);
            const QImage img = Picture().convertToFormat(QImage::Format_RGB32);
            if (frame == last) img.save(RunFile(r.file));
            ink |= PixelBounds(img, [](QRgb p) { return (p & 0xFFFFFF) != 0xFFFFFF; });
            if (r.graphInk) {
                const QRect own = PixelBounds(img, r.graphInk);
                EXPECT_FALSE(own.isNull()) << "step " << frame - 1 << ": the graph is not in the area";
                EXPECT_TRUE(own.isNull() || (own.left() > 0 && own.top() > 0 && own.right() < AreaW() - 1 &&
                                             own.bottom() < AreaH() - 1))
                    << "step " << frame - 1 << ": the graph reaches the edge";
            }
        }
        CurrentFrame = 0;
        const int left = ink.left(), right = ink.right(), top = ink.top(), bottom = ink.bottom();
        ASSERT_LE(left, right) << "nothing drawn";
        EXPECT_GT(left, 0);
        EXPECT_GT(top, 0);
        EXPECT_LT(right, AreaW() - 1);
        EXPECT_LT(bottom, AreaH() - 1);
        EXPECT_NEAR((left + right) / 2.0, AreaW() / 2.0, AreaW() / 10.0);
        EXPECT_NEAR((top + bottom) / 2.0, AreaH() / 2.0, AreaH() / 10.0);
        const int shorter = std::min(AreaW(), AreaH());
        EXPECT_GE(std::max(right - left, bottom - top), shorter * 2 / 5)
            << "ink from (" << left << ", " << top << ") to (" << right << ", " << bottom << ")";
    }
    FrameCount = startFrames;
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(ViewCommandsTest, EveryNewDocumentStartsFromItsKindsOwnView) {
    // The view of a document: camera, trackball and the scene's angles, and
    // its picture of a point at the origin.
    struct View {
        CameraState camera;
        float up[3];
        bool trackball;
        Vec4 quat;
        std::int32_t mode;
        float roll, pitch, yaw;
        QImage picture;
    };
    const auto view = [&](frmF1& w) {
        Point(9, 0, 0);
        w.Rebuild();
        return View{CameraState::Now(),
                    {Camera.VecUp(0), Camera.VecUp(1), Camera.VecUp(2)},
                    w.TrackballActive,
                    w.ViewQuat,
                    RotationMode,
                    VisibleScene.RotRoll,
                    VisibleScene.RotPitch,
                    VisibleScene.RotYaw,
                    Picture()};
    };
    // A window as the program starts it, with no document before.
    const auto startProgram = [&]() -> frmF1& {
        DocumentScene = Cls8();
        VisibleScene = Cls8();
        Camera = Cls4();
        return Start();
    };
    struct Row {
        void (frmF1::*command)();
        const char* what;
        float pitch, yaw; // the kind's preset angles
    };
    const Row rows[] = {
        {&frmF1::mnuFileNew2D_Click, "2D", 0, 0},
        {&frmF1::mnuFileSpe_Click, "special", 0, 0},
        {&frmF1::mnuFileNew25D_Click, "2.5D", -15, 45},
        {&frmF1::mnuFileNew3D_Click, "3D", -15, 45},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        frmF1& fresh = startProgram();
        (fresh.*r.command)();
        const View expected = view(fresh);

        // A space document with a graph, turned, zoomed and panned; then the
        // new document, its save question answered No.
        frmF1& w = startProgram();
        w.mnuFileNew3D_Click();
        Point(1, 1, 2);
        w.Rebuild();
        Choose("mnuViewRotate");
        Drag(Area(), Centre(), Centre() + QPoint(AreaW() / 5, AreaH() / 7));
        Choose("mnuViewZoom");
        Drag(Area(), Centre(), Centre() - QPoint(0, AreaH() / 3));
        Choose("mnuViewMove");
        Drag(Area(), Centre(), Centre() + QPoint(AreaW() / 9, 0));
        ASSERT_TRUE(w.TrackballActive);
        ASSERT_FALSE(CameraState::Now() == expected.camera);
        box.Answer(MsgAnswer::No);
        (w.*r.command)();
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 0);
        const View v = view(w);

        EXPECT_TRUE(v.camera == expected.camera);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(v.up[i], expected.up[i]);
        EXPECT_FALSE(v.trackball);
        EXPECT_EQ(v.quat, expected.quat);
        EXPECT_EQ(v.mode, expected.mode);
        EXPECT_EQ(v.roll, 0);
        EXPECT_EQ(v.pitch, r.pitch);
        EXPECT_EQ(v.yaw, r.yaw);
        // The same picture: in 2D the plane's axes straight, as at start-up.
        EXPECT_TRUE(v.picture == expected.picture);
        if (r.command == &frmF1::mnuFileNew2D_Click) {
            expected.picture.save(RunFile("vexilon_new_2d_fresh.png"));
            v.picture.save(RunFile("vexilon_new_2d_after_space.png"));
        }
    }
}

TEST_F(ViewCommandsTest, SettingsCommandShowsTheDialogModallyAndRedrawsNothing) {
    frmF1& w = Start();
    Point(1, 0, 0);
    w.Rebuild();
    CountingPane pane;
    SetResultPane(&pane);
    bool modal = false;
    QTimer::singleShot(0, [&] {
        frmF14& f = frmF14::Get();
        modal = f.isVisible() && f.isModal();
        f.Option2->setChecked(true);
        f.Text[2]->setText("40");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    Choose("mnuViewSet");
    EXPECT_TRUE(modal);
    EXPECT_FALSE(frmF14::Loaded());
    EXPECT_EQ(Camera.ProjectType, 2);
    EXPECT_EQ(ViewMaxX, 40);
    EXPECT_EQ(pane.drawn, 0);
    SetResultPane(nullptr);
    EXPECT_EQ(box.Count(), 0u);
}

} // namespace
