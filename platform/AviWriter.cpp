#include "platform/AviWriter.h"

#include "core/ReplacementFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

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
    void Fcc(const char* code) {
        for (int i = 0; i < 4; ++i) U8(static_cast<std::uint8_t>(code[i]));
    }
    void Zeros(std::size_t n) { data.insert(data.end(), n, 0); }
    std::size_t Size() const { return data.size(); }
    void Set32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
};

constexpr std::uint32_t BiRgb = 0;

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// Turns frames of the bitmap layout (24 or 32 bits a pixel, uncompressed,
// rows bottom-up and padded to 4 bytes) into JPEG pictures.
class JpegFrames {
public:
    // Nothing for another layout, or without Qt's JPEG writer.
    static std::optional<JpegFrames> For(const VideoFormat& f) {
        const std::uint32_t bits = f.BitmapInfo[14] | f.BitmapInfo[15] << 8;
        if ((bits != 24 && bits != 32) || Le32(f.BitmapInfo, 16) != BiRgb) return std::nullopt;
        if (!QImageWriter::supportedImageFormats().contains("jpeg")) return std::nullopt;
        JpegFrames j;
        j.width_ = f.Width;
        j.height_ = f.Height;
        j.pixelBytes_ = static_cast<int>(bits / 8);
        j.quality_ = std::clamp(f.Compression.Quality, 1, 100);
        return j;
    }

    // The JPEG picture of one frame; empty when the frame is too short or
    // cannot be encoded.
    QByteArray Encode(const std::uint8_t* bits, std::size_t size) const {
        const std::size_t row = (static_cast<std::size_t>(width_) * pixelBytes_ + 3) & ~std::size_t{3};
        if (size < row * static_cast<std::size_t>(height_)) return {};
        QImage image(width_, height_, QImage::Format_RGB888);
        if (image.isNull()) return {};
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* src = bits + row * static_cast<std::size_t>(height_ - 1 - y);
            std::uint8_t* dst = image.scanLine(y);
            for (int x = 0; x < width_; ++x, src += pixelBytes_, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(quality_);
        if (!writer.write(image)) return {};
        return jpeg;
    }

private:
    int width_ = 0, height_ = 0, pixelBytes_ = 3, quality_ = 75;
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
    AviFileWriter(const std::string& path, const VideoFormat& format, std::optional<JpegFrames> jpeg,
                  std::uint64_t riffLimit, std::optional<std::uint64_t> failAfter)
        : file_(path), format_(format), jpeg_(std::move(jpeg)), chunkId_(jpeg_ ? "00dc" : "00db"),
          riffLimit_(riffLimit), failAfter_(failAfter) {}

    bool Open() {
        if (!file_.Good()) return false;
        return WriteHeaders();
    }

    bool WriteFrame(const std::uint8_t* bits, std::size_t size) override {
        if (failed_ || committed_) return false;
        QByteArray jpeg;
        if (jpeg_) {
            jpeg = jpeg_->Encode(bits, size);
            if (jpeg.isEmpty()) return Fail();
            bits = reinterpret_cast<const std::uint8_t*>(jpeg.constData());
            size = static_cast<std::size_t>(jpeg.size());
        }
        if (size > std::numeric_limits<std::int32_t>::max()) return Fail();
        const std::uint64_t chunk = 8 + Padded(size);
        Riff& riff = riffs_.back();
        if (!riff.frames.empty() && RiffBytesWith(riff, chunk) > riffLimit_) {
            if (!NextRiff()) return false;
        }
        Bytes head;
        head.Fcc(chunkId_);
        head.U32(static_cast<std::uint32_t>(size));
        const std::uint64_t at = pos_;
        if (!Put(head) || !Put(bits, size) || ((size & 1) != 0 && !Put(zero_, 1))) return false;
        riffs_.back().frames.push_back({at, static_cast<std::uint32_t>(size)});
        ++total_;
        largest_ = std::max(largest_, static_cast<std::uint32_t>(size));
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
        // Counts: frames of the first RIFF in 'avih', all frames in 'strh';
        // the buffer a player needs for the largest frame written.
        if (!PatchU32(avihFramesPos_, static_cast<std::uint32_t>(riffs_.front().frames.size())) ||
            !PatchU32(strhLengthPos_, static_cast<std::uint32_t>(total_)))
            return false;
        if (largest_ > 0 && (!PatchU32(avihBytesPerSecPos_, BytesPerSecond(largest_)) ||
                             !PatchU32(avihBufferPos_, largest_) || !PatchU32(strhBufferPos_, largest_)))
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

    std::uint32_t BytesPerSecond(std::uint32_t frameBytes) const {
        const std::uint64_t bytes = std::uint64_t{frameBytes} * static_cast<std::uint32_t>(format_.Rate);
        return static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, 0xFFFFFFFFu));
    }

