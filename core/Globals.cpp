#include "core/Globals.h"

#include <vector>

namespace {

std::vector<void (*)()>& Resets() {
    static std::vector<void (*)()> resets;
    return resets;
}

} // namespace

bool ShowMathErrors = false;
std::int32_t DocumentKind = 0;
std::int32_t FrameCount = 10;
std::int32_t FramesPerSecond = 10;
float ViewMinX = -500, ViewMaxX = 500, ViewMinY = -500, ViewMaxY = 500, ViewMinZ = -500, ViewMaxZ = 500;
std::int32_t GraphIDCounter = 0;
bool IsEditing = false;
bool AxesChanged = false;

void ResetProgramState() {
    ShowMathErrors = false;
    DocumentKind = 0;
    FrameCount = 10;
    FramesPerSecond = 10;
    ViewMinX = ViewMinY = ViewMinZ = -500;
    ViewMaxX = ViewMaxY = ViewMaxZ = 500;
    GraphIDCounter = 0;
    IsEditing = false;
    AxesChanged = false;
    for (void (*reset)() : Resets()) reset();
}

bool AddProgramStateReset(void (*reset)()) {
    Resets().push_back(reset);
    return true;
}
