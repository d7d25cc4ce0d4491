// The plane function dialog frmF5 as the plane commands and the edit command
// open it: the graph its OK builds for every form, coordinate system and
// mode, its refusals in order, the relabelling and the enabling of the
// analysis page, the position lists and colour boxes, and fill → OK round trips.
#include "core/ColorService.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/CreationCommand.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/functions/frmF5.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include <set>
#include <string>
#include <vector>

namespace {

class PlaneDialog : public GraphDialogTest {
protected:
    // The dialog as a plane command prepares it, shown without blocking.
    frmF5& OpenNew(bool polar = false, bool animated = false) {
        IsEditing = false;
        frmF5& f = frmF5::Get();
        f.PrepareNewGraph(polar, animated);
        f.show();
        return f;
    }
    // The dialog filled for editing row `row`, shown without blocking.
    frmF5& OpenEdit(std::int32_t row) { return OpenForEdit<frmF5>(row); }
    static void Type(QLineEdit* box, const char* text) { box->setText(QString::fromUtf8(text)); }
    static void Type(QComboBox* list, const char* text) { list->setEditText(QString::fromUtf8(text)); }
    static void Ok(frmF5& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); }
    // A new graph typed in the dialog and confirmed; its row as the command
    // labels it.
    std::shared_ptr<Cls9> Create(bool polar, bool animated, int form, const std::function<void(frmF5&)>& type) {
        frmF5& f = OpenNew(polar, animated);
        SelectListIndex(f.Combo3, form);
        type(f);
        const auto before = DocumentScene.FunSurfs.Count();
        Ok(f);
        if (DocumentScene.FunSurfs.Count() == before) return nullptr;
        const LabelSource command = animated ? (polar ? LabelSource::mnuAniCur2DPol : LabelSource::mnuAniCur2DCart)
                                             : (polar ? LabelSource::mnuDraw2DPolar : LabelSource::mnuDraw2DCart);
        window.rows.push_back(CreationLabel(command, DocumentKind, *Added()));
        return Added();
    }
};

// ---- The graph of every form, coordinate system and mode ----

TEST_F(PlaneDialog, OkBuildsTheGraphOfEachFormCoordinateSystemAndMode) {
    struct Case {
        int form;
        bool polar;
        std::int32_t funForm;
        const char* expressY;
        const char* expressZ;
        std::int32_t stepU, stepV;
        float minU, maxU, minV, maxV;
        const char* row; // the creation command's row (still mode)
    };
    // Implicit and inequality graphs are built with no segments; their
    // sampling counts them as 1 (and stores that).
    const Case cases[] = {
        {0, false, FunForm::Explicit, "x", "sin(x)", 1, 50, 0, 1, -1, 2, "二维曲线  y=sin(x)"},
        {0, true, FunForm::Explicit, "a", "sin(x)", 1, 50, 0, 1, -1, 2, "二维曲线  r=sin(x)"},
        {1, false, FunForm::Parametric, "cos(u)", "sin(x)", 1, 50, 0, 1, -1, 2, "二维曲线  x=cos(u), y=sin(x)"},
        {1, true, FunForm::Parametric, "cos(u)", "sin(x)", 1, 50, 0, 1, -1, 2, "二维曲线  a=cos(u), r=sin(x)"},
        {2, false, FunForm::Implicit, "x", "cos(u)", 1, 1, -1, 2, -3, 4, "二维曲线  cos(u)=0"},
        {2, true, FunForm::Implicit, "a", "cos(u)", 1, 1, -1, 2, -3, 4, "二维曲线  cos(u)=0"},
        {3, false, FunForm::Inequality, "x", "cos(u)", 1, 1, -1, 2, -3, 4, "不等式  cos(u)<=0"},
        {3, true, FunForm::Inequality, "a", "cos(u)", 1, 1, -1, 2, -3, 4, "不等式  cos(u)<=0"},
    };
    for (bool animated : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.form) + (c.polar ? " polar" : " Cartesian") + (animated ? " t" : ""));
            DocumentKind = 2;
            FrameCount = 4;
            window.playbackOn = false;
            const auto g = Create(c.polar, animated, c.form, [&](frmF5& f) {
                Type(f.Text1, "名字");
                Type(f.Text2, c.form == 1 ? "cos(u)" : c.form == 0 ? "sin(x)" : "cos(u)");
                Type(f.Text3, "sin(x)");
                Type(f.Text4, "-1");
                Type(f.Text5, "2");
                Type(f.Text6, "50");
                Type(f.Text10, "-3");
                Type(f.Text11, "4");
                Type(f.Text7, "0");
                Type(f.Text8, "t+1");
            });
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(box.Count(), 0u);
            EXPECT_FALSE(frmF5::Loaded());
            EXPECT_FALSE(IsEditing);
            EXPECT_EQ(DocumentKind, 1);
            EXPECT_EQ(VisibleScene.FunSurfs.Item(VisibleScene.FunSurfs.Count()), g);
            EXPECT_EQ(g->NameS, "名字");
            EXPECT_EQ(g->GraphType, animated ? GraphType::Function2DAnimation : GraphType::Function2D);
            EXPECT_EQ(g->CoordType, c.polar ? CoordType::Polar : CoordType::PlaneCartesian);
            EXPECT_EQ(g->FunForm, c.funForm);
            EXPECT_EQ(g->ExpressX, "0");
            EXPECT_EQ(g->ExpressY, c.expressY);
            EXPECT_EQ(g->ExpressZ, c.expressZ);
            EXPECT_EQ(g->StepU, c.stepU);
            EXPECT_EQ(g->StepV, c.stepV);
            EXPECT_EQ(g->MinU, c.minU);
            EXPECT_EQ(g->MaxU, c.maxU);
            EXPECT_EQ(g->MinV, c.minV);
            EXPECT_EQ(g->MaxV, c.maxV);
            EXPECT_EQ(g->FillStyle, FillStyle::OneColor);
            EXPECT_EQ(g->FirstColor, 16711680);
            EXPECT_EQ(g->SecondColor, 16711680);
            EXPECT_EQ(g->LineColor, RGB(0, 0, 255));
            EXPECT_EQ(g->LineWidth, 1);
            EXPECT_EQ(g->Material, Material::Metal);
            EXPECT_EQ(g->Show, Show::Wireframe);
            EXPECT_EQ(g->Smoothness, Smoothness::Smoother);
            EXPECT_TRUE(g->Show2DCurve);
            EXPECT_EQ(g->Animation, animated);
            EXPECT_EQ(g->MinT, 0);
            EXPECT_EQ(g->MaxT, animated ? 1 : 0); // t+1 evaluated with t = 0
            EXPECT_EQ(window.playbackOn, animated);
            // The default overlays: off, with the page's colours and styles.
            EXPECT_FALSE(g->ShowInverse || g->ShowDev || g->ShowInt || g->ShowMax || g->ShowMin || g->ShowGuai ||
                         g->ShowJO || g->ShowRoot || g->ShowCurv || g->ShowLen || g->ShowQie || g->ShowNml);
            EXPECT_EQ(g->InvColor, RGB(255, 0, 0));
            EXPECT_EQ(g->InvWidth, 1);
            EXPECT_EQ(g->NmlColor, RGB(64, 64, 0));
            EXPECT_EQ(g->MaxSize, 2);
            EXPECT_EQ(g->MaxSymbol, 1);
            EXPECT_EQ(g->RootSymbol, 1);
            EXPECT_EQ(g->CurvNum, 0);
            const std::string row = c.row;
            EXPECT_EQ(window.rows.back(),
                      animated ? (c.form == 3 ? "不等式动画" + row.substr(std::string("不等式").size())
                                              : "二维曲线动画" + row.substr(std::string("二维曲线").size()))
                               : row);
            // Sampled: every frame of an animated graph.
            if (animated && c.form <= 1) {
                EXPECT_EQ(g->Anim2D.Upper(1), 4);
            }
        }
    }
}

