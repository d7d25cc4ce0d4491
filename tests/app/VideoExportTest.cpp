// The video export in the shown main window: the menu opens the modeless
// export dialog, "生成帧" records a moving point frame by frame as the timer's
// ticks (delivered by the test) play it, the lists pick the frames and
// "保存动画" writes them, uncompressed or as Motion JPEG as the compression
// dialog (scripted) says; the videos are read back with ffprobe and ffmpeg.
#include "app/VideoFrames.h"
#include "app/frmF1.h"
#include "app/frmF23.h"
#include "core/BmpFile.h"
#include "core/Globals.h"
#include "core/VideoService.h"
#include "core/cDIB.h"
#include "platform/AviWriter.h"
#include "platform/CheckListBox.h"
#include "platform/PictureImage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/platform/MediaTestSupport.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <map>

namespace {

constexpr int Hour = 3600 * 1000;

// A video service that keeps what it is given and writes nothing; a hook
// runs at every frame.
class RecordingVideos : public VideoService {
public:
    RecordingVideos() : previous_(&Videos()) { SetVideoService(this); }
    ~RecordingVideos() override { SetVideoService(previous_); }
    RecordingVideos(const RecordingVideos&) = delete;
    RecordingVideos& operator=(const RecordingVideos&) = delete;

    std::unique_ptr<VideoFile> Create(const std::string& path, const VideoFormat& format) override {
        paths.push_back(path);
        formats.push_back(format);
        return std::make_unique<File>(*this);
    }

    std::vector<std::string> paths;
    std::vector<VideoFormat> formats;
    std::vector<std::vector<std::uint8_t>> frames;
    int commits = 0;
    std::function<void()> onFrame;

private:
    struct File : VideoFile {
        explicit File(RecordingVideos& owner) : owner_(owner) {}
        bool WriteFrame(const std::uint8_t* bits, std::size_t size) override {
            owner_.frames.emplace_back(bits, bits + size);
            if (owner_.onFrame) owner_.onFrame();
            return true;
        }
        bool Commit() override {
            ++owner_.commits;
            return true;
        }
        RecordingVideos& owner_;
    };
    VideoService* previous_;
};

// Our AVI writer installed for one test.
class AviVideos : public AviVideoService {
public:
    AviVideos() : previous_(&Videos()) { SetVideoService(this); }
    ~AviVideos() override { SetVideoService(previous_); }
    AviVideos(const AviVideos&) = delete;
    AviVideos& operator=(const AviVideos&) = delete;

private:
    VideoService* previous_;
};

QStringList Texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QStringList Numbers(int from, int to) {
    QStringList out;
    for (int n = from; n <= to; ++n) out << QString::number(n);
    return out;
}

bool Exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

class VideoExport : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Start(QString(), QSize(600, 450));
        QCoreApplication::processEvents();
        W().mnuFileNew2D_Click();
        W().EnablePlayback();
        W().Timer1->setInterval(Hour);
    }
    void TearDown() override {
        DeleteFrameFiles(FrameCount + 5);
        MainWindowFixture::TearDown();
    }

    // A red point moving along y = 1: frame f shows it at x = 2 (f - 1) - N.
    // Its row is ticked, which samples it and builds the frame lists.
    std::shared_ptr<Cls9> MovingPoint(std::int32_t frames) {
        FrameCount = frames;
        auto g = MovingPointGraph(1);
        Add(DocumentScene, g);
        W().AddTickedRow("点动画   x=t, y=1");
        EXPECT_TRUE(VisibleScene.Animation());
        return g;
    }

    // The export dialog through its menu item.
    frmF23& Dialog() {
        W().MenuItem("mnuFileSaveAVI")->trigger();
        EXPECT_TRUE(frmF23::Loaded());
        return frmF23::Get();
    }
    static void Press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // "生成帧", then the timer's ticks until the normal play ends (at most
    // FrameCount + 2 of them).
    void Record() {
        Press(frmF23::Get().Command4);
        for (int i = 0; i < FrameCount + 2 && W().Timer1->isActive(); ++i) W().Timer1_Timer();
        EXPECT_FALSE(W().Timer1->isActive());
    }

    // "保存动画" into `path` chosen in the save dialog.
    void Save(const QString& path) {
        fileDialog.Choose(path.toStdString());
        Press(frmF23::Get().Command5);
    }

    // The drawing area's size in device pixels.
    QSize AreaPixels() {
        GlDrawingArea* a = W().picDraw();
        return a->size() * a->devicePixelRatioF();
    }

    QTemporaryDir out;
    RecordingVideoCompression compression;
};

