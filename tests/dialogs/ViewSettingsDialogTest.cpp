// The view settings dialog "视图设置", typed into as a user does.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "dialogs/frmF14.h"
#include "scene/Cls4.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/RunFolder.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

float* const Range[7] = {nullptr, &ViewMinX, &ViewMaxX, &ViewMinY, &ViewMaxY, &ViewMinZ, &ViewMaxZ};

class ViewSettingsDialog : public ProgramStateTest {
protected:
    void SetUp() override {
        // The load step's range.
        ViewMinX = ViewMinY = ViewMinZ = -500;
        ViewMaxX = ViewMaxY = ViewMaxZ = 500;
    }
    void TearDown() override {
        if (frmF14::Loaded()) frmF14::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmF14& Open() {
        frmF14& f = frmF14::Get();
        f.show();
        return f;
    }
    static QLineEdit* Box(frmF14& f, int n) { return f.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n)); }
    static std::string BoxText(frmF14& f, int n) { return Box(f, n)->text().toStdString(); }
    // Types the six texts into Text1..Text6.
    static void Type(frmF14& f, const std::array<const char*, 6>& texts) {
        for (int n = 1; n <= 6; ++n) {
            Box(f, n)->clear();
            QTest::keyClicks(Box(f, n), QString::fromUtf8(texts[static_cast<std::size_t>(n - 1)]));
        }
    }
    // A click on the button's face (a radio button's circle at its left end).
    static void Click(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QRadioButton*>(w) ? QPoint(6, w->height() / 2) : QPoint());
    }
    static void ExpectRangeAtStart(const char* when) {
        for (int n = 1; n <= 6; ++n) EXPECT_EQ(*Range[n], n % 2 == 1 ? -500 : 500) << when << " Text" << n;
    }
};

TEST_F(ViewSettingsDialog, ShowsTheProjectionAndTheRange) {
    ViewMaxY = 1.5f;
    ViewMinZ = -2.5e7f;
    ViewMaxZ = 0.1f;
    frmF14& f = Open();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("视图设置"));
    const char* captions[][2] = {{"Option1", "正交投影"}, {"Option2", "透视投影"}};
    for (auto& c : captions)
        EXPECT_EQ(f.findChild<QRadioButton*>(c[0])->text(), QString::fromUtf8(c[1])) << c[0];
    EXPECT_EQ(f.findChild<QGroupBox*>("Frame1")->title(), QString::fromUtf8("投影类型"));
    EXPECT_EQ(f.findChild<QGroupBox*>("Frame2")->title(), QString::fromUtf8("视图范围"));
    const char* labels[] = {"最小x", "最大x", "最小y", "最大y", "最小z", "最大z"};
    // Values are shown as the filter accepts them, and read back exactly.
    const char* texts[] = {"-500", "500", "-500", "1.5", "-25000000", "0.1"};
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text(), QString::fromUtf8(labels[n - 1]));
        EXPECT_EQ(BoxText(f, n), texts[n - 1]) << n;
    }
    EXPECT_EQ(f.Command1->text(), QString::fromUtf8("确定"));
    EXPECT_EQ(f.Command2->text(), QString::fromUtf8("取消"));
    EXPECT_TRUE(f.Option1->isChecked());
    EXPECT_FALSE(f.Option2->isChecked());
    f.grab().save(RunFile("view_settings_dialog.png"));
    f.Unload();

    // Perspective selects Option2; a type of another value neither.
    for (std::int32_t type : {2, 5}) {
        Camera.ProjectType = type;
        frmF14& g = Open();
        EXPECT_FALSE(g.Option1->isChecked()) << type;
        EXPECT_EQ(g.Option2->isChecked(), type == 2) << type;
        // OK with neither chosen keeps the type; unchanged boxes store the
        // values they showed.
        Click(g.Command1);
        EXPECT_FALSE(frmF14::Loaded());
        EXPECT_EQ(Camera.ProjectType, type);
        EXPECT_EQ(ViewMinZ, -2.5e7f);
        EXPECT_EQ(ViewMaxZ, 0.1f);
    }
}

TEST_F(ViewSettingsDialog, OkFiltersEveryBoxWritesItBackAndStoresTheLeadingNumbers) {
    RecordingMessageBox box;
    frmF14& f = Open();
    Type(f, {"1,5", " 2 0 ", "", "1e3", "1E-50", "--5"});
    Click(f.Option2);
    Click(f.Command1);
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF14::Loaded());
    EXPECT_EQ(ViewMinX, 1.5f);
    EXPECT_EQ(ViewMaxX, 20);
    EXPECT_EQ(ViewMinY, 0);
    EXPECT_EQ(ViewMaxY, 1000);
    EXPECT_EQ(ViewMinZ, 0); // too small for a Single
    EXPECT_EQ(ViewMaxZ, 0); // no leading number
    EXPECT_EQ(Camera.ProjectType, 2);

    // Reopened, the dialog shows what was stored.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmF14& again = Open();
    const char* shown[] = {"1.5", "20", "0", "1000", "0", "0"};
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(BoxText(again, n), shown[n - 1]) << n;
    EXPECT_TRUE(again.Option2->isChecked());

    // A minimum above its maximum is refused (below); the projection type
    // is taken all the same.
    Type(again, {"9", "-9", "0", "0", "0", "0"});
    Click(again.Option1);
    Click(again.Command1);
    EXPECT_EQ(box.Last().text, "最小x必须小于最大x。");
    EXPECT_TRUE(frmF14::Loaded());
    EXPECT_EQ(ViewMinX, 1.5f);
    EXPECT_EQ(ViewMaxX, 20);
    EXPECT_EQ(Camera.ProjectType, 1);
}

