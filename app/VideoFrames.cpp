#include "app/VideoFrames.h"

#include "core/Globals.h"
#include "core/NumberText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

bool RecordingFrames = false;
std::int32_t RecordedFrameCount = 0;

namespace {

[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] {
    RecordingFrames = false;
    RecordedFrameCount = 0;
});

// The folder of this run, removed with its files when the program ends. Never
// the program's own folder: an installed program's folder is read-only.
struct Folder {
    std::unique_ptr<QTemporaryDir> dir;
    std::string path;
};

Folder& TheFolder() {
    static Folder folder;
    if (!folder.dir) {
        folder.dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vexilon-frames-XXXXXX"));
        if (folder.dir->isValid()) folder.path = folder.dir->path().toStdString();
    }
    return folder;
}

} // namespace

const std::string& FrameFolder() { return TheFolder().path; }

std::string FrameFilePath(const std::string& frame) {
    const std::string& folder = FrameFolder();
    if (folder.empty()) return std::string();
    return folder + "/Graph" + frame + ".bmp";
}

std::string FrameFilePath(std::int32_t n) { return FrameFilePath(LongText(n)); }

void DeleteFrameFiles(std::int32_t count) {
    for (std::int32_t n = 1; n <= count; ++n) {
        const std::string path = FrameFilePath(n);
        if (!path.empty()) QFile::remove(QString::fromStdString(path));
    }
}

std::int32_t VideoFrameRate(const std::string& text) {
    constexpr std::int32_t Lowest = 1, Highest = 30;
    const std::optional<std::int32_t> rate = WholeCount(text);
    if (!rate) return NumericValue(text) < 0 ? Lowest : Highest;
    return *rate < Lowest ? Lowest : *rate > Highest ? Highest : *rate;
}
