// Our AVI writer, read back by ffprobe and ffmpeg, and its file structure
// walked chunk by chunk: indexes point at the frames, OpenDML past the RIFF
// limit, nothing left at the name when a write fails.
#include "core/BmpFile.h"
#include "core/cDIB.h"
#include "core/MessageService.h"
#include "platform/AviWriter.h"
#include "tests/platform/MediaTestSupport.h"
#include "tests/support/RecordingServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

namespace {

// Frames go through BMP files and cDIB, as the export takes them.
struct Frames {
    std::vector<PictureRows> pictures;
    std::vector<std::vector<std::uint8_t>> bits;
    VideoFormat format;
};

Frames MakeFrames(const QTemporaryDir& dir, int w, int h, int count, int rate,
                  std::optional<VideoCompression> jpeg = std::nullopt) {
    Frames f;
    f.format.Compression = jpeg.value_or(VideoCompression{});
    cDIB dib;
    for (int i = 0; i < count; ++i) {
        // JPEG frames are smooth pictures, which it keeps well.
        f.pictures.push_back(jpeg ? SmoothPicture(w, h, i + 1) : PatternPicture(w, h, i + 1));
        const std::string path = dir.filePath(QStringLiteral("Graph%1.bmp").arg(i + 1)).toStdString();
        EXPECT_TRUE(WriteBmpFile(path, f.pictures.back()));
        EXPECT_TRUE(dib.CreateFromFile(path));
        f.bits.emplace_back(dib.PointerToBits(), dib.PointerToBits() + dib.SizeImage());
        if (i == 0) {
            f.format.Width = dib.Width();
            f.format.Height = dib.Height();
            f.format.Rate = rate;
            f.format.SuggestedBufferSize = static_cast<std::uint32_t>(dib.SizeImage());
            f.format.BitmapInfo.assign(dib.PointerToBitmapInfo(), dib.PointerToBitmapInfo() + dib.SizeBitmapInfo());
        }
    }
    return f;
}

// Writes frames `order` (indexes into f) and commits.
bool WriteVideo(AviVideoService& service, const QString& path, const Frames& f, const std::vector<int>& order) {
    auto file = service.Create(path.toStdString(), f.format);
    if (!file) return false;
    for (int i : order)
        if (!file->WriteFrame(f.bits[i].data(), f.bits[i].size())) return false;
    return file->Commit();
}

std::vector<int> AllFrames(int n) {
    std::vector<int> v(n);
    for (int i = 0; i < n; ++i) v[i] = i;
    return v;
}

// ---- The file's structure, walked as a reader would.

struct Chunk {
    std::string id;         // four-character code
    std::string type;       // of a RIFF or LIST
    std::uint64_t pos = 0;  // of the code
    std::uint32_t size = 0; // data bytes
    std::vector<Chunk> children;
    std::uint64_t Data() const { return pos + 8; }
};

class AviFileBytes {
public:
    explicit AviFileBytes(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        bytes_ = f.readAll();
    }
    std::uint32_t U32(std::uint64_t at) const {
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes_.constData() + at);
        return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }
    std::uint16_t U16(std::uint64_t at) const {
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes_.constData() + at);
        return static_cast<std::uint16_t>(p[0] | p[1] << 8);
    }
    std::uint64_t U64(std::uint64_t at) const { return U32(at) | static_cast<std::uint64_t>(U32(at + 4)) << 32; }
    std::string Fcc(std::uint64_t at) const { return std::string(bytes_.constData() + at, 4); }
    std::uint64_t Size() const { return static_cast<std::uint64_t>(bytes_.size()); }

    std::vector<Chunk> Parse(std::uint64_t from, std::uint64_t to) const {
        std::vector<Chunk> out;
        while (from + 8 <= to) {
            Chunk c;
            c.id = Fcc(from);
            c.pos = from;
            c.size = U32(from + 4);
            EXPECT_LE(c.Data() + c.size, to) << "chunk " << c.id << " at " << from << " runs past its parent";
            if (c.id == "RIFF" || c.id == "LIST") {
                c.type = Fcc(from + 8);
                c.children = Parse(from + 12, std::min<std::uint64_t>(c.Data() + c.size, to));
            }
            from = c.Data() + c.size + (c.size & 1);
            out.push_back(c);
        }
        EXPECT_EQ(from, to);
        return out;
    }

