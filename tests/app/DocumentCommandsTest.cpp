// The document commands (new documents of the four kinds, open, exit), the
// graph list with its ticks and deletion, and the command set of each
// document kind, driven in the shown main window with scripted services.
#include "app/frmF1.h"
#include "core/FileDialogService.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "platform/GlDrawingArea.h"
#include "platform/ToolStrip.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The command set of each document kind, as the availability table gives it:
// 2D, 2.5D, 3D, special.
struct MenuRowSet {
    const char* item;
    bool on[4];
};
const MenuRowSet MenuSet[] = {
    {"mnuDrawPoint", {true, true, true, false}},
    {"mnuDrawFun2D", {true, false, false, false}},
    {"mnuDraw25d", {false, true, false, false}},
    {"mnuDrawFun3D", {false, false, true, false}},
    {"mnuDrawTab2D", {true, false, false, false}},
    {"mnuDrawTab25D", {false, true, false, false}},
    {"mnuDrawTab3D", {false, false, true, false}},
    {"mnuDrawSpe", {true, false, false, false}},
    {"mnuDrawAdv", {false, false, false, true}},
    {"mnuDrawIP", {true, false, false, false}},
    {"mnuDrawRV", {false, false, true, false}},
    {"mnuDrawVec", {false, false, true, false}},
    {"mnuDrawLimit", {true, false, false, false}},
    {"mnuDrawSeries", {true, false, false, false}},
    {"mnuDrawODE", {true, false, false, false}},
    {"mnuDrawAxis", {true, true, true, true}},
    {"mnuDrawLight", {false, true, true, false}},
    {"mnuAniPoint", {true, true, true, true}},
    {"mnuAni2DCur", {true, false, false, false}},
    {"mnuAniCur25D", {false, true, false, false}},
    {"mnuAniSur", {false, false, true, false}},
    {"mnuAniStartb", {false, false, false, false}},
    {"mnuAniPause", {false, false, false, false}},
    {"mnuAniStop", {false, false, false, false}},
    {"mnuAniFirst", {false, false, false, false}},
    {"mnuAniPre", {false, false, false, false}},
    {"mnuAniNext", {false, false, false, false}},
    {"mnuAniLast", {false, false, false, false}},
    {"mnuAniNormal", {false, false, false, false}},
    {"mnuAniRev", {false, false, false, false}},
    {"mnuAniRepeat", {false, false, false, false}},
    {"mnuAniRevRepeat", {false, false, false, false}},
    {"mnuViewRotX", {false, true, true, false}},
    {"mnuViewRotY", {false, true, true, false}},
    {"mnuViewRotZ", {false, true, true, false}},
    {"mnuViewRotate", {false, true, true, false}},
    {"mnuViewFront", {false, false, true, false}},
    {"mnuViewRight", {false, false, true, false}},
    {"mnuViewTop", {false, false, true, false}},
    {"mnuViewISO", {false, true, true, false}},
    {"mnuViewSet", {true, true, true, true}},
    {"mnuGraphAxis", {false, true, true, false}},
    {"mnuGraphLight", {false, true, true, false}},
};
struct ButtonSet {
    int toolbar;
    int index;
    bool on[4];
};
const ButtonSet ButtonSets[] = {
    {1, 22, {true, true, true, false}},
    {1, 23, {true, false, false, false}},
    {1, 24, {true, false, false, false}},
    {1, 26, {false, true, false, false}},
    {1, 27, {false, true, false, false}},
    {1, 29, {false, false, true, false}},
    {1, 30, {false, false, true, false}},
    {1, 31, {false, false, true, false}},
    {1, 33, {false, false, false, false}},
    {1, 34, {false, false, false, false}},
    {1, 35, {false, false, false, false}},
    {1, 36, {false, false, false, false}},
    {1, 37, {false, false, false, false}},
    {1, 38, {false, false, false, false}},
    {1, 39, {false, false, false, false}},
    {1, 40, {false, false, false, false}},
    {1, 41, {false, false, false, false}},
    {1, 42, {false, false, false, false}},
    {1, 43, {false, false, false, false}},
    {2, 2, {true, true, true, true}},
    {2, 3, {true, false, false, false}},
    {2, 4, {true, false, false, false}},
    {2, 6, {false, true, false, false}},
    {2, 7, {false, true, false, false}},
    {2, 9, {false, false, true, false}},
    {2, 10, {false, false, true, false}},
    {2, 11, {false, false, true, false}},
    {2, 13, {false, false, false, true}},
    {2, 14, {false, false, false, true}},
    {2, 15, {false, false, false, true}},
    {2, 17, {true, false, false, false}},
    {2, 18, {false, true, false, false}},
    {2, 19, {false, false, true, false}},
    {2, 21, {true, false, false, false}},
    {2, 22, {true, false, false, false}},
    {2, 23, {true, false, false, false}},
    {2, 24, {true, false, false, false}},
    {2, 26, {true, false, false, false}},
    {2, 27, {true, false, false, false}},
    {2, 29, {false, false, true, false}},
    {2, 30, {false, false, true, false}},
    {2, 31, {false, false, true, false}},
    {2, 33, {true, true, true, true}},
    {2, 34, {false, true, true, false}},
    {3, 1, {false, false, true, false}},
    {3, 2, {false, false, true, false}},
    {3, 3, {false, false, true, false}},
    {3, 4, {false, true, true, false}},
    {3, 6, {false, false, true, false}},
    {3, 7, {false, false, true, false}},
    {3, 9, {true, true, true, true}},
    {3, 10, {true, true, true, true}},
    {3, 11, {true, true, true, true}},
    {3, 12, {false, true, true, false}},
    {3, 13, {false, true, true, false}},
    {3, 14, {false, true, true, false}},
    {3, 15, {false, true, true, false}},
    {3, 17, {false, true, true, false}},
    {3, 18, {false, true, true, false}},
    {3, 19, {false, true, true, false}},
    {3, 21, {false, true, true, false}},
    {3, 22, {false, true, true, false}},
    {3, 23, {false, true, true, false}},
};
// Copy, cut, paste and copy as bitmap: outside the table, on in every kind.
const char* const ClipboardItems[] = {"mnuEditCut",  "mnuEditCopy",   "mnuEditCopyAs", "mnuEditPaste",
                                      "mnuFunCut",   "mnuFunCopy",    "mnuGraphPaste", "mnuGraphCopyAs"};

