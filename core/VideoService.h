#pragma once
// Writing a video file, and choosing its compression, as services: the video
// export asks through these interfaces; the application installs the
// platform's AVI writer and compression dialog.
//
// A video has one stream of frames, each a key frame, all of the size and
// format given when the file is created, stored uncompressed or compressed as
// the format says. The file appears under its name only when Commit succeeds:
// until then an existing file of that name is untouched, and a file given up
// (destroyed without a successful Commit, or after a failed write) leaves
// nothing behind.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class VideoCodec {
    // The frames' pixel bytes as they are.
    Uncompressed,
    // Each frame a JPEG picture ("MJPG").
    MotionJpeg,
};

struct VideoCompression {
    VideoCodec Codec = VideoCodec::Uncompressed;
    // The JPEG quality of Motion JPEG, 1 (smallest) to 100 (best).
    std::int32_t Quality = 75;
    bool operator==(const VideoCompression&) const = default;
};

struct VideoFormat {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Frames per second (the stream's scale is 1).
    std::int32_t Rate = 1;
    // The largest frame's byte count, as a hint for players.
    std::uint32_t SuggestedBufferSize = 0;
    // The stream format: a bitmap's information header and colour table, as
    // cDIB gives them (PointerToBitmapInfo, SizeBitmapInfo).
    std::vector<std::uint8_t> BitmapInfo;
    // How the frames are stored.
    VideoCompression Compression;
};

class VideoFile {
public:
    virtual ~VideoFile() = default;
    // Appends one frame of pixel bytes (in the format's bitmap layout). False
    // once any write has failed.
    virtual bool WriteFrame(const std::uint8_t* bits, std::size_t size) = 0;
    // Finishes the headers and indexes and puts the file under its name.
    // False when it could not (the file is then discarded).
    virtual bool Commit() = 0;
};

class VideoService {
public:
    virtual ~VideoService() = default;
    // Starts a video at `path` (UTF-8); nothing when it cannot be started.
    virtual std::unique_ptr<VideoFile> Create(const std::string& path, const VideoFormat& format) = 0;
};

// The installed service (one that starts no file until one is installed).
VideoService& Videos();
// Installs `service` (not owned); nullptr restores the default.
void SetVideoService(VideoService* service);

// What the compression dialog is asked with.
struct VideoCompressionRequest {
    // The choice shown at first.
    VideoCompression offered;
    // The window the dialog belongs to: its native window id, -1 for none
    // (the service's own window).
    std::int32_t owner = -1;
};

class VideoCompressionService {
public:
    virtual ~VideoCompressionService() = default;
    // The compression the user chose, or nothing when the user cancels.
    virtual std::optional<VideoCompression> ChooseCompression(const VideoCompressionRequest& request) = 0;
};

// The installed service (one that takes the offered choice until one is
// installed).
VideoCompressionService& VideoCompressions();
// Installs `service` (not owned); nullptr restores the default.
void SetVideoCompressionService(VideoCompressionService* service);