// A range whose minimum lies above its maximum would clip every graph
// sampled afterwards away: refused as the graph dialogs refuse a reversed
// range, axis by axis, the dialog left open and no value stored; equal
// bounds pass.
TEST_F(ViewSettingsDialog, AMinimumAboveItsMaximumIsRefusedAxisByAxis) {
    struct Row {
        std::array<const char*, 6> typed;
        const char* message; // "" accepted
    };
    const Row rows[] = {
        {{"5", "-5", "-1", "1", "-1", "1"}, "最小x必须小于最大x。"},
        {{"-1", "1", "0.5", "0.25", "-1", "1"}, "最小y必须小于最大y。"},
        {{"-1", "1", "-1", "1", "1e3", "-1e3"}, "最小z必须小于最大z。"},
        // The first reversed pair is named.
        {{"2", "1", "2", "1", "2", "1"}, "最小x必须小于最大x。"},
        {{"1", "2", "4", "3", "2", "1"}, "最小y必须小于最大y。"},
        // Compared as the Singles stored.
        {{"1.00000001", "1", "0", "0", "0", "0"}, ""},
        {{"7", "7", "-3", "-3", "0", "0"}, ""},
        {{"-1", "1", "-2", "2", "-3", "3"}, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.typed[0]) + " " + r.typed[2] + " " + r.typed[4]);
        RecordingMessageBox box;
        frmF14& f = Open();
        Type(f, r.typed);
        Click(f.Command1);
        if (std::string(r.message).empty()) {
            EXPECT_EQ(box.Count(), 0u);
            EXPECT_FALSE(frmF14::Loaded());
            for (int n = 1; n <= 6; ++n)
                EXPECT_EQ(*Range[n], ParseSingle(r.typed[static_cast<std::size_t>(n - 1)])) << n;
        } else {
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().text, r.message);
            EXPECT_EQ(box.Last().title, "注意");
            EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
            EXPECT_TRUE(frmF14::Loaded());
            EXPECT_TRUE(f.isVisible());
            ExpectRangeAtStart("refused");
            f.Unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ViewMinX = ViewMinY = ViewMinZ = -500;
        ViewMaxX = ViewMaxY = ViewMaxZ = 500;
    }
}

TEST_F(ViewSettingsDialog, RefusedOkKeepsTheDialogOpenAndStoresNoRange) {
    struct Row {
        std::array<const char*, 6> typed;
        const char* message;
        // The boxes afterwards: the refusal of a character leaves the boxes
        // before it rewritten; an overflow follows the filtering of all six.
        std::array<const char*, 6> after;
    };
    const Row rows[] = {
        {{"1,5", " 2 0 ", "2*pi", " 7", "", "8"}, "存在非法数据。", {"1.5", "20", "2*pi", " 7", "", "8"}},
        {{"1E+40", " 2", "3", "4", "5", "6"}, "存在非法数据。", {"1E+40", " 2", "3", "4", "5", "6"}},
        {{"1, 5", "", "3", "4", "x", "6"}, "存在非法数据。", {"1.5", "0", "3", "4", "x", "6"}},
        {{" 1", "2", "3", "4", "1E40", " 6 "}, "溢出", {"1", "2", "3", "4", "1E40", "6"}},
        {{"-1E39", "2", "3", "4", "5", "6"}, "溢出", {"-1E39", "2", "3", "4", "5", "6"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed[0]);
        RecordingMessageBox box;
        Camera.ProjectType = 1;
        frmF14& f = Open();
        Type(f, r.typed);
        // The projection type is taken before the boxes are checked.
        Click(f.Option2);
        Click(f.Command1);
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, r.message);
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(frmF14::Loaded());
        EXPECT_TRUE(f.isVisible());
        for (int n = 1; n <= 6; ++n) EXPECT_EQ(BoxText(f, n), r.after[static_cast<std::size_t>(n - 1)]) << n;
        ExpectRangeAtStart("refused");
        EXPECT_EQ(Camera.ProjectType, 2);
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ViewSettingsDialog, CancelCloseBoxAndEscapeChangeNothing) {
    for (int how = 0; how < 3; ++how) {
        frmF14& f = Open();
        Type(f, {"1", "2", "3", "4", "5", "6"});
        Click(f.Option2);
        if (how == 0) Click(f.Command2);
        if (how == 1) f.close();
        if (how == 2) QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_FALSE(frmF14::Loaded()) << how;
        ExpectRangeAtStart("closed");
        EXPECT_EQ(Camera.ProjectType, 1) << how;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(BoxText(Open(), 1), "-500");
}

TEST_F(ViewSettingsDialog, ModalShowReturnsWhenOkUnloads) {
    frmF14& f = frmF14::Get();
    bool modal = false;
    QTimer::singleShot(0, [&f, &modal] {
        modal = f.isModal();
        f.Text[6]->setText("12");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    f.ShowModal();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(frmF14::Loaded());
    EXPECT_EQ(ViewMaxZ, 12);
}

} // namespace
