// The space function dialog frmF6 as its openers and the edit command open
// it: captions, shown boxes and enabled analysis controls of every
// coordinate system, kind, form and mode; the OK's refusals in their order,
// the graph it builds, and fill -> OK unchanged giving the same graph.
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/special/frmF6.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <string>
#include <utility>
#include <vector>

namespace {

class SpaceDialog : public GraphDialogTest {
protected:
    // The dialog as a creation command prepares it, shown without blocking.
    frmF6& OpenNew(int coordinate, bool animation) {
        DocumentKind = 3;
        IsEditing = false;
        frmF6& f = frmF6::Get();
        f.PrepareNewGraph(coordinate, animation);
        f.show();
        return f;
    }
    // The dialog filled for editing row `row`, shown without blocking.
    frmF6& OpenEdit(std::int32_t row) {
        IsEditing = true;
        window.currentRow = row;
        frmF6& f = frmF6::Get();
        f.FillForEdit(*DocumentScene.FunSurfs.Item(row + 1));
        f.show();
        return f;
    }
    static void Close() {
        if (frmF6::Loaded()) frmF6::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A user's choice of a list entry.
    static void Choose(QComboBox* list, int index) { list->setCurrentIndex(index); }
    static void Type(frmF6& f, const char* box, const std::string& text) {
        auto* b = f.findChild<QLineEdit*>(QString::fromLatin1(box));
        ASSERT_NE(b, nullptr) << box;
        SetText(b, text);
    }
    static std::vector<std::string> Items(const QComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i) items.push_back(ToStdString(list->itemText(i)));
        return items;
    }
    static std::string Caption(const QWidget* w) {
        if (const auto* l = qobject_cast<const QLabel*>(w)) return ToStdString(l->text());
        return ToStdString(qobject_cast<const QAbstractButton*>(w)->text());
    }
    // A surface of the document with its row, as the document holds it.
    std::shared_ptr<Cls9> AddGraph(const std::shared_ptr<Cls9>& g, const std::string& row) {
        g->ID = ++GraphIDCounter;
        EXPECT_TRUE(g->GetPoints());
        DocumentScene.FunSurfs.Add(g, GraphKey(*g));
        VisibleScene.FunSurfs.Add(g, GraphKey(*g));
        window.rows.push_back(row);
        return g;
    }
    std::shared_ptr<Cls9> Newest() { return DocumentScene.FunSurfs.Item(DocumentScene.FunSurfs.Count()); }
};

// The enabling of the twelve analysis controls: all, the tangent and normal
// with both position boxes, with the first ("x") box alone, none.
enum class Analyses { All, TwoValues, OneValue, None };

TEST_F(SpaceDialog, CaptionsBoxesAndEnablingOfEveryCombination) {
    struct Row {
        int kind, form, coordinate;
        std::vector<std::string> expressions; // Label2 (and Label3, Label4 when shown)
        std::vector<std::string> uRow;
        std::vector<std::string> vRow; // empty: hidden
        Analyses analyses;
    };
    const std::vector<std::string> u = {"最小 u", "最大 u", "段数 u"};
    const std::vector<std::string> v = {"最小 v", "最大 v", "段数 v"};
    const Row rows[] = {
        {0, 0, 0, {"z(x,y)"}, {"最小 x[y]", "最大 x[y]", "段数 x[y]"}, {}, Analyses::OneValue},
        {0, 0, 1, {"z(a,r)"}, {"最小 a[r]", "最大 a[r]", "段数 a[r]"}, {}, Analyses::OneValue},
        {0, 0, 2, {"r(a,b)"}, {"最小 a[b]", "最大 a[b]", "段数 a[b]"}, {}, Analyses::OneValue},
        {0, 1, 0, {"x(u)", "y(u)", "z(u)"}, u, {}, Analyses::OneValue},
        {0, 1, 1, {"a(u)", "r(u)", "z(u)"}, u, {}, Analyses::None},
        {0, 1, 2, {"a(u)", "b(u)", "r(u)"}, u, {}, Analyses::None},
        {1, 0, 0, {"z(x,y)"}, {"最小 x", "最大 x", "段数 x"}, {"最小 y", "最大 y", "段数 y"}, Analyses::All},
        {1, 0, 1, {"z(a,r)"}, {"最小 a", "最大 a", "段数 a"}, {"最小 r", "最大 r", "段数 r"}, Analyses::TwoValues},
        {1, 0, 2, {"r(a,b)"}, {"最小 a", "最大 a", "段数 a"}, {"最小 b", "最大 b", "段数 b"}, Analyses::TwoValues},
        {1, 1, 0, {"x(u,v)", "y(u,v)", "z(u,v)"}, u, v, Analyses::None},
        {1, 1, 1, {"a(u,v)", "r(u,v)", "z(u,v)"}, u, v, Analyses::None},
        {1, 1, 2, {"a(u,v)", "b(u,v)", "r(u,v)"}, u, v, Analyses::None},
    };
    // [coordinate][kind][animation]: explicit, parametric.
    const std::vector<std::string> forms[3][2][2] = {
        {{{"z=f(x) or z=f(y)", "x=f1(u),y=f2(u),z=f3(u)"},
          {"z=f(x,t) or z=f(y,t)", "x=f1(u,t),y=f2(u,t),z=f3(u,t)"}},
         {{"z=f(x,y)", "x=f1(u,v),y=f2(u,v),z=f3(u,v)"},
          {"z=f(x,y,t)", "x=f1(u,v,t),y=f2(u,v,t),z=f3(u,v,t)"}}},
        {{{"z=f(a) or z=f(r)", "a=f1(u),r=f2(u),z=f3(u)"},
          {"z=f(a,t) or z=f(r,t)", "a=f1(u,t),r=f2(u,t),z=f3(u,t)"}},
         {{"z=f(a,r)", "a=f1(u,v),r=f2(u,v),z=f3(u,v)"},
          {"z=f(a,r,t)", "a=f1(u,v,t),r=f2(u,v,t),z=f3(u,v,t)"}}},
        {{{"r=f(a) or r=f(b)", "a=f1(u),b=f2(u),r=f3(u)"},
          {"r=f(a,t) or r=f(b,t)", "a=f1(u,t),b=f2(u,t),r=f3(u,t)"}},
         {{"r=f(a,b)", "a=f1(u,v),b=f2(u,v),r=f3(u,v)"},
          {"r=f(a,b,t)", "a=f1(u,v,t),b=f2(u,v,t),r=f3(u,v,t)"}}},
    };
    for (const bool animation : {false, true}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(animation ? "animation" : "plain") + " kind " + std::to_string(r.kind) +
                         " form " + std::to_string(r.form) + " coordinates " + std::to_string(r.coordinate));
            frmF6& f = OpenNew(r.coordinate, animation);
            // The opener leaves the surface chosen, in its explicit form.
            EXPECT_EQ(ToStdString(f.Combo2->currentText()), animation ? "曲面动画" : "曲面");
            EXPECT_EQ(f.Combo3->currentIndex(), 0);
            EXPECT_EQ(Items(f.Combo1), (std::vector<std::string>{"直角坐标", "柱面坐标", "球面坐标"}));
            EXPECT_EQ(Items(f.Combo2), animation ? (std::vector<std::string>{"曲线动画", "曲面动画"})
                                                 : (std::vector<std::string>{"曲线", "曲面"}));
            Choose(f.Combo2, r.kind);
            Choose(f.Combo3, r.form);

            EXPECT_EQ(ToStdString(f.windowTitle()), animation ? "三维函数图形动画属性" : "三维函数图形属性");
            EXPECT_EQ(Items(f.Combo3), forms[r.coordinate][r.kind][animation ? 1 : 0]);
            EXPECT_EQ(f.Combo3->currentIndex(), r.form);
            // Expression captions carry ",t" in animation mode; the ranges do not.
            const auto withT = [animation](std::string caption) {
                if (animation) caption.insert(caption.rfind(')'), ",t");
                return caption;
            };
            const bool parametric = r.form == 1;
            EXPECT_EQ(Caption(f.Label2), withT(r.expressions[0]));
            if (parametric) {
                EXPECT_EQ(Caption(f.Label3), withT(r.expressions[1]));
                EXPECT_EQ(Caption(f.Label4), withT(r.expressions[2]));
            }
            for (QWidget* w : {static_cast<QWidget*>(f.Label3), static_cast<QWidget*>(f.Label4),
                               static_cast<QWidget*>(f.Text3), static_cast<QWidget*>(f.Text4)})
                EXPECT_EQ(IsShown(w), parametric) << ToStdString(w->objectName());
            EXPECT_TRUE(IsShown(f.Text2));
            EXPECT_EQ((std::vector<std::string>{Caption(f.Label17), Caption(f.Label18), Caption(f.Label19)}),
                      r.uRow);
            const bool surface = !r.vRow.empty();
            for (QWidget* w : {static_cast<QWidget*>(f.Label20), static_cast<QWidget*>(f.Label21),
                               static_cast<QWidget*>(f.Label22), static_cast<QWidget*>(f.Text8),
                               static_cast<QWidget*>(f.Text9), static_cast<QWidget*>(f.Text10)})
                EXPECT_EQ(IsShown(w), surface) << ToStdString(w->objectName());
            if (surface) {
                EXPECT_EQ((std::vector<std::string>{Caption(f.Label20), Caption(f.Label21), Caption(f.Label22)}),
                          r.vRow);
            }
            for (QWidget* w : {static_cast<QWidget*>(f.Label8), static_cast<QWidget*>(f.Label9),
                               static_cast<QWidget*>(f.Label10), static_cast<QWidget*>(f.Text11),
                               static_cast<QWidget*>(f.Text12), static_cast<QWidget*>(f.Text13)})
                EXPECT_EQ(IsShown(w), animation) << ToStdString(w->objectName());
            EXPECT_EQ(f.AnimationMode(), animation);
            if (animation) {
                EXPECT_FALSE(f.Text13->isEnabled());
                EXPECT_EQ(TextOf(f.Text13), "10");
            }
            EXPECT_EQ(Caption(f.Check4), r.kind == 0 ? "显示切线" : "显示切平面");
            EXPECT_EQ(Caption(f.Check5), r.kind == 0 ? "显示法平面" : "显示法线");

            const std::vector<QWidget*> oneValue = {f.Check4, f.Check5, f.Text14, f.Text15};
            const std::vector<QWidget*> secondValue = {f.Text16, f.Text17};
            const std::vector<QWidget*> others = {f.Check1, f.Check2, f.Check3, f.Option11, f.Option12, f.Option13};
            for (QWidget* w : oneValue) EXPECT_EQ(w->isEnabled(), r.analyses != Analyses::None) << ToStdString(w->objectName());
            for (QWidget* w : secondValue)
                EXPECT_EQ(w->isEnabled(), r.analyses == Analyses::All || r.analyses == Analyses::TwoValues)
                    << ToStdString(w->objectName());
            for (QWidget* w : others) EXPECT_EQ(w->isEnabled(), r.analyses == Analyses::All) << ToStdString(w->objectName());
            Close();
        }
    }
}