TEST_F(PlaneDialog, EveryOverlayControlReachesItsProperty) {
    frmF5& f = OpenNew();
    Type(f.Text2, "x^2");
    Type(f.Text4, "-2");
    Type(f.Text5, "2");
    SelectListIndex(f.Combo3, 0);
    for (QCheckBox* c : {f.Check1, f.Check2, f.Check4, f.Check5, f.Check6, f.Check8, f.Check7, f.Check9, f.Check10,
                         f.Check13, f.Check14, f.Check15})
        c->setChecked(true);
    f.Check3->setChecked(false);
    // Colour boxes: a chosen colour, and a cancelled choice keeping the colour.
    colors.Choose(RGB(1, 2, 3));
    QTest::mouseClick(f.Picture7, Qt::LeftButton);
    colors.Cancel();
    QTest::mouseClick(f.Picture9, Qt::LeftButton);
    colors.Choose(RGB(9, 9, 9));
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    Type(f.Combo2, "3");
    SelectListIndex(f.Combo4, 4);
    Type(f.Combo5, "6.5");
    Type(f.Text13, "-1");
    Type(f.Text14, "pi/2");
    SelectListIndex(f.Combo7, 8);
    SelectListIndex(f.Combo6, 5);
    Type(f.Combo8, "typed");
    SelectListIndex(f.Combo17, 2);
    Type(f.Combo11, "4");
    Type(f.Combo10, "2");
    SelectListIndex(f.Combo13, 3);
    Type(f.Text17, "0");
    Type(f.Text18, "1,5");
    for (auto [input, add, text] : {std::tuple{f.Text12, f.Command3, "1"}, std::tuple{f.Text12, f.Command3, "2.5"},
                                    std::tuple{f.Text12, f.Command3, "x"}, std::tuple{f.Text15, f.Command6, "-1"},
                                    std::tuple{f.Text16, f.Command11, "0.5"}}) {
        Type(input, text);
        QTest::mouseClick(add, Qt::LeftButton);
    }
    Ok(f);
    ASSERT_EQ(box.Count(), 0u) << box.Last().text;
    const auto g = Added();
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(g->Show2DCurve);
    EXPECT_TRUE(g->ShowInverse && g->ShowDev && g->ShowInt && g->ShowMax && g->ShowMin && g->ShowGuai && g->ShowJO &&
                g->ShowRoot && g->ShowCurv && g->ShowLen && g->ShowQie && g->ShowNml);
    EXPECT_EQ(g->LineColor, RGB(9, 9, 9));
    EXPECT_EQ(g->LineWidth, 3);
    EXPECT_EQ(g->JOColor, RGB(1, 2, 3));
    EXPECT_EQ(g->RootColor, RGB(64, 0, 64));
    EXPECT_EQ(g->InvWidth, 5);
    EXPECT_EQ(g->DevWidth, 6); // 6.5 to the even neighbour
    EXPECT_EQ(g->IntFrom, -1);
    EXPECT_EQ(g->IntTo, float(3.1415926 / 2));
    EXPECT_EQ(g->MaxSize, 9);
    EXPECT_EQ(g->MaxSymbol, 6);
    EXPECT_EQ(g->MinSymbol, 0); // typed text selects no marker
    EXPECT_EQ(g->GuaiSymbol, 3);
    EXPECT_EQ(g->GuaiSize, 4);
    EXPECT_EQ(g->JOWidth, 2);
    EXPECT_EQ(g->RootSymbol, 4);
    EXPECT_EQ(g->RootSize, 2);
    EXPECT_EQ(g->LenFrom, 0);
    EXPECT_EQ(g->LenTo, 1.5f);
    EXPECT_EQ(g->CurvNum, 3);
    EXPECT_EQ(g->CurvX(1), 1);
    EXPECT_EQ(g->CurvX(2), 2.5f);
    EXPECT_EQ(g->CurvX(3), 0);
    EXPECT_EQ(g->QieNum, 1);
    EXPECT_EQ(g->QieX(1), -1);
    EXPECT_EQ(g->NmlNum, 1);
    EXPECT_EQ(g->NmlX(1), 0.5f);
    EXPECT_EQ(g->CurvWidth, 1);
}