class DocumentCommandsTest : public MainWindowFixture {
protected:
    // Which column of the table is in force: 0..3, -1 when every item of the
    // table is on, -2 for anything else.
    int CommandSet() {
        for (int set = -1; set < 4; ++set) {
            bool all = true;
            for (const MenuRowSet& r : MenuSet)
                all = all && W().MenuItem(r.item)->isEnabled() == (set < 0 || r.on[set]);
            for (const ButtonSet& b : ButtonSets)
                all = all && Strip(b.toolbar)->IsButtonEnabled(b.index) == (set < 0 || b.on[set]);
            if (all) return set;
        }
        return -2;
    }
    void AllOn() {
        for (const MenuRowSet& r : MenuSet) W().MenuItem(r.item)->setEnabled(true);
        for (const ButtonSet& b : ButtonSets) Strip(b.toolbar)->SetButtonEnabled(b.index, true);
    }
    std::vector<std::int32_t> VisibleIDs() {
        std::vector<std::int32_t> ids;
        for (const auto& e : VisibleScene.FunSurfs) ids.push_back(e.graph->ID);
        return ids;
    }
    // A graph of `type` in DocumentScene with an unticked row.
    std::shared_ptr<Cls9> Unticked(std::int32_t id, std::int32_t type) {
        auto g = Cls9::Init(id, "g", type, type == GraphType::Function2D ? CoordType::PlaneCartesian : CoordType::Cartesian,
                            "0", "x", "x", 1, 20, 0, 0, -2, 2, FillStyle::OneColor, 0, 0, RGB(0, 0, 255), 1, 1,
                            Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        g->Show2DCurve = true;
        Add(DocumentScene, g);
        W().List1->AddItem(ToStdString(QStringLiteral("g%1").arg(id)));
        return g;
    }
    // The centre of the check box of the graph list's row `row`.
    QPoint CheckBoxCentre(int row) {
        CheckListBox* list = W().List1;
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.rect = list->visualItemRect(list->item(row));
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list).center();
    }
    // A right click at `at` on the graph list: pressed, the popup shown,
    // released, the popup hidden again.
    void RightClickList(QPoint at) {
        CheckListBox* list = W().List1;
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
        EXPECT_TRUE(QTest::qWaitFor([&] { return W().FunEdit->isVisible(); }, 2000));
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
        W().FunEdit->hide();
    }
};

