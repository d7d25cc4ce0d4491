#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageHoldBack, HeldUntilReleaseThenEachDistinctMessageOnce) {
    RecordingMessageBox box;
    {
        MessageHoldBack hold;
        // Held messages are answered as the silent service answers.
        EXPECT_EQ(MsgBox("a", MsgIcon::Critical, ErrorTitle), MsgAnswer::OK);
        EXPECT_EQ(MsgBox("a", MsgIcon::Critical, ErrorTitle), MsgAnswer::OK);
        EXPECT_EQ(MsgBox("b", MsgIcon::Exclamation, ErrorTitle, MsgButtons::YesNo), MsgAnswer::Yes);
        EXPECT_EQ(MsgBox("a", MsgIcon::Critical, NoticeTitle), MsgAnswer::OK); // another title
        {
            MessageHoldBack inner; // passes its messages to the open scope
            MsgBox("c");
        }
        EXPECT_EQ(box.Count(), 0u);
        hold.Release();
        ASSERT_EQ(box.Count(), 4u);
        EXPECT_EQ(box.requests[0].text, "a");
        EXPECT_EQ(box.requests[0].title, ErrorTitle);
        EXPECT_EQ(box.requests[0].icon, MsgIcon::Critical);
        EXPECT_EQ(box.requests[1].text, "b");
        EXPECT_EQ(box.requests[1].buttons, MsgButtons::YesNo);
        EXPECT_EQ(box.requests[2].title, NoticeTitle);
        EXPECT_EQ(box.requests[3].text, "c");
        EXPECT_EQ(box.requests[3].title, AppTitle);
        // Closed: messages go straight through again.
        MsgBox("d");
        EXPECT_EQ(box.Count(), 5u);
    }
    EXPECT_EQ(box.Count(), 5u); // the destructor shows nothing twice

    // A scope left without Release (an error on its way) still shows its messages.
    box.Clear();
    try {
        MessageHoldBack hold;
        MsgBox("e");
        throw 1;
    } catch (int) {
    }
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "e");
}

TEST(MessageSilence, DropsWhatIsRaisedWhileOpenAlsoUnderAHoldBack) {
    RecordingMessageBox box;
    {
        MessageSilence quiet;
        EXPECT_EQ(MsgBox("a", MsgIcon::Critical, ErrorTitle), MsgAnswer::OK);
        EXPECT_EQ(MsgBox("b", MsgIcon::Question, NoticeTitle, MsgButtons::YesNo), MsgAnswer::Yes);
        {
            MessageSilence inner;
            MsgBox("c");
        }
        MsgBox("d"); // the outer one is still open
    }
    EXPECT_EQ(box.Count(), 0u);
    MsgBox("e");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "e");

    // A hold-back around it keeps nothing of what was dropped.
    box.Clear();
    {
        MessageHoldBack hold;
        {
            MessageSilence quiet;
            MsgBox("f");
        }
        MsgBox("g");
    }
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "g");
}

TEST(MessageHoldBack, NotShownAgainWhileOnlyTurningTheSameScene) {
    RecordingMessageBox box;
    const auto rebuild = [](bool onlyTurning, const std::vector<std::string>& texts) {
        MessageHoldBack hold(onlyTurning);
        for (const std::string& t : texts) MsgBox(t, MsgIcon::Critical, ErrorTitle);
    };
    rebuild(false, {"m"});
    EXPECT_EQ(box.Count(), 1u);
    rebuild(true, {"m"});
    rebuild(true, {"m"});
    EXPECT_EQ(box.Count(), 1u);
    rebuild(true, {"m", "n"}); // a new message shows once, then is held back too
    rebuild(true, {"n"});
    ASSERT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.Last().text, "n");
    rebuild(false, {"m"}); // any other rebuild shows it again
    EXPECT_EQ(box.Count(), 3u);
    EXPECT_EQ(box.Last().text, "m");
    rebuild(true, {"n"}); // forgotten by the last full rebuild
    EXPECT_EQ(box.Count(), 4u);
    // Outside a scope nothing is held back or suppressed.
    MsgBox("m", MsgIcon::Critical, ErrorTitle);
    EXPECT_EQ(box.Count(), 5u);
}

TEST(ResultPane, LinesAreAppendedWithCrLfAndTheRecordingPaneInstallsItself) {
    Result().SetText("");
    AppendResultLine("built-in");
    EXPECT_EQ(Result().Text(), "built-in\r\n");
    {
        RecordingResultPane pane;
        EXPECT_EQ(&Result(), &pane);
        EXPECT_EQ(pane.Text(), "");
        AppendResultLine("x = 1");
        AppendResultLine("");
        AppendResultLine("y = 0.5");
        EXPECT_EQ(pane.Text(), "x = 1\r\n\r\ny = 0.5\r\n");
    }
    EXPECT_EQ(Result().Text(), "built-in\r\n");
    // A pane that can only set its whole text gets the lines through it.
    struct SetOnlyPane : ResultPane {
        std::string Text() const override { return text; }
        void SetText(const std::string& t) override {
            text = t;
            ++sets;
        }
        std::string text = "a\r\n";
        int sets = 0;
    } setOnly;
    SetResultPane(&setOnly);
    AppendResultLine("b");
    SetResultPane(nullptr);
    EXPECT_EQ(setOnly.text, "a\r\nb\r\n");
    EXPECT_EQ(setOnly.sets, 1);
    Result().SetText("");
}

} // namespace
