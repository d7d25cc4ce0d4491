// The handler guard and the list of loaded forms of the dialog framework.
#include "core/Errors.h"
#include "core/MessageService.h"
#include "dialogs/DialogForm.h"
#include "dialogs/MainWindowLink.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingMainWindow.h"
#include "tests/support/RecordingServices.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// An error of every kind a handler may raise, and the text the guard shows.
TEST(HandlerGuard, ShowsTheErrorsTextAndEndsTheCommand) {
    ProgramStateGuard state;
    struct Case {
        std::function<void()> raise;
        std::string text;
    };
    const Case cases[] = {
        {[] { throw RaisedError(457, "此键已经与该集合的一个元素相关联"); }, "此键已经与该集合的一个元素相关联"},
        {[] { RaiseSubscriptError(); }, "下标越界"},
        {[] { throw MathFault(MathFault::Kind::Overflow); }, "溢出"},
        {[] { throw MathFault(MathFault::Kind::DivisionByZero); }, "除数为零。"},
        {[] { throw MathFault(MathFault::Kind::Invalid); }, "表达式非法。"},
        {[] { CheckFinite(1.0 / 0.0 * 0.0); }, "表达式非法。"},
        {[] { throw std::runtime_error("disk full"); }, "disk full"},
    };
    RecordingMessageBox box;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        box.Clear();
        bool after = false;
        RunGuarded([&] {
            c.raise();
            after = true;
        });
        EXPECT_FALSE(after);
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, c.text);
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
        EXPECT_EQ(box.Last().buttons, MsgButtons::OK);
    }
    // A handler that raises nothing shows nothing.
    box.Clear();
    int runs = 0;
    RunGuarded([&] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(box.Count(), 0u);
}

// A button's clicked handler connected through the guard: the error is shown
// and the event loop goes on.
TEST(HandlerGuard, GuardsAQtConnection) {
    ProgramStateGuard state;
    RecordingMessageBox box;
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, &button, Guarded([] { RaiseOverflowError(); }));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.Last().text, "溢出");
}

class frmFirst : public DialogForm<frmFirst> {};
class frmSecond : public DialogForm<frmSecond> {};

// Records the order in which forms are hidden.
class HideRecorder : public QObject {
public:
    std::vector<QObject*> hidden;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) hidden.push_back(watched);
        return false;
    }
};

TEST(LoadedForms, InLoadOrderAndUnloadedLastFirst) {
    ProgramStateGuard state;
    ASSERT_TRUE(FormBase::LoadedForms().empty());
    frmSecond& second = frmSecond::Get();
    frmFirst& first = frmFirst::Get();
    EXPECT_EQ(FormBase::LoadedForms(), (std::vector<FormBase*>{&second, &first}));
    // Unloading one takes it off the list; loading it again puts it last.
    second.Unload();
    EXPECT_EQ(FormBase::LoadedForms(), (std::vector<FormBase*>{&first}));
    frmSecond& again = frmSecond::Get();
    EXPECT_EQ(FormBase::LoadedForms(), (std::vector<FormBase*>{&first, &again}));

    HideRecorder recorder;
    first.show();
    again.show();
    first.installEventFilter(&recorder);
    again.installEventFilter(&recorder);
    FormBase::UnloadAll();
    EXPECT_TRUE(FormBase::LoadedForms().empty());
    EXPECT_FALSE(frmFirst::Loaded());
    EXPECT_FALSE(frmSecond::Loaded());
    EXPECT_EQ(recorder.hidden, (std::vector<QObject*>{&again, &first}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

namespace {

// Without a main window the dialogs see an empty list; a double installs
// itself while it lives.
TEST(MainWindowLink, DefaultAndDouble) {
    EXPECT_EQ(MainWindow().CurrentRow(), -1);
    EXPECT_EQ(MainWindow().RowCount(), 0);
    MainWindow().Rebuild();
    {
        RecordingMainWindow window;
        window.rows = {"a", "b"};
        window.currentRow = 1;
        EXPECT_EQ(MainWindow().CurrentRow(), 1);
        MainWindow().SetRowText(1, "c");
        MainWindow().AddTickedRow("d");
        MainWindow().EnablePlayback();
        EXPECT_EQ(window.rows, (std::vector<std::string>{"a", "c", "d"}));
        EXPECT_TRUE(window.playbackOn);
    }
    EXPECT_EQ(MainWindow().RowCount(), 0);
}

} // namespace
