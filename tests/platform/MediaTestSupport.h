#pragma once
// Helpers of the picture, video and association tests: patterned pictures,
// running a tool and reading what it printed, videos read back by ffprobe and
// ffmpeg (the tests that need them skip when they are not installed).
#include "core/PictureService.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A picture whose every byte depends on its place and on `seed`, so a swapped
// channel, row, column or frame shows.
inline PictureRows PatternPicture(std::int32_t w, std::int32_t h, int seed) {
    PictureRows p{w, h, {}};
    p.Rgb.reserve(static_cast<std::size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            p.Rgb.push_back(static_cast<std::uint8_t>(x * 7 + seed * 40));
            p.Rgb.push_back(static_cast<std::uint8_t>(y * 13 + seed * 3));
            p.Rgb.push_back(static_cast<std::uint8_t>((x ^ y) * 5 + seed));
        }
    return p;
}

// The picture's red, green, blue bytes with the top row first, as decoders
// that are not BMP's give them.
inline std::vector<std::uint8_t> TopRowFirst(const PictureRows& p) {
    std::vector<std::uint8_t> out;
    const std::size_t row = static_cast<std::size_t>(p.Width) * 3;
    for (int y = p.Height - 1; y >= 0; --y) out.insert(out.end(), p.Rgb.begin() + y * row, p.Rgb.begin() + (y + 1) * row);
    return out;
}

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `args` (and `env` added to the environment) to its end.
inline ToolRun RunTool(const QString& program, const QStringList& args,
                       const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    ToolRun r;
    if (!p.waitForStarted(10000)) return r;
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

inline bool HaveTool(const char* name) { return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty(); }

// What ffprobe says of the video stream of a file (counting its frames).
inline std::map<std::string, std::string> Probe(const QString& path) {
    const ToolRun r = RunTool(QStringLiteral("ffprobe"),
                              {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                               "stream=codec_name,width,height,r_frame_rate,nb_read_frames", "-of",
                               "default=noprint_wrappers=1", path});
    std::map<std::string, std::string> m;
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (const QByteArray& line : r.out.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0) m[line.left(eq).toStdString()] = line.mid(eq + 1).trimmed().toStdString();
    }
    return m;
}

// Every frame ffmpeg decodes: red, green, blue bytes, top row first.
inline std::vector<QByteArray> Decode(const QString& path, int w, int h) {
    const ToolRun r = RunTool(QStringLiteral("ffmpeg"),
                              {"-v", "error", "-i", path, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    std::vector<QByteArray> frames;
    const qsizetype frameBytes = qsizetype{w} * h * 3;
    for (qsizetype at = 0; at + frameBytes <= r.out.size(); at += frameBytes) frames.push_back(r.out.mid(at, frameBytes));
    EXPECT_EQ(r.out.size() % frameBytes, 0);
    return frames;
}

// Whether a decoded frame holds exactly the picture.
inline bool Same(const QByteArray& decoded, const PictureRows& picture) {
    const std::vector<std::uint8_t> expected = TopRowFirst(picture);
    return decoded.size() == static_cast<qsizetype>(expected.size()) &&
           std::equal(expected.begin(), expected.end(), reinterpret_cast<const std::uint8_t*>(decoded.constData()));
}

// A picture that JPEG keeps well: smooth gradients, with a dark block whose
// place and a tint that depend on `seed`, so frames tell apart.
inline PictureRows SmoothPicture(std::int32_t w, std::int32_t h, int seed) {
    PictureRows p{w, h, {}};
    p.Rgb.reserve(static_cast<std::size_t>(w) * h * 3);
    const int bx = (seed * 37) % std::max(w, 1), by = (seed * 23) % std::max(h, 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool block = x >= bx && x < bx + std::max(w / 4, 1) && y >= by && y < by + std::max(h / 4, 1);
            p.Rgb.push_back(static_cast<std::uint8_t>(block ? 20 : 60 + 150 * x / std::max(w, 1)));
            p.Rgb.push_back(static_cast<std::uint8_t>(block ? 30 : 40 + 180 * y / std::max(h, 1)));
            p.Rgb.push_back(static_cast<std::uint8_t>(block ? 90 : (seed * 29) % 200 + 30));
        }
    return p;
}

// The mean absolute difference of a decoded frame's bytes (red, green, blue,
// top row first) from the picture's; 255 when their sizes differ.
inline double MeanDifference(const QByteArray& decoded, const PictureRows& picture) {
    const std::vector<std::uint8_t> expected = TopRowFirst(picture);
    if (decoded.size() != static_cast<qsizetype>(expected.size()) || expected.empty()) return 255;
    double sum = 0;
    for (std::size_t i = 0; i < expected.size(); ++i)
        sum += std::abs(static_cast<int>(static_cast<std::uint8_t>(decoded[static_cast<qsizetype>(i)])) - expected[i]);
    return sum / static_cast<double>(expected.size());
}

// Whether every decoded frame is its own picture within JPEG's loss (a mean
// difference below `tolerance`) and nearer to it than to any other picture.
inline ::testing::AssertionResult DecodedWithinLoss(const std::vector<QByteArray>& decoded,
                                                    const std::vector<PictureRows>& pictures, double tolerance) {
    if (decoded.size() != pictures.size())
        return ::testing::AssertionFailure() << decoded.size() << " frames decoded, " << pictures.size() << " written";
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const double own = MeanDifference(decoded[i], pictures[i]);
        if (own >= tolerance) return ::testing::AssertionFailure() << "frame " << i << " differs by " << own;
        for (std::size_t j = 0; j < pictures.size(); ++j) {
            if (pictures[j].Rgb == pictures[i].Rgb) continue;
            const double other = MeanDifference(decoded[i], pictures[j]);
            if (other <= own)
                return ::testing::AssertionFailure() << "frame " << i << " is nearer to picture " << j;
        }
    }
    return ::testing::AssertionSuccess();
}

#define SKIP_WITHOUT_FFMPEG()                                                                              \
    do {                                                                                                   \
        if (!HaveTool("ffprobe") || !HaveTool("ffmpeg"))                                                   \
            GTEST_SKIP() << "ffprobe/ffmpeg not installed (tools/setup.sh installs the ffmpeg package)";   \
    } while (false)
