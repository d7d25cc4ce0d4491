#include "core/ResultPane.h"

#include "core/Globals.h"

namespace {

MemoryPane memory;
ResultPane* current = &memory;

} // namespace

ResultPane& Result() { return *current; }
void SetResultPane(ResultPane* pane) { current = pane ? pane : &memory; }

void AppendResultLine(const std::string& line) { Result().AppendText(line + CrLf); }
