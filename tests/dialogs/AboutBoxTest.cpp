// The about box: its fixed texts, layout and faces, the link that opens the
// help page through the shell, and the keys that close it.
#include "dialogs/HelpPages.h"
#include "dialogs/frmF2.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

class AboutBox : public ProgramStateTest {
protected:
    void TearDown() override {
        if (frmF2::Loaded()) frmF2::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static frmF2& Open() {
        frmF2& f = frmF2::Get();
        f.show();
        return f;
    }
    template <class W>
    static W* Child(frmF2& f, const char* name) {
        return f.findChild<W*>(QString::fromLatin1(name));
    }
    static void Unloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// Twips to pixels as the form designer snaps them.
QRect Twips(int left, int top, int width, int height) {
    auto px = [](int t) { return (t + 7) / 15; };
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace

TEST_F(AboutBox, CaptionTextsGeometryAndFaces) {
    frmF2& f = Open();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("关于Vexilon"));
    EXPECT_TRUE(f.isModal());
    EXPECT_EQ(f.size(), QSize(298, 137)); // 4470 by 2055 twips
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::white));

    const struct { const char* name; const char* text; QRect rect; const char* family; double points; } labels[] = {
        {"lblTitle", "Vexilon", Twips(300, 300, 3285, 360), "Liberation Serif", 15.75},
        {"Label2", "版本 2.6", Twips(2760, 780, 1095, 255), "Liberation Sans", 9},
        {"Label1", "help/about.html", Twips(120, 1440, 1575, 255), "Liberation Sans", 8.25},
        {"lblDisclaimer", "本软件按原样提供。", Twips(120, 1680, 2055, 195), "Liberation Sans", 8.25},
    };
    for (const auto& l : labels) {
        auto* label = Child<QLabel>(f, l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.text)) << l.name;
        EXPECT_EQ(label->geometry(), l.rect) << l.name;
        EXPECT_EQ(QFontInfo(label->font()).family().toStdString(), l.family) << l.name;
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), l.points) << l.name;
    }
    EXPECT_TRUE(Child<QLabel>(f, "lblTitle")->font().bold());
    EXPECT_EQ(Child<QLabel>(f, "lblTitle")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(Child<QLabel>(f, "lblDisclaimer")->palette().color(QPalette::WindowText), QColor(Qt::black));
    auto* link = Child<QLabel>(f, "Label1");
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), f.palette().color(QPalette::Highlight));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    // The etched separator: grey over the upper row of a two-pixel white line.
    auto* white = Child<QFrame>(f, "Line1_0");
    auto* grey = Child<QFrame>(f, "Line1_1");
    ASSERT_NE(white, nullptr);
    ASSERT_NE(grey, nullptr);
    EXPECT_EQ(white->geometry(), QRect(4, 88, 288, 2));
    EXPECT_EQ(grey->geometry(), QRect(6, 88, 286, 1));
    const QImage shot = f.grab().toImage();
    EXPECT_EQ(shot.pixelColor(100, 88), QColor(128, 128, 128));
    EXPECT_EQ(shot.pixelColor(100, 89), QColor(Qt::white));

    auto* ok = Child<QPushButton>(f, "cmdOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QString::fromUtf8("确定"));
    EXPECT_EQ(ok->geometry(), Twips(3060, 1560, 1260, 345));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(QFontInfo(ok->font()).family().toStdString(), "Liberation Sans");
}

TEST_F(AboutBox, TheLinkOpensTheAboutPageAndTheBoxStaysOpen) {
    RecordingShell shell;
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    frmF2& f = Open();
    QTest::mouseClick(Child<QLabel>(f, "Label1"), Qt::LeftButton);
    QDir::setCurrent(before);
    const std::string expected = QCoreApplication::applicationDirPath().toStdString() + "/help/about.html";
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], expected);
    EXPECT_TRUE(QDir::isAbsolutePath(QString::fromStdString(shell.opened[0])));
    EXPECT_TRUE(frmF2::Loaded());
    EXPECT_TRUE(f.isVisible());
    // A press on the label let go elsewhere is no click.
    QTest::mousePress(Child<QLabel>(f, "Label1"), Qt::LeftButton);
    QTest::mouseRelease(Child<QLabel>(f, "Label1"), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(AboutBox, EnterEscapeAndOkCloseItAndItIsModal) {
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
        frmF2& f = frmF2::Get();
        QWidget* modal = nullptr;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget();
            if (key != 0) QTest::keyClick(&f, static_cast<Qt::Key>(key));
            else QTest::mouseClick(Child<QPushButton>(f, "cmdOK"), Qt::LeftButton);
        });
        f.ShowModal();
        EXPECT_EQ(modal, static_cast<QWidget*>(&f)) << key;
        EXPECT_FALSE(frmF2::Loaded()) << key;
        Unloaded();
    }
}
