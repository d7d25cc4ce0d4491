// The wait cursor while the window computes: a sample opened, a document
// opened with File > Open, View > Fit, a graph dialog's OK, Paste, the
// animation options and a row's tick each run under it, from reading or
// sampling to the compiled view (an observer of the work looks at Qt's
// override cursor at the start and end of every stretch), and leave the
// normal cursor behind. A command's steps that follow one another keep it
// up: it is put up once, and once more only after a message or a closed
// dialog. A message a refused OK shows is asked with the normal cursor. A
// paint that compiles the lists again for a changed view, or is expected to
// take long, runs under it too.
#include "core/BusyWork.h"
#include "dialogs/frmF19.h"
#include "scene/Cls4.h"
#include "tests/samples/SampleWindow.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

bool WaitCursorOn() { return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor; }

// The message box, noting the cursor the user had while it asked.
class CursorNotingBox : public RecordingMessageBox {
public:
    MsgAnswer Show(const MessageRequest& request) override {
        waitCursor.push_back(WaitCursorOn());
        return RecordingMessageBox::Show(request);
    }
    std::vector<bool> waitCursor;
};

// Installed over the window's wait cursor while it lives: counts how often
// the cursor is put up.
class CountingIndicator : public BusyIndicator {
public:
    CountingIndicator() : shown_(CurrentBusyIndicator()) { SetBusyIndicator(this); }
    ~CountingIndicator() override {
        if (CurrentBusyIndicator() == this) SetBusyIndicator(shown_);
    }
    CountingIndicator(const CountingIndicator&) = delete;
    CountingIndicator& operator=(const CountingIndicator&) = delete;
    void Show() override {
        ++shows;
        shown_->Show();
    }
    void Hide() override { shown_->Hide(); }
    int shows = 0;

private:
    BusyIndicator* shown_;
};

class BusyCursor : public SampleWindowTest {
protected:
    // A new surface through Draw > 三维函数图形, its grid `steps` by `steps`,
    // typed into the space function dialog and confirmed.
    void NewSurface(const char* steps) {
        QTimer::singleShot(0, [steps] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            for (const auto& [box, text] : {std::pair{"Text2", "x*y"}, {"Text5", "-1"}, {"Text6", "1"},
                                            {"Text7", steps}, {"Text8", "-1"}, {"Text9", "1"}, {"Text10", steps}})
                dialog->findChild<QLineEdit*>(box)->setText(QString::fromUtf8(text));
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            // A refused OK leaves the dialog up.
            if (dialog->isVisible()) QTest::mouseClick(dialog->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        });
        Run("mnuDraw3DCart");
    }
};

