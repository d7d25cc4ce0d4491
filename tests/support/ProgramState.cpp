#include "tests/support/ProgramState.h"

#include "core/Globals.h"

ProgramStateGuard::ProgramStateGuard() { ResetProgramState(); }
ProgramStateGuard::~ProgramStateGuard() { ResetProgramState(); }
