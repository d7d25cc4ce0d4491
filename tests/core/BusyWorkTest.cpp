// The busy indicator: shown once while any work lives, whatever the nesting,
// hidden while a message box asks the user, and never left on by work that
// ends in an error.
#include "core/BusyWork.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Records every change: '+' shown, '-' hidden.
class RecordingIndicator : public BusyIndicator {
public:
    void Show() override { changes += '+'; }
    void Hide() override { changes += '-'; }
    bool On() const { return !changes.empty() && changes.back() == '+'; }
    std::string changes;
};

// A message box that notes whether the indicator was on when it was asked.
class NotingMessageBox : public RecordingMessageBox {
public:
    explicit NotingMessageBox(const RecordingIndicator& indicator) : indicator_(indicator) {}
    MsgAnswer Show(const MessageRequest& request) override {
        indicatorOn.push_back(indicator_.On());
        return RecordingMessageBox::Show(request);
    }
    std::vector<bool> indicatorOn;

private:
    const RecordingIndicator& indicator_;
};

class BusyWorkTest : public ProgramStateTest {
protected:
    void SetUp() override { SetBusyIndicator(&indicator); }
    void TearDown() override { SetBusyIndicator(nullptr); }
    RecordingIndicator indicator;
};

TEST_F(BusyWorkTest, ShownOnceForNestedWorkAndHiddenAfterIt) {
    struct Case {
        const char* name;
        void (*work)();
        const char* changes;
    };
    const Case cases[] = {
        {"one scope", [] { BusyWork w(BusyWorkKind::Sampling); }, "+-"},
        {"nested scopes", [] {
             BusyWork outer(BusyWorkKind::Opening);
             { BusyWork a(BusyWorkKind::Sampling); }
             { BusyWork b(BusyWorkKind::Drawing); }
         }, "+-"},
        {"two scopes one after the other", [] {
             { BusyWork a(BusyWorkKind::Sampling); }
             { BusyWork b(BusyWorkKind::Drawing); }
         }, "+-+-"},
        {"a pause inside", [] {
             BusyWork w(BusyWorkKind::Exporting);
             BusyPause p;
             BusyPause nested;
         }, "+-+-"},
        {"work inside a pause", [] {
             BusyPause p;
             BusyWork w(BusyWorkKind::Drawing);
         }, ""},
        {"an error ends the work", [] {
             try {
                 BusyWork w(BusyWorkKind::Committing);
                 BusyWork inner(BusyWorkKind::Sampling);
                 throw std::runtime_error("fault");
             } catch (const std::runtime_error&) {
             }
         }, "+-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        indicator.changes.clear();
        c.work();
        EXPECT_EQ(indicator.changes, c.changes);
        EXPECT_FALSE(IsBusy());
    }
}

// A box asks the user: the indicator is off while it shows, held-back
// messages too, and on again after it while the work goes on.
TEST_F(BusyWorkTest, MessageBoxesShowWithTheIndicatorOff) {
    NotingMessageBox box(indicator);
    {
        BusyWork w(BusyWorkKind::Sampling);
        EXPECT_TRUE(indicator.On());
        MsgBox("采样点数过多。", MsgIcon::Critical, ErrorTitle);
        EXPECT_TRUE(indicator.On());
        MessageHoldBack hold;
        MsgBox("溢出");
        EXPECT_EQ(box.indicatorOn.size(), 1u);
        hold.Release();
        EXPECT_TRUE(indicator.On());
    }
    EXPECT_EQ(box.indicatorOn, (std::vector<bool>{false, false}));
    EXPECT_EQ(indicator.changes, "+-+-+-");
    // Outside work the indicator is never touched.
    indicator.changes.clear();
    MsgBox("注意");
    EXPECT_EQ(indicator.changes, "");
}

// An indicator installed while work is under way takes over at once; the
// observer sees each scope begin and end with the indicator on.
TEST_F(BusyWorkTest, AnotherIndicatorTakesOverAndTheObserverSeesTheWork) {
    RecordingIndicator second;
    std::vector<std::string> seen;
    SetBusyWorkObserver([&](std::string_view what, bool starting) {
        seen.push_back(std::string(starting ? "start " : "end ") + std::string(what) + (second.On() ? " on" : " off"));
    });
    {
        BusyWork w(BusyWorkKind::Opening);
        SetBusyIndicator(&second);
        EXPECT_EQ(indicator.changes, "+-");
        EXPECT_EQ(second.changes, "+");
        BusyWork s(BusyWorkKind::Sampling);
    }
    EXPECT_EQ(second.changes, "+-");
    EXPECT_EQ(seen, (std::vector<std::string>{"start opening off", "start sampling on", "end sampling on",
                                              "end opening on"}));
    SetBusyIndicator(nullptr);
    { BusyWork w(BusyWorkKind::Drawing); }
    EXPECT_EQ(second.changes, "+-");
}

} // namespace
