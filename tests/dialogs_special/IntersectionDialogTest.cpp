// The intersection dialog frmF25 driven as a user drives it: its pages and
// defaults, the OK's messages in their order and the graph it builds, the
// caption of each opener, and fill -> OK unchanged (also for values its lists
// cannot show).
#include "core/ColorParts.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF25.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Boxes = std::vector<std::pair<const char*, const char*>>;

class IntersectionDialog : public SpecialDialogTest {
protected:
    // The dialog as the intersection command prepares it, shown without blocking.
    frmF25& OpenNew() {
        frmF25& f = SpecialDialogTest::OpenNew<frmF25>();
        f.PrepareNewIntersection();
        return f;
    }
    frmF25& OpenEdit(std::int32_t row) { return SpecialDialogTest::OpenEdit<frmF25>(row); }
    static void Type(frmF25& f, const Boxes& boxes) { SpecialDialogTest::Type(&f, boxes); }
    static std::shared_ptr<Cls9> Newest() { return DocumentScene.FunSurfs.Item(DocumentScene.FunSurfs.Count()); }
    static std::string Text(const QComboBox* list) { return ToStdString(list->currentText()); }
};

TEST_F(IntersectionDialog, PagesDefaultsAndCaptions) {
    frmF25& loaded = frmF25::Get();
    EXPECT_EQ(ToStdString(loaded.windowTitle()), "相交");
    frmF25& f = OpenNew();
    EXPECT_EQ(ToStdString(f.windowTitle()), "二维曲线相交");
    ASSERT_EQ(f.SSTab1->count(), 3);
    EXPECT_EQ(ToStdString(f.SSTab1->tabText(0) + f.SSTab1->tabText(1) + f.SSTab1->tabText(2)), "函数曲线属性相交");
    EXPECT_EQ(f.SSTab1->currentIndex(), 0);
    EXPECT_EQ(TextOf(f.Text1), "Untitled");
    EXPECT_EQ(TextOf(f.Text6), "300");
    EXPECT_EQ(ToStdString(f.Text6->toolTip()), "Recommended Value: 100 - 500");
    EXPECT_EQ(ToStdString(f.Label6->toolTip()), "Recommended Value: 30 - 100");
    EXPECT_EQ(f.Picture1->Color(), RGB(255, 0, 0));
    EXPECT_EQ(f.Picture2->Color(), RGB(0, 0, 255));
    EXPECT_EQ(f.Picture3->Color(), RGB(64, 64, 64));
    EXPECT_EQ(f.Picture4->Color(), RGB(128, 255, 128));
    for (QComboBox* list : {f.Combo1, f.Combo2, f.Combo3}) {
        ASSERT_EQ(list->count(), 8);
        EXPECT_EQ(ToStdString(list->itemText(7)), "8");
        EXPECT_EQ(Text(list), "2");
        EXPECT_TRUE(list->isEditable());
    }
    ASSERT_EQ(f.Combo4->count(), 6);
    EXPECT_EQ(ToStdString(f.Combo4->itemText(5)), "十字丝形");
    EXPECT_EQ(Text(f.Combo4), "空心圆");
    EXPECT_TRUE(f.Combo4->isEditable());
    EXPECT_TRUE(Ticked(f.Check1));
    EXPECT_TRUE(Ticked(f.Check2));
    EXPECT_EQ(ToStdString(f.Frame3->title() + f.Frame4->title()), "函数1图形的属性函数2图形的属性");
    EXPECT_EQ(ToStdString(f.Frame5->title() + f.Frame6->title()), "交点的属性相交区域的属性");
}

