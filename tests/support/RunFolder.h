#pragma once
// Where a test program leaves the files a person looks at after a run
// (screenshots of windows and drawings): <build>/tests/pictures/<program>/,
// made on first use and written over by the next run of the same build.
// Never a fixed path under /tmp: two checkouts testing at once would write
// over each other's pictures.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

inline QString RunFolder() {
    static const QString folder = [] {
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        const QString dir = QStringLiteral(VEXILON_TEST_PICTURES_DIR "/") + program;
        QDir().mkpath(dir);
        return dir;
    }();
    return folder;
}

// The path of `name` in the run's folder.
inline QString RunFile(const QString& name) { return RunFolder() + QLatin1Char('/') + name; }
