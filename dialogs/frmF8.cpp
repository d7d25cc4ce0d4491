#include "dialogs/frmF8.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "scene/Cls10.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace {

// The four groups of boxes: frame caption, the labels of its four boxes and
// the numbers of those boxes.
struct Group {
    const char* frame;
    const char* caption;
    const char* labels[4];
    int boxes[4];
};
const Group Groups[4] = {
    {"Frame1", "光的位置", {"X", "Y", "Z", "W"}, {1, 2, 3, 16}},
    {"Frame2", "漫反射光的颜色", {"R", "G", "B", "A"}, {4, 5, 6, 7}},
    {"Frame3", "环境光的颜色", {"R", "G", "B", "A"}, {8, 9, 10, 11}},
    {"Frame4", "镜面反射光的颜色", {"R", "G", "B", "A"}, {12, 13, 14, 15}},
};

// The light value a group's box i stands for.
float& Bound(int group, int i) {
    switch (group) {
    case 0: return Light.Position(i);
    case 1: return Light.Diffuse(i);
    case 2: return Light.Amission(i);
    default: return Light.Specular(i);
    }
}

} // namespace

frmF8::frmF8() {
    setObjectName(QStringLiteral("frmF8"));
    setWindowTitle(ToQString("光照属性"));

    auto* main = new QVBoxLayout(this);
    Check1 = NewCheck(this, "Check1", "使用光照");
    Check2 = NewCheck(this, "Check2", "双面光照");
    Check3 = NewCheck(this, "Check3", "全局环境光");
    auto* checks = new QHBoxLayout;
    checks->addWidget(Check1);
    checks->addWidget(Check2);
    checks->addWidget(Check3);
    main->addLayout(checks);

    int labelNo = 1;
    for (const Group& g : Groups) {
        QGroupBox* frame = NewFrame(this, g.frame, g.caption);
        auto* grid = new QGridLayout(frame);
        for (int i = 0; i < 4; ++i) {
            const std::string labelName = "Label" + std::to_string(labelNo++);
            const std::string boxName = "Text" + std::to_string(g.boxes[i]);
            grid->addWidget(NewLabel(frame, labelName.c_str(), g.labels[i]), 0, 2 * i);
            QLineEdit* box = NewText(frame, boxName.c_str());
            Text[static_cast<std::size_t>(g.boxes[i])] = box;
            grid->addWidget(box, 0, 2 * i + 1);
        }
        main->addWidget(frame);
    }

    Command1 = NewButton(this, "Command1", "确定");
    Command2 = NewButton(this, "Command2", "取消");
    main->addLayout(ButtonRow(Command1, Command2));

    connect(Command1, &QPushButton::clicked, this, &frmF8::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmF8::Command2_Click);
    Form_Load();
}

void frmF8::Form_Load() {
    SetTicked(Check1, Light.Enabled);
    SetTicked(Check2, Light.TwoSides(0) != 0);
    SetTicked(Check3, Light.GlobalAmbient(0) != 0);
    for (int g = 0; g < 4; ++g)
        for (int i = 0; i < 4; ++i)
            SetText(Text[static_cast<std::size_t>(Groups[g].boxes[i])], SingleText(Bound(g, i)));
}

void frmF8::Command1_Click() {
    // Every box is read (by its numeric value) before anything is stored, so
    // a number beyond the range of a Single refuses the OK and leaves the
    // light as it was.
    float values[4][4];
    try {
        for (int g = 0; g < 4; ++g)
            for (int i = 0; i < 4; ++i)
                values[g][i] = SingleValue(TextOf(Text[static_cast<std::size_t>(Groups[g].boxes[i])]));
    } catch (const RaisedError& e) {
        MsgBox(e.Text(), MsgIcon::Exclamation, ErrorTitle);
        return;
    }
    Light.Enabled = Ticked(Check1);
    Light.TwoSides(0) = Ticked(Check2) ? 1.0f : 0.0f;
    Light.GlobalAmbient(0) = Ticked(Check3) ? 1.0f : 0.0f;
    for (int g = 0; g < 4; ++g)
        for (int i = 0; i < 4; ++i) Bound(g, i) = values[g][i];
    Unload();
}

void frmF8::Command2_Click() { Unload(); }
