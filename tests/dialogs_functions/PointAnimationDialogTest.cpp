// The point animation dialog frmF17 as the point animation command and the
// edit command open it: typed boxes to messages or graphs (with the playback
// switch-on between the count check and the bounds), the prepared variants
// of each document kind, and the edit filling.
#include "core/ColorParts.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/frmF17.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <string>
#include <vector>

namespace {

class PointAnimationDialog : public GraphDialogTest {
protected:
    // The dialog as the point animation command prepares it, shown without blocking.
    frmF17& OpenNew(std::int32_t documentKind) {
        DocumentKind = documentKind;
        IsEditing = false;
        frmF17& f = frmF17::Get();
        f.PrepareNewAnimation();
        f.show();
        return f;
    }
    static void Type(frmF17& f, const char* x, const char* y, const char* z, const char* t0, const char* t1) {
        SetText(f.Text2, x);
        SetText(f.Text3, y);
        SetText(f.Text4, z);
        SetText(f.Text5, t0);
        SetText(f.Text6, t1);
    }
    static std::vector<std::string> Items(const QComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i) items.push_back(ToStdString(list->itemText(i)));
        return items;
    }
    static std::string Labels(const frmF17& f) {
        return ToStdString(f.Label3->text() + "," + f.Label4->text() + "," + f.Label5->text());
    }
    static void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(PointAnimationDialog, TypedBoxesGiveTheMessageOrTheAnimation) {
    struct Case {
        std::int32_t kind;
        std::int32_t frames; // FrameCount
        const char *x, *y, *z, *t0, *t1;
        // The message (title, text; "" for an accepted graph, text "" for the
        // compiler's own) and whether playback is on afterwards.
        const char* title;
        const char* message;
        bool playback;
        // Accepted: the expressions stored, the first and last t.
        const char* ex = "";
        const char* ey = "";
        const char* ez = "";
        float minT = 0;
        float maxT = 0;
    };
    const char* missing = "请输入所有参数。";
    const char* illegal = "存在非法数据。";
    const Case cases[] = {
        // 1. Empty boxes, before any filtering: an empty t box, an empty
        // expression beside an illegal one.
        {1, 10, "t", "1", "", "", "1", "注意", missing, false},
        {1, 10, "t", "1", "", "0", "", "注意", missing, false},
        {1, 10, "", "#", "", "0", "1", "注意", missing, false},
        // 2. The filter: Text3 before Text2, the t boxes last.
        {1, 10, "abc@", "1", "", "0", "1", "出错", illegal, false},
        {1, 10, "abc@", "#", "", "0", "1", "出错", illegal, false},
        {1, 10, "t", "1", "", "0", "1@", "出错", illegal, false},
        // A box of blanks passes the empty test and is emptied by the filter:
        // missing then (no point can be sampled from it), before the t count.
        {1, 0, "  ", "1", "", "0", "1", "注意", missing, false},
        {1, 10, "t", "1", "", "0", "   ", "注意", missing, false},
        {2, 10, "t", "1", "  ", "0", "1", "注意", missing, false},
        {7, 10, "  ", "1", "", "0", "1", "注意", missing, false},
        // 3. The t count: FrameCount 0 (neither the options nor the reader give it).
        {1, 0, "t", "1", "", "0", "1", "注意", "段数 t 必须大于0。", false},
        // From here on playback is on: a bound that does not compile (the
        // compiler's message only), first t above last t, an expression that
        // does not compile (at sampling).
        {1, 10, "t", "1", "", "1+", "2", "语法错误", "", true},
        {1, 10, "t", "1", "", "2", "1", "注意", "最小t必须小于最大t。", true},
        {1, 10, "cos(", "1", "", "0", "1", "语法错误", "", true},
        // Accepted: equal bounds; a t box of one blank read as "0"; bounds
        // evaluated ("pi" is 3.1415926).
        {1, 10, "t", "1", "#", "1", "1", "", "", true, "0", "t", "1", 1, 1},
        {1, 4, " cos(t) ", "sin(t)", "", " ", "pi", "", "", true, "0", "cos(t)", "sin(t)", 0, 3.1415926f},
        // Strip documents: the third box is shown, filtered, read, and not
        // among the empty boxes.
        {2, 10, "t", "1", "#", "0", "1", "出错", illegal, false},
        {2, 10, "t", "1", "", "0", "1", "", "", true, "t", "1", "0", 0, 1},
        // Space documents: the third box is among the empty ones.
        {3, 10, "t", "1", "", "0", "1", "注意", missing, false},
        {3, 10, "t", "1", "2", "0", "1", "", "", true, "t", "1", "2", 0, 1},
        // Special documents: a point moves in the plane of the frame, two
        // expressions as in a plane document; the hidden third is not read.
        {7, 10, "t", "1", "#", "-1", "0.5", "", "", true, "0", "t", "1", -1, 0.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("kind ") + std::to_string(c.kind) + " [" + c.x + "][" + c.y + "][" + c.z + "][" +
                     c.t0 + "][" + c.t1 + "]");
        ProgramStateGuard fresh;
        box.Clear();
        window.playbackOn = false;
        FrameCount = c.frames;
        frmF17& f = OpenNew(c.kind);
        EXPECT_EQ(TextOf(f.Text7), std::to_string(c.frames));
        Type(f, c.x, c.y, c.z, c.t0, c.t1);
        Click(&f, "Command1");
        EXPECT_EQ(window.playbackOn, c.playback);
        EXPECT_TRUE(window.rows.empty());
        if (std::string(c.title).empty()) {
            EXPECT_EQ(box.Count(), 0u);
            EXPECT_FALSE(frmF17::Loaded());
            EXPECT_FALSE(IsEditing);
            ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
            const Cls9& g = *DocumentScene.FunSurfs.Item(1);
            EXPECT_EQ(VisibleScene.FunSurfs.Item(1).get(), &g);
            EXPECT_EQ(g.GraphType, GraphType::PointAnimation);
            EXPECT_TRUE(g.Animation);
            EXPECT_EQ(g.FunForm, FunForm::Parametric);
            EXPECT_EQ(g.CoordType, c.kind == 3 ? CoordType::Cartesian : CoordType::PlaneCartesian);
            EXPECT_EQ(g.ExpressX, c.ex);
            EXPECT_EQ(g.ExpressY, c.ey);
            EXPECT_EQ(g.ExpressZ, c.ez);
            EXPECT_EQ(g.MinT, c.minT);
            EXPECT_EQ(g.MaxT, c.maxT);
            // One position per frame, 0..FrameCount.
            EXPECT_EQ(g.Anim1D.Count(), c.frames + 1);
        } else {
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().title, c.title);
            if (std::string(c.message).size() > 0) {
                EXPECT_EQ(box.Last().text, c.message);
                EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
            }
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
            EXPECT_TRUE(frmF17::Loaded());
            f.Unload();
        }
        Flush();
    }
}