private:
    QByteArray bytes_;
};

const Chunk* Find(const std::vector<Chunk>& in, const std::string& id, const std::string& type = {}) {
    for (const Chunk& c : in)
        if (c.id == id && (type.empty() || c.type == type)) return &c;
    return nullptr;
}

// Checks every index against the frames actually stored: `expectedBytes`
// each in uncompressed '00db' chunks, or Motion JPEG frames of any size in
// '00dc' chunks (nullopt); `total` of them, every RIFF within `limit` when a
// frame fits in one.
void CheckStructure(const QString& path, std::optional<std::uint32_t> expectedBytes, std::uint32_t total,
                    std::uint64_t limit, std::size_t* riffCount = nullptr) {
    const std::string chunkId = expectedBytes ? "00db" : "00dc";
    const AviFileBytes avi(path);
    const std::vector<Chunk> top = avi.Parse(0, avi.Size());
    ASSERT_FALSE(top.empty());
    std::vector<std::vector<std::uint64_t>> frames; // data positions, per RIFF
    std::vector<std::vector<std::uint32_t>> sizes;  // their sizes
    std::vector<std::uint64_t> moviCode;            // position of each 'movi' code
    std::uint32_t largest = 0;
    // Pass 1 only to know the largest frame; the checks below use it.
    for (const Chunk& riff : top) {
        if (const Chunk* movi = Find(riff.children, "LIST", "movi"))
            for (const Chunk& c : movi->children)
                if (c.id == chunkId) largest = std::max(largest, c.size);
    }
    const std::uint32_t frameBytes = expectedBytes.value_or(largest);
    for (std::size_t i = 0; i < top.size(); ++i) {
        const Chunk& riff = top[i];
        ASSERT_EQ(riff.id, "RIFF");
        EXPECT_EQ(riff.type, i == 0 ? "AVI " : "AVIX");
        if (frameBytes + 1024 < limit) {
            EXPECT_LE(riff.size + 8u, limit) << "RIFF " << i;
        }
        const Chunk* movi = Find(riff.children, "LIST", "movi");
        ASSERT_NE(movi, nullptr);
        moviCode.push_back(movi->pos + 8);
        frames.emplace_back();
        sizes.emplace_back();
        for (const Chunk& c : movi->children) {
            if (c.id == "ix00") continue;
            EXPECT_EQ(c.id, chunkId);
            if (expectedBytes) {
                EXPECT_EQ(c.size, *expectedBytes);
            }
            frames.back().push_back(c.Data());
            sizes.back().push_back(c.size);
        }
        EXPECT_FALSE(frames.back().empty());
    }
    std::uint32_t stored = 0;
    for (const auto& r : frames) stored += static_cast<std::uint32_t>(r.size());
    EXPECT_EQ(stored, total);
    if (riffCount) *riffCount = top.size();

    const Chunk* hdrl = Find(top[0].children, "LIST", "hdrl");
    ASSERT_NE(hdrl, nullptr);
    const Chunk* avih = Find(hdrl->children, "avih");
    const Chunk* strl = Find(hdrl->children, "LIST", "strl");
    ASSERT_TRUE(avih && strl);
    EXPECT_EQ(avi.U32(avih->Data() + 12), 0x10u); // AVIF_HASINDEX
    EXPECT_EQ(avi.U32(avih->Data() + 16), frames[0].size());
    const Chunk* strh = Find(strl->children, "strh");
    ASSERT_NE(strh, nullptr);
    EXPECT_EQ(avi.Fcc(strh->Data()), "vids");
    if (chunkId == "00dc") {
        // Motion JPEG: handler and stream format name it.
        EXPECT_EQ(avi.Fcc(strh->Data() + 4), "MJPG");
        const Chunk* strf = Find(strl->children, "strf");
        ASSERT_NE(strf, nullptr);
        EXPECT_EQ(strf->size, 40u);
        EXPECT_EQ(avi.U16(strf->Data() + 14), 24);
        EXPECT_EQ(avi.Fcc(strf->Data() + 16), "MJPG");
    } else {
        EXPECT_EQ(avi.U32(strh->Data() + 4), 0u); // handler
    }
    EXPECT_EQ(avi.U32(strh->Data() + 20), 1u); // scale
    EXPECT_EQ(avi.U32(strh->Data() + 32), total);
    EXPECT_EQ(avi.U32(strh->Data() + 36), frameBytes);
    EXPECT_EQ(avi.U32(avih->Data() + 28), frameBytes);

    // idx1: the first RIFF's frames, key frames, offsets from the 'movi' code.
    const Chunk* idx1 = Find(top[0].children, "idx1");
    ASSERT_NE(idx1, nullptr);
    ASSERT_EQ(idx1->size, 16 * frames[0].size());
    for (std::size_t k = 0; k < frames[0].size(); ++k) {
        const std::uint64_t e = idx1->Data() + 16 * k;
        EXPECT_EQ(avi.Fcc(e), chunkId);
        EXPECT_EQ(avi.U32(e + 4), 0x10u);
        EXPECT_EQ(moviCode[0] + avi.U32(e + 8) + 8, frames[0][k]);
        EXPECT_EQ(avi.U32(e + 12), sizes[0][k]);
    }

    const Chunk* indx = Find(strl->children, "indx");
    const Chunk* odml = Find(hdrl->children, "LIST", "odml");
    if (top.size() == 1) {
        EXPECT_EQ(indx, nullptr);
        EXPECT_EQ(odml, nullptr);
        return;
    }
    ASSERT_TRUE(indx && odml);
    const Chunk* dmlh = Find(odml->children, "dmlh");
    ASSERT_NE(dmlh, nullptr);
    EXPECT_EQ(avi.U32(dmlh->Data()), total);
    EXPECT_EQ(avi.U16(indx->Data()), 4);
    EXPECT_EQ(avi.U32(indx->Data() + 4), top.size());
    EXPECT_EQ(avi.Fcc(indx->Data() + 8), chunkId);
    for (std::size_t r = 0; r < top.size(); ++r) {
        const std::uint64_t e = indx->Data() + 24 + 16 * r;
        const std::uint64_t ix = avi.U64(e);
        ASSERT_LT(ix + 32, avi.Size());
        EXPECT_EQ(avi.Fcc(ix), "ix00");
        EXPECT_EQ(avi.U32(e + 8), avi.U32(ix + 4) + 8);
        EXPECT_EQ(avi.U32(e + 12), frames[r].size());
        EXPECT_EQ(avi.U32(ix + 12), frames[r].size());
        EXPECT_EQ(avi.Fcc(ix + 16), chunkId);
        const std::uint64_t base = avi.U64(ix + 20);
        for (std::size_t k = 0; k < frames[r].size(); ++k) {
            EXPECT_EQ(base + avi.U32(ix + 32 + 8 * k), frames[r][k]);
            EXPECT_EQ(avi.U32(ix + 36 + 8 * k), sizes[r][k]); // bit 31 clear: a key frame
        }
    }
}

