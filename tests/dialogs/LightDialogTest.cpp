#include "core/MessageService.h"
#include "dialogs/frmF8.h"
#include "scene/Cls10.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

class LightDialog : public ProgramStateTest {
protected:
    void TearDown() override {
        if (frmF8::Loaded()) frmF8::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Loads the dialog and shows it as the light command does, without blocking.
    frmF8& Open() {
        frmF8& f = frmF8::Get();
        f.show();
        return f;
    }
    static QLineEdit* Box(frmF8& f, int n) {
        return f.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
    }
    static QCheckBox* Check(frmF8& f, int n) {
        return f.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(n));
    }
    static void Click(frmF8& f, const char* name) {
        QPushButton* b = f.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

} // namespace

TEST_F(LightDialog, LoadShowsTheLightAsText) {
    Light.Diffuse(2) = 0.25f;
    Light.TwoSides(0) = 0;
    frmF8& f = Open();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("光照属性"));
    EXPECT_EQ(f.Command1->text(), QString::fromUtf8("确定"));
    EXPECT_EQ(f.Command2->text(), QString::fromUtf8("取消"));
    EXPECT_TRUE(Check(f, 1)->isChecked());
    EXPECT_FALSE(Check(f, 2)->isChecked());
    EXPECT_TRUE(Check(f, 3)->isChecked());
    const char* expected[17] = {"", "100", "100", "100", "1", "1", "0.25", "1", "1",
                                "1", "1", "1", "1", "1", "1", "1", "1"};
    for (int n = 1; n <= 16; ++n) {
        ASSERT_NE(Box(f, n), nullptr) << n;
        EXPECT_EQ(Box(f, n)->text().toStdString(), expected[n]) << "Text" << n;
    }
    EXPECT_EQ(Check(f, 1)->text(), QString::fromUtf8("使用光照"));
}

TEST_F(LightDialog, OkStoresTheLeadingNumbersAndUnloads) {
    frmF8& f = Open();
    QPointer<frmF8> first(&f);
    Box(f, 1)->setText("-20");
    Box(f, 16)->setText("0");
    Box(f, 4)->setText("0.5x");
    Box(f, 5)->setText("abc");
    Box(f, 9)->setText("");
    Box(f, 15)->setText("2E-1");
    Check(f, 1)->setChecked(false);
    Check(f, 2)->setChecked(false);
    Check(f, 3)->setChecked(false);
    Click(f, "Command1");

    EXPECT_FALSE(frmF8::Loaded());
    EXPECT_FALSE(Light.Enabled);
    EXPECT_EQ(Light.TwoSides(0), 0);
    EXPECT_EQ(Light.GlobalAmbient(0), 0);
    EXPECT_EQ(Light.Position(0), -20);
    EXPECT_EQ(Light.Position(1), 100);
    EXPECT_EQ(Light.Position(3), 0);
    EXPECT_EQ(Light.Diffuse(0), 0.5f);
    EXPECT_EQ(Light.Diffuse(1), 0);
    EXPECT_EQ(Light.Amission(1), 0);
    EXPECT_EQ(Light.Specular(3), 0.2f);

    // The next use is a fresh dialog showing the stored values.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    frmF8& again = Open();
    EXPECT_EQ(Box(again, 1)->text(), "-20");
    EXPECT_EQ(Box(again, 2)->text(), "100");
    EXPECT_EQ(Box(again, 4)->text(), "0.5");
    EXPECT_EQ(Box(again, 5)->text(), "0");
    EXPECT_EQ(Box(again, 7)->text(), "1");
    EXPECT_FALSE(Check(again, 1)->isChecked());
    EXPECT_FALSE(Check(again, 3)->isChecked());
}

TEST_F(LightDialog, BoxesAreReadByTheirNumericValue) {
    // Blanks anywhere, D exponents and &H / &O numbers, as every count and
    // size box of the dialogs reads them.
    frmF8& f = Open();
    Box(f, 1)->setText(" 1 2 ");
    Box(f, 2)->setText("1D2");
    Box(f, 3)->setText("&H10");
    Box(f, 16)->setText("&o10");
    Box(f, 4)->setText("\t-.5");
    Click(f, "Command1");
    EXPECT_FALSE(frmF8::Loaded());
    EXPECT_EQ(Light.Position(0), 12);
    EXPECT_EQ(Light.Position(1), 100);
    EXPECT_EQ(Light.Position(2), 16);
    EXPECT_EQ(Light.Position(3), 8);
    EXPECT_EQ(Light.Diffuse(0), -0.5f);
}

