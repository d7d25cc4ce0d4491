// The strip dialog frmF4 as the strip commands and the edit command open it:
// the strip its OK builds for both forms, both coordinate systems and both
// modes, its refusals in order, the relabelling, the colour, material and
// appearance pages, and fill → OK round trips.
#include "core/ColorService.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/CreationCommand.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/functions/frmF4.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <string>
#include <vector>

namespace {

class StripDialog : public GraphDialogTest {
protected:
    void SetUp() override { DocumentKind = 2; }

    // The dialog as a strip command prepares it, shown without blocking.
    frmF4& OpenNew(bool polar = false, bool animated = false) {
        IsEditing = false;
        frmF4& f = frmF4::Get();
        f.PrepareNewStrip(polar, animated);
        f.show();
        return f;
    }
    frmF4& OpenEdit(std::int32_t row) { return OpenForEdit<frmF4>(row); }
    static void Type(QLineEdit* box, const char* text) { TypeKeys(box, text); }
    static void Ok(frmF4& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); }
    // A click on an option button's circle.
    static void ClickOption(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    // A click on row `row` of the material list (scrolled into view first).
    static void ClickMaterial(frmF4& f, int row) {
        f.SSTab1->setCurrentIndex(2);
        f.List1->scrollToItem(f.List1->item(row));
        QTest::mouseClick(f.List1->viewport(), Qt::LeftButton, {}, f.List1->visualItemRect(f.List1->item(row)).center());
    }
    // A new strip typed in the dialog and confirmed; its row as its command
    // labels it. Nothing when no strip was added.
    std::shared_ptr<Cls9> Create(bool polar, bool animated, int form, const std::function<void(frmF4&)>& type) {
        frmF4& f = OpenNew(polar, animated);
        SelectListIndex(f.Combo2, form);
        type(f);
        const auto before = DocumentScene.FunSurfs.Count();
        Ok(f);
        if (DocumentScene.FunSurfs.Count() == before) return nullptr;
        const LabelSource command = animated ? (polar ? LabelSource::mnuAni25DCurPol : LabelSource::mnuAni25DCurCart)
                                             : (polar ? LabelSource::mnuDraw25DPolar : LabelSource::mnuDraw25DCart);
        window.rows.push_back(CreationLabel(command, DocumentKind, *Added()));
        return Added();
    }
    // The boxes of a strip that passes, in both forms and modes.
    static void TypeValid(frmF4& f) {
        Type(f.Text2, "x");
        Type(f.Text3, "u");
        Type(f.Text5, "-1");
        Type(f.Text6, "2");
        Type(f.Text4, "0");
        Type(f.Text8, "1");
    }
};

// ---- The strip of every form, coordinate system and mode ----

TEST_F(StripDialog, OkBuildsTheStripOfEachFormCoordinateSystemAndMode) {
    struct Case {
        int form;
        bool polar;
        std::int32_t funForm;
        const char* expressY;
        const char* expressZ;
        const char* row;     // the still command's row
        const char* aniRow;  // the animation command's row
    };
    const Case cases[] = {
        {0, false, FunForm::Explicit, "x", "sin(x)", "二维半条带  y=sin(x)", "二维半动画  y=sin(x)"},
        {0, true, FunForm::Explicit, "a", "sin(x)", "二维半条带  r=sin(x)", "二维半动画  r=sin(x)"},
        {1, false, FunForm::Parametric, "cos(u)", "sin(x)", "二维半条带  x=cos(u),y=sin(x)",
         "二维半动画  x=cos(u), y=sin(x)"},
        {1, true, FunForm::Parametric, "cos(u)", "sin(x)", "二维半条带  a=cos(u), r=sin(x)",
         "二维半动画  a=cos(u), r=sin(x)"},
    };
    for (bool animated : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.form) + (c.polar ? " polar" : " Cartesian") + (animated ? " t" : ""));
            FrameCount = 4;
            window.playbackOn = false;
            const auto id = GraphIDCounter + 1;
            const auto g = Create(c.polar, animated, c.form, [&](frmF4& f) {
                Type(f.Text1, "名字");
                Type(f.Text2, c.form == 1 ? "cos(u)" : "sin(x)");
                Type(f.Text3, "sin(x)");
                Type(f.Text5, "-1");
                Type(f.Text6, "2*pi");
                Type(f.Text7, "50");
                Type(f.Text4, "-1/2");
                Type(f.Text8, "t+1");
            });
            ASSERT_NE(g, nullptr) << (box.Count() ? box.Last().text : "");
            EXPECT_EQ(box.Count(), 0u);
            EXPECT_FALSE(frmF4::Loaded());
            EXPECT_FALSE(IsEditing);
            EXPECT_EQ(DocumentKind, 2); // the dialog leaves the document kind
            EXPECT_EQ(g->ID, id);
            EXPECT_EQ(VisibleScene.FunSurfs.Item(VisibleScene.FunSurfs.Count()), g);
            EXPECT_EQ(g->NameS, "名字");
            EXPECT_EQ(g->GraphType, animated ? GraphType::Strip25DAnimation : GraphType::Strip25D);
            EXPECT_EQ(g->CoordType, c.polar ? CoordType::Polar : CoordType::PlaneCartesian);
            EXPECT_EQ(g->FunForm, c.funForm);
            EXPECT_EQ(g->ExpressX, "0");
            EXPECT_EQ(g->ExpressY, c.expressY);
            EXPECT_EQ(g->ExpressZ, c.expressZ);
            EXPECT_EQ(g->StepU, 1);
            EXPECT_EQ(g->StepV, 50);
            EXPECT_EQ(g->MinU, 0);
            EXPECT_EQ(g->MaxU, 3);
            EXPECT_EQ(g->MinV, -1);
            EXPECT_EQ(g->MaxV, float(2 * 3.1415926));
            EXPECT_EQ(g->FillStyle, FillStyle::TopToBottom);
            EXPECT_EQ(g->FirstColor, RGB(255, 0, 0));
            EXPECT_EQ(g->SecondColor, RGB(0, 0, 255));
            EXPECT_EQ(g->LineColor, 1);
            EXPECT_EQ(g->LineWidth, 1);
            EXPECT_EQ(g->Material, Material::Metal);
            EXPECT_EQ(g->Show, Show::FilledSurface);
            EXPECT_EQ(g->Smoothness, Smoothness::Smooth);
            EXPECT_EQ(g->Animation, animated);
            EXPECT_EQ(g->MinT, animated ? -0.5f : 0);
            EXPECT_EQ(g->MaxT, animated ? 1 : 0); // t+1 evaluated with t = 0
            EXPECT_EQ(window.playbackOn, animated);
            EXPECT_EQ(window.rows.back(), animated ? c.aniRow : c.row);
            // Sampled: the edge of every frame of an animated strip.
            if (animated) {
                EXPECT_EQ(g->Anim25D.Upper(1), 50);
                EXPECT_EQ(g->Anim25D.Upper(2), 4);
            } else {
                EXPECT_EQ(g->Vert3D.Upper(1), 50);
            }
        }
    }
}