// Each command against each state of the document, with its answers.
TEST_F(DocumentCommandsTest, NewAndOpenCommands) {
    enum class Doc { Empty, YesSaved, YesNotSaved, No, Cancel };
    struct Command {
        const char* name;
        void (frmF1::*run)();
        std::int32_t kind; // 0: Open
        float pitch, yaw, lightX;
        bool axesDefaults;
        int set;
    };
    const Command commands[] = {
        {"New 2D", &frmF1::mnuFileNew2D_Click, 1, 0, 0, 11, false, 0},
        {"New 2.5D", &frmF1::mnuFileNew25D_Click, 2, -15, 45, 100, true, 1},
        {"New 3D", &frmF1::mnuFileNew3D_Click, 3, -15, 45, 100, true, 2},
        {"New special", &frmF1::mnuFileSpe_Click, 7, 0, 0, 0, false, 3},
        {"Open", &frmF1::mnuFileOpen_Click, 0, 0, 0, 0, false, 0},
    };
    Start();
    for (const Command& c : commands) {
        for (Doc doc : {Doc::Empty, Doc::YesSaved, Doc::YesNotSaved, Doc::No, Doc::Cancel}) {
            SCOPED_TRACE(testing::Message() << c.name << " / case " << int(doc));
            const bool open = c.kind == 0;
            // The document before: kind 9, its own rotation, light and axes,
            // every command of the table on, playback on, two graphs.
            W().DeleteAllGraphs();
            DocumentKind = 9;
            VisibleScene.RotRoll = 1;
            VisibleScene.RotPitch = 2;
            VisibleScene.RotYaw = 3;
            Light.Position(0) = 11;
            Light.Position(1) = 12;
            Axes = Cls3();
            Axes.BetterFonts = true;
            Axes.AxisWidth = 5;
            W().RotateDrag = true;
            AllOn();
            if (doc != Doc::Empty || open) {
                Point(1, 0, 0);
                Point(2, 1, 1);
            }
            // Open asks only when graphs are in view.
            if (doc == Doc::Empty && open) {
                W().List1->SetTicked(0, false);
                W().List1->SetTicked(1, false);
            }
            Result().SetText("old line\r\n");
            W().SaveSucceeded = false;
            box.Clear();
            documents.opened.clear();
            documents.saves = 0;
            fileDialog.requests.clear();
            if (doc == Doc::YesSaved || doc == Doc::YesNotSaved) box.Answer(MsgAnswer::Yes);
            if (doc == Doc::No) box.Answer(MsgAnswer::No);
            if (doc == Doc::Cancel) box.Answer(MsgAnswer::Cancel);
            if (doc == Doc::YesSaved) documents.AnswerSave(true);
            if (doc == Doc::YesNotSaved) documents.AnswerSave(false);
            fileDialog.Choose("/tmp/chosen.pgp");

            (W().*c.run)();

            // The question.
            if (doc == Doc::Empty) {
                EXPECT_EQ(box.Count(), 0u);
            } else {
                ASSERT_EQ(box.Count(), 1u);
                EXPECT_EQ(box.Last().text, "是否保存当前图形？");
                EXPECT_EQ(box.Last().title, "注意");
                EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
                EXPECT_EQ(box.Last().buttons, MsgButtons::YesNoCancel);
            }
            const bool yes = doc == Doc::YesSaved || doc == Doc::YesNotSaved;
            EXPECT_EQ(documents.saves, yes ? 1 : 0);
            // Open resets the drag modes first; a New command when it applies its settings.
            const bool applied = open || doc == Doc::Empty || doc == Doc::YesSaved || doc == Doc::No;
            EXPECT_EQ(W().RotateDrag, !applied);
            EXPECT_FALSE(W().ZoomDrag || W().PanDrag);

            if (open) {
                // The open dialog and the reader, unless the question stopped it.
                const bool goesOn = doc == Doc::Empty || doc == Doc::YesSaved || doc == Doc::No;
                if (goesOn) {
                    ASSERT_EQ(fileDialog.requests.size(), 1u);
                    ExpectDialog(fileDialog.requests[0], FileDialogKind::Open, "打开", "(*.pgp)|*.pgp", 1);
                    EXPECT_EQ(documents.opened, std::vector<std::string>{"/tmp/chosen.pgp"});
                } else {
                    EXPECT_TRUE(fileDialog.requests.empty());
                    EXPECT_TRUE(documents.opened.empty());
                }
                // The (scripted) reader changed nothing.
                EXPECT_EQ(DocumentKind, 9);
                EXPECT_EQ(W().List1->ListCount(), 2);
                EXPECT_EQ(Result().Text(), "old line\r\n");
                EXPECT_EQ(CommandSet(), -1);
                EXPECT_EQ(W().SaveSucceeded, doc == Doc::YesSaved);
                continue;
            }

            EXPECT_TRUE(fileDialog.requests.empty());
            EXPECT_TRUE(documents.opened.empty());
            const bool cleared = doc == Doc::YesSaved || doc == Doc::No;
            if (applied) {
                EXPECT_EQ(DocumentKind, c.kind);
                EXPECT_EQ(VisibleScene.RotRoll, 0);
                EXPECT_EQ(VisibleScene.RotPitch, c.pitch);
                EXPECT_EQ(VisibleScene.RotYaw, c.yaw);
                EXPECT_EQ(Light.Position(0), c.lightX);
                EXPECT_EQ(Light.Position(1), c.lightX == 11 ? 12 : c.lightX);
                EXPECT_EQ(Axes.BetterFonts, c.axesDefaults);
                EXPECT_EQ(Axes.AxisWidth, c.axesDefaults ? 1 : 5);
                EXPECT_EQ(CommandSet(), c.set);
                EXPECT_FALSE(PlaybackOn());
            } else {
                EXPECT_EQ(DocumentKind, 9);
                EXPECT_EQ(VisibleScene.RotPitch, 2);
                EXPECT_EQ(Light.Position(0), 11);
                EXPECT_TRUE(Axes.BetterFonts);
                EXPECT_EQ(Axes.AxisWidth, 5);
                EXPECT_EQ(CommandSet(), -1);
            }
            EXPECT_EQ(W().List1->ListCount(), cleared || doc == Doc::Empty ? 0 : 2);
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), W().List1->ListCount());
            EXPECT_EQ(VisibleScene.FunSurfs.Count(), W().List1->ListCount());
            EXPECT_EQ(Result().Text(), cleared ? "" : "old line\r\n");
            // A successful save is forgotten by the New commands but New special.
            if (doc == Doc::YesSaved) {
                EXPECT_EQ(W().SaveSucceeded, c.kind == 7);
            }
        }
    }
}

