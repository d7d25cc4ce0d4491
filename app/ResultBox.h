#pragma once
// The result pane service shown in the main window's read-only text box: the
// text keeps its CrLf line ends, the box shows them as line breaks.
#include "core/ResultPane.h"

class QPlainTextEdit;

class ResultBox : public ResultPane {
public:
    explicit ResultBox(QPlainTextEdit* box) : box_(box) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;

private:
    QPlainTextEdit* box_;
    std::string text_;
};
