#include "platform/AviWriter.h"

#include "core/ReplacementFile.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr std::uint32_t AvifHasIndex = 0x10;
constexpr std::uint32_t AviifKeyframe = 0x10;
constexpr std::uint8_t AviIndexOfIndexes = 0x00;
constexpr std::uint8_t AviIndexOfChunks = 0x01;
constexpr std::uint32_t DmlhSize = 248;
constexpr std::uint32_t StdIndexHeader = 24; // 'ix00' data before its entries
constexpr std::uint32_t SuperIndexHeader = 24;

// Little-endian bytes of the chunks.
class Bytes {
public:
    std::vector<std::uint8_t> data;

    void U8(std::uint8_t v) { data.push_back(v); }
    void U16(std::uint32_t v) {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void U64(std::uint64_t v) {
        U32(static_cast<std::uint32_t>(v));
        U32(static_cast<std::uint32_t>(v >> 32));
    }
    void Fcc(const char (&code)[5]) {
        for (int i = 0; i < 4; ++i) U8(static_cast<std::uint8_t>(code[i]));
    }
    void Zeros(std::size_t n) { data.insert(data.end(), n, 0); }
    std::size_t Size() const { return data.size(); }
    void Set32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
};

struct IndexEntry {
    std::uint64_t chunkPos; // absolute position of the '00db' chunk
    std::uint32_t size;     // bytes of frame data
};

struct Riff {
    std::uint64_t start = 0;   // position of 'RIFF'
    std::uint64_t moviPos = 0; // position of the 'movi' code (after LIST and its size)
    std::vector<IndexEntry> frames;
    std::uint64_t ixPos = 0;   // its 'ix00' chunk, once written
    std::uint32_t ixSize = 0;
};

class AviFileWriter : public VideoFile {
public:
    AviFileWriter(const std::string& path, const VideoFormat& format, std::uint64_t riffLimit,
                  std::optional<std::uint64_t> failAfter)
        : file_(path), format_(format), riffLimit_(riffLimit), failAfter_(failAfter) {}

    bool Open() {
        if (!file_.Good()) return false;
        return WriteHeaders();
    }

    bool WriteFrame(const std::uint8_t* bits, std::size_t size) override {
        if (failed_ || committed_) return false;
        if (size > std::numeric_limits<std::int32_t>::max()) return Fail();
        const std::uint64_t chunk = 8 + Padded(size);
        Riff& riff = riffs_.back();
        if (!riff.frames.empty() && RiffBytesWith(riff, chunk) > riffLimit_) {
            if (!NextRiff()) return false;
        }
        Bytes head;
        head.Fcc("00db");
        head.U32(static_cast<std::uint32_t>(size));
        const std::uint64_t at = pos_;
        if (!Put(head) || !Put(bits, size) || ((size & 1) != 0 && !Put(zero_, 1))) return false;
        riffs_.back().frames.push_back({at, static_cast<std::uint32_t>(size)});
        ++total_;
        return true;
    }

    bool Commit() override {
        if (failed_ || committed_) return false;
        const bool single = riffs_.size() == 1;
        if (!single && !WriteStdIndex(riffs_.back())) return false;
        if (!EndList(moviListPos(riffs_.back()))) return false;
        if (single && !WriteIdx1()) return false;
        if (!EndList(riffs_.back().start)) return false;
        if (!single && !WriteOpenDmlHeaders()) return false;
        // Counts: frames of the first RIFF in 'avih', all frames in 'strh'.
        if (!PatchU32(avihFramesPos_, static_cast<std::uint32_t>(riffs_.front().frames.size())) ||
            !PatchU32(strhLengthPos_, static_cast<std::uint32_t>(total_)))
            return false;
        committed_ = true;
        return file_.Commit();
    }

private:
    static std::uint64_t Padded(std::uint64_t n) { return n + (n & 1); }
    static std::uint64_t moviListPos(const Riff& r) { return r.moviPos - 8; }

    // The RIFF's size with one more chunk of `chunk` bytes and its indexes.
    std::uint64_t RiffBytesWith(const Riff& riff, std::uint64_t chunk) const {
        const std::uint64_t n = riff.frames.size() + 1;
        std::uint64_t bytes = pos_ - riff.start + chunk + 8 + StdIndexHeader + 8 * n;
        if (riffs_.size() == 1) bytes += 8 + 16 * n; // idx1
        return bytes;
    }

    bool Fail() {
        if (!failed_) file_.Discard();
        failed_ = true;
        return false;
    }