// ---- Refusals, in the order the OK meets them ----

TEST_F(PlaneDialog, RefusalsComeInTheirOrderWithTheirMessages) {
    struct Case {
        const char* what;
        int form;
        bool polar;
        bool animated;
        std::vector<std::pair<const char*, const char*>> boxes; // object name, text
        const char* title;   // "" accepted
        const char* message; // "" accepted; a syntax message is matched by its title
    };
    const char* bad = "存在非法数据。";
    const char* empty = "请输入所有参数。";
    const std::vector<Case> cases = {
        {"filtered function box", 0, false, false, {{"Text2", "#"}}, "出错", bad},
        {"hidden box not filtered", 0, false, false, {{"Text3", "#"}, {"Text10", "#"}}, "", ""},
        {"t steps below 1", 0, false, true, {{"Text9", "0.4"}, {"Text12", "#"}}, "注意", "段数t必须大于1。"},
        {"t steps before the analysis boxes", 0, false, true, {{"Text9", "0"}, {"Text17", "#"}}, "注意",
         "段数t必须大于1。"},
        {"enabled position box", 0, false, false, {{"Text12", "a"}}, "出错", bad},
        {"disabled position box not filtered", 1, false, false, {{"Text12", "a"}, {"Text3", "1"}}, "", ""},
        {"arc-length box always filtered", 2, false, false, {{"Text17", "#"}}, "出错", bad},
        {"several blanks", 0, false, false, {{"Text4", "   "}}, "注意", empty},
        {"segments empty", 0, false, false, {{"Text6", ""}}, "注意", empty},
        {"parametric y(u) empty", 1, false, false, {{"Text3", "  "}}, "注意", empty},
        {"inequality y box of blanks", 3, false, false, {{"Text10", "  "}}, "注意", empty},
        {"implicit y boxes of blanks pass", 2, false, false, {{"Text10", "  "}, {"Text11", "  "}}, "", ""},
        {"animated t box empty", 0, false, true, {{"Text8", "   "}}, "注意", empty},
        {"segments 0.5", 0, false, false, {{"Text6", "0.5"}}, "注意", "段数x必须大于1。"},
        {"segments 1 pass", 0, false, false, {{"Text6", "1"}}, "", ""},
        {"segments beyond 32 bits", 0, true, false, {{"Text6", "1E20"}}, "注意", "段数x必须大于1。"},
        {"parametric segments", 1, false, false, {{"Text6", "0"}, {"Text3", "1"}}, "注意", "段数u必须大于1。"},
        {"count before the range", 0, false, false, {{"Text6", "0"}, {"Text4", "3"}}, "注意", "段数x必须大于1。"},
        {"reversed x", 0, false, false, {{"Text4", "3"}}, "注意", "最小x必须小于最大x。"},
        {"reversed x in polar", 0, true, false, {{"Text4", "3"}}, "注意", "最小x必须小于最大x。"},
        {"reversed u", 1, false, false, {{"Text4", "3"}, {"Text3", "1"}}, "注意", "最小u必须小于最大u。"},
        {"equal bounds pass", 0, false, false, {{"Text4", "2"}}, "", ""},
        {"evaluated: pi above 2", 0, false, false, {{"Text4", "pi"}}, "注意", "最小x必须小于最大x。"},
        {"evaluated: 2*pi below 7", 0, false, false, {{"Text4", "2*pi"}, {"Text5", "7"}}, "", ""},
        {"bound does not compile", 0, false, false, {{"Text4", "1+"}, {"Text6", "1"}}, "语法错误", ""},
        {"implicit reversed y after x", 2, false, false, {{"Text10", "5"}}, "注意", "最小y必须小于最大y。"},
        {"implicit x before y", 2, false, false, {{"Text4", "5"}, {"Text10", "5"}}, "注意", "最小x必须小于最大x。"},
        {"width beyond 32 bits", 0, false, false, {{"Combo2", "1E20"}}, "出错", bad},
        {"size beyond 32 bits", 0, false, false, {{"Combo9", "-3E12"}}, "出错", bad},
        {"disabled integral box still evaluated", 1, false, false, {{"Text13", "1+"}, {"Text3", "1"}}, "语法错误", ""},
        {"reversed t", 0, false, true, {{"Text7", "2"}}, "注意", "最小t必须小于最大t。"},
        {"expression does not compile when sampled", 0, false, false, {{"Text2", "sin("}}, "语法错误", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DocumentKind = 2;
        box.Clear();
        window.playbackOn = false;
        frmF5& f = OpenNew(c.polar, c.animated);
        SelectListIndex(f.Combo3, c.form);
        Type(f.Text2, "x");
        Type(f.Text4, "-1");
        Type(f.Text5, "2");
        Type(f.Text10, "0");
        Type(f.Text11, "1");
        Type(f.Text7, "0");
        Type(f.Text8, "1");
        for (auto [name, text] : c.boxes) {
            if (auto* line = f.findChild<QLineEdit*>(name); line && std::string(name).rfind("Text", 0) == 0)
                Type(line, text);
            else
                Type(f.findChild<QComboBox*>(name), text);
        }
        const std::int32_t before = DocumentScene.FunSurfs.Count();
        Ok(f);
        if (ExpectOkOutcome<frmF5>(before, c.title, c.message)) continue;
        // Past the filters the document kind is already plane; a refused t
        // range leaves the playback commands on.
        if (std::string(c.message) != bad && std::string(c.message).rfind("段数t", 0) != 0) {
            EXPECT_EQ(DocumentKind, 1);
        }
        if (std::string(c.message) == "最小t必须小于最大t。") {
            EXPECT_TRUE(window.playbackOn);
        }
        f.Command2->click();
        EXPECT_FALSE(frmF5::Loaded());
    }
}

// The entries of the curvature, tangent and normal lists are read as the
// range boxes read theirs, their cleaned texts written back; an entry that is
// no number or expression (or whose value cannot be had) refuses the OK with
// the filter's message, so no position is another value than its text.
TEST_F(PlaneDialog, PositionEntriesAreReadAsExpressionsOrRefused) {
    struct Case {
        const char* entry;
        const char* shown; // the entry after the OK
        float position;    // "" accepted; else refused
        bool accepted;
    };
    const Case cases[] = {
        {"pi/2", "pi/2", float(3.1415926 / 2), true},
        {"2*pi", "2*pi", float(2 * 3.1415926), true},
        {"sin(pi/6)", "sin(pi/6)", 0.5f, true}, // in radians
        {"-1.5", "-1.5", -1.5f, true},
        {" 1,5 ", "1.5", 1.5f, true},
        {"", "0", 0, true},
        {"0.12345", "0.12345", UndefinedValue, true}, // a number, even the undefined marker's
        {"1e3", "1e3", 1000, true},
        {"1.5E-3", "1.5E-3", 0.0015f, true},
        {"1E-05", "1E-05", 1e-5f, true},
        {"1e39", "1e39", 0, false},
        {"abc", "abc", 0, false},
        {"1+", "1+", 0, false},
        {"1/0", "1/0", 0, false},
        {"#", "#", 0, false},
    };
    struct List {
        QListWidget* frmF5::*list;
        QLineEdit* frmF5::*input;
        QPushButton* frmF5::*add;
        std::int32_t Cls9::*count;
        PositionList Cls9::*positions;
    };
    const List lists[] = {
        {&frmF5::List1, &frmF5::Text12, &frmF5::Command3, &Cls9::CurvNum, &Cls9::CurvX},
        {&frmF5::List2, &frmF5::Text15, &frmF5::Command6, &Cls9::QieNum, &Cls9::QieX},
        {&frmF5::List3, &frmF5::Text16, &frmF5::Command11, &Cls9::NmlNum, &Cls9::NmlX},
    };
    for (const List& l : lists) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.entry) + " in " + ToStdString((frmF5::Get().*l.list)->objectName()));
            box.Clear();
            frmF5& f = OpenNew();
            Type(f.Text2, "sin(x)");
            Type(f.Text4, "-5");
            Type(f.Text5, "5");
            // A plain number before the entry, read as before.
            for (const char* text : {"1", c.entry}) {
                Type(f.*l.input, text);
                QTest::mouseClick(f.*l.add, Qt::LeftButton);
            }
            const std::int32_t before = DocumentScene.FunSurfs.Count();
            Ok(f);
            QListWidget* list = f.*l.list;
            if (c.accepted) {
                ASSERT_TRUE(ExpectOkOutcome<frmF5>(before, "", ""));
                const Cls9& g = *Added();
                EXPECT_EQ(g.*l.count, 2);
                EXPECT_EQ((g.*l.positions)(1), 1);
                EXPECT_EQ((g.*l.positions)(2), c.position);
                continue;
            }
            EXPECT_FALSE(ExpectOkOutcome<frmF5>(before, "出错", "存在非法数据。"));
            // The refused entry is the selected one, shown as it was.
            ASSERT_EQ(list->count(), 2);
            EXPECT_EQ(list->currentRow(), 1);
            EXPECT_EQ(ToStdString(list->item(1)->text()), c.shown);
            f.Unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    // The cleaned texts are what the lists show afterwards (the edit fills
    // them from the stored positions).
    frmF5& f = OpenNew();
    Type(f.Text2, "sin(x)");
    Type(f.Text12, " 2 * pi ");
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    Type(f.Text15, "");
    QTest::mouseClick(f.Command6, Qt::LeftButton);
    Type(f.Text12, "#");
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    Ok(f);
    ASSERT_GT(box.Count(), 0u);
    EXPECT_EQ(box.Last().text, "存在非法数据。");
    ASSERT_EQ(f.List1->count(), 2);
    ASSERT_EQ(f.List2->count(), 1);
    EXPECT_EQ(ToStdString(f.List1->item(0)->text()), "2*pi");
    EXPECT_EQ(ToStdString(f.List1->item(1)->text()), "#");
    EXPECT_EQ(ToStdString(f.List2->item(0)->text()), ""); // its list comes later
    f.Unload();
}

