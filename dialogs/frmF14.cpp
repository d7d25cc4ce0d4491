#include "dialogs/frmF14.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "math/Module1.h"
#include "scene/Cls4.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace {

// Box n (1..6) with its label, and the range value it stands for.
struct RangeBox {
    const char* label;
    float* value;
};
const RangeBox Boxes[7] = {
    {nullptr, nullptr},     {"最小x", &ViewMinX}, {"最大x", &ViewMaxX}, {"最小y", &ViewMinY},
    {"最大y", &ViewMaxY}, {"最小z", &ViewMinZ}, {"最大z", &ViewMaxZ},
};

QRadioButton* NewRadio(QWidget* parent, const char* name, const std::string& caption) {
    auto* r = new QRadioButton(ToQString(caption), parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

} // namespace

frmF14::frmF14() {
    setObjectName(QStringLiteral("frmF14"));
    setWindowTitle(ToQString("视图设置"));
    auto* main = new QVBoxLayout(this);

    QGroupBox* frame1 = NewFrame(this, "Frame1", "投影类型");
    auto* types = new QHBoxLayout(frame1);
    Option1 = NewRadio(frame1, "Option1", "正交投影");
    Option2 = NewRadio(frame1, "Option2", "透视投影");
    types->addWidget(Option1);
    types->addWidget(Option2);
    main->addWidget(frame1);

    QGroupBox* frame2 = NewFrame(this, "Frame2", "视图范围");
    auto* grid = new QGridLayout(frame2);
    for (int n = 1; n <= 6; ++n) {
        const std::string labelName = "Label" + std::to_string(n);
        const std::string boxName = "Text" + std::to_string(n);
        // Minimum and maximum of one axis side by side, an axis a row.
        const int row = (n - 1) / 2, column = 2 * ((n - 1) % 2);
        grid->addWidget(NewLabel(frame2, labelName.c_str(), Boxes[n].label), row, column);
        Text[static_cast<std::size_t>(n)] = NewText(frame2, boxName.c_str());
        grid->addWidget(Text[static_cast<std::size_t>(n)], row, column + 1);
    }
    main->addWidget(frame2);

    Command1 = NewButton(this, "Command1", "确定");
    Command2 = NewButton(this, "Command2", "取消");
    main->addLayout(ButtonRow(Command1, Command2));

    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF14::Form_Load() {
    // Never in exponent form: its "+" would be refused by this dialog's own
    // filter. The digits read back as the same value.
    for (int n = 1; n <= 6; ++n)
        SetText(Text[static_cast<std::size_t>(n)], ShortestSinglePlainText(*Boxes[n].value));
    // Neither is chosen for a projection type of another value.
    if (Camera.ProjectType == ProjectType::Orthographic) Option1->setChecked(true);
    if (Camera.ProjectType == ProjectType::Perspective) Option2->setChecked(true);
}

void frmF14::Command1_Click() {
    // The projection type is taken first: a refused OK has already set it.
    if (Option1->isChecked()) Camera.ProjectType = ProjectType::Orthographic;
    if (Option2->isChecked()) Camera.ProjectType = ProjectType::Perspective;
    // Each box filtered in turn, its text rewritten; a refusal leaves the
    // boxes before it rewritten.
    for (int n = 1; n <= 6; ++n) {
        QLineEdit* box = Text[static_cast<std::size_t>(n)];
        std::string filtered;
        if (!CheckNumber(TextOf(box), filtered)) {
            MsgBox("存在非法数据。", MsgIcon::Exclamation, ErrorTitle);
            return;
        }
        SetText(box, filtered);
    }
    // Every value is read before any is stored, so one beyond the range of a
    // Single refuses the OK and leaves the range as it was.
    float values[7] = {};
    try {
        for (int n = 1; n <= 6; ++n) values[n] = ParseSingle(TextOf(Text[static_cast<std::size_t>(n)]));
    } catch (const RaisedError& e) {
        MsgBox(e.Text(), MsgIcon::Exclamation, ErrorTitle);
        return;
    }
    // A range whose minimum lies above its maximum would leave every graph
    // sampled afterwards clipped away: refused in the words of the graph
    // dialogs, the range left as it was. Equal bounds pass.
    for (int n = 1; n <= 5; n += 2) {
        if (values[n] > values[n + 1]) {
            const std::string axis = n == 1 ? "x" : n == 3 ? "y" : "z";
            MsgBox("最小" + axis + "必须小于最大" + axis + "。", MsgIcon::Exclamation, NoticeTitle);
            return;
        }
    }
    for (int n = 1; n <= 6; ++n) *Boxes[n].value = values[n];
    Unload();
}

void frmF14::Command2_Click() { Unload(); }