TEST_F(SpaceDialog, LoadedDefaultsAndSwitchesThatKeepTheFormAndTheTexts) {
    frmF6& fresh = frmF6::Get();
    // Before an opener: no list selected, the Cartesian surface's forms.
    EXPECT_EQ(fresh.Combo1->currentIndex(), -1);
    EXPECT_EQ(fresh.Combo2->count(), 0);
    EXPECT_EQ(fresh.Combo1->placeholderText(), "Combo1");
    EXPECT_EQ(fresh.Combo2->placeholderText(), "Combo2");
    EXPECT_EQ(ToStdString(fresh.Combo3->currentText()), "z=f(x,y)");
    EXPECT_EQ(ListIndex(fresh.Combo3), -1);
    EXPECT_EQ(TextOf(fresh.Text1), "Untitled");
    EXPECT_EQ(TextOf(fresh.Text7), "40");
    EXPECT_EQ(TextOf(fresh.Text10), "40");
    EXPECT_EQ(ToStdString(fresh.Text7->toolTip()), "Recommended Value: 30 - 60");
    EXPECT_EQ(ToStdString(fresh.Label22->toolTip()), "Recommended Value: 30 - 60");
    EXPECT_EQ(fresh.SSTab1->count(), 10);
    EXPECT_EQ(ToStdString(fresh.SSTab1->tabText(9)), "透明性");
    EXPECT_EQ(fresh.SSTab1->currentIndex(), 0);
    EXPECT_TRUE(fresh.Option2->isChecked());
    EXPECT_TRUE(fresh.Option7->isChecked());
    EXPECT_TRUE(fresh.Option10->isChecked());
    EXPECT_TRUE(fresh.Option11->isChecked());
    EXPECT_TRUE(fresh.Option15->isChecked());
    EXPECT_EQ(fresh.Picture2->Color(), 255);
    EXPECT_EQ(fresh.Picture3->Color(), 0xFF0000);
    EXPECT_EQ(fresh.Picture4->Color(), 255);
    EXPECT_EQ(fresh.List1->currentRow(), 3);
    EXPECT_EQ(frmF6::Values().Material, 4);
    EXPECT_EQ(fresh.Slider1->minimum(), 0);
    EXPECT_EQ(fresh.Slider1->maximum(), 10);
    EXPECT_EQ(fresh.Slider1->value(), 0);
    Close();

    frmF6& f = OpenNew(0, false);
    Choose(f.Combo3, 1);
    SetText(f.Text3, "sin(u)");
    SetText(f.Text4, "v");
    // Another coordinate system or kind keeps the parametric form.
    Choose(f.Combo1, 2);
    EXPECT_EQ(f.Combo3->currentIndex(), 1);
    EXPECT_EQ(Caption(f.Label3), "b(u,v)");
    Choose(f.Combo2, 0);
    EXPECT_EQ(f.Combo3->currentIndex(), 1);
    EXPECT_EQ(Caption(f.Label4), "r(u)");
    // The explicit form hides the two boxes and keeps their texts.
    Choose(f.Combo3, 0);
    EXPECT_FALSE(IsShown(f.Text3));
    EXPECT_EQ(Caption(f.Label4), "r(u)");
    Choose(f.Combo3, 1);
    EXPECT_TRUE(IsShown(f.Text3));
    EXPECT_EQ(TextOf(f.Text3), "sin(u)");
    EXPECT_EQ(TextOf(f.Text4), "v");
    // Typing in the form list selects no form: the OK takes the first (explicit).
    f.Combo3->setEditText("x");
    EXPECT_EQ(ListIndex(f.Combo3), -1);
    SetText(f.Text2, "u");
    Click(&f, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(Newest()->FunForm, FunForm::Explicit);
    EXPECT_EQ(Newest()->ExpressX, "a");
    EXPECT_EQ(Newest()->ExpressY, "b");
    EXPECT_EQ(Newest()->ExpressZ, "u");

    // Cancel unloads and changes nothing, IsEditing included.
    frmF6& g = OpenNew(1, false);
    IsEditing = true;
    Click(&g, "Command2");
    EXPECT_FALSE(frmF6::Loaded());
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
}

TEST_F(SpaceDialog, RefusalsInTheirOrder) {
    struct Case {
        const char* what;
        bool animation;
        int kind, form;
        std::vector<std::pair<const char*, const char*>> boxes;
        const char* title;
        const char* message;
        std::int32_t documentKind; // DocumentKind afterwards (1 before)
    };
    const Case cases[] = {
        {"filter before all", false, 1, 0, {{"Text2", "x#y"}, {"Text7", ""}}, "出错", "存在非法数据。", 1},
        {"a disabled position box is filtered", false, 0, 0, {{"Text17", "#"}}, "出错", "存在非法数据。", 1},
        {"the t count before the empty check", true, 1, 0, {{"Text13", ""}, {"Text7", ""}}, "注意",
         "段数t必须大于1。", 1},
        {"a t count below 1", true, 0, 1, {{"Text13", "0.9"}}, "注意", "段数t必须大于1。", 1},
        {"a t count beyond 32 bits", true, 0, 0, {{"Text13", "1E20"}}, "注意", "段数t必须大于1。", 1},
        {"empty count", false, 1, 0, {{"Text7", ""}, {"Text10", "0"}}, "注意", "请输入所有参数。", 3},
        {"blanks become empty", false, 1, 0, {{"Text5", "  "}}, "注意", "请输入所有参数。", 3},
        {"parametric third box", false, 0, 1, {{"Text4", "  "}, {"Text7", "0"}}, "注意", "请输入所有参数。", 3},
        {"empty animation t bound", true, 1, 1, {{"Text12", "   "}}, "注意", "请输入所有参数。", 3},
        {"first count, explicit", false, 1, 0, {{"Text7", "0.9"}, {"Text10", "0"}}, "注意",
         "段数 x,y,a,r或b必须大于1。", 3},
        {"first count beyond 32 bits", false, 0, 0, {{"Text7", "3E9"}}, "注意", "段数 x,y,a,r或b必须大于1。", 3},
        {"first count, parametric", false, 1, 1, {{"Text7", "abc"}}, "注意", "段数u必须大于1。", 3},
        {"second count, explicit", true, 1, 0, {{"Text10", "0.5"}, {"Text5", "2"}}, "注意",
         "段数y(或r,b)必须大于1。", 3},
        {"second count, parametric", false, 1, 1, {{"Text10", "1E20"}}, "注意", "段数v必须大于1。", 3},
        {"second range", false, 1, 0, {{"Text8", "2"}}, "注意", "最小值必须小于最大值。", 3},
        {"first range", false, 0, 1, {{"Text5", "2*pi"}, {"Text6", "6"}}, "注意", "最小值必须小于最大值。", 3},
        {"both ranges: one message", false, 1, 1, {{"Text8", "2"}, {"Text5", "2"}}, "注意",
         "最小值必须小于最大值。", 3},
        {"t range", true, 0, 0, {{"Text11", "2"}}, "注意", "最小t必须小于最大t。", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        box.Clear();
        window.playbackOn = false;
        frmF6& f = OpenNew(0, c.animation);
        Choose(f.Combo2, c.kind);
        Choose(f.Combo3, c.form);
        DocumentKind = 1;
        const bool parametric = c.form == 1;
        Type(f, "Text2", parametric ? "cos(u)" : "x*y");
        Type(f, "Text3", "sin(u)");
        Type(f, "Text4", "v");
        for (const auto& [name, text] : std::vector<std::pair<const char*, const char*>>{
                 {"Text5", "-1"}, {"Text6", "1"}, {"Text7", "4"}, {"Text8", "-1"}, {"Text9", "1"},
                 {"Text10", "4"}, {"Text11", "0"}, {"Text12", "1"}})
            Type(f, name, text);
        for (const auto& [name, text] : c.boxes) Type(f, name, text);
        Click(&f, "Command1");
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().title, c.title);
        EXPECT_EQ(box.Last().text, c.message);
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(DocumentKind, c.documentKind);
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
        EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
        EXPECT_TRUE(frmF6::Loaded());
        // The playback commands are on once the t range is read, refused or not.
        EXPECT_EQ(window.playbackOn, std::string(c.message) == "最小t必须小于最大t。");
        Close();
    }
}

TEST_F(SpaceDialog, NewSurfaceFromTheDefaults) {
    frmF6& f = OpenNew(0, false);
    SetText(f.Text1, " S ");
    SetText(f.Text2, "x * y");
    SetText(f.Text5, "-1");
    SetText(f.Text6, "1");
    SetText(f.Text7, "20");
    SetText(f.Text8, "-1");
    SetText(f.Text9, "1");
    SetText(f.Text10, "20");
    Click(&f, "Command1");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF6::Loaded());
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const Cls9& g = *Newest();
    EXPECT_EQ(VisibleScene.FunSurfs.Item(1).get(), &g);
    EXPECT_EQ(g.ID, 1);
    EXPECT_EQ(g.NameS, " S ");
    EXPECT_EQ(g.GraphType, GraphType::Surface3D);
    EXPECT_EQ(g.CoordType, CoordType::Cartesian);
    EXPECT_EQ(g.FunForm, FunForm::Explicit);
    EXPECT_EQ(g.ExpressX, "x");
    EXPECT_EQ(g.ExpressY, "y");
    EXPECT_EQ(g.ExpressZ, "x*y");
    EXPECT_EQ(g.StepU, 20);
    EXPECT_EQ(g.StepV, 20);
    EXPECT_EQ(g.MinU, -1);
    EXPECT_EQ(g.MaxU, 1);
    EXPECT_EQ(g.MinV, -1);
    EXPECT_EQ(g.MaxV, 1);
    EXPECT_EQ(g.FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(g.FirstColor, 255);
    EXPECT_EQ(g.SecondColor, 0xFF0000);
    EXPECT_EQ(g.LineColor, 0);
    EXPECT_EQ(g.LineWidth, 0);
    EXPECT_EQ(g.Material, Material::Metal);
    EXPECT_EQ(g.Show, Show::FilledSurface);
    EXPECT_EQ(g.Smoothness, Smoothness::Smooth);
    EXPECT_FALSE(g.ShowTex);
    EXPECT_EQ(g.TexName, "");
    EXPECT_EQ(g.TexMode, TexMode::Replace);
    EXPECT_FALSE(g.ShowTrans);
    EXPECT_FALSE(g.ShowColormap);
    EXPECT_FALSE(g.ShowContour);
    EXPECT_EQ(g.ContourLevel, 0);
    EXPECT_FALSE(g.ShowVector);
    EXPECT_TRUE(g.ShowSurface);
    EXPECT_FALSE(g.ShowSurPX);
    EXPECT_FALSE(g.ShowSurPY);
    EXPECT_FALSE(g.ShowTangent);
    EXPECT_EQ(g.TangentNum, 0);
    EXPECT_FALSE(g.ShowNormal);
    EXPECT_FALSE(g.Animation);
    // Sampled: z = x * y at the corner (x = 1, y = 1) is drawn at height 1.
    ASSERT_EQ(g.Vert3D.Upper(0), 20);
    ASSERT_EQ(g.Vert3D.Upper(1), 20);
    EXPECT_FLOAT_EQ(g.Vert3D(20, 20).y, 1);
    EXPECT_EQ(DocumentKind, 3);
    EXPECT_FALSE(IsEditing);
    // The command adds the row, not the OK.
    EXPECT_TRUE(window.rows.empty());
    EXPECT_FALSE(window.playbackOn);
}

TEST_F(SpaceDialog, TicksOptionsPositionsTextureAndTransparencyReachTheGraph) {
    frmF6& f = OpenNew(0, false);
    SetText(f.Text2, "x+y");
    SetText(f.Text7, "40.5");  // 40: a half goes to the even neighbour
    SetText(f.Text10, "41.5"); // 42
    f.Check2->setChecked(true);
    f.Option12->setChecked(true);
    f.Option14->setChecked(true);
    f.Check4->setChecked(true);
    SetText(f.Text14, "2*pi");
    SetText(f.Text16, "  "); // empty after filtering: 0 without evaluation
    f.Check5->setChecked(true);
    SetText(f.Text15, "log(-1)"); // a failure evaluates to the undefined value
    SetText(f.Text17, "1,5");
    f.Check6->setChecked(true);
    f.Check7->setChecked(true);
    f.Slider1->setValue(10);
    f.Option4->setChecked(true);
    colors.Choose(RGB(1, 2, 3));
    f.Picture4->clicked();
    Click(&f, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const Cls9& g = *Newest();
    EXPECT_EQ(g.StepU, 40);
    EXPECT_EQ(g.StepV, 42);
    EXPECT_TRUE(g.ShowContour);
    EXPECT_EQ(g.ContourLevel, 10);
    EXPECT_FALSE(g.ShowSurface);
    EXPECT_TRUE(g.ShowSurPX);
    EXPECT_EQ(g.TexMode, TexMode::Blend);
    EXPECT_TRUE(g.ShowTangent);
    EXPECT_EQ(g.TangentNum, 1);
    EXPECT_FLOAT_EQ(g.TangentX(1), 6.2831852f);
    EXPECT_EQ(g.TangentY(1), 0);
    EXPECT_TRUE(g.ShowNormal);
    EXPECT_EQ(g.NormalNum, 1);
    EXPECT_EQ(g.NormalX(1), UndefinedValue);
    EXPECT_EQ(g.NormalY(1), 1.5f);
    // An empty texture name is stored as one blank.
    EXPECT_TRUE(g.ShowTex);
    EXPECT_EQ(g.TexName, " ");
    EXPECT_TRUE(g.ShowTrans);
    EXPECT_EQ(g.TransAlpha, 1.0f);
    // One colour: the second from its box, the first the window's.
    EXPECT_EQ(g.FillStyle, FillStyle::OneColor);
    EXPECT_EQ(g.SecondColor, RGB(1, 2, 3));
    EXPECT_EQ(g.FirstColor, 255);

    // A tick set while enabled reaches a curve that disables it; a count of 1
    // passes, a curve's StepV is 1 whatever the v box holds, and a count
    // followed by letters reads as its number.
    frmF6& c = OpenNew(0, false);
    c.Check2->setChecked(true);
    c.Check6->setChecked(true);
    SetText(c.Text18, "tex.bmp");
    Choose(c.Combo1, 1);
    Choose(c.Combo2, 0);
    EXPECT_FALSE(c.Check2->isEnabled());
    SetText(c.Text2, "a");
    SetText(c.Text7, "40abc");
    SetText(c.Text10, "0");
    Click(&c, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    const Cls9& curve = *Newest();
    EXPECT_EQ(curve.GraphType, GraphType::Curve3D);
    EXPECT_EQ(curve.CoordType, CoordType::Cylindrical);
    EXPECT_EQ(curve.ExpressX, "a");
    EXPECT_EQ(curve.ExpressY, "r");
    EXPECT_TRUE(curve.ShowContour);
    EXPECT_EQ(curve.StepU, 40);
    EXPECT_EQ(curve.StepV, 1);
    EXPECT_EQ(curve.MinV, 0);
    EXPECT_EQ(curve.MaxV, 0);
    EXPECT_EQ(curve.TexName, "tex.bmp");
    // The gradient of this OK took the two boxes; the window keeps them.
    EXPECT_EQ(curve.FirstColor, 255);
    EXPECT_EQ(curve.SecondColor, 0xFF0000);
    EXPECT_EQ(curve.TransAlpha, 0);

    // A position box that does not compile ends the OK after the compiler's
    // message; nothing is added.
    box.Clear();
    frmF6& p = OpenNew(0, false);
    p.Check5->setChecked(true);
    SetText(p.Text17, "1+");
    Click(&p, "Command1");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_TRUE(frmF6::Loaded());
    // Unticked, the same box is filtered but never evaluated.
    p.Check5->setChecked(false);
    Click(&p, "Command1");
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 3);
}

TEST_F(SpaceDialog, CylindricalAndSphericalSurfacesTakeBothVariablesOfTheirPositions) {
    // A point of z(a,r) or r(a,b) needs both variables: the user types both
    // boxes of each position (a disabled box would take no keys).
    for (const int coordinate : {1, 2}) {
        SCOPED_TRACE(coordinate);
        frmF6& f = OpenNew(coordinate, false);
        TypeKeys(f.Text2, "2");
        QTest::mouseClick(f.Check4, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(f.Check5, Qt::LeftButton, {}, QPoint(5, 5));
        TypeKeys(f.Text14, "1");
        TypeKeys(f.Text16, "pi/4");
        TypeKeys(f.Text15, "0.5");
        TypeKeys(f.Text17, "1.5");
        Click(&f, "Command1");
        ASSERT_FALSE(frmF6::Loaded());
        const Cls9& g = *Newest();
        EXPECT_EQ(g.CoordType, coordinate + 3);
        EXPECT_TRUE(g.ShowTangent && g.ShowNormal);
        EXPECT_EQ(g.TangentX(1), 1);
        EXPECT_FLOAT_EQ(g.TangentY(1), 0.785398f);
        EXPECT_EQ(g.NormalX(1), 0.5f);
        EXPECT_EQ(g.NormalY(1), 1.5f);
    }
}

TEST_F(SpaceDialog, ColourBoxesMaterialAndTextureBrowse) {
    RecordingFileDialog files;
    frmF6& f = OpenNew(0, false);
    colors.Choose(RGB(10, 20, 30));
    f.Picture2->clicked();
    colors.Choose(RGB(40, 50, 60));
    f.Picture3->clicked();
    colors.Cancel();
    f.Picture3->clicked();
    EXPECT_EQ(f.Picture3->Color(), RGB(40, 50, 60));
    EXPECT_EQ(frmF6::Values().FirstColor, RGB(10, 20, 30));
    EXPECT_EQ(frmF6::Values().SecondColor, RGB(40, 50, 60));
    f.List1->setCurrentRow(12);
    EXPECT_EQ(frmF6::Values().Material, 13);

    files.Choose("/pictures/wood.jpg");
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].kind, FileDialogKind::Open);
    EXPECT_EQ(files.requests[0].title, "打开");
    EXPECT_EQ(files.requests[0].filter, "(*.bmp)|*.bmp|*.jpg|*.jpg|*.gif|*.gif");
    EXPECT_EQ(files.requests[0].filterIndex, 1);
    EXPECT_EQ(files.requests[0].fileName, "");
    EXPECT_EQ(TextOf(f.Text18), "/pictures/wood.jpg");
    EXPECT_FALSE(f.Check6->isChecked());
    // A cancelled browse keeps the name.
    files.Cancel();
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    EXPECT_EQ(TextOf(f.Text18), "/pictures/wood.jpg");

    Click(&f, "Command1");
    const Cls9& g = *Newest();
    EXPECT_EQ(g.FirstColor, RGB(10, 20, 30));
    EXPECT_EQ(g.SecondColor, RGB(40, 50, 60));
    EXPECT_EQ(g.Material, 13);
    EXPECT_FALSE(g.ShowTex);
    EXPECT_EQ(g.TexName, "");

    // The next loading starts from the defaults again.
    frmF6& again = OpenNew(0, false);
    EXPECT_EQ(frmF6::Values().FirstColor, 255);
    EXPECT_EQ(frmF6::Values().SecondColor, 0xFF0000);
    EXPECT_EQ(frmF6::Values().Material, 4);
    EXPECT_EQ(again.Picture2->Color(), 255);
}

// Fill, then OK without a change: the same graph (its whole record) and the
// row label of the dialog's table.
TEST_F(SpaceDialog, FillThenOkUnchangedGivesTheSameGraph) {
    struct Case {
        const char* what;
        int coordinate;
        bool animation;
        int kind, form;
        std::vector<std::pair<const char*, const char*>> boxes;
        void (*settings)(frmF6&);
        const char* label;
    };
    const Case cases[] = {
        {"surface", 0, false, 1, 0,
         {{"Text2", "sin(x)*cos(y)"}, {"Text5", "-pi"}, {"Text6", "pi"}, {"Text7", "24"}, {"Text8", "0.1"},
          {"Text9", "1/3"}, {"Text10", "15"}, {"Text14", "0.5"}, {"Text16", "-0.2"}, {"Text15", "1/3"},
          {"Text17", "pi/4"}, {"Text18", "wood.bmp"}},
         [](frmF6& f) {
             f.Check1->setChecked(true);
             f.Check2->setChecked(true);
             f.Check4->setChecked(true);
             f.Check5->setChecked(true);
             f.Check6->setChecked(true);
             f.Check7->setChecked(true);
             f.Slider1->setValue(3);
             f.Option13->setChecked(true);
             f.Option3->setChecked(true);
             f.Option6->setChecked(true);
             f.Option8->setChecked(true);
             f.List1->setCurrentRow(0);
         },
         "三维曲面  z=sin(x)*cos(y)"},
        {"curve", 2, false, 0, 1,
         {{"Text2", "u"}, {"Text3", "pi/3"}, {"Text4", "2"}, {"Text5", "0"}, {"Text6", "2*pi"}, {"Text7", "64"}},
         [](frmF6& f) {
             f.Option4->setChecked(true);
             f.Option14->setChecked(true);
         },
         "三维曲线  a=u, b=pi/3, r=2"},
        {"surface animation", 1, true, 1, 1,
         {{"Text2", "u"}, {"Text3", "v+t"}, {"Text4", "u*v"}, {"Text5", "0"}, {"Text6", "pi"}, {"Text7", "8"},
          {"Text8", "0.1"}, {"Text9", "2"}, {"Text10", "6"}, {"Text11", "-1/3"}, {"Text12", "pi"}},
         [](frmF6& f) { f.Option5->setChecked(true); },
         "三维曲面动画  a=u, r=v+t, z=u*v"},
        {"curve animation", 0, true, 0, 0,
         {{"Text2", "sin(x+t)"}, {"Text5", "-1"}, {"Text6", "0.1"}, {"Text7", "30"}, {"Text11", "0"},
          {"Text12", "2*pi"}, {"Text14", "0.25"}},
         [](frmF6& f) { f.Check4->setChecked(true); },
         "三维曲线动画  z=sin(x+t)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        window.rows.clear();
        window.rebuilds = 0;
        // Another graph first, so that the edited row is not the first.
        frmF6& first = OpenNew(0, false);
        Click(&first, "Command1");
        window.rows.push_back("first");
        frmF6& f = OpenNew(c.coordinate, c.animation);
        Choose(f.Combo2, c.kind);
        Choose(f.Combo3, c.form);
        for (const auto& [name, text] : c.boxes) Type(f, name, text);
        c.settings(f);
        Click(&f, "Command1");
        ASSERT_EQ(box.Count(), 0u);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        window.rows.push_back("old");
        const std::shared_ptr<Cls9> g = Newest();
        const std::string before = g->Save();

        frmF6& e = OpenEdit(1);
        EXPECT_EQ(ToStdString(e.windowTitle()), c.animation ? "三维函数图形动画属性" : "三维函数图形属性");
        EXPECT_EQ(e.Combo1->currentIndex(), c.coordinate);
        EXPECT_EQ(e.Combo2->currentIndex(), c.kind);
        EXPECT_EQ(e.Combo3->currentIndex(), c.form);
        Click(&e, "Command1");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF6::Loaded());
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(2), g);
        EXPECT_EQ(g->Save(), before);
        EXPECT_EQ(window.rows[1], c.label);
        EXPECT_EQ(window.rows[0], "first");
        EXPECT_EQ(window.rebuilds, 1);
        Close();
    }
}

