#pragma once
// Long work shows the user that the program is busy: sampling graphs,
// compiling the picture, fitting the view and the commands made of them mark
// themselves with a BusyWork, and while one lives the installed indicator is
// shown (the main window installs the wait cursor; nothing is shown until an
// indicator is installed). Scopes nest: the indicator is shown once, for the
// outermost, so that a command made of several steps never flickers between
// them. The indicator is shown at the start of the work whatever its length:
// the work runs without the event loop, so nothing could show it later, and
// work too short to notice changes the cursor back before anyone sees it.
// Painting is the exception, as there are many paints a second while the
// view is dragged: a paint is marked when it compiles the picture again or
// is expected to take long (the main window's LongPaintSeconds).
//
// A message box asks the user something: it is shown with the indicator off
// (MsgBox and the held-back messages pause it), and so is any dialog that a
// command asks in the middle of its work (BusyPause).
#include <functional>
#include <string_view>

class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// Installs `indicator` (not owned; nullptr: none). Shown at once when work is
// under way, the one before it hidden.
void SetBusyIndicator(BusyIndicator* indicator);
BusyIndicator* CurrentBusyIndicator();

// What a scope of work is, for its observer.
namespace BusyWorkKind {
inline constexpr std::string_view Sampling = "sampling";
inline constexpr std::string_view Drawing = "drawing";
inline constexpr std::string_view Painting = "painting";
inline constexpr std::string_view Fitting = "fitting";
inline constexpr std::string_view Opening = "opening";
inline constexpr std::string_view Committing = "committing";
inline constexpr std::string_view Pasting = "pasting";
inline constexpr std::string_view Exporting = "exporting";
} // namespace BusyWorkKind

class BusyWork {
public:
    explicit BusyWork(std::string_view what);
    ~BusyWork();
    BusyWork(const BusyWork&) = delete;
    BusyWork& operator=(const BusyWork&) = delete;

private:
    std::string_view what_;
};

// Whether work is under way (a BusyWork lives).
bool IsBusy();

// Hides the indicator while it lives, if it is shown; shows it again after.
class BusyPause {
public:
    BusyPause();
    ~BusyPause();
    BusyPause(const BusyPause&) = delete;
    BusyPause& operator=(const BusyPause&) = delete;
};

// Called with what the work is when a scope of work begins (`starting`, the
// indicator already shown) and when it ends (before it is hidden): how a test
// looks at the program while it works. Empty: none. Forgotten by
// ResetProgramState.
void SetBusyWorkObserver(std::function<void(std::string_view what, bool starting)> observer);
