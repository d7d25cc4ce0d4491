#pragma once
// The result pane service shown in the main window's read-only text box: the
// text keeps its CrLf line ends, the box shows them as line breaks. Appended
// text is added at the end of the box's document, so writing n lines costs
// their length, not n rewrites of the whole text; the box keeps no undo steps.
// A line of more than 4096 characters (an expression of a megabyte in the
// line that names a graph) is shown cut there, with "…"; Text() keeps it whole.
#include "core/ResultPane.h"

class QPlainTextEdit;

class ResultBox : public ResultPane {
public:
    explicit ResultBox(QPlainTextEdit* box);
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;
    void AppendText(const std::string& text) override;

private:
    QPlainTextEdit* box_;
    std::string text_;
};