TEST_F(PlaneDialog, FiltersWriteTheCleanedTextsBackAndAnEmptyFunctionIsZero) {
    frmF5& f = OpenNew();
    Type(f.Text2, "");
    Type(f.Text4, " 1,5 ");
    Type(f.Text5, "2 * pi");
    Type(f.Text17, "");
    Type(f.Text6, "#");
    Ok(f);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "段数x必须大于1。");
    EXPECT_EQ(f.Text2->text(), "0");
    EXPECT_EQ(f.Text4->text(), "1.5");
    EXPECT_EQ(f.Text5->text(), "2*pi");
    EXPECT_EQ(f.Text17->text(), "0");
    EXPECT_EQ(f.Text6->text(), "#"); // segment boxes are not filtered
    Type(f.Text6, "10");
    Ok(f);
    const auto g = Added();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ExpressZ, "0");
    EXPECT_EQ(g->MinV, 1.5f);
    EXPECT_EQ(g->MaxV, float(2 * 3.1415926));
}

TEST_F(PlaneDialog, ANewGraphThatFailsToSampleLeavesTheScenesAndUsesUpItsId) {
    frmF5& f = OpenNew();
    Type(f.Text2, "sin(");
    Type(f.Text4, "0");
    Type(f.Text5, "1");
    Ok(f);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
    EXPECT_TRUE(frmF5::Loaded());
    Type(f.Text2, "x");
    Ok(f);
    ASSERT_NE(Added(), nullptr);
    EXPECT_EQ(Added()->ID, 2);
}

