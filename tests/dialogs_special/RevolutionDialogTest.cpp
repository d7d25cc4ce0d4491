// The surface of revolution dialog frmF24: its defaults and the graph of an
// untouched OK, the typed texts that are refused (in their order, with their
// messages) or read, the colour, texture and transparency pages, and
// fill -> OK unchanged giving the same graph.
#include "core/FileDialogService.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF24.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <string>

namespace {

class RevolutionDialog : public SpecialDialogTest {
protected:
    // The graph an OK with these texts builds, as sampled.
    static std::shared_ptr<Cls9> Expected(std::int32_t type, const std::string& f, std::int32_t segments, float minX,
                                          float maxX) {
        auto g = Cls9::Init(1, "Untitled", type, CoordType::PlaneCartesian, "0", "x", f, 0, segments, 0, 0, minX,
                            maxX, FillStyle::TopToBottom, 255, 0xFF0000, 0, 0, Material::Metal,
                            Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        g->TexMode = TexMode::Replace;
        // The sampling counts at least one segment of u.
        g->StepU = 1;
        return g;
    }
};

TEST_F(RevolutionDialog, DefaultsAndTheGraphOfAnOk) {
    DocumentKind = 1;
    frmF24& f = OpenNew<frmF24>();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("旋转曲面"));
    ASSERT_EQ(f.SSTab1->count(), 6);
    const char* const tabs[] = {"函数", "颜色", "材质", "外观", "纹理", "透明性"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f.SSTab1->tabText(i), QString::fromUtf8(tabs[i]));
    EXPECT_EQ(f.SSTab1->currentIndex(), 0);
    EXPECT_EQ(Shown(&f, "Text1"), "Untitled");
    EXPECT_EQ(Shown(&f, "Text7"), "40");
    EXPECT_EQ(f.Text7->toolTip(), "Recommended Value: 30 - 60");
    EXPECT_EQ(f.Label12->toolTip(), "Recommended Value: 30 - 60");
    EXPECT_TRUE(f.Option11->isChecked());
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_EQ(f.Picture2->Color(), 255);
    EXPECT_EQ(f.Picture3->Color(), 0xFF0000);
    EXPECT_EQ(f.Picture4->Color(), 255);
    EXPECT_EQ(f.List1->count(), 13);
    EXPECT_EQ(f.List1->currentRow(), 3);
    EXPECT_TRUE(f.Option7->isChecked());
    EXPECT_TRUE(f.Option10->isChecked());
    EXPECT_EQ(f.Frame2->title(), QString::fromUtf8("平滑程度"));
    EXPECT_FALSE(f.Check5->isChecked());
    EXPECT_TRUE(f.Option14->isChecked());
    EXPECT_FALSE(f.Check6->isChecked());
    EXPECT_EQ(f.Slider1->value(), 0);

    Type(&f, {{"Text2", "sin(x)"}, {"Text5", "0"}, {"Text6", "2*pi"}});
    Click(&f, "Command1");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF24::Loaded());
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(DocumentKind, 3);
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Save(), Expected(GraphType::RevolutionX, "sin(x)", 40, 0, 6.2831852f)->Save());
    EXPECT_EQ(g->TexName, "");
    EXPECT_FALSE(g->ShowTrans);
    // Both scenes hold it; the opener adds the row.
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 1);
    EXPECT_TRUE(window.rows.empty());
}

TEST_F(RevolutionDialog, TypedTextsAreRefusedInTheirOrderOrRead) {
    struct Case {
        Typed typed;
        const char* message; // "title|text" (its beginning), or "" for an accepted graph
        std::int32_t kindAfter = 3;
        std::int32_t segments = 40;
        float minX = 0, maxX = 1;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"Text7", "2.5"}}, "", 3, 2},
        {{{"Text7", "3.5"}}, "", 3, 4},
        {{{"Text7", "1e2"}}, "", 3, 100},
        // A lower bound above the upper one is taken as it is.
        {{{"Text5", "3"}, {"Text6", "-1"}}, "", 3, 40, 3, -1},
        {{{"Text5", "-2*pi"}, {"Text6", "pi/2"}}, "", 3, 40, -6.2831852f, 1.5707963f},
        // Every box but the name is needed.
        {{{"Text2", ""}}, "注意|请输入所有参数。", 1},
        {{{"Text5", ""}, {"Text2", "#"}}, "注意|请输入所有参数。", 1},
        {{{"Text7", ""}}, "注意|请输入所有参数。", 1},
        // The filters in their order: the function has its own message.
        {{{"Text2", "x#"}, {"Text5", "#"}, {"Text7", "a"}}, "出错|存在非法表达式。", 1},
        {{{"Text6", "#"}, {"Text7", "a"}}, "出错|存在非法数据。", 1},
        {{{"Text5", "$"}}, "出错|存在非法数据。", 1},
        {{{"Text7", "a"}}, "出错|存在非法数据。", 1},
        // The segment count, before the document changes.
        {{{"Text7", "0"}}, "注意|段数x必须大于1。", 1},
        {{{"Text7", "0.4"}}, "注意|段数x必须大于1。", 1},
        {{{"Text7", "-3"}}, "注意|段数x必须大于1。", 1},
        {{{"Text7", "3e9"}}, "注意|段数x必须大于1。", 1},
        // A bound that does not compile: the compiler's message, the document already a space one.
        {{{"Text6", "1+"}}, "语法错误|", 3},
        // A function that does not compile: the sampling's message, the graph taken out again.
        {{{"Text2", "sin(x"}}, "语法错误|", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Trace(c.typed));
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 1;
        frmF24& f = OpenNew<frmF24>();
        Type(&f, {{"Text2", "x"}, {"Text5", "0"}, {"Text6", "1"}});
        Type(&f, c.typed);
        Click(&f, "Command1");
        const auto g = OkOutcome<frmF24>(c.message);
        EXPECT_EQ(DocumentKind, c.kindAfter);
        if (g) {
            EXPECT_EQ(g->StepV, c.segments);
            EXPECT_EQ(g->MinV, c.minX);
            EXPECT_EQ(g->MaxV, c.maxX);
        }
        Settle();
    }
}

