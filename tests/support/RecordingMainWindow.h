#pragma once
// The main window as the dialogs see it (MainWindowLink), for dialog tests:
// a list of rows held in memory with a current row the test sets, counts of
// the rebuilds and redraws, the playback request and the timer interval set.
// Installs itself while it lives. (Header only: the dialogs' test programs
// include it.)
#include "dialogs/MainWindowLink.h"

#include <string>
#include <vector>

class RecordingMainWindow : public MainWindowLink {
public:
    RecordingMainWindow() : previous_(&MainWindow()) { SetMainWindowLink(this); }
    ~RecordingMainWindow() override { SetMainWindowLink(previous_); }
    RecordingMainWindow(const RecordingMainWindow&) = delete;
    RecordingMainWindow& operator=(const RecordingMainWindow&) = delete;

    std::int32_t CurrentRow() const override { return currentRow; }
    std::int32_t RowCount() const override { return static_cast<std::int32_t>(rows.size()); }
    std::string RowText(std::int32_t row) const override { return rows.at(static_cast<std::size_t>(row)); }
    void SetRowText(std::int32_t row, const std::string& text) override {
        rows.at(static_cast<std::size_t>(row)) = text;
    }
    void AddTickedRow(const std::string& text) override { rows.push_back(text); }
    void Rebuild() override { ++rebuilds; }
    void Redraw() override { ++redraws; }
    void EnablePlayback() override { playbackOn = true; }
    void SetPlayInterval(std::int32_t milliseconds) override { playInterval = milliseconds; }

    std::vector<std::string> rows;
    std::int32_t currentRow = -1;
    int rebuilds = 0;
    int redraws = 0;
    bool playbackOn = false;
    // The last interval given to the animation timer (-1: none).
    std::int32_t playInterval = -1;

private:
    MainWindowLink* previous_;
};