    bool Put(const std::uint8_t* p, std::size_t n) {
        if (failed_) return false;
        if (failAfter_ && written_ + n > *failAfter_) return Fail();
        if (!file_.Write(p, n)) return Fail();
        written_ += n;
        pos_ = std::max(pos_, file_.Position());
        return true;
    }
    bool Put(const Bytes& b) { return Put(b.data.data(), b.Size()); }

    // Overwrites bytes at `at` and returns to the end.
    bool PatchAt(std::uint64_t at, const Bytes& b) {
        if (failed_) return false;
        file_.Seek(at);
        if (!Put(b)) return false;
        file_.Seek(pos_);
        return true;
    }
    bool PatchU32(std::uint64_t at, std::uint32_t v) {
        Bytes b;
        b.U32(v);
        return PatchAt(at, b);
    }
    // Fills in the size of the list or RIFF that starts at `start`.
    bool EndList(std::uint64_t start) { return PatchU32(start + 4, static_cast<std::uint32_t>(pos_ - start - 8)); }

    bool WriteHeaders() {
        const VideoFormat& f = format_;
        Bytes h;
        h.Fcc("RIFF");
        h.U32(0);
        h.Fcc("AVI ");
        h.Fcc("LIST");
        const std::size_t hdrlSize = h.Size();
        h.U32(0);
        h.Fcc("hdrl");

        h.Fcc("avih");
        h.U32(56);
        h.U32(static_cast<std::uint32_t>(1000000 / f.Rate));
        const std::uint64_t maxBytes = std::uint64_t{f.SuggestedBufferSize} * static_cast<std::uint32_t>(f.Rate);
        h.U32(static_cast<std::uint32_t>(std::min<std::uint64_t>(maxBytes, 0xFFFFFFFFu)));
        h.U32(0); // padding granularity
        h.U32(AvifHasIndex);
        avihFramesPos_ = h.Size();
        h.U32(0); // total frames (of the first RIFF)
        h.U32(0); // initial frames
        h.U32(1); // streams
        h.U32(f.SuggestedBufferSize);
        h.U32(static_cast<std::uint32_t>(f.Width));
        h.U32(static_cast<std::uint32_t>(f.Height));
        h.Zeros(16);

        h.Fcc("LIST");
        const std::size_t strlSize = h.Size();
        h.U32(0);
        h.Fcc("strl");
        h.Fcc("strh");
        h.U32(56);
        h.Fcc("vids");
        h.U32(0); // handler
        h.U32(0); // flags
        h.U16(0); // priority
        h.U16(0); // language
        h.U32(0); // initial frames
        h.U32(1); // scale
        h.U32(static_cast<std::uint32_t>(f.Rate));
        h.U32(0); // start
        strhLengthPos_ = h.Size();
        h.U32(0); // length
        h.U32(f.SuggestedBufferSize);
        h.U32(0); // quality
        h.U32(0); // sample size
        h.U16(0);
        h.U16(0);
        h.U16(static_cast<std::uint32_t>(std::min(f.Width, 0x7FFF)));
        h.U16(static_cast<std::uint32_t>(std::min(f.Height, 0x7FFF)));

        h.Fcc("strf");
        h.U32(static_cast<std::uint32_t>(f.BitmapInfo.size()));
        h.data.insert(h.data.end(), f.BitmapInfo.begin(), f.BitmapInfo.end());
        if (f.BitmapInfo.size() & 1) h.U8(0);

        // Room for the super index, until a second RIFF makes it one.
        superIndexPos_ = h.Size();
        h.Fcc("JUNK");
        h.U32(SuperIndexHeader + 16 * AviVideoService::SuperIndexEntries);
        h.Zeros(SuperIndexHeader + 16 * AviVideoService::SuperIndexEntries);
        h.Set32(strlSize, static_cast<std::uint32_t>(h.Size() - strlSize - 4));

        // Room for LIST 'odml' { 'dmlh' }.
        odmlPos_ = h.Size();
        h.Fcc("JUNK");
        h.U32(4 + 8 + DmlhSize);
        h.Zeros(4 + 8 + DmlhSize);
        h.Set32(hdrlSize, static_cast<std::uint32_t>(h.Size() - hdrlSize - 4));

        h.Fcc("LIST");
        h.U32(0);
        h.Fcc("movi");
        Riff first;
        first.start = 0;
        first.moviPos = h.Size() - 4;
        riffs_.push_back(first);
        return Put(h);
    }