TEST_F(VideoExport, TenRecordedFramesMakeAVideoOfTenFramesAtTheChosenSpeed) {
    MovingPoint(10);
    frmF23& d = Dialog();
    // Modeless: the menu command came back with the dialog open.
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.isModal());
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("将动画保存为AVI文件"));
    EXPECT_EQ(d.windowType(), Qt::Tool);
    EXPECT_EQ(d.parentWidget(), &W());
    d.grab().save(RunFile(QStringLiteral("vexilon_frmF23.png")));

    Press(d.Command4);
    EXPECT_TRUE(RecordingFrames);
    EXPECT_EQ(RecordedFrameCount, 0);
    EXPECT_EQ(CurrentFrame, 0);
    EXPECT_EQ(W().PlayMode, PlayMode::Normal);
    EXPECT_TRUE(W().Timer1->isActive());
    for (int n = 1; n <= 10; ++n) {
        W().Timer1_Timer();
        EXPECT_EQ(CurrentFrame, n);
        EXPECT_EQ(RecordedFrameCount, n);
        cDIB frame;
        ASSERT_TRUE(frame.CreateFromFile(FrameFilePath(n))) << n;
        EXPECT_EQ(QSize(frame.Width(), frame.Height()), AreaPixels());
        EXPECT_EQ(frame.BitCount(), 24);
    }
    EXPECT_FALSE(RecordingFrames);
    EXPECT_EQ(Texts(d.List1), Numbers(1, 10));
    // Frame 11 is shown but not recorded; the tick after it ends the play on frame 1.
    W().Timer1_Timer();
    EXPECT_EQ(CurrentFrame, 11);
    EXPECT_FALSE(Exists(FrameFilePath(11)));
    W().Timer1_Timer();
    EXPECT_EQ(CurrentFrame, 1);
    EXPECT_FALSE(W().Timer1->isActive());
    EXPECT_EQ(d.List1->count(), 10);
    // The frame files are in a folder of their own, not the program's.
    EXPECT_NE(QDir(QString::fromStdString(FrameFolder())).canonicalPath(),
              QDir(QCoreApplication::applicationDirPath()).canonicalPath());

    Press(d.Command2);
    EXPECT_EQ(Texts(d.List2), Numbers(1, 10));
    d.Text1->setText(QStringLiteral("5"));
    AviVideos videos;
    const QString path = out.filePath(QStringLiteral("ten.avi"));
    Save(path);

    ASSERT_EQ(fileDialog.requests.size(), 1u);
    const FileDialogRequest& r = fileDialog.requests[0];
    EXPECT_EQ(r.kind, FileDialogKind::Save);
    EXPECT_EQ(r.title, "保存动画到AVI文件");
    EXPECT_EQ(r.filter, "AVI Files|*.avi");
    EXPECT_EQ(r.fileName, "untitled.avi");
    EXPECT_EQ(r.defaultExt, "avi");
    EXPECT_EQ(r.flags, FileDialogFlag::OverwritePrompt | FileDialogFlag::HideReadOnly);
    // Both dialogs belong to the export dialog; the compression offered is
    // none, and taken.
    EXPECT_EQ(r.owner, static_cast<std::int32_t>(d.winId()));
    ASSERT_EQ(compression.requests.size(), 1u);
    EXPECT_EQ(compression.requests[0].owner, static_cast<std::int32_t>(d.winId()));
    EXPECT_EQ(compression.requests[0].offered, VideoCompression{});
    EXPECT_EQ(box.Count(), 0u);
    for (int n = 1; n <= 10; ++n) EXPECT_FALSE(Exists(FrameFilePath(n))) << n;
    // Both lists keep their entries; the selection ran down List2.
    EXPECT_EQ(d.List1->count(), 10);
    EXPECT_EQ(d.List2->count(), 10);
    EXPECT_EQ(d.List2->currentRow(), 9);
    EXPECT_EQ(Panel(), "就绪");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(QFile::exists(path));

    SKIP_WITHOUT_FFMPEG();
    auto probe = Probe(path);
    EXPECT_EQ(probe["nb_read_frames"], "10");
    EXPECT_EQ(probe["width"], std::to_string(AreaPixels().width()));
    EXPECT_EQ(probe["height"], std::to_string(AreaPixels().height()));
    EXPECT_EQ(probe["r_frame_rate"], "5/1");
    EXPECT_EQ(probe["codec_name"], "rawvideo");
}