TEST_F(PlaneDialog, CancelCreatesNothingAndKeepsIsEditing) {
    for (bool editing : {false, true}) {
        frmF5& f = OpenNew();
        IsEditing = editing;
        Type(f.Text2, "x");
        Type(f.Text4, "0");
        Type(f.Text5, "1");
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        EXPECT_FALSE(frmF5::Loaded());
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
        EXPECT_EQ(IsEditing, editing);
    }
}

// ---- Relabelling and visibility ----

TEST_F(PlaneDialog, FormsRelabelAndShowTheirBoxesInEveryModeAndCoordinateSystem) {
    struct Case {
        int form;
        bool polar;
        const char* label3;
        const char* label4; // nullptr: hidden
        const char* range;  // Label5, Label6, Label7
        bool segments;
        const char* yRange; // nullptr: hidden
    };
    const Case cases[] = {
        {0, false, "y(x)", nullptr, "最小 x,最大 x,段数 x", true, nullptr},
        {0, true, "r(a)", nullptr, "最小 a,最大 a,段数 a", true, nullptr},
        {1, false, "x(u)", "y(u)", "最小 u,最大 u,段数 u", true, nullptr},
        {1, true, "a(u)", "r(u)", "最小 u,最大 u,段数 u", true, nullptr},
        {2, false, "f(x,y)", nullptr, "最小 x,最大 x,段数 x", false, "最小 y,最大 y"},
        {2, true, "f(a,r)", nullptr, "最小 a,最大 a,段数 a", false, "最小 r,最大 r"},
        {3, false, "f(x,y)", nullptr, "最小 x,最大 x,段数 x", false, "最小 y,最大 y"},
        {3, true, "f(a,r)", nullptr, "最小 a,最大 a,段数 a", false, "最小 r,最大 r"},
    };
    const std::vector<std::string> forms[2][2] = {
        {{"y=f(x)", "x=f1(u),y=f2(u)", "f(x,y)=0", "f(x,y)<=0"}, {"r=f(a)", "a=f1(u),r=f2(u)", "f(a,r)=0", "f(a,r)<=0"}},
        {{"y=f(x,t)", "x=f1(u,t),y=f2(u,t)", "f(x,y,t)=0", "f(x,y,t)<=0"},
         {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)", "f(a,r,t)=0", "f(a,r,t)<=0"}}};
    for (bool animated : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.form) + (c.polar ? " polar" : " Cartesian") + (animated ? " t" : ""));
            // Reached through the other coordinate system: the form stays.
            frmF5& f = OpenNew(!c.polar, animated);
            Type(f.Text2, "keep");
            SelectListIndex(f.Combo3, c.form);
            SelectListIndex(f.Combo1, c.polar ? 1 : 0);
            EXPECT_EQ(ListIndex(f.Combo3), c.form);
            EXPECT_EQ(Items(f.Combo3), forms[animated][c.polar]);
            const std::string t = animated ? "," : "";
            std::string label3 = c.label3;
            if (animated) label3.insert(label3.size() - 1, ",t");
            EXPECT_EQ(Caption(f.Label3), label3);
            EXPECT_EQ(IsShown(f.Label4), c.label4 != nullptr);
            EXPECT_EQ(IsShown(f.Text3), c.label4 != nullptr);
            if (c.label4) {
                std::string label4 = c.label4;
                if (animated) label4.insert(label4.size() - 1, ",t");
                EXPECT_EQ(Caption(f.Label4), label4);
            }
            EXPECT_EQ(Caption(f.Label5) + "," + Caption(f.Label6) + "," + Caption(f.Label7), c.range);
            EXPECT_EQ(IsShown(f.Label7), c.segments);
            EXPECT_EQ(IsShown(f.Text6), c.segments);
            for (const QWidget* w : {(QWidget*)f.Label14, (QWidget*)f.Label15, (QWidget*)f.Text10, (QWidget*)f.Text11})
                EXPECT_EQ(IsShown(w), c.yRange != nullptr);
            if (c.yRange) {
                EXPECT_EQ(Caption(f.Label14) + "," + Caption(f.Label15), c.yRange);
            }
            for (const QWidget* w : {(QWidget*)f.Label10, (QWidget*)f.Text7, (QWidget*)f.Label12, (QWidget*)f.Text9})
                EXPECT_EQ(IsShown(w), animated);
            EXPECT_TRUE(IsShown(f.Text2) && IsShown(f.Text4) && IsShown(f.Text5));
            EXPECT_EQ(f.Text2->text(), "keep");
            f.Command2->click();
        }
    }
}

