#include "dialogs/frmFunCal.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "math/Cls6.h"
#include "math/Module1.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <string>

namespace {

// The keypad: each button inserts its text. Left, top in twips.
struct Key {
    int index;
    const char* text;
    int left, top, width;
};
constexpr int KeyWidth = 555, KeyHeight = 435;
constexpr int Col(int k) { return 1815 + k * 615; }
constexpr int Row(int k) { return 1110 + k * 495; }
constexpr Key Keys[] = {
    {7, "7", Col(0), Row(0), KeyWidth},  {8, "8", Col(1), Row(0), KeyWidth},
    {9, "9", Col(2), Row(0), KeyWidth},  {13, "+", Col(3), Row(0), KeyWidth},
    {24, "(", Col(4), Row(0), KeyWidth}, {4, "4", Col(0), Row(1), KeyWidth},
    {5, "5", Col(1), Row(1), KeyWidth},  {6, "6", Col(2), Row(1), KeyWidth},
    {14, "-", Col(3), Row(1), KeyWidth}, {23, ")", Col(4), Row(1), KeyWidth},
    {1, "1", Col(0), Row(2), KeyWidth},  {2, "2", Col(1), Row(2), KeyWidth},
    {3, "3", Col(2), Row(2), KeyWidth},  {15, "*", Col(3), Row(2), KeyWidth},
    {12, "^", Col(4), Row(2), KeyWidth}, {10, "0", Col(0), Row(3), Col(1) - Col(0) + KeyWidth},
    {11, ".", Col(2), Row(3), KeyWidth}, {16, "/", Col(3), Row(3), KeyWidth},
    {22, ",", Col(4), Row(3), KeyWidth},
};

// The commands in the column right of the keypad.
struct CommandButton {
    int index;
    const char* caption;
};
constexpr int CommandLeft = 4995, CommandWidth = 1170;
constexpr CommandButton Commands[] = {
    {17, "插入"}, {18, "计算"}, {19, "重置"}, {21, "后退删除"}, {20, "取消"},
};

const char* const Templates[] = {
    "abs()",  "int()",   "exp()",    "log()",   "sqr()",   "rnd()",   "sin()",
    "cos()",  "tan()",   "ctan()",   "sec()",   "csec()",  "asin()",  "acos()",
    "atan()", "actan()", "asec()",   "acsec()", "sinh()",  "cosh()",  "tanh()",
    "ctanh()", "asinh()", "acosh()", "atanh()", "asech()", "acsech()", "actanh()",
};

const char* KeyText(int index) {
    for (const Key& k : Keys)
        if (k.index == index) return k.text;
    return "";
}

// Switches the engine's message mode off on every way out of an evaluation.
class MessageModeOn {
public:
    MessageModeOn() { ShowMathErrors = true; }
    ~MessageModeOn() { ShowMathErrors = false; }
    MessageModeOn(const MessageModeOn&) = delete;
    MessageModeOn& operator=(const MessageModeOn&) = delete;
};

} // namespace

