#pragma once
// The one guard of program-wide state in tests: every value of every layer
// (core's globals, graph's shared boxes, the scene's light, camera, axes and
// scenes, the font bases, the main window's frame) is at its starting value
// while the guard is made and again once it is gone, whatever the test
// changed. A fixture holds it as its first member (so it outlives the windows
// and dialogs the fixture makes) or derives from ProgramStateTest; a plain
// test declares one.
#include <gtest/gtest.h>

class ProgramStateGuard {
public:
    ProgramStateGuard();
    ~ProgramStateGuard();
    ProgramStateGuard(const ProgramStateGuard&) = delete;
    ProgramStateGuard& operator=(const ProgramStateGuard&) = delete;
};

// A fixture whose cases start and end with the program at its starting state.
class ProgramStateTest : public ::testing::Test {
private:
    ProgramStateGuard guard_;
};