// The untouched dialog with two functions and a range: every field of Init
// and of the settings after it.
TEST_F(IntersectionDialog, OkBuildsTheIntersectionGraph) {
    DocumentKind = 2;
    frmF25& f = OpenNew();
    Type(f, {{"Text2", "x^2"}, {"Text3", "x"}, {"Text4", "-1"}, {"Text5", "2"}});
    Click(&f, "Command1");
    ASSERT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF25::Loaded());
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(DocumentKind, 1);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const Cls9& g = *Newest();
    EXPECT_EQ(VisibleScene.FunSurfs.Item(1).get(), &g);
    EXPECT_EQ(g.ID, 1);
    EXPECT_EQ(g.NameS, "Untitled");
    EXPECT_EQ(g.GraphType, GraphType::Intersection);
    EXPECT_EQ(g.CoordType, CoordType::PlaneCartesian);
    EXPECT_EQ(g.FunForm, FunForm::Explicit);
    EXPECT_EQ(g.ExpressX, "0");
    EXPECT_EQ(g.ExpressY, "x");
    EXPECT_EQ(g.ExpressZ, "x^2");
    EXPECT_EQ(g.Exp2, "x");
    EXPECT_EQ(g.StepU, 1);
    EXPECT_EQ(g.StepV, 300);
    EXPECT_EQ(g.MinU, 0);
    EXPECT_EQ(g.MaxU, 1);
    EXPECT_EQ(g.MinV, -1);
    EXPECT_EQ(g.MaxV, 2);
    EXPECT_EQ(g.FillStyle, FillStyle::OneColor);
    EXPECT_EQ(g.FirstColor, 0xFF0000);
    EXPECT_EQ(g.SecondColor, 0xFF0000);
    EXPECT_EQ(g.LineColor, 255);
    EXPECT_EQ(g.LineWidth, 2);
    EXPECT_EQ(g.Material, Material::Metal);
    EXPECT_EQ(g.Show, Show::Wireframe);
    EXPECT_EQ(g.Smoothness, Smoothness::Smoother);
    EXPECT_TRUE(g.Show2DCurve);
    EXPECT_EQ(g.Color2, 0xFF0000);
    EXPECT_EQ(g.Width2, 2);
    EXPECT_TRUE(g.ShowInter);
    EXPECT_EQ(g.InterColor, 0x404040);
    EXPECT_EQ(g.InterSize, 2);
    EXPECT_EQ(g.InterSymbol, Symbol::HollowCircle);
    EXPECT_TRUE(g.ShowArea);
    EXPECT_EQ(g.AreaColor, 0x80FF80);
    // Sampled: both curves over the 301 positions.
    EXPECT_EQ(g.VertInter.Count(), 2 * 301); // rows 0..StepU
    EXPECT_TRUE(window.rows.empty()); // the creation command adds the row
}

