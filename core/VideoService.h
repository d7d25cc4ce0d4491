#pragma once
// Writing a video file, as a service: the video export asks through this
// interface; the application installs the platform's AVI writer.
//
// A video has one stream of uncompressed frames, each a key frame, all of the
// size and format given when the file is created. The file appears under its
// name only when Commit succeeds: until then an existing file of that name is
// untouched, and a file given up (destroyed without a successful Commit, or
// after a failed write) leaves nothing behind.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
};

class VideoFile {
public:
    virtual ~VideoFile() = default;
    // Appends one frame of pixel bytes. False once any write has failed.
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
