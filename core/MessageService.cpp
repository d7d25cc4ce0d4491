#include "core/MessageService.h"

#include "core/BusyWork.h"
#include "core/Globals.h"

#include <algorithm>

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const MessageRequest& r) override { return FirstButtonAnswer(r.buttons); }
};

SilentMessages silent;
MessageService* current = &silent;
MessageHoldBack* openHoldBack = nullptr;
int openSilences = 0;
// Messages shown by hold-back scopes since the last scope that did not only turn the scene.
std::vector<MessageRequest> shownByHoldBack;

// Between tests: no message counts as shown by an earlier scope.
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { shownByHoldBack.clear(); });

bool SameMessage(const MessageRequest& a, const MessageRequest& b) {
    return a.title == b.title && a.text == b.text;
}

bool Contains(const std::vector<MessageRequest>& list, const MessageRequest& r) {
    return std::any_of(list.begin(), list.end(), [&](const MessageRequest& m) { return SameMessage(m, r); });
}

// A box asks the user: never under the busy indicator.
MsgAnswer ShowNow(const MessageRequest& r) {
    BusyPause pause;
    return Messages().Show(r);
}

} // namespace

MsgAnswer FirstButtonAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    default: return MsgAnswer::OK;
    }
}

MessageService& Messages() { return *current; }
void SetMessageService(MessageService* service) { current = service ? service : &silent; }

MsgAnswer MsgBox(const std::string& text, MsgIcon icon, const std::string& title, MsgButtons buttons) {
    MessageRequest r;
    r.title = title.empty() ? AppTitle : title;
    r.text = text;
    r.icon = icon;
    r.buttons = buttons;
    if (openSilences > 0) return silent.Show(r);
    if (openHoldBack != nullptr) {
        openHoldBack->Hold(r);
        return silent.Show(r);
    }
    return ShowNow(r);
}

MessageHoldBack::MessageHoldBack(bool bolOnlyTurning)
    : onlyTurning_(bolOnlyTurning), owner_(openHoldBack == nullptr) {
    if (owner_) openHoldBack = this;
}

MessageHoldBack::~MessageHoldBack() {
    try {
        Release();
    } catch (...) {
        // A failing message service must not end the program while unwinding.
    }
}

void MessageHoldBack::Hold(const MessageRequest& request) {
    if (!Contains(held_, request)) held_.push_back(request);
}

void MessageHoldBack::Release() {
    if (!owner_) return;
    owner_ = false;
    openHoldBack = nullptr;
    if (!onlyTurning_) shownByHoldBack.clear();
    std::vector<MessageRequest> held;
    held.swap(held_);
    for (const MessageRequest& r : held) {
        if (onlyTurning_ && Contains(shownByHoldBack, r)) continue;
        shownByHoldBack.push_back(r);
        ShowNow(r);
    }
}

MessageSilence::MessageSilence() { ++openSilences; }
MessageSilence::~MessageSilence() { --openSilences; }