TEST_F(RevolutionDialog, AFunctionThatDoesNotCompileUsesUpItsId) {
    frmF24& f = OpenNew<frmF24>();
    Type(&f, {{"Text2", "sin(x"}, {"Text5", "0"}, {"Text6", "1"}});
    Click(&f, "Command1");
    EXPECT_EQ(box.Last().title, "语法错误");
    EXPECT_TRUE(frmF24::Loaded());
    EXPECT_EQ(Shown(&f, "Text2"), "sin(x");
    // Mended and confirmed: the next ID.
    Type(&f, {{"Text2", "sin(x)"}, {"Text1", ""}});
    Click(&f, "Command1");
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ID, 2);
    EXPECT_EQ(g->NameS, "");
}

TEST_F(RevolutionDialog, ColoursTextureAndTransparencyReachTheGraph) {
    RecordingFileDialog files;
    frmF24& f = OpenNew<frmF24>();
    Type(&f, {{"Text2", "x^2"}, {"Text5", "0"}, {"Text6", "1"}});
    // A colour picked for the single-colour box is not used by a gradient.
    colors.Choose(RGB(0, 200, 0));
    QTest::mouseClick(f.Picture4, Qt::LeftButton);
    EXPECT_EQ(f.Picture4->Color(), RGB(0, 200, 0));
    f.Option1->setChecked(true);
    // The texture: a chosen picture; a cancelled browse keeps it.
    files.Choose("/pictures/wood.bmp");
    Click(&f, "Command3");
    files.Cancel();
    Click(&f, "Command3");
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[0].kind, FileDialogKind::Open);
    EXPECT_EQ(files.requests[0].title, "打开");
    EXPECT_EQ(files.requests[0].filter, "(*.bmp)|*.bmp|*.jpg|*.jpg|*.gif|*.gif");
    EXPECT_EQ(files.requests[0].filterIndex, 1);
    EXPECT_EQ(Shown(&f, "Text3"), "/pictures/wood.bmp");
    f.Check5->setChecked(true);
    f.Option13->setChecked(true);
    f.Check6->setChecked(true);
    f.Slider1->setValue(7);
    f.Option12->setChecked(true);
    f.List1->setCurrentRow(0);
    f.Option6->setChecked(true);
    f.Option8->setChecked(true);
    Click(&f, "Command1");
    ASSERT_EQ(box.Count(), 0u);
    auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->GraphType, GraphType::RevolutionY);
    EXPECT_EQ(g->FillStyle, FillStyle::LeftToRight);
    EXPECT_EQ(g->FirstColor, 255);
    EXPECT_EQ(g->SecondColor, 0xFF0000);
    EXPECT_TRUE(g->ShowTex);
    EXPECT_EQ(g->TexName, "/pictures/wood.bmp");
    EXPECT_EQ(g->TexMode, TexMode::Blend);
    EXPECT_TRUE(g->ShowTrans);
    EXPECT_EQ(g->TransAlpha, 0.7f);
    EXPECT_EQ(g->Material, 1);
    EXPECT_EQ(g->Show, Show::Wireframe);
    EXPECT_EQ(g->Smoothness, Smoothness::Faceted);

    // One colour: the second colour from "单色", the first the window's value
    // (a colour picked for "颜色1" before); the texture ticked over an empty
    // box is one blank; a path behind an unticked box is not read.
    frmF24& h = OpenNew<frmF24>();
    Type(&h, {{"Text2", "x"}, {"Text5", "0"}, {"Text6", "1"}, {"Text3", ""}});
    colors.Choose(RGB(9, 8, 7));
    QTest::mouseClick(h.Picture2, Qt::LeftButton);
    colors.Choose(RGB(1, 2, 3));
    QTest::mouseClick(h.Picture4, Qt::LeftButton);
    h.Option4->setChecked(true);
    h.Check5->setChecked(true);
    Click(&h, "Command1");
    g = DocumentScene.FunSurfs.Item(2);
    EXPECT_EQ(g->FillStyle, FillStyle::OneColor);
    EXPECT_EQ(g->FirstColor, RGB(9, 8, 7));
    EXPECT_EQ(g->SecondColor, RGB(1, 2, 3));
    EXPECT_EQ(g->TexName, " ");
    EXPECT_FALSE(g->ShowTrans);
    EXPECT_EQ(g->TransAlpha, Cls9().TransAlpha);

    // The window's values are set again at every loading.
    frmF24& k = OpenNew<frmF24>();
    Type(&k, {{"Text2", "x"}, {"Text5", "0"}, {"Text6", "1"}, {"Text3", "/unused.bmp"}});
    k.Option4->setChecked(true);
    Click(&k, "Command1");
    g = DocumentScene.FunSurfs.Item(3);
    EXPECT_EQ(g->FirstColor, 255);
    EXPECT_EQ(g->SecondColor, 255);
    EXPECT_FALSE(g->ShowTex);
    EXPECT_EQ(g->TexName, "");
}

