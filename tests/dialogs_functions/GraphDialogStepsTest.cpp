// The steps of a graph dialog's OK, each on its own: filter, empty boxes,
// counts, bounds, ranges, and the new and edit paths.
#include "dialogs/functions/GraphDialogSteps.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QLineEdit>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

namespace {

using Steps = GraphDialogTest;

// The message a step showed, or "" when none.
std::string Shown(RecordingMessageBox& box) { return box.Count() == 0 ? "" : box.Last().text; }

TEST_F(Steps, CountStepReadsTheNumericValueAndTestsItBeforeRounding) {
    struct Case {
        const char* text;
        CountFloor floor;
        std::optional<std::int32_t> count; // nothing: refused
    };
    const Case cases[] = {
        {"2.5", CountFloor::One, 2},        {" 3 ", CountFloor::One, 3},
        {"3.5", CountFloor::One, 4},        {"1", CountFloor::One, 1},
        {"1 2", CountFloor::One, 12},       {"&H10", CountFloor::One, 16},
        {"20abc", CountFloor::One, 20},     {"0.4", CountFloor::One, std::nullopt},
        {"0.6", CountFloor::One, std::nullopt}, // rounds to 1, but is below 1
        {"", CountFloor::One, std::nullopt}, {"x", CountFloor::One, std::nullopt},
        {"1E20", CountFloor::One, std::nullopt}, {"2147483647", CountFloor::One, 2147483647},
        {"2147483647.5", CountFloor::One, std::nullopt}, // rounds beyond 32 bits
        {"0.4", CountFloor::AboveZero, 0},  {"0", CountFloor::AboveZero, std::nullopt},
        {"-1", CountFloor::AboveZero, std::nullopt}, {"1E20", CountFloor::AboveZero, std::nullopt},
    };
    for (const Case& c : cases) {
        box.Clear();
        const std::optional<std::int32_t> count = CountStep(c.text, c.floor, "段数x必须大于1。");
        EXPECT_EQ(count, c.count) << c.text;
        if (c.count) {
            EXPECT_EQ(box.Count(), 0u) << c.text;
        } else {
            ASSERT_EQ(box.Count(), 1u) << c.text;
            EXPECT_EQ(box.Last().text, "段数x必须大于1。");
            EXPECT_EQ(box.Last().title, "注意");
            EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        }
    }
}

TEST_F(Steps, FilterStepCleansInOrderAndStopsAtTheFirstRefusal) {
    QWidget form;
    auto* a = new QLineEdit(&form);
    auto* b = new QLineEdit(&form);
    auto* c = new QLineEdit(&form);
    auto* hidden = new QLineEdit(&form);
    auto* disabled = new QLineEdit(&form);
    hidden->hide();
    disabled->setEnabled(false);
    const auto run = [&] {
        box.Clear();
        return FilterStep({{a},
                           {b, BoxFilter::Number},
                           {c, BoxFilter::Expression, &IllegalExpressionMessage},
                           {hidden},
                           {disabled, BoxFilter::Expression, &IllegalDataMessage, FilterWhen::Enabled}});
    };

    a->setText("2 * pi");
    b->setText("1,5");
    c->setText(" ");
    hidden->setText("#");
    disabled->setText("#");
    EXPECT_TRUE(run());
    EXPECT_EQ(Shown(box), "");
    EXPECT_EQ(a->text(), "2*pi");
    EXPECT_EQ(b->text(), "1.5");
    EXPECT_EQ(c->text(), "0");
    EXPECT_EQ(hidden->text(), "#");

    // The number filter refuses letters other than E; the box before keeps
    // its cleaned text, the box after is not read.
    a->setText("x y");
    b->setText("1x");
    c->setText("  ");
    EXPECT_FALSE(run());
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(Shown(box), "存在非法数据。");
    EXPECT_EQ(box.Last().title, "出错");
    EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(a->text(), "xy");
    EXPECT_EQ(b->text(), "1x");
    EXPECT_EQ(c->text(), "  ");

    // A box's own message; two blanks come back empty.
    b->setText("1E3");
    c->setText("sin(x)#");
    EXPECT_FALSE(run());
    EXPECT_EQ(Shown(box), "存在非法表达式。");
    c->setText("  ");
    EXPECT_TRUE(run());
    EXPECT_EQ(c->text(), "");

    // An enabled analysis box is filtered, a shown hidden one too.
    disabled->setEnabled(true);
    EXPECT_FALSE(run());
    hidden->show();
    disabled->setText("1");
    EXPECT_FALSE(run());
    EXPECT_EQ(Shown(box), "存在非法数据。");
}

TEST_F(Steps, EmptyStepRefusesOnlyTheEmptyText) {
    QLineEdit one("0"), two(" ");
    EXPECT_TRUE(EmptyStep({&one, &two}));
    EXPECT_EQ(box.Count(), 0u);
    two.setText("");
    EXPECT_FALSE(EmptyStep({&one, &two}));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(Shown(box), "请输入所有参数。");
    EXPECT_EQ(box.Last().title, "注意");
    EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    // The table dialogs' message has the application's title.
    EXPECT_FALSE(EmptyStep({&two}, ""));
    EXPECT_EQ(box.Last().title, AppTitle);
}

TEST_F(Steps, BoundsAreEvaluatedConstantsAndRangesCompareThem) {
    BoundEvaluation bounds;
    struct Case {
        const char* text;
        float value;
    };
    const Case cases[] = {{"2*pi", 2 * 3.1415926f}, {"pi", 3.1415926f}, {"x+1", 1},      {"1.5", 1.5f},
                          {"log(-1)", UndefinedValue}, {"1/0", UndefinedValue}, {"-3", -3}, {"sqr(4)/2", 1}};
    for (const Case& c : cases) {
        const std::optional<float> v = bounds.Evaluate(c.text);
        ASSERT_TRUE(v) << c.text;
        EXPECT_FLOAT_EQ(*v, c.value) << c.text;
    }
    // No value (an empty text): the starting value.
    EXPECT_EQ(bounds.Evaluate("", 7), 7);
    EXPECT_EQ(box.Count(), 0u);
    // A bound that does not compile: only the compiler's message.
    EXPECT_FALSE(bounds.Evaluate("1+"));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");

    // "2*pi" is above 3: the evaluated bounds are compared, not leading numbers.
    box.Clear();
    EXPECT_FALSE(RangeStep(*bounds.Evaluate("2*pi"), 3, "最小x必须小于最大x。"));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(Shown(box), "最小x必须小于最大x。");
    EXPECT_EQ(box.Last().title, "注意");
    EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    box.Clear();
    EXPECT_TRUE(RangeStep(*bounds.Evaluate("pi"), 3.1415926f, "最小x必须小于最大x。"));
    EXPECT_TRUE(RangeStep(*bounds.Evaluate("pi"), *bounds.Evaluate("2"), "最小x必须小于最大x。") == false);
    EXPECT_TRUE(RangeStep(-1, *bounds.Evaluate("2*pi"), "m"));
}

std::shared_ptr<Cls9> NewPoint(const std::string& y, const std::string& z) {
    auto g = Cls9::Init(GraphIDCounter, "Q", GraphType::Point, CoordType::PlaneCartesian, "0", y, z, 0, 0, 0, 1,
                        0, 0, FillStyle::OneColor, 0, 0, 0, 1, Material::Metal, Show::Wireframe,
                        Smoothness::Smoother);
    g->FunForm = FunForm::Parametric;
    return g;
}

TEST_F(Steps, NewGraphThatFailsToSampleLeavesTheScenesAndUsesUpItsID) {
    DocumentKind = 1;
    AddPoint("0", "1", "2", CoordType::PlaneCartesian, "点  x=1, y=2");
    ASSERT_EQ(GraphIDCounter, 1);

    EXPECT_FALSE(AddNewGraph(NewPoint("1+", "2")));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 1);
    EXPECT_EQ(GraphIDCounter, 2);