    // The stream format: the frames' bitmap information, or for JPEG frames
    // an information header naming "MJPG" (24 bits, no colour table).
    std::vector<std::uint8_t> StreamFormat() const {
        if (!jpeg_) return format_.BitmapInfo;
        Bytes b;
        b.U32(40);
        b.U32(static_cast<std::uint32_t>(format_.Width));
        b.U32(static_cast<std::uint32_t>(format_.Height));
        b.U16(1);
        b.U16(24);
        b.Fcc("MJPG");
        b.U32(static_cast<std::uint32_t>(
            std::min<std::uint64_t>(std::uint64_t{3} * static_cast<std::uint32_t>(format_.Width) *
                                        static_cast<std::uint32_t>(format_.Height),
                                    0xFFFFFFFFu)));
        b.Zeros(16);
        return b.data;
    }

    bool WriteHeaders() {
        const VideoFormat& f = format_;
        const std::vector<std::uint8_t> streamFormat = StreamFormat();
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
        avihBytesPerSecPos_ = h.Size();
        h.U32(BytesPerSecond(f.SuggestedBufferSize));
        h.U32(0); // padding granularity
        h.U32(AvifHasIndex);
        avihFramesPos_ = h.Size();
        h.U32(0); // total frames (of the first RIFF)
        h.U32(0); // initial frames
        h.U32(1); // streams
        avihBufferPos_ = h.Size();
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
        if (jpeg_)
            h.Fcc("MJPG");
        else
            h.U32(0); // handler: none, the frames are stored as they are
        h.U32(0); // flags
        h.U16(0); // priority
        h.U16(0); // language
        h.U32(0); // initial frames
        h.U32(1); // scale
        h.U32(static_cast<std::uint32_t>(f.Rate));
        h.U32(0); // start
        strhLengthPos_ = h.Size();
        h.U32(0); // length
        strhBufferPos_ = h.Size();
        h.U32(f.SuggestedBufferSize);
        h.U32(jpeg_ ? static_cast<std::uint32_t>(std::clamp(f.Compression.Quality, 1, 100)) * 100 : 0); // quality
        h.U32(0); // sample size
        h.U16(0);
        h.U16(0);
        h.U16(static_cast<std::uint32_t>(std::min(f.Width, 0x7FFF)));
        h.U16(static_cast<std::uint32_t>(std::min(f.Height, 0x7FFF)));

        h.Fcc("strf");
        h.U32(static_cast<std::uint32_t>(streamFormat.size()));
        h.data.insert(h.data.end(), streamFormat.begin(), streamFormat.end());
        if (streamFormat.size() & 1) h.U8(0);

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
        ix.Fcc(chunkId_);
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
            idx.Fcc(chunkId_);
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
        indx.Fcc(chunkId_);
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
    // Set for Motion JPEG.
    std::optional<JpegFrames> jpeg_;
    const char* chunkId_; // '00db' uncompressed frames, '00dc' compressed ones
    std::uint64_t riffLimit_;
    std::optional<std::uint64_t> failAfter_;
    std::uint64_t written_ = 0;
    std::uint64_t pos_ = 0; // end of the file
    std::uint64_t avihFramesPos_ = 0, strhLengthPos_ = 0, superIndexPos_ = 0, odmlPos_ = 0;
    std::uint64_t avihBytesPerSecPos_ = 0, avihBufferPos_ = 0, strhBufferPos_ = 0;
    std::uint32_t largest_ = 0; // bytes of the largest frame written
    std::vector<Riff> riffs_;
    std::uint64_t total_ = 0;
    bool failed_ = false;
    bool committed_ = false;
    const std::uint8_t zero_[1] = {0};
};

} // namespace

std::unique_ptr<VideoFile> AviVideoService::Create(const std::string& path, const VideoFormat& format) {
    if (format.Width < 1 || format.Height < 1 || format.Rate < 1 || format.BitmapInfo.size() < 40) return nullptr;
    std::optional<JpegFrames> jpeg;
    if (format.Compression.Codec == VideoCodec::MotionJpeg) {
        jpeg = JpegFrames::For(format);
        if (!jpeg) return nullptr;
    }
    auto file = std::make_unique<AviFileWriter>(path, format, std::move(jpeg), riffLimit_, failAfter_);
    if (!file->Open()) return nullptr;
    return file;
}