TEST_F(RevolutionDialog, FillThenOkUnchangedGivesTheSameGraph) {
    // Another graph first, so that the edited row is not the first.
    frmF24& first = OpenNew<frmF24>();
    Type(&first, {{"Text2", "x"}, {"Text5", "0"}, {"Text6", "1"}});
    Click(&first, "Command1");
    window.rows.push_back("first");
    // A textured, transparent surface about Y with odd bounds, made by the dialog.
    frmF24& f = OpenNew<frmF24>();
    Type(&f, {{"Text1", "vase"}, {"Text2", "1+x^2/3"}, {"Text5", "-1/3"}, {"Text6", "2*pi"}, {"Text7", "33"},
              {"Text3", "/pictures/clay.jpg"}});
    f.Option12->setChecked(true);
    f.Option3->setChecked(true);
    f.Check5->setChecked(true);
    f.Option13->setChecked(true);
    f.Check6->setChecked(true);
    f.Slider1->setValue(4);
    f.List1->setCurrentRow(11);
    f.Option5->setChecked(true);
    f.Option9->setChecked(true);
    Click(&f, "Command1");
    ASSERT_EQ(box.Count(), 0u);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    window.rows.push_back("旋转曲面  y=1+x^2/3");
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(2);
    // Kept where the dialog shows nothing: line colour and width.
    g->LineColor = RGB(5, 6, 7);
    g->LineWidth = 3;
    const std::string before = g->Save();

    frmF24& e = OpenEdit<frmF24>(1);
    EXPECT_EQ(Shown(&e, "Text2"), "1+x^2/3");
    EXPECT_EQ(Shown(&e, "Text5"), "-0.33333334");
    EXPECT_EQ(Shown(&e, "Text6"), ShortestSinglePlainText(6.2831852f));
    EXPECT_EQ(Shown(&e, "Text7"), "33");
    EXPECT_TRUE(e.Option12->isChecked());
    EXPECT_EQ(e.Slider1->value(), 4);
    EXPECT_EQ(e.List1->currentRow(), 11);
    Click(&e, "Command1");
    EXPECT_FALSE(frmF24::Loaded());
    ExpectEqualAfterEdit(g, before, "旋转曲面  y=1+x^2/3");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);

    // An edit about X with a new function relabels the row.
    frmF24& x = OpenEdit<frmF24>(1);
    x.Option11->setChecked(true);
    Type(&x, {{"Text2", "cos(x)"}});
    Click(&x, "Command1");
    EXPECT_EQ(g->GraphType, GraphType::RevolutionX);
    EXPECT_EQ(g->ExpressZ, "cos(x)");
    EXPECT_EQ(g->LineWidth, 3);
    EXPECT_EQ(window.rows[1], "旋转曲面  y=cos(x)");

    // A refused edit changes nothing.
    const std::string edited = g->Save();
    frmF24& r = OpenEdit<frmF24>(1);
    Type(&r, {{"Text2", "cos(x"}});
    Click(&r, "Command1");
    EXPECT_EQ(box.Last().title, "语法错误");
    Click(&r, "Command2");
    EXPECT_EQ(g->Save(), edited);
    EXPECT_EQ(window.rows[1], "旋转曲面  y=cos(x)");
}

} // namespace
