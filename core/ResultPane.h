#pragma once
// The main window's result pane as a service: the graph drawing empties it at
// the start of every graph and appends one line per analysis result. The
// application installs its text box; until then (and in tests) the text is
// kept in memory.
#include <string>

class ResultPane {
public:
    virtual ~ResultPane() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Adds `text` at the end. A pane that can add without rewriting what it
    // holds does so: a drawing may write thousands of lines, one at a time.
    virtual void AppendText(const std::string& text) { SetText(Text() + text); }
};

// A pane that keeps its text to itself: the service's own until a pane is
// installed, and a scratch pane for work whose lines nobody should see.
class MemoryPane : public ResultPane {
public:
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void AppendText(const std::string& text) override { text_ += text; }

private:
    std::string text_;
};

// The installed pane (one that keeps its text in memory until one is installed).
ResultPane& Result();
// Installs `pane` (not owned); nullptr restores the in-memory pane.
void SetResultPane(ResultPane* pane);

// Sets the pane's text to its old text followed by the line and CrLf.
void AppendResultLine(const std::string& line);