frmFunCal::frmFunCal() {
    setObjectName(QStringLiteral("frmFunCal"));
    setWindowTitle(ToQString("表达式计算器"));
    SizeTwips(this, 6285, 4380);

    Label1 = NewLabel(this, "Label1", "表达式");
    PlaceTwips(Label1, 120, 120, 1575, 255);
    Text1 = NewText(this, "Text1");
    PlaceTwips(Text1, 120, 390, 6045, 315);
    Label2 = NewLabel(this, "Label2", "函数");
    PlaceTwips(Label2, 120, 840, 1575, 255);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    PlaceTwips(List1, 120, 1110, 1575, 2415);
    Label3 = NewLabel(this, "Label3", "结果");
    PlaceTwips(Label3, 120, 3630, 1575, 255);
    Text2 = NewText(this, "Text2");
    PlaceTwips(Text2, 120, 3900, 6045, 315);

    for (const Key& k : Keys) {
        const std::string name = "Command" + std::to_string(k.index);
        QPushButton* b = NewButton(this, name.c_str(), k.text);
        PlaceTwips(b, k.left, k.top, k.width, KeyHeight);
        Command[static_cast<std::size_t>(k.index)] = b;
        const int index = k.index;
        connect(b, &QPushButton::clicked, this, Guarded([this, index] { Keypad_Click(index); }));
    }
    int row = 0;
    for (const CommandButton& c : Commands) {
        const std::string name = "Command" + std::to_string(c.index);
        QPushButton* b = NewButton(this, name.c_str(), c.caption);
        PlaceTwips(b, CommandLeft, Row(row++), CommandWidth, KeyHeight);
        Command[static_cast<std::size_t>(c.index)] = b;
    }
    // Enter in the expression box presses no button.
    for (QPushButton* b : Command)
        if (b != nullptr) b->setAutoDefault(false);

    connect(Command[17], &QPushButton::clicked, this, Guarded([this] { Command17_Click(); }));
    connect(Command[18], &QPushButton::clicked, this, Guarded([this] { Command18_Click(); }));
    connect(Command[19], &QPushButton::clicked, this, Guarded([this] { Command19_Click(); }));
    connect(Command[20], &QPushButton::clicked, this, Guarded([this] { Command20_Click(); }));
    connect(Command[21], &QPushButton::clicked, this, Guarded([this] { Command21_Click(); }));
    Form_Load();
}

void frmFunCal::Form_Load() {
    for (const char* t : Templates) List1->addItem(ToQString(t));
}

int frmFunCal::CaretPosition() const {
    return Text1->hasSelectedText() ? Text1->selectionStart() : Text1->cursorPosition();
}

void frmFunCal::InsertText(const std::string& s) {
    const int c = CaretPosition();
    const QString text = Text1->text();
    const QString inserted = ToQString(s);
    Text1->setText(text.left(c) + inserted + text.mid(c));
    Text1->setFocus();
    Text1->setCursorPosition(c + static_cast<int>(inserted.size()));
}

void frmFunCal::Keypad_Click(int index) { InsertText(KeyText(index)); }

void frmFunCal::Command17_Click() {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    InsertText(selected.isEmpty() ? std::string() : ToStdString(selected.front()->text()));
}

void frmFunCal::Command18_Click() {
    const MessageModeOn mode;

    std::string clean;
    if (!CheckExpression(TextOf(Text1), clean)) {
        MsgBox("存在非法表达式。", MsgIcon::Exclamation, ErrorTitle);
        return;
    }
    SetText(Text1, clean);

    Cls6 engine;
    std::string postfix;
    if (engine.InfixToPostfix(clean, postfix) != 0) return; // the compiler showed its message

    float result = 0;
    bool evaluated = false;
    bool faulted = false;
    try {
        evaluated = engine.DoEvaluate(postfix, true, result, 1, 1, 0, 0, 0, 0, 0, 0, 0);
    } catch (const MathFault& fault) {
        // A value beyond the number range (or another fault no guard caught) is
        // reported like the guarded failures, and the last value stays.
        MsgBox(MathFaultMessage(fault.GetKind()), MsgIcon::Critical, ErrorTitle);
        return;
    } catch (const RaisedError&) {
        faulted = true;
    }
    if (evaluated && !engine.LastEvaluationSilent()) {
        SetText(Text2, SingleText(result));
        return;
    }
    // A False from a compiled text that yields a value is a reported failure:
    // its message was shown and the last value stays. Every other end showed
    // nothing and computed nothing, so neither UndefinedValue nor the last
    // answer may stand as this expression's value.
    const bool reported = !evaluated && !faulted && postfix.find_first_not_of(' ') != std::string::npos;
    if (!reported) Text2->clear();
}

void frmFunCal::Command19_Click() {
    Text1->clear();
    Text2->clear();
}

void frmFunCal::Command20_Click() { Unload(); }

void frmFunCal::Command21_Click() {
    const int c = CaretPosition();
    Text1->setFocus();
    if (c < 1) return;
    Text1->setText(Text1->text().remove(c - 1, 1));
    Text1->setCursorPosition(c - 1);
}
