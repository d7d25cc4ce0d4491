// Copy, Cut and Paste of the main window as a user runs them (menu items,
// popup items, toolbar buttons), over a recording clipboard.
#include "core/Globals.h"
#include "document/ClipboardExchange.h"
#include "document/GraphLabels.h"
#include "document/TokenReader.h"
#include "platform/CheckListBox.h"
#include "tests/app/MainWindowFixture.h"

#include "core/ViewCapture.h"
#include "platform/PictureImage.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>

namespace {

class ClipboardTest : public MainWindowFixture {
protected:
    // A point of a plane document at (x, y), sampled, in both scenes with its
    // ticked row, under the next ID.
    std::shared_ptr<Cls9> SampledPoint(const char* x, const char* y, std::int32_t colour) {
        const std::int32_t id = ++GraphIDCounter;
        auto g = Cls9::Init(id, "P", GraphType::Point, CoordType::PlaneCartesian, "0", x, y, 1, 1, 0, 0, 0, 0,
                            FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
        g->PointColor = colour;
        g->PointSize = 12;
        g->GetPoints();
        Add(DocumentScene, g);
        Add(VisibleScene, g);
        W().AddTickedRow(DocumentRowLabel(DocumentKind, *g));
        return g;
    }
    void Run(const char* item) { W().MenuItem(item)->trigger(); }
    std::shared_ptr<Cls9> Graph(std::int64_t position) { return DocumentScene.FunSurfs.Item(position); }
    bool Shown(const std::shared_ptr<Cls9>& g) { return W().IsGraphShown(g->ID); }
    // A graph's record with the ID of `id`.
    static std::string RecordAs(Cls9& g, std::int32_t id) {
        const std::int32_t own = g.ID;
        g.ID = id;
        std::string record = g.Save();
        g.ID = own;
        return record;
    }

    RecordingClipboard clipboard;
};

// Copy puts the current row's graph record after the document kind; Paste
// adds it again under the next ID, sampled, at the end of both scenes and the
// list, ticked.
TEST_F(ClipboardTest, CopyThenPasteAddsTheGraphUnderTheNextId) {
    Start();
    auto red = SampledPoint("-1", "0.5", RGB(255, 0, 0));
    W().List1->SetListIndex(0);
    Run("mnuEditCopy");
    EXPECT_EQ(clipboard.text, "1 " + red->Save());
    EXPECT_EQ(W().ClipboardGraphCount, 1);

    Run("mnuEditPaste");
    Run("mnuEditPaste");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 3);
    ASSERT_EQ(W().List1->ListCount(), 3);
    for (std::int32_t id : {2, 3}) {
        SCOPED_TRACE(id);
        auto pasted = Graph(id);
        EXPECT_NE(pasted, red);
        EXPECT_EQ(pasted->ID, id);
        EXPECT_EQ(pasted->Save(), RecordAs(*red, id));
        EXPECT_EQ(VisibleScene.FunSurfs.Item(GraphKey(id)), pasted);
        EXPECT_EQ(pasted->Vert3D(0, 0).x, red->Vert3D(0, 0).x);
        EXPECT_EQ(pasted->Vert3D(0, 0).y, red->Vert3D(0, 0).y);
        EXPECT_EQ(W().List1->ItemText(id - 1), DocumentRowLabel(1, *red));
        EXPECT_TRUE(W().List1->Ticked(id - 1));
    }
    EXPECT_EQ(GraphIDCounter, 3);
    EXPECT_EQ(W().List1->ListIndex(), 0);
    EXPECT_EQ(box.Count(), 0u);
}

// A name of more blanks than a hundred comes back whole, and every field
// after it with it.
TEST_F(ClipboardTest, ANameOfManyBlanksIsPastedWhole) {
    Start();
    std::string words = "点";
    for (int k = 0; k < 120; ++k) words += " p";
    const std::string names[] = {std::string(120, ' '), words};
    for (const std::string& name : names) {
        SCOPED_TRACE(name.substr(0, 8));
        W().DeleteAllGraphs();
        auto named = SampledPoint("-1", "0.5", RGB(255, 0, 0));
        named->NameS = name;
        W().List1->SetListIndex(0);
        Run("mnuEditCopy");
        Run("mnuEditPaste");
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        const auto pasted = Graph(2);
        EXPECT_EQ(pasted->NameS, name);
        EXPECT_EQ(pasted->Save(), RecordAs(*named, pasted->ID));
        EXPECT_EQ(W().List1->ItemText(1), DocumentRowLabel(1, *named));
        EXPECT_TRUE(Shown(pasted));
    }
    EXPECT_EQ(box.Count(), 0u);
}

// The new row takes the tick of the current row: ticked, it is drawn at
// once; unticked, the tick handling takes it out of view; with no current
// row it is ticked.
TEST_F(ClipboardTest, ThePastedRowTakesTheCurrentRowsTick) {
    Start();
    auto red = SampledPoint("-1", "0.5", RGB(255, 0, 0));
    SampledPoint("1", "-0.5", RGB(0, 0, 255));
    W().List1->SetListIndex(0);
    Run("mnuEditCopy");
    W().List1->SetTicked(0, false);
    QTest::qWait(50);
    ASSERT_EQ(RedPixels(), 0);

    // Current row ticked (the blue point): the pasted red point shows.
    W().List1->SetListIndex(1);
    Run("mnuEditPaste");
    EXPECT_TRUE(W().List1->Ticked(2));
    EXPECT_TRUE(Shown(Graph(3)));
    QTest::qWait(50);
    EXPECT_GT(RedPixels(), 20);
    W().grab().save(RunFile("vexilon_paste_ticked.png"));

    // Current row unticked (the red original): the pasted one stays hidden.
    W().DeleteGraph(3);
    W().List1->SetListIndex(0);
    Run("mnuEditPaste");
    ASSERT_EQ(W().List1->ListCount(), 3);
    EXPECT_FALSE(W().List1->Ticked(2));
    EXPECT_FALSE(Shown(Graph(3)));
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 1);
    QTest::qWait(50);
    EXPECT_EQ(RedPixels(), 0);