// ---- Refusals, in the order the OK meets them ----

TEST_F(StripDialog, RefusalsComeInTheirOrderWithTheirMessages) {
    struct Case {
        const char* what;
        int form;
        bool animated;
        std::vector<std::pair<const char*, const char*>> boxes; // object name, text
        const char* title;   // "" accepted
        const char* message; // "" accepted; a syntax message is matched by its title
    };
    const char* bad = "存在非法数据。";
    const char* empty = "请输入所有参数。";
    const std::vector<Case> cases = {
        {"filtered function box", 0, false, {{"Text2", "#"}}, "出错", bad},
        {"hidden second box not filtered", 0, false, {{"Text3", "#"}}, "", ""},
        {"second box filtered when shown", 1, false, {{"Text3", "#"}}, "出错", bad},
        {"range box filtered", 0, false, {{"Text6", "#"}}, "出错", bad},
        {"t box filtered", 1, true, {{"Text8", "#"}}, "出错", bad},
        {"filters before the t count", 0, true, {{"Text2", "#"}, {"Text9", "0"}}, "出错", bad},
        {"t count below 1", 0, true, {{"Text9", "0.4"}}, "注意", "段数t必须大于1。"},
        {"empty t count: the t count first", 0, true, {{"Text9", ""}}, "注意", "段数t必须大于1。"},
        {"t count before the empty boxes", 1, true, {{"Text9", "0"}, {"Text5", "  "}}, "注意", "段数t必须大于1。"},
        {"two blanks", 0, false, {{"Text2", "  "}}, "注意", empty},
        {"range of blanks", 1, false, {{"Text5", "   "}}, "注意", empty},
        {"segments empty", 0, false, {{"Text7", ""}}, "注意", empty},
        {"animated t box of blanks", 1, true, {{"Text4", "  "}}, "注意", empty},
        // A second box of blanks is emptied by the filter: no strip can be
        // sampled from it (an empty one became "0"); hidden, it is not read.
        {"second box of blanks", 1, false, {{"Text3", "  "}}, "注意", empty},
        {"animated second box of blanks", 1, true, {{"Text3", "   "}}, "注意", empty},
        {"hidden second box of blanks", 0, false, {{"Text3", "  "}}, "", ""},
        {"segments 0", 0, false, {{"Text7", "0"}}, "注意", "段数x必须大于1。"},
        {"segments 0.5", 0, true, {{"Text7", "0.5"}}, "注意", "段数x必须大于1。"},
        {"parametric segments", 1, false, {{"Text7", "-3"}}, "注意", "段数u必须大于1。"},
        {"segments beyond 32 bits", 1, false, {{"Text7", "1E20"}}, "注意", "段数u必须大于1。"},
        {"segments 1 pass", 0, false, {{"Text7", "1"}}, "", ""},
        {"count before the range", 0, false, {{"Text7", "0"}, {"Text5", "3"}}, "注意", "段数x必须大于1。"},
        {"reversed x", 0, false, {{"Text5", "3"}}, "注意", "最小x必须小于最大x。"},
        {"reversed u", 1, true, {{"Text5", "3"}}, "注意", "最小u必须小于最大u。"},
        {"equal bounds pass", 0, false, {{"Text5", "2"}}, "", ""},
        {"evaluated: pi above 1", 0, false, {{"Text5", "pi"}, {"Text6", "1"}}, "注意", "最小x必须小于最大x。"},
        {"evaluated: -1+3 above 0", 0, false, {{"Text5", "0"}, {"Text6", "-1+3"}}, "", ""},
        {"bound does not compile", 0, false, {{"Text5", "1+"}, {"Text6", "0"}}, "语法错误", ""},
        {"reversed t", 1, true, {{"Text4", "2"}}, "注意", "最小t必须小于最大t。"},
        {"equal t pass", 0, true, {{"Text4", "1"}}, "", ""},
        {"t bound does not compile", 0, true, {{"Text8", "2*"}}, "语法错误", ""},
        {"expression does not compile when sampled", 0, false, {{"Text2", "sin("}}, "语法错误", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        window.playbackOn = false;
        FrameCount = 3;
        frmF4& f = OpenNew(false, c.animated);
        SelectListIndex(f.Combo2, c.form);
        TypeValid(f);
        // The t count box is disabled in animation mode: its text is written
        // as the opener writes the frame count.
        for (auto [name, text] : c.boxes) {
            QLineEdit* b = f.findChild<QLineEdit*>(name);
            b->isEnabled() ? Type(b, text) : b->setText(QString::fromUtf8(text));
        }
        const std::int32_t before = DocumentScene.FunSurfs.Count();
        Ok(f);
        if (ExpectOkOutcome<frmF4>(before, c.title, c.message)) continue;
        // A refused t range leaves the playback commands on.
        if (std::string(c.message) == "最小t必须小于最大t。") {
            EXPECT_TRUE(window.playbackOn);
        }
        f.Command2->click();
        EXPECT_FALSE(frmF4::Loaded());
    }
}

TEST_F(StripDialog, LeadingNumbersCountTheSegmentsAndFiltersWriteBack) {
    struct Case {
        const char* segments;
        std::int32_t stepV;
    };
    for (const Case& c : {Case{"40abc", 40}, Case{"2.5", 2}, Case{"3.5", 4}, Case{" 7", 7}, Case{"1", 1}}) {
        SCOPED_TRACE(c.segments);
        const auto g = Create(false, false, 0, [&](frmF4& f) {
            TypeValid(f);
            Type(f.Text7, c.segments);
        });
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->StepV, c.stepV);
    }

    // An empty function box becomes "0": the strip of y = 0; a single blank
    // too. The cleaned texts are written back before a later refusal.
    frmF4& f = OpenNew();
    TypeValid(f);
    Type(f.Text2, "");
    Type(f.Text5, " 1,5 ");
    Type(f.Text6, "2 * pi");
    Type(f.Text7, "#");
    Ok(f);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "段数x必须大于1。");
    EXPECT_EQ(f.Text2->text(), "0");
    EXPECT_EQ(f.Text5->text(), "1.5");
    EXPECT_EQ(f.Text6->text(), "2*pi");
    EXPECT_EQ(f.Text7->text(), "#"); // the segment box is not filtered
    Type(f.Text7, "10");
    Ok(f);
    auto g = Added();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ExpressZ, "0");
    EXPECT_EQ(g->MinV, 1.5f);
    g = Create(false, false, 0, [](frmF4& s) {
        TypeValid(s);
        Type(s.Text2, " ");
    });
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ExpressZ, "0");
    // The parametric form's empty second box becomes "0" too.
    g = Create(true, false, 1, [](frmF4& s) {
        TypeValid(s);
        Type(s.Text3, "");
    });
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ExpressZ, "0");
}