TEST_F(VideoExport, FramesGoInListOrderAtAnOddWidth) {
    // A drawing area of odd width: BMP rows are padded, video rows are not.
    for (int w = 600; AreaPixels().width() % 2 == 0 && w < 610; ++w) {
        W().resize(w, 450);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(AreaPixels().width() % 2, 1);
    MovingPoint(3);
    frmF23& d = Dialog();
    Record();
    ASSERT_EQ(Texts(d.List1), Numbers(1, 3));
    // ">" takes the selected frame; "删除" removes List2's selected entry.
    for (int row : {2, 0, 1, 2}) {
        d.List1->setCurrentRow(row);
        Press(d.Command1);
    }
    d.List2->setCurrentRow(2);
    Press(d.Command3);
    ASSERT_EQ(Texts(d.List2), (QStringList{"3", "1", "3"}));
    const std::optional<PictureRows> first = PictureRowsFromImage(QImage(QString::fromStdString(FrameFilePath(1))));
    const std::optional<PictureRows> third = PictureRowsFromImage(QImage(QString::fromStdString(FrameFilePath(3))));
    ASSERT_TRUE(first && third);
    ASSERT_NE(first->Rgb, third->Rgb);

    AviVideos videos;
    const QString path = out.filePath(QStringLiteral("order.avi"));
    Save(path);
    EXPECT_EQ(box.Count(), 0u);
    SKIP_WITHOUT_FFMPEG();
    const std::vector<QByteArray> decoded = Decode(path, first->Width, first->Height);
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_TRUE(Same(decoded[0], *third));
    EXPECT_TRUE(Same(decoded[1], *first));
    EXPECT_TRUE(Same(decoded[2], *third));
}

TEST_F(VideoExport, PastTheRiffLimitEveryFrameIsStillInTheVideo) {
    MovingPoint(10);
    frmF23& d = Dialog();
    Record();
    Press(d.Command2);
    AviVideos videos;
    videos.SetRiffLimit(1 << 20);
    const QString path = out.filePath(QStringLiteral("long.avi"));
    Save(path);
    EXPECT_EQ(box.Count(), 0u);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GE(f.readAll().count("AVIX"), 2);
    SKIP_WITHOUT_FFMPEG();
    EXPECT_EQ(Probe(path)["nb_read_frames"], "10");
}

TEST_F(VideoExport, CancelInTheSaveDialogWritesAndDeletesNothing) {
    MovingPoint(3);
    frmF23& d = Dialog();
    Record();
    Press(d.Command2);
    RecordingVideos videos;
    fileDialog.Cancel();
    Press(d.Command5);
    EXPECT_EQ(fileDialog.requests.size(), 1u);
    EXPECT_TRUE(videos.paths.empty());
    EXPECT_EQ(box.Count(), 0u);
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(Exists(FrameFilePath(n))) << n;
}

// A cancel in the compression dialog ends the export: nothing written, no
// message, an existing file of that name kept, the frame files deleted.
TEST_F(VideoExport, CancelInTheCompressionDialogWritesNothingAndDeletesTheFrames) {
    MovingPoint(3);
    frmF23& d = Dialog();
    Record();
    Press(d.Command2);
    RecordingVideos videos;
    compression.Cancel();
    Save(out.filePath(QStringLiteral("old.avi")));
    EXPECT_EQ(compression.requests.size(), 1u);
    EXPECT_TRUE(videos.paths.empty());
    EXPECT_EQ(box.Count(), 0u);
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(Exists(FrameFilePath(n))) << n;
    EXPECT_EQ(Panel(), "就绪");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The next export, frames recorded again, writes what is chosen then.
    Record();
    compression.Choose({VideoCodec::MotionJpeg, 40});
    Save(out.filePath(QStringLiteral("new.avi")));
    ASSERT_EQ(videos.formats.size(), 1u);
    EXPECT_EQ(videos.formats[0].Compression, (VideoCompression{VideoCodec::MotionJpeg, 40}));
    EXPECT_EQ(videos.frames.size(), 3u);
    EXPECT_EQ(videos.commits, 1);
}

// The same 24 recorded frames exported both ways: ffprobe reads both, ffmpeg
// decodes every Motion JPEG frame to the frame recorded, within JPEG's loss,
// and the Motion JPEG file is a small part of the uncompressed one.
TEST_F(VideoExport, TwentyFourFramesUncompressedAndMotionJpeg) {
    MovingPoint(24);
    frmF23& d = Dialog();
    AviVideos videos;
    std::map<std::string, qint64> sizes;
    std::vector<PictureRows> recorded;
    for (const VideoCompression& choice : {VideoCompression{}, VideoCompression{VideoCodec::MotionJpeg, 75}}) {
        const bool jpeg = choice.Codec == VideoCodec::MotionJpeg;
        SCOPED_TRACE(jpeg ? "Motion JPEG" : "uncompressed");
        d.List1->clear();
        d.List2->clear();
        Record();
        recorded.clear();
        for (int n = 1; n <= 24; ++n) {
            const std::optional<PictureRows> picture =
                PictureRowsFromImage(QImage(QString::fromStdString(FrameFilePath(n))));
            ASSERT_TRUE(picture);
            recorded.push_back(*picture);
        }
        Press(d.Command2);
        d.Text1->setText(QStringLiteral("12"));
        compression.Choose(choice);
        const QString path = out.filePath(jpeg ? QStringLiteral("mjpeg.avi") : QStringLiteral("raw.avi"));
        Save(path);
        EXPECT_EQ(box.Count(), 0u);
        ASSERT_TRUE(QFile::exists(path));
        sizes[jpeg ? "mjpeg" : "raw"] = QFileInfo(path).size();
        if (!HaveTool("ffprobe") || !HaveTool("ffmpeg")) continue;
        auto probe = Probe(path);
        EXPECT_EQ(probe["codec_name"], jpeg ? "mjpeg" : "rawvideo");
        EXPECT_EQ(probe["nb_read_frames"], "24");
        EXPECT_EQ(probe["width"], std::to_string(AreaPixels().width()));
        EXPECT_EQ(probe["height"], std::to_string(AreaPixels().height()));
        EXPECT_EQ(probe["r_frame_rate"], "12/1");
        const std::vector<QByteArray> decoded = Decode(path, recorded[0].Width, recorded[0].Height);
        if (jpeg) {
            EXPECT_TRUE(DecodedWithinLoss(decoded, recorded, 3));
        } else {
            ASSERT_EQ(decoded.size(), 24u);
            for (int i = 0; i < 24; ++i) EXPECT_TRUE(Same(decoded[i], recorded[i])) << i;
        }
    }
    RecordProperty("uncompressed_bytes", std::to_string(sizes["raw"]));
    RecordProperty("motion_jpeg_bytes", std::to_string(sizes["mjpeg"]));
    EXPECT_LT(sizes["mjpeg"] * 10, sizes["raw"]);
    SKIP_WITHOUT_FFMPEG();
}

TEST_F(VideoExport, AFailedWriteLeavesTheOldFileAndSaysSo) {
    MovingPoint(3);
    frmF23& d = Dialog();
    AviVideos videos;
    videos.FailWritesAfter(5000);
    const QString existing = out.filePath(QStringLiteral("old.avi"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old video");
    }
    for (const QString& path : {existing, out.filePath(QStringLiteral("new.avi"))}) {
        SCOPED_TRACE(path.toStdString());
        box.Clear();
        d.List1->clear();
        d.List2->clear();
        Record();
        Press(d.Command2);
        Save(path);
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, "写文件时出错。");
        EXPECT_EQ(box.Last().title, AppTitle);
        EXPECT_EQ(box.Last().icon, MsgIcon::Information);
        for (int n = 1; n <= 3; ++n) EXPECT_FALSE(Exists(FrameFilePath(n))) << n;
    }
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old video"));
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("new.avi"))));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"old.avi"});
}