TEST_F(LightDialog, CancelCloseBoxAndEscapeChangeNothing) {
    const auto tryClose = [&](int how) {
        frmF8& f = Open();
        Box(f, 1)->setText("5");
        Check(f, 1)->setChecked(false);
        if (how == 0) Click(f, "Command2");
        if (how == 1) f.close();
        if (how == 2) QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_FALSE(frmF8::Loaded()) << how;
        EXPECT_TRUE(Light.Enabled) << how;
        EXPECT_EQ(Light.Position(0), 100) << how;
        // Reopened, it starts again from the light's values.
        EXPECT_EQ(Box(frmF8::Get(), 1)->text(), "100") << how;
        frmF8::Get().Unload();
    };
    tryClose(0);
    tryClose(1);
    tryClose(2);
}

TEST_F(LightDialog, CallerMaySetControlsBeforeShowing) {
    frmF8& f = frmF8::Get();
    EXPECT_FALSE(f.isVisible());
    Box(f, 2)->setText("42");
    EXPECT_EQ(&frmF8::Get(), &f);
    f.show();
    Click(f, "Command1");
    EXPECT_EQ(Light.Position(1), 42);
}

TEST_F(LightDialog, NumberBeyondSingleRangeRefusesOk) {
    // Every value of the light, switches first, against the light at start.
    const auto expectWholeLightAsAtStart = [](const char* when) {
        Cls10 start;
        EXPECT_EQ(Light.Enabled, start.Enabled) << when;
        EXPECT_EQ(Light.TwoSides(0), start.TwoSides(0)) << when;
        EXPECT_EQ(Light.GlobalAmbient(0), start.GlobalAmbient(0)) << when;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Light.Position(i), start.Position(i)) << when << " " << i;
            EXPECT_EQ(Light.Diffuse(i), start.Diffuse(i)) << when << " " << i;
            EXPECT_EQ(Light.Amission(i), start.Amission(i)) << when << " " << i;
            EXPECT_EQ(Light.Specular(i), start.Specular(i)) << when << " " << i;
        }
    };
    RecordingMessageBox box;
    frmF8& f = Open();
    Box(f, 1)->setText("7");
    Box(f, 8)->setText("0.25");
    Box(f, 15)->setText("0");
    for (int n = 1; n <= 3; ++n) Check(f, n)->setChecked(false);
    // Beyond the range in the first box read, then in the last.
    for (int overflowing : {1, 15}) {
        const QString kept = Box(f, overflowing)->text();
        Box(f, overflowing)->setText(overflowing == 1 ? "1E+40" : "-1E+39");
        Click(f, "Command1");
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, "溢出");
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(frmF8::Loaded());
        EXPECT_TRUE(f.isVisible());
        expectWholeLightAsAtStart(overflowing == 1 ? "first box" : "last box");
        // The dialog keeps what was typed.
        EXPECT_FALSE(Check(f, 1)->isChecked());
        Box(f, overflowing)->setText(kept);
        box.Clear();
    }

    Box(f, 12)->setText("0.5");
    Click(f, "Command1");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF8::Loaded());
    EXPECT_FALSE(Light.Enabled);
    EXPECT_EQ(Light.TwoSides(0), 0);
    EXPECT_EQ(Light.GlobalAmbient(0), 0);
    EXPECT_EQ(Light.Position(0), 7);
    EXPECT_EQ(Light.Amission(0), 0.25f);
    EXPECT_EQ(Light.Specular(0), 0.5f);
    EXPECT_EQ(Light.Specular(3), 0);
}

TEST_F(LightDialog, ModalShowReturnsWhenOkUnloads) {
    frmF8& f = frmF8::Get();
    QTimer::singleShot(0, [&f] {
        f.Text[3]->setText("3");
        f.Command1_Click();
    });
    f.ShowModal();
    EXPECT_FALSE(frmF8::Loaded());
    EXPECT_EQ(Light.Position(2), 3);
}