TEST_F(StripDialog, ANewStripThatFailsToSampleLeavesTheScenesAndUsesUpItsId) {
    frmF4& f = OpenNew();
    TypeValid(f);
    Type(f.Text2, "sin(");
    Ok(f);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
    EXPECT_TRUE(frmF4::Loaded());
    Type(f.Text2, "x");
    Ok(f);
    ASSERT_NE(Added(), nullptr);
    EXPECT_EQ(Added()->ID, 2);
}

TEST_F(StripDialog, CancelCreatesNothingAndKeepsIsEditing) {
    for (bool editing : {false, true}) {
        frmF4& f = OpenNew();
        IsEditing = editing;
        TypeValid(f);
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        EXPECT_FALSE(frmF4::Loaded());
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
        EXPECT_EQ(IsEditing, editing);
    }
}

// ---- Relabelling and the prepared dialog ----

TEST_F(StripDialog, FormsRelabelInEveryModeAndCoordinateSystem) {
    struct Case {
        int form;
        bool polar;
        const char* label2;
        const char* label3; // nullptr: hidden
        const char* range;  // Label17, Label18, Label19
    };
    const Case cases[] = {
        {0, false, "y(x)", nullptr, "最小 x,最大 x,段数 x"},
        {0, true, "r(a)", nullptr, "最小 a,最大 a,段数 a"},
        {1, false, "x(u)", "y(u)", "最小 u,最大 u,段数 u"},
        {1, true, "a(u)", "r(u)", "最小 u,最大 u,段数 u"},
    };
    const std::vector<std::string> forms[2][2] = {
        {{"y=f(x)", "x=f1(u),y=f2(u)"}, {"r=f(a)", "a=f1(u),r=f2(u)"}},
        {{"y=f(x,t)", "x=f1(u,t),y=f2(u,t)"}, {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)"}}};
    for (bool animated : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.form) + (c.polar ? " polar" : " Cartesian") + (animated ? " t" : ""));
            // Reached through the other coordinate system: the form stays.
            frmF4& f = OpenNew(!c.polar, animated);
            Type(f.Text2, "keep");
            SelectListIndex(f.Combo2, c.form);
            SelectListIndex(f.Combo1, c.polar ? 1 : 0);
            EXPECT_EQ(ListIndex(f.Combo2), c.form);
            EXPECT_EQ(Items(f.Combo2), forms[animated][c.polar]);
            std::string label2 = c.label2;
            if (animated) label2.insert(label2.size() - 1, ",t");
            EXPECT_EQ(Caption(f.Label2), label2);
            EXPECT_EQ(IsShown(f.Label3), c.label3 != nullptr);
            EXPECT_EQ(IsShown(f.Text3), c.label3 != nullptr);
            if (c.label3) {
                std::string label3 = c.label3;
                if (animated) label3.insert(label3.size() - 1, ",t");
                EXPECT_EQ(Caption(f.Label3), label3);
            }
            EXPECT_EQ(Caption(f.Label17) + "," + Caption(f.Label18) + "," + Caption(f.Label19), c.range);
            for (const QWidget* w : {(QWidget*)f.Label4, (QWidget*)f.Text4, (QWidget*)f.Label6, (QWidget*)f.Text8,
                                     (QWidget*)f.Label8, (QWidget*)f.Text9})
                EXPECT_EQ(IsShown(w), animated);
            EXPECT_EQ(f.AnimationMode(), animated);
            EXPECT_EQ(f.Text2->text(), "keep");
            f.Command2->click();
        }
    }
}