// The export is one run: a click queued meanwhile runs after it, the status
// panel counts the frames, the cursor is busy.
TEST_F(VideoExport, AClickQueuedDuringTheExportRunsAfterIt) {
    MovingPoint(3);
    frmF23& d = Dialog();
    Record();
    Press(d.Command2);
    RecordingVideos videos;
    std::vector<std::string> panels;
    std::vector<bool> busy;
    videos.onFrame = [&] {
        panels.push_back(Panel());
        busy.push_back(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        if (panels.size() == 1) {
            const QPoint c = d.Command4->rect().center();
            for (auto [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                      std::pair{QEvent::MouseButtonRelease, Qt::NoButton}})
                QCoreApplication::postEvent(d.Command4, new QMouseEvent(type, QPointF(c), d.Command4->mapToGlobal(QPointF(c)),
                                                                        Qt::LeftButton, held, Qt::NoModifier));
        }
    };
    Save(out.filePath(QStringLiteral("run.avi")));
    EXPECT_EQ(panels, (std::vector<std::string>{"保存动画 1/3", "保存动画 2/3", "保存动画 3/3"}));
    EXPECT_EQ(busy, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(videos.commits, 1);
    EXPECT_EQ(Panel(), "就绪");
    // "生成帧" has not run yet, and the export deleted the files it wrote.
    EXPECT_FALSE(RecordingFrames);
    EXPECT_FALSE(W().Timer1->isActive());
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(Exists(FrameFilePath(n))) << n;
    QCoreApplication::processEvents();
    EXPECT_TRUE(RecordingFrames);
    EXPECT_TRUE(W().Timer1->isActive());
}

TEST_F(VideoExport, AFrameFileThatCannotBeWrittenStopsTheRecording) {
    MovingPoint(6);
    frmF23& d = Dialog();
    // Frame file 4's name is taken by a folder.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(FrameFilePath(4))));
    Press(d.Command4);
    for (int n = 1; n <= 3; ++n) W().Timer1_Timer();
    EXPECT_EQ(box.Count(), 0u);
    W().Timer1_Timer();
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "写文件时出错。");
    EXPECT_EQ(box.Last().title, AppTitle);
    EXPECT_EQ(box.Last().icon, MsgIcon::Information);
    EXPECT_FALSE(RecordingFrames);
    EXPECT_EQ(RecordedFrameCount, 3);
    EXPECT_EQ(Texts(d.List1), Numbers(1, 3));
    // The play goes on to its end, recording nothing more.
    EXPECT_TRUE(W().Timer1->isActive());
    for (int i = 0; i < 5 && W().Timer1->isActive(); ++i) W().Timer1_Timer();
    EXPECT_FALSE(W().Timer1->isActive());
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_FALSE(Exists(FrameFilePath(5)));
    QDir().rmdir(QString::fromStdString(FrameFilePath(4)));

    // The three frames export.
    std::vector<std::vector<std::uint8_t>> recorded;
    for (int n = 1; n <= 3; ++n) {
        cDIB frame;
        ASSERT_TRUE(frame.CreateFromFile(FrameFilePath(n)));
        recorded.emplace_back(frame.PointerToBits(), frame.PointerToBits() + frame.SizeImage());
    }
    Press(d.Command2);
    RecordingVideos videos;
    Save(out.filePath(QStringLiteral("three.avi")));
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(videos.frames, recorded);
    EXPECT_EQ(videos.commits, 1);
}

TEST_F(VideoExport, AFrameOfAResizedAreaIsScaledToFrameOnesSize) {
    MovingPoint(3);
    frmF23& d = Dialog();
    Press(d.Command4);
    W().Timer1_Timer();
    const QSize first = AreaPixels();
    W().resize(700, 520);
    QCoreApplication::processEvents();
    ASSERT_NE(AreaPixels(), first);
    W().Timer1_Timer();
    W().Timer1_Timer();
    for (int n = 1; n <= 3; ++n) {
        cDIB frame;
        ASSERT_TRUE(frame.CreateFromFile(FrameFilePath(n)));
        EXPECT_EQ(QSize(frame.Width(), frame.Height()), first) << n;
    }
    EXPECT_EQ(d.List1->count(), 3);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(VideoExport, ClosingTheDialogEndsTheRecording) {
    MovingPoint(4);
    frmF23& d = Dialog();
    Press(d.Command4);
    W().Timer1_Timer();
    d.close();
    EXPECT_FALSE(frmF23::Loaded());
    W().Timer1_Timer();
    EXPECT_FALSE(RecordingFrames);
    EXPECT_FALSE(frmF23::Loaded());
    EXPECT_FALSE(Exists(FrameFilePath(2)));
}

// The refusals and messages of "保存动画", and the speeds.
TEST_F(VideoExport, MessagesAndSpeeds) {
    MovingPoint(3);
    frmF23& d = Dialog();
    RecordingVideos videos;
    auto expectOne = [&](const std::string& text, MsgIcon icon, const std::string& title) {
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, text);
        EXPECT_EQ(box.Last().icon, icon);
        EXPECT_EQ(box.Last().title, title);
        box.Clear();
    };

    Press(d.Command5);
    expectOne("请先生成动画帧。", MsgIcon::Exclamation, "出错");
    Record();
    Press(d.Command5);
    expectOne("请先按顺序选择要生成动画的帧。", MsgIcon::Exclamation, "出错");
    EXPECT_TRUE(fileDialog.requests.empty());

    // Frame 1 missing: its message, no compression asked, nothing written,
    // the other files deleted.
    QFile::remove(QString::fromStdString(FrameFilePath(1)));
    d.List2->addItem(QStringLiteral("2"));
    Save(out.filePath(QStringLiteral("a.avi")));
    expectOne("不见不存在： \r\n" + FrameFilePath(1), MsgIcon::Critical, AppTitle);
    EXPECT_TRUE(compression.requests.empty());
    EXPECT_TRUE(videos.paths.empty());
    EXPECT_FALSE(Exists(FrameFilePath(2)));

    // Two missing frames and one of another size: each written as the frame
    // before it, one message naming the first.
    Record();
    cDIB one;
    ASSERT_TRUE(one.CreateFromFile(FrameFilePath(1)));
    const std::vector<std::uint8_t> frame1(one.PointerToBits(), one.PointerToBits() + one.SizeImage());
    QFile::remove(QString::fromStdString(FrameFilePath(2)));
    QFile::remove(QString::fromStdString(FrameFilePath(3)));
    d.List2->clear();
    d.List1->clearSelection();
    Press(d.Command2); // 1 .. 6: 4 to 6 name no file
    Save(out.filePath(QStringLiteral("b.avi")));
    expectOne("不见不存在： \r\n" + FrameFilePath(2), MsgIcon::Critical, AppTitle);
    ASSERT_EQ(videos.frames.size(), 6u);
    for (const auto& f : videos.frames) EXPECT_EQ(f, frame1);

    Record();
    PictureRows small{5, 4, std::vector<std::uint8_t>(5 * 4 * 3, 7)};
    ASSERT_TRUE(WriteBmpFile(FrameFilePath(2), small));
    d.List2->clear();
    d.List2->addItem(QStringLiteral("2"));
    Press(d.Command1); // nothing selected in List1: an empty entry
    EXPECT_EQ(Texts(d.List2), (QStringList{"2", ""}));
    videos.frames.clear();
    Save(out.filePath(QStringLiteral("c.avi")));
    expectOne("不支持该文件定义的位图格式:\r\n" + FrameFilePath(2), MsgIcon::Information, AppTitle);
    ASSERT_EQ(videos.frames.size(), 2u);
    EXPECT_EQ(videos.frames[0], frame1);
    EXPECT_EQ(videos.frames[1], frame1);

    struct Speed {
        const char* text;
        std::int32_t rate;
    };
    for (const Speed& s : {Speed{"0", 1}, Speed{"45", 30}, Speed{"12.5", 12}, Speed{"1E+12", 30}, Speed{"abc", 1},
                           Speed{"-1E+12", 1}, Speed{" 7 ", 7}}) {
        SCOPED_TRACE(s.text);
        Record();
        d.List2->clear();
        d.List2->addItem(QStringLiteral("1"));
        d.Text1->setText(QString::fromUtf8(s.text));
        Save(out.filePath(QStringLiteral("speed.avi")));
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_EQ(videos.formats.back().Rate, s.rate);
        EXPECT_EQ(VideoFrameRate(s.text), s.rate);
    }
    const VideoFormat& f = videos.formats.back();
    EXPECT_EQ(QSize(f.Width, f.Height), AreaPixels());
    EXPECT_EQ(f.SuggestedBufferSize, BmpRowBytes(f.Width) * std::uint32_t(f.Height));
    EXPECT_EQ(f.BitmapInfo.size(), 40u);
}

TEST_F(VideoExport, TheMenuCommandNeedsAnAnimatedGraphTicked) {
    MovingPoint(3);
    W().List1->SetTicked(0, false);
    ASSERT_FALSE(VisibleScene.Animation());
    W().MenuItem("mnuFileSaveAVI")->trigger();
    EXPECT_FALSE(frmF23::Loaded());
    W().List1->SetTicked(0, true);
    W().MenuItem("mnuFileSaveAVI")->trigger();
    EXPECT_TRUE(frmF23::Loaded());
}

} // namespace
