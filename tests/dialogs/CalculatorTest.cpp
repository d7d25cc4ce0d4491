// The expression calculator driven as a user drives it: texts typed into the
// expression box, buttons clicked, the message service scripted.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "dialogs/frmFunCal.h"
#include "graph/Cls9.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

class Calculator : public ProgramStateTest {
protected:
    void TearDown() override {
        if (frmFunCal::Loaded()) frmFunCal::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Loads the calculator and shows it as the Tools command does, without blocking.
    static frmFunCal& Open() {
        frmFunCal& f = frmFunCal::Get();
        f.show();
        return f;
    }
    static QLineEdit* Box(frmFunCal& f, const char* name) { return f.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    static QPushButton* Button(frmFunCal& f, int n) {
        return f.findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
    }
    static void Click(frmFunCal& f, int n) {
        QPushButton* b = Button(f, n);
        ASSERT_NE(b, nullptr) << "Command" << n;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Empties the expression box and types `text` into it.
    static void Type(frmFunCal& f, const std::string& text) {
        QLineEdit* box = Box(f, "Text1");
        box->clear();
        QTest::keyClicks(box, QString::fromStdString(text));
    }
    static std::string TextOf(frmFunCal& f, const char* name) { return Box(f, name)->text().toStdString(); }

    // A plane graph y = 1/x sampled over -1, 0, 1: the division by zero at 0 is
    // undefined, with no message, unless the calculator left its message mode on.
    static void ExpectPlottingSilent(const std::string& after) {
        RecordingMessageBox box;
        Cls9 g;
        g.GraphType = GraphType::Function2D;
        g.FunForm = FunForm::Explicit;
        g.CoordType = CoordType::PlaneCartesian;
        g.ExpressY = "x";
        g.ExpressZ = "1/x";
        g.MinV = -1;
        g.MaxV = 1;
        g.StepV = 2;
        ASSERT_TRUE(g.GetPoints()) << after;
        EXPECT_EQ(g.Vert3D(0, 1).y, UndefinedValue) << after;
        EXPECT_EQ(g.Vert3D(0, 2).y, 1.0f) << after;
        EXPECT_EQ(box.Count(), 0u) << after;
    }
};

} // namespace

TEST_F(Calculator, LoadShowsTheCaptionControlsAndTemplates) {
    frmFunCal& f = Open();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("表达式计算器"));
    EXPECT_TRUE(f.isModal());
    const struct { int n; const char* caption; } buttons[] = {
        {1, "1"},  {2, "2"},  {3, "3"},  {4, "4"},  {5, "5"},   {6, "6"},   {7, "7"},
        {8, "8"},  {9, "9"},  {10, "0"}, {11, "."}, {12, "^"},  {13, "+"},  {14, "-"},
        {15, "*"}, {16, "/"}, {22, ","}, {23, ")"}, {24, "("},  {17, "插入"}, {18, "计算"},
        {19, "重置"}, {20, "取消"}, {21, "后退删除"},
    };
    for (const auto& b : buttons) {
        ASSERT_NE(Button(f, b.n), nullptr) << b.n;
        EXPECT_EQ(Button(f, b.n)->text(), QString::fromUtf8(b.caption)) << b.n;
    }
    EXPECT_EQ(TextOf(f, "Text1"), "");
    EXPECT_EQ(TextOf(f, "Text2"), "");
    const char* templates[] = {
        "abs()",  "int()",   "exp()",   "log()",   "sqr()",   "rnd()",    "sin()",
        "cos()",  "tan()",   "ctan()",  "sec()",   "csec()",  "asin()",   "acos()",
        "atan()", "actan()", "asec()",  "acsec()", "sinh()",  "cosh()",   "tanh()",
        "ctanh()", "asinh()", "acosh()", "atanh()", "asech()", "acsech()", "actanh()",
    };
    auto* list = f.findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 28);
    for (int i = 0; i < 28; ++i) EXPECT_EQ(list->item(i)->text().toStdString(), templates[i]) << i;
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(Calculator, EvaluationsFailuresAndTheMessageModeAfterEach) {
    enum class End { Value, Message, Nothing };
    const struct Row {
        const char* typed;
        const char* cleaned; // Text1 afterwards
        End end;
        const char* result;  // Text2 for Value
        const char* title;   // for Message
        const char* text;    // for Message; nullptr: any text
        MsgIcon icon;
    } rows[] = {
        {"", "0", End::Value, "0", nullptr, nullptr, MsgIcon::None},
        {"sin(90)", "sin(90)", End::Value, "1", nullptr, nullptr, MsgIcon::None},
        {"sin(30)", "sin(30)", End::Value, "0.5000011", nullptr, nullptr, MsgIcon::None},
        {"u+v", "u+v", End::Value, "2", nullptr, nullptr, MsgIcon::None},
        {"x+y", "x+y", End::Value, "0", nullptr, nullptr, MsgIcon::None},
        {"1,5*2", "1.5*2", End::Value, "3", nullptr, nullptr, MsgIcon::None},
        {" 2 ^ 0.5 ", "2^0.5", End::Value, "1.414214", nullptr, nullptr, MsgIcon::None},
        {"2$", "2$", End::Message, nullptr, "出错", "存在非法表达式。", MsgIcon::Exclamation},
        {"(1+2", "(1+2", End::Message, nullptr, "语法错误", nullptr, MsgIcon::Critical},
        {"x2", "x2", End::Message, nullptr, "语法错误", nullptr, MsgIcon::Critical},
        {"1/0", "1/0", End::Message, nullptr, "出错", "除数为零。", MsgIcon::Critical},
        {"log(-1)", "log(-1)", End::Message, nullptr, "出错", "LOG函数的参数必须大于0。", MsgIcon::Critical},
        // The direct functions take degrees; atan's argument is no angle, so
        // it answers in radians like the other inverse functions.
        {"tan(45)", "tan(45)", End::Value, "1.000004", nullptr, nullptr, MsgIcon::None},
        {"atan(1)", "atan(1)", End::Value, "0.7853982", nullptr, nullptr, MsgIcon::None},
        {"atan(-1)", "atan(-1)", End::Value, "-0.7853982", nullptr, nullptr, MsgIcon::None},
        {"asin(1)", "asin(1)", End::Value, "1.5708", nullptr, nullptr, MsgIcon::None},
        {"atan(exp(709))", "atan(exp(709))", End::Value, "1.570796", nullptr, nullptr, MsgIcon::None},
        // Values beyond the number range: in the computation, or at the
        // result's conversion to a single-precision number.
        {"10^400", "10^400", End::Message, nullptr, "出错", "数值超出范围。", MsgIcon::Critical},
        {"exp(100)", "exp(100)", End::Message, nullptr, "出错", "数值超出范围。", MsgIcon::Critical},
        {"10^38*10", "10^38*10", End::Message, nullptr, "出错", "数值超出范围。", MsgIcon::Critical},
        {"exp(1000)*0", "exp(1000)*0", End::Message, nullptr, "出错", "数值超出范围。", MsgIcon::Critical},
        {"sin(exp(709))", "sin(exp(709))", End::Message, nullptr, "出错", "数值超出范围。", MsgIcon::Critical},
        {"0^(-1)", "0^(-1)", End::Message, nullptr, "出错", "除数为零。", MsgIcon::Critical},
        {"atanh(1)", "atanh(1)", End::Nothing, nullptr, nullptr, nullptr, MsgIcon::None},
        {"acosh(0.5)", "acosh(0.5)", End::Nothing, nullptr, nullptr, nullptr, MsgIcon::None},
    };
    frmFunCal& f = Open();
    for (const Row& r : rows) {
        RecordingMessageBox box;
        if (r.end != End::Value) {
            // Every failure comes after an earlier result.
            Type(f, "7");
            Click(f, 18);
            ASSERT_EQ(TextOf(f, "Text2"), "7") << r.typed;
        }
        Type(f, r.typed);
        Click(f, 18);
        EXPECT_EQ(TextOf(f, "Text1"), r.cleaned) << r.typed;
        switch (r.end) {
        case End::Value:
            EXPECT_EQ(TextOf(f, "Text2"), r.result) << r.typed;
            EXPECT_EQ(box.Count(), 0u) << r.typed;
            break;
        case End::Message:
            EXPECT_EQ(TextOf(f, "Text2"), "7") << r.typed;
            ASSERT_EQ(box.Count(), 1u) << r.typed;
            EXPECT_EQ(box.Last().title, r.title) << r.typed;
            if (r.text != nullptr) {
                EXPECT_EQ(box.Last().text, r.text) << r.typed;
            }
            EXPECT_EQ(box.Last().icon, r.icon) << r.typed;
            break;
        case End::Nothing:
            EXPECT_EQ(TextOf(f, "Text2"), "") << r.typed;
            EXPECT_EQ(box.Count(), 0u) << r.typed;
            break;
        }
        EXPECT_FALSE(ShowMathErrors) << r.typed;
        ExpectPlottingSilent(std::string("after ") + r.typed);
        EXPECT_TRUE(frmFunCal::Loaded()) << r.typed;
    }
}

// Expressions longer than Qt's default box limit (32,767 characters), pasted
// into the expression box, are kept and evaluated whole: sums of ones give
// their count, up to a sum of 1 MB.
TEST_F(Calculator, LongPastedExpressionsAreEvaluatedWhole) {
    const struct Row {
        int ones;
        const char* result;
    } rows[] = {{16385, "16385"}, {20001, "20001"}, {524288, "524288"}};
    frmFunCal& f = Open();
    QLineEdit* text1 = Box(f, "Text1");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.ones);
        QString sum = QStringLiteral("1");
        for (int k = 1; k < r.ones; ++k) sum += QStringLiteral("+1");
        RecordingMessageBox box;
        text1->clear();
        text1->setFocus();
        QGuiApplication::clipboard()->setText(sum);
        QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(text1->text().size(), sum.size());
        Click(f, 18);
        EXPECT_EQ(text1->text(), sum);
        EXPECT_EQ(TextOf(f, "Text2"), r.result);
        EXPECT_EQ(box.Count(), 0u);
    }
}

