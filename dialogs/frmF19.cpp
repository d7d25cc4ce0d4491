#include "dialogs/frmF19.h"

#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/MainWindowLink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace {

// A box's number as a stored whole number (0 when there is none).
std::int32_t WholeCountOf(const QLineEdit* box) { return WholeCount(TextOf(box)).value_or(0); }

void Refuse(const std::string& text) { MsgBox(text, MsgIcon::Exclamation, NoticeTitle); }

} // namespace

frmF19::frmF19() {
    setObjectName(QStringLiteral("frmF19"));
    setWindowTitle(ToQString("动画选项"));
    SizeTwips(this, 3840, 1980);

    Label1 = NewLabel(this, "Label1", "帧数");
    PlaceTwips(Label1, 240, 285, 1335, 255);
    text1 = NewText(this, "text1");
    PlaceTwips(text1, 1680, 240, 1875, 330);
    Label2 = NewLabel(this, "Label2", "速度(帧/秒)");
    PlaceTwips(Label2, 240, 765, 1335, 255);
    Text2 = NewText(this, "Text2");
    PlaceTwips(Text2, 1680, 720, 1875, 330);
    Command1 = NewButton(this, "Command1", "确定");
    PlaceTwips(Command1, 720, 1320, 1095, 375);
    Command2 = NewButton(this, "Command2", "取消");
    PlaceTwips(Command2, 2160, 1320, 1095, 375);
    Command1->setDefault(true);

    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF19::Form_Load() {
    SetText(text1, LongText(FrameCount));
    SetText(Text2, LongText(FramesPerSecond));
}

void frmF19::Command1_Click() {
    // A fraction below 1 is refused before any rounding (0.7 is not 1); the
    // upper limit is read the same way.
    const double frames = NumericValue(TextOf(text1));
    if (frames < 1) return Refuse("帧数必须大于1。");
    if (frames > MaxFrameCount) return Refuse("帧数不能大于1000。");
    const double speed = NumericValue(TextOf(Text2));
    if (speed < 1) return Refuse("速度必须大于1帧/秒。");
    const std::optional<std::int32_t> framesPerSecond = WholeCount(TextOf(Text2));
    if (!framesPerSecond) return Refuse("速度太大。");

    FrameCount = WholeCountOf(text1);
    FramesPerSecond = *framesPerSecond;
    ApplyPlaySpeed(FramesPerSecond);
    // Unloading repaints the main window's drawing area.
    Unload();
}

void frmF19::Command2_Click() { Unload(); }

std::int32_t frmF19::FrameCountInBox() { return WholeCountOf(Get().text1); }
std::int32_t frmF19::SpeedInBox() { return WholeCountOf(Get().Text2); }

void frmF19::ShowSettings(std::int32_t frameCount, std::int32_t framesPerSecond) {
    frmF19& f = Get();
    SetText(f.text1, LongText(frameCount));
    SetText(f.Text2, LongText(framesPerSecond));
}

std::optional<std::int32_t> PlayInterval(std::int32_t framesPerSecond) {
    if (framesPerSecond < 1) return std::nullopt;
    // 2000 frames per second and more would round to 0 ms: a timer of 0 ms
    // fires whenever the event loop is idle.
    const double interval = RoundHalfEven(1000.0 / framesPerSecond);
    return interval < 1 ? 1 : static_cast<std::int32_t>(interval);
}

void ApplyPlaySpeed(std::int32_t framesPerSecond) {
    if (const std::optional<std::int32_t> interval = PlayInterval(framesPerSecond))
        MainWindow().SetPlayInterval(*interval);
}