TEST_F(BusyCursor, OnWhileGraphsAreSampledAndDrawnAndOffAfter) {
    CursorNotingBox messages;
    struct Row {
        const char* name;
        std::function<void()> run;
        std::vector<std::string> work; // stretches of work seen, the outermost first
        std::vector<std::string> asked; // messages, each with the cursor it was asked under
        std::int32_t graphs;            // in view afterwards
        int shows;                      // times the wait cursor was put up
    };
    const std::string cone = SamplesFolder() + "/3D/cone.pgp";
    RecordingClipboard clipboard;
    CountingIndicator cursor;
    const Row rows[] = {
        {"a sample", [&] { OpenSample("3D/sphere.pgp"); }, {"opening", "sampling", "drawing", "fitting"}, {}, 1, 1},
        {"File > Open",
         [&] {
             messages.Answer(MsgAnswer::No);
             fileDialog.Choose(cone);
             Run("mnuFileOpen");
         },
         {"opening", "sampling", "drawing"},
         {"是否保存当前图形？ normal"},
         1,
         1},
        {"View > Fit", [&] { Run("mnuViewFit"); }, {"fitting"}, {}, 1, 1},
        // The new row is drawn after the dialog has closed.
        {"a graph dialog's OK", [&] { NewSurface("200"); }, {"committing", "sampling", "drawing"}, {}, 2, 2},
        {"a graph dialog's OK refused for its many points", [&] { NewSurface("5000"); }, {"committing", "sampling"},
         {"采样点数过多。 normal"},
         2,
         2},
        {"Paste of the cone",
         [&] {
             W().List1->SetListIndex(0);
             Run("mnuEditCopy");
             Run("mnuEditPaste");
         },
         {"pasting", "sampling", "drawing"},
         {},
         3,
         1},
        // Every graph in view is sampled again, then the view compiled.
        {"the animation options with another frame count",
         [&] {
             const std::string frames = std::to_string(FrameCount + 2);
             QTimer::singleShot(0, [frames] {
                 frmF19& f = frmF19::Get();
                 f.text1->setText(QString::fromStdString(frames));
                 QTest::mouseClick(f.Command1, Qt::LeftButton);
             });
             Run("mnuAniOpt");
         },
         {"sampling", "drawing"},
         {},
         3,
         1},
        {"unticking a row", [&] { W().List1->SetTicked(2, false); }, {"drawing"}, {}, 2, 1},
        // The ticked graph is sampled, then the view compiled.
        {"ticking it again", [&] { W().List1->SetTicked(2, true); }, {"drawing", "sampling"}, {}, 3, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        // The paint the last command left waiting runs here, as the event
        // loop runs it before the user's next command: otherwise the next
        // command's dialog would run it, and one expected to take long (after
        // a slow compilation) would put the cursor up within that command.
        // (A repaint, which leaves no update waiting; a grab would.)
        W().picDraw()->repaint();
        messages.Clear();
        messages.waitCursor.clear();
        cursor.shows = 0;
        std::vector<std::string> started, notWaiting;
        SetBusyWorkObserver([&](std::string_view what, bool starting) {
            if (starting) started.emplace_back(what);
            if (!WaitCursorOn()) notWaiting.push_back(std::string(what) + (starting ? " start" : " end"));
        });
        r.run();
        SetBusyWorkObserver(nullptr);
        EXPECT_EQ(notWaiting, std::vector<std::string>{});
        ASSERT_FALSE(started.empty());
        EXPECT_EQ(started.front(), r.work.front());
        for (const std::string& w : r.work)
            EXPECT_NE(std::find(started.begin(), started.end(), w), started.end()) << w;
        std::vector<std::string> asked;
        for (std::size_t i = 0; i < messages.Count(); ++i)
            asked.push_back(messages.requests[i].text + (messages.waitCursor[i] ? " wait" : " normal"));
        EXPECT_EQ(asked, r.asked);
        EXPECT_EQ(VisibleScene.FunSurfs.Count(), r.graphs);
        EXPECT_EQ(cursor.shows, r.shows);
        // The normal cursor afterwards.
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(IsBusy());
    }
}

// A paint shows the wait cursor from start to end when it compiles the lists
// again for a view they were not drawn for (here zoomed out sixteen times
// from a sample's fitted view of a spiral in 600 segments), and when it is
// expected to take long; an ordinary paint leaves the cursor alone. A fit
// compiles the lists for its view itself, under its own wait cursor, so that
// the cursor goes up once for the fit and the paint after it.
TEST_F(BusyCursor, OnForAPaintThatDrawsTheListsAgainOrIsExpectedToTakeLong) {
    OpenSample("2D/logarithm helix line.pgp");
    ASSERT_EQ(box.Count(), 0u);
    W().picDraw()->grabFramebuffer();
    CountingIndicator cursor;
    struct Row {
        const char* name;
        std::function<void()> change;
        std::function<void()> command; // run before the paint, the cursor counted
        std::vector<std::string> work;  // stretches of work seen, in order
        int shows;
    };
    const Row rows[] = {
        {"a paint after a zoom out", [] { Camera.Zoom(16); }, [] {}, {"painting", "drawing"}, 1},
        {"a paint of the same lists", [] {}, [] {}, {}, 0},
        {"View > Fit and the paint after it", [] {}, [&] { Run("mnuViewFit"); }, {"fitting", "drawing"}, 1},
        {"a paint expected to take long", [&] { W().LongPaintSeconds = 0; }, [] {}, {"painting"}, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        r.change();
        cursor.shows = 0;
        std::vector<std::string> started, notWaiting;
        SetBusyWorkObserver([&](std::string_view what, bool starting) {
            if (starting) started.emplace_back(what);
            if (!WaitCursorOn()) notWaiting.push_back(std::string(what) + (starting ? " start" : " end"));
        });
        r.command();
        W().picDraw()->grabFramebuffer();
        SetBusyWorkObserver(nullptr);
        EXPECT_EQ(started, r.work);
        EXPECT_EQ(notWaiting, std::vector<std::string>{});
        EXPECT_EQ(cursor.shows, r.shows);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(box.Count(), 0u);
}

} // namespace