// ---- Tests

TEST(AviWriter, FfprobeReadsFramesSizeAndRate) {
    SKIP_WITHOUT_FFMPEG();
    QTemporaryDir dir;
    RecordingMessageBox messages;
    const struct { int w, h, n, rate; } cases[] = {{320, 240, 10, 5}, {301, 21, 4, 30}, {1, 1, 2, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const Frames f = MakeFrames(dir, c.w, c.h, c.n, c.rate);
        AviVideoService service;
        const QString path = dir.filePath(QStringLiteral("movie.avi"));
        ASSERT_TRUE(WriteVideo(service, path, f, AllFrames(c.n)));
        auto probe = Probe(path);
        EXPECT_EQ(probe["codec_name"], "rawvideo");
        EXPECT_EQ(probe["width"], std::to_string(c.w));
        EXPECT_EQ(probe["height"], std::to_string(c.h));
        EXPECT_EQ(probe["r_frame_rate"], std::to_string(c.rate) + "/1");
        EXPECT_EQ(probe["nb_read_frames"], std::to_string(c.n));
        CheckStructure(path, f.format.SuggestedBufferSize, static_cast<std::uint32_t>(c.n),
                       AviVideoService::DefaultRiffLimit);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

// Frames 3, 1, 3 of an odd width: what ffmpeg decodes is what was written.
TEST(AviWriter, DecodedFramesEqualTheWrittenPictures) {
    SKIP_WITHOUT_FFMPEG();
    QTemporaryDir dir;
    const Frames f = MakeFrames(dir, 301, 33, 3, 5);
    AviVideoService service;
    const QString path = dir.filePath(QStringLiteral("movie.avi"));
    ASSERT_TRUE(WriteVideo(service, path, f, {2, 0, 2}));
    const std::vector<QByteArray> decoded = Decode(path, 301, 33);
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_TRUE(Same(decoded[0], f.pictures[2]));
    EXPECT_TRUE(Same(decoded[1], f.pictures[0]));
    EXPECT_TRUE(Same(decoded[2], f.pictures[2]));
}

// With the RIFF limit lowered, the video goes on in 'AVIX' RIFFs; ffprobe
// counts every frame and ffmpeg decodes each in its place.
TEST(AviWriter, OpenDmlPastTheRiffLimit) {
    SKIP_WITHOUT_FFMPEG();
    const std::uint64_t limit = 1 << 20;
    const struct { int w, h, n; std::size_t riffs; } cases[] = {
        {160, 120, 60, 4}, // 57,600-byte frames, 18 to a RIFF
        {700, 500, 3, 3},  // frames larger than the limit: one to a RIFF
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        QTemporaryDir dir;
        const Frames f = MakeFrames(dir, c.w, c.h, c.n, 10);
        AviVideoService service;
        service.SetRiffLimit(limit);
        const QString path = dir.filePath(QStringLiteral("movie.avi"));
        ASSERT_TRUE(WriteVideo(service, path, f, AllFrames(c.n)));
        std::size_t riffs = 0;
        CheckStructure(path, f.format.SuggestedBufferSize, static_cast<std::uint32_t>(c.n), limit, &riffs);
        EXPECT_EQ(riffs, c.riffs);
        EXPECT_EQ(Probe(path)["nb_read_frames"], std::to_string(c.n));
        const std::vector<QByteArray> decoded = Decode(path, c.w, c.h);
        ASSERT_EQ(decoded.size(), static_cast<std::size_t>(c.n));
        for (int i = 0; i < c.n; ++i) EXPECT_TRUE(Same(decoded[i], f.pictures[i])) << "frame " << i;
    }
}

VideoCompression Jpeg(std::int32_t quality) { return VideoCompression{VideoCodec::MotionJpeg, quality}; }

// Motion JPEG: ffprobe reads codec, size, rate and frames; the indexes point
// at the '00dc' frames; ffmpeg decodes every frame to its picture within
// JPEG's loss, in the order written.
TEST(AviWriter, MotionJpegIsReadAndDecodedToThePicturesWritten) {
    SKIP_WITHOUT_FFMPEG();
    QTemporaryDir dir;
    RecordingMessageBox messages;
    const struct { int w, h, n, rate, quality; double loss; } cases[] = {
        // A tiny picture loses most to the halved colour resolution.
        {320, 240, 10, 5, 90, 3}, {301, 21, 4, 30, 75, 5}, {17, 9, 2, 1, 50, 14}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        const Frames f = MakeFrames(dir, c.w, c.h, c.n, c.rate, Jpeg(c.quality));
        AviVideoService service;
        const QString path = dir.filePath(QStringLiteral("movie.avi"));
        std::vector<int> order = AllFrames(c.n);
        std::reverse(order.begin(), order.end());
        ASSERT_TRUE(WriteVideo(service, path, f, order));
        auto probe = Probe(path);
        EXPECT_EQ(probe["codec_name"], "mjpeg");
        EXPECT_EQ(probe["width"], std::to_string(c.w));
        EXPECT_EQ(probe["height"], std::to_string(c.h));
        EXPECT_EQ(probe["r_frame_rate"], std::to_string(c.rate) + "/1");
        EXPECT_EQ(probe["nb_read_frames"], std::to_string(c.n));
        CheckStructure(path, std::nullopt, static_cast<std::uint32_t>(c.n), AviVideoService::DefaultRiffLimit);
        std::vector<PictureRows> written;
        for (int i : order) written.push_back(f.pictures[i]);
        EXPECT_TRUE(DecodedWithinLoss(Decode(path, c.w, c.h), written, c.loss));
    }
    EXPECT_EQ(messages.Count(), 0u);
}

// The quality decides the size; past the RIFF limit Motion JPEG goes on in
// OpenDML form as the uncompressed frames do.
TEST(AviWriter, MotionJpegQualityAndOpenDml) {
    SKIP_WITHOUT_FFMPEG();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("movie.avi"));
    std::map<int, qint64> sizes;
    for (int quality : {10, 95}) {
        const Frames f = MakeFrames(dir, 160, 120, 30, 10, Jpeg(quality));
        AviVideoService service;
        ASSERT_TRUE(WriteVideo(service, path, f, AllFrames(30)));
        sizes[quality] = QFileInfo(path).size();
        service.SetRiffLimit(10000);
        ASSERT_TRUE(WriteVideo(service, path, f, AllFrames(30)));
        std::size_t riffs = 0;
        CheckStructure(path, std::nullopt, 30, 10000, &riffs);
        EXPECT_GE(riffs, 2u);
        EXPECT_EQ(Probe(path)["nb_read_frames"], "30");
        EXPECT_TRUE(DecodedWithinLoss(Decode(path, 160, 120), f.pictures, quality == 10 ? 12 : 3));
    }
    EXPECT_LT(sizes[10] * 2, sizes[95]);
}

// A write that fails anywhere (headers, frames, indexes, the final headers)
// leaves no file at the name, or the existing one unchanged, and nothing else
// in the folder.
TEST(AviWriter, FailedWriteLeavesNothingAndKeepsAnExistingFile) {
    QTemporaryDir frames, out;
    const Frames f = MakeFrames(frames, 64, 48, 40, 5);
    const QString path = out.filePath(QStringLiteral("movie.avi"));
    std::uint64_t oneRiff = 0, manyRiffs = 0;
    {
        AviVideoService service;
        ASSERT_TRUE(WriteVideo(service, path, f, AllFrames(40)));
        oneRiff = static_cast<std::uint64_t>(QFileInfo(path).size());
        service.SetRiffLimit(100000);
        ASSERT_TRUE(WriteVideo(service, path, f, AllFrames(40)));
        manyRiffs = static_cast<std::uint64_t>(QFileInfo(path).size());
        QFile::remove(path);
    }
    const QByteArray old = "an older file of that name";
    for (const bool existing : {false, true}) {
        for (const bool split : {false, true}) {
            const std::uint64_t size = split ? manyRiffs : oneRiff;
            for (const std::uint64_t failAt : {std::uint64_t{0}, std::uint64_t{100}, size / 2, size - 300, size - 4}) {
                SCOPED_TRACE(testing::Message() << "existing " << existing << " split " << split << " at " << failAt);
                if (existing) {
                    QFile o(path);
                    ASSERT_TRUE(o.open(QIODevice::WriteOnly));
                    o.write(old);
                }
                AviVideoService service;
                if (split) service.SetRiffLimit(100000);
                service.FailWritesAfter(failAt);
                EXPECT_FALSE(WriteVideo(service, path, f, AllFrames(40)));
                if (existing) {
                    QFile o(path);
                    ASSERT_TRUE(o.open(QIODevice::ReadOnly));
                    EXPECT_EQ(o.readAll(), old);
                } else {
                    EXPECT_FALSE(QFile::exists(path));
                }
                EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), existing ? 1 : 0);
            }
        }
    }
}

