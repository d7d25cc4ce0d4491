#pragma once
// The three toolbars as tables: every button at its one-based index
// (separators counted), with its key, tooltip, status hint and what a click
// does. Nothing looks a button up by its key.
#include <cstdint>
#include <vector>

enum class ToolAction {
    None,          // a separator
    Menu,          // runs the handler of the menu item it names
    Projection,    // sets the camera's projection type to `value` and redraws
    Model,         // sets the current row's graph's Show to `value`
    Smoothness,    // sets the current row's graph's Smoothness to `value`
};

struct ToolRow {
    int index;
    const char* key;       // may be nullptr for a separator
    const char* tooltip;   // nullptr for a separator
    const char* hint;      // the status hint; nullptr for a separator
    ToolAction action;
    const char* menuItem;  // for ToolAction::Menu
    std::int32_t value;    // for the projection, model and smoothness buttons
};

// The rows of Toolbar1, Toolbar2 or Toolbar3 (toolbar 1..3), in index order.
const std::vector<ToolRow>& ToolbarTable(int toolbar);
