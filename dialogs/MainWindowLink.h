#pragma once
// What the dialogs need of the main window: its graph list, its redraw and
// its playback commands. The main window implements it and installs itself;
// dialog tests install a double.
#include <cstdint>
#include <string>

class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    // The graph list's current row (0-based; -1 when no row is current). Row r
    // shows graph r + 1 of DocumentScene.
    virtual std::int32_t CurrentRow() const = 0;
    virtual std::int32_t RowCount() const = 0;
    // A row's label, and rewriting it (a label change is not a tick change).
    virtual std::string RowText(std::int32_t row) const = 0;
    virtual void SetRowText(std::int32_t row, const std::string& text) = 0;
    // Appends a row for the graph last added to DocumentScene and ticks it,
    // which shows the graph (rebuild and redraw).
    virtual void AddTickedRow(const std::string& text) = 0;

    // Compiles the visible scene into the display lists again and redraws.
    virtual void Rebuild() = 0;
    // Redraws the current frame.
    virtual void Redraw() = 0;
    // Turns on the eleven playback menu items and their toolbar buttons (an
    // animated graph now exists).
    virtual void EnablePlayback() = 0;
    // The interval of the animation timer in milliseconds; whether it runs
    // is kept.
    virtual void SetPlayInterval(std::int32_t milliseconds) = 0;
};

// The installed main window (one without rows that does nothing until one is
// installed).
MainWindowLink& MainWindow();
// Installs `window` (not owned); nullptr restores the default.
void SetMainWindowLink(MainWindowLink* window);
