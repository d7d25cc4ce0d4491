#include "app/frmF23.h"

#include "app/VideoFrames.h"
#include "app/frmF1.h"
#include "core/BmpFile.h"
#include "core/BusyWork.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/VideoService.h"
#include "core/ViewCapture.h"
#include "core/cDIB.h"
#include "core/cFileDlg.h"
#include "dialogs/FormControls.h"
#include "platform/PictureImage.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <optional>
#include <string>
#include <utility>

namespace {

const std::string WriteErrorText = "写文件时出错。";
// What the bitmap class says of a file it cannot take.
const std::string OtherFormatText = "不支持该文件定义的位图格式:";

// The size of the recording's frame 1: every later frame is scaled to it.
QSize recordingSize;

// The shown frame as the picture of frame file n, in device pixels: frame 1
// sets the size of the recording, a later frame of another size (the area was
// resized) is scaled to it.
std::optional<PictureRows> RecordedPicture(std::int32_t n) {
    std::optional<PictureRows> picture = ViewCapture().CaptureView();
    if (!picture) return std::nullopt;
    const QSize size(picture->Width, picture->Height);
    if (n == 1) recordingSize = size;
    if (size == recordingSize) return picture;
    return PictureRowsFromImage(
        ImageFromPictureRows(*picture).scaled(recordingSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// The messages raised during an export, held until it is over: a modal box
// would let queued input (a click on "生成帧") run in the middle of it. Only
// the first is kept; the others are answered as a silent box answers.
class HeldMessages : public MessageService {
public:
    HeldMessages() : previous_(&Messages()) { SetMessageService(this); }
    ~HeldMessages() override { Restore(); }
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    MsgAnswer Show(const MessageRequest& request) override {
        if (!first) first = request;
        return FirstButtonAnswer(request.buttons);
    }
    void Restore() {
        if (&Messages() == this) SetMessageService(previous_);
    }
    // Holds the messages again after a Restore.
    void Hold() {
        if (&Messages() == this) return;
        previous_ = &Messages();
        SetMessageService(this);
    }

    std::optional<MessageRequest> first;

private:
    MessageService* previous_;
};

// A list of frame numbers as text, one selected entry at most, unsorted.
QListWidget* NewList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// Whether a frame read back can stand in the video of frame 1's format.
bool SameFormat(const cDIB& frame, const VideoFormat& format) {
    if (frame.SizeImage() != static_cast<std::int32_t>(format.SuggestedBufferSize)) return false;
    const std::uint8_t* info = frame.PointerToBitmapInfo();
    return static_cast<std::size_t>(frame.SizeBitmapInfo()) == format.BitmapInfo.size() &&
           std::equal(format.BitmapInfo.begin(), format.BitmapInfo.end(), info);
}

} // namespace

frmF23::frmF23() {
    setObjectName(QStringLiteral("frmF23"));
    setWindowTitle(ToQString("将动画保存为AVI文件"));
    // A tool window of the main window: above it, never above other programs.
    setWindowFlag(Qt::Tool, true);
    SizeTwips(this, 4815, 4215);

    Label1 = Placed(NewLabel(this, "Label1", "动画帧"), 120, 120, 1800, 255);
    List1 = Placed(NewList(this, "List1"), 120, 420, 1800, 2535);
    Label2 = Placed(NewLabel(this, "Label2", "选定的帧"), 2895, 120, 1800, 255);
    List2 = Placed(NewList(this, "List2"), 2895, 420, 1800, 2535);

    Command1 = Placed(NewButton(this, "Command1", ">"), 2070, 900, 675, 375);
    Command1->setToolTip(QStringLiteral("Select a frame"));
    Command2 = Placed(NewButton(this, "Command2", ">>"), 2070, 1440, 675, 375);
    Command2->setToolTip(QStringLiteral("Select all frames"));
    Command3 = Placed(NewButton(this, "Command3", "删除"), 2070, 1980, 675, 375);
    Command3->setToolTip(QStringLiteral("Delete the selected frame"));

    Label3 = Placed(NewLabel(this, "Label3", "速度"), 120, 3135, 600, 255);
    Text1 = Placed(NewText(this, "Text1", "5"), 780, 3090, 900, 330);
    Label4 = Placed(NewLabel(this, "Label4", "帧/秒"), 1770, 3135, 900, 255);

    Command4 = Placed(NewButton(this, "Command4", "生成帧"), 120, 3660, 1335, 375);
    Command5 = Placed(NewButton(this, "Command5", "保存动画"), 3360, 3660, 1335, 375);

    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    connect(Command3, &QPushButton::clicked, this, Guarded([this] { Command3_Click(); }));
    connect(Command4, &QPushButton::clicked, this, Guarded([this] { Command4_Click(); }));
    connect(Command5, &QPushButton::clicked, this, Guarded([this] { Command5_Click(); }));
}

frmF1* frmF23::Player() const { return qobject_cast<frmF1*>(parentWidget()); }

void frmF23::Command1_Click() {
    if (List1->count() == 0) return;
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    List2->addItem(selected.isEmpty() ? QString() : selected.front()->text());
}

void frmF23::Command2_Click() {
    const int count = List1->count();
    for (int n = 1; n <= count; ++n) List2->addItem(ToQString(LongText(n)));
}

void frmF23::Command3_Click() {
    const QList<QListWidgetItem*> selected = List2->selectedItems();
    if (!selected.isEmpty()) delete List2->takeItem(List2->row(selected.front()));
}

void frmF23::Command4_Click() {
    frmF1* player = Player();
    if (!player) return;
    RecordingFrames = true;
    CurrentFrame = 0;
    RecordedFrameCount = 0;
    player->PlayMode = PlayMode::Normal;
    player->Timer1->start();
    player->raise();
    player->activateWindow();
}

void frmF23::Command5_Click() {
    if (List1->count() == 0) {
        MsgBox("请先生成动画帧。", MsgIcon::Exclamation, ErrorTitle);
        return;
    }
    if (List2->count() == 0) {
        MsgBox("请先按顺序选择要生成动画的帧。", MsgIcon::Exclamation, ErrorTitle);
        return;
    }
    // A new dialog object each time: it keeps what a call leaves in it.
    cFileDlg dialog;
    dialog.DefaultExt = "avi";
    dialog.DlgTitle = "保存动画到AVI文件";
    dialog.Filter = "AVI Files|*.avi";
    dialog.OwnerHwnd = static_cast<std::int32_t>(winId());
    std::string path = "untitled.avi";
    if (!dialog.VBGetSaveFileName(path)) return;

    // One uninterrupted run but for the compression dialog: no event is
    // processed until the video is written and the frame files are gone; its
    // messages come afterwards.
    frmF1* player = Player();
    QLabel* status = player ? player->StatusBar1 : nullptr;
    auto showStatus = [status](const std::string& text) {
        if (!status) return;
        status->setText(ToQString(text));
        status->repaint();
    };
    HeldMessages messages;
    bool writeFailed = false;
    {
        // The busy cursor over the whole program while the export runs.
        std::optional<BusyWork> busy(std::in_place, BusyWorkKind::Exporting);
        // Frame 1 gives the format of the whole video, whatever List2 holds.
        cDIB frame;
        std::optional<VideoCompression> compression;
        if (frame.CreateFromFile(FrameFilePath(1))) {
            // The user chooses the compression; a cancel there ends the
            // export with nothing written (the frame files still go).
            busy.reset();
            messages.Restore();
            VideoCompressionRequest request;
            request.owner = static_cast<std::int32_t>(winId());
            compression = VideoCompressions().ChooseCompression(request);
            messages.Hold();
            busy.emplace(BusyWorkKind::Exporting);
        }
        if (compression) {
            VideoFormat format;
            format.Compression = *compression;
            format.Width = frame.Width();
            format.Height = frame.Height();
            format.Rate = VideoFrameRate(TextOf(Text1));
            format.SuggestedBufferSize = static_cast<std::uint32_t>(frame.SizeImage());
            format.BitmapInfo.assign(frame.PointerToBitmapInfo(), frame.PointerToBitmapInfo() + frame.SizeBitmapInfo());
            std::unique_ptr<VideoFile> video = Videos().Create(path, format);
            writeFailed = !video;
            const int count = List2->count();
            for (int i = 0; video && i < count; ++i) {
                List2->setCurrentRow(i);
                showStatus("保存动画 " + LongText(i + 1) + "/" + LongText(count));
                // A frame that cannot be read, or is not of frame 1's format,
                // is written as the frame before it.
                const std::string file = FrameFilePath(ToStdString(List2->item(i)->text()));
                cDIB next;
                if (next.CreateFromFile(file)) {
                    if (SameFormat(next, format))
                        frame = std::move(next);
                    else
                        MsgBox(OtherFormatText + CrLf + file, MsgIcon::Information, AppTitle);
                }
                if (!video->WriteFrame(frame.PointerToBits(), static_cast<std::size_t>(frame.SizeImage()))) {
                    writeFailed = true;
                    break;
                }
            }
            if (video && !writeFailed) writeFailed = !video->Commit();
        }
        DeleteFrameFiles(FrameCount);
        showStatus("就绪");
    }
    messages.Restore();
    if (messages.first) MsgBox(messages.first->text, messages.first->icon, messages.first->title);
    if (writeFailed) MsgBox(WriteErrorText, MsgIcon::Information, AppTitle);
}

void frmF23::RecordFrame() {
    if (!RecordingFrames) return;
    // The recording lists its frames in the export dialog: with the dialog
    // closed there is nothing to record for.
    if (!Loaded()) {
        RecordingFrames = false;
        return;
    }
    frmF23& dialog = Get();
    const std::int32_t n = RecordedFrameCount + 1;
    const std::optional<PictureRows> picture = RecordedPicture(n);
    if (!picture || !WriteBmpFile(FrameFilePath(n), *picture)) {
        // The frames written so far stay listed; the play goes on.
        RecordingFrames = false;
        MsgBox(WriteErrorText, MsgIcon::Information, AppTitle);
        return;
    }
    RecordedFrameCount = n;
    dialog.List1->addItem(ToQString(LongText(n)));
    if (n >= FrameCount) {
        RecordingFrames = false;
        dialog.raise();
        dialog.activateWindow();
    }
}