TEST_F(DocumentCommandsTest, StartUpHasThePlaneSetAndTheClipboardCommands) {
    Start();
    EXPECT_EQ(CommandSet(), 0);
    EXPECT_FALSE(PlaybackOn());
    for (const char* item : ClipboardItems) EXPECT_TRUE(W().MenuItem(item)->isEnabled()) << item;
    for (int i = 13; i <= 16; ++i) EXPECT_TRUE(W().Toolbar1->IsButtonEnabled(i)) << i;
}

// The availability table, kind by kind, with the deliberate differences of
// menu and toolbar; what the table does not name keeps its state.
TEST_F(DocumentCommandsTest, EachKindHasItsCommandSet) {
    Start();
    const std::pair<void (frmF1::*)(), int> news[] = {{&frmF1::mnuFileNew3D_Click, 2},
                                                       {&frmF1::mnuFileSpe_Click, 3},
                                                       {&frmF1::mnuFileNew25D_Click, 1},
                                                       {&frmF1::mnuFileNew2D_Click, 0}};
    for (auto [run, set] : news) {
        SCOPED_TRACE(set);
        // A new document after an animated one: playback goes off.
        W().EnablePlayback();
        EXPECT_TRUE(PlaybackOn());
        (W().*run)();
        EXPECT_FALSE(PlaybackOn());
        if (set == 2) W().grab().save(RunFile("vexilon_mainwindow_3d.png"));
        for (const MenuRowSet& r : MenuSet) EXPECT_EQ(W().MenuItem(r.item)->isEnabled(), r.on[set]) << r.item;
        for (const ButtonSet& b : ButtonSets)
            EXPECT_EQ(Strip(b.toolbar)->IsButtonEnabled(b.index), b.on[set]) << b.toolbar << "/" << b.index;
        for (const char* item : ClipboardItems) EXPECT_TRUE(W().MenuItem(item)->isEnabled()) << item;
        for (int i = 13; i <= 16; ++i) EXPECT_TRUE(W().Toolbar1->IsButtonEnabled(i));
        for (const char* item : {"mnuFileOpen", "mnuEditDelete", "mnuEditDelAll", "mnuViewMove", "mnuViewZoom",
                                 "mnuViewFit", "mnuAniOpt", "mnuToolCal", "mnuHelpCon", "mnuFunDelete",
                                 "mnuGraphDelAll", "mnuDraw2DCart", "mnuAniSurCart", "mnuDrawStep"})
            EXPECT_TRUE(W().MenuItem(item)->isEnabled()) << item;
        for (int i : {2, 3, 4, 5, 7, 8, 9, 11, 17, 19}) EXPECT_TRUE(W().Toolbar1->IsButtonEnabled(i)) << i;
    }
}