    bool WriteStdIndex(Riff& riff) {
        Bytes ix;
        ix.Fcc("ix00");
        ix.U32(static_cast<std::uint32_t>(StdIndexHeader + 8 * riff.frames.size()));
        ix.U16(2); // longs per entry
        ix.U8(0);  // index sub-type
        ix.U8(AviIndexOfChunks);
        ix.U32(static_cast<std::uint32_t>(riff.frames.size()));
        ix.Fcc("00db");
        ix.U64(riff.moviPos);
        ix.U32(0);
        for (const IndexEntry& e : riff.frames) {
            ix.U32(static_cast<std::uint32_t>(e.chunkPos + 8 - riff.moviPos)); // to the frame's data
            ix.U32(e.size);                                                    // bit 31 clear: key frame
        }
        riff.ixPos = pos_;
        riff.ixSize = static_cast<std::uint32_t>(ix.Size());
        return Put(ix);
    }

    bool WriteIdx1() {
        const Riff& riff = riffs_.front();
        Bytes idx;
        idx.Fcc("idx1");
        idx.U32(static_cast<std::uint32_t>(16 * riff.frames.size()));
        for (const IndexEntry& e : riff.frames) {
            idx.Fcc("00db");
            idx.U32(AviifKeyframe);
            idx.U32(static_cast<std::uint32_t>(e.chunkPos - riff.moviPos));
            idx.U32(e.size);
        }
        return Put(idx);
    }

    // Closes the current RIFF (the first keeps its idx1) and opens an 'AVIX'.
    bool NextRiff() {
        if (riffs_.size() >= AviVideoService::SuperIndexEntries) return Fail();
        Riff& riff = riffs_.back();
        if (!WriteStdIndex(riff) || !EndList(moviListPos(riff))) return false;
        if (riffs_.size() == 1 && !WriteIdx1()) return false;
        if (!EndList(riff.start)) return false;
        Riff next;
        next.start = pos_;
        Bytes h;
        h.Fcc("RIFF");
        h.U32(0);
        h.Fcc("AVIX");
        h.Fcc("LIST");
        h.U32(0);
        h.Fcc("movi");
        next.moviPos = pos_ + h.Size() - 4;
        riffs_.push_back(next);
        return Put(h);
    }

    bool WriteOpenDmlHeaders() {
        Bytes indx;
        indx.Fcc("indx");
        indx.U32(SuperIndexHeader + 16 * AviVideoService::SuperIndexEntries);
        indx.U16(4); // longs per entry
        indx.U8(0);
        indx.U8(AviIndexOfIndexes);
        indx.U32(static_cast<std::uint32_t>(riffs_.size()));
        indx.Fcc("00db");
        indx.Zeros(12);
        for (const Riff& r : riffs_) {
            indx.U64(r.ixPos);
            indx.U32(r.ixSize);
            indx.U32(static_cast<std::uint32_t>(r.frames.size()));
        }
        indx.Zeros(16 * (AviVideoService::SuperIndexEntries - riffs_.size()));

        Bytes odml;
        odml.Fcc("LIST");
        odml.U32(4 + 8 + DmlhSize);
        odml.Fcc("odml");
        odml.Fcc("dmlh");
        odml.U32(DmlhSize);
        odml.U32(static_cast<std::uint32_t>(total_));
        odml.Zeros(DmlhSize - 4);
        return PatchAt(superIndexPos_, indx) && PatchAt(odmlPos_, odml);
    }

    ReplacementFile file_;
    VideoFormat format_;
    std::uint64_t riffLimit_;
    std::optional<std::uint64_t> failAfter_;
    std::uint64_t written_ = 0;
    std::uint64_t pos_ = 0; // end of the file
    std::uint64_t avihFramesPos_ = 0, strhLengthPos_ = 0, superIndexPos_ = 0, odmlPos_ = 0;
    std::vector<Riff> riffs_;
    std::uint64_t total_ = 0;
    bool failed_ = false;
    bool committed_ = false;
    const std::uint8_t zero_[1] = {0};
};

} // namespace

std::unique_ptr<VideoFile> AviVideoService::Create(const std::string& path, const VideoFormat& format) {
    if (format.Width < 1 || format.Height < 1 || format.Rate < 1 || format.BitmapInfo.size() < 40) return nullptr;
    auto file = std::make_unique<AviFileWriter>(path, format, riffLimit_, failAfter_);
    if (!file->Open()) return nullptr;
    return file;
}