TEST_F(PointAnimationDialog, PlaybackOnBeforeARefusalStaysOn) {
    // Refusals of the first steps leave playback as it was, also when on.
    window.playbackOn = true;
    frmF17& f = OpenNew(1);
    Type(f, "t", "1", "", "", "1");
    Click(&f, "Command1");
    EXPECT_EQ(box.Last().text, "请输入所有参数。");
    EXPECT_TRUE(window.playbackOn);
    // A refused filter keeps the boxes before it cleaned: Text3 before Text2.
    Type(f, "$", " 7 ", "", "0", "1");
    Click(&f, "Command1");
    EXPECT_EQ(box.Last().text, "存在非法数据。");
    EXPECT_EQ(TextOf(f.Text3), "7");
    EXPECT_EQ(TextOf(f.Text2), "$");
}

TEST_F(PointAnimationDialog, PreparedVariantsAndRelabelling) {
    FrameCount = 37;
    frmF17& plane = OpenNew(1);
    EXPECT_EQ(ToStdString(plane.windowTitle()), "点动画");
    EXPECT_EQ(ToStdString(plane.SSTab1->tabText(0)), "点");
    EXPECT_EQ(ToStdString(plane.SSTab1->tabText(1)), "属性");
    EXPECT_EQ(ToStdString(plane.Frame1->title()), "坐标表达式");
    EXPECT_EQ(ToStdString(plane.Frame2->title()), "t 的取值");
    EXPECT_EQ(TextOf(plane.Text1), "Untitled");
    EXPECT_EQ(TextOf(plane.Text7), "37");
    EXPECT_FALSE(plane.Text7->isEnabled());
    EXPECT_EQ(ToStdString(plane.Text7->toolTip()), "Recommended Value: 30 - 60");
    EXPECT_EQ(plane.Picture1->Color(), MenuTextColor);
    EXPECT_EQ(Items(plane.Combo2), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(ToStdString(plane.Combo2->currentText()), "2");
    EXPECT_TRUE(plane.Option1->isChecked());
    EXPECT_FALSE(plane.Label5->isVisibleTo(&plane));
    EXPECT_FALSE(plane.Text4->isVisibleTo(&plane));
    EXPECT_TRUE(plane.Frame3->isVisibleTo(plane.Frame3->parentWidget()));
    EXPECT_EQ(Items(plane.Combo1), (std::vector<std::string>{"直角坐标", "极坐标"}));
    EXPECT_EQ(plane.Combo1->currentIndex(), 0);
    EXPECT_EQ(Labels(plane), "x(t),y(t),Z(t)");
    SelectListIndex(plane.Combo1, 1);
    EXPECT_EQ(Labels(plane), "a(t),r(t),Z(t)");
    // Polar, hollow, size 9, the menu-text colour kept as its code.
    Type(plane, "t", "1", "", "0", "1");
    plane.Option2->setChecked(true);
    plane.Combo2->setCurrentIndex(8);
    Click(&plane, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const Cls9& p = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(p.CoordType, CoordType::Polar);
    EXPECT_TRUE(p.PointHollow);
    EXPECT_EQ(p.PointSize, 9);
    EXPECT_EQ(p.PointColor, static_cast<std::int32_t>(0x80000007u));
    Flush();

    frmF17& strip = OpenNew(2);
    EXPECT_TRUE(strip.Label5->isVisibleTo(&strip));
    EXPECT_TRUE(strip.Text4->isVisibleTo(&strip));
    EXPECT_FALSE(strip.Frame3->isVisibleTo(strip.Frame3->parentWidget()));
    EXPECT_EQ(strip.Picture1->Color(), 255);
    EXPECT_EQ(Items(strip.Combo1), (std::vector<std::string>{"直角坐标", "极坐标"}));
    EXPECT_EQ(Labels(strip), "x(t),y(t),Z(t)");
    strip.Unload();
    Flush();

    // Special documents: the plane entries and two expressions.
    frmF17& special = OpenNew(7);
    EXPECT_FALSE(special.Label5->isVisibleTo(&special));
    EXPECT_FALSE(special.Text4->isVisibleTo(&special));
    EXPECT_FALSE(special.Frame3->isVisibleTo(special.Frame3->parentWidget()));
    EXPECT_EQ(special.Picture1->Color(), 255);
    EXPECT_EQ(Items(special.Combo1), (std::vector<std::string>{"直角坐标", "极坐标"}));
    EXPECT_EQ(Labels(special), "x(t),y(t),Z(t)");
    SelectListIndex(special.Combo1, 1);
    EXPECT_EQ(Labels(special), "a(t),r(t),Z(t)");
    Type(special, "t", "2", "", "0", "1");
    Click(&special, "Command1");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(DocumentScene.FunSurfs.Count())->CoordType, CoordType::Polar);
    EXPECT_FALSE(frmF17::Loaded());
    Flush();

    for (std::int32_t kind : {3}) {
        SCOPED_TRACE(kind);
        frmF17& space = OpenNew(kind);
        EXPECT_TRUE(space.Label5->isVisibleTo(&space));
        EXPECT_FALSE(space.Frame3->isVisibleTo(space.Frame3->parentWidget()));
        EXPECT_EQ(space.Picture1->Color(), 255);
        EXPECT_EQ(Items(space.Combo1), (std::vector<std::string>{"直角坐标", "柱面坐标", "球面坐标"}));
        const char* expected[] = {"x(t),y(t),z(t)", "a(t),r(t),z(t)", "a(t),b(t),r(t)"};
        for (int i = 2; i >= 0; --i) {
            SelectListIndex(space.Combo1, i);
            EXPECT_EQ(Labels(space), expected[i]) << i;
        }
        SelectListIndex(space.Combo1, 1);
        Type(space, "t", "1", "2", "0", "1");
        Click(&space, "Command1");
        EXPECT_EQ(DocumentScene.FunSurfs.Item(DocumentScene.FunSurfs.Count())->CoordType, CoordType::Cylindrical);
        EXPECT_FALSE(frmF17::Loaded());
        Flush();
    }
}

TEST_F(PointAnimationDialog, EditFillingAndASizeWithoutAnEntry) {
    DocumentKind = 1;
    FrameCount = 6;
    frmF17& f = OpenNew(1);
    Type(f, "t", "t*t", "", "0.1", "pi");
    Click(&f, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const auto g = DocumentScene.FunSurfs.Item(1);
    window.rows.push_back("点动画   x=t, y=t*t");
    g->PointSize = 2.5f; // from Paste: no entry of the list
    g->PointHollow = true;
    g->PointColor = RGB(1, 2, 3);
    Flush();

    FrameCount = 8; // changed in the options since
    ASSERT_TRUE(g->GetPoints());
    frmF17& e = OpenForEdit<frmF17>(0);
    EXPECT_EQ(ToStdString(e.windowTitle()), "点动画");
    EXPECT_EQ(TextOf(e.Text2), "t");
    EXPECT_EQ(TextOf(e.Text3), "t*t");
    EXPECT_EQ(TextOf(e.Text5), "0.1");
    EXPECT_EQ(TextOf(e.Text6), "3.1415925");
    EXPECT_EQ(TextOf(e.Text7), "8");
    EXPECT_FALSE(e.Text7->isEnabled());
    EXPECT_EQ(ToStdString(e.Combo2->currentText()), "2");
    EXPECT_TRUE(e.Option2->isChecked());
    EXPECT_EQ(e.Picture1->Color(), RGB(1, 2, 3));
    EXPECT_FALSE(e.Text4->isVisibleTo(&e));
    EXPECT_TRUE(e.Frame3->isVisibleTo(e.Frame3->parentWidget()));
    Click(&e, "Command1");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1), g);
    EXPECT_EQ(g->PointSize, 2);
    EXPECT_TRUE(g->PointHollow);
    EXPECT_EQ(g->MinT, 0.1f);
    EXPECT_EQ(g->MaxT, 3.1415926f);
    EXPECT_EQ(g->Anim1D.Count(), 9);
    EXPECT_EQ(window.rows, (std::vector<std::string>{"点动画  x=t, y=t*t"}));
}

