#include "tests/support/RecordingShell.h"

RecordingShell::RecordingShell() : previous_(&Shell()) { SetShellService(this); }
RecordingShell::~RecordingShell() { SetShellService(previous_); }

bool RecordingShell::Open(const std::string& sFile) {
    opened.push_back(sFile);
    return answer;
}