TEST_F(PlaneDialog, TheCommandsPrepareTheirModeAndTheLoadedDefaults) {
    // Still Cartesian: the explicit form as text, nothing selected.
    frmF5& f = OpenNew(false, false);
    EXPECT_EQ(ToStdString(f.windowTitle()), "二维函数图形属性");
    EXPECT_EQ(ListIndex(f.Combo1), 0);
    EXPECT_EQ(ListIndex(f.Combo3), -1);
    EXPECT_EQ(ToStdString(f.Combo3->currentText()), "y=f(x)");
    EXPECT_EQ(Caption(f.Label3), "y(x)");
    EXPECT_FALSE(f.AnimationMode());
    EXPECT_FALSE(IsShown(f.Text3) || IsShown(f.Text10) || IsShown(f.Text11) || IsShown(f.Label14));
    EXPECT_EQ(f.Text1->text(), "Untitled");
    EXPECT_EQ(f.Text6->text(), "300");
    EXPECT_EQ(f.SSTab1->count(), 12);
    EXPECT_EQ(f.SSTab1->currentIndex(), 0);
    EXPECT_EQ(ToStdString(f.SSTab1->tabText(11)), "法线");
    // The width lists start with the text "1" and nothing selected; sizes "2"
    // and markers "实心圆" selected.
    for (QComboBox* w : {f.Combo2, f.Combo4, f.Combo5, f.Combo10, f.Combo14, f.Combo15, f.Combo16}) {
        EXPECT_EQ(w->currentText(), "1");
        EXPECT_EQ(ListIndex(w), -1);
        EXPECT_EQ(w->count(), 8);
        EXPECT_TRUE(w->isEditable());
    }
    for (QComboBox* s : {f.Combo7, f.Combo9, f.Combo11, f.Combo12}) EXPECT_EQ(ListIndex(s), 1);
    for (QComboBox* m : {f.Combo6, f.Combo8, f.Combo13, f.Combo17}) EXPECT_EQ(ListIndex(m), 0);
    EXPECT_TRUE(f.Check3->isChecked());
    EXPECT_EQ(f.Picture12->Color(), RGB(64, 64, 0));
    f.Command2->click();

    // Still polar.
    frmF5& p = OpenNew(true, false);
    EXPECT_EQ(ListIndex(p.Combo1), 1);
    EXPECT_EQ(ToStdString(p.Combo3->currentText()), "r=f(a)");
    EXPECT_EQ(Caption(p.Label3), "r(a)");
    EXPECT_EQ(Caption(p.Label5), "最小 a");
    EXPECT_FALSE(IsShown(p.Text3) || IsShown(p.Text10));
    p.Command2->click();

    // Animated: the ",t" forms, the t row with the frame count fixed.
    FrameCount = 17;
    frmF5& a = OpenNew(false, true);
    EXPECT_EQ(ToStdString(a.windowTitle()), "二维函数图形动画属性");
    EXPECT_TRUE(a.AnimationMode());
    EXPECT_EQ(ToStdString(a.Combo3->currentText()), "y=f(x,t)");
    EXPECT_EQ(Items(a.Combo3)[1], "x=f1(u,t),y=f2(u,t)");
    EXPECT_EQ(ListIndex(a.Combo3), -1);
    EXPECT_EQ(Caption(a.Label3), "y(x,t)");
    EXPECT_EQ(a.Text9->text(), "17");
    EXPECT_FALSE(a.Text9->isEnabled());
    EXPECT_TRUE(IsShown(a.Text7) && IsShown(a.Text8) && IsShown(a.Text9));
    a.Command2->click();
}

// ---- The analysis page's enabling ----

TEST_F(PlaneDialog, TheFormRuleEnablesTheAnalysisControls) {
    {
        // Right after loading, before an opener acts: disabled.
        frmF5& f = frmF5::Get();
        for (QWidget* w : f.AnalysisControls()) EXPECT_FALSE(w->isEnabled()) << ToStdString(w->objectName());
        f.Unload();
    }
    struct Case {
        bool animated;
        bool polar;
        int form; // -1: as the opener left it
        const char* enabled; // "all", "none", "polar" (all but the polar subset)
    };
    const Case cases[] = {
        {false, false, -1, "all"}, {false, true, -1, "polar"}, {true, false, -1, "none"}, {true, true, -1, "none"},
        {false, false, 0, "all"},  {false, true, 0, "polar"},  {true, false, 0, "all"},   {true, true, 0, "polar"},
        {false, false, 1, "none"}, {false, true, 2, "none"},   {true, false, 3, "none"},  {true, true, 1, "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.animated ? "t " : "") + (c.polar ? "polar " : "Cartesian ") + std::to_string(c.form));
        frmF5& f = OpenNew(c.polar, c.animated);
        if (c.form >= 0) SelectListIndex(f.Combo3, c.form);
        const auto controls = f.AnalysisControls();
        const auto polarSubset = f.PolarSubset();
        EXPECT_EQ(std::set<QWidget*>(controls.begin(), controls.end()).size(), 54u);
        const std::set<QWidget*> subset(polarSubset.begin(), polarSubset.end());
        for (QWidget* w : controls) {
            const std::string e = c.enabled;
            const bool expected = e == "all" || (e == "polar" && subset.count(w) == 0);
            EXPECT_EQ(w->isEnabled(), expected) << ToStdString(w->objectName());
        }
        for (QWidget* w : {(QWidget*)f.Text17, (QWidget*)f.Text18, (QWidget*)f.Picture1, (QWidget*)f.Combo2,
                           (QWidget*)f.Check3})
            EXPECT_TRUE(w->isEnabled());
        f.Command2->click();
    }

    // A tick set before the polar system disabled its control still reaches the graph.
    frmF5& f = OpenNew(false, false);
    f.Check5->setChecked(true);
    SelectListIndex(f.Combo1, 1);
    EXPECT_FALSE(f.Check5->isEnabled());
    EXPECT_TRUE(f.Check5->isChecked());
    Type(f.Text2, "1");
    Type(f.Text4, "0");
    Type(f.Text5, "1");
    Ok(f);
    ASSERT_NE(Added(), nullptr);
    EXPECT_TRUE(Added()->ShowMax);
}

// ---- Position lists ----

TEST_F(PlaneDialog, PositionListsAddDeleteResetAndRefuseA51st) {
    frmF5& f = OpenNew();
    struct Family {
        QListWidget* list;
        QLineEdit* input;
        QPushButton* add;
        QPushButton* remove;
        QPushButton* reset;
    };
    for (const Family& p : {Family{f.List1, f.Text12, f.Command3, f.Command4, f.Command5},
                            Family{f.List2, f.Text15, f.Command6, f.Command7, f.Command8},
                            Family{f.List3, f.Text16, f.Command11, f.Command10, f.Command9}}) {
        const auto entries = [&] {
            std::vector<std::string> e;
            for (int i = 0; i < p.list->count(); ++i) e.push_back(ToStdString(p.list->item(i)->text()));
            return e;
        };
        // The same text twice, and an empty entry.
        for (const char* text : {"1.5", "1.5", ""}) {
            Type(p.input, text);
            QTest::mouseClick(p.add, Qt::LeftButton);
            EXPECT_EQ(p.input->text(), "");
        }
        EXPECT_EQ(entries(), (std::vector<std::string>{"1.5", "1.5", ""}));
        // Delete without a selection changes nothing; with one, only that entry.
        Type(p.input, "kept");
        QTest::mouseClick(p.remove, Qt::LeftButton);
        EXPECT_EQ(entries().size(), 3u);
        p.list->setCurrentRow(1);
        QTest::mouseClick(p.remove, Qt::LeftButton);
        EXPECT_EQ(entries(), (std::vector<std::string>{"1.5", ""}));
        EXPECT_EQ(p.input->text(), "kept");
        QTest::mouseClick(p.remove, Qt::LeftButton);
        EXPECT_EQ(entries().size(), 2u);
        QTest::mouseClick(p.reset, Qt::LeftButton);
        EXPECT_TRUE(entries().empty());
        EXPECT_EQ(p.input->text(), "");
        // Fifty entries, then the 51st refused.
        for (int i = 1; i <= 50; ++i) {
            SetText(p.input, LongText(i));
            QTest::mouseClick(p.add, Qt::LeftButton);
        }
        box.Clear();
        Type(p.input, "51");
        QTest::mouseClick(p.add, Qt::LeftButton);
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, "位置不能超过50个。");
        EXPECT_EQ(box.Last().title, "注意");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(p.list->count(), 50);
        EXPECT_EQ(p.input->text(), "51");
        box.Clear();
    }
    Type(f.Text2, "x");
    Type(f.Text4, "0");
    Type(f.Text5, "60");
    Type(f.Text12, "");
    Type(f.Text15, "");
    Type(f.Text16, "");
    Ok(f);
    const auto g = Added();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->CurvNum, 50);
    EXPECT_EQ(g->QieNum, 50);
    EXPECT_EQ(g->NmlX(50), 50);
    EXPECT_EQ(g->CurvX(1), 1);
}

