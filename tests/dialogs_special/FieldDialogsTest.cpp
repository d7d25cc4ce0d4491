// The three dialogs of graphs over a parametric surface (contour plot frmF18,
// vector field frmF21, colour map frmF22) driven as a user drives them: each
// member's page and defaults, the OK's refusals and the graph it builds, the
// window's colour values that outlive the dialog, and fill -> OK unchanged.
#include "core/ColorParts.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF18.h"
#include "dialogs/special/frmF21.h"
#include "dialogs/special/frmF22.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Boxes = std::vector<std::pair<const char*, const char*>>;

class FieldDialogs : public SpecialDialogTest {
public:
    // Chooses a colour in a colour box's dialog.
    void Pick(ColorBox* box, std::int32_t colour) {
        colors.Choose(colour);
        QTest::mouseClick(box, Qt::LeftButton);
    }

protected:
    static std::shared_ptr<Cls9> Newest() { return DocumentScene.FunSurfs.Item(DocumentScene.FunSurfs.Count()); }
};

// What differs between the members, and the family's page "函数".
TEST_F(FieldDialogs, EachMemberHasItsCaptionPagesAndDefaults) {
    frmF18& c = OpenNew<frmF18>();
    EXPECT_EQ(ToStdString(c.windowTitle()), "函数的等值线");
    EXPECT_EQ(ToStdString(c.SSTab1->tabText(0)), "函数");
    EXPECT_EQ(ToStdString(c.SSTab1->tabText(1)), "等值线");
    EXPECT_EQ(ToStdString(c.Frame2->title()), "变量取值");
    EXPECT_EQ(TextOf(c.Text7), "40");
    EXPECT_EQ(TextOf(c.Text10), "40");
    EXPECT_EQ(TextOf(c.Text11), "10");
    EXPECT_EQ(TextOf(c.Text1), "");
    EXPECT_EQ(TextOf(c.Text5), "");
    ASSERT_EQ(c.Combo2->count(), 4);
    EXPECT_EQ(ToStdString(c.Combo2->itemText(3)), "4");
    EXPECT_EQ(c.Combo2->currentIndex(), 0);
    EXPECT_EQ(ToStdString(c.Combo2->currentText()), "1");
    EXPECT_TRUE(c.Option2->isChecked());
    EXPECT_FALSE(c.Option1->isChecked());
    EXPECT_EQ(ToStdString(c.Option1->text()), "单色");
    EXPECT_EQ(ToStdString(c.Option2->text()), "渐变色");
    EXPECT_EQ(c.Picture1->Color(), 0);
    EXPECT_EQ(c.Picture2->Color(), RGB(255, 0, 0));
    EXPECT_EQ(c.Picture3->Color(), RGB(0, 0, 255));
    EXPECT_EQ(ToStdString(c.Text7->toolTip()), "Recommended Value: 30 - 60 ");
    EXPECT_EQ(ToStdString(c.Label7->toolTip()), "Recommended Value: 30 - 60");
    EXPECT_EQ(ToStdString(c.Text10->toolTip()), "Recommended Value: 30 - 60");
    EXPECT_EQ(ToStdString(c.Label2->text() + c.Label3->text() + c.Label4->text()), "X(u,v)Y(u,v)Z(u,v)");

    frmF21& v = OpenNew<frmF21>();
    EXPECT_EQ(ToStdString(v.windowTitle()), "函数的矢量图");
    EXPECT_EQ(ToStdString(v.SSTab1->tabText(1)), "矢量");
    EXPECT_EQ(ToStdString(v.Frame2->title()), "变量取值范围");
    EXPECT_EQ(TextOf(v.Text7), "20");
    EXPECT_EQ(TextOf(v.Text10), "20");
    EXPECT_EQ(ToStdString(v.Text7->toolTip()), "Recommended Value: 30 - 60");
    EXPECT_EQ(ToStdString(v.Label13->text()), "颜色");
    EXPECT_EQ(v.Picture1->Color(), 0);
    EXPECT_EQ(v.Picture2, nullptr);
    EXPECT_EQ(v.Text11, nullptr);
    EXPECT_EQ(v.Combo2, nullptr);

    frmF22& m = OpenNew<frmF22>();
    EXPECT_EQ(ToStdString(m.windowTitle()), "函数的色谱图");
    EXPECT_EQ(ToStdString(m.SSTab1->tabText(1)), "颜色");
    EXPECT_EQ(ToStdString(m.Frame2->title()), "变量取值");
    EXPECT_EQ(ToStdString(m.Frame3->title()), "颜色");
    EXPECT_EQ(TextOf(m.Text7), "40");
    EXPECT_EQ(m.Picture2->Color(), RGB(255, 0, 0));
    EXPECT_EQ(m.Picture3->Color(), RGB(0, 0, 255));
    EXPECT_EQ(m.Picture1, nullptr);
    EXPECT_EQ(m.Option1, nullptr);
}

