#include "tests/support/RecordingServices.h"

#include <algorithm>

RecordingMessageBox::RecordingMessageBox() : previous_(&Messages()) { SetMessageService(this); }
RecordingMessageBox::~RecordingMessageBox() { SetMessageService(previous_); }

MsgAnswer RecordingMessageBox::Show(const MessageRequest& request) {
    requests.push_back(request);
    if (!script_.empty()) {
        const MsgAnswer a = script_.front();
        script_.pop_front();
        return a;
    }
    return FirstButtonAnswer(request.buttons);
}

RecordingColorPicker::RecordingColorPicker() : previous_(&Colors()) { SetColorService(this); }
RecordingColorPicker::~RecordingColorPicker() { SetColorService(previous_); }

std::optional<std::int32_t> RecordingColorPicker::PickColor() {
    ++requests;
    if (script_.empty()) return std::nullopt;
    const auto a = script_.front();
    script_.pop_front();
    return a;
}

RecordingResultPane::RecordingResultPane() : previous_(&Result()) { SetResultPane(this); }
RecordingResultPane::~RecordingResultPane() { SetResultPane(previous_); }

RecordingFileAssociation::RecordingFileAssociation() : previous_(&FileAssociation()) {
    SetFileAssociationService(this);
}
RecordingFileAssociation::~RecordingFileAssociation() { SetFileAssociationService(previous_); }

RecordingFileDialog::RecordingFileDialog() : previous_(&FileDialogs()) { SetFileDialogService(this); }
RecordingFileDialog::~RecordingFileDialog() { SetFileDialogService(previous_); }

std::optional<FileDialogChoice> RecordingFileDialog::ChooseFileAndType(const FileDialogRequest& request) {
    requests.push_back(request);
    if (script_.empty()) return std::nullopt;
    const std::optional<Entry> a = script_.front();
    script_.pop_front();
    if (!a) return std::nullopt;
    return FileDialogChoice{a->path, a->filterIndex > 0 ? a->filterIndex : std::max(request.filterIndex, 1),
                            a->flags.value_or(request.flags)};
}

std::string RecordingFileDialog::SpecialFolderPath(std::int32_t folder) {
    const auto found = specialFolders.find(folder);
    return found == specialFolders.end() ? std::string() : found->second;
}

RecordingVideoCompression::RecordingVideoCompression() : previous_(&VideoCompressions()) {
    SetVideoCompressionService(this);
}
RecordingVideoCompression::~RecordingVideoCompression() { SetVideoCompressionService(previous_); }

std::optional<VideoCompression> RecordingVideoCompression::ChooseCompression(const VideoCompressionRequest& request) {
    requests.push_back(request);
    if (script_.empty()) return request.offered;
    const std::optional<VideoCompression> a = script_.front();
    script_.pop_front();
    return a;
}

RecordingPrinter::RecordingPrinter() : previous_(&Printer()) { SetPrinterService(this); }
RecordingPrinter::~RecordingPrinter() { SetPrinterService(previous_); }

bool RecordingPrinter::PrintPicture(const PictureRows& picture, std::int32_t widthTwips, std::int32_t heightTwips) {
    pages.push_back(Page{picture, widthTwips, heightTwips});
    return answer;
}

RecordingShell::RecordingShell() : previous_(&Shell()) { SetShellService(this); }
RecordingShell::~RecordingShell() { SetShellService(previous_); }

bool RecordingShell::Open(const std::string& sFile) {
    opened.push_back(sFile);
    return answer;
}

RecordingClipboard::RecordingClipboard() : previous_(&Clipboard()) { SetClipboardService(this); }
RecordingClipboard::~RecordingClipboard() { SetClipboardService(previous_); }

void RecordingClipboard::SetText(const std::string& t) {
    ++textWrites;
    text = t;
    picture.reset();
}

void RecordingClipboard::SetPicture(const PictureRows& p) {
    ++pictureWrites;
    text.clear();
    picture = p;
}

FailingFileSystem::FailingFileSystem(Step step, std::uint64_t limit)
    : failing(step), writeLimit(limit), previous_(&FileSystem()) {
    SetFileSystemService(this);
}
FailingFileSystem::~FailingFileSystem() { SetFileSystemService(previous_); }

bool FailingFileSystem::Fails(Step step) {
    if (failing != step) return false;
    ++failures;
    return true;
}

int FailingFileSystem::CreateBeside(const std::string& path, std::string& temporary) {
    return Fails(Step::Create) ? -1 : DiskFileSystem::CreateBeside(path, temporary);
}

bool FailingFileSystem::KeepOwner(int fd, const std::string& path) {
    return !Fails(Step::Owner) && DiskFileSystem::KeepOwner(fd, path);
}

bool FailingFileSystem::WriteAt(int fd, std::uint64_t offset, const void* data, std::size_t size) {
    if (failing != Step::Write || offset + size <= writeLimit) return DiskFileSystem::WriteAt(fd, offset, data, size);
    // What fits below the limit reaches the disk, as on a disk that fills up.
    if (offset < writeLimit) DiskFileSystem::WriteAt(fd, offset, data, static_cast<std::size_t>(writeLimit - offset));
    ++failures;
    return false;
}

bool FailingFileSystem::Flush(int fd) { return !Fails(Step::Flush) && DiskFileSystem::Flush(fd); }

bool FailingFileSystem::Close(int fd) {
    const bool closed = DiskFileSystem::Close(fd);
    return !Fails(Step::Close) && closed;
}

bool FailingFileSystem::Rename(const std::string& from, const std::string& to) {
    return !Fails(Step::Rename) && DiskFileSystem::Rename(from, to);
}