TEST_F(StripDialog, TheCommandsPrepareTheirModeOverTheLoadedDefaults) {
    frmF4& f = OpenNew(false, false);
    EXPECT_EQ(ToStdString(f.windowTitle()), "二维半函数图形属性");
    EXPECT_EQ(ListIndex(f.Combo1), 0);
    EXPECT_EQ(Items(f.Combo1), (std::vector<std::string>{"直角坐标", "极坐标"}));
    EXPECT_EQ(Items(f.Combo2), (std::vector<std::string>{"y=f(x)", "x=f1(u),y=f2(u)"}));
    EXPECT_EQ(ListIndex(f.Combo2), -1);
    EXPECT_EQ(ToStdString(f.Combo2->currentText()), "y=f(x)");
    EXPECT_EQ(Caption(f.Label2), "y(x)");
    EXPECT_EQ(Caption(f.Label17), "最小 x");
    EXPECT_FALSE(IsShown(f.Text3) || IsShown(f.Label3));
    EXPECT_FALSE(f.AnimationMode());
    EXPECT_EQ(f.Text1->text(), "Untitled");
    EXPECT_EQ(f.Text7->text(), "40");
    EXPECT_EQ(f.Text7->toolTip(), "Recommended Value: 30 - 60");
    EXPECT_EQ(f.Label19->toolTip(), "Recommended Value: 30 - 60");
    EXPECT_EQ(f.SSTab1->count(), 4);
    EXPECT_EQ(ToStdString(f.SSTab1->tabText(3)), "外观");
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_EQ(f.Picture2->Color(), RGB(255, 0, 0));
    EXPECT_EQ(f.Picture3->Color(), RGB(0, 0, 255));
    EXPECT_EQ(f.Picture4->Color(), RGB(255, 0, 0));
    EXPECT_EQ(f.StripColor1, RGB(255, 0, 0));
    EXPECT_EQ(f.StripColor2, 16711680);
    EXPECT_EQ(f.List1->count(), 13);
    EXPECT_EQ(f.List1->currentRow(), 3);
    EXPECT_EQ(f.StripMaterial, Material::Metal);
    EXPECT_TRUE(f.Option7->isChecked());
    EXPECT_TRUE(f.Option10->isChecked());
    EXPECT_EQ(ToStdString(f.Frame2->title()), "平滑性");
    f.Command2->click();

    frmF4& p = OpenNew(true, false);
    EXPECT_EQ(ListIndex(p.Combo1), 1);
    EXPECT_EQ(Items(p.Combo2), (std::vector<std::string>{"r=f(a)", "a=f1(u),r=f2(u)"}));
    EXPECT_EQ(ToStdString(p.Combo2->currentText()), "r=f(a)");
    EXPECT_EQ(Caption(p.Label2), "r(a)");
    EXPECT_EQ(Caption(p.Label17), "最小 a");
    p.Command2->click();

    // Animated: the forms in t, the t row with the frame count fixed.
    FrameCount = 17;
    frmF4& a = OpenNew(true, true);
    EXPECT_EQ(ToStdString(a.windowTitle()), "二维半函数图形动画属性");
    EXPECT_TRUE(a.AnimationMode());
    EXPECT_EQ(Items(a.Combo2), (std::vector<std::string>{"r=f(a,t)", "a=f1(u,t),r=f2(u,t)"}));
    EXPECT_EQ(ListIndex(a.Combo2), 0);
    EXPECT_EQ(Caption(a.Label2), "r(a,t)");
    EXPECT_EQ(a.Text9->text(), "17");
    EXPECT_FALSE(a.Text9->isEnabled());
    EXPECT_TRUE(IsShown(a.Text4) && IsShown(a.Text8) && IsShown(a.Text9));
    a.Command2->click();
}

