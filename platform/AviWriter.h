#pragma once
// Our AVI writer: one video stream of key frames, uncompressed ('00db'
// chunks, the frames' bitmap information as the stream format) or Motion
// JPEG ('00dc' chunks, each a JPEG picture written by Qt's JPEG writer at the
// chosen quality; handler and format "MJPG").
//
// Layout: RIFF 'AVI ' { LIST 'hdrl' { 'avih', LIST 'strl' { 'strh', 'strf',
// super index }, OpenDML header }, LIST 'movi' { frames }, 'idx1' }.
// A file that stays within one RIFF is a plain AVI: the super index and the
// OpenDML header are 'JUNK' chunks holding their room. When the next frame
// would take the RIFF past the limit (1 GB), the writer goes on in OpenDML
// form: each RIFF's movi list ends with an 'ix00' index of its frames, more
// frames go into 'AVIX' RIFFs, the strl's 'indx' super index points at every
// 'ix00', and LIST 'odml' { 'dmlh' } gives the total frame count; 'idx1'
// stays with the first RIFF, indexing its frames.
//
// The file is written as a ReplacementFile: it takes its name only when Commit
// has written the final headers and flushed the file to the disk; a failed
// write, flush or rename, or a file given up, leaves nothing behind and an
// existing file of that name as it was.
#include "core/VideoService.h"

#include <algorithm>
#include <cstdint>
#include <optional>

class AviVideoService : public VideoService {
public:
    static constexpr std::uint64_t DefaultRiffLimit = std::uint64_t{1} << 30;
    // RIFFs the super index has room for; a video needing more fails to write.
    static constexpr std::uint32_t SuperIndexEntries = 256;

    // Nothing for a format without pixels (width or height below 1, a rate
    // below 1, bitmap information shorter than its 40-byte header), Motion
    // JPEG of frames that are not 24 or 32 bits a pixel uncompressed (or
    // without Qt's JPEG writer), or a file that cannot be opened for writing.
    std::unique_ptr<VideoFile> Create(const std::string& path, const VideoFormat& format) override;

    // The size past which a RIFF is closed and the next begins. A RIFF holds
    // at least one frame, so a frame larger than the limit gets a RIFF alone.
    // It can only be lowered (tests do): a RIFF's size field has 32 bits.
    void SetRiffLimit(std::uint64_t bytes) { riffLimit_ = std::min(bytes, DefaultRiffLimit); }
    // For tests: every write past the first `bytes` bytes of a file fails, as
    // on a full disk; std::nullopt (the default) lets every write through.
    void FailWritesAfter(std::optional<std::uint64_t> bytes) { failAfter_ = bytes; }

private:
    std::uint64_t riffLimit_ = DefaultRiffLimit;
    std::optional<std::uint64_t> failAfter_;
};
