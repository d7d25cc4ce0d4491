#pragma once
// A file's bytes written and read back as they are, for the document tests.
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

// Writes `bytes` over the file at `path` (a fatal failure if it cannot be
// opened: callers that go on after it wrap the call in ASSERT_NO_FATAL_FAILURE).
inline void WriteBytes(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), qint64(bytes.size()));
}

// The bytes of the file at `path`, or "<none>" when it cannot be read.
inline std::string FileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<none>";
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}
