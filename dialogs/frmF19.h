#pragma once
// The animation options "动画选项": the frame count and the playback speed.
//
// The two boxes mirror the settings FrameCount and FramesPerSecond while the
// dialog is loaded: loading fills them from the settings, OK stores them back,
// and OK, Cancel and the close box unload the dialog, so unconfirmed text is
// discarded. The rest of the program uses the boxes through the static
// functions below (the first touch loads the dialog): the animation creation
// commands read them, the document reader writes them.
#include "dialogs/DialogForm.h"

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class frmF19 : public DialogForm<frmF19> {
    Q_OBJECT
public:
    frmF19();

    QLabel* Label1;        // "帧数"
    QLineEdit* text1;      // the frame count (the control's name is lower-case)
    QLabel* Label2;        // "速度(帧/秒)"
    QLineEdit* Text2;      // frames per second
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // OK: refuses a frame count below 1 or above MaxFrameCount, then a speed
    // below 1 or beyond 32 bits (each with its message, the dialog staying
    // open and nothing changed); else stores both, gives the main window's
    // timer the interval of the new speed and unloads.
    void Command1_Click();
    // Cancel: unloads; nothing changes.
    void Command2_Click();

    // The numbers in the boxes as whole numbers (rounded, a half to the even
    // neighbour): 0 for a text that does not begin with a number or whose
    // number lies beyond 32 bits.
    static std::int32_t FrameCountInBox();
    static std::int32_t SpeedInBox();
    // Writes a frame count and a speed into the boxes.
    static void ShowSettings(std::int32_t frameCount, std::int32_t framesPerSecond);
};

// The player's timer interval for a speed in frames per second: 1000 / speed
// milliseconds, rounded (a half to the even neighbour) and at least 1 ms;
// nothing for a speed below 1.
std::optional<std::int32_t> PlayInterval(std::int32_t framesPerSecond);
// Gives the main window's animation timer the interval of this speed, whether
// it runs or not; a speed below 1 leaves the interval as it is.
void ApplyPlaySpeed(std::int32_t framesPerSecond);