// Every frame written, a commit whose flush, close or rename fails (a full
// or failing disk) fails and keeps the existing file.
TEST(AviWriter, ACommitThatCannotFlushOrRenameKeepsAnExistingFile) {
    using Step = FailingFileSystem::Step;
    QTemporaryDir frames, out;
    const Frames f = MakeFrames(frames, 32, 16, 3, 5);
    const QString path = out.filePath(QStringLiteral("movie.avi"));
    for (const Step step : {Step::Flush, Step::Close, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        {
            QFile o(path);
            ASSERT_TRUE(o.open(QIODevice::WriteOnly));
            o.write("old");
        }
        FailingFileSystem disk(step);
        AviVideoService service;
        EXPECT_FALSE(WriteVideo(service, path, f, AllFrames(3)));
        EXPECT_EQ(disk.failures, 1);
        QFile o(path);
        ASSERT_TRUE(o.open(QIODevice::ReadOnly));
        EXPECT_EQ(o.readAll(), "old");
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST(AviWriter, AnExistingFileStaysUntilCommitAndAFileGivenUpLeavesNothing) {
    QTemporaryDir frames, out;
    const Frames f = MakeFrames(frames, 32, 16, 3, 5);
    const QString path = out.filePath(QStringLiteral("movie.avi"));
    {
        QFile o(path);
        ASSERT_TRUE(o.open(QIODevice::WriteOnly));
        o.write("old");
    }
    AviVideoService service;
    for (const bool commit : {false, true}) {
        auto file = service.Create(path.toStdString(), f.format);
        ASSERT_TRUE(file);
        for (const auto& bits : f.bits) ASSERT_TRUE(file->WriteFrame(bits.data(), bits.size()));
        QFile o(path);
        ASSERT_TRUE(o.open(QIODevice::ReadOnly));
        EXPECT_EQ(o.readAll(), "old");
        o.close();
        if (commit) {
            ASSERT_TRUE(file->Commit());
        }
        file.reset();
        EXPECT_EQ(QFileInfo(path).size() > 3, commit);
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST(AviWriter, CreateRefusesFormatsWithoutPixelsAndUnwritablePlaces) {
    QTemporaryDir frames;
    const Frames f = MakeFrames(frames, 8, 8, 1, 5);
    AviVideoService service;
    EXPECT_FALSE(service.Create(frames.filePath(QStringLiteral("no such folder/a.avi")).toStdString(), f.format));
    const QString path = frames.filePath(QStringLiteral("a.avi"));
    VideoFormat bad = f.format;
    bad.Rate = 0;
    EXPECT_FALSE(service.Create(path.toStdString(), bad));
    bad = f.format;
    bad.Width = 0;
    EXPECT_FALSE(service.Create(path.toStdString(), bad));
    bad = f.format;
    bad.BitmapInfo.resize(39);
    EXPECT_FALSE(service.Create(path.toStdString(), bad));
    // Motion JPEG takes frames of 24 or 32 bits a pixel, uncompressed.
    bad = f.format;
    bad.Compression = Jpeg(75);
    EXPECT_TRUE(service.Create(path.toStdString(), bad));
    bad.BitmapInfo[14] = 8;
    EXPECT_FALSE(service.Create(path.toStdString(), bad));
    bad.BitmapInfo[14] = 24;
    bad.BitmapInfo[16] = 1; // run-length encoded
    EXPECT_FALSE(service.Create(path.toStdString(), bad));
    EXPECT_FALSE(QFile::exists(path));
    // The default service, until the platform's is installed, starts nothing.
    EXPECT_FALSE(Videos().Create(path.toStdString(), f.format));
}

} // namespace