// The contour dialog's OK over typed boxes: the message (and the document
// kind it leaves), or the graph's counts, bounds, level count and width.
TEST_F(FieldDialogs, ContourOkGivesTheMessageOrTheGraph) {
    struct Case {
        const char* what;
        Boxes boxes;
        const char* width; // typed into Combo2; nullptr: untouched
        // Refused: title and text, and DocumentKind afterwards.
        const char* title;
        const char* message;
        std::int32_t kind;
        // Accepted: the graph.
        std::int32_t stepU = 0, stepV = 0;
        float minU = 0, maxU = 0, minV = 0, maxV = 0;
        std::int32_t levels = 0, lineWidth = 0;
    };
    const char* ok = "";
    const float pi2 = static_cast<float>(2 * 3.1415926);
    const Case cases[] = {
        {"untouched", {}, nullptr, ok, "", 7, 40, 40, 0, 0, 0, 0, 10, 1},
        {"count 1", {{"Text7", "1"}}, nullptr, ok, "", 7, 1, 40, 0, 0, 0, 0, 10, 1},
        {"count 1.5", {{"Text7", "1.5"}}, nullptr, ok, "", 7, 2, 40, 0, 0, 0, 0, 10, 1},
        {"count 2.5 to even", {{"Text7", "2.5"}}, nullptr, ok, "", 7, 2, 40, 0, 0, 0, 0, 10, 1},
        {"the comma ends a count", {{"Text7", "40,5"}}, nullptr, ok, "", 7, 40, 40, 0, 0, 0, 0, 10, 1},
        {"a range box reads 1,5", {{"Text6", "1,5"}}, nullptr, ok, "", 7, 40, 40, 0, 1.5f, 0, 0, 10, 1},
        {"count 0.5", {{"Text7", "0.5"}}, nullptr, "注意", "段数u必须大于1。", 1},
        {"count abc", {{"Text7", "abc"}}, nullptr, "注意", "段数u必须大于1。", 1},
        {"count empty", {{"Text7", ""}}, nullptr, "注意", "段数u必须大于1。", 1},
        {"count beyond 32 bits", {{"Text7", "1E+10"}}, nullptr, "注意", "段数u必须大于1。", 1},
        {"v count", {{"Text10", "0"}}, nullptr, "注意", "段数v必须大于1。", 1},
        {"both counts: u", {{"Text7", "0"}, {"Text10", "0"}}, nullptr, "注意", "段数u必须大于1。", 1},
        {"count before range", {{"Text10", "0"}, {"Text5", "2"}, {"Text6", "1"}}, nullptr, "注意",
         "段数v必须大于1。", 1},
        {"u range", {{"Text5", "2"}, {"Text6", "1"}}, nullptr, "注意", "最小u必须小于最大u。", 7},
        {"v range", {{"Text8", "2"}, {"Text9", "1"}}, nullptr, "注意", "最小v必须小于最大v。", 7},
        {"equal ends", {{"Text5", "3"}, {"Text6", "3"}}, nullptr, ok, "", 7, 40, 40, 3, 3, 0, 0, 10, 1},
        {"2*pi, u+1, 1/0",
         {{"Text6", "2*pi"}, {"Text9", "u+1"}, {"Text8", "1/0"}},
         nullptr, ok, "", 7, 40, 40, 0, pi2, UndefinedValue, 1, 10, 1},
        {"levels 0", {{"Text11", "0"}}, nullptr, ok, "", 7, 40, 40, 0, 0, 0, 0, 0, 1},
        {"levels -3", {{"Text11", "-3"}}, nullptr, ok, "", 7, 40, 40, 0, 0, 0, 0, -3, 1},
        {"levels abc", {{"Text11", "abc"}}, nullptr, ok, "", 7, 40, 40, 0, 0, 0, 0, 0, 1},
        {"levels beyond 32 bits", {{"Text11", "1E+10"}}, nullptr, "出错", "存在非法数据。", 7},
        {"typed width", {}, "6", ok, "", 7, 40, 40, 0, 0, 0, 0, 10, 6},
        {"width beyond 32 bits", {}, "1E+10", "出错", "存在非法数据。", 7},
        // A box of blanks reads "0", as an empty one does.
        {"blank bound and text", {{"Text5", "  "}, {"Text4", "   "}}, nullptr, ok, "", 7, 40, 40, 0, 0, 0, 0, 10, 1},
        {"illegal text", {{"Text4", "u#v"}}, nullptr, "出错", "存在非法数据。", 1},
        {"a bound that does not compile", {{"Text9", "(1"}}, nullptr, "语法错误", nullptr, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 1;
        frmF18& f = OpenNew<frmF18>();
        Type(&f, c.boxes);
        if (c.width) f.Combo2->setEditText(QString::fromLatin1(c.width));
        Click(&f, "Command1");
        EXPECT_EQ(DocumentKind, c.kind);
        if (*c.title) {
            ExpectRefused<frmF18>(c.title, c.message);
            f.Unload();
            continue;
        }
        ASSERT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF18::Loaded());
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
        const Cls9& g = *Newest();
        EXPECT_EQ(g.StepU, c.stepU);
        EXPECT_EQ(g.StepV, c.stepV);
        EXPECT_FLOAT_EQ(g.MinU, c.minU);
        EXPECT_FLOAT_EQ(g.MaxU, c.maxU);
        EXPECT_FLOAT_EQ(g.MinV, c.minV);
        EXPECT_FLOAT_EQ(g.MaxV, c.maxV);
        EXPECT_EQ(g.ContourLevel, c.levels);
        EXPECT_EQ(g.LineWidth, c.lineWidth);
    }
}