// A point animation a special document stored in a space coordinate system
// is filled as the plane point its row shows: "直角坐标", its two
// expressions; OK unchanged keeps its row and its place.
TEST_F(PointAnimationDialog, StoredSpacePointAnimationOfASpecialDocumentEditsAsItsRowShows) {
    DocumentKind = 7;
    FrameCount = 4;
    for (const std::int32_t coordType : {CoordType::Cartesian, CoordType::Cylindrical, CoordType::Spherical}) {
        SCOPED_TRACE(coordType);
        DocumentScene = Cls8();
        VisibleScene = Cls8();
        window.rows.clear();
        auto g = Cls9::Init(1, "P", GraphType::PointAnimation, coordType, "t", "1+t", "2", 1, 1, 0, 1, 0, 0,
                            FillStyle::OneColor, 0xFF0000, 0xFF0000, 0, 1, Material::Metal, Show::Wireframe,
                            Smoothness::Smoother);
        g->FunForm = FunForm::Parametric;
        g->Animation = true;
        g->MaxT = 1;
        ASSERT_TRUE(g->GetPoints());
        DocumentScene.FunSurfs.Add(g, GraphKey(*g));
        VisibleScene.FunSurfs.Add(g, GraphKey(*g));
        window.rows.push_back("点动画  x=1+t, y=2");
        const SamplePoint last = g->Anim1D(4);
        EXPECT_EQ(last.x, 2);
        EXPECT_EQ(last.y, 2);

        frmF17& e = OpenForEdit<frmF17>(0);
        EXPECT_EQ(e.Combo1->currentIndex(), 0);
        EXPECT_EQ(Labels(e), "x(t),y(t),Z(t)");
        EXPECT_EQ(TextOf(e.Text2), "1+t");
        EXPECT_EQ(TextOf(e.Text3), "2");
        EXPECT_FALSE(e.Text4->isVisibleTo(&e));
        Click(&e, "Command1");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_EQ(window.rows, (std::vector<std::string>{"点动画  x=1+t, y=2"}));
        EXPECT_EQ(g->CoordType, CoordType::PlaneCartesian);
        EXPECT_EQ(g->Anim1D(4).x, last.x);
        EXPECT_EQ(g->Anim1D(4).y, last.y);
        Flush();
    }
}

} // namespace