// The OK over typed boxes (x^2, x on -1..2 unless a case says otherwise):
// the message in its order, or the values of the graph.
TEST_F(IntersectionDialog, OkGivesTheMessageOrTheValues) {
    struct Case {
        const char* what;
        Boxes boxes;
        std::function<void(frmF25&)> lists; // typed list texts
        // Refused: title, text (nullptr: the compiler's), DocumentKind afterwards.
        const char* title;
        const char* message;
        std::int32_t kind;
        // What the boxes show afterwards, or what the graph holds.
        std::function<void(const frmF25&)> after;
        std::function<void(const Cls9&)> graph;
    };
    const auto none = [](frmF25&) {};
    const char* ok = "";
    const Case cases[] = {
        {"all five boxes empty", {{"Text2", ""}, {"Text3", ""}, {"Text4", ""}, {"Text5", ""}, {"Text6", ""}}, none,
         "注意", "请输入所有参数。", 2, nullptr, nullptr},
        {"one box empty", {{"Text6", ""}}, none, "注意", "请输入所有参数。", 2, nullptr, nullptr},
        {"a single blank reads 0, an empty name passes", {{"Text3", " "}, {"Text1", ""}}, none, ok, "", 1, nullptr,
         [](const Cls9& g) {
             EXPECT_EQ(g.Exp2, "0");
             EXPECT_EQ(g.NameS, "");
         }},
        // The filter cleans the blanks away: the box is missing after all.
        {"blanks pass the empty check, not the filter", {{"Text5", " 1 "}, {"Text3", "  "}}, none, "注意",
         "请输入所有参数。", 2, [](const frmF25& f) {
             EXPECT_EQ(TextOf(f.Text5), "1");
             EXPECT_EQ(TextOf(f.Text3), "");
         }, nullptr},
        {"y1 outside the alphabet", {{"Text2", "x#"}}, none, "出错", "存在非法表达式。", 2, nullptr, nullptr},
        {"y2 outside the alphabet", {{"Text3", "#"}}, none, "出错", "存在非法表达式。", 2, nullptr, nullptr},
        {"maximum cleaned before the minimum is refused", {{"Text5", "1,5"}, {"Text4", "#"}}, none, "出错",
         "存在非法数据。", 2, [](const frmF25& f) { EXPECT_EQ(TextOf(f.Text5), "1.5"); }, nullptr},
        {"segments not a number", {{"Text6", "abc"}}, none, "出错", "存在非法数据。", 2, nullptr, nullptr},
        {"segments 0", {{"Text6", "0"}}, none, "注意", "段数x必须大于1。", 1, nullptr, nullptr},
        {"segments 0.4", {{"Text6", "0.4"}}, none, "注意", "段数x必须大于1。", 1, nullptr, nullptr},
        {"segments -3", {{"Text6", "-3"}}, none, "注意", "段数x必须大于1。", 1, nullptr, nullptr},
        {"segments beyond 32 bits", {{"Text6", "3000000000"}}, none, "注意", "段数x必须大于1。", 1, nullptr, nullptr},
        {"a minimum that does not compile", {{"Text4", "(1"}, {"Text6", "0"}}, none, "语法错误", nullptr, 1,
         nullptr, nullptr},
        {"300.5", {{"Text6", "300.5"}}, none, ok, "", 1, nullptr, [](const Cls9& g) { EXPECT_EQ(g.StepV, 300); }},
        {"301.5", {{"Text6", "301.5"}}, none, ok, "", 1, nullptr, [](const Cls9& g) { EXPECT_EQ(g.StepV, 302); }},
        {"minimum above maximum", {{"Text4", "3"}, {"Text5", "-3"}}, none, ok, "", 1, nullptr,
         [](const Cls9& g) {
             EXPECT_EQ(g.MinV, 3);
             EXPECT_EQ(g.MaxV, -3);
         }},
        {"2*pi and 2x", {{"Text4", "2*pi"}, {"Text5", "7"}, {"Text2", "2x"}}, none, ok, "", 1, nullptr,
         [](const Cls9& g) {
             EXPECT_FLOAT_EQ(g.MinV, static_cast<float>(2 * 3.1415926));
             EXPECT_EQ(g.ExpressZ, "2x");
         }},
        {"typed widths and size",
         {},
         [](frmF25& f) {
             f.Combo1->setEditText(QStringLiteral("5"));
             f.Combo2->setEditText(QStringLiteral("12"));
             f.Combo3->setEditText(QStringLiteral("2.5"));
         },
         ok, "", 1, nullptr,
         [](const Cls9& g) {
             EXPECT_EQ(g.LineWidth, 5);
             EXPECT_EQ(g.Width2, 12);
             EXPECT_EQ(g.InterSize, 2);
         }},
        {"a width beyond 32 bits", {}, [](frmF25& f) { f.Combo2->setEditText(QStringLiteral("1E+10")); }, "出错",
         "存在非法数据。", 1, nullptr, nullptr},
        {"a marker naming no entry", {}, [](frmF25& f) { f.Combo4->setEditText(QStringLiteral("圆")); }, ok, "", 1,
         nullptr, [](const Cls9& g) { EXPECT_EQ(g.InterSymbol, 0); }},
        {"a marker typed as an entry", {}, [](frmF25& f) { f.Combo4->setEditText(ToQString("实心方形")); }, ok, "",
         1, nullptr, [](const Cls9& g) { EXPECT_EQ(g.InterSymbol, Symbol::FilledSquare); }},
        {"a chosen marker, unticked boxes", {},
         [](frmF25& f) {
             f.Combo4->setCurrentIndex(5);
             SetTicked(f.Check1, false);
             SetTicked(f.Check2, false);
         },
         ok, "", 1, nullptr,
         [](const Cls9& g) {
             EXPECT_EQ(g.InterSymbol, Symbol::Crosshair);
             EXPECT_FALSE(g.ShowInter);
             EXPECT_FALSE(g.ShowArea);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 2;
        frmF25& f = OpenNew();
        Type(f, {{"Text2", "x^2"}, {"Text3", "x"}, {"Text4", "-1"}, {"Text5", "2"}});
        Type(f, c.boxes);
        c.lists(f);
        Click(&f, "Command1");
        EXPECT_EQ(DocumentKind, c.kind);
        if (*c.title) {
            ExpectRefused<frmF25>(c.title, c.message);
            EXPECT_EQ(GraphIDCounter, 0);
            if (c.after) c.after(f);
            f.Unload();
            continue;
        }
        ASSERT_EQ(box.Count(), 0u) << box.Last().text;
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
        c.graph(*Newest());
    }
}

// Fill, then OK without a change: the same graph (its whole record), the
// caption "相交", the edit label; also for values the lists cannot show.
TEST_F(IntersectionDialog, FillThenOkUnchangedGivesTheSameGraph) {
    struct Case {
        const char* what;
        Boxes boxes;
        std::function<void(Cls9&)> stored; // values set on the graph afterwards
        std::function<void(const frmF25&)> shown;
        const char* label;
    };
    const Case cases[] = {
        {"typed bounds and changed settings",
         {{"Text1", "n"}, {"Text2", "sin(x)"}, {"Text3", "cos(x)"}, {"Text4", "-pi"}, {"Text5", "1/3"},
          {"Text6", "250"}},
         [](Cls9& g) {
             g.LineColor = RGB(1, 2, 3);
             g.Color2 = RGB(4, 5, 6);
             g.InterColor = RGB(7, 8, 9);
             g.AreaColor = RGB(10, 11, 12);
             g.LineWidth = 8;
             g.Width2 = 1;
             g.InterSize = 4;
             g.InterSymbol = 6;
             g.ShowInter = false;
         },
         [](const frmF25& f) {
             EXPECT_EQ(TextOf(f.Text4), "-3.1415925");
             EXPECT_EQ(TextOf(f.Text5), "0.33333334");
             EXPECT_EQ(TextOf(f.Text6), "250");
             EXPECT_EQ(Text(f.Combo4), "十字丝形");
             EXPECT_EQ(Text(f.Combo1), "8");
             EXPECT_FALSE(Ticked(f.Check1));
             EXPECT_TRUE(Ticked(f.Check2));
             EXPECT_EQ(f.Picture4->Color(), RGB(10, 11, 12));
         },
         "二维曲线相交  y=sin(x), y=cos(x)"},
        {"a stored marker 7, a width 12, bound pi",
         {{"Text2", "x^2"}, {"Text3", "x"}, {"Text4", "-3.5"}, {"Text5", "pi"}},
         [](Cls9& g) {
             g.InterSymbol = 7;
             g.LineWidth = 12;
             g.InterSize = 0;
         },
         [](const frmF25& f) {
             EXPECT_EQ(TextOf(f.Text4), "-3.5");
             EXPECT_EQ(TextOf(f.Text5), "3.1415925"); // the compiler's pi
             EXPECT_EQ(f.Combo4->currentIndex(), -1);
             EXPECT_EQ(Text(f.Combo4), "");
             EXPECT_EQ(f.Combo1->currentIndex(), -1);
             EXPECT_EQ(Text(f.Combo1), "12");
             EXPECT_EQ(Text(f.Combo3), "0");
         },
         "二维曲线相交  y=x^2, y=x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        window.rows.assign({"first"});
        window.rebuilds = 0;
        frmF25& other = OpenNew();
        Type(other, {{"Text2", "1"}, {"Text3", "2"}, {"Text4", "0"}, {"Text5", "1"}});
        Click(&other, "Command1");
        frmF25& created = OpenNew();
        Type(created, c.boxes);
        Click(&created, "Command1");
        ASSERT_EQ(box.Count(), 0u);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        window.rows.push_back("row");
        const std::shared_ptr<Cls9> g = Newest();
        c.stored(*g);
        const std::string before = g->Save();

        frmF25& f = OpenEdit(1);
        EXPECT_EQ(ToStdString(f.windowTitle()), "相交");
        c.shown(f);
        Click(&f, "Command1");
        EXPECT_FALSE(frmF25::Loaded());
        ExpectEqualAfterEdit(g, before, c.label);
    }
}

// A held marker is given up as soon as the list is touched: a choice stores
// the entry, a typed text naming no entry stores 0.
TEST_F(IntersectionDialog, TouchingTheMarkerListReplacesAHeldMarker) {
    for (int step = 0; step < 2; ++step) {
        SCOPED_TRACE(step);
        ProgramStateGuard fresh;
        window.rows.clear();
        frmF25& created = OpenNew();
        Type(created, {{"Text2", "x"}, {"Text3", "0"}, {"Text4", "-1"}, {"Text5", "1"}});
        Click(&created, "Command1");
        window.rows.push_back("row");
        const std::shared_ptr<Cls9> g = Newest();
        g->InterSymbol = 9;
        frmF25& f = OpenEdit(0);
        if (step == 0) {
            f.Combo4->setCurrentIndex(2);
        } else {
            QTest::keyClicks(f.Combo4, QStringLiteral("x"));
        }
        Click(&f, "Command1");
        EXPECT_EQ(g->InterSymbol, step == 0 ? Symbol::FilledSquare : 0);
    }
}

} // namespace
