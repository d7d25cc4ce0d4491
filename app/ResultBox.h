#pragma once
// The result pane service shown in the main window's read-only text box: the
// text keeps its CrLf line ends, the box shows them as line breaks. Appended
// text is added at the end of the box's document, so writing n lines costs
// their length, not n rewrites of the whole text; the box keeps no undo steps.
// A line of more than 4096 characters (an expression of a megabyte in the
// line that names a graph) is shown cut there, with "…"; Text() keeps it whole,
// and a copy from a ResultEdit gives the selected part of a cut line whole.
#include "core/ResultPane.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <functional>

class QMimeData;

// The result pane's text box: a copy of a selection that takes in a cut
// line's "…" copies the line's whole rest, as the pane's text holds it.
class ResultEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    // The whole text between two positions of the box's document; set by the
    // ResultBox that writes into the box.
    std::function<QString(int from, int to)> wholeSelection;

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

class ResultBox : public ResultPane {
public:
    explicit ResultBox(QPlainTextEdit* box);
    ~ResultBox() override;
    ResultBox(const ResultBox&) = delete;
    ResultBox& operator=(const ResultBox&) = delete;
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;
    void AppendText(const std::string& text) override;

    // The text between two positions of the box's document with every cut
    // line that the stretch reaches past its cut given whole from there.
    QString WholeSelection(int from, int to) const;

private:
    QPlainTextEdit* box_;
    // The box when it is a ResultEdit, while it lives (a window's widgets may
    // go before the service that writes into them).
    QPointer<ResultEdit> edit_;
    std::string text_;
};