TEST_F(DocumentCommandsTest, VisibleSceneFollowsTheTicksInTickOrder) {
    Start();
    Point(1, -1, 0);
    Point(2, 0, 0);
    Point(3, 1, 0);
    ASSERT_EQ(VisibleIDs(), (std::vector<std::int32_t>{1, 2, 3}));
    W().List1->SetTicked(0, false);
    EXPECT_EQ(VisibleIDs(), (std::vector<std::int32_t>{2, 3}));
    W().List1->SetTicked(0, true);
    EXPECT_EQ(VisibleIDs(), (std::vector<std::int32_t>{2, 3, 1}));
    EXPECT_TRUE(W().IsGraphShown(1));

    // A user's click on the check box does the same.
    QTest::mouseClick(W().List1->viewport(), Qt::LeftButton, {}, CheckBoxCentre(1));
    EXPECT_FALSE(W().List1->Ticked(1));
    EXPECT_EQ(VisibleIDs(), (std::vector<std::int32_t>{3, 1}));
    EXPECT_FALSE(W().IsGraphShown(2));
    W().grab().save(RunFile("vexilon_mainwindow_list.png"));

    // A new label is not a tick.
    const std::vector<std::int32_t> before = VisibleIDs();
    W().SetRowText(0, "renamed");
    EXPECT_EQ(VisibleIDs(), before);
    EXPECT_EQ(W().RowText(0), "renamed");
}

