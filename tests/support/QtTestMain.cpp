// Test main for programs that need a QApplication: the drawing surface format is
// installed first, as the program does, so GL tests get a compatibility context;
// pictures are read with Qt's decoders, as in the program.
#include "platform/GlFormat.h"
#include "platform/QtPictureReader.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    InstallDrawingSurfaceFormat();
    QApplication app(argc, argv);
    QtPictureReader pictures;
    SetPictureService(&pictures);
    const int rc = RUN_ALL_TESTS();
    SetPictureService(nullptr);
    return rc;
}