// ---- Colour, material and appearance ----

TEST_F(StripDialog, TheLookPagesReachTheStrip) {
    struct Case {
        const char* what;
        std::function<void(frmF4&)> act;
        std::int32_t fillStyle, first, second, material, show, smoothness;
    };
    const std::int32_t red = RGB(255, 0, 0);
    const std::int32_t blue = RGB(0, 0, 255);
    const std::vector<Case> cases = {
        {"left to right", [](frmF4& f) { f.Option1->click(); }, 1, red, blue, 4, 3, 3},
        {"front to back", [](frmF4& f) { f.Option3->click(); }, 2, red, blue, 4, 3, 3},
        {"top to bottom, chosen colours",
         [this](frmF4& f) {
             colors.Choose(RGB(1, 2, 3));
             QTest::mouseClick(f.Picture2, Qt::LeftButton);
             colors.Choose(RGB(4, 5, 6));
             QTest::mouseClick(f.Picture3, Qt::LeftButton);
         },
         3, RGB(1, 2, 3), RGB(4, 5, 6), 4, 3, 3},
        {"single colour: the held first colour, the single box",
         [this](frmF4& f) {
             f.Option4->click();
             colors.Choose(RGB(7, 8, 9));
             QTest::mouseClick(f.Picture4, Qt::LeftButton);
         },
         4, red, RGB(7, 8, 9), 4, 3, 3},
        {"single colour after 颜色1 was chosen",
         [this](frmF4& f) {
             colors.Choose(RGB(10, 0, 0));
             QTest::mouseClick(f.Picture2, Qt::LeftButton);
             f.Option4->click();
         },
         4, RGB(10, 0, 0), red, 4, 3, 3},
        {"a cancelled colour dialog keeps the box",
         [this](frmF4& f) {
             colors.Cancel();
             QTest::mouseClick(f.Picture3, Qt::LeftButton);
         },
         3, red, blue, 4, 3, 3},
        {"material, vertices, faceted",
         [](frmF4& f) {
             ClickMaterial(f, 12);
             f.SSTab1->setCurrentIndex(3);
             ClickOption(f.Option5);
             ClickOption(f.Option8);
         },
         3, red, blue, 13, 1, 1},
        {"wireframe, smoother",
         [](frmF4& f) {
             ClickMaterial(f, 0);
             f.SSTab1->setCurrentIndex(3);
             ClickOption(f.Option6);
             ClickOption(f.Option9);
         },
         3, red, blue, 1, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto g = Create(false, false, 0, [&](frmF4& f) {
            TypeValid(f);
            c.act(f);
        });
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->FillStyle, c.fillStyle);
        EXPECT_EQ(g->FirstColor, c.first);
        EXPECT_EQ(g->SecondColor, c.second);
        EXPECT_EQ(g->Material, c.material);
        EXPECT_EQ(g->Show, c.show);
        EXPECT_EQ(g->Smoothness, c.smoothness);
    }
}

