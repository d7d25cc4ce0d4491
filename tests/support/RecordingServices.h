#pragma once
// The recording doubles of core's services: each installs itself while it
// lives (restoring the service it replaced), records what it is asked and
// answers from a script.
#include "core/ClipboardService.h"
#include "core/ColorService.h"
#include "core/FileAssociation.h"
#include "core/FileDialogService.h"
#include "core/MessageService.h"
#include "core/PrinterService.h"
#include "core/ReplacementFile.h"
#include "core/ResultPane.h"
#include "core/ShellService.h"
#include "core/VideoService.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Answers from the script, then with the box's first button (OK, Yes, Retry).
class RecordingMessageBox : public MessageService {
public:
    RecordingMessageBox();
    ~RecordingMessageBox() override;
    RecordingMessageBox(const RecordingMessageBox&) = delete;
    RecordingMessageBox& operator=(const RecordingMessageBox&) = delete;

    MsgAnswer Show(const MessageRequest& request) override;
    void Answer(MsgAnswer answer) { script_.push_back(answer); }

    std::vector<MessageRequest> requests;
    std::size_t Count() const { return requests.size(); }
    // The last message. With none, the test fails here and reads an empty
    // message, so checks of a message that never came fail instead of crashing.
    const MessageRequest& Last() const {
        static const MessageRequest none;
        if (requests.empty()) {
            ADD_FAILURE() << "no message was shown";
            return none;
        }
        return requests.back();
    }
    void Clear() { requests.clear(); }

private:
    std::deque<MsgAnswer> script_;
    MessageService* previous_;
};

// Answers from the script, then cancels.
class RecordingColorPicker : public ColorService {
public:
    RecordingColorPicker();
    ~RecordingColorPicker() override;
    RecordingColorPicker(const RecordingColorPicker&) = delete;
    RecordingColorPicker& operator=(const RecordingColorPicker&) = delete;

    std::optional<std::int32_t> PickColor() override;
    void Choose(std::int32_t colour) { script_.push_back(colour); }
    void Cancel() { script_.push_back(std::nullopt); }

    int requests = 0;

private:
    std::deque<std::optional<std::int32_t>> script_;
    ColorService* previous_;
};

// A pane that keeps its text in memory.
class RecordingResultPane : public ResultPane {
public:
    RecordingResultPane();
    ~RecordingResultPane() override;
    RecordingResultPane(const RecordingResultPane&) = delete;
    RecordingResultPane& operator=(const RecordingResultPane&) = delete;

    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void AppendText(const std::string& text) override { text_ += text; }

private:
    std::string text_;
    ResultPane* previous_;
};

// Counts the requests to write the file association.
class RecordingFileAssociation : public FileAssociationService {
public:
    RecordingFileAssociation();
    ~RecordingFileAssociation() override;
    RecordingFileAssociation(const RecordingFileAssociation&) = delete;
    RecordingFileAssociation& operator=(const RecordingFileAssociation&) = delete;

    void WriteFileAssociation() override { ++writes; }

    int writes = 0;

private:
    FileAssociationService* previous_;
};

// Records every file-dialog request and answers from the script (a chosen
// path, or a cancel), then cancels. A choice gives back the request's flags
// unless the script says others. Special folders come from a table.
class RecordingFileDialog : public FileDialogService {
public:
    RecordingFileDialog();
    ~RecordingFileDialog() override;
    RecordingFileDialog(const RecordingFileDialog&) = delete;
    RecordingFileDialog& operator=(const RecordingFileDialog&) = delete;

    std::optional<FileDialogChoice> ChooseFileAndType(const FileDialogRequest& request) override;
    std::string SpecialFolderPath(std::int32_t folder) override;
    // The path under the file type the dialog offered first.
    void Choose(const std::string& path) { script_.push_back(Entry{path, 0, std::nullopt}); }
    // The path under file type `filterIndex` (1 = the first).
    void Choose(const std::string& path, std::int32_t filterIndex) {
        script_.push_back(Entry{path, filterIndex, std::nullopt});
    }
    // ... with the dialog returning `flags`.
    void Choose(const std::string& path, std::int32_t filterIndex, std::int32_t flags) {
        script_.push_back(Entry{path, filterIndex, flags});
    }
    void Cancel() { script_.push_back(std::nullopt); }

