// The Help and Tools menus of the main window: the help pages opened through
// the shell whatever the current folder, the about box and the calculator
// shown modally from their menu items.
#include "core/Globals.h"
#include "dialogs/frmF2.h"
#include "dialogs/frmFunCal.h"
#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>

namespace {

class HelpAndToolsMenu : public MainWindowFixture {
protected:
    static std::string Page(const char* name) {
        return ToStdString(QCoreApplication::applicationDirPath()) + "/help/" + name;
    }
    // Chooses a menu item whose handler shows a modal window, runs `whileOpen`
    // once that window is the modal one, and returns the modal window seen.
    QWidget* RunModal(const char* item, const std::function<void()>& whileOpen) {
        QWidget* modal = nullptr;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget();
            whileOpen();
        });
        W().MenuItem(item)->trigger();
        return modal;
    }
};

} // namespace

TEST_F(HelpAndToolsMenu, HelpCommandsOpenTheirPagesBesideTheExecutable) {
    Start();
    RecordingShell shell;
    shell.answer = false; // a page that does not open changes nothing and shows nothing
    RecordingMessageBox box;
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const struct { const char* what; std::function<void()> choose; const char* page; } rows[] = {
        {"内容...", [&] { W().MenuItem("mnuHelpCon")->trigger(); }, "index.html"},
        {"barHelp", [&] { Click(1, 19); }, "index.html"},
        {"主页", [&] { W().MenuItem("mnuHelpHome")->trigger(); }, "home.html"},
        {"支持", [&] { W().MenuItem("mnuHelpCus")->trigger(); }, "support.html"},
    };
    for (const auto& r : rows) {
        shell.opened.clear();
        r.choose();
        ASSERT_EQ(shell.opened.size(), 1u) << r.what;
        EXPECT_EQ(shell.opened[0], Page(r.page)) << r.what;
        EXPECT_TRUE(QDir::isAbsolutePath(QString::fromStdString(shell.opened[0]))) << r.what;
    }
    QDir::setCurrent(before);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(HelpAndToolsMenu, AboutBoxIsModalAndItsLinkOpensTheAboutPage) {
    Start();
    RecordingShell shell;
    bool openAfterLink = false;
    QWidget* modal = RunModal("mnuHelpAbout", [&] {
        frmF2& f = frmF2::Get();
        QTest::mouseClick(f.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        openAfterLink = frmF2::Loaded() && QApplication::activeModalWidget() == &f;
        QTest::keyClick(&f, Qt::Key_Return);
    });
    EXPECT_TRUE(modal != nullptr && modal->objectName() == QStringLiteral("frmF2"));
    EXPECT_TRUE(openAfterLink);
    EXPECT_FALSE(frmF2::Loaded());
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], Page("about.html"));
}

TEST_F(HelpAndToolsMenu, CalculatorIsModalAndReportsItsFailuresOnly) {
    Start();
    RecordingMessageBox box;
    std::string results[3];
    QWidget* modal = RunModal("mnuToolCal", [&] {
        frmFunCal& f = frmFunCal::Get();
        auto* text1 = f.findChild<QLineEdit*>(QStringLiteral("Text1"));
        auto* text2 = f.findChild<QLineEdit*>(QStringLiteral("Text2"));
        auto* compute = f.findChild<QPushButton*>(QStringLiteral("Command18"));
        const char* typed[3] = {"sin(30)*2", "1/0", "exp(100)"};
        for (int i = 0; i < 3; ++i) {
            text1->clear();
            QTest::keyClicks(text1, QString::fromLatin1(typed[i]));
            QTest::mouseClick(compute, Qt::LeftButton);
            results[i] = ToStdString(text2->text());
        }
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("Command20")), Qt::LeftButton);
    });
    EXPECT_TRUE(modal != nullptr && modal->objectName() == QStringLiteral("frmFunCal"));
    EXPECT_FALSE(frmFunCal::Loaded());
    EXPECT_EQ(results[0], "1.000002");
    EXPECT_EQ(results[1], "1.000002"); // the reported failure keeps the last value
    EXPECT_EQ(results[2], "1.000002"); // so does the overflow, said once, not as the guard's "溢出"
    ASSERT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.requests[0].text, "除数为零。");
    EXPECT_EQ(box.requests[1].text, "数值超出范围。");
    EXPECT_FALSE(ShowMathErrors);
}