// ---- Fill for editing, and OK unchanged ----

TEST_F(StripDialog, FillThenOkUnchangedGivesAnEqualStrip) {
    struct Case {
        const char* what;
        bool polar;
        bool animated;
        int form;
        std::vector<std::pair<const char*, const char*>> boxes;
        std::function<void(Cls9&)> settings; // as a document may hold them
        const char* row;                     // the edited row
        const char* label2;
        const char* label17;
    };
    const std::vector<Case> cases = {
        {"explicit Cartesian", false, false, 0,
         {{"Text2", "sin(x)"}, {"Text5", "-pi"}, {"Text6", "1/3"}, {"Text7", "123"}},
         [](Cls9& g) {
             g.FillStyle = FillStyle::FrontToBack;
             g.Material = Material::Winter;
             g.Show = Show::Wireframe;
             g.Smoothness = Smoothness::Faceted;
         },
         "二维半条带  y=sin(x)", "y(x)", "最小 x"},
        {"parametric polar, single colour in a non-red first colour", true, false, 1,
         {{"Text2", "u"}, {"Text3", "cos(u)"}, {"Text5", "0.1"}, {"Text6", "2*pi"}, {"Text7", "77"}},
         [](Cls9& g) {
             g.FillStyle = FillStyle::OneColor;
             g.FirstColor = RGB(0, 128, 0);
             g.SecondColor = RGB(1, 2, 3);
             g.Material = Material::Artdeco;
             g.Show = Show::Vertices;
         },
         "二维半条带  a=u, r=cos(u)", "a(u)", "最小 u"},
        {"animated explicit polar", true, true, 0,
         {{"Text2", "1+t"}, {"Text5", "0"}, {"Text6", "12345678"}, {"Text4", "1/3"}, {"Text8", "0.1+2"}},
         [](Cls9& g) { g.FillStyle = FillStyle::LeftToRight; },
         "二维半条带  r=1+t", "r(a)", "最小 a"},
        {"animated parametric Cartesian", false, true, 1,
         {{"Text2", "u"}, {"Text3", "t*u"}, {"Text5", "-0.000015"}, {"Text6", "1"}, {"Text4", "0"},
          {"Text8", "16777216"}},
         [](Cls9& g) {
             g.FirstColor = RGB(9, 9, 9);
             g.Smoothness = Smoothness::Smoother;
         },
         "二维半条带  x=u, y=t*u", "x(u)", "最小 u"},
    };
    FrameCount = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto g = Create(c.polar, c.animated, c.form, [&](frmF4& f) {
            for (auto [name, text] : c.boxes) Type(f.findChild<QLineEdit*>(name), text);
        });
        ASSERT_NE(g, nullptr) << (box.Count() ? box.Last().text : "");
        g->NameS = "name with blanks";
        c.settings(*g);
        const std::string record = g->Save();

        const std::int32_t row = std::int32_t(DocumentScene.FunSurfs.Count()) - 1;
        frmF4& f = OpenEdit(row);
        EXPECT_EQ(ToStdString(f.windowTitle()), "二维半函数图形属性");
        EXPECT_EQ(f.AnimationMode(), c.animated);
        EXPECT_EQ(ListIndex(f.Combo1), c.polar ? 1 : 0);
        EXPECT_EQ(ListIndex(f.Combo2), c.form);
        EXPECT_EQ(Items(f.Combo2)[0], c.animated ? (c.polar ? "r=f(a,t)" : "y=f(x,t)") : (c.polar ? "r=f(a)" : "y=f(x)"));
        // The still captions, also for an animated strip.
        EXPECT_EQ(Caption(f.Label2), c.label2);
        EXPECT_EQ(Caption(f.Label17), c.label17);
        EXPECT_EQ(IsShown(f.Text3), c.form == 1);
        EXPECT_EQ(IsShown(f.Label3), c.form == 1);
        if (c.animated) {
            EXPECT_EQ(f.Text9->text(), "3");
            EXPECT_FALSE(f.Text9->isEnabled());
            EXPECT_EQ(f.Text4->text(), QString::fromStdString(ShortestSinglePlainText(g->MinT)));
        }
        EXPECT_EQ(f.Text6->text(), QString::fromStdString(ShortestSinglePlainText(g->MaxV)));
        EXPECT_EQ(f.Text6->text().contains('E'), false);
        EXPECT_EQ(f.Picture2->Color(), g->FirstColor);
        EXPECT_EQ(f.Picture3->Color(), g->SecondColor);
        EXPECT_EQ(f.Picture4->Color(), g->SecondColor);
        EXPECT_EQ(f.StripColor1, g->FirstColor);
        EXPECT_EQ(f.StripColor2, g->SecondColor);
        EXPECT_EQ(f.List1->currentRow(), g->Material - 1);
        Ok(f);
        ASSERT_EQ(box.Count(), 0u) << box.Last().text;
        EXPECT_FALSE(frmF4::Loaded());
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(row + 1), g);
        EXPECT_EQ(g->Save(), record);
        EXPECT_EQ(window.rows[std::size_t(row)], c.row);
    }
}

TEST_F(StripDialog, AnEditThatFailsToSampleLeavesTheStripAsItWas) {
    const auto g = Create(false, false, 0, [](frmF4& f) { TypeValid(f); });
    ASSERT_NE(g, nullptr);
    const std::string record = g->Save();
    const std::string rowText = window.rows[0];
    frmF4& f = OpenEdit(0);
    Type(f.Text2, "sin(");
    Type(f.Text7, "9");
    Ok(f);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");
    EXPECT_TRUE(frmF4::Loaded());
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(g->Save(), record);
    EXPECT_EQ(window.rows[0], rowText);
    f.Command2->click();
    EXPECT_EQ(g->Save(), record);
    EXPECT_TRUE(IsEditing);
}

} // namespace