// ---- Fill for editing, and OK unchanged ----

TEST_F(PlaneDialog, FillThenOkUnchangedGivesAnEqualGraphWithTheAnalysisKept) {
    struct Case {
        const char* what;
        bool polar;
        bool animated;
        int form;
        std::vector<std::pair<const char*, const char*>> boxes;
        // The edited row and the filled caption, form list text, Label3.
        const char* row;
        const char* label3;
    };
    const std::vector<Case> cases = {
        {"explicit Cartesian with overlays", false, false, 0,
         {{"Text2", "sin(x)"}, {"Text4", "-pi"}, {"Text5", "1/3"}, {"Text6", "123"}},
         "二维曲线  y=sin(x)", "y(x)"},
        {"polar parametric", true, false, 1,
         {{"Text2", "u"}, {"Text3", "cos(u)"}, {"Text4", "0.1"}, {"Text5", "2*pi"}, {"Text6", "77"}},
         "二维曲线  a=u, r=cos(u)", "a(u)"},
        {"implicit", false, false, 2,
         {{"Text2", "x^2+y^2-1"}, {"Text4", "-1/3"}, {"Text5", "pi"}, {"Text10", "-0.1"}, {"Text11", "0.0000001"}},
         "二维曲线  x^2+y^2-1=0", "f(x,y)"},
        {"polar inequality", true, false, 3,
         {{"Text2", "r-1"}, {"Text4", "0"}, {"Text5", "2*pi"}, {"Text10", "0"}, {"Text11", "1/3"}},
         "不等式  r-1<=0", "f(a,r)"},
        {"animated explicit", false, true, 0,
         {{"Text2", "sin(x+t)"}, {"Text4", "-pi"}, {"Text5", "pi"}, {"Text7", "1/3"}, {"Text8", "0.1+2"}},
         "二维曲线  y=sin(x+t)", "y(x,t)"},
        {"animated polar parametric", true, true, 1,
         {{"Text2", "u"}, {"Text3", "t"}, {"Text4", "0"}, {"Text5", "1"}, {"Text7", "0"}, {"Text8", "12345678"}},
         "二维曲线  a=u, r=t", "a(u,t)"},
    };
    FrameCount = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto g = Create(c.polar, c.animated, c.form, [&](frmF5& f) {
            for (auto [name, text] : c.boxes) Type(f.findChild<QLineEdit*>(name), text);
        });
        ASSERT_NE(g, nullptr) << (box.Count() ? box.Last().text : "");
        // Settings the dialog does not show for this graph, as a document may
        // hold them; for the explicit graph, overlays set through the page.
        // (Overlays that differentiate refuse a function of t when sampled.)
        g->ShowMax = !c.animated;
        g->ShowInt = true;
        g->MaxSize = 12;       // beyond the size list
        g->MaxSymbol = 0;      // no marker
        g->InvWidth = 0;       // an older document's width
        g->ShowQie = !c.animated;
        g->QieNum = 2;
        g->QieX(1) = float(1.0 / 3.0);
        g->QieX(2) = 16777216.0f;
        g->IntTo = 0.1f;
        g->LenFrom = -0.000015f;
        g->Show2DCurve = false;
        g->LineWidth = 7;
        g->LineColor = RGB(1, 2, 3);
        g->NameS = "name";
        const std::string record = g->Save();
        const auto samples = g->Vert3D.Exists() ? g->Vert3D.Upper(1) : -1;

        const std::int32_t row = std::int32_t(DocumentScene.FunSurfs.Count()) - 1;
        frmF5& f = OpenEdit(row);
        EXPECT_EQ(ToStdString(f.windowTitle()), "二维函数图形属性");
        EXPECT_EQ(f.AnimationMode(), c.animated);
        EXPECT_EQ(ListIndex(f.Combo3), c.form);
        EXPECT_EQ(ListIndex(f.Combo1), c.polar ? 1 : 0);
        EXPECT_EQ(Caption(f.Label3), c.label3);
        if (c.animated) {
            EXPECT_EQ(f.Text9->text(), "3");
            EXPECT_FALSE(f.Text9->isEnabled());
            for (QWidget* w : f.AnalysisControls()) EXPECT_FALSE(w->isEnabled());
        }
        // Every Single is written as the shortest plain text of its value.
        for (QLineEdit* b : {f.Text4, f.Text5, f.Text7, f.Text10, f.Text11, f.Text13, f.Text14, f.Text17})
            EXPECT_EQ(b->text().indexOf('E'), -1) << ToStdString(b->text());
        EXPECT_FALSE(f.Check3->isChecked());
        Ok(f);
        ASSERT_EQ(box.Count(), 0u) << box.Last().text;
        EXPECT_FALSE(frmF5::Loaded());
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(g->Save(), record);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(row + 1), g);
        EXPECT_EQ(window.rows.at(std::size_t(row)), c.row);
        if (samples >= 0) {
            EXPECT_EQ(g->Vert3D.Upper(1), samples);
        }
    }
    // The values that needed the shortest texts came through exactly.
    const auto first = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(first->MinV, float(-3.1415926));
    EXPECT_EQ(first->MaxV, float(1.0 / 3.0));
    EXPECT_EQ(first->QieX(2), 16777216.0f);
}