    // No current row: ticked.
    W().List1->SetListIndex(-1);
    Run("mnuEditPaste");
    EXPECT_TRUE(W().List1->Ticked(3));
    EXPECT_TRUE(Shown(Graph(4)));
    EXPECT_EQ(Graph(4)->ID, 5);
    (void)red;
}

TEST_F(ClipboardTest, CopyNeedsAVisibleGraphAndACurrentRow) {
    Start();
    auto red = SampledPoint("-1", "0.5", RGB(255, 0, 0));
    auto blue = SampledPoint("1", "0.5", RGB(0, 0, 255));
    clipboard.text = "untouched";

    // No current row.
    W().List1->SetListIndex(-1);
    Run("mnuEditCopy");
    EXPECT_EQ(clipboard.textWrites, 0);

    // Nothing in view, though the document holds graphs.
    W().List1->SetTicked(0, false);
    W().List1->SetTicked(1, false);
    W().List1->SetListIndex(0);
    Run("mnuEditCopy");
    Run("mnuEditCut");
    EXPECT_EQ(clipboard.textWrites, 0);
    EXPECT_EQ(clipboard.text, "untouched");
    EXPECT_EQ(W().ClipboardGraphCount, 0);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);

    // Paste does nothing before a Copy, whatever the clipboard holds.
    clipboard.text = "1 " + red->Save();
    Run("mnuEditPaste");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);

    // An unticked current row is copied while another graph is in view.
    W().List1->SetTicked(1, true);
    Run("mnuEditCopy");
    EXPECT_EQ(clipboard.text, "1 " + red->Save());
    EXPECT_EQ(W().ClipboardGraphCount, 1);
    (void)blue;
}

