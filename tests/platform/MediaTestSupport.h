#pragma once
// Helpers of the picture, video and association tests: patterned pictures,
// running a tool and reading what it printed.
#include "core/PictureService.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdint>
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