// The untouched dialog: the seven filtered boxes read "0", and the graph
// is a parametric Cartesian grid with the Init arguments of the family.
TEST_F(FieldDialogs, UntouchedContourBuildsTheFamilysGraph) {
    frmF18& f = OpenNew<frmF18>();
    SetText(f.Text1, " name ");
    SetText(f.Text4, "   "); // blanks read as an empty box does
    SetText(f.Text10, "0");
    Click(&f, "Command1");
    EXPECT_EQ(box.Last().text, "段数v必须大于1。");
    for (QLineEdit* b : {f.Text2, f.Text3, f.Text4, f.Text5, f.Text6, f.Text8, f.Text9}) EXPECT_EQ(TextOf(b), "0");
    EXPECT_EQ(TextOf(f.Text1), " name ");
    SetText(f.Text10, "40");
    Click(&f, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const Cls9& g = *Newest();
    EXPECT_EQ(VisibleScene.FunSurfs.Item(1).get(), &g);
    EXPECT_EQ(g.ID, 1);
    EXPECT_EQ(g.NameS, " name ");
    EXPECT_EQ(g.GraphType, GraphType::Contour);
    EXPECT_EQ(g.CoordType, CoordType::Cartesian);
    EXPECT_EQ(g.FunForm, FunForm::Parametric);
    EXPECT_EQ(g.ExpressX + g.ExpressY + g.ExpressZ, "000");
    EXPECT_EQ(g.FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(g.FirstColor, RGB(255, 0, 0));
    EXPECT_EQ(g.SecondColor, RGB(0, 0, 255));
    EXPECT_EQ(g.LineColor, 0);
    EXPECT_EQ(g.Material, 0);
    EXPECT_EQ(g.Show, Show::FilledSurface);
    EXPECT_EQ(g.Smoothness, Smoothness::Smooth);
    EXPECT_FALSE(g.ShowContour || g.ShowVector || g.ShowColormap);
    // Sampled: (40 + 1) x (40 + 1) points.
    EXPECT_EQ(g.Vert3D.Count(), 41 * 41);
    EXPECT_FALSE(IsEditing);
    EXPECT_TRUE(window.rows.empty()); // the creation command adds the row
}

// The colours each member hands to the graph, and the window's values that
// outlive the dialog: under "单色" the first colour is the one an earlier
// gradient OK or a click on "颜色1" left, 0 in a fresh run.
TEST_F(FieldDialogs, ColoursAndTheValuesThatOutliveTheDialog) {
    DocumentKind = 7;
    frmF18& single = OpenNew<frmF18>();
    single.Option1->setChecked(true);
    Pick(single.Picture1, RGB(1, 2, 3));
    Click(&single, "Command1");
    EXPECT_EQ(Newest()->FillStyle, FillStyle::OneColor);
    EXPECT_EQ(Newest()->FirstColor, 0);
    EXPECT_EQ(Newest()->SecondColor, RGB(1, 2, 3));

    frmF18& gradient = OpenNew<frmF18>();
    EXPECT_EQ(gradient.Picture2->Color(), RGB(255, 0, 0)); // each loading shows the defaults
    Pick(gradient.Picture2, RGB(9, 9, 9));
    Click(&gradient, "Command1");
    EXPECT_EQ(Newest()->FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(Newest()->FirstColor, RGB(9, 9, 9));
    EXPECT_EQ(Newest()->SecondColor, RGB(0, 0, 255));

    frmF18& again = OpenNew<frmF18>();
    again.Option1->setChecked(true);
    Click(&again, "Command1");
    EXPECT_EQ(Newest()->FirstColor, RGB(9, 9, 9));
    EXPECT_EQ(Newest()->SecondColor, 0);
    EXPECT_EQ(frmF18::Values().FirstColor, RGB(9, 9, 9));
    EXPECT_EQ(frmF18::Values().LineWidth, 1);

    // A click on "颜色1" then Cancel: no graph, no row, no redraw of the
    // view beyond the unloading; the dialog's value keeps the colour.
    const std::int64_t graphs = DocumentScene.FunSurfs.Count();
    frmF18& cancelled = OpenNew<frmF18>();
    Pick(cancelled.Picture2, RGB(7, 7, 7));
    Click(&cancelled, "Command2");
    EXPECT_FALSE(frmF18::Loaded());
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), graphs);
    EXPECT_EQ(window.rebuilds, 0);
    frmF18& later = OpenNew<frmF18>();
    later.Option1->setChecked(true);
    Click(&later, "Command1");
    EXPECT_EQ(Newest()->FirstColor, RGB(7, 7, 7));
    // A cancelled colour dialog writes nothing.
    frmF18& kept = OpenNew<frmF18>();
    colors.Cancel();
    QTest::mouseClick(kept.Picture2, Qt::LeftButton);
    kept.Option1->setChecked(true);
    Click(&kept, "Command1");
    EXPECT_EQ(Newest()->FirstColor, RGB(7, 7, 7));

    // The vector field: both colours from its one box; no width, no levels.
    frmF21& vectors = OpenNew<frmF21>();
    Pick(vectors.Picture1, RGB(4, 5, 6));
    Click(&vectors, "Command1");
    const Cls9& v = *Newest();
    EXPECT_EQ(v.GraphType, GraphType::VectorField);
    EXPECT_EQ(v.FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(v.FirstColor, RGB(4, 5, 6));
    EXPECT_EQ(v.SecondColor, RGB(4, 5, 6));
    EXPECT_EQ(v.LineWidth, 0);
    EXPECT_EQ(v.ContourLevel, 0);
    EXPECT_EQ(v.StepU, 20);
    EXPECT_EQ(frmF21::Values().FirstColor, RGB(4, 5, 6));
    // Each member has values of its own.
    EXPECT_EQ(frmF18::Values().FirstColor, RGB(7, 7, 7));

    // The colour map: "颜色1" and "颜色2".
    frmF22& map = OpenNew<frmF22>();
    Pick(map.Picture3, RGB(0, 255, 0));
    Click(&map, "Command1");
    const Cls9& m = *Newest();
    EXPECT_EQ(m.GraphType, GraphType::ColorMap);
    EXPECT_EQ(m.FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(m.FirstColor, RGB(255, 0, 0));
    EXPECT_EQ(m.SecondColor, RGB(0, 255, 0));
    EXPECT_EQ(m.LineWidth, 0);
    EXPECT_EQ(box.Count(), 0u);

    // ResetProgramState starts the values from 0 again.
    ResetProgramState();
    EXPECT_EQ(frmF18::Values().FirstColor, 0);
    EXPECT_EQ(frmF18::Values().LineWidth, 0);
}

// Fill, then OK without a change: the same graph (its whole record), the
// edit label, one rebuild; the filled boxes show the shortest bound texts.
TEST_F(FieldDialogs, FillThenOkUnchangedGivesTheSameGraph) {
    struct Case {
        const char* what;
        std::int32_t type;
        Boxes boxes;
        std::function<void(FieldDialogs&)> settings; // on the loaded dialog
        const char* label;
    };
    const Case cases[] = {
        {"contour, gradient",
         GraphType::Contour,
         {{"Text1", "c"}, {"Text2", "u"}, {"Text3", "v"}, {"Text4", "u*v"}, {"Text5", "-pi"}, {"Text6", "pi"},
          {"Text7", "24"}, {"Text8", "1/3"}, {"Text9", "2"}, {"Text10", "30"}, {"Text11", "-3"}},
         [](FieldDialogs& t) {
             frmF18& f = frmF18::Get();
             f.Combo2->setEditText(QStringLiteral("6"));
             t.Pick(f.Picture2, RGB(10, 20, 30));
             t.Pick(f.Picture3, RGB(40, 50, 60));
         },
         "等值线图: x=u,y=v,z=u*v"},
        {"contour, one colour and the held first colour",
         GraphType::Contour,
         {{"Text2", "u"}, {"Text3", "v"}, {"Text4", "sin(u)"}, {"Text5", "0.1"}, {"Text6", "1/3"}},
         [](FieldDialogs& t) {
             frmF18& f = frmF18::Get();
             t.Pick(f.Picture2, RGB(9, 8, 7));
             f.Option1->setChecked(true);
             t.Pick(f.Picture1, RGB(1, 1, 1));
             SelectListIndex(f.Combo2, 3);
         },
         "等值线图: x=u,y=v,z=sin(u)"},
        {"vector field",
         GraphType::VectorField,
         {{"Text2", "u"}, {"Text3", "v"}, {"Text4", "sin(u)*cos(v)"}, {"Text5", "-2*pi"}, {"Text6", "1000.5"},
          {"Text8", "-1/3"}, {"Text9", "0.000015"}},
         [](FieldDialogs& t) { t.Pick(frmF21::Get().Picture1, RGB(0, 128, 0)); },
         "矢量图 x=u,y=v,z=sin(u)*cos(v)"},
        {"colour map",
         GraphType::ColorMap,
         {{"Text2", "u"}, {"Text3", "v"}, {"Text4", "sin(u)*cos(v)"}, {"Text5", "1/0"}, {"Text6", "pi"},
          {"Text7", "16"}, {"Text9", "16777217"}},
         [](FieldDialogs& t) { t.Pick(frmF22::Get().Picture2, RGB(255, 255, 0)); },
         "色谱图: x=u,y=v,z=sin(u)*cos(v)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        window.rows.assign({"first"});
        window.rebuilds = 0;
        DocumentKind = 7;
        const auto open = [&]() -> FormBase& {
            if (c.type == GraphType::Contour) return OpenNew<frmF18>();
            if (c.type == GraphType::VectorField) return OpenNew<frmF21>();
            return OpenNew<frmF22>();
        };
        // Another graph first, so that the edited row is not the first.
        Click(&open(), "Command1");
        FormBase& created = open();
        Type(&created, c.boxes);
        c.settings(*this);
        Click(&created, "Command1");
        ASSERT_EQ(box.Count(), 0u) << box.Last().text;
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        window.rows.push_back("new row");
        const std::shared_ptr<Cls9> g = Newest();
        const std::string before = g->Save();
        const float bounds[4] = {g->MinU, g->MaxU, g->MinV, g->MaxV};

        // Another opening changes the held first colour before the edit.
        if (c.type == GraphType::Contour) {
            frmF18& other = OpenNew<frmF18>();
            Pick(other.Picture2, RGB(99, 99, 99));
            Click(&other, "Command2");
        }
        FormBase* edit = nullptr;
        if (c.type == GraphType::Contour) edit = &OpenEdit<frmF18>(1);
        if (c.type == GraphType::VectorField) edit = &OpenEdit<frmF21>(1);
        if (c.type == GraphType::ColorMap) edit = &OpenEdit<frmF22>(1);
        // The bounds as the shortest texts that read back as the same Single.
        for (const auto& [name, index] : std::vector<std::pair<const char*, int>>{
                 {"Text5", 0}, {"Text6", 1}, {"Text8", 2}, {"Text9", 3}})
            EXPECT_EQ(TextOf(edit->findChild<QLineEdit*>(QString::fromLatin1(name))),
                      ShortestSinglePlainText(bounds[index]))
                << name;
        Click(edit, "Command1");
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
        ExpectEqualAfterEdit(g, before, c.label);
    }
}

// The filling of a contour plot's second page, and an edit that changes it.
TEST_F(FieldDialogs, ContourFillingShowsTheSecondPage) {
    DocumentKind = 7;
    auto g = Cls9::Init(++GraphIDCounter, "n", GraphType::Contour, CoordType::Cartesian, "u", "v", "u-v", 5, 6, -1,
                        1, -2, 2, FillStyle::OneColor, RGB(1, 1, 1), RGB(2, 2, 2), 0, 12, 0, Show::FilledSurface,
                        Smoothness::Smooth, false, false, false, 7);
    g->FunForm = FunForm::Parametric;
    ASSERT_TRUE(g->GetPoints());
    DocumentScene.FunSurfs.Add(g, GraphKey(*g));
    VisibleScene.FunSurfs.Add(g, GraphKey(*g));
    window.rows.push_back("row");

    frmF18& f = OpenEdit<frmF18>(0);
    EXPECT_EQ(TextOf(f.Text11), "7");
    EXPECT_EQ(f.Combo2->currentIndex(), -1);
    EXPECT_EQ(ToStdString(f.Combo2->currentText()), "12");
    EXPECT_TRUE(f.Option1->isChecked());
    EXPECT_EQ(f.Picture1->Color(), RGB(2, 2, 2));
    EXPECT_EQ(f.Picture2->Color(), RGB(1, 1, 1));
    EXPECT_EQ(f.Picture3->Color(), RGB(0, 0, 255));
    EXPECT_EQ(TextOf(f.Text7), "5");
    EXPECT_EQ(TextOf(f.Text10), "6");
    // Switched to the gradient with its "颜色2" changed.
    f.Option2->setChecked(true);
    Pick(f.Picture3, RGB(3, 3, 3));
    SetText(f.Text4, "u+v");
    Click(&f, "Command1");
    EXPECT_EQ(g->FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(g->FirstColor, RGB(1, 1, 1));
    EXPECT_EQ(g->SecondColor, RGB(3, 3, 3));
    EXPECT_EQ(g->LineWidth, 12);
    EXPECT_EQ(g->ExpressZ, "u+v");
    EXPECT_EQ(window.rows[0], "等值线图: x=u,y=v,z=u+v");

    // A refused edit changes nothing, also after Cancel.
    const std::string before = g->Save();
    frmF18& refused = OpenEdit<frmF18>(0);
    SetText(refused.Text5, "5");
    Click(&refused, "Command1");
    EXPECT_EQ(box.Last().text, "最小u必须小于最大u。");
    Click(&refused, "Command2");
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(g->Save(), before);
}

} // namespace
