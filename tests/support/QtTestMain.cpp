// Test main for programs that need a QApplication: the drawing surface format is
// installed first, as the program does, so GL tests get a compatibility context.
#include "platform/GlFormat.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    InstallDrawingSurfaceFormat();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