// What the dialog does not show of a graph (line colour and width, the
// contour level, further tangent positions, the texture and transparency
// behind unticked boxes, odd options) survives an edit.
TEST_F(SpaceDialog, AnEditKeepsWhatTheDialogDoesNotShow) {
    auto g = Cls9::Init(0, "doc", GraphType::Surface3D, CoordType::Spherical, "a", "b", "2", 12, 10, 0,
                        6.2831855f, 0, 3.1415927f, FillStyle::LeftToRight, RGB(1, 1, 1), RGB(2, 2, 2),
                        RGB(3, 3, 3), 2, Material::Winter, Show::Wireframe, Smoothness::Smoother, true, false,
                        false, 7);
    g->FunForm = FunForm::Explicit;
    g->ShowTangent = true;
    g->TangentNum = 3;
    g->TangentX(1) = 0.1f;
    g->TangentX(2) = 0.2f;
    g->TangentX(3) = 0.3f;
    g->TexName = "t.bmp";
    g->TransAlpha = 0.35f;
    g->TexMode = 0;
    AddGraph(g, "doc row");
    const std::string before = g->Save();
    frmF6& e = OpenEdit(0);
    EXPECT_EQ(TextOf(e.Text6), "6.2831855");
    EXPECT_EQ(TextOf(e.Text9), "3.1415927");
    EXPECT_FALSE(e.Option14->isChecked());
    EXPECT_FALSE(e.Option15->isChecked());
    EXPECT_EQ(TextOf(e.Text18), "t.bmp");
    Click(&e, "Command1");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(g->Save(), before);
    EXPECT_EQ(window.rows[0], "三维曲面  r=2");

    // What the dialog shows is what the graph takes.
    frmF6& again = OpenEdit(0);
    again.Check6->setChecked(true);
    again.Check2->setChecked(false);
    Choose(again.Combo1, 1);
    Click(&again, "Command1");
    EXPECT_TRUE(g->ShowTex);
    EXPECT_EQ(g->TexName, "t.bmp");
    EXPECT_FALSE(g->ShowContour);
    EXPECT_EQ(g->CoordType, CoordType::Cylindrical);
    EXPECT_EQ(g->ExpressX, "a");
    EXPECT_EQ(g->ExpressY, "r");
    EXPECT_EQ(window.rows[0], "三维曲面  z=2");

    // A refused edit changes nothing.
    const std::string edited = g->Save();
    frmF6& refused = OpenEdit(0);
    SetText(refused.Text7, "0");
    Click(&refused, "Command1");
    EXPECT_EQ(box.Last().text, "段数 x,y,a,r或b必须大于1。");
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(g->Save(), edited);
}

} // namespace
