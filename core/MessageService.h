#pragma once
// Message boxes as a service: code below the dialogs asks through this
// interface; the application installs a Qt implementation, tests a recording
// double that answers from a script (tests/support/RecordingServices.h).
#include <string>
#include <vector>

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { OK, Cancel, Yes, No, Retry };

struct MessageRequest {
    std::string title;
    std::string text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MsgAnswer Show(const MessageRequest& request) = 0;
};

// The answer of a box's first button (OK, Yes or Retry): what the silent
// service and a held-back message answer.
MsgAnswer FirstButtonAnswer(MsgButtons buttons);

// The installed service (a silent one that answers OK until one is installed).
MessageService& Messages();
// Installs `service` (not owned); nullptr restores the silent default.
void SetMessageService(MessageService* service);

// Shows a message through the installed service (or holds it back while a
// MessageHoldBack is open). A box is shown with the busy indicator paused
// (core/BusyWork.h), held-back ones too.
MsgAnswer MsgBox(const std::string& text, MsgIcon icon = MsgIcon::None,
                 const std::string& title = std::string(), MsgButtons buttons = MsgButtons::OK);

// Holds back the messages raised while it is open and shows each distinct one
// (title and text) once at Release. A display list being compiled must not run
// a modal box: its event loop would repaint in the middle of the compilation.
// Held messages are answered as the silent service answers them.
// A scope opened for a rebuild that only turns the same scene (trackball drags,
// view presets) does not show again a message that an earlier scope showed;
// any other scope forgets what was shown and shows everything it held.
// A scope opened while another is open passes its messages to the outer one.
class MessageHoldBack {
public:
    explicit MessageHoldBack(bool bolOnlyTurning = false);
    ~MessageHoldBack(); // releases what Release has not
    MessageHoldBack(const MessageHoldBack&) = delete;
    MessageHoldBack& operator=(const MessageHoldBack&) = delete;

    // Closes the scope and shows what it held.
    void Release();
    // Takes a message raised while the scope is open.
    void Hold(const MessageRequest& request);

private:
    bool onlyTurning_;
    bool owner_;
    std::vector<MessageRequest> held_;
};

// Drops the messages raised while it is open, each answered as the silent
// service answers it: a check that reports its failure in words of its own
// (the compiler's syntax message is not shown for a position list entry).
class MessageSilence {
public:
    MessageSilence();
    ~MessageSilence();
    MessageSilence(const MessageSilence&) = delete;
    MessageSilence& operator=(const MessageSilence&) = delete;
};