// Cut copies and deletes; a graph whose kind has no record is copied as the
// document kind alone, stays, and pastes nothing.
TEST_F(ClipboardTest, CutDeletesOnlyAGraphWhoseRecordWasCopied) {
    Start();
    auto red = SampledPoint("-1", "0.5", RGB(255, 0, 0));
    auto odd = SampledPoint("1", "0.5", RGB(0, 0, 255));
    odd->GraphType = 16;
    W().List1->SetListIndex(0);
    Run("mnuEditCut");
    EXPECT_EQ(clipboard.text, "1 " + red->Save());
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(Graph(1), odd);
    EXPECT_EQ(W().List1->ListCount(), 1);

    W().List1->SetListIndex(0);
    Run("mnuEditCut");
    EXPECT_EQ(clipboard.text, "1 ");
    EXPECT_EQ(W().ClipboardGraphCount, 1);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    Run("mnuEditPaste");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(W().List1->ListCount(), 1);
}

// Paste takes what the document's kind accepts, and changes neither the
// kind nor the animation settings or commands.
TEST_F(ClipboardTest, PasteKeepsTheDocumentAsItIs) {
    Start();
    auto red = SampledPoint("-1", "0.5", RGB(255, 0, 0));
    W().List1->SetListIndex(0);
    Run("mnuEditCopy");
    auto moving = Cls9::Init(9, "M", GraphType::PointAnimation, CoordType::PlaneCartesian, "0", "t", "0", 1, 1, 0,
                             0, 0, 0, FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
    moving->Animation = true;
    moving->MinT = 0;
    moving->MaxT = 2;
    FrameCount = 99;
    FramesPerSecond = 7;
    const std::string animated = ClipboardGraphText(1, *moving);
    FrameCount = 20;
    FramesPerSecond = 5;

    clipboard.text = "3" + animated.substr(1);
    Run("mnuEditPaste");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);

    clipboard.text = "4" + animated.substr(1);
    Run("mnuEditPaste");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_TRUE(Graph(2)->Animation);
    EXPECT_EQ(Graph(2)->MaxT, 2.0f);
    EXPECT_EQ(DocumentKind, 1);
    EXPECT_EQ(FrameCount, 20);
    EXPECT_EQ(FramesPerSecond, 5);
    EXPECT_FALSE(W().MenuItem("mnuAniStartb")->isEnabled());
    EXPECT_FALSE(W().Toolbar1->IsButtonEnabled(33));

    // A graph whose texts do not compile is pasted, listed and kept.
    std::vector<std::string> tokens = SplitTokens("1 " + RecordAs(*Graph(1), 1));
    ASSERT_GT(tokens.size(), 6u);
    tokens[6] = "((";
    std::string broken;
    for (const std::string& t : tokens) broken += (broken.empty() ? "" : " ") + t;
    clipboard.text = broken;
    Run("mnuEditPaste");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 3);
    EXPECT_EQ(Graph(3)->ExpressY, "((");
    EXPECT_EQ(W().List1->ListCount(), 3);
}

// The popup items and the toolbar buttons run the same handlers, and the
// commands are on in every document kind.
TEST_F(ClipboardTest, PopupItemsAndButtonsInEveryKind) {
    Start();
    for (auto news : {&frmF1::mnuFileNew2D_Click, &frmF1::mnuFileNew25D_Click, &frmF1::mnuFileNew3D_Click,
                      &frmF1::mnuFileSpe_Click}) {
        if (DocumentScene.FunSurfs.Count() > 0) box.Answer(MsgAnswer::No);
        (W().*news)();
        SCOPED_TRACE(DocumentKind);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 0);
        for (const char* item : {"mnuEditCut", "mnuEditCopy", "mnuEditCopyAs", "mnuEditPaste", "mnuFunCut",
                                 "mnuFunCopy", "mnuGraphPaste", "mnuGraphCopyAs"})
            EXPECT_TRUE(W().MenuItem(item)->isEnabled()) << item;
        for (int i = 13; i <= 16; ++i) EXPECT_TRUE(W().Toolbar1->IsButtonEnabled(i)) << i;

        auto g = SampledPoint("0", "0", RGB(255, 0, 0));
        W().List1->SetListIndex(0);
        clipboard.text.clear();
        Click(1, 14);
        EXPECT_EQ(clipboard.text, std::to_string(DocumentKind) + " " + g->Save());
        Click(1, 16);
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
        clipboard.text.clear();
        Run("mnuFunCopy");
        EXPECT_EQ(clipboard.text, std::to_string(DocumentKind) + " " + g->Save());
        Run("mnuGraphPaste");
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 3);
        Click(1, 13);
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
        W().List1->SetListIndex(0);
        Run("mnuFunCut");
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    }
}

