#pragma once
// Helpers of the picture, video and association tests: patterned pictures,
// running a tool and reading what it printed.
#include "core/BmpFile.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdint>

// A picture whose every byte depends on its place and on `seed`, so a swapped
// channel, row, column or frame shows.
inline RgbPicture PatternPicture(std::int32_t w, std::int32_t h, int seed) {
    RgbPicture p{w, h, {}};
    p.Pixels.reserve(static_cast<std::size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            p.Pixels.push_back(static_cast<std::uint8_t>(x * 7 + seed * 40));
            p.Pixels.push_back(static_cast<std::uint8_t>(y * 13 + seed * 3));
            p.Pixels.push_back(static_cast<std::uint8_t>((x ^ y) * 5 + seed));
        }
    return p;
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