TEST_F(DocumentCommandsTest, TickingSamplesAgainButTablesAndVectors) {
    Start();
    auto function = Unticked(1, GraphType::Function2D);
    auto table = Unticked(2, GraphType::Table2D);
    auto vector = Unticked(3, GraphType::Vector);
    W().List1->SetTicked(0, true);
    EXPECT_TRUE(function->Vert3D.Exists());
    // The function is drawn: its line is in the result pane.
    EXPECT_EQ(Result().Text().substr(0, std::string("函数 y=x").size()), "函数 y=x");
    W().List1->SetTicked(1, true);
    W().List1->SetTicked(2, true);
    EXPECT_EQ(VisibleIDs(), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_FALSE(table->Vert3D.Exists());
    EXPECT_FALSE(vector->Vert3D.Exists());
}

TEST_F(DocumentCommandsTest, Deleting) {
    Start();
    Point(1, -1, 0);
    Point(2, 1, 0);
    Point(3, 0, 1);
    W().List1->SetTicked(1, false);
    W().Redraw();
    const QImage before = W().picDraw()->grabFramebuffer();

    // No current row: Delete does nothing.
    ASSERT_EQ(W().List1->ListIndex(), -1);
    W().MenuItem("mnuEditDelete")->trigger();
    EXPECT_EQ(W().List1->ListCount(), 3);

    // An unticked graph goes from the list and the document; the view stays.
    W().List1->SetListIndex(1);
    Click(1, 17);
    EXPECT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_EQ(VisibleIDs(), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(W().List1->ListIndex(), -1);
    W().Redraw();
    EXPECT_EQ(W().picDraw()->grabFramebuffer(), before);

    // A ticked graph goes from both scenes.
    W().List1->SetListIndex(0);
    W().FunEdit->actions().at(3)->trigger(); // 删除
    EXPECT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(VisibleIDs(), (std::vector<std::int32_t>{3}));
    EXPECT_EQ(W().List1->ItemText(0), "点 3");
    // The last one: an empty view, and the pane keeps its lines.
    Result().SetText("last lines\r\n");
    W().List1->SetListIndex(0);
    W().MenuItem("mnuEditDelete")->trigger();
    EXPECT_EQ(W().List1->ListCount(), 0);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
    EXPECT_EQ(Result().Text(), "last lines\r\n");
    W().Redraw();
    EXPECT_EQ(RedPixels(), 0);

    // Delete all: both scenes, the list, and the IDs start again at 1.
    Point(4, 0, 0);
    Point(5, 1, 1);
    GraphIDCounter = 5;
    W().MenuItem("mnuEditDelAll")->trigger();
    EXPECT_EQ(W().List1->ListCount(), 0);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
    EXPECT_EQ(GraphIDCounter, 0);
    EXPECT_EQ(box.Count(), 0u);
}

// The list's current row: a left click makes a row current, a right press
// on a row makes it current (unticked as it was) and opens the popup for it,
// a right press below the rows leaves it, taking the focus makes none current.
TEST_F(DocumentCommandsTest, CurrentRowAndThePopup) {
    Start();
    Point(1, -1, 0);
    Point(2, 1, 0);
    CheckListBox* list = W().List1;
    EXPECT_EQ(list->ListIndex(), -1);
    list->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(list->ListIndex(), -1);

    const QPoint first = list->visualItemRect(list->item(0)).center();
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_TRUE(list->Ticked(0));

    list->SetTicked(1, false);
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, second);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_TRUE(list->item(1)->isSelected());
    EXPECT_FALSE(list->Ticked(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return W().FunEdit->isVisible(); }, 2000));
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, second);
    EXPECT_EQ(list->ListIndex(), 1);
    W().FunEdit->hide();
    // Below the rows a right press leaves the current row.
    const QPoint below(second.x(), list->visualItemRect(list->item(1)).bottom() + 20);
    ASSERT_FALSE(list->indexAt(below).isValid());
    RightClickList(below);
    EXPECT_EQ(list->ListIndex(), 1);
    // On a row's check box a right press makes the row current and leaves
    // its tick as it was, ticked or not.
    for (int row : {0, 1}) {
        SCOPED_TRACE("check box of row " + std::to_string(row));
        RightClickList(CheckBoxCentre(row));
        EXPECT_EQ(list->ListIndex(), row);
        EXPECT_TRUE(list->Ticked(0));
        EXPECT_FALSE(list->Ticked(1));
    }
    // The popup's Delete acts on the row right-clicked.
    W().MenuItem("mnuFunDelete")->trigger();
    EXPECT_EQ(list->ListCount(), 1);
    EXPECT_EQ(list->ItemText(0), "点 1");
    EXPECT_EQ(list->ListIndex(), -1);
}

// The current row is the highlighted one: Ctrl with a click or a key does not
// take the highlight off the row the commands act on.
TEST_F(DocumentCommandsTest, TheCurrentRowStaysHighlighted) {
    Start();
    Point(1, -1, 0);
    Point(2, 1, 0);
    CheckListBox* list = W().List1;
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    ASSERT_EQ(list->ListIndex(), 0);
    ASSERT_TRUE(list->item(0)->isSelected());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, first);
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_TRUE(list->item(list->ListIndex())->isSelected());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(1)});
}

TEST_F(DocumentCommandsTest, ExitClosesTheWindow) {
    Start();
    W().MenuItem("mnuFileExit")->trigger();
    EXPECT_FALSE(W().isVisible());
}

} // namespace