TEST_F(PlaneDialog, AnEditFilledFromTheGraphShowsItsSettings) {
    const auto g = Create(true, false, 0, [&](frmF5& f) {
        Type(f.Text2, "1+cos(a)");
        Type(f.Text4, "0");
        Type(f.Text5, "2*pi");
        f.Check5->setChecked(true);
        SelectListIndex(f.Combo7, 5);
        Type(f.Text15, "1.5");
        QTest::mouseClick(f.Command6, Qt::LeftButton);
    });
    ASSERT_NE(g, nullptr);
    frmF5& f = OpenEdit(0);
    EXPECT_EQ(f.Text2->text(), "1+cos(a)");
    EXPECT_EQ(f.Text4->text(), "0");
    EXPECT_EQ(f.Text5->text(), "6.283185");
    EXPECT_EQ(f.Text6->text(), "300");
    EXPECT_EQ(ToStdString(f.Combo3->currentText()), "r=f(a)");
    // The polar subset shows the graph's settings, disabled.
    EXPECT_TRUE(f.Check5->isChecked());
    EXPECT_FALSE(f.Check5->isEnabled());
    EXPECT_EQ(ListIndex(f.Combo7), 5);
    EXPECT_TRUE(f.Check14->isEnabled());
    ASSERT_EQ(f.List2->count(), 1);
    EXPECT_EQ(f.List2->item(0)->text(), "1.5");
    EXPECT_EQ(f.Combo2->currentText(), "1");
    EXPECT_EQ(ListIndex(f.Combo2), 0);
    // Changed and confirmed: the edit label of the new settings.
    Type(f.Text2, "2");
    SelectListIndex(f.Combo1, 0);
    Ok(f);
    EXPECT_EQ(window.rows.at(0), "二维曲线  y=2");
    EXPECT_EQ(g->CoordType, CoordType::PlaneCartesian);
    EXPECT_EQ(g->ExpressY, "x");
    EXPECT_TRUE(g->ShowMax);
    EXPECT_EQ(g->QieNum, 1);
    EXPECT_EQ(window.rebuilds, 1);
}

TEST_F(PlaneDialog, AFailedEditChangesNothing) {
    const auto g = Create(false, false, 0, [&](frmF5& f) {
        Type(f.Text2, "x");
        Type(f.Text4, "0");
        Type(f.Text5, "1");
    });
    ASSERT_NE(g, nullptr);
    const std::string record = g->Save();
    frmF5& f = OpenEdit(0);
    Type(f.Text2, "sin(");
    Ok(f);
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_TRUE(frmF5::Loaded());
    EXPECT_TRUE(IsEditing);
    f.Command2->click();
    EXPECT_EQ(g->Save(), record);
    EXPECT_EQ(window.rows.at(0), "二维曲线  y=x");
}

// ---- The common road of the plane commands ----

TEST_F(PlaneDialog, TheCreationRoadAddsATickedRowOnlyForAnAddedGraph) {
    VisibleScene.RotYaw = 30;
    QTimer::singleShot(0, [] { frmF5::Get().Command2->click(); });
    RunCreationCommand<frmF5>(LabelSource::mnuDraw2DPolar, FlatViewRotation,
                              [](frmF5& f) { f.PrepareNewGraph(true, false); });
    EXPECT_TRUE(window.rows.empty());
    EXPECT_EQ(VisibleScene.RotYaw, 30);

    QTimer::singleShot(0, [] {
        frmF5& f = frmF5::Get();
        f.Text2->setText("1");
        f.Text4->setText("0");
        f.Text5->setText("pi");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    RunCreationCommand<frmF5>(LabelSource::mnuDraw2DPolar, FlatViewRotation,
                              [](frmF5& f) { f.PrepareNewGraph(true, false); });
    ASSERT_EQ(window.rows.size(), 1u);
    EXPECT_EQ(window.rows[0], "二维曲线  r=1");
    EXPECT_EQ(VisibleScene.RotYaw, 0);
}

} // namespace
