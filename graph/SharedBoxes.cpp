#include "graph/SharedBoxes.h"

#include "core/Globals.h"

Cls1& PolarImplicitBox() {
    static Cls1 box;
    return box;
}

namespace {
// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] {
    PolarImplicitBox() = Cls1();
});
}