    const auto g = NewPoint("3", "4");
    EXPECT_TRUE(AddNewGraph(g));
    EXPECT_EQ(g->ID, 3);
    EXPECT_EQ(DocumentScene.FunSurfs.Item("3"), g);
    EXPECT_EQ(VisibleScene.FunSurfs.Item("3"), g);
    EXPECT_EQ(g->StepU, 1); // the sampling raised the count of 0
    EXPECT_EQ(g->Vert3D(0, 0).x, 3);
    EXPECT_EQ(g->Vert3D(0, 0).y, 4);
    // The path leaves the rows to the opener.
    EXPECT_EQ(window.rows.size(), 1u);
    EXPECT_EQ(window.rebuilds, 0);
}

TEST_F(Steps, EditSamplesACopyAndChangesTheGraphOnlyWhenItSampled) {
    DocumentKind = 1;
    AddPoint("0", "5", "6", CoordType::PlaneCartesian, "first");
    const auto edited = AddPoint("0", "1", "2", CoordType::PlaneCartesian, "点  x=1, y=2");
    edited->PointSize = 7;
    const auto* samples = &edited->Vert3D(0, 0);
    IsEditing = true;
    window.currentRow = 1;

    // Refused: settings, samples and label as they were.
    EXPECT_FALSE(CommitGraph(NewPoint("9", "1+"), LabelSource::frmF16));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");
    EXPECT_EQ(edited->ExpressY, "1");
    EXPECT_EQ(edited->ExpressZ, "2");
    EXPECT_EQ(edited->PointSize, 7);
    EXPECT_EQ(edited->NameS, "P");
    EXPECT_EQ(&edited->Vert3D(0, 0), samples);
    EXPECT_EQ(edited->Vert3D(0, 0).x, 1);
    EXPECT_EQ(edited->Vert3D(0, 0).y, 2);
    EXPECT_EQ(window.rows[1], "点  x=1, y=2");
    EXPECT_EQ(window.rebuilds, 0);
    EXPECT_TRUE(IsEditing);

    // Accepted: the same graph object with the new settings and samples, its
    // row relabelled, the view rebuilt; the ID stays.
    const auto built = NewPoint("8", "9");
    built->PointSize = 3;
    EXPECT_TRUE(CommitGraph(built, LabelSource::frmF16));
    EXPECT_EQ(DocumentScene.FunSurfs.Item(2), edited);
    EXPECT_EQ(VisibleScene.FunSurfs.Item(2), edited);
    EXPECT_EQ(edited->ID, 2);
    EXPECT_EQ(edited->NameS, "Q");
    EXPECT_EQ(edited->ExpressY, "8");
    EXPECT_EQ(edited->PointSize, 3);
    EXPECT_EQ(edited->StepU, 1);
    EXPECT_EQ(edited->Vert3D(0, 0).x, 8);
    EXPECT_EQ(edited->Vert3D(0, 0).y, 9);
    EXPECT_FALSE(built->Vert3D.Exists());
    EXPECT_EQ(window.rows, (std::vector<std::string>{"first", "点  x=8, y=9"}));
    EXPECT_EQ(window.rebuilds, 1);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_EQ(GraphIDCounter, 2);
    // Closing the dialog clears the editing state, not the path.
    EXPECT_TRUE(IsEditing);
}

TEST_F(Steps, TableGraphsAreCopiedWithoutSampling) {
    DocumentKind = 2;
    auto table = std::make_shared<Cls9>();
    table->ID = ++GraphIDCounter;
    table->GraphType = GraphType::Table25D;
    table->StepV = 1;
    DocumentScene.FunSurfs.Add(table, GraphKey(*table));
    VisibleScene.FunSurfs.Add(table, GraphKey(*table));
    window.rows.push_back("old");
    IsEditing = true;
    window.currentRow = 0;

    auto built = std::make_shared<Cls9>();
    built->NameS = "T";
    built->GraphType = GraphType::Table25D;
    built->StepV = 2;
    built->VertTab3D(0, 2).y = 5;
    EXPECT_TRUE(CommitGraph(built, LabelSource::frmF10, GraphSampling::Table));
    EXPECT_EQ(table->NameS, "T");
    EXPECT_EQ(table->StepV, 2);
    EXPECT_EQ(table->VertTab3D(0, 2).y, 5);
    EXPECT_FALSE(table->Vert3D.Exists());
    EXPECT_EQ(window.rebuilds, 1);
    EXPECT_EQ(box.Count(), 0u);
}

} // namespace
