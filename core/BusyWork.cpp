#include "core/BusyWork.h"

#include "core/Globals.h"

#include <utility>

namespace {

BusyIndicator* indicator = nullptr;
int depth = 0;  // BusyWork scopes alive
int pauses = 0; // BusyPause scopes alive
std::function<void(std::string_view, bool)> observer;

[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { observer = nullptr; });

// Whether the indicator shows now: work under way and no pause.
bool Shown() { return depth > 0 && pauses == 0; }

} // namespace

void SetBusyIndicator(BusyIndicator* next) {
    if (next == indicator) return;
    if (Shown() && indicator != nullptr) indicator->Hide();
    indicator = next;
    if (Shown() && indicator != nullptr) indicator->Show();
}

BusyIndicator* CurrentBusyIndicator() { return indicator; }

BusyWork::BusyWork(std::string_view what) : what_(what) {
    ++depth;
    if (depth == 1 && pauses == 0 && indicator != nullptr) indicator->Show();
    if (observer) observer(what_, true);
}

BusyWork::~BusyWork() {
    try {
        if (observer) observer(what_, false);
    } catch (...) {
        // An observer's fault must not end the program while unwinding.
    }
    --depth;
    if (depth == 0 && pauses == 0 && indicator != nullptr) indicator->Hide();
}

bool IsBusy() { return depth > 0; }

BusyPause::BusyPause() {
    if (Shown() && indicator != nullptr) indicator->Hide();
    ++pauses;
}

BusyPause::~BusyPause() {
    --pauses;
    if (Shown() && indicator != nullptr) indicator->Show();
}

void SetBusyWorkObserver(std::function<void(std::string_view, bool)> next) { observer = std::move(next); }
