#include "core/MessageService.h"

#include "core/Globals.h"

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const MessageRequest& r) override {
        switch (r.buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
        case MsgButtons::RetryCancel: return MsgAnswer::Retry;
        default: return MsgAnswer::OK;
        }
    }
};

SilentMessages silent;
MessageService* current = &silent;

} // namespace

MessageService& Messages() { return *current; }
void SetMessageService(MessageService* service) { current = service ? service : &silent; }

MsgAnswer MsgBox(const std::string& text, MsgIcon icon, const std::string& title, MsgButtons buttons) {
    MessageRequest r;
    r.title = title.empty() ? AppTitle : title;
    r.text = text;
    r.icon = icon;
    r.buttons = buttons;
    return Messages().Show(r);
}

RecordingMessageBox::RecordingMessageBox() : previous_(&Messages()) { SetMessageService(this); }
RecordingMessageBox::~RecordingMessageBox() { SetMessageService(previous_); }

MsgAnswer RecordingMessageBox::Show(const MessageRequest& request) {
    requests.push_back(request);
    if (!script_.empty()) {
        const MsgAnswer a = script_.front();
        script_.pop_front();
        return a;
    }
    return silent.Show(request);
}
