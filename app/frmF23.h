#pragma once
// The video export "将动画保存为AVI文件": a modeless tool window owned by the
// main window. "生成帧" plays the animation once in normal mode while each
// tick's frame is written as a frame file (app/VideoFrames.h) and listed in
// List1; the user puts frames into List2 in video order (">", ">>",
// "删除"); "保存动画" asks for the file and then the compression (the video
// compression service: uncompressed or Motion JPEG with a quality) and
// writes them, each a key frame, into an AVI file through the video service
// at the rate of Text1, then deletes the frame files.
#include "dialogs/DialogForm.h"

class frmF1;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmF23 : public DialogForm<frmF23> {
    Q_OBJECT
public:
    frmF23();

    QLabel* Label1;        // "动画帧"
    QListWidget* List1;    // the recorded frames
    QLabel* Label2;        // "选定的帧"
    QListWidget* List2;    // the frames to write, in video order
    QPushButton* Command1; // ">": the selected frame
    QPushButton* Command2; // ">>": all frames
    QPushButton* Command3; // "删除": the selected entry of List2
    QLabel* Label3;        // "速度"
    QLineEdit* Text1;      // frames per second of the video
    QLabel* Label4;        // "帧/秒"
    QPushButton* Command4; // "生成帧"
    QPushButton* Command5; // "保存动画"

    // ">": appends List1's selected entry to List2 ("" when none is selected).
    void Command1_Click();
    // ">>": appends "1" .. List1's entry count to List2.
    void Command2_Click();
    // "删除": removes List2's selected entry.
    void Command3_Click();
    // "生成帧": a normal play from frame 0 that records each frame it shows.
    void Command4_Click();
    // "保存动画": the save dialog, the compression dialog (when frame 1 can
    // be read), then one uninterrupted run writing List2's frames; the frame
    // files are deleted after every path past the save dialog, a cancelled
    // compression dialog included.
    void Command5_Click();

    // The recording step of a normal-mode tick (the frame is shown): the view
    // captured through the view-capture service becomes the next frame file
    // and is listed; the frame FrameCount ends the recording. Nothing unless
    // RecordingFrames.
    static void RecordFrame();

private:
    // The main window that owns the dialog (nullptr when another widget does).
    frmF1* Player() const;
};