    std::vector<FileDialogRequest> requests;
    // The special folders by number (none known by default).
    std::map<std::int32_t, std::string> specialFolders;

private:
    struct Entry {
        std::string path;
        std::int32_t filterIndex; // 0: the offered one
        std::optional<std::int32_t> flags;
    };
    std::deque<std::optional<Entry>> script_;
    FileDialogService* previous_;
};

// Records every compression request and answers from the script (a choice,
// or a cancel), then with the offered choice, as "确定" pressed at once.
class RecordingVideoCompression : public VideoCompressionService {
public:
    RecordingVideoCompression();
    ~RecordingVideoCompression() override;
    RecordingVideoCompression(const RecordingVideoCompression&) = delete;
    RecordingVideoCompression& operator=(const RecordingVideoCompression&) = delete;

    std::optional<VideoCompression> ChooseCompression(const VideoCompressionRequest& request) override;
    void Choose(VideoCompression choice) { script_.push_back(choice); }
    void Cancel() { script_.push_back(std::nullopt); }

    std::vector<VideoCompressionRequest> requests;

private:
    std::deque<std::optional<VideoCompression>> script_;
    VideoCompressionService* previous_;
};

// Records every picture it is asked to print and answers `answer`.
class RecordingPrinter : public PrinterService {
public:
    RecordingPrinter();
    ~RecordingPrinter() override;
    RecordingPrinter(const RecordingPrinter&) = delete;
    RecordingPrinter& operator=(const RecordingPrinter&) = delete;

    bool PrintPicture(const PictureRows& picture, std::int32_t widthTwips, std::int32_t heightTwips) override;

    struct Page {
        PictureRows picture;
        std::int32_t widthTwips;
        std::int32_t heightTwips;
    };
    std::vector<Page> pages;
    bool answer = true;

private:
    PrinterService* previous_;
};

// Records every file it is asked to open, opens nothing, and answers `answer`.
class RecordingShell : public ShellService {
public:
    RecordingShell();
    ~RecordingShell() override;
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    bool Open(const std::string& sFile) override;

    std::vector<std::string> opened;
    bool answer = true;

private:
    ShellService* previous_;
};

// A clipboard in memory: holds a text or a picture, as the system's holds one
// of them after each write, and records every write.
class RecordingClipboard : public ClipboardService {
public:
    RecordingClipboard();
    ~RecordingClipboard() override;
    RecordingClipboard(const RecordingClipboard&) = delete;
    RecordingClipboard& operator=(const RecordingClipboard&) = delete;

    void SetText(const std::string& text) override;
    std::string GetText() override { return text; }
    void SetPicture(const PictureRows& picture) override;

    // What it holds now: a text (empty for none) or a picture.
    std::string text;
    std::optional<PictureRows> picture;
    int textWrites = 0;
    int pictureWrites = 0;

private:
    ClipboardService* previous_;
};

// The disk, with one step of writing a file made to fail as a full or failing
// disk makes it fail: creating the new file, giving it the old file's owner
// and group (it keeps those it was made with), writing (the first `writeLimit`
// bytes of the file reach the disk, the rest of that write and every later
// write fail), flushing it, closing it (it is closed all the same) or giving
// it its name.
class FailingFileSystem : public DiskFileSystem {
public:
    enum class Step { Nothing, Create, Owner, Write, Flush, Close, Rename };
    explicit FailingFileSystem(Step failing = Step::Nothing, std::uint64_t writeLimit = 0);
    ~FailingFileSystem() override;
    FailingFileSystem(const FailingFileSystem&) = delete;
    FailingFileSystem& operator=(const FailingFileSystem&) = delete;

    int CreateBeside(const std::string& path, std::string& temporary) override;
    bool KeepOwner(int fd, const std::string& path) override;
    bool WriteAt(int fd, std::uint64_t offset, const void* data, std::size_t size) override;
    bool Flush(int fd) override;
    bool Close(int fd) override;
    bool Rename(const std::string& from, const std::string& to) override;

    Step failing;
    std::uint64_t writeLimit;
    // The steps that failed so far.
    int failures = 0;

private:
    bool Fails(Step step);
    FileSystemService* previous_;
};
