#include "core/ResultPane.h"

#include "core/Globals.h"

namespace {

class MemoryPane : public ResultPane {
public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void AppendText(const std::string& text) override { text_ += text; }

private:
    std::string text_;
};

MemoryPane memory;
ResultPane* current = &memory;

} // namespace

ResultPane& Result() { return *current; }
void SetResultPane(ResultPane* pane) { current = pane ? pane : &memory; }

void AppendResultLine(const std::string& line) { Result().AppendText(line + CrLf); }