TEST_F(Calculator, EditingAtTheCaret) {
    const int Insert = 17, Back = 21, Plus = 13, One = 1, Paren = 24;
    const struct Row {
        const char* start;
        int selStart, selLength; // the caret, or a selection
        int button;
        int templateRow;         // for 插入: the template clicked first, -1 none
        const char* text;
        int caret;
    } rows[] = {
        {"", 0, 0, Insert, 6, "sin()", 5},
        {"sin()", 4, 0, Insert, 0, "sin(abs())", 9},
        {"1234", 3, 0, Back, -1, "124", 2},
        {"1234", 0, 0, Back, -1, "1234", 0},
        {"1234", 1, 2, Back, -1, "234", 0},
        {"1234", 1, 2, Plus, -1, "1+234", 2},
        {"1234", 4, 0, One, -1, "12341", 5},
        {"x", 0, 0, Paren, -1, "(x", 1},
        {"1234", 2, 0, Insert, -1, "1234", 2},
        {"1234", 0, 4, Insert, -1, "1234", 0},
    };
    for (const Row& r : rows) {
        frmFunCal& f = Open();
        QLineEdit* text1 = Box(f, "Text1");
        auto* list = f.findChild<QListWidget*>(QStringLiteral("List1"));
        if (r.templateRow >= 0) {
            QListWidgetItem* item = list->item(r.templateRow);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
            ASSERT_TRUE(item->isSelected());
        }
        text1->setText(QString::fromUtf8(r.start));
        text1->setSelection(r.selStart, r.selLength);
        Button(f, 18)->setFocus();
        Click(f, r.button);
        const std::string what = std::string(r.start) + " button " + std::to_string(r.button);
        EXPECT_EQ(TextOf(f, "Text1"), r.text) << what;
        EXPECT_EQ(text1->cursorPosition(), r.caret) << what;
        EXPECT_FALSE(text1->hasSelectedText()) << what;
        EXPECT_EQ(f.focusWidget(), text1) << what;
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Calculator, EveryKeyInsertsItsText) {
    const int keys[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 22, 23, 24};
    frmFunCal& f = Open();
    for (int k : keys) Click(f, k);
    EXPECT_EQ(TextOf(f, "Text1"), "1234567890.^+-*/,)(");
    EXPECT_EQ(Box(f, "Text1")->cursorPosition(), 19);
}

TEST_F(Calculator, ResetEmptiesBothBoxesAndCancelForgetsThem) {
    frmFunCal& f = Open();
    Type(f, "u+v");
    Click(f, 18);
    ASSERT_EQ(TextOf(f, "Text2"), "2");
    Click(f, 19);
    EXPECT_EQ(TextOf(f, "Text1"), "");
    EXPECT_EQ(TextOf(f, "Text2"), "");

    Type(f, "u+v");
    Click(f, 18);
    QPointer<frmFunCal> first(&f);
    Click(f, 20);
    EXPECT_FALSE(frmFunCal::Loaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    frmFunCal& again = Open();
    EXPECT_EQ(TextOf(again, "Text1"), "");
    EXPECT_EQ(TextOf(again, "Text2"), "");
    EXPECT_EQ(again.findChild<QListWidget*>(QStringLiteral("List1"))->count(), 28);
}

TEST_F(Calculator, ShownModallyUntilCancelled) {
    frmFunCal& f = frmFunCal::Get();
    QWidget* modal = nullptr;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget();
        Click(f, 20);
    });
    f.ShowModal();
    EXPECT_EQ(modal, static_cast<QWidget*>(&f));
    EXPECT_FALSE(frmFunCal::Loaded());
}