// Copy as bitmap: the drawn view as a picture in device pixels and no text,
// so a later Paste adds nothing; pending events do not run; the popup item
// and the toolbar button run it too; nothing without a graph in view.
TEST_F(ClipboardTest, CopyAsBitmapPutsThePictureAndNoText) {
    Start();
    SampledPoint("-1", "0.5", RGB(255, 0, 0));
    W().List1->SetListIndex(0);
    Run("mnuEditCopy");
    QTest::qWait(50);

    // The pending call never runs in this test: it is tied to an object of
    // the test, so it cannot run in a later one and write into a dead frame.
    bool pendingRan = false;
    QObject pendingOwner;
    QTimer::singleShot(0, &pendingOwner, [&] { pendingRan = true; });
    Run("mnuEditCopyAs");
    EXPECT_FALSE(pendingRan);
    ASSERT_TRUE(clipboard.picture.has_value());
    EXPECT_EQ(clipboard.text, "");
    const QImage shown = W().picDraw()->grabFramebuffer();
    const auto expected = PictureRowsFromFramebuffer(shown);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(clipboard.picture->Width, expected->Width);
    EXPECT_EQ(clipboard.picture->Height, expected->Height);
    EXPECT_EQ(clipboard.picture->Width, qRound(W().picDraw()->width() * W().picDraw()->devicePixelRatioF()));
    EXPECT_TRUE(clipboard.picture->Rgb == expected->Rgb);
    EXPECT_EQ(W().ClipboardGraphCount, 1);

    Run("mnuEditPaste");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);

    Run("mnuGraphCopyAs");
    Click(1, 15);
    EXPECT_EQ(clipboard.pictureWrites, 3);

    W().List1->SetTicked(0, false);
    Run("mnuEditCopyAs");
    EXPECT_EQ(clipboard.pictureWrites, 3);
    EXPECT_EQ(box.Count(), 0u);
}

// A window over the drawing area is not copied: the picture equals the one
// taken with the area uncovered.
TEST_F(ClipboardTest, AWindowOverTheAreaIsNotCaptured) {
    Start();
    SampledPoint("-1", "0.5", RGB(255, 0, 0));
    QTest::qWait(50);
    const std::optional<PictureRows> uncovered = ViewCapture().CaptureView();
    ASSERT_TRUE(uncovered.has_value());

    QWidget cover(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    QPalette green;
    green.setColor(QPalette::Window, QColor(0, 200, 0));
    cover.setPalette(green);
    cover.setAutoFillBackground(true);
    const QRect area(W().picDraw()->mapToGlobal(QPoint(0, 0)), W().picDraw()->size());
    cover.setGeometry(area);
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    // The screen shows the cover over the area (on a loaded machine the X
    // server may take a while to paint it).
    QImage screen;
    const auto coverShown = [&] {
        screen = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                     .toImage();
        return screen.pixelColor(screen.width() / 2, screen.height() / 2) == QColor(0, 200, 0);
    };
    EXPECT_TRUE(QTest::qWaitFor(coverShown, 5000));
    screen.save(RunFile("vexilon_covered_area.png"));

    Run("mnuEditCopyAs");
    ASSERT_TRUE(clipboard.picture.has_value());
    EXPECT_EQ(clipboard.picture->Width, uncovered->Width);
    EXPECT_EQ(clipboard.picture->Height, uncovered->Height);
    EXPECT_TRUE(clipboard.picture->Rgb == uncovered->Rgb);
    ImageFromPictureRows(*clipboard.picture).save(RunFile("vexilon_copy_as_bitmap.png"));
}

} // namespace
